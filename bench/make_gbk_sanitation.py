#!/usr/bin/env python3
"""A GBK log of a Chinese city sanitation and waste management platform with its truth.

    bench/make_gbk_sanitation.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 30 messages (truck GPS
points, arrivals at collection points, route deviation, speeding, tasks done and points missed,
bin fill levels, overflow alarms, sensors offline, weighbridge records and their disputes, trucks
entering and leaving transfer stations, household sorting checks passed and failed, points
redeemed, hazardous waste stored, furnace readings and low-temperature alarms, leachate levels,
complaints opened and closed, crew sign-in, sign-out and absence, vehicle faults and repairs,
fines for mis-sorting, pushes to the city platform, daily district tonnage), written to measure
the miner on and not to shape it: no rule was made or tuned on them. Each message keeps its own
frequency, GPS points by the thousand and a furnace alarm a few times a day. One of three header
forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

rint, real = gbk_messages.rint, gbk_messages.real

DISTRICTS = ["浦江区", "城北区", "临港新区", "梅陇镇", "高新区"]
STATIONS = ["梅陇生活垃圾中转站（2号压缩线）", "城北再生资源分拣中心", "临港湿垃圾处理厂", "浦江 小型压缩站 07",
            "高新区大件垃圾拆解点"]
COMMUNITIES = ["锦绣华庭", "阳光100 (二期)", "梅陇三村", "临港新城 滴水湖苑", "城北新村（东块）", "高新·云谷公寓"]
POINTS = ["1号投放亭", "南门定时定点投放点", "地下车库入口桶站", "3栋东侧", "菜场后门（湿垃圾专用）"]
CATS = ["厨余垃圾", "其他垃圾", "可回收物", "有害垃圾", "大件垃圾", "装修垃圾"]
TRUCKS = ["后装压缩车", "桶装垃圾收运车", "餐厨垃圾收运车", "勾臂车", "有害垃圾专用车（密闭）"]
ROADS = ["沪闵路近春申路", "城北大道（高架下）", "临港大道 2188号附近", "梅陇路/莲花路路口", "科苑路隧道出口"]
WRONG = ["厨余垃圾中混有塑料袋", "纸巾投入可回收物", "干湿未分", "废电池混入其他垃圾", "玻璃瓶未清洗",
         "外卖餐盒未倒净汤水", "大件垃圾随意堆放"]
SHOPS = ["绿色账户兑换点（社区超市）", "梅陇三村 便民服务站", "「再生小屋」回收站", "线上积分商城"]
GIFTS = ["《垃圾分类指南》手册", "环保购物袋", "洗衣液 1kg", "抽纸（6包装）", "10元话费券", "不锈钢饭盒"]
HAZARDS = ["废电池", "废荧光灯管", "过期药品", "废油漆桶", "废温度计", "杀虫剂罐"]
FURNACES = ["1#焚烧炉", "2#焚烧炉", "3#焚烧炉(检修后试运行)"]
SOURCES = ["12345热线", "微信小程序", "网格员上报", "市长信箱", "媒体曝光"]
COMPLAINTS = ["垃圾桶满溢未及时清运", "清运车辆夜间作业噪音扰民", "中转站异味严重", "收运车辆滴漏污水",
              "投放点周边蚊蝇多", "环卫工人态度差", "垃圾清运时间不固定"]
RESULTS = ["已加派车辆清运", "调整作业时间至6:00后", "中转站已喷洒除臭剂", "对涉事车辆停运整改", "已对作业人员批评教育"]
CREWS = ["保洁一班（早班）", "收运三组", "机扫夜班", "梅陇中转站 运行班", "城北清运队 二分队"]
FAULTS = [("P0217", "发动机水温过高"), ("H1203", "液压系统压力不足"), ("H0915", "压缩推板卡滞"),
          ("E0402", "车载称重传感器通讯中断"), ("B0031", "制动气压低"), ("L0006", "污水箱渗漏")]
GARAGES = ["沪环（集团）车辆维修厂", "城北汽修 二车间", "厂家驻点服务站", "临港专用车维修中心"]
PARTIES = ["个人", "物业公司", "餐饮单位", "保洁外包单位"]
VIOLATIONS = ["未按规定分类投放生活垃圾", "混装混运", "餐厨垃圾交由无资质单位收运", "随意倾倒建筑垃圾"]
THREADS = ["gps-recv-%d", "mqtt-in-%d", "task-sched-%d", "http-nio-8080-exec-%d"]
LOGGERS = ["c.h.sw.route.GpsTrackService", "c.h.sw.bin.FillLevelHandler", "c.h.sw.station.WeighbridgeService",
           "c.h.sw.classify.CheckService", "c.h.sw.plant.FurnaceMonitor", "c.h.sw.ticket.ComplaintService"]
MODULES_CN = ["收运监管", "智能桶站", "中转站", "分类督导", "末端处置", "热线工单", "车辆管理"]
GOFILES = ["gps_ingest.go", "bin_sensor.go", "scale.go", "gate.go", "dcs_bridge.go", "report.go"]


def plate(r):
    return "%s%s·%s%04d" % (r.choice("沪苏浙"), r.choice("ABDF"), r.choice("DFGHK"), r.randint(0, 9999))


def weigh(r):
    tare, net = r.randint(800, 1600), r.randint(50, 1800)
    return "毛重%.2f吨，皮重%.2f吨，净重%.2f吨" % ((tare + net) / 100, tare / 100, net / 100)


def arrival(r):
    plan = r.randint(4 * 60, 7 * 60)
    late = r.choice([0, 0, 0, r.randint(5, 60)])
    act = plan + late if late else plan - r.randint(0, 4)
    return "计划%02d:%02d，实际%02d:%02d%s" % (plan // 60, plan % 60, act // 60, act % 60,
                                           "，迟到%d分钟" % late if late else "")


def attended(r, lo, hi):
    total = r.randint(lo, hi)
    return r.randint(max(0, total - 3), total), total


def hazards(r):
    return "、".join("%s%.1f公斤" % (h, r.uniform(0.2, 30)) for h in r.sample(HAZARDS, r.randint(1, 4)))


def tonnage(r):
    food, rec, other, haz = r.uniform(80, 900), r.uniform(20, 300), r.uniform(200, 2000), r.uniform(5, 900)
    return "生活垃圾清运量%.1f吨，其中厨余垃圾%.1f吨、可回收物%.1f吨、有害垃圾%.1f公斤、其他垃圾%.1f吨" % (
        food + rec + other + haz / 1000, food, rec, haz, other)


V = {
    "name": gbk_messages.name,
    "wrong": lambda r: "、".join(r.sample(WRONG, r.randint(1, 3))),
    "point": lambda r: "%s %s" % (r.choice(COMMUNITIES), r.choice(POINTS)),
    "fault": lambda r: "%s（%s）" % r.choice(FAULTS),
    "party": lambda r: "%s%s" % (r.choice(PARTIES), gbk_messages.name(r)),
    "hazards": hazards,
    "points": lambda r: "、".join(sorted("P%03d" % p for p in r.sample(range(1, 400), r.randint(1, 5)))),
    "missed": gbk_messages.pick(["车辆故障", "道路施工无法进入", "投放点被占用", "超出当班作业时间"]),
    "sat": gbk_messages.pick(["满意", "基本满意", "不满意", "未评价"]),
    "weigh": weigh,
    "tonnage": tonnage,
    "arrival": arrival,
    "done": lambda r: "%d/%d" % attended(r, 8, 60),
    "attend": lambda r: "应到%d人，实到%d人" % attended(r, 4, 30)[::-1],
    "appeal": gbk_messages.optional(lambda r: "，当事人已申请%s" % r.choice(["行政复议", "陈述申辩", "分期缴纳"]), 0.3),
    "remark": gbk_messages.optional(lambda r: "，备注：%s" % r.choice(["已电话回访", "居民不在家", "物业陪同"]), 0.35),
    "plate": plate,
    "district": DISTRICTS, "station": STATIONS, "community": COMMUNITIES, "cat": CATS, "truck": TRUCKS,
    "road": ROADS, "shop": SHOPS, "gift": GIFTS, "furnace": FURNACES, "source": SOURCES, "crew": CREWS,
    "complaint": COMPLAINTS, "result": RESULTS, "garage": GARAGES, "violation": VIOLATIONS,
    "addr": lambda r: "%s%s%d号楼%d单元" % (r.choice(DISTRICTS), r.choice(COMMUNITIES), r.randint(1, 40),
                                          r.randint(1, 6)),
    "room": lambda r: "%d号楼%d室" % (r.randint(1, 40), r.randint(101, 2804)),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8, 9]), r.randint(0, 9), r.randint(0, 9999)),
    "route": lambda r: "XL-%s-%02d" % (r.choice(["PJ", "CB", "LG", "ML"]), r.randint(1, 40)),
    "dt": lambda r: "2026-03-%02d %02d:%02d:%02d" % (r.randint(15, 17), r.randint(0, 23), r.randint(0, 59),
                                                     r.randint(0, 59)),
    "task": rint(1, 99999, "SY20260318%05d"), "bin": rint(1, 30000, "TB%05d"), "emp": rint(1, 99999, "HW%05d"),
    "ticket": rint(0, 999999, "GD260318%06d"), "weighid": rint(0, 10 ** 10 - 1, "W%010d"),
    "fineno": lambda r: "%s城管罚字〔2026〕第%05d号" % (r.choice("浦北临梅"), r.randint(1, 99999)),
    "lng": real(121.2, 121.9, "%.6f"), "lat": real(30.9, 31.4, "%.6f"), "date": rint(1, 17, "3月%d日"),
    "ton": real(0.5, 30, "%.2f"), "kg": real(5, 900),
    "temp": real(850, 1050), "lowtemp": real(760, 849), "fluetemp": rint(150, 230), "cod": rint(800, 60000),
    "mg": real(2, 120), "pct": rint(0, 100, "%d%%"), "high": rint(81, 100, "%d%%"), "rate": real(70, 99, "%.1f%%"),
    "batt": rint(3, 100), "rssi": rint(-120, -70), "speed": rint(0, 60), "over": rint(41, 78),
    "dir": rint(0, 359), "km": real(10, 180), "m": rint(50, 3000), "level": real(0.5, 6.8, "%.2f"),
    "pts": rint(1, 20), "bal": rint(0, 3000), "gate": rint(1, 4), "pumps": rint(1, 3), "n": rint(1, 40),
    "money": gbk_messages.pick(["50", "100", "200", "500", "1000", "5000", "20000"]),
    "status": gbk_messages.pick(["500", "502", "503", "504"]),
    "ms": rint(30, 30000), "mins": rint(1, 90), "hours": rint(2, 72), "shift": rint(4, 10), "bintemp": rint(-2, 38),
}

V.update((k, gbk_messages.pick(v)) for k, v in V.items() if isinstance(v, list))

# weight, level, message
TEMPLATES = [
    (260, "INFO", "gps plate={plate} lng={lng} lat={lat} speed={speed}km/h dir={dir} acc=on route={route}"),
    (150, "INFO", "满溢度上报：桶号{bin}，点位「{point}」，满溢度{pct}，桶内温度{bintemp}℃，电量{batt}%"),
    (90, "INFO", "收运车辆到达收集点：车牌{plate}，线路{route}，收集点「{point}」，{arrival}"),
    (70, "INFO", "炉温监测 {furnace}：炉膛温度{temp}℃，烟气出口{fluetemp}℃，CO={mg}mg/Nm3，HCl={mg}mg/Nm3"),
    (60, "INFO", "地磅称重：{station} {gate}号地磅，车牌{plate}，{weigh}，品类：{cat}"),
    (45, "INFO", "中转站进场：{station}，车牌{plate}（{truck}），司机{name}，闸机{gate}号"),
    (45, "INFO", "中转站出场：{station}，车牌{plate}（{truck}），司机{name}，闸机{gate}号"),
    (40, "INFO", "分类检查通过：{community}{room}，投放品类：{cat}，督导员{name}，积分+{pts}，当前积分{bal}"),
    (22, "WARN", "分类检查未通过：{community}{room}，问题：{wrong}，督导员{name}已拍照留证{remark}"),
    (30, "WARN", "满溢告警：桶号{bin}（{cat}）满溢度{high}超过阈值80%，已生成清运任务{task}"),
    (28, "INFO", "收运任务完成：任务{task}，车牌{plate}，完成点位{done}，里程{km}km，收运量{ton}吨"),
    (20, "INFO", "积分兑换：居民{name}（{phone}）在{shop}兑换{gift}，消耗积分{bal}，剩余{bal}"),
    (18, "INFO", "班组签到：{crew}，班长{name}，{attend}，作业区域：{district}{road}"),
    (14, "INFO", "作业人员{name}（工号{emp}）签退，本班作业{shift}小时，打卡位置{lng},{lat}"),
    (14, "WARN", "ALARM_ROUTE_DEVIATION 车牌{plate}偏离规划线路{route}约{m}米，持续{mins}分钟，当前位置：{road}"),
    (12, "INFO", "投诉受理：工单号{ticket}，来源：{source}，投诉人{name}（{phone}），地址：{addr}，内容：{complaint}"),
    (10, "INFO", "投诉办结：工单号{ticket}，处理结果：{result}，回访满意度：{sat}"),
    (10, "WARN", "传感器离线：桶号{bin}已{hours}小时未上报，最后上报时间{dt}，NB-IoT信号{rssi}dBm"),
    (8, "WARN", "overspeed plate={plate} speed={over}km/h limit=40km/h road={road}"),
    (7, "WARN", "漏收告警：任务{task}未完成点位：{points}，原因：{missed}"),
    (6, "INFO", "有害垃圾入库：{station}暂存间，入库{hazards}，经办人{name}"),
    (5, "INFO", "渗滤液调节池液位{level}m，COD {cod}mg/L，{station}提升泵运行{pumps}台"),
    (4, "ERROR", "车辆故障：车牌{plate}（{truck}）上报故障码{fault}，位置：{road}，已停止作业"),
    (3, "INFO", "维修完成：车牌{plate}，故障{fault}，维修单位：{garage}，停驶{hours}小时"),
    (3, "INFO", "处罚决定书【{fineno}】已送达：当事人{party}，违法行为：{violation}，罚款{money}元{appeal}"),
    (2, "INFO", "日报：{district}{date}{tonnage}，分类准确率{rate}"),
    (2, "ERROR", "Failed to push tonnage to city platform: POST /api/v1/sanitation/daily returned {status} "
                 "(district={district}, cost={ms}ms)"),
    (1.5, "ERROR", "称重异常：车牌{plate}两次称重差值{kg}公斤超过允许误差，称重记录{weighid}已锁定，待{name}复核"),
    (1.2, "ERROR", "{furnace}炉膛温度{lowtemp}℃，连续{mins}分钟低于850℃，已自动投运辅助燃烧器"),
    (0.8, "WARN", "班组缺勤：{crew}实到{n}人低于最低配置，{district}临时抽调{name}、{name}顶岗"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the platform is a Java service; its pattern prints the thread and the logger
        return "2026-03-18 %02d:%02d:%02d.%03d [%s] %-5s %s - " % (
            hh, mm, ss, r.randint(0, 999), r.choice(THREADS) % r.randint(1, 16), level, r.choice(LOGGERS))
    if form == 1:
        # the district supervision client labels the module and the level in Chinese
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "【环卫监管】2026年03月18日 %02d:%02d:%02d ［%s］ 模块：%s | " % (hh, mm, ss, cn, r.choice(MODULES_CN))
    # the gateways at the stations and on the trucks are Go with a glog-like prefix
    return "%s0318 %02d:%02d:%02d.%06d %5d %s:%d] " % (
        level[0], hh, mm, ss, r.randint(0, 999999), r.randint(900, 30000), r.choice(GOFILES), r.randint(20, 400))


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "S", 4 * 3600 + 1500, (0, 1, 1, 2))


if __name__ == "__main__":
    main()
