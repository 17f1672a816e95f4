#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the window program under Xvfb with a window manager, prices an example case by typing and
# clicking as a user would, opens the fee rules, and saves screenshots of both windows in docs/.
# Usage: screenshots.sh [PROGRAM FOLDER]. Given a program and a folder, it saves four pictures
# there instead, to compare two builds pixel for pixel (compare -metric AE): start-window.png as
# the window opens, main-window.png after 计算, fee-tooltip.png (the window and the fee's
# tooltip), fee-rules-window.png, and warning-box.png, the box an amount that is not a number
# brings up.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zq_install_missing xvfb xauth xdotool openbox x11-utils imagemagick

program=${1:-build/bin/zorvikquillet}
out=${2:-}
if [ -z "${1:-}" ] && [ ! -x "$program" ]; then
  cmake --preset default >/dev/null && cmake --build --preset default --target zorvikquillet
fi

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

"$program" >/dev/null 2>&1 &
app=$!
main=$(xdotool search --sync --name '^ZorvikQuillet v2.0$' | head -n 1)
sleep 1

shoot() {  # window, picture: the active window with its frame
  xdotool windowactivate --sync "$1"
  sleep 0.5
  import -window "$(xdotool getactivewindow)" -frame +repage "$work/$2"
}

shoot "$main" start-window.png
# Amount field at (80, 252) and the 计算 button at (172, 324) in the window's client area.
xdotool mousemove --window "$main" 150 262 click 1
xdotool type --delay 30 "1234567.89"
xdotool mousemove --window "$main" 212 336 click 1
sleep 0.5
shoot "$main" main-window.png

# The pointer on the fee box at (80, 284): the tooltip with the window around it.
xdotool mousemove --window "$main" 120 294
tip=""
for _ in $(seq 100); do  # the tooltip comes after the pointer rests
  for id in $(xdotool search --onlyvisible --class zorvikquillet 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP && tip=$id
  done
  [ -n "$tip" ] && break
  sleep 0.1
done
sleep 0.5
box() {  # window: left top right bottom, its frame included
  local l r t b
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //; s/,//gp') || true  # none on a tooltip
  xwininfo -id "$1" | awk -v l="${l:-0}" -v r="${r:-0}" -v t="${t:-0}" -v b="${b:-0}" '
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x - l, y - t, x + w + r, y + h + b}'
}
read -r ml mt mr mb < <(box "$main")
read -r tl tt tr tb < <(box "$tip")
l=$((ml < tl ? ml : tl)) t=$((mt < tt ? mt : tt)) r=$((mr > tr ? mr : tr)) b=$((mb > tb ? mb : tb))
import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage "$work/fee-tooltip.png"
# Away from the fee, until the tooltip, which covers 收费细则, has gone.
xdotool mousemove 0 0
while xwininfo -id "$tip" 2>/dev/null | grep -q IsViewable; do sleep 0.1; done

# 收费细则 at (260, 356).
xdotool mousemove --window "$main" 300 368 click 1
rules=$(xdotool search --sync --name '^收费细则$' | head -n 1)
sleep 1
shoot "$rules" fee-rules-window.png

xdotool windowactivate --sync "$main"
xdotool mousemove --window "$main" 150 262 click 1 key ctrl+a
xdotool type --delay 30 "abc"
xdotool mousemove --window "$main" 212 336 click 1
box=$(xdotool search --sync --name '^提示$' | head -n 1)
sleep 1
shoot "$box" warning-box.png

kill $app 2>/dev/null || true
if [ -n "$out" ]; then
  mkdir -p "$out"
  cp "$work"/*.png "$out"/
  echo "saved $(cd "$out" && ls ./*.png | tr '\n' ' ')in $out"
else
  mkdir -p docs
  cp "$work/main-window.png" "$work/fee-tooltip.png" "$work/fee-rules-window.png" docs/
  echo "saved docs/main-window.png, docs/fee-tooltip.png and docs/fee-rules-window.png"
fi
