#!/usr/bin/env python3
"""A GBK log of a provincial museum's visitor and collections system with its truth.

    bench/make_gbk_museum.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 35 messages (timed-entry
reservations made and cancelled, full time slots, visitors turned away by the blacklist, gate
checks passed and refused, visitor counts and crowd limiting, group tours arriving and docents
booked, audio guides rented, returned and overdue, hall sensor readings, humidity and
temperature out of range and too much light on a case, storerooms opened, closed and a card
refused, artefacts lent out and returned, condition reports and damage found, security patrol
check-ins and missed points, alarms raised and cleared, shop sales, payment callbacks, returns
and low stock, volunteers signing in and out, a failing sync to the provincial ticket platform),
written to measure the miner on and not to shape it: no rule was made or tuned on them. Gate
checks come by the hundred, a loan or a blacklist hit once or twice a day. One of three header
forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, optional, items = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                     gbk_messages.optional, gbk_messages.items)
name = gbk_messages.name

HALLS = ["一号展厅（青铜器）", "古代书画馆", "陶瓷馆 (3F)", "玉器馆", "「江河万古」基本陈列 第二单元", "二楼东侧临展厅",
         "少儿探索区", "历代货币馆", "楚文化馆（西厅）", "石刻艺术长廊"]
GATES = ["东门1号闸机", "东门2号闸机", "西门团队通道", "北门无障碍通道", "南门3号闸机", "南门4号闸机"]
TICKETS = ["成人免费票", "学生票", "老年人（60岁以上）", "现役军人优待", "残疾人优待", "儿童（1.2米以下）", "特展联票"]
SLOTS = ["09:00-10:00", "10:00-11:00", "11:00-12:00", "13:00-14:00", "14:00-15:00", "15:00-16:00",
         "16:00-17:00（末场）"]
CHANNELS = ["官方微信公众号", "小程序", "官网", "现场自助机", "12345转接", "文旅一码游"]
GATEFAILS = ["非本时段预约（请于14:00后入场）", "预约码已使用", "人证不符", "预约日期不是今日", "证件未登记",
             "二维码已过期，请刷新"]
CANCELS = ["用户主动取消", "超时未核销自动释放", "行程变更", "重复预约合并", "馆方闭馆通知（临时布展）"]
BLACKREASONS = ["一年内三次预约未到", "倒卖预约名额", "馆内触摸文物被劝阻不听", "冒用他人证件入馆"]
SENSORS = ["温湿度计", "照度计", "多参数传感器", "展柜微环境监测仪"]
RHRANGES = ["40%～50%（青铜）", "50%～60%（书画纸绢）", "45%～55%（漆木器）", "35%～45%（铁器）"]
TEMPRANGES = ["18～22℃", "16～22℃", "18～24℃"]
LANGS = ["普通话", "英语", "粤语", "日语", "儿童版", "韩语"]
PAYS = ["微信支付", "支付宝", "现金", "银联闪付", "数字人民币"]
PAYCH = ["wxpay", "alipay", "unionpay", "ecny"]
GROUPNAMES = ["省实验中学初二年级", "银发游学团", "华夏国旅 (散拼)", "市直机关党支部主题党日", "某某科技公司团建",
              "港澳青少年交流团", "老年大学书画班"]
ROUTES = ["精品一小时线", "青铜+玉器专线", "全馆导览（2.5小时）", "研学课程「小小考古家」", "无障碍讲解线"]
GOODS = ["「鸟尊」毛绒挂件", "青铜纹样书签（一套5枚）", "《馆藏书画选》（精装）", "越王剑 冰箱贴", "文物盲盒 第二季",
         "曾侯乙编钟 音乐盒（限定款）", "丝巾（千里江山，90×90cm）", "帆布袋", "雪糕「元青花」", "明信片 12张装"]
RETURNS = ["商品破损", "尺码不符", "重复购买", "七天无理由"]
CHECKPOINTS = ["一号展厅东出口", "B1 库区走廊", "消防控制室", "屋面设备层", "文创商店后仓", "地下车库C区",
               "西侧围墙", "报告厅", "书画馆 (二层) 北门"]
PATROLS = ["夜班A线", "夜班B线", "日间展厅线", "外围线", "库区专线"]
ZONES = ["一号库房", "书画馆第5展柜", "西侧围墙", "临展厅", "文物修复中心", "南门广场", "陶瓷馆 (3F)"]
ALARMTYPES = [("红外对射", "PIR"), ("展柜震动传感器", "VIB"), ("玻璃破碎探测器", "GBD"), ("门磁", "DC"),
              ("烟感", "SMK")]
ALARMRESULTS = ["误报（保洁碰触）", "误报（小动物）", "观众倚靠展柜，已劝导", "设备故障，已报修", "无异常"]
STORES = ["一号库房（青铜）", "二号库房（书画）", "三号库房 陶瓷", "珍品库", "临时周转库", "B1 民族文物库"]
STOREREASONS = ["藏品提用拍摄", "定期清点", "布展提件", "借展点交", "环境设备检修", "科研观摩（经馆长审批）"]
# artefact, its material, the kinds of damage it can show
ARTEFACTS = [("西周 兽面纹铜鼎", "青铜", ["粉状锈（有害锈）", "表面锈蚀扩展"]),
             ("战国 错金银铜壶（残）", "青铜", ["粉状锈（有害锈）", "错金银丝脱落"]),
             ("唐 三彩骆驼载乐俑", "陶", ["釉面剥落", "胎体酥粉"]),
             ("宋 青白釉刻花梅瓶", "瓷", ["釉面剥落", "冲线延长"]),
             ("明 文徵明《溪山图》轴", "纸本水墨", ["霉斑", "画心起翘", "虫蛀"]),
             ("清 缂丝花鸟图轴", "绢本", ["霉斑", "丝线断裂"]),
             ("清 粉彩百鹿尊", "瓷", ["彩料剥落"]),
             ("汉 鎏金铜博山炉", "鎏金铜", ["鎏金层起泡", "粉状锈（有害锈）"]),
             ("新石器时代 玉琮", "玉", ["表面沁色变化"]),
             ("战国 彩绘漆木虎座鸟架鼓", "漆木", ["漆膜起翘", "木胎开裂"]),
             ("东汉 击鼓说唱俑", "陶", ["彩绘层龟裂", "胎体酥粉"])]
GRADES = ["完好", "基本完好", "轻微病害", "中度病害"]
NOTES = ["无新增损伤", "旧修复处稳定", "与上次记录一致", "表面浮尘，已清洁", "局部旧伤（入藏时已有）"]
TREATMENTS = ["即日撤展送修复中心", "隔离观察并降低湿度", "列入下季度修复计划", "联系外聘专家会诊"]
BORROWERS = ["南京博物院", "湖北省博物馆", "香港文化博物馆", "某市博物馆", "陕西历史博物馆", "首都博物馆"]
EXHIBITS = ["「吉金铸史」青铜器", "长江文明", "丝路遗珍", "宋韵——两宋生活美学", "汉代陶俑艺术"]
POSTS = ["咨询台", "展厅讲解", "寄存处", "儿童区引导", "秩序维护（南门）", "导览机发放点"]
SHIFTS = ["上午班（09:00-12:30）", "下午班（12:30-17:00）", "全天班"]
SERVICES = ["mus-booking", "mus-gate", "mus-env", "mus-guide", "mus-shop", "mus-security", "mus-collections",
            "mus-volunteer"]
HOSTS = ["ZL-GATE-01", "ZL-GATE-02", "ZL-APP-11", "ZL-APP-12", "ZL-ENV-01", "ZL-SEC-03"]
DESKS = ["东门票务台", "安防监控中心", "藏品部工作站", "文创收银2号机", "总服务台", "环境监控室"]


class Piece:
    """Makers of an artefact and of what follows it in the same line (its material, its
    damage), or of an alarm's detector and then its device, so the two agree."""

    def __init__(self, choices):
        self.choices, self.last = choices, choices[0]

    def first(self, r):
        self.last = r.choice(self.choices)
        return self.last[0]

    def then(self, k, many=False):
        return lambda r: r.choice(self.last[k]) if many else self.last[k]


ART = Piece(ARTEFACTS)
ALARM = Piece(ALARMTYPES)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def idmask(r):
    return "%d**********%03d%s" % (r.randint(110101, 659001), r.randint(0, 999), r.choice("0123456789X"))


def cdate(r):
    d = datetime.date(2025, 10, 3) + datetime.timedelta(days=r.randint(0, 6))
    return "%d月%d日" % (d.month, d.day)


def regno(r):
    # the old ledger numbers, the year-based numbers since the 1950s and the first-grade list
    return r.choice([lambda: "总登记号Z%05d" % r.randint(1, 60000),
                     lambda: "藏品号%d.%03d.%03d" % (r.randint(1952, 2023), r.randint(1, 300), r.randint(1, 40)),
                     lambda: "一级品甲%04d" % r.randint(1, 3000)])()


def slot_full(r):
    cap = r.choice([1500, 2000, 2500, 3000])
    return "%d/%d人" % (cap, cap)


def arrived(r):
    booked = r.randint(12, 60)
    return "实到%d人（预约%d人）" % (booked - r.randint(0, 4), booked)


def goods(r):
    return "、".join("%s×%d" % (g, r.randint(1, 3)) for g in r.sample(GOODS, r.randint(1, 3)))


def hours(lo, hi):
    return real(lo, hi, "%.1f")


V = {
    "name": name, "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "phone": phone, "idmask": idmask, "cdate": cdate, "regno": regno, "full": slot_full, "arrived": arrived,
    "goods": goods,
    "hall": HALLS, "gate": GATES, "ticket": TICKETS, "slot": SLOTS, "channel": CHANNELS, "gatefail": GATEFAILS,
    "cancel": CANCELS, "blackreason": BLACKREASONS, "sensor": SENSORS, "rhrange": RHRANGES,
    "temprange": TEMPRANGES, "lang": LANGS, "pay": PAYS, "paych": PAYCH, "group": GROUPNAMES, "route": ROUTES,
    "good": GOODS, "returnreason": RETURNS, "checkpoint": CHECKPOINTS, "patrol": PATROLS, "zone": ZONES,
    "alarmtype": ALARM.first, "alarmresult": ALARMRESULTS, "store": STORES, "storereason": STOREREASONS,
    "artefact": ART.first, "material": ART.then(1), "disease": ART.then(2, True), "grade": GRADES, "note": NOTES,
    "treatment": TREATMENTS, "borrower": BORROWERS, "exhibit": EXHIBITS, "post": POSTS, "shift": SHIFTS,
    "checkpoints": items(CHECKPOINTS, 1, 3), "channels": items(CHANNELS, 2, 4),
    "rescode": lambda r: "YY%s-%06d" % (r.choice(["251003"] * 6 + ["251002", "251004"]), r.randint(1, 30000)),
    "resorder": rint(10 ** 15, 10 ** 16 - 1),
    "persons": rint(1, 5), "companions": optional(lambda r: "，同行%d人" % r.randint(1, 4), 0.45),
    "face": optional(lambda r: "（人脸比对%.2f）" % r.uniform(0.81, 0.99), 0.3),
    "inside": rint(300, 6200), "total": rint(800, 21000), "load": real(12, 88, "%.1f"), "load2": real(90, 99, "%.1f"),
    "maxcap": pick(["6500", "7000", "8000"]),
    "temp": real(18.5, 23.5), "rh": real(42, 58), "lux": rint(40, 300), "co2": rint(420, 1400),
    "rhbad": pick(["%.1f" % x for x in (36.2, 38.4, 61.7, 63.0, 64.8, 58.9, 66.1, 33.5)]),
    "tempbad": real(24.1, 27.8), "case": lambda r: "%s-%02d" % (r.choice("ABCDG"), r.randint(1, 40)),
    "sensorid": lambda r: "THL-%dF-%02d" % (r.randint(1, 4), r.randint(1, 36)),
    "luxbad": rint(62, 240), "klxh": real(12, 160, "%.2f"), "mins": rint(3, 95),
    "guide": lambda r: "AG-%04d" % r.randint(1, 600), "deposit": pick(["100", "200", "300"]),
    "pct": rint(3, 96), "overdue": hours(1, 30), "use": rint(18, 240),
    "groupno": lambda r: "TD%s%03d" % (r.choice(["1003", "1004"]), r.randint(1, 200)),
    "booking": lambda r: "JJ-%05d" % r.randint(1, 99999),
    "hm": lambda r: "%02d:%s" % (r.randint(9, 16), r.choice(["00", "15", "30", "45"])),
    "duration": pick(["45", "60", "90", "120"]),
    "receipt": lambda r: "WC2510%02d%05d" % (r.randint(1, 7), r.randint(1, 99999)),
    "amount": real(9, 1280, "%.2f"), "ms": rint(38, 9000),
    "trade": rint(0, 10 ** 12 - 1, "4200002%012d"),
    "stock": rint(0, 9), "safety": pick(["10", "20", "30", "50"]),
    "po": lambda r: "PO-WC-%06d" % r.randint(1, 999999),
    "round": rint(1, 6),
    "devid": lambda r: "%s-%s%d-%03d" % (ALARM.last[1], r.choice("ABF"), r.randint(1, 4), r.randint(1, 300)),
    "reader": lambda r: "RD-%02d" % r.randint(1, 24), "card": lambda r: "%08X" % r.getrandbits(32),
    "approval": lambda r: "CK2025-%04d" % r.randint(1, 2400),
    "seal": lambda r: "FT%06d" % r.randint(1, 999999),
    "insure": rint(80, 12000), "area": real(0.5, 40, "%.1f"),
    "loanno": lambda r: "JZ-2025-%03d" % r.randint(1, 120),
    "volid": lambda r: "ZY%d-%04d" % (r.choice([2019, 2021, 2023, 2024]), r.randint(1, 2000)),
    "served": hours(1.5, 8), "cumulative": hours(20, 1800),
    "status": pick(["500", "502", "504", "429"]), "batch": lambda r: "%016x" % r.getrandbits(64),
    "records": rint(1, 500), "attempt": rint(1, 5),
    "remark": optional(lambda r: " remark=\"%s\"" % r.choice(["轮椅通行", "携带婴儿车", "需要讲解", "听障 请备手语"]), 0.25),
    "claimed": optional(lambda r: "，团队领队%s现场补签" % name(r), 0.3),
    "warned": optional(lambda r: "（%s）" % r.choice(["已短信通知", "电话未接通", "已通知领队"]), 0.5),
}

V.update((k, pick(v)) for k, v in V.items() if isinstance(v, list))

# weight, level, message
TEMPLATES = [
    (240, "INFO", "入馆核验通过：{gate}，预约码{rescode}，{ticket}，入场时段{slot}{face}{companions}"),
    (55, "WARN", "入馆核验未通过：{gate}，预约码{rescode}，原因：{gatefail}"),
    (170, "INFO", "预约成功 order={resorder} visitor={name} id={idmask} date={cdate} slot={slot} persons={persons}"
                  " channel={channel}{remark}"),
    (38, "INFO", "预约取消 order={resorder} visitor={name} date={cdate} slot={slot} reason={cancel}"),
    (9, "WARN", "【余票告警】{cdate}{slot}时段已约满（{full}），已关闭以下渠道预约：{channels}"),
    (2, "WARN", "黑名单拦截：证件号{idmask}（{name}）因「{blackreason}」列入限制预约名单，订单{resorder}已自动取消"),
    (32, "INFO", "客流统计：在馆{inside}人，今日累计入馆{total}人，承载率{load}%（瞬时上限{maxcap}人）"),
    (3, "WARN", "【限流】在馆{inside}人，已达瞬时上限的{load2}%，启动限流，暂停{gate}入场"),
    (42, "INFO", "团队入馆：团号{groupno}「{group}」，领队{name}，{arrived}，讲解员{name}，路线：{route}{claimed}"),
    (14, "INFO", "docent booking confirmed id={booking} guide={name} lang={lang} hall=\"{hall}\" start={hm}"
                 " duration={duration}min"),
    (88, "INFO", "导览机租借：设备号{guide}，语种：{lang}，押金{deposit}元（{pay}），租借人{name}，手机{phone}"),
    (72, "INFO", "导览机归还：设备号{guide}，使用{use}分钟，押金{deposit}元已原路退回，剩余电量{pct}%"),
    (5, "WARN", "导览机逾期未还：设备号{guide}，租借人{name}（{phone}），已超时{overdue}小时{warned}"),
    (115, "INFO", "环境监测 {hall}（{sensor}）：温度{temp}℃，相对湿度{rh}%，照度{lux}lx，CO2 {co2}ppm"),
    (16, "WARN", "温湿度越限：{hall}展柜{case}相对湿度{rhbad}%，设定范围{rhrange}，已持续{mins}分钟，通知保管员{name}"),
    (7, "WARN", "温湿度越限：{hall}展柜{case}温度{tempbad}℃，设定范围{temprange}，已持续{mins}分钟，通知保管员{name}"),
    (6, "WARN", "light exposure over limit sensor={sensorid} hall=\"{hall}\" lux={luxbad} limit=50"
                " accumulated={klxh}klx·h"),
    (13, "INFO", "库房开启：{store}，进入人员{names}（双人双锁），事由：{storereason}，审批单{approval}"),
    (12, "INFO", "库房关闭：{store}，停留{mins}分钟，库内温度{temp}℃、湿度{rh}%，封条号{seal}已核对"),
    (3, "ERROR", "AccessDeniedException: 门禁拒绝 reader={reader} card={card} holder={name} store=\"{store}\""
                 " (不在授权时段)"),
    (2, "INFO", "藏品出库（借展）：借展协议{loanno}，{regno}「{artefact}」借往{borrower}《{exhibit}》展，"
                "保险估值{insure}万元，押运人{names}"),
    (1.5, "INFO", "藏品归库：借展协议{loanno}，{regno}「{artefact}」自{borrower}返回，点交无误，入{store}"),
    (7, "INFO", "藏品状况报告：{regno}「{artefact}」（{material}），状况：{grade}，{note}，记录人{name}"),
    (2, "WARN", "发现病害：{regno}「{artefact}」出现{disease}，面积约{area}平方厘米，处理建议：{treatment}"),
    (48, "INFO", "巡更打卡：{patrol}第{round}轮，巡更点「{checkpoint}」，保安员{name}，状态正常"),
    (5, "WARN", "巡更漏检：{patrol}第{round}轮，{checkpoints}未按时打卡，责任人{name}"),
    (9, "WARN", "【安防报警】{zone} {alarmtype}触发（设备{devid}），值班员{name}前往处置"),
    (8, "INFO", "【安防报警】{zone}报警已解除，处置结果：{alarmresult}，处置人{name}，用时{mins}分钟"),
    (80, "INFO", "文创商店收银：小票{receipt}，商品：{goods}，实收{amount}元，{pay}，收银员{name}"),
    (26, "INFO", "POST /api/shop/pay/notify 200 trade_no={trade} channel={paych} amount={amount} cost={ms}ms"),
    (4, "INFO", "文创商店退货：原小票{receipt}，退回{good}，退款{amount}元，原因：{returnreason}，经办人{name}"),
    (4, "WARN", "库存预警：{good}剩余{stock}件，低于安全库存{safety}件，已生成补货单{po}"),
    (28, "INFO", "志愿者签到：{name}（{volid}），岗位：{post}，{shift}"),
    (22, "INFO", "志愿者签退：{name}（{volid}），岗位：{post}，本次服务{served}小时，累计{cumulative}小时"),
    (6, "ERROR", "ReservationSyncJob 推送省文旅预约平台失败：java.io.IOException: HTTP {status} (batch={batch},"
                 " records={records})，第{attempt}次重试"),
]

WEEKDAYS = "一二三四五六日"


def header(r, form, t, level):
    when = datetime.datetime(2025, 10, 3) + datetime.timedelta(seconds=t)
    if form == 0:
        # the booking and gate services are .NET; their sink writes the offset, a three-letter
        # level, then the machine and the managed thread
        short = {"INFO": "INF", "WARN": "WRN", "ERROR": "ERR"}[level]
        return "%s.%03d +08:00 [%s] (%s/T%d) " % (
            when.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), short, r.choice(HOSTS), r.randint(3, 64))
    if form == 1:
        # the duty desks' client prints a Chinese level first, the desk and the operator's staff number
        cn = {"INFO": "提示", "WARN": "注意", "ERROR": "错误"}[level]
        return "【%s】%d年%d月%d日(周%s) %s｜%s｜工号%04d｜" % (
            cn, when.year, when.month, when.day, WEEKDAYS[when.weekday()], when.strftime("%H:%M:%S"),
            r.choice(DESKS), r.randint(1, 899))
    # the Node back office logs a JSON head with numeric levels, the service, pid and request id
    num = {"INFO": 30, "WARN": 40, "ERROR": 50}[level]
    return '{"time":"%s.%03d+08:00","level":%d,"svc":"%s","pid":%d,"reqId":"%s"} ' % (
        when.strftime("%Y-%m-%dT%H:%M:%S"), r.randint(0, 999), num, r.choice(SERVICES), r.randint(1200, 32000),
        "%010x" % r.getrandbits(40))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "U", 9 * 3600, (0, 1, 1, 2, 3, 4))


if __name__ == "__main__":
    main()
