# SPDX-License-Identifier: MIT
# The Windows release: cpack in build-windows (or cpack --preset windows) writes
# courtfee-<version>-windows-x64.zip, one folder "courtfee" holding courtfee.exe, the calculator
# window zorvikquillet.exe, README.txt and LICENSE.txt: unpacked into C:\Tools it is
# C:\Tools\courtfee, the folder the readme's examples and MCP configuration name.
# CPack's own ZIP writer makes it; no zip tool is needed. The two texts have CR LF line ends for
# Notepad: the readme is kept so in the repository, the licence is converted here.
install(TARGETS courtfee zorvikquillet RUNTIME DESTINATION courtfee)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_SOURCE_DIR}/docs/windows/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
        DESTINATION courtfee)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME courtfee)
set(CPACK_PACKAGE_VENDOR "The ZorvikQuillet developers")
set(CPACK_PACKAGE_FILE_NAME courtfee-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
