#!/usr/bin/env python3
"""A GBK log of a chemical plant's operations platform with its truth.

    bench/make_gbk_chemical.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (DCS loop
readings, high and low process alarms, set-point changes by operators, a failed OPC read and a
controller switch-over, tank-farm levels, receipts into tanks and high-level alarms, gas detector
polls, combustible-gas alarms of the first and second stage, toxic-gas alarms, interlock bypasses
approved, left on too long and interlock trips, permits to work signed, closed and extended, gas
tests before work passed and failed, reactor charges, ends of batch and runaway warnings,
hazardous-goods trucks admitted or refused at the gate, loaded and stopped in an emergency,
lab results within and outside their limits, field rounds normal and abnormal, utility readings,
shift hand-overs, safety training, certificates about to expire and hazardous waste shipped),
written to measure the miner on and not to shape it: no rule was made or tuned on them. Each
message keeps its own frequency, DCS readings by the hundred and an emergency stop at the
loading rack once in some six hundred lines. One of three header forms by the seed. The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                    gbk_messages.optional, gbk_messages.name)

DAY0 = datetime.date(2026, 5, 12)

# DCS tag, what it measures, unit, low alarm, high alarm, usual set point, format of a value
TAGS = [("TIC-1101", "R-101 釜温", "℃", 60, 92, 85, "%.1f"),
        ("TIC-1201", "R-102 釜温", "℃", 55, 88, 78, "%.1f"),
        ("PIC-1102", "R-101 釜压", "MPa", 0.05, 0.45, 0.32, "%.3f"),
        ("FIC-2103", "甲醇进料流量", "kg/h", 450, 1650, 1200, "%.0f"),
        ("FIC-2207", "冷却水回水流量", "m3/h", 80, 260, 180, "%.1f"),
        ("LIC-3001", "精馏塔 C-301 塔釜液位", "%", 20, 80, 50, "%.1f"),
        ("TI-3005", "C-301 塔顶温度", "℃", 58, 72, 64.5, "%.2f"),
        ("PI-4010", "氮气总管压力", "MPa", 0.45, 0.85, 0.6, "%.2f"),
        ("AI-5002", "尾气 O2 含量", "%", 0.5, 3.0, 1.5, "%.2f"),
        ("FIC-6101", "蒸汽（1.0MPa）流量", "t/h", 2.0, 14.0, 8.5, "%.2f")]
MODES = ["AUT", "CAS", "MAN"]
OPS = ["OPS01", "OPS02", "OPS03", "EWS01（工程师站）"]
# tank, material, height in m
TANKS = [("T-201", "甲醇", 16.0), ("T-202", "甲醇", 16.0), ("T-203A", "苯乙烯", 14.5), ("T-203B", "苯乙烯", 14.5),
         ("T-305", "液碱（32%NaOH）", 9.0), ("T-306", "盐酸（31%）", 8.5), ("V-401", "液氨", 12.0),
         ("T-502", "二甲苯", 15.0), ("T-610", "环氧丙烷（氮封）", 13.2)]
TANK_SOURCES = ["码头 2# 泊位", "管廊来料（园区管网）", "槽车卸车 4# 位", "装置 R-101 出料", "中间罐 V-120"]
# goods sent out by road: material, UN number, class
HAZMAT = [("甲醇", "1230", "3"), ("苯乙烯（稳定的）", "2055", "3"), ("液碱", "1824", "8"), ("盐酸", "1789", "8"),
          ("二甲苯", "1307", "3"), ("乙酸乙酯", "1173", "3"), ("液氨", "1005", "2.3"), ("环氧丙烷", "1280", "3")]
CARRIERS = ["宁川恒运危险品运输有限公司", "江北瑞泽物流（集团）有限公司", "东岚化运车队", "鑫港通达储运有限公司",
            "汇溪（嘉禾）危货运输有限公司"]
REFUSALS = ["危险货物道路运输证已过期", "押运员未到场", "车辆未安装防火帽", "GPS 离线超过 24h",
            "罐体定期检验报告过期（2026-04-30）", "预约介质与罐体适装介质不符", "司机酒精检测未通过"]
ESTOPS = ["静电接地报警（接地电阻>10Ω）", "溢流探头动作", "鹤管泄漏，现场手动拍停", "可燃气体探头报警联锁", "流量计通讯中断"]
# detector, where it is, gas, unit, usual reading range
DETECTORS = [("GD-TF-01", "罐区 T-201 防火堤", "甲醇", "%LEL", 0, 3),
             ("GD-TF-07", "罐区 T-203A/B 泵区", "苯乙烯", "%LEL", 0, 4),
             ("GD-LR-03", "装车站 3# 鹤位", "甲醇", "%LEL", 0, 5),
             ("GD-R1-02", "反应釜 R-101 顶部平台", "环氧丙烷", "%LEL", 0, 2),
             ("GD-CP-11", "压缩机房 北侧", "H2", "%LEL", 0, 2),
             ("TD-AM-04", "液氨球罐 V-401 区", "NH3", "ppm", 0, 8),
             ("TD-WW-02", "污水处理站 调节池", "H2S", "ppm", 0, 3),
             ("TD-BL-01", "锅炉房 燃气入口", "CO", "ppm", 0, 6)]
COMBUSTIBLE = [d for d in DETECTORS if d[3] == "%LEL"]
TOXIC = [d for d in DETECTORS if d[3] == "ppm"]
# kind of permit, its prefix
PERMITS = [("动火作业（一级）", "DH"), ("动火作业（特级）", "DH"), ("受限空间作业", "SX"), ("高处作业", "GC"),
           ("临时用电作业", "LD"), ("盲板抽堵作业", "MB"), ("吊装作业", "DZ"), ("动土作业", "DT"), ("断路作业", "DL")]
AREAS = ["一车间 R-101 框架 3 层", "罐区 T-502 罐顶", "精馏塔 C-301 人孔", "装车站 2# 鹤位", "管廊 PR-07 段",
         "循环水站 凉水塔", "污水处理站 调节池", "液氨球罐 V-401 区"]
TASKS = ["更换法兰垫片", "焊接补漏", "清罐作业", "更换安全阀 PSV-1103", "仪表电缆敷设", "搭设脚手架", "拆除保温", "更换泵机封"]
EXTENSIONS = ["作业量超出预估", "等待备件到场", "天气原因中断 2 小时", "动火点增加 1 处"]
# interlock, what trips it, what it does
INTERLOCKS = [("SIS-101", "R-101 釜温高高联锁", "TT-1101A/B/C 三取二 ≥105℃", "切断进料阀 XV-1101，全开冷却水 XV-1105"),
              ("SIS-102", "R-102 釜压高高联锁", "PT-1202 ≥0.60MPa", "紧急泄放至火炬，停搅拌 M-102"),
              ("SIS-301", "T-201 液位高高联锁", "LT-2011 ≥92%", "关闭进罐阀 XV-2011，停卸车泵 P-205"),
              ("SIS-401", "V-401 氨泄漏联锁", "TD-AM-04 ≥35ppm", "关闭出口紧急切断阀，启动水幕喷淋"),
              ("SIS-602", "锅炉 熄火保护", "火检信号丢失 2s", "切断燃气总阀 XV-6001")]
BYPASS_WHY = ["仪表检修", "变送器校验", "开车阶段临时旁路", "探头更换"]
# reactor, its product
REACTORS = [("R-101", "聚醚多元醇 PPG-2000"), ("R-102", "丙烯酸酯乳液 AE-35"), ("R-103", "环氧树脂 E-51"),
            ("R-201", "增塑剂 DOTP")]
PRODUCT_TANKS = ["成品罐 T-701", "成品罐 T-702", "中间罐 V-120", "包装釜 V-150（吨桶灌装）", "调和罐 T-705"]
FEEDS = ["环氧丙烷", "甲醇", "丙烯酸丁酯", "苯乙烯", "引发剂 BPO（溶液）", "KOH 催化剂", "去离子水", "双酚 A"]
# what the lab measures, unit, low and high limit
ANALYTES = [("水分", "%", 0.0, 0.05), ("酸值", "mgKOH/g", 0.0, 0.10), ("色度", "Pt-Co", 0, 20),
            ("纯度（GC）", "%", 99.5, 100.0), ("羟值", "mgKOH/g", 54.0, 58.0), ("pH", "", 6.5, 8.5),
            ("黏度（25℃）", "mPa·s", 280, 420)]
SAMPLE_POINTS = ["R-101 出料口", "T-203A 罐底", "C-301 塔顶采出", "成品包装线 2#", "槽车 上部取样口", "循环水 回水"]
POINTS = ["P-205 卸车泵", "E-302 冷凝器", "罐区 T-201 呼吸阀", "空压站 C-01", "冷冻机组 CH-2", "火炬 水封罐",
          "R-102 机封", "消防泵房"]
DEFECTS = ["机封滴漏（约 5 滴/分）", "法兰跑冒，有甲醇气味", "压力表指针抖动", "保温层破损 1.5m", "静电接地线松脱",
           "轴承温度偏高（78℃）", "阻火器堵塞", "消防栓漏水"]
NOTES = ["油位正常", "振动 2.1mm/s", "无泄漏", "已补充润滑油", "电机温升正常"]
TEAMS = ["甲班", "乙班", "丙班", "丁班"]
UNITS = ["聚醚装置", "乳液装置", "罐区", "公用工程", "装卸站"]
LEFTOVERS = ["无", "P-205 备泵待检修", "T-502 液位计偏差待校验", "R-102 搅拌电流偏高，持续观察", "3# 鹤位暂停使用"]
# utility, pressure range, flow unit, flow range
UTILITIES = [("低压蒸汽 0.4MPa", 0.35, 0.48, "t/h", 5, 20), ("仪表空气", 0.55, 0.75, "Nm3/min", 12, 30),
             ("氮气", 0.55, 0.80, "Nm3/h", 300, 900), ("循环水 供水", 0.35, 0.45, "m3/h", 1800, 3200),
             ("冷冻水（7℃）", 0.30, 0.42, "m3/h", 120, 300)]
COURSES = ["受限空间作业安全", "动火作业管理", "危险化学品泄漏应急处置", "HAZOP 分析方法入门", "正压式空气呼吸器使用",
           "SIS 联锁管理制度"]
CERTS = ["危险化学品安全作业证（氯化工艺）", "特种作业操作证（焊接与热切割）", "特种作业操作证（高处作业）",
         "压力容器操作证 R1", "危险货物道路运输押运员证"]
POSTS = ["操作工", "班长", "焊工", "仪表工", "装卸工", "押运员"]
ROLES = ["生产副总", "安全总监", "车间主任", "当班值长"]
WASTES = [("900-013-11", "精馏残渣"), ("900-041-49", "废包装桶"), ("900-039-49", "废活性炭"), ("261-084-45", "废催化剂"),
          ("900-249-08", "废矿物油")]
RECEIVERS = ["东岚环境科技有限公司", "江北固废处置中心", "瑞衡再生资源（嘉禾）有限公司"]
CONTROLLERS = ["FCS0101", "FCS0102", "FCS0201", "SCS0301"]
SWITCH_WHY = ["CPU card fault", "heartbeat lost", "manual switch by engineer", "power module alarm"]
OPC_FAILS = ["BadCommunicationError", "BadTimeout", "BadNodeIdUnknown", "BadSessionClosed"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def tag(r):
    _chosen["tag"] = r.choice(TAGS)
    return _chosen["tag"][0]


def tagval(which):
    """A value of the line's tag: near its set point, over its high or under its low alarm."""
    def make(r):
        _, _, _, lo, hi, sp, fmt = _chosen["tag"]
        span = hi - lo
        if which == "pv":
            v = sp + r.uniform(-0.04, 0.04) * span
        elif which == "over":
            v = hi + r.uniform(0.01, 0.12) * span
        elif which == "under":
            v = max(0.0, lo - r.uniform(0.01, 0.12) * span)
        elif which == "old":
            v = sp
            _chosen["sp"] = v
        elif which == "new":
            v = _chosen["sp"] + r.choice([-1, 1]) * r.uniform(0.02, 0.08) * span
        else:
            v = {"sp": sp, "hi": hi, "lo": lo}[which]
        return fmt % v
    return make


def tank(r):
    _chosen["tank"] = r.choice(TANKS)
    return _chosen["tank"][0]


def tanklevel(r):
    _, _, height = _chosen["tank"]
    pct = r.uniform(12, 78)
    return "%.2fm / %.1f%%" % (height * pct / 100, pct)


def detector(group):
    def make(r):
        _chosen["det"] = r.choice(group)
        return _chosen["det"][0]
    return make


def detreading(r):
    _, _, _, unit, lo, hi = _chosen["det"]
    return "%.1f" % r.uniform(lo, hi) if unit == "%LEL" else "%d" % r.randint(lo, hi)


def hazmat(r):
    _chosen["hz"] = r.choice(HAZMAT)
    return _chosen["hz"][0]


def permit(r):
    kind, prefix = r.choice(PERMITS)
    _chosen["permit"] = kind
    d = DAY0 + datetime.timedelta(days=r.randint(-2, 0))
    return "%s-%s-%03d" % (prefix, d.strftime("%Y%m%d"), r.randint(1, 85))


def validity(r):
    """When a permit holds: one shift of a day, written as the permit system does."""
    d = DAY0 + datetime.timedelta(days=r.randint(0, 1))
    start = r.choice([8, 8, 9, 13, 14])
    return "%s %02d:00～%02d:00" % (d.isoformat(), start, min(start + r.choice([4, 8, 10]), 23))


def interlock(r):
    _chosen["ilk"] = r.choice(INTERLOCKS)
    return _chosen["ilk"][0]


def reactor(r):
    _chosen["rx"] = r.choice(REACTORS)
    return _chosen["rx"][0]


def batchno(r):
    return "%s%s%03d" % (_chosen["rx"][0].replace("-", ""), (DAY0 - datetime.timedelta(days=r.randint(0, 1))).strftime("%y%m%d"),
                         r.randint(1, 12))


def analyte(r):
    _chosen["an"] = r.choice(ANALYTES)
    return _chosen["an"][0]


def anval(inside):
    """A lab result of the line's analyte with its unit and limits, inside or outside them."""
    def make(r):
        _, unit, lo, hi = _chosen["an"]
        span = hi - lo
        if inside:
            v = r.uniform(lo + 0.1 * span, hi - 0.1 * span)
        elif lo > 0 and r.random() < 0.5:
            v = lo - r.uniform(0.02, 0.3) * span
        else:
            v = hi + r.uniform(0.02, 0.5) * span
        limit = ("≤%g" % hi) if lo == 0 else ("%g～%g" % (lo, hi))
        return "%.3g%s（指标%s%s）" % (v, unit, limit, unit)
    return make


def utility(r):
    _chosen["ut"] = r.choice(UTILITIES)
    return _chosen["ut"][0]


def utreading(r):
    _, plo, phi, funit, flo, fhi = _chosen["ut"]
    return "压力=%.2fMPa 流量=%.1f%s" % (r.uniform(plo, phi), r.uniform(flo, fhi), funit)


def plate(r):
    return "%s%s%05d" % (r.choice("宁苏浙皖鲁"), r.choice("ABCEH"), r.randint(0, 99999))


def plate_trailer(r):
    # a tank truck is a tractor and a trailer, the trailer plate ends in 挂
    return "%s（挂车%s%s%04d挂）" % (plate(r), r.choice("宁苏浙"), r.choice("ABCE"), r.randint(0, 9999))


def people(r):
    return "、".join(name(r) for _ in range(r.randint(2, 4)))


def sampletime(r):
    return "%02d/%02d %02d:%02d" % (DAY0.month, DAY0.day, r.randint(0, 23), r.choice([0, 10, 20, 30, 40, 50]))


def expiry(r):
    d = DAY0 + datetime.timedelta(days=r.randint(3, 60))
    _chosen["left"] = (d - DAY0).days
    return "%d.%02d.%02d" % (d.year, d.month, d.day)


def cnday(lo, hi):
    def make(r):
        d = DAY0 + datetime.timedelta(days=r.randint(lo, hi))
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    return make


def weighed(r):
    planned = r.uniform(18, 32)
    _chosen["planned"] = planned
    return "%.2f" % planned


def actual(r):
    return "%.3f" % (_chosen["planned"] + r.uniform(-0.25, 0.05))


def sofar(r):
    return "%.2f" % (_chosen["planned"] * r.uniform(0.1, 0.9))


def waste(r):
    code, what = r.choice(WASTES)
    return "HW%s（%s） 代码%s" % (code[-2:], what, code)


def roadlicense(r):
    return "%s危运字%06d号" % (r.choice("宁苏浙皖鲁"), r.randint(0, 999999))


V = {
    "name": name, "names": people,
    "tag": tag, "pv": tagval("pv"), "sp": tagval("sp"), "over": tagval("over"), "under": tagval("under"),
    "hi": tagval("hi"), "lo": tagval("lo"), "old": tagval("old"), "new": tagval("new"),
    "tagdesc": lambda r: _chosen["tag"][1], "unit": lambda r: _chosen["tag"][2],
    "out": real(0, 100), "mode": pick(MODES), "ops": pick(OPS),
    "tank": tank, "material": lambda r: _chosen["tank"][1], "tanklevel": tanklevel,
    "tanktemp": real(8, 38), "kpa": real(-0.3, 1.8, "%.2f"), "highpct": real(80.2, 86.0),
    "startpct": real(10, 45), "source": pick(TANK_SOURCES),
    "valve": lambda r: "XV-%s1" % _chosen["tank"][0][2:5],
    "det": detector(DETECTORS), "cdet": detector(COMBUSTIBLE), "tdet": detector(TOXIC),
    "loc": lambda r: _chosen["det"][1], "gas": lambda r: _chosen["det"][2], "gunit": lambda r: _chosen["det"][3],
    "reading": detreading, "lel1": real(20.5, 45.0), "lel2": real(50.5, 88.0), "toxic": rint(12, 60),
    "hazmat": hazmat, "un": lambda r: _chosen["hz"][1], "hazclass": lambda r: _chosen["hz"][2],
    "bay": lambda r: "%d#" % r.randint(1, 8), "plate": plate, "trailer": plate_trailer,
    "planned": weighed, "actual": actual, "sofar": sofar, "carrier": pick(CARRIERS), "refusal": pick(REFUSALS),
    "estop": pick(ESTOPS),
    "license": roadlicense, "appt": rint(0, 9999, "YY260512%04d"),
    "seal": lambda r: "QF%s-%06d" % (r.choice("AB"), r.randint(0, 999999)),
    "permitno": permit, "permittype": lambda r: _chosen["permit"], "area": pick(AREAS),
    "validity": validity, "extend": pick(EXTENSIONS), "until": lambda r: "%02d:%02d" % (r.randint(17, 23), r.choice([0, 30])),
    "o2": real(19.6, 21.2), "o2bad": real(17.0, 19.2), "lelok": real(0.0, 0.4), "lelbad": real(0.6, 12.0),
    "h2s": rint(0, 4), "tasknote": optional(lambda r: "，作业内容：%s" % r.choice(TASKS), 0.5),
    "ilk": interlock, "ilkdesc": lambda r: _chosen["ilk"][1], "cause": lambda r: _chosen["ilk"][2],
    "action": lambda r: _chosen["ilk"][3], "why": pick(BYPASS_WHY), "role": pick(ROLES),
    "reactor": reactor, "product": lambda r: _chosen["rx"][1], "batchno": batchno,
    "rxtank": pick(PRODUCT_TANKS), "feed": pick(FEEDS), "kg": real(120, 9800, "%.1f"), "rxtemp": real(45, 130),
    "rpm": rint(60, 180), "holdh": real(1.0, 6.0), "rate": real(2.1, 6.5, "%.2f"), "ratelim": pick(["1.5", "2.0"]),
    "analyte": analyte, "good": anval(True), "bad": anval(False), "sample": rint(0, 9999, "LIMS-260512-%04d"),
    "spoint": pick(SAMPLE_POINTS), "stime": sampletime,
    "point": pick(POINTS), "defect": pick(DEFECTS), "defectno": rint(0, 99999, "QX%05d"),
    "patrolnote": optional(lambda r: "，备注：%s" % r.choice(NOTES), 0.35),
    "team": pick(TEAMS), "team2": pick(TEAMS), "plantunit": pick(UNITS), "output": real(35, 420),
    "leftover": pick(LEFTOVERS),
    "utility": utility, "utreading": utreading,
    "course": pick(COURSES), "trainees": rint(6, 48), "passrate": real(78, 100),
    "trainday": cnday(0, 0), "cert": pick(CERTS), "certno": rint(0, 10 ** 11 - 1, "T32%011d"),
    "post": pick(POSTS), "expiry": expiry, "left": lambda r: str(_chosen["left"]),
    "waste": waste, "receiver": pick(RECEIVERS),
    "manifest": rint(0, 9999, "3209202605%04d"), "wastekg": real(200, 6000, "%.0f"),
    "controller": pick(CONTROLLERS), "switchwhy": pick(SWITCH_WHY), "opcfail": pick(OPC_FAILS),
    "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 4), r.randint(10, 99)), "try": rint(1, 3),
    "ms": rint(1500, 9000), "hours": pick(["4", "8", "12", "24"]),
    "operator": optional(lambda r: "，确认人%s" % name(r), 0.55),
    "reason": optional(lambda r: "，原因：%s" % r.choice(["工艺调整", "负荷提升", "按工艺卡 GY-07 执行", "降负荷运行"]), 0.4),
    "rxnote": optional(lambda r: "，补加%s %.1fkg" % (r.choice(FEEDS), r.uniform(5, 60)), 0.3),
    "exitnote": optional(lambda r: "，%s" % r.choice(["已打印电子运单", "已推送至园区危化品监管平台", "随车携带 MSDS 及应急卡"]), 0.5),
    "evac": optional(lambda r: "，已启动%s" % r.choice(["声光报警", "事故排风", "区域广播疏散"]), 0.6),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "dcs", "DCS采集 tag={tag} desc=\"{tagdesc}\" PV={pv} SP={sp} unit={unit} OUT={out}% mode={mode}"),
    (170, "INFO", "tank", "罐区液位：{tank}（{material}） 液位{tanklevel}，温度{tanktemp}℃，罐顶压力{kpa}kPa"),
    (150, "INFO", "gas", "gas detector poll ok: id={det} loc=\"{loc}\" gas={gas} value={reading}{gunit} status=NORMAL"),
    (90, "INFO", "patrol", "巡检打卡：巡检点【{point}】，巡检人{name}（{team}），设备状态：正常{patrolnote}"),
    (80, "INFO", "reactor", "反应釜{reactor}投料：批号{batchno}，产品「{product}」，加入{feed} {kg}kg，釜温{rxtemp}℃，搅拌{rpm}rpm{rxnote}"),
    (60, "INFO", "loading", "危化品装车开始：鹤位{bay}，车辆{trailer}，介质「{hazmat}」（UN{un}，第{hazclass}类），预装{planned}t，司机{name}，押运员{name}"),
    (55, "INFO", "ptw", "作业票签发：{permitno}《{permittype}》，作业地点：{area}，作业人：{names}，监护人：{name}，有效期{validity}{tasknote}"),
    (45, "INFO", "ptw", "作业票关闭：{permitno}《{permittype}》，{area}，作业完成、现场已清理，验收人{name}"),
    (40, "INFO", "loading", "装车完成：鹤位{bay}，车牌{plate}，预装{planned}t，实装{actual}t，铅封号{seal}，准予出厂{exitnote}"),
    (35, "INFO", "lab", "分析报告 {sample}：样品「{spoint}」取样时间{stime}，{analyte}={good}，结论：合格，分析员{name}"),
    (32, "WARN", "dcs", "DCS报警 HI：位号{tag}（{tagdesc}）PV={over}{unit}，高限{hi}{unit}{operator}"),
    (28, "INFO", "reactor", "反应釜{reactor}批次{batchno}反应结束：保温{holdh}h，终点{analyte}={good}，转料至{rxtank}"),
    (22, "WARN", "dcs", "DCS报警 LO：位号{tag}（{tagdesc}）PV={under}{unit}，低限{lo}{unit}{operator}"),
    (20, "WARN", "gas", "可燃气体一级报警：探头{cdet}【{loc}】{gas}浓度{lel1}%LEL（报警值20%LEL），现场确认人{name}{evac}"),
    (18, "INFO", "ptw", "作业前气体检测合格：作业票{permitno}《{permittype}》，检测点「{area}」，O2={o2}%，可燃气={lelok}%LEL，H2S={h2s}ppm，检测人{name}"),
    (15, "INFO", "shift", "交接班：{plantunit} {team}→{team2}，当班产量{output}t，遗留问题：{leftover}，交班人{name}，接班人{name}"),
    (14, "INFO", "sis", "联锁旁路申请已批准：{ilk}「{ilkdesc}」，原因：{why}，旁路时长{hours}h，申请人{name}，批准人{name}（{role}）"),
    (12, "INFO", "tank", "收料作业开始：{tank}（{material}）来自{source}，初始液位{startpct}%，计划收料{planned}t，操作人{name}"),
    (10, "INFO", "utility", "公用工程 {utility} {utreading} 状态=正常"),
    (9, "INFO", "loading", "入厂登记：车牌{plate}，承运单位「{carrier}」，道路运输证{license}，预约单号{appt}，人员证件核验通过"),
    (8, "INFO", "dcs", "操作员修改设定值：位号{tag}（{tagdesc}）SP {old}→{new}{unit}，操作站{ops}，操作员{name}{reason}"),
    (7, "WARN", "patrol", "巡检异常：巡检点【{point}】，发现{defect}，巡检人{name}（{team}），已生成缺陷单{defectno}"),
    (6, "WARN", "tank", "储罐高液位报警 LAH：{tank}（{material}）液位{highpct}%（高报80%），进罐阀{valve}已自动关闭"),
    (5, "ERROR", "gas", "可燃气体二级报警：探头{cdet}【{loc}】{gas}浓度{lel2}%LEL（报警值50%LEL），现场确认人{name}{evac}"),
    (5, "ERROR", "dcs", "OPC UA read failed: node=ns=2;s={tag}.PV status={opcfail} endpoint=opc.tcp://{ip}:4840 elapsed={ms}ms retry {try}/3"),
    (4, "WARN", "ptw", "作业前气体检测不合格：作业票{permitno}《{permittype}》，检测点「{area}」，O2={o2bad}%，可燃气={lelbad}%LEL，H2S={h2s}ppm，检测人{name}，禁止作业"),
    (4, "INFO", "hr", "安全培训签到：《{course}》，{trainday}，参训{trainees}人，讲师{name}，考试通过率{passrate}%"),
    (3, "WARN", "lab", "分析报告 {sample}：样品「{spoint}」取样时间{stime}，{analyte}={bad}，结论：不合格，分析员{name}"),
    (3, "WARN", "loading", "入厂核验失败：车牌{plate}，承运单位「{carrier}」，原因：{refusal}，已拒绝入场"),
    (3, "ERROR", "sis", "SIS联锁动作：{ilk}「{ilkdesc}」触发（{cause}），执行：{action}，ESD state=TRIPPED"),
    (2.5, "ERROR", "gas", "有毒气体报警：探头{tdet}【{loc}】{gas}浓度{toxic}ppm，超出报警值，现场确认人{name}{evac}"),
    (2.5, "INFO", "ptw", "作业票延期：{permitno}《{permittype}》，延期至{until}，延期原因：{extend}，批准人{name}（{role}）"),
    (2.5, "ERROR", "reactor", "反应釜{reactor}温度失控预警：釜温{rxtemp}℃，升温速率{rate}℃/min（限值{ratelim}℃/min），已切断进料并开启冷却水"),
    (2.2, "WARN", "hr", "证书到期提醒：{name}（{post}）持有的《{cert}》证号{certno}将于{expiry}到期，剩余{left}天"),
    (2, "WARN", "dcs", "controller redundancy switch-over: {controller} primary -> backup, reason={switchwhy}"),
    (2, "WARN", "sis", "联锁旁路超时未恢复：{ilk}「{ilkdesc}」已旁路超过{hours}h，请{role}{name}确认"),
    (2, "INFO", "waste", "危废出库：{waste}，重量{wastekg}kg，转移联单号{manifest}，接收单位「{receiver}」，经办人{name}"),
    (2, "ERROR", "loading", "装车紧急停止：鹤位{bay}，车牌{plate}，介质「{hazmat}」，预装{planned}t，停止时已装{sofar}t，触发原因：{estop}"),
]

# the server and process each module runs in, and what the operators call it
HOSTS = {"dcs": ("dcs-gw01", "opcbridge", 2231), "tank": ("tf-srv02", "tankgauge", 3107),
         "gas": ("gds-srv01", "gasmon", 3320), "patrol": ("app-srv03", "patrol", 4410),
         "reactor": ("dcs-gw01", "batchd", 2290), "loading": ("lr-srv01", "loadrack", 5102),
         "ptw": ("app-srv03", "permit", 4422), "lab": ("lims01", "lims-sync", 6015),
         "shift": ("app-srv03", "shiftlog", 4431), "sis": ("sis-gw01", "sisbridge", 2455),
         "utility": ("dcs-gw02", "utilmon", 2301), "hr": ("app-srv04", "training", 7003),
         "waste": ("app-srv04", "hwaste", 7021)}
CN_MODULES = {"dcs": "中控DCS", "tank": "罐区管理", "gas": "气体检测", "patrol": "巡检", "reactor": "批次控制",
              "loading": "装卸管理", "ptw": "作业许可", "lab": "质检LIMS", "shift": "交接班", "sis": "联锁管理",
              "utility": "公用工程", "hr": "培训管理", "waste": "危废管理"}
CN_LEVELS = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
THREADS = ["main", "pool-2-thread-1", "pool-2-thread-4", "scheduler-1", "opc-sub-3", "http-nio-8080-exec-7"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 12) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    host, proc, pid = HOSTS[module]
    if form == 0:
        # the Java integration services: time with a comma before the milliseconds, the level
        # padded, the thread and the logger in brackets
        return "%s,%03d %-5s [%s] [com.plant.%s] - " % (
            at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, r.choice(THREADS), module)
    if form == 1:
        # the control-room desktop client writes Chinese level words and module names
        return "[%s.%03d][%s][%s@%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), ms, CN_LEVELS[level],
                                          CN_MODULES[module], host)
    # the field gateways log through the plant's syslog relay
    return "%s %2d %s %s %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host, proc, pid,
                                          level.lower())


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "C", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
