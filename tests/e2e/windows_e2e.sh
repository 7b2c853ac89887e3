#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The windows under a real window manager: the main window stays where the user puts it across
# minimise and restore; the credits window, which has no minimise or taskbar button, is never
# left minimised; and the process lives until its last window closes.
# Usage: windows_e2e.sh <path to Velmora>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
velmora=$1

e2e_start_display
e2e_start_window_manager
e2e_start "$velmora"
velmora_pid=${E2E_PIDS[-1]}
main=$(e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:.") ||
    fail "the main window did not appear; log: $(cat "$E2E_TMP/program.log")"
sleep 0.5

minimise_and_restore() {
    xdotool windowminimize --sync "$1"
    sleep 0.3
    xdotool windowactivate --sync "$1"
    sleep 0.3
}

e2e_off_centre "$main" && fail "the main window is off centre by $(e2e_off_centre "$main")"
centred=$(e2e_window_position "$main")
minimise_and_restore "$main"
[ "$(e2e_window_position "$main")" = "$centred" ] ||
    fail "restoring moved the main window from $centred to $(e2e_window_position "$main")"
echo "ok: restored where it was centred, $centred"

# Dragged by its title bar, as a user would.
IFS=, read -r x y <<<"$centred"
xdotool mousemove $((x + 100)) $((y - 8)) mousedown 1
xdotool mousemove $((x + 60)) $((y - 48)) sleep 0.2 mousemove $((x - 100)) $((y - 158)) sleep 0.2 mouseup 1
sleep 0.3
moved=$(e2e_window_position "$main")
[ "$moved" != "$centred" ] || fail "the drag did not move the main window"
minimise_and_restore "$main"
[ "$(e2e_window_position "$main")" = "$moved" ] ||
    fail "restoring moved the main window from $moved to $(e2e_window_position "$main")"
echo "ok: restored where the user moved it, $moved"

# Command2 is at 408,168, 41 x 25 in the client area.
xdotool mousemove --window "$main" 428 180 click 1
credits=$(e2e_wait_window "$(printf 'Créditos%21svelmora.example 2026©' '')") ||
    fail "no credits window; windows: $(e2e_visible_titles)"
sleep 0.5
! e2e_off_centre "$credits" || fail "the credits window is off centre by $(e2e_off_centre "$credits")"
# Minimised by the window manager, the credits window comes straight back.
expect_not_left_minimised() {
    xdotool windowminimize "$credits"
    sleep 0.5
    xprop -id "$credits" WM_STATE | grep -q 'window state: Normal' ||
        fail "the credits window$1 stayed minimised"
}

expect_not_left_minimised ""
echo "ok: the credits window is not left minimised"

xdotool windowactivate --sync "$main" key alt+F4
sleep 0.5
xdotool search --onlyvisible --name "^Calculadora" >/dev/null 2>&1 &&
    fail "Alt+F4 did not close the main window"
kill -0 "$velmora_pid" 2>/dev/null || fail "the process ended while the credits window was open"
expect_not_left_minimised ", the last one,"
echo "ok: the process lives on with the credits window, which stays reachable"

xdotool windowactivate --sync "$credits" key alt+F4
e2e_expect_exit "$velmora_pid"
echo "PASS: windows"
