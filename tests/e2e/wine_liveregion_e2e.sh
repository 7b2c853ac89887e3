#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build under Wine, heard from another process as a screen reader that follows live
# regions (NVDA) hears it: tests/support/liveregionlistener says that a screen reader runs and
# prints the name of the object behind each live-region-changed event. Typing 2, 5 and Backspace
# twice, "Letra W" once; then 12345678, "Letra R" to "Letra Z", one per change; opening the
# credits, their texts once, and their annotation cleared when they close, so that no later
# window takes it over; opened afresh, their texts once more. Wine 8 delivers the events across
# processes, but its annotation service only traces what it is given (it stores nothing, so
# nothing reads the live setting back): the trace shows that each live control was annotated
# once, as a polite live region.
# Usage: wine_liveregion_e2e.sh <Velmora.exe> <liveregionlistener.exe> <Wine prefix template>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
velmora=$1 listener=$2

e2e_start_display
e2e_start_window_manager
wine_start_prefix "$3" "$velmora"
heard=$E2E_TMP/heard.log
"$WINELOADER" "$listener" >"$heard" 2>"$E2E_TMP/listener.log" &
E2E_PIDS+=($!)
for _ in $(seq 600); do
    grep -qx ready "$heard" && break
    sleep 0.05
done
grep -qx ready "$heard" || fail "the listener did not start: $(cat "$E2E_TMP/listener.log")"

# Only the annotation service's trace.
WINEDEBUG=-all,fixme+oleacc wine_start "$velmora"
main_title="Calculadora de letra DNI o NIF    .:Velmora:."
main=$(e2e_wait_window "$main_title" 60) ||
    fail "the main window did not appear; windows: $(e2e_visible_titles)"

# heard_lines <pattern> <count>: waits up to 10 s for that many names heard matching the
# pattern, and prints them as "window|name".
heard_lines() {
    local i
    for i in $(seq 200); do
        [ "$(grep -c -- "$1" "$heard")" -ge "$2" ] && break
        sleep 0.05
    done
    grep -- "$1" "$heard" || true
}
# annotations <window>: the live settings the annotation service was given for that window's
# client object, as "{setting id} value".
annotations() {
    sed -n "s/.*AccPropServices_SetHwndProp (0*$1 4294967292 0 \(.*\) [0-9A-Fa-f]* {VT_I4: \(.*\)})\$/\1 \2/p" \
        "$E2E_TMP/program.log"
}
live_polite="{c12bcd8e-2a8e-4950-8ae7-3625111d58eb} 1"

# Text1 is at 248,72 in the client area; Command2 at 408,168.
xdotool windowactivate --sync "$main" mousemove --window "$main" 300 81 click 1
# 25 has the letter of 2, and Backspace back to 2 and to nothing keeps it: one letter heard.
# Then a digit at a time, each once the letter before it is heard: a screen reader reads the
# name when it gets to the event, after the user may have typed on.
xdotool type 2
heard_lines '|Letra' 1 >/dev/null
xdotool type 5
xdotool key BackSpace BackSpace
expected="Letra W"$'\n'
for typed in 1 2 3 4 5 6 7 8; do
    expected+="Letra $(cut -c"$typed" <<<RNPSVSLZ)"$'\n'
    xdotool type "$typed"
    letters=$(heard_lines '|Letra' $((typed + 1)))
    [ "$(cut -d'|' -f2- <<<"$letters")" = "${expected%$'\n'}" ] ||
        fail "the letters heard up to the digit $typed:"$'\n'"$(diff <(echo "${expected%$'\n'}") <(cut -d'|' -f2- <<<"$letters"))"
done
echo "ok: each new letter heard once, from another process"
letter_field=$(head -n1 <<<"$letters" | cut -d'|' -f1)
[ "$(cut -d'|' -f1 <<<"$letters" | sort -u)" = "$letter_field" ] ||
    fail "the letters came from more than one window: $letters"
[ "$(annotations "$letter_field")" = "$live_polite" ] ||
    fail "the letter field ($letter_field) is not annotated once as a polite live region:"$'\n'"$(grep SetHwndProp "$E2E_TMP/program.log")"
echo "ok: the letter field annotated once as a polite live region"

xdotool mousemove --window "$main" 428 180 click 1
credits=$(heard_lines '|\.: Velmora :\./Creado por: ' 1)
[ "$(wc -l <<<"$credits")" -eq 1 ] && [ -n "$credits" ] ||
    fail "the credits' texts were not heard once when they opened:"$'\n'"$(cat "$heard")"
[ "$(annotations "${credits%%|*}")" = "$live_polite" ] ||
    fail "the credits' panel is not annotated as a polite live region:"$'\n'"$(grep SetHwndProp "$E2E_TMP/program.log")"
echo "ok: the credits' texts heard when they open, from a polite live region"

credits_title=$(printf 'Créditos%21svelmora.example 2026©' '')
credits_window=$(e2e_wait_window "$credits_title") || fail "no credits window after Autor"
xdotool windowactivate --sync "$credits_window" key alt+F4
e2e_poll grep -Eq "ClearHwndProps \(0*${credits%%|*} 4294967292 0 [0-9A-F]+ 1\)" "$E2E_TMP/program.log" ||
    fail "the credits' annotation is not cleared when they close:"$'\n'"$(grep HwndProp "$E2E_TMP/program.log")"
echo "ok: the credits' annotation cleared when they close"
e2e_wait_window_gone "$credits_title" || fail "Alt+F4 did not close the credits"
xdotool windowactivate --sync "$main" mousemove --window "$main" 428 180 click 1
[ "$(heard_lines '|\.: Velmora :\./Creado por: ' 2 | wc -l)" -eq 2 ] ||
    fail "the credits opened again were not heard again:"$'\n'"$(cat "$heard")"
echo "ok: the credits heard again when they open afresh"
echo "PASS: the Windows build's live regions heard from another process"
