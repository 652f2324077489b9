#!/usr/bin/env python3
"""A GBK log of a Chinese telecom network operations system with its truth.

    bench/make_gbk_telecom.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 25 messages (base
stations named by city and place that open a message, cells, alarms in 【】, masked
subscriber numbers, rates and levels with their units, parameters listed with 、),
written to measure the miner on and not to shape it: no rule was made or tuned on them.
One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

CITIES = ["南京", "无锡", "徐州", "合肥", "福州", "长沙", "昆明", "兰州"]
PLACES = ["鼓楼新街口", "火车站广场", "大学城", "开发区管委会", "万达广场", "滨江公园", "高铁南站"]
CAUSES = ["传输中断", "市电停电", "BBU硬件故障", "光缆被挖断", "人为闭塞", "软件升级"]
ALARMS = ["小区不可用告警", "射频单元驻波比异常", "时钟源异常", "电源模块故障", "机房温度过高", "GPS失锁"]
SEVS = ["紧急", "重要", "次要", "提示"]
RESULTS = ["已恢复", "更换板卡后恢复", "协调电力部门处理", "转厂家处理", "挂起待观察"]
TEAMS = ["传输维护班", "无线优化组", "动力环境班", "核心网值班室"]
PLANS = ["畅享58元套餐", "5G尊享129元套餐", "校园卡19元套餐", "流量王99元套餐", "家庭融合199元套餐"]
COMPLAINTS = ["室内无信号", "上网速度慢", "通话断续", "频繁掉线", "短信收不到"]
PARAMS = ["qRxLevMin", "PCI", "切换门限A3", "最大发射功率", "邻区列表", "TAC", "下倾角"]
HO_CAUSES = ["RRC_TIMEOUT", "X2_SETUP_FAIL", "NO_RADIO_RESOURCE", "TARGET_CELL_BARRED"]


V = {
    "site": lambda r: "%s%s基站" % (r.choice(CITIES), r.choice(PLACES)),
    "city": lambda r: r.choice(CITIES),
    "place": lambda r: r.choice(PLACES),
    "cause": lambda r: r.choice(CAUSES),
    "alarm": lambda r: r.choice(ALARMS),
    "sev": lambda r: r.choice(SEVS),
    "result": lambda r: r.choice(RESULTS),
    "remark": lambda r: "" if r.random() < 0.7 else "（备注：%s）" % r.choice(["夜间处理", "需二次上站", "已通知客户"]),
    "team": lambda r: r.choice(TEAMS),
    "name": gbk_messages.name,
    "plans": lambda r: "%s→%s" % tuple(r.sample(PLANS, 2)),
    "complaint": lambda r: r.choice(COMPLAINTS),
    "params": lambda r: "、".join(r.sample(PARAMS, r.randint(1, 4))),
    "ho": lambda r: r.choice(HO_CAUSES),
    "ne": lambda r: "%s-%s-%03d" % (r.choice(["NJ", "WX", "HF", "FZ"]), r.choice(["BBU", "RRU", "AAU", "OLT"]), r.randint(1, 999)),
    "aid": lambda r: str(r.randint(10000000, 99999999)),
    "cell": lambda r: "%d-%d" % (r.randint(100000, 999999), r.randint(1, 12)),
    "band": lambda r: r.choice(["B3", "B8", "B39", "B40", "B41", "n41", "n78"]),
    "bw": lambda r: "%dMHz" % r.choice([10, 20, 40, 60, 100]),
    "msisdn": lambda r: "1%d%d****%04d" % (r.choice([3, 4, 5, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "imsi": lambda r: "4600%d%010d" % (r.choice([0, 1, 2, 7]), r.randint(0, 10 ** 10 - 1)),
    "apn": lambda r: r.choice(["cmnet", "cmwap", "ims", "iot.ctc"]),
    "ecode": lambda r: str(r.choice([7, 11, 15, 19, 22, 111])),
    "erl": lambda r: "%.1fErl" % (r.random() * 5000),
    "pct": lambda r: "%.2f%%" % (r.random() * 100),
    "prb": lambda r: "%.1f%%" % r.uniform(80, 100),
    "okpct": lambda r: "%.2f%%" % r.uniform(95, 99.99),
    "droppct": lambda r: "%.2f%%" % r.uniform(0, 2),
    "port": lambda r: "GE%d/%d/%d" % (r.randint(0, 3), r.randint(0, 1), r.randint(0, 47)),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "dbm": lambda r: "%.1fdBm" % -(r.random() * 20 + 20),
    "wo": lambda r: "WO%s%05d" % (r.choice(["20261209", "20261208"]), r.randint(0, 99999)),
    "hours": lambda r: str(r.choice([2, 4, 8, 24, 48])),
    "code": lambda r: r.choice(["401", "403", "500", "502", "504"]),
    "ms": lambda r: "%dms" % r.randint(10, 20000),
    "batch": lambda r: "B%06d" % r.randint(0, 999999),
    "gb": lambda r: "%.2fGB" % (r.random() * 100),
    "n": lambda r: str(r.randint(1, 200000)),
    "users": lambda r: str(r.randint(0, 1200)),
    "min": lambda r: str(r.randint(1, 600)),
    "mbps": lambda r: "%.1fMbps" % (r.random() * 1000),
}

TEMPLATES = [
    ("ERROR", "{site}退服，告警级别：{sev}，原因：{cause}"),
    ("INFO", "{site}恢复服务，退服时长{min}分钟"),
    ("WARN", "{site}市电停电，蓄电池供电，剩余电量{pct}，预计可维持{hours}小时"),
    ("WARN", "告警上报【{alarm}】网元={ne} 告警ID={aid} 级别={sev}"),
    ("INFO", "告警清除【{alarm}】网元={ne} 告警ID={aid}"),
    ("INFO", "小区{cell}上线，频段{band}，带宽{bw}"),
    ("WARN", "小区{cell}离线，频段{band}"),
    ("WARN", "小区{cell} PRB利用率{prb}，超过门限80%，触发扩容预警"),
    ("INFO", "小区{cell}下行吞吐量{mbps}，在线用户{users}"),
    ("WARN", "切换失败：源小区{cell}，目标小区{cell}，原因={ho}"),
    ("INFO", "用户{msisdn}附着成功，IMSI:{imsi}，APN:{apn}"),
    ("WARN", "用户{msisdn}附着失败，IMSI:{imsi}，原因值#{ecode}"),
    ("INFO", "用户{msisdn}套餐变更：{plans}"),
    ("INFO", "用户{msisdn}本月已用流量{gb}，达到套餐的{pct}"),
    ("INFO", "用户{msisdn}投诉：{complaint}，位置：{city}{place}"),
    ("INFO", "{city}话务统计：话务量{erl}，接通率{okpct}，掉话率{droppct}"),
    ("ERROR", "链路{port}（{ip}->{ip}）中断"),
    ("INFO", "链路{port}（{ip}->{ip}）恢复"),
    ("WARN", "光模块{port}收光功率{dbm}，低于门限-28.0dBm"),
    ("INFO", "工单{wo}已派发给{city}{team}{name}，处理时限{hours}小时"),
    ("INFO", "工单{wo}已回单，处理人：{name}，处理结果：{result}{remark}"),
    ("INFO", "网元{ne}配置下发开始，批次{batch}"),
    ("INFO", "网元{ne}配置下发完成，批次{batch}，修改参数：{params}"),
    ("ERROR", "北向接口API调用失败：HTTP {code}，url=/nbi/alarm/query，耗时{ms}"),
    ("WARN", "短信中心MQ消费延迟{ms}，积压消息{n}条"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09T%02d:%02d:%02d.%03dZ %s [oss-%s] " % (hh, mm, ss, ms, level, r.choice(["collector", "alarm", "workflow"]))
    if form == 1:
        return "2026年12月9日 %02d:%02d:%02d %s 网管：" % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])
    return "Dec  9 %02d:%02d:%02d omc-%02d nms[%d]: <%s> " % (hh, mm, ss, r.randint(1, 6), r.randint(1000, 40000), level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "C", 3600)
