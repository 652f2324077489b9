#!/usr/bin/env python3
"""A GBK log of a city gas utility's operations platform with its truth.

    bench/make_gbk_gas.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (smart meter
reports and faults, prepaid top-ups and IC cards written or not, low balance, valves opened
and closed remotely for arrears and their failures, leak alarms raised and cleared, home
safety inspections passed, with hazards or nobody home, pressure regulating stations and their
SCADA links, repair orders dispatched, reached and closed, manual and estimated readings,
bills and price tiers, meters swapped, suspected gas theft, app pushes and SMS failures, the
daily figures), written to measure the miner on and not to shape it: no rule was made or
tuned on them. One of three header forms by the seed. The output depends only on the
arguments.
"""

import gbk_messages

items = gbk_messages.items

# residential estates as the customer file spells them, spaces and brackets included
ESTATES = ["阳光花园 3期", "金桂苑（南区）", "翠湖湾·东苑", "纺织厂宿舍(老)", "滨河新村", "锦绣华庭 B座",
           "城南安置小区二期", "御景湾"]
STATIONS = [("城北门站（高压）", "MZ-01"), ("开发区 调压站B", "TY-KF-B"), ("南郊高中压调压站", "TY-NJ"),
            ("东湖区域调压柜#7", "TYG-DH-07"), ("西环 LNG 气化站", "LNG-XH"), ("老城区调压站(撬装)", "TY-LC")]
PAY_CH = ["微信生活缴费", "支付宝", "营业厅POS", "自助购气机", "银行代扣（农商行）", "云闪付", "掌上燃气App"]
PAY_FAIL = ["银行卡余额不足", "订单已超时关闭", "表端未响应，款项已原路退回", "户号状态异常（已销户）",
            "支付渠道返回：SYSTEM_ERROR"]
NETS = ["NB-IoT", "LoRa", "GPRS", "Cat.1"]
VALVE_STATES = ["open", "closed", "abnormal"]
VALVE_CMDS = ["OPEN", "CLOSE", "FORCE_CLOSE"]
VALVE_ERRS = ["E02", "E07", "E13", "T01"]
CHECK_ITEMS = ["燃气表", "灶具熄火保护", "热水器烟道", "连接软管", "表前阀", "报警器", "立管", "通风情况"]
HAZARDS = ["软管老化龟裂", "软管长度超过2米", "灶具无熄火保护装置", "热水器烟道未伸出室外", "胶管穿墙",
           "私接三通", "燃气表被装修包封", "厨房改卧室", "使用非燃气专用软管"]
REPAIR_TYPES = ["户内漏气", "表前阀漏气", "庭院管网泄漏", "燃气表不走字", "灶具点不着火", "第三方施工挖断管道",
                "管道腐蚀渗漏"]
TEAMS = ["抢修一班", "抢修二队 (夜班)", "管网巡线组", "户内维修组", "应急抢险中心【东区】"]
PARTS = ["表前球阀", "不锈钢波纹管", "密封垫", "锂电池", "电磁阀", "调压器膜片", "三通接头"]
RESULTS = ["已紧固接头，检漏合格", "更换表前阀后恢复供气", "管道带压封堵，待计划维修", "用户自行处理，无需上门",
           "已恢复正常供气"]
THEFT = ["表具外壳有撬动痕迹", "磁干扰报警频繁", "表前发现私接管道", "铅封缺失", "IC卡购气量与表读数不符"]
METER_FAULTS = ["电池欠压", "阀门卡死", "计量模块通讯异常", "反向计量", "强磁干扰", "表具倾斜"]
SWAP_WHY = ["到期轮换", "表具故障", "用户申请换智能表", "稽查换表"]
PUSH_TPL = ["余额不足提醒", "安检预约通知", "停气通知", "账单出账提醒", "充值到账通知"]
SMS_TPL = ["欠费关阀预告", "入户安检预约", "计划停气通知", "验证码"]
SMS_ERRS = ["isv.BUSINESS_LIMIT_CONTROL", "手机号码格式错误", "签名未审核", "网关超时(5000ms)", "用户已退订"]
STAFF = ["安检员", "抄表员", "营业员", "稽查员"]
JAVA_THREADS = ["http-nio-8080-exec-%d", "meter-report-%d", "billing-job-%d", "scada-poll-%d", "mq-consumer-%d"]
JAVA_LOGGERS = ["c.c.gas.meter.ReportHandler", "c.c.gas.pay.PrepayService", "c.c.gas.valve.ValveCommander",
                "c.c.gas.safety.InspectionService", "c.c.gas.scada.StationPoller", "c.c.gas.repair.DispatchService",
                "c.c.gas.notify.PushSender"]
MODULES_CN = ["营业收费", "智能表", "安检", "抢修调度", "管网监测", "稽查", "客服"]
HOSTS = ["gas-gw01", "gas-gw02", "scada-fe03"]
DAEMONS = ["meterd", "scadad", "dispatchd", "billd"]


def addr(r):
    return "%s%d栋%d单元%d%02d室" % (r.choice(ESTATES), r.randint(1, 30), r.randint(1, 6), r.randint(1, 28),
                                  r.randint(1, 6))


# the last reading, amount and pressure drawn, so that the rest of their line agrees with them
LAST = {"reading": 0.0, "money": 0.0, "vol": 0.0, "range": ""}


def kept(key, fmt, maker):
    def make(r):
        LAST[key] = maker(r)
        return fmt % LAST[key]
    return make


def kpaover(r):
    lo = r.uniform(1.8, 300)
    hi = lo * r.uniform(1.1, 1.6)
    LAST["range"] = "%.1f~%.1f" % (lo, hi)
    return "%.1f" % r.choice([lo * r.uniform(0.5, 0.95), hi * r.uniform(1.05, 1.4)])


V = {
    "name": gbk_messages.name,
    "names": lambda r: "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 3))),
    "addr": addr,
    "station": lambda r: r.choice(STATIONS)[0],
    "stationcode": lambda r: r.choice(STATIONS)[1],
    "paych": gbk_messages.pick(PAY_CH),
    "payfail": gbk_messages.pick(PAY_FAIL),
    "net": gbk_messages.pick(NETS),
    "valvestate": gbk_messages.pick(VALVE_STATES),
    "valvecmd": gbk_messages.pick(VALVE_CMDS),
    "errc": gbk_messages.pick(VALVE_ERRS),
    "checkitems": items(CHECK_ITEMS, 3, 6),
    "hazards": items(HAZARDS, 1, 3),
    "repairtype": gbk_messages.pick(REPAIR_TYPES),
    "team": gbk_messages.pick(TEAMS),
    "parts": lambda r: r.choice(["无", "、".join(r.sample(PARTS, r.randint(1, 3)))]),
    "result": gbk_messages.pick(RESULTS),
    "theft": gbk_messages.pick(THEFT),
    "meterfault": gbk_messages.pick(METER_FAULTS),
    "swapwhy": gbk_messages.pick(SWAP_WHY),
    "pushtpl": gbk_messages.pick(PUSH_TPL),
    "pushch": gbk_messages.pick(["getui", "jpush", "huawei", "apns"]),
    "smstpl": gbk_messages.pick(SMS_TPL),
    "smserr": gbk_messages.pick(SMS_ERRS),
    "staff": gbk_messages.pick(STAFF),
    "remark": gbk_messages.optional(lambda r: "，备注：%s" % r.choice(
        ["用户已开窗通风", "误报（厨房油烟）", "已更换报警器", "物业协助入户"]), 0.45),
    "signoff": gbk_messages.optional(lambda r: "，用户%s已签字确认" % gbk_messages.name(r), 0.5),
    "satisfy": gbk_messages.optional(lambda r: "，回访满意度：%s" % r.choice(["满意", "基本满意", "不满意"]), 0.4),
    "retrynote": gbk_messages.optional(lambda r: "，将于%d分钟后重试" % r.choice([5, 10, 30]), 0.5),
    "acct": lambda r: "%d%07d" % (r.choice([10, 11, 20, 31]), r.randint(0, 9999999)),
    "meterno": lambda r: "%s%010d" % (r.choice(["JS", "GL", "ZN"]), r.randint(0, 9999999999)),
    "card": lambda r: "%016X" % r.getrandbits(64),
    "alarmid": lambda r: "BJ-%s%05d" % (r.choice("ABCH"), r.randint(1, 99999)),
    "rtu": lambda r: "RTU-%02d" % r.randint(1, 48),
    "wo": lambda r: "QX%s%05d" % (r.choice(["20260308", "20260309"]), r.randint(1, 99999)),
    "policy": lambda r: "CLS-%03d" % r.randint(1, 40),
    "uid": lambda r: str(r.randint(100000, 9999999)),
    "msgid": lambda r: "%x" % r.getrandbits(48),
    "book": lambda r: "CB-%s-%03d" % (r.choice(["CN", "KF", "DH", "LC"]), r.randint(1, 400)),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "money": kept("money", "%.2f", lambda r: r.choice([r.uniform(10, 500), r.choice([50, 100, 200, 500])])),
    "gasbuy": lambda r: "%.2f" % (LAST["money"] / 2.61),
    "balance": lambda r: "%.2f" % r.uniform(0.5, 20),
    "gasvol": kept("vol", "%.2f", lambda r: r.uniform(1, 400)),
    "billamt": lambda r: "%.2f" % (LAST["vol"] * 2.61),
    "reading": kept("reading", "%.3f", lambda r: r.uniform(80, 9999)),
    "lastreading": lambda r: "%.3f" % (LAST["reading"] - r.uniform(0, 80)),
    "volt": lambda r: "%.2f" % r.uniform(2.9, 3.7),
    "rssi": lambda r: str(r.randint(-118, -60)),
    "lel": lambda r: str(r.randint(8, 60)),
    "kpain": lambda r: "%.1f" % r.uniform(150, 400),
    "kpaout": lambda r: "%.1f" % r.uniform(2, 100),
    "kpaover": kpaover,
    "kparange": lambda r: LAST["range"],
    "temp": lambda r: "%.1f" % r.uniform(-5, 32),
    "flow": lambda r: "%.1f" % r.uniform(50, 8000),
    "price": lambda r: r.choice(["2.61", "3.13", "3.92"]),
    "tier": lambda r: r.choice(["T1", "T2", "T3"]),
    "tiercn": lambda r: r.choice(["一", "二", "三"]),
    "pct": lambda r: "%d%%" % r.randint(30, 95),
    "period": lambda r: "2026%02d" % r.randint(1, 3),
    "date": lambda r: "2026-%02d-%02d" % (r.randint(3, 5), r.randint(1, 28)),
    "time": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "days": lambda r: str(r.randint(1, 90)),
    "fewdays": lambda r: str(r.randint(1, 7)),
    "mins": lambda r: str(r.randint(3, 60)),
    "limit": lambda r: r.choice(["30", "45", "60"]),
    "secs": lambda r: str(r.randint(10, 900)),
    "n": lambda r: str(r.randint(1, 5)),
    "try3": lambda r: str(r.randint(1, 3)),
}

TEMPLATES = [
    ("DEBUG", "meter_report meter_no={meterno} reading={reading}m3 battery={volt}V rssi={rssi}dBm valve={valvestate} net={net}"),
    ("INFO", "用户{name}（户号{acct}）预付费充值成功：充值{money}元，折合购气{gasbuy}立方米，渠道：{paych}"),
    ("WARN", "充值订单异常：户号{acct}，金额{money}元，渠道：{paych}，原因：{payfail}"),
    ("INFO", "IC卡写卡成功：卡号{card}，户号{acct}，本次购气{gasvol}立方米，营业员{name}"),
    ("ERROR", "IC卡写卡失败：卡号{card}，户号{acct}，本次购气{gasvol}立方米，营业员{name}"),
    ("WARN", "户号{acct}余额不足：剩余{balance}元，预计可用{fewdays}天，已推送提醒至{phone}"),
    ("WARN", "户号{acct}欠费{money}元已超过{days}天，触发自动关阀策略（策略ID：{policy}）"),
    ("INFO", "远程开阀指令已下发：表号{meterno}，户号{acct}，操作员{name}"),
    ("INFO", "远程关阀指令已下发：表号{meterno}，户号{acct}，操作员{name}"),
    ("ERROR", "valve command failed meter={meterno} cmd={valvecmd} err_code={errc} retry={try3}/3{retrynote}"),
    ("ERROR", "【泄漏报警】{addr}可燃气体报警器{alarmid}浓度{lel}%LEL，已联动切断阀，通知户主{name}（{phone}）"),
    ("INFO", "报警解除：报警器{alarmid}，浓度回落至{lel}%LEL，处置人{name}{remark}"),
    ("INFO", "入户安检完成：{addr}，安检员{name}，检查项：{checkitems}，结果：合格"),
    ("WARN", "入户安检发现隐患：{addr}，隐患：{hazards}，限期{date}前整改{signoff}"),
    ("INFO", "安检到访不遇：{addr}，第{n}次上门，已张贴《到访不遇通知单》"),
    ("DEBUG", "station={stationcode} inlet={kpain}kPa outlet={kpaout}kPa temp={temp}C flow={flow}Nm3/h"),
    ("WARN", "调压站「{station}」出口压力{kpaover}kPa超出设定范围（{kparange}kPa），已持续{secs}秒"),
    ("ERROR", "SCADA通讯中断：{station}（{rtu}）最后上报时间{time}，已切换备用链路"),
    ("INFO", "抢修工单{wo}已派单：{addr}，类型：{repairtype}，班组：{team}，要求{limit}分钟内到场"),
    ("INFO", "工单{wo}抢修人员已到场，用时{mins}分钟，到场人员：{names}"),
    ("INFO", "工单{wo}已完工，处理结果：{result}，更换配件：{parts}{satisfy}"),
    ("INFO", "人工抄表录入：户号{acct}，本期读数{reading}，上期读数{lastreading}，抄表员{name}，抄表本{book}"),
    ("WARN", "户号{acct}连续{n}期未抄见，本期按估抄{gasvol}立方米计费"),
    ("INFO", "bill generated acct={acct} period={period} usage={gasvol} tier={tier} amount={billamt} CNY"),
    ("INFO", "户号{acct}本年累计用气{gasvol}立方米，已进入第{tiercn}阶梯，单价{price}元/立方米"),
    ("WARN", "疑似窃气：户号{acct}（{name}），{theft}，近{n}个月用量下降{pct}，已转{staff}{name}核查"),
    ("INFO", "App推送成功 uid={uid} template=「{pushtpl}」 channel={pushch} msg_id={msgid}"),
    ("ERROR", "短信发送失败：手机号{phone}，模板《{smstpl}》，网关返回：{smserr}"),
    ("INFO", "表具更换：户号{acct}，旧表{meterno}（止码{reading}）→新表{meterno}，原因：{swapwhy}"),
    ("WARN", "表具异常上报：表号{meterno}，异常类型：{meterfault}，安装地址：{addr}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the business platform is Java on logback's usual pattern
        return "2026-03-08 %02d:%02d:%02d.%03d [%s] %-5s %s - " % (
            hh, mm, ss, r.randint(0, 999), r.choice(JAVA_THREADS) % r.randint(1, 16), level,
            r.choice(JAVA_LOGGERS))
    if form == 1:
        # the counter and dispatch client labels everything in Chinese
        cn = {"DEBUG": "调试", "INFO": "提示", "WARN": "告警", "ERROR": "错误"}[level]
        return "【燃气运营】2026/03/08 %02d:%02d:%02d 级别：%s 模块：%s | " % (hh, mm, ss, cn, r.choice(MODULES_CN))
    # the meter and SCADA gateways go through syslog
    return "Mar  8 %02d:%02d:%02d %s %s[%d]: <%s> " % (
        hh, mm, ss, r.choice(HOSTS), r.choice(DAEMONS), r.randint(900, 32000), level.lower())


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "GS", 6 * 3600 + 300, skew=1.7)
