#!/usr/bin/env python3
"""A GBK log of a Chinese island duty-free retail system with its truth.

    bench/make_gbk_dutyfree.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 29 messages (sales at the
tills, the yearly duty-free allowance of departing passengers and its queries, checks of their
departure, pick-up points and parcels left there, customs release and inspection, stock
transfers from the bonded warehouses, low stock, till shifts, returns, promotions going on and
off line, members and their tiers, payment failures, shelf price tags, exchange rates, parcels
sent by post, daily store figures), written to measure the miner on and not to shape it: no
rule was made or tuned on them. One of three header forms by the seed. The output depends
only on the arguments.
"""

import gbk_messages

# store names as the merchandising team keyed them into the store master, blanks and all
STORES = ["椰林湾国际免税城", "海棠湾免税购物中心（一期）", "临海机场T2 出发隔离区店", "港城码头免税店",
          "南湾 市内免税店", "凤栖国际免税城(二期)"]
STORE_CODES = ["YLW01", "HTW01", "LHA-T2", "GCM02", "NW03", "FQ02"]
PICKPTS = ["临海机场T2 提货点A", "临海机场T1提货点", "港城码头提货点（秀英港）", "高铁东站提货点",
           "临海机场T2 国际出发提货点B"]
SKUS = ["ESTEE LAUDER 特润修护肌活精华露 50ml", "SK-II 护肤精华露 230ml", "Dior 迪奥真我香水 EDP 100ml",
        "La Mer 海蓝之谜 精华面霜 60ml", "Apple AirPods Pro（第二代）", "SWAROVSKI 天鹅项链 5007735",
        "TISSOT 天梭 力洛克 T006.407.11.053.00", "Johnnie Walker 蓝牌 750ml", "SHISEIDO 红妍肌活精华露 75ml",
        "COACH 托特包（黑色）"]
BRANDS = ["ESTEE LAUDER", "SK-II", "Dior", "La Mer", "Apple", "SWAROVSKI", "TISSOT", "Johnnie Walker",
          "SHISEIDO", "COACH"]
WAREHOUSES = ["洋浦保税仓", "中心仓 A区", "临海空港保税物流中心", "港城保税仓2号库"]
PAY = ["微信支付", "支付宝", "银联卡", "现金", "数字人民币", "Visa/Master 外卡"]
PAY_FAILS = [("USERPAYING", "用户支付中，需输入密码"), ("NOTENOUGH", "余额不足"), ("SYSTEMERROR", "系统超时"),
             ("CARD_EXPIRED", "卡片已过期"), ("RISK_REJECT", "交易存在风险，已拦截")]
VERIFY_FAILS = ["未查询到离岛航班信息", "购物时间距离岛时间不足3小时", "证件信息与离岛旅客不符",
                "离岛信息已过期（超过航班日期）", "岛内居民未满足返岛提取条件"]
PICKUP = ["机场提货", "码头提货", "邮寄送达", "返岛提取", "担保即提", "即购即提"]
CUSTOMS = ["临海机场海关驻免税店办事处", "港城海关（秀英）", "海棠湾海关监管科"]
INSPECT = ["开箱查验", "X光机检查", "人工核对数量", "抽检（10%）"]
RETURN_WHY = ["商品质量问题", "颜色/型号不符", "重复下单", "航班取消无法提货", "未拆封七天无理由"]
RETURN_REJECT = ["商品已拆封使用", "已超过退货期限", "商品已提离监管区不可退回", "赠品未一并退回",
                 "订单已核放出区"]
PROMOS = ["国庆黄金周 满8000减800", "会员日双倍积分", "香水彩妆 第二件8折", "腕表专场（满30000减3000）",
          "新客首单立减100元"]
TIERS = ["普卡", "银卡", "金卡", "铂金卡", "黑钻卡"]
REG_CH = ["官方小程序", "门店导购扫码", "App", "机场地推", "h5_landing"]
SHELVES = ["香水区 3号货架", "腕表柜台B-02", "彩妆岛台（靠近入口）", "酒水区 A-11", "电子产品区4号柜"]
CARRIERS = ["顺丰速运", "中国邮政EMS", "京东物流"]
CITIES = ["北京市朝阳区", "上海市浦东新区", "广东省深圳市南山区", "四川省成都市武侯区", "浙江省杭州市西湖区"]
HOSTS = ["oms-gw", "quota-api.internal", "customs-edi", "10.20.3.41"]
CCYS = [("USD", 7.05, 7.35), ("HKD", 0.89, 0.94), ("EUR", 7.6, 8.1), ("JPY", 0.046, 0.051), ("KRW", 0.0050, 0.0055)]
NODE_SVCS = ["oms-sync", "quota-proxy", "member-svc", "price-push", "pickup-api"]


def trip(r):
    return r.choice(["航班%s%d" % (r.choice(["HU", "CZ", "MU", "CA", "3U"]), r.randint(1000, 7999)),
                     "船班 秀英港-海安新港 %02d:%02d" % (r.randint(6, 22), r.choice([0, 30])),
                     "车次D%d" % r.randint(7300, 7499)])


def idmask(r):
    return r.choice(["%d**********%03d%s" % (r.randint(110000, 650000), r.randint(0, 999), r.choice("0123456789X")),
                     "E*****%03d（护照）" % r.randint(0, 999), "H*****%03d（回乡证）" % r.randint(0, 999)])


def rate(r):
    ccy, lo, hi = r.choice(CCYS)
    return "%s/CNY %.4f" % (ccy, r.uniform(lo, hi))


V = {
    "name": gbk_messages.name,
    "store": gbk_messages.pick(STORES),
    "storecode": gbk_messages.pick(STORE_CODES),
    "pickpt": gbk_messages.pick(PICKPTS),
    "sku": gbk_messages.pick(SKUS),
    "brand": gbk_messages.pick(BRANDS),
    "warehouse": gbk_messages.pick(WAREHOUSES),
    "pay": gbk_messages.pick(PAY),
    "verifyfail": gbk_messages.pick(VERIFY_FAILS),
    "pickup": gbk_messages.pick(PICKUP),
    "customs": gbk_messages.pick(CUSTOMS),
    "inspect": gbk_messages.pick(INSPECT),
    "returnwhy": gbk_messages.pick(RETURN_WHY),
    "returnreject": gbk_messages.pick(RETURN_REJECT),
    "promo": gbk_messages.pick(PROMOS),
    "tier": gbk_messages.pick(TIERS),
    "regch": gbk_messages.pick(REG_CH),
    "shelf": gbk_messages.pick(SHELVES),
    "carrier": gbk_messages.pick(CARRIERS),
    "city": gbk_messages.pick(CITIES),
    "host": gbk_messages.pick(HOSTS),
    "payfail": lambda r: "code=%s msg=%s" % r.choice(PAY_FAILS),
    "points": gbk_messages.optional(lambda r: "，本单积分+%d" % r.randint(10, 30000), 0.45),
    "coupon": gbk_messages.optional(lambda r: "，叠加券%s" % r.choice(["CP-100", "CP-500", "新客券"]), 0.3),
    "diff": lambda r: r.choice(["0.00元", "0.00元", "长款%.2f元" % r.uniform(0.1, 50), "短款%.2f元" % r.uniform(0.1, 50)]),
    "trip": trip,
    "idmask": idmask,
    "rate": rate,
    "date": lambda r: "2026-10-%02d" % r.randint(1, 31),
    "hm": lambda r: "%02d:%02d" % (r.randint(6, 23), r.randint(0, 59)),
    "order": lambda r: "DF2610%02d%08d" % (r.randint(1, 31), r.randint(0, 10 ** 8 - 1)),
    "decl": lambda r: "6401%014d" % r.randint(0, 10 ** 14 - 1),
    "transfer": lambda r: "DB-%s-%05d" % (r.choice(["YP", "ZX", "KG"]), r.randint(1, 99999)),
    "skucode": lambda r: "SKU-%s-%06d" % (r.choice(["EL", "SK", "DR", "LM", "AP", "SW", "TS", "JW"]), r.randint(0, 999999)),
    "member": lambda r: "M%010d" % r.randint(0, 10 ** 10 - 1),
    "pid": lambda r: "%032x" % r.getrandbits(128),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "till": lambda r: "%02d号" % r.randint(1, 40),
    "emp": lambda r: "DF%05d" % r.randint(0, 99999),
    "esl": lambda r: "ESL-%06X" % r.getrandbits(24),
    "waybill": lambda r: "%s%012d" % (r.choice(["SF", "EMS", "JD"]), r.randint(0, 10 ** 12 - 1)),
    "status": lambda r: r.choice(["500", "502", "503", "504"]),
    "port": lambda r: r.choice(["8080", "9090", "18081"]),
    "money": lambda r: "%.2f" % r.uniform(50, 100000),
    "big": lambda r: str(r.randint(0, 9000)),
    "n": lambda r: str(r.randint(1, 40)),
    "ms": lambda r: str(r.randint(20, 8000)),
}

TEMPLATES = [
    ("INFO", "销售成功：订单{order}，{store}收银台{till}，商品{n}件，实收{money}元，支付方式：{pay}，会员{member}{points}"),
    ("WARN", "离岛免税额度不足：旅客{name}（证件{idmask}），本年度已用{money}元，剩余额度{money}元，本单应付{money}元"),
    ("INFO", "quota query passenger={pid} year=2026 used={money} remain={money} src=customs cost={ms}ms"),
    ("INFO", "离岛信息核验通过：旅客{name}，{trip}，离岛时间{date} {hm}，提货方式：{pickup}"),
    ("WARN", "离岛信息核验失败：旅客{name}，证件{idmask}，原因：{verifyfail}"),
    ("INFO", "{pickpt}提货完成：订单{order}，提货人{name}，包裹{n}件，核销员工号{emp}"),
    ("WARN", "订单{order}在{pickpt}超过{n}天未提货，已转入退货流程"),
    ("INFO", "海关核放：申报单{decl}已放行，商品{n}件，货值{money}元，关区：{customs}"),
    ("ERROR", "海关核放接口调用失败 decl={decl} http={status} retry={n} cost={ms}ms"),
    ("WARN", "海关布控：申报单{decl}需{inspect}，涉及商品《{sku}》，已暂停出区"),
    ("INFO", "调拨单{transfer}已出库：{warehouse}→{store}，SKU{n}个，共{big}件"),
    ("INFO", "调拨单{transfer}已签收：{warehouse}→{store}，差异{n}件，签收人{name}"),
    ("WARN", "库存预警：{sku}在{store}可售库存{n}件，低于安全库存{n}件"),
    ("INFO", "stock sku={skucode} brand=\"{brand}\" store={storecode} onhand={big} reserved={n} in_transit={n}"),
    ("INFO", "收银台{till}开班：收银员{name}（工号{emp}），备用金{money}元"),
    ("INFO", "收银台{till}交班：收银员{name}（工号{emp}），交易{big}笔，收款{money}元，{diff}"),
    ("INFO", "退货申请已受理：订单{order}，商品“{sku}”×{n}，退款{money}元，原因：{returnwhy}"),
    ("WARN", "退货申请被驳回：订单{order}，原因：{returnreject}，经办人{name}"),
    ("INFO", "促销活动【{promo}】已上线，适用门店：{store}，活动期{date}至{date}"),
    ("INFO", "促销活动【{promo}】已下线，适用门店：{store}，活动期{date}至{date}"),
    ("INFO", "订单{order}命中促销【{promo}】，优惠{money}元{coupon}"),
    ("INFO", "会员注册成功：会员号{member}，手机{phone}，注册渠道：{regch}，等级：{tier}"),
    ("INFO", "会员{member}等级变更：{tier}→{tier}，近12个月累计消费{money}元"),
    ("WARN", "pay failed order={order} channel={pay} {payfail} cost={ms}ms"),
    ("ERROR", "电子价签离线：{store}{shelf}，价签{esl}，价格同步失败"),
    ("INFO", "汇率已更新：{rate}，生效时间{date} {hm}"),
    ("ERROR", "java.net.ConnectException: Connection refused: {host}/{port} (order={order}, retry {n})"),
    ("INFO", "邮寄送达已揽收：订单{order}，承运商：{carrier}，运单号{waybill}，收件地：{city}"),
    ("INFO", "日结：{store}{date}销售{big}笔，销售额{money}元，其中离岛免税{money}元，退货{n}笔"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the till software is .NET and writes Serilog's file template with the UTC offset
        return "2026-10-02 %02d:%02d:%02d.%03d +08:00 [%s] " % (
            hh, mm, ss, r.randint(0, 999), {"INFO": "INF", "WARN": "WRN", "ERROR": "ERR"}[level])
    if form == 1:
        # the store back office names the store and the till in lenticular brackets
        cn = {"INFO": "通知", "WARN": "提醒", "ERROR": "异常"}[level]
        return "〖%s·POS%02d〗10月02日 %02d:%02d:%02d %s：" % (r.choice(STORE_CODES), r.randint(1, 40), hh, mm, ss, cn)
    # the order and member services are Node.js with winston, stamped in UTC
    return "2026-10-02T%02d:%02d:%02d.%03dZ [%s] %s: " % (
        (hh - 8) % 24, mm, ss, r.randint(0, 999), r.choice(NODE_SVCS), level.lower())


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "DF", 9 * 3600)
