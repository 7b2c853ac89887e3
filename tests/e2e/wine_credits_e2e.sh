#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The credits of the 64-bit Windows build under Wine at 96, 120, 144 and 192 dots per inch (the
# user's LogPixels), read from the screen as the panel scrolls by: three lines, each from the
# label's left edge, the author and the rights lines whole and the web address alone on the last.
# Usage: wine_credits_e2e.sh <Velmora.exe> <Wine prefix template>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
velmora=$1

# The credits window's client area, the label's left edge and its width, in twips.
client_width=4080 client_height=2040 label_left=$((120 + 480)) label_width=2895
# From the title's top to the label's bottom.
title_to_label_bottom=$((480 + 1035 - 120))

# Prints the title's ink rows as "title top bottom", then each band of rows with the credits'
# white ink as "line top bottom left right", in the client area's pixels. The title is pale
# yellow, the credits white: grey where smoothed, yellow has less blue than red.
ink_bands() {
    local width=$2 height=$3
    convert "$1" -alpha off -gravity SouthWest -crop "${width}x${height}+$4+$4" +repage \
        -depth 8 txt:- | awk -F '[,:() ]+' '
        /^#/ { next }
        $3 < 96 { next }
        $5 < $3 - 24 { title[$2] = 1; next }
        { if (!($2 in left) || $1 < left[$2]) left[$2] = $1
          if (!($2 in right) || $1 > right[$2]) right[$2] = $1 }
        END {
            for (y = 0; y < '"$height"'; ++y) if (y in title) { if (top == "") top = y; bottom = y }
            if (top != "") print "title", top, bottom
            inside = 0
            for (y = 0; y <= '"$height"'; ++y) {
                if (y in left) {
                    if (!inside) { inside = 1; first = y; l = left[y]; r = right[y] }
                    if (left[y] < l) l = left[y]
                    if (right[y] > r) r = right[y]
                } else if (inside) { inside = 0; print "line", first, y - 1, l, r }
            }
        }'
}

e2e_start_display
e2e_start_window_manager
wine_start_prefix "$2" "$velmora"
for dpi in 96 120 144 192; do
    px() { echo $(($1 * dpi / 1440)); }
    "$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 || fail "could not set LogPixels"
    wine_start "$velmora"
    main=$(e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:." 60) ||
        fail "no main window at $dpi dpi; windows: $(e2e_visible_titles)"
    # "Autor" is at 408,168, 41 x 25, at 96 dots per inch.
    xdotool windowactivate --sync "$main" mousemove --window "$main" $((428 * dpi / 96)) \
        $((180 * dpi / 96)) click 1
    credits=$(e2e_wait_window "$(printf 'Créditos%21svelmora.example 2026©' '')") ||
        fail "no credits window at $dpi dpi"
    width=$(px $client_width) height=$(px $client_height)
    # Until the panel has brought the title and the whole label into view.
    bands=
    for i in $(seq 80); do
        import -window "$credits" "$E2E_TMP/credits.png"
        outer=$(identify -format '%w' "$E2E_TMP/credits.png")
        bands=$(ink_bands "$E2E_TMP/credits.png" "$width" "$height" $(((outer - width) / 2)))
        read -r _ title_top _ < <(grep '^title' <<<"$bands" || echo title -1)
        [ "$title_top" -gt 0 ] &&
            [ $((title_top + $(px $title_to_label_bottom))) -lt "$height" ] && break
        bands=
        sleep 0.1
    done
    [ -n "$bands" ] || fail "at $dpi dpi the credits never came into view"
    cp "$E2E_TMP/credits.png" "$E2E_TMP/credits-$dpi.png"
    kill "$WINE_PID"
    wait "$WINE_PID" 2>/dev/null || true
    lines=$(grep '^line' <<<"$bands" || true)
    echo "$dpi dpi:" $(awk '{printf "[%d-%d x %d-%d] ", $2, $3, $4, $5}' <<<"$lines")
    [ "$(wc -l <<<"$lines")" -eq 3 ] || fail "at $dpi dpi the credits show $(wc -l <<<"$lines") lines"
    left=$(px $label_left) label=$(px $label_width)
    n=0
    while read -r _ _ _ from to; do
        n=$((n + 1))
        [ $((from - left)) -ge 0 ] && [ $((from - left)) -le $((dpi / 48)) ] ||
            fail "at $dpi dpi line $n starts at $from, not at the label's left edge $left"
        # The author and the rights lines nearly fill the label; the address is short.
        if [ "$n" -lt 3 ]; then
            [ $((to - from)) -ge $((label * 9 / 10)) ] ||
                fail "at $dpi dpi line $n is $((to - from)) wide, not a whole line of $label"
        else
            [ $((to - from)) -le $((label / 2)) ] ||
                fail "at $dpi dpi the last line is $((to - from)) wide, more than the address"
        fi
    done <<<"$lines"
done
echo "PASS: the credits in three lines at 96, 120, 144 and 192 dpi"
