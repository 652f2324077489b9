#!/usr/bin/env python3
"""A GBK log of a Chinese seed company's traceability system with its truth.

    bench/make_gbk_seedbank.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (farmers scanning
anti-counterfeit QR codes and the counterfeit alerts they raise, code ranges activated and labels
printed, seed lots made and coated, germination, moisture and SSR purity tests, lots passed or
failed, warehouse temperature and humidity and their alarms, dealer orders, credit refused,
stock out of the warehouse and boxes received, stocktakes, trial plots recorded and harvested,
spring sowing promotions and the farmers who took them up, returns applied for, approved and
refused, complaints, kept samples, licences about to lapse, enquiries from law enforcement and
the national traceability platform), written to measure the miner on and not to shape it: no
rule was made or tuned on them. Each message keeps its own frequency, scans by the hundred and
an enquiry now and then. One of three header forms by the seed. The output depends only on the
arguments.
"""

import gbk_messages

rint, real = gbk_messages.rint, gbk_messages.real

# variety names as registered, a few with the marketing suffix the sales team adds
VARIETIES = ["郑单958", "先玉335", "隆两优534", "登海605", "京科968", "济麦22", "百农207", "中黄13", "Y两优900",
             "晶两优华占", "裕丰303", "荃优丝苗", "DK159", "先玉1225 (耐密)", "伟科702（包衣）"]
DEALERS = ["滑县农丰种业门市部", "周口 绿野农资（总店）", "驻马店市丰收种子站", "张记农资", "德州禾丰种业经营部(二分店)",
           "寿光市惠农服务社", "「金穗」农业合作社"]
AREAS = ["河南省周口市郸城县", "河南省驻马店市上蔡县", "山东省德州市陵城区", "河北省邯郸市成安县", "安徽省阜阳市太和县",
         "湖南省常德市鼎城区", "黑龙江省绥化市"]
REGIONS = ["豫东", "豫南", "鲁北", "冀南", "皖北", "湘北", "东北"]
WAREHOUSES = ["1号低温库", "2号常温库", "郸城中转库", "成品库B区", "种子冷库（恒温）"]
BASES = ["甘肃张掖制种基地", "新疆昌吉基地", "海南三亚南繁基地", "河南新乡试验站", "湖南怀化杂交稻制种基地"]
PACKS = ["1.5kg/袋", "2kg/袋", "5000粒/袋", "25kg/袋（原种）"]
COATINGS = ["咯菌腈·精甲霜灵", "噻虫嗪悬浮种衣剂", "吡虫啉 + 戊唑醇", "未包衣"]
GMETHODS = ["纸间法", "砂床法", "纸上法（TP）"]
TRAITS = [("株高", "%dcm", 180, 320), ("穗位高", "%dcm", 70, 140), ("出苗率", "%d%%", 70, 99),
          ("倒伏率", "%d%%", 0, 35), ("抽雄期", "播后%d天", 52, 66), ("有效穗数", "%d万/亩", 14, 42)]
CHECKS = ["郑单958（CK）", "先玉335（CK）", "济麦22（CK）", "黄华占（CK）"]
PROMOS = ["春播早订享优惠", "扫码抽红包", "买十赠一", "老客户返利季", "玉米高产擂台赛"]
PROMO_RULES = ["订货满100袋每袋让利3元", "扫码即抽0.5～88元微信红包", "每10袋赠送1袋同品种",
               "返利直接抵扣下季货款"]
GIFTS = ["遮阳帽", "手套两副", "5元话费", "农药喷壶", "微信红包8.88元"]
RET_WHY = ["包装破损", "临近保质期", "品种不适宜当地种植", "农户退订", "发错货（品种不符）", "水分超标结块"]
COMPLAINTS = ["出苗率不足五成", "苗期大面积白化", "植株高矮不齐疑似混杂", "穗小秃尖", "袋内有虫蛀粒"]
ACTS = ["除湿机", "制冷机组", "通风扇", "除湿机和制冷机组"]
AGENCIES = ["县农业综合行政执法大队", "市场监管局", "省种子管理总站"]
DOCS = ["生产档案、检验报告", "销售台账", "发芽试验原始记录", "入库单及留样"]
LOGGERS = ["seedtrace.qr", "seedtrace.wms", "seedtrace.qc", "seedtrace.order", "seedtrace.trial", "seedtrace.sync"]
MODULES_CN = ["防伪追溯", "仓储管理", "质量检测", "渠道订单", "田间试验", "营销活动"]
SERVICES = ["qr-gw", "wms-agent", "lab-svc", "order-api", "trial-app"]


def lot(r):
    return "%s%s%04d" % (r.choice(["ZY", "LP", "DH", "JK"]), r.choice(["2025", "2026"]), r.randint(1, 9999))


def trait(r):
    label, fmt, lo, hi = r.choice(TRAITS)
    return "%s：%s" % (label, fmt % r.randint(lo, hi))


def order_items(r):
    return "、".join("%s×%d袋" % (v, r.choice([20, 50, 100, 150, 200, 500]))
                    for v in r.sample(VARIETIES, r.randint(1, 4)))


def qr_range(r):
    start, n = r.randint(10 ** 11, 9 * 10 ** 11), r.choice([5000, 10000, 20000, 50000])
    return "号段%d～%d，共%d枚" % (start, start + n - 1, n)


def scans(r):
    n = r.choice([1, 1, 1, 2, 3, r.randint(2, 7)])
    return "第%d次查询%s" % (n, "（首次查询，真品）" if n == 1 and r.random() < 0.7 else "")


def ssr(r):
    seeds = r.choice([200, 400, 800])
    off = r.randint(0, seeds // 25)
    return "检测%d粒，杂株%d粒，纯度%.1f%%" % (seeds, off, 100.0 * (seeds - off) / seeds)


def stock(r):
    book = r.randint(50, 8000)
    real_ = book + r.choice([0, 0, 0, r.randint(-40, 10)])
    return "账面%d袋，实盘%d袋，差异%d袋" % (book, real_, real_ - book)


V = {
    "name": gbk_messages.name, "lot": lot, "trait": trait, "orderitems": order_items, "qrrange": qr_range,
    "stock": stock, "scans": scans, "ssr": ssr,
    "variety": VARIETIES, "dealer": DEALERS, "area": AREAS, "region": REGIONS, "wh": WAREHOUSES, "base": BASES,
    "pack": PACKS, "coating": COATINGS, "gmethod": GMETHODS, "ck": CHECKS, "promo": PROMOS, "promorule": PROMO_RULES,
    "gift": GIFTS, "retwhy": RET_WHY, "complaint": COMPLAINTS, "act": ACTS, "agency": AGENCIES, "docs": DOCS,
    "qr": lambda r: "%04d-%04d-%04d" % (r.randint(0, 9999), r.randint(0, 9999), r.randint(0, 9999)),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "plate": lambda r: "%s%s·%s%04d" % (r.choice("豫鲁冀皖"), r.choice("ABPQ"), r.choice("DFK3"), r.randint(0, 9999)),
    "plot": lambda r: "%s-%02d" % (r.choice(["A", "B", "C"]), r.randint(1, 48)),
    "assign": gbk_messages.optional(lambda r: "，已转入%s" % r.choice(WAREHOUSES), 0.3),
    "n": rint(1, 6), "many": rint(8, 260), "bags": rint(10, 600), "kg": rint(800, 60000),
    "box": rint(0, 10 ** 14 - 1, "BX%014d"), "order": rint(0, 999999, "DD2603%06d"), "outno": rint(1, 99999, "CK%05d"),
    "retno": rint(1, 9999, "TH-2026-%04d"), "sample": rint(1, 99999, "YP%05d"), "job": rint(1, 999999, "%06d"),
    "dealerid": rint(1000, 9999, "JXS%d"), "license": rint(1, 999, "A(豫)农种许字(2021)第%04d号"),
    "temp": real(3, 19), "rh": rint(30, 78), "hot": real(15.2, 24), "highrh": rint(66, 88), "co2": rint(400, 1500),
    "probe": rint(1, 16, "T%02d"), "gp": real(80, 97, "%.1f%%"), "gr": real(84, 99.5, "%.1f%%"),
    "moist": real(10.5, 15.5), "purity": real(94, 99.9), "grn": rint(80, 99), "meter": rint(1, 4, "PM-%d"),
    "yield": rint(420, 980),
    "inc": real(-6, 18), "money": real(500, 400000, "%.2f"), "limit": rint(5, 50, "%d0000.00"),
    "status": gbk_messages.pick(["500", "502", "503", "504", "401"]), "ms": rint(30, 30000),
    "date": lambda r: "2026-%02d-%02d" % (r.randint(3, 12), r.randint(1, 28)), "days": rint(3, 60),
    "time": lambda r: "03-05 %02d:%02d" % (r.randint(0, 9), r.randint(0, 59)), "dev": rint(1, 6, "CS-%02d"),
    "grams": rint(500, 1000), "shelf": lambda r: "留样柜%d-%d层" % (r.randint(1, 12), r.randint(1, 5)),
    "period": lambda r: "3月%d日至%d月%d日" % (r.randint(1, 10), r.randint(4, 5), r.randint(1, 30)),
    "line": rint(1, 6, "%d号线"), "ip": lambda r: "%d.%d.%d.%d" % tuple(r.randint(1, 254) for _ in range(4)),
}

V.update((k, gbk_messages.pick(v)) for k, v in V.items() if isinstance(v, list))

# weight, level, message
TEMPLATES = [
    (210, "INFO", "扫码查询：防伪码{qr}，品种「{variety}」，批次{lot}，扫码地：{area}，{scans}"),
    (160, "DEBUG", "wh_sensor wh={wh} probe={probe} temp={temp}C rh={rh}% co2={co2}ppm"),
    (110, "INFO", "经销商收货扫码：{dealer}，箱码{box}，{variety}，{bags}袋"),
    (90, "INFO", "经销商订单：订单号{order}，「{dealer}」订购{orderitems}，合计{money}元，业务员{name}"),
    (75, "INFO", "出库单{outno}已出库：{wh}，{variety} {bags}袋（{pack}），提货车辆{plate}，司机{name}（{phone}）"),
    (60, "INFO", "发芽试验完成：批次{lot}（{variety}），{gmethod}，发芽势{gp}，发芽率{gr}，检验员{name}"),
    (52, "INFO", "moisture lot={lot} sample={sample} value={moist}% meter={meter} operator={name}"),
    (42, "INFO", "质检判定：批次{lot}（{variety}），净度{purity}%，水分{moist}%，发芽率{grn}%，结论：合格"),
    (11, "WARN", "质检判定：批次{lot}（{variety}），净度{purity}%，水分{moist}%，发芽率{grn}%，结论：不合格"),
    (36, "INFO", "田间记载：{base} {plot}小区，品种{variety}，{trait}，记录人{name}"),
    (30, "INFO", "防伪码激活：{qrrange}，绑定批次{lot}，包装{line}"),
    (27, "INFO", "农户{name}（{phone}）参加「{promo}」，在{dealer}购买{variety}共{bags}袋，获赠{gift}"),
    (23, "INFO", "批次生成：{lot}，品种{variety}，制种基地：{base}，加工量{kg}公斤，包衣：{coating}"),
    (20, "WARN", "仓库温湿度超限：{wh}温度{hot}℃（上限15℃），相对湿度{highrh}%（上限65%），已启动{act}"),
    (18, "ERROR", "【防伪预警】防伪码{qr}已被查询{many}次，最近扫码地{area}，疑似假冒「{variety}」，已推送{region}区域经理{name}"),
    (15, "INFO", "退货申请：单号{retno}，经销商{dealer}，批次{lot}，{bags}袋，原因：{retwhy}"),
    (9, "INFO", "退货审核：单号{retno}，审核结果：通过，审核人{name}{assign}"),
    (6, "WARN", "退货审核：单号{retno}，审核结果：驳回，审核人{name}"),
    (14, "INFO", "SSR纯度鉴定：批次{lot}，{ssr}"),
    (12, "INFO", "促销活动「{promo}」已发布：{area}，活动期{period}，规则：{promorule}"),
    (11, "INFO", "测产验收：{base}{plot}小区「{variety}」实收亩产{yield}公斤，比对照{ck}增产{inc}%"),
    (9, "INFO", "库存盘点：{wh}，{variety}：{stock}，盘点人{name}、{name}"),
    (8, "WARN", "credit check failed dealer={dealerid} order={order} amount={money} limit={limit} action=hold"),
    (6, "WARN", "农户投诉：{name}（{phone}），{area}，购买{variety}后{complaint}，已派技术员{name}下田查看"),
    (5, "ERROR", "种子追溯平台上报失败：POST /api/seedtrace/v2/lots 返回{status}，批次{lot}，耗时{ms}ms"),
    (3, "ERROR", "{wh}除湿机{dev}离线，最后上报时间{time}"),
    (2.5, "INFO", "label print done job={job} lot={lot} printer=ZT410-{n} copies={bags} client={ip}"),
    (2, "WARN", "生产经营许可证{license}将于{date}到期，剩余{days}天，请及时办理延续"),
    (1.5, "WARN", "执法协查：{agency}发来《协助调查函》，核查批次{lot}（{variety}），涉及经销商{dealer}，已提供{docs}"),
    (1.2, "INFO", "留样入库：批次{lot}，留样{grams}克，存放位置：{shelf}，保存期至{date}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the back end is Python; its logging format names the logger and the process
        return "2026-03-05 %02d:%02d:%02d,%03d %s %s [pid %d] " % (
            hh, mm, ss, r.randint(0, 999), r.choice(LOGGERS), level, r.randint(1200, 9000))
    if form == 1:
        # the desktop client at the warehouses and labs writes a Chinese date and module
        cn = {"DEBUG": "调试", "INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "%02d:%02d:%02d 2026年3月5日 （%s）[%s] " % (hh, mm, ss, r.choice(MODULES_CN), cn)
    # the scan gateway and agents are Go services with a one-letter level and a pipe
    return "03/05/2026 %02d:%02d:%02d.%06d | %s | %s-%d | " % (
        hh, mm, ss, r.randint(0, 999999), level[0], r.choice(SERVICES), r.randint(1, 9))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "Z", 6 * 3600 + 25 * 60, (0, 1, 2, 4))


if __name__ == "__main__":
    main()
