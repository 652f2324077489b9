#!/usr/bin/env python3
"""Writes a deterministic benchmark log and a matching program directory.

    make_bench_data.py OUTDIR [--size BYTES] [--keywords N]
                       [--shape stamped|short|nearmiss|words|fragments|hex|gbktext|tokens]

OUTDIR/GW20261201.log   a GBK log of about BYTES bytes (default 1 GiB)
OUTDIR/prog/            ServiceList.ini and ErrorList.ini: N keywords (default 100)
                        for service GW, three ignore texts
OUTDIR/patterns.txt     the same keywords, ignore texts and both failure markers,
                        one per line, for grep and ripgrep

Shapes: "stamped" is a realistic application log of short stamped lines; "short" has
lines of 60 to 200 bytes, 15 % of them with GBK text, 1 % known errors and 0.5 %
unknown ones, so the scan's cost per line and per finding shows; "nearmiss"
has lines of 1 to 4 KB full of the beginnings of keywords that do not go on to the
keyword, and keywords that share their first words.  "words", "fragments", "hex",
"gbktext" and "tokens" are short-line logs in the same proportions (plus 0.3 % near
misses of the failure markers, such as "failover" or "failed.") that differ in what the
ordinary text is made of, each with its own 100 keywords of 8 to 29 bytes: how often the
engine's first-stage filter fires on ordinary text depends on that.
"""
import argparse
import os
import random
import re

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


LOGHUB = "/work/shared/realdata/loghub"
GBK_PHRASES = CHINESE + ["订单已提交", "支付超时", "库存不足", "连接已断开", "重新加载配置", "任务调度开始",
                         "数据库连接池已满", "消息队列积压", "会话已过期", "校验通过", "文件已归档", "线程池扩容"]
VOCAB_SHAPES = ["words", "fragments", "hex", "gbktext", "tokens"]
NEAR = ["failover", "failure", "failed.", "failsafe", "FAILOVER", "failures"]


def loghub_message_texts():
    """The message part of each line of the loghub sample logs: after the first ': ' or
    '] ', which ends the time stamp and source in most of their formats."""
    for name in sorted(os.listdir(LOGHUB)):
        if not name.endswith(".log"):
            continue
        with open(os.path.join(LOGHUB, name), "rb") as f:
            for raw in f:
                text = raw.decode("ascii", "replace")
                cut = max(text.find(": "), text.find("] "))
                yield text[cut + 2:] if cut >= 0 else text


def loghub_messages():
    """The loghub messages, each as its printable ASCII tokens."""
    out = []
    for text in loghub_message_texts():
        tokens = [t for t in text.split() if t.isascii() and t.isprintable() and len(t) <= 40]
        if tokens:
            out.append(tokens)
    return out


def loghub_words():
    """The words of the loghub messages, each once, in order of first appearance."""
    seen, out = set(), []
    for text in loghub_message_texts():
        for w in re.findall(r"[A-Za-z][a-z]{1,13}", text):
            if w not in seen:
                seen.add(w)
                out.append(w)
    return out


def sized_keywords(n, seed, pick):
    """n distinct keywords of 8 to 29 bytes, each made by pick(rng)."""
    rng = random.Random(seed)
    seen, out = set(), []
    while len(out) < n:
        k = pick(rng)
        if 8 <= len(k.encode("gbk")) <= 29 and k.lower() not in seen:
            seen.add(k.lower())
            out.append(k)
    return out


def vocab_shape(shape, n):
    """(keywords, ordinary words, share of lines with GBK text) of a vocabulary shape.

    words:     English words of real logs; the keywords are pairs of them.
    fragments: the ordinary words are pieces of the keywords (prefixes, suffixes,
               inner pieces), so the first letters of keywords are everywhere.
    hex:       hexadecimal ids and hashes between few words.
    tokens:    the tokens of real log messages (numbers, ids, paths, punctuation) as
               often as they occur there; the keywords are runs of two or three
               tokens as they stand in those messages.
    gbktext:   most of each line is GBK text; the keywords stay ASCII, as the
               ripgrep taken for comparison reads only UTF-8 patterns."""
    if shape == "words":
        vocab = loghub_words()
        kws = sized_keywords(n, 21, lambda r: "%s %s" % (r.choice(vocab), r.choice(vocab)))
        return kws, vocab, 0.15
    if shape == "fragments":
        kws = sized_keywords(n, 22, lambda r: "%s %s" % (r.choice(WORDS), r.choice(FAULTS)))
        pieces = set()
        for k in kws:
            for w in k.split(" "):
                for i in range(len(w)):
                    for j in range(i + 3, min(len(w), i + 9) + 1):
                        pieces.add(w[i:j])
        return kws, sorted(pieces), 0.15
    if shape == "tokens":
        messages = loghub_messages()

        def phrase(r):
            tokens = r.choice(messages)
            at = r.randrange(len(tokens))
            return " ".join(tokens[at:at + r.choice([2, 3])])

        kws = sized_keywords(n, 25, phrase)
        return kws, [t for m in messages for t in m], 0.15
    if shape == "hex":
        rng = random.Random(23)
        kws = sized_keywords(n, 23, lambda r: "%s %s" % (r.choice(WORDS), r.choice(FAULTS)))
        ids = ["%x" % rng.getrandbits(rng.choice([32, 48, 64, 128])) for _ in range(2000)]
        ids += ["0x%08x" % rng.getrandbits(32) for _ in range(500)]
        ids += ["%08x-%04x-%04x" % (rng.getrandbits(32), rng.getrandbits(16), rng.getrandbits(16))
                for _ in range(500)]
        return kws, ids + WORDS[:8], 0.15
    kws = sized_keywords(n, 24, lambda r: "%s %s" % (r.choice(WORDS), r.choice(FAULTS)))
    return kws, WORDS, 0.8


def write_vocab_log(path, size, kws, ignores, vocab, gbk_share):
    """Lines of 60 to 200 bytes ending in CR LF, in the proportions of the "short"
    shape plus 0.3 % near misses of the failure markers.  An ordinary line that
    happens to hold a keyword or marker is drawn again, so the findings are exactly
    the planted ones.  A 64 MiB block is made once and repeated up to the size."""
    rng = random.Random(20261204)
    hit = re.compile(b"|".join(re.escape(k.encode("gbk")) for k in kws + ["fail ", "failed "]),
                     re.IGNORECASE)

    def body(head, plain):
        while True:
            parts, target = [head], rng.randint(60, 200) - 24
            length = len(head)
            # A line with GBK text holds one phrase, or mostly phrases in the GBK-heavy shape.
            gbk = 0.0 if rng.random() >= gbk_share else 0.7 if gbk_share > 0.5 else -1
            while length < target:
                if gbk < 0 or rng.random() < gbk:
                    parts.append(rng.choice(GBK_PHRASES).encode("gbk"))
                    gbk = max(gbk, 0.0)
                else:
                    parts.append(rng.choice(vocab).encode())
                length += len(parts[-1]) + 1
            text = b" ".join(parts)[:max(target, len(head))]
            if not plain or not hit.search(text):
                return text

    block, second, length = [], 0, 0
    while length < min(size, 64 << 20):
        second += 1
        stamp = b"2026-12-01 %02d:%02d:%02d.%03d " % (second // 3600 % 24, second // 60 % 60,
                                                       second % 60, rng.randint(0, 999))
        r = rng.random()
        if r < 0.01:
            k = rng.choice(kws)
            line = body(b"[ERROR] " + (k.upper() if rng.random() < 0.3 else k).encode("gbk"), False)
        elif r < 0.015:
            line = body(b"[WARN] update failed", False)
        elif r < 0.017:
            line = body(b"[INFO] " + rng.choice(ignores).encode(), False)
        elif r < 0.020:
            line = body(b"[WARN] " + rng.choice(NEAR).encode(), True)
        else:
            line = body(b"[" + rng.choice(LEVELS).encode() + b"]", True)
        block.append(stamp + line + b"\r\n")
        length += len(block[-1])
    block = b"".join(block)
    with open(path, "wb") as out:
        written = 0
        while written < size:
            piece = block[:size - written]
            if len(piece) < len(block):
                piece = piece[:piece.rfind(b"\n") + 1] or piece
            out.write(piece)
            written += len(piece)
            if len(piece) < len(block):
                break


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
    ap.add_argument("--shape", choices=["stamped", "short", "nearmiss"] + VOCAB_SHAPES, default="stamped")
    args = ap.parse_args()
    os.makedirs(args.outdir, exist_ok=True)

    vocab = None
    if args.shape in VOCAB_SHAPES:
        kws, vocab, gbk_share = vocab_shape(args.shape, args.keywords)
    elif args.shape == "nearmiss":
        kws = nearmiss_keywords(args.keywords)
    else:
        kws = keywords(args.keywords)
    ignores = ["heartbeat probe", "health check ok", "debug dump"]
    write_catalogues(os.path.join(args.outdir, "prog"), kws, ignores)
    with open(os.path.join(args.outdir, "patterns.txt"), "wb") as f:
        f.write(("\n".join(kws + ignores + ["fail ", "failed "]) + "\n").encode("gbk"))
    if vocab is not None:
        write_vocab_log(os.path.join(args.outdir, "GW20261201.log"), args.size, kws, ignores, vocab, gbk_share)
        return
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
