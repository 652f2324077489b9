#!/usr/bin/env python3
"""A GBK log of a Chinese car-rental company's stores, app and fleet platform with its truth.

    bench/make_gbk_carrental.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (position reports
from the cars' trackers, bookings made, changed and cancelled, payment callbacks accepted and
refused, deposits frozen, released and deducted and a freeze or release that fails, pick-up and
return checks with fuel, mileage and damage, fuel charges, text messages sent, ID and
driving-licence checks passed and failed, remote commands to the car sent or timed out, trackers
going offline and coming back, traffic tickets matched to a rental or not, the violation-query
service failing, cars overdue, maintenance orders opened and closed, cars put on and taken off
a store's shelf, a booking refused for want of a car, electric cars low on battery, crash
alarms, insurance claims reported and rejected, and a policy about to expire), written to
measure the miner on and not to shape it: no rule was made or tuned on them. Each message keeps
its own frequency, tracker reports by the hundred and a crash alarm once in a few thousand
lines. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STORES = ["上海虹桥机场T2店", "北京南站店（地下停车场B2）", "杭州东站店", "成都双流机场店", "三亚凤凰机场店（P3停车楼）",
          "深圳北站店", "广州白云机场T1店", "厦门高崎机场店", "昆明长水机场店", "南京南站店（北广场 P5）"]
# the fleet's models (the company's own catalogue names), whether electric
MODELS = [("星途T5 1.5T 自动", False), ("Aurora S7 长续航版", True), ("风行者X3（7座）", False), ("乐驰E300 纯电", True),
          ("Veloce GT 2.0T", False), ("大唐骏 MPV 商务版", False), ("小熊猫EV（两厢）", True), ("远航者L6 舒适型", False),
          ("青鸾 Q3 1.6L 手动", False)]
MODEL_NAMES = [m for m, _ in MODELS]
PROVINCES = "沪京浙川琼粤闽云苏"
PAYCH = ["JINPAY", "CARD_PREAUTH", "ZHIFU_QR", "CREDIT_FREE", "DIGITAL_RMB"]
PAYTYPES = ["RENT", "DEPOSIT_PREAUTH", "RENEW", "DAMAGE_FEE", "FUEL_FEE"]
CHANNELS = ["APP（iOS 6.12.0）", "APP（Android 6.11.3）", "小程序", "门店前台", "客服热线 400-820-XXXX"]
CANCELS = ["用户主动取消", "行程有变", "未通过驾驶证核验，系统自动取消", "门店无车，客服协商取消", "超时未支付（15分钟）",
           "重复下单"]
FUELS = ["满油（8/8格）", "7/8格", "6/8格", "5/8格", "半箱（4/8格）", "3/8格", "1/4箱"]
DAMAGES = ["无新增损伤", "无新增损伤", "左后门划痕（历史损伤，已登记）", "前保险杠轻微擦伤（历史）", "右后视镜外壳裂纹，已拍照"]
PAYERRS = [("SIGN_ERROR", 401), ("AMOUNT_MISMATCH", 400), ("ORDER_NOT_EXIST", 404), ("DUPLICATE_NOTIFY", 409),
           ("DECRYPT_FAIL", 500)]
ADDRS = ["上海市闵行区申长路 988号 附近", "北京市丰台区 永外大街12号", "浙江省杭州市上城区天城路", "四川省成都市双流区 机场东二路",
         "海南省三亚市天涯区 迎宾路388号", "G15沈海高速 K1834+200 附近", "广东省深圳市龙华区致远中路（北站西广场）"]
VPLACES = ["沪闵路与莲花路交叉口", "G60 沪昆高速 K23+500", "深南大道（科苑路段）", "三亚湾路 椰梦长廊停车场外",
           "北四环东路 望和桥 往东", "机场高速 收费站 出口匝道"]
VTYPES = ["超速20%以上未达50%", "超速未达20%", "违反禁令标志指示", "不按导向车道行驶", "违停（机动车违反规定停放）",
          "闯红灯（不按交通信号灯通行）", "驾驶时拨打手持电话"]
# what the ID check says, and the code its provider answers
IDFAILS = [("身份证号与姓名不一致", "ID_NAME_MISMATCH"), ("人脸比对不通过（相似度%.1f%%）", "FACE_LOW_SCORE"),
           ("证件已过期（有效期至2025.12.31）", "CERT_EXPIRED"), ("活体检测失败：疑似翻拍或屏幕翻录", "LIVENESS_FAIL"),
           ("OCR识别失败，请重新拍摄证件正面", "OCR_FAIL")]
LFAILS = ["驾驶证状态异常（暂扣）", "累计记分已满12分", "驾龄不足1年（初次领证2025-09-03）", "准驾车型不符，订单车型需C1及以上",
          "驾驶证已过有效期", "驾驶证信息与身份证不一致"]
LCLASSES = ["C1", "C1", "C1", "C2", "B1", "A2", "B2"]
MAINT = ["更换机油机滤（5W-30 全合成 4.5L）", "空气滤芯", "空调滤芯", "刹车片（前轮）", "四轮定位", "轮胎更换×2", "雨刮片",
         "蓄电池检测", "变速箱油", "玻璃水加注"]
GARAGES = ["「星驰汽修（闵行店）」", "「顺达汽车服务中心」", "「恒泰4S店 售后部」", "门店自营整备间", "「蓝盾快修（双流）」"]
PARTS = ["左前门", "右后叶子板", "前保险杠", "后保险杠", "后视镜（右）", "轮毂（左后）", "前挡风玻璃", "引擎盖"]
OFFREASONS = ["送修保养", "GPS离线超过24小时", "年检到期", "事故定损中", "调拨至其他门店", "车内异味待清洁"]
COMMANDS = ["UNLOCK", "LOCK", "FIND_CAR（鸣笛闪灯）", "CUT_FUEL_PUMP", "RESTORE_FUEL_PUMP", "QUERY_STATUS"]
FRZERRS = [("INSUFFICIENT_CREDIT_LIMIT", "信用卡可用额度不足"), ("CARD_EXPIRED", "卡片已过期"),
           ("RISK_REJECT", "风控拒绝"), ("CHANNEL_TIMEOUT", "渠道响应超时"), ("AUTH_NOT_FOUND", "原授权不存在或已撤销")]
HTTPFAILS = ["HTTP 500 Internal Server Error", "HTTP 502 Bad Gateway", "HTTP 503 Service Unavailable",
             "HTTP 504 Gateway Timeout", "HTTP 429 Too Many Requests", "java.net.SocketTimeoutException: Read timed out"]
ACCIDENTS = ["单方事故（追尾护栏）", "双方事故，对方全责", "双方事故，我方主责", "停放时被刮擦（对方逃逸）", "玻璃单独破碎", "涉水熄火"]
INSURERS = ["《安和财产保险股份有限公司》", "《华信保险 上海分公司》", "《众泰联合财险》", "《平川保险（四川）》"]
REJECTS = ["承租人饮酒驾驶", "报案超过48小时时限", "事故发生时驾驶人非合同承租人", "未购买「不计免赔」，损失低于免赔额1500元",
           "车辆用于网约车营运"]
SMSTPL = ["SMS_PICKUP_REMIND", "SMS_RETURN_REMIND", "SMS_VERIFY_CODE", "SMS_OVERDUE_NOTICE", "SMS_DEPOSIT_RELEASED",
          "SMS_ORDER_CONFIRM"]
COUPONS = ["新客立减50元", "周末特惠9折", "会员日满300减40", "机场店专享券（免送车费）", "长租7天95折"]
POLICIES = ["交强险", "商业险（车损+三者100万）", "交强险、商业险"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def plate(r):
    prov = r.choice(PROVINCES)
    if r.random() < 0.3:
        return "%s%s·%s%05d" % (prov, r.choice("ABDF"), r.choice("DF"), r.randint(0, 99999))
    tail = "".join(r.choice("0123456789ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(4))
    return "%s%s·%d%s" % (prov, r.choice("ABCEG"), r.randint(0, 9), tail)


def order(r):
    return "RC2605%02d%07d" % (r.randint(1, 31), r.randint(0, 9999999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def idno(r):
    return "%d%05d********%03d%s" % (r.choice([1, 3, 4, 5]), r.randint(10000, 99999), r.randint(0, 999),
                                    r.choice("0123456789X"))


def when(r, lo=0, hi=20):
    """A date and time of the next days, in one of the forms the services write them."""
    d = datetime.datetime(2026, 5, 20, r.randint(7, 21), r.choice([0, 0, 30, 15, 45])) + \
        datetime.timedelta(days=r.randint(lo, hi))
    k = r.randint(0, 2)
    if k == 0:
        return d.strftime("%Y-%m-%d %H:%M")
    if k == 1:
        return "%d月%d日 %s" % (d.month, d.day, d.strftime("%H:%M"))
    return d.strftime("%Y/%m/%d %H:%M")


def past(r):
    d = datetime.datetime(2026, 5, 20) - datetime.timedelta(days=r.randint(1, 40), minutes=r.randint(0, 1439))
    return d.strftime(r.choice(["%Y-%m-%d %H:%M", "%Y年%m月%d日 %H时%M分"]))


def heartbeat(r):
    """The tracker's last heartbeat, some hours before the morning's lines; the minutes offline
    after it are counted from then."""
    mins = r.randint(6, 26 * 60)
    _chosen["off"] = mins
    d = datetime.datetime(2026, 5, 20, 7, 30) - datetime.timedelta(minutes=mins, seconds=r.randint(0, 59))
    return d.strftime(r.choice(["%Y-%m-%d %H:%M:%S", "%m/%d %H:%M:%S"]))


def model(r):
    _chosen["m"] = r.choice(MODELS)
    return _chosen["m"][0]


def fuel_from(r):
    # cars mostly go out full
    _chosen["f"] = 0 if r.random() < 0.5 else r.randint(1, 4)
    return FUELS[_chosen["f"]]


def fuel_to(r):
    # a car given back with less fuel than it went out with
    if r.random() < 0.15:
        _chosen["gap"] = len(FUELS) - _chosen["f"]
        return "空（油量报警灯亮）"
    back = r.randint(_chosen["f"] + 1, len(FUELS) - 1)
    _chosen["gap"] = back - _chosen["f"]
    return FUELS[back]


def fuel_fee(r):
    litres = _chosen["gap"] * r.uniform(5.5, 7.5)  # one eighth of a tank is some 6 L
    price = r.choice([8.12, 8.35, 8.67])
    return "%.2f元（%.1fL × %.2f元/L，含加油服务费30元）" % (litres * price + 30, litres, price)


def returnfee(r):
    return r.choice(["无额外费用", "无额外费用", "超时%d小时，加收超时费%d元" % (r.randint(1, 5), r.choice([60, 90, 120, 150])),
                     "加收清洁费80元（车内有宠物毛发）", "加收异地还车费%d元" % r.choice([100, 200, 300])])


def change(r):
    return r.choice([
        "取车时间由%s改为%s" % (when(r), when(r)),
        "车型由「%s」升级为「%s」" % (r.choice(MODEL_NAMES), r.choice(MODEL_NAMES)),
        "还车门店由%s改为%s" % (r.choice(STORES), r.choice(STORES)),
        "加购「尊享服务（不计免赔）」",
        "租期由%d天延长至%d天" % (r.randint(1, 4), r.randint(5, 12))])


def idfail(r):
    text, code = r.choice(IDFAILS)
    _chosen["idcode"] = code
    return text % r.uniform(40, 69) if "%" in text else text


def frzerr(r):
    code, msg = r.choice(FRZERRS)
    return "%s（%s）" % (code, msg)


def payerr(r):
    _chosen["payerr"] = r.choice(PAYERRS)
    return _chosen["payerr"][0]


def deposit(r):
    _chosen["dep"] = r.choice([3000, 5000, 5000, 8000, 10000])
    return "%.2f" % _chosen["dep"]


def deduct(r):
    fine = r.choice([100, 150, 200, 500])
    svc = r.choice([0, 20, 30])
    rest = 2000 - fine - svc
    return "扣款%d元（罚款）+ 服务费%d元，剩余%d.00元已解冻" % (fine, svc, rest)


def position(r):
    return "%.6f,%.6f" % (r.uniform(102.5, 121.6), r.uniform(18.2, 40.1))


def soc(r):
    _chosen["soc"] = r.randint(3, 19)
    return str(_chosen["soc"])


def vin(r):
    return "LS%s%s%06d" % ("".join(r.choice("0123456789ABCDEFGHJKLMNPRSTUVWXYZ") for _ in range(7)),
                           r.choice("KLMNP"), r.randint(0, 999999))


def iso(r):
    d = datetime.datetime(2026, 5, 20, r.randint(7, 21), r.choice([0, 30])) + \
        datetime.timedelta(days=r.randint(0, 14))
    return d.strftime("%Y-%m-%dT%H:%M:%S+08:00")


V = {
    "name": name, "plate": plate, "order": order, "phone": phone, "idno": idno, "model": model,
    "store": pick(STORES), "store2": pick(STORES), "pickup": when, "due": lambda r: when(r, -3, 0),
    "vtime": past, "lasttime": heartbeat, "offmins": lambda r: str(_chosen["off"]), "iso": iso, "vin": vin,
    "fuel": fuel_from, "fuelback": fuel_to, "fuelfee": fuel_fee, "returnfee": returnfee, "change": change,
    "idfail": idfail, "iderr": lambda r: _chosen["idcode"], "frzerr": frzerr,
    "payerr": payerr, "status": lambda r: str(_chosen["payerr"][1]),
    "deposit": deposit, "deduct": deduct, "pos": position, "soc": soc,
    "range": lambda r: str(_chosen["soc"] * r.randint(4, 6)),
    "ev": lambda r: r.choice([m for m, e in MODELS if e]),
    "paych": pick(PAYCH), "paytype": pick(PAYTYPES), "channel": pick(CHANNELS), "cancel": pick(CANCELS),
    "damage": pick(DAMAGES), "addr": pick(ADDRS), "vplace": pick(VPLACES), "vtype": pick(VTYPES),
    "lfail": pick(LFAILS), "lclass": pick(LCLASSES), "maint": items(MAINT, 1, 4), "garage": pick(GARAGES),
    "parts": items(PARTS, 1, 3), "offreason": pick(OFFREASONS), "cmd": pick(COMMANDS), "httpfail": pick(HTTPFAILS),
    "accident": pick(ACCIDENTS), "insurer": pick(INSURERS), "reject": pick(REJECTS), "tpl": pick(SMSTPL),
    "policy": pick(POLICIES),
    "coupon": optional(lambda r: "，使用优惠券「%s」" % r.choice(COUPONS), 0.35),
    "penalty": optional(lambda r: "，扣除违约金%d.00元（取车前%d小时内取消）" % (r.choice([50, 100, 200]), r.randint(1, 24)), 0.3),
    "maintnote": optional(lambda r: "，备注：%s" % r.choice(["左前轮胎纹深度1.6mm，已建议更换", "发现机油渗漏，已加做密封检查",
                                                         "客户反馈空调异味，已做蒸发箱清洗"]), 0.3),
    "offnote": optional(lambda r: "，原因：%s" % r.choice(OFFREASONS), 0.7),
    "sim": real(80, 99.9, "%.2f"), "ms": rint(40, 2800), "slow": rint(3000, 30000), "money": real(120, 6800, "%.2f"),
    "paid": real(50, 3200, "%.2f"), "fen": rint(5000, 980000), "delta": lambda r: "%+.2f" % r.uniform(-600, 900),
    "trade": rint(0, 10 ** 12 - 1, "2026052%012d"), "auth": lambda r: "PA%s" % "".join(
        r.choice("0123456789ABCDEF") for _ in range(12)),
    "uid": rint(10 ** 8, 10 ** 9 - 1, "U%d"), "emp": rint(10000, 99999, "%05d"), "days": rint(1, 15),
    "odo": rint(3000, 168000), "driven": rint(15, 2600), "speed": rint(0, 128), "fuelpct": rint(4, 100),
    "ldate": lambda r: r.choice(["%d年%02d月%02d日", "%d-%02d-%02d", "%d.%02d.%02d"]) % (
        r.randint(2026, 2036), r.randint(1, 12), r.randint(1, 28)),
    "lpts": rint(0, 11), "obsdays": pick(["30", "30", "15"]), "imei": rint(10 ** 12, 10 ** 13 - 1, "86%d"),
    "mins": rint(6, 1440), "fine": pick(["100", "150", "200", "500"]), "vpts": pick(["0", "1", "3", "6"]),
    "hours": rint(1, 72), "n": rint(1, 3), "wo": rint(1, 99999, "WO-2605-%05d"), "cost": real(180, 4200, "%.2f"),
    "nextodo": rint(8000, 178000), "loss": real(300, 18000, "%.2f"), "photos": rint(4, 24),
    "retry": pick(["1", "5", "10", "30"]), "try": rint(1, 3), "btemp": real(-8, 46, "%.1f"),
    "slot": lambda r: "%s区-%03d" % (r.choice("ABCDE"), r.randint(1, 240)),
    "req": lambda r: "%08x-%04x" % (r.getrandbits(32), r.getrandbits(16)),
    "claim": lambda r: "BA2605%010d" % r.randint(0, 10 ** 10 - 1), "g": real(2.5, 8.5, "%.1f"),
    "policyno": lambda r: "PDZA2026%s%08d" % (r.choice(["SH", "BJ", "CD", "SY"]), r.randint(0, 10 ** 8 - 1)),
    "expdate": lambda r: "2026.%02d.%02d" % (r.choice([5, 6]), r.randint(1, 28)), "left": rint(1, 30),
    "biz": lambda r: "%d^%d" % (r.randint(10 ** 11, 10 ** 12 - 1), r.randint(10 ** 5, 10 ** 6 - 1)),
    "avail": rint(0, 2),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "gps", "车机上报：车辆{plate}，位置{pos}，速度{speed}km/h，剩余油量/电量{fuelpct}%，总里程{odo}km，ACC=ON"),
    (190, "INFO", "order", "订单创建：订单号{order}，用户{name}（{phone}），取车门店{store}，还车门店{store2}，车型「{model}」，"
                          "取车时间{pickup}，租期{days}天，预估租金{money}元{coupon}"),
    (150, "INFO", "pay", "pay notify success channel={paych} out_trade_no={trade} total_amount={fen} order={order} biz_type={paytype}"),
    (100, "INFO", "deposit", "押金预授权冻结成功：订单{order}，租车押金{deposit}元，违章押金2000.00元，渠道{paych}，授权号{auth}"),
    (80, "INFO", "vcheck", "取车验车完成：订单{order}，车辆{plate}「{model}」，油量{fuel}，里程表{odo}km，外观：{damage}，"
                            "验车员{name}（工号{emp}）"),
    (75, "INFO", "vcheck", "还车验车完成：订单{order}，车辆{plate}，行驶里程{driven}km，{returnfee}，验车员{name}"),
    (70, "INFO", "sms", "sms send ok template={tpl} mobile={phone} bizId={biz} cost={ms}ms"),
    (60, "INFO", "verify", "实名认证通过：用户{uid}，{name}，身份证号{idno}，人脸比对相似度{sim}%，耗时{ms}ms"),
    (55, "INFO", "verify", "驾驶证核验通过：用户{uid}，准驾车型{lclass}，有效期至{ldate}，累计记分{lpts}分"),
    (45, "INFO", "order", "订单变更：订单号{order}，{change}，差价{delta}元，操作渠道：{channel}"),
    (40, "INFO", "deposit", "押金解冻成功：订单{order}，解冻金额{deposit}元，原授权号{auth}，观察期满{obsdays}天无违章"),
    (35, "INFO", "order", "订单取消：订单号{order}，取消原因：{cancel}，退款{paid}元{penalty}"),
    (28, "INFO", "iot", "远程指令下发成功：车辆{plate}，指令={cmd}，终端号{imei}，耗时{ms}ms"),
    (26, "WARN", "gps", "GPS终端离线：车辆{plate}，终端号{imei}，最后心跳{lasttime}，离线时长{offmins}分钟，最后位置「{addr}」"),
    (20, "WARN", "pay", "pay notify rejected channel={paych} out_trade_no={trade} reason={payerr} http_status={status}"),
    (18, "INFO", "violation", "违章匹配成功：车辆{plate}，{vtime}在{vplace}{vtype}，罚款{fine}元，记{vpts}分，"
                              "匹配订单{order}，承租人{name}"),
    (16, "WARN", "order", "车辆逾期未还：订单{order}，车辆{plate}，约定还车{due}，已超时{hours}小时，承租人{name}（{phone}），"
                          "已发送第{n}次催还短信"),
    (15, "INFO", "gps", "GPS终端恢复：车辆{plate}，终端号{imei}，最后心跳{lasttime}，离线时长{offmins}分钟，最后位置「{addr}」"),
    (14, "WARN", "verify", "实名认证失败：用户{uid}，{name}，原因：{idfail}，errCode={iderr}"),
    (12, "WARN", "verify", "驾驶证核验失败：用户{uid}，准驾车型{lclass}，原因：{lfail}"),
    (11, "INFO", "maint", "保养工单创建：工单{wo}，车辆{plate}「{model}」，当前里程{odo}km，项目：{maint}，送修{garage}"),
    (9, "INFO", "maint", "保养完成：工单{wo}，车辆{plate}，费用{cost}元，下次保养里程{nextodo}km{maintnote}"),
    (9, "WARN", "vcheck", "还车验车发现车损：订单{order}，车辆{plate}，部位：{parts}，定损{loss}元，照片{photos}张已上传"),
    (8, "WARN", "vcheck", "还车油量不足：订单{order}，取车油量{fuel}，还车油量{fuelback}，补油费{fuelfee}"),
    (8, "WARN", "violation", "违章未匹配到订单：车辆{plate}，违法时间{vtime}，地点{vplace}，该时段车辆在库（{store}），转人工复核"),
    (7, "INFO", "fleet", "车辆上架：{plate}「{model}」，门店{store}，操作人{name}"),
    (6, "INFO", "fleet", "车辆下架：{plate}「{model}」，门店{store}，操作人{name}{offnote}"),
    (5, "INFO", "deposit", "违章押金结算：订单{order}，{deduct}，原授权号{auth}"),
    (4.5, "WARN", "iot", "电池电量低：车辆{plate}「{ev}」，SOC={soc}%，续航约{range}km，电池温度{btemp}℃，停放{store}车位{slot}"),
    (4, "ERROR", "deposit", "押金预授权冻结失败：订单{order}，金额{deposit}元，渠道{paych}，错误：{frzerr}"),
    (3, "ERROR", "deposit", "押金解冻失败：订单{order}，解冻金额{deposit}元，原授权号{auth}，错误：{frzerr}，{retry}分钟后自动重试"),
    (3, "ERROR", "iot", "远程指令下发失败：车辆{plate}，指令={cmd}，终端号{imei}，result=TIMEOUT，耗时{slow}ms"),
    (3, "ERROR", "violation", "violation query failed: GET /api/v3/violation/query?vin={vin} -> {httpfail}, cost={slow}ms, retry {try}/3"),
    (2.5, "ERROR", "order", "com.yuanzu.rental.stock.VehicleStockLockException: 车型「{model}」在{store}无可用库存"
                            "（剩余{avail}台均已锁定） pickupTime={iso} requestId={req}"),
    (2.5, "INFO", "claim", "保险报案受理：报案号{claim}，订单{order}，车辆{plate}，出险时间{vtime}，地点「{addr}」，"
                           "事故类型：{accident}，承保公司{insurer}"),
    (1.8, "WARN", "claim", "保险理赔驳回：报案号{claim}，承保公司{insurer}，驳回原因：{reject}，已通知承租人{name}"),
    (1.6, "WARN", "fleet", "保险即将到期：车辆{plate}，险种：{policy}，保单号{policyno}，到期日{expdate}，剩余{left}天，请及时续保"),
    (1.5, "ERROR", "iot", "碰撞告警：车辆{plate}，G值={g}g，位置{pos}，速度{speed}km/h，已通知客服回访承租人"),
]

# the Java class that logs each module's lines, and its thread pool
LOGGERS = {"gps": ("c.y.r.gps.TrackerConsumer", "kafka-gps-%d"), "order": ("c.y.r.order.OrderService", "http-nio-8080-exec-%d"),
           "pay": ("c.y.r.pay.NotifyController", "http-nio-8081-exec-%d"),
           "deposit": ("c.y.r.pay.DepositService", "deposit-worker-%d"),
           "vcheck": ("c.y.r.store.VehicleCheckService", "http-nio-8080-exec-%d"),
           "sms": ("c.y.r.notify.SmsSender", "sms-pool-%d"), "verify": ("c.y.r.user.KycService", "kyc-async-%d"),
           "iot": ("c.y.r.iot.CommandGateway", "netty-io-%d"), "violation": ("c.y.r.violation.MatchJob", "scheduling-%d"),
           "maint": ("c.y.r.fleet.MaintenanceService", "http-nio-8080-exec-%d"),
           "fleet": ("c.y.r.fleet.VehicleService", "http-nio-8080-exec-%d"), "claim": ("c.y.r.claim.ClaimService", "claim-%d")}
# the same modules as the store-side console names them
CN_MODULES = {"gps": "定位服务", "order": "订单服务", "pay": "支付回调", "deposit": "押金中心", "vcheck": "门店验车",
              "sms": "消息通知", "verify": "实名核验", "iot": "车机网关", "violation": "违章处理", "maint": "车辆保养",
              "fleet": "车辆管理", "claim": "保险理赔"}
PIDS = {"gps": 2107, "order": 1433, "pay": 1502, "deposit": 1502, "vcheck": 1688, "sms": 3011, "verify": 2740,
        "iot": 2108, "violation": 3355, "maint": 1690, "fleet": 1690, "claim": 3390}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 20) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the Java back end: a pattern layout with the thread in brackets and the logger's short name
        logger, thread = LOGGERS[module]
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
                                           thread % r.randint(1, 16), logger)
    if form == 1:
        # the stores' operations console prints the level and the module in Chinese, then the host
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s.%03d][%s][%s][rc-app-%02d] " % (at.strftime("%m-%d %H:%M:%S"), ms, cn, CN_MODULES[module],
                                                    r.randint(1, 6))
    # the gateways write to syslog: month name, host, program and pid, then a one-letter level
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s rc-gw-%02d rental-%s[%d]: <%s> " % (month, at.day, at.strftime("%H:%M:%S"), r.randint(1, 3),
                                                          module, PIDS[module], level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "C", 7 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
