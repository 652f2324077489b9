#!/usr/bin/env python3
"""A GBK log of a city bus operator's dispatch, fare collection, vehicles and depots with its truth.

    bench/make_gbk_bus.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (GPS reports of the
on-board terminals, card taps accepted and refused for a low balance, QR-code rides, stop arrivals,
passenger counts, departures on time and late, drivers signing in and out, breath tests passed and
failed, depot gates letting buses in and out, card readers' uploads that succeed or fail, charging
started and finished, speeding, buses off their route, bunched or too far apart, driver-monitoring
camera alarms, lost GPS fixes, blacklisted cards, temporary diversions, low traction batteries, CAN
bus time-outs, doors open while moving, card-reader security-module faults, a scheduling database
that runs out of connections, end-of-day fare settlement, tyre pressure, failing video recorders,
maintenance done, lost property, the driver's emergency button, hot saloons and accidents),
written to measure the miner on and not to shape it: no rule was made or tuned on them. Several
messages differ in a word or two only (签到/签退, 进场/出场, 上传成功/上传失败, 检测通过/未通过),
which a person still counts as different events. Each message keeps its own frequency, GPS reports
by the hundred (a fifth of the lines) and an accident report once in some six hundred lines. One of
three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# route as the passengers know it, its code in the terminals' reports, its stops in order
ROUTES = [("1路", "1", ["火车站北广场", "人民广场", "文化宫", "市第一人民医院", "石桥路口", "南门汽车站",
                       "吴家湾商城", "宝带桥南"]),
          ("K128路", "K128", ["高铁新城枢纽", "科技大学（南校区）", "学府路口", "金湖大道·星湖街",
                             "东环路（农贸市场）", "体育中心南门", "汽车客运总站"]),
          ("游2路", "Y2", ["凤凰山公园", "古运河码头", "西园路口", "银杏湖公园", "人民广场"]),
          ("夜班N3路", "N3", ["火车站北广场", "观澜街", "十全里", "南门汽车站", "新区管委会"]),
          ("快线B5", "B5", ["工业园区（东）", "星海广场", "国际博览中心 2号门", "高铁新城枢纽"]),
          ("312路（区间）", "312Q", ["白塘村", "梅园新村", "新区管委会", "狮山路·长江路", "市第一人民医院"]),
          ("社区微循环W7", "W7", ["梅园新村", "菜市场（西门）", "社区卫生服务中心", "幸福里小区"]),
          ("56路", "56", ["汽车客运总站", "东湖枢纽站", "滨河公园", "第三中学", "北郊停保场"])]
TERMINALS = sorted({stops[i] for _, _, stops in ROUTES for i in (0, -1)})
ALLSTOPS = sorted({s for _, _, stops in ROUTES for s in stops})
DEPOTS = ["北郊停保场", "东湖枢纽站（临时场站）", "高铁新城首末站", "南门公交停车场", "新区综合车场（二期）",
          "白塘村首末站"]
DEPOTCODES = ["BJ01", "DH02", "GT03", "NM04", "XQ05", "BT06"]
ROADS = ["金湖大道 与 星湖街 交叉口", "人民路（干将路至十梓街段）", "东环路高架下匝道", "长江路 188号 附近",
         "312国道 K1032+400", "学府路·文昌路口", "滨河路（施工路段）", "南环快速路 辅路"]
# card type, fare in 元, how often it is tapped
CARDS = [("普通卡", "2.00", 50), ("普通卡（电子钱包9折）", "1.80", 20), ("学生卡", "1.00", 12),
         ("老年卡（70周岁以上）", "0.00", 8), ("爱心卡（残疾人）", "0.00", 3), ("交通联合卡", "2.00", 10),
         ("员工卡", "0.00", 2)]
PAYING = [c for c in CARDS if c[1] != "0.00"]
QRCH = ["ALIPAY", "WECHAT", "UNIONPAY", "CITY_APP", "DC_EP"]
COUPONS = ["早高峰立减0.50元", "新用户首单免费", "绿色出行周 5折", "换乘优惠1.00元"]
WHY_LATE = ["驾驶员未按时签到", "车辆充电未完成（SOC 42%）", "前序班次晚回场", "车辆故障换车", "道路拥堵（早高峰）",
            "调度临时调整"]
ROLES = ["安全员", "车队长", "值班调度", "分公司安全科"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
ADAS = ["疲劳驾驶（闭眼）", "疲劳驾驶（打哈欠）", "分神驾驶（左顾右盼）", "抽烟", "接打手持电话", "未系安全带",
        "双手脱离方向盘"]
REASONS = ["道路施工", "马拉松赛事交通管制", "地铁6号线施工围挡", "积水路段封闭（暴雨）", "桥梁检测", "重大活动安保"]
CANERRS = ["CAN_BUS_OFF", "CAN_ERR_PASSIVE", "NO_ACK", "RX_OVERRUN"]
DOORS = ["前门", "中门", "后门", "中门（轮椅坡道）"]
TYRES = ["左前", "右前", "左后外", "左后内", "右后外", "右后内"]
DISKS = ["SD卡1", "SD卡 2", "HDD0 (1TB)", "HDD1 (2TB)"]
DSTATS = ["READ_ONLY", "NOT_FOUND", "IO_ERROR", "FULL"]
MAINT = ["更换机油、机滤", "制动系统检查", "空调滤网清洗", "高压线束绝缘检测", "轮胎换位", "车门气泵检修",
         "灯光仪表检查"]
LOST = ["黑色双肩包（内有笔记本电脑）", "智能手机一部（黑色）", "钱包（含身份证）", "折叠雨伞", "学生书包",
        "保温杯", "购物袋（蔬菜、水果）"]
NOTIFIED = ["110指挥中心", "公司安全监控中心", "分公司值班室", "120急救中心"]
ACCIDENTS = ["追尾（被追尾）", "刮擦", "乘客车内摔倒", "与电动自行车碰撞", "倒车碰撞护栏"]
INJURIES = ["无人员受伤", "乘客1人轻伤，已送医", "驾驶员轻微擦伤", "暂不明确，待核实"]
PILES = ["北郊停保场-A%02d（120kW 直流）", "东湖枢纽站-%d号桩（60kW）", "新区综合车场 C区%02d号（180kW 双枪）",
         "高铁新城首末站-%d号桩（120kW 直流）"]
GAPKINDS = ["串车", "大间隔"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def route(r):
    _chosen["route"] = r.choice(ROUTES)
    return _chosen["route"][0]


def stop(r):
    stops = _chosen["route"][2]
    k = r.randrange(len(stops))
    _chosen["seq"] = k + 1
    return stops[k]


def direction(r):
    return r.choice(["上行", "下行"])


def punctual(r):
    k = r.random()
    if k < 0.55:
        return "准点"
    if k < 0.75:
        return "早于计划%d分钟" % r.randint(1, 4)
    if k < 0.93:
        return "晚于计划%d分钟" % r.randint(1, 9)
    return "晚点%d分%02d秒" % (r.randint(10, 25), r.randint(0, 59))


def card(types):
    """A card number (with its blanks, as printed on the card) of one of `types`; the type and
    fare are kept for the line's later values."""
    def make(r):
        _chosen["card"] = r.choices(types, [c[2] for c in types])[0]
        head = "3104 6610" if _chosen["card"][0] == "交通联合卡" else "3100 26%02d" % r.randint(0, 99)
        return "%s %04d %04d" % (head, r.randint(0, 9999), r.randint(0, 9999))
    return make


def plate(r):
    if r.random() < 0.75:
        return "苏E·%05dD" % r.randint(0, 99999)
    return "苏E·%s%04d" % (r.choice("ABCFGK"), r.randint(0, 9999))


def selfno(r):
    return "%d-%04d" % (r.randint(1, 8), r.randint(1, 2400))


def plan(r):
    _chosen["plan"] = r.randint(5, 22) * 60 + r.choice(range(0, 60, 5))
    return "%02d:%02d" % divmod(_chosen["plan"], 60)


def actual(r):
    s = _chosen["plan"] * 60 + r.randint(-60, 180)
    return "%02d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)


def late_actual(r):
    _chosen["late"] = r.randint(4, 25)
    s = (_chosen["plan"] + _chosen["late"]) * 60 + r.randint(0, 59)
    return "%02d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)


def hms(r):
    return "%02d:%02d:%02d" % (r.randint(5, 23), r.randint(0, 59), r.randint(0, 59))


def passengers(r):
    load = r.randint(2, 96)
    _chosen["pct"] = round(load * 100 / 82)
    return str(load)


def speeding(r):
    _chosen["limit"] = r.choice([30, 40, 40, 50, 60])
    return "%.1f" % (_chosen["limit"] + r.uniform(3, 24))


def gap(r):
    _chosen["headway"] = r.choice([6, 8, 10, 12, 15, 20])
    if r.random() < 0.5:
        _chosen["kind"] = "串车"
        return "%.1f" % r.uniform(0.3, 2.0)
    _chosen["kind"] = "大间隔"
    return "%d" % (_chosen["headway"] * 2 + r.randint(0, 25))


def settle(r):
    taps, qr = r.randint(8000, 42000), r.randint(6000, 38000)
    tap_yuan, qr_yuan, coins = taps * r.uniform(1.3, 1.8), qr * r.uniform(1.6, 1.95), r.uniform(300, 2600)
    return "刷卡%d笔/%.2f元，扫码%d笔/%.2f元，投币%.2f元，合计%.2f元" % (
        taps, tap_yuan, qr, qr_yuan, coins, tap_yuan + qr_yuan + coins)


def tyre_kpa(r):
    _chosen["std"] = r.choice([830, 900])
    if r.random() < 0.7:
        return "%d" % (_chosen["std"] - r.randint(150, 320))
    return "%d" % (_chosen["std"] + r.randint(110, 200))


def day(r, lo, hi, form):
    d = datetime.date(2026, 5, 18) + datetime.timedelta(days=r.randint(lo, hi))
    return d.strftime(form) if "%" in form else form.format(d=d)


def pile(r):
    p = r.choice(PILES)
    return p % r.randint(1, 24)


def routes(r):
    return "、".join("《%s》" % t[0] for t in r.sample(ROUTES, r.randint(1, 3)))


def lnglat(r):
    return "%.6f" % r.uniform(120.52, 120.81), "%.6f" % r.uniform(31.21, 31.42)


V = {
    "name": name, "route": route, "stop": stop, "dir": direction, "punct": punctual, "plate": plate,
    "selfno": selfno, "seq": lambda r: str(_chosen["seq"]),
    "card": card(CARDS), "pcard": card(PAYING), "cardtype": lambda r: _chosen["card"][0],
    "fare": lambda r: _chosen["card"][1],
    "cbal": real(0.5, 320, "%.2f"), "lowbal": real(0, 1.7, "%.2f"),
    "transfer": optional(lambda r: "，换乘优惠%.2f元（%d分钟内换乘）" % (r.choice([0.5, 1.0]), r.randint(3, 88)), 0.3),
    "routeid": lambda r: r.choice(ROUTES)[1],
    "lng": lambda r: lnglat(r)[0], "lat": lambda r: lnglat(r)[1],
    "speed": real(0, 58, "%.1f"), "heading": rint(0, 359), "sats": rint(4, 19),
    "epoch": rint(1779055200, 1779120000),
    "odo": optional(lambda r: " odo=%.1fkm" % r.uniform(40000, 680000), 0.35),
    "qrch": pick(QRCH), "uid": lambda r: r.choice(["u_%010d", "2088%012d"]) % r.randint(0, 10 ** 10 - 1),
    "qfare": pick(["2.00", "2.00", "1.00", "1.80", "3.00"]),
    "qorder": rint(0, 10 ** 8 - 1, "QR20260518%08d"),
    "qdiscount": optional(lambda r: " coupon=「%s」" % r.choice(COUPONS), 0.2),
    "anystop": pick(ALLSTOPS), "on": rint(0, 24), "off": rint(0, 30), "load": passengers,
    "pct": lambda r: str(_chosen["pct"]),
    "trip": lambda r: "BC%03d" % r.randint(1, 180), "plan": plan, "actual": actual,
    "lateactual": late_actual, "latemin": lambda r: str(_chosen["late"]), "why": pick(WHY_LATE),
    "emp": rint(10000, 39999), "depot": pick(DEPOTS), "depotcode": pick(DEPOTCODES), "hms": hms,
    "signnote": optional(lambda r: r.choice(["，人脸比对相似度%.2f" % r.uniform(0.86, 0.99),
                                             "，血压%d/%dmmHg" % (r.randint(105, 150), r.randint(65, 95))]), 0.45),
    "gate": rint(1, 4), "odokm": rint(40000, 680000),
    "breath": lambda r: "BT-%02d号酒测仪" % r.randint(1, 12), "bac": real(8.0, 46.0),
    "role": pick(ROLES),
    "devid": lambda r: "BV%02d%04X" % (r.randint(1, 8), r.randint(0, 0xFFFF)),
    "batch": lambda r: "UP20260518-%05d" % r.randint(1, 40000), "n": rint(1, 480),
    "okms": rint(60, 2400), "failms": rint(5000, 30000), "httpfail": pick(HTTPFAILS),
    "retry": optional(lambda r: "，第%d次重试，%d分钟后再次上传" % (r.randint(1, 3), r.choice([1, 5, 10])), 0.5),
    "fast": speeding, "limit": lambda r: str(_chosen["limit"]), "road": pick(ROADS), "dur": rint(3, 95),
    "voice": optional(lambda r: "（已语音提醒驾驶员）", 0.5),
    "pile": pile, "soc": rint(8, 45), "soc2": rint(85, 100), "period": pick(["谷", "平", "峰", "尖峰"]),
    "mins": rint(12, 140), "kwh": real(60, 280), "money": real(40, 260, "%.2f"),
    "dist": rint(150, 2400),
    "detournote": optional(lambda r: "，调度已确认为临时改道", 0.3),
    "gap": gap, "headway": lambda r: str(_chosen["headway"]), "gapkind": lambda r: _chosen["kind"],
    "adas": pick(ADAS),
    "dtslash": lambda r: day(r, 0, 0, "%Y/%m/%d") + " " + hms(r),
    "adasnote": optional(lambda r: "，视频片段已推送至安全监控平台", 0.4),
    "lastfix": lambda r: day(r, 0, 0, "%Y-%m-%d") + "T" + hms(r) + "+08:00",
    "lostdate": lambda r: day(r, -400, -1, "%Y.%m.%d"),
    "routes": routes, "datecn": lambda r: day(r, 1, 6, "{d.month}月{d.day}日"),
    "hour": rint(0, 23, "%d时"), "reason": pick(REASONS), "skipped": items(ALLSTOPS, 1, 3),
    "lowsoc": rint(5, 19), "range": rint(6, 40), "terminal": pick(TERMINALS), "dist2": real(1.2, 18.5),
    "hex": rint(0x100, 0x7FF, "%03X"), "ms": rint(200, 3000), "canerr": pick(CANERRS),
    "door": pick(DOORS), "slow": real(3, 26),
    "sw": pick(["6A82", "6985", "6A88", "6F00"]),
    "psamnote": optional(lambda r: "（PSAM卡号 %012d）" % r.randint(0, 10 ** 12 - 1), 0.4),
    "dbms": rint(30000, 60000), "datedash": lambda r: day(r, 0, 1, "%Y-%m-%d"),
    "datecompact": lambda r: day(r, -1, -1, "%Y%m%d"), "settle": settle,
    "qfbatch": lambda r: "QF%s-%03d" % (day(r, -1, -1, "%y%m%d"), r.randint(1, 60)),
    "tyre": pick(TYRES), "kpa": tyre_kpa, "stdkpa": lambda r: str(_chosen["std"]), "tyretemp": real(35, 92),
    "dvr": lambda r: "DVR%02d-%04d" % (r.randint(1, 8), r.randint(1, 2400)), "disk": pick(DISKS),
    "dstat": pick(DSTATS), "dtdot": lambda r: day(r, -1, 0, "%Y.%m.%d") + " " + hms(r),
    "wo": lambda r: "WO%s%04d" % (day(r, 0, 0, "%y%m%d"), r.randint(1, 9999)),
    "mlevel": pick(["一级保养", "二级保养", "换季保养（空调）"]), "mitems": items(MAINT, 2, 4),
    "mhours": real(1.5, 9), "names": lambda r: "、".join(name(r) for _ in range(r.randint(1, 3))),
    "nextkm": rint(45000, 690000),
    "lostitem": pick(LOST), "lostid": lambda r: "SW%s-%03d" % (day(r, 0, 0, "%m%d"), r.randint(1, 120)),
    "notified": items(NOTIFIED, 1, 3),
    "hot": real(32, 41.5), "outside": real(27, 38), "code": rint(1, 40, "%02d"),
    "acc": pick(ACCIDENTS), "inj": pick(INJURIES),
    "photos": optional(lambda r: "，现场照片%d张已上传" % r.randint(2, 12), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "gps", "GPS上报 plate={plate} route={routeid} lng={lng} lat={lat} spd={speed} dir={heading} "
                         "sat={sats} ts={epoch}{odo}"),
    (200, "INFO", "card", "刷卡成功：卡号{card}（{cardtype}），扣款{fare}元，余额{cbal}元，线路{route}，车辆{selfno}"
                          "{transfer}"),
    (140, "INFO", "dispatch", "【到站】线路《{route}》{dir}，车辆{selfno}到达「{stop}」（第{seq}站），{punct}"),
    (110, "INFO", "qr", "qrcode ride ok: channel={qrch} user_id={uid} route={routeid} fare={qfare} order_no={qorder}"
                        "{qdiscount}"),
    (80, "INFO", "pax", "客流计数：车辆{selfno}，站点「{anystop}」，上车{on}人，下车{off}人，车内{load}人，满载率{pct}%"),
    (55, "INFO", "dispatch", "发车：线路《{route}》{dir}，班次{trip}，计划{plan}，实发{actual}，车辆{plate}（{selfno}），"
                             "驾驶员{name}（工号{emp}）"),
    (40, "INFO", "driver", "驾驶员签到成功：{name}（工号{emp}），场站：{depot}，车辆{selfno}，打卡时间{hms}{signnote}"),
    (38, "INFO", "driver", "驾驶员签退成功：{name}（工号{emp}），场站：{depot}，车辆{selfno}，打卡时间{hms}{signnote}"),
    (36, "INFO", "depot", "场站门禁：车辆{plate}（{selfno}）进场，{depot} {gate}号闸口，司机{name}，里程表读数{odokm}km"),
    (34, "INFO", "depot", "场站门禁：车辆{plate}（{selfno}）出场，{depot} {gate}号闸口，司机{name}，里程表读数{odokm}km"),
    (30, "INFO", "driver", "酒精检测通过：驾驶员{name}（工号{emp}），检测值0mg/100ml，检测仪{breath}，{depot}"),
    (28, "INFO", "upload", "终端数据上传成功：设备号{devid}，交易记录{n}条，批次{batch}，耗时{okms}ms"),
    (24, "WARN", "dispatch", "超速告警 plate={plate} route={routeid} speed={fast}km/h limit={limit}km/h 路段：{road}，"
                             "持续{dur}s{voice}"),
    (18, "WARN", "card", "刷卡失败：卡号{pcard}（{cardtype}），原因：余额不足（当前余额{lowbal}元，需{fare}元），"
                         "线路{route}，车辆{selfno}"),
    (14, "INFO", "charge", "充电开始：车辆{selfno}，充电桩「{pile}」，起始SOC {soc}%，电价时段【{period}】，"
                           "预计充满需{mins}分钟"),
    (13, "INFO", "charge", "充电结束：车辆{selfno}，充电桩「{pile}」，结束SOC {soc2}%，本次充电{kwh}kWh，费用{money}元，"
                           "用时{mins}分钟"),
    (12, "WARN", "dispatch", "偏离线路告警：{plate}（{selfno}）线路《{route}》，偏离{dist}米，当前位置：{road}{detournote}"),
    (11, "WARN", "dispatch", "行车间隔异常：线路《{route}》{dir}，车辆{selfno}与前车{selfno}间隔{gap}分钟"
                             "（计划{headway}分钟），判定为【{gapkind}】"),
    (10, "WARN", "adas", "ADAS告警：类型=「{adas}」，车辆{plate}，驾驶员{name}，车速{speed}km/h，抓拍时间{dtslash}"
                         "{adasnote}"),
    (9, "WARN", "dispatch", "发车晚点：线路《{route}》班次{trip}，计划{plan}，实发{lateactual}，晚点{latemin}分钟，"
                            "原因：{why}"),
    (8, "WARN", "gps", "GPS信号丢失：设备{devid}（车辆{selfno}），最后定位{lastfix}，已持续{dur}秒，"
                       "last_fix=({lng},{lat})"),
    (7, "WARN", "card", "黑名单卡拦截：卡号{card}，类型{cardtype}，挂失日期{lostdate}，terminal={devid}，"
                        "已提示乘客「此卡已挂失，请到服务网点处理」"),
    (6, "INFO", "dispatch", "临时改道通知：线路{routes}自{datecn}{hour}起因「{reason}」临时绕行{road}，甩站：{skipped}"),
    (6, "WARN", "vehicle", "动力电池SOC偏低：车辆{selfno} SOC={lowsoc}% 剩余续航约{range}km，距总站「{terminal}」"
                           "{dist2}km，建议回场充电"),
    (5, "ERROR", "vehicle", "CAN总线通讯超时：车辆{selfno} node=0x{hex} timeout={ms}ms err={canerr}"),
    (5, "WARN", "vehicle", "开门行车告警：车辆{plate}（{selfno}）{door}未关闭，车速{slow}km/h，位置：{road}"),
    (4, "ERROR", "upload", "终端数据上传失败：设备号{devid}，交易记录{n}条，批次{batch}，耗时{failms}ms，"
                           "原因：HTTP {httpfail}{retry}"),
    (4, "ERROR", "card", "读卡器异常：终端{devid} PSAM认证失败 SW={sw} err=PSAM_AUTH_FAIL，已切换为「仅扫码」模式"
                         "{psamnote}"),
    (3.5, "ERROR", "dispatch", "排班服务异常：java.sql.SQLTransientConnectionException: dbpool-1 - Connection is not "
                               "available, request timed out after {dbms}ms.（排班日期={datedash}，场站={depotcode}）"),
    (3, "INFO", "finance", "日终票款结算：{depot}，营收日期{datecompact}，{settle}，清分批次{qfbatch}"),
    (3, "WARN", "vehicle", "胎压异常：车辆{selfno} 轮位【{tyre}】 胎压{kpa}kPa（标准{stdkpa}kPa），胎温{tyretemp}℃"),
    (2.5, "ERROR", "video", "车载视频存储故障：DVR={dvr} disk={disk} status={dstat}，最近录像时间{dtdot}，"
                            "已生成维修工单{wo}"),
    (2.2, "INFO", "maint", "车辆保养完成：{plate}（{selfno}）{mlevel}，项目：{mitems}，工时{mhours}小时，维修工：{names}，"
                         "下次保养里程{nextkm}km"),
    (2, "INFO", "service", "失物招领登记：{selfno}（线路《{route}》）拾得「{lostitem}」，拾获人{name}，已交{depot}调度室，"
                             "登记号{lostid}"),
    (1.9, "WARN", "driver", "酒精检测未通过：驾驶员{name}（工号{emp}），检测值{bac}mg/100ml，检测仪{breath}，{depot}，"
                            "已暂停排班并通知{role}{name}"),
    (1.8, "ERROR", "alarm", "一键报警触发：车辆{plate}，驾驶员{name}，位置（{lng}, {lat}）{road}，已通知{notified}"),
    (1.8, "WARN", "vehicle", "车厢温度过高：车辆{selfno} 车内{hot}℃ / 车外{outside}℃，空调状态=OFF，故障码AC-E{code}"),
    (1.7, "ERROR", "accident", "交通事故上报：车辆{plate}（{selfno}），驾驶员{name}，地点：{road}，类型：{acc}，"
                               "伤亡情况：{inj}{photos}"),
]

# per module: its name in the Chinese console, host, daemon and pid for syslog, thread and logger for the Java services
MODULES = {
    "gps": ("定位服务", "gps-ing-%02d", "gpsrecv", 2210, "gps-consumer-%d", "c.y.t.gps.PositionConsumer"),
    "card": ("票务清分", "afc-clear-01", "afcd", 3105, "card-tx-%d", "c.y.t.afc.CardTxnHandler"),
    "qr": ("扫码支付", "qrpay-gw-%02d", "qrpayd", 3188, "http-nio-8443-exec-%d", "c.y.t.pay.QrRideCallback"),
    "dispatch": ("智能调度", "dsp-core-%02d", "dispatchd", 4120, "dispatch-worker-%d", "c.y.t.dsp.ScheduleMonitor"),
    "pax": ("客流统计", "apc-svc-01", "apcd", 4307, "apc-agg-%d", "c.y.t.apc.PassengerCounter"),
    "driver": ("人员考勤", "hr-attend-01", "attendd", 5011, "attend-%d", "c.y.t.hr.DriverAttendance"),
    "depot": ("场站管理", "depot-gate-%02d", "gated", 5230, "gate-io-%d", "c.y.t.depot.GateEventListener"),
    "upload": ("终端接入", "afc-upload-%02d", "uploadd", 3140, "upload-%d", "c.y.t.afc.TerminalUploader"),
    "charge": ("充电管理", "chg-mgmt-01", "chargerd", 6120, "charge-poll-%d", "c.y.t.energy.ChargeSession"),
    "adas": ("主动安全", "adas-svc-01", "adasd", 6410, "adas-alarm-%d", "c.y.t.safety.AdasAlarmHandler"),
    "vehicle": ("车辆监控", "vms-can-%02d", "vmsd", 6502, "can-decode-%d", "c.y.t.vms.VehicleStateMonitor"),
    "video": ("视频监控", "cctv-mgr-01", "cctvd", 6630, "dvr-health-%d", "c.y.t.video.DvrHealthCheck"),
    "finance": ("营收结算", "fin-settle-01", "settled", 7010, "settle-job-%d", "c.y.t.fin.DailySettlement"),
    "maint": ("机务维修", "mro-01", "mrod", 7120, "mro-%d", "c.y.t.mro.WorkOrderService"),
    "service": ("客服中心", "svc-desk-01", "svcdesk", 7301, "svc-%d", "c.y.t.cs.LostPropertyService"),
    "alarm": ("应急指挥", "sos-gw-01", "sosgw", 7550, "sos-%d", "c.y.t.safety.EmergencyButton"),
    "accident": ("安全管理", "safety-01", "safetyd", 7560, "safety-%d", "c.y.t.safety.AccidentReport"),
}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def _fmt(text, r):
    return text % r.randint(1, 12) if "%" in text else text


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 18) + datetime.timedelta(seconds=t)
    cn, host, daemon, pid, thread, logger = MODULES[module]
    if form == 0:
        # the central services are Java and log with a pattern layout: time, level, thread, logger
        return "%s.%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level,
                                           _fmt(thread, r), logger)
    if form == 1:
        # the operations console writes the level and the subsystem in Chinese, with the host it came from
        word = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s@%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), word, cn, _fmt(host, r))
    # the depot gateways forward everything by syslog, facility local0
    pri = 128 + {"INFO": 6, "WARN": 4, "ERROR": 3}[level]
    return "<%d>%s %2d %s %s %s[%d]: " % (pri, MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                        _fmt(host, r), daemon, pid)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "B", 5 * 3600 + 10 * 60, (0, 0, 1, 1, 2))


if __name__ == "__main__":
    main()
