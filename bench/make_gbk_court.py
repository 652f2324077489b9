#!/usr/bin/env python3
"""A GBK log of a Chinese court's litigation-service and case-management system with its
truth.

    bench/make_gbk_court.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (online case
filing, case numbers, electronic and postal service of documents, hearing schedules and
online hearings, litigation fees, pre-suit mediation, time limits, judgments and their
publication, enforcement), written to measure the miner on and not to shape it: no rule
was made or tuned on them. One of three header forms by the seed. The output depends
only on the arguments.
"""

import gbk_messages

# Court codes as the case number carries them, with the province's one-character name.
COURTS = [("沪", "0105"), ("沪", "0112"), ("浙", "0106"), ("苏", "0213"), ("鄂", "0102"),
          ("川", "0191"), ("粤", "0304"), ("沪", "01")]
CASE_KINDS = ["民初", "民初", "民初", "民终", "执", "执保", "刑初", "行初", "知民初", "民特", "财保"]
COMPANIES = ["临江恒远建材有限公司", "云溪市鼎川物业服务有限公司", "北湖瑞丰小额贷款有限公司",
             "鹤山市华屹商贸有限公司", "青石泽安科技有限公司", "临江区明辉装饰工程部"]
CAUSES = ["民间借贷纠纷", "买卖合同纠纷", "物业服务合同纠纷", "劳动争议", "机动车交通事故责任纠纷",
          "离婚纠纷", "房屋租赁合同纠纷", "金融借款合同纠纷", "侵害作品信息网络传播权纠纷",
          "追索劳动报酬纠纷"]
RETURNS = ["起诉状未写明被告住所", "证据材料扫描件不清晰", "缺少原告身份证明", "诉讼请求不明确",
           "不属于本院管辖", "授权委托书未签字", "重复提交"]
DOCS = ["起诉状副本", "应诉通知书", "举证通知书", "传票", "民事判决书", "民事裁定书",
        "开庭公告", "缴费通知书", "调解书", "执行通知书"]
JUDG_DOCS = ["民事判决书", "民事裁定书", "民事调解书", "刑事判决书", "执行裁定书", "行政判决书"]
SERVICE_WAYS = ["短信+平台", "电子邮箱", "微信小程序", "诉讼服务平台", "律师服务平台"]
SERVICE_FAILS = ["手机号已停机", "号码与受送达人身份不一致", "短信网关返回失败（code=40017）",
                 "受送达人未同意电子送达", "邮箱地址无效", "超过72小时未签收"]
MAIL_FAILS = ["查无此人", "地址不详", "拒收", "原址拆迁", "逾期未取"]
COURTROOMS = ["第一法庭", "第五法庭", "第十二法庭（科技法庭）", "第三审判庭", "互联网法庭A",
              "速裁法庭", "少年法庭"]
ROLES = ["原告", "被告", "原告代理人", "被告代理人", "第三人", "书记员"]
MEDI_ORGS = ["临江区人民调解委员会", "金融纠纷特邀调解室", "物业纠纷调解工作室", "劳动争议调解中心",
             "律师调解工作室"]
MEDIA_FAILS = ["被告明确拒绝调解", "双方就金额差距过大", "被告经两次通知未到场", "调解期限届满",
               "原告撤回调解申请"]
NO_PUBLIC = ["涉及个人隐私", "涉及未成年人", "以调解方式结案", "涉及国家秘密", "离婚诉讼"]
BANKS = ["临江农商银行", "恒通银行", "北湖城市商业银行", "鹤山村镇银行", "泽安银行信用卡中心"]
PAY_CHANNELS = ["wxpay", "alipay", "unionpay", "counter"]
CHANNELS = ["诉讼服务小程序", "诉讼服务热线", "网上诉讼服务平台", "诉讼服务大厅自助机"]
SERVICES = ["立案咨询", "阅卷", "法官约谈", "材料收转", "退费办理", "调取证据"]
MODULES = ["网上立案", "电子送达", "庭审排期", "诉讼收费", "诉前调解", "审判管理", "执行查控"]
LOGGERS = ["Litigation.Filing.CaseFilingHandler", "Litigation.Service.EServiceDispatcher",
           "Litigation.Hearing.ScheduleService", "Litigation.Fee.PaymentNotifyController",
           "Litigation.Mediation.DiversionJob", "Litigation.Enforce.AssetQueryClient"]


def caseno(r):
    prov, code = r.choice(COURTS)
    return "（%d）%s%s%s%d号" % (r.choice([2025, 2026, 2026, 2026]), prov, code,
                              r.choice(CASE_KINDS), r.randint(1, 28000))


def party(r):
    return r.choice(COMPANIES) if r.random() < 0.45 else gbk_messages.name(r)


def yuan(r):
    if r.random() < 0.5:
        return "%d" % r.randint(500, 3000000)
    return "%d.%02d" % (r.randint(50, 900000), r.randint(0, 99))


def cn_date(r):
    return "2026年%d月%d日" % (r.randint(4, 9), r.randint(1, 30))


def cn_datetime(r):
    half, hour = r.choice([("上午", r.randint(8, 11)), ("下午", r.randint(1, 5))])
    return "2026年%d月%d日%s%d:%02d" % (r.randint(4, 9), r.randint(1, 30), half, hour,
                                     r.choice([0, 0, 30, 15, 45]))


def names(r):
    return "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 4)))


def jurors(r):
    return "，人民陪审员：%s" % "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 2)))


def fee_note(r):
    return r.choice(["（减半收取）", "（已申请缓交）", "（适用简易程序）"])


def phone(r):
    return "1%d%d****%04d" % (r.choice([3, 5, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


V = {
    "name": gbk_messages.name,
    "party": party,
    "caseno": caseno,
    "cause": gbk_messages.pick(CAUSES),
    "returnwhy": gbk_messages.pick(RETURNS),
    "doc": gbk_messages.pick(DOCS),
    "judgdoc": gbk_messages.pick(JUDG_DOCS),
    "svcway": gbk_messages.pick(SERVICE_WAYS),
    "svcfail": gbk_messages.pick(SERVICE_FAILS),
    "mailfail": gbk_messages.pick(MAIL_FAILS),
    "courtroom": gbk_messages.pick(COURTROOMS),
    "role": gbk_messages.pick(ROLES),
    "mediorg": gbk_messages.pick(MEDI_ORGS),
    "mediafail": gbk_messages.pick(MEDIA_FAILS),
    "nopublic": gbk_messages.pick(NO_PUBLIC),
    "bank": gbk_messages.pick(BANKS),
    "paychan": gbk_messages.pick(PAY_CHANNELS),
    "channel": gbk_messages.pick(CHANNELS),
    "svc": gbk_messages.pick(SERVICES),
    "yuan": yuan,
    "fee": lambda r: "%.2f" % (r.choice([25, 50, 300, 0]) + r.randint(0, 600) * r.choice([0.5, 5, 25])),
    "cndate": cn_date,
    "cndatetime": cn_datetime,
    "cntime": lambda r: "%d时%02d分" % (r.randint(0, 23), r.randint(0, 59)),
    "signers": names,
    "jurors": gbk_messages.optional(jurors, 0.4),
    "feenote": gbk_messages.optional(fee_note, 0.25),
    "phone": phone,
    "applyno": lambda r: "WSLA%s%06d" % (r.choice(["202604", "202605"]), r.randint(1, 999999)),
    "payno": lambda r: "JF%014d" % r.randint(0, 10 ** 14 - 1),
    "mailno": lambda r: "%s%09d" % (r.choice(["YJ", "KD", "9"]), r.randint(0, 10 ** 9 - 1)),
    "roomid": lambda r: "%d-%04d" % (r.randint(1, 40), r.randint(0, 9999)),
    "docid": lambda r: "%s-%d-%06d" % (r.choice(["MS", "XS", "ZX", "XZ"]), 2026, r.randint(1, 999999)),
    "apptno": lambda r: "YY%08d" % r.randint(0, 99999999),
    "uid": lambda r: "%x" % r.getrandbits(40),
    "status": lambda r: r.choice(["401", "500", "502", "504", "-1"]),
    "days": lambda r: str(r.randint(1, 120)),
    "sec": lambda r: str(r.randint(3, 900)),
    "ms": lambda r: str(r.randint(100, 30000)),
    "n": lambda r: str(r.randint(1, 12)),
}

TEMPLATES = [
    ("INFO", "网上立案申请已提交：申请号{applyno}，原告{party}，被告{party}，案由：{cause}，诉讼标的额{yuan}元"),
    ("INFO", "立案审查通过，案号{caseno}，承办法官{name}，书记员{name}"),
    ("WARN", "立案审查退回：申请号{applyno}，退回原因：{returnwhy}，审查人{name}"),
    ("INFO", "诉讼费缴纳通知已生成：案号{caseno}，应缴案件受理费{fee}元{feenote}，缴费期限{cndate}"),
    ("INFO", "诉讼费缴费成功 caseNo={caseno} payNo={payno} amount={yuan} channel={paychan}"),
    ("WARN", "诉讼费逾期未缴：案号{caseno}，已超期{days}日，按撤诉处理"),
    ("INFO", "电子送达成功：案号{caseno}，文书《{doc}》，受送达人{party}，送达方式：{svcway}"),
    ("ERROR", "电子送达失败：案号{caseno}，受送达人{party}，手机号{phone}，原因：{svcfail}"),
    ("INFO", "受送达人{name}已查阅《{doc}》，查阅时间{cntime}，案号{caseno}"),
    ("WARN", "邮寄送达退回 caseNo={caseno} mailNo={mailno} reason={mailfail}"),
    ("INFO", "开庭排期：案号{caseno}，{cndatetime}，{courtroom}，审判长{name}{jurors}"),
    ("WARN", "排期冲突：法官{name}在{cndatetime}已有{n}个庭审，案号{caseno}排期失败"),
    ("INFO", "在线庭审开始 caseNo={caseno} room={roomid} participants={n}"),
    ("ERROR", "在线庭审音视频中断，案号{caseno}，房间{roomid}，断开方：{role}，持续{sec}秒"),
    ("INFO", "庭审笔录已签名：案号{caseno}，签名人{signers}"),
    ("INFO", "诉前调解分流：申请号{applyno}转入{mediorg}，调解员{name}"),
    ("INFO", "调解成功，案号{caseno}，双方达成协议，调解金额{yuan}元，履行期限至{cndate}"),
    ("WARN", "调解失败，案号{caseno}，{mediafail}，转入审理程序"),
    ("INFO", "审限提醒：案件{caseno}距审限届满还有{days}天，承办人{name}"),
    ("WARN", "案件{caseno}已超审限{days}天且未申请延长，已推送审管办"),
    ("INFO", "裁判文书签发：《{judgdoc}》，案号{caseno}，签发人{name}，文书编号{docid}"),
    ("INFO", "裁判文书上网公开：{caseno}，隐名处理{n}处，status=published"),
    ("WARN", "裁判文书不上网：{caseno}，理由：{nopublic}，审批人{name}"),
    ("INFO", "执行立案：案号{caseno}，申请执行人{party}，被执行人{party}，执行标的{yuan}元"),
    ("INFO", "网络查控反馈：{caseno}，{bank}冻结{yuan}元，另查询账户{n}个"),
    ("ERROR", "统一身份认证接口调用失败 userId={uid} code={status} cost={ms}ms，当事人{name}无法登录"),
    ("INFO", "当事人{name}通过{channel}预约{svc}，预约号{apptno}，时间：{cndatetime}"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the case-management client logs in Chinese with labelled fields
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "时间：2026年04月21日 %02d:%02d:%02d 级别：%s 模块：%s 内容：" % (
            hh, mm, ss, cn, r.choice(MODULES))
    if form == 1:
        # the litigation-service back end is .NET; fields are separated by bars
        return "2026-04-21 %02d:%02d:%02d.%04d|%s|%s|" % (
            hh, mm, ss, r.randint(0, 9999), level, r.choice(LOGGERS))
    # the gateway writes the level first, padded in brackets, and the request's trace id
    return "[%-5s] [2026-04-21 %02d:%02d:%02d.%03d] [traceId=%016x] " % (
        level, hh, mm, ss, ms, r.getrandbits(64))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CT", 8 * 3600 + 1800)
