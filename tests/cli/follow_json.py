#!/usr/bin/env python3
"""corvane-scan's JSON output read by Python's json module: `run --json` and
`scan --json` against their plain output, and `follow --json` over a copy of the demo
logs while lines are appended, the file is cut short and rotated (also within one
burst of writes), and a new service's file appears; then SIGTERM while a large append
is examined, and SIGTERM while follow still starts, each of which must end it with
status 0."""

import json
import os
import queue
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SCAN, DEMO = sys.argv[1], sys.argv[2]
# The plain output compared with the JSON is the GBK bytes as held, whatever the
# tester's terminal.
os.environ["LC_ALL"] = "C"
PROG = ["--program-dir", DEMO]
DAY = "20261201"


def run(*args):
    done = subprocess.run([SCAN, *args], capture_output=True, check=True)
    return done.stdout


def objects(raw):
    return [json.loads(line) for line in raw.decode("utf-8").splitlines()]


def check(condition, what):
    if not condition:
        sys.exit("FAILED: " + what)


work = tempfile.mkdtemp(prefix="corvane-follow-")
follow = None
try:
    logs = os.path.join(work, "logs")
    shutil.copytree(os.path.join(DEMO, "logs"), logs)

    # run --json: one object per row, the same numbers as the plain rows.
    rows = objects(run(*PROG, "--json", "run", logs, DAY))
    plain = run(*PROG, "run", logs, DAY).decode("gbk").splitlines()
    check([(r["name"], r["known"], r["unknown"]) for r in rows] ==
          [(p.split("\t")[0], int(p.split("\t")[1]), int(p.split("\t")[2])) for p in plain],
          "run --json gives the plain run's rows")
    check(all(r["event"] == "service" for r in rows), "run --json: service events")

    # scan --json: the findings, then the counts, as the plain scan prints them.
    prefixes = {"GW": "Gateway", "DB": "DataSvc", "MQ": "MsgQueue", "WEB": "WebPortal"}
    expected = []
    for code, prefix in prefixes.items():
        path = os.path.join(logs, prefix + DAY + ".log")
        if not os.path.exists(path):
            continue
        scanned = objects(run(*PROG, "--json", "scan", code, path))
        lines = run(*PROG, "--line-numbers", "scan", code, path).splitlines()
        check(scanned[-1] == {"event": "counts", "unknown": int(lines[-2]),
                              "known": int(lines[-1])}, "scan --json counts " + code)
        for obj, line in zip(scanned[:-1], lines[:-2]):
            number, text = line.split(b"\t", 1)
            check(obj["line_number"] == int(number) and obj["service"] == code and
                  obj["code"] + "|" + obj["text"] == text.decode("gbk", "replace"),
                  "scan --json finding " + line.decode("gbk", "replace"))
        expected += scanned[:-1]
    check(len(expected) > 0, "the demo day has findings")

    follow = subprocess.Popen([SCAN, *PROG, "--json", "follow", "--from-start", logs, DAY],
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    arrived = queue.Queue()

    def reader():
        for line in follow.stdout:
            arrived.put(json.loads(line.decode("utf-8")))
        arrived.put(None)

    threading.Thread(target=reader, daemon=True).start()

    def take(count, what):
        got = []
        for _ in range(count):
            try:
                obj = arrived.get(timeout=30)
            except queue.Empty:
                obj = None
            check(obj is not None, what + ": follow ended or stalled after " + str(got))
            got.append(obj)
        return got

    # Service order is the catalogue's: the findings so far, exactly as scan gives them.
    got = take(len(expected), "the findings so far")
    check(sorted(map(json.dumps, got)) == sorted(map(json.dumps, expected)),
          "follow --from-start begins with scan's findings")

    gateway = os.path.join(logs, "Gateway" + DAY + ".log")

    def append(path, data):
        with open(path, "ab") as f:
            f.write(data)

    # A line without its end waits; its end brings it, a later line carries its time.
    before = sum(1 for _ in open(gateway, "rb"))
    append(gateway, b"  follow line failed ")
    append(gateway, b"\n")
    first = take(1, "an appended finding")[0]
    append(gateway, b"10:00:07 plain line\n")
    completed = take(1, "its carried time")[0]
    check(first["event"] == "finding" and first["text"] == "  follow line failed " and
          first["line_number"] == before + 1 and first["code"] == "999", "appended: " + str(first))
    check(completed["line_number"] == first["line_number"] and
          completed["text"] == "10:00:07.000   follow line failed ", "carried: " + str(completed))

    # Cut short: a reset, then the file's findings again from its start.
    with open(gateway, "r+b") as f:
        f.truncate(0)
    append(gateway, b"x failed \n")
    reset, again = take(2, "after the cut")
    check(reset == {"event": "reset", "service": "GW", "reason": "truncated"}, str(reset))
    check(again["line_number"] == 1 and again["text"] == "x failed ", str(again))

    # Rotated: renamed away and a new file in its place.
    os.rename(gateway, gateway + ".1")
    with open(gateway, "wb") as f:
        f.write(b"y failed " + "日".encode("gbk") + b"\n")
    reset, again = take(2, "after the rotation")
    check(reset["event"] == "reset" and reset["reason"] == "replaced", str(reset))
    check(again["text"] == "y failed 日", str(again))

    # Rotated within one burst of writes: the old file's last lines, the very last
    # without its line end, come before the new file's.
    for i in range(5):
        append(gateway, b"before rotation %d failed \n" % i)
        append(gateway, b"unended %d failed " % i)
        os.rename(gateway, gateway + ".r%d" % i)
        with open(gateway, "wb") as f:
            f.write(b"after rotation %d failed \n" % i)
        got = take(4, "rotation %d within a burst" % i)
        check([g.get("text") for g in got] ==
              ["before rotation %d failed " % i, "unended %d failed " % i, None,
               "after rotation %d failed " % i] and got[2]["event"] == "reset",
              "rotation %d within a burst: %s" % (i, got))

    # A service that starts writing for the day is picked up from its start.
    portal = os.path.join(logs, "WebPortal" + DAY + ".log")
    append(portal, b"z failed \n")
    new = take(1, "a new file of the day")[0]
    check(new["service"] == "WEB" and new["line_number"] == 1, str(new))

    # SIGTERM while a large append is examined.
    with open(gateway, "ab") as f:
        for _ in range(40):
            f.write(b"10:00:08 a quiet line of the large append\n" * 25000)
    time.sleep(0.03)
    follow.send_signal(signal.SIGTERM)
    check(follow.wait(timeout=30) == 0, "SIGTERM ends follow with status 0")

    # SIGTERM while follow still reads its catalogues (a large one, so that this
    # takes a while): caught once a look at /proc shows it reading ErrorList.ini.
    slow = os.path.join(work, "slow")
    shutil.copytree(DEMO, slow, ignore=shutil.ignore_patterns("logs"))
    with open(os.path.join(slow, "ErrorList.ini"), "ab") as f:
        f.write(b"\n[PADDING]\n" + b"".join(b"k%d=%s\n" % (i, b"x" * 60)
                                            for i in range(150000)))
    caught = 0
    for _ in range(20):
        starting = subprocess.Popen([SCAN, "--program-dir", slow, "follow", logs, DAY],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        fds = "/proc/%d/fd" % starting.pid
        reading = False
        while not reading and starting.poll() is None:
            try:
                reading = any(os.readlink(os.path.join(fds, fd)).endswith("ErrorList.ini")
                              for fd in os.listdir(fds))
            except OSError:
                pass
        if reading:
            starting.send_signal(signal.SIGTERM)
            caught += 1
        else:
            starting.terminate()
        status = starting.wait(timeout=30)
        check(status == 0 or not reading, "SIGTERM at start-up gives status %d" % status)
        if caught == 3:
            break
    check(caught == 3, "SIGTERM sent while the catalogues are read")
finally:
    # A failed check leaves no follow behind.
    if follow is not None and follow.poll() is None:
        follow.kill()
        follow.wait()
    shutil.rmtree(work, ignore_errors=True)
print("ok")
