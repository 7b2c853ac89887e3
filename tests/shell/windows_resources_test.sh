#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Links shell/velmora.rc into a 32-bit Windows program with MinGW and reads the resources back
# with icoutils: the version block's strings, translation pair and fixed part, and icon group 1
# holding image 30001, one 48 x 48 image in 24-bit colour.
# Usage: windows_resources_test.sh <shell source folder>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
shell=$1
exe=$E2E_TMP/probe.exe

i686-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc \
    --preprocessor-arg=-DRC_INVOKED -I "$shell" "$shell/velmora.rc" -O coff -o "$E2E_TMP/res.o"
printf 'int main(void) { return 0; }\n' >"$E2E_TMP/probe.c"
i686-w64-mingw32-gcc -mwindows "$E2E_TMP/probe.c" "$E2E_TMP/res.o" -o "$exe"

resources=$(wrestool -l "$exe")
echo "$resources"
[ "$(grep -c 'type=icon ' <<<"$resources")" -eq 1 ] || fail "not exactly one icon image"
grep -q -- '--type=3 --name=30001 ' <<<"$resources" || fail "no icon image 30001"
grep -q -- '--type=14 --name=1 ' <<<"$resources" || fail "no icon group 1"
wrestool -x --type=14 --name=1 "$exe" >"$E2E_TMP/group.ico"
icons=$(icotool -l "$E2E_TMP/group.ico")
[ "$icons" = "--icon --index=1 --width=48 --height=48 --bit-depth=24 --palette-size=0" ] ||
    fail "icon group 1 holds: $icons"

# The strings of the version block: each key's line is followed by its value's.
wrestool -x --type=16 --name=1 --raw "$exe" >"$E2E_TMP/version.bin"
strings=$(iconv -c -f UTF-16LE -t UTF-8 <"$E2E_TMP/version.bin" | tr '\0' '\n' | grep -v '^$')
define() { sed -n "s/^#define $1 \"\\(.*\\)\"$/\\1/p" "$shell/identity.h"; }
web=$(define VELMORA_WEB_ADDRESS)
rights="© $(define VELMORA_YEAR) Todos los derechos reservados."
grep -qx '.*0C0A04B0' <<<"$strings" || fail "no string table 0C0A04B0"
while IFS='=' read -r key value; do
    awk -v key="$key" -v value="$value" 'found && $0 == value {ok = 1} {found = $0 ~ key "$"}
        END {exit !ok}' <<<"$strings" || fail "version block: $key is not \"$value\""
done <<EOT
Comments=Calcula el número del DNI
FileDescription=Calcula la letra del DNI
ProductName=Velmora
InternalName=Velmora
OriginalFilename=Velmora.exe
FileVersion=1.00
ProductVersion=1.00
CompanyName=$web
LegalTrademarks=$web
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
