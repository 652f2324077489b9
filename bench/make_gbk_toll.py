#!/usr/bin/env python3
"""A GBK log of a Chinese highway toll and ETC system with its truth.

    bench/make_gbk_toll.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (ETC
gantries and lanes, OBUs and cards, plates and vehicle classes, fees in fen and in yuan,
blacklists, splitting a trip's fee between provinces, weigh stations, the green channel,
lane devices), written to measure the miner on and not to shape it: no rule was made or
tuned on them. One of three header forms by the seed. The output depends only on the
arguments.
"""

import gbk_messages

STATIONS = ["梅溪收费站", "石桥北收费站", "云岭主线收费站", "青川东收费站", "临港新区收费站",
            "白沙湾收费站", "北湖枢纽收费站", "望江南收费站"]
PROVINCES = ["浙江省", "江苏省", "安徽省", "江西省", "福建省", "湖北省", "湖南省", "河南省"]
COLORS = ["蓝", "黄", "绿", "渐变绿", "黄绿双拼", "白"]
VCLASSES = ["一类客车", "二类客车", "三类客车", "一类货车", "二类货车", "四类货车", "六类货车",
            "一类专项作业车"]
MEDIA = ["OBU", "CPC卡", "纸券", "ETC单片式OBU", "无介质（车牌识别）"]
PAYS = ["现金", "微信", "支付宝", "银联云闪付", "ETC记账卡", "ETC储值卡"]
TRADE_FAILS = ["OBU拆卸标志异常", "卡片已过有效期", "OBU未插卡", "储值卡余额不足",
               "卡片与OBU车牌不一致", "交易中断（车辆驶离天线区域）", "MAC校验失败",
               "发行方状态名单命中", "OBU电量低"]
BLACK_TYPES = ["追缴名单", "发行方状态名单（挂失）", "发行方状态名单（注销）", "欠费名单",
               "灰名单"]
GREEN_FAILS = ["装载物不属于鲜活农产品目录", "混装比例超过20%", "车厢未满载", "冷藏车温度记录缺失",
               "证件与车辆不符", "拒绝开箱查验"]
CARGO = ["新鲜蔬菜（白菜）", "活鱼", "鲜鸡蛋", "苹果", "冷鲜猪肉", "西瓜", "鲜牛奶", "香蕉"]
BARRIER = ["抬杆无反馈", "落杆超时", "抬杆后未检测到车辆通过", "线圈持续占用"]
CLASSES = ["GantryTradeService", "LaneController", "BlacklistSyncJob", "SplitBillingHandler",
           "PlateMatchService", "WeighStationClient"]
MODULES = ["lane", "gantry", "settle", "blacklist", "device"]


def plate(r):
    if r.random() < 0.2:
        # new-energy plates have six characters after the letter
        tail = r.choice("DF") + "%05d" % r.randint(0, 99999)
    else:
        tail = "".join(r.choice("0123456789ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(5))
    return r.choice("浙苏皖赣闽鄂湘豫沪鲁") + r.choice("ABCDEFGHJK") + tail


def gantry(r):
    return "G%04d%03d%s%02d" % (r.choice([15, 25, 60, 1522, 3, 4012]), r.randint(1, 400),
                                r.choice("12"), r.randint(1, 20))


def lane(r):
    return r.choice(["ETC", "MTC", "混合"]) + "-%02d" % r.randint(1, 16)


def obu(r):
    return "%016X" % r.getrandbits(64)


def cardno(r):
    return "%02d%02d%s%012d" % (r.choice([33, 32, 34, 36, 35]), r.randint(1, 20),
                                r.choice(["22", "23", "24"]), r.randint(0, 10 ** 12 - 1))


def yuan(r):
    return "%d.%02d" % (r.randint(0, 680), r.choice([0, 0, 50, r.randint(0, 99)]))


def split(r):
    # one part per province the trip crossed, written as the settlement centre lists them
    provs = r.sample(PROVINCES, r.randint(1, 4))
    return "、".join("%s%d分" % (p, r.randint(100, 40000)) for p in provs)


def gantries(r):
    return ",".join(gantry(r) for _ in range(r.randint(1, 4)))


def discount(r):
    return "，优惠%s" % r.choice(["95折", "9折", "85折", "节假日免费", "绿通免费"])


def low_balance(r):
    return "，余额不足%d元，请及时充值" % r.choice([20, 50, 100])


def upload_fail(r):
    return "，失败%d笔已转入重传队列" % r.randint(1, 40)


def ver(r):
    return "%d%02d%02d%02d" % (2026, r.randint(5, 6), r.randint(1, 28), r.randint(1, 12))


def cn_datetime(r):
    return "2026年6月%d日%d时%02d分" % (r.randint(9, 30), r.randint(0, 23), r.choice([0, 0, 30, 15]))


V = {
    "name": gbk_messages.name,
    "station": gbk_messages.pick(STATIONS),
    "prov": gbk_messages.pick(PROVINCES),
    "color": gbk_messages.pick(COLORS),
    "vclass": gbk_messages.pick(VCLASSES),
    "medium": gbk_messages.pick(MEDIA),
    "pay": gbk_messages.pick(PAYS),
    "tradefail": gbk_messages.pick(TRADE_FAILS),
    "blacktype": gbk_messages.pick(BLACK_TYPES),
    "greenfail": gbk_messages.pick(GREEN_FAILS),
    "cargo": gbk_messages.pick(CARGO),
    "barrier": gbk_messages.pick(BARRIER),
    "plate": plate,
    "gantry": gantry,
    "gantrylist": gantries,
    "lane": lane,
    "obu": obu,
    "cardno": cardno,
    "yuan": yuan,
    "split": split,
    "ver": ver,
    "cndatetime": cn_datetime,
    "discount": gbk_messages.optional(discount, 0.3),
    "lowbal": gbk_messages.optional(low_balance, 0.15),
    "uploadfail": gbk_messages.optional(upload_fail, 0.25),
    "fen": lambda r: str(r.randint(0, 60000)),
    "hwerr": lambda r: "0x%04X" % r.choice([0x6A82, 0x9302, 0x6983, 0x1001, 0x1003, 0x2A07]),
    "hexret": lambda r: r.choice(["-1", "-3", "0x6581", "0x6A83", "timeout"]),
    "passid": lambda r: "01%02d%02d%s%08d" % (r.randint(31, 36), r.randint(1, 99), "20260609", r.randint(0, 10 ** 8 - 1)),
    "rsu": lambda r: "RSU-%s%02d" % (r.choice("AB"), r.randint(1, 12)),
    "picid": lambda r: "%s_%02d%02d%02d_%04d.jpg" % (r.choice(["G", "L"]), r.randint(0, 23), r.randint(0, 59), r.randint(0, 59), r.randint(0, 9999)),
    "batchno": lambda r: "B%06d" % r.randint(1, 999999),
    "staff": lambda r: "%05d" % r.randint(1, 30000),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 40), r.randint(0, 255), r.randint(2, 254)),
    "status": lambda r: r.choice(["500", "502", "503", "504", "ECONNRESET"]),
    "ts": lambda r: "2026-06-09 %02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "limit": lambda r: r.choice(["18", "25", "31", "32", "43", "49"]),
    "axles": lambda r: str(r.randint(2, 6)),
    "tons": lambda r: "%.2f" % r.uniform(8, 60),
    "dbm": lambda r: str(r.randint(-85, -40)),
    "pct": lambda r: "%.1f%%" % r.uniform(0, 100),
    "kb": lambda r: str(r.randint(60, 900)),
    "n": lambda r: str(r.randint(0, 400)),
    "big": lambda r: str(r.randint(200, 90000)),
    "ms": lambda r: str(r.randint(3, 9000)),
    "sec": lambda r: str(r.randint(2, 300)),
    "mins": lambda r: str(r.randint(3, 600)),
    "retry": lambda r: str(r.randint(1, 5)),
}

TEMPLATES = [
    ("INFO", "门架{gantry}交易成功 OBU={obu} 车牌={plate}（{color}） 车型={vclass} 应收{fen}分 实收{fen}分{discount}"),
    ("WARN", "门架{gantry}交易失败 OBU={obu} 车牌={plate} errCode={hwerr}，原因：{tradefail}"),
    ("INFO", "车辆{plate}驶入{station}，入口车道{lane}，通行介质：{medium}"),
    ("INFO", "车辆{plate}驶出{station}，出口车道{lane}，应收￥{yuan}，实收￥{yuan}，支付方式：{pay}"),
    ("WARN", "黑名单拦截：卡号{cardno}命中{blacktype}，车牌{plate}，已转人工处理"),
    ("INFO", "黑名单增量下发完成，版本{ver}，新增{n}条，删除{n}条，耗时{ms}ms"),
    ("ERROR", "黑名单下载失败 ver={ver} server={ip} code={status}，{sec}秒后重试"),
    ("INFO", "拆分结果：通行标识{passid}，{split}，合计{fen}分"),
    ("WARN", "省际拆分差额：通行标识{passid}，{prov}应分{fen}分，实分{fen}分，已提交差错处理"),
    ("ERROR", "路径还原失败 passId={passid} 缺失门架：{gantrylist}，按最小费额计费"),
    ("INFO", "车道{lane}天线{rsu}心跳正常，信号强度{dbm}dBm，累计交易{big}笔"),
    ("ERROR", "RSU heartbeat timeout, rsu={rsu}, lane={lane}, last_ok={ts}"),
    ("WARN", "车道{lane}车牌不一致：OBU内车牌{plate}，抓拍车牌{plate}，识别置信度{pct}"),
    ("INFO", "抓拍图片上传成功 pic={picid} size={kb}KB gantry={gantry}"),
    ("WARN", "抓拍图片上传超时 pic={picid} gantry={gantry}，第{retry}次重试"),
    ("INFO", "【称重检测】车牌{plate}，轴数{axles}，总重{tons}吨，限重{limit}吨，检测结果：合格"),
    ("WARN", "【称重检测】车牌{plate}，轴数{axles}，总重{tons}吨，限重{limit}吨，超限{pct}，已引导至超限检测站"),
    ("INFO", "绿色通道查验通过：{plate}，装载{cargo}，免收通行费{yuan}元，查验员{name}"),
    ("WARN", "绿色通道查验不合格：{plate}，原因：{greenfail}，查验员{name}"),
    ("INFO", "ETC卡{cardno}扣款{yuan}元，卡内余额{yuan}元{lowbal}"),
    ("ERROR", "ETC卡读卡失败 lane={lane} cardNo={cardno} ret={hexret}"),
    ("INFO", "交易流水上传部中心完成：批次{batchno}，共{big}笔，成功{big}笔{uploadfail}"),
    ("INFO", "班次结算：收费员{name}（工号{staff}），{station}，现金￥{yuan}，移动支付￥{yuan}，ETC {n}笔"),
    ("WARN", "车道{lane}栏杆机{barrier}，持续{sec}秒，收费员{name}已上报"),
    ("INFO", "费率表切换完成：{station}，新版本{ver}，生效时间{cndatetime}"),
    ("WARN", "疑似闯关/倒换通行介质：车牌{plate}，入口{station}，出口{station}，行驶时间{mins}分钟"),
    ("INFO", "门架{gantry}计费模块版本{ver}，CPC交易{n}笔，OBU交易{n}笔，未成功{n}笔"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the lane and gantry services are Java; the pattern keeps the class and line
        return "2026-06-09 %02d:%02d:%02d.%03d [lane-io-%d] %-5s c.hw.toll.%s:%d - " % (
            hh, mm, ss, ms, r.randint(1, 8), level, r.choice(CLASSES), r.randint(40, 900))
    if form == 1:
        # the station's own console writes bracketed fields in Chinese
        cn = {"INFO": "信息", "WARN": "告警", "ERROR": "故障"}[level]
        return "[2026-06-09 %02d:%02d:%02d][%s][%s] " % (hh, mm, ss, r.choice(STATIONS), cn)
    # the provincial centre collects logfmt-style lines
    lv = {"INFO": "info", "WARN": "warning", "ERROR": "error"}[level]
    return 'time="2026-06-09 %02d:%02d:%02d" level=%s host=tc-srv%02d module=%s | ' % (
        hh, mm, ss, lv, r.randint(1, 6), r.choice(MODULES))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "HW", 7 * 3600 + 1500)
