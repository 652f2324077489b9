#!/usr/bin/env python3
"""A GBK log of a Chinese HR, attendance and payroll system with its truth.

    bench/make_gbk_payroll.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 26 messages (employees,
departments, attendance, leave, salary runs and approvals, with names, departments and
reasons of Chinese text), written to measure the miner on and not to shape it: no rule
was made or tuned on them. One of three header forms by the seed, one of them syslog-like
with a priority. The output depends only on the arguments.
"""

import gbk_messages

DEPTS = ["财务部", "人力资源部", "研发中心", "市场部", "华东销售大区", "生产一车间", "客服中心", "行政部"]
POSITIONS = ["高级工程师", "销售代表", "会计", "产品经理", "质检员", "行政专员", "客服主管"]
REASONS = ["家中有事", "身体不适，需去医院复查", "回老家办理房产过户手续", "孩子开家长会",
           "结婚", "陪同父母体检", "个人事务"]
OPINIONS = ["项目上线期间不批假", "请补充病历证明", "时间冲突，请调整", "请先与直属上级沟通"]
ITEMS = ["子女教育", "住房贷款利息", "住房租金", "赡养老人", "继续教育", "大病医疗"]
# The level in Chinese, and the syslog priority (facility local0) of the first header form.
LEVELS = {"INFO": ("信息", 134), "WARN": ("警告", 132), "ERROR": ("错误", 131)}


def money(r):
    return "%d.%02d" % (r.randint(800, 60000), r.randint(0, 99))


def abnormal(r):
    kind = r.choice(["迟到%d分钟", "早退%d分钟", "缺卡", "旷工半天", "外勤未打卡"])
    return kind % r.randint(1, 90) if "%" in kind else kind


def leave_span(r):
    first, days = r.randint(1, 25), r.randint(1, 5)
    return "2026-03-%02d至2026-03-%02d，共%d天" % (first, first + days - 1, days)


def cost_json(r):
    # Made whole here: a brace written in a message would be read as a variable.
    return '{"headcount":%d,"gross":%s,"social":%s,"housingFund":%s}' % (
        r.randint(50, 3000), money(r), money(r), money(r))


V = {
    "name": gbk_messages.name,
    "emp": lambda r: "E%06d" % r.randint(1, 200000),
    "dept": gbk_messages.pick(DEPTS),
    "depts": lambda r: "、".join(r.sample(DEPTS, r.randint(1, 5))),
    "position": gbk_messages.pick(POSITIONS),
    "title": gbk_messages.pick(["部门经理", "总监", "副总经理", "HRBP"]),
    "device": lambda r: r.choice(["K3-东门闸机", "K7-研发楼2F", "移动端定位", "人脸机F%02d" % r.randint(1, 20)]),
    "hms": lambda r: "%02d:%02d:%02d" % (r.randint(7, 21), r.randint(0, 59), r.randint(0, 59)),
    "date": lambda r: "2026-03-%02d" % r.randint(1, 31),
    "cdate": lambda r: "3月%d日" % r.randint(1, 31),
    "month": lambda r: "2026年%d月" % r.randint(1, 3),
    "ym": lambda r: "2026-%02d" % r.randint(1, 3),
    "abnormal": abnormal,
    "leave": gbk_messages.pick(["年假", "病假", "事假", "婚假", "产假", "调休", "丧假"]),
    "reason": gbk_messages.pick(REASONS),
    "span": leave_span,
    "leaveid": lambda r: "QJ%s%04d" % ("202603", r.randint(0, 9999)),
    "otid": lambda r: "JB%s%04d" % ("202603", r.randint(0, 9999)),
    "docid": lambda r: "%s-2026-%05d" % (r.choice(["QJ", "JB", "BX", "TX"]), r.randint(0, 99999)),
    "opinion": gbk_messages.pick(OPINIONS),
    "comp": gbk_messages.pick(["调休", "加班费", "不补偿"]),
    "ot": lambda r: "%.1f小时" % (r.randint(1, 16) / 2),
    "days": lambda r: "%g" % (r.randint(1, 20) / 2),
    "n": lambda r: str(r.randint(1, 3000)),
    "k": lambda r: str(r.randint(0, 40)),
    "money": money,
    "dur": lambda r: "%d分%02d秒" % (r.randint(0, 40), r.randint(0, 59)),
    "batch": lambda r: "PAY%s%03d" % ("202603", r.randint(1, 120)),
    "tail": lambda r: "%04d" % r.randint(0, 9999),
    "bankcode": gbk_messages.pick(["E1007", "E2031", "E3002", "E0999"]),
    "bankmsg": gbk_messages.pick(["账户状态异常", "户名与账号不符", "ACCOUNT_FROZEN", "timeout"]),
    "bank": gbk_messages.pick(["工商银行", "招商银行", "建设银行", "浦发银行"]),
    "months": lambda r: str(r.choice([1, 2, 3, 6])),
    "quit": gbk_messages.pick(["主动离职", "合同到期不续签", "协商解除", "试用期不合格", "退休"]),
    "items": lambda r: "、".join(r.sample(ITEMS, r.randint(1, 3))),
    "waited": lambda r: "%d小时" % r.randint(24, 200),
    "escalate": lambda r: "" if r.random() < 0.5 else "，并抄送%s" % gbk_messages.name(r),
    "city": gbk_messages.pick(["上海", "杭州", "苏州", "深圳", "成都", "北京"]),
    "fmterr": gbk_messages.pick(["日期格式不正确", "工号不存在", "打卡时间为空", "列数不匹配"]),
    "file": lambda r: "attendance_2026%02d%02d.xlsx" % (r.randint(1, 3), r.randint(1, 28)),
    "quarter": gbk_messages.pick(["2025年Q4", "2026年Q1"]),
    "grade": gbk_messages.pick(["S", "A", "B+", "B", "C"]),
    "coef": lambda r: "%.2f" % r.uniform(0.6, 1.5),
    "action": gbk_messages.pick(["LOGIN", "EXPORT_PAYSLIP", "VIEW_SALARY", "UPDATE_BANKCARD", "LOGOUT"]),
    "ip": lambda r: "10.%d.%d.%d" % (r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "result": gbk_messages.pick(["success", "success", "denied", "fail"]),
    "need": lambda r: str(r.randint(20, 23)),
    "worked": lambda r: str(r.randint(8, 19)),
    "note": gbk_messages.pick(["", "", "，已通知部门负责人", "，请HR核实"]),
    "company": gbk_messages.pick(["星河科技有限公司", "华锐制造股份有限公司", "云帆物流集团", "青禾餐饮管理有限公司"]),
    "costjson": cost_json,
}

TEMPLATES = [
    ("INFO", "员工{name}（{emp}）上班打卡成功，时间{hms}，设备：{device}"),
    ("INFO", "员工{name}（{emp}）下班打卡成功，时间{hms}，设备：{device}"),
    ("WARN", "{name}{cdate}考勤异常：{abnormal}"),
    ("INFO", "{name}提交{leave}申请，{span}，事由：{reason}"),
    ("INFO", "请假单{leaveid}审批通过，审批人{name}（{title}）"),
    ("WARN", "请假单{leaveid}被驳回，审批人{name}，意见：{opinion}"),
    ("INFO", "加班申请{otid}已登记：{name}，时长{ot}，补偿方式：{comp}"),
    ("INFO", "{month}薪资核算开始，范围：{depts}，共{n}人"),
    ("INFO", "{month}薪资核算完成，应发合计{money}元，实发合计{money}元，耗时{dur}"),
    ("INFO", "员工{emp}工资条已生成：基本工资{money}，绩效{money}，社保个人{money}，个税{money}，实发{money}"),
    ("WARN", "员工{emp}个税计算异常：专项附加扣除[{items}]缺少证明材料"),
    ("ERROR", "银行代发失败 batch={batch} account=****{tail} code={bankcode} msg={bankmsg}"),
    ("INFO", "代发批次{batch}已提交{bank}，笔数{n}，金额{money}元"),
    ("INFO", "{dept}{name}入职，岗位：{position}，试用期{months}个月"),
    ("INFO", "{dept}{name}离职，最后工作日{date}，离职类型：{quit}"),
    ("INFO", "员工{emp}调岗：{dept} → {dept}，生效日期{date}"),
    ("WARN", "审批超时：单据{docid}在{name}处已停留{waited}，已自动催办{escalate}"),
    ("INFO", "社保增员成功：{name}，参保地{city}，缴费基数{money}元"),
    ("INFO", "社保减员成功：{name}，参保地{city}，缴费基数{money}元"),
    ("INFO", "组织架构同步完成：新增{k}人，更新{k}人，删除{k}人，来源=LDAP"),
    ("ERROR", "考勤数据导入失败：文件{file}第{n}行格式错误（{fmterr}）"),
    ("INFO", "绩效结果发布：{name}，{quarter}考核等级{grade}，绩效系数{coef}"),
    ("INFO", "audit user={emp} action={action} ip={ip} result={result}"),
    ("WARN", "员工{name}本月出勤{worked}天，低于应出勤{need}天{note}"),
    ("INFO", "年假余额刷新：{name}剩余{days}天"),
    ("INFO", "{company}{ym}人力成本报表已生成：{costjson}"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "<%d>Mar 18 %02d:%02d:%02d hr-app%02d payroll[%d]: " % (
            LEVELS[level][1], hh, mm, ss, r.randint(1, 2), r.randint(2000, 2100))
    if form == 1:
        return "2026-03-18 %02d:%02d:%02d [%s] [hr-%s] [tid:%06x] " % (
            hh, mm, ss, level, r.choice(["attendance", "salary", "workflow"]), r.getrandbits(24))
    return "【%s】[2026-03-18 %02d:%02d:%02d.%03d] " % (LEVELS[level][0], hh, mm, ss, r.randint(0, 999))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "W", 8 * 3600)
