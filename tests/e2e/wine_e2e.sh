#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build under Wine, on its own Xvfb display with openbox: refused keys ring the bell
# and accepted ones do not; the copy puts the full identifier on the system clipboard and says
# so, or says it failed while another program holds the clipboard open, and waits out a hold of a
# moment; "Autor" opens the credits, which scroll; the process outlives the main window while the
# credits are open; and "Autor" shows its tool tip. With no screen reader, oleacc is never loaded.
# Usage: wine_e2e.sh <Velmora.exe> <holdclipboard.exe> <bellcount> <Wine prefix template>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
velmora=$1 holdclipboard=$2 bellcount=$3

e2e_start_display
e2e_start_window_manager
e2e_start_bell_counter "$bellcount"
wine_start_prefix "$4" "$velmora"
# Which libraries it loads, and what it gives the annotation service for screen readers.
WINEDEBUG=-all,+loaddll,fixme+oleacc wine_start "$velmora"
# The first program of a fresh prefix waits for Wine's own services to start.
main_title="Calculadora de letra DNI o NIF    .:Velmora:."
main=$(e2e_wait_window "$main_title" 60) ||
    fail "the main window did not appear; windows: $(e2e_visible_titles)"
success="Se ha copiado al portapapeles!!"
failure="No se ha podido copiar"

# Text1 is at 248,72, 129 x 19 in the client area; Command1 at 280,112, 97 x 25; Command2 at
# 408,168, 41 x 25.
click() { xdotool windowactivate --sync "$main" mousemove --window "$main" "$1" "$2" click 1; }
visible() { xdotool search --onlyvisible --name "$(e2e_title_pattern "$1")" 2>/dev/null | wc -l; }

click 300 81
xdotool type --delay 50 1234
e2e_expect_bells 0 "digits"
xdotool key x
e2e_expect_bells 1 "a letter"
xdotool type --delay 50 5678
xdotool key slash Q
e2e_expect_bells 2 "a slash and a capital letter"

# After a copy: expects the first box and never the second, and closes it with Enter.
expect_box() {
    local box
    box=$(e2e_wait_window "$1") || fail "no box \"$1\" after the copy; windows: $(e2e_visible_titles)"
    [ "$(visible "$2")" -eq 0 ] || fail "the box \"$2\" showed as well"
    xdotool windowactivate --sync "$box" key Return
    e2e_wait_window_gone "$1" || fail "Enter did not close the box \"$1\""
}

click 328 124
expect_box "$success" "$failure"
copied=$(timeout 5 xclip -selection clipboard -o 2>&1) || fail "xclip could not read: $copied"
[ "$copied" = "12345678Z" ] || fail "the clipboard holds '$copied', expected '12345678Z'"
echo "ok: the copy put 12345678Z on the clipboard"

# Another program holds the clipboard open for the given milliseconds from now.
hold_clipboard() {
    "$WINELOADER" "$holdclipboard" "$1" >"$E2E_TMP/hold" 2>&1 &
    holder=$!
    E2E_PIDS+=("$holder")
    for i in $(seq 500); do
        grep -q holding "$E2E_TMP/hold" && return 0
        sleep 0.01
    done
    fail "holdclipboard: $(cat "$E2E_TMP/hold")"
}

# Held for longer than the copy waits for it: the copy fails, and says so.
hold_clipboard 3000
click 328 124
expect_box "$failure" "$success"
echo "ok: a copy while another program holds the clipboard says it failed"
# Held for a moment, as clipboard managers do: the copy waits for it and succeeds. The pointer
# is on the button first, so that the click follows the hold at once.
wait "$holder"
xdotool windowactivate --sync "$main" mousemove --window "$main" 328 124
hold_clipboard 150
xdotool click 1
expect_box "$success" "$failure"
echo "ok: a copy waits for a clipboard held for a moment"

credits_title=$(printf 'Créditos%21svelmora.example 2026©' '')
click 428 180
credits=$(e2e_wait_window "$credits_title") || fail "no credits window after Autor"
sleep 0.5
first=$(xwd -silent -id "$credits" | md5sum)
sleep 0.5
[ "$(xwd -silent -id "$credits" | md5sum)" != "$first" ] || fail "the credits do not scroll"
echo "ok: the credits scroll"
# No screen reader runs and nothing asked for an accessible object: the letter changed and the
# credits showed without loading oleacc or annotating anything (Wine's own libraries load ole32).
! grep -iE 'oleacc\.dll|SetHwndProp' "$E2E_TMP/program.log" ||
    fail "oleacc loaded or live regions annotated with no screen reader"
echo "ok: no screen reader, no oleacc and no annotation"

xdotool windowactivate --sync "$main" key alt+F4
e2e_wait_window_gone "$main_title" || fail "Alt+F4 did not close the main window"
sleep 0.5
kill -0 "$WINE_PID" 2>/dev/null || fail "the process ended while the credits window was open"
xdotool windowactivate --sync "$credits" key alt+F4
e2e_expect_exit "$WINE_PID"

# The tool tips, made when the pointer first comes over the window: resting on "Autor" shows
# its text, as Wine's trace of the tool tip control tells.
WINEDEBUG=+tooltips wine_start "$velmora"
main=$(e2e_wait_window "$main_title" 30) || fail "the main window did not come back"
xdotool windowactivate --sync "$main"
for x in 300 350 400 415 420 425 428; do
    xdotool mousemove --window "$main" "$x" 178
    sleep 0.1
done
e2e_poll grep -q 'Show tooltip 0, L"Cr\\00e9ditos del autor"' "$E2E_TMP/program.log" ||
    fail "no tool tip over Autor"
echo "ok: resting on Autor shows its tool tip"
echo "PASS: the Windows build under Wine"
