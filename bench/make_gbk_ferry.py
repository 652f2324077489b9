#!/usr/bin/env python3
"""A GBK log of a Chinese passenger ferry and ro-ro shipping line with its truth.

    bench/make_gbk_ferry.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 31 messages (tickets sold by
channel and paid, cabin upgrades, refunds and failed refunds, ID checks at the gate passed and
refused, security finds, vehicles booked, weighed and boarded or turned away for overload,
dangerous-goods vehicles passed or failed, boarding counts, berths assigned, sailings opened and
suspended by the dispatcher, departures and arrivals, delays, weather readings and gale warnings
with Beaufort levels, bunkering in tonnes, crew sign-on, life-jacket drills, sick passengers,
lost property, SMS reminders, reports to the maritime authority and the real-name platform),
written to measure the miner on and not to shape it: no rule was made or tuned on them. Each
message keeps its own frequency, gate checks by the hundred and a drill once or twice a day.
One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

rint, real = gbk_messages.rint, gbk_messages.real

# ship names as the line registered them; the older ro-ro ships carry English names too
SHIPS = ["渤海宝珠", "中华复兴", "生生2", "永兴岛", "BOHAI JADE", "海峡号", "棒棰岛 (滚装)", "普陀山号（高速客船）",
         "OCEAN PEARL", "新海洋岛", "紫荆12"]
PORTS = ["烟台港客运站", "大连湾港", "蓬莱港", "旅顺新港", "海口新海港", "徐闻海安新港", "秀英港（3号码头）"]
ROUTES = ["烟台—大连", "蓬莱—旅顺", "海口—海安", "秀英—海安", "烟台—旅顺（夜班）"]
CHANNELS = ["微信小程序", "12328 热线", "官网", "窗口售票", "自助售票机", "携程", "旅行社团体"]
SEATS = ["散席", "经济舱", "二等舱（4人间）", "一等舱（2人间）", "特等舱", "VIP 套房"]  # cheapest first
IDTYPES = ["身份证", "港澳通行证", "护照", "台胞证", "临时身份证明"]
IDFAILS = ["人证比对不一致", "证件已过有效期", "购票人与乘船人不符", "证件号码在布控名单中", "未成年人无监护人陪同"]
# vehicle kind, length range in metres, weighed mass range in tonnes
VEHICLES = [("小型客车", 4.2, 5.2, 1.2, 2.2), ("SUV", 4.5, 5.3, 1.7, 2.9), ("厢式货车", 5.9, 9.6, 4.5, 18),
            ("半挂牵引车", 13.5, 17.5, 15, 49), ("冷藏车", 7.6, 12.5, 8, 31), ("摩托车", 1.9, 2.4, 0.15, 0.4),
            ("危险品运输车", 9.5, 12, 12, 40)]
CARGOS = ["液化石油气", "汽油（第3类）", "工业硫酸", "烟花爆竹", "氧气瓶"]
WEATHER = ["大雾", "大风", "台风「格美」", "雷暴", "寒潮大风"]
WINDDIR = ["北", "东北", "东", "东南", "南", "西南", "西", "西北"]
STATIONS = ["长山水道", "老铁山水道", "琼州海峡中线", "烟台港外锚地"]
DELAYS = ["海雾能见度不足", "风力超限", "前序航次晚到", "车辆装载超时", "旅客登船秩序", "引航员未到位"]
CONTRABAND = ["管制刀具", "打火机（超量）", "自喷漆3罐", "锂电池（160Wh以上）", "酒精（95%）", "鞭炮一箱"]
HANDLING = ["暂扣并登记", "劝离放弃", "移交港口公安", "办理托运"]
BARGES = ["渤油18", "海港供油3号", "LNG BUNKER 02", "南港油驳7"]
FUELS = ["0#轻柴油", "180CST燃料油", "LNG", "低硫燃料油（VLSFO）"]
RANKS = ["船长", "大副", "轮机长", "二副", "三管轮", "水手长", "客运员"]
PLACES = ["4层大厅", "二等舱408室", "车辆舱B层", "餐厅", "左舷甲板", "儿童游乐区"]
ITEMS = ["黑色双肩包", "华为手机", "身份证", "钱包（内有现金若干）", "儿童水壶", "行李箱（蓝色，24寸）", "眼镜"]
ILLS = ["晕船呕吐", "胸闷气短", "低血糖晕厥", "高热", "摔伤右腿"]
MSA = ["烟台海事局", "大连海事局", "海口海事局", "湛江海事局徐闻海事处"]
REPORTS = ["开航前安全检查报告", "乘客定额核报", "航行安全动态", "险情报告", "车辆系固情况报告"]
SMS_TPL = ["开航提醒", "航班延误通知", "停航退票通知", "检票口变更", "登船码"]
THREADS = ["ticket-exec-%d", "gate-ws-%d", "vehicle-%d", "disp-sched-%d", "msg-push-%d"]
LOGGERS = ["f.s.ticket", "f.s.gate", "f.s.vehicle", "f.s.dispatch", "f.s.weather", "f.s.notify", "f.s.report"]
SUBSYS = ["售检票", "车辆调度", "船舶调度", "气象监测", "海事报送", "客服"]
HOSTS = ["ytq-gw01", "dlw-gw02", "hk-gw01", "ship-lan"]


def plate(r):
    return "%s%s%s%04d" % (r.choice("鲁辽琼粤冀"), r.choice("ABFGY"), r.choice("DFKL2"), r.randint(0, 9999))


def idcard(r):
    kind = r.choice(IDTYPES)
    if kind in ("身份证", "临时身份证明"):
        return "%s%d********%03d%s" % (kind, r.randint(110101, 659001), r.randint(0, 999), r.choice("0123456789X"))
    return "%s%s%02d****%02d" % (kind, r.choice("EGCH"), r.randint(0, 99), r.randint(0, 99))


def car(r):
    kind, *_, lo, hi = r.choice(VEHICLES)
    return "%s（%s），过磅%.2f吨" % (plate(r), kind, r.uniform(lo, hi))


def carbook(r):
    kind, lo, hi, *_ = r.choice(VEHICLES)
    return "%s，%s，车长%.1f米" % (plate(r), kind, r.uniform(lo, hi))


def boarded(r):
    sold = r.randint(40, 1800)
    return "已登船%d人/售票%d人" % (sold - r.randint(0, min(sold, 60)), sold)


def passage(r):
    nm, knots = r.uniform(38, 92), r.uniform(11, 23)
    return "航程%.1f海里，平均航速%.1f节，航时%d分钟" % (nm, knots, nm / knots * 60 + r.randint(10, 40))


def wind(lo, hi):
    return lambda r: (lambda f: "风力%d级，阵风%d级" % (f, f + r.randint(1, 3)))(r.randint(lo, hi))


V = {
    "name": gbk_messages.name, "plate": plate, "passage": passage, "idcard": idcard, "car": car, "carbook": carbook,
    "boarded": boarded, "wind": wind(2, 9), "gale": wind(6, 10),
    "ship": SHIPS, "port": PORTS, "route": ROUTES, "channel": CHANNELS, "seat": SEATS,
    "idfail": IDFAILS, "cargo": CARGOS, "weather": WEATHER, "winddir": WINDDIR,
    "station": STATIONS, "delay": DELAYS, "contraband": CONTRABAND, "handling": HANDLING, "barge": BARGES,
    "fuel": FUELS, "rank": RANKS, "place": PLACES, "ill": ILLS, "msa": MSA, "report": REPORTS, "smstpl": SMS_TPL,
    "voyage": lambda r: "%s%04d" % (r.choice(["YD", "PL", "HH", "XH"]), r.randint(1, 2400)),
    "items": lambda r: "、".join(r.sample(ITEMS, r.randint(1, 3))),
    "upgrade": lambda r: "由%s升至%s" % tuple(SEATS[i] for i in sorted(r.sample(range(len(SEATS)), 2))),
    "order": rint(0, 10 ** 9 - 1, "FT260721%09d"),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "time": lambda r: "%02d:%02d" % (r.randint(5, 23), r.choice([0, 10, 20, 30, 40, 50])),
    "date": lambda r: "7月%d日" % r.randint(21, 31),
    "gate": lambda r: "%d号检票口" % r.randint(1, 8),
    "berth": lambda r: r.choice(["%d#泊位" % r.randint(1, 12), "滚装%d号泊位" % r.randint(1, 4)]),
    "deck": lambda r: r.choice("ABC"), "lane": rint(1, 12),
    "over": real(49.5, 72, "%.2f"), "axles": rint(2, 6), "score": real(0.80, 0.99, "%.2f"), "tickets": rint(1, 6),
    "money": real(60, 2800, "%.2f"), "fee": real(5, 200, "%.2f"), "pax": rint(40, 1800), "cars": rint(0, 260),
    "crew": rint(38, 96),
    "bf": rint(3, 9), "mins": rint(5, 240), "vis": rint(80, 8000), "wave": real(0.3, 5.5), "temp": real(17, 33),
    "tons": real(20, 480, "%.1f"), "density": real(820, 991), "sulphur": real(0.05, 0.5, "%.2f"), "age": rint(2, 86),
    "cert": rint(0, 10 ** 8 - 1, "SC%08d"), "msgid": lambda r: "%016x" % r.getrandbits(64),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"), "status": gbk_messages.pick(["500", "502", "503", "504"]),
    "ms": rint(20, 20000), "lf": rint(1, 9999, "LF0721-%04d"),
    "refundrule": gbk_messages.pick(["开航前24小时以上，收取5%", "开航前2小时内，收取20%", "因停航全额退款",
                                     "改签差价退回"]),
    "paych": gbk_messages.pick(["wxpay", "alipay", "unionpay", "ctrip_settle"]),
    "resume": gbk_messages.optional(lambda r: "，预计%s恢复通航" % r.choice(["明日06:00", "7月23日", "风力减弱后"]), 0.5),
    "drill": gbk_messages.pick(["良好", "合格", "基本合格（穿着时间偏长）"]),
    "claim": gbk_messages.optional(lambda r: "，已由失主%s（%s）认领" % (gbk_messages.name(r), V["phone"](r)), 0.4),
    "followup": gbk_messages.optional(lambda r: "，已联系%s120到码头接驳" % r.choice(["大连", "烟台", "海口"]), 0.35),
    "plan": gbk_messages.pick(["停航", "减载运行", "调整班期", "提前开航避风"]),
}

V.update((k, gbk_messages.pick(v)) for k, v in V.items() if isinstance(v, list))

# weight, level, message
TEMPLATES = [
    (230, "INFO", "实名核验：{gate}，旅客{name}，{idcard}，人脸比对得分{score}，结果：通过"),
    (190, "INFO", "售票成功：订单号{order}，{route} {date}{time}开，{seat}{tickets}张，票款{money}元，渠道：{channel}"),
    (140, "INFO", "车辆登船：车牌{car}，装载{deck}层第{lane}车道，船舶「{ship}」"),
    (110, "INFO", "pay_notify order={order} channel=wxpay trade_no={trade} amount={money} status=SUCCESS"),
    (85, "INFO", "气象实况 {station}：风向{winddir}，{wind}，浪高{wave}m，能见度{vis}m，气温{temp}℃"),
    (70, "INFO", "车辆预约成功：车牌{carbook}，航线{route}，{date}{time}班次，联系电话{phone}"),
    (60, "INFO", "SMS sent to {phone} template=《{smstpl}》 voyage={voyage} msg_id={msgid}"),
    (48, "INFO", "登船统计：航次{voyage}{boarded}，车辆{cars}辆"),
    (42, "WARN", "实名核验不通过：{gate}，旅客{name}，{idcard}，原因：{idfail}"),
    (36, "INFO", "退票成功：订单号{order}，退款{money}元，手续费{fee}元（{refundrule}），原路退回{channel}"),
    (30, "INFO", "航次{voyage}「{ship}」自{port}离港，载客{pax}人，车辆{cars}辆，船员{crew}人，预计{time}抵港"),
    (29, "INFO", "航次{voyage}「{ship}」靠妥{port}{berth}，{passage}"),
    (26, "INFO", "berth assign voyage={voyage} ship=\"{ship}\" berth={berth} eta={time} pilot={name}"),
    (22, "WARN", "航次{voyage}延误{mins}分钟，原因：{delay}，现场风力{bf}级，能见度{vis}米"),
    (20, "INFO", "舱位升级：订单号{order}，旅客{name}{upgrade}，补差价{money}元"),
    (16, "INFO", "【调度指令】{route}航线航次{voyage}（{ship}）开航，值班调度{name}"),
    (12, "WARN", "【调度指令】{route}航线航次{voyage}（{ship}）停航，值班调度{name}"),
    (14, "WARN", "安检查获：旅客{name}携带{contraband}，{gate}，处理：{handling}"),
    (11, "INFO", "船员签到上船：{name}（{rank}），适任证书{cert}，船舶「{ship}」"),
    (9, "WARN", "车辆超限拒载 plate={plate} gross={over}t limit=49t axles={axles} scale=HW-{lane}"),
    (8, "INFO", "危险品车辆检查：车牌{plate}，装载{cargo}，检查结果：合格，检查员{name}"),
    (5, "WARN", "危险品车辆检查：车牌{plate}，装载{cargo}，检查结果：不合格，检查员{name}"),
    (7, "WARN", "【大风预警】{route}海域预计{time}起{winddir}风，{gale}，浪高{wave}米，拟{plan}"),
    (6, "ERROR", "refund failed order={order} channel={paych} amount={money} err=\"渠道退款超时\" cost={ms}ms"),
    (5, "INFO", "向{msa}报送《{report}》：航次{voyage}，「{ship}」，在船旅客{pax}人、船员{crew}人"),
    (4, "INFO", "失物登记：编号{lf}，「{ship}」{place}拾得{items}，拾得人{name}{claim}"),
    (3, "WARN", "旅客急救：{name}（{age}岁）在{place}{ill}，船医{name}已处置{followup}"),
    (2, "ERROR", "停航通知：受{weather}影响，{route}航线{date}全部航次停航{resume}"),
    (2, "INFO", "燃油加注：「{ship}」在{port}加注{fuel}{tons}吨，供油船{barge}，密度{density}kg/m3，硫含量{sulphur}%"),
    (1.5, "INFO", "应急演练：「{ship}」弃船及救生衣穿着演练完成，参演{crew}人，用时{mins}分钟，评定：{drill}"),
    (1.2, "ERROR", "实名制数据上报失败：POST /api/v1/passenger/manifest 返回{status}（航次{voyage}，{pax}条，耗时{ms}ms）"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the ticketing back end is Java; its pattern puts the thread first and a short logger
        return "07-21 %02d:%02d:%02d.%03d [%s] %s %s: " % (
            hh, mm, ss, r.randint(0, 999), r.choice(THREADS) % r.randint(1, 24), level[0], r.choice(LOGGERS))
    if form == 1:
        # the terminal dispatch console writes the subsystem and the level in Chinese brackets
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "故障"}[level]
        return "%02d时%02d分%02d秒〖%s〗〈%s〗" % (hh, mm, ss, r.choice(SUBSYS), cn)
    # the ship-to-shore gateways send RFC 5424 syslog with a numeric priority
    pri = {"INFO": 134, "WARN": 132, "ERROR": 131}[level]
    return "<%d>1 2026-07-21T%02d:%02d:%02d+08:00 %s ferryd %d - - " % (
        pri, hh, mm, ss, r.choice(HOSTS), r.randint(800, 40000))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "F", 5 * 3600 + 40 * 60, (0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
