#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree and runs lintian on it: any error or warning
# fails; informational tags are printed but pass.
# Usage: lintian_test.sh <build directory>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
build=$1

cpack --config "$build/CPackConfig.cmake" -B "$E2E_TMP" >"$E2E_TMP/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/velmora_*.deb)

lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" ||
    fail "lintian reports errors or warnings on $(basename "$deb")"
echo "PASS: lintian reports no error and no warning"
