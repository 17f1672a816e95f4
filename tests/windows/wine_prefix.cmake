# SPDX-License-Identifier: MIT
# Tests of the Windows build run under Wine in a prefix of their own, under the build folder, so
# that they never touch the user's ~/.wine and start from the same state on every machine.
#
#   zq_wine_test(NAME <name> COMMAND <command> [<arg>...])
#
# adds a CTest test like add_test(NAME ... COMMAND ...). A Windows executable target as <command>
# runs through the toolchain's emulator (wine64); any other command (cmake -P script.cmake, say)
# runs as it is and starts Windows programs itself with ${ZQ_WINE}, which this file sets to the
# emulator. Each test gets:
#   WINEPREFIX       ${PROJECT_BINARY_DIR}/wine, made once by the `wine_prefix` test
#                    (wine_prefix_setup.cmake: wineboot, SimSun's stand-in, and Wine's display
#                    driver that needs no display), which every zq_wine_test requires as a fixture;
#   WINEDEBUG=-all, WINEDLLOVERRIDES=mscoree,mshtml= (no Mono or Gecko installer dialogs);
#   LC_ALL=C.UTF-8   Wine turns its Unix arguments into the program's UTF-16 command line by the
#                    locale: under C or POSIX, 1、财产案件 arrives as "1c";
#   DISPLAY unset    no window opens on whatever display the developer has (the windows of the
#                    window's tests live on Wine's null display driver).
# Add more with set_property(TEST <name> APPEND PROPERTY ENVIRONMENT ...): a later entry wins,
# so LC_ALL=zh_CN.UTF-8 there gives a Chinese Windows's code page (936).
include_guard(GLOBAL)

set(ZQ_WINE ${CMAKE_CROSSCOMPILING_EMULATOR})
set(ZQ_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
set(ZQ_WINE_ENVIRONMENT WINEPREFIX=${ZQ_WINE_PREFIX} WINEDEBUG=-all
    "WINEDLLOVERRIDES=mscoree,mshtml=" LC_ALL=C.UTF-8)

if(ZQ_WINE)
  add_test(NAME wine_prefix COMMAND ${CMAKE_COMMAND} -DWINE=${ZQ_WINE} -DGRAPHICS=null
           -P ${CMAKE_CURRENT_LIST_DIR}/wine_prefix_setup.cmake)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix
                       ENVIRONMENT "${ZQ_WINE_ENVIRONMENT}" ENVIRONMENT_MODIFICATION DISPLAY=unset:)
else()
  message(WARNING "wine64 not found: the tests of courtfee.exe are not run")
endif()

function(zq_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "COMMAND")
  if(NOT arg_NAME OR NOT arg_COMMAND OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zq_wine_test(NAME <name> COMMAND <command> [<arg>...])")
  endif()
  if(NOT ZQ_WINE)
    return()
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  set_tests_properties(${arg_NAME} PROPERTIES FIXTURES_REQUIRED wine_prefix
                       ENVIRONMENT "${ZQ_WINE_ENVIRONMENT}" ENVIRONMENT_MODIFICATION DISPLAY=unset:)
endfunction()
