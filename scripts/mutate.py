#!/usr/bin/env python3
"""Planted-fault check of the Qt-free core.

Plants one fault at a time from tests/mutants.txt, rebuilds the core tests
incrementally, runs them with a time limit and restores the file. A fault is
caught when the tests fail (or hang); missed when they pass. Prints one line
per fault and a total per subsystem.

The faults are planted in private copies of the tree under build-mutate/ (one
per worker, as many workers as cores), never in the checkout itself, so an
interrupted check leaves the sources as they were.

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
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build-mutate")
THRESHOLD = 90.0
# What a worker's copy needs to configure and build the core tests.
TREE_PARTS = ["CMakeLists.txt", "cmake", "src", "tests", "packaging", "bench", "tools"]


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


class Worker:
    """A private copy of the tree with its own build directory."""

    def __init__(self, index, jobs):
        self.tree = os.path.join(WORK, f"w{index}", "tree")
        self.build_dir = os.path.join(WORK, f"w{index}", "build")
        self.jobs = jobs

    def copy_tree(self):
        os.makedirs(self.tree, exist_ok=True)
        for part in TREE_PARTS:
            source = os.path.join(ROOT, part)
            target = os.path.join(self.tree, part)
            if os.path.isdir(source):
                # Copying over the old copy keeps unchanged files' times, so
                # the incremental build stays incremental between checks.
                shutil.copytree(source, target, dirs_exist_ok=True,
                                copy_function=copy_if_changed)
            elif os.path.exists(source):
                copy_if_changed(source, target)

    def run(self, cmd, timeout, env=None):
        try:
            done = subprocess.run(cmd, cwd=self.build_dir, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL, timeout=timeout, env=env)
            return done.returncode
        except subprocess.TimeoutExpired:
            return None

    def configure(self):
        os.makedirs(self.build_dir, exist_ok=True)
        cmd = ["cmake", "-S", self.tree, "-B", self.build_dir, "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=Release"]
        if shutil.which("ccache"):
            cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, env=ccache_env())

    def build(self, timeout=1200):
        return self.run(["cmake", "--build", self.build_dir, "-j", str(self.jobs),
                         "--target", "core_tests"], timeout, env=ccache_env())

    def tests_pass(self, timeout, gtest_filter=None, shards=1):
        """Runs the core tests (split into shards); False on any failure or hang."""
        procs = []
        start = time.monotonic()
        for index in range(shards):
            env = dict(os.environ, GTEST_TOTAL_SHARDS=str(shards), GTEST_SHARD_INDEX=str(index))
            if gtest_filter:
                env["GTEST_FILTER"] = gtest_filter
            procs.append(subprocess.Popen([os.path.join(self.build_dir, "core_tests")],
                                          cwd=self.build_dir, env=env,
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

    def verdict(self, fault, filters, timeout):
        path = os.path.join(self.tree, fault["file"])
        original = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        regex = pattern_regex(fault["pattern"])
        if original is None or len(regex.findall(original)) != 1:
            return "no longer applies"
        replacement = fault["replacement"].replace("⏎", "\n")
        mutated = regex.sub(lambda _: replacement, original, count=1)
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(mutated)
            if self.build() != 0:
                return "no longer applies (does not compile)"
            if self.tests_pass(timeout, filters.get(fault["subsystem"])):
                return "missed"
            return "caught"
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)


def copy_if_changed(source, target):
    if os.path.exists(target):
        with open(source, "rb") as a, open(target, "rb") as b:
            if a.read() == b.read():
                return target
    return shutil.copy2(source, target)


def ccache_env():
    # Paths relative to the work folder make the workers' copies share cached objects.
    return dict(os.environ, CCACHE_BASEDIR=WORK, CCACHE_NOHASHDIR="1")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=os.path.join(ROOT, "tests", "mutants.txt"))
    parser.add_argument("--only", help="run only the faults of this subsystem")
    parser.add_argument("--timeout", type=float, default=120, help="seconds per test run")
    parser.add_argument("--workers", type=int, default=os.cpu_count() or 2,
                        help="faults checked side by side (default: the number of cores)")
    args = parser.parse_args()

    faults, filters = parse_list(args.list)
    if args.only:
        faults = [f for f in faults if f["subsystem"] == args.only]
    started = time.monotonic()
    cores = os.cpu_count() or 2
    workers = [Worker(i, max(1, cores // max(1, args.workers))) for i in range(max(1, args.workers))]
    # The first copy builds with every core; the others then mostly reuse its objects.
    for number, worker in enumerate(workers):
        worker.copy_tree()
        worker.configure()
        worker.jobs = cores
        if worker.build() != 0:
            sys.exit("the unchanged core does not build")
        worker.jobs = max(1, cores // len(workers))
        if number == 0 and not worker.tests_pass(args.timeout, shards=cores):
            sys.exit("the unchanged core tests fail: fix them before planting faults")

    results = {}
    pending = list(enumerate(faults))
    lock = threading.Lock()

    def work(worker):
        while True:
            with lock:
                if not pending:
                    return
                index, fault = pending.pop(0)
            verdict = worker.verdict(fault, filters, args.timeout)
            with lock:
                results[index] = verdict
                print(f"{verdict:<36} {fault['subsystem']:<12} list line {fault['line']:<4} "
                      f"{fault['file']}: {fault['why']}", flush=True)

    threads = [threading.Thread(target=work, args=(w,)) for w in workers]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()

    totals = {}
    for index, fault in enumerate(faults):
        tally = totals.setdefault(fault["subsystem"], {"caught": 0, "missed": 0, "gone": 0})
        verdict = results[index]
        key = "gone" if verdict.startswith("no longer") else verdict
        tally[key] += 1
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
          f"{sum(t['missed'] for t in totals.values())} missed in {minutes:.1f} min "
          f"(building included)")
    if below:
        print("below " + f"{THRESHOLD:.0f} %: " + ", ".join(below))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
