# SPDX-License-Identifier: MIT
# Whether this machine runs 32-bit x86 programs, which Debian's 32-bit Wine is. Some 64-bit
# kernels are built or booted without IA-32 emulation, and there every such program fails at
# execve with "Exec format error".

# kernel_runs_i386: succeeds if a static 32-bit x86 program runs here. The program is written
# out byte by byte (an ELF header, one loadable segment, and "exit(42)" through int 0x80), so
# that the check needs no i386 package nor a 32-bit toolchain.
kernel_runs_i386() {
    local program status=0
    program=$(mktemp) || return 1
    printf '%b' \
        '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
        '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
        '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
        '\x00\x00\x00\x00' \
        '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
        '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
        '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$program"
    chmod +x "$program"
    "$program" 2>/dev/null || status=$?
    rm -f "$program"
    [ "$status" -eq 42 ]
}
