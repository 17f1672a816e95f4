# SPDX-License-Identifier: MIT
# courtfee.exe's tests, under Wine: what it answers, compared with the native courtfee; what
# Explorer reads from it (version and icon); and the zip as a user unpacks it.
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
zq_wine_test(NAME courtfee_version_info COMMAND version_info_check $<TARGET_FILE:courtfee>)

zq_wine_test(NAME windows_release_zip COMMAND ${CMAKE_COMMAND}
  -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
  -DPACKAGE=courtfee-${PROJECT_VERSION}-windows-x64 -DVERSION=${PROJECT_VERSION}
  -DWINE=${ZQ_WINE} -DEXE=$<TARGET_FILE:courtfee> -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
  -P ${CMAKE_CURRENT_LIST_DIR}/release_zip_check.cmake)

# The answers, byte for byte those of the native courtfee, which the default preset builds.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ZQ_NATIVE_COURTFEE ${PROJECT_SOURCE_DIR}/build/bin/courtfee CACHE FILEPATH
    "The native courtfee that courtfee.exe is compared with")
zq_wine_test(NAME courtfee_exe COMMAND ${Python3_EXECUTABLE}
  ${CMAKE_CURRENT_LIST_DIR}/courtfee_exe_test.py --exe $<TARGET_FILE:courtfee>
  --native ${ZQ_NATIVE_COURTFEE} --wine ${ZQ_WINE} --objdump ${CMAKE_OBJDUMP})
