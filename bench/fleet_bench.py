#!/usr/bin/env python3
"""What `corvane-scan fleet` costs on a fleet's worth of counts.

    fleet_bench.py CORVANE_SCAN WORK_DIR [--installations N] [--services N] [--codes N]
                   [--days N] [--runs N] [--keep]

Starts Debian's victoria-metrics on a free loopback port with a data directory in
WORK_DIR (removed at the end unless --keep) and writes, as InfluxDB line protocol the
way the analyser sends it, the counts of N installations (default 100) x services (4)
x codes (50, one of them the unknown code) x days (30, ending yesterday: the server takes no sample far in the future), each count a
sample at its day's local midnight; every installation has every code every day, the
most the server can be asked to hold.  Then times, best of --runs (default 5) and
median, with a Server.ini in WORK_DIR naming the server:

  - `fleet DAY` (the day's table: installation x service rows, a row per code);
  - `fleet --days 29 DAY` (the same and the totals of the 29 days before);
  - `fleet` (the latest day first looked up).

It prints the series the server holds (from /api/v1/series/count) and the figures.
"""

import argparse
import datetime
import os
import shutil
import socket
import statistics
import subprocess
import time
import urllib.request

os.environ["LC_ALL"] = "C"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def get(url):
    with urllib.request.urlopen(url, timeout=30) as reply:
        return reply.read().decode()


def post(url, body):
    request = urllib.request.Request(url, data=body.encode(), method="POST")
    with urllib.request.urlopen(request, timeout=120) as reply:
        return reply.status


def timed(command, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        times.append(time.perf_counter() - start)
        if done.returncode != 0:
            raise SystemExit("%s failed: %s" % (" ".join(command), done.stderr.decode()))
    return min(times), statistics.median(times), done.stdout.count(b"\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("work")
    parser.add_argument("--installations", type=int, default=100)
    parser.add_argument("--services", type=int, default=4)
    parser.add_argument("--codes", type=int, default=50)
    parser.add_argument("--days", type=int, default=30)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--keep", action="store_true")
    args = parser.parse_args()

    os.makedirs(args.work, exist_ok=True)
    port = free_port()
    url = "http://127.0.0.1:%d" % port
    server = subprocess.Popen(
        ["victoria-metrics", "-storageDataPath=" + os.path.join(args.work, "vm"),
         "-httpListenAddr=127.0.0.1:%d" % port, "-retentionPeriod=100y",
         "-dedup.minScrapeInterval=1ms", "-search.latencyOffset=0s", "-loggerLevel=ERROR"],
        stdout=subprocess.DEVNULL)
    try:
        for _ in range(200):
            try:
                if get(url + "/health") == "OK":
                    break
            except OSError:
                time.sleep(0.05)
        last = datetime.date.today() - datetime.timedelta(days=1)
        written = 0
        start = time.perf_counter()
        for d in range(args.days):
            day = last - datetime.timedelta(days=args.days - 1 - d)
            stamp = int(time.mktime(day.timetuple())) * 10**9
            lines = []
            for i in range(args.installations):
                for s in range(args.services):
                    for c in range(args.codes):
                        unknown = c == args.codes - 1
                        lines.append(
                            "corvane_errors,installation=site-%03d,service=S%d,code=%s,kind=%s "
                            "count=%d %d" % (i, s, "999" if unknown else str(100 + c),
                                             "unknown" if unknown else "known",
                                             1 + (i * 7 + s * 3 + c + d) % 40, stamp))
            post(url + "/write", "\n".join(lines) + "\n")
            written += len(lines)
        writing = time.perf_counter() - start
        get(url + "/internal/force_flush")
        time.sleep(2)
        get(url + "/internal/force_flush")
        series = get(url + "/api/v1/series/count")

        with open(os.path.join(args.work, "Server.ini"), "w") as ini:
            ini.write("[METRICS]\r\nUrl=%s\r\nInstallation=bench\r\n" % url)
        day = last.strftime("%Y%m%d")
        base = [args.exe, "fleet", "--program-dir", args.work]
        print("samples written: %d in %.1f s; series: %s" % (written, writing, series))
        for label, extra in (("fleet DAY", [day]), ("fleet --days 29 DAY", ["--days", "29", day]),
                             ("fleet (latest day)", [])):
            best, median, lines = timed(base + extra, args.runs)
            print("%-22s best %.3f s  median %.3f s  (%d lines)" % (label, best, median, lines))
    finally:
        server.terminate()
        server.wait()
        if not args.keep:
            shutil.rmtree(args.work, ignore_errors=True)


if __name__ == "__main__":
    main()
