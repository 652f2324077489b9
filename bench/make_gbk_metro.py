#!/usr/bin/env python3
"""A GBK log of a metro operations system with its truth.

    bench/make_gbk_metro.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 25 messages (lines,
stations, trains, gates, ticket machines, passenger flow and incidents), written to measure
the miner on and not to shape it: no rule was made or tuned on them. One of three header
forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

LINES = ["1号线", "2号线", "3号线", "10号线", "机场线", "S1线"]
STATIONS = ["人民广场", "火车东站", "科技园", "龙华路", "世纪大道", "体育中心", "会展中心",
            "北京路", "大学城", "西湖文化广场", "南门", "飞机场"]
TICKETS = ["普通单程票", "交通卡", "二维码", "交通联合卡", "学生卡", "老年卡"]
DENY = ["余额不足", "无进站记录", "超时出站", "黑名单卡", "二维码已失效", "同站进出超时"]
INCIDENTS = ["信号故障", "屏蔽门故障", "乘客晕倒", "异物侵限", "道岔失表", "接触网跳闸", "列车救援"]
FIXES = ["更换信号板卡后恢复", "人工确认后限速通过", "乘客已送医", "异物已清除", "手摇道岔到位",
         "供电恢复，逐步恢复正常运营"]
TVM_FAULTS = ["纸币模块卡币", "硬币找零不足", "票卡模块空", "打印机缺纸", "读卡器无响应"]
DEPOTS = ["松岗车辆段", "前湾停车场", "龙泉车辆段"]
ITEMS = ["黑色双肩包", "手机", "钱包", "雨伞", "儿童滑板车", "笔记本电脑"]
CLOSE = ["周边道路施工", "暴雨积水", "大型活动散场", "设备检修", "电梯故障"]
COMPLAINTS = ["闸机扣费两次", "车厢空调太冷", "早高峰换乘排队过长", "工作人员态度不好",
              "站内指示牌不清楚", "列车到站广播听不清"]


V = {
    "line": lambda r: r.choice(LINES),
    "station": lambda r: r.choice(STATIONS),
    "card": lambda r: "%d%010d" % (r.choice([3101, 8888]), r.randint(0, 10 ** 10 - 1)),
    "ag": lambda r: "AG%02d%02d" % (r.randint(1, 40), r.randint(1, 24)),
    "ticket": lambda r: r.choice(TICKETS),
    "fare_opt": gbk_messages.optional(
        lambda r: "，扣费%d.%02d元" % (r.randint(2, 9), r.choice([0, 50, 60, 80])), 0.5),
    "deny": lambda r: r.choice(DENY),
    "n": lambda r: str(r.randint(100, 60000)),
    "pct": lambda r: "%d%%" % r.randint(10, 135),
    "grade": lambda r: r.choice("一二三"),
    "train": lambda r: "%02d%03d" % (r.randint(1, 12), r.randint(1, 300)),
    "dir": lambda r: r.choice(["上行", "下行"]),
    "late": lambda r: str(r.randint(0, 300)),
    "headway": lambda r: "%d分%02d秒" % (r.randint(2, 8), r.choice([0, 15, 30, 45])),
    "op": gbk_messages.name,
    "incident": lambda r: r.choice(INCIDENTS),
    "delay_opt": gbk_messages.optional(lambda r: "，预计延误%d分钟" % r.randint(3, 40), 0.5),
    "fid": lambda r: "GZ%d%04d" % (r.randint(520, 531), r.randint(1, 9999)),
    "fix": lambda r: r.choice(FIXES),
    "dur": lambda r: "%dmin%02ds" % (r.randint(1, 90), r.randint(0, 59)),
    "tvm": lambda r: "%02d" % r.randint(1, 30),
    "yuan": lambda r: str(r.randint(2, 12)),
    "pay": lambda r: r.choice(["CASH", "ALIPAY", "WECHAT", "UNIONPAY"]),
    "hex": lambda r: "0x%04X" % r.randint(0, 0xFFFF),
    "tvm_fault": lambda r: r.choice(TVM_FAULTS),
    "door": lambda r: "%s%d-%d号" % (r.choice(["上行", "下行"]), r.randint(1, 6), r.randint(1, 4)),
    "depot": lambda r: r.choice(DEPOTS),
    "trains": lambda r: str(r.randint(8, 60)),
    "spare": lambda r: str(r.randint(0, 6)),
    "car": lambda r: str(r.randint(1, 8)),
    "temp": lambda r: "%.1f" % r.uniform(16, 34),
    "ac": lambda r: r.choice(["运行正常", "制冷不足", "通风模式", "故障停机"]),
    "item": lambda r: r.choice(ITEMS),
    "lost": lambda r: "SW%05d" % r.randint(1, 99999),
    "exit": lambda r: r.choice("ABCDEF") + r.choice(["", "1", "2"]) + "出入口",
    "close": lambda r: r.choice(CLOSE),
    "date": lambda r: "2026-05-%02d" % r.randint(1, 31),
    "money": lambda r: "%d.%02d" % (r.randint(10000, 9999999), r.randint(0, 99)),
    "diff": lambda r: str(r.randint(0, 12)),
    "scode": lambda r: "%04d" % r.randint(101, 1240),
    "err": lambda r: "-%d" % r.randint(1000, 1100),
    "retry": lambda r: str(r.randint(1, 5)),
    "complaint": lambda r: r.choice(COMPLAINTS),
    "uid": lambda r: "%d****%04d" % (r.choice([138, 159, 186, 177]), r.randint(0, 9999)),
    "res": lambda r: r.choice(["PASS", "DENY", "OFFLINE_PASS"]),
    "lineno": lambda r: str(r.randint(1, 12)),
}

TEMPLATES = [
    ("INFO", "卡号{card}在{station}进站，闸机{ag}，票种：{ticket}"),
    ("INFO", "卡号{card}在{station}出站，闸机{ag}，票种：{ticket}{fare_opt}"),
    ("WARN", "闸机{ag}拒绝通行：{deny}"),
    ("INFO", "{station}站客流统计：进站{n}人次，出站{n}人次，满载率{pct}"),
    ("WARN", "{station}站台客流拥挤，启动{grade}级限流"),
    ("INFO", "列车{train}到达{station}{dir}站台，晚点{late}秒"),
    ("INFO", "列车{train}驶离{station}{dir}站台，晚点{late}秒"),
    ("INFO", "{line}行车间隔调整为{headway}，调度员{op}"),
    ("ERROR", "{line}{station}—{station}区间{incident}，影响{dir}行车{delay_opt}"),
    ("INFO", "故障{fid}处置完毕：{fix}，耗时{dur}"),
    ("INFO", "TVM-{tvm} 售票成功 {station}->{station} 票价{yuan}元 支付方式={pay}"),
    ("ERROR", "TVM-{tvm} 硬件故障 code={hex}: {tvm_fault}"),
    ("WARN", "{station}{door}屏蔽门无法关闭，已切换手动模式"),
    ("INFO", "列车{train}出库，司机{op}，{depot}"),
    ("INFO", "列车{train}回库，司机{op}，{depot}"),
    ("INFO", "ATS报告：{line}在线列车{trains}列，备用{spare}列"),
    ("WARN", "列车{train}第{car}节车厢温度{temp}℃，空调{ac}"),
    ("INFO", "乘客{op}在{station}站遗失{item}，登记编号{lost}"),
    ("INFO", "{station}站{exit}临时关闭，原因：{close}"),
    ("INFO", "票务清分完成 date={date} 交易{n}笔 金额{money}元 差异{diff}笔"),
    ("ERROR", "AFC中央系统同步失败 station={scode} err={err} 已重试{retry}次"),
    ("INFO", "{op}与{op}完成交接班，{station}站值班站长"),
    ("WARN", "收到乘客投诉（{station}站）：{complaint}"),
    ("INFO", "二维码过闸 user={uid} line={lineno} station={scode} result={res}"),
    ("INFO", "末班车{train}已从{station}发出，{line}{dir}运营结束"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-05-20 %02d:%02d:%02d.%03d|%s|%s|T%02d| " % (
            hh, mm, ss, ms, level, r.choice(["ats-gw", "afc-sc", "occ-main"]), r.randint(1, 24))
    if form == 1:
        return "2026/05/20 %02d:%02d:%02d [%s] OCC: " % (hh, mm, ss, {"INFO": "提示", "WARN": "告警", "ERROR": "故障"}[level])
    return "[%02d:%02d:%02d.%03d][%-5s][%s] " % (hh, mm, ss, ms, level, r.choice(["afc", "ats", "pis", "scada"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "Z", 5 * 3600 + 1800)
