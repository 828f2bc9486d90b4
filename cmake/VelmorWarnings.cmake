# Warnings on the project's own code; they are errors only where the project's CI asks for
# it (VELMOR_WERROR), so a newer compiler's new warnings never break a user's build. GCC 12
# reports -Wrestrict falsely inside the standard library's string concatenation once
# optimising, so that one is left out.
function(velmor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Wnon-virtual-dtor
                                           -Woverloaded-virtual)
  if(VELMOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
