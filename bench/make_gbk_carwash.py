#!/usr/bin/env python3
"""A GBK log of a chain of automatic car-wash stations with its truth.

    bench/make_gbk_carwash.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages from the
stations' controllers and the chain's back office: washes started, finished and aborted with
a fault code, induction loops seeing a car drive in or out, cars parked off the mark, plates
read (or not) at the barrier, self-service bays timed, payment callbacks, callbacks that never
came and gateway errors, member cards charged or refused, top-ups and new members, coupons
redeemed or rejected and expiry reminders, refunds done or failed, tank and chemical levels,
refills, high-pressure pumps (status, pressure too low or too high, overheated), reclaimed
water passing or failing its check, PLC time-outs, earth-leakage trips, frost protection,
patrols, maintenance orders, firmware updates that succeed or fail and the day's settlement.
They were written to measure the miner on and not to shape it: no rule was made or tuned on
them. Each message keeps its own frequency, washes by the hundred and a tripped breaker once
in a thousand lines or so; some pairs differ in a single word (驶入/驶离, 偏低/偏高,
合格/超标, 成功/失败) and are separate messages all the same. One of three header forms by the
seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STATIONS = ["杭州滨江江南大道站", "上海闵行七宝站（中石化加油站旁）", "苏州工业园区星湖街站", "南京河西 奥体站",
            "成都高新天府三街站（B2停车场）", "武汉光谷大道站", "宁波鄞州万达站", "合肥政务区 天鹅湖站",
            "长沙梅溪湖站（4S店合作点）"]
STATIONCODES = ["HZ0231", "SH0107", "SZ0415", "NJ0320", "CD0512", "WH0619", "NB0233", "HF0702", "CS0806"]
BAYS = ["1号工位", "2号工位", "3号工位（自助）", "隧道机A线", "隧道机B线", "龙门机 G-1", "龙门机 G-2",
        "5号工位（SUV/MPV）"]
SELFBAYS = ["自助3号位", "自助4号位", "自助5号位（大车位）", "自助6号位", "自助7号位 夜间"]
PROGRAMS = ["标准快洗", "泡沫精洗", "精洗+打蜡", "无接触洗（Touchless）", "底盘冲洗+轮毂清洁", "镀晶护理 Pro",
            "会员专享·全能洗"]
PROGRAMS_EN = ["Quick Wash", "Foam Deluxe", "Touchless Pro 2", "Wax & Shine", "Underbody+Rim", "Ceramic Guard",
               "Night Express"]
LEVELS = ["普卡", "银卡会员", "金卡会员", "钻石卡", "企业车队卡"]
PAYCH = ["WECHAT_NATIVE", "ALIPAY_F2F", "UNIONPAY_QR", "MEMBER_CARD", "ETC_PAY", "DIGITAL_RMB"]
PAYCH_CN = ["微信支付", "支付宝", "云闪付", "会员卡余额", "ETC无感支付"]
CHEMS = ["预浸液（碱性）", "泡沫洗车液", "水蜡", "轮毂清洗剂", "镀晶液 CQ-7", "玻璃水（-25℃）", "软化盐"]
COUPONTYPES = ["首单立减10元", "精洗8折券", "免费洗车1次（周一至周五）", "满50减15", "打蜡体验券 ￥19.9",
               "车队月卡抵用券", "雨后洗车券"]
COUPONFAILS = ["券已过期（有效期至2026-03-10）", "不满足使用门槛：订单金额不足50元", "该券仅限《精洗+打蜡》使用",
               "券已被核销（重复提交）", "非本站点可用券", "COUPON_STATUS_LOCKED"]
GATES = ["入口道闸（北门）", "出口道闸", "1号入口 东侧", "地库入口道闸B2", "隧道入口"]
GATEMODES = ["自动放行", "会员车辆，免扫码", "临时车辆，已推送扫码支付", "白名单车辆（员工车）"]
STARTBY = ["扫码启动", "会员卡启动", "投币启动（5元）", "小程序远程启动"]
SOURCES = ["微信小程序", "支付宝小程序", "站点二维码", "老会员邀请", "车友群活动", "地推（加油站合作）"]
REFUNDREASONS = ["设备故障，洗车未完成", "重复支付", "用户取消（未进入工位）", "洗车效果投诉，客服同意退款",
                 "排队超时，用户离开"]
# error code the payment platform returns for a refund, and its message
REFUNDERRS = [("NOT_ENOUGH", "基本账户余额不足，请充值后重新发起"), ("TRADE_HAS_CLOSE", "订单已关闭"),
              ("SYSTEMERROR", "系统超时，请稍后重试"), ("REFUND_AMOUNT_INVALID", "退款金额大于可退金额"),
              ("FREQUENCY_LIMITED", "请求频率过高")]
# the steps of a wash program, in order
STEPS = ["预冲洗", "底盘冲洗", "喷洒预浸液", "泡沫喷淋", "毛刷清洗", "高压冲洗", "喷水蜡", "清水过水", "风干"]
FAULTS = ["E21（龙门行走编码器丢步）", "E07（高压泵无压力）", "E33（侧刷电机过流）", "E12（车辆超出限高 2.1m）",
          "E40（急停按钮被按下）", "W05（泡沫液吸空）", "E18（风机变频器故障 OC2）"]
WHEELS = ["前轮", "左前轮", "右前轮", "后轮", "车头"]
CHECKLIST = ["地面防滑", "排水沟清淤", "刷毛磨损", "水枪喷嘴", "吸尘器滤网", "照明", "灭火器", "监控摄像头",
             "化学液管路", "围挡及提示牌"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "429 Too Many Requests"]
DEBITFAILS = ["余额不足", "卡已冻结（挂失）", "CardLockedException: card locked by another terminal",
              "SQLTransientConnectionException: DbPool-1 - Connection is not available, request timed out after 3000ms.",
              "企业车队卡超出当月额度"]
MAINT = ["更换侧刷刷毛", "高压泵换油", "清理沉淀池", "校准液位计", "更换风机皮带", "反渗透膜清洗", "道闸电机检修"]
SPARES = ["侧刷刷毛组件×2", "柱塞密封圈（30mm）×6", "液位探头 LV-20", "三角皮带 B-1270", "喷嘴 25045×8",
         "接近开关 PNP"]
CONTROLLERS = ["主控板 WCU-300", "支付终端 PT-8", "道闸控制器 GX-2", "龙门机驱动器 MD-4", "液位采集器 LQ-1"]
FWFAILS = ["校验失败（CRC mismatch）", "下载中断：connection reset by peer", "设备正在洗车中，拒绝升级",
           "Flash写入失败 code=0x1F"]
PLATE_PROV = "浙沪苏皖鄂川湘赣豫鲁"
PLATE_CHARS = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789"

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def plate(r):
    if r.random() < 0.25:
        # new-energy plates: a D or F and five digits
        return "%s%s%s%05d" % (r.choice(PLATE_PROV), r.choice("ABCDE"), r.choice("DF"), r.randint(0, 99999))
    return "%s%s·%s" % (r.choice(PLATE_PROV), r.choice("ABCDEF"),
                        "".join(r.choice(PLATE_CHARS) for _ in range(5)))


def card(r):
    return "8866%08d" % r.randint(0, 10 ** 8 - 1)


def order(r):
    return "CW260314%s%05d" % (r.choice("ABCDEFGH"), r.randint(0, 99999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def coupon(r):
    return "CPN-%s-%s" % tuple("".join(r.choice(PLATE_CHARS) for _ in range(4)) for _ in range(2))


def step(r):
    _chosen["step"] = r.randrange(len(STEPS))
    return str(_chosen["step"] + 1)


def recharge(r):
    paid, bonus = r.choice([(100, 0), (200, 20), (300, 40), (500, 80), (1000, 200), (2000, 500)])
    _chosen["topped"] = paid + bonus
    return "充值%d元，赠送%d元" % (paid, bonus)


def selftime(r):
    """A self-service bay's time, kept for the amount due after it."""
    _chosen["secs"] = r.randint(150, 1500)
    return "%d分%02d秒" % divmod(_chosen["secs"], 60)


def selfdue(r):
    return "%.2f" % (_chosen["secs"] / 60 * r.choice([1.0, 1.5, 2.0]))


def refunderr(r):
    return "errcode=%s, errmsg=\"%s\"" % r.choice(REFUNDERRS)


def settle(r):
    wx, ali, mc = r.uniform(800, 6000), r.uniform(300, 3000), r.uniform(200, 2500)
    diff = r.choice([0.0, 0.0, 0.0, r.uniform(-30, 30)])
    return "洗车%d单，营业额%.2f元，其中微信%.2f元、支付宝%.2f元、会员卡%.2f元，差异%.2f元" % (
        r.randint(80, 460), wx + ali + mc, wx, ali, mc, diff)


def version(r):
    _chosen["fw"] = (r.randint(2, 4), r.randint(0, 12), r.randint(0, 30))
    return "v%d.%d.%d" % _chosen["fw"]


def newer(r):
    major, minor, patch = _chosen["fw"]
    if r.random() < 0.6:
        return "v%d.%d.%d" % (major, minor, patch + r.randint(1, 3))
    return "v%d.%d.0" % (major, minor + 1)


def sampled(r):
    """The time a water sample was taken, as the lab tablet or the operator writes it."""
    h, m = r.randint(7, 21), r.choice([0, 10, 20, 30, 40, 50])
    return r.choice(["2026/3/14 %d:%02d" % (h, m), "3月14日 %02d:%02d" % (h, m), "14日%d时%d分" % (h, m)])


V = {
    "station": pick(STATIONS), "storecode": pick(STATIONCODES), "bay": pick(BAYS), "selfbay": pick(SELFBAYS),
    "baycode": lambda r: "bay-%02d" % r.randint(1, 8), "plate": plate, "card": card, "order": order,
    "phone": phone, "coupon": coupon, "name": name, "step": step,
    "stepname": lambda r: STEPS[_chosen["step"]], "recharge": recharge, "refunderr": refunderr,
    "settle": settle, "fwfrom": version, "fwto": newer, "selftime": selftime, "selfdue": selfdue,
    "rebal": lambda r: "%.2f" % (_chosen["topped"] + r.uniform(0, 900)), "sampled": sampled,
    "program": pick(PROGRAMS), "programen": pick(PROGRAMS_EN), "level": pick(LEVELS), "paych": pick(PAYCH),
    "paycn": pick(PAYCH_CN), "topup": pick(PAYCH_CN[:3] + PAYCH_CN[4:]), "chem": pick(CHEMS), "coupontype": pick(COUPONTYPES),
    "couponfail": pick(COUPONFAILS), "gate": pick(GATES), "gatemode": pick(GATEMODES),
    "startby": pick(STARTBY), "source": pick(SOURCES), "refundreason": pick(REFUNDREASONS),
    "fault": pick(FAULTS), "wheel": pick(WHEELS), "checks": items(CHECKLIST, 2, 4),
    "httpfail": pick(HTTPFAILS), "debitfail": pick(DEBITFAILS), "maint": items(MAINT, 1, 3),
    "spares": lambda r: r.choice(["无", "、".join(r.sample(SPARES, r.randint(1, 2)))]),
    "ctrl": pick(CONTROLLERS), "fwfail": pick(FWFAILS), "bays": items(BAYS, 1, 3),
    "who": optional(lambda r: "，会员卡号%s（%s）" % (card(r), r.choice(LEVELS)), 0.45),
    "attach": optional(lambda r: " attach=coupon:%s" % coupon(r), 0.3),
    "points": optional(lambda r: "，积分+%d" % r.randint(5, 60), 0.5),
    "lot": optional(lambda r: "，批号%s" % r.choice(["LQ2602-%03d" % r.randint(1, 300), "20260211B"]), 0.35),
    "invite": optional(lambda r: "，邀请人卡号%s" % card(r), 0.3),
    "bycam": optional(lambda r: "（侧面摄像头 CAM-%02d）" % r.randint(1, 12), 0.4),
    "photo": optional(lambda r: "，已上传照片%d张" % r.randint(1, 6), 0.5),
    "mins": rint(4, 18), "secs": rint(180, 1100), "water": real(45, 260), "kwh": real(0.8, 6.5, "%.2f"),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"), "fen": rint(500, 16800),
    "loop": rint(1, 8, "#%d"), "len": real(3.8, 5.6, "%.2f"), "wheelbase": rint(2400, 3100),
    "small": real(5, 88, "%.2f"), "bal": real(0, 3000, "%.2f"), "money": real(60, 2600, "%.2f"),
    "pct": rint(8, 100), "lowpct": rint(3, 14), "liters": real(2, 40), "thr": pick(["15", "20"]),
    "pumpno": rint(1, 4), "bar": real(55, 115), "setbar": pick(["80", "90", "100"]), "lpm": real(8, 22),
    "mtemp": real(38, 72), "hotm": real(86, 104), "runh": rint(120, 18000),
    "conf": rint(86, 99), "lowconf": rint(21, 64),
    "foam": real(0.5, 6), "vac": rint(0, 12), "price": pick(["1.00", "1.50", "2.00"]),
    "empid": rint(0, 9999, "YG%04d"), "n": rint(1, 4), "try": rint(1, 3), "wait": rint(30, 300),
    "cm": rint(8, 60), "ms": rint(3000, 10000), "unit": rint(1, 8),
    "plcip": lambda r: "10.%d.%d.%d" % (r.randint(10, 40), r.randint(1, 9), r.randint(10, 250)),
    "ntu": real(0.8, 9.5), "ntuhi": real(12, 45), "us": rint(380, 1400), "ph": real(6.5, 8.6),
    "cold": real(-14, -3), "clock": lambda r: "%02d:%02d" % (r.randint(10, 16), r.choice([0, 30])),
    "daydate": lambda r: r.choice(["2026-03-13", "2026年3月13日", "03/13"]),
    "cam": rint(1, 12, "CAM-%02d"), "snap": rint(0, 999999, "/data/snap/20260314/%06d.jpg"),
    "wo": lambda r: "WO-%s-%04d" % (r.choice(STATIONCODES), r.randint(1, 2000)),
    "count": rint(40, 900), "n2": rint(10, 600),
    "expdate": lambda r: "3月%d日" % r.randint(16, 31),
    "breaker": rint(1, 12, "QF%d"), "ma": rint(30, 120),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "bay", "洗车开始：{station}{bay}，车牌{plate}，程序《{program}》，预计{mins}分钟{who}"),
    (210, "INFO", "bay", "wash.done order={order} bay={baycode} program=\"{programen}\" duration={secs}s water={water}L power={kwh}kWh"),
    (150, "INFO", "pay", "pay notify ok channel={paych} out_trade_no={trade} total_fee={fen} order={order}{attach}"),
    (120, "INFO", "sensor", "地感线圈{loop}触发：车辆驶入，{bay}，车长约{len}m，轴距{wheelbase}mm"),
    (105, "INFO", "sensor", "地感线圈{loop}触发：车辆驶离，{bay}，车长约{len}m，轴距{wheelbase}mm"),
    (90, "INFO", "member", "会员刷卡：卡号{card}（{level}），{station}，扣款{small}元，余额{bal}元{points}"),
    (70, "INFO", "tank", "液位巡检 site={storecode} 清水箱={pct}% 回用水箱={pct}% 泡沫液={pct}% 水蜡={pct}% 轮毂清洗剂={pct}%"),
    (60, "INFO", "pump", "高压泵运行状态：泵号P{pumpno}，出口压力{bar}bar，流量{lpm}L/min，电机温度{mtemp}℃，累计运行{runh}h"),
    (45, "INFO", "coupon", "优惠券核销成功：券码{coupon}「{coupontype}」，订单{order}，抵扣{small}元"),
    (40, "INFO", "member", "会员充值成功：卡号{card}，{recharge}，支付方式：{topup}，到账后余额{rebal}元"),
    (35, "INFO", "gate", "道闸抬杆：{gate}，车牌「{plate}」，识别置信度{conf}%，{gatemode}"),
    (32, "INFO", "self", "自助洗车计时结束：{selfbay}，用时{selftime}，高压水{water}L，泡沫{foam}L，吸尘{vac}分钟，应付{selfdue}元"),
    (28, "INFO", "self", "自助洗车计时开始：{selfbay}，用户{phone}，单价{price}元/分钟，{startby}"),
    (20, "WARN", "tank", "化学液余量不足：{chem}剩余{lowpct}%（约{liters}L），低于告警线{thr}%，请尽快补液"),
    (16, "INFO", "tank", "补液完成：{chem}加注{liters}L，当前液位{pct}%，操作人{name}（{empid}）{lot}"),
    (14, "WARN", "pump", "高压泵压力偏低：泵号P{pumpno}，当前{bar}bar，设定值{setbar}bar，持续{wait}秒"),
    (12, "INFO", "member", "新会员注册：手机{phone}，来源「{source}」，已发放新人券「{coupontype}」×{n}{invite}"),
    (10, "WARN", "pay", "支付结果未回调：订单{order}，渠道{paych}，已等待{wait}秒，发起主动查单（第{try}次）"),
    (9, "INFO", "refund", "退款成功：订单{order}，退款金额{small}元，原因：{refundreason}，原路退回{paycn}"),
    (9, "WARN", "pump", "高压泵压力偏高：泵号P{pumpno}，当前{bar}bar，设定值{setbar}bar，持续{wait}秒"),
    (8, "ERROR", "bay", "洗车中断：{station}{bay}，程序《{program}》执行至第{step}步「{stepname}」，故障码{fault}，已自动退款{small}元"),
    (7, "WARN", "sensor", "车辆停位不正：{bay}，{wheel}超出停车线{cm}cm，语音提示已播放{n}次{bycam}"),
    (6, "WARN", "coupon", "优惠券核销失败：券码{coupon}「{coupontype}」，订单{order}，原因：{couponfail}"),
    (6, "INFO", "ops", "站点巡检打卡：{station}，巡检员{name}，检查项：{checks}，结果：正常{photo}"),
    (5, "INFO", "water", "水质检测合格：回用水浊度{ntu}NTU，电导率{us}μS/cm，pH {ph}，采样时间{sampled}"),
    (4, "ERROR", "device", "PLC通信异常：plc={plcip}:502 unit={unit} Modbus TCP read timeout ({ms} ms)，工位{baycode}转入安全停机"),
    (3.5, "ERROR", "pay", "payment gateway error: POST /v3/pay/transactions/native -> HTTP {httpfail}, cost={ms}ms, retry={try}/3, order={order}"),
    (3, "WARN", "water", "水质检测超标：回用水浊度{ntuhi}NTU，电导率{us}μS/cm，pH {ph}，采样时间{sampled}，已切换自来水供水"),
    (3, "ERROR", "refund", "退款失败：订单{order}，退款金额{small}元，{refunderr}"),
    (3, "WARN", "ops", "低温防冻：室外温度{cold}℃，已启动管路伴热及排空程序，{bays}暂停营业至{clock}"),
    (2.8, "ERROR", "member", "会员卡扣款失败 card={card} amount={small} station={storecode} reason: {debitfail}"),
    (2.6, "WARN", "camera", "车牌识别失败：{gate}摄像机{cam}，置信度{lowconf}%，抓拍图片{snap}，已转人工确认"),
    (2.4, "INFO", "settle", "日结对账完成：{station}（{daydate}），{settle}"),
    (2.3, "ERROR", "pump", "高压泵过热停机：泵号P{pumpno}，电机温度{hotm}℃（上限85℃），累计运行{runh}h，已通知维保人员{name}（{phone}）"),
    (2.2, "INFO", "maint", "维保工单已完成：工单号{wo}，{station}，项目：{maint}，更换配件：{spares}，费用{money}元，工程师{name}"),
    (2.2, "INFO", "coupon", "券到期提醒已推送：{count}张「{coupontype}」将于{expdate}到期，短信{n2}条、公众号消息{n2}条"),
    (2.1, "INFO", "device", "固件升级成功：{ctrl} {fwfrom} -> {fwto}，耗时{secs}s"),
    (2, "ERROR", "device", "固件升级失败：{ctrl} {fwfrom} -> {fwto}，耗时{secs}s，原因：{fwfail}"),
    (2, "ERROR", "device", "漏电保护器动作：{station}{bay}配电柜{breaker}跳闸，漏电流{ma}mA，该工位已断电，请电工到场处理"),
]

# the class that writes each module's lines, for the first header form
LOGGERS = {"bay": "c.l.cw.bay.WashFlowService", "sensor": "c.l.cw.io.LoopDetector", "pay": "c.l.cw.pay.NotifyHandler",
           "member": "c.l.cw.member.CardService", "tank": "c.l.cw.io.LevelMonitor", "pump": "c.l.cw.io.PumpMonitor",
           "coupon": "c.l.cw.promo.CouponService", "gate": "c.l.cw.io.BarrierGate", "self": "c.l.cw.bay.SelfServeTimer",
           "refund": "c.l.cw.pay.RefundService", "ops": "c.l.cw.ops.StationOps", "water": "c.l.cw.io.WaterQuality",
           "device": "c.l.cw.io.DeviceSupervisor", "camera": "c.l.cw.io.PlateCamera", "settle": "c.l.cw.fin.DailySettle",
           "maint": "c.l.cw.ops.WorkOrderService"}
THREADS = {"bay": "bay-exec-%d", "sensor": "io-poll-%d", "pay": "http-nio-8080-exec-%d", "member": "http-nio-8080-exec-%d",
           "tank": "io-poll-%d", "pump": "io-poll-%d", "coupon": "http-nio-8080-exec-%d", "gate": "gate-%d",
           "self": "bay-exec-%d", "refund": "refund-worker-%d", "ops": "scheduler-%d", "water": "scheduler-%d",
           "device": "plc-link-%d", "camera": "lpr-%d", "settle": "scheduler-%d", "maint": "http-nio-8080-exec-%d"}
# how the station PC's own console names the modules, for the second
MODULES_CN = {"bay": "工位控制", "sensor": "车位感应", "pay": "支付", "member": "会员", "tank": "液位监测",
              "pump": "高压泵", "coupon": "营销券", "gate": "道闸", "self": "自助计时", "refund": "退款",
              "ops": "站务", "water": "水处理", "device": "设备管理", "camera": "车牌识别", "settle": "财务日结",
              "maint": "维保"}
# the daemon and its process id on the station gateway, for the third
DAEMONS = {"bay": ("washd", 2231), "sensor": ("iod", 1187), "pay": ("payagent", 3310), "member": ("payagent", 3310),
           "tank": ("iod", 1187), "pump": ("iod", 1187), "coupon": ("payagent", 3310), "gate": ("gated", 1402),
           "self": ("washd", 2231), "refund": ("payagent", 3310), "ops": ("opsd", 4075), "water": ("iod", 1187),
           "device": ("plcbridge", 1520), "camera": ("lprd", 1655), "settle": ("opsd", 4075), "maint": ("opsd", 4075)}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the back office is a Java service with the usual pattern layout
        return "%s,%03d %-5s [%s] [%s] %s - " % (
            at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, THREADS[module] % r.randint(1, 12),
            r.choice(STATIONCODES), LOGGERS[module])
    if form == 1:
        # the industrial PC at each station writes Chinese levels and module names
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "%s.%03d [%s][IPC-%s-0%d][%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), ms, cn,
                                                  r.choice(STATIONCODES), r.randint(1, 2), MODULES_CN[module])
    # the station gateway forwards its daemons' lines through syslog
    daemon, pid = DAEMONS[module]
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s cw-%s-gw %s[%d]: <%s> " % (month, at.day, at.strftime("%H:%M:%S"),
                                                 r.choice(STATIONCODES).lower(), daemon, pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "W", 6 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3, 5))


if __name__ == "__main__":
    main()
