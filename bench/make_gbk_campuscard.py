#!/usr/bin/env python3
"""A GBK log of a Chinese university's campus card system with its truth.

    bench/make_gbk_campuscard.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 31 messages
(purchases at canteens and shops and refused ones, offline records and their upload, terminals
going offline and coming back, top-ups and top-ups paid but not credited, bank transfers to the
card and failed ones, loss reports and their lifting, replacement cards, door access passed,
refused and alarms, library gates, dormitory electricity and low-balance notices, hot-water
metering, allowance batches and their collection, locked PINs, reconciliation with merchants and
banks, merchant settlement, accounts opened and closed, QR payments, identity sync), written to
measure the miner on and not to shape it: no rule was made or tuned on them. One of three
header forms by the seed. The output depends only on the arguments.
"""

import gbk_messages

# merchants as the card office typed them into the terminal list, floors and windows included
MERCHANTS = ["第一食堂（桃李园）二楼", "学苑餐厅 清真窗口", "紫荆超市", "东区 教育超市", "风味餐厅3F-麻辣烫",
             "文印中心（图书馆B1）", "校医院收费处", "博士楼 便利店 24h", "荷园食堂 1F 早餐档"]
DOORS = ["西区12号楼 宿舍门禁", "理科实验楼A座 3F 机房", "研究生公寓C栋 北门", "东门 人行闸机2号",
         "化学楼（危化品库）", "体育馆 游泳馆入口"]
DORMS = ["东区12栋405", "紫荆公寓3号楼 B-1203", "研究生公寓C栋611室", "西区5舍217", "留学生公寓 Room 308"]
COLLEGES = ["计算机科学与技术学院", "外国语学院", "机械与动力工程学院", "马克思主义学院", "医学院（临床医学系）",
            "继续教育学院"]
PERSON_TYPES = ["本科生", "研究生", "教职工", "博士后", "临时卡（访客）", "外聘人员 (物业)"]
BANKS = ["云溪银行 校园支行", "鹤山农商银行", "临江城市商业银行", "北湖村镇银行"]
BANK_ERRS = ["余额不足", "银行卡已冻结", "超出当日圈存限额", "交易超时，请稍后重试", "户名与学工号绑定信息不符"]
PAY_FAILS = ["余额不足", "卡片已挂失", "超出当日消费限额（200元）", "非本终端允许卡类型", "卡片过期",
             "黑名单卡"]
RECHARGE_CH = ["校园APP", "扫码支付（服务号）", "自助充值机", "服务大厅现金窗口", "银行卡代扣"]
LOST_CH = ["校园APP", "电话挂失（8765-4321）", "服务大厅", "自助服务机"]
OFFICES = ["一卡通服务大厅（行政楼1F）", "东区服务点", "南校区 综合服务中心"]
DOOR_DENY = ["无该区域权限", "卡片已挂失", "非开放时段（23:30-06:00）", "人卡不符", "权限已过期（已离校）"]
DOOR_ALARMS = ["门未关超时", "强行开门", "门磁异常", "胁迫密码开门"]
VERIFY = ["刷卡", "人脸", "刷卡+人脸", "虚拟卡二维码"]
LIB_GATES = ["LIB-S1", "LIB-S2", "LIB-N1", "LIB-B1"]
LIB_DENY = ["当前卡未开通借阅权限", "超期未还图书3册以上", "座位预约违约次数过多，暂停入馆7天", "访客卡需登记"]
SUBSIDIES = ["国家助学金（一等）", "伙食补贴", "临时困难补助", "勤工助学酬金", "冬季取暖补贴"]
CLOSE_WHY = ["毕业离校", "退学", "教职工调离", "临时卡到期"]
SHOWERS = ["东区12栋 3楼淋浴间07号", "公共浴室 男区 21号", "开水房 02", "洗衣房 扫码机#4"]
DISCOUNTS = ["贫困生补贴价", "早餐优惠", "教职工价"]
ERR_BODIES = ["connection refused", "read timeout", "401 invalid token", "user not found", "LDAP bind failed"]
LOGGER_CLASSES = ["com.cardsys.pos.TxnController.upload", "com.cardsys.acct.RechargeService.notify",
                  "com.cardsys.recon.ReconJob.run", "com.cardsys.acct.CardService.reportLoss",
                  "com.cardsys.subsidy.SubsidyJob.dispatch"]
AGENT_MODULES = ["door_agent::controller", "door_agent::reader", "libgate::gate", "meter_agent::power",
                 "meter_agent::water"]


def card(r):
    return "%d%07d" % (r.choice([2, 3, 8]), r.randint(0, 9999999))


def stuid(r):
    return r.choice(["%d%02d%05d" % (r.randint(2019, 2026), r.randint(1, 40), r.randint(0, 99999)),
                     "T%06d" % r.randint(0, 999999)])


V = {
    "name": gbk_messages.name,
    "merchant": gbk_messages.pick(MERCHANTS),
    "door": gbk_messages.pick(DOORS),
    "dorm": gbk_messages.pick(DORMS),
    "college": gbk_messages.pick(COLLEGES),
    "ptype": gbk_messages.pick(PERSON_TYPES),
    "bank": gbk_messages.pick(BANKS),
    "bankerr": gbk_messages.pick(BANK_ERRS),
    "payfail": gbk_messages.pick(PAY_FAILS),
    "rechannel": gbk_messages.pick(RECHARGE_CH),
    "lostch": gbk_messages.pick(LOST_CH),
    "office": gbk_messages.pick(OFFICES),
    "doordeny": gbk_messages.pick(DOOR_DENY),
    "dooralarm": gbk_messages.pick(DOOR_ALARMS),
    "verify": gbk_messages.pick(VERIFY),
    "libgate": gbk_messages.pick(LIB_GATES),
    "libdeny": gbk_messages.pick(LIB_DENY),
    "subsidy": gbk_messages.pick(SUBSIDIES),
    "closewhy": gbk_messages.pick(CLOSE_WHY),
    "shower": gbk_messages.pick(SHOWERS),
    "errbody": gbk_messages.pick(ERR_BODIES),
    "dir": gbk_messages.pick(["进", "出"]),
    "inout": gbk_messages.pick(["in", "out"]),
    "paymode": gbk_messages.pick(["offline", "online"]),
    "qrch": gbk_messages.pick(["app_qr", "h5_qr", "wallet"]),
    "discount": gbk_messages.optional(lambda r: "，享受%s%.2f元" % (r.choice(DISCOUNTS), r.uniform(0.5, 3)), 0.3),
    "cleared": gbk_messages.optional(lambda r: "，已清除%d个终端黑名单" % r.randint(50, 900), 0.4),
    "card": card,
    "stuid": stuid,
    "pos": lambda r: r.choice(["%d号窗口", "收银台%d", " POS-%d"]) % r.randint(1, 30),
    "posid": lambda r: "%08d" % r.randint(10000000, 10099999),
    "kiosk": lambda r: "QC-%s-%02d" % (r.choice(["XZL", "TSG", "DQ", "NQ"]), r.randint(1, 9)),
    "txn": lambda r: "%d%012d" % (2026, r.randint(0, 10 ** 12 - 1)),
    "payorder": lambda r: "PAY%s%08d" % (r.choice(["0915", "0914"]), r.randint(0, 99999999)),
    "subbatch": lambda r: "BZ2026-%03d" % r.randint(1, 200),
    "tail": lambda r: "%04d" % r.randint(0, 9999),
    "fw": lambda r: "V%d.%d.%d" % (r.randint(2, 5), r.randint(0, 9), r.randint(0, 30)),
    "code": lambda r: r.choice(["E1021", "E2003", "TIMEOUT", "-99"]),
    "date": lambda r: "2026-09-%02d" % r.randint(1, 14),
    "validto": lambda r: "%d-07-31" % r.randint(2027, 2031),
    "ts": lambda r: "%02d:%02d:%02d" % (r.randint(6, 23), r.randint(0, 59), r.randint(0, 59)),
    "amt": lambda r: "%.2f" % r.uniform(0.5, 60),
    "bal": lambda r: "%.2f" % r.uniform(0, 800),
    "money": lambda r: "%.2f" % r.uniform(100, 250000),
    "fee": lambda r: r.choice(["20.00", "20.00", "0.00", "10.00"]),
    "kwh": lambda r: "%.1f" % r.uniform(0, 120),
    "liters": lambda r: "%.1f" % r.uniform(2, 80),
    "cap": lambda r: str(r.choice([2400, 3000, 3600])),
    "big": lambda r: str(r.randint(10, 9000)),
    "n": lambda r: str(r.randint(0, 40)),
    "retry": lambda r: str(r.randint(1, 3)),
    "mins": lambda r: str(r.randint(2, 600)),
    "ms": lambda r: str(r.randint(15, 6000)),
}

TEMPLATES = [
    ("INFO", "消费成功：卡号{card}，{name}，{merchant}{pos}，消费{amt}元，余额{bal}元{discount}"),
    ("WARN", "消费失败：卡号{card}，终端{posid}，原因：{payfail}"),
    ("INFO", "pos={posid} txn={txn} card={card} amt={amt} bal={bal} seq={big} mode={paymode}"),
    ("INFO", "脱机流水上传：终端{posid}（{merchant}）上传{big}笔，金额合计{money}元，重复{n}笔已忽略"),
    ("ERROR", "终端离线：{merchant}（{posid}），最后心跳{ts}，未上传流水{n}笔"),
    ("INFO", "终端恢复在线：{posid}，离线{mins}分钟，固件{fw}"),
    ("INFO", "充值成功：{name}（学工号{stuid}）通过{rechannel}充值{amt}元，流水号{txn}，余额{bal}元"),
    ("ERROR", "充值异常：支付单{payorder}已扣款但一卡通未入账，返回码{code}，已加入自动补账队列"),
    ("INFO", "圈存成功：{name}，{bank}卡尾号{tail}，转入{amt}元，圈存机{kiosk}"),
    ("WARN", "圈存失败：卡尾号{tail}，{bank}返回“{bankerr}”，圈存机{kiosk}"),
    ("INFO", "挂失成功：卡号{card}，持卡人{name}，渠道：{lostch}，卡内余额{bal}元已冻结"),
    ("INFO", "解挂成功：卡号{card}，持卡人{name}，经办人{name}{cleared}"),
    ("INFO", "补卡：原卡{card}→新卡{card}，{name}，工本费{fee}元，余额{bal}元已转入新卡，网点：{office}"),
    ("INFO", "门禁通行：{door}，{name}（{ptype}），方向：{dir}，验证方式：{verify}"),
    ("WARN", "门禁拒绝：{door}，卡号{card}，原因：{doordeny}"),
    ("WARN", "门禁报警：{door}{dooralarm}，值班人员{name}已确认"),
    ("INFO", "library gate={libgate} card={card} dir={inout} result=pass occupancy={big}/{cap}"),
    ("WARN", "图书馆闸机{libgate}拒绝入馆：卡号{card}，{libdeny}"),
    ("INFO", "宿舍购电：{dorm}，购电{kwh}度，金额{amt}元，剩余电量{kwh}度"),
    ("WARN", "宿舍电量不足：{dorm}剩余{kwh}度，已推送提醒给{n}名住宿学生"),
    ("INFO", "热水扣费：{shower}，卡号{card}，用水{liters}升，扣费{amt}元"),
    ("INFO", "补助发放：{subsidy}，批次{subbatch}，共{big}人，总金额{money}元，操作员{name}"),
    ("INFO", "补助领取：{name}（学工号{stuid}）领取{subsidy}{amt}元，终端{posid}"),
    ("WARN", "卡号{card}消费密码连续输错{n}次，当日消费已锁定"),
    ("INFO", "商户对账完成：{date}，{merchant}，平台{big}笔{money}元，商户{big}笔{money}元，差异{n}笔"),
    ("ERROR", "圈存对账不平：{date}，{bank}银行端{money}元，平台端{money}元，差额{amt}元，差异流水{n}笔"),
    ("INFO", "商户结算：{merchant}，{date}至{date}交易额{money}元，手续费{amt}元，应付{money}元"),
    ("INFO", "开户：{name}，{ptype}，学工号{stuid}，{college}，卡号{card}，有效期至{validto}"),
    ("INFO", "销户：{name}，学工号{stuid}，原因：{closewhy}，退还余额{bal}元"),
    ("INFO", "qrpay order={payorder} channel={qrch} card={card} amt={amt} status=SUCCESS cost={ms}ms"),
    ("ERROR", "identity sync failed: uid={stuid} err={errbody} retry={retry}/3"),
]


def header(r, form, t, level):
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        # the front-end processor on the card office's Windows server, written for its operators
        cn = {"INFO": "正常", "WARN": "注意", "ERROR": "异常"}[level]
        return "一卡通前置FEP%02d 09月15日%02d时%02d分%02d秒 %s ★ " % (r.randint(1, 4), hh, mm, ss, cn)
    if form == 1:
        # the account and settlement web application runs on Tomcat with its one-line formatter
        return "15-Sep-2026 %02d:%02d:%02d.%03d %s [http-nio-8443-exec-%d] %s " % (
            hh, mm, ss, r.randint(0, 999), {"WARN": "WARNING", "ERROR": "SEVERE"}.get(level, level),
            r.randint(1, 200), r.choice(LOGGER_CLASSES))
    # the door, gate and meter agents are Rust and log through env_logger, in UTC
    u = t - 8 * 3600
    return "[2026-09-%02dT%02d:%02d:%02dZ %-5s %s] " % (
        15 if u >= 0 else 14, u // 3600 % 24, mm, ss, level, r.choice(AGENT_MODULES))


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CP", 6 * 3600 + 1200)
