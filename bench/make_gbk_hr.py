#!/usr/bin/env python3
"""A GBK log of a Chinese recruiting and onboarding system with its truth.

    bench/make_gbk_hr.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 27 messages (job postings,
resume intake and parsing, screening, interviews, offers and their approval, background
checks, labour contracts, onboarding tasks, talent pool), written to measure the miner on
and not to shape it: no rule was made or tuned on them when they were first measured; rules
were shaped on their errors later (SHAPED_ON in pattern_accuracy.py). One of three header
forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

# Job titles as recruiters type them, some with the direction or region in brackets.
JOBS = [
    "高级Java开发工程师", "仓储主管", "财务BP", "UI设计师", "销售代表（华南区）",
    "算法工程师（推荐方向）", "行政前台", "人力资源专员", "测试开发工程师", "门店店长",
    "法务经理", "客服组长（夜班）", "嵌入式软件工程师", "采购专员", "数据分析师",
]
DEPTS = ["研发中心-平台部", "供应链管理部", "财务共享中心", "品牌设计部", "华南销售大区",
         "智能推荐组", "综合管理部", "人力资源部", "质量保障部", "零售事业部", "法务合规部"]
CITIES = ["杭州", "深圳", "成都", "武汉", "苏州", "西安", "上海（张江）", "北京（望京）"]
CHANNELS = ["官网", "内推", "校园招聘", "猎头-锐途", "招聘网站A", "招聘网站B", "现场招聘会"]
EDUS = ["本科", "硕士", "大专", "博士", "本科（统招）"]
SKILLS = ["Java", "Spring Boot", "MySQL", "Excel", "PS", "Python", "SAP", "C/C++", "Linux",
          "沟通能力强", "英语六级", "CPA", "PMP", "团队管理"]
PARSE_FAILS = ["unsupported_format", "encrypted_pdf", "ocr_low_confidence", "empty_content",
               "file_too_large"]
ITYPES = ["电话面试", "视频面试", "现场面试", "笔试", "HR面"]
VERDICTS = ["strong_hire", "hire", "hold", "no_hire"]
CANCELS = ["候选人已入职其他公司", "面试官临时出差", "职位已关闭", "候选人要求改期", "时间冲突"]
OFFLINE = ["已招满", "预算冻结", "岗位合并", "发布超过60天自动下线", "部门调整"]
REJECT_NOTES = ["薪资超出职级带宽", "职级定级偏高", "缺少交叉面评价", "请补充背调授权",
                "编制不足，待下季度"]
DECLINES = ["接受了其他Offer", "薪资未达预期", "通勤距离过远", "原单位加薪挽留", "家庭原因",
            "对岗位职责有顾虑"]
BG_ORGS = ["诚鉴背景调查有限公司", "明睿人才评估中心", "知信企业服务有限公司"]
BG_ITEMS = ["身份核验", "学历认证", "工作履历", "犯罪记录", "金融风险", "竞业限制", "职业资格证书"]
BG_RESULTS = ["clear", "consider", "suspended"]
TASKS = ["签署保密协议", "领取工牌", "开通邮箱", "配置电脑", "录入社保公积金", "新人培训",
         "安排导师", "拍摄工牌照片", "开通VPN账号", "提交体检报告"]
TAGS = ["高潜", "沟通好", "薪资敏感", "可复聊", "985/211", "有带团队经验", "期望远程"]
MODULES_CN = ["职位管理", "简历中心", "面试管理", "Offer管理", "背调", "入职管理", "合同中心"]
LOGGERS = ["c.j.h.job.JobPublishService", "c.j.h.resume.ResumeParseWorker",
           "c.j.h.interview.ScheduleService", "c.j.h.offer.OfferApproveService",
           "c.j.h.bgcheck.BgCheckCallback", "c.j.h.onboard.OnboardTaskJob",
           "c.j.h.contract.ESignClient"]
NLOG = ["HrPortal.Jobs", "HrPortal.Resume", "HrPortal.Interview", "HrPortal.Offer",
        "HrPortal.Onboarding", "HrPortal.Sync"]


def cn_time(r):
    half = r.choice(["上午", "下午"])
    hour = r.randint(9, 11) if half == "上午" else r.randint(1, 5)
    return "%d月%d日 %s%d:%02d" % (r.randint(3, 4), r.randint(1, 30), half, hour, r.choice([0, 15, 30, 45]))


def cn_date(r):
    return "%d年%d月%d日" % (2026, r.randint(3, 6), r.randint(1, 30))


def salary(r):
    low = r.randint(4, 40)
    return "%d-%dK·%d薪" % (low, low + r.randint(2, 15), r.choice([12, 13, 14, 15, 16]))


def skills(r):
    return ",".join(r.sample(SKILLS, r.randint(1, 5)))


def interviewers(r):
    return "、".join(gbk_messages.name(r) for _ in range(r.randint(1, 3)))


def referral(r):
    return " referrer=%s" % gbk_messages.name(r)


def resched_note(r):
    return "，已发送改约短信（第%d次）" % r.randint(1, 3)


def onboard_tasks(r):
    items = r.sample(TASKS, r.randint(2, 6))
    return "%d项：%s" % (len(items), "、".join(items))


V = {
    "name": gbk_messages.name,
    "job": gbk_messages.pick(JOBS),
    "dept": gbk_messages.pick(DEPTS),
    "city": gbk_messages.pick(CITIES),
    "channel": gbk_messages.pick(CHANNELS),
    "edu": gbk_messages.pick(EDUS),
    "parsefail": gbk_messages.pick(PARSE_FAILS),
    "itype": gbk_messages.pick(ITYPES),
    "verdict": gbk_messages.pick(VERDICTS),
    "cancel": gbk_messages.pick(CANCELS),
    "offwhy": gbk_messages.pick(OFFLINE),
    "rejectnote": gbk_messages.pick(REJECT_NOTES),
    "declinewhy": gbk_messages.pick(DECLINES),
    "bgorg": gbk_messages.pick(BG_ORGS),
    "bgres": gbk_messages.pick(BG_RESULTS),
    "task": gbk_messages.pick(TASKS),
    "screenres": gbk_messages.pick(["通过", "未通过", "待定"]),
    "poolop": gbk_messages.pick(["加入", "移出"]),
    "bgitems": lambda r: "、".join(r.sample(BG_ITEMS, r.randint(2, 5))),
    "tags": lambda r: "、".join(r.sample(TAGS, r.randint(1, 3))),
    "skills": skills,
    "interviewers": interviewers,
    "tasks": onboard_tasks,
    "referral": gbk_messages.optional(referral, 0.25),
    "resched": gbk_messages.optional(resched_note, 0.6),
    "salary": salary,
    "cntime": cn_time,
    "cndate": cn_date,
    "jobid": lambda r: "JD%06d" % r.randint(1, 999999),
    "rid": lambda r: "%x" % r.getrandbits(40),
    "fname": lambda r: "%s_%s.%s" % (gbk_messages.name(r), r.choice(["简历", "个人简历", "resume"]),
                                     r.choice(["pdf", "docx", "jpg", "doc"])),
    "offer": lambda r: "OF%s%04d" % (r.choice(["2603", "2602"]), r.randint(1, 9999)),
    "grade": lambda r: r.choice(["P", "M", "S"]) + str(r.randint(3, 9)),
    "base": lambda r: str(r.randint(40, 600) * 100),
    "bgtask": lambda r: "BGC-%08d" % r.randint(0, 99999999),
    "hex": lambda r: "%016x" % r.getrandbits(64),
    "contract": lambda r: "LD-2026-%05d" % r.randint(1, 99999),
    "term": lambda r: r.choice(["1年", "3年", "5年", "无固定期限"]),
    "empno": lambda r: "E%d%04d" % (r.choice([2026, 2025]), r.randint(1, 9999)),
    "status": lambda r: r.choice(["500", "502", "504", "401"]),
    "errcode": lambda r: str(r.choice([40001, 40013, 42003, 50010])),
    "errbody": lambda r: r.choice(["gateway timeout", "dept_not_found", "token expired",
                                   "duplicate employee"]),
    "round": lambda r: str(r.randint(1, 4)),
    "years": lambda r: str(r.randint(0, 20)),
    "score": lambda r: "%.1f" % (r.randint(2, 10) / 2.0),
    "days": lambda r: str(r.randint(1, 15)),
    "probation": lambda r: str(r.choice([1, 2, 3, 6])),
    "n": lambda r: str(r.randint(1, 12)),
    "ms": lambda r: str(r.randint(30, 9000)),
}

TEMPLATES = [
    ("INFO", "职位发布成功：《{job}》，部门：{dept}，工作地点：{city}，薪资{salary}，招聘{n}人"),
    ("WARN", "职位《{job}》同步到渠道失败，channel={channel} code={errcode}"),
    ("INFO", "职位{jobid}已下线，原因：{offwhy}，操作人{name}"),
    ("INFO", "收到简历 resume_id={rid} job={jobid} source={channel} candidate={name}{referral}"),
    ("INFO", "简历解析完成：{name}，{edu}，工作年限{years}年，技能：{skills}"),
    ("WARN", "简历解析失败 resume_id={rid} file={fname} reason={parsefail} cost={ms}ms"),
    ("INFO", "简历初筛{screenres}：候选人{name}，职位《{job}》，筛选人{name}"),
    ("INFO", "面试已安排：候选人{name}，第{round}轮（{itype}），面试官：{interviewers}，时间：{cntime}"),
    ("INFO", "面试官{name}提交面评：候选人{name}，结论={verdict}，评分{score}/5"),
    ("WARN", "候选人{name}未按时参加面试（{cntime}）{resched}"),
    ("INFO", "面试已取消：候选人{name}，第{round}轮，原因：{cancel}"),
    ("INFO", "Offer审批通过 offer_no={offer} candidate={name} level={grade} base={base}"),
    ("WARN", "Offer审批驳回 offer_no={offer}，审批人{name}，意见：{rejectnote}"),
    ("INFO", "候选人{name}已接受Offer（{offer}），预计入职日期：{cndate}"),
    ("WARN", "候选人{name}已拒绝Offer（{offer}），拒绝原因：{declinewhy}"),
    ("INFO", "背景调查已发起：候选人{name}，调查机构：{bgorg}，调查项：{bgitems}"),
    ("INFO", "背调报告已返回 task={bgtask} result={bgres} 用时{days}天"),
    ("ERROR", "背调回调验签失败 task={bgtask} sign={hex}，已丢弃"),
    ("INFO", "劳动合同已发起签署：员工{name}，合同编号{contract}，期限{term}"),
    ("INFO", "劳动合同签署完成：员工{name}，合同编号{contract}"),
    ("WARN", "劳动合同签署超时：员工{name}，合同编号{contract}，已提醒{n}次"),
    ("INFO", "入职任务已创建：{name}（{empno}），共{tasks}"),
    ("INFO", "入职任务【{task}】已完成，员工{empno}，负责人{name}"),
    ("WARN", "入职任务【{task}】已逾期{days}天，员工{empno}，负责人{name}"),
    ("ERROR", "同步员工档案到考勤系统失败 empno={empno} http={status} body={errbody}"),
    ("INFO", "员工{name}（{empno}）入职办理完成，部门：{dept}，直属上级：{name}，试用期{probation}个月"),
    ("INFO", "人才库{poolop}：候选人{name}，标签：{tags}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    ms = r.randint(0, 999)
    if form == 0:
        # the recruiting back end is a Spring service; logback prints thread, logger, trace id
        return "%02d:%02d:%02d.%03d [hr-task-%d] %-5s %s [traceId=%016x] - " % (
            hh, mm, ss, ms, r.randint(1, 16), level, r.choice(LOGGERS), r.getrandbits(64))
    if form == 1:
        # the self-hosted deployment logs with Chinese field labels
        return "时间：2026-03-18 %02d:%02d:%02d 级别：%s 模块：%s >> " % (
            hh, mm, ss, {"INFO": "信息", "WARN": "警告", "ERROR": "错误"}[level], r.choice(MODULES_CN))
    # the HR portal is .NET and uses NLog's pipe-separated layout
    return "2026-03-18 %02d:%02d:%02d.%04d|%s|%s|" % (
        hh, mm, ss, r.randint(0, 9999), level.capitalize(), r.choice(NLOG))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "HR", 9 * 3600 + 12)
