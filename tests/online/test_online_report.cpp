#include <sys/resource.h>

#include <gtest/gtest.h>

#include "Findings.h"
#include "Loopback.h"
#include "online/ErrorReport.h"
#include "online/UdpReportChannel.h"

namespace corvane::online_test {
namespace {

using testing_support::FindingsOf;
using Texts = std::vector<std::string>;

Texts Datagrams(const ReportTally& tally) {
    Texts texts;
    for (const auto& entry : tally) texts.push_back(ReportDatagram(entry));
    return texts;
}

TEST(OnlineReportTally, KeyedOnTheErrorCodeAlone) {
    ReportTally tally;
    AddFindings(tally, "7", FindingsOf({"101|a", "999|fail x", "101|b", "abc|c"}), {});
    AddFindings(tally, "8", FindingsOf({"999|failed y", "ABC|d", "101|e", "202|f"}), {});
    AddFindings(tally, "9", {}, {});
    AddFindings(tally, "9", FindingsOf({"99", "999|z"}),
                {});  // a finding shorter than a code is its own code
    EXPECT_EQ(Datagrams(tally),
              (Texts{"7,101,3", "7,999,3", "7,abc,1", "8,ABC,1", "8,202,1", "9,99,1"}));
}

TEST(OnlineReportTally, ObserverForwardsToTheTally) {
    ReportTally tally;
    ReportTallyObserver observer(tally, {});
    FindingsObserver& run = observer;
    ServicePass pass;
    pass.serviceCode = "K";
    pass.findings = FindingsOf({"123|x"});
    run.PassStored(pass);
    pass.serviceCode = "L";
    pass.findings = FindingsOf({"123|y"});
    run.PassStored(pass);
    EXPECT_EQ(Datagrams(tally), (Texts{"K,123,2"}));
}

class OnlineReportSendTest : public ::testing::Test {
protected:
    OnlineReportSendTest() {
        channel.SetHost("127.0.0.1");
        channel.SetPort(receiver.Port());
    }
    UdpReceiver receiver;
    UdpReportChannel channel;
};

TEST_F(OnlineReportSendTest, OneDatagramPerCodeInFirstMetOrder) {
    for (int run = 0; run < 2; ++run) {  // counts belong to one run and are sent again
        ReportTally tally;
        AddFindings(tally, "7", FindingsOf({"999|a", "101|b"}), {});
        AddFindings(tally, "12", FindingsOf({"101|c", "101|d", "999|e", "999|f"}), {});
        SendReport(tally, channel, {});
        EXPECT_TRUE(tally.empty());
        EXPECT_EQ(receiver.ReceiveAll(), (Texts{"7,999,3", "7,101,3"})) << "run " << run;
    }
}

TEST_F(OnlineReportSendTest, NoFindingsSendNothing) {
    ReportTally tally;
    AddFindings(tally, "7", {}, {});
    SendReport(tally, channel, {});
    // A marker sent afterwards must be the first thing that arrives.
    channel.Send("marker");
    EXPECT_EQ(receiver.ReceiveAll(), (Texts{"marker"}));
}

TEST_F(OnlineReportSendTest, UnresolvableHostRaisesAndReleases) {
    ReportTally tally;
    AddFindings(tally, "7", FindingsOf({"101|a", "102|b"}), {});
    channel.SetHost("no..such.host");  // malformed, so it fails without asking any name server
    try {
        SendReport(tally, channel, {});
        FAIL() << "no error raised";
    } catch (const ReportSocketError& e) {
        EXPECT_STREQ(e.what(), "Socket Error # 11001\r\nHost not found.");
    }
    EXPECT_TRUE(tally.empty());
}

TEST_F(OnlineReportSendTest, NothingAfterTheFailingDatagram) {
    ReportTally tally;
    AddFindings(tally, "7", FindingsOf({"001|", "002|", "003|", "004|", "005|"}), {});
    // The third datagram is larger than any UDP datagram can be: had the sending gone
    // on, the fourth and fifth would arrive.
    tally[2].serviceCode = std::string(70000, '7');
    EXPECT_THROW(SendReport(tally, channel, {}), ReportSocketError);
    EXPECT_TRUE(tally.empty());
    EXPECT_EQ(receiver.ReceiveAll(), (Texts{"7,001,1", "7,002,1"}));
}

TEST_F(OnlineReportSendTest, StopRequestEndsTheSendingAndReleases) {
    ReportTally tally;
    AddFindings(tally, "7", FindingsOf({"001|", "002|", "003|"}), {});
    StopSource stop;
    stop.request_stop();
    SendReport(tally, channel, stop.get_token());
    EXPECT_TRUE(tally.empty());
    channel.Send("marker");
    EXPECT_EQ(receiver.ReceiveAll(), (Texts{"marker"}));
}

TEST_F(OnlineReportSendTest, ChannelOpensOnDemandAndSendsBytesAsTheyAre) {
    EXPECT_FALSE(channel.IsOpen());
    const std::string gbk = "\xb7\xfe\xce\xf1,999,1";
    channel.Send(gbk);
    EXPECT_TRUE(channel.IsOpen());
    EXPECT_EQ(receiver.Receive(2000), gbk);
    channel.Close();
    EXPECT_FALSE(channel.IsOpen());
    channel.Open();
    channel.Open();  // already open: nothing happens
    channel.Send("");
    EXPECT_EQ(receiver.Receive(2000), "");
}

TEST_F(OnlineReportSendTest, ChannelErrorTexts) {
    try {
        channel.Send(std::string(70000, 'x'));
        ADD_FAILURE() << "oversized datagram accepted";
    } catch (const ReportSocketError& e) {
        EXPECT_STREQ(e.what(), "Package Size Too Big.");
    }

    // Broadcasting is switched off, so the loopback broadcast address is refused.
    channel.SetHost("127.255.255.255");
    try {
        channel.Send("x");
        ADD_FAILURE() << "broadcast accepted";
    } catch (const ReportSocketError& e) {
        EXPECT_STREQ(e.what(), "Socket Error # 13\r\nPermission denied");
    }

    channel.Close();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    std::string text;
    try {
        channel.Open();
    } catch (const ReportSocketError& e) {
        text = e.what();
    }
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(text, "Cannot allocate socket.");
    EXPECT_FALSE(channel.IsOpen());
}

}  // namespace
}  // namespace corvane::online_test
