#!/usr/bin/env python3
"""A GBK log of a Chinese public library system with its truth.

    bench/make_gbk_library.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 25 messages (books,
readers, loans, returns, reservations, fines and self-service machines), written to
measure the miner on and not to shape it: no rule was made or tuned on them. One of three
header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

TITLES = ["《红楼梦》", "《三体》", "《平凡的世界》", "《活着》", "《围城》",
          "《百年孤独》", "《人类简史：从动物到上帝》", "《C++程序设计语言（第四版）》"]
BRANCHES = ["总馆", "城东分馆", "少儿分馆", "大学城分馆", "社区流动书屋"]
FLOORS = ["一楼借阅区", "二楼社科阅览室", "三楼外文书库", "报刊阅览室", "古籍特藏部"]
CARDS = ["普通读者证", "学生证", "少儿证", "电子读者证", "社保卡"]
STATES = ["在架", "借出", "预约保留", "修补中", "丢失", "剔旧"]
REFUSALS = ["超过最大借阅数量", "读者证已挂失", "存在逾期未还图书", "欠款未缴清",
            "该书为馆内阅览图书，不外借", "读者证已过期"]
MACHINES = ["自助借还机", "自助办证机", "24小时还书箱", "图书杀菌机"]
NOTIFY = ["SMS", "WeChat", "Email"]
CATEGORIES = ["I247", "K820", "TP312", "F830", "B84", "H319"]


def barcode(r):
    return "%s%07d" % (r.choice(["A", "B", "T"]), r.randint(0, 9999999))


def items(r):
    # several barcodes handed in at one go, joined with commas as the machine prints them
    return ",".join(barcode(r) for _ in range(r.randint(1, 6)))


def titles(r):
    return "、".join(r.sample(TITLES, r.randint(1, 3)))


def renewal(r):
    # the count is only printed for renewed loans
    if r.random() < 0.55:
        return ""
    return "（已续借%d次）" % r.randint(1, 2)


V = {
    "name": gbk_messages.name,
    "card": lambda r: "R%010d" % r.randint(0, 9999999999),
    "bar": barcode,
    "items": items,
    "title": lambda r: r.choice(TITLES),
    "titles": titles,
    "branch": lambda r: r.choice(BRANCHES),
    "floor": lambda r: r.choice(FLOORS),
    "ctype": lambda r: r.choice(CARDS),
    "state": lambda r: r.choice(STATES),
    "refuse": lambda r: r.choice(REFUSALS),
    "machine": lambda r: r.choice(MACHINES),
    "via": lambda r: r.choice(NOTIFY),
    "callno": lambda r: "%s/%d" % (r.choice(CATEGORIES), r.randint(1, 999)),
    "renew": renewal,
    "date": lambda r: "2026-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "cdate": lambda r: "%d月%d日" % (r.randint(1, 12), r.randint(1, 28)),
    "days": lambda r: str(r.randint(1, 90)),
    "n": lambda r: str(r.randint(1, 20)),
    "big": lambda r: str(r.randint(100, 50000)),
    "fine": lambda r: "%.2f" % (r.randint(1, 400) / 10.0),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "mid": lambda r: "SSM-%03d" % r.randint(1, 60),
    "ms": lambda r: str(r.randint(3, 9000)),
    "pct": lambda r: "%d%%" % r.randint(0, 100),
    "rfid": lambda r: "E004%012X" % r.getrandbits(48),
}

TEMPLATES = [
    ("INFO", "{name}借阅{title}，条码{bar}，应还日期{date}"),
    ("INFO", "{name}归还{title}，条码{bar}{renew}"),
    ("INFO", "读者{card}续借成功：{bar}，新应还日期：{date}"),
    ("WARN", "读者{card}续借失败：{bar} 已被他人预约"),
    ("WARN", "借书被拒绝，读者：{name}（{card}），原因：{refuse}"),
    ("INFO", "{name}预约{title}成功，取书地点：{branch}{floor}"),
    ("INFO", "预约到书通知已发送 reader={card} channel={via} phone={phone}"),
    ("INFO", "预约保留期满，{title}自动释放，读者{name}未取书"),
    ("WARN", "图书逾期{days}天：{bar}，读者{name}，产生滞纳金{fine}元"),
    ("INFO", "{name}缴纳滞纳金{fine}元，支付方式：{via}"),
    ("INFO", "新读者办证：{name}，证件类型：{ctype}，证号{card}，押金{fine}元"),
    ("INFO", "读者{name}挂失{ctype}，证号{card}"),
    ("INFO", "读者{name}注销{ctype}，证号{card}，退还押金{fine}元"),
    ("INFO", "{machine}{mid}批量还书：{items}"),
    ("ERROR", "{machine}{mid}读取RFID标签失败，tag={rfid}，重试{n}次"),
    ("WARN", "{machine}{mid}纸张不足，剩余{pct}"),
    ("ERROR", "{machine}{mid}离线，最后心跳{ms}ms前"),
    ("INFO", "馆藏状态变更：{bar} {callno}，{state}"),
    ("INFO", "编目完成：{title}，索书号{callno}，入藏{branch}，复本{n}册"),
    ("INFO", "通借通还：{bar}由{branch}调拨至{branch}"),
    ("WARN", "安全门报警：{floor}，条码{bar}未消磁"),
    ("INFO", "{cdate}{branch}入馆人次{big}，借出{big}册，归还{big}册"),
    ("INFO", "读者{card}检索“{title}”，命中{n}条，耗时{ms}ms"),
    ("INFO", "{name}的荐购申请已提交：{titles}"),
    ("ERROR", "同步联合目录失败 branch={branch} http_status=502 cost={ms}ms"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "%s|2026-12-09 %02d:%02d:%02d,%03d|lib-circ|%d|" % (level, hh, mm, ss, ms, r.randint(10, 99))
    if form == 1:
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[2026/12/09 %02d:%02d:%02d][%s][%s] " % (hh, mm, ss, cn, r.choice(["流通", "采编", "读者管理", "自助设备"]))
    return "%02d:%02d:%02d %s library.%s: " % (hh, mm, ss, level[0], r.choice(["loan", "opac", "device", "reader"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "LB", 8 * 3600 + 1800)
