#!/usr/bin/env python3
"""A GBK log of a Chinese customs clearance and cross-border e-commerce declaration system
with its truth.

    bench/make_gbk_customs.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 29 messages (entry
declarations, their returns and receipts, e-commerce lists and the order, payment and
waybill match, personal quotas, duties and their payment, risk hits, inspections and
release, manifests and arrival reports, enterprise records and credit grades, EDI messages,
guarantees and returns), written to measure the miner on and not to shape it: no rule was
made or tuned on them when they were first measured; rules were shaped on their errors later
(SHAPED_ON in pattern_accuracy.py). One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

# customs areas by their four-digit codes, and the ports the brokers pick when declaring
AREAS = ["2901", "2225", "3104", "5316", "2248", "0104"]
PORTS = ["北仑港区", "临港综合保税区", "云溪国际机场口岸", "鹤山铁路口岸（中欧班列）", "北湖保税物流中心（B型）",
         "临江邮局海关监管作业场所", "梅山港区"]
COMPANIES = ["临江跨境电子商务有限公司", "云溪优选国际贸易（香港）有限公司", "北湖保税仓储有限公司",
             "鹤山 海淘供应链管理有限公司", "Hengtong Global Logistics Co., Ltd.", "梅山进出口贸易有限公司",
             "甬江报关行（普通合伙）"]
PLATFORMS = ["云选全球购", "北湖海外仓商城", "临江跨境优品（小程序）", "HeShan Global Mall", "甬货通直播间"]
LOG_COS = ["云溪速运有限公司", "临江国际快件（EMS协议）", "北湖物流科技", "鹤山跨境直邮 Express"]
# goods as sellers list them, with the codes the brokers declare them under
GOODS = [("婴儿配方奶粉（3段）900g", "1901101000"), ("鱼油软胶囊 1000mg×120粒", "2106909090"),
         ("保湿面霜 50ml", "3304990010"), ("电动牙刷 Sonic Pro", "8509800000"),
         ("干红葡萄酒 750ml×6", "2204210000"), ("笔记本电脑 14英寸", "8471300000"),
         ("运动鞋（男款）", "6404110000"), ("猫粮 2kg", "2309100090")]
TRADE_WAYS = ["一般贸易（0110）", "保税电商（1210）", "直购进口（9610）", "进料对口（0615）", "跨境电商B2B出口（9710）"]
REJECTS = ["申报要素不全", "商品编号与品名不符", "原产国（地区）填报错误", "许可证件未关联", "申报单价明显偏低",
           "随附单证缺失：发票、装箱单"]
RCPT_STATUS = ["已接受申报", "单证审核通过", "人工审单", "已放行", "退单"]
MISMATCH = ["支付单金额与订单不一致", "运单收件人与订购人不一致", "支付单未到达", "订单商品数量与清单不一致",
            "运单未到达（超时4小时）"]
RISKS = ["价格瞒骗", "归类风险", "侵权嫌疑", "检疫风险（动植物产品）", "随机布控", "固体废物嫌疑"]
INSP_MODES = ["人工查验", "机检（H986）", "机检+人工", "开箱查验", "外形查验"]
YARDS = ["北仑四期查验场", "综保区1号监管仓", "机场货站查验区（冷库）", "铁路集装箱中心站查验平台"]
DIFFS = ["实际数量多于申报{0}件", "品名不符，实货为“{1}”", "未申报品牌，标签为HeShan Pro", "重量超申报{0}千克"]
DEPTS = ["缉私分局", "法规科", "综合业务科"]
ENT_TYPES = ["跨境电商企业", "电商平台企业", "物流企业", "支付企业", "报关企业", "进出口货物收发货人"]
CHANGES = ["法定代表人", "注册地址", "经营范围", "联系人及电话", "英文名称"]
CREDITS = ["高级认证企业", "一般认证企业", "一般信用企业", "失信企业"]
BANKS = ["中国工商银行（北仑支行）", "临江农商银行", "云溪银行 新区支行", "招行电子税费平台"]
BANK_ERRS = ["账户余额不足", "协议未签约", "交易超时", "账户已冻结"]
MSG_TYPES = ["CEB311Message", "CEB411Message", "CEB511Message", "CEB621Message", "CEB622Message",
             "CEB711Message"]
SENDERS = ["DXPENT0000012345", "DXPEDCCEB0000002", "DXPTEST000000007", "DXPENT0000460021"]
XSD_ERRS = ["cvc-complex-type.2.4.a: Invalid content was found starting with element 'ceb:grossWeight'",
            "cvc-datatype-valid.1.2.1: '2026-08-19' is not a valid value for 'dateTime'",
            "签名验证失败（证书已过期）", "报文编码非UTF-8"]
RETURN_WHY = ["七天无理由退货", "商品破损", "发错货", "消费者拒收"]
BRANDS = ["HeShan", "云溪源", "Lumière", "北湖牧场", "NORDIC·K"]
API_PATHS = ["/cebapi/invt/declare", "/cebapi/order/query", "/swapi/dec/submit", "/swapi/tax/notify"]
MODULES_CN = ["报关", "清单", "舱单", "查验", "税费", "备案", "报文"]
THREADS = ["DubboServerHandler-10.8.2.%d:20880-thread-%d", "edi-recv-%d-%d", "tax-pay-%d-%d"]
CLASSES = ["DeclareService.java", "InvtCheckHandler.java", "ManifestConsumer.java", "TaxPayCallback.java",
           "RiskHitListener.java", "EntRecordController.java"]


def seq(prefix, ie):
    # the customs numbers: area, year, the import or export flag, nine digits
    return lambda r: "%s%s2026%s%09d" % (prefix, r.choice(AREAS), ie(r), r.randint(0, 999999999))


def idmask(r):
    region = r.choice([330206, 330106, 440305, 320102])
    return "%06d********%03d%s" % (region, r.randint(0, 999), r.choice("0123456789X"))


def uscc(r):
    return "91%06d" % r.choice([330206, 330106, 440300, 310115]) + \
        "".join(r.choice("0123456789ABCDEFGHJKLMNPQRTUWXY") for _ in range(10))


def goods_list(r):
    chosen = r.sample(GOODS, r.randint(1, 3))
    return "、".join("%s×%d" % (g[0], r.randint(1, 4)) for g in chosen)


def diff(r):
    return r.choice(DIFFS).format(r.randint(1, 400), r.choice(GOODS)[0])


def msg_file(r, kind):
    return "%s_202608%02d%02d%02d%02d_%06d.xml" % (kind[:6], r.randint(1, 31), r.randint(0, 23), r.randint(0, 59),
                                                   r.randint(0, 59), r.randint(0, 999999))


def recv_msg(r):
    kind = r.choice(MSG_TYPES)
    return "msg_type=%s file=%s" % (kind, msg_file(r, kind))


def elements(r):
    # the declared elements the way the broker's software joins them
    model = r.choice(["无型号", "X%d" % r.randint(10, 990), "Pro 2"])
    return "%d|%d|%s|%s|%s" % (r.randint(0, 4), r.randint(0, 3), r.choice(BRANDS), model,
                               r.choice(["GTIN:无", "CAS:无", "零售包装"]))


V = {
    "name": gbk_messages.name,
    "port": gbk_messages.pick(PORTS),
    "company": gbk_messages.pick(COMPANIES),
    "platform": gbk_messages.pick(PLATFORMS),
    "logco": gbk_messages.pick(LOG_COS),
    "tradeway": gbk_messages.pick(TRADE_WAYS),
    "rejectwhy": gbk_messages.pick(REJECTS),
    "rcpt": gbk_messages.pick(RCPT_STATUS),
    "mismatch": gbk_messages.pick(MISMATCH),
    "risk": gbk_messages.pick(RISKS),
    "inspmode": gbk_messages.pick(INSP_MODES),
    "yard": gbk_messages.pick(YARDS),
    "dept": gbk_messages.pick(DEPTS),
    "enttype": gbk_messages.pick(ENT_TYPES),
    "change": gbk_messages.pick(CHANGES),
    "credit": gbk_messages.pick(CREDITS),
    "bank": gbk_messages.pick(BANKS),
    "bankerr": gbk_messages.pick(BANK_ERRS),
    "sender": gbk_messages.pick(SENDERS),
    "xsderr": gbk_messages.pick(XSD_ERRS),
    "returnwhy": gbk_messages.pick(RETURN_WHY),
    "api": gbk_messages.pick(API_PATHS),
    "vessel": gbk_messages.pick(["YUN XI 7", "LIN JIANG STAR", "HE SHAN PIONEER", "BEI HU EXPRESS", "甬舟海12"]),
    "goodsname": lambda r: r.choice(GOODS)[0],
    "goods": goods_list,
    "diff": diff,
    "elements": elements,
    "idmask": idmask,
    "uscc": uscc,
    "entry": seq("", lambda r: r.choice("01")),
    "invt": seq("", lambda r: "I"),
    "seqno": lambda r: "%s2026%012d" % (r.choice("IE"), r.randint(0, 10 ** 12 - 1)),
    "taxno": lambda r: "%s20261%09d-%s" % (r.choice(AREAS), r.randint(0, 999999999), r.choice(["A01", "L01", "Y01"])),
    "order": lambda r: "DD2608%02d%010d" % (r.randint(1, 31), r.randint(0, 10 ** 10 - 1)),
    "waybill": lambda r: "%s%012d" % (r.choice(["YX", "LJ", "EB", "HS"]), r.randint(0, 10 ** 12 - 1)),
    "bl": lambda r: "%s%010d" % (r.choice(["YXSL", "LJSH", "HSPN"]), r.randint(0, 10 ** 10 - 1)),
    "container": lambda r: "%sU%07d" % (r.choice(["TGH", "YXS", "LJC", "BHX"]), r.randint(0, 9999999)),
    "voyage": lambda r: "%03d%s" % (r.randint(1, 120), r.choice("EWNS")),
    "cuscode": lambda r: "%s%d%d%04d" % (r.choice(AREAS), r.randint(0, 9), r.choice([1, 2, 3, 8]), r.randint(0, 9999)),
    "ctrl": lambda r: "BK2026%08d" % r.randint(0, 99999999),
    "hs": lambda r: r.choice(GOODS)[1],
    "file": lambda r: msg_file(r, r.choice(MSG_TYPES)),
    "recvmsg": recv_msg,
    "contact": gbk_messages.optional(lambda r: "，请联系经办人%s修改后重新申报" % gbk_messages.name(r), 0.45),
    "release_note": gbk_messages.optional(lambda r: "（%s）" % r.choice(["担保放行", "先放后税", "两步申报"]), 0.3),
    "ts": lambda r: "2026-08-19 %02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "money": lambda r: "%.2f" % r.uniform(10, 26000),
    "wan": lambda r: "%d" % r.choice([50, 100, 200, 500, 1000, 3000]),
    "wanleft": lambda r: "%.2f" % r.uniform(0, 3000),
    "pct": lambda r: "%.1f%%" % r.uniform(0.5, 99),
    "kg": lambda r: "%.1f" % r.uniform(2, 28000),
    "bytes": lambda r: str(r.randint(900, 480000)),
    "ms": lambda r: str(r.randint(5, 9000)),
    "mins": lambda r: str(r.randint(5, 240)),
    "hours": lambda r: str(r.randint(4, 72)),
    "hours2": lambda r: "%.2f" % r.uniform(0.3, 40),
    "big": lambda r: str(r.randint(20, 40000)),
    "n": lambda r: str(r.randint(1, 60)),
    "retry": lambda r: str(r.randint(1, 5)),
    "http": gbk_messages.pick(["502", "503", "504", "401"]),
}

TEMPLATES = [
    ("INFO", "报关单申报成功：统一编号{seqno}，申报单位：{company}，监管方式：{tradeway}，申报口岸：{port}，商品{n}项"),
    ("WARN", "报关单{entry}被退单，退单原因：{rejectwhy}{contact}"),
    ("INFO", "海关回执 entry_id={entry} seq_no={seqno} status={rcpt} recv_time={ts}"),
    ("INFO", "清单申报：清单编号{invt}，电商平台：{platform}，订购人{name}，商品：{goods}，申报总价{money}元"),
    ("WARN", "三单对碰失败：清单{invt}，订单号{order}，{mismatch}"),
    ("ERROR", "订购人{name}（身份证{idmask}）年度累计交易额{money}元，超过个人年度交易限值，清单{invt}已退单"),
    ("INFO", "税款计算：清单{invt}，完税价格{money}元，关税0.00元，增值税{money}元，消费税{money}元，按法定应纳税额70%征收"),
    ("INFO", "税款缴纳成功 tax_no={taxno} entry={entry} amount={money} bank={bank} pay_time={ts}"),
    ("ERROR", "税单{taxno}电子支付扣款失败：{bank}返回“{bankerr}”，{mins}分钟后重试"),
    ("WARN", "布控命中：报关单{entry}命中指令{ctrl}，风险类型：{risk}，处置：转{inspmode}"),
    ("INFO", "查验指令下达：报关单{entry}，方式：{inspmode}，查验关员{name}、{name}，集装箱{container}，场地：{yard}"),
    ("INFO", "查验正常：报关单{entry}，查验用时{mins}分钟，关员{name}已签注"),
    ("ERROR", "查验异常：报关单{entry}，{diff}，已移交{dept}处理，关员{name}"),
    ("INFO", "报关单{entry}已放行，提运单号{bl}，放行时间{ts}{release_note}"),
    ("INFO", "清单{invt}已放行，运单号{waybill}，物流企业：{logco}"),
    ("INFO", "舱单申报 bl_no={bl} vessel=\"{vessel}\" voyage={voyage} containers={n} gross_wt={kg}KG sender={sender}"),
    ("WARN", "运抵报告缺失：提运单{bl}（{vessel}/{voyage}），集装箱{container}已超过{hours}小时未收到运抵报告"),
    ("INFO", "理货报告已核销：提运单{bl}，件数{n}件，毛重{kg}千克，理货员{name}"),
    ("INFO", "企业备案通过：{company}，海关编码{cuscode}，统一社会信用代码{uscc}，企业类型：{enttype}"),
    ("WARN", "企业备案变更待审核：{company}（{cuscode}），变更项：{change}，经办人{name}"),
    ("WARN", "企业信用等级调整：{company}由【{credit}】调整为【{credit}】，生效日期2026-09-01"),
    ("INFO", "recv {recvmsg} size={bytes}B from={sender} cost={ms}ms"),
    ("ERROR", "报文解析失败：{file}，XSD校验不通过：{xsderr}"),
    ("DEBUG", "EDI send queue=ceb.out depth={n} inflight={n} oldest_lag={ms}ms"),
    ("INFO", "汇总征税担保：{company}担保额度{wan}万元，已使用{pct}，剩余{wanleft}万元"),
    ("INFO", "退货申请：清单{invt}退货{n}件，原因：{returnwhy}，退货运单{waybill}"),
    ("INFO", "口岸通关时效：{port}今日进口报关单{big}票，平均通关{hours2}小时，查验率{pct}"),
    ("WARN", "归类疑点：商品“{goodsname}”申报编码{hs}，系统建议{hs}，申报要素“{elements}”请核对"),
    ("ERROR", "call single-window api failed path={api} http_status={http} retry={retry} elapsed={ms}ms"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    ms = r.randint(0, 999)
    if form == 0:
        # the declaration client the brokers run labels its records in Chinese
        cn = {"DEBUG": "调试", "INFO": "提示", "WARN": "注意", "ERROR": "错误"}[level]
        return "发生时间 2026-08-19 %02d:%02d:%02d，日志级别 %s，业务环节 %s，关区 %s ◆ " % (
            hh, mm, ss, cn, r.choice(MODULES_CN), r.choice(AREAS))
    if form == 1:
        # the EDI gateway brackets its fields and numbers every record
        return "[CUS-EDI][20260819.%02d%02d%02d][%s][node=edi-%02d][seq=%07d] " % (
            hh, mm, ss, level[0], r.randint(1, 8), r.randint(0, 9999999))
    # the declaration services are Java behind Dubbo, logged by log4j2 with the class and line
    thread = r.choice(THREADS) % (r.randint(1, 40), r.randint(1, 200))
    return "2026-08-19 %02d:%02d:%02d.%03d %-5s [%s] [%s:%d] " % (
        hh, mm, ss, ms, level, thread, r.choice(CLASSES), r.randint(40, 900))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CU", 8 * 3600)
