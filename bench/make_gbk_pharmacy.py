#!/usr/bin/env python3
"""A GBK log of a Chinese retail pharmacy chain system with its truth.

    bench/make_gbk_pharmacy.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages
(prescriptions and pharmacist review, medical-insurance settlement, stock and batches,
expiry warnings, cold-chain fridges, member points, controlled-drug registration), written
to measure the miner on and not to shape it: no rule was made or tuned on them. One of
three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

# Drug names as the shelf label shows them: generic name, then the pack in full-width
# brackets.  Specs carry ×, g, mg and ml so the variable is not one plain run of letters.
DRUGS = [
    "阿莫西林胶囊（0.25g×24粒）", "布洛芬缓释胶囊（0.3g×20粒）", "头孢克肟分散片（0.1g×6片）",
    "蒙脱石散（3g×10袋）", "奥美拉唑肠溶胶囊（20mg×14粒）", "氯雷他定片（10mg×6片）",
    "二甲双胍缓释片（0.5g×30片）", "硝苯地平控释片（30mg×7片）", "阿托伐他汀钙片（20mg×7片）",
    "复方甘草口服溶液（100ml）", "对乙酰氨基酚混悬滴剂（15ml）", "胰岛素注射液（3ml:300单位）",
    "人血白蛋白（10g/50ml）", "板蓝根颗粒（10g×20袋）", "维生素C泡腾片（1g×10片）",
    "左氧氟沙星滴眼液（5ml）", "红霉素软膏（10g）", "盐酸氨溴索口服液（100ml）",
]
# Preparations that fall under the ephedrine-containing register at the counter.
CONTROLLED = [
    "复方盐酸伪麻黄碱缓释胶囊（10粒）", "氨酚伪麻美芬片（12片）", "复方甲氧那明胶囊（60粒）",
    "美敏伪麻溶液（100ml）", "氯雷伪麻缓释片（6片）", "含可待因复方口服溶液（120ml）",
]
STORES = [
    "康沐大药房（解放路店）", "康沐大药房（高新区二店）", "康沐大药房（火车站店）",
    "康沐大药房（滨湖社区店）", "康沐大药房（人民医院对面店）", "康沐大药房（中心仓）",
]
HOSPITALS = ["市第二人民医院", "城东社区卫生服务中心", "妇幼保健院", "中医院互联网医院",
             "第三人民医院", "高新区社区医院"]
SUPPLIERS = ["南华康达医药有限公司", "鑫泽医药物流有限公司", "瑞泰和医药股份有限公司",
             "安桥药业配送中心", "北辰生物制品有限公司"]
UNITS = ["盒", "瓶", "支", "袋", "板"]
REJECTS = [
    "用法用量超出说明书范围", "存在配伍禁忌", "处方已超过有效期（3日）", "重复用药",
    "缺少医师签名", "与患者过敏史冲突", "儿童剂量未按体重换算", "诊断与用药不符",
    "超过7日用量", "处方字迹/信息不完整",
]
INSURANCE_FAILS = [
    "医保卡已挂失", "参保状态异常（暂停缴费）", "个人账户余额不足", "超出门诊统筹年度限额",
    "医保中心接口超时", "药品不在医保目录内", "定点药店资质校验失败", "读卡失败，请重新插卡",
    "同一处方重复结算",
]
DIFF_REASONS = ["拆零销售未登记", "收货时数量录错", "退货未入账", "破损未报损", "调拨在途",
                "串批销售", "原因待查"]
CONSULTS = ["服药时间", "与酒精同服", "孕期用药", "儿童剂量", "漏服处理", "药物相互作用",
            "不良反应", "储存方法"]
GIFTS = ["医用口罩（50只）", "电子体温计", "维生素C咀嚼片", "免费测血压一次", "10元代金券",
         "棉签（200支）"]
PAYS = ["微信", "支付宝", "医保个账", "银联卡", "现金", "会员储值"]
PROBE_STATES = ["offline", "timeout", "checksum_error"]
LEVELS_CN = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}
CLASSES = ["RxAuditService", "InsuranceSettleHandler", "StockBatchManager", "ColdChainMonitor",
           "MemberPointService", "PosCheckoutController"]


def amount(r):
    return "%d.%02d" % (r.randint(0, 900), r.choice([0, 50, r.randint(0, 99)]))


def qty(r):
    return "%d%s" % (r.randint(1, 480), r.choice(UNITS))


def batch(r):
    # suppliers do not agree on one batch format; both kinds show up in the same store
    if r.random() < 0.5:
        return "%02d%02d%02d%s" % (r.randint(22, 26), r.randint(1, 12), r.randint(1, 28), r.choice("ABCD"))
    return "B%d%04d" % (r.randint(2023, 2026), r.randint(1, 9999))


def cn_date(r):
    return "%d年%d月%d日" % (r.randint(2026, 2029), r.randint(1, 12), r.randint(1, 28))


def card(r):
    # insurance card numbers are never written in full
    return "%02d%04d**********%04d" % (r.randint(11, 65), r.randint(0, 9999), r.randint(0, 9999))


def idcard(r):
    return "%02d%04d********%03d%s" % (r.randint(11, 65), r.randint(0, 9999), r.randint(0, 999),
                                     r.choice("0123456789X"))


def rx_drugs(r):
    # a prescription carries one to five items; the count is written before the list
    items = r.sample(DRUGS, r.randint(1, 5))
    return "%d种：%s" % (len(items), "、".join(items))


def temp(r):
    # out of the 2~8 degree band, either side
    if r.random() < 0.7:
        return "%.1f℃" % r.uniform(8.1, 15.0)
    return "%.1f℃" % r.uniform(-2.0, 1.9)


def notified(r):
    return "，已电话通知值班药师%s" % gbk_messages.name(r)


def settle_note(r):
    return "（%s）" % r.choice(["慢特病门诊", "家庭医生签约", "异地就医备案", "门诊共济"])


def upgrade(r):
    return "，会员等级升级为%s" % r.choice(["银卡", "金卡", "钻石卡"])


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


V = {
    "name": gbk_messages.name,
    "drug": gbk_messages.pick(DRUGS),
    "ctrl": gbk_messages.pick(CONTROLLED),
    "store": gbk_messages.pick(STORES),
    "hosp": gbk_messages.pick(HOSPITALS),
    "supplier": gbk_messages.pick(SUPPLIERS),
    "reject": gbk_messages.pick(REJECTS),
    "ybfail": gbk_messages.pick(INSURANCE_FAILS),
    "diffwhy": gbk_messages.pick(DIFF_REASONS),
    "consult": gbk_messages.pick(CONSULTS),
    "gift": gbk_messages.pick(GIFTS),
    "pay": gbk_messages.pick(PAYS),
    "probe_state": gbk_messages.pick(PROBE_STATES),
    "rxdrugs": rx_drugs,
    "amt": amount,
    "total": lambda r: "%d.%02d" % (r.randint(2000, 380000), r.randint(0, 99)),
    "qty": qty,
    "batch": batch,
    "cndate": cn_date,
    "card": card,
    "idcard": idcard,
    "phone": phone,
    "temp": temp,
    "notified": gbk_messages.optional(notified, 0.5),
    "settle_note": gbk_messages.optional(settle_note, 0.35),
    "upgrade": gbk_messages.optional(upgrade, 0.15),
    "rxno": lambda r: "RX%s%07d" % (r.choice(["20260318", "20260319"]), r.randint(0, 9999999)),
    "po": lambda r: "PO-%05d" % r.randint(1, 99999),
    "tdno": lambda r: "DB%08d" % r.randint(0, 99999999),
    "receipt": lambda r: "%012d" % r.randint(0, 10 ** 12 - 1),
    "storecode": lambda r: "MD%04d" % r.randint(1, 400),
    "pos": lambda r: "POS-%02d" % r.randint(1, 6),
    "fridge": lambda r: "LC-%02d" % r.randint(1, 4),
    "probe": lambda r: "TP%03d" % r.randint(1, 240),
    "ybcode": lambda r: r.choice(["E", "Y", "P"]) + "%04d" % r.randint(1000, 9999),
    "status": lambda r: r.choice(["500", "502", "503", "504", "429"]),
    "ts": lambda r: "2026-03-18T%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "n": lambda r: str(r.randint(1, 200)),
    "big": lambda r: str(r.randint(100, 9000)),
    "sec": lambda r: str(r.randint(5, 600)),
    "days": lambda r: str(r.randint(1, 180)),
    "mins": lambda r: str(r.randint(1, 90)),
    "pts": lambda r: str(r.randint(1, 20000)),
    "pct": lambda r: "%.1f%%" % r.uniform(0, 100),
    "hum": lambda r: str(r.randint(30, 85)),
    "retry": lambda r: str(r.randint(1, 3)),
    "boxes": lambda r: str(r.randint(1, 2)),
}

TEMPLATES = [
    ("INFO", "收到电子处方{rxno}，来源：{hosp}，开方医生{name}，含药品{rxdrugs}"),
    ("INFO", "药师{name}审方通过，处方号={rxno}，用时{sec}秒"),
    ("WARN", "药师{name}审方驳回，处方号={rxno}，原因：{reject}"),
    ("INFO", "医保结算成功 card={card}，统筹支付{amt}元，个人账户{amt}元，现金{amt}元{settle_note}"),
    ("ERROR", "医保结算失败 card={card} errcode={ybcode}，原因：{ybfail}"),
    ("INFO", "[入库] {drug} 批号{batch} 数量{qty} 效期至{cndate}，供应商：{supplier}"),
    ("INFO", "[出库] {drug} 批号{batch} 数量{qty} 去向：{store}"),
    ("WARN", "近效期预警：{drug}批号{batch}距失效还有{days}天，库存{qty}"),
    ("ERROR", "发现过期药品{drug}（批号{batch}），已锁定库存并禁止销售"),
    ("WARN", "冷链冰箱{fridge}温度{temp}，超出2~8℃范围，已持续{mins}分钟{notified}"),
    ("INFO", "冷链冰箱{fridge}温度恢复正常，湿度{hum}%RH"),
    ("ERROR", "cold-chain probe {probe} state={probe_state}, last_seen={ts}, store={storecode}"),
    ("INFO", "会员{phone}消费积分+{n}，当前积分{pts}{upgrade}"),
    ("INFO", "会员{phone}兑换{gift}，扣减积分{pts}"),
    ("INFO", "含麻黄碱类复方制剂登记：购药人{name}，身份证{idcard}，{ctrl}×{boxes}盒"),
    ("WARN", "特殊药品限购拦截：身份证{idcard}近{days}日已购{n}盒，超过单次限量"),
    ("INFO", "门店日结 {store}：销售{big}笔，金额￥{total}，医保占比{pct}"),
    ("INFO", "库存盘点完成 store={storecode} sku={big} diff={n} operator={name}"),
    ("WARN", "盘点差异：{drug}账面{n}，实盘{n}，差异原因：{diffwhy}"),
    ("INFO", "调拨单{tdno}已创建：{store}→{store}，共{n}个品种"),
    ("ERROR", "处方流转平台同步失败 rxno={rxno} http_status={status} retry={retry}/3"),
    ("INFO", "{pos}收银完成，小票号{receipt}，实收{amt}元，支付方式：{pay}"),
    ("WARN", "库存低于安全库存：{drug}，当前{qty}，安全库存{qty}，已生成采购建议{po}"),
    ("INFO", "采购订单{po}已审核，供应商：{supplier}，品种数{n}，金额{total}元"),
    ("INFO", "药师{name}完成用药咨询（{consult}），用时{sec}秒"),
    ("WARN", "处方药无处方销售被拦截：{drug}，收银员{name}，终端{pos}"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the store back end is a Java service; its appender writes thread and class
        return "2026-03-18 %02d:%02d:%02d,%03d %-5s [http-nio-8080-exec-%d] c.kangmu.pharm.%s - " % (
            hh, mm, ss, ms, level, r.randint(1, 20), r.choice(CLASSES))
    if form == 1:
        # the counter terminals log in Chinese with the store code up front
        return "2026/03/18 %02d:%02d:%02d 门店POS[MD%04d] 级别=%s | " % (
            hh, mm, ss, r.randint(1, 400), LEVELS_CN[level])
    # central servers forward over RFC 5424 syslog; the priority follows the level
    pri = {"INFO": 134, "WARN": 132, "ERROR": 131}[level]
    return "<%d>1 2026-03-18T%02d:%02d:%02d.%03d+08:00 rx-node%d pharmd %d - - " % (
        pri, hh, mm, ss, ms, r.randint(1, 4), r.randint(1000, 65000))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "RX", 8 * 3600 + 300)
