#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The credits with the keyboard alone, under a real window manager (openbox): Shift+Tab from the
# number field to "Autor" and Space open them centred and with the focus, so that Alt+F4 closes them and
# leaves the main window; "Autor" pressed again while they are open behind the main window brings
# them back with the focus, and Alt+F4 closes them again. With a Wine prefix template, the
# Windows build under Wine.
# Usage: credits_keyboard_e2e.sh <Velmora> [Wine prefix template]
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
velmora=$1

e2e_start_display
e2e_start_window_manager
if [ $# -ge 2 ]; then
    source "$(dirname "$0")/../../scripts/lib/wine.sh"
    wine_start_prefix "$2" "$velmora"
    wine_start "$velmora"
    pid=$WINE_PID
else
    e2e_start "$velmora"
    pid=${E2E_PIDS[-1]}
fi
main_title="Calculadora de letra DNI o NIF    .:Velmora:."
credits_title=$(printf 'Créditos%21svelmora.example 2026©' '')
# The first program of a fresh Wine prefix waits for Wine's own services to start.
main=$(e2e_wait_window "$main_title" 60) ||
    fail "the main window did not appear; log: $(cat "$E2E_TMP/program.log")"
xdotool windowactivate --sync "$main"
sleep 0.5

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
active_title() { xdotool getactivewindow getwindowname 2>/dev/null || echo none; }

# <what>: the credits show as the active window; Alt+F4, pressed wherever the focus is, closes
# them and leaves the main window and the process.
expect_credits_active_then_close() {
    local credits
    credits=$(e2e_wait_window "$credits_title") || fail "$1: no credits window"
    e2e_poll active_is "$credits" || fail "$1: the active window is \"$(active_title)\""
    ! e2e_off_centre "$credits" || fail "$1: the credits are off centre by $(e2e_off_centre "$credits")"
    xdotool key alt+F4
    e2e_wait_window_gone "$credits_title" || fail "$1: Alt+F4 did not close the credits"
    [ -n "$(e2e_wait_window "$main_title" 1)" ] || fail "$1: Alt+F4 closed the main window"
    kill -0 "$pid" 2>/dev/null || fail "$1: the process ended"
    echo "ok: $1: the credits have the focus, and Alt+F4 closes them alone"
}

xdotool key shift+Tab space
expect_credits_active_then_close "opened from the keyboard"

# The focus is back on "Autor" in the main window, which the user brings to the front over the
# open credits before pressing it again.
e2e_poll active_is "$main" || fail "the main window did not get the focus back"
xdotool key space
e2e_wait_window "$credits_title" >/dev/null || fail "no credits window after Autor again"
xdotool windowactivate --sync "$main"
sleep 0.5
xdotool key space
expect_credits_active_then_close "raised by Autor again"

xdotool key alt+F4
e2e_expect_exit "$pid"
echo "PASS: the credits from the keyboard"
