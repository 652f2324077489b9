#!/usr/bin/env python3
"""A GBK log of a Chinese chain of fitness clubs with its truth.

    bench/make_gbk_gym.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (check-ins at the
turnstiles by face, card and QR code, face and QR check-ins that fail, members leaving, entries
refused for an expired membership, tailgating alarms, memberships sold and renewed, freezes
approved or turned down, refunds that go through or fail, expiry reminders, personal-trainer
sessions booked, signed for and cancelled, group classes booked, full or cancelled, trial
visitors, lockers opened from the desk and locker faults, treadmill alarms, equipment
maintenance, pool water tests that pass or fail, hall climate readings, body-composition scans
and a scanner that can't upload, coach commissions and a payroll run held back, payment
callbacks that succeed, fail their signature check or arrive twice, and a member service that
times out), written to measure the miner on and not to shape it: no rule was made or tuned on
them. Each message keeps its own frequency, check-ins by the hundred and a payroll run held back
once in a few thousand lines. Several pairs differ in a word or two only (approved and turned
down, passed and failed), which a person reading the log would still tell from each other. One
of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

CLUBS = ["上海静安寺店（B1层）", "上海陆家嘴旗舰店", "杭州西湖文化广场店", "南京河西万达店（3F 301）", "北京三里屯店",
         "北京中关村店（地下一层）", "深圳科技园店", "成都太古里店", "广州珠江新城店（24小时）"]
CLUBCODES = ["SH01", "SH02", "HZ03", "NJ01", "BJ05", "BJ07", "SZ02", "CD01", "GZ04"]
GATES = ["1F 东入口-01", "1F 东入口-02", "B1 停车场入口", "泳池通道闸", "员工通道", "2F 团操区闸机", "西门 无障碍通道"]
LEVELS = ["月卡", "季卡", "年卡", "两年卡", "次卡（30次）", "黑金年卡", "企业团体卡"]
CARDTYPES = ["年卡（全国通用）", "单店年卡", "季卡", "月卡 体验版", "次卡（50次）", "私教+年卡套餐", "学生卡（需验证学生证）"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY", "POS_CARD", "CASH", "INSTALLMENT_HB"]
ONLINE = ["WECHAT", "ALIPAY", "UNIONPAY", "INSTALLMENT_HB"]  # the channels that call back
PROMOS = ["老带新赠送1个月", "开业特惠8.5折", "满5000减600", "赠私教体验课2节", "会员日加赠14天"]
FREEZES = ["出差外派", "怀孕/产假", "运动受伤（附医院证明）", "出国留学", "疫情隔离"]
REFUNDS = ["七天无理由退卡", "搬家离开本市", "门店闭店转店失败", "身体原因无法运动（附诊断书）"]
REFUNDERR = ["ORDER_NOT_EXIST", "REFUND_AMOUNT_EXCEED", "SYSTEM_ERROR", "USER_ACCOUNT_ABNORMAL", "FREQUENCY_LIMITED"]
# coach shown as an English name with the Chinese name after it, as the scheduling screens do
COACHES = ["Kevin（王磊）", "Amy（李娜）", "Jason（张强）", "Coco（陈静）", "Leo（刘洋）", "Ivy（赵敏）", "Tony（孙涛）",
           "Mia（周艳）", "Jack 马超", "Sunny（何芳）"]
PTCOURSES = ["减脂塑形", "增肌训练（进阶）", "体态矫正", "产后修复", "拳击私教 Boxing", "普拉提器械 1v1", "运动康复评估"]
PTCANCELS = ["会员临时加班", "教练请假（病假）", "会员身体不适", "场地冲突，门店调整", "会员未到场，超时15分钟自动取消"]
# group class, room, capacity
CLASSES = [("动感单车 Spinning", "单车房", 30), ("瑜伽 Hatha", "瑜伽室A", 25), ("Body Combat 搏击操", "团操房1", 40),
           ("普拉提 Mat", "瑜伽室B", 20), ("Zumba 尊巴", "团操房2", 35), ("HIIT 燃脂 45min", "功能区", 18),
           ("空中瑜伽", "瑜伽室A", 12), ("杠铃操 Body Pump", "团操房1", 32)]
LOCKERERR = ["LOCK_MOTOR_STALL", "BATTERY_LOW", "RFID_READ_TIMEOUT", "DOOR_NOT_CLOSED", "CAN_BUS_OFFLINE"]
LOCKREASONS = ["会员忘记密码", "手环丢失", "柜门卡住打不开", "会员离场未取物品（闭店清柜）"]
# treadmills and the like: name with its maker's model
TREADMILLS = ["跑步机#03（踏云 TR-900）", "跑步机#07（踏云 TR-900）", "跑步机#12（远驰 X7 Pro）", "跑步机#15（远驰 X7 Pro）",
              "椭圆机#02（远驰 E5）", "楼梯机#01（登峰 SC-2）"]
TMCODES = [("E01", "电机过流"), ("E05", "速度传感器无信号"), ("E07", "跑带跑偏"), ("E12", "急停开关触发"),
           ("E21", "控制板过热"), ("OVL", "负载超限")]
EQUIPMENT = ["史密斯机", "龙门架 双轨", "腿举机（45°）", "高位下拉器", "划船机#04", "动感单车#18", "哑铃架 2.5-50kg"]
MAINTAIN = ["更换钢丝绳", "跑带加注硅油", "紧固螺栓", "更换座垫", "皮带张紧调整", "清洁保养"]
POOLS = ["恒温泳池（25m）", "儿童戏水池", "按摩池 SPA"]
AREAS = ["自由力量区", "有氧区", "团操房1", "瑜伽室A", "泳池大厅", "更衣室（男）", "更衣室（女）"]
SOURCES = ["美团团购", "小程序预约", "会员推荐", "地推扫码", "抖音团购", "大众点评"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
SCANNERS = ["体测仪 BC-720", "体测仪 BC-720 Plus", "八电极体测仪 MB-8"]
TARGETS = ["减脂", "增肌", "塑形", "康复", "提升心肺"]
HOLD = ["消课记录缺少会员签字", "同一时段重复消课", "课时单价与合同不符", "会员已退卡但仍有消课"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form=0):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    if form == 1:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if form == 2:
        return d.strftime("%Y%m%d")
    if form == 3:
        return "%d/%02d" % (d.month, d.day)
    return d.isoformat()


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def gymclass(r):
    c = r.choice(CLASSES)
    _chosen["class"] = c
    return c[0]


def slot(r):
    start = datetime.datetime(2026, 3, 14, r.choice([7, 9, 12, 18, 19, 20]), r.choice([0, 30]))
    end = start + datetime.timedelta(minutes=r.choice([45, 60, 90]))
    return "%s-%s" % (start.strftime("%H:%M"), end.strftime("%H:%M"))


def freeze(r):
    n = r.randint(7, 90)
    d0 = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(0, 10))
    d1 = d0 + datetime.timedelta(days=n)
    return "冻结%d天（%s至%s）" % (n, d0.isoformat(), d1.isoformat())


def refundno(r):
    return "RF%s%06d" % (day(r, -3, 0, 2), r.randint(0, 999999))


def treadmill(r):
    code, what = r.choice(TMCODES)
    return "device=\"%s\" code=%s msg=\"%s\" speed=%.1fkm/h incline=%d%%" % (
        r.choice(TREADMILLS), code, what, r.uniform(4, 16), r.randint(0, 15))


def water(r):
    """The pool's readings; a failing test names what is out of range."""
    return "余氯%.2fmg/L，pH %.1f，水温%.1f℃，浊度%.2fNTU" % (
        r.uniform(0.3, 1.0), r.uniform(7.0, 7.8), r.uniform(26, 29), r.uniform(0.1, 0.5))


def badwater(r):
    bad = r.sample(["余氯", "pH", "浊度", "尿素", "菌落总数"], r.randint(1, 2))
    return "、".join(bad)


def body(r):
    kg = r.uniform(42, 110)
    fat = r.uniform(8, 38)
    return "体重%.1fkg，体脂率%.1f%%，骨骼肌%.1fkg，BMI %.1f，内脏脂肪等级%d" % (
        kg, fat, kg * r.uniform(0.33, 0.45), kg / r.uniform(2.6, 3.4), r.randint(2, 16))


def commission(r):
    """Sessions taught paid per session, plus a share of the packages the coach sold."""
    n = r.randint(8, 140)
    pay = n * r.choice([60, 80, 100, 120])
    pct = r.choice([5, 8, 10, 12, 15])
    bonus = r.uniform(0, 90000) * pct / 100
    return "消课%d节，课时费%d元，业绩提成%.2f元（比例%d%%），合计%.2f元" % (n, pay, bonus, pct, pay + bonus)


def qr(r):
    return "QR%s%s" % ("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(3)),
                       "".join(r.choice("0123456789abcdef") for _ in range(9)))


def trade(r):
    return "GYM%s%s%05d" % (day(r, -1, 0, 2), r.choice(CLUBCODES), r.randint(0, 99999))


V = {
    "name": name, "phone": phone, "club": pick(CLUBS), "class": gymclass, "slot": slot, "freeze": freeze,
    "refundno": refundno, "treadmill": treadmill, "water": water, "badwater": badwater, "body": body,
    "commission": commission, "qr": qr, "trade": trade,
    "room": lambda r: _chosen["class"][1],
    "cap": lambda r: str(_chosen["class"][2]),
    "minn": lambda r: str(r.choice([5, 6, 8])),
    "fewn": lambda r: str(r.randint(0, 4)),
    "clubcode": pick(CLUBCODES), "gate": pick(GATES), "level": pick(LEVELS), "cardtype": pick(CARDTYPES), "paych": pick(PAYCH), "online": pick(ONLINE),
    "freezewhy": pick(FREEZES), "refundwhy": pick(REFUNDS), "refunderr": pick(REFUNDERR),
    "coach": pick(COACHES), "ptcourse": pick(PTCOURSES), "ptcancel": pick(PTCANCELS), "lockerr": pick(LOCKERERR),
    "lockwhy": pick(LOCKREASONS), "equip": pick(EQUIPMENT), "maintain": items(MAINTAIN, 1, 3), "pool": pick(POOLS),
    "area": pick(AREAS), "source": pick(SOURCES), "httpfail": pick(HTTPFAILS), "scanner": pick(SCANNERS),
    "targets": items(TARGETS, 1, 2), "hold": pick(HOLD),
    "mid": rint(0, 10 ** 8 - 1, "M%08d"), "cardno": rint(0, 16 ** 8 - 1, "%08X"),
    "sim": real(86, 99.8, "%.1f"), "lowsim": real(52, 79.9, "%.1f"), "thr": pick(["80", "82", "85"]),
    "ms": rint(80, 900), "longms": rint(3000, 15000), "stay": rint(15, 240), "visits": rint(1, 480),
    "money": real(199, 12800, "%.2f"), "fee": rint(1990, 1280000), "months": pick(["1", "3", "6", "12", "24"]),
    "until": lambda r: day(r, 30, 760, 1), "expired": lambda r: day(r, -60, -1, 0), "soon": lambda r: day(r, 1, 7, 3),
    "left": rint(0, 60), "date": lambda r: day(r, 0, 7, 0), "hours": rint(1, 72),
    "seat": lambda r: str(r.randint(1, _chosen["class"][2])), "session": pick(["45", "60", "60", "90"]),
    "locker": lambda r: "%s-%03d" % (r.choice(["男更A", "男更B", "女更A", "女更B", "VIP"]), r.randint(1, 240)),
    "month": lambda r: "2026年%d月" % r.randint(1, 2), "emp": rint(100, 999, "E%04d"),
    "temp": real(17.5, 29.5), "hum": rint(35, 85), "co2": rint(420, 1900),
    "try": rint(1, 5), "n": rint(2, 5), "cnt": rint(2, 60),
    "img": lambda r: "snap_%s_%06d.jpg" % (day(r, 0, 0, 2), r.randint(0, 999999)),
    "tx": rint(0, 10 ** 12 - 1, "4200002%012d"), "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 9), r.randint(2, 250)),
    "qrage": rint(61, 900), "trial": rint(0, 10 ** 6 - 1, "T%06d"),
    "tempcheck": optional(lambda r: "，体温%.1f℃" % r.uniform(36.0, 37.2), 0.3),
    "towel": optional(lambda r: "，已领取毛巾%d条" % r.randint(1, 2), 0.35),
    "promo": optional(lambda r: "，优惠：「%s」" % r.choice(PROMOS), 0.5),
    "contract": optional(lambda r: " 合同号HT%s-%04d" % (day(r, 0, 0, 2), r.randint(1, 9999)), 0.4),
    "penalty": optional(pick(["，按规则扣除课时1节"]), 0.3),
    "remark": optional(lambda r: "，备注：%s" % r.choice(["膝盖旧伤，避免深蹲", "第一次上课，需先做体态评估",
                                                         "想练臀腿", "请提前10分钟到场热身"]), 0.4),
    "compare": optional(lambda r: "，较上次体脂%+.1f%%" % r.uniform(-4, 2), 0.45),
    "waitlist": optional(lambda r: "，候补%d人" % r.randint(1, 12), 0.6),
    "repair": optional(lambda r: "，已派单%s给维修%s" % ("WO-%06d" % r.randint(0, 999999), name(r)), 0.5),
    "dose": optional(lambda r: "，已投加次氯酸钠%.1fkg" % r.uniform(0.5, 6), 0.5),
    "attach": optional(lambda r: " attach=%s" % r.choice(["renew", "pt_package", "new_card", "locker_rent"]), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "gate", "【闸机】刷脸入场成功：会员{name}（{level}），卡号{mid}，{club}，通道「{gate}」，相似度{sim}%{tempcheck}"),
    (150, "INFO", "gate", "checkin ok method=CARD card_no={cardno} member={mid} store={clubcode} gate=\"{gate}\" cost={ms}ms"),
    (110, "INFO", "gate", "扫码入场：二维码{qr}校验通过，会员{name}，本月第{visits}次到店{towel}"),
    (130, "INFO", "gate", "离场：会员{mid}，在馆时长{stay}分钟，出口「{gate}」"),
    (95, "INFO", "pay", "pay notify success channel={online} out_trade_no={trade} transaction_id={tx} total_fee={fee}{attach}"),
    (70, "INFO", "class", "团课预约成功：《{class}》{date} {slot}，{room}，座位号{seat}，会员{name}（{phone}）"),
    (60, "INFO", "pt", "私教预约：会员{name}（{mid}）预约教练{coach}，课程「{ptcourse}」，时间{date} {slot}，剩余课时{left}节{remark}"),
    (50, "INFO", "pt", "私教消课签字确认：教练{coach}，会员{name}，课程「{ptcourse}」，本节时长{session}分钟，剩余{left}节"),
    (45, "INFO", "env", "env report area={area} temp={temp}℃ humidity={hum}% co2={co2}ppm"),
    (40, "INFO", "body", "体测完成：会员{name}（{mid}），{scanner}，{body}{compare}"),
    (30, "INFO", "sales", "会籍售卖：新签{cardtype}，会员{name}（{phone}），实收{money}元，支付方式{paych}，顾问{name}{promo}{contract}"),
    (28, "WARN", "gate", "【闸机】刷脸入场失败：通道「{gate}」，相似度{lowsim}%低于阈值{thr}%，已提示改用刷卡或扫码"),
    (25, "INFO", "sales", "会籍续费：会员{mid}，{cardtype}续{months}个月，有效期延至{until}，金额{money}元"),
    (20, "INFO", "locker", "储物柜远程开柜：柜号{locker}，操作人{name}（工号{emp}），原因：{lockwhy}"),
    (18, "WARN", "gate", "入场拒绝：会员{mid}会籍已于{expired}到期，通道「{gate}」，已推送续费提醒"),
    (16, "WARN", "class", "团课《{class}》{slot}（{room}）已满员：{cap}/{cap}{waitlist}"),
    (14, "INFO", "pt", "私教课取消：教练{coach}，会员{name}，{date} {slot}，原因：{ptcancel}，距开课{hours}小时{penalty}"),
    (13, "WARN", "gate", "扫码入场失败：二维码{qr}已过期（生成于{qrage}秒前，有效期60秒），会员{name}"),
    (12, "INFO", "sales", "体验课到店：访客{name}（{phone}），来源「{source}」，体验单号{trial}，意向：{targets}，接待顾问{name}"),
    (10, "INFO", "pool", "泳池水质检测合格：{pool}，{water}，检测人{name}"),
    (9, "INFO", "sales", "会籍冻结申请已通过：会员{name}（{mid}），{freeze}，原因：{freezewhy}，经办人{name}"),
    (8, "INFO", "remind", "会籍到期提醒：会员{name}（{phone}）的{level}将于{soon}到期，已发送短信及小程序通知"),
    (7, "WARN", "pay", "pay notify duplicated, ignored: channel={online} out_trade_no={trade} transaction_id={tx}"),
    (6, "INFO", "device", "器械保养完成：{club}「{equip}」，保养项目：{maintain}，保养人{name}"),
    (5, "ERROR", "device", "treadmill alarm {treadmill} store={clubcode}{repair}"),
    (5, "INFO", "refund", "退卡退款成功：退款单号{refundno}，会员{mid}，退款金额{money}元，原路退回{paych}，原因：{refundwhy}"),
    (4.5, "WARN", "class", "团课《{class}》{slot}（{room}）已取消：预约{fewn}人，不足开课人数{minn}人，已通知会员"),
    (4, "ERROR", "locker", "储物柜故障 locker={locker} err={lockerr} ip={ip}，已锁定该柜并通知前台"),
    (3.5, "WARN", "sales", "会籍冻结申请已驳回：会员{name}（{mid}），{freeze}，原因：{freezewhy}，经办人{name}"),
    (3, "ERROR", "pay", "pay notify verify failed: channel={online} out_trade_no={trade} reason=SIGN_MISMATCH, HTTP 400 returned"),
    (2.5, "INFO", "payroll", "教练提成核算：教练{coach}，{month}，{commission}"),
    (2.5, "WARN", "gate", "【闸机】尾随告警：通道「{gate}」单次刷卡通过{n}人，抓拍图片{img}"),
    (2, "ERROR", "body", "{scanner} 数据上传失败：HTTP {httpfail}，已缓存本地{cnt}条，第{try}/5次重试"),
    (2, "ERROR", "pool", "泳池水质检测不合格：{pool}，{water}，超标项：{badwater}，已暂停开放{dose}"),
    (2, "ERROR", "refund", "退卡退款失败：退款单号{refundno}，会员{mid}，退款金额{money}元，错误码{refunderr}，转人工处理"),
    (2, "ERROR", "member", "调用会员中心超时：java.net.SocketTimeoutException: Read timed out (GET /api/member/v3/card?mid={mid}，耗时{longms}ms)，闸机已降级为本地校验"),
    (2, "WARN", "payroll", "提成核算挂起：教练{coach}，{month}，{cnt}条记录异常（{hold}），待店长复核"),
]

# the Java class each module logs through, and its thread pool, for the first header form
LOGGERS = {"gate": ("c.l.gym.access.TurnstileHandler", "gate-io-%d"), "pay": ("c.l.gym.pay.NotifyController", "http-nio-8080-exec-%d"),
           "class": ("c.l.gym.course.GroupClassService", "biz-%d"), "pt": ("c.l.gym.course.PtSessionService", "biz-%d"),
           "env": ("c.l.gym.iot.EnvCollector", "mqtt-%d"), "body": ("c.l.gym.body.ScanReceiver", "scan-%d"),
           "sales": ("c.l.gym.member.ContractService", "http-nio-8080-exec-%d"),
           "locker": ("c.l.gym.iot.LockerGateway", "mqtt-%d"), "pool": ("c.l.gym.safety.PoolWaterCheck", "biz-%d"),
           "remind": ("c.l.gym.notify.ExpiryJob", "scheduling-%d"), "device": ("c.l.gym.iot.DeviceMonitor", "mqtt-%d"),
           "refund": ("c.l.gym.pay.RefundService", "biz-%d"), "payroll": ("c.l.gym.hr.CommissionJob", "scheduling-%d"),
           "member": ("c.l.gym.access.MemberClient", "gate-io-%d")}
# where a module's lines come from as the clubs' Chinese desk software names it
PLACES = {"gate": "闸机控制器%d号", "pay": "支付回调", "class": "团课排期", "pt": "私教管理", "env": "环境监测",
          "body": "体测终端%d", "sales": "前台收银%d", "locker": "智能储物柜", "pool": "泳池巡检", "remind": "消息推送",
          "device": "器械监控", "refund": "财务退款", "payroll": "薪酬结算", "member": "会员中心"}
# hosts and daemons, for the syslog form
DAEMONS = {"gate": "turnstiled", "pay": "payhub", "class": "coursed", "pt": "coursed", "env": "iotbridge",
           "body": "bodyscan", "sales": "memberd", "locker": "iotbridge", "pool": "safetyd", "remind": "notifier",
           "device": "iotbridge", "refund": "payhub", "payroll": "payroll", "member": "turnstiled"}
PIDS = {"turnstiled": 1204, "payhub": 2210, "coursed": 2388, "iotbridge": 3071, "bodyscan": 3102, "memberd": 2015,
        "safetyd": 3350, "notifier": 4120, "payroll": 5008}


MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the club back end is in Java and logs with its thread in brackets and the logger name
        logger, thread = LOGGERS[module]
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level,
                                           thread % r.randint(1, 12), logger)
    if form == 1:
        # the desk software at each club prints the level and the terminal in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 4)
        return "[%d年%02d月%02d日 %s] [%s] [%s|%s] " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn,
                                                       r.choice(CLUBCODES), place)
    # the devices and gateways forward to a syslog collector
    daemon = DAEMONS[module]
    short = {"INFO": "I", "WARN": "W", "ERROR": "E"}[level]
    # (the month spelled out here, not by the locale)
    return "%s %2d %s gym-%s-%02d %s[%d]: <%s> " % (
        MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), r.choice(["sh", "bj", "hz", "sz"]), r.randint(1, 3),
        daemon, PIDS[daemon], short)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "G", 6 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
