#!/usr/bin/env python3
"""A GBK log of a kindergarten group's campus management system with its truth.

    bench/make_gbk_kindergarten.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (children checked
in at the gate, morning health checks with normal and raised temperatures, pick-ups whose
guardian is verified or turned away, temporary pick-up authorisations, attendance synced
per class, children absent without leave, leave approved, after-hours care, staff door access
granted or denied and doors held open, camera channels found on- or offline, NVR disk failures,
parents watching a classroom stream, meals dispatched to classes, allergy substitutions, food
deliveries accepted or rejected, medicine handed over by parents, infectious-disease warnings,
overdue vaccinations, parent notices delivered or not, class diary posts, fees paid, refunded
and reminded, payment notifications whose signature fails, daily reconciliation differences,
school buses at their stops, a face-recognition service that fails, reports to the district
education platform that fail, monthly attendance reports and a fire alarm that opens every
door), written to measure the miner on and not to shape it: no rule was made or tuned on them.
Several pairs differ only in a word or two (核验通过/核验未通过, granted/denied, 在线/离线,
推送成功/推送失败, 验收合格/验收不合格) and are separate messages. Each message keeps its own
frequency, check-ins and health checks by the hundred, a fire alarm once in a few thousand
lines. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

DAY = datetime.date(2026, 3, 16)  # a Monday in the spring term

# the group's campuses, their short codes (used in ids) and the host each one's server runs on
CAMPUSES = [("滨江园区", "BJ", "kg-bj-app01"), ("梅林一园", "ML", "kg-ml-app01"),
            ("金桥分园（国际部）", "JQ", "kg-jq-app02"), ("春晓园 Spring Campus", "CX", "kg-cx-app01")]
CLASSES = ["托班（苗苗班）", "小一班", "小二班", "小三班（蒙氏）", "中一班", "中二班（双语）", "中三班",
           "大一班（星星班）", "大二班", "大三班", "Sunny Class K2", "学前班 A"]
RELATIONS = ["妈妈", "爸爸", "爷爷", "奶奶", "外公", "外婆", "姑姑", "舅舅"]
HELPERS = ["阿姨（保姆）", "邻居", "小姨", "表哥（已成年）", "司机"]
GATES = ["东门人脸机#1", "东门人脸机#2", "西门接送通道 A", "南门（校车入口）", "1号楼大厅闸机", "北门 Gate-N2"]
VERIFY = ["人脸+接送卡", "人脸识别", "接送卡+短信验证码", "人工核对身份证", "二维码接送码"]
TEMPWAYS = ["额温枪", "耳温枪", "测温门", "水银体温计"]
HEALTHNOTES = ["轻微咳嗽，已提醒多喝水", "流清涕，班级留观", "右手指甲偏长，已告知家长", "带药入园（见服药委托）",
               "口腔内无疱疹；手心正常", "昨晚呕吐1次，家长已说明"]
SYMPTOMS = ["咳嗽", "流涕", "咽部红肿", "精神欠佳", "手心疱疹", "腹泻"]
STAFFROLES = ["保育员", "主班老师", "配班老师", "厨师", "保安", "保健医生", "财务", "园长助理"]
DOORS = ["厨房后门 Kitchen-B", "1F 教职工通道", "保健室", "财务室（2F）", "园长办公室", "食材库房", "监控室 3F-301"]
DENIALS = ["CARD_EXPIRED", "NOT_IN_SCHEDULE（非授权时段）", "ANTI_PASSBACK", "UNKNOWN_CARD", "BLACKLISTED"]
CAMERAS = ["大门口 全景", "操场东侧", "小一班 教室", "中二班 午睡室", "食堂后厨（明厨亮灶）", "滑梯区", "Cam-07 走廊2F",
           "大三班 教室", "接送等候区"]
CAMERRS = ["ERR_RTSP_TIMEOUT", "ERR_AUTH_401", "ERR_NO_SIGNAL", "ERR_POE_POWER", "ERR_STREAM_DECODE"]
MEALTYPES = ["早餐", "早点", "午餐", "午点", "晚餐"]
MENU = ["番茄炒蛋 + 软米饭", "清蒸鲈鱼", "西兰花炒虾仁", "南瓜小米粥", "香菇青菜", "胡萝卜玉米排骨汤", "鸡蛋羹",
        "全麦小餐包", "苹果块", "酸奶（原味 100g）", "肉末豆腐", "紫薯馒头"]
ALLERGENS = ["花生", "芒果", "牛奶（乳糖不耐）", "鸡蛋", "虾蟹", "小麦麸质", "猕猴桃"]
SUBSTITUTES = ["清炒时蔬", "蒸山药", "米糊", "鸡肉丸子", "无蛋小米糕", "豆浆（无糖）"]
NOTICES = ["关于清明节放假安排的通知", "春季传染病预防告家长书", "3月亲子运动会报名", "本周食谱公示（3月16日-3月20日）",
           "家长开放日活动安排", "关于缴纳2026年春季保育费的提醒", "体检通知：请于周三空腹入园"]
CHANNELS = ["微信服务号", "园所APP", "短信", "APP+短信", "家长群机器人"]
PUSHERRS = ["E1203 template not approved", "E4290 rate limited", "SMS_GW_TIMEOUT", "E4031 user unsubscribed",
            "E5000 upstream error"]
# fee item and its usual amount in 元
FEES = [("2026春季保育费", 7800, 16800), ("伙食费（3月）", 420, 780), ("兴趣班·美术 12课时", 960, 1680),
        ("校车费（单程）", 300, 600), ("被褥费", 280, 380), ("延时托管费", 150, 500), ("亲子活动费", 80, 200)]
PAYCH = ["微信支付", "支付宝", "银联云闪付", "对公转账", "POS刷卡"]
LEAVEKINDS = ["病假", "事假", "探亲假", "疫苗接种"]
LEAVENOTES = ["发烧38.2℃，在家观察", "随父母回老家", "去医院复查 过敏原", "接种第二剂疫苗后留观", "家里有事"]
CALLRESULTS = ["家长称生病在家，已补请病假", "电话无人接听，已发短信提醒", "路上堵车，预计9:30到园", "家长忘记请假，今日不来园",
               "号码为空号，转班主任跟进"]
MEDS = ["小儿氨酚黄那敏颗粒", "蒙脱石散", "布洛芬混悬液", "益生菌冲剂", "小儿止咳糖浆", "氯雷他定糖浆"]
DOSES = ["5ml", "半袋（1.5g）", "1袋", "2.5ml", "1/2片"]
SUPPLIERS = ["绿禾农产品配送", "鲜源肉业（合作供应商）", "安心蛋品", "城北粮油批发部", "牧云乳业"]
FOODS = ["猪里脊", "鲈鱼（活鲜）", "西兰花", "鸡蛋", "东北大米", "牛奶 250ml×24", "南瓜", "豆腐"]
FOODPROBLEMS = ["中心温度6.8℃，超出冷链要求", "检疫合格证缺失", "外包装破损、有渗漏", "农残快检结果：阳性",
                "标签无生产日期", "感官异常（有异味）"]
DIARYTOPICS = ["今日午睡很香", "自主进餐进步啦", "美工区：我的春天", "户外活动·拍皮球", "学会自己穿鞋子", "生日会"]
DISEASES = ["手足口病", "疱疹性咽峡炎", "诺如病毒感染", "水痘", "流行性感冒"]
DISINFECTANTS = ["含氯消毒液 500mg/L", "紫外线灯照射 30min", "75%酒精擦拭", "过氧化氢喷雾"]
VACCINES = ["麻腮风疫苗", "乙脑减毒活疫苗", "甲肝疫苗", "百白破疫苗", "流脑A群C群"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
EXCEPTIONS = ["java.net.ConnectException: Connection refused (Connection refused)",
              "javax.net.ssl.SSLHandshakeException: PKIX path building failed",
              "java.net.SocketTimeoutException: Read timed out",
              "HttpStatusException: 401 Unauthorized（token已过期）"]
REFUNDITEMS = ["伙食费（病假）", "校车费", "兴趣班·美术 剩余课时", "2026春季保育费（退园）"]
REFUNDREASONS = ["病假满5天按日退伙食费", "家长申请退班", "线路调整", "家庭搬迁，办理退园"]
STOPS = ["金桥花园东门", "梅林地铁站B口", "阳光新城 北门", "滨江一号 3号岗", "春晓路公交站"]
ZONES = ["厨房", "2F午睡室", "配电间", "多功能厅"]
FIRECONFIRMS = ["误报（厨房蒸汽）", "确认火情，已拨打119并组织疏散", "探头故障，已报修", "误报（施工粉尘）"]
PICKFAILS = ["接送人不在授权名单", "接送卡已挂失", "家长未确认代接申请", "人脸比对相似度低于阈值0.85"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def clock(lo, hi):
    """A time of day between hours lo and hi, as hh:mm."""
    return lambda r: "%02d:%02d" % (r.randint(lo, hi - 1), r.choice([0, 10, 15, 20, 30, 40, 45, 50]))


def day_cn(r, lo, hi):
    d = DAY + datetime.timedelta(days=r.randint(lo, hi))
    return "%d月%d日" % (d.month, d.day)


def mealdate(r):
    """The menu's day, written as the kitchen's three terminals write it."""
    return r.choice(["2026-03-16", "3月16日", "03/16（周一）"])


def campus(r):
    _chosen["campus"] = r.choice(CAMPUSES)
    return _chosen["campus"][0]


def fever(r):
    _chosen["fever"] = r.uniform(37.5, 39.4)
    return "%.1f" % _chosen["fever"]


def refever(r):
    """The second reading of a raised temperature, a little off the first."""
    return "%.1f" % (_chosen["fever"] + r.uniform(-0.4, 0.3))


def pickup(r):
    return "%s（%s）" % (name(r), r.choice(RELATIONS))


def staff(r):
    return "%s（%s）" % (name(r), r.choice(STAFFROLES))


def sid(r):
    return "%s%d%03d" % (r.choice(CAMPUSES)[1], r.choice([2023, 2024, 2025]), r.randint(1, 480))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def feeorder(r, code=None):
    return "FEE20260316%s%05d" % (code or r.choice(CAMPUSES)[1], r.randint(1, 99999))


def feeitem(r):
    _chosen["fee"] = r.choice(FEES)
    return _chosen["fee"][0]


def feemoney(r):
    _, lo, hi = _chosen["fee"]
    return "%.2f" % r.uniform(lo, hi)


def attendance(r):
    """A class's head count as the attendance service reports it, the numbers adding up."""
    expected = r.randint(18, 35)
    leave = r.choice([0, 0, 1, 1, 2, 3, 4])
    absent = r.choice([0, 0, 0, 1, 2])
    present = expected - leave - absent
    return "expected=%d present=%d leave=%d absent=%d rate=%.1f%%" % (
        expected, present, leave, absent, 100.0 * present / expected)


def classid(r):
    return "C%s-%02d%s" % (r.choice(CAMPUSES)[1], r.randint(1, 12), r.choice("ABC"))


def delivered(r):
    total = r.randint(20, 480)
    missed = r.choice([0, 0, 1, 2, r.randint(3, 20)])
    return "%d/%d" % (total - missed, total)


def undelivered(r):
    total = r.randint(20, 480)
    return "%d/%d" % (r.randint(0, total // 2), total)


def leavespan(r):
    start = r.randint(0, 6)
    days = r.choice([1, 1, 1, 2, 3, 5])
    a = DAY + datetime.timedelta(days=start)
    b = a + datetime.timedelta(days=days - 1)
    if days == 1:
        return "%d月%d日，共1天" % (a.month, a.day)
    return "%d月%d日至%d月%d日，共%d天" % (a.month, a.day, b.month, b.day, days)


def meal(r):
    return "、".join(r.sample(MENU, r.randint(2, 4)))


def recon(r):
    due = r.uniform(8000, 260000)
    diff = r.choice([-1, 1]) * r.choice([r.uniform(0.01, 5), r.uniform(100, 2000)])
    return "系统应收%.2f元，渠道实收%.2f元，差额%+.2f元" % (due, due + diff, diff)


def riders(r):
    """The children boarding at a stop: how many, then their names."""
    kids = [name(r) for _ in range(r.randint(1, 4))]
    return "%d人：%s" % (len(kids), "、".join(kids))


def pickfail(r):
    why = r.choice(PICKFAILS)
    if "相似度" in why:
        return "%s（实测%.2f）" % (why, r.uniform(0.41, 0.84))
    return why


def plate(r):
    return "%s%s·%s%04d" % (r.choice("沪浙苏"), r.choice("ABDE"), r.choice("DFK"), r.randint(0, 9999))


def sensor(r):
    return "SD-%d%02d-%X" % (r.randint(1, 3), r.randint(1, 40), r.randint(0x100, 0xFFF))


def lastbeat(r):
    return r.choice(["%02d:%02d:%02d", "2026-03-16 %02d:%02d:%02d"]) % (
        r.randint(5, 8), r.randint(0, 59), r.randint(0, 59))


V = {
    "child": name, "name": name, "pickup": pickup, "staff": staff, "sid": sid, "phone": phone,
    "klass": pick(CLASSES), "classes": lambda r: r.choice(["全园", items(CLASSES, 1, 3)(r)]),
    "campus": campus, "gate": pick(GATES), "verify": pick(VERIFY), "tempway": pick(TEMPWAYS),
    "temp": real(36.0, 37.2), "fever": fever, "refever": refever, "symptoms": items(SYMPTOMS, 1, 2),
    "symptom": pick(SYMPTOMS),
    "healthnote": optional(lambda r: "，备注：%s" % r.choice(HEALTHNOTES), 0.3),
    "doortemp": optional(lambda r: "，测温门读数%.1f℃" % r.uniform(35.9, 37.1), 0.45),
    "door": pick(DOORS), "card": lambda r: "%08X" % r.getrandbits(32), "dir": pick(["IN", "IN", "OUT"]),
    "denial": pick(DENIALS), "cam": pick(CAMERAS), "ch": rint(1, 64, "%02d"), "camerr": pick(CAMERRS),
    "kbps": rint(512, 4096), "loss": real(0, 1.5, "%.2f"), "lastbeat": lastbeat,
    "mealdate": mealdate, "mealtype": pick(MEALTYPES), "menu": meal, "dish": pick(MENU),
    "allergen": pick(ALLERGENS), "subst": pick(SUBSTITUTES),
    "expected": rint(18, 35), "kg": real(1.5, 48.0), "portion": real(3.5, 18.0),
    "notice": pick(NOTICES), "channel": pick(CHANNELS), "delivered": delivered, "undelivered": undelivered,
    "pusherr": pick(PUSHERRS),
    "feeorder": feeorder, "feeitem": feeitem, "feemoney": feemoney, "paych": pick(PAYCH),
    "receipt": optional(lambda r: "，电子收据已发送至%s" % phone(r), 0.5),
    "overdue": optional(lambda r: "，已逾期%d天" % r.randint(1, 45), 0.4),
    "deadline": lambda r: day_cn(r, 1, 14), "due": lambda r: day_cn(r, -30, -1),
    "leavekind": pick(LEAVEKINDS), "leavespan": leavespan, "leavenote": pick(LEAVENOTES),
    "callresult": pick(CALLRESULTS), "med": pick(MEDS), "dose": pick(DOSES),
    "supplier": pick(SUPPLIERS), "food": pick(FOODS), "foodproblem": pick(FOODPROBLEMS),
    "diarytopic": pick(DIARYTOPICS),
    "diaryread": optional(lambda r: "，已读家长%d人" % r.randint(3, 32), 0.5),
    "disease": pick(DISEASES), "disinfectant": pick(DISINFECTANTS), "vaccine": pick(VACCINES),
    "httpfail": pick(HTTPFAILS), "exc": pick(EXCEPTIONS),
    "refunditem": pick(REFUNDITEMS), "refundreason": pick(REFUNDREASONS), "refund": real(35, 4200, "%.2f"),
    "recon": recon, "orders": lambda r: ", ".join(feeorder(r, _chosen["campus"][1]) for _ in range(r.randint(1, 3))),
    "bus": lambda r: "校车%d号线" % r.randint(1, 8), "plate": plate, "stop": pick(STOPS),
    "riders": riders,
    "helper": pick(HELPERS), "id4": lambda r: "%03d%s" % (r.randint(0, 999), r.choice("0123456789X")),
    "pickfail": pickfail, "zone": pick(ZONES), "sensor": sensor, "fireconfirm": pick(FIRECONFIRMS),
    "nvr": lambda r: "%s-NVR%02d" % (r.choice(CAMPUSES)[1], r.randint(1, 4)),
    "slot": rint(1, 8), "sectors": rint(8, 4096), "keepdays": rint(3, 21),
    "classid": classid, "attendance": attendance, "isodate": pick(["2026-03-13", "2026-03-16"]),
    "records": rint(40, 1800),
    "month": pick(["2026年2月", "2026年02月"]), "enrolled": rint(180, 620), "rate": real(81.0, 97.5),
    "fullatt": rint(12, 160), "report": lambda r: "%s出勤月报_202602.xlsx" % _chosen["campus"][1],
    "until": clock(16, 19), "arrive": clock(17, 19), "morning": clock(8, 10), "medtime": clock(10, 16),
    "secs": rint(60, 900), "ms": rint(2, 480), "costms": rint(3000, 15000),
    "photos": rint(1, 9), "pm": rint(2, 60), "workdays": rint(3, 7),
    "sick": rint(2, 9), "days": rint(2, 7), "dosen": rint(1, 4), "retry": rint(5, 30),
    "hourly": pick(["15", "20", "25"]),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "gate", "入园签到：幼儿{child}（{klass}，学号{sid}），{gate}刷脸通过，送园人{pickup}{doortemp}"),
    (200, "INFO", "health", "晨检记录：{child}（{klass}）体温{temp}℃（{tempway}），手口眼检查：正常，晨检老师{name}{healthnote}"),
    (160, "INFO", "gate", "离园接送核验通过：幼儿{child}（{klass}），接送人{pickup}，核验方式：{verify}，{gate}"),
    (110, "INFO", "attend", "attendance.sync class_id={classid} class=\"{klass}\" {attendance} cost={ms}ms"),
    (90, "INFO", "door", "door access granted: door=\"{door}\" card={card} holder={staff} dir={dir}"),
    (75, "INFO", "camera", "视频巡检：通道CH{ch}「{cam}」在线，码率{kbps}kbps，丢包率{loss}%，延迟{ms}ms"),
    (60, "INFO", "meal", "配餐出库：{mealdate} {mealtype}，{klass}应到{expected}人，菜谱：{menu}，出库{portion}kg"),
    (55, "INFO", "notice", "家长通知推送成功：《{notice}》，范围：{classes}，送达{delivered}人，渠道={channel}"),
    (50, "INFO", "fee", "缴费成功：订单号{feeorder}，幼儿{child}（{klass}），项目「{feeitem}」，金额{feemoney}元，支付方式：{paych}{receipt}"),
    (40, "INFO", "attend", "请假审批通过：幼儿{child}（{klass}），类型={leavekind}，{leavespan}，原因：「{leavenote}」，审批人{name}老师"),
    (30, "WARN", "health", "晨检异常：{child}（{klass}）体温{fever}℃，复测{refever}℃，症状：{symptoms}，已通知{pickup}接回，晨检老师{name}"),
    (28, "INFO", "meal", "过敏提醒：{child}（{klass}）过敏原【{allergen}】，今日{mealtype}「{dish}」已替换为「{subst}」，确认人{name}"),
    (26, "INFO", "bus", "校车到站：{bus}（{plate}）到达「{stop}」，上车{riders}，随车老师{name}"),
    (22, "INFO", "camera", "家长在线看园：{pickup}（{child}的家长）观看「{cam}」{pm}分钟"),
    (18, "INFO", "notice", "家园联系册：{name}老师在{klass}发布「{diarytopic}」，照片{photos}张{diaryread}"),
    (14, "WARN", "gate", "离园接送核验未通过：幼儿{child}（{klass}），接送人{pickup}，核验方式：{verify}，{gate}，原因：{pickfail}，已通知班主任{name}"),
    (12, "WARN", "door", "door access denied: door=\"{door}\" card={card} holder={staff} dir={dir} reason={denial}"),
    (12, "INFO", "attend", "延时托管签到：{klass}{child}，家长预计{arrive}到园，托管老师{name}，计费{hourly}元/小时"),
    (10, "INFO", "meal", "食材验收合格：供应商「{supplier}」，品名{food}，到货{kg}kg，索证索票齐全，验收人{name}"),
    (9, "WARN", "attend", "未到园且未请假：{klass}幼儿{child}截至{morning}未入园，已电话联系{pickup}（{phone}），结果：{callresult}"),
    (8, "WARN", "camera", "视频巡检：通道CH{ch}「{cam}」离线，最后心跳{lastbeat}，错误码{camerr}，已派单给{name}（信息组）"),
    (8, "INFO", "health", "服药委托登记：{child}（{klass}），药品《{med}》，用量{dose}，服药时间{medtime}，委托人{pickup}，执行人{name}（保健医生）"),
    (7, "WARN", "notice", "家长通知推送失败：《{notice}》，范围：{classes}，送达{undelivered}人，渠道={channel}，errcode={pusherr}"),
    (6, "INFO", "fee", "欠费提醒已发送：{child}（{klass}）「{feeitem}」待缴{feemoney}元，截止{deadline}{overdue}"),
    (6, "INFO", "gate", "临时接送授权：{child}（{klass}）今日由{name}（{helper}，身份证后四位{id4}）代接，授权人{pickup}，有效期至{until}"),
    (5, "INFO", "fee", "退费办理：幼儿{child}，「{refunditem}」退费{refund}元（{refundreason}），经办人{name}，预计{workdays}个工作日原路退回"),
    (3.5, "ERROR", "fee", "pay notify verify failed: out_trade_no={feeorder} sign_type=RSA2 code=INVALID_SIGNATURE，已转人工对账"),
    (3.5, "ERROR", "gate", "face verify error: terminal=\"{gate}\" HTTP {httpfail}, fallback=接送卡+人工核验, cost={costms}ms"),
    (3, "WARN", "meal", "食材验收不合格：供应商「{supplier}」，品名{food}，到货{kg}kg，问题：{foodproblem}，已拒收并拍照留档"),
    (3, "WARN", "door", "门磁告警：「{door}」开启超过{secs}秒未关闭，当前值班：{staff}"),
    (2.5, "ERROR", "report", "考勤数据上报区教育平台失败：园区={campus}，日期={isodate}，记录{records}条，异常：{exc}，{retry}分钟后重试"),
    (2, "WARN", "health", "传染病预警：{klass}近{days}日累计{sick}名幼儿出现{symptom}，疑似《{disease}》，已启动班级消毒（{disinfectant}），上报保健医生{name}"),
    (2, "ERROR", "camera", "NVR {nvr} disk slot={slot} status=FAILED SMART reallocated_sectors={sectors}，录像保留天数由30天降至{keepdays}天"),
    (2, "WARN", "fee", "日终对账差异：{campus}，{recon}，涉及订单：{orders}"),
    (1.8, "WARN", "health", "疫苗接种提醒：{child}（{klass}）《{vaccine}》第{dosen}剂逾期未接种（应于{due}前完成），请保健医生{name}跟进"),
    (1.5, "INFO", "report", "月度出勤统计已生成：{campus}{month}，在籍{enrolled}人，平均出勤率{rate}%，全勤{fullatt}人，报表《{report}》"),
    (1.5, "ERROR", "door", "消防联动触发：{campus}{zone}烟感报警（探头{sensor}），全部门禁已切换为常开，值班人{name}确认结果：{fireconfirm}"),
]

# the Java back end's thread and logger of each module, for the first header form
THREADS = {"gate": ["pickup-worker-%d", "http-nio-8080-exec-%d"], "health": ["http-nio-8080-exec-%d"],
           "attend": ["scheduling-%d", "attend-sync-%d"], "door": ["acs-listener-%d"],
           "camera": ["nvr-poller-%d", "http-nio-8080-exec-%d"], "meal": ["http-nio-8080-exec-%d"],
           "notice": ["push-pool-%d"], "fee": ["pay-notify-%d", "http-nio-8080-exec-%d"],
           "bus": ["gps-consumer-%d"], "report": ["scheduling-%d"]}
LOGGERS = {"gate": "c.h.campus.gate.PickupService", "health": "c.h.campus.health.MorningCheck",
           "attend": "c.h.campus.attend.AttendanceJob", "door": "c.h.campus.acs.DoorEventHandler",
           "camera": "c.h.campus.video.StreamMonitor", "meal": "c.h.campus.canteen.MealService",
           "notice": "c.h.campus.notice.PushSender", "fee": "c.h.campus.fee.PaymentService",
           "bus": "c.h.campus.bus.BusTracker", "report": "c.h.campus.report.EduUploader"}
# the Chinese desk client names the module in its own words
MODULES_CN = {"gate": "接送管理", "health": "卫生保健", "attend": "考勤", "door": "门禁", "camera": "视频监控",
              "meal": "膳食管理", "notice": "家园共育", "fee": "收费", "bus": "校车", "report": "数据上报"}
PIDS = {"gate": 2108, "health": 2114, "attend": 2231, "door": 3306, "camera": 3412, "meal": 2120,
        "notice": 4017, "fee": 4420, "bus": 5103, "report": 2231}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(DAY.year, DAY.month, DAY.day) + datetime.timedelta(seconds=t)
    if form == 0:
        # the group's Java back end logs with milliseconds, the thread in brackets and the logger
        thread = r.choice(THREADS[module]) % r.randint(1, 12)
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), thread,
                                           level, LOGGERS[module])
    if form == 1:
        # the campus desk client writes the level in Chinese and the campus with the module
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%d年%02d月%02d日 %s] [%s] [%s/%s] " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn,
                                                     campus(r), MODULES_CN[module])
    # the campus servers forward to a syslog collector: host, program[pid], a short level word
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %2d %s %s campus-%s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                                 r.choice(CAMPUSES)[2], module, PIDS[module], word)


def main():
    # the day starts before the gates open at a quarter to seven
    gbk_messages.main_weighted(TEMPLATES, V, header, "Y", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3, 5))


if __name__ == "__main__":
    main()
