#!/usr/bin/env python3
"""A GBK log of a TV and radio broadcast centre's playout and transmission system with its truth.

    bench/make_gbk_broadcast.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 37 messages (playlist items
started and finished on air, signal probes, encoder statistics, ad breaks inserted, media
ingested, satellite uplink status, daily playlists loaded, transcode jobs, router takes,
loudness over the limit, ad copies that pass or fail their check, black frames and frozen frames,
main/backup changeovers that succeed or fail, encoder bitrate swings, rain fade on the uplink,
playlist changes, missing media before air, captions and logos keyed on, audio lost, encoders
that crash, uplink carrier lost and restored, emergency alerts, programme guide pushes that
succeed or fail, reference clock drift, playout storage running out, duty hand-overs, UPS on
battery, broadcast rights about to expire, technical reviews passed and failed, and dead air),
written to measure the miner on and not to shape it: no rule was made or tuned on them. Each
message keeps its own frequency, playlist items by the hundred and dead air once in a few
thousand lines. Several messages differ only in a word or two (黑场/静帧, 成功/失败,
通过/未通过, 中断/恢复), which a duty engineer reads as different events, so they have
different ids. One of three header forms by the seed. The output depends only on the arguments.
"""

import datetime

import gbk_messages

rint, real, pick, items, optional, name = (gbk_messages.rint, gbk_messages.real, gbk_messages.pick,
                                           gbk_messages.items, gbk_messages.optional, gbk_messages.name)

# channel code and the name the master control room uses for it
CHANNELS = [("CH01", "云江卫视（高清）"), ("CH02", "新闻综合频道"), ("CH03", "都市生活频道"), ("CH05", "少儿频道（标清）"),
            ("CH07", "影视剧场频道"), ("CH09", "4K超高清试验频道"), ("FM996", "交通广播 FM99.6"),
            ("FM1038", "音乐之声 FM103.8"), ("AM846", "新闻广播 AM846")]
TV = CHANNELS[:6]
PROGRAMS = ["云江新闻联播", "早安云江", "天气预报", "午间新闻30分", "电视剧：山河故人 第12集", "少儿动画：小熊果果（第3季 第7集）",
            "体育快讯", "交通早高峰（直播）", "纪录片·江河万里 第2集", "健康大讲堂", "财经夜读", "整点新闻",
            "经典老歌 Golden Hits", "宣传片：文明城市创建", "周末剧场《雾港》", "农业科技十分钟"]
BRANDS = ["山泉牌矿泉水", "鑫达汽车", "优乐乳业", "百禾药业（OTC）", "蓝鲸保险", "卓越家电", "云江农商银行", "悦途旅行App",
          "好味来酱油 500ml"]
SERVERS = ["播出服务器A（主）", "播出服务器B（备）", "PLAYOUT-SRV-03", "PLAYOUT-SRV-04（应急）"]
ENCMODELS = ["HL-E8600", "StreamPeak SP-4K20", "澜图 LT-3100（双路）", "HL-E8600 Pro"]
SATELLITES = ["天链12B（东经115.5°）", "星汇9号", "亚联7号（C波段）", "星汇11号 Ku"]
TRANSPONDERS = ["9A", "10B", "TP-14", "TP-22（水平极化）"]
SOURCES = ["SDI-IN 12（演播室2）", "卫星收转RX-3", "播出服务器A-PGM", "播出服务器B-PGM", "应急垫片PAD-1", "直播车OB-02",
           "5G背包 LiveU-7", "新闻演播室（一号厅）"]
DESTS = ["PGM-OUT CH01", "PGM-OUT CH03", "编码器输入 ENC-05", "多画面监视 MV-2", "二级矩阵 DST-41", "上星编码复用器"]
CONSOLES = ["总控台1号位", "播控台B", "应急控制面板", "远程Web面板"]
FORMATS = ["XDCAM HD422 50Mbps", "MXF OP1a", "ProRes 422 HQ", "H.264 MP4", "WAV 48kHz/24bit", "MPEG-2 TS"]
PROFILES = ["H.264 1080i50 8Mbps", "H.265 2160p50 25Mbps", "MPEG-2 576i 6Mbps", "AAC-LC 128kbps 立体声", "H.264 720p 3Mbps（新媒体）"]
PLATFORMS = ["IPTV（电信）", "IPTV（联通）", "有线数字电视平台", "云江融媒App", "OTT聚合平台"]
HTTPFAILS = ["500 Internal Server Error", "502 Bad Gateway", "503 Service Unavailable", "504 Gateway Timeout",
             "401 Unauthorized"]
SWITCHREASONS = ["主路信号丢失", "主路黑场超过5秒", "手动切换（例行演练）", "主播出服务器无响应", "主路音频丢失"]
SWITCHERRS = ["备路信号同样异常", "切换器返回 NAK（code=0x1F）", "备路播出服务器未就绪（cue未完成）", "GPIO触发超时"]
CHANGES = ["临时插播重要新闻", "体育直播延时", "节目下线（版权原因）", "插播天气预警", "广告段调整（客户撤单）", "节目时长修正"]
ADFAILS = ["响度超标（-17.6 LUFS）", "时长不符（标称15秒，实际16.2秒）", "缺少广告审查批号", "画面含未授权商标",
           "音频声道错误（仅左声道）", "分辨率不符：720x576，要求1920x1080"]
CAPTIONS = ["台标", "角标「正在直播」", "滚动字幕：明天白天有中到大雨，请注意出行安全", "倒计时角标", "广告标识「广告」",
            "字幕条：本节目由 卓越家电 特约播出"]
EXITS = ["exit code 139 (SIGSEGV)", "exit code 137 (OOM killed)", "java.lang.OutOfMemoryError: Java heap space",
         "watchdog timeout after 30s", "exit code 1: no input signal"]
LOSSREASONS = ["上行功放故障", "天线跟踪偏离", "强降雨雨衰", "调制器输出异常", "原因待查"]
ALERTS = ["暴雨红色预警", "台风橙色预警", "地震速报（演练）", "高温黄色预警", "山洪灾害预警"]
AREAS = ["云江市全市", "东湖区、西岭县", "北川县、临江镇", "沿江六区", "全省"]
PSUS = ["UPS-1（播出机房）", "UPS-2（上行站）", "UPS-3 总控机房（60kVA）"]
# what a technical review checks and what it finds when the item fails
REVIEWS = [("画面质量", "存在3处静帧（00:12:05:10起）"), ("响度与音频电平", "积分响度-19.8 LUFS，超出标准"),
           ("时码连续性", "时码不连续（第2段）"), ("字幕与台标位置", "字幕遮挡台标"), ("黑场/静帧检测", "片尾黑场超过5秒")]
DEADAIR = ["主备路同时失效", "播出服务器宕机，应急垫片未自动接管", "编码复用器掉电", "光缆中断（传输链路）", "人为误操作"]
SHIFTS = ["早班", "中班", "夜班"]
ROLES = ["值班长", "播控员", "技术主管", "总编室编排"]
FILMS = ["电视剧《雾港》", "电影《北纬三十度》", "纪录片《江河万里》", "动画《小熊果果》第3季", "综艺《声入人心的夜晚》"]
VOLUMES = ["/mnt/playout_a", "/mnt/playout_b", "NAS-02:/media/online", "\\\\MAM-STOR\\hires"]
CLOCKS = ["GPS主时钟", "PTP Grandmaster（GM-1）", "北斗授时接收机", "NTP 10.8.0.1"]

_chosen = {}  # what a line's earlier value chose, for the values after it that must agree


def clip(r):
    k = r.randint(0, 3)
    if k == 0:
        return "V2026%02d%02d%04d" % (r.randint(1, 3), r.randint(1, 28), r.randint(1, 9999))
    if k == 1:
        return "PGM-%06X" % r.getrandbits(24)
    if k == 2:
        return "AD_2603_%04d" % r.randint(1, 2400)
    return "news%02d_%s" % (r.randint(1, 24), r.choice(["a", "b", "final", "v2"]))


def timecode(r):
    """Broadcast time code, frames last (25 fps)."""
    return "%02d:%02d:%02d:%02d" % (r.randint(0, 23), r.randint(0, 59), r.randint(0, 59), r.randint(0, 24))


def duration_tc(r):
    return "%02d:%02d:%02d:%02d" % (r.choice([0, 0, 0, 1]), r.randint(0, 59), r.randint(0, 59), r.randint(0, 24))


def hms(r):
    return "%d小时%02d分%02d秒" % (r.randint(18, 24), r.randint(0, 59), r.randint(0, 59))


def onair_date(r, lo, hi):
    """A day written as the various tools write it."""
    d = datetime.date(2026, 3, 14) + datetime.timedelta(days=r.randint(lo, hi))
    return r.choice(["%d年%d月%d日" % (d.year, d.month, d.day), d.strftime("%Y-%m-%d"), d.strftime("%Y%m%d"),
                     "%d月%d日" % (d.month, d.day)])


def adbreak(r):
    return "B-%02d%02d（%s）" % (r.randint(6, 23), r.choice([0, 15, 28, 30, 45, 58]),
                               r.choice(["节目前插", "节目中插", "整点前", "剧间"]))


def review(r):
    _chosen["review"] = r.choice(REVIEWS)
    return _chosen["review"][0]


def rightsday(r):
    _chosen["days"] = r.randint(3, 30)
    return onair_date(r, _chosen["days"], _chosen["days"])


def bitrate(r):
    """An encoder's set and measured bitrate and how far apart they are."""
    target = r.choice([3.0, 6.0, 8.0, 25.0])
    got = target * r.choice([-1, 1]) * r.uniform(0.2, 0.6) + target
    return "设定%.2fMbps，实测%.2fMbps，偏差%+.0f%%" % (target, got, (got - target) / target * 100)


def spots(r):
    _chosen["spots"] = r.randint(2, 9)
    return str(_chosen["spots"])


def brands(r):
    """The advertisers of the break's spots, the first four of them named."""
    n = _chosen["spots"]
    return "、".join(r.sample(BRANDS, min(n, 4))) + ("等" if n > 4 else "")


def encoder(r):
    return "ENC-%02d(%s)" % (r.randint(1, 24), r.choice(ENCMODELS))


def mediafile(r):
    stem = r.choice(["XW_%s_午间新闻" % "20260314", "DSJ_山河故人_EP%02d" % r.randint(1, 40), "ADV_%s_15s" % r.choice(BRANDS)[:4],
                     "PROMO 文明城市 30s", "DOC_JiangHe_E%02d" % r.randint(1, 8)])
    return stem + r.choice([".mxf", ".mov", ".mp4", ".wav"])


def scte(r):
    return "%d" % r.randint(10 ** 6, 10 ** 9)


def freq(r):
    return "%.2f" % r.uniform(3700, 4200)


def drift(r):
    return "%+d" % r.choice([0, 0, 0, 0, 1, -1, 2, -2, 5, 25])


def ip(r):
    return "10.%d.%d.%d" % (r.randint(8, 12), r.randint(0, 30), r.randint(2, 250))


def transcode_job(r):
    return "TC-%s-%05d" % (r.choice(["HQ", "WEB", "ARC"]), r.randint(1, 99999))


V = {
    "name": name, "channel": lambda r: r.choice(CHANNELS)[1], "chcode": lambda r: r.choice(CHANNELS)[0],
    "tvchannel": lambda r: r.choice(TV)[1], "tvcode": lambda r: r.choice(TV)[0],
    "program": pick(PROGRAMS), "clip": clip, "tc": timecode, "dur": duration_tc, "hms": hms,
    "playday": lambda r: onair_date(r, 0, 1), "chgday": lambda r: onair_date(r, 0, 2),
    "rightsday": rightsday, "days": lambda r: str(_chosen["days"]), "bitrate": bitrate, "drift": drift, "adbreak": adbreak, "brands": brands,
    "spots": spots, "adlen": lambda r: "00:00:%02d:00" % r.choice([5, 10, 15, 15, 30]), "brand": pick(BRANDS), "splice": scte, "encoder": encoder, "mediafile": mediafile,
    "freq": freq, "ip": ip, "job": transcode_job,
    "server": pick(SERVERS), "sat": pick(SATELLITES), "tp": pick(TRANSPONDERS), "src": pick(SOURCES),
    "dst": pick(DESTS), "console": pick(CONSOLES), "format": pick(FORMATS), "profile": pick(PROFILES),
    "platform": pick(PLATFORMS), "httpfail": pick(HTTPFAILS), "swreason": pick(SWITCHREASONS),
    "swerr": pick(SWITCHERRS), "change": pick(CHANGES), "adfail": pick(ADFAILS), "caption": pick(CAPTIONS),
    "exit": pick(EXITS), "lossreason": pick(LOSSREASONS), "alert": pick(ALERTS), "areas": pick(AREAS),
    "ups": pick(PSUS), "review": review, "reviewfail": lambda r: _chosen["review"][1], "deadair": pick(DEADAIR),
    "shift": pick(SHIFTS), "role": pick(ROLES), "film": pick(FILMS), "volume": pick(VOLUMES),
    "refclock": pick(CLOCKS), "channels": lambda r: "、".join(c for _, c in r.sample(CHANNELS, r.randint(2, 4))),
    "fromto": pick(["主路→备路", "备路→主路", "主路→应急垫片"]),
    "res": pick(["1080i50", "2160p50", "576i25", "720p50"]),
    "mbps": real(2.5, 25, "%.2f"),
    "cpu": rint(8, 92), "lufs": real(-21.5, -15.5, "%.1f"), "lufsmax": real(-14.0, -8.0, "%.1f"),
    "calm": real(-24.9, -23.1, "%.1f"), "cc": rint(0, 3), "eirp": real(68, 74, "%.1f"), "ebno": real(9, 14.5, "%.2f"),
    "lowebno": real(3.0, 6.5, "%.2f"), "aupc": real(0.5, 6.0, "%.1f"), "rain": rint(4, 80),
    "secs": rint(2, 45), "ms": rint(12, 4800), "mins": rint(3, 90), "items": rint(96, 380), "ver": rint(1, 9),
    "gb": real(0.2, 180, "%.2f"), "spent": real(4, 3600, "%.1f"), "try": rint(1, 3),
    "safe": rint(120, 3650), "faults": rint(0, 6), "left": rint(5, 99), "free": real(1.5, 9.8, "%.1f"),
    "offset": rint(120, 9800), "grade": pick(["一", "二", "三"]), "out": rint(3, 180),
    "alertno": rint(0, 10 ** 6 - 1, "YJ-2026-%06d"),
    "gop": pick(["25", "50", "12"]), "drop": pick(["0", "0", "0", "0", "1", "3"]), "temp": real(38, 71),
    "order": rint(0, 10 ** 5 - 1, "BCD-260314-%05d"),
    "plan": lambda r: "%02d:%02d:%02d:00" % (r.randint(5, 23), r.randint(0, 59), r.choice([0, 0, 0, 15, 30])),
    "pid": lambda r: "0x%04X" % r.choice([0x100, 0x101, 0x200, 0x201, 0x1FFF]),
    "svc": lambda r: "%d" % r.randint(101, 140),
    # what only some lines of a message carry
    "reviewer": optional(lambda r: "，审核人：%s（%s）" % (name(r), r.choice(["总编室", "技审组", "广告部"])), 0.45),
    "notify": optional(lambda r: "，已通知%s%s" % (r.choice(ROLES), name(r)), 0.5),
    "live": optional(lambda r: " [直播]", 0.25),
    "chgnote": optional(lambda r: "，备注：%s" % r.choice(["台领导口头批准，书面手续后补", "已同步EPG", "涉及广告段，已通知广告部",
                                                         "请各岗位注意二次确认"]), 0.4),
    "retryok": optional(lambda r: "，第%d次重试成功" % r.randint(2, 3), 0.2),
    "autorestart": optional(lambda r: "，守护进程已自动重启（第%d次）" % r.randint(1, 4), 0.6),
    "ticket": optional(lambda r: " 工单号=%s" % ("WO%08d" % r.randint(0, 10 ** 8 - 1)), 0.35),
    "adcopy": optional(lambda r: "，版本%s" % r.choice(["A", "B", "A-改2", "春节版"]), 0.3),
}

# weight, level, module, message
TEMPLATES = [
    (230, "INFO", "playout", "播出单条目开始播出：频道「{channel}」节目《{program}》{live}，素材ID={clip}，计划时间{plan}，实际偏差{drift}帧"),
    (190, "INFO", "monitor", "signal probe ok ch={tvcode} src=\"{src}\" video={res} audio_loudness={calm}LUFS cc_err={cc} pcr_jitter={ms}ns"),
    (150, "INFO", "encoder", "encoder stats: enc={encoder} ch={chcode} bitrate={mbps}Mbps gop={gop} drop={drop} cpu={cpu}% temp={temp}℃"),
    (120, "INFO", "playout", "播出单条目播出完成：频道「{channel}」节目《{program}》，素材ID={clip}，实播时长{dur}"),
    (80, "INFO", "ad", "广告插播完成：频道{channel}，广告段{adbreak}，共{spots}条（{brands}），SCTE-35 splice_event_id={splice}"),
    (60, "INFO", "mam", "素材入库：文件「{mediafile}」，时长{dur}，格式{format}，大小{gb}GB，入库人{name}{reviewer}"),
    (50, "INFO", "uplink", "上行链路状态：卫星{sat}，转发器{tp}，下行频率{freq}MHz，EIRP={eirp}dBW，Eb/N0={ebno}dB"),
    (42, "INFO", "schedule", "播出单已加载：频道「{channel}」{playday}播出单（版本V{ver}），共{items}条，总时长{hms}，编排人{name}"),
    (38, "INFO", "transcode", "transcode job={job} done profile=\"{profile}\" src=「{mediafile}」 cost={spent}s{retryok}"),
    (32, "INFO", "router", "矩阵切换：源【{src}】→ 目的【{dst}】，操作员{name}（{console}）"),
    (27, "WARN", "monitor", "响度超标：频道{channel}节目《{program}》积分响度{lufs} LUFS（标准-24±2 LUFS），短时最大{lufsmax} LUFS{notify}"),
    (24, "INFO", "ad", "广告素材校验通过：素材ID={clip}，客户「{brand}」{adcopy}，时长{adlen}"),
    (6, "WARN", "ad", "广告素材校验未通过：素材ID={clip}，客户「{brand}」{adcopy}，原因：{adfail}"),
    (20, "WARN", "monitor", "画面异常告警：频道{tvchannel}检测到静帧，起始时码{tc}，持续{secs}秒，信号源【{src}】{notify}"),
    (14, "WARN", "monitor", "画面异常告警：频道{tvchannel}检测到黑场，起始时码{tc}，持续{secs}秒，信号源【{src}】{notify}"),
    (17, "WARN", "encoder", "编码器码率波动：{encoder} 频道{chcode}，{bitrate}"),
    (13, "WARN", "playout", "主备切换成功：频道「{channel}」{fromto}，原因：{swreason}，切换耗时{ms}ms{notify}"),
    (3, "ERROR", "playout", "主备切换失败：频道「{channel}」{fromto}，原因：{swreason}，错误：{swerr}{notify}"),
    (12, "WARN", "uplink", "上行信号雨衰：卫星{sat}转发器{tp}，Eb/N0降至{lowebno}dB，降雨强度{rain}mm/h，AUPC已提升上行功率{aupc}dB"),
    (11, "INFO", "epg", "EPG数据推送成功：平台「{platform}」，频道{channels}，{items}条节目单，耗时{ms}ms"),
    (4, "ERROR", "epg", "EPG数据推送失败：平台「{platform}」，频道{channels}，HTTP {httpfail}，retry={try}/3"),
    (10, "INFO", "schedule", "播出单变更：频道「{channel}」{chgday} {plan}，{change}，变更单号{order}，批准人{name}（{role}）{chgnote}"),
    (9, "INFO", "cg", "字幕包装上屏：频道{chcode}「{caption}」，模板{pid}，操作员{name}"),
    (8, "ERROR", "mam", "播前检查失败：素材ID={clip}《{program}》在{server}上不存在（java.io.FileNotFoundException），距播出{mins}分钟{notify}"),
    (7, "INFO", "review", "技术审查通过：《{program}》素材ID={clip}，审查项【{review}】，审查员{name}"),
    (1.6, "WARN", "review", "技术审查不通过：《{program}》素材ID={clip}，审查项【{review}】，问题：{reviewfail}，审查员{name}"),
    (6, "WARN", "monitor", "音频丢失：频道{channel} PID={pid} 节目号{svc}，静音持续{secs}秒，音频源【{src}】"),
    (5, "ERROR", "encoder", "encoder process crashed: enc={encoder} ip={ip} reason=\"{exit}\"{autorestart}"),
    (3.5, "ERROR", "uplink", "卫星信号中断：卫星{sat}转发器{tp}载波丢失，原因：{lossreason}，影响频道：{channels}{ticket}"),
    (3.5, "INFO", "uplink", "卫星信号恢复：卫星{sat}转发器{tp}载波恢复，中断{out}秒，影响频道：{channels}{ticket}"),
    (3, "WARN", "ntp", "时钟源偏差：{refclock} offset={offset}μs，超出阈值1000μs，{server}已切换至备用时钟源"),
    (2.5, "WARN", "storage", "播出存储空间不足：卷 {volume} 剩余{free}%（告警线10%），请清理过期素材"),
    (2.2, "INFO", "duty", "值班交接：{shift}，交班人{name}，接班人{name}，本班播出{items}条，异常{faults}起，已连续安全播出{safe}天"),
    (2, "WARN", "emergency", "应急广播指令接收：编号{alertno}，类型「{alert}」，覆盖区域：{areas}，插播频道{channels}"),
    (1.6, "ERROR", "power", "UPS告警：{ups}市电中断，已切换电池供电，剩余电量{left}%，预计可支撑{mins}分钟"),
    (1.4, "WARN", "rights", "播映权到期提醒：{film}在频道「{channel}」的播映权将于{rightsday}到期，剩余{days}天，请编排部门核实"),
    (1.2, "ERROR", "playout", "停播告警：频道「{channel}」停播{out}秒，原因：{deadair}，按{grade}级安全播出事故上报，值班长{name}"),
]

# hosts and loggers each module's lines come from, for the headers
HOSTS = {"playout": ["pc-play-a01", "pc-play-b01"], "monitor": ["mon-probe-03", "mon-probe-07"],
         "encoder": ["enc-ctl-01"], "ad": ["ad-ins-02"], "mam": ["mam-app-01", "mam-app-02"],
         "uplink": ["tx-uplink-01"], "schedule": ["sched-srv"], "transcode": ["tc-node-04", "tc-node-09"],
         "router": ["rtr-ctl"], "epg": ["epg-gw-01"], "cg": ["cg-station-2"], "review": ["qc-ws-05"],
         "ntp": ["clock-mon"], "storage": ["stor-mon"], "duty": ["duty-pc"], "emergency": ["eb-recv-01"],
         "power": ["dcim-01"], "rights": ["sched-srv"]}
LOGGERS = {"playout": "c.yj.playout.ListRunner", "monitor": "c.yj.monitor.ProbeAgent",
           "encoder": "c.yj.encoder.EncoderPoller", "ad": "c.yj.ad.SpliceManager", "mam": "c.yj.mam.IngestService",
           "uplink": "c.yj.tx.UplinkMonitor", "schedule": "c.yj.sched.PlaylistService",
           "transcode": "c.yj.mam.TranscodeWorker", "router": "c.yj.router.MatrixClient",
           "epg": "c.yj.epg.PushTask", "cg": "c.yj.cg.GraphicsCtl", "review": "c.yj.qc.ReviewService",
           "ntp": "c.yj.sys.ClockWatch", "storage": "c.yj.sys.DiskWatch", "duty": "c.yj.duty.ShiftLog",
           "emergency": "c.yj.eb.AlertReceiver", "power": "c.yj.sys.UpsWatch", "rights": "c.yj.sched.RightsCheck"}
MODULES_CN = {"playout": "播出控制", "monitor": "信号监测", "encoder": "编码器", "ad": "广告插播", "mam": "媒资",
              "uplink": "卫星上行", "schedule": "编排", "transcode": "转码", "router": "矩阵", "epg": "EPG",
              "cg": "字幕包装", "review": "技审", "ntp": "时钟", "storage": "存储", "duty": "值班",
              "emergency": "应急广播", "power": "动力环境", "rights": "版权"}
PIDS = {m: 1200 + 37 * i for i, m in enumerate(sorted(HOSTS))}


def header(r, form, t, level, module):
    at = datetime.datetime(2026, 3, 14) + datetime.timedelta(seconds=t)
    ms = r.randint(0, 999)
    if form == 0:
        # the playout and monitoring services are Java and log with a thread and a logger name
        thread = "%s-%d" % (r.choice(["pool-3-thread", "scheduler", "nio-8080-exec"]), r.randint(1, 16))
        return "%s,%03d %-5s [%s] %s - " % (at.strftime("%Y-%m-%d %H:%M:%S"), ms, level, thread, LOGGERS[module])
    if form == 1:
        # the master control room's console prints the level, host and module in Chinese brackets
        cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
        return "[%s.%03d][%s][%s][%s] " % (at.strftime("%Y/%m/%d %H:%M:%S"), ms, cn, r.choice(HOSTS[module]),
                                          MODULES_CN[module])
    # the transmission side forwards everything by syslog, the level in angle brackets
    return "%s %2d %s %s %sd[%d]: <%s> " % (at.strftime("%b"), at.day, at.strftime("%H:%M:%S"), r.choice(HOSTS[module]),
                                           module, PIDS[module], {"INFO": "info", "WARN": "warning",
                                                                 "ERROR": "err"}[level])


def main():
    gbk_messages.main_weighted(TEMPLATES, V, header, "B", 5 * 3600 + 40 * 60, (0, 0, 1, 1, 2, 3))


if __name__ == "__main__":
    main()
