#!/usr/bin/env python3
"""A GBK log of a Chinese factory execution system's messages with its truth.

    bench/make_gbk_mes.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  22 messages, among
them names before 合格 and 不合格, names glued before 登录 and 退出, stations and report
names of Chinese text; one of three header forms by the seed (a pipe-separated form,
syslog with a priority, a level before the time).  The output depends only on the
arguments.
"""

import gbk_messages

MATERIALS = ["螺丝M6", "垫片", "PCB主板", "外壳(黑)", "电源模块", "包装箱", "说明书", "铜线"]
PRINTERS = ["斑马ZT410", "东芝B-EX4", "佳博GP-1324"]
PRODUCTS = ["A100", "A200", "B300-Pro", "C50"]
ERP_MSGS = ["库存不足", "单据已锁定", "网络超时", "物料编码不存在"]
REPORTS = ["日产量报表", "设备OEE报表", "质量周报", "能耗月报"]



V = {
    "name": gbk_messages.name,
    "dev": lambda r: "%s-%02d" % (r.choice(["CNC", "SMT", "注塑机", "冲压机"]), r.randint(1, 30)),
    "batch": lambda r: "B%d%04d" % (r.choice([261209, 261208]), r.randint(0, 9999)),
    "n": lambda r: str(r.randint(0, 2000)),
    "station": lambda r: "%s%d" % (r.choice(["装配", "测试", "包装"]), r.randint(1, 12)),
    "code": lambda r: "%d" % r.randint(10 ** 11, 10 ** 12 - 1),
    "mat": lambda r: r.choice(MATERIALS),
    "sensor": lambda r: "TS-%03d" % r.randint(1, 200),
    "temp": lambda r: "%.1f℃" % (r.randint(-100, 1200) / 10),
    "plc": lambda r: "%d.%d.%d.%d" % (192, 168, r.randint(0, 10), r.randint(1, 254)),
    "wo": lambda r: "WO%08d" % r.randint(0, 99999999),
    "line": lambda r: "%d号线" % r.randint(1, 8),
    "err": lambda r: "E%04d" % r.randint(1, 9999),
    "msg": lambda r: r.choice(ERP_MSGS),
    "printer": lambda r: r.choice(PRINTERS),
    "prod": lambda r: r.choice(PRODUCTS),
    "report": lambda r: r.choice(REPORTS),
    "sec": lambda r: "%.2f" % (r.random() * 100),
    "path": lambda r: "\\\\nas01\\备份\\mes_%d.bak" % r.randint(1, 999),
    "agv": lambda r: str(r.randint(1, 20)),
    "pct": lambda r: "%d%%" % r.randint(1, 30),
}

TEMPLATES = [
    ("INFO", "设备{dev}开始生产批次{batch}，计划数量{n}件"),
    ("INFO", "设备{dev}完成批次{batch}，良品{n}件，不良{n}件"),
    ("WARN", "工位{station}扫码失败：条码{code}不存在"),
    ("INFO", "工位{station}扫码成功：条码{code}"),
    ("INFO", "质检员{name}判定批次{batch}为合格"),
    ("WARN", "质检员{name}判定批次{batch}为不合格"),
    ("WARN", "物料{mat}库存低于安全库存（当前{n}，安全{n}）"),
    ("WARN", "温度传感器{sensor}读数{temp}，超出上限{temp}"),
    ("WARN", "温度传感器{sensor}读数{temp}，低于下限{temp}"),
    ("ERROR", "PLC {plc} 通讯中断"),
    ("INFO", "PLC {plc} 通讯恢复"),
    ("INFO", "用户{name}登录MES系统"),
    ("INFO", "用户{name}退出MES系统"),
    ("INFO", "工单{wo}已下达到产线{line}"),
    ("INFO", "工单{wo}已关闭，实际产量{n}"),
    ("ERROR", "接口调用ERP失败，错误码{err}，信息：{msg}"),
    ("INFO", "打印标签{n}张，打印机{printer}"),
    ("INFO", "换型：产线{line}由产品{prod}切换为产品{prod}"),
    ("INFO", "报表{report}生成完成，耗时{sec}秒"),
    ("INFO", "备份数据库到{path}成功"),
    ("INFO", "第{agv}号AGV到达{station}"),
    ("WARN", "第{agv}号AGV电量低：{pct}"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09 %02d:%02d:%02d.%03d | %-5s | mes-core | " % (hh, mm, ss, ms, level)
    if form == 1:
        return "<134>Dec  9 %02d:%02d:%02d mes%02d mes[%d]: " % (hh, mm, ss, r.randint(1, 3), r.randint(100, 9999))
    return "[%s] 2026-12-09 %02d:%02d:%02d " % (level, hh, mm, ss)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "M", 6 * 3600)
