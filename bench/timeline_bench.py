#!/usr/bin/env python3
"""What a merge of a day's logs costs: ten seconds of four large logs, and the whole day.

    timeline_bench.py CORVANE_SCAN WORK_DIR [--size BYTES] [--runs N] [--keep]

Writes into WORK_DIR (put it under /tmp; it is removed at the end unless --keep) the
catalogues of four services (GW, DB, MQ, WEB) and a log of SIZE bytes (default 1 GiB)
for each on 20261201: lines of 60 to 200 bytes, times running through the day with a
second or two of jitter backwards now and then, each service its own stamp form, some
GBK text, a keyword or a failure marker in about one line in fifty.  Then measures,
with the time indexes in WORK_DIR/cache:

  - `merge --from T --to T+10s` without an index (it is built) and with it (warm), the
    best of N runs: wall time and the bytes the process read (rchar of /proc/PID/io);
  - the whole day's `merge` into /dev/null: wall time and peak resident memory;
  - `timeline --minutes 10`: wall time and peak resident memory.

The logs are read once before the runs, so every run finds them in the page cache.
"""

import argparse
import os
import random
import shutil
import subprocess
import time

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"

SERVICES = [("GW", "Gateway", "[%s] "), ("DB", "DataSvc", "2026-12-01 %s "),
            ("MQ", "MsgQueue", "%s "), ("WEB", "WebPortal", "[2026-12-01 %s] ")]
KEYWORDS = {"GW": "connection refused", "DB": "deadlock detected", "MQ": "queue full",
            "WEB": "session expired"}
GBK = ["\u8ba2\u5355\u5df2\u63d0\u4ea4", "\u652f\u4ed8\u8d85\u65f6", "\u7528\u6237\u767b\u5f55"]
WORDS = ["request", "served", "cache", "miss", "session", "opened", "closed", "queue", "depth",
         "latency", "ms", "route", "upstream", "retry", "token", "refresh", "payload", "bytes"]


def write_catalogues(prog):
    os.makedirs(prog, exist_ok=True)
    ini = "[SERVICELIST]\r\n" + "".join("%02d=%s\r\n" % (i + 1, s[0])
                                          for i, s in enumerate(SERVICES))
    for code, prefix, _ in SERVICES:
        ini += "[SERVICE_%s]\r\n\u65e5\u5fd7\u6587\u4ef6\u540d\u79f0\u524d\u7f00=%s\r\n" % (
            code, prefix)
    with open(os.path.join(prog, "ServiceList.ini"), "wb") as f:
        f.write(ini.encode("gbk"))
    ini = "[ERRORLIST]\r\n" + "".join("%02d=%d\r\n" % (i + 1, 101 + i)
                                        for i in range(len(SERVICES)))
    for i, (code, _, _) in enumerate(SERVICES):
        ini += ("[ERROR_%d]\r\n\u6240\u5c5e\u670d\u52a1\u4ee3\u7801=%s\r\n"
                "\u9519\u8bef\u540d\u79f0=e%d\r\n\u65e5\u5fd7\u5173\u952e\u5b57=%s\r\n") % (
                    101 + i, code, i, KEYWORDS[code])
    with open(os.path.join(prog, "ErrorList.ini"), "wb") as f:
        f.write(ini.encode("gbk"))


def bodies(rng, code, count=4096):
    """Message bodies, encoded, to be put behind the stamps."""
    out = []
    for _ in range(count):
        target = rng.randrange(40, 180)
        words = []
        if rng.random() < 0.15:
            words.append(rng.choice(GBK))
        r = rng.random()
        if r < 0.01:
            words.append(KEYWORDS[code])
        elif r < 0.02:
            words.append("send failed ")
        while len(" ".join(words).encode("gbk")) < target:
            words.append(rng.choice(WORDS))
        out.append(" ".join(words).encode("gbk"))
    return out


def write_log(path, code, form, size, seed):
    rng = random.Random(seed)
    texts = bodies(rng, code)
    levels = [b"INFO", b"INFO", b"INFO", b"DEBUG", b"WARN", b"ERROR"]
    lines = size // 145  # about: the stamps run through the day over the file
    written = 0
    i = 0
    with open(path + ".part", "wb") as f:
        while written < size:
            piece = []
            for _ in range(20000):
                second = min(86399, i * 86400 // lines)
                if rng.random() < 0.002:
                    second = max(0, second - rng.randrange(1, 3))  # a clock's jitter
                stamp = "%02d:%02d:%02d.%03d" % (second // 3600, second // 60 % 60, second % 60,
                                                 i % 1000)
                piece.append((form % stamp).encode() + rng.choice(levels) + b" " +
                             texts[i % len(texts)] + b"\r\n")
                i += 1
            data = b"".join(piece)
            f.write(data[:size - written] if written + len(data) > size else data)
            written += len(data)
    os.replace(path + ".part", path)


def run(argv, env):
    """Runs to the end; wall seconds, peak RSS in KiB and the bytes read (rchar)."""
    start = time.monotonic()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL, env=env)
    # Waited for without reaping it, so that its /proc/PID/io is still there.
    os.waitid(os.P_PID, proc.pid, os.WEXITED | os.WNOWAIT)
    wall = time.monotonic() - start
    with open("/proc/%d/io" % proc.pid) as f:
        rchar = int(next(l for l in f if l.startswith("rchar:")).split()[1])
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        raise SystemExit("%s exited with %d" % (" ".join(argv), proc.returncode))
    return wall, usage.ru_maxrss, rchar


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("exe")
    ap.add_argument("work")
    ap.add_argument("--size", type=int, default=1 << 30)
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--keep", action="store_true")
    args = ap.parse_args()
    work = os.path.abspath(args.work)
    prog = os.path.join(work, "prog")
    logs = os.path.join(work, "logs")
    os.makedirs(logs, exist_ok=True)
    write_catalogues(prog)
    for n, (code, prefix, form) in enumerate(SERVICES):
        path = os.path.join(logs, prefix + "20261201.log")
        if not os.path.exists(path) or os.path.getsize(path) != args.size:
            write_log(path, code, form, args.size, 20261201 + n)
        with open(path, "rb") as f:  # into the page cache
            while f.read(1 << 24):
                pass
    env = dict(os.environ, XDG_CACHE_HOME=os.path.join(work, "cache"))
    base = [args.exe, "--program-dir", prog]
    ranged = base[:1] + ["merge"] + base[1:] + ["--from", "14:00:00", "--to", "14:00:10", logs,
                                                "20261201"]
    try:
        print("logs: 4 x %d bytes in %s" % (args.size, logs))
        shutil.rmtree(os.path.join(work, "cache"), ignore_errors=True)
        wall, rss, rchar = run(ranged, env)
        print("merge --from 14:00:00 --to 14:00:10, no index:  %.3f s, read %.1f MB, peak %d MiB"
              % (wall, rchar / 1e6, rss // 1024))
        best = min(run(ranged, env) for _ in range(args.runs))
        print("merge --from 14:00:00 --to 14:00:10, indexed:   %.3f s, read %.2f MB, peak %d MiB"
              % (best[0], best[2] / 1e6, best[1] // 1024))
        lines = subprocess.run(ranged, env=env, capture_output=True).stdout.count(b"\n")
        print("  (%d lines printed)" % lines)
        wall, rss, rchar = run(base[:1] + ["merge"] + base[1:] + [logs, "20261201"], env)
        print("merge of the whole day > /dev/null:             %.2f s, peak %d MiB" %
              (wall, rss // 1024))
        wall, rss, rchar = run(base[:1] + ["timeline"] + base[1:] +
                               ["--minutes", "10", logs, "20261201"], env)
        print("timeline --minutes 10:                          %.2f s, peak %d MiB" %
              (wall, rss // 1024))
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
