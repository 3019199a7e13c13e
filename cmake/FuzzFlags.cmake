# The libFuzzer build (scripts/fuzz.sh, TRELINK_FUZZ=ON): every target is instrumented for
# coverage and built with AddressSanitizer and UndefinedBehaviorSanitizer, which end the run at
# the first finding. Only the fuzz targets link libFuzzer itself (fuzz/CMakeLists.txt).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TRELINK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=all)
add_link_options(-fsanitize=address,undefined)
