#!/usr/bin/env python3
"""A GBK log of a chain of dental clinics with its truth.

    bench/make_gbk_dental.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 40 messages of the clinics'
front desks, chairs, imaging, sterilisation room, implant store, billing and insurance desks:
patients checking in, appointments made, rescheduled, cancelled and missed, SMS reminders sent
or not sent, chairs taken and released, waterline disinfection and chair breakdowns, X-ray and
CBCT images taken, uploads to the image archive that fail and sensors that misbehave, medical
records saved, autoclave cycles finished or failed, biological indicators read negative or
positive, instrument packs issued and returned, implants taken out of store and placed, lab
orders sent out and sent back for remaking, payments, refunds granted and refused, payment
callbacks that fail, medical-insurance settlements that pass or fail, commercial claims filed,
approved and denied, consumables running low or near expiry, room temperature and humidity out
of range, the daily report, a database pool running dry and licences about to expire.  They were written to measure the miner on and not to shape it: no
rule was made or tuned on them.  Each message keeps its own frequency, check-ins by the hundred
and a positive biological indicator once in a few thousand lines.  Several pairs differ only in
a word or two (issued / returned packs, negative / positive indicators, SMS sent / not sent),
as an operations team would still call them separate events.  One of three header forms by the
seed.  The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

CLINICS = ["臻悦口腔（望京门诊）", "臻悦口腔（徐家汇旗舰店）", "臻悦口腔（天河 体育西路店）", "臻悦口腔（西湖文化广场店）",
           "臻悦口腔（南山科技园店 3F）", "臻悦口腔（春熙路门诊）", "臻悦口腔·儿童齿科（江北店）"]
CLINIC_CODES = ["BJ03", "SH01", "GZ02", "HZ05", "SZ01", "CD02", "CQ04"]
TITLES = ["主任医师", "副主任医师", "主治医师", "住院医师", "种植专科", "正畸专科", "儿牙专科"]
TREATS = ["口腔检查", "洁牙（超声龈上洁治）", "根管治疗 第2次", "树脂充填", "拔牙（智齿 阻生）", "种植一期手术",
          "种植二期 取模", "正畸复诊", "隐形矫治 戴新牙套", "儿童涂氟", "窝沟封闭", "全瓷冠 试戴", "牙周刮治（分区）",
          "冷光美白", "复查"]
CHANNELS = ["wechat_mp", "phone", "walk_in", "meituan", "app_ios", "app_android", "referral"]
MODALITIES = ["根尖片", "全景片（OPG）", "CBCT 小视野 5×5", "CBCT 大视野 16×10", "头颅侧位片", "咬翼片"]
SENSORS = ["Vixel S2 Plus #01", "Vixel S2 Plus #02", "全景机 PanoLux-900", "CBCT Orion 3D（3诊室）", "IOS 口扫 ZS-5"]
SENSOR_PROBLEMS = ["暗电流偏高，建议重新校准", "USB 连接中断（已自动重连）", "探测器温度41.2℃，超过40℃",
                   "坏点数量 128 个，超过阈值 100", "校准文件已过期（上次校准 2025-11-02）"]
AUTOCLAVES = ["灭菌器A（卡式 QS-6）", "灭菌器B（预真空 23L）", "灭菌器C（预真空 45L）", "低温等离子 PL-100"]
PROGRAMS = ["134℃ 标准程序", "134℃ 快速程序（裸露器械）", "121℃ 橡胶/塑料", "B-D 测试", "真空测试", "Prion 18min"]
ALARMS = [("E12", "真空度不足"), ("E21", "灭菌温度未达到134℃"), ("E33", "门封泄漏"), ("E40", "水质电导率超标"),
          ("E57", "干燥阶段超时"), ("W08", "打印机缺纸，无法输出物理参数")]
PACKS = ["检查盘（口镜、探针、镊子）", "根管器械包", "拔牙包", "种植手术包 Pro", "牙周刮治包", "正畸托槽工具包", "手机（高速涡轮）×2",
         "超声洁牙工作尖"]
DEPTS = ["1诊室", "2诊室", "3诊室（种植）", "4诊室", "儿牙诊室", "VIP诊室", "手术室"]
BIS = ["ZK-Bio 1291", "自含式 BI 24h", "嗜热脂肪杆菌芽孢 BI-134"]
IMPLANT_BRANDS = ["Osteon BLT", "Osteon TL", "康植 Pro-X", "NordImplant SL-Hydro", "安泰 Bio-Lock"]
TEETH = ["11", "12", "16", "21", "24", "26", "27", "36", "37", "38", "46", "47", "48", "55", "85"]
DIAGNOSES = ["慢性牙髓炎", "深龋", "慢性根尖周炎", "牙周炎（II期 B级）", "下颌阻生第三磨牙", "牙列缺损", "牙齿楔状缺损",
             "错颌畸形（安氏II类）", "乳牙滞留", "牙本质敏感"]
BONES = ["，同期植骨 OsteoFill 0.25g", "，同期上颌窦内提升", "，GBR 植骨+胶原膜", "，即刻种植"]
LABS = ["精工义齿（深圳）", "华瓷义齿加工厂", "臻悦中心技工室", "DentArt 数字化中心（杭州）"]
PROSTHS = ["全瓷冠（氧化锆）", "铸瓷贴面（二硅酸锂）", "种植上部基台+冠", "隐形保持器", "活动义齿（钴铬支架）", "嵌体（树脂）",
           "夜磨牙垫"]
SHADES = ["A1", "A2", "A3", "B1", "BL2", "A3.5", "C2"]
REMAKES = ["边缘不密合（>0.1mm）", "咬合高点，患者不适", "颜色与邻牙不符（比色 A2 → 实际 A3）", "接触点过松，食物嵌塞",
           "基台螺丝孔位置偏移", "模型破损，需重新取模"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY", "CASH", "POS_CARD", "YIBAO_ACCT"]
CHARGE_ITEMS = ["挂号费", "检查费", "全景片", "CBCT", "洁牙", "根管治疗", "树脂充填", "麻醉费（阿替卡因）", "拔牙", "全瓷冠",
                "种植体", "骨粉", "正畸月费", "材料费"]
REFUND_REJECTS = ["项目已执行，不可退费", "超出退费时限（30天）", "分期付款中，请先结清", "未提供原始收据"]
ROLES = ["店长", "前台主管", "财务", "区域运营经理"]
REGIONS = ["北京市朝阳区", "上海市", "广州市", "杭州市（省本级）", "深圳市", "成都市（异地就医）", "重庆市江北区"]
INS_FAILS = [("-10021", "参保人状态异常（暂停参保）"), ("E0005", "本项目不在医保目录内"), ("-4003", "个人账户余额不足"),
             ("TIMEOUT", "医保前置机响应超时（>15s）"), ("E1102", "电子凭证已过期，请患者重新出码"),
             ("-9999", "系统繁忙 please try again later")]
INSURERS = ["衡丰人寿", "众禾健康险", "瑞恒保险（团险）", "青岚财险", "平川养老保险"]
DENIALS = ["属于美容类项目，不在保障范围", "等待期内就诊（等待期90天）", "缺少影像资料及诊断证明", "既往症，投保前已存在",
           "超出年度牙科限额 ￥3,000.00"]
CANCEL_REASONS = ["患者临时有事", "身体不适（发烧）", "医生排班调整", "重复预约", "改去其他门店", "天气原因"]
CANCEL_WAYS = ["小程序", "电话", "前台代取消", "系统自动"]
SMS_TEMPLATES = ["就诊提醒（前一天）", "术前须知", "复诊提醒", "账单通知", "术后关怀"]
SMS_ERRORS = ["MOBILE_INVALID", "DAY_LIMIT_EXCEEDED", "BALANCE_NOT_ENOUGH", "SendTimeout",
              "TEMPLATE_PARAM_MISSING"]
# consumable and its unit
CONSUMABLES = [("阿替卡因肾上腺素注射液 1.7ml", "支"), ("光固化树脂 A2 4g", "支"), ("一次性吸唾管", "包"), ("藻酸盐印模材",
               "袋"), ("镍钛根管锉 25mm", "盒"), ("医用检查手套（M）", "盒"), ("种植愈合基台 4.5mm", "个"),
               ("灭菌包装袋 90×230", "卷"), ("氯己定含漱液 250ml", "瓶")]
DISINFECTANTS = ["次氯酸 HOCl", "过氧化氢 H2O2", "二氧化氯 ClO2"]
CHAIR_FAULTS = ["高速手机无水雾", "吸唾负压不足（<-0.05MPa）", "座椅升降电机异响", "照明灯 LED 不亮", "脚控开关失灵",
                "漏水（地箱接头处）", "三用枪无气"]
ROOMS = ["消毒供应室", "药品库", "耗材库（阴凉库）", "影像室", "手术室"]
ROOM_NEEDS = {"消毒供应室": "18～25℃，30%～60%", "药品库": "10～30℃，35%～75%", "耗材库（阴凉库）": "≤20℃，35%～75%",
              "影像室": "18～26℃，≤70%", "手术室": "21～25℃，30%～60%"}
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
EXCEPTIONS = ["java.net.SocketTimeoutException: Read timed out", "javax.net.ssl.SSLHandshakeException: PKIX path building failed",
              "com.fasterxml.jackson.core.JsonParseException: Unexpected character ('<' (code 60))",
              "java.io.IOException: Connection reset by peer"]
DICOM_ERRORS = ["A700 Out of Resources", "0110 Processing failure", "C-STORE timeout (30s)",
                "Association rejected: called AE title not recognized"]
AETITLES = ["ZY_PACS", "ZY_PACS_BAK", "CLOUD_PACS01"]
REPORTS = ["门诊日报", "收费日结", "医保对账单", "种植体使用台账"]
LICENCES = ["医师执业证书", "放射工作人员证", "大型医用设备配置许可", "辐射安全许可证"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def pname(r):
    """A patient's name as the front desk shows it: masked in the middle on most lines."""
    n = name(r)
    if r.random() < 0.7:
        return n[0] + "*" + (n[-1] if len(n) > 2 else "")
    return n


def doctor(r):
    return "%s（%s）" % (name(r), r.choice(TITLES))


def clinic(r):
    k = r.randrange(len(CLINICS))
    _chosen["clinic"] = k
    return CLINICS[k]


def mrn(r):
    return "ZY%s%07d" % (r.choice(CLINIC_CODES), r.randint(0, 9999999))


def apptid(r):
    return "APT-%s-20260509-%04d" % (r.choice(CLINIC_CODES), r.randint(1, 3200))


def chair(r):
    return "%s-CH%02d%s" % (r.choice(CLINIC_CODES), r.randint(1, 12), r.choice(["", "", "A", "B"]))


def slotdate(r):
    """An appointment date in one of the ways the booking services write it."""
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=r.randint(0, 30))
    k = r.randrange(3)
    if k == 0:
        return d.isoformat()
    if k == 1:
        return "%d月%d日（%s）" % (d.month, d.day, "一二三四五六日"[d.weekday()])
    return d.strftime("%Y/%m/%d")


def clock(r):
    h, m = r.randint(8, 20), r.choice([0, 15, 30, 45])
    return "%02d:%02d" % (h, m)


def slot(r):
    h, m = r.randint(8, 19), r.choice([0, 30])
    end = h * 60 + m + r.choice([30, 45, 60, 90])
    return "%02d:%02d-%02d:%02d" % (h, m, end // 60, end % 60)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def study(r):
    return "1.2.840.%d.%d.%d" % (r.randint(10000, 99999), r.randint(1, 99), r.randint(10 ** 6, 10 ** 7 - 1))


def dose(r):
    m = _chosen.get("modality", "")
    if m.startswith("CBCT"):
        return "%.1f" % r.uniform(20, 120)
    return "%.1f" % r.uniform(1, 15)


def modality(r):
    _chosen["modality"] = r.choice(MODALITIES)
    return _chosen["modality"]


def autoclave(r):
    _chosen["ac"] = r.choice(AUTOCLAVES)
    return _chosen["ac"]


def program(r):
    if _chosen["ac"].startswith("低温"):
        return "等离子 标准循环 47min"
    return r.choice(PROGRAMS)


def steriltemp(r):
    if _chosen["ac"].startswith("低温"):
        return "%.1f" % r.uniform(45, 55)
    return "%.1f" % r.uniform(134.0, 137.2)


def sbatch(r):
    return "S%s-0509-%02d" % (r.choice("ABCP"), r.randint(1, 24))


def bdtest(r):
    return "，B-D测试：合格" if r.random() < 0.15 else ""


def alarm(r):
    code, text = r.choice(ALARMS)
    return "告警码%s（%s）" % (code, text)


def pack(r):
    return "PK%s%06d" % (r.choice(CLINIC_CODES), r.randint(0, 999999))


def packexp(r):
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=r.choice([7, 14, 30, 180]))
    return d.strftime("%Y%m%d")


def teeth(r):
    return "、".join(sorted(r.sample(TEETH, r.randint(1, 3))))


def udi(r):
    return "(01)0%013d(17)%s(10)%s" % (r.randint(0, 10 ** 13 - 1),
                                       (datetime.date(2027, 1, 1) + datetime.timedelta(days=r.randint(0, 900))).strftime("%y%m%d"),
                                       lotno(r))


def lotno(r):
    return "%s%04d%s" % (r.choice(["LT", "B", "KX", "2026"]), r.randint(0, 9999), r.choice("ABCDEFGH"))


def labdue(r):
    d = datetime.datetime(2026, 5, 9, 10) + datetime.timedelta(days=r.randint(3, 14))
    return "%d月%d日 %s" % (d.month, d.day, r.choice(["上午", "下午", "前"]))


def charges(r):
    out = []
    for c in r.sample(CHARGE_ITEMS, r.randint(1, 4)):
        n = r.choice([1, 1, 1, 2])
        out.append(c if n == 1 else "%s×%d" % (c, n))
    return "、".join(out)


def money(lo, hi):
    """An amount of yuan, with a thousands separator on some of the larger ones."""
    def make(r):
        v = r.uniform(lo, hi)
        return ("{:,.2f}" if v >= 1000 and r.random() < 0.5 else "{:.2f}").format(v)
    return make


def bill(r):
    return "SF%s%s%05d" % (r.choice(CLINIC_CODES), "20260509", r.randint(1, 99999))


def settle(r):
    return "%s%017d" % (r.choice(["110105", "310000", "440100", "330100", "440300", "510100", "500105"]),
                        r.randint(0, 10 ** 17 - 1))


def insfail(r):
    code, why = r.choice(INS_FAILS)
    return "返回码[%s]，原因：%s" % (code, why)


def claimid(r):
    return "CLM%s%08d" % (r.choice(["AX", "ZH", "TH", "HY", "PC"]), r.randint(0, 10 ** 8 - 1))


def consumable(r):
    _chosen["cons"] = r.choice(CONSUMABLES)
    return _chosen["cons"][0]


def unit(r):
    return _chosen["cons"][1]


def expdate(r):
    _chosen["days"] = r.randint(5, 60)
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=_chosen["days"])
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def certdate(r):
    _chosen["days"] = r.randint(3, 60)
    d = datetime.date(2026, 5, 9) + datetime.timedelta(days=_chosen["days"])
    return r.choice(["%d年%02d月%02d日" % (d.year, d.month, d.day), d.isoformat()])


def room(r):
    _chosen["room"] = r.choice(ROOMS)
    return _chosen["room"]


def envreading(r):
    if r.random() < 0.5:
        return "温度%.1f℃ 湿度%d%%" % (r.uniform(26.5, 31.0), r.randint(40, 60))
    return "温度%.1f℃ 湿度%d%%" % (r.uniform(19.0, 24.5), r.randint(71, 88))


def reportdate(r):
    return r.choice(["2026-05-08", "2026年5月8日", "20260508"])


def ip(r):
    return "10.%d.%d.%d" % (r.randint(10, 40), r.randint(0, 9), r.randint(2, 250))


V = {
    "pname": pname, "doctor": doctor, "name": name, "clinic": clinic, "mrn": mrn, "apptid": apptid,
    "chair": chair, "slotdate": slotdate, "clock": clock, "slot": slot, "phone": phone, "study": study,
    "modality": modality, "dose": dose, "autoclave": autoclave, "program": program, "steriltemp": steriltemp,
    "sbatch": sbatch, "bdtest": bdtest, "alarm": alarm, "pack": pack, "packexp": packexp, "teeth": teeth,
    "udi": udi, "lot": lotno, "labdue": labdue, "charges": charges, "bill": bill, "settle": settle,
    "insfail": insfail, "claimid": claimid, "consumable": consumable, "unit": unit, "expdate": expdate,
    "certdate": certdate, "days": lambda r: str(_chosen["days"]), "room": room,
    "roomneed": lambda r: ROOM_NEEDS[_chosen["room"]], "envreading": envreading, "reportdate": reportdate,
    "ip": ip,
    "treat": pick(TREATS), "channel": pick(CHANNELS), "sensor": pick(SENSORS), "sensorproblem": pick(SENSOR_PROBLEMS),
    "packname": pick(PACKS), "dept": pick(DEPTS), "bi": pick(BIS), "brand": pick(IMPLANT_BRANDS),
    "diag": pick(DIAGNOSES), "lab": pick(LABS), "prosth": pick(PROSTHS), "shade": pick(SHADES),
    "remake": pick(REMAKES), "paych": pick(PAYCH), "refundreject": pick(REFUND_REJECTS), "role": pick(ROLES),
    "region": pick(REGIONS), "insurer": pick(INSURERS), "denial": pick(DENIALS), "cancelreason": pick(CANCEL_REASONS),
    "cancelway": pick(CANCEL_WAYS), "smstpl": pick(SMS_TEMPLATES), "smserr": pick(SMS_ERRORS),
    "disinfect": pick(DISINFECTANTS), "chairfault": pick(CHAIR_FAULTS),
    "httpfail": pick(HTTPFAILS), "exc": pick(EXCEPTIONS), "dicomerr": pick(DICOM_ERRORS), "aet": pick(AETITLES),
    "report": pick(REPORTS), "licence": pick(LICENCES), "depts": items(DEPTS, 1, 3),
    "early": optional(lambda r: "，提前%d分钟到达" % r.randint(3, 40), 0.35),
    "apptnote": optional(lambda r: " remark=\"%s\"" % r.choice(["首诊", "VIP 客户", "需要轮椅", "对青霉素过敏",
                                                                "孕期 20 周"]), 0.3),
    "draft": optional(lambda r: "（%s）" % r.choice(["草稿", "已签名", "待上级医师审核"]), 0.5),
    "bone": optional(lambda r: r.choice(BONES), 0.4),
    "receipt": optional(lambda r: "，电子票据号%s" % r.choice(["BJ", "SH", "GZ"]) + "%010d" % r.randint(0, 10 ** 10 - 1), 0.4),
    "smsid": optional(lambda r: "，msgId=%d^%d" % (r.randint(10 ** 11, 10 ** 12 - 1), r.randint(0, 9)), 0.5),
    "assistant": optional(lambda r: "，助理%s" % name(r), 0.6),
    "paper": optional(lambda r: "，纸质材料%d页" % r.randint(1, 12), 0.3),
    "fault_photo": optional(lambda r: "（附照片%d张）" % r.randint(1, 4), 0.4),
    "age": rint(3, 86), "sex": pick(["男", "女"]), "images": rint(1, 14), "cycle": rint(1, 18),
    "kpa": rint(205, 216), "smin": rint(4, 18), "npacks": rint(6, 60), "bihours": pick(["1", "3", "24", "48"]),
    "dia": pick(["3.3", "3.5", "4.1", "4.5", "4.8", "5.0"]), "len": pick(["8", "10", "11.5", "12", "14"]),
    "nimpl": rint(1, 4), "torque": rint(15, 45), "isq": rint(55, 82), "labid": rint(0, 10 ** 6 - 1, "JG26%06d"),
    "fee": money(15, 26000), "amt": money(80, 18000), "fund": money(20, 1200), "acct": money(0, 600),
    "selfpay": money(5, 900), "files": rint(2, 9), "wdays": rint(3, 15), "late": rint(15, 120), "noshow": rint(1, 4),
    "trade": rint(0, 10 ** 14 - 1, "ZYP%014d"), "try": rint(1, 5), "left": rint(0, 8), "min": rint(10, 30),
    "ppm": real(0.5, 4.0, "%.1f"), "flush": rint(30, 180), "ticket": rint(1, 9999, "WO-2605-%04d"),
    "visits": rint(40, 260), "revenue": money(18000, 320000), "ins": money(2000, 40000),
    "ms": rint(3000, 30000), "active": rint(50, 50), "waiting": rint(8, 140), "cert": rint(0, 10 ** 14 - 1, "%015d"),
    "dur": rint(10, 150), "docs": rint(1, 3),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "appt", "预约签到：患者{pname}（病历号{mrn}），{clinic}，预约时段{slot}，医生{doctor}，项目「{treat}」{early}"),
    (180, "INFO", "chair", "椅位占用：{chair}，患者{pname}，医生{doctor}{assistant}"),
    (150, "INFO", "chair", "chair released chair={chair} duration={dur}min next_state=CLEANING"),
    (130, "INFO", "billing", "收费成功：单号{bill}，患者{pname}，项目：{charges}，实收{fee}元，支付方式【{paych}】{receipt}"),
    (110, "INFO", "imaging", "影像采集完成：检查号{study}，类型《{modality}》，设备「{sensor}」，剂量{dose}μSv，共{images}张"),
    (85, "INFO", "steril", "灭菌锅次完成：{autoclave}第{cycle}锅，程序「{program}」，最高温度{steriltemp}℃，压力{kpa}kPa，维持{smin}分钟{bdtest}"),
    (80, "INFO", "appt", "appointment created id={apptid} channel={channel} patient={pname} date={slotdate} time={clock} doctor={doctor}{apptnote}"),
    (70, "INFO", "sms", "短信提醒发送成功：手机{phone}，模板《{smstpl}》，预约日期{slotdate}{smsid}"),
    (60, "INFO", "emr", "电子病历已保存：病历号{mrn}，{sex}，{age}岁，牙位{teeth}，诊断：{diag}，医生{doctor}{draft}"),
    (50, "INFO", "steril", "器械包发放：包号{pack}（{packname}），灭菌批次{sbatch}，有效期至{packexp}，领用科室{dept}，经手人{name}"),
    (45, "INFO", "steril", "器械包回收：包号{pack}（{packname}），灭菌批次{sbatch}，有效期至{packexp}，交回科室{dept}，经手人{name}"),
    (42, "INFO", "insure", "医保结算成功：流水号{settle}，参保地【{region}】，统筹支付{fund}元，个人账户{acct}元，现金自付{selfpay}元"),
    (36, "INFO", "claim", "商保理赔申请已提交：案件号{claimid}，保险公司「{insurer}」，申请金额￥{amt}，附件{files}份{paper}"),
    (32, "INFO", "appt", "预约取消：预约号{apptid}，患者{pname}，原因：{cancelreason}，取消方式（{cancelway}）"),
    (26, "INFO", "appt", "预约改期：预约号{apptid}，患者{pname}，由{slotdate} {clock}改至{slotdate} {clock}，操作人{name}"),
    (25, "WARN", "appt", "患者爽约：预约号{apptid}，{pname}，预约{slotdate} {clock}，超时{late}分钟未到诊，累计爽约{noshow}次"),
    (24, "INFO", "implant", "种植体出库：品牌「{brand}」，规格Φ{dia}×{len}mm，批号{lot}，UDI {udi}，病历号{mrn}，主刀{doctor}"),
    (18, "INFO", "implant", "种植手术完成：患者{pname}（{mrn}），牙位{teeth}，植入{nimpl}枚，初期稳定性{torque}N·cm，ISQ={isq}{bone}"),
    (17, "INFO", "lab", "技工单已下发：单号{labid}，加工所「{lab}」，修复体《{prosth}》，比色{shade}，预计回件{labdue}"),
    (13, "INFO", "claim", "商保理赔审核通过：案件号{claimid}，保险公司「{insurer}」，核定赔付￥{amt}，预计{wdays}个工作日到账"),
    (12, "INFO", "chair", "牙椅水路消毒完成：{chair}，消毒液「{disinfect}」，有效氯浓度{ppm}mg/L，冲洗{flush}秒"),
    (10, "ERROR", "imaging", "PACS upload failed: study={study} dest={aet}@{ip}:104 status={dicomerr}, retry {try}/5"),
    (9, "WARN", "lab", "技工件返工：单号{labid}，加工所「{lab}」，修复体《{prosth}》，问题：{remake}"),
    (8, "WARN", "sms", "短信提醒发送失败：手机{phone}，模板《{smstpl}》，预约日期{slotdate}，错误码{smserr}"),
    (8, "WARN", "imaging", "影像设备异常：「{sensor}」{sensorproblem}"),
    (7, "ERROR", "billing", "支付回调处理异常：渠道{paych}，商户单号{trade}，HTTP {httpfail}，{exc}"),
    (6, "ERROR", "insure", "医保结算失败：流水号{settle}，参保地【{region}】，{insfail}"),
    (6, "WARN", "claim", "商保理赔审核拒绝：案件号{claimid}，保险公司「{insurer}」，拒赔原因：{denial}"),
    (6, "INFO", "steril", "生物监测结果：{autoclave}，批次{sbatch}，指示剂 {bi}，培养{bihours}小时，结果：阴性（合格）"),
    (5, "INFO", "billing", "退费成功：原单号{bill}，退款{amt}元，原路退回【{paych}】，审批人{name}（{role}）"),
    (5, "WARN", "stock", "耗材库存不足：{consumable}剩余{left}{unit}，低于下限{min}{unit}，{clinic}"),
    (4, "ERROR", "steril", "灭菌失败：{autoclave}第{cycle}锅，{alarm}，本锅{npacks}个器械包已召回重新灭菌"),
    (3, "WARN", "billing", "退费申请驳回：原单号{bill}，申请人{name}，驳回原因：{refundreject}"),
    (3, "ERROR", "chair", "牙椅故障报修：{chair}，故障现象：{chairfault}{fault_photo}，报修人{name}，工单号{ticket}"),
    (2.5, "WARN", "env", "温湿度超限：{room} {envreading}（要求{roomneed}），请及时处理"),
    (2, "WARN", "stock", "耗材近效期：{consumable}，批号{lot}，有效期至{expdate}，剩余{days}天，请优先使用"),
    (1.5, "ERROR", "his", "HikariPool-1 - Connection is not available, request timed out after {ms}ms. (total={active}, waiting={waiting})"),
    (1, "INFO", "report", "日结报表生成完毕：{clinic}，{reportdate}，接诊{visits}人次，营收{revenue}元，其中医保{ins}元，报表《{report}》"),
    (1, "WARN", "hr", "证照到期提醒：{name}的《{licence}》（编号{cert}）将于{certdate}到期，剩余{days}天"),
    (0.8, "ERROR", "steril", "生物监测结果：{autoclave}，批次{sbatch}，指示剂 {bi}，培养{bihours}小时，结果：阳性（不合格），已启动召回"),
]

# the Java service and class each module's lines come from, for the headers
LOGGERS = {"appt": "c.z.d.appt.AppointmentService", "chair": "c.z.d.chair.ChairStateListener",
           "billing": "c.z.d.billing.ChargeService", "imaging": "c.z.d.imaging.AcquireHandler",
           "steril": "c.z.d.cssd.SterilizeRecorder", "sms": "c.z.d.notify.SmsSender",
           "emr": "c.z.d.emr.RecordService", "insure": "c.z.d.insure.YibaoGateway",
           "claim": "c.z.d.claim.ClaimClient", "implant": "c.z.d.implant.ImplantTrace",
           "lab": "c.z.d.lab.LabOrderService", "stock": "c.z.d.stock.ConsumableAlert",
           "env": "c.z.d.iot.EnvMonitor",
           "his": "com.zhenyue.his.db.DataSourceHealth", "report": "c.z.d.report.DailyJob",
           "hr": "c.z.d.hr.LicenceReminder"}
THREADS = ["http-nio-8080-exec-%d", "scheduling-%d", "pool-3-thread-%d", "mq-consumer-%d"]
# module names as the clinics' own desktop client shows them
PLACES = {"appt": "预约挂号", "chair": "椅位管理", "billing": "收费", "imaging": "影像", "steril": "消毒供应",
          "sms": "消息通知", "emr": "电子病历", "insure": "医保接口", "claim": "商保理赔", "implant": "种植体追溯",
          "lab": "技工加工", "stock": "库房", "env": "环境监测", "his": "HIS",
          "report": "报表", "hr": "人事"}
PROGS = {"appt": "appt-svc", "chair": "chair-agent", "billing": "billing", "imaging": "img-gw", "steril": "cssd-bridge",
         "sms": "notifier", "emr": "emr-svc", "insure": "yb-front", "claim": "claim-svc", "implant": "udi-trace",
         "lab": "lab-svc", "stock": "wms-lite", "env": "iot-env", "his": "his-core",
         "report": "report-job", "hr": "hr-cron"}

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 9) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the central services run on the JVM and log the thread and a shortened class name
        return "%s.%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
                                           r.choice(THREADS) % r.randint(1, 24), LOGGERS[module])
    if form == 1:
        # the clinic's desktop client writes the level and module in Chinese and names its clinic and host
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s][%s][%s|ZY-%s-PC%02d][%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, r.choice(CLINIC_CODES),
                                                r.choice(CLINIC_CODES), r.randint(1, 9), PLACES[module])
    # the clinic gateways forward through syslog, with the program, its pid and the level in angle brackets
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %2d %s zy-%s-gw%d %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                                   r.choice(CLINIC_CODES).lower(), r.randint(1, 2), PROGS[module],
                                                   1000 + 37 * len(module) + sum(map(ord, module)) % 997, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "D", 7 * 3600 + 50 * 60, (0, 0, 1, 1, 2, 3, 5))


if __name__ == "__main__":
    main()
