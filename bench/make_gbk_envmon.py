#!/usr/bin/env python3
"""A GBK log of a Chinese environmental monitoring platform (生态环境监测平台) with its truth.

    bench/make_gbk_envmon.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (air quality
stations, water quality sections, online monitoring of pollution sources, exceedance
alarms, validity checks, calibration, HJ212 transmission and manual sampling), written to
measure the miner on and not to shape it: no rule was made or tuned on them. One of three
header forms by the seed. The output depends only on the arguments.

Concentrations in air are written ug/m3: the superscript three has no GBK code, so the
platform's developers spell the unit in plain ASCII, as the real systems do.
"""

import gbk_messages

STATIONS = ["市监测站", "高新区管委会", "城东水厂", "奥体中心", "铁路南站", "开发区西区",
            "师范学院", "滨湖新区", "龙泉山对照点", "化工园区北"]
SECTIONS = ["清河入江口", "石桥", "龙王庙", "跨市界（上游）", "水库取水口",
            "工业园排洪渠", "沙湾大桥"]
# invented enterprise names only
FACTORIES = ["恒远热电有限公司", "鑫达水泥股份公司", "东岳化工有限责任公司", "华茂纸业有限公司",
             "金川钢铁集团二分厂", "瑞丰制药有限公司", "宏泰陶瓷厂", "城南污水处理厂"]
# gas outlets only: the exceedance alarms below are the flue-gas ones, in mg/m3
OUTLETS = ["DA001", "DA002", "DA003", "DA004", "1#锅炉", "2#窑尾"]
POLLUTANTS = ["二氧化硫", "氮氧化物", "颗粒物", "非甲烷总烃", "氯化氢", "氨"]
PRIMARY = ["PM2.5", "PM10", "O3", "NO2", "SO2", "CO"]
GRADES = ["优", "良", "轻度污染", "中度污染", "重度污染", "严重污染"]
WATER_CLASS = ["Ⅰ类", "Ⅱ类", "Ⅲ类", "Ⅳ类", "Ⅴ类", "劣Ⅴ类"]
WATER_ITEMS = ["溶解氧", "高锰酸盐指数", "化学需氧量", "五日生化需氧量", "氨氮", "总磷",
               "石油类", "氟化物"]
FACTORS = ["PM2.5", "PM10", "SO2", "NO2", "O3", "CO", "温度", "湿度"]
# CN codes the platform actually handles: real-time, minute, hourly, daily data and heartbeat
CN_CODES = ["2011", "2051", "2061", "2031", "9014"]
UPLOAD_FAILS = ["连接省平台超时", "对端返回拒绝应答（QnRtn=3）", "密码校验失败", "MN号未注册",
                "数据区长度超限", "Socket连接被重置", "时间戳超出允许偏差", "网关证书已过期"]
INVALID = ["仪器处于校准状态", "数据超出量程上限", "断电后恢复期数据", "负值异常",
           "PM2.5大于PM10", "采样流量偏离设定值", "站房温度超出范围", "人工标记停运"]
FLAGS = ["C", "M", "D", "T", "F", "H"]
CAL_FAILS = ["标气压力不足", "零气发生器故障", "跨度响应偏差超过±10%", "光源能量偏低",
             "流量计示值不稳定", "通讯超时未收到应答", "标气有效期已过"]
INSTRUMENTS = ["SO2分析仪", "NOx分析仪", "O3分析仪", "CO分析仪", "颗粒物监测仪",
               "COD在线分析仪", "氨氮分析仪", "烟气CEMS"]
LABS = ["市环境监测中心站实验室", "第三方检测机构（绿源检测）", "省中心实验室", "县监测站实验室"]
COMPANIES = ["青山环保运维公司", "蓝天环境技术公司", "碧水生态服务中心", "清源监测工程公司"]
CONDITIONS = ["停产", "检修", "启炉", "停炉", "烘炉", "故障"]
REPORTS = ["air_daily", "air_monthly", "water_weekly", "source_exceed", "validity_stat"]
USERS = ["admin", "zhangwei", "monitor01", "envbureau", "qc_li", "ops_wang"]
PARTS = ["采样头滤膜", "泵膜", "标气钢瓶", "除湿管", "纸带", "电磁阀", "干燥剂"]
TABLES = ["t_air_hour", "t_water_hour", "t_source_minute", "t_alarm_log"]
DB_ERRORS = ["Deadlock found when trying to get lock", "Duplicate entry for key 'PRIMARY'",
             "Lock wait timeout exceeded", "Connection reset by peer", "Data too long for column"]
CITIES = ["主城区", "东部新区", "北部工业区", "全市", "南部县区"]


def items(r):
    # the over-limit items of a section, as many as exceed, joined as in the daily bulletin
    return "、".join(r.sample(WATER_ITEMS, r.randint(1, 4)))


def points(r):
    # sampling points of a manual task: a list of varying length, half-width commas
    return ",".join("%s%d#" % (r.choice(["W", "S", "G"]), r.randint(1, 30)) for _ in range(r.randint(1, 5)))


def mn(r):
    # HJ212 device MN code: a four-digit region prefix and ten serial digits
    return "%d%010d" % (r.choice([3301, 3302, 3205, 4403]), r.randint(0, 9999999999))


def qn(r):
    return "2027%02d%02d%02d%02d%02d%03d" % (r.randint(1, 12), r.randint(1, 28), r.randint(0, 23),
                                             r.randint(0, 59), r.randint(0, 59), r.randint(0, 999))


def cn_date(r):
    return "%d年%d月%d日" % (r.choice([2026, 2027]), r.randint(1, 12), r.randint(1, 28))


def duration(r):
    m = r.randint(5, 900)
    if m < 60:
        return "%d分钟" % m
    return "%d小时%d分钟" % (m // 60, m % 60)


def retry(r):
    # only written when the scheduler is going to try again
    return "，将在%d分钟后重试" % r.choice([5, 10, 15, 30])


def remark(r):
    return "（备注：%s）" % r.choice(["平行样", "现场空白", "加急检测", "补采样品", "执法监测"])


def hour_range(r):
    h = r.randint(0, 22)
    return "%02d:00-%02d:00" % (h, h + 1)


V = {
    "station": gbk_messages.pick(STATIONS),
    "section": gbk_messages.pick(SECTIONS),
    "factory": gbk_messages.pick(FACTORIES),
    "outlet": gbk_messages.pick(OUTLETS),
    "pollutant": gbk_messages.pick(POLLUTANTS),
    "primary": gbk_messages.pick(PRIMARY),
    "grade": gbk_messages.pick(GRADES),
    "pgrade": gbk_messages.pick(GRADES[2:]),
    "wclass": gbk_messages.pick(WATER_CLASS),
    "target": gbk_messages.pick(["Ⅱ类", "Ⅲ类", "Ⅳ类"]),
    "factor": gbk_messages.pick(FACTORS),
    "cn": gbk_messages.pick(CN_CODES),
    "upfail": gbk_messages.pick(UPLOAD_FAILS),
    "invalid": gbk_messages.pick(INVALID),
    "flag": gbk_messages.pick(FLAGS),
    "calfail": gbk_messages.pick(CAL_FAILS),
    "instrument": gbk_messages.pick(INSTRUMENTS),
    "lab": gbk_messages.pick(LABS),
    "company": gbk_messages.pick(COMPANIES),
    "condition": gbk_messages.pick(CONDITIONS),
    "report": gbk_messages.pick(REPORTS),
    "user": gbk_messages.pick(USERS),
    "table": gbk_messages.pick(TABLES),
    "dberr": gbk_messages.pick(DB_ERRORS),
    "city": gbk_messages.pick(CITIES),
    "parts": lambda r: "、".join(r.sample(PARTS, r.randint(1, 3))),
    "items": items,
    "points": points,
    "name": gbk_messages.name,
    "mn": mn,
    "qn": qn,
    "crc": lambda r: "%04X" % r.randint(0, 0xFFFF),
    "task": lambda r: "CY-%d-%04d" % (r.choice([2026, 2027]), r.randint(1, 3000)),
    "sid": lambda r: str(r.randint(100001, 100480)),
    "pm25": lambda r: str(r.randint(3, 260)),
    "pm10": lambda r: str(r.randint(8, 420)),
    "so2": lambda r: str(r.randint(2, 80)),
    "no2": lambda r: str(r.randint(5, 150)),
    "o3": lambda r: str(r.randint(10, 300)),
    "aqi": lambda r: str(r.randint(15, 380)),
    "ph": lambda r: "%.2f" % r.uniform(6.2, 9.1),
    "do": lambda r: "%.2f" % r.uniform(1.5, 11.0),
    "codmn": lambda r: "%.1f" % r.uniform(1.0, 12.0),
    "nh3": lambda r: "%.3f" % r.uniform(0.02, 3.5),
    "tp": lambda r: "%.3f" % r.uniform(0.01, 0.6),
    "conc": lambda r: "%.1f" % r.uniform(0.5, 400.0),
    "limit": lambda r: str(r.choice([10, 20, 35, 50, 100, 150, 200])),
    "multiple": lambda r: "%.2f" % r.uniform(0.05, 6.0),
    "flow": lambda r: str(r.randint(20000, 900000)),
    "drift": lambda r: "%.1f" % r.uniform(-4.9, 4.9),
    "std": lambda r: "%.1f" % r.choice([50.0, 100.0, 200.0, 400.0, 800.0]),
    "meas": lambda r: "%.1f" % r.uniform(45.0, 820.0),
    "rerr": lambda r: "%.1f" % r.uniform(-9.9, 9.9),
    "pct": lambda r: "%.1f%%" % r.uniform(60.0, 100.0),
    "ts": lambda r: "%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "datatime": lambda r: "2027%02d%02d%02d0000" % (r.randint(1, 12), r.randint(1, 28), r.randint(0, 23)),
    "date": cn_date,
    "isodate": lambda r: "2027-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "hourrange": hour_range,
    "dur": duration,
    "n": lambda r: str(r.randint(1, 1500)),
    "hours": gbk_messages.pick(["24", "48", "72"]),
    "days": lambda r: str(r.randint(1, 20)),
    "hcount": lambda r: str(r.randint(3, 48)),
    "minutes": lambda r: str(r.randint(10, 720)),
    "ms": lambda r: str(r.randint(12, 8000)),
    "alevel": gbk_messages.pick(["Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ"]),
    "retry": gbk_messages.optional(retry, 0.5),
    "remark": gbk_messages.optional(remark, 0.35),
}

TEMPLATES = [
    ("INFO", "站点{station}小时数据入库：PM2.5={pm25}ug/m3，PM10={pm10}ug/m3，SO2={so2}ug/m3，NO2={no2}ug/m3，O3={o3}ug/m3，AQI={aqi}"),
    ("INFO", "{station}实时AQI为{aqi}，首要污染物：{primary}，空气质量{grade}"),
    ("WARN", "【超标报警】{factory}排口{outlet}{pollutant}实测浓度{conc}mg/m3，排放限值{limit}mg/m3，超标{multiple}倍"),
    ("INFO", "【报警解除】{factory}排口{outlet}{pollutant}浓度恢复至{conc}mg/m3，持续超标{dur}"),
    ("INFO", "HJ212数据包上传成功 MN={mn} CN={cn} QN={qn} 耗时{ms}ms"),
    ("ERROR", "HJ212数据包上传失败 MN={mn} CN={cn} QN={qn}，原因：{upfail}"),
    ("WARN", "报文CRC校验不通过，MN={mn}，期望{crc}，实际{crc}，已丢弃"),
    ("INFO", "断面{section}水质自动站上报：pH={ph}，溶解氧{do}mg/L，高锰酸盐指数{codmn}mg/L，氨氮{nh3}mg/L，总磷{tp}mg/L"),
    ("WARN", "断面{section}水质类别为{wclass}，未达到{target}考核目标，超标项目：{items}"),
    ("INFO", "数据有效性审核通过：站点{station}，时段{hourrange}，有效率{pct}"),
    ("WARN", "数据标记为无效（{flag}）：站点{station} 因子{factor} 时间{ts}，原因：{invalid}"),
    ("INFO", "{instrument}自动校准完成，零点漂移{drift}%，跨度漂移{drift}%，操作人：{name}"),
    ("ERROR", "{instrument}校准失败，设备MN={mn}，原因：{calfail}{retry}"),
    ("INFO", "采样任务{task}已派发给{name}、{name}，采样点位：{points}，要求{date}前完成"),
    ("INFO", "采样任务{task}已完成，采集样品{n}个，送检：{lab}{remark}"),
    ("WARN", "采样任务{task}逾期未完成，责任人{name}，已超期{days}天"),
    ("WARN", "设备{mn}离线超过{minutes}分钟，最后心跳{ts}，所属企业：{factory}"),
    ("INFO", "设备{mn}恢复在线，补传历史数据{n}条（DataTime起点{datatime}）"),
    ("INFO", "{factory}废气排口日均值：烟尘{conc}mg/m3，SO2 {conc}mg/m3，NOx {conc}mg/m3，烟气流量{flow}m3/h"),
    ("INFO", "user={user} action=export_report type={report} range={isodate}~{isodate} rows={n}"),
    ("WARN", "站点{station}{factor}数据连续{hcount}小时恒值，疑似仪器故障，已通知运维单位{company}"),
    ("INFO", "{factory}提交工况标记：{condition}，起止时间{ts}至{ts}，审核人{name}"),
    ("ERROR", "数据库写入失败 table={table} station_id={sid} err=\"{dberr}\""),
    ("INFO", "{company}完成{station}站例行巡检，更换{parts}"),
    ("WARN", "预警发布：{city}未来{hours}小时可能出现{pgrade}过程，首要污染物{primary}，建议启动{alevel}级应急响应"),
    ("INFO", "质控样考核合格：{factor}标样浓度{std}，测定值{meas}，相对误差{rerr}%"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the Java collector's logback pattern
        thread = r.choice(["hj212-recv-%d" % r.randint(1, 8), "quartz-worker-%d" % r.randint(1, 4), "main"])
        return "[2027-03-15 %02d:%02d:%02d,%03d] [%-5s] [%s] c.e.m.DataService - " % (
            hh, mm, ss, r.randint(0, 999), level, thread)
    if form == 1:
        # the platform's own audit text, read by the duty officers, with Chinese level names
        cn = {"INFO": "提示", "WARN": "告警", "ERROR": "故障"}[level]
        return "2027/03/15 %02d:%02d:%02d | %s | 监测中心-%s | " % (
            hh, mm, ss, cn, r.choice(["大气", "水环境", "污染源", "质控"]))
    # the C++ gateway that terminates HJ212 sockets uses a glog-style prefix
    return "%s0315 %02d:%02d:%02d.%06d %5d gateway.cc:%d] " % (
        level[0], hh, mm, ss, r.randint(0, 999999), r.randint(1000, 30000), r.randint(40, 900))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "EN", 5 * 3600 + 300)
