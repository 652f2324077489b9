#!/usr/bin/env python3
"""A GBK log of an elderly-care home's management system with its truth.

    bench/make_gbk_nursing.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 32 messages (residents
moving in and out, ability assessments and care levels changed, medication rounds, doses
missed and refused, bed call buttons, readings from the wearable bands and the abnormal ones,
bands low on battery or offline, fall alarms from the mattress sensors, family visits booked
and cancelled, meal orders and dishes stopped by the diet rules, nurses' shift handovers,
pressure sore risk, care fee bills, payments taken and failed, arrears, door access and the
wandering residents stopped at the door or lost past the fence, doctors' rounds, rehab
sessions, complaints and late replies, uploads to the civil affairs platform), written to
measure the miner on and not to shape it: no rule was made or tuned on them. Each message
has its own weight, as the home's day has it: band readings and doses by the hundred,
lost residents and complaints a few a day. One of three header forms by the seed. The
output depends only on the arguments.
"""


import gbk_messages

items = gbk_messages.items

OLD_GIVEN = ["秀英", "桂兰", "淑珍", "建国", "玉梅", "德福", "凤英", "国华", "素芬", "长林", "秀珍", "玉兰", "振华"]
# residents as the front desk keyed them: nicknames in brackets, a blank in a compound surname
ODD_NAMES = ["欧阳 淑珍", "李桂兰（李奶奶）", "Mary 林", "王秀英(曾用名王秀)", "司马 德福", "陈玉梅（二床老陈）"]
BUILDINGS = ["1号楼", "2号楼", "3号楼", "康复楼", "失智照护楼"]
CARE_LEVELS = ["自理", "介助一级", "介助二级", "介护一级", "介护二级", "特级护理"]
ASSESS = ["入住评估", "定期评估（半年）", "状况变化即时评估", "长护险资格评估"]
ASSESS_NOTE = ["认知障碍明显，建议入住失智专区", "夜间需加强巡视", "家属对结果无异议", "建议配置防压疮床垫"]
# drug, dose and how it is given
DRUGS = [("阿司匹林肠溶片", "100mg", "口服"), ("苯磺酸氨氯地平片（络活喜）", "5mg", "口服"),
         ("二甲双胍缓释片", "0.5g", "口服"), ("盐酸多奈哌齐片", "5mg", "鼻饲"), ("门冬胰岛素注射液 诺和锐", "6U", "皮下注射"),
         ("单硝酸异山梨酯缓释片", "40mg", "口服"), ("乳果糖口服溶液", "15ml", "鼻饲"), ("Metoprolol 美托洛尔", "25mg", "口服"),
         ("布地奈德混悬液", "1mg", "雾化吸入"), ("复方酮康唑乳膏", "适量", "外用")]
REFUSE = ["称已经吃过", "吞咽困难", "情绪激动，拒绝配合", "怀疑药被换过", "恶心想吐"]
RELATIONS = ["长子", "次女", "女儿", "儿媳", "外孙", "侄子", "老伴", "委托监护人"]
LOCATIONS = ["3号楼2层走廊东侧", "花园凉亭", "一楼餐厅（靠窗）", "北门岗亭附近", "康复楼电梯厅", "卫生间（205室）"]
FALLS = ["现场确认：未跌倒（起夜如厕）", "已确认跌倒，左膝擦伤，已通知值班医生", "长者坐于床边地面，无明显外伤",
         "误报（床垫移位）"]
CANCEL = ["家属临时有事", "长者身体不适暂停探视", "院内流感防控暂停探视", "预约时间冲突", "超时未到自动取消"]
MEALS = ["早餐", "午餐", "晚餐", "加餐"]
DISHES = ["小米粥", "清蒸鲈鱼", "肉末蒸蛋", "西兰花", "红烧狮子头", "南瓜泥", "虾仁豆腐", "杂粮馒头", "番茄蛋汤"]
DIETS = ["无", "低盐低脂", "糖尿病饮食", "软食", "流质（鼻饲）", "忌海鲜、忌辛辣", "低嘌呤"]
ALLERGENS = ["虾仁", "高糖", "辛辣调料", "坚果碎", "动物内脏"]
FLOORS = ["1号楼2F护理单元", "3号楼3F护理单元", "失智照护专区（2号楼）", "康复楼 A区"]
SHIFTS = ["白班", "小夜班", "大夜班"]
FOCUS = ["205-2床血压波动", "新入住长者2名", "301-1床鼻饲", "夜间防跌倒", "108床发热观察", "312床家属明日探视"]
PAY_CH = ["微信", "支付宝", "银行转账", "长护险结算", "现金（前台）", "POS刷卡"]
PAY_FAILS = [("ORDERNOTEXIST", "订单不存在"), ("NOTENOUGH", "余额不足"), ("51", "账户余额不足"),
             ("LTC_REJECT", "长护险结算驳回：评估等级不符")]
GATES = ["1号楼大厅门禁（A1）", "北门 人行通道", "失智专区电梯", "地下车库入口", "花园侧门"]
DOCTORS = ["王医生（全科）", "外聘 李主任（心内科）", "Dr. Zhang 张", "刘医生(中医科)", "驻院医师 陈"]
DIAGS = ["高血压3级", "2型糖尿病", "阿尔茨海默病（中度）", "慢性阻塞性肺病", "脑梗死后遗症", "骨质疏松"]
ORDERS = ["继续原方案", "停用单硝酸异山梨酯", "加测血糖一日四次", "建议转上级医院进一步检查", "调整降压药剂量"]
REHAB = ["下肢功率车", "平衡训练", "手功能训练", "言语训练", "步态训练", "八段锦"]
REHAB_EVAL = ["完成良好", "配合度一般", "中途疲劳休息2次", "较上次有进步"]
CMP_TARGET = ["护理员", "膳食", "收费", "保洁", "探视安排"]
CMP_TEXT = ["夜间未按时翻身", "饭菜偏咸", "洗衣丢失衣物（羊毛衫1件）", "探视等候时间过长", "房间空调不制冷",
            "账单中多收了理发费"]
ESCALATE = ["护理部主任", "院长办公室", "质控组"]
CLASSES = ["vital.BandReceiver", "med.MarService", "care.HandoverService", "billing.FeeJob", "access.GateListener",
           "visit.BookingController", "diet.MealOrderService"]
HOSTS = ["nh-core-01", "nh-core-02", "nh-gw-band"]


def resident(r):
    if r.random() < 0.12:
        return r.choice(ODD_NAMES)
    return r.choice(gbk_messages.SURNAMES) + r.choice(OLD_GIVEN)


def bed(r):
    return "%s%d%02d-%d床" % (r.choice(BUILDINGS), r.randint(1, 5), r.randint(1, 30), r.randint(1, 3))


def vitals(r):
    parts = [lambda: "收缩压%dmmHg偏高" % r.randint(160, 200), lambda: "心率%d次/分" % r.choice([r.randint(38, 50),
             r.randint(110, 140)]), lambda: "血氧%d%%" % r.randint(82, 90), lambda: "体温%.1f℃" % r.uniform(37.8, 39.6)]
    return "、".join(f() for f in r.sample(parts, r.randint(1, 2)))


def fees(r):
    bedfee, care, meal = r.choice([1800, 2200, 2600, 3500]), r.choice([600, 1200, 2400, 3800]), r.choice([900, 1050])
    return "床位费%d元、护理费%d元、餐费%d元，合计%d元" % (bedfee, care, meal, bedfee + care + meal)


def braden(r):
    score = r.randint(7, 22)
    risk = "极高危" if score <= 9 else "高危" if score <= 12 else "中危" if score <= 14 else "低危"
    return "Braden评分%d分，风险等级：%s，翻身间隔%d小时" % (score, risk, 2 if score <= 12 else r.choice([3, 4]))


pick, optional = gbk_messages.pick, gbk_messages.optional
V = {
    "res": resident, "name": gbk_messages.name, "bed": bed, "vitalabn": vitals, "fees": fees,
    "carelevel": pick(CARE_LEVELS), "assess": pick(ASSESS), "refuse": pick(REFUSE),
    "drug": lambda r: "%s %s，途径：%s" % r.choice(DRUGS), "drugname": lambda r: r.choice(DRUGS)[0],
    "relation": pick(RELATIONS), "location": pick(LOCATIONS), "cancel": pick(CANCEL), "meal": pick(MEALS),
    "dishes": items(DISHES, 2, 4), "dish": pick(DISHES), "diet": pick(DIETS), "allergen": pick(ALLERGENS),
    "floor": pick(FLOORS), "shift": pick(SHIFTS), "focus": items(FOCUS, 1, 3), "paych": pick(PAY_CH),
    "payfail": lambda r: 'code=%s msg="%s"' % r.choice(PAY_FAILS), "gate": pick(GATES), "doctor": pick(DOCTORS),
    "diag": items(DIAGS, 1, 2), "order": pick(ORDERS), "rehab": items(REHAB, 1, 3), "rehabeval": pick(REHAB_EVAL),
    "cmptarget": pick(CMP_TARGET), "cmptext": pick(CMP_TEXT), "escalate": pick(ESCALATE), "braden": braden,
    "assessnote": optional(lambda r: "，备注：%s" % r.choice(ASSESS_NOTE), 0.4),
    "fallresult": optional(lambda r: "，" + r.choice(FALLS), 0.6),
    "mealnote": optional(lambda r: r.choice(["，需协助喂食", "，送餐到房间", "，家属自带汤一份"]), 0.3),
    "invoice": optional(lambda r: "，已开具电子发票", 0.5),
    "resid": lambda r: "R%06d" % r.randint(1, 3000), "bandid": lambda r: "WB-%s%05d" % (r.choice("ACK"), r.randint(1, 99999)),
    "visitno": lambda r: "TS%s%04d" % (r.choice(["0708", "0709", "0710"]), r.randint(1, 9999)),
    "billno": lambda r: "ZD2026%02d%05d" % (r.randint(1, 7), r.randint(1, 99999)),
    "cmpno": lambda r: "KS-%d" % r.randint(1000, 9999), "gateid": lambda r: "gate-%02d" % r.randint(1, 24),
    "card": lambda r: "%010d" % r.randint(0, 4294967295), "doorres": pick(["granted", "granted", "denied", "timeout"]),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "plan": lambda r: "《长者走失应急预案》%s级响应" % r.choice(["Ⅰ", "Ⅱ", "Ⅲ"]),
    "date": lambda r: "2026-07-%02d" % r.randint(8, 31), "month": lambda r: "2026年%d月" % r.randint(5, 7),
    "slot": lambda r: (lambda h: "%02d:00-%02d:30" % (h, h + r.randint(0, 2)))(r.randint(9, 17)),
    "hm": lambda r: "%02d:%02d" % (r.randint(6, 21), r.choice([0, 15, 30, 45])),
    "hr": lambda r: str(r.randint(52, 105)), "spo2": lambda r: str(r.randint(90, 99)),
    "sys": lambda r: str(r.randint(105, 165)), "dia": lambda r: str(r.randint(60, 98)),
    "temp": lambda r: "%.1f" % r.uniform(36.0, 37.4), "steps": lambda r: str(r.randint(0, 4200)),
    "batt": lambda r: str(r.randint(15, 100)), "lowbatt": lambda r: str(r.randint(2, 14)),
    "age": lambda r: str(r.randint(62, 101)), "adl": lambda r: str(r.choice(range(0, 101, 5))),
    "mmse": lambda r: str(r.randint(4, 30)),
    "money": lambda r: "%.2f" % r.uniform(300, 12000), "status": pick(["500", "502", "504", "429"]),
    "mins": lambda r: str(r.randint(3, 90)), "secs": lambda r: str(r.randint(8, 300)),
    "days": lambda r: str(r.randint(5, 120)), "hours": lambda r: str(r.randint(24, 96)),
    "ms": lambda r: str(r.randint(50, 20000)), "big": lambda r: str(r.randint(40, 400)),
    "n": lambda r: str(r.randint(1, 4))
}

# weight, level, message
TEMPLATES = [
    (2.0, "INFO", "长者{res}办理入住：床位{bed}，护理等级：{carelevel}，经办人{name}"),
    (1.2, "INFO", "长者{res}办理退住：床位{bed}，护理等级：{carelevel}，经办人{name}"),
    (1.5, "INFO", "入住档案已建立：{res}，{age}岁，紧急联系人{name}（{relation}）{phone}，饮食禁忌：{diet}"),
    (2.0, "INFO", "能力评估完成：长者{res}，评估类型：{assess}，ADL评分{adl}分，MMSE {mmse}/30，评定等级：{carelevel}，评估员{name}{assessnote}"),
    (1.0, "INFO", "护理等级调整：{res}（{bed}）由{carelevel}调整为{carelevel}，生效日期{date}"),
    (21.0, "INFO", "给药记录：{bed} {res}，药品：{drug}，执行护士{name}，时间{hm}"),
    (3.0, "WARN", "漏服药提醒：{bed} {res}的{drugname}（{hm}）尚未确认服用，已超时{mins}分钟"),
    (1.0, "WARN", "拒绝服药：{res}拒服{drugname}，原因：{refuse}，已告知家属{name}（{relation}）"),
    (7.0, "INFO", "床头呼叫：{bed}呼叫护理员，{name}已应答，响应时间{secs}秒"),
    (18.0, "DEBUG", "band={bandid} resident={resid} hr={hr} spo2={spo2}% bp={sys}/{dia}mmHg temp={temp} steps={steps} batt={batt}%"),
    (5.0, "WARN", "生命体征异常：{bed} {res}，{vitalabn}，手环{bandid}，已推送责任护士{name}"),
    (1.0, "ERROR", "【跌倒报警】{bed}床垫传感器检测到离床未归{mins}分钟，长者{res}，响应人{name}，响应耗时{secs}秒{fallresult}"),
    (2.5, "WARN", "手环{bandid}电量低：剩余{lowbatt}%，佩戴人{res}（{bed}）"),
    (0.8, "ERROR", "手环{bandid}离线超过{mins}分钟，最后位置：{location}"),
    (4.0, "INFO", "探视预约成功：预约号{visitno}，家属{name}（{relation}，{phone}）探视{res}，时间{date} {slot}，人数{n}人"),
    (1.5, "INFO", "探视预约已取消：预约号{visitno}，家属{name}，取消原因：{cancel}"),
    (8.0, "INFO", "订餐：{bed} {res}，{meal}：{dishes}，饮食禁忌：{diet}{mealnote}"),
    (0.7, "WARN", "膳食冲突拦截：{res}饮食医嘱为{diet}，所订菜品「{dish}」含{allergen}，营养师{name}已更换"),
    (1.5, "INFO", "交接班：{floor} {shift}→{shift}，交班{name}，接班{name}，在院{big}人，重点关注：{focus}"),
    (1.2, "INFO", "压疮风险评估：{res}，{braden}"),
    (2.5, "INFO", "护理费账单已生成：账单号{billno}，长者{res}，{month}{fees}"),
    (2.0, "INFO", "缴费成功：账单号{billno}，缴费人{name}，金额{money}元，方式：{paych}{invoice}"),
    (0.6, "ERROR", "payment failed bill={billno} channel={paych} amount={money} {payfail}"),
    (1.0, "WARN", "欠费提醒：长者{res}（{bed}）已欠费{days}天，欠款{money}元，已短信通知{phone}"),
    (4.0, "INFO", "door access gate={gateid} card={card} person={resid} result={doorres}"),
    (0.9, "WARN", "门禁拦截：防走失名单长者{res}于{hm}试图通过{gate}，门已锁闭，已通知{name}"),
    (0.2, "ERROR", "【走失预警】长者{res}（{bed}）越出电子围栏，最后定位{location}，已启动{plan}"),
    (2.0, "INFO", "医生查房：{doctor}查看{bed} {res}，诊断：{diag}，医嘱：{order}"),
    (2.0, "INFO", "康复训练完成：{res}，项目：{rehab}，时长{mins}分钟，康复师{name}，评价：{rehabeval}"),
    (0.2, "INFO", "投诉登记：工单{cmpno}，投诉人{name}（{res}的{relation}），对象：{cmptarget}，内容：{cmptext}"),
    (0.3, "WARN", "投诉工单{cmpno}已超过{hours}小时未回复，已升级至{escalate}"),
    (0.4, "ERROR", "Failed to upload care records to 民政养老服务平台: POST /api/elderly/v1/records returned {status} (count={big}, cost={ms}ms)"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the core service is Java; its appender writes the thread and the short class name
        return "2026-07-08 %02d:%02d:%02d,%03d [care-exec-%d] %-5s c.y.nh.%s - " % (
            hh, mm, ss, r.randint(0, 999), r.randint(1, 16), level, r.choice(CLASSES))
    if form == 1:
        # the nurse station tablets log the station in angle brackets and the level in Chinese
        cn = {"DEBUG": "调试", "INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "07/08 %02d:%02d:%02d 护理站〈%s〉 %s │ " % (hh, mm, ss, r.choice(FLOORS), cn)
    # the band gateway and the door controllers forward over BSD syslog
    return "Jul  8 %02d:%02d:%02d %s carehub[%d]: <%s> " % (
        hh, mm, ss, r.choice(HOSTS), r.randint(800, 32000), level.lower())


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "N", 6 * 3600 + 40, (0, 0, 1, 2), jitter=(0.8, 1.25))


if __name__ == "__main__":
    main()
