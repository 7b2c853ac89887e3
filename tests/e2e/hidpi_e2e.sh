#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The background picture at the screen's scale: at 100 % the main window shows the 1x artwork
# pixel for pixel; at 125, 150 and 200 % (QT_SCALE_FACTOR) it shows the 2x artwork at that
# size, measurably closer to it than to the 1x picture enlarged, which is what a blurred
# picture would be. Over a button the pointer is the 32 x 32 hand with its hot spot at (5, 0) at
# 100 %, and the 64 x 64 one with its hot spot at (10, 0) at 200 %.
# The artwork is the committed JPEG as the program's decoder decodes it (decodepicture).
# Usage: hidpi_e2e.sh <path to Velmora> <source folder> <decodepicture>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
velmora=$1

# The pointer the X server shows, as "WIDTHxHEIGHT XHOT,YHOT", through XFixes.
pointer() {
    python3 - <<'PY'
import ctypes
x11, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
class Image(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort)]
x11.XOpenDisplay.restype = ctypes.c_void_p
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
image = xfixes.XFixesGetCursorImage(x11.XOpenDisplay(None)).contents
print(f"{image.width}x{image.height} {image.xhot},{image.yhot}")
PY
}

e2e_start_display
pictures=$E2E_TMP
for name in background background@2x; do
    "$3" "$2/main_window/$name.jpg" "$pictures/$name.ppm" || fail "cannot decode $name.jpg"
done
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
    # Over "Autor", at 408,168 and 41 x 25 at 100 %.
    xdotool mousemove --window "$main" \
        $(awk -v s="$scale" 'BEGIN {print int(420 * s), int(180 * s)}')
    sleep 0.3
    seen_pointer=$(pointer)
    case $scale in
    1) [ "$seen_pointer" = "32x32 5,0" ] || fail "the pointer at 100 % is $seen_pointer" ;;
    2) [ "$seen_pointer" = "64x64 10,0" ] || fail "the pointer at 200 % is $seen_pointer" ;;
    esac
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    convert "$E2E_TMP/shot.png" -alpha off -crop "$region" +repage "$E2E_TMP/seen.png"
    sharp=$pictures/background@2x.ppm
    [ "$scale" != 1 ] || sharp=$pictures/background.ppm
    convert "$sharp" -resize "$size!" -crop "$region" +repage "$E2E_TMP/sharp.png"
    convert "$pictures/background.ppm" -resize "$size!" -crop "$region" +repage \
        "$E2E_TMP/stretched.png"
    e2e_expect_sharp "$E2E_TMP/seen.png" "$E2E_TMP/sharp.png" "$E2E_TMP/stretched.png" "$limit" \
        "at scale $scale"
done
echo "PASS: the sharp picture at 100, 125, 150 and 200 %"
