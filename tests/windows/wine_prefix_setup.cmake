# SPDX-License-Identifier: MIT
# Makes the Wine prefix that the Windows programs run in (WINEPREFIX, from the environment):
# wineboot, then what a Chinese Windows has and a fresh Wine lacks. Windows draws the calculator
# in 宋体 (SimSun), which Wine does not ship: without a stand-in, Chinese shows as empty boxes. SimSun
# and its sibling NSimSun are drawn with WenQuanYi Zen Hei Sharp (fonts-wqy-zenhei), whose 12-pixel
# bitmap strike draws crisp one-pixel strokes as SimSun's does (Zen Hei and Zen Hei Mono are drawn
# from their outlines there, without smoothing, and lose strokes). GRAPHICS picks Wine's display
# driver:
# "null" runs windows with no display at all (the tests), "x11" draws them on $DISPLAY.
#   cmake -DWINE=<wine64> -DGRAPHICS=null|x11 -P wine_prefix_setup.cmake
execute_process(COMMAND ${WINE} wineboot --init RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wineboot failed: ${status}")
endif()
set(settings
  "HKCU\\Software\\Wine\\Drivers|Graphics|${GRAPHICS}"
  "HKCU\\Software\\Wine\\Fonts\\Replacements|SimSun|WenQuanYi Zen Hei Sharp"
  "HKCU\\Software\\Wine\\Fonts\\Replacements|宋体|WenQuanYi Zen Hei Sharp"
  "HKCU\\Software\\Wine\\Fonts\\Replacements|NSimSun|WenQuanYi Zen Hei Sharp"
  "HKCU\\Software\\Wine\\Fonts\\Replacements|新宋体|WenQuanYi Zen Hei Sharp")
foreach(setting IN LISTS settings)
  string(REPLACE "|" ";" parts "${setting}")
  list(GET parts 0 key)
  list(GET parts 1 name)
  list(GET parts 2 value)
  execute_process(COMMAND ${WINE} reg add ${key} /v ${name} /d ${value} /f
                  RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not set ${key}\\${name} to ${value}")
  endif()
endforeach()
