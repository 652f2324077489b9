#!/usr/bin/env python3
"""A GBK log of a Chinese state grain reserve depot's management system with its truth.

    bench/make_gbk_grain.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 28 messages (grain
temperature and humidity probes, ventilation, fumigation and gas control, intake and
outbound weighing, sampling and quality grading, rotation plans, stock inspections, cameras
and store-room doors), written to measure the miner on and not to shape it: no rule was made
or tuned on them when they were first measured; rules were shaped on their errors later
(SHAPED_ON in pattern_accuracy.py). One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

# Store rooms as the depot numbers them: flat rooms, squat silos and vertical silos.
SILOS = ["P1仓", "P3仓", "P7仓", "P12仓", "Q2浅圆仓", "Q5浅圆仓", "L-03立筒仓", "L-08立筒仓",
         "东区5号廒间", "西区2号廒间"]
GRAINS = ["2024年产小麦", "2025年产小麦", "2024年产中晚籼稻", "2025年产粳稻", "2024年产玉米",
          "2023年产大豆（国产）"]
VENTS = ["机械通风（降温）", "机械通风（降水）", "环流通风", "谷冷机通风", "自然通风"]
PESTS = ["玉米象", "谷蠹", "赤拟谷盗", "锈赤扁谷盗", "印度谷螟", "书虱", "麦蛾"]
FUMIGANTS = ["磷化铝片剂", "磷化铝丸剂", "硫酰氟", "氮气气调（无药）"]
AGENTS = ["PH3-TAB", "PH3-PEL", "SF"]
FAIL_ITEMS = ["水分", "杂质", "不完善粒", "霉变粒", "生霉粒", "黄粒米", "色泽气味", "真菌毒素（DON）"]
GRADES = ["一等", "二等", "三等", "四等", "五等", "等外"]
ROT_MODES = ["竞价销售", "邀标采购", "定向销售", "轮换补库"]
INSPECTORS = ["省粮食和物资储备局检查组", "市库存大清查第二组", "分公司交叉检查组",
              "审计联合检查组", "直属库内控小组"]
ISSUES = ["粮面不平整，局部高于装粮线", "仓房墙体有裂缝", "账表卡不一致", "熏蒸记录缺少签字",
          "粮温检测记录漏记", "防鼠板缺失", "挡粮门锈蚀", "药品库台账与实物不符"]
AREAS = ["东区仓房", "西区仓房", "地磅房", "药品库", "化验室", "大门口", "罩棚"]
SCALES = ["1号地磅（100t）", "2号地磅（100t）", "3号地磅（150t）"]
DOOR_OPS = ["仓门开启", "仓门关闭"]
PEST_LEVELS = ["基本无虫粮", "一般虫粮", "严重虫粮"]
SIDES = ["东侧", "西侧", "仓门口"]
PLATES = "苏皖豫鲁赣鄂"
MODULES = ["lqjc", "jlgl", "zjhy", "lhgl", "aqjk"]   # the depot's subsystems, by their pinyin initials
TORNADO = ["probe_poll", "scale_io", "qc_report", "rotation", "fumigate", "video_guard"]

_last = {}


def gross(r):
    # the three weights on one weighing line belong together: net is gross less tare
    _last["gross"] = r.randint(28000, 49000)
    return str(_last["gross"])


def tare(r):
    _last["tare"] = r.randint(12000, 17500)
    return str(_last["tare"])


def net(r):
    return str(_last.get("gross", 40000) - _last.get("tare", 15000))


def book(r):
    # a store room's three stock figures differ by a few tonnes at most; the rate is per mille
    _last["book"] = r.uniform(500, 9000)
    return "%.3f" % _last["book"]


def book2(r):
    return "%.3f" % (_last["book"] + r.choice([0.0, 0.0, r.uniform(-2, 2)]))


def measured(r):
    _last["measured"] = _last["book"] * (1 + r.uniform(-0.003, 0.003))
    return "%.3f" % _last["measured"]


def rate(r):
    return "%.2f‰" % ((_last["measured"] - _last["book"]) / _last["book"] * 1000)


def plate(r):
    # grain trucks come from the neighbouring provinces; a few plates carry a letter inside
    tail = "".join(r.choice("0123456789" * 4 + "ABCDEFHJKLMN") for _ in range(5))
    return "%s%s%s" % (r.choice(PLATES), r.choice("ABCDEFGHK"), tail)


def cn_date(r):
    return "%d年%d月%d日" % (r.choice([2026, 2027]), r.randint(1, 12), r.randint(1, 28))


def silo_list(r):
    return "、".join(r.sample(SILOS, r.randint(1, 4)))


def fail_items(r):
    return "、".join(r.sample(FAIL_ITEMS, r.randint(1, 3)))


def by_whom(r):
    return "，保管员%s" % gbk_messages.name(r)


def airtight(r):
    return "，压力半衰期%d秒" % r.randint(40, 400)


V = {
    "name": gbk_messages.name,
    "silo": gbk_messages.pick(SILOS),
    "grain": gbk_messages.pick(GRAINS),
    "vent": gbk_messages.pick(VENTS),
    "pest": gbk_messages.pick(PESTS),
    "fumigant": gbk_messages.pick(FUMIGANTS),
    "agent": gbk_messages.pick(AGENTS),
    "grade": gbk_messages.pick(GRADES),
    "rotmode": gbk_messages.pick(ROT_MODES),
    "org": gbk_messages.pick(INSPECTORS),
    "issue": gbk_messages.pick(ISSUES),
    "area": gbk_messages.pick(AREAS),
    "scale": gbk_messages.pick(SCALES),
    "doorop": gbk_messages.pick(DOOR_OPS),
    "pestlevel": gbk_messages.pick(PEST_LEVELS),
    "side": gbk_messages.pick(SIDES),
    "n2act": gbk_messages.pick(["启动", "提高产气量"]),
    "pests": lambda r: "、".join(r.sample(PESTS, r.randint(1, 3))),
    "silos": silo_list,
    "failitems": fail_items,
    "keeper": gbk_messages.optional(by_whom, 0.4),
    "halflife": gbk_messages.optional(airtight, 0.5),
    "gross": gross,
    "tare": tare,
    "net": net,
    "netw": lambda r: str(r.randint(15000, 34000)),
    "plate": plate,
    "cndate": cn_date,
    "tmax": lambda r: "%.1f℃" % r.uniform(16, 31),
    "tmin": lambda r: "%.1f℃" % r.uniform(4, 13),
    "tavg": lambda r: "%.1f℃" % r.uniform(12, 19),
    "hot": lambda r: "%.1f" % r.uniform(15, 38),
    "temp": lambda r: "%.1f" % r.uniform(-3, 34),
    "delta": lambda r: "%.1f℃" % r.uniform(0.5, 6),
    "hum": lambda r: str(r.randint(35, 92)),
    "moist": lambda r: "%.1f%%" % r.uniform(11.0, 15.5),
    "impur": lambda r: "%.1f%%" % r.uniform(0.2, 2.0),
    "bulk": lambda r: str(r.randint(690, 800)),
    "imperf": lambda r: "%.1f%%" % r.uniform(0.5, 12),
    "pct": lambda r: "%.1f%%" % r.uniform(0, 100),
    "rate": rate,
    "book": book,
    "book2": book2,
    "measured": measured,
    "ppm": lambda r: str(r.randint(50, 1200)),
    "resid": lambda r: "%.2f" % r.uniform(0.01, 0.3),
    "dose": lambda r: "%.1f" % r.uniform(1.5, 9),
    "density": lambda r: str(r.randint(1, 40)),
    "n2": lambda r: "%.1f%%" % r.uniform(90, 97.9),
    "energy": lambda r: "%.3f" % r.uniform(0.02, 0.4),
    "daytons": lambda r: "%.3f" % r.uniform(30, 1500),
    "tons": lambda r: "%.3f" % r.uniform(50, 9000),
    "layer": lambda r: str(r.randint(1, 4)),
    "cable": lambda r: "%02d" % r.randint(1, 64),
    "addr": lambda r: "0x%02X" % r.randint(1, 247),
    "points": lambda r: str(r.randint(80, 600)),
    "fans": lambda r: str(r.randint(1, 8)),
    "hours": lambda r: "%.1f" % r.uniform(2, 72),
    "mins": lambda r: str(r.randint(1, 300)),
    "days": lambda r: str(r.randint(1, 60)),
    "n": lambda r: str(r.randint(2, 12)),
    "kg": lambda r: str(r.randint(20, 300)),
    "sample": lambda r: "YP2603%05d" % r.randint(0, 99999),
    "plan": lambda r: "LH(2026)%03d号" % r.randint(1, 120),
    "ticket": lambda r: "CK%08d" % r.randint(0, 99999999),
    "issueno": lambda r: "ZG-%04d" % r.randint(1, 9999),
    "cam": lambda r: "CH%02d-%s" % (r.randint(1, 64), r.choice(["D1", "D2", "IPC"])),
    "code": lambda r: "%06d" % r.randint(0, 999999),
    "n2mach": lambda r: "PSA-%d" % r.randint(1, 3),
}

TEMPLATES = [
    ("INFO", "粮情检测完成：{silo}，测温点{points}个，最高粮温{tmax}，最低{tmin}，平均{tavg}"),
    ("WARN", "粮温异常：{silo}第{layer}层{cable}号电缆测点温度{hot}℃，较上次检测升高{delta}"),
    ("ERROR", "测温电缆通讯中断 silo={silo} cable={cable} slave_addr={addr}"),
    ("INFO", "仓温仓湿 silo={silo} T={temp}℃ RH={hum}% | 气温 {temp}℃ 气湿 {hum}%"),
    ("INFO", "通风作业开始：{silo}，方式：{vent}，开启风机{fans}台，作业人{name}"),
    ("INFO", "通风作业结束：{silo}，累计运行{hours}小时，平均降温{delta}，单位能耗{energy}kW·h/t"),
    ("WARN", "熏蒸作业申请：{silo}，发现害虫：{pests}，虫口密度{density}头/kg，拟用药剂：{fumigant}"),
    ("INFO", "熏蒸开始 silo={silo} agent={agent} dose={dose}g/m3，施药人{name}、{name}"),
    ("WARN", "熏蒸期间{silo}{side}检测点磷化氢浓度{ppm}ml/m3{halflife}"),
    ("INFO", "散气结束：{silo}，残留磷化氢{resid}ml/m3，允许人员进仓"),
    ("INFO", "入库检斤：车牌{plate}，{grain}，毛重{gross}kg，皮重{tare}kg，净重{net}kg，卸入{silo}"),
    ("WARN", "{scale}读数不稳定，车牌{plate}，连续{n}次偏差超过{kg}kg，请司磅员复秤"),
    ("INFO", "扦样完成：车牌{plate}，扦样点{n}个，样品编号{sample}，扦样员{name}"),
    ("INFO", "检验结果：样品{sample}，水分{moist}，杂质{impur}，容重{bulk}g/L，不完善粒{imperf}，定等：{grade}"),
    ("WARN", "检验不合格：样品{sample}，{failitems}超标，已通知司机{name}退车"),
    ("INFO", "扣量计算：水分扣量{kg}kg，杂质扣量{kg}kg，结算净重{netw}kg"),
    ("INFO", "轮换计划{plan}已下达：{grain}{tons}吨，方式：{rotmode}，须于{cndate}前完成"),
    ("INFO", "轮换出库：计划{plan}，{silo}本日出库{daytons}吨，累计完成{pct}"),
    ("WARN", "轮换进度滞后：计划{plan}完成{pct}，距截止日期仅剩{days}天"),
    ("INFO", "outbound weighing ticket={ticket} plate={plate} net={netw}kg silo={silo} status=closed"),
    ("INFO", "{org}进驻，抽查仓房：{silos}"),
    ("WARN", "检查发现问题：{silo}，{issue}，责任人{name}，限期{days}日整改"),
    ("INFO", "整改销号：{silo}问题单{issueno}复核通过，复核人{name}"),
    ("ERROR", "视频监控通道{cam}离线，区域：{area}，已离线{mins}分钟"),
    ("INFO", "储粮害虫检测：{silo}，虫种{pests}，密度{density}头/kg，判定为{pestlevel}"),
    ("INFO", "{silo}{doorop}，操作人{name}，授权码{code}{keeper}"),
    ("WARN", "氮气气调：{silo}氮气浓度{n2}，低于目标值98%，制氮机{n2mach}已{n2act}"),
    ("INFO", "账实核对：{silo}保管账{book}吨，统计账{book2}吨，实测{measured}吨，差率{rate}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the depot's own server writes a Chinese date and the subsystem in 【】
        return "[2026年3月18日 %02d:%02d:%02d] 【%s】%s：" % (
            hh, mm, ss, r.choice(["粮情测控", "智能出入库", "质检化验", "安防监控", "轮换管理"]),
            {"INFO": "一般", "WARN": "警示", "ERROR": "严重"}[level])
    if form == 1:
        # the field controllers forward to the central log host over BSD syslog
        return "Mar 18 %02d:%02d:%02d grain-srv%02d %s[%d]: <%s> " % (
            hh, mm, ss, r.randint(1, 3), r.choice(MODULES), r.randint(300, 30000),
            {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level])
    # the reporting service is a Python web app with tornado's bracketed prefix
    return "[%s 260318 %02d:%02d:%02d %s:%d] " % (
        level[0], hh, mm, ss, r.choice(TORNADO), r.randint(30, 700))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "GR", 7 * 3600 + 45)
