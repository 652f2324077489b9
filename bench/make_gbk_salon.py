#!/usr/bin/env python3
"""A GBK log of a Chinese chain of hair and beauty salons with its truth.

    bench/make_gbk_salon.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (customers
checked in for a booking, bills settled at the till, payment notifications received or failed,
stylists starting and finishing a service, new bookings, cancellations, late arrivals and
no-shows, member cards opened, spent from, topped up or refused a top-up, upgraded to a higher
level, products taken from the back room, received from suppliers, running low or taken off
the shelf near expiry, customer ratings and complaints passed on to a manager, group-buy
vouchers redeemed or refused, refunds done or failed, text reminders sent or failed, a member
service that times out, rota published, staff clocking in and out, leave that moves bookings,
sterilising cabinets and steamers out of their temperature range, receipt printer failures,
end-of-day closings and till differences, monthly commissions, a monthly stocktake and health
certificates about to expire), written to measure the miner on and not to shape it: no rule
was made or tuned on them. Several pairs differ by a word or two only (充值成功 / 充值失败,
核销成功 / 核销失败, 退款成功 / 退款失败, 发送成功 / 发送失败, notify ok / notify failed), as a
person reading the log would still count as two messages. Each message keeps its own frequency,
check-ins and bills by the hundred and a stocktake once in a few thousand lines. One of three
header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STORES = ["上海静安嘉里店（L2-215）", "上海徐家汇港汇店", "杭州西湖银泰店（4F 418铺）", "南京德基广场店", "苏州园区圆融店",
          "北京三里屯店（南区 S2-07）", "成都太古里店", "深圳福田COCO Park店", "广州天河正佳店（B1层）"]
STORECODES = ["SH0102", "SH0115", "HZ0201", "NJ0307", "SZ0410", "BJ0503", "CD0611", "SZN0702", "GZ0806"]
ENGLISH = ["Tony", "Kevin", "Amy", "Leo", "Coco", "Jason", "Lily", "Ivan", "Momo", "Eric"]
GRADES = ["首席发型师", "技术总监", "高级发型师", "发型师", "助理", "美容师", "美甲师"]
POSTS = ["发型师", "助理", "美容师", "美甲师", "前台", "店长", "洗护技师"]
# service name (as the menu writes it), its usual minutes and its price in 元
SERVICES = [("精剪（洗剪吹）", 45, 168), ("男士 造型剪", 30, 98), ("日式 染发（中长发）", 120, 588),
            ("韩式纹理烫", 150, 880), ("头皮深层护理", 60, 298), ("结构式护发 3步", 50, 368),
            ("挑染·漂色（含护理）", 180, 1280), ("美甲 纯色+延长", 90, 268), ("面部补水 SPA", 70, 398),
            ("儿童理发（12岁以下）", 20, 68), ("新娘跟妆 全天", 480, 2980), ("睫毛嫁接（自然款）", 80, 328)]
SERVICE_NAMES = [s[0] for s in SERVICES]
# product, unit, usual stock range
PRODUCTS = [("澜茜 Lancee 修护发膜 500ml", "瓶", 4, 40), ("Vormio 染膏 7.1 60g", "支", 20, 300),
            ("禾沐 头皮精华 30ml", "瓶", 3, 36), ("Kelvra 烫发水 2号", "瓶", 6, 60), ("素研 洗发露 1000ml", "桶", 2, 24),
            ("双氧乳 6%（1L）", "瓶", 4, 48), ("一次性毛巾（50条/包）", "包", 10, 120), ("锡纸 30cm×50m", "卷", 5, 60),
            ("漂粉 Blondor-X 500g", "kg", 1, 12), ("甲油胶 #23 樱花粉", "瓶", 3, 30)]
SUPPLIERS = ["上海澜茜美业供应链有限公司", "广州禾沐化妆品（集团）有限公司", "杭州素研日化", "总部中心仓"]
LEVELS = ["普通会员", "银卡", "金卡", "钻石卡", "至尊黑卡"]
CARDTYPES = ["储值卡 3000元档", "储值卡 5000元档", "护理次卡（10次）", "剪发年卡", "亲子卡"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY", "MEMBER_CARD", "CASH"]
SOURCES = ["小程序", "电话预约", "点评预约", "到店预约", "企业微信", "老客转介绍"]
CANCELS = ["顾客临时有事", "发型师请假，顾客不愿改约", "重复预约", "天气原因（暴雨）", "顾客改约其他门店", "超时未确认，系统自动取消"]
CANCELWAYS = ["小程序自助", "前台代取消", "电话取消", "系统自动"]
TAGS = ["手法专业", "沟通耐心", "环境干净", "准时", "效果满意", "推销过多", "等待太久", "价格偏贵", "造型好看"]
COMMENTS = ["Tony老师剪得很好，下次还来", "染色很均匀，颜色和图片一样", "洗头小妹很温柔", "整体不错，就是停车不方便",
            "第二次来了，效果 OK"]
BADCOMMENTS = ["烫完第二天就不卷了，要求返工", "一直推销办卡，体验很差", "预约了还等了四十分钟", "染出来颜色偏黄，和说好的不一样",
               "剪短了 5cm 以上，非常生气", "头皮被烫伤（有照片）"]
ROLES = ["店长", "区域经理", "客服主管", "技术总监"]
PLATFORMS = ["美团", "大众点评", "抖音团购", "小红书"]
PACKAGES = ["洗剪吹 单人套餐", "染烫二选一（含护理）", "头皮养护 体验装", "美甲 纯色款", "双人精剪套餐"]
VFAILS = ["券已核销（重复核销）", "券已过期", "非本门店可用券", "ERR_VOUCHER_NOT_FOUND", "平台接口返回 HTTP 503"]
REFUNDERRS = ["NOTENOUGH 商户余额不足", "TRADE_NOT_EXIST", "REFUND_AMOUNT_EXCEED 超出可退金额", "SYSTEMERROR 请稍后重试",
              "ACQ.TRADE_HAS_CLOSE"]
PAYERRS = ["SIGN_ERROR", "ORDER_NOT_FOUND", "AMOUNT_MISMATCH", "TIMEOUT"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
SMSTPLS = ["预约成功提醒", "到店前2小时提醒", "充值到账通知", "生日祝福", "评价邀请"]
SMSERRS = ["isv.MOBILE_NUMBER_ILLEGAL", "isv.BUSINESS_LIMIT_CONTROL", "isv.AMOUNT_NOT_ENOUGH", "SignatureDoesNotMatch"]
TOPFAILS = ["支付超时未完成", "用户取消支付", "银行卡余额不足", "单日充值超过限额（20000元）", "卡已冻结，请联系门店"]
PUNCHES = ["IN", "OUT"]
PUNCHDEVS = ["ZK F18 前台", "ZK F18 员工通道", "企业微信 定位打卡", "门店 Pad 2号"]
LEAVES = ["病假", "事假", "年假", "调休", "婚假"]
PRINTERS = ["前台小票机", "收银 POS-01", "标签打印机 后仓", "吧台小票机"]
PERRS = ["PAPER_OUT", "COVER_OPEN", "ECONNREFUSED", "ETIMEDOUT", "CUTTER_JAM"]
# device, alarm threshold in ℃ (high alarm), whether it alarms below instead
DEVICES = [("紫外线消毒柜 1号", 125, False), ("毛巾消毒柜（后场）", 120, False), ("热能烫发机 A-3", 120, False),
           ("焗油蒸汽机 #2", 105, False), ("染膏冷藏柜", 8, False), ("热水器（洗头区）", 60, False)]
DEVCODES = ["E03", "E11", "E17", "H2", "T-OVER", "SENSOR_LOST"]
WEEKDAYS = "一二三四五六日"

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def stylist(r):
    """A stylist as the staff list names them: an English working name or a Chinese name,
    with the grade in brackets."""
    k = r.random()
    if k < 0.45:
        return "%s（%s）" % (r.choice(ENGLISH), r.choice(GRADES))
    if k < 0.8:
        return "%s（%s）" % (name(r), r.choice(GRADES))
    return "%s老师·%s" % (r.choice(ENGLISH), name(r))


def customer(r):
    k = r.random()
    if k < 0.4:
        return "%s%s（尾号%04d）" % (r.choice(gbk_messages.SURNAMES), r.choice(["女士", "先生"]), r.randint(0, 9999))
    if k < 0.75:
        return "%s（%s）" % (name(r), r.choice(LEVELS))
    return "散客 %s" % name(r)


def service(r):
    _chosen["s"] = r.choice(SERVICES)
    return _chosen["s"][0]


def services(r):
    return "、".join(r.sample(SERVICE_NAMES, r.randint(1, 3)))


def bill_items(r):
    return ",".join("%s x%d" % (s, r.choice([1, 1, 1, 2])) for s in r.sample(SERVICE_NAMES, r.randint(1, 3)))


def product(r):
    _chosen["p"] = r.choice(PRODUCTS)
    return _chosen["p"][0]


def amount(scale_lo, scale_hi):
    """A quantity of the line's product with its unit, scaled from its usual range."""
    def make(r):
        _, unit, lo, hi = _chosen["p"]
        q = r.uniform(lo, hi) * r.uniform(scale_lo, scale_hi)
        return ("%.2f%s" if unit == "kg" else "%d%s") % (q if unit == "kg" else max(1, round(q)), unit)
    return make


def use(r):
    unit = _chosen["p"][1]
    if unit == "kg":
        return "%dg" % r.randint(20, 180)
    if unit in ("瓶", "桶") and r.random() < 0.5:
        return "%dml" % r.choice([15, 20, 30, 50, 80, 120])
    return "%d%s" % (r.randint(1, 3), unit)


def day(r, lo, hi):
    return datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))


def cn_date(r, lo, hi):
    d = day(r, lo, hi)
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def slash_date(r, lo, hi):
    return day(r, lo, hi).strftime("%Y/%m/%d")


def leavedate(r):
    d = day(r, 1, 10)
    s = "%d月%d日（周%s）" % (d.month, d.day, WEEKDAYS[d.weekday()])
    if r.random() < 0.3:
        e = d + datetime.timedelta(days=r.randint(1, 3))
        s += "至%d月%d日" % (e.month, e.day)
    return s


def weekrange(r):
    d = datetime.date(2026, 3, 16) + datetime.timedelta(weeks=r.randint(0, 2))
    return "%s-%s" % (d.strftime("%m.%d"), (d + datetime.timedelta(days=6)).strftime("%m.%d"))


def off(r):
    return "，".join("%s周%s" % (name(r), r.choice(WEEKDAYS)) for _ in range(r.randint(1, 4)))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def order(r):
    return "SO%s%s%05d" % (r.choice(STORECODES), "260314", r.randint(1, 99999))


def card(r):
    return "VIP%s%06d" % (r.choice("ABCDX"), r.randint(0, 999999))


def topup(r):
    _chosen["top"] = r.choice([500, 1000, 2000, 3000, 5000, 10000])
    return str(_chosen["top"])


def gift(r):
    return str(_chosen["top"] * r.choice([0, 10, 15, 20]) // 100)


def levelup(r):
    k = r.randint(0, len(LEVELS) - 2)
    return "%s→%s" % (LEVELS[k], LEVELS[k + 1])


def till(r):
    due = r.uniform(600, 7000)
    diff = r.choice([-1, 1]) * r.uniform(0.5, 200)
    return "应收现金%.2f元 实收%.2f元 差异%+.2f元" % (due, due + diff, diff)


def devreading(r):
    dev, hi, _ = r.choice(DEVICES)
    return "device=\"%s\" temp=%.1f℃ limit=%d℃" % (dev, hi + r.uniform(0.5, 15), hi)


def commission(r):
    perf = r.uniform(12000, 160000)
    rate = r.choice([8, 10, 12, 15, 18, 20])
    return "业绩%.2f元，提成比例%d%%，应发提成%.2f元" % (perf, rate, perf * rate / 100)


def certdate(r):
    _chosen["days"] = r.randint(1, 30)
    return cn_date(r, _chosen["days"], _chosen["days"])


def duration(r):
    return str(_chosen["s"][1])


def used(r):
    return str(max(10, _chosen["s"][1] + r.randint(-15, 40)))


V = {
    "stylist": stylist, "cust": customer, "service": service, "services": services, "billitems": bill_items,
    "product": product, "use": use, "stock": amount(0.05, 0.3), "safe": amount(0.35, 0.5),
    "restock": amount(0.8, 1.5), "lot": amount(0.05, 0.2), "got": amount(0.5, 1.0),
    "bookdate": lambda r: cn_date(r, 0, 14), "expiry": lambda r: slash_date(r, 0, 20),
    "bizdate": lambda r: day(r, -1, -1).isoformat(), "leavedate": leavedate, "weekrange": weekrange,
    "off": off, "phone": phone, "order": order, "card": card, "topup": topup, "gift": gift,
    "levelup": levelup, "stars": pick(["5", "5", "5", "5", "4", "4", "3"]), "badstars": pick(["1", "1", "2"]), "till": till, "devreading": devreading, "commission": commission,
    "certdate": certdate, "days": lambda r: str(_chosen["days"]), "dur": duration, "mins": used,
    "name": name, "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "title": pick(["女士", "先生"]),
    "store": pick(STORES), "storecode": pick(STORECODES), "level": pick(LEVELS), "cardtype": pick(CARDTYPES),
    "paych": pick(PAYCH), "source": pick(SOURCES), "cancel": pick(CANCELS), "cancelway": pick(CANCELWAYS),
    "tags": items(TAGS, 1, 3), "badcomment": pick(BADCOMMENTS), "role": pick(ROLES), "platform": pick(PLATFORMS),
    "package": pick(PACKAGES), "vfail": pick(VFAILS), "refunderr": pick(REFUNDERRS), "payerr": pick(PAYERRS),
    "httpfail": pick(HTTPFAILS), "smstpl": pick(SMSTPLS), "smserr": pick(SMSERRS), "topfail": pick(TOPFAILS),
    "punch": pick(PUNCHES), "punchdev": pick(PUNCHDEVS), "leave": pick(LEAVES), "printer": pick(PRINTERS),
    "perr": pick(PERRS), "devcode": pick(DEVCODES), "post": pick(POSTS), "supplier": pick(SUPPLIERS),
    "goods": lambda r: "，".join("%s×%d" % (p[0], r.randint(2, 24)) for p in r.sample(PRODUCTS, r.randint(1, 3))),
    "latenote": optional(lambda r: "（迟到%d分钟）" % r.randint(5, 40), 0.25),
    "coupon": optional(lambda r: " coupon=%s discount=%.2f" % (r.choice(["NEW50", "BDAY88", "VIP9折", "GRP-%04d" % r.randint(0, 9999)]),
                                                              r.uniform(5, 120)), 0.35),
    "extra": optional(lambda r: "，加项：%s" % r.choice(["加长发费 +80元", "头皮检测（免费）", "护理升级 +120元", "指定加急"]), 0.3),
    "comment": optional(lambda r: "，留言：「%s」" % r.choice(COMMENTS), 0.5),
    "remark": optional(lambda r: "，备注：%s" % r.choice(["对染膏过敏，需做皮试", "想要图片同款（已上传2张）",
                                                       "带小孩一起，需要儿童座椅", "只要Tony老师"]), 0.35),
    "refer": optional(lambda r: "，推荐人%s（卡号%s）" % (name(r), card(r)), 0.3),
    "smsid": lambda r: "%d^%d" % (r.randint(10 ** 9, 10 ** 10 - 1), r.randint(1000000000, 9999999999)),
    "bookno": rint(0, 10 ** 6 - 1, "YY260314%06d"), "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "voucher": lambda r: "%04d %04d %04d" % (r.randint(0, 9999), r.randint(0, 9999), r.randint(0, 9999)),
    "po": lambda r: "PO-%s-%03d" % (r.choice(["2603A", "2603B", "2603C"]), r.randint(1, 400)),
    "batch": lambda r: "LOT%s%02d%s" % (r.choice(["25", "26"]), r.randint(1, 12), r.choice(["A", "B", "C1", "K7"])),
    "empid": rint(1, 9999, "E%05d"), "hhmmss": lambda r: "%02d:%02d:%02d" % (r.randint(8, 22), r.randint(0, 59), r.randint(0, 59)),
    "clock": lambda r: "%02d:%s" % (r.randint(9, 21), r.choice(["00", "30"])),
    "money": real(68, 3800, "%.2f"), "money2": real(8000, 68000, "%.2f"), "avg": real(120, 620, "%.2f"),
    "cash": real(200, 6000, "%.2f"), "small": real(10, 900, "%.2f"), "fen": rint(6800, 380000),
    "bal": real(0, 20000, "%.2f"), "total": rint(3000, 80000), "late": rint(10, 45), "credit": pick(["5", "10", "20"]),
    "n": rint(1, 5), "try": rint(1, 3), "staff": rint(6, 28), "seat": lambda r: "%s%02d" % (r.choice("ABC"), r.randint(1, 16)),
    "pos": lambda r: "收银台%02d" % r.randint(1, 3), "ip": lambda r: "10.%d.%d.%d" % (r.randint(1, 9), r.randint(0, 3), r.randint(20, 240)),
    "ms": rint(3000, 15000), "skus": rint(80, 460), "cert": rint(0, 10 ** 8 - 1, "JK%08d"),
    "month": pick(["1", "2"]),
}

# weight, level, module, message
TEMPLATES = [
    (210, "INFO", "booking", "预约到店签到：预约号{bookno}，{cust}，项目「{service}」，技师{stylist}{latenote}"),
    (190, "INFO", "pos", "checkout done order={order} store={storecode} items=[{billitems}] amount={money}元 pay={paych}{coupon}"),
    (150, "INFO", "pay", "pay notify ok: channel={paych} trade_no={trade} total_fee={fen} order={order}"),
    (120, "INFO", "schedule", "开始服务：{stylist}，工位{seat}，接待{cust}，项目「{service}」，预计{dur}分钟"),
    (105, "INFO", "schedule", "服务完成：{stylist}，工位{seat}，项目「{service}」，实际用时{mins}分钟{extra}"),
    (85, "INFO", "booking", "新增预约：{bookdate} {clock}，{name}{title}（{phone}），项目：{services}，指定{stylist}，来源：{source}{remark}"),
    (75, "INFO", "member", "member.card.consume card={card} level={level} deduct={small} balance={bal} store={storecode}"),
    (50, "INFO", "member", "会员充值成功：卡号{card}，{name}（{level}），充值{topup}元，赠送{gift}元，支付渠道：{paych}"),
    (45, "INFO", "stock", "产品领用：{product}，用量{use}，领用人{stylist}，用于「{service}」"),
    (40, "INFO", "feedback", "顾客评价：订单{order}，评分{stars}星，技师{stylist}，标签：{tags}{comment}"),
    (32, "INFO", "booking", "预约取消：预约号{bookno}，原因：{cancel}，取消方式：{cancelway}"),
    (28, "WARN", "booking", "顾客迟到：预约号{bookno}，{name}{title}已迟到{late}分钟，{stylist}后续预约可能顺延"),
    (26, "INFO", "hr", "staff punch emp_id={empid} name={name} type={punch} time={hhmmss} device=\"{punchdev}\""),
    (20, "WARN", "stock", "库存不足：【{product}】当前库存{stock}，低于安全库存{safe}，门店{store}，建议采购{restock}"),
    (18, "INFO", "member", "会员开卡：{name}{title}，手机{phone}，卡型《{cardtype}》，卡号{card}，开卡门店{store}{refer}"),
    (16, "INFO", "sms", "短信发送成功：模板「{smstpl}」，手机{phone}，回执ID {smsid}"),
    (15, "WARN", "booking", "预约爽约：预约号{bookno}，{name}（{phone}）未到店，扣除信用分{credit}分，本年第{n}次爽约"),
    (13, "INFO", "pos", "团购券核销成功：平台「{platform}」，券码{voucher}，套餐《{package}》，门店{storecode}"),
    (12, "INFO", "stock", "到货入库：采购单{po}，供应商「{supplier}」，到货：{goods}，验收人{name}"),
    (11, "WARN", "feedback", "差评预警：订单{order}，评分{badstars}星，发型师{stylist}，顾客留言：「{badcomment}」，已转{role}{name}跟进"),
    (10, "INFO", "pos", "退款成功：订单{order}，金额{small}元，原路退回{paych}，审批人{name}（{role}）"),
    (9, "INFO", "schedule", "排班已发布：{store} {weekrange}，在岗{staff}人，休息：{off}"),
    (8, "ERROR", "pay", "pay notify failed: channel={paych} trade_no={trade} err={payerr} resp=HTTP {httpfail}"),
    (7, "WARN", "pos", "团购券核销失败：平台「{platform}」，券码{voucher}，套餐《{package}》，原因：{vfail}"),
    (6, "INFO", "member", "会员升级：卡号{card}，{levelup}，累计消费{total}元"),
    (5, "ERROR", "sms", "短信发送失败：模板「{smstpl}」，手机{phone}，错误码{smserr}，重试{try}/3"),
    (4.5, "ERROR", "member", "调用会员中心超时：java.net.SocketTimeoutException: Read timed out (GET /api/v3/card?cardNo={card}，耗时{ms}ms)，改为现金结账"),
    (4, "WARN", "member", "会员充值失败：卡号{card}，{name}（{level}），充值{topup}元，支付渠道：{paych}，原因：{topfail}"),
    (3.5, "WARN", "hr", "请假登记：{name}（{post}），{leavedate}，类型：{leave}，受影响预约{n}个，已通知顾客改约"),
    (3.2, "ERROR", "pos", "退款失败：订单{order}，金额{small}元，原路退回{paych}，错误：{refunderr}"),
    (3, "WARN", "stock", "临期产品下架：{product}，批号{batch}，有效期至{expiry}，数量{lot}"),
    (2.8, "INFO", "cashier", "日结完成：{store}，营业日{bizdate}，营业额{money2}元，客单价{avg}元，现金{cash}元"),
    (2.5, "ERROR", "device", "设备温度异常 {devreading} code={devcode}，已停用并报修"),
    (2.2, "ERROR", "pos", "PrintJob failed: printer=「{printer}」 ip={ip} err={perr}，小票已改为电子小票"),
    (2.2, "WARN", "cashier", "日结差异：{pos}，{till}，店长{name}已签字确认"),
    (2, "INFO", "hr", "提成结算：{name}（{post}），{month}月{commission}"),
    (2, "INFO", "stock", "月度盘点完成：{store}，共盘点{skus}个SKU，盘亏{small}元，盘点人：{names}"),
    (2, "WARN", "hr", "健康证到期提醒：员工{name}（{post}），证号{cert}，将于{certdate}到期，剩余{days}天"),
]

# the Java class each module logs from, for the headers
LOGGERS = {"booking": "c.l.salon.booking.BookingService", "pos": "c.l.salon.pos.CheckoutController",
           "pay": "c.l.salon.pay.NotifyHandler", "schedule": "c.l.salon.staff.ServiceTracker",
           "member": "c.l.salon.member.CardService", "stock": "c.l.salon.stock.InventoryService",
           "feedback": "c.l.salon.crm.FeedbackListener", "hr": "c.l.salon.staff.AttendanceJob",
           "sms": "c.l.salon.notify.SmsSender", "cashier": "c.l.salon.pos.DailyCloseJob",
           "device": "c.l.salon.iot.DeviceMonitor"}
MODULES_CN = {"booking": "预约", "pos": "收银", "pay": "支付", "schedule": "服务", "member": "会员", "stock": "库存",
              "feedback": "评价", "hr": "人事", "sms": "短信", "cashier": "日结", "device": "设备"}
PIDS = {"booking": 2104, "pos": 2217, "pay": 2230, "schedule": 2104, "member": 2388, "stock": 2461,
        "feedback": 2502, "hr": 2610, "sms": 2744, "cashier": 2217, "device": 3019}


MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the head-office services are Java and log through a pattern with the thread in brackets
        thread = r.choice(["http-nio-8080-exec-%d" % r.randint(1, 40), "pool-3-thread-%d" % r.randint(1, 8),
                           "scheduling-1", "mq-consumer-%d" % r.randint(1, 4)])
        return "%s,%03d [%-5s] [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the store's front-desk client writes the level and module in Chinese, with the store code
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "%s [%s][%s][%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, r.choice(STORECODES[:4] + ["SH0102"] * 3),
                                     MODULES_CN[module])
    # the store servers go through syslog: host, program and pid, then a one-letter level
    host = "salon-%s-app%02d" % (r.choice(["sh", "sh", "hz", "bj"]), r.randint(1, 3))
    return "%s %2d %s %s salon-%s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host,
                                                 module, PIDS[module], level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "L", 9 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
