#!/usr/bin/env python3
"""A GBK log of a network of community parcel lockers and pickup stations with its truth.

    bench/make_gbk_parcellocker.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 40 messages (couriers logging
in at a locker, reserving compartments, dropping parcels in and taking them back, duplicate drops
refused, pickup-code SMS sent or failed, residents picking up at the locker or at a station,
wrong or expired pickup codes, reminders for parcels left too long, overdue fees charged, paid
and not paid, pickups by someone the resident authorised, returns to sender, parcels shelved and
handed out at stations, compartment doors left open, remote door openings that work or not, lock
boards that stop answering, forced openings, locker heartbeats, network switches, lockers and
cameras going offline, power cuts on battery, chilled compartments reported and too warm,
carrier push interfaces failing, a database that gives up, complaints, inspections found normal
or not, staff signing in and out, station hand-overs and the daily reconciliation), written to
measure the miner on and not to shape it: no rule was made or tuned on them. Each message keeps
its own frequency, drops and pickups by the hundred and the daily reconciliation once in a few
thousand lines. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# locker id, where it stands (as residents know it), number of compartments
LOCKERS = [("SZ-NS-0412", "幸福里小区3号门（东侧）", 72), ("SZ-NS-0417", "翠湖花园 北门岗亭旁", 96),
           ("GZ-TH-0031", "天河·锦绣园 B区车库入口", 60), ("HZ-XH-0206", "西溪雅苑（2期）5幢大堂", 120),
           ("WH-HS-0119", "光谷创业街 17号楼1F", 48), ("CD-WH-0088", "锦江苑 南门便利店外", 72),
           ("NJ-GL-0150", "丁香里社区服务中心（鼓楼区）", 96), ("SH-PT-0722", "浦沿路288弄 小区西门", 60)]
# the stations that keep parcels on shelves, with their codes
STATIONS = [("YZ0331", "邻格驿站·金桂苑店"), ("YZ0347", "邻格驿站（梧桐路88号）"), ("YZ0402", "社区快件服务站 · 兰园店"),
            ("YZ0415", "校园驿站-东区食堂旁"), ("YZ0509", "青枫里便民服务站"), ("YZ0512", "邻格驿站·云栖湾（临时点）")]
# carrier, its short code, and how its waybill numbers look
CARRIERS = [("迅羚速递", "XLSD", lambda r: "XL%013d" % r.randint(0, 10 ** 13 - 1)),
            ("鹏程快运", "PCKY", lambda r: "PC2026031%06d" % r.randint(0, 999999)),
            ("云鸽快递", "YGKD", lambda r: "YG-%010d" % r.randint(0, 10 ** 10 - 1)),
            ("安捷达物流", "AJDWL", lambda r: "AJD%012d" % r.randint(0, 10 ** 12 - 1)),
            ("飞鲸速运", "FJSY", lambda r: "FJ%012d%s" % (r.randint(0, 10 ** 12 - 1), r.choice(["", "", "-1", "-2"]))),
            ("海豚同城（即时配送）", "HTTC", lambda r: "HT%s%08d" % (r.choice("ABCK"), r.randint(0, 10 ** 8 - 1)))]
SIZES = ["超小格XS", "小格S", "中格M", "大格L", "超大格XL"]
PICKWAYS = ["扫码取件", "输入取件码", "人脸识别", "小程序远程开门", "快递员代开"]
VERIFY = ["取件码", "手机尾号", "身份证", "扫码出库", "刷脸"]
NETS = ["4G", "5G", "WIFI", "ETH"]
CODEFAILS = ["取件码不存在", "取件码已过期", "取件码与柜机不匹配", "输入超时（30s）", "该包裹已被取出"]
PAYCH = ["WXPAY", "ALIPAY", "UNIONPAY", "BALANCE"]
PAYERRS = ["USER_PAYING", "ORDER_CLOSED", "NOTENOUGH", "SYSTEMERROR", "SIGN_ERROR"]
LOGINS = ["工牌扫码", "手机号+验证码", "人脸识别", "蓝牙钥匙"]
DCANCELS = ["收件人要求改为送货上门", "地址错误，快递员取回", "格口尺寸不符，改投大格", "包裹破损，快递员取回处理",
            "投错柜机（应为相邻小区）"]
RETREASONS = ["超过7天未取件", "收件人拒收", "收件人信息不全（电话空号）", "疑似违禁品，退回核查", "寄件人申请撤回"]
NETWHY = ["主链路丢包率过高", "4G信号弱", "有线网口断开（Link Down）", "定时回切主链路", "运营商DNS解析失败"]
LOCKERRS = ["CRC_ERROR", "RS485_TIMEOUT", "NO_ACK", "BOARD_RESET", "VOLTAGE_LOW"]
CTYPES = ["包裹丢失", "包裹破损", "未收到取件短信", "超时费争议", "格口打不开", "快递员未入柜却显示已投递"]
CCONTENTS = ["柜子显示已取件，但我根本没拿到！！", "短信说在3号柜，去了发现是空的", "超时费 2元 不合理，我出差了",
             "门打不开，按了好几次也没反应", "箱子压扁了, 里面的杯子碎了", "一直没收到短信，问了邻居才知道"]
CARRIERFAILS = ["E1003", "E2001", "E5000", "RATE_LIMITED", "TOKEN_EXPIRED"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
CHECKS = ["屏幕显示", "扫码头", "摄像头", "门锁", "UPS电池", "网络", "柜体清洁", "照明", "防雨棚"]
ISSUES = ["扫码头识别率低", "C-03格口门变形", "触摸屏右下角失灵", "照明灯不亮", "柜顶有漏水痕迹", "二维码贴纸脱落"]
ROLES = ["站长", "运维", "客服", "区域主管"]
REASONS = ["用户忘带手机", "取件码短信未收到", "格口卡门", "快递员误投需取回", "客诉处理"]
DOORERRS = ["LOCK_NO_RESPONSE", "CELL_OCCUPIED_BY_OTHER", "DEVICE_OFFLINE", "CMD_TIMEOUT"]
SMSCH = ["短信通道A（移动）", "短信通道B（联通）", "备用通道C", "微信服务通知"]
SMSERRS = ["MOBILE_BLACKLIST", "isv.BUSINESS_LIMIT_CONTROL", "号码格式错误", "运营商网关超时", "余额不足"]
RELATIONS = ["家人", "同事", "物业", "室友", "邻居"]
POSTS = ["站长", "理货员", "店员", "兼职"]
SHIFTS = ["早班", "中班", "晚班"]
PCOLD = ["冷藏格C1", "冷藏格C2", "冷藏格C3", "冷冻格F1"]
FRESH = ["鲜奶 950ml×2", "三文鱼（冰袋）", "蓝莓 2盒", "速冻水饺", "冷鲜鸡翅 1kg"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form=0):
    d = datetime.datetime(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi),
                                                            hours=r.randint(8, 21), minutes=r.choice([0, 30]))
    if form == 0:
        return d.strftime("%Y-%m-%d %H:%M")
    if form == 1:
        return "%d月%d日%s" % (d.month, d.day, r.choice(["上午", "下午", "全天"]))
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def locker(r):
    _chosen["locker"] = r.choice(LOCKERS)
    return _chosen["locker"][1]


def cabid(r):
    _chosen["locker"] = r.choice(LOCKERS)
    return _chosen["locker"][0]


def carrier(r):
    _chosen["carrier"] = r.choice(CARRIERS)
    return _chosen["carrier"][0]


def waybill(r):
    # the carrier the line named, else one of them
    c = _chosen.pop("carrier", None) or r.choice(CARRIERS)
    return c[2](r)


def cell(r):
    return "%s-%02d" % (r.choice("ABCDE"), r.randint(1, 24))


def cellno(r):
    return "%s%02d" % (r.choice("ABCDE"), r.randint(1, 24))


def station(r):
    _chosen["station"] = r.choice(STATIONS)
    return _chosen["station"][1]


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def recv(r):
    return r.choice(gbk_messages.SURNAMES) + "*" * r.randint(1, 2)


def dwell(r):
    m = r.randint(3, 60 * 70)
    if m < 60:
        return "%d分钟" % m
    if m < 24 * 60:
        return "%d小时%d分" % (m // 60, m % 60)
    return "%d天 %d小时" % (m // 1440, m % 1440 // 60)


def heart(r):
    total = _chosen["locker"][2]
    return "%d/%d" % (r.randint(0, total), total)


def overdue(r):
    free = r.choice([18, 24, 48])
    rate = r.choice([0.5, 1.0])
    cap = r.choice([3, 5, 10])
    hours = r.randint(1, 160)
    fee = min(cap, -(-hours // 12) * rate)
    return "超时{0}小时，应收{1:.2f}元（首{2}小时免费，之后每12小时{3:.1f}元，封顶{4}元）".format(hours, fee, free, rate, cap)


def fee(r):
    return "%.2f" % (r.choice([1, 2, 3, 4, 5, 6, 8, 10]) * r.choice([0.5, 1.0]))


def lastbeat(r):
    t = datetime.datetime(2026, 3, 14, r.randint(0, 6), r.randint(0, 59), r.randint(0, 59))
    return t.strftime(r.choice(["%H:%M:%S", "%Y/%m/%d %H:%M:%S"]))


def settle_day(r):
    return "2026031%d" % r.randint(0, 3)


def settlement(r):
    dropped = r.randint(1800, 9000)
    picked = int(dropped * r.uniform(0.82, 0.98))
    return "投递%d件，取件%d件，滞留%d件，超时费收入%.2f元，短信%d条" % (
        dropped, picked, dropped - picked, r.uniform(40, 900), int(dropped * r.uniform(1.0, 1.3)))


def until(r):
    t = datetime.datetime(2026, 3, 14, 8) + datetime.timedelta(minutes=r.randint(30, 60 * 14))
    return t.strftime(r.choice(["%H:%M", "%m-%d %H:%M"]))


V = {
    "name": name, "locker": locker, "cabid": cabid, "cabname": lambda r: _chosen["locker"][1], "carrier": carrier, "waybill": waybill, "cell": cell,
    "cellno": cellno, "station": station, "phone": phone, "recv": recv, "dwell": dwell, "free": heart,
    "overdue": overdue, "fee": fee, "lastbeat": lastbeat, "settleday": settle_day, "settlement": settlement,
    "until": until, "rdate": lambda r: day(r, 1, 3, 1), "authuntil": lambda r: day(r, 0, 2, 0),
    "certday": lambda r: day(r, 0, 0, 2),
    "size": pick(SIZES), "pickway": pick(PICKWAYS), "verify": pick(VERIFY), "net": pick(NETS),
    "codefail": pick(CODEFAILS), "paych": pick(PAYCH), "payerr": pick(PAYERRS), "login": pick(LOGINS),
    "dcancel": pick(DCANCELS), "retreason": pick(RETREASONS), "netwhy": pick(NETWHY), "lockerr": pick(LOCKERRS),
    "ctype": pick(CTYPES), "ccontent": pick(CCONTENTS), "cfail": pick(CARRIERFAILS), "httpfail": pick(HTTPFAILS),
    "checks": items(CHECKS, 2, 5), "issues": items(ISSUES, 1, 2), "role": pick(ROLES), "reason": pick(REASONS),
    "doorerr": pick(DOORERRS), "smsch": pick(SMSCH), "smserr": pick(SMSERRS), "relation": pick(RELATIONS),
    "post": pick(POSTS), "shift": pick(SHIFTS), "coldcell": pick(PCOLD), "fresh": pick(FRESH),
    "netfrom": pick(["4G", "ETH", "WIFI"]), "netto": pick(["5G", "4G", "ETH"]),
    "carriercode": pick([c[1] for c in CARRIERS]),
    "cid": lambda r: "%s%05d" % (r.choice(["KD", "XL", "PC", "YG"]), r.randint(0, 99999)),
    "pcode": rint(0, 99999999, "%08d"), "scode": lambda r: "%d-%d-%04d" % (r.randint(1, 9), r.randint(1, 6), r.randint(1, 3200)),
    "shelf": lambda r: "%s区%d层%02d号" % (r.choice("ABCDEF"), r.randint(1, 6), r.randint(1, 40)),
    "badcode": lambda r: "%0*d" % (r.choice([4, 6, 8]), r.randint(0, 9999)),
    "smsms": rint(35, 2400), "kg": real(0.1, 28.0, "%.2f"), "rssi": rint(-113, -51), "cpu": rint(2, 97),
    "ctemp": real(-8.0, 58.0), "ch": rint(1, 4, "%02d"), "kbps": rint(256, 4096), "rdays": pick(["7", "15", "30"]),
    "hours": rint(24, 96), "n": rint(1, 5), "qty": rint(1, 6), "edays": pick(["3", "5", "7"]),
    "stock": rint(40, 1600), "inn": rint(20, 900), "outn": rint(15, 880), "gpsm": rint(1, 180),
    "opensec": rint(60, 1800), "board": rint(1, 8), "offmin": rint(3, 480), "try": rint(1, 5),
    "hum": rint(35, 96), "hot": real(8.3, 19.5), "mins": rint(3, 90), "batt": rint(5, 100), "upsmin": rint(10, 240),
    "g": real(1.2, 9.8, "%.2f"), "photos": rint(1, 6), "diff": rint(0, 12), "dbms": rint(1200, 30000),
    "coldtemp": real(0.5, 7.9),
    "now": lambda r: "2026/3/14 %02d:%02d" % (r.randint(6, 9), r.randint(0, 59)),
    "feeorder": lambda r: "OD%s%06d" % (datetime.date(2026, 3, 14).strftime("%y%m%d"), r.randint(0, 999999)),
    "retno": lambda r: "TH-%06d%s" % (r.randint(0, 999999), r.choice("ABCDEFGH")),
    "ticket": lambda r: "GD%010d" % r.randint(0, 10 ** 10 - 1),
    "repair": lambda r: "WX-2026-%05d" % r.randint(1, 30000),
    "comp": pick(["运行", "停止", "除霜中"]),
    "cells": lambda r: ",".join("%s%02d" % (c, k) for c, k in
                                sorted((r.choice("ABCDE"), r.randint(1, 24)) for _ in range(r.randint(1, 4)))),
    # parts that only some lines of a message carry
    "coldtag": optional(lambda r: "，冷藏件（%s）" % r.choice(FRESH), 0.12),
    "fragile": optional(lambda r: "，标记：%s" % r.choice(["易碎品", "贵重物品（保价%d元）" % r.randint(200, 5000), "到付%.2f元" % r.uniform(6, 80)]), 0.3),
    "alarmsnd": optional(lambda r: "，已触发蜂鸣器并推送%s" % r.choice(["站长APP", "快递员APP", "运维群"]), 0.5),
    "camnote": optional(lambda r: " 存储卡剩余%d%%" % r.randint(3, 98), 0.35),
    "smsretry": optional(lambda r: "，将在%d秒后重试" % r.choice([30, 60, 120, 300]), 0.6),
    "outnote": optional(lambda r: "，代收点备注：%s" % r.choice(["放门卫室", "本人不在，邻居代领", "已拍照留证"]), 0.2),
    "offnote": optional(lambda r: "，%s" % r.choice(["已自动派发工单", "已短信通知在柜收件人（%d人）" % r.randint(1, 40)]), 0.45),
    "stay": optional(lambda r: "，预计%s恢复" % r.choice(["30分钟内", "今日18:00前", "明日上午"]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "deliver", "投递成功：{locker}，格口{cell}（{size}），运单号{waybill}，快递员{name}（工号{cid}）{coldtag}"),
    (190, "INFO", "sms", "sms send ok tpl=PICKUP_NOTICE mobile={phone} code={pcode} cabinet={cabid} cell={cellno} cost={smsms}ms"),
    (170, "INFO", "pickup", "取件成功：{locker}，格口{cell}，取件方式：{pickway}，存放时长{dwell}，运单{waybill}"),
    (110, "INFO", "station", "驿站入库：{station}，{carrier}运单号{waybill}，货架位「{shelf}」，取件码{scode}，重量{kg}kg{fragile}"),
    (95, "INFO", "station", "驿站出库：{station}，取件码{scode}，收件人{recv}，核验方式={verify}，操作员{name}{outnote}"),
    (70, "INFO", "iot", "heartbeat cabinet={cabid} net={net} rssi={rssi}dBm cpu={cpu}% board_temp={ctemp}℃ free_cells={free}"),
    (45, "WARN", "pickup", "取件码校验失败：柜机{cabid}，输入码{badcode}，原因：{codefail}，连续失败{n}次"),
    (40, "INFO", "cam", "摄像头状态正常：{locker} 通道CH{ch} 码率{kbps}kbps 录像保存{rdays}天{camnote}"),
    (40, "INFO", "notify", "滞留件提醒：运单{waybill}已在{locker}存放{hours}小时，第{n}次提醒已发送至{phone}"),
    (30, "WARN", "fee", "超时取件计费：柜机{cabid}格口{cellno}，运单{waybill}，{overdue}"),
    (28, "INFO", "courier", "快递员登录：{name}（{carrier}，工号{cid}），柜机{cabid}，登录方式：{login}"),
    (26, "INFO", "pay", "超时费支付成功：订单号{feeorder}，渠道={paych}，金额{fee}元，柜机{cabid}"),
    (22, "INFO", "courier", "格口预约成功：快递员{name}预约《{locker}》{size}×{qty}，保留至{until}"),
    (18, "WARN", "deliver", "投递撤回：运单{waybill}，柜机{cabid}格口{cellno}，原因：{dcancel}，操作人{name}"),
    (16, "INFO", "return", "退回寄件人：{carrier}运单{waybill}，原因：{retreason}，退件单{retno}，揽收员{name}预计{rdate}上门"),
    (14, "WARN", "expire", "取件码已失效：运单{waybill}，柜机{cabid}格口{cellno}，存放已满{edays}天，已转入「{station}」待处理"),
    (12, "WARN", "door", "格口门未关闭告警：柜机{cabid}，格口{cellno}，已开启{opensec}秒{alarmsnd}"),
    (10, "INFO", "staff", "员工签到：{name}（{post}，{shift}）@{station}，时间{now}，定位偏差{gpsm}m"),
    (10, "WARN", "iot", "柜机网络切换：{cabid} {netfrom} -> {netto}，信号强度{rssi}dBm，原因：{netwhy}"),
    (9, "INFO", "staff", "员工签退：{name}（{post}，{shift}）@{station}，时间{now}，定位偏差{gpsm}m"),
    (8, "INFO", "service", "客诉工单创建：工单号{ticket}，类型：{ctype}，运单{waybill}，用户{recv}（{phone}），内容「{ccontent}」"),
    (8, "INFO", "door", "远程开门成功：柜机{cabid} 格口{cellno}，操作人{name}（{role}），申请原因：{reason}"),
    (7, "INFO", "cold", "冷藏格温度上报：柜机{cabid}，{coldcell}当前{coldtemp}℃，湿度{hum}%，压缩机状态：{comp}"),
    (6, "WARN", "pay", "超时费支付失败：订单号{feeorder}，渠道={paych}，金额{fee}元，柜机{cabid}，错误码{payerr}"),
    (6, "WARN", "sms", "取件通知短信发送失败：手机{phone}，运单{waybill}，{smsch}返回「{smserr}」{smsretry}"),
    (5, "ERROR", "api", "carrier push failed: carrier={carriercode} POST /open/api/v2/track/push -> HTTP {httpfail}, errorCode={cfail}, retry {try}/5"),
    (5, "INFO", "pickup", "代取授权：收件人{recv}授权{name}（{relation}）代取，运单{waybill}，有效期至{authuntil}"),
    (4, "WARN", "deliver", "重复投递拦截: 运单{waybill}在柜机{cabid}已有在柜记录（格口{cellno}），本次投递被拒绝"),
    (3, "INFO", "staff", "驿站交接班：{station}（{shift}），交班人{name}，接班人{name}，在库包裹{stock}件，今日入库{inn}件、出库{outn}件"),
    (3, "ERROR", "door", "远程开门失败：柜机{cabid} 格口{cellno}，操作人{name}（{role}），申请原因：{reason}，错误码{doorerr}"),
    (3, "ERROR", "door", "锁控板通信异常: 柜机{cabid} 锁板#{board} err={lockerr}，受影响格口：{cells}"),
    (3, "ERROR", "iot", "柜机离线：{cabid}（{cabname}），最后心跳{lastbeat}，已离线{offmin}分钟，运维{name}已接单{offnote}"),
    (3, "INFO", "inspect", "柜机巡检完成：{locker}，巡检人{name}，检查项：{checks}，结果：正常，耗时{mins}分钟"),
    (2.5, "ERROR", "cam", "摄像头离线：{locker} 通道CH{ch}，ONVIF GetStreamUri 失败（HTTP {httpfail}），已持续{offmin}分钟"),
    (2, "WARN", "cold", "冷藏格温度超限：柜机{cabid}，{coldcell}温度{hot}℃，超过上限8℃已{mins}分钟，格内生鲜「{fresh}」"),
    (2, "WARN", "security", "疑似暴力开柜: 柜机{cabid}格口{cellno}震动传感器触发，强度{g}g，已抓拍{photos}张"),
    (1.5, "WARN", "inspect", "柜机巡检完成：{locker}，巡检人{name}，检查项：{checks}，结果：异常（{issues}），已提交维修单{repair}"),
    (1.5, "ERROR", "power", "市电中断，UPS已接管：柜机{cabid}，电池剩余{batt}%，预计可维持{upsmin}分钟{stay}"),
    (1.2, "ERROR", "db", "写入取件记录失败：java.sql.SQLTransientConnectionException: pool-main - Connection is not available, request timed out after {dbms}ms. (运单{waybill})"),
    (1, "INFO", "settle", "日结对账完成：账期{settleday}，{settlement}，差异{diff}笔，对账人{name}"),
]

# the Java class each module's lines come from and the threads that write them
CLASSES = {"deliver": "deliver.DeliverService", "sms": "notify.SmsSender", "pickup": "pickup.PickupService",
           "station": "station.ShelfService", "iot": "iot.CabinetMonitor", "cam": "iot.CameraProbe",
           "notify": "notify.RetentionReminder", "fee": "billing.OverdueFeeCalculator",
           "courier": "courier.CourierController", "pay": "billing.PayNotifyHandler", "return": "logistics.ReturnService",
           "expire": "pickup.CodeExpiryJob", "door": "iot.DoorController", "staff": "station.StaffAttendance",
           "service": "cs.TicketService", "cold": "iot.ColdCellMonitor", "api": "logistics.CarrierPushClient",
           "inspect": "ops.InspectionService", "security": "iot.TamperDetector", "power": "iot.PowerMonitor",
           "db": "pickup.PickupRecordDao", "settle": "billing.DailySettlementJob"}
THREADS = ["http-nio-8080-exec-%d", "mqtt-recv-%d", "sms-sender-%d", "scheduling-%d", "pool-3-thread-%d"]
# what the station staff's client calls each module, in the Chinese header
PLACES = {"deliver": "投递", "sms": "短信", "pickup": "取件", "station": "驿站", "iot": "柜机监控", "cam": "视频",
          "notify": "通知", "fee": "计费", "courier": "快递员端", "pay": "支付", "return": "退件", "expire": "取件",
          "door": "门控", "staff": "考勤", "service": "客服", "cold": "冷链格", "api": "开放平台", "inspect": "运维巡检",
          "security": "安防", "power": "电源", "db": "数据", "settle": "财务"}
HOSTS = ["lg-core-01", "lg-core-02", "lg-edge-07", "lg-edge-11"]
PIDS = {"deliver": 2104, "sms": 2311, "pickup": 2104, "station": 2718, "iot": 3090, "cam": 3091, "notify": 2311,
        "fee": 2560, "courier": 2104, "pay": 2560, "return": 2802, "expire": 2104, "door": 3090, "staff": 2718,
        "service": 2950, "cold": 3090, "api": 2802, "inspect": 2950, "security": 3091, "power": 3090,
        "db": 2104, "settle": 2560}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the central services are in Java and log level, thread and class, padded
        return "%s,%03d %-5s [%s] c.l.box.%s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
                                                    r.choice(THREADS) % r.randint(1, 16), CLASSES[module])
    if form == 1:
        # the stations' own management client prints the level and the module in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s|%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, PLACES[module],
                                       r.choice(STATIONS)[0])
    # the edge gateways next to the lockers write through syslog, with the level as a letter
    return "%s %s lockerd[%d]: %s [%s] " % (at.strftime("%b %d %H:%M:%S"), r.choice(HOSTS), PIDS[module],
                                            level[0], module)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "L", 7 * 3600 + 5 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
