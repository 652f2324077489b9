#!/usr/bin/env python3
"""A GBK log of a commercial printing and packaging factory's MES with its truth.

    bench/make_gbk_printing.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 31 messages (print jobs
queued and scheduled, late orders, customers approving or sending back artwork, plates made
and scrapped, ink drawn and the presses' ink keys, colour checks with ΔE in and out of
tolerance, press speed, register out of tolerance, paper reels loaded and web breaks, job
changeovers, machine stops and restarts, alarms from the press controllers, lamination and
die-cutting, QC sampling passed or rejected, finished goods into the warehouse, picking,
material short, courier hand-off and the carriers' API failing, workshop climate, shift
handovers, the daily report), written to measure the miner on and not to shape it: no rule
was made or tuned on them. Each message has its own weight, as a shift on the floor has it:
ink keys and speed readings by the hundred, controller alarms and the daily report a few a
day. One of three header forms by the seed. The output depends only on the arguments.
"""


import gbk_messages

items = gbk_messages.items

# customers as sales entered them, with the legal names' brackets and the brands' blanks
CUSTOMERS = ["蒙禾乳业（华北）有限公司", "松果铺子 股份", "良味食品", "优品生活 YOUPIN", "稻禾村(苏州)", "雪峰啤酒（浙江）",
             "星耀电子 - 代工", "乡里鸡 餐饮"]
PRODUCTS = ["月饼礼盒 2026中秋版", "纯牛奶 250ml 利乐外箱", "坚果大礼包 手提袋", "不干胶标签 A款", "说明书（8P 骑马钉）",
            "啤酒 500ml×12 外箱", "TWS耳机 天地盖彩盒"]
PAPERS = ["300g 白卡纸（太阳）", "250g 灰底白板", "157g 双铜纸", "80g 双胶纸", "350g 金卡纸", "E瓦楞 B1级"]
# presses: name and the code the controller reports
PRESSES = [("海德堡 XL106-8+L", "HD-XL106"), ("小森 LS-40", "KM-LS40"), ("罗兰 R706", "RL-706"),
           ("北人 BEIREN-650", "BR-650"), ("1#柔版机（标签）", "FLX-01"), ("2# 海德堡 SM52", "HD-SM52")]
CTPS = ["柯达 Trendsetter 800", "网屏 PlateRite 8600", "华光 CTP-4600"]
PLATES = ["华光 TP-II 热敏版", "柯达 Sonora 免处理版", "富士 LH-PJ"]
COLORS = ["C", "M", "Y", "K", "PANTONE 186C", "PANTONE 871C 金", "专色 蒙禾绿", "光油"]
PLATE_FAILS = ["版面划伤", "网点丢失（50%处）", "曝光不足", "咬口尺寸错误", "版材氧化"]
SUPPLIERS = ["APP 金光纸业", "太阳纸业", "博汇", "晨鸣 (寿光)"]
DIECUTS = ["博斯特 SP102-E", "1# 平压平模切机", "圆压圆模切线 RD-2"]
QC_ITEMS = ["色差", "套准", "模切尺寸", "压痕爆线", "粘盒牢度", "条码等级", "异物", "覆膜起泡"]
DEFECTS = ["墨杠", "糊版", "套印不准0.3mm", "模切毛边", "压痕爆线", "条码等级C（要求B以上）", "脏点"]
DISPOSALS = ["全检挑选", "返工重印", "让步接收（客户已签字）", "报废"]
STOPS = ["换版", "洗橡皮布", "纸张双张", "飞达故障", "上墨不匀调整", "等纸", "等稿件确认", "计划停机（保养）"]
STOP_NOTES = ["，已报设备科", "，已登记停机单", "，班长确认"]
ALARMS = [("E-2041", "给纸器双张检测"), ("E-3110", "水辊电机过载"), ("W-0815", "UV灯管寿命到期"),
          ("E-7002", "收纸堆高限位触发")]
INKS = ["洋紫荆 UV 油墨（青）", "杭华 胶印 品红", "DIC 专色 PANTONE 186C", "东洋 快干黑", "天龙 光油"]
ART_ISSUES = ["Logo偏小", "条码与实物不符", "营养成分表字号不够（需≥1.8mm）", "颜色偏暗，要求按色样", "漏印生产许可证号"]
FILMS = ["亮膜", "哑膜", "触感膜", "镭射膜（柱镜）"]
# material, its unit and how much an order needs
MATERIALS = [("300g 白卡纸（太阳）", "吨", 30), ("PANTONE 186C 专色墨", "kg", 80), ("热熔胶 HM-220", "kg", 200),
             ("瓦楞纸板 B1", "张", 50000), ("PET 亮膜 18μ", "米", 30000)]
COURIERS = [("顺丰速运", "SF"), ("德邦物流", "DBL"), ("京东物流", "JD"), ("中通快运", "ZTO")]
WORKSHOPS = ["胶印车间", "柔印车间", "后道车间（模切/糊盒）", "制版室"]
SHIFTS = ["早班", "中班", "夜班"]
LOGGERS = ["Mes.Press.SpeedMonitor", "Mes.Quality.ColorCheck", "Mes.Prepress.Ctp", "Mes.Wms.Picking",
           "Mes.Plan.Scheduler", "Mes.Device.PlcBridge"]
THREADS = ["sched-worker-%d", "opcua-poll-%d", "http-exec-%d", "qc-sync-%d"]


def press(r):
    return r.choice(PRESSES)[0]


def color_check(ok):
    def make(r):
        tol = r.choice([1.5, 2.0, 3.0])
        de = r.uniform(0.2, tol - 0.05) if ok else r.uniform(tol + 0.1, tol * 2.5)
        return "%s色 ΔE=%.2f（容差≤%.1f）" % (r.choice(COLORS[:5]), de, tol)
    return make


def plates(r):
    colors = r.sample(COLORS, r.randint(2, 6))
    return "共%d块（%s）" % (len(colors), "、".join(colors))


def schedule(r):
    day, hh = r.randint(4, 24), r.randint(0, 23)
    return "start=2026-09-%02dT%02d:%s due=2026-09-%02d" % (day, hh, r.choice(["00", "30"]), day + r.randint(1, 6))


def courier(r):
    name, code = r.choice(COURIERS)
    return "承运商%s，运单号%s%012d" % (name, code, r.randint(0, 10 ** 12 - 1))


def shortage(r):
    name, unit, most = r.choice(MATERIALS)
    need = r.randint(most // 10, most)
    return "%s需求%d%s，库存%d%s" % (name, need, unit, r.randint(0, need - 1), unit)


pick, optional = gbk_messages.pick, gbk_messages.optional
V = {
    "name": gbk_messages.name, "customer": pick(CUSTOMERS), "product": pick(PRODUCTS), "paper": pick(PAPERS),
    "press": press, "pressid": lambda r: r.choice(PRESSES)[1], "ctp": pick(CTPS), "plate": pick(PLATES),
    "plates": plates, "schedule": schedule, "color": pick(COLORS), "platefail": pick(PLATE_FAILS),
    "supplier": pick(SUPPLIERS), "diecut": pick(DIECUTS), "qcitems": items(QC_ITEMS, 2, 4),
    "defects": items(DEFECTS, 1, 3), "disposal": pick(DISPOSALS), "stop": pick(STOPS),
    "alarm": lambda r: "alarm_code=%s 「%s」" % r.choice(ALARMS), "ink": pick(INKS), "artissue": items(ART_ISSUES, 1, 2),
    "film": pick(FILMS), "material": shortage, "courier": courier, "courierid": lambda r: r.choice(COURIERS)[1],
    "workshop": pick(WORKSHOPS), "shift": pick(SHIFTS), "deok": color_check(True), "debad": color_check(False),
    "stopnote": optional(lambda r: r.choice(STOP_NOTES), 0.4),
    "rush": optional(lambda r: "，加急（%s）" % r.choice(["客户催单", "展会用样", "补货"]), 0.2),
    "scrap": optional(lambda r: "，废品%d个" % r.randint(1, 300), 0.5),
    "job": lambda r: "PJ26%02d-%05d" % (r.randint(8, 9), r.randint(1, 99999)),
    "order": lambda r: "SO2026%06d" % r.randint(1, 999999),
    "lot": lambda r: "QC%d-%03d" % (r.randint(2609010, 2609030), r.randint(1, 200)),
    "reel": lambda r: "R%s%07d" % (r.choice(["SN", "BH", "JG"]), r.randint(0, 9999999)),
    "dieno": lambda r: "DB-%04d" % r.randint(1, 3000), "outno": lambda r: "CK0903%05d" % r.randint(1, 99999),
    "bin": lambda r: "%s-%02d-%d" % (r.choice("ABCF"), r.randint(1, 40), r.randint(1, 5)),
    "inklot": lambda r: "%d%02d%03d" % (r.choice([2605, 2606, 2607]), r.randint(1, 28), r.randint(1, 999)),
    "pr": lambda r: "PR-2026-%05d" % r.randint(1, 99999), "stopno": lambda r: "TJ%06d" % r.randint(1, 999999),
    "artfile": lambda r: "%s_%s.pdf" % (r.choice(PRODUCTS).replace(" ", "_"), r.choice(["终稿", "改3", "final", "v2 修改"])),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "date": lambda r: "2026-09-%02d" % r.randint(4, 30),
    "qty": lambda r: str(r.choice(range(2000, 200001, 500))), "sheet": lambda r: str(r.randint(1, 60000)),
    "speed": lambda r: str(r.randint(6000, 18000)), "big": lambda r: str(r.randint(1000, 90000)),
    "zones": lambda r: ",".join(str(r.randint(0, 100)) for _ in range(8)), "unit": lambda r: str(r.randint(1, 8)),
    "pct": lambda r: "%.1f%%" % r.uniform(85, 99.9), "scrappct": lambda r: "%.2f%%" % r.uniform(0.3, 6),
    "width": lambda r: str(r.choice([787, 889, 1092, 1194])), "kg": lambda r: str(r.randint(380, 1450)),
    "kgink": lambda r: "%.1f" % r.uniform(0.5, 25), "reg": lambda r: "%.2f" % r.uniform(0.11, 0.45),
    "cartons": lambda r: str(r.randint(1, 480)), "kgw": lambda r: "%.1f" % r.uniform(2, 900),
    "temp": lambda r: str(r.randint(95, 125)), "roomt": lambda r: "%.1f" % r.uniform(26, 31),
    "rh": lambda r: str(r.randint(28, 42)), "status": pick(["500", "502", "503", "401"]),
    "mins": lambda r: str(r.randint(2, 180)), "days": lambda r: str(r.randint(1, 7)), "ms": lambda r: str(r.randint(80, 30000)),
    "n": lambda r: str(r.randint(1, 8)), "sample": lambda r: str(r.choice([13, 20, 32, 50, 80, 125])),
    "ver": lambda r: str(r.randint(1, 9)), "prio": pick(["P1", "P2", "P3"]),
}

# weight, level, message
TEMPLATES = [
    (4.0, "INFO", "印刷任务已入队：工单{job}，客户{customer}，产品《{product}》，数量{qty}张，纸张：{paper}{rush}"),
    (3.0, "INFO", "schedule order={order} job={job} press={pressid} {schedule} priority={prio}"),
    (0.8, "WARN", "交期预警：订单{order}（{customer}）预计完工{date}，晚于承诺交期{days}天"),
    (1.2, "INFO", "稿件已确认：客户{customer}确认稿件「{artfile}」第{ver}版，确认人{name}（{phone}）"),
    (0.7, "WARN", "稿件被驳回：客户{customer}驳回稿件「{artfile}」第{ver}版，意见：{artissue}"),
    (3.0, "INFO", "制版完成：工单{job}，CTP设备{ctp}，版材{plate}，{plates}，耗时{mins}分钟"),
    (0.5, "ERROR", "印版报废：工单{job}第{n}块版（{color}），原因：{platefail}，已重新出版"),
    (3.0, "INFO", "油墨领用：{press}领用{ink} {kgink}kg，批号{inklot}，领用人{name}"),
    (18.0, "DEBUG", "ink keys press={pressid} unit={unit} color={color} zones=[{zones}] fountain={pct}"),
    (17.0, "INFO", "色差检测：工单{job}，{press}，抽检第{sheet}张，{deok}，判定：合格"),
    (2.5, "WARN", "色差检测：工单{job}，{press}，抽检第{sheet}张，{debad}，判定：不合格"),
    (15.0, "DEBUG", "机速：{press}当前{speed}张/小时，本班累计{big}张，好品率{pct}"),
    (1.2, "WARN", "套准偏差：{press}第{unit}色组偏差{reg}mm，超出公差±0.10mm，已自动校正"),
    (3.5, "INFO", "纸卷上机：{press}，卷号{reel}，{paper}，幅宽{width}mm，重量{kg}kg，供应商：{supplier}"),
    (0.9, "WARN", "断纸：{press}第{unit}组断纸，卷号{reel}，停机{mins}分钟"),
    (2.0, "INFO", "换单：{press}由工单{job}切换至工单{job}，换版{n}块，用时{mins}分钟"),
    (3.0, "WARN", "停机：{press}，原因：{stop}，持续{mins}分钟，机长{name}{stopnote}"),
    (2.5, "INFO", "开机恢复：{press}，停机单{stopno}已关闭，恢复车速{speed}张/小时"),
    (0.2, "ERROR", "PLC报警：{pressid} {alarm}，机台已急停，请{name}到场处理"),
    (1.5, "INFO", "覆膜完成：工单{job}，{film}，{qty}张，辊温{temp}℃"),
    (3.5, "INFO", "模切完成：工单{job}，模切机{diecut}，刀版{dieno}，成品{qty}个{scrap}"),
    (4.5, "INFO", "QC抽检通过：批次{lot}，抽样{sample}件，检验项目：{qcitems}，检验员{name}"),
    (1.2, "WARN", "QC抽检拒收：批次{lot}，抽样{sample}件，缺陷：{defects}，处置：{disposal}"),
    (2.0, "INFO", "成品入库：工单{job}，《{product}》{cartons}箱，库位{bin}"),
    (3.0, "INFO", "拣货完成：出库单{outno}，库位{bin}，{cartons}箱，拣货员{name}"),
    (0.5, "WARN", "物料不足：{material}，已生成采购申请{pr}"),
    (2.0, "INFO", "快递交接：出库单{outno}，{courier}，{cartons}件，{kgw}kg，收货人{name} {phone}"),
    (0.4, "ERROR", "carrier api error carrier={courierid} outno={outno} http={status} cost={ms}ms"),
    (0.6, "WARN", "环境超限：{workshop}温度{roomt}℃、湿度{rh}%RH（标准23±2℃，50-60%RH）"),
    (1.0, "INFO", "交接班：{workshop}{shift}交班，产量{big}张，停机{n}次，废品率{scrappct}，交班人{name}"),
    (0.15, "INFO", "生产日报已生成：{date}全厂印量{big}印，完工订单{n}单，准时交付率{pct}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the MES server is .NET; its file target joins date, level and logger with bars
        return "2026-09-03 %02d:%02d:%02d.%04d|%s|%s|" % (hh, mm, ss, r.randint(0, 9999), level, r.choice(LOGGERS))
    if form == 1:
        # the shop-floor terminals stamp the time in brackets, the workshop and the level in Chinese
        cn = {"DEBUG": "调试", "INFO": "提示", "WARN": "告警", "ERROR": "故障"}[level]
        return "【20260903-%02d%02d%02d】[%s][%s] " % (hh, mm, ss, r.choice(WORKSHOPS), cn)
    # the scheduler and the PLC bridge write the level's letter, an ISO time with its offset, pid and worker
    return "%s 2026-09-03T%02d:%02d:%02d.%03d+0800 pid=%d [%s] " % (
        level[0], hh, mm, ss, r.randint(0, 999), r.randint(900, 9000), r.choice(THREADS) % r.randint(1, 12))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "P", 13 * 3600 + 1500, (0, 1, 1, 3), jitter=(0.8, 1.25))


if __name__ == "__main__":
    main()
