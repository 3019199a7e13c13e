# Where the installed files go. The program looks for its settings file, catalogues, help
# files and libraries beside its own executable, so it lives in a folder of its own with a
# launcher on the PATH; nothing of it is spread over the system library folders.
#
# Two install components, one Debian package each:
#   tool        the program, its catalogues, help, settings file, desktop integration
#   simulation  the simulated bus driver, the error-text stand-in and the demo configuration

# Relative to the prefix; "lib", not the multiarch folder, because only the program uses it.
set(TRELINK_INSTALL_APPDIR "lib/trelinkkonfigurator")
set(TRELINK_COMPONENT_TOOL tool)
set(TRELINK_COMPONENT_SIMULATION simulation)

# Code for install(CODE) that sets trelink_etc to the configuration folder of the prefix the
# files are being installed to, decided at install time so that `cmake --install --prefix`
# and CPack agree with the paths written into the files: /etc for /usr, <prefix>/etc else.
set(TRELINK_ETC_AT_INSTALL [=[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(trelink_etc "/etc")
  else()
    set(trelink_etc "${CMAKE_INSTALL_PREFIX}/etc")
  endif()
]=])

# Makes a symbolic link at install time; link and target are absolute paths of the installed
# system. As Debian wants it, a link within one top-level folder is relative (so the program
# also starts from an unpacked package in any folder), a link into another one absolute.
set(TRELINK_LINK_AT_INSTALL [=[
  function(trelink_install_link link target)
    get_filename_component(folder "${link}" DIRECTORY)
    string(REGEX MATCH "^/[^/]*" link_top "${link}")
    string(REGEX MATCH "^/[^/]*" target_top "${target}")
    set(relative "${target}")
    if(link_top STREQUAL target_top)
      file(RELATIVE_PATH relative "${folder}" "${target}")
    endif()
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${folder}")
    file(CREATE_LINK "${relative}" "$ENV{DESTDIR}${link}" SYMBOLIC)
    message(STATUS "Installing: $ENV{DESTDIR}${link} -> ${relative}")
  endfunction()
]=])

# Installs a program into the program folder with a launcher of the same name in bin/.
# The launcher is a symbolic link: the program finds its folder through /proc/self/exe,
# which names the real file.
function(trelink_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${TRELINK_INSTALL_APPDIR}
          COMPONENT ${TRELINK_COMPONENT_TOOL})
  install(CODE "${TRELINK_LINK_AT_INSTALL}
    trelink_install_link(\"\${CMAKE_INSTALL_PREFIX}/bin/${target}\"
                         \"\${CMAKE_INSTALL_PREFIX}/${TRELINK_INSTALL_APPDIR}/${target}\")"
          COMPONENT ${TRELINK_COMPONENT_TOOL})
endfunction()
