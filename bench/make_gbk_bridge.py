#!/usr/bin/env python3
"""A GBK log of a long cable-stayed bridge's health monitoring and traffic system with its truth.

    bench/make_gbk_bridge.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 40 messages (acquisition
batches committed and station heartbeats, weigh-in-motion vehicles and overloaded trucks,
strain, deflection, wind, GNSS, bearing and expansion-joint readings, cable forces computed,
out of tolerance or failing to compute, modal identification, camera snapshots, traffic counts,
strain alarms at the yellow and the red level, wind over the control threshold, sensors going
offline and coming back, data jumps, alarms confirmed and cleared, maintenance work orders
created, finished and overdue, logins accepted and refused, pushes to the regulator's platform,
time-series database write failures, patrol reports, traffic control ordered and lifted,
weighing calibration passed and failed, the daily report, road icing and ship impact on a pier),
written to measure the miner on and not to shape it: no rule was made or tuned on them. Each
message keeps its own frequency, acquisition batches and vehicles by the hundred and a ship
impact once in a few thousand lines. Some pairs differ in a word or two only (calibration
成功/失败, strain 黄色预警/红色报警), which a person still reads as two events. One of three
header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

BRIDGE = "云澜江大桥"
# strain sections of the deck and towers: code, where, the faces a gauge sits on
SECTIONS = [("ZL-Q1", "主梁L/4截面", ["顶板", "底板", "上游腹板", "下游腹板", "U肋（中线）"]),
            ("ZL-MID", "主跨跨中截面", ["顶板", "底板", "上游腹板", "下游腹板", "U肋（中线）"]),
            ("ZL-Q3", "主梁3L/4截面", ["顶板", "底板", "上游腹板", "下游腹板"]),
            ("NT-ROOT", "南塔塔根", ["上游侧塔壁", "下游侧塔壁"]),
            ("BT-ROOT", "北塔塔根", ["上游侧塔壁", "下游侧塔壁"]),
            ("ZL-ND", "南辅助墩顶", ["顶板", "底板"])]
# deflection points: id, where, limit in mm
DEFPOINTS = [("DEF-01", "主跨跨中·上游", 650), ("DEF-02", "主跨跨中·下游", 650), ("DEF-03", "主跨L/4", 480),
             ("DEF-04", "主跨3L/4", 480), ("DEF-05", "南边跨跨中", 180), ("DEF-06", "北边跨跨中", 180)]
ANEMOS = ["WS-01（主跨跨中 上游侧 桥面+10m）", "WS-02（南塔塔顶）", "WS-03（北塔塔顶）", "WS-04（主跨L/4 下游侧）"]
COMPASS = ["北风", "东北风", "东风", "东南风", "南风", "西南风", "西风", "西北风"]
DIRS = ["往南岸（城南方向）", "往北岸（城北方向）"]
# vehicle class at the weigh-in-motion: name, axles, gross weight range in t, how common
VEHICLES = [("小型客车", 2, 1.1, 2.6, 50), ("两轴货车", 2, 3.5, 18.0, 14), ("三轴货车", 3, 9.0, 26.0, 8),
            ("四轴货车", 4, 14.0, 31.0, 5), ("五轴铰接列车", 5, 17.0, 43.0, 5), ("六轴铰接列车", 6, 19.0, 49.0, 9),
            ("大型客车", 2, 9.0, 17.0, 6), ("罐式半挂车（危化品）", 5, 24.0, 42.0, 2)]
TRUCKS = [v for v in VEHICLES if "客车" not in v[0]]
GROSS_LIMIT = {2: 18, 3: 25, 4: 31, 5: 43, 6: 49}
PROVINCES = list("滇川黔渝湘桂鄂赣")
PLATECHARS = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ"
DAUPOS = ["南塔塔底机柜", "北塔塔底机柜", "主梁跨中检修道", "南引桥箱室", "北辅助墩顶", "主梁L/4 钢箱内"]
ENVPOS = ["主梁钢箱梁内（跨中）", "南塔塔顶", "桥面 上游侧", "北塔锚固区（钢锚梁）", "南引桥箱室"]
GNSS = ["GNSS-T1（南塔塔顶）", "GNSS-T2（北塔塔顶）", "GNSS-M1（主跨跨中 上游侧）", "GNSS-M2（主跨跨中 下游侧）"]
BEARINGS = ["南塔1#支座（纵向活动）", "南塔2#支座（双向活动）", "北塔1#支座（纵向活动）", "北塔2#支座（固定）",
            "南过渡墩 3#支座（双向活动）", "北辅助墩 P5-2 支座"]
# expansion joints: name, design opening in mm
JOINTS = [("南岸伸缩缝 #1（模数式 D1200）", 1200), ("北岸伸缩缝 #2（模数式 D1200）", 1200),
          ("南引桥伸缩缝 #3（梳齿板 160型）", 160), ("北引桥伸缩缝 #4（梳齿板 160型）", 160)]
ALMTYPES = ["应变超限（黄色）", "应变超限（红色）", "风速超阈值", "索力偏差超限", "传感器离线", "数据跳变", "超限车辆",
            "挠度超限（黄色）"]
DUTIES = ["值班工程师", "监测中心主任", "结构工程师", "运维值班员"]
OPINIONS = ["已通知养护班组现场核查", "系重车通过引起的短时峰值，持续观察", "传感器故障，已派单更换",
            "大风天气，已联动交警实施限速", "误报，已调整阈值（待审批）", "已电话上报运营公司分管领导"]
WOTYPES = ["伸缩缝清理", "拉索PE护套修补", "桥面坑槽修补", "传感器更换", "支座除锈涂装", "排水管疏通", "检修道照明维修",
           "阻尼器漏油检查"]
WOLOCS = ["北引桥 第3跨 K12+350", "主跨跨中 下游侧", "南塔 上横梁", "南岸伸缩缝 #1", "钢箱梁内 第18节段",
          "北塔 下游侧第9对拉索锚头", "桥面 往南岸 第2车道"]
TEAMS = ["养护一班（桥面组）", "养护二班", "机电班", "钢结构维护组（外委：恒岳工程）", "监测系统运维组"]
POSTS = ["监测中心值班员", "结构工程师", "养护科科长", "系统管理员", "第三方检测单位（外协）"]
TERMS = ["监控大屏工作站", "值班室PC-02", "移动巡检APP（Android 13）", "Web端（Chrome 122）"]
LOGINERRS = ["密码错误（剩余尝试次数2）", "账号已锁定，请联系管理员", "验证码错误", "LDAP: error code 49 - Invalid Credentials",
             "证书已过期（USB Key）"]
# sensor kinds: name, id prefix, unit, usual range
STYPES = [("应变计", "SG", "με", -200, 250), ("位移计", "LVDT", "mm", -120, 120), ("加速度计", "ACC", "mg", -30, 30),
          ("温度计", "TMP", "℃", -5, 38), ("风速仪", "WS", "m/s", 0, 18), ("索力加速度计", "CF", "mg", -15, 15),
          ("静力水准仪", "HLS", "mm", -80, 40), ("倾角仪", "INC", "°", -0.2, 0.2)]
MODES = [("一阶竖弯", 0.18, 0.24), ("一阶横弯", 0.38, 0.46), ("一阶扭转", 0.61, 0.72), ("二阶竖弯", 0.29, 0.35)]
TSDBERRS = ["java.net.ConnectException: Connection refused (Connection refused)",
            "java.net.SocketTimeoutException: Read timed out",
            "HTTP 503 Service Unavailable", "HTTP 413 Request Entity Too Large",
            "com.yunlan.tsdb.WriteBufferFullException: buffer full (65536 points)"]
ROUTES = ["桥面系巡查（机动车道+人行道）", "主梁钢箱内部巡查", "拉索及锚头巡查", "桥塔外观巡查（无人机）", "附属设施巡查"]
DISEASES = ["伸缩缝堵塞", "护栏螺栓松动", "桥面坑槽（约0.3平方米）", "排水管堵塞", "拉索PE护套开裂", "涂装起皮、锈蚀",
            "照明灯具不亮（3盏）", "检修道栏杆变形", "防撞墙混凝土剥落"]
CTLREASONS = ["大风（平均风速≥17.2m/s）", "桥面结冰", "交通事故（北行2车道）", "养护作业占道", "重大活动保障",
              "浓雾（能见度<100m）"]
CTLMEASURES = ["封闭北行第3车道", "全桥限速40km/h", "禁止货车及危化品车辆通行", "双向封闭，车辆绕行", "限速60km/h、禁止变道"]
VMSTEXTS = ["大风天气 减速慢行", "前方施工 车辆慢行", "桥面结冰 限速40", "前方事故 请绕行", "货车禁行 请绕行"]
CABLEERRS = ["com.yunlan.shm.cable.PeakNotFoundException: 频谱峰值信噪比不足（SNR=2.3dB）",
             "java.lang.ArrayIndexOutOfBoundsException: Index 4096 out of bounds for length 4096",
             "NaN in acceleration series (ch=CF-07-012)", "采样数据不足：期望 30000 点，实际 11872 点"]
RECIPIENTS = ["运营公司总经理", "养护科", "监测中心", "省交通运输厅桥隧处", "业主单位"]
PIERS = ["P3主墩（南塔）", "P4主墩（北塔）", "P2辅助墩", "P5辅助墩"]
ICEACTS = ["已启动桥面自动融雪喷淋系统", "已通知养护班组撒布融雪剂", "融雪系统故障（PUMP-02 E17），请人工处置"]
ROLES = ["养护科科长", "运营公司副总经理", "监测中心主任"]
# wind control level: Beaufort level, mean wind range in m/s, what the rule asks for
WINDLEVELS = [(6, 10.8, 13.8, "提醒车辆减速慢行"), (7, 13.9, 17.1, "全桥限速60km/h"),
              (8, 17.2, 20.7, "禁止高边车、摩托车通行"), (9, 20.8, 24.4, "启动封桥预案")]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def plate(r):
    chars = "".join(r.choice(PLATECHARS if i < 2 else "0123456789") for i in range(5))
    return "%s%s%s%s" % (r.choice(PROVINCES), r.choice("ABCDFGH"), r.choice(["", "·"]), chars)


def vehicle(r):
    _chosen["v"] = r.choices(VEHICLES, [v[4] for v in VEHICLES])[0]
    return _chosen["v"][0]


def truck(r):
    _chosen["v"] = r.choice(TRUCKS)
    return _chosen["v"][0]


def gross(r):
    _, _, lo, hi, _ = _chosen["v"]
    _chosen["gvw"] = r.uniform(lo, hi)
    return "%.2f" % _chosen["gvw"]


def axleload(r):
    """Each axle's share of the line's gross weight, the steering axle the lightest."""
    n = _chosen["v"][1]
    shares = [r.uniform(0.6, 0.8)] + [r.uniform(0.9, 1.2) for _ in range(n - 1)]
    total = sum(shares)
    return "/".join("%.1f" % (_chosen["gvw"] * s / total) for s in shares)


def overload(r):
    """An overloaded truck: its gross weight over the limit for its axles (limit and excess follow)."""
    axles = _chosen["v"][1]
    _chosen["lim"] = GROSS_LIMIT[axles]
    _chosen["over"] = r.uniform(4, 85)
    return "%.2f" % (_chosen["lim"] * (1 + _chosen["over"] / 100))


def strain_point(r):
    code, where, faces = r.choice(SECTIONS)
    return "SG-%s-%02d（%s·%s）" % (code, r.randint(1, 16), where, r.choice(faces))


def strain(r):
    _chosen["ue"] = r.uniform(-180, 230)
    return "%.1f" % _chosen["ue"]


def over_threshold(thresholds, lo, hi):
    """A reading past one of `thresholds` (either sign); "thr" then writes the threshold."""
    def make(r):
        sign = r.choice([1, 1, -1])
        _chosen["thr"] = sign * r.choice(thresholds)
        return "%.1f" % (_chosen["thr"] + sign * r.uniform(lo, hi))
    return make


def defpoint(r):
    pid, where, lim = r.choice(DEFPOINTS)
    _chosen["dlim"] = lim
    return "%s（%s）" % (pid, where)


def deflection(r):
    return "%+.1f" % (_chosen["dlim"] * r.uniform(-0.6, 0.25))


def windspeed(r):
    _chosen["ws"] = r.uniform(0.3, 12.5)
    return "%.1f" % _chosen["ws"]


def wind_over(r):
    _chosen["wl"] = r.choice(WINDLEVELS)
    _, lo, hi, _ = _chosen["wl"]
    _chosen["ws"] = r.uniform(lo, hi)
    return "%.1f" % _chosen["ws"]


def winddir(r):
    deg = r.randint(0, 359)
    return "%d°（%s）" % (deg, COMPASS[round(deg / 45) % 8])


def cable(r):
    tower = r.choice([("S", "南塔"), ("N", "北塔")])
    span = r.choice([("M", "中跨"), ("B", "边跨")])
    side = r.choice([("U", "上游侧"), ("D", "下游侧")])
    n = r.randint(1, 26)
    _chosen["design"] = 2400 + n * 160 + r.choice([0, 40, 80])
    return "%s%s%s%02d（%s%s%s第%d根）" % (tower[0], span[0], side[0], n, tower[1], span[1], side[1], n)


def cable_force(lo, hi):
    """Measured force off the line's cable's design force by lo..hi percent (either sign)."""
    def make(r):
        dev = r.choice([1, -1]) * r.uniform(lo, hi)
        _chosen["dev"] = dev
        return "%.0f" % (_chosen["design"] * (1 + dev / 100))
    return make


def camera(r):
    _chosen["cam"] = "CAM-%s%02d" % (r.choice("BTW"), r.randint(1, 24))
    return _chosen["cam"]


def snapfile(r):
    return "/data/snap/20260314/%s_%02d%02d%02d_%04d.jpg" % (
        _chosen["cam"], r.randint(6, 8), r.randint(0, 59), r.randint(0, 59), r.randint(1, 9999))


def sensor(r):
    _chosen["s"] = r.choice(STYPES)
    return "%s-%02d-%03d" % (_chosen["s"][1], r.randint(1, 12), r.randint(1, 180))


def reading(spread):
    """A value of the line's sensor kind with its unit; the next one jumps `spread` times its range."""
    def make(r):
        _, _, unit, lo, hi = _chosen["s"]
        v = r.uniform(lo, hi) + (r.choice([1, -1]) * (hi - lo) * spread if spread else 0)
        return ("%.3f%s" if unit == "°" else "%.1f%s") % (v, unit)
    return make


def gnss_offset(lo, hi):
    return lambda r: "%+.1f" % r.uniform(lo, hi)


def clock_window(r):
    h, m = r.randint(6, 8), r.choice(range(0, 60, 5))
    end = (h * 60 + m + 5) % (24 * 60)
    return "%02d:%02d～%02d:%02d" % (h, m, end // 60, end % 60)


def joint(r):
    _chosen["j"] = r.choice(JOINTS)
    return _chosen["j"][0]


def day(r, lo, hi, fmt):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    return fmt(d)


def mode(r):
    _chosen["m"] = r.choice(MODES)
    return _chosen["m"][0]


def bearnote(r):
    if r.random() < 0.5:
        return "，位移计LVDT-%02d读数稳定" % r.randint(1, 16)
    return "，较昨日同时段变化%+.1fmm" % r.uniform(-12, 12)


def diseases(r):
    """How many defects the patrol found; "diseases" then lists them."""
    _chosen["dis"] = r.sample(DISEASES, r.randint(1, 4))
    return str(len(_chosen["dis"]))


def acct(r):
    return "%s%02d" % (r.choice(["shm_op", "jcz_", "ylq", "eng_"]), r.randint(1, 40))


V = {
    "name": name, "plate": plate, "vehicle": vehicle, "truck": truck, "gross": gross,
    "axles": lambda r: str(_chosen["v"][1]),
    "axleload": optional(lambda r: "，轴重（t）：" + axleload(r), 0.35),
    "overload": overload, "glim": lambda r: str(_chosen["lim"]), "overpct": lambda r: "%.1f" % _chosen["over"],
    "photo": optional(lambda r: "，取证照片%d张" % r.randint(2, 4), 0.5),
    "lane": rint(1, 6), "dirn": pick(DIRS), "speed": rint(38, 96),
    "dau": lambda r: "DAU-%02d" % r.randint(1, 12), "daupos": pick(DAUPOS), "chs": pick(["16", "24", "32", "48", "64"]),
    "hz": pick(["1", "10", "50", "100", "200"]), "rows": rint(400, 24000), "ms": rint(8, 950),
    "lag": optional(lambda r: " lag=%.1fs" % r.uniform(1.0, 9.5), 0.2),
    "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 6), r.randint(10, 250)),
    "uptime": lambda r: "%dd %02d:%02d:%02d" % (r.randint(0, 180), r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "cpu": rint(2, 78), "mem": rint(18, 86), "disk": rint(21, 93),
    "sg": strain_point, "ue": strain, "ue2": lambda r: "%.1f" % (_chosen["ue"] + r.uniform(-25, 25)),
    "yellow": over_threshold([250, 280, 300], 2, 60), "red": over_threshold([350, 380, 400], 3, 95),
    "thr": lambda r: "%d" % _chosen["thr"],
    "dpt": defpoint, "defl": deflection, "defl2": deflection, "dlim": lambda r: str(_chosen["dlim"]),
    "anemo": pick(ANEMOS), "ws": windspeed, "gust": lambda r: "%.1f" % (_chosen["ws"] * r.uniform(1.2, 1.9)),
    "winddir": winddir, "windover": wind_over, "bft": lambda r: str(_chosen["wl"][0]),
    "windact": lambda r: _chosen["wl"][3],
    "cam": camera, "snapfile": snapfile, "kb": rint(120, 980),
    "snapplate": optional(lambda r: " plate=" + plate(r), 0.3),
    "window": clock_window, "n1": rint(40, 620), "n2": rint(3, 90), "n3": rint(0, 75), "occ": real(1.5, 38.0),
    "cable": cable, "freq": real(0.42, 3.10, "%.3f"), "kn": cable_force(0, 6.5), "kndev": cable_force(10.5, 21),
    "design": lambda r: str(_chosen["design"]), "dev": lambda r: "%+.2f" % _chosen["dev"],
    "envpos": pick(ENVPOS), "temp": real(-3.0, 36.0), "rh": rint(35, 98),
    "rain": optional(lambda r: "，降雨量%.1fmm/h" % r.uniform(0.1, 12), 0.25),
    "gnss": pick(GNSS), "de": gnss_offset(-35, 35), "dn": gnss_offset(-60, 60), "du": gnss_offset(-420, 60),
    "sats": rint(14, 31),
    "bearing": pick(BEARINGS), "lon": real(-95, 95, "%+.1f"), "lat": real(-4, 4, "%+.1f"), "travel": real(8, 160, "%.2f"),
    "bearnote": optional(bearnote, 0.3),
    "joint": joint, "gap": lambda r: "%.0f" % (_chosen["j"][1] * r.uniform(0.3, 0.7)),
    "jrange": lambda r: "%.1f" % (_chosen["j"][1] * r.uniform(0.01, 0.06)), "jmax": lambda r: str(_chosen["j"][1]),
    "alm": lambda r: "ALM20260314-%05d" % r.randint(1, 3000), "almtype": pick(ALMTYPES),
    "duty": pick(DUTIES), "opinion": pick(OPINIONS), "mins": rint(1, 180), "secs": rint(0, 59),
    "wo": lambda r: "WO-2603-%04d" % r.randint(1, 900), "wotype": pick(WOTYPES), "woloc": pick(WOLOCS),
    "team": pick(TEAMS),
    "due": lambda r: day(r, 1, 10, lambda d: d.strftime("%Y-%m-%d")) + r.choice([" 12:00", " 17:00", " 18:30"]),
    "late": lambda r: day(r, -12, -1, lambda d: "%d年%d月%d日" % (d.year, d.month, d.day)),
    "lateby": rint(1, 12), "role": pick(ROLES),
    "wosrc": optional(lambda r: r.choice(["，来源：报警ALM20260314-%05d" % r.randint(1, 3000), "，来源：日常巡检",
                                          "，来源：定期检测报告（2025年度）"]), 0.5),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "hours": real(0.5, 24, "%.1f"), "cost": real(0, 18000, "%.2f"),
    "wophoto": optional(lambda r: "，完工照片已上传（%d张）" % r.randint(2, 8), 0.45),
    "acct": acct, "post": pick(POSTS), "term": pick(TERMS), "loginerr": pick(LOGINERRS),
    "sensor": sensor, "stype": lambda r: _chosen["s"][0], "v1": reading(0), "v2": reading(3.5),
    "sig": pick(["3", "4", "5"]),
    "ch": rint(1, 64, "CH%02d"),
    "lastts": lambda r: "03/14 %02d:%02d:%02d" % (r.randint(0, 6), r.randint(0, 59), r.randint(0, 59)),
    "mode": mode, "f": lambda r: "%.4f" % r.uniform(*_chosen["m"][1:]),
    "damp": real(0.3, 2.8, "%.2f"), "dpct": real(-4.5, 2.0, "%+.1f"), "mac": real(0.86, 0.99, "%.3f"),
    "tsdberr": pick(TSDBERRS), "batch": lambda r: "b%08x" % r.getrandbits(32), "try": rint(1, 5),
    "route": pick(ROUTES), "ndis": diseases, "diseases": lambda r: "、".join(_chosen["dis"]),
    "inote": optional(lambda r: "，附照片%d张" % r.randint(1, 12), 0.5),
    "ctlreason": pick(CTLREASONS), "ctlmeasure": pick(CTLMEASURES),
    "vms": lambda r: "VMS-%02d" % r.randint(1, 8), "vmstext": pick(VMSTEXTS),
    "cableerr": pick(CABLEERRS),
    "calw": rint(28000, 49000), "calok": real(0.3, 4.9, "%.2f"), "calbad": real(5.2, 14.0, "%.2f"),
    "repdate": lambda r: day(r, -1, -1, lambda d: r.choice(["%d年%d月%d日" % (d.year, d.month, d.day),
                                                            d.strftime("%Y-%m-%d")])),
    "pages": rint(12, 46), "alms": rint(0, 38), "recips": items(RECIPIENTS, 2, 4),
    "pier": pick(PIERS), "g": real(0.16, 0.92, "%.3f"),
    "ptemp": real(-4.0, 0.8), "icerh": rint(82, 99), "dew": real(-6.0, 0.5), "iceact": pick(ICEACTS),
}


# weight, level, module, message
TEMPLATES = [
    (200, "INFO", "daq", "DAQ batch committed: dau={dau} ch={chs} fs={hz}Hz rows={rows} cost={ms}ms{lag}"),
    (170, "INFO", "wim", "动态称重：车道{lane}（{dirn}），车牌【{plate}】，车型{vehicle}，轴数{axles}，总重{gross}t，"
                         "车速{speed}km/h{axleload}"),
    (120, "INFO", "strain", "应变监测 测点：{sg}，实测{ue}με，温度补偿后{ue2}με，状态=正常"),
    (90, "INFO", "wind", "风速风向：{anemo}，10min平均风速{ws}m/s，3s阵风{gust}m/s，风向{winddir}"),
    (80, "INFO", "video", "snapshot uploaded: camera={cam} file={snapfile} size={kb}KB{snapplate}"),
    (65, "INFO", "deflect", "挠度监测【{dpt}】：当前值{defl}mm，10分钟均值{defl2}mm，限值±{dlim}mm"),
    (55, "INFO", "traffic", "交通量统计（{window}）：{dirn}，小客车{n1}辆、中型车{n2}辆、大货车{n3}辆，平均车速{speed}km/h，"
                            "时间占有率{occ}%"),
    (45, "INFO", "daq", "heartbeat ok dau={dau}（{daupos}） ip={ip} uptime={uptime} cpu={cpu}% mem={mem}% disk={disk}%"),
    (40, "INFO", "cable", "索力计算完成：拉索{cable}，基频{freq}Hz，实测索力{kn}kN，设计索力{design}kN，偏差{dev}%"),
    (32, "INFO", "env", "环境温湿度 位置=「{envpos}」 温度={temp}℃ 相对湿度={rh}%{rain}"),
    (28, "INFO", "gnss", "GNSS解算：基站{gnss}，ΔE={de}mm，ΔN={dn}mm，ΔU={du}mm，解状态FIXED，卫星数{sats}"),
    (24, "WARN", "wim", "超限车辆：车牌【{plate}】，{truck}，{axles}轴，总重{overload}t（限值{glim}t），超限{overpct}%，"
                        "车道{lane}，已推送至【路政执法平台】{photo}"),
    (20, "INFO", "push", "数据推送至省级桥梁监管平台：本次{rows}条记录，接口 /api/v2/bridge/monitor/upload，HTTP 200 OK，"
                         "耗时{ms}ms"),
    (14, "INFO", "bearing", "支座位移：{bearing}，纵向{lon}mm，横向{lat}mm，累计滑移{travel}m{bearnote}"),
    (12, "INFO", "bearing", "伸缩缝开合量 {joint}：当前{gap}mm，日变幅{jrange}mm，设计范围0～{jmax}mm"),
    (10, "WARN", "strain", "应变超限【黄色预警】：测点{sg}，实测{yellow}με，预警阈值{thr}με，报警编号{alm}"),
    (9, "INFO", "alarm", "报警已确认：报警编号{alm}（{almtype}），确认人{name}（{duty}），处理意见：「{opinion}」"),
    (9, "INFO", "alarm", "报警自动解除 id={alm} 类型={almtype} 持续{mins}分{secs}秒"),
    (8, "INFO", "maint", "养护工单已创建：工单号{wo}，类型《{wotype}》，位置：{woloc}，责任班组：{team}，计划完成时间{due}{wosrc}"),
    (7, "INFO", "maint", "养护工单已完成：工单号{wo}，类型《{wotype}》，处理人：{names}，实际用工{hours}工时，"
                         "材料费{cost}元{wophoto}"),
    (7, "INFO", "auth", "用户登录成功：账号{acct}（{name}，{post}），IP {ip}，终端「{term}」"),
    (6, "WARN", "daq", "数据跳变 sensor={sensor}（{stype}） 前值={v1} 当前值={v2}，突变量超过{sig}σ，"
                       "已标记为可疑数据（quality=SUSPECT）"),
    (6, "WARN", "wind", "风速超阈值：{anemo}，10min平均风速{windover}m/s，已达{bft}级管控标准，建议{windact}"),
    (5, "ERROR", "daq", "传感器离线：{sensor}（{stype}），所属采集站{dau}，通道{ch}，最后数据时间{lastts}，已离线{mins}分钟"),
    (4.5, "INFO", "daq", "传感器恢复在线：{sensor}（{stype}），所属采集站{dau}，通道{ch}，离线时长{mins}分钟，补传数据{rows}条"),
    (4, "INFO", "modal", "模态识别完成（SSI-COV）：{mode}频率{f}Hz，阻尼比{damp}%，与成桥基准值相差{dpct}%，MAC={mac}"),
    (4, "WARN", "cable", "索力偏差超限：拉索{cable}，实测索力{kndev}kN，设计索力{design}kN，偏差{dev}%（允许±10%），请复核"),
    (3.5, "ERROR", "tsdb", "写入时序数据库失败：{tsdberr}，batch={batch}，rows={rows}，第{try}/5次重试"),
    (3, "WARN", "auth", "用户登录失败：账号{acct}，IP {ip}，原因：{loginerr}"),
    (3, "INFO", "inspect", "日常巡检上报：巡检员{names}，路线《{route}》，发现病害{ndis}处：{diseases}{inote}"),
    (2.5, "WARN", "traffic", "交通管制指令下发：原因「{ctlreason}」，措施：{ctlmeasure}，可变情报板{vms}显示《{vmstext}》，"
                             "已通知【交警指挥中心】"),
    (2.2, "INFO", "traffic", "交通管制解除：原因「{ctlreason}」，管制持续{mins}分钟，可变情报板{vms}恢复显示《安全驾驶 文明出行》"),
    (2, "ERROR", "strain", "应变超限【红色报警】：测点{sg}，实测{red}με，报警阈值{thr}με，报警编号{alm}"),
    (2, "ERROR", "cable", "索力计算异常：拉索{cable}，{cableerr}，本周期索力未更新"),
    (1.8, "WARN", "maint", "养护工单超期未完成：工单号{wo}，类型《{wotype}》，责任班组：{team}，计划完成{late}，"
                           "已超期{lateby}天，已升级通知{role}{name}"),
    (1.5, "INFO", "wim", "称重系统标定成功：车道{lane}，标定车【{plate}】（总重{calw}kg），标定误差{calok}%，执行人{name}"),
    (1.3, "ERROR", "wim", "称重系统标定失败：车道{lane}，标定车【{plate}】（总重{calw}kg），标定误差{calbad}%，执行人{name}"),
    (1.3, "INFO", "report", "日报生成成功：《" + BRIDGE + "健康监测日报（{repdate}）》，共{pages}页，报警{alms}条，已发送至{recips}"),
    (1.2, "WARN", "env", "路面结冰预警：桥面温度{ptemp}℃，空气湿度{icerh}%，露点{dew}℃，{iceact}"),
    (1.1, "ERROR", "collision", "船撞监测：{pier}防撞设施加速度峰值{g}g，超过阈值0.15g，疑似船舶撞击，视频联动{cam}，请立即现场核查！"),
]

# per module: the logger and thread of the Java services, the subsystem's Chinese name, the daemon and its pid
MODULES = {
    "daq": ("c.y.shm.daq.BatchCommitter", "daq-writer", "数据采集", "shm-daqd", 2210),
    "wim": ("c.y.shm.wim.WimReceiver", "wim-recv", "动态称重", "wim-gw", 3318),
    "strain": ("c.y.shm.analysis.StrainEvaluator", "eval-pool", "应变分析", "shm-evald", 4102),
    "wind": ("c.y.shm.env.WindMonitor", "env-poll", "风环境", "shm-envd", 4130),
    "video": ("c.y.traffic.video.SnapUploader", "snap-up", "视频抓拍", "snapd", 5120),
    "deflect": ("c.y.shm.analysis.DeflectionEvaluator", "eval-pool", "线形挠度", "shm-evald", 4102),
    "traffic": ("c.y.traffic.flow.FlowStatistics", "flow-stat", "交通管理", "trafficd", 5133),
    "cable": ("c.y.shm.cable.CableForceService", "cable-calc", "索力分析", "shm-cabled", 4177),
    "env": ("c.y.shm.env.EnvMonitor", "env-poll", "环境监测", "shm-envd", 4130),
    "gnss": ("c.y.shm.gnss.GnssSolver", "gnss-rtk", "GNSS", "gnss-solver", 4560),
    "push": ("c.y.shm.sync.ProvincePusher", "push-sched", "数据上报", "shm-syncd", 6021),
    "bearing": ("c.y.shm.analysis.BearingEvaluator", "eval-pool", "支座伸缩缝", "shm-evald", 4102),
    "alarm": ("c.y.shm.alarm.AlarmCenter", "alarm-disp", "报警中心", "shm-alarmd", 4801),
    "maint": ("c.y.om.workorder.WorkOrderService", "http-nio-8080-exec", "养护管理", "om-web", 7002),
    "auth": ("c.y.om.auth.LoginController", "http-nio-8080-exec", "用户认证", "om-web", 7002),
    "modal": ("c.y.shm.modal.SsiCovIdentifier", "modal-job", "模态分析", "shm-modal", 4188),
    "tsdb": ("c.y.shm.store.TsdbWriter", "tsdb-flush", "数据存储", "shm-daqd", 2210),
    "inspect": ("c.y.om.patrol.PatrolReportService", "http-nio-8080-exec", "巡检管理", "om-web", 7002),
    "report": ("c.y.om.report.DailyReportJob", "quartz-worker", "报表", "om-report", 7040),
    "collision": ("c.y.shm.anticollision.ShipImpactDetector", "impact-det", "防船撞", "shm-impactd", 4920),
}
HOSTS = {"daq": ["shm-edge-01", "shm-edge-02", "shm-edge-03"], "wim": ["wim-gw-s", "wim-gw-n"],
         "video": ["vid-srv01"], "traffic": ["tfc-app01"], "maint": ["om-app01", "om-app02"],
         "auth": ["om-app01", "om-app02"], "inspect": ["om-app01", "om-app02"], "report": ["om-app02"],
         "tsdb": ["shm-edge-01", "shm-edge-02", "shm-edge-03"]}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    logger, thread, cn, daemon, pid = MODULES[module]
    if form == 0:
        # the monitoring platform's Java services: millisecond time, padded level, thread, logger
        return "%s.%03d %-5s [%s-%d] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level,
                                               thread, r.randint(1, 12), logger)
    host = r.choice(HOSTS.get(module, ["shm-app01", "shm-app02"]))
    if form == 1:
        # the control room's console writes its own Chinese time, level and subsystem
        word = {"INFO": "信息", "WARN": "告警", "ERROR": "严重"}[level]
        return "%s [%s][%s@%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), word, cn, host)
    # the edge and gateway machines send everything through syslog
    word = {"INFO": "INFO", "WARN": "WARNING", "ERROR": "ERR"}[level]
    return "%s %2d %s %s %s[%d]: %s: " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host, daemon,
                                          pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "Q", 6 * 3600 + 40 * 60, (0, 0, 0, 1, 1, 2))


if __name__ == "__main__":
    main()
