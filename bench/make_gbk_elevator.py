#!/usr/bin/env python3
"""A GBK log of a Chinese elevator IoT monitoring and maintenance platform with its truth.

    bench/make_gbk_elevator.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (elevators
by registration code, trapped-passenger alarms and rescue, door and brake faults, sensor
readings, data terminals, maintenance work orders, annual inspections, intercom calls),
written to measure the miner on and not to shape it: no rule was made or tuned on them.
One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

BUILDINGS = ["翠湖花园3栋2单元", "星河商务中心A座", "临江第一中学图书楼", "锦城广场负一层",
             "云溪人民医院门诊楼", "北湖新村12幢", "鹤山国际公寓B座", "滨江天地写字楼",
             "青石苑小区7号楼1单元", "高铁新城安置房E区"]
MAINT_COS = ["安升电梯工程有限公司", "恒迈机电维保有限公司", "泰岳电梯服务（临江）有限公司",
             "嘉腾升降设备安装有限公司", "云溪市鼎力电梯维修部"]
USERS = ["翠湖花园物业服务中心", "星河商务中心管理处", "临江第一中学", "云溪人民医院后勤保障部",
         "北湖新村业主委员会", "锦城商业管理有限公司"]
BRANDS = ["云升", "恒迈", "泰岳", "嘉腾", "鸿川"]
INSP_ORGS = ["临江市特种设备检验研究院", "云溪区特检所", "北湖检验检测中心"]
WO_TYPES = ["半月保养", "季度保养", "半年保养", "年度保养", "故障维修", "困人救援"]
MAINT_ITEMS = ["曳引机", "制动器", "限速器", "门机", "层门门锁", "轿厢照明", "应急电源", "导轨润滑",
               "缓冲器", "对讲装置", "平层感应器", "钢丝绳"]
PARTS = ["门刀", "门锁触点", "层门滑块", "光幕", "制动器闸瓦", "应急灯电池", "按钮面板"]
INSP_FAILS = ["限速器动作速度超标", "层门自闭装置失效", "制动器间隙过大", "紧急报警装置不能正常使用",
              "轿厢意外移动保护装置未动作", "井道照明不足", "钢丝绳断丝超标"]
STOP_WHY = ["年检不合格", "维修更换主板", "业主委员会申请停用", "装修期间封梯", "消防联动测试",
            "使用单位未办理使用登记"]
FALSE_WHY = ["乘客误按报警按钮", "儿童玩耍触发", "测试报警未报备", "传感器抖动",
             "现场确认无人被困"]
ESCAL = ["区应急救援中心", "使用单位负责人", "维保单位主管", "市场监管所"]
CALLEES = ["监控中心", "机房", "轿顶", "底坑", "物业值班室"]
OVERRUN = ["冲顶", "蹲底", "超速", "溜车"]
CLAMPS = ["已动作", "未动作"]
DOOR_STATES = ["open", "closed", "opening", "closing"]
DIRS = ["up", "down", "stop"]
BRAKES = ["not_released", "slow_release", "abnormal_hold"]
AXES = ["x", "y", "z"]
MODULES = ["AlarmHandler", "TelemetryConsumer", "WorkOrderService", "InspectionSync",
           "DtuSessionManager", "IntercomBridge"]


def regcode(r):
    # four digits of kind, six of district, four of year, six of sequence
    return "%s%06d%d%06d" % (r.choice(["3110", "3120", "3310"]), r.choice([330102, 330106, 320213, 420102]),
                             r.randint(2008, 2025), r.randint(1, 99999))


def floor(r):
    f = r.randint(-3, 33)
    return "B%d" % -f if f < 0 else str(f or 1)


def cn_date(r):
    return "2026年%d月%d日" % (r.randint(5, 8), r.randint(1, 28))


def items(r):
    its = r.sample(MAINT_ITEMS, r.randint(2, 7))
    return "%d项（%s）" % (len(its), "、".join(its))


def parts(r):
    return "，更换配件：%s" % ",".join(r.sample(PARTS, r.randint(1, 3)))


def call_note(r):
    return "，%s" % r.choice(["轿厢内有老人", "轿厢内有儿童", "乘客情绪激动", "已接通五方对讲",
                             "物业已到场安抚"])


V = {
    "name": gbk_messages.name,
    "building": gbk_messages.pick(BUILDINGS),
    "maintco": gbk_messages.pick(MAINT_COS),
    "user": gbk_messages.pick(USERS),
    "brand": gbk_messages.pick(BRANDS),
    "insporg": gbk_messages.pick(INSP_ORGS),
    "wotype": gbk_messages.pick(WO_TYPES),
    "inspfail": gbk_messages.pick(INSP_FAILS),
    "stopwhy": gbk_messages.pick(STOP_WHY),
    "falsewhy": gbk_messages.pick(FALSE_WHY),
    "escal": gbk_messages.pick(ESCAL),
    "callee": gbk_messages.pick(CALLEES),
    "overrun": gbk_messages.pick(OVERRUN),
    "clamp": gbk_messages.pick(CLAMPS),
    "doorstate": gbk_messages.pick(DOOR_STATES),
    "dir": gbk_messages.pick(DIRS),
    "brake": gbk_messages.pick(BRAKES),
    "axis": gbk_messages.pick(AXES),
    "regcode": regcode,
    "floor": floor,
    "cndate": cn_date,
    "nextdate": lambda r: "%d年%d月%d日" % (2027, r.randint(1, 9), r.randint(1, 28)),
    "dayhours": lambda r: "%.1f" % r.uniform(1, 22),
    "items": items,
    "parts": gbk_messages.optional(parts, 0.3),
    "callnote": gbk_messages.optional(call_note, 0.35),
    "liftno": lambda r: str(r.randint(1, 8)),
    "doorzone": lambda r: r.choice(["是", "否"]),
    "wo": lambda r: "WB%s%05d" % (r.choice(["2609", "2610"]), r.randint(1, 99999)),
    "dtu": lambda r: "DTU-%s" % "".join(r.choice("0123456789ABCDEF") for _ in range(8)),
    "fw": lambda r: "v%d.%d.%d" % (r.randint(1, 3), r.randint(0, 9), r.randint(0, 30)),
    "ts": lambda r: "2026-09-14 %02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "speed": lambda r: "%.2f" % r.uniform(0, 2.5),
    "temp": lambda r: "%.1f" % r.uniform(12, 48),
    "g": lambda r: "%.3f" % r.uniform(0.01, 0.5),
    "mm": lambda r: "%+d" % r.choice([r.randint(-60, -11), r.randint(11, 60)]),
    "csq": lambda r: str(r.randint(0, 31)),
    "amp": lambda r: "%.1f" % r.uniform(0, 12),
    "kg": lambda r: r.choice(["630", "800", "1000", "1050", "1350", "1600", "2000"]),
    "stops": lambda r: (lambda f: "%d层%d站%d门" % (f, f, f))(r.randint(2, 34)),
    "pct": lambda r: "%d%%" % r.randint(0, 100),
    "n": lambda r: str(r.randint(1, 9)),
    "big": lambda r: str(r.randint(50, 4000)),
    "km": lambda r: "%.1f" % r.uniform(0.5, 60),
    "hours": lambda r: "%.1f" % r.uniform(0.5, 72),
    "meters": lambda r: str(r.randint(200, 30000)),
    "days": lambda r: str(r.randint(1, 60)),
    "mins": lambda r: str(r.randint(1, 90)),
    "sec": lambda r: str(r.randint(3, 600)),
}

TEMPLATES = [
    ("ERROR", "困人报警：电梯{regcode}（{building}{liftno}号梯）停在{floor}层，平层区：{doorzone}，已通知救援人员{name}{callnote}"),
    ("INFO", "困人救援完成：电梯{regcode}，救出{n}人，接警到场用时{mins}分钟，救援用时{mins}分钟"),
    ("WARN", "困人救援超时：电梯{regcode}报警已{mins}分钟，救援人员{name}仍未到场，已上报{escal}"),
    ("WARN", "门故障：{regcode} 开门受阻，楼层{floor}，连续{n}次"),
    ("WARN", "门故障：{regcode} 关门受阻，楼层{floor}，连续{n}次"),
    ("ERROR", "电梯{regcode}运行中开门，速度{speed}m/s，楼层{floor}，已紧急停梯"),
    ("ERROR", "电梯{regcode}发生{overrun}，记录速度{speed}m/s，安全钳{clamp}"),
    ("INFO", "telemetry regCode={regcode} floor={floor} speed={speed} dir={dir} door={doorstate} load={pct} temp={temp}"),
    ("WARN", "平层精度超标：{regcode}在{floor}层平层偏差{mm}mm（标准±10mm）"),
    ("WARN", "轿厢振动异常 reg={regcode} axis={axis} rms={g}g threshold={g}g"),
    ("ERROR", "采集终端{dtu}离线，关联电梯{regcode}，最后上报时间{ts}，CSQ={csq}"),
    ("INFO", "采集终端{dtu}重新上线，补传数据{big}条，固件版本{fw}"),
    ("INFO", "维保工单{wo}已派发：{regcode}，类型：{wotype}，维保单位：{maintco}，负责人{name}"),
    ("INFO", "维保工单{wo}已完成：{regcode}，保养项目{items}，用时{mins}分钟{parts}"),
    ("WARN", "维保逾期：{regcode}上次保养日期{cndate}，已超期{days}天，维保单位：{maintco}"),
    ("WARN", "维保签到位置异常：工单{wo}，签到点距电梯{meters}米，维保人员{name}"),
    ("INFO", "定期检验合格：{regcode}，检验机构：{insporg}，下次检验日期{nextdate}"),
    ("WARN", "定期检验不合格：{regcode}，不合格项：{inspfail}，限{days}日内整改"),
    ("INFO", "电梯{regcode}使用登记完成，使用单位：{user}，品牌：{brand}，额定载重量{kg}kg，{stops}"),
    ("WARN", "电梯{regcode}停用，原因：{stopwhy}，操作人{name}"),
    ("INFO", "电梯{regcode}恢复运行，停用时长{hours}小时"),
    ("WARN", "困人报警误报：{regcode}，{falsewhy}，已关闭工单{wo}"),
    ("INFO", "五方对讲：{regcode}轿厢呼叫{callee}，通话时长{sec}秒"),
    ("ERROR", "五方对讲呼叫失败：{regcode}，被叫方{callee}无应答"),
    ("INFO", "每日运行统计 reg={regcode} runs={big} door_cycles={big} distance={km}km runtime={dayhours}h"),
    ("WARN", "电动车入梯识别：{regcode}，{building}，置信度{pct}，已阻止关门并语音提醒"),
    ("ERROR", "制动器动作异常 reg={regcode} brake_state={brake} current={amp}A，请维保人员立即到场检查"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the platform's hosts forward over BSD syslog with the priority kept
        pri = {"INFO": 14, "WARN": 12, "ERROR": 11}[level]
        return "<%d>Sep 14 %02d:%02d:%02d lift-iot-%02d liftmond[%d]: " % (
            pri, hh, mm, ss, r.randint(1, 5), r.randint(1200, 30000))
    if form == 1:
        # the Java consumers put the level first and the trace id from the MDC
        return "%-5s 2026-09-14T%02d:%02d:%02d.%03d+08:00 [mqtt-consumer-%d] [tid:%08x] %s - " % (
            level, hh, mm, ss, ms, r.randint(1, 12), r.getrandbits(32), r.choice(MODULES))
    # the supervision dashboard's own log, in Chinese
    cn = {"INFO": "提示", "WARN": "警告", "ERROR": "严重"}[level]
    return "2026-09-14 %02d:%02d:%02d【电梯监测平台】【%s】" % (hh, mm, ss, cn)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "EV", 6 * 3600 + 900)
