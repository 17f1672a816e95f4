#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds, and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
echo "courtfee 1、财产案件 10000 →"
build/bin/courtfee 1、财产案件 10000
build/bin/courtfee --list
