#!/usr/bin/env python3
"""A GBK log of a craft brewery's brewhouse, cellar, canning line and taproom with its truth.

    bench/make_gbk_brewery.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (fermenter
readings, tanks running warm, yeast pitched, dry hopping, transfers to bright tanks, mash steps,
hop additions in the boil, wort knocked out to a fermenter, a mash-tun motor overload, canning
counts, in-line rejects, double-seam checks passed and failed, pallets put away, CIP runs
finished or aborted, lab releases and lab failures, taproom orders, payment notices that
succeed or fail, refunds, age checks passed and refused, keg changes on the taps, low keg
stock, member points, click-and-collect orders, malt and hop receipts, low raw stock, monthly
stocktakes, dealer shipments, PLC links lost, glycol chiller and boiler alarms, ERP sync
failures and meters due for calibration), written to measure the miner on and not to shape it:
no rule was made or tuned on them. Each message keeps its own frequency, fermenter readings
and canning counts by the hundred, a stocktake once in some eight hundred lines. One of three
header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

RECIPES = ["琥珀湾 IPA", "老城墙世涛", "桂花小麦 Witbier", "雾岭 NEIPA（双倍干投）", "山楂酸艾尔",
           "清明比尔森 Pilsner", "黑糖波特", "青梅 Gose（限定）", "晨雾淡色艾尔 Pale Ale", "石板路 Amber Lager"]
MALTS = ["比尔森麦芽", "浅色艾尔麦芽", "焦香麦芽（C60）", "慕尼黑麦芽 I型", "小麦芽", "燕麦片", "巧克力麦芽",
         "烘烤大麦", "维也纳麦芽"]
# invented hop names, as the merchants list them
HOPS = ["雪松香 XS-2", "金穗 GS-12", "南岭蜜桃 NL-3", "白露（实验品种 EX-204）", "霜叶", "北岭金花", "青柠一号 LM-1",
        "云杉 H-07"]
YEASTS = ["美式艾尔 US-A1", "英式艾尔 EN-04", "比利时修道院 BE-9", "拉格 LG-17", "小麦 WH-68", "乳酸菌 LP-3（酸啤专用）"]
# mash step and its temperature range in ℃
MASHSTEPS = [("投料混合", 45, 52), ("蛋白休止", 50, 55), ("β-淀粉酶休止", 60, 65), ("α-淀粉酶休止", 68, 73),
             ("糖化结束升温（Mash-out）", 76, 78)]
SUPPLIERS = ["禾丰麦芽（张掖）有限公司", "远山酒花合作社", "北麦农业发展有限公司", "蓝湖酵母实验室", "澜川进口原料贸易（上海）"]
MATERIALS = MALTS + ["酒花颗粒 " + h for h in HOPS[:4]]
LINES = ["灌装线A（四头）", "灌装线B（十二头）", "CAN-2"]
REJECTS = ["液位不足（<327ml）", "溶氧超标", "空罐变形", "喷码缺失", "封盖歪斜", "称重异常"]
CIPOBJS = ["FV-03", "FV-07", "BBT-2", "糖化锅MT-1", "过滤槽LT-1", "灌装线A 供液管路", "板式换热器PHE-1", "回旋沉淀槽WP-1"]
CIPPROGS = ["碱洗+酸洗 标准", "热碱洗 85℃", "快速冲洗", "过氧乙酸消毒", "全程序（碱-水-酸-水-消毒）"]
PAYCH = ["WECHAT_PAY", "ALIPAY", "UNIONPAY_QR", "MEMBER_BALANCE", "CASH_DRAWER"]
PAYERRS = ["SIGN_ERROR", "ORDER_PAID", "SYSTEMERROR", "TIMEOUT", "INSUFFICIENT_FUNDS"]
LEVELS = ["普通会员", "酒友卡", "金杯会员", "酿酒师之友", "企业团购"]
SNACKS = ["薯条拼盘", "德式烤肠", "炸鸡翅 6只", "椒盐毛豆", "黄油啤酒面包", "芝士拼盘（大）"]
SIZES = ["品鉴杯 150ml", "330ml", "400ml", "Pint 473ml", "1L 扎壶"]
SEATHALLS = ["一楼吧台", "户外区", "二楼长桌", "窗边卡座"]
ROOMS = ["麦田", "酿酒师之家", "橡木桶", "小酒馆B"]
IDTYPES = ["居民身份证", "港澳居民来往内地通行证", "护照", "电子身份证（小程序）"]
VERIFY = ["人工查验", "刷证机读卡", "人脸比对"]
REFUNDS = ["上错酒", "顾客不满意口味", "重复扣款", "酒头故障未出酒", "套餐缺货"]
ROLES = ["店长", "值班经理", "吧台主管"]
KEGSIZES = ["20L 不锈钢桶", "30L 不锈钢桶", "20L 一次性PET桶", "50L 桶"]
PKGS = ["330ml罐 24罐/箱", "500ml罐 12罐/箱", "330ml瓶 24瓶/箱", "1L 鲜啤扎 6瓶/箱"]
DEALERS = ["杭州麦芽小站（西湖店）", "成都精酿集合社", "上海啤客来贸易有限公司", "南京十三行酒馆", "深圳海岸线餐饮管理有限公司"]
CARRIERS = ["顺达冷链", "捷运物流", "自有车辆"]
QCITEMS = [("双乙酰", "0.14mg/L", "≤0.10mg/L"), ("酒精度", "5.9%vol", "6.5±0.3%vol"), ("浊度", "48 EBC", "≤30 EBC"),
           ("微生物（厌氧菌）", "检出", "不得检出"), ("溶解氧", "118ppb", "≤50ppb"), ("二氧化碳", "2.1 vol", "2.4～2.7 vol")]
QCACTS = ["延长熟化后复检", "降级为酒馆自用", "隔离待评审", "报废处理"]
PLCS = ["糖化PLC（S-MT1）", "发酵区PLC-2", "灌装线A 主控", "CIP站控制柜", "冷库温控器"]
CHILLERS = ["CH-1", "CH-2（备用）"]
COMPS = ["RUN", "TRIP", "STOP", "LOCKOUT"]
ALARMS = ["E17-LOW_FLOW", "E22-HP_CUTOUT", "E05-SENSOR_FAIL", "A31-FREEZE_RISK"]
BOILERS = ["燃气蒸汽锅炉 1#", "燃气蒸汽锅炉 2#（备用）"]
AFFECTED = ["煮沸强度不足，已延长煮沸5分钟", "CIP热碱升温缓慢", "暂无影响", "灌装线巴氏杀菌隧道降速"]
# ERP document type and the prefix of its number
DOCTYPES = [("销售出库", "XS"), ("原料入库", "RK"), ("生产领料", "LL"), ("成品入库", "CP"), ("调拨单", "DB")]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
WAREHOUSES = ["原料库（麦芽）", "酒花冷库", "成品冷库", "包材库", "酒馆吧台库存"]
METERS = ["糖度计（手持折光仪）", "溶氧仪 DO-3", "电子台秤 150kg", "二氧化碳测定仪", "罐区压力表 PT-07", "流量计 FM-2"]
DHNOTES = ["罐压降至0.2bar后投料", "第2次干投", "投料后CO2回充", "已记录批次配料表"]
TAPNOTES = ["少冰", "分两次上", "先上小吃", "生日（送1杯品鉴杯）", "需要发票"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def tank(r):
    """A fermenter and the setpoint of its current stage (fermenting, free rise, crash)."""
    _chosen["set"] = r.choice([10.0, 12.0, 18.0, 19.0, 20.0, 21.5, 2.0, 0.0])
    return "FV-%02d" % r.randint(1, 14)


def ftemp(r):
    return "%.1f" % (_chosen["set"] + r.uniform(-0.6, 0.6))


def hottemp(r):
    _chosen["dev"] = r.uniform(1.2, 6.5)
    return "%.1f" % (_chosen["set"] + _chosen["dev"])


def batch(r):
    return "QS2605%02d-%02d" % (r.randint(1, 9), r.randint(1, 4))


def seat(r):
    k = r.random()
    if k < 0.15:
        return "包间「%s」" % r.choice(ROOMS)
    if k < 0.55:
        return "吧台B%02d" % r.randint(1, 18)
    return "%s T%02d" % (r.choice(SEATHALLS), r.randint(1, 30))


def beers(r):
    out = []
    for b in r.sample(RECIPES, r.randint(1, 3)):
        n = r.choice([1, 1, 2, 2, 3, 4])
        out.append("《%s》%s×%d" % (b, r.choice(SIZES), n))
    if r.random() < 0.4:
        out.append(r.choice(SNACKS))
    return "、".join(out)


def beerlist(r):
    return "，".join("%s×%d箱" % (b, r.randint(5, 120)) for b in r.sample(RECIPES, r.randint(1, 3)))


def tapord(r):
    return "TP%s%05d" % (r.choice(["0509", "0510"]), r.randint(1, 99999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def cname(r):
    if r.random() < 0.5:
        return "%s%s" % (r.choice(gbk_messages.SURNAMES), r.choice(["先生", "女士"]))
    return name(r)


def customer(r):
    return "%s（%s）" % (cname(r), phone(r))


def hops(r):
    kg = [round(r.uniform(0.5, 12), 1) for _ in range(r.randint(1, 3))]
    _chosen["hopkg"] = sum(kg)
    return "、".join("%s %.1fkg" % (h, k) for h, k in zip(r.sample(HOPS, len(kg)), kg))


def mashstep(r):
    step, lo, hi = r.choice(MASHSTEPS)
    _chosen["mash"] = (lo, hi)
    return step


def doctype(r):
    _chosen["doc"] = r.choice(DOCTYPES)
    return _chosen["doc"][0]


def seam(lo, hi):
    return real(lo, hi, "%.2f")


def qcitem(r):
    _chosen["qc"] = r.choice(QCITEMS)
    return _chosen["qc"][0]


def certdate(r):
    _chosen["days"] = r.randint(3, 45)
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=_chosen["days"])
    return d.strftime("%Y/%m/%d")


def bbd(r):
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=r.randint(90, 365))
    return "%d.%02d.%02d" % (d.year, d.month, d.day)


def pickup(r):
    return "%s %02d:%02d" % (r.choice(["05-09", "05-10", "05-11"]), r.randint(11, 22), r.choice([0, 15, 30, 45]))


def ymd(r):
    return "%d年%d月%d日" % (2026, r.choice([4, 5]), r.randint(1, 30))


def amps(r):
    rated = r.choice([18.5, 22.0, 30.0])
    _chosen["rated"] = rated
    return "%.1f" % (rated * r.uniform(1.15, 1.6))


V = {
    "tank": tank, "ftemp": ftemp, "fset": lambda r: "%.1f" % _chosen["set"], "hottemp": hottemp,
    "dev": lambda r: "%.1f" % _chosen["dev"], "batch": batch, "seat": seat, "beers": beers,
    "beerlist": beerlist, "tapord": tapord, "cname": cname, "customer": customer, "hops": hops,
    "qcitem": qcitem, "qcval": lambda r: _chosen["qc"][1], "qcstd": lambda r: _chosen["qc"][2],
    "certdate": certdate, "days": lambda r: str(_chosen["days"]), "bbd": bbd, "pickup": pickup, "ymd": ymd,
    "amps": amps, "rated": lambda r: "%.1f" % _chosen["rated"],
    "sg": real(1.006, 1.068, "%.3f"), "bar": real(0.0, 1.4, "%.2f"), "pct": rint(35, 100), "plato": real(10.5, 19.5),
    "ph": optional(lambda r: " pH=%.2f" % r.uniform(3.2, 4.7), 0.35),
    "line": pick(LINES), "filled": rint(200, 48000), "cpm": rint(28, 190), "rej": rint(0, 9),
    "rejreason": pick(REJECTS), "seamt": seam(1.15, 1.30), "badseam": seam(1.32, 1.48), "csd": seam(6.30, 6.60),
    "yuan": real(38, 1260, "%.2f"), "small": real(12, 380, "%.2f"), "fen": rint(3800, 126000),
    "paych": pick(PAYCH), "payerr": pick(PAYERRS), "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "retry": optional(lambda r: " retry=%d/3" % r.randint(1, 3), 0.5),
    "tapremark": optional(lambda r: "，备注：%s" % r.choice(TAPNOTES), 0.3),
    "recipe": pick(RECIPES), "mashstep": mashstep, "mashtemp": lambda r: "%.1f" % r.uniform(*_chosen["mash"]), "mins": rint(5, 95),
    "mid": rint(0, 10 ** 7 - 1, "QS%07d"), "level": pick(LEVELS), "pts": rint(5, 1800), "bal": rint(0, 52000),
    "tap": rint(1, 24, "%02d"), "keg": lambda r: "KEG-%s%04d" % (r.choice("ABCD"), r.randint(1, 3200)),
    "kegsize": pick(KEGSIZES), "left": real(0.0, 3.5), "name": name,
    "yeast": pick(YEASTS), "gen": rint(1, 9), "pitch": real(8, 60), "coolto": real(9.0, 22.5),
    "boilmin": pick(["60", "30", "15", "5", "0（熄火）"]), "hopkg": lambda r: "%.1f" % _chosen["hopkg"], "vol": rint(800, 4200),
    "cipobj": pick(CIPOBJS), "cipprog": pick(CIPPROGS), "naoh": real(1.2, 2.5), "ciptemp": real(62, 86),
    "bbt": lambda r: "BBT-%d" % r.randint(1, 6), "loss": real(0.3, 4.8), "do": rint(8, 95),
    "dhnote": optional(lambda r: "（%s）" % r.choice(DHNOTES), 0.4),
    "material": pick(MATERIALS), "supplier": pick(SUPPLIERS),
    "lotno": lambda r: "%s-%d%02d%02d" % (r.choice(["ML", "HP", "YS"]), 2026, r.randint(1, 5), r.randint(1, 28)),
    "bags": rint(4, 160), "qcno": rint(1, 999, "IQC-0509-%03d"),
    "mini": rint(10 ** 15, 10 ** 16 - 1), "tail": optional(lambda r: "，已发送取酒码%06d" % r.randint(0, 999999), 0.5),
    "pallet": lambda r: "PL%06d" % r.randint(1, 240000), "pkg": pick(PKGS), "cases": rint(8, 96),
    "bin": lambda r: "%s-%02d-%d" % (r.choice("ABCF"), r.randint(1, 24), r.randint(1, 4)),
    "idtype": pick(IDTYPES), "verify": pick(VERIFY), "kegs": rint(0, 3), "safe": pick(["4", "5", "6"]),
    "abv": real(3.8, 9.5), "ibu": rint(8, 85), "ebc": rint(4, 30), "refund": pick(REFUNDS), "role": pick(ROLES),
    "outno": lambda r: "XS-20260509-%04d" % r.randint(1, 400), "dealer": pick(DEALERS), "carrier": pick(CARRIERS),
    "waybill": rint(10 ** 11, 10 ** 12 - 1, "SD%d"),
    "stockkg": real(12, 480), "rop": pick(["500", "800", "1200", "60"]), "lowdays": rint(1, 9),
    "qcact": pick(QCACTS), "plc": pick(PLCS), "plcip": lambda r: "10.20.%d.%d" % (r.randint(1, 4), r.randint(10, 60)),
    "ms": rint(1000, 10000), "try": rint(1, 3), "chiller": pick(CHILLERS), "glytemp": real(0.5, 6.8),
    "comp": pick(COMPS), "alarm": pick(ALARMS), "boiler": pick(BOILERS), "steam": real(0.28, 0.58, "%.2f"),
    "affected": pick(AFFECTED), "doctype": doctype,
    "docno": lambda r: "%s-20260509-%04d" % (_chosen["doc"][1], r.randint(1, 999)),
    "httpfail": pick(HTTPFAILS), "retrymin": pick(["1", "5", "15"]),
    "mashtun": pick(["糖化锅MT-1", "过滤槽LT-1（耕刀）"]), "warehouse": pick(WAREHOUSES), "skus": rint(40, 380),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "meter": pick(METERS), "meterno": lambda r: "JL-%s%03d" % (r.choice(["Q", "Y", "C"]), r.randint(1, 120)),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "ferm", "发酵罐采样：tank={tank} 温度={ftemp}℃ 设定={fset}℃ 比重={sg} 罐压={bar}bar{ph}"),
    (190, "INFO", "can", "灌装计数 line={line} batch={batch} filled={filled} speed={cpm}罐/分钟 reject={rej}"),
    (170, "INFO", "tap", "酒馆下单：单号{tapord}，{seat}，{beers}，合计{yuan}元{tapremark}"),
    (120, "INFO", "pay", "pay notify ok channel={paych} trade_no={trade} amount={fen} order={tapord}"),
    (80, "INFO", "brew", "糖化阶段完成：批次{batch}，《{recipe}》，阶段「{mashstep}」，醪温{mashtemp}℃，保温{mins}分钟"),
    (60, "INFO", "member", "member.points add member_id={mid} level={level} delta=+{pts} balance={bal}"),
    (55, "INFO", "tap", "酒头换桶：酒头#{tap}「{recipe}」，新桶{keg}（{kegsize}），旧桶余量{left}L，操作人{name}"),
    (45, "INFO", "can", "双封检测：{line}，批次{batch}，封口厚度{seamt}mm，埋头度{csd}mm，结果：合格"),
    (40, "INFO", "ferm", "酵母接种：批次{batch}，罐{tank}，菌种【{yeast}】第{gen}代，接种量{pitch}L，接种温度{coolto}℃"),
    (35, "INFO", "brew", "煮沸投酒花：批次{batch}，T-{boilmin}min 投入{hops}，合计{hopkg}kg"),
    (30, "INFO", "brew", "麦汁冷却入罐完成：批次{batch}（{recipe}）→ {tank}，体积{vol}L，原麦汁浓度{plato}°P，入罐温度{coolto}℃"),
    (28, "WARN", "ferm", "发酵罐温度偏高：{tank} 当前{hottemp}℃，设定{fset}℃，偏差+{dev}℃，冷却阀开度{pct}%"),
    (25, "INFO", "cip", "CIP清洗完成：对象{cipobj}，程序《{cipprog}》，碱液浓度{naoh}%，回水温度{ciptemp}℃，用时{mins}分钟"),
    (22, "INFO", "cellar", "转罐完成：{tank} → {bbt}，批次{batch}，转移{vol}L，损耗{loss}%，溶氧{do}ppb"),
    (20, "INFO", "ferm", "干投酒花：{tank}，批次{batch}，投入{hops}{dhnote}"),
    (18, "INFO", "wms", "原料入库：{material}，供应商「{supplier}」，批号{lotno}，数量{bags}袋×25kg，质检单{qcno}"),
    (16, "INFO", "tap", "自提订单：小程序单号{mini}，{customer}，{beers}，预约自提时间{pickup}{tail}"),
    (14, "WARN", "can", "在线剔除：{line}，批次{batch}，原因：{rejreason}，本分钟剔除{rej}罐"),
    (12, "INFO", "pack", "成品入库：托盘{pallet}，《{recipe}》{pkg}×{cases}箱，批次{batch}，最佳赏味期至{bbd}，库位{bin}"),
    (11, "INFO", "tap", "身份核验通过：{seat}，顾客{cname}，证件类型「{idtype}」，核验方式{verify}"),
    (10, "WARN", "tap", "桶装库存不足：《{recipe}》剩余{kegs}桶（{kegsize}），低于安全库存{safe}桶，请联系酿造部{name}"),
    (9, "INFO", "qc", "质检放行：批次{batch}《{recipe}》，酒精度{abv}%vol，苦度{ibu} IBU，色度{ebc} EBC，结论：合格，检验员{name}"),
    (8, "INFO", "tap", "退款成功：单号{tapord}，退款{small}元，原因：{refund}，审批人{name}（{role}）"),
    (7, "INFO", "dist", "经销商发货：出库单{outno}，客户「{dealer}」，{beerlist}，物流{carrier} 运单号{waybill}"),
    (6, "WARN", "tap", "身份核验未通过：{seat}，顾客{cname}，证件类型「{idtype}」，核验方式{verify}，已拒绝售酒"),
    (5, "ERROR", "pay", "pay notify failed channel={paych} trade_no={trade} order={tapord} err={payerr}{retry}"),
    (4.5, "WARN", "wms", "原料库存预警：{material}当前{stockkg}kg，低于再订货点{rop}kg，预计可用{lowdays}天"),
    (4, "WARN", "cip", "CIP清洗中止：对象{cipobj}，程序《{cipprog}》，碱液浓度{naoh}%，回水温度{ciptemp}℃，用时{mins}分钟"),
    (3.5, "WARN", "can", "双封检测：{line}，批次{batch}，封口厚度{badseam}mm，埋头度{csd}mm，结果：不合格，已停线复检"),
    (3, "ERROR", "plc", "PLC通讯中断：{plc}（{plcip}:502）ModbusTimeoutException: no response after {ms}ms，第{try}/3次重连"),
    (2.5, "ERROR", "utility", "乙二醇冷却机组报警：机组{chiller} 出水温度{glytemp}℃（设定-2.0℃），压缩机状态={comp}，报警码 {alarm}"),
    (2, "ERROR", "erp", "ERP同步失败：单据类型={doctype} docNo={docno}，错误：HTTP {httpfail}，{retrymin}分钟后重试（第{try}次）"),
    (2, "WARN", "qc", "质检不合格：批次{batch}《{recipe}》，项目「{qcitem}」实测{qcval}，标准{qcstd}，处理：{qcact}，检验员{name}"),
    (1.8, "ERROR", "brew", "搅拌电机过载：{mashtun} 电流{amps}A（额定{rated}A），批次{batch}已暂停，值班{name}"),
    (1.7, "WARN", "utility", "锅炉蒸汽压力偏低：{boiler} 当前{steam}MPa，下限0.60MPa，影响：{affected}"),
    (1.6, "INFO", "wms", "月度盘点完成：{warehouse}，盘点{skus}个品项，差异{small}元，盘点人：{names}，盘点日期{ymd}"),
    (2, "WARN", "qc", "计量器具检定到期提醒：{meter}（编号{meterno}），检定有效期至{certdate}，剩余{days}天，请送检"),
]

# for the Java services: the thread and the logger of each module
THREADS = {"ferm": ["plc-poller-2", "plc-poller-3"], "can": ["line-counter-1", "seam-qc"],
           "tap": ["http-nio-8080-exec-%d"], "pay": ["http-nio-8080-exec-%d"], "brew": ["plc-poller-1"],
           "member": ["member-async-%d"], "cip": ["cip-sequencer"], "cellar": ["plc-poller-3"],
           "wms": ["http-nio-8081-exec-%d"], "pack": ["http-nio-8081-exec-%d"], "qc": ["lims-sync"],
           "dist": ["http-nio-8081-exec-%d"], "plc": ["modbus-io-%d"], "utility": ["alarm-watch"],
           "erp": ["scheduling-1"]}
LOGGERS = {"ferm": "c.q.brew.ferm.TankMonitor", "can": "c.q.brew.canning.LineService", "tap": "c.q.tap.order.OrderService",
           "pay": "c.q.tap.pay.NotifyController", "brew": "c.q.brew.house.MashController",
           "member": "c.q.tap.member.PointsService", "cip": "c.q.brew.cip.CipRunner", "cellar": "c.q.brew.ferm.TransferService",
           "wms": "c.q.wms.StockService", "pack": "c.q.wms.PutawayService", "qc": "c.q.lab.QcService",
           "dist": "c.q.wms.ShipmentService", "plc": "c.q.brew.io.ModbusGateway", "utility": "c.q.brew.utility.AlarmCenter",
           "erp": "c.q.erp.SyncJob"}
# for the Chinese operator console: the station each module runs at
STATIONS = {"ferm": "发酵区（FERM-IPC01）", "can": "灌装线工控机（CAN-IPC02）", "tap": "酒馆收银（POS-%d）",
            "pay": "支付网关", "brew": "糖化车间（BH-IPC01）", "member": "会员中心", "cip": "CIP站",
            "cellar": "发酵区（FERM-IPC01）", "wms": "仓库终端（WMS-%d）", "pack": "仓库终端（WMS-%d）",
            "qc": "化验室", "dist": "仓库终端（WMS-%d）", "plc": "中控室", "utility": "动力车间", "erp": "数据同步"}
# for the Linux hosts: host, program and process id
DAEMONS = {"ferm": ("brew-ctl01", "fermd", 2231), "can": ("can-line01", "canlined", 1874),
           "tap": ("taproom-app", "tapd", 4127), "pay": ("taproom-app", "payd", 4130),
           "brew": ("brew-ctl01", "mashd", 2210), "member": ("taproom-app", "memberd", 4133),
           "cip": ("brew-ctl01", "cipd", 2260), "cellar": ("brew-ctl01", "fermd", 2231),
           "wms": ("wms-01", "wmsd", 3301), "pack": ("wms-01", "wmsd", 3301), "qc": ("lab-pc", "limsd", 911),
           "dist": ("wms-01", "wmsd", 3301), "plc": ("brew-ctl01", "modbusgw", 2202),
           "utility": ("brew-ctl01", "alarmd", 2290), "erp": ("wms-01", "erpsync", 3350)}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 9) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the plant and taproom services are in Java and log the thread and the logger
        th = r.choice(THREADS[module])
        if "%" in th:
            th = th % r.randint(1, 24)
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, th, level, LOGGERS[module])
    if form == 1:
        # the operators' console writes the level and the station in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        st = STATIONS[module]
        if "%" in st:
            st = st % r.randint(1, 4)
        return "%s 级别：%s | 站点：%s | " % (at.strftime("%Y/%m/%d %H:%M:%S"), cn, st)
    # the control hosts send their lines through syslog, a one-letter level after the program
    host, prog, pid = DAEMONS[module]
    return "%s %2d %s %s %s[%d]: <%s> " % (at.strftime("%b"), at.day, at.strftime("%H:%M:%S"), host, prog, pid,
                                          level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "W", 6 * 3600 + 10 * 60, (0, 1, 1, 2, 3, 5))


if __name__ == "__main__":
    main()
