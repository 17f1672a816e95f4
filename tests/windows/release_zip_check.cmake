# SPDX-License-Identifier: MIT
# Builds the release zip with CPack and checks it as a user gets it: one folder, courtfee, holding
# courtfee.exe and zorvikquillet.exe (the build's own), README.txt and LICENSE.txt; both texts with CR LF line ends and
# the readme with a UTF-8 byte-order mark, so that every Notepad shows them right; and every cmd
# example the readme shows with its output gives that output when run from the unpacked folder.
#   cmake -DCPACK=... -DBUILD_DIR=... -DPACKAGE=courtfee-<version>-windows-x64 -DVERSION=...
#         -DWINE=... -DEXE=<built courtfee.exe> -DWINDOW_EXE=<built zorvikquillet.exe>
#         -DLICENSE=<source LICENSE> -P release_zip_check.cmake
set(out ${BUILD_DIR}/release-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CPACK} -G ZIP --config ${BUILD_DIR}/CPackConfig.cmake -B ${out}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
set(zip ${out}/${PACKAGE}.zip)
if(NOT status EQUAL 0 OR NOT EXISTS ${zip})
  message(FATAL_ERROR "cpack did not write ${zip}:\n${log}")
endif()
file(SIZE ${zip} zip_size)
message(STATUS "${PACKAGE}.zip: ${zip_size} bytes")

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing
                RESULT_VARIABLE status)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "/$")
list(SORT entries)
set(wanted courtfee/LICENSE.txt courtfee/README.txt courtfee/courtfee.exe
    courtfee/zorvikquillet.exe)
if(NOT status EQUAL 0 OR NOT entries STREQUAL wanted)
  message(FATAL_ERROR "the zip holds:\n${listing}\nnot:\n${wanted}")
endif()

set(unpacked ${out}/unpacked)
file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${unpacked})
set(folder ${unpacked}/courtfee)
foreach(built ${EXE} ${WINDOW_EXE})
  get_filename_component(name ${built} NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${built} ${folder}/${name}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the zip's ${name} is not the one built")
  endif()
endforeach()

# The files' bytes as "ef bb bf 63 ", one token a byte (file(READ) without HEX drops each CR).
function(read_bytes path variable)
  file(READ ${path} hex HEX)
  string(REGEX REPLACE "(..)" " \\1" spaced "${hex}")
  set(${variable} "${spaced} " PARENT_SCOPE)
endfunction()

# Every line ends in CR LF: with the pairs taken out, no CR or LF may be left.
function(check_crlf path)
  read_bytes(${path} bytes)
  string(REPLACE " 0d 0a" "" rest "${bytes}")
  if(rest MATCHES " 0[ad] " OR NOT bytes MATCHES " 0d 0a $")
    message(FATAL_ERROR "${path} has lines that do not end in CR LF")
  endif()
endfunction()
check_crlf(${folder}/README.txt)
check_crlf(${folder}/LICENSE.txt)

read_bytes(${folder}/README.txt readme_bytes)
if(NOT readme_bytes MATCHES "^ ef bb bf ")
  message(FATAL_ERROR "README.txt does not start with the UTF-8 byte-order mark")
endif()
read_bytes(${LICENSE} licence)
read_bytes(${folder}/LICENSE.txt licence_txt)
string(REPLACE " 0a" " 0d 0a" licence_crlf "${licence}")
if(NOT licence_txt STREQUAL licence_crlf)
  message(FATAL_ERROR "LICENSE.txt is not the LICENSE with CR LF line ends")
endif()

file(READ ${folder}/README.txt readme)
string(REGEX MATCH "^[^\n]*" title "${readme}")
if(NOT title MATCHES "courtfee ${VERSION} ")
  message(FATAL_ERROR "README.txt's title does not name version ${VERSION}: ${title}")
endif()

# The readme's lines as a list: its ; [ and ] must not split or join list items.
string(REPLACE ";" "<semicolon>" readme "${readme}")
string(REPLACE "[" "<open>" readme "${readme}")
string(REPLACE "]" "<close>" readme "${readme}")
string(REPLACE "\r" "" readme "${readme}")
string(REPLACE "\n" ";" lines "${readme}")
list(LENGTH lines count)
math(EXPR last "${count} - 2")
set(examples 0)
foreach(i RANGE ${last})
  list(GET lines ${i} line)
  if(NOT line MATCHES "^  C:\\\\Tools\\\\courtfee>courtfee (.+)$")
    continue()
  endif()
  set(command_line "${CMAKE_MATCH_1}")
  math(EXPR next "${i} + 1")
  list(GET lines ${next} shown)
  if(shown MATCHES "^  C:" OR NOT shown MATCHES "^  ([^ ].*)$")
    continue()
  endif()
  set(shown "${CMAKE_MATCH_1}")
  separate_arguments(arguments UNIX_COMMAND "${command_line}")
  execute_process(COMMAND ${WINE} ${folder}/courtfee.exe ${arguments} RESULT_VARIABLE status
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REGEX REPLACE "\n.*" "" output "${output}")
  if(NOT status EQUAL 0 OR NOT output STREQUAL shown)
    message(FATAL_ERROR "README.txt shows courtfee ${command_line} giving \"${shown}\", "
                        "but it gives \"${output}\" (exit status ${status}) ${errors}")
  endif()
  math(EXPR examples "${examples} + 1")
endforeach()
# Chinese and English each show at least the first example.
if(examples LESS 2)
  message(FATAL_ERROR "README.txt's cmd examples were not found (${examples})")
endif()
message(STATUS "README.txt: ${examples} examples give the output shown")

# The MCP configuration, which users paste as it is: JSON that starts courtfee.exe --mcp.
set(configurations 0)
set(json "")
foreach(line IN LISTS lines)
  if(line STREQUAL "  {")
    set(json "{")
  elseif(NOT json STREQUAL "")
    string(APPEND json "\n${line}")
    if(line STREQUAL "  }")
      string(REPLACE "<open>" "[" json "${json}")
      string(REPLACE "<close>" "]" json "${json}")
      string(JSON command ERROR_VARIABLE command_error GET "${json}" mcpServers courtfee command)
      string(JSON argument ERROR_VARIABLE argument_error GET "${json}" mcpServers courtfee args 0)
      # CMake's JSON reader lets a trailing comma pass; many assistants' readers do not.
      if(command_error OR argument_error OR json MATCHES ",[ \n]*[]}]"
         OR NOT command MATCHES "^C:\\\\.*\\\\courtfee\\.exe$"
         OR NOT argument STREQUAL "--mcp")
        message(FATAL_ERROR "README.txt's MCP configuration is not right:\n${json}")
      endif()
      math(EXPR configurations "${configurations} + 1")
      set(json "")
    endif()
  endif()
endforeach()
if(NOT configurations EQUAL 2)
  message(FATAL_ERROR "README.txt should show the MCP configuration twice, not ${configurations}")
endif()
