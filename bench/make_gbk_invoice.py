#!/usr/bin/env python3
"""A GBK log of a Chinese enterprise e-invoice and tax filing system with its truth.

    bench/make_gbk_invoice.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (blue and
red invoices, tax-control devices, verification, monthly VAT returns, taxpayer sync,
blacklist checks and batch downloads), written to measure the miner on and not to shape
it: no rule was made or tuned on them. Several pairs are close on purpose (issued /
failed, blue / red, task created / finished), as a real invoicing service logs them. One
of three header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

# Company names are put together from invented words, so none of them is a real firm.
CITIES = ["上海", "北京", "深圳", "杭州", "苏州", "成都", "武汉", "南京"]
WORDS = ["澜川", "禾序", "予衡", "岫原", "栖木", "闻溪", "砚舟", "苒青", "峦启", "沐芮"]
TRADES = ["信息科技", "供应链管理", "建筑工程", "餐饮管理", "医疗器械", "新材料", "物业服务", "商贸"]
SUFFIXES = ["有限公司", "有限公司", "股份有限公司", "有限责任公司"]

# Region codes inside the unified social credit code (Shanghai Pudong, Beijing Haidian, ...).
REGIONS = ["310115", "310104", "110108", "440300", "330106", "320506", "510107", "420106"]
CODE_CHARS = "0123456789ABCDEFGHJKLMNPQRTUWXY"

RATES = ["13%", "9%", "6%", "3%", "1%", "0%", "免税"]
ISSUE_FAILS = ["购方税号校验不通过", "商品编码不存在", "税率与商品编码不匹配", "超出单张发票开票限额",
               "税控设备离线", "发票号段已用尽", "开票终端证书已过期", "金额小数位超过2位",
               "购方名称含非法字符"]
RED_REASONS = ["开票有误", "销货退回", "服务中止", "销售折让"]
REJECTS = ["原蓝字发票已勾选抵扣", "冲红金额超过原发票可冲红余额", "购方未在72小时内确认",
           "原发票不存在或已作废", "红字信息表已过期"]
FALLBACKS = ["备用税控盘", "离线开票模式", "集中税控服务器", "人工开票队列"]
DEVICE_KINDS = ["税控盘", "税务UKey", "税控服务器"]
DEV_ERRORS = [("0x1001", "device busy"), ("0x2003", "certificate expired"), ("0x2010", "read timeout"),
              ("0x3002", "usb disconnected"), ("0x3007", "invalid pin"), ("0x4001", "clock drift exceeds limit")]
CHECK_FIELDS = ["金额", "税额", "开票日期", "购方税号", "销方名称", "校验码"]
FILING_FAILS = ["申报表间逻辑校验不通过", "进项税额转出未填写", "电子税务局接口超时", "CA证书签名失败",
                "所属期已申报，不可重复申报", "预缴税款与申报数据不符", "附列资料未上传"]
TAX_TYPES = ["一般纳税人", "小规模纳税人"]
BUREAUS = ["浦东新区税务局", "海淀区税务局", "南山区税务局", "西湖区税务局", "工业园区税务局", "武侯区税务局"]
PROFILE_FIELDS = ["纳税人名称", "注册地址", "开户银行", "银行账号", "联系电话", "法定代表人", "经营范围"]
BLACKLIST = ["重大税收违法失信主体", "非正常户", "走逃失联企业", "虚开发票风险企业", "经营异常名录"]
FORMATS = ["PDF", "OFD", "XML", "PDF+OFD"]
DL_FAILS = ["存储空间不足", "文件服务连接被重置", "部分发票版式文件未生成", "压缩包超过500MB上限",
            "下载链接已过期", "对象存储签名校验失败"]
CHANNELS = ["企业门户", "税务数字账户", "购方ERP接口", "移动开票App"]
DELIVER_FAILS = ["收票地址格式错误", "对方服务器拒收", "推送频率超限", "收票人联系方式为空", "推送网关超时"]
VOID_REASONS = ["开票信息填写错误", "购方要求重开", "重复开票", "商品明细有误", "测试发票"]
KINDS = ["增值税专用发票", "普通发票"]
# Line items are written the way the tax code table names them: *category*item.
ITEMS = ["*信息技术服务*软件维护费", "*现代服务*咨询服务费", "*餐饮服务*餐费", "*建筑服务*工程款",
         "*医疗仪器器械*一次性输液器", "*塑料制品*包装膜", "*物业管理服务*物业费", "*运输服务*国内道路货物运输"]
LOGGERS = ["c.x.einv.IssueService", "c.x.einv.RedLetterService", "c.x.tax.FilingJob",
           "c.x.tax.DeviceMonitor", "c.x.einv.VerifyClient", "c.x.einv.DownloadWorker"]
SOURCES = ["invoice_service.cc", "tax_filing.cc", "device_monitor.cc", "verify_client.cc", "batch_download.cc"]


def company(r):
    return r.choice(CITIES) + r.choice(WORDS) + r.choice(TRADES) + r.choice(SUFFIXES)


def taxid(r):
    # 18 characters: "91" for an enterprise, the region, a nine-character organisation
    # code (newer ones start with MA) and a check character.
    org = "".join(r.choice(CODE_CHARS) for _ in range(9))
    if r.random() < 0.6:
        org = "MA" + org[2:]
    return "91" + r.choice(REGIONS) + org + r.choice(CODE_CHARS)


def amount(r):
    return "%d.%02d" % (r.choice([r.randint(1, 999), r.randint(1000, 99999), r.randint(100000, 5000000)]),
                        r.randint(0, 99))


def period(r):
    return "2026年%d月" % r.randint(1, 10)


def mismatch(r):
    # the verification client lists every field that disagrees, comma-separated
    return ",".join(r.sample(CHECK_FIELDS, r.randint(1, 4)))


def changed(r):
    return "、".join(r.sample(PROFILE_FIELDS, r.randint(1, 3)))


def items(r):
    return "、".join(r.sample(ITEMS, r.randint(1, 4)))


def recipient(r):
    if r.random() < 0.5:
        return "%s***@%s" % (r.choice("abcdfhjkmw") + r.choice("abcdfhjkmw"), r.choice(["163.com", "qq.com", "example.cn"]))
    return "1%d%d****%04d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 9), r.randint(0, 9999))


V = {
    "company": company,
    "taxid": taxid,
    "amount": amount,
    "period": period,
    "name": gbk_messages.name,
    "fpdm": lambda r: "0%d%02d%d%06d" % (r.choice([31, 11, 44, 33]), r.randint(20, 26), r.choice([1, 2]), r.randint(0, 999999)),
    "fphm": lambda r: "%08d" % r.randint(0, 99999999),
    "qdhm": lambda r: "26%d%015d" % (r.choice([31, 11, 44, 33, 32]), r.randint(0, 10 ** 15 - 1)),
    "redno": lambda r: "%d%s%07d" % (r.choice([3101, 1101, 4403, 3301]), r.choice(["2611", "2612"]), r.randint(0, 9999999)),
    "rate": gbk_messages.pick(RATES),
    "issue_fail": gbk_messages.pick(ISSUE_FAILS),
    "red_reason": gbk_messages.pick(RED_REASONS),
    "reject": gbk_messages.pick(REJECTS),
    "devkind": gbk_messages.pick(DEVICE_KINDS),
    "devno": lambda r: "66%010d" % r.randint(0, 9999999999),
    "fallback": gbk_messages.pick(FALLBACKS),
    "deverr": lambda r: "code=%s msg=%s" % r.choice(DEV_ERRORS),
    "mismatch": mismatch,
    "checkcode": lambda r: "%020d" % r.randint(0, 10 ** 20 - 1),
    "filing_fail": gbk_messages.pick(FILING_FAILS),
    "taxtype": gbk_messages.pick(TAX_TYPES),
    "bureau": gbk_messages.pick(BUREAUS),
    "changed": changed,
    "blacklist": gbk_messages.pick(BLACKLIST),
    "fmt": gbk_messages.pick(FORMATS),
    "dl_fail": gbk_messages.pick(DL_FAILS),
    "channel": gbk_messages.pick(CHANNELS),
    "deliver_fail": gbk_messages.pick(DELIVER_FAILS),
    "void_reason": gbk_messages.pick(VOID_REASONS),
    "kind": gbk_messages.pick(KINDS),
    "items": items,
    "to": recipient,
    "task": lambda r: "DL%s%05d" % (r.choice(["20261118", "20261119"]), r.randint(0, 99999)),
    "receipt": lambda r: "SB%d%012d" % (r.choice([3101, 1101, 4403]), r.randint(0, 10 ** 12 - 1)),
    "terminal": lambda r: "KP-%03d" % r.randint(1, 120),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 31), r.randint(0, 255), r.randint(2, 254)),
    "date": lambda r: "2026-%02d-%02d" % (r.randint(1, 11), r.randint(1, 28)),
    "cdate": lambda r: "11月%d日%02d:%02d" % (r.randint(1, 18), r.randint(0, 23), r.randint(0, 59)),
    "n": lambda r: str(r.randint(1, 2000)),
    "hours": lambda r: str(r.choice([24, 48, 72, 168])),
    "retry": lambda r: str(r.randint(1, 5)),
    "ms": lambda r: str(r.randint(3, 3000)),
    "size": lambda r: "%.1f" % (r.random() * 480 + 0.2),
    "wan": lambda r: str(r.choice([10, 50, 100, 200, 500, 1000, r.randint(1, 3000)])),
    # clauses that only some lines carry
    "late": gbk_messages.optional(lambda r: "，含滞纳金%d.%02d元" % (r.randint(1, 900), r.randint(0, 99)), 0.25),
    "remark": gbk_messages.optional(lambda r: "（备注：%s）" % r.choice(["项目名称：园区改造二期", "合同号HT-2026-%04d" % r.randint(1, 9999),
                                                                 "差额征税", "跨地区经营"])),
    "times": gbk_messages.optional(lambda r: ", cnt=%d" % r.randint(2, 9), 0.3),
}

TEMPLATES = [
    ("INFO", "蓝字发票开具成功：发票代码{fpdm}，发票号码{fphm}，购方{company}，价税合计￥{amount}，税率{rate}"),
    ("ERROR", "蓝字发票开具失败：发票代码{fpdm}，发票号码{fphm}，购方{company}，价税合计￥{amount}，原因：{issue_fail}"),
    ("INFO", "红字发票开具成功：发票代码{fpdm}，发票号码{fphm}，对应蓝字发票{fphm}，价税合计￥-{amount}，冲红原因：{red_reason}"),
    ("WARN", "红字信息表{redno}被驳回，销方税号{taxid}，驳回原因：{reject}"),
    ("INFO", "数电票开具成功：发票号码{qdhm}，票种：{kind}，商品明细：{items}{remark}"),
    ("INFO", "发票作废成功：发票号码{fphm}，作废人{name}，原因：{void_reason}"),
    ("INFO", "{devkind}{devno}状态正常，剩余可开票{n}张，离线开票时限{hours}小时"),
    ("WARN", "{devkind}{devno}离线，最后在线时间{cdate}，已切换至{fallback}"),
    ("ERROR", "tax device error: dev={devno} {deverr}"),
    ("INFO", "发票查验通过 fpdm={fpdm} fphm={fphm} kprq={date} jym={checkcode}{times}"),
    ("WARN", "发票查验不一致 fpdm={fpdm} fphm={fphm} diff=[{mismatch}]"),
    ("INFO", "{period}增值税申报表已提交，纳税人识别号{taxid}，销项税额{amount}元，进项税额{amount}元"),
    ("INFO", "{period}增值税申报成功，回执编号{receipt}，应纳税额{amount}元{late}"),
    ("ERROR", "{period}增值税申报失败（{taxid}）：{filing_fail}"),
    ("INFO", "进项发票勾选确认完成：所属期{period}，勾选{n}份，有效税额合计{amount}元"),
    ("INFO", "纳税人信息同步完成：{company}（{taxid}），类型：{taxtype}，主管税务机关：{bureau}"),
    ("WARN", "纳税人{taxid}登记信息发生变更：{changed}，操作员：{name}"),
    ("WARN", "黑名单校验命中：购方{company}（{taxid}），命中类型：{blacklist}，已拦截开票"),
    ("INFO", "blacklist check passed, taxid={taxid}, cost={ms}ms"),
    ("INFO", "批量下载任务{task}已创建，发票{n}张，格式：{fmt}，操作员：{name}"),
    ("INFO", "批量下载任务{task}已完成，文件大小{size}MB，耗时{ms}ms"),
    ("ERROR", "批量下载任务{task}失败，已重试{retry}次，原因：{dl_fail}"),
    ("INFO", "开票员{name}登录开票终端{terminal}，IP：{ip}"),
    ("INFO", "发票{fphm}已推送至{channel}，已通知收票人{to}"),
    ("WARN", "发票{fphm}交付失败，渠道={channel}，{deliver_fail}"),
    ("INFO", "开票额度调整：{taxid}本月授信额度由{wan}万元调整为{wan}万元"),
    ("WARN", "开票额度不足：剩余额度￥{amount}，本次开票￥{amount}，请联系主管税务机关"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the Java services log through a pattern with thread and logger name
        return "[2026-11-18 %02d:%02d:%02d,%03d] [%-5s] [einv-exec-%d] %s - " % (
            hh, mm, ss, ms, level, r.randint(1, 16), r.choice(LOGGERS))
    if form == 1:
        # the gateway writes pipe-separated fields for the collector
        return "2026/11/18 %02d:%02d:%02d.%03d|%s|tax-gw-%02d|" % (hh, mm, ss, ms, level, r.randint(1, 4))
    # the device agent is C++ and logs with a one-letter level, microseconds, tid and source line
    return "%s1118 %02d:%02d:%02d.%06d %5d %s:%d] " % (
        level[0], hh, mm, ss, ms * 1000 + r.randint(0, 999), r.randint(1000, 32000),
        r.choice(SOURCES), r.randint(40, 900))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "IV", 8 * 3600 + 900)
