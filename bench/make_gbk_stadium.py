#!/usr/bin/env python3
"""A GBK log of a city sports centre's venue-booking and access system with its truth.

    bench/make_gbk_stadium.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 35 messages (court and lane
bookings made, moved and cancelled, no-shows fined and credit frozen, payment callbacks passed
and refused, refunds done and failed, member cards issued, topped up and charged or short of
balance, face enrolment, gate entry let through or refused, head counts and crowding alerts,
lockers opened, returned and overdue, coaching-class sign-up, attendance and absence, match
tickets sold, checked and checked twice, lighting and air-conditioning schedules per hall, an
air-handler fault, pool water tests passed and failed on residual chlorine and turbidity,
equipment rounds, first aid, and uploads to the city's public fitness platform), written to
measure the miner on and not to shape it: no rule was made or tuned on them. Each message keeps
its own frequency, gate passes by the hundred and a first-aid call once or twice in a day. One
of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

rint, real, pick, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                    gbk_messages.optional, gbk_messages.name)

HALLS = ["羽毛球馆（东馆）", "游泳馆", "综合馆A区", "篮球馆", "健身中心（3F）", "乒乓球训练馆", "网球中心 室外场",
         "主体育场"]
HALLCODES = ["BDM-E", "SWIM", "GYM-A", "BSK", "FIT-3F", "TT", "TEN-O", "MAIN"]
# a court or lane with the sport it is booked for and the price per hour in yuan
COURTS = [("羽毛球%d号场（木地板）", "羽毛球", 40, 90, 14), ("羽毛球 %d 号场 (PVC)", "羽毛球", 30, 60, 8),
          ("标准池第%d泳道", "游泳", 60, 120, 8), ("篮球全场%d", "篮球", 200, 420, 3),
          ("篮球半场 A%d", "篮球", 100, 200, 6), ("乒乓球台%d", "乒乓球", 20, 35, 24),
          ("网球%d号场（硬地）", "网球", 80, 160, 6), ("私教区 %d 号位", "健身", 50, 50, 10)]
CHANNELS = ["微信小程序", "支付宝生活号", "前台收银", "自助终端", "「健康城市」APP", "电话预约（人工）"]
PAYCH = ["wxpay", "alipay", "unionpay_qr", "member_card", "cash"]
CARDTYPES = ["次卡（20次）", "月卡", "季卡", "年卡（成人）", "学生卡", "长者卡（60岁以上）", "亲子卡（1大1小）",
             "游泳专项卡"]
ITEMS = ["羽毛球场地费", "游泳单次票", "篮球场地费", "淋浴热水", "羽毛球（尤尼克斯AS-05）1筒", "泳帽泳镜套装",
         "运动饮料", "私教课1节", "毛巾租用"]
GATES = ["东门%d号闸机", "游泳馆入口%d号通道", "健身中心闸机%d", "北广场员工通道%d", "地下车库电梯厅闸机%d"]
GATEMODES = ["人脸", "二维码", "实体卡", "身份证", "NFC手环"]
GATEFAILS = ["人脸比对不一致", "凭证已过期（超过60秒）", "会员卡已过有效期", "当前时段无有效预约", "卡内余额不足",
             "信用分冻结中", "同一凭证重复使用", "未成年人需监护人陪同"]
LOCKERS = ["男更衣室 %s-%03d", "女更衣室 %s-%03d", "健身区储物柜%s%03d", "游泳馆（家庭更衣间）%s-%03d"]
LOCKMODES = ["人脸开箱", "手环开箱", "扫码开箱", "密码开箱"]
COURSES = ["青少年游泳初级班（暑期）", "成人蛙泳提高班", "羽毛球启蒙班 6-9岁", "篮球训练营（U12）", "瑜伽·流瑜伽",
           "动感单车", "体适能 HIIT", "乒乓球私教（一对一）", "网球中级班"]
PLACES = ["游泳馆浅水区", "羽毛球3号场", "篮球馆看台", "健身中心器械区", "更衣室", "综合馆舞蹈教室", "北广场"]
MATCHES = ["2026 城市篮球联赛·半决赛（苍澜猛虎 vs 北湖队）", "市青少年游泳锦标赛 决赛日",
           "全国羽毛球俱乐部联赛（第5轮）", "三人篮球公开赛", "城市业余足球超级联赛·开幕战", "春季乒乓球邀请赛"]
ZONES = ["A区看台", "B区看台", "VIP包厢", "内场站席", "东看台（学生票）", "西看台"]
LIGHTMODES = ["训练模式", "比赛模式（1200lx）", "电视转播模式", "清场模式", "节能模式 30%", "关闭"]
LIGHTZONES = ["全场", "1-6号场", "7-14号场", "主赛区", "热身区", "看台"]
HVACMODES = ["cool", "heat", "fan", "dehumid", "auto"]
AHUS = ["AHU-01", "AHU-03", "新风机组 PAU-2", "除湿热泵 DH-1", "冷水机组 CH-2"]
ALARMS = [("E07", "回风温度传感器断线"), ("F12", "风机过载"), ("P03", "高压保护"), ("A21", "滤网压差过大"),
          ("E15", "通讯超时")]
POOLS = ["50米标准池", "儿童戏水池", "训练池（25米）", "SPA 按摩池"]
POOLACTIONS = ["已暂停开放并加药处理", "通知水处理班组调整加氯量", "已关闭该池，待复测", "开启循环过滤，1小时后复测"]
INJURIES = ["右踝扭伤", "溺水呛水，已清醒", "运动中胸闷", "低血糖晕倒", "额头擦伤出血", "抽筋（小腿）", "中暑症状"]
EQUIP = ["跑步机 T-08", "游泳馆水下灯", "AED（东门大厅）", "篮球架液压系统（北侧）", "记分牌（主场）", "消防卷帘 F2-3",
         "羽毛球馆地胶"]
EQSTATES = ["正常", "需保养", "已报修", "停用"]
REFUNDRULES = ["开场前24小时以上，全额退款", "开场前2~24小时，扣20%", "场馆原因取消，全额退款", "恶劣天气，全额退款"]
PAYERRS = ["签名校验失败（sign mismatch）", "订单已关闭", "ORDERNOTEXIST", "原路退回超过有效期（180天）",
           "商户余额不足 NOTENOUGH", "Read timed out"]
SEXES = ["男", "女"]
WEEKDAYS = ["每周一、三", "每周二、四晚", "每周六上午", "每周日下午", "周一至周五（暑期集训）"]
DISTRICTS = ["东区", "西区", "南广场", "北区"]

# header fields
GOFILES = ["booking.go", "gate_server.go", "pay_notify.go", "locker.go", "class_attend.go", "bms_sched.go",
           "water_quality.go", "ticket.go", "member.go"]
STATIONS = ["东区前台-01", "东区前台-02", "游泳馆前台", "闸机服务", "票务中心", "楼宇自控", "水处理站", "医务室"]
HOSTS = ["sc-app-01", "sc-app-02", "sc-gate-01", "sc-bms", "sc-ticket"]


def court(r):
    text, _, _, _, n = r.choice(COURTS)
    return text % r.randint(1, n)


def booking(r):
    text, sport, lo, hi, n = r.choice(COURTS)
    hours = r.choice([1, 1, 1, 2, 2, 3])
    return "%s，%s，%d小时，应付%.2f元" % (text % r.randint(1, n), sport, hours, hours * r.randint(lo, hi))


def date(r):
    d = r.randint(14, 27)
    return "3月%d日（周%s）" % (d, "日一二三四五六"[(d - 1) % 7])


def slot(r):
    h = r.randint(7, 21)
    return "%02d:00—%02d:00" % (h, h + 1)


def clock(r):
    return "%02d:%02d" % (r.randint(6, 22), r.randint(0, 59))


def card(r):
    return r.choice(["SC%08d" % r.randint(0, 10 ** 8 - 1), "M-%04d-%04d" % (r.randint(1, 9999), r.randint(0, 9999)),
                     "9%011d" % r.randint(0, 10 ** 11 - 1)])


def locker(r):
    return r.choice(LOCKERS) % (r.choice("ABCD"), r.randint(1, 240))


def gate(r):
    return r.choice(GATES) % r.randint(1, 6)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def balance_money(r):
    return "%.2f" % r.choice([r.uniform(0, 50), r.uniform(50, 3000)])


def match(r):
    return r.choice(MATCHES)


def seatno(r):
    return "%d排%d座" % (r.randint(1, 38), r.randint(1, 60))


def chlorine_bad(r):
    return "%.2f" % r.choice([r.uniform(0.02, 0.25), r.uniform(1.2, 3.5)])


def water_temp(r):
    return "%.1f" % r.uniform(25.5, 30)


def topup(r):
    money = r.choice([100, 200, 300, 500, 1000, 2000, 3000])
    bonus = {100: 0, 200: 10, 300: 20, 500: 50, 1000: 120, 2000: 300, 3000: 500}[money]
    return "充值%d元，赠送%d元，充值后余额%.2f元" % (money, bonus, money + bonus + r.uniform(0, 800))


def occupancy(r):
    cap = r.choice([120, 200, 350, 480, 600])
    return "当前%d人／限额%d人" % (r.randint(cap // 10, cap), cap)


def crowd(r):
    cap = r.choice([120, 200, 350, 480, 600])
    now = r.randint(int(cap * 0.9), cap)
    return "当前%d人，已达限额的%d%%" % (now, now * 100 // cap)


def reschedule(r):
    return "由%s %s改至%s %s" % (date(r), slot(r), date(r), slot(r))


V = {
    "name": name, "court": court, "booking": booking, "date": date, "slot": slot, "clock": clock, "card": card,
    "locker": locker, "gate": gate, "phone": phone, "balance": balance_money, "match": match, "seatno": seatno,
    "clbad": chlorine_bad, "watert": water_temp, "topup": topup, "occupancy": occupancy, "crowd": crowd,
    "reschedule": reschedule,
    "hall": HALLS, "hallcode": HALLCODES, "channel": CHANNELS, "paych": PAYCH, "cardtype": CARDTYPES, "item": ITEMS,
    "gatemode": GATEMODES, "gatefail": GATEFAILS, "lockmode": LOCKMODES, "course": COURSES, "place": PLACES,
    "zone": ZONES, "lightmode": LIGHTMODES, "lightzone": LIGHTZONES, "hvacmode": HVACMODES, "ahu": AHUS,
    "pool": POOLS, "poolaction": POOLACTIONS, "injury": INJURIES, "equip": EQUIP, "eqstate": EQSTATES,
    "refundrule": REFUNDRULES, "payerr": PAYERRS, "sex": SEXES, "weekday": WEEKDAYS, "district": DISTRICTS,
    "order": lambda r: "BK2603%02d%07d" % (r.randint(14, 27), r.randint(0, 10 ** 7 - 1)),
    "refno": rint(0, 10 ** 9 - 1, "RF%09d"),
    "trade": lambda r: "%d%014d" % (r.choice([4200, 2026]), r.randint(0, 10 ** 14 - 1)),
    "ticket": lambda r: "ET %04d %04d %02d" % (r.randint(0, 9999), r.randint(0, 9999), r.randint(0, 99)),
    "wo": lambda r: "WO-0314-%03d" % r.randint(1, 180),
    "plan": lambda r: "LP-%s-%02d" % (r.choice(HALLCODES), r.randint(1, 12)),
    "batch": lambda r: "%08x" % r.getrandbits(32),
    "alarm": lambda r: "%s（%s）" % r.choice(ALARMS),
    "cents": rint(1000, 120000), "money": real(20, 1800, "%.2f"), "refund": real(15, 840, "%.2f"), "fee": real(2, 80, "%.2f"),
    "price": pick(["80", "120", "180", "280", "380", "680", "1280"]), "tickets": rint(1, 6),
    "diff": lambda r: "%+.2f" % r.uniform(-120, 200),
    "mins": rint(3, 240), "hours": rint(4, 30), "credit": rint(2, 20), "score": rint(20, 58),
    "freeze": pick(["7", "15", "30"]), "lesson": rint(1, 24), "lessons": pick(["8", "10", "12", "16", "20"]),
    "absent": rint(1, 5), "age": rint(5, 78), "entrance": lambda r: "%s%d号" % (r.choice("ABCDEFG"), r.randint(1, 4)),
    "lux": rint(150, 2000), "target": real(18, 27), "temp": real(14, 34), "rh": rint(35, 88),
    "cl": real(0.30, 1.00, "%.2f"), "ph": real(7.0, 7.8, "%.2f"), "ntu": real(0.05, 0.48, "%.2f"),
    "ntubad": real(0.55, 2.4, "%.2f"), "total": rint(200, 6800), "pause": pick(["10", "15", "30"]),
    "quality": real(0.62, 0.99, "%.2f"), "ms": rint(3000, 30000), "okms": rint(12, 900), "lockfee": real(0, 12, "%.1f"), "deposit": pick(["0", "10", "20"]), "n": rint(1, 5000),
    "status": pick(["500", "502", "503", "504", "401"]), "expiry": lambda r: "%d年%d月%d日" % (
        r.choice([2026, 2027]), r.randint(1, 12), r.randint(1, 28)),
    "who": optional(lambda r: "，人员：%s（%s）" % (name(r), card(r)), 0.45),
    "notify": optional(lambda r: "，已短信通知家长%s" % phone(r), 0.5),
    "remark": optional(lambda r: "，备注：%s" % r.choice(["螺丝松动已紧固", "显示屏偶发花屏", "电池电量 35%",
                                                          "已张贴「暂停使用」标识", "厂家（售后）明日上门"]), 0.4),
    "followup": optional(lambda r: "，已拨打120送%s" % r.choice(["市第一人民医院", "区中医院", "市儿童医院"]), 0.35),
    "coach": name,
}

V.update((k, pick(v)) for k, v in V.items() if isinstance(v, list))

# weight, level, message
TEMPLATES = [
    (230, "INFO", "闸机放行：{gate}，{name}（卡号{card}），核验方式={gatemode}"),
    (40, "WARN", "闸机拒绝：{gate}，{gatemode}核验未通过，原因：{gatefail}{who}"),
    (180, "INFO", "场地预订成功，订单{order}：{date} {slot}，{booking}，渠道：{channel}"),
    (55, "INFO", "场地预订已取消，订单{order}：{date} {slot}，{court}，退款{refund}元（{refundrule}）"),
    (14, "INFO", "场地预订改期，订单{order}：{court}{reschedule}，差价{diff}元"),
    (22, "WARN", "爽约处理：订单{order}开场{mins}分钟未签到，{court}已释放，会员{name}扣信用分{credit}分、罚金{fee}元"),
    (1.5, "WARN", "会员{name}（{card}）信用分降至{score}分，{freeze}天内禁止线上预订"),
    (120, "INFO", "POST /api/v2/pay/notify channel={paych} out_trade_no={order} transaction_id={trade} "
                  "total_fee={cents} result=SUCCESS cost={okms}ms"),
    (7, "ERROR", "POST /api/v2/pay/notify channel={paych} out_trade_no={order} rejected: {payerr}"),
    (16, "INFO", "退款完成 refund_no={refno}，原订单{order}，金额{money}元，原路退回「{channel}」"),
    (2, "ERROR", "退款失败 refund_no={refno}，原订单{order}，金额{money}元：{payerr}，已转财务人工处理"),
    (65, "INFO", "会员卡充值：卡号{card}（{cardtype}），{topup}，经办人{name}"),
    (60, "INFO", "会员卡扣费：卡号{card}，项目《{item}》，扣{fee}元，余额{balance}元"),
    (17, "WARN", "会员卡扣费失败：卡号{card}，项目《{item}》，应扣{fee}元，余额{balance}元不足"),
    (10, "INFO", "新办会员卡：{name}，手机{phone}，卡种【{cardtype}】，有效期至{expiry}，卡号{card}"),
    (9, "INFO", "人脸录入成功 member={card} name={name} quality={quality} feature=v3.2"),
    (50, "INFO", "在馆人数：{hall}{occupancy}，今日累计入场{total}人次"),
    (12, "WARN", "客流预警：{hall}{crowd}，线上预约暂停{pause}分钟"),
    (48, "INFO", "储物柜开箱：{locker}，租用人{name}，{lockmode}，押金{deposit}元"),
    (42, "INFO", "储物柜退租：{locker}，使用{mins}分钟，计费{lockfee}元"),
    (5, "WARN", "储物柜超时未退：{locker}，已占用{hours}小时，租用人{name}（{phone}）"),
    (36, "INFO", "课程签到：《{course}》第{lesson}课时，教练{coach}，学员{name}，地点：{place}"),
    (12, "WARN", "课程缺勤：《{course}》第{lesson}课时，学员{name}未到，本期累计缺勤{absent}次{notify}"),
    (8, "INFO", "课程报名：学员{name}（{age}岁）报名《{course}》，{weekday}，共{lessons}课时，学费{money}元"),
    (30, "INFO", "赛事售票：《{match}》{zone} {seatno}，票价{price}元×{tickets}张，订单{order}，渠道：{channel}"),
    (24, "INFO", "赛事检票：《{match}》{entrance}入口，电子票{ticket}，持票人{name}，核验通过"),
    (4, "WARN", "赛事检票：《{match}》{entrance}入口，电子票{ticket}已于{clock}核销，拒绝重复入场"),
    (26, "INFO", "照明计划执行：{hall}{lightzone}切换至「{lightmode}」，照度{lux}lx，计划{plan}"),
    (20, "INFO", "HVAC schedule applied hall={hallcode} mode={hvacmode} setpoint={target}℃ now={temp}℃ RH={rh}%"),
    (4, "ERROR", "暖通报警：{ahu}报{alarm}，{hall}室温{temp}℃，已派工单{wo}"),
    (22, "INFO", "泳池水质检测：{pool}，余氯{cl}mg/L，pH {ph}，浊度{ntu}NTU，水温{watert}℃，检测员{name}，判定：合格"),
    (5, "WARN", "泳池水质检测：{pool}，余氯{clbad}mg/L，pH {ph}，浊度{ntubad}NTU，水温{watert}℃，检测员{name}，"
                "判定：不合格，{poolaction}"),
    (7, "INFO", "设备巡检：{equip}，状态：{eqstate}，巡检人{name}{remark}"),
    (1.2, "WARN", "【急救】{place}：{name}（{sex}，{age}岁）{injury}，安全员{coach}已现场处置{followup}"),
    (1, "ERROR", "com.sc.sync.FitnessPlatformUploader - 向市全民健身公共服务平台上报入场数据失败：HTTP {status}，"
                 "批次{batch}，{n}条，耗时{ms}ms"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the booking and gate services are written in Go and log glog-style: level letter,
        # month and day, microseconds, thread id and source line
        return "%s0314 %02d:%02d:%02d.%06d %7d %s:%d] " % (
            level[0], hh, mm, ss, r.randint(0, 999999), r.randint(3000, 3400), r.choice(GOFILES),
            r.randint(40, 900))
    if form == 1:
        # the front-desk console prints Chinese brackets: date, level, station and session
        cn = {"INFO": "提示", "WARN": "警告", "ERROR": "严重"}[level]
        return "【2026-03-14 %02d:%02d:%02d】【%s】【%s】<会话 %04X> " % (
            hh, mm, ss, cn, r.choice(STATIONS), r.getrandbits(16))
    # the gateway's Node.js logger writes a JSON object with a numeric level before the text
    num = {"INFO": 30, "WARN": 40, "ERROR": 50}[level]
    return '{"time":"2026/03/14 %02d:%02d:%02d.%03d","level":%d,"host":"%s","pid":%d,"req":"%08x"} ' % (
        hh, mm, ss, r.randint(0, 999), num, r.choice(HOSTS), r.randint(1200, 9800), r.getrandbits(32))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "S", 6 * 3600 + 30 * 60, (0, 1, 2, 3, 5, 8))


if __name__ == "__main__":
    main()
