#!/usr/bin/env python3
"""How fast a follow sees what is appended to a large log, and what it costs.

    follow_bench.py CORVANE_SCAN BENCH_DIR WORK_DIR [--runs N] [--idle SECONDS]

BENCH_DIR is one made by make_bench_data.py (GW20261201.log and prog/).  Its log is
copied into WORK_DIR, followed by `corvane-scan follow` from the file's end, and then
grown by 1 MB (lines taken from the log itself, the last one a finding) N times.  For
each append: the time from the write to its last finding on stdout, and the processor
time the follow used for it (its threads' time on the processor, from
/proc/PID/task/*/schedstat).  Then the processor
time of the idle follow over SECONDS.
"""

import argparse
import os
import select
import shutil
import statistics
import subprocess
import time

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"



def cpu_seconds(pid):
    """Processor time of the process's live threads, to the nanosecond (schedstat);
    the clock ticks of /proc/PID/stat are too coarse for one append."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                total += int(f.read().split()[0])
        except FileNotFoundError:
            pass
    return total / 1e9


def wait_for(proc, needle, timeout):
    """Reads the follow's stdout until a line holds `needle`; the time it came."""
    buffer = b""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        ready, _, _ = select.select([proc.stdout], [], [], 0.5)
        if not ready:
            continue
        chunk = os.read(proc.stdout.fileno(), 1 << 20)
        if not chunk:
            raise SystemExit("follow ended")
        buffer += chunk
        if needle in buffer:
            return time.monotonic()
        buffer = buffer[-4096:]
    raise TimeoutError("no %r within %s s" % (needle, timeout))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("scan")
    ap.add_argument("bench")
    ap.add_argument("work")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--idle", type=float, default=60)
    args = ap.parse_args()

    os.makedirs(args.work, exist_ok=True)
    log = os.path.join(args.work, "GW20261201.log")
    shutil.copyfile(os.path.join(args.bench, "GW20261201.log"), log)
    with open(log, "rb") as f:
        f.seek(os.path.getsize(log) // 2)
        f.readline()
        megabyte = f.read(1 << 20)
    megabyte = megabyte[: megabyte.rfind(b"\n") + 1]
    size = os.path.getsize(log)

    start = time.monotonic()
    proc = subprocess.Popen([args.scan, "--program-dir", os.path.join(args.bench, "prog"),
                             "follow", args.work, "20261201"], stdout=subprocess.PIPE)
    try:
        # What is there when the follow starts is not printed: probe until a probe
        # written after its start shows.
        for attempt in range(240):
            with open(log, "ab") as f:
                f.write(b"ready probe failed \n")
            try:
                wait_for(proc, b"ready probe", 0.5)
                break
            except TimeoutError:
                pass
        print("file of %d bytes followed from its end after %.2f s (scanning it once)"
              % (size, time.monotonic() - start))
        latencies, cpus = [], []
        for run in range(args.runs):
            time.sleep(1)
            probe = b"append probe %d failed \n" % run
            before = cpu_seconds(proc.pid)
            t0 = time.monotonic()
            with open(log, "ab") as f:
                f.write(megabyte + probe)
            t1 = wait_for(proc, probe[:-1], 60)
            time.sleep(0.2)
            latencies.append(t1 - t0)
            cpus.append(cpu_seconds(proc.pid) - before)
        print("append of %d bytes: write to finding on stdout %s s (median %.3f s); "
              "processor time %s ms (median %.2f ms)"
              % (len(megabyte) + 24, " ".join("%.3f" % x for x in latencies),
                 statistics.median(latencies), " ".join("%.2f" % (x * 1e3) for x in cpus),
                 statistics.median(cpus) * 1e3))
        time.sleep(1)
        before = cpu_seconds(proc.pid)
        time.sleep(args.idle)
        print("idle for %.0f s: processor time %.2f ms" % (args.idle, (cpu_seconds(proc.pid) - before) * 1e3))
    finally:
        proc.terminate()
        proc.wait()
        shutil.rmtree(args.work, ignore_errors=True)


if __name__ == "__main__":
    main()
