#!/usr/bin/env python3
"""A GBK log of a city water supply and sewage SCADA with its customer service, with its truth.

    bench/make_gbk_water.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (pumping
stations, pipe pressure, water quality, meters and repair tickets), written to measure the
miner on and not to shape it: no rule was made or tuned on them. One of three header forms
by the seed. The output depends only on the arguments.
"""

import gbk_messages

STATIONS = ["城东加压泵站", "青山湖泵站", "滨江取水泵站", "北郊二级泵站", "梅林增压站", "南湖泵站"]
PLANTS = ["第一水厂", "江北净水厂", "城西污水处理厂", "白沙洲水厂"]
FAULTS = ["爆管", "漏水", "水压低", "水质浑浊", "停水", "水表损坏", "井盖缺失", "消火栓漏水"]
TICKET_STATES = ["待派单", "已派单", "处理中", "已完工", "已回访", "已关闭"]
TEAMS = ["抢修一队", "抢修二队", "管网巡检组", "水表班", "客服回访组"]
PARTS = ["DN100管箍", "闸阀", "水表", "橡胶垫圈", "止回阀", "PE管3米", "井盖"]
ROADS = ["人民路", "解放大道", "建设街", "中山北路", "和平里", "长江路", "新华巷"]
AREAS = ["高新区", "老城区", "经开区", "滨湖新区", "江南片区"]
COMPLAINTS = ["水有异味", "水费账单金额不对", "抢修人员态度差", "停水未提前通知",
              "施工后路面未恢复", "热线长时间无人接听", "水表装在屋内无法抄表"]
DOSE_FAULTS = ["计量泵堵塞", "药液罐液位过低", "变频器过流", "出药管破裂"]
METER_FAULTS = ["倒转", "停走", "空转", "磁干扰", "电池欠压"]
PAY = ["微信", "支付宝", "营业厅", "银行代扣", "自助终端"]


V = {
    "station": lambda r: r.choice(STATIONS),
    "plant": lambda r: r.choice(PLANTS),
    "pump": lambda r: "%d#泵" % r.randint(1, 6),
    "op": gbk_messages.name,
    "cust": gbk_messages.name,
    "mpa": lambda r: "%.2fMPa" % r.uniform(0.12, 0.65),
    "hz": lambda r: "%.1f" % r.uniform(30, 50),
    "pt": lambda r: "JC-%s%03d" % (r.choice("ABCDE"), r.randint(1, 240)),
    "ntu": lambda r: "%.2fNTU" % r.uniform(0.05, 1.2),
    "cl": lambda r: "%.2fmg/L" % r.uniform(0.05, 0.8),
    "ph": lambda r: "%.1f" % r.uniform(6.5, 8.5),
    "cod_opt": gbk_messages.optional(lambda r: " COD=%dmg/L" % r.randint(8, 60)),
    "param": lambda r: r.choice(["浊度", "余氯", "色度", "菌落总数", "氨氮"]),
    "val": lambda r: "%.2f" % r.uniform(0.1, 9.9),
    "code": lambda r: "PS%02d" % r.randint(1, 40),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(10, 30), r.randint(0, 255), r.randint(2, 254)),
    "dur": lambda r: r.choice(["%d分%d秒" % (r.randint(1, 59), r.randint(0, 59)),
                               "%d小时%d分" % (r.randint(1, 9), r.randint(0, 59))]),
    "n": lambda r: str(r.randint(1, 30)),
    "acct": lambda r: "%010d" % r.randint(1000000, 9999999999),
    "reading": lambda r: str(r.randint(100, 98000)),
    "tons": lambda r: str(r.randint(0, 80)),
    "remote_opt": gbk_messages.optional(lambda r: "（远传）"),
    "meter": lambda r: "WM%d%06d" % (r.choice([18, 20, 22]), r.randint(0, 999999)),
    "meter_fault": lambda r: r.choice(METER_FAULTS),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "addr": lambda r: "%s%s%d号%s" % (r.choice(AREAS), r.choice(ROADS), r.randint(1, 300),
                                     r.choice(["", "%d栋" % r.randint(1, 30), "小区门口"])),
    "fault": lambda r: r.choice(FAULTS),
    "money": lambda r: "%d.%02d" % (r.randint(10, 900), r.randint(0, 99)),
    "paych": lambda r: r.choice(PAY),
    "ticket": lambda r: "GD2026%04d%04d" % (r.randint(101, 1231), r.randint(0, 9999)),
    "team": lambda r: r.choice(TEAMS),
    "prio": lambda r: r.choice(["P1", "P2", "P3"]),
    "st": lambda r: r.choice(TICKET_STATES),
    "parts": lambda r: "、".join(r.sample(PARTS, r.randint(1, 4))),
    "min": lambda r: str(r.randint(5, 480)),
    "area": lambda r: "%s%s沿线" % (r.choice(AREAS), r.choice(ROADS)),
    "date": lambda r: "%d月%d日" % (r.randint(1, 12), r.randint(1, 28)),
    "hhmm": lambda r: "%02d:%02d" % (r.randint(0, 23), r.choice([0, 30])),
    "valve": lambda r: "DN%d-V%04d" % (r.choice([200, 300, 400, 600]), r.randint(1, 3000)),
    "result": lambda r: r.choice(["成功", "超时", "阀位不符", "拒绝"]),
    "cod": lambda r: str(r.randint(15, 420)),
    "pct": lambda r: "%.1f%%" % r.uniform(1, 99),
    "dose": lambda r: "JY-%d" % r.randint(1, 8),
    "dose_fault": lambda r: r.choice(DOSE_FAULTS),
    "dma": lambda r: "DMA-%02d" % r.randint(1, 60),
    "flow": lambda r: "%.1fm3/h" % r.uniform(2, 300),
    "term": lambda r: "WS%02d" % r.randint(1, 20),
    "lvl": lambda r: "%.2f" % r.uniform(3, 6),
    "complaint": lambda r: r.choice(COMPLAINTS),
    "h": lambda r: r.choice(["24", "48", "72"]),
}

TEMPLATES = [
    ("INFO", "{station}{pump}启动，出口压力{mpa}，频率{hz}Hz"),
    ("INFO", "{station}{pump}停止，出口压力{mpa}，频率{hz}Hz"),
    ("WARN", "监测点{pt}压力越下限：当前{mpa}，限值{mpa}"),
    ("WARN", "监测点{pt}压力越上限：当前{mpa}，限值{mpa}"),
    ("INFO", "水质在线监测 {plant} 浊度={ntu} 余氯={cl} pH={ph}{cod_opt}"),
    ("ERROR", "{plant}出厂水{param}超标，实测{val}，标准值{val}"),
    ("ERROR", "PLC通讯中断 station={code} ip={ip}，已重试{n}次"),
    ("INFO", "PLC通讯恢复 station={code} ip={ip}，中断时长{dur}"),
    ("INFO", "户号{acct}抄表完成：本期读数{reading}，用水{tons}吨{remote_opt}"),
    ("WARN", "水表{meter}疑似{meter_fault}，连续{n}天读数异常"),
    ("INFO", "{cust}缴纳水费{money}元，户号{acct}，渠道：{paych}"),
    ("INFO", "热线来电 {cust}（{phone}）报修：{addr}{fault}"),
    ("INFO", "工单{ticket}已派发至{team}，类型：{fault}，优先级{prio}"),
    ("INFO", "工单{ticket}状态变更 {st} -> {st}"),
    ("INFO", "工单{ticket}完工，维修人员{op}，耗时{dur}，更换{parts}"),
    ("WARN", "工单{ticket}超时未处理，已超{min}分钟，升级至{op}"),
    ("INFO", "计划停水通知已发送：{area}，{date} {hhmm}-{hhmm}，短信{reading}条"),
    ("INFO", "远程开阀 {valve}，操作员{op}，结果：{result}"),
    ("INFO", "远程关阀 {valve}，操作员{op}，结果：{result}"),
    ("INFO", "{plant}进水COD {cod}mg/L，出水COD {cod}mg/L，去除率{pct}"),
    ("ERROR", "加药泵{dose}故障：{dose_fault}，已切换备用泵"),
    ("INFO", "分区{dma}夜间最小流量{flow}，漏损率{pct}"),
    ("INFO", "{op}登录SCADA客户端，终端{term}"),
    ("INFO", "{op}退出SCADA客户端，终端{term}"),
    ("WARN", "{station}清水池液位{lvl}m，超过溢流报警线"),
    ("INFO", "用户{cust}投诉{complaint}，回复时限{h}小时"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-03-14T%02d:%02d:%02d.%03d+08:00 %-5s [scada-poll-%d] " % (hh, mm, ss, ms, level, r.randint(1, 8))
    if form == 1:
        return "[2026/03/14 %02d:%02d:%02d] [%s] " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])
    return "Mar 14 %02d:%02d:%02d wsc-app%02d %s[%d]: <%s> " % (
        hh, mm, ss, r.randint(1, 3), r.choice(["scada", "hotline", "billing"]), r.randint(1000, 32000), level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "U", 5 * 3600)
