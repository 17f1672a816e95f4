# SPDX-License-Identifier: MIT
# courtfee.exe's and zorvikquillet.exe's tests, under Wine: what courtfee.exe answers, compared with
# the native courtfee; the window driven through its controls; what Explorer reads from both
# (version and icon); and the zip as a user unpacks it.
include(${CMAKE_CURRENT_LIST_DIR}/wine_prefix.cmake)

add_executable(version_info_check ${CMAKE_CURRENT_LIST_DIR}/version_info_check.cpp
               ${PROJECT_SOURCE_DIR}/cli/windows/windows_text.cpp)
target_include_directories(version_info_check PRIVATE ${PROJECT_SOURCE_DIR})
zq_set_warnings(version_info_check)
target_compile_definitions(version_info_check PRIVATE UNICODE _UNICODE
  ZQ_VERSION="${PROJECT_VERSION}")
target_link_libraries(version_info_check PRIVATE version shell32)
target_link_options(version_info_check PRIVATE -municode -static)
set_target_properties(version_info_check PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/windows)
zq_wine_test(NAME courtfee_version_info COMMAND version_info_check $<TARGET_FILE:courtfee>
  "诉讼费用计算器（命令行）" "PRC court-fee calculator (command line)")
zq_wine_test(NAME zorvikquillet_version_info COMMAND version_info_check
  $<TARGET_FILE:zorvikquillet> "诉讼费用计算器" "PRC court-fee calculator")

zq_wine_test(NAME windows_release_zip COMMAND ${CMAKE_COMMAND}
  -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
  -DPACKAGE=courtfee-${PROJECT_VERSION}-windows-x64 -DVERSION=${PROJECT_VERSION}
  -DWINE=${ZQ_WINE} -DEXE=$<TARGET_FILE:courtfee> -DWINDOW_EXE=$<TARGET_FILE:zorvikquillet>
  -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
  -P ${CMAKE_CURRENT_LIST_DIR}/release_zip_check.cmake)

# The answers, byte for byte those of the native courtfee, which the default preset builds.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ZQ_NATIVE_COURTFEE ${PROJECT_SOURCE_DIR}/build/bin/courtfee CACHE FILEPATH
    "The native courtfee that courtfee.exe is compared with")
zq_wine_test(NAME courtfee_exe COMMAND ${Python3_EXECUTABLE}
  ${CMAKE_CURRENT_LIST_DIR}/courtfee_exe_test.py --exe $<TARGET_FILE:courtfee>
  --native ${ZQ_NATIVE_COURTFEE} --wine ${ZQ_WINE} --objdump ${CMAKE_OBJDUMP}
  --also-exe $<TARGET_FILE:zorvikquillet>)

# The window, driven through its controls at 96 and 144 DPI (150 %), against the same native
# courtfee's answers.
add_executable(zorvikquillet_window_test ${CMAKE_CURRENT_LIST_DIR}/zorvikquillet_window_test.cpp
               ${PROJECT_SOURCE_DIR}/cli/windows/windows_text.cpp)
target_include_directories(zorvikquillet_window_test PRIVATE ${PROJECT_SOURCE_DIR})
zq_set_warnings(zorvikquillet_window_test)
target_compile_definitions(zorvikquillet_window_test PRIVATE UNICODE _UNICODE NOMINMAX)
target_link_libraries(zorvikquillet_window_test PRIVATE zq_present user32)
target_link_options(zorvikquillet_window_test PRIVATE -municode -static)
set_target_properties(zorvikquillet_window_test PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/windows)
foreach(dpi 96 144)
  zq_wine_test(NAME zorvikquillet_window_${dpi}dpi COMMAND ${CMAKE_COMMAND} -DWINE=${ZQ_WINE}
    -DNATIVE=${ZQ_NATIVE_COURTFEE} -DTEST=$<TARGET_FILE:zorvikquillet_window_test>
    -DEXE=$<TARGET_FILE:zorvikquillet> -DCASES=${CMAKE_CURRENT_LIST_DIR}/window_cases.txt
    -DMEASURES=${PROJECT_SOURCE_DIR}/resources/measures.txt
    -DOUT=${PROJECT_BINARY_DIR}/tests/windows/window-${dpi} -DDPI=${dpi}
    -P ${CMAKE_CURRENT_LIST_DIR}/window_test.cmake)
endforeach()
# Both change the prefix's DPI for the time they run.
set_tests_properties(zorvikquillet_window_96dpi zorvikquillet_window_144dpi PROPERTIES
  RESOURCE_LOCK wine_dpi)
