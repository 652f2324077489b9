#!/usr/bin/env python3
"""A GBK log of a Chinese hospital information system with its truth.

    bench/make_gbk_hosp.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 20 messages (names,
departments and drugs of Chinese text), written to measure the miner on and not to shape
it: no rule was made or tuned on them. One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

DEPTS = ["内科", "外科", "儿科", "妇产科", "急诊科", "眼科", "口腔科", "皮肤科"]
DRUGS = ["阿莫西林胶囊", "布洛芬缓释胶囊", "头孢克肟片", "葡萄糖注射液", "维生素C片"]
EXAMS = ["血常规", "尿常规", "胸部CT", "心电图", "B超"]
ROOMS = ["门诊楼3层", "住院部5楼", "医技楼1层"]



V = {
    "name": gbk_messages.name,
    "doc": gbk_messages.name,
    "pid": lambda r: "P%08d" % r.randint(0, 99999999),
    "dept": lambda r: r.choice(DEPTS),
    "drug": lambda r: r.choice(DRUGS),
    "exam": lambda r: r.choice(EXAMS),
    "room": lambda r: r.choice(ROOMS),
    "n": lambda r: str(r.randint(1, 60)),
    "fee": lambda r: "%d.%02d" % (r.randint(1, 9999), r.randint(0, 99)),
    "bed": lambda r: "%d床" % r.randint(1, 60),
    "rx": lambda r: "RX%d%05d" % (1209, r.randint(0, 99999)),
    "ms": lambda r: str(r.randint(5, 4000)),
    "queue": lambda r: "%s%03d" % (r.choice("ABCD"), r.randint(1, 300)),
}

TEMPLATES = [
    ("INFO", "患者{name}（{pid}）挂号成功，科室：{dept}，医生：{doc}"),
    ("INFO", "患者{name}（{pid}）取消挂号"),
    ("INFO", "叫号{queue}，请到{room}{dept}就诊"),
    ("INFO", "医生{doc}开具处方{rx}，药品{drug}，数量{n}"),
    ("WARN", "处方{rx}审核不通过：剂量超出范围"),
    ("INFO", "处方{rx}审核通过"),
    ("INFO", "药房发药完成，处方{rx}"),
    ("INFO", "检查申请已提交：{exam}，患者{pid}"),
    ("INFO", "检查报告已出具：{exam}，患者{pid}"),
    ("INFO", "收费成功，金额{fee}元，患者{pid}"),
    ("WARN", "医保结算失败，患者{pid}，原因：参保状态异常"),
    ("INFO", "医保结算成功，统筹支付{fee}元"),
    ("INFO", "患者{pid}入院，床位{bed}，科室{dept}"),
    ("INFO", "患者{pid}出院，住院{n}天"),
    ("WARN", "库存预警：{drug}剩余{n}盒"),
    ("ERROR", "LIS接口超时，耗时{ms}ms"),
    ("ERROR", "PACS接口超时，耗时{ms}ms"),
    ("INFO", "医生{doc}登录工作站"),
    ("INFO", "医生{doc}退出工作站"),
    ("INFO", "今日门诊量{n}人次，急诊{n}人次"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "%02d:%02d:%02d.%03d [%s] (HIS-%d) " % (hh, mm, ss, ms, level, r.randint(1, 4))
    if form == 1:
        return "2026年12月9日 %02d:%02d:%02d %s " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])
    return "2026-12-09 %02d:%02d:%02d.%03d %s his.%s - " % (hh, mm, ss, ms, level, r.choice(["reg", "pharmacy", "billing"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "H", 8 * 3600)
