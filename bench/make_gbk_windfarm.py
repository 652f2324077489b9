#!/usr/bin/env python3
"""A GBK log of a wind farm's SCADA and operations with its truth.

    bench/make_gbk_windfarm.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (ten-minute
power reports of each turbine and the raw telemetry frames under them, turbine state changes,
farm output summaries, AGC set points followed, yaw alignment and cable untwisting, turbines
started (or failing to start), stopped and reset, curtailment orders from the grid dispatcher
received and lifted, short-term forecasts uploaded or refused, met-mast readings, pitch, yaw,
gearbox and converter faults with their fault codes, a broken safety chain, temperature alarms
and their recovery, vibration alarms from the condition monitoring, icing warnings and de-icing,
work orders opened and closed, crews climbing a turbine, booster-station breakers switched or
failing to switch, point-of-connection voltage out of range, lost and restored links to the
turbines, a slow history database, operators logging in or failing to, the daily energy
report), written to measure the miner on and not to shape it: no rule was made or tuned on
them. Each message keeps its own frequency, power reports by the hundred and the daily report
once in a few thousand lines. One of three header forms by the seed. The output depends only
on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# the farm's two phases: code used in file names, name as the operators write it
FARMS = [("BL", "北岭风电场"), ("BL2", "北岭风电场（二期）"), ("HSL", "黄沙梁风电场"), ("QF", "青峰山风电场 C区")]
# turbine rows with their machine type (made up by the farm's owner for its fleet)
ROWS = [("A", "HX-2500/121"), ("B", "HX-2500/121"), ("C", "云翼YW3.6-156"), ("D", "云翼YW3.6-156"),
        ("E", "TF2.0 / 115（技改机型）")]
STATES = ["运行", "待风", "正常停机", "故障停机", "维护", "限功率运行", "通讯中断", "环境超限待机"]
START_MODES = ["远程启动（集控）", "就地启动（塔底柜）", "自动启动（风速达切入值）", "AGC自动启停"]
START_FAILS = ["变桨自检未通过（F0317）", "电网电压不满足并网条件", "液压站压力未建立，p=112bar", "风速低于切入风速3.0m/s",
               "变流器预充电超时 ERR_PRECHARGE"]
STOP_TYPES = ["正常停机", "快速停机", "紧急停机", "限电停机", "维护停机（手动）"]
DISPATCHERS = ["省调AGC主站", "地调（东部片区）", "集控中心远程", "省调 值班调度员"]
PLATFORMS = ["省调功率预测主站", "新能源云平台（v2.3）", "集团数据中台"]
UPFAILS = ["HTTP 503 Service Unavailable", "HTTP 401 Unauthorized", "java.net.ConnectException: Connection refused",
           "SFTP: Permission denied (publickey)", "文件校验失败（MD5不一致）"]
MASTS = ["1#测风塔（80m）", "2#测风塔（100m）", "M3测风塔"]
DIRS = ["顺时针", "逆时针"]
# fault code, what it means
PITCH_FAULTS = [("F0301", "变桨电机过流"), ("F0305", "三叶片角度偏差过大"), ("F0312", "超级电容电压低"),
                ("F0317", "变桨驱动器通讯故障 CANopen"), ("F0322", "91°限位开关触发")]
PITCH_ACTIONS = ["顺桨停机", "安全链断开", "快速收桨"]
YAW_FAULTS = [("Y1102", "偏航电机热继电器动作"), ("Y1108", "偏航制动器压力低"), ("Y1115", "扭缆超限（>2.5圈）"),
              ("Y1121", "风向标信号异常"), ("Y1130", "偏航速度超限")]
GEAR_FAULTS = [("G2203", "齿轮箱入口油压低"), ("G2207", "齿轮箱油池温度高"), ("G2211", "滤芯压差报警（滤芯堵塞）"),
               ("G2219", "高速轴轴承温度高"), ("G2224", "油位低")]
CONV_FAULTS = [("C4104", "DC-link overvoltage"), ("C4110", "IGBT over-current phase B"), ("C4117", "grid side phase loss"),
               ("C4125", "crowbar triggered"), ("C4131", "cooling water flow low")]
# component, alarm limit in ℃
COMPONENTS = [("齿轮箱油池", 80), ("齿轮箱高速轴轴承", 95), ("发电机绕组V相", 145), ("发电机前轴承", 95), ("主轴承", 75),
              ("变流器IGBT模块", 85), ("机舱柜", 55), ("变桨柜（2号）", 50)]
SENSORS = ["主轴承 径向", "齿轮箱 一级行星 轴向", "齿轮箱 高速级 径向", "发电机 驱动端 水平", "发电机 非驱动端 垂直", "塔筒 顶部 X向"]
BANDS = ["0.1-10Hz", "10-1000Hz", "1-5kHz 包络"]
ICE_ADVICE = ["停机等待自然脱冰", "启动叶片加热", "降功率运行并加强巡视", "通知现场人员核实"]
DEICE = ["叶片电加热", "热风除冰", "自然脱冰"]
WO_TYPES = ["定检", "故障处理", "消缺", "技改", "巡检", "备件更换"]
TASKS = ["更换 3号桨叶 变桨电机编码器", "齿轮箱 滤芯更换（半年检）", "塔筒 螺栓力矩抽检 10%", "发电机 集电环 碳刷更换",
         "偏航齿圈 加注润滑脂", "机舱 烟感探头 功能测试", "叶片 前缘 腐蚀检查（无人机）", "变流器 水冷系统 补液"]
TEAMS = ["检修一班", "检修二班", "电气班", "外委·澜川运维（合同号WX-2025-117）", "叶片专项组"]
SPARES = ["滤芯×2", "O型圈×4", "碳刷×12", "编码器 1只", "润滑脂 15kg", "冷却液 40kg", "温度传感器PT100×1", "接触器 3RT2026"]
LOCKS = ["LOTO-%04d", "挂牌锁%03d号"]
# booster station bay and its breaker number
BAYS = [("220kV 北岭线", "2201"), ("1#主变 高压侧", "2211"), ("35kV 集电Ⅰ线", "311"), ("35kV 集电Ⅱ线", "312"),
        ("35kV 集电Ⅲ线", "313"), ("35kV SVG", "315"), ("35kV 站用变", "316")]
OPS = ["分闸", "合闸"]
BRK_FAILS = ["位置信号未返回", "控制回路断线", "弹簧未储能", "SF6气压低闭锁", "五防闭锁未解除 ERR_INTERLOCK"]
PROTOCOLS = ["Modbus TCP", "IEC 60870-5-104", "OPC UA"]
BUSES = ["35kV Ⅰ段母线", "35kV Ⅱ段母线", "220kV 母线"]
SAFETY = ["塔底急停按钮", "机舱急停按钮", "超速继电器（SRS）", "振动开关", "扭缆开关", "看门狗超时"]
ROLES = ["值班员", "值长", "检修专工", "系统管理员", "调度联络员"]
TABLES = ["t_wtg_10min_202601", "t_alarm_event", "t_met_1min", "t_agc_cmd_log"]


_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def turbine(r):
    row, model = r.choice(ROWS)
    _chosen["t"] = (row, r.randint(1, 33), model)
    return "%s%02d#风机" % _chosen["t"][:2]


def tid(r):
    row, model = r.choice(ROWS)
    _chosen["t"] = (row, r.randint(1, 33), model)
    return "WTG-%s%02d" % _chosen["t"][:2]


def farm(r):
    _chosen["farm"] = r.choice(FARMS)
    return _chosen["farm"][1]


def states(r):
    a, b = r.sample(STATES, 2)
    return "状态由「%s」变为「%s」" % (a, b)


def fault(table):
    def make(r):
        _chosen["f"] = r.choice(table)
        return _chosen["f"][0]
    return make


def component(r):
    _chosen["c"] = r.choice(COMPONENTS)
    return _chosen["c"][0]


def summary(r):
    total = r.choice([33, 50, 66])
    fault_n, stop = r.randint(0, 3), r.randint(0, 4)
    wait = r.randint(0, total - fault_n - stop)
    run = total - fault_n - stop - wait
    return "运行%d台/待风%d台/停机%d台/故障%d台" % (run, wait, stop, fault_n)


def day(r, lo, hi, fmt):
    d = datetime.date(2026, 1, 18) + datetime.timedelta(days=r.randint(lo, hi))
    return fmt(d)


def window(r):
    h = r.randint(0, 21)
    m = r.choice([0, 15, 30, 45])
    return "%02d:%02d~%02d:%02d" % (h, m, h + r.randint(1, 2), r.choice([0, 30]))


def temp_over(r):
    limit = _chosen["c"][1]
    return "%.1f" % (limit + r.uniform(0.3, 12))


def temp_back(r):
    limit = _chosen["c"][1]
    return "%.1f" % (limit - 5 - r.uniform(0.2, 9))


def wind10(r):
    _chosen["ws"] = r.uniform(2.5, 19.0)
    return "%.1f" % _chosen["ws"]


def power_curve(r):
    """The ten-minute power of the line's turbine at the line's wind speed: its machine's
    rated power above rated wind, a cubic rise from cut-in below it, and some scatter."""
    rated = {"A": 2500, "B": 2500, "C": 3600, "D": 3600, "E": 2000}[_chosen["t"][0]]
    ws = _chosen["ws"]
    share = min(1.0, max(0.0, (ws - 3.0) / 8.5)) ** 3 if ws < 11.5 else 1.0
    return "%d" % max(0, round(rated * share * r.uniform(0.9, 1.02) - r.uniform(0, 15)))


def booster(r):
    _chosen["bay"] = r.choice(BAYS)
    return _chosen["bay"][0]


def ip(r):
    return "10.%d.%d.%d" % (r.choice([20, 21]), r.randint(1, 6), r.randint(11, 250))


V = {
    "turbine": turbine, "tid": tid, "model": lambda r: _chosen["t"][2], "farm": farm,
    "farmcode": lambda r: _chosen["farm"][0], "states": states, "summary": summary,
    "pcode": fault(PITCH_FAULTS), "ycode": fault(YAW_FAULTS), "gcode": fault(GEAR_FAULTS),
    "ccode": fault(CONV_FAULTS), "fdesc": lambda r: _chosen["f"][1],
    "component": component, "over": temp_over, "back": temp_back,
    "limit": lambda r: str(_chosen["c"][1]), "recover": lambda r: str(_chosen["c"][1] - 5),
    "bay": booster, "brk": lambda r: _chosen["bay"][1],
    "name": name, "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "startmode": pick(START_MODES), "startfail": pick(START_FAILS), "stoptype": pick(STOP_TYPES),
    "dispatcher": pick(DISPATCHERS), "platform": pick(PLATFORMS), "upfail": pick(UPFAILS), "mast": pick(MASTS),
    "dir": pick(DIRS), "paction": pick(PITCH_ACTIONS), "sensor": pick(SENSORS), "band": pick(BANDS),
    "deice": pick(DEICE), "wotype": pick(WO_TYPES), "task": pick(TASKS), "team": pick(TEAMS),
    "op": pick(OPS), "brkfail": pick(BRK_FAILS), "proto": pick(PROTOCOLS), "bus": pick(BUSES),
    "safety": pick(SAFETY), "role": pick(ROLES), "table": pick(TABLES),
    "ws": real(3.0, 18.5), "ws10": wind10, "kwcurve": power_curve, "iceamb": real(-15.0, 1.5),
    "icelow": rint(2, 25), "kvar": rint(-250, 300), "rpm": real(8.5, 16.8),
    "pitch": real(-0.5, 24.0), "yawerr": real(-8.0, 8.0), "seq": rint(100000, 9999999), "pts": rint(64, 256),
    "lat": rint(3, 480), "mw": real(12.0, 198.0), "avail": real(80.0, 200.0), "rate": real(2.0, 20.0),
    "ms": rint(40, 3000), "deg": real(3.0, 175.0), "wd": rint(0, 359), "h": pick(["10", "50", "70", "80", "100"]),
    "amb": real(-28.0, 12.0), "hpa": real(845.0, 905.0), "rh": rint(18, 99), "axis": pick(["1", "2", "3"]),
    "rms": real(4.6, 18.0, "%.2f"), "vlim": pick(["4.5", "7.1", "11.0"]), "pct": rint(55, 99), "dev": real(8.0, 45.0),
    "mins": rint(5, 480), "mwh": real(1.5, 260.0, "%.2f"), "turns": real(2.5, 3.3, "%.2f"),
    "hours": real(0.5, 36.0), "lim": pick(["10", "12", "15"]), "kv": real(36.2, 38.9, "%.2f"), "secs": rint(2, 120),
    "oiltemp": real(40.0, 92.0), "bar": real(0.4, 3.2), "udc": rint(980, 1260), "igrid": rint(150, 2100),
    "rows": rint(200, 20000), "kwh": rint(3000, 40000), "eqh": real(0.5, 18.0), "tries": rint(0, 4),
    "order": lambda r: "DD-202601%02d-%03d" % (r.randint(10, 18), r.randint(1, 220)),
    "window": window, "ip": ip, "port": pick(["502", "2404", "4840"]),
    "wo": lambda r: "WO%s-%04d" % (r.choice(["2601", "2512"]), r.randint(1, 2600)),
    "ticket": lambda r: "CZP-%s-%04d" % (r.choice(["220", "35"]), r.randint(1, 999)),
    "lock": lambda r: r.choice(LOCKS) % r.randint(1, 300),
    "user": lambda r: r.choice(["op", "zz", "jx", "admin"]) + "%03d" % r.randint(1, 60),
    "fcdate": lambda r: day(r, 0, 1, lambda d: d.strftime("%Y%m%d")),
    "due": lambda r: day(r, 1, 20, lambda d: d.isoformat()),
    "report": lambda r: day(r, -1, -1, lambda d: "%d年%d月%d日" % (d.year, d.month, d.day)),
    "lastseen": lambda r: "2026-01-18T%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "timeout": pick(["3000", "5000", "10000"]),
    "rcode": lambda r: r.choice(["F03", "Y11", "G22", "C41"]) + "%02d" % r.randint(1, 35),
    # what only some lines carry
    "operator": optional(lambda r: "，操作人%s" % name(r), 0.5),
    "stopby": optional(lambda r: "，操作人%s（%s）" % (name(r), r.choice(ROLES)), 0.6),
    "loss": optional(lambda r: "，估算损失收益%.2f元" % r.uniform(600, 98000), 0.45),
    "iceadvice": optional(lambda r: "，建议：%s" % r.choice(ICE_ADVICE), 0.55),
    "spares": optional(lambda r: "，更换备件：" + "、".join(r.sample(SPARES, r.randint(1, 3))), 0.5),
    "wonote": optional(lambda r: "，备注：%s" % r.choice(["需吊车配合", "风速>12m/s禁止登机", "等待备件到货（预计3天）",
                                                       "与厂家技术人员联合作业"]), 0.3),
    "retry": optional(lambda r: " retry=%d/3" % r.randint(1, 3), 0.4),
    "gridnote": optional(lambda r: "，SVG已自动调节至%dMvar" % r.randint(-20, 20), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (200, "INFO", "scada", "{turbine} 10分钟均值：风速{ws10}m/s，有功功率{kwcurve}kW，无功功率{kvar}kvar，发电机转速{rpm}rpm，桨距角{pitch}°"),
    (170, "INFO", "comm", "rx frame ok turbine={tid} seq={seq} pts={pts} q=GOOD latency={lat}ms"),
    (90, "INFO", "scada", "风机状态变化：{turbine}（{model}）{states}"),
    (60, "INFO", "scada", "全场出力：{farm}有功{mw}MW，可用容量{avail}MW，{summary}"),
    (50, "INFO", "agc", "AGC指令执行：目标出力{mw}MW，当前出力{mw}MW，调节速率{rate}MW/min，响应{ms}ms"),
    (45, "INFO", "scada", "偏航对风完成：{turbine}，偏航{deg}°（{dir}），对风偏差{yawerr}°"),
    (40, "INFO", "met", "测风塔数据【{mast}】{h}m高度：风速{ws}m/s，风向{wd}°，气温{amb}℃，气压{hpa}hPa，湿度{rh}%"),
    (25, "INFO", "scada", "风机启动成功：{turbine}（{model}），启动方式：{startmode}，并网转速{rpm}rpm{operator}"),
    (20, "INFO", "scada", "风机停机：{turbine}，停机类型：{stoptype}，当前风速{ws}m/s{stopby}"),
    (18, "WARN", "alarm", "【温度告警】{turbine} {component}温度{over}℃，超过告警值{limit}℃"),
    (14, "INFO", "agc", "收到限电指令：调度令号{order}，{farm}限出力至{mw}MW，执行时段{window}，下达方「{dispatcher}」"),
    (12, "INFO", "forecast", "短期功率预测上传成功：《{farm}》文件{farmcode}_{fcdate}_DQ.xml，共{pts}点，上传至{platform}，耗时{ms}ms"),
    (12, "INFO", "wo", "工单创建：工单号{wo}，{turbine}，类型【{wotype}】，内容：{task}，责任班组：{team}，计划完成{due}{wonote}"),
    (10, "INFO", "alarm", "【温度告警恢复】{turbine} {component}温度{back}℃，已低于恢复值{recover}℃，告警持续{mins}分钟"),
    (10, "INFO", "scada", "远程复位：{turbine}故障复位命令已下发，故障码{rcode}，操作人{name}，复位结果：成功"),
    (9, "INFO", "wo", "工单关闭：工单号{wo}，处理人{names}，实际耗时{hours}小时{spares}"),
    (8, "WARN", "cms", "CMS vibration alarm turbine={tid} sensor=\"{sensor}\" band={band} rms={rms}mm/s limit={vlim}mm/s"),
    (8, "INFO", "safety", "登机作业登记：{turbine}，作业人员{names}，安全员{name}，当前风速{ws}m/s（限值≤{lim}m/s），已挂锁{lock}"),
    (7, "WARN", "db", "历史库写入耗时{ms}ms（阈值500ms），批量{rows}条，表{table}"),
    (7, "ERROR", "comm", "communication lost: turbine={tid} ip={ip}:{port} protocol=\"{proto}\" last_seen={lastseen} timeout={timeout}ms{retry}"),
    (6, "INFO", "comm", "communication restored: turbine={tid} ip={ip}:{port} downtime={secs}s"),
    (6, "INFO", "agc", "限电指令解除：调度令号{order}，{farm}恢复全出力，限电持续{mins}分钟，损失电量约{mwh}MWh{loss}"),
    (6, "INFO", "hmi", "用户{user}（{name}）登录监控客户端成功，IP {ip}，角色：{role}"),
    (5, "ERROR", "fault", "变桨系统故障：{turbine}，故障码{pcode}（{fdesc}），{axis}号桨叶桨距角{pitch}°，动作：{paction}"),
    (5, "WARN", "alarm", "结冰预警：{turbine}叶片结冰概率{pct}%，环境温度{iceamb}℃，湿度{rh}%，功率曲线偏离{dev}%{iceadvice}"),
    (4, "ERROR", "fault", "偏航系统故障：{turbine}，故障码{ycode}（{fdesc}），偏航角度{deg}°，已停止偏航"),
    (4, "WARN", "scada", "风机启动失败：{turbine}（{model}），启动方式：{startmode}，失败原因：{startfail}"),
    (3.5, "INFO", "booster", "升压站{bay}断路器{brk}{op}操作成功，操作票{ticket}，操作人{name}，监护人{name}"),
    (3, "ERROR", "forecast", "短期功率预测上传失败：《{farm}》文件{farmcode}_{fcdate}_DQ.xml，共{pts}点，上传至{platform}，原因：{upfail}"),
    (3, "ERROR", "fault", "齿轮箱故障：{turbine}，故障码{gcode}（{fdesc}），油温{oiltemp}℃，入口油压{bar}bar，风机已停机"),
    (3, "INFO", "scada", "自动解缆：{turbine}累计扭缆{turns}圈，开始{dir}解缆"),
    (2.5, "WARN", "grid", "并网点电压越限：{bus} Uab={kv}kV，上限37.80kV，持续{secs}s{gridnote}"),
    (2, "ERROR", "fault", "Converter fault on {tid}: {ccode} {fdesc}, Udc={udc}V, Igrid={igrid}A, turbine tripped"),
    (1.5, "WARN", "hmi", "用户{user}登录监控客户端失败，IP {ip}，原因：密码错误（剩余尝试{tries}次）"),
    (1.5, "INFO", "alarm", "除冰完成：{turbine}，方式：{deice}，用时{mins}分钟，叶片结冰概率降至{icelow}%"),
    (1.2, "ERROR", "booster", "升压站{bay}断路器{brk}{op}操作失败，操作票{ticket}，原因：{brkfail}，已通知{name}"),
    (1.2, "ERROR", "safety", "安全链断开：{turbine}，触发源「{safety}」，风机紧急停机，需现场复位"),
    (1.4, "INFO", "report", "日发电量统计（{report}）：{farm}上网电量{mwh}MWh，厂用电量{kwh}kWh，等效利用小时{eqh}h，弃风电量{mwh}MWh"),
]

# the Java collectors' logger for each module
LOGGERS = {"scada": "c.lc.scada.TurbineMonitor", "comm": "c.lc.comm.FrameReceiver", "agc": "c.lc.agc.AgcExecutor",
           "met": "c.lc.met.MastReader", "alarm": "c.lc.alarm.AlarmEngine", "forecast": "c.lc.fc.ForecastUploader",
           "wo": "c.lc.ops.WorkOrderService", "cms": "c.lc.cms.VibrationClient", "safety": "c.lc.ops.SafetyService",
           "db": "c.lc.store.HistoryWriter", "hmi": "c.lc.hmi.LoginService", "fault": "c.lc.scada.FaultHandler",
           "booster": "c.lc.grid.BreakerControl", "grid": "c.lc.grid.PccMonitor", "report": "c.lc.ops.DailyReport"}
THREADS = {"scada": "scan-%d", "comm": "rx-worker-%d", "agc": "agc-loop", "met": "met-poll", "alarm": "alarm-%d",
           "forecast": "fc-upload", "wo": "http-nio-8080-exec-%d", "cms": "cms-sync", "safety": "http-nio-8080-exec-%d",
           "db": "hist-flush-%d", "hmi": "http-nio-8080-exec-%d", "fault": "scan-%d", "booster": "iec104-ctl",
           "grid": "pcc-mon", "report": "quartz-%d"}
# what the Chinese console names each module, and the station (host) it runs on
CN_MODULES = {"scada": "风机监控", "comm": "通讯采集", "agc": "AGC/AVC", "met": "测风塔", "alarm": "告警管理",
              "forecast": "功率预测", "wo": "工单系统", "cms": "振动监测", "safety": "安全管理", "db": "历史库",
              "hmi": "人机界面", "fault": "故障诊断", "booster": "升压站监控", "grid": "并网点监测", "report": "报表"}
HOSTS = {"scada": "bl-scada01", "comm": "bl-fe02", "agc": "bl-agc01", "met": "bl-fe02", "alarm": "bl-scada01",
         "forecast": "bl-fc01", "wo": "bl-ops01", "cms": "bl-cms01", "safety": "bl-ops01", "db": "bl-his01",
         "hmi": "bl-scada01", "fault": "bl-scada01", "booster": "bl-nsc01", "grid": "bl-nsc01", "report": "bl-ops01"}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 1, 18) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the collectors are Java services logging level, thread in brackets and logger
        thread = THREADS[module]
        if "%" in thread:
            thread = thread % r.randint(1, 8)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the control room's console writes the date, level and module in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%d年%02d月%02d日 %s][%s][北岭集控/%s] " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn,
                                                        CN_MODULES[module])
    # the station servers forward to a syslog host: month day time, host, program[pid], level tag
    tag = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s %s windctl[%d]: <%s> " % (month, at.day, at.strftime("%H:%M:%S"), HOSTS[module],
                                               1800 + sorted(HOSTS).index(module) * 37, tag)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "W", 6 * 3600 + 10 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
