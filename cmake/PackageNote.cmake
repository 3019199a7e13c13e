# Writes an ELF ".note.package" (ld --package-metadata) with the project's version into a
# target, so that the driver-file view and the about box can show a real version.
# The SHELL: form keeps the JSON in one argument; "-Wl," would split it at its commas.
function(trelink_add_package_note target)
  set(json "{\"type\":\"deb\",\"os\":\"debian\",\"name\":\"${target}\",\"version\":\"${PROJECT_VERSION}\"}")
  target_link_options(${target} PRIVATE "SHELL:-Xlinker '--package-metadata=${json}'")
endfunction()
