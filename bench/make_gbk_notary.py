#!/usr/bin/env python3
"""A GBK log of a city notary office's service platform with its truth.

    bench/make_gbk_notary.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 39 messages (queue tickets,
identity checks passed and refused, a citizen-identity gateway that fails, web access lines,
appointments made, cancelled and missed, cases registered, materials submitted, requests for
more material, approvals granted and sent back, certificates issued, e-seals applied or
refused, translations proofread, fees paid, payments that time out, refunds made or refused,
the day's reconciliation, SMS notices, video notarisation sessions started, interrupted and
ended, e-archive filing and failed uploads, evidence put on a chain or not, certificate
look-ups found and not found, certificates mailed, staff log-ins and failed log-ins, slow SQL,
capture-camera faults, archive-room climate alarms and licence reminders), written to measure
the miner on and not to shape it: no rule was made or tuned on them. Several messages come
in pairs that a reader tells apart by one or two words (成功/失败, 通过/退回, 真实有效/未查到记录),
each pair being two events. Each message keeps its own frequency, queue tickets and identity
checks by the hundred, the day's reconciliation once in a few thousand lines. One of three
header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

DAY = datetime.date(2026, 3, 14)
WEEK = "一二三四五六日"

# queue letter and the business it stands for
BUSINESS = [("A", "综合类公证"), ("B", "涉外公证"), ("C", "房产·继承"), ("D", "企业及经济合同"), ("V", "预约优先")]
MATTERS = ["出生公证", "学历公证（本科学位证书）", "无犯罪记录公证", "亲属关系公证", "委托书公证（房产出售）", "继承权公证",
           "遗嘱公证", "声明书公证", "婚姻状况公证（未婚）", "驾驶证公证", "借款合同公证", "保全证据公证（网页）", "提存公证",
           "赋予强制执行效力债权文书公证", "现场监督公证（有奖销售）", "营业执照副本公证", "房屋租赁合同公证"]
# identity document and how its number is written (masked)
IDTYPES = ["居民身份证", "居民身份证", "居民身份证", "护照", "港澳居民来往内地通行证", "台湾居民来往大陆通行证",
           "外国人永久居留身份证"]
WINDOWS = ["3号窗口（综合受理）", "5号窗口（综合受理）", "7号窗口（涉外公证）", "9号窗口（房产继承）", "远程视频室2",
           "VIP洽谈室", "企业服务专窗（12号）"]
CHANNELS = ["微信公众号", "政务服务网", "电话预约", "掌上证通 APP", "现场转预约"]
COUNTRIES = ["美国", "加拿大", "澳大利亚", "德国", "日本", "英国", "新西兰", "中国香港特别行政区", "国内使用"]
FOREIGNERS = ["John A. SMITH（美国籍）", "Maria GONZALEZ LOPEZ（西班牙籍）", "TANAKA Yuki（日本国籍）",
              "Oliver Brown（英国籍）", "KIM Min Jun（韩国籍）"]
COMPANIES = ["北京星河远景科技有限公司", "上海汇川融资租赁（集团）有限公司", "杭州青禾农业发展合作社", "深圳市前海云石投资合伙企业（有限合伙）",
             "南京恒远物业管理有限公司"]
PARTYROLES = ["", "", "", "（代理人）", "（监护人）", "（继承人）", "（受托人）"]
MATERIALS = ["身份证正反面", "户口簿（首页及本人页）", "出生医学证明", "学位证书原件", "成绩单（加盖教务处章）", "不动产权证书",
             "结婚证", "死亡证明", "亲属关系证明（派出所出具）", "授权委托书草稿", "营业执照副本", "护照首页及签证页",
             "离婚协议书", "银行流水（近6个月）"]
MISSING = ["配偶同意出售声明", "被继承人死亡证明原件", "全体继承人身份证明", "学信网学历认证报告", "房屋共有人到场确认",
           "法定代表人身份证明书", "外文材料的中文译本"]
UPWAYS = ["窗口扫描", "小程序上传", "邮寄原件", "高拍仪采集"]
SMSTPL = ["预约提醒", "缴费通知", "领证通知", "补正材料通知", "视频公证链接", "满意度回访"]
REGIONS = ["美国 加利福尼亚州", "加拿大 温哥华", "澳大利亚 悉尼", "日本 东京都", "德国 Frankfurt am Main", "新西兰 奥克兰",
           "英国 London", "四川省 成都市"]
TERMINALS = ["证通云视 V3.2.1（Windows）", "证通云视 iOS 17.4", "证通云视 Android 14", "微信小程序 8.0.47"]
NETS = ["Wi-Fi", "4G", "5G", "有线宽带"]
DOCFILES = ["公证书（正本）.pdf", "询问笔录 第1-3页.pdf", "公证告知书.pdf", "译文 English.pdf", "委托书（签名页）.pdf",
            "现场监督记录.pdf"]
ROLES = ["主任公证员", "副主任", "质量监督部", "审批公证员"]
APPROVE = ["同意出证", "同意，请按期出证", "材料齐全，同意", "经审查符合出证条件"]
REJECT = ["亲属关系证明与户籍信息不一致", "委托事项表述不明确，请重新询问", "缺少配偶同意书", "译文有误（第2页人名拼写）",
          "继承人范围未查清，暂缓出证"]
IDVFAIL = ["人证不一致", "活体检测未通过（疑似翻拍）", "证件已过有效期", "证件照片模糊，无法识别", "身份证号码与姓名不匹配"]
QUERIES = ["官网查询", "微信小程序", "领事认证核验", "使馆来函核实", "电话核实"]
OFFICES = ["澄明", "澄明", "澄明", "云阶", "临川", "青石"]
COURIERS = [("迅达速运", "XD%012d"), ("鸿雁快递", "HY%010d"), ("邮政EMS", "EA%09dCN")]
ADDRS = ["北京市 朝阳区 望京街道 阜通东大街6号院3号楼1204", "上海市浦东新区 张杨路1188弄12号 601室",
         "123 Maple Ave, Toronto, ON M4B 1B3, Canada", "杭州市西湖区文三路90号（东部软件园）B座",
         "1-2-3 Shibuya, Shibuya-ku, Tokyo 150-0002"]
APPTCANCEL = ["本人取消", "材料未准备齐全", "时间冲突，改约至3月20日", "系统自动取消（未在规定时间内确认）", "已改为视频公证"]
LANGS = ["英语", "日语", "德语", "法语", "俄语", "西班牙语", "韩语"]
PAYCH = ["WECHAT_PAY", "ALIPAY", "UNIONPAY_QR", "POS刷卡", "对公转账"]
AGENTS = ["Chrome/122.0 (Windows 10)", "Edge/121.0 (Windows 11)", "证通桌面端 4.8.2", "Firefox/123.0 (UOS)"]
LOGINFAIL = ["密码错误", "验证码错误", "UKey 未插入", "账号已停用", "不在允许的登录时段"]
SQLS = ["select * from t_notary_case where party_id_no = ? and status in (2,3,5)",
        "SELECT count(1) FROM t_appointment WHERE office_id=? AND appt_date BETWEEN ? AND ?",
        "update t_fee_order set status=?, paid_at=? where order_no=?",
        "select a.*, b.file_url from t_archive a left join t_archive_file b on a.id=b.archive_id where a.case_no like ?"]
CHAINS = ["司链存证", "公证联盟链（节点03）", "证信链 v2"]
CHAINERR = ["code=40012 msg=nonce too low", "HTTP 503 Service Unavailable", "timeout after 30000ms",
            "code=50001 msg=节点共识失败"]
IDVERR = ["IDV_GATEWAY_TIMEOUT", "IDV_QPS_LIMIT", "IDV_CERT_EXPIRED", "E1003"]
HTTP5XX = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout"]
SIGNERR = ["CERT_EXPIRED 证书已过期", "UKey PIN码错误（剩余2次）", "TSA timeout: connect timed out",
           "签章服务返回 HTTP 500", "文件哈希校验不一致"]
ARCHEXC = ["com.hengzheng.archive.StoreException: PutObject failed", "java.io.IOException: Connection reset by peer",
           "java.net.SocketTimeoutException: Read timed out",
           "com.hengzheng.archive.QuotaExceededException: bucket quota 95%"]
REFUNDERR = ["REFUND_AMOUNT_EXCEED", "ORDER_NOT_PAID", "SYSTEM_ERROR", "原交易已超过180天"]
SCANNERS = ["明镜 HS-820", "光影 GY-1200A", "明镜 HS-500 Pro"]
SCANERR = [("0x80070015", "DEVICE_NOT_READY"), ("0x8007001F", "GEN_FAILURE"), ("0x800705B4", "TIMEOUT")]
STOREROOMS = ["档案库房A区（地下1层）", "电子档案机房", "实物档案库3号"]
KEEPS = ["永久", "永久", "30年", "10年"]
VOLKINDS = ["民", "经", "涉外", "证保"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def day(r, lo, hi, forms=(0, 1, 2)):
    """A date lo..hi days from the log's day, in one of the forms the office's screens use."""
    d = DAY + datetime.timedelta(days=r.randint(lo, hi))
    f = r.choice(forms)
    if f == 0:
        return "%d年%d月%d日" % (d.year, d.month, d.day)
    if f == 1:
        return d.strftime("%Y-%m-%d")
    return "%d月%d日（周%s）" % (d.month, d.day, WEEK[d.weekday()])


def deadline(r):
    _chosen["days"] = r.randint(10, 40)
    d = DAY + datetime.timedelta(days=_chosen["days"])
    return "%d年%d月%d日" % (d.year, d.month, d.day) if r.random() < 0.5 else d.strftime("%Y-%m-%d")


def ticket(r):
    _chosen["biz"] = r.choice(BUSINESS)
    return "%s%03d" % (_chosen["biz"][0], r.randint(1, 260))


def idtype(r):
    _chosen["idt"] = r.choice(IDTYPES)
    return _chosen["idt"]


def idno(r):
    t = _chosen["idt"]
    if t == "居民身份证":
        return "%s%02d********%03d%s" % (r.choice(["110105", "310104", "330106", "440305", "510107"]), r.randint(19, 20),
                                         r.randint(0, 999), r.choice("0123456789X"))
    if t == "护照":
        return "E****%04d" % r.randint(0, 9999)
    if t == "港澳居民来往内地通行证":
        return "H%04d****" % r.randint(0, 9999)
    if t == "台湾居民来往大陆通行证":
        return "%04d****" % r.randint(0, 9999)
    return "%s%06d******" % (r.choice(["USA", "CAN", "JPN", "DEU"]), r.randint(0, 999999))


def simlow(r):
    _chosen["th"] = r.choice([75, 80, 82])
    return "%.2f" % r.uniform(30, _chosen["th"] - 0.5)


def caseno(r):
    return "AJ202603%02d%05d" % (r.randint(1, 14), r.randint(1, 9999))


def parties(r):
    out = []
    for _ in range(r.randint(1, 3)):
        x = r.random()
        if x < 0.7:
            out.append(name(r) + r.choice(PARTYROLES))
        elif x < 0.85:
            out.append(r.choice(COMPANIES) + "（法定代表人：%s）" % name(r))
        else:
            out.append(r.choice(FOREIGNERS))
    return "、".join(out)


def feeamt(r):
    fees = [("公证费", r.choice([80, 100, 200, 300, 500, 1200]))]
    for what, lo, hi in [("副本费", 10, 60), ("翻译费", 80, 600), ("加急费", 100, 300), ("上门服务费", 200, 500)]:
        if r.random() < 0.35:
            fees.append((what, r.randint(lo, hi) // 10 * 10))
    _chosen["fees"] = ",".join("%s:%.2f" % f for f in fees)
    return "%.2f" % sum(f[1] for f in fees)


def materials(r):
    got = r.sample(MATERIALS, r.randint(1, 5))
    _chosen["mcount"] = len(got)
    return "、".join(got)


def appt(r):
    # an appointment number carries the day it was made
    return "YY2603%02d%s%03d" % (r.randint(1, 14), r.choice("AMPV"), r.randint(1, 480))


def slot(r):
    h = r.choice([9, 9, 10, 10, 11, 14, 14, 15, 16])
    m = r.choice([0, 30])
    return "%s %02d:%02d-%02d:%02d" % ("上午" if h < 12 else "下午", h, m, h + (m + 30) // 60, (m + 30) % 60)


def request(r):
    """A web request line: method, path, version, status and size."""
    later = (DAY + datetime.timedelta(days=r.randint(1, 14))).isoformat()
    m, p, st = r.choice([
        ("GET", "/api/v2/case/%s/progress" % caseno(r), "200"),
        ("GET", "/api/v2/appointment/slots?date=%s&office=03" % later, "200"),
        ("POST", "/api/v2/fee/quote", "200"),
        ("POST", "/api/v2/appointment", "201"),
        ("GET", "/api/v1/archive/%d-%s-%05d/pages?page=%d" % (2026, r.choice(["min", "jing", "sw"]), r.randint(1, 99999),
                                                              r.randint(1, 40)), "200"),
        ("GET", "/static/js/app.%07x.js" % r.getrandbits(28), "304"),
        ("DELETE", "/api/v2/material/M%08d" % r.randint(0, 10 ** 8 - 1), "204")])
    return "\"%s %s HTTP/1.1\" %s %d" % (m, p, st, 0 if st in ("204", "304") else r.randint(180, 48000))


def uid(r):
    x = r.random()
    if x < 0.5:
        chars = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ0123456789-_"
        return "oWx%s" % "".join(r.choice(chars) for _ in range(13))
    if x < 0.85:
        return "GZ%04d" % r.randint(1001, 1188)
    return "-"


def certnum(r):
    return "（2026）%s证字第%06d号" % (r.choice(OFFICES), r.randint(1, 24000))


def waybill(r):
    c, f = r.choice(COURIERS)
    _chosen["waybill"] = f % r.randint(0, 10 ** 9 - 1)
    return c


def tsa(r):
    return "2026-03-14T%02d:%02d:%02d+08:00" % (r.randint(8, 17), r.randint(0, 59), r.randint(0, 59))


def hms(r):
    s = r.randint(240, 2700)
    return "%02d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)


def translation(r):
    src, dst = ("中文", r.choice(LANGS)) if r.random() < 0.8 else (r.choice(LANGS), "中文")
    return "%s→%s" % (src, dst)


def scanerr(r):
    return "%s %s" % r.choice(SCANERR)


def refund(r):
    return "%.2f" % (r.choice([80, 100, 200, 300, 500]) + r.choice([0, 0, 20, 180, 300]))


def reconcile(r):
    n, rn = r.randint(120, 460), r.randint(0, 9)
    return "收费%d笔共%.2f元，退费%d笔共%.2f元" % (n, n * r.uniform(180, 420), rn, rn * r.uniform(80, 500))


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


def ip(r):
    if r.random() < 0.7:
        return "10.20.%d.%d" % (r.randint(1, 8), r.randint(10, 250))
    return "%d.%d.%d.%d" % (r.randint(36, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254))


V = {
    "name": name, "ticket": ticket, "biz": lambda r: _chosen["biz"][1], "idtype": idtype, "idno": idno,
    "simok": real(85, 99.9, "%.2f"), "simlow": simlow, "th": lambda r: "%.2f" % _chosen["th"],
    "live": pick(["通过", "通过", "通过（眨眼、摇头）", "通过（读数）"]), "idvfail": pick(IDVFAIL),
    "caseno": caseno, "parties": parties, "matter": pick(MATTERS), "country": pick(COUNTRIES),
    "apptno": appt, "apptdate": lambda r: day(r, 0, 17), "missed": lambda r: day(r, -10, 0), "slot": slot,
    "window": pick(WINDOWS),
    "channel": pick(CHANNELS), "title": pick(["先生", "女士"]), "apptcancel": pick(APPTCANCEL),
    "feeorder": lambda r: "F20260314%07d" % r.randint(0, 10 ** 7 - 1), "paych": pick(PAYCH), "feeamt": feeamt,
    "feeitems": lambda r: _chosen["fees"], "refund": refund, "refunderr": pick(REFUNDERR),
    "vol": lambda r: "2026-%s-%05d" % (r.choice(VOLKINDS), r.randint(1, 30000)), "keep": pick(KEEPS),
    "pages": rint(3, 420), "size": real(0.4, 86.0, "%.2f"), "hash": lambda r: "%064x" % r.getrandbits(256),
    "certnum": certnum, "copies": rint(1, 5), "materials": materials, "mcount": lambda r: str(_chosen["mcount"]),
    "upway": pick(UPWAYS), "missing": items(MISSING, 1, 3), "due": lambda r: day(r, 5, 30, (0, 1)),
    "phone": phone, "smstpl": pick(SMSTPL), "msgid": lambda r: "%08X-%04d" % (r.getrandbits(32), r.randint(0, 9999)),
    "sess": lambda r: "VN%06x%02d" % (r.getrandbits(24), r.randint(1, 99)), "region": pick(REGIONS),
    "terminal": pick(TERMINALS), "net": pick(NETS), "hms": hms, "recsize": real(40, 900, "%.1f"),
    "loss": real(3, 35, "%.1f"), "rtt": rint(180, 2400), "docfile": pick(DOCFILES),
    "certsn": lambda r: "%032X" % r.getrandbits(128), "tsa": tsa, "signerr": pick(SIGNERR), "role": pick(ROLES),
    "approvenote": pick(APPROVE), "rejectnote": pick(REJECT), "query": pick(QUERIES), "waybill": waybill,
    "billno": lambda r: _chosen["waybill"], "addr": pick(ADDRS), "kg": real(0.1, 2.5, "%.2f"),
    "postage": real(12, 260, "%.2f"), "translation": translation, "words": rint(300, 12000),
    "mins": rint(2, 95), "emp": rint(1001, 1188, "GZ%04d"), "ip": ip, "agent": pick(AGENTS),
    "loginfail": pick(LOGINFAIL), "slowms": rint(1200, 16000), "sql": pick(SQLS),
    "evid": lambda r: "EV2603%02d%08d" % (r.randint(1, 14), r.randint(0, 10 ** 8 - 1)),
    "height": rint(1200000, 9800000), "chain": pick(CHAINS), "chainerr": pick(CHAINERR),
    "http5xx": pick(HTTP5XX), "idverr": pick(IDVERR), "archexc": pick(ARCHEXC),
    "objkey": lambda r: "2026/03/%02d/%s-p%03d.pdf" % (r.randint(1, 14), caseno(r), r.randint(1, 420)),
    "scanner": pick(SCANNERS), "scanerr": scanerr, "storeroom": pick(STOREROOMS), "temp": real(24.5, 30.5),
    "hum": rint(61, 82), "reconcile": reconcile, "bizdate": lambda r: day(r, -1, -1, (0, 1)),
    "names": lambda r: "、".join(name(r) for _ in range(r.randint(2, 3))),
    "licence": lambda r: "1%03d%04d%06d" % (r.randint(100, 653), r.randint(1998, 2020), r.randint(0, 999999)),
    "deadline": deadline, "days": lambda r: str(_chosen["days"]), "request": request, "uid": uid,
    "rt": rint(8, 980), "ahead": rint(0, 38), "wait": rint(0, 120), "n": rint(1, 3), "try": rint(1, 5),
    # parts only some lines carry
    "tail": optional(lambda r: "，手机尾号%04d" % r.randint(0, 9999), 0.5),
    "companions": optional(lambda r: "，同行%d人" % r.randint(1, 4), 0.3),
    "urgent": optional(lambda r: "，加急（%d个工作日）" % r.randint(1, 3), 0.2),
    "lang": optional(lambda r: "，附%s译文" % r.choice(LANGS), 0.45),
    "recnote": optional(lambda r: "，已同步至电子档案", 0.6),
    "blacklist": optional(lambda r: "，累计3次将限制线上预约30天", 0.35),
    "reconn": optional(lambda r: r.choice(["，重连成功", "，重连失败，等待当事人重新进入"]), 0.6),
    "locked": optional(lambda r: "，账号已锁定15分钟", 0.3),
    "scannote": optional(lambda r: "，已切换至备用设备", 0.5),
    "retryat": optional(lambda r: "，下次重试 %02d:%02d" % (r.randint(9, 17), r.randint(0, 59)), 0.5),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "queue", "取号成功：号码{ticket}（{biz}），前面还有{ahead}人，预计等待约{wait}分钟{tail}"),
    (200, "INFO", "idv", "身份核验通过：{name}，{idtype}（{idno}），人像比对相似度{simok}%，活体检测{live}，耗时{rt}ms"),
    (160, "INFO", "web", "{ip} {uid} {request} {rt}ms"),
    (130, "INFO", "appt",
     "预约成功：预约号{apptno}，{name}{title}，{apptdate} {slot}，事项《{matter}》，{window}，渠道：{channel}{companions}"),
    (110, "INFO", "case", "受理登记：案号{caseno}，事项《{matter}》，当事人：{parties}，承办公证员{name}，使用地：{country}{urgent}"),
    (95, "INFO", "fee", "fee.paid order={feeorder} case={caseno} channel={paych} amount={feeamt}元 items=[{feeitems}]"),
    (80, "INFO", "archive", "电子档案归档完成：案号{caseno}，卷宗号{vol}（保管期限：{keep}），共{pages}页，{size}MB，sha256={hash}"),
    (70, "INFO", "doc", "公证书已出具：{certnum}，《{matter}》，正本1份、副本{copies}份{lang}"),
    (60, "INFO", "material", "材料提交：案号{caseno}，{materials}（共{mcount}项），方式：{upway}"),
    (55, "INFO", "sms", "sms sent ok mobile={phone} template=「{smstpl}」 msgid={msgid} cost={rt}ms"),
    (45, "INFO", "video", "视频公证会话开始：会话{sess}，当事人{name}（{region}），公证员{name}，终端「{terminal}」，网络{net}"),
    (40, "INFO", "video", "视频公证会话结束：会话{sess}，时长{hms}，录像{recsize}MB已保存{recnote}"),
    (35, "INFO", "sign", "电子签章成功：案号{caseno}，文件《{docfile}》，签章人{name}，证书SN={certsn}，时间戳{tsa}"),
    (30, "INFO", "case", "审批通过：案号{caseno}，事项《{matter}》，审批人{name}（{role}），意见：{approvenote}"),
    (26, "WARN", "idv", "身份核验未通过：{name}，{idtype}（{idno}），人像比对相似度{simlow}%，低于阈值{th}%，原因：{idvfail}"),
    (24, "INFO", "verify", "公证书核验：编号{certnum}，查询渠道「{query}」，结果：真实有效"),
    (20, "INFO", "mail", "公证书寄送：快递「{waybill}」单号{billno}，收件人{name}，地址：{addr}，重量{kg}kg，运费{postage}元"),
    (18, "WARN", "appt", "预约爽约：预约号{apptno}，{name}{title}，原定{missed} {slot}，本年度第{n}次爽约{blacklist}"),
    (16, "INFO", "appt", "预约取消：预约号{apptno}，{name}{title}，原因：{apptcancel}"),
    (15, "WARN", "case", "补正通知：案号{caseno}，请当事人于{due}前补充：{missing}，经办人{name}"),
    (13, "INFO", "trans", "译文校对完成：案号{caseno}，{translation}，字数{words}，译员{name}，用时{mins}分钟"),
    (12, "INFO", "auth", "用户登录成功：工号{emp}（{name}），客户端IP {ip}，终端{agent}"),
    (10, "WARN", "db", "slow sql ({slowms} ms): {sql}"),
    (9, "INFO", "chain", "存证上链成功：证据包{evid}，哈希0x{hash}，区块高度{height}，平台「{chain}」"),
    (8, "INFO", "fee", "退费成功：订单{feeorder}，案号{caseno}，退款{refund}元，原路退回{paych}"),
    (7, "WARN", "video", "视频连接中断：会话{sess}，丢包率{loss}%，往返时延{rtt}ms，第{n}次重连{reconn}"),
    (6, "WARN", "verify", "公证书核验：编号{certnum}，查询渠道「{query}」，结果：未查到记录"),
    (5, "ERROR", "idv", "调用公民身份核查接口失败：HTTP {http5xx}，errCode={idverr}，耗时{slowms}ms，已转人工核验（{window}）"),
    (5, "WARN", "auth", "用户登录失败：工号{emp}，客户端IP {ip}，原因：{loginfail}，连续失败{try}次{locked}"),
    (4, "WARN", "case", "审批退回：案号{caseno}，事项《{matter}》，审批人{name}（{role}），意见：{rejectnote}"),
    (3.5, "WARN", "fee", "pay timeout order={feeorder} case={caseno} channel={paych} amount={feeamt}元，订单已关闭，二维码失效"),
    (3, "ERROR", "sign", "电子签章失败：案号{caseno}，文件《{docfile}》，签章人{name}，证书SN={certsn}，错误：{signerr}"),
    (2.5, "ERROR", "archive", "归档上传失败 key={objkey} retry={try}/5：{archexc}"),
    (2.2, "ERROR", "chain", "存证上链失败：证据包{evid}，平台「{chain}」返回{chainerr}，已加入重试队列{retryat}"),
    (2.2, "ERROR", "device", "高拍仪采集失败：设备「{scanner}」，{window}，错误码{scanerr}{scannote}"),
    (2, "WARN", "env", "档案库房温湿度超限：{storeroom}，温度{temp}℃，相对湿度{hum}%（标准：14～24℃，45%～60%），已通知{name}"),
    (2, "ERROR", "fee", "退费失败：订单{feeorder}，案号{caseno}，退款{refund}元，原路退回{paych}，错误码{refunderr}"),
    (2, "INFO", "fee", "日终对账完成：{bizdate}，{reconcile}，差异0.00元，对账人：{names}"),
    (2, "WARN", "hr", "公证员执业证年度考核提醒：{name}，执业证号{licence}，应于{deadline}前提交材料，剩余{days}天"),
]

# the Java loggers and worker threads of each module, for the first header form
LOGGERS = {"queue": "c.h.notary.queue.TicketService", "idv": "c.h.notary.idv.FaceVerifyService",
           "web": "c.h.notary.web.AccessLogFilter", "appt": "c.h.notary.appt.AppointmentService",
           "case": "c.h.notary.cases.CaseFlowService", "fee": "c.h.notary.fee.PaymentService",
           "archive": "c.h.notary.archive.ArchiveStore", "doc": "c.h.notary.doc.CertificateIssuer",
           "material": "c.h.notary.material.MaterialService", "sms": "c.h.notary.msg.SmsSender",
           "video": "c.h.notary.video.RoomManager", "sign": "c.h.notary.seal.ESealService",
           "verify": "c.h.notary.open.CertVerifyController", "mail": "c.h.notary.mail.ExpressService",
           "trans": "c.h.notary.trans.TranslationService", "auth": "c.h.notary.auth.LoginService",
           "db": "c.h.common.db.SlowSqlInterceptor", "chain": "c.h.notary.chain.EvidenceClient",
           "device": "c.h.notary.device.CameraBridge", "env": "c.h.notary.env.RoomMonitor",
           "hr": "c.h.notary.hr.LicenceReminder"}
THREADS = {"queue": "queue-%d", "video": "video-cb-%d", "sms": "sms-sender-%d", "chain": "chain-retry-%d",
           "env": "scheduling-%d", "hr": "scheduling-%d", "archive": "archive-io-%d", "device": "ws-device-%d"}
# the module as the office's Chinese console names it
PLACES = {"queue": "取号机%d", "idv": "身份核验", "web": "门户网关", "appt": "预约中心", "case": "受理窗口%02d",
          "fee": "收费窗口%02d", "archive": "电子档案", "doc": "出证", "material": "材料管理", "sms": "短信平台",
          "video": "视频公证", "sign": "电子签章", "verify": "核验服务", "mail": "寄送", "trans": "翻译部",
          "auth": "登录认证", "db": "数据库", "chain": "区块链存证", "device": "外设管理", "env": "动环监控", "hr": "人事"}
HOSTS = ["nt-app-01", "nt-app-02", "nt-app-03"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    if form == 0:
        # the Java back end logs the time with a comma before the milliseconds and a padded level
        thread = THREADS.get(module, "http-nio-8443-exec-%d") % r.randint(1, 40)
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), r.randint(0, 999), level, thread,
                                           LOGGERS[module])
    if form == 1:
        # the window clients print Chinese times, levels and the console's name in full-width brackets
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        place = PLACES[module]
        if "%" in place:
            place = place % r.randint(1, 12)
        return "[%d年%02d月%02d日 %s] 〔%s〕【%s@%s】" % (at.year, at.month, at.day, at.strftime("%H:%M:%S"), cn, place,
                                                    r.choice(HOSTS))
    # the machines forward to a syslog collector that keeps a one-letter level and the module
    return "%s %2d %s %s notaryd[%d]: <%s> [%s] " % (MONTHS[at.month - 1], at.day, at.strftime("%H:%M:%S"),
                                                   r.choice(HOSTS), r.choice([2231, 2231, 2240]), level[0], module)


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "N", 8 * 3600 + 30 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
