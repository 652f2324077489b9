#!/usr/bin/env python3
"""A GBK log of a Chinese ski resort's operations platform with its truth.

    bench/make_gbk_skiresort.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages of an invented
resort in the mountains (lift gates letting skiers through or turning them away, face checks
that fail, gates that drop off the network, passes sold and refunded, season cards activated,
payment notifications that succeed or fail, ticketing partners that can't be reached, skis and
boards rented out and brought back, damaged gear, rental sizes running short, snowmaking
telemetry, snow guns started, stopped and broken, the reservoir that feeds them, lift running
figures, lifts opened and closed for the day, short lift stops and wind alarms, patrol check-ins,
injured skiers, lost people, runs opened and closed, grooming runs, weather reports, avalanche
danger and cold warnings, ski-school lessons booked and cancelled, lockers, the car parks, the
shuttle buses and the daily visitor report), written to measure the miner on and not to shape it: no
rule was made or tuned on them. Each message keeps its own frequency, gate passes by the hundred
and a daily report or an avalanche bulletin once in a few thousand lines; several messages differ
only in a word or two (a snow gun started or stopped, a lift opened or closed for the day, gear
rented out or returned, a payment that succeeded or failed), as the resort's operators would
still read them as different things. One of three header forms by the seed. The output depends
only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

GATES = ["1号索道（高速脱挂） 入口闸机A", "1号索道（高速脱挂） 入口闸机B", "2号四人吊椅 入口闸机C", "魔毯区 闸机02",
         "天池吊厢 上站出口闸机", "夜场入口（北区） 闸机05", "雪具大厅 东门闸机"]
PASSTYPES = ["成人日票", "儿童日票（1.2-1.4m）", "半日票 PM", "夜场票", "季卡（2025/26雪季）", "次卡 10次",
             "团队票【旅行社】", "学生票（凭学生证）", "酒店住客滑雪套票"]
REJECTS = ["票已过期", "非本时段可用（夜场票）", "重复刷卡，间隔少于5分钟", "票卡已挂失", "票卡未激活，请至游客服务中心",
           "人证不符", "剩余次数为0"]
CHANNELS = ["售票窗口3号", "官方小程序", "雪途旅行网", "乐游OTA", "酒店前台代售", "自助售票机 #2"]
PAYCH = ["WECHAT_JSAPI", "ALIPAY_APP", "UNIONPAY_QR", "DIGITAL_RMB", "POS_CARD"]
PAYERRS = ["NOTENOUGH", "ORDERPAID", "SYSTEMERROR", "USERPAYING", "BANKERROR", "ORDER_CLOSED"]
OTAS = ["xuetu", "leyou", "fengxing_travel", "hotel_pms"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
# rental gear: what the counter calls it, its category and how sizes are written
GEAR = ["双板 Norvik Alpine 78（165cm）", "双板 Norvik Alpine 78（158cm）", "单板 Frostline Sprite 150cm",
        "单板 Frostline Sprite 156cm", "儿童双板 Mini Cub 110cm", "雪鞋 Norvik 26.5", "单板鞋 Frostline 42码",
        "头盔 Peakguard M码", "雪杖 115cm", "雪镜（防雾）", "护具套装（护臀+护膝）"]
GEARCATS = [("双板", ["150cm", "158cm", "165cm", "172cm"]), ("单板", ["144cm", "150cm", "156cm"]),
            ("雪鞋", ["24.5", "25.5", "26.5", "27.5", "28.5"]), ("单板鞋", ["38码", "40码", "42码", "44码"]),
            ("头盔", ["S码", "M码", "L码"]), ("儿童雪鞋", ["18.5", "20.0", "21.5"])]
DAMAGES = ["板刃卷边约10cm", "固定器扣件断裂", "板底划伤，露出底芯", "雪鞋内胆丢失", "头盔外壳开裂", "雪镜镜片划花",
           "雪杖折弯"]
RENTSTORES = ["山脚雪具大厅", "中站租赁点", "酒店雪具房（B1）"]
SLOPES = ["初级道·白桦林", "中级道 雪狐", "高级道「黑钻」", "地形公园（U型池）", "雪道 B3", "儿童戏雪区",
          "野雪区（需向导陪同）", "银河夜滑道", "天池环线"]
DIFFICULTIES = ["绿道（初级）", "蓝道（中级）", "黑道（高级）", "双黑道（专家）"]
CLOSEREASONS = ["雪量不足，待补雪", "大风，能见度低", "赛事封道（青少年积分赛）", "压雪作业中", "雪崩风险，禁止进入",
                "缆车停运"]
SNOWGUNS = ["风炮式", "枪式", "移动式"]
SMFAULTS = ["E21 喷嘴冻堵", "E07 供水压力过低", "E33 压缩机过载", "E40 通信中断", "E12 风机电机过热"]
POOLS = ["1号蓄水池（山脚）", "2号蓄水池 中站", "高位水池（天池旁）"]
PUMPS = ["P1", "P2", "P3", "增压泵B", "深井泵#4"]
LIFTS = ["1号高速脱挂式缆车", "2号四人吊椅", "3号六人吊厢（天池线）", "魔毯M1", "魔毯M2（儿童区）", "T型拖牵 T-1"]
STOPREASONS = ["游客上车摔倒", "安全杆未放下", "阵风超限", "压雪车穿越索道下方", "市电切换UPS", "吊具间距检测异常",
               "儿童未按要求乘坐"]
LIFTCHECKS = ["钢丝绳", "抱索器", "制动器", "通讯广播", "救援设备", "上下站安全门"]
POINTS = ["顶部出发区", "中段弯道", "终点防护网", "K3标志杆处", "2号塔架下方", "林间道入口", "跳台落地区"]
SNOWCONDS = ["粉雪", "压实雪", "冰面（注意）", "湿重雪", "玉米雪", "硬雪", "雪包较多"]
INJURIES = ["左膝扭伤", "手腕疑似骨折", "面部擦伤", "头部撞击，意识清醒", "肩关节脱位", "手指冻伤", "小腿肌肉拉伤"]
CLINICS = ["山脚医务室", "山顶急救站", "县人民医院（120转运）", "中站救护点"]
GROOMERS = ["PB-01", "PB-02（带绞盘）", "PB-05", "雪地摩托 SM-3"]
WSTATIONS = ["山顶气象站 A", "中站 1850m", "山脚站（雪具大厅）", "天池站"]
WINDDIRS = ["北风", "西北风", "东北风", "西风", "偏北风", "东南风"]
AVAREAS = ["东坡野雪区", "天池背坡", "黑钻道上方山脊", "北沟（非开放区域）"]
AVLEVELS = ["一级 低", "二级 中等", "三级 较高", "四级 高"]
AVNOTES = ["近24小时新雪42cm，野雪区暂停开放", "午后升温，注意湿雪崩", "风板积雪明显，严禁越界滑行",
           "已安排人工引爆排险，时间另行通知"]
COURSES = ["双板初级一对一（2小时）", "单板入门小班课（4人）", "儿童滑雪营 半日", "进阶刻滑私教", "公园道跳台进阶课"]
COACHLEVELS = ["初级教练", "中级教练", "高级教练", "实习教练"]
LESSONCANCELS = ["学员身体不适", "天气原因停课", "教练临时调班", "学员未按时到场（超过30分钟）"]
LOCKMODES = ["RFID", "QRCODE", "PIN"]
LOTS = ["P1 雪具大厅停车场", "P2（酒店地下）", "P3 临时停车区", "大巴专用停车区"]
ROUTES = ["酒店—雪具大厅", "高铁站—度假区", "小镇客栈区—中站", "停车场P3—雪具大厅"]
REFUNDS = ["天气原因，索道停运", "行程变更", "重复购买", "身体不适，未入园", "团队人数减少"]
PLACESEEN = ["雪具大厅二楼餐厅", "魔毯M2下站", "中站休息厅", "儿童戏雪区入口", "1号索道上站"]
CLOTHES = ["红色滑雪服、白色头盔", "蓝色连体服，背粉色背包", "黑色上衣、灰色雪裤", "黄色儿童雪服（带小熊图案）"]
FACEDEVS = ["FaceGate-3", "FaceGate-7", "人脸终端 F02"]
WINDOWS = ["售票窗口1号", "售票窗口3号", "夜场售票亭"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form=0):
    d = datetime.date(2026, 1, 17) + datetime.timedelta(days=r.randint(lo, hi))
    if form == 0:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if form == 1:
        return d.strftime("%Y-%m-%d")
    return "%02d/%02d" % (d.month, d.day)


def alnum(r, n):
    return "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(n))


def passno(r):
    return "YL26%02d-%s" % (r.randint(1, 3), alnum(r, 6))


def order(r):
    return "T2601%02d%06d" % (r.randint(10, 20), r.randint(0, 999999))


def rent(r):
    return "R-%s-%05d" % (r.choice(["SJ", "ZZ", "JD"]), r.randint(1, 30000))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def plate(r):
    # new-energy plates have six characters after the letter, starting with D or F
    head = r.choice("吉黑辽京冀新蒙") + r.choice("ABCDEFH")
    if r.random() < 0.2:
        return head + r.choice("DF") + alnum(r, 5)
    return head + alnum(r, 5)


def gearid(r):
    return "G-%s-%04d" % (r.choice(["DB", "SB", "XX", "TK", "XZ"]), r.randint(1, 3200))


def snowgun(r):
    return "SM-%02d（%s）" % (r.randint(1, 48), r.choice(SNOWGUNS))


def gearcat(r):
    cat, sizes = r.choice(GEARCATS)
    _chosen["sizes"] = sizes
    return cat


def isotime(r):
    return "2026-01-%02dT%02d:%02d:00+08:00" % (r.randint(16, 18), r.randint(5, 17), r.choice([0, 30]))


def lessondate(r):
    start = r.choice([9, 10, 13, 14, 15, 18])
    return "%s %02d:00-%02d:00" % (day(r, 0, 10, r.choice([0, 1, 2])), start, start + r.choice([1, 2, 3]))


def lost(r):
    if r.random() < 0.5:
        return "走失儿童%s（%s，%d岁，身高约%dcm，穿%s）" % (
            name(r), r.choice(["男", "女"]), r.randint(4, 11), r.randint(100, 150), r.choice(CLOTHES))
    return "游客%s（%s，约%d岁，穿%s）与同伴失联%d分钟" % (
        name(r), r.choice(["男", "女"]), r.randint(16, 65), r.choice(CLOTHES), r.randint(30, 150))


def visitor(r):
    kind = r.choice(["双板", "单板", "儿童"])
    age = r.randint(5, 12) if kind == "儿童" else r.randint(14, 66)
    return "%s游客%s（%d岁，%s）" % (kind, name(r), age, r.choice(["男", "女"]))


def busload(r):
    seats = r.choice([19, 33, 45])
    return "%d/%d" % (r.randint(2, seats), seats)


def headcount(r):
    visits = r.randint(3200, 12800)
    return "入园%d人次，峰值在场%d人" % (visits, int(visits * r.uniform(0.4, 0.8)))


V = {
    "name": name, "phone": phone, "plate": plate, "pass": passno, "order": order, "rent": rent,
    "gate": pick(GATES), "ptype": pick(PASSTYPES), "reject": pick(REJECTS), "channel": pick(CHANNELS),
    "paych": pick(PAYCH), "payerr": pick(PAYERRS), "ota": pick(OTAS), "httpfail": pick(HTTPFAILS),
    "gear": items(GEAR, 1, 4), "onegear": pick(GEAR), "damage": pick(DAMAGES), "rentstore": pick(RENTSTORES),
    "gearcat": gearcat, "size": lambda r: r.choice(_chosen["sizes"]),
    "slope": pick(SLOPES), "slopebook": lambda r: "《%s》" % r.choice(SLOPES), "difficulty": pick(DIFFICULTIES),
    "closereason": pick(CLOSEREASONS), "sm": snowgun, "smfault": pick(SMFAULTS), "pool": pick(POOLS),
    "pumps": items(PUMPS, 1, 3), "lift": pick(LIFTS), "stopreason": pick(STOPREASONS),
    "liftchecks": items(LIFTCHECKS, 3, 6), "point": pick(POINTS), "snowcond": pick(SNOWCONDS),
    "injury": pick(INJURIES), "clinic": pick(CLINICS), "groomer": pick(GROOMERS), "wstation": pick(WSTATIONS),
    "winddir": pick(WINDDIRS), "avarea": pick(AVAREAS), "avl": pick(AVLEVELS), "avnote": pick(AVNOTES),
    "course": pick(COURSES), "coachlevel": pick(COACHLEVELS), "lessoncancel": pick(LESSONCANCELS),
    "lockmode": pick(LOCKMODES), "lot": pick(LOTS), "route": pick(ROUTES), "refundreason": pick(REFUNDS),
    "window": pick(WINDOWS), "place": pick(PLACESEEN), "gearid": gearid,
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(1, 4))),
    "lostperson": lost, "visitor": visitor, "headcount": headcount, "isotime": isotime,
    "lessondate": lessondate,
    "reportday": lambda r: day(r, -3, -1, r.choice([0, 1])),
    "visitdate": lambda r: day(r, 0, 14, r.choice([0, 1])),
    "liftspan": lambda r: "%02d:%02d-%02d:%02d" % (r.choice([8, 8, 9]), r.choice([0, 30]), r.choice([16, 17, 21]),
                                                  r.choice([0, 30])),
    "clock": lambda r: "%02d:%02d" % (r.randint(6, 21), r.choice([0, 10, 15, 20, 30, 40, 45, 50])),
    "dawn": lambda r: "%02d:%02d" % (r.randint(2, 7), r.randint(0, 59)),
    "hhmmss": lambda r: "%02d:%02d:%02d" % (r.randint(7, 21), r.randint(0, 59), r.randint(0, 59)),
    "face": optional(lambda r: "，人脸比对%.1f%%（%s）" % (r.uniform(86, 99.9), r.choice(FACEDEVS)), 0.35),
    "visit": optional(lambda r: "，入园日期%s" % day(r, 0, 14, r.choice([0, 1])), 0.4),
    "overtime": optional(lambda r: "，超时%d分钟，加收%.2f元" % (r.randint(15, 180), r.uniform(20, 150)), 0.25),
    "newsnow": optional(lambda r: " 新雪%dcm" % r.randint(1, 45), 0.3),
    "hotel": optional(lambda r: "（%s，房号%d%02d）" % (r.choice(["酒店住客免费", "季卡车主免费"]), r.randint(2, 9),
                                                   r.randint(1, 40)), 0.3),
    "rescue": optional(lambda r: "，现场照片%d张已上传" % r.randint(1, 6), 0.4),
    "reading": optional(lambda r: " nozzles=%d/%d" % (r.randint(8, 24), 24), 0.5),
    "rides": rint(1, 28), "qty": rint(1, 6), "money": real(88, 4800, "%.2f"), "fee": real(0, 60, "%.2f"),
    "small": real(20, 800, "%.2f"), "deposit": pick(["200", "300", "500", "800", "1000"]),
    "fen": rint(4800, 960000), "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "left": rint(0, 4), "low": pick(["5", "8", "10"]),
    "wb": real(-12.0, -2.5), "hum": rint(35, 92), "flow": real(2.0, 14.0), "bar": real(18, 42, "%.1f"),
    "lvl": real(1.2, 6.8, "%.2f"), "pct": rint(18, 97),
    "speed": real(0.5, 5.0), "carriers": rint(40, 210), "pax": rint(20, 780), "secs": rint(15, 600),
    "tower": rint(1, 18), "wind": real(15.2, 24.0), "calm": real(0.3, 14.5),
    "patrolid": rint(1, 48, "XL-%03d"), "n": rint(2, 4), "mins": rint(25, 240), "fuel": real(12, 95),
    "temp": real(-26.0, 1.5), "cold": real(-34.0, -25.0), "feel": real(-45.0, -30.0),
    "vis": pick(["50", "120", "300", "800", "1500", "5000+"]),
    "locker": lambda r: "%s区-%04d" % (r.choice("ABCDE"), r.randint(1, 1600)),
    "band": lambda r: "E28011%010X" % r.getrandbits(40),
    "spaces": rint(0, 860), "bus": lambda r: "摆渡%d号车（%s）" % (r.randint(1, 12), plate(r)),
    "busload": busload,
    "ms": rint(3000, 30000), "try": rint(1, 3), "lowsim": real(41.0, 84.9),
    "gateid": lambda r: "GT-%s%02d" % (r.choice(["L1", "L2", "L3", "MC", "NT"]), r.randint(1, 12)),
    "hb": rint(30, 900), "season": lambda r: "SP25%s" % alnum(r, 8),
    "expire": pick(["2026-04-06", "2026年4月6日", "本雪季闭园日"]),
    "rides_total": rint(12000, 56000), "cash": real(500, 42000, "%.2f"), "count": rint(40, 600),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "gate", "闸机验票通过：{gate}，票号{pass}（{ptype}），今日第{rides}次乘坐{face}"),
    (22, "WARN", "gate", "闸机验票拒绝：{gate}，票号{pass}（{ptype}），原因：{reject}"),
    (8, "WARN", "gate", "人脸核验失败：{gate}，票号{pass}，相似度{lowsim}%（阈值85%），已转人工核验"),
    (3, "ERROR", "gate", "闸机离线：com.yunling.gate.GateOfflineException: gate {gateid} heartbeat lost for {hb}s"
                         " (last seen {hhmmss})"),
    (130, "INFO", "ticket", "售票成功 订单号={order} 票种「{ptype}」×{qty} 实收{money}元 渠道：{channel}{visit}"),
    (7, "INFO", "ticket", "退票申请已受理：订单号{order}，{ptype}×{qty}，原因：{refundreason}，退款{money}元（手续费{fee}元）"),
    (9, "INFO", "ticket", "季卡激活：卡号{season}，持卡人{name}（{phone}），人脸照片已采集，有效期至{expire}"),
    (1.3, "INFO", "ticket", "售票交班：{window}，交班人{name}，接班人{name}，共{count}笔，收款合计{cash}元"),
    (110, "INFO", "pay", "pay notify result=SUCCESS channel={paych} out_trade_no={trade} total_fee={fen} order={order}"),
    (6, "ERROR", "pay", "pay notify result=FAIL channel={paych} out_trade_no={trade} total_fee={fen} order={order}"
                        " err_code={payerr}"),
    (5, "ERROR", "ota", "OTA sync failed: POST /api/v2/inventory/push -> HTTP {httpfail}, channel={ota},"
                        " retry={try}/3, cost={ms}ms"),
    (95, "INFO", "rental", "雪具租赁出库：租赁单{rent}，{gear}，押金{deposit}元，顾客{name}（{phone}）"),
    (80, "INFO", "rental", "雪具归还入库：租赁单{rent}，{gear}，押金{deposit}元，顾客{name}（{phone}）{overtime}"),
    (4, "WARN", "rental", "雪具损坏登记：{onegear} 资产编号{gearid}，损坏情况：{damage}，"
                          "从押金扣除{small}元，经办人{name}"),
    (9, "WARN", "rental", "租赁库存不足：{rentstore} {gearcat}尺码{size}剩余{left}件（低于{low}件），请尽快调拨"),
    (70, "INFO", "snow", "snowmaker telemetry id={sm} slope=\"{slope}\" wet_bulb={wb}℃ rh={hum}% flow={flow}m3/h"
                         " pressure={bar}bar{reading} state=RUNNING"),
    (14, "INFO", "snow", "造雪机{sm}已启动：雪道{slopebook}，湿球温度{wb}℃，相对湿度{hum}%，操作员{name}"),
    (12, "INFO", "snow", "造雪机{sm}已停机：雪道{slopebook}，湿球温度{wb}℃，相对湿度{hum}%，操作员{name}"),
    (3, "ERROR", "snow", "造雪机故障 id={sm} code={smfault}，位置{slopebook}，已自动停机，通知维修班{name}"),
    (5, "INFO", "snow", "蓄水池水位：{pool}，液位{lvl}m，储水率{pct}%，运行水泵：{pumps}"),
    (60, "INFO", "lift", "索道运行数据 {lift}：运行速度{speed}m/s，在线吊具{carriers}个，近5分钟运量{pax}人次"),
    (4, "INFO", "lift", "索道「{lift}」开始运营，当班司机{name}，运营时段{liftspan}，开机检查：{liftchecks}"),
    (3, "INFO", "lift", "索道「{lift}」结束运营，当班司机{name}，运营时段{liftspan}，开机检查：{liftchecks}"),
    (15, "WARN", "lift", "索道临时停车：{lift}，原因：{stopreason}，停车{secs}秒后恢复运行，司机{name}"),
    (5, "WARN", "lift", "风速告警：{lift} {tower}号塔架 风速{wind}m/s（阈值15.0m/s），已降速运行"),
    (45, "INFO", "patrol", "巡逻打卡：巡逻员{name}（{patrolid}）到达{slopebook}{point}，雪况：{snowcond}"),
    (5, "WARN", "patrol", "伤员救助：{slopebook}{point}，{visitor}，伤情：{injury}，由{name}等{n}人送往{clinic}，"
                          "接警后{secs}秒到达现场{rescue}"),
    (2, "WARN", "patrol", "寻人：{lostperson}，最后出现地点「{place}」，家属电话{phone}，已通知各索道站及巡逻队"),
    (6, "INFO", "slope", "雪道《{slope}》开放，难度：{difficulty}，压雪完成时间{dawn}"),
    (3, "WARN", "slope", "雪道《{slope}》关闭，难度：{difficulty}，原因：{closereason}"),
    (20, "INFO", "groom", "压雪作业完成：压雪车{groomer}，雪道{slopebook}，作业{mins}分钟，油耗{fuel}L，驾驶员{name}"),
    (25, "INFO", "weather", "气象播报 [{wstation}] 气温{temp}℃ 风速{calm}m/s 风向{winddir} 能见度{vis}m{newsnow}"),
    (1.5, "WARN", "weather", "雪崩风险等级更新：{avarea}风险等级【{avl}】，发布时间{isotime}，{avnote}"),
    (2, "WARN", "weather", "低温预警：{wstation}气温{cold}℃，体感温度{feel}℃，请各站点提醒游客注意防寒、防冻伤"),
    (16, "INFO", "school", "教学课程预约成功：{course}，教练{name}（{coachlevel}），学员{names}，上课时间{lessondate}"),
    (4, "INFO", "school", "教学课程预约取消：{course}，教练{name}（{coachlevel}），学员{names}，上课时间{lessondate}，"
                          "原因：{lessoncancel}"),
    (55, "INFO", "locker", "locker open locker={locker} band={band} mode={lockmode} result=ok"),
    (35, "INFO", "parking", "停车场入场：车牌{plate}，{lot}，剩余车位{spaces}个{hotel}"),
    (12, "INFO", "shuttle", "摆渡车发车：{bus}，线路「{route}」，载客{busload}人，计划{clock}发车"),
    (1.3, "INFO", "stats", "入园日报（{reportday}）：{headcount}，索道累计运量{rides_total}人次"),
]

# the Java services' threads and loggers, for the first header form
THREADS = {"gate": ("gate-worker-%d", "c.y.gate.GateCheckService"), "ticket": ("http-nio-8080-exec-%d",
           "c.y.ticket.OrderService"), "pay": ("pay-notify-%d", "c.y.pay.NotifyHandler"),
           "ota": ("ota-sync-%d", "c.y.ota.InventoryPusher"), "rental": ("http-nio-8080-exec-%d",
           "c.y.rental.RentalService"), "snow": ("modbus-poll-%d", "c.y.iot.SnowmakerMonitor"),
           "lift": ("plc-bridge-%d", "c.y.lift.RopewayMonitor"), "patrol": ("mq-consumer-%d",
           "c.y.patrol.PatrolEventListener"), "slope": ("scheduling-%d", "c.y.slope.SlopeStatusJob"),
           "groom": ("mq-consumer-%d", "c.y.groom.GroomingReport"), "weather": ("scheduling-%d",
           "c.y.weather.WeatherCollector"), "school": ("http-nio-8080-exec-%d", "c.y.school.LessonService"),
           "locker": ("locker-io-%d", "c.y.locker.LockerController"), "parking": ("lpr-recv-%d",
           "c.y.parking.PlateListener"), "shuttle": ("scheduling-%d", "c.y.shuttle.DispatchJob"),
           "stats": ("scheduling-%d", "c.y.report.DailyStats")}
# the desk client's Chinese module names and the terminal each module runs on, for the second
DESKS = {"gate": ("闸机管理", "GATE-%02d"), "ticket": ("票务中心", "TKT-%02d"), "pay": ("支付网关", "PAY-01"),
         "ota": ("渠道对接", "OTA-01"), "rental": ("雪具租赁", "RNT-%02d"), "snow": ("造雪系统", "SNOW-CTL"),
         "lift": ("索道监控", "LIFT-%02d"), "patrol": ("巡逻救援", "PTL-APP"), "slope": ("雪道管理", "SLOPE-01"),
         "groom": ("压雪调度", "GRM-01"), "weather": ("气象监测", "WX-%02d"), "school": ("滑雪学校", "SCH-01"),
         "locker": ("储物柜", "LCK-%02d"), "parking": ("停车管理", "PARK-%02d"), "shuttle": ("交通接驳", "BUS-01"),
         "stats": ("运营报表", "RPT-01")}
# the hosts and daemons behind the syslog relay, for the third
HOSTS = {"gate": ("ylx-gate%02d", "gatesvc", 2231), "ticket": ("ylx-app%02d", "ticketd", 1874),
         "pay": ("ylx-app%02d", "payd", 3310), "ota": ("ylx-app%02d", "otasync", 3371),
         "rental": ("ylx-rent%02d", "rentald", 4127), "snow": ("ylx-iot%02d", "snowctl", 5502),
         "lift": ("ylx-plc%02d", "liftmon", 6011), "patrol": ("ylx-app%02d", "patrold", 4410),
         "slope": ("ylx-app%02d", "sloped", 4415), "groom": ("ylx-app%02d", "groomd", 4420),
         "weather": ("ylx-iot%02d", "wxcollect", 5530), "school": ("ylx-app%02d", "schoold", 4488),
         "locker": ("ylx-edge%02d", "lockerd", 7003), "parking": ("ylx-edge%02d", "lprd", 7120),
         "shuttle": ("ylx-app%02d", "shuttled", 4501), "stats": ("ylx-app%02d", "reportd", 4600)}


MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 1, 17) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the back-end services are in Java and log the thread and the shortened logger
        thread, logger = THREADS[module]
        if "%" in thread:
            thread = thread % r.randint(1, 12)
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, thread, level, logger)
    if form == 1:
        # the operators' desk client writes the date, the level and the module in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        mod, term = DESKS[module]
        if "%" in term:
            term = term % r.randint(1, 8)
        return "[%d年%02d月%02d日 %s] 【%s】 <%s|%s> " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn,
                                                       mod, term)
    # the plant-room and edge boxes send syslog to one relay, the level in angle brackets
    host, daemon, pid = HOSTS[module]
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %2d %s %s %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                          host % r.randint(1, 3), daemon, pid, word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "S", 7 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
