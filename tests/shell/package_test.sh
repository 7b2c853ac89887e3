#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree, checks what it declares and carries, that
# apt would install it, and that the packaged Velmora starts.
# Usage: package_test.sh <build directory>
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(ls "$work"/velmora_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -Eq 'libqt[56]widgets' <<<"$depends" || fail "no Qt library among the dependencies"

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/Velmora usr/share/applications/example.velmora.Velmora.desktop \
    usr/share/metainfo/example.velmora.Velmora.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/example.velmora.Velmora.png; do
    [ -e "$work/root/$file" ] || fail "the package lacks /$file"
done

apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt would not install the package: $(cat "$work/apt.log")"

QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/Velmora" >"$work/run.log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the packaged Velmora did not keep running: $(cat "$work/run.log")"
echo "PASS: the package installs and its Velmora starts"
