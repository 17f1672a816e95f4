# SPDX-License-Identifier: MIT
# Runs zorvikquillet_window_test at one DPI: writes what the native courtfee answers (its --list,
# and --batch for the cases), sets the Wine prefix's DPI (LogPixels, read by each program as it
# starts), drives the window, and puts the prefix back at 96 DPI.
#   cmake -DWINE=... -DNATIVE=<courtfee> -DTEST=<zorvikquillet_window_test.exe>
#         -DEXE=<zorvikquillet.exe> -DCASES=... -DMEASURES=... -DOUT=<folder> -DDPI=96|144
#         -P window_test.cmake
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${NATIVE} --list OUTPUT_FILE ${OUT}/listing.txt RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NATIVE} --list failed: ${status}")
endif()
# The refused cases make the batch's exit status 1; its answers are all there is to compare.
execute_process(COMMAND ${NATIVE} --batch INPUT_FILE ${CASES} OUTPUT_FILE ${OUT}/answers.txt)

function(set_dpi dpi)
  execute_process(COMMAND ${WINE} reg add "HKCU\\Control Panel\\Desktop" /v LogPixels
                  /t REG_DWORD /d ${dpi} /f OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not set Wine's DPI to ${dpi}")
  endif()
endfunction()
set_dpi(${DPI})
execute_process(COMMAND ${WINE} ${TEST} ${EXE} ${OUT}/listing.txt ${CASES} ${OUT}/answers.txt
                        ${MEASURES} RESULT_VARIABLE status)
set_dpi(96)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zorvikquillet_window_test at ${DPI} DPI: ${status}")
endif()
