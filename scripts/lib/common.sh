# SPDX-License-Identifier: MIT
# Shared by the scripts: package installation and the build.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# What building and running need; libstb-dev is the picture decoder's source (a header), and
# dpkg-dev's dpkg-buildflags gives the Linux build Debian's hardening flags.
VELMORA_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config dpkg-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libstb-dev
    qt6-translations-l10n fonts-liberation
)
# What the tests need on top: Qt 5.15 to build against as well, an X server and a window
# manager to drive the real program and its tools (Xlib for the bell counter, xwd to see the
# credits scroll), a D-Bus session with the accessibility bus, and Orca with speech-dispatcher, whose generic module
# writes what Orca says to a file (no synthesiser and no sound card needed), MinGW's resource
# compiler, the desktop-metadata validators, what CPack needs to compute a package's
# dependencies, lintian and hardening-check (devscripts) to check the package.
VELMORA_TEST_PACKAGES=(
    qtbase5-dev qtbase5-dev-tools qttranslations5-l10n
    xvfb xauth xdotool xclip x11-utils x11-apps openbox libx11-dev
    dbus-daemon dbus-bin at-spi2-core
    orca speech-dispatcher
    imagemagick python3 libxfixes3
    binutils-mingw-w64-i686 g++-mingw-w64-i686 icoutils
    desktop-file-utils appstream lintian devscripts
    googletest
    dpkg-dev file
    libbenchmark-dev
)
# The Windows builds: MinGW-w64 for both architectures, the picture decoder's header, and Wine
# to run the 64-bit one here; the tests they build need GoogleTest's sources, and the host's
# compiler and Xlib for the bell counter. The installers: wixl makes them, msitools reads them
# back, faketime gives them the commit's time, icoutils takes their icon from the executable,
# osslsigncode signs (openssl makes the tests' throwaway certificate).
VELMORA_WINDOWS_PACKAGES=(
    cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64 libstb-dev wine64
    googletest g++ libx11-dev
    wixl msitools faketime icoutils osslsigncode openssl
)
# Wine to run the 32-bit one, where the kernel runs 32-bit programs (i386.sh), with the X
# extensions that the 64-bit Wine finds here through the other packages, so that both builds
# meet the same X server.
VELMORA_WINE32_PACKAGES=(
    wine32:i386
    libxrender1:i386 libxrandr2:i386 libxi6:i386 libxfixes3:i386 libxcursor1:i386
    libxcomposite1:i386 libxinerama1:i386
)
# The fuzzers: clang with its sanitizer and libFuzzer runtimes.
VELMORA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs the packages that are missing, with one apt-get update at most. The architecture of
# a package named with one (wine32:i386) is added to dpkg first, if it is not the machine's own.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    for package in "${missing[@]}"; do
        if [[ $package == *:* ]]; then
            ensure_architecture "${package#*:}"
        fi
    done
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# ensure_architecture <architecture>: dpkg installs that architecture's packages too.
ensure_architecture() {
    [ "$1" = "$(dpkg --print-architecture)" ] && return 0
    dpkg --print-foreign-architectures | grep -qx -- "$1" && return 0
    echo "Adding the architecture $1 to dpkg"
    as_root dpkg --add-architecture "$1"
}

# build_preset <preset> [extra cmake arguments...]: configures and builds with a preset of
# CMakePresets.json (default: build/, qt5: build-qt5/, sanitize: build-sanitize/).
build_preset() {
    local preset=$1
    shift
    (cd "$VELMORA_ROOT" && cmake --preset "$preset" "$@" && cmake --build --preset "$preset")
}
