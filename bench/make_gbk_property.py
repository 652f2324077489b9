#!/usr/bin/env python3
"""A GBK log of a Chinese residential property-management system with its truth.

    bench/make_gbk_property.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (access
control, visitors, repair work orders, fee payments, patrols, elevator and fire alarms,
parcel lockers and notices), written to measure the miner on and not to shape it: no rule
was made or tuned on them. One of three header forms by the seed. The output depends only
on the arguments.
"""

import gbk_messages

COMMUNITIES = ["锦绣华庭", "翠湖天地", "阳光100", "金地名京", "保利香槟国际", "碧水湾二期"]
DOORS = ["东门人行闸机", "西门车行道闸", "1栋单元门", "5栋2单元门", "地库电梯厅", "南门访客通道",
         "会所入口"]
GATES = ["东门岗", "西门岗", "南门岗", "北门岗", "地库岗"]
OPEN_WAYS = ["人脸识别", "IC卡", "手机蓝牙", "二维码", "远程开门", "密码"]
DENY = ["人脸比对不通过", "卡片已挂失", "卡片未授权该门禁", "二维码已失效", "住户已迁出",
        "超出通行时段", "密码错误次数过多", "黑名单人员", "设备时钟不同步"]
REPAIRS = ["卫生间漏水", "厨房下水道堵塞", "客厅灯不亮", "入户门锁损坏", "空调冷凝水管滴水",
           "墙面渗水发霉", "窗户关不严", "楼道声控灯失灵", "燃气表报警", "对讲门铃无声音"]
CANCEL = ["已自行修好", "报修重复", "家中无人", "改约其他时间", "问题已消失", "误操作提交"]
ROLES = ["客服主管", "工程主管", "项目经理", "值班经理"]
PAY = ["微信支付", "支付宝", "银联", "前台现金", "银行代扣", "预存抵扣"]
FEE_ITEMS = ["物业服务费", "公摊水电费", "车位管理费", "垃圾清运费", "电梯运行费", "二次供水费"]
PATROL_POINTS = ["1号楼大堂", "地库B1-A区", "配电房", "水泵房", "东门岗亭", "儿童游乐区",
                 "消防控制室", "12号楼天台", "垃圾站", "南侧围墙"]
ROUTES = ["夜间A线", "夜间B线", "日间外围线", "地库专线"]
MAINT = ["奥达电梯维保", "恒安机电", "通力达维保中心", "市特检院驻点"]
ELEV_FAULTS = ["门锁回路断开", "平层超差", "安全回路断开", "变频器过流", "抱闸检测异常",
               "轿厢超载", "编码器信号丢失"]
FIRE_DEVS = ["感烟探测器", "感温探测器", "手动报警按钮", "消火栓按钮", "可燃气体探测器"]
FIRE_CONCLUSIONS = ["误报（油烟）", "误报（施工粉尘）", "测试报警", "设备故障", "真实火情已处置",
                    "误报（水汽）"]
LOCKER_SIZES = ["大格", "中格", "小格", "超小格"]
NOTICES = ["关于小区停水的通知", "关于开展消防演练的通知", "电梯年检安排", "春节期间物业服务安排",
           "关于规范电动车充电的温馨提示", "二次供水水箱清洗公告", "业主大会筹备公告"]
COMPANIES = ["鑫达装饰", "美家工程", "匠心设计工作室", "顺安建材", "业主自装"]
FACE_DEVS = ["FD-E01", "FD-W02", "FD-U17", "FD-B1-03", "FD-S05"]


def room(r):
    # building, unit and floor/number, as owners and the front desk write it
    floor = r.randint(1, 33)
    return "%d栋%d单元%d%02d" % (r.randint(1, 18), r.randint(1, 4), floor, r.randint(1, 4))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def plate(r):
    return (r.choice("京沪粤浙苏川鄂湘") + r.choice("ABCDE")
            + "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789") for _ in range(5)))


def fee(r):
    return "%d.%02d" % (r.randint(10, 6000), r.choice([0, 0, 50, r.randint(0, 99)]))


def duration(r):
    m = r.randint(5, 2880)
    if m < 60:
        return "%d分钟" % m
    return "%d小时%d分钟" % (m // 60, m % 60)


def works_period(r):
    # a renovation permit runs from its start date for one to four months
    m, d = r.randint(1, 8), r.randint(1, 28)
    return "2027年%d月%d日至2027年%d月%d日" % (m, d, m + r.randint(1, 4), r.randint(1, 28))


def period(r):
    y = r.choice([2026, 2027])
    return "%d-%02d" % (y, r.randint(1, 12))


def fee_items(r):
    # the overdue notice lists every unpaid item, so its length varies
    return "、".join(r.sample(FEE_ITEMS, r.randint(1, 4)))


def missed_points(r):
    return "、".join(r.sample(PATROL_POINTS, r.randint(1, 5)))


def visitor_plate(r):
    # only visitors who drive in have a plate recorded
    return "，车牌" + plate(r)


def urgent(r):
    return "，已标记" + r.choice(["加急", "紧急", "优先处理"])


def meter_abnormal(r):
    return "（异常户：%s）" % "、".join(room(r) for _ in range(r.randint(1, 3)))


V = {
    "name": gbk_messages.name,
    "name2": gbk_messages.name,
    "room": room,
    "phone": phone,
    "plate": plate,
    "fee": fee,
    "dur": duration,
    "works": works_period,
    "period": period,
    "community": gbk_messages.pick(COMMUNITIES),
    "door": gbk_messages.pick(DOORS),
    "gate": gbk_messages.pick(GATES),
    "open": gbk_messages.pick(OPEN_WAYS),
    "deny": gbk_messages.pick(DENY),
    "repair": gbk_messages.pick(REPAIRS),
    "cancel": gbk_messages.pick(CANCEL),
    "role": gbk_messages.pick(ROLES),
    "pay": gbk_messages.pick(PAY),
    "point": gbk_messages.pick(PATROL_POINTS),
    "route": gbk_messages.pick(ROUTES),
    "maint": gbk_messages.pick(MAINT),
    "efault": gbk_messages.pick(ELEV_FAULTS),
    "fdev": gbk_messages.pick(FIRE_DEVS),
    "fconc": gbk_messages.pick(FIRE_CONCLUSIONS),
    "size": gbk_messages.pick(LOCKER_SIZES),
    "notice": gbk_messages.pick(NOTICES),
    "company": gbk_messages.pick(COMPANIES),
    "facedev": gbk_messages.pick(FACE_DEVS),
    "feeitems": fee_items,
    "missed": missed_points,
    "vplate": gbk_messages.optional(visitor_plate, 0.35),
    "urgent": gbk_messages.optional(urgent, 0.3),
    "abnormal": gbk_messages.optional(meter_abnormal, 0.45),
    "wo": lambda r: "WO%s%05d" % (r.choice(["20270315", "20270316"]), r.randint(0, 99999)),
    "order": lambda r: "PAY%d%08d" % (r.randint(1, 9), r.randint(0, 99999999)),
    "code": lambda r: "%06d" % r.randint(0, 999999),
    "pcode": lambda r: "%d-%d-%04d" % (r.randint(1, 9), r.randint(1, 9), r.randint(0, 9999)),
    "locker": lambda r: "KG-%02d%s" % (r.randint(1, 12), r.choice("ABCD")),
    "slot": lambda r: str(r.randint(1, 96)),
    "elev": lambda r: "%d栋%d号梯" % (r.randint(1, 18), r.randint(1, 3)),
    "bldg": lambda r: "%d栋" % r.randint(1, 18),
    "floor": lambda r: str(r.choice([-2, -1] + list(range(1, 34)))),
    "faddr": lambda r: "回路%d地址%03d" % (r.randint(1, 8), r.randint(1, 250)),
    "ecode": lambda r: "E%02d" % r.randint(1, 60),
    "errcode": lambda r: r.choice(["SIGN_ERROR", "INVALID_CERT", "40029", "TIMESTAMP_EXPIRED", "-1"]),
    "sn": lambda r: "".join(r.choice("0123456789ABCDEF") for _ in range(12)),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 3), r.randint(0, 40), r.randint(2, 254)),
    "card": lambda r: "%010d" % r.randint(0, 4294967295),
    "mfee": lambda r: r.choice(["0", "%d" % r.randint(5, 300), "%d.50" % r.randint(5, 300)]),
    "stay": lambda r: str(r.randint(1, 12)),
    "deposit": lambda r: str(r.choice([20, 30, 50, 100])),
    "n": lambda r: str(r.randint(1, 1200)),
    "k": lambda r: str(r.randint(0, 30)),
    "mins": lambda r: str(r.choice([15, 30, 45, 60, 90, 120])),
    "hours": lambda r: str(r.randint(1, 72)),
    "days": lambda r: str(r.randint(1, 400)),
    "round": lambda r: str(r.randint(1, 6)),
    "sec": lambda r: str(r.randint(-300, 600)),
    "stars": lambda r: str(r.randint(1, 5)),
    "ms": lambda r: str(r.randint(300, 9000)),
    "pct": lambda r: "%.1f%%" % (r.random() * 100),
    "clock": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
}

TEMPLATES = [
    ("INFO", "门禁{door}开门成功，住户{name}（{room}），方式：{open}"),
    ("WARN", "门禁{door}开门失败，住户{name}（{room}），方式：{open}，原因：{deny}"),
    ("INFO", "访客{name}登记来访{room}，被访人{name2}，手机{phone}，预计停留{stay}小时{vplate}"),
    ("INFO", "访客通行码{code}已核销，门岗：{gate}"),
    ("WARN", "访客通行码{code}已过期，拒绝通行，门岗：{gate}"),
    ("INFO", "业主{name}报修：{room}{repair}，工单号{wo}{urgent}"),
    ("INFO", "业主{name}取消报修，工单号{wo}，原因：{cancel}"),
    ("INFO", "工单{wo}已派给维修师傅{name}（{phone}），预计{mins}分钟内上门"),
    ("INFO", "工单{wo}已完工，耗时{dur}，材料费{mfee}元，业主评价{stars}星"),
    ("WARN", "工单{wo}超时未响应，已升级至{role}{name}"),
    ("INFO", "物业费缴纳成功 room={room} period={period} amount={fee} channel={pay} order={order}"),
    ("ERROR", "缴费回调验签失败 order={order} channel={pay} errcode={errcode}"),
    ("WARN", "{room}欠缴{feeitems}共计{fee}元，已逾期{days}天，已短信催缴{phone}"),
    ("INFO", "巡更员{name}到达巡更点[{point}]，第{round}轮，偏差{sec}秒"),
    ("WARN", "巡更漏检：路线{route}，未打卡点位：{missed}"),
    ("ERROR", "电梯{elev}困人报警，轿厢停于{floor}层，已通知维保单位{maint}"),
    ("ERROR", "电梯{elev}故障，代码{ecode}：{efault}，已停梯"),
    ("ERROR", "消防主机报警：{bldg}{floor}层{fdev}触发（{faddr}），值班员{name}前往确认"),
    ("INFO", "消防报警已复位：{bldg}{fdev}（{faddr}），结论：{fconc}，处理人{name}"),
    ("INFO", "快递柜{locker}投递成功，格口{slot}（{size}），取件码{pcode}已发送至{phone}"),
    ("WARN", "快递柜{locker}包裹滞留超过{hours}小时，格口{slot}，收件人{phone}"),
    ("INFO", "{role}{name}发布通知《{notice}》，推送{n}户，已读率{pct}"),
    ("INFO", "装修申请审批通过：{room}，施工单位{company}，工期{works}"),
    ("WARN", "FaceAuth timeout, device={facedev} ip={ip} cost={ms}ms, fallback to IC card"),
    ("ERROR", "门禁控制器离线 SN={sn} ip={ip}，最后心跳{clock}"),
    ("INFO", "{name}为{room}补办门禁卡，卡号{card}，押金{deposit}元"),
    ("INFO", "{community}{bldg}水电表抄表完成，共{n}户，异常{k}户{abnormal}"),
]

LOGGERS = ["c.w.pm.access.DoorService", "c.w.pm.order.WorkOrderJob", "c.w.pm.fee.BillService",
           "c.w.pm.iot.AlarmListener", "c.w.pm.notice.PushTask"]
SEVERITY = {"INFO": 6, "WARN": 4, "ERROR": 3}


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the Java back end: logback with its pool thread and a shortened logger name
        return "2027-03-15 %02d:%02d:%02d,%03d %-5s [http-nio-8080-exec-%d] %s - " % (
            hh, mm, ss, ms, level, r.randint(1, 20), r.choice(LOGGERS))
    if form == 1:
        # the on-site gateway writes for the duty room staff, in Chinese
        cn = {"INFO": "信息", "WARN": "告警", "ERROR": "故障"}[level]
        return "2027年03月15日 %02d:%02d:%02d 〔%s〕 物业平台｜" % (hh, mm, ss, cn)
    # forwarded over syslog (RFC 5424, facility local0)
    return "<%d>1 2027-03-15T%02d:%02d:%02d.%03d+08:00 pm-gw%02d propertyd %d - - " % (
        128 + SEVERITY[level], hh, mm, ss, ms, r.randint(1, 4), r.randint(1000, 32000))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "PM", 7 * 3600 + 300)
