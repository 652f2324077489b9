#!/usr/bin/env python3
"""A GBK log of a Chinese restaurant chain's stores and central kitchen with its truth.

    bench/make_gbk_restaurant.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 35 messages (dine-in orders
at the POS, payment callbacks, tables opened and cleared, service calls, kitchen-display tickets
finished or overdue, dishes returned and sold out, discounts approved or refused, takeaway
orders received, picked up by riders and cancelled, failed platform callbacks, member points
earned and spent, a member service that times out, central-kitchen deliveries, store receipts
and cold-chain temperature alarms, food-safety self-checks passed and failed, food samples
kept, low stock, expiring stock taken off the shelf, stocktakes, cashier hand-overs and
till differences, kitchen printer failures, equipment alarms, bookings, queue tickets,
e-invoices and health certificates about to expire), written to measure the miner on and not
to shape it: no rule was made or tuned on them. Each message keeps its own frequency, kitchen
tickets by the hundred and a stocktake once in a few thousand lines. One of three header forms
by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STORES = ["上海徐汇日月光店", "杭州湖滨银泰店（B1层）", "南京新街口店", "苏州观前街店", "北京望京店（T2-3F）",
          "成都春熙路店", "深圳南山海岸城店", "武汉楚河汉街店", "广州天河店（5楼 501铺）"]
# kitchen station (as the display names it) and the dishes it makes
KITCHEN = [("热菜", ["宫保鸡丁（微辣）", "招牌酸菜鱼 大份", "小炒黄牛肉", "糖醋里脊", "麻婆豆腐"]),
           ("炒锅2号", ["干炒牛河", "扬州炒饭（加蛋）", "手撕包菜", "蒜蓉西兰花"]),
           ("蒸菜", ["剁椒鱼头（半只）", "清蒸鲈鱼【时价】", "东坡肉"]),
           ("砂锅煲仔", ["番茄牛腩煲 小份", "啫啫鸡煲（中辣）"]),
           ("凉菜", ["口水鸡（凉菜）", "拍黄瓜", "夫妻肺片"]),
           ("面点", ["虾饺皇 4只装", "米饭", "葱油拌面"]),
           ("饮品吧台", ["酸梅汤（大杯）", "Coke Zero 330ml", "鲜榨橙汁 500ml"]),
           ("烧腊", ["蜜汁叉烧", "白切鸡（半只）"])]
DISHES = [d for _, ds in KITCHEN for d in ds]
HALLS = ["大厅", "靠窗区", "二楼卡座", "露台"]
ROOMS = ["牡丹厅", "兰亭", "聚福阁", "听雨轩", "8号包间"]
PLATFORMS = ["美团外卖", "饿了么", "小程序自营外卖", "抖音团购"]
CANCELS = ["用户主动取消", "商家超时未接单", "骑手无法配送（超出配送范围）", "地址填写错误，用户申请取消",
           "食材售罄，商家取消"]
REMARKS = ["少辣，不要香菜", "多放醋", "不要葱姜蒜；谢谢！", "餐具2份", "放门口就行（宝宝在睡觉）", "需要发票，抬头见订单"]
CALLS = ["加水", "加菜", "催菜", "要打包盒", "结账", "换骨碟", "宝宝椅"]
RETURNS = ["客人不想要了", "上错菜", "菜品内有异物", "等待时间过长", "口味过咸", "做法与菜单描述不符"]
ROLES = ["店长", "值班经理", "楼面主管", "区域经理"]
REFUSALS = ["超出本人折扣权限", "同一单据已享受其他优惠", "未提供顾客投诉记录", "员工餐不适用于该时段"]
LEVELS = ["普通会员", "银卡", "金卡", "黑金卡", "企业会员"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY_QR", "MEMBER_CARD", "DIGITAL_RMB"]
GOODS = ["酸菜鱼料包（5kg/袋）", "卤牛肉（真空）", "秘制调味汁A", "冷冻虾仁 1kg×10", "净菜·西兰花", "高汤（冷藏）",
         "腌制鸡腿排", "手工水饺（冷冻）", "米饭团 30份"]
CHECKS = ["后厨卫生", "冷藏冷冻温度", "原料索证索票", "餐具清洗消毒", "员工健康与着装", "防鼠防虫", "食品留样"]
PROBLEMS = ["冷藏柜温度7.5℃，超出0～5℃要求", "生熟砧板混用", "员工未佩戴帽子、口罩", "消毒记录缺失（连续2天）",
            "发现过期调料1瓶", "挡鼠板缺失", "垃圾桶未加盖"]
MEALS = ["早餐", "午市", "晚市", "夜宵", "员工餐"]
# ingredient, unit, usual stock range
INGREDIENTS = [("五花肉", "kg", 5, 60), ("鲈鱼（活鲜）", "条", 2, 40), ("鸡蛋", "枚", 30, 600), ("东北大米", "kg", 10, 200),
               ("食用油（5L装）", "桶", 1, 24), ("青椒", "kg", 2, 30), ("可乐 330ml", "罐", 12, 240), ("内酯豆腐", "盒", 4, 80),
               ("牛腩", "kg", 3, 45), ("酸菜（袋装）", "袋", 5, 90)]
SUPPLIERS = ["中央厨房", "鲜丰农产品配送", "沪江冻品（合作供应商）", "本地菜场直采"]
DISPOSALS = ["报损销毁", "退回供应商", "退回中央厨房"]
WAREHOUSES = ["干货库", "冷藏库", "冷冻库", "酒水饮料库"]
SHIFTS = ["早班", "中班", "晚班"]
PRINTERS = ["热菜厨打01", "凉菜出单机", "吧台打印机", "传菜口标签机", "外卖专用打印机"]
PERRS = ["ECONNREFUSED", "ETIMEDOUT", "PAPER_OUT", "COVER_OPEN", "CUTTER_JAM"]
# device, usual temperature, alarm threshold in ℃
DEVICES = [("炸炉#2", 175, 185), ("万能蒸烤箱-1", 230, 250), ("冷冻库（-18℃）", -20, -15), ("冷藏展示柜", 2, 5),
           ("制冰机", -12, -6), ("隧道式洗碗机", 82, 90)]
SOURCES = ["电话预订", "小程序", "点评网预订", "到店预订", "企业协议客户"]
COMPANIES = ["上海云帆信息科技有限公司", "杭州鼎盛贸易有限公司", "个人", "南京恒通物流（集团）有限公司",
             "深圳市前海星辰咨询合伙企业（有限合伙）", "北京安和会计师事务所"]
POSTS = ["厨师", "切配", "服务员", "收银员", "洗碗工", "传菜员", "面点师"]
SYNC = ["POS", "扫码点餐", "美团外卖", "饿了么", "厨显", "自助点餐机"]
ORDERWAYS = ["扫码点餐", "服务员点单", "平板点餐", "自助点餐机"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "429 Too Many Requests"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def ingredient(r):
    _chosen["i"] = r.choice(INGREDIENTS)
    return _chosen["i"][0]


def amount(scale_lo, scale_hi):
    """A quantity of the line's ingredient with its unit, scaled from its usual range."""
    def make(r):
        _, unit, lo, hi = _chosen["i"]
        q = r.uniform(lo, hi) * r.uniform(scale_lo, scale_hi)
        return ("%.1f%s" if unit == "kg" else "%d%s") % (q if unit == "kg" else max(1, round(q)), unit)
    return make


def station(r):
    where, made = r.choice(KITCHEN)
    _chosen["dish"] = r.choice(made)
    return where


def cases(r):
    _chosen["cases"] = r.randint(2, 80)
    return str(_chosen["cases"])


def certdate(r):
    _chosen["days"] = r.randint(1, 30)
    return day(r, _chosen["days"], _chosen["days"])


def day(r, lo, hi):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def table(r):
    if r.random() < 0.2:
        return "包间「%s」" % r.choice(ROOMS)
    return "%s%02d号桌（%s）" % (r.choice("ABCDE"), r.randint(1, 36), r.choice(HALLS))


def dishes(r):
    out = []
    for d in r.sample(DISHES, r.randint(1, 5)):
        n = r.choice([1, 1, 1, 2, 3])
        out.append(d if n == 1 else "%s×%d" % (d, n))
    return "、".join(out)


def plate(r):
    return "%s%s·%s%04d" % (r.choice("沪浙苏京川粤"), r.choice("ABDEF"), r.choice("DFK"), r.randint(0, 9999))


def posorder(r):
    return "P%04d-20260314-%04d" % (r.randint(101, 960), r.randint(1, 2400))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def discount(r):
    return r.choice(["整单9折", "整单8.8折", "抹零", "赠送「%s」" % r.choice(DISHES), "会员日折扣（周三）",
                     "员工餐5折", "投诉补偿：免单「%s」" % r.choice(DISHES)])


def till(r):
    due = r.uniform(800, 9000)
    diff = r.choice([-1, 1]) * r.uniform(0.5, 120)
    return "系统应收%.2f元，实点%.2f元，差额%+.2f元" % (due, due + diff, diff)


def devreading(r):
    dev, _, hi = r.choice(DEVICES)
    return "device=\"%s\" temp=%.1f℃ threshold=%d℃" % (dev, hi + r.uniform(0.5, 12), hi)


def queue(r):
    k = r.randint(0, 2)
    return "%s%03d（%s）" % ("ABC"[k], r.randint(1, 240), ["小桌1-2人", "中桌3-4人", "大桌5人以上"][k])


V = {
    "name": name, "table": table, "dishes": dishes, "plate": plate, "posorder": posorder, "phone": phone,
    "booked": lambda r: day(r, 0, 21), "expiry": lambda r: day(r, 0, 3), "keep": lambda r: day(r, 2, 2),
    "certdate": certdate, "days": lambda r: str(_chosen["days"]), "station": station,
    "kdish": lambda r: _chosen["dish"], "cases": cases,
    "got": lambda r: str(max(0, _chosen["cases"] - r.choice([0, 0, 0, 1, 2]))), "discount": discount, "till": till, "devreading": devreading, "queue": queue,
    "ingredient": ingredient, "stock": amount(0.05, 0.3), "safe": amount(0.35, 0.5), "restock": amount(0.8, 1.5),
    "lot": amount(0.05, 0.2),
    "store": pick(STORES), "room": pick(ROOMS), "dish": pick(DISHES), "platform": pick(PLATFORMS),
    "cancel": pick(CANCELS), "call": pick(CALLS), "return": pick(RETURNS), "role": pick(ROLES),
    "refusal": pick(REFUSALS), "level": pick(LEVELS), "paych": pick(PAYCH), "goods": items(GOODS, 1, 4),
    "check": pick(CHECKS), "problem": pick(PROBLEMS), "meal": pick(MEALS), "supplier": pick(SUPPLIERS),
    "disposal": pick(DISPOSALS), "warehouse": pick(WAREHOUSES), "shift": pick(SHIFTS), "printer": pick(PRINTERS),
    "perr": pick(PERRS), "source": pick(SOURCES), "company": pick(COMPANIES), "post": pick(POSTS),
    "sync": items(SYNC, 1, 3), "orderway": pick(ORDERWAYS), "httpfail": pick(HTTPFAILS),
    "title": pick(["先生", "女士"]),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "remark": optional(lambda r: "，备注：「%s」" % r.choice(REMARKS), 0.45),
    "reserve": optional(lambda r: "，预订人%s%s" % (r.choice(gbk_messages.SURNAMES), r.choice(["先生", "女士"])), 0.3),
    "recvnote": optional(lambda r: "，备注：%s" % r.choice(["卤牛肉1袋包装破损，已拍照", "冻品表面有解冻迹象",
                                                         "少送高汤2桶，已联系调度"]), 0.25),
    "occasion": optional(lambda r: "，备注：%s" % r.choice(["生日宴（需准备长寿面）", "商务宴请，需投影", "带老人，安排一楼",
                                                         "忌口：海鲜过敏"]), 0.35),
    "tail": optional(lambda r: "，手机尾号%04d" % r.randint(0, 9999), 0.5),
    "email": optional(lambda r: "，已推送至%s" % r.choice(["邮箱 fin***@163.com", "短信", "微信卡包"]), 0.6),
    "money": real(60, 2600, "%.2f"), "paid": real(22, 380, "%.2f"), "cash": real(150, 4200, "%.2f"), "small": real(2, 180, "%.2f"), "fen": rint(800, 260000),
    "trade": rint(0, 10 ** 12 - 1, "4200001%012d"), "plat": rint(10 ** 17, 10 ** 18 - 1),
    "day": rint(1, 420), "mid": rint(0, 10 ** 8 - 1, "M%08d"), "pts": rint(5, 3000), "bal": rint(0, 60000),
    "storecode": lambda r: "%s%04d" % (r.choice(["SH", "HZ", "NJ", "SZ", "BJ", "CD", "WH", "GZ"]), r.randint(101, 960)),
    "guests": rint(1, 14), "qty": rint(1, 3), "secs": rint(40, 900), "resp": rint(5, 240), "mins": rint(2, 95),
    "n": rint(1, 5), "try": rint(1, 3), "prep": rint(6, 35), "dine": rint(25, 150), "late": rint(20, 60),
    "ahead": rint(0, 48), "turn": rint(1, 6), "emp": rint(1000, 9999, "%04d"),
    "dispatch": lambda r: "CK-DS-260314-%03d" % r.randint(1, 260),
    "temp": real(-18.5, 4.0), "hot": real(4.5, 14.0), "score": rint(86, 100), "hours": pick(["2", "4", "24", "48"]),
    "samples": rint(6, 40), "fridge": lambda r: "留样冰箱%d号（0～4℃）" % r.randint(1, 3),
    "clock": lambda r: "%02d:%02d" % (r.randint(10, 22), r.choice([0, 15, 30, 45])),
    "batch": lambda r: "B2603%02d-%02d" % (r.randint(1, 14), r.randint(1, 20)), "skus": rint(60, 420),
    "pos": lambda r: "收银台%02d" % r.randint(1, 6), "petty": pick(["500.00", "800.00", "1000.00"]),
    "ip": lambda r: "192.168.%d.%d" % (r.randint(1, 3), r.randint(20, 240)),
    "code": rint(1, 99, "%02d"), "cert": rint(0, 10 ** 8 - 1, "JK%08d"),
    "invoice": lambda r: "%020d" % r.randint(0, 10 ** 20 - 1), "tax": real(0.5, 160, "%.2f"),
    "ms": rint(3000, 15000),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "kds", "【厨显】{station}档口出品完成：「{kdish}」×{qty}，{table}，制作用时{secs}秒"),
    (200, "INFO", "pos", "堂食下单：单号{posorder}，{table}，{guests}人，点菜：{dishes}，合计{money}元（{orderway}）"),
    (150, "INFO", "pay", "pay callback ok channel={paych} out_trade_no={trade} total_fee={fen} bill={posorder}"),
    (90, "INFO", "member", "member.points.accrue mid={mid} level={level} delta=+{pts} balance={bal} store={storecode}"),
    (85, "INFO", "takeaway", "外卖新订单：平台「{platform}」#{day}，平台单号{plat}，{dishes}，实付{paid}元，期望送达{clock}{remark}"),
    (70, "INFO", "takeaway", "外卖出餐：平台「{platform}」#{day}，平台单号{plat}，骑手{name}（{phone}）已取餐，出餐用时{prep}分钟"),
    (60, "INFO", "table", "开台：{table}，{guests}人，服务员{name}（工号{emp}）{reserve}"),
    (50, "INFO", "table", "清台：{table}，用餐时长{dine}分钟，本桌消费{money}元，今日第{turn}轮翻台"),
    (40, "INFO", "table", "呼叫服务：{table}请求「{call}」，{name}已响应，响应时间{resp}秒"),
    (35, "INFO", "queue", "排队取号：号码{queue}，{guests}人，前面还有{ahead}桌，预计等待{mins}分钟{tail}"),
    (28, "WARN", "kds", "【厨显】{station}档口出品超时：「{kdish}」×{qty}，{table}，已等待{late}分钟，顾客催单{n}次"),
    (20, "INFO", "ck", "中央厨房配送出库：配送单{dispatch}，目的门店{store}，冷链车{plate}，货品：{goods}，装车温度{temp}℃"),
    (18, "INFO", "ck", "门店收货确认：配送单{dispatch}，{store}，应收{cases}箱，实收{got}箱，收货人{name}{recvnote}"),
    (16, "WARN", "stock", "库存预警：{ingredient}当前库存{stock}，低于安全库存{safe}，建议补货{restock}（{supplier}）"),
    (15, "INFO", "member", "积分抵扣：会员{name}（{level}，卡号{mid}）使用{pts}积分，抵扣{small}元，单号{posorder}"),
    (12, "INFO", "pos", "折扣审批通过：单号{posorder}，申请{discount}，优惠{small}元，审批人{name}（{role}）"),
    (11, "INFO", "takeaway", "外卖订单取消：平台「{platform}」#{day}，平台单号{plat}，原因：{cancel}，已退款{paid}元"),
    (10, "WARN", "pos", "退菜：单号{posorder}，「{dish}」×{qty}，退菜原因：{return}，授权{role}{name}"),
    (10, "INFO", "booking", "预订成功：{booked} {clock}，{name}{title}，{guests}人，包间「{room}」，定金{small}元，来源：{source}{occasion}"),
    (9, "INFO", "invoice", "电子发票开具成功：发票号码{invoice}，购方「{company}」，价税合计{money}元，税额{tax}元{email}"),
    (8, "INFO", "foodsafe", "食安自查《{check}》：{store}，检查人{name}，结果：合格，得分{score}分"),
    (7, "INFO", "pos", "菜品沽清：「{dish}」今日已售罄，已同步至{sync}，操作人{name}"),
    (6, "INFO", "cashier", "收银交班：{pos}（{shift}），交班人{name}，接班人{name}，现金{cash}元，备用金{petty}元"),
    (5, "ERROR", "takeaway", "platform callback failed: POST /open/v1/order/confirm -> HTTP {httpfail}, retry={try}/3, platformOrderId={plat}"),
    (4, "ERROR", "member", "调用会员中心超时：java.net.SocketTimeoutException: Read timed out (GET /member/v2/profile?mid={mid}，耗时{ms}ms)，已按非会员结账"),
    (3, "WARN", "pos", "折扣审批驳回：单号{posorder}，申请{discount}，申请人{name}，驳回原因：{refusal}"),
    (3, "INFO", "foodsafe", "留样登记：{meal}留样{samples}份（每份不少于125克），存放{fridge}，留样人{name}，应于{keep} {clock}后销毁"),
    (2.5, "WARN", "foodsafe", "食安自查《{check}》：{store}，检查人{name}，结果：不合格，问题：{problem}，须在{hours}小时内整改"),
    (2.5, "WARN", "stock", "临期食材下架：{ingredient}，批次{batch}，保质期至{expiry}，数量{lot}，处理方式：{disposal}"),
    (2, "ERROR", "kds", "PrintJob failed: printer=「{printer}」 ip={ip} err={perr}，{n}张厨打单已转备用打印机"),
    (1.5, "ERROR", "ck", "冷链温度告警：车辆{plate}车厢温度{hot}℃，超出上限（≤4℃）已持续{mins}分钟，配送单{dispatch}，司机{name}"),
    (1.5, "ERROR", "device", "设备温度异常 {devreading} code=E{code}，已报修，维修人员{name}"),
    (1.2, "WARN", "cashier", "收银长短款：{pos}（{shift}），{till}，值班经理{name}已签字确认"),
    (1, "INFO", "stock", "月度盘点完成：{store}{warehouse}，共盘点{skus}个品项，盘亏{small}元，盘盈{small}元，盘点人：{names}"),
    (1, "WARN", "hr", "健康证到期提醒：员工{name}（{post}），证号{cert}，将于{certdate}到期，剩余{days}天，请安排复检"),
]

# where each module's lines come from, for the headers
CALLERS = {"kds": ["kds/ticket.go:142", "kds/ticket.go:187", "kds/printer.go:66"],
           "pos": ["pos/order.go:214", "pos/discount.go:58", "pos/menu.go:301"],
           "pay": ["pay/notify.go:97"], "member": ["member/points.go:130", "member/client.go:44"],
           "takeaway": ["takeaway/aggregator.go:233", "takeaway/callback.go:81"],
           "table": ["table/service.go:75", "table/service.go:119"], "queue": ["queue/ticket.go:40"],
           "ck": ["ck/dispatch.go:162", "ck/coldchain.go:29"], "stock": ["stock/alert.go:52", "stock/count.go:210"],
           "booking": ["booking/reserve.go:88"], "invoice": ["invoice/issue.go:147"],
           "foodsafe": ["foodsafe/inspect.go:63", "foodsafe/sample.go:35"], "cashier": ["cashier/shift.go:91"],
           "device": ["iot/device.go:118"], "hr": ["hr/cert.go:27"]}
PLACES = {"kds": "厨显%d号屏", "pos": "收银台%02d", "pay": "支付网关", "member": "会员中心", "takeaway": "外卖聚合",
          "table": "服务员PAD-%d", "queue": "取号机%d", "ck": "中央厨房·调度", "stock": "库管终端", "booking": "前台预订",
          "invoice": "财务开票", "foodsafe": "食安巡检", "cashier": "收银台%02d", "device": "设备监控", "hr": "人事"}
PIDS = {"kds": 2231, "pos": 1874, "pay": 3310, "member": 3312, "takeaway": 4127, "table": 1875, "queue": 1876,
        "ck": 5502, "stock": 5519, "booking": 1877, "invoice": 3340, "foodsafe": 5533, "cashier": 1874,
        "device": 6011, "hr": 7003}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the store services are in Go and log through a console encoder separated by tabs
        return "%s.%03d+0800\t%s\t%s\t[rid=%08x]\t" % (
            at.strftime("%Y-%m-%dT%H:%M:%S"), ms, level, r.choice(CALLERS[module]), r.getrandbits(32))
    if form == 1:
        # the store's own back-office client prints the level and the terminal in Chinese
        cn = {"INFO": "提示", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 6)
        return "%s 【%s】[%04d店/%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), cn, r.choice([417, 417, 417, 102, 233]),
                                        place)
    # the central platform ships one JSON object per line with a numeric level, the message after it
    num = {"INFO": 30, "WARN": 40, "ERROR": 50}[level]
    return "{\"ts\":\"%s.%03d\",\"level\":%d,\"svc\":\"%s\",\"pid\":%d,\"trace\":\"%016x\"} " % (
        at.strftime("%Y-%m-%d %H:%M:%S"), ms, num, module, PIDS[module], r.getrandbits(64))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "K", 10 * 3600 + 25 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
