#!/usr/bin/env python3
"""A GBK log of a city post office network with its truth.

    bench/make_gbk_postoffice.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  38 messages from the
branches' counters, the sorting centre, the savings counters, the postal vans and the mailbox
collection rounds: parcels and registered letters taken in at the counter, items refused when
the counter opened them, stamps and newspaper subscriptions sold, pick-up notices and parcels
collected, fresh produce sent cold; deliveries made and deliveries that failed, mail sent back
to the sender, tracking queries; sorter scans, sorting batches closed, odd items sent to the
manual desk, mis-sorted items, a sorter that stops talking, mail bags closed and dispatched;
savings transactions done and refused, large cash withdrawals registered, passbooks reported
lost, tills that don't balance, utility bills paid; vans leaving and arriving, late vans, vans
whose GPS goes quiet, fuel records, seals that don't match; mailboxes emptied, missed or
overflowing and damaged, the day's reconciliation and an upload to head office that times out.
They are written to measure the miner on and not to shape it: no rule was made or tuned on them.
Each message keeps its own frequency, sorter scans by the hundred and a broken mailbox once in a
few thousand lines.  Some messages differ only in a word or two (delivered / not delivered, a
transaction done / refused, a van leaving / arriving), each its own event.  One of three header
forms by the seed.  The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

BRANCHES = ["东城区和平里支局", "西城区白塔寺邮政所（营业厅）", "朝阳区望京中心支局", "海淀区中关村南大街支局",
            "丰台区方庄邮政所", "通州区新华大街支局（二楼储蓄）", "石景山区鲁谷邮政所", "大兴区黄村 临时便民服务点"]
DESTS = ["上海市", "广东省广州市", "浙江省杭州市", "四川省成都市", "黑龙江省哈尔滨市", "新疆维吾尔自治区乌鲁木齐市",
         "湖北省武汉市（本省转运）", "江苏省南京市", "云南省昆明市", "本市同城", "香港特别行政区", "日本 东京都（国际）"]
HUBS = ["京北邮件处理中心", "首都机场航空邮件处理中心", "京南陆运集散中心（一期）", "上海浦东国际邮件互换局",
        "郑州航空邮件处理中心", "广州邮件处理中心 B区"]
MAILTYPES = ["标准快递", "普通包裹", "国内小包", "特快专递（次日达）", "国际EMS", "商务函件", "同城即日递"]
BANNED = ["锂电池（未安装于设备内）", "打火机 2只", "散装白酒 5斤", "液体香水 100ml", "管制刀具", "活体宠物（仓鼠）",
          "烟花爆竹", "不明粉末状物品"]
STAMPS = ["2026年生肖邮票 1版", "《山水画》特种邮票 1套", "普通邮票 1.20元×20枚", "纪念封 3枚", "明信片（城市风光）10张",
          "邮资信封 C5 5个", "个性化邮票册 1本"]
PAPERS = ["城市晚报", "少年科学画报", "老年生活周刊", "财经观察", "读书与评论", "中学生英语（初中版）", "健康文摘"]
ADDRS = ["和平里北街5号院3号楼2单元601", "望京 阜通东大街6号 B座1203", "方庄芳群园三区 7-2-402",
         "中关村南大街12号院（单位收发室）", "鲁谷路74号 鲁谷小区 15栋", "新华大街118号（临街底商）"]
SIGNWAYS = ["本人签收", "他人代收（门卫）", "单位收发室代收", "智能信包箱", "家属代收（关系：配偶）", "驿站代收"]
FAILREASONS = ["收件人不在，电话无人接听", "地址不详（门牌号缺失）", "收件人拒收", "单位已搬迁，查无此人",
               "小区封闭管理，无法进入", "收件人要求改期投递：3/16 上午"]
RETURNREASONS = ["逾期无人领取", "收件人拒收", "地址错误无法投递", "查无此人", "寄件人申请撤回"]
CHANNELS = ["APP", "MINIPROGRAM", "COUNTER", "CALL_CENTER", "OPEN_API"]
SORTERS = ["交叉带分拣机 CB-01", "交叉带分拣机 CB-02", "滑块式分拣机 SS-03", "小件供件台 #7", "摆轮分拣线 B-2"]
SORTEXC = ["条码无法识别", "面单破损", "超规格件（长边>120cm）", "重量与申报不符", "外包装破损渗漏", "无格口对应地址",
           "疑似违禁品（安检机报警）"]
STAGES = ["收寄网点录入", "供件台人工补码", "分拣机读码", "格口人工理货"]
TXTYPES = ["活期存款", "活期取款", "定期开户（一年期）", "定期支取（提前支取）", "转账汇款", "零存整取续存", "外币兑换 USD→CNY"]
ERRCODES = ["E1023（余额不足）", "E2001（密码错误次数超限）", "E3107（账户已冻结）", "E4410（证件与户名不符）",
            "TIMEOUT（核心系统响应超时）", "E5002（超出单日限额）"]
PURPOSES = ["购房首付", "医疗费用", "子女学费", "个体经营进货", "婚庆支出"]
ROLES = ["营业主管", "支局长", "储蓄主管", "值班副局长"]
LOSSTYPES = ["存折口头挂失", "存折正式挂失", "密码挂失", "存单挂失（定期）"]
BILLTYPES = ["电费", "自来水费", "燃气费", "固定电话费", "有线电视费", "交通罚没款"]
ROUTES = ["京-津干线 J101", "市内趟车 S-07（东城环线）", "京-石干线 J205", "机场接发 A-02", "郊区邮路 Y-13（大兴）"]
VANLATE = ["京港澳高速拥堵", "途中车辆故障，已更换车辆", "上游处理中心交接延误", "雨雪天气限速", "等待航空邮件落地"]
FUELS = ["92#汽油", "95#汽油", "0#柴油"]
BOXLOCS = ["和平里北街公交站旁", "白塔寺景区东门", "望京SOHO T1 南侧", "中关村南大街 北理工东门", "方庄桥西北角",
           "鲁谷大街与古城大街交口", "新华大街 大成里社区门口"]
DAMAGES = ["投信口变形卡死", "锁具损坏无法开启", "筒身被喷涂小广告", "底座松动倾斜", "被车辆撞击（已拍照）"]
FRESH = ["阳澄湖大闸蟹 8只装", "赣南脐橙 5kg", "云南鲜花（玫瑰）", "五常大米（真空）", "平谷大桃 12枚"]
RELATIONS = ["同事", "家属", "邻居", "物业"]
SMSCH = ["短信", "微信服务号", "APP推送", "短信+语音外呼"]
LICENCES = ["营业执照", "邮政储蓄代理业务许可证", "消防安全检查合格证", "集邮品经营备案"]
GWHOSTS = ["hq-gw01.post.internal", "hq-gw02.post.internal", "10.20.8.15"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, form=0):
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    if form == 1:
        return d.strftime("%Y-%m-%d")
    if form == 2:
        return "%d/%d" % (d.month, d.day)
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def anyday(r):
    """A date a few days back, written the way whoever keyed it in likes."""
    return day(r, -6, 0, r.choice([0, 1, 1, 2]))


def parcelno(r):
    return "9%012d" % r.randint(0, 10 ** 12 - 1)


def regno(r):
    return "%s%08d%dCN" % (r.choice(["XA", "XB", "RR", "RL", "EA"]), r.randint(0, 10 ** 8 - 1), r.randint(0, 9))


def insured(r):
    v = r.choice([500, 1000, 2000, 3000, 5000, 10000])
    return "，保价%d元（保价费%.2f元）" % (v, v * 0.01)


def dims(r):
    return "%d × %d × %d cm" % (r.randint(10, 80), r.randint(8, 50), r.randint(3, 40))


def chute(r):
    return "%s-%03d" % (r.choice("ABCD"), r.randint(1, 240))


def sbatch(r):
    return "SB260314%s%03d" % (r.choice(["AM", "PM", "NT"]), r.randint(1, 120))


def bag(r):
    return "ZB-1100%02d-260314-%04d" % (r.randint(1, 40), r.randint(1, 9999))


def acct(r):
    return "6221%s****%04d" % (r.choice(["88", "80", "86"]), r.randint(0, 9999))


def cash_gap(r):
    book = r.uniform(20000, 380000)
    diff = r.choice([-1, 1]) * r.choice([r.uniform(0.1, 9.9), r.choice([50, 100]) * 1.0])
    return "账面%.2f元，实点%.2f元，差额%+.2f元" % (book, book + diff, diff)


def plate(r):
    return "京%s·%s%04d" % (r.choice("ABCEFG"), r.choice("DFK"), r.randint(0, 9999))


def seal(r):
    return "FZ%07d" % r.randint(0, 10 ** 7 - 1)


def box(r):
    return "XT-%04d-%02d" % (r.randint(101, 1180), r.randint(1, 40))


def gps(r):
    return "%.6f,%.6f" % (r.uniform(116.10, 116.70), r.uniform(39.70, 40.10))


def clock(r):
    return "%02d:%02d" % (r.randint(6, 21), r.choice([0, 10, 15, 20, 30, 40, 45, 50]))


def hms(r):
    return "%02d:%02d:%02d" % (r.randint(6, 21), r.randint(0, 59), r.randint(0, 59))


def duration(r):
    m = r.randint(25, 420)
    return "%d小时%02d分" % (m // 60, m % 60) if m >= 60 else "%d分钟" % m


def windows(r):
    return ",".join(str(w) for w in sorted(r.sample(range(1, 9), r.randint(2, 6))))


def licence(r):
    _chosen["days"] = r.randint(3, 30)
    return "%s《%s》" % (r.choice(BRANCHES), r.choice(LICENCES))


V = {
    "name": name, "parcelno": parcelno, "regno": regno, "dims": dims, "chute": chute, "sbatch": sbatch,
    "bag": bag, "acct": acct, "cashgap": cash_gap, "plate": plate, "seal": seal, "box": box, "gps": gps,
    "clock": clock, "hms": hms, "duration": duration, "wins": windows, "date": anyday,
    "licence": licence, "expire": lambda r: day(r, _chosen["days"], _chosen["days"], 1),
    "days": lambda r: str(_chosen["days"]),
    "branch": pick(BRANCHES), "dest": pick(DESTS), "hub": pick(HUBS), "mailtype": pick(MAILTYPES),
    "banned": pick(BANNED), "stamps": items(STAMPS, 1, 3), "paper": pick(PAPERS), "addr": pick(ADDRS),
    "signway": pick(SIGNWAYS), "failreason": pick(FAILREASONS), "returnreason": pick(RETURNREASONS),
    "channel": pick(CHANNELS), "sorter": pick(SORTERS), "sortexc": pick(SORTEXC), "stage": pick(STAGES),
    "txtype": pick(TXTYPES), "errcode": pick(ERRCODES), "purpose": pick(PURPOSES), "role": pick(ROLES),
    "losstype": pick(LOSSTYPES), "billtype": pick(BILLTYPES), "vroute": pick(ROUTES), "vanlate": pick(VANLATE),
    "fuel": pick(FUELS), "boxloc": pick(BOXLOCS), "damage": pick(DAMAGES), "fresh": pick(FRESH),
    "smsch": pick(SMSCH), "gwhost": pick(GWHOSTS),
    "paych": pick(["CASH", "WECHAT", "ALIPAY", "UNIONPAY", "POSTCARD"]),
    "billway": pick(["柜面", "自助终端", "助农取款点"]),
    "insured": optional(insured, 0.3),
    "receipt": optional(lambda r: "，附回执（AR）", 0.35),
    "photo": optional(lambda r: "，已拍照上传（%d张）" % r.randint(1, 4), 0.4),
    "proxy": optional(lambda r: "（代取，关系：%s）" % r.choice(RELATIONS), 0.3),
    "vtemp": optional(lambda r: "，车厢温度%.1f℃" % r.uniform(2.0, 26.0), 0.35),
    "pickcode": lambda r: "%d-%d-%04d" % (r.randint(1, 9), r.randint(1, 12), r.randint(0, 9999)),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "weight": real(0.05, 28.0, "%.2f"), "letterweight": rint(8, 480), "fee": real(6, 260, "%.2f"), "lfee": real(4.2, 38, "%.2f"),
    "money": real(1.2, 980, "%.2f"), "months": pick(["3", "6", "12"]), "emp": rint(1000, 9999, "%04d"),
    "waiting": rint(1, 45), "mins": rint(2, 90), "route": lambda r: "第%02d段道" % r.randint(1, 36),
    "try": rint(1, 3), "keepdays": rint(1, 30), "ms": rint(4, 1800),
    "pieces": rint(120, 9800), "rej": rint(0, 60), "rate": real(97.0, 99.99, "%.2f"),
    "desk": lambda r: "%d号" % r.randint(1, 6), "hex": rint(0x1000, 0xFFFF, "%04X"), "hb": rint(8, 300),
    "bagpieces": rint(20, 600), "bagweight": real(3.0, 32.0),
    "txcode": lambda r: "T%s%06d" % (r.choice("SDQZ"), r.randint(0, 999999)),
    "amt": real(10, 50000, "%.2f"), "bal": real(0, 900000, "%.2f"),
    "teller": lambda r: "G%s%03d" % (r.choice(["01", "02", "07"]), r.randint(1, 80)),
    "bigamt": lambda r: "%d" % (r.randint(5, 60) * 10000), "idtail": rint(0, 9999, "%04d"),
    "lossno": lambda r: "LS20260314%04d" % r.randint(1, 999),
    "billacct": lambda r: "%s%08d" % (r.choice(["", "DF", "RQ"]), r.randint(0, 10 ** 8 - 1)),
    "bags": rint(4, 86), "late": rint(15, 180),
    "imei": lambda r: "86%013d" % r.randint(0, 10 ** 13 - 1),
    "litres": real(20, 90), "odo": rint(12000, 480000), "tail4": rint(0, 9999, "%04d"),
    "round": rint(1, 4), "letters": rint(0, 160), "cards": rint(0, 30), "fill": rint(85, 100),
    "hours": rint(6, 72), "temp": real(0.5, 8.0), "promise": pick(["24", "48", "72"]),
    "ubatch": lambda r: "UP-%s-%03d" % (r.choice(["SAV", "MAIL", "ACC"]), r.randint(1, 300)),
    "retrymin": pick(["5", "10", "15", "30"]),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "sort", "分拣机扫描：设备{sorter}，条码{parcelno}，落格口{chute}（{dest}），体积{dims}，重量{weight}kg"),
    (200, "INFO", "counter", "收寄成功：邮件号{parcelno}，{mailtype}，寄往{dest}，重量{weight}kg，资费{fee}元，营业员{name}{insured}"),
    (120, "INFO", "savings", "储蓄交易成功：交易码{txcode}，账号{acct}，{txtype}，金额{amt}元，余额{bal}元，柜员{teller}"),
    (110, "INFO", "track", "GET /track/v2/query?mailNo={regno}&src={channel} status=200 OK cost={ms}ms"),
    (90, "INFO", "delivery", "投递妥投成功：邮件号{regno}，投递员{name}，签收方式：{signway}，{route}"),
    (70, "INFO", "mailbox", "信筒开取完成：信筒编号{box}（{boxloc}），第{round}频，取出信件{letters}件、明信片{cards}张，开筒员{name}"),
    (60, "INFO", "counter", "挂号信收寄：条码{regno}，收件人{name}（{dest}），{letterweight}克，资费{lfee}元{receipt}"),
    (50, "INFO", "notice", "取件通知已发送：邮件号{parcelno}，收件人{name}（{phone}），取件码{pickcode}，通道：{smsch}"),
    (45, "INFO", "sort", "sorting batch closed: sorter=\"{sorter}\" batch={sbatch} pieces={pieces} rejected={rej} rate={rate}%"),
    (40, "INFO", "van", "邮车已发车：车牌{plate}，邮路「{vroute}」，司机{name}，装载总包{bags}袋，计划到达{clock}{vtemp}"),
    (38, "INFO", "van", "邮车已到达：车牌{plate}，邮路「{vroute}」，司机{name}，卸载总包{bags}袋，在途{duration}{vtemp}"),
    (35, "INFO", "sort", "总包封发：总包号{bag}，发往【{hub}】，内含{bagpieces}件，总重{bagweight}kg，封发人{name}、复核人{name}"),
    (28, "WARN", "counter", "收寄验视不通过：{mailtype}，物品「{banned}」属禁寄/限寄物品，已退还寄件人，营业员{name}（工号{emp}）"),
    (25, "INFO", "counter", "邮票及集邮品销售：{stamps}，合计{money}元，pay_type={paych}"),
    (24, "INFO", "savings", "代理缴费：{billtype}，户号{billacct}，金额{amt}元，渠道：{billway}"),
    (20, "WARN", "delivery", "投递妥投失败：邮件号{regno}，投递员{name}，原因：{failreason}，{route}，第{try}次投递"),
    (20, "INFO", "notice", "自提取件：邮件号{parcelno}，取件码{pickcode}，取件人{name}{proxy}"),
    (18, "WARN", "sort", "分拣异常件：条码{parcelno}，异常类型「{sortexc}」，已转人工处理台{desk}{photo}"),
    (15, "INFO", "daily", "日终对账完成：{branch} 营业日期{date} 收寄{pieces}件 资费合计{amt}元 status=OK"),
    (14, "WARN", "savings", "储蓄交易失败：交易码{txcode}，账号{acct}，{txtype}，金额{amt}元，错误码{errcode}，柜员{teller}"),
    (12, "INFO", "counter", "报刊订阅：《{paper}》{months}个月，订户{name}，投递地址：{addr}，金额{money}元"),
    (10, "INFO", "counter", "生鲜邮件收寄：邮件号{parcelno}，品名「{fresh}」，箱内温度{temp}℃，承诺{promise}小时送达"),
    (9, "WARN", "van", "邮车晚点：车牌{plate}，邮路「{vroute}」，计划{clock}到达，实际晚点{late}分钟，原因：{vanlate}"),
    (8, "WARN", "mailbox", "信筒漏开：信筒编号{box}（{boxloc}），第{round}频应于{clock}开取，未扫描开筒码，{route}"),
    (8, "INFO", "counter", "窗口排队：{branch} 当前等候{waiting}人，平均等待{mins}分钟，已开窗口：{wins}"),
    (7, "WARN", "sort", "错分件：条码{parcelno}应发{dest}，实际落格口{chute}，责任环节：{stage}"),
    (6, "WARN", "delivery", "邮件退回：邮件号{regno}，退回原因【{returnreason}】，退回至{branch}，已保管{keepdays}天"),
    (6, "INFO", "van", "车辆加油登记：车牌{plate}，{fuel} {litres}L，金额{money}元，里程表{odo}km，油卡尾号{tail4}"),
    (5, "WARN", "savings", "大额现金取款登记：客户{name}（证件尾号{idtail}），金额{bigamt}元，用途：{purpose}，已由{role}{name}授权"),
    (4, "WARN", "mailbox", "mailbox overflow alarm: sensor={box} fill={fill}% 距上次开取{hours}小时"),
    (3, "INFO", "savings", "存折挂失：账号{acct}，客户{name}，挂失类型：{losstype}，挂失编号{lossno}"),
    (3, "ERROR", "sort", "SorterPLCException: 设备「{sorter}」通讯中断 (code=0x{hex}, last heartbeat {hb}s ago)，分拣线已停机，值班工程师{name}"),
    (3, "ERROR", "daily", "上传总部失败：org.apache.http.conn.ConnectTimeoutException: Connect to {gwhost}:8443 timed out，批次{ubatch}，{retrymin}分钟后重试"),
    (2.5, "ERROR", "van", "GPS终端离线：IMEI {imei}（车牌{plate}），最后定位 {gps} @ {hms}，已离线{mins}分钟"),
    (2, "WARN", "savings", "尾箱轧账不平：柜员{teller}，{cashgap}，已报{role}{name}复核"),
    (1.5, "ERROR", "van", "邮车封志核对不符：车牌{plate}，应为{seal}，实际{seal}，已上报{branch}保卫科"),
    (1.2, "ERROR", "mailbox", "信筒损坏上报：信筒编号{box}（{boxloc}），损坏情况：{damage}，上报人{name}{photo}"),
    (1, "WARN", "daily", "证照到期提醒：{licence}将于{expire}到期，剩余{days}天，请及时办理换证"),
]

# where each module's lines come from, for the headers
LOGGERS = {"counter": "c.l.postal.counter.AcceptService", "sort": "c.l.postal.sorting.ScanHandler",
           "savings": "c.l.postal.savings.TellerTxn", "track": "c.l.postal.track.QueryController",
           "delivery": "c.l.postal.delivery.PdaSync", "mailbox": "c.l.postal.mailbox.RoundService",
           "notice": "c.l.postal.notice.PickupNotifier", "van": "c.l.postal.fleet.VanMonitor",
           "daily": "c.l.postal.daily.SettleJob"}
THREADS = {"counter": "http-nio-8080-exec-%d", "sort": "sorter-rx-%d", "savings": "teller-%d",
           "track": "http-nio-8080-exec-%d", "delivery": "pda-sync-%d", "mailbox": "round-%d",
           "notice": "notify-pool-%d", "van": "gps-ingest-%d", "daily": "quartz-worker-%d"}
PLACES = {"counter": "营业窗口%d", "sort": "分拣中心·%d号线", "savings": "储蓄柜台%d", "track": "查询服务",
          "delivery": "投递部PDA-%d", "mailbox": "信筒开取组%d", "notice": "通知平台", "van": "车辆监控",
          "daily": "日终批处理"}
HOSTS = {"counter": "po-counter-%02d", "sort": "po-sort-%02d", "savings": "po-sav-%02d", "track": "po-api-%02d",
         "delivery": "po-dlv-%02d", "mailbox": "po-dlv-%02d", "notice": "po-api-%02d", "van": "po-fleet-%02d",
         "daily": "po-batch-%02d"}
PIDS = {"counter": 2210, "sort": 3174, "savings": 2288, "track": 4401, "delivery": 3902, "mailbox": 3902,
        "notice": 4415, "van": 5120, "daily": 6003}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    if form == 0:
        # the central services are Java and log through a pattern layout with thread and logger
        thread = THREADS[module] % r.randint(1, 24)
        return "%s.%03d [%s] %-5s %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), thread, level,
                                          LOGGERS[module])
    if form == 1:
        # the branch terminals print the level and the place in Chinese, the date in Chinese too
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 8)
        site = "京北处理中心" if module == "sort" else r.choice(["和平里支局", "和平里支局", "望京中心支局", "方庄邮政所"])
        return "[%s][%s][%s@%s] " % (at.strftime("%Y年%m月%d日 %H:%M:%S"), cn, place, site)
    # the older branch and sorting-centre servers forward through syslog, the level word in angle brackets
    word = {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level]
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[at.month - 1]
    return "%s %2d %s %s postd[%d]: <%s> %s: " % (month, at.day, at.strftime("%H:%M:%S"),
                                                 HOSTS[module] % r.randint(1, 4), PIDS[module], word, module)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "P", 6 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
