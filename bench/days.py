#!/usr/bin/env python3
"""Times log-day discovery over a directory of many days.

  python3 bench/days.py [FILES] [--runs N]

Makes FILES (default 100,000) empty log files with distinct days in a temporary
directory and runs `build/bin/corvane-scan days` on it N times (default 5), warm;
prints the median and the fastest run, and checks that every day came out once.
"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLI = os.path.join(ROOT, "build", "bin", "corvane-scan")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("files", nargs="?", type=int, default=100_000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        for i in range(args.files):
            # Eight bytes of day per file, all distinct.
            open(os.path.join(work, "Gw%08d.log" % i), "wb").close()
        times = []
        for _ in range(args.runs):
            start = time.monotonic()
            out = subprocess.run([CLI, "days", work], check=True, stdout=subprocess.PIPE).stdout
            times.append(time.monotonic() - start)
        days = out.split(b"\n")[:-1]
        assert len(days) == len(set(days)) == args.files, "every day once"
        print("%d files with distinct days: median %.3f s, fastest %.3f s over %d runs"
              % (args.files, statistics.median(times), min(times), args.runs))


if __name__ == "__main__":
    main()
