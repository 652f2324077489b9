#!/usr/bin/env python3
"""A GBK log of a Chinese cinema ticketing and concession system with its truth.

    bench/make_gbk_cinema.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (showtimes,
seat locks, orders, refunds, member cards, coupons, ticket machines, projection hall
devices and concession stock), written to measure the miner on and not to shape it: no
rule was made or tuned on them. Several pairs are close on purpose (seat lock won or lost,
ticket printed or not, coupon redeemed or refused), as a box office log has them. One of
three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

FILMS = ["《流浪地球3》", "《长安的荔枝》", "《熊出没·逆转时空》", "《唐探1900》", "《南方的雪》",
         "《星河守夜人》", "《追风少年》", "《第八个房间》", "《海底小纵队：深海奇遇》",
         "《她的名字叫春天》", "《疾速追杀4》", "《山海经之再见怪兽》"]
HALLS = ["1号厅", "2号厅", "3号厅", "5号厅", "7号厅", "IMAX厅", "杜比全景声厅", "4DX厅",
         "VIP厅", "激光巨幕厅", "儿童亲子厅"]
VERSIONS = ["2D", "3D", "IMAX 3D", "中国巨幕2D", "杜比视界", "4DX", "国语2D", "英语原声3D"]
LOCK_FAIL = ["座位已被他人锁定", "座位已售出", "场次已停售", "超过单笔限购数量（6张）",
             "座位为维修座，不可售", "锁座服务超时", "会员账号被风控拦截", "不可跨区选座",
             "情侣座须成对选择"]
PAY = ["微信支付", "支付宝", "会员卡", "银联云闪付", "数字人民币", "现金", "Apple Pay"]
PAY_FAIL = ["用户取消支付", "支付超时", "银行卡余额不足", "第三方支付回调验签失败",
            "重复支付已拦截", "渠道维护中"]
PRINT_FAIL = ["热敏纸用尽", "打印头过热", "取票码不存在", "该订单已取票", "影票已退",
              "卡纸", "与票务服务器通讯中断", "场次已开映超过30分钟"]
REFUND_REASON = ["临时有事", "买错场次", "买错影厅", "影片临时撤档", "放映事故", "重复购票"]
REFUSAL = ["距开映不足60分钟，不支持退票", "该影票已取出", "活动特惠票不支持退改",
           "订单已改签过一次", "场次已开映", "超过退票次数上限（每月3次）", "团购兑换券订单不可退"]
CHANNELS = ["WECHAT", "ALIPAY", "MEMBER_CARD", "UNIONPAY", "E_CNY"]
GRADES = ["银卡会员", "金卡会员", "铂金会员", "黑钻会员"]
COUPON_FAIL = ["券已过期", "券已使用", "未达到使用门槛", "不适用于该影厅", "不适用于该场次版本",
               "券码不存在", "同一订单限用一张", "仅限周一至周四使用"]
PROJ_FAULT = ["氙灯亮度衰减至68%", "激光光源温度过高", "片库KDM密钥已过期", "DCP校验失败",
              "3D同步器失去信号", "TMS下发播放列表失败", "声道7通道无输出", "镜头变焦电机卡滞"]
DEVICES = ["放映机", "功放机柜", "服务器TMS", "3D发射器", "空调机组", "座椅动感系统"]
ITEMS = ["爆米花（大桶）", "爆米花（中桶）", "可乐（中杯）", "可乐（大杯）", "矿泉水", "热狗",
         "鸡米花", "冰淇淋", "双人套餐", "单人套餐", "IP联名水杯", "薯条"]
COUNTERS = ["1号卖品台", "2号卖品台", "自助卖品机", "VIP休息室吧台"]
ACTIONS = ["LIGHTS_DIM", "LIGHTS_UP", "CURTAIN_OPEN", "CURTAIN_CLOSE", "AUDIO_PRESET_7.1",
           "AUDIO_PRESET_ATMOS"]
CITIES = ["beijing", "shanghai", "chengdu", "wuhan", "xian", "shenzhen", "hangzhou"]
ROLES = ["值班经理", "售票员", "放映员", "卖品员"]


def show(r):
    return "S%s%04d" % (r.choice(["20261220", "20261221"]), r.randint(1, 2400))


def seat(r):
    return "%d排%d座" % (r.randint(1, 18), r.randint(1, 28))


def seats(r):
    # the seats one buyer picked, usually side by side in one row, as the order page shows them
    row, first = r.randint(1, 18), r.randint(1, 24)
    return "、".join("%d排%d座" % (row, first + i) for i in range(r.randint(1, 5)))


def seat_codes(r):
    # the seat service itself writes seats as row-col codes joined by commas
    row, first = r.randint(1, 18), r.randint(1, 24)
    return ",".join("%02d-%02d" % (row, first + i) for i in range(r.randint(1, 6)))


def amount(r):
    return "%d.%02d" % (r.randint(19, 680), r.choice([0, 0, 50, 90, r.randint(0, 99)]))


def small_amount(r):
    return "%d.%02d" % (r.randint(0, 30), r.choice([0, 0, 50, r.randint(0, 99)]))


def clock(r):
    return "%02d:%02d" % (r.randint(9, 23), r.choice([0, 10, 15, 20, 30, 40, 45, 50]))


def cn_date(r):
    return "%d月%d日" % (12, r.randint(20, 31))


def combo_items(r):
    # a concession order lists what was bought, with counts, as the receipt prints it
    chosen = r.sample(ITEMS, r.randint(1, 4))
    return "、".join("%s×%d" % (it, r.randint(1, 3)) for it in chosen)


def occupancy(r):
    # seats taken out of the hall's capacity and the rate, as the opening report prints them
    cap = r.choice([96, 120, 168, 212, 288, 420])
    taken = r.randint(0, cap)
    return "%d/%d（%.1f%%）" % (taken, cap, 100.0 * taken / cap)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


V = {
    "film": lambda r: r.choice(FILMS),
    "hall": lambda r: r.choice(HALLS),
    "ver": lambda r: r.choice(VERSIONS),
    "show": show,
    "seat": seat,
    "seats": seats,
    "seatc": seat_codes,
    "name": gbk_messages.name,
    "phone": phone,
    "order": lambda r: "TK%s%08d" % (r.choice(["1220", "1221"]), r.randint(0, 99999999)),
    "refund": lambda r: "RF%012d" % r.randint(0, 10 ** 12 - 1),
    "card": lambda r: "8860%08d" % r.randint(0, 99999999),
    "coupon": lambda r: "CP%s" % "".join(r.choice("ABCDEFGHJKMNPQRSTUVWXYZ23456789") for _ in range(10)),
    "code": lambda r: "%08d" % r.randint(0, 99999999),
    "kiosk": lambda r: "KSK-%02d" % r.randint(1, 16),
    "proj": lambda r: "PRJ-H%02d" % r.randint(1, 12),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 3), r.randint(0, 40), r.randint(2, 254)),
    "amount": amount,
    "fee": small_amount,
    "price": lambda r: str(r.choice([29, 35, 39.9, 45, 49, 55, 59.9, 69, 79, 99, 129])),
    "date": cn_date,
    "time": clock,
    "mins": lambda r: str(r.choice([5, 10, 15])),
    "n": lambda r: str(r.randint(1, 6)),
    "sold": lambda r: str(r.randint(0, 420)),
    "occ": occupancy,
    "points": lambda r: str(r.randint(100, 60000)),
    "grade": lambda r: r.choice(GRADES),
    "pay": lambda r: r.choice(PAY),
    "payfail": lambda r: r.choice(PAY_FAIL),
    "lockfail": lambda r: r.choice(LOCK_FAIL),
    "printfail": lambda r: r.choice(PRINT_FAIL),
    "refusal": lambda r: r.choice(REFUSAL),
    "channel": lambda r: r.choice(CHANNELS),
    "couponfail": lambda r: r.choice(COUPON_FAIL),
    "projfault": lambda r: r.choice(PROJ_FAULT),
    "device": lambda r: r.choice(DEVICES),
    "item": lambda r: r.choice(ITEMS),
    "items": combo_items,
    "counter": lambda r: r.choice(COUNTERS),
    "action": lambda r: r.choice(ACTIONS),
    "city": lambda r: r.choice(CITIES),
    "role": lambda r: r.choice(ROLES),
    "qty": lambda r: str(r.randint(1, 8)),
    "stock": lambda r: str(r.randint(0, 500)),
    "low": lambda r: str(r.randint(0, 19)),
    "safe": lambda r: str(r.choice([20, 30, 50, 80, 100])),
    "pickup": lambda r: "%s%03d" % (r.choice("ABC"), r.randint(1, 999)),
    "temp": lambda r: "%.1f" % (r.uniform(60.5, 78)),
    "limit": lambda r: str(r.choice([40, 45, 55, 60])),
    "ms": lambda r: str(r.randint(3, 8000)),
    "status": lambda r: r.choice(["500", "502", "503", "504", "429", "401"]),
    "retry": lambda r: str(r.randint(1, 5)),
    "cinema": lambda r: "%08d" % r.randint(11000000, 65999999),
    # parts only some lines carry: a coupon on the order, a reason the buyer gave, a seat kind
    "discount": gbk_messages.optional(lambda r: "，优惠券抵扣%d元" % r.choice([5, 10, 15, 20, 30])),
    "because": gbk_messages.optional(lambda r: "（用户备注：%s）" % r.choice(REFUND_REASON), 0.5),
    "kind": gbk_messages.optional(lambda r: r.choice(["（情侣座）", "（无障碍座）", "（按摩座）"]), 0.3),
}

TEMPLATES = [
    ("INFO", "排片发布：{film}{hall}，{date}{time}开映，版本{ver}，票价{price}元"),
    ("WARN", "场次取消：{film}{hall}，{date}{time}，已售{sold}张将自动退款"),
    ("INFO", "锁座成功：场次{show}，座位{seats}{kind}，会员{name}，保留{mins}分钟"),
    ("WARN", "锁座失败：场次{show}，座位{seats}，原因：{lockfail}"),
    ("INFO", "seat lock expired, released show={show} seats={seatc} order={order}"),
    ("INFO", "订单{order}创建成功，{film}{hall}{seat}等{n}张，合计￥{amount}{discount}"),
    ("INFO", "订单{order}支付成功，渠道：{pay}，实付{amount}元"),
    ("WARN", "订单{order}支付失败（{payfail}），已释放座位"),
    ("INFO", "取票机{kiosk}出票成功：取票码{code}，共{n}张"),
    ("ERROR", "取票机{kiosk}出票失败：取票码{code}，原因：{printfail}"),
    ("INFO", "退票申请已受理：订单{order}，退款{amount}元，手续费{fee}元{because}"),
    ("WARN", "退票被拒绝：订单{order}，{refusal}"),
    ("INFO", "refund done refund_id={refund} order={order} amount={amount} channel={channel}"),
    ("INFO", "会员卡{card}充值{amount}元，当前余额{amount}元（{name}，{phone}）"),
    ("INFO", "会员{name}（{phone}）升级为{grade}，累计积分{points}"),
    ("WARN", "会员卡{card}扣款失败：余额不足，应付{amount}元，余额{fee}元"),
    ("INFO", "优惠券{coupon}核销成功，抵扣{fee}元，订单{order}"),
    ("WARN", "优惠券{coupon}核销失败：{couponfail}"),
    ("ERROR", "放映机{proj}({ip})告警：{projfault}，{hall}场次{show}"),
    ("INFO", "{hall}开场：{film}，上座{occ}"),
    ("WARN", "{hall}{device}温度{temp}℃，超过阈值{limit}℃"),
    ("INFO", "hall_ctrl hall={hall} action={action} result=OK cost={ms}ms"),
    ("INFO", "卖品{item}出库{qty}份，库存剩余{stock}份，{counter}"),
    ("WARN", "卖品库存预警：{item}仅剩{low}份，低于安全库存{safe}份"),
    ("INFO", "卖品订单{order}：{items}，取餐号{pickup}"),
    ("INFO", "{role}{name}为订单{order}办理改签，新场次{date}{time}，新座位{seats}，补差价{fee}元"),
    ("ERROR", "上报票务数据失败 city={city} cinema_code={cinema} http_status={status} retry={retry}"),
]

SOURCES = ["seat_lock.cc", "order_service.cc", "kiosk_agent.cc", "refund.cc", "member.cc",
           "hall_ctrl.cc", "concession.cc", "report_upload.cc"]
THREADS = ["main", "http-nio-8080-exec-3", "pay-callback-1", "kiosk-poll", "hall-monitor",
           "stock-sync"]


def header(r, form, t, level):
    us = r.randint(0, 999999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the Java-side order service: bracketed fields with a trace id
        return "[2026-12-20 %02d:%02d:%02d,%03d][%-5s][%s][trace:%012x] " % (
            hh, mm, ss, us // 1000, level, r.choice(THREADS), r.getrandbits(48))
    if form == 1:
        # the box office client's own log, written for the staff in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "2026/12/20 %02d:%02d:%02d <%s> 售票终端%02d号 - " % (hh, mm, ss, cn, r.randint(1, 12))
    # the hall and kiosk agents, in C++, log with one letter for the level, then thread and file
    return "%s1220 %02d:%02d:%02d.%06d %5d %s:%d] " % (
        level[0], hh, mm, ss, us, r.randint(1000, 32000), r.choice(SOURCES), r.randint(20, 900))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CN", 9 * 3600 + 30 * 60)
