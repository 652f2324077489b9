#!/usr/bin/env python3
"""Scanner benchmark: corvane-scan on one thread and on all cores, against ripgrep,
grep and wc -l on the same file.

    bench/bench.py [--scan PATH] [--baseline PATH] [--shapes stamped,short,nearmiss]
                   (more shapes: words,fragments,hex,gbktext,tokens; see make_bench_data.py)
                   [--size BYTES] [--keywords N] [--runs N] [--curve] [--no-grep]
                   [--check-big] [--grep] [--gz]

For each log shape it generates (once, deterministically, under bench/data/) a GBK
log and a catalogue of N keywords (bench/make_bench_data.py), warms the page cache,
and times each command over the same file: the median of --runs runs, taken in
turns so that a change of load on the machine touches every command alike.  It
reports the scan with --threads 1 and with all threads, the speed-up (time of
--threads 1 / time of --threads 2), the ratios to rg -j1, to rg with all its
threads and to wc -l, and the peak resident memory of the scan.  --baseline times a
second corvane-scan build the same way (for instance one built without line
counting) and gives the difference.  --curve repeats the one-thread scan with 10,
100 and 1000 keywords; --check-big scans a 3 GiB file made of three copies of the
log and checks the counts.  --grep times `corvane-scan grep` on a 1 GiB log of short
lines (bench/make_short_lines.py) against rg -j1 -c -F -i, for a rare literal and a
frequent one; --gz scans the same log compressed (.log.gz, made once with gzip)
against the plain file and against rg -z -j1.  The load of the machine before and after is printed:
the figures mean little when other work shares the cores.
"""
import argparse
import hashlib
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def data_dir(size, keywords, shape):
    name = "%d-%d" % (size, keywords) + ("" if shape == "stamped" else "-" + shape)
    d = os.path.join(HERE, "data", name)
    if not os.path.exists(os.path.join(d, "GW20261201.log")):
        print("generating %s ..." % d, file=sys.stderr)
        subprocess.run([sys.executable, os.path.join(HERE, "make_bench_data.py"), d,
                        "--size", str(size), "--keywords", str(keywords), "--shape", shape],
                       check=True)
    return d


def run_once(cmd, env=None):
    """Wall time in seconds, peak RSS in KiB, and a digest of stdout of one run.

    The command runs under /usr/bin/time for its peak memory: the rusage of a child of
    this process would count this process's own memory, which the child starts from."""
    rss_file = tempfile.NamedTemporaryFile("r", suffix=".rss")
    start = time.perf_counter()
    proc = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", rss_file.name] + cmd,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    digest, tail = hashlib.sha1(), b""
    while True:
        piece = proc.stdout.read(1 << 20)
        if not piece:
            break
        digest.update(piece)
        tail = (tail + piece)[-64:]
    _, status, _ = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):  # grep and rg exit 1 when nothing matched
        raise SystemExit("%s failed with %d" % (cmd[0], code))
    rss = int(rss_file.read().split()[-1])
    return elapsed, rss, digest.hexdigest(), tail


def measure_in_turns(commands, runs):
    """{name: (median seconds, peak RSS KiB, digest, tail)} for {name: (cmd, env)}."""
    results = {name: [] for name in commands}
    for _ in range(runs):
        for name, (cmd, env) in commands.items():
            results[name].append(run_once(cmd, env))
    return {name: (statistics.median(r[0] for r in rs), max(r[1] for r in rs), rs[0][2], rs[0][3],
                   min(r[0] for r in rs))
            for name, rs in results.items()}


def warm(path):
    with open(path, "rb") as f:
        while f.read(1 << 24):
            pass


def scan_cmd(scan, d, threads):
    return [scan, "scan", "--threads", str(threads), "--program-dir", os.path.join(d, "prog"), "GW",
            os.path.join(d, "GW20261201.log")]


def counts(tail):
    lines = tail.split(b"\n")
    return int(lines[-3]), int(lines[-2])  # unknown, known


def load():
    return "%.2f %.2f %.2f" % os.getloadavg()


def bench_shape(args, shape, cores):
    d = data_dir(args.size, args.keywords, shape)
    log = os.path.join(d, "GW20261201.log")
    patterns = os.path.join(d, "patterns.txt")
    mb = os.path.getsize(log) / 1e6
    warm(log)
    c_env = dict(os.environ, LC_ALL="C")
    commands = {
        "scan --threads 1": (scan_cmd(args.scan, d, 1), None),
        "scan --threads 2": (scan_cmd(args.scan, d, 2), None),
    }
    if cores != 2:
        commands["scan --threads %d" % cores] = (scan_cmd(args.scan, d, cores), None)
    if args.baseline:
        commands["baseline --threads 1"] = (scan_cmd(args.baseline, d, 1), None)
        commands["baseline --threads %d" % cores] = (scan_cmd(args.baseline, d, cores), None)
    commands["wc -l"] = (["wc", "-l", log], None)
    have_rg = shutil.which("rg") is not None
    if have_rg:
        commands["rg -j1 -c -i -F -f"] = (["rg", "-j1", "-c", "-i", "-F", "-f", patterns, log], None)
        commands["rg -c -i -F -f"] = (["rg", "-c", "-i", "-F", "-f", patterns, log], None)
    results = measure_in_turns(commands, args.runs)
    if not args.no_grep:
        results.update(measure_in_turns(
            {"LC_ALL=C grep -c -i -F -f": (["grep", "-c", "-i", "-F", "-f", patterns, log], c_env)},
            max(1, min(3, args.runs))))

    one, two = results["scan --threads 1"], results["scan --threads 2"]
    every = results["scan --threads %d" % cores]
    if one[2] != two[2] or one[2] != every[2]:
        raise SystemExit("the scan's output differs between thread counts")
    unknown, known = counts(one[3])
    print("\n%s log: %s (%.0f MB, %d patterns incl. ignore texts and markers)"
          % (shape, log, mb, sum(1 for _ in open(patterns, "rb"))))
    print("findings: %d known, %d unknown; median of %d runs, warm cache" % (known, unknown, args.runs))
    print("  %-28s %9s %9s %10s %12s" % ("", "median", "fastest", "", "peak memory"))
    for name, r in results.items():
        print("  %-28s %7.3f s %7.3f s %6.0f MB/s %8.1f MiB" % (name, r[0], r[4], mb / r[0], r[1] / 1024))
    t1, t2, tn = one[0], two[0], every[0]
    print("speed-up (threads 1 / threads 2):       %.2f" % (t1 / t2))
    for label, t in (("1 thread", t1), ("%d threads" % cores, tn)):
        line = "scan on %-10s / wc -l %.2f" % (label, t / results["wc -l"][0])
        if have_rg:
            line += ", / rg -j1 %.2f, / rg %.2f" % (t / results["rg -j1 -c -i -F -f"][0],
                                                 t / results["rg -c -i -F -f"][0])
        print(line)
    if args.baseline:
        for threads in (1, cores):
            b = results["baseline --threads %d" % threads][0]
            s = results["scan --threads %d" % threads][0]
            print("scan / baseline on %d thread(s): %.3f s / %.3f s = %+.1f %%"
                  % (threads, s, b, 100 * (s / b - 1)))
    return d, unknown, known


def short_lines_dir(size):
    d = os.path.join(HERE, "data", "short-lines" + ("" if size == 1 << 30 else "-%d" % size))
    if not os.path.exists(os.path.join(d, "GW20261201.log")):
        print("generating %s ..." % d, file=sys.stderr)
        subprocess.run([sys.executable, os.path.join(HERE, "make_short_lines.py"), d,
                        "--size", str(size)], check=True)
    return d


def bench_grep(args, cores):
    d = short_lines_dir(args.size)
    log = os.path.join(d, "GW20261201.log")
    mb = os.path.getsize(log) / 1e6
    warm(log)
    prog = os.path.join(d, "prog") + "/"
    print("\nsearch: %s (%.0f MB of short CR LF lines), median of %d runs, warm cache"
          % (log, mb, args.runs))
    print("  %-40s %9s %9s %10s %12s" % ("", "median", "fastest", "", "peak memory"))
    for needle in ("ORD-7741-XQ", "error"):
        commands = {}
        for threads in (1, cores):
            commands["grep --threads %d %s" % (threads, needle)] = (
                [args.scan, "grep", "--program-dir", prog, "--threads", str(threads), needle, d,
                 "20261201"], None)
        rg = "rg -j1 -c -F -i %s" % needle
        commands[rg] = (["rg", "-j1", "-c", "-F", "-i", needle, log], None)
        results = measure_in_turns(commands, args.runs)
        rg_count = int(results[rg][3].strip() or b"0")
        for name, r in results.items():
            print("  %-40s %7.3f s %7.3f s %6.0f MB/s %8.1f MiB" % (name, r[0], r[4], mb / r[0],
                                                                   r[1] / 1024))
        # The digest covers every printed line; rg -c prints only the count.
        out = subprocess.run(commands["grep --threads %d %s" % (cores, needle)][0],
                             stdout=subprocess.PIPE, check=False).stdout
        if out.count(b"\n") != rg_count:
            raise SystemExit("grep printed %d lines, rg counted %d" % (out.count(b"\n"), rg_count))
        print("  grep on %d threads / rg -j1 for %s: %.2f (%d lines)"
              % (cores, needle, results["grep --threads %d %s" % (cores, needle)][0]
                 / results[rg][0], rg_count))


def bench_gz(args):
    d = short_lines_dir(args.size)
    log = os.path.join(d, "GW20261201.log")
    gz_dir = d + "-gz"
    gz = os.path.join(gz_dir, "GW20261201.log.gz")
    if not os.path.exists(gz):
        print("compressing %s ..." % log, file=sys.stderr)
        os.makedirs(gz_dir, exist_ok=True)
        with open(gz + ".part", "wb") as out:
            subprocess.run(["gzip", "-c", log], stdout=out, check=True)
        os.replace(gz + ".part", gz)
    warm(gz)
    warm(log)
    markers = os.path.join(gz_dir, "markers.txt")
    with open(markers, "wb") as f:
        f.write(b"fail \nfailed \n")
    prog = os.path.join(d, "prog") + "/"
    cache = tempfile.mkdtemp(prefix="corvane-gz-bench-")
    env = dict(os.environ, XDG_CACHE_HOME=cache)
    commands = {
        "scan .log.gz": ([args.scan, "scan", "--program-dir", prog, "GW", gz], env),
        "scan .log": ([args.scan, "scan", "--program-dir", prog, "GW", log], env),
        "rg -z -j1 -c -i -F -f": (["rg", "-z", "-j1", "-c", "-i", "-F", "-f", markers, gz], None),
        "gzip -dc": (["gzip", "-dc", gz], None),
    }
    results = measure_in_turns(commands, args.runs)
    shutil.rmtree(cache, ignore_errors=True)
    if results["scan .log.gz"][2] != results["scan .log"][2]:
        raise SystemExit("the scan of the .gz differs from the scan of the plain file")
    mb = os.path.getsize(log) / 1e6
    print("\ncompressed day: %s (%.0f MB, %.0f MB decompressed), median of %d runs"
          % (gz, os.path.getsize(gz) / 1e6, mb, args.runs))
    for name, r in results.items():
        print("  %-28s %7.3f s %7.3f s %6.0f MB/s %8.1f MiB" % (name, r[0], r[4], mb / r[0],
                                                               r[1] / 1024))
    print("  scan .log.gz / rg -z -j1: %.2f; / scan .log: %.2f"
          % (results["scan .log.gz"][0] / results["rg -z -j1 -c -i -F -f"][0],
             results["scan .log.gz"][0] / results["scan .log"][0]))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--scan", default=os.path.join(ROOT, "build", "bin", "corvane-scan"))
    ap.add_argument("--baseline")
    ap.add_argument("--shapes", default="stamped,short,nearmiss")
    ap.add_argument("--size", type=int, default=1 << 30)
    ap.add_argument("--keywords", type=int, default=100)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--curve", action="store_true")
    ap.add_argument("--no-grep", action="store_true")
    ap.add_argument("--check-big", action="store_true")
    ap.add_argument("--grep", action="store_true")
    ap.add_argument("--gz", action="store_true")
    args = ap.parse_args()
    if not os.path.exists(args.scan):
        raise SystemExit("no %s: build first (bash scripts/build.sh)" % args.scan)
    cores = os.cpu_count() or 1
    print("machine: %d cores; load average before: %s" % (cores, load()))

    first = None
    for shape in filter(None, args.shapes.split(",")):
        result = bench_shape(args, shape, cores)
        first = first or result

    d, unknown, known = first or (None, 0, 0)
    if args.curve:
        print("\nkeyword-count curve, one thread (a log of the same size and shape for each count):")
        for n in (10, 100, 1000):
            dn = data_dir(args.size, n, "stamped")
            log = os.path.join(dn, "GW20261201.log")
            warm(log)
            r = measure_in_turns({"scan": (scan_cmd(args.scan, dn, 1), None)}, args.runs)["scan"]
            print("  %5d keywords  %7.3f s  %8.0f MB/s  %.1f MiB"
                  % (n, r[0], os.path.getsize(log) / 1e6 / r[0], r[1] / 1024))

    if args.check_big and first:
        big = os.path.join(d, "big")
        os.makedirs(big, exist_ok=True)
        log = os.path.join(d, "GW20261201.log")
        big_log = os.path.join(big, "GW20261201.log")
        if not os.path.exists(big_log) or os.path.getsize(big_log) != 3 * os.path.getsize(log):
            with open(big_log, "wb") as f:
                for _ in range(3):
                    with open(log, "rb") as src:
                        shutil.copyfileobj(src, f, 1 << 24)
        if not os.path.exists(os.path.join(big, "prog")):
            shutil.copytree(os.path.join(d, "prog"), os.path.join(big, "prog"))
        for threads in (1, cores):
            t, rss, _, tail = run_once(scan_cmd(args.scan, big, threads))
            u3, k3 = counts(tail)
            ok = (u3, k3) == (3 * unknown, 3 * known)
            print("3 copies (%.0f MB), %d thread(s): %.3f s, %.1f MiB, counts %d/%d %s"
                  % (3 * os.path.getsize(log) / 1e6, threads, t, rss / 1024, k3, u3,
                     "OK" if ok else "MISMATCH (expected %d/%d)" % (3 * known, 3 * unknown)))
            if not ok:
                sys.exit(1)
    if args.grep:
        bench_grep(args, cores)
    if args.gz:
        bench_gz(args)
    print("\nload average after: %s" % load())


if __name__ == "__main__":
    main()
