#!/usr/bin/env python3
"""A GBK log of a Chinese bank's front-end and payment services with its truth.

    bench/make_gbk_bank.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  25 messages, among
them names before reasons of Chinese text (客户<*>登录失败：<*>); one of three header
forms by the seed.  The output depends only on the arguments.
"""

import gbk_messages

BRANCHES = ["朝阳支行", "浦东分行", "天河支行", "南山支行", "西湖支行", "高新区支行"]
CHANNELS = ["手机银行", "网上银行", "柜面", "ATM"]
CURRENCIES = ["人民币", "美元", "欧元", "港币"]
REASONS = ["账户已冻结", "余额不足", "超过日限额", "密码错误次数过多"]



V = {
    "name": gbk_messages.name,
    "acct": lambda r: "62%02d****%04d" % (r.randint(10, 99), r.randint(0, 9999)),
    "amt": lambda r: "%d.%02d" % (r.randint(1, 500000), r.randint(0, 99)),
    "txn": lambda r: "TX%d%010d" % (r.choice([20261209]), r.randint(0, 9999999999)),
    "branch": lambda r: r.choice(BRANCHES),
    "channel": lambda r: r.choice(CHANNELS),
    "cur": lambda r: r.choice(CURRENCIES),
    "teller": lambda r: "G%05d" % r.randint(1, 99999),
    "ms": lambda r: str(r.randint(1, 9000)),
    "n": lambda r: str(r.randint(1, 100)),
    "ip": lambda r: "%d.%d.%d.%d" % (r.randint(1, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "dev": lambda r: "%s-%08X" % (r.choice(["iPhone", "HUAWEI", "Xiaomi", "OPPO"]), r.getrandbits(32)),
    "rate": lambda r: "%.4f" % (6 + r.random()),
    "reason": lambda r: r.choice(REASONS),
    "otp": lambda r: "%06d" % r.randint(0, 999999),
    "ver": lambda r: "%d.%d.%d" % (r.randint(5, 9), r.randint(0, 9), r.randint(0, 20)),
}

TEMPLATES = [
    ("INFO", "客户{name}通过{channel}登录，设备{dev}"),
    ("WARN", "客户{name}登录失败：{reason}"),
    ("INFO", "转账交易{txn}受理成功：从{acct}转出{amt}元到{acct}"),
    ("ERROR", "转账交易{txn}被拒绝，原因码{n}"),
    ("INFO", "交易{txn}记账完成，耗时{ms}毫秒"),
    ("WARN", "交易{txn}记账超时，耗时{ms}毫秒，已发起冲正"),
    ("INFO", "柜员{teller}在{branch}签到"),
    ("INFO", "柜员{teller}在{branch}签退"),
    ("INFO", "{branch}现金尾箱已轧账，余额{amt}元"),
    ("INFO", "汇率更新：{cur}中间价{rate}"),
    ("INFO", "短信验证码{otp}已发送到尾号{n}的手机"),
    ("WARN", "短信验证码校验失败，客户{name}，剩余次数{n}"),
    ("INFO", "账户{acct}已开户，开户行{branch}"),
    ("INFO", "账户{acct}已销户"),
    ("WARN", "账户{acct}触发反洗钱规则R{n}，金额{amt}元"),
    ("INFO", "批量代发工资开始，共{n}笔"),
    ("INFO", "批量代发工资结束，成功{n}笔，失败{n}笔"),
    ("ERROR", "连接核心系统{ip}失败，第{n}次重试"),
    ("INFO", "客户端版本{ver}上报启动，IP {ip}"),
    ("INFO", "信用卡{acct}还款{amt}元成功"),
    ("WARN", "信用卡{acct}逾期{n}天"),
    ("INFO", "理财产品认购成功，客户{name}，金额{amt}元"),
    ("INFO", "理财产品赎回成功，客户{name}，金额{amt}元"),
    ("ERROR", "日终批处理步骤{n}执行失败"),
    ("INFO", "日终批处理步骤{n}执行完成"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "[2026-12-09 %02d:%02d:%02d] [pid:%d] [%s] " % (hh, mm, ss, r.randint(100, 99999), level)
    if form == 1:
        return "2026/12/09-%02d:%02d:%02d.%03d %-5s " % (hh, mm, ss, ms, level)
    return "%s %02d:%02d:%02d.%03d [%s] " % ({"INFO": "I", "WARN": "W", "ERROR": "E"}[level], hh, mm, ss, ms,
                                            r.choice(["core", "gateway", "mobile", "batch"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "K", 7 * 3600)
