#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes one Windows installer with wixl from the filled-in template, so that the same inputs give
# the same bytes: wixl stamps the package with the clock and a random package code, so it runs
# at the commit's time (faketime) and the package code is then set to one derived from the
# inputs' bytes (Windows Installer tells packages apart by it: different bytes, different code).
# msibuild also sets the package's language, which wixl leaves at 1033.
# Usage: make-msi.sh <velmora.wxs> <x86 | x64> <Velmora.exe> <velmora.ico> <seconds since 1970>
#        <output.msi>
set -euo pipefail
wxs=$1 arch=$2 program=$3 icon=$4 epoch=$5 output=$6

# wixl finds files only relative to where it runs: a folder of their own, dated at the commit
# like everything in the package (the cabinet keeps the files' dates).
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$program" "$stage/Velmora.exe"
cp "$icon" "$stage/velmora.ico"
cp "$wxs" "$stage/velmora.wxs"
touch -d "@$epoch" "$stage"/*

# A name-based UUID (version 5 layout, upper case as Windows writes them) from their SHA-256.
hash=$(cat "$stage/velmora.wxs" "$stage/Velmora.exe" "$stage/velmora.ico" | sha256sum)
variant=$(printf '%x' $((0x${hash:16:1} & 3 | 8)))
package_code=$(printf '{%s-%s-5%s-%s%s-%s}' "${hash:0:8}" "${hash:8:4}" "${hash:13:3}" \
    "$variant" "${hash:17:3}" "${hash:20:12}" | tr a-f A-F)

(cd "$stage" && TZ=UTC faketime -f "$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" \
    wixl --arch "$arch" -D Program=Velmora.exe -D Icon=velmora.ico -o velmora.msi velmora.wxs)

summary=$(msiinfo suminfo "$stage/velmora.msi")
subject=$(sed -n 's/^Subject: //p' <<<"$summary")
author=$(sed -n 's/^Author: //p' <<<"$summary")
platform=$(sed -n 's/^Template: \([^;]*\);.*/\1/p' <<<"$summary")
msibuild "$stage/velmora.msi" -s "$subject" "$author" "$platform;1034" "$package_code"
mv "$stage/velmora.msi" "$output"
