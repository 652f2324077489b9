#!/usr/bin/env python3
"""A GBK log of a Chinese fire-safety IoT platform with its truth.

    bench/make_gbk_firesafety.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (smoke,
heat, gas and residual-current detectors, hydrant and sprinkler pressure, water tanks,
fire alarms and their handling, false alarms, device registration and battery, patrols
and hazards, maintenance companies and contracts, control-room duty, linkage tests,
fire panel events), written to measure the miner on and not to shape it: no rule was made
or tuned on them. One of three header forms by the seed. The output depends only on the
arguments.
"""

import gbk_messages

SITES = ["星河商务中心", "临江第一中学", "云溪人民医院住院部", "锦城广场购物中心", "北湖养老服务中心",
         "鹤山纺织厂3号车间", "滨江天地写字楼", "青石苑小区"]
# install locations are typed by the installer on site, hence the blanks and mixed styles
LOCS = ["3F 东侧走廊", "B1 配电房", "厨房（二楼）", "5号楼楼梯间", "地下车库C区", "机房", "12层 1205室",
        "仓库（原料库）"]
DEV_TYPES = ["独立式感烟探测器", "点型感温探测器", "可燃气体探测器", "手动报警按钮", "声光警报器",
             "电气火灾监控探测器", "无线烟感（NB）"]
DEV_CODES = ["SMOKE_NB", "HEAT_LORA", "GAS_4G", "HYDRANT_P", "SPRAY_P", "LEVEL_W", "EFM_4G"]
NETS = ["NB-IoT", "LoRa", "Cat.1", "4G", "RS485"]
CONFIRMS = ["真实火警", "误报", "测试", "设备故障"]
FALSE_WHY = ["厨房油烟", "吸烟", "装修粉尘", "水蒸气（浴室）", "探测器老化", "蚊虫进入迷宫"]
MAINT_COS = ["安泰消防技术服务有限公司", "临江卫安消防工程有限公司", "鹤山市恒盾消防设施维保中心",
             "云溪消安科技有限公司"]
MAINT_TYPES = ["月度维保", "季度检测", "年度检测", "故障维修"]
CHECK_ITEMS = ["灭火器压力", "疏散指示标志", "应急照明", "防火门闭合", "消防通道畅通", "消火栓箱完好",
               "喷淋末端试水", "火灾报警控制器自检", "排烟风机"]
HAZARDS = ["消防通道被电动车占用", "防火门常开", "灭火器压力不足", "安全出口上锁", "应急灯损坏",
           "消火栓被遮挡", "私拉电线充电", "疏散指示灯不亮"]
LINKAGES = ["排烟风机", "正压送风机", "防火卷帘", "消防广播", "电梯迫降", "非消防电源切断", "声光报警"]
CIRCUITS = ["1AL配电箱第3回路", "照明回路L2", "空调回路", "厨房动力回路", "AP-2-1"]
GASES = ["天然气", "液化石油气", "CO"]
PUSH = ["短信", "语音电话", "APP推送", "公众号消息"]
# fire panels report their own event words; the older ones only in English
EVT_DESC = ["火警", "故障", "屏蔽", "启动", "反馈", "FIRE", "FAULT", "DISABLE", "RESET"]
VALVE_STATES = ["正常", "已动作", "信号阀关闭", "压力开关未复位"]
GRADES = ["A", "B", "C", "D"]
MINUS = ["设备离线率高", "隐患逾期未整改", "值班脱岗", "维保记录缺失", "误报率高", "巡查未完成"]
HOSTS = ["fire-iot-%02d", "edge-gw-%02d"]
APPS = ["alarm-center", "device-access", "patrol-svc", "notify"]
THREADS = ["nb-recv-%d", "lora-uplink-%d", "alarm-dispatch-%d", "XNIO-1 task-%d"]
LOGGERS = ["c.x.fire.access.NbUplinkHandler", "c.x.fire.alarm.AlarmDispatcher",
           "c.x.fire.patrol.PatrolTaskService", "c.x.fire.notify.PushService",
           "c.x.fire.panel.PanelFrameParser"]
MODULES_CN = ["接入服务", "告警中心", "巡查管理", "维保管理", "值班管理", "联网主机"]


def imei(r):
    return "86%013d" % r.randint(0, 10 ** 13 - 1)


def names(r):
    return "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 3)))


def check_items(r):
    return "、".join(r.sample(CHECK_ITEMS, r.randint(2, 6)))


def minus(r):
    return "、".join(r.sample(MINUS, r.randint(1, 3)))


def tamper_by(r):
    return "，现场人员%s已确认" % gbk_messages.name(r)


def push_fail(r):
    return "，其中%d人推送失败（%s）" % (r.randint(1, 3), r.choice(["号码停机", "用户关闭通知", "timeout"]))


V = {
    "name": gbk_messages.name,
    "site": gbk_messages.pick(SITES),
    "loc": gbk_messages.pick(LOCS),
    "devtype": gbk_messages.pick(DEV_TYPES),
    "devcode": gbk_messages.pick(DEV_CODES),
    "net": gbk_messages.pick(NETS),
    "confirm": gbk_messages.pick(CONFIRMS),
    "falsewhy": gbk_messages.pick(FALSE_WHY),
    "maintco": gbk_messages.pick(MAINT_COS),
    "mtype": gbk_messages.pick(MAINT_TYPES),
    "hazard": gbk_messages.pick(HAZARDS),
    "linkage": gbk_messages.pick(LINKAGES),
    "circuit": gbk_messages.pick(CIRCUITS),
    "gas": gbk_messages.pick(GASES),
    "pushch": gbk_messages.pick(PUSH),
    "evtdesc": gbk_messages.pick(EVT_DESC),
    "valvestate": gbk_messages.pick(VALVE_STATES),
    "grade": gbk_messages.pick(GRADES),
    "hydrant": lambda r: r.choice(["室内消火栓", "室外消火栓", "消火栓"]) + "%s-%02d" % (
        r.choice(["XHS", "SN", "SW"]), r.randint(1, 40)),
    "imei": imei,
    "names": names,
    "items": check_items,
    "minus": minus,
    "tamperby": gbk_messages.optional(tamper_by, 0.4),
    "pushfail": gbk_messages.optional(push_fail, 0.25),
    "alarmno": lambda r: "BJ2603%02d%06d" % (r.randint(1, 31), r.randint(0, 999999)),
    "hazardno": lambda r: "YH-%05d" % r.randint(1, 99999),
    "contract": lambda r: "WB-%d-%04d" % (r.choice([2025, 2026]), r.randint(1, 9999)),
    "cert": lambda r: "%d%010d" % (r.choice([4, 5]), r.randint(0, 10 ** 10 - 1)),
    "siteid": lambda r: str(r.randint(10000, 99999)),
    "hostid": lambda r: "FAC-%03d" % r.randint(1, 300),
    "valve": lambda r: "%d#" % r.randint(1, 12),
    "iccid": lambda r: "8986%016d" % r.randint(0, 10 ** 16 - 1),
    "fw": lambda r: "V%d.%d.%d" % (r.randint(1, 4), r.randint(0, 9), r.randint(0, 30)),
    "date": lambda r: "2026年%d月%d日" % (r.randint(4, 9), r.randint(1, 28)),
    "evtcode": lambda r: "0x%04X" % r.randint(0x0100, 0x0FFF),
    "loop": lambda r: str(r.randint(1, 16)),
    "addr": lambda r: str(r.randint(1, 242)),
    "smoke": lambda r: "%.2f" % r.uniform(0.05, 1.8),
    "mpa": lambda r: "%.2f" % r.uniform(0.0, 1.2),
    "mpalow": lambda r: "%.2f" % r.uniform(0.0, 0.09),
    "mpamin": gbk_messages.pick(["0.10", "0.14", "0.20"]),
    "level": lambda r: "%.2f" % r.uniform(0.2, 4.5),
    "batt": lambda r: str(r.randint(0, 100)),
    "volt": lambda r: "%.2f" % r.uniform(2.6, 3.6),
    "rssi": lambda r: str(r.randint(-120, -60)),
    "ma": lambda r: str(r.randint(30, 1000)),
    "temp": lambda r: "%.1f" % r.uniform(20, 95),
    "lel": lambda r: str(r.randint(5, 60)),
    "score": lambda r: "%.1f" % r.uniform(40, 100),
    "sec": lambda r: str(r.randint(2, 900)),
    "mins": lambda r: str(r.randint(5, 180)),
    "hours": lambda r: str(r.randint(1, 240)),
    "days": lambda r: str(r.choice([1, 3, 7, 15, 30])),
    "n": lambda r: str(r.randint(1, 40)),
}

TEMPLATES = [
    ("ERROR", "火警：{site}{loc}，{devtype}（IMEI {imei}）报警，烟雾浓度{smoke}dB/m，已推送值班人员{name}"),
    ("INFO", "火警处理：报警单{alarmno}，确认结果：{confirm}，处理人{name}，响应用时{sec}秒"),
    ("WARN", "误报确认：报警单{alarmno}，原因：{falsewhy}，{site}本月累计误报{n}次"),
    ("WARN", "水压异常：{site}{hydrant}当前压力{mpalow}MPa，低于下限{mpamin}MPa"),
    ("INFO", "hydrant_pressure dev={imei} site_id={siteid} p={mpa}MPa batt={batt}% rssi={rssi}dBm"),
    ("WARN", "液位过低：{site}消防水池液位{level}m，设计有效水位{level}m"),
    ("INFO", "设备上线 imei={imei} type={devcode} net={net} fw={fw}"),
    ("WARN", "设备离线：{devtype} {imei}，{site}{loc}，已离线{hours}小时"),
    ("WARN", "低电量：{devtype}{imei}电量{batt}%，电压{volt}V，请{maintco}及时更换电池"),
    ("WARN", "设备拆除告警：{imei}，{site}{loc}{tamperby}"),
    ("ERROR", "电气火灾预警：{site}{circuit}剩余电流{ma}mA（阈值{ma}mA），线缆温度{temp}℃"),
    ("INFO", "巡查任务开始：{site}，巡查人{name}，计划点位{n}个"),
    ("INFO", "巡查任务结束：{site}，巡查人{name}，计划点位{n}个"),
    ("WARN", "巡查发现隐患：{site}{loc}，{hazard}，已拍照{n}张，限期{days}天整改"),
    ("INFO", "隐患整改完成：隐患单{hazardno}，整改人{name}，复查人{name}"),
    ("INFO", "维保记录提交：{maintco}对{site}完成{mtype}，检查项：{items}，维保人员：{names}"),
    ("WARN", "维保合同即将到期：{site}与{maintco}，合同编号{contract}，到期日{date}"),
    ("INFO", "消防控制室值班签到：{site}，值班员{name}（证书编号{cert}）"),
    ("WARN", "消防控制室脱岗：{site}，值班员{name}已离开{mins}分钟"),
    ("INFO", "联动测试：{site}【{linkage}】启动成功，反馈时间{sec}秒"),
    ("ERROR", "联动失败：{site}【{linkage}】未收到反馈信号，主机回路{loop}地址{addr}"),
    ("INFO", "主机报文解析 host={hostid} loop={loop} addr={addr} evt={evtcode} desc={evtdesc}"),
    ("INFO", "推送通知：报警单{alarmno}已通过{pushch}推送{n}人{pushfail}"),
    ("WARN", "喷淋末端压力{mpa}MPa，{site}{loc}，湿式报警阀组{valve}状态：{valvestate}"),
    ("INFO", "月度评分：{site}消防安全评分{score}分，等级{grade}，扣分项：{minus}"),
    ("ERROR", "可燃气体浓度超限：{site}{loc}，{gas}浓度{lel}%LEL，已联动关闭电磁阀{valve}"),
    ("INFO", "设备注册：{devtype}，IMEI {imei}，ICCID {iccid}，安装位置：{site} {loc}，安装人{name}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    ms = r.randint(0, 999)
    if form == 0:
        # the edge gateways ship RFC 5424 syslog; the structured-data field is always empty
        pri = {"INFO": 134, "WARN": 132, "ERROR": 131}[level]
        return "<%d>1 2026-03-09T%02d:%02d:%02d.%03d+08:00 %s %s %d - - " % (
            pri, hh, mm, ss, ms, r.choice(HOSTS) % r.randint(1, 8), r.choice(APPS), r.randint(100, 40000))
    if form == 1:
        # the cloud services are Java; logback with the thread, line number and the tracing agent's TID
        return "2026-03-09 %02d:%02d:%02d.%03d [%s] %-5s %s:%d [TID:%s.%d.%d] - " % (
            hh, mm, ss, ms, r.choice(THREADS) % r.randint(1, 20), level, r.choice(LOGGERS),
            r.randint(40, 600), "%032x" % r.getrandbits(128), r.randint(1, 99), r.randint(10 ** 12, 10 ** 13))
    # the county supervision front end writes its own bracketed Chinese prefix
    cn = {"INFO": "信息", "WARN": "预警", "ERROR": "告警"}[level]
    return "[消防物联网][%s][03-09 %02d:%02d:%02d][%s] " % (cn, hh, mm, ss, r.choice(MODULES_CN))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "FS", 2 * 3600 + 300)
