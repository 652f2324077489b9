#!/usr/bin/env python3
"""A GBK log of a city's district-heating company with its truth.

    bench/make_gbk_heating.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages of the heating
season: heat-exchange stations reporting their supply and return temperatures and pressures,
polling rounds of the station terminals and their communication errors, room-temperature
sensors and their low batteries, electric control valves moved and circulation pumps re-tuned,
weather compensation, make-up water, return water too cold, primary-network pressure over its
limit, water loss, a burst pipe, a pump tripping, the heat plant's dispatch orders; customers
binding their account in the WeChat service, paying their heating fee (succeeded or failed),
bank callbacks failing, e-invoices, heating suspensions approved or refused, repair tickets
taken, dispatched and closed, hotline cases passed on, rooms below the standard temperature,
heat meters read or unreachable, valves of households opened or shut remotely (and a shut that
failed), reminders to pay, station patrols, the history database refusing writes, the daily
report and the billing reconciliation. They were written to measure the miner on and not to
shape it: no rule was made or tuned on them. Each message keeps its own frequency, station
readings by the hundred and a burst pipe once in a few thousand lines. One of three header
forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# heat-exchange stations as the operators call them, with their codes in the monitoring system
STATIONS = [("幸福里换热站", "HRZ-0107"), ("滨河苑2#站", "HRZ-0212"), ("建设路换热站（地下室）", "HRZ-0031"),
            ("东关小区站", "HRZ-0145"), ("翠湖湾一期换热站", "HRZ-0388"), ("龙泉花园3号站（高区）", "HRZ-0402"),
            ("铁路新村站", "HRZ-0056"), ("开发区管委会站", "HRZ-0519"), ("第二中学换热站", "HRZ-0233"),
            ("锦绣江南 B区站", "HRZ-0461"), ("人民医院专用站", "HRZ-0090")]
# residential estates the customers live in
ESTATES = ["幸福里小区", "滨河苑", "翠湖湾（一期）", "龙泉花园", "铁路新村（老旧小区改造）", "锦绣江南", "东关小区",
           "金色家园 二期", "阳光100国际公寓", "供电局家属院", "水岸名邸"]
PLANTS = ["北郊热电厂", "东岭燃气锅炉房", "西区调峰热源（2×58MW）", "城南热电联产有限公司"]
SIDES = ["一次网", "二次网低区", "二次网高区"]
SOURCES = ["气候补偿自动", "水力平衡算法 v2.3", "调度中心远程下发", "站内PLC本地"]
CURVES = ["标准曲线 A", "节能曲线 B（夜间降温）", "严寒曲线", "公建分时曲线"]
WEATHER = ["站内室外温度传感器", "气象局接口", "人工录入"]
PAYCH = ["WECHAT_PAY", "ALIPAY", "ICBC_COUNTER", "CCB_ONLINE", "营业厅现金", "供热公众号"]
PAYFAILS = ["余额不足", "银行卡已冻结", "订单已超时关闭（超过15分钟未支付）", "户号状态异常：已报停",
            "重复缴费拦截", "BANK_SYSTEM_BUSY"]
PROBLEMS = ["暖气不热，室温只有14℃左右", "暖气片漏水，滴到楼下", "卫生间暖气片上热下凉", "家里有异响（咚咚声）",
            "阀门拧不动了", "地暖分水器漏水", "整栋楼都不热", "放气阀坏了，一直冒气"]
REMARKS = ["家中有老人，请尽快", "下午3点后有人", "已是第二次报修", "房屋出租，联系租客", "上门前请先打电话"]
TEAMS = ["抢修一队", "抢修二队 夜班", "东区维修班", "西区维修班（外包）", "管网抢修中心"]
FIXES = ["排气后恢复正常", "更换暖气片阀门1个", "清洗过滤器，疏通堵塞", "入户阀门未全开，已调整",
         "楼内立管失调，已做平衡调节", "用户自行关阀，已告知"]
SATISFY = ["非常满意", "满意", "基本满意", "不满意"]
CHECKS = ["一次网进出口压力", "板换温差", "循环泵运行声音", "除污器压差", "补水箱水位", "配电柜温度",
          "站内有无渗漏", "门禁与视频"]
HOTSRC = ["12345市民热线", "市长信箱", "住建局转办", "网络问政平台"]
REJECTS = ["已过报停申请截止日期（11月5日）", "该楼栋为共用立管，无法单户停暖", "存在历史欠费未结清",
           "未提供房产证明材料"]
BUYERS = ["个人", "宁川市第二中学", "宁川恒远商贸有限公司", "开发区管理委员会（财政局）", "宁川市人民医院"]
OPENREASONS = ["欠费已结清", "报停期满恢复供热", "用户申请恢复供热", "误关阀，已核实"]
SHUTREASONS = ["欠费未缴（累计%d天）", "用户申请报停", "楼内漏水，临时关阀"]
VERRS = [("E104", "阀门电机堵转"), ("E207", "LoRa无应答"), ("E301", "电池电压过低"), ("E315", "阀位反馈异常")]
PUMPFAULTS = [("F0001", "过流保护"), ("OU2", "减速中过电压"), ("F0011", "电机过载"), ("Er.PHO", "输出缺相"),
              ("E-21", "轴承温度高")]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
MODERRS = ["ERR_MODBUS_TIMEOUT", "CRC_MISMATCH", "ECONNRESET", "ILLEGAL_DATA_ADDRESS"]
DBERRS = ["java.sql.SQLTransientConnectionException: HikariPool-1 - Connection is not available, request timed out after 30000ms.",
          "org.postgresql.util.PSQLException: ERROR: could not extend file: No space left on device",
          "org.springframework.dao.DeadlockLoserDataAccessException: deadlock detected",
          "java.net.SocketException: Connection reset"]
PIPES = ["东环路DN600主干线", "建设路与和平街交叉口DN400支线", "铁路桥下DN300架空管", "滨河路（3号检查井～5号检查井）DN500",
         "开发区纬三路DN350直埋管"]
MIRRORS = ["微信公众号", "支付宝生活号", "掌上热力APP"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def station(r):
    _chosen["s"] = r.choice(STATIONS)
    return _chosen["s"][0]


def scode(r):
    _chosen["s"] = r.choice(STATIONS)
    return _chosen["s"][1]


def addr(r):
    return "%s%d号楼%d单元%d%02d室" % (r.choice(ESTATES), r.randint(1, 32), r.randint(1, 4), r.randint(1, 26),
                                   r.randint(1, 4))


def household(r):
    """An account number: district, estate, household."""
    return "%02d%03d%05d" % (r.randint(1, 9), r.randint(1, 420), r.randint(1, 99999))


def high(key, lo, hi, fmt):
    def make(r):
        _chosen[key] = r.uniform(lo, hi)
        return fmt % _chosen[key]
    return make


def below(key, lo, hi, fmt):
    """A value that many below the line's earlier `key`: a return temperature after its supply."""
    return lambda r: fmt % (_chosen[key] - r.uniform(lo, hi))


def area(r):
    _chosen["area"] = r.uniform(42, 186)
    return "%.2f" % _chosen["area"]


def price(r):
    _chosen["price"] = r.choice([22.5, 24.0, 26.0, 28.0])
    return "%.2f" % _chosen["price"]


def fee(r):
    return "%.2f" % (_chosen["area"] * _chosen["price"])


def points(r):
    _chosen["pts"] = r.randint(24, 480)
    return str(_chosen["pts"])


def timeouts(r):
    _chosen["to"] = r.choice([0, 0, 0, 0, 1, 2, 5])
    return str(_chosen["to"])


def valvegap(r):
    a = r.randint(15, 95)
    b = max(5, min(100, a + r.choice([-1, 1]) * r.randint(2, 18)))
    return "%d%% → %d%%" % (a, b)


def freq(r):
    a = r.uniform(30, 48)
    return "%.1fHz->%.1fHz" % (a, a + r.choice([-1, 1]) * r.uniform(0.5, 4))


def day(r, lo, hi, form):
    d = datetime.date(2025, 12, 8) + datetime.timedelta(days=r.randint(lo, hi))
    if form == 0:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if form == 1:
        return d.strftime("%Y-%m-%d")
    return "%d月%d日" % (d.month, d.day)


def shut(r):
    why = r.choice(SHUTREASONS)
    return why % r.randint(30, 400) if "%" in why else why


def verr(r):
    code, text = r.choice(VERRS)
    return "%s（%s）" % (code, text)


def pumpfault(r):
    code, text = r.choice(PUMPFAULTS)
    return "%s「%s」" % (code, text)


def pump(r):
    _chosen["pump"] = r.randint(1, 3)
    return "%d#循环泵" % _chosen["pump"]


def pressure_limit(r):
    p = r.uniform(1.21, 1.48)
    return "P1g=%.2fMPa，上限%.2fMPa" % (p, r.choice([1.20, 1.20, 1.15]))


def stations_online(r):
    total = r.randint(380, 420)
    return "%d/%d" % (total - r.randint(0, 9), total)


V = {
    "station": station, "scode": scode, "sname": lambda r: _chosen["s"][0],
    "addr": addr, "estate": pick(ESTATES), "hh": household, "name": name,
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "t1g": high("t1", 72, 108, "%.1f"), "t1h": below("t1", 24, 42, "%.1f"),
    "t2g": high("t2", 40, 56, "%.1f"), "t2h": below("t2", 4, 11, "%.1f"),
    "p1g": real(0.62, 1.12, "%.2f"), "p2g": real(0.28, 0.58, "%.2f"), "flow": real(18, 420, "%.1f"),
    "room": real(17.5, 24.8), "lowroom": real(11.0, 17.4), "hum": rint(18, 62), "batt": rint(21, 100),
    "lowbatt": rint(3, 15),
    "sensor": lambda r: "TS%02X%06X" % (r.randint(0, 255), r.getrandbits(24)),
    "signal": optional(lambda r: "，信号强度%ddBm" % r.randint(-118, -71), 0.35),
    "rtu": lambda r: "RTU-%02d" % r.randint(1, 48), "pts": points,
    "ok": lambda r: str(_chosen["pts"] - _chosen["to"]), "to": timeouts, "ms": rint(80, 2900),
    "side": pick(SIDES), "valve": lambda r: "FV-%d%02d" % (r.randint(1, 3), r.randint(1, 12)), "gap": valvegap,
    "src": pick(SOURCES), "area": area, "price": price, "fee": fee, "paych": pick(PAYCH), "payfail": pick(PAYFAILS),
    "trade": lambda r: "PAY%s%010d" % (day(r, -2, 0, 1).replace("-", ""), r.randint(0, 10 ** 10 - 1)),
    "payer": optional(lambda r: "，缴费人%s（代缴）" % name(r), 0.3),
    "pump": pump, "freq": freq, "head": real(18, 46), "spare": lambda r: "%d#" % (_chosen["pump"] % 3 + 1),
    "out": real(-21.5, 3.5), "wsrc": pick(WEATHER), "target": real(38, 55), "curve": pick(CURVES),
    "wo": lambda r: "GD%s%04d" % (day(r, -3, 0, 1).replace("-", "")[2:], r.randint(1, 3800)),
    "prob": pick(PROBLEMS), "remark": optional(lambda r: "，备注：%s" % r.choice(REMARKS), 0.4),
    "team": pick(TEAMS), "hours": pick(["2", "4", "12", "24"]), "fix": pick(FIXES), "mins": rint(12, 185),
    "sat": optional(lambda r: "，回访满意度：%s" % r.choice(SATISFY), 0.5),
    "meter": lambda r: "HM%02d%s%05d" % (r.randint(15, 24), r.choice("ABCDK"), r.randint(0, 99999)),
    "gj": real(0.5, 96.0, "%.3f"), "tons": real(20, 3800, "%.2f"), "kw": real(0.4, 12.5, "%.2f"),
    "dt": real(3.0, 16.0), "try": rint(1, 3),
    "conc": optional(lambda r: "，集中器 JZQ-%04d（%d号楼弱电井）" % (r.randint(1, 900), r.randint(1, 30)), 0.4),
    "low": real(24.0, 31.9), "lim": pick(["32", "33", "35"]), "plimit": pressure_limit, "plant": pick(PLANTS),
    "pset": pick(["0.30", "0.32", "0.35", "0.40"]), "pnow": real(0.18, 0.29, "%.2f"), "water": real(1.5, 48, "%.1f"),
    "night": optional(lambda r: "（夜间自动补水）", 0.3),
    "season": pick(["2025-2026采暖季", "2025.11.15～2026.03.15", "本采暖季剩余期间"]),
    "base": real(180, 1200, "%.2f"), "reject": pick(REJECTS),
    "checks": items(CHECKS, 2, 4), "gps": optional(lambda r: "，GPS(38.%04d,114.%04d)" % (r.randint(0, 9999), r.randint(0, 9999)), 0.35),
    "hotline": lambda r: "RX%s%06d" % (day(r, -5, 0, 1).replace("-", ""), r.randint(0, 999999)),
    "hotsrc": pick(HOTSRC), "days": rint(1, 7),
    "invoice": lambda r: "%020d" % r.randint(0, 10 ** 20 - 1), "buyer": pick(BUYERS), "fee2": real(800, 9800, "%.2f"),
    "email": optional(lambda r: "，已推送至%s" % r.choice(["邮箱 cw***@163.com", "短信", "微信卡包"]), 0.55),
    "reg": lambda r: "0x%04X" % r.randint(0, 0x1FFF), "moderr": pick(MODERRS),
    "rate": real(1.2, 6.5, "%.2f"), "rlim": pick(["1", "1.5"]),
    "shut": shut, "openreason": pick(OPENREASONS),
    "uv": lambda r: "UV-%08X" % r.getrandbits(32), "verr": verr,
    "httpfail": pick(HTTPFAILS), "dberr": pick(DBERRS),
    "ym": lambda r: "2025_12", "rows": rint(60, 4800), "pumpfault": pumpfault,
    "clock": lambda r: "%02d:%02d" % (r.randint(0, 23), r.choice([0, 30])),
    "tfrom": rint(78, 98), "tto": rint(85, 112), "mw": real(180, 960), "cmd": lambda r: "DD-%03d" % r.randint(1, 400),
    "pipe": pick(PIPES), "drop": real(0.12, 0.45, "%.2f"), "sv": lambda r: "%d#、%d#" % (r.randint(1, 20), r.randint(21, 40)),
    "estates": items(ESTATES, 2, 4),
    "yesterday": lambda r: day(r, -1, -1, 0), "reconday": lambda r: day(r, -1, -1, 1),
    "due": lambda r: day(r, 10, 23, 2), "gjday": real(21000, 58000, "%.0f"), "unit": real(0.21, 0.48, "%.3f"),
    "online": stations_online, "tickets": rint(40, 460), "count": rint(260, 9800), "sum": real(80000, 2600000, "%.2f"),
    "diffs": rint(0, 6), "households": rint(300, 5200),
    "openid": lambda r: "o%s" % "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnpqrstuvwxyz0123456789_-")
                                        for _ in range(27)),
    "mirror": pick(MIRRORS),
}

# weight, level, module, message
TEMPLATES = [
    (210, "INFO", "scada", "实时数据 station={scode} name=「{sname}」 T1g={t1g}℃ T1h={t1h}℃ T2g={t2g}℃ T2h={t2h}℃ "
                           "P1g={p1g}MPa P2g={p2g}MPa F2={flow}t/h"),
    (170, "INFO", "roomtemp", "室温采集：{addr}，室温{room}℃，湿度{hum}%，采集器{sensor}，电量{batt}%{signal}"),
    (120, "INFO", "poll", "poll round done: rtu={rtu} station={scode} points={pts} timeout={to} ok={ok} cost={ms}ms"),
    (95, "INFO", "valve", "电动调节阀动作：{station}{side}（{valve}）开度 {gap}，指令来源：{src}"),
    (85, "INFO", "pay", "缴费成功：户号{hh}，{addr}，建筑面积{area}㎡，单价{price}元/㎡，金额{fee}元，渠道：{paych}，"
                        "交易号{trade}{payer}"),
    (55, "INFO", "pump", "循环泵变频调整 [{station}] {pump} freq={freq} 扬程{head}m"),
    (48, "INFO", "weather", "气候补偿计算：室外温度{out}℃（来源：{wsrc}），目标二次供水温度{target}℃，曲线《{curve}》"),
    (42, "INFO", "ticket", "受理报修：工单号{wo}，来电人{name}（{phone}），地址：{addr}，问题描述「{prob}」{remark}"),
    (38, "INFO", "ticket", "工单派发：{wo} -> 维修班组【{team}】，负责人{name}，要求{hours}小时内上门"),
    (34, "INFO", "ticket", "工单完工：{wo}，处理结果：{fix}，上门实测室温{room}℃，用时{mins}分钟{sat}"),
    (30, "INFO", "meter", "热表抄表 meter_id={meter} hh={hh} 累计热量={gj}GJ 累计流量={tons}t 瞬时功率={kw}kW 温差={dt}℃"),
    (25, "INFO", "wx", "用户绑定户号：{mirror} openid={openid}，户号{hh}，手机{phone}"),
    (26, "WARN", "scada", "【回水温度偏低】{station} 二次网回水温度{low}℃，低于下限{lim}℃，已持续{mins}分钟"),
    (22, "WARN", "meter", "热表通讯失败：表号{meter}（{estate}），M-Bus应答超时，第{try}次重试{conc}"),
    (20, "INFO", "makeup", "补水泵启动：{station}，定压点压力{pnow}MPa（设定值{pset}MPa），本次补水{water}吨{night}"),
    (17, "WARN", "scada", "一次网压力超限：{station} {plimit}，已通知热源「{plant}」调度降压"),
    (15, "WARN", "pay", "缴费失败：户号{hh}，{addr}，金额{fee2}元，渠道：{paych}，原因：{payfail}"),
    (14, "WARN", "roomtemp", "室温不达标：{addr}，当前室温{lowroom}℃，低于18℃标准，已连续{hours}小时，自动生成工单{wo}"),
    (13, "INFO", "stop", "报停申请审核通过：户号{hh}，{addr}，申请人{name}，报停期限：{season}，收取基础热费{base}元"),
    (12, "INFO", "patrol", "巡检打卡：{station}，巡检员{name}，检查项目：{checks}，结果：正常{gps}"),
    (10, "WARN", "ticket", "热线转办：工单{hotline}（{hotsrc}），{addr}，诉求：{prob}，限{days}个工作日内办结并反馈"),
    (9, "INFO", "invoice", "电子发票开具成功：发票号码{invoice}，户号{hh}，购方「{buyer}」，价税合计{fee2}元{email}"),
    (8, "ERROR", "poll", "RTU communication error: rtu={rtu} station={scode} func=0x03 addr={reg} err={moderr} "
                         "after {ms}ms，本轮数据标记为「可疑」"),
    (7, "WARN", "scada", "失水率异常：{station}二次网今日补水{water}吨，失水率{rate}%（标准≤{rlim}%），疑似管网泄漏，请安排排查"),
    (6, "INFO", "valve", "远程关阀成功：户号{hh}，{addr}，原因：{shut}，户阀{uv}，操作人{name}"),
    (5, "INFO", "valve", "远程开阀成功：户号{hh}，{addr}，原因：{openreason}，户阀{uv}，操作人{name}"),
    (4.5, "ERROR", "pay", "bank callback failed: POST /api/v1/pay/notify -> HTTP {httpfail}, channel={paych}, "
                          "trade_no={trade}, retry={try}/5"),
    (4, "WARN", "stop", "报停申请审核驳回：户号{hh}，{addr}，申请人{name}，驳回原因：{reject}"),
    (4, "ERROR", "history", "写入历史库失败：{dberr} 表hist_station_{ym}，{rows}条记录已转存本地缓存"),
    (3, "ERROR", "valve", "远程关阀失败：户号{hh}，户阀{uv}，错误码{verr}，已转人工上门处理"),
    (3, "ERROR", "pump", "循环泵故障停机：{station} {pump}，故障代码{pumpfault}，备用泵{spare}已自动投入"),
    (2.5, "INFO", "dispatch", "热源调度指令{cmd}：{plant}自{clock}起一次网供水温度由{tfrom}℃调至{tto}℃，总热负荷{mw}MW"),
    (2, "ERROR", "scada", "管网泄漏告警：{pipe}压降{drop}MPa/{mins}分钟，已关闭分段阀{sv}，影响小区：{estates}，"
                          "抢修队【{team}】已出发"),
    (1.8, "INFO", "report", "供热日报（{yesterday}）：平均室外温度{out}℃，全网供热量{gjday}GJ，单耗{unit}GJ/㎡，"
                            "在线换热站{online}座，报修{tickets}件"),
    (1.6, "INFO", "billing", "对账完成 {reconday} 渠道={paych} 笔数={count} 金额={sum}元 差异={diffs}笔"),
    (1.4, "WARN", "roomtemp", "采集器电量低：{sensor}（{addr}），剩余电量{lowbatt}%，预计{days}天后离线"),
    (1.3, "WARN", "billing", "欠费催缴：已向{households}户发送催缴短信，累计欠费{sum}元，请于{due}前缴清"),
]

# the Java class each module logs from, for the first header form
LOGGERS = {"scada": "c.b.h.scada.StationDataHandler", "roomtemp": "c.b.h.iot.RoomTempReceiver",
           "poll": "c.b.h.scada.RtuPoller", "valve": "c.b.h.control.ValveCommandService",
           "pay": "c.b.h.billing.PaymentService", "pump": "c.b.h.control.PumpController",
           "weather": "c.b.h.control.WeatherCompensator", "ticket": "c.b.h.service.WorkOrderService",
           "meter": "c.b.h.iot.HeatMeterReader", "wx": "c.b.h.portal.AccountBindController",
           "makeup": "c.b.h.control.MakeupWaterMonitor", "stop": "c.b.h.billing.SuspensionService",
           "patrol": "c.b.h.service.PatrolService", "invoice": "c.b.h.billing.EInvoiceClient",
           "history": "c.b.h.store.HistoryWriter", "dispatch": "c.b.h.control.SourceDispatch",
           "report": "c.b.h.report.DailyReportJob", "billing": "c.b.h.billing.ReconcileJob"}
THREADS = {"scada": "scada-recv-%d", "roomtemp": "mqtt-consumer-%d", "poll": "rtu-poller-%d", "valve": "ctl-exec-%d",
           "pay": "http-nio-8080-exec-%d", "pump": "ctl-exec-%d", "weather": "scheduling-%d",
           "ticket": "http-nio-8080-exec-%d", "meter": "mbus-reader-%d", "wx": "http-nio-8080-exec-%d",
           "makeup": "scada-recv-%d", "stop": "http-nio-8080-exec-%d", "patrol": "http-nio-8080-exec-%d",
           "invoice": "async-invoice-%d", "history": "hist-writer-%d", "dispatch": "scheduling-%d",
           "report": "quartz-worker-%d", "billing": "quartz-worker-%d"}
# the subsystem each module belongs to, as the operators' console names it
SYSTEMS = {"scada": "热网监控", "roomtemp": "室温采集", "poll": "数据采集", "valve": "阀门控制", "pay": "收费系统",
           "pump": "泵站控制", "weather": "气候补偿", "ticket": "客服工单", "meter": "热计量", "wx": "网上营业厅",
           "makeup": "补水定压", "stop": "收费系统", "patrol": "巡检管理", "invoice": "电子发票", "history": "历史数据",
           "dispatch": "调度中心", "report": "报表", "billing": "收费系统"}
HOSTS = {"scada": "hw-scada01", "roomtemp": "hw-iot02", "poll": "hw-scada02", "valve": "hw-ctl01", "pay": "hw-pay01",
         "pump": "hw-ctl01", "weather": "hw-ctl02", "ticket": "hw-crm01", "meter": "hw-iot01", "wx": "hw-web01",
         "makeup": "hw-scada01", "stop": "hw-pay02", "patrol": "hw-crm01", "invoice": "hw-pay02",
         "history": "hw-db-proxy", "dispatch": "hw-ctl02", "report": "hw-job01", "billing": "hw-job01"}


MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()


def header(r, form, t, level, module):
    at = datetime.datetime(2025, 12, 8) + datetime.timedelta(seconds=t)
    if form == 0:
        # the platform's Java services: time with milliseconds, the thread in brackets, the logger
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999),
                                            THREADS[module] % r.randint(1, 12), level, LOGGERS[module])
    if form == 1:
        # the dispatch-room console writes the level and the subsystem in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s][%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, SYSTEMS[module], HOSTS[module])
    # the same services forwarded through syslog from each host, the level as one letter
    return "%s %2d %s %s heatnet-%s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), HOSTS[module],
                                                   module, 2000 + sum(map(ord, module)), level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "H", 6 * 3600 + 10 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
