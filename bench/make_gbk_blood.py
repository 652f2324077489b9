#!/usr/bin/env python3
"""A GBK log of a Chinese blood station's donation and blood bank system with its truth.

    bench/make_gbk_blood.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 31 messages
(donor registration, health screening passed and deferred, quick blood typing, collection
started, finished and stopped, donor reactions, sample receipt, test results and reactive
samples, analyzer interface rejects, component separation and its faults, stock-in, hospital
requests, issue and requests that could not be met, stock alarms and daily stock, discards,
expiry reminders, blood fridge readings and temperature alarms, transport boxes packed and
signed for, returns, crossmatch, recruitment messages, donation certificates, uploads to the
provincial platform), written to measure the miner on and not to shape it: no rule was made
or tuned on them. One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

STATION = "云溪市中心血站"
SITES = ["中心血站 成分献血室", "人民广场献血屋", "鹤山大学 流动采血车（2号）", "北湖区爱心献血点",
         "滨江 Mall 献血屋 B1", "临江县 献血服务点(城关)"]
HOSPITALS = ["云溪市第一人民医院", "临江市妇幼保健院（产科）", "鹤山中医院", "北湖区人民医院 东院",
             "云溪医科大学附属第二医院", "滨江 International 妇产医院"]
PRODUCTS = ["悬浮红细胞", "去白细胞悬浮红细胞", "新鲜冰冻血浆", "病毒灭活血浆", "单采血小板",
            "冷沉淀凝血因子", "洗涤红细胞"]
DONATION_TYPES = ["全血", "单采血小板", "单采血浆", "全血（团体献血）"]
DEFER_WHY = ["血红蛋白偏低（男<120g/L）", "血压偏高", "近期服用抗生素", "体重不足（女<45kg）",
             "距上次献血不足6个月", "ALT快检偏高", "纹身未满一年", "近期有感冒症状"]
STOP_WHY = ["穿刺失败", "血流缓慢超时", "献血者晕针", "采血秤报警", "血袋漏液", "献血者要求中止"]
REACTIONS = ["轻度头晕、出汗", "面色苍白、恶心", "迟发性晕厥", "穿刺部位血肿", "口唇麻木（枸橼酸盐反应）"]
TREATMENTS = ["平卧休息，口服糖水", "冷敷加压", "留观30分钟后离开", "已电话回访，无不适"]
TEST_ITEMS = ["HBsAg", "抗-HCV", "抗-HIV1/2", "抗-TP（梅毒）", "ALT", "HBV DNA（NAT）", "HIV/HCV RNA (NAT)"]
ANALYZERS = ["EIA-2 酶免工作站", "NAT-01", "生化分析仪 BC-680", "血型仪 ABO-3", "EIA-4 酶免工作站"]
PREP_FAULTS = ["离心后发现渗漏", "重量不足（<180g）", "为乳糜血（脂肪血）", "热合口不牢", "出现凝块"]
SCRAP_WHY = ["检测不合格", "过期", "血袋破损", "脂肪血", "溶血", "重量不足", "凝块", "医院退回不可再发"]
RETURN_WHY = ["患者已出院", "手术取消", "申请重复", "外观异常（颜色偏深）", "运输超时"]
RETURN_OPS = ["复检后重新入库", "隔离待评估", "做报废处理"]
USES = ["择期手术备血", "急诊抢救", "产后出血", "贫血纠正", "血液科化疗支持"]
FRIDGES = [("2号储血冰箱（红细胞）", "2~6℃"), ("血小板振荡保存箱 A", "20~24℃"),
           ("-30℃低温冰柜 #3（血浆）", "-40~-20℃"), ("发血室 冷藏柜1", "2~6℃")]
HL7_ERRS = ["MSH-10 duplicate control id", "PID segment missing", "OBX-5 value out of range",
            "unknown specimen id", "ACK timeout after 30s"]
ERR_BODIES = ["connect timed out", "401 Unauthorized", "签名校验失败", "批次已存在", "省平台维护中"]
SERILOG_SOURCES = ["Bbms.Donor", "Bbms.Collection", "Bbms.Lab", "Bbms.Component", "Bbms.Inventory",
                   "Bbms.Issue", "Bbms.Transport"]
PINO_APPS = ["bbank-api", "issue-svc", "lis-bridge", "coldchain-mon", "upload-job"]


def bag(r):
    # ISBT 128 style donation numbers as printed under the barcode, blanks and all
    return "W%04d 27 %06d" % (r.choice([3301, 3302, 3305]), r.randint(0, 999999))


def fridge_alarm(r):
    # the reading must lie outside the fridge's own range, so they are drawn together
    f, band = r.choice(FRIDGES)
    hi = int(band.split("~")[1].rstrip("℃"))
    return "%s当前%.1f℃，超出设定范围%s" % (f, hi + r.uniform(0.5, 8), band)


def idmask(r):
    return "%d**********%03d%s" % (r.choice([330102, 330521, 320583]), r.randint(0, 999), r.choice("0123456789X"))


def units(r):
    return r.choice(["%d" % r.randint(1, 40), "%.1f" % (r.randint(1, 40) / 2)])


V = {
    "name": gbk_messages.name,
    "site": gbk_messages.pick(SITES),
    "hospital": gbk_messages.pick(HOSPITALS),
    "product": gbk_messages.pick(PRODUCTS),
    "dtype": gbk_messages.pick(DONATION_TYPES),
    "deferwhy": gbk_messages.pick(DEFER_WHY),
    "stopwhy": gbk_messages.pick(STOP_WHY),
    "reaction": gbk_messages.pick(REACTIONS),
    "treatment": gbk_messages.pick(TREATMENTS),
    "testitem": gbk_messages.pick(TEST_ITEMS),
    "analyzer": gbk_messages.pick(ANALYZERS),
    "prepfault": gbk_messages.pick(PREP_FAULTS),
    "scrapwhy": gbk_messages.pick(SCRAP_WHY),
    "returnwhy": gbk_messages.pick(RETURN_WHY),
    "returnop": gbk_messages.pick(RETURN_OPS),
    "use": gbk_messages.pick(USES),
    "hl7err": gbk_messages.pick(HL7_ERRS),
    "errbody": gbk_messages.pick(ERR_BODIES),
    "fridge": lambda r: r.choice(FRIDGES)[0],
    "fridgealarm": fridge_alarm,
    "gender": gbk_messages.pick(["男", "女"]),
    "abo": gbk_messages.pick(["A", "B", "O", "AB", "O", "A"]),
    "rhd": gbk_messages.pick(["RhD(+)", "RhD(+)", "RhD(+)", "RhD阴性"]),
    "result": gbk_messages.pick(["阴性", "阴性", "阴性", "阴性", "灰区", "阳性"]),
    "reactive": gbk_messages.pick(["阳性", "灰区", "反应性（复检）"]),
    "match": gbk_messages.pick(["相合", "相合", "相合", "不相合"]),
    "altq": gbk_messages.pick(["合格", "合格", "临界"]),
    "components": gbk_messages.pick(["悬浮红细胞+新鲜冰冻血浆", "去白细胞悬浮红细胞+冰冻血浆+冷沉淀",
                                     "红细胞、血浆、血小板（手工）"]),
    "repeat": gbk_messages.optional(lambda r: "，第%d次献血" % r.randint(2, 60), 0.5),
    "extra": gbk_messages.optional(lambda r: "，已告知献血者%s" % r.choice(["饮水休息", "24小时内勿剧烈运动"]), 0.3),
    "signnote": gbk_messages.optional(lambda r: "，备注：%s" % r.choice(["箱内冰排已融化", "缺少温度记录单",
                                                                     "急诊，先发后补单"]), 0.3),
    "idmask": idmask,
    "units": units,
    "bag": bag,
    "donor": lambda r: "XS%010d" % r.randint(0, 10 ** 10 - 1),
    "req": lambda r: "SQ2701%02d-%04d" % (r.randint(1, 31), r.randint(1, 9999)),
    "labbatch": lambda r: "JY270112-%02d" % r.randint(1, 40),
    "box": lambda r: "YSX-%03d" % r.randint(1, 300),
    "plate": lambda r: r.choice(["浙A·X%04d", "浙A X%04d", "浙AX%04d"]) % r.randint(0, 9999),
    "chair": lambda r: "%d号采血椅" % r.randint(1, 12),
    "centrifuge": lambda r: "LX-%02d" % r.randint(1, 8),
    "fridgeid": lambda r: "BF-%02d" % r.randint(1, 24),
    "cert": lambda r: "3301%04d%07d" % (2027, r.randint(0, 9999999)),
    "inpatient": lambda r: "ZY%08d" % r.randint(0, 99999999),
    "sms": lambda r: "ZM-%03d" % r.randint(1, 60),
    "upbatch": lambda r: "UP2701%02d%04d" % (r.randint(1, 31), r.randint(0, 9999)),
    "msgid": lambda r: "%016X" % r.getrandbits(64),
    "expdate": lambda r: "2027-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "exphour": lambda r: "01月%02d日%02d:00" % (r.randint(12, 20), r.randint(0, 23)),
    "date": lambda r: "2027-01-%02d" % r.randint(1, 11),
    "ts": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "age": lambda r: str(r.randint(18, 60)),
    "hb": lambda r: str(r.randint(115, 175)),
    "bp": lambda r: "%d/%d" % (r.randint(95, 145), r.randint(60, 92)),
    "kg": lambda r: str(r.randint(45, 105)),
    "vol": lambda r: str(r.choice([200, 300, 400, 400, 400])),
    "alt": lambda r: str(r.randint(5, 80)),
    "sco": lambda r: "%.2f" % r.uniform(0.8, 25),
    "temp": lambda r: "%.1f" % r.uniform(1.5, 9),
    "ftemp": lambda r: "%.1f" % r.uniform(2.5, 5.8),
    "hours": lambda r: str(r.randint(1, 72)),
    "days": lambda r: str(r.randint(1, 180)),
    "colmins": lambda r: str(r.randint(5, 70)),
    "retry": lambda r: str(r.randint(1, 5)),
    "mins": lambda r: str(r.randint(3, 95)),
    "big": lambda r: str(r.randint(20, 5000)),
    "n": lambda r: str(r.randint(1, 30)),
    "http": lambda r: str(r.choice([400, 401, 409, 500, 502, 504])),
}

TEMPLATES = [
    ("INFO", "献血者登记：{name}，{gender}，{age}岁，证件号{idmask}，献血类型：{dtype}，地点：{site}{repeat}"),
    ("INFO", "体检初筛合格：献血者{donor}，血红蛋白{hb}g/L，血压{bp}mmHg，体重{kg}kg，ALT快检{altq}"),
    ("WARN", "体检初筛不合格：献血者{donor}，原因：{deferwhy}，暂缓献血{days}天"),
    ("INFO", "血型初筛 donor={donor} abo={abo} rhd={rhd} method=纸片法 operator={name}"),
    ("INFO", "采血开始：献血者{donor}，血袋条码{bag}，计划采集{vol}ml，{chair}，护士{name}"),
    ("INFO", "采血完成：血袋{bag}，实采{vol}ml，用时{colmins}分钟{extra}"),
    ("WARN", "采血中断：血袋{bag}，已采{vol}ml，原因：{stopwhy}，护士{name}"),
    ("WARN", "献血不良反应：献血者{donor}出现{reaction}，处理：{treatment}，记录人{name}"),
    ("INFO", "标本接收：批次{labbatch}，共{big}管，来自{site}，运输温度{temp}℃，接收人{name}"),
    ("INFO", "检测结果 bag={bag} ALT={alt} HBsAg={result} 抗-HCV={result} 抗-HIV={result} 抗-TP={result}"),
    ("WARN", "检测不合格：血袋{bag}，项目{testitem}结果{reactive}，S/CO={sco}，已锁定待报废"),
    ("ERROR", "HL7 ORU^R01 from {analyzer} rejected: {hl7err} msgid={msgid}"),
    ("INFO", "成分制备完成：全血{bag}分离为{components}，离心机{centrifuge}，操作员{name}"),
    ("WARN", "成分制备异常：血袋{bag}{prepfault}，制备人{name}"),
    ("INFO", "血液入库：{product}，血袋{bag}，{abo}型{rhd}，{units}U，有效期至{expdate}，存放于{fridge}"),
    ("INFO", "用血申请：{hospital}申请{product}{abo}型{units}U，申请单{req}，用途：{use}"),
    ("INFO", "出库发血：申请单{req}，{hospital}，{product}{abo}型共{n}袋{units}U，发血人{name}，送血车{plate}"),
    ("WARN", "申请单{req}无法全部满足：{product}{abo}型库存{units}U，申请{units}U，已部分发放"),
    ("WARN", "库存预警：{abo}型{product}库存{units}U，低于{days}天用量警戒线，请启动应急招募"),
    ("INFO", "库存日报（{date}）：全血{big}U，红细胞{big}U，血浆{big}U，血小板{n}治疗量，冷沉淀{big}U"),
    ("WARN", "血液报废：血袋{bag}，{product}，报废原因：{scrapwhy}，审批人{name}"),
    ("WARN", "近效期提醒：{product}血袋{bag}将于{exphour}过期，剩余{hours}小时"),
    ("INFO", "fridge={fridgeid} t={ftemp} set=4.0 door=closed alarm=0"),
    ("ERROR", "储血设备温度报警：{fridgealarm}，已持续{mins}分钟，通知值班人{name}"),
    ("INFO", "运输箱{box}装箱完成：{n}袋，起运温度{temp}℃，目的地{hospital}，封箱人{name}"),
    ("INFO", "送达签收：{hospital}输血科{name}签收运输箱{box}，到达温度{temp}℃，途中{mins}分钟{signnote}"),
    ("WARN", "血液退回：{hospital}退回血袋{bag}，原因：{returnwhy}，已{returnop}"),
    ("INFO", "交叉配血：受血者{name}（{hospital}，住院号{inpatient}），血袋{bag}，主侧{match}，次侧{match}"),
    ("INFO", "招募短信发送：模板{sms}，目标{abo}型既往献血者{big}人，成功{big}人，失败{n}人"),
    ("INFO", "献血证发放：证号{cert}，献血者{name}，献血量{vol}ml，发放点：{site}"),
    ("ERROR", "POST /api/v2/province/upload batch={upbatch} status={http} err=\"{errbody}\" retry={retry}/5"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the station's desktop client writes a Chinese date with the weekday and the department
        cn = {"INFO": "信息", "WARN": "警示", "ERROR": "严重"}[level]
        return "2027年1月12日 星期二 %02d:%02d:%02d %s %s(%s)：" % (
            hh, mm, ss, cn, STATION, r.choice(["采血科", "检验科", "成分科", "供血科", "质管科"]))
    if form == 1:
        # the blood bank services are .NET and log with Serilog's file template and the source
        return "2027-01-12 %02d:%02d:%02d.%03d +08:00 [%s] (%s) " % (
            hh, mm, ss, r.randint(0, 999), {"INFO": "INF", "WARN": "WRN", "ERROR": "ERR"}[level],
            r.choice(SERILOG_SOURCES))
    # the issue and monitoring services are Node.js, printed through pino's pretty layout
    return "[%02d:%02d:%02d.%03d] %s (%s/%d on bb-node%d): " % (
        hh, mm, ss, r.randint(0, 999), level, r.choice(PINO_APPS), r.randint(1000, 30000), r.randint(1, 4))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "BD", 7 * 3600 + 900)
