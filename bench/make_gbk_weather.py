#!/usr/bin/env python3
"""A GBK log of a provincial automatic-weather-station and radar network with its truth.

    bench/make_gbk_weather.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages of the
provincial data centre on a summer day: station reports received and stored, duplicate
reports dropped, station heartbeats, missing hourly reports and their recalls (fetched or
not), the hourly and daily arrival statistics, quality control (batch results, suspicious and
erroneous values), sensor faults and recoveries, links lost and restored, collector clocks
drifting, threshold alarms (short-duration heavy rain, gale, high temperature) and their
lifting, warning signals issued, upgraded and lifted by the county offices, radar volume scans
finished or incomplete and radar status alarms, products generated or failed, distributed or
not, the open data interface answering or refusing, database writes failing, the archive disk
filling up, station maintenance begun and finished, and sensors due for calibration.  The
messages were written to measure the miner on and not to shape it: no rule was made or tuned
on them.  Each message keeps its own frequency, station reports by the hundred and a daily
statistic once in a few thousand lines.  One of three header forms by the seed.  The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

DAY = datetime.datetime(2026, 7, 14)

# station number, its name as the station register writes it
STATIONS = [("58457", "杭州（国家基本站）"), ("K1203", "临安天目山"), ("K1248", "淳安千岛湖梅峰岛"),
            ("58543", "萧山（国家一般站）"), ("K2317", "安吉龙王山（山洪隐患点）"), ("K3106", "诸暨枫桥"),
            ("K4422", "天台华顶"), ("58646", "丽水（国家基准站）"), ("K5819", "龙泉凤阳山 1850m"),
            ("K6031", "泰顺乌岩岭"), ("K7315", "嵊州崇仁"), ("K8090", "桐庐瑶琳"), ("K0912", "建德新安江大坝"),
            ("K1577", "余杭径山"), ("K2660", "长兴水口"), ("58556", "嵊泗（海岛站）"),
            ("K9734", "朱家尖（浮标站B-2）"), ("K3388", "仙居神仙居景区"), ("K4710", "文成百丈漈"),
            ("K5203", "庆元百山祖（无人值守）")]
COUNTIES = ["临安区", "淳安县", "建德市", "桐庐县", "安吉县", "诸暨市", "天台县", "仙居县", "文成县", "泰顺县",
            "龙泉市", "庆元县", "嵊州市", "景宁畲族自治县"]
TOWNS = ["昌化镇", "於潜镇", "千岛湖镇", "威坪镇", "分水镇", "孝丰镇", "枫桥镇", "街头镇", "白塔镇", "大峃镇",
         "雅阳镇", "屏南镇", "崇仁镇", "鹤溪街道"]
CHANNELS = ["4G", "北斗短报文", "光纤专线", "GPRS（备份）"]
# element code, Chinese name, unit, usual range, the range that is physically impossible
ELEMENTS = [("TEM", "气温", "℃", 22.0, 38.0, (-60.0, 60.0)), ("RHU", "相对湿度", "%", 45.0, 100.0, (0.0, 100.0)),
            ("PRE_1h", "小时雨量", "mm", 0.0, 60.0, (0.0, 250.0)), ("WIN_S_Max", "最大风速", "m/s", 0.5, 18.0, (0.0, 75.0)),
            ("PRS", "本站气压", "hPa", 985.0, 1008.0, (500.0, 1100.0)), ("GST", "地表温度", "℃", 24.0, 66.0, (-80.0, 90.0)),
            ("VIS", "能见度", "m", 800.0, 30000.0, (0.0, 99999.0))]
QCRULES = ["时间一致性检查（1小时变化量超限）", "空间一致性检查（与周边5站偏差过大）", "内部一致性检查（最高值小于当前值）",
           "台站极值检查", "持续性检查（连续6小时不变）"]
WINDDIRS = ["北（N）", "东北偏北（NNE）", "东北（NE）", "东（E）", "东南（SE）", "南偏西（SSW）", "西南（SW）", "西（W）",
            "西北（NW）"]
NOTIFY = ["值班预报员", "县局值班室", "乡镇防汛责任人", "水利部门联络员", "地质灾害点监测员"]
# signal and the colours it comes in, weakest first
SIGNALS = [("暴雨", ["蓝色", "黄色", "橙色", "红色"]), ("大风", ["蓝色", "黄色", "橙色", "红色"]),
           ("高温", ["黄色", "橙色", "红色"]), ("雷电", ["黄色", "橙色", "红色"]), ("台风", ["蓝色", "黄色", "橙色", "红色"])]
# sensor, its model with its maker, the faults only it has
SENSORS = [("温湿度传感器", "HMQ-72（恒岳仪器）", ["湿度持续100%超过12小时"]),
           ("翻斗雨量传感器", "SL3-1型 0.1mm（启川测控）", ["翻斗卡滞：本站3小时雨量0.0mm，邻站均超过20mm"]),
           ("超声波风传感器", "WS-Ultra 2D（澄风科技）", ["风速为0但风向频繁跳变", "探头结露，有效样本不足"]),
           ("气压传感器", "QY-1A（北辰传感）", ["气压日变化超过15hPa"]),
           ("前向散射能见度仪", "VF-900（澄明光电）", ["镜头污染报警 window contamination 86%"]),
           ("地温传感器组", "DW-05（恒岳仪器）", ["40cm地温通道开路"]),
           ("称重式降水传感器", "CZ-600 / 600mm（启川测控）", ["承水桶已满，需人工排水"])]
# faults any sensor can have
FAULTS = ["数据连续120分钟恒定不变", "输出超量程（-99999）", "RS485通信超时无应答", "供电电压低于9.5V，采样中断",
          "自检失败 checksum mismatch"]
MTYPES = ["例行巡检", "故障维修", "传感器更换", "防雷检测", "采集器固件升级", "站点迁建踏勘"]
PARTS = ["温湿度传感器", "防辐射罩", "翻斗雨量筒", "风杆避雷针", "蓄电池 12V/100Ah", "太阳能板", "4G DTU 模块",
         "采集器主板"]
RESULTS = ["设备运行正常", "数据已恢复，待观察24小时", "需返厂维修，暂用备件", "站点环境需整改（树木遮挡）"]
# radar name, site code, wave band
RADARS = [("杭州S波段双偏振雷达", "ZR01"), ("衢州C波段雷达", "ZR02"), ("温州S波段雷达（龙湾）", "ZR03"),
          ("舟山S波段雷达 海岛站", "ZR04"), ("丽水X波段相控阵雷达-1号", "ZX11"), ("湖州X波段相控阵雷达-2号", "ZX12")]
VCPS = [("VCP21", 9), ("VCP11", 14), ("VCP31", 5), ("VCP21D", 9)]
RREASONS = ["伺服系统方位角跳变", "发射机高压故障，体扫中断", "网络传输中断，分片丢失", "天线仰角定位超差",
            "接收机噪声温度异常"]
RDESCS = ["Transmitter peak power low", "Klystron filament current out of range", "Pedestal elevation motor over temperature",
          "Waveguide arc detected", "Receiver noise level degraded"]
PRODUCTS = ["逐小时降水实况图", "全省短时临近预报（0-2小时）", "雷达组合反射率拼图 CR", "乡镇精细化预报", "重要天气报告",
            "地质灾害气象风险预警", "城市内涝风险预报", "逐10分钟极大风分布图"]
FORMATS = ["PNG", "NetCDF", "JSON", "GRIB2", "DOCX", "TXT"]
TARGETS = ["省应急管理厅", "水利厅防汛平台", "电视台天气预报栏目", "12121声讯平台", "官方微博", "短信平台",
           "市县气象局", "交通运输指挥中心"]
PROTOS = ["FTP", "SFTP", "HTTP POST", "MQ推送", "邮件"]
# the errors each way of sending can meet
DISTERRS = {"FTP": ["530 Login incorrect.", "553 Could not create file.", "java.net.ConnectException: Connection refused"],
            "SFTP": ["com.jcraft.jsch.JSchException: Auth fail", "java.net.ConnectException: Connection refused"],
            "HTTP POST": ["HTTP 502 Bad Gateway", "HTTP 503 Service Unavailable", "Read timed out"],
            "MQ推送": ["AMQP channel closed (reply-code=404, NOT_FOUND)", "Read timed out"],
            "邮件": ["SMTP 421 Service not available", "SMTP 552 Message size exceeds fixed maximum"]}
RECALLSRC = ["采集器存储补传", "北斗通道补发", "县局人工补录", "邻近中心站转发"]
RECALLFAILS = ["站点离线", "采集器无该时次记录", "补调指令超时（300s）", "DTU 拒绝连接 ECONNRESET"]
LINKERRS = ["TCP_KEEPALIVE_TIMEOUT", "NO_CARRIER", "SIM_SUSPENDED", "POWER_LOST", "ECONNRESET"]
APPS = ["inst-hydro-01", "city-traffic", "agri-svc-07", "ins-risk-02", "edu-screen-03"]
APIREFUSALS = ["401 Unauthorized appkey已过期", "403 Forbidden 无该要素访问权限", "429 Too Many Requests 超出每分钟60次限额"]
PERRS = ["java.io.FileNotFoundException: /data/grid/PRE_1H_{ymdh}.nc (No such file or directory)",
         "有效插值站点不足（{few}站 < 30站）",
         "java.lang.OutOfMemoryError: Java heap space",
         "KeyError: 'PRE_1h'（Traceback见 /var/log/prodgen/err.log）",
         "雷达拼图输入缺失：{radars}"]

_chosen = {}  # what the header or a line's earlier value chose, for the values after it that must agree


def now():
    return DAY + datetime.timedelta(seconds=_chosen.get("t", 0))


def station(r):
    _chosen["st"] = r.choice(STATIONS)
    return _chosen["st"][0]


def slot(r, minutes):
    """A report's observation time: the last whole `minutes` before the line's time."""
    t = now() - datetime.timedelta(minutes=r.choice([0, 0, minutes]))
    return t.replace(minute=t.minute - t.minute % minutes, second=0)


def obsfile(r):
    return "Z_SURF_I_%s_%s_O_AWS_FTM.txt" % (station(r), slot(r, 5).strftime("%Y%m%d%H%M%S"))


def proto(r):
    _chosen["proto"] = r.choice(PROTOS)
    return _chosen["proto"]


def rain1h(r):
    _chosen["thr"] = r.choice([20, 30, 50])
    return "%.1f" % r.uniform(_chosen["thr"], _chosen["thr"] * 1.9)


def hot(r):
    _chosen["thr"] = r.choice([35, 37, 40])
    return "%.1f" % r.uniform(_chosen["thr"], _chosen["thr"] + 2.6)


def element(r):
    _chosen["el"] = r.choice(ELEMENTS)
    return _chosen["el"][1]


def suspicious(r):
    _, _, unit, lo, hi, (_, top) = _chosen["el"]
    up = hi + (hi - lo) * r.uniform(0.05, 0.4)
    v = up if up < top and r.random() < 0.5 else lo - (hi - lo) * r.uniform(0.0, 0.2)
    return ("%d%s" if unit == "m" else "%.1f%s") % (v, unit)


def wrong(r):
    _, _, unit, _, _, (lo, hi) = _chosen["el"]
    v = r.choice([hi + r.uniform(1, 60), lo - r.uniform(1, 40)] + [c for c in (9999.9, -999.9) if not lo <= c <= hi])
    return ("%d%s" if unit == "m" else "%.1f%s") % (v, unit)


def limits(r):
    _, _, unit, _, _, (lo, hi) = _chosen["el"]
    return "%g～%g%s" % (lo, hi, unit)


def gust(r):
    v = r.uniform(17.2, 36.0)
    _chosen["bf"] = next(b for b, top in ((8, 20.7), (9, 24.4), (10, 28.4), (11, 32.6), (12, 99)) if v <= top)
    return "%.1f" % v


def signal(r):
    _chosen["sig"] = r.choice(SIGNALS)
    return _chosen["sig"][0]


def colour(r):
    return r.choice(_chosen["sig"][1])


def upgrade(r):
    sig, colours = _chosen["sig"]
    k = r.randint(0, len(colours) - 2)
    return "由%s%s升级为%s%s" % (sig, colours[k], sig, colours[k + 1])


def sigtime(r):
    t = now() - datetime.timedelta(minutes=r.randint(0, 8))
    return "%d月%d日%d时%02d分" % (t.month, t.day, t.hour, t.minute)


def prodtime(r):
    t = slot(r, 60)
    return "%02d日%02d时" % (t.day, t.hour)


def sensor(r):
    _chosen["sen"] = r.choice(SENSORS)
    return _chosen["sen"][0]


def fault(r):
    return r.choice(FAULTS + _chosen["sen"][2] * 3)


def radar(r):
    _chosen["radar"] = r.choice(RADARS)
    return _chosen["radar"][0]


def vcp(r):
    _chosen["vcp"] = r.choice(VCPS)
    return _chosen["vcp"][0]


def scanstart(r):
    t = now() - datetime.timedelta(minutes=r.randint(5, 7))
    _chosen["scan"] = t.replace(minute=t.minute - t.minute % 6, second=0)
    return _chosen["scan"].strftime("%H:%M:%S")


def radarfile(r):
    return "/data/radar/%s/%s/Z_RADR_I_%s_%s_O_DOR_SAD_CAP_FMT.bin.bz2" % (
        _chosen["radar"][1], _chosen["scan"].strftime("%Y%m%d"), _chosen["radar"][1],
        _chosen["scan"].strftime("%Y%m%d%H%M%S"))


def tiltsdone(r):
    return "%d/%d" % (r.randint(1, _chosen["vcp"][1] - 1), _chosen["vcp"][1])


def produce_error(r):
    return gbk_messages.fill(r, r.choice(PERRS), {
        "ymdh": lambda r: slot(r, 60).strftime("%Y%m%d_%H00"), "few": rint(6, 28),
        "radars": lambda r: "、".join(c for _, c in r.sample(RADARS, r.randint(1, 3)))})


def hourlymiss(r):
    k = r.randint(0, 4)
    if k == 0:
        return "无"
    return "、".join(s for s, _ in r.sample(STATIONS, k))


def arrivals(r):
    due = r.choice([2318, 2318, 2318, 2321])
    got = due - r.choice([0, 1, 2, 3, 5, 8, 14])
    return "应到%d站 实到%d站 到报率%.2f%%" % (due, got, 100.0 * got / due)


def daily(r):
    due = 2318 * 24
    got = due - r.randint(15, 420)
    timely = got - r.randint(40, 900)
    return "%s全省自动站%d个，应到%d份，实到%d份，到报率%.2f%%，及时率%.2f%%" % (
        (DAY - datetime.timedelta(days=1)).strftime("%Y/%m/%d"), 2318, due, got, 100.0 * got / due,
        100.0 * timely / due)


def clockskew(r):
    skew = r.choice([-1, 1]) * r.randint(31, 900)
    dev = now() + datetime.timedelta(seconds=skew)
    return "采集器时间%s，服务器时间%s，偏差%+d秒" % (dev.strftime("%Y-%m-%dT%H:%M:%S"), now().strftime("%Y-%m-%dT%H:%M:%S"),
                                          skew)


def lastseen(r):
    return (now() - datetime.timedelta(seconds=r.randint(300, 5400))).strftime("%H:%M:%S")


def query(r):
    k = r.randint(0, 3)
    if k == 0:
        return "/open/radar/cr/latest?radars=%s" % ",".join(c for _, c in r.sample(RADARS, r.randint(1, 3)))
    if k == 1:
        return "/open/warning/active?areacode=3301%02d" % r.randint(2, 27)
    return "/open/aws/%s?stations=%s&elements=%s" % (
        ["hourly", "minute"][k - 2], ",".join(s for s, _ in r.sample(STATIONS, r.randint(1, 4))),
        ",".join(e for e, *_ in r.sample(ELEMENTS, r.randint(1, 3))))


def workorder(r):
    return "WX-%s-%04d" % (DAY.strftime("%y%m%d"), r.randint(1, 180))


def due(r):
    d = DAY.date() + datetime.timedelta(days=r.randint(3, 45))
    return "%d年%d月%d日" % (d.year, d.month, d.day)


V = {
    "stid": station, "stname": lambda r: _chosen["st"][1], "obsfile": obsfile,
    "obstime": lambda r: slot(r, 5).strftime("%Y-%m-%d %H:%M"), "hourslot": lambda r: slot(r, 60).strftime("%Y-%m-%d %H时"),
    "hh": lambda r: slot(r, 60).strftime("%H"),
    "element": element, "elcode": lambda r: _chosen["el"][0], "suspicious": suspicious, "wrong": wrong,
    "limits": limits, "qcrule": pick(QCRULES),
    "gust": gust, "beaufort": lambda r: str(_chosen["bf"]), "wdir": pick(WINDDIRS),
    "signal": signal, "colour": colour, "upgrade": upgrade, "sigtime": sigtime, "prodtime": prodtime,
    "sensor": sensor, "model": lambda r: _chosen["sen"][1], "fault": fault,
    "radar": radar, "radarcode": lambda r: _chosen["radar"][1], "vcp": vcp, "tilts": lambda r: str(_chosen["vcp"][1]),
    "scanstart": scanstart, "radarfile": radarfile, "tiltsdone": tiltsdone, "rreason": pick(RREASONS),
    "rdesc": pick(RDESCS), "perr": produce_error, "hourlymiss": hourlymiss, "arrivals": arrivals, "daily": daily,
    "clockskew": clockskew, "lastseen": lastseen, "query": query, "workorder": workorder, "due": due,
    "county": pick(COUNTIES), "areas": items(TOWNS, 1, 5), "chan": pick(CHANNELS), "notify": items(NOTIFY, 1, 3),
    "mtype": pick(MTYPES), "parts": items(PARTS, 1, 3), "result": pick(RESULTS), "product": pick(PRODUCTS),
    "fmt": pick(FORMATS), "targets": items(TARGETS, 1, 4), "target": pick(TARGETS), "proto": proto,
    "disterr": lambda r: r.choice(DISTERRS[_chosen["proto"]]), "recallsrc": pick(RECALLSRC), "recallfail": pick(RECALLFAILS),
    "linkerr": pick(LINKERRS), "app": pick(APPS), "refusal": pick(APIREFUSALS), "name": name,
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(1, 3))),
    "alarmkind": pick(["短时强降水", "大风", "高温", "连续降水"]),
    "ta": real(21.0, 39.5), "rh": rint(38, 100), "rain": real(0.0, 12.0), "ms": rint(3, 480), "bigms": rint(800, 30000),
    "kb": real(0.6, 4.8), "delay": rint(2, 240), "elems": rint(12, 68), "late": rint(5, 55), "nrec": rint(6, 60),
    "rain1h": rain1h, "hot": hot, "thr": lambda r: str(_chosen["thr"]), "clock": lambda r: now().strftime("%H:%M"), "mins": rint(10, 400),
    "rssi": rint(-109, -61), "volt": real(11.2, 13.9), "solar": real(0.0, 21.5), "uptime": rint(1, 2200),
    "mb": real(6.0, 48.0), "kw": real(180.0, 640.0), "rcode": rint(1, 480, "RDA-%03d"), "pkb": rint(40, 26000),
    "try": rint(1, 3), "n": rint(2, 12), "batch": lambda r: now().strftime("QC%Y%m%d%H%M"), "total": rint(2200, 2330),
    "sus": rint(0, 40), "bad": rint(0, 9), "missed": rint(0, 30), "errcode": lambda r: r.choice(["E-SEN-%03d", "0x%04X"]) % r.randint(1, 4095),
    "md5": lambda r: "%032x" % r.getrandbits(128), "pct": rint(86, 99), "gb": real(12.0, 180.0), "olddays": rint(30, 90),
    "cached": rint(20, 3500), "ym": lambda r: DAY.strftime("%Y%m"), "hours": pick(["2", "4", "6", "8"]),
    "appkey": lambda r: "ak_%012x" % r.getrandbits(48), "rows": rint(0, 4600), "ip": lambda r: "10.%d.%d.%d" % (
        r.randint(20, 40), r.randint(0, 255), r.randint(2, 250)),
    "recall": optional(lambda r: "，已自动发起补调", 0.6),
    "notified": optional(lambda r: "，已短信通知：%s" % "、".join(r.sample(NOTIFY, r.randint(1, 3))), 0.5),
    "sigarea": optional(lambda r: "，影响区域：%s" % "、".join(r.sample(TOWNS, r.randint(1, 5))), 0.55),
    "sigfore": optional(lambda r: "，预计未来%d小时%s" % (r.choice([1, 2, 3, 6]), r.choice(
        ["仍有强降水", "风力可达9级以上", "最高气温将升至39℃以上", "可能发生雷电活动，并伴有短时大风"])), 0.4),
    "backup": optional(lambda r: "，已切换备用通道（%s）" % r.choice([p for p in PROTOS if p != _chosen["proto"]]), 0.35),
    "maintnote": optional(lambda r: "，备注：%s" % r.choice(["需登塔作业，已报备", "站点位于水库管理区，需提前联系",
                                                         "山路塌方，改道步行约2km"]), 0.3),
    "station_note": optional(lambda r: "，人工比对：%s" % r.choice(["偏差在允许范围内", "偏高1.2℃", "待复测"]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "obs", "观测数据入库：站号{stid}（{stname}），观测时间{obstime}，要素{elems}个，气温{ta}℃，相对湿度{rh}%，"
                         "5分钟雨量{rain}mm，入库耗时{ms}ms"),
    (190, "INFO", "obs", "收到观测报文 file={obsfile} size={kb}KB via={chan} delay={delay}s"),
    (120, "INFO", "comm", "heartbeat ok station={stid} rssi={rssi}dBm battery={volt}V solar={solar}V uptime={uptime}h"),
    (95, "INFO", "radar", "雷达体扫完成：{radar}（{radarcode}），模式{vcp}，仰角{tilts}层，开始时间{scanstart}，"
                          "数据量{mb}MB，归档 {radarfile}"),
    (70, "INFO", "product", "产品生成成功：《{product}》，时次{prodtime}，格式{fmt}，大小{pkb}KB，用时{ms}ms"),
    (60, "INFO", "dist", "产品分发成功：《{product}》 -> {targets}（{proto}），耗时{ms}ms"),
    (55, "INFO", "qc", "质控批次完成 batch={batch} 站次={total} 可疑={sus} 错误={bad} 缺测={missed} 耗时={bigms}ms"),
    (42, "INFO", "api", "api access: GET {query} -> 200 OK, rows={rows}, {ms}ms, app={app}（{ip}）"),
    (36, "WARN", "obs", "缺报：站号{stid}（{stname}）{hourslot}正点资料未到报，已超时{late}分钟{recall}"),
    (30, "INFO", "obs", "补调成功：站号{stid}（{stname}），时次{hourslot}，补收{nrec}条分钟数据，来源：{recallsrc}"),
    (28, "WARN", "qc", "质控可疑：站号{stid}（{stname}）{element}[{elcode}]={suspicious}，{qcrule}未通过，已标记为可疑（质控码1）"),
    (24, "WARN", "alarm", "【短时强降水】{stid}（{stname}）1小时雨量{rain1h}mm，达到报警阈值{thr}mm，报警时间{clock}{notified}"),
    (18, "INFO", "obs", "duplicate message dropped: file={obsfile} md5={md5}"),
    (15, "INFO", "alarm", "报警解除：{stid}（{stname}）【{alarmkind}】报警已解除，持续{mins}分钟"),
    (13, "WARN", "alarm", "【大风】{stid}（{stname}）极大风速{gust}m/s（{beaufort}级），风向{wdir}，达到报警阈值17.2m/s"),
    (11, "ERROR", "qc", "质控错误：站号{stid}（{stname}）{element}[{elcode}]={wrong}，超出气候界限值{limits}，已置为错误（质控码2）"),
    (10, "WARN", "alarm", "【高温】{stid}（{stname}）气温{hot}℃，超过报警阈值{thr}℃，出现时间{clock}{notified}"),
    (9, "INFO", "obs", "整点到报统计：{hh}时次 {arrivals}，缺报站：{hourlymiss}"),
    (8, "WARN", "obs", "补调失败：站号{stid}（{stname}），时次{hourslot}，原因：{recallfail}，第{try}次"),
    (7, "ERROR", "sensor", "传感器故障：站号{stid}，{sensor}（型号 {model}）{fault}，错误码{errcode}"),
    (6.5, "ERROR", "comm", "station link down: station={stid} last_seen={lastseen} reason={linkerr}，连续{n}次召测无应答"),
    (6, "WARN", "signal", "预警信号发布：{county}气象台{sigtime}发布{signal}{colour}预警信号，签发人{name}{sigarea}{sigfore}"),
    (5.5, "INFO", "comm", "通信恢复：站号{stid}（{stname}），中断{mins}分钟，已补传{nrec}条记录"),
    (5, "ERROR", "dist", "产品分发失败：《{product}》 -> {target}（{proto}），错误：{disterr}，第{try}/3次重试{backup}"),
    (4.5, "INFO", "signal", "预警信号解除：{county}气象台{sigtime}解除{signal}{colour}预警信号，签发人{name}"),
    (4, "WARN", "radar", "雷达体扫不完整：{radar}（{radarcode}），模式{vcp}，开始时间{scanstart}，仅完成{tiltsdone}层，原因：{rreason}"),
    (3.5, "INFO", "sensor", "传感器恢复正常：站号{stid}，{sensor}（型号 {model}），故障持续{mins}分钟{station_note}"),
    (3.2, "INFO", "maint", "站点维护开始：{stid}（{stname}），类型：{mtype}，工单{workorder}，维护人员{names}，预计{hours}小时{maintnote}"),
    (3, "ERROR", "product", "产品生成失败：《{product}》，时次{prodtime}，原因：{perr}"),
    (2.8, "WARN", "api", "api access: GET {query} -> {refusal}, app={app}（{ip}）, appkey={appkey}"),
    (2.5, "INFO", "maint", "站点维护完成：工单{workorder}，{stid}（{stname}），更换部件：{parts}，用时{mins}分钟，结论：{result}"),
    (2.2, "WARN", "obs", "站点时钟偏差：{stid}（{stname}）{clockskew}，已下发校时指令"),
    (2, "WARN", "signal", "预警信号升级：{county}气象台{sigtime}将{signal}预警信号{upgrade}，签发人{name}{sigarea}"),
    (1.8, "ERROR", "radar", "radar status alarm: site={radarcode} code={rcode} desc=\"{rdesc}\" xmtr_power={kw}kW"),
    (1.6, "ERROR", "db", "数据入库失败：表surf_aws_min_{ym}，java.sql.SQLTransientConnectionException: obs-pool - Connection is "
                         "not available, request timed out after 30000ms.，已写入本地缓存{cached}条"),
    (1.5, "WARN", "sys", "归档磁盘空间不足：/data/radar 使用率{pct}%（阈值85%），剩余{gb}GB，已清理{olddays}天前的基数据"),
    (1.4, "WARN", "maint", "传感器检定到期提醒：站号{stid}（{stname}），{sensor}（型号 {model}）检定有效期至{due}，请安排送检"),
    (1.3, "INFO", "obs", "日到报统计：{daily}"),
]

# the classes and threads each module logs from, for the headers
CLASSES = {"obs": ("c.y.aws.ingest.ObsReceiver", "obs-recv-%d"), "comm": ("c.y.aws.link.StationLink", "link-poll-%d"),
           "radar": ("c.y.radar.VolumeArchiver", "radar-%d"), "product": ("c.y.prod.ProductJob", "prodgen-%d"),
           "dist": ("c.y.dist.Dispatcher", "dist-worker-%d"), "qc": ("c.y.qc.QualityControl", "qc-sched-%d"),
           "api": ("c.y.open.ApiGateway", "http-nio-8080-exec-%d"), "alarm": ("c.y.alarm.ThresholdAlarm", "alarm-%d"),
           "sensor": ("c.y.aws.SensorMonitor", "sensor-mon-%d"), "signal": ("c.y.warn.SignalService", "signal-%d"),
           "maint": ("c.y.ops.Maintenance", "ops-%d"), "db": ("c.y.aws.ingest.ObsWriter", "obs-writer-%d"),
           "sys": ("c.y.ops.DiskWatch", "scheduling-%d")}
# what the operators' console calls each module
CNAMES = {"obs": "资料收集", "comm": "通信监控", "radar": "雷达", "product": "产品加工", "dist": "产品分发", "qc": "质控",
          "api": "共享接口", "alarm": "阈值报警", "sensor": "设备监控", "signal": "预警信号", "maint": "运维",
          "db": "数据库", "sys": "系统"}
PROCS = {"obs": ("awsrecv", 2231), "comm": ("awslink", 2240), "radar": ("radarsvc", 3310), "product": ("prodgen", 4127),
         "dist": ("distd", 4130), "qc": ("qcsvc", 2250), "api": ("opengw", 5502), "alarm": ("alarmd", 2262),
         "sensor": ("awslink", 2240), "signal": ("warnsvc", 6011), "maint": ("opsd", 7003), "db": ("awsrecv", 2231),
         "sys": ("diskwatch", 901)}
HOSTS = ["sjzx-app01", "sjzx-app02", "sjzx-app03"]


def header(r, form, t, level, module):
    _chosen["t"] = t
    at = now()
    ms = r.randint(0, 999)
    if form == 0:
        # the centre's Java services log through a pattern with the thread and the class
        cls, thread = CLASSES[module]
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, thread % r.randint(1, 8), level, cls)
    if form == 1:
        # the operators' console writes the date, the level and the module in Chinese, and the host
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s/%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, r.choice(HOSTS), CNAMES[module])
    # collected by syslog from the hosts, the level in lower case after the process
    proc, pid = PROCS[module]
    return "%s %s %s[%d]: <%s> " % (at.strftime("%b %d %H:%M:%S"), r.choice(HOSTS), proc, pid,
                                   {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "W", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
