#!/usr/bin/env python3
"""A GBK log of a Chinese shipyard's production services with its truth.

    bench/make_gbk_shipyard.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (hull block
welding records, welding parameters out of range, welding machines going offline and a weld
record that cannot be saved, crane telemetry, lifts started and finished, lifts stopped by wind
and crane faults, dock plan changes, docks flooded and pumped dry, an undocking, gate swipes,
material handed out, received, returned and running low, a failed ERP sync, paint-shop climate
records and climate too close to the dew point, blasting checks, film thickness passed and
failed, ultrasonic and other weld tests passed and failed, dimensional checks, tightness tests
passed and failed, surveys requested, hot-work permits, gas tests in tanks that let a worker in
or keep him out, sea-trial readings, trial alarms, steering gear and anchor trials, welder
certificates about to expire), written to measure the miner on and not to shape it: no rule was
made or tuned on them. Each message keeps its own frequency, welding records and crane telemetry
by the hundred and an undocking or a crane fault a few times in four thousand lines. Several
messages are twins that differ only in a word or two (a lift started or finished, a dock flooded
or pumped dry, a tank open or closed to entry, PASS or FAIL), which a person would still count as
two messages. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

DAY = datetime.date(2026, 5, 18)

# hull number and the ship it is
PROJECTS = [("H2417", "82000吨散货船"), ("H2418", "82000吨散货船"), ("H2503", "7000车位汽车运输船"),
            ("H2511", "1800TEU集装箱船"), ("H2520", "1.86万立方米LNG加注船"), ("H2602", "64000吨多用途重吊船（首制船）")]
# crane id, what it is, safe working load in t
CRANES = [("GC-01", "900t 龙门吊", 900), ("GC-02", "600t 龙门吊", 600), ("MC-03", "门座吊（40t）", 40),
          ("MC-05", "门座吊（80t）", 80), ("CR-12", "履带吊 250t", 250), ("FC-1", "浮吊「海衡1号」", 1200)]
METHODS = ["CO2气保焊（FCAW）", "埋弧自动焊 SAW", "手工电弧焊（SMAW）", "单面焊双面成型（陶瓷衬垫）", "垂直气电焊 EGW"]
POSITIONS = ["平焊 1G", "横焊 2G", "立焊 3G", "仰焊 4G", "平角焊 2F", "立角焊 3F"]
BAYS = ["平面分段流水线", "曲面分段车间（三跨）", "总组平台A区", "2号船台", "1号干船坞"]
# material, unit, usual quantity drawn at a time
MATERIALS = [("船板 AH36 14mm×2500×12000", "张", 1, 24), ("船板 DH36 20mm×3000×10000", "张", 1, 12),
             ("球扁钢 HP200×10", "根", 4, 60), ("角钢 L125×80×10", "根", 6, 80), ("药芯焊丝 E71T-1C φ1.2", "kg", 15, 450),
             ("埋弧焊丝 H08MnA φ4.0", "kg", 25, 600), ("焊剂 SJ101", "kg", 25, 300), ("陶瓷衬垫 TG-1.2M", "箱", 1, 20),
             ("CO2气瓶（40L）", "瓶", 2, 36), ("环氧防锈底漆 EP-210", "L", 20, 800), ("法兰 DN150 PN16", "件", 2, 40),
             ("无缝钢管 Φ89×6", "m", 6, 120)]
TEAMS = ["船体车间 装焊一班", "船体车间 装焊三班", "总组作业区 二班", "管子车间", "涂装车间 喷砂班", "舾装一队（外协：鑫澜劳务）",
         "电装班（机舱）"]
SUPPLIERS = ["东澄钢铁（集团）有限公司", "海昌焊材有限公司", "瀚洋涂料（中国）有限公司", "宁远管件厂", "华乾工业气体",
             "北沅船用钢管有限公司"]
WAREHOUSES = ["钢材堆场A区", "焊材库", "油漆库（危化品）", "舾装件库", "管材库"]
REASONS = ["余料退回", "规格不符", "领错炉批号", "工单取消", "表面锈蚀严重", "图纸变更（ECN-0417）"]
DEPTS = ["船体车间 装焊一班", "涂装车间", "舾装一队", "质量部 QC", "外协 鑫澜劳务", "轮机调试组", "安环部"]
GATES = ["东门3号闸机", "西门1号闸机", "码头门岗", "涂装车间侧门", "船坞南通道"]
PAREAS = ["涂装车间1#喷房", "涂装车间3#喷房（分段）", "2号船台外板", "1号干船坞（船底）", "舾装码头 上建外围"]
TANKS = ["No.3 压载舱（左）", "艏尖舱", "机舱双层底 DB-5", "No.2 货舱", "燃油舱 FO-2（右）", "淡水舱 FW-1", "艉尖舱"]
COATS = ["环氧防锈底漆 EP-210（红棕）", "改性环氧耐磨漆 灰色", "聚氨酯面漆（RAL 7035）", "无锡自抛光防污漆 AF-550",
         "车间底漆（无机硅酸锌）"]
NDTS = ["UT（超声）", "RT（射线）", "MT（磁粉）", "PT（渗透）"]
DEFECTS = ["气孔", "夹渣", "未熔合", "未焊透", "横向裂纹", "咬边超标"]
STAGES = ["分段搭载", "大合拢", "坞内密性试验", "出坞", "主机吊装", "上建吊装", "轴系安装"]
WHYS = ["分段焊接滞后", "钢板到货延迟", "大风天气", "600t 龙门吊检修", "船东图纸意见未关闭", "前序船出坞推迟"]
DOCKS = ["1号干船坞", "2号船台（北）", "3号船台", "总组平台A区", "舾装码头（3#泊位）"]
DRYDOCKS = ["1号干船坞", "2号干船坞（修船）", "浮船坞「海宁号」"]
ITEMS = ["分段结构完整性", "压载舱涂装", "主机对中", "轴系校中", "舱室完工交验", "锚绞机效用试验", "货舱密性"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
ENDPOINTS = ["/api/erp/v2/material-out", "/api/erp/v2/goods-receipt", "/api/erp/v2/material-return"]
EXCEPTIONS = ["java.sql.SQLTransientConnectionException: connection pool exhausted, request timed out after %dms",
              "java.net.SocketTimeoutException: Read timed out (%dms)",
              "org.postgresql.util.PSQLException: ERROR: deadlock detected (waited %dms)"]
FAULTS = [("F012", "起升变频器过流"), ("F031", "大车纠偏超限"), ("E-207", "编码器信号丢失"), ("E-115", "超载限制器动作"),
          ("W-044", "制动器磨损报警")]
ACTIONS = ["已降速至50% MCR", "已手动复位，继续观察", "已切换备用泵", "已通知轮机长及船东代表", "试验暂停，返航待查"]
GRADES = ["2G/3G 对接", "全位置 6G 管焊", "角焊 3F/4F", "埋弧自动焊 1G"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def hull(r):
    _chosen["p"] = r.choice(PROJECTS)
    return _chosen["p"][0]


def block(r):
    _chosen["block"] = "%s%d%02d%s" % (r.choice("BDEFSU"), r.randint(1, 6), r.randint(1, 40),
                                       r.choice(["P", "S", "C", ""]))
    return _chosen["block"]


def seam(r):
    return "%s-%s%03d" % (_chosen["block"], r.choice(["W", "W", "FW", "BW"]), r.randint(1, 160))


def crane(r):
    _chosen["crane"] = r.choice(CRANES)
    return "%s %s" % _chosen["crane"][:2]


def crane_id(r):
    _chosen["crane"] = r.choice(CRANES)
    return _chosen["crane"][0]


def material(r):
    _chosen["m"] = r.choice(MATERIALS)
    return _chosen["m"][0]


def amount(scale_lo, scale_hi):
    """A quantity of the line's material with its unit, scaled from its usual range."""
    def make(r):
        _, unit, lo, hi = _chosen["m"]
        q = r.uniform(lo, hi) * r.uniform(scale_lo, scale_hi)
        return ("%.1f%s" if unit in ("kg", "L", "m") else "%d%s") % (
            q if unit in ("kg", "L", "m") else max(1, round(q)), unit)
    return make


def day(r, lo, hi, fmt):
    d = DAY + datetime.timedelta(days=r.randint(lo, hi))
    return fmt.format(y=d.year, m=d.month, d=d.day)


def certdate(r):
    _chosen["days"] = r.randint(3, 45)
    d = DAY + datetime.timedelta(days=_chosen["days"])
    return "%04d/%02d/%02d" % (d.year, d.month, d.day)


def overrange(r):
    if r.random() < 0.6:
        lo = r.choice([160, 180, 220, 260])
        hi = lo + r.choice([60, 80, 100])
        got = hi + r.randint(8, 70) if r.random() < 0.7 else lo - r.randint(8, 40)
        return "实测电流%dA，超出工艺范围%d～%dA" % (got, lo, hi)
    lo = r.choice([22, 24, 26, 28])
    hi = lo + r.choice([4, 6])
    return "实测电压%.1fV，超出工艺范围%d～%dV" % (hi + r.uniform(0.6, 5.0), lo, hi)


def dft_target(r):
    _chosen["dft"] = r.choice([75, 125, 150, 250, 320])
    return str(_chosen["dft"])


def dft_values(ok):
    """min=…μm avg=…μm for the line's target thickness, kept (90/10 rule) or broken."""
    def make(r):
        t = _chosen["dft"]
        low = t * (r.uniform(0.9, 1.05) if ok else r.uniform(0.55, 0.85))
        return "min=%dμm avg=%dμm" % (low, t * r.uniform(1.05, 1.35))
    return make


def dew_gap(r):
    dew = r.uniform(12, 24)
    gap = r.uniform(0.3, 2.8)
    return "钢板温度%.1f℃，露点%.1f℃，温差%.1f℃" % (dew + gap, dew, gap)


def heat(r):
    return "%s%d%s%04d" % (r.choice(["B", "C", "7A", "K"]), r.randint(2, 6), r.choice("ABCDEH"), r.randint(0, 9999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def trial_alarm(r):
    k = r.randrange(5)
    if k == 0:
        return "主机滑油进机压力低 %.2fMPa（报警值0.20MPa）" % r.uniform(0.12, 0.19)
    if k == 1:
        return "No.%d缸排烟温度高 %d℃（报警值450℃）" % (r.randint(1, 6), r.randint(452, 490))
    if k == 2:
        return "艉管后轴承温度高 %.1f℃" % r.uniform(62, 75)
    if k == 3:
        return "%d号发电机冷却水出口温度高 %d℃" % (r.randint(1, 3), r.randint(88, 96))
    return "舵机液压油柜油位低（%s）" % r.choice(["1号泵组", "2号泵组"])


def exception(r):
    return r.choice(EXCEPTIONS) % r.randint(3000, 30000)


def fault(r):
    return "%s（%s）" % r.choice(FAULTS)


def tolerance(r):
    _chosen["tol"] = r.choice([3, 5, 8])
    return str(_chosen["tol"])


def window(r):
    h = r.randint(7, 13)
    return "%02d:%02d～%02d:%02d" % (h, r.choice([0, 30]), h + r.randint(3, 8), r.choice([0, 30]))


V = {
    "name": name, "hull": hull, "project": lambda r: _chosen["p"][1], "block": block, "seam": seam,
    "crane": crane, "cid": crane_id, "material": material,
    "ton": lambda r: "%.1f" % (_chosen["crane"][2] * r.uniform(0.12, 0.9)),
    "qty": amount(0.3, 1.0), "stock": amount(0.05, 0.3), "safe": amount(0.6, 1.2),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 4))),
    "cert": lambda r: "HG-%d-%04d" % (r.randint(2019, 2025), r.randint(1, 2400)),
    "method": pick(METHODS), "position": pick(POSITIONS), "bay": pick(BAYS),
    "amp": rint(140, 680), "volt": real(21.0, 38.0), "len": real(0.4, 18.0, "%.2f"),
    "preheat": optional(lambda r: "，预热%d℃" % r.choice([50, 75, 100, 120]), 0.25),
    "wps": optional(lambda r: "，WPS-%s-%02d" % (r.choice(["AH36", "DH36", "EH36", "A"]), r.randint(1, 40)), 0.4),
    "machine": lambda r: "WM-%s%03d" % (r.choice("ABCD"), r.randint(1, 180)), "overrange": overrange,
    "ip": lambda r: "10.%d.%d.%d" % (r.choice([12, 16]), r.randint(1, 9), r.randint(10, 250)),
    "secs": rint(65, 1800), "hook": pick(["main", "aux1", "aux2"]), "x": real(0, 62.0), "y": real(0, 480.0),
    "wind": real(0.4, 11.5), "state": pick(["IDLE", "IDLE", "LIFT", "TRAVEL", "SLEW", "PARK"]),
    "from": pick(["总组平台A区", "分段堆场 3#位", "涂装车间出口", "平面分段流水线末端"]),
    "to": pick(["1号干船坞 #%d 胎架" % i for i in (3, 7, 12)] + ["2号船台（北）", "总组平台B区"]),
    "pick": lambda r: "LL%s-%04d" % (DAY.strftime("%Y%m%d"), r.randint(1, 2600)),
    "ret": lambda r: "TL-%s-%03d" % (DAY.strftime("%m%d"), r.randint(1, 260)),
    "grn": lambda r: "RK-%s-%05d" % (DAY.strftime("%y%m"), r.randint(1, 40000)),
    "team": pick(TEAMS), "supplier": pick(SUPPLIERS), "wh": pick(WAREHOUSES), "reason": pick(REASONS),
    "heat": heat,
    "mtc": optional(lambda r: "，质保书编号MTC%d%06d已上传" % (r.randint(24, 26), r.randint(0, 999999)), 0.55),
    "gate": pick(GATES), "card": lambda r: "%08X" % r.getrandbits(32), "dept": pick(DEPTS),
    "dir": pick(["IN", "OUT"]),
    "bodytemp": optional(lambda r: " temp=%.1f℃" % r.uniform(36.0, 37.2), 0.3),
    "parea": pick(PAREAS), "air": real(8, 33), "rh": rint(42, 84), "steel": real(9, 38), "dew": real(1, 21),
    "rhigh": rint(80, 95), "dewgap": dew_gap,
    "sa": pick(["Sa2.5", "Sa2.5", "Sa3", "St3（局部动力工具）"]), "rz": rint(50, 100), "salt": rint(8, 48),
    "coat": pick(COATS), "dt": dft_target, "points": rint(5, 60), "dok": dft_values(True), "dbad": dft_values(False),
    "ndtno": lambda r: "NDT-%s-%04d" % (DAY.strftime("%m%d"), r.randint(1, 900)), "ndt": pick(NDTS),
    "nlen": rint(150, 3000), "defect": pick(DEFECTS), "dlen": rint(3, 60),
    "ndtgrade": optional(lambda r: "，评定等级%s级" % r.choice(["Ⅰ", "Ⅱ"]), 0.5),
    "repair": lambda r: "FX-%05d" % r.randint(1, 30000),
    "stage": pick(STAGES), "mstage": pick(["分段完工", "总组后", "搭载前", "搭载后"]), "tol": tolerance,
    "dev": lambda r: "%.1f" % (_chosen["tol"] * r.uniform(0.1, 0.95)), "dock": pick(DOCKS), "why": pick(WHYS),
    "d1": lambda r: day(r, 1, 20, "{m}月{d}日"), "d2": lambda r: day(r, 3, 40, "{y}-{m:02d}-{d:02d}"),
    "permit": lambda r: "DH%s-%03d" % (DAY.strftime("%Y%m%d"), r.randint(1, 400)),
    "harea": lambda r: r.choice(TANKS + PAREAS[2:] + BAYS[:3]), "window": window,
    "fire": optional(lambda r: "，配备%s" % r.choice(["灭火器2具", "灭火器2具、防火毯1条", "消防水带"]), 0.4),
    "tank": pick(TANKS),
    "o2": real(20.2, 20.9), "lel": real(0, 4.5), "h2s": rint(0, 3), "co": rint(0, 12),
    "o2bad": real(16.8, 19.4), "lelbad": real(6, 28), "h2sbad": rint(4, 18), "cobad": rint(10, 60),
    "tday": rint(1, 4), "mcr": pick(["25", "50", "75", "85", "90", "100", "110"]), "rpm": real(48, 92),
    "kn": real(9.5, 17.8), "sfoc": real(158, 182), "sea": optional(lambda r: "，海况%d级，风力%d级" % (
        r.randint(1, 4), r.randint(2, 6)), 0.45),
    "mpa": pick(["0.015", "0.02", "0.025"]), "hold": pick(["30", "60"]), "drop": real(0.0, 0.4, "%.2f"),
    "leaks": rint(1, 5), "where": pick(["分段合拢缝", "贯穿件周边", "人孔盖板", "角焊缝端部", "管路法兰"]),
    "gust": real(15.0, 24.0), "strong": real(13.0, 19.5), "lim": pick(["12", "13.8", "15"]),
    "affected": optional(lambda r: "，受影响分段：%s" % "、".join(
        "%s%d%02d%s" % (r.choice("BDEF"), r.randint(1, 6), r.randint(1, 40), r.choice("PS"))
        for _ in range(r.randint(1, 3))), 0.5),
    "ins": lambda r: "BY%s%04d" % (DAY.strftime("%y%m"), r.randint(1, 9999)), "item": pick(ITEMS),
    "when": lambda r: day(r, 1, 4, "{y}/{m:02d}/{d:02d}") + " %02d:%s" % (r.randint(8, 16), r.choice(["00", "30"])),
    "phone": phone,
    "surveyor": optional(lambda r: "，验船师%s已确认" % name(r), 0.35),
    "httpfail": pick(HTTPFAILS), "endpoint": pick(ENDPOINTS), "try": rint(1, 5),
    "ddock": pick(DRYDOCKS), "lvl": real(0.2, 4.0), "tgt": real(6.5, 11.0),
    "alarm": trial_alarm, "action": pick(ACTIONS),
    "pumps": pick(["1号泵组", "2号泵组", "双泵组"]), "rsec": rint(14, 27), "exc": exception,
    "side": pick(["左", "右"]), "depth": real(28, 85), "shackle": rint(3, 6), "aspeed": real(9.0, 13.5),
    "grade": pick(GRADES), "certdate": certdate, "days": lambda r: str(_chosen["days"]),
    "undock": lambda r: "%s %02d:%02d" % (DAY.isoformat(), r.randint(5, 6), r.choice([0, 15, 30, 45])),
    "fd": real(2.8, 5.6, "%.2f"), "ad": real(4.2, 7.8, "%.2f"),
    "tug": optional(lambda r: "，协助拖轮：%s" % items(["港拖3号", "港拖7号", "港拖11号", "海衡拖2号"], 2, 3)(r), 0.6),
    "fault": fault,
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "weld", "焊接记录：船号{hull} 分段{block} 焊缝{seam}，焊工{name}（证号{cert}），{method}，{position}，"
                          "电流{amp}A 电压{volt}V，焊缝长度{len}m{preheat}{wps}"),
    (170, "INFO", "crane", "crane.telemetry id={cid} hook={hook} load={ton}t trolley={x}m gantry={y}m wind={wind}m/s state={state}"),
    (130, "INFO", "store", "领料出库：领料单{pick}，{material}，数量{qty}，领用班组「{team}」，经办人{name}"),
    (110, "INFO", "gate", "门禁刷卡 gate={gate} card={card} name={name} dept=\"{dept}\" dir={dir}{bodytemp}"),
    (85, "INFO", "paint", "涂装环境记录：{parea}，气温{air}℃，相对湿度{rh}%，钢板温度{steel}℃，露点{dew}℃，记录人{name}"),
    (65, "INFO", "crane", "吊装作业开始：吊机【{crane}】，船号{hull} 分段{block}，起吊重量{ton}t，{from} → {to}，指挥{name}"),
    (60, "INFO", "crane", "吊装作业完成：吊机【{crane}】，船号{hull} 分段{block}，起吊重量{ton}t，{from} → {to}，指挥{name}"),
    (55, "INFO", "ndt", "NDT报告{ndtno}：船号{hull} 分段{block} 焊缝{seam}，{ndt}检测{nlen}mm，结论：合格{ndtgrade}，检测员{name}"),
    (50, "INFO", "paint", "dft.check hull={hull} block={block} coat=\"{coat}\" target={dt}μm points={points} {dok} result=PASS"),
    (42, "INFO", "measure", "精度测量：分段{block}（{mstage}），全站仪测点{points}个，允许±{tol}mm，最大偏差{dev}mm，测量员{name}"),
    (38, "INFO", "store", "到货入库：入库单{grn}，供应商「{supplier}」，{material}，数量{qty}，炉批号{heat}，存放{wh}{mtc}"),
    (34, "INFO", "safety", "动火作业许可已签发：许可证{permit}，地点{harea}，作业人：{names}，有效时段{window}，监护人{name}{fire}"),
    (30, "INFO", "safety", "受限空间气体检测：{tank}，O2={o2}% LEL={lel}% H2S={h2s}ppm CO={co}ppm，检测人{name}，结论：允许进入"),
    (26, "INFO", "trial", "[试航] 船号{hull} 第{tday}天 主机负荷{mcr}% MCR，转速{rpm}r/min，航速{kn}kn，燃油消耗{sfoc}g/kWh{sea}"),
    (22, "WARN", "weld", "焊接参数超限：焊机{machine}（{bay}），{overrange}，焊工{name}，已提示调整"),
    (20, "INFO", "paint", "喷砂检验：{parea}，清洁度{sa}，粗糙度Rz {rz}μm，可溶性盐{salt}mg/㎡，检验员{name}，结论：合格"),
    (16, "INFO", "dock", "船坞计划调整：{dock} 船号{hull}（{project}），{stage}由{d1}调整至{d2}，原因：{why}"),
    (15, "INFO", "quality", "密性试验：船号{hull} {tank}，试验压力{mpa}MPa，保压{hold}min，压降{drop}kPa，结论：合格"),
    (14, "INFO", "store", "退料入库：退料单{ret}，{material}，数量{qty}，退料班组「{team}」，原因：{reason}"),
    (12, "WARN", "crane", "【大风预警】吊机【{crane}】实测风速{strong}m/s（阵风{gust}m/s），超过作业限值{lim}m/s，暂停吊装作业{affected}"),
    (11, "INFO", "quality", "报验申请已提交：报验单{ins}，船号{hull}，项目《{item}》，预约时间{when}，联系人{name}（{phone}）{surveyor}"),
    (9, "WARN", "store", "inventory.low material=\"{material}\" stock={stock} safety={safe} warehouse={wh}"),
    (9, "WARN", "ndt", "NDT报告{ndtno}：船号{hull} 分段{block} 焊缝{seam}，{ndt}检测{nlen}mm，结论：不合格（{defect}，长度{dlen}mm），已开返修单{repair}"),
    (7, "ERROR", "iface", "ERP接口同步失败：POST {endpoint} -> HTTP {httpfail}，单据{pick}，retry={try}/5"),
    (6, "WARN", "paint", "dft.check hull={hull} block={block} coat=\"{coat}\" target={dt}μm points={points} {dbad} result=FAIL"),
    (5, "ERROR", "weld", "WeldMonitor: welding machine {machine} offline, ip={ip}, last heartbeat {secs}s ago，焊接数据采集中断"),
    (4, "WARN", "quality", "密性试验：船号{hull} {tank}，试验压力{mpa}MPa，保压{hold}min，压降{drop}kPa，结论：不合格，泄漏点{leaks}处（{where}）"),
    (4, "WARN", "paint", "涂装环境不满足：{parea}，相对湿度{rhigh}%，{dewgap}，低于3℃要求，暂停喷涂"),
    (3.5, "INFO", "dock", "{ddock}开始灌水：坞内水位{lvl}m，目标水位{tgt}m，船号{hull}，值班{name}"),
    (3.5, "INFO", "dock", "{ddock}开始排水：坞内水位{tgt}m，目标水位{lvl}m，船号{hull}，值班{name}"),
    (3, "ERROR", "trial", "试航报警 船号{hull}：{alarm}，{action}"),
    (2.5, "INFO", "trial", "舵机试验：船号{hull}，{pumps}运行，左满舵35°转至右舵30°用时{rsec}秒（要求≤28秒），结论：通过"),
    (2, "WARN", "safety", "受限空间气体检测：{tank}，O2={o2bad}% LEL={lelbad}% H2S={h2sbad}ppm CO={cobad}ppm，检测人{name}，结论：禁止进入"),
    (2, "ERROR", "weld", "保存焊接记录失败 block={block} seam={seam}：{exc}，数据已缓存本地待重传"),
    (1.8, "INFO", "trial", "抛锚试验完成：船号{hull}，{side}锚，水深{depth}m，抛出锚链{shackle}节，起锚平均速度{aspeed}m/min"),
    (1.8, "WARN", "hr", "焊工资格证即将到期：{name}（证号{cert}，{grade}），有效期至{certdate}，剩余{days}天，请安排复考"),
    (1.8, "INFO", "dock", "船号{hull}（{project}）出坞完成，坞门开启{undock}（早潮），艏吃水{fd}m，艉吃水{ad}m{tug}"),
    (1.8, "ERROR", "crane", "【故障】吊机【{crane}】报警代码{fault}，已停机，通知机电班{name}"),
]

# Java logger of each module, for the MES header
LOGGERS = {"weld": "c.hy.mes.weld.WeldRecordService", "crane": "c.hy.mes.lift.CraneDispatcher",
           "store": "c.hy.wms.material.OutboundService", "gate": "c.hy.sec.gate.AccessListener",
           "paint": "c.hy.mes.coating.CoatingQcService", "ndt": "c.hy.qms.ndt.NdtReportService",
           "measure": "c.hy.mes.dim.MeasureService", "safety": "c.hy.hse.permit.PermitService",
           "trial": "c.hy.trial.SeaTrialRecorder", "dock": "c.hy.plan.dock.DockPlanService",
           "quality": "c.hy.qms.survey.SurveyRequestService", "iface": "c.hy.integ.erp.ErpSyncJob",
           "hr": "c.hy.hr.cert.CertReminderJob"}
# where each module's lines come from, for the Chinese client's header
PLACES = {"weld": "焊接车间/MES-%02d", "crane": "起重调度", "store": "物资库/WMS-%02d", "gate": "门禁系统",
          "paint": "涂装车间/QC-%02d", "ndt": "质量部·探伤室", "measure": "精度管理", "safety": "安环部",
          "trial": "试航组（船上终端）", "dock": "生产计划处", "quality": "质量部·报验", "iface": "集成平台",
          "hr": "人力资源"}
# host and program of each module, for the syslog header
PROGRAMS = {"weld": ("yd-mes01", "weldsvc", 4127), "crane": ("yd-lift02", "cranectl", 2231),
            "store": ("yd-wms01", "wmsd", 3310), "gate": ("yd-sec01", "gatewatch", 1874),
            "paint": ("yd-mes02", "coatqc", 5519), "ndt": ("yd-qms01", "ndtrpt", 5533),
            "measure": ("yd-mes02", "dimsvc", 5540), "safety": ("yd-hse01", "permitd", 6011),
            "trial": ("trial-h24", "trialrec", 902), "dock": ("yd-plan01", "dockplan", 7003),
            "quality": ("yd-qms01", "surveyd", 5534), "iface": ("yd-esb01", "erpsync", 8120),
            "hr": ("yd-hr01", "certjob", 7410)}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(DAY.year, DAY.month, DAY.day) + datetime.timedelta(seconds=t)
    if form == 0:
        # the yard MES is in Java and logs through a pattern layout with the thread and logger
        thread = r.choice(["%s-exec-%d" % (module, r.randint(1, 8)), "pool-2-thread-%d" % r.randint(1, 16),
                           "scheduling-1"])
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level, thread,
                                           LOGGERS[module])
    if form == 1:
        # the workshop client prints a Chinese date and level and the terminal it runs on
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 6)
        return "[%d年%02d月%02d日 %s] [%s] [%s] " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn, place)
    # the services on the yard hosts go through syslog, level word first in the message
    host, prog, pid = PROGRAMS[module]
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %2d %s %s %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host, prog, pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "Y", 7 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3, 4))


if __name__ == "__main__":
    main()
