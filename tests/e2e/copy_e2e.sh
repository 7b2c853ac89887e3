#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on its own X server: type a number and click the copy button at once,
# confirm, and read the system clipboard from another program.
# Usage: copy_e2e.sh <path to Velmora>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
velmora=$1

e2e_start_display
e2e_start "$velmora"

main=$(e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:.") ||
    fail "the main window did not appear; windows: $(e2e_visible_titles); log: $(cat "$E2E_TMP/program.log")"

# The pointer waits on the copy button (at 280,112 and 97 x 25 in the client area), and the
# click follows the last key at once, before any tick of the composition timer.
xdotool mousemove --window "$main" 328 124
xdotool type --delay 0 12345678
xdotool click 1

e2e_wait_window "Se ha copiado al portapapeles!!" >/dev/null ||
    fail "no confirmation box after the copy; windows: $(e2e_visible_titles)"
# No window manager here: the box takes the keyboard focus itself when it opens.
xdotool key Return
e2e_wait_window_gone "Se ha copiado al portapapeles!!" ||
    fail "Enter did not close the confirmation box"

copied=$(timeout 5 xclip -selection clipboard -o 2>&1) || fail "xclip could not read the clipboard: $copied"
[ "$copied" = "12345678Z" ] || fail "clipboard holds '$copied', expected '12345678Z'"
echo "PASS: the clipboard holds 12345678Z"
