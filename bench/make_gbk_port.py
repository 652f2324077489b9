#!/usr/bin/env python3
"""A GBK log of a Chinese container port terminal operating system with its truth.

    bench/make_gbk_port.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (berthing,
quay and yard cranes, gate-in and gate-out, customs release, reefers, truck appointments and
EDI), written to measure the miner on and not to shape it: no rule was made or tuned on them.
One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

# Vessel names as the berth planners type them: some Chinese, some in the English the
# shipping lines register them under.
VESSELS = ["海韵之星", "远航明珠", "东方晨曦", "新海丰", "长江口", "华夏远洋9", "瑞安海",
           "ORIENT BREEZE", "PACIFIC HARMONY", "NORTHERN LARK", "JADE ISLAND", "SEA LOTUS"]
BERTHS = ["%d#" % n for n in range(101, 110)] + ["Q%d" % n for n in range(1, 7)]
GATES = ["1号进口闸", "2号进口闸", "3号出口闸", "4号出口闸", "东区卡口", "西区智能闸"]
BLOCKS = ["A%d" % n for n in range(1, 9)] + ["B%d" % n for n in range(1, 6)] + ["RF1", "RF2", "DG1"]
SIZES = ["20GP", "40GP", "40HC", "45HC", "20RF", "40RH", "20TK", "40OT"]
BERTH_REASONS = ["前船延误离泊", "潮水不足", "岸桥检修占用", "大风预警停靠受限",
                 "引航员未到位", "拖轮不足", "泊位水深不满足吃水要求", "船期临时调整"]
QC_FAULTS = ["起升变频器过热", "小车行走编码器异常", "吊具着箱信号丢失", "大车防风销未拔出",
             "PLC通讯中断", "司机室急停按下", "俯仰钢丝绳张力超限"]
GATE_REASONS = ["无有效预约", "预约时段已过", "箱号与预约不符", "车牌识别失败",
                "铅封号缺失", "超重（VGM不一致）", "未完成海关放行", "集卡黑名单",
                "箱门朝向错误"]
CUSTOMS_REASONS = ["舱单信息不一致", "报关单未审结", "布控查验未完成", "税费未缴纳",
                   "检验检疫未放行", "提单号不存在", "箱号申报错误", "商检证书过期",
                   "海关系统返回超时"]
INSPECT = ["H986机检", "人工开箱查验", "掏箱查验", "取样送检"]
CANCEL_REASONS = ["司机临时请假", "货主改期", "车辆故障", "重复预约", "提箱计划变更", "超时未进闸自动取消"]
APPT_TYPES = ["提重箱", "还空箱", "送重箱", "提空箱"]
EDI_TYPES = ["BAPLIE", "COPRAR", "COARRI", "CODECO", "COPARN", "IFTMIN", "CUSRES"]
PARTNERS = ["SHIPAGT01", "CUSTOMS_HB", "CARRIER_OL", "FWD_YT88", "TALLY_CN"]
EDI_ERRORS = ["UNB段缺失", "NAD段参与方代码无效", "EQD箱号校验位错误", "日期格式非CCYYMMDD",
              "字符集不支持", "段计数与UNT不符", "MEA重量单位缺失"]
DAMAGE_PARTS = ["左侧板", "右侧板", "顶板", "箱门", "底梁", "角件", "门封条", "前端壁"]
DAMAGE = ["完好", "轻微凹陷", "破洞", "锈蚀", "变形", "铅封破损"]
COMPANIES = ["华东国际货运代理有限公司", "顺达物流", "鸿运船务代理", "海通报关行", "中川供应链"]
DG_REMARKS = ["需隔离一箱位", "禁止翻箱", "温控监装", "专人值守"]
# Owner codes made up for the demo terminal (four letters ending in U, as on real boxes).
OWNER_CODES = ["CRVU", "HBTU", "YGSU", "QNZU", "ZPKU", "QDSU", "DLWU", "TXLU", "XMGU"]


def container(r):
    """A container number with a correct check digit, since the gate checks it."""
    body = r.choice(OWNER_CODES) + "%06d" % r.randint(0, 999999)
    values = {}
    v = 10
    for c in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        if v % 11 == 0:
            v += 1
        values[c] = v
        v += 1
    total = sum((values[c] if c.isalpha() else int(c)) * 2 ** i for i, c in enumerate(body))
    return body + str(total % 11 % 10)


def containers(r):
    # a bill of lading covers one container or several, written as the declaration lists them
    return "、".join(container(r) for _ in range(r.randint(1, 5)))


def truck(r):
    return r.choice("沪浙苏鲁辽津冀粤闽") + r.choice("ABCDEFG") + "".join(
        r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789") for _ in range(5))


def voyage(r):
    return "%03d%s" % (r.randint(1, 999), r.choice("EWNS"))


def slot(r):
    # bay, row, tier as the stowage plan writes them
    return "%02d%02d%02d" % (r.choice(range(1, 80, 2)), r.randint(0, 16), r.choice(range(2, 96, 2)))


def yard(r):
    return "%s-%02d-%02d-%d" % (r.choice(BLOCKS), r.randint(1, 48), r.randint(1, 9), r.randint(1, 6))


def temp(r):
    return "%.1f" % r.choice([-25.0, -18.0, -1.0, 2.0, 5.0, 13.0, r.uniform(-30, 15)])


def reading(r):
    # a reefer in order reads within half a degree of its set point
    t = float(temp(r))
    return "set=%.1f℃ actual=%.1f℃" % (t, t + r.uniform(-0.5, 0.5))


def excursion(r):
    # the alarm only fires past two degrees, so the deviation written is always above that
    t = float(temp(r))
    d = r.uniform(2.0, 15.0) * r.choice([-1, 1])
    return "设定%.1f℃，实际%.1f℃，偏差%.1f℃" % (t, t + d, abs(d))


def qcs(r):
    n = r.randint(1, 4)
    return ",".join("QC%02d" % q for q in sorted(r.sample(range(1, 25), n)))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


V = {
    "vessel": lambda r: r.choice(VESSELS),
    "voyage": voyage,
    "berth": lambda r: r.choice(BERTHS),
    "draft": lambda r: "%.1f" % r.uniform(6.0, 16.5),
    "tugs": lambda r: str(r.randint(1, 4)),
    "eta": lambda r: "2027-03-%02d %02d:%02d" % (r.randint(18, 25), r.randint(0, 23), r.choice([0, 15, 30, 45])),
    "berth_reason": lambda r: r.choice(BERTH_REASONS),
    "qc": lambda r: "QC%02d" % r.randint(1, 24),
    "rtg": lambda r: "RTG%03d" % r.randint(1, 60),
    "qcs": qcs,
    "container": container,
    "containers": containers,
    "size": lambda r: r.choice(SIZES),
    "weight": lambda r: "%.2f" % r.uniform(2.2, 32.5),
    "slot": slot,
    "yard": yard,
    "dg_yard": lambda r: "DG1-%02d-%02d-%d" % (r.randint(1, 20), r.randint(1, 6), r.randint(1, 4)),
    "block": lambda r: r.choice(BLOCKS),
    "pct": lambda r: "%.1f%%" % r.uniform(80, 99.9),
    "threshold": lambda r: str(r.choice([80, 85, 90])),
    "fault_code": lambda r: "E%04d" % r.randint(1, 9999),
    "qc_fault": lambda r: r.choice(QC_FAULTS),
    "repair": gbk_messages.optional(lambda r: "，已通知维修班%s" % gbk_messages.name(r)),
    "truck": truck,
    "gate": lambda r: r.choice(GATES),
    "appt": lambda r: "YY%s%05d" % (r.choice(["20270318", "20270319"]), r.randint(0, 99999)),
    "gate_reason": lambda r: r.choice(GATE_REASONS),
    "bl": lambda r: "%s%09d" % (r.choice(["BL", "HB", "SH"]), r.randint(0, 10 ** 9 - 1)),
    "decl": lambda r: "2227%014d" % r.randint(0, 10 ** 14 - 1),
    "customs_reason": lambda r: r.choice(CUSTOMS_REASONS),
    "inspect": lambda r: r.choice(INSPECT),
    "reading": reading,
    "excursion": excursion,
    "plug": lambda r: "%s-%03d" % (r.choice(["RF1", "RF2"]), r.randint(1, 240)),
    "mins": lambda r: str(r.randint(1, 180)),
    "date": lambda r: "3月%d日" % r.randint(18, 25),
    "period": lambda r: "%02d:00-%02d:00" % ((lambda h: (h, h + 2))(r.choice(range(0, 22, 2)))),
    "appt_type": lambda r: r.choice(APPT_TYPES),
    "driver": gbk_messages.optional(lambda r: "，司机%s（%s）" % (gbk_messages.name(r), phone(r)), 0.5),
    "cancel_reason": lambda r: r.choice(CANCEL_REASONS),
    "edi_type": lambda r: r.choice(EDI_TYPES),
    "partner": lambda r: r.choice(PARTNERS),
    "edi_ref": lambda r: "%010d" % r.randint(0, 10 ** 10 - 1),
    "bytes": lambda r: str(r.randint(300, 250000)),
    "seg": lambda r: str(r.randint(1, 400)),
    "edi_error": lambda r: r.choice(EDI_ERRORS),
    "eir": lambda r: "EIR%08d" % r.randint(0, 10 ** 8 - 1),
    "damage": lambda r: r.choice(DAMAGE),
    "parts": lambda r: "、".join(r.sample(DAMAGE_PARTS, r.randint(1, 3))),
    "company": lambda r: r.choice(COMPANIES),
    "imo": lambda r: r.choice(["2.1", "3", "4.1", "5.1", "6.1", "8", "9"]),
    "un": lambda r: "%04d" % r.randint(1000, 3500),
    "dg_remark": gbk_messages.optional(lambda r: "（%s）" % r.choice(DG_REMARKS)),
    "name": gbk_messages.name,
    "n": lambda r: str(r.randint(1, 600)),
    "moves": lambda r: "%.1f" % r.uniform(18, 42),
    "ms": lambda r: str(r.randint(5, 8000)),
}

TEMPLATES = [
    ("INFO", "船舶{vessel}（航次{voyage}）靠泊{berth}泊位，带缆完成，吃水{draft}米"),
    ("INFO", "船舶{vessel}（航次{voyage}）离泊{berth}泊位，拖轮{tugs}艘协助"),
    ("WARN", "泊位计划冲突：berth={berth} vessel={vessel} eta={eta}，原因：{berth_reason}"),
    ("INFO", "配载计划已下发：航次{voyage}，装船{n}箱，卸船{n}箱，作业岸桥{qcs}"),
    ("INFO", "岸桥{qc}卸船完成：箱号{container}，贝位{slot}，重{weight}t"),
    ("INFO", "岸桥{qc}装船完成：箱号{container}，贝位{slot}，重{weight}t"),
    ("ERROR", "岸桥{qc}故障停机，故障码{fault_code}（{qc_fault}）{repair}"),
    ("INFO", "场桥{rtg}移箱 {container} from={yard} to={yard}，翻箱{n}次"),
    ("WARN", "堆场{block}箱区利用率{pct}，超过预警阈值{threshold}%"),
    ("INFO", "集卡{truck}进闸，闸口：{gate}，箱号{container}，箱型{size}，预约号{appt}"),
    ("INFO", "集卡{truck}出闸，闸口：{gate}，箱号{container}，箱型{size}，预约号{appt}"),
    ("WARN", "进闸拒绝 plate={truck} cntr={container} reason={gate_reason}"),
    ("INFO", "设备交接单{eir}已打印，箱号{container}，箱况：{damage}"),
    ("WARN", "箱体残损登记：{container}，残损部位：{parts}，理货员{name}"),
    ("INFO", "海关放行成功：提单号{bl}，箱号{containers}，报关单号{decl}"),
    ("WARN", "海关放行失败：提单号{bl}，箱号{container}，原因：{customs_reason}"),
    ("INFO", "海关查验指令下发，箱号{container}，查验方式：{inspect}，移至查验场{yard}"),
    ("INFO", "冷箱监控 cntr={container} {reading} plug={plug} status=OK"),
    ("ERROR", "冷箱{container}温度异常：{excursion}，已派{name}现场处理"),
    ("WARN", "冷箱{container}断电告警，插电位{plug}，已断电{mins}分钟"),
    ("INFO", "预约成功：{truck}预约{date}{period}时段{appt_type}，预约号{appt}{driver}"),
    ("INFO", "预约取消：预约号{appt}，车牌{truck}，原因：{cancel_reason}"),
    ("INFO", "EDI报文接收 type={edi_type} sender={partner} ref={edi_ref} size={bytes}B"),
    ("ERROR", "EDI报文解析失败 type={edi_type} ref={edi_ref}，第{seg}段：{edi_error}"),
    ("INFO", "危险品箱{container}（IMDG {imo}类，UN{un}）已安排至危品堆场{dg_yard}{dg_remark}"),
    ("INFO", "码头操作系统向{company}推送提箱通知，提单号{bl}，耗时{ms}ms"),
]

LEVEL_CN = {"INFO": "一般", "WARN": "警告", "ERROR": "严重"}
MODULES = ["berth", "qc-ctrl", "yard", "gate", "customs", "reefer", "appt", "edi"]
EPOCH = 1805299200  # 2027-03-18 00:00 China Standard Time


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "[2027-03-18 %02d:%02d:%02d,%03d] [%-5s] [tos-%s] " % (hh, mm, ss, ms, level, r.choice(MODULES))
    if form == 1:
        return "时间：2027年3月18日 %02d:%02d:%02d 级别：%s 节点：码头作业%d号机 内容：" % (
            hh, mm, ss, LEVEL_CN[level], r.randint(1, 4))
    return "ts=%d.%03d lvl=%s host=tos-app%02d pid=%d msg=" % (
        EPOCH + t, ms, level.lower(), r.randint(1, 5), r.randint(2000, 32000))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "PT", 5 * 3600 + 1800)
