#!/usr/bin/env python3
"""A GBK log of a Chinese community vaccination clinic's immunisation system with its truth.

    bench/make_gbk_vaccine.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 29 messages (appointments
made, cancelled and refused, registration and screening, consent, vaccinations and trace-
code scans, the observation period, suspected adverse reactions and their reports, cold-
chain readings, alarms and power cuts, stock in and out, expiry and shortage warnings,
losses, uploads to the provincial platform, calling, charges, intervals, catch-up reminders
and the daily total), written to measure the miner on and not to shape it: no rule was made
or tuned on them when they were first measured; rules were shaped on their errors later
(SHAPED_ON in pattern_accuracy.py). One of three header forms by the seed. The output
depends only on the arguments.
"""

import gbk_messages

CLINICS = ["城东社区卫生服务中心预防接种门诊", "鹤山镇卫生院接种点", "北湖街道社区卫生服务站（成人门诊）",
           "临江区妇幼保健院 产科接种室", "云溪犬伤处置门诊", "梅山新村数字化接种门诊"]
# vaccines as the stock list names them, with the codes the provincial platform uses
VACCINES = [("乙肝疫苗（酿酒酵母）10μg", "0201"), ("脊灰灭活疫苗（IPV）", "0305"), ("百白破疫苗", "0401"),
            ("麻腮风联合减毒活疫苗", "1401"), ("13价肺炎球菌多糖结合疫苗", "2802"), ("流感病毒裂解疫苗（四价）", "5003"),
            ("HPV疫苗（9价）", "5803"), ("水痘减毒活疫苗", "2401"), ("重组带状疱疹疫苗(CHO细胞)", "6101"),
            ("狂犬病疫苗（Vero细胞） 冻干", "2801")]
MAKERS = ["云溪生物制品有限公司", "临江生物技术股份有限公司", "北湖疫苗（中国）有限公司", "Hengkang Biologics Ltd.",
          "鹤山生物 制药研究所"]
SUPPLIERS = ["区疾病预防控制中心", "市疾控中心冷链配送站", "临江医药物流（疫苗配送）有限公司"]
CHANNELS = ["微信公众号", "健康城市APP", "现场取号", "电话预约", "家庭医生代约", "mini_program"]
CANCEL_WHY = ["受种者发热", "时间冲突", "已在其他门诊接种", "疫苗到货延迟，门诊统一取消", "监护人主动取消"]
APPT_FAIL = ["QUOTA_FULL", "AGE_NOT_ELIGIBLE", "DUPLICATE_APPOINTMENT", "STOCK_LOCKED", "ID_VERIFY_FAILED"]
SCREEN = ["无异常", "近期无发热", "有青霉素过敏史（非疫苗成分）", "正在服用抗生素", "上次接种后局部红肿"]
CONTRA = ["腋温37.8℃", "急性支气管炎发作期", "对疫苗成分（新霉素）过敏", "妊娠期", "近1个月内使用免疫球蛋白",
          "上一剂次后出现高热惊厥"]
SIGN_WAYS = ["电子签名（平板）", "纸质签字后拍照上传", "监护人手机确认"]
SITES = ["左上臂三角肌", "右上臂三角肌", "左大腿前外侧", "右大腿前外侧", "口服"]
ROUTES = ["肌内注射", "皮下注射", "口服"]
SCAN_FAIL = ["追溯码已使用", "追溯码与登记疫苗不符", "该批号已停用（召回）", "追溯码不存在", "疫苗已过期"]
OBS_AREAS = ["留观区A", "留观区B（儿童）", "2楼留观室", "户外留观区"]
EARLY_NOTE = ["，监护人{0}签字", "，护士{0}已电话回访"]
SYMPTOMS = ["注射部位红肿硬结直径约3cm", "发热38.6℃", "皮疹、瘙痒", "头晕、面色苍白", "呼吸急促，血压偏低",
            "哭闹不止伴呕吐"]
TREATS = ["局部冷敷后好转", "平卧休息，测血压后好转", "肌注肾上腺素0.3mg，已转诊区人民医院", "口服氯雷他定后观察",
          "物理降温，告知家长居家观察"]
AEFI_GRADES = ["一般反应", "异常反应（待诊断）", "偶合症", "严重异常反应"]
FRIDGES = ["1号医用冷藏箱", "2号冷藏箱（二类苗）", "冷库 CK-01", "接种台3 小冰箱", "低温冰箱-20℃", "备用冷藏包"]
FRIDGE_MODELS = ["HYC-310", "MPC-5V306", "YC-260L", "DW-25L92"]
RECOVERY = ["，经评估疫苗可继续使用", "，涉及疫苗已暂停使用待评估", ""]
LOSS_WHY = ["安瓿破损", "冷链异常经评估报废", "开启后超过使用时限", "过期", "包装污染"]
PLAT_ERRS = [("E1003", "受种者身份证号校验失败"), ("E2010", "疫苗批号在省平台不存在"), ("E5001", "网关超时"),
             ("E2031", "接种剂次与历史记录冲突")]
PAY_CH = ["医保个人账户", "微信支付", "支付宝", "现金", "银联POS"]
DESKS = ["接种台1", "接种台2", "接种台3（成人）", "接种台4（狂犬）"]
STATIONS_CN = ["登记台1", "登记台2", "接种台2", "冷链监控", "库房", "留观区"]
HOSTS = ["vx-clinic-03", "vx-clinic-07", "vx-gw-01"]
PY_FILES = ["appointment.py", "register.py", "coldchain.py", "stock.py", "uploader.py", "observe.py"]


def vaccine(r):
    return r.choice(VACCINES)[0]


def age(r):
    if r.random() < 0.55:
        months = r.randint(0, 30)
        return "%d月龄" % months if months < 12 else "%d岁%d月龄" % (months // 12, months % 12)
    return "%d岁" % r.randint(3, 82)


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def lot(r):
    # manufacturers print batch numbers their own way
    return r.choice(["%d%02d%03d" % (r.choice([2025, 2026]), r.randint(1, 12), r.randint(1, 200)),
                     "J%d%02d%02d-%d" % (r.choice([2025, 2026]), r.randint(1, 12), r.randint(1, 28), r.randint(1, 3)),
                     "Y%d%s" % (r.randint(202501, 202612), r.choice("ABC"))])


def dose(r):
    return r.choice(["第1剂", "第2剂", "第3剂", "加强剂", "第1剂（补种）"])


def slot(r):
    h = r.choice([8, 9, 10, 13, 14, 15])
    return "%02d:%02d-%02d:%02d" % (h, r.choice([0, 30]), h + 1, 0)


V = {
    "name": gbk_messages.name,
    "clinic": gbk_messages.pick(CLINICS),
    "vaccine": vaccine,
    "vcode": lambda r: r.choice(VACCINES)[1],
    "maker": gbk_messages.pick(MAKERS),
    "supplier": gbk_messages.pick(SUPPLIERS),
    "channel": gbk_messages.pick(CHANNELS),
    "cancelwhy": gbk_messages.pick(CANCEL_WHY),
    "apptfail": gbk_messages.pick(APPT_FAIL),
    "screen": gbk_messages.pick(SCREEN),
    "contra": gbk_messages.pick(CONTRA),
    "signway": gbk_messages.pick(SIGN_WAYS),
    "site": gbk_messages.pick(SITES),
    "route": gbk_messages.pick(ROUTES),
    "scanfail": gbk_messages.pick(SCAN_FAIL),
    "obsarea": gbk_messages.pick(OBS_AREAS),
    "symptom": gbk_messages.pick(SYMPTOMS),
    "treat": gbk_messages.pick(TREATS),
    "grade": gbk_messages.pick(AEFI_GRADES),
    "fridge": gbk_messages.pick(FRIDGES),
    "fridgemodel": gbk_messages.pick(FRIDGE_MODELS),
    "recovery": gbk_messages.pick(RECOVERY),
    "losswhy": gbk_messages.pick(LOSS_WHY),
    "platerr": lambda r: "%s（%s）" % r.choice(PLAT_ERRS),
    "paych": gbk_messages.pick(PAY_CH),
    "desk": gbk_messages.pick(DESKS),
    "age": age,
    "phone": phone,
    "lot": lot,
    "dose": dose,
    "slot": slot,
    "guardian": gbk_messages.optional(lambda r: "，监护人%s（%s）" % (gbk_messages.name(r), phone(r)), 0.5),
    "earlynote": gbk_messages.optional(lambda r: r.choice(EARLY_NOTE).format(gbk_messages.name(r)), 0.4),
    "date": lambda r: "2026-10-%02d" % r.randint(1, 31),
    "exp": lambda r: "%d年%d月%d日" % (r.choice([2026, 2027, 2028]), r.randint(1, 12), r.randint(1, 28)),
    "hm": lambda r: "%02d:%02d" % (r.randint(8, 16), r.randint(0, 59)),
    "cert": lambda r: "%06d%010d" % (r.choice([330106, 330206, 320213]), r.randint(0, 10 ** 10 - 1)),
    "uid": lambda r: "u%08d" % r.randint(0, 99999999),
    "trace": lambda r: "8%019d" % r.randint(0, 10 ** 19 - 1),
    "aefi": lambda r: "AEFI2026%06d" % r.randint(0, 999999),
    "plan": lambda r: "CG-2026-%04d" % r.randint(1, 9999),
    "rec": lambda r: "JZ%016d" % r.randint(0, 10 ** 16 - 1),
    "order": lambda r: "VX%014d" % r.randint(0, 10 ** 14 - 1),
    "batch": lambda r: "%08x" % r.getrandbits(32),
    "sensor": lambda r: "TS-%04d" % r.randint(1, 400),
    "temp": lambda r: "%.1f" % r.uniform(2.3, 7.8),
    "badtemp": lambda r: "%.1f" % r.choice([r.uniform(8.1, 15), r.uniform(-3, 1.9)]),
    "hum": lambda r: str(r.randint(30, 75)),
    "pct": lambda r: "%d%%" % r.randint(5, 100),
    "qno": lambda r: "%s%03d" % (r.choice(["A", "B", "C", ""]), r.randint(1, 300)),
    "money": lambda r: "%.2f" % r.choice([r.uniform(20, 300), r.uniform(500, 1400)]),
    "big": lambda r: str(r.randint(10, 600)),
    "n": lambda r: str(r.randint(1, 200)),
    "days": lambda r: str(r.randint(3, 120)),
    "mins": lambda r: str(r.randint(1, 90)),
    "obsmins": lambda r: str(r.randint(30, 45)),
    "earlymins": lambda r: str(r.randint(3, 29)),
    "few": lambda r: str(r.randint(1, 6)),
    "ms": lambda r: str(r.randint(20, 15000)),
}

TEMPLATES = [
    ("INFO", "预约成功：受种者{name}，{date} {slot}，疫苗：{vaccine}（{dose}），接种点：{clinic}，渠道：{channel}"),
    ("INFO", "预约已取消：受种者{name}，原预约{date} {slot}，原因：{cancelwhy}"),
    ("WARN", "appointment rejected uid={uid} vaccine_code={vcode} date={date} reason={apptfail}"),
    ("INFO", "登记完成：受种者{name}（{age}），接种证号{cert}，健康询问：{screen}{guardian}"),
    ("WARN", "禁忌症筛查未通过：受种者{name}（{age}），{contra}，建议暂缓接种，医生{name}"),
    ("INFO", "知情同意书已签署：受种者{name}，疫苗{vaccine}，方式：{signway}"),
    ("INFO", "接种完成：{name}，{vaccine}，批号{lot}，{dose}，部位：{site}，{route}，接种护士{name}，追溯码{trace}"),
    ("ERROR", "扫码核验失败：追溯码{trace}，{scanfail}，请更换疫苗后重新扫码"),
    ("INFO", "留观开始：受种者{name}，{obsarea}，开始时间{hm}，需留观30分钟"),
    ("INFO", "留观结束：受种者{name}，留观{obsmins}分钟，未见异常，离开时间{hm}"),
    ("WARN", "留观未满提前离开：受种者{name}，已留观{earlymins}分钟，已告知风险{earlynote}"),
    ("ERROR", "疑似预防接种异常反应：受种者{name}（{age}），{vaccine}，批号{lot}，接种后{mins}分钟出现{symptom}，处置：{treat}"),
    ("INFO", "AEFI report id={aefi} vaccine_code={vcode} lot={lot} grade={grade} reporter={name} status=SUBMITTED"),
    ("DEBUG", "coldchain sensor={sensor} temp={temp}C humidity={hum}% door=closed power=mains battery={pct}"),
    ("WARN", "冷链温度超标：{fridge}（{fridgemodel}）当前{badtemp}℃，超出2-8℃已持续{mins}分钟，已电话通知{name}"),
    ("INFO", "冷链温度恢复：{fridge}当前{temp}℃，本次超标累计{mins}分钟{recovery}"),
    ("ERROR", "{fridge}市电中断，已切换UPS供电，剩余电量{pct}，请尽快转移疫苗"),
    ("INFO", "疫苗入库：{vaccine}，批号{lot}，{maker}，{n}支，有效期至{exp}，供货单位：{supplier}，运输温度记录完整"),
    ("INFO", "疫苗领用：{desk}领用{vaccine}{few}盒，批号{lot}，领用人{name}"),
    ("WARN", "近效期提醒：{vaccine}批号{lot}将于{exp}到期，剩余库存{n}支"),
    ("WARN", "库存预警：{vaccine}库存{n}支，低于安全库存{n}支，已生成采购计划{plan}"),
    ("INFO", "疫苗报损：{vaccine}批号{lot}报损{few}支，原因：{losswhy}，审核人{name}"),
    ("INFO", "upload provincial batch={batch} records={big} success={big} failed={n} cost={ms}ms"),
    ("ERROR", "接种记录{rec}上传省平台失败：{platerr}，已加入重传队列"),
    ("INFO", "叫号：请{qno}号{name}到{desk}接种"),
    ("INFO", "收费成功 order={order} vaccine_code={vcode} amount={money} pay={paych}"),
    ("WARN", "接种间隔不足：{name}上次接种{vaccine}为{date}，间隔{days}天，少于最短间隔{days}天，已拦截"),
    ("INFO", "补种提醒已发送：儿童{name}（{age}）{vaccine}{dose}已逾期{days}天，短信发至监护人{phone}"),
    ("INFO", "日结：{date}共接种{big}人次，免疫规划疫苗{big}剂次，非免疫规划疫苗{big}剂次，收费{money}元"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the clinic's desktop client writes its own log with Chinese labels
        cn = {"DEBUG": "调试", "INFO": "信息", "WARN": "警示", "ERROR": "故障"}[level]
        return "「2026-10-15 %02d:%02d:%02d」〔%s〕工位：%s 说明：" % (hh, mm, ss, cn, r.choice(STATIONS_CN))
    if form == 1:
        # the clinic gateway brackets the host, an access-log style time and the workstation
        return "[%s][15/Oct/2026:%02d:%02d:%02d +0800][%-5s][ws:%d] " % (
            r.choice(HOSTS), hh, mm, ss, level, r.randint(1, 12))
    # the cold-chain and upload jobs are Python, logged with the file and line
    return "[2026-10-15 %02d:%02d:%02d,%03d] {%s:%d} %s - " % (
        hh, mm, ss, r.randint(0, 999), r.choice(PY_FILES), r.randint(20, 480),
        {"WARN": "WARNING"}.get(level, level))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "VX", 7 * 3600 + 1800)
