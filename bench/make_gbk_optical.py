#!/usr/bin/env python3
"""A GBK log of a Chinese eyeglasses and optometry store chain with its truth.

    bench/make_gbk_optical.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages from the stores'
optometry rooms, tills and back office and from the chain's central lens lab: subjective
refractions (sphere, cylinder, axis per eye, pupil distance, an addition for readers) and
auto-refractor readings, large changes since the last exam, eye-exam bookings and follow-up
visits, frame and lens orders, payment callbacks, coupons issued and redeemed, member points,
redemptions and tier changes, lab jobs moving through their steps, lab quality checks passed and
failed, lenses broken in the lab, lab shipments and store receipts, late deliveries, pickups,
contact-lens subscriptions renewed or failing to charge, expiring contact lenses, low lens stock,
transfers between stores sent and received, equipment calibrations passed and failed, returns
approved and refused, refunds that fail, an ERP push that fails, the lab's edger dropping its
connection, label printers failing, cashiers' shift settlements, stocktakes and optometrists'
certificates about to expire. Several pairs differ only in a word or two (合格/不合格, 成功/失败,
通过/未通过, 出库/入库, 通过/驳回) and are still separate messages, as the people who run the
stores would count them.

They are written to measure the miner on and not to shape it: no rule was made or tuned on
them. Each message keeps its own frequency, refractions and orders by the hundred and a
calibration failure, a broken lens or a stocktake only a few times in 4,000 lines. One of three header forms by
the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STORES = ["上海静安大悦城店（3F-12）", "杭州武林路店", "南京河西万达店（B1 层）", "苏州园区久光店", "北京西单店",
          "成都太古里店（L2）", "深圳福田 COCO Park 店", "武汉光谷店", "宁波天一广场店", "天津滨江道店（临街）"]
STORECODES = ["SH012", "HZ003", "NJ021", "SZ007", "BJ030", "CD011", "SZ102", "WH005", "NB002", "TJ009"]
# frames: maker, material and rim, model, colour
FRAMES = ["青禾 纯钛全框 QH-8027 C2（哑黑）", "鹭明 TR90 半框 LM3316-C5", "望舒 板材大框 WS·1908 玳瑁色",
          "晴川 儿童硅胶框 QC-K12（天蓝）", "远岫 β钛无框 YX-502", "青禾 合金眉框 QH-6610 C1 金色",
          "鹭明 复古圆框 LM-R08（琥珀）", "自带镜架（顾客）"]
# lenses: maker, index, design, coating
LENSES = ["澄澈 1.60 非球面 绿膜", "澄澈 1.67 超薄非球面 防蓝光", "远岫 1.56 防蓝光 PRO", "远岫 渐进多焦点 1.60",
          "鹭明 1.74 超薄 钻晶膜", "晴川 青少年离焦控制片 1.59", "澄澈 变色片 1.56（灰）", "望舒 驾驶偏光 1.60"]
LENSMAKERS = ["澄澈", "远岫", "鹭明", "晴川"]
CONTACTS = ["望舒 日抛 30片装", "清泓 月抛 6片装", "晴川 彩片 半年抛 2片装（焦糖棕）", "清泓 散光月抛 3片装",
            "望舒 硅水凝胶 双周抛 6片装", "清泓 老花多焦 月抛 3片装"]
OPTOMETRY = ["常规验光", "儿童散瞳验光", "角膜地形图", "眼压检查", "双眼视功能检查", "隐形眼镜验配", "老花验配"]
CHANNELS = ["门店POS", "小程序商城", "企业团购", "校园筛查转化", "抖音团购核销"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY", "MEMBER_BALANCE", "MEDICAL_INSURANCE"]
TIERS = ["普通会员", "银卡会员", "金卡会员", "钻石会员（VIP）"]
COUPONS = ["满500减80", "镜片8折券", "隐形眼镜满2盒减30", "新人验光免费券", "生日礼券 100元", "镜架5折（限指定款）",
           "学生专享 立减120"]
COUPONSRC = ["新会员注册", "生日关怀", "老带新邀请", "积分兑换", "售后补偿", "门店活动（五一）"]
PROCESSES = ["来片检验", "加硬处理", "镀膜", "自动磨边", "开槽拉丝", "打孔装配", "抛光", "终检"]
EDGERS = ["EDG-01", "EDG-02", "EDG-03", "EDG-04（备用）"]
EXPRESS = ["云鸽速递", "迅达快运", "同城闪送（骑手）", "内部班车"]
ADJUSTS = ["调整鼻托", "调整镜腿弯点", "紧固螺丝", "无需调整", "更换鼻托垫（硅胶）", "调整前倾角"]
DELAYS = ["散光超出现片范围，需厂家定制", "加工中心排队，产能不足", "来片检验不合格，已重新订片", "物流延误",
          "镜架缺货，等待调拨", "顾客要求更换镜片膜层"]
QCFAILS = ["光心偏差超标", "轴位偏差超过±3°", "镜片表面划痕", "镀膜起雾/脱膜", "瞳高不符", "装配松动"]
BREAKS = ["磨边崩边", "打孔开裂", "镀膜前清洗划伤", "装配时应力过大碎裂", "吸盘脱落"]
PAYFAILS = ["余额不足（NOT_ENOUGH）", "签约已解约 CONTRACT_TERMINATED", "银行卡已过期", "风控拦截 RISK_REJECT",
            "用户账户冻结"]
RETURNS = ["戴着头晕，适应不了渐进片", "镜架尺寸不合适", "镜片有划痕（出厂）", "7天无理由退货", "颜色与预期不符",
           "度数不对，看远模糊"]
REFUSALS = ["超过30天退换期限", "人为损坏（镜腿折断）", "定制片不支持无理由退货", "缺少购物凭证", "镜架已有明显使用痕迹"]
ROLES = ["店长", "值班店长", "区域经理", "售后专员"]
COMPLAINTS = ["看远模糊", "头晕、眼胀", "鼻梁压痕明显", "镜腿夹头", "看近不清楚", "晚上开车眩光"]
HANDLES = ["调整镜架后好转", "重新验光，免费更换镜片", "属适应期，建议观察一周", "转眼科医生进一步检查", "调整瞳距后重新加工"]
ERRCODES = [("ORDERPAID", "订单已全额退款"), ("NOTENOUGH", "商户可用余额不足"), ("SYSTEMERROR", "系统超时，请稍后重试"),
            ("REFUND_AMOUNT_INVALID", "退款金额超过可退金额")]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
PRINTERS = ["取件标签机-1", "收银小票机", "加工中心工单打印机", "配送面单机"]
PERRS = ["PAPER_OUT", "ECONNREFUSED", "RIBBON_END", "HEAD_OVERHEAT", "ETIMEDOUT"]
POSTS = ["验光师", "验光员（实习）", "配镜师", "视光医师"]
WAREHOUSES = ["镜架库", "镜片库（现片）", "隐形眼镜库", "护理液及配件库"]
SKUS = ["青禾 QH-8027 C2", "鹭明 LM3316-C5", "望舒 日抛 30片装", "澄澈 1.60 绿膜 -2.00", "清泓 月抛 6片装",
        "眼镜布（大）", "晴川 QC-K12", "远岫 YX-502"]
# device, unit of its reading, tolerance
DEVICES = [("电脑验光仪 ARK-560（2号验光室）", "D", 0.12), ("综合验光仪 PH-3", "D", 0.12), ("焦度计 LM-7P", "D", 0.06),
           ("非接触眼压计 NCT-10", "mmHg", 1.0), ("全自动磨边机 EDG-03", "mm", 0.2), ("瞳距仪 PD-2", "mm", 0.5)]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form=None):
    """A date lo to hi days after the log's, in one of the forms the staff write it."""
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=r.randint(lo, hi))
    form = r.randint(0, 2) if form is None else form
    if form == 0:
        return d.strftime("%Y-%m-%d")
    if form == 1:
        return "%d月%d日" % (d.month, d.day)
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def sph(r):
    v = r.randint(-40, 24) * 0.25
    return "PL" if v == 0 else "%+.2f" % v


def cyl(r):
    return "%.2f" % (-r.randint(1, 14) * 0.25)


def sphere(r, first):
    """A sphere in quarter dioptres; the second eye's stays near the first's, as in most people."""
    if first:
        _chosen["sph"] = r.randint(-40, 24)
        return _chosen["sph"]
    return _chosen["sph"] + r.choice([-2, -1, 0, 0, 0, 1, 2, 4])


def rx(first):
    """One eye's subjective refraction; a spherical eye has no cylinder or axis."""
    def make(r):
        q = sphere(r, first)
        s = "PL" if q == 0 else "%+.2f" % (q * 0.25)
        if r.random() < 0.25:
            return "S%s DS" % s
        return "S%s C%s A%d" % (s, cyl(r), r.randint(1, 180))
    return make


def arx(first):
    """One eye's auto-refractor reading, sphere/cylinder x axis."""
    def make(r):
        q = sphere(r, first) + r.choice([-1, 0, 0, 1])
        return "%+.2f/%s×%03d" % (q * 0.25, cyl(r), r.randint(1, 180))
    return make


def customer(r):
    n = name(r)
    return n if r.random() < 0.5 else n[0] + "*" * (len(n) - 1)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def order(r):
    return "SO%s%s%05d" % (r.choice(STORECODES), r.choice(["260508", "260509"]), r.randint(1, 99999))


def job(r):
    return "LJ-%s%06d" % (r.choice("ABC"), r.randint(1, 999999))


def coupon(r):
    abc = "ABCDEFGHJKMNPQRSTUVWXYZ23456789"
    return "-".join("".join(r.choice(abc) for _ in range(4)) for _ in range(3))


def device(r):
    _chosen["dev"] = r.choice(DEVICES)
    return _chosen["dev"][0]


def deviation(over):
    """The device's calibration deviation with its unit, inside or beyond its tolerance."""
    def make(r):
        _, unit, tol = _chosen["dev"]
        v = tol * (r.uniform(1.2, 3.0) if over else r.uniform(0, 0.9)) * r.choice([-1, 1])
        return "%+.2f%s" % (v, unit)
    return make


def tolerance(r):
    _, unit, tol = _chosen["dev"]
    return "±%.2f%s" % (tol, unit)


def lensstock(r):
    return "%s %s 球镜%s/柱镜%s" % (r.choice(LENSMAKERS), r.choice(["1.56", "1.60", "1.67", "1.74"]), sph(r), cyl(r))


def eyes(r):
    return r.choice(["右眼（OD）", "左眼（OS）", "双眼（OU）"])


def skuitems(r):
    return "，".join("%s×%d" % (s, r.randint(1, 12)) for s in r.sample(SKUS, r.randint(1, 4)))


def errcode(r):
    _chosen["err"] = r.choice(ERRCODES)
    return _chosen["err"][0]


def storepair(r):
    k = r.randrange(len(STORES))
    return "%s（%s）" % (STORES[k], STORECODES[k])


def shipped(r):
    _chosen["cnt"] = r.randint(2, 60)
    return str(_chosen["cnt"])


def promised(r):
    _chosen["due"] = r.randint(1, 14)
    return day(r, _chosen["due"], _chosen["due"])


def tier2(r):
    a = r.randint(0, len(TIERS) - 2)
    return "%s→%s" % (TIERS[a], TIERS[a + 1])


def summary(r):
    orders = r.randint(8, 160)
    avg = r.uniform(380, 1800)
    return "营业额%.2f元，订单%d笔，验光%d人次，客单价%.2f元" % (orders * avg, orders, r.randint(orders, orders * 2), avg)


V = {
    "cust": customer, "name": name, "phone": phone, "order": order, "job": job, "coupon": coupon,
    "rx": rx(True), "rx2": rx(False), "arx": arx(True), "arx2": arx(False), "storepair": storepair,
    "shipped": shipped, "got": lambda r: str(max(0, _chosen["cnt"] - r.choice([0, 0, 0, 0, 1, 3]))),
    "promised": promised, "delayed": lambda r: day(r, _chosen["due"] + 1, _chosen["due"] + 10), "eyes": eyes, "lensstock": lensstock, "skuitems": skuitems, "tier2": tier2,
    "summary": summary, "device": device, "devok": deviation(False), "devbad": deviation(True), "tol": tolerance,
    "errcode": errcode, "errmsg": lambda r: _chosen["err"][1],
    "store": pick(STORES), "store2": pick(STORES), "storecode": pick(STORECODES), "frame": pick(FRAMES),
    "lens": pick(LENSES), "contact": pick(CONTACTS), "exam": items(OPTOMETRY, 1, 3), "channel": pick(CHANNELS),
    "paych": pick(PAYCH), "tier": pick(TIERS), "coupondesc": pick(COUPONS), "couponsrc": pick(COUPONSRC),
    "process": pick(PROCESSES), "edger": pick(EDGERS), "express": pick(EXPRESS), "adjust": pick(ADJUSTS),
    "delay": pick(DELAYS), "qcfail": pick(QCFAILS), "break": pick(BREAKS), "payfail": pick(PAYFAILS),
    "return": pick(RETURNS), "refusal": pick(REFUSALS), "role": pick(ROLES), "complaint": pick(COMPLAINTS),
    "handle": pick(HANDLES), "httpfail": pick(HTTPFAILS), "printer": pick(PRINTERS), "perr": pick(PERRS),
    "post": pick(POSTS), "warehouse": pick(WAREHOUSES),
    "later": lambda r: day(r, 3, 20), "nextcal": lambda r: day(r, 90, 180, 0),
    "booked": lambda r: day(r, 0, 10), "lastexam": lambda r: day(r, -900, -120, 2),
    "expiry": lambda r: day(r, 20, 90, 0), "certend": lambda r: day(r, 5, 60, 2),
    "clock": lambda r: "%02d:%02d" % (r.randint(9, 21), r.choice([0, 15, 30, 45])),
    "money": real(168, 8800, "%.2f"), "clmoney": real(89, 780, "%.2f"), "small": real(10, 300, "%.2f"),
    "fen": rint(1680, 880000), "trade": rint(0, 10 ** 12 - 1, "42000019%012d"),
    "mid": rint(0, 10 ** 9 - 1, "VIP%09d"), "pts": rint(10, 5000), "bal": rint(0, 88000),
    "sub": rint(1, 999999, "SUB-CL-%06d"), "box": rint(1, 4), "pd": lambda r: r.choice(["%d", "%d.5"]) % r.randint(54, 72),
    "va": optional(lambda r: "，矫正视力 %.1f/%.1f" % (r.choice([0.8, 1.0, 1.0, 1.2]), r.choice([0.8, 1.0, 1.0, 1.2])), 0.5),
    "add": optional(lambda r: "，ADD +%.2f" % (r.randint(3, 12) * 0.25), 0.2),
    "conf": rint(5, 9), "ark": rint(1, 6, "ARK-%02d"), "iop": lambda r: "%d/%d" % (r.randint(10, 21), r.randint(10, 21)),
    "slow": rint(5000, 30000),
    "station": lambda r: "%s线-%02d工位" % (r.choice("ABC"), r.randint(1, 16)),
    "operator": optional(lambda r: "，操作员%s" % name(r), 0.5),
    "dcen": real(0.0, 0.6, "%.1f"), "dpow": real(0.0, 0.09, "%.2f"),
    "pickcode": rint(0, 999999, "%06d"),
    "ship": lambda r: "SHP%s-%03d" % (r.choice(["0508", "0509"]), r.randint(1, 300)),
    "waybill": rint(0, 10 ** 12 - 1, "YG%012d"),
    "transfer": lambda r: "DB%s%04d" % (r.choice(STORECODES), r.randint(1, 9999)),
    "stock": rint(0, 3), "safe": rint(4, 10), "req": rint(1, 99999, "PR-260509-%05d"),
    "try": rint(1, 5), "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 8), r.randint(10, 250)), "port": pick(["5020", "5021", "9100"]),
    "days": rint(3, 30), "change": lambda r: "%.2f" % (r.randint(3, 10) * 0.25),
    "lot": lambda r: "L%s%s%03d" % (r.choice(["2511", "2512", "2601", "2602"]), r.choice("ABCX"), r.randint(1, 999)),
    "boxes": rint(1, 40), "skus": rint(200, 3200), "loss": real(0, 900, "%.2f"), "gain": real(0, 300, "%.2f"),
    "cert": rint(0, 10 ** 10 - 1, "YG%010d"),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "remark": optional(lambda r: "，备注：「%s」" % r.choice(["孩子8岁，第一次配镜", "需要开具发票", "上次在本店配的渐进片",
                                                         "周末下午方便", "戴隐形来，需提前摘镜2小时"]), 0.4),
    "coupontail": optional(lambda r: "，满减门槛%d元" % r.choice([300, 500, 800, 1000]), 0.35),
    "pickup": optional(lambda r: "，代取人%s（%s）" % (name(r), phone(r)), 0.15),
    "shipnote": optional(lambda r: "，备注：%s" % r.choice(["含加急单3副", "外箱轻微破损，镜盒完好", "少1副，已联系加工中心"]), 0.25),
    "edgermode": optional(lambda r: "，已切换至手动模式", 0.5),
    "referral": optional(lambda r: "，已开具转诊单（%s）" % r.choice(["眼科门诊", "视光中心医学验光"]), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (210, "INFO", "exam", "验光完成：顾客{cust}，验光师{name}，右眼OD：{rx}，左眼OS：{rx2}，瞳距PD {pd}mm{add}{va}"),
    (170, "INFO", "pos", "订单创建 order_no={order} store={storecode} frame=「{frame}」 lens=「{lens}」 amount={money}元 channel={channel}"),
    (140, "INFO", "pay", "支付回调成功：交易号{trade}，订单{order}，金额(分)={fen}，渠道{paych}"),
    (115, "INFO", "lab", "【加工中心】工单{job}进入工序《{process}》，镜片：{lens}，{station}{operator}"),
    (90, "INFO", "member", "points.accrue member={mid} tier={tier} delta=+{pts} balance={bal}"),
    (75, "INFO", "exam", "auto-refractor device={ark} OD={arx} OS={arx2} conf={conf} iop={iop}mmHg"),
    (65, "INFO", "pickup", "取镜完成: 订单{order}，顾客{cust}，取件码{pickcode}，试戴调整：{adjust}，经办人{name}{pickup}"),
    (55, "INFO", "lab", "加工质检：工单{job}，订单{order}，质检员{name}，焦度偏差{dpow}D，光心偏差{dcen}mm，判定：合格"),
    (50, "INFO", "contact", "隐形眼镜订阅自动续订成功：订阅号{sub}，商品《{contact}》×{box}盒，扣款{clmoney}元，下次发货{later}"),
    (42, "INFO", "coupon", "优惠券核销：券码{coupon}（{coupondesc}），订单{order}，抵扣{small}元{coupontail}"),
    (38, "INFO", "logistics", "镜片配送出库：批次{ship}，目的门店{store}，共{shipped}副，承运：{express}，运单号{waybill}"),
    (33, "INFO", "logistics", "门店到货签收：批次{ship}，{store}，应到{shipped}副，实到{got}副，签收人{name}{shipnote}"),
    (28, "INFO", "booking", "预约验光：{booked} {clock}，{cust}（{phone}），{store}，项目：{exam}{remark}"),
    (24, "INFO", "coupon", "优惠券发放：会员{mid}获得「{coupondesc}」，有效期至{expiry}，来源：{couponsrc}"),
    (20, "WARN", "lab", "加工质检：工单{job}，订单{order}，质检员{name}，焦度偏差{dpow}D，光心偏差{dcen}mm，判定：不合格（{qcfail}），已退回重做"),
    (18, "WARN", "pickup", "订单交付延期：订单{order}，原定{promised}取镜，延期至{delayed}，原因：{delay}，已短信通知顾客"),
    (16, "INFO", "stock", "调拨出库：调拨单{transfer}，{store}→{store2}，商品：{skuitems}"),
    (14, "INFO", "stock", "调拨入库：调拨单{transfer}，{store}→{store2}，商品：{skuitems}"),
    (12, "WARN", "contact", "隐形眼镜订阅自动续订失败：订阅号{sub}，商品《{contact}》×{box}盒，扣款{clmoney}元，失败原因：{payfail}"),
    (11, "WARN", "stock", "镜片现片库存不足：{lensstock} 库存{stock}片，安全库存{safe}片，已自动生成补货申请{req}"),
    (10, "INFO", "member", "积分兑换：会员{cust}（{tier}，卡号{mid}）使用{pts}积分，兑换「{coupondesc}」"),
    (9, "INFO", "aftersale", "退货审核通过：订单{order}，商品「{frame}」，原因：{return}，退款{money}元，审核人{name}（{role}）"),
    (8, "INFO", "exam", "复查记录：顾客{cust}配镜{days}天后复查，主诉：{complaint}；处理：{handle}"),
    (7, "INFO", "member", "会员等级变更：{mid} {tier2}，近12个月累计消费{money}元"),
    (6, "INFO", "device", "设备校准通过：{device}，校准偏差{devok}，校准人{name}，下次校准日期{nextcal}"),
    (5, "ERROR", "erp", "ERP sync failed: POST /api/v3/erp/order/push -> HTTP {httpfail}, orderNo={order}, retry={try}/5, cost={slow}ms"),
    (4.5, "WARN", "aftersale", "退货审核驳回：订单{order}，商品「{frame}」，申请原因：{return}，驳回理由：{refusal}，审核人{name}（{role}）"),
    (4, "WARN", "exam", "度数变化较大提醒：顾客{cust}{eyes}较上次验光（{lastexam}）变化{change}D，建议散瞳/医学验光{referral}"),
    (3.5, "ERROR", "pay", "退款失败 order={order} channel={paych} errcode={errcode} errmsg=\"{errmsg}\" amount={small}"),
    (3, "INFO", "pos", "收银交班结算：{storepair}，{summary}，交班人{name}，接班人{name}"),
    (2.5, "ERROR", "lab", "磨边机通讯异常：java.net.SocketException: Connection reset（{edger} @ {ip}:{port}），工单{job}暂停{edgermode}"),
    (2.2, "WARN", "contact", "隐形眼镜效期预警：《{contact}》批号{lot}，有效期至{expiry}，{store}库存{boxes}盒，请优先销售或申请退换"),
    (2, "ERROR", "print", "label print failed: printer=\"{printer}\" err={perr} order={order}"),
    (1.8, "ERROR", "lab", "镜片破损报废：工单{job}，工序《{process}》，镜片「{lens}」，原因：{break}，损失{small}元，责任工位{station}"),
    (1.6, "WARN", "device", "设备校准未通过：{device}，校准偏差{devbad}超出允许范围{tol}，设备已停用并报修，校准人{name}"),
    (1.5, "INFO", "stock", "月度盘点完成：{store}{warehouse}，共盘点{skus}件，盘亏{loss}元，盘盈{gain}元，盘点人：{names}"),
    (1.5, "WARN", "hr", "证书到期提醒：员工{name}（{post}），职业资格证书编号{cert}，将于{certend}到期，请及时办理延续"),
]

# the Java services' loggers and threads, for the first header form
LOGGERS = {"exam": ("c.q.optix.exam.RefractionService", "exam-exec-%d"), "pos": ("c.q.optix.pos.OrderController", "http-nio-8080-exec-%d"),
           "pay": ("c.q.optix.pay.NotifyHandler", "pay-notify-%d"), "lab": ("c.q.optix.lab.LensJobService", "lab-worker-%d"),
           "member": ("c.q.optix.member.PointsService", "mq-consumer-%d"), "pickup": ("c.q.optix.pos.PickupService", "http-nio-8080-exec-%d"),
           "contact": ("c.q.optix.sub.RenewJob", "sched-%d"), "coupon": ("c.q.optix.promo.CouponService", "http-nio-8080-exec-%d"),
           "logistics": ("c.q.optix.wms.ShipmentService", "wms-%d"), "booking": ("c.q.optix.exam.BookingController", "http-nio-8080-exec-%d"),
           "stock": ("c.q.optix.wms.StockService", "wms-%d"), "aftersale": ("c.q.optix.aftersale.ReturnService", "http-nio-8080-exec-%d"),
           "device": ("c.q.optix.iot.CalibrationJob", "sched-%d"), "erp": ("c.q.optix.erp.PushClient", "erp-push-%d"),
           "print": ("c.q.optix.print.LabelPrinter", "print-%d"), "hr": ("c.q.optix.hr.CertReminder", "sched-%d")}
# the Chinese names the store client gives the modules, for the second
MODULES = {"exam": "验光", "pos": "收银", "pay": "支付", "lab": "加工中心", "member": "会员", "pickup": "取镜",
           "contact": "隐形订阅", "coupon": "营销", "logistics": "物流", "booking": "预约", "stock": "库存",
           "aftersale": "售后", "device": "设备", "erp": "ERP接口", "print": "打印", "hr": "人事"}
# the hosts and daemons on the lab's and the head office's machines, for the third
DAEMONS = {"exam": ("opt-store-gw", "examd", 2210), "pos": ("opt-store-gw", "posd", 2231), "pay": ("opt-pay-01", "paynotify", 3310),
           "lab": ("opt-lab-02", "lensd", 5502), "member": ("opt-crm-01", "crmd", 4101), "pickup": ("opt-store-gw", "posd", 2231),
           "contact": ("opt-crm-01", "subrenew", 4127), "coupon": ("opt-crm-01", "promod", 4133),
           "logistics": ("opt-wms-01", "wmsd", 6011), "booking": ("opt-store-gw", "examd", 2210), "stock": ("opt-wms-01", "wmsd", 6011),
           "aftersale": ("opt-store-gw", "posd", 2231), "device": ("opt-iot-01", "calibd", 7020), "erp": ("opt-erp-01", "erppush", 8801),
           "print": ("opt-lab-02", "printd", 5519), "hr": ("opt-hq-01", "hrjob", 9003)}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 9) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the head-office services are in Java and log "time [thread] LEVEL logger - "
        logger, thread = LOGGERS[module]
        return "%s,%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, thread % r.randint(1, 12), level, logger)
    if form == 1:
        # the stores' own client writes the date, the level and the module in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [门店%s|%s] " % (at.strftime("%Y年%m月%d日 %H时%M分%S秒"), cn, r.choice(STORECODES[:4]),
                                       MODULES[module])
    # the lab's and the warehouse's machines log through syslog
    host, daemon, pid = DAEMONS[module]
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %2d %s %s %s[%d]: <%s> " % (at.strftime("%b"), at.day, at.strftime("%H:%M:%S"), host, daemon, pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "Y", 9 * 3600, (0, 0, 1, 1, 2, 3, 5))


if __name__ == "__main__":
    main()
