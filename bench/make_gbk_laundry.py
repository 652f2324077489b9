#!/usr/bin/env python3
"""A GBK log of a Chinese laundry and dry-cleaning chain, its shops and central factory, with its truth.

    bench/make_gbk_laundry.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (garments taken in
at the shop counter and their tags, payment callbacks accepted and rejected, washer programs
started, ended, stalled on draining and faulted, dryers and pressing stations done, factory
sorting scans, quality checks passed and failed, pick-ups and overdue garments, pick-up vans and
shop deliveries, late deliveries, SMS notices sent and failed, membership cards opened, topped up
or not, charged or not, a member service that fails, coupons, cancelled orders, shop day-ends,
complaints, damage compensation and lost garments, low consumables and the monthly stocktake,
tag printer failures, dry-cleaning solvent recovery and boiler steam alarms), written to measure
the miner on and not to shape it: no rule was made or tuned on them. Several pairs differ only
in a word or two (程序开始/程序结束, 合格/不合格, 扣款成功/扣款失败, sent/failed) and are separate
messages all the same. Each message keeps its own frequency, garment tags by the hundred and a
lost garment once in a few thousand lines. One of three header forms by the seed. The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# shop, its code (city letters and number) and the van route that serves it
SHOPS = [("杭州文三路店", "HZ031"), ("杭州滨江星光大道店（L1-07）", "HZ057"), ("上海古北店", "SH112"),
         ("上海陆家嘴店（B1层 B1-12铺）", "SH140"), ("南京河西万达店", "NJ008"), ("苏州园区湖东店", "SZ023"),
         ("宁波天一广场店", "NB004"), ("无锡崇安寺店（社区店）", "WX019"), ("杭州良渚文化村店", "HZ066")]
# garment and how it is cleaned
CLOTHES = [("羊毛大衣", "干洗"), ("羽绒服（长款）", "水洗"), ("真丝连衣裙", "手工精洗"), ("西装上衣", "干洗"),
           ("西裤", "干洗"), ("男士衬衫", "水洗"), ("T恤", "水洗"), ("牛仔裤", "水洗"), ("皮衣（羊皮）", "皮具护理"),
           ("运动鞋", "洗鞋"), ("窗帘 2.8m×2.6m", "水洗"), ("被套（双人）", "水洗"), ("貂皮大衣", "皮草护理"),
           ("羊绒围巾", "干洗"), ("婚纱（拖尾）", "特殊洗护"), ("校服 上衣", "水洗"), ("Glacera款羽绒马甲", "水洗")]
COLORS = ["黑色", "藏青", "米白", "驼色", "浅灰", "酒红", "卡其", "花色（多色）", "白色"]
BRANDS = ["鹿野", "Vanterra", "素织", "MOLINO", "北岸 NORDIC", "无品牌"]
FLAWS = ["袖口起球", "领口发黄", "左前襟油渍约2cm", "纽扣缺1颗", "下摆轻微脱线", "腋下汗渍", "咖啡渍（已告知顾客）",
         "拉链头损坏", "后背有褪色、发白"]
# washer program, water temperature, minutes
PROGRAMS = [("羊毛 30℃", 30, 32, 45), ("棉麻 60℃", 60, 48, 65), ("羽绒 40℃", 40, 55, 75), ("床品强洗 70℃", 70, 60, 80),
            ("轻柔 冷水", 20, 25, 35), ("工服除油 90℃", 90, 70, 95), ("白色衣物 漂白", 60, 50, 70)]
WASHERS = ["WX-%02d（%dkg）" % (k, c) for k, c in [(1, 25), (2, 25), (3, 50), (4, 50), (5, 50), (6, 100), (7, 100), (8, 25)]]
DRYERS = ["HG-%02d" % k for k in range(1, 7)]
DRYCLEANERS = ["干洗机DC-01（碳氢）", "干洗机DC-02（碳氢）", "干洗机DC-03（四氯乙烯）"]
IRONERS = ["熨烫台3号", "人像整烫机A", "立体夹机（裤装）", "衬衫包装线", "蒸汽熨台-7", "羽绒蓬松机"]
LINES = ["A线（干洗）", "B线（水洗）", "C线（皮具）", "D线（鞋类）", "E线（家纺）"]
QCPROBLEMS = ["油渍未去净", "领口仍有黄渍", "熨烫有亮光印", "裤线不直", "扣子脱落需补", "有溶剂异味",
              "颜色轻微褪色，需与顾客确认", "羽绒结块未打散"]
PICKWAYS = ["到店自取", "送货上门", "智能柜取件（柜号%d）", "代取（家属）"]
ROUTES = ["文三路店→萧山工厂", "滨江店→萧山工厂", "萧山工厂→上海古北店", "萧山工厂→南京河西万达店",
          "古北店、陆家嘴店→嘉定分拣中心", "萧山工厂→宁波天一广场店"]
SMSTPL = ["PICKUP_READY", "ORDER_RECEIVED", "OVERDUE_REMIND", "TOPUP_SUCCESS", "DELIVERY_ETA"]
SMSERR = ["isv.BUSINESS_LIMIT_CONTROL", "isv.MOBILE_NUMBER_ILLEGAL", "SignatureDoesNotMatch", "Throttling.User",
          "HTTP 503 Service Unavailable"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY_QR", "DIGITAL_RMB"]
LEVELS = ["普通卡", "银卡", "金卡", "钻石卡", "企业月结卡"]
TOPFAILS = ["支付超时未回调", "用户取消支付", "单日充值超过限额（5000元）", "卡片已挂失"]
COUPONS = ["满100减20", "羽绒服洗护7折券", "新人首单立减15元", "《衬衫5件套》次卡", "会员日 免费除螨"]
CANCELS = ["顾客改为自行处理", "衣物材质不可洗（已退回）", "重复开单", "顾客嫌价格高，申请取消", "门店误操作"]
ROLES = ["店长", "值班店员", "工厂主管", "区域经理", "客服专员"]
COMPLAINTS = ["衣物洗后缩水", "取衣时发现少1件", "送洗超时未完成", "店员服务态度差", "污渍未洗掉", "浅色衣物被染色",
              "羽绒服洗后不蓬松"]
DAMAGES = ["洗后严重缩水", "面料破洞约1cm", "串色染花", "皮面开裂、掉色", "亮片脱落多处"]
DELAYS = ["绕城高速拥堵", "车辆故障（已换车）", "工厂出件延迟", "门店未按时交接", "暴雨限行"]
# consumable, unit, usual stock range
SUPPLIES = [("中性洗涤剂（20L桶）", "桶", 4, 40), ("氧漂粉", "kg", 10, 200), ("柔顺剂", "L", 20, 300),
            ("碳氢溶剂", "L", 100, 1500), ("衣领净", "瓶", 12, 120), ("防尘罩（大号）", "个", 200, 3000),
            ("衣架（木质）", "个", 100, 2000), ("水洗标签纸 50mm×25mm", "卷", 5, 60)]
SUPPLIERS = ["沪东化工（合作供应商）", "洁源洗涤用品", "总部采购中心", "鑫达包装"]
FACTORYZONES = ["萧山工厂·化料库", "萧山工厂·包材库", "嘉定分拣中心·耗材库"]
TAGPRINTERS = ["收衣台标签机", "分拣线打码机02", "工厂吊牌打印机", "门店小票机"]
PERRS = ["ECONNREFUSED", "ETIMEDOUT", "RIBBON_OUT", "LABEL_JAM", "HEAD_OPEN"]
FAULTS = [("door lock timeout", 21), ("water level sensor error", 13), ("drain pump blocked", 31),
          ("motor overheat", 44), ("inverter communication lost", 52), ("unbalanced load", 7)]
MEMEXC = ["java.net.SocketTimeoutException: Read timed out",
          "org.springframework.web.client.HttpServerErrorException: 502 Bad Gateway",
          "redis.clients.jedis.exceptions.JedisConnectionException: Could not get a resource from the pool",
          "feign.RetryableException: Connection refused (Connection refused)"]
HTTPSTAT = ["400 Bad Request", "401 Unauthorized", "403 Forbidden"]
BOILERS = ["1号燃气蒸汽锅炉", "2号燃气蒸汽锅炉（备用）"]
ZONES = ["熨烫区A", "熨烫区B", "隧道整烫机", "干洗烘干", "衬衫线"]
LASTNODES = ["门店收衣", "收衣车装车", "工厂分拣入线", "水洗车间", "质检台", "包装出库"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def shop(r):
    _chosen["shop"] = r.choice(SHOPS)
    return _chosen["shop"][0]


def tag(r):
    code = _chosen["shop"][1] if "shop" in _chosen and r.random() < 0.5 else r.choice(SHOPS)[1]
    return "%s%07d%s" % (code, r.randint(0, 9999999), r.choice(["", "", "", "-2", "-R"]))


def order(r):
    return "XD%s%02d%02d%04d" % (r.choice(SHOPS)[1], 5, r.randint(1, 9), r.randint(1, 3000))


def cloth(r):
    _chosen["cloth"] = r.choice(CLOTHES)
    return _chosen["cloth"][0]


def garments(r):
    out, total = [], 0
    for c, _ in r.sample(CLOTHES, r.randint(1, 4)):
        n = r.choice([1, 1, 1, 2, 3, 5])
        total += n
        out.append(c if n == 1 else "%s×%d" % (c, n))
    _chosen["count"] = total
    return "、".join(out)


def program(r):
    _chosen["prog"] = r.choice(PROGRAMS)
    return _chosen["prog"][0]


def washer(r):
    w = r.choice(WASHERS)
    _chosen["cap"] = int(w.split("（")[1].rstrip("kg）"))
    return w


def load(r):
    return "%.1f" % (_chosen["cap"] * r.uniform(0.55, 0.95))


def bags(r):
    _chosen["bags"] = r.randint(3, 60)
    return str(_chosen["bags"])


def supply(r):
    _chosen["supply"] = r.choice(SUPPLIES)
    return _chosen["supply"][0]


def stock_amount(lo_scale, hi_scale):
    def make(r):
        _, unit, lo, hi = _chosen["supply"]
        q = r.uniform(lo, hi) * r.uniform(lo_scale, hi_scale)
        return ("%.1f%s" if unit in ("kg", "L") else "%d%s") % (q if unit in ("kg", "L") else max(1, round(q)), unit)
    return make


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def card(r):
    return "6288 %04d %04d" % (r.randint(0, 9999), r.randint(0, 9999))


def plate(r):
    return "%s%s·%s%04d" % (r.choice("浙沪苏"), r.choice("ABFH"), r.choice("DF"), r.randint(0, 9999))


def ready(r):
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=r.randint(2, 7))
    return "%d月%d日 %s前" % (d.month, d.day, r.choice(["12:00", "18:00", "20:00"]))


def donedate(r):
    d = datetime.date(2026, 5, 9) - datetime.timedelta(days=r.randint(31, 180))
    return d.strftime("%Y-%m-%d")


def couponexp(r):
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=r.randint(0, 90))
    return d.strftime("%Y/%m/%d")


def lasttime(r):
    at = datetime.datetime(2026, 5, 9) - datetime.timedelta(seconds=r.randint(3600, 9 * 86400))
    return at.strftime("%m-%d %H:%M:%S")


def pickway(r):
    w = r.choice(PICKWAYS)
    return w % r.randint(1, 48) if "%" in w else w


def n1(r):
    _chosen["n1"] = r.randint(20, 160)
    return str(_chosen["n1"])


def fault(r):
    msg, code = r.choice(FAULTS)
    return "code=E%02d msg=\"%s\"" % (code, msg)


V = {
    "name": name, "shop": shop, "tag": tag, "order": order, "cloth": cloth, "garments": garments,
    "gcount": lambda r: str(_chosen["count"]), "method": lambda r: _chosen["cloth"][1],
    "program": program, "washer": washer, "load": load,
    "wtemp": lambda r: str(_chosen["prog"][1]),
    "wmins": lambda r: str(r.randint(_chosen["prog"][2], _chosen["prog"][3])),
    "bags": bags, "got": lambda r: str(max(0, _chosen["bags"] - r.choice([0, 0, 0, 0, 1, 2]))),
    "supply": supply, "stock": stock_amount(0.05, 0.3), "safe": stock_amount(0.35, 0.5),
    "phone": phone, "card": card, "plate": plate, "ready": ready, "donedate": donedate,
    "couponexp": couponexp, "lasttime": lasttime, "pickway": pickway, "fault": fault,
    "shopcode": lambda r: r.choice(SHOPS)[1],
    "color": pick(COLORS), "level": pick(LEVELS), "paych": pick(PAYCH), "qcproblem": pick(QCPROBLEMS),
    "route": pick(ROUTES), "smstpl": pick(SMSTPL), "smserr": pick(SMSERR), "topfail": pick(TOPFAILS),
    "coupontype": pick(COUPONS), "cancel": pick(CANCELS), "role": pick(ROLES), "complaint": pick(COMPLAINTS),
    "damage": pick(DAMAGES), "delay": pick(DELAYS), "supplier": pick(SUPPLIERS), "factoryzone": pick(FACTORYZONES),
    "tagprinter": pick(TAGPRINTERS), "perr": pick(PERRS), "memexc": pick(MEMEXC), "httpstat": pick(HTTPSTAT),
    "boiler": pick(BOILERS), "zones": items(ZONES, 1, 3), "lastnode": pick(LASTNODES),
    "dryer": pick(DRYERS), "dcm": pick(DRYCLEANERS), "ironst": pick(IRONERS), "line": pick(LINES),
    "title": pick(["先生", "女士"]),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "brand": optional(lambda r: "，品牌：%s" % r.choice(BRANDS), 0.45),
    "flaw": optional(lambda r: "，瑕疵：%s" % "、".join(r.sample(FLAWS, r.randint(1, 2))), 0.35),
    "urgent": optional(lambda r: "（加急，加收%d%%）" % r.choice([30, 50, 100]), 0.15),
    "sign": optional(lambda r: "，顾客已签字确认", 0.3),
    "recvnote": optional(lambda r: "，备注：%s" % r.choice(["1件防尘罩破损，已拍照", "衣架不足，散装3件",
                                                         "少到1件，已联系工厂查件"]), 0.25),
    "referrer": optional(lambda r: "，推荐人卡号%s" % card(r), 0.3),
    "paidback": optional(lambda r: "，已转其他方式支付", 0.4),
    "money": real(15, 980, "%.2f"), "small": real(2, 120, "%.2f"), "topup": pick(["200", "500", "1000", "2000", "3000"]),
    "gift": pick(["0", "30", "100", "260", "500"]), "bal": real(0, 8800, "%.2f"), "lowbal": real(0, 14.99, "%.2f"),
    "fen": rint(1500, 98000), "trade": rint(0, 10 ** 12 - 1, "4200001%012d"), "bizid": rint(10 ** 14, 10 ** 15 - 1),
    "emp": rint(1000, 9999, "%04d"), "pcs": rint(1, 12), "mins": rint(12, 140), "secs": rint(40, 420),
    "water": rint(180, 1600), "kwh": real(2.5, 28.0), "drytemp": rint(45, 80), "moist": real(2.0, 9.5),
    "overdue": rint(31, 180), "shelf": lambda r: "%s-%02d-%d" % (r.choice("ABCDEF"), r.randint(1, 30), r.randint(1, 5)),
    "batch": lambda r: "WB260509-%03d" % r.randint(1, 400),
    "dispatch": lambda r: "PS-%s-%03d" % (r.choice(["0509", "0508"]), r.randint(1, 180)),
    "coupon": lambda r: "%s%06d" % (r.choice(["QJ", "CP", "ZK"]), r.randint(0, 999999)),
    "ticket": lambda r: "TS2605%05d" % r.randint(0, 99999),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(10, 30), r.randint(0, 9), r.randint(20, 240)),
    "n": rint(2, 40), "n1": n1, "pieces": lambda r: str(_chosen["n1"] * r.randint(2, 4) + r.randint(0, 9)), "n2": rint(10, 140), "hours": pick(["2", "4", "24"]),
    "date2": lambda r: "2026年5月%d日" % r.randint(1, 8), "pct": real(62.0, 84.9), "dctemp": rint(95, 135),
    "eta": lambda r: "%02d:%02d" % (r.randint(8, 20), r.choice([0, 15, 30, 45])),
    "ms": rint(3000, 15000), "mpa": pick(["0.31", "0.42", "0.47", "0.93", "1.02", "1.15"]),
    "times": pick(["3", "5", "8"]), "skus": rint(30, 180),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "tag", "衣物挂签：条码{tag}，品类「{cloth}」，{color}{brand}，洗护方式《{method}》{flaw}"),
    (200, "INFO", "order", "收衣开单：单号{order}，门店{shop}，顾客{name}（{phone}），衣物：{garments}，共{gcount}件，应收{money}元，预计取衣{ready}{urgent}"),
    (150, "INFO", "pay", "pay notify ok channel={paych} out_trade_no={trade} total_fee={fen} order={order}"),
    (110, "INFO", "wash", "【水洗】洗衣机{washer}程序开始：《{program}》，批次{batch}，装载{load}kg，水温{wtemp}℃"),
    (100, "INFO", "wash", "【水洗】洗衣机{washer}程序结束：《{program}》，批次{batch}，用时{wmins}分钟，耗水{water}L，耗电{kwh}kWh"),
    (85, "INFO", "qc", "【质检】条码{tag}「{cloth}」质检结果：合格，质检员{name}（工号{emp}）"),
    (75, "INFO", "order", "顾客取衣：单号{order}，取走{pcs}件，取件方式：{pickway}，经办人{name}{sign}"),
    (60, "INFO", "member", "会员卡扣款成功：卡号{card}（{level}），扣款{small}元，余额{bal}元，单号{order}"),
    (55, "INFO", "sort", "factory sort in tag={tag} line={line} category=\"{cloth}\" from={shopcode} operator={emp}"),
    (48, "INFO", "iron", "熨烫完成：条码{tag}，工位「{ironst}」，操作员{name}，用时{secs}秒"),
    (40, "INFO", "logistics", "收衣车发车：车牌{plate}，线路{route}，司机{name}，装载{bags}袋（约{n}件）"),
    (36, "INFO", "logistics", "门店到货签收：配送单{dispatch}，{shop}，应到{bags}件，实到{got}件，签收人{name}{recvnote}"),
    (30, "INFO", "sms", "sms notify sent: template={smstpl} to={phone} order={order} bizId={bizid}"),
    (26, "INFO", "dry", "烘干完成 dryer={dryer} batch={batch} temp={drytemp}℃ time={mins}min moisture={moist}%"),
    (24, "INFO", "member", "会员卡充值成功：卡号{card}，充值{topup}元，赠送{gift}元，当前余额{bal}元，渠道：{paych}"),
    (20, "WARN", "qc", "【质检】条码{tag}「{cloth}」质检结果：不合格，质检员{name}（工号{emp}），原因：{qcproblem}，已转返洗"),
    (16, "INFO", "member", "新会员开卡：{name}{title}，手机{phone}，卡号{card}，等级【{level}】，开卡门店{shop}{referrer}"),
    (14, "WARN", "stock", "耗材库存不足：{supply}剩余{stock}，低于警戒值{safe}，请向{supplier}补货"),
    (12, "WARN", "order", "超期未取提醒：单号{order}，顾客{name}（{phone}），完成日期{donedate}，已超期{overdue}天，存放货架{shelf}"),
    (11, "WARN", "wash", "【水洗】洗衣机{washer}排水超时（{secs}秒），程序《{program}》暂停，批次{batch}"),
    (10, "WARN", "sms", "sms notify failed: template={smstpl} to={phone} order={order} err={smserr}"),
    (9, "INFO", "coupon", "优惠券核销：券码{coupon}（{coupontype}），单号{order}，抵扣{small}元，有效期至{couponexp}"),
    (7.5, "WARN", "member", "会员卡扣款失败：卡号{card}（{level}），扣款{money}元，余额{lowbal}元，单号{order}{paidback}"),
    (6.5, "INFO", "shop", "门店日结：{shop}，日期{date2}，收衣{n1}单/{pieces}件，取衣{n2}单，营业额{money}元，其中会员卡消费{small}元"),
    (5.5, "INFO", "order", "订单撤单：单号{order}，撤单原因：{cancel}，已退款{small}元至{paych}，操作人{name}（{role}）"),
    (5, "ERROR", "pay", "pay notify rejected: sign verify failed, channel={paych} out_trade_no={trade} http_status={httpstat}"),
    (4.5, "WARN", "service", "顾客投诉登记：工单{ticket}，单号{order}，{name}{title}反映「{complaint}」，受理人{name}，要求{hours}小时内回访"),
    (4, "ERROR", "device", "washer fault: machine={washer} {fault} program=\"{program}\" batch={batch}，已通知维修{name}"),
    (3.5, "WARN", "dryclean", "{dcm}溶剂回收率{pct}%，低于设定值85%，蒸馏箱温度{dctemp}℃，请检查冷凝器"),
    (3, "WARN", "logistics", "配送延误：配送单{dispatch}，线路{route}，预计到达{eta}，实际延误{mins}分钟，原因：{delay}"),
    (2.5, "ERROR", "tag", "TagPrinter error: printer=「{tagprinter}」 ip={ip} err={perr}，{n}张水洗标签待重打"),
    (2, "ERROR", "member", "调用会员中心失败：{memexc} (POST /api/v3/card/deduct，耗时{ms}ms)，卡号{card}，已提示顾客改用其他支付方式"),
    (2, "WARN", "member", "会员卡充值失败：卡号{card}，充值{topup}元，渠道：{paych}，原因：{topfail}"),
    (1.6, "ERROR", "device", "锅炉蒸汽压力异常：{boiler}当前压力{mpa}MPa（正常0.6～0.8MPa），{zones}供汽受影响"),
    (1.5, "ERROR", "service", "衣物破损赔付：单号{order}，条码{tag}，「{cloth}」{damage}，按洗涤费{times}倍赔付{money}元，审批人{name}（{role}）"),
    (1.5, "INFO", "stock", "月度盘点完成：{factoryzone}，耗材{skus}项，盘亏{small}元，盘盈{small}元，盘点人：{names}"),
    (1.5, "ERROR", "order", "衣物丢失上报：单号{order}，条码{tag}，「{cloth}」，最后扫描节点：{lastnode}（{lasttime}），责任环节待查"),
]

# the logger of each module in the Java services, for the first header form
LOGGERS = {"tag": "c.j.l.tag.TagService", "order": "c.j.l.order.OrderService", "pay": "c.j.l.pay.NotifyController",
           "wash": "c.j.l.factory.WasherAgent", "qc": "c.j.l.factory.QcService", "member": "c.j.l.member.CardService",
           "sort": "c.j.l.factory.SortLine", "iron": "c.j.l.factory.PressStation", "logistics": "c.j.l.tms.RouteService",
           "sms": "c.j.l.notify.SmsSender", "dry": "c.j.l.factory.DryerAgent", "stock": "c.j.l.wms.StockAlert",
           "coupon": "c.j.l.promo.CouponService", "shop": "c.j.l.shop.DailyClose", "service": "c.j.l.cs.TicketService",
           "device": "c.j.l.iot.DeviceMonitor", "dryclean": "c.j.l.iot.SolventMonitor"}
THREADS = ["http-nio-8080-exec-%d", "pool-3-thread-%d", "scheduling-%d", "mqtt-recv-%d", "kafka-consumer-%d"]
# where each module's lines are written, for the Chinese header form
PLACES = {"tag": "门店收衣台", "order": "门店收银", "pay": "支付网关", "wash": "工厂/水洗车间", "qc": "工厂/质检台",
          "member": "会员中心", "sort": "工厂/分拣线", "iron": "工厂/整烫车间", "logistics": "物流调度", "sms": "消息中心",
          "dry": "工厂/烘干区", "stock": "仓储", "coupon": "营销中心", "shop": "门店后台", "service": "客服中心",
          "device": "设备监控", "dryclean": "工厂/干洗车间"}
# host and program of each module, for the syslog-like form
HOSTS = {"tag": ("pos-gw01", "tagd", 2131), "order": ("pos-gw01", "orderd", 2140), "pay": ("api-02", "paynotify", 3310),
         "wash": ("fac-edge01", "washer-agent", 811), "qc": ("fac-app01", "qc", 1502),
         "member": ("api-02", "card-svc", 3322), "sort": ("fac-edge02", "sortline", 927),
         "iron": ("fac-edge02", "press-agent", 944), "logistics": ("tms-01", "dispatch", 4410),
         "sms": ("api-03", "notifier", 5120), "dry": ("fac-edge01", "dryer-agent", 815),
         "stock": ("wms-01", "stock", 6021), "coupon": ("api-03", "promo", 5133), "shop": ("pos-gw01", "dayclose", 2188),
         "service": ("cs-01", "ticket", 7002), "device": ("fac-edge01", "iotmon", 830),
         "dryclean": ("fac-edge03", "solvent-mon", 862)}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 9) + datetime.timedelta(seconds=t)
    if form == 0:
        # the order, member and factory services are Java and log through a pattern layout
        thread = r.choice(THREADS) % r.randint(1, 24)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level, thread,
                                            LOGGERS[module])
    if form == 1:
        # the shops' counter software prints the level and where it runs in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, PLACES[module])
    # the factory's edge boxes log to syslog with a short level letter after the program
    host, prog, pid = HOSTS[module]
    letter = {"INFO": "I", "WARN": "W", "ERROR": "E"}[level]
    month = "JanFebMarAprMayJunJulAugSepOctNovDec"[3 * at.month - 3:3 * at.month]
    return "%s %2d %s %s %s[%d]: <%s> " % (month, at.day, at.strftime("%H:%M:%S"), host, prog, pid, letter)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "L", 7 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
