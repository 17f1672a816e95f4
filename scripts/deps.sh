#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build and the tests need, if any are missing. Sourced by
# run.sh and test.sh; needs root or sudo only when something has to be installed.
set -euo pipefail

ZQ_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  libfast-float-dev libfmt-dev
  clang libc++-dev libc++abi-dev googletest
  qt6-base-dev libgl-dev
  # What the window shows: its font, with a 12-pixel bitmap strike, and Qt's own Chinese texts.
  fonts-wqy-zenhei qt6-translations-l10n
  # The desktop the window test runs on: X server, window manager, buses, input, screenshots.
  xvfb openbox dbus-x11 at-spi2-core python3-pyatspi xdotool x11-utils imagemagick libxfixes3
  locales
  git
  desktop-file-utils
  pandoc dpkg-dev file
)

zq_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

zq_install_missing "${ZQ_PACKAGES[@]}"

# The web page's tools: Emscripten to build it; Node with npm and Chromium to test it. A command
# already on PATH is kept (a Node from elsewhere, say), so apt-get is asked only for what is absent.
zq_install_web_tools() {
  local wanted=(emcc:emscripten node:nodejs "$@") missing=() pair
  for pair in "${wanted[@]}"; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
  done
  [ ${#missing[@]} -eq 0 ] || zq_install_missing "${missing[@]}"
}
