#!/usr/bin/env python3
"""A GBK log of a Chinese smart-building IoT platform with its truth.

    bench/make_gbk_iot.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  19 messages, among
them what happened and a name differing in the same line (刷卡通过 and 刷卡被拒 before
the card holder's name); one of three header forms by the seed, one with the level
between angle brackets and one of Chinese labels.  The output depends only on the
arguments.
"""
import gbk_messages

AREAS = ["A座大堂", "B座3楼", "地下车库", "会议室201", "机房"]
DEVS = ["空调", "照明", "门禁", "电梯", "烟感"]
MODES = ["制冷", "制热", "除湿", "送风"]



V = {
    "name": gbk_messages.name,
    "area": lambda r: r.choice(AREAS),
    "dev": lambda r: r.choice(DEVS),
    "id": lambda r: "D%05d" % r.randint(0, 99999),
    "temp": lambda r: "%.1f" % (r.randint(160, 320) / 10),
    "pct": lambda r: "%d%%" % r.randint(0, 100),
    "n": lambda r: str(r.randint(1, 500)),
    "mode": lambda r: r.choice(MODES),
    "card": lambda r: "%08X" % r.getrandbits(32),
    "kwh": lambda r: "%.2f" % (r.randint(1, 100000) / 100),
    "floor": lambda r: str(r.randint(-2, 30)),
}

TEMPLATES = [
    ("INFO", "设备{id}（{dev}）上线，位置{area}"),
    ("WARN", "设备{id}（{dev}）离线，位置{area}"),
    ("INFO", "空调{id}切换为{mode}模式，设定温度{temp}℃"),
    ("INFO", "{area}温度{temp}℃，湿度{pct}"),
    ("WARN", "{area}温度过高：{temp}℃"),
    ("INFO", "门禁卡{card}刷卡通过，持卡人{name}"),
    ("WARN", "门禁卡{card}刷卡被拒，持卡人{name}"),
    ("INFO", "电梯{id}到达{floor}层"),
    ("ERROR", "电梯{id}困人报警，楼层{floor}"),
    ("ERROR", "烟感{id}报警，位置{area}"),
    ("INFO", "烟感{id}报警已解除"),
    ("INFO", "今日用电{kwh}千瓦时"),
    ("INFO", "照明{id}已开启"),
    ("INFO", "照明{id}已关闭"),
    ("INFO", "访客{name}已登记，被访人{name}"),
    ("INFO", "巡更人员{name}完成第{n}个点位"),
    ("WARN", "巡更人员{name}漏检点位{n}"),
    ("INFO", "固件升级完成，共{n}台设备"),
    ("ERROR", "固件升级失败，设备{id}"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "%02d:%02d:%02d.%03d <%s> iot-hub: " % (hh, mm, ss, ms, level)
    if form == 1:
        return "[2026-12-09 %02d:%02d:%02d,%03d] %s - " % (hh, mm, ss, ms, level)
    return "时间：2026-12-09 %02d:%02d:%02d 级别：%s 消息：" % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "T", 7 * 3600)
