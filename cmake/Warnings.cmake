# SPDX-License-Identifier: MIT
# Per-target warnings, and the floating-point rule every fee depends on: no fused multiply-add,
# so each fee is exactly the multiply-then-add the fee rules state.
function(zq_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
  # GCC 12 reports -Wrestrict on ordinary std::string appends at -O2 (GCC bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(ZQ_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
