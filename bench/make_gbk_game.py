#!/usr/bin/env python3
"""A GBK log of a Chinese online game's servers with its truth.

    bench/make_gbk_game.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 22 messages (nicknames
glued to what the player did, places and guilds), written to measure the miner on and
not to shape it: no rule was made or tuned on them. One of three header forms by the
seed. The output depends only on the arguments.
"""

import gbk_messages

NICK_A = ["风", "云", "剑", "月", "星", "龙", "雪", "影", "狼", "花"]
NICK_B = ["无痕", "之子", "少侠", "大师", "小白", "浪子", "仙人", "战神"]
MAPS = ["新手村", "幽暗森林", "火焰山", "冰封王座", "天空之城"]
ITEMS = ["屠龙刀", "回血药水", "传送卷轴", "金币礼包", "坐骑蛋"]
GUILDS = ["天下第一", "逍遥派", "风云会", "龙门客栈"]
BOSSES = ["炎魔", "冰龙", "九头蛇"]


def nick(r):
    return r.choice(NICK_A) + r.choice(NICK_B) + (str(r.randint(1, 999)) if r.random() < 0.4 else "")


V = {
    "nick": nick,
    "nick2": nick,
    "uid": lambda r: str(r.randint(100000, 9999999)),
    "map": lambda r: r.choice(MAPS),
    "item": lambda r: r.choice(ITEMS),
    "guild": lambda r: r.choice(GUILDS),
    "boss": lambda r: r.choice(BOSSES),
    "n": lambda r: str(r.randint(1, 999)),
    "lv": lambda r: str(r.randint(1, 120)),
    "gold": lambda r: str(r.randint(1, 1000000)),
    "ms": lambda r: str(r.randint(1, 800)),
    "srv": lambda r: "S%d" % r.randint(1, 60),
    "ip": lambda r: "%d.%d.%d.%d" % (r.randint(1, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "order": lambda r: "P%d%08d" % (r.choice([1209, 1208]), r.randint(0, 99999999)),
    "rmb": lambda r: str(r.choice([6, 30, 68, 128, 328, 648])),
}

TEMPLATES = [
    ("INFO", "玩家{nick}({uid})进入{map}"),
    ("INFO", "玩家{nick}({uid})离开{map}"),
    ("INFO", "玩家{nick}升级到{lv}级"),
    ("INFO", "玩家{nick}获得{item}x{n}"),
    ("INFO", "玩家{nick}使用了{item}"),
    ("WARN", "玩家{nick}背包已满，{item}发送到邮箱"),
    ("INFO", "玩家{nick}加入帮会{guild}"),
    ("INFO", "玩家{nick}退出帮会{guild}"),
    ("INFO", "帮会{guild}成员{nick}被{nick2}踢出"),
    ("INFO", "世界BOSS{boss}已刷新于{map}"),
    ("INFO", "世界BOSS{boss}被{nick}击杀，用时{n}秒"),
    ("INFO", "充值订单{order}支付成功，金额{rmb}元，玩家{uid}"),
    ("WARN", "充值订单{order}回调验签失败"),
    ("ERROR", "充值订单{order}重复回调，已忽略"),
    ("INFO", "服务器{srv}在线人数{n}"),
    ("WARN", "服务器{srv}帧耗时{ms}ms，超过阈值"),
    ("INFO", "玩家{uid}从{ip}登录，服务器{srv}"),
    ("WARN", "玩家{uid}被检测到加速外挂，已封禁"),
    ("INFO", "交易行：{nick}以{gold}金币购买{item}"),
    ("INFO", "交易行：{nick}上架{item}，售价{gold}金币"),
    ("INFO", "活动“双倍经验”已开启"),
    ("INFO", "活动“双倍经验”已结束"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "[%02d:%02d:%02d.%03d][%s][game-%d] " % (hh, mm, ss, ms, level, r.randint(1, 8))
    if form == 1:
        return "2026-12-09T%02d:%02d:%02d+0800 %s logic: " % (hh, mm, ss, level.lower())
    return "2026-12-09 %02d:%02d:%02d|%s|" % (hh, mm, ss, level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "Y", 20 * 3600)
