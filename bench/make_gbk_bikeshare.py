#!/usr/bin/env python3
"""A GBK log of a Chinese shared-bike and e-bike operator's platform with its truth.

    bench/make_gbk_bikeshare.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages
(unlocking and locking, electronic fences and no-parking zones, battery swaps, dispatch
trucks, fault reports, riding fees, deposits and credit), written to measure the miner on
and not to shape it: no rule was made or tuned on them. One of three header forms by the
seed. The output depends only on the arguments.
"""

import gbk_messages

# Parking spots as the operations map names them: a landmark and the exact side or exit.
SPOTS = [
    "地铁3号线青禾路站B口", "星河广场北侧停车点", "科技园三期东门", "火车东站P2停车场",
    "大学城南门（文苑路）", "滨江公园2号入口", "市民中心西广场", "人民医院门诊楼对面",
    "锦绣花园小区东门", "长途汽车站出站口", "软件园C座楼下", "老街牌坊（南）",
]
FENCES = ["青禾路-文苑路网格", "滨江公园外环", "高新区核心区", "大学城运营区", "东站片区",
          "老城区二环内"]
ZONES = ["地铁站出入口5米范围", "市政府广场", "步行街核心段", "盲道及消防通道", "学校正门",
         "滨江栈道", "机场高速匝道口"]
DEPOTS = ["东站维修点", "科技园仓库", "城北运维中心", "大学城临时维修棚"]
UNLOCK_FAILS = [
    "车辆已被他人预约", "车辆处于维修状态", "锁控无响应", "用户信用分低于60", "账户存在未支付订单",
    "蓝牙连接失败", "车辆电量不足5%", "用户未完成实名认证", "超出运营区域",
]
FAULTS = ["车铃损坏", "刹车失灵", "链条脱落", "座椅松动", "车筐变形", "二维码污损", "轮胎漏气",
          "电机异响", "仪表盘不亮", "脚撑断裂", "车灯不亮"]
APPEALS = ["停车点定位漂移", "APP显示已在停车点内", "还车时网络卡顿", "地图未标注禁停", "车辆被他人挪动"]
PAY_FAILS = ["余额不足", "银行卡已冻结", "免密支付未开通", "支付渠道超时", "用户取消支付"]
CREDIT = ["违规停车", "连续30天文明骑行", "举报违停核实", "私自上锁", "按时归还"]
CARDS = ["7天畅骑卡", "30天月卡", "季卡（90天）", "学生月卡", "电单车10次卡"]
PAYS = ["微信支付", "支付宝", "钱包余额", "银联云闪付"]
CMDS = ["UNLOCK", "LOCK", "FIND_BIKE", "POWER_OFF", "SET_SPEED_LIMIT"]
ERRMSGS = ["ORIGINAL_TRADE_CLOSED", "REFUND_AMOUNT_EXCEED", "SYSTEM_BUSY", "ACCOUNT_ABNORMAL"]
FILES = ["lock_gateway.cc", "order_settle.cc", "fence_checker.cc", "dispatch_planner.cc",
         "battery_ops.cc", "credit_service.cc"]
LEVELS_LOWER = {"INFO": "info", "WARN": "warn", "ERROR": "error"}
LEVELS_CN = {"INFO": "信息", "WARN": "告警", "ERROR": "故障"}


def bike(r):
    # pedal bikes carry a nine-digit frame number; e-bikes the older EB code
    if r.random() < 0.6:
        return "%09d" % r.randint(100000000, 999999999)
    return "EB%s%05d" % (r.choice(["A", "B", "K"]), r.randint(0, 99999))


def uid(r):
    return "u%d" % r.randint(10000000, 99999999)


def fault_list(r):
    return "、".join(r.sample(FAULTS, r.randint(1, 3)))


def amount(r):
    return "%d.%02d" % (r.randint(0, 30), r.choice([0, 50, r.randint(0, 99)]))


def photo(r):
    return "，附图片%d张" % r.randint(1, 4)


def coupon(r):
    return "，优惠券抵扣%s元（%s）" % (amount(r), r.choice(["新人券", "骑行卡权益", "周末半价"]))


def suggest(r):
    return "，建议停放至%s" % r.choice(SPOTS)


def delta(r):
    return r.choice(["+", "-"]) + str(r.choice([1, 2, 3, 5, 10, 20]))


V = {
    "bike": bike,
    "uid": uid,
    "name": gbk_messages.name,
    "spot": gbk_messages.pick(SPOTS),
    "fence": gbk_messages.pick(FENCES),
    "zone": gbk_messages.pick(ZONES),
    "depot": gbk_messages.pick(DEPOTS),
    "unlockfail": gbk_messages.pick(UNLOCK_FAILS),
    "faults": fault_list,
    "appeal": gbk_messages.pick(APPEALS),
    "appealres": gbk_messages.pick(["已退还", "驳回"]),
    "inout": gbk_messages.pick(["驶入", "驶出"]),
    "payfail": gbk_messages.pick(PAY_FAILS),
    "creditwhy": gbk_messages.pick(CREDIT),
    "card": gbk_messages.pick(CARDS),
    "pay": gbk_messages.pick(PAYS),
    "cmd": gbk_messages.pick(CMDS),
    "errmsg": gbk_messages.pick(ERRMSGS),
    "fwres": gbk_messages.pick(["success", "failed", "rollback"]),
    "photo": gbk_messages.optional(photo, 0.45),
    "coupon": gbk_messages.optional(coupon, 0.3),
    "suggest": gbk_messages.optional(suggest, 0.5),
    "amt": amount,
    "deposit": gbk_messages.pick(["99", "199", "299"]),
    "delta": delta,
    "order": lambda r: "QH%s%08d" % (r.choice(["0318", "0317"]), r.randint(0, 99999999)),
    "refund": lambda r: "RF%012d" % r.randint(0, 10 ** 12 - 1),
    "woid": lambda r: "HD-%06d" % r.randint(1, 999999),
    "truck": lambda r: "浙A·%s%04d" % (r.choice("DFGHK"), r.randint(0, 9999)),
    "grid": lambda r: "G%02d-%03d" % (r.randint(1, 24), r.randint(1, 400)),
    "imei": lambda r: "86%013d" % r.randint(0, 10 ** 13 - 1),
    "battid": lambda r: "BT%02X%06d" % (r.randint(0, 255), r.randint(0, 999999)),
    "fw": lambda r: "v%d.%d.%d" % (r.randint(2, 4), r.randint(0, 12), r.randint(0, 30)),
    "batt": lambda r: "%d%%" % r.randint(3, 100),
    "lowbatt": lambda r: "%d%%" % r.randint(2, 20),
    "pct": lambda r: "%d%%" % r.randint(5, 40),
    "km": lambda r: "%.1f" % r.uniform(0.2, 25),
    "lng": lambda r: "%.6f" % r.uniform(120.05, 120.35),
    "lat": lambda r: "%.6f" % r.uniform(30.15, 30.40),
    "rssi": lambda r: str(-r.randint(55, 110)),
    "temp": lambda r: "%.1f℃" % r.uniform(45.5, 68.0),
    "meters": lambda r: str(r.randint(3, 800)),
    "mins": lambda r: str(r.randint(1, 180)),
    "hours": lambda r: str(r.randint(12, 96)),
    "sec": lambda r: str(r.randint(-600, 900)),
    "days": lambda r: str(r.randint(1, 7)),
    "n": lambda r: str(r.randint(1, 60)),
    "few": lambda r: str(r.randint(0, 9)),
    "score": lambda r: str(r.randint(40, 150)),
    "retry": lambda r: str(r.randint(1, 3)),
    "cndate": lambda r: "%d月%d日" % (r.randint(4, 7), r.randint(1, 28)),
}

TEMPLATES = [
    ("INFO", "用户{uid}扫码开锁成功，车辆{bike}，位置：{spot}，电量{batt}"),
    ("WARN", "用户{uid}扫码开锁失败，车辆{bike}，原因：{unlockfail}"),
    ("INFO", "lock ok bike={bike} order={order} dur={mins}min dist={km}km fee={amt}"),
    ("WARN", "还车失败：车辆{bike}不在停车点范围内，距最近停车点{meters}米{suggest}"),
    ("WARN", "车辆{bike}停放在禁停区【{zone}】，已向用户{uid}推送挪车提醒"),
    ("INFO", "车辆{bike}{inout}电子围栏【{fence}】"),
    ("INFO", "换电工单{woid}完成：运维{name}共更换电池{n}块，换电前平均电量{pct}"),
    ("WARN", "低电量车辆：{bike}剩余电量{lowbatt}，预计续航{km}公里，所在网格{grid}"),
    ("INFO", "调度车{truck}（司机{name}）从{spot}装载{n}辆，目的地：{spot}"),
    ("INFO", "dispatch truck={truck} arrived grid={grid} unloaded={n} eta_diff={sec}s"),
    ("INFO", "收到故障上报：车辆{bike}，故障类型：{faults}，上报人{uid}{photo}"),
    ("INFO", "故障车{bike}已回收入库，维修点：{depot}，经手人{name}"),
    ("INFO", "骑行计费：订单{order}，起步价{amt}元，时长费{amt}元，调度费{amt}元{coupon}"),
    ("INFO", "押金退还申请已受理，用户{uid}，金额{deposit}元，预计{days}个工作日内原路退回"),
    ("ERROR", "押金退款失败 uid={uid} refund_no={refund} channel={pay} errmsg={errmsg}"),
    ("INFO", "用户{uid}购买《{card}》，支付{amt}元，有效期至{cndate}"),
    ("WARN", "订单{order}超时未还车，已骑行{hours}小时，当前费用{amt}元，已触发客服回访"),
    ("ERROR", "锁控指令下发超时 imei={imei} cmd={cmd} retry={retry}/3"),
    ("INFO", "车辆{bike}心跳 lng={lng} lat={lat} 电量{batt} 信号{rssi}dBm"),
    ("WARN", "车辆{bike}未开锁状态下位移{meters}米，疑似被私自搬运，已触发语音警报"),
    ("INFO", "运维{name}完成网格{grid}巡检：整理车辆{n}辆，清出违停{n}辆，发现故障车{few}辆"),
    ("INFO", "用户{uid}申诉调度费{amt}元，理由：{appeal}，处理结果：{appealres}"),
    ("INFO", "骑行结束结算成功：订单{order}，实付{amt}元，支付方式：{pay}"),
    ("ERROR", "骑行结束结算失败：订单{order}，应付{amt}元，支付方式：{pay}，原因：{payfail}"),
    ("INFO", "信用分变更：用户{uid} {delta}分（{creditwhy}），当前{score}分"),
    ("WARN", "电池{battid}温度{temp}，高于阈值45℃，车辆{bike}已远程断电"),
    ("INFO", "车辆{bike}固件升级 {fw} -> {fw} result={fwres}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the lock gateway is C++ and logs with glog: level letter, date, thread, file:line
        return "%s0318 %02d:%02d:%02d.%06d %5d %s:%d] " % (
            level[0], hh, mm, ss, r.randint(0, 999999), r.randint(1200, 1300),
            r.choice(FILES), r.randint(40, 900))
    if form == 1:
        # the operations console writes its own log with Chinese labels in brackets
        return "【2026-03-18 %02d:%02d:%02d】【运维平台】【%s】" % (hh, mm, ss, LEVELS_CN[level])
    # the order service logs a JSON-ish prefix for the collector, then the plain message
    return '{"ts":"2026-03-18T%02d:%02d:%02d.%03d+08:00","lvl":"%s","svc":"ride-order","trace":"%012x"} ' % (
        hh, mm, ss, r.randint(0, 999), LEVELS_LOWER[level], r.getrandbits(48))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "BK", 6 * 3600 + 20)
