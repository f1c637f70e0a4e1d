# KIOVA_SANITIZE: ASan + UBSan for everything we build, failing hard on the first report.
if(KIOVA_SANITIZE)
  set(_kiova_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_kiova_san})
  add_link_options(${_kiova_san})
endif()

# KIOVA_FUZZ: instrument for libFuzzer; the fuzz targets add the fuzzer's main themselves.
if(KIOVA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KIOVA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
