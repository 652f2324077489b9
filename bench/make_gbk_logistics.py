#!/usr/bin/env python3
"""A GBK log of a Chinese parcel-delivery and warehouse system with its truth.

    bench/make_gbk_logistics.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (waybills,
couriers, sorting centres that open a message, outlets glued to their city, plates,
weights and pieces with their units, pick locations listed with 、), written to measure
the miner on and not to shape it: no rule was made or tuned on them. One of three header
forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

CITIES = ["杭州", "上海", "苏州", "广州", "成都", "武汉", "郑州", "西安", "沈阳"]
CENTRES = ["华东转运中心", "广州白云分拨中心", "成都双流集散中心", "武汉东西湖分拣中心",
           "北京顺义转运中心", "郑州航空港分拨中心"]
OUTLETS = ["西湖网点", "滨江营业部", "高新区站点", "大学城驿站", "开发区网点"]
WAREHOUSES = ["嘉兴1号仓", "昆山保税仓", "天津武清仓", "佛山南海冷链仓"]
SIGNERS = ["本人", "前台", "门卫", "家人", "快递柜", "驿站代收"]
FAILS = ["电话无人接听", "客户要求改约", "地址不详", "客户拒收", "门店已关闭", "超区无法派送"]
STATES = ["已揽收", "运输中", "到达分拨", "派送中", "已签收", "问题件", "退回中"]
REMARKS = ["放门口", "请勿折叠", "易碎品", "工作日派送"]
STREETS = ["文三路", "人民路", "建设大道", "解放西路", "科技园南区"]
PROVS = "浙沪苏粤川鄂豫陕辽"


def wb(r):
    return r.choice(["YT", "ZT", "KD"]) + "%012d" % r.randint(0, 10 ** 12 - 1)


V = {
    "wb": wb,
    "name": gbk_messages.name,
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "kg": lambda r: "%.1fkg" % (r.random() * 30 + 0.1),
    "pcs": lambda r: "%d件" % r.randint(1, 900),
    "n": lambda r: str(r.randint(1, 300)),
    "retry": lambda r: str(r.randint(1, 5)),
    "city": lambda r: r.choice(CITIES),
    "centre": lambda r: r.choice(CENTRES),
    "outlet": lambda r: r.choice(OUTLETS),
    "wh": lambda r: r.choice(WAREHOUSES),
    "signer": lambda r: r.choice(SIGNERS),
    "remark": lambda r: "" if r.random() < 0.6 else "，备注：" + r.choice(REMARKS),
    "fail": lambda r: r.choice(FAILS),
    "states": lambda r: "%s→%s" % tuple(r.sample(STATES, 2)),
    "addr": lambda r: "%s市%s%d号" % (r.choice(CITIES), r.choice(STREETS), r.randint(1, 999)),
    "plate": lambda r: "%s%s%d%s%03d" % (r.choice(PROVS), r.choice("ABCDE"), r.randint(0, 9), r.choice("FKLX"), r.randint(0, 999)),
    "route": lambda r: "%s-%s" % tuple(r.sample(CITIES, 2)),
    "min": lambda r: str(r.randint(1, 240)),
    "km": lambda r: "%.1f公里" % (r.random() * 40),
    "sku": lambda r: "SKU%07d" % r.randint(0, 9999999),
    "inb": lambda r: "IN20261209%06d" % r.randint(0, 999999),
    "outb": lambda r: "OUT20261209%06d" % r.randint(0, 999999),
    "task": lambda r: "PK%d" % r.randint(100000, 999999),
    "locs": lambda r: "、".join("%s-%02d-%d" % (r.choice("ABCD"), r.randint(1, 40), r.randint(1, 6)) for _ in range(r.randint(1, 5))),
    "sec": lambda r: "%ds" % r.randint(20, 1800),
    "ms": lambda r: "%dms" % r.randint(50, 30000),
    "code": lambda r: r.choice(["500", "502", "503", "504", "429"]),
    "part": lambda r: str(r.randint(0, 31)),
    "offset": lambda r: str(r.randint(0, 99999999)),
    "chute": lambda r: "%03d" % r.randint(1, 320),
    "temp": lambda r: "%.1f℃" % r.choice([r.uniform(-3, 1.9), r.uniform(8.1, 15)]),
    "money": lambda r: "%d.%02d" % (r.randint(1000, 999999), r.randint(0, 99)),
}

TEMPLATES = [
    ("INFO", "运单{wb}已揽收，快递员{name}（{phone}），重量{kg}"),
    ("INFO", "{centre}到件扫描：运单{wb}，上一站{city}"),
    ("INFO", "{centre}发件扫描：运单{wb}，下一站{centre}"),
    ("INFO", "运单{wb}派送中，派件员{name}，电话{phone}"),
    ("INFO", "运单{wb}已签收，签收人：{signer}{remark}"),
    ("WARN", "运单{wb}派送失败，原因：{fail}"),
    ("INFO", "运单{wb}状态变更：{states}"),
    ("WARN", "地址解析失败，运单{wb}，原始地址“{addr}”"),
    ("INFO", "客户{name}修改收件地址，运单{wb}，新地址：{addr}"),
    ("INFO", "车辆{plate}发车，线路{route}，装载{pcs}，司机{name}"),
    ("INFO", "车辆{plate}到达{centre}，晚点{min}分钟"),
    ("WARN", "车辆{plate}偏离规划路线{km}，已通知调度"),
    ("WARN", "冷链车厢温度{temp}超出范围[2℃,8℃]，车辆{plate}"),
    ("INFO", "{wh}入库完成，单号={inb}，SKU数={n}，合计{pcs}"),
    ("INFO", "{wh}出库完成，单号={outb}，SKU数={n}，合计{pcs}"),
    ("WARN", "库存不足：sku={sku}，仓库={wh}，可用={n}，需求={n}"),
    ("INFO", "拣货任务{task}分配给{name}，库位：{locs}"),
    ("INFO", "拣货任务{task}完成，耗时{sec}"),
    ("INFO", "分拣机格口{chute}满包，自动切换至格口{chute}"),
    ("WARN", "{city}{outlet}爆仓，滞留{pcs}，请尽快调配运力"),
    ("INFO", "快递员{name}上线，所属网点：{city}{outlet}"),
    ("INFO", "快递员{name}离线，所属网点：{city}{outlet}"),
    ("ERROR", "调用电子面单API失败：HTTP {code}，重试第{retry}次"),
    ("ERROR", "MQ消息投递失败 topic=waybill.track partition={part} offset={offset}"),
    ("ERROR", "SQL执行超时（{ms}）：更新运单{wb}轨迹"),
    ("INFO", "日结对账完成，应收{money}元，实收{money}元，差异{retry}笔"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09 %02d:%02d:%02d,%03d %-5s [pool-%d-thread-%d] c.l.t.%s - " % (
            hh, mm, ss, ms, level, r.randint(1, 4), r.randint(1, 32),
            r.choice(["WaybillService", "SortingJob", "StockManager"]))
    if form == 1:
        return "2026/12/09 %02d:%02d:%02d 【%s】 " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])
    return "[%02d:%02d:%02d.%03d] [%s] %s : " % (hh, mm, ss, ms, r.choice(["tms", "wms", "sorting"]), level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "L", 6 * 3600)
