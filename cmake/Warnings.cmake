# SPDX-License-Identifier: MIT
# Per-target warnings, and the floating-point rule every fee depends on: no fused multiply-add,
# so each fee is exactly the multiply-then-add the fee rules state.
function(zq_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
  if(ZQ_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
