#!/usr/bin/env python3
"""Backfill speed: `corvane-scan history backfill` over 30 days of logs of four services.

    history_backfill.py [--days 30] [--blocks 48] [--exe build/bin/corvane-scan]

Writes bench/data/history<DAYS>/ once (deterministic): the demo catalogues and, per day,
one log per service made of BLOCKS generated day blocks of the demo's services (about
8 MB per service and day with the default), with two Gateway outages, a DataSvc error
that first appears on day 10, and WebPortal silent on Sundays.  Then backfills it into
a new database, backfills again (every record replaced), lists the history, and prints
the sizes and times.  The logs are read warm: one untimed `run` over each day first.
"""
import argparse
import os
import random
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time
from datetime import date, timedelta
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "demo"))
import make_demo  # noqa: E402  (the demo's day generators)

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"

VARIANTS = 6  # distinct blocks per service; a day picks BLOCKS of them


def blocks(name, make):
    return [make(random.Random(f"history-{name}-{v}"), "20261201") for v in range(VARIANTS)]


def write_day(path, chosen, newline, drop=None):
    with open(path, "wb") as f:
        for lines in chosen:
            if drop:
                lines = [line for line in lines if drop not in line.lower()]
            f.write((newline.join(lines) + newline).encode("gbk"))


def make_data(out, days, per_day):
    out.mkdir(parents=True, exist_ok=True)
    for ini in ("ServiceList.ini", "ErrorList.ini"):
        shutil.copy(ROOT / "demo" / ini, out / ini)
    logs = out / "logs"
    logs.mkdir(exist_ok=True)
    gw = blocks("gw", lambda r, d: make_demo.gateway_day(r, d, storm=False))
    gw_storm = blocks("gw-storm", lambda r, d: make_demo.gateway_day(r, d, storm=True))
    db = blocks("db", make_demo.datasvc_day)
    mq = blocks("mq", make_demo.msgqueue_day)
    web = blocks("web", make_demo.webportal_day)
    first = date(2026, 11, 1)
    for i in range(days):
        day = (first + timedelta(days=i)).strftime("%Y%m%d")
        rng = random.Random(day)
        pick = lambda pool, n: [pool[rng.randrange(VARIANTS)] for _ in range(n)]  # noqa: E731
        storm = i in (12, 25)
        write_day(logs / f"Gateway{day}.log",
                  pick(gw_storm, per_day // 2) + pick(gw, per_day // 2) if storm else pick(gw, per_day),
                  "\r\n")
        write_day(logs / f"DataSvc{day}.log", pick(db, per_day // 2), "\r\n",
                  drop="no space left" if i < 9 else None)
        write_day(logs / f"MsgQueue{day}.log", pick(mq, per_day // 2), "\n")
        if (first + timedelta(days=i)).weekday() != 6:
            write_day(logs / f"WebPortal{day}.log", pick(web, per_day), "\r\n")


def cpu_seconds():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(cmd):
    """Wall time, CPU time (user + system) and the output of one command."""
    start, cpu = time.perf_counter(), cpu_seconds()
    done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=True)
    return (time.perf_counter() - start, cpu_seconds() - cpu, done.stdout,
            done.stderr.decode("utf-8", "replace"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--days", type=int, default=30)
    ap.add_argument("--blocks", type=int, default=48)
    ap.add_argument("--exe", default=str(ROOT / "build" / "bin" / "corvane-scan"))
    args = ap.parse_args()

    data = ROOT / "bench" / "data" / f"history{args.days}"
    if not (data / "logs").is_dir():
        print(f"writing {data} ...", flush=True)
        make_data(data, args.days, args.blocks)
    logs = data / "logs"
    files = sorted(logs.glob("*.log"))
    size = sum(f.stat().st_size for f in files)
    print(f"log directory: {len(files)} files, {args.days} days, {size / 1e6:.0f} MB")

    prog = ["--program-dir", str(data)]
    for f in sorted({f.name[-12:-4] for f in files}):  # warm the page cache
        subprocess.run([args.exe, "run", *prog, str(logs), f], stdout=subprocess.DEVNULL, check=True)

    with tempfile.TemporaryDirectory() as tmp:
        db = os.path.join(tmp, "history.sqlite")
        for label in ("new database", "again (replacing)"):
            took, cpu, _, err = timed([args.exe, "history", "backfill", *prog, "--db", db,
                                       str(logs)])
            scan = sum(float(m) for m in re.findall(r"([\d.]+) s scanning", err))
            record = sum(float(m) for m in re.findall(r"([\d.]+) ms recording", err))
            print(f"backfill, {label}: {took:.2f} s wall ({size / 1e6 / took:.0f} MB/s), "
                  f"{cpu:.2f} s CPU; "
                  f"scanning {scan:.2f} s, recording {record:.0f} ms "
                  f"({record / args.days:.1f} ms a day)")
        took, _, out, _ = timed([args.exe, "history", "--db", db, str(logs)])
        print(f"history listing: {len(out.splitlines())} lines in {took * 1000:.0f} ms; "
              f"database {os.path.getsize(db) / 1e3:.0f} kB")


if __name__ == "__main__":
    main()
