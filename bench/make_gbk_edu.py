#!/usr/bin/env python3
"""A GBK log of a Chinese online-education platform with its truth.

    bench/make_gbk_edu.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId").  18 messages (names
and ids of students, courses in 《》, rooms that start and end), written to measure the
miner on and not to shape it: no rule was made or tuned on them.  One of three header
forms by the seed.  The output depends only on the arguments.
"""
import gbk_messages

COURSES = ["高等数学", "大学英语", "数据结构", "线性代数", "Python程序设计", "中国近代史"]
SCHOOLS = ["第一中学", "实验小学", "外国语学校", "理工大学"]
GRADES = ["优秀", "良好", "及格", "不及格"]



V = {
    "name": gbk_messages.name,
    "sid": lambda r: "%d%06d" % (r.choice([2023, 2024, 2025]), r.randint(0, 999999)),
    "course": lambda r: r.choice(COURSES),
    "school": lambda r: r.choice(SCHOOLS),
    "n": lambda r: str(r.randint(1, 100)),
    "score": lambda r: "%.1f" % (r.randint(0, 1000) / 10),
    "min": lambda r: "%d分钟" % r.randint(1, 180),
    "room": lambda r: "直播间%d" % r.randint(100, 999),
    "grade": lambda r: r.choice(GRADES),
    "ms": lambda r: "%dms" % r.randint(10, 9000),
    "file": lambda r: "作业%d.%s" % (r.randint(1, 20), r.choice(["docx", "pdf", "zip"])),
    "mb": lambda r: "%.1fMB" % (r.randint(1, 5000) / 10),
}

TEMPLATES = [
    ("INFO", "学生{name}（{sid}）登录成功"),
    ("WARN", "学生{name}（{sid}）登录失败，密码错误"),
    ("INFO", "学生{sid}开始学习课程《{course}》"),
    ("INFO", "学生{sid}完成课程《{course}》第{n}章，用时{min}"),
    ("INFO", "学生{sid}提交作业{file}，大小{mb}"),
    ("WARN", "学生{sid}提交作业{file}失败：文件过大"),
    ("INFO", "教师{name}创建了{room}，课程《{course}》"),
    ("INFO", "{room}开始直播，在线{n}人"),
    ("INFO", "{room}结束直播，时长{min}"),
    ("INFO", "考试成绩已发布：课程《{course}》，平均分{score}"),
    ("INFO", "学生{sid}考试得分{score}，等级{grade}"),
    ("WARN", "学生{sid}考试中切屏{n}次"),
    ("INFO", "{school}新增学生{n}名"),
    ("ERROR", "视频转码失败，耗时{ms}"),
    ("INFO", "视频转码完成，耗时{ms}"),
    ("INFO", "教师{name}批改作业{n}份"),
    ("INFO", "课程《{course}》选课人数{n}"),
    ("WARN", "课程《{course}》选课已满"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "%s %02d:%02d:%02d.%03d edu-web: " % (level[0], hh, mm, ss, ms)
    if form == 1:
        return "[2026/12/09 %02d:%02d:%02d] [%s] [req-%08x] " % (hh, mm, ss, level, r.getrandbits(32))
    return "2026-12-09 %02d:%02d:%02d %s [%s] " % (hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level],
                                                 r.choice(["course", "exam", "live"]))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "E", 9 * 3600)
