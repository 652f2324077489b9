#!/usr/bin/env python3
"""A GBK log of a Chinese scenic area's ticketing and visitor-flow system with its truth.

    bench/make_gbk_scenic.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages
(ticket sales by channel, gates and their check-in, time-slot reservations, capacity alarms,
area head counts, tour groups, refunds, attraction queues and stoppages, annual passes,
ropeway wind limits, ticket windows, lost property, daily settlement), written to measure
the miner on and not to shape it: no rule was made or tuned on them. One of three header
forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

SCENICS = ["云溪古镇景区", "临江湿地公园", "鹤山森林乐园", "北湖欢乐谷（水上乐园）", "青石峡漂流"]
# gate names as the site staff typed them into the device list, blanks and all
GATES = ["东门1号闸机", "南门 3号闸机", "游客中心检票口A", "索道下站检票口", "VIP通道", "北门（团队通道）",
         "西门 2号闸机"]
TICKETS = ["成人票", "儿童票（1.2-1.5米）", "老年票（60周岁以上）", "学生票", "夜场票", "亲子套票（2大1小）",
           "门票+索道联票", "年卡"]
CHANNELS = ["官方小程序", "线下窗口", "OTA渠道A", "OTA渠道B", "旅行社团队", "自助售票机", "ota_partner_07"]
VERIFY = ["二维码", "身份证", "人脸识别", "IC年卡", "纸质票条码"]
REJECTS = ["票已使用", "不在预约时段（提前入园）", "票已过期", "人证不符", "已退票", "非本检票口可用",
           "儿童票需成人陪同"]
ALARM_LEVELS = ["一级（黄色）", "二级（橙色）", "三级（红色）"]
AREAS = ["古戏台广场", "网红玻璃桥", "游客中心", "索道上站观景台", "美食街", "亲水栈道", "主入口广场"]
AGENCIES = ["云溪阳光旅行社有限公司", "鹤山假日旅行社", "北湖青年旅行社（城东营业部）", "临江途远国际旅行社",
            "青石文旅研学中心"]
REFUND_WHY = ["行程变更", "天气原因", "买错日期", "景区限流未能入园", "重复购买", "健康原因（已提供证明）"]
PAY_CH = ["原路退回-扫码支付", "原路退回-银行卡", "现金", "OTA渠道结算", "账户余额"]
RIDES = ["过山车「飞越峡谷」", "摩天轮", "激流勇进", "4D影院", "观光小火车", "丛林探险", "旋转木马"]
PAUSE_WHY = ["雷雨天气", "设备例行检查", "安全压杠报警", "游客突发不适", "电源跳闸", "风速超限"]
ROPEWAYS = ["一号索道", "二号索道（观光缆车）", "滑道"]
ROPE_OPS = ["已降速运行", "已停止上行售票", "已暂停运行并疏散站内游客"]
LOST = ["黑色双肩包", "儿童水壶", "身份证", "手机（蓝色外壳）", "钱包", "雨伞", "眼镜"]
DIFF_OPS = ["退还", "补收", "挂账"]
ERRORS = [("40012", "库存不足"), ("40021", "证件号格式错误"), ("50003", "支付网关超时"),
          ("40031", "超出单人限购数量"), ("50010", "upstream channel error")]
WINDOWS = ["1号窗口", "2号窗口", "3号窗口（团队）", "北门售票亭"]
MODULES_CN = ["票务", "检票", "客流", "团队", "财务", "设备"]
AGENTS = ["gate-agent", "ticket-api", "flow-monitor", "ota-sync", "settle-job"]
PY_LOGGERS = ["ticketing.sale", "ticketing.refund", "gate.checkin", "flow.capacity", "group.register",
              "ride.queue", "finance.daily"]


def date(r):
    return "2026-04-%02d" % r.randint(1, 30)


def slot(r):
    h = r.randint(8, 17)
    return "%02d:00-%02d:00" % (h, h + 1)


def guest(r):
    # the gate shows the holder only for real-name tickets
    return "，游客%s" % gbk_messages.name(r)


def lost_contact(r):
    return "，失主电话1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999))


def fee(r):
    return r.choice(["0元", "0元", "%.2f元" % r.uniform(2, 20), "免收（天气原因）"])


V = {
    "name": gbk_messages.name,
    "scenic": gbk_messages.pick(SCENICS),
    "gate": gbk_messages.pick(GATES),
    "ticket": gbk_messages.pick(TICKETS),
    "channel": gbk_messages.pick(CHANNELS),
    "verify": gbk_messages.pick(VERIFY),
    "rejectwhy": gbk_messages.pick(REJECTS),
    "alarmlevel": gbk_messages.pick(ALARM_LEVELS),
    "area": gbk_messages.pick(AREAS),
    "agency": gbk_messages.pick(AGENCIES),
    "refundwhy": gbk_messages.pick(REFUND_WHY),
    "paych": gbk_messages.pick(PAY_CH),
    "ride": gbk_messages.pick(RIDES),
    "pausewhy": gbk_messages.pick(PAUSE_WHY),
    "ropeway": gbk_messages.pick(ROPEWAYS),
    "ropeop": gbk_messages.pick(ROPE_OPS),
    "lostitem": gbk_messages.pick(LOST),
    "diffop": gbk_messages.pick(DIFF_OPS),
    "window": gbk_messages.pick(WINDOWS),
    "err": lambda r: "code=%s msg=%s" % r.choice(ERRORS),
    "facestate": lambda r: r.choice(["已采集", "未采集", "质量不合格"]),
    "guest": gbk_messages.optional(guest, 0.45),
    "lostcontact": gbk_messages.optional(lost_contact, 0.3),
    "fee": fee,
    "date": date,
    "date2": lambda r: "%d年%d月%d日" % (2027, r.randint(1, 12), r.randint(1, 28)),
    "slot": slot,
    "order": lambda r: "SO2604%02d%06d" % (r.randint(1, 30), r.randint(0, 999999)),
    "ticketno": lambda r: "%012d" % r.randint(0, 10 ** 12 - 1),
    "refund": lambda r: "RFD%010d" % r.randint(0, 10 ** 10 - 1),
    "group": lambda r: "TD202604%02d-%04d" % (r.randint(1, 30), r.randint(1, 9999)),
    "guideid": lambda r: "D-%04d-%06d" % (r.choice([3301, 3302, 3205, 3401]), r.randint(0, 999999)),
    "cardno": lambda r: "NK%08d" % r.randint(0, 99999999),
    "gateid": lambda r: "GT-%s-%02d" % (r.choice(["E", "S", "W", "N", "VC"]), r.randint(1, 12)),
    "cam": lambda r: "ipc_%03d" % r.randint(1, 240),
    "fw": lambda r: "%d.%d.%d" % (r.randint(2, 4), r.randint(0, 9), r.randint(0, 40)),
    "ts": lambda r: "%02d:%02d:%02d" % (r.randint(7, 21), r.randint(0, 59), r.randint(0, 59)),
    "temp": lambda r: str(r.randint(18, 62)),
    "big": lambda r: str(r.randint(0, 30000)),
    "queue": lambda r: str(r.randint(0, 600)),
    "pctdown": lambda r: "%d%%" % r.randint(40, 79),
    "ota": gbk_messages.pick(["OTA渠道A", "OTA渠道B", "ota_partner_07", "ota_partner_12"]),
    "n": lambda r: str(r.randint(1, 60)),
    "pct": lambda r: "%d%%" % r.randint(75, 120),
    "density": lambda r: "%.1f" % r.uniform(0.5, 45),
    "money": lambda r: "%.2f" % r.uniform(10, 98000),
    "mins": lambda r: str(r.randint(1, 150)),
    "ms": lambda r: str(r.randint(40, 12000)),
    "wind": lambda r: "%.1f" % r.uniform(3, 22),
}

TEMPLATES = [
    ("INFO", "售票成功：订单{order}，{ticket}×{n}，渠道：{channel}，金额{money}元，入园日期{date}，时段{slot}"),
    ("WARN", "售票失败 order={order} channel={channel} {err}"),
    ("INFO", "检票通过：{gate}，票号{ticketno}，核验方式：{verify}，票种：{ticket}{guest}"),
    ("WARN", "检票拒绝：{gate}，票号{ticketno}，原因：{rejectwhy}"),
    ("INFO", "gate={gateid} event=heartbeat online=true passed_today={big} board_temp={temp}C fw={fw}"),
    ("ERROR", "闸机【{gate}】离线，设备编号{gateid}，最后通讯时间{ts}，已切换人工检票"),
    ("INFO", "分时预约统计：{date} {slot}时段已约{big}人，剩余{big}人"),
    ("WARN", "{date} {slot}时段预约已满，{scenic}暂停该时段售票"),
    ("WARN", "客流预警：{scenic}在园人数{big}人，达到最大承载量的{pct}，预警级别：{alarmlevel}"),
    ("INFO", "客流预警解除：{scenic}在园人数{big}人，承载率降至{pctdown}"),
    ("INFO", "区域客流 area={area} count={big} density={density}人/百平方米 source={cam}"),
    ("INFO", "团队入园登记：团号{group}，旅行社：{agency}，导游{name}（导游证号{guideid}），人数{n}人"),
    ("WARN", "团队{group}实到{n}人，与预订人数{n}人不符，差额已{diffop}，经办人{name}"),
    ("INFO", "退票申请已受理：订单{order}，退{n}张，退款金额{money}元，手续费{fee}，原因：{refundwhy}"),
    ("INFO", "退款成功 refund_id={refund} order={order} amount={money} channel={paych} cost={ms}ms"),
    ("ERROR", "退款失败：订单{order}，{paych}返回{err}，已转财务人工处理（经办人{name}）"),
    ("INFO", "项目排队：{ride}当前排队{queue}人，预计等待{mins}分钟"),
    ("WARN", "项目暂停运营：{ride}，原因：{pausewhy}，值班经理{name}"),
    ("INFO", "项目恢复运营：{ride}，暂停时长{mins}分钟，值班经理{name}"),
    ("INFO", "年卡激活：卡号{cardno}，持卡人{name}，有效期至{date2}，人脸照片{facestate}"),
    ("WARN", "年卡{cardno}当日第{n}次入园（{gate}），疑似转借，已锁定待核验"),
    ("WARN", "《{ropeway}》风速{wind}m/s超过限值，{ropeop}"),
    ("INFO", "售票{window}开始营业，售票员{name}，备用金{money}元"),
    ("INFO", "售票{window}结束营业，售票员{name}，备用金{money}元"),
    ("INFO", "失物招领登记：{lostitem}，拾获地点：{area}，登记人{name}{lostcontact}"),
    ("INFO", "OTA订单同步 channel={ota} pulled={queue} created={queue} duplicated={n} failed={n}"),
    ("INFO", "日结完成：{date}，入园{big}人次，其中团队{big}人次，门票收入{money}元，退款{money}元"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the ticketing suite bought with the site logs with Chinese labels and a bar before the text
        cn = {"INFO": "提示", "WARN": "警告", "ERROR": "错误"}[level]
        return "日期：2026-04-05 时间：%02d:%02d:%02d 等级：%s 子系统：%s | " % (hh, mm, ss, cn, r.choice(MODULES_CN))
    if form == 1:
        # the gate agents and sync jobs bracket every field
        return "[2026-04-05 %02d:%02d:%02d.%03d][%s][%s-%02d][pid:%d] " % (
            hh, mm, ss, r.randint(0, 999), level, r.choice(AGENTS), r.randint(1, 9), r.randint(1000, 60000))
    # the flow dashboard and settlement are Python and keep logging's default-ish format
    return "2026-04-05 %02d:%02d:%02d,%03d - %s - %s - " % (
        hh, mm, ss, r.randint(0, 999), r.choice(PY_LOGGERS), {"WARN": "WARNING"}.get(level, level))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "SA", 7 * 3600 + 1800)
