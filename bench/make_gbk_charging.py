#!/usr/bin/env python3
"""A GBK log of a Chinese electric-vehicle charging network's platform with its truth.

    bench/make_gbk_charging.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages
(charging piles and their connectors, OCPP-style boot, status, meter and firmware frames,
charging sessions, payments and refunds, faults and repair orders, tariffs, load management),
written to measure the miner on and not to shape it: no rule was made or tuned on them.
One of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

STATIONS = ["滨江科技园充电站", "城西公交枢纽充电站", "高新区万象停车场（地下二层）", "临港物流园超充站",
            "北湖新村小区充电点", "云溪服务区（南向）", "东站P3停车楼", "市民中心地面停车场",
            "锦城广场B2充电区"]
PILE_TYPES = ["直流快充 120kW", "直流快充 60kW", "交流慢充 7kW", "液冷超充 480kW", "交流慢充 11kW"]
MAINT_COS = ["临江新能源运维有限公司", "恒电充电服务（云溪）有限公司", "鹤山市安充机电工程部"]
VENDORS = ["HengDian", "LinJiang-Power", "YunXi EV", "BeiHu Tech"]
CP_MODELS = ["DC120-2G", "DC60-1G", "AC7-W", "LC480-4G", "AC11-P"]
START_BY = ["扫码", "刷卡", "即插即充", "APP远程", "VIN自动识别"]
# the stop reason arrives in OCPP's words from newer piles and in Chinese from the old firmware
STOP_WHY = ["EVDisconnected", "Local", "Remote", "PowerLoss", "EmergencyStop", "充满自停",
            "用户主动结束", "余额不足", "达到设定金额", "BMS中止充电"]
OCPP_STATUS = ["Available", "Preparing", "Charging", "SuspendedEV", "SuspendedEVSE", "Finishing",
               "Faulted", "Unavailable"]
OCPP_ERRORS = ["NoError", "NoError", "NoError", "ConnectorLockFailure", "GroundFailure",
               "HighTemperature", "OverCurrentFailure", "PowerMeterFailure", "OtherError"]
OCPP_RESULTS = ["Accepted", "Rejected", "Accepted", "Timeout"]
FAULTS = ["急停按钮被按下", "绝缘检测异常", "枪头温度过高", "输出过压", "充电模块通讯失败", "柜门被打开",
          "电表通讯异常", "辅助电源故障", "枪锁未锁止", "散热风扇堵转"]
BMS_STAGES = ["handshake", "parameter_config", "charging", "CHM/BHM", "CRM/BRM", "CML/BCP"]
PAY_CH = ["扫码支付（聚合）", "会员余额", "充电卡", "企业月结", "先充后付"]
PAY_ERRS = [("PAY_TIMEOUT", "第三方支付超时"), ("INSUFFICIENT_BALANCE", "账户余额不足"),
            ("SIGN_ERROR", "回调签名校验失败"), ("ORDER_CLOSED", "订单已关闭"),
            ("RISK_REJECT", "风控拦截")]
REFUND_WHY = ["桩故障未充上电", "重复扣费", "occupancy fee disputed", "用户投诉 电量与显示不符",
              "测试订单"]
TARIFFS = ["2026夏季分时电价", "公交专用电价", "物流车夜间优惠", "小区居民充电价", "高速服务区统一价"]
PERIODS = ["尖峰", "高峰", "平段", "低谷"]
FW_STATUS = ["Downloading", "Downloaded", "Installing", "Installed", "InstallationFailed"]
CAR_MODELS = ["鸿川 E3 标准续航版", "朔原 S7 四驱长续航", "禾骏 M5 EV", "澄峰 Q1 城市版", "骁川 X9 增程"]
PLATE_PROV = "浙苏沪皖赣"
THREADS = ["ocpp-ws-nio-%d", "pay-callback-%d", "scheduling-%d", "mq-consumer-%d"]
LOGGERS = ["c.l.charge.ocpp.OcppFrameHandler", "c.l.charge.order.SessionService",
           "c.l.charge.pay.PayNotifyController", "c.l.charge.tariff.TariffPushJob",
           "c.l.charge.ops.FaultAlarmListener", "c.l.charge.grid.LoadBalanceTask"]
MODULES_CN = ["桩管理", "订单中心", "支付结算", "运维告警", "电价策略", "有序充电"]


def pile(r):
    # the platform numbers piles by district code and an eight-digit sequence
    return "%d%08d" % (r.choice([330106, 330108, 320213, 340104]), r.randint(1, 99999))


def plate(r):
    # new-energy plates: a D or F after the city letter, then five characters
    return "%s%s%s%04d" % (r.choice(PLATE_PROV), r.choice("ABCDEH"), r.choice("DF"), r.randint(0, 9999)) + \
        r.choice("0123456789ABCDEFGHJK")


def vin(r):
    return "L" + "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(16))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def meter_payload(r):
    # the JSON body of a MeterValues frame, logged as the pile sent it
    return '{"connectorId":%d,"transactionId":%d,"meterValue":[{"timestamp":"2026-05-06T%02d:%02d:%02dZ",' \
           '"sampledValue":[{"value":"%.1f","measurand":"Energy.Active.Import.Register","unit":"kWh"},' \
           '{"value":"%d","measurand":"SoC","unit":"Percent"}]}]}' % (
               r.randint(1, 2), r.randint(100000, 999999), r.randint(0, 23), r.randint(0, 59),
               r.randint(0, 59), r.uniform(0, 90000), r.randint(5, 100))


def piles(r):
    return "、".join("%d号" % k for k in sorted(r.sample(range(1, 25), r.randint(2, 6))))


def repairer(r):
    return "，处理人%s" % gbk_messages.name(r)


def discount(r):
    return r.choice(["无", "新用户立减%d元" % r.randint(3, 20), "会员%d折" % r.choice([8, 9]),
                     "coupon=CPN%06d" % r.randint(0, 999999)])


V = {
    "name": gbk_messages.name,
    "station": gbk_messages.pick(STATIONS),
    "piletype": gbk_messages.pick(PILE_TYPES),
    "maintco": gbk_messages.pick(MAINT_COS),
    "vendor": gbk_messages.pick(VENDORS),
    "cpmodel": gbk_messages.pick(CP_MODELS),
    "startby": gbk_messages.pick(START_BY),
    "stopwhy": gbk_messages.pick(STOP_WHY),
    "ocppstatus": gbk_messages.pick(OCPP_STATUS),
    "ocpperr": gbk_messages.pick(OCPP_ERRORS),
    "ocppresult": gbk_messages.pick(OCPP_RESULTS),
    "fault": gbk_messages.pick(FAULTS),
    "bmsstage": gbk_messages.pick(BMS_STAGES),
    "paych": gbk_messages.pick(PAY_CH),
    "refundwhy": gbk_messages.pick(REFUND_WHY),
    "tariffname": gbk_messages.pick(TARIFFS),
    "period": gbk_messages.pick(PERIODS),
    "fwstatus": gbk_messages.pick(FW_STATUS),
    "carmodel": gbk_messages.pick(CAR_MODELS),
    "payerr": lambda r: "%s（%s）" % r.choice(PAY_ERRS),
    "gunname": lambda r: r.choice(["A枪", "B枪", "1号枪", "2号枪", "connector#1", "connector#2"]),
    "gun": lambda r: str(r.randint(1, 2)),
    "pile": pile,
    "plate": plate,
    "vin": vin,
    "phone": phone,
    "payload": meter_payload,
    "piles": piles,
    "discount": discount,
    "repairer": gbk_messages.optional(repairer, 0.5),
    "session": lambda r: "CS2605%02d%08d" % (r.randint(1, 31), r.randint(0, 99999999)),
    "refund": lambda r: "RF%012d" % r.randint(0, 10 ** 12 - 1),
    "tariffid": lambda r: "T%04d" % r.randint(1, 300),
    "dispatch": lambda r: "DD-2026-%05d" % r.randint(1, 99999),
    "wo": lambda r: "YW%s%05d" % (r.choice(["2604", "2605"]), r.randint(1, 99999)),
    "faultcode": lambda r: "E%02X" % r.randint(1, 0x7F),
    "msgid": lambda r: "%08x-%04x" % (r.getrandbits(32), r.getrandbits(16)),
    "fw": lambda r: r.choice(["V%d.%d.%d" % (r.randint(1, 3), r.randint(0, 9), r.randint(0, 20)),
                              "V%d.%d build %04d" % (r.randint(1, 3), r.randint(0, 9), r.randint(101, 1231))]),
    "ts": lambda r: "2026-05-06 %02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "kwh": lambda r: "%.2f" % r.uniform(0.3, 95),
    "wh": lambda r: str(r.randint(100000, 99999999)),
    "kw": lambda r: str(r.choice([7, 20, 30, 40, 60, 90, 120, 240, 360])),
    "soc": lambda r: "%d%%" % r.randint(5, 100),
    "money": lambda r: "%.2f" % r.uniform(0.5, 180),
    "price": lambda r: "%.4f" % r.uniform(0.2, 1.6),
    "temp": lambda r: "%.1f" % r.uniform(35, 98),
    "pct": lambda r: "%d%%" % r.randint(60, 120),
    "mins": lambda r: str(r.randint(1, 240)),
    "hours": lambda r: str(r.choice([2, 4, 8, 24])),
    "n": lambda r: str(r.randint(1, 20)),
}

TEMPLATES = [
    ("INFO", "充电开始：订单{session}，站点：{station}，桩号{pile}-{gun}（{piletype}），车牌{plate}，启动方式：{startby}"),
    ("INFO", "充电结束：订单{session}，充电量{kwh}kWh，时长{mins}分钟，SOC {soc}→{soc}，停止原因：{stopwhy}"),
    ("DEBUG", "OCPP <= cp={pile} [2,\"{msgid}\",\"MeterValues\",{payload}]"),
    ("INFO", "BootNotification cp={pile} vendor={vendor} model={cpmodel} fw={fw} result={ocppresult}"),
    ("WARN", "桩{pile}心跳超时，最后心跳{ts}，已离线{mins}分钟，站点：{station}"),
    ("INFO", "StatusNotification cp={pile} connector={gun} status={ocppstatus} errorCode={ocpperr}"),
    ("INFO", "充电枪插入：桩{pile} {gunname}，车辆VIN={vin}"),
    ("INFO", "充电枪拔出：桩{pile} {gunname}，车辆VIN={vin}"),
    ("ERROR", "桩{pile}故障：{fault}（代码{faultcode}），枪温{temp}℃，已停止输出并通知运维{name}"),
    ("INFO", "故障恢复：桩{pile}，故障代码{faultcode}，持续{mins}分钟{repairer}"),
    ("WARN", "BMS握手失败 cp={pile} gun={gun} stage={bmsstage} retry={n} vin={vin}"),
    ("INFO", "支付成功：订单{session}，电费{money}元，服务费{money}元，优惠：{discount}，实付{money}元，支付方式：{paych}"),
    ("WARN", "支付失败：订单{session}，支付方式：{paych}，错误：{payerr}"),
    ("INFO", "退款已受理 refund_no={refund} order={session} amount={money} reason={refundwhy}"),
    ("WARN", "余额不足预警：用户{phone}账户余额{money}元，订单{session}预计{mins}分钟后自动结束"),
    ("INFO", "电价模板《{tariffname}》已生效：尖{price}元/kWh，峰{price}，平{price}，谷{price}，服务费{price}元/kWh，适用站点{n}个"),
    ("INFO", "下发电价 cp={pile} tariff_id={tariffid} period={period} price={price} result={ocppresult}"),
    ("INFO", "远程启动指令下发：桩{pile}-{gun}，订单{session}，应答{ocppresult}"),
    ("INFO", "远程停止指令下发：桩{pile}-{gun}，订单{session}，应答{ocppresult}"),
    ("WARN", "功率分配：{station}变压器负载率{pct}，站点总功率限制为{kw}kW，受影响桩：{piles}"),
    ("ERROR", "电表读数回退 cp={pile} meter_start={wh}Wh meter_now={wh}Wh，订单{session}已冻结待人工核对"),
    ("INFO", "占位费开始计费：车牌{plate}，{station}，充满后停留{mins}分钟，费率{price}元/分钟"),
    ("INFO", "固件升级 cp={pile} from={fw} to={fw} status={fwstatus}"),
    ("WARN", "有序充电：{station}进入{period}时段，{n}台桩降功率至{kw}kW（调度单号{dispatch}）"),
    ("INFO", "即插即充绑定成功：VIN {vin} 绑定用户{phone}，车型：{carmodel}"),
    ("ERROR", "结算异常：订单{session}平台电量{kwh}kWh与电表差值{kwh}kWh超过阈值，已转人工复核（复核人{name}）"),
    ("INFO", "运维工单{wo}已派发：{station}，桩{pile}，问题：{fault}，维修单位：{maintco}，要求{hours}小时内到场"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the platform is Spring Boot; logback prints the thread and the sleuth trace and span
        return "2026-05-06 %02d:%02d:%02d.%03d %-5s [%s] %s [%016x,%08x] - " % (
            hh, mm, ss, r.randint(0, 999), level, r.choice(THREADS) % r.randint(1, 32),
            r.choice(LOGGERS), r.getrandbits(64), r.getrandbits(32))
    if form == 1:
        # the provincial operator's private deployment labels every field in Chinese
        cn = {"DEBUG": "调试", "INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "时间=2026/05/06 %02d:%02d:%02d；级别=%s；模块=%s；" % (hh, mm, ss, cn, r.choice(MODULES_CN))
    # the OCPP gateways are C and write compact pipe-separated records
    return "20260506%02d%02d%02d|%s|cpgw-%02d|%d|" % (hh, mm, ss, level[0], r.randint(1, 6), r.randint(800, 9000))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CP", 6 * 3600 + 600)
