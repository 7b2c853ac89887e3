# SPDX-License-Identifier: MIT
# For the tests that listen to a real screen reader: Orca on the test's own display and D-Bus
# session, speaking through a speech-dispatcher of the test's own whose only voice writes each
# utterance as a line of a text file. Sourced after xvfb.sh.

# Why the screen reader cannot be heard on this machine, or nothing if it can.
e2e_screen_reader_missing() {
    local tool
    for tool in orca speech-dispatcher /usr/libexec/at-spi-bus-launcher \
        /usr/lib/speech-dispatcher-modules/sd_generic; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "$tool is not installed (packages orca, speech-dispatcher, at-spi2-core)"
            return
        }
    done
}

# e2e_start_speech_log <log>: speech-dispatcher with its configuration in the test's folder, its
# generic module appending each utterance to <log>, its audio on ALSA's null device so that it
# needs no sound card; SPEECHD_ADDRESS points its clients at it.
e2e_start_speech_log() {
    local log=$1 config=$E2E_TMP/speech-dispatcher
    mkdir -p "$config/modules"
    E2E_SPEECH_LOG=$log
    : >"$log"
    cat >"$config/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "log" "sd_generic" "log.conf"
DefaultModule log
LogLevel 3
CONF
    # The module hands over the text in the voice's character set: UTF-8 for every language
    # Orca may ask for, since it asks for the desktop's.
    sed "s|@LOG@|$log|" >"$config/modules/log.conf" <<'CONF'
GenericExecuteSynth "printf '%s\\n' \'$DATA\' >>@LOG@"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "en-us" "en-us" "utf-8"
GenericLanguage "es" "es" "utf-8"
AddVoice "es" "MALE1" "es"
AddVoice "en" "MALE1" "en"
CONF
    export SPEECHD_ADDRESS=unix_socket:$E2E_TMP/speechd.sock
    speech-dispatcher --run-single --timeout 0 --config-dir "$config" \
        --socket-path "$E2E_TMP/speechd.sock" --log-dir "$E2E_TMP" \
        --module-dir /usr/lib/speech-dispatcher-modules >"$E2E_TMP/speechd.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll test -S "$E2E_TMP/speechd.sock" ||
        fail "speech-dispatcher did not start: $(cat "$E2E_TMP/speechd.log")"
}

# e2e_start_orca: Orca in Spanish with its preferences in the test's folder (speech on,
# key echo on), in a home of its own; returns once it has said that it is running.
e2e_start_orca() {
    local prefs=$E2E_TMP/orca
    mkdir -p "$prefs" "$E2E_TMP/home"
    cat >"$prefs/user-settings.conf" <<'JSON'
{"general": {"enableSpeech": true, "speechServerFactory": "speechdispatcherfactory",
             "enableKeyEcho": true, "enableTutorialMessages": false,
             "startingProfile": ["Default", "default"]},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
JSON
    HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/home/.config XDG_DATA_HOME=$E2E_TMP/home/.local \
        XDG_CACHE_HOME=$E2E_TMP/home/.cache GSETTINGS_BACKEND=memory LANGUAGE=es \
        orca --user-prefs "$prefs" >"$E2E_TMP/orca.log" 2>&1 &
    E2E_PIDS+=($!)
    E2E_SAID_WAIT=30 e2e_wait_said 0 '^Lector de pantalla activado' ||
        fail "Orca did not start: $(cat "$E2E_TMP/orca.log")"
}

# The number of lines said so far; what follows is said after this moment.
e2e_said_lines() {
    wc -l <"$E2E_SPEECH_LOG"
}

# e2e_said_since <line>: what was said after that many lines.
e2e_said_since() {
    tail -n +"$(($1 + 1))" "$E2E_SPEECH_LOG"
}

# e2e_wait_said <line> <pattern>...: waits up to E2E_SAID_WAIT seconds (10 unless set) until
# lines said after <line> match the extended regular expressions, one after another in that
# order; fails (returns 1) if they never do.
e2e_wait_said() {
    local since=$1 i
    shift
    for i in $(seq $((${E2E_SAID_WAIT:-10} * 20))); do
        e2e_said_since "$since" | e2e_lines_in_order "$@" && return 0
        sleep 0.05
    done
    return 1
}

# e2e_lines_in_order <pattern>...: the standard input has lines matching each, in that order.
e2e_lines_in_order() {
    E2E_PATTERNS=$(printf '%s\n' "$@") awk '
        BEGIN { count = split(ENVIRON["E2E_PATTERNS"], wanted, "\n"); next_one = 1 }
        next_one <= count && $0 ~ wanted[next_one] { next_one++ }
        END { exit next_one <= count }'
}
