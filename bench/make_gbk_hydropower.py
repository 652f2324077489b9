#!/usr/bin/env python3
"""A GBK log of a hydropower station's monitoring and dispatch system with its truth.

    bench/make_gbk_hydropower.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages of the station's
computer supervisory system on a flood-season day: AGC set points applied to the units, water
telemetry of the reservoir and the tailwater, unit operating snapshots, temperature and
vibration scans, patrol rounds and their check-ins, defects found on them, grid dispatch
orders received and reported back, units started and stopped (and a start that fails), spillway
gates moved or stuck, the flood warning sent downstream, telemetry channels lost and restored,
thrust-bearing temperature alarms at the first and the second limit, vibration over its limit,
governor oil pumps, relay protection self-checks passed and failed, protection alarms, trips and
setting changes, station-service supply losses with the automatic transfer succeeding or failing,
frequency excursions, work permits, energy totals, the next day's generation plan, and the
historian and the dispatch-data uplink failing. It is meant to measure the miner on text it was
never shaped on: no rule was made or tuned on it. Each message keeps its own frequency, AGC set
points by the hundred and a unit's emergency stop once in a thousand lines or so; several
messages differ from another only in a word or two (开机/停机, 成功/失败, 通过/失败, 中断/恢复,
高一限/高二限), which the station's operators still treat as different messages. One of three
header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# The station: six Francis units behind a concrete gravity dam, 220 kV switchyard.
UNITS = 6
# rated speed in r/min and rated output in MW, by unit (units 5 and 6 are the later, larger ones)
RATED = {1: (125.0, 150), 2: (125.0, 150), 3: (125.0, 150), 4: (125.0, 150), 5: (107.1, 200), 6: (107.1, 200)}
AGCSRC = ["省调AGC", "省调AGC", "厂站AVC/AGC", "调度计划曲线", "运行人员手动"]
STARTSRC = ["省调令", "调度计划曲线", "中控室手动", "AGC自动开机", "黑启动试验"]
STOPREASON = ["调度令停机备用", "负荷低谷，按计划曲线停机", "机组检修（C修）", "尾水位高，减少出力", "水头不足",
              "AGC自动停机"]
START_STEPS = ["技术供水投入", "制动风闸退出", "导叶开启至空载开度", "励磁投入（起励）", "同期装置并网",
               "调速器切换至发电态"]
TRIPCAUSE = ["推力瓦温度高二限", "机组过速 152%Ne", "发电机差动保护动作", "调速器油压事故低（≤3.2MPa）",
             "顶盖水位过高", "剪断销剪断（≥2个）"]
GATES = ["1#表孔弧形工作闸门", "2#表孔弧形工作闸门", "3#表孔弧形工作闸门", "左岸泄洪深孔工作闸门（1#）",
         "右岸泄洪深孔工作闸门（2#）", "排沙底孔事故闸门", "4#机进水口快速闸门"]
# the gates the operators set to an opening (the others are only ever fully open or shut)
SPILLWAYS = [g for g in GATES if "快速" not in g and "事故" not in g]
GATEFAIL = ["启闭机过载保护动作", "开度仪信号跳变，PLC闭锁", "液压启闭机油缸压力低（9.8MPa）", "闸门卡阻，左右偏差超过30mm",
            "现地控制柜「远方/现地」把手在现地位置", "Modbus timeout: slave 0x0C no response"]
VILLAGES = ["下游青石镇", "渡口村", "柳湾村（含河滩养殖户）", "城关镇防汛办", "下游梯级 · 白鹭滩电站", "航运管理站"]
GRIDS = ["西川电力调度控制中心（省调）", "岚州地区电力调度中心（地调）", "西川省调 水电处"]
ORDERTEXT = ["{unit}有功出力调整至{mw}MW", "全厂按计划曲线执行，偏差不超过±2%", "{unit}停机备用", "{unit}并网发电",
             "投入全厂AGC闭环控制", "2#主变由运行转热备用", "220kV 岚江Ⅱ线 由检修转运行", "退出{unit}一次调频功能进行试验"]
ROLES = ["值长", "副值长", "主值班员", "值班员", "检修班长", "生技部专工"]
TEAMS = ["运行一值", "运行二值", "运行三值", "运行四值", "电气检修班", "水机检修班", "水工巡检组"]
SPOTS = ["蜗壳进人门", "水车室（{unit}）", "发电机风洞", "主变室 2#主变", "GIS室（220kV）", "中控室", "坝顶1#启闭机房",
         "基础廊道 EL.352.0", "尾水平台", "厂用电400V配电室", "技术供水泵房", "透平油库", "柴油发电机房"]
DEFECTS = ["调速器回油箱油位偏低（约-40mm）", "技术供水滤水器前后压差大，0.08MPa", "推力油槽有渗油，地面有油迹",
           "主变冷却器3#风扇不转", "廊道渗漏量增大，量水堰读数 1.8L/s", "GIS室SF6压力表读数0.52MPa（偏低）",
           "启闭机房照明损坏2盏", "UPS电池柜温度 31℃，空调未启动"]
GRADES = ["一类（紧急）", "二类（重大）", "三类（一般）", "三类（一般）"]
ROUTES = ["全厂设备巡回检查（夜班）", "大坝及廊道巡查", "开关站及GIS巡视", "水机辅助设备点检", "汛期泄洪设施专项检查"]
CHANNELS = ["省调主站 IEC-104 主通道", "省调主站 IEC-104 备通道", "地调 101 专线", "调度数据网 A平面", "调度数据网 B平面",
            "水情测报系统（北斗短报文）", "大坝安全监测 MCU-07"]
SENSORS = ["上导轴承", "下导轴承", "水导轴承", "顶盖", "定子机座", "上机架"]
CONDS = ["空载", "带负荷 {mw}MW", "开机过程", "振动区运行（{mw}MW）", "甩负荷试验后"]
WATERSRC = ["坝前取水（备用）", "尾水泵供水", "消防水池"]
RELAYDEVS = ["{unit}发电机保护A柜 HRP-760G", "{unit}发电机保护B柜 HRP-760G", "2#主变保护柜 QM-831T",
             "220kV 岚江Ⅰ线 线路保护 LD-902", "220kV母线保护 BM-150", "厂变保护 CB-61（{unit}）"]
MAKERS = ["华衡电气", "启明继保", "北辰自动化", "衡川电力设备"]
PROTS = ["发电机纵差保护", "定子接地（3U0）保护", "失磁保护", "转子一点接地保护", "复压过流保护", "逆功率保护"]
BREAKERS = ["发电机出口断路器GCB、灭磁开关FMK", "主变高压侧断路器2201", "GCB，并启动事故停机", "2202开关及厂变低压侧开关"]
RELAYALARMS = ["TA断线", "TV断线（B相）", "装置通信中断", "开入异常：跳闸位置与合闸位置同时为1", "对时异常（GPS信号丢失）",
               "差流越限 0.12Ie"]
SELFFAIL = ["RAM校验出错", "定值校验出错（CRC mismatch）", "AD采样通道3异常", "出口继电器回读异常", "电源插件 +24V 电压低"]
BUSES = ["400V Ⅰ段母线", "400V Ⅱ段母线", "坝区400V母线", "10kV厂用Ⅰ段"]
LOADS = ["技术供水泵", "渗漏排水泵", "空压机", "中控室UPS", "闸门启闭机电源", "主变冷却器"]
WORKS = ["{unit}水导轴承油槽加油", "2#主变冷却器风扇电机更换", "1#表孔闸门启闭机钢丝绳检查", "厂用400V Ⅱ段备自投装置校验",
         "{unit}调速器压油罐排污", "GIS间隔SF6气体补气（220kV 2202间隔）"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized (token expired)"]
DBFAILS = ["ORA-12541: TNS:no listener", "ORA-01653: unable to extend table HIST.ANALOG_2607",
           "SQLSTATE 08006: connection failure", "java.sql.SQLRecoverableException: IO Error: Socket read timed out"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def unit(r):
    _chosen["u"] = r.randint(1, UNITS)
    return "%d#机组" % _chosen["u"]


def unitcode(r):
    _chosen["u"] = r.randint(1, UNITS)
    return "G%02d" % _chosen["u"]


def mw_of(lo, hi):
    """An output between lo and hi of the line's unit's rated output, in MW."""
    return lambda r: "%.1f" % (RATED[_chosen.get("u", 1)][1] * r.uniform(lo, hi))


def setpoint(r):
    """The AGC set point of the line's unit and, after it, what the unit actually gives."""
    p = RATED[_chosen["u"]][1] * r.uniform(0.45, 1.0)
    _chosen["pact"] = p + r.uniform(-3.5, 3.5)
    return "%.1f" % p


def speed(r):
    return "%.1f" % (RATED[_chosen["u"]][0] * r.uniform(0.998, 1.002))


def with_unit(texts):
    """One of `texts`, with any {unit} and {mw} in it filled for a unit of its own."""
    def make(r):
        t = r.choice(texts)
        if "{unit}" in t or "{mw}" in t:
            t = gbk_messages.fill(r, t, {"unit": unit, "mw": lambda r2: "%d" % (RATED[_chosen.get("u", 1)][1]
                                                                                * r2.uniform(0.4, 1.0))})
        return t
    return make


def upstream(r):
    _chosen["up"] = r.uniform(376.2, 381.4)
    return "%.2f" % _chosen["up"]


def tailwater(r):
    _chosen["tw"] = r.uniform(291.0, 296.5)
    return "%.2f" % _chosen["tw"]


def outflow(r):
    return "%d" % r.randint(380, 4200)


def gate_move(r):
    a = r.choice([0.0, 0.5, 1.0, 1.5, 2.0, 3.0, 4.5, 6.0])
    b = a + r.choice([-1.0, -0.5, 0.5, 1.0, 1.5, 2.0])
    return "%.2fm→%.2fm" % (a, max(0.0, b))


def thrust(limit_lo, limit_hi):
    def make(r):
        return "%.1f" % r.uniform(limit_lo, limit_hi)
    return make


def ordernum(r):
    return "DD-%s-%04d" % (r.choice(["2607", "2607", "XC2607"]), r.randint(1, 1300))


def when(r):
    """The time an order was taken, written the way the person on duty typed it."""
    h, m = r.randint(0, 23), r.randint(0, 59)
    return r.choice(["接令时间 2026-07-21 %02d:%02d" % (h, m), "接令时间：7月21日%d时%02d分" % (h, m),
                     "接令时间 21/07 %02d:%02d" % (h, m)])


def clock(r):
    return "%02d:%02d:%02d" % (r.randint(6, 23), r.randint(0, 59), r.randint(0, 59))


def defect_no(r):
    return "QX-%s-%03d" % (r.choice(["DQ", "SJ", "SG", "ZD"]), r.randint(1, 480))


def deadline(r):
    d = datetime.date(2026, 7, 21) + datetime.timedelta(days=r.randint(0, 14))
    return r.choice(["%d月%d日" % (d.month, d.day), d.strftime("%Y-%m-%d"), d.strftime("%Y%m%d")])


def plan(r):
    d = datetime.date(2026, 7, 21) + datetime.timedelta(days=r.randint(0, 3))
    a = r.randint(7, 14)
    return "%02d月%02d日%02d:00～%02d月%02d日%02d:00" % (d.month, d.day, a, d.month, d.day, a + r.randint(2, 9))


def ticket(r):
    return "%s-202607-%03d" % (r.choice(["DQ1", "DQ2", "SJ1", "DZ"]), r.randint(1, 260))


def wavefile(r):
    return "COMTRADE/%s/20260721_%s_%03d.cfg" % (r.choice(["GEN%02d" % _chosen["u"]] * 3 + ["T2", "L2201"]),
                                                  clock(r).replace(":", ""), r.randint(0, 999))


def tag(r):
    return "%08X" % r.getrandbits(32)


def flood_time(r):
    return r.choice(["今日%02d:%02d" % (r.randint(12, 23), r.choice([0, 30])), "7月22日%d时" % r.randint(0, 12),
                     "2026-07-21 %02d:00" % r.randint(12, 23)])


def period(r):
    h = r.randint(0, 22)
    return "%02d:00-%02d:00" % (h, h + 1)


def on_units(r):
    n = sorted(r.sample(range(1, UNITS + 1), r.randint(2, UNITS)))
    return "、".join("%d#" % k for k in n) + "机组"


def spot(r):
    s = r.choice(SPOTS)
    return s.replace("{unit}", "%d#机" % r.randint(1, UNITS))


V = {
    "name": name, "unit": unit, "unitcode": unitcode, "setpoint": setpoint,
    "pact": lambda r: "%.1f" % _chosen["pact"], "speed": speed,
    "mw": mw_of(0.4, 1.0), "mvar": real(-12.0, 48.0), "gv": real(38.0, 96.0), "kv": real(15.4, 16.2, "%.2f"),
    "ramp": pick(["5", "8", "10", "15"]), "agcsrc": pick(AGCSRC), "seq": rint(1, 99999),
    "up": upstream, "tail": tailwater, "head": lambda r: "%.2f" % (_chosen["up"] - _chosen["tw"]),
    "qin": rint(420, 6800), "qout": outflow,
    "rain": optional(lambda r: "，坝址降雨量%.1fmm/h" % r.uniform(0.2, 38.0), 0.35),
    "statortemp": real(68.0, 96.0), "pt": lambda r: "RTD-%02d" % r.randint(1, 48), "bear": real(42.0, 58.0),
    "thrust": real(45.0, 62.0), "air": real(28.0, 41.0),
    "um": rint(28, 160), "um2": rint(185, 420), "lim": pick(["160", "180", "200", "250"]),
    "sensor": pick(SENSORS), "axis": pick(["X", "Y", "+X", "-Y", "Z（垂直）"]), "cond": with_unit(CONDS),
    "team": pick(TEAMS), "spot": spot, "checks": rint(4, 26), "tag": tag,
    "note": optional(lambda r: "，备注：%s" % r.choice(["正常", "地面有积水，已通知清理", "设备声音正常，无异味",
                                                     "门禁卡读不出，手工登记"]), 0.3),
    "grid": pick(GRIDS), "order": ordernum, "ordertext": with_unit(ORDERTEXT), "when": when, "clock": clock,
    "secs": rint(95, 420), "startsrc": pick(STARTSRC), "stopreason": pick(STOPREASON),
    "gate": pick(SPILLWAYS), "gatemove": gate_move, "gatefail": pick(GATEFAIL), "gq": rint(150, 2600),
    "channel": pick(CHANNELS), "downsecs": rint(3, 1800), "backup": pick(["备通道", "调度数据网 B平面", "地调转发"]),
    "hot1": thrust(65.0, 69.9), "hot2": thrust(70.0, 74.5), "trend": real(0.3, 2.6),
    "date": lambda r: r.choice(["2026-07-21", "20260721", "7月21日"]), "period": period,
    "mwh": real(60.0, 780.0, "%.3f"), "selfuse": real(0.35, 1.40, "%.2f"), "onunits": on_units,
    "pump": pick(["1#", "2#"]), "mpa": real(5.60, 5.95, "%.2f"), "mpa2": real(6.20, 6.35, "%.2f"), "run": rint(18, 95),
    "ackclock": lambda r: "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59)),
    "flood": real(379.6, 380.9, "%.2f"), "floodlimit": pick(["381.00", "381.50"]),
    "notify": items(["值长", "生技部", "防汛办", "站长", "水调中心"], 2, 4),
    "relaydev": with_unit(RELAYDEVS), "maker": pick(MAKERS), "ver": lambda r: "V%d.%02d.%d" % (
        r.randint(2, 4), r.randint(0, 30), r.randint(0, 9)), "crc": lambda r: "%04X" % r.getrandbits(16),
    "prot": pick(PROTS), "breaker": pick(BREAKERS), "ka": real(2.1, 38.0, "%.2f"), "optime": rint(18, 95),
    "wave": wavefile, "relayalarm": pick(RELAYALARMS), "selffail": pick(SELFFAIL),
    "defect": defect_no, "defecttext": pick(DEFECTS), "grade": pick(GRADES), "deadline": deadline,
    "route": pick(ROUTES), "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "points": rint(24, 160), "found": rint(0, 4), "mins": rint(35, 180),
    "ticket": ticket, "work": with_unit(WORKS), "plan": plan,
    "tsw": real(0.12, 0.19, "%.2f"), "tswlim": pick(["0.20", "0.22"]), "watersrc": pick(WATERSRC),
    "batch": rint(200, 5000), "try": rint(1, 5), "dbfail": pick(DBFAILS), "ms": rint(1500, 30000),
    "httpfail": pick(HTTPFAILS), "ip": lambda r: "10.%d.%d.%d" % (r.choice([33, 34]), r.randint(1, 8), r.randint(2, 250)),
    "tomorrow": lambda r: r.choice(["2026-07-22", "7月22日", "20260722"]), "plantotal": real(5200.0, 9600.0, "%.1f"),
    "peak": rint(780, 1000), "valley": rint(150, 420),
    "hz": lambda r: "%.3f" % (50 + r.choice([-1, 1]) * r.uniform(0.10, 0.28)), "dmw": real(1.5, 12.0),
    "lasting": rint(200, 9000), "tripcause": pick(TRIPCAUSE), "closesecs": real(6.0, 14.0),
    "zone": lambda r: "%02d区" % r.randint(1, 16), "sheet": lambda r: "DZ〔2026〕%d号" % r.randint(11, 199),
    "gates": items(SPILLWAYS, 1, 3), "flood_time": flood_time,
    "floodq": rint(1200, 8800), "villages": items(VILLAGES, 2, 4),
    "bus": pick(BUSES), "loads": items(LOADS, 1, 3), "xfer": rint(80, 900),
    "step": pick(START_STEPS), "fcode": lambda r: "0x%04X" % r.randint(0x1001, 0x1FFF),
    "operator": optional(lambda r: "，当班值长%s" % name(r), 0.4),
    "guard": optional(lambda r: "，监护人%s" % name(r), 0.5),
    "cause": optional(lambda r: "，上位机提示「%s」" % r.choice(["E_GATE_POS_DEVIATION", "PLC comm lost", "LCU-11 heartbeat timeout"]), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "agc", "AGC setpoint applied: unit={unitcode} P_set={setpoint}MW P_act={pact}MW ramp={ramp}MW/min src={agcsrc} seq={seq}"),
    (190, "INFO", "hydro", "水情遥测：上游水位{up}m，下游尾水位{tail}m，毛水头{head}m，入库流量{qin}m3/s，出库流量{qout}m3/s{rain}"),
    (160, "INFO", "lcu", "{unit}运行工况：有功{mw}MW，无功{mvar}Mvar，导叶开度{gv}%，转速{speed}r/min，机端电压{kv}kV"),
    (110, "INFO", "tms", "温度巡测 {unit} 定子绕组最高{statortemp}℃（测点{pt}），上导瓦{bear}℃，推力瓦{thrust}℃，空冷器出口{air}℃"),
    (85, "INFO", "vms", "振摆在线监测：{unit}，上导摆度 X={um}μm Y={um}μm，顶盖垂直振动{um}μm，状态=正常"),
    (70, "INFO", "patrol", "巡检打卡：{name}（{team}）到达「{spot}」，点检项{checks}项，NFC标签{tag}{note}"),
    (48, "INFO", "dispatch", "收到调度指令：《{grid}》令号{order}，内容「{ordertext}」，受令人{name}，{when}"),
    (40, "INFO", "lcu", "{unit}开机流程完成，用时{secs}秒，指令来源：{startsrc}{operator}"),
    (36, "INFO", "lcu", "{unit}停机流程完成，用时{secs}秒，停机原因：{stopreason}{operator}"),
    (34, "INFO", "gate", "闸门开度调整成功：{gate} {gatemove}，下泄流量约{gq}m3/s，操作人{name}{guard}"),
    (30, "INFO", "comm", "通信通道【{channel}】恢复正常，中断时长{downsecs}秒"),
    (26, "INFO", "dispatch", "调度指令执行完毕：令号{order}，{unit}有功已调整至{mw}MW，回令人{name}，回令时间{ackclock}"),
    (24, "INFO", "stat", "电量统计：{date} {period}，全厂上网电量{mwh}MWh，厂用电率{selfuse}%，{onunits}参与发电"),
    (22, "INFO", "oil", "油压装置：{unit}压油泵{pump}启动，油压{mpa}MPa→{mpa2}MPa，运行{run}秒后停泵"),
    (20, "WARN", "tms", "{unit}推力瓦温度高一限报警：当前{hot1}℃，趋势+{trend}℃/10min，请加强监视"),
    (18, "WARN", "vms", "振动越限：{unit}（{sensor}）{axis}向{um2}μm，超过报警值{lim}μm，工况：{cond}"),
    (16, "WARN", "comm", "通信通道【{channel}】中断，已切换至{backup}，最后一帧时间{clock}"),
    (14, "INFO", "relay", "保护装置自检通过：{relaydev}（{maker}），程序版本{ver}，CRC=0x{crc}"),
    (13, "INFO", "patrol", "巡检完成：《{route}》，巡检人{names}，共{points}个点位，发现缺陷{found}处，耗时{mins}分钟"),
    (11, "WARN", "patrol", "缺陷登记：编号{defect}，「{spot}」{defecttext}，缺陷等级：{grade}，登记人{name}，要求{deadline}前消缺"),
    (10, "WARN", "hydro", "库水位接近汛限：当前{flood}m，汛限水位{floodlimit}m，已通知{notify}"),
    (9, "WARN", "relay", "保护告警：{relaydev} {relayalarm}，装置未闭锁，请检修人员核查"),
    (8, "INFO", "ticket", "工作票{ticket}已许可：{work}，工作负责人{name}，许可人{name}，计划工期{plan}"),
    (7, "WARN", "lcu", "技术供水压力低：{unit}供水压力{tsw}MPa，低于{tswlim}MPa，已自动切换至{watersrc}"),
    (6, "ERROR", "gate", "闸门开度调整失败：{gate} {gatemove}，原因：{gatefail}，操作人{name}{cause}"),
    (5, "ERROR", "lcu", "{unit}开机流程失败：停在「{step}」步，超时{secs}秒，故障码{fcode}，已转停机"),
    (4.5, "ERROR", "hist", "历史库写入失败：{dbfail}（批量{batch}条，重试{try}/5）"),
    (4, "ERROR", "uplink", "调度数据网上报失败：POST http://{ip}:8080/plan/v2/actual → HTTP {httpfail}，耗时{ms}ms"),
    (3.5, "INFO", "dispatch", "日发电计划已接收：{tomorrow}全厂计划电量{plantotal}MWh，96点曲线，峰段最大{peak}MW，谷段最小{valley}MW"),
    (3, "WARN", "grid", "系统频率越限：f={hz}Hz，持续{lasting}ms，一次调频动作，{unit}调节量{dmw}MW"),
    (2.8, "ERROR", "relay", "保护动作：{unit}{prot}动作，跳{breaker}，故障电流{ka}kA，动作时间{optime}ms，录波文件{wave}"),
    (2.6, "ERROR", "tms", "{unit}推力瓦温度高二限报警：当前{hot2}℃，趋势+{trend}℃/10min，请立即处理"),
    (2.4, "INFO", "relay", "保护定值修改：{relaydev}定值区切换至{zone}，定值单{sheet}，执行人{name}，核对人{name}"),
    (2.2, "INFO", "gate", "泄洪预警已发布：{gates}将于{flood_time}开启，预计下泄流量{floodq}m3/s，已通知{villages}"),
    (2.0, "WARN", "power", "厂用电{bus}失压，备自投动作成功，{loads}已切换，切换时间{xfer}ms"),
    (1.8, "ERROR", "relay", "保护装置自检失败：{relaydev}（{maker}），{selffail}，装置已闭锁"),
    (1.5, "ERROR", "lcu", "{unit}事故停机！触发条件：{tripcause}，进水口快速闸门已落下，导叶全关用时{closesecs}s"),
    (1.5, "ERROR", "power", "厂用电{bus}失压，备自投动作失败，{loads}失电，请立即手动倒闸"),
]

# the host and process behind each module, for the headers
HOSTS = {"agc": "hps-agc01", "hydro": "hps-hydro01", "lcu": "hps-scada01", "tms": "hps-scada02", "vms": "hps-vms01",
         "patrol": "hps-app01", "dispatch": "hps-dd01", "gate": "hps-scada01", "comm": "hps-fe01", "stat": "hps-app01",
         "oil": "hps-scada02", "relay": "hps-pms01", "ticket": "hps-app01", "hist": "hps-hist01",
         "uplink": "hps-dd01", "grid": "hps-agc01", "power": "hps-scada02"}
PROCS = {"agc": ("agcd", 2114), "hydro": ("hydrod", 1830), "lcu": ("lcugw", 1452), "tms": ("tmsd", 1617),
         "vms": ("vibmon", 2920), "patrol": ("patrol-svc", 3381), "dispatch": ("ddcmd", 2205), "gate": ("gatectl", 1460),
         "comm": ("fe104", 1102), "stat": ("energy-stat", 3390), "oil": ("lcugw", 1452), "relay": ("pmsd", 2541),
         "ticket": ("wticket", 3402), "hist": ("histwriter", 1988), "uplink": ("dd-uplink", 2231),
         "grid": ("agcd", 2114), "power": ("lcugw", 1452)}
# what the operators' console calls each module
PLACES = {"agc": "AGC/AVC", "hydro": "水情测报", "lcu": "机组LCU", "tms": "温度监测", "vms": "振摆监测", "patrol": "智能巡检",
          "dispatch": "调度指令", "gate": "闸门监控", "comm": "前置通信", "stat": "电量统计", "oil": "辅机监控",
          "relay": "保护信息子站", "ticket": "两票系统", "hist": "历史数据库", "uplink": "调度数据网", "grid": "一次调频",
          "power": "厂用电监控"}
THREADS = {"agc": ["agc-loop", "agc-dispatch-1"], "hydro": ["telemetry-5min"], "lcu": ["lcu-poll-%d"],
           "tms": ["rtd-scan"], "vms": ["vib-sampler-%d"], "patrol": ["http-nio-8086-exec-%d"],
           "dispatch": ["dd-recv", "dd-ack"], "gate": ["gate-ctl"], "comm": ["iec104-main", "iec104-backup"],
           "stat": ["quartz-stat-%d"], "oil": ["lcu-poll-%d"], "relay": ["relay-sub-%d"],
           "ticket": ["http-nio-8086-exec-%d"], "hist": ["hist-flush"], "uplink": ["uplink-%d"], "grid": ["pfr-mon"],
           "power": ["bzt-mon"]}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 7, 21) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the supervisory servers' own processes: millisecond times, padded level, thread and module in brackets
        th = r.choice(THREADS[module])
        if "%" in th:
            th = th % r.randint(1, 8)
        return "%s,%03d %-5s [%s] [%s@%s] - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, th, module,
                                                 HOSTS[module])
    if form == 1:
        # the operators' console prints the level and the subsystem in Chinese, with the workstation
        cn = {"INFO": "信息", "WARN": "告警", "ERROR": "事故"}[level]
        return "%d/%d/%d %d:%02d:%02d 〔%s〕 操作员站%s｜%s： " % (
            at.year, at.month, at.day, at.hour, at.minute, at.second, cn, r.choice(["A", "A", "B"]), PLACES[module])
    # everything forwarded to the station's log server arrives through syslog
    proc, pid = PROCS[module]
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s %s %s[%d]: <%s> " % (month, at.day, at.strftime("%H:%M:%S"), HOSTS[module], proc, pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "H", 6 * 3600 + 10 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
