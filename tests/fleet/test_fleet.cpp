// The counts on the metrics server: the line protocol and the outbox on their own, and
// corvane-scan's runs and fleet against a real VictoriaMetrics.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Files.h"
#include "TempDir.h"
#include "VictoriaMetrics.h"
#include "catalog/GbkText.h"
#include "cli_support.h"
#include "fleet/LineProtocol.h"
#include "history/HistoryStore.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing_support::CliResult;
using testing_support::TempDir;
using testing_support::VictoriaMetrics;

const std::string kDemo = std::string(CORVANE_SOURCE_DIR) + "/demo";
// The demo catalogue's services by the prefix of their log files.
const std::map<std::string, std::string> kPrefixes = {
    {"Gateway", "GW"}, {"DataSvc", "DB"}, {"MsgQueue", "MQ"}, {"WebPortal", "WEB"}};
// 站点 A,=: a GBK name with a blank and the protocol's separators.
const std::string kSiteA = "\xd5\xbe\xb5\xe3 A,=";
const std::string kSiteB = "site-b";

// The process's time zone for one test, given back after it.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* tz = std::getenv("TZ")) old_ = tz;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> old_;
};

TEST(LineProtocol, DaysAreCalendarDaysAndEachCountIsOneLineAtTheDaysLocalMidnight) {
    const TimeZone shanghai("Asia/Shanghai");
    struct DayCase {
        std::string day;
        int offset;
        std::optional<std::string> after;  // nothing: no date
    };
    const DayCase days[] = {
        {"20261201", 0, "20261201"},   {"20261231", 1, "20270101"},   {"20240301", -1, "20240229"},
        {"20230301", -1, "20230228"},  {"20260230", 0, std::nullopt}, {"2026120a", 0, std::nullopt},
        {"20261300", 0, std::nullopt}, {"2026121", 0, std::nullopt},
    };
    for (const DayCase& c : days) {
        EXPECT_EQ(DayAfter(c.day, c.offset), c.after) << c.day;
        EXPECT_EQ(DayMidnight(c.day).has_value(), c.after.has_value()) << c.day;
    }
    // 2026-12-01 00:00 in UTC+8.
    EXPECT_EQ(DayMidnight("20261201"), 1796054400);

    // A sending is stamped a millisecond after the midnight for each second after it,
    // within the day.
    EXPECT_EQ(SampleStamp("20261201", 1796054400 - 5), 1796054400000);
    EXPECT_EQ(SampleStamp("20261201", 1796054400 + 3600), 1796054403600);
    EXPECT_EQ(SampleStamp("20261201", 1796054400LL + 400000000), 1796054400000LL + 86399999);

    MetricsDay day{0,
                   kSiteA,
                   "20261201",
                   "GW",
                   0,
                   1796054403600,
                   {{"known", "101", 5}, {"unknown", "999", 2}}};
    EXPECT_EQ(LineProtocolOf(day),
              "corvane_errors,installation=\xe7\xab\x99\xe7\x82\xb9\\ A\\,\\=,service=GW,code=101,"
              "kind=known count=5 1796054403600000000\n"
              "corvane_errors,installation=\xe7\xab\x99\xe7\x82\xb9\\ A\\,\\=,service=GW,code=999,"
              "kind=unknown count=2 1796054403600000000\n");
    day.day = "20261232";
    EXPECT_EQ(LineProtocolOf(day), std::nullopt);
}

TEST(MetricsOutbox, ADayQueuedAgainReplacesTheEarlierKeepsVanishedCodesAtZeroAndStaysUnsent) {
    TempDir dir;
    OpenedHistory opened = HistoryStore::Open(dir / "history.sqlite");
    ASSERT_TRUE(opened.store) << opened.error;
    HistoryStore& store = *opened.store;
    const auto day = [](const std::string& date, std::vector<MetricsCount> counts) {
        return MetricsDay{0, "a", date, "GW", 0, 5000, std::move(counts)};
    };
    ASSERT_TRUE(store
                    .QueueMetrics({day("20261201", {{"known", "101", 5}, {"known", "102", 1}}),
                                   day("20261202", {{"unknown", "999", 3}})},
                                  100)
                    .recorded);
    std::vector<MetricsDay> unsent = store.UnsentMetrics();
    ASSERT_EQ(unsent.size(), 2u);
    const std::int64_t staleId = unsent[0].id;
    ASSERT_TRUE(store.MarkMetricsSent({unsent[1].id}).recorded);

    // 20261201 again without code 102: it goes to the end, unsent, 102 at zero; marking
    // the id read before it came again leaves it unsent.
    ASSERT_TRUE(store.QueueMetrics({day("20261201", {{"known", "101", 7}})}, 200).recorded);
    ASSERT_TRUE(store.MarkMetricsSent({staleId}).recorded);
    unsent = store.UnsentMetrics();
    ASSERT_EQ(unsent.size(), 1u);
    EXPECT_EQ(unsent[0].day, "20261201");
    EXPECT_EQ(unsent[0].queuedAt, 200);
    EXPECT_EQ(unsent[0].stampMs, 5001);  // after the earlier sending's
    ASSERT_EQ(unsent[0].counts.size(), 2u);
    EXPECT_EQ(unsent[0].counts[0].code + "=" + std::to_string(unsent[0].counts[0].count), "101=7");
    EXPECT_EQ(unsent[0].counts[1].code + "=" + std::to_string(unsent[0].counts[1].count), "102=0");
}

// Two installations, each a program directory with the demo catalogues, logs of its
// own and its name, sharing one user's history and a server of the test's own.
class FleetTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [dir, name] : {std::pair{&siteA, kSiteA}, std::pair{&siteB, kSiteB}}) {
            for (const char* ini : {"ServiceList.ini", "ErrorList.ini"})
                fs::copy_file(kDemo + "/" + ini, dir->path() + ini);
            dir->Write("Server.ini",
                       "[METRICS]\r\nUrl=" + server.Url() + "/\r\nInstallation=" + name + "\r\n");
            fs::copy(kDemo + "/logs", dir->path() + "logs");
        }
    }

    CliResult Cli(const std::string& args) {
        return testing_support::RunCliIn(
            testing_support::kCliLocale + " XDG_DATA_HOME=" + scratch.path() + "data " + zone, args,
            scratch.path());
    }
    // A run of `day` at `site`, with `run --json`'s output.
    CliResult Run(const TempDir& site, const std::string& day) {
        return Cli("run --json --program-dir " + site.path() + " " + site.path() + "logs " + day);
    }
    std::string Fleet(const std::string& args) {
        server.Flush();
        const CliResult r = Cli("fleet --program-dir " + siteB.path() + " " + args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    // The codes of the findings of each of the day's logs at `site`, as `scan` gives them.
    std::vector<std::vector<std::string>> Findings(const TempDir& site, const std::string& day,
                                                   const std::string& service = {}) {
        std::vector<std::vector<std::string>> files;
        const std::regex code(R"re("code":"([^"]+)")re");
        for (const auto& [prefix, serviceCode] : kPrefixes) {
            const std::string file = site.path() + "logs/" + prefix + day + ".log";
            if (!fs::exists(file) || (!service.empty() && service != serviceCode)) continue;
            const std::string findings =
                Cli("scan --json --program-dir " + site.path() + " " + serviceCode + " " + file)
                    .out;
            files.emplace_back();
            for (std::sregex_iterator m(findings.begin(), findings.end(), code), end; m != end; ++m)
                files.back().push_back((*m)[1]);
        }
        return files;
    }

    // The lines a run of `day` at `site` sends: one per distinct code of each log.
    long CodeLines(const TempDir& site, const std::string& day) {
        long lines = 0;
        for (const auto& codes : Findings(site, day))
            lines += static_cast<long>(std::set<std::string>(codes.begin(), codes.end()).size());
        return lines;
    }

    // "KNOWN<TAB>UNKNOWN" of `service` in what `run --json` printed.
    static std::string CountsOf(const std::string& runJson, const std::string& service) {
        std::smatch m;
        const std::regex counts("\"service\":\"" + service +
                                R"re(","name":"[^"]*","known":(\d+),"unknown":(\d+))re");
        return std::regex_search(runJson, m, counts) ? m.str(1) + "\t" + m.str(2) : "?";
    }

    // The day's table as fleet prints it (with `service`, of that service only), made
    // from what each site's `run --json` printed and from its logs' findings.
    std::string Expected(const std::vector<std::pair<const TempDir*, std::string>>& runs,
                         const std::string& day, const std::string& service = {}) {
        std::map<std::pair<std::string, std::string>, std::string> rows;
        std::map<std::string, std::pair<std::set<std::string>, long>> codes;
        const std::regex counts(
            R"re("service":"([^"]+)","name":"[^"]*","known":(\d+),"unknown":(\d+))re");
        for (const auto& [site, runJson] : runs) {
            const std::string& name = site == &siteA ? kSiteA : kSiteB;
            for (std::sregex_iterator m(runJson.begin(), runJson.end(), counts), end; m != end; ++m)
                if (service.empty() || (*m)[1] == service)
                    rows[{name, (*m)[1]}] = std::string((*m)[2]) + "\t" + std::string((*m)[3]);
            for (const auto& file : Findings(*site, day, service))
                for (const std::string& code : file) {
                    codes[code].first.insert(name);
                    ++codes[code].second;
                }
        }
        std::string table;
        for (const auto& [key, known] : rows)
            table += key.first + "\t" + key.second + "\t" + known + "\n";
        for (const auto& [name, seen] : codes)
            table += name + "\t" + std::to_string(seen.first.size()) + "\t" +
                     std::to_string(seen.second) + "\n";
        return table;
    }

    std::string zone = "TZ=UTC";  // the runs' and fleet's time zone
    TempDir serverData, siteA, siteB, scratch;
    VictoriaMetrics server{serverData.path()};
};

TEST_F(FleetTest, TwoInstallationsRunsAreTheFleetsTableAndADayRunAgainReplacesItsCounts) {
    const CliResult a1 = Run(siteA, "20261201");
    const CliResult b1 = Run(siteB, "20261201");
    const CliResult b2 = Run(siteB, "20261202");
    for (const CliResult* r : {&a1, &b1, &b2}) {
        EXPECT_EQ(r->status, 0);
        EXPECT_EQ(r->err, "");
    }
    const std::string day1 = Expected({{&siteA, a1.out}, {&siteB, b1.out}}, "20261201");
    EXPECT_EQ(Fleet("20261201"), day1);
    // The latest day sent is the default; --days adds the totals of the days before.
    EXPECT_EQ(Fleet(""), Expected({{&siteB, b2.out}}, "20261202"));
    std::int64_t known = 0, unknown = 0;
    for (const std::string& run : {a1.out, b1.out}) {
        const std::regex counts(R"re("known":(\d+),"unknown":(\d+))re");
        for (std::sregex_iterator m(run.begin(), run.end(), counts), end; m != end; ++m) {
            known += std::stoll((*m)[1]);
            unknown += std::stoll((*m)[2]);
        }
    }
    EXPECT_EQ(Fleet("--days 2 20261202"), Expected({{&siteB, b2.out}}, "20261202") +
                                              "20261130\t0\t0\n20261201\t" + std::to_string(known) +
                                              "\t" + std::to_string(unknown) + "\n");
    const std::string json = Fleet("--json --service GW 20261201");
    EXPECT_EQ(json.substr(0, json.find('\n')), R"({"event":"fleet","day":"20261201"})");
    EXPECT_NE(
        json.find(
            R"({"event":"service","installation":"site-b","service":"GW","known":80,"unknown":43})"),
        std::string::npos)
        << json;
    EXPECT_NE(json.find(R"({"event":"code","code":"101","installations":2,)"), std::string::npos);
    EXPECT_EQ(json.find(R"("service":"DB")"), std::string::npos);

    // Site B's gateway log of the day loses the lines of code 101's keyword as written
    // there and is run again: its counts are replaced, site A's stand.
    const std::string gateway = siteB.path() + "logs/Gateway20261201.log";
    std::string kept;
    std::istringstream lines(testing_support::ReadFileBytes(gateway));
    for (std::string line; std::getline(lines, line);)
        if (line.find("connection refused") == std::string::npos) kept += line + "\n";
    testing_support::WriteFile(gateway, kept);
    const CliResult again = Run(siteB, "20261201");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(Fleet("--service GW 20261201"),
              Expected({{&siteA, a1.out}, {&siteB, again.out}}, "20261201", "GW"));
    EXPECT_NE(Fleet("--service GW 20261201"),
              Expected({{&siteA, a1.out}, {&siteB, b1.out}}, "20261201", "GW"));
}

TEST_F(FleetTest, DaysOfTwentyFiveHoursKeepTheirOwnCounts) {
    // The clocks go back on 2026-11-01 in New York: that day lasts 25 hours.
    zone = "TZ=America/New_York";
    for (const char* day : {"20261031", "20261101", "20261102"})
        fs::copy_file(siteA.path() + "logs/Gateway20261201.log",
                      siteA.path() + "logs/Gateway" + day + ".log");
    for (const char* day : {"20261101", "20261102"}) ASSERT_EQ(Run(siteA, day).status, 0);
    const CliResult run = Run(siteA, "20261031");
    const std::string day = CountsOf(run.out, "GW");
    EXPECT_EQ(Fleet("--days 3 20261102"), Expected({{&siteA, run.out}}, "20261102", "GW") +
                                              "20261030\t0\t0\n20261031\t" + day + "\n20261101\t" +
                                              day + "\n");
}

TEST_F(FleetTest, RunsWithTheServerDownSucceedKeepTheirDaysAndTheNextRunSendsThemOnce) {
    // A day of no date is said once and never queued.
    siteA.Write("logs/Gateway2026ABCD.log", "connection refused\n");
    const CliResult noDate = Run(siteA, "2026ABCD");
    EXPECT_EQ(noDate.status, 0);
    EXPECT_EQ(noDate.err,
              "corvane-scan: the day is no date; its counts are not sent to the metrics server: "
              "2026ABCD\n");

    server.Stop();
    const CliResult down1 = Run(siteA, "20261202");
    const CliResult down2 = Run(siteB, "20261203");
    server.Start();
    for (const CliResult* r : {&down1, &down2}) {
        EXPECT_EQ(r->status, 0);
        EXPECT_EQ(r->err.rfind("corvane-scan: the metrics server did not take the counts; they "
                               "are kept in the history and sent with the next run: ",
                               0),
                  0u)
            << r->err;
    }
    const std::string waiting = Cli("history --unsent").out;
    EXPECT_EQ(waiting, kSiteA + "\t20261202\tGW\n" + kSiteA + "\t20261202\tMQ\n" + kSiteA +
                           "\t20261202\tWEB\nsite-b\t20261203\tGW\nsite-b\t20261203\tDB\n"
                           "site-b\t20261203\tMQ\nsite-b\t20261203\tWEB\n");

    // The next run sends the kept days, then its own, each line once; the one after
    // sends only its own.
    const long before = server.RowsInserted();
    const CliResult up = Run(siteB, "20261201");
    EXPECT_EQ(up.status, 0);
    EXPECT_EQ(up.err, "");
    EXPECT_EQ(Cli("history --unsent").out, "");
    const long first =
        CodeLines(siteA, "20261202") + CodeLines(siteB, "20261203") + CodeLines(siteB, "20261201");
    EXPECT_EQ(server.RowsInserted(before + first) - before, first);
    EXPECT_EQ(Run(siteA, "20261203").status, 0);
    const long second = first + CodeLines(siteA, "20261203");
    EXPECT_EQ(server.RowsInserted(before + second) - before, second);
    EXPECT_EQ(Fleet("20261202"), Expected({{&siteA, down1.out}}, "20261202"));
}

}  // namespace
}  // namespace corvane
