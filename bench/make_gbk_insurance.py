#!/usr/bin/env python3
"""A GBK log of a Chinese insurance policy and claims system with its truth.

    bench/make_gbk_insurance.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (policies,
claims, surveys, payouts and underwriting, with names, products and reasons of Chinese
text), written to measure the miner on and not to shape it: no rule was made or tuned on
them. One of three header forms by the seed, one of them key=value. The output depends
only on the arguments.
"""

import gbk_messages

PRODUCTS = ["安心守护重大疾病保险", "康宁百万医疗险", "鑫享年金保险", "驾乘无忧意外险",
            "家财安居险", "少儿成长教育金保险", "交强险", "商业车险"]
PLACES = ["杭州市西湖区文三路", "成都市武侯区天府大道", "广州市天河区体育西路", "沪昆高速K1123处",
          "南京市鼓楼区中山北路", "郑州市金水区"]
GARAGES = ["瑞丰汽车维修厂", "顺达4S店", "诚信汽修中心", "永安钣喷中心"]
HOSPITALS = ["市第一人民医院", "省中医院", "妇幼保健院", "第三附属医院", "县人民医院"]
MATERIALS = ["身份证复印件", "诊断证明", "住院发票", "费用清单", "事故认定书", "驾驶证", "银行卡照片"]
BANKS = ["工商银行", "农业银行", "建设银行", "招商银行", "邮储银行"]
FRAUD = ["同一设备多次报案", "出险时间临近生效日", "高频就诊", "修理厂关联", "夜间单车事故"]
DESCS = ["", "", "，经过：倒车时与立柱发生碰撞", "，经过：下楼梯时摔倒致右腿骨折",
         "，经过：暴雨导致车辆泡水无法启动", "，经过：追尾前车，对方车辆后保险杠受损，无人员伤亡",
         "，经过：家中水管爆裂，浸泡地板及楼下住户吊顶"]


def money(r):
    return "%d.%02d" % (r.randint(1, 200000), r.randint(0, 99))


def payjson(r):
    # Made whole here: a brace written in a message would be read as a variable.
    return '{"claimNo":"LP2026%07d","amount":%s,"status":"%s"}' % (
        r.randint(0, 9999999), money(r), r.choice(["SUCCESS", "SUCCESS", "PROCESSING", "FAIL"]))


V = {
    "name": gbk_messages.name,
    "policy": lambda r: "%s2026%012d" % (r.choice(["AHZ", "ACX", "YWX", "JKX"]), r.randint(0, 10**12 - 1)),
    "claim": lambda r: "LP2026%07d" % r.randint(0, 9999999),
    "task": lambda r: "CK%s%04d" % (r.choice("ABCDE"), r.randint(0, 9999)),
    "agent": lambda r: "%08d" % r.randint(0, 99999999),
    "product": gbk_messages.pick(PRODUCTS),
    "place": gbk_messages.pick(PLACES),
    "garage": gbk_messages.pick(GARAGES),
    "hospital": gbk_messages.pick(HOSPITALS),
    "bank": gbk_messages.pick(BANKS),
    "branch": gbk_messages.pick(["浙江分公司", "四川分公司", "广东分公司", "江苏分公司", "河南分公司"]),
    "channel": gbk_messages.pick(["个险", "银保", "团险", "互联网", "电销"]),
    "uw": gbk_messages.pick(["标准体承保", "加费承保", "除外责任承保", "延期承保", "拒保"]),
    "renewfail": gbk_messages.pick(["扣款账户余额不足", "被保险人年龄超出续保上限", "产品已停售", "健康告知异常"]),
    "survey": gbk_messages.pick(["属实，责任明确", "存疑，需二次查勘", "不属实", "现场已移动，无法确认"]),
    "reject": gbk_messages.pick(["等待期内出险", "既往症未如实告知", "不属于保险责任范围", "超过报案时效", "酒后驾驶"]),
    "action": gbk_messages.pick(["PASS", "MANUAL", "REJECT"]),
    "ext": gbk_messages.pick(["医保平台", "征信", "车辆VIN查询", "OCR识别", "电子发票验真"]),
    "bankerr": gbk_messages.pick(["账户已销户", "户名不符", "系统繁忙，请稍后再试", "交易超限"]),
    "money": money,
    "pct": lambda r: "%d%%" % r.randint(30, 100),
    "delta": lambda r: r.choice(["+", "-"]) + "%.1f%%" % (r.random() * 40),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "date": lambda r: "2026-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "period": lambda r: "2026-%02d-%02d至2027-%02d-%02d" % ((r.randint(1, 12), r.randint(1, 28)) * 2),
    "hm": lambda r: "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59)),
    "n": lambda r: str(r.randint(1, 500)),
    "wan": lambda r: "%.2f" % (r.random() * 900),
    "try": lambda r: str(r.randint(1, 3)),
    "days": lambda r: str(r.randint(1, 60)),
    "min": lambda r: str(r.randint(10, 90)),
    "ms": lambda r: str(r.randint(3000, 30000)),
    "tail": lambda r: "%04d" % r.randint(0, 9999),
    "acct": lambda r: "6222****%04d" % r.randint(0, 9999),
    "rule": lambda r: "UW%03d" % r.randint(1, 180),
    "score": lambda r: str(r.randint(0, 100)),
    "mats": lambda r: "、".join(r.sample(MATERIALS, r.randint(1, 4))),
    "hits": lambda r: "，".join(r.sample(FRAUD, r.randint(1, 3))),
    "desc": gbk_messages.pick(DESCS),
    "remind": gbk_messages.pick(["", "", "，已短信提醒", "，已电话提醒客户"]),
    "payjson": payjson,
}

TEMPLATES = [
    ("INFO", "{name}投保{product}成功，保单号{policy}，年缴保费{money}元，渠道：{channel}"),
    ("INFO", "保单{policy}承保完成，核保结论：{uw}"),
    ("WARN", "核保规则命中 rule={rule} score={score} policy={policy} action={action}"),
    ("INFO", "{name}的保单{policy}已退保，退还现金价值{money}元"),
    ("INFO", "保单{policy}续保成功，新保险期间{period}"),
    ("WARN", "保单{policy}续保失败：{renewfail}"),
    ("INFO", "收到报案：报案人{name}（{phone}），出险地点{place}，出险时间{date} {hm}{desc}"),
    ("INFO", "理赔案件{claim}已立案，关联保单{policy}"),
    ("INFO", "理赔案件{claim}已结案，关联保单{policy}"),
    ("INFO", "派发查勘任务{task}至查勘员{name}，预计{min}分钟到达{place}"),
    ("INFO", "查勘员{name}到达现场，案件{claim}，查勘结论：{survey}"),
    ("INFO", "案件{claim}定损金额{money}元，定损单位：{garage}"),
    ("WARN", "案件{claim}材料不全，需补充：{mats}"),
    ("INFO", "案件{claim}理算完成：核定赔付{money}元，免赔额{money}元，赔付比例{pct}"),
    ("WARN", "案件{claim}拒赔，原因：{reject}"),
    ("INFO", "支付回调 {payjson}"),
    ("ERROR", "赔款支付失败，收款人{name}，账户{acct}，银行返回：{bankerr}"),
    ("INFO", "赔款已支付至{name}尾号{tail}的{bank}账户，金额￥{money}"),
    ("WARN", "反欺诈模型预警：案件{claim}风险评分{score}，命中规则[{hits}]"),
    ("ERROR", "调用{ext}接口超时，耗时{ms}ms，重试第{try}次"),
    ("INFO", "{branch}今日新单{n}件，保费收入{wan}万元，同比{delta}"),
    ("INFO", "代理人{name}（工号{agent}）登录移动展业App"),
    ("INFO", "代理人{name}（工号{agent}）退出移动展业App"),
    ("INFO", "客户{name}修改联系电话为{phone}"),
    ("INFO", "{name}在{hospital}住院{days}天，申请医疗费用报销{money}元"),
    ("WARN", "保单{policy}缴费宽限期剩余{days}天，应缴保费{money}元{remind}"),
]

LEVELS = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-03-18 %02d:%02d:%02d,%03d %-5s [claim-worker-%d] c.i.core.%s - " % (
            hh, mm, ss, ms, level, r.randint(1, 8), r.choice(["PolicyService", "ClaimService", "PayService"]))
    if form == 1:
        return "[2026/03/18 %02d:%02d:%02d][%s][%s] " % (hh, mm, ss, LEVELS[level], r.choice(["承保中心", "理赔中心", "财务中心"]))
    return "time=2026-03-18T%02d:%02d:%02d.%03d+08:00 level=%s app=ins-core trace=%08x msg=" % (
        hh, mm, ss, ms, level.lower(), r.getrandbits(32))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "I", 9 * 3600)
