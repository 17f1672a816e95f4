#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The calculator on a real X server with a window manager and the accessibility bus, for what only
# a real desktop shows: where the framed windows stand and what they ask of the window manager,
# the cursor the server shows, keys and message boxes as the server delivers them, and what a
# screen reader hears. Starts its own Xvfb, openbox, session bus and accessibility bus, and ends
# them. Usage: desktop_test.sh PATH/TO/zorvikquillet
set -euo pipefail
app=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
type -P Xvfb openbox dbus-launch xdotool xwininfo xprop >/dev/null || { echo "bash scripts/deps.sh installs the desktop"; exit 1; }
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true; wait || true; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# Every wait polls for the state it needs. Its bound, 30 s, only ends a run that hangs: no check
# passes or fails by how long its state took to come.
await() {
  local i
  for ((i = 0; i < 600; i++)); do
    "$@" 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}
failures=0
check() {  # description, then a command that must come to succeed
  local what=$1
  shift
  if await "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# A display number nobody else uses: Xvfb picks it and writes it to the descriptor. -noreset: by
# default the server resets when its last client leaves, and refuses connections meanwhile.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
await test -s "$work/display"
export DISPLAY=":$(head -n 1 "$work/display")" XDG_RUNTIME_DIR="$work"
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# The program looks for the accessibility bus once, at start.
await dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
# Openbox runs its start-up command once it manages windows; a window mapped before is never
# framed.
openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
await test -e "$work/wm-ready" || { cat "$work/openbox.log"; exit 1; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

framed() {  # title pattern: the window, once the window manager has framed it
  local id
  for id in $(xdotool search --name "$1"); do
    xprop -id "$id" _NET_FRAME_EXTENTS | grep -q = && echo "$id" && return 0
  done
  return 1
}
window() { await framed "$1" || { echo "no framed window named $1" >&2; exit 1; }; }
frame() {  # window: "left top width height" of its frame, title bar and borders included
  local l r t b
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  xwininfo -id "$1" | awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x - l, y - t, w + l + r, h + t + b}'
}
beside() {  # window, other: the frame stands right of the other's, level with it
  local x y w h ox oy ow oh
  read -r x y w h < <(frame "$1")
  read -r ox oy ow oh < <(frame "$2")
  ((x == ox + ow && y == oy))
}
centred() {  # window: the frame's centre within a pixel of the screen's; as high as fits
  local x y w h
  read -r x y w h < <(frame "$1")
  (((2 * x + w - 1280) ** 2 <= 4)) && ((h > 800 ? y == 0 : (2 * y + h - 800) ** 2 <= 4))
}
active() { [ "$(xdotool getactivewindow)" = "$1" ]; }
gone() { ! xwininfo -id "$1" >/dev/null 2>&1; }
hidden() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
motif() { xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g'; }  # flags functions ...
probe() { /usr/bin/python3 "$here/desktop_probe.py" "$@"; }
# The whole of what it hears, then the search: grep -q leaving at the first match would cut the
# probe's later writes, and under pipefail the probe's broken pipe would fail the check.
hears() {
  local heard
  heard=$(probe reader) && grep -q "$1" <<<"$heard"
}
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }
# The hand: outline black from the finger's tip, white inside, transparent around, the hot spot
# on the tip.
hand() {
  probe cursor | awk 'NR == 1 {ok = $3 == "6,0"; next} {row[NR - 2] = $0; opaque += gsub(/[#o]/, "&")}
    function at(x, y) {return substr(row[y], x + 1, 1)}
    END {exit !(ok && at(6, 0) == "#" && at(6, 3) == "o" && at(10, 15) == "o" && at(0, 0) == "." &&
                at(31, 31) == "." && opaque > 150 && opaque < 400)}'
}

"$app" >/dev/null 2>&1 &
app_pid=$!
pids+=($app_pid)
main=$(window '^ZorvikQuillet v2.0$')
check "main window centred with its title bar" centred "$main"
await active "$main"  # the keys below go to it
xdotool mousemove --window "$main" 60 350
check "the hand cursor over the address" hand
for name in 案件种类 案件类型 案件标的 法院收费; do
  check "a screen reader hears $name" hears "	$name	"
done
# The window a frame; the one focused object the control with the focus, not each list's selected
# entry as well; the address a link to press; the separator named.
check "a screen reader finds the window a frame" hears "^frame	ZorvikQuillet v2.0	"
check "and one focused object" test "$(probe reader | cut -f 5 | grep -c focused)" -eq 1
check "and the address a link to press" hears "^link	http://zorvik.example	.*	.*Press"
check "and the separator named" hears "^separator	分隔线	"

# Into the amount (Alt+J types nothing), Tab past the fee box to 计算, and Enter.
click 150 262
xdotool key alt+j
xdotool type 10000
xdotool key Tab Tab Return
check "Enter presses the focused 计算; a screen reader hears the fee" hears "^text	法院收费	50.00	"
check "and is told it by 计算" hears "^push button	计算		法院收费 50.00 元	focused	"
check "and reads its explanation as text" hears "^text	法院收费	50.00	案件类型：1、财产案件|"
xdotool key Tab Tab
check "Tab from 退出 reaches the address" hears "^link	http://zorvik.example	.*	focused	"

for amount in abc 1e400; do
  await active "$main"
  click 150 262
  xdotool key ctrl+a
  xdotool type "$amount"
  click 212 336
  box=$(window '^(提示|计算错误)$')
  title=$(xdotool getwindowname "$box")
  read -r _ _ w _ < <(frame "$box")
  check "message box $title is $w px wide, room for its title" test "$w" -ge $((14 * ${#title} + 100))
  check "a screen reader names its icon" hears "^image	[警错][告误]	"
  if [ "$amount" = abc ]; then
    # Openbox minimises a box whatever it asks for, and the calculator with it: both come back.
    # The program is held while openbox minimises, so that both are seen hidden before it answers.
    kill -STOP "$app_pid"
    xdotool windowminimize "$box"
    check "openbox minimises $title and the calculator with it" bash -c \
      "xprop -id $main _NET_WM_STATE | grep -q HIDDEN && xprop -id $box _NET_WM_STATE | grep -q HIDDEN"
    kill -CONT "$app_pid"
    check "a minimised $title comes back, and the calculator with it" bash -c \
      "! xprop -id $main _NET_WM_STATE | grep -q HIDDEN && ! xprop -id $box _NET_WM_STATE | grep -q HIDDEN"
  fi
  await active "$box"
  xdotool key Return
  check "Enter closes $title" gone "$box"
done

click 300 368
rules=$(window '^收费细则$')
check "fee-rules window beside the calculator" beside "$rules" "$main"
check "a screen reader hears 诉讼费用交纳办法" hears "	诉讼费用交纳办法	"
# Both windows are fixed, so neither can be maximised. The main window asks for minimise and close,
# the rules for close alone (Motif functions 0x8 minimise, 0x10 maximise, 0x20 close). Openbox
# draws its buttons whatever a window asks and keeps minimise allowed: the press brings it back.
for id in "$main" "$rules"; do
  check "$(xdotool getwindowname "$id") cannot be maximised" \
    bash -c "! xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE"
done
read -r flags functions _ < <(motif "$main")
check "main window asks for minimise and close ($functions)" test $((flags & 1 && (functions & 0x38) == 0x28)) -eq 1
read -r flags functions _ < <(motif "$rules")
check "fee-rules window asks for close only ($functions)" test $((flags & 1 && (functions & 0x38) == 0x20)) -eq 1
xdotool windowminimize "$rules"
await hidden "$rules"
click 300 368
check "收费细则 brings the minimised rules back" bash -c "! xprop -id $rules _NET_WM_STATE | grep -q HIDDEN"
check "and in front" active "$rules"
kill "${pids[-1]}"
await gone "$main"

# Twice the scale on an 800-pixel screen: the frame cannot fit, the title bar stays on it.
QT_SCALE_FACTOR=2 "$app" >/dev/null 2>&1 &
pids+=($!)
main=$(window '^ZorvikQuillet v2.0$')
check "at 2x the frame is centred across and as high as it fits, title bar on screen" centred "$main"
# A fee with a long explanation, the pointer on the fee: its tooltip starts by the pointer, not
# against the screen's left edge.
await active "$main"
click 300 524
xdotool type 1234567.89
click 424 672
xdotool mousemove --window "$main" 292 588
tip() {  # the tooltip's left edge within 40 pixels left of the pointer
  local id px x
  px=$(xdotool getmouselocation | sed 's/x:\([0-9]*\).*/\1/')
  for id in $(xdotool search --onlyvisible --class zorvikquillet); do
    if xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP; then
      x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $NF}')
      ((x <= px + 4 && x >= px - 40)) && return 0
    fi
  done
  return 1
}
check "at 2x the fee's tooltip starts by the pointer" tip

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "desktop: all checks passed"
