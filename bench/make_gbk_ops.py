#!/usr/bin/env python3
"""A GBK log of Chinese operations messages (hosts, disks, processes, containers,
devices and network links) with its truth.

    bench/make_gbk_ops.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  28 messages, among
them texts that end a message in one of a few ways (的连接已建立, 的连接被拒绝); one of
three header forms by the seed (RFC 3339 with host and program, glog, a Chinese
key:value header).  The output depends only on the arguments.
"""

import gbk_messages

HOSTS = ["web-%02d", "db-%02d", "cache-%02d", "mq-%02d", "gw-%02d"]
PROCS = ["nginx", "mysqld", "redis-server", "java", "python3", "kafka", "etcd"]
DISKS = ["/dev/sda1", "/dev/sdb1", "/dev/nvme0n1p2", "/data", "/var/log", "C:", "D:"]
ROOMS = ["一号机房", "二号机房", "亦庄机房", "南沙机房", "西部数据中心"]
DEVICES = ["UPS", "空调", "配电柜", "温湿度传感器", "门禁"]
USERS = ["root", "admin", "ops", "deploy", "王工", "李工", "运维值班"]
ALARMS = ["CPU使用率过高", "内存不足", "磁盘只读", "网卡丢包", "服务无响应"]
UNITS = ["个", "台", "次"]


V = {
    "host": lambda r: r.choice(HOSTS) % r.randint(1, 40),
    "proc": lambda r: r.choice(PROCS),
    "pid": lambda r: str(r.randint(100, 65535)),
    "disk": lambda r: r.choice(DISKS),
    "pct": lambda r: "%d%%" % r.randint(0, 100),
    "fpct": lambda r: "%.2f%%" % (r.random() * 100),
    "gb": lambda r: "%.1fG" % (r.random() * 500),
    "mb": lambda r: "%dMB" % r.randint(1, 65536),
    "temp": lambda r: "%d℃" % r.randint(15, 90),
    "room": lambda r: r.choice(ROOMS),
    "device": lambda r: r.choice(DEVICES),
    "user": lambda r: r.choice(USERS),
    "ip": lambda r: "%d.%d.%d.%d" % (r.choice([10, 172, 192]), r.randint(0, 255), r.randint(0, 255),
                                     r.randint(1, 254)),
    "port": lambda r: str(r.randint(1, 65535)),
    "cid": lambda r: "%012x" % r.getrandbits(48),
    "image": lambda r: "registry.corvane.cn/%s:%d.%d.%d" % (r.choice(["order", "pay", "user"]), r.randint(1, 3),
                                                            r.randint(0, 20), r.randint(0, 99)),
    "n": lambda r: str(r.randint(0, 999)),
    "sec": lambda r: str(r.randint(1, 3600)),
    "task": lambda r: "T%d%04d" % (r.choice([20261209]), r.randint(0, 9999)),
    "alarm": lambda r: r.choice(ALARMS),
    "hosts": lambda r: ",".join(r.choice(HOSTS) % r.randint(1, 40) for _ in range(r.randint(1, 5))),
    "kv": lambda r: "%s=%d" % (r.choice(["rx_drop", "tx_err", "crc"]), r.randint(0, 99999)),
    "date": lambda r: "%d年%d月%d日" % (2026, r.randint(1, 12), r.randint(1, 28)),
    "unit": lambda r: r.choice(UNITS),
}

TEMPLATES = [
    ("信息", "主机{host}的进程{proc}(pid={pid})已启动"),
    ("错误", "主机{host}的进程{proc}(pid={pid})异常退出，退出码{n}"),
    ("警告", "磁盘{disk}使用率达到{pct}，剩余{gb}"),
    ("严重", "磁盘{disk}空间耗尽，写入失败"),
    ("信息", "{room}{device}状态正常，温度{temp}"),
    ("警告", "{room}{device}温度过高：{temp}"),
    ("信息", "用户{user}从{ip}登录堡垒机"),
    ("警告", "用户{user}从{ip}连续{n}次登录失败，已锁定"),
    ("信息", "容器{cid}已创建，镜像{image}"),
    ("信息", "容器{cid}已停止，运行时长{sec}秒"),
    ("错误", "容器{cid}被OOM Killer终止，内存上限{mb}"),
    ("信息", "到{ip}:{port}的连接已建立"),
    ("错误", "到{ip}:{port}的连接被拒绝"),
    ("警告", "到{ip}:{port}的连接超时（{sec}秒）"),
    ("信息", "巡检任务{task}开始，涉及主机：{hosts}"),
    ("信息", "巡检任务{task}完成，发现{n}个问题"),
    ("警告", "告警：{host} {alarm}，持续{sec}秒"),
    ("信息", "告警恢复：{host} {alarm}"),
    ("信息", "网卡eth0统计 {kv} {kv}"),
    ("信息", "证书将于{date}过期，剩余{n}天"),
    ("信息", "备份任务{task}完成，共{gb}，耗时{sec}秒"),
    ("错误", "备份任务{task}失败：目标{disk}不可写"),
    ("信息", "负载均衡摘除节点{host}"),
    ("信息", "负载均衡恢复节点{host}"),
    ("信息", "CPU使用率{fpct}，内存使用率{fpct}，负载{n}"),
    ("信息", "定时清理日志完成，删除{n}个文件，释放{mb}"),
    ("警告", "NTP时间偏差{n}毫秒，超过阈值"),
    ("信息", "配置已由{user}修改并下发到{n}{unit}节点"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-12-09T%02d:%02d:%02d.%03d+08:00 %s opsagent[%d]: " % (
            hh, mm, ss, ms, r.choice(HOSTS) % r.randint(1, 40), r.randint(100, 9999))
    if form == 1:
        return "%s1209 %02d:%02d:%02d.%06d %5d agent.go:%d] " % (
            {"信息": "I", "警告": "W", "错误": "E", "严重": "F"}[level], hh, mm, ss, r.randint(0, 999999),
            r.randint(1, 99999), r.randint(10, 900))
    return "时间:2026-12-09 %02d:%02d:%02d 级别:%s 内容:" % (hh, mm, ss, level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "O", 0, steps=(0, 1, 3), skew=0.6)
