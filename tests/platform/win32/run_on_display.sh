#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows test program under Wine on an Xvfb display of its own, with openbox, in a Wine
# prefix cloned from the template; its exit code is the test's.
# Usage: run_on_display.sh <program.exe> <Wine prefix template> [arguments...]
set -euo pipefail
source "$(dirname "$0")/../../../scripts/lib/xvfb.sh"
source "$(dirname "$0")/../../../scripts/lib/wine.sh"
program=$1 template=$2
shift 2

e2e_start_display
e2e_start_window_manager
wine_start_prefix "$template" "$program"
status=0
"$WINELOADER" "$program" "$@" || status=$?
exit "$status"
