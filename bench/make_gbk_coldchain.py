#!/usr/bin/env python3
"""A GBK log of a Chinese cold-chain warehouse and transport system with its truth.

    bench/make_gbk_coldchain.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 29 messages
(receiving and rejected goods, put-away and full locations, picking, loading checks and their
differences, temperature excursions and recoveries, probe readings and probes gone silent,
door and refrigeration-unit alarms, truck pre-cooling, arrivals at the dock, dispatch,
temperature and route alarms on the road, delivery sign-off, shelf-life warnings and expired
batches, stocktakes, moves between locations, import quarantine papers, pushes to the transport
and customer platforms), written to measure the miner on and not to shape it: no rule was made
or tuned on them. One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

WAREHOUSES = ["临江冷链物流中心", "云溪冻品仓", "鹤山（西）冷库", "北湖保税冷链仓", "滨江前置仓 CDC-02"]
# storage zones with the range each must hold; a probe's reading is judged against its zone's range
ZONES = [("冷冻库A区", "-25~-18℃"), ("冷冻库B区", "-25~-18℃"), ("冷藏库C区", "0~4℃"), ("冷藏库D区", "2~8℃"),
         ("速冻间", "-35~-28℃"), ("穿堂（缓冲间）", "0~10℃"), ("超低温库 E区", "-65~-55℃"), ("恒温库(果蔬)", "10~15℃")]
OWNERS = ["鹤山鲜达食品有限公司", "云溪乳业股份有限公司", "北湖海鲜批发（3号档）", "临江 FreshMart 生鲜",
          "澄峰餐饮管理有限公司（中央厨房）", "朔原肉类联合加工厂"]
CUSTOMERS = ["禾川生鲜超市（人民路店）", "鸿川连锁便利 #0213", "云溪第一人民医院食堂", "滨江 Hotpot 旗舰店",
             "临江盒马式前置仓07号", "青石峡学校配餐中心"]
ITEMS = ["速冻水饺（猪肉白菜）1kg", "冰鲜三文鱼 整条", "巴氏鲜奶 950ml", "冷冻鸡翅中 2kg/袋", "进口牛腩(澳洲)",
         "速冻汤圆 黑芝麻", "原味酸奶200g*12", "冻虾仁 IQF 31/40", "冷冻薯条 2.5kg", "鲜切西兰花"]
REJECT_WHY = ["到货温度超标", "外箱破损、渗漏", "无检疫合格证明", "生产日期超过收货标准（剩余保质期不足2/3）",
              "批次号与送货单不符", "车厢温度记录缺失"]
CARRIERS = ["鹤山顺冷运输有限公司", "云溪冷运车队", "北湖鲜运（个体）", "临江 ColdLink 物流", "自有车队"]
ROUTES = ["临江→云溪", "云溪→鹤山西", "北湖→滨江（市内配送）", "临江→朔原 干线", "鹤山环线A"]
PLACES = ["G60沪昆高速鹤山服务区附近", "云溪市北湖区滨江大道", "S15 临江段 K132", "朔原县城郊", "禾川收费站"]
SIGN_NOTES = ["外箱轻微压痕", "少1箱已拍照", "温度记录仪数据已导出", "客户要求下次提前电话"]
UNIT_FAULTS = ["高压报警", "压缩机过载", "冷凝风机故障", "化霜超时", "制冷剂泄漏疑似", "E07 low suction pressure"]
MOVE_WHY = ["库位整理", "临期集中存放", "冷冻转冷藏解冻", "货主要求合并批次", "库位维修"]
DISINFECT = ["已消杀（过氧乙酸）", "已消杀并拍照留档", "待消杀", "免消杀（国产）"]
WB_STATUS = ["LOADED", "DEPARTED", "IN_TRANSIT", "ARRIVED", "SIGNED", "EXCEPTION"]
ERR_BODIES = ["connect timed out", "401 token expired", "签名校验失败", "waybill not found", "对方系统维护中"]
PY_LOGGERS = ["wms.inbound", "wms.putaway", "wms.outbound", "wms.stocktake", "tms.dispatch", "tms.track",
              "iot.temperature", "edi.push"]


def zone(r):
    return r.choice(ZONES)[0]


def excursion(r):
    # the reading must lie outside its own zone's range, so the pair is drawn together
    z, band = r.choice(ZONES)
    hi = int(band.split("~")[1].rstrip("℃"))
    return "%s传感器%s当前%.1f℃，设定范围%s" % (z, probe(r), hi + r.uniform(0.5, 9), band)


def probe(r):
    return "T-%s%02d" % (r.choice("ABCDEF"), r.randint(1, 40))


def plate(r):
    # plates as drivers gave them at the gate: some with a blank, some in lower case
    p = "%s%s%s" % (r.choice("浙苏皖赣闽沪"), r.choice("ABCDEF"),
                    "".join(r.choice("0123456789" * 3 + "ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(5)))
    return r.choice([p, p, p, p[:2] + " " + p[2:], p.lower()])


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def above(fmt):
    """A maker of `fmt` filled with a reading and the limit it is above."""
    def make(r):
        limit = r.choice([-18, -15, 0, 4, 8])
        return fmt % (limit + r.uniform(0.5, 12), limit)
    return make


def expdate(r):
    return "2026年%d月%d日" % (r.randint(10, 12), r.randint(1, 28))


V = {
    "name": gbk_messages.name,
    "wh": gbk_messages.pick(WAREHOUSES),
    "zone": zone,
    "excursion": excursion,
    "owner": gbk_messages.pick(OWNERS),
    "customer": gbk_messages.pick(CUSTOMERS),
    "item": gbk_messages.pick(ITEMS),
    "rejectwhy": gbk_messages.pick(REJECT_WHY),
    "carrier": gbk_messages.pick(CARRIERS),
    "route": gbk_messages.pick(ROUTES),
    "place": gbk_messages.pick(PLACES),
    "unitfault": gbk_messages.pick(UNIT_FAULTS),
    "movewhy": gbk_messages.pick(MOVE_WHY),
    "disinfect": gbk_messages.pick(DISINFECT),
    "wbstatus": gbk_messages.pick(WB_STATUS),
    "errbody": gbk_messages.pick(ERR_BODIES),
    "signnote": gbk_messages.optional(lambda r: "，备注：%s" % r.choice(SIGN_NOTES), 0.3),
    "photo": gbk_messages.optional(lambda r: "，司机%s已拍照上传" % gbk_messages.name(r), 0.4),
    "roadtemp": above("temp=%.1f limit=%d"),
    "precoolmiss": above("车厢温度%.1f℃，高于目标%d℃"),
    "probe": probe,
    "plate": plate,
    "phone": phone,
    "expdate": expdate,
    "inbound": lambda r: "RK26%02d%05d" % (r.randint(9, 10), r.randint(1, 99999)),
    "outbound": lambda r: "CK26%02d%05d" % (r.randint(9, 10), r.randint(1, 99999)),
    "waybill": lambda r: "YD%011d" % r.randint(0, 10 ** 11 - 1),
    "batch": lambda r: "%s%s%03d" % (r.choice(["B", "LOT", "P"]), r.choice(["260915", "260921", "261002"]),
                                     r.randint(1, 999)),
    "pallet": lambda r: "TP%07d" % r.randint(0, 9999999),
    "loc": lambda r: "%s-%02d-%02d-%d" % (r.choice("ABCDE"), r.randint(1, 30), r.randint(1, 12), r.randint(1, 5)),
    "zonecode": lambda r: r.choice(["FZ-A", "FZ-B", "CH-C", "CH-D", "QF-1", "ULT-E"]),
    "dock": lambda r: r.choice(["%d号月台", "月台%02d", "dock-%d"]) % r.randint(1, 24),
    "door": lambda r: r.choice(["冷冻库A区1号门", "冷藏库C区 卷帘门", "穿堂2号门", "速冻间东门"]),
    "unit": lambda r: "%d#机组" % r.randint(1, 8),
    "forklift": lambda r: "FL-%02d" % r.randint(1, 30),
    "seal": lambda r: "%08d" % r.randint(0, 10 ** 8 - 1),
    "stocktake": lambda r: "PD%06d" % r.randint(0, 999999),
    "cert": lambda r: "%d%010d" % (r.choice([3100, 4400, 3300]), r.randint(0, 10 ** 10 - 1)),
    "customs": lambda r: "%018d" % r.randint(0, 10 ** 18 - 1),
    "temp": lambda r: "%.1f" % r.uniform(-24, 9),
    "target": lambda r: str(r.choice([-18, -15, 0, 2, 4])),
    "rh": lambda r: str(r.randint(40, 98)),
    "batt": lambda r: str(r.randint(5, 100)),
    "dooropen": lambda r: r.choice(["open", "closed"]),
    "lat": lambda r: "%.5f" % r.uniform(28, 32),
    "lng": lambda r: "%.5f" % r.uniform(117, 122),
    "eta": lambda r: "%02d:%02d" % (r.randint(0, 23), r.choice([0, 15, 30, 45])),
    "ts": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "qty": lambda r: str(r.randint(1, 800)),
    "big": lambda r: str(r.randint(20, 3000)),
    "n": lambda r: str(r.randint(1, 40)),
    "days": lambda r: str(r.randint(1, 30)),
    "km": lambda r: "%.1f" % r.uniform(0.5, 25),
    "mins": lambda r: str(r.randint(2, 180)),
    "ms": lambda r: str(r.randint(20, 8000)),
}

TEMPLATES = [
    ("INFO", "入库单{inbound}收货完成：货主{owner}，品名{item}，批次{batch}，数量{qty}箱，到货温度{temp}℃，验收员{name}"),
    ("WARN", "入库拒收：入库单{inbound}，{item}批次{batch}，原因：{rejectwhy}"),
    ("INFO", "上架完成：托盘{pallet}→库位{loc}（{zone}），操作员{name}，叉车{forklift}"),
    ("WARN", "推荐库位{loc}已满，托盘{pallet}改放{loc}"),
    ("INFO", "出库单{outbound}拣货完成：客户{customer}，共{n}行{qty}箱，拣货员{name}"),
    ("INFO", "出库复核通过：出库单{outbound}，装车{plate}，封签号{seal}"),
    ("WARN", "出库复核差异：出库单{outbound}，{item}应出{qty}箱，实扫{qty}箱"),
    ("WARN", "温度超限：{excursion}，持续{mins}分钟，已通知{name}"),
    ("INFO", "温度恢复正常：{zone}传感器{probe}当前{temp}℃，超限时长{mins}分钟，处理人{name}"),
    ("INFO", "probe={probe} zone={zonecode} t={temp} rh={rh}% door={dooropen} batt={batt}%"),
    ("ERROR", "传感器{probe}离线，最后上报时间{ts}，所在温区：{zone}"),
    ("WARN", "库门开启超时：{door}已开启{mins}分钟，库内温度升至{temp}℃"),
    ("ERROR", "制冷机组{unit}报警：{unitfault}，{zone}已切换至备用机组"),
    ("INFO", "预冷开始：冷藏车{plate}，车厢当前温度{temp}℃，目标{target}℃，{dock}"),
    ("INFO", "预冷完成：冷藏车{plate}，用时{mins}分钟，车厢温度{temp}℃{photo}"),
    ("WARN", "预冷未达标：冷藏车{plate}预冷{mins}分钟后{precoolmiss}，禁止装车"),
    ("INFO", "车辆到场登记：车牌{plate}，司机{name}（{phone}），承运商：{carrier}，预约{dock}"),
    ("INFO", "发车：运单{waybill}，冷藏车{plate}，司机{name}，线路：{route}，预计{eta}到达"),
    ("WARN", "在途温度异常 waybill={waybill} plate={plate} {roadtemp} gps={lat},{lng}"),
    ("WARN", "车辆偏离规划路线：运单{waybill}，车牌{plate}，偏离{km}公里，当前位置：{place}"),
    ("INFO", "签收：运单{waybill}，收货方{customer}，签收人{name}，到货温度{temp}℃{signnote}"),
    ("WARN", "临期预警：{item}批次{batch}，保质期至{expdate}，剩余{days}天，库存{qty}箱，库位{loc}"),
    ("ERROR", "批次{batch}已过保质期：{item}，已冻结库存{qty}箱并移入待处理区"),
    ("INFO", "盘点任务{stocktake}完成：{zone}共盘{big}个库位，差异{n}处，盘点人{name}"),
    ("WARN", "盘点差异：库位{loc}，{item}批次{batch}系统数{qty}箱，实盘{qty}箱"),
    ("INFO", "移库：{item}批次{batch}由{loc}移至{loc}，原因：{movewhy}"),
    ("INFO", "进口冷链食品入库核验：报关单号{customs}，检疫证明编号{cert}，消杀记录：{disinfect}"),
    ("INFO", "POST /api/tms/v1/waybill/status waybill={waybill} status={wbstatus} code=200 cost={ms}ms"),
    ("ERROR", "push to customer platform failed: outbound={outbound} err={errbody} retry={n}/5"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the warehouse terminals label every field in Chinese and name the warehouse
        cn = {"INFO": "信息", "WARN": "预警", "ERROR": "故障"}[level]
        return "时刻 2026年10月22日%02d时%02d分%02d秒 等级 %s 仓库 %s → " % (hh, mm, ss, cn, r.choice(WAREHOUSES))
    if form == 1:
        # the dock and telemetry gateways wrap the header in one pair of brackets
        return "[ccwms %02d:%02d:%02d.%03d %-5s dc=%02d tid=%04x] " % (
            hh, mm, ss, r.randint(0, 999), level, r.randint(1, 5), r.getrandbits(16))
    # the platform services are Python: level, logger and thread after the asctime
    return "2026-10-22 %02d:%02d:%02d,%03d %-8s [%s] (%s) " % (
        hh, mm, ss, r.randint(0, 999), {"WARN": "WARNING"}.get(level, level), r.choice(PY_LOGGERS),
        r.choice(["MainThread", "ThreadPoolExecutor-0_%d" % r.randint(0, 7), "mqtt-loop"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CC", 0)
