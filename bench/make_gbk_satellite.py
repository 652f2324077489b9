#!/usr/bin/env python3
"""A GBK log of a Chinese satellite ground station's operations with its truth.

    bench/make_gbk_satellite.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (telemetry
frames received with a good CRC and with a bad one, antenna tracking samples, downlink signal
levels in dBm, pass predictions, acquisition and loss of signal, the antenna slewing to its
preset and a tracking error out of limits, servo faults, demodulators locking and losing lock,
frame sync lost, downlink segments written to disk, archives completed and failed, data pushed
to the user centre or refused, quick-look images, uplink commands sent and refused, command
acknowledgements and their timeouts, the power amplifier's reflected power and its interlock,
the daily plan sent out and its conflicts, orbit elements updated and an orbit propagation that
throws, station timing in and out of tolerance, weather, wind stows, storage filling up,
operators logging in, shift hand-overs and the diesel generator's self test), written to
measure the miner on and not to shape it: no rule was made or tuned on them. Each message
keeps its own frequency, telemetry frames by the hundred and a generator self test once in a
few thousand lines. One of three header forms by the seed. The output depends only on the
arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# satellite as the operators call it, its short code in machine messages, and its downlink band
SATS = [("青羽一号A星（QY-1A）", "QY1A", "X"), ("青羽一号B星（QY-1B）", "QY1B", "X"), ("澜海三号（LH-3）", "LH03", "S"),
        ("星衡02星", "XH02", "S"), ("鹭影遥感-07", "LY07", "X"), ("TJ-SAT 5", "TJS5", "Ka"),
        ("启明微纳卫星 Q-11", "QM11", "UHF")]
SATNAMES = [s[0] for s in SATS]
SATCODES = [s[1] for s in SATS]
STATIONS = ["北礁站", "云岭站（二号场区）", "沙湾测控站", "海坨站", "南岙临时站（车载）"]
ANTENNAS = ["ANT-01（12m S/X 双频）", "ANT-02（7.3m X）", "ANT-03（4.5m S）", "ANT-05（13m Ka/X）",
            "ANT-07（车载 3.7m）"]
ANTIDS = ["ANT01", "ANT02", "ANT03", "ANT05", "ANT07"]
DEMODS = ["DEM-A1", "DEM-A2", "DEM-B1（备份）", "高速解调器 HSD-3"]
MODS = ["BPSK", "QPSK", "OQPSK", "8PSK", "16APSK", "GMSK"]
# command code and what it does
COMMANDS = [("0x1A03", "载荷开机"), ("0x1A04", "载荷关机"), ("0x2210", "姿态模式切换（对日定向）"),
            ("0x2211", "姿态模式切换（对地定向）"), ("0x3301", "固存回放 全部"), ("0x3305", "固存擦除 区段2"),
            ("0x4102", "蓄电池充电倍率设置"), ("0x5000", "时间码注入"), ("0x6107", "相机成像参数上注"),
            ("0x7F01", "应急模式退出")]
UPREFUSE = ["上行载波未锁定", "指令校验和错误（CHK_ERR）", "星上拒收：NACK code=0x0C", "超出指令发送窗口",
            "遥控加密认证失败（AUTH_FAIL）", "上行功放未就绪 HPA not ready"]
VCS = ["VC0", "VC1", "VC2", "VC5", "VC63（空闲帧）"]
SERVOS = [("SRV-101", "方位电机过流"), ("SRV-117", "俯仰限位触发"), ("SRV-203", "编码器读数跳变"),
          ("SRV-310", "驱动器通信超时"), ("SRV-402", "刹车未释放")]
ARCHIVES = ["《2026年第1季度原始数据归档》", "《QY系列L0级数据库》", "《遥测历史库 TMDB》", "《快视产品库》"]
ARCFAILS = ["java.io.IOException: No space left on device", "MD5校验不一致（源端与归档端不符）",
            "磁带库机械臂忙 TAPE_BUSY", "ORA-01653: unable to extend table ARCH.L0_INDEX",
            "目标卷 /archive/vol07 只读"]
USERS = ["遥感数据中心（北京）", "海洋应用中心", "应急管理平台", "气象合作单位「云图科技」", "高校用户 南方理工大学"]
PUSHFAILS = ["HTTP 503 Service Unavailable", "HTTP 401 Unauthorized", "HTTP 413 Payload Too Large",
             "SFTP: Connection reset by peer", "HTTP 504 Gateway Timeout"]
PRODUCTS = ["L0原始码流", "L1A辐射校正产品", "快视图像", "遥测解析结果", "轨道数据 OEM"]
TLESRC = ["北美公开轨道目录", "本站精轨确定", "任务中心下发", "合作站共享"]
ROLES = ["值班长", "测控操作员", "数传操作员", "设备保障工程师", "调度员"]
INTERLOCKS = ["反射功率超限", "波导充气压力低", "功放温度过高（>65℃）", "天线不在安全区", "急停按钮按下"]
WEATHERS = ["晴", "多云", "阴", "小雨", "中雨", "雷阵雨", "大风", "浮尘"]
ARRAYS = ["存储阵列 RAID-A（原始数据区）", "NAS-02 快视产品区", "/data/l0 卷", "SAN 存储池 POOL-1"]
CONFLICTS = ["按优先级保留前者", "后者顺延至下一弧段", "已提交调度员人工裁决", "改由{station}执行"]
ORBERRS = ["OrbitPropagationException: eccentricity out of range (e=1.0214)",
           "java.lang.NullPointerException at o.q.gs.orbit.Sgp4Propagator.propagate(Sgp4Propagator.java:218)",
           "TleParseException: checksum mismatch on line 2",
           "ArithmeticException: / by zero"]
CHANNELS = ["L0", "L1", "SSD-2"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def sat(r):
    _chosen["sat"] = r.choice(SATS)
    return _chosen["sat"][0]


def satcode(r):
    _chosen["sat"] = r.choice(SATS)
    return _chosen["sat"][1]


def band(r):
    return _chosen["sat"][2]


def freq(r):
    b = _chosen["sat"][2]
    lo, hi = {"X": (8025, 8400), "S": (2200, 2290), "Ka": (25500, 27000), "UHF": (435, 438)}[b]
    return "%.3f" % r.uniform(lo, hi)


def clock(r, day=0):
    return datetime.datetime(2026, 3, 14 + day, r.randint(0, 23), r.randint(0, 59), r.randint(0, 59))


def aos(r):
    t = clock(r)
    _chosen["aos"] = t
    return t.strftime("%Y-%m-%d %H:%M:%S")


def los(r):
    d = datetime.timedelta(seconds=r.randint(240, 780))
    _chosen["dur"] = d.seconds
    return (_chosen["aos"] + d).strftime("%H:%M:%S")


def doy(r):
    t = clock(r)
    return "%s/%s" % (t.strftime("%j"), t.strftime("%H:%M:%S"))


def cnday(r):
    t = clock(r, r.randint(0, 1))
    return "%d年%d月%d日 %02d时%02d分" % (t.year, t.month, t.day, t.hour, t.minute)


def command(r):
    code, what = r.choice(COMMANDS)
    return "%s（%s）" % (code, what)


def servo(r):
    code, what = r.choice(SERVOS)
    return "code=%s（%s）" % (code, what)


def taskid(r):
    return "DT-260314-%s-%03d" % (r.choice(SATCODES), r.randint(1, 40))


def datafile(r):
    return "《%s_L0_20260314_orbit %05d.dat》" % (r.choice(SATCODES), r.randint(10000, 42000))


def orbit(r):
    return str(r.randint(10000, 42000))


def md5(r):
    return "%032x" % r.getrandbits(128)


def conflict(r):
    return r.choice(CONFLICTS).replace("{station}", r.choice(STATIONS))


def pair(r):
    a, b = r.sample(SATCODES, 2)
    return "%s 与 %s" % (a, b)


def window(r):
    t = clock(r)
    e = t + datetime.timedelta(minutes=r.randint(4, 14))
    return "%s～%s" % (t.strftime("%H:%M"), e.strftime("%H:%M"))


def plansats(r):
    return "、".join("%s(%d)" % (c, r.randint(1, 4)) for c in r.sample(SATCODES, r.randint(2, 5)))


def tle_epoch(r):
    return "26%03d.%08d" % (r.randint(70, 73), r.randint(0, 99999999))


def lonlat(r):
    return "（%.3f°E，%.3f°N）" % (r.uniform(73, 135), r.uniform(18, 53))


def ip(r):
    return "10.%d.%d.%d" % (r.choice([12, 12, 30]), r.randint(1, 9), r.randint(10, 250))


def dbm_low(r):
    thr = r.choice([-95, -92, -90, -88])
    _chosen["thr"] = thr
    return "%.1f" % (thr - r.uniform(0.3, 9))


def pct(lo, hi):
    return lambda r: "%.1f%%" % r.uniform(lo, hi)


def vswr(r):
    fwd = r.uniform(200, 1600)
    ref = fwd * r.uniform(0.04, 0.12)
    return "前向功率%.0fW，反射功率%.1fW，VSWR=%.2f" % (fwd, ref, (1 + (ref / fwd) ** 0.5) / (1 - (ref / fwd) ** 0.5))


V = {
    "name": name, "sat": sat, "satcode": satcode, "band": band, "freq": freq, "ant": pick(ANTENNAS),
    "antid": pick(ANTIDS),
    "aos": aos, "los": los, "dur": lambda r: "%d分%02d秒" % divmod(_chosen["dur"], 60),
    "doy": doy, "cnday": cnday, "command": command, "servo": servo, "taskid": taskid, "file": datafile,
    "orbit": orbit, "md5": md5, "conflict": conflict, "pair": pair, "window": window, "plansats": plansats,
    "epoch": tle_epoch, "lonlat": lonlat, "ip": ip, "lowdbm": dbm_low, "thr": lambda r: str(_chosen["thr"]),
    "vswr": vswr,
    "station": pick(STATIONS), "demod": pick(DEMODS), "mod": pick(MODS), "vc": pick(VCS),
    "uprefuse": pick(UPREFUSE), "archive": pick(ARCHIVES), "arcfail": pick(ARCFAILS), "user": pick(USERS),
    "pushfail": pick(PUSHFAILS), "products": items(PRODUCTS, 1, 3), "tlesrc": pick(TLESRC), "role": pick(ROLES),
    "interlock": pick(INTERLOCKS), "weather": pick(WEATHERS), "array": pick(ARRAYS), "orberr": pick(ORBERRS),
    "chan": pick(CHANNELS), "mode": pick(["AUTOTRACK", "AUTOTRACK", "PROGRAM", "MEMORY"]),
    "fc": rint(0, 16777215), "flen": pick(["1024", "1115", "2048", "892"]), "ebn0": real(6.5, 14.0, "%.2f"),
    "az": real(0, 359.99, "%.3f"), "el": real(5, 89.9, "%.3f"), "err": real(0.0, 0.03, "%.4f"),
    "bigerr": real(0.12, 1.8, "%.3f"), "agc": real(-98, -62, "%.1f"), "dbm": real(-96, -58, "%.1f"),
    "cn0": real(58, 92, "%.1f"), "doppler": real(-210, 210, "%+.3f"), "seg": rint(1, 480), "mb": real(64, 512, "%.2f"),
    "rate": pick(["150", "300", "450", "600", "900", "1200"]), "maxel": real(5, 89, "%.1f"),
    "lock": rint(180, 4200), "secs": rint(3, 240), "gb": real(1.2, 96, "%.2f"),
    "arcs": rint(4, 28), "abn": rint(0, 5), "ms": rint(12, 980), "bigms": rint(5000, 30000),
    "cmdid": lambda r: "UC%06d" % r.randint(1, 999999), "hpa": rint(1, 3),
    "ns": rint(3, 95), "bigns": rint(350, 9000), "ntp": real(0.1, 4.8, "%.2f"), "sats": rint(8, 24),
    "temp": real(-12, 36, "%.1f"), "hum": rint(18, 98), "wind": real(0.2, 12.5, "%.1f"),
    "gale": real(18.0, 31.5, "%.1f"), "rain": real(0, 12, "%.1f"), "pres": real(940, 1030, "%.1f"),
    "usage": pct(85, 99.4), "tb": real(0.2, 9.8, "%.2f"), "cloud": rint(0, 100), "scene": lambda r: "%s-%05d-%03d" % (
        r.choice(SATCODES), r.randint(10000, 42000), r.randint(1, 60)),
    "plan": lambda r: "PLN-20260314-%02d" % r.randint(1, 6), "axis": real(6871, 7178, "%.3f"),
    "incl": real(97.2, 98.9, "%.4f"), "kg": real(180, 960, "%.1f"), "kw": real(80, 240, "%.1f"),
    "frames": rint(2, 64), "tlmframes": rint(800, 60000), "sync": pick(["1ACFFC1D", "EB90", "FAF320"]),
    "shiftname": pick(["白班（08:00-20:00）", "夜班（20:00-次日08:00）"]),
    "hpatemp": real(38, 64, "%.1f"),
    # pieces that only some lines of a message carry
    "retry": optional(lambda r: "，第%d次重试" % r.randint(1, 3), 0.3),
    "fixnote": optional(lambda r: "，已通知%s%s" % (r.choice(ROLES), name(r)), 0.45),
    "fee": optional(lambda r: "，本次分发计费%.2f元" % r.uniform(30, 4800), 0.35),
    "rainnote": optional(lambda r: "，雨衰补偿+%.1fdB" % r.uniform(0.5, 6), 0.3),
    "arcnote": optional(lambda r: "，备份磁带%s" % ("LTO8-%05d" % r.randint(1, 3000)), 0.4),
    "reason": optional(lambda r: "，原因：%s" % r.choice(["雨衰", "低仰角多径", "天线指向偏差", "星上发射机功率下降",
                                                     "邻站同频干扰"]), 0.5),
    "loginvia": optional(lambda r: "（%s）" % r.choice(["VPN 远程", "本地控制台", "堡垒机跳转"]), 0.5),
    "handnote": optional(lambda r: "，遗留问题：%s" % r.choice(["ANT-03俯仰编码器偶发跳变，待厂家「恒远伺服」处理",
                                                         "DEM-A2 需重启观察", "无", "空调2号机组滤网待更换"]), 0.4),
    "ackextra": optional(lambda r: " exec_time=%s" % clock(r).strftime("%H:%M:%S"), 0.4),
}

# weight, level, module, message
TEMPLATES = [
    (260, "INFO", "tlm", "遥测帧接收：卫星{satcode} {vc} 帧计数={fc}，帧长{flen}字节，CRC校验通过，Eb/N0={ebn0}dB"),
    (210, "INFO", "acu", "{antid} tracking az={az}° el={el}° err_az={err}° err_el={err}° AGC={agc}dBm mode={mode}"),
    (150, "INFO", "rf", "下行信号电平：{sat} {band}频段 载波{freq}MHz，接收电平{dbm}dBm，C/N0={cn0}dB-Hz，多普勒{doppler}kHz{rainnote}"),
    (110, "INFO", "dts", "数传数据段落盘：任务{taskid}，文件{file}第{seg}段，大小{mb}MB，码速率{rate}Mbps，通道{chan}"),
    (55, "INFO", "plan", "过境预报：{sat}，入境{aos}，出境{los}，时长{dur}，最大仰角{maxel}°，圈号{orbit}"),
    (45, "INFO", "tc", "遥控指令上注成功：cmd_id={cmdid}，卫星{satcode}，指令{command}，天线{antid}{retry}"),
    (42, "INFO", "tc", "指令回执 cmd_id={cmdid} sat={satcode} status=ACK delay={ms}ms{ackextra}"),
    (38, "INFO", "acu", "AOS 捕获成功：卫星「{sat}」圈号{orbit}，天线{ant}，捕获仰角{el}°，锁定耗时{lock}ms"),
    (36, "INFO", "acu", "LOS 跟踪结束：卫星「{sat}」圈号{orbit}，天线{ant}，本弧段跟踪{secs}秒，接收遥测{tlmframes}帧"),
    (32, "INFO", "dem", "解调器{demod}载波锁定：调制方式{mod}，码速率{rate}Mbps，Eb/N0={ebn0}dB"),
    (30, "INFO", "meteo", "站址气象 {station}：天气{weather}，温度{temp}℃，湿度{hum}%，风速{wind}m/s，气压{pres}hPa，降雨{rain}mm/h"),
    (26, "INFO", "arch", "数据归档完成：任务{taskid}，原始数据{gb}GB，已写入{archive}，MD5={md5}{arcnote}"),
    (24, "INFO", "dist", "数据推送成功 → {user}：产品［{products}］，{gb}GB，HTTP 200 OK，耗时{ms}ms{fee}"),
    (22, "INFO", "acu", "天线{ant}转至预置位：方位{az}°，俯仰{el}°，用时{secs}秒，待跟卫星{satcode}"),
    (20, "INFO", "time", "时统校验：北斗/GPS授时，1PPS偏差{ns}ns，NTP offset={ntp}ms，可用卫星{sats}颗"),
    (18, "WARN", "rf", "接收电平偏低：{sat}，当前{lowdbm}dBm，低于门限{thr}dBm，已持续{secs}秒{reason}"),
    (16, "WARN", "tlm", "遥测帧接收：卫星{satcode} {vc} 帧计数={fc}，帧长{flen}字节，CRC校验失败，Eb/N0={ebn0}dB"),
    (14, "INFO", "qlv", "快视图像生成：景号{scene}，云量{cloud}%，中心位置{lonlat}，成像时间{doy}"),
    (12, "WARN", "dem", "解调器{demod}载波失锁：调制方式{mod}，码速率{rate}Mbps，Eb/N0={ebn0}dB"),
    (11, "INFO", "plan", "任务计划下发：计划单号{plan}，{station}，共{arcs}个弧段：{plansats}"),
    (10, "WARN", "tlm", "帧同步丢失：{vc}连续{frames}帧未检出同步字{sync}，进入搜索态{reason}"),
    (9, "INFO", "ops", "值班员{name}（{role}）登录监控台，来源IP {ip}{loginvia}"),
    (8, "INFO", "orbit", "轨道根数更新：{sat}，TLE历元{epoch}，半长轴{axis}km，倾角{incl}°，来源：{tlesrc}"),
    (7, "WARN", "acu", "跟踪误差超限：{antid} err_az={bigerr}° err_el={bigerr}°，门限0.100°，已切换程序跟踪"),
    (6.5, "WARN", "tc", "指令回执超时 cmd_id={cmdid} sat={satcode} 等待{bigms}ms未收到ACK，准备重发"),
    (6, "ERROR", "tc", "遥控指令上注失败：cmd_id={cmdid}，卫星{satcode}，指令{command}，天线{antid}，原因：{uprefuse}"),
    (5, "ERROR", "dist", "数据推送失败 → {user}：产品［{products}］，{gb}GB，{pushfail}，已加入重传队列{retry}"),
    (5, "WARN", "plan", "计划冲突：{pair} 在 {window} 同时申请{antid}，{conflict}"),
    (4.5, "WARN", "hpa", "上行功放HPA-{hpa}驻波偏高：{vswr}，功放温度{hpatemp}℃{fixnote}"),
    (4, "INFO", "ops", "交接班完成：{shiftname}，交班人{name}，接班人{name}，本班完成{arcs}个弧段，异常{abn}次{handnote}"),
    (3.5, "ERROR", "arch", "数据归档失败：任务{taskid}，{gb}GB，目标{archive}，错误：{arcfail}"),
    (3, "WARN", "time", "时统偏差超限：1PPS偏差{bigns}ns（门限300ns），已切换至铷钟守时"),
    (3, "ERROR", "acu", "ACU报警：{ant} 伺服故障 {servo}，天线已停转并进入待机{fixnote}"),
    (2.5, "WARN", "meteo", "大风告警：{station}瞬时风速{gale}m/s，超过收藏门限18m/s，天线{ant}进入收藏位（stow），预计恢复时间{cnday}"),
    (2, "ERROR", "storage", "存储容量告警：{array} 使用率{usage}，剩余{tb}TB，请尽快迁移至磁带库"),
    (2, "ERROR", "hpa", "上行载波发射中断：HPA-{hpa} 联锁保护触发（{interlock}），卫星{satcode}当前弧段上行不可用"),
    (1.6, "ERROR", "orbit", "轨道预报计算异常：卫星{satcode} 圈号{orbit}，{orberr}，沿用上一版根数"),
    (1.5, "INFO", "power", "备用柴油发电机组自检完成：{station}，油箱存量{kg}kg，带载输出{kw}kW，切换时间{ms}ms"),
]

# where each module's lines come from, for the headers
LOGGERS = {"tlm": "o.q.gs.tlm.FrameReceiver", "acu": "o.q.gs.acu.AntennaController", "rf": "o.q.gs.rf.LevelMonitor",
           "dts": "o.q.gs.dts.SegmentWriter", "plan": "o.q.gs.plan.PassScheduler", "tc": "o.q.gs.tc.UplinkService",
           "dem": "o.q.gs.dem.DemodMonitor", "meteo": "o.q.gs.env.WeatherStation", "arch": "o.q.gs.arch.Archiver",
           "dist": "o.q.gs.dist.PushClient", "time": "o.q.gs.time.TimingUnit", "qlv": "o.q.gs.qlv.QuickLook",
           "ops": "o.q.gs.ops.Console", "orbit": "o.q.gs.orbit.ElementStore", "hpa": "o.q.gs.rf.HpaMonitor",
           "storage": "o.q.gs.sys.StorageWatch", "power": "o.q.gs.sys.PowerPanel"}
THREADS = {"tlm": "tlm-rx-%d", "acu": "acu-poll-%d", "rf": "rf-mon-%d", "dts": "dts-writer-%d", "plan": "scheduler-%d",
           "tc": "uplink-%d", "dem": "dem-mon-%d", "meteo": "env-%d", "arch": "archive-pool-%d",
           "dist": "push-pool-%d", "time": "timing-%d", "qlv": "ql-worker-%d", "ops": "http-nio-8080-exec-%d",
           "orbit": "orbit-%d", "hpa": "rf-mon-%d", "storage": "sys-watch-%d", "power": "sys-watch-%d"}
CNMODULES = {"tlm": "遥测处理", "acu": "天线控制", "rf": "射频监测", "dts": "数传记录", "plan": "任务调度", "tc": "遥控上行",
             "dem": "解调监视", "meteo": "气象环境", "arch": "数据归档", "dist": "数据分发", "time": "时统", "qlv": "快视处理",
             "ops": "值班管理", "orbit": "轨道计算", "hpa": "上行功放", "storage": "存储监控", "power": "动力保障"}
HOSTS = {"tlm": "fep01", "acu": "acu-srv", "rf": "fep02", "dts": "dts-rec01", "plan": "mcs01", "tc": "fep01",
         "dem": "fep02", "meteo": "env01", "arch": "arch01", "dist": "gw01", "time": "tsu01", "qlv": "qlv01",
         "ops": "mcs01", "orbit": "mcs02", "hpa": "fep02", "storage": "arch01", "power": "env01"}
SITES = ["北礁站", "北礁站", "北礁站", "云岭站", "沙湾站"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the station's Java services log through a pattern with the thread and a shortened logger
        thread = THREADS[module] % r.randint(1, 8)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the operations console writes Chinese level words, the site and the subsystem
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s/%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, r.choice(SITES), CNMODULES[module])
    # the front-end processors stamp UTC with the day of the year, as the mission centre does
    utc = at - datetime.timedelta(hours=8)
    return "%s.%03dZ | %s | host=%s | %s | " % (utc.strftime("%Y-%jT%H:%M:%S"), ms, level[0],
                                               HOSTS[module], module.upper())


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "S", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
