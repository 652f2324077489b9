#!/usr/bin/env python3
"""A GBK log of a Chinese smart parking and toll system with its truth.

    bench/make_gbk_parking.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (gates,
plates, spaces, fees and monthly passes), written to measure the miner on and not to shape
it: no rule was made or tuned on them. One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

PROVINCES = list("京津沪渝冀晋辽吉黑苏浙皖闽赣鲁豫鄂湘粤桂琼川贵云陕甘")
LOTS = ["万达广场B2", "市民中心地面", "高铁南站P3", "第一人民医院", "科技园东区", "滨江花园小区"]
GATES = ["东1入口", "东2出口", "西门入口", "南门出口", "地库A口", "北侧临时通道"]
ZONES = ["A区", "B区", "C区", "充电桩区", "无障碍车位区"]
PAY = ["微信支付", "支付宝", "银联闪付", "ETC无感支付", "现金", "储值卡"]
PASSES = ["月卡", "季卡", "年卡", "白名单", "VIP贵宾卡"]
FAILS = ["车牌识别置信度低", "道闸通讯中断", "地感线圈无信号", "车辆倒车离开",
         "重复入场记录", "黑名单车辆", "出口未缴费，禁止放行"]
CAMERA_STATE = ["online", "offline", "reconnecting"]
COLORS = ["蓝牌", "黄牌", "绿牌", "白牌", "黑牌"]
OPERATORS_ROLE = ["值班员", "收费员", "管理员"]


def plate(r):
    body = "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789") for _ in range(5))
    if r.random() < 0.25:
        # new-energy plates have six characters after the city letter
        body = r.choice("DF") + body
    return r.choice(PROVINCES) + r.choice("ABCDEFGHJK") + body


def fee(r):
    return "%d.%02d" % (r.randint(0, 120), r.choice([0, 0, 50, r.randint(0, 99)]))


def duration(r):
    m = r.randint(1, 3000)
    if m < 60:
        return "%d分钟" % m
    return "%d小时%d分钟" % (m // 60, m % 60)


def spaces(r):
    # a list of free space numbers, of varying length, joined as the UI shows them
    return "、".join("%s-%03d" % (r.choice("ABC"), r.randint(1, 400)) for _ in range(r.randint(1, 5)))


def discount(r):
    # the coupon part is only written when a coupon was applied
    if r.random() < 0.5:
        return ""
    return "，优惠券抵扣%d元" % r.choice([2, 5, 10, 15, 20])


def remark(r):
    if r.random() < 0.6:
        return ""
    return "（备注：%s）" % r.choice(["临时访客", "业主亲属", "送货车辆", "施工车辆登记"])


V = {
    "plate": plate,
    "name": gbk_messages.name,
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "lot": lambda r: r.choice(LOTS),
    "gate": lambda r: r.choice(GATES),
    "zone": lambda r: r.choice(ZONES),
    "pay": lambda r: r.choice(PAY),
    "pass": lambda r: r.choice(PASSES),
    "fail": lambda r: r.choice(FAILS),
    "cam": lambda r: r.choice(CAMERA_STATE),
    "color": lambda r: r.choice(COLORS),
    "role": lambda r: r.choice(OPERATORS_ROLE),
    "fee": fee,
    "dur": duration,
    "spaces": spaces,
    "discount": discount,
    "remark": remark,
    "n": lambda r: str(r.randint(0, 800)),
    "pct": lambda r: "%.1f%%" % (r.random() * 100),
    "conf": lambda r: "0.%02d" % r.randint(30, 99),
    "order": lambda r: "PK%s%06d" % (r.choice(["20261209", "20261208"]), r.randint(0, 999999)),
    "dev": lambda r: "CAM-%02d-%02d" % (r.randint(1, 12), r.randint(1, 8)),
    "ip": lambda r: "192.168.%d.%d" % (r.randint(0, 20), r.randint(2, 254)),
    "date": lambda r: "2027-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "days": lambda r: str(r.randint(1, 30)),
    "ms": lambda r: str(r.randint(8, 5000)),
}

TEMPLATES = [
    ("INFO", "车辆{plate}入场，通道：{gate}，识别置信度={conf}"),
    ("INFO", "车辆{plate}出场，通道：{gate}，停车时长{dur}"),
    ("INFO", "[{lot}] {color}{plate} 临时车入场{remark}"),
    ("INFO", "订单{order}支付成功，金额￥{fee}，方式：{pay}{discount}"),
    ("WARN", "订单{order}支付超时，车牌{plate}，应收{fee}元"),
    ("INFO", "{name}为车辆{plate}办理{pass}，有效期至{date}，手机号{phone}"),
    ("INFO", "{name}为车辆{plate}续费{pass}，金额{fee}元"),
    ("WARN", "{pass}即将到期：{plate}，剩余{days}天，已短信通知{phone}"),
    ("INFO", "{pass}已过期，车辆{plate}按临时车计费"),
    ("WARN", "放行失败：{plate}，原因：{fail}"),
    ("INFO", "{role}{name}手动抬杆，通道{gate}，车牌{plate}"),
    ("INFO", "{role}{name}手动落杆，通道{gate}"),
    ("INFO", "{zone}剩余车位{n}个，占用率{pct}"),
    ("INFO", "推荐空闲车位：{spaces}"),
    ("WARN", "车位已满：{lot}，入口{gate}暂停引导"),
    ("ERROR", "相机{dev}({ip})状态={cam}，最近一次心跳{ms}ms前"),
    ("ERROR", "道闸控制器无响应 ip={ip} timeout={ms}ms"),
    ("INFO", "无牌车扫码入场，临时编号{order}"),
    ("INFO", "无牌车扫码出场，临时编号{order}，缴费{fee}元"),
    ("WARN", "车牌{plate}识别结果与入场记录不一致，疑似跟车，已推送人工审核"),
    ("INFO", "ETC扣费成功：plate={plate} amount={fee} order={order}"),
    ("ERROR", "ETC扣费失败：plate={plate} code={n} msg=卡片余额不足"),
    ("INFO", "{name}在{lot}预约车位成功，预约号{order}"),
    ("INFO", "日结完成：{lot}，收入{fee}元，车次{n}"),
    ("INFO", "{lot}同步车辆白名单{n}条，耗时{ms}ms"),
    ("WARN", "发票开具失败，订单{order}，手机{phone}，税控盘离线"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09T%02d:%02d:%02d.%03d+08:00 %-5s [gate-worker-%d] " % (hh, mm, ss, ms, level, r.randint(1, 6))
    if form == 1:
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "【%s】2026年12月09日 %02d时%02d分%02d秒 停车场管理：" % (cn, hh, mm, ss)
    return "Dec  9 %02d:%02d:%02d park-srv%02d parkd[%d]: %s: " % (hh, mm, ss, r.randint(1, 3), r.randint(1000, 9999), level.lower())


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "PK", 6 * 3600 + 1200)
