# SPDX-License-Identifier: MIT
# Sourced after xvfb.sh by the tests and the benchmark that run Windows programs on their display:
# each run gets a Wine prefix of its own in its temporary folder, and its wineserver is stopped at
# clean-up. Creating a prefix takes about 20 s, so it is done once into a template that runs
# nothing, and each run clones the template. Loader, server and prefix follow the architecture
# of the build under test (wine-arch.sh).
source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
export WINEDEBUG=-all

# wine_template <folder>: creates the template unless it is ready for this Wine. Runs side by
# side wait for the one that creates it; it is marked ready only once its wineserver has ended,
# which is when the registry is on disk. A template from another Wine is made afresh: a clone
# would otherwise update its system32 in place, through the links into the template. No display
# during creation: no offer to install Mono or Gecko.
wine_template() {
    local version
    version="$("$WINELOADER" --version) $WINEARCH"
    mkdir -p "$1"
    # Wine takes only an absolute prefix.
    flock "$1/.lock" bash -c '[ "$(cat "$1/.ready" 2>/dev/null)" = "$2" ] && exit 0
        find "$1" -mindepth 1 -maxdepth 1 ! -name .lock -exec rm -rf {} +
        export WINEPREFIX=$(realpath "$1") WINEDLLOVERRIDES="mscoree,mshtml="
        env -u DISPLAY "$WINELOADER" wineboot --init >/dev/null 2>&1 && "$WINESERVER" -w &&
            echo "$2" >"$1/.ready"' _ "$1" "$version" ||
        fail "could not create the Wine prefix $1"
}

# wine_start_prefix <template folder> <program.exe>: exports WINEPREFIX, a fresh clone of the
# template, and the Wine for the program's architecture; the programs started later are of the
# same build.
wine_start_prefix() {
    wine_use_arch_of "$2" || fail "cannot tell which Wine runs $2"
    wine_clone_template "$1"
}

# wine_clone_template <template folder>: exports WINEPREFIX, a fresh clone of the template, made
# for the Wine that WINEARCH, WINELOADER and WINESERVER name.
wine_clone_template() {
    wine_template "$1"
    export WINEPREFIX=$E2E_TMP/wineprefix
    mkdir "$WINEPREFIX"
    E2E_CLEANUP_FIRST+=(wine_stop_prefix)
    tar -C "$1" --exclude=./.lock --exclude=./.ready --exclude=./drive_c/windows/system32 -cf - . |
        tar -C "$WINEPREFIX" -xf -
    # system32 is 600 MB of Wine's own libraries, which programs never rewrite: hard links to
    # the template's, or a copy where the temporary folder is on another file system.
    local system32=drive_c/windows/system32
    cp -al "$1/$system32" "$WINEPREFIX/$system32" 2>/dev/null || {
        rm -rf "${WINEPREFIX:?}/$system32"
        cp -a "$1/$system32" "$WINEPREFIX/$system32"
    }
}

# Ends every process of this run's prefix, the programs started and Wine's own services.
wine_stop_prefix() {
    "$WINESERVER" -k 2>/dev/null || true
}

# wine_start <program.exe> [arguments...]: starts a Windows program on the display; its id is
# WINE_PID, the Linux process that runs it.
wine_start() {
    e2e_start "$WINELOADER" "$@"
    WINE_PID=${E2E_PIDS[-1]}
}
