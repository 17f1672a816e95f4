#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what is missing, builds from scratch and runs every check: the format check, the test
# suites, the core's and courtfee's suites again built with clang and libc++, clang-tidy, the
# fuzzer for a bounded time, and the test suites again under the address and undefined-behaviour
# sanitizers, courtfee.exe for Windows under Wine, and the web page. FUZZ_SECONDS sets the
# fuzzing time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zq_install_missing clang clang-format clang-tidy libclang-rt-14-dev

step() { printf '\n==== %s\n' "$*"; }

# A comma-decimal locale, so the test that fees ignore the C locale really runs.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true
fi

step "format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

step "build and test"
rm -rf build build-asan build-fuzz build-libcxx
cmake --preset default
cmake --build --preset default
ctest --preset default -j "$(nproc)"

step "build and test the core and courtfee with clang and libc++"
# The second standard library: what WebAssembly toolchains ship. GoogleTest is built from
# /usr/src/googletest in this build, since Debian's library is built for libstdc++.
cmake --preset libcxx
cmake --build --preset libcxx
ctest --preset libcxx -j "$(nproc)"

step "clang-tidy"
# -Wno-restrict is a GCC option that clang does not know.
# Every source of the native build, subfolders too (cli/modes, cli/mcp, ...); the Windows-only
# sources are checked with the Windows build below.
run-clang-tidy -p build -quiet -extra-arg=-Wno-unknown-warning-option "$(pwd)/(runtime|calc|present|cli|ui)/.*\.cpp$" > build/clang-tidy.log 2>&1 || {
  grep -E 'warning:|error:' build/clang-tidy.log | head -50
  exit 1
}

step "fuzz for ${FUZZ_SECONDS:-60} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus
build-fuzz/bin/fee_fuzzer -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -max_len=8192 \
  -print_final_stats=1 build-fuzz/corpus fuzz/corpus 2>&1 | grep -E '^(stat::|Done|==|SUMMARY)' || true
test "${PIPESTATUS[0]}" -eq 0

step "build and test with address and undefined-behaviour sanitizers"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"

step "courtfee.exe and zorvikquillet.exe for Windows: MinGW-w64 build, their tests under Wine"
zq_install_missing g++-mingw-w64-x86-64-posix wine64
# Wine's zh_CN locale is a Windows with code page 936, as in China.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
rm -rf build-windows
cmake --preset windows
cmake --build --preset windows
ctest --preset windows
# clang-tidy over the Windows-only sources, with MinGW-w64's C++ and Windows headers (GCC's own
# intrinsics headers are clang's business, so they are left out).
tidy_args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-Wno-unknown-warning-option)
for dir in $(x86_64-w64-mingw32-g++-posix -xc++ -E -v /dev/null 2>&1 |
             sed -n '/search starts here:/,/End of search list/p' | grep -E '/c\+\+|mingw32/include$'); do
  tidy_args+=("--extra-arg=-isystem$(realpath "$dir")")
done
clang-tidy -quiet -p build-windows "${tidy_args[@]}" cli/windows/*.cpp win/*.cpp \
  tests/windows/*.cpp > build-windows/clang-tidy.log 2>&1 || {
  grep -E 'warning:|error:' build-windows/clang-tidy.log | head -50
  exit 1
}

step "web page: WebAssembly build, parity with courtfee --batch, browser tests"
zq_install_web_tools npm:npm chromium:chromium
# The other two engines the phone layout is checked in: Firefox ESR and WebKit (with Xvfb, which
# the desktop test already installs, for WebKit's window).
zq_install_missing firefox-esr webkit2gtk-driver
rm -rf build-web
cmake --preset web >/dev/null
cmake --build --preset web
(
  cd web
  npm ci --no-audit --no-fund
  node tests/parity.mjs --courtfee ../build/bin/courtfee
  node --test tests/
)
