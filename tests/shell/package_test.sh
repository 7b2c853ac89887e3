#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree, checks what it declares and carries, that
# apt would install it, that its command is velmora, that the packaged Velmora is hardened as Debian's own packages are
# (hardening-check, when the build has VELMORA_HARDENING on), and that it starts.
# Usage: package_test.sh <build directory>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
build=$1

deb=$(e2e_build_package "$build")

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -Eq 'libqt[56]widgets' <<<"$depends" || fail "no Qt library among the dependencies"

dpkg-deb -x "$deb" "$E2E_TMP/root"
for file in usr/share/applications/example.velmora.Velmora.desktop \
    usr/share/metainfo/example.velmora.Velmora.metainfo.xml; do
    [ -e "$E2E_TMP/root/$file" ] || fail "the package lacks /$file"
done
# The command is lower case, as Debian's are: the desktop entry starts it, its manual page is
# velmora(1).
commands=$(ls "$E2E_TMP/root/usr/bin")
[ "$commands" = velmora ] || fail "the package's commands are '$commands', not velmora"
grep -qx 'Exec=velmora' "$E2E_TMP/root/usr/share/applications/example.velmora.Velmora.desktop" ||
    fail "the desktop entry does not start velmora"
[ -e "$E2E_TMP/root/usr/share/man/man1/velmora.1.gz" ] || fail "the package lacks velmora(1)"
# The icon in the desktop's usual sizes, each picture of the size its folder names.
for size in 16 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x$size/apps/example.velmora.Velmora.png
    [ -e "$E2E_TMP/root/$icon" ] || fail "the package lacks /$icon"
    file "$E2E_TMP/root/$icon" | grep -q "PNG image data, $size x $size," ||
        fail "/$icon is not $size x $size: $(file -b "$E2E_TMP/root/$icon")"
done

# Position independence, stack protector, fortified functions, read-only relocations, immediate
# binding and control-flow protection. The last is marked on the program only where the C
# library's start files are built for it too, which Debian 12's are not (its own programs show
# "no" as well): there, the program's code is checked for it instead, each function an indirect
# call may reach starting with ENDBR64 (a few come from the compiler's own start files anyway).
velmora=$E2E_TMP/root/usr/bin/velmora
if grep -q '^VELMORA_HARDENING:BOOL=ON$' "$build/CMakeCache.txt"; then
    options=()
    if ! readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK'; then
        options=(--nocfprotection)
        branch_targets=$(objdump -d --no-show-raw-insn "$velmora" | grep -c endbr64 || true)
        [ "$branch_targets" -ge 100 ] ||
            fail "not built with control-flow protection: $branch_targets ENDBR64 instructions"
    fi
    hardening-check "${options[@]}" "$velmora" >"$E2E_TMP/hardening.log" 2>&1 ||
        fail "hardening-check: $(cat "$E2E_TMP/hardening.log")"
    cat "$E2E_TMP/hardening.log"
fi

apt-get install --simulate "$deb" >"$E2E_TMP/apt.log" 2>&1 ||
    fail "apt would not install the package: $(cat "$E2E_TMP/apt.log")"

QT_QPA_PLATFORM=offscreen e2e_start "$velmora"
sleep 2
kill -0 "${E2E_PIDS[-1]}" 2>/dev/null ||
    fail "the packaged Velmora did not keep running: $(cat "$E2E_TMP/program.log")"
echo "PASS: the package installs and its Velmora starts"
