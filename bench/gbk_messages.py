"""What the generators of Chinese messages share (make_gbk_business.py and the others):
filling a message's variables and writing a log with its truth.  Each generator gives
its messages as (level, text) with variables written {name}, a function per variable, and
its header forms; the output depends only on those and the arguments."""
import argparse
import random


# Common Chinese surnames and given-name characters, for names of two or three characters.
SURNAMES = list("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐")
GIVEN = list("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚")


def name(r):
    """A Chinese name: a surname and one or two given-name characters."""
    return r.choice(SURNAMES) + "".join(r.choice(GIVEN) for _ in range(r.randint(1, 2)))


def pick(texts):
    """A maker of one of `texts`."""
    return lambda r: r.choice(texts)


def optional(text_maker, p=0.4):
    """A maker of a part that only some lines of a message carry: text_maker's with
    probability p, else nothing."""
    return lambda r: text_maker(r) if r.random() < p else ""


def rint(lo, hi, fmt="%d"):
    """A variable: a whole number from lo to hi, written with `fmt`."""
    return lambda r: fmt % r.randint(lo, hi)


def real(lo, hi, fmt="%.1f"):
    """A variable: a number between lo and hi, written with `fmt`."""
    return lambda r: fmt % r.uniform(lo, hi)


def items(texts, lo, hi):
    """A variable: lo to hi different texts of `texts`, joined by "、"."""
    return lambda r: "、".join(r.sample(texts, r.randint(lo, hi)))


def fill(r, message, values):
    """`message` with each {name} replaced by values[name](r), in order."""
    out, i = [], 0
    while i < len(message):
        if message[i] == "{":
            j = message.index("}", i)
            out.append(values[message[i + 1:j]](r))
            i = j + 1
        else:
            out.append(message[i])
            i += 1
    return "".join(out)


def _arguments(seed):
    ap = argparse.ArgumentParser()
    ap.add_argument("log")
    ap.add_argument("truth")
    ap.add_argument("--lines", type=int, default=4000)
    ap.add_argument("--seed", type=int, default=seed)
    return ap.parse_args()


def _write(a, r, form, templates, weights, values, header, event, start, steps):
    """Writes a.lines messages drawn by `weights` and their truth (see main)."""
    t = start
    with open(a.log, "wb") as log, open(a.truth, "w", encoding="ascii") as truth:
        truth.write("LineId,EventId\n")
        for n in range(1, a.lines + 1):
            k = r.choices(range(len(templates)), weights)[0]
            *fields, message = templates[k]
            t += r.choice(list(steps))
            line = header(r, form, t, *fields) + fill(r, message, values)
            log.write(line.encode("gbk") + b"\r\n")
            truth.write("%d,%s%d\n" % (n, event, k + 1))


def main(templates, values, header, event, start, steps=(0, 1, 2), skew=0.7, forms=3, seed=1):
    """Reads LOGFILE TRUTHFILE [--lines N] [--seed S] (`seed` by default) and writes a GBK
    log (CR LF) of messages drawn with Zipf-like weights in an order the seed shuffles,
    each after the header form `seed % forms` at a time that starts at `start` seconds and
    grows by one of `steps`, and its truth, CSV "LineId,EventId" with ids `event` and the
    message's number.  A template is its fields and last its message; the header is
    made by header(r, form, t, *fields)."""
    a = _arguments(seed)
    r = random.Random(a.seed)
    form = a.seed % forms
    order = list(range(len(templates)))
    r.shuffle(order)
    weights = [0.0] * len(templates)
    for rank, k in enumerate(order):
        weights[k] = 1.0 / (rank + 1) ** skew
    _write(a, r, form, templates, weights, values, header, event, start, steps)


def main_weighted(templates, values, header, event, start, steps, jitter=None):
    """As main, for templates that give their own weight first ((weight, *fields,
    message)): a single Zipf curve can't keep the commonest message under a quarter of the
    lines and still leave some under ten in 4,000.  With `jitter` (low, high) the seed
    scales each weight by a factor drawn between them."""
    a = _arguments(1)
    r = random.Random(a.seed)
    form = a.seed % 3
    weights = [t[0] * r.uniform(*jitter) if jitter else t[0] for t in templates]
    _write(a, r, form, [t[1:] for t in templates], weights, values, header, event, start,
           steps)
