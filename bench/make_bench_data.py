#!/usr/bin/env python3
"""Writes a deterministic benchmark log and a matching program directory.

    make_bench_data.py OUTDIR [--size BYTES] [--keywords N] [--shape stamped|short|nearmiss]

OUTDIR/GW20261201.log   a GBK log of about BYTES bytes (default 1 GiB)
OUTDIR/prog/            ServiceList.ini and ErrorList.ini: N keywords (default 100)
                        for service GW, three ignore texts
OUTDIR/patterns.txt     the same keywords, ignore texts and both failure markers,
                        one per line, for grep and ripgrep

Shapes: "stamped" is a realistic application log of short stamped lines; "short" has
lines of 60 to 200 bytes, 15 % of them with GBK text, 1 % known errors and 0.5 %
unknown ones, so the scan's cost per line and per finding shows; "nearmiss"
has lines of 1 to 4 KB full of the beginnings of keywords that do not go on to the
keyword, and keywords that share their first words.
"""
import argparse
import os
import random

WORDS = ("socket connection session request handler cache queue disk index page buffer "
         "channel transaction lock token route worker thread timer file record table "
         "schema replica shard lease ticket stream frame packet").split()
FAULTS = ("refused reset timeout overflow exhausted corrupted rejected expired mismatch "
          "unavailable truncated deadlock leaked denied stalled dropped invalid missing").split()
LEVELS = ["INFO"] * 12 + ["DEBUG"] * 5 + ["WARN"] * 2 + ["ERROR"]
CHINESE = ["处理完成", "请求已接收", "连接池状态正常", "开始同步数据", "用户登录", "写入缓存", "心跳检测"]


def keyword_family(n, seed, firsts, seconds, code_form):
    """n distinct keywords "first second", three in ten with a code appended."""
    rng = random.Random(seed)
    seen, out = set(), []
    while len(out) < n:
        k = "%s %s" % (rng.choice(firsts), rng.choice(seconds))
        if rng.random() < 0.3:
            k += code_form % rng.randint(100, 999)
        if k not in seen:
            seen.add(k)
            out.append(k)
    return out


def keywords(n):
    return keyword_family(n, 7, WORDS, FAULTS, " code=%d")


PREFIXES = ["connection to upstream", "connection pool", "database replica", "session token",
            "disk quota on volume", "message queue consumer", "cache shard", "worker thread pool"]
ENDINGS = ["refused", "reset by peer", "timed out", "exhausted", "rejected", "lost", "corrupted",
           "stalled", "expired", "unavailable", "dropped", "denied", "overflowed"]


def nearmiss_keywords(n):
    """Keywords in families that share their first words, as real catalogues have."""
    return keyword_family(n, 11, PREFIXES, ENDINGS, " (code %d)")


def write_catalogues(prog, kws, ignores):
    os.makedirs(prog, exist_ok=True)
    svc = ["[SERVICELIST]", "1=GW", "[SERVICE_GW]", "日志子目录=gw", "日志文件名称前缀=GW",
           "服务名称=网关服务", "[SERVICE_GW_EXCEPT]"]
    svc += ["%d=%s" % (i + 1, t) for i, t in enumerate(ignores)]
    err = ["[ERRORLIST]"] + ["%d=%03d" % (i + 1, 100 + i) for i in range(len(kws))]
    for i, k in enumerate(kws):
        err += ["[ERROR_%03d]" % (100 + i), "所属服务代码=GW", "错误名称=错误%d" % i, "日志关键字=%s" % k,
                "[ERROR_%03d_MEMO]" % (100 + i), "01=说明 %d" % i]
    for name, lines in (("ServiceList.ini", svc), ("ErrorList.ini", err)):
        with open(os.path.join(prog, name), "wb") as f:
            f.write(("\r\n".join(lines) + "\r\n").encode("gbk"))


def write_nearmiss_log(path, size, kws):
    """Long lines that mention the keywords' first words (and the start of "fail")
    many times without completing them; one line in 250 holds a keyword, one in 400
    a failure marker."""
    rng = random.Random(20261202)
    near = []
    for k in kws:
        words = k.split(" ")
        for cut in range(1, len(words)):
            near.append(" ".join(words[:cut]) + " " + rng.choice(["ok", "idle", "resumed", "checked"]))
        near.append(k[:len(k) - 2])  # the keyword without its last two letters
    near += ["fail-over planned", "failsafe on", "FAILOVER done", "failed-over", "fail_count=0"]
    # A near miss must not contain a shorter keyword of its family.
    folded = [k.lower() for k in kws] + ["fail ", "failed "]
    near = [n for n in near if not any(k in (n + " |").lower() for k in folded)]
    fillers = ["id=%08x" % rng.getrandbits(32) for _ in range(200)] + ["处理完成", "心跳检测", "写入缓存"]
    bodies = []
    for _ in range(3000):
        parts, length, target = [], 0, rng.randint(1000, 4000)
        while length < target:
            piece = rng.choice(near) if rng.random() < 0.6 else rng.choice(fillers)
            parts.append(piece)
            length += len(piece) + 3
        body = "[INFO] [worker-%d] " % rng.randint(1, 32) + " | ".join(parts)
        if not any(k in body.lower() for k in folded):
            bodies.append(body.encode("gbk"))
    errors = [("[ERROR] %s while serving %s" % (k, rng.choice(near))).encode("gbk") for k in kws]
    unknown = [b"[WARN] sync failed retrying", b"[ERROR] job fail due to upstream"]
    with open(path, "wb") as out:
        written, second, batch = 0, 0, []
        while written < size:
            second += 1
            stamp = b"2026-12-01 %02d:%02d:%02d.%03d " % (second // 3600 % 24, second // 60 % 60,
                                                           second % 60, rng.randint(0, 999))
            r = rng.random()
            body = rng.choice(errors) if r < 0.004 else rng.choice(unknown) if r < 0.0065 else rng.choice(bodies)
            batch.append(stamp + body)
            written += len(stamp) + len(body) + 1
            if len(batch) >= 4096:
                out.write(b"\n".join(batch) + b"\n")
                batch = []
        if batch:
            out.write(b"\n".join(batch) + b"\n")


def write_short_log(path, size, kws, ignores):
    """Lines of 60 to 200 bytes ending in CR LF: 15 % hold GBK text, 1 % a keyword
    (three in ten in upper case), 0.5 % a failure marker only, 0.2 % an ignore text."""
    rng = random.Random(20261203)
    fill = WORDS + ["id=%08x" % rng.getrandbits(32) for _ in range(100)]

    def body(head):
        parts, length, target = [head], len(head), rng.randint(60, 200) - 24
        if rng.random() < 0.15:
            parts.append(rng.choice(CHINESE).encode("gbk"))
            length += len(parts[-1]) + 1
        while length < target:
            parts.append(rng.choice(fill).encode())
            length += len(parts[-1]) + 1
        return b" ".join(parts)[:max(target, len(head))]

    with open(path, "wb") as out:
        written, second, batch = 0, 0, []
        while written < size:
            second += 1
            stamp = b"2026-12-01 %02d:%02d:%02d.%03d " % (second // 3600 % 24, second // 60 % 60,
                                                           second % 60, rng.randint(0, 999))
            r = rng.random()
            if r < 0.01:
                k = rng.choice(kws)
                line = body(b"[ERROR] " + (k.upper() if rng.random() < 0.3 else k).encode("gbk"))
            elif r < 0.015:
                line = body(b"[WARN] update failed")
            elif r < 0.017:
                line = body(b"[INFO] " + rng.choice(ignores).encode())
            else:
                line = body(b"[" + rng.choice(LEVELS).encode() + b"]")
            batch.append(stamp + line)
            written += len(stamp) + len(line) + 2
            if len(batch) >= 65536:
                out.write(b"\r\n".join(batch) + b"\r\n")
                batch = []
        if batch:
            out.write(b"\r\n".join(batch) + b"\r\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("outdir")
    ap.add_argument("--size", type=int, default=1 << 30)
    ap.add_argument("--keywords", type=int, default=100)
    ap.add_argument("--shape", choices=["stamped", "short", "nearmiss"], default="stamped")
    args = ap.parse_args()
    os.makedirs(args.outdir, exist_ok=True)

    kws = nearmiss_keywords(args.keywords) if args.shape == "nearmiss" else keywords(args.keywords)
    ignores = ["heartbeat probe", "health check ok", "debug dump"]
    write_catalogues(os.path.join(args.outdir, "prog"), kws, ignores)
    with open(os.path.join(args.outdir, "patterns.txt"), "wb") as f:
        f.write(("\n".join(kws + ignores + ["fail ", "failed "]) + "\n").encode("gbk"))
    if args.shape == "nearmiss":
        write_nearmiss_log(os.path.join(args.outdir, "GW20261201.log"), args.size, kws)
        return
    if args.shape == "short":
        write_short_log(os.path.join(args.outdir, "GW20261201.log"), args.size, kws, ignores)
        return

    rng = random.Random(20261201)
    # A pool of ordinary lines, reused with fresh time stamps: most of a real log.
    bodies = []
    for _ in range(4000):
        lvl = rng.choice(LEVELS)
        text = "%s %s processed in %d ms id=%08x" % (rng.choice(WORDS), rng.choice(WORDS),
                                                    rng.randint(1, 900), rng.getrandbits(32))
        if rng.random() < 0.3:
            text += " " + rng.choice(CHINESE)
        bodies.append(("[%s] [worker-%d] com.corvane.%s - %s" % (lvl, rng.randint(1, 32), rng.choice(WORDS), text))
                      .encode("gbk"))
    errors = [("[ERROR] [worker-%d] com.corvane.%s - %s while serving %s" %
               (rng.randint(1, 32), rng.choice(WORDS), k.upper() if rng.random() < 0.3 else k, rng.choice(WORDS)))
              .encode("gbk") for k in kws for _ in range(3)]
    unknown = [("[WARN] [worker-%d] %s update failed retrying" % (rng.randint(1, 32), rng.choice(WORDS))).encode("gbk"),
               b"[ERROR] job fail due to upstream", ("同步任务 FAILED 请检查").encode("gbk") + b" "]
    ignored = [b"[INFO] heartbeat probe failed silently", b"[DEBUG] debug dump follows"]
    continuation = [b"    at com.corvane.gateway.Handler.run(Handler.java:%d)" % n for n in range(40, 60)]

    out = open(os.path.join(args.outdir, "GW20261201.log"), "wb")
    written, second, batch = 0, 0, []
    while written < args.size:
        second += 1
        stamp = b"2026-12-01 %02d:%02d:%02d.%03d " % (second // 3600 % 24, second // 60 % 60, second % 60,
                                                       rng.randint(0, 999))
        r = rng.random()
        if r < 0.004:
            line = stamp + rng.choice(errors)
            extra = [rng.choice(continuation) for _ in range(rng.randint(0, 3))]
        elif r < 0.006:
            line, extra = stamp + rng.choice(unknown), []
        elif r < 0.007:
            line, extra = stamp + rng.choice(ignored), []
        else:
            line, extra = stamp + rng.choice(bodies), []
        for piece in [line] + extra:
            batch.append(piece)
            written += len(piece) + 2
        if len(batch) >= 65536:
            out.write(b"\r\n".join(batch) + b"\r\n")
            batch = []
    if batch:
        out.write(b"\r\n".join(batch) + b"\r\n")
    out.close()


if __name__ == "__main__":
    main()
