#!/usr/bin/env python3
"""A GBK log of a Chinese public rental housing management system with its truth.

    bench/make_gbk_housing.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (applications,
eligibility review passed and refused, data matching with other departments, the waiting
list, lotteries and allocation, forfeited choices, contracts signed or overdue, rent paid,
bank debits failing, arrears and their escalation, repair orders opened, closed and late,
moving in and out, flat states, door access and lost cards, the yearly review, pushes to the
provincial platform, electronic certificates, suspected subletting, monthly district figures),
written to measure the miner on and not to shape it: no rule was made or tuned on them. One
of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

# estate names as the housing bureau keyed them into the housing stock, brackets and all
PROJECTS = ["锦苑人才公寓（二期）", "和谐家园 A区", "康居小区", "星河公租房小区", "滨江雅苑(公租房)",
            "新桥保障房3期", "青年汇 人才公寓"]
PROJ_CODES = ["JY02", "HXJY-A", "KJXQ", "XHGZF", "BJYY", "XQ03", "QNH"]
DISTRICTS = ["城西区", "城东区", "高新区", "滨江新区", "临湖县"]
STREETS = ["城东街道", "五里墩街道", "高新区 创业路社区", "滨江街道（便民服务中心）", "临湖镇"]
APP_TYPES = ["城镇中等偏下收入住房困难家庭", "新就业无房职工", "外来务工人员", "青年人才", "低保家庭（实物配租）"]
STAGES = ["社区初审", "街道复核", "区住房保障中心审核", "市级联审"]
REJECTS = ["家庭人均收入超过标准", "名下有房产登记记录", "申请材料不全（缺少劳动合同）", "社保缴纳不满12个月",
           "户籍不符合申请条件", "家庭成员拥有机动车"]
DEPTS = ["不动产登记中心", "公安户籍", "民政婚姻登记", "人社社保", "公积金中心", "车管所"]
CMP_RESULTS = ["match", "no_record", "conflict", "timeout"]
LAYOUTS = ["一室一厅", "两室一厅", "单间配套", "两室两厅"]
NOTARIES = ["市公证处", "城西公证处", "高新区公证处（第二办证室）"]
PAY_CH = ["银行代扣", "微信缴费", "支付宝生活缴费", "窗口POS刷卡", "现金（物业代收）"]
BANKS = ["ICBC", "CCB", "ABC", "BOC", "rcb_linhu"]
BANK_FAILS = [("51", "账户余额不足"), ("14", "卡号无效"), ("54", "卡片已过期"), ("61", "超出单日限额"),
              ("96", "bank system malfunction")]
URGE = ["短信", "电话", "上门送达催缴通知书", "张贴公告", "站内信+短信"]
ESCALATE = ["区住房保障中心法务组", "街道综合执法队", "市住房保障服务中心"]
REPAIRS = ["水管漏水", "下水道堵塞", "电路跳闸", "门锁损坏", "墙面渗水（卫生间）", "燃气热水器无法点火", "窗户无法关闭"]
VENDORS = ["安居物业维修部", "城西建安维修队", "康居物业服务有限公司", "24h 便民维修中心"]
INSPECTIONS = ["完好", "轻微损坏（已扣除维修费）", "设施缺失（已照价赔偿）", "墙面污损，需重新粉刷"]
HSTATES = ["vacant", "allocated", "occupied", "repairing", "frozen"]
DOOR_GATES = ["东门人行闸", "2栋单元门", "地下车库入口", "北门（快递柜旁）", "3栋 1单元门"]
DOOR_EVENTS = ["非本人刷卡（人脸比对不符）", "门禁卡已挂失仍在使用", "门未关闭超时报警", "同一卡号短时多次进出",
               "强行开门"]
NOTIFY = ["短信", "微信公众号", "纸质通知（社区转交）", "App推送"]
ANNUAL_FAILS = ["家庭收入超标", "新购住房", "房屋长期闲置", "未按期提交年审材料", "违规转租"]
ANNUAL_ACTS = ["限期6个月内腾退", "调整为市场租金", "责令整改", "取消保障资格并收回房屋"]
CERTS = ["居民身份证", "户口簿", "结婚证", "不动产权证书（无房证明）"]
SUBLET = ["转租", "转借", "改变用途（经营）", "长期空置"]
MONOLOG_CHANNELS = ["apply", "audit", "lease", "rent", "repair", "access", "sync"]
LOGURU_PLACES = ["phms.apply:submit:88", "phms.audit:review:214", "phms.lease:sign:131", "phms.rent:debit:57",
                 "phms.repair:dispatch:302", "phms.access:on_event:49", "phms.report:monthly:20"]


def room(r):
    return "%s%d栋%d单元%d%02d室" % (r.choice(PROJECTS), r.randint(1, 18), r.randint(1, 4), r.randint(1, 32),
                                  r.randint(1, 8))


def idmask(r):
    return "%d**********%03d%s" % (r.randint(110000, 650000), r.randint(0, 999), r.choice("0123456789X"))


V = {
    "name": gbk_messages.name,
    "project": gbk_messages.pick(PROJECTS),
    "projcode": gbk_messages.pick(PROJ_CODES),
    "district": gbk_messages.pick(DISTRICTS),
    "street": gbk_messages.pick(STREETS),
    "apptype": gbk_messages.pick(APP_TYPES),
    "stage": gbk_messages.pick(STAGES),
    "rejectwhy": gbk_messages.pick(REJECTS),
    "dept": gbk_messages.pick(DEPTS),
    "cmpres": gbk_messages.pick(CMP_RESULTS),
    "layout": gbk_messages.pick(LAYOUTS),
    "notary": gbk_messages.pick(NOTARIES),
    "paych": gbk_messages.pick(PAY_CH),
    "bank": gbk_messages.pick(BANKS),
    "bankfail": lambda r: "resp_code=%s resp_msg=%s" % r.choice(BANK_FAILS),
    "urge": gbk_messages.pick(URGE),
    "escalate": gbk_messages.pick(ESCALATE),
    "repair": gbk_messages.pick(REPAIRS),
    "vendor": gbk_messages.pick(VENDORS),
    "inspection": gbk_messages.pick(INSPECTIONS),
    "hstate": gbk_messages.pick(HSTATES),
    "doorgate": gbk_messages.pick(DOOR_GATES),
    "doorevent": gbk_messages.pick(DOOR_EVENTS),
    "notify": gbk_messages.pick(NOTIFY),
    "annualfail": gbk_messages.pick(ANNUAL_FAILS),
    "annualact": gbk_messages.pick(ANNUAL_ACTS),
    "cert": gbk_messages.pick(CERTS),
    "sublet": gbk_messages.pick(SUBLET),
    "remark": gbk_messages.optional(lambda r: "，备注：%s" % r.choice(["材料齐全", "已电话核实", "补充材料后通过"]), 0.4),
    "penalty": gbk_messages.optional(lambda r: "，按规定%d年内不得再次申请" % r.randint(1, 2), 0.35),
    "satisfy": gbk_messages.optional(lambda r: "，住户评价%d星" % r.randint(1, 5), 0.5),
    "room": room,
    "idmask": idmask,
    "date": lambda r: "2026-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "month": lambda r: "2026年%d月" % r.randint(1, 6),
    "appno": lambda r: "GZF2026%s%05d" % (r.choice(["XC", "DC", "GX", "BJ", "LH"]), r.randint(1, 99999)),
    "batch": lambda r: "2026-第%d批" % r.randint(1, 6),
    "contract": lambda r: "ZL-%s-2026-%04d" % (r.choice(PROJ_CODES), r.randint(1, 9999)),
    "wo": lambda r: "WX2606%02d%04d" % (r.randint(1, 30), r.randint(0, 9999)),
    "roomcode": lambda r: "%s-%02d-%d-%d%02d" % (r.choice(PROJ_CODES), r.randint(1, 18), r.randint(1, 4),
                                                 r.randint(1, 32), r.randint(1, 8)),
    "card": lambda r: "%08X" % r.getrandbits(32),
    "doorid": lambda r: "ac-%s-%02d" % (r.choice(["e", "n", "b2", "u3"]), r.randint(1, 30)),
    "opid": lambda r: "u%05d" % r.randint(1, 99999),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "meter": lambda r: "%.1f" % r.uniform(0, 9000),
    "score": lambda r: "%.2f" % r.uniform(0.6, 0.99),
    "status": lambda r: r.choice(["500", "502", "503", "504", "401"]),
    "money": lambda r: "%.2f" % r.uniform(100, 30000),
    "area": lambda r: "%.1f" % r.uniform(30, 70),
    "big": lambda r: str(r.randint(0, 6000)),
    "n": lambda r: str(r.randint(1, 12)),
    "family": lambda r: str(r.randint(1, 6)),
    "hours": lambda r: str(r.randint(1, 96)),
    "pct": lambda r: "%.1f%%" % r.uniform(80, 100),
    "ms": lambda r: str(r.randint(30, 15000)),
}

TEMPLATES = [
    ("INFO", "申请已提交：申请编号{appno}，申请人{name}，家庭人口{family}人，申请类型：{apptype}，受理点：{street}"),
    ("INFO", "资格审核通过：申请编号{appno}，审核环节：{stage}，审核人{name}{remark}"),
    ("WARN", "资格审核不通过：申请编号{appno}，审核环节：{stage}，原因：{rejectwhy}"),
    ("INFO", "cross-check appno={appno} source={dept} result={cmpres} cost={ms}ms"),
    ("INFO", "轮候排序已更新：{batch}在册{big}户，申请编号{appno}当前排第{big}位"),
    ("INFO", "摇号结果已公示：{batch}，项目{project}，房源{big}套，参与{big}户，公证机构：{notary}"),
    ("INFO", "配租成功：申请编号{appno}，承租人{name}，房源{room}（{layout}，{area}㎡），月租金{money}元"),
    ("WARN", "选房弃权：申请编号{appno}，承租人{name}，项目{project}，本轮已弃权{n}次{penalty}"),
    ("INFO", "签约完成：合同编号{contract}，承租人{name}，租期{date}至{date}，押金{money}元"),
    ("WARN", "签约超期：申请编号{appno}于{date}通知签约，已超{n}天未办理"),
    ("INFO", "租金缴纳成功：合同{contract}，缴费月份{month}，金额{money}元，渠道：{paych}"),
    ("ERROR", "bank debit failed contract={contract} bank={bank} amount={money} {bankfail}"),
    ("WARN", "欠费催缴：合同{contract}，承租人{name}，累计欠缴{n}个月，欠款{money}元，催缴方式：{urge}"),
    ("ERROR", "合同{contract}连续欠缴{n}个月，已移交{escalate}启动清退程序"),
    ("INFO", "维修工单已创建：工单号{wo}，{room}，报修类别：{repair}，报修人{name}，电话{phone}"),
    ("INFO", "维修工单已完工：工单号{wo}，维修单位：{vendor}，耗时{hours}小时{satisfy}"),
    ("WARN", "维修工单超时：工单号{wo}（{repair}）超出承诺时限{hours}小时，已催办{vendor}"),
    ("INFO", "入住办理：承租人{name}，房源{room}，钥匙{n}把，门禁卡{card}，水表读数{meter}，电表读数{meter}"),
    ("INFO", "退租办理：承租人{name}，房源{room}，验房结果：{inspection}，退还押金{money}元"),
    ("INFO", "house state changed house={roomcode} from={hstate} to={hstate} operator={opid}"),
    ("WARN", "门禁异常：{project}{doorgate}，卡号{card}，事件：{doorevent}"),
    ("INFO", "door_event device={doorid} card={card} result=granted face_score={score} project={projcode}"),
    ("INFO", "门禁卡{card}已挂失：承租人{name}，房源{room}"),
    ("INFO", "门禁卡{card}已解挂：承租人{name}，房源{room}"),
    ("INFO", "年审通知已发送：合同{contract}，承租人{name}，截止日期{date}，方式：{notify}"),
    ("WARN", "年审不合格：合同{contract}，承租人{name}，原因：{annualfail}，处理意见：{annualact}"),
    ("ERROR", "Failed to push records to provincial platform: POST /api/v2/housing/sync returned {status} (batch={batch}, records={big}, cost={ms}ms)"),
    ("INFO", "电子证照调用成功：{name}（身份证{idmask}），证照类型：{cert}"),
    ("WARN", "疑似{sublet}：房源{room}，承租人{name}，已派{name}现场核查"),
    ("INFO", "月报：{district}{month}新增申请{big}户，配租{big}户，在租{big}户，租金收缴率{pct}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the applicant portal is PHP and logs through Monolog's line format, channel before level
        return "[2026-06-15 %02d:%02d:%02d] %s.%s: " % (
            hh, mm, ss, r.choice(MONOLOG_CHANNELS), {"WARN": "WARNING"}.get(level, level))
    if form == 1:
        # the district offices' client labels the district and the level in Chinese
        cn = {"INFO": "一般", "WARN": "关注", "ERROR": "严重"}[level]
        return "〔住房保障〕20260615 %02d%02d%02d 区县[%s] 级别[%s] " % (hh, mm, ss, r.choice(DISTRICTS), cn)
    # the back-office jobs are Python on loguru's default format
    return "2026-06-15 %02d:%02d:%02d.%03d | %-8s | %s - " % (
        hh, mm, ss, r.randint(0, 999), {"WARN": "WARNING"}.get(level, level), r.choice(LOGURU_PLACES))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "PH", 8 * 3600 + 1200)
