#!/usr/bin/env python3
"""Plants faults into a scratch copy of the tree, one at a time, and records whether the test
suite catches each.

The faults are rows of a table (tests/planted_faults.tsv, tab-separated): an id, what the fault
breaks, an exact snippet of program source that occurs once outside tests/, and its
replacement. "\\n" and "\\t" in the snippet and the replacement stand for a line feed and a tab.
Snippets are found by content, not by file and line, so the table stays valid when files move.

For each fault the snippet is replaced in the scratch copy, the copy is built incrementally and
the suite runs (the quick tests first; the end-to-end journeys only when the quick ones all
pass). The outcome is one of: caught, missed, does-not-build, snippet-gone (the snippet occurs
no longer, or more than once). The scratch file is always restored; the real tree is never
touched.

    python3 scripts/plant_faults.py                 every fault of the table
    python3 scripts/plant_faults.py --only F01,F07  some of them
    python3 scripts/plant_faults.py --quick         without the journeys

Results go to build-faults/results.tsv and a summary to standard output.
"""

import argparse
import csv
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build-faults"
TREE = WORK / "tree"
BUILD = WORK / "build"
SOURCE_SUFFIXES = {".cpp", ".h", ".json"}
# Tests that need a display, a print queue or an installation: run only when the rest pass.
SLOW_TESTS = "journeys|install"


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_table(path):
    faults = []
    with open(path, newline="", encoding="utf-8") as table:
        for row in csv.reader(table, delimiter="\t", quoting=csv.QUOTE_NONE):
            if not row or row[0].startswith("#") or row[0] == "id":
                continue
            if len(row) != 4:
                sys.exit(f"{path}: row {row[0]!r} has {len(row)} columns, not 4")
            faults.append({"id": row[0], "breaks": row[1], "snippet": unescape(row[2]),
                           "replacement": unescape(row[3])})
    return faults


def tracked_files():
    listing = subprocess.run(["git", "ls-files", "-z", "--cached", "--others",
                              "--exclude-standard"], cwd=ROOT, check=True,
                             capture_output=True).stdout
    return [Path(name) for name in listing.decode().split("\0")
            if name and (ROOT / name).is_file()]


def sync_tree(files):
    """Copies the tree into the scratch folder, leaving unchanged files (and their times) alone
    so that the scratch build stays incremental."""
    wanted = set()
    for name in files:
        wanted.add(name)
        source, target = ROOT / name, TREE / name
        data = source.read_bytes()
        if target.is_file() and target.read_bytes() == data:
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        shutil.copymode(source, target)
    for path in TREE.rglob("*"):
        if path.is_file() and path.relative_to(TREE) not in wanted:
            path.unlink()


def program_sources(files):
    return [name for name in files
            if name.suffix in SOURCE_SUFFIXES and name.parts[0] not in ("tests", "build")
            and not name.parts[0].startswith("build")]


def locate(snippet, sources):
    """The one program file holding the snippet once; None when none or several do."""
    found = []
    for name in sources:
        count = (TREE / name).read_text(encoding="utf-8", errors="surrogateescape").count(snippet)
        found.extend([name] * count)
    return found[0] if len(found) == 1 else None


def run(command, log, timeout=None):
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(command)}\n")
        out.flush()
        try:
            return subprocess.run(command, cwd=BUILD, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return 124


def build(log):
    jobs = str(os.cpu_count() or 2)
    return run(["cmake", "--build", ".", "-j", jobs], log) == 0


def failing_tests(log_text):
    names = []
    collecting = False
    for line in log_text.splitlines():
        if "The following tests FAILED:" in line:
            collecting = True
            continue
        if collecting:
            parts = line.split(" - ")
            if len(parts) < 2:
                collecting = False
                continue
            names.append(parts[1].split(" (")[0].strip())
    return names


def run_suite(log, quick):
    """Runs the suite; returns the names of the failing tests (empty when all pass)."""
    jobs = str(os.cpu_count() or 2)
    start = Path(log).stat().st_size if Path(log).exists() else 0
    code = run(["ctest", "-j", jobs, "--timeout", "300", "-E", SLOW_TESTS], log)
    if code == 0 and not quick:
        code = run(["ctest", "--timeout", "600", "-R", SLOW_TESTS + "|cups_queue"], log)
    text = Path(log).read_text(encoding="utf-8", errors="replace")[start:]
    failed = failing_tests(text)
    if code != 0 and not failed:
        failed = ["(ctest failed)"]
    return failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--table", default=str(ROOT / "tests" / "planted_faults.tsv"))
    parser.add_argument("--only", help="comma-separated fault ids")
    parser.add_argument("--quick", action="store_true", help="leave out the journeys")
    parser.add_argument("--out", default=str(WORK / "results.tsv"))
    args = parser.parse_args()

    faults = read_table(args.table)
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f["id"] in wanted]
    WORK.mkdir(exist_ok=True)
    log = WORK / "plant_faults.log"
    log.write_text("")

    files = tracked_files()
    sync_tree(files)
    sources = program_sources(files)
    BUILD.mkdir(exist_ok=True)
    os.environ.setdefault("CCACHE_BASEDIR", str(TREE))
    os.environ.setdefault("CCACHE_NOHASHDIR", "1")
    if run(["cmake", "-S", str(TREE), "-B", ".", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], log) != 0 \
            or not build(log):
        sys.exit(f"the unchanged tree does not build; see {log}")
    baseline = run_suite(log, args.quick)
    if baseline:
        sys.exit(f"the unchanged tree fails {', '.join(baseline)}; see {log}")

    results = []
    for fault in faults:
        started = time.monotonic()
        name = locate(fault["snippet"], sources)
        outcome, failed = "snippet-gone", []
        if name is not None:
            path = TREE / name
            original = path.read_bytes()
            try:
                text = original.decode("utf-8", errors="surrogateescape")
                path.write_bytes(text.replace(fault["snippet"], fault["replacement"], 1)
                                 .encode("utf-8", errors="surrogateescape"))
                with open(log, "a", encoding="utf-8") as out:
                    out.write(f"\n===== {fault['id']}: {fault['breaks']} ({name})\n")
                if not build(log):
                    outcome = "does-not-build"
                else:
                    failed = run_suite(log, args.quick)
                    outcome = "caught" if failed else "missed"
            finally:
                path.write_bytes(original)
        seconds = time.monotonic() - started
        results.append({**fault, "file": str(name or ""), "outcome": outcome,
                        "tests": " ".join(failed), "seconds": f"{seconds:.0f}"})
        print(f"{fault['id']:5} {outcome:15} {str(name or ''):45} {' '.join(failed)}",
              flush=True)

    # Put the restored sources back into the build, so that the next run starts clean.
    build(log)
    with open(args.out, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, delimiter="\t", lineterminator="\n")
        writer.writerow(["id", "breaks", "file", "outcome", "tests", "seconds"])
        for r in results:
            writer.writerow([r["id"], r["breaks"], r["file"], r["outcome"], r["tests"],
                             r["seconds"]])
    caught = sum(r["outcome"] == "caught" for r in results)
    judged = sum(r["outcome"] in ("caught", "missed") for r in results)
    print(f"\ncaught {caught} of {judged} faults that build "
          f"({len(results) - judged} not judged); table in {args.out}")
    missed = [r["id"] for r in results if r["outcome"] == "missed"]
    if missed:
        print("missed: " + ", ".join(missed))


if __name__ == "__main__":
    main()
