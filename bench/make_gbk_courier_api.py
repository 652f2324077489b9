#!/usr/bin/env python3
"""A GBK log of the open-platform API gateway of a Chinese courier company with its truth.

    bench/make_gbk_courier_api.py LOGFILE TRUTHFILE [--lines N] [--seed S]

Writes LOGFILE (GBK, CR LF) and TRUTHFILE (CSV "LineId,EventId"). 25 messages (app keys,
calls, quotas, signatures, callbacks and rate limits), written to measure the miner on and
not to shape it: no rule was made or tuned on them. One of three header forms by the seed.
The output depends only on the arguments.
"""

import gbk_messages

APIS = ["/open/v1/order/create", "/open/v1/order/cancel", "/open/v1/route/query",
        "/open/v2/waybill/print", "/open/v1/price/estimate", "/open/v2/pickup/book"]
METHODS = ["GET", "POST"]
MERCHANTS = ["杭州某某电商有限公司", "鲜果到家", "深圳市云仓科技", "老张土特产店",
             "北京优选商贸有限责任公司", "小红书店铺"]
SIGN_ERR = ["签名不匹配", "时间戳过期", "nonce重复", "缺少sign参数", "签名算法不支持"]
ROUTES = ["已揽收", "运输中", "到达转运中心", "派送中", "已签收", "拒收退回", "疑难件"]
CITIES = ["北京", "上海", "广州", "深圳", "成都", "乌鲁木齐", "呼和浩特", "杭州"]
PLANS = ["免费版", "标准版", "企业版", "旗舰版"]
CB_ERR = ["connect timeout", "HTTP 500", "HTTP 404", "响应内容非success", "SSL握手失败"]


def appkey(r):
    return "ak_%016x" % r.getrandbits(64)


def fields(r):
    # the names of the missing request fields, one or more, comma separated
    return ",".join(r.sample(["sender_phone", "receiver_addr", "weight", "goods_name",
                              "cargo_type", "pay_method"], r.randint(1, 4)))


def cities(r):
    return "→".join(r.sample(CITIES, r.randint(2, 4)))


def trace(r):
    # only the newer SDKs send a trace id, so the part is often missing
    if r.random() < 0.5:
        return ""
    return " traceId=%032x" % r.getrandbits(128)


V = {
    "ak": appkey,
    "api": lambda r: r.choice(APIS),
    "method": lambda r: r.choice(METHODS),
    "merchant": lambda r: r.choice(MERCHANTS),
    "name": gbk_messages.name,
    "signerr": lambda r: r.choice(SIGN_ERR),
    "route": lambda r: r.choice(ROUTES),
    "city": lambda r: r.choice(CITIES),
    "cities": cities,
    "plan": lambda r: r.choice(PLANS),
    "cberr": lambda r: r.choice(CB_ERR),
    "fields": fields,
    "trace": trace,
    "wb": lambda r: "SF%013d" % r.randint(0, 9999999999999),
    "oid": lambda r: "%s%010d" % (r.choice(["JD", "TB", "PDD", "DY"]), r.randint(0, 9999999999)),
    "ip": lambda r: "%d.%d.%d.%d" % (r.randint(1, 223), r.randint(0, 255), r.randint(0, 255), r.randint(1, 254)),
    "ms": lambda r: str(r.randint(1, 12000)),
    "qps": lambda r: str(r.choice([10, 20, 50, 100, 200, 500])),
    "n": lambda r: str(r.randint(1, 100000)),
    "small": lambda r: str(r.randint(1, 10)),
    "secs": lambda r: str(r.choice([10, 30, 60, 120])),
    "pct": lambda r: "%d%%" % r.choice([80, 90, 95, 100]),
    "yuan": lambda r: "%d.%02d" % (r.randint(5, 300), r.randint(0, 99)),
    "kg": lambda r: "%.1fkg" % r.uniform(0.1, 60),
    "phone": lambda r: "1%d%d****%04d" % (r.choice([3, 5, 7, 8]), r.randint(0, 9), r.randint(0, 9999)),
    "url": lambda r: "https://%s.example.cn/express/notify" % r.choice(["api", "shop", "erp", "wms"]),
    "code": lambda r: str(r.choice([200, 400, 401, 403, 429, 500, 502, 504])),
    "date": lambda r: "2026-12-%02d" % r.randint(1, 31),
}

TEMPLATES = [
    ("INFO", "接口调用成功 appKey={ak} api={api} method={method} cost={ms}ms{trace}"),
    ("WARN", "接口调用失败 appKey={ak} api={api} httpCode={code} cost={ms}ms{trace}"),
    ("WARN", "验签失败：appKey={ak}，原因：{signerr}，来源IP {ip}"),
    ("WARN", "触发限流：appKey={ak}，接口{api}，当前QPS超过{qps}"),
    ("WARN", "{merchant}今日调用量已达套餐配额的{pct}，套餐：{plan}"),
    ("ERROR", "{merchant}配额已用尽，拒绝请求 appKey={ak}"),
    ("INFO", "{merchant}申请开通开放平台，联系人{name}，手机{phone}"),
    ("INFO", "应用审核通过：{merchant}，appKey={ak}，审核人{name}"),
    ("WARN", "应用审核驳回：{merchant}，审核人{name}，原因：营业执照模糊"),
    ("INFO", "{name}重置了appSecret，appKey={ak}"),
    ("INFO", "下单成功：订单号{oid}，运单号{wb}，重量{kg}，运费{yuan}元"),
    ("WARN", "下单参数校验失败，缺少字段：{fields}"),
    ("INFO", "取消订单{oid}成功，运单{wb}作废"),
    ("INFO", "路由推送：运单{wb}，状态【{route}】，{city}"),
    ("INFO", "运单{wb}预计路由：{cities}"),
    ("INFO", "回调成功 url={url} waybill={wb} 耗时{ms}ms"),
    ("ERROR", "回调失败：{url}，{cberr}，第{small}次重试"),
    ("ERROR", "回调重试次数已达上限，运单{wb}推送任务转入死信队列"),
    ("INFO", "面单打印完成，运单{wb}，收件人{name}（{phone}）"),
    ("INFO", "{name}已签收，运单{wb}，签收方式：本人签收"),
    ("INFO", "{name}已签收，运单{wb}，签收方式：快递柜代收"),
    ("WARN", "IP白名单拦截：{ip} 不在 appKey={ak} 的白名单中"),
    ("INFO", "{merchant}套餐变更：{plan}→{plan}，生效日期{date}"),
    ("INFO", "对账文件已生成：{date}，共{n}笔，金额￥{yuan}万"),
    ("ERROR", "下游服务熔断：{api} 错误率超过50%，熔断{secs}秒"),
]


def header(r, form, t, level):
    ms = r.randint(0, 999)
    hh, mm, ss = t // 3600 % 24, t // 60 % 60, t % 60
    if form == 0:
        return "%s %02d:%02d:%02d.%03d [gw-%02d] %s c.e.open.GatewayFilter - " % (
            "2026-12-09", hh, mm, ss, ms, r.randint(1, 32), level)
    if form == 1:
        cn = {"INFO": "普通", "WARN": "警告", "ERROR": "严重"}[level]
        return "%02d:%02d:%02d | %s | 开放平台网关 | " % (hh, mm, ss, cn)
    return "{\"t\":\"2026-12-09 %02d:%02d:%02d\",\"lv\":\"%s\"} " % (hh, mm, ss, level)


if __name__ == "__main__":
    gbk_messages.main(TEMPLATES, V, header, "CA", 9 * 3600 + 900)
