#!/usr/bin/env python3
"""Planted-fault check of the Qt-free core.

Plants one fault at a time from tests/mutants.txt into the source tree,
rebuilds the core tests incrementally, runs them with a time limit and
restores the file. A fault is caught when the tests fail (or hang); missed
when they pass. Prints one line per fault and a total per subsystem.

List format, one fault a line (blank lines and lines starting with # are
skipped); fields are separated by " | ":
    subsystem | file | pattern | replacement | the real slip it stands for
A "⏎" in a pattern stands for a line break; runs of blanks and line breaks
in a pattern match any run of white space in the source. A line "filter | subsystem | gtest filter" limits the
tests run for that subsystem's faults to the suites that check it (the whole
core suite runs otherwise). The pattern must
occur exactly once in the file, so that every fault is planted where it was
meant to be; a pattern that no longer occurs once is reported as "no longer
applies" and left out of the totals, and so is a fault that does not compile.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-mutate")
THRESHOLD = 90.0


def parse_list(path):
    faults, filters = [], {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            text = line.rstrip("\n")
            if not text.strip() or text.lstrip().startswith("#"):
                continue
            fields = [part.strip() for part in text.split(" | ")]
            if fields[0] == "filter" and len(fields) == 3:
                filters[fields[1]] = fields[2]
                continue
            if len(fields) != 5:
                sys.exit(f"{path}:{number}: expected 5 fields separated by ' | '")
            subsystem, file, pattern, replacement, why = fields
            faults.append(
                {
                    "line": number,
                    "subsystem": subsystem,
                    "file": file,
                    "pattern": pattern.replace("\\x7c", "|"),
                    "replacement": replacement.replace("\\x7c", "|"),
                    "why": why,
                }
            )
    return faults, filters


def pattern_regex(pattern):
    words = re.split(r"(?:\s|⏎)+", pattern.strip())
    return re.compile(r"\s*".join(re.escape(w) for w in words if w))


def run(cmd, timeout, env=None):
    try:
        done = subprocess.run(
            cmd, cwd=BUILD, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            timeout=timeout, env=env)
        return done.returncode
    except subprocess.TimeoutExpired:
        return None


def configure():
    cmd = ["cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release"]
    if shutil.which("ccache"):
        cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)


def build(timeout=900):
    return run(["cmake", "--build", BUILD, "-j", str(os.cpu_count() or 2), "--target",
                "core_tests"], timeout)


def tests_pass(timeout, gtest_filter=None):
    """Runs the core tests split over the machine's cores; False on any failure or hang."""
    shards = max(1, min(os.cpu_count() or 2, 4))
    procs = []
    start = time.monotonic()
    for index in range(shards):
        env = dict(os.environ, GTEST_TOTAL_SHARDS=str(shards), GTEST_SHARD_INDEX=str(index))
        if gtest_filter:
            env["GTEST_FILTER"] = gtest_filter
        procs.append(subprocess.Popen([os.path.join(BUILD, "core_tests")], cwd=BUILD, env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    ok = True
    for proc in procs:
        left = max(1.0, timeout - (time.monotonic() - start))
        try:
            ok = proc.wait(timeout=left) == 0 and ok
        except subprocess.TimeoutExpired:
            ok = False
    for proc in procs:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=os.path.join(ROOT, "tests", "mutants.txt"))
    parser.add_argument("--only", help="run only the faults of this subsystem")
    parser.add_argument("--timeout", type=float, default=120, help="seconds per test run")
    args = parser.parse_args()

    faults, filters = parse_list(args.list)
    if args.only:
        faults = [f for f in faults if f["subsystem"] == args.only]
    configure()
    if build() != 0:
        sys.exit("the unchanged core does not build")
    if not tests_pass(args.timeout):
        sys.exit("the unchanged core tests fail: fix them before planting faults")

    totals = {}
    started = time.monotonic()
    for fault in faults:
        path = os.path.join(ROOT, fault["file"])
        tally = totals.setdefault(fault["subsystem"], {"caught": 0, "missed": 0, "gone": 0})
        original = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        regex = pattern_regex(fault["pattern"])
        count = len(regex.findall(original)) if original is not None else 0
        if count != 1:
            verdict = "no longer applies"
            tally["gone"] += 1
        else:
            replacement = fault["replacement"].replace("⏎", "\n")
            mutated = regex.sub(lambda _: replacement, original, count=1)
            try:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(mutated)
                built = build()
                if built != 0:
                    verdict = "no longer applies (does not compile)"
                    tally["gone"] += 1
                elif tests_pass(args.timeout, filters.get(fault["subsystem"])):
                    verdict = "missed"
                    tally["missed"] += 1
                else:
                    verdict = "caught"
                    tally["caught"] += 1
            finally:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(original)
        print(f"{verdict:<36} {fault['subsystem']:<12} list line {fault['line']:<4} "
              f"{fault['file']}: {fault['why']}", flush=True)

    build()
    print()
    print(f"{'subsystem':<14} {'caught':>7} {'missed':>7} {'gone':>5} {'share':>7}")
    below = []
    for name, t in totals.items():
        live = t["caught"] + t["missed"]
        share = 100.0 * t["caught"] / live if live else 100.0
        if share < THRESHOLD:
            below.append(name)
        print(f"{name:<14} {t['caught']:>7} {t['missed']:>7} {t['gone']:>5} {share:>6.1f}%")
    minutes = (time.monotonic() - started) / 60
    print(f"\n{sum(t['caught'] for t in totals.values())} caught, "
          f"{sum(t['missed'] for t in totals.values())} missed in {minutes:.1f} min")
    if below:
        print("below " + f"{THRESHOLD:.0f} %: " + ", ".join(below))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
