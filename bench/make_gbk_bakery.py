#!/usr/bin/env python3
"""A GBK log of a bakery chain's central kitchen and its stores, with its truth.

    bench/make_gbk_bakery.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages: dough mixed
and the mixer's dough too warm, recipes pushed to the mixers or not, proofing started, bakes
taken out of the ovens, oven temperature drift and oven breakdowns, production batches opened
and finished, a batch's yield too low, flour drawn from the store and stocktakes, labels printed,
cold-chain trucks reporting temperature, loaded, too warm, store orders placed and changed,
deliveries signed for, store sales and payment callbacks succeeding or failing, failed sales
uploads, returns asked for, approved or refused, member points earned, new members, gifts
redeemed or not, expiring bread written off and the daily write-off summary, food-safety checks
passed and failed, supplier licences about to run out, a flour lot traced back after a test, and
devices dropping off the network.  It is there to measure the miner on data that nothing in it
was shaped on.  Each message keeps its own frequency: bakes by the hundred, a flour recall once
in about a thousand lines.  One of three header forms by the seed.  The output depends only on
the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

STORES = ["禾麦坊·静安嘉里店", "禾麦坊·西湖银泰店（B1层 B1-07）", "禾麦坊·新街口德基店", "禾麦坊 苏州圆融店",
          "禾麦坊·望京SOHO店（T3-1F）", "禾麦坊·春熙路店", "禾麦坊·南山科技园店", "禾麦坊（光谷K11店）",
          "禾麦坊·天河城店（2楼 218铺）"]
# product, usual shelf life in days
PRODUCTS = [("牛角可颂（原味）", 2), ("法式长棍 Baguette 250g", 1), ("北海道吐司 450g", 3), ("肉松小贝 4只装", 3),
            ("红豆麻薯欧包", 2), ("全麦核桃软欧", 3), ("芒果慕斯 6寸", 2), ("提拉米苏（切块）", 2), ("蛋挞 6只/盒", 1),
            ("抹茶红豆卷", 3), ("黑森林蛋糕 8寸", 2), ("咸蛋黄肉松青团", 2), ("芝士流心贝果", 2), ("司康 Scone（蔓越莓）", 4)]
BREADS = [p for p, _ in PRODUCTS]
# oven, usual baking temperature in ℃
OVENS = [("德式层炉 1号", 200), ("德式层炉 2号", 210), ("热风旋转炉-A", 180), ("热风旋转炉-B", 175),
         ("隧道炉 TL-01", 220), ("蒸汽烤炉（欧包线）", 235)]
MIXERS = ["MX-01", "MX-02", "MX-03（双速）", "MX-05", "螺旋和面机 8#", "行星搅拌机 P-60"]
PROOFERS = ["醒发箱1#", "醒发箱2#", "冷藏醒发库 R-1", "推车式醒发柜 C3"]
RECIPES = ["法棍 T65 基础面团", "可颂 折叠面团", "日式汤种吐司", "软欧 全麦30%", "贝果 高筋面团", "甜面团 A",
           "戚风蛋糕胚", "蛋挞皮（千层）"]
LINES = ["欧包线", "吐司线", "起酥线", "蛋糕裱花间", "中点线"]
SHIFTS = ["早班", "中班", "夜班"]
ROUTES = ["沪西-01线", "沪东-03线", "杭城-02线", "宁苏-05线（跨城）", "京北-01线", "蓉南-04线"]
PAYCH = ["WECHAT", "ALIPAY", "UNIONPAY_QR", "MEMBER_CARD", "DIGITAL_RMB", "CASH"]
PAYERRS = ["ORDERPAID", "SYSTEMERROR", "SIGN_ERROR", "NOTENOUGH", "TRADE_HAS_CLOSE", "USERPAYING"]
LEVELS = ["普通会员", "麦粒卡", "麦穗卡", "金麦卡", "企业团购"]
GIFTS = ["拿铁咖啡（中杯）兑换券", "任意吐司1个", "帆布购物袋", "生日蛋糕8寸立减30元券", "烘焙课体验名额"]
EXFAILS = ["积分不足", "礼品库存不足（门店已兑完）", "会员卡已冻结", "同一礼品每月限兑1次", "核销接口返回 409 Conflict"]
CHANNELS = ["小程序", "门店扫码", "收银员代注册", "美团会员通", "企业团购导入"]
RETREASONS = ["外包装破损", "到货时已临期（剩余不足12小时）", "产品变形/塌陷", "少配", "多配", "发现异物", "口味异常，顾客投诉"]
REJREASONS = ["超过48小时退货时限", "未上传破损照片", "签收时未在单据上注明", "属于门店保管不当"]
FSCHECKS = ["原料验收", "烘焙间卫生", "冷藏冷冻温度", "员工健康与着装", "虫害防治", "过敏原标识", "清洗消毒记录"]
SITES = ["中央工厂·欧包线", "中央工厂·裱花间", "中央工厂·原料库", "中央工厂（成品冷库）"] + STORES[:4]
PROBLEMS = ["裱花间温度26.5℃，超出≤22℃要求", "奶油开封未标注时间", "员工未戴发网、口罩", "消毒记录缺失（连续3天）",
            "发现过期黄油2块", "防蝇帘破损", "过敏原标签缺少“坚果”字样"]
STORES_DONE = ["成品冷藏库（0～4℃）", "成品冷冻库（-18℃）", "成品周转区 2号"]
WAREHOUSES = ["原料常温库", "原料冷藏库（0～4℃）", "成品冷冻库（-18℃）", "包材库"]
# raw material, unit, usual draw range
MATERIALS = [("高筋面粉（金像牌同级）", "kg", 25, 200), ("T65法式面粉", "kg", 25, 125), ("无盐黄油（片状）", "kg", 5, 60),
             ("淡奶油 1L", "盒", 6, 48), ("鸡蛋", "枚", 60, 720), ("细砂糖", "kg", 5, 50), ("干酵母 500g", "包", 2, 20),
             ("红豆馅", "kg", 3, 30), ("海盐", "kg", 1, 6)]
SUPPLIERS = ["恒穗面粉（华东）有限公司", "绿原乳业", "鸿达冷链食品", "金禾蛋品合作社", "本地包材厂"]
LICENSES = ["食品生产许可证", "营业执照", "检验检疫证明", "有机产品认证证书"]
HAZARDS = ["呕吐毒素（DON）", "黄曲霉毒素B1", "重金属铅"]
DEFECTS = ["焦边", "塌陷", "表皮开裂", "内部未熟", "形状不规则", "包装漏气"]
PRINTERS = ["标签机-吐司线", "标签机-欧包线", "ZT-410 一号", "称重贴标机"]
DEVICES = ["烤炉温控器 OV-3", "醒发箱传感器 P-2", "冷库温湿度计 CR-1", "门店POS 收银2号", "冷链车载终端 T-08"]
FAULTS = [("E07", "热电偶断线"), ("E12", "风机过载"), ("E21", "炉门未关到位"), ("E33", "蒸汽发生器缺水"), ("F02", "燃气熄火保护")]
MQERRS = ["MqttException: Connection lost (32109)", "ETIMEDOUT", "checksum mismatch", "设备忙（正在搅拌中）"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
MODIFIES = ["追加「%s」×%d", "取消「%s」×%d", "「%s」数量改为%d", "到货时间改为次日早班（原品项「%s」×%d不变）"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(lo, hi, form):
    """A date lo to hi days from the log's day, in one of the ways the services write one."""
    def make(r):
        d = datetime.date(2026, 5, 20) + datetime.timedelta(days=r.randint(lo, hi))
        return d.strftime(form) if "%" in form else "%d年%d月%d日" % (d.year, d.month, d.day)
    return make


def product(r):
    _chosen["p"] = r.choice(PRODUCTS)
    return _chosen["p"][0]


def bestbefore(r):
    d = datetime.datetime(2026, 5, 20, 6) + datetime.timedelta(days=_chosen["p"][1], hours=r.choice([0, 6, 12, 18]))
    return d.strftime("%Y-%m-%d %H:%M")


def oven(r):
    _chosen["o"] = r.choice(OVENS)
    return _chosen["o"][0]


def otemp(r):
    return "%d" % (_chosen["o"][1] + r.randint(-3, 3))


def setpoint(r):
    return "%d" % _chosen["o"][1]


def actual(r):
    dev = r.choice([-1, 1]) * r.uniform(8, 25)
    _chosen["dev"] = dev
    return "%.1f" % (_chosen["o"][1] + dev)


def oven2(r):
    return "【%s】" % r.choice([o for o, _ in OVENS if o != _chosen["o"][0]])


def material(r):
    _chosen["m"] = r.choice(MATERIALS)
    return _chosen["m"][0]


def use(r):
    _, unit, lo, hi = _chosen["m"]
    q = r.uniform(lo, hi)
    return ("%.1f%s" if unit == "kg" else "%d%s") % (q if unit == "kg" else max(1, round(q)), unit)


def cases(r):
    _chosen["cases"] = r.randint(4, 96)
    return str(_chosen["cases"])


def good(r):
    _chosen["good"] = r.randint(180, 1600)
    return str(_chosen["good"])


def bad(r):
    _chosen["bad"] = r.randint(0, 40)
    return str(_chosen["bad"])


def rate(r):
    return "%.2f" % (100.0 * _chosen["good"] / (_chosen["good"] + _chosen["bad"]))


def need(r):
    """The gift's price in points; whether the member is short of it is decided here, as the
    balance after it and the reason last must agree."""
    _chosen["need"] = r.randint(200, 3000)
    _chosen["short"] = r.random() < 0.4
    return str(_chosen["need"])


def have(r):
    if _chosen["short"]:
        return str(r.randint(0, _chosen["need"] - 1))
    return str(r.randint(_chosen["need"], 48000))


def exfail(r):
    return "积分不足" if _chosen["short"] else r.choice(EXFAILS[1:])


def licdate(r):
    _chosen["days"] = r.randint(3, 60)
    return day(_chosen["days"], _chosen["days"], "%Y/%m/%d")(r)


def batch(r):
    return "BK2605%02d%s%03d" % (r.randint(18, 20), r.choice("ABCEL"), r.randint(1, 180))


def batches(r):
    return ", ".join(batch(r) for _ in range(r.randint(2, 4)))


def breads(r):
    out = []
    for b in r.sample(BREADS, r.randint(1, 5)):
        out.append("%s×%d" % (b, r.choice([6, 10, 12, 20, 24, 30, 48])))
    return r.choice(["，", "、"]).join(out)


def plate(r):
    return "%s%s·%s%04d" % (r.choice("沪浙苏京川鄂"), r.choice("ABDEF"), r.choice("DFK"), r.randint(0, 9999))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def modify(r):
    m = r.choice(MODIFIES)
    return m % (r.choice(BREADS), r.choice([2, 4, 6, 10, 12, 24]))


def fault(r):
    _chosen["f"] = r.choice(FAULTS)
    return _chosen["f"][0]


def problem(r):
    return r.choice(PROBLEMS)


def lastbeat(r):
    at = datetime.datetime(2026, 5, 20, 4, 30) + datetime.timedelta(seconds=r.randint(0, 7200))
    return r.choice([at.strftime("%H:%M:%S"), at.strftime("%Y%m%d%H%M%S"), at.strftime("%m-%d %H:%M")])


def scanned(r):
    return "、".join("%s%s" % (b, r.choice(["", "（整箱）"])) for b in r.sample(BREADS, r.randint(1, 3)))


V = {
    "name": name, "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "product": product, "bestbefore": bestbefore, "oven": oven, "otemp": otemp, "set": setpoint, "actual": actual,
    "dev": lambda r: "%+.1f" % _chosen["dev"], "oven2": oven2, "material": material, "use": use,
    "cases": cases, "got": lambda r: str(max(0, _chosen["cases"] - r.choice([0, 0, 0, 0, 1, 2]))),
    "good": good, "bad": bad, "rate": rate, "licdate": licdate, "days": lambda r: str(_chosen["days"]),
    "fault": fault, "faultdesc": lambda r: _chosen["f"][1],
    "batch": batch, "batches": batches, "breads": breads, "plate": plate, "phone": phone, "modify": modify,
    "problem": problem, "lastbeat": lastbeat, "scanned": scanned,
    "store": pick(STORES), "mixer": pick(MIXERS), "proofer": pick(PROOFERS), "recipe": pick(RECIPES),
    "line": pick(LINES), "shift": pick(SHIFTS), "route": pick(ROUTES), "paych": pick(PAYCH), "payerr": pick(PAYERRS),
    "level": pick(LEVELS), "gift": pick(GIFTS), "need": need, "have": have, "exfail": exfail, "channel": pick(CHANNELS),
    "retreason": pick(RETREASONS), "rejreason": pick(REJREASONS), "fscheck": pick(FSCHECKS), "site": pick(SITES),
    "warehouse": pick(WAREHOUSES), "finished": pick(STORES_DONE), "supplier": pick(SUPPLIERS), "license": pick(LICENSES), "hazard": pick(HAZARDS),
    "defects": items(DEFECTS, 1, 3), "printer": pick(PRINTERS), "device": pick(DEVICES), "mqerr": pick(MQERRS),
    "httpfail": pick(HTTPFAILS),
    "mixers": lambda r: ",".join(sorted(r.sample(["M01", "M02", "M03", "M05", "M08", "P60"], r.randint(1, 4)))),
    "storecode": lambda r: "%s%04d" % (r.choice(["SH", "HZ", "NJ", "SZ", "BJ", "CD", "WH", "GZ"]), r.randint(101, 960)),
    "ticket": lambda r: "S%s-%06d" % (r.choice(["01", "02", "03"]), r.randint(1, 999999)),
    "reqid": lambda r: "YH20260520%04d" % r.randint(1, 3000),
    "retid": lambda r: "TH-0520-%s%03d" % (r.choice("ABCDEFGH"), r.randint(1, 400)),
    "dispatch": lambda r: "PS%s-%03d" % (r.choice(["260520", "260521"]), r.randint(1, 320)),
    "mid": rint(0, 10 ** 8 - 1, "VIP%08d"), "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "flourlot": lambda r: "FL-%s-%02d" % (r.choice(["2605A", "2605B", "2604C"]), r.randint(1, 30)),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(8, 12), r.randint(0, 30), r.randint(2, 250)),
    "ver": lambda r: "%d.%d" % (r.randint(1, 4), r.randint(0, 12)),
    "proddate": day(0, 0, "%Y%m%d"), "deliver": day(1, 2, "%m/%d 06:30前"),
    "deadline": day(1, 7, "cn"),
    "otime": lambda r: "%d分%02d秒" % (r.randint(11, 38), r.randint(0, 59)),
    "trays": rint(2, 18), "dough": real(12, 120), "dtemp": real(23.5, 27.0), "hotdough": real(28.5, 33.0),
    "std": pick(["24", "25", "26"]), "ice": real(0.5, 4.0), "slow": rint(3, 6), "fast": rint(2, 8),
    "ctemp": real(0.5, 4.0), "hot": real(4.6, 12.0), "hum": rint(55, 88), "ptemp": rint(26, 38), "mins": rint(20, 120),
    "lng": real(104.0, 121.6, "%.5f"), "lat": real(22.5, 40.1, "%.5f"),
    "nitems": rint(1, 9), "money": real(8, 480, "%.2f"), "small": real(3, 260, "%.2f"), "big": real(120, 3800, "%.2f"),
    "fen": rint(600, 68000), "ms": rint(35, 2400), "pts": rint(5, 3000), "bal": rint(0, 48000), "qty": rint(1, 24),
    "plan": rint(120, 2400), "labels": rint(12, 480), "secs": rint(30, 900), "n": rint(3, 12), "try": rint(1, 5),
    "lowrate": real(78, 94.9, "%.1f"), "nsku": rint(3, 22), "qty2": rint(6, 140), "pct": real(0.8, 9.5),
    "skus": rint(40, 260), "score": optional(lambda r: "，得分%d分" % r.randint(88, 100), 0.6),
    "member": optional(lambda r: " member=VIP%08d" % r.randint(0, 10 ** 8 - 1), 0.45),
    "note": optional(lambda r: "，备注：「%s」" % r.choice(["周末活动加量", "商场店庆，请优先配送", "明早8点前到店；谢谢！",
                                                        "蛋糕需单独放置（勿挤压）"]), 0.35),
    "recvnote": optional(lambda r: "，异常：%s" % r.choice(["2箱外箱压损，已拍照", "蛋糕盒变形1个",
                                                         "车厢到店温度5.2℃，已记录"]), 0.25),
    "operator": optional(lambda r: "，操作人%s" % name(r), 0.5),
    "gps": optional(lambda r: " 位置（%.5f,%.5f）" % (r.uniform(104.0, 121.6), r.uniform(22.5, 40.1)), 0.55),
}

# weight, level, module, message
TEMPLATES = [
    (210, "INFO", "oven", "出炉：【{oven}】批次{batch}，产品「{product}」×{trays}盘，炉温{otemp}℃，烘烤{otime}"),
    (170, "INFO", "pos", "门店销售 store_id={storecode} ticket={ticket} items={nitems} amount={money}元 pay={paych}{member}"),
    (130, "INFO", "mixer", "和面完成：搅拌机{mixer}，配方《{recipe}》 v{ver}，投料{dough}kg，出缸面温{dtemp}℃，慢速{slow}min+快速{fast}min"),
    (100, "INFO", "coldchain", "冷链温度上报 vehicle={plate} 车厢温度：{ctemp}℃ 湿度{hum}%{gps}"),
    (80, "INFO", "member", "member.points.earn card={mid} level={level} delta=+{pts} balance={bal} store={storecode}"),
    (70, "INFO", "proof", "入醒发：{proofer}，批次{batch}，共{trays}盘，设定{ptemp}℃/湿度{hum}%，预计{mins}分钟"),
    (58, "INFO", "order", "门店要货单提交：单号{reqid}，门店{store}，品项：{breads}，要求到货{deliver}{note}"),
    (48, "INFO", "batch", "生产批次创建 batch_no={batch} product=\"{product}\" plan_qty={plan} line={line} shift={shift}"),
    (42, "INFO", "coldchain", "配送出库：配送单{dispatch}，线路{route}，冷链车{plate}，司机{name}，共{cases}箱，装车温度{ctemp}℃"),
    (38, "INFO", "order", "门店签收：配送单{dispatch}，{store}，应收{cases}箱，实收{got}箱，签收人{name}{recvnote}"),
    (30, "INFO", "label", "标签打印: printer=「{printer}」 品名=「{product}」 批次={batch} 生产日期={proddate} 保质期至 {bestbefore} 份数={labels}"),
    (26, "WARN", "oven", "炉温偏差：【{oven}】设定{set}℃，实测{actual}℃，偏差{dev}℃，已持续{secs}秒"),
    (22, "INFO", "member", "积分兑换成功：会员{name}（{level}，卡号{mid}）兑换「{gift}」，消耗{pts}积分，剩余{bal}积分"),
    (20, "INFO", "stock", "原料领用：{material} {use}，领用人{name}，关联批次{batch}"),
    (18, "INFO", "expiry", "临期报损：{store}，「{product}」×{qty}，批次{batch}，保质期至{bestbefore}，报损金额{small}元{operator}"),
    (16, "INFO", "return", "退货申请：退货单{retid}，{store}，「{product}」×{qty}，原因：{retreason}，待品控审核"),
    (13, "INFO", "return", "退货审核通过：退货单{retid}，审核人{name}（品控），冲抵货款{small}元"),
    (11, "INFO", "foodsafe", "食品安全检查《{fscheck}》：{site}，检查人{name}，结果：合格{score}"),
    (10, "INFO", "mixer", "配方下发成功: recipe=《{recipe}》 version=v{ver} mixers={mixers}"),
    (9, "INFO", "pay", "支付回调 status=SUCCESS channel={paych} trade_no={trade} fee={fen}分 cost={ms}ms"),
    (8, "WARN", "coldchain", "冷链温度超限：车辆{plate}车厢温度{hot}℃，超出上限（0～4℃），已持续{mins}分钟，配送单{dispatch}"),
    (7, "INFO", "batch", "批次完工入库：批次{batch}，「{product}」合格{good}个，不良{bad}个，良品率{rate}%，入{finished}"),
    (6, "INFO", "member", "新会员注册：手机{phone}，门店{store}，渠道「{channel}」，赠送{pts}积分"),
    (5.5, "WARN", "batch", "良品率偏低 batch_no={batch} yield={lowrate}% threshold=95% 主要缺陷：{defects}"),
    (5, "WARN", "return", "退货审核驳回：退货单{retid}，审核人{name}（品控），驳回原因：{rejreason}"),
    (4.5, "INFO", "order", "门店要货单修改：单号{reqid}，{store}，{modify}，操作人{name}"),
    (4, "WARN", "member", "积分兑换失败：会员{name}（{level}，卡号{mid}）兑换「{gift}」，所需{need}积分，当前{have}积分，原因：{exfail}"),
    (3.5, "ERROR", "iot", "设备离线：{device}（IP {ip}），最后心跳 {lastbeat}，已连续{n}次未上报"),
    (3.2, "ERROR", "pay", "支付回调 status=FAIL channel={paych} trade_no={trade} fee={fen}分 err_code={payerr}"),
    (3, "ERROR", "pos", "销售数据上传失败 store_id={storecode} POST /api/v3/sales/upload -> HTTP {httpfail}，重试{try}/5"),
    (2.8, "WARN", "foodsafe", "食品安全检查《{fscheck}》：{site}，检查人{name}，结果：不合格，问题：{problem}，整改期限{deadline}"),
    (2.5, "ERROR", "oven", "烤炉故障停机：【{oven}】故障码{fault}（{faultdesc}），在炉批次{batch}已转至{oven2}"),
    (2.2, "ERROR", "mixer", "配方下发失败: recipe=《{recipe}》 version=v{ver} mixer={mixer} err={mqerr}"),
    (2, "WARN", "mixer", "面温异常：搅拌机{mixer}，配方《{recipe}》，出缸面温{hotdough}℃，标准{std}℃±1℃，建议补加冰水{ice}kg"),
    (1.8, "INFO", "expiry", "日终报废汇总：{store}，报废{nsku}个品项共{qty2}件，金额{big}元，占当日销售{pct}%"),
    (1.6, "INFO", "stock", "原料盘点完成：{warehouse}，共{skus}项，盘亏{small}元，盘盈{small}元，盘点人：{names}"),
    (1.5, "WARN", "foodsafe", "证照到期提醒：供应商「{supplier}」《{license}》将于{licdate}到期，剩余{days}天"),
    (1.4, "ERROR", "batch", "原料追溯告警：面粉批次{flourlot}检出{hazard}超标，关联生产批次：{batches}，已通知门店下架：{scanned}"),
]

# the Java logger of each module, for the first header form
LOGGERS = {"oven": "c.h.ck.oven.OvenLineMonitor", "pos": "c.h.store.pos.SalesUploader", "mixer": "c.h.ck.mix.MixerGateway",
           "coldchain": "c.h.tms.ColdChainTracker", "member": "c.h.crm.PointsService", "proof": "c.h.ck.proof.ProofScheduler",
           "order": "c.h.scm.StoreOrderService", "batch": "c.h.mes.BatchService", "label": "c.h.mes.LabelPrinter",
           "stock": "c.h.wms.MaterialService", "expiry": "c.h.store.WriteOffService", "return": "c.h.scm.ReturnService",
           "foodsafe": "c.h.qa.FoodSafetyAuditor", "pay": "c.h.pay.NotifyHandler", "iot": "c.h.iot.HeartbeatWatcher"}
THREADS = ["http-nio-8080-exec-%d", "mq-consumer-%d", "scheduling-%d", "pool-2-thread-%d"]
# the module as the back-office client names it, for the second
CN = {"oven": "烤炉线", "pos": "门店收银", "mixer": "和面间", "coldchain": "冷链调度", "member": "会员", "proof": "醒发间",
      "order": "要货", "batch": "生产管理", "label": "标签", "stock": "原料库", "expiry": "报损", "return": "退货",
      "foodsafe": "品控", "pay": "支付", "iot": "设备监控"}
HOSTS = ["ck-app-01", "ck-app-02", "store-gw-03", "tms-01"]
PIDS = {"oven": 2231, "pos": 1874, "mixer": 2240, "coldchain": 5502, "member": 3312, "proof": 2233, "order": 4127,
        "batch": 2250, "label": 2251, "stock": 5519, "expiry": 1880, "return": 4130, "foodsafe": 5533, "pay": 3310,
        "iot": 6011}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 5, 20) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the central-kitchen services run on the JVM and log with thread and abbreviated logger
        thread = r.choice(THREADS) % r.randint(1, 12)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the stores' back-office client writes the level and module in Chinese, with its store number
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s.%03d][%s][%s][门店%04d] " % (at.strftime("%m-%d %H:%M:%S"), ms, cn, CN[module],
                                                r.choice([417, 417, 417, 102, 233, 588]))
    # the logistics hosts go through syslog, the program and pid before the message
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    return "%s %s hemai-%s[%d]: <%s> " % (at.strftime("%b %d %H:%M:%S"), r.choice(HOSTS), module, PIDS[module], word)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "B", 4 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
