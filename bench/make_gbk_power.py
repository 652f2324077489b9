#!/usr/bin/env python3
"""A GBK log of a Chinese power-grid dispatch and substation monitoring system with its truth.

    bench/make_gbk_power.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (substations
that open a message with a breaker glued on, feeders, voltages, loads and temperatures
with their units, work and operation tickets, customers by company name, areas out of
power listed with 、), written to measure the miner on and not to shape it: no rule was
made or tuned on them. One of three header forms by the seed. The output depends only on
the arguments.
"""

import gbk_messages

TOWNS = ["石路", "东山", "金湖", "白鹭洲", "望江", "青龙", "枫桥", "城南"]
FEEDERS = ["东风线", "新华线", "工业园Ⅱ线", "滨湖线", "红旗线", "科创一线"]
EQUIPS = ["1号主变", "2号主变", "110kV母联", "35kV电容器组", "10kVⅠ段母线"]
DEFECTS = ["渗油", "发热", "异响", "绝缘子破损", "SF6压力低", "指示灯不亮"]
TASKS = ["主变例行试验", "开关柜清扫", "保护定值更改", "线路消缺", "避雷器更换"]
STEPS = ["拉开201开关", "检查201开关确在分位", "拉开2011刀闸", "在线路侧挂1号接地线"]
REASONS = ["遥控返校超时", "对象已闭锁", "五防校验不通过", "通道中断"]
METER_ERR = ["表计无响应", "集中器离线", "数据校验错误", "时钟偏差过大"]
COMPANIES = ["华兴钢铁有限公司", "南方水泥厂", "恒达纺织集团", "新材料产业园", "东方化工股份"]
VILLAGES = ["张家村", "李庄", "高新区二期", "湖滨花园", "城东工业园", "枫林小区"]


def sub(r):
    return "%s%skV变电站" % (r.choice(TOWNS), r.choice(["220", "110", "35"]))


V = {
    "sub": sub,
    "area": lambda r: r.choice(["苏州", "无锡", "常州", "南通", "扬州", "盐城"]),
    "brk": lambda r: "%d开关" % r.choice([101, 102, 201, 202, 301, 311, 901, 912]),
    "feeder": lambda r: "10kV" + r.choice(FEEDERS),
    "equip": lambda r: r.choice(EQUIPS),
    "defect": lambda r: r.choice(DEFECTS),
    "grade": lambda r: r.choice(["一般", "严重", "危急"]),
    "task": lambda r: r.choice(TASKS),
    "step": lambda r: r.choice(STEPS),
    "reason": lambda r: r.choice(REASONS),
    "merr": lambda r: r.choice(METER_ERR),
    "src": lambda r: r.choice(["备用电源", "柴油发电机", "2号站用变", "外接电源"]),
    "company": lambda r: r.choice(COMPANIES),
    "villages": lambda r: "、".join(r.sample(VILLAGES, r.randint(1, 4))),
    "remark": lambda r: "" if r.random() < 0.65 else "，请提前通知重要用户",
    "name": gbk_messages.name,
    "kvhi": lambda r: "%.2fkV" % r.uniform(10.6, 11.0),
    "kvlo": lambda r: "%.2fkV" % r.uniform(9.3, 9.7),
    "amp": lambda r: "%dA" % r.randint(600, 12000),
    "fmw": lambda r: "%.2fMW" % r.uniform(0.3, 12),
    "mw": lambda r: "%.1fMW" % r.uniform(2, 60),
    "gen": lambda r: "%dMW" % r.randint(150, 660),
    "pct": lambda r: "%.1f%%" % r.uniform(20, 120),
    "acc": lambda r: "%.2f%%" % r.uniform(92, 99.9),
    "temp": lambda r: "%.1f℃" % r.uniform(40, 95),
    "hz": lambda r: "%.3fHz" % r.uniform(49.85, 50.15),
    "wp": lambda r: "%s-2026-%05d" % (r.choice(["DY1", "DY2", "XL"]), r.randint(1, 99999)),
    "op": lambda r: "CZ%d" % r.randint(2026000, 2026999),
    "n": lambda r: str(r.randint(1, 12)),
    "users": lambda r: str(r.randint(1, 3000)),
    "ms": lambda r: "%dms" % r.randint(200, 15000),
    "chan": lambda r: "%s-%d" % (r.choice(["101", "104", "CDT"]), r.randint(1, 4)),
    "acct": lambda r: "%010d" % r.randint(0, 9999999999),
    "meter": lambda r: "%012d" % r.randint(0, 999999999999),
    "unit": lambda r: "#%d" % r.randint(1, 6),
    "fes": lambda r: "fes-%02d" % r.randint(1, 4),
    "desk": lambda r: "%02d" % r.randint(1, 12),
    "day": lambda r: "12月%d日" % r.randint(10, 31),
    "span": lambda r: "%02d:00%s%02d:30" % (r.randint(6, 12), r.choice(["-", "至"]), r.randint(13, 20)),
    "fc": lambda r: "最高%dMW，最低%dMW" % (r.randint(9000, 14000), r.randint(4000, 8000)),
    "code": lambda r: str(r.randint(1000, 9999)),
}

TEMPLATES = [
    ("INFO", "{sub}{brk}分闸"),
    ("INFO", "{sub}{brk}合闸"),
    ("ERROR", "{feeder}故障跳闸，故障电流{amp}，重合闸成功"),
    ("ERROR", "{feeder}故障跳闸，故障电流{amp}，重合闸失败"),
    ("WARN", "{sub}10kVⅠ段母线电压{kvhi}，越上限"),
    ("WARN", "{sub}10kVⅠ段母线电压{kvlo}，越下限"),
    ("INFO", "{feeder}负荷{fmw}，负载率{pct}"),
    ("WARN", "{sub}{equip}油温{temp}，超过告警值"),
    ("INFO", "{sub}站用电切换至{src}"),
    ("WARN", "巡视发现缺陷：{sub}{equip}{defect}，缺陷等级：{grade}"),
    ("INFO", "工作票{wp}已签发，工作负责人：{name}，工作内容：{task}"),
    ("INFO", "工作票{wp}已终结，工作负责人：{name}"),
    ("INFO", "操作票{op}第{n}步执行完成：{step}"),
    ("ERROR", "遥控命令执行失败，对象={sub}{brk}，原因：{reason}"),
    ("ERROR", "通道{chan}中断，厂站：{sub}"),
    ("INFO", "通道{chan}恢复，厂站：{sub}"),
    ("WARN", "SCADA数据刷新延迟{ms}，前置机{fes}"),
    ("INFO", "{area}地区负荷预测：明日{fc}，准确率{acc}"),
    ("INFO", "有序用电：{company}限电{mw}，执行时段{span}"),
    ("INFO", "检修计划已批复：{sub}{equip}，停电时间{day} {span}，影响用户{users}户{remark}"),
    ("INFO", "停电通知已发送，停电区域：{villages}"),
    ("WARN", "抄表失败：户号{acct}，表号{meter}，{merr}"),
    ("INFO", "AGC调节指令：机组{unit}目标出力{gen}，当前出力{gen}"),
    ("INFO", "系统频率{hz}，{area}电网运行正常"),
    ("INFO", "调度员{name}登录调度台{desk}"),
    ("INFO", "调度员{name}退出调度台{desk}"),
    ("ERROR", "SQL执行异常 code={code} table=soe_event"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09 %02d:%02d:%02d.%03d [%s] [%s] " % (hh, mm, ss, ms, level, r.choice(["SCADA", "DMS", "OMS"]))
    if form == 1:
        return "12-09 %02d:%02d:%02d %s|%s| " % (hh, mm, ss, {"INFO": "信息", "WARN": "告警", "ERROR": "事故"}[level], r.choice(["调度", "监控", "检修"]))
    return "[2026-12-09 %02d:%02d:%02d] %s thread-%d " % (hh, mm, ss, level.lower(), r.randint(1, 16))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "P", 5 * 3600)
