#!/usr/bin/env python3
"""A GBK log of a Chinese hotel booking and front-desk system with its truth.

    bench/make_gbk_hotel.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (hotels
named by city and district that open a message, room types glued to dates, guests,
masked phones and ids, money in ￥ and 元, channels in English and Chinese, room states,
companions listed with 、), written to measure the miner on and not to shape it: no rule
was made or tuned on them. One of three header forms by the seed. The output depends
only on the arguments.
"""

import gbk_messages

BRANCHES = {"杭州": "西湖店", "三亚": "亚龙湾店", "厦门": "鼓浪屿店", "成都": "春熙路店",
            "西安": "钟楼店", "青岛": "五四广场店", "大理": "古城店", "桂林": "两江四湖店"}
CITIES = sorted(BRANCHES)
RTYPES = ["豪华大床房", "高级双床房", "行政套房", "亲子主题房", "海景家庭房", "标准单人间"]
PAYS = ["微信支付", "支付宝", "银联", "信用卡担保", "企业月结", "到店付"]
CANCELS = ["行程变更", "重复预订", "价格原因", "航班取消", "未按时支付", "酒店满房"]
RSTATES = ["空净", "空脏", "住净", "住脏", "维修", "锁定", "自用"]
LEVELS = ["普通会员", "银卡会员", "金卡会员", "铂金会员", "钻石会员"]
COMMENTS = ["房间干净，服务热情", "早餐一般", "隔音太差", "位置方便，下次还来", "前台办理速度慢"]
LATE = ["已同意", "需补半天房费", "房态冲突已拒绝", "待经理审批"]
POLICE = ["证件号校验失败", "接口超时", "照片比对不通过", "网络异常"]
HOLIDAYS = ["元旦", "春节", "五一", "国庆"]


def hotel(r):
    city = r.choice(CITIES)
    return city + "悦庭酒店（%s）" % BRANCHES[city]


V = {
    "hotel": hotel,
    "city": lambda r: r.choice(CITIES),
    "rtype": lambda r: r.choice(RTYPES),
    "pay": lambda r: r.choice(PAYS),
    "cancel": lambda r: r.choice(CANCELS),
    "rstate": lambda r: r.choice(RSTATES),
    "level": lambda r: r.choice(LEVELS),
    "comment": lambda r: r.choice(COMMENTS),
    "late": lambda r: r.choice(LATE),
    "police": lambda r: r.choice(POLICE),
    "holiday": lambda r: r.choice(HOLIDAYS),
    "remark": lambda r: "" if r.random() < 0.6 else "，备注：" + r.choice(["客人来电取消", "扣除首晚房费", "免费取消"]),
    "guest": gbk_messages.name,
    "clerk": gbk_messages.name,
    "mates": lambda r: "、".join(gbk_messages.name(r) for _ in range(r.randint(0, 3))) or "无",
    "order": lambda r: "HT2026%02d%02d%06d" % (r.randint(11, 12), r.randint(1, 28), r.randint(0, 999999)),
    "conf": lambda r: "%s%06d" % (r.choice(["CF", "ZX"]), r.randint(0, 999999)),
    "refund": lambda r: "RF%d" % r.randint(10 ** 9, 10 ** 10 - 1),
    "room": lambda r: "%d%02d" % (r.randint(2, 28), r.randint(1, 40)),
    "rooms": lambda r: "%d间" % r.randint(1, 4),
    "nights": lambda r: "%d晚" % r.randint(1, 7),
    "date": lambda r: "2026-12-%02d" % r.randint(10, 31),
    "cdate": lambda r: "12月%d日" % r.randint(10, 31),
    "time": lambda r: r.choice(["13:00", "14:00", "15:00", "16:00", "18:00"]),
    "money": lambda r: "%d.%02d" % (r.randint(158, 8888), r.choice([0, 0, 50, 80])),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "idcard": lambda r: "%d**********%03d%s" % (r.randint(110000, 659000), r.randint(0, 999), r.choice("0123456789X")),
    "channel": lambda r: r.choice(["OTA", "WECHAT", "APP", "H5", "GDS", "官网", "电话预订"]),
    "ecode": lambda r: r.choice(["PAY_TIMEOUT", "INSUFFICIENT_BALANCE", "CARD_EXPIRED", "RISK_REJECT"]),
    "code": lambda r: r.choice(["400", "401", "500", "503", "504"]),
    "ms": lambda r: "%dms" % r.randint(100, 12000),
    "n": lambda r: str(r.randint(0, 60)),
    "score": lambda r: "%.1f" % r.choice([1, 2, 3, 3.5, 4, 4.5, 4.8, 5]),
    "pts": lambda r: str(r.randint(10, 5000)),
    "pct": lambda r: "%d%%" % r.randint(5, 100),
    "days": lambda r: str(r.randint(1, 7)),
    "ip": lambda r: "%d.%d.%d.%d" % (r.randint(1, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "lock": lambda r: "LK-%05X" % r.randint(0, 0xFFFFF),
}

TEMPLATES = [
    ("INFO", "{hotel}新订单{order}，{guest}预订{rtype}{rooms}{nights}，入住日期{date}"),
    ("INFO", "订单{order}支付成功，支付方式：{pay}，金额￥{money}"),
    ("WARN", "订单{order}支付失败，支付方式：{pay}，错误码={ecode}"),
    ("INFO", "订单{order}已取消，取消原因：{cancel}{remark}"),
    ("INFO", "订单{order}已确认，确认号{conf}"),
    ("WARN", "订单{order}未确认，已超时{n}分钟，转人工处理"),
    ("INFO", "客人{guest}入住{room}房，证件号{idcard}，同住人：{mates}"),
    ("INFO", "客人{guest}退房，房间{room}，消费合计{money}元"),
    ("INFO", "客人{guest}申请延迟退房至{time}，处理结果：{late}"),
    ("INFO", "房间{room}房态变更为{rstate}，操作人{clerk}"),
    ("INFO", "制卡成功：房间{room}，有效期至{date} 12:00"),
    ("WARN", "门锁{lock}电量低（{pct}），房间{room}"),
    ("INFO", "入住信息上传公安系统成功，房间{room}"),
    ("ERROR", "入住信息上传公安系统失败，房间{room}，原因：{police}"),
    ("INFO", "渠道{channel}库存同步成功，房型{rtype}，可售{n}间"),
    ("ERROR", "渠道{channel}库存同步失败：HTTP {code}，耗时{ms}"),
    ("INFO", "房价调整：{hotel}{rtype}{cdate}由{money}元调整为{money}元"),
    ("WARN", "超售预警：{hotel}{cdate}{rtype}超售{rooms}"),
    ("INFO", "会员{guest}（{phone}）积分+{pts}，当前等级：{level}"),
    ("INFO", "会员{guest}（{phone}）升级为{level}"),
    ("INFO", "客人{guest}提交点评，评分{score}分，内容：“{comment}”"),
    ("INFO", "前台{clerk}交班，现金{money}元，POS刷卡{n}笔"),
    ("INFO", "退款单{refund}已原路退回，金额￥{money}，预计{days}个工作日到账"),
    ("WARN", "慢SQL告警 耗时={ms} 语句=select * from t_order where hotel_id=? and status=?"),
    ("INFO", "{city}地区{holiday}假期预订入住率{pct}，平均房价{money}元"),
    ("ERROR", "支付回调验签失败，订单{order}，来源IP {ip}"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09 %02d:%02d:%02d.%03d %5s %d --- [nio-8080-exec-%d] " % (hh, mm, ss, ms, level, r.choice([2317, 2318]), r.randint(1, 200))
    if form == 1:
        return "[2026年12月09日 %02d:%02d:%02d] [%s] " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])
    return "%02d:%02d:%02d|%s|%s|" % (hh, mm, ss, level, r.choice(["pms", "crs", "pay"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "R", 10 * 3600)
