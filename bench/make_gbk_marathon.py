#!/usr/bin/env python3
"""A GBK log of a city marathon's race-day operations platform with its truth.

    bench/make_gbk_marathon.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 38 messages from the race
control of the (made-up) 澜江国际马拉松: chip reads on the timing mats and the splits made of
them, the live-tracking query service and its database failures, timing mats going off line and
coming back, low reader batteries, missed splits and suspicious paces held for review, bib
pickup done and refused, bags dropped and collected, start waves released, finishers, runners
who drop out, pacers reporting where they are, supply stations' consumption, shortages and the
trucks that restock them, medical points treating runners, running short of supplies and
calling an ambulance, marshals signing in, weather readings and heat warnings, road closures
set and lifted, the sweep bus passing a cut-off, results published or failing, result SMS sent
or failing, finisher certificates, race photos matched to bibs, lost property, shuttle buses
and a replication lag on the results database. Written to measure the miner on and not to
shape it: no rule was made or tuned on them. Each message keeps its own frequency, chip reads
by the hundred and a replication alarm once in a few thousand lines. Some pairs of messages
differ in one word only (存包/取包, 上线/离线, 开始/解除, 成功/失败), as a race team would
still count them as different events. One of three header forms by the seed. The output
depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# race, bib letter, usual net time in seconds (fastest, slowest)
GROUPS = [("全程马拉松", "A", 2 * 3600 + 9 * 60, 6 * 3600 + 30 * 60),
          ("半程马拉松", "B", 3600 + 2 * 60, 3 * 3600 + 10 * 60),
          ("10公里健康跑", "C", 29 * 60, 1 * 3600 + 40 * 60),
          ("迷你跑（5km）", "D", 15 * 60, 60 * 60)]
GROUP_WEIGHTS = [5, 4, 2, 1]
# timing point as the course plan names it, its code and its distance in km
POINTS = [("起点", "K0", 0.0), ("5K", "K5", 5.0), ("10K", "K10", 10.0), ("15K", "K15", 15.0),
          ("半程点", "K21", 21.0975), ("25K", "K25", 25.0), ("30K", "K30", 30.0), ("35K", "K35", 35.0),
          ("40K", "K40", 40.0), ("终点", "FIN", 42.195)]
STATIONS = ["第1补给站（K5+100 东侧）", "第2补给站（K10）", "第3补给站（K15 滨河路口）", "能量站（半程点）",
            "第5补给站（K25+300）", "第6补给站（K30 世纪公园北门）", "第7补给站（K35）", "终点补给区"]
SUPPLIES = [("矿泉水 550ml", "箱"), ("电解质饮料", "桶"), ("香蕉", "kg"), ("能量胶", "支"), ("纸杯", "条"),
            ("冰块", "袋"), ("海绵", "个"), ("圣女果", "kg")]
GOODS = ["矿泉水 550ml×24箱", "电解质饮料（粉剂）6桶", "香蕉 80kg", "能量胶 600支", "冰块 40袋", "纸杯 30条",
         "海绵 500个", "圣女果 25kg"]
TRUCKS = ["补给车BJ-01", "补给车BJ-03", "补给车BJ-05", "机动保障车JD-2"]
MEDPOINTS = ["1号医疗站（K5 西侧）", "2号医疗站（K12+500）", "半程医疗站（21K）", "4号医疗站（K30）",
             "5号医疗站（K38 跨江大桥南）", "终点医疗中心（帐篷B）", "移动医疗骑行队M07"]
SYMPTOMS = ["左小腿抽筋", "膝盖疼痛（右）", "足底水泡", "头晕、恶心", "擦伤出血（左肘）", "大腿后侧拉伤",
            "低血糖，面色苍白", "胸闷、心率快", "中暑先兆"]
TREATS = ["拉伸+冷喷", "清创包扎", "口服补液盐 500ml", "挑破水泡并包扎", "测血糖3.1mmol/L，口服葡萄糖",
          "冰敷15分钟", "吸氧、心电监护", "阴凉处休息，物理降温"]
WHERE = ["已返回赛道", "退赛，由收容车送至终点", "留观中", "转送澜江市第二人民医院急诊", "自行步行离开"]
MEDSUPS = ["冷喷剂", "弹力绷带", "一次性冰袋", "口服补液盐", "凡士林", "医用纱布", "血糖试纸"]
ZONES = ["A区", "B区", "C区", "D区（半马）", "E区（10km/迷你）"]
WAVES = ["A区（精英及破三）", "B区（3:00-3:30）", "C区（3:30-4:30）", "D区（半程马拉松）", "E区（健康跑/迷你跑）"]
BOOTHS = ["会展中心2号馆 1-8窗口", "会展中心2号馆 9-16窗口", "VIP领物台", "补领处（团体）"]
SIZES = ["XS", "S", "M", "L", "XL", "XXL", "3XL"]
PICKFAILS = ["证件信息与报名信息不符", "未完成《健康承诺书》签署", "号码布已被领取（代领记录 2026-04-17 15:02）",
             "非本人领取且无委托书", "身份证已过期", "报名状态为「待补缴」"]
POSTS = ["K3+200 人民路口", "K8 滨江大道掉头点", "K16 隧道入口", "K21 半程计时点", "K27+600 跨江大桥北",
         "K33 世纪公园东门", "K41 终点前直道"]
WSTATIONS = ["WS-START", "WS-K21", "WS-K35", "WS-FINISH"]
COLORS = ["黄色", "橙色", "红色"]
CHANNELS = ["官网", "小程序", "短信", "终点大屏", "APP推送"]
PHOTOPOINTS = ["P03 滨江大道", "P07 跨江大桥", "P11 世纪公园", "P15 终点拱门", "P16 终点拱门（高位）"]
CHEATS = ["替跑", "抄近道", "芯片转借他人", "骑车或乘车"]
DNFS = ["抽筋无法继续", "膝伤", "体力不支", "未能在关门时间前通过", "医疗人员建议退赛", "个人原因"]
CROSSINGS = ["滨江大道×钱潮路口", "人民路与解放路交叉口", "跨江大桥北引桥", "世纪公园东门环岛", "文化中心地下通道口"]
DIRS = ["南向北", "北向南", "东西双向", "全幅封闭"]
LOSTITEMS = ["黑色双肩包（内有证件）", "手机一部（蓝色壳）", "钥匙一串", "运动手表（黑色表带）", "能量腰包",
             "眼镜（近视，金属框）", "钱包，内有现金约200元"]
DESKS = ["终点服务台", "起点咨询处（A区）", "存衣区问询台", "赛事组委会办公室 305"]
ROUTES = ["地铁2号线滨江站→起点", "终点→会展中心停车场", "终点→地铁4号线文化中心站", "酒店专线（澜江大酒店）"]
SMSERRS = ["MOBILE_NUMBER_ILLEGAL", "DAY_LIMIT_EXCEEDED", "GATEWAY_TIMEOUT", "USER_BLACKLISTED"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
UAS = ["Mozilla/5.0 (iPhone; CPU iPhone OS 17_4 like Mac OS X) MiniProgram",
       "Mozilla/5.0 (Linux; Android 14; V2309A) MiniProgram", "okhttp/4.12.0", "RaceScreen/2.3 (Finish LED)",
       "Mozilla/5.0 (Windows NT 10.0; Win64; x64) Chrome/124.0"]
CONSCIOUS = ["清醒", "模糊", "丧失"]
PACERS = ["3:30 全马兔", "4:00 全马兔", "4:30 全马兔", "5:00 全马兔", "1:45 半马兔", "2:00 半马兔"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def hms(s):
    s = int(s)
    return "%d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)


def pace_text(s):
    return "%d'%02d\"" % (s // 60, s % 60)


def group_bib(r):
    """A bib of the line's race: elite bibs are E and three digits, the others the race's letter."""
    g = _chosen["g"]
    if g[1] == "A" and r.random() < 0.03:
        return "E%03d" % r.randint(1, 120)
    return "%s%05d" % (g[1], r.randint(1, 38000 if g[1] in "AB" else 9000))


def bib(r):
    _chosen["g"] = r.choices(GROUPS, GROUP_WEIGHTS)[0]
    return group_bib(r)


def group_point(r):
    """A timing point after the start that the line's race passes (a short race's last point is
    named 终点 too), the one before it, and a pace for the split."""
    g = _chosen["g"]
    reach = {"A": 42.195, "B": 21.0975, "C": 10.0, "D": 5.0}[g[1]]
    passed = [p for p in POINTS if p[2] <= reach]
    k = r.randint(1, len(passed) - 1)
    here = passed[k]
    if here[2] == reach and g[1] != "A":
        here = ("终点", "FIN", reach)
    _chosen["p"], _chosen["prev"] = here, passed[k - 1]
    _chosen["pace"] = r.randint(175, 480)
    return here[0]


def point(r):
    """As group_point, for a line that names the point before the runner: its race first."""
    _chosen["g"] = r.choices(GROUPS, GROUP_WEIGHTS)[0]
    return group_point(r)


def gun(r):
    km = _chosen["p"][2]
    return hms(km * _chosen["pace"] + r.randint(0, 900))


def net(r):
    _, _, lo, hi = _chosen["g"]
    _chosen["net"] = r.randint(lo, hi)
    return hms(_chosen["net"])


def station(r):
    _chosen["s"] = r.choice(SUPPLIES)
    return r.choice(STATIONS)


def clock(r, lo=7, hi=13):
    return "%02d:%02d:%02d" % (r.randint(lo, hi), r.randint(0, 59), r.randint(0, 59))


def idno(r):
    return "%s**********%03d%s" % (r.choice(["3301", "3306", "4403", "1101", "5101", "3205"]), r.randint(0, 999),
                                    r.choice("0123456789X"))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def plate(r):
    return "%s%s·%s%04d" % (r.choice("浙苏沪皖"), r.choice("ABCF"), r.choice("DFK"), r.randint(0, 9999))


def epc(r):
    return "E280116060000%011X" % r.getrandbits(44)


def reader(r):
    _, code, _ = r.choice(POINTS)
    return "TM-%s-%s" % (code, r.choice("AB"))


def leftover(r):
    unit = _chosen["s"][1]
    return "%d%s" % (r.randint(0, 12) if unit in ("箱", "桶", "条") else r.randint(0, 60), unit)


def rank(r):
    _chosen["rank"] = r.randint(1, 26000)
    return str(_chosen["rank"])


def shelf(r):
    return "%s %d排%02d号" % (r.choice("ABCDE"), r.randint(1, 12), r.randint(1, 60))


def photobibs(r):
    return ", ".join("%s%05d" % (r.choice("AAB"), r.randint(1, 38000)) for _ in range(r.randint(1, 4)))


def isotime(r):
    return "2026-04-19T07:%02d:%02d+08:00" % (r.choice([30, 30, 38, 45, 52]), r.choice([0, 0, 5, 30]))


def km(r):
    k = r.uniform(0.5, 42.0)
    return "K%d+%03d" % (int(k), int((k - int(k)) * 1000))


V = {
    "name": name, "bib": bib, "gbib": group_bib, "point": point, "gpoint": group_point, "gun": gun, "net": net, "station": station, "idno": idno,
    "phone": phone, "plate": plate, "epc": epc, "reader": reader, "left": leftover, "shelf": shelf,
    "photobibs": photobibs, "isotime": isotime, "km": km,
    "group": lambda r: _chosen["g"][0],
    "anygroup": lambda r: r.choices(GROUPS, GROUP_WEIGHTS)[0][0],
    "code": lambda r: _chosen["p"][1], "prev": lambda r: _chosen["prev"][0],
    "pace": lambda r: pace_text(_chosen["pace"]),
    "fastpace": lambda r: pace_text(r.randint(150, 230)),
    "gun2": lambda r: hms(_chosen["net"] + r.randint(0, 1500)),
    "clock": clock, "early": lambda r: clock(r, 5, 7), "msclock": lambda r: clock(r) + ".%03d" % r.randint(0, 999),
    "hhmm": lambda r: "%02d:%02d" % (r.randint(8, 14), r.choice([0, 10, 15, 20, 30, 40, 45, 50])),
    "pickday": lambda r: "%d月%d日 %02d:%02d" % (4, r.randint(16, 18), r.randint(9, 20), r.randint(0, 59)),
    "date2": lambda r: "2026/4/19 %d:%02d" % (r.randint(5, 15), r.choice([0, 10, 20, 30, 40, 50])),
    "supply": lambda r: _chosen["s"][0],
    "stationonly": pick(STATIONS), "goods": items(GOODS, 1, 4), "truck": pick(TRUCKS),
    "medpoint": pick(MEDPOINTS), "symptom": pick(SYMPTOMS), "treat": pick(TREATS), "where": pick(WHERE),
    "medsup": items(MEDSUPS, 1, 3), "zone": pick(ZONES), "wave": pick(WAVES), "booth": pick(BOOTHS),
    "size": pick(SIZES), "pickfail": pick(PICKFAILS), "post": pick(POSTS), "wst": pick(WSTATIONS),
    "color": pick(COLORS), "channels": items(CHANNELS, 1, 3), "photopoint": pick(PHOTOPOINTS),
    "cheat": pick(CHEATS), "dnf": pick(DNFS), "crossing": pick(CROSSINGS), "dir": pick(DIRS),
    "lostitem": pick(LOSTITEMS), "desk": pick(DESKS), "route": pick(ROUTES), "smserr": pick(SMSERRS),
    "httpfail": pick(HTTPFAILS), "ua": pick(UAS), "conscious": pick(CONSCIOUS), "pacer": pick(PACERS),
    "yesno": pick(["是", "是", "否（芯片随号码布遗失）"]), "dedup": pick(["ok", "ok", "ok", "dup"]),
    "pb": optional(lambda r: "，刷新个人最好成绩（PB）", 0.2),
    "proxy": optional(lambda r: "，代领人%s（委托书编号WT%05d）" % (name(r), r.randint(1, 99999)), 0.25),
    "pickat": optional(lambda r: "，领物时间2026年4月%d日 %02d:%02d" % (r.randint(16, 18), r.randint(9, 20),
                                                                     r.randint(0, 59)), 0.35),
    "stored": optional(lambda r: "，存放时长%d小时%02d分" % (r.randint(1, 7), r.randint(0, 59)), 0.5),
    "follow": optional(lambda r: "，跟随约%d人" % r.randint(15, 260), 0.6),
    "gust": optional(lambda r: " gust=%.1fm/s" % r.uniform(4, 14), 0.3),
    "vol": optional(lambda r: "（志愿者 %s 协助）" % name(r), 0.3),
    "retryat": optional(lambda r: "，下次重试 %02d:%02d:%02d" % (r.randint(8, 13), r.randint(0, 59), r.randint(0, 59)),
                        0.5),
    "ant": rint(1, 4), "rssi": rint(-78, -41), "reads": rint(1, 9), "ms": rint(3, 180), "ms2": rint(3000, 30000),
    "msec": rint(120, 4800), "water": rint(20, 900), "drink": rint(20, 700), "banana": real(2, 60),
    "gel": rint(0, 400), "win": pick(["5", "10", "15"]), "rank": rank, "grank": lambda r: str(r.randint(1, _chosen["rank"])),
    "tag": rint(1, 40000, "%05d"), "lat": real(30.1, 30.4, "%.6f"), "lng": real(120.0, 120.4, "%.6f"),
    "ahead": lambda r: "%+d" % r.randint(-90, 120), "tpl": rint(100000, 999999),
    "bizid": lambda r: "%018d^%d" % (r.randint(0, 10 ** 18 - 1), r.randint(0, 9)),
    "mid": rint(1, 320, "MS-%03d"), "ch": rint(1, 16, "%02d"), "tempc": real(14, 31), "rh": rint(35, 95),
    "wind": real(0.2, 8.5), "wbgt": real(16, 32), "hot": real(28, 33),
    "rbatch": lambda r: "R20260419-%04d" % r.randint(1, 900), "count": rint(50, 5000), "count2": rint(800, 9000),
    "photofile": lambda r: r.choice(["IMG_%04d.JPG", "DSC%05d.ARW", "P16_%06d.jpg"]) % r.randint(1, 9999),
    "conf": real(62, 99.9), "mins": rint(3, 40), "hb": rint(30, 600), "backup": lambda r: "TM-BK-%02d" % r.randint(1, 8),
    "fw": lambda r: "%d.%d.%d" % (r.randint(3, 4), r.randint(0, 9), r.randint(0, 30)), "batt": rint(40, 100),
    "batt2": rint(3, 19), "skew": lambda r: "%+d" % r.randint(-40, 40), "pct": rint(12, 65), "try": rint(1, 5),
    "retry": pick(["15", "30", "60", "120"]), "amb": lambda r: "急救车J-%02d" % r.randint(1, 24), "eta": rint(2, 15),
    "total": rint(800, 24000), "late": rint(0, 180), "sweep": lambda r: "SW-%d" % r.randint(1, 6),
    "pax": rint(8, 55), "lag": rint(30, 900), "dbn": rint(1, 3, "%02d"), "n": rint(1, 6),
    "pdf": rint(180, 900), "hash": lambda r: "%012x" % r.getrandbits(48),
}

# weight, level, module, message
TEMPLATES = [
    (240, "INFO", "split", "计时点【{point}】过点：号码布{gbib}，芯片{epc}，过点时间{clock}，枪声用时{gun}，分段配速{pace}/km"),
    (180, "INFO", "reader", "reader={reader} ant={ant} epc={epc} rssi={rssi}dBm reads={reads} first_seen={msclock} dedup={dedup}"),
    (130, "INFO", "track", "GET /api/v3/live/track?bib={bib} 200 {ms}ms ua=\"{ua}\""),
    (90, "INFO", "supply", "补给站「{stationonly}」出品统计：矿泉水{water}瓶、电解质饮料{drink}杯、香蕉{banana}kg、能量胶{gel}支（近{win}分钟）"),
    (80, "INFO", "finish", "完赛：{bib} {name}（{group}），净计时 {net}，枪声成绩 {gun2}，总排名第{rank}名，性别排名第{grank}名{pb}"),
    (60, "INFO", "pickup", "领物成功：号码布{bib}，姓名{name}，证件号{idno}，项目《{group}》，T恤尺码 {size}，领物点{booth}{proxy}"),
    (45, "INFO", "bag", "存衣区{zone}存包成功：号码布{bib}，包牌号{tag}，货架{shelf}，经办{name}{vol}"),
    (40, "INFO", "bag", "存衣区{zone}取包成功：号码布{bib}，包牌号{tag}，货架{shelf}，经办{name}{vol}{stored}"),
    (35, "INFO", "pacer", "配速员「{pacer}」位置上报：lat={lat}, lng={lng}，当前在{km}附近，较目标{ahead}秒{follow}"),
    (30, "INFO", "sms", "成绩短信推送成功：{bib}，手机号{phone}，模板SMS_{tpl}，回执BizId={bizid}"),
    (25, "INFO", "marshal", "赛道裁判签到：{post}，裁判{name}（{mid}），签到时间{early}，对讲频道CH{ch}"),
    (22, "INFO", "weather", "气象监测 station={wst} temp={tempc}℃ RH={rh}% wind={wind}m/s{gust} WBGT={wbgt}℃"),
    (20, "INFO", "medical", "医疗点接诊：{medpoint}，号码布{bib}，主诉「{symptom}」，处置：{treat}，去向：{where}"),
    (18, "INFO", "results", "成绩批次发布成功：batch={rbatch}，共{count}条，项目《{anygroup}》，发布至{channels}，耗时{msec}ms"),
    (15, "INFO", "photo", "照片识别入库：摄影点{photopoint}，文件{photofile}，识别到号码布 {photobibs}，置信度{conf}%"),
    (14, "WARN", "supply", "补给站「{station}」库存不足：{supply}剩余{left}，预计{mins}分钟内耗尽，已呼叫{truck}"),
    (12, "INFO", "supply", "{truck}（{plate}）已送达「{stationonly}」：{goods}，签收人{name}"),
    (10, "WARN", "split", "漏检预警：号码布{bib}在{gpoint}无过点记录，前一计时点{prev}，后续计时点已检测到，疑似绕行或芯片脱落"),
    (9, "WARN", "medical", "医疗点{medpoint}耗材低于警戒线：{medsup}，已请求后勤补充"),
    (8, "INFO", "dnf", "退赛登记：号码布{bib}（{group}），退赛位置{km}，原因：{dnf}，已收回计时芯片：{yesno}"),
    (7, "INFO", "cert", "电子完赛证书生成成功：{bib}，PDF {pdf}KB，https://cert.ljmarathon.example/c/{hash}"),
    (6, "ERROR", "track", "live-track query failed: java.sql.SQLTransientConnectionException: TrackPool-1 - Connection is not available, request timed out after {ms2}ms. (bib={bib})"),
    (5.5, "INFO", "start", "起跑区【{wave}】放行：{count2}人，鸣枪时间{isotime}"),
    (5, "WARN", "sms", "成绩短信推送失败：{bib}，手机号{phone}，模板SMS_{tpl}，错误码{smserr}{retryat}"),
    (5, "WARN", "weather", "高温预警升级为【{color}】：WBGT={hot}℃，已通知各补给站增加冰块、喷雾，赛道广播第{n}次"),
    (4.5, "ERROR", "reader", "计时地毯离线：{reader}心跳超时{hb}s，最后读数时间{clock}，备用地毯{backup}已接管"),
    (4, "INFO", "reader", "计时地毯上线：{reader}固件v{fw}，电池{batt}%，时钟偏差{skew}ms"),
    (4, "WARN", "pickup", "领物失败：号码布{bib}，姓名{name}，证件号{idno}，原因：{pickfail}{pickat}"),
    (3.5, "WARN", "split", "成绩异常待复核：{bib}，{gpoint}分段配速{fastpace}/km，快于本人历史最好配速{pct}%，疑似{cheat}"),
    (3, "INFO", "traffic", "交通管制开始：{crossing}，封闭方向{dir}，执勤民警{name}，预计解除时间{hhmm}"),
    (3, "INFO", "traffic", "交通管制解除：{crossing}，封闭方向{dir}，执勤民警{name}，关门车通过时间{hhmm}"),
    (2.5, "ERROR", "results", "成绩批次发布失败：batch={rbatch}，HTTP {httpfail}，重试{try}/5，{retry}秒后重试"),
    (2, "ERROR", "medical", "【紧急】{medpoint}呼叫AED及急救车：号码布{bib}在{km}处倒地，意识{conscious}，{amb}已出发，预计{eta}分钟到达"),
    (1.8, "INFO", "lost", "失物招领登记：拾获物品「{lostitem}」，拾获地点{km}，拾获人{name}，存放于{desk}"),
    (1.5, "WARN", "reader", "计时设备电量低：{reader} battery={batt2}% (阈值 20%)，请{name}于{hhmm}前更换电池"),
    (1.2, "INFO", "sweep", "关门车通过{point}：关门时间{hhmm}，本点累计过点{total}人，{late}人超时，已引导上收容车{sweep}"),
    (1, "INFO", "shuttle", "摆渡车发车：线路《{route}》，车牌{plate}，载客{pax}人，发车时间 {date2}"),
    (0.8, "ERROR", "db", "结果库主从同步延迟：seconds_behind_master={lag}, host=db-results-{dbn}，告警已升级至值班负责人{name}"),
]

# the Java race-control services: thread and logger of each module
THREADS = {"split": ["split-calc-%d", "kafka-consumer-splits-%d"], "reader": ["mat-ingest-%d"],
           "track": ["http-nio-8080-exec-%d"], "supply": ["supply-report-%d"], "finish": ["split-calc-%d"],
           "pickup": ["http-nio-8081-exec-%d"], "bag": ["http-nio-8081-exec-%d"], "pacer": ["gps-ingest-%d"],
           "sms": ["notify-pool-%d"], "marshal": ["http-nio-8082-exec-%d"], "weather": ["scheduling-%d"],
           "medical": ["http-nio-8082-exec-%d"], "results": ["publish-worker-%d"], "photo": ["photo-match-%d"],
           "dnf": ["http-nio-8082-exec-%d"], "cert": ["cert-render-%d"], "start": ["main"],
           "traffic": ["http-nio-8082-exec-%d"], "lost": ["http-nio-8082-exec-%d"], "sweep": ["scheduling-%d"],
           "shuttle": ["scheduling-%d"], "db": ["health-check-%d"]}
LOGGERS = {"split": "c.lj.race.timing.SplitService", "reader": "c.lj.race.timing.MatReaderGateway",
           "track": "c.lj.race.live.TrackController", "supply": "c.lj.race.ops.SupplyStationService",
           "finish": "c.lj.race.timing.FinishService", "pickup": "c.lj.race.expo.PickupController",
           "bag": "c.lj.race.expo.BagDropController", "pacer": "c.lj.race.live.PacerTracker",
           "sms": "c.lj.race.notify.SmsSender", "marshal": "c.lj.race.ops.MarshalService",
           "weather": "c.lj.race.ops.WeatherPoller", "medical": "c.lj.race.med.MedicalService",
           "results": "c.lj.race.results.Publisher", "photo": "c.lj.race.media.PhotoMatcher",
           "dnf": "c.lj.race.timing.DnfService", "cert": "c.lj.race.results.CertRenderer",
           "start": "c.lj.race.timing.StartControl", "traffic": "c.lj.race.ops.TrafficControl",
           "lost": "c.lj.race.ops.LostFound", "sweep": "c.lj.race.ops.SweepBus", "shuttle": "c.lj.race.ops.Shuttle",
           "db": "c.lj.race.infra.DbHealth"}
# the command centre's desks, as its Chinese console names them
DESKS_CN = {"split": "计时组", "reader": "计时组", "track": "信息组", "supply": "后勤组", "finish": "计时组",
            "pickup": "领物组", "bag": "存衣组", "pacer": "赛道组", "sms": "信息组", "marshal": "赛道组",
            "weather": "气象组", "medical": "医疗组", "results": "成绩组", "photo": "媒体组", "dnf": "计时组",
            "cert": "成绩组", "start": "起点组", "traffic": "交通组", "lost": "服务组", "sweep": "赛道组",
            "shuttle": "交通组", "db": "信息组"}
HOSTS = ["rc-app-01", "rc-app-02", "rc-app-03", "edge-K21", "edge-FIN"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 4, 19) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the race-control services are Java and log with thread and abbreviated logger
        thread = r.choice(THREADS[module])
        if "%" in thread:
            thread = thread % r.randint(1, 16)
        return "%s.%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the command-centre console prints Chinese times, levels and the desk with its host
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s][%s][%s@%s] " % (at.strftime("%Y年%m月%d日 %H时%M分%S秒"), cn, DESKS_CN[module], r.choice(HOSTS))
    # the edge gateways forward through syslog with a one-letter level
    return "%s %s raceops/%s[%d]: <%s> " % (at.strftime("%b %d %H:%M:%S"), r.choice(HOSTS), module,
                                             2000 + sorted(LOGGERS).index(module) * 37, level[0])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "R", 6 * 3600 + 50 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
