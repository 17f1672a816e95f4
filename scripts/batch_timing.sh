#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times courtfee --batch over a million generated lines, five runs, and prints the median CPU time.
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$lines" 'BEGIN {
  split("1、财产案件 2、破产案件 1、离婚案件 2、知识产权案件 1、执行案件 1、申请诉讼保全措施案件 5.申请共同海损理算 1、支付令、公示催告案件", t, " ")
  srand(7)
  for (i = 0; i < n; i++) printf "%s\t%d.%02d\n", t[1 + int(rand() * 8)], int(rand() * 50000000), int(rand() * 100)
}' > "$input"
times=()
for _ in 1 2 3 4 5; do
  t=$( { TIMEFORMAT='%U %S'; time build/bin/courtfee --batch < "$input" > /dev/null; } 2>&1 | awk '{print $1 + $2}')
  times+=("$t")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "courtfee --batch: $lines lines, median CPU ${median} s, $(awk -v n="$lines" -v t="$median" 'BEGIN{printf "%.2f", n / t / 1e6}') million lines per second"
