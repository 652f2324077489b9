#!/usr/bin/env python3
"""A GBK log of a Chinese car dealer's after-sales service system with its truth.

    bench/make_gbk_aftersales.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (appointments
and no-shows, repair orders and vehicle walk-round, technician dispatch and work, extra
items, parts drawn from stock, shortages and receipts, quality checks, warranty claims and
their sync with the maker, settlement and delivery, customer callbacks, recalls, insurance
repairs, service reminders), written to measure the miner on and not to shape it: no rule
was made or tuned on them when they were first measured; rules were shaped on their errors
later (SHAPED_ON in pattern_accuracy.py). One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

STORES = ["禾骏汽车临江4S店", "澄峰云溪城西店", "骁川北湖授权服务中心", "朔原鹤山特约维修站", "鸿川滨江体验中心"]
# models as the sales system holds them: brand, series, engine and trim separated by blanks
CAR_MODELS = ["禾骏 H6 1.5T 豪华版", "禾骏 M5 EV 长续航", "澄峰 Q3 2.0T 四驱旗舰型", "骁川 X9 增程版",
              "朔原 S7 1.5L 手动舒适型", "鸿川 E3 标准续航版"]
SERVICES = ["首保", "常规保养", "钣金喷漆", "事故维修", "保修", "召回", "机修", "空调检修"]
JOBS = ["更换机油及机滤", "四轮定位", "更换前刹车片", "空调滤芯更换", "左前门钣金", "后保险杠喷漆",
        "发动机故障灯检查", "电池健康检测", "更换雨刮片", "轮胎换位"]
FINDINGS = ["前刹车片厚度仅剩2mm", "右后轮胎鼓包", "蓄电池电压偏低", "空调滤芯严重脏污",
            "左前减震器漏油", "正时皮带有裂纹", "刹车油含水量超标"]
# parts carry the maker's number; a few of the older ones still use the legacy dotted form
PARTS = [("机油滤清器", "HJ-1012010"), ("空气滤清器", "HJ-1109120"), ("前刹车片（套）", "CF-3501080"),
         ("雨刮片 左", "XC-5205100L"), ("蓄电池 60Ah", "SY-3703010"), ("火花塞", "HC-3707100"),
         ("前保险杠皮", "CF-2803111"), ("空调滤芯", "81.61910.0076")]
WAREHOUSES = ["主库", "快修库", "钣喷库", "WH-02"]
QC_FAILS = ["异响未消除", "故障灯仍亮", "漆面有流挂", "车内未清洁", "轮胎气压未调整", "螺栓扭矩未复核"]
CLAIM_REJECTS = ["超出保修期", "非质量问题（人为损坏）", "缺少故障照片", "故障代码与维修项目不符",
                 "配件未按要求返厂", "VIN not in warranty database"]
OEM_STATUS = ["SUBMITTED", "APPROVED", "REJECTED", "PAID", "待审核", "已结算"]
PAY = ["刷卡", "扫码支付", "现金", "会员卡", "保险直赔", "厂家索赔", "挂账（集团客户）"]
SAT = ["非常满意", "满意", "一般", "不满意", "5分", "4分", "2分"]
COMPLAINTS = ["等待时间太长", "洗车不干净", "收费与报价不一致", "问题未修好 再次进厂",
              "服务顾问态度差", "车内有烟味"]
INSURERS = ["鹤山财产保险", "云溪联合保险", "临江安和保险"]
CAMPAIGNS = [("RC2026-03", "更换燃油泵"), ("RC2026-07", "升级电池管理软件"), ("RC2025-11", "检查后悬架螺栓"),
             ("SC-0412", "免费检查空调管路")]
FUEL = ["1/4", "1/2", "3/4", "满", "空", "SOC 35%", "SOC 80%"]
APPEARANCE = ["无明显损伤", "左后门划痕", "前保险杠凹陷", "右侧后视镜破损", "多处划痕（已拍照）"]
VALUABLES = ["无", "行车记录仪", "儿童座椅", "笔记本电脑（已交客户）"]
CONFIRM_OPS = ["确认", "拒绝"]
CONFIRM_BY = ["电话", "短信链接", "现场签字", "APP消息"]
NEXT_CALL = ["2小时后重拨", "明日再次回访", "转短信问卷", "已达最大呼叫次数，关闭回访"]
ERR_BODIES = ["connect timed out", "无效的经销商代码", "token expired", "claim duplicated", "系统维护中"]
NET_CLASSES = ["RepairOrder", "Appointment", "Parts.Stock", "Warranty.ClaimSync", "Callback", "Settlement"]
SVCS = ["dms-aftersales", "dms-parts", "dms-warranty", "dms-crm"]


def plate(r):
    return "%s%s%s" % (r.choice("浙苏皖赣闽"), r.choice("ABCDEFGH"),
                       "".join(r.choice("0123456789" * 3 + "ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(5)))


def vin(r):
    return r.choice(["LHJ", "LCF", "LXC", "LSY"]) + "".join(
        r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(14))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def apptime(r):
    half = r.choice(["上午", "下午"])
    hour = r.randint(8, 11) if half == "上午" else r.randint(1, 5)
    return "%d月%d日%s%d:%s" % (6, r.randint(1, 30), half, hour, r.choice(["00", "30"]))


def svcs(r):
    return "、".join(r.sample(JOBS, r.randint(1, 4)))


def part(r):
    # name and number must match, so the pair is drawn together
    p = r.choice(PARTS)
    return "part_no=%s part=%s" % (p[1], p[0])


def part_cn(r):
    p = r.choice(PARTS)
    return "%s（%s）" % p


def discount(r):
    return r.choice(["无折扣", "工时%d折" % r.choice([7, 8, 9]), "材料%d折" % r.choice([8, 9]),
                     "使用保养券%d张" % r.randint(1, 3)])


def damage(r):
    return "，%d件外包装破损已拍照" % r.randint(1, 5)


def comment(r):
    return "，客户留言：%s" % r.choice(["服务很好", "下次还来", "希望增加休息区充电口", "ok", "顾问很专业"])


V = {
    "name": gbk_messages.name,
    "carmodel": gbk_messages.pick(CAR_MODELS),
    "svc": gbk_messages.pick(SERVICES),
    "remind": gbk_messages.pick(["常规保养", "更换刹车油", "四轮定位", "空调清洗", "更换变速箱油"]),
    "job": gbk_messages.pick(JOBS),
    "finding": gbk_messages.pick(FINDINGS),
    "wh": gbk_messages.pick(WAREHOUSES),
    "qcfail": gbk_messages.pick(QC_FAILS),
    "claimreject": gbk_messages.pick(CLAIM_REJECTS),
    "oemstatus": gbk_messages.pick(OEM_STATUS),
    "paych": gbk_messages.pick(PAY),
    "sat": gbk_messages.pick(SAT),
    "complaint": gbk_messages.pick(COMPLAINTS),
    "insco": gbk_messages.pick(INSURERS),
    "fuel": gbk_messages.pick(FUEL),
    "appearance": gbk_messages.pick(APPEARANCE),
    "valuables": gbk_messages.pick(VALUABLES),
    "confirmop": gbk_messages.pick(CONFIRM_OPS),
    "confirmby": gbk_messages.pick(CONFIRM_BY),
    "nextcall": gbk_messages.pick(NEXT_CALL),
    "errbody": gbk_messages.pick(ERR_BODIES),
    "campaign": lambda r: "《%s》（%s）" % tuple(reversed(r.choice(CAMPAIGNS))),
    "part": part,
    "partcn": part_cn,
    "plate": plate,
    "vin": vin,
    "phone": phone,
    "apptime": apptime,
    "svcs": svcs,
    "discount": discount,
    "damage": gbk_messages.optional(damage, 0.2),
    "comment": gbk_messages.optional(comment, 0.3),
    "ro": lambda r: "RO%s%05d" % (r.choice(["2606", "2605"]), r.randint(1, 99999)),
    "po": lambda r: "PO-%06d" % r.randint(1, 999999),
    "claim": lambda r: "WC%d%06d" % (2026, r.randint(1, 999999)),
    "caseno": lambda r: "BA%018d" % r.randint(0, 10 ** 18 - 1),
    "dtc": lambda r: "%s%04X" % (r.choice("PCBU"), r.randint(0, 0x3FFF)),
    "bay": lambda r: r.choice(["机修%d号工位", "钣喷%d号工位", "快保%d号工位", "bay-%02d"]) % r.randint(1, 16),
    "auditor": lambda r: r.choice([gbk_messages.name(r), "OEM-%s" % r.choice(["east", "south", "central"])]),
    "date": lambda r: "2025-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "status": lambda r: r.choice(["500", "502", "503", "504", "401"]),
    "km": lambda r: str(r.randint(300, 180000)),
    "road": lambda r: "%.1f" % r.uniform(1, 15),
    "qty": lambda r: str(r.randint(1, 8)),
    "stock": lambda r: str(r.randint(0, 3)),
    "money": lambda r: "%.2f" % r.uniform(30, 26000),
    "hours": lambda r: "%.1f" % r.uniform(0.2, 72),
    "mins": lambda r: str(r.randint(10, 300)),
    "ms": lambda r: str(r.randint(30, 15000)),
    "big": lambda r: str(r.randint(5, 400)),
    "n": lambda r: str(r.randint(1, 12)),
}

TEMPLATES = [
    ("INFO", "预约成功：客户{name}（{phone}），车牌{plate}，车型：{carmodel}，预约{apptime}到店{svc}"),
    ("WARN", "预约爽约：客户{name}，车牌{plate}，预约时间{apptime}，已释放{bay}"),
    ("INFO", "接车开单：工单{ro}，车牌{plate}，VIN {vin}，进厂里程{km}km，服务顾问{name}，项目：{svcs}"),
    ("INFO", "环车检查：工单{ro}，油量/电量{fuel}，外观：{appearance}，贵重物品：{valuables}"),
    ("INFO", "派工：工单{ro}项目【{job}】分配给技师{name}（{bay}），标准工时{hours}h"),
    ("INFO", "技师{name}开工：工单{ro}，项目【{job}】"),
    ("INFO", "技师{name}完工：工单{ro}，项目【{job}】"),
    ("WARN", "增项待确认：工单{ro}发现{finding}，报价{money}元，等待客户确认"),
    ("INFO", "客户已{confirmop}增项：工单{ro}，金额{money}元，确认方式：{confirmby}"),
    ("INFO", "领料出库 ro={ro} {part} qty={qty} warehouse={wh} operator={name}"),
    ("WARN", "配件缺货：{partcn}，需求{qty}件，可用库存{stock}件，已向厂家下订货单{po}"),
    ("INFO", "配件到货入库：订货单{po}，共{n}种{big}件，验收人{name}{damage}"),
    ("INFO", "质检通过：工单{ro}，质检员{name}，路试{road}km"),
    ("WARN", "质检返工：工单{ro}，问题：{qcfail}，退回技师{name}"),
    ("INFO", "保修索赔提交：索赔单{claim}，VIN {vin}，故障码{dtc}，索赔金额{money}元（工时{money}元，配件{money}元）"),
    ("WARN", "保修索赔被驳回：索赔单{claim}，驳回原因：{claimreject}，审核人{auditor}"),
    ("INFO", "claim sync claim_no={claim} oem_status={oemstatus} paid={money} cost={ms}ms"),
    ("ERROR", "索赔系统接口调用失败 url=/api/v2/claim/submit http={status} err={errbody} retry={n}"),
    ("INFO", "结算完成：工单{ro}，工时费{money}元，材料费{money}元，{discount}，实收{money}元，付款方式：{paych}"),
    ("INFO", "交车：工单{ro}，车牌{plate}，交车人{name}，在厂时长{hours}小时"),
    ("INFO", "回访完成：工单{ro}，客户{name}，满意度：{sat}，回访专员{name}{comment}"),
    ("WARN", "回访不满意：工单{ro}，客户反馈：{complaint}，已升级至服务经理{name}"),
    ("WARN", "回访未接通：工单{ro}，客户{phone}，第{n}次呼叫，{nextcall}"),
    ("INFO", "召回活动{campaign}匹配到车辆{plate}（VIN {vin}），已推送短信通知"),
    ("INFO", "保险事故车登记：工单{ro}，保险公司：{insco}，报案号{caseno}，定损金额{money}元，定损员{name}"),
    ("WARN", "{bay}占用超时：工单{ro}已超出预计完工时间{mins}分钟，技师{name}"),
    ("INFO", "保养提醒已发送：车牌{plate}，上次保养{date}，当前里程约{km}km，建议{remind}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the dealer management system is .NET with log4net's default pattern: thread number first
        return "2026-06-12 %02d:%02d:%02d,%03d [%d] %-5s Dms.AfterSales.%s - " % (
            hh, mm, ss, r.randint(0, 999), r.randint(1, 64), level, r.choice(NET_CLASSES))
    if form == 1:
        # the store terminal stamps which store and which clerk did it, in Chinese labels
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[时间:2026-06-12 %02d:%02d:%02d][级别:%s][门店:%s][操作员:%s] " % (
            hh, mm, ss, cn, r.choice(STORES), gbk_messages.name(r))
    # the group's newer services are Go and log key=value, with the text after a bar
    return "time=2026-06-12T%02d:%02d:%02d+08:00 level=%s svc=%s node=as-%02d | " % (
        hh, mm, ss, level.lower(), r.choice(SVCS), r.randint(1, 6))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "AS", 8 * 3600 + 600)
