# SPDX-License-Identifier: MIT
# Debian's Emscripten toolchain, plus the host's packages of the header-only libraries the core
# uses (libfast-float-dev, libfmt-dev), which live outside the Emscripten sysroot.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
list(APPEND CMAKE_PREFIX_PATH ${CMAKE_CURRENT_LIST_DIR}/cross-packages /usr/lib/cmake)
