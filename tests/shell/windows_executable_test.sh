#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows executable as Windows will load it, without running it (so also where the 32-bit
# one cannot run): the architecture of its build, a windowed program that opens no console,
# imports from system libraries only, so that the one file runs on a bare Windows 7 to 11, and a
# file of at most 500 KB (as Explorer counts them, 1024 bytes each), its pictures carried
# compressed. Its header asks for the system's exploit mitigations (addresses drawn at random,
# high-entropy ones in 64 bits, and no code run from data), and, so that two builds of one commit
# give the same bytes, carries no link time, and the file names no folder of the build.
# Usage: windows_executable_test.sh <program.exe> <pei-i386 | pei-x86-64> <source folder>
#        <build folder>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
exe=$1
format=$2

# Libraries in System32 of every Windows since 7, and what the program takes from each: processes
# and memory; windows, messages, the clipboard, the beep and the message box; drawing and fonts;
# tool tips; and msvcrt, the C runtime MinGW builds against, a system component since Windows
# 2000. No COM imported: the background is decoded by the program's own decoder, not the system's
# codecs; and oleacc.dll and ole32.dll, for screen readers, are loaded only once one runs or asks.
# Anything else (MinGW's own libgcc or libstdc++, or a library for a feature nobody asked for)
# would have to ship beside the executable or be missed.
allowed='kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll'

headers=$(objdump -p "$exe") || fail "objdump cannot read $exe"
grep -q "file format $format\$" <<<"$headers" ||
    fail "not a $format executable: $(grep -m1 'file format' <<<"$headers")"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" ||
    fail "not a windowed program: $(grep -m1 '^Subsystem' <<<"$headers")"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
[ -n "$imports" ] || fail "no imports found"
for dll in $imports; do
    grep -qw -- "$dll" <<<"$allowed" || fail "imports $dll, which is not a system library we allow"
done
mitigations="DYNAMIC_BASE NX_COMPAT"
[ "$format" = pei-x86-64 ] && mitigations+=" HIGH_ENTROPY_VA"
for flag in $mitigations; do
    sed -n '/^DllCharacteristics/,/^SizeOf/p' <<<"$headers" | grep -qw "$flag" ||
        fail "the header does not ask for $flag"
done
grep -Eq '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970$' <<<"$headers" ||
    fail "the header carries a link time: $(grep -m1 '^Time/Date' <<<"$headers")"
for folder in "$3" "$4"; do
    if grep -aqF "$folder" "$exe"; then
        fail "the executable names the folder $folder"
    fi
done
size=$(stat -c %s "$exe")
[ "$size" -le $((500 * 1024)) ] || fail "$exe is $size bytes, more than 500 KB"
echo "PASS: $format, windowed, $mitigations, no link time, $size bytes," \
    "imports $(paste -sd ' ' <<<"$imports")"
