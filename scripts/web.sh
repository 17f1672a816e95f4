#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds the core into WebAssembly and writes the calculator's web site
# into build-web/site/, then opens the page when there is a display. The folder is the whole
# site: open its index.html from disk, or serve it from any static server.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zq_install_web_tools
cmake --preset web >/dev/null
cmake --build --preset web
page="$(pwd)/build-web/site/index.html"
echo "The site is in build-web/site/; the page: file://$page"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  if command -v xdg-open >/dev/null; then
    xdg-open "$page" >/dev/null 2>&1 &
  elif command -v chromium >/dev/null; then
    chromium "$page" >/dev/null 2>&1 &
  fi
fi
