#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds, and opens the calculator window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
cmake --preset default >/dev/null
# Only what runs here: the window and courtfee, not the tests and benchmarks.
cmake --build --preset default --target zorvikquillet courtfee
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here, so no window; the same calculation on the command line: build/bin/courtfee 1、财产案件 10000 → $(build/bin/courtfee 1、财产案件 10000)"
  exit 0
fi
exec build/bin/zorvikquillet
