# Builds the Qt Help collection "TrelinkKonfiguratorHlp_<number>" (a .qhc with its .qch) in the
# program's folder from the pages of one language and the icons of the interface.
#
# The pages are staged into a folder of their own first, so that the help shows the very icons
# the hardware list uses without keeping copies of them in the sources, both languages share
# one style sheet, and a page removed from the sources does not live on in the help.
function(trelink_add_help_collection target number page_dir)
  # Debian keeps qhelpgenerator in Qt's libexec folder, off the PATH.
  find_program(TRELINK_QHELPGENERATOR qhelpgenerator REQUIRED
               HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/libexec)
  set(name TrelinkKonfiguratorHlp_${number})
  set(stage ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(out ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  file(GLOB pages CONFIGURE_DEPENDS ${page_dir}/*)
  file(GLOB icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/ui/icons/*.png)
  set(style ${PROJECT_SOURCE_DIR}/resources/help/style.css)

  # The collection stores the path of its .qch relative to itself, so both can be moved together.
  set(collection_project ${CMAKE_CURRENT_BINARY_DIR}/${name}.qhcp)
  file(CONFIGURE OUTPUT ${collection_project} CONTENT [[
<?xml version="1.0" encoding="UTF-8"?>
<QHelpCollectionProject version="1.0">
  <docFiles><register><file>@out@/@name@.qch</file></register></docFiles>
</QHelpCollectionProject>
]] @ONLY)

  add_custom_command(
    OUTPUT ${out}/${name}.qch ${out}/${name}.qhc
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${page_dir} ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy ${style} ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/images
    COMMAND ${CMAKE_COMMAND} -E copy ${icons} ${stage}/images
    COMMAND ${CMAKE_COMMAND} -E rm -f ${out}/${name}.qch ${out}/${name}.qhc
    COMMAND ${TRELINK_QHELPGENERATOR} -c -s ${stage}/help.qhp -o ${out}/${name}.qch
    COMMAND ${TRELINK_QHELPGENERATOR} -s ${collection_project} -o ${out}/${name}.qhc
    DEPENDS ${pages} ${icons} ${style} ${collection_project}
    COMMENT "Building help ${name}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${out}/${name}.qch ${out}/${name}.qhc)
endfunction()
