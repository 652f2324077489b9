#!/usr/bin/env python3
"""A GBK log of a Chinese concert and theatre ticketing platform with its truth.

    bench/make_gbk_ticketing.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages of a show
evening on the platform: gate check-ins passed and refused, gate heartbeats and gates going
offline, entry counts and weather at an open-air site, seats locked and released, orders
created, cancelled by the buyer or closed unpaid, order creation failing on the database,
payment callbacks (accepted, repeated, failing their signature), e-tickets sent out and handed
on to friends, paper tickets sent by courier, the waiting room letting buyers through and
throttling them, remaining stock per price tier, tiers nearly sold out and stock that does
not reconcile, venue seat maps synchronised or not, seats the organiser held given back to
sale, real-name checks passed and failed,
anti-scalping rules blocking requests and accounts put on a watch list, refund requests,
refund reviews approved and rejected, refunds paid out and failing, SMS sent and not sent,
and a show moved to another date.  Written to measure the miner on and not to shape it: no
rule was made or tuned on them.  Some pairs differ only in a word or two (短信发送成功 and
短信发送失败, 退款审核通过 and 退款审核驳回), as an operator would still count them as two.
Each message keeps its own frequency, check-ins by the hundred and a show moved to another
date once in a few thousand lines. One of three header forms by the seed. The output depends
only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# show title, its code prefix, venue, and whether the site is open-air
SHOWS = [("《星河回响》林予安2026巡回演唱会-上海站", "SH26XH", "上海东岸体育中心（主场馆）", False),
         ("话剧《长夜将尽》（第三轮复排）", "BJ26CY", "北京北辰剧场", False),
         ("音乐剧《雾都来信》中文版", "HZ26WD", "杭州江畔大剧院（歌剧厅）", False),
         ("《Midnight Lanterns》Live Tour 2026 杭州站", "HZ26ML", "杭州江畔大剧院（歌剧厅）", False),
         ("相声专场《笑满京城》", "BJ26XM", "北京北辰剧场", False),
         ("交响音乐会《山海序曲》", "NJ26SH", "南京栖月音乐厅", False),
         ("脱口秀《周五不加班》 第12场", "CD26ZW", "成都锦江艺术中心（小剧场）", False),
         ("儿童剧《小狐狸找月亮》", "GZ26HL", "广州云湾演艺中心", False),
         ("青枫草地音乐节2026", "WH26QF", "武汉江滩青枫草地（户外）", True)]
# zone, its prices in 元
ZONES = [("内场VIP", [1680, 1880]), ("内场A区", [1280, 1480]), ("看台A区", [880, 980]), ("看台B区", [580, 680]),
         ("看台C区", [380, 480]), ("池座", [680, 880]), ("楼座", [280, 380]), ("包厢", [2280]),
         ("学生票", [99, 120])]
HALLS = ["主场馆", "歌剧厅", "戏剧厅", "小剧场", "多功能厅", "音乐厅（A厅）"]
GATES = ["东门1号闸机", "东门2号闸机", "西门3号闸机", "南门VIP通道", "北门 4号闸机", "北门 5号闸机", "员工通道（工作证）",
         "无障碍通道"]
PAYCH = ["WECHAT_JSAPI", "ALIPAY_APP", "UNIONPAY", "APPLE_PAY", "DIGITAL_RMB", "HUABEI_3"]
PUSH = ["App票夹", "短信", "微信卡包", "小程序「票夹」", "邮箱 t***@qq.com"]
RELEASES = ["支付超时", "用户主动放弃", "锁座到期未下单", "风控拦截后释放", "后台手动释放（座位调整）", "订单取消"]
CANCELS = ["行程有变", "重复下单", "想换座位", "选错场次", "价格太贵了", "其他：朋友已经买了"]
REFUNDS = ["行程冲突，无法观演", "身体原因", "演出改期", "买错场次", "观演人信息填写错误", "不可抗力（航班取消）"]
REJECTS = ["重复检票（首次入场%s %s）", "非本场次票（票面场次%s）", "票已退，二维码失效", "动态二维码已过期，请刷新后重试",
           "人证不一致，已转人工核验", "该通道不支持此票档"]
SMSTPL = ["出票成功通知", "开演提醒（提前2小时）", "退票成功通知", "验证码", "改期通知", "候补成功通知"]
SMSCH = ["移动CMPP", "联通SGIP", "电信SMGP", "云讯通道B", "国际短信"]
SMSOK = ["DELIVRD", "0", "ACCEPTD"]
SMSERR = ["UNDELIV", "MK:0001", "EXPIRED", "BLACKLIST", "MI:0024"]
RULES = ["同设备多账号", "IP段高频下单", "模拟器环境", "抢购脚本特征（请求间隔<50ms）", "实名证件异常聚集", "收货地址集中",
         "新注册账号 + 高价票档"]
ACTIONS = ["REJECT", "CAPTCHA", "DELAY_30S", "REVIEW", "SILENT_DROP"]
KYC = ["公安身份核验", "运营商三要素", "人脸活体比对", "港澳台通行证OCR"]
KYCFAIL = ["证件号与姓名不一致", "活体检测未通过（疑似翻拍）", "证件已过期", "第三方接口超时", "同一证件已绑定3个账号"]
LISTS = ["黄牛观察-一级", "黄牛观察-二级", "高风险设备库", "异常代购"]
SIGERRS = ["Signature length not correct: got 255 but was expecting 256",
           "sign mismatch, expected=3F8A... actual=9C01...", "Invalid public key version: v2",
           "Certificate expired (serial=6A3F00921B)"]
EXPRESS = ["云途速运", "飞鸿快递（次日达）", "邮政EMS", "城配同城急送"]
CITIES = ["上海市徐汇区", "北京市朝阳区", "浙江省杭州市", "江苏省南京市", "四川省成都市", "广东省广州市", "湖北省武汉市"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
REFERRS = ["NOTENOUGH", "SYSTEMERROR", "USER_ACCOUNT_ABNORMAL", "FREQUENCY_LIMITED", "ORDER_CLOSED"]
ACTS = ["ACT-XH0601", "ACT-ML0607", "ACT-QF0530", "ACT-CY0523"]
GATEAREAS = ["东门", "西门", "南门", "北门", "VIP入口"]
WEEK = "一二三四五六日"

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def show(r):
    _chosen["show"] = r.choice(SHOWS)
    return _chosen["show"][0]


def showcode(r):
    """The code of a session: the show's prefix, a month and day, and a sitting letter."""
    code = r.choice(SHOWS)[1]
    return "%s%s%s" % (code, r.choice(["0523", "0524", "0530", "0601", "0607", "0614"]), r.choice("AB"))


def _session(r):
    d = datetime.datetime(2026, 5, 20) + datetime.timedelta(days=r.randint(0, 25))
    hh, mm = r.choice([(14, 0), (19, 30), (19, 30), (20, 0)])
    return d.replace(hour=hh, minute=mm)


def session(r):
    _chosen["sess"] = _session(r)
    return _chosen["sess"].strftime("%Y-%m-%d %H:%M")


def sessioncn(r):
    s = _session(r)
    return "%d月%d日（周%s）%s" % (s.month, s.day, WEEK[s.weekday()], s.strftime("%H:%M"))


def newdate(r):
    s = _chosen["sess"] + datetime.timedelta(days=r.choice([7, 14, 21, 35]))
    return s.strftime("%Y/%m/%d %H:%M")


def deadline(r):
    s = _chosen["sess"] - datetime.timedelta(days=r.randint(1, 3))
    return "%d月%d日 23:59" % (s.month, s.day)


def zone(r):
    _chosen["zone"] = r.choice(ZONES)
    return _chosen["zone"][0]


def price(r):
    _chosen["price"] = r.choice(_chosen["zone"][1])
    return str(_chosen["price"])


def qty(r):
    _chosen["qty"] = r.choice([1, 1, 1, 2, 2, 2, 3, 4, 6])
    return str(_chosen["qty"])


def total(r):
    """What the order's buyer pays: its tickets less, on some orders, a coupon."""
    coupon = r.choice([0, 0, 0, 0, 20, 30, 50, 100]) if _chosen["price"] > 150 else 0
    _chosen["coupon"] = coupon
    return "%.2f" % (_chosen["price"] * _chosen["qty"] - coupon)


def coupon(r):
    c = _chosen["coupon"]
    if not c:
        return ""
    return "（已用优惠券「%s」抵扣%d元）" % (r.choice(["新客立减%d" % c, "会员日专享券", "早鸟票优惠"]), c)


def seatcn(r):
    """A seat as the box office writes it, rows and seat numbers in one of the venues' forms."""
    z = r.choice(ZONES)[0]
    row, no = r.randint(1, 32), r.randint(1, 48)
    k = r.randint(0, 2)
    if k == 0:
        return "%s %d排%02d座" % (z, row, no)
    if k == 1:
        return "%s-%d排-%d号" % (z, row, no)
    return "%s%d层%d排%d座" % (z, r.randint(1, 3), row, no)


def seatcodes(r):
    area, row = r.choice("ABCDEFK"), r.randint(1, 40)
    first = r.randint(1, 40)
    return ",".join("%s-%02d-%02d" % (area, row, first + i) for i in range(r.randint(1, 4)))


def ticketno(r):
    return "ET%s%010d" % (r.choice(["2605", "2606"]), r.randint(0, 10 ** 10 - 1))


def tickets(r):
    _chosen["n"] = r.choice([1, 1, 2, 2, 2, 3, 4])
    return str(_chosen["n"])


def ticketnos(r):
    return ", ".join(ticketno(r) for _ in range(_chosen["n"]))


def orderno(r):
    return "TK20260520%s%08d" % (r.choice("WAHM"), r.randint(0, 10 ** 8 - 1))


def refundno(r):
    return "RF%s%06d" % (r.choice(["260520", "260519", "260518"]), r.randint(0, 999999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def maskname(r):
    n = name(r)
    return n[0] + "*" * (len(n) - 1)


def idmask(r):
    return "%s%02d************%s" % (r.choice(["31", "11", "33", "32", "51", "44", "42"]), r.randint(1, 20),
                                      r.choice(list("0123456789X")) + "%d" % r.randint(0, 9))


def gateid(r):
    return "GT-%s-%02d" % (r.choice(["E", "W", "S", "N"]), r.randint(1, 12))


def ordertime(r):
    return "2026-05-20T%02d:%02d:%02d+08:00" % (r.choice([16, 17]), r.randint(0, 59), r.randint(0, 59))


def paytime(r):
    return "2026052018%02d%02d" % (r.randint(0, 59), r.randint(0, 59))


def reject(r):
    why = r.choice(REJECTS)
    if why.startswith("重复"):
        return why % ("%02d:%02d:%02d" % (18, r.randint(0, 59), r.randint(0, 59)), r.choice(GATES))
    if why.startswith("非本"):
        return why % r.choice(["5月23日", "5月24日", "06-01"])
    return why


def stock(r):
    cap = r.randint(80, 3200)
    left = r.randint(0, cap // 3)
    return "余票%d/%d张，售出率%.1f%%" % (left, cap, 100.0 * (cap - left) / cap)


def entry(r):
    sold = r.randint(600, 42000)
    came = int(sold * r.uniform(0.05, 0.97))
    return "已入场%d人/应到%d人，入场率%.1f%%" % (came, sold, 100.0 * came / sold)


def refund(r):
    """A refund's amount and the fee kept back, which depends on how close to the show it is."""
    amount = r.choice([99, 280, 380, 480, 580, 680, 880, 1280, 1680]) * r.choice([1, 1, 2, 2, 3])
    rate = r.choice([0, 0, 5, 10, 20])
    _chosen["fee"] = "%.2f" % (amount * rate / 100.0)
    _chosen["rate"] = rate
    return "%.2f" % (amount - amount * rate / 100.0)


def reconcile(r):
    a = r.randint(0, 40)
    b = a + r.choice([-3, -2, -1, 1, 2, 5])
    return "缓存余票%d张，数据库余票%d张，差异%+d张" % (a, max(b, 0), max(b, 0) - a)


def weather(r):
    t = r.uniform(17, 36)
    out = "气温%.1f℃，湿度%d%%，风速%.1fm/s" % (t, r.randint(35, 95), r.uniform(0.2, 11))
    if t > 33 or r.random() < 0.15:
        out += "，已启动「%s」" % r.choice(["高温预案（增设喷雾点）", "雷雨预警预案", "大风预案：舞台顶部装饰已撤下"])
    return out


V = {
    "show": show, "showcode": showcode, "session": session, "sessioncn": sessioncn, "newdate": newdate,
    "deadline": deadline, "zone": zone, "price": price, "qty": qty,
    "total": total, "coupon": coupon, "seatcn": seatcn, "seatcodes": seatcodes, "ticketno": ticketno,
    "ticketnos": ticketnos, "tickets": tickets, "orderno": orderno, "refundno": refundno,
    "phone": phone, "name": name, "maskname": maskname, "idmask": idmask, "gateid": gateid,
    "ordertime": ordertime, "paytime": paytime, "reject": reject, "stock": stock, "entry": entry,
    "refund": refund, "fee": lambda r: _chosen["fee"], "feerate": lambda r: str(_chosen["rate"]),
    "reconcile": reconcile, "weather": weather,
    "anyvenue": lambda r: r.choice(SHOWS)[2], "outdoor": lambda r: "%s「%s」" % (SHOWS[-1][2], SHOWS[-1][0]),
    "hall": pick(HALLS), "gate": pick(GATES), "gatearea": pick(GATEAREAS), "paych": pick(PAYCH),
    "push": items(PUSH, 1, 2), "release": pick(RELEASES), "cancel": pick(CANCELS), "refundwhy": pick(REFUNDS),
    "smstpl": pick(SMSTPL), "smsch": pick(SMSCH), "smsok": pick(SMSOK), "smserr": pick(SMSERR),
    "rule": pick(RULES), "action": pick(ACTIONS), "kyc": pick(KYC), "kycfail": pick(KYCFAIL),
    "listname": pick(LISTS), "sigerr": pick(SIGERRS), "express": pick(EXPRESS), "city": pick(CITIES),
    "httpfail": pick(HTTPFAILS), "referr": pick(REFERRS), "act": pick(ACTS),
    "gatename": lambda r: r.choice(GATES).replace("（工作证）", ""),
    "uid": rint(10 ** 8, 10 ** 9 - 1), "trade": rint(0, 10 ** 12 - 1, "42000026%012d"),
    "fp": lambda r: "%016x" % r.getrandbits(64), "token": lambda r: "wr_%012x" % r.getrandbits(48),
    "ip": lambda r: "%d.%d.%d.%d" % (r.choice([36, 58, 112, 117, 183, 223]), r.randint(0, 255), r.randint(0, 255),
                                      r.randint(1, 254)),
    "receipt": lambda r: "%s%06d" % (r.choice(["SM", "MX"]), r.randint(0, 999999)),
    "waybill": lambda r: "%s%010d" % (r.choice(["YT", "FH", "EM"]), r.randint(0, 10 ** 10 - 1)),
    "ttl": pick(["300", "600", "900"]), "ms": rint(8, 2400), "slow": rint(3000, 30000), "rank": rint(1, 86000),
    "wait": rint(0, 1800), "pct": rint(12, 100), "cache": rint(0, 4800), "devtemp": real(21.0, 58.0),
    "score": rint(61, 100), "mins": rint(2, 45), "try": rint(1, 5), "ver": lambda r: "2026.05.%d-%d" % (
        r.randint(1, 20), r.randint(1, 9)),
    "seats": rint(800, 45000), "sellable": rint(200, 30000), "hours": pick(["1", "6", "24", "72"]),
    "orders": rint(8, 160), "ids": rint(4, 40), "addrs": rint(1, 12), "kg": real(0.1, 1.5, "%.2f"),
    "qps": rint(20000, 240000), "limit": pick(["15000", "20000", "50000"]), "inq": rint(30000, 900000),
    "few": rint(1, 30), "lost": rint(40, 600), "secs": rint(30, 900), "repeat": rint(2, 9),
    "queue": rint(0, 1200), "pool": rint(50, 200), "tix": rint(300, 42000),
    "recheck": optional(lambda r: "，人脸核验相似度%.1f%%" % r.uniform(86.0, 99.9), 0.35),
    "buyer": optional(lambda r: "，购票人%s（%s）" % (name(r), phone(r)), 0.3),
    "lockby": optional(lambda r: "，原锁定用户uid=%d" % r.randint(10 ** 8, 10 ** 9 - 1), 0.3),
    "smsnote": optional(lambda r: "，计费%d条" % r.randint(1, 3), 0.4),
    "manual": optional(lambda r: "，%s%s已到场处理" % (r.choice(["现场主管", "票务经理", "安保组"]), name(r)), 0.4),
    "remark": optional(lambda r: "，备注：%s" % r.choice(["需要本人到场取票", "含VIP手环", "请保持电话畅通",
                                                         "附赠纪念票根"]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "gate", "检票通过：票号{ticketno}，{gate}，{seatcn}，观演人{maskname}{recheck}"),
    (190, "INFO", "seat", "lock seat ok show={showcode} seats=[{seatcodes}] uid={uid} ttl={ttl}s cost={ms}ms"),
    (150, "INFO", "order", "创建订单：订单号{orderno}，{show}，场次{session}，{zone}{price}元×{qty}张，应付{total}元{coupon}"),
    (125, "INFO", "pay", "pay notify status=SUCCESS channel={paych} order_no={orderno} trade_no={trade} "
                         "pay_time={paytime} cost={ms}ms"),
    (95, "INFO", "ticket", "电子票出票成功：订单{orderno}，共{tickets}张{buyer}，票号：{ticketnos}，已推送至{push}"),
    (75, "INFO", "seat", "座位释放：场次{showcode}，座位「{seatcn}」，原因：{release}{lockby}"),
    (70, "INFO", "queue", "waiting room pass activity={act} uid={uid} rank={rank} waited={wait}s token={token}"),
    (55, "INFO", "gate", "gate heartbeat id={gateid} name=\"{gatename}\" online=true battery={pct}% "
                         "offline_cache={cache} cpu_temp={devtemp}℃"),
    (45, "INFO", "notify", "短信发送成功：手机号{phone}，模板「{smstpl}」，通道：{smsch}，状态码{smsok}，流水{receipt}{smsnote}"),
    (40, "INFO", "stock", "余票同步：{show} {sessioncn} {zone}{stock}"),
    (30, "WARN", "risk", "风控拦截 uid={uid} fp={fp} ip={ip} rule=【{rule}】 score={score} action={action}"),
    (28, "INFO", "order", "用户取消订单：订单号{orderno}，取消原因「{cancel}」，释放座位{qty}个"),
    (24, "INFO", "order", "订单超时关闭：订单号{orderno}，下单时间{ordertime}，{mins}分钟内未支付，释放座位{qty}个"),
    (20, "INFO", "refund", "退票申请：订单{orderno}，{show}，{qty}张，申请人{name}（{phone}），原因：{refundwhy}"),
    (16, "INFO", "gate", "入场统计：{show}，{entry}，{gatearea}排队约{queue}人"),
    (14, "INFO", "refund", "退款审核通过：退款单{refundno}，订单{orderno}，退款{refund}元，手续费{fee}元（{feerate}%），审核人{name}"),
    (12, "INFO", "refund", "refund callback refund_no={refundno} channel={paych} amount={refund} status=SUCCESS"),
    (12, "INFO", "venue", "座位图同步完成：场馆「{anyvenue}」{hall}，版本v{ver}，座位{seats}个，可售{sellable}个，耗时{ms}ms"),
    (11, "WARN", "gate", "检票拒绝：票号{ticketno}，{gate}，原因：{reject}"),
    (10, "INFO", "risk", "实名核验通过：观演人{name}（证件{idmask}），核验渠道：{kyc}，耗时{ms}ms"),
    (9, "WARN", "notify", "短信发送失败：手机号{phone}，模板「{smstpl}」，通道：{smsch}，状态码{smserr}，流水{receipt}{smsnote}"),
    (8, "INFO", "ticket", "电子票转赠：票号{ticketno}，转出人{name}，接收人{name}（{phone}），{show}"),
    (7, "WARN", "pay", "支付回调重复通知，已忽略 order_no={orderno} trade_no={trade} channel={paych} notify_count={repeat}"),
    (6, "WARN", "risk", "疑似黄牛账号：uid={uid}，近{hours}小时下单{orders}笔，关联观演人{ids}个、收货地址{addrs}个，"
                        "已加入观察名单【{listname}】"),
    (5, "ERROR", "pay", "支付回调验签失败：channel={paych} order_no={orderno} "
                        "err=java.security.SignatureException: {sigerr}"),
    (5, "INFO", "ticket", "纸质票寄递：订单{orderno}，{express}运单号{waybill}，包裹重量{kg}kg，收件人{name}（{city}）{remark}"),
    (5, "WARN", "queue", "排队系统限流：活动{act}，当前QPS {qps}，阈值{limit}，在队人数{inq}，预计放行还需{mins}分钟"),
    (4, "WARN", "refund", "退款审核驳回：退款单{refundno}，订单{orderno}，退款{refund}元，手续费{fee}元（{feerate}%），审核人{name}"),
    (4, "WARN", "stock", "票档即将售罄：{show}（{sessioncn}）{zone}仅剩{few}张，已打上「即将售罄」标签"),
    (3, "WARN", "risk", "实名核验失败：观演人{name}（证件{idmask}），核验渠道：{kyc}，原因：{kycfail}"),
    (3, "ERROR", "venue", "座位图同步失败：场馆「{anyvenue}」{hall}，版本v{ver}，HTTP {httpfail}，第{try}次重试"),
    (3, "ERROR", "order", "create order failed uid={uid} show={showcode}: java.sql.SQLTransientConnectionException: "
                          "ticket-db-pool - Connection is not available, request timed out after {slow}ms (max={pool})"),
    (2.5, "ERROR", "gate", "闸机离线：{gatename}（{gateid}）心跳超时{secs}秒，已切换手持PDA核验，离线缓存票数{cache}{manual}"),
    (2, "ERROR", "refund", "refund callback refund_no={refundno} channel={paych} amount={refund} status=FAIL "
                           "err_code={referr}"),
    (1.4, "INFO", "gate", "户外场地环境监测：{outdoor}，{weather}"),
    (1.2, "ERROR", "stock", "库存对账不一致：场次{showcode}，{zone}，{reconcile}，已暂停该票档售卖"),
    (1, "INFO", "venue", "场馆保留座回收：场馆「{anyvenue}」{hall}，主办方释放工作票/预留座{lost}张，已进入可售库存"),
    (1, "WARN", "show", "演出改期：{show}原定{session}改期至{newdate}，影响订单{orders}笔、票{tix}张，已推送改期通知"
                        "（可无损退票至{deadline}）"),
]

# the service each module runs in, its Java class, its thread names and its process id
SERVICES = {
    "gate": ("checkin-svc", "gate.CheckinService", ["gate-netty-%d", "nioEventLoopGroup-3-%d"], 4120, "检票"),
    "seat": ("seat-svc", "seat.SeatLockService", ["http-nio-8081-exec-%d"], 2231, "选座"),
    "order": ("order-svc", "order.OrderService", ["http-nio-8080-exec-%d", "order-timeout-%d"], 2208, "订单"),
    "pay": ("pay-svc", "pay.NotifyController", ["http-nio-8090-exec-%d"], 3310, "支付"),
    "ticket": ("eticket-svc", "ticket.EticketService", ["eticket-worker-%d", "mq-consumer-%d"], 3512, "出票"),
    "queue": ("waitroom-svc", "queue.WaitingRoomFilter", ["vertx-eventloop-%d"], 5006, "排队"),
    "notify": ("notify-svc", "notify.SmsSender", ["sms-pool-%d"], 6120, "消息"),
    "stock": ("inventory-svc", "stock.InventorySyncJob", ["scheduling-%d", "stock-sync-%d"], 2245, "库存"),
    "risk": ("risk-svc", "risk.RiskEngine", ["risk-eval-%d", "kyc-client-%d"], 7001, "风控"),
    "refund": ("refund-svc", "refund.RefundService", ["http-nio-8092-exec-%d", "refund-cb-%d"], 3330, "退款"),
    "venue": ("venue-sync", "venue.SeatMapSyncTask", ["venue-sync-%d"], 8013, "场馆同步"),
    "show": ("show-admin", "show.ShowChangeService", ["admin-exec-%d"], 8100, "演出管理"),
}
HOSTS = ["tix-prod-a01", "tix-prod-a02", "tix-prod-b07", "tix-prod-b11"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 20) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    svc, cls, threads, pid, cn = SERVICES[module]
    if form == 0:
        # the Java services write the usual pattern: time with millis, thread, padded level, short class
        return "%s,%03d [%s] %-5s c.y.tix.%s - " % (
            at.strftime("%Y-%m-%d %H:%M:%S"), ms, r.choice(threads) % r.randint(1, 32), level, cls)
    if form == 1:
        # the operations console shows the level and the service in Chinese and the node after them
        word = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s服务][%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), word, cn, r.choice(HOSTS))
    # the collector keeps the syslog form: month, host, service[pid], then the level in angle brackets
    return "%s %s %s[%d]: <%s> " % (at.strftime("%b %d %H:%M:%S"), r.choice(HOSTS), svc, pid, level)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "T", 17 * 3600 + 50 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
