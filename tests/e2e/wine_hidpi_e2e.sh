#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build under Wine at 96, 144 and 192 dots per inch (the user's LogPixels): the main
# window's client area is 449 x 193, 674 x 290 and 898 x 386, and the background shows the 1x
# artwork and the 2x one pixel for pixel at 96 and 192; at 144 the 2x one made smaller, measurably
# closer to it than to the 1x picture enlarged, which is what a blurred picture would be. The
# artwork is the committed JPEG as the program's decoder decodes it (decodepicture.exe, under
# Wine too).
# Usage: wine_hidpi_e2e.sh <Velmora.exe> <source folder> <Wine prefix template> <decodepicture.exe>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
velmora=$1

e2e_start_display
e2e_start_window_manager
wine_start_prefix "$3" "$velmora"
pictures=$E2E_TMP
for name in background background@2x; do
    "$WINELOADER" "$4" "$2/main_window/$name.jpg" "$pictures/$name.ppm" ||
        fail "cannot decode $name.jpg"
done
# Each density with its client area, its sharp picture, that picture's scale on the screen, and
# the largest difference allowed from it.
for case in 96:449x193:background.ppm:100:0 144:674x290:background@2x.ppm:75:0.03 \
    192:898x386:background@2x.ppm:100:0; do
    IFS=: read -r dpi client sharp scale limit <<<"$case"
    "$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 || fail "could not set LogPixels"
    wine_start "$velmora"
    main=$(e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:." 60) ||
        fail "no main window at $dpi dpi; windows: $(e2e_visible_titles)"
    sleep 1
    size=$(xwininfo -id "$main" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = "$client" ] || fail "at $dpi dpi the client area is $size, expected $client"
    import -window "$main" "$E2E_TMP/shot.png"
    kill "$WINE_PID"
    wait "$WINE_PID" 2>/dev/null || true
    # The left part of the client area, where no control covers the picture.
    region=$(awk -v d="$dpi" 'BEGIN {printf "%dx%d+0+0", 240 * d / 96, 193 * d / 96}')
    convert "$E2E_TMP/shot.png" -alpha off -crop "$region" +repage "$E2E_TMP/seen.png"
    convert "$pictures/$sharp" -resize "$scale%" -crop "$region" +repage "$E2E_TMP/sharp.png"
    convert "$pictures/background.ppm" -resize "$((dpi * 100 / 96))%" -crop "$region" +repage \
        "$E2E_TMP/stretched.png"
    e2e_expect_sharp "$E2E_TMP/seen.png" "$E2E_TMP/sharp.png" "$E2E_TMP/stretched.png" "$limit" \
        "at $dpi dpi (client $size, $sharp)"
done
echo "PASS: the layout and the sharp picture at 96, 144 and 192 dpi"
