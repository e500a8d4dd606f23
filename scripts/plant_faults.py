#!/usr/bin/env python3
"""Plants faults into a scratch copy of the tree, one at a time, and records whether the test
suite catches each.

The faults are rows of a table (tests/planted_faults.tsv, tab-separated): an id, what the fault
breaks, an exact snippet of program source that occurs once outside tests/, and its
replacement. "\\n" and "\\t" in the snippet and the replacement stand for a line feed and a tab,
"\\\\" for one backslash (so that source text such as '\\n' can be written as '\\\\n').
Snippets are found by content, not by file and line, so the table stays valid when files move.

For each fault the snippet is replaced in the scratch copy, the copy is built incrementally and
the suite runs (the quick tests first; the end-to-end journeys only when the quick ones all
pass). The outcome is one of: caught, missed, does-not-build, snippet-gone (the snippet occurs
no longer, or more than once). The scratch file is always restored; the real tree is never
touched.

A test that fails on the unchanged tree (where the journeys run twice) judges with its other
QtTest functions only. A failure of a journey or of the print queue's test counts only when it
repeats: they drive a real window on a loaded machine, and print through the one cups-pdf
folder of the user, which another checkout's tests may be using (those tests wait for it).

    python3 scripts/plant_faults.py                 every fault of the table
    python3 scripts/plant_faults.py --only F01,F07  some of them
    python3 scripts/plant_faults.py --quick         without the journeys

Results go to build-faults/results.tsv (after every fault), the log to
build-faults/plant_faults.log and a summary to standard output.
"""

import argparse
import csv
import os
import re
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
# The formatting and size checks say nothing about behaviour (and find no repository in the
# scratch copy): a fault is never "caught" by them.
NOT_BEHAVIOUR = "^(format|test_ratio)$"
# Tests that print through the machine's cups-pdf folder.
PRINTING_TESTS = "tests/journeys/tst_journeys|tests/print/tst_cups_print"
# Tests whose failure counts only when it repeats: they print through that folder, the journeys
# drive a real window on a loaded machine.
UNSTEADY_TESTS = "^(tst_journeys|tst_cups_print)$"
JOBS = str(os.cpu_count() or 2)
QUICK_PASS = ["-j", JOBS, "--timeout", "300", "-E", f"{SLOW_TESTS}|{NOT_BEHAVIOUR}"]
# The journeys need the print queue's fixture.
SLOW_PASS = ["--timeout", "600", "-R", SLOW_TESTS + "|cups_queue"]

ESCAPES = {"\\": "\\", "n": "\n", "t": "\t"}


def unescape(text):
    # One pass: "\\\\n" in the table is a backslash and an n, not a backslash and a line feed.
    return re.sub(r"\\([\\nt])", lambda m: ESCAPES[m.group(1)], text)


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
    return run(["cmake", "--build", ".", "-j", JOBS], log) == 0


STATUS_LINE = re.compile(r"^\s*\d+/\d+ Test\s+#\d+: (\S+) ")
QTEST_FAIL = re.compile(r"^FAIL!\s+:\s+[\w:]+::(\w+)\(")
WHOLE_TEST = "*"  # a test that failed without naming a function: crashed, timed out, a script


def failing_tests(log_text):
    """The failures in ctest's output: each failing test with the set of its QtTest functions
    that failed (WHOLE_TEST when it names none)."""
    names = []
    collecting = False
    functions = {}
    current = None
    for line in log_text.splitlines():
        if "The following tests FAILED:" in line:
            collecting = True
            continue
        if collecting:
            parts = line.split(" - ")
            if len(parts) < 2:
                collecting = False
                continue
            name, _, reason = parts[1].partition(" (")
            names.append((name.strip(), reason.rstrip(")").strip()))
            continue
        # --output-on-failure prints a failed test's output right after its status line.
        status = STATUS_LINE.match(line)
        if status:
            current = status.group(1)
        elif current and (fail := QTEST_FAIL.match(line)):
            functions.setdefault(current, set()).add(fail.group(1))
    # A crash or a timeout is more than the functions that failed before it.
    return {name: functions.get(name, set()) | ({WHOLE_TEST} if reason != "Failed" else set())
            or {WHOLE_TEST} for name, reason in names}


def ctest(arguments, log):
    """Runs ctest; returns its failures (see failing_tests), empty when all pass."""
    start = Path(log).stat().st_size if Path(log).exists() else 0
    code = run(["ctest", "--output-on-failure", *arguments], log)
    # start counts bytes: the log holds UTF-8 (compiler quotes, Italian messages).
    failed = failing_tests(Path(log).read_bytes()[start:].decode("utf-8", errors="replace"))
    if code != 0 and not failed:
        failed = {"(ctest failed)": {WHOLE_TEST}}
    return failed


def new_failures(failed, known):
    """The failures that the unchanged tree does not have: each test with the functions that do
    not fail there (all of a test that passes there; none of one that fails there as a whole)."""
    found = {}
    for name, functions in failed.items():
        if name not in known:
            found[name] = functions
        elif WHOLE_TEST not in known[name] and functions - known[name]:
            found[name] = functions - known[name]
    return found


def in_both(first, second):
    """The failures of two runs that are the same test and function in both."""
    return {name: functions & second[name] for name, functions in first.items()
            if name in second and functions & second[name]}


def described(failures, known):
    """"test" for a test that passes on the unchanged tree, else "test:function,..."."""
    return [f"{name}:{','.join(sorted(functions))}" if name in known else name
            for name, functions in failures.items()]


def wait_for_print_folder(log, limit=1800):
    """Waits (at most limit seconds) while another checkout on this machine runs the tests that
    print through cups-pdf: its PDFs land in the same folder of the same user, and the journeys
    would take each other's."""
    started = time.monotonic()
    while time.monotonic() - started < limit:
        busy = subprocess.run(["pgrep", "-f", PRINTING_TESTS], capture_output=True, text=True)
        if busy.returncode != 0:
            return
        time.sleep(10)
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n(still busy after {limit} s: {PRINTING_TESTS} of another checkout)\n")


def run_pass(arguments, log, known):
    """Runs one pass of ctest; returns its new failures and a note. A failure of a test that
    prints through the machine's queue or drives a real window counts only when it repeats."""
    failed = new_failures(ctest(arguments, log), known)
    if not any(re.search(UNSTEADY_TESTS, name) for name in failed):
        return failed, ""
    wait_for_print_folder(log)
    both = in_both(failed, new_failures(ctest(arguments, log), known))
    once = {name: functions - both.get(name, set()) for name, functions in failed.items()}
    once = described({name: functions for name, functions in once.items() if functions}, known)
    return both, ("failed once, passed again: " + " ".join(once)) if once else ""


def run_suite(log, quick, known):
    """Runs the suite; returns the failures that the unchanged tree's failures (known) do not
    explain (empty when there are none) as described(), and a note naming the tests that
    failed once but not again."""
    wait_for_print_folder(log)
    failed, note = run_pass(QUICK_PASS, log, known)
    if not failed and not quick:
        wait_for_print_folder(log)
        failed, slow_note = run_pass(SLOW_PASS, log, known)
        note = " ".join(filter(None, [note, slow_note]))
    return described(failed, known), note


def baseline_failures(log, quick, slow_runs=2):
    """The failures of the unchanged tree, each test with its failing functions. The journeys
    run more than once: a function that fails in any run is unreliable and judges nothing."""
    wait_for_print_folder(log)
    known = ctest(QUICK_PASS, log)
    for _ in range(0 if quick else slow_runs):
        wait_for_print_folder(log)
        for name, functions in ctest(SLOW_PASS, log).items():
            known[name] = known.get(name, set()) | functions
    return known


def write_results(path, results):
    # Plain tab-separated lines like the table (a csv writer would quote every '"').
    columns = ["id", "breaks", "file", "outcome", "tests", "note", "seconds"]
    with open(path, "w", encoding="utf-8") as out:
        out.write("\t".join(columns) + "\n")
        for r in results:
            out.write("\t".join(r[c] for c in columns) + "\n")


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
    # A test that fails on the unchanged tree still judges with its other functions.
    known = baseline_failures(log, args.quick)
    for name, functions in sorted(known.items()):
        print(f"the unchanged tree fails {name}: {', '.join(sorted(functions))}; "
              + ("it judges nothing" if WHOLE_TEST in functions else "its other functions judge"),
              flush=True)

    results = []
    for fault in faults:
        started = time.monotonic()
        name = locate(fault["snippet"], sources)
        outcome, failed, note = "snippet-gone", [], ""
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
                    failed, note = run_suite(log, args.quick, known)
                    outcome = "caught" if failed else "missed"
            finally:
                path.write_bytes(original)
        seconds = time.monotonic() - started
        results.append({**fault, "file": str(name or ""), "outcome": outcome,
                        "tests": " ".join(failed), "note": note, "seconds": f"{seconds:.0f}"})
        print(f"{fault['id']:5} {outcome:15} {str(name or ''):45} {' '.join(failed)}",
              flush=True)
        # Written after every fault: a run of an hour or more that stops keeps what it found.
        write_results(args.out, results)

    # Put the restored sources back into the build, so that the next run starts clean.
    build(log)
    caught = sum(r["outcome"] == "caught" for r in results)
    judged = sum(r["outcome"] in ("caught", "missed") for r in results)
    print(f"\ncaught {caught} of {judged} faults that build "
          f"({len(results) - judged} not judged); table in {args.out}")
    missed = [r["id"] for r in results if r["outcome"] == "missed"]
    if missed:
        print("missed: " + ", ".join(missed))


if __name__ == "__main__":
    main()
