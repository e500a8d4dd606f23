#!/usr/bin/env bash
# Benchmark: median wall time and peak memory of a headless 12-page collated A4 booklet printed
# to PDF by Tavo, next to a floor measured in the same run (a minimal Qt program writing one
# blank PDF page). Target: within 1.5 times the floor in both.
#   bash bench/run.sh [RUNS]      (default 15 runs; builds in build-bench/ unless BUILD_DIR is set)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${BUILD_DIR:-build-bench}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target Tavo tavo_bench_floor tavo_bench_runner -j2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/Tavo" "$work/Tavo"
printf '%s\r\n' 0123 "AUTOSCUOLA BERICA" "DI BIANCHI MARIO" "VIA ROMA 1" "36100 VICENZA" \
    10 15 12 A4 Si >"$work/Tavo.cfg"
printf '%s\r\n' AB123CD "GIUSEPPE VERDI" "" >"$work/Tavo.txt"

export QT_QPA_PLATFORM=offscreen
"$build/bench/tavo_bench_runner" "$runs" \
    -- "$work/Tavo" --pdf "$work/libretto.pdf" "12VI123456§MARIO*ROSSI" \
    -- "$build/bench/tavo_bench_floor" "$work/vuoto.pdf"
pages=$(pdfinfo "$work/libretto.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
echo "pagine del libretto: ${pages:-?} (attese 13)"
