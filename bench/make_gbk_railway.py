#!/usr/bin/env python3
"""A GBK log of a Chinese railway ticketing and station operations system with its truth.

    bench/make_gbk_railway.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (ticket sales
by channel, rebooking and refunds, waitlist orders and their fulfilment, real-name checks at
the entrances, ticket gates opening and closing, delays, arrivals and platform changes, seat
queries, suspended trains, vending machines, window shifts, passengers needing help, lost
property, student discounts, bulk-buying accounts, timetable sync, daily station figures),
written to measure the miner on and not to shape it: no rule was made or tuned on them when
they were first measured; rules were shaped on their errors later (SHAPED_ON in
pattern_accuracy.py). One of three header forms by the seed. The output depends only on the
arguments.
"""

import gbk_messages

# station names as the station master file holds them, some with a note in brackets
STATIONS = ["临江南", "云溪", "鹤山西", "北湖东", "青石峡", "滨江（城际场）", "朔原", "澄峰北", "禾川",
            "鸿川东(普速场)"]
STATION_CODES = ["LJN", "YXI", "HSX", "BHD", "QSX", "BJC", "SYU", "CFB"]
GATES = ["A3检票口", "A12检票口", "B5 检票口", "候车厅二楼 8B", "东进站口人工通道", "快速进站通道（刷脸）",
         "西进站口 2号闸机", "VIP候车室"]
SEATS = ["二等座", "一等座", "商务座", "硬座", "硬卧（下铺）", "软卧（上铺）", "动卧", "无座", "一等卧"]
SEAT_CODES = ["O", "M", "9", "1", "3", "4", "F", "WZ"]
CHANNELS = ["行旅通App", "车站窗口", "自助售取票机", "代售点（人民路88号）", "企业差旅平台", "railgo_h5",
            "电话订票", "mini_program"]
SALE_ERRORS = [("1002", "余票不足"), ("1017", "乘车人信息未核验"), ("2031", "同一乘车人同车次重复购票"),
               ("3005", "payment gateway timeout"), ("1040", "已超过预售期")]
CHANGE_WHY = ["已过发车时间", "新车次无余票", "该票已改签过一次", "已取票（纸质票需到窗口办理）",
              "学生票不可改签至非优惠区间", "团体票不支持线上改签"]
PAY = ["原路退回-银行卡", "原路退回-扫码支付", "现金", "铁路储值卡", "企业月结"]
ID_TYPES = ["居民身份证", "港澳居民来往内地通行证", "护照", "台湾居民来往大陆通行证", "外国人永久居留身份证"]
ID_FAILS = ["人证不符", "证件已过有效期", "证件无法识别（芯片损坏）", "未购当日车票", "车票已检",
            "非本站乘车"]
LATE_WHY = ["前方区段设备故障", "大风限速", "降雪影响", "等待交会列车", "线路施工延误", "旅客突发疾病临时停车"]
STOP_WHY = ["暴雨致线路停运", "台风“海燕”影响", "上游站线路塌方", "运行图调整"]
ANNOUNCE = ["开始检票", "停止检票", "晚点致歉", "站台变更", "寻人广播"]
TVM_FAULTS = ["卡票", "打印机缺纸", "纸币识别器故障", "读卡器无响应", "触摸屏失灵", "钱箱已满"]
NEEDS = ["轮椅出行", "视障", "孕妇", "老人（80岁以上）", "无人陪伴儿童", "担架旅客"]
LOST = ["黑色双肩包", "手机（白色）", "身份证", "行李箱 24寸 银色", "钱包", "笔记本电脑", "保温杯"]
SCHOOLS = ["临江大学", "云溪师范学院", "鹤山职业技术学院", "北湖理工大学（南校区）"]
JAVA_CLASSES = ["order.SaleService", "order.RefundHandler", "order.ChangeService", "waitlist.FulfilJob",
                "checkin.GateListener", "dispatch.DelayNotifier", "device.TvmMonitor", "report.DailyJob"]


def station(r):
    return r.choice(STATIONS)


def train(r):
    kind = r.choice("GGGDDCKTZ")
    return kind + str(r.randint(1, 9999) if kind in "GDC" else r.randint(1, 1999))


def trains(r):
    return "、".join(train(r) for _ in range(r.randint(1, 3)))


def date(r):
    return "2026-08-%02d" % r.randint(17, 31)


def hm(r):
    return "%02d:%02d" % (r.randint(5, 23), r.randint(0, 59))


def seatno(r):
    return "%02d车%02d%s号" % (r.randint(1, 16), r.randint(1, 18), r.choice("ABCDF"))


def diff(r):
    return r.choice(["无差价", "退还差价%.2f元" % r.uniform(1, 300), "补收差价%.2f元" % r.uniform(1, 500)])


def refund_fee(r):
    return r.choice(["0元", "%.2f元（5%%）" % r.uniform(1, 30), "%.2f元（20%%）" % r.uniform(5, 120), "免收（停运）"])


def face(r):
    return "，人脸比对相似度%.2f" % r.uniform(0.80, 0.99)


def helper(r):
    return "，已预约%s" % r.choice(["轮椅", "爱心通道", "担架车", "全程引导"])


V = {
    "name": gbk_messages.name,
    "station": station,
    "train": train,
    "trains": trains,
    "gate": gbk_messages.pick(GATES),
    "seat": gbk_messages.pick(SEATS),
    "seatcode": gbk_messages.pick(SEAT_CODES),
    "channel": gbk_messages.pick(CHANNELS),
    "changewhy": gbk_messages.pick(CHANGE_WHY),
    "paych": gbk_messages.pick(PAY),
    "idtype": gbk_messages.pick(ID_TYPES),
    "idfail": gbk_messages.pick(ID_FAILS),
    "latewhy": gbk_messages.pick(LATE_WHY),
    "stopwhy": gbk_messages.pick(STOP_WHY),
    "announce": gbk_messages.pick(ANNOUNCE),
    "tvmfault": gbk_messages.pick(TVM_FAULTS),
    "need": gbk_messages.pick(NEEDS),
    "lostitem": gbk_messages.pick(LOST),
    "school": gbk_messages.pick(SCHOOLS),
    "err": lambda r: "code=%s msg=%s" % r.choice(SALE_ERRORS),
    "region": gbk_messages.pick(["东区", "南区", "ctc-north", "ctc-west"]),
    "face": gbk_messages.optional(face, 0.5),
    "helper": gbk_messages.optional(helper, 0.35),
    "diff": diff,
    "fee": refund_fee,
    "date": date,
    "hm": hm,
    "seatno": seatno,
    "order": lambda r: "E%09d" % r.randint(0, 10 ** 9 - 1),
    "ticketno": lambda r: "%s%06d" % (r.choice("ABEHJ"), r.randint(0, 999999)),
    "refund": lambda r: "TK26%012d" % r.randint(0, 10 ** 12 - 1),
    "hb": lambda r: "HB%s%07d" % (r.choice(["0817", "0818", "0820"]), r.randint(0, 9999999)),
    "platform": lambda r: "%d站台" % r.randint(1, 14),
    "track": lambda r: str(r.randint(1, 24)),
    "car": lambda r: str(r.randint(1, 16)),
    "window": lambda r: r.choice(["%d号窗口", "%d号窗口（改签/退票）", "%d号窗口（重点旅客）"]) % r.randint(1, 24),
    "empno": lambda r: "%d%05d" % (r.choice([31, 32, 35]), r.randint(0, 99999)),
    "tvm": lambda r: "%s-%02d号机" % (r.choice(["东进站口", "西广场", "售票厅", "出站层"]), r.randint(1, 30)),
    "tvmid": lambda r: "TVM%s%03d" % (r.choice(STATION_CODES), r.randint(1, 80)),
    "acct": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "fw": lambda r: "v%d.%d.%d" % (r.randint(3, 5), r.randint(0, 9), r.randint(0, 30)),
    "status": lambda r: r.choice(["500", "502", "504", "429"]),
    "money": lambda r: "%.2f" % r.uniform(9.5, 2800),
    "big": lambda r: str(r.randint(0, 2000)),
    "tickets": lambda r: str(r.randint(1, 5)),
    "n": lambda r: str(r.randint(1, 30)),
    "pct": lambda r: str(r.randint(0, 100)),
    "mins": lambda r: str(r.randint(3, 240)),
    "ms": lambda r: str(r.randint(15, 9000)),
}

TEMPLATES = [
    ("INFO", "售票成功：订单{order}，{train}次 {station}→{station}，{seat}{tickets}张，乘车日期{date}，渠道：{channel}，票款{money}元"),
    ("WARN", "售票失败 order={order} train={train} channel={channel} {err}"),
    ("INFO", "改签成功：原票{ticketno}改签至{train}次（{date} {hm}开），席别{seat}，{diff}"),
    ("WARN", "改签失败：票号{ticketno}，原因：{changewhy}"),
    ("INFO", "退票成功：票号{ticketno}，退票费{fee}，应退{money}元，退款方式：{paych}"),
    ("ERROR", "退款失败 refund_id={refund} ticket={ticketno} channel={paych} http={status} cost={ms}ms"),
    ("INFO", "候补订单已提交：候补单{hb}，车次{trains}，截止兑现时间{date} {hm}，预付款{money}元"),
    ("INFO", "候补兑现成功：候补单{hb}，兑现车次{train}，席位{seatno}"),
    ("WARN", "候补兑现失败：候补单{hb}已过截止时间，预付款{money}元原路退回"),
    ("INFO", "实名核验通过：{gate}，证件类型：{idtype}，旅客{name}，车票{ticketno}{face}"),
    ("WARN", "实名核验不通过：{gate}，原因：{idfail}，已引导至人工核验台"),
    ("INFO", "{gate}开始检票：{train}次，开往{station}，{platform}"),
    ("INFO", "{gate}停止检票：{train}次，已检{big}人，未检{n}人"),
    ("WARN", "列车晚点：{train}次（{station}→{station}）预计晚点{mins}分钟，原因：{latewhy}"),
    ("INFO", "arrival train={train} station={station} track={track} actual={hm} delay={mins}min"),
    ("WARN", "站台变更：{train}次由{platform}变更为{platform}，已通知广播及引导屏"),
    ("INFO", "广播已播放：【{announce}】{train}次，值班员{name}"),
    ("INFO", "余票查询 train={train} date={date} seat_type={seatcode} left={big} channel={channel} cost={ms}ms"),
    ("ERROR", "停运通知：{train}次{date}停运，原因：{stopwhy}，已购票旅客{big}人，办理全额退票"),
    ("ERROR", "自助售取票机【{tvm}】故障：{tvmfault}，设备已暂停服务"),
    ("INFO", "tvm={tvmid} state=online paper_left={pct}% cash_box={money} jam=false fw={fw}"),
    ("INFO", "售票{window}签到：售票员{name}（工号{empno}），备用金{money}元"),
    ("INFO", "售票{window}签退：售票员{name}（工号{empno}），当班售票{big}张，收款{money}元"),
    ("INFO", "重点旅客预约：旅客{name}（{need}），乘坐{train}次，服务员{name}{helper}"),
    ("INFO", "失物招领：在{train}次{car}号车厢拾获{lostitem}，已移交{station}站客运值班室"),
    ("INFO", "学生优惠资质核验通过：旅客{name}，学校：{school}，优惠区间{station}—{station}，本学年剩余{n}次"),
    ("WARN", "疑似批量抢票：账号{acct}在{mins}分钟内提交订单{big}笔，已限制购票24小时"),
    ("ERROR", "Exception calling seat-allocation service: java.net.SocketTimeoutException: Read timed out (train={train}, cost={ms}ms)"),
    ("INFO", "运行图同步完成 date={date} added={n} cancelled={n} changed={n} source={region}"),
    ("INFO", "日结：{station}站{date}售票{big}张，退票{big}张，改签{big}张，营收{money}元"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the station terminals write Chinese labels and say which station and which desk
        cn = {"INFO": "一般", "WARN": "注意", "ERROR": "严重"}[level]
        return "发生时间:2026-08-17 %02d:%02d:%02d 等级:%s 车站:%s 工位:%s — " % (
            hh, mm, ss, cn, station(r), r.choice(["售票", "检票", "客运值班", "综控室"]))
    if form == 1:
        # the gate controllers put each field in parentheses
        return "(2026-08-17 %02d:%02d:%02d.%03d)(%-5s)(gatectl#%02d)(站码:%s) " % (
            hh, mm, ss, r.randint(0, 999), level, r.randint(1, 40), r.choice(STATION_CODES))
    # the ticketing core is Java on logback, with the station code in the MDC
    return "2026-08-17 %02d:%02d:%02d.%03d [ticket-exec-%d] %-5s c.rail.ts.%s [stn=%s] - " % (
        hh, mm, ss, r.randint(0, 999), r.randint(1, 48), level, r.choice(JAVA_CLASSES), r.choice(STATION_CODES))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "RW", 5 * 3600 + 1800)
