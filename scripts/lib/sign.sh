# SPDX-License-Identifier: MIT
# Authenticode signing of the Windows executables and installers with osslsigncode, when a
# certificate is given: VELMORA_SIGN_CERT names its file (PEM or DER, with the chain that leads
# to a trusted root), VELMORA_SIGN_KEY the private key's, and VELMORA_TIMESTAMP_URL, if set, an
# RFC 3161 time-stamp server, so that the signature outlives the certificate.

# sign_configured: succeeds when a certificate and key are given.
sign_configured() {
    [ -n "${VELMORA_SIGN_CERT:-}" ] && [ -n "${VELMORA_SIGN_KEY:-}" ]
}

# sign_file <file.exe | file.msi>: signs the file in place (a signature it already has is
# replaced), keeping its permissions.
sign_file() {
    local signed=$1.signed
    local options=(-certs "$VELMORA_SIGN_CERT" -key "$VELMORA_SIGN_KEY" -h sha256
        -n Velmora -i "https://velmora.example/")
    if [ -n "${VELMORA_TIMESTAMP_URL:-}" ]; then
        options+=(-ts "$VELMORA_TIMESTAMP_URL")
    fi
    rm -f "$signed"
    osslsigncode sign "${options[@]}" -in "$1" -out "$signed" >/dev/null || {
        rm -f "$signed"
        echo "osslsigncode could not sign $1" >&2
        return 1
    }
    cat "$signed" >"$1"
    rm -f "$signed"
}

# sign_present <file>: succeeds when the file carries a signature.
sign_present() {
    local folder status=0
    # osslsigncode writes only a file that does not exist yet.
    folder=$(mktemp -d)
    osslsigncode extract-signature -in "$1" -out "$folder/signature" >/dev/null 2>&1 || status=$?
    rm -rf "$folder"
    return "$status"
}
