#!/usr/bin/env python3
"""A GBK log of a city zoo's operations system with its truth.

    bench/make_gbk_zoo.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages: tickets checked
at the gates or refused, annual-card face matches that pass or fail, gate controllers that drop
out, online ticket orders paid, refunds that go through or not, tour groups checked in, a ticket
partner's stock push that fails; feeding done, animals that eat too little, feed received and
feed running low; enclosure sensor readings, temperatures out of range, sensors gone silent and
pool water out of limits; routine health checks that are fine and that find something, drugs
given, vaccinations, an anaesthesia alarm and a birth; keepers clocking in, shift hand-overs,
missed clock-ins, enclosure rounds and a door left unlocked; visitor counts and crowding
alarms, pushchairs and wheelchairs lent and returned, a lost child, lost property, complaints
and visitors caught feeding the animals; keeper talks started and called off.  They are written
to measure the miner on and not to shape it: no rule was made or tuned on them.  Each message
keeps its own frequency, gate checks and sensor readings by the hundred, an unlocked door
or a birth once in a thousand lines or so.  One of three header forms by the seed.  The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# species, its house, the keepers' names for the animals, id prefix, body weight range in kg,
# what it is fed with the usual kg of each per feeding
ANIMALS = [
    ("大熊猫", "熊猫馆（A区）", ["福宝", "圆仔", "萌兰", "和花"], "DXM", 85, 125,
     [("竹子", 6, 15), ("竹笋", 1, 4), ("窝窝头", 0.3, 1), ("苹果", 0.2, 0.6)]),
    ("东北虎", "猛兽区 虎山", ["虎妞", "大王", "阿吉"], "DBH", 150, 240,
     [("牛肉", 4, 8), ("鸡架", 1, 3), ("兔肉（整只）", 1, 2.5)]),
    ("非洲狮", "猛兽区 狮园", ["辛巴", "娜娜", "雷欧"], "FZS", 120, 210,
     [("牛肉", 4, 7), ("鸡架", 1, 3)]),
    ("长颈鹿", "非洲草原区·长颈鹿馆", ["高高", "小斑", "丽丽"], "CJL", 600, 1150,
     [("苜蓿草", 8, 15), ("胡萝卜", 1, 3), ("树叶枝条", 3, 8), ("精饲料", 1, 2.5)]),
    ("亚洲象", "大象馆（2号展区）", ["阿宝", "蓝蓝"], "YZX", 2600, 4300,
     [("干草", 40, 80), ("香蕉", 3, 8), ("甘蔗", 5, 12), ("南瓜", 3, 6)]),
    ("川金丝猴", "灵长类馆 2号笼舍", ["金金", "毛毛", "豆豆", "小白"], "JSH", 8, 18,
     [("树叶", 0.5, 1.5), ("苹果", 0.2, 0.5), ("窝窝头", 0.1, 0.3), ("花生", 0.05, 0.15)]),
    ("帝企鹅", "极地馆（B1 企鹅池）", ["波波", "小黑", "团长"], "QE", 20, 38,
     [("鲱鱼", 1, 3), ("毛鳞鱼", 0.5, 2)]),
    ("小熊猫", "小熊猫园", ["团团", "乐乐", "果果"], "XXM", 3, 6,
     [("竹叶", 0.3, 1), ("苹果", 0.1, 0.3), ("专用颗粒料", 0.05, 0.2)]),
    ("河马", "河马馆", ["胖胖", "嘟嘟"], "HM", 1300, 2600,
     [("干草", 20, 40), ("青菜", 5, 12), ("西瓜", 3, 8)]),
    ("斑马", "非洲草原区", ["条条", "斑斑"], "BM", 200, 360,
     [("干草", 6, 12), ("胡萝卜", 1, 2), ("精饲料", 1, 2)]),
]
# a newborn's weight range in kg, by species
NEWBORN = {"大熊猫": (0.08, 0.2), "东北虎": (0.8, 1.5), "非洲狮": (1.1, 2.0), "长颈鹿": (50, 70), "亚洲象": (80, 120),
           "川金丝猴": (0.4, 0.6), "帝企鹅": (0.25, 0.35), "小熊猫": (0.1, 0.15), "河马": (25, 50), "斑马": (25, 40)}
GATES = ["东门 3号闸", "东门1号闸机", "南门2号闸", "西门（停车场入口）1号闸", "北门团队通道", "南门 无障碍通道"]
TICKETTYPES = ["成人票", "儿童票（1.2-1.5米）", "老年票（60岁以上）", "学生票", "亲子套票（1大1小）", "夜游票【限时】",
               "成人票+熊猫馆预约"]
VERIFY = ["QR", "IDCARD", "FACE", "NFC"]
GATEFAILS = ["票已使用（首次核验 09:12:44）", "非当日票，游玩日期为2026-04-19", "二维码已过期", "订单已退款",
             "儿童票须由成人陪同", "身份证与订单信息不符"]
GATEDEVS = ["GATE-E03", "GATE-E01", "GATE-S02", "GATE-W01", "GATE-N-TEAM"]
GERRS = [("ETIMEDOUT", "连接超时"), ("ECONNRESET", "连接被重置"), ("RS485_CRC", "串口校验错误"),
         ("MOTOR_STALL", "翼闸电机堵转")]
PAYCH = ["wxpay", "alipay", "unionpay", "douyin_mini", "cash_window"]
REFUNDFAILS = ["已过退票截止时间（游玩日前一天17:00）", "门票已核验入园", "支付渠道返回 REFUND_ACCOUNT_FROZEN",
               "套票中部分项目已使用", "退款金额超过可退余额"]
AGENCIES = ["青禾国际旅行社", "远山假期（城东门店）", "启明研学教育", "乐途旅游有限公司", "市第三实验小学（春游）"]
OTAS = ["TRIPSTAR", "youyou-ota", "GoFun Travel", "xingcheng_partner"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
SIGNS = ["精神萎靡", "粪便稀软", "饮水量增加", "独处不愿活动", "呕吐1次", "食欲减退"]
FODDERS = ["苜蓿草（压缩块）", "新鲜竹子", "冷冻牛肉", "鲱鱼（冷冻 10kg/箱）", "窝窝头原料", "灵长类专用颗粒料",
           "胡萝卜", "整鸡（去内脏）"]
SUPPLIERS = ["禾丰牧草", "青山竹业合作社", "鲜源冻品", "北港水产（冷链）", "本市农产品批发市场"]
TRANGES = [(18, 26), (10, 22), (12, 20), (22, 28), (16, 24)]  # set ranges in ℃
HVAC = ["空调机组", "喷雾降温", "排风扇", "遮阳帘", "新风系统"]
POOLS = ["企鹅池（B1）", "河马馆主池", "水禽湖 西岸", "海狮表演池", "两栖馆 3号缸"]
SYMPTOMS = ["左前肢跛行", "眼部分泌物增多", "体表脱毛", "腹泻", "咳嗽", "体重下降", "牙龈红肿", "皮肤擦伤"]
TREATS = ["隔离观察48小时", "采血送检（血常规、生化）", "外用碘伏消毒", "调整饲喂方案", "安排X光检查", "口服益生菌"]
DRUGS = ["阿莫西林克拉维酸钾片", "美洛昔康注射液", "伊维菌素", "头孢噻呋钠", "蒙脱石散", "维生素B族"]
ROUTES = ["口服", "肌肉注射", "皮下注射", "外用", "混饲"]
VACCINES = ["犬瘟热疫苗", "狂犬病疫苗", "禽流感H5+H7二价灭活疫苗", "破伤风类毒素", "猫三联疫苗"]
RESCUES = ["降低异氟烷浓度至1.5%", "吸氧并辅助通气", "静推多沙普仑", "暂停手术，复温处理"]
AREAS = ["猛兽区", "灵长区", "熊猫馆", "非洲草原区", "鸟语林", "极地馆", "两栖爬行馆", "儿童动物园"]
SHIFTS = ["早班 07:00-15:00", "中班 11:00-19:00", "晚班 15:00-23:00", "夜班"]
HANDNOTES = ["虎妞今日未排便，请留意", "2号笼舍门锁有点涩", "下午有兽医复查", "饲料间冰柜温度偏高，已报修",
             "游客投喂情况较多，注意巡视"]
CHECKS = ["门锁", "围网", "电网", "饮水器", "摄像头", "隔离门", "排水沟", "栖架"]
ZONES = ["熊猫馆入口", "猛兽区观景台", "长颈鹿喂食平台", "儿童动物园", "极地馆B1通道", "东门广场",
         "鸟语林 观鸟步道", "中心湖餐饮区"]
MEASURES = ["", "（单向通行）", "，已增派安保2人", "，熊猫馆改为预约入场"]
# what is lent and its deposit in 元
RENTALS = {"儿童推车": "100", "双人婴儿车 B款": "200", "轮椅": "300", "电动代步车": "500", "讲解器（中/英）": "100"}
POINTS = ["东门游客中心", "南门服务点", "熊猫馆服务站", "中心湖 2号服务点"]
CLOTHES = ["红色外套", "蓝白条纹T恤", "黄色雨衣", "粉色连衣裙", "黑色卫衣（印有小恐龙）"]
LOSTITEMS = ["黑色双肩包", "iPhone 手机（白色）", "儿童水壶", "钱包（内有身份证）", "遮阳伞", "儿童外套", "车钥匙",
             "相机 Canon EOS"]
CHANNELS = ["12345热线", "官方小程序", "现场", "OTA评价", "园长信箱"]
COMPLAINTS = ["熊猫馆排队超过1小时", "餐饮价格过高", "讲解器无法使用", "卫生间排队时间长", "工作人员态度不好",
              "停车场收费与公示不符", "夜游灯光秀取消未提前通知"]
DEPTS = ["游客服务部", "安保部", "商业运营部", "动物管理部", "票务中心"]
FOODS = ["面包", "薯片", "饮料瓶", "不明食物", "爆米花"]
SHOWS = ["Hello 企鹅 · 极地小课堂", "大熊猫的一天", "猛禽飞行展示", "象的故事（科普讲解）", "金丝猴家族"]
VENUES = ["极地馆剧场", "熊猫馆讲解台", "鸟语林 表演广场", "大象馆外场", "科普教育中心 2楼"]
CANCELS = ["天气原因（雷阵雨预警）", "动物状态不佳", "讲解员临时请假", "场地设备故障", "园区临时限流"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def choose(r):
    _chosen["a"] = r.choice(ANIMALS)
    _chosen["nick"] = r.choice(_chosen["a"][2])
    return _chosen["a"]


def animal(r):
    return choose(r)[0]


def where(r):
    return choose(r)[1]


def aid(r):
    """The chosen animal's registry number."""
    return "%s-%s%03d" % (_chosen["a"][3], r.choice(["2016", "2019", "2021", "2023"]), r.randint(1, 40))


def aidonly(r):
    choose(r)
    return aid(r)


def weight(r):
    lo, hi = _chosen["a"][4:6]
    return "%.1f" % r.uniform(lo, hi) if hi < 50 else "%d" % r.randint(lo, hi)


def feeds(r):
    """Some of what the chosen animal eats, each with its kg; keeps the sum for {feedkg}."""
    out, total = [], 0.0
    for what, lo, hi in r.sample(_chosen["a"][6], r.randint(1, len(_chosen["a"][6]))):
        q = round(r.uniform(lo, hi), 1 if hi >= 1 else 2)
        total += q
        out.append(("%s %.1fkg" if hi >= 1 else "%s %.2fkg") % (what, q))
    _chosen["feedkg"] = total
    return "、".join(out)


def day(r, lo, hi, fmt):
    d = datetime.date(2026, 4, 18) + datetime.timedelta(days=r.randint(lo, hi))
    return fmt(d)


def hhmm(r):
    return "%02d:%02d" % (r.randint(7, 21), r.randint(0, 59))


def ticket(r):
    return "ZT%s%07d" % (r.choice(["260418", "260418", "260417", "260419"]), r.randint(0, 9999999))


def order(r):
    return "TO%d%s" % (r.randint(10 ** 11, 10 ** 12 - 1), r.choice("ABCDEFGH"))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def masked(r):
    """A card holder's name as the gate shows it, the middle hidden."""
    n = name(r)
    return n[0] + "*" + n[-1] if len(n) == 3 else n[0] + "*"


def gatedev(r):
    _chosen["g"] = r.choice(GERRS)
    return r.choice(GATEDEVS)


def node(r):
    return "ENV-%s%02d-%s%d" % (r.choice("ABCDEFG"), r.randint(1, 24), r.choice(["T", "H", "W", "TH"]), r.randint(1, 4))


def lastseen(r):
    at = datetime.datetime(2026, 4, 18, 8, 0) + datetime.timedelta(seconds=r.randint(0, 7200))
    return at.strftime(r.choice(["%Y-%m-%d %H:%M:%S", "%Y/%m/%d %H:%M:%S", "%Y%m%dT%H%M%S"]))


def trange(r):
    _chosen["t"] = r.choice(TRANGES)
    return "%d～%d℃" % _chosen["t"]


def crowd(r):
    _chosen["limit"] = r.choice([800, 1200, 1500, 2000, 3000])
    return str(int(_chosen["limit"] * r.uniform(1.01, 1.35)))


def inpark(r):
    _chosen["in"] = r.randint(1200, 26000)
    return str(_chosen["in"])


def booked(r):
    _chosen["booked"] = r.randint(20, 300)
    return str(_chosen["booked"])


def rentitem(r):
    _chosen["rent"] = r.choice(sorted(RENTALS))
    return _chosen["rent"]


def birth(r):
    return "%d日 %02d:%02d" % (r.choice([16, 17, 18]), r.randint(0, 23), r.randint(0, 59))


def cubs(r):
    _chosen["cubs"] = r.randint(1, 2)
    return str(_chosen["cubs"])


def babies(r):
    lo, hi = NEWBORN[_chosen["a"][0]]
    return "，".join("%d号幼崽%s，体重%.2fkg" % (k + 1, r.choice(["雄性", "雌性", "性别待定"]), r.uniform(lo, hi))
                    for k in range(_chosen["cubs"]))


def child(r):
    return r.choice(["男孩", "女孩"]) + r.choice(["“%s”" % r.choice(["乐乐", "豆豆", "朵朵", "小宇"]), name(r)])


V = {
    "name": name, "phone": phone, "masked": masked, "ticket": ticket, "order": order,
    "animal": animal, "where": where, "sp": lambda r: _chosen["a"][0], "nick": lambda r: _chosen["nick"],
    "aid": aid, "aidonly": aidonly, "wt": weight, "feeds": feeds, "feedkg": lambda r: "%.2f" % _chosen["feedkg"],
    "gate": pick(GATES), "tickettype": pick(TICKETTYPES), "verify": pick(VERIFY), "gatefail": pick(GATEFAILS),
    "gatedev": gatedev, "gerr": lambda r: _chosen["g"][0], "gmsg": lambda r: _chosen["g"][1],
    "card": lambda r: "NK-%d-%05d" % (r.choice([2025, 2026]), r.randint(0, 99999)),
    "hiscore": real(0.86, 0.99, "%.3f"), "loscore": real(0.21, 0.69, "%.3f"),
    "group": optional(lambda r: "，同行%d人" % r.randint(1, 5), 0.35),
    "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 8), r.randint(10, 250)),
    "paych": pick(PAYCH), "money": real(20, 680, "%.2f"), "qty": rint(1, 6),
    "visitdate": lambda r: day(r, 0, 14, lambda d: d.isoformat()),
    "refundnote": optional(lambda r: "，预计%d个工作日内到账" % r.randint(1, 7), 0.5),
    "refundfail": pick(REFUNDFAILS),
    "agency": pick(AGENCIES), "team": lambda r: "TD%s-%03d" % (r.choice(["0418", "0418", "0417"]), r.randint(1, 300)),
    "adults": rint(2, 45), "kids": rint(0, 60), "guidecert": rint(0, 10 ** 6 - 1, "D-3301-%06d"),
    "ota": pick(OTAS), "httpfail": pick(HTTPFAILS), "try": rint(1, 5), "ms": rint(1800, 30000),
    "emp": rint(1001, 1899, "Z%04d"), "lowpct": rint(15, 55), "sign": pick(SIGNS),
    "fodder": pick(FODDERS), "fodderkg": real(50, 1800, "%.1f"), "supplier": pick(SUPPLIERS),
    "batch": lambda r: "FD2604%02d%s" % (r.randint(1, 18), r.choice(["A", "B", "C", "-01", "-02"])),
    "quarantine": optional(lambda r: "，动物检疫合格证明编号%s%08d" % (r.choice(["A33", "B37", "A44"]),
                                                                 r.randint(0, 10 ** 8 - 1)), 0.4),
    "lowkg": real(3, 80, "%.1f"), "days": rint(1, 3),
    "node": node, "temp": real(8, 29), "hum": rint(35, 92),
    "water": optional(lambda r: " water_temp=%.1f℃" % r.uniform(2, 24), 0.3),
    "trange": trange, "hot": lambda r: "%.1f" % (_chosen["t"][1] + r.uniform(0.5, 7)),
    "mins": rint(5, 95), "hvac": pick(HVAC), "lostsecs": rint(120, 3600), "lastseen": lastseen,
    "pool": pick(POOLS), "nh3": real(0.55, 2.4, "%.2f"), "ph": real(6.2, 9.1, "%.2f"), "do": real(2.8, 7.5),
    "pct": rint(20, 60),
    "btemp": real(36.6, 39.4), "symptoms": items(SYMPTOMS, 1, 3), "treat": pick(TREATS),
    "drug": pick(DRUGS), "dose": lambda r: r.choice(["%.1fmg/kg", "%.0fmg", "%.1fml"]) % r.uniform(0.5, 50),
    "route": pick(ROUTES), "dday": rint(1, 3), "dtotal": rint(3, 14),
    "n": rint(2, 24), "vaccine": pick(VACCINES),
    "vlot": lambda r: "%d%s" % (r.randint(2025000, 2026999), r.choice(["", "-A", "-B"])),
    "nextdate": lambda r: day(r, 170, 380, lambda d: "%d年%d月%d日" % (d.year, d.month, d.day)),
    "spo2": rint(78, 89), "hr": rint(28, 160), "rr": rint(3, 30), "rescue": pick(RESCUES),
    "birth": birth, "cubs": cubs, "babies": babies,
    "area": pick(AREAS), "shift": pick(SHIFTS), "hhmm": hhmm,
    "late": optional(lambda r: "（迟到%d分钟）" % r.randint(1, 25), 0.15),
    "ntasks": rint(4, 18),
    "handnote": optional(lambda r: " note=\"%s\"" % r.choice(HANDNOTES), 0.4),
    "checks": items(CHECKS, 2, 5), "pmins": rint(6, 40),
    "inpark": inpark, "total": lambda r: str(_chosen["in"] + r.randint(0, 9000)),
    "load": lambda r: "%.1f" % (_chosen["in"] / 300.0),
    "zone": pick(ZONES), "crowd": crowd, "limit": lambda r: str(_chosen["limit"]), "measure": pick(MEASURES),
    "rentitem": rentitem, "deposit": lambda r: RENTALS[_chosen["rent"]], "point": pick(POINTS),
    "fee": pick(["0", "10", "20", "30", "50"]), "rmins": rint(15, 420),
    "child": child, "age": rint(3, 9), "clothes": pick(CLOTHES),
    "lf": lambda r: "LF%s-%03d" % (r.choice(["0418", "0418", "0417"]), r.randint(1, 120)),
    "lostitems": items(LOSTITEMS, 1, 3), "finder": lambda r: r.choice(["保洁员", "游客", "安保"]) + name(r),
    "channel": pick(CHANNELS), "complaint": pick(COMPLAINTS),
    "wo": lambda r: "WO%d" % r.randint(2026041800001, 2026041899999), "dept": pick(DEPTS),
    "hours": pick(["24", "48", "72"]),
    "cam": lambda r: "CAM-%s%03d" % (r.choice(["PD", "MS", "CJL", "LZ"]), r.randint(1, 64)), "food": pick(FOODS),
    "conf": real(0.72, 0.99, "%.2f"),
    "show": pick(SHOWS), "showtime": pick(["10:00", "10:30", "11:00", "14:00", "14:30", "15:30", "16:00"]),
    "venue": pick(VENUES), "booked": booked, "came": lambda r: str(max(0, _chosen["booked"] - r.randint(0, 40))),
    "cancel": pick(CANCELS),
}

# weight, level, module, the class that logs it (for the first header form), message
TEMPLATES = [
    # ticket gates
    (200, "INFO", "gate", "VerifyHandler", "【检票】{gate}核验通过：票号{ticket}，票种「{tickettype}」，验证方式={verify}{group}"),
    (40, "INFO", "gate", "FaceMatchService", "年卡入园人脸比对成功 card={card} holder={masked} score={hiscore} gate=「{gate}」"),
    (6, "WARN", "gate", "FaceMatchService", "年卡入园人脸比对失败 card={card} holder={masked} score={loscore} gate=「{gate}」"),
    (14, "WARN", "gate", "VerifyHandler", "【检票】{gate}核验不通过：票号{ticket}，原因：{gatefail}，已引导至人工窗口"),
    (2, "ERROR", "gate", "GateDriver", "GateControllerException: dev={gatedev} ip={ip} errno={gerr}（{gmsg}），{gate}已切换为人工检票"),
    # ticket sales
    (120, "INFO", "ticket", "OrderService", "ticket order paid: orderNo={order} channel={paych} amount={money}元 visitDate={visitdate} qty={qty} buyer={phone}"),
    (10, "INFO", "ticket", "RefundService", "退票成功：订单{order}，{qty}张「{tickettype}」，退款金额{money}元，渠道{paych}{refundnote}"),
    (4, "WARN", "ticket", "RefundService", "退票失败：订单{order}，{qty}张「{tickettype}」，退款金额{money}元，渠道{paych}，原因：{refundfail}"),
    (18, "INFO", "ticket", "GroupCheckinService", "团队票核销：旅行社「{agency}」，团号{team}，成人{adults}人、儿童{kids}人，导游{name}（导游证{guidecert}），入园口{gate}"),
    (3, "ERROR", "ticket", "OtaSyncJob", "OTA库存同步失败 partner={ota} POST /openapi/v2/inventory/push -> HTTP {httpfail}，第{try}次重试，耗时{ms}ms"),
    # feeding
    (160, "INFO", "feed", "FeedingRecorder", "投喂完成：{where}（{sp}），饲料：{feeds}，合计{feedkg}kg，饲养员{name}（工号{emp}）"),
    (25, "WARN", "feed", "IntakeMonitor", "采食量异常：{animal}「{nick}」（{aid}）今日采食量仅为日常的{lowpct}%，{sign}，已通知兽医{name}"),
    (14, "INFO", "feed", "FodderStock", "饲料入库：{fodder} {fodderkg}kg，供应商「{supplier}」，批次{batch}，验收人{name}{quarantine}"),
    (5, "WARN", "feed", "FodderStock", "饲料库存不足：{fodder}库存{lowkg}kg，按日耗量约可用{days}天，请及时采购（{supplier}）"),
    # enclosure sensors
    (180, "INFO", "env", "SensorListener", "env.report node={node} house=「{where}」 temp={temp}℃ rh={hum}%{water}"),
    (20, "WARN", "env", "ThresholdChecker", "环境温度超限：{where}设定范围{trange}，当前{hot}℃，已持续{mins}分钟，已自动开启{hvac}"),
    (3, "ERROR", "env", "SensorListener", "SensorOfflineException: 节点{node}（{where}）心跳丢失{lostsecs}s，last_seen={lastseen}"),
    (8, "WARN", "env", "WaterQualityJob", "水质检测超标：{pool}，氨氮{nh3}mg/L（标准≤0.5mg/L），pH={ph}，溶解氧{do}mg/L，已安排换水{pct}%"),
    # veterinary
    (35, "INFO", "vet", "HealthCheckService", "例行体检：{animal}「{nick}」（{aid}），体重{wt}kg，体温{btemp}℃，结论：健康，兽医{name}"),
    (9, "WARN", "vet", "HealthCheckService", "体检异常：{animal}「{nick}」（{aid}），症状：{symptoms}，处置：{treat}，兽医{name}"),
    (22, "INFO", "vet", "MedicationLog", "用药登记 animal_id={aidonly} 药品《{drug}》 剂量={dose} 给药途径={route} 疗程第{dday}天/共{dtotal}天 开具人：{name}"),
    (4, "INFO", "vet", "VaccinationService", "疫苗接种完成：{animal}共{n}只，疫苗「{vaccine}」，批号{vlot}，下次接种日期{nextdate}"),
    (1.5, "ERROR", "vet", "AnesthesiaMonitor", "麻醉监护告警：{animal}「{nick}」SpO2={spo2}% HR={hr}bpm RR={rr}次/分，主刀兽医{name}，已{rescue}"),
    (1.5, "INFO", "vet", "BirthRegistry", "新生动物登记：{animal}母体「{nick}」于{birth}产下{cubs}仔，{babies}，已转入育幼室观察"),
    # keepers
    (45, "INFO", "keeper", "AttendanceService", "饲养员签到：{name}（工号{emp}，{area}），班次：{shift}，打卡时间{hhmm}{late}"),
    (30, "INFO", "keeper", "HandoverService", "交接班完成 from={name} to={name} area=「{area}」 tasks={ntasks}{handnote}"),
    (7, "WARN", "keeper", "AttendanceService", "考勤异常：{name}（工号{emp}）{shift}缺卡，应到时间{hhmm}，请班组长{name}核实"),
    (50, "INFO", "keeper", "PatrolService", "笼舍巡查：{where}，{checks}均正常，巡查人{name}，用时{pmins}分钟"),
    (1.5, "ERROR", "keeper", "PatrolService", "安全告警：{where}内侧串笼门未上锁（door_state=OPEN），距交接已{mins}分钟，值班主管{name}已到场处置"),
    # visitor services
    (60, "INFO", "visitor", "FlowMonitor", "客流统计（截至{hhmm}）：在园{inpark}人，今日累计入园{total}人，承载率{load}%"),
    (6, "WARN", "visitor", "FlowMonitor", "客流预警：{zone}瞬时人数{crowd}人，超过阈值{limit}人，已启动分流{measure}"),
    (28, "INFO", "visitor", "RentalService", "租赁服务：{rentitem}出租，押金{deposit}元，租借人{phone}，服务点「{point}」"),
    (24, "INFO", "visitor", "RentalService", "租赁归还：{rentitem}，使用{rmins}分钟，扣费{fee}元，退还押金{deposit}元，服务点「{point}」"),
    (1.5, "WARN", "visitor", "ServiceDesk", "走失儿童登记：{child}（约{age}岁，身穿{clothes}），最后出现地点{zone}，家长{name}（{phone}），已全园广播"),
    (12, "INFO", "visitor", "ServiceDesk", "失物招领登记：编号{lf}，物品：{lostitems}，拾得地点{zone}，拾得人{finder}"),
    (5, "WARN", "visitor", "ComplaintService", "游客投诉（{channel}）：{complaint}，工单{wo}，责任部门：{dept}，要求{hours}小时内回复"),
    (2, "ERROR", "visitor", "VideoAnalytics", "违规投喂识别：摄像头{cam}在{where}检测到游客向{sp}投喂{food}，置信度{conf}，已现场广播劝阻"),
    # keeper talks and shows
    (16, "INFO", "show", "SessionScheduler", "场次开始：《{show}》{showtime}场，{venue}，预约{booked}人，实到{came}人"),
    (2.5, "WARN", "show", "SessionScheduler", "场次取消：《{show}》{showtime}场，{venue}，原因：{cancel}，已短信通知{booked}位预约游客"),
]

# the Java services' threads and packages, for the first header form
THREADS = {"gate": "gate-io-%d", "ticket": "http-nio-8080-exec-%d", "feed": "feed-sched-%d", "env": "mqtt-recv-%d",
           "vet": "http-nio-8080-exec-%d", "keeper": "attend-sync-%d", "visitor": "http-nio-8080-exec-%d",
           "show": "quartz-worker-%d"}
PACKAGES = {"gate": "gate", "ticket": "ticket", "feed": "feed", "env": "env", "vet": "vet", "keeper": "staff",
            "visitor": "guest", "show": "show"}
# the console's own names of the services, for the second header form
CN_MODULES = {"gate": "检票服务", "ticket": "票务中心", "feed": "饲喂管理", "env": "环境监测", "vet": "兽医系统",
              "keeper": "人员考勤", "visitor": "游客服务", "show": "场馆活动"}
HOSTS = {"gate": ["zoo-gate-01", "zoo-gate-02"], "ticket": ["zoo-app-01", "zoo-app-02"], "feed": ["zoo-app-03"],
         "env": ["zoo-iot-01", "zoo-iot-02"], "vet": ["zoo-app-03"], "keeper": ["zoo-app-04"],
         "visitor": ["zoo-app-01", "zoo-app-04"], "show": ["zoo-app-04"]}
PIDS = {"gate": 3108, "ticket": 2214, "feed": 2290, "env": 4471, "vet": 2291, "keeper": 2517, "visitor": 2215,
        "show": 2518}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module, cls):
    at = datetime.datetime(2026, 4, 18) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the Java back end writes the usual pattern: time with milliseconds, thread, level, class
        return "%s.%03d [%s] %-5s c.q.zoo.%s.%s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms,
                                                       THREADS[module] % r.randint(1, 8), level, PACKAGES[module], cls)
    if form == 1:
        # the operations console prints a Chinese date, a Chinese level and the service@host
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%d年%02d月%02d日 %s] [%s] [%s@%s] " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn,
                                                    CN_MODULES[module], r.choice(HOSTS[module]))
    # the hosts forward through syslog, the level as a bracketed word after the program
    return "%s %2d %s %s zoo-%s[%d]: [%s] " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                               r.choice(HOSTS[module]), module, PIDS[module], level)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "Z", 8 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
