# SPDX-License-Identifier: MIT
# courtfee.exe: one file that runs on a bare Windows 10 or later. The C++ and GCC runtimes and
# winpthread are linked in statically, so it needs only the DLLs every Windows has.
enable_language(RC)
configure_file(windows/courtfee.manifest ${CMAKE_CURRENT_BINARY_DIR}/courtfee.manifest @ONLY)
set(ZQ_ICON ${PROJECT_SOURCE_DIR}/resources/icons/main.ico)
set(ZQ_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/courtfee.manifest)
configure_file(windows/courtfee.rc.in ${CMAKE_CURRENT_BINARY_DIR}/courtfee.rc @ONLY)

add_executable(courtfee windows/windows_main.cpp windows/windows_console.cpp
               ${CMAKE_CURRENT_BINARY_DIR}/courtfee.rc)
zq_set_warnings(courtfee)
target_link_libraries(courtfee PRIVATE zq_cli)
# wmain receives the arguments in UTF-16. Without a link-time stamp in the PE header, two builds
# of the same source give the same bytes, so a published courtfee.exe can be rebuilt and compared.
target_link_options(courtfee PRIVATE -municode -static -s -Wl,--no-insert-timestamp)
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/courtfee.rc APPEND PROPERTY OBJECT_DEPENDS ${ZQ_ICON}
             ${ZQ_MANIFEST})
