# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests, the screenshots and the benchmark: an Xvfb display of their own,
# the program under test, and clean-up of every process they started, by its id.

E2E_PIDS=()
E2E_TMP=$(mktemp -d)
# Commands run before the processes are ended, such as stopping a Wine prefix's server.
E2E_CLEANUP_FIRST=()

# Ends the processes the test started, the last started first, so that clients such as Orca
# leave while the buses they talk to still run; one still running after five seconds is killed.
e2e_cleanup() {
    local i pid command
    for command in "${E2E_CLEANUP_FIRST[@]}"; do
        $command
    done
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null || continue
        e2e_poll e2e_process_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    e2e_report_display >&2
    exit 1
}

# After a failure: whether the test's X server still runs, and what it said.
e2e_report_display() {
    [ -n "${E2E_XVFB_PID:-}" ] || return 0
    if kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
        echo "Xvfb on ${DISPLAY:-no display yet} (process $E2E_XVFB_PID) still runs"
    else
        echo "Xvfb on ${DISPLAY:-no display yet} (process $E2E_XVFB_PID) has ended"
    fi
    echo "Xvfb's log:"
    cat "$E2E_TMP/xvfb.log"
}

# e2e_poll <command> [arguments...]: runs the command every 50 ms until it succeeds, for up to
# 5 s; fails (returns 1) if it never does.
e2e_poll() {
    local i
    for i in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# Starts Xvfb on a display of its own and exports DISPLAY. Tests run side by side and one after
# another: the number is drawn at random from a wide range, not the lowest free one, so that a
# test does not take the number a neighbour's server is giving up at that very moment. A number
# in use ends the new server at once, and another is drawn.
e2e_start_display() {
    local attempt pid
    for attempt in $(seq 10); do
        : >"$E2E_TMP/display"
        # -noreset: a server left by its last client otherwise starts itself over, keyboard map
        # and all, just as the test starts its next program.
        Xvfb ":$((100 + RANDOM % 900))" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
            3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
        pid=$!
        E2E_PIDS+=("$pid")
        E2E_XVFB_PID=$pid
        # The number is written once the server is ready.
        e2e_poll e2e_display_settled "$pid" || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
        if [ -s "$E2E_TMP/display" ]; then
            export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    fail "no display of Xvfb could be reached: $(cat "$E2E_TMP/xvfb.log")"
}

# e2e_display_settled <pid>: the server has written its number, or has ended.
e2e_display_settled() {
    [ -s "$E2E_TMP/display" ] || ! kill -0 "$1" 2>/dev/null
}

# Starts a program in the background and records its id.
e2e_start() {
    "$@" >"$E2E_TMP/program.log" 2>&1 &
    E2E_PIDS+=($!)
}

# The pattern for xdotool search --name that matches exactly the given title.
e2e_title_pattern() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$!]/\\&/g')"
}

# Prints the id of the first visible window whose title is exactly the given text, waiting for
# it up to the given seconds (default 10).
e2e_wait_window() {
    local pattern id i
    pattern=$(e2e_title_pattern "$1")
    for i in $(seq $((${2:-10} * 20))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

e2e_visible_titles() {
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xdotool getwindowname "$id" 2>/dev/null
    done | paste -sd '|'
}

# Starts openbox on the display, for the tests that minimise, restore and move windows.
e2e_start_window_manager() {
    local attempt i pid
    # A second try if it could not connect at once to the display, which has been seen.
    for attempt in 1 2; do
        openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
        pid=$!
        E2E_PIDS+=("$pid")
        for i in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
    done
    fail "openbox did not start: $(cat "$E2E_TMP/openbox.log")"
}

# The outer position of a window's client area on the screen, as "x,y".
# e2e_off_centre <window>: succeeds, printing how far off and the window manager's frame, when the
# window's outer frame, title bar included, is not centred on the screen to the pixel.
e2e_off_centre() {
    local extents left right top bottom x y width height screen_width screen_height dx dy
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"$extents"
    IFS=, read -r x y <<<"$(e2e_window_position "$1")"
    width=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
    height=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    dx=$(((x - left) - (screen_width - (width + left + right)) / 2))
    dy=$(((y - top) - (screen_height - (height + top + bottom)) / 2))
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] && return 1
    echo "$dx,$dy (frame extents $extents)"
}

e2e_window_position() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        END {print x "," y}'
}

# Counts the X server's bells from now on, with tests/support/bellcount.
# Usage: e2e_start_bell_counter <bellcount>
e2e_start_bell_counter() {
    "$1" >"$E2E_TMP/bells" 2>&1 &
    E2E_PIDS+=($!)
    E2E_BELLS_HEARD=0
    e2e_poll grep -q '^ready$' "$E2E_TMP/bells" ||
        fail "the bell counter did not start: $(cat "$E2E_TMP/bells")"
}

# Fails unless exactly <count> bells rang since the last call. A program's bell reaches the server
# when it next flushes its connection, so this waits up to 2 s for them, then 0.5 s for any more.
# Usage: e2e_expect_bells <count> <what was done>
e2e_expect_bells() {
    local expected=$1 what=$2 total i
    for i in $(seq 40); do
        total=$(grep -c '^bell' "$E2E_TMP/bells" || true)
        [ $((total - E2E_BELLS_HEARD)) -ge "$expected" ] && break
        sleep 0.05
    done
    sleep 0.5
    total=$(grep -c '^bell' "$E2E_TMP/bells" || true)
    [ $((total - E2E_BELLS_HEARD)) -eq "$expected" ] ||
        fail "$what: $((total - E2E_BELLS_HEARD)) bells, expected $expected"
    E2E_BELLS_HEARD=$total
    echo "ok: $what: $expected bells"
}

# Fails unless a picture seen on the screen differs from the sharp artwork by at most <limit>
# (normalised root-mean-square, 0 to 1), and, with a limit above 0, by less than half its
# difference from the 1x artwork enlarged, which is what a blurred picture would be. All three
# are files of the same size.
# Usage: e2e_expect_sharp <seen> <sharp> <enlarged> <limit> <where>
e2e_expect_sharp() {
    local to_sharp to_enlarged
    to_sharp=$(e2e_rmse "$1" "$2")
    to_enlarged=$(e2e_rmse "$1" "$3")
    echo "$5: difference $to_sharp from the sharp picture, $to_enlarged from the 1x enlarged"
    awk -v d="$to_sharp" -v l="$4" 'BEGIN {exit !(d != "" && d <= l)}' ||
        fail "$5: the picture differs by $to_sharp from the artwork (at most $4)"
    [ "$4" = 0 ] || awk -v d="$to_sharp" -v e="$to_enlarged" 'BEGIN {exit !(d * 2 < e)}' ||
        fail "$5: the picture is not clearly sharper than the 1x one enlarged"
}

e2e_rmse() {
    # compare's status tells only that the pictures differ.
    { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -n 's/.*(\(.*\)).*/\1/p'
}

# e2e_expect_exit <pid>: the program ends within 5 seconds, as it must once its last window
# has closed.
e2e_expect_exit() {
    e2e_poll e2e_process_gone "$1" || fail "the process outlived its last window"
}

e2e_process_gone() {
    ! kill -0 "$1" 2>/dev/null
}

# e2e_wait_window_gone <title>: waits up to 5 s until no visible window has exactly this title;
# fails (returns 1) if one still does.
e2e_wait_window_gone() {
    e2e_poll e2e_no_window "$1"
}

e2e_no_window() {
    ! xdotool search --onlyvisible --name "$(e2e_title_pattern "$1")" >/dev/null 2>&1
}

# e2e_build_package <build directory>: makes the Debian package in the test's own folder and
# prints its path.
e2e_build_package() {
    cpack --config "$1/CPackConfig.cmake" -B "$E2E_TMP" >"$E2E_TMP/cpack.log" 2>&1 ||
        fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
    ls "$E2E_TMP"/velmora_*.deb
}

# Starts a D-Bus session bus of the test's own, as a desktop session has.
e2e_start_session_bus() {
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-daemon --session --nofork --print-address=3 3>"$E2E_TMP/session-bus" \
        >"$E2E_TMP/dbus.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll test -s "$E2E_TMP/session-bus" ||
        fail "dbus-daemon did not start: $(cat "$E2E_TMP/dbus.log")"
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TMP/session-bus")
}

e2e_accessibility_bus_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

# Starts the accessibility bus on the session bus, with at-spi2-core's launcher (the registry
# daemon is started by that bus when first asked), as a desktop session does for screen readers.
# Programs already running join it when it appears.
e2e_start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/at-spi.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll e2e_accessibility_bus_owned ||
        fail "the accessibility bus did not start: $(cat "$E2E_TMP/at-spi.log")"
}

# e2e_start_accessible <program> <title>: a session bus, the program on it with Qt's
# accessibility on, and the accessibility bus once its window shows, started after the program:
# Qt 5.15 does not join a bus that is already up when it starts unless the X root window names it
# (AT_SPI_BUS); Qt 6 does either way. Sets E2E_WINDOW to the window's id.
e2e_start_accessible() {
    e2e_start_session_bus
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    e2e_start "$1"
    E2E_WINDOW=$(e2e_wait_window "$2") ||
        fail "the window \"$2\" did not appear; log: $(cat "$E2E_TMP/program.log")"
    e2e_start_accessibility_bus
}
