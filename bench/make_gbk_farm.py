#!/usr/bin/env python3
"""A GBK log of a Chinese smart-agriculture platform (智慧农业平台) with its truth.

    bench/make_gbk_farm.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (greenhouse
sensors, irrigation valves, fertigation, pest traps, spraying drones, cold storage, harvest
batches, traceability codes and weather alerts), written to measure the miner on and not to
shape it: no rule was made or tuned on them. One of three header forms by the seed. The
output depends only on the arguments.
"""

import gbk_messages

HOUSE_KINDS = ["连栋温室", "日光温室", "育苗棚", "薄膜大棚", "玻璃温室"]
CROPS = ["番茄", "樱桃番茄", "黄瓜", "草莓", "辣椒", "生菜", "茄子", "甜瓜", "西兰花", "水稻秧苗"]
TRIGGERS = ["定时", "手动", "墒情联动", "远程APP", "轮灌计划"]
VALVE_FAILS = ["电磁阀线圈开路", "RS485通讯超时", "管网压力不足", "阀门卡滞", "执行器供电异常",
               "控制器离线", "流量计无反馈", "指令校验失败"]
RECIPES = ["番茄坐果期", "黄瓜结瓜期", "草莓开花期", "叶菜通用", "育苗期低浓度", "辣椒膨果期"]
ACTIONS = ["开启天窗", "启动湿帘", "展开遮阳网", "启动风机", "开启侧窗", "暂停补光灯"]
NOTES = ["午间强光", "阴天回收", "按农技员建议", "巡棚时手动调整"]
PESTS = ["烟粉虱", "蓟马", "蚜虫", "斜纹夜蛾", "美洲斑潜蝇", "小菜蛾", "红蜘蛛"]
ADVICE = ["悬挂黄板", "释放丽蚜小蜂", "喷施苦参碱", "加强通风降湿", "安排人工巡查"]
PESTICIDES = ["吡虫啉", "阿维菌素", "苦参碱", "多菌灵", "嘧菌酯", "氯虫苯甲酰胺"]
DRONE_REASONS = ["电量低", "RTK信号丢失", "风速超过作业上限", "药箱已空", "遥控链路中断",
                 "雷达避障触发", "进入禁飞区", "喷头堵塞"]
CUSTOMERS = ["永辉生鲜配送中心", "县农产品供销社", "绿源果蔬合作社", "城东农贸批发市场",
             "学校食堂统配", "社区团购仓"]
TRACE_FAILS = ["溯源码不存在", "签名校验失败", "批次已召回", "查询次数超限", "二维码已过期",
               "疑似伪造码"]
CITIES = ["北京市", "上海市", "杭州市", "成都市", "寿光市", "广州市", "武汉市", "西安市"]
COUNTIES = ["寿光市气象台", "昌乐县气象台", "青州市气象台", "临朐县气象台"]
ALERT_COLORS = ["蓝色", "黄色", "橙色", "红色"]
WEATHERS = ["大风", "暴雨", "霜冻", "冰雹", "高温", "寒潮", "大雾"]
MQTT_REASONS = ["keepalive timeout", "connection reset by peer", "auth failed",
                "broker unavailable", "TLS handshake error"]
ROLES = ["园区管理员", "农技员", "种植户", "仓管员", "植保飞手"]
CLIENTS = ["Android", "iOS", "小程序", "PC"]
WORKS = ["打顶", "疏果", "授粉", "整枝", "除草", "追肥", "采摘", "吊蔓", "打老叶"]
GRADES = ["特级", "一级", "二级", "等外"]


def greenhouse(r):
    return "%d号%s" % (r.randint(1, 24), r.choice(HOUSE_KINDS))


def sensor(r):
    return "%s-%04d" % (r.choice(["TH", "THL", "SOIL", "CO2"]), r.randint(1, 2400))


def duration(r):
    s = r.randint(5, 7200)
    if s < 60:
        return "%d秒" % s
    if s < 3600:
        return "%d分%d秒" % (s // 60, s % 60)
    return "%d小时%d分" % (s // 3600, s // 60 % 60)


def tanks(r):
    # the fertigation unit reports only the stock tanks it actually draws from
    return "、".join(sorted(r.sample(["A", "B", "C", "D", "酸液"], r.randint(1, 4))))


def actions(r):
    return "、".join(r.sample(ACTIONS, r.randint(1, 4)))


def plots(r):
    # plot ids as the mission planner exports them, comma separated without spaces
    row = r.choice("ABCDEF")
    first = r.randint(1, 30)
    return ",".join("%s-%02d" % (row, first + i) for i in range(r.randint(1, 5)))


def plate(r):
    return r.choice("鲁冀豫苏京") + r.choice("ABCGHMV") + "".join(
        r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789") for _ in range(5))


def cn_date(r):
    return "%d月%d日%d时" % (r.randint(1, 12), r.randint(1, 28), r.randint(0, 23))


V = {
    "gh": greenhouse,
    "sensor": sensor,
    "crop": lambda r: r.choice(CROPS),
    "name": gbk_messages.name,
    "temp": lambda r: "%.1f" % r.uniform(-2, 42),
    "rh": lambda r: "%.1f" % r.uniform(20, 99),
    "lux": lambda r: str(r.randint(0, 98000)),
    "co2": lambda r: str(r.randint(300, 1600)),
    "soil": lambda r: "%.1f" % r.uniform(8, 45),
    "retry": lambda r: str(r.randint(1, 5)),
    "hms": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "valve": lambda r: "V%02d-%02d" % (r.randint(1, 16), r.randint(1, 12)),
    "mins": lambda r: str(r.randint(1, 180)),
    "trigger": gbk_messages.pick(TRIGGERS),
    "water": lambda r: "%.2f" % r.uniform(0.1, 60),
    "vstate": gbk_messages.pick(["开启", "关闭"]),
    "vfail": gbk_messages.pick(VALVE_FAILS),
    "fert": lambda r: "FM-%d" % r.randint(1, 6),
    "recipe": gbk_messages.pick(RECIPES),
    "ec": lambda r: "%.2f" % r.uniform(0.8, 4.5),
    "ec_hi": lambda r: "%.2f" % r.uniform(3.6, 6.0),
    "ec_goal": lambda r: r.choice(["1.80", "2.00", "2.20", "2.50", "3.00"]),
    "ph": lambda r: "%.1f" % r.uniform(5.2, 7.4),
    "tanks": tanks,
    "thr": lambda r: str(r.choice([30, 32, 35])),
    "hot": lambda r: "%.1f" % r.uniform(35.1, 47.5),
    "actions": actions,
    "ratio": lambda r: str(r.choice([0, 25, 50, 75, 100, r.randint(1, 99)])),
    "note": gbk_messages.optional(lambda r: "（备注：%s）" % r.choice(NOTES), 0.35),
    "trap": lambda r: "CQ%03d" % r.randint(1, 80),
    "pest": gbk_messages.pick(PESTS),
    "count": lambda r: str(r.randint(0, 900)),
    "limit": lambda r: str(r.choice([50, 100, 200, 300])),
    "advice": gbk_messages.pick(ADVICE),
    "date": lambda r: "2027%02d%02d" % (r.randint(3, 10), r.randint(1, 28)),
    "img": lambda r: "%08x" % r.getrandbits(32),
    "drone": lambda r: "UAV-%s%02d" % (r.choice(["T", "P", "M"]), r.randint(1, 20)),
    "task": lambda r: "ZB%06d" % r.randint(1, 999999),
    "plots": plots,
    "pesticide": gbk_messages.pick(PESTICIDES),
    "dose": lambda r: str(r.choice([15, 20, 30, 40, 50, 60, 80])),
    "mu": lambda r: "%.1f" % r.uniform(2, 300),
    "dur": duration,
    "dreason": gbk_messages.pick(DRONE_REASONS),
    "bat": lambda r: str(r.randint(5, 100)),
    "cold": lambda r: "%d号冷库" % r.randint(1, 8),
    "ctemp": lambda r: "%.1f" % r.uniform(-1.5, 5.5),
    "cbad": lambda r: "%.1f" % r.uniform(7.5, 16),
    "cset": lambda r: r.choice(["0", "2", "4", "-1"]),
    "pallets": lambda r: str(r.randint(0, 420)),
    "batch": lambda r: "HB%s-%03d" % ("2027%02d%02d" % (r.randint(3, 10), r.randint(1, 28)), r.randint(1, 200)),
    "kg": lambda r: "%.1f" % r.uniform(20, 5000),
    "grade": gbk_messages.pick(GRADES),
    "customer": gbk_messages.pick(CUSTOMERS),
    "plate": plate,
    "trace": lambda r: "37%012d" % r.randint(0, 10 ** 12 - 1),
    "n": lambda r: str(r.randint(1, 5000)),
    "tfail": gbk_messages.pick(TRACE_FAILS),
    "ip": lambda r: "%d.%d.%d.%d" % (r.randint(1, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "city": gbk_messages.pick(CITIES),
    "county": gbk_messages.pick(COUNTIES),
    "acolor": gbk_messages.pick(ALERT_COLORS),
    "weather": gbk_messages.pick(WEATHERS),
    "cndate": cn_date,
    "plan": gbk_messages.optional(lambda r: "，已启动%s应急预案" % r.choice(["Ⅲ级", "Ⅱ级", "Ⅰ级"]), 0.45),
    "ws": lambda r: "QX-%02d" % r.randint(1, 12),
    "wind": lambda r: "%.1f" % r.uniform(0, 22),
    "rain": lambda r: "%.1f" % r.choice([0, 0, r.uniform(0, 80)]),
    "hpa": lambda r: "%.1f" % r.uniform(990, 1035),
    "gw": lambda r: "GW-%04X" % r.randint(0, 0xFFFF),
    "mqtt": gbk_messages.pick(MQTT_REASONS),
    "sec": lambda r: str(r.choice([5, 10, 30, 60])),
    "role": gbk_messages.pick(ROLES),
    "client": gbk_messages.pick(CLIENTS),
    "work": gbk_messages.pick(WORKS),
}

TEMPLATES = [
    ("INFO", "{gh}传感器{sensor}采集成功：温度{temp}℃，湿度{rh}%RH，光照{lux}lux，CO2浓度{co2}ppm"),
    ("WARN", "{gh}传感器{sensor}采集超时，已重试{retry}次，最后在线时间{hms}"),
    ("INFO", "{gh}土壤墒情：含水率{soil}%，EC {ec}mS/cm，地温{temp}℃"),
    ("WARN", "{gh}温度超限：当前{hot}℃，阈值{thr}℃，已联动{actions}"),
    ("INFO", "灌溉阀门{valve}开启，区域：{gh}，计划时长{mins}分钟，触发方式={trigger}"),
    ("INFO", "灌溉阀门{valve}关闭，区域：{gh}，实际时长{mins}分钟，累计用水{water}立方米"),
    ("ERROR", "阀门{valve}动作失败（目标状态：{vstate}），原因：{vfail}"),
    ("INFO", "水肥一体机{fert}开始施肥：配方「{recipe}」，EC={ec}mS/cm，pH={ph}，母液桶{tanks}"),
    ("WARN", "水肥一体机{fert}EC值偏高：实测{ec_hi}mS/cm，目标{ec_goal}mS/cm，已自动补清水稀释"),
    ("INFO", "{gh}遮阳网展开至{ratio}%，操作人：{name}{note}"),
    ("INFO", "虫情测报灯{trap}上报：诱捕{pest}{count}头，图片已上传 oss://farm-pest/{date}/{img}.jpg"),
    ("WARN", "虫情预警：{gh}{pest}日诱虫量{count}头，超过防治指标{limit}头，建议{advice}"),
    ("INFO", "植保无人机{drone}起飞，任务号{task}，作业地块[{plots}]，药剂：{pesticide}，亩用量{dose}mL"),
    ("INFO", "植保无人机{drone}降落，任务号{task}，作业面积{mu}亩，用时{dur}"),
    ("ERROR", "植保无人机{drone}自动返航：{dreason}，剩余电量{bat}%"),
    ("INFO", "{cold}巡检正常：温度{ctemp}℃，湿度{rh}%RH，库存{pallets}托"),
    ("ERROR", "{cold}温度异常：{cbad}℃（设定{cset}℃），已持续{mins}分钟，已短信通知{name}"),
    ("INFO", "采收批次{batch}入库：作物={crop}，重量{kg}kg，等级{grade}，存放{cold}"),
    ("INFO", "采收批次{batch}出库：客户{customer}，重量{kg}kg，车牌{plate}"),
    ("INFO", "溯源码生成成功 batch={batch} count={n} prefix={trace}"),
    ("INFO", "溯源码{trace}被扫描，第{n}次查询，地区：{city}"),
    ("WARN", "溯源码{trace}查询异常：{tfail}，来源IP {ip}"),
    ("WARN", "气象预警：{county}发布{weather}{acolor}预警信号，有效期至{cndate}{plan}"),
    ("INFO", "气象站{ws}数据同步：风速{wind}m/s，降雨量{rain}mm，气压{hpa}hPa"),
    ("ERROR", "网关{gw}与平台MQTT连接断开 reason={mqtt} reconnect_in={sec}s"),
    ("INFO", "用户{name}登录农事APP，角色：{role}，终端={client}"),
    ("INFO", "农事记录：{name}在{gh}完成{work}作业，作物{crop}，耗时{dur}"),
]


def header(r, form, t, level):
    us = r.randint(0, 999999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the Java services of the platform log through logback with a thread name
        return "[2027-04-18 %02d:%02d:%02d,%03d] [%-5s] [%s] c.agri.platform.EventHub - " % (
            hh, mm, ss, us // 1000, level,
            r.choice(["mqtt-in-%d" % r.randint(1, 4), "pool-2-thread-%d" % r.randint(1, 16), "scheduler-1"]))
    if form == 1:
        # the edge controllers in the greenhouses are C++ and log glog style
        return "%s0418 %02d:%02d:%02d.%06d %5d %s] " % (
            level[0], hh, mm, ss, us, r.randint(300, 32000),
            r.choice(["edge_main.cc:88", "sensor_poll.cc:214", "valve_ctl.cc:361", "uplink.cc:47"]))
    cn = {"INFO": "信息", "WARN": "告警", "ERROR": "故障"}[level]
    return "<%s> 2027年4月18日 %02d:%02d:%02d 智慧农业平台/%s节点 - " % (
        cn, hh, mm, ss, r.choice(["东区", "西区", "育苗中心", "冷链"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "FA", 5 * 3600 + 300)
