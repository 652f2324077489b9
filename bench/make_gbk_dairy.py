#!/usr/bin/env python3
"""A GBK log of a dairy company's milk collection stations, processing plant and cold
delivery, with its truth.

    bench/make_gbk_dairy.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (raw milk
weighed in at the stations, intake quick tests and antibiotic strips negative or positive,
indicator deviations priced down, weighbridge faults and station/plant weight differences,
station hand-overs, tanker trips leaving and arriving, seal numbers that disagree, silo
levels and high-level alarms, pasteuriser readings, lines started and stopped, flow
diversion below the holding temperature, CIP cleaning passed and failed, filling counters,
finished batches released or put on quality hold, micro results over the limit, expiring
stock, cold-store stocktakes, cold delivery loads, shops signing for or refusing them,
refrigerated trucks running warm, temperature loggers gone offline, dealer orders, milk
payments to the farms, uploads to the traceability platform succeeding and failing, PLC
links lost, users logging in or failing to), written to measure the miner on and not to
shape it: no rule was made or tuned on them. Each message keeps its own frequency (the
seed moves it a little), weighings and pasteuriser readings by the hundred and a cold-store
stocktake once in a few thousand lines. One of three header forms by the seed. The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STATIONS = ["红柳滩收奶站", "青石岭收奶站", "三道沟收奶点（临时）", "东河中心站", "北坡站（2号棚）", "白杨镇收奶站",
            "沙井子联合收奶站"]
FARMS = ["禾溪牧场（一分场）", "北坡家庭牧场", "王家沟奶牛养殖合作社", "青石岭牧业", "兴旺养殖专业合作社（二队）",
         "东河牧场", "散户 赵某某（代收）", "云岗生态牧场 B区"]
PRODUCTS = ["溪语鲜牛奶 950ml", "澄露低脂鲜奶 250ml", "晨牧巴氏鲜奶 1L（家庭装）", "原味风味发酵乳 160g",
            "高钙纯牛奶 250ml×12盒", "A2β-酪蛋白鲜牛奶 780ml", "草莓果粒酸奶（低温）200g", "儿童成长牛奶 190ml"]
FILLERS = ["无菌砖灌装线AB-1", "屋顶盒灌装线2#", "杯装酸奶线（C线）", "PET瓶线 3号", "袋奶线-Ⅱ"]
KITS = ["β-内酰胺类 速测卡", "四环素类金标卡", "β-内酰胺+四环素二合一", "磺胺类快检条 Lot.A23"]
DEVIATIONS = ["体细胞数{v}万/mL（标准≤40万/mL）", "菌落总数{v}万CFU/mL（标准≤50万CFU/mL）",
              "脂肪{v}%（标准≥3.10%）", "蛋白质{v}%（标准≥2.95%）", "酸度{v}°T（标准12～18°T）"]
TANKS = ["生乳仓T-101", "生乳仓T-102", "暂存罐T-205", "奶仓#3（60吨）", "巴氏乳缓冲罐B-12", "制冷罐CT-07"]
CIPOBJS = ["收奶线1#", "生乳仓T-101", "PL-2 巴氏杀菌机", "均质机H-01", "无菌砖灌装线AB-1", "奶罐车 槽罐"]
CIPPROGS = ["P3（碱-酸-热水）", "P1 短流程", "P5（仅碱洗）", "P7 全流程"]
ROUTES = ["红柳滩→青石岭→总厂", "东河中心站→总厂", "三道沟→白杨镇→沙井子→总厂", "北坡站→总厂（夜班）",
          "白杨镇→总厂"]
DROUTES = ["市区北线", "市区南线（早配）", "开发区商超线", "城东社区团购", "机场路→高新区", "县城二级仓干线"]
SHOPS = ["邻家鲜便利（长江路店）", "鲜到家前置仓 NJ-07", "佳顺超市 解放路店", "城东社区团购自提点#12", "惠邻生活超市（新区店）",
         "学府幼儿园食堂", "汇通连锁 大学城店"]
REFUSALS = ["到货温度9.1℃，超过收货标准（≤6℃）", "外箱破损、渗漏", "生产日期超过3天，不符合鲜奶收货要求",
            "实物与送货单不符（少2箱 溪语鲜牛奶）", "收货人不在，无法签收"]
HOLDS = ["冷藏库温度记录缺失 2h", "杀菌温度曲线异常（FDV动作3次）", "感官异常：有焦糊味", "标签喷码错误（生产日期缺失）",
         "菌落总数待复检", "原料奶抗生素复检中"]
DEALERS = ["城北乳品经销部", "惠民副食批发（个体）", "天佑商贸有限公司", "佳顺超市（总部采购）", "县城二级仓"]
ENDPOINTS = ["trace/intake/report", "trace/batch/upload", "trace/coldchain/temp", "quality/lab/result"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized", "429 Too Many Requests"]
PLCS = ["PLC-收奶区", "PLC-杀菌区 A", "PLC-灌装区", "PLC-CIP站", "PLC-冷库"]
WAREHOUSES = ["成品冷库1#（2～6℃）", "成品冷库2#", "酸奶后熟库", "常温成品库 A区"]
TERMS = ["质检室PC-03", "中控室 HMI-1", "收奶站平板", "仓库手持PDA-12", "财务结算终端"]
SLOWDOWNS = ["更换包材", "切换产品", "下游码垛机堵包", "纸路纠偏"]
STOPS = ["计划停机（产品切换）", "CIP清洗", "均质机压力异常", "班次结束"]
VEHICLE_NOTES = ["雨天，车辆已冲洗", "驾驶员未携带健康证，已登记", "罐口盖密封圈老化", "站端采样2瓶"]


_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form):
    """A date lo to hi days after the log's day, written with `form` ("cn": month and day in Chinese)."""
    d = datetime.date(2026, 5, 20) + datetime.timedelta(days=r.randint(lo, hi))
    if form == "cn":
        return "%d月%d日" % (d.month, d.day)
    return d.strftime(form)


def plate(r):
    return "%s%s·%s%04d" % (r.choice("蒙宁甘新陕"), r.choice("ABCEK"), r.choice(["", "", "D", "F"]), r.randint(0, 9999))


def gross(r):
    tare = r.uniform(9800, 15500)
    net = r.uniform(800, 24000)
    _chosen["weigh"] = (tare + net, tare, net)
    return "%.1f" % (tare + net)


def station_net(r):
    net = r.uniform(3000, 24000)
    diff = r.choice([-1, 1]) * r.uniform(35, 420)
    _chosen["diff"] = (net, net + diff, diff)
    return "%.1f" % net


def settle(r):
    kgs = r.uniform(8000, 320000)
    price = r.uniform(3.45, 4.35)
    adj = r.uniform(-3500, 6000)
    _chosen["pay"] = (kgs, price, adj)
    return "%.1f" % kgs


def stocktake(r):
    books = r.randint(800, 26000)
    _chosen["counted"] = books + r.choice([0, 0, -1, -2, -6, 1, 3])
    return str(books)


def deviation(r):
    text = r.choice(DEVIATIONS)
    v = {"体": "%.1f" % r.uniform(41, 95), "菌": "%.1f" % r.uniform(52, 300), "脂": "%.2f" % r.uniform(2.7, 3.09),
         "蛋": "%.2f" % r.uniform(2.6, 2.94), "酸": "%.1f" % r.uniform(18.5, 24)}[text[0]]
    return text.replace("{v}", v)


def seal(r):
    _chosen["seal"] = r.randint(100000, 999999)
    return "QF%d" % _chosen["seal"]


def period(r):
    month = r.choice([4, 5])
    third = r.choice(["上旬", "中旬", "下旬"]) if month == 4 else "上旬"
    return r.choice(["2026年%d月%s" % (month, third), "2026-%02d（%s）" % (month, third)])


def lot(r):
    """A batch number, which carries its production date."""
    _chosen["made"] = datetime.date(2026, 5, 20) - datetime.timedelta(days=r.randint(0, 3))
    return "%s%s%s" % (r.choice(["L", "XN", "SN"]), _chosen["made"].strftime("%Y%m%d"),
                       r.choice(["A01", "A02", "B01", "C03"]))


def load(r):
    """A truck's load: the total in cases, then the cases of each product."""
    cases = [(p, r.randint(2, 160)) for p in r.sample(PRODUCTS, r.randint(1, 4))]
    return "共%d箱（%s）" % (sum(n for _, n in cases), "、".join("%s×%d" % c for c in cases))


def orderitems(r):
    return "，".join("%s %d箱" % (p, r.randint(5, 300)) for p in r.sample(PRODUCTS, r.randint(1, 3)))


def user(r):
    return r.choice(["qc", "zk", "wh", "fin", "zhan"]) + "_%s%02d" % (r.choice(["wang", "li", "zhang", "liu", "chen"]),
                                                                     r.randint(1, 30))


def clock(r):
    return r.choice(["%02d:%02d", "%d时%02d分"]) % (r.randint(5, 11), r.randint(0, 59))


V = {
    "name": name, "plate": plate, "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8, 9]), r.randint(0, 9),
                                                                         r.randint(0, 9999)),
    "station": pick(STATIONS), "farm": pick(FARMS), "product": pick(PRODUCTS), "filler": pick(FILLERS),
    "kit": pick(KITS), "tank": pick(TANKS), "cipobj": pick(CIPOBJS), "cipprog": pick(CIPPROGS), "route": pick(ROUTES),
    "droute": pick(DROUTES), "shop": pick(SHOPS), "refuse": pick(REFUSALS), "holdwhy": pick(HOLDS),
    "dealer": pick(DEALERS), "endpoint": pick(ENDPOINTS), "httpfail": pick(HTTPFAILS), "plc": pick(PLCS),
    "wh": pick(WAREHOUSES), "term": pick(TERMS), "deviation": deviation, "load": load, "orderitems": orderitems,
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "gross": gross, "tare": lambda r: "%.1f" % _chosen["weigh"][1], "net": lambda r: "%.1f" % _chosen["weigh"][2],
    "snet": station_net, "pnet": lambda r: "%.1f" % _chosen["diff"][1], "diff": lambda r: "%+.1f" % _chosen["diff"][2],
    "pdiff": lambda r: "%.2f" % (100 * abs(_chosen["diff"][2]) / _chosen["diff"][0]),
    "kgs": settle, "price": lambda r: "%.2f" % _chosen["pay"][1], "adj": lambda r: "%+.2f" % _chosen["pay"][2],
    "pay": lambda r: "%.2f" % (_chosen["pay"][0] * _chosen["pay"][1] + _chosen["pay"][2]),
    "books": stocktake, "counted": lambda r: str(_chosen["counted"]),
    "seal": seal, "seal2": lambda r: "QF%d" % (_chosen["seal"] + r.choice([-7, 1, 13, 210, 4096])),
    "sample": lambda r: "S%s-%s%03d" % (day(r, 0, 0, "%m%d"), r.choice("ABCDEFG"), r.randint(1, 400)),
    "trip": lambda r: "T%s%02d" % (day(r, 0, 0, "%y%m%d"), r.randint(1, 60)),
    "dn": lambda r: "DN%s%05d" % (day(r, 0, 0, "%Y%m%d"), r.randint(1, 30000)),
    "so": lambda r: "SO-%s-%04d" % (day(r, 0, 0, "%y%m%d"), r.randint(1, 3000)),
    "report": lambda r: "QC-%s-%03d" % (min(_chosen["made"] + datetime.timedelta(days=r.randint(0, 2)),
                                              datetime.date(2026, 5, 20)).strftime("%Y%m%d"), r.randint(1, 200)),
    "lot": lot, "pdate": lambda r: _chosen["made"].strftime("%Y-%m-%d"), "expire": lambda r: day(r, 0, 4, "%Y/%m/%d"),
    "reqdate": lambda r: day(r, 1, 3, "cn"), "period": period, "eta": clock,
    "trace": lambda r: "%016x" % r.getrandbits(64),
    "logger": lambda r: "TL-%s%05d" % (r.choice(["ZD", "JK", "WS"]), r.randint(0, 99999)),
    "ip": lambda r: "10.%d.%d.%d" % (r.choice([12, 12, 30]), r.randint(0, 8), r.randint(2, 250)),
    "plcip": lambda r: "192.168.%d.%d" % (r.randint(10, 14), r.randint(10, 60)),
    "acct": user, "pl": rint(1, 3), "fat": real(3.3, 4.4, "%.2f"), "prot": real(2.98, 3.6, "%.2f"),
    "snf": real(8.1, 9.2, "%.2f"), "acid": real(12.5, 17.8), "fp": real(-0.560, -0.515, "%.3f"),
    "dens": real(1.0280, 1.0340, "%.4f"), "ptemp": real(72.3, 76.5), "hold": rint(15, 16), "flow": real(8, 15.5),
    "lowT": real(68.0, 71.9), "setT": pick(["75", "75", "78", "85（二次杀菌）"]), "rtemp": real(1.8, 5.9),
    "ctemp": real(1.5, 5.5), "hot": real(6.6, 14.5), "stemp": real(2.0, 5.8), "level": rint(8, 89),
    "hilevel": real(90.1, 98.7), "alkT": rint(75, 85), "alkMin": rint(15, 30), "acidT": rint(60, 70),
    "acidMin": rint(10, 20), "cond": rint(8, 120), "badcond": rint(180, 2600), "count": rint(800, 160000),
    "reject": rint(0, 180), "boxes": rint(10, 640), "rejboxes": rint(1, 60), "tons": real(4, 96), "farms": rint(3, 140),
    "deduct": pick(["20", "50", "80", "100", "150"]), "amount": real(1200, 380000, "%.2f"), "ms": rint(18, 1900),
    "slowms": rint(3000, 30000), "try": rint(1, 5), "n": rint(2, 64), "mins": rint(5, 140), "secs": rint(3, 95),
    "cfu": rint(110000, 2400000), "days": rint(1, 3), "skus": rint(24, 160), "wob": rint(20, 350),
    "scale": lambda r: "SCS-%d（%d吨）" % (r.randint(1, 3), r.choice([60, 80, 100])),
    "coli": pick(["未检出", "<1 CFU/mL", "12 CFU/mL", "检出（待复检）"]),
    "stir": pick(["运行", "运行 12rpm", "停止", "间歇（10min/30min）"]),
    "vehiclenote": optional(lambda r: "，备注：%s" % r.choice(VEHICLE_NOTES), 0.2),
    "speed": optional(lambda r: "，线速%d包/h" % r.randint(6000, 24000), 0.45),
    "slow": optional(lambda r: "，降速原因：%s" % r.choice(SLOWDOWNS), 0.12),
    "signnote": optional(lambda r: "，到货温度%.1f℃" % r.uniform(2, 6), 0.5),
    "stopwhy": optional(lambda r: "，原因：%s" % r.choice(STOPS), 0.6),
    "recheck": optional(lambda r: "（复检第%d次）" % r.randint(2, 3), 0.3),
    "failtimes": optional(lambda r: "，连续失败%d次" % r.randint(2, 5), 0.5),
    "client": optional(lambda r: " (client=%s)" % r.choice(["mes-web 3.8.2", "QCApp/1.4 Android 12", "PDA-Scanner 2.0"]),
                       0.35),
    "driver": optional(lambda r: "，随车押运%s" % name(r), 0.25),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "intake", "收奶过磅：站点【{station}】，交奶方{farm}，车牌{plate}，毛重{gross}kg，皮重{tare}kg，净重{net}kg{vehiclenote}"),
    (180, "INFO", "pasteur", "PL-{pl} 杀菌温度={ptemp}℃ 保持时间={hold}s 流量={flow}t/h 回流阀=关闭"),
    (140, "INFO", "lab", "原奶快检完成 sample_id={sample} 脂肪={fat}% 蛋白质={prot}% 非脂乳固体={snf}% 酸度={acid}°T 冰点={fp}℃ 相对密度={dens}"),
    (110, "INFO", "filling", "灌装计数：{filler}，产品《{product}》，批号{lot}，本班累计{count}包，剔除{reject}包{speed}{slow}"),
    (85, "INFO", "trace", "上报追溯平台成功：POST /api/v2/{endpoint} -> 200 OK，耗时{ms}ms，traceId={trace}"),
    (70, "INFO", "tanker", "奶罐车发车：车次{trip}，{plate}，司机{name}（{phone}），路线：{route}，预计{eta}到厂{driver}"),
    (62, "INFO", "tanker", "奶罐车到厂：车次{trip}，{plate}，罐温{rtemp}℃，铅封号{seal}，铅封完好，在途{mins}分钟"),
    (55, "INFO", "lab", "抗生素快检 样品={sample} 试剂盒=「{kit}」 结果=阴性 检测员={name}{recheck}"),
    (48, "INFO", "coldchain", "冷链配送出库：配送单{dn}，线路「{droute}」，冷藏车{plate}，{load}，装车温度{ctemp}℃"),
    (44, "INFO", "delivery", "门店签收：配送单{dn}，客户{shop}，签收人{name}，实收{boxes}箱{signnote}"),
    (38, "INFO", "tank", "储奶罐{tank}：液位{level}%，奶温{stemp}℃，搅拌器{stir}"),
    (33, "INFO", "auth", "用户登录成功：账号{acct}（{name}），IP {ip}，终端「{term}」{client}"),
    (28, "INFO", "intake", "站点交接：{station}本班收奶{tons}吨，共{farms}户交奶，制冷罐已清空并铅封，交班{name}，接班{name}"),
    (26, "WARN", "lab", "原奶指标偏离：样品{sample}，交奶方{farm}，{deviation}，按质论价扣款{deduct}元/吨"),
    (24, "INFO", "cip", "CIP清洗结束：对象【{cipobj}】，程序{cipprog}，碱洗{alkT}℃/{alkMin}min，酸洗{acidT}℃/{acidMin}min，终淋电导率{cond}μS/cm，结果：合格"),
    (21, "INFO", "order", "经销商订单：订单号{so}，客户《{dealer}》，要货日期{reqdate}，品项：{orderitems}，金额￥{amount}"),
    (19, "INFO", "pasteur", "巴氏杀菌线PL-{pl}启动，产品《{product}》，操作员{name}，设定温度{setT}℃"),
    (17, "INFO", "pasteur", "巴氏杀菌线PL-{pl}停机，产品《{product}》，操作员{name}，设定温度{setT}℃{stopwhy}"),
    (15, "WARN", "coldchain", "冷藏车厢温度偏高：车牌{plate}，配送单{dn}，当前{hot}℃（要求2～6℃），已持续{mins}分钟，司机{name}"),
    (14, "INFO", "qa", "成品批次放行：批号{lot}，《{product}》，生产日期{pdate}，检验报告{report}，放行人{name}"),
    (11, "WARN", "qa", "成品批次冻结（质量暂扣）：批号{lot}，《{product}》，原因：{holdwhy}，冻结数量{boxes}箱，责任人{name}"),
    (10, "WARN", "pasteur", "FDV转向阀动作：PL-{pl}杀菌温度{lowT}℃低于下限72℃，物料已回流平衡罐，持续{secs}s"),
    (9, "WARN", "tank", "储奶罐{tank}液位{hilevel}%，超过高位报警线（90%），请停止进奶"),
    (8, "INFO", "settle", "奶款结算：牧户{farm}，结算期{period}，交奶量{kgs}kg，基础价{price}元/kg，质量奖扣{adj}元，应付{pay}元"),
    (7, "ERROR", "trace", "上报追溯平台失败：POST /api/v2/{endpoint} -> HTTP {httpfail}，retry={try}/5，batch={lot}"),
    (6, "WARN", "lab", "抗生素快检 样品={sample} 试剂盒=「{kit}」 结果=阳性 检测员={name}{recheck}"),
    (5.5, "WARN", "delivery", "门店拒收：配送单{dn}，客户{shop}，拒收{rejboxes}箱，原因：{refuse}"),
    (5, "ERROR", "plc", "PLC通讯中断：{plc} ({plcip}:502) Modbus TCP timeout after {slowms} ms，{n}个点位数据缺失"),
    (4.5, "WARN", "auth", "用户登录失败：账号{acct}（{name}），IP {ip}，终端「{term}」{failtimes}"),
    (4, "ERROR", "cip", "CIP清洗结束：对象【{cipobj}】，程序{cipprog}，碱洗{alkT}℃/{alkMin}min，酸洗{acidT}℃/{acidMin}min，终淋电导率{badcond}μS/cm，结果：不合格"),
    (3.5, "ERROR", "lab", "微生物检测超标：批号{lot}，《{product}》，菌落总数{cfu} CFU/mL（标准≤100000），大肠菌群{coli}，已通知QA冻结"),
    (3, "WARN", "wms", "临期库存提醒：{wh}，《{product}》批号{lot}，保质期至{expire}，剩余{days}天，库存{boxes}箱"),
    (2.5, "ERROR", "tanker", "铅封号不一致：车次{trip}，{plate}，出站登记{seal}，到厂实测{seal2}，已暂扣整车并上报质量部"),
    (2, "ERROR", "coldchain", "温度记录仪离线：设备{logger}，车牌{plate}，com.qsmilk.iot.TempLoggerOfflineException: no heartbeat for {mins} min"),
    (2.2, "WARN", "intake", "过磅差异：车次{trip}，站点过磅{snet}kg，工厂过磅{pnet}kg，差异{diff}kg（{pdiff}%）"),
    (2, "ERROR", "intake", "地磅称重异常：{station}地磅{scale}读数不稳定（波动±{wob}kg），已切换人工记录"),
    (1.8, "INFO", "wms", "成品冷库盘点完成：{wh}，{skus}个品项，账面{books}箱，实盘{counted}箱，盘点人：{names}"),
]

# the logger each module's lines come from, in the plant's Java services
LOGGERS = {"intake": ["c.q.mes.intake.WeighbridgeService", "c.q.mes.intake.StationShiftJob"],
           "pasteur": ["c.q.mes.process.PasteurizerMonitor"], "lab": ["c.q.lims.RawMilkTestService"],
           "filling": ["c.q.mes.filling.CounterCollector"], "trace": ["c.q.trace.UploadClient"],
           "tanker": ["c.q.tms.TankerTripService"], "coldchain": ["c.q.tms.ColdChainDispatcher", "c.q.iot.TempLoggerHub"],
           "delivery": ["c.q.tms.ProofOfDelivery"], "tank": ["c.q.mes.process.SiloLevelWatcher"],
           "auth": ["c.q.portal.LoginController"], "cip": ["c.q.mes.cip.CipRecordService"],
           "order": ["c.q.erp.SalesOrderImporter"], "qa": ["c.q.lims.BatchReleaseService"],
           "settle": ["c.q.erp.MilkPaymentJob"], "plc": ["c.q.mes.plc.ModbusPoller"], "wms": ["c.q.wms.ColdStoreService"]}
THREADS = ["main", "scheduling-1", "pool-3-thread-%d", "http-nio-8080-exec-%d", "nioEventLoopGroup-2-%d"]
# where each module's lines are shown in the operators' console
PLACES = {"intake": "收奶站/称重", "pasteur": "中控室/杀菌", "lab": "质检室/LIMS", "filling": "灌装车间",
          "trace": "追溯接口", "tanker": "运输调度/奶罐车", "coldchain": "冷链调度", "delivery": "配送签收",
          "tank": "中控室/奶仓", "auth": "统一门户", "cip": "CIP站", "order": "销售订单", "qa": "质量部/放行",
          "settle": "财务/奶款", "plc": "中控室/PLC", "wms": "成品仓储"}
# the host and program each module runs on, for the plant gateway's syslog
HOSTS = {"intake": ("hlt-station-01", "weighd"), "pasteur": ("plant-scada02", "pasteur"),
         "lab": ("lims-app01", "lims"), "filling": ("plant-scada02", "fillcount"), "trace": ("mes-app03", "trace-up"),
         "tanker": ("tms-app01", "tanker"), "coldchain": ("tms-app01", "coldchain"), "delivery": ("tms-app02", "pod"),
         "tank": ("plant-scada02", "silowatch"), "auth": ("portal-web01", "sso"), "cip": ("plant-scada01", "cip"),
         "order": ("erp-app01", "so-import"), "qa": ("lims-app01", "release"), "settle": ("erp-app01", "milkpay"),
         "plc": ("plant-scada01", "modbus"), "wms": ("wms-app01", "coldstore")}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 20) + datetime.timedelta(seconds=t)
    if form == 0:
        # the plant's Java services log through a pattern layout: time with commas, level
        # padded to five, thread in brackets, abbreviated logger
        thread = r.choice(THREADS)
        if "%" in thread:
            thread = thread % r.randint(1, 12)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level, thread,
                                            r.choice(LOGGERS[module]))
    if form == 1:
        # the operators' console writes the date in Chinese and the level as a Chinese word
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%d年%02d月%02d日 %s] [%s] [%s] " % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn,
                                                  PLACES[module])
    # the plant gateway forwards everything as syslog, host and program[pid] before the level
    host, prog = HOSTS[module]
    return "%s %2d %s %s %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host, prog,
                                          2000 + len(prog) * 97 + len(host), level.lower())


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "D", 4 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3), (0.75, 1.3))


if __name__ == "__main__":
    main()
