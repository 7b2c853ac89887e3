#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree, checks what it declares and carries, that
# apt would install it, and that the packaged Velmora starts.
# Usage: package_test.sh <build directory>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
build=$1

deb=$(e2e_build_package "$build")

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -Eq 'libqt[56]widgets' <<<"$depends" || fail "no Qt library among the dependencies"

dpkg-deb -x "$deb" "$E2E_TMP/root"
for file in usr/bin/Velmora usr/share/applications/example.velmora.Velmora.desktop \
    usr/share/metainfo/example.velmora.Velmora.metainfo.xml; do
    [ -e "$E2E_TMP/root/$file" ] || fail "the package lacks /$file"
done
# The icon in the desktop's usual sizes, each picture of the size its folder names.
for size in 16 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x$size/apps/example.velmora.Velmora.png
    [ -e "$E2E_TMP/root/$icon" ] || fail "the package lacks /$icon"
    file "$E2E_TMP/root/$icon" | grep -q "PNG image data, $size x $size," ||
        fail "/$icon is not $size x $size: $(file -b "$E2E_TMP/root/$icon")"
done

apt-get install --simulate "$deb" >"$E2E_TMP/apt.log" 2>&1 ||
    fail "apt would not install the package: $(cat "$E2E_TMP/apt.log")"

QT_QPA_PLATFORM=offscreen e2e_start "$E2E_TMP/root/usr/bin/Velmora"
sleep 2
kill -0 "${E2E_PIDS[-1]}" 2>/dev/null ||
    fail "the packaged Velmora did not keep running: $(cat "$E2E_TMP/program.log")"
echo "PASS: the package installs and its Velmora starts"
