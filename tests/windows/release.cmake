# SPDX-License-Identifier: MIT
# The Windows release's own checks, under Wine: what Explorer reads from courtfee.exe (version
# and icon), and the zip as a user unpacks it.
include(${CMAKE_CURRENT_LIST_DIR}/wine_prefix.cmake)

add_executable(version_info_check ${CMAKE_CURRENT_LIST_DIR}/version_info_check.cpp)
zq_set_warnings(version_info_check)
target_compile_definitions(version_info_check PRIVATE UNICODE _UNICODE
  ZQ_VERSION="${PROJECT_VERSION}" ZQ_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  ZQ_VERSION_MINOR=${PROJECT_VERSION_MINOR} ZQ_VERSION_PATCH=${PROJECT_VERSION_PATCH})
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
