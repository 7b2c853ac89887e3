#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree and runs lintian on it: any error or warning
# fails; informational tags are printed but pass.
# Usage: lintian_test.sh <build directory>
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
build=$1

deb=$(e2e_build_package "$build")

lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" ||
    fail "lintian reports errors or warnings on $(basename "$deb")"
echo "PASS: lintian reports no error and no warning"
