#!/usr/bin/env python3
"""Scanner benchmark: corvane-scan against ripgrep, grep and wc -l on the same file.

    bench/bench.py [--scan PATH] [--size BYTES] [--keywords N] [--runs N]
                   [--curve] [--no-grep] [--check-big]

Generates (once, deterministically, under bench/data/) a realistic GBK log and a
catalogue of N keywords, warms the page cache, and times each tool over the same
file: the median of --runs runs, in MB/s, with the ratios to ripgrep and wc -l and
the peak resident memory of the scan.  --curve repeats the scan with 10, 100 and
1000 keywords.  --check-big scans a 3 GiB file made of three copies of the log and
checks that the counts are three times those of one copy.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def data_dir(size, keywords):
    d = os.path.join(HERE, "data", "%d-%d" % (size, keywords))
    if not os.path.exists(os.path.join(d, "GW20261201.log")):
        print("generating %s ..." % d, file=sys.stderr)
        subprocess.run([sys.executable, os.path.join(HERE, "make_bench_data.py"), d,
                        "--size", str(size), "--keywords", str(keywords)], check=True)
    return d


def run_once(cmd, env=None):
    """Wall time in seconds, peak RSS in KiB, and stdout of one run."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):  # grep and rg exit 1 when nothing matched
        raise SystemExit("%s failed with %d" % (cmd[0], code))
    return elapsed, usage.ru_maxrss, out


def measure(cmd, runs, env=None):
    results = [run_once(cmd, env) for _ in range(runs)]
    return statistics.median(r[0] for r in results), max(r[1] for r in results), results[0][2]


def warm(path):
    with open(path, "rb") as f:
        while f.read(1 << 24):
            pass


def scan_cmd(scan, d):
    return [scan, "scan", "--program-dir", os.path.join(d, "prog"), "GW", os.path.join(d, "GW20261201.log")]


def counts(output):
    lines = output.split(b"\n")
    return int(lines[-3]), int(lines[-2])  # unknown, known


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--scan", default=os.path.join(ROOT, "build", "bin", "corvane-scan"))
    ap.add_argument("--size", type=int, default=1 << 30)
    ap.add_argument("--keywords", type=int, default=100)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--curve", action="store_true")
    ap.add_argument("--no-grep", action="store_true")
    ap.add_argument("--check-big", action="store_true")
    args = ap.parse_args()
    if not os.path.exists(args.scan):
        raise SystemExit("no %s: build first (bash scripts/build.sh)" % args.scan)

    d = data_dir(args.size, args.keywords)
    log = os.path.join(d, "GW20261201.log")
    patterns = os.path.join(d, "patterns.txt")
    size = os.path.getsize(log)
    mb = size / 1e6
    warm(log)
    c_env = dict(os.environ, LC_ALL="C")

    t_scan, rss_scan, out = measure(scan_cmd(args.scan, d), args.runs)
    unknown, known = counts(out)
    t_wc, _, _ = measure(["wc", "-l", log], args.runs)
    rows = [("corvane-scan scan", t_scan), ("wc -l", t_wc)]
    t_rg = None
    if shutil.which("rg"):
        t_rg, _, _ = measure(["rg", "-j1", "-c", "-i", "-F", "-f", patterns, log], args.runs)
        rows.append(("rg -j1 -c -i -F -f", t_rg))
    if not args.no_grep:
        t_grep, _, _ = measure(["grep", "-c", "-i", "-F", "-f", patterns, log], max(1, min(3, args.runs)), c_env)
        rows.append(("LC_ALL=C grep -c -i -F -f", t_grep))

    print("file: %s (%.0f MB, %d patterns incl. ignore texts and markers), median of %d runs, warm cache"
          % (log, mb, sum(1 for _ in open(patterns, "rb")), args.runs))
    print("findings: %d known, %d unknown" % (known, unknown))
    for name, t in rows:
        print("  %-28s %7.3f s  %8.0f MB/s" % (name, t, mb / t))
    if t_rg:
        print("scan time / ripgrep time: %.2f" % (t_scan / t_rg))
    print("scan time / wc -l time:   %.2f" % (t_scan / t_wc))
    print("peak resident memory of the scan: %.1f MiB" % (rss_scan / 1024))

    if args.curve:
        print("keyword-count curve (a log of the same size and shape for each count, %.0f MB):" % mb)
        for n in (10, 100, 1000):
            dn = data_dir(args.size, n)
            warm(os.path.join(dn, "GW20261201.log"))
            t, rss, _ = measure(scan_cmd(args.scan, dn), args.runs)
            print("  %5d keywords  %7.3f s  %8.0f MB/s  %.1f MiB" % (n, t, os.path.getsize(os.path.join(dn, "GW20261201.log")) / 1e6 / t, rss / 1024))

    if args.check_big:
        big = os.path.join(d, "big")
        os.makedirs(big, exist_ok=True)
        big_log = os.path.join(big, "GW20261201.log")
        if not os.path.exists(big_log) or os.path.getsize(big_log) != 3 * size:
            with open(big_log, "wb") as f:
                for _ in range(3):
                    with open(log, "rb") as src:
                        shutil.copyfileobj(src, f, 1 << 24)
        if not os.path.exists(os.path.join(big, "prog")):
            shutil.copytree(os.path.join(d, "prog"), os.path.join(big, "prog"))
        t, rss, out = run_once(scan_cmd(args.scan, big))
        u3, k3 = counts(out)
        ok = (u3, k3) == (3 * unknown, 3 * known)
        print("3 copies (%.0f MB): %.3f s, %.1f MiB, counts %d/%d %s" %
              (3 * mb, t, rss / 1024, k3, u3, "OK" if ok else "MISMATCH (expected %d/%d)" % (3 * known, 3 * unknown)))
        if not ok:
            sys.exit(1)


if __name__ == "__main__":
    main()
