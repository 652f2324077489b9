#!/usr/bin/env python3
"""A GBK log of Chinese service messages whose variables are the kinds real Chinese
logs carry, with its truth.

    bench/make_gbk_services.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId", one row per line).
Each line is a header and a message.  The header takes one of several forms chosen by
the seed (a Windows-service form "2026/12/09 10:00:01.123 [4812:7720] 错误 服务名 - ",
a pipe-separated form, a syslog form with a host, a bracketed form), so that no form
is the one the grouping was shaped on.  The messages' variables: Windows and POSIX
paths with Chinese folder and file names of random depth, drive letters, URLs with
Chinese query text, names of two to four characters, amounts in 元, durations in Chinese
units, Chinese dates, masked phone numbers, order and serial numbers glued to Chinese
words, key=value pairs, bracketed ids and quoted texts that vary.  The output depends
only on the arguments.
"""
import gbk_messages

SURNAMES = list("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚")
DOUBLE = ["欧阳", "司马", "诸葛", "上官", "东方"]
GIVEN = list("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红鹏飞建国文辉力永健世广志义兴良海山")
FOLDERS = ["共享", "财务部", "人事部", "月报", "备份", "数据", "项目资料", "客户档案", "临时文件", "归档",
           "2026年", "十二月", "合同", "发票", "Program Files", "Users", "data", "app", "日志"]
POSIX = ["opt", "data", "var", "home", "srv", "应用", "插件", "配置", "用户数据", "导出", "lib"]
FILES = ["月报", "年终总结", "工资表", "对账单", "库存清单", "客户名单", "统计", "数据导入", "报表", "合同扫描件"]
EXTS = ["xlsx", "docx", "pdf", "csv", "txt", "zip", "so", "dll", "ini", "json"]
CITIES = ["北京", "上海", "广州", "深圳", "杭州", "成都", "武汉", "西安", "乌鲁木齐", "呼和浩特"]
SERVICES = ["打印服务", "同步服务", "备份服务", "计费服务", "消息中心"]
WORDS = ["天气", "手机", "笔记本电脑", "退款", "发票查询", "快递单号", "会员积分"]
STATES = ["待审核", "已通过", "已驳回", "处理中"]


def name(r):
    first = r.choice(DOUBLE) if r.random() < 0.1 else r.choice(SURNAMES)
    return first + "".join(r.choice(GIVEN) for _ in range(r.randint(1, 3 - len(first) + 1)))


def leaf(r):
    base = r.choice(FILES)
    if r.random() < 0.5:
        base += r.choice(["", "-"]) + str(r.randint(2020, 2026)) + (r.choice(["", "-11", "-12"]))
    return base + "." + r.choice(EXTS)


def winpath(r):
    parts = [r.choice(FOLDERS) for _ in range(r.randint(0, 4))]
    return r.choice("CDEFGH") + ":\\" + "".join(p + "\\" for p in parts) + leaf(r)


def posixpath(r):
    parts = [r.choice(POSIX) for _ in range(r.randint(1, 4))]
    return "/" + "/".join(parts) + "/" + leaf(r)


def url(r):
    host = r.choice(["api.corvane.cn", "shop.example.com", "10.8.%d.%d:8080" % (r.randint(0, 255), r.randint(1, 254))])
    q = r.choice(["q", "keyword", "城市", "关键词"])
    return "http%s://%s/%s?%s=%s&page=%d" % (r.choice(["", "s"]), host, r.choice(["search", "api/v2/query", "s"]),
                                             q, r.choice(WORDS + CITIES), r.randint(1, 50))


V = {
    "name": name,
    "name2": name,
    "winpath": winpath,
    "posixpath": posixpath,
    "anypath": lambda r: winpath(r) if r.random() < 0.5 else posixpath(r),
    "drive": lambda r: r.choice("CDEFGH") + ":",
    "url": url,
    "money": lambda r: r.choice(["%d" % r.randint(1, 9999), "%d.%d" % (r.randint(1, 9999), r.randint(0, 9)),
                                 "%d.%02d" % (r.randint(1, 99999), r.randint(0, 99))]) + "元",
    "dur": lambda r: r.choice(["%d秒" % r.randint(1, 59), "%d分钟" % r.randint(1, 59), "%d小时" % r.randint(1, 23),
                               "%d毫秒" % r.randint(1, 999), "%.1f秒" % (r.randint(1, 300) / 10)]),
    "count": lambda r: str(r.randint(1, 500)),
    "pct": lambda r: "%d%%" % r.randint(1, 100),
    "date": lambda r: r.choice(["%d年%d月%d日" % (r.randint(2024, 2026), r.randint(1, 12), r.randint(1, 28)),
                                "%d月%d日" % (r.randint(1, 12), r.randint(1, 28))]),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "order": lambda r: r.choice(["DD", "SO", "GD"]) + "%d%06d" % (r.choice([20261208, 20261209]), r.randint(0, 999999)),
    "serial": lambda r: "SN%08d" % r.randint(0, 99999999),
    "uid": lambda r: str(r.randint(100000, 9999999)),
    "ip": lambda r: "%d.%d.%d.%d" % (r.choice([10, 172, 192]), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "city": lambda r: r.choice(CITIES),
    "state": lambda r: r.choice(STATES),
    "svc": lambda r: r.choice(SERVICES),
    "reqid": lambda r: "[%08x]" % r.getrandbits(32),
    "qtext": lambda r: "“" + r.choice(WORDS + FILES) + "”",
    "kv": lambda r: "user=%s" % r.choice(["admin", "guest", "ops", "zhangwei", name(r)]),
    "ver": lambda r: "%d.%d.%d" % (r.randint(1, 5), r.randint(0, 20), r.randint(0, 99)),
}

# (level, service, message).  Variables are written {var}.
TEMPLATES = [
    ("信息", "报表服务", "导出报表到{winpath}完成"),
    ("错误", "报表服务", "导出报表到{winpath}失败，磁盘空间不足"),
    ("错误", "插件管理", "加载插件{posixpath}失败"),
    ("信息", "插件管理", "插件{posixpath}已加载，版本{ver}"),
    ("警告", "磁盘监控", "分区{drive}使用率{pct}"),
    ("错误", "磁盘监控", "分区{drive}剩余空间不足，仅剩{count}MB"),
    ("信息", "文件同步", "文件{anypath}已同步到{city}节点，耗时{dur}"),
    ("错误", "文件同步", "同步{anypath}时校验失败"),
    ("信息", "网关", "访问{url}返回200，耗时{dur}"),
    ("错误", "网关", "访问{url}超时"),
    ("信息", "订单中心", "订单{order}支付成功，金额{money}"),
    ("错误", "订单中心", "订单{order}退款失败：金额{money}超过可退金额"),
    ("信息", "订单中心", "用户{name}于{date}下单，共{count}件商品"),
    ("警告", "订单中心", "订单{order}已{dur}未发货"),
    ("信息", "短信网关", "验证码已发送至{phone}"),
    ("错误", "短信网关", "向{phone}发送短信失败，{reqid}"),
    ("信息", "账户服务", "用户{name}登录成功，{kv}"),
    ("错误", "账户服务", "用户{name}登录失败，{kv}，来自{ip}"),
    ("信息", "账户服务", "客服{name}将工单GD{uid}转交给{name2}"),
    ("信息", "设备管理", "设备{serial}在{city}上线"),
    ("警告", "设备管理", "设备{serial}离线已超过{dur}"),
    ("信息", "审批流", "申请{reqid}状态变更为{state}，审批人{name}"),
    ("信息", "搜索服务", "用户搜索{qtext}，返回{count}条结果"),
    ("警告", "搜索服务", "搜索{qtext}耗时{dur}，超过阈值"),
    ("信息", "计划任务", "{svc}将于{date}执行，预计耗时{dur}"),
    ("错误", "计划任务", "{svc}执行失败，退出码{count}"),
    ("信息", "备份服务", "备份{winpath}到{posixpath}完成"),
    ("错误", "备份服务", "无法读取{winpath}：拒绝访问"),
    ("信息", "结算服务", "商户{uid}结算{money}，手续费{money}"),
    ("警告", "结算服务", "商户{uid}连续{count}天未结算"),
]


def header(r, form, t, level, service):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026/12/09 %02d:%02d:%02d.%03d [%d:%d] %s %s - " % (hh, mm, ss, ms, r.randint(1000, 9999),
                                                                 r.randint(1000, 9999), level, service)
    if form == 1:
        return "20261209-%02d:%02d:%02d:%03d|%s|%d|" % (hh, mm, ss, ms, service, r.randint(10000, 99999))
    if form == 2:
        return "Dec  9 %02d:%02d:%02d srv-%02d corvane[%d]: " % (hh, mm, ss, r.randint(1, 12), r.randint(100, 9999))
    return "[%02d:%02d:%02d][%s][%s] " % (hh, mm, ss, level, service)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "S", 8 * 3600, forms=4, seed=31)
