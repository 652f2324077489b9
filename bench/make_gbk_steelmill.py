#!/usr/bin/env python3
"""A GBK log of a steel mill's operations with its truth.

    bench/make_gbk_steelmill.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages from the level-2
systems and the plant's own services: blast-furnace conditions, cast-house tapping, hot-metal
torpedo cars and cooling-stave alarms; converter blowing started and ended, tapping into the ladle,
chemistry from the lab judged within grade or out of it; ladles arriving at the refining
stations, their baking and their life; the overhead cranes' moves and anti-collision slow-downs;
the casters opening a heat, cutting slabs, mould-level swings and the breakout alarm; the reheating
furnaces, coils rolled, gauge out of tolerance and a stand tripping; the weighbridge, energy
meters, gas holders, the power demand, the stack monitors and their limits, a CO alarm; shift
hand-overs, equipment rounds found normal or not, production orders, reports to the plant's
MES sent or refused and a real-time database that fails to write. They were written to measure
the miner on and not to shape it: no rule was made or tuned on them. Each message keeps its own
frequency, crane moves and meter readings by the hundred and a breakout alarm once in a
thousand lines or so. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

FURNACES = ["1#高炉（2500m3）", "2#高炉（2500m3）", "3#高炉（1080m3）"]
CONVERTERS = ["1#转炉（120t）", "2#转炉（120t）", "3#转炉（150t）"]
CASTERS = ["1#连铸机（板坯）", "2#连铸机（板坯）", "3#连铸机（方坯 6机6流）"]
GRADES = ["Q235B", "Q345B", "SPHC", "DC01", "HRB400E Φ25", "X70 管线钢", "45#", "Q355NE（低温韧性）", "SAPH440",
          "65Mn 弹簧钢"]
# element, usual content and upper limit in %
ELEMENTS = [("C", 0.16, 0.20), ("Si", 0.25, 0.35), ("Mn", 1.35, 1.60), ("P", 0.018, 0.025), ("S", 0.008, 0.015),
            ("Als", 0.030, 0.050)]
STATIONS = ["1#LF精炼炉", "2#LF精炼炉", "RH真空精炼", "吹氩站（CAS）", "转炉出钢跨", "连铸回转台", "热修区"]
CRANES = ["加料跨1#行车（QD 200/50t）", "加料跨2#行车", "钢水跨3#行车（铸造起重机）", "钢水跨4#行车", "精炼跨5#行车",
          "钢水跨6#行车（铸造起重机 320/80t）", "渣跨8#行车"]
CRANE_TASKS = ["LADLE_MOVE", "HOT_METAL_POUR", "LADLE_TO_TURRET", "EMPTY_RETURN", "LADLE_TO_BAKE", "SLAG_DUMP"]
BAYS = ["KR脱硫站", "转炉炉前", "1#LF", "2#LF", "RH", "回转台A臂", "回转台B臂", "渣跨", "热修位", "烘烤位3"]
PLCS = [("BF1_CASTHOUSE_PLC", "10.12.1.21"), ("BOF2_MAIN_S7", "10.13.2.10"), ("CCM1_STRAND_PLC", "10.14.1.31"),
        ("HSM_F1F7_TDC", "10.15.7.40"), ("EMS_GW_03", "10.18.0.3"), ("CRANE_RFID_HUB", "10.16.5.8")]
PLCERRS = ["ETIMEDOUT", "ECONNRESET", "Modbus exception 0x0B (Gateway Target Failed)", "S7 error 0x8104",
           "OPC UA BadNotConnected"]
METERS = [("高炉煤气", "Nm3/h", 180000, 420000), ("转炉煤气", "Nm3/h", 20000, 90000), ("焦炉煤气", "Nm3/h", 8000, 30000),
          ("氧气", "Nm3/h", 12000, 40000), ("氮气", "Nm3/h", 9000, 26000), ("新水", "t/h", 300, 1200),
          ("蒸汽（1.0MPa）", "t/h", 20, 110), ("10kV总进线", "kW", 60000, 150000)]
METERPOINTS = ["EM-BF1-01", "EM-BOF-07", "EM-CCM2-03", "EM-HSM-12", "EM-PWR-1A", "EM-O2-02", "EM-STEAM-05"]
OUTLETS = ["烧结机头烟囱（DA001）", "高炉出铁场除尘（DA014）", "转炉二次除尘（DA022）", "轧钢加热炉烟囱（DA031）",
           "石灰窑烟囱 DA040"]
POLLUTANTS = [("颗粒物", 10), ("SO2", 35), ("NOx", 50)]
MATERIALS = ["废钢（重废）", "铁矿石 PB粉", "焦炭", "石灰", "合金：硅锰 FeMnSi", "铁皮", "除尘灰", "钢渣"]
AREAS = ["高炉炉顶平台", "转炉煤气回收风机房", "1#高炉出铁场 东侧", "煤气柜区域", "加热炉烧嘴平台"]
EQUIPMENT = ["F3机架工作辊", "1#高炉热风炉换炉阀", "2#转炉氧枪升降装置", "结晶器振动台（1流）", "卷取机助卷辊",
             "钢水跨3#行车主起升制动器", "除鳞泵（高压水 22MPa）", "煤气加压机 2#"]
DEFECTS = ["轴承温度偏高（78℃）", "液压站油位低于下限", "制动片磨损超限", "振动值4.8mm/s，超出报警值",
           "法兰渗漏，已挂牌", "电机电流波动±15%"]
SHIFTS = ["甲班", "乙班", "丙班", "丁班"]
TEAMS = ["炼铁厂", "炼钢厂", "热轧厂", "能源中心", "运输部"]
TRIPS = ["OVERCURRENT", "OVERSPEED", "EARTH_FAULT", "COOLING_WATER_LOW", "DC_LINK_OVERVOLTAGE"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
REPORTS = ["炉次实绩", "铸坯实绩", "钢卷实绩", "能耗日报", "行车作业实绩"]
DBERRS = ["java.sql.SQLRecoverableException: IO 错误: Connection reset",
          "java.sql.SQLTimeoutException: ORA-01013: 用户请求取消当前的操作",
          "org.postgresql.util.PSQLException: ERROR: could not extend file",
          "java.net.SocketTimeoutException: connect timed out"]
TAGS = ["BF1.HotBlast.Temp", "BOF2.Lance.Height", "CCM1.Mold.Level", "HSM.F7.Thickness", "EMS.GasHolder.BOFG"]
ALLOYS = ["硅锰合金", "高碳锰铁", "铝块", "硅铁", "增碳剂", "钒氮合金"]
SCRAPS = ["重废", "中废", "打包块", "渣钢", "自产返回料"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, fmt):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(0, 2))
    return d.strftime(fmt)


def heat(r):
    """A heat number: converter, year, serial."""
    return "%dA26%05d" % (r.randint(1, 3), r.randint(1, 9999))


def slab(r):
    return "S%s%04d-%02d" % (day(r, "%y%m%d"), r.randint(1, 2000), r.randint(1, 6))


def coil(r):
    return "H%s%05d" % (day(r, "%Y%m%d"), r.randint(1, 1800))


def ladle(r):
    return "%d号钢包" % r.randint(1, 28)


def bay(r):
    _chosen["bay"] = r.choice(BAYS)
    return _chosen["bay"]


def meter(r):
    kind, unit, lo, hi = r.choice(METERS)
    return "medium=\"%s\" value=%.1f unit=%s" % (kind, r.uniform(lo, hi), unit)


def chemistry(r):
    out = []
    for el, usual, _ in ELEMENTS:
        out.append("%s=%.3f%%" % (el, usual * r.uniform(0.8, 1.1)))
    return " ".join(out)


def element(r):
    _chosen["el"] = r.choice(ELEMENTS)
    return _chosen["el"][0]


def elvalue(r):
    _, _, limit = _chosen["el"]
    return "%.3f" % (limit * r.uniform(1.02, 1.4))


def weighing(r):
    tare = r.uniform(14000, 19000)
    net = r.uniform(8000, 42000)
    return "毛重%.0fkg，皮重%.0fkg，净重%.0fkg" % (tare + net, tare, net)


def emission(r):
    return "，".join("%s %.1fmg/Nm3" % (p, lim * r.uniform(0.1, 0.8)) for p, lim in POLLUTANTS)


def pollutant(r):
    _chosen["pol"] = r.choice(POLLUTANTS)
    return _chosen["pol"][0]


def gauge(r):
    target = r.choice([1.8, 2.0, 2.5, 3.0, 4.0, 5.75, 8.0, 12.0])
    off = r.choice([-1, 1]) * r.uniform(0.06, 0.25) * target / 4
    return "目标厚度%.2fmm，实测%.3fmm，偏差%+.1f%%" % (target, target + off, off / target * 100)


def plate(r):
    return "%s%s%05d" % (r.choice(["冀", "津", "晋", "鲁"]), r.choice("ABDEF"), r.randint(0, 99999))


def plc(r):
    p, ip = r.choice(PLCS)
    return "%s (%s:%d)" % (p, ip, r.choice([102, 502, 4840]))


def stave(r):
    inlet = r.uniform(28, 36)
    diff = r.uniform(6.5, 12)
    return "进水%.1f℃，出水%.1f℃，温差%.1f℃" % (inlet, inlet + diff, diff)


def demand(r):
    contract = r.choice([120000, 150000])
    now = contract * r.uniform(0.9, 0.99)
    return "当前需量%.0fkW，合同需量%dkW，占比%.1f%%" % (now, contract, now / contract * 100)


def handover(r):
    k = r.randrange(len(SHIFTS))
    return "%s→%s" % (SHIFTS[k], SHIFTS[(k + 1) % len(SHIFTS)])


def order(r):
    return "PO-%s-%03d" % (day(r, "%Y%m%d"), r.randint(1, 300))


def when(r):
    """A planned time, written as the planners write it."""
    d = datetime.datetime(2026, 3, 14, r.randint(0, 23), r.choice([0, 30])) + datetime.timedelta(days=r.randint(0, 2))
    return r.choice([d.strftime("%m/%d %H:%M"), "%d月%d日%d时" % (d.month, d.day, d.hour),
                     d.strftime("%Y-%m-%d %H:%M")])


V = {
    "name": name, "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "furnace": pick(FURNACES), "converter": pick(CONVERTERS), "caster": pick(CASTERS), "grade": pick(GRADES),
    "station": pick(STATIONS), "crane": pick(CRANES), "crane2": pick(CRANES), "task": pick(CRANE_TASKS),
    "bay": bay, "bay2": lambda r: r.choice([b for b in BAYS if b != _chosen["bay"]]), "plcerr": pick(PLCERRS), "meterpoint": pick(METERPOINTS),
    "outlet": pick(OUTLETS), "material": pick(MATERIALS), "area": pick(AREAS), "equipment": pick(EQUIPMENT),
    "defect": pick(DEFECTS), "shift": pick(SHIFTS), "team": pick(TEAMS), "trip": pick(TRIPS),
    "httpfail": pick(HTTPFAILS), "report": pick(REPORTS), "dberr": pick(DBERRS), "tag": pick(TAGS),
    "heat": heat, "slab": slab, "coil": coil, "ladle": ladle, "meter": meter, "chemistry": chemistry,
    "element": element, "elvalue": elvalue, "ellimit": lambda r: "%.3f" % _chosen["el"][2],
    "weighing": weighing, "emission": emission, "pollutant": pollutant,
    "polvalue": lambda r: "%.1f" % (_chosen["pol"][1] * r.uniform(1.05, 2.5)),
    "pollimit": lambda r: "%d" % _chosen["pol"][1],
    "handover": handover, "gauge": gauge, "plate": plate, "plc": plc, "stave": stave, "demand": demand,
    "order": order, "when": when,
    "alloys": lambda r: "、".join("%s %dkg" % (a, r.randint(50, 1800)) for a in r.sample(ALLOYS, r.randint(1, 3))),
    "scraps": items(SCRAPS, 1, 3), "grades": lambda r: ",".join(r.sample(GRADES[:4] + GRADES[6:7], r.randint(2, 3))),
    "wind": rint(3800, 4600), "windp": real(340, 390), "blast": rint(1150, 1230), "top": real(200, 235),
    "perm": real(0.95, 1.25, "%.2f"), "si": real(0.25, 0.65, "%.2f"), "hmtemp": rint(1465, 1525),
    "hm": real(105, 128), "scrap": real(15, 32), "tsc": rint(1610, 1680), "carbon": real(0.03, 0.09, "%.3f"),
    "o2": rint(5200, 6800), "blow": rint(780, 1020), "tap": real(115, 148), "tapsec": rint(240, 420),
    "steeltemp": rint(1545, 1610), "life": rint(1, 120), "speed": real(0.85, 1.65, "%.2f"),
    "lowspeed": real(0.30, 0.60, "%.2f"),
    "tundish": lambda r: "TD%d-%03d" % (r.randint(1, 4), r.randint(1, 400)), "strand": rint(1, 6),
    "len": rint(8000, 11500), "slabt": real(18.5, 32.5, "%.2f"), "level": real(4.5, 14, "%.1f"),
    "thick": pick(["1.80", "2.00", "2.50", "3.00", "4.00", "5.75", "8.00", "12.00"]),
    "width": rint(900, 1650), "fdt": rint(840, 900), "ct": rint(540, 680), "pace": real(95, 140),
    "rhf": rint(1, 3), "drop": rint(1180, 1260), "inmin": rint(150, 260), "stand": rint(1, 7),
    "amp": rint(800, 6200), "gas": rint(12000, 75000), "gaspct": real(18, 92), "co": rint(50, 480),
    "tapno": rint(1, 4), "tapt": real(260, 480), "tapmin": rint(95, 160), "slag": rint(270, 340),
    "torpedo": rint(1, 24), "row": rint(1, 16), "ms": rint(3000, 30000), "try": rint(1, 5), "n": rint(1, 12),
    "heats": rint(8, 45), "tons": rint(1200, 6800), "bake": real(900, 1150), "bakeh": rint(8, 36),
    "dist": real(2.5, 9.5), "o2pct": real(6, 14), "delay": rint(80, 4500),
    "emp": lambda r: "%s%05d" % (r.choice(["GT", "LG", "RZ"]), r.randint(100, 99999)),
    "date": lambda r: r.choice([day(r, "%Y-%m-%d"), day(r, "%Y%m%d"), "%d年%d月%d日" % (2026, 3, r.randint(14, 16))]),
    "lance": optional(lambda r: "，枪位%dmm" % r.randint(1300, 2100), 0.4),
    "tapalloy": optional(lambda r: "，加入合金：%s" % V["alloys"](r), 0.5),
    "craneload": optional(lambda r: " load=%.1ft" % r.uniform(20, 220), 0.6),
    "castnote": optional(lambda r: "，保护渣「%s」" % r.choice(["低碳钢用 LC-2", "包晶钢用 PE-5", "中碳 MC-1"]), 0.35),
    "coilnote": optional(lambda r: "，去向《%s》" % r.choice(["冷轧原料库", "平整分卷线", "热卷成品库 B区", "外发客户"]), 0.45),
    "weighnote": optional(lambda r: "，供应商（%s）" % r.choice(["恒岳再生资源有限公司", "北辰矿业（唐山）", "厂内倒运"]), 0.4),
    "handnote": optional(lambda r: "，遗留问题：%s" % r.choice(["2#铁口泥炮打泥压力偏低", "F5机架换辊推迟至下一班",
                                                            "3#行车小车限位待更换", "无"]), 0.5),
    "retry": optional(lambda r: "，%d秒后重试" % r.choice([5, 10, 30, 60]), 0.5),
    "ladlenote": optional(lambda r: "（%s）" % r.choice(["新砌包", "中修后第一次使用", "渣线已喷补"]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (150, "INFO", "crane", "crane={crane} task={task} ladle={ladle} from={bay} to={bay2}{craneload} dur={tapsec}s"),
    (130, "INFO", "ems", "energy meter read: point={meterpoint} {meter} quality=GOOD"),
    (120, "INFO", "ccm", "铸坯切割：{caster} 第{strand}流，坯号{slab}，定尺长度{len}mm，理论重量{slabt}t，拉速{speed}m/min"),
    (100, "INFO", "hsm", "轧制完成：卷号{coil}，钢种《{grade}》，规格{thick}×{width}mm，终轧温度{fdt}℃，卷取温度{ct}℃{coilnote}"),
    (80, "INFO", "bf", "{furnace}炉况：风量{wind}m3/min，风压{windp}kPa，热风温度{blast}℃，顶压{top}kPa，透气性指数{perm}"),
    (60, "INFO", "hsm", "加热炉{rhf}#出钢：坯号{slab}，出炉温度{drop}℃，在炉时间{inmin}min，轧制节奏{pace}s"),
    (50, "INFO", "ems", "CEMS在线监测：{outlet}，{emission}，含氧量{o2pct}%"),
    (52, "INFO", "bof", "转炉吹炼开始：炉号{heat}，{converter}，铁水{hm}t，废钢{scrap}t（{scraps}），钢种《{grade}》{lance}"),
    (48, "INFO", "bof", "吹炼终点：炉号{heat}，TSC温度{tsc}℃，[C]={carbon}%，氧耗{o2}Nm3，吹炼时长{blow}秒"),
    (45, "INFO", "bof", "出钢完成：炉号{heat}，{ladle}，出钢量{tap}t，出钢时间{tapsec}s，钢水温度{steeltemp}℃{tapalloy}"),
    (40, "INFO", "ladle", "钢包到站：{ladle}{ladlenote}到达「{station}」，包龄{life}次，钢水温度{steeltemp}℃"),
    (36, "INFO", "lab", "化验结果 heat={heat} sample=TS{n} {chemistry}"),
    (32, "INFO", "lab", "成分判定合格：炉号{heat}，钢种《{grade}》，判定人{name}"),
    (28, "INFO", "bf", "{furnace} {tapno}号铁口出铁结束：出铁量{tapt}t，出铁时间{tapmin}min，铁水温度{hmtemp}℃，[Si]={si}%"),
    (24, "INFO", "bf", "鱼雷罐车{torpedo}号受铁完成：{furnace}，铁水{tapt}t，铁水温度{hmtemp}℃，去向：炼钢KR脱硫站"),
    (20, "INFO", "ccm", "{caster}开浇：中间包{tundish}，首炉炉号{heat}，钢种《{grade}》，目标拉速{speed}m/min{castnote}"),
    (18, "INFO", "ems", "煤气柜位：转炉煤气柜{gas}m3（{gaspct}%），状态：回收中"),
    (16, "INFO", "scale", "汽车衡过磅：车号{plate}，物料「{material}」，{weighing}{weighnote}"),
    (14, "INFO", "mes", "MES报工上传成功：{report}，炉号{heat}，耗时{delay}ms"),
    (12, "WARN", "crane", "行车防撞预警：{crane}与{crane2}间距{dist}m，已自动降速至20%"),
    (11, "WARN", "ccm", "结晶器液位波动：{caster} 第{strand}流，液位偏差±{level}mm，当前拉速{speed}m/min"),
    (10, "INFO", "mes", "生产计划下达：计划号{order}，钢种{grades}，计划炉数{heats}，计划产量{tons}t，开始时间{when}"),
    (9, "WARN", "hsm", "板厚超差：卷号{coil}，{gauge}，已自动标记待判"),
    (8, "INFO", "shift", "交接班：{team}{handover}，交班人{name}，接班人{name}，日期{date}{handnote}"),
    (7, "INFO", "tpm", "设备点检：{equipment}，点检人{name}（工号{emp}），结果：正常"),
    (6, "WARN", "tpm", "设备点检：{equipment}，点检人{name}（工号{emp}），结果：异常，{defect}"),
    (5, "INFO", "ladle", "钢包烘烤完成：{ladle}，内衬温度{bake}℃，烘烤时长{bakeh}h，烘烤位{n}"),
    (4.5, "WARN", "ems", "电力需量预警：{demand}，请错峰安排{team}大功率设备"),
    (4, "WARN", "lab", "成分判定不合格：炉号{heat}，钢种《{grade}》，{element}={elvalue}% 超出上限{ellimit}%，改判人{name}"),
    (3.5, "ERROR", "mes", "MES报工上传失败：{report}，炉号{heat}，HTTP {httpfail}，第{try}次{retry}"),
    (3, "ERROR", "plc", "PLC通讯中断：{plc} err={plcerr}，已切换至本地缓存{retry}"),
    (2.5, "WARN", "bf", "{furnace}冷却壁第{row}段水温差超限：{stave}，请检查冷却水流量"),
    (2, "ERROR", "hsm", "F{stand}机架主传动跳闸 trip={trip} 电流{amp}A，当前卷号{coil}，已紧急停机"),
    (1.8, "ERROR", "ems", "排放超标告警：{outlet} {pollutant}折算浓度{polvalue}mg/Nm3，超过限值{pollimit}mg/Nm3，持续{n}分钟"),
    (1.5, "ERROR", "hist", "写入实时数据库失败 tag={tag} cause={dberr}，丢弃{n}条缓存"),
    (1.3, "ERROR", "safety", "CO浓度报警：{area}，CO={co}ppm，已通知{name}带队处置，疏散半径{n}0m"),
    (1.3, "ERROR", "ccm", "漏钢预报报警（BOPS）：{caster} 第{strand}流，热电偶温升异常，拉速已自动降至{lowspeed}m/min"),
]

# where each module's lines come from, for the headers
CLASSES = {"crane": "cn.hengyue.crane.TrackService", "ems": "cn.hengyue.ems.MeterCollector",
           "ccm": "cn.hengyue.l2.ccm.CastTracker", "hsm": "cn.hengyue.l2.hsm.MillPacer",
           "bf": "cn.hengyue.l2.bf.FurnaceMonitor", "bof": "cn.hengyue.l2.bof.HeatModel",
           "ladle": "cn.hengyue.ladle.LadleTracker", "lab": "cn.hengyue.lims.ResultJudge",
           "scale": "cn.hengyue.scale.WeighBridge", "mes": "cn.hengyue.mes.ReportClient",
           "shift": "cn.hengyue.ops.ShiftLog", "tpm": "cn.hengyue.tpm.Inspection",
           "plc": "cn.hengyue.io.PlcLink", "hist": "cn.hengyue.hist.Writer",
           "safety": "cn.hengyue.safety.GasDetector"}
PLACES = {"crane": "行车定位系统", "ems": "能源管控中心", "ccm": "连铸二级", "hsm": "热轧二级", "bf": "高炉二级",
          "bof": "转炉二级", "ladle": "钢包跟踪", "lab": "质检LIMS", "scale": "计量系统", "mes": "MES接口",
          "shift": "生产日志", "tpm": "设备点检", "plc": "通讯网关", "hist": "实时库", "safety": "安全监控"}
HOSTS = {"crane": "crane-trk01", "ems": "ems-col02", "ccm": "ccm-l2-srv", "hsm": "hsm-l2-srv1", "bf": "bf-l2-srv",
         "bof": "bof-l2-srv", "ladle": "ladle-trk01", "lab": "lims-app", "scale": "scale-gw", "mes": "mes-if01",
         "shift": "ops-web", "tpm": "tpm-app", "plc": "iogw-03", "hist": "hist-db01", "safety": "gds-srv"}
PIDS = {"crane": 2231, "ems": 1874, "ccm": 3310, "hsm": 3312, "bf": 4127, "bof": 4130, "ladle": 2240, "lab": 5502,
        "scale": 5519, "mes": 6011, "shift": 6020, "tpm": 6033, "plc": 1201, "hist": 7003, "safety": 1190}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the level-2 servers run on a Java stack that logs the thread and the class
        return "%s,%03d %-5s [%s] %s - " % (
            at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
            r.choice(["main", "pool-2-thread-%d" % r.randint(1, 8), "scheduler-%d" % r.randint(1, 4)]),
            CLASSES[module])
    if form == 1:
        # the control-room console prints the level and the system in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s/%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, PLACES[module],
                                      r.choice(["主站", "主站", "备站"]))
    # the plant's syslog collector: priority, ISO time, host, program and pid, a one-letter level
    pri = {"INFO": 134, "WARN": 132, "ERROR": 131}[level]
    return "<%d>%s.%03d+08:00 %s %s[%d]: %s " % (
        pri, at.strftime("%Y-%m-%dT%H:%M:%S"), ms, HOSTS[module], module, PIDS[module], level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "M", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
