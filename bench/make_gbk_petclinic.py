#!/usr/bin/env python3
"""A GBK log of a chain of pet hospitals' practice management system with its truth.

    bench/make_gbk_petclinic.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (registration
and calling, vaccinations of dogs and cats and the ones put off, lab orders, results normal
and abnormal, analysers dropping off, surgeries confirmed and cancelled, anaesthesia records
and monitor alarms, recovery, boarding and grooming, drugs dispensed, low stock and near
expiry, membership top-ups and points, payments taken and refused, insurance claims filed and
rejected, follow-up calls answered or not, SMS reminders sent and failed, suspected infectious
cases, the stores' daily close), written to measure the miner on and not to shape it: no
rule was made or tuned on them. One of three header forms by the seed. The output depends
only on the arguments.
"""

import gbk_messages

items = gbk_messages.items

# stores as the chain's store list names them, spaces and brackets included
STORES = ["朝阳旗舰店", "望京 24h 急诊中心", "海淀店（五道口）", "亦庄分院", "通州万达店", "西城 猫科专科门诊",
          "天通苑店(二部)"]
# pets' names as owners give them at the front desk
PETS = ["豆豆", "Lucky", "奶糖（二号）", "Mr. Bean", "小黑 Jr", "咪咪", "旺财", "Coco", "橘子", "年糕", "大福 (Daifuku)",
        "球球"]
# species, breed and the weight range in kg the breed comes in
BREEDS = [("犬", "金毛寻回犬", 22, 38), ("犬", "柯基 Pembroke", 9, 15), ("犬", "泰迪（贵宾）", 2, 6),
          ("犬", "中华田园犬", 8, 25), ("犬", "法国斗牛犬", 8, 14), ("猫", "英国短毛猫（蓝白）", 3, 7),
          ("猫", "布偶猫", 4, 9), ("猫", "橘猫", 3, 8), ("猫", "美短 虎斑", 3, 6), ("异宠", "荷兰猪", 0.7, 1.3),
          ("异宠", "垂耳兔", 1.5, 4)]
DEPTS = ["内科", "外科", "皮肤科", "眼科", "牙科", "猫科专科", "急诊", "异宠门诊"]
ROOMS = ["1号诊室", "2号诊室", "猫诊室（安静区）", "急诊室", "手术室A", "手术室B"]
VACCINES = {"犬": ["犬八联（卫佳8）", "犬四联 DHPPi", "狂犬病灭活疫苗"],
            "猫": ["猫三联（妙三多）", "猫白血病疫苗 FeLV", "狂犬病灭活疫苗"]}
VET_NOTES = ["精神沉郁", "近期有腹泻", "正处于发情期", "刚完成驱虫未满3天", "体重偏轻"]
LAB_ITEMS = ["血常规", "生化12项", "SDMA", "尿检", "粪检", "犬瘟热抗原", "猫瘟抗原", "T4", "凝血四项", "心超"]
ANALYZERS = ["IDEXX ProCyte Dx", "迈瑞 BC-5000Vet", "Catalyst One（生化）", "VetScan VS2", "尿液分析仪 UA-66"]
ABNORMAL = ["ALT 312 U/L（参考10-100）", "BUN 58 mg/dL 偏高", "白细胞 32.5×10^9/L 偏高", "血小板 45×10^9/L 偏低",
            "猫瘟抗原阳性", "血糖 26.1 mmol/L 偏高"]
SURGERIES = ["绝育术（公）", "绝育术（母）", "洁牙", "骨折内固定", "肿物切除", "膀胱结石取出术", "眼睑内翻矫正"]
AGENTS = ["isoflurane", "propofol", "alfaxalone", "dexmedetomidine+butorphanol", "zoletil"]
GROOM = ["洗澡", "剪指甲", "清耳道", "挤肛门腺", "修脚底毛", "造型修剪", "药浴", "SPA"]
DRUGS = [("阿莫西林克拉维酸钾片（速诺）", "片"), ("美洛昔康口服液", "瓶"), ("大宠爱 S 体重2.6-5kg", "支"),
         ("耳漂（耳康）", "瓶"), ("非泼罗尼滴剂", "支"), ("头孢维星注射液", "支"), ("处方粮 i/d 2kg", "袋")]
TIERS = ["银卡", "金卡", "钻石卡", "VIP（员工家属）"]
POINT_WHY = ["consume", "top_up", "birthday_bonus", "refund_reverse"]
PAY_CH = ["微信支付", "支付宝", "会员卡余额", "银联刷卡", "现金", "宠物险直付"]
PAY_FAILS = [("wechat", "ORDERPAID", "订单已支付"), ("alipay", "ACQ.TRADE_HAS_CLOSE", "交易已关闭"),
             ("unionpay", "51", "余额不足"), ("member", "CARD_FROZEN", "会员卡已冻结")]
INSURERS = ["安心宠物险", "众安 宠物医疗险", "平安（宠物综合险）", "瑞宠保"]
ATTACH = ["病历", "发票", "检验报告", "处方单", "宠物照片", "手术同意书"]
CLAIM_REJECT = ["等待期内就诊", "既往症不在保障范围", "疫苗未按期接种", "发票抬头与投保人不一致", "绝育手术属责任免除"]
FOLLOWUP = ["恢复良好，已拆线", "食欲一般，建议复诊", "伤口轻微红肿，已预约换药", "主人表示满意"]
SMS_TPL = ["疫苗到期提醒", "驱虫提醒", "复诊提醒", "寄养接回提醒", "生日优惠"]
SMS_ERRS = ["E401 签名不匹配", "E503 provider busy", "号码已停机", "触发频控（1小时内超过5条）"]
DISEASES = {"犬": ["犬细小病毒感染", "犬瘟热", "犬窝咳（传染性气管支气管炎）"],
            "猫": ["猫泛白细胞减少症", "猫传染性腹膜炎（FIP）", "皮肤真菌（猫癣）", "猫杯状病毒感染"]}
LOG_CATS = ["PetHis.Registration", "PetHis.Lab.LisBridge", "PetHis.Surgery", "PetHis.Pharmacy",
            "PetHis.Billing", "PetHis.Crm.Followup", "PetHis.Boarding"]
GO_FILES = ["register.go", "lab.go", "surgery.go", "stock.go", "pay.go", "claim.go", "sms.go"]
DESKS = ["前台收银", "化验室", "手术室", "药房", "美容部", "客服中心", "住院部"]


def pet(r):
    return r.choice(PETS)


def breedweight(r):
    _, breed, lo, hi = r.choice(BREEDS)
    return "%s，%.1fkg" % (breed, r.uniform(lo, hi))


def vaxpet(r):
    species, breed = r.choice([b for b in BREEDS if b[0] in VACCINES])[:2]
    return "%s（%s），疫苗《%s》" % (pet(r), breed, r.choice(VACCINES[species]))


# the drug last drawn, so that the stock counted on the line is in its unit
LAST = {"unit": "支"}


def drug(r):
    name, LAST["unit"] = r.choice(DRUGS)
    return name


def infected(r):
    species, breed = r.choice([b for b in BREEDS if b[0] in DISEASES])[:2]
    return "%s（%s，%s），初诊%s" % (pet(r), breed, V["age"](r), r.choice(DISEASES[species]))


V = {
    "name": gbk_messages.name,
    "store": gbk_messages.pick(STORES),
    "pet": pet,
    "species": lambda r: r.choice(BREEDS)[0],
    "dept": gbk_messages.pick(DEPTS),
    "room": gbk_messages.pick(ROOMS),
    "kind": lambda r: "%s，%s" % r.choice(BREEDS)[:2],
    "vaxpet": vaxpet,
    "vetnote": gbk_messages.pick(VET_NOTES),
    "labitems": items(LAB_ITEMS, 1, 4),
    "analyzer": gbk_messages.pick(ANALYZERS),
    "abn": items(ABNORMAL, 1, 2),
    "surgery": gbk_messages.pick(SURGERIES),
    "agent": gbk_messages.pick(AGENTS),
    "groomitems": items(GROOM, 1, 4),
    "drug": drug,
    "drugunit": lambda r: "%d%s" % (r.randint(0, 40), LAST["unit"]),
    "breedw": breedweight,
    "tier": gbk_messages.pick(TIERS),
    "ptsreason": gbk_messages.pick(POINT_WHY),
    "paych": gbk_messages.pick(PAY_CH),
    "payfail": lambda r: 'channel=%s code=%s msg="%s"' % r.choice(PAY_FAILS),
    "insurer": gbk_messages.pick(INSURERS),
    "attach": items(ATTACH, 2, 5),
    "claimreject": gbk_messages.pick(CLAIM_REJECT),
    "followup": gbk_messages.pick(FOLLOWUP),
    "smstpl": gbk_messages.pick(SMS_TPL),
    "smserr": gbk_messages.pick(SMS_ERRS),
    "infected": infected,
    "isocage": lambda r: "隔离%d号笼" % r.randint(1, 8),
    "discount": gbk_messages.optional(lambda r: "，会员折扣%s折" % r.choice(["9.5", "9", "8.8", "8.5"]), 0.4),
    "fasting": gbk_messages.optional(lambda r: "，术前禁食%d小时" % r.choice([8, 12]), 0.5),
    "food": gbk_messages.optional(lambda r: "，自带口粮：%s" % r.choice(["皇家幼犬粮", "渴望六种鱼", "处方粮"]), 0.35),
    "age": lambda r: r.choice(["%d岁" % r.randint(1, 16), "%d个月" % r.randint(2, 11)]),
    "temp": lambda r: "%.1f" % r.uniform(39.3, 40.8),
    "spo2": lambda r: str(r.randint(84, 99)),
    "hr": lambda r: str(r.randint(60, 200)),
    "rr": lambda r: str(r.randint(8, 40)),
    "asa": lambda r: r.choice(["I", "II", "III", "IV"]),
    "mgkg": lambda r: "%.2f" % r.uniform(0.01, 6),
    "score": lambda r: "%d/10" % r.randint(5, 10),
    "qno": lambda r: "%s%03d" % (r.choice("ABJ"), r.randint(1, 180)),
    "petid": lambda r: "P%08d" % r.randint(1, 99999999),
    "labno": lambda r: "LAB%s%04d" % (r.choice(["0520", "0521"]), r.randint(1, 9999)),
    "anrec": lambda r: "AN-%d" % r.randint(10000, 99999),
    "cage": lambda r: "%s-%02d" % (r.choice(["犬舍A", "犬舍B", "猫舍", "隔离区"]), r.randint(1, 30)),
    "order": lambda r: "SO%d%06d" % (r.randint(1, 7), r.randint(0, 999999)),
    "rx": lambda r: "RX%07d" % r.randint(1, 9999999),
    "lot": lambda r: "%s%d" % (r.choice(["A", "B", "2026"]), r.randint(10000, 99999)),
    "mcard": lambda r: "8800%08d" % r.randint(0, 99999999),
    "policy": lambda r: "PET%d%09d" % (r.choice([2025, 2026]), r.randint(0, 999999999)),
    "claim": lambda r: "CLM-%06d" % r.randint(1, 999999),
    "tplid": lambda r: "SMS_%d" % r.randint(100000000, 999999999),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "money": lambda r: "%.2f" % r.uniform(30, 9000),
    "groomfee": lambda r: "%d.00" % r.choice(range(48, 680, 10)),
    "revenue": lambda r: "%.2f" % r.uniform(20000, 300000),
    "pts": lambda r: str(r.randint(1, 20000)),
    "date": lambda r: "2026-%02d-%02d" % (r.randint(5, 12), r.randint(1, 28)),
    "hm": lambda r: "%02d:%s" % (r.randint(8, 20), r.choice(["00", "30"])),
    "days": lambda r: str(r.randint(1, 21)),
    "dose": lambda r: str(r.randint(1, 3)),
    "mins": lambda r: str(r.randint(15, 240)),
    "ms": lambda r: str(r.randint(40, 8000)),
    "big": lambda r: str(r.randint(10, 300)),
    "n": lambda r: str(r.randint(1, 6)),
}

TEMPLATES = [
    ("INFO", "挂号成功：门店{store}，宠物「{pet}」（{kind}，{age}），主人{name}，科室：{dept}，号序{qno}"),
    ("INFO", "叫号：请{qno}号「{pet}」主人到{room}就诊"),
    ("INFO", "疫苗接种登记：{vaxpet}批号{lot}，第{dose}针，兽医{name}，下次接种{date}"),
    ("WARN", "暂缓接种：{pet}体温{temp}℃，{vetnote}，建议{days}天后复查再接种"),
    ("INFO", "lab order={labno} pet_id={petid} items={labitems} analyzer={analyzer} status=RECEIVED"),
    ("INFO", "化验结果已出：单号{labno}，{pet}，项目：{labitems}，结果：未见明显异常"),
    ("WARN", "化验结果异常：单号{labno}，{pet}，{abn}，已通知主治医师{name}"),
    ("ERROR", "检验设备【{analyzer}】（{store}）通讯中断：LIS接口超时{ms}ms，已重试{n}次"),
    ("INFO", "手术预约已确认：{pet}（{breedw}），术式：{surgery}，主刀{name}，时间{date} {hm}{fasting}"),
    ("INFO", "手术预约已取消：{pet}（{breedw}），术式：{surgery}，主刀{name}，时间{date} {hm}{fasting}"),
    ("DEBUG", "anesthesia rec={anrec} pet={petid} agent={agent} dose={mgkg}mg/kg SpO2={spo2}% HR={hr}bpm RR={rr} ASA={asa}"),
    ("WARN", "【麻醉监护】{room} {pet}血氧{spo2}%低于阈值，心率{hr}次/分，麻醉师{name}已处理"),
    ("INFO", "术后苏醒：{pet}，术式：{surgery}，麻醉时长{mins}分钟，苏醒评分{score}"),
    ("INFO", "寄养入住：{pet}（{species}），笼位{cage}，预计寄养{days}天，押金{money}元{food}"),
    ("INFO", "美容洗护订单{order}已完成：{pet}，服务项目：{groomitems}，美容师{name}，金额{groomfee}元"),
    ("INFO", "药房发药：处方{rx}，{drug}×{n}，宠物{pet}，药师{name}"),
    ("WARN", "库存预警：{drug}当前库存{drugunit}，低于安全库存，门店：{store}"),
    ("WARN", "近效期药品：{drug}，批号{lot}，有效期至{date}，剩余{drugunit}"),
    ("INFO", "会员卡充值：卡号{mcard}，会员{name}（{phone}），充值{money}元，赠送{money}元，等级：{tier}"),
    ("DEBUG", "member points card={mcard} delta={pts} balance={pts} reason={ptsreason}"),
    ("INFO", "收银成功：订单{order}，金额{money}元，支付方式：{paych}{discount}"),
    ("ERROR", "payment failed order={order} amount={money} {payfail}"),
    ("INFO", "宠物险理赔申请已提交：保单号{policy}，{pet}，承保方：{insurer}，就诊费用{money}元，附件：{attach}"),
    ("WARN", "理赔被驳回：保单号{policy}，理赔单{claim}，原因：{claimreject}"),
    ("INFO", "术后回访：{pet}主人{name}（{phone}），回访结果：{followup}，回访人{name}"),
    ("WARN", "回访未接通：{name}（{phone}），已拨打{n}次，下次回访时间{date}"),
    ("INFO", "短信已发送 phone={phone} tpl=【{smstpl}】 pet={pet} cost={ms}ms"),
    ("ERROR", "SMS send error: phone={phone}, tpl_id={tplid}, provider returned {smserr}"),
    ("ERROR", "疑似传染病：{infected}，已转入隔离病房{isocage}，请对{room}进行消毒"),
    ("INFO", "门店日结：{store} {date}，接诊{big}例，手术{n}台，疫苗{big}针，营业额{revenue}元"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the front-desk system is .NET, logged with the timestamp, a three-letter level and the category
        lv = {"DEBUG": "DBG", "INFO": "INF", "WARN": "WRN", "ERROR": "ERR"}[level]
        return "2026-05-20 %02d:%02d:%02d.%03d +08:00 [%s] %s: " % (
            hh, mm, ss, r.randint(0, 999), lv, r.choice(LOG_CATS))
    if form == 1:
        # the integration services are Go, one letter for the level and the file and line
        return "%s0520 %02d:%02d:%02d.%06d %7d %s:%d] " % (
            level[0], hh, mm, ss, r.randint(0, 999999), r.randint(1000, 60000), r.choice(GO_FILES),
            r.randint(30, 600))
    # the stores' terminals write Chinese dates and labels
    cn = {"DEBUG": "调试", "INFO": "提示", "WARN": "注意", "ERROR": "错误"}[level]
    return "2026年05月20日 %02d:%02d:%02d［%s］［%s］ " % (hh, mm, ss, cn, r.choice(DESKS))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "PV", 8 * 3600 + 600, skew=1.6)
