#!/usr/bin/env python3
"""A GBK log of a Chinese food-delivery platform with its truth.

    bench/make_gbk_delivery.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (orders and
their dishes, merchants, riders and dispatch, ETA, payments and refunds, coupons,
complaints, the riders' delivery zones, bad-weather mode), written to measure the miner on
and not to shape it: no rule was made or tuned on them when they were first measured; rules
were shaped on their errors later (SHAPED_ON in pattern_accuracy.py). One of three header
forms by the seed, one of them tab-separated. The output depends only on the arguments.
"""

import gbk_messages

MERCHANTS = ["老街口麻辣烫（万象城店）", "阿婆手工水饺", "一碗鲜牛肉面（科技园店）", "小满轻食沙拉",
             "胖哥烧烤（南湖店）", "湘味小厨", "蜜语奶茶（大学城店）", "金碗黄焖鸡米饭（东门店）",
             "粥道人家", "川渝小面馆", "禾丰寿司（星光里店）", "包子铺·早餐"]
DISHES = ["招牌牛肉面", "酸辣粉", "猪肉白菜水饺", "卤蛋", "香辣鸡腿堡", "珍珠奶茶（少冰）",
          "杨枝甘露（大杯）", "黄焖鸡米饭（微辣）", "皮蛋瘦肉粥", "烤羊肉串", "凉拌黄瓜",
          "三文鱼寿司", "鸡胸肉沙拉", "米饭", "可乐（330ml）"]
ZONES = ["科技园站点", "南湖商圈", "大学城片区", "高铁新城", "老城区北", "滨江CBD", "软件园三期"]
CITIES = ["临江市", "云溪市", "北湖市", "鹤山市"]
ORDER_FAILS = ["商户已打烊", "超出配送范围", "菜品已售罄", "未达起送价", "收货地址解析失败",
               "账户存在风险，暂停下单"]
ETA_REASONS = ["merchant_delay", "rider_reassigned", "traffic", "weather", "address_changed"]
RIDER_STATES = ["接单中", "忙碌", "暂停接单", "离线"]
REFUND_FAILS = ["原支付渠道账户已注销", "退款金额超过可退金额", "渠道系统繁忙", "订单已结算给商户",
                "签名校验失败"]
REFUND_WHY = ["少送了菜品", "餐品洒漏", "口味与描述不符", "送错餐", "商品有异物", "等待时间过长"]
COUPON_TYPES = ["满30减8", "新人立减12元", "无门槛5元", "会员红包6元", "配送费减免券", "店铺满50减15"]
COUPON_FAILS = ["券已过期", "未达使用门槛", "不适用于该商户", "同一订单不可叠加使用", "券已被使用",
                "仅限新用户"]
COMPLAINTS = ["送餐超时", "骑手态度差", "餐品撒漏", "商户漏餐", "食品安全", "虚假送达"]
DESCS = ["等了一个多小时才到", "汤全洒在袋子里了", "点了两份只送来一份", "骑手没送到就点了送达",
         "打电话一直不接", "吃出了头发", "饭是凉的", "骑手让我自己下楼拿"]
PARTIES = ["骑手", "商户", "平台", "用户", "第三方配送"]
COMPS = ["5元无门槛券", "全额退款", "部分退款12.50元", "会员天数+7", "不予补偿"]
BIZ_STATES = ["营业中", "暂停营业", "休息中", "已打烊", "仅自取"]
PAYS = ["wechat", "alipay", "unionpay", "balance"]
MAP_APIS = ["route/riding", "geocode", "distance/matrix", "reverse_geocode"]
TAGS = ["OrderService", "DispatchMatcher", "RiderLocation", "RefundWorker", "CouponCenter",
        "MerchantGateway"]
SOURCES = ["order/create.go", "dispatch/assign.go", "eta/predict.go", "refund/worker.go",
           "geo/fence.go", "coupon/redeem.go"]
LOGGERS = ["fd.order", "fd.dispatch", "fd.refund", "fd.coupon", "fd.rider", "fd.merchant"]


def oid(r):
    return "26070%d%010d" % (r.randint(1, 3), r.randint(0, 10 ** 10 - 1))


def rider(r):
    return "R%08d" % r.randint(10000, 99999999)


def yuan(r):
    return "%d.%02d" % (r.randint(0, 220), r.choice([0, 0, 50, 90, r.randint(0, 99)]))


def hhmm(r):
    return "%02d:%02d" % (r.choice([11, 11, 12, 12, 13, 17, 18, 19, 21]), r.randint(0, 59))


def items(r):
    # the order line shows the number of items, then each dish with its count
    dishes = r.sample(DISHES, r.randint(1, 5))
    return "%d件：%s" % (len(dishes), "、".join("%s×%d" % (d, r.choice([1, 1, 1, 2, 3])) for d in dishes))


def refund_items(r):
    return ",".join(r.sample(DISHES, r.randint(1, 3)))


def coupon(r):
    return "（已使用%s）" % r.choice(COUPON_TYPES)


def late(r):
    return "，超时%d分钟" % r.randint(1, 45)


def health(r):
    return "，健康证有效期至%d年%d月%d日" % (r.randint(2026, 2028), r.randint(1, 12), r.randint(1, 28))


V = {
    "name": gbk_messages.name,
    "merchant": gbk_messages.pick(MERCHANTS),
    "zone": gbk_messages.pick(ZONES),
    "city": gbk_messages.pick(CITIES),
    "orderfail": gbk_messages.pick(ORDER_FAILS),
    "etareason": gbk_messages.pick(ETA_REASONS),
    "riderstate": gbk_messages.pick(RIDER_STATES),
    "refundfail": gbk_messages.pick(REFUND_FAILS),
    "refundwhy": gbk_messages.pick(REFUND_WHY),
    "coupontype": gbk_messages.pick(COUPON_TYPES),
    "couponfail": gbk_messages.pick(COUPON_FAILS),
    "complaint": gbk_messages.pick(COMPLAINTS),
    "desc": gbk_messages.pick(DESCS),
    "party": gbk_messages.pick(PARTIES),
    "comp": gbk_messages.pick(COMPS),
    "bizstate": gbk_messages.pick(BIZ_STATES),
    "pay": gbk_messages.pick(PAYS),
    "mapapi": gbk_messages.pick(MAP_APIS),
    "oid": oid,
    "rider": rider,
    "yuan": yuan,
    "hhmm": hhmm,
    "fee": lambda r: r.choice(["1", "1.5", "2", "3", "5"]),
    "items": items,
    "refunditems": refund_items,
    "coupon": gbk_messages.optional(coupon, 0.4),
    "late": gbk_messages.optional(late, 0.2),
    "health": gbk_messages.optional(health, 0.3),
    "uid": lambda r: "u%d" % r.randint(100000, 999999999),
    "mid": lambda r: "M%06d" % r.randint(1, 400000),
    "refundno": lambda r: "RF%s%06d" % ("".join(r.choice("0123456789ABCDEF") for _ in range(6)), r.randint(0, 999999)),
    "couponcode": lambda r: "".join(r.choice("ABCDEFGHJKMNPQRSTUVWXYZ23456789") for _ in range(10)),
    "ticket": lambda r: "TS-2607-%05d" % r.randint(1, 99999),
    "tradeno": lambda r: "7301%016d" % r.randint(0, 10 ** 16 - 1),
    "errcode": lambda r: r.choice(["PAY_SYS_BUSY", "ACCT_CLOSED", "RF_AMOUNT_EXCEED", "E1024", "4004"]),
    "lng": lambda r: "%.6f" % r.uniform(120.05, 120.40),
    "lat": lambda r: "%.6f" % r.uniform(30.10, 30.40),
    "status": lambda r: r.choice(["429", "500", "502", "504", "timeout"]),
    "meters": lambda r: str(r.randint(50, 4500)),
    "km": lambda r: "%.1f" % r.uniform(0.3, 8.0),
    "mins": lambda r: str(r.randint(1, 90)),
    "sec": lambda r: str(r.randint(30, 900)),
    "ms": lambda r: str(r.randint(80, 6000)),
    "hours": lambda r: "%.1f" % r.uniform(8, 14),
    "pct": lambda r: "%d%%" % r.randint(5, 180),
    "n": lambda r: str(r.randint(1, 60)),
    "retry": lambda r: str(r.randint(1, 4)),
}

TEMPLATES = [
    ("INFO", "用户{uid}下单成功 orderId={oid} 商户={merchant} 菜品{items} 实付￥{yuan}{coupon}"),
    ("WARN", "下单失败 uid={uid} merchant={mid}，原因：{orderfail}"),
    ("INFO", "商户{merchant}已接单，订单{oid}，预计出餐{mins}分钟"),
    ("WARN", "商户{merchant}超时未接单，订单{oid}已等待{sec}秒，系统自动取消并全额退款"),
    ("INFO", "派单成功：订单{oid}指派给骑手{name}（{rider}），距商户{meters}米，预计{hhmm}送达"),
    ("WARN", "派单失败：订单{oid}周边{km}公里内无可用骑手，进入第{retry}轮派单"),
    ("INFO", "骑手{name}（{rider}）已到店，订单{oid}，等餐{mins}分钟"),
    ("INFO", "骑手{name}已取餐，订单{oid}，剩余配送距离{km}km"),
    ("INFO", "订单{oid}已送达，实际用时{mins}分钟，预计用时{mins}分钟{late}"),
    ("WARN", "ETA重算 orderId={oid} old_eta={hhmm} new_eta={hhmm} reason={etareason}"),
    ("WARN", "骑手{rider}驶出配送范围【{zone}】，当前坐标（{lng}，{lat}），已持续{sec}秒"),
    ("INFO", "骑手{rider}进入配送范围【{zone}】，状态：{riderstate}"),
    ("INFO", "退款成功 orderId={oid} refundNo={refundno} amount=￥{yuan} channel={pay}"),
    ("ERROR", "退款失败 orderId={oid} refundNo={refundno} amount=￥{yuan} code={errcode} msg={refundfail}"),
    ("INFO", "用户{uid}申请部分退款，订单{oid}，商品：{refunditems}，理由：{refundwhy}"),
    ("INFO", "优惠券核销：券码{couponcode}（{coupontype}），订单{oid}，抵扣{yuan}元"),
    ("WARN", "优惠券核销被拒：券码{couponcode}，原因：{couponfail}"),
    ("WARN", "收到投诉：订单{oid}，类型【{complaint}】，用户描述：“{desc}”"),
    ("INFO", "投诉工单{ticket}已处理，判定责任方：{party}，补偿：{comp}"),
    ("INFO", "商户{merchant}营业状态变更为{bizstate}，操作人：{name}"),
    ("WARN", "商户{merchant}出餐慢预警：近{n}单平均出餐{mins}分钟，超出平台标准{pct}"),
    ("INFO", "骑手{name}（{rider}）上线，站点：{zone}，今日已完成{n}单{health}"),
    ("WARN", "骑手{name}（{rider}）今日累计在线{hours}小时，触发疲劳保护，暂停派单{mins}分钟"),
    ("ERROR", "支付回调验签失败 channel={pay} tradeNo={tradeno} orderId={oid}"),
    ("INFO", "支付成功，订单{oid}，{pay}支付￥{yuan}，交易号{tradeno}"),
    ("INFO", "恶劣天气模式开启：{city}{zone}，配送费上调{fee}元，预计送达时间延长{mins}分钟"),
    ("ERROR", "调用地图服务失败 api={mapapi} cost={ms}ms status={status}，按直线距离估算ETA"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the order and dispatch services are Go; their logger separates fields with tabs
        return "2026-07-03T%02d:%02d:%02d.%03d+0800\t%s\t%s:%d\t" % (
            hh, mm, ss, ms, level, r.choice(SOURCES), r.randint(20, 600))
    if form == 1:
        # the rider app's log as pulled from the phone: pid, tid, one-letter level, tag
        return "07-03 %02d:%02d:%02d.%03d %5d %5d %s %s: " % (
            hh, mm, ss, ms, 4120, r.randint(4121, 4180), level[0], r.choice(TAGS))
    # the refund and coupon workers are Python with the stock logging format
    lv = {"INFO": "INFO", "WARN": "WARNING", "ERROR": "ERROR"}[level]
    return "2026-07-03 %02d:%02d:%02d,%03d - %s - %s - " % (hh, mm, ss, ms, r.choice(LOGGERS), lv)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "FD", 10 * 3600 + 2400)
