#!/usr/bin/env python3
"""Mutation check: does the test suite notice small faults in the product code?

Each entry of tools/mutations.txt replaces one exact text in one file. The entries are
applied one at a time to a scratch copy of the tree (never to the tree itself), the test
targets the entry names are rebuilt in the scratch copy's own build folder, those tests run,
and the file is put back. A mutation is caught when a test fails (or runs out of time),
survived when all pass, invalid when it does not build, stale when its text is not found
exactly once. Equivalent mutations (marked in the list) are shown but neither run nor counted.

    tools/mutate.py --list                      # the entries, stale ones flagged
    tools/mutate.py --area rules --area sound   # a subset by area ...
    tools/mutate.py --id score-win-bonus        # ... or by id
    tools/mutate.py                             # all of them (slow: one rebuild each)
    tools/mutate.py --summary build-mutate/results.tsv
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from collections import OrderedDict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FIELDS = ("id", "area", "file", "find", "replace", "tests", "build", "equivalent", "why")
COUNTED = ("caught", "survived")


class Mutation:
    def __init__(self, fields, line):
        self.line = line
        self.id = fields.get("id", "")
        self.area = fields.get("area", "")
        self.file = fields.get("file", "")
        self.find = unescape(fields.get("find", ""))
        self.replace = unescape(fields.get("replace", ""))
        self.tests = fields.get("tests", "").split()
        self.build = fields.get("build", "").split()
        self.equivalent = fields.get("equivalent", "")
        self.why = fields.get("why", "")
        self.complete = "replace" in fields

    def problem(self, tree):
        """Why the entry cannot be applied to tree, or '' when it can."""
        path = tree / self.file
        if not path.is_file():
            return f"file {self.file} not found"
        if self.find == self.replace:
            return "the replacement is the text itself"
        count = path.read_text(encoding="utf-8", errors="surrogateescape").count(self.find)
        if count != 1:
            return f"text occurs {count} times in {self.file} (must be once)"
        return ""


def unescape(text):
    """\\n is a line end, \\t a TAB, \\\\ one backslash; any other backslash stays as it is."""
    marks = {"n": "\n", "t": "\t", "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: marks.get(m.group(1), m.group(0)), text)


def read_list(path):
    """Entries are blocks of 'key: value' lines, each block starting with 'id:'."""
    mutations, fields, start = [], {}, 0
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        key, sep, value = raw.partition(":")
        key = key.strip()
        if not sep or key not in FIELDS:
            sys.exit(f"{path}:{number}: expected 'key: value' with a key of {', '.join(FIELDS)}")
        if key == "id" and fields:
            mutations.append(Mutation(fields, start))
            fields = {}
        if key == "id":
            start = number
        fields[key] = value[1:] if value.startswith(" ") else value
    if fields:
        mutations.append(Mutation(fields, start))
    ids = set()
    for m in mutations:
        missing = [k for k in ("id", "area", "file", "find", "tests") if not getattr(m, k)]
        if missing or not m.complete or m.id in ids:
            sys.exit(f"{path}:{m.line}: entry {m.id or '?'} lacks {missing} or repeats its id")
        ids.add(m.id)
    return mutations


def tracked_files():
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return [f for f in out.decode().split("\0") if f and (ROOT / f).is_file()]


def sync_copy(src):
    """Brings the scratch copy in line with the tree; unchanged files keep their times."""
    files = tracked_files()
    for name in files:
        source, target = ROOT / name, src / name
        if target.is_file() and target.read_bytes() == source.read_bytes():
            continue
        # A fresh time, so that make rebuilds from it whatever the scratch build holds.
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
        shutil.copymode(source, target)
    keep = set(files)
    for folder, subfolders, names in os.walk(src):
        if Path(folder) == src and "build" in subfolders:
            subfolders.remove("build")
        for name in names:
            if os.path.relpath(os.path.join(folder, name), src) not in keep:
                os.unlink(os.path.join(folder, name))


def run(cmd, log, timeout, env=None):
    """Runs cmd in a session of its own; returns (exit code or None on time-out, output)."""
    with subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env,
                          start_new_session=True, text=True, errors="replace") as proc:
        try:
            output, _ = proc.communicate(timeout=timeout)
        except (subprocess.TimeoutExpired, KeyboardInterrupt) as stop:
            os.killpg(proc.pid, signal.SIGKILL)
            output, _ = proc.communicate()
            log.write(output)
            if isinstance(stop, KeyboardInterrupt):
                raise
            return None, output
    log.write(output)
    return proc.returncode, output


class Runner:
    def __init__(self, work, timeout, log):
        # The build folder sits inside the copy as in the tree, so ccache finds the tree's objects.
        self.src, self.build = work / "tree", work / "tree" / "build"
        self.timeout, self.log = timeout, log
        self.env = dict(os.environ, CMAKE_CXX_COMPILER_LAUNCHER="ccache",
                        QT_QPA_PLATFORM="offscreen")
        fonts = self.src / "tests" / "fonts.conf"
        if fonts.is_file():
            self.env["FONTCONFIG_FILE"] = str(fonts)
        self.targets = None

    def configure(self):
        code, out = run(["cmake", "-S", str(self.src), "-B", str(self.build),
                         "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], self.log, None, self.env)
        if code != 0:
            sys.exit(f"configuring the scratch copy failed:\n{out[-3000:]}")
        code, out = run(["cmake", "--build", str(self.build), "--target", "help"], self.log,
                        None, self.env)
        self.targets = set(re.findall(r"^\.\.\. (\S+)", out, re.M))

    def build_targets(self, m):
        return m.build or [t for t in m.tests if t in self.targets]

    def attempt(self, tests, targets, build_timeout):
        """Builds targets and runs tests: ('invalid'|'caught'|'survived', failed tests)."""
        cmd = ["cmake", "--build", str(self.build), "-j2", "--target", *targets]
        code = run(cmd, self.log, build_timeout, self.env)[0] if targets else 0
        if code != 0:
            return "invalid", ["(build time-out)"] if code is None else []
        pattern = "^(" + "|".join(re.escape(t) for t in tests) + ")$"
        code, out = run(["ctest", "--test-dir", str(self.build), "-j2", "-R", pattern,
                         "--output-on-failure"], self.log, self.timeout, self.env)
        if code is None:
            return "caught", ["(time-out)"]
        if re.search(r"No tests were found", out):
            sys.exit(f"no test matches {pattern}: check the tests named in the list")
        failed = re.findall(r"^\s*\d+ - (\S+) \(", out.split("tests FAILED:")[-1], re.M)
        if code == 0:
            return "survived", []
        return "caught", failed if "tests FAILED:" in out else ["(ctest failed)"]

    def mutate(self, m):
        path = self.src / m.file
        original = path.read_bytes()
        text = original.decode("utf-8", errors="surrogateescape")
        path.write_bytes(text.replace(m.find, m.replace).encode("utf-8", "surrogateescape"))
        try:
            return self.attempt(m.tests, self.build_targets(m), self.timeout)
        finally:
            path.write_bytes(original)


def summarise(rows):
    """rows: (area, status); prints caught/survived per area and the catch rate."""
    areas = OrderedDict()
    for area, status in rows:
        areas.setdefault(area, {}).setdefault(status, 0)
        areas[area][status] += 1
    columns = ("caught", "survived", "invalid", "equivalent", "stale")
    print(f"\n{'area':<12}" + "".join(f"{c:>11}" for c in columns) + f"{'rate':>8}")
    total = {c: 0 for c in columns}
    for area, counts in list(areas.items()) + [("all", None)]:
        counts = counts or total
        for c in columns:
            if area != "all":
                total[c] += counts.get(c, 0)
        counted = sum(counts.get(c, 0) for c in COUNTED)
        rate = f"{100 * counts.get('caught', 0) / counted:.0f} %" if counted else "-"
        print(f"{area:<12}" + "".join(f"{counts.get(c, 0):>11}" for c in columns) + f"{rate:>8}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list-file", type=Path, default=ROOT / "tools" / "mutations.txt")
    parser.add_argument("--work", type=Path, default=ROOT / "build-mutate",
                        help="scratch copy and its build folder (kept for the next run)")
    parser.add_argument("--area", action="append", help="run only this area (repeatable)")
    parser.add_argument("--id", action="append", help="run only this mutation (repeatable)")
    parser.add_argument("--test", action="append",
                        help="run only the mutations this test should catch (repeatable)")
    parser.add_argument("--list", action="store_true", help="show the entries and stop")
    parser.add_argument("--timeout", type=int, default=900,
                        help="seconds for one mutation's build, and again for its tests")
    parser.add_argument("--results", type=Path, help="TSV written as the run goes "
                        "(default: <work>/results.tsv)")
    parser.add_argument("--summary", type=Path, help="print the table of a results file")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip checking that the unmutated copy passes the chosen tests")
    args = parser.parse_args()

    if args.summary:
        lines = args.summary.read_text(encoding="utf-8").splitlines()[1:]
        summarise([tuple(line.split("\t")[1:3]) for line in lines if line])
        return 0

    mutations = read_list(args.list_file)
    chosen = [m for m in mutations if (not args.area or m.area in args.area)
              and (not args.id or m.id in args.id)
              and (not args.test or set(args.test) & set(m.tests))]
    unknown = set(args.id or []) - {m.id for m in mutations}
    if unknown or not chosen:
        sys.exit(f"nothing to run (unknown ids: {', '.join(sorted(unknown)) or 'none'})")
    if args.list:
        for m in chosen:
            flag = m.problem(ROOT)
            flag = f"STALE: {flag}" if flag else ("equivalent" if m.equivalent else "")
            print(f"{m.id:<28} {m.area:<10} {m.file:<40} {' '.join(m.tests)}  {flag}")
        print(f"{len(chosen)} mutations")
        return 0

    args.work.mkdir(parents=True, exist_ok=True)
    results = args.results or args.work / "results.tsv"
    with open(args.work / "mutate.log", "w", encoding="utf-8") as log, \
            open(results, "w", encoding="utf-8") as out:
        out.write("id\tarea\tstatus\tseconds\tfailed tests\n")
        runner = Runner(args.work, args.timeout, log)
        sync_copy(runner.src)
        runner.configure()
        rows = []
        to_run = [m for m in chosen if not m.equivalent and not m.problem(runner.src)]
        if to_run and not args.no_baseline:
            tests = sorted({t for m in to_run for t in m.tests})
            targets = sorted({t for m in to_run for t in runner.build_targets(m)})
            began = time.monotonic()
            # The first build of the copy may take long; it has no time limit.
            status, failed = runner.attempt(tests, targets, None)
            print(f"baseline: {len(tests)} tests {status} in {time.monotonic() - began:.0f} s")
            if status != "survived":
                sys.exit(f"the unmutated copy does not pass: {status} {' '.join(failed)} "
                         f"(see {args.work / 'mutate.log'})")
        for m in chosen:
            began, failed = time.monotonic(), []
            problem = m.problem(runner.src)
            if problem:
                status = "stale"
                print(f"STALE {m.id} ({args.list_file.name}:{m.line}): {problem}")
            elif m.equivalent:
                status = "equivalent"
            else:
                log.write(f"\n===== {m.id}\n")
                status, failed = runner.mutate(m)
            seconds = time.monotonic() - began
            detail = " ".join(failed) or m.equivalent or problem
            print(f"{status:<10} {m.id:<28} {m.area:<10} {seconds:5.0f} s  {detail}", flush=True)
            out.write(f"{m.id}\t{m.area}\t{status}\t{seconds:.0f}\t{detail}\n")
            out.flush()
            rows.append((m.area, status))
    summarise(rows)
    return 0


if __name__ == "__main__":
    sys.exit(main())
