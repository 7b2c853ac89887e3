# SPDX-License-Identifier: MIT
# Which of Debian's Wine loaders runs a Windows program: wine64 for an x86-64 one, the 32-bit
# loader of wine32:i386 for an x86 one. Each has its own server and its own kind of prefix, so a
# build's prefixes serve that build alone. The loaders are called directly: Debian's `wine`
# wrapper would pick the 32-bit one, which not every machine can execute.

# wine_use_arch_of <program.exe>: exports WINEARCH, WINELOADER and WINESERVER for the program's
# architecture, read from its PE header.
wine_use_arch_of() {
    local header machine=
    # The PE header starts at the offset stored at 0x3c; its machine field follows "PE\0\0".
    header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || header=
    if [ -n "$header" ]; then
        machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ') || machine=
    fi
    case $machine in
    8664)
        export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 \
            WINESERVER=/usr/lib/wine/wineserver64
        ;;
    014c)
        export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
        ;;
    *)
        echo "$1 is not an x86 or x86-64 Windows program" >&2
        return 1
        ;;
    esac
}
