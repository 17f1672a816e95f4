#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks what it declares, unpacks it into an empty root and runs the
# courtfee it installed.
set -euo pipefail
build=$1
cd "$build"
rm -f zorvikquillet_*.deb
cpack -G DEB >/dev/null
deb=$(ls zorvikquillet_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 libstdc++6 fonts-wqy-zenhei qt6-translations-l10n; do
  grep -q "$wanted" <<<"$depends" || { echo "Depends lacks $wanted: $depends"; exit 1; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for path in usr/bin/courtfee usr/bin/zorvikquillet usr/share/applications/zorvikquillet.desktop \
            usr/share/icons/hicolor/32x32/apps/zorvikquillet.png; do
  [ -e "$root/$path" ] || { echo "not in the package: $path"; exit 1; }
done
ls "$root"/usr/share/man/man1/courtfee.1* >/dev/null || { echo "no manual page"; exit 1; }
fee=$("$root/usr/bin/courtfee" 1、财产案件 10000)
[ "$fee" = "50.00" ] || { echo "installed courtfee printed '$fee'"; exit 1; }
echo "package ok: $deb"
