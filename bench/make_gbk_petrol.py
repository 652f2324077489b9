#!/usr/bin/env python3
"""A GBK log of a Chinese chain of petrol stations (forecourt, back office and shop) with its truth.

    bench/make_gbk_petrol.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages (fuellings
finished at a nozzle, nozzles lifted with or without a preset, payments, refunds done or
failed, tank gauge readings, fuel-card purchases, top-ups done or failed, cards reported lost
and unblocked, member points, plate recognition at the lanes, shop sales and goods received,
shop stock running low, vapour-recovery checks normal and over the limit, tankers arriving,
deliveries unloaded, unloading losses over the allowance, low stock in a tank, water in a
tank, high level while unloading, leak sensors' self-checks and leak alarms, combustible gas
alarms, dispensers that stop answering, drive-offs, receipt printer faults, shift closing,
price changes pushed to the pumps, daily tank reconciliation, metering self-checks, safety
rounds passed and failed, licences about to expire), written to measure the miner on and
not to shape it: no rule was made or tuned on them. Each message keeps its own frequency,
fuellings by the hundred and a licence reminder a few times in four thousand lines; the
seed scales the weights a little. One of three header forms by the seed. The output depends
only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STATIONS = ["杭州文三路站", "宁波鄞州北站（高速服务区）", "苏州金鸡湖东站", "合肥政务区站", "南京江北新区 浦珠路站",
            "绍兴柯桥站（A区）", "嘉兴南湖大道站", "无锡锡东站（东侧）"]
STCODES = ["HZ017", "NB203", "SZ088", "HF012", "NJ145", "SX031", "JX007", "WX066"]
# grade as the forecourt writes it, its code on the dispenser, price in 元/升
GRADES = [("92#汽油", "G92", 7.12), ("95#汽油", "G95", 7.58), ("98#汽油", "G98", 8.46), ("0#柴油", "D0", 6.89),
          ("-10#柴油", "D-10", 7.32), ("E92乙醇汽油", "E92", 7.05)]
# tank, its grade and capacity in litres
TANKS = [("1号罐（92#，30立方）", 0, 30000), ("2号罐（92#，30立方）", 0, 30000), ("3号罐（95#，30立方）", 1, 30000),
         ("4号罐（98#，20立方）", 2, 20000), ("5号罐（0#柴油，50立方）", 3, 50000), ("T6 双层罐（-10#柴油）", 4, 30000)]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY_QR", "FUEL_CARD", "DIGITAL_RMB", "ETC_PAY"]
TERMS = ["OPT-01", "OPT-02", "POS-A", "POS-B", "IPT-07（自助）"]
CARDTYPES = ["个人记名卡", "单位副卡", "车队主卡", "不记名卡", "司机卡（限油品）"]
TIERS = ["NORMAL", "SILVER", "GOLD", "PLATINUM", "FLEET"]
SHOPGOODS = ["农夫山泉 550ml", "红牛维生素饮料 250ml", "玻璃水（-25℃）2L", "口香糖（薄荷味）", "火腿肠×3", "方便面 桶装",
             "车载纸巾", "机油 4L SN级", "冰红茶 1L", "香烟（需年龄核验）", "玉米棒（热食）", "洗车券 标准洗"]
PAYMETHODS = ["支付方式：微信", "支付方式：支付宝", "支付方式：现金", "支付方式：加油卡（非油额度）", "支付方式：积分+现金"]
SUPPLIERS = ["华东快消配送中心", "鸿运饮品（合作供应商）", "锦程日化", "本地冷链·鲜食"]
VENDORS = ["青禾环保科技", "宏泰机电维保", "北辰油气回收服务有限公司"]
ROLES = ["站长", "值班经理", "片区经理", "计量员"]
SHIFTS = ["早班", "中班", "夜班"]
SENSORS = ["人孔井-T2", "加油机底槽-05", "双层管线夹层-L3", "罐间隙-T6", "卸油口井", "油水分离池"]
AREAS = ["卸油区", "罐区人孔井", "加油岛3号", "便利店库房", "配电间"]
PRINTERS = ["前庭POS-A", "便利店收银2号", "夜间售油窗口"]
PRERRS = ["PAPER_OUT", "COVER_OPEN", "USB_DISCONNECTED", "ETIMEDOUT"]
PERRS = ["SYSTEMERROR", "USERPAYING", "ORDERPAID", "NOTENOUGH", "AUTHCODEEXPIRE"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
REFUNDERRS = ["ORDER_REFUNDED（订单已全额退款）", "余额不足，无法退款", "HTTP 503 Service Unavailable", "原交易超过180天"]
TOPCHS = ["站内柜台", "手机APP", "网上营业厅", "自助充值机"]
TOPERRS = ["卡片已挂失", "银行扣款失败（51：余额不足）", "单位主卡额度不足", "网络超时，请稍后重试", "卡状态异常：CARD_FROZEN"]
LOSTCHS = ["站内柜台", "客服热线", "手机APP"]
CHECKS = ["消防器材", "静电接地", "卸油作业规范", "加油机防爆", "监控与应急照明", "油罐区"]
PROBLEMS = ["灭火器压力不足（2具）", "静电接地夹锈蚀", "卸油时未放置警示牌", "加油机下油槽积油", "应急灯不亮（东侧）",
            "人孔井内有积水"]
LICENCES = ["危险化学品经营许可证", "成品油零售经营批准证书", "排污许可证", "计量器具检定证书（加油机）", "营业执照"]
LPRS = ["匹配会员，已推送无感支付", "未匹配会员", "匹配车队卡，按车队价结算"]
RECONS = ["在允许范围内", "已提交计量员复核", "差异超0.3%，需说明原因"]


_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def grade(r):
    _chosen["g"] = r.choice(GRADES)
    return _chosen["g"][0]


def litres(r):
    _chosen["l"] = round(r.choice([r.uniform(5, 45), r.uniform(20, 60), r.uniform(40, 180)]), 2)
    return "%.2f" % _chosen["l"]


def amount(r):
    return "%.2f" % (_chosen["l"] * _chosen["g"][2])


def tank(r):
    _chosen["t"] = r.choice(TANKS)
    return _chosen["t"][0]


def tankvol(lo, hi):
    """Litres in the line's tank, a share lo..hi of its capacity; keeps it for the ullage."""
    def make(r):
        _chosen["v"] = r.uniform(lo, hi) * _chosen["t"][2]
        return "%.1f" % _chosen["v"]
    return make


def oilmm(r):
    """Oil height in the line's tank (its tanks are about 2.6 m deep); keeps the litres it holds."""
    share = r.uniform(0.25, 0.92)
    _chosen["v"] = share * _chosen["t"][2]
    return "%.1f" % (share * 2580 + r.uniform(-15, 15))


def plate(r):
    return "%s%s%s%04d" % (r.choice("浙苏皖沪"), r.choice("ABCDE"), r.choice(["", "D", "F"]), r.randint(0, 9999))


def tplate(r):
    return "%s%s·%05d（危险品）" % (r.choice("浙苏"), r.choice("ABK"), r.randint(10000, 99999))


def cardno(r):
    return "1000 %04d %04d %04d" % (r.randint(1100, 1199), r.randint(0, 9999), r.randint(0, 9999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999))


def preset(r):
    x = r.random()
    if x < 0.35:
        return " preset=AMOUNT:%d.00" % r.choice([50, 100, 200, 300, 500])
    if x < 0.5:
        return " preset=VOLUME:%d.00L" % r.choice([20, 30, 40, 50])
    return ""


def goods(r):
    out = []
    for g in r.sample(SHOPGOODS, r.randint(1, 4)):
        n = r.choice([1, 1, 1, 2, 3])
        out.append(g if n == 1 else "%s×%d" % (g, n))
    return "、".join(out)


def delivery(r):
    _chosen["d"] = r.randint(8, 30) * 1000 + r.choice([0, 0, 500])
    return "%d" % _chosen["d"]


def unload(r):
    """Before and after levels and the loss of an unloading, from the tank and the planned volume."""
    cap = _chosen["t"][2]
    planned = min(_chosen.get("d", 15000), int(cap * 0.6))
    before = r.uniform(0.08, 0.3) * cap
    loss = planned * r.uniform(-0.0015, 0.0018)
    return "卸前%.1fL，卸后%.1fL，交接量%dL，损溢%+.1fL（%+.2f%%）" % (
        before, before + planned - loss, planned, -loss, -loss / planned * 100)


def recon(r):
    book = r.uniform(0.2, 0.9) * _chosen["t"][2]
    d = book * r.uniform(-0.004, 0.003)
    return "账面库存%.1fL，实测库存%.1fL，差异%+.1fL（%+.2f%%）" % (book, book + d, d, d / book * 100)


def short(r):
    """Pieces left on the shelf; keeps the safety stock it is below."""
    _chosen["safe"] = r.randint(6, 48)
    return str(r.randint(0, _chosen["safe"] - 1))


def shiftlitres(r):
    """Litres sold in a shift; kept for the takings after it."""
    _chosen["sl"] = r.uniform(2500, 21000)
    return "%.2f" % _chosen["sl"]


def pricechange(r):
    g = r.choice(GRADES)
    step = r.choice([-1, 1]) * r.choice([0.05, 0.07, 0.10, 0.12, 0.18])
    return "%s %.2f→%.2f元/升" % (g[0], g[2], g[2] + step)


def day(r, lo, hi, form=None):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    form = form if form is not None else r.randint(0, 2)
    return ["%d年%d月%d日" % (d.year, d.month, d.day), d.strftime("%Y-%m-%d"), d.strftime("%Y%m%d")][form]


def expdate(r):
    _chosen["days"] = r.randint(3, 60)
    return day(r, _chosen["days"], _chosen["days"], 0)


def shiftspan(r):
    k = r.randint(0, 2)
    return "%s（%s）" % (SHIFTS[k], ["06:00-14:00", "14:00-22:00", "22:00-次日06:00"][k])


def nozzles(r):
    return ",".join("%02d-%d" % (r.randint(1, 12), r.randint(1, 4)) for _ in range(r.randint(1, 4)))


V = {
    "name": name, "grade": grade, "litres": litres, "amount": amount, "price": lambda r: "%.2f" % _chosen["g"][2],
    "gradecode": lambda r: r.choice(GRADES)[1], "tank": tank,
    "oilmm": oilmm, "vol": lambda r: "%.1f" % _chosen["v"], "ullage": lambda r: "%.1f" % (_chosen["t"][2] - _chosen["v"]),
    "lowvol": tankvol(0.04, 0.12), "plate": plate, "tplate": tplate, "cardno": cardno, "phone": phone,
    "preset": preset, "goods": goods, "delivery": delivery, "unload": unload, "recon": recon, "short": short,
    "shelf": lambda r: str(_chosen["safe"]), "pricechange": pricechange,
    "expdate": expdate, "days": lambda r: str(_chosen["days"]), "shiftspan": shiftspan, "nozzles": nozzles,
    "pump": rint(1, 12, "%02d"), "nozzle": rint(1, 4), "pumpno": rint(1, 12),
    "totalizer": real(100000, 9999999, "%.2f"), "secs": rint(35, 420),
    "paych": pick(PAYCH), "term": pick(TERMS), "cardtype": pick(CARDTYPES), "tier": pick(TIERS),
    "paymethod": pick(PAYMETHODS), "supplier": pick(SUPPLIERS), "vendor": pick(VENDORS), "role": pick(ROLES),
    "sensor": pick(SENSORS), "area": pick(AREAS), "printer": pick(PRINTERS), "prerr": pick(PRERRS),
    "perr": pick(PERRS), "httpfail": pick(HTTPFAILS), "refunderr": pick(REFUNDERRS), "topch": pick(TOPCHS),
    "toperr": pick(TOPERRS), "lostch": pick(LOSTCHS), "check": pick(CHECKS), "problem": pick(PROBLEMS),
    "licence": pick(LICENCES), "lpr": pick(LPRS), "recon_note": pick(RECONS), "station": pick(STATIONS),
    "stcode": pick(STCODES), "item": pick(SHOPGOODS),
    "mode": pick(["PREPAY", "POSTPAY", "AUTH_CARD", "AUTH_MEMBER"]),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"), "order": lambda r: "ZY%s%06d" % (
        r.choice(STCODES), r.randint(0, 999999)),
    "pay": real(30, 860, "%.2f"), "money": real(3, 260, "%.2f"), "bigmoney": real(200, 5000, "%.2f"),
    "bal": real(0, 12000, "%.2f"), "bonus": pick(["0.00", "10.00", "30.00", "88.00"]),
    "mid": rint(0, 10 ** 9 - 1, "M%09d"), "pts": rint(3, 900), "ptotal": rint(0, 80000),
    "watermm": real(0, 18, "%.1f"), "otemp": real(8, 26, "%.1f"),
    "highwater": rint(31, 95), "hipct": real(95, 98.5, "%.1f"),
    "lane": rint(1, 6), "conf": rint(82, 99), "al": real(1.0, 1.2, "%.2f"),
    "albad": lambda r: "%.2f" % r.choice([r.uniform(0.6, 0.97), r.uniform(1.23, 1.6)]),
    "n": rint(2, 6), "try": rint(1, 3), "hrs": rint(6, 40), "mins": rint(3, 55), "ms": rint(3000, 15000),
    "waybill": lambda r: "PS-%s-%04d" % (r.choice(["260313", "260314"]), r.randint(1, 3200)),
    "seal": lambda r: "QF%07d" % r.randint(0, 9999999), "badpct": real(0.21, 0.65, "%.2f"),
    "req": lambda r: "YH2603%02d%03d" % (r.randint(14, 15), r.randint(1, 400)),
    "receipt": lambda r: "S%s-%05d" % (r.choice(STCODES), r.randint(1, 99999)),
    "grn": lambda r: "RK-20260314-%03d" % r.randint(1, 160), "skus": rint(3, 48), "cases": rint(2, 60),
    "barcode": lambda r: "69%011d" % r.randint(0, 10 ** 11 - 1),
    "shiftl": shiftlitres, "cash": lambda r: "%.2f" % (_chosen["sl"] * r.uniform(7.0, 7.6)), "cash2": real(800, 9000, "%.2f"),
    "timeout": pick(["1500", "3000", "5000"]), "com": pick(["COM3", "COM4", "/dev/ttyS2", "RS485-2"]),
    "photo": lambda r: "lpr_%s_%06d.jpg" % (r.choice(["L1", "L2", "L3", "L4"]), r.randint(0, 999999)),
    "lel": rint(21, 60), "hours": pick(["2", "4", "24"]),
    "eff": lambda r: r.choice(["2026-03-15 00:00", "3月15日24时", "2026/03/16 00:00:00"]),
    "pumps": rint(8, 24), "boards": rint(1, 3), "err": real(-0.28, 0.28, "%+.2f"),
    "lic": lambda r: "%s%08d" % (r.choice(["浙", "苏", "皖"]), r.randint(0, 99999999)),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "plateopt": optional(lambda r: " 车牌：" + plate(r), 0.45),
    "refundnote": optional(lambda r: "，备注：%s" % r.choice(["客户多付，原路退回", "加错油品，已协商退款",
                                                          "重复扣款（系统对账发现）"]), 0.5),
    "leakvac": optional(lambda r: "夹层真空度%.1f kPa，" % r.uniform(-38, -30), 0.5),
    "recvnote": optional(lambda r: "，备注：%s" % r.choice(["饮料2箱外包装破损，已拍照", "少送鲜食1箱，已联系供应商",
                                                         "冷链到货温度6℃，拒收1箱"]), 0.3),
    "ratecard": optional(lambda r: "，本次享受会员日优惠%.2f元/升" % r.choice([0.2, 0.3, 0.5]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "fcc", "加油完成：{pump}号机{nozzle}号枪，油品{grade}，加油量{litres}L，单价{price}元/升，金额{amount}元，泵码累计{totalizer}，用时{secs}s"),
    (190, "INFO", "fcc", "nozzle lifted: pump={pump} nozzle={nozzle} grade={gradecode} mode={mode}{preset}"),
    (150, "INFO", "pay", "支付成功 channel={paych} out_trade_no={trade} amount={pay}元 terminal={term}{plateopt}"),
    (95, "INFO", "atg", "液位仪上报 {tank}：油高={oilmm}mm, 水高={watermm}mm, 油温={otemp}℃, 库存={vol}L, 空容={ullage}L"),
    (80, "INFO", "card", "加油卡消费：卡号 {cardno}（{cardtype}），{pumpno}号机，油品{grade}，{litres}升，扣款{amount}元，卡内余额{bal}元{ratecard}"),
    (70, "INFO", "member", "member.points.earn memberId={mid} tier={tier} delta=+{pts} total={ptotal} station={stcode}"),
    (60, "INFO", "shop", "便利店销售：小票《{receipt}》，商品：{goods}，合计{money}元，{paymethod}"),
    (45, "INFO", "lpr", "车牌识别：{lane}号车道 {plate}（置信度{conf}%），{lpr}"),
    (35, "INFO", "vapour", "油气回收在线监测：{pump}号机{nozzle}号枪 A/L={al}（标准1.0～1.2），结果：正常"),
    (26, "WARN", "vapour", "油气回收气液比超限：{pump}号机{nozzle}号枪 A/L={albad}，超出1.0～1.2范围，连续{n}次，已通知维保「{vendor}」"),
    (24, "INFO", "pay", "退款成功：原单号{order}，退款{money}元，原路退回「{paych}」，操作员{name}{refundnote}"),
    (20, "INFO", "delivery", "油罐车到站：车牌{tplate}，配送单{waybill}，油品{grade}，计划卸油{delivery}L，司机{name}，押运员{name}，铅封号{seal}"),
    (16, "INFO", "delivery", "卸油完成：配送单{waybill}，卸入{tank}，{unload}，用时{mins}分钟，卸油员{name}"),
    (14, "INFO", "card", "加油卡充值成功：卡号 {cardno}，充值金额{bigmoney}元，赠送{bonus}元，渠道：{topch}，操作员{name}"),
    (13, "WARN", "atg", "低库存预警：{tank}当前库存{lowvol}L，按近7日均销量可售{hrs}小时，已生成要货计划{req}"),
    (12, "INFO", "shop", "便利店到货验收：供应商「{supplier}」，单号{grn}，{skus}个品项，共{cases}箱，验收人{name}{recvnote}"),
    (10, "WARN", "delivery", "卸油损耗超标：配送单{waybill}，油品{grade}，损耗率{badpct}%，超出定额损耗0.20%，已通知{role}{name}复核"),
    (9, "WARN", "shop", "便利店库存不足：{item}（条码{barcode}）剩余{short}件，低于安全库存{shelf}件"),
    (8, "INFO", "shift", "班结完成：{shiftspan}，收银员{name}，油品{shiftl}升，油品收入{cash}元，非油收入{bigmoney}元，现金{cash2}元已投入保险柜"),
    (8, "WARN", "fcc", "FCC通讯超时：{pump}号机无响应（timeout={timeout}ms），重试{try}/3，端口{com}"),
    (6, "ERROR", "pay", "payment failed: channel={paych} out_trade_no={trade} err_code={perr} HTTP {httpfail}，已提示客户更换支付方式"),
    (6, "INFO", "leak", "渗漏检测自检：传感器「{sensor}」状态=DRY，{leakvac}结果正常"),
    (5, "ERROR", "member", "调用会员中心超时：java.net.SocketTimeoutException: Read timed out（POST /api/v3/points/accrue，耗时{ms}ms），积分已转入补录队列"),
    (4, "WARN", "fcc", "加油后未付款：{pump}号机{nozzle}号枪，金额{pay}元，车牌{plate}（抓拍 {photo}），已挂单{mins}分钟，请前庭核实"),
    (3.5, "ERROR", "card", "加油卡充值失败：卡号 {cardno}，充值金额{bigmoney}元，渠道：{topch}，原因：{toperr}"),
    (3, "ERROR", "pay", "退款失败：原单号{order}，退款{money}元，原路退回「{paych}」，错误：{refunderr}"),
    (3, "WARN", "atg", "油罐水高超标：{tank}水高{highwater}mm，阈值30mm，请安排抽水作业"),
    (3, "ERROR", "pos", "小票打印失败 printer=「{printer}」 err={prerr}，{n}张待补打"),
    (2.5, "INFO", "safety", "安全巡检《{check}》：{station}，检查人{name}，结果：合格"),
    (2.2, "ERROR", "leak", "渗漏报警！传感器「{sensor}」状态=LIQUID，已锁定相关油枪：{nozzles}，请立即到场处置"),
    (2.2, "ERROR", "atg", "高液位报警：{tank}液位{hipct}%（≥95%），卸油阀已自动关闭，配送单{waybill}"),
    (2, "ERROR", "gas", "可燃气体浓度报警：{area}浓度{lel}%LEL（报警值20%LEL），防爆风机已联动启动"),
    (2, "INFO", "price", "油价调整下发：{pricechange}，生效时间{eff}，已同步{pumps}台加油机、{boards}块价格牌"),
    (2, "WARN", "safety", "安全巡检《{check}》：{station}，检查人{name}，结果：不合格，问题：{problem}，限{hours}小时内整改"),
    (1.8, "INFO", "atg", "日结罐存：{tank}，{recon}，{recon_note}，盘点人：{names}"),
    (1.8, "INFO", "card", "加油卡挂失：卡号 {cardno}，持卡人{name}（{phone}），办理渠道：{lostch}"),
    (1.6, "INFO", "card", "加油卡解挂：卡号 {cardno}，持卡人{name}（{phone}），办理渠道：{lostch}"),
    (1.6, "INFO", "metro", "加油机计量自检：{pump}号机{nozzle}号枪，标准罐20L，示值误差{err}%（允许±0.3%），合格"),
    (1.5, "WARN", "hr", "证照到期提醒：{licence}（编号{lic}）将于{expdate}到期，剩余{days}天，请提前办理延续"),
]

# the Java back office's threads and loggers, by module
THREADS = {"fcc": ("fcc-poll-%d", "c.h.station.fcc.PumpPoller"), "pay": ("pay-notify-%d", "c.h.pay.NotifyHandler"),
           "atg": ("atg-reader", "c.h.station.tank.GaugeReader"), "card": ("card-svc-%d", "c.h.card.CardService"),
           "member": ("member-%d", "c.h.member.PointsClient"), "shop": ("shop-pos-%d", "c.h.shop.SaleRecorder"),
           "lpr": ("lpr-cam-%d", "c.h.station.lpr.PlateMatcher"), "vapour": ("vr-monitor", "c.h.env.VaporMonitor"),
           "delivery": ("unload-%d", "c.h.logistics.UnloadService"), "shift": ("main", "c.h.station.ShiftCloser"),
           "leak": ("leak-scan", "c.h.env.LeakDetector"), "pos": ("print-%d", "c.h.pos.ReceiptPrinter"),
           "gas": ("gas-alarm", "c.h.safety.GasDetector"), "safety": ("patrol-%d", "c.h.safety.PatrolService"),
           "price": ("price-push", "c.h.station.PricePusher"), "metro": ("calib", "c.h.station.fcc.MeterCheck"),
           "hr": ("scheduler-1", "c.h.admin.LicenceReminder")}
PLACES = {"fcc": "前庭控制器", "pay": "支付网关", "atg": "液位仪", "card": "加油卡系统", "member": "会员中心",
          "shop": "便利店POS", "lpr": "车牌识别", "vapour": "油气回收监测", "delivery": "卸油管理", "shift": "站级后台",
          "leak": "渗漏监测", "pos": "收银打印", "gas": "可燃气体报警", "safety": "安全管理", "price": "油价管理",
          "metro": "计量管理", "hr": "证照管理"}
DAEMONS = {"fcc": "fccd", "pay": "paygw", "atg": "atgd", "card": "cardsvc", "member": "memberd", "shop": "shoppos",
           "lpr": "lprd", "vapour": "vrmon", "delivery": "unloadd", "shift": "bosd", "leak": "leakmon", "pos": "printd",
           "gas": "gasmon", "safety": "bosd", "price": "bosd", "metro": "fccd", "hr": "bosd"}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    if form == 0:
        # the station back office is in Java and logs thread and logger name
        thread, logger = THREADS[module]
        if "%" in thread:
            thread = thread % r.randint(1, 4)
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), thread, level, logger)
    if form == 1:
        # the station's own monitoring console writes the level and the subsystem in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "%s [%s][%s-%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), cn, r.choice(STCODES[:3] + STCODES[:1] * 3),
                                    PLACES[module])
    # the edge box at each station forwards everything through syslog, its level a letter
    host = "%s-edge0%d" % (r.choice(STCODES[:4]).lower(), r.randint(1, 2))
    daemon = DAEMONS[module]
    return "%s %s %s[%d]: <%s> " % (at.strftime("%b %d %H:%M:%S"), host, daemon,
                                    2000 + sorted(set(DAEMONS.values())).index(daemon) * 37, level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "F", 5 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3), (0.8, 1.25))


if __name__ == "__main__":
    main()
