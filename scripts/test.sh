#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds from scratch and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

# A comma-decimal locale, so the test that fees ignore the C locale really runs.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true
fi

rm -rf build
cmake --preset default
cmake --build --preset default
ctest --preset default -j "$(nproc)"
