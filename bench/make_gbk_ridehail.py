#!/usr/bin/env python3
"""A GBK log of a Chinese ride-hailing dispatch platform with its truth.

    bench/make_gbk_ridehail.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 25 messages (orders,
drivers, passengers, trips, fares and complaints, with names, places and complaints of
Chinese text), written to measure the miner on and not to shape it: no rule was made or
tuned on them. One of three header forms by the seed, one of them key=value. The output
depends only on the arguments.
"""

import gbk_messages

POIS = ["虹桥火车站", "望京SOHO T2", "西湖文化广场", "天府广场地铁站B口", "宝安机场T3航站楼",
        "中关村软件园二期", "解放碑步行街", "光谷广场", "万达广场北门", "人民医院门诊楼"]
CARS = ["白色比亚迪秦", "黑色大众帕萨特", "银色丰田卡罗拉", "蓝色埃安S", "白色吉利帝豪"]
COMPLAINTS = ["司机绕路，比平时多走了三公里", "车内有烟味", "态度很差，还让我自己搬行李",
              "没按导航走", "到了终点多收了高速费", "开车一直看手机，很危险", "迟到二十分钟还不让取消"]
TAGS = ["车内整洁", "服务热情", "驾驶平稳", "准时到达", "路线熟悉"]


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999))


def plate(r):
    tail = "".join(r.choice("0123456789ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(5))
    return "%s%s·%s" % (r.choice("京沪浙粤川渝鄂苏"), r.choice("ABCDEF"), tail)


def fare(r):
    return "%d.%02d" % (r.randint(8, 260), r.randint(0, 99))


V = {
    "name": gbk_messages.name,
    "phone": phone,
    "plate": plate,
    "fare": fare,
    "order": lambda r: "2026031%d%012d" % (r.randint(7, 8), r.randint(0, 10**12 - 1)),
    "driver": lambda r: "D%07d" % r.randint(0, 9999999),
    "ticket": lambda r: "TS-%05d" % r.randint(0, 99999),
    "poi": gbk_messages.pick(POIS),
    "car": gbk_messages.pick(CARS),
    "cartype": gbk_messages.pick(["快车", "专车", "拼车", "出租车", "豪华车"]),
    "typeen": gbk_messages.pick(["EXPRESS", "PREMIUM", "CARPOOL", "TAXI", "LUXURY"]),
    "status": gbk_messages.pick(["CREATED", "ACCEPTED", "ARRIVED", "ONTRIP", "FINISHED", "CANCELLED"]),
    "canceller": gbk_messages.pick(["乘客", "司机", "系统"]),
    "cancel": gbk_messages.pick(["行程有变", "司机迟迟未到", "司机要求取消", "等待时间过长", "重复下单", "联系不上乘客"]),
    "cfee": gbk_messages.pick(["", "", "", "，收取取消费5.00元"]),
    "payway": gbk_messages.pick(["微信支付", "支付宝", "银联云闪付", "企业账户", "余额"]),
    "coupon": lambda r: "" if r.random() < 0.6 else "，优惠券抵扣%d.00元" % r.randint(2, 15),
    "errcode": lambda r: "P%04d" % r.choice([1001, 1003, 2040, 3107]),
    "payerr": gbk_messages.pick(["余额不足", "银行卡已冻结", "支付超时", "风控拦截"]),
    "stars": lambda r: str(r.choice([1, 2, 3, 4, 5, 5, 5])),
    "tags": lambda r: "" if r.random() < 0.4 else "，标签：" + "、".join(r.sample(TAGS, r.randint(1, 3))),
    "complaint": gbk_messages.pick(["绕路", "服务态度", "车内异味", "多收费用", "危险驾驶", "司机迟到"]),
    "ctext": gbk_messages.pick(COMPLAINTS),
    "verdict": gbk_messages.pick(["司机责任", "乘客责任", "无责", "证据不足"]),
    "remedy": gbk_messages.pick(["退还车费", "补偿5元优惠券", "司机扣分", "不予处理", "已封禁司机账号7天"]),
    "area": gbk_messages.pick(["CBD", "airport_t3", "railway_hq", "univ_town", "old_town"]),
    "surge": lambda r: "%.1f" % (1 + r.randint(1, 15) / 10),
    "lng": lambda r: "%.6f" % (r.uniform(103.9, 121.6)),
    "lat": lambda r: "%.6f" % (r.uniform(22.5, 39.9)),
    "acc": lambda r: str(r.randint(50, 3000)),
    "km": lambda r: "%.1fkm" % r.uniform(0.8, 45),
    "dur": lambda r: "%d分钟" % r.randint(3, 90),
    "eta": lambda r: str(r.randint(1, 15)),
    "few": lambda r: str(r.randint(1, 3)),
    "n": lambda r: str(r.randint(0, 40)),
    "big": lambda r: str(r.randint(100, 5000)),
    "pct": lambda r: "%.1f%%" % r.uniform(10, 99),
    "money": lambda r: "%d.%02d" % (r.randint(50, 1500), r.randint(0, 99)),
    "face": gbk_messages.pick(["通过", "未通过", "通过"]),
    "ms": lambda r: str(r.randint(1500, 8000)),
    "fallback": gbk_messages.pick(["直线距离估价", "缓存路线", "备用图商"]),
    "hours": lambda r: str(r.randint(4, 6)),
    "rest": lambda r: str(r.choice([20, 30, 60])),
    "city": gbk_messages.pick(["杭州西湖区", "成都高新区", "深圳南山区", "北京朝阳区", "武汉洪山区"]),
    "lost": gbk_messages.pick(["黑色双肩包", "手机", "钱包", "雨伞", "一袋水果和两瓶水", "笔记本电脑"]),
}

TEMPLATES = [
    ("INFO", "乘客{phone}发起叫车，起点：{poi}，终点：{poi}，车型：{cartype}"),
    ("INFO", "订单{order}派单成功，司机{name}（{plate}），距乘客{km}，预计{eta}分钟到达"),
    ("WARN", "订单{order}派单失败，周边{eta}公里内无可用车辆，扩大范围后重试"),
    ("INFO", "司机{name}已到达上车点{poi}"),
    ("INFO", "订单{order}行程开始，乘客已上车"),
    ("INFO", "订单{order}行程结束，里程{km}，时长{dur}，应付{fare}元"),
    ("INFO", "订单{order}已取消，取消方：{canceller}，原因：{cancel}{cfee}"),
    ("INFO", "订单{order}支付成功，实付{fare}元，支付方式：{payway}{coupon}"),
    ("WARN", "订单{order}支付失败，错误码{errcode}：{payerr}"),
    ("INFO", "{name}师傅上线接单，车辆{car}，当前位置{poi}"),
    ("INFO", "{name}师傅下线，今日完成{n}单，流水{money}元"),
    ("INFO", "乘客对订单{order}评价{stars}星{tags}"),
    ("WARN", "收到投诉：订单{order}，类型：{complaint}，乘客描述：{ctext}"),
    ("INFO", "投诉单{ticket}处理完成，判定：{verdict}，处理结果：{remedy}"),
    ("WARN", "高峰溢价生效 area={area} multiplier={surge} supply={n} demand={big}"),
    ("ERROR", "司机端定位上报异常 driver={driver} lng={lng} lat={lat} accuracy={acc}m"),
    ("WARN", "行程{order}偏离推荐路线{km}，已向乘客推送安全提醒"),
    ("INFO", "订单{order}拼车成功，同行乘客{few}人，预计节省{pct}"),
    ("INFO", "司机{driver}出车前人脸识别{face}，相似度{pct}"),
    ("ERROR", "地图服务路径规划超时，耗时{ms}ms，降级使用{fallback}"),
    ("WARN", "司机{name}（{driver}）已连续接单{hours}小时，强制休息{rest}分钟"),
    ("WARN", "订单{order}触发一键报警，已通知安全专员{name}及紧急联系人{phone}"),
    ("INFO", "{city}运力看板：在线司机{big}人，待应答{n}单，应答率{pct}"),
    ("INFO", "乘客{phone}登记遗失物品：{lost}，已联系司机{name}"),
    ("INFO", "订单快照 [{order}] [{typeen}] [{status}] from={poi} to={poi}"),
]

LEVELS = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-03-18 %02d:%02d:%02d.%03d %5s 4821 --- [nio-8080-exec-%d] c.r.dispatch.%s : " % (
            hh, mm, ss, ms, level, r.randint(1, 20), r.choice(["OrderService", "MatchEngine", "PayNotify"]))
    if form == 1:
        return "ts=%d lvl=%s svc=dispatch rid=%012x msg=" % (
            (1773763200 + t) * 1000 + ms, level[0], r.getrandbits(48))
    return "[%02d:%02d:%02d][%s][%s] " % (hh, mm, ss, LEVELS[level], r.choice(["派单引擎", "计价中心", "安全中心"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "D", 7 * 3600)
