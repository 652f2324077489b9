#!/usr/bin/env python3
"""A GBK log of a Chinese public-service portal and its logistics back end, with its truth.

    bench/make_gbk_gov.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 20 messages (a
window's or terminal's name before what it does), written to measure the miner on and
not to shape it: no rule was made or tuned on them. One of three header forms by the
seed. The output depends only on the arguments.
"""

import gbk_messages

ITEMS = ["居住证办理", "社保转移", "公积金提取", "营业执照变更", "出入境预约", "不动产登记"]
WINDOWS = ["一号窗口", "二号窗口", "综合窗口", "自助终端"]
CITIES = ["北京", "上海", "广州", "深圳", "杭州", "成都", "武汉", "南京"]
CARRIERS = ["顺丰", "中通", "圆通", "京东物流", "邮政EMS"]
STATUS = ["已揽收", "运输中", "派送中", "已签收"]



V = {
    "name": gbk_messages.name,
    "id": lambda r: "%06d********%04d" % (r.randint(110000, 659999), r.randint(0, 9999)),
    "no": lambda r: "SX%d%06d" % (r.choice([20261209, 20261208]), r.randint(0, 999999)),
    "item": lambda r: r.choice(ITEMS),
    "win": lambda r: r.choice(WINDOWS),
    "n": lambda r: str(r.randint(1, 300)),
    "min": lambda r: "%d分钟" % r.randint(1, 120),
    "city": lambda r: r.choice(CITIES),
    "carrier": lambda r: r.choice(CARRIERS),
    "status": lambda r: r.choice(STATUS),
    "track": lambda r: "%s%012d" % (r.choice(["SF", "ZT", "YT", "JD"]), r.randint(0, 10 ** 12 - 1)),
    "kg": lambda r: "%.1fkg" % (r.randint(1, 500) / 10),
    "ms": lambda r: "%dms" % r.randint(1, 5000),
    "ip": lambda r: "%d.%d.%d.%d" % (r.randint(1, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "score": lambda r: str(r.randint(1, 5)),
    "code": lambda r: str(r.choice([400, 401, 403, 404, 500, 502, 503])),
}

TEMPLATES = [
    ("INFO", "办件{no}已受理，事项“{item}”，申请人{name}"),
    ("INFO", "办件{no}已办结，用时{min}"),
    ("WARN", "办件{no}即将超期，剩余{n}小时"),
    ("INFO", "{win}叫号{n}，请{name}前往办理"),
    ("INFO", "{win}暂停服务"),
    ("INFO", "{win}恢复服务"),
    ("INFO", "身份证{id}实名核验通过"),
    ("WARN", "身份证{id}实名核验未通过"),
    ("INFO", "用户对办件{no}评价{score}星"),
    ("INFO", "快递单{track}状态更新为{status}，当前城市{city}"),
    ("INFO", "快递单{track}由{carrier}揽收，重量{kg}"),
    ("ERROR", "快递单{track}推送失败，HTTP {code}"),
    ("INFO", "证照寄递已下单，办件{no}，快递单{track}"),
    ("INFO", "统一认证登录成功（{ip}），耗时{ms}"),
    ("WARN", "统一认证登录失败（{ip}），连续{n}次"),
    ("INFO", "数据共享接口调用{n}次，平均耗时{ms}"),
    ("ERROR", "数据共享接口调用异常，返回码{code}"),
    ("INFO", "电子证照生成成功，办件{no}"),
    ("INFO", "今日累计受理{n}件，办结{n}件"),
    ("WARN", "预约号源不足，事项“{item}”仅剩{n}个"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09 %02d:%02d:%02d.%03d [%-5s] [线程-%d] 政务服务 - " % (hh, mm, ss, ms, level, r.randint(1, 16))
    if form == 1:
        return "%02d:%02d:%02d,%03d %s [%s] " % (hh, mm, ss, ms, level, r.choice(["portal", "logistics", "auth"]))
    return "2026.12.09 %02d:%02d:%02d %s: " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "G", 8 * 3600)
