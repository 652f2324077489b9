#!/usr/bin/env python3
"""A GBK log of a city's recycling platform (smart drop-off bins, door-to-door pick-up,
stations, a sorting centre and baling yards) with its truth.

    bench/make_gbk_recycling.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 33 messages (drops into the
smart bins and the green points they earn, bin heartbeats, full bins and overheated bins, bins
emptied; pick-up orders placed, dispatched, cancelled and late; weighbridge tickets and tickets
that disagree with the declared weight, the scale going silent; settlements and failed payment
callbacks; price changes and price quotes suspended; sorting into bays, quality checks passed
and whole batches refused, bales shipped to mills, lorries in and out of the gate; appliances
dismantled, phones whose wipe could not be verified, hazardous-waste transfer slips; collectors
verified or turned down, points spent on gifts, complaints, fire rounds, a daily summary and
a database timeout), written to measure the miner on and not to shape it: no rule was made or
tuned on them. Each message keeps its own frequency, bin drops by the hundred and a
weighbridge outage once or twice a day. One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

rint, real, pick, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                    gbk_messages.optional, gbk_messages.name)

STATIONS = ["拱墅区和睦回收站", "西湖区翠苑社区回收点", "余杭良渚分拣中心", "萧山瓜沥打包站",
            "滨江长河驿站（临时点）", "临平南苑回收亭", "上城区 九堡 再生资源集散场"]
# what the bins and the price board call a category
CATS = ["废纸", "废塑料", "废金属", "废旧纺织物", "废玻璃", "饮料瓶", "有害垃圾"]
# grades as the price board lists them, yuan per kg low and high
GRADES = [("黄板纸（A级）", 1.3, 1.9), ("花纸（含胶带）", 0.7, 1.1), ("书本纸", 1.0, 1.5),
          ("PET 瓶砖（透明）", 1.8, 2.9), ("HDPE 白料", 2.2, 3.6), ("PP 杂色破碎料", 1.1, 2.0),
          ("废铜（黄铜，光亮）", 38, 46), ("废铝（易拉罐，压块）", 9.5, 13), ("不锈钢 304 边角料", 6.8, 9.2),
          ("废铁（重废 ≥6mm）", 1.9, 2.6), ("旧衣物（夏装）", 0.4, 0.9), ("平板玻璃（无色）", 0.1, 0.3)]
PLACES = ["翠苑一区12幢楼下", "和睦新村东门", "良渚文化村 玉鸟流苏", "长河路地铁站B口", "南苑街道 星光大道 北侧",
          "九堡家苑三区（菜场旁）", "古荡湾新村5号楼"]
ROADS = ["文一西路", "莫干山路", "丰潭路", "江南大道", "临平大道", "古墩路", "德胜东路"]
SLOTS = ["09:00-11:00", "13:00-15:00", "15:00-17:00", "18:30-20:30"]
PAYS = ["微信零钱", "支付宝", "环保积分抵扣", "现金（站点代付）", "银行卡（对公）"]
CANCELERS = ["用户", "回收员", "系统自动"]
CANCELS = ["物品已自行处理", "预约时间无人在家", "品类不在回收范围", "超时未接单", "重复下单"]
BAYS = ["A区1号仓", "A区3号仓", "B区（金属）", "C区 纸类堆场", "D区塑料待打包区"]
PRICE_WHY = ["下游纸厂提价", "LME 铜价回落", "库存偏高", "季节性调整", "区域统一指导价"]
HALT_WHY = ["下游钢厂停收", "行情剧烈波动", "打包站满仓", "环保督查期间"]
QC_GRADES = ["一级", "二级", "三级", "降级收货"]
QC_FAILS = ["含水率超标（泡水）", "夹杂生活垃圾", "混入医疗废物", "油污严重", "内含密闭压力容器"]
SUPPLIERS = ["和睦回收站", "个体户 老周", "瓜沥镇废品收购部", "物业公司（翠苑一区）", "某超市配送中心"]
MILLS = ["富阳某纸业公司", "嘉兴再生塑料园区", "湖州铜材厂", "宁波钢铁（原料处）", "绍兴化纤再生车间"]
TRUCKS = ["4.2米厢式货车", "9.6米高栏", "压缩式垃圾车", "半挂（13米）", "小型电动三轮"]
APPLIANCES = [("冰箱（双门）", "压缩机、冷凝器、聚氨酯泡沫"), ("洗衣机（滚筒）", "电机、配重块、不锈钢内桶"),
              ("空调室外机", "压缩机、铜管、铝翅片"), ("CRT 电视机", "显像管、线路板、塑料外壳"),
              ("笔记本电脑", "锂电池、主板、液晶屏"), ("热水器（电）", "内胆、加热管、温控器")]
BRANDS = ["国产", "进口", "杂牌", "品牌不详"]
PHONES = ["iPhone 8 (A1863)", "Mate 20", "Redmi Note 9", "OPPO R15", "vivo X21", "老人机（无品牌）"]
WIPES = ["三次覆写", "恢复出厂", "NIST 800-88 Clear", "物理粉碎"]
HAZARDS = ["废铅蓄电池", "废荧光灯管", "废矿物油", "废油漆桶", "含汞温度计"]
COMPANIES = ["滨江某汽修厂", "余杭某物业公司", "临平某制衣厂", "西湖区某中学"]
RECIPIENTS = ["杭州某危废处置中心", "浙江某环境科技有限公司（HW49）", "衢州某铅回收厂"]
REJECTS = ["身份证照片模糊", "人脸与证件不符", "无营业执照（个体）", "服务区域已满员", "有不良记录"]
GIFTS = ["环保帆布袋", "洗衣液 2kg", "抽纸（10包装）", "话费 10元", "公交卡充值 20元", "不锈钢保温杯"]
COMPLAINTS = ["称重不准", "服务态度", "上门迟到", "价格争议", "积分未到账"]
COMPLAINT_TEXTS = ["师傅说秤坏了，按估重算的", "约了下午两点，四点才来", "说好的价格到门口又压价",
                   "投了三次瓶子，积分一次没到", "态度很差，还乱丢纸壳"]
FIRE = ["未发现隐患", "消防通道有纸壳堆放，已责令清理", "灭火器压力不足1具，已更换", "应急照明故障，已报修"]
SMOKE = ["未报警", "一级报警", "二级报警（持续）"]
AREAS = ["拱墅", "西湖", "余杭", "萧山", "滨江", "临平", "上城"]


def grade(r):
    return r.choice(GRADES)[0]


def priced(r):
    """A grade, its net weight, the price and the amount."""
    g, lo, hi = r.choice(GRADES)
    kg, price = r.uniform(2, 380), r.uniform(lo, hi)
    return "%s净重%.1fkg × %.2f元/kg，合计%.2f元" % (g, kg, price, kg * price)


def reprice(r):
    g, lo, hi = r.choice(GRADES)
    a, b = r.uniform(lo, hi), r.uniform(lo, hi)
    return "「%s」由%.2f元/kg调整为%.2f元/kg" % (g, a, b)


def weighing(r):
    gross = r.uniform(80, 32000)
    tare = gross * r.uniform(0.05, 0.6)
    return "毛重%.1fkg，皮重%.1fkg，净重%.1fkg" % (gross, tare, gross - tare)


def plate(r):
    return "浙%s%s%04d" % (r.choice("ABCDK"), r.choice("0123DF"), r.randint(0, 9999))


def address(r):
    return "%s区 %s%d号%s" % (r.choice(AREAS), r.choice(ROADS), r.randint(1, 999),
                            r.choice(["", " %d幢%d单元" % (r.randint(1, 30), r.randint(1, 4)), "（小区北门）"]))


def dismantle(r):
    kind, parts = r.choice(APPLIANCES)
    return "%s（%s，%d年产），拆出%s" % (kind, r.choice(BRANDS), r.randint(2001, 2020), parts)


def daysum(r):
    """A day's total and the categories it is made of."""
    parts = [(c, r.uniform(0.2, 40)) for c in r.sample(CATS[:6], r.randint(2, 4))]
    total = sum(t for _, t in parts) + r.uniform(0, 5)
    return "%.2f吨，其中%s" % (total, "、".join("%s%.1f吨" % p for p in parts))


def idmask(r):
    return "%d**********%03d%s" % (r.randint(330100, 330199), r.randint(0, 999), r.choice("0123456789X"))


V = {
    "name": name, "grade": grade, "priced": priced, "reprice": reprice, "weighing": weighing, "plate": plate,
    "address": address, "dismantle": dismantle, "daysum": daysum, "idmask": idmask,
    "station": pick(STATIONS), "cat": pick(CATS), "cats": gbk_messages.items(CATS[:6], 1, 4),
    "place": pick(PLACES), "slot": lambda r: "3月%d日 %s" % (r.randint(14, 16), r.choice(SLOTS)),
    "pay": pick(PAYS), "paych": pick(["微信支付", "支付宝", "银联云闪付"]),
    "canceler": pick(CANCELERS), "cancel": pick(CANCELS), "bay": pick(BAYS),
    "pricewhy": pick(PRICE_WHY), "haltwhy": pick(HALT_WHY), "qcgrade": pick(QC_GRADES), "qcfail": pick(QC_FAILS),
    "supplier": pick(SUPPLIERS), "mill": pick(MILLS), "truck": pick(TRUCKS), "phonemodel": pick(PHONES),
    "wipe": pick(WIPES), "hazard": pick(HAZARDS), "company": pick(COMPANIES), "recipient": pick(RECIPIENTS),
    "reject": pick(REJECTS), "gift": pick(GIFTS), "complaint": pick(COMPLAINTS),
    "complainttext": pick(COMPLAINT_TEXTS), "fire": pick(FIRE), "smoke": pick(SMOKE),
    "areas": gbk_messages.items(AREAS, 1, 3),
    "bin": lambda r: "ZN%d-%04d" % (r.choice([330105, 330106, 330110, 330109, 330108]), r.randint(1, 2400)),
    "uid": rint(10 ** 7, 10 ** 8 - 1, "U%d"),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "order": lambda r: "HS202603%02d%08d" % (r.randint(14, 16), r.randint(0, 10 ** 8 - 1)),
    "ticket": lambda r: "BD-0314-%05d" % r.randint(1, 20000),
    "batch": lambda r: "PC%s%04d" % (r.choice(["ZL", "SL", "JS", "FZ"]), r.randint(1, 9999)),
    "staff": rint(1000, 9999, "HSY%d"), "manifest": rint(0, 10 ** 10 - 1, "3301%010d"),
    "appt": rint(0, 99999, "YY%05d"), "imei": lambda r: "86%06d****%04d" % (r.randint(0, 999999), r.randint(0, 9999)),
    "dis": rint(1, 99999, "CJ-2026-%05d"), "scale": rint(1, 4), "com": rint(1, 8), "gate": rint(1, 3),
    "kg": real(0.1, 8, "%.2f"), "earn": rint(1, 80), "net": real(20, 3000, "%.1f"), "decl": real(20, 3000, "%.1f"),
    "bigkg": real(5, 900, "%.1f"), "tons": real(0.5, 38, "%.2f"), "bales": rint(4, 60),
    "pts": rint(1, 400), "left": rint(0, 25000), "n": rint(1, 3), "pct": rint(80, 100), "dev": real(3, 45, "%.1f"),
    "imp": real(0.1, 9.5, "%.1f"), "water": real(4, 22, "%.1f"), "temp": real(-3, 38, "%.1f"),
    "hot": real(55, 140, "%.1f"), "rssi": rint(51, 109), "fw": lambda r: "2.%d.%d" % (r.randint(0, 4), r.randint(0, 19)),
    "dist": real(0.3, 8.5, "%.1f"), "mins": rint(3, 95), "late": rint(10, 180), "ms": rint(3000, 30000),
    "cost": rint(4, 900), "retry": rint(1, 5), "status": pick(["500", "502", "504", "403"]),
    "exts": rint(2, 24), "orders": rint(40, 900), "rate": real(82, 99.6, "%.1f"),
    "date": lambda r: "2026年3月%d日" % r.randint(13, 15),
    "remark": optional(lambda r: "，备注：%s" % r.choice(["有电梯", "放门口即可", "大件需两人搬运", "请先电话联系"]), 0.35),
    "notify": optional(lambda r: "，短信已发送至%s" % V["phone"](r), 0.5),
    "sender": optional(lambda r: "（%s代收）" % name(r), 0.25),
}

# weight, level, message
TEMPLATES = [
    (230, "INFO", "智能箱投递：设备{bin}，用户{uid}（{phone}），投放{cat}{kg}kg，获得环保积分{earn}分"),
    (160, "INFO", "bin heartbeat id={bin} fill={pct}% temp={temp}C rssi=-{rssi}dBm fw=v{fw}"),
    (150, "INFO", "过磅完成：磅单{ticket}，{station}，品类「{grade}」，{weighing}"),
    (110, "INFO", "上门回收订单已创建：订单号{order}，地址：{address}，预约时段{slot}，品类：{cats}{remark}"),
    (95, "INFO", "上门回收订单已派单：订单号{order}，回收员{name}（工号{staff}），距离{dist}km"),
    (85, "INFO", "结算成功：订单号{order}，{priced}，支付方式：{pay}"),
    (70, "INFO", "POST /api/v2/points/credit uid={uid} points={pts} biz=RECYCLE_DROP resp=200 cost={cost}ms"),
    (55, "INFO", "分拣入库：批次{batch}，{grade}{bigkg}kg入{bay}，分拣员{name}，杂质率{imp}%"),
    (45, "WARN", "满溢告警：设备{bin}（{place}），{cat}仓满溢率{pct}%，已通知清运员{name}"),
    (42, "INFO", "清运完成：设备{bin}（{place}），清运员{name}，取出{cat}{bigkg}kg，用时{mins}分钟"),
    (36, "INFO", "质检结果：批次{batch}，{grade}，含水率{water}%，杂质{imp}%，判定：{qcgrade}"),
    (32, "INFO", "上门回收订单已取消：订单号{order}，取消方：{canceler}，原因：{cancel}"),
    (28, "INFO", "积分兑换：用户{uid}兑换《{gift}》×{n}，消耗{pts}分，剩余{left}分{sender}"),
    (26, "INFO", "打包出库：{station}，{grade}压块{bales}包，共{tons}吨，车牌{plate}，运往{mill}"),
    (24, "WARN", "上门超时：订单号{order}，回收员{name}，预约时段{slot}，已超时{late}分钟{notify}"),
    (20, "INFO", "今日回收价调整：{reprice}（{pricewhy}）"),
    (19, "INFO", "车辆进场：车牌{plate}（{truck}），司机{name}，{station}{gate}号门，预约号{appt}"),
    (18, "INFO", "车辆出场：车牌{plate}（{truck}），司机{name}，{station}{gate}号门，载货{tons}吨"),
    (16, "WARN", "过磅异常：磅单{ticket}，{station}，净重{net}kg与申报{decl}kg偏差{dev}%，需复核"),
    (14, "INFO", "拆解完成：编号{dis}，{dismantle}，拆解工{name}"),
    (12, "ERROR", "pay callback failed order={order} channel=\"{paych}\" http={status} retry={retry}/5 cost={ms}ms"),
    (10, "WARN", "质检不合格，整批拒收：批次{batch}，{grade}，原因：{qcfail}，供货方：{supplier}"),
    (9, "INFO", "回收员实名认证通过：{name}，身份证{idmask}，服务区域：{areas}"),
    (6, "WARN", "回收员实名认证驳回：{name}，身份证{idmask}，驳回原因：{reject}"),
    (8, "INFO", "危废转移联单已生成：联单号{manifest}，{hazard}{bigkg}kg，产生单位{company}，接收单位{recipient}"),
    (7, "WARN", "今日回收价暂停报价：「{grade}」，原因：{haltwhy}，恢复时间另行通知"),
    (5, "WARN", "用户投诉：订单号{order}，类型【{complaint}】，内容：“{complainttext}”，受理人{name}"),
    (4, "ERROR", "温度异常：设备{bin}（{place}），箱内温度{hot}℃，烟感{smoke}，已远程锁定投口"),
    (3.5, "INFO", "【日报】{date}{station}共回收{daysum}；上门订单{orders}单，完成率{rate}%"),
    (2.5, "INFO", "消防巡检：{station}，检查人{name}，灭火器{exts}具在位，{fire}"),
    (2, "WARN", "手机数据清除校验失败：IMEI {imei}，{phonemodel}，擦除方式「{wipe}」，需人工复检"),
    (1.5, "ERROR", "cn.lvhuan.order.dao.OrderMapper.insert 失败：SQLTransientConnectionException - "
                   "Connection is not available, request timed out after {ms}ms（订单号{order}）"),
    (1.2, "ERROR", "地磅通讯中断：{station}{scale}号地磅，串口COM{com}无响应，已切换为手工录入"),
]

CALLERS = ["bin/drop.go:88", "bin/heartbeat.go:41", "weigh/ticket.go:214", "order/dispatch.go:167",
           "pay/settle.go:302", "points/credit.go:59", "sort/inbound.go:133", "gate/vehicle.go:77"]
TERMINALS = ["站点终端-T%02d", "分拣线PDA-%02d", "地磅机-%d", "调度台-%d"]
SERVICES = ["bin-gw", "order-api", "weigh-svc", "sorting", "pay-gw", "points"]


def header(r, form, t, level):
    hh, mm, ss, ms = t // 3600 % 24, t // 60 % 60, t % 60, r.randint(0, 999)
    if form == 0:
        # the Go services log through a structured logger in its console encoding, tab separated
        return "2026-03-14T%02d:%02d:%02d.%03d+0800\t%s\t%s\ttrace=%08x\t" % (
            hh, mm, ss, ms, level, r.choice(CALLERS), r.getrandbits(32))
    if form == 1:
        # the station terminals print a Chinese date and their own name and the level in 【】
        cn = {"INFO": "提示", "WARN": "注意", "ERROR": "严重"}[level]
        return "【3月14日 %d:%02d:%02d】【%s】【%s】" % (
            hh, mm, ss, r.choice(TERMINALS) % r.randint(1, 16), cn)
    # the Node gateway writes one JSON object of context with a numeric level before the message
    num = {"INFO": 30, "WARN": 40, "ERROR": 50}[level]
    return '{"time":"2026-03-14 %02d:%02d:%02d.%03d","level":%d,"svc":"%s","pid":%d,"reqId":"%06x"} ' % (
        hh, mm, ss, ms, num, r.choice(SERVICES), r.randint(1200, 9800), r.getrandbits(24))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "R", 6 * 3600 + 15 * 60, (0, 1, 1, 2, 3, 4))


if __name__ == "__main__":
    main()
