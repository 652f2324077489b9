#!/usr/bin/env python3
"""A GBK log of a Chinese chain of karaoke (KTV) venues with its truth.

    bench/make_gbk_karaoke.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages: songs requested
and pushed to the top of the queue, playback started and skipped, singing scores, rooms opened,
extended, reminded of their end, closed and paid, cleaned, service calls, bar orders placed and
delivered, payment callbacks, bar stock warnings and the monthly stocktake, bookings made,
refused and cancelled, coupons redeemed or refused, members registered, topped up (or not),
upgraded and earning points, a member service that times out, wireless microphones running
flat, song boxes going offline, amplifiers overheating, room air readings and CO2 alarms,
song-library syncs, corrupt song files and songs withdrawn when their licence ends, fire-safety
rounds passed and failed, cashier hand-overs and a failing upload of takings to head office.

The log is written to measure the miner on, not to shape it: no rule was made or tuned on
these lines.  Each message keeps its own frequency, song requests and playback by the hundred,
a stocktake or a level upgrade once in a few thousand lines.  Some messages differ from
another in a word or two only (点歌/插歌, 成功/失败, 合格/不合格) and count as different events;
optional tails never make a new event.  One of three header forms by the seed.  The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# the chain's venues, with the short code the back office uses for each
VENUES = [("长沙五一广场店", "CS01"), ("武汉光谷步行街店（4F）", "WH02"), ("成都太古里店", "CD01"),
          ("重庆解放碑店（B座 5楼）", "CQ03"), ("西安小寨店", "XA01"), ("郑州二七广场店", "ZZ02"),
          ("南昌八一广场店", "NC01"), ("合肥淮河路店（负一层）", "HF01")]
# room letter and what the room is called on the screens
ROOMTYPES = [("S", "小包（2-4人）"), ("M", "中包"), ("M", "中包"), ("L", "大包"), ("V", "豪华包 带卫生间"),
             ("P", "派对包（20人）"), ("B", "商务包·静音")]
THEMES = ["星空", "复古迪厅", "海洋", "电竞"]
# song title and singer(s); all of the catalogue is the chain's own licensed library
SONGS = [("晚风里的你", "林一舟"), ("Blue Night Drive", "苏晓"), ("海边的信", "陈墨 & 宋然"),
         ("城南旧梦（Live版）", "何小满"), ("不说再见", "罗嘉"), ("Neon Summer", "KiKi Tang"),
         ("月光下的单车", "周野"), ("十七岁的风", "梁语"), ("你好，旧时光", "唐可"), ("山海之间 (Remix)", "北岸乐队"),
         ("夜航船", "郑南"), ("向前走吧", "少年合唱团"), ("The Last Train Home", "Echo Lane"),
         ("雨落长街", "马骁"), ("一百种心动", "星期八组合"), ("故乡的河·2026重制", "高远")]
WAYS = ["点歌屏", "微信扫码点歌", "小程序远程点歌", "服务员代点"]
SKIPS = ["点歌屏", "手机扫码", "遥控器", "服务员后台"]
PACKAGES = ["欢唱3小时（含果盘）", "午场畅唱 12:00-17:00", "黄金档 欢唱2小时+啤酒12支", "通宵场（00:30-06:00）",
            "生日派对套餐B", "按小时计费"]
PAYCN = ["微信支付", "支付宝", "会员卡余额", "现金", "银联刷卡", "团购券+微信支付"]
PAYCH = ["WXPAY", "ALIPAY", "UNIONPAY_QR", "MEMBER_BALANCE", "DIGITAL_RMB"]
# bar goods as ordered
DRINKS = ["雪峰纯生 500ml×6", "雪峰纯生 500ml×12", "青柠苏打水", "冰红茶 1.5L", "鸡尾酒·蓝色海岸", "无醇啤酒",
          "果盘（大）", "果盘（小）", "爆米花", "小食拼盘【招牌】", "威士忌套餐「金色年华」", "矿泉水", "鸭脖（微辣）",
          "红酒 750ml（干红）"]
REMARKS = ["啤酒要冰的", "果盘不要西瓜", "多拿几个杯子", "生日蛋糕一起送进来，谢谢！", "先上小食"]
CALLS = ["加冰块", "调音量", "换麦克风", "送纸巾", "点歌机死机", "需要服务员结账", "生日蛋糕上桌", "空调太冷"]
LEVELS = ["普通会员", "银卡", "金卡", "钻石卡", "企业会员"]
CHANNELS = ["公众号", "小程序", "前台扫码", "团购引流", "老会员推荐"]
TOPFAILS = ["支付渠道返回 USERPAYING，超时未确认", "单日充值超过限额50000元", "会员卡已冻结（挂失中）",
            "ORDERPAID: 重复支付，已自动退款"]
SOURCES = ["电话预订", "小程序", "前台预订", "团购平台", "企业协议客户"]
OCCASIONS = ["生日聚会（需布置气球）", "公司团建，需投屏", "同学聚会 约15人", "求婚，需提前布置"]
CANCELS = ["客人临时有事", "行程改期", "重复预订，保留另一单", "人数不足，改订小包"]
WHYS = ["该时段包厢已满", "定金支付超时（15分钟未支付）", "人数超出包厢容量", "手机号校验失败 INVALID_PHONE"]
CTYPES = ["欢唱3小时券", "啤酒买一送一", "新人体验券 ￥50", "午场5折券", "生日特权·免房费"]
CERRS = ["券已过期（有效期至2026-05-10）", "COUPON_USED：该券已核销", "不满足使用条件：仅限周一至周四",
         "非本门店可用券", "团购验券接口返回 403 Forbidden"]
MICS = ["UHF-880 手持", "领夹式 LM-20", "UHF-660（备用）"]
AMPS = ["AMP-1（主功放）", "AMP-2 后置", "低音炮功放"]
SUPPLIERS = ["湘江酒水配送", "鹏程食品批发（合作供应商）", "总部集采仓"]
# bar goods kept in stock, their unit and usual stock range
STOCK = [("雪峰纯生 500ml", "箱", 5, 80), ("青柠苏打水", "瓶", 24, 300), ("冰红茶 1.5L", "瓶", 12, 120),
         ("爆米花原料", "kg", 2, 25), ("鲜切水果", "kg", 5, 40), ("威士忌（700ml）", "瓶", 2, 36), ("冰块", "kg", 20, 150)]
CHECKS = ["疏散通道", "消防器材", "电气线路", "烟感与喷淋", "应急照明"]
PROBLEMS = ["安全出口指示灯不亮（3楼东侧）", "灭火器压力不足2具", "疏散通道堆放酒水箱", "烟感探测器被遮挡（V08）",
            "应急照明蓄电池失效", "配电箱未上锁"]
OWNERS = ["星河音像出版社", "北辰唱片（香港）有限公司", "Blue Harbor Music Ltd.", "天籁版权代理"]
MIRRORS = ["lib-mirror-01.sgktv.internal", "lib-mirror-02.sgktv.internal", "10.20.0.15:8443"]
SHIFTS = ["午班", "晚班", "通宵班"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
LOWER = "abcdef0123456789"
CODECHARS = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789"
WEEK = "一二三四五六日"

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def room(r):
    """A room as the staff screens name it: its code and its kind, or a themed room."""
    if r.random() < 0.1:
        _chosen["room"] = "T%02d" % r.randint(1, 6)
        return "%s【主题：%s】" % (_chosen["room"], r.choice(THEMES))
    letter, kind = r.choice(ROOMTYPES)
    _chosen["room"] = "%s%02d" % (letter, r.randint(1, 30))
    return "%s（%s）" % (_chosen["room"], kind) if "（" not in kind else "%s %s" % (_chosen["room"], kind)


def rcode(r):
    letter, _ = r.choice(ROOMTYPES)
    return "%s%02d" % (letter, r.randint(1, 30))


def song(r):
    _chosen["song"] = r.choice(SONGS)
    return _chosen["song"][0]


def drinks(r):
    out = []
    for d in r.sample(DRINKS, r.randint(1, 4)):
        n = r.choice([1, 1, 1, 2, 3])
        out.append(d if n == 1 else "%s×%d" % (d, n))
    return "、".join(out)


def stockitem(r):
    _chosen["s"] = r.choice(STOCK)
    return _chosen["s"][0]


def amount(scale_lo, scale_hi):
    """A quantity of the line's bar good with its unit, scaled from its usual range."""
    def make(r):
        _, unit, lo, hi = _chosen["s"]
        q = r.uniform(lo, hi) * r.uniform(scale_lo, scale_hi)
        return ("%.1f%s" if unit == "kg" else "%d%s") % (q if unit == "kg" else max(1, round(q)), unit)
    return make


def room_fee(r):
    """The room fee of a closing bill; the bar and the total follow from it."""
    _chosen["fee"] = r.choice([98, 168, 198, 268, 388, 588, 888]) + r.choice([0, 0, 40, 80])
    _chosen["bar"] = round(r.uniform(0, 1600), 2) if r.random() < 0.85 else 0.0
    return "%.2f" % _chosen["fee"]


def hours_sung(r):
    m = r.randint(45, 420)
    return "%d小时%02d分" % (m // 60, m % 60)


def bookday(r):
    d = datetime.date(2026, 5, 16) + datetime.timedelta(days=r.randint(0, 20))
    return "%d年%d月%d日（周%s）" % (d.year, d.month, d.day, WEEK[d.weekday()])


def validto(r):
    d = datetime.date(2026, 5, 16) + datetime.timedelta(days=r.choice([30, 90, 180]))
    return d.strftime("%Y/%m/%d")


def isodate(r):
    d = datetime.date(2026, 5, 16) + datetime.timedelta(days=r.randint(1, 45))
    return d.isoformat()


def heartbeat(r):
    t = datetime.datetime(2026, 5, 16, 16, 0) + datetime.timedelta(seconds=r.randint(0, 5400))
    return t.strftime("%Y-%m-%dT%H:%M:%S") + "+08:00"


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def coupon(r):
    return "-".join("".join(r.choice(CODECHARS) for _ in range(4)) for _ in range(3))


def levels(r):
    """A member level below the top card; the next one up follows it ("lvto")."""
    k = r.randint(0, 2)
    _chosen["lvto"] = LEVELS[k + 1]
    return LEVELS[k]


V = {
    "name": name, "room": room, "rcode": rcode, "song": song, "artist": lambda r: _chosen["song"][1],
    "title": lambda r: r.choice(SONGS)[0], "drinks": drinks, "phone": phone, "coupon": coupon,
    "bdate": bookday, "validto": validto, "isodate": isodate, "hb": heartbeat, "dur_hm": hours_sung,
    "fee": room_fee, "drinkfee": lambda r: "%.2f" % _chosen["bar"],
    "total": lambda r: "%.2f" % (_chosen["fee"] + _chosen["bar"]),
    "stockitem": stockitem, "stock": amount(0.05, 0.3), "safe": amount(0.35, 0.5), "restock": amount(0.8, 1.5),
    "lvfrom": levels, "lvto": lambda r: _chosen["lvto"],
    "venue": lambda r: r.choice(VENUES)[0], "vcode": lambda r: r.choice(VENUES)[1],
    "way": pick(WAYS), "skipsrc": pick(SKIPS), "package": pick(PACKAGES), "paycn": pick(PAYCN), "paych": pick(PAYCH),
    "call": pick(CALLS), "level": pick(LEVELS), "channel": pick(CHANNELS), "topfail": pick(TOPFAILS),
    "source": pick(SOURCES), "cancel": pick(CANCELS), "why": pick(WHYS), "ctype": pick(CTYPES), "cerr": pick(CERRS),
    "mic": rint(1, 4), "micmodel": pick(MICS), "amp": pick(AMPS), "supplier": pick(SUPPLIERS), "check": pick(CHECKS),
    "problem": pick(PROBLEMS), "owner": pick(OWNERS), "mirror": pick(MIRRORS), "shift": pick(SHIFTS),
    "httpfail": pick(HTTPFAILS), "sir": pick(["先生", "女士"]), "rtype": lambda r: r.choice(ROOMTYPES)[1],
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "remark": optional(lambda r: "，备注：「%s」" % r.choice(REMARKS), 0.35),
    "occasion": optional(lambda r: "，备注：%s" % r.choice(OCCASIONS), 0.3),
    "mv": optional(lambda r: " track=%s res=%s" % (r.choice(["original", "accomp"]), r.choice(["720p", "1080p", "4K"])),
                   0.4),
    "rank": optional(lambda r: "，刷新本店本周排行第%d名" % r.randint(1, 10), 0.15),
    "renew": optional(lambda r: "，并短信通知预订人（手机尾号%04d）" % r.randint(0, 9999), 0.4),
    "gift": real(0, 800, "%.0f"), "topup": pick(["300", "500", "1000", "2000", "5000"]),
    "money": real(50, 3800, "%.2f"), "small": real(5, 300, "%.2f"), "cash": real(300, 12000, "%.2f"),
    "fen": rint(3000, 500000), "bal": rint(0, 80000), "pts": rint(5, 4000),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "bill": lambda r: "KTV0516%s%05d" % (r.choice("ABCDEFGH"), r.randint(1, 99999)),
    "barorder": lambda r: "BAR-0516-%04d" % r.randint(1, 3000),
    "mid": rint(0, 10 ** 8 - 1, "VIP%08d"), "emp": rint(1000, 9999, "%04d"),
    "sid": lambda r: "K%02X%05d" % (r.randint(0, 255), r.randint(0, 99999)),
    "box": lambda r: "VB%04X-%02d" % (r.getrandbits(16), r.randint(1, 40)),
    "ip": lambda r: "172.16.%d.%d" % (r.randint(1, 4), r.randint(20, 240)),
    "md5a": lambda r: "".join(r.choice(LOWER) for _ in range(32)),
    "md5b": lambda r: "".join(r.choice(LOWER) for _ in range(32)),
    "syncbatch": lambda r: "LIB20260516-%02d" % r.randint(1, 12),
    "pos": lambda r: "前台收银%d号" % r.randint(1, 3), "petty": pick(["500.00", "1000.00"]),
    "clock": lambda r: "%02d:%02d" % (r.choice([12, 14, 17, 18, 19, 20, 21, 22, 23, 0, 1]), r.choice([0, 15, 30, 45])),
    "played": lambda r: "%d:%02d" % (r.randint(0, 3), r.randint(0, 59)),
    "guests": rint(2, 24), "pos_q": rint(1, 25), "dur": rint(150, 330), "vol": rint(20, 85), "score": rint(52, 99),
    "p1": rint(40, 99), "p2": rint(40, 99), "hrs": pick(["2", "3", "4", "5"]), "mins": rint(8, 35),
    "more": pick(["30", "60", "90", "120"]), "left": pick(["5", "10", "15"]), "secs": rint(60, 900),
    "resp": rint(10, 300), "pct": rint(3, 15), "pct2": rint(40, 60), "temp": real(21.0, 27.5), "hum": rint(35, 70),
    "ppm": rint(480, 1350), "badppm": rint(1550, 3200), "pm": rint(5, 60), "amptemp": real(71, 88),
    "n": rint(1, 3), "n3": rint(0, 240), "n4": rint(0, 80), "size": real(12, 4800), "ms": rint(800, 180000),
    "ms2": rint(3000, 15000), "try": rint(1, 5), "nv": rint(1, 8), "skus": rint(40, 260),
    "hours": pick(["2", "12", "24"]),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "vod", "点歌成功：包厢{room}，《{song}》- {artist}，队列第{pos_q}位，来源：{way}"),
    (190, "INFO", "play", "playback start room={rcode} song_id={sid} title=\"{title}\" dur={dur}s vol={vol}%{mv}"),
    (110, "INFO", "bar", "酒水下单：单号{barorder}，包厢{room}，商品：{drinks}，合计{money}元{remark}"),
    (100, "INFO", "pay", "pay notify ok channel={paych} out_trade_no={trade} total_fee={fen} bill={bill}"),
    (85, "INFO", "play", "演唱评分：包厢{rcode}「{title}」得分{score}分（音准{p1}%，节奏{p2}%）{rank}"),
    (80, "INFO", "vod", "切歌：包厢{room}跳过《{title}》，已播放{played}，操作来源={skipsrc}"),
    (65, "INFO", "room", "开房成功：包厢{room}，{guests}人，套餐「{package}」，开始{clock}，时长{hrs}小时，服务员{name}（工号{emp}）"),
    (55, "INFO", "room", "关房结账：包厢{room}，欢唱时长{dur_hm}，房费{fee}元，酒水{drinkfee}元，合计{total}元，支付方式：{paycn}"),
    (55, "INFO", "bar", "酒水已送达：单号{barorder}，包厢{rcode}，送达人{name}，用时{secs}秒"),
    (50, "INFO", "room", "包厢清洁完成：{room}，保洁员{name}，用时{mins}分钟，状态 → 空闲可用"),
    (48, "INFO", "member", "member.points.add mid={mid} level={level} delta=+{pts} balance={bal} venue={vcode}"),
    (42, "INFO", "room", "呼叫服务：包厢{rcode}请求「{call}」，{name}已响应，响应时间{resp}秒"),
    (40, "INFO", "env", "环境监测 {rcode}: 室温{temp}℃ 湿度{hum}% CO2={ppm}ppm PM2.5={pm}ug/m3"),
    (35, "INFO", "room", "到时提醒：包厢{room}剩余{left}分钟，已推送点歌屏弹窗{renew}"),
    (28, "INFO", "room", "续钟成功：包厢{room}续时{more}分钟，加收{small}元，结束时间延至{clock}"),
    (22, "WARN", "device", "无线麦克风电量低：包厢{rcode} 麦克风#{mic}（{micmodel}）电量{pct}%，请及时更换电池"),
    (20, "INFO", "coupon", "优惠券核销成功：券码{coupon}「{ctype}」，包厢{rcode}，抵扣{small}元"),
    (16, "INFO", "booking", "包厢预订成功：{bdate} {clock}，{name}{sir}，{guests}人，{rtype}，来源：{source}{occasion}"),
    (14, "INFO", "member", "新会员注册：手机号{phone}，渠道「{channel}」，赠送欢唱券{n}张，有效期至{validto}"),
    (12, "INFO", "member", "会员充值成功：{name}（{level}，卡号{mid}），充值{topup}元，赠送{gift}元，当前余额{bal}元"),
    (10, "WARN", "bar", "吧台库存预警：{stockitem}当前库存{stock}，低于安全库存{safe}，建议补货{restock}（{supplier}）"),
    (9, "INFO", "lib", "曲库同步完成：批次{syncbatch}，新增{n3}首、更新{n4}首，共{size}MB，耗时{ms}ms，源站{mirror}"),
    (7, "INFO", "vod", "插歌成功：包厢{room}，《{song}》- {artist}，队列第{pos_q}位，来源：{way}"),
    (6, "INFO", "booking", "包厢预订取消：{bdate} {clock}，{name}{sir}，{rtype}，原因：{cancel}，定金{small}元已原路退回"),
    (5, "INFO", "safety", "消防安全巡查《{check}》：{venue}，巡查人{name}，结果：合格"),
    (5, "INFO", "cashier", "收银交班：{pos}（{shift}），交班人{name}，接班人{name}，现金{cash}元，备用金{petty}元"),
    (4, "WARN", "coupon", "优惠券核销失败：券码{coupon}「{ctype}」，包厢{rcode}，原因：{cerr}"),
    (4, "WARN", "booking", "包厢预订失败：{bdate} {clock}，{name}{sir}，{guests}人，{rtype}，原因：{why}"),
    (3.5, "WARN", "env", "空气质量告警：包厢{rcode} CO2浓度{badppm}ppm，超出1500ppm，新风系统已切换至强档"),
    (3, "ERROR", "device", "VOD box offline: room={rcode} box_id={box} ip={ip} last_heartbeat={hb}，已派单给{name}"),
    (3, "ERROR", "sync", "营业数据上报总部失败：POST /hq/api/v2/bills -> HTTP {httpfail}, retry={try}/5, venue={vcode}"),
    (2.5, "ERROR", "lib", "歌曲文件校验失败：song_id={sid}《{title}》md5 mismatch (expected {md5a}, got {md5b})，已加入重新下载队列"),
    (2, "WARN", "member", "会员充值失败：{name}（{level}，卡号{mid}），充值{topup}元，原因：{topfail}"),
    (2, "ERROR", "member", "调用会员中心超时：java.net.SocketTimeoutException: Read timed out (GET /member/v3/card?mid={mid}，耗时{ms2}ms)，已按散客计价"),
    (1.8, "ERROR", "device", "功放温度过高：包厢{rcode} 机柜{amp} temp={amptemp}℃ threshold=70℃，已自动将音量限制为{pct2}%"),
    (1.5, "WARN", "safety", "消防安全巡查《{check}》：{venue}，巡查人{name}，结果：不合格，问题：{problem}，须在{hours}小时内整改"),
    (1.2, "WARN", "lib", "版权到期下架：《{song}》- {artist}，版权方「{owner}」，授权截止{isodate}，影响门店{nv}家"),
    (1.3, "INFO", "bar", "吧台月度盘点完成：{venue}，共盘点{skus}个品项，盘亏{small}元，盘盈{small}元，盘点人：{names}"),
    (1.5, "INFO", "member", "会员等级变更：{name}（卡号{mid}）由「{lvfrom}」升级为「{lvto}」，累计消费{money}元"),
]

# the Java back end names its loggers and threads per service
LOGGERS = {"vod": "c.s.ktv.vod.SongQueueService", "play": "c.s.ktv.player.PlaybackReporter",
           "room": "c.s.ktv.room.RoomStateMachine", "bar": "c.s.ktv.bar.BarOrderService",
           "pay": "c.s.ktv.pay.NotifyController", "member": "c.s.ktv.member.MemberFacade",
           "booking": "c.s.ktv.booking.ReserveService", "coupon": "c.s.ktv.coupon.RedeemService",
           "device": "c.s.ktv.iot.DeviceWatcher", "env": "c.s.ktv.iot.AirMonitor", "lib": "c.s.ktv.lib.LibrarySync",
           "safety": "c.s.ktv.ops.PatrolService", "cashier": "c.s.ktv.pos.ShiftService",
           "sync": "c.s.ktv.hq.UploadJob"}
THREADS = {"vod": ["http-nio-8080-exec-%d"], "play": ["mqtt-consumer-%d"], "room": ["http-nio-8080-exec-%d"],
           "bar": ["http-nio-8080-exec-%d"], "pay": ["http-nio-8443-exec-%d"], "member": ["member-pool-%d"],
           "booking": ["http-nio-8080-exec-%d"], "coupon": ["http-nio-8080-exec-%d"],
           "device": ["scheduling-%d"], "env": ["scheduling-%d"], "lib": ["lib-sync-%d"],
           "safety": ["http-nio-8080-exec-%d"], "cashier": ["http-nio-8080-exec-%d"], "sync": ["quartz-worker-%d"]}
# what the venue's own console calls each service
CNAMES = {"vod": "点歌服务", "play": "播放器", "room": "包厢管理", "bar": "吧台", "pay": "支付网关", "member": "会员中心",
          "booking": "预订", "coupon": "卡券", "device": "设备监控", "env": "环境监测", "lib": "曲库",
          "safety": "安全巡查", "cashier": "收银", "sync": "数据上报"}
# the process and pid each service runs as on the venue gateway
PROCS = {"vod": ("vodd", 2231), "play": ("playerd", 2240), "room": ("roomsvc", 1874), "bar": ("barsvc", 1881),
         "pay": ("payd", 3310), "member": ("membersvc", 3312), "booking": ("bookingd", 1877),
         "coupon": ("couponsvc", 3320), "device": ("devmon", 6011), "env": ("envmon", 6012),
         "lib": ("libsync", 7020), "safety": ("patrol", 7031), "cashier": ("possvc", 1890), "sync": ("hqsync", 7044)}
HOSTS = ["ktv-cs01-gw", "ktv-cs01-gw", "ktv-cs01-gw", "ktv-wh02-gw", "ktv-cd01-gw"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 16) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the chain's Java back end logs through a pattern layout: time, level, thread, logger
        thread = r.choice(THREADS[module]) % r.randint(1, 12)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the venue console prints the level and the service in Chinese, the host after an @
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "%s.%03d [%s] (%s@%s) " % (at.strftime("%m-%d %H:%M:%S"), ms, cn, CNAMES[module], r.choice(HOSTS))
    # the venue gateway forwards everything to syslog with the level in angle brackets
    proc, pid = PROCS[module]
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %2d %s %s %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), r.choice(HOSTS), proc,
                                         pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "E", 17 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
