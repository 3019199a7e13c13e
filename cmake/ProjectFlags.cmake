# Flags every target of the project shares. Link against trelink_flags instead of
# setting options per target, so the whole tree builds under one set of rules.
add_library(trelink_flags INTERFACE)
target_compile_options(trelink_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wformat=2)
if(TRELINK_WERROR)
  target_compile_options(trelink_flags INTERFACE -Werror)
endif()
target_include_directories(trelink_flags INTERFACE ${PROJECT_SOURCE_DIR})

if(TRELINK_SANITIZE)
  # Applied globally so that the stand-in libraries and GoogleTest share one runtime.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
