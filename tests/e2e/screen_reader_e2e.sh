#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a blind user hears of the real program from Orca, Debian's screen reader, on a display,
# D-Bus session and accessibility bus of the test's own, its speech written to a file: the
# letter after each change of the number (once, and nothing when it stays the same), each field
# read whole when Tab reaches it, the confirmation box, and the credits' texts, once, when they
# open. Exits with 77 (skipped), saying why, where Orca cannot run.
# Usage: screen_reader_e2e.sh <path to Velmora>
set -euo pipefail
here=$(dirname "$0")
source "$here/../../scripts/lib/xvfb.sh"
source "$here/../../scripts/lib/screenreader.sh"
velmora=$1

missing=$(e2e_screen_reader_missing)
if [ -n "$missing" ]; then
    echo "SKIP: no screen reader to listen to: $missing"
    exit 77
fi

# expect_said <what> <line> <pattern>...: lines said since <line> match, in this order.
expect_said() {
    local what=$1 since=$2
    shift 2
    e2e_wait_said "$since" "$@" ||
        fail "$what: nothing said matched /$*/ in that order; said:"$'\n'"$(e2e_said_since "$since")"
}

# press <key> <pattern>...: presses the key and waits for Orca to say these, in this order,
# before the next key can cut it short.
press() {
    local key=$1 since
    shift
    since=$(e2e_said_lines)
    xdotool key "$key"
    expect_said "after the key $key" "$since" "$@"
}

e2e_start_display
e2e_start_window_manager
main_title="Calculadora de letra DNI o NIF    .:Velmora:."
e2e_start_accessible "$velmora" "$main_title"
main=$E2E_WINDOW
e2e_start_speech_log "$E2E_TMP/speech.log"
e2e_start_orca
xdotool windowactivate --sync "$main"
expect_said "the window, then the number field that has the focus" 0 \
    "^Calculadora de letra DNI o NIF" '^Número texto\.$' '^Introduzca el número del DNI\.$'
echo "ok: the window's title, the number field's name and tool tip"

# 25 has the letter of 2; Backspace back to 2, then to nothing, keeps it. Orca echoes each key,
# and the next letter said shows that nothing was said in between.
start=$(e2e_said_lines)
press 2 '^Letra W\.?$'
press 5 '^5'
press BackSpace '^retroceso'
press BackSpace '^retroceso'
for pair in 1:R 2:N 3:P 4:S 5:V 6:S 7:L 8:Z; do
    press "${pair%:*}" "^Letra ${pair#*:}\\.?$"
done
heard=$(e2e_said_since "$start" | grep -E '^Letra' | sed 's/\.$//' | paste -sd ' ')
expected="Letra W Letra R Letra N Letra P Letra S Letra V Letra S Letra L Letra Z"
[ "$heard" = "$expected" ] ||
    fail "the letters said: \"$heard\", not \"$expected\"; said:"$'\n'"$(e2e_said_since "$start")"
echo "ok: the letter, said after each change that brings a new one, once, wherever the focus is"

# Each field's whole text follows its name: Qt's own interface made Orca drop the last character.
press Tab '^Letra sólo lectura texto\.$' '^Z( seleccionado\.)?$'
press Tab '^DNI completo texto\.$' '^12345678Z seleccionado\.$'
press Tab '^Copiar resultado botón de pulsación\.$' \
    '^Copia el resultado completo al portapapeles, para pegar use CTRL\+V\.$'
press Tab '^Autor botón de pulsación\.$' '^Créditos del autor\.$'
press Tab '^Número texto\.$' '^12345678 seleccionado\.$'
echo "ok: Tab reads each field whole and each button by caption and tool tip"

press shift+Tab '^Autor botón'
press shift+Tab '^Copiar resultado botón'
press space '^alerta Se ha copiado al portapapeles!!$' \
    '^El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL\+V\.$' \
    '^Aceptar botón de pulsación\.$'
echo "ok: the confirmation box, as an alert with its title, text and button"

press Return "^Calculadora de letra DNI o NIF" '^Copiar resultado botón'
press Tab '^Autor botón'
start=$(e2e_said_lines)
press space '^Créditos +velmora\.example 20[0-9][0-9]© diálogo \.: Velmora :\.$' \
    '^ *Creado por: Equipo de código Velmora +© 20[0-9][0-9] Todos los derechos reservados\.$' \
    '^ *velmora\.example\.$'
# Back in the main window: Orca says its title again, and by then anything it had left to say
# of the credits.
press alt+F4 "^Calculadora de letra DNI o NIF"
credits=$(e2e_said_since "$start" | grep -c 'Creado por' || true)
[ "$credits" -eq 1 ] ||
    fail "the credits were said $credits times, not once:"$'\n'"$(e2e_said_since "$start")"
echo "ok: the credits' title and texts, said once when they open"
echo "PASS: Orca says the letter, every field whole, the box and the credits"
