#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Keys and pastes that must not get past the number field's filter, sent through a real X
# server and window manager; each case is judged by what a copy puts on the system clipboard,
# or keeps on it when the field holds no DNI.
# Usage: keys_and_paste_e2e.sh <path to Velmora> <path to bellcount>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
velmora=$1
bellcount=$2

e2e_start_display
e2e_start_window_manager
e2e_start "$velmora"
main=$(e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:.") ||
    fail "the main window did not appear; log: $(cat "$E2E_TMP/program.log")"

clear_number_field() {
    xdotool windowactivate --sync "$main"
    # Text1 is at 248,72, 129 x 19 in the client area.
    xdotool mousemove --window "$main" 300 81 click 1
    xdotool key End shift+Home BackSpace
}

# Offers a text on a selection until the test ends; xclip serves it from the foreground.
offer() {
    printf "$2" | xclip -quiet -selection "$1" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.2
}

copied_identifier() {
    # Command1 is at 280,112, 97 x 25.
    xdotool mousemove --window "$main" 328 124 click 1
    local box
    box=$(e2e_wait_window "Se ha copiado al portapapeles!!") || fail "no confirmation box"
    xdotool windowactivate --sync "$box" key Return
    while xdotool search --onlyvisible --name "^Se ha copiado" >/dev/null 2>&1; do
        sleep 0.05
    done
    timeout 5 xclip -selection clipboard -o
}

expect() {
    local what=$1 expected=$2 actual
    actual=$(copied_identifier | od -An -c | tr -s ' ')
    expected=$(printf '%s' "$expected" | od -An -c | tr -s ' ')
    [ "$actual" = "$expected" ] || fail "$what: the copy holds '$actual', expected '$expected'"
    echo "ok: $what"
}

clear_number_field
xdotool key ctrl+KP_Subtract 4 6
expect "Ctrl+keypad minus is refused" 46T

clear_number_field
e2e_start_bell_counter "$bellcount"
# A refused key beeps, which the X server rings; the digit after it rings nothing.
xdotool key x
e2e_expect_bells 1 "a letter"
xdotool key 4
e2e_expect_bells 0 "a digit"
expect "a letter is refused" 4G

clear_number_field
offer clipboard '12\n34'
xdotool key shift+Insert
expect "Shift+Insert pastes the first line only" 12N

clear_number_field
offer primary '56\n78'
xdotool mousemove --window "$main" 300 81 click 2
expect "the middle button pastes the first line only" 56X

# A pasted "+5" shows a letter, but it is no DNI: the copy says so and the clipboard keeps it.
clear_number_field
offer clipboard '+5'
xdotool key shift+Insert
xdotool mousemove --window "$main" 328 124 click 1
box=$(e2e_wait_window "No hay ningún DNI que copiar") || fail "no refusal after copying +5"
xdotool windowactivate --sync "$box" key Return
e2e_wait_window_gone "No hay ningún DNI que copiar" || fail "Enter did not close the refusal"
kept=$(timeout 5 xclip -selection clipboard -o)
[ "$kept" = "+5" ] || fail "after the refusal the clipboard holds '$kept', expected '+5'"
echo "ok: a pasted +5 is not copied"
echo "PASS: keys and pastes"
