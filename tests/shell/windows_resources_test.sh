#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Reads the resources of a Windows program back with icoutils: the version block's strings,
# translation pair and fixed part; icon group 1 holding image 30001, one 48 x 48 image in 24-bit
# colour, and icon group 2 every size from 16 to 64; the pointer, a 32 x 32 two-colour cursor with
# its hot spot at (5, 0), and at 2x 64 x 64 with its hot spot at (10, 0); and the manifest's
# per-monitor density awareness. The Windows builds check their Velmora.exe; the Linux builds,
# which make no Windows program, link the same resource scripts into a 32-bit probe with MinGW
# and check that.
# Usage: windows_resources_test.sh <source folder> [program.exe]
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
root=$1
exe=${2:-$E2E_TMP/probe.exe}

if [ $# -lt 2 ]; then
    for script in shell/velmora.rc platform/win32/backend.rc; do
        i686-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc \
            --preprocessor-arg=-DRC_INVOKED -I "$root/shell" -I "$root/main_window" \
            -I "$root/platform/win32" "$root/$script" -O coff -o "$E2E_TMP/$(basename "$script").o"
    done
    printf 'int main(void) { return 0; }\n' >"$E2E_TMP/probe.c"
    i686-w64-mingw32-gcc -mwindows "$E2E_TMP/probe.c" "$E2E_TMP"/*.rc.o -o "$exe"
fi

resources=$(wrestool -l "$exe")
echo "$resources"
grep -q -- '--type=3 --name=30001 ' <<<"$resources" || fail "no icon image 30001"
grep -q -- '--type=14 --name=1 ' <<<"$resources" || fail "no icon group 1"
wrestool -x --type=14 --name=1 "$exe" >"$E2E_TMP/group.ico"
icons=$(icotool -l "$E2E_TMP/group.ico")
[ "$icons" = "--icon --index=1 --width=48 --height=48 --bit-depth=24 --palette-size=0" ] ||
    fail "icon group 1 holds: $icons"
wrestool -x --type=14 --name=2 "$exe" >"$E2E_TMP/sizes.ico" || fail "no icon group 2"
sizes=$(icotool -l "$E2E_TMP/sizes.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\1 --bit-depth=24 .*/\1/p')
[ "$(paste -sd ' ' <<<"$sizes")" = "16 24 32 48 64" ] ||
    fail "icon group 2 holds: $(icotool -l "$E2E_TMP/sizes.ico")"

# The pointers, read raw: wrestool's rebuilt .cur file counts the hot spot in the image's size,
# which icotool then refuses. Each group's one entry: its width, twice that high (image and mask),
# one plane, one bit per pixel, then the image's size and identifier; the image starts with its
# hot spot. Per group (platform/win32/resourceids.h): width and height in hex (little-endian
# words), and the hot spot as two little-endian words.
raw() { wrestool -x --raw "$@" "$exe" | od -An -v -tx1 | tr -d ' \n'; }
[ "$(grep -c 'type=group_cursor' <<<"$resources")" -eq 2 ] || fail "not exactly two cursor groups"
for pointer in 201:2000:4000:05000000 203:4000:8000:0a000000; do
    IFS=: read -r name width height hotspot <<<"$pointer"
    group=$(raw --type=12 --name="$name")
    [[ $group =~ ^000002000100${width}${height}01000100[0-9a-f]{8}([0-9a-f]{2})([0-9a-f]{2})$ ]] ||
        fail "cursor group $name is not one two-colour image of $width (hex): $group"
    cursor=$(raw --type=1 --name=$((16#${BASH_REMATCH[2]}${BASH_REMATCH[1]})))
    [[ $cursor =~ ^([0-9a-f]{8})28000000${width}0000${height}000001000100 ]] ||
        fail "the image of cursor group $name is not the group's size in two colours"
    [ "${BASH_REMATCH[1]}" = "$hotspot" ] ||
        fail "the hot spot of cursor group $name is not $hotspot: ${BASH_REMATCH[1]}"
done

# The manifest asks for the windows to be laid out at each monitor's density (Wine 8 lays them
# out at the user's density either way, so this is the only place to see it).
wrestool -x --raw --type=24 --name=1 "$exe" | grep -q '<dpiAwareness[^>]*>PerMonitorV2' ||
    fail "the manifest does not declare per-monitor (v2) density awareness"

# The strings of the version block: each key's line is followed by its value's.
wrestool -x --type=16 --name=1 --raw "$exe" >"$E2E_TMP/version.bin"
strings=$(iconv -c -f UTF-16LE -t UTF-8 <"$E2E_TMP/version.bin" | tr '\0' '\n' | grep -v '^$')
define() { sed -n "s/^#define $1 \"\\(.*\\)\"$/\\1/p" "$root/shell/identity.h"; }
web=$(define VELMORA_WEB_ADDRESS)
rights="© $(define VELMORA_YEAR) Todos los derechos reservados."
grep -qx '.*0C0A04B0' <<<"$strings" || fail "no string table 0C0A04B0"
while IFS='=' read -r key value; do
    awk -v key="$key" -v value="$value" 'found && $0 == value {ok = 1} {found = $0 ~ key "$"}
        END {exit !ok}' <<<"$strings" || fail "version block: $key is not \"$value\""
done <<EOT
Comments=Calcula el número del DNI
OriginalFilename=Velmora.exe
FileVersion=1.00
CompanyName=$web
LegalCopyright=$rights
EOT

# Fixed part: signature, structure 1.0, file and product version 1.0.0.0, mask 0x3F, no flags,
# 32-bit Windows, an application. Then the translation pair: Spanish (Spain), Unicode.
hex=$(od -An -v -tx1 "$E2E_TMP/version.bin" | tr -d ' \n')
fixed=bd04effe00000100000001000000000000000100000000003f000000000000000400000001000000
grep -q "$fixed" <<<"$hex" || fail "the fixed part is not the expected one"
grep -q "$(printf 'Translation' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')0000.*0a0cb004" \
    <<<"$hex" || fail "the translation pair is not 0x0C0A, 0x04B0"
echo "PASS: the Windows resources"
