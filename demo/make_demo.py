#!/usr/bin/env python3
"""Writes the demo catalogues and demo log files (GBK) next to this script.

The output is deterministic: running it again gives the same bytes.
    python3 demo/make_demo.py
"""

import random
from pathlib import Path

HERE = Path(__file__).resolve().parent
DAYS = ["20261201", "20261202", "20261203"]


def write_gbk(path: Path, lines, newline: str) -> None:
    path.write_bytes("".join(line + newline for line in lines).encode("gbk"))


# --------------------------------------------------------------------------- catalogues

SERVICES = [
    # code, name, subdir, prefix, texts to ignore
    ("GW", "网关服务", "gateway", "Gateway", ["health check", "retry scheduled"]),
    ("DB", "数据服务", "datasvc", "DataSvc", ["备份任务", "slow query log"]),
    ("MQ", "消息服务", "mq", "MsgQueue", ["heartbeat"]),
    ("WEB", "网页服务", "web", "WebPortal", []),
]

ERRORS = [
    # code, service, name, keyword, explanation lines
    ("101", "GW", "上游连接被拒绝", "connection refused", [
        "网关向上游服务发起连接时被对方拒绝。",
        "请确认上游服务已经启动，并且监听端口与网关配置一致。",
        "如果上游刚刚重启，此错误会在几秒内自行消失。",
    ]),
    ("102", "GW", "上游响应超时", "upstream timeout", [
        "上游服务在规定时间内没有返回响应。",
        "请检查上游服务的负载和网络延迟，必要时调大网关的超时设置。",
    ]),
    ("103", "GW", "证书校验失败", "证书校验失败", [
        "客户端或上游的 TLS 证书无法通过校验。",
        "请检查证书是否过期、证书链是否完整。",
        "更换证书后需要重启网关服务。",
    ]),
    ("104", "DB", "数据库连接失败", "数据库连接失败", [
        "数据服务无法连接到数据库实例。",
        "请检查数据库是否在运行、账号密码是否正确、防火墙是否放行。",
    ]),
    ("105", "DB", "检测到死锁", "deadlock detected", [
        "两个或多个事务互相等待对方持有的锁，其中一个事务已被回滚。",
        "偶发可以忽略；频繁出现时请检查相关业务的加锁顺序。",
    ]),
    ("106", "DB", "磁盘空间不足", "no space left", [
        "数据目录所在磁盘已满，写入失败。",
        "请清理历史数据或扩容磁盘。",
        "清理后无需重启，服务会自动恢复写入。",
        "注意：不要直接删除正在使用的数据文件。",
    ]),
    ("107", "DB", "SQL执行超时", "query timeout", [
        "一条 SQL 语句的执行时间超过了允许的上限。",
        "请根据日志原文中的语句检查索引和执行计划。",
    ]),
    ("108", "MQ", "队列已满", "queue full", [
        "消息队列达到容量上限，新的消息被拒绝。",
        "请检查消费者是否正常消费，或临时调大队列容量。",
    ]),
    ("109", "MQ", "消息投递失败", "消息投递失败", [
        "消息在多次重试后仍然无法投递给订阅者。",
        "请检查订阅者服务的状态，失败的消息已转入死信队列。",
        "恢复后可在管理台重新投递死信队列中的消息。",
    ]),
    ("110", "MQ", "消费者断开", "consumer disconnected", [
        "一个消费者的连接意外断开。",
        "通常是消费者进程退出或网络中断所致，请查看对应消费者的日志。",
    ]),
    ("111", "WEB", "会话过期", "session expired", [
        "用户会话已经过期，请求被要求重新登录。",
        "大量出现时请检查会话超时设置及服务器时钟。",
    ]),
    ("112", "WEB", "模板渲染错误", "模板渲染错误", [
        "页面模板渲染时出现错误，用户看到的是错误页。",
        "请根据日志原文中的模板名称检查最近的页面改动。",
        "修正模板后刷新缓存即可，无需重启。",
    ]),
]


def write_catalogues() -> None:
    lines = ["; Corvane 服务目录（演示数据，由 make_demo.py 生成）", "[SERVICELIST]"]
    lines += [f"{i + 1:02d}={code}" for i, (code, *_rest) in enumerate(SERVICES)]
    for code, name, subdir, prefix, ignore in SERVICES:
        lines += ["", f"[SERVICE_{code}]", f"服务名称={name}", f"日志子目录={subdir}",
                  f"日志文件名称前缀={prefix}"]
        if ignore:
            lines += ["", f"[SERVICE_{code}_EXCEPT]"]
            lines += [f"{i + 1:02d}={text}" for i, text in enumerate(ignore)]
    write_gbk(HERE / "ServiceList.ini", lines, "\r\n")

    lines = ["; Corvane 错误目录（演示数据，由 make_demo.py 生成）", "[ERRORLIST]"]
    lines += [f"{i + 1:02d}={code}" for i, (code, *_rest) in enumerate(ERRORS)]
    for code, service, name, keyword, memo in ERRORS:
        lines += ["", f"[ERROR_{code}]", f"所属服务代码={service}", f"错误名称={name}",
                  f"日志关键字={keyword}", "", f"[ERROR_{code}_MEMO]"]
        # Two-character keys: the explanation line is exactly the value.
        lines += [f"{i + 1:02d}={text}" for i, text in enumerate(memo)]
    write_gbk(HERE / "ErrorList.ini", lines, "\r\n")

    write_gbk(HERE / "Server.ini", ["[SERVER]", "Host=127.0.0.1"], "\r\n")


# --------------------------------------------------------------------------- logs

class Clock:
    """Milliseconds since midnight, moving forward by random steps."""

    def __init__(self, rng: random.Random, start_hour: int):
        self.rng = rng
        self.ms = start_hour * 3600_000 + rng.randrange(60_000)

    def tick(self, mean_ms: int) -> None:
        self.ms += 1 + int(self.rng.expovariate(1 / mean_ms))
        self.ms = min(self.ms, 24 * 3600_000 - 1)

    def hms(self) -> str:
        s, ms = divmod(self.ms, 1000)
        h, s = divmod(s, 3600)
        m, s = divmod(s, 60)
        return f"{h:02d}:{m:02d}:{s:02d}.{ms:03d}"


def case_variant(rng: random.Random, text: str) -> str:
    """The same text as different log statements would write it."""
    pick = rng.random()
    if pick < 0.55:
        return text
    if pick < 0.75:
        return text.upper()
    if pick < 0.9:
        return text.title()
    return text.capitalize()


def stack(rng: random.Random, frames, caused_by=None):
    lines = []
    if caused_by:
        lines.append(f"Caused by: {caused_by}")
    for frame in rng.sample(frames, k=min(len(frames), rng.randint(2, 4))):
        lines.append(f"\tat {frame}")
    return lines


GW_FRAMES = [
    "com.corvane.gateway.route.Upstream.connect(Upstream.java:88)",
    "com.corvane.gateway.route.Router.forward(Router.java:214)",
    "com.corvane.gateway.http.Dispatcher.handle(Dispatcher.java:57)",
    "com.corvane.gateway.tls.Handshake.verify(Handshake.java:131)",
    "io.netty.channel.AbstractChannel.connect(AbstractChannel.java:261)",
]
DB_FRAMES = [
    "corvane::datasvc::Pool::acquire() pool.cpp:142",
    "corvane::datasvc::Session::execute() session.cpp:77",
    "corvane::datasvc::Writer::flush() writer.cpp:310",
    "corvane::datasvc::Txn::commit() txn.cpp:58",
]
UPSTREAMS = ["order-svc", "user-svc", "pay-svc", "stock-svc", "report-svc"]
TABLES = ["t_order", "t_user", "t_stock", "t_payment", "t_audit_log"]
TOPICS = ["order.created", "order.paid", "stock.changed", "user.login", "report.ready"]
PAGES = ["/index", "/orders/list", "/orders/detail", "/user/profile", "/report/daily"]


def gateway_day(rng: random.Random, day: str, storm: bool):
    """Bracket time stamps; stack traces after errors.  A storm day has a long
    outage of one upstream, with many refused connections."""
    clock = Clock(rng, 7)
    out = []
    n_events = 3400 if storm else 900
    storm_from, storm_to = (int(n_events * 0.3), int(n_events * 0.85)) if storm else (-1, -1)
    for i in range(n_events):
        clock.tick(4000 if not storm else 1500)
        t = f"[{clock.hms()}]"
        up = rng.choice(UPSTREAMS)
        rid = f"{rng.randrange(16**8):08x}"
        in_storm = storm_from <= i < storm_to
        r = rng.random()
        if in_storm and r < 0.5:
            out.append(f"{t} ERROR [worker-{rng.randrange(16)}] 转发请求 {rid} 到 pay-svc 失败: "
                       f"{case_variant(rng, 'connection refused')} (10.0.4.21:8443)")
            if rng.random() < 0.3:
                out += stack(rng, GW_FRAMES)
        elif in_storm and r < 0.62:
            out.append(f"{t} WARN  [probe] {case_variant(rng, 'health check')} failed for pay-svc, "
                       f"{case_variant(rng, 'retry scheduled')} in 5s")
        elif r < 0.72:
            out.append(f"{t} INFO  [worker-{rng.randrange(16)}] 请求 {rid} 已转发到 {up}，"
                       f"耗时 {rng.randint(2, 180)}ms")
        elif r < 0.78:
            out.append(f"{t} INFO  [probe] {case_variant(rng, 'health check')} ok: {up}")
        elif r < 0.82:
            out.append(f"{t} ERROR [worker-{rng.randrange(16)}] 请求 {rid} 出错")
            out += stack(rng, GW_FRAMES, f"java.net.ConnectException: {case_variant(rng, 'connection refused')}")
        elif r < 0.86:
            out.append(f"{t} ERROR [worker-{rng.randrange(16)}] {up} "
                       f"{case_variant(rng, 'upstream timeout')} after 30000ms, request {rid}")
        elif r < 0.875:
            out.append(f"{t} ERROR [tls] 客户端 10.1.{rng.randrange(256)}.{rng.randrange(256)} 证书校验失败: "
                       f"certificate has expired")
            out += stack(rng, GW_FRAMES)
        elif r < 0.91:
            out.append(f"{t} WARN  [worker-{rng.randrange(16)}] write to client {rid} failed (broken pipe)")
        elif r < 0.93:
            out.append(f"{t} WARN  [config] reload of routes.yaml FAILED , keeping previous routes")
        elif r < 0.95:
            out.append(f"{t} INFO  [stats] last minute: requests={rng.randint(200, 4000)} "
                       f"errors={rng.randint(0, 9)} status=failed-over:no")
        else:
            out.append(f"{t} DEBUG [worker-{rng.randrange(16)}] keep-alive {rid} closed by peer")
    return out


def datasvc_day(rng: random.Random, day: str):
    """Plain time stamps with the date in front; native stack lines after errors."""
    date = f"{day[:4]}-{day[4:6]}-{day[6:]}"
    clock = Clock(rng, 0)
    out = []
    for _ in range(1400):
        clock.tick(50_000)
        t = f"{date} {clock.hms()}"
        table = rng.choice(TABLES)
        r = rng.random()
        if r < 0.55:
            out.append(f"{t} INFO  (pool-{rng.randrange(4)}) 执行 SQL 完成: SELECT * FROM {table} "
                       f"WHERE id={rng.randrange(100000)}, {rng.randint(1, 90)}ms")
        elif r < 0.62:
            out.append(f"{t} INFO  (backup) 备份任务 {table} 进度 {rng.randint(1, 100)}%")
        elif r < 0.65:
            out.append(f"{t} WARN  (backup) 备份任务 {table} chunk {rng.randrange(64)} failed , will retry")
        elif r < 0.69:
            out.append(f"{t} ERROR (pool-{rng.randrange(4)}) 数据库连接失败: host=db-primary port=5432")
            out += stack(rng, DB_FRAMES)
        elif r < 0.73:
            out.append(f"{t} ERROR (txn) transaction {rng.randrange(10**6)} rolled back")
            out += stack(rng, DB_FRAMES, f"{case_variant(rng, 'deadlock detected')} on {table}")
        elif r < 0.75:
            out.append(f"{t} ERROR (writer) flush of {table} failed: {case_variant(rng, 'no space left')} on device")
        elif r < 0.80:
            out.append(f"{t} WARN  (pool-{rng.randrange(4)}) {case_variant(rng, 'query timeout')}: "
                       f"UPDATE {table} SET flag=1 ({rng.randint(30, 120)}s)")
        elif r < 0.83:
            out.append(f"{t} WARN  (slowlog) {case_variant(rng, 'slow query log')}: SELECT count(*) FROM {table} "
                       f"-- query timeout risk, failed  index hint")
        elif r < 0.87:
            out.append(f"{t} WARN  (pool-{rng.randrange(4)}) validate connection failed (ping), reconnecting")
        elif r < 0.9:
            out.append(f"{t} INFO  (pool-{rng.randrange(4)}) last validation status: failed")
        elif r < 0.92:
            out.append(f"{t} INFO  (stats) failure rate 0.{rng.randrange(100):02d}% within limits")
        else:
            out.append(f"{t} DEBUG (pool-{rng.randrange(4)}) 空闲连接 {rng.randint(1, 20)} 个")
    return out


def msgqueue_day(rng: random.Random, day: str):
    """Plain time stamps without the date."""
    clock = Clock(rng, 0)
    out = []
    for _ in range(1800):
        clock.tick(40_000)
        t = clock.hms()
        topic = rng.choice(TOPICS)
        r = rng.random()
        if r < 0.5:
            out.append(f"{t} INFO 投递消息 {topic}#{rng.randrange(10**7)} 成功")
        elif r < 0.62:
            out.append(f"{t} INFO {case_variant(rng, 'heartbeat')} from consumer c-{rng.randrange(30)} ok")
        elif r < 0.64:
            out.append(f"{t} WARN {case_variant(rng, 'heartbeat')} fail for c-{rng.randrange(30)}, tolerated")
        elif r < 0.68:
            out.append(f"{t} ERROR {topic}: {case_variant(rng, 'queue full')} (capacity 100000), message rejected")
        elif r < 0.71:
            out.append(f"{t} ERROR 消息投递失败: {topic}#{rng.randrange(10**7)} 已重试 5 次")
            out.append(f"    subscriber=c-{rng.randrange(30)} reason=timeout")
            out.append("    moved to dead-letter queue")
        elif r < 0.75:
            out.append(f"{t} WARN {case_variant(rng, 'consumer disconnected')}: c-{rng.randrange(30)}")
        elif r < 0.79:
            out.append(f"{t} WARN ack for {topic}#{rng.randrange(10**7)} failed , will redeliver")
            out.append(f"    at broker partition {rng.randrange(8)}: write fail ")
        elif r < 0.82:
            out.append(f"{t} INFO rebalance finished, 0 partitions failed")
        else:
            out.append(f"{t} DEBUG 队列 {topic} 深度 {rng.randrange(5000)}")
    return out


def webportal_day(rng: random.Random, day: str):
    """Bracket time stamps; a small, quiet service."""
    clock = Clock(rng, 8)
    out = []
    for _ in range(700):
        clock.tick(60_000)
        t = f"[{clock.hms()}]"
        page = rng.choice(PAGES)
        r = rng.random()
        if r < 0.7:
            out.append(f"{t} INFO GET {page} 200 {rng.randint(3, 400)}ms")
        elif r < 0.8:
            out.append(f"{t} WARN GET {page} 401 {case_variant(rng, 'session expired')} user=u{rng.randrange(9999)}")
        elif r < 0.84:
            out.append(f"{t} ERROR 模板渲染错误: {page.strip('/').replace('/', '_')}.html line {rng.randint(1, 300)}")
            out.append("  TemplateError: undefined variable 'orderTotal'")
        elif r < 0.88:
            out.append(f"{t} WARN login failed for user u{rng.randrange(9999)} (bad password)")
        else:
            out.append(f"{t} DEBUG 静态资源缓存命中 {rng.randint(80, 100)}%")
    return out


# Which services wrote logs on which day (not every service every day).
LOGS = [
    ("Gateway", "20261201", lambda rng, d: gateway_day(rng, d, storm=False), "\r\n"),
    ("Gateway", "20261202", lambda rng, d: gateway_day(rng, d, storm=True), "\r\n"),
    ("Gateway", "20261203", lambda rng, d: gateway_day(rng, d, storm=False), "\r\n"),
    ("DataSvc", "20261201", datasvc_day, "\r\n"),
    ("DataSvc", "20261203", datasvc_day, "\r\n"),
    ("MsgQueue", "20261201", msgqueue_day, "\n"),
    ("MsgQueue", "20261202", msgqueue_day, "\n"),
    ("MsgQueue", "20261203", msgqueue_day, "\n"),
    ("WebPortal", "20261202", webportal_day, "\r\n"),
    ("WebPortal", "20261203", webportal_day, "\r\n"),
]


def write_logs() -> None:
    logs = HERE / "logs"
    logs.mkdir(exist_ok=True)
    for old in logs.glob("*.log"):
        old.unlink()
    for prefix, day, make, newline in LOGS:
        rng = random.Random(f"{prefix}-{day}")
        write_gbk(logs / f"{prefix}{day}.log", make(rng, day), newline)


if __name__ == "__main__":
    write_catalogues()
    write_logs()
