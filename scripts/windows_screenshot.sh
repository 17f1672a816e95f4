#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Retakes docs/windows-window.png: zorvikquillet.exe as Wine draws it on a private X desktop
# (Xvfb with openbox, ../shared/tools/gui-session or GUI_SESSION), with SimSun standing in as the
# tests' Wine prefix has it, after 计算 for 1、财产案件 and 1234567.89. Needs the windows build
# (cmake --preset windows && cmake --build --preset windows).
#   bash scripts/windows_screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/windows-window.png}
session=${GUI_SESSION:-../shared/tools/gui-session}
wine=/usr/lib/wine/wine64
export WINEPREFIX=$PWD/build-windows/wine-screen WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  LC_ALL=C.UTF-8
if [ ! -d "$WINEPREFIX" ]; then
  env -u DISPLAY cmake -DWINE="$wine" -DGRAPHICS=x11 -P tests/windows/wine_prefix_setup.cmake
  /usr/lib/wine/wineserver -w
fi
"$session" bash -c '
  set -e
  "$0" build-windows/bin/zorvikquillet.exe & program=$!
  until window=$(xdotool search --name "^ZorvikQuillet v2.0$" 2>/dev/null); do sleep 0.2; done
  sleep 1
  # By keyboard, as in any Windows dialog: from the class option through List1 and List2 to
  # the amount, then to 计算, which Enter presses.
  xdotool windowactivate --sync "$window"
  xdotool key Tab Tab Tab
  xdotool type --delay 20 "1234567.89"
  xdotool key Tab Tab Return
  sleep 1
  xdotool mousemove 0 0
  sleep 0.5
  # The window centred on the 1280 x 800 desktop, with the frame openbox draws around it.
  import -window root -crop 372x415+454+193 +repage "$1"
  kill $program
  /usr/lib/wine/wineserver -k || true
' "$wine" "$out"
echo "wrote $out"
