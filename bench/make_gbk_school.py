#!/usr/bin/env python3
"""A GBK log of a K-12 school management system with its truth.

    bench/make_gbk_school.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (students,
classes, attendance, grades, parent notices and canteen cards), written to measure the miner
on and not to shape it: no rule was made or tuned on them. One of three header forms by the
seed. The output depends only on the arguments.
"""

import gbk_messages

GRADES = ["一年级", "三年级", "五年级", "初一", "初二", "初三", "高一", "高二"]
SUBJECTS = ["语文", "数学", "英语", "物理", "化学", "生物", "历史", "地理", "道德与法治", "体育"]
EXAMS = ["期中考试", "期末考试", "第三次月考", "单元测验", "模拟考试（一）"]
ABSENCE = ["迟到", "早退", "旷课", "未刷卡"]
LEAVES = ["病假", "事假", "公假"]
WINDOWS = ["一楼清真窗口", "二楼自选餐", "面食窗口", "小卖部", "水果吧"]
NOTICES = ["关于国庆节放假安排的通知", "家长会定于本周五下午召开", "请提醒孩子带好校服和红领巾",
           "流感高发季节，请注意孩子体温", "秋季运动会报名开始", "本学期学费缴纳截止日期临近",
           "春游安全告知书，请签字回执"]
ERRORS = ["身份证号校验不通过", "学籍号重复", "接口超时", "缺少监护人信息", "转学手续未完成"]
VIEWS = ["期中成绩单", "作业完成情况", "考勤记录", "体检报告", "综合素质评价"]
CLUBS = ["机器人社", "合唱团", "篮球队", "书法社", "科技创新小组", "文学社"]
REASONS = ["家中有事", "发烧", "参加市级比赛", "看牙医", "肠胃不适"]


def cls(r):
    grade = r.choice(GRADES)
    n = r.randint(1, 12)
    # teachers type the brackets either way, so both end up in the records
    return r.choice(["%s(%d)班" % (grade, n), "%s（%d）班" % (grade, n), "%s%d班" % (grade, n)])


V = {
    "stu": gbk_messages.name,
    "teacher": gbk_messages.name,
    "parent": gbk_messages.name,
    "cls": cls,
    "subj": lambda r: r.choice(SUBJECTS),
    "exam": lambda r: r.choice(EXAMS),
    "sid": lambda r: "S%d%05d" % (r.choice([2019, 2021, 2023, 2025]), r.randint(1, 99999)),
    "time": lambda r: "%02d:%02d" % (r.randint(6, 18), r.randint(0, 59)),
    "gate": lambda r: "%s门%d号" % (r.choice(["东", "南", "北"]), r.randint(1, 4)),
    "gate_id": lambda r: "ZJ-%02d" % r.randint(1, 16),
    "absence": lambda r: r.choice(ABSENCE),
    "note_opt": gbk_messages.optional(lambda r: "，家长已电话确认"),
    "leave": lambda r: r.choice(LEAVES),
    "days": lambda r: r.choice(["0.5", "1", "2", "3"]),
    "reason_opt": gbk_messages.optional(lambda r: " 事由=" + r.choice(REASONS), 0.6),
    "n": lambda r: str(r.randint(0, 55)),
    "score": lambda r: "%.1f" % r.uniform(40, 100),
    "bad": lambda r: str(r.randint(151, 999)),
    "full": lambda r: r.choice(["100", "120", "150"]),
    "pct": lambda r: "%d%%" % r.randint(40, 100),
    "chan": lambda r: r.choice(["sms", "wechat", "app"]),
    "notice": lambda r: r.choice(NOTICES),
    "card": lambda r: "%08X" % r.randint(0, 0xFFFFFFFF),
    "money": lambda r: "%d.%02d" % (r.randint(0, 300), r.randint(0, 99)),
    "window": lambda r: r.choice(WINDOWS),
    "paych": lambda r: r.choice(["微信", "支付宝", "现金"]),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "date": lambda r: "%d月%d日" % (r.randint(1, 12), r.randint(1, 28)),
    "due_opt": gbk_messages.optional(lambda r: "，需家长签字"),
    "code": lambda r: "E%d" % r.randint(1001, 1099),
    "err": lambda r: r.choice(ERRORS),
    "fever_opt": gbk_messages.optional(lambda r: "（" + "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 3))) + "）"),
    "weekday": lambda r: "周" + r.choice("一二三四五"),
    "period": lambda r: str(r.randint(1, 8)),
    "visitor": gbk_messages.name,
    "visit": lambda r: r.choice(["送作业本", "接孩子看病", "维修空调", "快递送货", "教育局检查"]),
    "view": lambda r: r.choice(VIEWS),
    "user": lambda r: r.choice(["t", "p", "a"]) + "%06d" % r.randint(0, 999999),
    "role": lambda r: r.choice(["teacher", "parent", "admin", "headmaster"]),
    "ip": lambda r: "192.168.%d.%d" % (r.randint(0, 20), r.randint(2, 254)),
    "club": lambda r: r.choice(CLUBS),
    "names": lambda r: "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 5))),
}

TEMPLATES = [
    ("INFO", "{stu}同学{time}到校，刷卡通道：{gate}"),
    ("INFO", "{stu}同学{time}离校，刷卡通道：{gate}"),
    ("WARN", "考勤异常：{cls}{stu}{absence}{note_opt}"),
    ("INFO", "请假申请已提交 学生={sid} 类型={leave} 天数={days}{reason_opt}"),
    ("INFO", "请假审批通过：{sid}，审批人{teacher}"),
    ("INFO", "请假审批驳回：{sid}，审批人{teacher}"),
    ("INFO", "{teacher}老师录入{cls}{subj}成绩，共{n}人，考试：{exam}"),
    ("INFO", "成绩发布 {exam} {cls} 平均分{score} 最高分{score} 及格率{pct}"),
    ("WARN", "成绩校验失败：学号{sid}分数{bad}超出满分{full}"),
    ("INFO", "家长通知推送完成 channel={chan} 班级={cls} 送达{n}人，未读{n}人"),
    ("INFO", "致全体家长：{notice}"),
    ("INFO", "饭卡{card}消费{money}元，余额{money}元，窗口：{window}"),
    ("INFO", "饭卡{card}充值{money}元，渠道{paych}"),
    ("WARN", "饭卡{card}余额不足（{money}元），已短信提醒家长{phone}"),
    ("INFO", "饭卡{card}挂失成功，持卡人{stu}"),
    ("INFO", "饭卡{card}解挂成功，持卡人{stu}"),
    ("INFO", "{cls}{subj}作业已布置，截止{date}{due_opt}"),
    ("ERROR", "同步学籍信息失败：{sid}，错误码{code}，{err}"),
    ("INFO", "晨检上报：{cls}应到{n}人实到{n}人，体温异常{n}人{fever_opt}"),
    ("INFO", "{teacher}申请调课：{cls}{weekday}第{period}节{subj}改为{subj}"),
    ("INFO", "访客登记 姓名={visitor} 事由={visit} 被访人={teacher} 手机={phone}"),
    ("WARN", "校门闸机{gate_id}离线，最后心跳{time}"),
    ("INFO", "家长{parent}查看了{stu}的{view}"),
    ("INFO", "Login ok: user={user} role={role} ip={ip}"),
    ("INFO", "{club}报名名单更新：{names}"),
    ("ERROR", "Login failed: user={user} ip={ip}，密码错误{period}次"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "2026-09-01 %02d:%02d:%02d,%03d %-5s [http-nio-8080-exec-%d] c.c.school.%s - " % (
            hh, mm, ss, ms, level, r.randint(1, 20), r.choice(["AttendService", "ScoreService", "CardService", "NoticeJob"]))
    if form == 1:
        return "2026年09月01日 %02d:%02d:%02d 【%s】 " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level])
    return "<%d>Sep  1 %02d:%02d:%02d campus-srv%d edu: %s " % (
        {"INFO": 14, "WARN": 12, "ERROR": 11}[level], hh, mm, ss, r.randint(1, 2), level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "J", 6 * 3600 + 1800)
