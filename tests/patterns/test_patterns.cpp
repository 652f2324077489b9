// Pattern mining: the GBK tokenizer's variable parts, the line's header, grouping,
// ranking, the cap, and randomized checks that grouping is deterministic, that every
// line holds the constant parts of its pattern and that lines group by their message
// whatever their header's form.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "pattern_support.h"
#include "patterns/LineTokens.h"
#include "patterns/PatternListing.h"
#include "patterns/PatternMiner.h"

namespace corvane {
namespace {

using testing_support::Gbk;

// Tokens joined by blanks; a variable part as <its bytes>.
std::string Render(const std::string& line) {
    std::vector<LineToken> tokens;
    TokenizeLine(line, tokens);
    std::string out;
    for (const LineToken& t : tokens) {
        if (!out.empty()) out += ' ';
        const std::string text = line.substr(t.begin, t.end - t.begin);
        out += t.kind == TokenKind::Variable ? "<" + text + ">" : text;
    }
    return out;
}

struct TokenCase {
    const char* name;
    std::string line;      // UTF-8, or raw bytes when `raw`
    std::string expected;  // likewise
    bool raw = false;
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.name; }

class TokenizeTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizeTest, MarksVariableParts) {
    const TokenCase& c = GetParam();
    const std::string line = c.raw ? c.line : Gbk(c.line);
    EXPECT_EQ(Render(line), c.raw ? c.expected : Gbk(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TokenizeTest,
    ::testing::Values(
        TokenCase{"GluedCodeAfterChinese", "用户张三登录失败，错误码1045",
                  "用 户 张 三 登 录 失 败 ， 错 误 码 <1045>"},
        TokenCase{"PartOfTheDayBeforeATime", "时间：2026年4月26日下午5:15，面试下午3:00，上午班次",
                  "时 间 ： <2026年4月26日下午5:15> ， 面 试 <下午3:00> ， 上 午 班 次"},
        TokenCase{
            "PairValuesWithBlanks",
            "短信 pet=大福 (Daifuku) analyzer=IDEXX ProCyte Dx code=0 tpl=【复诊提醒】 Mr. Bean",
            "短 信 pet = <大福 (Daifuku)> analyzer = <IDEXX ProCyte Dx> code = <0> tpl = "
            "<【复诊提醒】> Mr . Bean"},
        TokenCase{"PairValueWithBlanksAfterAChineseHeader",
                  "2026年05月20日 08:10:27［提示］［化验室］ items=T4 analyzer=IDEXX ProCyte Dx "
                  "status=OK",
                  "<2026年05月20日 08:10:27> ［ 提 示 ］ ［ 化 验 室 ］ items = <T4> analyzer = "
                  "<IDEXX ProCyte Dx> status = <OK>"},
        TokenCase{
            "LatinTextAfterAChineseLabel",
            "汇率：KRW/CNY 0.0054，优惠：coupon=CPN238676，原因：Remote，宠物：Mr. Bean",
            "汇 率 ： <KRW/CNY> <0.0054> ， 优 惠 ： <coupon=CPN238676> ， 原 因 ： <Remote> ， "
            "宠 物 ： Mr . Bean"},
        TokenCase{"LatinNameBetweenChinesePunctuation",
                  "保单号P1，Mr. Bean，渠道：Apple Pay，OK，错误：java.net.ConnectException: "
                  "Connection refused (Connection refused)，重试",
                  "保 单 号 <P1> ， <Mr. Bean> ， 渠 道 ： <Apple Pay> ， OK ， 错 误 ： "
                  "<java.net.ConnectException: Connection refused (Connection refused)> ， 重 试"},
        TokenCase{"NumberEndsAPairValue", "pid=2100 [sched-7] ink keys press=FLX-01 color=光油",
                  "pid = <2100> [ <sched-7> ] ink keys press = <FLX-01> color = 光 油"},
        TokenCase{"UnitWordOrKey", "took 30 ms resident=R000956 hr=71",
                  "took <30 ms> resident = <R000956> hr = <71>"},
        TokenCase{
            "Addresses", "扫码地：河北省邯郸市成安县，当前城市杭州，城区分公司市场部",
            "扫 码 地 ： <河北省邯郸市成安县> ， 当 前 城 市 杭 州 ， 城 区 分 公 司 市 场 部"},
        TokenCase{"StampThenALoggerLikeAHost", "2026-03-05 06:25:12,893 seedtrace.qr DEBUG 出库",
                  "<2026-03-05 06:25:12,893> <seedtrace.qr> DEBUG 出 库"},
        TokenCase{
            "Plates",
            "集卡沪B31G4R进闸，车牌浙B·H0919，plate=闽FCDDWC code，京东，plate=黔G·S5882 黔GS5882",
            "集 卡 <沪B31G4R> 进 闸 ， 车 牌 <浙B·H0919> ， plate = <闽FCDDWC> code ， 京 东 ， "
            "plate = <黔G·S5882> 黔 <GS5882>"},
        TokenCase{"Ages", "受种者刘勇27岁，何伟3月龄", "受 种 者 刘 勇 <27岁> ， 何 伟 <3月龄>"},
        TokenCase{"NumberWithUnit", "耗时300ms，重试3次，冰箱-20℃腋温37.8℃，疫苗10μg，应变136.5με",
                  "耗 时 <300ms> ， 重 试 <3次> ， 冰 箱 <-20℃> 腋 温 <37.8℃> ， 疫 苗 <10μg> ， "
                  "应 变 <136.5με>"},
        TokenCase{"AddressWithPort", "connect 10.0.0.7:3306 failed",
                  "connect <10.0.0.7:3306> failed"},
        TokenCase{"Path", "open /var/log/app.log: gone", "open </var/log/app.log> : gone"},
        TokenCase{"KeyBeforeValue", "port:8080 uid=0", "port : <8080> uid = <0>"},
        // Quoted text is variable where it varies: one word without blanks, its words
        // one by one with blanks (a request keeps its method), whole after "=" or ":".
        TokenCase{"QuotedTextButNotApostrophe", "user 'bob smith' can't login",
                  "user ' bob smith ' can ' t login"},
        TokenCase{
            "ChineseQuotes", "订单“张三”已取消，商品“电动牙刷 Sonic Pro”，提示 “已 取消”",
            "订 单 “ 张三 ” 已 取 消 ， 商 品 “ <电动牙刷 Sonic Pro> ” ， 提 示 “ 已 取 消 ”"},
        TokenCase{"QuotedRequestKeepsItsMethod", "\"GET /v2/a/servers HTTP/1.1\" tag=\"View Lock\"",
                  "\" GET </v2/a/servers> <HTTP/1.1> \" tag = \" <View Lock> \""},
        TokenCase{"PathsWithChineseParts",
                  "导出到E:\\共享\\财务部\\月报2026-11.xlsx完成，加载/opt/应用/统计.so失败",
                  "导 出 到 <E:\\共享\\财务部\\月报2026-11.xlsx> 完 成 ， 加 载 "
                  "</opt/应用/统计.so> 失 败"},
        TokenCase{"DriveAndUrlWithChineseQuery", "分区F:满，访问http://a.cn/s?q=北京天气&p=1超时",
                  "分 区 <F:> 满 ， 访 问 <http://a.cn/s?q=北京天气&p=1> 超 时"},
        TokenCase{"QueryListsAfterAPath", "GET /open/aws?ids=K12,K80&el=GST,VIS -> 200, a,b",
                  "GET </open/aws?ids=K12,K80&el=GST,VIS> - > <200> , a , b"},
        TokenCase{
            "QualifierOfAValueBeforeAValue",
            "站号K97（朱家尖（浮标站B-2））05时未到，K58（凤阳山 1850m）12时",
            "站 号 <K97（朱家尖（浮标站B-2））> <05时> 未 到 ， <K58（凤阳山 1850m）> <12时>"},
        TokenCase{"ChineseDateAndTime", "于2026年03月18日06时00分14秒起飞",
                  "于 <2026年03月18日06时00分14秒> 起 飞"},
        TokenCase{"LettersGluedToChinese", "考核等级S，A座大堂，SKU数",
                  "考 核 等 级 <S> ， <A> 座 大 堂 ， SKU 数"},
        TokenCase{"NumeralsInNames", "工业园Ⅱ线跳闸，10kVⅠ段母线①号",
                  "工 业 园 <Ⅱ> 线 跳 闸 ， <10kVⅠ> 段 母 线 <①> 号"},
        TokenCase{"BracketedNumberAndChineseKey", "五年（3）班模拟考试（一）支付方式=CASH",
                  "五 年 <（3）> 班 模 拟 考 试 <（一）> 支 付 方 式 = <CASH>"},
        TokenCase{"PlateEndingInOneDigit", "集卡津CELLS9进闸 via SOCKS5",
                  "集 卡 <津CELLS9> 进 闸 via SOCKS5"},
        TokenCase{"BracketedChineseAfterAName", "爆米花（大桶）仅剩1份（备注：临期）",
                  "爆 米 花 <（大桶）> 仅 剩 <1份> （ 备 注 ： 临 期 ）"},
        // A qualifier may hold Latin words, joiners and brackets, but no digits: those
        // are a measure or an id, and what follows them stays apart.
        TokenCase{
            "QualifiersAndBracketsThatAreNone",
            "疫苗(CHO细胞)窗口（改签/退票）北门（团队通道（东））疫苗（IPV）调用(getUser)"
            "超时（3000毫秒）员工张伟（E1024）上班",
            "疫 苗 <(CHO细胞)> 窗 口 <（改签/退票）> 北 门 <（团队通道（东））> 疫 苗 <（IPV）> "
            "调 用 ( getUser ) 超 时 （ <3000毫秒> ） 员 工 张 伟 （ <E1024> ） 上 班"},
        // Brackets that end a clause annotate the value before them, digits and blanks
        // and all, but not after a word that says how something went.
        TokenCase{"BracketsThatEndAClause",
                  "入园（南门 3号闸机），登录成功（10.0.0.5），面试（12月3日 上午10:00）",
                  "入 园 <（南门 3号闸机）> ， 登 录 成 功 （ <10.0.0.5> ） ， 面 试 "
                  "<（12月3日 上午10:00）>"},
        TokenCase{"NumbersInChineseBracketsAfterNames",
                  "甬江报关行（普通合伙）（0104731327），Co., Ltd.（0104328531）",
                  "甬 江 报 关 行 <（普通合伙）（0104731327）> ， Co . , Ltd . <（0104328531）>"},
        TokenCase{"ChinesePairValueWithBrackets",
                  "售票失败 channel=代售点（人民路88号），code=1040",
                  "售 票 失 败 channel = <代售点（人民路88号）> ， code = <1040>"},
        TokenCase{
            "TitleAndNumeralDate",
            "二〇二六年十二月九日 借阅《人类简史：从动物到上帝》《MS Office高级应用》",
            "<二〇二六年十二月九日> 借 阅 《 人类简史：从动物到上帝 》 《 MS Office高级应用 》"},
        TokenCase{"ChineseDatesUnitsAndMaskedPhones",
                  "于2026年12月9日共8页耗时3分钟，手机138****5678",
                  "于 <2026年12月9日> 共 <8页> 耗 时 <3分钟> ， 手 机 <138****5678>"},
        // A pair's value varies, its key does not; a value after "key: " only when one
        // word stands before a separator.
        TokenCase{"PairValues",
                  "overlap:false action:a.b.MAIN ws=null withExcluded: false, Error: disk full",
                  "overlap : <false> action : <a.b.MAIN> ws = <null> withExcluded : <false> , "
                  "Error : disk full"},
        TokenCase{"BoundUnitAndNamesWithADigit", "lifetime <1 sec via SOCKS5 on eth1",
                  "lifetime <<1 sec> via SOCKS5 on <eth1>"},
        TokenCase{"StatusWithItsReasonPhrase",
                  "返回HTTP 504 Gateway Timeout; got 200 OK, 404 Found Nothing",
                  "返 回 HTTP <504 Gateway Timeout> ; got <200 OK> , <404> Found Nothing"},
        // A qualifier may hold blanks where names outnumber its values two to one.
        TokenCase{"SpacedQualifiers",
                  "高静（学前班 A）体温，徐敏（Sunny Class K2）体温，张伟（E1 临时）上班",
                  "高 静 <（学前班 A）> 体 温 ， 徐 敏 <（Sunny Class K2）> 体 温 ， 张 伟 （ <E1> "
                  "临 时 ） 上 班"},
        TokenCase{"QuotedKeyStays", "{\"name\": \"bob\"}", "{ \" name \" : \" <bob> \" }"},
        TokenCase{"LeadingStamp", "2026-12-01 10:00:01,234 INFO x",
                  "<2026-12-01 10:00:01,234> INFO x"},
        TokenCase{"BracketedStampWithNames", "[Sun Dec 04 04:47:44 2005] [error] x",
                  "[ <Sun Dec 04 04:47:44 2005> ] [ error ] x"},
        TokenCase{"DateInsideTheLine", "login at Wed Jun 15 04:06:18 2005 ok",
                  "login at <Wed Jun 15 04:06:18 2005> ok"},
        TokenCase{"HexId", "id 0x1f3a at a64f992", "id <0x1f3a> at <a64f992>"},
        TokenCase{"LeaderDotsEndAValue", "processor.........0", "processor ......... <0>"},
        TokenCase{"HostAndCodeNames", "rhost=zummit.com in dfs.DataNode$Responder: ok",
                  "rhost = <zummit.com> in dfs.DataNode$Responder : <ok>"},
        TokenCase{"BracketedName", "[AsyncDispatcher event handler] [pool-1] up",
                  "[ AsyncDispatcher event handler ] [ <pool-1> ] up"},
        // Chinese quotes nest: the outer pair holds one name.
        TokenCase{"NestedChineseQuotes", "，「「金穗」农业合作社」订购",
                  "， 「 「金穗」农业合作社 」 订 购"},
        // A value with a bracketed value glued to it is one value; a word before
        // brackets stays a word.
        TokenCase{
            "GluedBracketedValues",
            "x nodes:node-[104-127] ws=WorkSource{10113} bnds=[0,0][9,9] chdir(/p/a) LOCAL(0)",
            "x nodes : <node-[104-127]> ws = <WorkSource{10113}> bnds = <[0,0][9,9]> "
            "chdir ( </p/a> ) LOCAL ( <0> )"},
        // A value's qualifier in Chinese brackets is the value's where a field ends, and so
        // is a name's other name in ASCII brackets after a blank; a Chinese list (or one
        // counted item, or a label's value of Chinese items between ASCII commas) is one
        // value, bracketed punctuation and all, up to the sentence's punctuation or a
        // bracket it did not open.
        TokenCase{
            "QualifiedValues",
            "塘口=网箱HX-31（外海） 车牌=闽CAULJL（白），航班HX3662（成都）起飞，大福 (Daifuku)，",
            "塘 口 = 网 箱 <HX-31（外海）> 车 牌 = <闽CAULJL（白）> ， 航 班 <HX3662> （ 成 "
            "都 ） 起 飞 ， 大 福 <(Daifuku)> ，"},
        TokenCase{
            "ChineseLists",
            "点菜：鱼×3、Coke Zero 330ml、丝巾（千里，9×9cm），商品：帆布袋×3，异常（户：2、3）"
            "，商品：鸡腿堡,可乐（330ml），成功,耗时",
            "点 菜 ： <鱼×3、Coke Zero 330ml、丝巾（千里，9×9cm）> ， 商 品 ： <帆布袋×3> ， "
            "异 常 （ 户 ： <2、3> ） ， 商 品 ： <鸡腿堡,可乐（330ml）> ， 成 功 , 耗 时"},
        // Trail bytes in the ASCII range ("[", "a") belong to their character.
        TokenCase{"TrailBytes", "\xb0\x5b\xb0\x61x ab\xb0", "\xb0\x5b \xb0\x61 x ab \xb0", true}),
    [](const ::testing::TestParamInfo<TokenCase>& info) { return std::string(info.param.name); });

struct HeaderCase {
    const char* name;
    std::string line;
    std::string header;  // the bytes the header spans
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class HeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTest, FindsTheHeaderWithoutAFormat) {
    const std::string line = Gbk(GetParam().line);
    std::vector<LineToken> tokens;
    const std::size_t header = TokenizeLine(line, tokens);
    ASSERT_LE(header, tokens.size());
    EXPECT_EQ(header == 0 ? std::string() : line.substr(0, tokens[header - 1].end),
              Gbk(GetParam().header));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderTest,
    ::testing::Values(
        HeaderCase{"LevelThreadAndLogger",
                   "2015-10-18 18:05:57,024 WARN [DataStreamer for file /tmp/x block BP-1] "
                   "org.apache.Client: Address change",
                   "2015-10-18 18:05:57,024 WARN [DataStreamer for file /tmp/x block BP-1] "
                   "org.apache.Client:"},
        HeaderCase{"WideLabelsAndANodeName",
                   "时间：2027年3月18日 05:30:01 级别：一般 节点：码头作业3号机 内容：预约取消",
                   "时间：2027年3月18日 05:30:01 级别：一般 节点：码头作业3号机 内容："},
        HeaderCase{"SyslogHostAndTag",
                   "Jun 14 15:16:01 combo sshd(pam_unix)[19939]: authentication failure",
                   "Jun 14 15:16:01 combo sshd(pam_unix)[19939]:"},
        HeaderCase{"SyslogTagAndALevelWithItsColon",
                   "Nov 11 00:00:08 mall-web-06 shopd[13897]: warn: 订单20261111支付失败",
                   "Nov 11 00:00:08 mall-web-06 shopd[13897]: warn:"},
        HeaderCase{"IdsLetterLevelAndTag", "03-17 16:13:38.811  1702  2395 D WindowManager: x y",
                   "03-17 16:13:38.811  1702  2395 D WindowManager:"},
        HeaderCase{"PipeFields",
                   "20171223-22:15:29:615|Step_LSC|30002312|onExtend:1514038530000 14 0",
                   "20171223-22:15:29:615|Step_LSC|30002312|"},
        HeaderCase{"JsonObject",
                   "{\"ts\":\"2026-04-17T04:20:00.093+08:00\",\"lvl\":30,\"host\":\"ds-edge01\"} "
                   "溶氧偏低告警：C区10号池读数2.81mg/L",
                   "{\"ts\":\"2026-04-17T04:20:00.093+08:00\",\"lvl\":30,\"host\":\"ds-edge01\"}"},
        HeaderCase{"ChinesePipeFields", "20261209-08:00:01:432|磁盘监控|37298|分区C:使用率56%",
                   "20261209-08:00:01:432|磁盘监控|37298|"},
        HeaderCase{"FlagAndFieldsBeforeTheLevel", "- 1117838570 R02-M1 RAS KERNEL INFO cache error",
                   "- 1117838570 R02-M1 RAS KERNEL INFO"},
        HeaderCase{"ProgramHostAndPort", "[10.30 16:49:06] chrome.exe *64 - wpad:80 close, 0 bytes",
                   "[10.30 16:49:06] chrome.exe *64 - wpad:80"},
        HeaderCase{"LoggerBeforeADash",
                   "2026-12-01 10:00:01,234 INFO  [main] c.corvane.X - 支付失败",
                   "2026-12-01 10:00:01,234 INFO  [main] c.corvane.X -"},
        // A message's own words and colons stay the message's.
        HeaderCase{"WordWithColonWithoutLevel", "2026-12-01 10:00:01 Disk: almost full",
                   "2026-12-01 10:00:01"},
        HeaderCase{"ChineseMessage", "10:00:01 数据库: 连接失败", "10:00:01"},
        // Chinese labels name the fields; the one whose value is the message ends them.
        HeaderCase{"ChineseLabels",
                   "时间:2026-12-09 00:00:02 级别:信息 内容:告警恢复：db-32 服务无响应",
                   "时间:2026-12-09 00:00:02 级别:信息 内容:"},
        HeaderCase{"ChineseLabelsFullWidth",
                   "时间：2026-12-09 00:00:02 级别：错误 模块：订单中心 内容：订单123支付失败",
                   "时间：2026-12-09 00:00:02 级别：错误 模块：订单中心 内容："},
        HeaderCase{"ChineseLabelNotBeforeAStamp", "告警：db-32 服务无响应", ""},
        HeaderCase{"ChineseLabelsAndABracketedName",
                   "发生时间:2026-08-17 05:30:00 等级:一般 车站:鸿川东(普速场) 工位:售票 — 签到",
                   "发生时间:2026-08-17 05:30:00 等级:一般 车站:鸿川东(普速场) 工位:"},
        HeaderCase{
            "ChineseLabelsInBrackets",
            "[时间:2026-06-12 08:10:01][级别:警告][门店:北湖欢乐谷（水上乐园）][操作员:黄洋] "
            "回访不满意：工单RO1",
            "[时间:2026-06-12 08:10:01][级别:警告][门店:北湖欢乐谷（水上乐园）][操作员:黄洋]"},
        // Fields in Chinese brackets, and labels after them where one label follows another.
        HeaderCase{"ChineseBracketsThenLabels",
                   "「2026-10-15 07:30:07」〔信息〕工位：留观区 说明：收费成功 order=VX1",
                   "「2026-10-15 07:30:07」〔信息〕工位：留观区 说明："},
        HeaderCase{"ALabelOfTheMessageAfterBrackets",
                   "【2026-03-18 06:00:21】【信息】用户：u46473366，理由：卡顿",
                   "【2026-03-18 06:00:21】【信息】"},
        // Pairs name the fields; the one whose value is Chinese text ends them.
        HeaderCase{
            "Pairs",
            "time=2026-03-18T09:00:01.433+08:00 level=info app=ins-core msg=客户何秀修改电话",
            "time=2026-03-18T09:00:01.433+08:00 level=info app=ins-core msg="},
        HeaderCase{"PairsWithoutAStamp", "user=bob role=admin msg=登录成功", ""},
        HeaderCase{"LevelInChineseBrackets",
                   "【信息】[2026-03-18 08:00:03.501] 社保增员成功：吴超超",
                   "【信息】[2026-03-18 08:00:03.501]"},
        HeaderCase{"WordsBeforeASecondsStamp", "2599204 node-9 boot_cmd new 1074297378 1 Targeting",
                   "2599204 node-9 boot_cmd new 1074297378 1"},
        HeaderCase{"SystemNameStampAndLabelsToAPipe",
                   "【燃气运营】2026/03/08 06:05:04 级别：提示 模块：抢修调度 | App推送成功 uid=5",
                   "【燃气运营】2026/03/08 06:05:04 级别：提示 模块：抢修调度 |"},
        HeaderCase{"SystemNameStampLevelAndLabels",
                   "【环卫监管】2026年03月18日 04:25:00 ［信息］ 模块：中转站 | gps plate=沪F",
                   "【环卫监管】2026年03月18日 04:25:00 ［信息］ 模块：中转站 |"},
        // A bracketed name may hold Latin words, but a bracket of Chinese words and values
        // past a short name's length is the message.
        HeaderCase{
            "NameWithLatinWordsInBrackets",
            "[2026年03月16日 06:40:08] [信息] [春晓园 Spring Campus/收费] 缴费成功：订单号F1",
            "[2026年03月16日 06:40:08] [信息] [春晓园 Spring Campus/收费]"},
        HeaderCase{"ChineseWordsAndValuesInBrackets",
                   "[2026年03月16日 06:40:08] [信息] [支付回调 order=F1 金额 50元 处理完成]",
                   "[2026年03月16日 06:40:08] [信息]"},
        HeaderCase{"BracketedNameLevelStampAndModule",
                   "[消防物联网][信息][03-09 02:05:10][巡查管理] 值班签到：青石苑小区",
                   "[消防物联网][信息][03-09 02:05:10][巡查管理]"},
        HeaderCase{"StationWithItsPartLevelAndBar",
                   "07/08 06:00:44 护理站〈失智照护专区（2号楼）〉 错误 │ Failed to upload",
                   "07/08 06:00:44 护理站〈失智照护专区（2号楼）〉 错误 │"},
        HeaderCase{"LoggerBeforeTheLevel",
                   "2026-03-05 06:25:01,378 seedtrace.trial DEBUG [pid 5083] 出库单CK72042已出库",
                   "2026-03-05 06:25:01,378 seedtrace.trial DEBUG [pid 5083]"},
        HeaderCase{"LabelsToASeparatorAfterAMixedName",
                   "时间：2026-03-18 09:00:19 级别：警告 模块：Offer管理 >> 入职任务已逾期14天",
                   "时间：2026-03-18 09:00:19 级别：警告 模块：Offer管理 >>"},
        // After a level in brackets a name of code with its colon is a logger's.
        HeaderCase{"LoggerAfterABracketedLevel",
                   "2026-05-20 08:10:01.095 +08:00 [DBG] PetHis.Surgery: member points card=8",
                   "2026-05-20 08:10:01.095 +08:00 [DBG] PetHis.Surgery:"},
        // After a logger's dash the message begins, values and all.
        HeaderCase{"ValuesAfterALoggersDash",
                   "2026-03-14 08:31:01,992 INFO  [exec-28] c.h.web.AccessLogFilter - 10.20.1.36 "
                   "oWxfbkJcGdnTJ9xn \"DELETE /api/v2/material/M40899230 HTTP/1.1\" 204 0 629ms",
                   "2026-03-14 08:31:01,992 INFO  [exec-28] c.h.web.AccessLogFilter -"},
        HeaderCase{"NoHeader", "Failed password for root from 1.2.3.4", ""},
        HeaderCase{"AllFieldsIsNoHeader", "2026-12-01 10:00:01 4711 [main]", ""}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

TEST(TokenizeLongLineTest, KeepsABoundedNumberOfTokensAndTheTailAsOneVariable) {
    std::string line;
    for (int i = 0; i < 5000; ++i) line += "word ";
    line += "end";
    std::vector<LineToken> tokens;
    TokenizeLine(line, tokens);
    ASSERT_EQ(tokens.size(), kMaxLineTokens);
    EXPECT_EQ(tokens.back().kind, TokenKind::Variable);
    EXPECT_EQ(tokens.back().end, line.size());
    const std::string huge(1 << 20, 'x');  // one letter run: data, not a word
    TokenizeLine(huge, tokens);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, TokenKind::Variable);
}

// The listing of `lines` (UTF-8) as "count<TAB>pattern" lines (UTF-8 patterns given
// as GBK by the caller's expectation).
std::vector<std::string> Listing(const std::vector<std::string>& lines, std::size_t cap = 5000) {
    PatternMiner miner(cap);
    for (const std::string& l : lines) miner.Add(Gbk(l));
    std::vector<std::string> out;
    for (const PatternGroup& g : miner.Ranked())
        out.push_back(std::to_string(g.count) + "\t" + g.text);
    return out;
}

struct MineCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> expected;
};

void PrintTo(const MineCase& c, std::ostream* os) { *os << c.name; }

class MineTest : public ::testing::TestWithParam<MineCase> {};

TEST_P(MineTest, GroupsAndRanks) {
    std::vector<std::string> expected;
    for (const std::string& e : GetParam().expected) expected.push_back(Gbk(e));
    EXPECT_EQ(Listing(GetParam().lines), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MineTest,
    ::testing::Values(
        MineCase{"NoLines", {}, {}},
        MineCase{"TrailingAndOnlyBlanks", {"a 1 ", "   ", "a 2 "}, {"2\ta <*> ", "1\t   "}},
        MineCase{"OneLine",
                 {"10:00:01 用户张三登录失败，错误码1045"},
                 {"1\t<*> 用户张三登录失败，错误码<*>"}},
        MineCase{
            "GluedNamesOfAnyLength",
            {"10:00:01 用户张三登录失败，错误码1045", "10:00:02 用户欧阳修文登录失败，错误码2003",
             "10:00:03 用户李四登录成功，耗时30ms", "10:00:04 用户王五登录失败，错误码1062",
             "10:00:05 用户诸葛亮登录失败，错误码1045"},
            {"4\t<*> 用户<*>登录失败，错误码<*>", "1\t<*> 用户李四登录成功，耗时<*>"}},
        MineCase{"VariableWordsButNotCapitalisedOnes",
                 {"sshd[1]: Failed password for root from 1.2.3.4 port 22 ssh2",
                  "sshd[2]: Accepted password for root from 1.2.3.5 port 23 ssh2",
                  "sshd[3]: Failed password for admin from 1.2.3.6 port 24 ssh2",
                  "sshd[4]: Failed password for guest from 1.2.3.7 port 25 ssh2"},
                 {"3\tsshd[<*>]: Failed password for <*> from <*> port <*> <*>",
                  "1\tsshd[<*>]: Accepted password for root from <*> port <*> <*>"}},
        // The direction a line runs in is a value, though two texts take turns there.
        MineCase{"DirectionOfALine",
                 {"【到站】线路《312路》下行，车辆3-1022到达「白塘村」（第1站），准点",
                  "【到站】线路《W7》上行，车辆7-2090到达「梅园新村」（第1站），准点",
                  "【到站】线路《56路》下行，车辆6-0334到达「东湖枢纽站」（第2站），准点",
                  "【到站】线路《快线B5》上行，车辆8-0565到达「工业园区」（第1站），准点"},
                 {"4\t【到站】线路《<*>》<*>行，车辆<*>到达「<*>」（第<*>站），准点"}},
        MineCase{"PointsOfTheCompass",
                 {"06:40:07 交通量统计（06:35～06:40）：往南岸（城南方向），小客车207辆",
                  "06:40:43 交通量统计（06:40～06:45）：往南岸（城南方向），小客车282辆",
                  "06:40:48 交通量统计（07:15～07:20）：往北岸（城北方向），小客车500辆",
                  "06:41:13 交通量统计（07:20～07:25）：往北岸（城北方向），小客车310辆"},
                 {"4\t<*> 交通量统计（<*>～<*>）：往<*>岸<*>，小客车<*>辆"}},
        // An access record's method in a log with Chinese text is data, whatever values
        // come before it after the logger's dash.
        MineCase{
            "AccessMethodsAfterALoggersDash",
            {"2026-03-14 08:31:00,382 INFO  [exec-18] c.h.web.AccessLogFilter - 10.20.3.48 "
             "oWxfbkJcGdnTJ9xn \"GET /api/v1/archive/2026-min-60687/pages?page=40 HTTP/1.1\" 204 "
             "421 351ms",
             "2026-03-14 08:31:01,514 INFO  [exec-30] c.h.web.AccessLogFilter - 10.20.2.86 - "
             "\"POST /api/v2/fee/quote HTTP/1.1\" 204 2680 750ms",
             "2026-03-14 08:31:02,173 INFO  [exec-29] c.h.web.AccessLogFilter - 10.20.7.41 GZ1018 "
             "\"DELETE /api/v2/material/M50871150 HTTP/1.1\" 200 15598 57ms",
             "2026-03-14 08:31:03,518 INFO  [exec-38] c.h.web.AccessLogFilter - 10.20.2.199 "
             "oWxrV3HCYsxcbDcS \"GET /api/v1/archive/2026-min-14542/pages?page=9 HTTP/1.1\" 204 "
             "25143 813ms",
             "2026-03-14 08:31:04,764 INFO  [exec-7] c.h.web.AccessLogFilter - 10.20.5.53 "
             "oWx-yQXtZHbPdVbz \"POST /api/v2/fee/quote HTTP/1.1\" 204 14699 748ms",
             "2026-03-14 08:31:05,910 INFO  [exec-6] c.h.web.AccessLogFilter - 10.20.5.234 "
             "oWxfbkJcGdnTJ9xn \"DELETE /api/v2/material/M56607050 HTTP/1.1\" 200 25987 292ms",
             "2026-03-14 08:31:06,204 INFO  [exec-1] c.h.web.AccessLogFilter - 10.20.7.15 - \"GET "
             "/api/v1/archive/2026-min-44782/pages?page=3 HTTP/1.1\" 201 32224 147ms",
             "2026-03-14 08:31:07,024 INFO  [exec-16] c.h.web.AccessLogFilter - 10.20.7.189 GZ1018 "
             "\"POST /api/v2/fee/quote HTTP/1.1\" 200 39114 8ms",
             "2026-03-14 08:31:08,782 INFO  [exec-38] c.h.web.AccessLogFilter - 10.20.4.230 "
             "oWxrV3HCYsxcbDcS \"DELETE /api/v2/material/M16271542 HTTP/1.1\" 200 21641 13ms",
             "2026-03-14 08:32:00,000 INFO  [exec-1] c.h.queue.TicketService - "
             "取号成功：号码A031，前面还有5人"},
            {"9\t<*> INFO  [<*>] c.h.web.AccessLogFilter - <*> <*> \"<*> <*> <*>\" <*> <*> <*>",
             "1\t<*> INFO  [<*>] c.h.queue.TicketService - 取号成功：号码<*>，前面还有<*>"}},
        // Chinese words alone at the end of a few lines are a remark, not a kind.
        MineCase{
            "RemarkOfChineseWordsAlone",
            {"10:00:00 租借成功：订单号R260330427945，机柜SZ6068「深圳福田 星汇广场（L2 电梯口）」"
             "13号仓弹出充电宝PB132467，计费规则《标准计费 2元/小时》",
             "10:00:01 租借成功：订单号R260394598926，机柜SZ0717「成都环宇坊（3F 影院门口）」"
             "3号仓弹出充电宝PB143490，计费规则《标准计费 2元/小时》",
             "10:00:02 租借成功：订单号R260367962541，机柜SZ3430「西安钟楼 嘉禾百货 5楼餐饮区」"
             "13号仓弹出充电宝PB673047，计费规则《标准计费 2元/小时》",
             "10:00:03 租借成功：订单号R260361623890，机柜SZ7985「杭州东站 候车厅18检票口旁」"
             "15号仓弹出充电宝PB409445，计费规则《会员专享 首小时免费》",
             "10:00:04 租借成功：订单号R260376923525，机柜SZ3149「深圳福田 星汇广场（L2 电梯口）」"
             "13号仓弹出充电宝PB093916，计费规则《会员专享 首小时免费》，免押订单",
             "10:00:05 租借成功：订单号R260331431504，机柜SZ0327「成都环宇坊（3F 影院门口）」"
             "23号仓弹出充电宝PB279725，计费规则《会员专享 首小时免费》",
             "10:00:06 租借成功：订单号R260363662558，机柜SZ6210「西安钟楼 嘉禾百货 5楼餐饮区」"
             "24号仓弹出充电宝PB119255，计费规则《会员专享 首小时免费》",
             "10:00:07 租借成功：订单号R260313041564，机柜SZ1033「杭州东站 候车厅18检票口旁」"
             "13号仓弹出充电宝PB650293，计费规则《会员专享 首小时免费》",
             "10:00:08 租借成功：订单号R260314459130，机柜SZ0951「深圳福田 星汇广场（L2 电梯口）」"
             "11号仓弹出充电宝PB245806，计费规则《标准计费 2元/小时》，免押订单"},
            {"9\t<*> 租借成功：订单号<*>，机柜<*>「<*>」<*>号仓弹出充电宝<*>，计费规则《<*>》"}},
        // In a log with Chinese text one message at two levels is two kinds; in a
        // machine's English records the level may be data.
        MineCase{
            "LevelsInAChineseLog",
            {"[07:30:52] [信息] [涂装车间] dft.check hull=H2602 block=F206C min=312μm result=PASS",
             "[07:31:02] [信息] [涂装车间] dft.check hull=H2418 block=U623C min=289μm result=PASS",
             "[07:31:32] [信息] [涂装车间] dft.check hull=H2417 block=B113 min=270μm result=PASS",
             "[07:41:27] [警告] [涂装车间] dft.check hull=H2602 block=B129P min=88μm result=FAIL",
             "[07:49:59] [警告] [涂装车间] dft.check hull=H2602 block=D137C min=96μm result=FAIL"},
            {"3\t[<*>] [信息] [涂装车间] dft.check hull=<*> block=<*> min=<*> result=<*>",
             "2\t[<*>] [警告] [涂装车间] dft.check hull=<*> block=<*> min=<*> result=<*>"}},
        MineCase{
            "LevelsAfterAProgramsTag",
            {"May 12 06:40:46 gds-srv01 gasmon[3320]: <warn> 可燃气体一级报警：探头GD-TF-01 "
             "甲醇浓度35.5%LEL，现场确认人孙杰",
             "May 12 06:41:02 gds-srv01 gasmon[3320]: <warn> 可燃气体一级报警：探头GD-TF-07 "
             "甲醇浓度28.1%LEL，现场确认人郭洋杰",
             "May 12 06:42:40 gds-srv01 gasmon[3320]: <error> 可燃气体二级报警：探头GD-CP-11 "
             "氢气浓度66.1%LEL，现场确认人马娟",
             "May 12 06:43:10 gds-srv01 gasmon[3320]: <warn> 可燃气体一级报警：探头GD-TF-03 "
             "甲醇浓度22.9%LEL，现场确认人高伟",
             "May 12 06:44:15 gds-srv01 gasmon[3320]: <error> 可燃气体二级报警：探头GD-CP-02 "
             "氢气浓度58.4%LEL，现场确认人周平"},
            {"3\t<*> gasmon[<*>]: <warn> 可燃气体一级报警：探头<*> 甲醇浓度<*>，现场确认人<*>",
             "2\t<*> gasmon[<*>]: <error> 可燃气体二级报警：探头<*> 氢气浓度<*>，现场确认人<*>"}},
        // A stamp's level letter, though the text shows the stamp as a value.
        MineCase{
            "LevelLettersOfStamps",
            {"I1121 07:30:13.638524 25100 proctor.cc:412] 考场信息中心-214 收卷完成，已交卷27人",
             "I1121 07:30:23.779974  6384 proctor.cc:598] 考场教学楼A-529 收卷完成，已交卷24人",
             "W1121 07:31:06.733159 28419 proctor.cc:694] 考场信息中心-524 收卷完成，已交卷26人",
             "I1121 07:31:08.748092 27906 proctor.cc:296] 考场综合楼-213 收卷完成，已交卷91人",
             "W1121 07:33:48.317819 22288 proctor.cc:416] 考场教学楼B-116 收卷完成，已交卷43人"},
            {"3\t<*> <*>] 考场<*> 收卷完成，已交卷<*>", "2\t<*> <*>] 考场<*> 收卷完成，已交卷<*>"}},
        MineCase{
            "LevelsInEnglishRecords",
            {"- 1117838570 2005.06.03 R02-M1-N0 RAS KERNEL INFO instruction address: 0x00004ed8",
             "- 1117838571 2005.06.03 R02-M1-N0 RAS KERNEL FATAL instruction address: 0x00004ed9",
             "- 1117838572 2005.06.03 R02-M1-N0 RAS KERNEL FATAL instruction address: 0x00004eda"},
            {"3\t<*> instruction address: <*>"}},
        // A diameter's sign and its number are one value, as a grade's name beside it is.
        MineCase{
            "DiameterInAFieldsValue",
            {"10:00:00 到货入库：入库单RK-2605-30939，药芯焊丝 E71T-1C φ1.2，数量156件，存放焊材库",
             "10:00:01 到货入库：入库单RK-2605-94531，船板 AH36 14mm×2500×12000，数量203件，"
             "存放管材库",
             "10:00:02 到货入库：入库单RK-2605-20312，球扁钢 HP200×10，数量47件，存放焊材库",
             "10:00:03 到货入库：入库单RK-2605-02597，陶瓷衬垫 TG-1.2M，数量206件，存放钢材堆场A区",
             "10:00:04 到货入库：入库单RK-2605-37929，药芯焊丝 E71T-1C φ1.2，数量31件，存放焊材库",
             "10:00:05 到货入库：入库单RK-2605-68201，无缝钢管 Φ89×6，数量275件，存放管材库",
             "10:00:06 到货入库：入库单RK-2605-36265，球扁钢 HP200×10，数量89件，存放焊材库",
             "10:00:07 到货入库：入库单RK-2605-34304，无缝钢管 Φ89×6，数量110件，存放焊材库"},
            {"8\t<*> 到货入库：入库单<*>，<*>，数量<*>，存放<*>材<*>"}},
        // A field more between wide commas whose value ends in its grade's character.
        MineCase{
            "FieldMoreWithAGrade",
            {"10:00:00 NDT报告NDT-0518-4185：焊缝S859C-W092，UT检测2970mm，结论：合格，检测员郑刚",
             "10:00:01 NDT报告NDT-0518-4080：焊缝S764C-W014，UT检测942mm，结论：合格，"
             "评定等级Ⅱ级，检测员郑刚",
             "10:00:02 NDT报告NDT-0518-6091：焊缝S580C-W064，UT检测1859mm，结论：合格，检测员郑刚",
             "10:00:03 NDT报告NDT-0518-0214：焊缝S848C-W056，UT检测1971mm，结论：合格，"
             "评定等级Ⅰ级，检测员郑军",
             "10:00:04 "
             "NDT报告NDT-0518-2983：焊缝S988C-W197，UT检测1895mm，结论：合格，检测员李杰艳",
             "10:00:05 NDT报告NDT-0518-2273：焊缝S732C-W159，UT检测2122mm，结论：合格，"
             "评定等级Ⅰ级，检测员李杰艳"},
            {"6\t<*> NDT报告<*>：焊缝<*>，UT检测<*>，结论：合格，检测员<*>"}},
        // Kinds told apart by text that a value took with what came before it read
        // apart: the text shows after the value.
        MineCase{"KindsAfterAValueAtTheStart",
                 {"05:00:00 [信息] 李娜登录SCADA客户端，终端WS09",
                  "05:00:01 [信息] 王伟退出SCADA客户端，终端WS12",
                  "05:00:02 [信息] 王伟登录SCADA客户端，终端WS17",
                  "05:00:03 [信息] 唐明秀退出SCADA客户端，终端WS15",
                  "05:00:04 [信息] 宋杰登录SCADA客户端，终端WS02",
                  "05:00:05 [信息] 宋杰退出SCADA客户端，终端WS04",
                  "05:00:06 [信息] 罗涛登录SCADA客户端，终端WS16",
                  "05:00:07 [信息] 宋杰退出SCADA客户端，终端WS13",
                  "05:00:08 [信息] 李娜登录SCADA客户端，终端WS04",
                  "05:00:09 [信息] 李娜退出SCADA客户端，终端WS08",
                  "05:00:10 [信息] 唐明秀登录SCADA客户端，终端WS07",
                  "05:00:11 [信息] 赵刚军退出SCADA客户端，终端WS09"},
                 {"6\t<*> [信息] <*>登录SCADA客户端，终端<*>",
                  "6\t<*> [信息] <*>退出SCADA客户端，终端<*>"}},
        MineCase{"KindsInAValueBeforeText",
                 {"06:15:00 门故障：31203301022017075211 关门受阻，楼层27，连续2次",
                  "06:15:01 门故障：31203301022017063574 开门受阻，楼层25，连续5次",
                  "06:15:02 门故障：31203301022017004826 关门受阻，楼层1，连续3次",
                  "06:15:03 门故障：31203301022017086876 开门受阻，楼层19，连续8次",
                  "06:15:04 门故障：31203301022017099579 关门受阻，楼层24，连续6次",
                  "06:15:05 门故障：31203301022017041862 开门受阻，楼层25，连续1次",
                  "06:15:06 门故障：31203301022017035743 关门受阻，楼层16，连续4次",
                  "06:15:07 门故障：31203301022017095659 开门受阻，楼层28，连续7次",
                  "06:15:08 门故障：31203301022017070556 关门受阻，楼层18，连续2次",
                  "06:15:09 门故障：31203301022017025294 开门受阻，楼层19，连续9次",
                  "06:15:10 门故障：31203301022017091687 关门受阻，楼层26，连续5次",
                  "06:15:11 门故障：31203301022017086887 开门受阻，楼层26，连续2次"},
                 {"6\t<*> 门故障：<*> <*>关门受阻，楼层<*>，连续<*>",
                  "6\t<*> 门故障：<*> <*>开门受阻，楼层<*>，连续<*>"}},
        // A value after a label, glued before Chinese text, may be empty on a few lines.
        MineCase{"EmptyValueAfterALabel",
                 {"05-16 17:30:00.261 点歌成功：包厢L16（大包），《The Last Train Home》- Echo "
                  "Lane，队列第7位，来源：点歌屏",
                  "05-16 17:30:05.917 点歌成功：包厢L17（大包），《月光下的单车》- "
                  "周野，队列第10位，来源：小程序远程点歌",
                  "05-16 17:30:06.533 点歌成功：包厢P01 派对包（20人），《故乡的河·2026重制》- "
                  "高远，队列第2位，来源：小程序远程点歌",
                  "05-16 17:30:11.650 点歌成功：包厢M28（中包），《海边的信》- 陈墨 & "
                  "宋然，队列第18位，来源：小程序远程点歌",
                  "05-16 17:30:14.072 点歌成功：包厢L01（大包），《你好，旧时光》- "
                  "唐可，队列第8位，来源：小程序远程点歌",
                  "05-16 17:30:16.189 点歌成功：包厢M06（中包），《你好，旧时光》- "
                  "唐可，队列第17位，来源：微信扫码点歌",
                  "05-16 17:30:26.589 点歌成功：包厢L02（大包），《山海之间 (Remix)》- "
                  "北岸乐队，队列第5位，来源：微信扫码点歌",
                  "05-16 17:30:27.604 点歌成功：包厢V15（豪华包 带卫生间），《Neon Summer》- KiKi "
                  "Tang，队列第25位，来源：点歌屏",
                  "05-16 17:30:46.955 点歌成功：包厢S02 小包（2-4人），《向前走吧》- "
                  "少年合唱团，队列第19位，来源：微信扫码点歌",
                  "05-16 17:30:55.934 点歌成功：包厢M25（中包），《海边的信》- 陈墨 & "
                  "宋然，队列第15位，来源：微信扫码点歌",
                  "05-16 17:31:00.013 点歌成功：包厢P25 派对包（20人），《不说再见》- "
                  "罗嘉，队列第3位，来源：小程序远程点歌",
                  "05-16 17:31:15.705 点歌成功：包厢M17（中包），《月光下的单车》- "
                  "周野，队列第8位，来源：小程序远程点歌"},
                 {"12\t<*> 点歌成功：包厢<*>，《<*>》- <*>，队列第<*>，来源：<*>点歌<*>"}},
        // Groups that read alike are one.
        MineCase{"GroupsThatReadAlike",
                 {"2026-04-17 04:20:48,183 - farmd.mqtt - INFO - [pid 1256|MainThread] "
                  "冷库巡检：1号冷库（-18℃）库温-16.8℃，湿度74%，在库刺参29.81吨",
                  "2026-04-17 04:20:50,568 - farmd.mqtt - INFO - [pid 1241|Worker-6] "
                  "冷库巡检：3号冷库库温-19.4℃，湿度75%，在库大黄鱼5.30吨",
                  "2026-04-17 04:21:59,598 - farmd.mqtt - INFO - [pid 1209|MainThread] "
                  "冷库巡检：1号冷库（-18℃）库温-19.0℃，湿度89%，在库南美白对虾6.76吨",
                  "2026-04-17 04:22:16,095 - farmd.jobs - INFO - [pid 1248|mqtt-loop] "
                  "冷库巡检：保鲜库A（0~4℃）库温2.5℃，湿度83%，在库卵形鲳鲹（金鲳）42.52吨",
                  "2026-04-17 04:23:30,885 - farmd.mqtt - INFO - [pid 1203|mqtt-loop] "
                  "冷库巡检：1号冷库（-18℃）库温-19.9℃，湿度89%，在库海鲈30.23吨",
                  "2026-04-17 04:24:08,568 - farmd.mqtt - INFO - [pid 1238|Worker-14] "
                  "冷库巡检：3号冷库库温-17.5℃，湿度82%，在库卵形鲳鲹（金鲳）17.19吨",
                  "2026-04-17 04:25:28,233 - farmd.mqtt - INFO - [pid 1237|MainThread] "
                  "冷库巡检：3号冷库库温-17.6℃，湿度94%，在库海鲈30.89吨",
                  "2026-04-17 04:25:36,047 - farmd - INFO - [pid 1220|mqtt-loop] "
                  "冷库巡检：3号冷库库温-18.8℃，湿度76%，在库卵形鲳鲹（金鲳）21.84吨",
                  "2026-04-17 04:26:21,196 - farmd.mqtt - INFO - [pid 1254|mqtt-loop] "
                  "冷库巡检：保鲜库A（0~4℃）库温3.1℃，湿度75%，在库海鲈0.87吨",
                  "2026-04-17 04:26:30,822 - farmd - INFO - [pid 1221|mqtt-loop] "
                  "冷库巡检：2号冷库（-25℃速冻）库温-23.2℃，湿度71%，在库梭子蟹7.30吨"},
                 {"10\t<*> - <*> - INFO - [<*>] 冷库巡检：<*>，湿度<*>，在库<*>吨"}},
        // A sign glued after Chinese text is part of a name, which a value takes.
        MineCase{"SignsEndingNames",
                 {"10:00:00 [车道控制] lane signal changed tunnel=\"青岚山隧道（右洞）\" lane=1 "
                  "from=熄灭 to=绿色箭头↓ by=郑军丽 reason=\"事故处置 封闭行车道\"",
                  "10:00:01 [车道控制] lane signal changed tunnel=\"石门二号隧道（上行）\" lane=2 "
                  "from=绿色箭头↓ to=黄色左转箭头 by=赵敏 reason=\"lane closure for maintenance\"",
                  "10:00:02 [车道控制] lane signal changed tunnel=\"栖霞岭特长隧道（左洞）\" "
                  "lane=2 from=黄色左转箭头 to=绿色箭头↓ by=周勇 reason=\"事故处置 封闭行车道\"",
                  "10:00:03 [车道控制] lane signal changed tunnel=\"白鹤坳隧道（左洞）\" lane=1 "
                  "from=绿色箭头↓ to=红叉× by=谢杰 reason=\"traffic incident ahead\"",
                  "10:00:04 [车道控制] lane signal changed tunnel=\"青岚山隧道（右洞）\" lane=1 "
                  "from=熄灭 to=绿色箭头↓ by=郑静秀 reason=\"traffic incident ahead\"",
                  "10:00:05 [车道控制] lane signal changed tunnel=\"青岚山隧道（左洞）\" lane=3 "
                  "from=熄灭 to=黄色左转箭头 by=张娟涛 reason=\"夜间养护 作业结束\"",
                  "10:00:06 [车道控制] lane signal changed tunnel=\"青岚山隧道（左洞）\" lane=3 "
                  "from=熄灭 to=黄色左转箭头 by=周磊明 reason=\"lane closure for maintenance\"",
                  "10:00:07 [车道控制] lane signal changed tunnel=\"栖霞岭特长隧道（左洞）\" "
                  "lane=2 from=黄色左转箭头 to=熄灭 by=梁超娟 reason=\"plan restore\""},
                 {"8\t<*> [车道控制] lane signal changed tunnel=\"<*>\" lane=<*> from=<*> to=<*> "
                  "by=<*> reason=\"<*>\""}},
        // A unit's sign alone is a value where other lines show a unit's name.
        MineCase{"UnitSignAsAPairsValue",
                 {"10:00:00 DCS采集 tag=TIC-1000 PV=80.0 unit=m3/h OUT=0.0% mode=MAN",
                  "10:00:01 DCS采集 tag=TIC-1037 PV=81.0 unit=MPa OUT=7.3% mode=AUT",
                  "10:00:02 DCS采集 tag=TIC-1074 PV=82.0 unit=℃ OUT=14.6% mode=CAS",
                  "10:00:03 DCS采集 tag=TIC-1111 PV=83.0 unit=℃ OUT=21.9% mode=MAN",
                  "10:00:04 DCS采集 tag=TIC-1148 PV=84.0 unit=% OUT=29.2% mode=AUT"},
                 {"5\t<*> DCS采集 tag=<*> PV=<*> unit=<*> OUT=<*> mode=<*>"}},
        // A remark at the end of a few lines, after a place whose name's parts a hyphen
        // joins, is no kind of its own.
        MineCase{
            "RemarkAfterAHyphenatedPlace",
            {"10:00:00 驿站出库：青枫里便民服务站，取件码4-9-2136，收件人郭*，操作员何平",
             "10:00:01 驿站出库：邻格驿站（梧桐路88号），取件码6-8-9516，收件人李*，操作员杨杰超",
             "10:00:02 驿站出库：校园驿站-东区食堂旁，取件码2-1-7687，收件人何*，操作员孙娟",
             "10:00:03 驿站出库：社区快件服务站，取件码5-9-3839，收件人张*，操作员郑超秀",
             "10:00:04 驿站出库：青枫里便民服务站，取件码4-8-8863，收件人郭*，操作员张伟",
             "10:00:05 驿站出库：邻格驿站（梧桐路88号），取件码9-8-6506，收件人李*，操作员王洋平",
             "10:00:06 驿站出库：校园驿站-东区食堂旁，取件码3-4-2484，收件人何*，操作员何平",
             "10:00:07 驿站出库：社区快件服务站，取件码9-7-0248，收件人张*，操作员杨杰超",
             "10:00:12 驿站出库：校园驿站-东区食堂旁，取件码2-6-0476，收件人黄*，操作员张伟，"
             "代收点备注：本人不在，邻居代领"},
            {"9\t<*> 驿站出库：<*>站<*>，取件码<*>，收件人<*>*，操作员<*>"}},
        // There an access record's method takes the place of a word, also where its
        // groups show the address and the token as one value or two.
        MineCase{
            "AccessMethodsWhateverTheValuesBefore",
            {"[2026年03月14日 08:30:16] 〔信息〕【门户网关@nt-app-02】10.20.4.165 oWxbqbBjcYkEXJVD "
             "\"GET /api/v1/archive/2026-sw-91102/pages?page=34 HTTP/1.1\" 200 42680 39ms",
             "[2026年03月14日 08:30:23] 〔信息〕【门户网关@nt-app-01】10.20.3.222 oWxhRP2_AeNMqNft "
             "\"GET /api/v2/case/AJ2026030509248/progress HTTP/1.1\" 200 3178 855ms",
             "[2026年03月14日 08:40:56] 〔信息〕【门户网关@nt-app-02】145.110.80.140 "
             "oWxmZeXszxdKvVj_ "
             "\"GET /api/v1/archive/2026-sw-06795/pages?page=30 HTTP/1.1\" 200 5925 26ms",
             "[2026年03月14日 08:30:55] 〔信息〕【门户网关@nt-app-01】10.20.4.236 oWxeeW5-KUzFJMZd "
             "\"POST /api/v2/appointment HTTP/1.1\" 201 36948 417ms",
             "[2026年03月14日 08:31:39] 〔信息〕【门户网关@nt-app-02】10.20.6.17 oWx_Bz_YSWrgVxta "
             "\"POST /api/v2/appointment HTTP/1.1\" 201 6148 703ms",
             "[2026年03月14日 08:31:49] 〔信息〕【门户网关@nt-app-01】216.160.216.226 GZ1065 "
             "\"POST /api/v2/fee/quote HTTP/1.1\" 200 22543 459ms",
             "[2026年03月14日 08:31:45] 〔信息〕【门户网关@nt-app-01】10.20.3.183 - "
             "\"DELETE /api/v2/material/M51235543 HTTP/1.1\" 204 0 458ms",
             "[2026年03月14日 08:32:38] 〔信息〕【门户网关@nt-app-03】10.20.4.56 oWx8drMWEcxwChbN "
             "\"DELETE /api/v2/material/M40827086 HTTP/1.1\" 204 0 108ms",
             "[2026年03月14日 08:35:14] 〔信息〕【门户网关@nt-app-02】10.20.3.210 GZ1037 "
             "\"DELETE /api/v2/material/M60913164 HTTP/1.1\" 204 0 322ms",
             "[2026年03月14日 08:30:00] "
             "〔信息〕【取号机5@nt-app-01】取号成功：号码D231（企业及经济合同），"
             "前面还有30人，预计等待约83分钟，手机尾号3439"},
            {"9\t[<*>] 〔信息〕【门户网关<*>】<*> \"<*> <*>\" <*>",
             "1\t[<*>] "
             "〔信息〕【取号机<*>】取号成功：号码<*>，前面还有<*>，预计等待约<*>，手机尾号<*>"}},
        // In a log with Chinese text a pair's word is data, even where two take turns.
        MineCase{"PairWordsInAChineseLog",
                 {"10:00:01 用户张三登录成功", "10:00:02 playback start room=a1 track=original",
                  "10:00:03 playback start room=a2 track=original",
                  "10:00:04 playback start room=a3 track=accomp",
                  "10:00:05 playback start room=a4 track=accomp"},
                 {"4\t<*> playback start room=<*> track=<*>", "1\t<*> 用户张三登录成功"}},
        // There a pair more is optional, its value in Chinese brackets too.
        MineCase{"PairInChineseBracketsMoreInAChineseLog",
                 {"10:00:01 用户张三登录成功",
                  "10:00:02 qrcode ride ok: channel=ALIPAY route=W7 fare=1.80 order_no=QR20265",
                  "10:00:03 qrcode ride ok: channel=UNIONPAY route=56 fare=2.00 order_no=QR20266",
                  "10:00:04 qrcode ride ok: channel=DC_EP route=312Q fare=3.00 order_no=QR20267 "
                  "coupon=「绿色出行券」"},
                 {"3\t<*> qrcode ride ok: channel=<*> route=<*> fare=<*> order_no=<*>",
                  "1\t<*> 用户张三登录成功"}},
        // Lines group by their message: the header's logger does not decide, and the
        // pattern keeps what the headers share.
        MineCase{"HeadersDoNotDecide",
                 {"2026-12-01 10:00:01,001 INFO [main] a.B: 任务同步开始",
                  "2026-12-01 10:00:02,002 INFO [main] a.C: 任务同步开始",
                  "2026-12-01 10:00:03,003 INFO [main] a.B: jetty started"},
                 {"2\t<*> INFO [main] <*>: 任务同步开始", "1\t<*> INFO [main] a.B: jetty started"}},
        MineCase{"MissingValueAndEqualCountsInOrderOfFirstAppearance",
                 {"connection from 1.2.3.4 () at 10:00:01", "session closed for user news",
                  "connection from 1.2.3.5 (host5.example.net) at 10:00:02",
                  "session closed for user cyrus", "cupsd startup succeeded"},
                 {"2\tconnection from <*> (<*>) at <*>", "2\tsession closed for user <*>",
                  "1\tcupsd startup succeeded"}},
        // Optional fields: a bracketed value, further values of a list and a pair after
        // a comma may be missing; a value takes brackets glued to it; a pair more after a
        // blank is another kind, but in a log with Chinese text a pair that may be missing.
        MineCase{"OptionalFields",
                 {"close, 1432 bytes sent, 2093 bytes (2.04 KB) received, lifetime 00:01",
                  "close, 403 bytes sent, 5 bytes received, lifetime <1 sec",
                  "close, 9 bytes (9.0 KB) sent, 7 bytes received, lifetime 00:02", "IRQs 3 4 5 7",
                  "IRQs 3 4", "synchronized to 10.0.0.1, stratum 3",
                  "synchronized to LOCAL(0), stratum 10", "failure; rhost=a.cn user=root",
                  "failure; rhost=b.cn", "checked fpdm=011 jym=503, cnt=2",
                  "checked fpdm=033 jym=635", "checked fpdm=012 jym=214"},
                 {"3\tclose, <*> bytes sent, <*> bytes (<*>) received, lifetime <*>",
                  "3\tchecked fpdm=<*> jym=<*>", "2\tIRQs <*> <*> <*> <*>",
                  "2\tsynchronized to <*>, stratum <*>", "1\tfailure; rhost=<*> user=<*>",
                  "1\tfailure; rhost=<*>"}},
        MineCase{"OptionalPairsInAChineseLog",
                 {"收到简历 id=7 src=内推 cand=张三 ref=李四", "收到简历 id=8 src=官网 cand=王五",
                  "收到简历 id=9 src=猎头 cand=赵六", "收到简历 id=10 src=官网 cand=孙七 ref=周八",
                  "failure; rhost=a.cn user=root", "failure; rhost=b.cn"},
                 {"4\t收到简历 id=<*> src=<*> cand=<*> ref=<*>", "2\tfailure; rhost=<*> user=<*>"}},
        // Pairs after a value's optional brackets are as optional as after the value.
        MineCase{
            "PairsAfterOptionalBrackets",
            {"transcode job=TC-WEB-00057 profile=\"MPEG-2 576i\" cost=1793.1s，第2次重试成功",
             "encoder stats: enc=ENC-06(澜图 LT-3100（双路）) ch=CH07 bitrate=18.51Mbps gop=12",
             "encoder stats: enc=ENC-10(StreamPeak SP-4K20) ch=CH03 bitrate=8.92Mbps gop=50",
             "encoder stats: enc=ENC-21(HL-E8600 Pro) ch=CH09 bitrate=11.69Mbps gop=50"},
            {"3\tencoder stats: enc=<*>(<*> <*>) ch=<*> bitrate=<*> gop=<*>",
             "1\ttranscode job=<*> profile=\"<*>\" cost=<*>，第<*>重试成功"}},
        // A pair's key that differs tells Latin messages of a log with Chinese text apart.
        MineCase{
            "PairKeyInALogWithChinese",
            {"[2026年05月09日 07:31:15] [信息] [消息中心] sms notify sent: "
             "template=DELIVERY_ETA to=185****7074 order=XDSH14005050778 bizId=804684185743366",
             "[2026年05月09日 07:31:36] [信息] [消息中心] sms notify sent: "
             "template=PICKUP_READY to=183****8236 order=XDHZ06605041353 bizId=481302571018107",
             "[2026年05月09日 07:31:46] [信息] [消息中心] sms notify sent: "
             "template=PICKUP_READY to=154****0090 order=XDHZ06605021240 bizId=940890145987166",
             "[2026年05月09日 07:31:51] [信息] [消息中心] sms notify sent: "
             "template=OVERDUE_REMIND to=184****6105 order=XDWX01905061592 bizId=644623828373576",
             "[2026年05月09日 07:31:54] [警告] [消息中心] sms notify failed: "
             "template=DELIVERY_ETA to=158****6912 order=XDSZ02305012669 "
             "err=isv.BUSINESS_LIMIT_CONTROL"},
            {"4\t[<*>] [信息] [消息中心] sms notify sent: template=<*> to=<*> order=<*> bizId=<*>",
             "1\t[<*>] [警告] [消息中心] sms notify failed: template=<*> to=<*> order=<*> "
             "err=<*>"}},
        // So is a remark in Chinese in brackets after a blank.
        MineCase{"RemarkInBracketsInAChineseLog",
                 {"开始播出：频道「音乐之声 FM103.8」节目《周末剧场《雾港》》，素材ID=news07_a",
                  "开始播出：频道「交通广播 FM99.6」节目《云江新闻联播》，素材ID=news16_b",
                  "开始播出：频道「少儿频道（标清）」节目《周末剧场《雾港》》 [直播]，素材ID=V2026",
                  "开始播出：频道「4K超高清试验频道」节目《纪录片·江河万里 第2集》，素材ID=AD_0467",
                  "开始播出：频道「新闻综合频道」节目《纪录片·江河万里 第2集》 [直播]，素材ID=n22",
                  "开始播出：频道「新闻综合频道」节目《纪录片·江河万里 第2集》，素材ID=V2012"},
                 {"6\t开始播出：频道「<*>」节目《<*>》，素材ID=<*>"}},
        // And a field more between wide commas.
        MineCase{"FieldBetweenCommasInAChineseLog",
                 {"广告素材校验通过：素材ID=news08_v2，客户「云江农商银行」，时长00:00:15:00",
                  "广告素材校验通过：素材ID=PGM-27E125，客户「蓝鲸保险」，时长00:00:30:00",
                  "广告素材校验通过：素材ID=AD_2603_1759，客户「百禾药业（OTC）」，版本A，时长00:"
                  "00:15:00",
                  "广告素材校验通过：素材ID=news13_a，客户「鑫达汽车」，版本B，时长00:00:05:00",
                  "广告素材校验通过：素材ID=news11_a，客户「鑫达汽车」，时长00:00:05:00"},
                 {"5\t广告素材校验通过：素材ID=<*>，客户「<*>」，时长<*>"}},
        // Or a label with a colon.
        MineCase{
            "FieldWithAColonBetweenCommas",
            {"衣物挂签：条码HZ03103，品类「羊毛大衣」，卡其，洗护方式《干洗》",
             "衣物挂签：条码NJ00819-2，品类「婚纱（拖尾）」，花色（多色），洗护方式《特殊洗护》",
             "衣物挂签：条码NB00472-R，品类「羊毛大衣」，花色（多色），品牌：Vanterra，"
             "洗护方式《干洗》",
             "衣物挂签：条码HZ03199-R，品类「貂皮大衣」，米白，品牌：Vanterra，"
             "洗护方式《皮草护理》",
             "衣物挂签：条码HZ03195，品类「T恤」，米白，洗护方式《水洗》"},
            {"5\t衣物挂签：条码<*>，品类「<*>」，<*>，洗护方式《<*>》"}},
        // A remark in brackets holds its own punctuation.
        MineCase{
            "LabelInARemark",
            {"10:00:01 受理登记：案号A1001，当事人：张三，承办人：李四",
             "10:00:02 受理登记：案号A1002，当事人：王五、赵六，承办人：陈七",
             "10:00:03 "
             "受理登记：案号A1003，当事人：青禾农业合作社（法定代表人：马洋），承办人：刘一",
             "10:00:04 受理登记：案号A1004，当事人：周八，承办人：黄二",
             "10:00:05 受理登记：案号A1005，当事人：孙九，承办人：林三",
             "10:00:06 受理登记：案号A1006，当事人：恒远物业有限公司（法定代表人：谢芳）、吴十，"
             "承办人：何五",
             "10:00:07 受理登记：案号A1007，当事人：郑一，承办人：高六"},
            {"7\t<*> 受理登记：案号<*>，当事人：<*>，承办人：<*>"}},
        // In a log with Chinese text a word of capitals is a value, in its English lines too.
        MineCase{
            "MethodsInAChineseLog",
            {"10:00:01 [web] 用户张三登录成功",
             "10:00:02 access from 10.0.0.1 \"GET /api/case/1 HTTP/1.1\" 200 5ms",
             "10:00:03 access from 10.0.0.2 \"POST /api/fee HTTP/1.1\" 201 7ms",
             "10:00:04 access from 10.0.0.3 \"DELETE /api/file/7 HTTP/1.1\" 204 3ms",
             "10:00:05 access from 10.0.0.4 \"GET /api/slots HTTP/1.1\" 200 9ms",
             "10:00:06 access from 10.0.0.5 \"POST /api/case HTTP/1.1\" 201 4ms",
             "10:00:07 access from 10.0.0.6 \"DELETE /api/file/9 HTTP/1.1\" 204 2ms"},
            {"6\t<*> access from <*> \"<*> <*> <*>\" <*> <*>", "1\t<*> [web] 用户张三登录成功"}},
        // A size's sign is a name's, as a list's commas are.
        MineCase{"SizeInAName",
                 {"耗材库存不足：防尘罩（大号）剩余373个，低于警戒值1131个，请向沪东化工补货",
                  "耗材库存不足：衣领净剩余13瓶，低于警戒值30瓶，请向鑫达包装补货",
                  "耗材库存不足：水洗标签纸 50mm×25mm剩余4卷，低于警戒值17卷，请向沪东化工补货"},
                 {"3\t耗材库存不足：<*>剩余<*>，低于警戒值<*>，请向<*>补货"}},
        // And so is a unit's number sign.
        MineCase{"NumberSignInAName",
                 {"【20260903-135135】[后道车间][提示] 油墨领用：罗兰 R706领用天龙 光油 11.2kg，"
                  "批号260601628，领用人朱敏",
                  "【20260903-135411】[胶印车间][提示] 油墨领用：罗兰 R706领用东洋 快干黑 3.4kg，"
                  "批号260524254，领用人杨军",
                  "【20260903-135449】[柔印车间][提示] 油墨领用：2# 海德堡 SM52领用洋紫荆 UV "
                  "油墨（青） 22.0kg，批号260524215，领用人杨涛",
                  "【20260903-135519】[制版室][提示] 油墨领用：海德堡 XL106-8+L领用杭华 胶印 品红 "
                  "21.4kg，批号260714493，领用人吴芳涛"},
                 {"4\t<*> 油墨领用：<*>领用<*>，批号<*>，领用人<*>"}},
        // Text in Chinese quotes is one value, whatever blanks and punctuation it holds.
        MineCase{
            "QuotedTextWithBlanksAndSigns",
            {"【质检】条码WX0196119255-R「T恤」质检结果：合格，质检员何明艳（工号7789）",
             "【质检】条码NJ0080544573「真丝连衣裙」质检结果：合格，质检员王伟军（工号5088）",
             "【质检】条码NB0040407068-2「窗帘 2.8m×2.6m」质检结果：合格，质检员徐洋军（工号5690）",
             "【质检】条码HZ0578186719「西装上衣」质检结果：合格，质检员朱敏洋（工号5549）",
             "【质检】条码NJ0080616594-R「窗帘 2.8m×2.6m」质检结果：合格，质检员徐娜（工号7061）"},
            {"5\t【质检】条码<*>「<*>」质检结果：合格，质检员<*>"}},
        // A pair's word in a message with Chinese text is a value.
        MineCase{"PairWordsInChineseMessages",
                 {"背调报告已返回 task=BGC-1 result=clear 用时3天",
                  "背调报告已返回 task=BGC-2 result=consider 用时5天",
                  "背调报告已返回 task=BGC-3 result=clear 用时8天",
                  "背调报告已返回 task=BGC-4 result=suspended 用时2天",
                  "背调报告已返回 task=BGC-5 result=consider 用时1天"},
                 {"5\t背调报告已返回 task=<*> result=<*> 用时<*>"}},
        // A word between blanks that differs says what happened; one glued to Chinese
        // text is a name.
        MineCase{"WordsOfASentenceAndNamesInChinese",
                 {"Instance spawned successfully.", "Instance destroyed successfully.",
                  "同步表t_user新增3行", "同步表t_order新增5行"},
                 {"2\t同步表<*>新增<*>", "1\tInstance spawned successfully.",
                  "1\tInstance destroyed successfully."}},
        // A Latin name with its own dots and commas stands where a Chinese one does.
        MineCase{
            "LatinNameWithDotsAndCommas",
            {"报关单申报成功：编号I1，申报单位：临江跨境电子商务有限公司，监管方式：保税电商",
             "报关单申报成功：编号I2，申报单位：梅山进出口贸易有限公司，监管方式：一般贸易",
             "报关单申报成功：编号I3，申报单位：Hengtong Global Logistics Co., Ltd.，监管方式："
             "保税电商"},
            {"3\t报关单申报成功：编号<*>，申报单位：<*>，监管方式：<*>"}},
        // A list of results with their flags is one value, however long.
        MineCase{"AListOfFlaggedResults",
                 {"危急值：杨强勇，AST 194.6↑、TSH 267.4↑、PLT 238.8↑、K 207.4↑，已电话通知急诊",
                  "危急值：孙明秀，AST 125.5↑、Na 110.6↑，已电话通知体检中心",
                  "危急值：郭敏娜，GLU 276.0↑、TSH 70.8↑，已电话通知门诊",
                  "危急值：刘芳霞，AST 7.2↑、CREA 164.7↑、K 2.1↓，已电话通知体检中心"},
                 {"4\t危急值：<*>，<*>，已电话通知<*>"}},
        // A list in brackets is one value however many items the sentence comma divides.
        MineCase{
            "ABracketedListOfOneItemOrMore",
            {"反欺诈模型预警：案件LP269449940风险评分25，命中规则["
             "夜间单车事故，高频就诊，出险时间临近生效日]",
             "反欺诈模型预警：案件LP266527831风险评分25，命中规则[高频就诊，夜间单车事故]",
             "反欺诈模型预警：案件LP260789112风险评分83，命中规则[夜间单车事故]",
             "反欺诈模型预警：案件LP261952921风险评分99，命中规则[高频就诊]",
             "反欺诈模型预警：案件LP261952922风险评分91，命中规则[出险时间临近生效日，高频就诊]",
             "反欺诈模型预警：案件LP261952923风险评分12，命中规则["
             "高频就诊，出险时间临近生效日，夜间单车事故]"},
            {"6\t反欺诈模型预警：案件<*>风险评分<*>，命中规则[<*>，<*>，<*>]"}},
        // Names of organisations of a few kinds, most with the same ending: one pattern.
        MineCase{
            "KindsOfOrganisationsMostWithOneEnding",
            {"企业备案通过：甬江报关行（普通合伙），海关编码0104916192，统一社会信用代码91330106B36"
             "JMWDJ6F，企业类型：跨境电商企业",
             "企业备案通过：鹤山 "
             "海淘供应链管理有限公司，海关编码2248825888，统一社会信用代码91330206MCJDCAUKJP，企业"
             "类型：进出口货物收发货人",
             "企业备案通过：北湖保税仓储有限公司，海关编码3104214109，统一社会信用代码91330106MJ1B2"
             "2P39A，企业类型：电商平台企业",
             "企业备案通过：甬江报关行（普通合伙），海关编码5316233316，统一社会信用代码91310115BPT"
             "579N4BF，企业类型：报关企业",
             "企业备案通过：Hengtong Global Logistics Co., "
             "Ltd.，海关编码5316923424，统一社会信用代码91440300N48WPB2CF0，企业类型：报关企业",
             "企业备案通过：云溪优选国际贸易（香港）有限公司，海关编码3104882722，统一社会信用代码9"
             "1310115P9JRK8PM1Q，企业类型：支付企业",
             "企业备案通过：鹤山 "
             "海淘供应链管理有限公司，海关编码2901332058，统一社会信用代码91330206BUNE3DRM48，企业"
             "类型：跨境电商企业",
             "企业备案通过：云溪优选国际贸易（香港）有限公司，海关编码2248181198，统一社会信用代码9"
             "13302060U0M2T2WU4，企业类型：报关企业",
             "企业备案通过：临江跨境电子商务有限公司，海关编码2225813576，统一社会信用代码91440300P"
             "359PDGQY4，企业类型：跨境电商企业",
             "企业备案通过：梅山进出口贸易有限公司，海关编码5316937133，统一社会信用代码91440300LG5"
             "P5RXGJ4，企业类型：进出口货物收发货人",
             "企业备案通过：临江跨境电子商务有限公司，海关编码2901638610，统一社会信用代码91440300H"
             "79GU9CGHA，企业类型：电商平台企业",
             "企业备案通过：云溪优选国际贸易（香港）有限公司，海关编码2225610045，统一社会信用代码9"
             "1440300TGXLQ06T2Q，企业类型：进出口货物收发货人"},
            {"12\t企业备案通过：<*>，海关编码<*>，统一社会信用代码<*>，企业类型：<*>"}},
        // The first two names share their family name: what happened to them still forks.
        MineCase{"TwoNamesOfOneFamilyFirst",
                 {"用户徐强军退出MES系统", "用户徐军登录MES系统", "用户王艳退出MES系统",
                  "用户马洋登录MES系统", "用户周秀霞登录MES系统", "用户张静退出MES系统",
                  "用户陈军登录MES系统", "用户张伟登录MES系统", "用户朱伟登录MES系统",
                  "用户王娟退出MES系统", "用户刘丽敏退出MES系统", "用户胡秀敏退出MES系统"},
                 {"6\t用户<*>退出MES系统", "6\t用户<*>登录MES系统"}},
        // Names that begin the message, what happened to them after: the first ones alike.
        MineCase{"NamesFirstThenWhatHappened",
                 {"何娜明退出SCADA客户端，终端WS01", "郑明伟退出SCADA客户端，终端WS05",
                  "赵秀退出SCADA客户端，终端WS02", "孙霞杰退出SCADA客户端，终端WS09",
                  "杨勇登录SCADA客户端，终端WS01", "孙明登录SCADA客户端，终端WS08",
                  "马伟退出SCADA客户端，终端WS12", "张丽登录SCADA客户端，终端WS03"},
                 {"5\t<*>退出SCADA客户端，终端<*>", "3\t<*>登录SCADA客户端，终端<*>"}},
        // The first two lines differ in a field's names; the word that tells what happened
        // differs later, and is where the pattern forks.
        MineCase{
            "NamesOfAFieldFirstThenWhatHappened",
            {"集卡浙D8R2L2进闸，闸口：西区智能闸，箱号XMGU7188610，箱型40OT，预约号YY2027031884273",
             "集卡沪DCLRJ2进闸，闸口：东区卡口，箱号QDSU5786641，箱型40HC，预约号YY2027031902178",
             "集卡津D8ZWYY出闸，闸口：西区智能闸，箱号QDSU3007254，箱型20RF，预约号YY2027031923902",
             "集卡浙GLZ6T0出闸，闸口：东区卡口，箱号QNZU8873292，箱型40OT，预约号YY2027031962022",
             "集卡辽CYSDXH进闸，闸口：2号进口闸，箱号QNZU3185419，箱型40OT，预约号YY2027031874034",
             "集卡粤F694MJ出闸，闸口：3号出口闸，箱号QNZU1536746，箱型40RH，预约号YY2027031890588"},
            {"3\t集卡<*>进闸，闸口：<*>，箱号<*>，箱型<*>，预约号<*>",
             "3\t集卡<*>出闸，闸口：<*>，箱号<*>，箱型<*>，预约号<*>"}},
        // Two fields differ first, a name and a result; the word that tells what happened
        // differs next, while the result still holds its first two texts.
        MineCase{
            "FieldsFirstThenWhatHappened",
            {"远程开阀 DN600-V0794，操作员高霞，结果：超时",
             "远程开阀 DN200-V0820，操作员朱明，结果：阀位不符",
             "远程关阀 DN200-V1521，操作员李刚涛，结果：超时",
             "远程开阀 DN400-V2835，操作员张军明，结果：拒绝",
             "远程关阀 DN300-V0602，操作员李秀，结果：超时",
             "远程开阀 DN400-V2155，操作员赵磊，结果：超时",
             "远程开阀 DN600-V2194，操作员胡明，结果：成功",
             "远程开阀 DN400-V0339，操作员谢明，结果：成功"},
            {"6\t远程开阀 <*>，操作员<*>，结果：<*>", "2\t远程关阀 <*>，操作员<*>，结果：<*>"}},
        // A reason first held two texts, then Latin text ("CO浓度上升") on the line where what
        // happened first differs: that line forks the pattern.
        MineCase{"LatinTextAtAReasonThenWhatHappened",
                 {"栖霞岭特长隧道（右洞）射流风机JF-Z-"
                  "09远程停止成功，控制方式：手动（中控），操作员梁娟秀，原因：定时换气",
                  "白鹤坳隧道（左洞）射流风机JF-Y-"
                  "09远程停止成功，控制方式：时间表，操作员宋超，原因：养护作业需要",
                  "石门二号隧道（上行）射流风机JF-Z-"
                  "09远程停止成功，控制方式：手动（中控），操作员朱艳，原因：养护作业需要",
                  "白鹤坳隧道（左洞）射流风机JF-Y-"
                  "23远程停止成功，控制方式：时间表，操作员吴强明，原因：定时换气",
                  "青岚山隧道（右洞）射流风机JF-Y-"
                  "08远程启动成功，控制方式：手动（中控），操作员郑霞，原因：CO浓度上升",
                  "白鹤坳隧道（左洞）射流风机JF-Z-"
                  "07远程启动成功，控制方式：手动（中控），操作员林秀，原因：交通量增大（晚高峰）"},
                 {"4\t<*>隧道<*>射流风机<*>远程停止成功，控制方式：<*>，操作员<*>，原因：<*>",
                  "2\t<*>隧道<*>射流风机<*>远程启动成功，控制方式：<*>，操作员<*>，原因：<*>"}},
        // The places that differed first both take a third text on the line where what
        // happened differs: that line forks the pattern.
        MineCase{
            "FieldsTurnValuesWhereWhatHappenedDiffers",
            {"远程关阀 DN400-V0356，操作员罗杰超，结果：超时",
             "远程关阀 DN200-V2168，操作员周刚强，结果：拒绝",
             "远程开阀 DN400-V2304，操作员唐超涛，结果：成功",
             "远程关阀 DN300-V1031，操作员唐勇静，结果：拒绝",
             "远程关阀 DN200-V1471，操作员刘丽，结果：拒绝",
             "远程关阀 DN200-V0967，操作员徐芳，结果：阀位不符",
             "远程开阀 DN300-V2767，操作员何丽，结果：超时",
             "远程关阀 DN200-V1568，操作员朱霞，结果：超时"},
            {"6\t远程关阀 <*>，操作员<*>，结果：<*>", "2\t远程开阀 <*>，操作员<*>，结果：<*>"}},
        // A kind of machine and a trigger differ first; what was done to the machine, next.
        MineCase{"KindsOfMachineFirstThenWhatWasDone",
                 {"会话BF37>增氧机10#叶轮式增氧机已关闭（高位池G-"
                  "04），触发方式：溶氧联动，当前溶氧7.96mg/L",
                  "会话994B>增氧机6#"
                  "水车式增氧机已关闭（漳浦11号塘），触发方式：手动（APP），当前溶氧8.44mg/L",
                  "会话7077>增氧机4#"
                  "叶轮式增氧机已开启（东山48号塘），触发方式：定时策略（夜间），当前溶氧7.25mg/L",
                  "会话D4BF>增氧机4#叶轮式增氧机已开启（高位池G-"
                  "09），触发方式：定时策略（夜间），当前溶氧6.81mg/L",
                  "会话E0F2>增氧机3#水车式增氧机已开启（车间4-"
                  "34池），触发方式：手动（现场按钮），当前溶氧3.67mg/L",
                  "会话A30E>增氧机微孔增氧 "
                  "B04已开启（C区28号池），触发方式：定时策略（夜间），当前溶氧4.61mg/L",
                  "会话C444>增氧机微孔增氧 "
                  "C02已开启（高位池G-18），触发方式：手动（现场按钮），当前溶氧8.43mg/L",
                  "会话2D7B>增氧机6#水车式增氧机已关闭（车间1-"
                  "05池），触发方式：手动（现场按钮），当前溶氧7.57mg/L",
                  "会话2D58>增氧机微孔增氧 "
                  "B17已关闭（车间2-03池），触发方式：定时策略（夜间），当前溶氧7.76mg/L",
                  "会话C22E>增氧机1#叶轮式增氧机已开启（高位池G-"
                  "08），触发方式：手动（APP），当前溶氧7.12mg/L"},
                 {"6\t会话<*>>增氧机<*>已开启<*>，触发方式：<*>，当前溶氧<*>",
                  "4\t会话<*>>增氧机<*>已关闭<*>，触发方式：<*>，当前溶氧<*>"}},
        // Kinds of waste in brackets, most with one ending: one pattern.
        MineCase{
            "KindsInBracketsMostWithOneEnding",
            {"满溢告警：桶号TB27583（装修垃圾）满溢度83%超过阈值80%，已生成清运任务SY2026031810910",
             "满溢告警：桶号TB18656（装修垃圾）满溢度81%超过阈值80%，已生成清运任务SY2026031871472",
             "满溢告警：桶号TB10337（可回收物）满溢度90%超过阈值80%，已生成清运任务SY2026031867656",
             "满溢告警：桶号TB00923（有害垃圾）满溢度82%超过阈值80%，已生成清运任务SY2026031853811",
             "满溢告警：桶号TB11453（有害垃圾）满溢度94%超过阈值80%，已生成清运任务SY2026031892954",
             "满溢告警：桶号TB03731（可回收物）满溢度89%超过阈值80%"
             "，已生成清运任务SY2026031899545"},
            {"6\t满溢告警：桶号<*>（<*>）满溢度<*>超过阈值<*>，已生成清运任务<*>"}},
        // Kinds of waste after a label at the message's end, most with one ending: one pattern.
        MineCase{"KindsAfterALabelMostWithOneEnding",
                 {"【环卫监管】2026年03月18日 04:25:07 ［信息］ 模块：分类督导 | "
                  "地磅称重：高新区大件垃圾拆解点 "
                  "2号地磅，车牌浙B·H0919，毛重20.88吨，皮重12.92吨，净重7.96吨，品类：大件垃圾",
                  "【环卫监管】2026年03月18日 04:25:11 ［信息］ 模块：末端处置 | "
                  "地磅称重：梅陇生活垃圾中转站（2号压缩线） "
                  "2号地磅，车牌浙B·K9575，毛重12.22吨，皮重9.85吨，净重2.37吨，品类：大件垃圾",
                  "【环卫监管】2026年03月18日 04:25:27 ［信息］ 模块：分类督导 | "
                  "地磅称重：临港湿垃圾处理厂 "
                  "4号地磅，车牌沪A·G9854，毛重15.44吨，皮重12.66吨，净重2.78吨，品类：可回收物",
                  "【环卫监管】2026年03月18日 04:25:34 ［信息］ 模块：智能桶站 | "
                  "地磅称重：城北再生资源分拣中心 "
                  "1号地磅，车牌苏B·F4897，毛重23.93吨，皮重12.43吨，净重11.50吨，品类：其他垃圾",
                  "【环卫监管】2026年03月18日 04:25:53 ［信息］ 模块：分类督导 | "
                  "地磅称重：城北再生资源分拣中心 "
                  "3号地磅，车牌浙A·H2557，毛重30.93吨，皮重14.48吨，净重16.45吨，品类：有害垃圾",
                  "【环卫监管】2026年03月18日 04:25:59 ［信息］ 模块：分类督导 | "
                  "地磅称重：高新区大件垃圾拆解点 "
                  "4号地磅，车牌沪F·G5400，毛重20.38吨，皮重15.33吨，净重5.05吨，品类：可回收物",
                  "【环卫监管】2026年03月18日 04:26:10 ［信息］ 模块：热线工单 | "
                  "地磅称重：城北再生资源分拣中心 "
                  "4号地磅，车牌苏D·G4257，毛重28.08吨，皮重14.57吨，净重13.51吨，品类：其他垃圾",
                  "【环卫监管】2026年03月18日 04:26:34 ［信息］ 模块：末端处置 | "
                  "地磅称重：城北再生资源分拣中心 "
                  "4号地磅，车牌苏A·D9057，毛重24.04吨，皮重14.95吨，净重9.09吨，品类：装修垃圾",
                  "【环卫监管】2026年03月18日 04:26:43 ［信息］ 模块：热线工单 | "
                  "地磅称重：高新区大件垃圾拆解点 "
                  "4号地磅，车牌浙B·D8256，毛重22.65吨，皮重11.33吨，净重11.32吨，品类：装修垃圾",
                  "【环卫监管】2026年03月18日 04:26:44 ［信息］ 模块：末端处置 | "
                  "地磅称重：城北再生资源分拣中心 "
                  "1号地磅，车牌沪B·K9299，毛重21.55吨，皮重14.75吨，净重6.80吨，品类：有害垃圾"},
                 {"10\t<*>号地磅，车牌<*>，毛重<*>吨，皮重<*>吨，净重<*>吨，品类：<*>"}},
        // A name and a city after the title's colon differ first; the title's word, next.
        MineCase{"FieldsAfterTheTitleFirstThenItsWord",
                 {"社保减员成功：谢娟平，参保地成都，缴费基数39115.34元",
                  "社保减员成功：郭芳洋，参保地北京，缴费基数48503.72元",
                  "社保增员成功：孙敏敏，参保地成都，缴费基数10065.42元",
                  "社保减员成功：赵平，参保地上海，缴费基数30284.59元",
                  "社保增员成功：胡霞，参保地杭州，缴费基数16888.61元"},
                 {"3\t社保减员成功：<*>，参保地<*>，缴费基数<*>",
                  "2\t社保增员成功：<*>，参保地<*>，缴费基数<*>"}},
        // One tank named two ways in two messages: its names are values.
        MineCase{"ANameWrittenTwoWaysInTwoMessages",
                 {"液位仪上报 4号罐（98#，20立方）：油高=1691.0mm, 水高=11.4mm, 库存=13038.1L",
                  "液位仪上报 1号罐（92#，30立方）：油高=781.5mm, 水高=16.4mm, 库存=9202.1L",
                  "液位仪上报 T6 双层罐（-10#柴油）：油高=1202.6mm, 水高=1.2mm, 库存=14044.0L",
                  "液位仪上报 T6 双层罐（-10#柴油）：油高=2309.1mm, 水高=10.0mm, 库存=26988.9L",
                  "低库存预警：3号罐（95#，30立方）当前库存2610.2L，已生成要货计划YH260315302",
                  "低库存预警：1号罐（92#，30立方）当前库存3113.9L，已生成要货计划YH260315197",
                  "低库存预警：T6 双层罐（-10#柴油）当前库存2687.3L，已生成要货计划YH260315366",
                  "低库存预警：T6 双层罐（-10#柴油）当前库存2260.0L，已生成要货计划YH260315019"},
                 {"4\t液位仪上报 <*>号罐（<*>#，<*>立方）：油高=<*>, 水高=<*>, 库存=<*>",
                  "4\t低库存预警：<*>号罐（<*>#，<*>立方）当前库存<*>，已生成要货计划<*>"}},
        // A header word after a label's colon is a field's value, not another program:
        // lines of other stations that lack the optional clause join the pattern.
        MineCase{"ALabelledHeaderValueNamesNoProgram",
                 {"(05:34:27.915)(INFO )(gc#23)(站码:YXI) "
                  "预约：旅客马伟（老人（80岁以上））乘车，服务员黄洋，已预约轮椅",
                  "(05:37:30.085)(INFO )(gc#02)(站码:YXI) "
                  "预约：旅客周强（老人（80岁以上））乘车，服务员梁杰，已预约全程引导",
                  "(05:38:24.701)(INFO )(gc#17)(站码:BJC) "
                  "预约：旅客孙娟（老人（80岁以上））乘车，服务员徐静",
                  "(05:40:12.516)(INFO )(gc#20)(站码:BJC) "
                  "预约：旅客徐丽（老人（80岁以上））乘车，服务员罗明，已预约全程引导",
                  "(05:44:30.456)(INFO )(gc#35)(站码:BHD) "
                  "预约：旅客刘刚（老人（80岁以上））乘车，服务员周军"},
                 {"5\t(<*>)(INFO )(<*>)(站码<*>) 预约：旅客<*>乘车，服务员<*>"}}),
    [](const ::testing::TestParamInfo<MineCase>& info) { return std::string(info.param.name); });

// Lines that one event writes with more or fewer optional parts are one pattern; lines
// that differ by a word naming the kind (or the subject) of the message stay apart.
TEST(MineKindsTest, JoinsOptionalPartsAndKeepsKindsApart) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        bool together;  // one pattern, or one per line
    };
    const std::vector<Case> cases = {
        {"LongerList",
         {"failed to resolve source name an1 an2 an3",
          "failed to resolve source name an1 an2 "
          "an3 an4 an5 an6 an7 an8"},
         true},
        {"ListOfLikeItems",
         {"inconsistent nodesets node-1 0x1fe <ok> node-2 0x1fe <ok>",
          "inconsistent nodesets node-3 0x0fe <ok> node-4 0x1fe <ok> node-5 0x1fe <ok> node-6 "
          "0x0fe <ok>"},
         true},
        {"FieldDumps",
         {"Skipping, withExcluded: false, tr.intent:Intent { flg=0x1 cmp=a/.B (has extras) }",
          "Skipping, withExcluded: true, tr.intent:Intent { act=x.MAIN flg=0x2 cmp=c/.D "
          "bnds=[0,0][9,9] }",
          "Skipping, withExcluded: false, tr.intent:Intent { act=y.VIEW dat=file:a typ=b flg=0x3 "
          "cmp=e/.F (has extras) }"},
         true},
        {"PairOutsideADump", {"failure; rhost=a.cn user=root", "failure; rhost=b.cn"}, false},
        // Pairs of other names are messages of other kinds.
        {"PairsNamedOtherwise",
         {"{\"ts\":\"2026-04-17T05:51:59.304+08:00\",\"lvl\":40,\"host\":\"zj-ws-srv\"} [MQTT] "
          "device WQ3-S-50 offline, last_seen=18:41:38, rssi=-79dBm, gateway=gw-zp-02",
          "{\"ts\":\"2026-04-17T05:52:04.311+08:00\",\"lvl\":30,\"host\":\"zp-edge02\"} [MQTT] "
          "device DO-081B online, fw=v2.4.0-rc2, uptime=2d20h, gateway=gw-zp-02"},
         false},
        // The same message from two programs is one kind; lacking a value too, two.
        {"AnotherProgramLackingAValue",
         {"Jul 11 11:33:13 combo sshd(pam_unix)[1]: failure; tty=NODEVssh ruser= rhost=a.cn",
          "Jul 11 11:33:14 combo gdm(pam_unix)[2]: failure; tty=:0 ruser= rhost="},
         false},
        {"AnotherProgram",
         {"Jul 11 11:33:13 combo sshd(pam_unix)[1]: failure; tty=NODEVssh ruser= rhost=a.cn",
          "Jul 11 11:33:14 combo gdm(pam_unix)[2]: failure; tty=:0 ruser= rhost=b.cn"},
         true},
        {"OneProgramLackingAValue",
         {"Jul 11 11:33:13 combo sshd(pam_unix)[1]: failure; tty=NODEVssh ruser= rhost=a.cn",
          "Jul 11 11:33:14 combo sshd(pam_unix)[2]: failure; tty=:0 ruser= rhost="},
         true},
        {"ManyWordsInOnePlace",
         {"xinetd[1]: removing echo", "xinetd[1]: removing ftp", "xinetd[1]: removing time"},
         true},
        {"SubjectsOfAMessage",
         {"klogd startup succeeded", "hcid startup succeeded", "sdpd startup succeeded"},
         false},
        {"CapitalisedKinds",
         {"VM Started (Lifecycle Event)", "VM Stopped (Lifecycle Event)",
          "VM Paused (Lifecycle Event)"},
         false},
        {"FirstWordsBeforeTheirDetails",
         {"boot  (command 1901)", "wait  (command 1902)", "halt  (command 1903)"},
         false},
        {"ManyAcronymsInOnePlace",
         {"table DSDT (v1) at 0x1", "table FADT (v1) at 0x2", "table HPET (v1) at 0x3",
          "table MADT (v1) at 0x4", "table SPCR (v1) at 0x5"},
         true},
        {"FewAcronymsInOnePlace",
         {"request GET done in 3 ms", "request POST done in 4 ms", "request PUT done in 5 ms",
          "request HEAD done in 6 ms"},
         false},
        {"ProtocolsAfterAValue",
         {"open through proxy a.cn:5070 HTTPS", "open through proxy b.cn:5070 SOCKS5"},
         false},
        {"QuotedStates", {"icon now in state 'Active'", "icon now in state 'Inactive'"}, true},
        // The first reason's lines form a group before the others make a general one.
        {"ReasonsAfterNames",
         {"客户郭娟杰登录失败：密码错误次数过多", "客户梁刚洋登录失败：密码错误次数过多",
          "客户杨磊伟登录失败：密码错误次数过多", "客户陈秀明登录失败：账户已冻结",
          "客户李超登录失败：密码错误次数过多", "客户杨磊登录失败：余额不足",
          "客户李磊磊登录失败：账户已冻结", "客户高艳敏登录失败：超过日限额",
          "客户胡霞登录失败：超过日限额", "客户王娜敏登录失败：超过日限额"},
         true},
        // The remark's lines show the plate as one value, the others as colour and number.
        {"RemarkAfterAValueInTwoParts",
         {"[市民中心地面] 绿牌桂BDL82R4 临时车入场（备注：临时访客）",
          "[第一人民医院] 蓝牌沪BPGYNJ 临时车入场",
          "[万达广场B2] 黄牌赣GQ79V8 临时车入场（备注：送货车辆）",
          "[第一人民医院] 黄牌黑CFTGL5X 临时车入场", "[市民中心地面] 黄牌辽FD9W8D0 临时车入场",
          "[万达广场B2] 黄牌赣HTFBAD 临时车入场",
          "[市民中心地面] 绿牌赣G5CSC6 临时车入场（备注：业主亲属）",
          "[市民中心地面] 绿牌陕G0HDG8 临时车入场"},
         true},
        // A pair more in a Chinese message, where the plants' names differ in form too.
        {"OptionalPairAndAPlaceInTwoValues",
         {"水质在线监测 第一水厂 浊度=0.61NTU 余氯=0.47mg/L pH=8.1 COD=43mg/L",
          "水质在线监测 白沙洲水厂 浊度=0.38NTU 余氯=0.75mg/L pH=8.5 COD=38mg/L",
          "水质在线监测 城西污水处理厂 浊度=0.13NTU 余氯=0.07mg/L pH=7.8 COD=50mg/L",
          "水质在线监测 城西污水处理厂 浊度=0.38NTU 余氯=0.65mg/L pH=8.0",
          "水质在线监测 江北净水厂 浊度=0.63NTU 余氯=0.33mg/L pH=7.7"},
         true},
        // Records of pairs with Chinese keys: a pair more at the end, or after the
        // record's word with a value of blanks; one key's values in other forms.
        {"OptionalPairWithAChineseKey",
         {"【信息】 请假申请已提交 学生=张伟 班级=高一3班 天数=3",
          "【信息】 请假申请已提交 学生=李娜 班级=高二1班 天数=1 事由=家中有事",
          "【信息】 请假申请已提交 学生=王强 班级=初三2班 天数=2 事由=感冒发烧",
          "【信息】 请假申请已提交 学生=赵敏 班级=高一5班 天数=1",
          "【信息】 请假申请已提交 学生=孙丽 班级=初二4班 天数=4 事由=参加比赛"},
         true},
        {"OptionalPairAfterTheRecordsWord",
         {"kiln.sample 窑头=1065.3℃ 烧成带=1436.5℃ 窑尾=1107.9℃ 窑速=3.97r/min",
          "kiln.sample line=Line 2 窑头=1132.2℃ 烧成带=1386.1℃ 窑尾=1054.2℃ 窑速=3.59r/min",
          "kiln.sample line=2# 窑头=1053.4℃ 烧成带=1443.6℃ 窑尾=1089.8℃ 窑速=4.06r/min",
          "kiln.sample 窑头=1172.4℃ 烧成带=1399.8℃ 窑尾=1035.4℃ 窑速=4.18r/min"},
         true},
        {"LabelledValueAfterThePairs",
         {"支付成功 channel=UNIONPAY_QR out_trade_no=4200002998404368427 amount=253.50元 "
          "terminal=IPT-07（自助）",
          "支付成功 channel=ETC_PAY out_trade_no=4200002470861335694 amount=78.79元 "
          "terminal=POS-A 车牌：苏AD1158",
          "支付成功 channel=WXPAY out_trade_no=4200002348694706066 amount=687.97元 "
          "terminal=POS-B",
          "支付成功 channel=ETC_PAY out_trade_no=4200002876643578446 amount=548.59元 "
          "terminal=IPT-02（自助） 车牌：苏BD8640"},
         true},
        // A record that ends in one reading or another, after a quoted value.
        {"PairsMoreAfterAQuotedValue",
         {"[设备] heartbeat cabinet=SZ069579 avail=4/6 fw=\"v2.6.13 build 0690\"",
          "[设备] heartbeat cabinet=NJ483D25 avail=4/48 fw=\"v2.2.17 build 0386\" door=closed",
          "[设备] heartbeat cabinet=CD065463 avail=2/6 fw=\"v3.1.19 build 0791\" uptime=29d10h"},
         true},
        // A pair more on the lines of another level: an event of its own.
        {"PairMoreAtAnotherLevel",
         {"2026-01-17 07:30:36.809 [pay-notify-5] INFO  c.y.pay.NotifyHandler - pay notify "
          "result=SUCCESS channel=WECHAT_JSAPI out_trade_no=4200002757907724004 "
          "total_fee=133927 order=T260120891071",
          "2026-01-17 07:31:09.411 [pay-notify-8] ERROR c.y.pay.NotifyHandler - pay notify "
          "result=FAIL channel=ALIPAY_APP out_trade_no=4200002989798303028 total_fee=43849 "
          "order=T260114384756 err_code=SYSTEMERROR",
          "2026-01-17 07:31:12.002 [locker-2] INFO  c.y.locker.LockerController - 储物柜开启 "
          "柜号=B区-1431"},
         false},
        // A list's Latin names, values and brackets in one field ("，<*>，").
        {"ListOfLatinNamesInAField",
         {"雪具归还入库：租赁单R-ZZ-00744，单板 Frostline Sprite 156cm，押金1000元，"
          "顾客张娜（133****2480）",
          "雪具归还入库：租赁单R-ZZ-22278，单板 Frostline Sprite 150cm、儿童双板 Mini Cub "
          "110cm，押金200元，顾客赵军强（190****8569）",
          "雪具归还入库：租赁单R-ZZ-00203，双板 Norvik Alpine 78（158cm）、双板 Norvik Alpine "
          "78（165cm）、雪鞋 Norvik 26.5，押金500元，顾客何勇（170****3537），超时136分钟，"
          "加收31.92元",
          "雪具归还入库：租赁单R-JD-13983，双板 Norvik Alpine 78（165cm），押金1000元，"
          "顾客郑明磊（174****1237）"},
         true},
        {"ValuesOfOneKeyInOtherForms",
         {"CEMS分钟数据 排口=窑头烟囱（DA002） 颗粒物=4.76mg/Nm3 SO2=30mg/Nm3 烟温=160℃",
          "CEMS分钟数据 排口=煤磨排口 DA003 颗粒物=3.08mg/Nm3 SO2=18mg/Nm3 烟温=145℃",
          "CEMS分钟数据 排口=窑尾烟囱（DA001） 颗粒物=5.99mg/Nm3 SO2=5mg/Nm3 烟温=122℃",
          "CEMS分钟数据 排口=煤磨排口 DA003 颗粒物=2.85mg/Nm3 SO2=6mg/Nm3 烟温=139℃"},
         true},
        // A few lines made a value of the source ("来源：<*>"): the group that shows the
        // source's ending ("来源：<*>院") joins them.
        {"SmallerGroupCoversALargerOne",
         {"pharmd: "
          "收到电子处方RX202603198301596，来源：妇幼保健院，开方医生孙军，含药品1种：氯雷他定片（10"
          "mg×6片）",
          "pharmd: "
          "收到电子处方RX202603181130370，来源：中医院互联网医院，开方医生梁娟秀，含药品1种：盐酸氨"
          "溴索口服液（100ml）",
          "pharmd: "
          "收到电子处方RX202603190889610，来源：第三人民医院，开方医生林静敏，含药品4种：维生素C泡"
          "腾片（1g×10片）、对乙酰氨基酚混悬滴剂（15ml）、氯雷他定片（10mg×6片）、蒙脱石散（3g×10袋"
          "）",
          "pharmd: "
          "收到电子处方RX202603182615449，来源：妇幼保健院，开方医生周丽，含药品2种：布洛芬缓释胶囊"
          "（0.3g×20粒）、氯雷他定片（10mg×6片）",
          "pharmd: "
          "收到电子处方RX202603184393405，来源：妇幼保健院，开方医生陈强杰，含药品3种：复方甘草口服"
          "溶液（100ml）、布洛芬缓释胶囊（0.3g×20粒）、人血白蛋白（10g/50ml）",
          "pharmd: "
          "收到电子处方RX202603193601929，来源：妇幼保健院，开方医生孙勇静，含药品4种：复方甘草口服"
          "溶液（100ml）、胰岛素注射液（3ml:300单位）、二甲双胍缓释片（0."
          "5g×30片）、阿托伐他汀钙片（20mg×7片）",
          "pharmd: "
          "收到电子处方RX202603187980791，来源：高新区社区医院，开方医生罗伟，含药品3种：氯雷他定片"
          "（10mg×6片）、二甲双胍缓释片（0.5g×30片）、阿托伐他汀钙片（20mg×7片）",
          "pharmd: "
          "收到电子处方RX202603199155806，来源：城东社区卫生服务中心，开方医生马娟，含药品3种：头孢"
          "克肟分散片（0.1g×6片）、板蓝根颗粒（10g×20袋）、氯雷他定片（10mg×6片）",
          "pharmd: "
          "收到电子处方RX202603189948325，来源：第三人民医院，开方医生刘丽，含药品2种：阿莫西林胶囊"
          "（0.25g×24粒）、对乙酰氨基酚混悬滴剂（15ml）",
          "pharmd: "
          "收到电子处方RX202603192207372，来源：城东社区卫生服务中心，开方医生郭芳明，含药品4种：盐"
          "酸氨溴索口服液（100ml）、对乙酰氨基酚混悬滴剂（15ml）、头孢克肟分散片（0."
          "1g×6片）、维生素C泡腾片（1g×10片）",
          "pharmd: "
          "收到电子处方RX202603194009500，来源：中医院互联网医院，开方医生吴洋，含药品3种：复方甘草"
          "口服溶液（100ml）、布洛芬缓释胶囊（0.3g×20粒）、左氧氟沙星滴眼液（5ml）",
          "pharmd: "
          "收到电子处方RX202603180208178，来源：市第二人民医院，开方医生吴强娜，含药品4种：人血白蛋"
          "白（10g/"
          "50ml）、胰岛素注射液（3ml:300单位）、阿托伐他汀钙片（20mg×7片）、红霉素软膏（10g）",
          "pharmd: "
          "收到电子处方RX202603182614297，来源：第三人民医院，开方医生徐艳，含药品3种：左氧氟沙星滴"
          "眼液（5ml）、维生素C泡腾片（1g×10片）、氯雷他定片（10mg×6片）",
          "pharmd: "
          "收到电子处方RX202603188251051，来源：城东社区卫生服务中心，开方医生林敏，含药品1种：红霉"
          "素软膏（10g）",
          "pharmd: "
          "收到电子处方RX202603199198070，来源：妇幼保健院，开方医生张丽，含药品3种：人血白蛋白（10"
          "g/50ml）、布洛芬缓释胶囊（0.3g×20粒）、红霉素软膏（10g）",
          "pharmd: "
          "收到电子处方RX202603180623195，来源：妇幼保健院，开方医生马伟娟，含药品2种：硝苯地平控释"
          "片（30mg×7片）、对乙酰氨基酚混悬滴剂（15ml）"},
         true},
        // A field that holds a value written two ways (a table, a private room) is one;
        // a pair more that is quoted is optional.
        {"FieldOfTwoForms",
         {"呼叫：A21号桌（露台）请求「催菜」，2人，服务员吴平",
          "呼叫：C27号桌（靠窗区）请求「加菜」，5人，服务员刘超",
          "呼叫：包间「聚福阁」请求「结账」，8人，服务员郭静",
          "呼叫：包间「兰亭」请求「换骨碟」，3人，服务员陈涛"},
         true},
        {"QuotedPairMore",
         {"预约成功 order=1 visitor=李磊 channel=官网",
          "预约成功 order=2 visitor=唐静 channel=小程序",
          "预约成功 order=3 visitor=徐强 channel=官网 remark=\"听障 请备手语\"",
          "预约成功 order=4 visitor=张敏 channel=小程序 remark=\"携带婴儿车\""},
         true},
        // A label after the header's fields is a level or a source, not a value's.
        {"LabelAfterBracketedFields",
         {"〖HTW01·POS28〗10月02日 09:00:15 通知：stock sku=SKU-EL-522280 brand=\"SHISEIDO\" "
          "store=NW03 onhand=4093 reserved=3 in_transit=13",
          "〖FQ02·POS13〗10月02日 09:00:14 通知：订单DF261016命中促销【会员日】，优惠43.48元",
          "〖NW03·POS30〗10月02日 09:00:27 通知：quota query passenger=4e3f1ad09 year=2026 "
          "used=93676.85 remain=50690.77 src=customs cost=3630ms"},
         false},
        // An item alone, with its tag in brackets, is one of the lists' values.
        {"ItemWithATagForAList",
         {"外卖新订单：单号1，葱油拌面×3、米饭，实付30元",
          "外卖新订单：单号2，蜜汁叉烧×2、拍黄瓜、米饭，实付52元",
          "外卖新订单：单号3，手撕包菜、东坡肉×2，实付41元",
          "外卖新订单：单号4，干炒牛河×2、米饭×2，实付60元",
          "外卖新订单：单号5，清蒸鲈鱼【时价】，实付88元"},
         true},
        {"ChineseListOfOneToThreeItems",
         {"订单1已出库，包含商品：口罩、苹果", "订单2已出库，包含商品：纸巾、牛奶",
          "订单3已出库，包含商品：雨伞", "订单4已出库，包含商品：面包、雨伞、牛奶",
          "订单5已出库，包含商品：牛奶", "订单6已出库，包含商品：口罩、纸巾、苹果"},
         true},
    };
    for (const Case& c : cases) {
        PatternMiner miner;
        for (const std::string& line : c.lines) miner.Add(Gbk(line));
        EXPECT_EQ(miner.Ranked().size(), c.together ? 1u : c.lines.size()) << c.name;
    }
}

// Two words (or Chinese texts) that take turns in one place of a sentence, as the name a
// message starts with or as its first word, or up to three words or constants' names a
// pair holds or that are its key, name kinds of line once each is seen twice; one word
// more, one seen once, truth values or the rule switched off make it a value.
TEST(MineKindsTest, FewWordsInOnePlaceAreKinds) {
    const std::string failed = "Failed {w} for user x from 10.0.0.{k} port 22";
    const std::string pair = "failure; rhost=10.0.0.{k} user={w}";
    const std::string label = "{w}: caller 10{k} does not hold RIGHTS; limiting output";
    const std::string named = "handle action: {w} from 10.0.0.{k}";
    const std::string first = "{w} limit not specified for 10.0.0.{k}";
    const std::string key = "Total {w}: 5{k} MB, used: 0.00 MB";
    const std::string cache = "缓存{w}命中，key=user:{k}";
    const std::string call = "调用支付接口{w},耗时:{k}ms";
    const std::string login = "用户{w}登录成功，IP：10.0.0.{k}";
    const std::string ending = "审批单{k}已由系统处理完毕：{w}";
    const std::string state = "订单5{k}状态流转 {w} -> CLOSED";
    const std::string englishState = "order 5{k} moved {w} -> CLOSED";
    struct Case {
        const char* name;
        const std::string& form;  // the line, with {w} the word and {k} the line's number
        std::vector<std::string> words;
        std::size_t groups;
        const char* tuning = "";
    };
    const std::vector<Case> cases = {
        {"TwoKinds", failed, {"password", "none", "password", "none", "password"}, 2},
        {"SecondSeenOnce", failed, {"password", "none", "password", "password"}, 1},
        {"ThirdWord", failed, {"password", "none", "password", "none", "key", "key"}, 1},
        {"TruthValues", failed, {"true", "false", "true", "false"}, 1},
        {"EitherOff", failed, {"password", "none", "password", "none"}, 1, "either=0"},
        {"PairKinds", pair, {"root", "guest", "root", "test", "guest", "test", "root"}, 3},
        {"PairOfManyWords", pair, {"root", "guest", "test", "news", "root", "guest", "test"}, 1},
        {"PairOff", pair, {"root", "guest", "root", "guest"}, 1, "pairs=0"},
        {"LabelKinds", label, {"getTasks", "get_apps", "getTasks", "get_apps"}, 2},
        {"ThirdLabel", label, {"getTasks", "getApps", "getTasks", "getApps", "getAll"}, 1},
        {"LabelsOff", label, {"getTasks", "getApps", "getTasks", "getApps"}, 1, "labels=0"},
        {"ConstantNames",
         named,
         {"x.action.SCREEN_ON", "x.action.TIME_TICK", "x.action.SCREEN_ON", "x.action.TIME_TICK"},
         2},
        {"ClassNames",
         named,
         {"x.app.ScreenOn", "x.app.TimeTick", "x.app.ScreenOn", "x.app.TimeTick"},
         1},
        {"FirstWords", first, {"disk", "vcpu", "disk", "vcpu"}, 2},
        {"ThirdFirstWord", first, {"disk", "vcpu", "disk", "vcpu", "cpu", "cpu"}, 1},
        {"KeyWords", key, {"memory", "disk", "vcpu", "memory", "disk", "vcpu"}, 3},
        {"FourthKeyWord",
         key,
         {"memory", "disk", "vcpu", "memory", "disk", "vcpu", "ram", "ram"},
         1},
        {"PlacesOff", key, {"memory", "disk", "memory", "disk"}, 1, "places=0"},
        {"ChineseTextInOnePlace", cache, {"未", "", "未", ""}, 2},
        {"ChineseOutcomes", call, {"成功", "超时", "成功", "超时", "成功"}, 2},
        {"ChineseNames", login, {"王伟", "李娜", "王伟", "张强", "李娜"}, 1},
        {"ChineseRunsOff", cache, {"未", "", "未", ""}, 1, "runs=0"},
        {"ChineseEndings", ending, {"已通过", "已驳回", "已通过", "已驳回"}, 2},
        {"ChineseNamesAtTheEnd", ending, {"王伟", "李娜", "张强", "王伟", "李娜"}, 1},
        {"CapitalStatesInChinese",
         state,
         {"PAID", "SHIPPED", "CREATED", "PAID", "SHIPPED", "CREATED"},
         1},
        {"CapitalStatesCapsOff",
         state,
         {"PAID", "SHIPPED", "CREATED", "PAID", "SHIPPED", "CREATED"},
         3,
         "caps=0"},
        {"CapitalStatesInEnglish",
         englishState,
         {"PAID", "SHIPPED", "CREATED", "PAID", "SHIPPED", "CREATED"},
         3},
        {"NamesOff",
         named,
         {"x.action.SCREEN_ON", "x.action.TIME_TICK", "x.action.SCREEN_ON", "x.action.TIME_TICK"},
         1,
         "names=0"},
    };
    for (const Case& c : cases) {
        PatternTuning tuning;
        ASSERT_TRUE(ParsePatternTuning(c.tuning, tuning)) << c.name;
        PatternMiner miner(kDefaultMaxPatterns, tuning);
        std::vector<std::uint32_t> ids;
        for (std::size_t k = 0; k < c.words.size(); ++k) {
            std::string line = c.form;
            line.replace(line.find("{w}"), 3, c.words[k]);
            line.replace(line.find("{k}"), 3, std::to_string(k));
            ids.push_back(miner.Add(Gbk(line)));
        }
        const std::vector<PatternGroup> ranked = miner.Ranked();
        ASSERT_EQ(ranked.size(), c.groups) << c.name;
        std::uint32_t otherRank = 0;
        const std::vector<std::uint32_t> ranks = RanksById(ranked, otherRank);
        // Two lines share a group when they share their word (or when all are one group).
        for (std::size_t a = 0; a < ids.size(); ++a) {
            for (std::size_t b = 0; b < ids.size(); ++b) {
                EXPECT_EQ(ranks[ids[a]] == ranks[ids[b]], c.groups == 1 || c.words[a] == c.words[b])
                    << c.name;
            }
        }
    }
}

// The lines of `text`, each of kind "marked" when it holds `marker` and "other" if not.
std::vector<std::pair<std::string, std::string>> LinesByMarker(std::string_view text,
                                                               std::string_view marker) {
    std::vector<std::pair<std::string, std::string>> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string line(text.substr(0, end));
        lines.emplace_back(line, line.find(marker) != std::string::npos ? "marked" : "other");
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// Forty lines of one message whose last label holds a list of one to four skills, some
// with signs or blanks ("C/C++", "Spring Boot"), and whose shop names have a middle dot.
std::vector<std::pair<std::string, std::string>> ListsAndDottedNames() {
    const std::vector<std::string> names = {"徐霞",   "杨平", "朱静超", "胡艳军",
                                            "马娜勇", "宋强", "周超强"};
    const std::vector<std::string> shops = {"包子铺·早餐", "蜜语奶茶", "老街口麻辣烫", "小满轻食"};
    const std::vector<std::string> skills = {"Excel", "PMP", "Python",      "Java",
                                             "C/C++", "PS",  "Spring Boot", "沟通能力强"};
    std::vector<std::pair<std::string, std::string>> lines;
    for (std::size_t i = 0; i < 40; ++i) {
        std::string list;
        for (std::size_t k = 0; k <= i * 7 % 4; ++k)
            list += (k > 0 ? "," : "") + skills[(i * 5 + k * 3) % skills.size()];
        lines.emplace_back("简历解析完成：" + names[i * 3 % names.size()] + "，" +
                               shops[i < 30 ? i % 3 + 1 : 0] + "，工作年限" +
                               std::to_string(i % 16) + "年，技能：" + list,
                           "");
    }
    return lines;
}

// Chinese values (names, departments) take turns before or glued to words that say
// what happened: those words name the kinds, though the values differed first, and a
// value's own last character does not.  Each line is given with its kind.
// Lines of three messages whose words differ everywhere but at a colon: merging them
// would leave values and punctuation alone, which would take any such line.
TEST(MineKindsTest, ChineseMessagesKeepTheirText) {
    const char* devices[] = {"图书杀菌机", "自助办证机", "24小时还书箱", "自助借还机"};
    const char* names[] = {"赵秀", "朱勇", "高磊", "马伟", "周明", "高明"};
    const char* books[] = {"《红楼梦》", "《百年孤独》", "《三体》", "《活着》", "《围城》"};
    const char* halls[] = {"总馆", "城东分馆", "少儿分馆", "社区流动书屋"};
    std::mt19937 r(14);  // a draw where the three would merge into "<*>：<*>"
    auto pick = [&](int n) { return static_cast<int>(r() % static_cast<unsigned>(n)); };
    PatternMiner miner;
    std::size_t counts[3] = {0, 0, 0};
    for (int k = 0; k < 300; ++k) {
        std::ostringstream line;
        line << "INFO|2026-12-09 08:" << 10 + pick(50) << ":" << 10 + pick(50) << ","
             << 100 + pick(900) << "|lib-circ|" << 1 + pick(99) << "|";
        const int kind = pick(7) < 3 ? 0 : pick(5) < 3 ? 1 : 2;
        ++counts[kind];
        if (kind == 0) {
            line << devices[pick(4)] << "SSM-0" << 10 + pick(90) << "批量还书：";
            for (int i = 0, n = 1 + pick(5); i < n; ++i)
                line << (i > 0 ? "," : "") << "ABT"[pick(3)] << 1000000 + pick(9000000);
        } else if (kind == 1) {
            line << names[pick(6)] << "的荐购申请已提交：";
            for (int i = 0, n = 1 + pick(3); i < n; ++i)
                line << (i > 0 ? "、" : "") << books[pick(5)];
        } else {
            line << "通借通还：T" << 1000000 + pick(9000000) << "由" << halls[pick(4)] << "调拨至"
                 << halls[pick(4)];
        }
        miner.Add(Gbk(line.str()));
    }
    std::vector<std::size_t> got;
    for (const PatternGroup& g : miner.Ranked()) got.push_back(g.count);
    std::vector<std::size_t> expected(counts, counts + 3);
    std::sort(expected.rbegin(), expected.rend());
    EXPECT_EQ(got, expected);
}

TEST(MineKindsTest, WordsAfterChineseValuesAreKinds) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> lines;
    };
    const std::vector<Case> cases = {
        {"NegationAfterNames",
         {{"质检员周娟判定批次B1为不合格", "no"},
          {"质检员孙娜涛判定批次B2为不合格", "no"},
          {"质检员谢秀磊判定批次B3为不合格", "no"},
          {"质检员宋娟判定批次B4为合格", "yes"},
          {"质检员梁磊判定批次B5为不合格", "no"},
          {"质检员陈勇判定批次B6为合格", "yes"},
          {"质检员马艳判定批次B7为合格", "yes"},
          {"质检员徐强军判定批次B8为不合格", "no"}}},
        {"VerbGluedToNames",
         {{"用户黄洋平退出MES系统", "out"},
          {"用户罗娟刚退出MES系统", "out"},
          {"用户张敏磊登录MES系统", "in"},
          {"用户吴静退出MES系统", "out"},
          {"用户赵娟平退出MES系统", "out"},
          {"用户郭静登录MES系统", "in"},
          {"用户谢明伟登录MES系统", "in"}}},
        // The kind and a name differ together in the first lines that differ.
        {"KindAndNameAtOnce",
         {{"理财产品认购成功，客户王丽，金额3975.75元", "buy"},
          {"理财产品赎回成功，客户梁平，金额4931.64元", "sell"},
          {"理财产品赎回成功，客户吴涛，金额1.75元", "sell"},
          {"理财产品认购成功，客户林静刚，金额32.75元", "buy"},
          {"理财产品认购成功，客户王五丽，金额3.75元", "buy"},
          {"理财产品赎回成功，客户赵六，金额97.75元", "sell"},
          {"理财产品赎回成功，客户孙七，金额7.75元", "sell"}}},
        // One character before a common one that ends the place tells the kind (进站, 出站).
        {"VerbOfOneCharacterBeforeACommonOne",
         {{"2026/05/20 05:30:11 OCC: 卡号88888417567221在人民广场出站，闸机AG2110，票种：二维码",
           "out"},
          {"2026/05/20 05:30:44 OCC: 卡号31018914996288在龙华路进站，闸机AG2710，票种：二维码",
           "in"},
          {"2026/05/20 05:31:01 OCC: 卡号31013141022985在南门出站，闸机AG2705，票种：老年卡",
           "out"},
          {"2026/05/20 05:32:08 OCC: 卡号88884959884873在体育中心进站，闸机AG2919，票种：交通卡",
           "in"}}},
        // Lines that first came apart by how unlike their names were, told apart by the
        // words before a common ending once grouped.
        {"VerbBeforeACommonEnding",
         {{"医生王涛勇退出工作站", "out"},
          {"医生杨磊登录工作站", "in"},
          {"医生孙涛丽登录工作站", "in"},
          {"医生高明磊登录工作站", "in"},
          {"医生罗明洋退出工作站", "out"},
          {"医生黄芳登录工作站", "in"}}},
        // Two places that change together, never one without the other.
        {"TwoPlacesTogether",
         {{"检查报告已出具：B超，患者P24406620", "report"},
          {"检查报告已出具：B超，患者P69174770", "report"},
          {"检查申请已提交：B超，患者P69490927", "request"},
          {"检查报告已出具：胸部CT，患者P98103747", "report"},
          {"检查申请已提交：尿常规，患者P70208140", "request"},
          {"检查申请已提交：胸部CT，患者P53935928", "request"},
          {"检查申请已提交：B超，患者P56338635", "request"},
          {"检查申请已提交：血常规，患者P32328422", "request"},
          {"检查报告已出具：心电图，患者P66051436", "report"}}},
        // A place that first held two Chinese texts, then Latin text: it holds values,
        // and the kind is told elsewhere.
        {"KindAfterAPlaceOfValues",
         {{"色差检测：工单PJ1，机台北人，判定：合格", "pass"},
          {"色差检测：工单PJ2，机台小森，判定：合格", "pass"},
          {"色差检测：工单PJ3，机台HS-20，判定：合格", "pass"},
          {"色差检测：工单PJ4，机台北人，判定：不合格", "fail"},
          {"色差检测：工单PJ5，机台小森，判定：合格", "pass"},
          {"色差检测：工单PJ6，机台LS-40，判定：不合格", "fail"},
          {"色差检测：工单PJ7，机台北人，判定：合格", "pass"},
          {"色差检测：工单PJ8，机台小森，判定：不合格", "fail"}}},
        // What was done ("已…") tells the kind where a machine's type differs as well.
        {"WhatWasDoneBesideAType",
         {{"水泵3#离心式水泵已启动（泵房A），方式：自动", "on"},
          {"水泵1#轴流式水泵已停止（泵房B），方式：手动", "off"},
          {"水泵2#离心式水泵已停止（泵房C），方式：手动", "off"},
          {"水泵5#轴流式水泵已启动（泵房B），方式：自动", "on"},
          {"水泵4#离心式水泵已启动（泵房A），方式：手动", "on"},
          {"水泵6#轴流式水泵已停止（泵房C），方式：自动", "off"}}},
        // Two groups of such lines, one of which saw "申请" first.
        {"TwoPlacesTogetherEitherFirst",
         {{"2026年12月9日 08:19:43 信息 检查报告已出具：尿常规，患者P52174099", "report"},
          {"2026年12月9日 08:20:08 信息 检查申请已提交：尿常规，患者P70999917", "request"},
          {"2026年12月9日 08:20:33 信息 检查报告已出具：尿常规，患者P07323395", "report"},
          {"2026年12月9日 08:21:46 信息 检查报告已出具：B超，患者P57491122", "report"},
          {"2026年12月9日 08:25:15 信息 检查申请已提交：胸部CT，患者P65789435", "request"},
          {"2026年12月9日 08:25:52 信息 检查报告已出具：胸部CT，患者P20168648", "report"},
          {"2026年12月9日 08:27:48 信息 检查申请已提交：胸部CT，患者P72855586", "request"},
          {"2026年12月9日 08:27:54 信息 检查申请已提交：尿常规，患者P96891739", "request"},
          {"2026年12月9日 08:28:19 信息 检查报告已出具：胸部CT，患者P69808350", "report"}}},
        // Words that a value follows name the kind as well: their first two characters
        // where more texts stand there.
        {"WordsBeforeAValue",
         {{"课程《高等数学》选课已满", "full"},
          {"课程《中国近代史》选课已满", "full"},
          {"课程《数据结构》选课已满", "full"},
          {"课程《大学英语》选课人数36", "count"},
          {"课程《线性代数》选课人数12", "count"},
          {"课程《数据结构》选课人数40", "count"}}},
        {"FirstWordsBeforeAValue",
         {{"<134>Dec  9 06:02:12 mes02 mes[6253]: 第17号AGV电量低：27%", "low"},
          {"<134>Dec  9 06:02:23 mes02 mes[5474]: 第15号AGV到达包装4", "at"},
          {"<134>Dec  9 06:02:33 mes01 mes[2464]: 第2号AGV到达装配11", "at"},
          {"<134>Dec  9 06:02:38 mes03 mes[2053]: 第6号AGV电量低：17%", "low"}}},
        // A value that begins the sentence, once a name of other characters.
        {"ValueThatBeginsTheSentence",
         {{"2026-12-09T01:13:49.494+08:00 gw-14 opsagent[7366]: 南沙机房门禁温度过高：48℃", ""},
          {"2026-12-09T01:15:33.687+08:00 gw-17 opsagent[9297]: 西部数据中心门禁温度过高：20℃", ""},
          {"2026-12-09T01:15:47.958+08:00 gw-33 opsagent[9635]: 二号机房温湿度传感器温度过高：29℃",
           ""}}},
        // Names whose last characters a group's member saw only two of.
        {"PlaceNamesOfAGroup",
         {{"[06:00:22.733] [wms] INFO : 车辆鄂B9F485到达北京顺义转运中心，晚点199分钟", ""},
          {"[06:00:30.476] [wms] INFO : 车辆豫E1K243到达郑州航空港分拨中心，晚点232分钟", ""},
          {"[06:00:47.872] [sorting] INFO : 车辆粤C7F310到达华东转运中心，晚点178分钟", ""},
          {"[06:01:02.143] [sorting] INFO : 车辆豫C3L341到达北京顺义转运中心，晚点181分钟", ""},
          {"[06:07:16.210] [tms] INFO : 车辆川B2K253到达华东转运中心，晚点53分钟", ""}}},
        // What happened to a value that holds a word and a number.
        {"AfterAValueOfSeveralTokens",
         {{"[2026-12-09 05:10:40] error thread-11 通道101-2中断，厂站：城南110kV变电站", "down"},
          {"[2026-12-09 05:11:00] info thread-3 通道CDT-2恢复，厂站：东山110kV变电站", "up"},
          {"[2026-12-09 05:11:04] info thread-16 通道101-4恢复，厂站：东山110kV变电站", "up"},
          {"[2026-12-09 05:11:25] error thread-12 通道CDT-3中断，厂站：青龙110kV变电站", "down"}}},
        // A remark that some lines of a kind add.
        {"RemarkAtTheEnd",
         {{"运单KD963593562441已签收，签收人：门卫，备注：工作日派送", ""},
          {"运单KD963593562442已签收，签收人：本人", ""},
          {"运单KD963593562443已签收，签收人：前台", ""},
          {"运单KD963593562444已签收，签收人：快递柜，备注：放在门口", ""},
          {"运单KD963593562445已签收，签收人：本人", ""}}},
        {"RemarkInBrackets",
         {{"工单WO2026120864987已回单，处理人：高艳，处理结果：更换板卡后恢复", ""},
          {"工单WO2026120864988已回单，处理人：王强，处理结果：已恢复（备注：夜间处理）", ""},
          {"工单WO2026120864989已回单，处理人：李丽，处理结果：转厂家处理", ""},
          {"工单WO2026120864990已回单，处理人：赵伟，处理结果：挂起待观察（备注：需二次上站）", ""},
          {"工单WO2026120864991已回单，处理人：张敏，处理结果：已恢复", ""}}},
        // A word that tells the kind, and after it what each kind has to say.
        {"KindThenItsOwnTail",
         {{"2026年12月9日 01:00:03 信息 "
           "网管：用户142****4052附着成功，IMSI:460071202580518，APN:ims",
           "ok"},
          {"2026年12月9日 01:00:05 警告 "
           "网管：用户182****3821附着失败，IMSI:460023424767624，原因值#7",
           "failed"},
          {"2026年12月9日 01:00:13 信息 "
           "网管：用户155****0297附着成功，IMSI:460025536197686，APN:cmwap",
           "ok"},
          {"2026年12月9日 01:00:21 信息 "
           "网管：用户192****5514附着成功，IMSI:460027116369967，APN:ims",
           "ok"},
          {"2026年12月9日 01:00:45 警告 "
           "网管：用户183****5073附着失败，IMSI:460029579360222，原因值#15",
           "failed"}}},
        // A character that ends a name and the sentence's own both: "仓".
        {"AfterTheLastCharacterOfAName",
         {{"[06:30:41.913] [wms] INFO : "
           "佛山南海冷链仓入库完成，单号=IN20261209734952，SKU数=193，合计818件",
           "in"},
          {"[06:30:51.467] [tms] INFO : "
           "昆山保税仓入库完成，单号=IN20261209812305，SKU数=225，合计33件",
           "in"},
          {"[06:30:59.485] [wms] INFO : "
           "佛山南海冷链仓出库完成，单号=OUT20261209283044，SKU数=222，合计840件",
           "out"},
          {"[06:31:31.709] [wms] INFO : "
           "佛山南海冷链仓出库完成，单号=OUT20261209397201，SKU数=18，合计95件",
           "out"}}},
        // A last clause that is a value stands for any clauses.
        {"ClausesWhereAValueStood",
         {{"<132>Mar 18 08:17:23 hr-app02 payroll[2067]: "
           "审批超时：单据JB-2026-45517在马艳勇处已停留152小时，已自动催办，并抄送赵敏",
           ""},
          {"<132>Mar 18 08:17:41 hr-app01 payroll[2019]: "
           "审批超时：单据QJ-2026-82667在郑娟处已停留84小时，已自动催办",
           ""},
          {"<132>Mar 18 08:18:29 hr-app01 payroll[2078]: "
           "审批超时：单据BX-2026-90424在高伟勇处已停留174小时，已自动催办，并抄送马勇伟",
           ""},
          {"<132>Mar 18 08:19:31 hr-app02 payroll[2020]: "
           "审批超时：单据TX-2026-97509在唐静处已停留120小时，已自动催办，并抄送马明",
           ""}}},
        // Three texts after a label are its values.
        {"TextsAfterALabel",
         {{"保单ACX2026893512378757续保失败：健康告知异常", ""},
          {"保单ACX2026893512378758续保失败：产品已停售", ""},
          {"保单ACX2026893512378759续保失败：被保险人年龄超出续保上限", ""},
          {"保单ACX2026893512378760续保失败：健康告知异常", ""},
          {"保单ACX2026893512378761续保失败：产品已停售", ""}}},
        // Names of companies and centres after a value: whatever differs inside them,
        // they are the value's.
        {"NamesOfOrganisations",
         {{"购方成都砚舟商贸有限责任公司，税率1%", ""},
          {"购方深圳沐芮建筑工程有限责任公司，税率2%", ""},
          {"购方北京栖木医疗器械有限责任公司，税率9%", ""},
          {"购方北京峦启建筑工程有限公司，税率1%", ""},
          {"购方北京澜川新材料有限公司，税率9%", ""},
          {"已通知运维单位清源监测工程公司，工单W1", "notice"},
          {"已通知运维单位城东环境监测中心，工单W3", "notice"},
          {"已通知运维单位市环境应急中心，工单W4", "notice"},
          {"已通知运维单位青山环保运维公司，工单W6", "notice"}}},
        // Names that end before the sentence goes on ("公司完成" and "中心完成").
        {"NamesOfOrganisationsBeforeAVerb",
         {{"gw] 碧水生态服务中心完成滨湖新区站例行巡检，更换泵膜", ""},
          {"gw] 蓝天环境技术公司完成滨湖新区站例行巡检，更换纸带、电磁阀", ""},
          {"gw] 清源监测工程公司完成龙泉山对照点站例行巡检，更换除湿管、纸带、泵膜", ""},
          {"gw] 碧水生态服务中心完成开发区西区站例行巡检，更换电磁阀、干燥剂", ""},
          {"gw] 碧水生态服务中心完成龙泉山对照点站例行巡检，更换纸带、干燥剂、除湿管", ""},
          {"gw] 碧水生态服务中心完成市监测站站例行巡检，更换除湿管、纸带", ""},
          {"gw] 碧水生态服务中心完成奥体中心站例行巡检，更换标气钢瓶", ""},
          {"gw] 蓝天环境技术公司完成城东水厂站例行巡检，更换标气钢瓶、纸带", ""},
          {"gw] 清源监测工程公司完成开发区西区站例行巡检，更换标气钢瓶、纸带", ""},
          {"gw] 碧水生态服务中心完成市监测站站例行巡检，更换除湿管、电磁阀、干燥剂", ""},
          {"gw] 清源监测工程公司完成师范学院站例行巡检，更换采样头滤膜、纸带、标气钢瓶", ""},
          {"gw] 碧水生态服务中心完成高新区管委会站例行巡检，更换采样头滤膜、干燥剂", ""}}},
        // Names that differ as a whole and inside their endings, no value among them.
        {"NamesOfOrganisationsAsText",
         {{"蓝字发票开具成功：购方成都沐芮新材料有限公司，税率免税", ""},
          {"蓝字发票开具成功：购方杭州砚舟供应链管理有限责任公司，税率3%", ""},
          {"蓝字发票开具成功：购方成都栖木信息科技有限责任公司，税率免税", ""},
          {"蓝字发票开具成功：购方北京栖木医疗器械股份有限公司，税率3%", ""},
          {"蓝字发票开具成功：购方杭州闻溪物业服务股份有限公司，税率3%", ""},
          {"蓝字发票开具成功：购方深圳予衡新材料有限公司，税率13%", ""}}},
        // A name that came twice, then others: the names are told apart whole, not by
        // their endings.
        {"NamesOfOrganisationsAfterOneName",
         {{"采购订单PO-65641已审核，供应商：安桥药业配送中心，品种数130", ""},
          {"采购订单PO-70580已审核，供应商：北辰生物制品有限公司，品种数160", ""},
          {"采购订单PO-09112已审核，供应商：鑫泽医药物流有限公司，品种数41", ""},
          {"采购订单PO-52991已审核，供应商：安桥药业配送中心，品种数171", ""}}},
        // A line whose name and list stayed constant, where the others show values.
        {"NameAndListWhereOthersHoldValues",
         {{"巡更漏检：路线日间外围线，未打卡点位：1号楼大堂", ""},
          {"巡更漏检：路线夜间内圈线，未打卡点位：消防控制室", ""},
          {"巡更漏检：路线高层楼宇线，未打卡点位：地库B1-A区", ""},
          {"巡更漏检：路线夜间外围线，未打卡点位：东门岗亭", ""},
          {"巡更漏检：路线地库专线，未打卡点位：垃圾站、东门岗亭", ""}}},
        // A list's items hold words and signs, or there is one item; a name holds a
        // middle dot.
        {"ListsAndDottedNamesWhereOthersHoldValues", ListsAndDottedNames()},
        // A value stands for a remark in Chinese brackets that stayed constant.
        {"RemarkInBracketsWhereOthersHoldValues",
         {{"信用分变更：用户u18594154 +10分（违规停车），当前78分", ""},
          {"信用分变更：用户u18594155 -5分（超区还车），当前73分", ""},
          {"信用分变更：用户u18594156 +2分（违规停车），当前80分", ""},
          {"信用分变更：用户u18594157 -8分（未锁车），当前65分", ""},
          {"信用分变更：用户u18594158 +3分（连续7天文明骑行），当前83分", ""},
          {"信用分变更：用户u18594159 +3分（连续7天文明骑行），当前86分", ""}}},
        // A pair's value at the end stands for any text, brackets and all.
        {"AnyTextAsAPairsLastValue",
         {{"进闸拒绝 plate=苏E9XEW1 cntr=DLWU9274898 reason=箱门朝向错误", ""},
          {"进闸拒绝 plate=沪GQRSLK cntr=CRVU4586689 reason=预约时段已过", ""},
          {"进闸拒绝 plate=闽A4FGB4 cntr=CRVU0488771 reason=超重（VGM不一致）", ""}}},
        // Values with commas between after a label: any text may stand there.
        {"TextsAfterALabelBesideValuesWithCommas",
         {{"查勘员宋娟到达现场，案件LP20269478132，查勘结论：不属实", ""},
          {"查勘员梁伟到达现场，案件LP20269256405，查勘结论：存在疑点，需补充材料", ""},
          {"查勘员王丽到达现场，案件LP20269256406，查勘结论：属实，建议赔付", ""},
          {"查勘员赵六到达现场，案件LP20269256407，查勘结论：不属实", ""},
          {"查勘员孙七到达现场，案件LP20269256408，查勘结论：部分属实，待复核", ""}}},
        // Units after numbers are the numbers' ("出库" and "回库" after numbers are two
        // kinds, further on).
        {"UnitsAfterNumbers",
         {{"入库批号B20260038，数量398支，库位A-1", ""},
          {"入库批号B20237791，数量24板，库位A-2", ""},
          {"入库批号B20237792，数量143支，库位B-1", ""},
          {"入库批号B20237793，数量12板，库位B-2", ""}}},
        // A clause that some lines add after a value: the value never stands for the
        // comma before it.
        {"ClauseAfterAValue",
         {{"考生266475167330453切出考试页面，第5次，离开169秒，已弹窗警告", ""},
          {"考生265436803619786切出考试页面，第8次，离开138秒", ""},
          {"考生264347618066781切出考试页面，第2次，离开276秒", ""},
          {"考生265006516723937切出考试页面，第7次，离开154秒，已弹窗警告", ""}}},
        // A label's value with a comma of its own, before the clause the others have.
        {"TextsAfterALabelBeforeAClause",
         {{"故障GZ5237531处置完毕：乘客已送医，耗时3min26s", ""},
          {"故障GZ5237532处置完毕：供电恢复，逐步恢复正常运营，耗时4min2s", ""},
          {"故障GZ5237533处置完毕：信号恢复，耗时1min6s", ""},
          {"故障GZ5237534处置完毕：供电恢复，逐步恢复正常运营，耗时9min2s", ""},
          {"故障GZ5237535处置完毕：异物已清除，耗时2min6s", ""}}},
        // A label after a remark in brackets; its texts hold punctuation and values.
        {"TextsAfterALabelAfterARemark",
         {{"2026年9月增值税申报失败（91330106MAFA36LA1P）：所属期已申报，不可重复申报", ""},
          {"2026年8月增值税申报失败（91330106MFY7NDAHKL）：申报数据校验不通过", ""},
          {"2026年7月增值税申报失败（91510107MAFRNKFG2U）：税款所属期未到（次月15日前）", ""},
          {"2026年9月增值税申报失败（91330106MAFA36LA1Q）：跨度响应偏差超过±5%", ""},
          {"2026年6月增值税申报失败（91330106MAFA36LA1R）：申报数据校验不通过", ""}}},
        // The kind, a name and a city differ at once.
        {"KindAndTwoNamesAtOnce",
         {{"2026-03-18 08:03:40 [INFO] [hr-salary] [tid:bfc67b] "
           "社保减员成功：郑秀霞，参保地成都，缴费基数1548.68元",
           "minus"},
          {"2026-03-18 08:03:43 [INFO] [hr-attendance] [tid:a0ff58] "
           "社保增员成功：朱静，参保地北京，缴费基数53822.28元",
           "plus"},
          {"2026-03-18 08:03:58 [INFO] [hr-workflow] [tid:bbf019] "
           "社保增员成功：宋丽，参保地深圳，缴费基数43585.53元",
           "plus"},
          {"2026-03-18 08:05:58 [INFO] [hr-attendance] [tid:33cf20] "
           "社保减员成功：张洋，参保地深圳，缴费基数6626.65元",
           "minus"}}},
        // A group whose member saw the other text first, and that text's few lines there.
        {"MemberThatSawTheOtherTextFirst",
         LinesByMarker(
             R"(2026-03-18 08:00:03 [INFO] [hr-attendance] [tid:ad45f2] 社保减员成功：赵洋伟，参保地深圳，缴费基数55691.71元
2026-03-18 08:00:10 [INFO] [hr-attendance] [tid:62397b] 社保增员成功：宋超，参保地成都，缴费基数14266.54元
2026-03-18 08:01:16 [INFO] [hr-salary] [tid:44e1b8] 社保增员成功：张超，参保地北京，缴费基数24930.59元
2026-03-18 08:01:38 [INFO] [hr-workflow] [tid:6c931d] 社保增员成功：梁军，参保地北京，缴费基数40820.92元
2026-03-18 08:01:46 [INFO] [hr-workflow] [tid:d810c3] 社保增员成功：林洋，参保地北京，缴费基数11091.25元
2026-03-18 08:01:50 [INFO] [hr-salary] [tid:ea174c] 社保增员成功：宋勇霞，参保地上海，缴费基数30410.35元
2026-03-18 08:02:37 [INFO] [hr-attendance] [tid:673dd9] 社保增员成功：谢艳，参保地上海，缴费基数43688.69元
2026-03-18 08:02:47 [INFO] [hr-workflow] [tid:4559eb] 社保增员成功：林明磊，参保地成都，缴费基数16516.13元
2026-03-18 08:02:48 [INFO] [hr-attendance] [tid:1dcc99] 社保减员成功：唐勇，参保地深圳，缴费基数58456.93元
2026-03-18 08:07:51 [INFO] [hr-salary] [tid:ab6e82] 社保减员成功：林芳，参保地上海，缴费基数24870.79元
2026-03-18 08:09:02 [INFO] [hr-workflow] [tid:ae75f0] 社保增员成功：梁明军，参保地深圳，缴费基数9017.85元
2026-03-18 08:09:49 [INFO] [hr-workflow] [tid:1683ba] 社保增员成功：黄明超，参保地杭州，缴费基数51184.22元
2026-03-18 08:10:05 [INFO] [hr-salary] [tid:fef077] 社保增员成功：徐强，参保地上海，缴费基数53160.34元
2026-03-18 08:11:02 [INFO] [hr-salary] [tid:8ac0e2] 社保增员成功：王刚霞，参保地深圳，缴费基数10238.18元
2026-03-18 08:11:37 [INFO] [hr-salary] [tid:922f6a] 社保减员成功：罗磊，参保地上海，缴费基数59735.68元
2026-03-18 08:11:49 [INFO] [hr-salary] [tid:3aafd2] 社保减员成功：唐磊，参保地上海，缴费基数14273.22元
2026-03-18 08:12:22 [INFO] [hr-workflow] [tid:86805c] 社保增员成功：陈娟，参保地成都，缴费基数26080.28元
2026-03-18 08:14:18 [INFO] [hr-workflow] [tid:7cc420] 社保增员成功：孙丽芳，参保地上海，缴费基数33067.87元
2026-03-18 08:14:34 [INFO] [hr-workflow] [tid:a95065] 社保增员成功：郑娜伟，参保地成都，缴费基数1363.18元
2026-03-18 08:14:56 [INFO] [hr-salary] [tid:ec2603] 社保增员成功：梁伟秀，参保地深圳，缴费基数5241.01元
2026-03-18 08:15:19 [INFO] [hr-salary] [tid:3711fc] 社保增员成功：郭勇，参保地北京，缴费基数48467.70元
2026-03-18 08:16:37 [INFO] [hr-workflow] [tid:5ba32b] 社保减员成功：孙磊，参保地杭州，缴费基数6963.16元
2026-03-18 08:17:35 [INFO] [hr-workflow] [tid:6a25d3] 社保增员成功：黄娟勇，参保地北京，缴费基数55998.03元
2026-03-18 08:19:27 [INFO] [hr-salary] [tid:f12cfb] 社保减员成功：刘磊军，参保地深圳，缴费基数56882.69元
2026-03-18 08:21:14 [INFO] [hr-workflow] [tid:1bc3c5] 社保增员成功：高芳丽，参保地北京，缴费基数46164.54元
2026-03-18 08:41:08 [INFO] [hr-attendance] [tid:7e412f] 社保增员成功：周霞，参保地北京，缴费基数49366.64元
2026-03-18 08:44:15 [INFO] [hr-salary] [tid:3c6c3a] 社保减员成功：林磊秀，参保地北京，缴费基数18661.09元)",
             "增员")},
        // The same with a word in brackets that differs too.
        {"KindAndNameBesideAWord",
         {{"I 07:00:01.433 [gateway] 理财产品赎回成功，客户高磊，金额120903.03元", "sell"},
          {"I 07:00:05.581 [batch] 理财产品认购成功，客户郭勇，金额427129.89元", "buy"},
          {"I 07:00:22.746 [batch] 理财产品认购成功，客户朱霞，金额310034.06元", "buy"},
          {"I 07:00:28.224 [batch] 理财产品赎回成功，客户黄霞，金额195767.50元", "sell"},
          {"I 07:00:32.933 [core] 理财产品认购成功，客户陈杰磊，金额371408.85元", "buy"},
          {"I 07:00:39.475 [batch] 理财产品赎回成功，客户郑敏，金额8985.51元", "sell"}}},
        // A list of titles without a separator before its first item; a label's values
        // in Latin words or items; remarks after a semicolon, or after a text that takes
        // turns; a date in Chinese numerals before a level in angle brackets.
        {"ListOfTitles",
         {{"赵秀的荐购申请已提交：《红楼梦》、《百年孤独》、《三体》", ""},
          {"黄洋的荐购申请已提交：《百年孤独》", ""},
          {"王伟的荐购申请已提交：《活着》、《围城》", ""},
          {"李娜的荐购申请已提交：《三体》", ""},
          {"张敏的荐购申请已提交：《红楼梦》、《活着》", ""},
          {"刘强的荐购申请已提交：《围城》、《三体》、《红楼梦》", ""}}},
        {"WordsAfterALabel",
         {{"唐涛缴纳滞纳金3.10元，支付方式：WeChat", ""},
          {"郑勇缴纳滞纳金5.20元，支付方式：SMS", ""},
          {"王伟缴纳滞纳金1.50元，支付方式：Email", ""},
          {"李娜缴纳滞纳金2.00元，支付方式：WeChat", ""},
          {"张敏缴纳滞纳金0.80元，支付方式：SMS", ""},
          {"刘强缴纳滞纳金7.30元，支付方式：Email", ""}}},
        {"ItemsAfterALabel",
         {{"09:20:24 | 警告 | 开放平台网关 | 下单参数校验失败，缺少字段：receiver_addr,"
           "sender_phone,pay_method,goods_name",
           ""},
          {"09:20:39 | 警告 | 开放平台网关 | 下单参数校验失败，缺少字段：receiver_addr,weight", ""},
          {"09:21:25 | 警告 | 开放平台网关 | 下单参数校验失败，缺少字段：receiver_addr", ""}}},
        {"RemarkAfterSemicolon",
         {{"标本2659174803已签收，签收人郭涛秀，运送耗时75分钟", ""},
          {"标本2659174804已签收，签收人王伟，运送耗时12分钟；备注：复查", ""},
          {"标本2659174805已签收，签收人李娜，运送耗时30分钟", ""},
          {"标本2659174806已签收，签收人张敏，运送耗时48分钟；备注：加急", ""},
          {"标本2659174807已签收，签收人刘强，运送耗时9分钟", ""},
          {"标本2659174808已签收，签收人陈静，运送耗时66分钟；备注：溶血", ""}}},
        {"RemarkOfATextThatTakesTurns",
         LinesByMarker(
             R"(INFO|2026-12-09 08:57:23,519|lib-circ|72|杨静娜归还《C++程序设计语言（第四版）》，条码T4439766（已续借2次）
INFO|2026-12-09 08:57:30,424|lib-circ|88|梁芳归还《平凡的世界》，条码A8019405
INFO|2026-12-09 08:58:34,645|lib-circ|99|罗艳借阅《活着》，条码T7723266，应还日期2026-04-26
INFO|2026-12-09 09:00:01,067|lib-circ|71|马伟归还《红楼梦》，条码T7397260
INFO|2026-12-09 09:01:15,050|lib-circ|33|周超借阅《百年孤独》，条码A1110453，应还日期2026-06-18
INFO|2026-12-09 09:01:43,858|lib-circ|95|胡平归还《红楼梦》，条码B2114645（已续借1次）
INFO|2026-12-09 09:01:47,309|lib-circ|71|胡杰磊借阅《活着》，条码T0775568，应还日期2026-03-17)",
             "归还")},
        {"NumeralDateHeader",
         {{"二〇二六年十二月九日 05:40:01.095 <信息> 孙军涛完成日保养", "a"},
          {"二〇二六年十二月九日 05:40:03.311 <信息> 孙娜审核报告RPT537039653", "b"},
          {"二〇二六年十二月九日 05:40:09.802 <信息> 杨伟自助打印报告RPT577611135", "c"},
          {"二〇二六年十二月九日 05:40:15.385 <信息> 外送标本2742964840已交接第三方实验室", "d"},
          {"二〇二六年十二月九日 05:40:22.140 <信息> 孙娜审核报告RPT537039654", "b"},
          {"二〇二六年十二月九日 05:41:00.744 <信息> 标本2741628562已销毁，操作人赵芳", "e"}}},
        // Texts before a value take turns, a pair's sign after one of them; a plate of
        // letters glued to its province is a value like one with digits.
        {"TextsBeforeAValueWithASign",
         {{"【信息】2026年12月09日 06时48分24秒 停车场管理：车辆贵HP0SNA出场，通道：南门出口，"
           "停车时长20小时20分钟",
           "out"},
          {"【信息】2026年12月09日 06时48分34秒 停车场管理：车辆闽FTMYA3入场，通道：北侧临时通道，"
           "识别置信度=0.64",
           "in"},
          {"【信息】2026年12月09日 06时48分42秒 停车场管理：车辆桂CDM327出场，通道：北侧临时通道，"
           "停车时长43小时18分钟",
           "out"},
          {"【信息】2026年12月09日 06时52分44秒 停车场管理：车辆辽DDQSQYA入场，通道：北侧临时通道，"
           "识别置信度=0.41",
           "in"}}},
        {"PlatesOfLetters",
         {{"2026-12-09T07:15:30.612+08:00 WARN  [gate-worker-6] "
           "放行失败：粤EDWBKJ，原因：出口未缴费，"
           "禁止放行",
           ""},
          {"2026-12-09T07:17:26.183+08:00 WARN  [gate-worker-4] "
           "放行失败：渝DFBYERL，原因：车辆倒车离开",
           ""},
          {"2026-12-09T07:19:33.372+08:00 WARN  [gate-worker-4] "
           "放行失败：辽EDC1LH，原因：道闸通讯中断",
           ""},
          {"2026-12-09T07:20:06.385+08:00 WARN  [gate-worker-2] "
           "放行失败：浙KTN57T，原因：出口未缴费，"
           "禁止放行",
           ""},
          {"2026-12-09T07:20:43.779+08:00 WARN  [gate-worker-1] "
           "放行失败：苏CVNRLW，原因：道闸通讯中断",
           ""}}},
        // A name glued to what happened begins the message.
        {"VerbAfterANameTheMessageBeginsWith",
         {{"[2026/03/14 05:00:20] [信息] 宋杰登录SCADA客户端，终端WS17", "in"},
          {"[2026/03/14 05:00:28] [信息] 罗伟磊退出SCADA客户端，终端WS01", "out"},
          {"[2026/03/14 05:00:29] [信息] 郑芳洋登录SCADA客户端，终端WS05", "in"},
          {"[2026/03/14 05:01:40] [信息] 徐磊军退出SCADA客户端，终端WS07", "out"}}},
        // One character after a number tells what happened, with two other places
        // differing; a class written with and without brackets.
        {"OneCharacterAfterANumber",
         {{"2026/05/20 05:45:36 [提示] OCC: 列车02251出库，司机赵芳静，松岗车辆段", "out"},
          {"2026/05/20 05:46:03 [提示] OCC: 列车02121回库，司机黄勇，龙泉车辆段", "in"},
          {"2026/05/20 05:47:15 [提示] OCC: 列车09105回库，司机林超丽，龙泉车辆段", "in"},
          {"2026/05/20 05:52:43 [提示] OCC: 列车01230出库，司机谢勇，前湾停车场", "out"}}},
        {"ClassWithAndWithoutBrackets",
         {{"2026-09-01 07:19:46,305 INFO  [http-nio-8080-exec-20] c.c.school.NoticeJob - "
           "初三(8)班体育作业已布置，截止2月6日，需家长签字",
           ""},
          {"2026-09-01 07:19:58,473 INFO  [http-nio-8080-exec-11] c.c.school.AttendService - "
           "五年级(3)班历史作业已布置，截止3月25日",
           ""},
          {"2026-09-01 07:20:07,671 INFO  [http-nio-8080-exec-2] c.c.school.ScoreService - "
           "五年级4班英语作业已布置，截止7月1日，需家长签字",
           ""},
          {"2026-09-01 07:20:22,835 INFO  [http-nio-8080-exec-9] c.c.school.CardService - "
           "初二5班数学作业已布置，截止3月10日",
           ""}}},
        // Texts after a label the message begins with, one of them with a comma.
        {"TextsAfterAnOpeningLabel",
         {{"<14>Sep  1 07:20:53 campus-srv1 edu: INFO 致全体家长：春游安全告知书，请签字回执", ""},
          {"<14>Sep  1 07:20:57 campus-srv1 edu: INFO 致全体家长：流感高发季节，请注意孩子体温",
           ""},
          {"<14>Sep  1 07:21:34 campus-srv1 edu: INFO 致全体家长：本学期学费缴纳截止日期临近",
           ""}}},
        // Kinds of message after a header's level, which reads like a label.
        {"KindsAfterAHeadersLevel",
         {{"[2026年3月18日 07:00:47] 【安防监控】一般：P1仓仓门开启，操作人杨洋，授权码817969",
           "door"},
          {"[2026年3月18日 07:00:58] 【质检化验】一般：仓温仓湿 silo=L-03立筒仓 T=20.5℃ RH=80%",
           "temp"},
          {"[2026年3月18日 07:01:08] 【安防监控】一般：熏蒸开始 silo=Q2浅圆仓 agent=SF "
           "dose=7.5g/m3",
           "gas"},
          {"[2026年3月18日 07:02:47] 【轮换管理】一般：P3仓仓门开启，操作人吴平，授权码817970",
           "door"},
          {"[2026年3月18日 07:03:58] 【安防监控】一般：仓温仓湿 silo=Q1浅圆仓 T=18.5℃ RH=70%",
           "temp"},
          {"[2026年3月18日 07:04:08] 【轮换管理】一般：熏蒸开始 silo=P7仓 agent=PH3 dose=7.0g/m3",
           "gas"}}},
        // Names of two Latin words in place of Chinese ones.
        {"NamesOfLatinWords",
         LinesByMarker(
             R"(时间：2027年3月18日 06:29:18 级别：一般 节点：码头作业4号机 内容：船舶JADE ISLAND（航次289S）靠泊101#泊位，带缆完成，吃水10.6米
时间：2027年3月18日 06:30:34 级别：一般 节点：码头作业4号机 内容：船舶NORTHERN LARK（航次997W）靠泊105#泊位，带缆完成，吃水12.5米
时间：2027年3月18日 06:30:35 级别：一般 节点：码头作业4号机 内容：船舶ORIENT BREEZE（航次985E）靠泊107#泊位，带缆完成，吃水16.3米
时间：2027年3月18日 06:33:25 级别：一般 节点：码头作业2号机 内容：船舶远航明珠（航次671E）靠泊107#泊位，带缆完成，吃水7.2米
时间：2027年3月18日 06:33:49 级别：一般 节点：码头作业2号机 内容：船舶JADE ISLAND（航次425S）靠泊Q3泊位，带缆完成，吃水13.7米)",
             "靠泊")},
        // A name with and without its kind in brackets.
        {"KindOfANameInBrackets",
         {{"2026/12/20 09:51:49 <警告> 售票终端03号 - 卖品库存预警：爆米花（大桶）仅剩1份，"
           "低于安全库存80份",
           ""},
          {"2026/12/20 09:51:54 <警告> 售票终端04号 - "
           "卖品库存预警：矿泉水仅剩11份，低于安全库存20份",
           ""}}},
        {"LatinNameAfterALabel",
         {{"[2026-12-20 09:45:10,933][INFO ][kiosk-poll][trace:ac05c2188167] "
           "订单TK122169954405支付成功，渠道：会员卡，实付651.50元",
           ""},
          {"[2026-12-20 09:45:23,054][INFO ][http-nio-8080-exec-3][trace:55ff3c344c89] "
           "订单TK122075386340支付成功，渠道：数字人民币，实付215.00元",
           ""},
          {"[2026-12-20 09:45:45,727][INFO ][stock-sync][trace:59ed80a1545e] "
           "订单TK122109634260支付成功，渠道：Apple Pay，实付430.90元",
           ""}}},
        // Two places that change together beside a place of names.
        {"PlacesThatChangeTogether",
         {{"[06:00:03.640] [tms] INFO : 广州白云分拨中心发件扫描：运单KD983397600918，"
           "下一站武汉东西湖分拣中心",
           "out"},
          {"[06:00:11.342] [tms] INFO : 广州白云分拨中心到件扫描：运单KD692060007482，上一站郑州",
           "in"},
          {"[06:00:33.308] [tms] INFO : 成都双流集散中心到件扫描：运单KD371568992567，上一站成都",
           "in"},
          {"[06:02:39.136] [tms] INFO : 广州白云分拨中心发件扫描：运单KD790659390487，"
           "下一站武汉东西湖分拣中心",
           "out"}}},
        // Words one side lacks in two places of an opening label (已发起签署, 签署超时).
        {"WordsEachSideLacks",
         {{"09:00:00.000 [hr-task-3] INFO  c.j.h.X - "
           "劳动合同已发起签署：员工王强，合同编号LD-2026-74606，期限3年",
           "start"},
          {"09:00:01.001 [hr-task-12] INFO  c.j.h.X - "
           "劳动合同签署完成：员工杨帆，合同编号LD-2026-61898",
           "done"},
          {"09:00:02.002 [hr-task-13] INFO  c.j.h.X - "
           "劳动合同已发起签署：员工郑丽，合同编号LD-2026-63944，期限3年",
           "start"},
          {"09:00:03.003 [hr-task-7] INFO  c.j.h.X - "
           "劳动合同签署超时：员工何秀勇，合同编号LD-2026-91204，已提醒9次",
           "late"},
          {"09:00:04.004 [hr-task-0] INFO  c.j.h.X - "
           "劳动合同已发起签署：员工郑丽，合同编号LD-2026-41606，期限无固定期限",
           "start"},
          {"09:00:05.005 [hr-task-6] INFO  c.j.h.X - "
           "劳动合同签署完成：员工何秀勇，合同编号LD-2026-49965",
           "done"},
          {"09:00:06.006 [hr-task-15] INFO  c.j.h.X - "
           "劳动合同已发起签署：员工何秀勇，合同编号LD-2026-69157，期限3年",
           "start"},
          {"09:00:07.007 [hr-task-7] INFO  c.j.h.X - "
           "劳动合同签署完成：员工刘洋，合同编号LD-2026-30260",
           "done"},
          {"09:00:08.008 [hr-task-3] INFO  c.j.h.X - "
           "劳动合同签署超时：员工张伟，合同编号LD-2026-02816，已提醒18次",
           "late"},
          {"09:00:09.009 [hr-task-10] INFO  c.j.h.X - "
           "劳动合同签署完成：员工张伟，合同编号LD-2026-15845",
           "done"},
          {"09:00:10.010 [hr-task-6] INFO  c.j.h.X - "
           "劳动合同签署完成：员工陈静，合同编号LD-2026-66547",
           "done"},
          {"09:00:11.011 [hr-task-1] INFO  c.j.h.X - "
           "劳动合同签署超时：员工杨帆，合同编号LD-2026-66228，已提醒19次",
           "late"}}},
        // Chinese text that differs in three places: what, how it ended and a label.
        {"WordsDifferInThreePlaces",
         {{"I1118 08:15:01.214792  8060 tax.cc:210] 红字发票开具成功：发票代码044221565416，"
           "发票号码90976866，对应蓝字发票83984085，价税合计￥-24811.38，冲红原因：开票有误",
           "red"},
          {"E1118 08:16:17.423831 29646 tax.cc:427] 蓝字发票开具失败：发票代码031261935098，"
           "发票号码45421706，购方深圳栖木餐饮管理有限责任公司，价税合计￥855.50，原因：证书已过期",
           "blue"},
          {"I1118 08:15:09.301144 15848 tax.cc:213] 红字发票开具成功：发票代码033232502312，"
           "发票号码36780426，对应蓝字发票39060394，价税合计￥-482.48，冲红原因：销货退回",
           "red"},
          {"E1118 08:17:32.885687 19335 tax.cc:486] 蓝字发票开具失败：发票代码031251698219，"
           "发票号码24652942，购方成都栖木餐饮管理有限责任公司，价税合计￥1262274."
           "61，原因：设备离线",
           "blue"}}},
        // Words before a value in one kind and before a clause's end in the other.
        {"WordsBeforeAValueOrAClauseEnd",
         {{"09:00:15.484 [hr-task-13] INFO  c.j.h.onboard.OnboardTaskJob - "
           "入职任务【安排导师】已完成，员工E20259453，负责人胡艳",
           "done"},
          {"09:00:23.307 [hr-task-13] WARN  c.j.h.job.JobPublishService - "
           "入职任务【签署保密协议】已逾期10天，员工E20265080，负责人何刚",
           "late"},
          {"09:00:23.335 [hr-task-6] WARN  c.j.h.onboard.OnboardTaskJob - "
           "入职任务【领取工牌】已逾期2天，员工E20255469，负责人梁涛",
           "late"},
          {"09:00:23.081 [hr-task-11] WARN  c.j.h.onboard.OnboardTaskJob - "
           "入职任务【提交体检报告】已逾期8天，员工E20253687，负责人刘超",
           "late"},
          {"09:00:34.651 [hr-task-2] INFO  c.j.h.bgcheck.BgCheckCallback - "
           "入职任务【签署保密协议】已完成，员工E20258129，负责人唐娟娟",
           "done"},
          {"09:00:48.772 [hr-task-11] WARN  c.j.h.onboard.OnboardTaskJob - "
           "入职任务【开通VPN账号】已逾期2天，员工E20258335，负责人孙洋",
           "late"},
          {"09:00:58.239 [hr-task-16] INFO  c.j.h.resume.ResumeParseWorker - "
           "入职任务【拍摄工牌照片】已完成，员工E20263170，负责人何芳",
           "done"},
          {"09:01:00.969 [hr-task-15] WARN  c.j.h.job.JobPublishService - "
           "入职任务【开通邮箱】已逾期3天，员工E20251454，负责人罗伟",
           "late"}}},
        // One character tells what happened to a name, once the first names that
        // differed (吴丽, 马丽) proved to be values.
        {"OneCharacterAfterANameThatProvedAValue",
         {{"2026/12/09 06:00:01 【信息】 快递员吴丽离线，所属网点：成都高新区站点", "off"},
          {"2026/12/09 06:00:04 【信息】 快递员马丽离线，所属网点：广州大学城驿站", "off"},
          {"2026/12/09 06:00:09 【信息】 快递员黄娟离线，所属网点：广州大学城驿站", "off"},
          {"2026/12/09 06:00:13 【信息】 快递员梁伟勇离线，所属网点：成都高新区站点", "off"},
          {"2026/12/09 06:00:17 【信息】 快递员刘强娟离线，所属网点：广州西湖网点", "off"},
          {"2026/12/09 06:00:27 【信息】 快递员朱刚离线，所属网点：成都高新区站点", "off"},
          {"2026/12/09 06:00:28 【信息】 快递员罗军上线，所属网点：杭州滨江营业部", "on"},
          {"2026/12/09 06:00:29 【信息】 快递员郭杰强离线，所属网点：杭州滨江营业部", "off"},
          {"2026/12/09 06:00:30 【信息】 快递员赵强离线，所属网点：苏州开发区网点", "off"},
          {"2026/12/09 06:00:33 【信息】 快递员张洋离线，所属网点：武汉西湖网点", "off"},
          {"2026/12/09 06:00:36 【信息】 快递员张平离线，所属网点：武汉开发区网点", "off"},
          {"2026/12/09 06:00:44 【信息】 快递员徐娟离线，所属网点：上海开发区网点", "off"},
          {"2026/12/09 06:00:48 【信息】 快递员张杰离线，所属网点：苏州高新区站点", "off"},
          {"2026/12/09 06:00:49 【信息】 快递员周平上线，所属网点：杭州开发区网点", "on"},
          {"2026/12/09 06:00:53 【信息】 快递员宋平上线，所属网点：成都大学城驿站", "on"},
          {"2026/12/09 06:01:00 【信息】 快递员徐敏离线，所属网点：成都西湖网点", "off"}}},
        // Two groups, each of one kind, that differ in two places changing together.
        {"GroupsApartInTwoPlaces",
         {{"2026/12/09 06:00:17 【信息】 广州白云分拨中心到件扫描：运单KD666362632071，上一站杭州",
           "in"},
          {"2026/12/09 06:00:35 【信息】 "
           "武汉东西湖分拣中心发件扫描：运单YT426538224597，下一站广州白云分拨中心",
           "out"},
          {"2026/12/09 06:01:04 【信息】 "
           "华东转运中心发件扫描：运单KD609372287485，下一站广州白云分拨中心",
           "out"},
          {"2026/12/09 06:01:17 【信息】 "
           "华东转运中心发件扫描：运单KD278885382023，下一站郑州航空港分拨中心",
           "out"},
          {"2026/12/09 06:01:36 【信息】 北京顺义转运中心到件扫描：运单YT517519133029，上一站上海",
           "in"},
          {"2026/12/09 06:01:38 【信息】 "
           "广州白云分拨中心发件扫描：运单YT606205692760，下一站郑州航空港分拨中心",
           "out"},
          {"2026/12/09 06:01:50 【信息】 广州白云分拨中心到件扫描：运单ZT648358289601，上一站西安",
           "in"},
          {"2026/12/09 06:01:58 【信息】 "
           "广州白云分拨中心发件扫描：运单YT313928194475，下一站华东转运中心",
           "out"}}},
        // After digits, the first two characters tell what happened, a name after them.
        {"WhatHappenedAfterDigitsBeforeAName",
         {{"OCC: 列车10054到达飞机场上行站台，晚点293秒", "in"},
          {"OCC: 列车08046驶离体育中心上行站台，晚点210秒", "out"},
          {"OCC: 列车06096驶离南门下行站台，晚点49秒", "out"},
          {"OCC: 列车10067驶离会展中心下行站台，晚点265秒", "out"},
          {"OCC: 列车10147驶离火车东站上行站台，晚点23秒", "out"},
          {"OCC: 列车08293驶离会展中心上行站台，晚点138秒", "out"},
          {"OCC: 列车01243驶离体育中心上行站台，晚点28秒", "out"},
          {"OCC: 列车06287驶离世纪大道上行站台，晚点237秒", "out"},
          {"OCC: 列车06204驶离体育中心下行站台，晚点42秒", "out"},
          {"OCC: 列车02044到达火车东站上行站台，晚点135秒", "in"}}},
        // The same once a third name shows that the endings are names.
        {"WhatHappenedAfterDigitsOnceNamesDiffer",
         {{"OCC: 列车10206到达科技园上行站台，晚点119秒", "in"},
          {"OCC: 列车04292驶离飞机场上行站台，晚点253秒", "out"},
          {"OCC: 列车05300到达世纪大道下行站台，晚点86秒", "in"},
          {"OCC: 列车04286到达人民广场下行站台，晚点261秒", "in"},
          {"OCC: 列车03240到达大学城上行站台，晚点138秒", "in"},
          {"OCC: 列车03048驶离会展中心下行站台，晚点155秒", "out"},
          {"OCC: 列车12226驶离体育中心下行站台，晚点205秒", "out"},
          {"OCC: 列车09167驶离火车东站下行站台，晚点176秒", "out"},
          {"OCC: 列车05274到达体育中心下行站台，晚点152秒", "in"},
          {"OCC: 列车10069到达火车东站上行站台，晚点210秒", "in"}}},
        // The same where the names have become a value first.
        {"WhatHappenedAfterDigitsBeforeAValue",
         {{"OCC: 列车04060到达西湖文化广场下行站台，晚点159秒", "in"},
          {"OCC: 列车08256到达飞机场上行站台，晚点70秒", "in"},
          {"OCC: 列车08272到达飞机场下行站台，晚点110秒", "in"},
          {"OCC: 列车09250到达体育中心下行站台，晚点199秒", "in"},
          {"OCC: 列车11064到达龙华路下行站台，晚点173秒", "in"},
          {"OCC: 列车03116到达南门上行站台，晚点245秒", "in"},
          {"OCC: 列车03135到达体育中心上行站台，晚点32秒", "in"},
          {"OCC: 列车11072驶离会展中心上行站台，晚点300秒", "out"},
          {"OCC: 列车07059到达人民广场下行站台，晚点119秒", "in"},
          {"OCC: 列车07263到达龙华路上行站台，晚点211秒", "in"},
          {"OCC: 列车01162驶离体育中心下行站台，晚点207秒", "out"},
          {"OCC: 列车02206到达大学城上行站台，晚点149秒", "in"},
          {"OCC: 列车09209到达火车东站下行站台，晚点38秒", "in"},
          {"OCC: 列车06216到达世纪大道上行站台，晚点217秒", "in"},
          {"OCC: 列车10053到达世纪大道上行站台，晚点1秒", "in"},
          {"OCC: 列车03110到达北京路上行站台，晚点293秒", "in"}}},
        // The end of a name that some names have and others lack (信用卡中心).
        {"EndOfANameSomeLack",
         {{"内容：网络查控反馈：（2025）沪0105民初24846号，泽安银行信用卡中心冻结130572元，另查询账"
           "户5个",
           ""},
          {"内容：网络查控反馈：（2026）沪0105民特10845号，泽安银行信用卡中心冻结292679."
           "64元，另查询账户4个",
           ""},
          {"内容：网络查控反馈：（2025）沪0105行初1082号，临江农商银行冻结513843."
           "40元，另查询账户3个",
           ""},
          {"内容：网络查控反馈：（2026）粤0304知民初13705号，临江农商银行冻结987269元，另查询账户7"
           "个",
           ""},
          {"内容：网络查控反馈：（2025）鄂0102执保20615号，北湖城市商业银行冻结238403元，另查询账户"
           "11个",
           ""},
          {"内容：网络查控反馈：（2026）鄂0102民初21427号，鹤山村镇银行冻结415890."
           "40元，另查询账户1个",
           ""},
          {"内容：网络查控反馈：（2026）沪01执保7207号，临江农商银行冻结2578658元，另查询账户1个",
           ""},
          {"内容：网络查控反馈：（2026）川0191民初9698号，北湖城市商业银行冻结1621952元，另查询账户"
           "12个",
           ""},
          {"内容：网络查控反馈：（2025）沪01执12050号，恒通银行冻结703858.12元，另查询账户1个", ""},
          {"内容：网络查控反馈：（2026）川0191民初7669号，泽安银行信用卡中心冻结2130508元，另查询账"
           "户4个",
           ""},
          {"内容：网络查控反馈：（2026）苏0213民初9654号，临江农商银行冻结2106760元，另查询账户8个",
           ""},
          {"内容：网络查控反馈：（2026）沪01知民初12734号，泽安银行信用卡中心冻结451337."
           "01元，另查询账户3个",
           ""}}},
        // After a label at the end, a value with a name's ending and a name of another form.
        {"ValueWithAnEndingAfterALabel",
         {{"会员卡充值：卡号880031939071，会员宋强敏，充值6161.77元，等级：钻石卡", ""},
          {"会员卡充值：卡号880063626388，会员张涛，充值315.60元，等级：金卡", ""},
          {"会员卡充值：卡号880034809906，会员张敏静，充值3241.91元，等级：银卡", ""},
          {"会员卡充值：卡号880063117699，会员刘洋，充值6606.81元，等级：VIP（员工家属）", ""},
          {"会员卡充值：卡号880020215394，会员张敏静，充值2584.66元，等级：钻石卡", ""},
          {"会员卡充值：卡号880052336420，会员罗杰超，充值1149.20元，等级：金卡", ""},
          {"会员卡充值：卡号880079336043，会员罗杰超，充值5035.99元，等级：银卡", ""},
          {"会员卡充值：卡号880004162326，会员李娜，充值7845.76元，等级：VIP（员工家属）", ""},
          {"会员卡充值：卡号880096478913，会员陈静，充值7094.50元，等级：VIP（员工家属）", ""},
          {"会员卡充值：卡号880018005188，会员王伟，充值1696.04元，等级：金卡", ""},
          {"会员卡充值：卡号880066422127，会员张敏静，充值4326.86元，等级：VIP（员工家属）", ""},
          {"会员卡充值：卡号880084107309，会员李娜，充值7000.64元，等级：VIP（员工家属）", ""},
          {"会员卡充值：卡号880077044027，会员王伟，充值8850.74元，等级：VIP（员工家属）", ""},
          {"会员卡充值：卡号880078416948，会员张敏静，充值5617.87元，等级：钻石卡", ""},
          {"会员卡充值：卡号880037538779，会员宋强敏，充值5447.69元，等级：钻石卡", ""},
          {"会员卡充值：卡号880095806898，会员张敏静，充值4475.36元，等级：钻石卡", ""}}},
        // A remark some lines add at the end, their other text constant in too few lines.
        {"RemarkAfterTextsAValueCovers",
         {{"分类检查未通过：梅陇三村33号楼957室，问题：废电池混入其他垃圾、厨余垃圾中混有塑料袋、纸"
           "巾投入可回收物，督导员王静芳已拍照留证",
           ""},
          {"分类检查未通过：城北新村（东块）12号楼836室，问题：纸巾投入可回收物，督导员徐敏超已拍照"
           "留证",
           ""},
          {"分类检查未通过：锦绣华庭39号楼142室，问题：干湿未分、外卖餐盒未倒净汤水，督导员朱静涛已"
           "拍照留证",
           ""},
          {"分类检查未通过：临港新城 "
           "滴水湖苑38号楼189室，问题：纸巾投入可回收物、废电池混入其他垃圾、大件垃圾随意堆放，督导"
           "员李超已拍照留证",
           ""},
          {"分类检查未通过：高新·云谷公寓35号楼1164室，问题：外卖餐盒未倒净汤水、厨余垃圾中混有塑料"
           "袋、玻璃瓶未清洗，督导员梁艳已拍照留证",
           ""},
          {"分类检查未通过：梅陇三村15号楼2627室，问题：大件垃圾随意堆放，督导员郑艳娜已拍照留证",
           ""},
          {"分类检查未通过：锦绣华庭25号楼671室，问题：干湿未分、玻璃瓶未清洗，督导员唐平静已拍照留"
           "证",
           ""},
          {"分类检查未通过：高新·云谷公寓9号楼1113室，问题：纸巾投入可回收物、外卖餐盒未倒净汤水，"
           "督导员何杰军已拍照留证",
           ""},
          {"分类检查未通过：锦绣华庭30号楼1437室，问题：玻璃瓶未清洗，督导员赵丽平已拍照留证", ""},
          {"分类检查未通过：高新·云谷公寓37号楼1998室，问题：玻璃瓶未清洗、干湿未分，督导员高超艳已"
           "拍照留证",
           ""},
          {"分类检查未通过：锦绣华庭23号楼1089室，问题：干湿未分、玻璃瓶未清洗、废电池混入其他垃圾"
           "，督导员谢超已拍照留证，备注：居民不在家",
           ""},
          {"分类检查未通过：高新·云谷公寓14号楼1015室，问题：外卖餐盒未倒净汤水、纸巾投入可回收物、"
           "玻璃瓶未清洗，督导员谢磊刚已拍照留证，备注：已电话回访",
           ""}}},
        // A field some lines add at the end, and a remark that runs on past a comma.
        {"FieldOrRemarkAfterTextsAValueCovers",
         {{"投递成功：浦沿路288弄 "
           "小区西门，格口D-16（大格L），运单号PC2026031098418，快递员郭杰（工号YG79618）",
           ""},
          {"投递成功：西溪雅苑（2期）5幢大堂，格口E-"
           "04（中格M），运单号XL0446772471523，快递员郑杰（工号XL55327）",
           ""},
          {"投递成功：天河·锦绣园 "
           "B区车库入口，格口B-21（中格M），运单号XL6587094542706，快递员周芳（工号YG03718）",
           ""},
          {"投递成功：翠湖花园 "
           "北门岗亭旁，格口A-03（小格S），运单号YG-3210071885，快递员宋涛刚（工号YG96988）",
           ""},
          {"投递成功：浦沿路288弄 "
           "小区西门，格口C-11（大格L），运单号AJD688610545126，快递员马丽（工号PC11126）",
           ""},
          {"投递成功：光谷创业街 "
           "17号楼1F，格口D-02（中格M），运单号HTA32669652，快递员李强（工号XL85252）",
           ""},
          {"投递成功：西溪雅苑（2期）5幢大堂，格口A-21（大格L），运单号YG-"
           "1809613904，快递员罗磊芳（工号PC31126）",
           ""},
          {"投递成功：天河·锦绣园 "
           "B区车库入口，格口E-09（小格S），运单号XL1247536967852，快递员赵敏（工号YG96649）",
           ""},
          {"投递成功：翠湖花园 "
           "北门岗亭旁，格口B-05（中格M），运单号PC2026031011111，快递员吴勇（工号YG11223）",
           ""},
          {"投递成功：光谷创业街 "
           "17号楼1F，格口C-19（大格L），运单号XL0446772400001，快递员何静（工号XL00327）",
           ""},
          {"投递成功：西溪雅苑（2期）5幢大堂，格口E-"
           "22（大格L），运单号HTA32669000，快递员郑勇艳（工号YG40563），冷藏件（鲜奶 950ml×2）",
           ""},
          {"投递成功：浦沿路288弄 "
           "小区西门，格口D-"
           "21（小格S），运单号XL1247536900052，快递员孙伟（工号YG96000），冷藏件（酸奶 200g×6）",
           ""},
          {"投递成功：天河·锦绣园 "
           "B区车库入口，格口A-07（中格M），运单号YG-"
           "3210079999，快递员林芳（工号PC12345），代收备注：本人不在，邻居代领",
           ""}}},
        // Two fields a line adds at the end, the first a value alone.
        {"FieldsAfterTextsAValueCovers",
         {{"验光完成：顾客谢刚超，验光师吴超超，右眼OD：S+1.25 C-2.00 A119，瞳距PD 61.5mm", ""},
          {"验光完成：顾客宋洋，验光师王涛秀，右眼OD：S-8.75 C-3.25 A103，瞳距PD 57.5mm，ADD +1.25",
           ""},
          {"验光完成：顾客林静，验光师李勇，右眼OD：S-4.25 C-1.50 A165，瞳距PD 67mm", ""},
          {"验光完成：顾客何平，验光师朱平，右眼OD：S-6.50 C-1.25 A139，瞳距PD 60mm，ADD +1.00",
           ""},
          {"验光完成：顾客王丽，验光师何娟，右眼OD：S+3.50 C-1.75 A116，瞳距PD 55.5mm，ADD +2.50",
           ""},
          {"验光完成：顾客罗秀，验光师赵芳敏，右眼OD：S-0.75 C-1.75 A167，瞳距PD 69.5mm", ""},
          {"验光完成：顾客郑勇，验光师郑刚，右眼OD：S+1.50 C-2.50 A31，瞳距PD 70mm", ""},
          {"验光完成：顾客宋杰，验光师陈超，右眼OD：S-9.75 C-0.50 A12，瞳距PD 71.5mm，ADD +0.75",
           ""},
          {"验光完成：顾客黄涛，验光师唐超明，右眼OD：S-6.75 C-3.50 A117，瞳距PD 62mm", ""},
          {"验光完成：顾客周敏，验光师马娜，右眼OD：S-2.75 C-0.50 A90，瞳距PD 64mm，ADD +1.50", ""},
          {"验光完成：顾客郭娟，验光师张强勇，右眼OD：S-1.50 C-1.00 A156，瞳距PD 56.5mm，ADD "
           "+2.75，矫正视力 1.0/0.8",
           ""}}},
        // A qualifier glued after Chinese text that most lines lack ("车型<*>车<*>，").
        {"QualifierMostLack",
         {{"动态称重：车道1，车牌【黔J16A4H】，车型小型客车，轴数3，总重6.55t，车速60km/h", ""},
          {"动态称重：车道1，车牌【鄂H27D8H】，车型两轴货车，轴数3，总重21.00t，车速41km/h", ""},
          {"动态称重：车道4，车牌【鄂2FCE99】，车型六轴铰接列车，轴数3，总重7.48t，车速85km/h", ""},
          {"动态称重：车道2，车牌【滇GGFFK0】，车型三轴货车，轴数6，总重43.93t，车速70km/h", ""},
          {"动态称重：车道3，车牌【湘C·35805】，车型两轴货车，轴数2，总重18.70t，车速40km/h", ""},
          {"动态称重：车道1，车牌【湘JC0K98】，车型大型客车，轴数6，总重34.22t，车速51km/h", ""},
          {"动态称重：车道4，车牌【滇K1K50F】，车型小型客车，轴数5，总重35.53t，车速33km/h", ""},
          {"动态称重：车道3，车牌【赣A12A73】，车型两轴货车，轴数5，总重29.35t，车速30km/h", ""},
          {"动态称重：车道4，车牌【桂BF9GDH】，车型六轴铰接列车，轴数4，总重26.11t，车速87km/h",
           ""},
          {"动态称重：车道3，车牌【黔E·70666】，车型小型客车，轴数4，总重2.79t，车速90km/h", ""},
          {"动态称重：车道3，车牌【滇G0691E】，车型罐式半挂车（危化品），轴数4，总重46."
           "29t，车速64km/h",
           ""},
          {"动态称重：车道3，车牌【滇K0KFCE】，车型大型客车，轴数5，总重8.91t，车速33km/h", ""},
          {"动态称重：车道3，车牌【滇972BH9】，车型小型客车，轴数4，总重23.33t，车速56km/h", ""},
          {"动态称重：车道2，车牌【湘BB50GE】，车型两轴货车，轴数5，总重6.22t，车速57km/h", ""},
          {"动态称重：车道3，车牌【赣C·17703】，车型两轴货车，轴数3，总重23.20t，车速69km/h", ""},
          {"动态称重：车道3，车牌【鄂F64505】，车型三轴货车，轴数4，总重24.03t，车速87km/h", ""}}},
        // Two words after a label, one with remarks and a clause of its own.
        {"TwoWordsAfterALabelWithRemarks",
         {{"加工质检：工单LJ-B313229，质检员谢平娜，焦度偏差0.08D，光心偏差0."
           "5mm，判定：不合格（瞳高不符），已退回重做",
           "fail"},
          {"加工质检：工单LJ-B008350，质检员孙平，焦度偏差0.08D，光心偏差0.2mm，判定：合格",
           "pass"},
          {"加工质检：工单LJ-A075780，质检员周艳娟，焦度偏差0.04D，光心偏差0."
           "2mm，判定：不合格（镀膜起雾/脱膜），已退回重做",
           "fail"},
          {"加工质检：工单LJ-C945668，质检员张杰强，焦度偏差0.06D，光心偏差0.2mm，判定：合格",
           "pass"},
          {"加工质检：工单LJ-A279940，质检员刘杰，焦度偏差0.03D，光心偏差0.3mm，判定：合格",
           "pass"},
          {"加工质检：工单LJ-A742513，质检员杨霞，焦度偏差0.04D，光心偏差0."
           "4mm，判定：不合格（光心偏差超标），已退回重做",
           "fail"},
          {"加工质检：工单LJ-B021035，质检员马军，焦度偏差0.09D，光心偏差0."
           "5mm，判定：不合格（镜片表面划痕），已退回重做",
           "fail"},
          {"加工质检：工单LJ-A451851，质检员孙强勇，焦度偏差0.08D，光心偏差0."
           "1mm，判定：不合格（轴位偏差超过±3°），已退回重做",
           "fail"},
          {"加工质检：工单LJ-A193554，质检员杨伟，焦度偏差0.04D，光心偏差0."
           "4mm，判定：不合格（轴位偏差超过±3°），已退回重做",
           "fail"},
          {"加工质检：工单LJ-A768318，质检员刘杰，焦度偏差0.00D，光心偏差0.1mm，判定：合格",
           "pass"},
          {"加工质检：工单LJ-B603603，质检员罗涛，焦度偏差0.01D，光心偏差0.4mm，判定：合格",
           "pass"},
          {"加工质检：工单LJ-A946998，质检员陈芳敏，焦度偏差0.02D，光心偏差0.1mm，判定：合格",
           "pass"}}},
        // A name masked by stars where others show a name.
        {"MaskedName",
         {{"验光完成：顾客谢刚超，验光师吴超超，右眼OD：S+1.25 C-2.00 A119，瞳距PD 61.5mm", ""},
          {"验光完成：顾客宋洋，验光师王涛秀，右眼OD：S-8.75 C-3.25 A103，瞳距PD 57.5mm", ""},
          {"验光完成：顾客林静，验光师李勇，右眼OD：S-4.25 C-1.50 A165，瞳距PD 67mm", ""},
          {"验光完成：顾客何平，验光师朱平，右眼OD：S-6.50 C-1.25 A139，瞳距PD 60mm", ""},
          {"验光完成：顾客王丽，验光师何娟，右眼OD：S+3.50 C-1.75 A116，瞳距PD 55.5mm", ""},
          {"验光完成：顾客罗秀，验光师赵芳敏，右眼OD：S-0.75 C-1.75 A167，瞳距PD 69.5mm", ""},
          {"验光完成：顾客郑勇，验光师郑刚，右眼OD：S+1.50 C-2.50 A31，瞳距PD 70mm", ""},
          {"验光完成：顾客宋杰，验光师陈超，右眼OD：S-9.75 C-0.50 A12，瞳距PD 71.5mm", ""},
          {"验光完成：顾客梁*，验光师胡洋，右眼OD：S+0.25 C-0.50 A78，瞳距PD 62.5mm", ""},
          {"验光完成：顾客刘**，验光师胡勇，右眼OD：S-3.25 C-3.50 A169，瞳距PD 58mm", ""}}},
        // Each side shows a value where the other shows one in a form of its own: a table
        // ("<*>号桌<*>") or any seat, any dish or one.
        {"FieldsEachSideMakesAValue",
         {{"堂食下单：单号P0523-0601，包间「兰亭」，4人，点菜：清蒸鲈鱼【时价】，合计391."
           "30元（扫码点餐）",
           ""},
          {"堂食下单：单号P0557-0414，E15号桌（靠窗区），4人，点菜：葱油拌面×3，合计939."
           "69元（平板点餐）",
           ""},
          {"堂食下单：单号P0698-1303，A33号桌（大厅），14人，点菜：清蒸鲈鱼【时价】，合计1275."
           "13元（"
           "自助点餐机）",
           ""},
          {"堂食下单：单号P0652-"
           "1357，C28号桌（大厅），6人，点菜：清蒸鲈鱼【时价】、酸梅汤（大杯）、葱"
           "油拌面×3，合计2529.10元（服务员点单）",
           ""},
          {"堂食下单：单号P0562-0958，E01号桌（大厅），1人，点菜：番茄牛腩煲 "
           "小份×2，合计2124.60元（服"
           "务员点单）",
           ""}}},
        // A pair more in a Latin message of a log with Chinese text.
        {"PairMoreInAChineseLog",
         {{"06:30:01 INFO pay notify success channel=WECHAT out_trade_no=GYM0154549 "
           "total_fee=391863",
           ""},
          {"06:30:39 INFO pay notify success channel=ALIPAY out_trade_no=GYM0134130 "
           "total_fee=599220 attach=pt_package",
           ""},
          {"06:31:07 INFO pay notify success channel=WECHAT out_trade_no=GYM0256689 "
           "total_fee=59919 attach=renew",
           ""},
          {"06:31:08 INFO pay notify success channel=UNIONPAY out_trade_no=GYM0426131 "
           "total_fee=1126912",
           ""},
          {"06:31:09 INFO 体测完成：会员谢军（M22778017），体重63.3kg", "scan"}}},
        // The same, its value glued from values by a sign.
        {"GluedPairMoreInAChineseLog",
         {{"06:40:45 INFO pay notify ok channel=ETC_PAY out_trade_no=4200002188772220722 "
           "total_fee=11258 order=CW260314E84961",
           ""},
          {"06:40:47 INFO pay notify ok channel=DIGITAL_RMB out_trade_no=4200002745203924135 "
           "total_fee=7490 order=CW260314D82676",
           ""},
          {"06:42:09 INFO pay notify ok channel=DIGITAL_RMB out_trade_no=4200002701143237900 "
           "total_fee=16343 order=CW260314E82532 attach=coupon:CPN-K1TM-EAYS",
           ""},
          {"06:42:14 INFO pay notify ok channel=ALIPAY_F2F out_trade_no=4200002869660543069 "
           "total_fee=4752 order=CW260314F93854 attach=coupon:CPN-RB1W-3RTN",
           ""},
          {"06:42:20 INFO pay notify ok channel=MEMBER_CARD out_trade_no=4200002080426778078 "
           "total_fee=13837 order=CW260314E53386",
           ""},
          {"06:42:31 INFO 洗车开始：工位2，程序「精洗」，车牌沪A12345", "scan"}}},
        // The same, one of its values Chinese text glued with values.
        {"PairOfChineseAndValuesMoreInAChineseLog",
         {{"06:40:01 INFO snapshot uploaded: camera=CAM-W08 "
           "file=/data/snap/CAM-W08_071859_0353.jpg size=546KB",
           ""},
          {"06:40:03 INFO snapshot uploaded: camera=CAM-B21 "
           "file=/data/snap/CAM-B21_085518_1981.jpg size=880KB",
           ""},
          {"06:40:05 INFO snapshot uploaded: camera=CAM-T14 "
           "file=/data/snap/CAM-T14_062050_6715.jpg size=680KB plate=川C0U439",
           ""},
          {"06:40:09 INFO snapshot uploaded: camera=CAM-B09 "
           "file=/data/snap/CAM-B09_082528_9168.jpg size=900KB",
           ""},
          {"06:40:12 INFO snapshot uploaded: camera=CAM-W02 "
           "file=/data/snap/CAM-W02_082611_0012.jpg size=712KB plate=滇H24107",
           ""},
          {"06:40:15 INFO snapshot uploaded: camera=CAM-T03 "
           "file=/data/snap/CAM-T03_082702_4410.jpg size=433KB",
           ""},
          {"06:40:19 INFO snapshot uploaded: camera=CAM-B17 "
           "file=/data/snap/CAM-B17_082815_7781.jpg size=598KB plate=黔F·DP910",
           ""},
          {"06:40:22 INFO snapshot uploaded: camera=CAM-W11 "
           "file=/data/snap/CAM-W11_082901_3302.jpg size=801KB",
           ""},
          {"06:40:25 INFO 应变监测：测点SG-03，应变值146.6", "strain"}}},
        // A modifier of a name that some lines lack, where nothing else differs.
        {"NameModifierSomeLack",
         {{"体测完成：会员林刚（M32700730），体测仪 BC-720 Plus，体重61.2kg，BMI 19.3，等级16", ""},
          {"体测完成：会员梁涛（M96427240），体测仪 BC-720 Plus，体重50.7kg，BMI 19.3，等级11", ""},
          {"体测完成：会员张娜（M13720779），八电极体测仪 MB-8，体重86.5kg，BMI 31.5，等级7", ""},
          {"体测完成：会员张杰静（M73906035），体测仪 BC-720，体重48.4kg，BMI "
           "14.3，等级16，较上次-0.1%",
           ""},
          {"体测完成：会员黄刚（M62446506），八电极体测仪 MB-8，体重88.2kg，BMI 27.8，等级8", ""},
          {"体测完成：会员王军（M09286058），八电极体测仪 MB-8，体重79.0kg，BMI "
           "29.2，等级12，较上次+1.3%",
           ""},
          {"体测完成：会员郑秀（M40352940），体测仪 BC-720，体重82.2kg，BMI 27.1，等级16", ""}}},
        // A Latin name with its dot where the others show Chinese names.
        {"LatinNameWithADot",
         {{"2026-07-08 06:04:40,306 [care-exec-13] INFO  c.y.nh.vital.BandReceiver - 医生查房：Dr. "
           "Zhang 张查看康复楼114-3床 徐玉梅，诊断：慢性阻塞性肺病，医嘱：加测血糖一日四次",
           ""},
          {"2026-07-08 06:18:06,066 [care-exec-8] INFO  c.y.nh.care.HandoverService - "
           "医生查房：王医生（全科）查看1号楼319-1床 赵振华，诊断：慢性阻塞性肺病、脑梗死后遗症，医"
           "嘱：继续原方案",
           ""},
          {"2026-07-08 06:30:30,346 [care-exec-10] INFO  c.y.nh.med.MarService - "
           "医生查房：王医生（全科）查看1号楼428-3床 刘素芬，诊断：脑梗死后遗症、慢性阻塞性肺病，医"
           "嘱：调整降压药剂量",
           ""},
          {"2026-07-08 06:30:42,112 [care-exec-11] INFO  c.y.nh.billing.FeeJob - 医生查房：外聘 "
           "李主任（心内科）查看康复楼310-1床 "
           "梁长林，诊断：骨质疏松、阿尔茨海默病（中度），医嘱：调"
           "整降压药剂量",
           ""}}},
        // Places whose names hold brackets of their own, ASCII ones too.
        {"PlaceNamesWithBrackets",
         {{"2025-10-03 10:59:04.276 +08:00 [INF] (ZL-SEC-03/T44) 环境监测 "
           "古代书画馆（多参数传感器）：温度22.5℃，相对湿度50.2%，照度82lx，CO2 1001ppm",
           ""},
          {"2025-10-03 10:59:23.303 +08:00 [INF] (ZL-APP-12/T6) 环境监测 "
           "楚文化馆（西厅）（温湿度计）：温度22.6℃，相对湿度54.4%，照度141lx，CO2 531ppm",
           ""},
          {"2025-10-03 10:59:53.011 +08:00 [INF] (ZL-APP-12/T34) 环境监测 陶瓷馆 "
           "(3F)（展柜微环境监测仪）：温度22.6℃，相对湿度53.8%，照度282lx，CO2 783ppm",
           ""}}},
        // Words at the end that say what happened, one of them with a remark in brackets.
        {"WhatHappenedWithARemark",
         {{"E1209 01:24:45.416963 47298 agent.go:769] 到10.86.229.40:51065的连接被拒绝", "refused"},
          {"W1209 01:25:36.590260   994 agent.go:20] 到172.195.18.172:5397的连接超时（645秒）",
           "timeout"},
          {"I1209 01:26:03.908426 31855 agent.go:679] 到10.123.76.238:44582的连接已建立", "up"},
          {"E1209 01:26:06.220665 17080 agent.go:64] 到10.248.30.110:53325的连接被拒绝", "refused"},
          {"I1209 01:26:36.913512 22867 agent.go:649] 到10.169.166.239:36940的连接已建立", "up"}}},
        {"DepartmentNames",
         {{"ReportJob: 技术部报表导出失败：模板'库存清单3.xlsx'损坏", ""},
          {"ReportJob: 市场部报表导出失败：模板'库存清单2.xlsx'损坏", ""},
          {"ReportJob: 财务部报表导出失败：模板'库存清单1.xlsx'损坏", ""},
          {"ReportJob: 采购部报表导出失败：模板'对账单7.xlsx'损坏", ""},
          {"ReportJob: 研发中心报表导出失败：模板'库存清单10.xlsx'损坏", ""},
          {"ReportJob: 研发中心报表导出失败：模板'工资条2.xlsx'损坏", ""}}},
    };
    for (const Case& c : cases) {
        PatternMiner miner;
        std::vector<std::uint32_t> ids;
        for (const auto& [line, kind] : c.lines) ids.push_back(miner.Add(Gbk(line)));
        std::uint32_t otherRank = 0;
        const std::vector<std::uint32_t> ranks = RanksById(miner.Ranked(), otherRank);
        for (std::size_t a = 0; a < ids.size(); ++a)
            for (std::size_t b = 0; b < ids.size(); ++b)
                EXPECT_EQ(ranks[ids[a]] == ranks[ids[b]], c.lines[a].second == c.lines[b].second)
                    << c.name << " " << a << " " << b;
    }
}

TEST(PatternTuningTest, ReadsNamedChoicesAndRefusesOthers) {
    PatternTuning tuning;
    ASSERT_TRUE(ParsePatternTuning(
        "similarity=65,wordcost=8,glued=0,stamps=0,punct=0,optional=0,slots=0,either=0,pairs=0,"
        "source=0,caps=0,quoted=0,labels=0,names=0,places=0,runs=0,again=0",
        tuning));
    EXPECT_EQ(tuning.similarityPercent, 65);
    EXPECT_EQ(tuning.wordCost, 8);
    EXPECT_FALSE(tuning.gluedValues || tuning.lateStamps || tuning.gluedPunctuation ||
                 tuning.optionalFields || tuning.wordSlots || tuning.eitherWord ||
                 tuning.pairWords || tuning.sameSource || tuning.capsWords || tuning.quotedWords ||
                 tuning.labelWords || tuning.constantNames || tuning.wordPlaces ||
                 tuning.chineseRuns || tuning.regroup);
    for (const char* bad : {"similarity=101", "glued=2", "size=1", "glued", "glued=x", "glued="})
        EXPECT_FALSE(ParsePatternTuning(bad, tuning)) << bad;
}

TEST(MineCapTest, LinesBeyondTheCapFormTheOtherGroupRankedLast) {
    PatternMiner miner(2);
    const std::vector<std::string> lines = {"alpha one",     "bravo two", "charlie three",
                                            "charlie three", "alpha one", "delta four",
                                            "charlie three"};
    std::vector<std::uint32_t> ids;
    for (const std::string& l : lines) ids.push_back(miner.Add(l));
    EXPECT_EQ(miner.PatternCount(), 2u);
    const std::vector<PatternGroup> ranked = miner.Ranked();
    ASSERT_EQ(ranked.size(), 3u);
    EXPECT_EQ(ranked[0].text, "alpha one");
    EXPECT_EQ(ranked[1].text, "bravo two");
    EXPECT_EQ(ranked[2].text, "<other>");
    EXPECT_EQ(ranked[2].count, 4);
    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(ranked, otherRank);
    EXPECT_EQ(otherRank, 3u);
    std::vector<std::uint32_t> lineRanks;
    for (std::uint32_t id : ids)
        lineRanks.push_back(id == PatternMiner::kOtherGroup ? otherRank : ranks[id]);
    EXPECT_EQ(lineRanks, (std::vector<std::uint32_t>{1, 2, 3, 3, 1, 3, 3}));
}

// Random lines from random templates: Chinese words, ASCII words and glued variables
// (names, numbers with units, addresses).  Grouping twice gives the same answer, every
// line contains the constant parts of its pattern in order, and nearly every template
// comes out as exactly one pattern.
// Mines `lines` twice and checks that the result is the same both times, that every
// line holds the constant parts of its pattern, and that at least nine lines in ten
// are grouped exactly as `truth` (one template index per line) groups them.
void ExpectDeterministicSoundAndNearlyExact(const std::vector<std::string>& lines,
                                            const std::vector<std::size_t>& truth) {
    auto mine = [&](std::vector<std::uint32_t>& ids) {
        PatternMiner miner;
        for (const std::string& l : lines) ids.push_back(miner.Add(l));
        return miner.Ranked();
    };
    std::vector<std::uint32_t> ids;
    std::vector<std::uint32_t> again;
    const std::vector<PatternGroup> ranked = mine(ids);
    const std::vector<PatternGroup> ranked2 = mine(again);
    ASSERT_EQ(ids, again);
    ASSERT_EQ(ranked.size(), ranked2.size());
    for (std::size_t r = 0; r < ranked.size(); ++r) {
        EXPECT_EQ(ranked[r].text, ranked2[r].text);
        EXPECT_EQ(ranked[r].ids, ranked2[r].ids);
    }

    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(ranked, otherRank);
    std::vector<std::vector<std::size_t>> byRank(ranked.size() + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::uint32_t rank = ranks[ids[i]];
        byRank[rank].push_back(i);
        // The blanks of a pattern are those of its first line: the pieces between
        // blanks must stand in the line in order.
        std::size_t at = 0;
        for (const std::string& c : ranked[rank - 1].constants) {
            std::istringstream pieces(c);
            for (std::string piece; pieces >> piece;) {
                at = lines[i].find(piece, at);
                ASSERT_NE(at, std::string::npos)
                    << "line " << i << " lacks a constant part of its pattern";
                at += piece.size();
            }
        }
    }
    // A template is exact when its lines are exactly the lines of one pattern.
    std::size_t exactLines = 0;
    for (std::size_t r = 1; r < byRank.size(); ++r) {
        if (byRank[r].empty()) continue;
        const std::size_t k = truth[byRank[r][0]];
        std::size_t ofTemplate = 0;
        for (std::size_t t : truth) ofTemplate += t == k;
        bool pure = true;
        for (std::size_t i : byRank[r]) pure = pure && truth[i] == k;
        if (pure && byRank[r].size() == ofTemplate) exactLines += ofTemplate;
    }
    EXPECT_GE(exactLines * 10, lines.size() * 9);
}

TEST(MineRandomTest, DeterministicSoundAndNearlyExact) {
    std::mt19937 rng(20261201);
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    };
    const std::vector<std::string> words = {
        "连接", "数据库", "订单", "支付", "缓存",   "同步",  "任务",  "文件",   "上传", "删除",
        "节点", "消息",   "队列", "超时", "server", "queue", "retry", "worker", "flush"};
    const std::vector<std::string> names = {"张三", "欧阳修文", "李四", "王小明", "赵敏", "司马光"};
    const std::vector<std::string> slots = {"{name}", "{num}ms", "{ip}", "{num}", "E{num}"};
    std::vector<std::vector<std::string>> templates(30);
    for (auto& t : templates) {
        const int n = std::uniform_int_distribution<int>(4, 9)(rng);
        for (int k = 0; k < n; ++k) t.push_back(k % 3 == 2 ? pick(slots) : pick(words));
    }
    std::vector<std::string> lines;
    std::vector<std::size_t> truth;
    for (int i = 0; i < 3000; ++i) {
        const std::size_t k =
            std::uniform_int_distribution<std::size_t>(0, templates.size() - 1)(rng);
        std::string line = "2026-12-01 10:00:" + std::to_string(i % 60) + " ";
        for (const std::string& piece : templates[k]) {
            if (piece == "{name}") {
                line += pick(names);
            } else if (piece.find("{num}") != std::string::npos) {
                line += piece.substr(0, piece.find('{')) + std::to_string(rng() % 100000) +
                        piece.substr(piece.find('}') + 1);
            } else if (piece == "{ip}") {
                line += "10.0." + std::to_string(rng() % 256) + "." + std::to_string(rng() % 256);
            } else if (static_cast<unsigned char>(piece[0]) < 0x80) {
                line += " " + piece + " ";  // ASCII words stand between blanks
            } else {
                line += piece;
            }
        }
        lines.push_back(Gbk(line));
        truth.push_back(k);
    }

    ExpectDeterministicSoundAndNearlyExact(lines, truth);
}

// Headers of several forms drawn for each line with random levels, loggers and ids, and
// messages with paths of Chinese parts and random depth, dates, amounts, durations,
// masked phones and URLs: lines group by their message whatever the header.
TEST(MineRandomTest, HeadersOfAnyFormAndChineseValues) {
    std::mt19937 rng(20261209);
    auto number = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto pick = [&](const std::vector<std::string>& from) {
        return from[static_cast<std::size_t>(number(0, static_cast<int>(from.size()) - 1))];
    };
    const std::vector<std::string> words = {"导出",  "报表",   "加载",  "插件", "同步", "备份",
                                            "订单",  "支付",   "完成",  "失败", "超时", "审核",
                                            "retry", "worker", "flush", "queue"};
    const std::vector<std::string> folders = {"共享", "财务部", "月报", "数据", "客户档案", "app"};
    const std::vector<std::string> slots = {"{win}", "{posix}", "{date}", "{money}",
                                            "{dur}", "{phone}", "{url}",  "{name}"};
    std::vector<std::vector<std::string>> templates(30);
    for (auto& t : templates) {
        const int n = number(4, 9);
        for (int k = 0; k < n; ++k) t.push_back(k % 3 == 1 ? pick(slots) : pick(words));
    }
    auto slot = [&](const std::string& kind) -> std::string {
        std::string folderPath;
        for (int d = number(0, 3); d > 0; --d) folderPath += pick(folders) + "\\";
        if (kind == "{win}")
            return std::string(1, static_cast<char>('C' + number(0, 5))) + ":\\" + folderPath +
                   pick(folders) + std::to_string(number(1, 12)) + ".xlsx";
        if (kind == "{posix}") {
            std::string path;
            for (int d = number(1, 3); d > 0; --d) path += "/" + pick(folders);
            return path + "/" + pick(folders) + ".so";
        }
        if (kind == "{date}")
            return "2026年" + std::to_string(number(1, 12)) + "月" + std::to_string(number(1, 28)) +
                   "日";
        if (kind == "{money}")
            return std::to_string(number(1, 9999)) + "." + std::to_string(number(10, 99)) + "元";
        if (kind == "{dur}") return std::to_string(number(1, 59)) + pick({"秒", "分钟", "小时"});
        if (kind == "{phone}")
            return "13" + std::to_string(number(0, 9)) + "****" +
                   std::to_string(number(1000, 9999));
        if (kind == "{url}")
            return "http://a.cn/s?q=" + pick(folders) + "&p=" + std::to_string(number(1, 50));
        return pick({"张三", "欧阳修文", "李四", "王小明", "司马光"});
    };
    const std::vector<std::string> levels = {"INFO", "WARN", "ERROR"};
    const std::vector<std::string> loggers = {"OrderService", "FileSync", "Gateway"};
    // A message's level is its template's, as a service writes each message at one level.
    auto header = [&](int i, std::size_t k) {
        const std::string ss = std::to_string(10 + i % 50);
        switch (number(0, 4)) {
            case 0:
                return "2026-12-09 10:00:" + ss + ",123 " + levels[k % 3] + " [pool-" +
                       std::to_string(number(1, 9)) + "] c.corvane." + pick(loggers) + " - ";
            case 1:
                return "Dec  9 10:00:" + ss + " srv-" + std::to_string(number(1, 9)) + " " +
                       pick({"corvane", "syncd"}) + "[" + std::to_string(number(100, 999)) + "]: ";
            case 2:
                return "12-09 10:00:" + ss + ".456  " + std::to_string(number(100, 9999)) + "  " +
                       std::to_string(number(100, 9999)) + " " + "IWE"[k % 3] + " " +
                       pick(loggers) + ": ";
            case 3:
                return "20261209-10:00:" + ss + ":789|" + pick(loggers) + "|" +
                       std::to_string(number(10000, 99999)) + "|";
            default:
                return "2026/12/09 10:00:" + ss + ".001 [" + std::to_string(number(1000, 9999)) +
                       ":" + std::to_string(number(1000, 9999)) + "] " + (k % 2 ? "信息" : "错误") +
                       " " + pick({"订单中心", "文件同步"}) + " - ";
        }
    };
    std::vector<std::string> lines;
    std::vector<std::size_t> truth;
    for (int i = 0; i < 3000; ++i) {
        const auto k = static_cast<std::size_t>(number(0, static_cast<int>(templates.size()) - 1));
        std::string line = header(i, k);
        for (const std::string& piece : templates[k]) {
            if (piece[0] == '{')
                line += slot(piece);
            else if (static_cast<unsigned char>(piece[0]) < 0x80)
                line += " " + piece + " ";
            else
                line += piece;
        }
        lines.push_back(Gbk(line));
        truth.push_back(k);
    }
    ExpectDeterministicSoundAndNearlyExact(lines, truth);
}

}  // namespace
}  // namespace corvane
