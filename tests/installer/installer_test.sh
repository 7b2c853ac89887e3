#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer read back with msitools, as Windows Installer will read it: Velmora's upgrade code
# (changing it would leave every installed copy behind at the next version), Spanish (1034), per
# machine, into the architecture's Program Files, with the icon for "Apps and features", carrying
# the build's own Velmora.exe. Its name, publisher and version are read from the uninstall entry
# once installed (e2e_wine_installer).
# Usage: installer_test.sh <Velmora-*.msi> <x86 | x64> <Velmora.exe>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
msi=$1 arch=$2 exe=$3

table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
properties=$(table Property)
property() { awk -F '\t' -v name="$1" '$1 == name {print $2}' <<<"$properties"; }

program_files=ProgramFiles64Folder
[ "$arch" = x64 ] || program_files=ProgramFilesFolder
while IFS='|' read -r name expected; do
    [ "$(property "$name")" = "$expected" ] ||
        fail "property $name is \"$(property "$name")\", expected \"$expected\""
done <<EOT
UpgradeCode|{8F5D822C-3729-45D3-A0D3-A84C356909A6}
ProductLanguage|1034
ALLUSERS|1
ARPPRODUCTICON|velmora.ico
EOT
echo "ok: upgrade code, language and per-machine scope"

summary=$(msiinfo suminfo "$msi")
grep -Eq "^Template: $([ "$arch" = x64 ] && echo x64 || echo Intel);1034\$" <<<"$summary" ||
    fail "the package is not for $arch in Spanish: $(grep '^Template' <<<"$summary")"
table Directory | grep -Pq "^INSTALLDIR\t$program_files\t" ||
    fail "not installed under $program_files: $(table Directory)"
table Icon | grep -q '^velmora.ico' || fail "no icon velmora.ico for the uninstall entry"
echo "ok: $arch in Spanish, into $program_files, with its icon"

msiextract -C "$E2E_TMP/files" "$msi" >/dev/null
cmp "$exe" "$(find "$E2E_TMP/files" -name Velmora.exe)" ||
    fail "the installer does not carry this build's Velmora.exe"
echo "PASS: the $arch installer reads back as Velmora's, carrying this build's executable"
