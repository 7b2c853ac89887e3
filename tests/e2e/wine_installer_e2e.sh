#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer as an administrator deploys it, under Wine in a fresh 64-bit prefix:
# msiexec installs it silently into Program Files (the 32-bit one into Program Files (x86)), with
# a Start-menu shortcut and an uninstall entry of the right name, publisher and version; the
# installed Velmora.exe starts and shows its window (where this machine runs its architecture);
# and silent removal leaves no file, shortcut or registry key of ours.
# Usage: wine_installer_e2e.sh <Velmora-*.msi> <x86 | x64> <source folder> <64-bit prefix template>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
source "$(dirname "$0")/../../scripts/lib/i386.sh"
msi=$1 arch=$2 root=$3 template=$4

define() { sed -n "s/^#define $1 \"\\(.*\\)\"$/\\1/p" "$root/shell/identity.h"; }
name=$(define VELMORA_PRODUCT_NAME) version=$(define VELMORA_VERSION)
publisher=$(define VELMORA_WEB_ADDRESS)
product_code=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')
[ -n "$product_code" ] || fail "no product code in $msi"
# The registry also names the product by its packed code: each group of the code reversed, the
# last two groups by pairs of digits.
reversed() { local i out=; for ((i = ${#1} - 1; i >= 0; i--)); do out+=${1:i:1}; done; echo "$out"; }
code=${product_code//[\{\}-]/}
packed=$(reversed "${code:0:8}")$(reversed "${code:8:4}")$(reversed "${code:12:4}")
packed+=$(sed 's/\(.\)\(.\)/\2\1/g' <<<"${code:16:16}")

# Windows as users have it: 64 bits, where 32-bit programs go to Program Files (x86) and write
# their part of the registry under WOW6432Node.
export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
# Wine would mirror the shortcut into this machine's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
e2e_start_display
wine_clone_template "$template"
drive=$WINEPREFIX/drive_c
if [ "$arch" = x64 ]; then
    folder="Program Files" uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
else
    folder="Program Files (x86)"
    uninstall='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
fi

"$WINELOADER" msiexec /i "$msi" /qn >"$E2E_TMP/install.log" 2>&1 ||
    fail "msiexec /i failed: $(cat "$E2E_TMP/install.log")"
# msiexec may return before the installer service has finished; it has once the server ends.
"$WINESERVER" -w
[ -f "$drive/$folder/$name/$name.exe" ] || fail "no $folder/$name/$name.exe after installing"
cmp -s "$drive/$folder/$name/$name.exe" <(msiextract -C "$E2E_TMP/extracted" "$msi" >/dev/null &&
    find "$E2E_TMP/extracted" -name "$name.exe" -exec cat {} +) ||
    fail "the installed $name.exe is not the one the installer carries"
echo "ok: installed into C:\\$folder\\$name"

# The shortcut: in the Start menu's Programs of all users, as Windows puts a per-machine one
# (Wine 8 puts it in the installing user's), pointing at the installed program.
shortcut=$(find "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$drive/users" -path '*/Start Menu/Programs/*' -name "$name.lnk" 2>/dev/null | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut $name.lnk"
grep -aq "$folder\\\\$name\\\\$name.exe" "$shortcut" || fail "$shortcut does not start $name.exe"
echo "ok: the Start menu holds $name.lnk"

# The uninstall entry that "Apps and features" lists, its icon kept where Windows Installer keeps
# a product's icons.
entry=$("$WINELOADER" reg query "$uninstall\\$product_code" 2>/dev/null | tr -d '\r') ||
    fail "no uninstall entry $uninstall\\$product_code"
for value in "DisplayName=$name" "DisplayVersion=$version" "Publisher=$publisher"; do
    grep -Eq "^ +${value%%=*} +REG_SZ +${value#*=}\$" <<<"$entry" ||
        fail "uninstall entry: ${value%%=*} is not \"${value#*=}\": $entry"
done
grep -Eq '^ +UninstallString +REG_EXPAND_SZ +MsiExec.exe /X\{' <<<"$entry" ||
    fail "uninstall entry: no UninstallString: $entry"
[ -s "$drive/windows/Installer/$product_code/velmora.ico" ] || fail "no icon kept for the entry"
echo "ok: the uninstall entry names $name $version by $publisher, with its icon"

# The program as the shortcut starts it, where this machine runs its architecture.
if [ "$arch" = x64 ] || { kernel_runs_i386 && [ -x /usr/lib/wine/wine ]; }; then
    wine_start "C:\\$folder\\$name\\$name.exe"
    e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:." 60 >/dev/null ||
        fail "the installed program showed no window; windows: $(e2e_visible_titles)"
    kill "$WINE_PID"
    "$WINESERVER" -k
    echo "ok: the installed program shows its window"
else
    echo "skipped: this machine does not run 32-bit programs, so the installed one is not started"
fi

"$WINELOADER" msiexec /x "$msi" /qn >"$E2E_TMP/remove.log" 2>&1 ||
    fail "msiexec /x failed: $(cat "$E2E_TMP/remove.log")"
# The registry reaches its files when the server ends.
"$WINESERVER" -w
left=$(find "$drive" -iname "*$name*" -o -iname "*${product_code//[\{\}]/}*")
[ -z "$left" ] || fail "left behind after removal: $left"
if grep -i -e "$name" -e "${product_code//[\{\}]/}" -e "$packed" "$WINEPREFIX"/*.reg; then
    fail "the registry still names $name or its product after removal"
fi
echo "PASS: the $arch installer installs and removes silently, leaving nothing behind"
