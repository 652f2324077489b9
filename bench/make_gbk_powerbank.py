#!/usr/bin/env python3
"""A GBK log of a shared power-bank rental platform with its truth.

    bench/make_gbk_powerbank.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages of the platform
that rents power banks out of cabinets standing in malls, stations and shops: cabinet heartbeats
and slot states, cabinets coming online and dropping off, slots that eject a bank or fail to,
rentals and returns, returns the cabinet could not read, payment callbacks that succeed or fail,
credit-based deposit waivers, deposits paid and refunded, order refunds that go through or are
rejected, daily fee caps, coupons, orders turned into purchases after the rental ran too long,
banks fully charged, banks with worn batteries or running hot, banks presumed lost, cabinets out
of stock and restocked by field staff, cabinets on backup power, MQTT reconnects, firmware
upgrades finished or failed, merchant revenue-share settlements paid or refused by the bank, fault
tickets opened and closed, user complaints received and resolved, a risk-control block, an SMS
code, a billing service that throws and the nightly report. They are written to measure the miner
on and not to shape it: no rule was made or tuned on them. Each message keeps its own frequency,
heartbeats by the hundred and the nightly report once in a few thousand lines; several pairs
differ only in one or two words (成功/失败, 上线/离线, 完成/失败) and are separate messages.
One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# where the cabinets stand, by the region their ids begin with; several names carry a floor or
# gate in brackets and inner blanks
SITES = [("SZ", "深圳福田 星汇广场（L2 电梯口）"), ("SH", "上海虹桥站 B2出站口"), ("HZ", "杭州东站 候车厅18检票口旁"),
         ("CD", "成都环宇坊（3F 影院门口）"), ("BJ", "北京朝阳 Joy Park 悦荟中心 1F"), ("GZ", "广州南站 到达层A区"),
         ("WH", "武汉光谷 星河里商业街（南区）"), ("NJ", "南京南站 北广场换乘通道"), ("XA", "西安钟楼 嘉禾百货 5楼餐饮区"),
         ("CQ", "重庆解放碑 澜岸中心（B1 美食街）"), ("CD", "老街坊火锅（春熙路店）"), ("SZ", "云杉便利店 #0231"),
         ("BJ", "悦享KTV（二店）"), ("SH", "上海静安 云岫里（东门）"), ("WH", "米粒奶茶 Milky Rice（光谷店）")]
SITE_NAMES = [n for _, n in SITES]
# cabinet model and its number of slots
MODELS = [("JN-24A", 24), ("JN-12S", 12), ("JN-6M", 6), ("JN-48L", 48)]
RULES = ["标准计费 2元/30分钟", "景区计费 4元/小时", "火车站计费 3元/30分钟（前5分钟免费）", "夜间优惠 1元/小时", "会员专享 首小时免费"]
SLOTSTATES = ["IDLE", "CHARGING", "FULL", "LOCKED", "FAULT", "EMPTY"]
PAYCH = ["WXPAY", "ALIPAY", "UNIONPAY", "BALANCE"]
CREDITCH = ["支付宝芝麻信用", "微信支付分", "云信分（自有）"]
MERCHANTS = ["星汇广场物业管理有限公司", "老街坊火锅（春熙路店）", "悦享KTV（二店）", "云杉便利店 #0231", "铁路旅服（杭州东）",
             "湾畔天地商业管理（苏州）有限公司", "米粒奶茶 Milky Rice（光谷店）"]
BANKERRS = ["收款账户已注销 ACCOUNT_CLOSED", "户名与账号不符（NAME_MISMATCH）", "银行系统维护中，请稍后重试",
            "单日代付限额超限 LIMIT_EXCEEDED", "开户行信息缺失：联行号为空"]
FAULTS = ["通讯模块故障", "仓位电磁锁卡滞", "屏幕黑屏", "整机断电", "充电宝无法识别", "二维码破损", "扬声器无声"]
FIXES = ["更换4G模块，已恢复在线", "清理仓位异物后恢复", "更换电磁锁1个", "重新张贴二维码", "机柜返厂维修，已撤机",
         "现场重启后恢复正常", "商户误断电，已沟通恢复供电"]
CTYPES = ["归还后仍在计费", "充电宝无电", "扣费异常", "机柜无法借出", "押金未退", "充电宝发热"]
CONTENTS = ["明明还了还在扣钱！", "借出来就只有5%的电", "我只用了10分钟为什么扣了99元", "扫码一直转圈，借不出来",
            "押金退了一周还没到账", "充着电手机很烫，吓死了"]
RESOLUTIONS = ["核实归还记录后退款", "补偿优惠券2张", "解释计费规则，用户接受", "全额退款并致歉"]
COUPONS = ["新人首单免费券", "周末畅充5折券", "会员日满2减1", "商场联名 1小时免费券"]
WHY_EJECT = ["MOTOR_TIMEOUT", "SLOT_EMPTY", "RFID_MISMATCH", "LOCK_SENSOR_ERR"]
OTAERRS = ["E_CHECKSUM", "E_FLASH_WRITE", "下载中断（network unreachable）", "E_VERSION_ROLLBACK"]
NETS = ["4G", "4G", "WiFi", "NB-IoT", "以太网"]
MQTTWHY = ["KEEPALIVE_TIMEOUT", "CONNECTION_RESET", "BROKER_UNAVAILABLE", "SOCKET_EOF"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "504 Gateway Timeout", "403 Forbidden"]
REFUNDERRS = ["NOTENOUGH 商户余额不足", "订单已超过可退款期限（365天）", "TRADE_NOT_EXIST", "退款金额超过订单实付"]
RISKRULES = ["同设备短时高频租借", "多账号共用设备", "虚拟定位", "黑名单手机号段"]
STAFF_AREAS = ["福田片区", "浦东运维组", "杭州东站驻点", "武侯运维组", "天河片区", "光谷驻点"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def cabinet(r):
    """A cabinet id (region, slot count, serial), remembering its model, slot count and site
    for the values after it."""
    model, slots = r.choice(MODELS)
    region, _chosen["site"] = r.choice(SITES)
    _chosen["model"], _chosen["slots"] = model, slots
    return "%s%02d%04X" % (region, slots, r.randint(0, 0xFFFF))


def slot(r):
    return str(r.randint(1, _chosen.get("slots", 24)))


def stock(r):
    """Available and empty slot counts that add up to the cabinet's slots."""
    n = _chosen["slots"]
    avail = r.randint(0, n)
    return "avail=%d/%d empty=%d" % (avail, n, n - avail)


def shortage(r):
    n = _chosen["slots"]
    avail = r.randint(0, 2)
    return "可借%d个，空仓%d个（共%d仓）" % (avail, n - avail, n)


def bank(r):
    alphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789"
    return "PB" + "".join(r.choice(alphabet) for _ in range(10))


def order(r):
    return "R2603%02d%02d%06d" % (r.randint(10, 14), r.randint(0, 23), r.randint(0, 999999))


def uid(r):
    return "U%09d" % r.randint(10 ** 7, 10 ** 9 - 1)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def duration(r):
    m = int(r.expovariate(1 / 90)) + 1
    if m < 60:
        return "%d分钟" % m
    return "%d小时%02d分钟" % (m // 60, m % 60)


def firmware(r):
    return "v%d.%d.%d build %04d" % (r.choice([2, 3]), r.randint(0, 9), r.randint(0, 20), r.randint(100, 1231))


def fwpair(r):
    major, minor = r.choice([2, 3]), r.randint(0, 8)
    return "v%d.%d.%d → v%d.%d.0" % (major, minor, r.randint(0, 20), major, minor + 1)


def days_ago(r):
    """The day a lost bank was last seen, remembering how long ago for the value after it."""
    _chosen["ago"] = r.randint(8, 40)
    d = datetime.date(2026, 3, 14) - datetime.timedelta(days=_chosen["ago"])
    return r.choice(["%d年%d月%d日" % (d.year, d.month, d.day), d.strftime("%Y-%m-%d"), d.strftime("%m/%d")])


def period(r):
    end = datetime.date(2026, 3, 13) - datetime.timedelta(days=7 * r.randint(0, 2))
    begin = end - datetime.timedelta(days=6)
    return "%s~%s" % (begin.strftime("%Y-%m-%d"), end.strftime("%Y-%m-%d"))


def arrival(r):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(1, 7))
    return "%d月%d日" % (d.month, d.day)


def ticket(r):
    return "GD-%s-%05d" % (r.choice(["260312", "260313", "260314"]), r.randint(1, 99999))


def merchant(r):
    return r.choice(MERCHANTS)


def mch_id(r):
    return "MCH%06d" % r.randint(1, 400000)


def slotlist(r):
    n = _chosen.get("slots", 24)
    picked = sorted(r.sample(range(1, n + 1), min(n, r.randint(1, 4))))
    return "、".join(str(s) for s in picked) + "号仓"


def toplist(r):
    return ",".join(r.sample(["SZ", "SH", "HZ", "CD", "BJ", "GZ", "WH", "NJ"], 3))


def exception(r):
    return r.choice([
        "java.lang.NullPointerException: rule is null at cn.juneng.billing.FeeCalculator.calc(FeeCalculator.java:%d)",
        "java.lang.IllegalStateException: order already settled at cn.juneng.billing.OrderSettler.settle(OrderSettler.java:%d)",
        "org.springframework.dao.QueryTimeoutException: Statement cancelled due to timeout (BillingDao.java:%d)",
    ]) % r.randint(40, 480)


V = {
    "cab": cabinet, "slot": slot, "stock": stock, "shortage": shortage, "pb": bank, "order": order, "uid": uid,
    "phone": phone, "dur": duration, "fw": firmware, "fwpair": fwpair, "lastseen": days_ago,
    "ago": lambda r: str(_chosen["ago"]), "period": period, "arrival": arrival, "ticket": ticket, "merchant": merchant, "mch": mch_id, "slots": slotlist, "top": toplist,
    "exc": exception, "name": name,
    "model": lambda r: _chosen["model"],
    "site": lambda r: _chosen["site"], "anysite": pick(SITE_NAMES), "rule": pick(RULES),
    "slotstate": pick(SLOTSTATES), "paych": pick(PAYCH),
    "creditch": pick(CREDITCH), "bankerr": pick(BANKERRS), "fault": pick(FAULTS), "faults": items(FAULTS, 1, 3),
    "fix": pick(FIXES), "ctype": pick(CTYPES), "content": pick(CONTENTS), "resolution": pick(RESOLUTIONS),
    "coupon": pick(COUPONS), "ejecterr": pick(WHY_EJECT), "otaerr": pick(OTAERRS), "net": pick(NETS),
    "mqttwhy": pick(MQTTWHY), "httpfail": pick(HTTPFAILS), "refunderr": pick(REFUNDERRS), "risk": pick(RISKRULES),
    "area": pick(STAFF_AREAS), "prio": pick(["P1", "P2", "P2", "P3"]),
    "pct": rint(0, 100), "soh": rint(52, 74), "cycles": rint(120, 980), "volt": real(3.40, 4.20, "%.2f"),
    "rssi": rint(58, 109), "ctemp": real(18.0, 46.0), "hot": real(52.0, 68.0), "mins": rint(35, 140),
    "ms": rint(120, 900), "money": real(1.0, 96.0, "%.2f"), "big": real(800, 56000, "%.2f"),
    "fee": rint(100, 9900), "small": real(0.5, 10.0, "%.2f"), "cap": pick(["20", "30", "40"]),
    "ratio": pick(["20", "30", "35", "40", "50"]),
    "score": rint(550, 850), "deposit": pick(["99", "99", "69", "199"]), "n": rint(1, 9),
    "orders": rint(80, 4200), "secs": rint(30, 420), "hrs": real(0.5, 72.0),
    "try": rint(1, 5), "days": rint(7, 45), "count": rint(3, 12), "rcode": rint(100, 999),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"), "biz": rint(10 ** 11, 10 ** 12 - 1),
    "complaint": rint(0, 10 ** 6 - 1, "TS2603%06d"), "fp": lambda r: "%08x" % r.getrandbits(32),
    "broker": lambda r: "tcp://10.%d.%d.%d:1883" % (r.randint(0, 3), r.randint(0, 255), r.randint(1, 254)),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(16, 31), r.randint(0, 255), r.randint(1, 254)),
    "online": real(95.0, 99.9, "%.2f"), "rev": real(120000, 980000, "%.2f"),
    "report": lambda r: "daily_report_20260313_%s.xlsx" % r.choice(["all", "east", "south"]),
    "tpl": pick(["SMS_2601881", "SMS_2601902", "SMS_2610077"]),
    "uptime": optional(lambda r: " uptime=%dd%dh" % (r.randint(0, 90), r.randint(0, 23)), 0.35),
    "hbextra": optional(lambda r: " door=%s" % r.choice(["closed", "closed", "open"]), 0.2),
    "couponused": optional(lambda r: "，已使用优惠券「%s」" % r.choice(COUPONS), 0.3),
    "returnnote": optional(lambda r: "，异地归还（借出地点：%s）" % r.choice(SITE_NAMES), 0.25),
    "memberlevel": optional(lambda r: " member_level=%s" % r.choice(["GOLD", "SILVER", "PLUS"]), 0.3),
    "nodeposit": optional(lambda r: "，免押订单", 0.4),
    "ejectretry": optional(lambda r: "，已自动切换%d号仓重试" % r.randint(1, _chosen["slots"]), 0.5),
    "lastbeat": optional(lambda r: "，最后心跳 %s" % r.choice(["2026/03/14 ", "03-14 ", ""]) +
                        "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)), 0.6),
    "photos": optional(lambda r: "，现场照片%d张" % r.randint(1, 6), 0.4),
    "caller": optional(lambda r: "，来电号码%s" % phone(r), 0.5),
    "recycled": optional(lambda r: "，回收故障宝%d个（共%.2fkg）" % (r.randint(1, 5), r.uniform(0.2, 1.4)), 0.35),
    "riskip": optional(lambda r: "，IP=%s" % V["ip"](r), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "cabinet", "heartbeat cabinet={cab} model={model} {stock} rssi=-{rssi}dBm temp={ctemp}℃ fw=\"{fw}\"{uptime}{hbextra}"),
    (150, "INFO", "cabinet", "slot report cabinet_id={cab} slot={slot} state={slotstate} soc={pct}% voltage={volt}V"),
    (120, "INFO", "rent", "租借成功：订单号{order}，用户{uid}（{phone}），机柜{cab}「{site}」{slot}号仓弹出充电宝{pb}，计费规则《{rule}》{nodeposit}"),
    (105, "INFO", "rent", "归还成功：订单号{order}，充电宝{pb}归还至{cab}「{site}」{slot}号仓，使用时长{dur}，应付{money}元{couponused}{returnnote}"),
    (90, "INFO", "pay", "pay notify success channel={paych} out_trade_no={trade} total_fee={fee} order={order}{memberlevel}"),
    (75, "INFO", "cabinet", "弹仓成功：机柜{cab} {slot}号仓，充电宝{pb}，电机动作{ms}ms"),
    (55, "INFO", "charge", "【充电管理】充电宝{pb}已充满：机柜{cab} {slot}号仓，充电耗时{mins}分钟，电池循环{cycles}次"),
    (45, "INFO", "deposit", "免押授权成功：用户{uid}，{creditch}分数{score}，冻结额度{deposit}元，订单号{order}"),
    (32, "INFO", "coupon", "优惠券核销：券「{coupon}」，订单号{order}，用户{uid}，抵扣{small}元"),
    (26, "INFO", "sms", "sms send phone={phone} template={tpl} result=OK biz_id={biz}"),
    (22, "INFO", "deposit", "押金支付成功：用户{uid}，押金{deposit}元，支付方式{paych}，流水号{trade}"),
    (18, "INFO", "cabinet", "机柜上线：{cab}（{model}）「{site}」，网络{net}，固件{fw}"),
    (16, "WARN", "cabinet", "机柜离线：{cab}（{model}）「{site}」，网络{net}{lastbeat}"),
    (15, "WARN", "mqtt", "MQTT disconnected, reconnecting: client={cab} broker={broker} reason={mqttwhy} retry={try}"),
    (13, "WARN", "cabinet", "弹仓失败：机柜{cab} {slot}号仓，充电宝{pb}，错误码{ejecterr}{ejectretry}"),
    (12, "INFO", "rent", "封顶计费：订单号{order}今日费用已达封顶{cap}元，后续时段不再计费"),
    (11, "WARN", "stock", "机柜可借数量不足：{cab}「{site}」{shortage}，已通知运维{name}（{area}）补货"),
    (10, "INFO", "ops", "运维补货完成：运维员{name}（{area}）在{cab}投放{n}个充电宝，放入{slots}{recycled}"),
    (9, "INFO", "deposit", "押金退款申请：用户{uid}，退款金额{deposit}元，预计{arrival}前原路到账"),
    (8, "INFO", "refund", "订单退款成功：订单号{order}，退款{money}元，原路退回{paych}"),
    (7, "WARN", "battery", "电池健康度偏低：充电宝{pb}，SOH={soh}%，循环{cycles}次，建议下架检修"),
    (6, "ERROR", "rent", "归还异常：充电宝{pb}插入{cab} {slot}号仓未识别（RFID读取失败），订单号{order}仍在计费中"),
    (5.5, "INFO", "ticket", "工单创建：工单号{ticket}，机柜{cab}「{site}」，故障类型【{fault}】，指派运维{name}（{area}），优先级{prio}{photos}"),
    (5, "INFO", "ticket", "工单关闭：工单号{ticket}，处理人{name}，处理结果：{fix}，耗时{hrs}小时"),
    (4.5, "WARN", "complaint", "用户投诉：投诉单{complaint}，用户{uid}，类型「{ctype}」，内容：“{content}”，关联订单{order}{caller}"),
    (4, "ERROR", "pay", "pay notify failed: POST /api/v2/pay/notify -> HTTP {httpfail}, channel={paych}, out_trade_no={trade}, retry={try}/5"),
    (3.5, "ERROR", "battery", "充电温度过高：充电宝{pb}温度{hot}℃，机柜{cab} {slot}号仓已停止充电并锁定"),
    (3.2, "INFO", "complaint", "投诉处理完成：投诉单{complaint}，处理人{name}，处理方式：{resolution}，退款{money}元"),
    (3, "INFO", "ota", "OTA升级完成：机柜{cab}，固件{fwpair}，耗时{secs}s"),
    (2.6, "WARN", "refund", "订单退款失败：订单号{order}，退款{money}元，原路退回{paych}，错误：{refunderr}"),
    (2.4, "WARN", "rent", "订单超时转购买：订单号{order}，用户{uid}已租借{days}天，扣除押金{deposit}元，充电宝{pb}视为售出"),
    (2.2, "WARN", "risk", "风控拦截：用户{uid} 设备指纹{fp}在10分钟内租借{count}次，命中规则【R{rcode} {risk}】，已限制租借{riskip}"),
    (2, "ERROR", "billing", "计费服务异常（订单号{order}）：{exc}"),
    (1.8, "INFO", "settle", "商户分润结算完成：商户「{merchant}」（{mch}），结算周期{period}，订单{orders}笔，分成比例{ratio}%，应结{big}元"),
    (1.6, "ERROR", "ota", "OTA升级失败：机柜{cab}，固件{fwpair}，错误码{otaerr}"),
    (1.5, "ERROR", "cabinet", "机柜断电告警：{cab}「{site}」市电中断，已切换备用电池，剩余电量{pct}%，故障：{faults}"),
    (1.4, "WARN", "battery", "充电宝疑似丢失：{pb}最后出现于「{anysite}」（{lastseen}），已{ago}天未归还"),
    (1.3, "ERROR", "settle", "商户分润结算失败：商户「{merchant}」（{mch}），结算周期{period}，订单{orders}笔，代付被拒：{bankerr}"),
    (1.2, "INFO", "report", "日报生成完毕：2026年3月13日，全网订单{orders}笔，营收{rev}元，机柜在线率{online}%，订单量前三区域{top}，报表{report}"),
]

# the Java class that logs each module's lines, for the first header form
LOGGERS = {"cabinet": ["c.j.device.HeartbeatHandler", "c.j.device.SlotService", "c.j.device.CabinetStatus"],
           "mqtt": ["c.j.device.mqtt.MqttBridge"], "rent": ["c.j.order.RentService", "c.j.order.ReturnService"],
           "pay": ["c.j.pay.NotifyController"], "charge": ["c.j.device.ChargeMonitor"],
           "deposit": ["c.j.pay.DepositService"], "coupon": ["c.j.market.CouponService"], "sms": ["c.j.common.SmsSender"],
           "stock": ["c.j.ops.StockWatcher"], "ops": ["c.j.ops.RestockService"], "refund": ["c.j.pay.RefundService"],
           "battery": ["c.j.device.BatteryHealth", "c.j.device.AssetTracker"], "ticket": ["c.j.ops.WorkOrderService"],
           "complaint": ["c.j.cs.ComplaintService"], "ota": ["c.j.device.OtaManager"], "risk": ["c.j.risk.RuleEngine"],
           "billing": ["c.j.billing.BillingJob"], "settle": ["c.j.finance.SettlementJob"], "report": ["c.j.bi.DailyReportJob"]}
THREADS = ["mqtt-worker-%d", "http-nio-8080-exec-%d", "scheduling-%d", "order-pool-%d"]
# the module's Chinese name and the host it runs on, for the other two forms
MODULES = {"cabinet": ("设备", "iot-gw"), "mqtt": ("设备", "iot-gw"), "rent": ("订单", "order-svc"), "pay": ("支付", "pay-svc"),
           "charge": ("设备", "iot-gw"), "deposit": ("押金", "pay-svc"), "coupon": ("营销", "market-svc"),
           "sms": ("短信", "common-svc"), "stock": ("运维", "ops-svc"), "ops": ("运维", "ops-svc"),
           "refund": ("支付", "pay-svc"), "battery": ("资产", "iot-gw"), "ticket": ("工单", "ops-svc"),
           "complaint": ("客服", "cs-svc"), "ota": ("升级", "iot-gw"), "risk": ("风控", "risk-svc"),
           "billing": ("计费", "billing-svc"), "settle": ("结算", "finance-svc"), "report": ("报表", "bi-svc")}
PIDS = {"iot-gw": 2104, "order-svc": 3317, "pay-svc": 3342, "market-svc": 4410, "common-svc": 4415, "ops-svc": 5120,
        "cs-svc": 5188, "risk-svc": 6021, "billing-svc": 6030, "finance-svc": 7002, "bi-svc": 7311}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the Java services write through a pattern layout: time with a comma before the
        # milliseconds, the level padded to five, the thread in brackets, the logger
        thread = r.choice(THREADS) % r.randint(1, 16)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread,
                                            r.choice(LOGGERS[module]))
    cn, host = MODULES[module]
    if form == 1:
        # the operations console prints a Chinese date, the level and the module in Chinese
        word = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s-%02d] [%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), word, host, r.randint(1, 4), cn)
    # the gateways forward to syslog: month name, host, program[pid] and a short level tag
    tag = {"INFO": "I", "WARN": "W", "ERROR": "E"}[level]
    return "%s %2d %s pb-%s-%02d %s[%d]: <%s> " % (at.strftime("%b"), at.day, at.strftime("%H:%M:%S"),
                                                  r.choice(["sh", "sz", "bj"]), r.randint(1, 6), host, PIDS[host], tag)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "P", 7 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
