#!/usr/bin/env python3
"""A GBK log of a chain of unattended vending machines and the team that runs them, with its truth.

    bench/make_gbk_vending.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (goods dispensed
or not, payment notifications and gateway errors, a callback whose signature fails, machine
heartbeats, machines going offline and coming back, MQTT disconnects, scan-to-buy orders,
cabinet temperatures, warm cabinets and failed compressors, restockers opening and closing the
doors, restocks done and short, restock routes, banknotes taken and refused, coins topped up
and running short for change, member points, screen adverts, low-stock and expiring goods,
refunds made and refunds that fail, price pushes, jammed motors, a blocked pick-up port,
firmware upgrades that succeed or roll back, shaking and tilt alarms, daily takings, servicing
and site contracts about to end), written to measure the miner on and not to shape it: no rule
was made or tuned on them. Some pairs differ only in a word or two (成功/失败, 开启/关闭,
离线/上线) and are separate messages, as the people who read the log take them. Each message
keeps its own frequency, dispenses by the hundred and a site contract once in a few thousand
lines. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# where the machines stand: the name the operations team uses for the site
SITES = ["上海虹桥站 B1 到达层", "杭州东站（西广场出口）", "南京鼓楼医院门诊楼2F", "苏州工业园区星海大厦 大堂",
         "北京望京SOHO T1", "成都天府软件园E区（3号楼）", "深圳科技园地铁站 C出口", "武汉大学 梅园食堂旁",
         "广州白云机场T2 值机岛H", "合肥高新区创新产业园 二期", "厦门SM城市广场（一期 1F）"]
CITY = ["SH", "HZ", "NJ", "SZ", "BJ", "CD", "SZN", "WH", "GZ", "HF", "XM"]
# product and its price in yuan
PRODUCTS = [("可口百事·冰红茶 500ml", 3.5), ("农山泉 饮用天然水 550ml", 2.0), ("Cola Zero 330ml", 3.0),
            ("元气森森 苏打气泡水（白桃味）", 5.5), ("东方绿叶 乌龙茶 500ml", 5.0), ("红牛仔 维生素功能饮料 250ml", 6.0),
            ("乐脆薯片（黄瓜味）70g", 7.5), ("士力果 花生夹心巧克力 51g", 6.5), ("鲜奶布丁 2杯装", 9.9),
            ("三明治【火腿芝士】", 12.8), ("速溶咖啡 Latte 280ml", 8.0), ("康乐 红烧牛肉面（桶）", 5.5),
            ("口香糖 木糖醇 40粒", 11.0), ("纸巾 便携装×10", 4.0)]
PAYCH = ["WXPAY", "ALIPAY", "UNIONPAY_QR", "DCEP", "MEMBER_BALANCE", "FACE_PAY"]
DISPFAILS = ["货道电机未转动", "光幕未检测到掉货", "弹簧卡货（商品倾斜）", "升降台定位超时", "电机反馈信号异常 code=M07",
             "货道实际为空（库存数据不一致）"]
REFUNDWHY = ["出货失败自动退款", "用户投诉：商品过期", "重复扣款", "用户投诉：未掉货", "客服人工退款（{0}）"]
REFUNDERRS = ["SYSTEMERROR", "NOTENOUGH", "ORDER_NOT_EXIST", "REFUND_AMOUNT_EXCEEDED", "ACQ.TRADE_HAS_CLOSE"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "429 Too Many Requests"]
NETS = ["4G", "4G(CMCC)", "WIFI", "NB-IoT", "5G", "Ethernet"]
DOORS = ["主柜门", "副柜门", "取货口检修门", "钱箱门（下）"]
ROLES = ["补货员", "维修工程师", "城市运营主管", "巡检员"]
OPENWAYS = ["运维APP扫码", "蓝牙钥匙", "机械钥匙（应急）", "远程开门"]
LEVELS = ["普通会员", "银卡", "金卡", "企业员工卡"]
ADS = ["春季新品 白桃气泡水", "第二件半价", "扫码领券·满10减2", "校园专属 早餐套餐", "会员日（每周三）"]
MOTORERRS = ["E21_STALL", "E22_OVERCURRENT", "E23_NO_FEEDBACK", "E25_HOME_TIMEOUT"]
COMPFAULTS = ["E31 低压保护", "E33 启动电流过大", "E35 冷凝器温度过高（>65℃）", "E36 温度传感器开路"]
OTAERRS = ["CRC mismatch", "下载中断 ECONNRESET", "flash write failed @0x0803F000", "签名校验失败", "电量不足（UPS 12%）"]
BOARDS = ["主控板", "驱动板", "支付模块", "4G通讯模组"]
MQTTREASONS = ["keepalive timeout", "connection reset by peer", "TLS handshake failed", "server unavailable (rc=3)"]
BROKERS = ["mqtt-sh-01.vend.lanquan.cn:8883", "mqtt-gz-02.vend.lanquan.cn:8883", "10.40.2.17:1883"]
GAPWHY = ["仓库该商品缺货", "货道尺寸不匹配", "商品临期未上架", "补货员漏补，已通知返工", "车辆装载不足"]
MAINTITEMS = ["清洁取货口", "除冷凝器灰尘", "检查门封条", "校准光幕", "更换过滤网", "检查电源线", "紧固货道弹簧"]
DOORSTATES = ["关闭", "打开", "未知（传感器无信号）"]
SNAPS = ["已抓拍2张", "摄像头离线，未能抓拍", "已抓拍1张并上传"]
BVCODES = ["R-04 磁性特征不符", "R-07 尺寸异常", "R-11 荧光特征缺失", "R-02 图像不匹配"]
SIGERRS = ["java.security.SignatureException: Signature length not correct: got 255 but was expecting 256",
           "java.security.SignatureException: verify failed (RSA2)",
           "IllegalArgumentException: 签名串为空 sign=null"]
CONTRACTORS = ["物业服务中心", "园区管理办公室", "车站商业管理部", "后勤集团"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def vmcode(r):
    return "VM-%s%04d%s" % (r.choice(CITY), r.randint(1, 2300), r.choice(["", "", "A", "B"]))


def product(r):
    _chosen["p"] = r.choice(PRODUCTS)
    return _chosen["p"][0]


def price(r):
    """What the line's product costs, times one or two pieces."""
    return "%.2f" % (_chosen["p"][1] * r.choice([1, 1, 1, 2]))


def lane(r):
    return "%s%d%d" % (r.choice("ABCDEF"), r.randint(0, 1), r.randint(0, 9))


def order(r):
    return "VO%s%06d%s" % (r.choice(["260314", "260315"]), r.randint(0, 999999), r.choice("ABCDEFGHJK"))


def user(r):
    if r.random() < 0.5:
        return "用户%s（尾号%04d）" % (name(r), r.randint(0, 9999))
    return "openid=oX%s" % "".join(r.choice("abcdefghijkmnpqrstuvwxyzABCDEFGH0123456789") for _ in range(10))


def basket(r):
    out = []
    for p, _ in r.sample(PRODUCTS, r.randint(1, 3)):
        n = r.choice([1, 1, 1, 2])
        out.append(p if n == 1 else "%s×%d" % (p, n))
    return "、".join(out)


def plate(r):
    return "%s%s·%s%04d" % (r.choice("沪浙苏京川粤皖闽"), r.choice("ABCDF"), r.choice("DFK"), r.randint(0, 9999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def day(r, lo, hi, form):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    if form == "cn":
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if form == "slash":
        return d.strftime("%Y/%m/%d")
    return d.isoformat()


def certdate(r):
    _chosen["days"] = r.randint(3, 60)
    return day(r, _chosen["days"], _chosen["days"], "cn")


def lastseen(r):
    """The machine's last heartbeat, some time in the night before the log starts."""
    at = datetime.datetime(2026, 3, 13, 18) + datetime.timedelta(seconds=r.randint(0, 12 * 3600))
    return at.strftime("%Y-%m-%dT%H:%M:%S+08:00")


def firmware(r):
    major, minor, patch = r.randint(2, 4), r.randint(0, 12), r.randint(0, 30)
    _chosen["fw"] = (major, minor, patch)
    return "v%d.%d.%d" % (major, minor, patch)


def fwnew(r):
    major, minor, patch = _chosen["fw"]
    if r.random() < 0.7:
        patch += r.randint(1, 3)
    else:
        minor, patch = minor + 1, 0
    return "v%d.%d.%d%s" % (major, minor, patch, r.choice(["", "", "-rc1", "_build%d" % r.randint(100, 999)]))


def plan(r):
    _chosen["plan"] = r.randint(6, 40)
    _chosen["act"] = max(0, _chosen["plan"] - r.randint(1, 12))
    return str(_chosen["plan"])


def takings(r):
    """A day's takings split into cash and scan payments, and the difference to the counted cash."""
    total = r.uniform(300, 5200)
    cash = total * r.uniform(0.02, 0.2)
    diff = r.choice([0.0, 0.0, 0.0, r.choice([-1, 1]) * r.choice([0.5, 1.0, 5.0, 10.0])])
    return "金额%.2f元（现金%.2f元，扫码%.2f元），现金差异%+.2f元" % (total, cash, total - cash, diff)


def nstops(r):
    _chosen["stops"] = r.randint(3, 6)
    return str(_chosen["stops"])


def routesites(r):
    """The line's number of stops, by the short names drivers use, in driving order."""
    return " → ".join(s.split("（")[0].split(" ")[0] for s in r.sample(SITES, _chosen["stops"]))


def temp_reading(r):
    return "%.1f" % r.uniform(2.0, 8.0)


def refundwhy(r):
    why = r.choice(REFUNDWHY)
    return why.format(name(r)) if "{0}" in why else why


def coins(r):
    return "1元硬币%d枚、5角硬币%d枚" % (r.randint(20, 200), r.randint(0, 120))


V = {
    "name": name, "vmcode": vmcode, "product": product, "price": price, "lane": lane, "order": order,
    "user": user, "basket": basket, "plate": plate, "phone": phone, "certdate": certdate,
    "days": lambda r: str(_chosen["days"]), "lastseen": lastseen, "fwold": firmware, "fwnew": fwnew,
    "plan": plan, "act": lambda r: str(_chosen["act"]), "gap": lambda r: str(_chosen["plan"] - _chosen["act"]),
    "takings": takings, "routesites": routesites, "nstops": nstops,
    "refundwhy": refundwhy, "coins": coins,
    "site": pick(SITES), "paych": pick(PAYCH), "dispfail": pick(DISPFAILS), "refunderr": pick(REFUNDERRS),
    "httpfail": pick(HTTPFAILS), "net": pick(NETS), "door": pick(DOORS), "role": pick(ROLES),
    "openway": pick(OPENWAYS), "level": pick(LEVELS), "ad": pick(ADS), "motorerr": pick(MOTORERRS),
    "compfault": pick(COMPFAULTS), "otaerr": pick(OTAERRS), "board": pick(BOARDS),
    "mqttreason": pick(MQTTREASONS), "broker": pick(BROKERS), "gapwhy": pick(GAPWHY),
    "maintitems": items(MAINTITEMS, 2, 5), "doorstate": pick(DOORSTATES), "bvcode": pick(BVCODES),
    "sigerr": pick(SIGERRS), "contractor": pick(CONTRACTORS), "compstate": pick(["运行中", "停机", "除霜中"]),
    "expiry": lambda r: day(r, 0, 5, "slash"), "nextdate": lambda r: day(r, 85, 95, "iso"),
    "bill": pick(["1", "5", "10", "20", "50"]),
    "cabtemp": temp_reading, "setpt": pick(["4", "5", "6", "8"]), "hot": real(9.5, 21.0),
    "amb": real(24.0, 39.0), "hrs": rint(1, 20), "mins": rint(3, 180), "opensecs": rint(15, 1500),
    "rssi": rint(-109, -61), "stockpct": rint(3, 100), "fw": lambda r: "v%d.%d.%d" % (r.randint(2, 4), r.randint(0, 12),
                                                                                  r.randint(0, 30)),
    "fen": rint(200, 9800), "refundamt": real(2, 25, "%.2f"), "money": real(2, 68, "%.2f"),
    "ms": rint(80, 9000), "motor": rint(380, 2400), "units": rint(20, 260), "n": rint(2, 36),
    "left": rint(0, 3), "thr": pick(["3", "5"]), "pts": rint(2, 68), "bal": rint(0, 9000),
    "adsec": pick(["15", "30", "60"]), "plays": rint(1, 40000), "km": real(12, 160, "%.1f"),
    "nsku": rint(1, 60), "pricever": lambda r: "2026031%d.%02d" % (r.randint(4, 5), r.randint(1, 40)),
    "billcount": rint(0, 600), "change": pick(["0.00", "0.50", "1.00", "1.50", "2.50", "4.00", "6.50"]),
    "coinbal": real(0, 9.5, "%.1f"), "coinmin": pick(["10", "15", "20"]), "amps": real(1.2, 4.8, "%.2f"),
    "g": real(0.6, 3.5, "%.2f"), "rejects": rint(2, 9), "backoff": pick(["1", "2", "4", "8", "16", "32", "60"]),
    "orders": rint(12, 900), "secs": rint(25, 600), "emp": rint(1000, 9999, "%04d"), "retrymin": pick(["1", "5", "30"]),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(16, 31), r.randint(0, 255), r.randint(2, 254)),
    "refundno": lambda r: "RF%s%08d" % (r.choice(["260314", "260315"]), r.randint(0, 99999999)),
    "routeid": lambda r: "R-%s-%02d" % (r.choice(CITY), r.randint(1, 40)),
    "ticket": lambda r: "WO%08d" % r.randint(0, 99999999),
    "batch": lambda r: "L%s%02d%03d" % (r.choice(["2602", "2603", "2512"]), r.randint(1, 28), r.randint(1, 999)),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "dropok": optional(lambda r: "，光幕确认掉货（%dms）" % r.randint(30, 420), 0.55),
    "coupon": optional(lambda r: "，使用优惠券「%s」减%.1f元" % (r.choice(["新人立减", "满10减2", "会员9折券"]),
                                                           r.uniform(0.5, 3)), 0.3),
    "restocknote": optional(lambda r: "，备注：%s" % r.choice(["A层货道弹簧松动，已紧固", "回收临期商品3件",
                                                             "机身有涂鸦 需清洁", "玻璃门有裂纹（已拍照）"]), 0.25),
    "route": optional(lambda r: "，已加入今日补货线路R-%s-%02d" % (r.choice(CITY), r.randint(1, 40)), 0.5),
    "snapshot": optional(lambda r: "，%s" % r.choice(SNAPS), 0.6),
    "tilt": optional(lambda r: " tilt=%.1f°" % r.uniform(3, 40), 0.35),
    "by": optional(lambda r: "，操作人%s（%s）" % (name(r), r.choice(ROLES)), 0.4),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "dispense", "出货成功：机器{vmcode}（{site}），货道{lane}，商品「{product}」，售价{price}元，单号{order}，电机耗时{motor}ms{dropok}"),
    (190, "INFO", "pay", "pay notify ok channel={paych} order_no={order} total_fee={fen} transaction_id={trade}"),
    (150, "INFO", "telemetry", "heartbeat vm={vmcode} fw={fw} net={net} rssi={rssi}dBm cabinet_temp={cabtemp}℃ stock={stockpct}%"),
    (95, "INFO", "order", "扫码下单：{user}在机器{vmcode}选购{basket}，应付{money}元（{paych}）{coupon}"),
    (70, "INFO", "cooling", "制冷状态 机器{vmcode}：箱内{cabtemp}℃ / 设定{setpt}℃，压缩机{compstate}，今日累计运行{hrs}小时"),
    (60, "INFO", "restock", "补货完成：补货员{name}（工号{emp}），机器{vmcode}（{site}），补{n}个货道，共{units}件，用时{mins}分钟{restocknote}"),
    (52, "INFO", "door", "柜门开启：机器{vmcode}，柜门「{door}」，操作人{name}（{role}），开门方式：{openway}"),
    (48, "INFO", "door", "柜门关闭：机器{vmcode}，柜门「{door}」，操作人{name}（{role}），开门时长{opensecs}秒"),
    (44, "INFO", "cash", "纸币器收款：机器{vmcode}收到{bill}元纸币，钱箱内现有{billcount}张，找零{change}元"),
    (38, "INFO", "member", "member.points.accrue user={user} level={level} amount={money} delta=+{pts} balance={bal}"),
    (33, "INFO", "ads", "屏幕广告播放完成：素材《{ad}》，时长{adsec}s，机器{vmcode}，累计播放{plays}次"),
    (30, "WARN", "dispense", "出货失败：机器{vmcode}（{site}），货道{lane}，商品「{product}」，单号{order}，原因：{dispfail}，已发起自动退款"),
    (27, "WARN", "stock", "缺货预警：机器{vmcode}（{site}）货道{lane}「{product}」剩余{left}件，低于阈值{thr}件{route}"),
    (24, "INFO", "refund", "退款成功：单号{order}，退款{refundamt}元，渠道{paych}，退款单号{refundno}，原因：{refundwhy}"),
    (21, "INFO", "route", "补货线路已生成：线路{routeid}，司机{name}（{phone}），车辆{plate}，共{nstops}个点位：{routesites}，预计里程{km}km"),
    (19, "INFO", "price", "价格同步完成 machine={vmcode} sku_count={nsku} version={pricever} cost={ms}ms"),
    (17, "WARN", "cooling", "箱内温度偏高：机器{vmcode}（{site}）当前{hot}℃，设定{setpt}℃，已持续{mins}分钟，环境温度{amb}℃"),
    (14, "WARN", "telemetry", "设备离线 vm={vmcode} net={net} last_heartbeat={lastseen} ip={ip}"),
    (12, "INFO", "telemetry", "设备上线 vm={vmcode} net={net} last_heartbeat={lastseen} ip={ip}"),
    (10, "INFO", "cash", "硬币器补币：机器{vmcode}补入{coins}，补币人{name}，钱箱已清点"),
    (9, "WARN", "cash", "找零不足：机器{vmcode}硬币余额{coinbal}元，低于下限{coinmin}元，已切换为「仅支持扫码支付」"),
    (8, "ERROR", "pay", "pay gateway error: POST /api/v3/pay/unifiedorder -> HTTP {httpfail}, channel={paych}, order_no={order}, cost={ms}ms"),
    (7, "WARN", "stock", "临期商品下架：「{product}」批次{batch}，保质期至{expiry}，机器{vmcode}货道{lane}，下架{left}件{by}"),
    (6, "ERROR", "refund", "退款失败：单号{order}，退款{refundamt}元，渠道{paych}，错误码{refunderr}，{retrymin}分钟后重试"),
    (6, "ERROR", "dispense", "货道电机故障：机器{vmcode}货道{lane}，code={motorerr}，电流{amps}A，该货道已暂停售卖"),
    (5, "ERROR", "cooling", "压缩机故障：机器{vmcode} {compfault}，箱内温度{hot}℃，已派维修工单{ticket}"),
    (5, "INFO", "ota", "固件升级成功：机器{vmcode} {board} {fwold} -> {fwnew}，耗时{secs}秒"),
    (4, "WARN", "alarm", "震动报警：机器{vmcode}（{site}）加速度{g}g{tilt}，柜门{doorstate}，已通知{name}{snapshot}"),
    (3.5, "ERROR", "telemetry", "MQTT disconnected client_id={vmcode} broker={broker} reason=\"{mqttreason}\" reconnect in {backoff}s"),
    (3, "WARN", "cash", "纸币器拒收：机器{vmcode}连续拒收{bill}元纸币{rejects}次，识别结果：{bvcode}，疑似假币"),
    (2.5, "INFO", "report", "日结对账：{site}，销售{orders}笔，{takings}"),
    (2.2, "ERROR", "ota", "固件升级失败：机器{vmcode} {board} {fwold} -> {fwnew}，错误：{otaerr}，已回滚"),
    (2, "WARN", "restock", "补货差异：补货员{name}，机器{vmcode}「{product}」应补{plan}件，实补{act}件，差{gap}件，原因：{gapwhy}"),
    (1.6, "ERROR", "dispense", "取货口光幕被持续遮挡{secs}秒，机器{vmcode}（{site}）已暂停出货，请现场处理"),
    (1.3, "ERROR", "pay", "支付回调验签失败 order_no={order} channel={paych}: {sigerr}"),
    (1.2, "INFO", "maint", "定期保养完成：机器{vmcode}（{site}），项目：{maintitems}，保养人{name}，下次保养{nextdate}"),
    (1, "WARN", "contract", "点位合同到期提醒：「{site}」将于{certdate}到期，剩余{days}天，{contractor}联系人{name}（{phone}）"),
]

# the Java classes behind each module, for the first header form
CLASSES = {"dispense": "c.l.vend.device.DispenseService", "pay": "c.l.vend.pay.NotifyController",
           "telemetry": "c.l.vend.iot.TelemetryHandler", "order": "c.l.vend.order.OrderService",
           "cooling": "c.l.vend.iot.CoolingMonitor", "restock": "c.l.vend.ops.RestockService",
           "door": "c.l.vend.iot.DoorEventHandler", "cash": "c.l.vend.device.CashUnitService",
           "member": "c.l.vend.member.PointsService", "ads": "c.l.vend.media.AdPlayLogger",
           "stock": "c.l.vend.ops.StockAlertJob", "refund": "c.l.vend.pay.RefundService",
           "route": "c.l.vend.ops.RoutePlanner", "price": "c.l.vend.ops.PriceSyncJob",
           "ota": "c.l.vend.iot.OtaManager", "alarm": "c.l.vend.iot.SecurityAlarm",
           "report": "c.l.vend.finance.DailySettleJob", "maint": "c.l.vend.ops.MaintenanceService",
           "contract": "c.l.vend.site.ContractReminder"}
THREADS = {"dispense": "mqtt-in-%d", "pay": "http-nio-8080-exec-%d", "telemetry": "mqtt-in-%d",
           "order": "http-nio-8080-exec-%d", "cooling": "mqtt-in-%d", "restock": "http-nio-8080-exec-%d",
           "door": "mqtt-in-%d", "cash": "mqtt-in-%d", "member": "points-worker-%d", "ads": "media-%d",
           "stock": "scheduling-%d", "refund": "refund-pool-%d", "route": "scheduling-%d", "price": "scheduling-%d",
           "ota": "ota-worker-%d", "alarm": "mqtt-in-%d", "report": "scheduling-%d", "maint": "http-nio-8080-exec-%d",
           "contract": "scheduling-%d"}
# the modules' names in the Chinese operations console
CN_MODULES = {"dispense": "出货", "pay": "支付", "telemetry": "设备遥测", "order": "订单", "cooling": "制冷",
              "restock": "补货", "door": "柜门", "cash": "现金模块", "member": "会员", "ads": "广告屏",
              "stock": "库存", "refund": "退款", "route": "线路调度", "price": "价格", "ota": "固件升级",
              "alarm": "安防", "report": "财务结算", "maint": "运维", "contract": "点位管理"}
HOSTS = ["vend-gw-01", "vend-gw-02", "vend-app-03", "vend-app-04"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the cloud platform is Java and logs level, thread and class before the message
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
                                           THREADS[module] % r.randint(1, 16), CLASSES[module])
    if form == 1:
        # the operations console writes its own log in Chinese, with the host and module in brackets
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [主机:%s] [模块:%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, r.choice(HOSTS),
                                                 CN_MODULES[module])
    # the gateways send through syslog with a one-letter level after the process
    letter = {"INFO": "I", "WARN": "W", "ERROR": "E"}[level]
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s %s vendd[%d]: <%s> %s: " % (month, at.day, at.strftime("%H:%M:%S"), r.choice(HOSTS),
                                                 r.choice([2231, 2231, 2232, 4410]), letter, module)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "V", 6 * 3600 + 10 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
