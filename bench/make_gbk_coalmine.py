#!/usr/bin/env python3
"""A GBK log of an underground coal mine's safety monitoring and dispatch centre with its truth.

    bench/make_gbk_coalmine.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 40 messages of the monitoring
host of an imagined mine (青岩沟煤矿): methane readings, methane warnings, over-limit power cuts
that work or fail, CO / temperature / wind readings, sub-station heartbeats and lost sensors,
sensor calibrations passed and failed and overdue, miners' tags read at the readers, miners going
down and coming up, miners staying too long, entering a closed area or pressing the SOS key, main
fan readings, local fans whose standby fan takes over or does not, conveyor belts
running, started or not, drifting and stopped in an emergency, skip trips of the main hoist, cage
runs of the auxiliary shaft and hoist protection trips, feeder switches closed and
earth-leakage trips, sump water levels, goaf tube-bundle analyses, alarm acknowledgements,
dispatch orders and shift hand-overs, uploads to the regional platform that pass or fail, a
null-pointer exception of the alarm router, cap lamps handed out and returned, a manager who did
not go down with his shift, and an emergency drill.  They were written to measure the miner on
and not to shape it: no rule was made or tuned on them.  Each message keeps its own frequency,
methane readings by the hundred and a drill or an SOS once in a thousand lines or so.  One of
three header forms by the seed.  The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# methane sensor points: code and where it hangs
GASPOINTS = [("T0-12306", "12306综采工作面上隅角"), ("T1-12306", "12306工作面回风巷（距工作面10m）"),
             ("T2-12306", "12306回风巷 混合回风处"), ("T1-21105J", "21105掘进工作面（机巷）迎头"),
             ("T2-21105J", "21105机巷回风流"), ("T1-21107F", "21107风巷掘进头"), ("T-HF-03", "北翼回风大巷"),
             ("T-BD-01", "中央变电所（进风侧）"), ("T-CQ-02", "二采区变电所 回风侧"), ("T-ZC-05", "主井井底车场")]
# other environment points
ENVPOINTS = ["CO-12306-01", "CO-21105-02", "WS-HF-03", "ENV-ZC-05", "T-CQ-02B", "CO-DL-07", "WS-21107-01"]
AREAS = ["12306综采工作面", "12306运输顺槽", "12306回风顺槽", "21105掘进工作面（机巷）", "21107风巷", "北翼回风大巷",
         "3号煤主运输大巷", "副井井底车场", "中央变电所", "-450水平中央泵房", "二采区轨道下山", "井下炸药库（硐室）"]
RESTRICTED = ["12304采空区密闭墙外5m", "井下炸药库（硐室）", "21103盲巷（已封闭）", "-450水平 老空区探放水警戒线",
              "主井井底 箕斗装载硐室"]
POSTS = ["采煤机司机", "支架工", "瓦检员", "安全员", "电钳工", "皮带司机", "掘进机司机", "爆破工", "泵工", "信号工",
         "带班队长", "测风员", "探放水工"]
TEAMS = ["综采一队", "综采二队", "掘进三队", "机电队", "通风队", "运输队", "探放水队", "调度室"]
BELTS = ["主斜井强力皮带（DTL120/150）", "12306顺槽可伸缩皮带", "3号煤大巷皮带 1#", "3号煤大巷皮带 2#",
         "21105机巷皮带（临时）", "上仓皮带"]
STOPREASONS = ["ESTOP_PULL_CORD（沿线拉线急停）", "煤位过高（煤仓满仓）", "BELT_SLIP 打滑保护", "纵向撕裂保护动作",
               "烟雾保护动作", "OVERCURRENT 电机过流"]
PLCERRS = ["E-0x1A03 变频器未就绪", "E-0x2201 制动器未打开", "E-0x0F10 沿线急停未复位", "E-0x3304 张紧绞车压力不足",
           "PLC_COMM_TIMEOUT"]
DRIFTACTS = ["已自动纠偏", "已通知皮带司机现场调整", "二级跑偏，已停机处理"]
MAINFANS = ["1号主通风机（北风井）", "2号主通风机（南风井）"]
# local fans and the area whose power their interlock cuts
LOCALFANS = [("21105机巷局扇（2×30kW）", "21105掘进工作面（机巷）"), ("21107风巷局扇（2×22kW）", "21107风巷掘进工作面"),
             ("12306切眼局扇", "12306切眼"), ("二采区硐室局扇 1#", "二采区绞车硐室")]
CAGES = ["副井大罐（1#罐笼）", "副井小罐（2#罐笼）"]
DIRS = ["上行", "下行"]
HOISTPROTS = ["过卷保护", "松绳保护", "等速超速保护（超速15%）", "闸瓦磨损超限", "减速段超速", "主电机过流"]
SUBSTATIONS = ["中央变电所", "二采区变电所", "12306移动变电站", "-450水平泵房配电点"]
FEEDERS = ["K301馈电", "K305馈电（掘进专用）", "QBZ-80启动器 3#", "KBZ-630 总馈"]
SUMPS = ["-450水平中央水仓（主仓）", "-450水平中央水仓（副仓）", "二采区临时水仓", "21105机巷低洼点"]
GOAFS = ["12304", "12302", "21101"]
FIREGRADES = ["一级（注意）", "二级（警惕）", "三级（危险）"]
ALARMTYPES = ["瓦斯超限", "CO超限", "风速低限", "馈电异常", "人员超员", "设备开停异常", "传感器故障"]
MEASURES = ["已撤出作业人员并加强通风", "现场复测正常，属传感器漂移", "调整风窗后恢复", "已安排电钳工检修",
            "通知区队长现场核实", "误报，标校气样冲击所致"]
ORDERS = ["12306工作面停止割煤，撤出上隅角人员", "21105机巷掘进头加强洒水降尘", "主斜井皮带检修2小时，请各队错峰出煤",
          "-450泵房开启第三台水泵", "通风队测风员到北翼回风大巷测风", "运输队准备下放液压支架3架",
          "机电队检查K305馈电开关漏电保护"]
PENDING = ["12306上隅角瓦斯偏高需持续观察", "2#罐笼信号系统待检修", "21107局扇备机未试运转", "北翼回风测风数据未上报"]
# sensor kinds with the prefix of their numbers, the methane ones first (they are calibrated with a gas)
SENSORTYPES = [("低浓度甲烷传感器", "CH4-"), ("高低浓度甲烷传感器", "CH4H-"), ("一氧化碳传感器", "CO-"), ("风速传感器", "WS-"),
               ("温度传感器", "TMP-"), ("烟雾传感器", "YW-"), ("设备开停传感器", "KT-")]
SHIFTS = ["零点班", "八点班", "四点班"]
DRILLS = ["12306工作面瓦斯突出应急撤离演练", "井下火灾避灾路线演练", "-450水平透水事故应急演练", "主井提升事故救援演练"]
GRADES = ["良好", "合格", "基本合格（撤离路线标识不清）"]
TITLES = ["副矿长", "总工程师", "安全副总", "机电副总"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
TARGETS = ["county-platform", "city-coal-bureau", "group-dc"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def gaspoint(r):
    _chosen["gp"] = r.choice(GASPOINTS)
    return _chosen["gp"][0]


def day(r, lo, hi, form=0):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    if form == 0:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if form == 1:
        return d.strftime("%Y-%m-%d")
    return "%d月%d日" % (d.month, d.day)


def clock(r):
    return "%02d:%02d" % (r.randint(0, 23), r.choice([0, 10, 15, 20, 30, 40, 45, 50]))


def cntime(r):
    return "%d时%02d分" % (r.randint(0, 23), r.randint(0, 59))


def card(r):
    return "%s%02d-%04d" % (r.choice(["BK", "LK", "WK"]), r.randint(1, 12), r.randint(1, 3200))


def emp(r):
    return "%s%05d" % (r.choice(["QY", "QY", "WX"]), r.randint(100, 99999))


def substation(r):
    return "KJ-F%02d" % r.randint(1, 24)


def sensortype(kinds):
    """A maker of a sensor kind among the first `kinds` of SENSORTYPES; {sid} numbers it."""
    def make(r):
        _chosen["st"] = r.choice(SENSORTYPES[:kinds])
        return _chosen["st"][0]
    return make


def sensorid(r):
    return "%s%03d" % (r.choice(SENSORTYPES)[1], r.randint(1, 180))


def localfan(r):
    _chosen["lf"] = r.choice(LOCALFANS)
    return _chosen["lf"][0]


def sensors(r):
    total = r.choice([16, 24, 32, 32])
    return "%d/%d" % (total - r.choice([0, 0, 0, 1, 2, 3]), total)


def underground(r):
    """Time spent underground, with on some lines the overtime that was booked for it."""
    if r.random() < 0.25:
        h, m = r.randint(8, 10), r.randint(10, 59)
        return "%d小时%d分（超时%d分钟，已记入考勤）" % (h, m, (h - 8) * 60 + m)
    return "%d小时%d分" % (r.randint(6, 8), r.randint(0, 59))


def lampstats(r):
    cards = [card(r) for _ in range(r.randint(1, 3))]
    out = r.randint(60, 380)
    return "发放矿灯%d盏，归还%d盏，未归还%d盏：%s" % (out, out - len(cards), len(cards), ",".join(cards))


def calibration(lo, hi):
    """A calibration gas and what the sensor showed for it, off by lo to hi of the gas."""
    def make(r):
        gas = r.choice([0.50, 1.00, 1.50, 2.00])
        _chosen["err"] = r.choice([-1, 1]) * r.uniform(lo, hi)
        return "标准气样%.2f%%，显示值%.2f%%" % (gas, gas * (1 + _chosen["err"]))
    return make


def powercut(r):
    return "、".join(r.sample(["12306工作面", "12306回风巷", "21105机巷", "21107风巷", "二采区轨道下山"], r.randint(1, 3)))


def names(r):
    return "、".join(name(r) for _ in range(r.randint(2, 4)))


def stay(r):
    _chosen["limit"] = r.choice([8, 10, 12])
    return str(_chosen["limit"])


def stayed(r):
    return "%d小时%d分" % (_chosen["limit"] + r.randint(0, 2), r.randint(1, 59))


V = {
    "name": name, "names": names, "gaspoint": gaspoint, "gasloc": lambda r: _chosen["gp"][1],
    "ch4": real(0.02, 0.45, "%.2f"), "ch4warn": real(0.80, 1.49, "%.2f"), "ch4alarm": real(1.50, 3.40, "%.2f"),
    "period": pick(["2", "5", "5", "10"]), "envpt": pick(ENVPOINTS), "co": rint(0, 18), "cohi": rint(24, 160),
    "temp": real(16.0, 29.5), "wind": real(0.3, 5.8, "%.2f"), "o2": real(19.6, 20.9), "o2low": real(15.2, 19.4),
    "c2h4": real(0.1, 4.5, "%.2f"), "firegrade": pick(FIREGRADES), "goaf": pick(GOAFS),
    "sub": substation, "ip": lambda r: "10.16.%d.%d" % (r.randint(1, 8), r.randint(10, 250)),
    "sensors": sensors, "ms": rint(8, 320), "bigms": rint(3000, 30000),
    "card": card, "emp": emp, "post": pick(POSTS), "team": pick(TEAMS), "area": pick(AREAS),
    "restricted": pick(RESTRICTED), "reader": rint(1, 8), "rssi": rint(48, 92), "dist": rint(5, 300),
    "limit": stay, "stayed": stayed, "mins": rint(0, 59), "count": rint(12, 460),
    "self": lambda r: "ZYX45-%05d" % r.randint(1, 20000),
    "belt": pick(BELTS), "speed": real(2.5, 4.5, "%.2f"), "amp": rint(60, 420), "tph": rint(300, 2400),
    "drift": rint(40, 180), "idler": rint(3, 260), "driftact": pick(DRIFTACTS), "stopreason": pick(STOPREASONS),
    "plcerr": pick(PLCERRS), "bell": pick(["10", "15", "30"]),
    "mainfan": pick(MAINFANS), "airflow": rint(9800, 16500), "pressure": rint(1650, 2950), "mtemp": real(38, 72),
    "vib": real(0.8, 4.6, "%.2f"), "localfan": localfan, "lockarea": lambda r: _chosen["lf"][1], "switchms": rint(900, 9000),
    "trip": rint(1, 480), "load": real(13.5, 20.0, "%.2f"), "hspeed": real(8.2, 11.6, "%.2f"), "secs": rint(60, 110),
    "cage": pick(CAGES), "dir": pick(DIRS), "riders": rint(0, 42), "hoistprot": pick(HOISTPROTS),
    "hoist": pick(["主井提升机", "副井提升机"]), "decel": real(1.5, 4.9, "%.2f"),
    "substat": pick(SUBSTATIONS), "feeder": pick(FEEDERS), "volt": pick(["660", "1140", "3300", "10000"]),
    "leak": rint(60, 420), "kohm": real(2, 38), "sump": pick(SUMPS), "level": real(4.3, 6.9, "%.2f"),
    "warn": pick(["4.20", "4.50", "5.00"]), "pumps": items(["1", "2", "3", "4"], 1, 2),
    "alarmno": lambda r: "AL%s%05d" % (r.choice(["20260314", "260314-"]), r.randint(1, 40000)),
    "alarmtype": pick(ALARMTYPES), "measure": pick(MEASURES),
    "orderno": lambda r: "DD-%04d%s" % (r.randint(1, 9999), r.choice("ABCX")), "order": pick(ORDERS),
    "clock": clock, "cntime": cntime, "shift": pick(SHIFTS), "n": rint(0, 6), "pending": optional(
        lambda r: "，遗留：%s" % "；".join(r.sample(PENDING, r.randint(1, 2))), 0.5),
    "sensortype": sensortype(len(SENSORTYPES)), "gassensor": sensortype(2),
    "sid": lambda r: "%s%03d" % (_chosen["st"][1], r.randint(1, 180)), "anysid": sensorid, "calib": calibration(0.0, 0.08), "calibbad": calibration(0.12, 0.35),
    "calerr": lambda r: "%+.1f%%" % (_chosen["err"] * 100),
    "lastcal": lambda r: day(r, -40, -16, 1), "late": rint(1, 25),
    "batch": lambda r: "UP%s%06d" % (r.choice(["0314", "0314", "0313"]), r.randint(1, 999999)),
    "records": rint(40, 5200), "httpfail": pick(HTTPFAILS), "try": rint(1, 5), "target": pick(TARGETS),
    "areas": powercut, "breaker": lambda r: "DDY-%02d" % r.randint(1, 30),
    "lampstats": lampstats, "underground": underground,
    "date0": lambda r: day(r, -60, -1, 0), "date2": lambda r: day(r, -3, 0, 2), "drill": pick(DRILLS),
    "grade": pick(GRADES), "title": pick(TITLES), "javaline": rint(80, 460),
    # pieces that only some lines of a message carry
    "skipnote": optional(lambda r: "，%s" % r.choice(["箕斗称重偏差0.3t", "尾绳摆动偏大", "装载闸门动作慢（2.8s）"]), 0.3),
    "selfres": optional(lambda r: "，自救器%s" % V["self"](r), 0.55),
    "reply": optional(lambda r: "，要求%s前反馈" % clock(r), 0.5),
    "fanmode": optional(lambda r: " mode=%s" % r.choice(["正转", "反风试验"]), 0.2),
    "recheck": optional(lambda r: "，复测人%s（瓦检员）" % name(r), 0.6),
    "ackby": optional(lambda r: "，%s值班领导已签字" % r.choice(["矿", "调度室"]), 0.35),
}

# weight, level, module, the class writing it, message
TEMPLATES = [
    (240, "INFO", "gas", "gas.MethaneCollector", "测点{gaspoint}（{gasloc}）CH4={ch4}% 状态=正常 采集周期{period}s"),
    (170, "INFO", "locate", "locate.TagReader", "人员定位：{name}（卡号{card}，{post}）经过分站{sub}读卡器#{reader}，区域「{area}」，信号强度-{rssi}dBm"),
    (120, "INFO", "belt", "belt.ConveyorPlc", "皮带机《{belt}》运行正常：带速{speed}m/s，电机电流{amp}A，运量{tph}t/h"),
    (85, "INFO", "env", "env.EnvCollector", "env point={envpt} CO={co}ppm T={temp}℃ wind={wind}m/s O2={o2}%"),
    (70, "INFO", "hoist", "hoist.SkipCounter", "主井提升机完成第{trip}钩提升：载重{load}t，最大速度{hspeed}m/s，用时{secs}s{skipnote}"),
    (60, "INFO", "vent", "vent.MainFanMonitor", "主通风机【{mainfan}】运行参数：风量{airflow}m3/min，负压{pressure}Pa，电机温度{mtemp}℃，振动{vib}mm/s{fanmode}"),
    (55, "INFO", "station", "station.StationPoller", "分站{sub}心跳正常 ip={ip} 在线传感器{sensors} 延迟{ms}ms"),
    (50, "INFO", "locate", "locate.AttendanceService", "入井登记：{name}（{post}，工号{emp}）{cntime}入井，本班井下人数{count}人{selfres}"),
    (45, "INFO", "locate", "locate.AttendanceService", "升井登记：{name}（工号{emp}）升井，井下时长{underground}"),
    (40, "INFO", "hoist", "hoist.CageSignal", "{cage}{dir}：乘员{riders}人，信号工{name}，开车信号已确认"),
    (35, "INFO", "dispatch", "dispatch.OrderService", "调度指令下发：指令号{orderno}，内容「{order}」，接收人{name}（{team}）{reply}"),
    (30, "INFO", "sync", "sync.PlatformUploader", "upload ok: target={target} batch={batch} records={records} cost={ms}ms"),
    (24, "WARN", "gas", "gas.MethaneCollector", "瓦斯浓度预警：{gaspoint}（{gasloc}）CH4={ch4warn}%，超过报警值0.80%{recheck}"),
    (18, "WARN", "belt", "belt.BeltProtection", "皮带跑偏报警：《{belt}》第{idler}组托辊处跑偏{drift}mm，{driftact}"),
    (16, "INFO", "alarm", "alarm.AlarmCenter", "报警确认：编号{alarmno}（{alarmtype}），确认人{name}，处置措施：{measure}，用时{mins}分钟{ackby}"),
    (14, "WARN", "locate", "locate.ZoneGuard", "人员超时报警：{name}（卡号{card}）在「{area}」停留超过{limit}小时，当前已{stayed}"),
    (12, "INFO", "belt", "belt.ConveyorPlc", "皮带机《{belt}》启动成功，预警铃响{bell}秒后启动，启动电流{amp}A"),
    (9, "INFO", "power", "power.FeederMonitor", "供电监控：{substat}{feeder}合闸成功，电压{volt}V，负荷电流{amp}A"),
    (8, "WARN", "vent", "vent.LocalFanInterlock", "局部通风机{localfan}风电闭锁检测：主机停运，备机自动切换成功，切换用时{switchms}ms"),
    (7, "INFO", "dispatch", "dispatch.ShiftBook", "交接班完成：{shift}调度员{name}→{name}，未处理事项{n}项{pending}"),
    (6, "INFO", "sensor", "sensor.CalibrationBook", "传感器调校：{gassensor}{sid}，{calib}，误差{calerr}，调校人{name}，结论：合格"),
    (5, "ERROR", "gas", "gas.PowerCutLinkage", "瓦斯超限断电：{gaspoint}（{gasloc}）CH4={ch4alarm}%，达到断电值1.50%，断电范围：{areas}，断电仪{breaker}动作成功"),
    (5, "WARN", "sensor", "sensor.CalibrationBook", "传感器调校到期提醒：{sensortype}编号{sid}，上次调校{lastcal}，已超期{late}天"),
    (4, "ERROR", "station", "station.StationPoller", "SensorCommException: station={sub} sensor={anysid} no data for {bigms}ms (errno=ETIMEDOUT)"),
    (4, "ERROR", "belt", "belt.BeltProtection", "皮带机《{belt}》紧急停机：原因={stopreason}，停机前带速{speed}m/s，司机{name}"),
    (3.5, "ERROR", "sync", "sync.PlatformUploader", "数据上传联网平台失败：HTTP {httpfail}，批次{batch}，记录数{records}，第{try}次重试将在{secs}s后进行"),
    (3, "ERROR", "belt", "belt.ConveyorPlc", "皮带机《{belt}》启动失败，预警铃响{bell}秒后未收到运行反馈，故障码{plcerr}"),
    (3, "WARN", "locate", "locate.ZoneGuard", "人员进入限制区域：{name}（卡号{card}，{post}）进入「{restricted}」，无审批记录，已通知{team}"),
    (2.8, "WARN", "power", "power.FeederMonitor", "漏电保护动作：{substat}{feeder}，漏电电流{leak}mA，绝缘电阻{kohm}kΩ，已跳闸"),
    (2.6, "WARN", "sensor", "sensor.CalibrationBook", "传感器调校：{gassensor}{sid}，{calibbad}，误差{calerr}，调校人{name}，结论：不合格，已更换备用传感器"),
    (2.4, "WARN", "water", "water.SumpLevel", "水位预警：{sump}水位{level}m，超过警戒水位{warn}m，已启动{pumps}号水泵"),
    (2.2, "ERROR", "hoist", "hoist.HoistProtection", "提升机保护动作：{hoist}「{hoistprot}」，已安全制动，制动减速度{decel}m/s2，待{name}现场确认"),
    (2, "INFO", "lamp", "lamp.LampRoom", "矿灯房{shift}统计：{lampstats}"),
    (1.8, "ERROR", "vent", "vent.LocalFanInterlock", "局部通风机{localfan}风电闭锁检测：主机停运，备机自动切换失败，已闭锁{lockarea}动力电源"),
    (1.8, "ERROR", "gas", "gas.PowerCutLinkage", "瓦斯超限断电：{gaspoint}（{gasloc}）CH4={ch4alarm}%，达到断电值1.50%，断电范围：{areas}，断电仪{breaker}动作失败，请立即人工断电"),
    (1.6, "WARN", "fire", "fire.TubeBundle", "束管监测 {goaf}采空区：CO={cohi}ppm，C2H4={c2h4}ppm，O2={o2low}%，自然发火预警等级：{firegrade}"),
    (1.5, "ERROR", "alarm", "alarm.AlarmCenter", "Exception in thread \"alarm-router-2\" java.lang.NullPointerException: sensor {anysid} has no bound area (AlarmRouter.java:{javaline})"),
    (1.4, "ERROR", "locate", "locate.SosHandler", "人员求救报警：卡号{card}（{name}）按下SOS键，位置「{area}」附近{dist}米，已派{names}前往"),
    (1.3, "WARN", "dispatch", "dispatch.ShiftBook", "领导带班：{date2}{shift}带班领导{name}（{title}）未按规定入井，已记入考核"),
    (1.2, "INFO", "drill", "drill.DrillRecord", "应急演练记录：《{drill}》于{date0}完成，参演{count}人，撤离用时{mins}分钟，评价：{grade}"),
]

# what the dispatch room's client calls each module
PLACES = {"gas": "安全监控·瓦斯", "locate": "人员定位", "belt": "主运输集控", "env": "安全监控·环境", "hoist": "提升系统",
          "vent": "通风监控", "station": "分站通信", "dispatch": "调度台", "sync": "联网上传", "alarm": "报警中心",
          "sensor": "传感器管理", "power": "供电监控", "water": "排水监控", "lamp": "矿灯房", "fire": "束管监测",
          "drill": "应急管理"}
# the processes on the monitoring host, for syslog
PROCS = {"gas": ("kjmon-gas", 2231), "locate": ("kjpos", 3107), "belt": ("conveyor-ctl", 4410), "env": ("kjmon-env", 2232),
         "hoist": ("hoist-gw", 4520), "vent": ("kjmon-vent", 2240), "station": ("kjnet", 1988), "dispatch": ("dispatchd", 1502),
         "sync": ("kjupload", 5120), "alarm": ("alarmd", 1777), "sensor": ("kjmon-gas", 2231), "power": ("powermon", 4711),
         "water": ("pumpmon", 4790), "lamp": ("lampd", 6002), "fire": ("tubemon", 4903), "drill": ("dispatchd", 1502)}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module, where):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    if form == 0:
        # the monitoring host is a Java service: millisecond time, pool thread, level, abridged class
        return "%s.%03d [pool-%d-thread-%d] %-5s c.qy.kj.%s - " % (
            at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), r.choice([2, 3, 3, 5]), r.randint(1, 16), level, where)
    if form == 1:
        # the dispatch room's client writes the level and the subsystem in Chinese, with the host
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "报警"}[level]
        return "[%d/%d/%d %d:%s] 【%s】<%s>（主机DD-SVR%02d）" % (
            at.year, at.month, at.day, at.hour, at.strftime("%M:%S"), cn, PLACES[module], r.choice([1, 1, 2]))
    # the front-end machines forward to syslog, with a one-letter level
    proc, pid = PROCS[module]
    return "%s %2d %s kjzk-srv%02d %s[%d]: <%s> " % (
        MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), r.choice([1, 2]), proc, pid,
        {"INFO": "I", "WARN": "W", "ERROR": "E"}[level])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "M", 7 * 3600 + 52 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
