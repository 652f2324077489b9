#!/usr/bin/env python3
"""A GBK log of a Chinese airport and airline operations system with its truth.

    bench/make_gbk_airport.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 25 messages (flights,
gates, boarding, baggage, delays and crews, with names, cities and reasons of Chinese
text), written to measure the miner on and not to shape it: no rule was made or tuned on
them. One of three header forms by the seed, one of them syslog-like. The output depends
only on the arguments.
"""

import gbk_messages

CITIES = ["成都天府", "昆明长水", "西安咸阳", "重庆江北", "深圳宝安", "乌鲁木齐", "三亚凤凰", "哈尔滨太平"]
DELAYS = ["天气原因", "航路管制", "前序航班延误", "机械故障", "旅客原因", "机场保障", "军事活动"]
BAGERR = ["条码无法识别", "超重未付费", "X光复检", "错分至其他转盘", "无主行李"]
SPECIAL = ["轮椅旅客", "无人陪伴儿童", "孕妇", "担架旅客", "VIP旅客", "老年旅客"]
METARS = ["18004MPS 9999 FEW020 24/18 Q1008", "VRB02MPS 0800 R02L/1000N FG VV002 08/08 Q1021",
          "27012G20MPS 6000 -TSRA BKN010CB 21/19 Q1003 BECMG NSW", "00000MPS CAVOK 15/M02 Q1026"]


def hm(r):
    return "%02d:%02d" % (r.randint(5, 23), r.randint(0, 59))


def no_shows(r):
    # Most flights close with nobody named; some list the passengers who never came.
    k = r.randint(0, 3)
    return "，未到旅客：" + "、".join(gbk_messages.name(r) for _ in range(k)) if k else ""


def sold(r):
    seats = r.choice([120, 158, 174, 180, 264, 300])
    return "%d/%d座" % (seats + r.randint(1, 9), seats)


V = {
    "name": gbk_messages.name,
    "flight": lambda r: r.choice(["HX", "GJ", "KY", "3U", "8L", "EU"]) + str(r.randint(101, 9899)),
    "from": gbk_messages.pick(CITIES),
    "to": gbk_messages.pick(CITIES),
    "gate": lambda r: "%s%02d" % (r.choice("ABCD"), r.randint(1, 48)),
    "stand": lambda r: str(r.randint(101, 260)),
    "seat": lambda r: "%d%s" % (r.randint(1, 45), r.choice("ABCDEFJKL")),
    "reg": lambda r: "B-%d%s%02d" % (r.randint(1, 9), r.choice("0123456789ACDEFGHJKLMNPQ"), r.randint(0, 99)),
    "actype": gbk_messages.pick(["A320neo", "B737-800", "C919", "A330-300", "ARJ21", "B787-9"]),
    "bagtag": lambda r: "%s%06d" % (r.choice(["HX", "GJ", "KY", "3U"]), r.randint(0, 999999)),
    "hold": gbk_messages.pick(["前货舱", "后货舱", "散货舱"]),
    "belt": lambda r: r.choice(["分拣口S%02d", "转盘%d号", "早到行李库位%d"]) % r.randint(1, 24),
    "bags": lambda r: str(r.randint(0, 3)),
    "kg": lambda r: "%.1fkg" % (r.random() * 40),
    "idno": lambda r: "%06d********%03d%s" % (r.randint(110000, 659999), r.randint(0, 999), r.choice("0123456789X")),
    "secfail": gbk_messages.pick(["携带超规锂电池", "液体超量", "证件与本人不符", "携带管制刀具", "未申报打火机"]),
    "delay": gbk_messages.pick(DELAYS),
    "bagerr": gbk_messages.pick(BAGERR),
    "hm": hm,
    "n": lambda r: str(r.randint(40, 320)),
    "m": lambda r: str(r.randint(0, 12)),
    "noshow": no_shows,
    "crew": lambda r: "" if r.random() < 0.6 else "，加机组：" + "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 3))),
    "duty": lambda r: "%d小时%02d分" % (r.randint(10, 13), r.randint(0, 59)),
    "taxi": lambda r: r.choice(["A", "B", "C", "E", "T"]) + str(r.randint(1, 12)),
    "rwy": gbk_messages.pick(["02L", "20R", "02R", "20L", "17", "35"]),
    "oooi": gbk_messages.pick(["OUT", "OFF", "ON", "IN"]),
    "fuel": lambda r: str(r.randint(2000, 90000)),
    "counter": lambda r: "%s%02d" % (r.choice("GHJK"), r.randint(1, 40)),
    "reconn": gbk_messages.pick(["恢复正常", "仍未恢复，已切换备用链路", "仍未恢复，请人工值机"]),
    "money": lambda r: str(r.randint(0, 30) * 50),
    "sold": sold,
    "oversell": gbk_messages.pick(["暂不处理", "已开放自愿降舱", "请值机柜台关注", "已通知地服主任"]),
    "metar": lambda r: "%s 18%02d%02dZ %s" % (
        r.choice(["ZUTF", "ZPPP", "ZLXY", "ZUCK", "ZGSZ"]), r.randint(0, 23), r.choice([0, 30]), r.choice(METARS)),
    "special": gbk_messages.pick(SPECIAL),
}

TEMPLATES = [
    ("INFO", "航班{flight}（{from}-{to}）开放值机，计划起飞{hm}"),
    ("INFO", "航班{flight}开始登机，登机口{gate}"),
    ("INFO", "航班{flight}登机结束，已登机{n}人，未登机{m}人{noshow}"),
    ("WARN", "航班{flight}延误，预计起飞{hm}，原因：{delay}"),
    ("WARN", "航班{flight}取消，原因：{delay}，受影响旅客{n}人"),
    ("INFO", "航班{flight}登机口由{gate}变更为{gate}"),
    ("INFO", "旅客{name}值机成功，座位{seat}，托运行李{bags}件共{kg}"),
    ("WARN", "旅客{name}（证件号{idno}）安检未通过，原因：{secfail}"),
    ("INFO", "{name}旅客请注意，您乘坐的{flight}航班即将截止登机，请尽快前往{gate}登机口"),
    ("INFO", "行李{bagtag}已装机，航班{flight}，装载位置{hold}"),
    ("ERROR", "行李{bagtag}分拣异常：{bagerr}，当前位置{belt}"),
    ("INFO", "行李{bagtag}已到达{to}，提取转盘{m}号"),
    ("INFO", "机组签到：航班{flight} 机长{name} 副驾驶{name} 乘务长{name}{crew}"),
    ("WARN", "机组成员{name}累计执勤{duty}，接近14小时上限"),
    ("INFO", "飞机{reg}（{actype}）停靠{stand}号机位，上轮挡{hm}"),
    ("INFO", "飞机{reg}推出，航班{flight}，滑行道{taxi}，跑道{rwy}"),
    ("INFO", "ACARS报文 flight={flight} reg={reg} OOOI={oooi} fuel={fuel}kg"),
    ("INFO", "航班{flight}已起飞，实际时间{hm}"),
    ("INFO", "航班{flight}已落地，实际时间{hm}"),
    ("ERROR", "离港系统DCS连接中断，柜台{counter}重连{m}次后{reconn}"),
    ("INFO", "旅客{name}办理改签：{flight}改为{flight}，改签费{money}元"),
    ("WARN", "超售提醒：航班{flight}已售{sold}，{oversell}"),
    ("INFO", "收到气象报文：METAR {metar}"),
    ("INFO", "{to}方向航路流控，{flight}等{m}个航班地面等待，预计放行{hm}"),
    ("INFO", "特殊旅客服务登记：{name}，类型：{special}，航班{flight}，座位{seat}"),
]

def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "Mar 18 %02d:%02d:%02d aodb-%02d %s[%d]: <%s> " % (
            hh, mm, ss, r.randint(1, 3), r.choice(["fids", "dcs", "bhs"]), r.randint(1000, 9999),
            {"INFO": "info", "WARN": "warning", "ERROR": "err"}[level])
    if form == 1:
        return "2026-03-18 %02d:%02d:%02d.%03d [%-5s] [AODB] " % (hh, mm, ss, r.randint(0, 999), level)
    return "【%s】2026年03月18日%02d时%02d分%02d秒 运行指挥中心：" % (
        {"INFO": "信息", "WARN": "警告", "ERROR": "故障"}[level], hh, mm, ss)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "A", 6 * 3600)
