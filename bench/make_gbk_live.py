#!/usr/bin/env python3
"""A GBK log of a Chinese live-broadcast and video-streaming platform with its truth.

    bench/make_gbk_live.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages
(streams going live and off, push authentication, transcoding, CDN nodes and stalls, gifts,
bullet-comment moderation, room and user bans, bitrate switches, recordings, co-host PK,
anchor settlement), written to measure the miner on and not to shape it: no rule was made
or tuned on them. One of three header forms by the seed. The output depends only on the
arguments.
"""

import gbk_messages

# Anchor nicknames as they show on the room card; viewers' nicknames look the same.
ANCHORS = [
    "小鹿爱唱歌", "阿杰的深夜电台", "橙子不酸", "老周钓鱼日记", "半糖少女Yuki", "大刘讲历史",
    "喵了个咪_", "山城火锅妹", "程序员老K", "晴天小厨房", "北方的狼2026", "阿May健身",
]
# The other side of a co-host PK is an anchor of another room, usually of another guild.
RIVALS = ["甜酒酿小圆子", "铁柱爱打球", "夏夜星空Luna", "胖虎修车铺", "米粒姐姐", "戏腔阿蛮",
          "江南吴老师", "不二家的饼干"]
VIEWERS = ["路过的风", "夜猫子007", "小明同学", "吃瓜群众甲", "星光守护者", "咸鱼翻身", "Tony老师",
           "奶茶三分糖", "一只小透明", "快乐星球"]
CATS = ["户外", "音乐", "游戏", "美食", "知识", "颜值", "体育", "带货"]
INTERRUPTS = ["encoder_eof", "network_timeout", "keyframe_missing", "publisher_closed"]
AUTH_FAILS = ["推流密钥已过期", "IP不在白名单", "房间已被封禁", "同一房间重复推流", "签名校验失败"]
PROFILES = ["1080p", "720p", "480p", "360p", "原画", "audio-only"]
ISPS = ["电信", "联通", "移动", "教育网"]
REGIONS = ["华东", "华南", "华北", "西南", "东北", "西北"]
GIFTS = ["小心心", "星光棒", "棒棒糖", "梦幻城堡", "超级跑车", "告白气球", "守护之翼", "鲜花"]
RULES = ["广告引流", "辱骂攻击", "涉政敏感", "刷屏", "低俗色情", "联系方式", "站外链接"]
BANNED_ACTIONS = ["仅自己可见", "直接删除", "禁言10分钟", "转人工审核"]
VIOLATIONS = ["低俗擦边", "未成年人出镜", "违规带货", "播放未授权影视内容", "抽烟喝酒", "危险驾驶"]
UNBAN_NOTES = ["申诉成功", "处罚期满", "误判撤回", "主播已提交整改说明"]
AI_CATS = ["涉黄", "涉政", "暴恐", "违禁品", "二维码", "吸烟"]
S3_ERRS = ["RequestTimeout", "SlowDown", "AccessDenied", "InternalError"]
CLIENTS = ["Android", "iOS", "PC客户端", "网页端", "TV端", "小程序"]
BUFFS = ["连胜称号", "30分钟流量加成", "PK专属头像框", "热门推荐位"]
GOFILES = ["room/lifecycle.go", "ingest/auth.go", "transcode/worker.go", "cdn/scheduler.go",
           "gift/order.go", "danmaku/filter.go", "record/upload.go"]
SERVICES_CN = ["直播间服务", "弹幕服务", "礼物服务", "转码调度", "CDN调度", "审核中台"]


def room(r):
    return str(r.randint(100000, 9999999))


def stream_key(r):
    return "live_%d_%s" % (r.randint(100000, 9999999), "".join(r.choice("abcdef0123456789") for _ in range(8)))


def dur(r):
    s = r.randint(300, 6 * 3600)
    return "%02d:%02d:%02d" % (s // 3600, s // 60 % 60, s % 60)


def end_note(r):
    return "，获得礼物%d个，新增关注%d" % (r.randint(0, 5000), r.randint(0, 800))


def ban_why(r):
    return "，理由：%s" % r.choice(RULES)


def combo(r):
    return "（%d连击）" % r.randint(2, 99)


def amount(r):
    return "%d.%02d" % (r.randint(0, 60000), r.randint(0, 99))


V = {
    "room": room,
    "uid": lambda r: str(r.randint(10000000, 999999999)),
    "anchor": gbk_messages.pick(ANCHORS),
    "rival": gbk_messages.pick(RIVALS),
    "nick": gbk_messages.pick(VIEWERS),
    "name": gbk_messages.name,
    "cat": gbk_messages.pick(CATS),
    "interrupt": gbk_messages.pick(INTERRUPTS),
    "authfail": gbk_messages.pick(AUTH_FAILS),
    "isp": gbk_messages.pick(ISPS),
    "region": gbk_messages.pick(REGIONS),
    "gift": gbk_messages.pick(GIFTS),
    "rule": gbk_messages.pick(RULES),
    "action": gbk_messages.pick(BANNED_ACTIONS),
    "violation": gbk_messages.pick(VIOLATIONS),
    "note": gbk_messages.pick(UNBAN_NOTES),
    "s3err": gbk_messages.pick(S3_ERRS),
    "client": gbk_messages.pick(CLIENTS),
    "buff": gbk_messages.pick(BUFFS),
    "res": gbk_messages.pick(["1080p", "720p", "480p", "原画", "流畅"]),
    "switchwhy": gbk_messages.pick(["手动切换", "网络自适应"]),
    "sched": gbk_messages.pick(["切出", "降权"]),
    "pkmode": gbk_messages.pick(["排位赛", "好友约战", "随机匹配"]),
    "aicats": lambda r: "、".join(r.sample(AI_CATS, r.randint(1, 3))),
    "profiles": lambda r: ",".join(r.sample(PROFILES, r.randint(2, 4))),
    "endnote": gbk_messages.optional(end_note, 0.5),
    "banwhy": gbk_messages.optional(ban_why, 0.6),
    "combo": gbk_messages.optional(combo, 0.3),
    "streamkey": stream_key,
    "pushurl": lambda r: "rtmp://push%d.lv-ingest.example/live/%s" % (r.randint(1, 9), stream_key(r)),
    "ip": lambda r: "%d.%d.%d.%d" % (r.choice([36, 58, 113, 117, 183, 223]), r.randint(0, 255),
                                     r.randint(0, 255), r.randint(1, 254)),
    "encoder": lambda r: r.choice(["obs-28.1", "obs-30.0", "app-android-6.3.2", "app-ios-6.3.0",
                                   "hw-encoder-box"]),
    "tcnode": lambda r: "tc-%s-%02d" % (r.choice(["hz", "sz", "bj", "cd"]), r.randint(1, 40)),
    "tctask": lambda r: "tt%010d" % r.randint(0, 10 ** 10 - 1),
    "exitcode": lambda r: r.choice(["137", "139", "1", "255"]),
    "cdn": lambda r: "%s-%s-%02d" % (r.choice(["ct", "cu", "cm"]), r.choice(["sh", "gz", "bj", "wh", "xa"]),
                                     r.randint(1, 60)),
    "giftid": lambda r: "g%04d" % r.randint(1, 300),
    "cnt": lambda r: str(r.choice([1, 1, 1, 5, 10, 66, 99, 520, 1314])),
    "coins": lambda r: str(r.randint(1, 200000)),
    "len": lambda r: str(r.randint(1, 60)),
    "banlen": lambda r: r.choice(["10分钟", "1小时", "24小时", "7天", "30天", "永久"]),
    "appver": lambda r: "%d.%d.%d" % (r.randint(5, 7), r.randint(0, 20), r.randint(0, 9)),
    "datecompact": lambda r: "20260318%02d%02d%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59)),
    "bucket": lambda r: "lv-record-%s" % r.choice(["hz", "sz", "bj"]),
    "aitask": lambda r: "%08x-%04x" % (r.getrandbits(32), r.getrandbits(16)),
    "dur": dur,
    "share": amount,
    "fee": lambda r: "%d.%02d" % (r.randint(0, 15000), r.randint(0, 99)),
    "tax": lambda r: "%d.%02d" % (r.randint(0, 6000), r.randint(0, 99)),
    "big": lambda r: str(r.randint(10, 250000)),
    "n": lambda r: str(r.randint(0, 3000)),
    "mb": lambda r: "%.1f" % r.uniform(20, 9000),
    "gbps": lambda r: "%.2f" % r.uniform(8, 95),
    "ms": lambda r: str(r.randint(80, 12000)),
    "pct": lambda r: "%.1f%%" % r.uniform(1, 99),
    "conf": lambda r: "%.2f" % r.uniform(0.5, 0.99),
    "score": lambda r: str(r.randint(0, 90000)),
    "retry": lambda r: str(r.randint(0, 5)),
}

TEMPLATES = [
    ("INFO", "房间{room}开播，主播：{anchor}，分类：{cat}，推流地址 {pushurl}"),
    ("INFO", "房间{room}下播，本场时长{dur}，峰值在线{big}人{endnote}"),
    ("WARN", "stream interrupted room={room} stream={streamkey} reason={interrupt} reconnect={retry}"),
    ("INFO", "推流鉴权通过 room={room} ip={ip} encoder={encoder}"),
    ("WARN", "推流鉴权失败 room={room} ip={ip}，原因：{authfail}"),
    ("INFO", "转码任务已启动：房间{room}，输出档位[{profiles}]，节点{tcnode}"),
    ("ERROR", "转码任务异常退出 task={tctask} node={tcnode} exit_code={exitcode}，已迁移到{tcnode}"),
    ("INFO", "CDN回源：节点{cdn}（{isp}）拉流{streamkey}，首帧耗时{ms}ms"),
    ("WARN", "CDN节点{cdn}负载过高：出口带宽{gbps}Gbps，使用率{pct}，已{sched}调度"),
    ("INFO", "码率切换：用户{uid}在房间{room}由{res}切换到{res}（{switchwhy}）"),
    ("INFO", "用户【{nick}】在房间{room}赠送{gift}×{cnt}，价值{coins}星豆{combo}"),
    ("WARN", "礼物扣费失败 uid={uid} gift={giftid} balance={coins} need={coins}"),
    ("INFO", "弹幕审核通过：房间{room}，用户{uid}，长度{len}"),
    ("WARN", "弹幕被拦截：房间{room}，用户{uid}，命中规则【{rule}】，处理方式：{action}"),
    ("INFO", "房管【{nick}】将用户{uid}禁言{banlen}，房间{room}{banwhy}"),
    ("WARN", "房间{room}被平台封禁{banlen}，违规类型：{violation}，处理人{name}"),
    ("INFO", "房间{room}已解除封禁，操作人{name}，备注：{note}"),
    ("INFO", "用户{uid}进入房间{room}，终端：{client}，版本{appver}"),
    ("INFO", "online snapshot room={room} online={big} danmaku/min={n} gift/min={n}"),
    ("WARN", "观众卡顿上报：房间{room}，{region}{isp}，卡顿率{pct}，cdn={cdn}"),
    ("INFO", "录制文件已生成：{room}_{datecompact}.mp4，大小{mb}MB，存储桶{bucket}"),
    ("ERROR", "录制文件上传失败：{room}_{datecompact}.flv bucket={bucket} err={s3err}"),
    ("INFO", "连麦PK开始：{anchor} VS {rival}，模式：{pkmode}"),
    ("INFO", "连麦PK结束：{anchor} {score}:{score} {rival}，胜方获得「{buff}」"),
    ("INFO", "主播{anchor}周结算：礼物分成{share}元，平台服务费{fee}元，代扣个税{tax}元"),
    ("WARN", "AI巡检疑似违规：房间{room}，类别：{aicats}，置信度{conf}，已转人工复审"),
    ("ERROR", "审核回调超时 room={room} task={aitask} cost={ms}ms"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the ingest edge runs inside nginx and logs through its error log: pid, tid, connection
        pid = r.randint(2000, 40000)
        return "2026/03/18 %02d:%02d:%02d [%s] %d#%d: *%d " % (
            hh, mm, ss, level.lower(), pid, pid, r.randint(1, 9999999))
    if form == 1:
        # the room and gift services are Go and write zap's console layout, tab-separated
        return "2026-03-18T%02d:%02d:%02d.%03d+0800\t%s\t%s:%d\t" % (
            hh, mm, ss, r.randint(0, 999), level, r.choice(GOFILES), r.randint(20, 600))
    # the moderation side is Python, with a Chinese service name and level in its format
    return "2026-03-18 %02d:%02d:%02d,%03d - %s - %s - " % (
        hh, mm, ss, r.randint(0, 999), r.choice(SERVICES_CN),
        {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "LV", 19 * 3600 + 30)
