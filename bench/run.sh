#!/usr/bin/env bash
# Benchmark of the headless print: a 12-page collated A4 booklet written to PDF by Tavo, next to
# two floors timed in the same hyperfine run: a minimal Qt program writing one blank PDF page,
# and the same program writing one word in each of the booklet's five font faces. Prints the
# median times, the peak memory of each (GNU time's maximum resident set size) and the ratios.
# Target: the booklet within 1.3 times the text floor in time and in memory.
#   bash bench/run.sh [RUNS]      (default 30 runs; builds in build-bench/ unless BUILD_DIR is set)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
build=${BUILD_DIR:-build-bench}

scripts/setup.sh --bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target Tavo tavo_bench_floor -j"$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/Tavo" "$work/Tavo"
printf '%s\r\n' 0123 "AUTOSCUOLA BERICA" "DI BIANCHI MARIO" "VIA ROMA 1" "36100 VICENZA" \
    10 15 12 A4 Si >"$work/Tavo.cfg"
printf '%s\r\n' AB123CD "GIUSEPPE VERDI" "" >"$work/Tavo.txt"
floor="$build/bench/tavo_bench_floor"
commands=("$work/Tavo --pdf $work/libretto.pdf 12VI123456§MARIO*ROSSI"
          "$floor blank $work/vuoto.pdf"
          "$floor text $work/testo.pdf")

export QT_QPA_PLATFORM=offscreen
hyperfine --shell=none --warmup 3 --runs "$runs" --style basic \
    --command-name libretto --command-name "pavimento vuoto" --command-name "pavimento testo" \
    --export-json "$work/times.json" "${commands[@]}"

# Peak memory: median of GNU time's maximum resident set size over a few runs of each command.
for i in 0 1 2; do
    for _ in 1 2 3 4 5; do
        # shellcheck disable=SC2086  # the commands are split at blanks on purpose
        /usr/bin/time -f %M -o "$work/rss" ${commands[$i]} 2>/dev/null
        cat "$work/rss"
    done >"$work/rss.$i"
done

pages=$(pdfinfo "$work/libretto.pdf" | sed -n 's/^Pages: *//p')
python3 - "$work" "$pages" <<'PY'
import json, statistics, sys
work, pages = sys.argv[1], sys.argv[2]
results = json.load(open(f"{work}/times.json"))["results"]
ms = [statistics.median(r["times"]) * 1000 for r in results]
mib = [statistics.median(int(l) for l in open(f"{work}/rss.{i}")) / 1024 for i in range(3)]
names = ["libretto (%s fogli)" % pages, "pavimento vuoto", "pavimento testo"]
print()
print("%-22s %12s %14s" % ("", "mediana", "memoria max"))
for name, t, m in zip(names, ms, mib):
    print("%-22s %9.1f ms %10.1f MiB" % (name, t, m))
print("%-22s %12.2f %14.2f" % ("libretto / vuoto", ms[0] / ms[1], mib[0] / mib[1]))
print("%-22s %12.2f %14.2f   (obiettivo <= 1.3)" % ("libretto / testo", ms[0] / ms[2], mib[0] / mib[2]))
PY
