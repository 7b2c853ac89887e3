#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signing as scripts/build-windows does it, with a throwaway certificate made here: the
# executable is signed, the installer made from the signed one and signed in turn, and every
# signature verifies against that certificate, that of the executable inside the installer too;
# signing again replaces the signature rather than piling one on another.
# Usage: signing_test.sh <Velmora.exe> <velmora.wxs> <x86 | x64> <velmora.ico> <make-msi.sh>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../scripts/lib/sign.sh"
exe=$1 wxs=$2 arch=$3 icon=$4 make_msi=$5

export VELMORA_SIGN_CERT=$E2E_TMP/cert.pem VELMORA_SIGN_KEY=$E2E_TMP/key.pem
unset VELMORA_TIMESTAMP_URL
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Velmora prueba" \
    -addext extendedKeyUsage=codeSigning -keyout "$VELMORA_SIGN_KEY" -out "$VELMORA_SIGN_CERT" \
    2>"$E2E_TMP/openssl.log" || fail "openssl: $(cat "$E2E_TMP/openssl.log")"

# verify <file> <what>: exactly one signature, and it verifies against the certificate.
verify() {
    osslsigncode verify -CAfile "$VELMORA_SIGN_CERT" -in "$1" >"$E2E_TMP/verify.log" 2>&1 ||
        fail "$2: the signature does not verify: $(cat "$E2E_TMP/verify.log")"
    grep -q '^Number of verified signatures: 1$' "$E2E_TMP/verify.log" ||
        fail "$2: not exactly one signature: $(cat "$E2E_TMP/verify.log")"
    echo "ok: $2 verifies"
}

cp "$exe" "$E2E_TMP/Velmora.exe"
sign_file "$E2E_TMP/Velmora.exe"
verify "$E2E_TMP/Velmora.exe" "Velmora.exe"
[ -x "$E2E_TMP/Velmora.exe" ] || fail "signing lost Velmora.exe's execute permission"
sign_file "$E2E_TMP/Velmora.exe"
verify "$E2E_TMP/Velmora.exe" "Velmora.exe signed twice"

bash "$make_msi" "$wxs" "$arch" "$E2E_TMP/Velmora.exe" "$icon" 0 "$E2E_TMP/Velmora.msi"
sign_file "$E2E_TMP/Velmora.msi"
verify "$E2E_TMP/Velmora.msi" "the installer"
msiextract -C "$E2E_TMP/files" "$E2E_TMP/Velmora.msi" >/dev/null
verify "$(find "$E2E_TMP/files" -name Velmora.exe)" "the Velmora.exe the installer carries"
echo "PASS: the executable and its installer sign and verify"
