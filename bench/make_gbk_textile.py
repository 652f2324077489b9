#!/usr/bin/env python3
"""A GBK log of a Chinese textile mill's spinning, weaving, dyeing, inspection and warehouse
systems with its truth.

    bench/make_gbk_textile.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages (loom running
reports, loom stops and stops left too long, loom controllers going offline, ring-frame doffs,
end-break rates normal and too high, winder packages, dye-vat process steps, vats unloaded,
colour matches refused, vat temperature faults, recipes sent to the vats and refused,
dye-kitchen weighing, rolls inspected and downgraded, incoming yarn passed and rejected by the
lab, finished rolls put away, shipments scanned out or refused, AGV transports done and overdue,
raw material drawn and running low, bin conflicts, workshop climate readings and low humidity,
production orders, shift hand-overs, maintenance jobs, ERP calls that fail, daily power use,
waste-water alarms, low compressed air, smoke alarms, monthly stocktakes), written to measure
the miner on and not to shape it: no rule was made or tuned on them. Several messages differ
from another one in only a word or two (passed/rejected, done/overdue, ok/failed), as the mill's
people would still tell them apart. Each message keeps its own frequency, loom reports by the
hundred and a stocktake once in a few thousand lines. One of three header forms by the seed. The
output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# fabric (as the order book names it), its usual grey width in cm
FABRICS = [("全棉 平纹府绸 133×72", 160), ("涤棉 T/C 65/35 斜纹", 150), ("全棉牛仔布 10oz（靛蓝）", 155),
           ("天丝/棉 交织缎纹", 145), ("涤纶 春亚纺 190T", 152), ("麻棉混纺帆布（12安）", 170),
           ("纯棉 精梳贡缎 40S×40S", 250), ("氨纶弹力卡其", 148)]
YARNS = ["JC 40S/1 紧密纺", "C 21S/1 环锭纺", "T/C 45S 65/35", "JC 60S/2 股线", "R 30S/1（粘胶）", "C 16S/1 竹节纱",
         "JC 32S/1+40D 包芯纱"]
LOOMMODELS = ["JX-910 喷气织机", "HL-88 剑杆织机", "JX-930A 喷气织机（双喷）", "RG-2 剑杆（宽幅）"]
STOPS = ["断经", "断纬", "纬停（左侧）", "纬停（右侧）", "经停片报警", "布边断头", "卷布满轴", "织轴了机", "综框异响"]
WORKSHOPS = ["纺纱一车间", "纺纱二车间（细纱）", "织造车间A区", "织造车间B区", "染整车间", "验布房", "成品仓库"]
STEPS = ["进布", "前处理", "升温", "保温染色", "降温", "排液", "水洗", "皂洗", "固色", "柔软", "出布"]
COLORS = [("C-1024", "藏青"), ("C-3307", "卡其"), ("C-0501", "本白"), ("C-2210", "酒红"), ("C-6618", "雾霾蓝"),
          ("C-8802", "军绿（客供色卡）"), ("C-0090", "漂白")]
DYES = ["活性黑 KN-B", "活性红 3BS", "活性黄 3RS", "分散蓝 2BLN", "还原靛蓝", "活性翠蓝 KN-G", "分散红 FB"]
CHEMS = ["元明粉", "纯碱", "精练剂 TX-31", "螯合分散剂", "皂洗剂 SW-8", "固色剂 FX-2", "柔软剂（亲水型）", "冰醋酸"]
LIGHTS = ["D65", "TL84", "CWF", "A光源"]
COLORFIXES = ["回修加色", "剥色重染", "降级处理（待客户确认）", "改染深色"]
DEFECTS = ["断经", "双纬", "油污", "破洞", "稀密路", "折痕", "色花", "纬斜", "边撑疵", "结头"]
CUSTOMERS = ["杭州织雅服饰有限公司", "绍兴柯桥恒裕布行", "广州汇锦国际贸易有限公司", "宁波衣诺（集团）有限公司",
             "苏州青禾家纺", "个人客户（现货）", "香港泰昌纺织品有限公司"]
SUPPLIERS = ["新疆棉源棉业", "江阴华纶化纤有限公司", "河北信丰纺织（外协纱）", "山东广德纱线厂", "进口长绒棉（保税仓）"]
TESTS = ["条干", "强力", "捻度", "毛羽", "回潮率", "支数偏差", "棉结杂质"]
# material, unit, usual stock range
MATERIALS = [("精梳棉条", "kg", 200, 4000), ("涤纶短纤 1.33dtex", "kg", 500, 9000), ("纸管（细纱用）", "个", 2000, 30000),
             ("浆料 PVA-1799", "kg", 100, 1500), ("活性黑 KN-B", "kg", 20, 400), ("包装膜（50μm）", "卷", 5, 120),
             ("布卷纸筒 Φ76", "个", 50, 900), ("元明粉", "吨", 1, 30)]
EQUIPS = ["细纱机 FS-22#", "粗纱机 R-06", "络筒机 W-11（自动络筒）", "喷气织机 JA-0412", "溢流染缸 D-07#",
          "定型机 ST-2（八节烘箱）", "空压机 2号", "验布机 QC-03"]
MTYPES = ["一级保养", "二级保养", "平车（大修）", "润滑周检", "揩车"]
PARTS = ["钢领", "钢丝圈", "胶辊", "皮圈", "综丝", "钢筘", "主喷嘴", "电磁阀", "轴承 6205-2RS", "同步带"]
SHIFTS = ["早班", "中班", "夜班"]
LEFTOVERS = ["无", "12#机经停片松动待修", "染缸D-03#液位计读数不稳", "验布机QC-02灯管闪烁", "AGV-5充电桩未归位",
             "本班原料棉条剩余不足2小时用量"]
FROMTO = ["织造A区下机口", "验布房1号位", "成品仓库·收货区", "染整车间进布架", "原料库3排", "码头装车位2"]
OUTFAILS = ["布号与出库单品种不符", "该卷处于质量冻结状态（待复检）", "客户欠款超额度，财务未放行",
            "扫码重复（已出库）", "RFID 读取失败"]
STORES = ["成品仓库", "原料库（棉包区）", "染化料仓库", "备品备件库", "外租仓（柯桥物流园3号库）"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
RECIPEERRS = ["PLC_WRITE_TIMEOUT", "VAT_BUSY", "RECIPE_CHECKSUM_MISMATCH", "DOSING_PUMP_OFFLINE"]
AREAS = ["成品仓库", "原料库（棉包区）", "纺纱一车间", "化料间", "定型机排风口"]
CONFIRMS = ["误报（蒸汽）", "确认起火，已扑灭", "误报（粉尘）", "排查中"]
GRADES = ["优等品", "一等品", "一等品", "二等品"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def fabric(r):
    _chosen["fabric"] = r.choice(FABRICS)
    return _chosen["fabric"][0]


def width(r):
    return "%.1f" % (_chosen["fabric"][1] + r.uniform(-1.5, 1.5))


def material(r):
    _chosen["m"] = r.choice(MATERIALS)
    return _chosen["m"][0]


def amount(scale_lo, scale_hi):
    """A quantity of the line's material with its unit, scaled from its usual range."""
    def make(r):
        _, unit, lo, hi = _chosen["m"]
        q = r.uniform(lo, hi) * r.uniform(scale_lo, scale_hi)
        if unit in ("kg", "吨"):
            return "%.1f%s" % (q, unit)
        return "%d%s" % (max(1, round(q)), unit)
    return make


def color(r):
    _chosen["c"] = r.choice(COLORS)
    return _chosen["c"][0]


def day(r, lo, hi, style=0):
    d = datetime.date(2026, 4, 20) + datetime.timedelta(days=r.randint(lo, hi))
    if style == 0:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if style == 1:
        return d.strftime("%Y-%m-%d")
    return d.strftime("%Y/%m/%d")


def loom(r):
    return "%s-%04d" % (r.choice(["JA", "JA", "JB", "RP"]), r.randint(1, 480))


def roll(r):
    return "R2604%02d%04d-%s" % (r.randint(1, 20), r.randint(1, 9999), r.choice("ABC"))


def rolls(r):
    first = r.randint(1, 9990)
    n = r.randint(1, 4)
    return ",".join("R260420%04d" % (first + i) for i in range(n))


def vat(r):
    return "D-%02d#" % r.randint(1, 24)


def frame(r):
    return "FS-%02d#（%s）" % (r.randint(1, 60), r.choice(["北排", "南排", "中排"]))


def dyelot(r):
    return "DL%s%03d" % (r.choice(["2604", "2604", "2603"]), r.randint(1, 999))


def dyes(r):
    return ",".join("%s:%.2f%%" % (d, r.uniform(0.05, 6.5)) for d in r.sample(DYES, r.randint(1, 3)))


def defectlist(r):
    return "、".join("%s×%d" % (d, r.randint(1, 6)) for d in r.sample(DEFECTS, r.randint(1, 4)))


def plate(r):
    return "%s%s·%s%04d" % (r.choice("浙苏沪粤闽鲁"), r.choice("ABCDG"), r.choice("DFK0123"), r.randint(0, 9999))


def output(r):
    return "%d米（%d匹）" % (r.randint(8000, 64000), r.randint(60, 420))


def hb(r):
    t = datetime.datetime(2026, 4, 20, r.randint(0, 23), r.randint(0, 59), r.randint(0, 59))
    return t.strftime("%Y-%m-%dT%H:%M:%S+08:00")


def stepfrom(r):
    k = r.randrange(len(STEPS) - 1)
    _chosen["step"] = k
    return STEPS[k]


def origin(r):
    _chosen["from"] = r.choice(FROMTO)
    return _chosen["from"]


def destination(r):
    return r.choice([p for p in FROMTO if p != _chosen["from"]])


def dyetime(r):
    return "%dh%02dmin" % (r.randint(3, 11), r.randint(0, 59))


V = {
    "name": name, "fabric": fabric, "width": width, "material": material, "stock": amount(0.03, 0.2),
    "safe": amount(0.25, 0.4), "drawn": amount(0.02, 0.1), "color": color,
    "colorname": lambda r: _chosen["c"][1], "loom": loom, "roll": roll, "rolls": rolls, "vat": vat,
    "frame": frame, "dyelot": dyelot, "dyes": dyes, "defectlist": defectlist, "plate": plate, "output": output,
    "hb": hb, "stepfrom": stepfrom, "stepto": lambda r: STEPS[_chosen["step"] + 1], "dyetime": dyetime,
    "due": lambda r: day(r, 7, 60, r.randint(0, 2)), "dayiso": lambda r: day(r, -1, -1, 1),
    "yarn": pick(YARNS), "loommodel": pick(LOOMMODELS), "stop": pick(STOPS), "workshop": pick(WORKSHOPS),
    "light": pick(LIGHTS), "colorfix": pick(COLORFIXES), "customer": pick(CUSTOMERS), "supplier": pick(SUPPLIERS),
    "tests": items(TESTS, 2, 4), "equip": pick(EQUIPS), "mtype": pick(MTYPES), "parts": items(PARTS, 1, 3),
    "shift": pick(SHIFTS), "leftover": pick(LEFTOVERS), "from": origin, "to": destination,
    "outfail": pick(OUTFAILS), "httpfail": pick(HTTPFAILS), "recipeerr": pick(RECIPEERRS), "area": pick(AREAS),
    "confirm": pick(CONFIRMS), "grade": pick(GRADES), "gradefrom": pick(["优等品", "一等品"]),
    "gradeto": pick(["二等品", "二等品", "等外品"]), "store": pick(STORES),
    "chem": pick(CHEMS), "stepname": pick(STEPS),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "emp": rint(10000, 39999, "%05d"), "rpm": rint(480, 920), "eff": real(78, 97.5), "meters": rint(40, 1200),
    "secs": rint(15, 900), "mins": rint(12, 95), "spindles": rint(420, 1200), "doffkg": real(28, 96),
    "winder": rint(1, 16), "spos": rint(1, 60), "bobbin": real(1.2, 2.4, "%.2f"), "blen": rint(80000, 260000),
    "cuts": rint(0, 48), "temp": real(28, 132), "liquor": rint(35, 98), "pieces": rint(1, 60),
    "netkg": real(120, 1800), "bin": lambda r: "%s-%02d-%02d" % (r.choice("ABCDEF"), r.randint(1, 30), r.randint(1, 6)),
    "inbound": lambda r: "RK2604%02d%04d" % (r.randint(1, 20), r.randint(1, 9999)),
    "outbound": lambda r: "CK-20260420-%04d" % r.randint(1, 3000),
    "pick": lambda r: "LL%08d" % r.randint(0, 10 ** 8 - 1),
    "order": lambda r: "SO-%s%05d" % (r.choice(["TX", "TX", "WV", "DY"]), r.randint(1, 99999)),
    "task": lambda r: "T%x" % r.getrandbits(28), "agvlate": rint(600, 2400), "agv": rint(1, 12, "%02d"), "load": rint(80, 1500),
    "trh": real(24, 31), "rh": real(55, 78), "lowrh": real(38, 52), "rhmin": pick(["55", "58", "60"]),
    "recipe": lambda r: "RCP-%s-%s" % (_chosen["c"][0], r.choice(["V1", "V2", "V3", "V2.1"])),
    "ratio": rint(5, 12), "ms": rint(40, 900), "longms": rint(3000, 30000),
    "breaks": rint(12, 45), "highbreaks": rint(70, 160), "spinrpm": rint(13000, 18500),
    "target": rint(200, 40000), "err": real(-1.8, 1.8, "%+.2f"), "doser": rint(1, 6, "称量工位%d"),
    "set": rint(60, 130), "dev": real(3.0, 12.0), "code": rint(1, 99, "%02d"),
    "try": rint(1, 3), "trace": lambda r: "%016x" % r.getrandbits(64),
    "ip": lambda r: "10.20.%d.%d" % (r.randint(1, 8), r.randint(10, 250)), "ago": rint(30, 1800),
    "kwh": rint(8000, 96000), "peak": real(28, 52), "unitkwh": real(3.5, 14.0, "%.2f"),
    "cv": real(9.5, 12.8, "%.2f"), "badcv": real(13.6, 17.5, "%.2f"), "cvmax": pick(["13.0", "13.5"]),
    "lot": lambda r: "YL-%s-%03d" % (r.choice(["2604", "2603"]), r.randint(1, 400)),
    "pts": rint(4, 28), "badpts": rint(41, 95), "de": real(0.2, 0.95, "%.2f"), "badde": real(1.2, 3.8, "%.2f"),
    "ordm": rint(3000, 200000), "cod": rint(520, 1400), "ph": real(9.2, 11.5), "bar": real(0.38, 0.52, "%.2f"),
    "affected": rint(6, 120),
    "clock": lambda r: "%02d:%02d" % (r.randint(0, 23), r.randint(0, 59)),
    "cnclock": lambda r: "%d时%02d分" % (r.randint(0, 23), r.randint(0, 59)),
    "smoke": real(3.2, 12.0), "zone": rint(1, 40, "防火分区%02d"), "skus": rint(120, 860),
    "small": real(100, 48000, "%.2f"),
    # parts only some lines carry
    "splice": optional(lambda r: "，捻接失败%d次" % r.randint(1, 5), 0.3),
    "pm": optional(lambda r: "，粉尘浓度 %.2f mg/m3" % r.uniform(0.3, 2.8), 0.35),
    "humid": optional(lambda r: "（加湿机组#%d，开度%d%%）" % (r.randint(1, 4), r.randint(40, 100)), 0.5),
    "opnote": optional(lambda r: "，备注：%s" % r.choice(["客户要求加急", "样布已寄出，待确认", "需附检测报告（SGS）",
                                                         "分批交货：首批 30%"]), 0.4),
    "rushed": optional(lambda r: " priority=HIGH", 0.2),
    "shipnote": optional(lambda r: "，司机%s（手机尾号%04d）" % (name(r), r.randint(0, 9999)), 0.45),
    "restock": optional(lambda r: "，已自动生成请购单PR%06d" % r.randint(0, 999999), 0.5),
    "repair": optional(lambda r: "，报修单号WX-%05d" % r.randint(1, 99999), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (220, "INFO", "weave", "织机运行：机台{loom}（{loommodel}），品种《{fabric}》，车速{rpm}rpm，效率{eff}%，本班产量{meters}米"),
    (170, "INFO", "spin", "spinning.doff done frame={frame} spindles={spindles} yarn=\"{yarn}\" weight={doffkg}kg operator={name}"),
    (140, "INFO", "weave", "织机停台：{loom}，停台原因【{stop}】，停台时长{secs}秒，挡车工{name}（工号{emp}）"),
    (110, "INFO", "qc", "验布完成：布号{roll}，品种《{fabric}》，长度{meters}米，门幅{width}cm，评分{pts}分/百平方码，等级：{grade}"),
    (90, "INFO", "spin", "络筒机{winder}号 锭位{spos} 落筒：筒纱重{bobbin}kg，长度{blen}m，电清切疵{cuts}次{splice}"),
    (80, "INFO", "dye", "染缸{vat}工序切换：{stepfrom} → {stepto}，当前温度{temp}℃，液位{liquor}%，批号{dyelot}"),
    (60, "INFO", "wms", "成品入库：入库单{inbound}，布号{rolls}，共{pieces}匹/{netkg}kg，库位「{bin}」，操作员{name}"),
    (55, "INFO", "env", "车间温湿度 {workshop}：温度{trh}℃，湿度{rh}%RH{pm}"),
    (50, "INFO", "mes", "recipe.dispatch ok vat={vat} color={color} recipe={recipe} dyes=[{dyes}] liquor_ratio=1:{ratio} cost={ms}ms"),
    (45, "INFO", "agv", "AGV-{agv}搬运任务完成：任务号{task}，{from} → {to}，载荷{load}kg，用时{secs}秒"),
    (40, "INFO", "wms", "扫码出库成功：出库单{outbound}，客户「{customer}」，布号{roll}，{pieces}匹，车牌{plate}{shipnote}"),
    (36, "INFO", "wms", "原料领用：领料单{pick}，物料「{material}」，领用{drawn}，领料车间：{workshop}，领料人{name}"),
    (30, "INFO", "dye", "染缸{vat}出缸：批号{dyelot}，色号{color}（{colorname}），布重{netkg}kg，染色用时{dyetime}，对色合格 ΔE={de}"),
    (28, "WARN", "weave", "织机停台超时：{loom}已停台{mins}分钟未处理，品种《{fabric}》，已通知保全工{name}"),
    (24, "INFO", "spin", "细纱断头统计：{frame}，纱支「{yarn}」，千锭时断头{breaks}根，锭速{spinrpm}r/min"),
    (20, "INFO", "dye", "化料间称量：助剂「{chem}」目标{target}g，实际偏差{err}%，{doser}，操作人{name}"),
    (18, "INFO", "shift", "交接班 {clock}：{workshop}（{shift}），交班人{name}，接班人{name}，本班产量：{output}，遗留问题：{leftover}"),
    (15, "INFO", "lab", "原纱检验合格：来料批次{lot}，供应商「{supplier}」，检测项目：{tests}，条干CV值{cv}%"),
    (14, "WARN", "qc", "验布降等：布号{roll}，品种《{fabric}》，疵点：{defectlist}，评分{badpts}分/百平方码，判定：{gradefrom}→{gradeto}，验布员{name}"),
    (12, "INFO", "maint", "保全作业完成：设备「{equip}」，类型：{mtype}，更换部件：{parts}，耗时{mins}分钟，执行人：{names}"),
    (11, "WARN", "env", "车间湿度偏低：{workshop}当前湿度{lowrh}%RH，低于工艺下限{rhmin}%，已开启喷雾加湿{humid}"),
    (10, "INFO", "order", "生产订单下达：订单号{order}，客户「{customer}」，品名《{fabric}》，数量{ordm}米，交期{due}，跟单员{name}{opnote}"),
    (9, "WARN", "spin", "细纱断头偏高：{frame}，纱支「{yarn}」，千锭时断头{highbreaks}根（控制线60根），已安排{name}巡回检查"),
    (8, "WARN", "lab", "对色不合格：批号{dyelot}，色号{color}（{colorname}），ΔE={badde}（标准≤1.0），光源{light}，处理意见：{colorfix}"),
    (7, "WARN", "agv", "AGV-{agv}搬运任务超时：任务号{task}，{from} → {to}，载荷{load}kg，用时{agvlate}秒"),
    (6, "WARN", "wms", "原料库存预警：物料「{material}」当前库存{stock}，低于安全库存{safe}{restock}"),
    (5, "ERROR", "mes", "recipe.dispatch failed vat={vat} color={color} recipe={recipe} err={recipeerr} cost={longms}ms{rushed}"),
    (5, "INFO", "energy", "用电日报：{workshop} {dayiso} 有功电量{kwh}kWh，峰段占比{peak}%，单位能耗{unitkwh}kWh/百米"),
    (4, "WARN", "wms", "扫码出库失败：出库单{outbound}，客户「{customer}」，布号{roll}，{pieces}匹，车牌{plate}，原因：{outfail}"),
    (4, "ERROR", "dye", "染缸温控异常 vat={vat} step={stepname} set={set}℃ deviation=+{dev}℃ alarm=TC-{code}，已切换手动保温，值班{name}"),
    (3.5, "ERROR", "mes", "调用ERP库存同步失败：POST /api/erp/v3/stock/sync 返回 HTTP {httpfail}，重试{try}/3，traceId={trace}"),
    (3, "WARN", "lab", "原纱检验不合格：来料批次{lot}，供应商「{supplier}」，检测项目：{tests}，条干CV值{badcv}%（标准≤{cvmax}%），已冻结待退货"),
    (2.5, "ERROR", "weave", "LoomController offline: loom={loom} ip={ip} last_heartbeat={hb} ({ago}s ago), 本班产量数据待补录"),
    (2, "ERROR", "wms", "库位上架失败：java.lang.IllegalStateException: bin {bin} occupied by {roll}，入库单{inbound}已挂起"),
    (1.5, "ERROR", "env", "污水排放超标：总排口COD={cod}mg/L（限值500mg/L），pH={ph}，已关闭排放阀，通知环保专员{name}"),
    (1.5, "ERROR", "energy", "压缩空气压力过低：主管网{bar}MPa（下限0.55MPa），空压机2号跳停，织造车间{affected}台喷气织机受影响{repair}"),
    (1.5, "ERROR", "safety", "烟感报警：{cnclock} {area}（{zone}），烟雾浓度{smoke}%obs/m，已联动排烟风机，值班员{name}现场确认：{confirm}"),
    (1.5, "INFO", "wms", "月度盘点完成：{store}共盘点{skus}个品项，盘亏{small}元，盘盈{small}元，盘点人：{names}"),
]

# the Java services of the mill's MES, by module: thread and logger
LOGGERS = {"weave": "c.h.mes.weave.LoomMonitor", "spin": "c.h.mes.spin.FrameCollector", "qc": "c.h.mes.qc.InspectService",
           "dye": "c.h.mes.dye.VatController", "wms": "c.h.wms.StockService", "env": "c.h.iot.ClimateJob",
           "mes": "c.h.mes.recipe.RecipeDispatcher", "agv": "c.h.wms.agv.TaskScheduler",
           "shift": "c.h.mes.shift.HandoverService", "lab": "c.h.lab.LabTestService",
           "maint": "c.h.eam.WorkOrderService", "order": "c.h.erp.OrderListener", "energy": "c.h.iot.EnergyJob",
           "safety": "c.h.iot.FireLink"}
THREADS = ["pool-3-thread-%d", "scheduling-%d", "http-nio-8080-exec-%d", "opc-ua-worker-%d"]
# the workshop gateways print the level and the place in Chinese
PLACES = {"weave": "织造车间/织机网关%d", "spin": "纺纱车间/细纱采集%d", "qc": "验布房/验布机QC-0%d", "dye": "染整车间/染缸PLC%d",
          "wms": "成品仓库/PDA-%02d", "env": "环境监测", "mes": "MES配方服务", "agv": "AGV调度", "shift": "班组终端",
          "lab": "化验室", "maint": "设备科", "order": "ERP接口", "energy": "能源管理", "safety": "消防联动"}
# the Linux hosts and their daemons, for the syslog form
HOSTS = {"weave": ("tx-loom-gw01", "loomd"), "spin": ("tx-spin-gw02", "framed"), "qc": ("tx-qc01", "inspectd"),
         "dye": ("tx-dye-plc", "vatctl"), "wms": ("tx-wms01", "wms-api"), "env": ("tx-iot01", "climated"),
         "mes": ("tx-mes03", "recipe-svc"), "agv": ("tx-wms01", "agv-sched"), "shift": ("tx-mes03", "shift-svc"),
         "lab": ("tx-lab01", "labd"), "maint": ("tx-eam01", "eam"), "order": ("tx-erp-bridge", "erp-sync"),
         "energy": ("tx-iot01", "energyd"), "safety": ("tx-iot01", "firelink")}
PIDS = {"loomd": 2231, "framed": 2240, "inspectd": 1187, "vatctl": 3105, "wms-api": 4410, "climated": 902,
        "recipe-svc": 5120, "agv-sched": 4433, "shift-svc": 5127, "labd": 1502, "eam": 6021, "erp-sync": 7010,
        "energyd": 905, "firelink": 911}
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 4, 20) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the MES services log through the Java logger: comma before the milliseconds, padded level
        thread = r.choice(THREADS) % r.randint(1, 16)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the workshop gateways write the date in Chinese and the level as a Chinese word
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 4)
        return "[%s] [%s] [%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, place)
    # the Linux hosts forward through syslog: no year, host and daemon[pid], a one-letter level
    host, daemon = HOSTS[module]
    return "%s %2d %s %s %s[%d]: <%s> " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"), host, daemon,
                                           PIDS[daemon], level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "T", 7 * 3600 + 50 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
