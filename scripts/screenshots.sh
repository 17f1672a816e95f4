#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the window program under Xvfb with a window manager, prices an example case by typing and
# clicking as a user would, opens the fee rules, and saves screenshots of both windows in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zq_install_missing xvfb xauth xdotool openbox x11-utils imagemagick

[ -x build/bin/zorvikquillet ] || { cmake --preset default >/dev/null && cmake --build --preset default; }

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
# A window mapped before openbox has finished starting is never framed: wait for its start-up
# command.
openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
trap 'kill $! $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 200); do [ -e "$work/wm-ready" ] && break; sleep 0.05; done

build/bin/zorvikquillet >/dev/null 2>&1 &
app=$!
main=$(xdotool search --sync --name '^ZorvikQuillet v2.0$' | head -n 1)
sleep 1

# Amount field at (80, 252) and the 计算 button at (172, 324) in the window's client area.
xdotool mousemove --window "$main" 150 262 click 1
xdotool type --delay 30 "1234567.89"
xdotool mousemove --window "$main" 212 336 click 1
sleep 0.5
mkdir -p docs
xdotool windowactivate --sync "$main"
import -window "$(xdotool getactivewindow)" -frame +repage docs/main-window.png

# 收费细则 at (260, 356).
xdotool mousemove --window "$main" 300 368 click 1
rules=$(xdotool search --sync --name '^收费细则$' | head -n 1)
sleep 1
xdotool windowactivate --sync "$rules"
import -window "$(xdotool getactivewindow)" -frame +repage docs/fee-rules-window.png

kill $app 2>/dev/null || true
echo "saved docs/main-window.png and docs/fee-rules-window.png"
