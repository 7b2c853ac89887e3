#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The background picture at the screen's scale: at 100 % the main window shows the 1x artwork
# pixel for pixel; at 125, 150 and 200 % (QT_SCALE_FACTOR) it shows the 2x artwork at that
# size, measurably closer to it than to the 1x picture enlarged, which is what a blurred
# picture would be.
# Usage: hidpi_e2e.sh <path to Velmora> <source folder>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
velmora=$1
pictures=$2/main_window

# The normalised root-mean-square difference of two pictures of the same size, 0 to 1.
rmse() {
    # compare's status tells only that the pictures differ.
    { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -n 's/.*(\(.*\)).*/\1/p'
}

e2e_start_display
# The left part of the client area, where nothing covers the picture: 240 x 193 at 100 %.
# Each scale with the largest difference allowed from the sharp picture.
for pair in 1:0 1.25:0.03 1.5:0.03 2:0.005; do
    scale=${pair%:*} limit=${pair#*:}
    QT_SCALE_FACTOR=$scale e2e_start "$velmora"
    pid=${E2E_PIDS[-1]}
    main=$(e2e_wait_window "Calculadora de letra DNI o NIF    .:Velmora:.") ||
        fail "no main window at $scale; log: $(cat "$E2E_TMP/program.log")"
    sleep 0.5
    size=$(awk -v s="$scale" 'BEGIN {printf "%dx%d", int(509 * s + 0.5), int(258 * s + 0.5)}')
    region=$(awk -v s="$scale" 'BEGIN {printf "%dx%d+0+0", int(240 * s + 0.5), int(193 * s)}')
    import -window "$main" "$E2E_TMP/shot.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    convert "$E2E_TMP/shot.png" -alpha off -crop "$region" +repage "$E2E_TMP/seen.png"
    sharp=$pictures/background@2x.png
    [ "$scale" != 1 ] || sharp=$pictures/background.png
    convert "$sharp" -resize "$size!" -crop "$region" +repage "$E2E_TMP/sharp.png"
    convert "$pictures/background.png" -resize "$size!" -crop "$region" +repage \
        "$E2E_TMP/stretched.png"
    to_sharp=$(rmse "$E2E_TMP/seen.png" "$E2E_TMP/sharp.png")
    to_stretched=$(rmse "$E2E_TMP/seen.png" "$E2E_TMP/stretched.png")
    echo "scale $scale: difference $to_sharp from the sharp picture, $to_stretched from the 1x enlarged"
    awk -v d="$to_sharp" -v l="$limit" 'BEGIN {exit !(d != "" && d <= l)}' ||
        fail "at $scale the picture differs by $to_sharp from the artwork (at most $limit)"
    [ "$scale" = 1 ] || awk -v d="$to_sharp" -v s="$to_stretched" 'BEGIN {exit !(d * 2 < s)}' ||
        fail "at $scale the picture is not clearly sharper than the 1x one enlarged"
done
echo "PASS: the sharp picture at 100, 125, 150 and 200 %"
