#!/usr/bin/env python3
"""A GBK log of a water park's operations platform with its truth.

    bench/make_gbk_waterpark.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages of one summer
day at a water park: tickets checked at the gates (passed or refused) and gates going offline,
online ticket sales and failed payment callbacks, RFID wristbands bound, spent with, returned
and failing to read, ride queues and dispatches, queue-time warnings, the wave pool started
and stopped, rides' daily checks passed or failed, on-line water quality (pH, residual
chlorine, turbidity), manual water tests passed or failed, water-quality alarms, a chlorine
analyser that stops answering, circulation pump status and faults, dosing pumps started and
stopped, lifeguards signing in at their towers, changing shifts and making rescues, lockers
opened (or not) and returned, the first-aid room and emergencies, visitor counts and crowd
warnings, lightning warnings, lost property and the evening clearance. They were written to
measure the miner on and not to shape it: no rule was made or tuned on them. Each message
keeps its own frequency, gate checks by the hundred and a lightning warning once in a few
thousand lines; some pairs differ in a word or two only (开箱成功/开箱失败, 开始造浪/停止造浪,
加药泵启动/加药泵停止, 结果：合格/不合格) and count as different messages. One of three header
forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

GATES = ["东门1号闸机", "东门2号闸机", "东门3号闸机（年卡通道）", "西门1号闸机", "西门2号闸机（团队通道）",
         "南门VIP通道", "北门员工通道", "水世界二期 连廊闸机"]
TICKETS = ["成人日场票", "儿童票（1.2m以下）", "夜场票 18:00后", "双人套票", "家庭套票（2大1小）", "年卡", "团队票",
           "学生票", "长者优惠票"]
GATEFAILS = ["票已使用（重复入园）", "票号不存在", "非当日有效票", "人脸比对不一致，相似度0.61", "年卡已冻结",
             "儿童票需成人陪同，未检测到关联票", "二维码已过期 (QR_EXPIRED)"]
RIDES = ["极速滑道（高空）", "激流勇进（双人筏）", "巨兽碗", "彩虹滑道", "龙卷风暴", "漂流河（环园）", "儿童戏水寨",
         "大喇叭（4人筏）", "螺旋滑梯 A 线", "冲浪模拟器 FlowRider"]
OUTDOOR = ["极速滑道（高空）", "巨兽碗", "龙卷风暴", "大喇叭（4人筏）", "冲浪模拟器 FlowRider", "彩虹滑道"]
POOLS = ["造浪池", "漂流河", "儿童戏水池", "成人泳池（50m）", "温泉SPA池", "滑道落水池1", "滑道落水池2",
         "亲子嬉水区"]
WAVES = ["平浪 Calm", "海啸浪 Tsunami 3", "钻石浪", "连续浪（8秒周期）", "冲浪浪 Surf-L"]
WAVEPOOLS = ["造浪池（主池）", "夜场造浪池"]
SHOPS = ["椰林餐厅", "冰爽饮品站（2号）", "泳具商店", "沙滩小吃街-3号摊位", "快拍照片亭", "VIP遮阳亭租赁",
         "游泳圈租赁点", "海盗船餐吧"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY", "现金", "年卡余额"]
CHANNELS = ["官方小程序", "美团门票", "携程", "抖音团购", "旅行社团队", "前台窗口"]
TOWERS = ["1号救生塔（造浪池左侧）", "2号救生塔（造浪池右侧）", "3号岗（漂流河入口）", "4号岗（漂流河弯道）",
          "5号岗（儿童区）", "6号岗（滑道落水池）", "7号流动岗"]
GUARDNOTES = ["，已检查救生圈、救生杆", "，对讲机电量低，已更换", "，视线受遮阳伞遮挡，已调整", "，巡查发现池底有异物，已捞出"]
LOCKERERRS = ["LOCK_JAMMED", "BAND_NOT_MATCH", "DOOR_SENSOR_FAULT", "LOW_BATTERY", "TIMEOUT"]
LOCKERZONES = ["A", "B", "C", "D", "VIP"]
# dosing pump tag and the chemicals it may be fed with
DOSING = [("NaClO", ["次氯酸钠 10%", "三氯异氰尿酸（溶液）"]), ("HCl", ["盐酸（调pH）"]),
          ("NaHCO3", ["碳酸氢钠"]), ("PAC", ["聚合氯化铝（絮凝剂）"])]
TRIGGERS = ["余氯低于设定值", "pH高于7.8", "定时投加", "人工启动（值班员%s）", "浊度偏高", "余氯达到设定值",
            "pH恢复正常"]
WQACTIONS = ["加大加氯量并关闭该池30分钟", "已通知水处理班，循环过滤加开一台泵", "暂停开放，清场后补氯复测",
             "投加絮凝剂，反冲洗砂缸"]
SYMPTOMS = ["左膝擦伤，长约3cm", "脚底被划伤", "轻度中暑（头晕、乏力）", "呛水", "眼睛被泳池水刺激发红", "鼻出血",
            "手指被储物柜门夹伤", "晒伤（背部）", "腹痛、恶心"]
TREATMENTS = ["碘伏消毒、创可贴包扎", "清创后纱布包扎", "阴凉处休息，补充淡盐水", "生理盐水冲洗", "冷敷，观察20分钟",
              "涂抹芦荟胶", "建议就医，已联系家属"]
AIDNOTES = ["，家长陪同", "，已登记《游客伤情记录表》", "，游客拒绝进一步处理并签字"]
VICTIMS = ["儿童（约7岁，男）", "成年女性", "成年男性（饮酒）", "老年游客", "儿童（约5岁，女）"]
RESCUES = ["意识清醒，已送医务室观察", "呛水，现场处理后恢复", "已交由家属", "已送医院进一步检查"]
EMERGENCIES = ["突发晕厥", "溺水后呼吸微弱", "疑似心脏骤停", "从滑道出口摔倒，头部出血", "过敏性休克症状"]
PUMPFAULTS = ["Motor over temperature", "Phase loss L2", "Dry run protection", "Inverter overcurrent (OC2)",
              "Seal leakage detected"]
WQINDS = [("pH", 6.2, 6.9, "7.0～7.8"), ("pH", 7.9, 8.6, "7.0～7.8"), ("游离性余氯", 0.05, 0.25, "0.3～1.0mg/L"),
          ("游离性余氯", 1.2, 2.5, "0.3～1.0mg/L"), ("浊度", 0.6, 2.4, "≤0.5NTU"), ("尿素", 3.6, 6.0, "≤3.5mg/L")]
RIDEFAULTS = ["滑道第12节接缝开裂", "安全绳磨损超标", "扶梯防滑条脱落", "落水池水深不足1.0m", "紧急停止按钮无响应",
              "水泵出水压力偏低"]
MEASURES = ["暂停线上售票", "东门、西门限流放行", "启用临时排队区", "通知各项目延长开放时间"]
LOSTITEMS = ["黑色钱包（内有身份证）", "iPhone 手机（蓝色手机壳）", "儿童泳镜", "车钥匙（Benz）", "银色手镯", "防水相机袋"]
SHELTERS = ["室内游泳馆", "美食广场", "游客中心一楼", "更衣室大厅"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
READERS = ["RD-01", "RD-07", "POS-R12", "KIOSK-3", "LK-A-02"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, style):
    d = datetime.date(2026, 7, 18) + datetime.timedelta(days=r.randint(lo, hi))
    if style == 0:
        return d.isoformat()
    if style == 1:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    return d.strftime("%Y%m%d")


def hm(r):
    return "%02d:%02d" % (r.randint(9, 21), r.randint(0, 59))


def band(r):
    return "RF-%08X" % r.getrandbits(32)


def ticket(r):
    return "WP260718%06d" % r.randint(1, 60000)


def order(r):
    return "T%s%010d" % (r.choice(["MP", "XC", "DY", "GW", "TD"]), r.randint(0, 10 ** 10 - 1))


def locker(r):
    return "%s%d-%03d" % (r.choice(LOCKERZONES), r.randint(1, 4), r.randint(1, 240))


def pump(r):
    return "%s-%02d" % (r.choice(["CP", "WP", "FP"]), r.randint(1, 16))


def tested(ok):
    """pH and free chlorine of a manual test, inside the limits if ok, else one of them outside."""
    def make(r):
        ph, cl = r.uniform(7.1, 7.7), r.uniform(0.35, 0.95)
        if not ok:
            if r.random() < 0.5:
                ph = r.choice([r.uniform(6.3, 6.9), r.uniform(7.9, 8.5)])
            else:
                cl = r.choice([r.uniform(0.05, 0.25), r.uniform(1.1, 2.2)])
        return "pH %.2f，游离性余氯 %.2f mg/L" % (ph, cl)
    return make


def wqalarm(r):
    ind, lo, hi, lim = r.choice(WQINDS)
    return "指标「%s」当前值%.2f，限值%s" % (ind, r.uniform(lo, hi), lim)


def trigger(r):
    t = r.choice(TRIGGERS)
    return t % name(r) if "%" in t else t


def duration(r):
    m = r.randint(12, 540)
    return "%d小时%02d分" % (m // 60, m % 60) if m >= 60 else "%d分钟" % m


def lastseen(r):
    return "07/18 %02d:%02d:%02d" % (r.randint(8, 21), r.randint(0, 59), r.randint(0, 59))


def sexage(r):
    if r.random() < 0.35:
        return "%s，%d岁" % (r.choice(["男", "女"]), r.randint(3, 12))
    return "%s，%d岁" % (r.choice(["男", "女"]), r.randint(16, 72))


def dosing(r):
    tag, chems = r.choice(DOSING)
    _chosen["chem"] = r.choice(chems)
    return "加药泵%s#%d" % (tag, r.randint(1, 4))


def inpark(r):
    _chosen["cap"] = r.choice([12000, 15000, 18000])
    _chosen["in"] = r.randint(int(_chosen["cap"] * 0.85), int(_chosen["cap"] * 0.99))
    return str(_chosen["in"])


V = {
    "name": name, "hm": hm, "band": band, "ticket": ticket, "order": order, "locker": locker, "pump": pump,
    "gate": pick(GATES), "tickettype": pick(TICKETS), "gatefail": pick(GATEFAILS), "ride": pick(RIDES),
    "pool": pick(POOLS), "wave": pick(WAVES), "wavepool": pick(WAVEPOOLS), "shop": pick(SHOPS),
    "paych": pick(PAYCH), "channel": pick(CHANNELS), "tower": pick(TOWERS), "lockerr": pick(LOCKERERRS),
    "chem": lambda r: _chosen["chem"], "trigger": trigger, "wqaction": pick(WQACTIONS), "symptom": pick(SYMPTOMS),
    "treatment": pick(TREATMENTS), "victim": pick(VICTIMS), "rescueresult": pick(RESCUES),
    "emergency": pick(EMERGENCIES), "faultmsg": pick(PUMPFAULTS), "ridefault": pick(RIDEFAULTS),
    "measure": pick(MEASURES), "lostitem": pick(LOSTITEMS), "shelter": pick(SHELTERS),
    "httpfail": pick(HTTPFAILS), "reader": pick(READERS), "sexage": sexage,
    "okwater": tested(True), "badwater": tested(False), "wqalarm": wqalarm, "duration": duration,
    "lastseen": lastseen, "inpark": inpark,
    "cap": lambda r: str(_chosen["cap"]), "pct": lambda r: "%.1f" % (100.0 * _chosen["in"] / _chosen["cap"]),
    "visitdate": lambda r: day(r, 0, 30, r.choice([0, 1, 2])), "today": lambda r: day(r, 0, 0, 1),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "rides": items(OUTDOOR, 2, 4), "color": pick(["黄色", "橙色", "红色"]),
    "gatextra": optional(lambda r: "，%s" % r.choice(["人脸核验通过", "身高检测 1.18m", "携带儿童1名",
                                                     "年卡第%d次入园" % r.randint(2, 60)]), 0.35),
    "lockertail": optional(lambda r: "，剩余空柜%d个" % r.randint(0, 320), 0.4),
    "guardnote": optional(pick(GUARDNOTES), 0.3),
    "aidnote": optional(pick(AIDNOTES), 0.45),
    "aed": pick(["已取用", "未使用", "已取用 并已除颤1次"]),
    "fastpass": optional(lambda r: "（FastPass 放行比例%d%%）" % r.choice([10, 20, 30]), 0.5),
    "n": rint(1, 5), "qty": rint(1, 4), "riders": rint(1, 4), "batch": rint(1, 480),
    "qlen": rint(0, 260), "wait": rint(0, 75), "thru": rint(120, 900),
    "longwait": rint(60, 150), "thr": pick(["45", "60", "90"]),
    "small": real(6, 268, "%.2f"), "bal": real(0, 500, "%.2f"), "deposit": pick(["20", "50", "100"]),
    "money": real(99, 1280, "%.2f"),
    "ph": real(7.0, 7.8, "%.2f"), "cl": real(0.3, 1.0, "%.2f"), "ntu": real(0.05, 0.5, "%.2f"),
    "wtemp": real(25.5, 31.5), "ccl": real(0.05, 0.4, "%.2f"),
    "hz": real(35, 50), "flow": rint(180, 1450), "mpa": real(0.18, 0.42, "%.2f"), "amp": real(22, 95),
    "dosing": dosing,
    "dose": real(1.5, 24.0), "wh": real(0.4, 1.8, "%.1f"), "wmin": rint(5, 20),
    "lgcert": rint(0, 10 ** 7 - 1, "JSY%07d"), "mins": rint(5, 120), "secs": rint(15, 240),
    "faultcode": lambda r: "F%03d" % r.randint(1, 120), "total": rint(3000, 42000), "load": rint(12, 99),
    "try": rint(1, 3), "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 8), r.randint(10, 250)),
    "hbsec": rint(30, 600), "checks": rint(18, 46),
    "analyzer": lambda r: "CLA-%s%d" % (r.choice("ABC"), r.randint(1, 8)), "ms": rint(1000, 5000),
    "visitors": rint(800, 14500),
    "lostno": lambda r: "LF-0718-%03d" % r.randint(1, 99), "left": rint(0, 12),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "gate", "闸机核验通过：{gate}，票种「{tickettype}」，票号{ticket}，入园{n}人{gatextra}"),
    (160, "INFO", "ride", "queue status ride=「{ride}」 queue_len={qlen} wait={wait}min throughput={thru}/h"),
    (150, "INFO", "band", "手环消费：手环号{band}，商户【{shop}】，消费{small}元，余额{bal}元"),
    (115, "INFO", "locker", "储物柜开箱成功：柜号{locker}，手环{band}{lockertail}"),
    (100, "INFO", "ride", "项目发车：「{ride}」第{batch}批，载客{riders}人，调度员{name}"),
    (90, "INFO", "band", "手环绑定成功：票号{ticket} -> 手环{band}，押金{deposit}元（{paych}）"),
    (70, "INFO", "wq", "水质在线监测 pool=「{pool}」 pH={ph} 余氯={cl}mg/L 浊度={ntu}NTU 水温={wtemp}℃"),
    (60, "INFO", "guard", "救生员到岗签到：{tower}，救生员{name}（证号{lgcert}），已在岗{mins}分钟{guardnote}"),
    (50, "INFO", "ticket", "线上购票成功：订单号{order}，{tickettype}×{qty}，入园日期{visitdate}，实付{money}元，渠道《{channel}》"),
    (40, "INFO", "pump", "pump status id={pump} freq={hz}Hz flow={flow}m3/h pressure={mpa}MPa current={amp}A"),
    (35, "INFO", "locker", "储物柜退还：柜号{locker}，手环{band}，使用时长{duration}"),
    (30, "WARN", "gate", "闸机核验不通过：{gate}，票号{ticket}，原因：{gatefail}"),
    (24, "WARN", "locker", "储物柜开箱失败：柜号{locker}，手环{band}，err={lockerr}"),
    (22, "INFO", "band", "手环退还：手环号{band}，退押金{deposit}元，退余额{bal}元，原路退回（{paych}）"),
    (20, "INFO", "wave", "造浪机开始造浪：{wavepool}，浪型「{wave}」，浪高{wh}m，时长{wmin}分钟"),
    (18, "INFO", "wave", "造浪机停止造浪：{wavepool}，浪型「{wave}」，浪高{wh}m，时长{wmin}分钟"),
    (16, "WARN", "ride", "排队超时预警：「{ride}」当前等待{longwait}分钟，超过阈值{thr}分钟{fastpass}"),
    (15, "INFO", "wq", "人工水质检测：{pool}，检测员{name}，{okwater}，化合性余氯{ccl}mg/L，结果：合格"),
    (12, "INFO", "pump", "加药泵启动：{dosing}，药剂「{chem}」，投加量{dose}L/h，触发条件：{trigger}"),
    (11, "INFO", "pump", "加药泵停止：{dosing}，药剂「{chem}」，投加量{dose}L/h，触发条件：{trigger}"),
    (10, "INFO", "aid", "医务室接诊：游客{name}（{sexage}），症状：{symptom}，处置：{treatment}{aidnote}"),
    (8, "WARN", "wq", "水质超标告警：pool=「{pool}」 {wqalarm}，已持续{mins}分钟"),
    (7, "INFO", "guard", "救生员轮岗交接：{tower}，{name} → {name}，交接时间{hm}"),
    (6, "INFO", "park", "园区客流统计：截至{hm}在园{visitors}人，今日累计入园{total}人，承载率{load}%"),
    (5, "WARN", "guard", "救生员施救：{tower}，{pool}，被救者{victim}，施救人{name}，用时{secs}秒，{rescueresult}"),
    (4.5, "ERROR", "pump", "PumpFault: id={pump} code={faultcode} msg=\"{faultmsg}\"，已切换备用泵{pump}"),
    (4, "INFO", "ride", "设备日检完成：「{ride}」检查项{checks}项全部正常，签字人：{names}"),
    (4, "ERROR", "ticket", "支付回调异常：order={order} channel={paych} HTTP {httpfail}，重试{try}/3"),
    (3.5, "WARN", "wq", "人工水质检测：{pool}，检测员{name}，{badwater}，化合性余氯{ccl}mg/L，结果：不合格，处理：{wqaction}"),
    (3, "ERROR", "band", "手环读写异常：读卡器{reader}（{shop}）com.rfid.TagReadException: CRC mismatch，手环{band}"),
    (3, "WARN", "park", "客流预警：在园人数{inpark}，已达最大承载量{cap}人的{pct}%，措施：{measure}"),
    (2.5, "WARN", "aid", "急救事件上报：{pool}附近游客{name}{emergency}，已呼叫120，AED {aed}，现场负责人{name}"),
    (2.5, "ERROR", "gate", "闸机离线：{gate} ip={ip} 心跳超时{hbsec}s（last seen {lastseen}），已切换人工检票"),
    (2, "WARN", "ride", "设备日检异常：「{ride}」发现{ridefault}，项目暂停开放，预计恢复时间{hm}"),
    (2, "ERROR", "wq", "余氯分析仪通讯中断：analyzer={analyzer} Modbus timeout after {ms}ms，{pool}水质数据缺失"),
    (1.6, "INFO", "park", "失物招领登记：编号{lostno}，物品：{lostitem}，拾获地点{pool}，拾获人{name}"),
    (1.4, "WARN", "park", "雷电预警：气象台发布{color}雷电预警，户外项目{rides}暂停，游客引导至{shelter}"),
    (1.4, "INFO", "park", "闭园清场完成：{today}，园内滞留0人，巡场人员：{names}，储物柜未退还{left}个"),
]

# which service and host each module's lines come from, for the headers
THREADS = {"gate": "gate-worker-%d", "ride": "queue-sched-%d", "band": "rfid-pos-%d", "locker": "locker-io-%d",
           "wq": "wq-poller-%d", "guard": "patrol-%d", "ticket": "order-http-%d", "pump": "plc-modbus-%d",
           "wave": "wave-ctl-%d", "aid": "clinic-%d", "park": "stat-job-%d"}
CLASSES = {"gate": "c.l.aqua.gate.GateCheckService", "ride": "c.l.aqua.ride.QueueMonitor",
           "band": "c.l.aqua.band.WristbandService", "locker": "c.l.aqua.locker.LockerController",
           "wq": "c.l.aqua.water.QualityCollector", "guard": "c.l.aqua.safety.PatrolService",
           "ticket": "c.l.aqua.order.TicketOrderService", "pump": "c.l.aqua.plant.PumpStation",
           "wave": "c.l.aqua.ride.WaveMachine", "aid": "c.l.aqua.safety.ClinicService",
           "park": "c.l.aqua.ops.ParkStats"}
PLACES = {"gate": "检票系统", "ride": "项目调度", "band": "一卡通", "locker": "储物柜", "wq": "水处理中控",
          "guard": "安全巡查", "ticket": "票务中心", "pump": "泵房PLC", "wave": "造浪机房", "aid": "医务室",
          "park": "运营看板"}
HOSTS = {"gate": "lb-gate-01", "ride": "lb-ride-02", "band": "lb-pay-01", "locker": "lb-locker-01",
         "wq": "lb-plant-01", "guard": "lb-safety-01", "ticket": "lb-pay-02", "pump": "lb-plant-01",
         "wave": "lb-plant-02", "aid": "lb-safety-01", "park": "lb-ops-01"}
PIDS = {"gate": 1402, "ride": 2210, "band": 1733, "locker": 1788, "wq": 3051, "guard": 2644, "ticket": 1730,
        "pump": 3052, "wave": 3090, "aid": 2650, "park": 4012}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 7, 18) + datetime.timedelta(seconds=t)
    if form == 0:
        # the park's Java back end logs level, thread and class, with milliseconds after a comma
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level,
                                           THREADS[module] % r.randint(1, 8), CLASSES[module])
    if form == 1:
        # the operations desk's own client writes the level and the subsystem in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s] [%s] [%s@%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), cn, PLACES[module], HOSTS[module])
    # the plant room gateway forwards to syslog, with a one-letter level in angle brackets
    return "%s %s aqua-%s[%d]: <%s> " % (at.strftime("%b %d %H:%M:%S"), HOSTS[module], module, PIDS[module],
                                        level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "W", 8 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
