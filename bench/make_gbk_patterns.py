#!/usr/bin/env python3
"""A GBK log of Chinese templates whose variables are glued to the text, with its truth.

    bench/make_gbk_patterns.py LOGFILE TRUTHFILE [--lines N] [--seed S]
                               [--style plain|bracket|bare]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId", one row per line).
Each line is a header (time stamp, level, thread, logger; none in the bare style)
and one of many message templates; the variables are Chinese names of two to four characters, numbers with
units (300ms, 12.5MB, 3次), codes, order numbers, IPv4 addresses with ports, paths,
quoted strings, cities, products and English words, glued to the Chinese text without
blanks the way Chinese logs write them.  Templates are drawn with a skewed frequency,
so some are frequent and some occur only a few times.  The output depends only on the
arguments.
"""
import argparse
import random

import gbk_messages

SURNAMES = list("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严武戴莫孔向汤")
DOUBLE_SURNAMES = ["欧阳", "司马", "诸葛", "上官", "东方", "慕容", "皇甫"]
GIVEN = list("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红鹏飞建国文辉力永健世广志义兴良海山仁波宁贵福生元全胜学祥才发新利清彬富顺信子昌成康星光天达安岩中茂进林有坚和博诚先敬震振壮会思群豪心邦承乐绍功松善厚庆民友裕河哲浩亮政谦奇固之翰朗伯宏言若鸣朋斌栋维启克伦翔旭泽晨辰士以家致树德行时泰盛雄琛钧冠策腾楠风航弘")
CITIES = ["北京", "上海", "广州", "深圳", "杭州", "南京", "成都", "武汉", "西安", "重庆", "天津",
          "苏州", "长沙", "郑州", "青岛", "沈阳", "大连", "厦门", "宁波", "合肥", "福州", "济南",
          "昆明", "哈尔滨", "石家庄", "乌鲁木齐", "呼和浩特"]
DEPTS = ["财务部", "人事部", "技术部", "市场部", "运维部", "客服中心", "采购部", "法务部", "销售一部",
         "研发中心"]
PRODUCTS = ["笔记本电脑", "手机", "耳机", "显示器", "键盘", "鼠标", "打印机", "路由器", "充电器",
            "平板电脑", "智能手表", "移动电源", "投影仪"]
TABLES = ["t_order", "t_user", "t_payment", "t_stock", "t_coupon", "t_address", "t_invoice"]
USERS_EN = ["admin", "guest", "operator", "zhangwei", "liuyang", "wangfang", "test", "root",
            "service", "backup", "chenjie", "auditor"]
HOSTS = ["db-master", "db-slave", "cache", "mq", "gateway", "auth", "search", "file-store"]
BANKS = ["工商银行", "建设银行", "农业银行", "中国银行", "招商银行", "交通银行"]
STATES = ["待支付", "已支付", "已发货", "已签收", "已取消", "退款中"]
WORDS = ["alpha", "beta", "release", "hotfix", "main", "stable", "canary"]


def name(r):
    if r.random() < 0.06:
        return r.choice(DOUBLE_SURNAMES) + "".join(r.choice(GIVEN) for _ in range(r.randint(1, 2)))
    return r.choice(SURNAMES) + "".join(r.choice(GIVEN) for _ in range(r.randint(1, 2)))


def ip(r):
    return "%d.%d.%d.%d" % (r.choice([10, 172, 192, 58, 116]), r.randint(0, 255),
                            r.randint(0, 255), r.randint(1, 254))


def path(r):
    parts = r.choice([["data", "app"], ["var", "log"], ["opt", "corvane"], ["home", "ops"],
                      ["mnt", "nas", "share"]])
    leaf = r.choice(["config", "report", "export", "cache", "upload", "backup"])
    ext = r.choice(["xml", "json", "log", "csv", "dat", "zip"])
    return "/" + "/".join(parts) + "/" + leaf + "_" + str(r.randint(1, 999)) + "." + ext


# Variables: each returns the text glued into the template.
V = {
    "name": name,
    "name2": name,
    "ms": lambda r: "%dms" % r.randint(1, 30000),
    "sec": lambda r: "%d秒" % r.randint(1, 600),
    "times": lambda r: "%d次" % r.randint(1, 9),
    "mb": lambda r: "%.1fMB" % (r.randint(1, 20000) / 10),
    "pct": lambda r: "%d%%" % r.randint(1, 100),
    "num": lambda r: str(r.randint(1, 100000)),
    "small": lambda r: str(r.randint(1, 64)),
    "money": lambda r: "%d.%02d" % (r.randint(1, 99999), r.randint(0, 99)),
    "code": lambda r: str(r.choice([1045, 1062, 1213, 2003, 2013, 3024, 4031, 5001, 5002, 5300])),
    "ecode": lambda r: "E%04d" % r.randint(1, 9999),
    "order": lambda r: "DD%d%08d" % (r.choice([20261201, 20261202]), r.randint(0, 99999999)),
    "uid": lambda r: str(r.randint(10000000, 99999999)),
    "hex": lambda r: "%016x" % r.getrandbits(64),
    "ip": ip,
    "ipport": lambda r: "%s:%d" % (ip(r), r.choice([3306, 6379, 8080, 9092, 5432, 443, 21])),
    "path": path,
    "city": lambda r: r.choice(CITIES),
    "dept": lambda r: r.choice(DEPTS),
    "product": lambda r: r.choice(PRODUCTS),
    "table": lambda r: r.choice(TABLES),
    "user": lambda r: r.choice(USERS_EN) + (str(r.randint(1, 99)) if r.random() < 0.3 else ""),
    "host": lambda r: r.choice(HOSTS) + "-" + str(r.randint(1, 12)),
    "bank": lambda r: r.choice(BANKS),
    "state": lambda r: r.choice(STATES),
    "qname": lambda r: "“" + name(r) + "”",
    "qfile": lambda r: "'" + r.choice(["月度报表", "库存清单", "对账单", "工资条"]) + str(r.randint(1, 12)) + ".xlsx'",
    "qsql": lambda r: '"' + r.choice(["SELECT", "UPDATE", "DELETE"]) + " ... " + r.choice(TABLES) + '"',
    "word": lambda r: r.choice(WORDS),
    "ver": lambda r: "%d.%d.%d" % (r.randint(1, 3), r.randint(0, 20), r.randint(0, 99)),
    "day": lambda r: "2026-12-%02d" % r.randint(1, 28),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 8]), r.randint(0, 9), r.randint(0, 9999)),
}

# (level, logger, message).  Variables are written {var}.
TEMPLATES = [
    ("ERROR", "LoginService", "用户{name}登录失败，错误码{code}"),
    ("INFO", "LoginService", "用户{name}登录成功，耗时{ms}"),
    ("WARN", "LoginService", "用户{name}连续{times}输错密码，账号已锁定"),
    ("INFO", "LoginService", "用户{name}退出登录"),
    ("INFO", "OrderService", "订单{order}创建成功，用户{name}，金额{money}元"),
    ("ERROR", "OrderService", "订单{order}支付失败：余额不足，需支付{money}元"),
    ("INFO", "OrderService", "订单{order}状态由{state}变为{state}"),
    ("WARN", "OrderService", "订单{order}超过{sec}未支付，已自动取消"),
    ("ERROR", "OrderService", "订单{order}库存扣减失败，商品{product}库存不足"),
    ("INFO", "PayService", "收到{bank}回调，订单{order}支付金额{money}元"),
    ("ERROR", "PayService", "调用{bank}接口超时，耗时{ms}，第{times}重试"),
    ("ERROR", "PayService", "签名校验失败，商户号{uid}，请求来自{ip}"),
    ("INFO", "StockService", "商品{product}入库{num}件，仓库{city}仓"),
    ("WARN", "StockService", "{city}仓商品{product}库存低于预警值{small}件"),
    ("ERROR", "DbPool", "连接数据库{ipport}失败，错误码{code}"),
    ("WARN", "DbPool", "连接池已用{pct}，活动连接{small}个"),
    ("ERROR", "DbPool", "执行SQL超时{ms}：{qsql}"),
    ("INFO", "DbPool", "表{table}新增{num}行，耗时{ms}"),
    ("ERROR", "CacheClient", "Redis节点{ipport}无响应，已切换到备用节点"),
    ("INFO", "CacheClient", "缓存命中率{pct}，键数量{num}"),
    ("WARN", "CacheClient", "键user:{uid}过期时间异常，已重置为{sec}"),
    ("ERROR", "FileService", "文件{path}不存在"),
    ("ERROR", "FileService", "读取文件{path}失败，磁盘剩余空间{mb}"),
    ("INFO", "FileService", "用户{name}上传文件{qfile}，大小{mb}"),
    ("INFO", "FileService", "清理临时目录完成，释放空间{mb}"),
    ("INFO", "ReportJob", "{dept}的月度报表已生成，共{num}条记录"),
    ("ERROR", "ReportJob", "{dept}报表导出失败：模板{qfile}损坏"),
    ("INFO", "ReportJob", "定时任务report-{word}开始执行，批次{num}"),
    ("INFO", "ReportJob", "定时任务report-{word}执行完毕，耗时{sec}"),
    ("WARN", "AuthFilter", "来自{ip}的请求缺少令牌，已拒绝"),
    ("ERROR", "AuthFilter", "令牌{hex}已过期，用户{name}需要重新登录"),
    ("INFO", "AuthFilter", "管理员{user}为用户{name}授予{dept}审批权限"),
    ("WARN", "AuthFilter", "账号{user}在{city}异地登录，IP为{ip}"),
    ("INFO", "MsgService", "短信已发送至{phone}，模板编号{ecode}"),
    ("ERROR", "MsgService", "短信发送失败，手机号{phone}，运营商返回{ecode}"),
    ("INFO", "MsgService", "向用户{name}推送消息{qname}成功"),
    ("INFO", "MqConsumer", "消费消息{num}条，主题order-{word}，分区{small}"),
    ("ERROR", "MqConsumer", "消息{hex}处理失败，已重试{times}，转入死信队列"),
    ("WARN", "MqConsumer", "消费者组lag达到{num}，主题order-{word}"),
    ("INFO", "Gateway", "转发请求到{host}成功，耗时{ms}"),
    ("ERROR", "Gateway", "上游服务{host}返回502，请求来自{ipport}"),
    ("WARN", "Gateway", "限流生效：{ip}每秒请求{num}次"),
    ("INFO", "Bootstrap", "服务启动完成，版本{ver}，监听端口{small}"),
    ("INFO", "Bootstrap", "加载配置文件{path}成功"),
    ("ERROR", "Bootstrap", "配置项{word}.timeout取值{ms}不合法"),
    ("INFO", "HealthCheck", "节点{host}心跳正常，延迟{ms}"),
    ("ERROR", "HealthCheck", "节点{host}心跳丢失，已持续{sec}"),
    ("INFO", "UserService", "新用户{name}注册成功，来自{city}"),
    ("INFO", "UserService", "用户{name}修改了手机号为{phone}"),
    ("WARN", "UserService", "用户{name}的实名认证未通过，原因：照片模糊"),
    ("INFO", "UserService", "用户{name}与{name2}成为好友"),
    ("ERROR", "UserService", "查询用户{uid}信息失败，数据库返回错误码{code}"),
    ("INFO", "AuditLog", "{user}在{day}导出了{dept}的员工名单"),
    ("WARN", "AuditLog", "{user}尝试删除表{table}，操作被拦截"),
    ("INFO", "Scheduler", "第{num}批数据同步到{city}分中心完成"),
    ("ERROR", "Scheduler", "同步到{city}分中心失败，网络不可达"),
    ("INFO", "Invoice", "发票{ecode}已开具，抬头{qname}，金额{money}元"),
    ("ERROR", "Invoice", "发票{ecode}作废失败：已超过{small}天"),
    ("INFO", "Logistics", "包裹{order}已从{city}发出，预计{small}天送达"),
    ("INFO", "Logistics", "快递员{name}已揽收包裹{order}"),
    ("WARN", "Logistics", "包裹{order}在{city}转运中心滞留{sec}"),
    ("INFO", "Coupon", "用户{name}领取优惠券{ecode}，面额{small}元"),
    ("ERROR", "Coupon", "优惠券{ecode}核销失败，已被用户{name}使用"),
    ("INFO", "Search", "索引重建完成，文档{num}篇，耗时{sec}"),
    ("WARN", "Search", "查询{qname}耗时{ms}，超过阈值"),
    ("INFO", "Backup", "数据库备份到{path}完成，大小{mb}"),
    ("ERROR", "Backup", "备份任务失败：无法连接{ipport}"),
    ("INFO", "Monitor", "CPU使用率{pct}，内存使用{mb}，线程数{small}"),
    ("WARN", "Monitor", "磁盘{path}使用率{pct}，请及时清理"),
    ("ERROR", "Monitor", "进程{num}异常退出，退出码{small}"),
]

THREADS = ["main", "pool-{a}-thread-{b}", "http-nio-8080-exec-{b}", "scheduler-{b}", "kafka-consumer-{b}"]


def header(r, style, t, level, logger):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    thread = r.choice(THREADS).format(a=r.randint(1, 9), b=r.randint(1, 40))
    if style == "bare":
        return ""
    if style == "bracket":
        return "[2026-12-01 %02d:%02d:%02d.%03d][%s][%s] %s: " % (hh, mm, ss, ms, level, thread, logger)
    return "2026-12-01 %02d:%02d:%02d,%03d %-5s [%s] c.corvane.%s - " % (hh, mm, ss, ms, level, thread,
                                                                     logger)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("log")
    ap.add_argument("truth")
    ap.add_argument("--lines", type=int, default=4000)
    ap.add_argument("--seed", type=int, default=11)
    ap.add_argument("--style", choices=["plain", "bracket", "bare"], default="plain")
    a = ap.parse_args()
    r = random.Random(a.seed)
    # Skewed frequencies: template k is drawn with weight 1 / (k + 1) in a shuffled order.
    order = list(range(len(TEMPLATES)))
    r.shuffle(order)
    weights = [0.0] * len(TEMPLATES)
    for rank, k in enumerate(order):
        weights[k] = 1.0 / (rank + 1)
    t = 8 * 3600
    with open(a.log, "wb") as log, open(a.truth, "w", encoding="ascii") as truth:
        truth.write("LineId,EventId\n")
        for n in range(1, a.lines + 1):
            k = r.choices(range(len(TEMPLATES)), weights)[0]
            level, logger, message = TEMPLATES[k]
            t += r.choice([0, 0, 1, 1, 2])
            line = header(r, a.style, t, level, logger) + gbk_messages.fill(r, message, V)
            log.write(line.encode("gbk") + b"\r\n")
            truth.write("%d,T%d\n" % (n, k + 1))


if __name__ == "__main__":
    main()
