# Warnings for our own targets only; third-party headers come in as system includes.
function(kiova_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                           $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>
                                           -Wimplicit-fallthrough)
endfunction()
