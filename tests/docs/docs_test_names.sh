#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The docs name only tests that CTest has, and docs/testing.md describes every one. A test name
# is a backticked word with a test's prefix (`tst_`, `e2e_`, ...). Some tests exist only in some
# builds (Windows, Qt), so the names are read from the tests' CMake files; this build's own list
# checks that reading, so that a new way of registering a test cannot slip past it.
# Usage: docs_test_names.sh <source folder> <build folder> <ctest>
set -euo pipefail
source=$1 build=$2 ctest=$3

# Every test that tests/ registers in any build: add_test(NAME x, velmora_add_test(x and
# velmora_add_shared_test(x, with a foreach's ${var} spelled out for each of its items.
registration='(add_test\([[:space:]]*NAME|velmora_add_[a-z_]*test\()[[:space:]]*([^[:space:])]+)'
registered() {
    local file line var items item name
    while IFS= read -r file; do
        var=
        while IFS= read -r line; do
            if [[ $line =~ foreach\(([A-Za-z_]+)[[:space:]]+([^\)]*)\) ]]; then
                var=${BASH_REMATCH[1]}
                read -ra items <<<"${BASH_REMATCH[2]}"
            elif [[ $line =~ endforeach ]]; then
                var=
            elif [[ $line =~ $registration ]]; then
                name=${BASH_REMATCH[2]}
                if [[ $name != *'${'* ]]; then
                    echo "$name"
                elif [ -n "$var" ]; then
                    for item in "${items[@]}"; do echo "${name//"\${$var}"/$item}"; done
                fi # else a function's own add_test(NAME ${name}), counted at its calls
            fi
        done <"$file"
    done < <(find "$source/tests" -name CMakeLists.txt)
}

known=$(registered | sort -u)
[ -n "$known" ] || { echo "no test registered in $source/tests"; exit 1; }
this_build=$("$ctest" --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p' | sort -u)
missed=$(comm -23 <(echo "$this_build") <(echo "$known"))
if [ -n "$missed" ]; then
    echo "Reading tests/*/CMakeLists.txt missed tests that this build has (update $0):"
    echo "$missed"
    exit 1
fi

# The prefixes test names start with, from the names themselves: tst_, test_, e2e_, windows_...
prefixes=$(sed 's/_.*/_/' <<<"$known" | sort -u | paste -sd'|')
status=0
cd "$source"
shopt -s nullglob
unknown=$(grep -oE '`[a-z0-9_]+`' README.md docs/*.md /dev/null | tr -d '`' |
    grep -E ":($prefixes)" | sort -u | while IFS=: read -r doc name; do
        grep -qx -- "$name" <<<"$known" || echo "$doc: $name"
    done)
if [ -n "$unknown" ]; then
    echo "The docs name tests that CTest does not have in any build:"
    echo "$unknown"
    status=1
fi
undescribed=$(while read -r name; do
    grep -qs "\`$name\`" docs/testing.md || echo "$name"
done <<<"$known")
if [ -n "$undescribed" ]; then
    echo "docs/testing.md does not name these tests:"
    echo "$undescribed"
    status=1
fi
[ "$status" -ne 0 ] ||
    echo "docs/testing.md names all $(wc -l <<<"$known") tests, and the docs name no other."
exit "$status"
