#!/usr/bin/env python3
"""A GBK log of a Chinese clinical laboratory sample tracking system with its truth.

    bench/make_gbk_clinic_lab.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (samples,
instruments, test items, quality control and reports), written to measure the miner on and
not to shape it: no rule was made or tuned on them. One of three header forms by the seed.
The output depends only on the arguments.
"""

import gbk_messages

SPECIMENS = ["静脉血", "末梢血", "尿液", "粪便", "脑脊液", "痰液", "胸腹水"]
TUBES = ["紫帽EDTA管", "黄帽促凝管", "蓝帽枸橼酸钠管", "绿帽肝素管", "灰帽管"]
ITEMS = ["血常规", "肝功能", "肾功能", "血脂四项", "凝血四项", "糖化血红蛋白",
         "甲功五项", "新型冠状病毒核酸", "C反应蛋白"]
ANALYTES = ["ALT", "AST", "GLU", "CREA", "WBC", "HGB", "PLT", "K", "Na", "TSH"]
INSTRUMENTS = ["XN-1000", "AU5800", "cobas e601", "CS-5100", "BC-6800", "Architect i2000"]
WARDS = ["门诊", "急诊", "体检中心", "心内科病区", "ICU", "肿瘤科二病区"]
REJECTS = ["溶血", "脂血", "凝块", "标本量不足", "标签信息不符", "采集管类型错误",
           "送检超时"]
QC_RULES = ["1-2s", "1-3s", "2-2s", "R-4s", "4-1s", "10x"]
QC_LEVELS = ["低值", "中值", "高值"]
FLAGS = ["H", "L", "HH", "LL"]
STATUS = ["ready", "running", "standby", "error", "maintenance"]


def analytes(r):
    # abnormal results listed one after the other, as many as were flagged
    k = r.randint(1, 4)
    return "、".join("%s %.1f↑" % (a, r.uniform(1, 500)) for a in r.sample(ANALYTES, k))


def items(r):
    return ",".join(r.sample(ITEMS, r.randint(1, 4)))


def note(r):
    # the clerk's note is optional and only appended when one was typed
    if r.random() < 0.6:
        return ""
    return "；备注：" + r.choice(["急查", "复查", "外送标本", "护士站电话确认"])


V = {
    "name": gbk_messages.name,
    "tech": gbk_messages.name,
    "sid": lambda r: "%d%08d" % (r.choice([26, 27]), r.randint(0, 99999999)),
    "pid": lambda r: "MZ%07d" % r.randint(0, 9999999),
    "specimen": lambda r: r.choice(SPECIMENS),
    "tube": lambda r: r.choice(TUBES),
    "item": lambda r: r.choice(ITEMS),
    "items": items,
    "ana": lambda r: r.choice(ANALYTES),
    "analytes": analytes,
    "inst": lambda r: r.choice(INSTRUMENTS),
    "ward": lambda r: r.choice(WARDS),
    "reject": lambda r: r.choice(REJECTS),
    "rule": lambda r: r.choice(QC_RULES),
    "qcl": lambda r: r.choice(QC_LEVELS),
    "flag": lambda r: r.choice(FLAGS),
    "status": lambda r: r.choice(STATUS),
    "note": note,
    "val": lambda r: "%.2f" % r.uniform(0.01, 300),
    "sd": lambda r: "%+.1fSD" % r.uniform(-4, 4),
    "temp": lambda r: "%.1f℃" % r.uniform(1.5, 9.5),
    "min": lambda r: str(r.randint(5, 240)),
    "n": lambda r: str(r.randint(1, 120)),
    "pct": lambda r: "%.1f%%" % r.uniform(0, 100),
    "lot": lambda r: "LOT%s%03d" % (r.choice(["2612", "2701", "2703"]), r.randint(1, 999)),
    "rack": lambda r: "%02d-%d" % (r.randint(1, 60), r.randint(1, 10)),
    "time": lambda r: "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59)),
    "rep": lambda r: "RPT%09d" % r.randint(0, 999999999),
    "ms": lambda r: str(r.randint(20, 30000)),
}

TEMPLATES = [
    ("INFO", "标本{sid}已采集：{name}（{pid}），{specimen}，{tube}，来源{ward}"),
    ("INFO", "标本{sid}已签收，签收人{tech}，运送耗时{min}分钟{note}"),
    ("WARN", "标本{sid}被拒收，原因：{reject}，已通知{ward}"),
    ("INFO", "{tech}将标本{sid}上机，仪器{inst}，架位{rack}"),
    ("INFO", "仪器{inst}回传结果：sample={sid} item={ana} value={val} flag={flag}"),
    ("WARN", "危急值：{name}，{analytes}，已电话通知{ward}，接听人{tech}"),
    ("INFO", "危急值已确认，标本{sid}，确认时间{time}"),
    ("INFO", "{item}质控在控：{inst}，{qcl}，偏差{sd}"),
    ("ERROR", "{item}质控失控：{inst}，{qcl}，违反{rule}规则，暂停发报告"),
    ("INFO", "{tech}审核报告{rep}，项目：{items}"),
    ("INFO", "报告{rep}已发布，患者{name}，共{n}项"),
    ("WARN", "报告{rep}已撤回，撤回人{tech}，原因：结果录入错误"),
    ("INFO", "{name}自助打印报告{rep}"),
    ("WARN", "标本{sid}TAT超时：已过{min}分钟，项目{item}"),
    ("INFO", "仪器{inst}状态：{status}，试剂余量{pct}"),
    ("WARN", "试剂{lot}余量不足，{inst}剩余测试数{n}"),
    ("WARN", "试剂{lot}将于{n}天后过期"),
    ("ERROR", "仪器{inst}通讯中断，LIS接口超时 {ms}ms"),
    ("WARN", "冰箱温度异常：{temp}，位置：标本库{rack}"),
    ("INFO", "标本{sid}已入库保存，位置{rack}，保存期7天"),
    ("INFO", "标本{sid}已销毁，操作人{tech}"),
    ("INFO", "{tech}完成{inst}日保养"),
    ("INFO", "{tech}完成{inst}周保养，更换耗材{n}件"),
    ("INFO", "追加检验：标本{sid}，追加项目{items}，申请医生{tech}"),
    ("WARN", "重复条码{sid}，HIS医嘱与LIS登记不一致"),
    ("INFO", "外送标本{sid}已交接第三方实验室，快递单号SF{ms}"),
    ("ERROR", "结果推送HIS失败：report={rep}, retry={n}, cost={ms}ms"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "二〇二六年十二月九日 %02d:%02d:%02d.%03d <%s> " % (hh, mm, ss, ms, cn)
    if form == 1:
        return "[%s] [2026-12-09 %02d:%02d:%02d] [lis-%s] " % (level, hh, mm, ss, r.choice(["pre", "ana", "post", "qc"]))
    return "<%d>1 2026-12-09T%02d:%02d:%02d.%03dZ lab-node%d lisd %d - - " % (
        {"INFO": 134, "WARN": 132, "ERROR": 131}[level], hh, mm, ss, ms, r.randint(1, 3), r.randint(200, 4000))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CL", 5 * 3600 + 2400)
