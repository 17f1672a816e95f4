#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the calculator against a baseline Qt Widgets program that opens one empty window of
# the same size: time from process start to the first paint, and peak resident memory. The two
# run alternately, RUNS times each (default 21), on the offscreen platform and, where Xvfb is
# installed, under Xvfb. Prints the medians and the ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-21}
[ -x build/bin/zorvikquillet ] && [ -x build/bin/baseline_window ] || {
  cmake --preset default >/dev/null &&
    cmake --build --preset default --target zorvikquillet baseline_window >/dev/null
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

measure() {  # program [argument] -> "milliseconds kilobytes"
  local start out
  start=$(date +%s%N)
  out=$(ZQ_FIRST_PAINT_PROBE=1 "$@" 2>&1 >/dev/null | grep first_paint_ns)
  awk -v s="$start" -v o="$out" 'BEGIN {
    split(o, f, /[= ]/); printf "%.2f %d\n", (f[2] - s) / 1e6, f[4] }'
}

run_platform() {
  local label=$1 app_ms=() app_kb=() base_ms=() base_kb=() text_ms=() text_kb=() i
  for ((i = 0; i < runs; i++)); do
    read -r ms kb < <(measure build/bin/zorvikquillet); app_ms+=("$ms"); app_kb+=("$kb")
    read -r ms kb < <(measure build/bin/baseline_window); base_ms+=("$ms"); base_kb+=("$kb")
    read -r ms kb < <(measure build/bin/baseline_window --with-label); text_ms+=("$ms"); text_kb+=("$kb")
  done
  local am ak bm bk tm tk
  am=$(printf '%s\n' "${app_ms[@]}" | median); ak=$(printf '%s\n' "${app_kb[@]}" | median)
  bm=$(printf '%s\n' "${base_ms[@]}" | median); bk=$(printf '%s\n' "${base_kb[@]}" | median)
  tm=$(printf '%s\n' "${text_ms[@]}" | median); tk=$(printf '%s\n' "${text_kb[@]}" | median)
  awk -v l="$label" -v am="$am" -v ak="$ak" -v bm="$bm" -v bk="$bk" -v tm="$tm" -v tk="$tk" -v n="$runs" 'BEGIN {
    printf "%s (medians of %d runs each)\n", l, n
    printf "  first paint: calculator %.1f ms; empty window %.1f ms (ratio %.2f); window with one label %.1f ms (ratio %.2f)\n", am, bm, am / bm, tm, am / tm
    printf "  peak memory: calculator %.1f MiB; empty window %.1f MiB (ratio %.2f); window with one label %.1f MiB (ratio %.2f)\n", ak / 1024, bk / 1024, ak / bk, tk / 1024, ak / tk }'
}

QT_QPA_PLATFORM=offscreen run_platform offscreen
if command -v Xvfb >/dev/null; then
  display=:79
  Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  sleep 1
  DISPLAY=$display QT_QPA_PLATFORM=xcb run_platform xvfb
fi
