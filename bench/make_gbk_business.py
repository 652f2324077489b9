#!/usr/bin/env python3
"""A GBK log of a Chinese business application's messages, written in the manner of
Java services (logback headers, full-width and ASCII punctuation mixed, key：value
fields, 【】 and [] brackets, lists of items), with its truth.

    bench/make_gbk_business.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  35 messages, some of
them alike but for the Chinese words that say what happened (缓存命中 and 缓存未命中,
接口成功 and 接口超时), lists of one to four goods joined by 、, and one of three header
forms by the seed.  The output depends only on the arguments.
"""

import gbk_messages

SURNAMES = list("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘")
GIVEN = list("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红鹏飞建国文辉力永健")
GOODS = ["矿泉水", "纸巾", "洗衣液", "牛奶", "面包", "苹果", "手机壳", "数据线", "充电宝", "保温杯", "雨伞", "口罩"]
TOPICS = ["order-paid", "stock-change", "user-register", "coupon-issue", "refund-apply"]
JOBS = ["日终对账", "库存盘点", "优惠券过期清理", "会员等级计算", "报表生成"]
TABLES = ["t_order", "t_user", "t_stock", "t_coupon", "t_refund"]
BANKS = ["工商银行", "建设银行", "招商银行", "农业银行", "中国银行"]
CITIES = ["北京", "上海", "广州", "深圳", "杭州", "成都", "武汉", "南京", "重庆", "天津"]
CLASSES = ["c.c.o.OrderService", "c.c.p.PayController", "c.c.s.StockManager", "c.c.u.UserFacade",
           "c.c.m.MqConsumer", "c.c.j.JobRunner"]
THREADS = ["main", "http-nio-8080-exec-%d", "pool-2-thread-%d", "scheduling-%d", "mq-consumer-%d"]


def name(r):
    return r.choice(SURNAMES) + "".join(r.choice(GIVEN) for _ in range(r.randint(1, 2)))


V = {
    "name": name,
    "uid": lambda r: str(r.randint(10000, 99999999)),
    "order": lambda r: "%d%08d" % (r.choice([20261209, 20261208]), r.randint(0, 99999999)),
    "sku": lambda r: "SKU%06d" % r.randint(0, 999999),
    "count": lambda r: str(r.randint(0, 5000)),
    "ms": lambda r: str(r.randint(1, 30000)),
    "money": lambda r: "%d.%02d" % (r.randint(0, 20000), r.randint(0, 99)),
    "ip": lambda r: "%d.%d.%d.%d" % (r.choice([10, 172, 192]), r.randint(0, 255), r.randint(0, 255),
                                     r.randint(1, 254)),
    "port": lambda r: str(r.choice([3306, 6379, 5432, 9092, 8080, r.randint(1024, 65535)])),
    "hex": lambda r: "%016x" % r.getrandbits(64),
    "uuid": lambda r: "%08x-%04x-%04x-%04x-%012x" % (r.getrandbits(32), r.getrandbits(16), r.getrandbits(16),
                                                     r.getrandbits(16), r.getrandbits(48)),
    "topic": lambda r: r.choice(TOPICS),
    "job": lambda r: r.choice(JOBS),
    "table": lambda r: r.choice(TABLES),
    "bank": lambda r: r.choice(BANKS),
    "city": lambda r: r.choice(CITIES),
    "goods": lambda r: "、".join(r.sample(GOODS, r.randint(1, 4))),
    "good": lambda r: r.choice(GOODS),
    "phone": lambda r: "1%d%09d" % (r.choice([3, 5, 7, 8, 9]), r.randint(0, 999999999)),
    "card": lambda r: "%04d****%04d" % (r.randint(0, 9999), r.randint(0, 9999)),
    "file": lambda r: "%s_%d.%s" % (r.choice(["导入模板", "对账单", "订单明细", "头像"]), r.randint(1, 999),
                                    r.choice(["xlsx", "csv", "png", "jpg"])),
    "kb": lambda r: str(r.randint(1, 20480)),
    "day": lambda r: "2026-%02d-%02d" % (r.randint(1, 12), r.randint(1, 28)),
    "pct": lambda r: "%d.%d%%" % (r.randint(0, 99), r.randint(0, 9)),
    "ver": lambda r: "v%d.%d.%d" % (r.randint(1, 3), r.randint(0, 9), r.randint(0, 30)),
}

# (level, message); variables are written {var}.
TEMPLATES = [
    ("INFO", "开始处理订单，订单号：{order}，用户ID：{uid}"),
    ("INFO", "订单{order}支付成功，金额：{money}元，渠道：{bank}"),
    ("WARN", "订单{order}支付失败，原因：余额不足"),
    ("ERROR", "订单{order}支付失败，原因：银行卡{card}已冻结"),
    ("INFO", "调用支付接口成功,耗时:{ms}ms"),
    ("WARN", "调用支付接口超时,耗时:{ms}ms,准备重试"),
    ("INFO", "【库存服务】商品{sku}库存扣减{count}件，剩余{count}件"),
    ("WARN", "【库存服务】商品{sku}库存不足，需要{count}件，现有{count}件"),
    ("INFO", "用户[{name}]修改了密码"),
    ("INFO", "用户[{name}]绑定手机号{phone}"),
    ("ERROR", "第{count}次重试连接数据库{ip}:{port}失败"),
    ("INFO", "接收到MQ消息,topic={topic},msgId={hex}"),
    ("INFO", "定时任务[{job}]执行完成,共处理{count}条数据,耗时{ms}毫秒"),
    ("ERROR", "定时任务[{job}]执行异常,已处理{count}条"),
    ("WARN", "参数校验失败：手机号{phone}格式不正确"),
    ("DEBUG", "缓存未命中，key=user:info:{uid}"),
    ("DEBUG", "缓存命中，key=order:detail:{order}"),
    ("INFO", "文件上传成功：{file}，大小{kb}KB"),
    ("ERROR", "SQL执行超时：select * from {table} where id = {uid}"),
    ("INFO", "用户{name}（{uid}）退出登录"),
    ("INFO", "用户{name}（{uid}）从{city}登录，IP：{ip}"),
    ("INFO", "批量导入完成：成功{count}条，失败{count}条"),
    ("INFO", "当前在线人数：{count}"),
    ("ERROR", "Redis连接池耗尽，活跃连接{count}，最大连接{count}"),
    ("INFO", "订单{order}包含商品：{goods}"),
    ("INFO", "生成对账文件{file}，对账日期{day}"),
    ("WARN", "接口响应变慢，P99={ms}ms，错误率{pct}"),
    ("INFO", "服务启动完成，版本{ver}，耗时{ms}ms"),
    ("INFO", "请求ID {uuid} 处理完成"),
    ("ERROR", "请求ID {uuid} 处理失败：下游服务不可用"),
    ("INFO", "优惠券{hex}已发放给用户{uid}"),
    ("INFO", "退款申请已受理，订单号{order}，退款金额{money}元"),
    ("WARN", "退款申请被拒绝，订单号{order}：超过退款期限"),
    ("INFO", "商品{good}已上架，价格{money}元"),
    ("INFO", "商品{good}已下架"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    thread = r.choice(THREADS)
    if "%d" in thread:
        thread = thread % r.randint(1, 20)
    if form == 0:
        return "2026-12-09 %02d:%02d:%02d,%03d %-5s [%s] %s - " % (hh, mm, ss, ms, level, thread,
                                                                   r.choice(CLASSES))
    if form == 1:
        return "[2026-12-09 %02d:%02d:%02d.%03d] [%s] [%s] " % (hh, mm, ss, ms, level, thread)
    return "%02d:%02d:%02d.%03d %s %s : " % (hh, mm, ss, ms, level, r.choice(CLASSES))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "B", 9 * 3600, steps=(0, 0, 1, 2), skew=0.8)
