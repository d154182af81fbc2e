# Warnings are errors in our own targets only; third-party headers come in as system includes.
function(quantora_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
    # GCC 12 at -O3 reports overlapping copies inside std::string's operator+ that cannot happen
    # (GCC bug 105651); the warning would stop every Release build of "a" + std::to_string(n).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()
