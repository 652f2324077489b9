#!/usr/bin/env python3
"""A GBK log of a mountain passenger ropeway (a detachable gondola line) with its truth.

    bench/make_gbk_ropeway.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages of the line's
control room, stations and ticket office: cabins arriving at and leaving a station, grip
force checks, door-lock checks, cabins taken off the line or overloaded, the anemometers'
readings, strong-wind warnings and wind stops, thunderstorm warnings, the main drive's
readings and its oil and bearing temperatures, dispatch intervals, passenger counts and
queues, gates letting tickets through or refusing them, face checks of season-card holders
passed and failed, ticket sales, refunds done and refused, tickets sold by travel agencies
and used at the gate, a ticket centre answering with HTTP errors, a PLC node that stops
answering, brake tests passed and failed, the auxiliary drive taken over or not, loss of
mains power, haul-rope inspection, daily line patrols, evacuation drills begun and ended,
emergency intercom calls from cabins and the line opened and closed for the day. They are
here to measure the miner on and not to shape it: no rule was made or tuned on them. Each
message keeps its own frequency, cabins passing a station by the hundred and a failed brake
test or a loss of mains power about once in a thousand lines. Some messages differ only in a
word or two (a cabin arriving or leaving, a face check passed or not, a brake test or a
drive change-over that succeeds or fails), as an operations team would write them, and are
still separate messages. One of three header forms by the seed. The output depends only on
the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# the line: three stations, 21 towers, 64 eight-seat cabins, each with one grip
STATIONS = ["下站（山门站）", "中站（揽月台）", "上站（望仙顶）"]
STATION_SHORT = ["下站", "中站", "上站"]
CABINS = 64
SEATS = 8
TOWERS = 21
GATES = ["G01（下站进站口）", "G02（下站进站口）", "G03（下站VIP通道）", "G05（上站返程口）", "G06（上站返程口）",
         "G08（中站换乘口）", "G11 无障碍通道"]
# ticket and its price in yuan (staff passes are not sold)
PRICES = [("成人往返票", 160), ("成人单程票（上行）", 90), ("成人单程票（下行）", 80), ("学生往返票（凭学生证）", 80),
          ("老人优待票 60-69岁", 80), ("儿童票 1.2m-1.5m", 80), ("翠岚山年卡", 398), ("团队票（≥20人）", 128),
          ("夜游观光票", 120)]
TICKETS = [t for t, _ in PRICES] + ["员工通勤卡"]
AGENCIES = ["游侣网", "途鹿旅行", "山行 App", "景通分销平台", "悦途小程序", "青禾国旅（团队）"]
PAYCH = ["QR_PAY", "BANK_CARD", "CASH", "E_WALLET", "STORED_VALUE"]
REJECTS = ["票已使用（重复入闸）", "票不在有效期内", "非本站检票（应在G05返程口）", "二维码无法识别", "年卡已挂失",
           "学生证未年审", "该票已退"]
REFUND_FAILS = ["票已检票入闸，不可退", "超过退票时限（开票后2小时）", "分销渠道票需原渠道办理", "支付通道退款接口返回 REFUND_FAIL"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
DIRS = ["N", "NNE", "NE", "E", "SE", "S", "SW", "W", "WSW", "NW", "NNW"]
# anemometer and where it stands
ANEMOS = ["AN-01 下站屋顶", "AN-04 7#支架", "AN-06 12#支架（山脊口）", "AN-09 17#支架", "AN-12 上站平台"]
WEATHER = ["晴", "多云", "阴", "小雨", "雾（能见度约200m）", "阵雨转多云"]
FLOWS = ["平峰", "高峰", "低峰", "晚高峰返程"]
EXTRAS = ["第二排队通道", "临时售票窗口", "加挂吊厢", "分时预约入场"]
DRILLS = ["吊厢线路营救（水平救援）", "吊厢垂直救援（绳索下放）", "站内火灾疏散", "全线停电后辅助驱动回收吊厢",
          "恶劣天气紧急停运疏散"]
GRADES = ["优", "良", "合格", "基本合格，需加强沟通"]
BRAKES = ["工作制动器", "紧急制动器（EB）", "驱动轮安全制动器"]
REASONS = ["例行保养", "座椅破损", "门胶条老化", "车窗划痕", "周检抽检"]
SENSORS = ["门锁限位开关 A/B", "Door Switch L1", "Door Switch R2", "光电门检测"]
GENSETS = ["柴油发电机组 500kVA", "备用发电机（中站）"]
PLCNODES = ["PLC-LS-01（下站主控）", "PLC-MS-02（中站转角）", "PLC-TS-03（上站回转）", "RIO-T12（12#支架）"]
EXC = ["java.net.SocketTimeoutException: Read timed out", "java.net.ConnectException: Connection refused",
       "org.apache.http.NoHttpResponseException", "java.io.IOException: Broken pipe"]
COLORS = ["黄", "橙", "红"]
FAN = ["运行", "停止", "自动"]
OPERATORS = ["司机室", "站务员", "值班站长", "机电班"]
DRIVE_FAULTS = ["AUX_DRIVE_START_TIMEOUT", "液压泵压力不足（12.5MPa）", "离合器未到位", "柴油机启动失败 E-17"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def cabin(r):
    _chosen["cabin"] = r.randint(1, CABINS)
    return "%03d" % _chosen["cabin"]


def grip(r):
    """The grip of the line's cabin, or of any cabin when none was chosen before."""
    n = _chosen.pop("cabin", None) or r.randint(1, CABINS)
    return "GR-%03d%s" % (n, r.choice("AB"))


def station(r):
    _chosen["station"] = r.randrange(len(STATIONS))
    return STATIONS[_chosen["station"]]


def pax(r):
    return "%d/%d" % (r.choice([0, 0, 1, 2, 2, 3, 4, 4, 5, 6, 6, 7, 8]), SEATS)


def anemo(r):
    return r.choice(ANEMOS)


def wind(r):
    _chosen["wind"] = r.uniform(0.3, 11.5)
    return "%.1f" % _chosen["wind"]


def strong(limits):
    """A maker of a wind reading above one of `limits` (level, threshold in m/s), keeping
    the level and threshold for the values after it."""
    def make(r):
        lvl, th = r.choice(limits)
        _chosen["th"] = (lvl, th)
        return "%.1f" % (th + r.uniform(0.1, 3.4))
    return make


def sale(r):
    t, price = r.choice(PRICES)
    n = r.randint(20, 45) if "团队" in t else r.choice([1, 1, 1, 2, 2, 3, 4, 6])
    _chosen["sale"] = (price, n)
    return t


def paid(r):
    price, n = _chosen["sale"]
    return "%.2f" % (price * n * r.choice([1, 1, 1, 0.9, 0.8]))


def mainsloss(r):
    """A feeder and the voltage it fell to."""
    feeder, nominal = r.choice([("10kV 进线1#", 10.0), ("10kV 进线2#", 10.0), ("0.4kV 母线 I 段", 0.4)])
    fell = nominal * r.choice([0, 0, r.uniform(0.05, 0.6)])
    return "%s电压跌落至%s" % (feeder, "%.2fkV" % fell if nominal > 1 else "%dV" % round(fell * 1000))


def span(r):
    a = r.randint(1, TOWERS - 1)
    return "%d#与%d#支架之间" % (a, a + 1)


def ticketno(r):
    return "T%s%06d" % (r.choice(["20260503", "20260502", "20260430"]), r.randint(1, 240000))


def order(r):
    return "RW%s-%s%05d" % (r.choice(["260503", "260502"]), r.choice(["W", "X", "S"]), r.randint(1, 99999))


def agencyorder(r):
    return "%s%010d" % (r.choice(["YL", "TL", "SX", "JT", "YT", "QH"]), r.randint(0, 10 ** 10 - 1))


def card(r):
    return "NK-%04d-%04d" % (r.randint(2024, 2026), r.randint(1, 9999))


def idtail(r):
    return "证件尾号%03d%s" % (r.randint(0, 999), r.choice("0123456789X"))


def firstrun(r):
    return "%02d:%02d" % r.choice([(7, 30), (7, 45), (8, 0), (8, 30)])


def statday(r):
    return r.choice(["2026/05/03", "2026/05/03 上午", "2026/05/03 全天", "5月3日"])


def opday(r):
    d = datetime.date(2026, 5, 3) + datetime.timedelta(days=r.choice([0, 0, 0, 1]))
    return "%d年%d月%d日（%s）" % (d.year, d.month, d.day, "一二三四五六日"[d.weekday()])


def nextcheck(r):
    d = datetime.date(2026, 5, 3) + datetime.timedelta(days=r.randint(3, 30))
    return d.strftime("%Y-%m-%d")


def brake_ok(r):
    return "制动距离%.2fm（限值≤%.1fm），平均减速度%.2fm/s^2" % (r.uniform(3.1, 5.4), 6.0, r.uniform(1.1, 2.4))


def brake_bad(r):
    return "制动距离%.2fm（限值≤%.1fm），平均减速度%.2fm/s^2" % (r.uniform(6.1, 8.9), 6.0, r.uniform(0.5, 1.0))


def towers(r):
    lo = r.randint(1, TOWERS - 6)
    return "%d#～%d#支架" % (lo, r.randint(lo + 5, TOWERS))


def hexcode(r):
    return "%02X" % r.choice([0x02, 0x04, 0x0A, 0x0B])


def ip(r):
    return "10.20.%d.%d" % (r.randint(1, 4), r.randint(10, 250))


def refund(r):
    money = r.choice([60, 90, 120, 160, 240, 45]) * r.randint(1, 4)
    fee = round(money * r.choice([0, 0.05, 0.1]), 2)
    return "退款%.2f元（手续费%.2f元）" % (money - fee, fee)


V = {
    "name": name, "cabin": cabin, "grip": grip, "station": station, "pax": pax, "anemo": anemo,
    "wind": wind, "strong": strong([(1, 15.0), (2, 18.0)]), "stop": strong([(2, 18.0), (2, 20.0)]),
    "level": lambda r: str(_chosen["th"][0]), "th": lambda r: "%.1f" % _chosen["th"][1],
    "span": span, "ticketno": ticketno, "order": order, "agencyorder": agencyorder,
    "card": card, "firstrun": firstrun, "statday": statday, "sale": sale, "paid": paid,
    "mainsloss": mainsloss, "opday": opday, "nextcheck": nextcheck,
    "brakeok": brake_ok, "brakebad": brake_bad, "towers": towers, "force": real(4.6, 5.4, "%.2f"),
    "hex": hexcode, "ip": ip, "refund": refund,
    "sname": pick(STATION_SHORT), "gate": pick(GATES), "ticket": pick(TICKETS), "agency": pick(AGENCIES),
    "paych": pick(PAYCH), "reject": pick(REJECTS), "refundfail": pick(REFUND_FAILS), "httpfail": pick(HTTPFAILS),
    "dir": pick(DIRS), "weather": pick(WEATHER), "flow": pick(FLOWS), "extra": pick(EXTRAS),
    "drill": pick(DRILLS), "grade": pick(GRADES), "brake": pick(BRAKES),
    "reason": pick(REASONS), "sensor": pick(SENSORS), "genset": pick(GENSETS),
    "plcnode": pick(PLCNODES), "exc": pick(EXC), "color": pick(COLORS), "fan": pick(FAN), "operator": pick(OPERATORS),
    "drivefault": pick(DRIVE_FAULTS),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 4))),
    "speed": real(4.5, 6.0, "%.2f"), "slow": pick(["2.0", "2.5", "3.0", "3.5"]), "dwell": rint(8, 26),
    "temp": real(-6.0, 24.0), "amp": rint(180, 420), "kw": rint(260, 610), "bar": real(118.0, 131.0),
    "oil": real(38.0, 62.0), "bearing": real(36.0, 66.0), "hotbearing": real(75.5, 88.0),
    "gap": rint(12, 40), "per_hour": rint(600, 2400), "up": rint(200, 9000), "down": rint(150, 8500),
    "online": rint(40, CABINS), "mins": rint(5, 75), "queue": rint(60, 900), "qty": rint(1, 6),
    "sim": real(85.0, 99.8), "lowsim": real(18.0, 79.9), "ms": rint(3000, 30000),
    "try": rint(1, 5), "kg": rint(645, 780), "laps": rint(1, 3), "persons": rint(1500, 16000), "hours": real(8.5, 11.5),
    "breaks": rint(1, 6), "lma": real(0.3, 2.4, "%.2f"), "metres": rint(80, 2950),
    "crew": rint(12, 46), "evac": rint(8, 64), "flashes": rint(2, 40), "km": rint(3, 20),
    "secs": rint(20, 180), "resp": rint(3, 45),
    "n": lambda r: str(_chosen["sale"][1]),
    "playday": optional(lambda r: "，原票游玩日期%s" % r.choice(["2026.05.03", "2026.05.04", "20260505"]), 0.4),
    "cctv": optional(lambda r: "，已调取摄像机CAM-%02d录像" % r.randint(1, 36), 0.35),
    "ident": optional(lambda r: "，" + idtail(r), 0.5),
    "buyer": optional(lambda r: "，购票人%s（%s）" % (name(r), "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9),
                                                                                 r.randint(0, 9999))), 0.4),
    "group": optional(lambda r: "，团号「%s」，领队%s" % (r.choice(["QH-0503-A", "JT团 2026-118", "散拼 #77"]), name(r)), 0.25),
    "gustpart": optional(lambda r: "，阵风%.1fm/s" % (_chosen["wind"] + r.uniform(0.2, 4.5)), 0.5),
    "drivenote": optional(lambda r: " 变频器温度%d℃" % r.randint(32, 58), 0.4),
    "stopnote": optional(lambda r: "，线路上剩余%d个载客吊厢已低速回收" % r.randint(3, 30), 0.5),
    "callnote": optional(lambda r: "，乘客反映「%s」" % r.choice(["孩子恐高哭闹", "感觉吊厢晃动较大", "身体不适，头晕", "只是误触"]), 0.6),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "cabin", "吊厢进站：{station}，吊厢No.{cabin}，抱索器{grip}，载客{pax}，线速度{speed}m/s"),
    (230, "INFO", "cabin", "吊厢出站：{station}，吊厢No.{cabin}，抱索器{grip}，载客{pax}，线速度{speed}m/s"),
    (200, "INFO", "gate", "检票通过：闸机{gate}，票种【{ticket}】，票号{ticketno}{ident}"),
    (140, "INFO", "wind", "风速仪「{anemo}」：风速{wind}m/s{gustpart}，风向{dir}，气温{temp}℃"),
    (110, "INFO", "grip", "grip check cabin=No.{cabin} grip={grip} force={force}kN nominal=5.0kN result=OK"),
    (80, "INFO", "drive", "主驱动运行参数：线速度{speed}m/s，电机电流{amp}A，功率{kw}kW，张紧油压{bar}bar{drivenote}"),
    (65, "INFO", "ticket", "售票成功：订单{order}，《{sale}》×{n}，实收{paid}元，支付方式={paych}{buyer}"),
    (55, "INFO", "agency", "agency ticket redeemed: channel=「{agency}」 orderNo={agencyorder} ticket=《{ticket}》 qty={qty} status=USED{group}"),
    (45, "INFO", "cabin", "cabin door check: cabin=No.{cabin} door=LOCKED sensor=\"{sensor}\" dwell={dwell}s"),
    (36, "INFO", "gate", "人脸核验通过：年卡{card}，闸机{gate}，相似度{sim}%"),
    (30, "INFO", "dispatch", "【客流统计】{statday}累计：上行{up}人次、下行{down}人次，在线吊厢{online}个"),
    (26, "WARN", "gate", "检票失败：闸机{gate}，票号{ticketno}，原因：{reject}"),
    (22, "INFO", "drive", "减速机油温{oil}℃，主轴承温度{bearing}℃，冷却风机：{fan}"),
    (18, "INFO", "dispatch", "发车间隔调整为{gap}秒（{flow}，客流约{per_hour}人/小时），操作人{name}"),
    (14, "WARN", "wind", "大风预警：风速仪「{anemo}」风速{strong}m/s，超过{level}级限值{th}m/s，线速度降至{slow}m/s"),
    (13, "WARN", "dispatch", "{sname}候车区排队约{queue}人，预计等待{mins}分钟，建议开启{extra}"),
    (11, "WARN", "gate", "人脸核验未通过：年卡{card}，闸机{gate}，相似度{lowsim}%，已转人工核验"),
    (10, "INFO", "ticket", "退票成功：订单{order}，{refund}，原路退回{paych}{playday}"),
    (7, "WARN", "cabin", "紧急对讲呼叫：吊厢No.{cabin}，位置{span}，{operator}{name}已应答，应答用时{resp}秒{callnote}"),
    (6, "INFO", "cabin", "吊厢No.{cabin}已从线路摘下入库（原因：{reason}），当前在线吊厢{online}个"),
    (5, "WARN", "cabin", "吊厢No.{cabin}称重{kg}kg，超过额定载荷640kg，已提示{sname}站务员减员{cctv}"),
    (4.5, "ERROR", "ticket", "票务中心接口异常：POST /api/v3/ticket/verify -> HTTP {httpfail}，耗时{ms}ms，闸机{gate}切换为离线验票"),
    (3.5, "ERROR", "plc", "PLC comm error: node={plcnode} ip={ip} Modbus exception 0x{hex}, retry {try}/5"),
    (3, "WARN", "ticket", "退票失败：订单{order}，原因：{refundfail}"),
    (3, "INFO", "safety", "制动器试验（{brake}）：{brakeok}，结论：合格，试验人{name}"),
    (3, "INFO", "dispatch", "索道开机：运营日{opday}，首班{firstrun}，值班站长{name}，空载试运行{laps}圈无异常，天气：{weather}"),
    (3, "WARN", "drive", "主驱动轴承温度偏高：{hotbearing}℃（报警值75℃），减速机油温{oil}℃，已通知机电班{name}"),
    (2.8, "WARN", "safety", "钢丝绳探伤：距下站{metres}m处发现断丝{breaks}根，金属截面积损失{lma}%，下次复检{nextcheck}"),
    (2.6, "INFO", "dispatch", "索道停机：末班吊厢No.{cabin}已回站，今日运送{persons}人次，运行{hours}小时，值班站长{name}"),
    (2.6, "INFO", "safety", "日常巡检完成：{towers}，托压索轮组无异响，巡检人{names}，天气：{weather}"),
    (2.6, "INFO", "drill", "应急救援演练《{drill}》开始：参演{crew}人，模拟被困位置{span}，总指挥{name}"),
    (2.5, "INFO", "drill", "应急救援演练《{drill}》结束：用时{mins}分钟，模拟疏散游客{evac}人，评估：{grade}"),
    (2.2, "WARN", "wind", "雷电预警：气象台发布{color}色预警，{km}公里内监测到闪电{flashes}次，已暂停售票，线路保持低速运行"),
    (2.2, "ERROR", "cabin", "吊厢No.{cabin}门锁未到位（DOOR_NOT_LOCKED），{sname}出站前自动停车，值班员{name}现场处理"),
    (2, "ERROR", "wind", "风速超限停车：风速仪「{anemo}」风速{stop}m/s，超过{level}级限值{th}m/s，主驱动已停止{stopnote}"),
    (2, "INFO", "drive", "辅助驱动切换成功：{sname}控制室操作，切换用时{secs}秒，运行速度{slow}m/s，操作人{name}"),
    (1.9, "ERROR", "safety", "制动器试验（{brake}）：{brakebad}，结论：不合格，禁止投入运营，试验人{name}"),
    (1.8, "ERROR", "drive", "辅助驱动切换失败：{sname}控制室操作，故障：{drivefault}，操作人{name}"),
    (1.8, "ERROR", "power", "主电源失电：{mainsloss}，已切换至{genset}，票务系统报 {exc}"),
]

# where each module's lines come from, for the headers
LOGGERS = {"cabin": "c.cl.rw.line.CabinTracker", "gate": "c.cl.rw.gate.GateVerifyService",
           "wind": "c.cl.rw.meteo.AnemometerPoller", "grip": "c.cl.rw.line.GripForceMonitor",
           "drive": "c.cl.rw.drive.MainDriveMonitor", "ticket": "c.cl.rw.ticket.TicketService",
           "agency": "c.cl.rw.ticket.AgencyRedeemHandler", "dispatch": "c.cl.rw.ops.DispatchController",
           "plc": "c.cl.rw.io.ModbusGateway",
           "safety": "c.cl.rw.safety.InspectionRecorder", "drill": "c.cl.rw.safety.DrillRecorder",
           "power": "c.cl.rw.power.PowerSupervisor"}
THREADS = {"cabin": "line-track-%d", "gate": "gate-io-%d", "wind": "meteo-poll-%d", "grip": "line-track-%d",
           "drive": "drive-mon-%d", "ticket": "http-nio-8080-exec-%d", "agency": "http-nio-8080-exec-%d",
           "dispatch": "ops-%d", "plc": "modbus-%d", "safety": "main",
           "drill": "main", "power": "power-watch-%d"}
# the control room's client names its section of the line in Chinese
PARTS = {"cabin": "线路监控", "gate": "闸机管理", "wind": "风速监测", "grip": "抱索器检测", "drive": "主驱动",
         "ticket": "票务", "agency": "分销核销", "dispatch": "运营调度", "plc": "工控通讯",
         "safety": "安全检查", "drill": "应急演练", "power": "供电"}
HOSTS = ["rw-ctl-lower", "rw-ctl-lower", "rw-ctl-top", "rw-ticket-01"]
PIDS = {"rw-ctl-lower": 2231, "rw-ctl-top": 1876, "rw-ticket-01": 3310}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 3) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the ticketing and monitoring server is in Java and logs its thread and logger
        thread = THREADS[module]
        if "%" in thread:
            thread = thread % r.randint(1, 8)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the control room's own client writes the level in Chinese and the station's desk
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "故障"}[level]
        return "[%s.%03d][%s][%s|%s] " % (at.strftime("%m-%d %H:%M:%S"), ms, cn, r.choice(STATION_SHORT),
                                         PARTS[module])
    # the station computers forward everything to a syslog host
    host = r.choice(HOSTS)
    tag = {"INFO": "I", "WARN": "W", "ERROR": "E"}[level]
    return "%s %2d %s %s ropewayd[%d]: <%s> %s: " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host,
                                                   PIDS[host], tag, module)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "R", 7 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
