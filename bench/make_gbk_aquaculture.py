#!/usr/bin/env python3
"""A GBK log of a coastal aquaculture company's farm-management and IoT system with its truth.

    bench/make_gbk_aquaculture.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 35 messages (water-quality
probe readings of dissolved oxygen, pH, salinity and ammonia, probes going offline and back
online over MQTT, low-oxygen, pH and ammonia alarms, aerators switched on and switched off,
feeder runs and feeder jams, daily feeding plans, feed issued from the store, fry stocked with
quarantine numbers, sampling weights, disease rounds with nothing found or a suspected disease,
medication with its withdrawal period, harvest requests approved or refused for withdrawal,
harvests graded by size, traceability codes issued and scanned by buyers, cold-room readings
and over-temperature alarms, live-fish trucks leaving and arriving, sales orders, SMS alarms
to the staff on duty sent or failed, alarms acknowledged, diver checks of cage nets, mains
failures with the generator started, typhoon warnings, shift handovers and failed uploads to
the provincial traceability platform), written to measure the miner on and not to shape it: no
rule was made or tuned on them. Each message keeps its own frequency, probe readings every few
seconds and a typhoon warning or a mains failure a few times in a run. One of three header
forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

BASES = ["东山基地", "漳浦高位池基地", "霞浦外海网箱区", "湛江东海岛车间", "宁德三都澳渔排"]
SPECIES = ["南美白对虾", "大黄鱼", "石斑鱼（珍珠龙胆）", "海鲈", "卵形鲳鲹（金鲳）", "刺参", "梭子蟹", "牡蛎 (单体)"]
# feed names as the store keeps them: maker's line, kind and pellet size
FEEDS = ["蓝湾牌 对虾配合饲料2号（1.2mm）", "海鲈膨化料 9#（粗蛋白42%）", "大黄鱼软颗粒料", "石斑鱼沉性料 S4",
         "金鲳浮性料（3.0mm，夏季型）", "虾苗开口料 0#"]
FEEDCODES = ["F-DX02", "F-HL09", "F-DH01", "F-SB04", "F-JC30", "F-XM00"]
TRIGGERS = ["溶氧联动", "定时策略（夜间）", "手动（APP）", "手动（现场按钮）", "阴雨天策略"]
DISEASES = ["白斑综合征（WSSV）", "急性肝胰腺坏死（AHPND）", "刺激隐核虫病（白点病）", "弧菌病", "烂鳃病",
            "肠炎", "虹彩病毒病"]
CHECKS = ["体表", "鳃丝", "肝胰腺", "肠道", "摄食情况", "游动姿态", "粪便"]
# drug, dose, days of use, withdrawal days
DRUGS = [("聚维酮碘溶液（10%）", "0.3ml/m3 全池泼洒", 2, 3), ("氟苯尼考粉", "10mg/kg体重 拌饵", 5, 7),
         ("恩诺沙星粉（水产用）", "20mg/kg体重 拌饵", 7, 25), ("二氧化氯泡腾片", "0.2g/m3 全池泼洒", 3, 2),
         ("盐酸多西环素粉", "20mg/kg体重 拌饵", 5, 30), ("硫酸新霉素粉", "5mg/kg体重 拌饵", 4, 15)]
HATCHERIES = ["漳州诚鑫育苗场", "宁德官井洋苗种站", "海南文昌某虾苗场", "本场育苗车间", "湛江东海岛虾苗基地"]
GRADES = ["特大（≥600g）", "大（400-600g）", "中（250-400g）", "小（<250g）", "统货"]
# cold room, set point, usual range of readings
ROOMS = [("1号冷库（-18℃）", -18, -20.5, -16.5), ("2号冷库（-25℃速冻）", -25, -27.5, -22.5),
         ("保鲜库A（0~4℃）", 2, 0.2, 4.4), ("3号冷库", -18, -21, -16)]
DESTS = ["福州海峡水产品市场", "广州黄沙水产市场", "厦门高崎码头", "上海江杨农产品市场", "杭州勾庄农副产品市场",
         "深圳布吉海鲜批发市场（二期）"]
CUSTOMERS = ["鹭岛海鲜酒楼", "鲜渔汇生鲜超市", "陈记水产经销部", "海之味餐饮连锁（思明店）", "福清老林海鲜行",
             "Sea Harvest Trading Ltd."]
ALARMKINDS = ["溶氧过低", "pH异常", "氨氮超标", "水温突变", "设备离线", "冷库超温", "停电"]
ACTIONS = ["开启备用增氧机", "减少投喂量", "换水30%", "现场复测后解除", "更换探头", "通知电工检修", "泼洒增氧剂"]
GATEWAYS = ["gw-ds-01", "gw-zp-02", "gw-xp-cage07", "gw-zj-ws03", "lora-sd-11"]
NETSTATE = ["完好", "局部附着物较多", "东北角破洞约20cm，已缝补", "浮球松脱2个，已复位", "沉子绳磨损"]
MEASURES = ["网箱下沉、加固锚缆", "提前起捕商品鱼", "人员撤离渔排", "加固浮排并备足发电机油料"]
TYPHOONS = ["海燕", "蓝鲸", "白鹭", "银杏", "青鸾"]
SHIFTS = ["白班（08:00-20:00）", "夜班（20:00-08:00）", "中班"]
UAS = ["Mozilla/5.0 (Linux; Android 13; V2241A) MiniProgram/3.2", "Mozilla/5.0 (iPhone; CPU iPhone OS 17_4 like Mac OS X)",
       "okhttp/4.9.3", "TraceScan-POS/1.0.7"]
CITIES = ["福州", "厦门", "上海", "杭州", "广州", "深圳", "南京", "北京"]
HOSTS = ["ds-edge01", "zp-edge02", "xp-cagebox", "zj-ws-srv", "cloud-app-3"]
LOGGERS = ["farmd", "farmd.mqtt", "farmd.jobs"]
STATIONS = ["中控室", "饲料仓", "化验室", "冷链调度", "渔排值班"]


def pond(r):
    """A pond, raceway tank or sea cage, named in one of the ways the bases name them."""
    k = r.randint(0, 4)
    if k == 0:
        return "%s%d号塘" % (r.choice(["东山", "漳浦", "东海岛"]), r.randint(1, 48))
    if k == 1:
        return "%s区%02d号池" % (r.choice("ABCD"), r.randint(1, 30))
    if k == 2:
        return "高位池G-%02d" % r.randint(1, 24)
    if k == 3:
        return "深水网箱HX-%d（外海）" % r.randint(1, 36)
    return "车间%d-%02d池" % (r.randint(1, 4), r.randint(1, 40))


def probe(r):
    return r.choice(["DO-%04X" % r.getrandbits(16), "AQ-P%05d" % r.randint(1, 99999),
                     "%s-%02d" % (r.choice(["YSI6920", "WQ3-S"]), r.randint(1, 99))])


def aerator(r):
    return r.choice(["%d#叶轮式增氧机" % r.randint(1, 12), "%d#水车式增氧机" % r.randint(1, 8),
                     "微孔增氧 %s%02d" % (r.choice("ABC"), r.randint(1, 20))])


def feeder(r):
    return "TL-%s%03d" % (r.choice(["ZD", "FS", "QF"]), r.randint(1, 240))


def drugline(r):
    drug, dose, days, wd = r.choice(DRUGS)
    end = r.randint(18, 30) + days + wd
    until = "%d月%d日" % (4 + (end - 1) // 30, (end - 1) % 30 + 1)
    return "%s，%s，连用%d天，休药期%d天（至%s止）" % (drug, dose, days, wd, until)


def harvest(r):
    """The weight landed and its split by size, which adds up to it."""
    chosen = r.sample(GRADES[:4], r.randint(2, 4))
    kgs = [r.uniform(30, 2600) for _ in chosen]
    return "%.1fkg，分级结果：%s" % (sum(kgs), "、".join("%s%.1fkg" % gk for gk in zip(chosen, kgs)))


def withdrawing(r):
    """A drug with a withdrawal period and the days of it still to run."""
    drug, _, _, wd = r.choice(DRUGS)
    return "%s，剩余%d天" % (drug, r.randint(1, wd))


def fryspec(r):
    return r.choice(["P%d" % r.randint(5, 15), "体长%.1fcm" % r.uniform(1.2, 9), "%d尾/斤" % r.randint(8, 400)])


def coldread(r):
    room, _, lo, hi = r.choice(ROOMS)
    return "%s库温%.1f℃" % (room, r.uniform(lo, hi))


def coldbad(r):
    room, setp, _, hi = r.choice(ROOMS)
    return "%s当前%.1f℃，设定值%d℃" % (room, r.uniform(hi + 1.5, hi + 9), setp)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def plate(r):
    return "%s%s·%s" % (r.choice("闽粤浙琼"), r.choice("ABCDEJ"), "%05d" % r.randint(0, 99999) if r.random() < 0.6
                         else "%d%sL%02d" % (r.randint(1, 9), r.choice("DFKX"), r.randint(0, 99)))


def date(r):
    return "%d月%d日" % (4, r.randint(17, 30))


def hm(r):
    return "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59))


def amount(r):
    kg, price = r.uniform(50, 3000), r.uniform(18, 280)
    return "%.1fkg，单价%.2f元/kg，合计%.2f元" % (kg, price, kg * price)


V = {
    "pond": pond, "probe": probe, "aerator": aerator, "feeder": feeder, "drugline": drugline, "harvest": harvest,
    "withdrawing": withdrawing, "fryspec": fryspec, "phone": phone, "plate": plate, "date": date, "hm": hm,
    "amount": amount, "name": name, "coldread": coldread, "coldbad": coldbad,
    "base": pick(BASES), "species": pick(SPECIES), "feed": pick(FEEDS),
    "feedlot": lambda r: "%s《%s》" % r.choice(list(zip(FEEDCODES, FEEDS))),
    "trigger": pick(TRIGGERS), "disease": pick(DISEASES), "checks": items(CHECKS, 2, 4),
    "hatchery": pick(HATCHERIES), "grade": pick(GRADES),
    "dest": pick(DESTS), "cust": pick(CUSTOMERS), "alarmkind": pick(ALARMKINDS), "action": pick(ACTIONS),
    "gw": pick(GATEWAYS), "netstate": pick(NETSTATE), "measures": pick(MEASURES), "shift": pick(SHIFTS),
    "ua": pick(UAS), "city": pick(CITIES), "typhoon": pick(TYPHOONS),
    "do": real(3.5, 9.8, "%.2f"), "dolow": real(1.2, 3.4, "%.2f"), "dolim": pick(["3.5", "4.0", "4.5"]),
    "ph": real(7.6, 8.7, "%.2f"), "phbad": lambda r: "%.2f" % r.choice([r.uniform(6.4, 7.3), r.uniform(8.9, 9.6)]),
    "sal": real(8, 34, "%.1f"), "wt": real(16, 31.5, "%.1f"), "nh3": real(0.02, 0.45, "%.3f"),
    "nh3hi": real(0.6, 2.8, "%.2f"), "no2": real(0.05, 0.9, "%.2f"),
    "rssi": rint(-118, -71), "hms": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "uptime": lambda r: "%dd%02dh" % (r.randint(0, 40), r.randint(0, 23)), "fw": pick(["v2.3.1", "v2.4.0-rc2", "v1.9.8"]),
    "kg": real(1.5, 85, "%.1f"), "kgsmall": real(0.2, 12, "%.1f"), "kgbig": real(200, 9800, "%.0f"),
    "mins": rint(3, 95), "code": rint(10, 47), "bagkg": lambda r: (lambda n: "%d袋，共%dkg" % (n, n * r.choice([20, 25, 40])))(r.randint(2, 160)),
    "n": rint(20, 120), "ponds": rint(6, 64),
    "outno": rint(1, 99999, "CK20260417%05d"), "quar": rint(0, 10 ** 10 - 1, "350%010d"),
    "fry": real(0.5, 180, "%.1f"), "g": real(0.8, 780, "%.1f"), "cm": real(2, 41, "%.1f"), "pct": real(62, 99.8, "%.1f"), "alive": real(86, 99.9, "%.1f"),
    "tons": real(0.4, 46, "%.2f"), "batch": rint(1, 999, "PC260417-%03d"),
    "trace": lambda r: "35%04d%02d%010d" % (r.randint(1, 9999), r.randint(1, 12), r.randint(0, 10 ** 10 - 1)),
    "ms": rint(8, 4800), "hum": rint(70, 96), "mpa": real(0.05, 0.35, "%.2f"), "hours": real(1.5, 26, "%.1f"),
    "so": lambda r: "XS-%s-%04d" % (r.choice(["DS", "ZP", "XP", "ZJ"]), r.randint(1, 9999)),
    "status": pick(["500", "502", "503", "504", "401"]), "retry": rint(1, 3), "load": rint(18, 260), "oil": rint(12, 98),
    "alarmid": lambda r: "ALM%08d" % r.randint(1, 99999999), "depth": real(6, 28, "%.1f"), "tno": rint(1, 28),
    "cage": lambda r: "HX-%d号网箱（%s）" % (r.randint(1, 36), r.choice(["周长60m", "周长80m", "方形12x12m"])),
    "msgid": lambda r: "%016x" % r.getrandbits(64), "smsstat": pick(["DELIVRD", "已送达", "待回执"]),
    "errcode": pick(["isv.BUSINESS_LIMIT_CONTROL", "ERR_SIGN_MISMATCH", "E1004 余额不足", "timeout"]),
    "basis": pick(["存塘量×投饵率", "上次抽样均重", "水温修正系数", "饲料系数1.3"]),
    "leftover": optional(lambda r: "，剩料%.1fkg" % r.uniform(0.1, 4), 0.3),
    "note": optional(lambda r: "（备注：%s）" % r.choice(["夜间巡塘发现", "已拍照上传", "复测正常", "家属代接电话"]), 0.35),
    "remark": optional(lambda r: "，遗留事项：%s" % r.choice(["3号增氧机异响待修", "饲料仓剩余不足2吨",
                                                          "G-07探头数据跳变", "冷库门封条老化"]), 0.5),
    "approver": optional(lambda r: "，复核人%s" % name(r), 0.4),
}

# weight, level, message
TEMPLATES = [
    (180, "INFO", "水质采集 塘口={pond} 探头={probe} DO={do}mg/L pH={ph} 水温={wt}℃ 盐度={sal}‰ 氨氮={nh3}mg/L"),
    (95, "INFO", "投饵完成：{pond}投饵机{feeder}，饲料《{feed}》，本餐投喂{kg}kg，用时{mins}分钟{leftover}"),
    (70, "INFO", "增氧机{aerator}已开启（{pond}），触发方式：{trigger}，当前溶氧{do}mg/L"),
    (62, "INFO", "增氧机{aerator}已关闭（{pond}），触发方式：{trigger}，当前溶氧{do}mg/L"),
    (48, "WARN", "溶氧偏低告警：{pond}探头{probe}读数{dolow}mg/L，低于下限{dolim}mg/L，已联动开启增氧"),
    (40, "INFO", "GET /api/trace/v2/query?code={trace} 200 {ms}ms ua=\"{ua}\" city={city}"),
    (34, "INFO", "冷库巡检：{coldread}，湿度{hum}%，在库{species}{tons}吨"),
    (30, "WARN", "[MQTT] device {probe} offline, last_seen={hms}, rssi={rssi}dBm, gateway={gw}"),
    (27, "INFO", "[MQTT] device {probe} online, fw={fw}, uptime={uptime}, gateway={gw}"),
    (25, "INFO", "短信告警已发送：接收人{name}（{phone}），内容「{pond}{alarmkind}，请尽快处理」，回执{smsstat}"),
    (22, "INFO", "告警{alarmid}已由值班员{name}确认，处理措施：{action}{note}"),
    (20, "INFO", "抽样称重：{pond}{species}抽样{n}尾，平均体重{g}g，平均体长{cm}cm，估算成活率{pct}%"),
    (18, "INFO", "饲料出库：单号{outno}，{feedlot}{bagkg}，领用塘口{pond}，领料人{name}"),
    (16, "INFO", "病害巡检：{pond}{species}，检查{checks}，结论：未见异常，巡检员{name}"),
    (7, "WARN", "病害巡检：{pond}{species}，检查{checks}，结论：疑似{disease}，巡检员{name}，已取样送检"),
    (14, "WARN", "pH超限：{pond} pH={phbad}，正常范围7.5~8.8，探头{probe}"),
    (11, "WARN", "氨氮超标：{pond}氨氮{nh3hi}mg/L、亚硝酸盐{no2}mg/L，超出养殖用水标准，请值班人员复核"),
    (12, "ERROR", "投饵机{feeder}故障 code=E{code}：下料口堵塞，{pond}本餐投喂中止，已投{kgsmall}kg"),
    (10, "INFO", "活鱼车{plate}发车：装载{species}{kgbig}kg，水温{wt}℃，充氧压力{mpa}MPa，目的地：{dest}，司机{name}"),
    (9, "INFO", "活鱼车{plate}抵达{dest}，在途{hours}小时，到货成活率{alive}%，签收人{name}"),
    (9, "INFO", "销售订单{so}已确认：客户【{cust}】，{species}{grade}{amount}"),
    (8, "INFO", "用药登记：{pond}{species}，{drugline}，处方兽医{name}{approver}"),
    (7, "INFO", "生成溯源码{trace}：批次{batch}，{species}，来源{pond}，规格{grade}，净重{kg}kg"),
    (6, "INFO", "苗种投放：{pond}放养{species}苗{fry}万尾，规格{fryspec}，来源：{hatchery}，检疫证号{quar}"),
    (5, "INFO", "出塘申请通过：{pond}{species}预计{tons}吨，计划{date}{hm}起捕，审批人{name}"),
    (2.5, "WARN", "出塘申请驳回：{pond}仍在休药期内（{withdrawing}），申请人{name}"),
    (4.5, "INFO", "起捕完成：{pond}实收{species}{harvest}"),
    (4, "INFO", "投喂计划已生成：{date}，{base}共{ponds}个塘口，饲料总量{kgbig}kg，依据：{basis}"),
    (3.5, "ERROR", "SMS gateway error: POST https://sms-api.internal/v1/send returned {status}, phone={phone}, "
                   "err={errcode}, retry={retry}/3"),
    (3, "WARN", "冷库超温告警：{coldbad}，已持续{mins}分钟，请检查压缩机"),
    (2.5, "INFO", "交接班：{base}{shift}，交班人{name}，接班人{name}{remark}"),
    (1.8, "INFO", "网箱巡检：{cage}网衣{netstate}，潜水员{name}，下潜深度{depth}m"),
    (1.6, "ERROR", "com.aqua.trace.sync.UploadJob - 上报省级水产品追溯平台失败：HTTP {status}，批次{batch}，"
                   "{n}条记录，耗时{ms}ms"),
    (1.3, "ERROR", "配电房市电中断：{base}备用发电机已自动启动，负载{load}kW，油位{oil}%"),
    (1.2, "WARN", "【台风预警】第{tno}号台风「{typhoon}」预计{date}影响{base}，请{measures}"),
]


def header(r, form, t, level):
    day, hh, mm, ss = 17 + t // 86400, t // 3600 % 24, t // 60 % 60, t % 60
    ms = r.randint(0, 999)
    if form == 0:
        # the edge collectors run Python and keep logging's default-like layout with the process and thread
        return "2026-04-%02d %02d:%02d:%02d,%03d - %s - %s - [pid %d|%s] " % (
            day, hh, mm, ss, ms, r.choice(LOGGERS), {"WARN": "WARNING"}.get(level, level),
            r.randint(1200, 1260), r.choice(["MainThread", "Worker-%d" % r.randint(1, 16), "mqtt-loop"]))
    if form == 1:
        # the farm control-room console writes the station and a Chinese level in square brackets
        cn = {"INFO": "提示", "WARN": "警示", "ERROR": "严重"}[level]
        return "[2026年4月%d日 %02d:%02d:%02d][%s][%s] 会话%04X>" % (
            day, hh, mm, ss, r.choice(STATIONS), cn, r.getrandbits(16))
    # the cloud services write one JSON-ish prefix with a numeric level, then the text
    num = {"INFO": 30, "WARN": 40, "ERROR": 50}[level]
    return '{"ts":"2026-04-%02dT%02d:%02d:%02d.%03d+08:00","lvl":%d,"host":"%s","req":"%08x"} ' % (
        day, hh, mm, ss, ms, num, r.choice(HOSTS), r.getrandbits(32))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "Q", 4 * 3600 + 20 * 60, (0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
