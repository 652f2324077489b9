#!/usr/bin/env python3
"""A GBK log of a cement plant's production monitoring with its truth.

    bench/make_gbk_cement.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages of a clinker line
and its grinding and dispatch (rotary kiln samples, kiln-inlet temperature too high or too low,
feed changes, emergency feed stops and shell-scanner hot spots, preheater, cooler and coal
feeding, raw mill running and vibration, cement mill running, raw meal and clinker analyses with
f-CaO passed or over its limit, cement release tests passed and failed, stack monitoring minute
data, dust warnings, hourly exceedances and calibrations, packing lines started, stopped, counted
and overweight bags rejected, bulk loading, the truck queue, card readers accepting or refusing a
card, weighbridge tickets and failed uploads, overloaded trucks held at the gate, bearing alarms,
equipment trips, lost OPC reads, shift hand-overs, patrols, the daily report and confined-space
work permits), written to measure the miner on and not to shape it: no rule was made or tuned
on them. Each message keeps its own frequency, kiln samples by the hundred and a work permit
once in a few thousand lines; a few pairs differ only in a word or two (合格/超标, 已开机/已停机,
成功/失败, 偏高/偏低) and count as separate messages. One of three header forms by the seed. The
output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

GRADES = ["P·O 42.5", "P·O 42.5R", "P·O 52.5", "P·C 32.5R", "P·S·A 32.5", "P·Ⅱ 52.5（出口）"]
PACKERS = ["1#包装机（8嘴回转式 BX-8）", "2#包装机（8嘴回转式 BX-8）", "3#包装机（10嘴）", "4#包装机（吨袋）"]
PLINES = ["1#", "2#", "3#", "4#", "Line 5"]
BULKERS = ["1号散装机", "2号散装机（汽车）", "3号散装机（火车专线）", "库底散装头B"]
LANES = ["1号装车道", "2号散装道 (Bulk-B)", "3号袋装道（东）", "4号袋装道（西）", "火车站台"]
CUSTOMERS = ["鸿基商砼有限公司", "江淮路桥建设集团（第三项目部）", "个人散户", "青溪县城建物资站", "宏远管桩厂",
             "临川新型建材（合作经销商）", "磐石水利工程局 二分局"]
SCALES = ["1#地磅 100t", "2#地磅（出厂）", "3#地磅（进厂原燃料）"]
# what a truck carries over the scale: label, tare range, net range in tonnes
LOADS = [("出厂·袋装水泥", 14, 18, 30, 58), ("出厂·散装水泥", 15, 19, 32, 55), ("进厂·石灰石", 16, 20, 35, 52),
         ("进厂·原煤", 15, 19, 30, 45), ("进厂·粉煤灰", 14, 17, 28, 40), ("进厂·脱硫石膏", 15, 18, 28, 42),
         ("出厂·熟料外售", 16, 19, 34, 50)]
STACKS = ["窑尾烟囱（DA001）", "窑头烟囱（DA002）", "煤磨排口 DA003", "1#水泥磨排口（DA004）", "2#水泥磨排口（DA005）"]
FILTERS = ["袋收尘滤袋是否破损", "电收尘二电场电压", "脉冲阀喷吹压力", "收尘器灰斗料位", "提升阀是否卡死"]
CMILLS = ["1#水泥磨（Φ4.2×13m）", "2#水泥磨（Φ4.2×13m）", "3#水泥磨 联合粉磨"]
GATES = ["东门出厂闸机", "西门进厂闸机", "散装区道闸2", "包装区道闸1"]
CARDFAILS = ["卡片未绑定提货单", "提货单已作废", "车辆黑名单（超载记录3次）", "读卡超时 READ_TIMEOUT",
             "磅单未完成，禁止出厂", "卡余额不足（预付款剩余0.00元）"]
ADVICES = ["减少分解炉喂煤", "适当降低高温风机转速", "检查C5下料是否塌料", "增加窑头喂煤0.3t/h", "适当减料并稳定窑速"]
STOPWHYS = ["包装袋用完，等待换卷", "水泥库下料不畅", "皮带跑偏", "装车道无车", "计划检修（更换插袋机刀片）",
            "交接班清扫"]
SHIFTS = ["早班", "中班", "夜班"]
LEFTOVERS = ["无", "2#篦冷机液压站漏油已报修", "煤磨袋收尘差压偏高", "窑头看火电视画面模糊", "3#包装机第6嘴计量不准",
             "C4旋风筒翻板阀卡"]
SPOTS = ["窑头平台", "窑中托轮（2档）", "窑尾烟室", "生料磨主减速机", "煤磨袋收尘", "篦冷机下部风室",
         "水泥库顶", "空压机房 B区", "石灰石破碎站"]
PATROLRES = ["正常", "正常", "正常", "异常（已拍照上报）", "正常，托轮油位偏低已补油"]
# device, its bearing alarm threshold in ℃
DEVICES = [("1#生料磨主电机（2500kW）", 85), ("窑尾高温风机", 80), ("窑头排风机", 80), ("篦冷机一段液压站", 65),
           ("煤磨主减速机", 75), ("2#水泥磨（Φ4.2×13m）", 85), ("斗式提升机 NE300", 70), ("入窑提升机", 75),
           ("罗茨风机B", 90), ("回转窑主减速机", 75), ("选粉机（XF-3000型）", 80)]
FAULTS = ["F0012 变频器过流", "E-217 Overcurrent", "ALM3051 轴承温度高高", "F0030 电机过载", "DI-47 拉绳开关动作",
          "E-405 跑偏开关", "ALM1102 振动高高", "F0021 欠电压"]
INTERLOCKS = ["入库斗提", "选粉机", "喂料皮带秤", "循环风机", "出磨斜槽风机", "辊压机", "煤粉输送罗茨风机"]
VIBPOINTS = ["主减速机输入轴", "磨辊2#", "主电机非驱动端", "选粉机轴承座"]
NODES = ["Kiln.TI_3101.PV", "RawMill.FT_2201.PV", "Cooler.PT_4105.PV", "Coal.WT_5102.PV", "CEMS.Dust_DA001"]
CALITEMS = ["颗粒物、SO2、NOx", "O2、烟温、流速", "颗粒物零点", "NOx量程"]
HALTWHYS = ["窑尾高温风机跳停", "C5下料管堵塞", "主电机电流大幅波动", "篦冷机堆雪人", "入窑提升机断链"]
SPACES = ["C4旋风筒", "生料均化库", "煤粉仓", "窑尾烟室", "3#水泥库"]
SILOS = ["1#", "2#", "5#", "6#"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
CONSOLES = ["1", "2", "3"]
FEEDREASONS = ["生料KH偏高", "窑电流下降", "窑尾温度偏高", "煤粉热值下降", "计划提产"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    if form == 0:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if form == 1:
        return d.strftime("%Y-%m-%d")
    return d.strftime("%m/%d")


def hm(r):
    return "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59))


def hms(r):
    return "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59))


def plate(r):
    letters = "ABCDEFGHJKLMNPQRSTUVWXYZ"
    tail = "".join(r.choice(letters + "0123456789" * 3) for _ in range(4))
    return "%s%s·%d%s" % (r.choice("皖苏浙赣鄂湘"), r.choice("ABCDEFGHJK"), r.randint(1, 9), tail)


def weighkind(r):
    _chosen["load"] = r.choice(LOADS)
    return _chosen["load"][0]


def gross(r):
    _, tlo, thi, nlo, nhi = _chosen["load"]
    _chosen["tare"] = r.uniform(tlo, thi)
    _chosen["net"] = r.uniform(nlo, nhi)
    return "%.2f" % (_chosen["tare"] + _chosen["net"])


def pre(r):
    _chosen["pre"] = r.randint(30, 60)
    return str(_chosen["pre"])


def rated(r):
    _chosen["rated"] = r.choice([31, 35, 40, 43, 49])
    _chosen["over"] = r.uniform(4, 35)
    return str(_chosen["rated"])


def device(r):
    _chosen["dev"] = r.choice(DEVICES)
    return _chosen["dev"][0]


def bearing(r):
    return "%.1f" % (_chosen["dev"][1] + r.uniform(0.5, 16))


def tag(r):
    return "TI-%d%03d%s" % (r.randint(1, 6), r.randint(1, 150), r.choice(["A", "B", ""]))


def shellt(r):
    """A hot spot's temperature, above the alarm threshold the line goes on to name."""
    _chosen["shellal"] = r.choice([350, 380, 400])
    return str(_chosen["shellal"] + r.randint(3, 70))


def feedold(r):
    _chosen["feed"] = r.randint(280, 340)
    return str(_chosen["feed"])


def vib(r):
    """A vibration reading, above the alarm threshold the line goes on to name."""
    _chosen["vibal"] = r.choice([4.5, 6.3, 7.1])
    return "%.1f" % (_chosen["vibal"] + r.uniform(0.3, 5.0))


def ip(r):
    return "10.%d.%d.%d" % (r.randint(10, 30), r.randint(0, 9), r.randint(2, 250))


def names(r):
    return "、".join(name(r) for _ in range(r.randint(2, 3)))


def shift2(r):
    k = r.randint(0, 2)
    return "%s→%s" % (SHIFTS[k], SHIFTS[(k + 1) % 3])


def hourrange(r):
    h = r.randint(0, 22)
    return r.choice(["%d时-%d时" % (h, h + 1), "%02d:00~%02d:00" % (h, h + 1)])


V = {
    "name": name, "names": names, "plate": plate, "hm": hm, "hms": hms, "ip": ip, "tag": tag,
    "grade": pick(GRADES), "packer": pick(PACKERS), "pline": pick(PLINES), "bulker": pick(BULKERS),
    "lane": pick(LANES), "scale": pick(SCALES), "stack": pick(STACKS), "filter": pick(FILTERS),
    "cmill": pick(CMILLS), "gate": pick(GATES), "cardfail": pick(CARDFAILS), "advice": pick(ADVICES),
    "stopwhy": pick(STOPWHYS), "shifts": shift2, "leftover": pick(LEFTOVERS), "spot": pick(SPOTS),
    "patrolres": pick(PATROLRES), "fault": pick(FAULTS), "interlock": items(INTERLOCKS, 1, 3),
    "vibpoint": pick(VIBPOINTS), "node": pick(NODES), "calitems": pick(CALITEMS), "haltwhy": pick(HALTWHYS),
    "space": pick(SPACES), "silo": pick(SILOS), "httpfail": pick(HTTPFAILS), "console": pick(CONSOLES),
    # kiln, preheater, cooler and coal
    "khead": real(980, 1180), "kburn": real(1320, 1460), "ktail": real(1020, 1110), "krpm": real(3.4, 4.3, "%.2f"),
    "kamp": rint(520, 880), "feed": rint(280, 345), "hitail": real(1121, 1165), "lotail": real(975, 1019),
    "mins": rint(3, 45), "feedold": feedold,
    "feednew": lambda r: str(_chosen["feed"] + r.choice([-12, -8, -5, -3, 3, 5, 8, 10])),
    "c1": rint(300, 345), "c1p": rint(-6200, -4800), "calout": rint(860, 895), "c5": rint(820, 870),
    "o2": real(1.8, 4.5), "co": rint(50, 900), "gp": real(4.8, 7.2, "%.2f"), "gspeed": real(6.5, 14.0),
    "sec": rint(1050, 1200), "ter": rint(880, 1010), "clk": rint(75, 130),
    "headcoal": real(8.5, 13.5, "%.2f"), "calcoal": real(15.0, 22.0, "%.2f"), "pct": real(35, 95),
    "coalq": optional(lambda r: "，入窑煤粉热值%dkcal/kg（灰分%.1f%%，水分%.1f%%）" % (
        r.randint(5200, 6100), r.uniform(14, 26), r.uniform(0.6, 2.0)), 0.35),
    "shellm": real(6, 62), "shellt": shellt, "shellal": lambda r: str(_chosen["shellal"]),
    # raw and cement mills
    "rmfeed": rint(380, 520), "kpa": real(5.5, 8.5, "%.2f"), "rmout": rint(72, 98), "rmkw": rint(2100, 2480),
    "sepr": rint(850, 1180), "vib": vib, "vibal": lambda r: "%.1f" % _chosen["vibal"],
    "ctph": real(135, 210), "cmout": rint(95, 128), "blaine": rint(335, 395), "amp": rint(95, 160),
    # laboratory
    "rsample": lambda r: "RM-0314-%02d%s" % (r.randint(1, 24), r.choice(["A", "B", ""])),
    "ksample": lambda r: "SH0314-%02d" % r.randint(1, 24), "kh": real(0.88, 0.93, "%.3f"),
    "sm": real(2.4, 2.8, "%.2f"), "im": real(1.4, 1.8, "%.2f"), "sieve": real(11, 18),
    "fcao": real(0.4, 1.5, "%.2f"), "fcaohi": real(1.55, 3.2, "%.2f"), "litre": rint(1180, 1360),
    "cno": lambda r: "C%s-2603-%03d" % (r.choice(["42", "52", "32"]), r.randint(1, 160)),
    "mpa3": real(22, 33), "mpa3low": real(14, 21.9), "mpa28": optional(
        lambda r: "，28d抗压强度%.1fMPa" % r.uniform(44, 60), 0.45),
    "frozen": optional(lambda r: "，该编号水泥已冻结（%s水泥库）" % r.choice(SILOS), 0.6),
    # stack monitoring
    "pm": real(1.2, 7.8, "%.2f"), "so2": rint(3, 30), "nox": rint(40, 95), "flue": rint(95, 160), "vel": real(9, 18),
    "pmw": real(8.01, 9.99, "%.2f"), "pmx": real(10.1, 28.0, "%.2f"), "hourrange": hourrange,
    # packing, loading and weighing
    "bags": rint(300, 9800), "bagkg": real(49.6, 50.4, "%.2f"), "bph": rint(1800, 3400), "spout": rint(1, 10),
    "badkg": lambda r: "%.2f" % (50 + r.choice([-1, 1]) * r.uniform(0.51, 2.5)), "rej": rint(1, 60),
    "plan": rint(2000, 12000),
    "pdate": optional(lambda r: "，计划完成时间%s %s" % (day(r, 0, 1, 2), hm(r)), 0.4),
    "pickno": lambda r: "TH26031%d%04d" % (r.randint(3, 4), r.randint(1, 2400)),
    "pre": pre, "act": lambda r: "%.2f" % (_chosen["pre"] + r.uniform(-0.35, 0.35)),
    "cust": optional(lambda r: "，客户「%s」" % r.choice(CUSTOMERS), 0.5),
    "qno": lambda r: "%s%03d" % (r.choice("ABS"), r.randint(1, 320)), "wait": rint(1, 140),
    "card": lambda r: "IC%08X" % r.getrandbits(32),
    "weighkind": weighkind, "gross": gross, "tare": lambda r: "%.2f" % _chosen["tare"],
    "net": lambda r: "%.2f" % _chosen["net"],
    "weighno": lambda r: "BD-260314-%05d" % r.randint(1, 99999), "try": rint(1, 5),
    "rated": rated, "loaded": lambda r: "%.2f" % (_chosen["rated"] * (1 + _chosen["over"] / 100)),
    "over": lambda r: "%.1f" % _chosen["over"],
    # equipment and control system
    "dev": device, "bt": bearing, "ba": lambda r: str(_chosen["dev"][1]), "stoptime": hms,
    "ms": rint(3000, 30000), "points": rint(12, 860),
    "reasonopt": optional(lambda r: "，原因：%s" % r.choice(FEEDREASONS), 0.55),
    # shifts, reports and permits
    "shiftdate": lambda r: day(r, 0, 0, 0), "clinker": rint(1500, 2200), "run": real(92, 100),
    "rdate": lambda r: day(r, -1, -1, 1), "clinkerd": rint(4700, 5400), "cementd": rint(5200, 7600),
    "ship": rint(4800, 9100), "coalcons": real(98, 112), "power": real(48, 62),
    "permit": lambda r: "SX-20260314-%03d" % r.randint(1, 40), "o2safe": real(20.3, 21.0),
    "coppm": rint(0, 12), "until": lambda r: "2026/03/%02d %s" % (r.randint(14, 15), hm(r)),
    "patrolnote": optional(lambda r: "，备注：%s" % r.choice(["托轮瓦温 52℃", "地面有积灰", "照明损坏1处",
                                                          "现场噪声大，佩戴耳塞"]), 0.3),
    "kilnline": optional(lambda r: " line=%s" % r.choice(["2#", "Line 2"]), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (210, "INFO", "kiln", "kiln.sample{kilnline} 窑头={khead}℃ 烧成带={kburn}℃ 窑尾={ktail}℃ 窑速={krpm}r/min "
                          "主电机电流={kamp}A 喂料={feed}t/h"),
    (180, "INFO", "packing", "{packer}出袋计数：品种《{grade}》，本班累计{bags}袋，单袋净重{bagkg}kg，插袋速度{bph}袋/h"),
    (140, "INFO", "weigh", "地磅过磅（{scale}）：车牌{plate}，{weighkind}，毛重{gross}t，皮重{tare}t，净重{net}t，磅单号{weighno}"),
    (110, "INFO", "rawmill", "生料磨运行参数：喂料量{rmfeed}t/h，入磨负压-{kpa}kPa，出磨温度{rmout}℃，主电机功率{rmkw}kW，"
                             "选粉机转速{sepr}rpm"),
    (95, "INFO", "cems", "CEMS分钟数据 排口={stack} 颗粒物={pm}mg/Nm3 SO2={so2}mg/Nm3 NOx={nox}mg/Nm3 O2={o2}% "
                         "烟温={flue}℃ 流速={vel}m/s"),
    (85, "INFO", "loading", "散装水泥装车完成：提货单{pickno}，车牌{plate}，品种《{grade}》，预装{pre}吨，实装{act}吨，{bulker}{cust}"),
    (75, "INFO", "loading", "车辆排队叫号：{plate}请到{lane}装车，排队序号{qno}，已等待{wait}分钟"),
    (65, "INFO", "lab", "出磨生料化验：样品号{rsample}，KH={kh}，SM={sm}，IM={im}，80μm筛余{sieve}%，取样时间{hm}"),
    (55, "INFO", "cmill", "水泥磨运行：{cmill}台时产量{ctph}t/h，出磨温度{cmout}℃，比表面积{blaine}㎡/kg，辊压机动辊电流{amp}A"),
    (50, "INFO", "coal", "喂煤：窑头{headcoal}t/h，分解炉{calcoal}t/h，煤粉仓料位{pct}%{coalq}"),
    (45, "INFO", "kiln", "预热器：C1出口{c1}℃/{c1p}Pa，分解炉出口{calout}℃，C5下料温度{c5}℃，窑尾O2={o2}%，CO={co}ppm"),
    (40, "INFO", "lab", "熟料f-CaO检测合格：样品{ksample}，f-CaO={fcao}%（控制≤1.5%），立升重{litre}g/L，取样时间{hm}"),
    (35, "INFO", "cooler", "篦冷机：一室篦下压力{gp}kPa，篦速{gspeed}次/min，二次风温{sec}℃，三次风温{ter}℃，"
                           "出篦冷机熟料温度{clk}℃"),
    (30, "INFO", "card", "一卡通刷卡成功：卡号{card}，车牌{plate}，{gate}，提货单{pickno}"),
    (25, "WARN", "kiln", "窑尾温度偏高：当前{hitail}℃，上限1120℃，已持续{mins}分钟，建议{advice}"),
    (22, "WARN", "cems", "颗粒物浓度预警：{stack}颗粒物{pmw}mg/Nm3，已超预警值8mg/Nm3（排放限值10mg/Nm3），请检查{filter}"),
    (20, "INFO", "packing", "包装线【{pline}】已开机：品种《{grade}》，操作员{name}，计划{plan}袋{pdate}"),
    (18, "WARN", "packing", "单袋重量超差：{packer}第{spout}嘴，实测{badkg}kg（标准50±0.5kg），已自动剔除，本班累计剔除{rej}袋"),
    (16, "INFO", "shift", "交接班：{shiftdate} {shifts}，中控操作员{name}交{name}，本班熟料{clinker}t，运转率{run}%，"
                          "遗留问题：{leftover}"),
    (15, "INFO", "patrol", "巡检打卡：点位「{spot}」，巡检人{name}，结果：{patrolres}，时间{hms}{patrolnote}"),
    (13, "WARN", "equip", "轴承温度高报警 device=\"{dev}\" tag={tag} value={bt}℃ alarm={ba}℃"),
    (12, "WARN", "kiln", "窑尾温度偏低：当前{lotail}℃，下限1020℃，已持续{mins}分钟，建议{advice}"),
    (12, "INFO", "packing", "包装线【{pline}】已停机：品种《{grade}》，操作员{name}，停机原因：{stopwhy}"),
    (10, "ERROR", "weigh", "weighbridge upload failed: POST /mes/api/v2/weigh-ticket -> HTTP {httpfail}, "
                           "ticket={weighno}, retry={try}/5"),
    (9, "INFO", "lab", "出厂水泥检验：编号{cno}，品种《{grade}》，3d抗压强度{mpa3}MPa{mpa28}，结论：合格，签发人{name}"),
    (8, "INFO", "kiln", "投料量调整：{feedold}t/h → {feednew}t/h，窑速{krpm}r/min，调整人{name}（中控{console}号台）{reasonopt}"),
    (7, "WARN", "card", "一卡通刷卡失败：卡号{card}，车牌{plate}，{gate}，原因：{cardfail}"),
    (6, "ERROR", "equip", "设备跳停：{dev}，故障代码{fault}，联锁停机：{interlock}，跳停时间{stoptime}"),
    (6, "WARN", "lab", "熟料f-CaO检测超标：样品{ksample}，f-CaO={fcaohi}%（控制≤1.5%），立升重{litre}g/L，已通知中控{name}"),
    (5, "WARN", "rawmill", "生料磨振动大：{vibpoint}振动值{vib}mm/s，报警值{vibal}mm/s，已降喂料至{rmfeed}t/h"),
    (4, "ERROR", "dcs", "OPC UA read failed: endpoint=opc.tcp://{ip}:4840 node=\"ns=2;s={node}\" status=BadTimeout "
                        "({ms} ms)，{points}个点位数据保持上次值"),
    (3.5, "INFO", "cems", "CEMS进入标定：{stack}，标定项目{calitems}，预计{mins}分钟，标定期间数据标记为“C”，操作人{name}"),
    (3, "ERROR", "cems", "【环保超标】{stack}颗粒物小时均值{pmx}mg/Nm3，超过排放限值10mg/Nm3，时段{hourrange}，已通知{names}"),
    (2.5, "WARN", "kiln", "筒体扫描：距窑头{shellm}m处筒体温度{shellt}℃，超过报警值{shellal}℃，疑似窑皮脱落，请现场确认"),
    (2.2, "ERROR", "lab", "出厂水泥检验：编号{cno}，品种《{grade}》，3d抗压强度{mpa3low}MPa{mpa28}，结论：不合格，签发人{name}"
                          "{frozen}"),
    (2, "ERROR", "kiln", "回转窑紧急止料：原因「{haltwhy}」，止料时间{stoptime}，窑转为辅传慢转，值班长{name}"),
    (1.8, "WARN", "loading", "车辆超载拦截：车牌{plate}，核定载质量{rated}t，实际装载{loaded}t，超载{over}%，禁止出厂（{gate}）"),
    (1.6, "INFO", "report", "生产日报（{rdate}）：熟料{clinkerd}t，水泥{cementd}t，发运{ship}t，熟料标煤耗{coalcons}kgce/t，"
                            "综合电耗{power}kWh/t"),
    (1.5, "INFO", "safety", "受限空间作业票{permit}已签发：{space}清料，作业人{names}，监护人{name}，"
                            "气体检测 O2={o2safe}% CO={coppm}ppm H2S=0ppm，有效期至{until}"),
]

# the logger and worker thread of each module in the plant's production service
LOGGERS = {"kiln": ("c.q.mes.kiln.KilnMonitor", "dcs-poll-1"), "packing": ("c.q.mes.pack.PackerCounter", "pack-io"),
           "weigh": ("c.q.mes.weigh.ScaleService", "scale-rx"), "rawmill": ("c.q.mes.mill.RawMillMonitor", "dcs-poll-2"),
           "cems": ("c.q.mes.env.CemsCollector", "cems-hj212"), "loading": ("c.q.mes.ship.LoadingService", "ship-exec"),
           "lab": ("c.q.mes.qc.LabResultHandler", "lims-sync"), "cmill": ("c.q.mes.mill.CementMillMonitor", "dcs-poll-3"),
           "coal": ("c.q.mes.kiln.CoalFeedMonitor", "dcs-poll-1"), "cooler": ("c.q.mes.kiln.CoolerMonitor", "dcs-poll-1"),
           "card": ("c.q.mes.gate.CardReader", "gate-io"), "shift": ("c.q.mes.ops.ShiftLog", "http-nio-8080-exec"),
           "patrol": ("c.q.mes.ops.PatrolService", "http-nio-8080-exec"), "equip": ("c.q.mes.eqp.AlarmHandler", "alarm-q"),
           "dcs": ("c.q.mes.dcs.OpcUaClient", "opc-reader"), "report": ("c.q.mes.rpt.DailyReportJob", "quartz-worker"),
           "safety": ("c.q.mes.hse.PermitService", "http-nio-8080-exec")}
# where each module's lines come from, in the Chinese client's words
PLACES = {"kiln": "中控室-DCS%02d", "packing": "包装车间-PLC%d", "weigh": "计量站", "rawmill": "中控室-DCS%02d",
          "cems": "环保在线监测", "loading": "发运调度", "lab": "化验室LIMS", "cmill": "中控室-DCS%02d",
          "coal": "中控室-DCS%02d", "cooler": "中控室-DCS%02d", "card": "门岗一卡通", "shift": "中控室",
          "patrol": "巡检APP", "equip": "设备管理", "dcs": "数据采集网关%d", "report": "生产统计", "safety": "安环部"}
# process and host of each module for the plant servers' system log
PROCS = {"kiln": ("kilnd", 2231), "packing": ("packd", 2410), "weigh": ("scaled", 3102), "rawmill": ("milld", 2232),
         "cems": ("cems-agent", 4011), "loading": ("shipd", 3150), "lab": ("lims-bridge", 3377), "cmill": ("milld", 2232),
         "coal": ("kilnd", 2231), "cooler": ("kilnd", 2231), "card": ("gated", 3188), "shift": ("opsweb", 5120),
         "patrol": ("opsweb", 5120), "equip": ("eqpalarm", 2519), "dcs": ("opcgw", 1907), "report": ("rptjob", 6033),
         "safety": ("opsweb", 5120)}
HOSTS = ["qy-mes-01", "qy-mes-02", "qy-dcs-gw"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the production service is in Java and logs the thread in brackets and the logger's short name
        logger, thread = LOGGERS[module]
        if thread.endswith("exec"):
            thread += "-%d" % r.randint(1, 12)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, logger)
    if form == 1:
        # the central control room's client prints the level and the station in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 3)
        return "[%s] [%s] [%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), cn, place)
    # the plant servers' system log, the level as a letter in angle brackets
    proc, pid = PROCS[module]
    host = HOSTS[2] if module in ("dcs", "kiln", "rawmill", "cmill", "coal", "cooler") else r.choice(HOSTS[:2])
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s %s %s[%d]: <%s> " % (month, at.day, at.strftime("%H:%M:%S"), host, proc, pid, level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "C", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3, 5))


if __name__ == "__main__":
    main()
