#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build under Wine, read through MSAA by tests/support/accessibletree as a
# screen reader reads it from another process: the fields by their Spanish names, the buttons'
# tool tips as descriptions, the texts after typing, the credits' texts on their picture box,
# and the confirmation box's title and text. Wine's oleacc has no objects of its own for
# buttons and static texts: it calls them "client", where Windows says push button and static
# text.
# Usage: wine_accessibility_e2e.sh <Velmora.exe> <accessibletree.exe> <Wine prefix template>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
velmora=$1 accessibletree=$2

e2e_start_display
e2e_start_window_manager
wine_start_prefix "$3" "$velmora"
wine_start "$velmora"
main_title="Calculadora de letra DNI o NIF    .:Velmora:."
main=$(e2e_wait_window "$main_title" 60) ||
    fail "the main window did not appear; windows: $(e2e_visible_titles)"

# Text1 is at 248,72 in the client area; Command1 at 280,112; Command2 at 408,168.
click() { xdotool windowactivate --sync "$main" mousemove --window "$main" "$1" "$2" click 1; }
# The probe's lines for one window: its title line and its children's.
window_lines() {
    "$WINELOADER" "$accessibletree" 2>"$E2E_TMP/probe.log" |
        awk -v title="window|$1" '/^window\|/ {inside = ($0 == title)} inside'
}
# expect_window <what> <title> <line>...: the window's lines are exactly these.
expect_window() {
    local what=$1 title=$2 actual expected
    shift 2
    actual=$(window_lines "$title")
    expected=$(printf '%s\n' "window|$title" "$@")
    [ "$actual" = "$expected" ] ||
        fail "$what:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"$'\n'"$(cat "$E2E_TMP/probe.log")"
    echo "ok: $what"
}

click 300 81
xdotool type --delay 50 12345678
# role|name|description|value, in z-order, which is the tab order.
expect_window "the fields and buttons by name, tool tip and value" "$main_title" \
    "  text|Número|Introduzca el número del DNI|12345678" \
    "  text|Letra Z||Z" \
    "  text|DNI completo||12345678Z" \
    "  client|Copiar resultado|Copia el resultado completo al portapapeles, para pegar use CTRL+V|" \
    "  client|Autor|Créditos del autor|"

click 428 180
credits_title=$(printf 'Créditos%21svelmora.example 2026©' '')
e2e_wait_window "$credits_title" >/dev/null || fail "no credits window after Autor"
credits=$(printf '%s%66s%s%18s%s' "Creado por: Equipo de código Velmora" '' \
    "© 2026 Todos los derechos reservados." '' "velmora.example")
expect_window "the credits' texts on the picture box that holds them" "$credits_title" \
    "  client|||" \
    "    client|.: Velmora :./$credits||"

click 328 124
box=$(e2e_wait_window "Se ha copiado al portapapeles!!") || fail "no confirmation box after the copy"
actual=$(window_lines "Se ha copiado al portapapeles!!")
grep -Fxq "  client|El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL+V||" \
    <<<"$actual" || fail "the confirmation box's text is not read:"$'\n'"$actual"
echo "ok: the confirmation box's title and text"
xdotool windowactivate --sync "$box" key Return
echo "PASS: the Windows build's controls read through MSAA"
