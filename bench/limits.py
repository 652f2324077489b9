#!/usr/bin/env python3
"""Measures the size, memory and time limits that the README states.

  python3 bench/limits.py [--quick]

Uses build/bin/corvane-scan and the loopback test server (tests/support/http_test_server.py):
  1. peak memory of reading a 16 MiB INI file of the worst shapes (two-byte lines);
  2. an error catalogue that lists one code 8,000 times over a 16 MiB memo section,
     `check` of a 16 MiB service catalogue of "[" lines (a warning on every line), and
     a local INI file one byte over 16 MiB: refused, with the time it takes;
  3. `update` against a server whose Version.ini is 16 MiB of "[" lines: memory and time;
  4. `update` against a server that stalls after 10 body bytes (the 30 s stall limit);
  5. `update` against a server that trickles the body (the 60 s overall limit).
--quick skips 4 and 5, which wait for the limits themselves (about 90 s).
"""
import os
import subprocess
import sys
import tempfile
import time

# corvane-scan shows text as the bytes the logs hold (GBK), as the figures were taken,
# whatever the locale of the terminal that runs the benchmark.
os.environ["LC_ALL"] = "C"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLI = os.path.join(ROOT, "build", "bin", "corvane-scan")
SERVER = os.path.join(ROOT, "tests", "support", "http_test_server.py")
CAP = 16 << 20


def run(args):
    """Runs the CLI; returns (status, seconds, peak resident MiB, stderr)."""
    with tempfile.NamedTemporaryFile("r") as rss:
        start = time.monotonic()
        proc = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", rss.name, CLI] + args,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        seconds = time.monotonic() - start
        peak_kib = int(rss.read().split()[-1])
    return proc.returncode, seconds, peak_kib / 1024, proc.stderr.decode(errors="replace")


def fill(path, line, size, head=b""):
    with open(path, "wb") as f:
        f.write(head + (line * (size // len(line) + 1))[:size - len(head)])


class Server:
    def __init__(self, root, *extra):
        self.proc = subprocess.Popen(
            [sys.executable, SERVER, "--root", root, "--log", os.path.join(root, "log")] + list(extra),
            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.port = int(self.proc.stdout.readline())

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


def update_against(work, version_body, *server_args):
    root = os.path.join(work, "srv")
    prog = os.path.join(work, "prog")
    os.makedirs(os.path.join(root, "idc"), exist_ok=True)
    os.makedirs(prog, exist_ok=True)
    with open(os.path.join(root, "idc", "Version.ini"), "wb") as f:
        f.write(version_body)
    server = Server(root, *server_args)
    with open(os.path.join(prog, "Server.ini"), "w") as f:
        f.write("[SERVER]\r\nHost=127.0.0.1\r\nHttpPort=%d\r\n" % server.port)
    try:
        return run(["update", "--program-dir", prog])
    finally:
        server.close()


def main():
    quick = "--quick" in sys.argv
    with tempfile.TemporaryDirectory() as work:
        status, secs, peak, _ = run(["ini", os.path.join(work, "none.ini")])
        print("baseline: corvane-scan ini on a missing file: %.0f MiB peak" % peak)
        for name, line in (("section headers", b"[\n"), ("empty keys", b"=\n"),
                           ("one-byte keys", b"a=\n"), ("two names in turn", b"[a\n[b\n"),
                           ("comments", b";\n")):
            path = os.path.join(work, "worst.ini")
            fill(path, line, CAP, b"[a]\n")
            status, secs, peak, _ = run(["ini", path, "a", "a"])
            print("16 MiB of %s (%r lines): read in %.2f s, %.0f MiB peak, status %d"
                  % (name, line, secs, peak, status))

        # One code listed 8,000 times over 16 MiB of comment lines in its memo section:
        # each listing reads the memo again, so the section's length must not count.
        errors = os.path.join(work, "errors")
        os.makedirs(errors)
        head = (b"[ERRORLIST]\n" + b"k=101\n" * 8000 + b"[ERROR_101]\n"
                + "日志关键字".encode("gbk") + b"=x\n[ERROR_101_MEMO]\n01=a\n02=b\n")
        fill(os.path.join(errors, "ErrorList.ini"), b";\n", CAP, head)
        status, secs, peak, _ = run(["explain", "--program-dir", errors, "101"])
        print("16 MiB ErrorList.ini, one code listed 8,000 times: explain in %.2f s, %.0f MiB peak"
              % (secs, peak))

        # A warning for every line: `check` prints them as it finds them.
        checked = os.path.join(work, "checked")
        os.makedirs(checked)
        fill(os.path.join(checked, "ServiceList.ini"), b"[\n", CAP)
        status, secs, peak, _ = run(["check", "--program-dir", checked])
        print("check, 16 MiB ServiceList.ini of '[' lines (8.4 M warnings): status %d in %.2f s, "
              "%.0f MiB peak" % (status, secs, peak))

        big = os.path.join(work, "big.ini")
        fill(big, b"[\n", CAP + 1)
        status, secs, peak, err = run(["ini", big])
        print("16 MiB + 1 byte: status %d in %.3f s: %s" % (status, secs, err.strip()))

        status, secs, peak, _ = update_against(os.path.join(work, "u1"), b"[\n" * (CAP // 2))
        print("update, 16 MiB Version.ini of '[' lines: status %d in %.2f s, %.0f MiB peak"
              % (status, secs, peak))
        status, secs, peak, _ = update_against(os.path.join(work, "u2"), b"[" * (CAP + 1))
        print("update, Version.ini one byte over 16 MiB: status %d in %.2f s" % (status, secs))
        if quick:
            return
        body = b"[VERSION]\r\nServiceList=1\r\nErrorList=1\r\n"
        status, secs, _, _ = update_against(os.path.join(work, "u3"), body,
                                            "--stall", "/idc/Version.ini=10")
        print("update, server stalls after 10 body bytes: status %d after %.2f s" % (status, secs))
        status, secs, _, _ = update_against(os.path.join(work, "u4"), body * 40,
                                            "--slow", "/idc/Version.ini=400")
        print("update, server trickles the body (20 s a piece): status %d after %.2f s"
              % (status, secs))


if __name__ == "__main__":
    main()
