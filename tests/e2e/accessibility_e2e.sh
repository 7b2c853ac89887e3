#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen reader hears of the real program, read from the AT-SPI bus as Orca reads it, on
# a display and a D-Bus session of the test's own: the fields and buttons by their Spanish names
# and tool tips, the letter announced as it changes (the full identifier only when it changes,
# though it is rewritten on every tick), the confirmation box's title and text, and the
# credits' texts.
# Usage: accessibility_e2e.sh <path to Velmora>
set -euo pipefail
here=$(dirname "$0")
source "$here/../../scripts/lib/xvfb.sh"
velmora=$1

# Debian's interpreter, which has the GObject bindings, whatever python3 comes first on PATH.
read_bus() { /usr/bin/python3 "$here/atspi_read.py" "$@"; }

e2e_start_display
main_title="Calculadora de letra DNI o NIF    .:Velmora:."
e2e_start_accessible "$velmora" "$main_title"
main=$E2E_WINDOW

# The tree once the program has registered on the bus and the window is in it.
tree=
for i in $(seq 50); do
    tree=$(read_bus tree Velmora 2>&1) && grep -Fq "|$main_title|" <<<"$tree" && break
    sleep 0.1
done

# expect_lines <what> <text> <line>...: each line is one of the text's, exactly.
expect_lines() {
    local what=$1 text=$2 line
    shift 2
    for line; do
        grep -Fxq -- "$line" <<<"$text" || fail "$what: no line \"$line\" in:"$'\n'"$text"
    done
    echo "ok: $what"
}

# Role|name|description|text, indented by depth below the application.
expect_lines "the window, the fields and the buttons by name and tool tip" "$tree" \
    "  frame|$main_title||" \
    "    text|Número|Introduzca el número del DNI|" \
    "    text|Letra||" \
    "    text|DNI completo||" \
    "    push button|Copiar resultado|Copia el resultado completo al portapapeles, para pegar use CTRL+V|" \
    "    push button|Autor|Créditos del autor|"

read_bus watch Velmora 4 >"$E2E_TMP/events" 2>&1 &
watcher=$!
E2E_PIDS+=("$watcher")
e2e_poll grep -q '^ready$' "$E2E_TMP/events" || fail "the event watcher did not start"
# The program learns of a new listener through the bus, a moment later.
sleep 0.5
xdotool type --delay 30 12345678
wait "$watcher" || fail "the event watcher failed: $(cat "$E2E_TMP/events")"
events=$(cat "$E2E_TMP/events")
expect_lines "the read-only letter field announces each new letter" "$events" \
    "object:text-changed:delete|text|Letra|L" \
    "object:text-changed:insert|text|Letra|Z"
identifier_changes=$(grep -c '^object:text-changed:insert|text|DNI completo|12345678Z$' <<<"$events" || true)
[ "$identifier_changes" -eq 1 ] ||
    fail "the full identifier was announced $identifier_changes times, not once:"$'\n'"$events"
echo "ok: the full identifier is announced once per change, not on every tick"

expect_lines "the fields' texts after typing 12345678" "$(read_bus tree Velmora)" \
    "    text|Número|Introduzca el número del DNI|12345678" \
    "    text|Letra||Z" \
    "    text|DNI completo||12345678Z"

# The copy button, at 280,112 and 97 x 25 in the client area.
xdotool mousemove --window "$main" 328 124 click 1
e2e_wait_window "Se ha copiado al portapapeles!!" >/dev/null ||
    fail "no confirmation box after the copy; windows: $(e2e_visible_titles)"
expect_lines "the confirmation box, an alert with its title and text" "$(read_bus tree Velmora)" \
    "  alert|Se ha copiado al portapapeles!!||" \
    "    label|El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL+V||" \
    "      push button|Aceptar||"
xdotool key Return

# Autor, at 408,168 and 41 x 25.
credits_title=$(printf 'Créditos%21svelmora.example 2026©' '')
e2e_wait_window_gone "Se ha copiado al portapapeles!!" ||
    fail "Enter did not close the confirmation box"
xdotool mousemove --window "$main" 428 180 click 1
e2e_wait_window "$credits_title" >/dev/null || fail "no credits window; windows: $(e2e_visible_titles)"
tree=$(read_bus tree Velmora)
expect_lines "the credits window and its title" "$tree" \
    "  dialog|$credits_title||" \
    "        label|.: Velmora :.||"
grep -Eq '^        label\|Creado por: Equipo de código Velmora +© 2026 Todos los derechos reservados\. +velmora\.example\|\|$' <<<"$tree" ||
    fail "the credits text is not in the tree:"$'\n'"$tree"
echo "PASS: a screen reader hears the names, the letter, the box and the credits"
