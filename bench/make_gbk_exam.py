#!/usr/bin/env python3
"""A GBK log of a Chinese online examination platform with its truth.

    bench/make_gbk_exam.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (candidate
login, face checks, anti-cheating alerts, autosave, submission, grading, review, scores,
proctors and reconnects), written to measure the miner on and not to shape it: no rule was
made or tuned on them. One of three header forms by the seed. The output depends only on
the arguments.
"""

import gbk_messages

EXAMS = ["2026年下半年计算机等级考试（二级）", "2026年下半年计算机等级考试（三级）",
         "2026年12月大学英语四级模拟考试", "2026年秋季学期期末统考",
         "2026年度会计专业技术资格考试（初级）", "第十二届全国青少年编程能力测评",
         "2026年教师资格证笔试（科目二）", "2026年秋季新员工入职考核"]
SUBJECTS = ["C语言程序设计", "Python语言程序设计", "MS Office高级应用", "数据库技术",
            "高等数学", "大学英语", "经济法基础", "初级会计实务", "教育知识与能力",
            "网络技术", "Java语言程序设计"]
BUILDINGS = ["教学楼A", "教学楼B", "实验楼", "图书馆", "信息中心", "综合楼"]
CLIENTS = ["Windows客户端", "macOS客户端", "Chrome浏览器", "Edge浏览器", "安全考试浏览器",
           "iPad App"]
LOGIN_FAILS = ["准考证号不存在", "密码错误", "不在考试时间段内", "账号已在其他设备登录",
               "IP不在考点白名单内", "客户端版本过低，请升级至v3.2以上", "考生未完成报名缴费",
               "验证码错误"]
FACE_FAILS = ["光线不足", "未检测到人脸", "与报名照片不一致", "活体检测未通过",
              "佩戴口罩或帽子", "图像模糊", "检测到翻拍照片"]
CHEATS = ["视线长时间偏离屏幕", "检测到疑似手机", "摄像头被遮挡", "画面中无人",
          "检测到佩戴耳机", "检测到异常交谈声", "低头时间过长", "检测到第二块显示器"]
SAVE_FAILS = ["网络超时", "服务端返回503", "本地缓存已满", "会话已过期",
              "答案内容超过长度限制", "Redis写入失败"]
GRADE_ERRORS = ["ANSWER_KEY_MISSING", "PAPER_VERSION_MISMATCH", "SCORE_RULE_INVALID",
                "TIMEOUT", "NULL_RESPONSE", "DUPLICATE_SUBMISSION"]
VIOLATIONS = ["夹带资料", "交头接耳", "使用通讯工具", "代考嫌疑", "擅自离开座位",
              "开考后迟到超过15分钟", "私自截屏"]
NOTES = ["已拍照留证", "已口头警告", "已上报主考", "考生拒绝签字", "已收缴手机",
         "待巡考复核"]
DELAY_REASONS = ["设备故障", "停电", "网络中断", "身体不适", "残障考生合理便利",
                 "监考员误操作"]
QTYPES = ["单选题", "多选题", "判断题", "填空题", "程序填空题", "程序改错题",
          "编程题", "简答题", "论述题"]
CHANNELS = ["web", "h5", "miniapp", "sms", "app"]
HTTP_CODES = ["403", "404", "500", "502", "503", "504"]


def ticket(r):
    # 15 digits: year, province, site and a serial, as printed on the admission ticket
    return "26%02d%04d%07d" % (r.randint(11, 65), r.randint(1, 9999), r.randint(1, 9999999))


def room(r):
    return "%s-%d%02d" % (r.choice(BUILDINGS), r.randint(1, 6), r.randint(1, 30))


def score(r):
    s = r.randint(0, 100)
    return str(s) if r.random() < 0.7 else "%d.5" % min(s, 99)


def duration(r):
    m = r.randint(3, 150)
    if m < 60:
        return "%d分钟" % m
    return "%d小时%d分钟" % (m // 60, m % 60)


def question_list(r):
    # the unanswered questions, as many as the candidate left, comma-separated
    qs = sorted(r.sample(range(1, 61), r.randint(1, 7)))
    return ",".join(str(q) for q in qs)


def question_types(r):
    return "、".join(r.sample(QTYPES, r.randint(2, 5)))


def publish_time(r):
    return "2026年12月%d日 %02d:00" % (r.randint(1, 28), r.choice([9, 10, 14, 16, 18]))


V = {
    "name": gbk_messages.name,
    "ticket": ticket,
    "room": room,
    "seat": lambda r: "%02d" % r.randint(1, 60),
    "exam": lambda r: r.choice(EXAMS),
    "subject": lambda r: r.choice(SUBJECTS),
    "client": lambda r: r.choice(CLIENTS),
    "loginfail": lambda r: r.choice(LOGIN_FAILS),
    "facefail": lambda r: r.choice(FACE_FAILS),
    "cheat": lambda r: r.choice(CHEATS),
    "savefail": lambda r: r.choice(SAVE_FAILS),
    "gradeerr": lambda r: r.choice(GRADE_ERRORS),
    "violation": lambda r: r.choice(VIOLATIONS),
    "note": lambda r: r.choice(NOTES),
    "delayreason": lambda r: r.choice(DELAY_REASONS),
    "channel": lambda r: r.choice(CHANNELS),
    "httpcode": lambda r: r.choice(HTTP_CODES),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 31), r.randint(0, 255), r.randint(2, 254)),
    # a pass needs 0.80 or more; failures are mostly below it, but a live-check failure
    # can come with a high similarity
    "simok": lambda r: "0.%02d" % r.randint(80, 99),
    "simbad": lambda r: "0.%02d" % r.randint(25, 95),
    "ms": lambda r: str(r.randint(12, 4800)),
    "sec": lambda r: str(r.randint(1, 300)),
    "n": lambda r: str(r.randint(1, 9)),
    "count": lambda r: str(r.randint(20, 120)),
    "absent": lambda r: str(r.randint(0, 12)),
    "faces": lambda r: str(r.randint(2, 4)),
    "q": lambda r: str(r.randint(1, 60)),
    "answered": lambda r: str(r.randint(1, 40)),
    "total": lambda r: r.choice(["40", "50", "60"]),
    "bytes": lambda r: str(r.randint(64, 20480)),
    "score": score,
    "avg": lambda r: "%.2f" % r.uniform(45, 90),
    "pct": lambda r: "%.1f%%" % r.uniform(30, 98),
    "rank": lambda r: str(r.randint(1, 5000)),
    "dur": duration,
    "min": lambda r: str(r.choice([5, 10, 15, 20, 30])),
    "paper": lambda r: "PAPER-2026%02d-%06d" % (r.randint(1, 12), r.randint(0, 999999)),
    "dev": lambda r: "PAD-%03d" % r.randint(1, 300),
    "stream": lambda r: "rtmp://live-%d.exam.local/room/%05d" % (r.randint(1, 4), r.randint(1, 99999)),
    "qlist": question_list,
    "qtypes": question_types,
    "pubtime": publish_time,
    "warned": gbk_messages.optional(lambda r: "，已弹窗警告", 0.5),
    "early": gbk_messages.optional(lambda r: "（提前交卷）", 0.3),
    "double": gbk_messages.optional(lambda r: "，双评模式", 0.4),
    "makeup": gbk_messages.optional(lambda r: "，补偿时长%d分钟" % r.randint(1, 15), 0.45),
}

TEMPLATES = [
    ("INFO", "考生{name}（准考证号{ticket}）登录成功，IP：{ip}，终端={client}"),
    ("WARN", "考生登录失败：准考证号{ticket}，原因：{loginfail}"),
    ("INFO", "人脸核验通过：准考证号{ticket}，相似度{simok}，耗时{ms}ms"),
    ("WARN", "人脸核验失败：准考证号{ticket}，相似度{simbad}，原因：{facefail}"),
    ("WARN", "[防作弊] 考生{ticket}切出考试页面，第{n}次，离开{sec}秒{warned}"),
    ("ERROR", "[防作弊] 检测到多张人脸 ticket={ticket} faces={faces} room={room} seat={seat}"),
    ("WARN", "防作弊告警：{cheat}，考生{name}（{ticket}），考场{room}，座位号{seat}"),
    ("INFO", "答案自动保存成功 ticket={ticket} q={q} size={bytes}B cost={ms}ms"),
    ("ERROR", "答案自动保存失败：{ticket}第{q}题，{savefail}，将在{sec}秒后重试"),
    ("INFO", "{exam}《{subject}》开考，考场{room}，应到{count}人，缺考{absent}人"),
    ("INFO", "{exam}《{subject}》收卷，考场{room}，已交卷{count}人，未交卷{absent}人"),
    ("INFO", "考生{name}交卷成功，准考证号{ticket}，用时{dur}，作答{answered}/{total}题{early}"),
    ("WARN", "考试时间到，系统强制交卷：ticket={ticket}，未作答题号：{qlist}"),
    ("INFO", "自动评分完成：试卷{paper}，客观题得分{score}分，用时{ms}ms"),
    ("ERROR", "自动评分异常: paper_id={paper}, subject={subject}, error={gradeerr}"),
    ("INFO", "主观题第{q}题已分配给阅卷老师{name}，试卷{paper}{double}"),
    ("INFO", "阅卷老师{name}完成人工复核：试卷{paper}第{q}题，原{score}分，改为{score}分"),
    ("WARN", "双评分差超过阈值：试卷{paper}第{q}题，一评{score}分，二评{score}分，已提交仲裁"),
    ("INFO", "成绩发布：{exam}，科目{subject}，共{count}人，平均分{avg}，及格率{pct}，开放查询时间{pubtime}"),
    ("INFO", "score query ticket={ticket} total={score} rank={rank} channel={channel}"),
    ("INFO", "监考员{name}签到，考场{room}，设备编号{dev}"),
    ("WARN", "监考员{name}标记考生{ticket}违纪，类型：{violation}，备注：{note}"),
    ("WARN", "考生{ticket}网络断开，最后心跳于{sec}秒前，考场{room}"),
    ("INFO", "考生{ticket}网络重连成功，断线{sec}秒，已恢复至第{q}题{makeup}"),
    ("ERROR", "考场{room}监控视频推流失败 stream={stream} code={httpcode} retry={n}"),
    ("INFO", "试卷分发完成：{exam}，共{count}套，题型：{qtypes}"),
    ("INFO", "考生{name}申请延时{min}分钟，原因：{delayreason}，审批人：{name}"),
]

# Source files the proctoring gateway logs from, for the glog-style header.
SOURCES = ["proctor.cc", "session.cc", "grader.cc", "autosave.cc", "face_verify.cc", "gateway.cc"]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "[2026-11-21 %02d:%02d:%02d,%03d] [%-5s] [exam-exec-%d] c.k.exam.ExamService - " % (
            hh, mm, ss, r.randint(0, 999), level, r.randint(1, 16))
    if form == 1:
        # glog writes the level as one letter and the thread id right-aligned
        return "%s1121 %02d:%02d:%02d.%06d %5d %s:%d] " % (
            level[0], hh, mm, ss, r.randint(0, 999999), r.randint(1200, 31000),
            r.choice(SOURCES), r.randint(20, 900))
    cn = {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level]
    return "2026/11/21 %02d:%02d:%02d|考务中心|%s|node-%02d| " % (hh, mm, ss, cn, r.randint(1, 8))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "EX", 7 * 3600 + 1800)
