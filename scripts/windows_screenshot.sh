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
  # The amount box: 80 + 10 pixels across, 252 + 10 down in the client area, below the title.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 90)) $((Y + 262)) click 1 type "1234567.89"
  xdotool key Tab Tab Return
  sleep 1
  xdotool mousemove $((X + 200)) $((Y + 380))
  sleep 0.5
  import -window root -crop "$((WIDTH + 2))x$((HEIGHT + 24))+$((X - 1))+$((Y - 23))" +repage "$1"
  kill $program
  /usr/lib/wine/wineserver -k
' "$wine" "$out"
echo "wrote $out"
