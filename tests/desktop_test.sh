#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The calculator on a real X server with a window manager and the accessibility bus, driven by
# mouse and keyboard as a person would, and read as a screen reader reads it: where the frames
# stand, the cursor over the address, the lists after clicks on empty space, Enter on a focused
# button, the message boxes, the controls' names. Starts its own Xvfb, openbox, session bus and
# accessibility bus, and ends them. Usage: desktop_test.sh PATH/TO/zorvikquillet
set -euo pipefail
app=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox dbus-launch dbus-send xdotool xdpyinfo xwininfo xprop /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "needs $tool: bash scripts/deps.sh installs it"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A display number nobody else uses: Xvfb picks it and writes it to the descriptor. -noreset: by
# default the server resets when its last client leaves, and refuses connections meanwhile.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" XDG_RUNTIME_DIR="$work"
for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# The program looks for the accessibility bus once, at start.
for _ in $(seq 200); do
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.05
done
# Openbox runs its start-up command once it manages windows; a window mapped before that is
# never framed.
openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -e "$work/wm-ready" ] && break; sleep 0.05; done
kill -0 "${pids[-1]}" 2>/dev/null || { echo "openbox did not start:"; cat "$work/openbox.log"; exit 1; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

failures=0
check() {  # description, then a command that must succeed
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# A window once the window manager has framed it and the program has had time to place it.
window() {
  local id
  for _ in $(seq 300); do
    for id in $(xdotool search --name "$1" 2>/dev/null); do
      if xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q =; then
        sleep 0.5
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  echo "no framed window named $1; window manager said:" >&2
  cat "$work/openbox.log" >&2
  xwininfo -root -tree | grep -v "has no name" >&2
  return 1
}

# "left top width height" of a window's frame, title bar and borders included.
frame() {
  local info extents
  info=$(xwininfo -id "$1")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep = | sed 's/.*= //; s/,//g')
  [ -n "$extents" ] || extents="0 0 0 0"  # not framed: no title bar at all
  read -r l r t b <<<"$extents"
  awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF}
    END {print x - l, y - t, w + l + r, h + t + b}' <<<"$info"
}

centred() {  # window: the frame's centre within a pixel of the screen's
  local x y w h
  read -r x y w h < <(frame "$1")
  echo "     frame ${w}x${h}+${x}+${y}"
  (((2 * x + w - 1280) ** 2 <= 4 && (2 * y + h - 800) ** 2 <= 4))
}

reader() { /usr/bin/python3 "$here/desktop_reader.py"; }
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }

"$app" >/dev/null 2>&1 &
pids+=($!)
main=$(window '^ZorvikQuillet v2.0$')
check "main window centred with its title bar" centred "$main"

xdotool mousemove --window "$main" 60 350
sleep 0.3
cursor=$(/usr/bin/python3 "$here/desktop_cursor.py")
echo "     cursor over the address: $cursor"
check "hand cursor: hot spot (6,0), outlined, transparent around" \
  awk '$3 == "6,0" && $5 > 150 && $5 < 400 && $7 > 40 && $9 > 60 {ok = 1} END {exit !ok}' <<<"$cursor"

names=$(reader)
for name in 案件种类 案件类型 案件标的 法院收费; do
  check "a screen reader hears $name" grep -q "	$name	" <<<"$names"
done

# Empty space below the two types, the strip below the kinds, Ctrl+click on the selected type.
click 150 215
click 150 138
xdotool mousemove --window "$main" 150 155 keydown ctrl click 1 keyup ctrl
sleep 0.3
check "each list still has one entry selected" \
  test "$(reader | awk -F'\t' '$1 == "list" && $3 == 1' | wc -l)" -eq 2

# Amount, then Tab past the fee box to 计算, and Enter.
click 150 262
xdotool type --delay 20 10000
xdotool key Tab Tab Return
sleep 0.5
check "Enter presses the focused 计算" grep -q "	法院收费	50.00$" <<<"$(reader)"

for amount in abc 1e400; do
  click 150 262
  xdotool key ctrl+a
  xdotool type --delay 20 "$amount"
  click 212 336
  box=$(window '^(提示|计算错误)$')
  title=$(xdotool getwindowname "$box")
  read -r _ _ w _ < <(frame "$box")
  check "message box $title is $w px wide, room for its title" test "$w" -ge $((14 * ${#title} + 100))
  xdotool key Return
  sleep 0.3
done

click 300 368
rules=$(window '^收费细则$')
check "fee-rules window centred with its title bar" centred "$rules"
check "a screen reader hears 诉讼费用交纳办法" grep -q "	诉讼费用交纳办法	" <<<"$(reader)"

# What the windows ask of the window manager: both fixed, so neither can be maximised; the rules
# ask for the close function alone (Motif functions: 0x8 minimise, 0x10 maximise, 0x20 close). Openbox draws its
# buttons whatever a window asks and keeps minimise allowed, so the press must bring it back.
for id in "$main" "$rules"; do
  check "$(xdotool getwindowname "$id") cannot be maximised" \
    bash -c "! xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE"
done
read -r mwm_flags mwm_functions _ < <(xprop -id "$rules" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
check "fee-rules window asks for close only (Motif functions $mwm_functions)" \
  test $((mwm_flags & 1 && mwm_functions & 0x20 && !(mwm_functions & 0x18))) -eq 1
hidden() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
xdotool windowminimize "$rules"
for _ in $(seq 50); do hidden "$rules" && break; sleep 0.1; done
check "fee-rules window minimised" hidden "$rules"
click 300 368
for _ in $(seq 50); do hidden "$rules" || break; sleep 0.1; done
check "收费细则 brings the minimised rules back" bash -c "! xprop -id $rules _NET_WM_STATE | grep -q HIDDEN"
check "and in front" test "$(xdotool getactivewindow)" = "$rules"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
for _ in $(seq 50); do xdotool search --name '^ZorvikQuillet v2.0$' >/dev/null || break; sleep 0.1; done

# Twice the scale on an 800-pixel screen: the frame cannot fit, the title bar stays on it.
QT_SCALE_FACTOR=2 "$app" >/dev/null 2>&1 &
pids+=($!)
main=$(window '^ZorvikQuillet v2.0$')
read -r x y w h < <(frame "$main")
echo "     frame at 2x ${w}x${h}+${x}+${y}"
check "at 2x the frame is centred across and as high as it fits, title bar on screen" \
  test "$y" -eq $((h > 800 ? 0 : (800 - h) / 2)) -a $(((2 * x + w - 1280) ** 2)) -le 4

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
