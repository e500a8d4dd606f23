#!/usr/bin/env bash
# Non-blank lines of every text file under tests/ (but its README) against the program's C++
# outside tests/ (bench/ included). Fails when the tests outgrow a third of the program.
#   bash scripts/test_ratio.sh
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -r grep -Ic -v '^[[:space:]]*$' | awk -F: '{ s += $NF } END { print s + 0 }'; }
tests=$(git ls-files -co --exclude-standard -- tests ':!tests/README.md' | count)
program=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' ':!tests/**' | count)
awk -v t="$tests" -v p="$program" 'BEGIN {
    printf "tests %d lines, program %d lines: %.3f (at most 0.333)\n", t, p, t / p
    exit (3 * t > p) }'
