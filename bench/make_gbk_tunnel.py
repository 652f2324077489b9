#!/usr/bin/env python3
"""A GBK log of a highway tunnel monitoring and control centre with its truth.

    bench/make_gbk_tunnel.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages of the centre
that watches four tunnels of an expressway: CO/VI detector readings and their CO and
visibility alarms, polls of the area PLCs and their communication failures, traffic counts
from the incident-detection cameras, incidents they detect and the duty officer's review
(a false alarm or a real incident), jet fans started and stopped from the console or failing
to start, lighting circuits switched by the portal luminance and circuits with dead lamps,
a luminance meter that jumps, lane signals changed, variable message signs published or
not, traffic control begun and lifted, rescue orders, vehicles arriving on site and orders
closed, emergency-phone calls, fire-pump test runs passed and failed, header-tank levels
and low water, substation readings and a loss of supply, a fire alarm of the fibre-grating
line detector, the video platform refusing a preview, patrol check-ins, broadcasts, logins
accepted and refused, shift hand-overs, the daily report and equipment overdue for service.
They were written to measure the miner on and not to shape it: no rule was made or tuned on
them. Each message keeps its own frequency, detector readings and PLC polls by the hundred,
a fire alarm once in a few thousand lines. Some messages differ only in a word or two (fans
started or stopped, traffic control begun or lifted, a review that found a false alarm or a
real incident, a login accepted or refused), which a duty officer would still tell from each
other. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# tunnel, bore, stake prefix, first and last metre of the bore along the expressway
TUNNELS = [("青岚山隧道", "左洞", "ZK", 41210, 44985), ("青岚山隧道", "右洞", "YK", 41230, 45010),
           ("白鹤坳隧道", "左洞", "ZK", 57800, 59320), ("白鹤坳隧道", "右洞", "YK", 57815, 59340),
           ("石门二号隧道", "上行", "K", 63100, 63980), ("栖霞岭特长隧道", "左洞", "ZK", 72050, 78630),
           ("栖霞岭特长隧道", "右洞", "YK", 72060, 78655)]
ZONES = ["入口段", "过渡段", "基本段", "出口段", "第3区段", "第7区段"]
LANES = ["行车道", "超车道", "应急车道", "第1车道", "第2车道"]
FANMODES = ["手动（中控）", "自动（CO/VI联动）", "时间表", "就地手动", "火灾模式"]
FANWHY = ["CO浓度上升", "交通量增大（晚高峰）", "养护作业需要", "定时换气", "VI值回落"]
FANERRS = ["变频器故障 E.OC2（过流）", "接触器KM2未吸合", "远程/就地开关处于就地位置", "反馈超时（5s内未收到运行信号）",
           "热继电器动作"]
LIGHTMODES = ["晴天模式", "云天模式", "阴天模式", "重阴天模式", "夜间模式", "深夜模式"]
DIMMING = ["自动调光", "时间表控制", "手动强制"]
TEAMS = ["养护一班", "机电班组", "路政二中队", "消防专班（驻站）"]
PATROLNOTES = ["防火门闭门器松动，已报修", "消火栓箱玻璃破损", "检修道积水约2cm，已清理", "灭火器压力指针处于绿区",
               "电缆沟盖板缺失1块"]
SIGNALS = ["绿色箭头↓", "红叉×", "黄色左转箭头", "熄灭"]
SIGWHY = ["traffic incident ahead", "lane closure for maintenance", "事故处置 封闭行车道", "plan restore",
          "夜间养护 作业结束"]
SIGNS = ["ZK41+050 入口门架情报板", "青岚山隧道洞口F型板", "洞内小型情报板 3#", "白鹤坳收费站出口情报板",
         "栖霞岭隧道入口前 500m 门架板"]
SIGNTEXTS = ["前方隧道 事故处置 请减速慢行", "隧道内禁止变道 禁止停车", "雨天路滑 保持车距", "前方2km 施工 左道封闭",
             "开灯 减速 保持车距", "隧道火灾 禁止驶入"]
SIGNERRS = ["0x2F（通讯超时）", "ERR_CHECKSUM", "NAK 0x15", "屏体离线", "Socket closed by peer"]
INCIDENTS = ["停车事件", "行人闯入", "逆行", "抛洒物", "烟雾", "交通拥堵（排队长度>200m）", "车辆慢行"]
FALSEWHY = ["车灯反光", "养护车辆作业", "摄像机抖动", "隧道壁光影变化", "排队车辆缓行", "蜘蛛网遮挡镜头"]
PLANS = ["《隧道交通事故处置预案》二级响应", "《隧道火灾应急预案》", "《抛洒物清理作业指引》", "《行人闯入处置流程》"]
UNITS = ["路政巡查车", "清障车", "驻站消防", "120急救", "高速交警"]
VEHICLES = ["路政巡查车 路政07", "清障车（重型）QZ-02", "隧道专职消防车 XF-01", "养护抢修车 YH-3", "交警巡逻车"]
CALLWHY = ["车辆抛锚", "轮胎爆胎", "咨询路况", "误拨", "报告前方有抛洒物", "车辆冒烟（已驶出隧道）", "无人应答"]
PUMPS = ["1#消防泵（主）", "2#消防泵（备）", "稳压泵 WY-1", "喷淋泵 PL-2"]
PUMPERRS = ["电机过载保护动作", "出口压力不足，疑似进气", "控制柜处于手动位", "E07 相序错误", "启泵信号无反馈"]
POOLS = ["青岚山高位水池（容积500立方米）", "白鹤坳1#水池", "栖霞岭中部水池（2×300立方米）", "石门消防水池"]
SUBSTATIONS = ["1#变电所（洞口）", "2#变电所（洞内 YK43+100）", "栖霞岭中部变电所", "白鹤坳箱变 XB-2"]
BACKUPS = ["II段母线", "柴油发电机组 DG-1", "UPS+EPS", "备用进线（城东变 982线）"]
PLCERRS = ["ETIMEDOUT", "ECONNRESET", "Modbus exception 0x0B (Gateway Target Device Failed to Respond)",
           "java.net.ConnectException: Connection refused", "CRC mismatch"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
LINKAGES = ["火灾模式风机组", "应急照明", "车道指示器全红", "洞口信号灯红灯", "消防泵", "广播疏散"]
LEFTOVER = ["无", "JF-Y-04风机待厂家检修", "白鹤坳隧道右洞2#紧急电话杂音大，已报修", "AID-Z-011画面模糊，待清洁",
            "CO/VI检测器COVI_Y07数据偏高，待标定"]
EQUIPS = ["射流风机 JF-Z-03", "CO/VI检测器 COVI_Z02", "10kV开关柜 AH3", "消防泵控制柜 XFK-1", "柴油发电机组 DG-1",
          "光纤光栅测温主机", "洞口亮度检测器 L20-Z01"]
CLOSEWHY = ["交通事故处置", "夜间养护作业（清洗灯具）", "抛洒物清理", "消防演练", "车辆故障占道"]
ROLES = ["值班长", "中心主任", "路政中队长", "交警值班民警"]
USERS = ["wangqiang", "tcc_op03", "admin", "liuyang_jd", "dispatch02", "zhao.min"]
CLIENTS = ["TCC Console 3.4.2", "监控大屏 客户端 v2.0", "Patrol App 1.8 (mobile)", "Web 控制台（新版 v3）"]
LOGINERRS = ["BAD_CREDENTIALS", "ACCOUNT_LOCKED", "CAPTCHA_MISMATCH", "PASSWORD_EXPIRED"]
CASTS = ["前方事故 请减速慢行（循环）", "请勿在隧道内停车", "火灾疏散指引 普通话/English", "请开启车灯 保持车距"]
SHIFTS = [("白班", "夜班"), ("夜班", "白班"), ("早班", "中班"), ("中班", "夜班")]
PROVINCES = "湘黔赣鄂"

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def tunnel(r):
    _chosen["t"] = r.choice(TUNNELS)
    return "%s（%s）" % _chosen["t"][:2]


def stake(r):
    _, _, prefix, lo, hi = _chosen["t"]
    at = r.randint(lo, hi)
    return "%s%d+%03d" % (prefix, at // 1000, at % 1000)


def fan(r):
    return "JF-%s-%02d" % (r.choice("ZY"), r.randint(1, 24))


def covi(r):
    return "COVI_%s%02d" % (r.choice("ZY"), r.randint(1, 12))


def vi(r):
    _chosen["vi"] = r.uniform(0.8, 6.5)
    return "%.2f" % _chosen["vi"]


def vis(r):
    return "%d" % round(3000 / _chosen["vi"])


def vihigh(r):
    _chosen["vi"] = r.uniform(7.0, 14.0)
    return "%.2f" % _chosen["vi"]


def change(texts):
    """Two values of `texts` that differ, the first of a change and then the second."""
    def first(r):
        _chosen["from"], _chosen["to"] = r.sample(texts, 2)
        return _chosen["from"]
    return first, lambda r: _chosen["to"]


def circuit(r):
    return r.choice(["基本照明%d回路", "加强照明%d回路", "应急照明回路（EPS-%d）", "引道照明L%d"]) % r.randint(1, 6)


def current(r):
    _chosen["rated"] = r.choice([16, 20, 25, 32])
    return "%.1f" % (_chosen["rated"] * r.uniform(0.35, 0.85))


def checkpoint(r):
    return r.choice(["消火栓箱 XF-%03d" % r.randint(1, 180), "紧急电话 ET-%02d" % r.randint(1, 40),
                     "横通道防火门 %d#" % r.randint(1, 14), "变电所低压柜", "灭火器（ABC干粉 4kg×2）",
                     "风机吊装预埋件 JF-%s-%02d" % (r.choice("ZY"), r.randint(1, 24))])


def camera(r):
    return "AID-%s-%03d" % (r.choice("ZY"), r.randint(1, 60))


def plate(r):
    return "%s%s·%s" % (r.choice(PROVINCES), r.choice("ABCDF"),
                        "".join(r.choice("0123456789TXQ") for _ in range(5)))


def alarms(r):
    _chosen["alarms"] = r.randint(3, 60)
    return str(_chosen["alarms"])


def shiftfrom(r):
    _chosen["shift"] = r.choice(SHIFTS)
    return _chosen["shift"][0]


def day(r, lo, hi, form):
    """A day lo to hi days from the log's, written as `form` with {y} {m} {d} (m and d unpadded)
    or {mm} {dd} (padded)."""
    d = datetime.date(2026, 5, 21) + datetime.timedelta(days=r.randint(lo, hi))
    return form.format(y=d.year, m=d.month, d=d.day, mm="%02d" % d.month, dd="%02d" % d.day)


def clock(r):
    return "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59))


def ip(r):
    return "10.%d.%d.%d" % (r.choice([16, 16, 17]), r.randint(1, 8), r.randint(2, 250))


def luxjump(r):
    a = r.uniform(150, 4500)
    return "%.0f→%.0f" % (a, a * r.choice([r.uniform(0.02, 0.2), r.uniform(3, 12)]))


def fans(r):
    return "、".join(r.sample(["JF-%s-%02d" % (side, k) for side in "ZY" for k in range(1, 25)], r.randint(2, 4)))


def asset(r):
    return "ZC-%s-%05d" % (r.choice(["JD", "TF", "XF", "GD"]), r.randint(1, 99999))


LIGHTFROM, LIGHTTO = change(LIGHTMODES)
SIGFROM, SIGTO = change(SIGNALS)

V = {
    "tunnel": tunnel, "stake": stake, "fan": fan, "covi": covi, "vi": vi, "vis": vis, "vihigh": vihigh,
    "circuit": circuit, "amp": current, "rated": lambda r: str(_chosen["rated"]), "checkpoint": checkpoint,
    "camera": camera, "plate": plate, "alarms": alarms, "shiftfrom": shiftfrom, "ip": ip,
    "shiftto": lambda r: _chosen["shift"][1], "lightfrom": LIGHTFROM, "lightto": LIGHTTO,
    "sigfrom": SIGFROM, "sigto": SIGTO, "clock": clock, "name": name, "luxjump": luxjump,
    "fp": lambda r: str(r.randint(0, _chosen["alarms"])),
    "fans": fans, "asset": asset,
    "zone": pick(ZONES), "lane": pick(LANES), "fanmode": pick(FANMODES), "fanerr": pick(FANERRS),
    "dimming": pick(DIMMING), "team": pick(TEAMS), "sigwhy": pick(SIGWHY), "sign": pick(SIGNS),
    "signtext": pick(SIGNTEXTS), "signerr": pick(SIGNERRS), "incident": pick(INCIDENTS), "falsewhy": pick(FALSEWHY),
    "plan": pick(PLANS), "units": items(UNITS, 1, 3), "vehicle": pick(VEHICLES), "callwhy": pick(CALLWHY),
    "pump": pick(PUMPS), "pumperr": pick(PUMPERRS), "pool": pick(POOLS), "substation": pick(SUBSTATIONS),
    "backup": pick(BACKUPS), "plcerr": pick(PLCERRS), "httpfail": pick(HTTPFAILS), "linkage": items(LINKAGES, 2, 4),
    "leftover": pick(LEFTOVER), "equip": pick(EQUIPS), "closewhy": pick(CLOSEWHY), "role": pick(ROLES),
    "user": pick(USERS), "client": pick(CLIENTS), "loginerr": pick(LOGINERRS), "cast": pick(CASTS),
    "feeder": pick(["I段", "II段"]), "valve": pick(["OPEN", "CLOSED", "OPEN"]),
    "userrole": pick(["operator", "supervisor", "viewer"]), "dir": pick(["顺车流", "逆车流"]),
    "fanwhy": optional(lambda r: "，原因：%s" % r.choice(FANWHY), 0.45),
    "patrolnote": optional(lambda r: "，备注：%s" % r.choice(PATROLNOTES), 0.3),
    "loss": optional(lambda r: "，路产损失预估%.2f元" % r.uniform(300, 48000), 0.35),
    "inside": optional(lambda r: "，车内%d人" % r.randint(1, 5), 0.4),
    "repeat": optional(lambda r: "（第%d次提醒）" % r.randint(2, 4), 0.3),
    "pending": optional(lambda r: " pending_alarms=%d" % r.randint(1, 9), 0.25),
    "co": real(1.5, 45.0), "cohigh": real(100, 260, "%.0f"), "cothr": pick(["100", "150"]), "wind": real(0.2, 6.5),
    "plc": lambda r: "%s-ACU%02d" % (r.choice(["QLS", "BHA", "SM2", "QXL"]), r.randint(1, 16)),
    "di": rint(0, 128), "do": rint(0, 64), "ai": rint(0, 32), "ms": rint(8, 480), "longms": rint(3000, 30000),
    "flow": rint(3, 260), "speed": rint(25, 98), "occ": real(0.5, 38.0), "lux": real(60, 6500, "%.0f"),
    "pct": rint(10, 100), "lamps": rint(1, 12), "laneno": rint(1, 3), "mins": rint(3, 180), "secs": rint(0, 59),
    "conf": rint(62, 99), "alarmid": lambda r: "AL-20260521-%05d" % r.randint(1, 9999),
    "ticket": lambda r: "GD%s-%04d" % (day(r, -1, 0, "{y}{mm}{dd}"), r.randint(1, 400)),
    "ext": lambda r: "ET-%s%02d" % (r.choice("ZY"), r.randint(1, 40)), "callsec": rint(8, 420),
    "mpa": real(0.45, 1.20, "%.2f"), "mpalow": real(0.00, 0.15, "%.2f"), "level": real(1.6, 3.8, "%.2f"),
    "lowlevel": real(0.55, 1.45, "%.2f"), "kv": real(9.80, 10.60, "%.2f"), "kw": rint(120, 1450),
    "pf": real(0.88, 0.99, "%.2f"), "temp": real(32.0, 78.0), "firezone": rint(1, 240, "FZ-%03d"),
    "firetemp": real(58.0, 96.0), "rate": real(8.0, 25.0), "n": rint(2, 9), "try": rint(1, 3),
    "eta": rint(4, 40), "testmins": rint(5, 30),
    "camid": lambda r: "C%02dZ%04d" % (r.randint(1, 7), r.randint(1, 9999)),
    "date": lambda r: day(r, -1, -1, "{y}/{mm}/{dd}"), "cnday": lambda r: day(r, -1, 0, "{y}年{m}月{d}日"),
    "lastdate": lambda r: day(r, -200, -95, "{y}-{mm}-{dd}"), "vol": rint(6000, 48000), "fanh": real(12, 460),
    "kwh": rint(2400, 38000), "days": rint(1, 90), "zonecast": rint(1, 12, "广播分区%02d"), "volume": rint(40, 95),
    "lumdev": lambda r: "L20-%s%02d" % (r.choice("ZY"), r.randint(1, 4)),
    "session": lambda r: "%08x" % r.getrandbits(32),
}

# weight, level, module, message
TEMPLATES = [
    (210, "INFO", "env", "CO/VI检测器{covi}读数：CO={co}ppm，VI={vi}/km（能见度约{vis}m），风速{wind}m/s（{dir}）"),
    (180, "INFO", "plc", "PLC poll ok station={plc} ip={ip} di={di}/128 do={do}/64 ai={ai}/32 cost={ms}ms{pending}"),
    (150, "INFO", "aid", "【交通流】{tunnel}{lane}：车流量{flow}辆/5min，平均车速{speed}km/h，占有率{occ}%"),
    (75, "INFO", "fan", "{tunnel}射流风机{fan}远程启动成功，控制方式：{fanmode}，操作员{name}{fanwhy}"),
    (60, "INFO", "fan", "{tunnel}射流风机{fan}远程停止成功，控制方式：{fanmode}，操作员{name}{fanwhy}"),
    (4, "ERROR", "fan", "{tunnel}射流风机{fan}远程启动失败：{fanerr}，控制方式：{fanmode}，操作员{name}"),
    (85, "INFO", "light", "照明回路切换：{tunnel}{zone}{circuit}，{lightfrom}→{lightto}，洞外亮度{lux}cd/㎡，调光比{pct}%（{dimming}）"),
    (10, "WARN", "light", "照明回路故障：{circuit}（{tunnel}{zone}），{lamps}盏灯具不亮，回路电流{amp}A，额定{rated}A"),
    (2.5, "WARN", "light", "亮度检测器{lumdev}数据异常：洞外亮度跳变 {luxjump} cd/㎡，已沿用上一有效值"),
    (65, "INFO", "patrol", "巡检打卡：{tunnel}桩号{stake}，巡检员{name}（{team}），巡检点「{checkpoint}」正常{patrolnote}"),
    (45, "INFO", "signal", "lane signal changed tunnel=\"{tunnel}\" lane={laneno} from={sigfrom} to={sigto} by={name} reason=\"{sigwhy}\""),
    (32, "INFO", "vms", "可变情报板《{sign}》发布成功：内容「{signtext}」，显示时长{mins}分钟，审核人{name}"),
    (5, "ERROR", "vms", "可变情报板《{sign}》发布失败：内容「{signtext}」，错误码{signerr}，重试{try}/3"),
    (28, "WARN", "env", "CO浓度超限预警：{covi} CO={cohigh}ppm（阈值{cothr}ppm），已联动开启射流风机{fans}"),
    (7, "WARN", "env", "能见度低于阈值：{covi} VI={vihigh}/km，能见度约{vis}m，已联动开启射流风机{fans}"),
    (40, "INFO", "aid", "【AID】事件检测：{camera}在{tunnel}桩号{stake}{lane}检测到{incident}，置信度{conf}%，已推送值班员{name}"),
    (24, "INFO", "aid", "【AID】事件复核：告警编号{alarmid}，值班员{name}确认为误报（{falsewhy}），已关闭"),
    (9, "WARN", "aid", "【AID】事件复核：告警编号{alarmid}，值班员{name}确认为真实事件（{incident}），已启动{plan}"),
    (19, "INFO", "dispatch", "调度指令已下达：工单{ticket}，派遣{units}前往{tunnel}桩号{stake}，事件类型：{incident}，预计{eta}分钟到达"),
    (16, "INFO", "dispatch", "救援车辆到场：工单{ticket}，{vehicle}（{plate}）于{clock}到达现场，出警用时{eta}分{secs}秒"),
    (10, "INFO", "dispatch", "工单{ticket}处置完毕：现场已清理，{tunnel}{lane}恢复通行，占道时长{mins}分钟{loss}"),
    (12, "INFO", "control", "交通管制开始：{tunnel}{lane}，原因：{closewhy}，审批人{name}（{role}）"),
    (10, "INFO", "control", "交通管制解除：{tunnel}{lane}，原因：{closewhy}，审批人{name}（{role}）"),
    (26, "INFO", "phone", "紧急电话呼入：分机{ext}（{tunnel}桩号{stake}），接警员{name}，通话时长{callsec}秒，事由：{callwhy}{inside}"),
    (14, "INFO", "pump", "消防泵巡检：{pump}启泵成功，出口压力{mpa}MPa，水池液位{level}m，运行{testmins}分钟"),
    (3, "ERROR", "pump", "消防泵巡检：{pump}启泵失败，原因：{pumperr}，出口压力{mpalow}MPa，已通知{team}"),
    (13, "INFO", "pump", "tank level {pool} level={level}m ({pct}%) refill_valve={valve}"),
    (4, "WARN", "pump", "高位水池液位低：{pool}液位{lowlevel}m，低于报警值1.50m，补水阀状态={valve}{repeat}"),
    (22, "INFO", "power", "[变电所]{substation} 10kV进线{feeder}：电压{kv}kV，有功功率{kw}kW，功率因数{pf}，变压器温度{temp}℃"),
    (2, "ERROR", "power", "{substation}：10kV进线{feeder}失电，已自动切换至{backup}，切换用时{ms}ms，应急照明由EPS供电"),
    (3, "ERROR", "plc", "PLC communication failed: station={plc} ip={ip} err={plcerr}，连续失败{n}次，{tunnel}{zone}设备状态置为未知"),
    (5, "ERROR", "video", "调用视频平台接口失败：GET /api/v3/cameras/{camid}/preview -> HTTP {httpfail}，耗时{longms}ms"),
    (1.5, "ERROR", "fire", "【火灾报警】{tunnel}光纤光栅测温 分区{firezone}：温度{firetemp}℃，温升速率{rate}℃/min，已联动{linkage}"),
    (20, "INFO", "broadcast", "隧道广播播放：{tunnel}{zonecast}，曲目「{cast}」，音量{volume}%，操作员{name}"),
    (15, "INFO", "auth", "user login success user={user} ip={ip} client=\"{client}\" role={userrole} session={session}"),
    (2.5, "WARN", "auth", "user login failed user={user} ip={ip} client=\"{client}\" reason={loginerr}"),
    (7, "INFO", "duty", "值班交接：{shiftfrom}→{shiftto}，交班人{name}，接班人{name}，遗留事项：{leftover}"),
    (3, "INFO", "report", "日报已生成（{date}）：{tunnel}通行{vol}辆，AID告警{alarms}次（误报{fp}次），风机运行{fanh}台时，耗电{kwh}kWh"),
    (1.5, "WARN", "maint", "设备保养到期提醒：{equip}（资产编号{asset}），上次保养日期{lastdate}，已超期{days}天，登记日期{cnday}"),
]

# the Java services' loggers and threads, for the first header form
LOGGERS = {"env": ("c.q.tcc.env.CoViCollector", "modbus-poller-%d"), "plc": ("c.q.tcc.plc.AcuPoller", "modbus-poller-%d"),
           "aid": ("c.q.tcc.aid.EventConsumer", "aid-consumer-%d"), "fan": ("c.q.tcc.vent.FanController", "ctrl-exec-%d"),
           "light": ("c.q.tcc.light.DimmingService", "ctrl-exec-%d"), "patrol": ("c.q.tcc.patrol.CheckInApi", "http-nio-8080-exec-%d"),
           "signal": ("c.q.tcc.lane.SignalService", "ctrl-exec-%d"), "vms": ("c.q.tcc.vms.PublishService", "vms-sender-%d"),
           "dispatch": ("c.q.tcc.dispatch.TicketService", "http-nio-8080-exec-%d"),
           "control": ("c.q.tcc.dispatch.ClosureService", "http-nio-8080-exec-%d"),
           "phone": ("c.q.tcc.phone.CallRecorder", "sip-worker-%d"), "pump": ("c.q.tcc.fire.PumpMonitor", "modbus-poller-%d"),
           "power": ("c.q.tcc.power.ScadaBridge", "iec104-rx-%d"), "video": ("c.q.tcc.video.PlatformClient", "preview-pool-%d"),
           "fire": ("c.q.tcc.fire.LineDetector", "fbg-reader-%d"), "broadcast": ("c.q.tcc.pa.BroadcastService", "ctrl-exec-%d"),
           "auth": ("c.q.tcc.auth.LoginController", "http-nio-8080-exec-%d"), "duty": ("c.q.tcc.duty.ShiftService", "http-nio-8080-exec-%d"),
           "report": ("c.q.tcc.report.DailyJob", "scheduling-%d"), "maint": ("c.q.tcc.asset.MaintenanceJob", "scheduling-%d")}
# the console's name of each subsystem, for the second
SUBSYSTEMS = {"env": "通风环境", "plc": "区域控制器", "aid": "事件检测", "fan": "通风控制", "light": "照明控制", "patrol": "巡检管理",
              "signal": "车道控制", "vms": "情报板", "dispatch": "应急调度", "control": "交通管制", "phone": "紧急电话",
              "pump": "消防给水", "power": "供配电", "video": "视频监控", "fire": "火灾报警", "broadcast": "有线广播",
              "auth": "系统登录", "duty": "值班管理", "report": "统计报表", "maint": "资产养护"}
# the gateway's program per subsystem and its process id, for the third
DAEMONS = {"env": ("envd", 2214), "plc": ("acud", 2188), "aid": ("aidd", 3307), "fan": ("ventd", 2240), "light": ("lightd", 2251),
           "patrol": ("tccweb", 4410), "signal": ("laned", 2263), "vms": ("vmsd", 2290), "dispatch": ("tccweb", 4410),
           "control": ("tccweb", 4410), "phone": ("phoned", 3051), "pump": ("pumpd", 2302), "power": ("scadad", 1987),
           "video": ("vidgw", 3388), "fire": ("fbgd", 2011), "broadcast": ("pad", 3120), "auth": ("tccweb", 4410),
           "duty": ("tccweb", 4410), "report": ("tccjob", 5127), "maint": ("tccjob", 5127)}


MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 21) + datetime.timedelta(seconds=t)
    if form == 0:
        # the centre's Java services: comma before the milliseconds, padded level, thread, logger
        logger, thread = LOGGERS[module]
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level,
                                            thread % r.randint(1, 8), logger)
    if form == 1:
        # the operators' console writes its own log with the level and the subsystem in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        stamp = "%d年%02d月%02d日 %s" % (at.year, at.month, at.day, at.strftime("%H:%M:%S"))
        return "[%s] [%s] [主机：TCC-SRV%02d] [%s] " % (stamp, cn, r.choice([1, 1, 2]), SUBSYSTEMS[module])
    # the field gateway forwards by syslog: priority of facility local0, BSD time stamp, host, program
    prog, pid = DAEMONS[module]
    pri = 128 + {"INFO": 6, "WARN": 4, "ERROR": 3}[level]
    return "<%d>%s %2d %s tcc-gw%02d %s[%d]: " % (pri, MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                                  r.choice([1, 2, 3]), prog, pid)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "TN", 5 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
