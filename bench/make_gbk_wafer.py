#!/usr/bin/env python3
"""A GBK log of a wafer fab's manufacturing execution system with its truth.

    bench/make_gbk_wafer.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages of a 12-inch
fab line (lots tracked in and out, wafers started and finished in a chamber, dispatching,
overhead transport of carriers, recipes downloaded or refused, SPC data uploaded and its
alarms over the control or the tolerance limits, film thickness and CD metrology,
particle checks passed and failed, cleanroom readings and humidity alarms, tool state
changes, equipment alarms set and cleared, lots held, released, reworked and wafers
scrapped, queue-time warnings and violations, chamber seasoning, preventive maintenance,
gases and chemicals running low, reticles loaded and near their shot limit, logins that
pass and fail, carrier-ID read failures, host-link timeouts, failed MES calls and database
pool exhaustion, shift hand-overs and the daily output report), written to measure the
miner on and not to shape it: no rule was made or tuned on them. Each message keeps its
own frequency, wafer starts by the hundred and a scrapped wafer or the daily report about
once in a thousand lines; several come in pairs a person tells apart by one or two words. One of three
header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# area: its tools, their chambers, recipes and the steps (number, name) run there
AREAS = {
    "刻蚀": (["ETCH-03", "ETCH-07", "ETCH-11（二号线）", "ETCH-12"], ["PM1", "PM2", "PM3", "PM4"],
           ["ETH_POLY_GATE_V3", "ETH-STI-45S.rcp", "OX_ETCH_CONTACT v12", "ETH_M1_TRENCH#B"],
           [("E2310", "多晶硅栅刻蚀"), ("E1150", "STI 浅沟槽刻蚀"), ("E4420", "接触孔刻蚀"), ("E5210", "M1 沟槽刻蚀")]),
    "薄膜": (["CVD-02", "CVD-09", "PVD-05（Ti/TiN）", "ALD-01"], ["CH-A", "CH-B", "CH-C"],
           ["CVD_TEOS_5K_STD", "PVD-TiN-200A.rcp", "ALD_HfO2_30cyc", "CVD SiN PASS v7"],
           [("T1320", "TEOS 氧化层沉积"), ("T3105", "阻挡层 Ti/TiN"), ("T2201", "高K介质沉积"), ("T6010", "钝化层 SiN")]),
    "光刻": (["LITHO-S3", "LITHO-S5（浸没式）", "TRK-S3"], ["CHK1", "WS1", "WS2"],
           ["PH_GATE_193I_V5", "PH-M1-KRF.rcp", "PH_CT_193I OPC2", "COAT_BARC_800"],
           [("P2300", "栅极光刻"), ("P4400", "接触孔光刻"), ("P5200", "M1 光刻"), ("P1100", "有源区光刻")]),
    "注入": (["IMP-01", "IMP-04（高能）"], ["END1", "END2"],
           ["IMP_BF2_5KEV_3E15", "IMP-PLDD As 10keV", "IMP_NWELL_P_180K"],
           [("I2150", "PLDD 注入"), ("I1010", "N阱注入"), ("I3300", "源漏注入")]),
    "研磨": (["CMP-04", "CMP-06"], ["P1", "P2", "P3"],
           ["CMP_STI_OX_60S", "CMP-W-PLUG.rcp", "CMP_CU_M1 v4"],
           [("C1200", "STI CMP"), ("C4500", "钨塞研磨"), ("C5300", "铜研磨 M1")]),
    "扩散": (["FURN-A6", "FURN-B2（退火炉）", "RTP-03"], ["TUBE1", "TUBE2", "LAMP"],
           ["DIFF_GOX_32A_DRY", "ANL-N2-1050C.rcp", "RTP_SPIKE_1080"],
           [("D1050", "栅氧生长"), ("D3400", "源漏退火"), ("D1020", "垫氧化")]),
    "湿法": (["WET-B2", "WET-C1（单片）", "SCR-02"], ["BATH1", "BATH3", "SPIN2"],
           ["WET_SC1_SC2_STD", "WET-HF-100-1 60s", "SCR_POST_CMP"],
           [("W1000", "RCA 清洗"), ("W2300", "去胶清洗"), ("W4510", "CMP 后清洗")]),
}
PRODUCTS = ["LX28-PMIC-A1", "LX40-MCU-B2", "LX55-CIS（8M）", "LX28-WIFI6-C0", "LX90-BCD-HV", "TEST-MONITOR"]
LOTPREFIX = ["HA", "HA", "HA", "HB", "EN", "MN"]
BAYS = ["光刻区 Bay-L2（黄光区）", "刻蚀区 Bay-E1", "薄膜区 Bay-T3", "扩散区 Bay-D1", "CMP区 Bay-C2", "湿法区 Bay-W1"]
STOCKERS = ["STK-02（储料器）", "STK-05（储料器）", "OHT缓冲区 Z-14", "出货暂存区", "NG品暂存架"]
STATES = ["PRD", "SBY", "ENG", "PM", "DOWN", "MON"]
STATE_WHY = ["日常PM", "等待备件（RF匹配器）", "工艺验证 qual run", "腔体颗粒超标", "换靶材", "等待工程师确认"]
ALARMS = [(1204, "RF Reflected Power High"), (3107, "Chamber Pressure Out Of Range"),
          (5502, "Wafer Not Detected On Robot Blade"), (2210, "He Backside Leak Rate High"),
          (7001, "Slurry Flow Low"), (4410, "Door Interlock Open"), (6120, "Exhaust Pressure Abnormal")]
HOLDS = [("H-SPC", "SPC超控待处置"), ("H-ENG", "工程实验暂停"), ("H-PAR", "颗粒超标"), ("H-QT", "Q-Time超时"),
         ("H-EQ", "机台异常影响"), ("H-CUS", "客户要求暂停出货")]
DEPTS = ["工艺整合部（PIE）", "刻蚀工艺部", "质量部 QA", "设备部 EE", "光刻工艺部", "生产管理部（PC）"]
ROLES = ["操作员", "工艺工程师", "设备工程师", "值班主管", "QA 工程师"]
RELEASE_NOTES = ["复量OK", "MRB评审通过", "客户已书面确认", "工程师确认可续流（附报告 RPT-0314-07）"]
SCRAPS = ["晶圆破片（机械手碰撞）", "颗粒污染严重，无法返工", "返工次数超限（>3次）", "边缘剥离 Peeling", "误用配方，MRB判定报废"]
REWORKS = ["套刻误差超限（Overlay ±8nm）", "CD偏大", "光刻胶涂布不均（彗星纹）", "显影缺陷 residue", "对准标记识别失败"]
REFUSALS = ["配方未经批准（状态：DRAFT）", "机台拒绝：PPID not found", "校验和不一致", "S7F3 ACK=4（机台忙）",
            "版本已冻结，禁止下载"]
PARAMS = [("膜厚", "nm", 500.0, 6.0), ("关键尺寸 CD", "nm", 45.0, 0.8), ("刻蚀速率", "nm/min", 230.0, 4.0),
          ("方块电阻 Rs", "Ω/□", 85.0, 1.5), ("套刻误差 X", "nm", 0.0, 2.5), ("颗粒增加数", "颗", 5.0, 2.0)]
RULES = ["规则1：单点超出3σ", "规则2：连续9点位于中心线同侧", "规则3：连续6点递增或递减", "规则5：3点中有2点超出2σ"]
FILMS = ["TEOS 氧化层", "SiN 氮化硅", "多晶硅 Poly", "TiN", "栅氧 GOX"]
GASES = ["NF3 气瓶（47L）", "Cl2", "SiH4 特气", "光刻胶 PR-K210", "显影液 TMAH 2.38%", "CMP浆料 SL-900（氧化物）",
         "HF 49%", "Ar 大宗气体"]
SUPPLIERS = ["特气站（B栋）", "化学品库 恒锐化工", "厂务值班", "大宗气体站（CUB）"]
PMITEMS = ["更换O型圈", "腔体湿式清洁", "更换聚焦环", "静电卡盘检查", "真空泵保养", "机械手校准", "更换排气滤网"]
LOGIN_FAILS = ["密码错误（剩余尝试2次）", "账号已锁定", "证书过期 CERT_EXPIRED", "无此机台操作权限", "工号不存在"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "409 Conflict"]
DRULES = ["FIFO", "CR（关键比例）", "QTIME_FIRST", "HOT_LOT", "SETUP_MIN"]
ABNORMAL = ["无", "ETCH-07 PM2 待机等备件", "LITHO-S3 对准异常，已通知设备", "2个批次Q-Time预警", "CMP-04 浆料更换中"]
SHIFTS = ["白班（08:00-20:00）", "夜班（20:00-08:00）"]
RETICLES = ["LX28-GT-A 第2版", "LX40-CT-B V3", "LX55-M1（OPC2）", "LX28-AA-C 第1版", "LX90-PW-A"]
SECS = ["S6F11", "S1F3", "S2F41", "S5F1", "S7F3"]

_chosen = {"area": "刻蚀", "lot": "HA0101.01"}  # what a line's earlier values chose, for later ones to agree


def tool(r):
    _chosen["area"] = r.choice(list(AREAS))
    return r.choice(AREAS[_chosen["area"]][0])


def chamber(r):
    return r.choice(AREAS[_chosen["area"]][1])


def recipe(r):
    return r.choice(AREAS[_chosen["area"]][2])


def step(r):
    """A step of the area of the line's tool."""
    _chosen["step"] = r.choice(AREAS[_chosen["area"]][3])
    return _chosen["step"][0]


def anystep(r):
    """A step of any area; a later {atool} or {recipe} of the line is of that area."""
    _chosen["area"] = r.choice(list(AREAS))
    return step(r)


def lot(r):
    _chosen["lot"] = "%s%04d.%02d" % (r.choice(LOTPREFIX), r.randint(100, 3999), r.randint(1, 3))
    return _chosen["lot"]


def wafer(r):
    return "%s#%02d" % (_chosen["lot"], r.randint(1, 25))


def wafers(r):
    _chosen["wafers"] = r.choice([25, 25, 25, 24, 23, 13, 12, 6])
    return str(_chosen["wafers"])


def good(r):
    """Good wafers of a lot whose size the line's later {total} gives."""
    wafers(r)
    return str(_chosen["wafers"] - r.choice([0, 0, 0, 0, 0, 1, 2]))


def param(r):
    _chosen["param"] = r.choice(PARAMS)
    return _chosen["param"][0]


def measured(k):
    """The line's parameter beyond k of its sigmas from target, with its unit."""
    def make(r):
        _, unit, target, sigma = _chosen["param"]
        return "%.2f%s" % (target + k * sigma * r.uniform(1.03, 1.3) * r.choice([-1, 1]), unit)
    return make


def limits(k):
    """The line's parameter's limits at k of its sigmas: control limits at 3, the tolerance wider."""
    def make(r):
        _, unit, target, sigma = _chosen["param"]
        return "上限%.2f%s / 下限%.2f%s" % (target + k * sigma, unit, target - k * sigma, unit)
    return make


def cdtarget(r):
    _chosen["cd"] = r.choice([28.0, 45.0, 65.0, 90.0])
    return "%.1f" % _chosen["cd"]


def spc_upload(r):
    _, unit, target, sigma = _chosen["param"]
    return "mean=%.3f%s std=%.3f" % (target + r.uniform(-1, 1) * sigma, unit, sigma * r.uniform(0.6, 1.2))


def qtime(lo, hi):
    """Minutes waited, lo to hi times a queue-time limit the line's later {qlimit} gives."""
    def make(r):
        _chosen["qlimit"] = r.choice([120, 240, 360, 480])
        return str(int(_chosen["qlimit"] * r.uniform(lo, hi)))
    return make


def date(r, lo, hi, how):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    if how == "cn":
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if how == "slash":
        return "%d/%d/%d" % (d.year, d.month, d.day)
    if how == "compact":
        return d.strftime("%Y%m%d")
    return d.strftime("%d-%b-%Y")


def state_pair(r):
    a, b = r.sample(STATES, 2)
    return "%s → %s" % (a, b)


def alarm(r):
    alid, text = r.choice(ALARMS)
    return "ALID=%d ALTX=\"%s\"" % (alid, text)


def hold(r):
    code, why = r.choice(HOLDS)
    return "%s「%s」" % (code, why)


def move(r):
    a, b = r.sample(STOCKERS + ["%s LP%d" % (t, r.randint(1, 4)) for t in ("ETCH-07", "LITHO-S3", "CVD-09", "CMP-04")], 2)
    return "从 %s 到 %s" % (a, b)


def env(r):
    return "温度%.2f℃，湿度%.1f%%RH，压差+%.1fPa，0.1μm粒子%d颗/m3" % (
        r.uniform(21.7, 22.3), r.uniform(43.0, 47.0), r.uniform(8, 18), r.randint(0, 350))


def emp(r):
    return "%s%05d" % (r.choice(["F", "F", "E", "Q"]), r.randint(10, 99999))


def terminal(r):
    if r.random() < 0.5:
        return "EAP-PC-%02d" % r.randint(1, 40)
    return "10.31.%d.%d" % (r.randint(2, 9), r.randint(10, 250))


V = {
    "tool": tool, "atool": lambda r: r.choice(AREAS[_chosen["area"]][0]), "anystep": anystep, "ch": chamber, "recipe": recipe, "step": step, "stepname": lambda r: _chosen["step"][1],
    "lot": lot, "wafer": wafer, "wafers": wafers,
    "good": good, "total": lambda r: str(_chosen["wafers"]),
    "slot": rint(1, 25), "product": pick(PRODUCTS), "name": name, "emp": emp, "term": terminal,
    "bay": pick(BAYS), "states": state_pair, "alarm": alarm, "hold": hold,
    "dept": pick(DEPTS), "role": pick(ROLES), "scrap": pick(SCRAPS), "rework": pick(REWORKS),
    "refusal": pick(REFUSALS), "param": param, "ooc": measured(3), "climits": limits(3), "oos": measured(4.5),
    "slimits": limits(4.5), "approver": pick(["值班主管", "工艺工程师", "QA 工程师", "MRB 主席", "工艺整合经理"]),
    "thktool": pick(["OPT-THK-02（膜厚仪）", "OPT-THK-04", "ELLI-01（椭偏仪）"]),
    "pctool": pick(["PCNT-03（颗粒检测）", "PCNT-05", "DEFECT-B1"]),
    "ltool": pick(["LITHO-S3", "LITHO-S5（浸没式）", "LITHO-K2（KrF）"]), "upload": spc_upload,
    "rule": pick(RULES), "film": pick(FILMS), "gas": pick(GASES), "supplier": pick(SUPPLIERS),
    "pmitems": items(PMITEMS, 2, 4), "loginfail": pick(LOGIN_FAILS), "httpfail": pick(HTTPFAILS),
    "drule": pick(DRULES), "abnormal": pick(ABNORMAL), "shift": pick(SHIFTS), "reticle": pick(RETICLES),
    "secs": pick(SECS), "move": move, "env": env, "qlimit": lambda r: str(_chosen["qlimit"]),
    "qwait": qtime(0.8, 0.97), "qover": qtime(1.02, 1.6),
    "chart": lambda r: "%s-%s-%s" % (r.choice(["XBAR", "X-MR", "EWMA"]), r.choice(["ETCH", "CVD", "CMP", "PH"]),
                                     r.randint(100, 999)),
    "nextday": lambda r: date(r, 7, 30, "slash"), "today": lambda r: date(r, 0, 0, "cn"),
    "expiry": lambda r: date(r, 3, 60, "dmy"),
    "mins": rint(3, 95), "secs_": rint(18, 240), "ms": rint(800, 30000), "elapsed": rint(35000, 410000),
    "hours": real(0.5, 72, "%.1f"), "pmh": real(2, 14, "%.1f"), "n": rint(1, 5), "try": rint(1, 3),
    "prio": rint(1, 9), "queue": rint(0, 18), "job": rint(0, 999999, "TX260314-%06d"), "foup": rint(1, 1800, "FP%04d"),
    "ver": lambda r: "%d.%d" % (r.randint(1, 12), r.randint(0, 9)), "crc": lambda r: "0x%08X" % r.getrandbits(32),
    "thk": real(48, 1250, "%.1f"), "unif": real(0.4, 3.8, "%.2f"), "pts": pick(["9", "13", "25", "49"]),
    "cdtarget": cdtarget, "cd": lambda r: "%.2f" % (_chosen["cd"] * r.uniform(0.97, 1.03)), "s3": real(0.6, 3.2, "%.2f"),
    "size": pick(["0.06", "0.09", "0.12"]), "pcount": rint(0, 30), "pbad": rint(45, 1800), "plimit": pick(["30", "50"]),
    "rh": real(48.5, 55.0), "pct": rint(3, 15), "shots": rint(120000, 980000), "shotmax": pick(["1,000,000", "1,200,000"]),
    "dummies": rint(3, 25), "link": pick(["HSMS-SS 10.31.4.21:5000", "HSMS 10.31.6.17:5001", "SECS-I COM3"]),
    "wip": rint(180, 960), "starts": rint(800, 2600), "outs": rint(700, 2500), "yield": real(91.5, 99.3, "%.2f"),
    "ct": real(38, 62), "lots": rint(8, 60), "loss": real(3500, 48000, "%.2f"),
    "lp": rint(1, 4),
    "eng": optional(lambda r: "【工程批】", 0.15),
    "nextop": optional(lambda r: "，下一站%s" % r.choice(["量测 OPT-THK", "湿法清洗 W2300", "储料器 STK-05", "CD-SEM 抽检"]), 0.5),
    "why": optional(lambda r: "，原因：%s" % r.choice(STATE_WHY), 0.55),
    "note": optional(lambda r: "，备注：%s" % r.choice(RELEASE_NOTES), 0.5),
    "pellicle": optional(lambda r: "，保护膜检查：%s" % r.choice(["OK", "无异常", "有轻微颗粒（已吹扫）"]), 0.4),
    "ptype": optional(lambda r: "，分类：%s" % r.choice(["颗粒 particle", "划伤 Scratch", "残留 Residue"]), 0.35),
    "slotlist": lambda r: ",".join(str(s) for s in sorted(r.sample(range(1, 26), r.randint(2, 6)))),
    "chemlot": optional(lambda r: "，批号%s%06d（有效期至%s）" % (r.choice(["G", "C"]), r.randint(0, 999999),
                                                           date(r, 5, 180, "compact")), 0.45),
    "reason_rc": optional(lambda r: " rc=%d" % r.choice([-1, 2, 4, 7]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (200, "INFO", "eap", "wafer start: lot={lot} wafer={wafer} slot={slot} chamber={tool}/{ch} recipe=\"{recipe}\""),
    (175, "INFO", "eap", "wafer end: lot={lot} wafer={wafer} slot={slot} chamber={tool}/{ch} result=OK elapsed={elapsed}ms"),
    (130, "INFO", "lot", "批次进站：{lot}{eng}（产品{product}），{wafers}片，工序{anystep}「{stepname}」，机台{atool}，配方《{recipe}》，操作员{name}（{emp}）"),
    (120, "INFO", "lot", "批次出站：{lot}，机台{tool}，工序{step}「{stepname}」，良片{good}/{total}，加工用时{mins}分钟{nextop}"),
    (110, "INFO", "dispatch", "dispatch tool={tool} next_lot={lot} priority={prio} queue_len={queue} rule={drule}"),
    (95, "INFO", "amhs", "搬送完成：载具{foup} {move}，任务号{job}，用时{secs_}s"),
    (80, "INFO", "spc", "SPC数据上传：图表「{chart}」 参数={param} 批次={lot} {upload} n={pts}"),
    (65, "INFO", "env", "洁净室环境巡检 {bay}：{env}"),
    (55, "INFO", "metro", "膜厚量测：批次{lot}，晶圆{wafer}，{film}厚度{thk}nm，均匀性{unif}%，量测点{pts}点（{thktool}）"),
    (45, "INFO", "metro", "CD-SEM量测 lot={lot} wafer={wafer} target={cdtarget}nm mean={cd}nm 3σ={s3}nm"),
    (42, "INFO", "recipe", "配方下载成功：机台{tool}，配方《{recipe}》 版本{ver}，校验和{crc}"),
    (40, "INFO", "metro", "颗粒检测：晶圆{wafer}，机台{pctool}，≥{size}μm 新增颗粒{pcount}颗，结果：合格"),
    (35, "INFO", "tool", "机台状态变更：{tool}（{ch}） {states}，操作人{name}{why}"),
    (24, "INFO", "litho", "光罩装载：光罩「{reticle}」，机台{ltool}，累计曝光{shots}次{pellicle}"),
    (20, "INFO", "auth", "用户登录成功：{name}（工号{emp}），终端{term}，角色「{role}」"),
    (15, "ERROR", "eap", "EQ alarm set: tool={tool} chamber={ch} {alarm} lot={lot}"),
    (14, "INFO", "eap", "EQ alarm clear: tool={tool} chamber={ch} {alarm}"),
    (11, "WARN", "qtime", "Q-Time预警：批次{lot}自工序{anystep}起已等待{qwait}分钟，上限{qlimit}分钟，请优先派工"),
    (10, "WARN", "lot", "批次扣留（Hold）：{lot}，原因{hold}，责任部门：{dept}，操作人{name}"),
    (9, "INFO", "lot", "批次放行（Release）：{lot}，扣留时长{hours}小时，审批人{name}（{approver}）{note}"),
    (8, "INFO", "tool", "暖机完成：{tool}/{ch}，使用假片（Dummy）{dummies}片，配方《{recipe}》"),
    (7, "WARN", "spc", "SPC报警【超出控制限】：图表「{chart}」，批次{lot}，{param}={ooc}（{climits}），触发{rule}"),
    (6, "WARN", "lot", "批次返工：{lot}，工序{anystep}「{stepname}」，第{n}次返工，原因：{rework}，槽位{slotlist}"),
    (5, "WARN", "chem", "化学品/气体余量低：{gas}，供给机台{tool}，剩余{pct}%，请联系{supplier}更换{chemlot}"),
    (5, "ERROR", "mes", "MES接口调用失败：POST /mes/api/v2/lots/{lot}/trackout -> HTTP {httpfail}，重试{try}/3"),
    (4.5, "ERROR", "recipe", "配方下载失败：机台{tool}，配方《{recipe}》 版本{ver}，原因：{refusal}"),
    (4, "ERROR", "metro", "颗粒检测：晶圆{wafer}，机台{pctool}，≥{size}μm 新增颗粒{pbad}颗，结果：不合格（上限{plimit}颗）{ptype}"),
    (3.5, "INFO", "tool", "预防性保养完成：{tool}（{ch}），项目：{pmitems}，耗时{pmh}h，下次保养{nextday}"),
    (3.5, "ERROR", "eap", "SECS通讯超时：机台{tool} {secs} T3 timeout，链路{link}，已重连{try}次{reason_rc}"),
    (3, "WARN", "auth", "用户登录失败：工号{emp}，终端{term}，原因：{loginfail}"),
    (3, "ERROR", "spc", "SPC报警【超出规格限】：图表「{chart}」，批次{lot}，{param}={oos}（{slimits}），触发{rule}"),
    (3, "ERROR", "env", "洁净室环境告警：{bay} 湿度{rh}%RH，超出45±3%范围，已持续{mins}分钟"),
    (2.8, "ERROR", "qtime", "Q-Time超时：批次{lot}自工序{anystep}起已等待{qover}分钟，上限{qlimit}分钟，系统自动Hold"),
    (2.5, "ERROR", "eap", "载具ID读取失败：Load Port LP{lp}@{tool}，RFID read timeout，已重试{try}次"),
    (2.5, "ERROR", "db", "保存过程数据失败：java.sql.SQLTransientConnectionException: DbPool-2 - Connection is not available, request timed out after {ms}ms. (lot={lot})"),
    (2.6, "WARN", "litho", "光罩使用次数接近上限：「{reticle}」已曝光{shots}次（上限{shotmax}次），有效期至{expiry}"),
    (1.8, "INFO", "report", "交接班：{bay}{shift}，交班人{name}，接班人{name}，在制{lots}批，异常：{abnormal}"),
    (1.5, "INFO", "report", "日报 {today}：投片{starts}片，出片{outs}片，线上WIP {wip} lots，综合良率{yield}%，平均周期{ct}天"),
    (1.5, "ERROR", "lot", "晶圆报废：{wafer}（槽位{slot}），工序{anystep}「{stepname}」，原因：{scrap}，损失约{loss}元"),
]

# per module: the logging class (form 0), its Chinese name (form 1), hosts and process id (form 2)
MODULES = {
    "eap": ("c.lx.eap.EquipmentAgent", "设备自动化", ["eap01", "eap02", "eap03"], 2231),
    "lot": ("c.lx.mes.lot.LotTrackService", "批次管理", ["mesap01", "mesap02"], 1874),
    "dispatch": ("c.lx.mes.rtd.Dispatcher", "实时派工", ["rtd01"], 3310),
    "amhs": ("c.lx.mcs.TransferJob", "物料搬送", ["mcs01"], 4127),
    "spc": ("c.lx.spc.ChartMonitor", "SPC监控", ["spc01"], 5502),
    "env": ("c.lx.fmcs.CleanroomWatcher", "厂务监控", ["fmcs01"], 6011),
    "metro": ("c.lx.mes.edc.MetrologyCollector", "量测数据", ["edc01", "edc02"], 5519),
    "recipe": ("c.lx.rms.RecipeManager", "配方管理", ["rms01"], 3340),
    "tool": ("c.lx.mes.eqp.ToolStateService", "机台管理", ["mesap01", "mesap02"], 1875),
    "litho": ("c.lx.mes.reticle.ReticleService", "光罩管理", ["mesap03"], 1876),
    "auth": ("c.lx.mes.security.LoginService", "用户认证", ["mesap01"], 1877),
    "qtime": ("c.lx.mes.qtime.QTimeWatcher", "Q-Time监控", ["mesap03"], 1878),
    "chem": ("c.lx.fmcs.SupplyMonitor", "化学品供应", ["fmcs01"], 6012),
    "mes": ("c.lx.mes.client.MesApiClient", "MES接口", ["eap01", "eap02"], 2232),
    "db": ("c.lx.mes.dao.ProcessDataDao", "数据持久化", ["mesap02"], 1879),
    "report": ("c.lx.mes.report.ShiftReport", "生产报表", ["rpt01"], 7003),
}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    logger, cn_module, hosts, pid = MODULES[module]
    if form == 0:
        # the Java services of the MES: a padded level, the worker thread in brackets, the class
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
                                            r.choice(["pool-%d-thread-%d" % (r.randint(2, 6), r.randint(1, 32)),
                                                      "main", "quartz-worker-%d" % r.randint(1, 8)]), logger)
    if form == 1:
        # the fab's own console prints the level and the module in Chinese, the host after them
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s] [主机:fab2-%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, cn_module,
                                                 r.choice(hosts))
    # the collector forwards everything as syslog, with a one-letter level first in the text
    return "%s %2d %s fab2-%s lx-%s[%d]: <%s> " % (at.strftime("%b"), at.day, at.strftime("%H:%M:%S"),
                                                    r.choice(hosts), module, pid, level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "W", 7 * 3600 + 50 * 60, (0, 0, 0, 1, 1, 2))


if __name__ == "__main__":
    main()
