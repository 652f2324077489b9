#!/usr/bin/env python3
"""A day's log of short lines for the search benchmark, deterministic.

    make_short_lines.py OUTDIR [--size BYTES]

Writes OUTDIR/prog/ServiceList.ini (one service, GW, prefix GW), OUTDIR/prog/ErrorList.ini
(empty) and OUTDIR/GW20261201.log: lines of 60 to 200 bytes ending in CR LF, about 15 %
of them with GBK text, a time stamp, a level, a user and an order number each.  The
order number ORD-7741-XQ stands in about one line in a thousand: what an operator
chases through a day.  A block of 64 MiB of lines is made once and repeated up to the
size, so a gibibyte takes seconds to write.
"""
import argparse
import os
import random

GBK = ["\u8ba2\u5355\u5df2\u63d0\u4ea4", "\u652f\u4ed8\u8d85\u65f6", "\u7528\u6237\u767b\u5f55",
       "\u5e93\u5b58\u4e0d\u8db3", "\u8fde\u63a5\u5df2\u65ad\u5f00"]
WORDS = ["request", "served", "cache", "miss", "session", "opened", "closed", "queue", "depth",
         "latency", "ms", "route", "upstream", "retry", "token", "refresh", "payload", "bytes"]
NEEDLE = "ORD-7741-XQ"


def line(rng):
    stamp = "2026-12-01 %02d:%02d:%02d.%03d" % (rng.randrange(24), rng.randrange(60),
                                                rng.randrange(60), rng.randrange(1000))
    level = rng.choice(["INFO", "INFO", "INFO", "DEBUG", "WARN", "ERROR"])
    order = NEEDLE if rng.random() < 0.001 else "ORD-%04d-%s" % (
        rng.randrange(10000), rng.choice(["AB", "QX", "ZZ", "KM"]))
    text = "%s [%s] user=u%05d order=%s " % (stamp, level, rng.randrange(100000), order)
    target = rng.randrange(60, 201)
    body = []
    if rng.random() < 0.15:
        body.append(rng.choice(GBK))
    while len(text.encode("gbk")) + len(" ".join(body).encode("gbk")) < target - 8:
        body.append(rng.choice(WORDS))
    return (text + " ".join(body)).encode("gbk")[:target] + b"\r\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("outdir")
    ap.add_argument("--size", type=int, default=1 << 30)
    args = ap.parse_args()
    rng = random.Random(20261201)
    os.makedirs(os.path.join(args.outdir, "prog"), exist_ok=True)
    with open(os.path.join(args.outdir, "prog", "ServiceList.ini"), "wb") as f:
        f.write(b"[SERVICELIST]\r\n01=GW\r\n[SERVICE_GW]\r\n" +
                "\u65e5\u5fd7\u6587\u4ef6\u540d\u79f0\u524d\u7f00".encode("gbk") + b"=GW\r\n")
    open(os.path.join(args.outdir, "prog", "ErrorList.ini"), "wb").close()
    block = bytearray()
    while len(block) < min(args.size, 64 << 20):
        block += line(rng)
    block = bytes(block)
    written = 0
    path = os.path.join(args.outdir, "GW20261201.log")
    with open(path + ".part", "wb") as f:
        while written < args.size:
            piece = block[:args.size - written]
            if len(piece) < len(block):
                piece = piece[:piece.rfind(b"\n") + 1] or piece
            f.write(piece)
            written += len(piece)
            if len(piece) < len(block):
                break
    os.replace(path + ".part", path)


if __name__ == "__main__":
    main()
