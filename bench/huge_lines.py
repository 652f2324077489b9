#!/usr/bin/env python3
"""Peak memory of corvane-scan on files of huge lines (not a test: full sizes).

    bench/huge_lines.py [--scan PATH] [--threads N ...]

Writes (once, under bench/data/huge/) the files of the memory faults: one line of
128 MiB, six such lines in a row, and one 256 MiB line of "fail fail ...", each
between short stamped lines, and prints the scan's peak resident memory for each
number of threads, beside the longest line.  The scanner's bound is a few blocks
plus about twice the longest line per scanning thread (a line that is a finding is
held once more as the finding itself).
"""
import argparse
import os
import subprocess
import sys
import time

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
MIB = 1 << 20


def write(path, lines):
    """Writes the (text, size) lines, each repeated `count` times, in small pieces:
    this process must stay small, since a child's peak memory starts from its own."""
    if os.path.exists(path):
        return
    with open(path + ".tmp", "wb") as f:
        for (text, size), count in lines:
            piece = text * (MIB // len(text))
            for _ in range(count):
                left = size
                while left > 0:
                    n = min(left, len(piece))
                    f.write(piece[:n])
                    left -= n
                f.write(b"\n")
    os.rename(path + ".tmp", path)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--scan", default=os.path.join(ROOT, "build", "bin", "corvane-scan"))
    ap.add_argument("--threads", type=int, nargs="*", default=[1, 2])
    args = ap.parse_args()
    d = os.path.join(HERE, "data", "huge")
    os.makedirs(os.path.join(d, "prog"), exist_ok=True)
    for name in ("ServiceList.ini", "ErrorList.ini"):
        open(os.path.join(d, "prog", name), "wb").close()
    stamp = (b"2026-12-01 10:00:00.000 INFO all is well", 40)
    plain = (b"abcdefghij ", 128 * MIB)
    cases = [
        ("one 128 MiB line", "one.log", [(stamp, 10), (plain, 1), (stamp, 10)], 128),
        ("six 128 MiB lines", "six.log", [(stamp, 10), (plain, 6), (stamp, 10)], 128),
        ("one 256 MiB line of fail", "fail.log",
         [(stamp, 10), ((b"fail ", 256 * MIB), 1), (stamp, 10)], 256),
    ]
    print("%-26s %8s %8s %10s %10s" % ("file", "longest", "threads", "time", "peak RSS"))
    for title, name, lines, longest in cases:
        path = os.path.join(d, name)
        write(path, lines)
        for threads in args.threads:
            cmd = [args.scan, "scan", "--threads", str(threads), "--program-dir",
                   os.path.join(d, "prog"), "GW", path]
            start = time.perf_counter()
            proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL)
            _, status, usage = os.wait4(proc.pid, 0)
            elapsed = time.perf_counter() - start
            if os.waitstatus_to_exitcode(status) != 0:
                sys.exit("%s failed" % " ".join(cmd))
            print("%-26s %5d MiB %8d %8.2f s %6.0f MiB" %
                  (title, longest, threads, elapsed, usage.ru_maxrss / 1024))


if __name__ == "__main__":
    main()
