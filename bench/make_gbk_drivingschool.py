#!/usr/bin/env python3
"""A GBK log of a Chinese driving school's training and road-test booking system with its truth.

    bench/make_gbk_drivingschool.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (the timing
terminals' records, theory study hours, face check-in on the training cars passed and failed,
check-out with the valid hours, car bookings and cancellations, simulator sessions, coach
rosters, enrolment, contracts, medical checks, exam bookings with the traffic authority and
their replies, results per subject passed and failed, retake fees, refunds asked and paid,
complaints, SMS sent and failed, fuel cards, car maintenance, geofence alarms, uploads to the
provincial supervision platform, simulator faults, the daily figures), written to measure the
miner on and not to shape it: no rule was made or tuned on them. Each message keeps its own
frequency, the terminals' records by the thousand and a simulator fault now and then. One of
three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

rint, real = gbk_messages.rint, gbk_messages.real

CLASSES = ["C1", "C2", "A2", "B2", "D", "C5"]
CLASS_TYPES = ["普通班（C1）", "VIP 一对一（周末班）", "夜间班 (C2)", "学生特惠班", "包过班【含补考费】", "企业团报班"]
FIELDS = ["城南训练场 (二号场地)", "滨湖驾训基地", "北郊模拟考场（科目二）", "江北训练点·东区"]
EXAM_SITES = ["城南科目二考场", "江北科目三考试中心（路考）", "车管所理论考场 3号厅", "滨湖科目二/三综合考场"]
SUBJECTS = ["科目一", "科目二", "科目三", "科目四"]
CHAPTERS = ["道路交通安全法律法规", "交通信号", "安全行车与文明驾驶", "恶劣气象条件下的驾驶", "紧急情况处置",
            "机动车构造与保养常识"]
PLATFORMS = ["驾培App", "PC网络课堂", "远程教育平台（省）", "微信小程序"]
SIM_ITEMS = ["倒车入库", "侧方停车", "坡道定点停车与起步", "直角转弯", "曲线行驶", "夜间灯光模拟", "高速公路驾驶"]
CANCEL_WHY = ["学员临时有事", "教练请假", "天气原因（暴雨）", "车辆故障", "训练场封闭维护"]
SIGN_WAYS = ["人脸识别+短信验证码", "线下签字后扫描上传", "微信电子签"]
HOSPITALS = ["城南社区卫生服务中心", "市第三人民医院（驾驶员体检站）", "滨湖体检中心 驾照体检窗口"]
BOOK_FAILS = ["考位已满", "学时未达到要求", "学员信息与公安系统不一致", "存在未完成的考试预约", "科目二未合格，不能预约科目三"]
REFUND_WHY = ["工作调动", "学车时间无法保证", "对教练服务不满意", "体检不合格", "已在外地驾校报名"]
PAY_CH = ["原路退回（微信）", "原路退回（支付宝）", "银行转账", "现金"]
COMPLAINTS = ["索要财物", "迟到早退", "态度恶劣、辱骂学员", "训练时玩手机", "约车难", "私自收取考试费用"]
SMS_TPLS = ["约考成功通知", "考试成绩通知", "约车提醒", "缴费成功", "退费到账通知", "体检预约提醒"]
SMS_FAILS = ["手机号已停机", "触发发送频率限制", "号码在黑名单中", "运营商网关超时"]
FUELS = ["92#汽油", "95#汽油", "0#柴油"]
GAS = ["城南加油站（环城西路）", "滨湖能源站", "北郊加油站 2号站"]
MAINT = ["更换机油", "更换机滤", "更换刹车片", "更换空调滤芯", "轮胎换位", "检查离合片", "副刹拉线调整"]
GARAGES = ["车之家汽修（城北店）", "驾校自修车间", "4S店 售后(滨湖)"]
INVALID = ["人脸抽查未通过", "GPS信号丢失", "车速超过限制", "计时终端断电", "非培训区域"]
SIM_FAULTS = ["方向盘力反馈失灵", "投影黑屏", "离合踏板传感器漂移", "主机无法启动（蓝屏）"]
THREADS = ["%d", "Worker-%d", "Timer-%d"]
LOGGERS = ["JiaPei.Training.TimingService", "JiaPei.Exam.BookingClient", "JiaPei.Student.EnrollController",
           "JiaPei.Sim.SimulatorHub", "JiaPei.Notify.SmsSender", "JiaPei.Fleet.CarService"]
MODULES_CN = ["计时培训", "考试预约", "学员管理", "模拟器", "消息通知", "车辆管理", "财务"]
MODULES = ["timing", "booking", "student", "sim", "sms", "fleet", "finance"]


def carplate(r):
    # training cars carry a plate ending in 学
    return "%s%s·%04d学" % (r.choice("沪苏浙皖"), r.choice("ABCEF"), r.randint(0, 9999))


def idmask(r):
    return "%d**********%03d%s" % (r.randint(110000, 650000), r.randint(0, 999), r.choice("0123456789X"))


def slot(r):
    h = r.choice([8, 10, 13, 15, 18])
    return "%02d:00-%02d:00" % (h, h + 2)


def some(pool, most):
    return lambda r: "、".join(r.sample(pool, r.randint(1, most)))


V = {
    "name": gbk_messages.name,
    "cls": gbk_messages.pick(CLASSES),
    "classtype": gbk_messages.pick(CLASS_TYPES),
    "field": gbk_messages.pick(FIELDS),
    "examsite": gbk_messages.pick(EXAM_SITES),
    "subject": gbk_messages.pick(SUBJECTS),
    "subj23": gbk_messages.pick(["科目二", "科目三"]),
    "chapter": gbk_messages.pick(CHAPTERS),
    "platform": gbk_messages.pick(PLATFORMS),
    "simitems": some(SIM_ITEMS, 3),
    "cancelwhy": gbk_messages.pick(CANCEL_WHY),
    "sign": gbk_messages.pick(SIGN_WAYS),
    "hosp": gbk_messages.pick(HOSPITALS),
    "bookfail": gbk_messages.pick(BOOK_FAILS),
    "refundwhy": gbk_messages.pick(REFUND_WHY),
    "paych": gbk_messages.pick(PAY_CH),
    "ctype": gbk_messages.pick(COMPLAINTS),
    "tpl": gbk_messages.pick(SMS_TPLS),
    "smsfail": gbk_messages.pick(SMS_FAILS),
    "fuel": gbk_messages.pick(FUELS),
    "gas": gbk_messages.pick(GAS),
    "maint": some(MAINT, 4),
    "garage": gbk_messages.pick(GARAGES),
    "simfault": gbk_messages.pick(SIM_FAULTS),
    "gender": gbk_messages.pick(["男", "女"]),
    "slot": slot,
    "slots": lambda r: "、".join(sorted({slot(r) for _ in range(r.randint(1, 4))})),
    "invalid": gbk_messages.optional(lambda r: "，剔除无效学时%d分钟（%s）" % (r.randint(1, 30), r.choice(INVALID)), 0.3),
    "penalty": gbk_messages.optional(lambda r: "，距开训不足2小时，扣减可约次数%d次" % r.randint(1, 2), 0.35),
    "carplate": carplate,
    "idmask": idmask,
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "sim": lambda r: "%d号模拟器（SIM-%s）" % (r.randint(1, 24), r.choice(["C1", "C2", "A2"])),
    "date": lambda r: "2026-04-%02d" % r.randint(10, 30),
    "stuno": rint(1, 999999, "XY2026%06d"), "coachno": rint(1, 999, "JL%03d"), "examno": rint(0, 10 ** 8 - 1, "%08d"),
    "bookno": rint(0, 10 ** 10 - 1, "YK%010d"), "contract": rint(1, 99999, "HT-2026-%05d"),
    "ticket": rint(1, 99999, "TS2604%05d"), "fuelcard": rint(0, 10 ** 8 - 1, "9100 %08d"),
    "photo": rint(0, 10 ** 10 - 1, "P%010d"), "sitecode": rint(1, 99, "320100%02d"),
    "tplcode": rint(1, 999, "SMS_%03d"), "msgid": lambda r: "%016x" % r.getrandbits(64),
    "lng": real(118.6, 119.0, "%.6f"), "lat": real(31.9, 32.2, "%.6f"), "speed": rint(0, 45),
    "km": real(0.1, 30), "odo": rint(5000, 300000), "liters": real(10, 55, "%.2f"), "hrs": rint(0, 12),
    "goodscore": real(0.80, 0.99, "%.2f"), "badscore": real(0.20, 0.69, "%.2f"),
    "simscore": rint(40, 100), "pass": rint(90, 100), "fail": rint(30, 89), "v": real(4.6, 5.2),
    "cm": rint(150, 192), "rate": real(40, 95, "%.1f%%"), "money": real(30, 6800, "%.2f"),
    "tuition": gbk_messages.pick(["3980", "4580", "5200", "6800", "8800"]), "retry": rint(1, 4),
    "fee": gbk_messages.pick(["90", "150", "200", "260", "300"]), "status": gbk_messages.pick(["500", "502", "504"]),
    "ms": rint(40, 8000), "mins": rint(1, 120), "n": rint(1, 30), "big": rint(10, 400), "m": rint(20, 900),
}

# weight, level, message
TEMPLATES = [
    (230, "DEBUG", "timing stu={stuno} car={carplate} lng={lng} lat={lat} speed={speed}km/h mileage={km}km "
                   "photo={photo}"),
    (120, "INFO", "理论学时同步：学员{name}（{stuno}）学习《{chapter}》{mins}分钟，科目一累计{hrs}/12学时，来源：{platform}"),
    (80, "INFO", "训练签到：车牌{carplate}，学员{name}（{stuno}）人脸比对通过，相似度{goodscore}，教练{name}"),
    (24, "WARN", "训练签到：车牌{carplate}，学员{name}（{stuno}）人脸比对未通过，相似度{badscore}，教练{name}"),
    (70, "INFO", "训练签退：学员{stuno}，{subj23}，本次有效学时{mins}分钟，有效里程{km}km{invalid}"),
    (60, "INFO", "约车成功：学员{name}预约{date} {slot}，教练{name}（{coachno}），训练场：{field}，剩余可约{n}次"),
    (20, "INFO", "取消约车：学员{name}，原预约{date} {slot}，原因：{cancelwhy}{penalty}"),
    (50, "INFO", "模拟器训练开始：{sim}，学员{stuno}，项目：{simitems}"),
    (45, "INFO", "模拟器训练结束：{sim}，学员{stuno}，时长{mins}分钟，综合评分{simscore}分"),
    (35, "INFO", "教练排班：{name}（{coachno}）{date}班次：{slots}，训练场：{field}"),
    (40, "INFO", "sms send mobile={phone} tpl={tplcode} result=0 msgid={msgid} cost={ms}ms"),
    (30, "INFO", "约考申请已提交：学员{name}（身份证{idmask}），{subject}，考场：{examsite}，意向日期{date}，流水号{bookno}"),
    (26, "INFO", "booking callback serial={bookno} code=0000 msg=预约成功 exam_date={date} site={sitecode} seat={n}"),
    (11, "WARN", "约考失败：流水号{bookno}，{subject}，原因：{bookfail}，已短信通知学员"),
    (30, "INFO", "考试结果：{name}（准考证{examno}）{subject}{pass}分，合格"),
    (18, "INFO", "考试结果：{name}（准考证{examno}）{subject}{fail}分，不合格"),
    (22, "INFO", "学员报名：{name}，{gender}，身份证{idmask}，手机{phone}，车型{cls}，班型「{classtype}」，学费{tuition}元，招生老师{name}"),
    (15, "INFO", "电子合同签署完成：合同号{contract}，学员{name}，签署方式：{sign}"),
    (14, "INFO", "体检信息核验：学员{name}，视力 左{v} 右{v}，辨色力正常，身高{cm}cm，体检机构：{hosp}"),
    (12, "INFO", "补考费缴纳成功：学员{stuno}，{subject}第{retry}次补考，金额{fee}元"),
    (12, "WARN", "短信发送失败：{phone}，模板《{tpl}》，运营商返回：{smsfail}"),
    (10, "INFO", "油卡加油：卡号{fuelcard}，车牌{carplate}，{fuel}{liters}升，金额{money}元，站点：{gas}"),
    (8, "INFO", "车辆保养完成：{carplate}，里程{odo}km，项目：{maint}，费用{money}元，维修厂：{garage}"),
    (7, "INFO", "退费申请：学员{name}，合同号{contract}，已学{hrs}学时，申请退费{money}元，原因：{refundwhy}"),
    (5, "INFO", "退费审核通过：合同号{contract}，实退{money}元，审核人{name}，退款方式：{paych}"),
    (5, "WARN", "投诉登记：工单{ticket}，学员{name}（{phone}）投诉教练{name}，类型：{ctype}"),
    (3, "WARN", "电子围栏告警：训练车{carplate}驶出{field}训练区域{m}米，学员{stuno}本次学时作废"),
    (2, "ERROR", "upload period record failed: POST /api/v2/period/upload returned {status}, stu={stuno}, "
                 "retry={n}, cost={ms}ms"),
    (1.5, "INFO", "日统计：2026-04-08新增报名{n}人，训练{big}人次，约考{n}人，科目二合格率{rate}，科目三合格率{rate}"),
    (1.5, "ERROR", "{sim}故障：{simfault}，已停用并通知厂家，当前训练学员{stuno}已转至其他机位"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the school's back office is .NET; its layout prints the managed thread and the logger
        return "2026-04-09 %02d:%02d:%02d,%03d [%s] %-5s %s - " % (
            hh, mm, ss, r.randint(0, 999), r.choice(THREADS) % r.randint(1, 40), level, r.choice(LOGGERS))
    if form == 1:
        # the branch offices' client writes every field in brackets and in Chinese
        cn = {"DEBUG": "调试", "INFO": "提示", "WARN": "警告", "ERROR": "错误"}[level]
        return "[驾培管理][2026/04/09 %02d:%02d:%02d][%s][%s] " % (hh, mm, ss, cn, r.choice(MODULES_CN))
    # the booking gateway writes ISO times with the offset and labels pid and module
    return "2026-04-09T%02d:%02d:%02d.%03d+08:00 %s pid=%d mod=%s " % (
        hh, mm, ss, r.randint(0, 999), level.lower(), r.choice([2231, 2236, 4410, 4415]), r.choice(MODULES))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "D", 7 * 3600 + 1800, (0, 1, 1, 2))


if __name__ == "__main__":
    main()
