#!/usr/bin/env python3
"""A GBK log of an e-commerce platform's order, coupon, refund and review services with its truth.

    bench/make_gbk_ecommerce.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (buyers,
shops, products, coupons, refunds and reviews), written to measure the miner on and not to
shape it: no rule was made or tuned on them. One of three header forms by the seed. The
output depends only on the arguments.
"""

import gbk_messages

SHOPS = ["杭州良品旗舰店", "小米生态专营店", "江南布衣官方店", "三只熊零食铺", "老北京布鞋坊", "优选母婴馆"]
PRODUCTS = ["加绒保暖卫衣 男款", "蓝牙耳机Pro", "手工牛肉干500g", "儿童防蓝光眼镜", "不锈钢保温杯",
            "纯棉四件套1.8m床", "无线充电宝20000mAh", "云南小粒咖啡豆"]
PAY = ["支付宝", "微信支付", "银联", "花呗分期", "余额"]
PAY_FAIL = ["余额不足", "银行卡已冻结", "支付超时", "风控拦截"]
CANCEL = ["买家主动取消", "超时未支付自动关闭", "商家缺货", "地址无法送达", "拍错了/多拍了", "重复下单"]
CARRIERS = ["顺丰", "中通", "圆通", "韵达", "京东物流", "邮政EMS"]
COUPON_NG = ["已过期", "未达到使用门槛", "不适用于该商品", "已被使用", "活动已结束"]
REFUND = ["7天无理由退货", "商品破损", "发错货", "质量问题", "尺码不符", "未按约定时间发货", "少件/漏发"]
REJECT = ["商品已拆封影响二次销售", "超过退货期限", "买家未上传凭证"]
COMMENTS = ["质量不错，物流很快", "和描述不一致", "包装破了但东西没坏", "客服态度很好，会回购",
            "尺码偏小，建议拍大一码", "一般般吧"]
WORDS = ["加微信", "刷单", "返现", "私下交易"]
QUESTIONS = ["什么时候发货", "能不能开专票", "可以改地址吗", "商品有色差怎么办", "优惠券用不了",
             "快递三天没动了", "赠品没收到"]
ACTS = ["双十一预热", "年货节", "618大促", "周末闪购"]
STATUS = ["CREATED", "PAID", "SHIPPED", "RECEIVED", "CLOSED", "REFUNDING"]


def buyer(r):
    # nicknames are either real names or the generated ones new accounts get
    return gbk_messages.name(r) if r.random() < 0.6 else "tb_%s%d" % (r.choice(["xiao", "mm", "user"]), r.randint(10, 99999))


V = {
    "oid": lambda r: "2026111%d%011d" % (r.randint(0, 1), r.randint(0, 10 ** 11 - 1)),
    "buyer": buyer,
    "n": lambda r: str(r.randint(1, 20)),
    "yuan": lambda r: "%d.%02d" % (r.randint(1, 3000), r.randint(0, 99)),
    "paych": lambda r: r.choice(PAY),
    "payfail_opt": gbk_messages.optional(lambda r: "，原因：" + r.choice(PAY_FAIL), 0.7),
    "cancel": lambda r: r.choice(CANCEL),
    "shop": lambda r: r.choice(SHOPS),
    "carrier": lambda r: r.choice(CARRIERS),
    "waybill": lambda r: "%s%012d" % (r.choice(["SF", "ZT", "YT", "YD", "JD"]), r.randint(0, 10 ** 12 - 1)),
    "cpn": lambda r: "CPN" + "".join(r.choice("ABCDEFGHJKMNPQRSTUVWXYZ23456789") for _ in range(8)),
    "uid": lambda r: "u%d" % r.randint(100000, 99999999),
    "cpval": lambda r: "￥%d" % r.choice([5, 10, 20, 30, 50, 100]),
    "cpn_ng": lambda r: r.choice(COUPON_NG),
    "refund": lambda r: r.choice(REFUND),
    "rid": lambda r: "RF%d%06d" % (r.randint(1101, 1130), r.randint(0, 999999)),
    "reject": lambda r: r.choice(REJECT),
    "product": lambda r: r.choice(PRODUCTS),
    "stars": lambda r: str(r.randint(1, 5)),
    "comment_opt": gbk_messages.optional(lambda r: "，“%s”" % r.choice(COMMENTS), 0.6),
    "revid": lambda r: "RV%09d" % r.randint(0, 999999999),
    "word": lambda r: r.choice(WORDS),
    "sku": lambda r: "SKU-%s%d%s" % (r.choice("ABCDEFGH"), r.randint(100, 999), r.choice(["", "-RED", "-XL", "-B"])),
    "stock": lambda r: str(r.randint(0, 5000)),
    "price": lambda r: "%d.%d0" % (r.randint(9, 1999), r.randint(0, 9)),
    "act": lambda r: r.choice(ACTS),
    "hhmm": lambda r: "%02d:00" % r.choice([0, 10, 12, 20, 22]),
    "ms": lambda r: str(r.randint(800, 5000)),
    "retry": lambda r: str(r.randint(1, 3)),
    "fp": lambda r: "%016x" % r.getrandbits(64),
    "st": lambda r: r.choice(STATUS),
    "agent": lambda r: "客服" + r.choice(["小美", "小七", "阿狸", "晴天", "小蓝"]),
    "sess": lambda r: "S%d" % r.randint(10 ** 7, 10 ** 8 - 1),
    "question": lambda r: r.choice(QUESTIONS),
    "full": lambda r: str(r.choice([99, 199, 299, 399])),
    "off": lambda r: str(r.choice([10, 20, 30, 50, 60])),
    "auto_opt": gbk_messages.optional(lambda r: "（超时%d天自动确认）" % r.choice([7, 10, 15])),
    "title": lambda r: r.choice(["个人", "杭州云帆科技有限公司", "深圳市鹏达电子有限公司", "成都蜀味餐饮管理有限公司"]),
    "inv": lambda r: r.choice(["电子普票", "增值税专票"]),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "pct": lambda r: "%d%%" % r.randint(1, 100),
}

TEMPLATES = [
    ("INFO", "订单{oid}创建成功，买家{buyer}，商品{n}件，应付{yuan}元"),
    ("INFO", "订单{oid}支付成功，渠道：{paych}，金额{yuan}元"),
    ("WARN", "订单{oid}支付失败，渠道：{paych}，金额{yuan}元{payfail_opt}"),
    ("INFO", "订单{oid}已关闭，原因：{cancel}"),
    ("INFO", "{shop}已发货：订单{oid}，{carrier}单号{waybill}"),
    ("INFO", "优惠券{cpn}领取成功 user={uid} 面额{cpval} 门槛{full}元"),
    ("INFO", "优惠券{cpn}已核销 order={oid} 抵扣{cpval}"),
    ("WARN", "优惠券{cpn}不可用：{cpn_ng}"),
    ("INFO", "买家{buyer}申请退款，订单{oid}，金额{yuan}元，原因：{refund}"),
    ("INFO", "退款单{rid}商家同意退款"),
    ("WARN", "退款单{rid}商家拒绝退款，理由：{reject}"),
    ("INFO", "退款单{rid}退款到账{yuan}元，原路退回{paych}"),
    ("INFO", "{buyer}评价了{product}：{stars}星{comment_opt}"),
    ("WARN", "评价{revid}命中敏感词[{word}]，已转人工审核"),
    ("INFO", "库存扣减 sku={sku} qty={n} remain={stock}"),
    ("WARN", "{product}（{sku}）库存不足，下单{n}件，可售{n}件"),
    ("INFO", "{shop}上架新品{product}，售价￥{price}"),
    ("INFO", "秒杀活动“{act}”{hhmm}场开始，参与商品{n}款"),
    ("INFO", "秒杀活动“{act}”{hhmm}场结束，参与商品{n}款"),
    ("ERROR", "调用风控服务超时 order={oid} cost={ms}ms retry={retry}"),
    ("WARN", "疑似刷单：用户{uid}近{n}分钟下单{n}笔，设备指纹{fp}"),
    ("INFO", "订单{oid}状态流转 {st} -> {st}"),
    ("INFO", "{agent}接入会话{sess}，买家咨询：{question}"),
    ("INFO", "满减计算 订单{oid}：原价{yuan}，满{full}减{off}，实付{yuan}"),
    ("INFO", "订单{oid}确认收货{auto_opt}"),
    ("INFO", "发票申请：订单{oid}，抬头“{title}”，类型{inv}"),
    ("INFO", "物流签收提醒已发送至{phone}，订单{oid}"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-11-11 %02d:%02d:%02d.%03d [%s-%d] %-5s traceId=%012x - " % (
            hh, mm, ss, ms, r.choice(["order-consumer", "refund-worker", "http-exec"]), r.randint(1, 16), level, r.getrandbits(48))
    if form == 1:
        return "[%s][2026-11-11 %02d:%02d:%02d][%s] " % (level, hh, mm, ss, r.choice(["trade", "promo", "aftersale", "review"]))
    return "Nov 11 %02d:%02d:%02d mall-web-%02d shopd[%d]: %s: " % (hh, mm, ss, r.randint(1, 12), r.randint(2000, 60000), level.lower())


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "N", 0, steps=(0, 0, 1))
