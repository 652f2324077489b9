// The error and service catalogues: loading, memo lines, look-ups, ignore lists,
// the program directory, and a sanity check of the bundled demo catalogues.

#include "catalog/CatalogueCheck.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/GbkText.h"
#include "catalog/ProgramDir.h"
#include "catalog/ServiceCatalogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines Fields(const ServiceEntry& row) { return {row.logSubdir, row.logPrefix, row.code}; }

const std::string kUnknownName(gbk::kUnknownErrorName);
const std::string kOwner(gbk::kKeyOwnerService);
const std::string kName(gbk::kKeyErrorName);
const std::string kKeyword(gbk::kKeyKeyword);
const std::string kSubdir(gbk::kKeyLogSubdir);
const std::string kPrefix(gbk::kKeyLogPrefix);
const std::string kSvcName(gbk::kKeyServiceName);
// 网关服务, 数据库连接失败 (GBK)
const std::string kGatewayName = "\xcd\xf8\xb9\xd8\xb7\xfe\xce\xf1";
const std::string kDbFailed = "\xca\xfd\xbe\xdd\xbf\xe2\xc1\xac\xbd\xd3\xca\xa7\xb0\xdc";

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "corvane-cat-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl + "/";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream out(dir_ + name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
    }
    ErrorCatalogue LoadErrors(const std::string& text) {
        Write("ErrorList.ini", text);
        ErrorCatalogue cat;
        LoadErrorCatalogue(dir_, cat);
        return cat;
    }

    std::string dir_;  // ends in "/", like the program directory
};

// One code listed many times with a long explanation: a small file that loads as a
// catalogue far larger than itself is refused once it passes the limit.
TEST_F(CatalogueTest, CatalogueAboveItsMemoryLimitIsRefused) {
    std::string text = "[ERRORLIST]\r\n";
    for (int i = 0; i < 300; ++i) text += "k=101\r\n";
    text += "[ERROR_101_MEMO]\r\n01=" + std::string(2000, 'm') + "\r\n";
    for (int i = 0; i < 50; ++i) text += "01=\r\n";
    Write("ErrorList.ini", text);
    ErrorCatalogue cat;
    EXPECT_THROW(LoadErrorCatalogue(dir_, cat, 1 << 20), CatalogueTooLarge);
    EXPECT_TRUE(cat.empty());
    LoadErrorCatalogue(dir_, cat);  // 30 MB from a 5 KB file: within the default limit
    ASSERT_EQ(cat.size(), 300u);
    EXPECT_EQ(cat[299].memo, Lines(51, std::string(2000, 'm')));
}

TEST_F(CatalogueTest, WithoutFilesEverythingIsEmpty) {
    ErrorCatalogue cat;
    LoadErrorCatalogue(dir_, cat);
    EXPECT_TRUE(cat.empty());
    EXPECT_EQ(LookupErrorName("101", cat), kUnknownName);
    Lines lines{"kept"};
    LookupExplanation("101", cat, lines);
    EXPECT_EQ(lines, Lines{"kept"});

    std::vector<ServiceEntry> rows;
    LoadServiceCatalogue(dir_, rows);
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(ReadIgnoreList(dir_, "GW").empty());
}

TEST_F(CatalogueTest, EntriesFollowTheListAndReadTheirSections) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\n"
        "01=101\r\n"
        "02=102\r\n"
        "[ERROR_101]\r\n" +
        kOwner + "=GW\r\n" + kName + "=" + kGatewayName + "\r\n" + kKeyword +
        "=\"connection refused\"\r\n"
        "[ERROR_101_MEMO]\r\n"
        "01=line one\r\n"
        "02=line two\r\n"
        "[ERROR_102]\r\n" +
        kOwner + "=DB\r\n" + kKeyword + "=" + kDbFailed + "\r\n");
    ASSERT_EQ(cat.size(), 2u);
    EXPECT_EQ(cat[0].errorCode, "101");
    EXPECT_EQ(cat[0].serviceCode, "GW");
    EXPECT_EQ(cat[0].errorName, kGatewayName);
    EXPECT_EQ(cat[0].keyword, "connection refused");
    EXPECT_EQ(cat[0].memo, (Lines{"line one", "line two"}));
    // Missing key and missing memo section: empty fields.
    EXPECT_EQ(cat[1].errorCode, "102");
    EXPECT_EQ(cat[1].serviceCode, "DB");
    EXPECT_EQ(cat[1].errorName, "");
    EXPECT_EQ(cat[1].keyword, kDbFailed);
    EXPECT_TRUE(cat[1].memo.empty());
    EXPECT_EQ(LookupErrorName("102", cat), "") << "an empty name is still the entry's name";
}

TEST_F(CatalogueTest, MemoLinesLoseTheirFirstThreeBytes) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\nk=101\r\n"
        "[ERROR_101_MEMO]\r\n"
        "01=abc\r\n"
        "1=abc\r\n"
        "001=abc\r\n"
        "02=\r\n"
        "3=\r\n"
        "04=\"  quoted  \"\r\n"
        "05=" +
        std::string(3000, 'm') + "\r\n" +
        "\xc8\xd5=\xd6\xbe\r\n");  // one GBK character as key: 日=志
    ASSERT_EQ(cat.size(), 1u);
    EXPECT_EQ(cat[0].memo, (Lines{"abc", "bc", "=abc", "", "", "  quoted  ", std::string(2047, 'm'),
                                  "\xd6\xbe"}));
}

TEST_F(CatalogueTest, LookupsOfSharedCodes) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\n01=101\r\n02=201\r\n03=101b\r\n"
        "[ERROR_101]\r\n" +
        kName +
        "=A\r\n"
        "[ERROR_101_MEMO]\r\n01=a1\r\n"
        "[ERROR_201]\r\n" +
        kName + "=B\r\n" + kOwner +
        "=DB\r\n"
        "[ERROR_201_MEMO]\r\n01=b1\r\n02=b2\r\n"
        "[ERROR_101b]\r\n" +
        kName + "=C\r\n");
    ASSERT_EQ(cat.size(), 3u);
    // Make two entries share one code under different services, as an edited catalogue may.
    cat[1].errorCode = "101";
    EXPECT_EQ(LookupErrorName("101", cat), "B") << "the last entry names the code";
    Lines lines{"before"};
    LookupExplanation("101", cat, lines);
    EXPECT_EQ(lines, (Lines{"before", "a1", "b1", "b2"}));
    EXPECT_EQ(LookupErrorName("101b", cat), "C");
    EXPECT_EQ(LookupErrorName("10", cat), kUnknownName) << "whole codes only";
    EXPECT_EQ(LookupErrorName("201", cat), kUnknownName);
}

TEST_F(CatalogueTest, TheUnknownCodeIsNeverLookedUp) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\n01=999\r\n"
        "[ERROR_999]\r\n" +
        kName +
        "=named\r\n"
        "[ERROR_999_MEMO]\r\n01=text\r\n");
    ASSERT_EQ(cat.size(), 1u);
    EXPECT_EQ(cat[0].errorName, "named");
    EXPECT_EQ(LookupErrorName("999", cat), kUnknownName);
    Lines lines;
    LookupExplanation("999", cat, lines);
    EXPECT_TRUE(lines.empty());
}

TEST_F(CatalogueTest, DuplicatesAreNotMerged) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\n01=101\r\n02=101\r\n01=102\r\n"
        "[ERROR_101]\r\n" +
        kName + "=first\r\n" + kName +
        "=second key\r\n"
        "[ERROR_101_MEMO]\r\n01=x\r\n02=y\r\n"
        "[error_101]\r\n" +
        kName + "=second section\r\n");
    // The repeated key 01 reads its first value again: three entries, all 101.
    ASSERT_EQ(cat.size(), 3u);
    for (const auto& rec : cat) {
        EXPECT_EQ(rec.errorCode, "101");
        EXPECT_EQ(rec.errorName, "first");
        EXPECT_EQ(rec.memo, (Lines{"x", "y"}));
    }
    Lines lines;
    LookupExplanation("101", cat, lines);
    EXPECT_EQ(lines, (Lines{"x", "y", "x", "y", "x", "y"}));
}

TEST_F(CatalogueTest, CodesAreBytesWhileSectionNamesIgnoreCase) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\n01=10a\r\n02=10A\r\n"
        "[ERROR_10A]\r\n" +
        kName +
        "=upper\r\n"
        "[ERROR_10A_MEMO]\r\n01=m\r\n");
    ASSERT_EQ(cat.size(), 2u);
    EXPECT_EQ(cat[0].errorCode, "10a");
    EXPECT_EQ(cat[1].errorCode, "10A");
    // Both codes find the one section, but as codes they stay apart.
    EXPECT_EQ(cat[0].errorName, "upper");
    Lines lines;
    LookupExplanation("10A", cat, lines);
    EXPECT_EQ(lines, Lines{"m"});
    EXPECT_EQ(LookupErrorName("10B", cat), kUnknownName);
}

TEST_F(CatalogueTest, EmptyCodeReadsTheBarePrefixSections) {
    auto cat = LoadErrors(
        "[ERRORLIST]\r\n01=\r\n"
        "[ERROR_]\r\n" +
        kOwner + "=GW\r\n" + kKeyword +
        "=timeout\r\n"
        "[ERROR__MEMO]\r\n01=bare\r\n");
    ASSERT_EQ(cat.size(), 1u);
    EXPECT_EQ(cat[0].errorCode, "");
    EXPECT_EQ(cat[0].serviceCode, "GW");
    EXPECT_EQ(cat[0].keyword, "timeout");
    EXPECT_EQ(cat[0].memo, Lines{"bare"});
}

TEST_F(CatalogueTest, ServiceRowsInListOrder) {
    Write("ServiceList.ini",
          "[SERVICELIST]\r\n"
          "a=GW\r\n"
          "b=DB\r\n"
          "c=GW\r\n"
          "d=NONE\r\n"
          "[SERVICE_GW]\r\n" +
              kSvcName + "=" + kGatewayName + "\r\n" + kSubdir + "=gw\r\n" + kPrefix +
              "=Gateway\r\n" + "[service_db]\r\n" + kPrefix + "=DataSvc\r\n");
    std::vector<ServiceEntry> rows;
    rows.push_back(ServiceEntry{"kept", "", "", "X", false});
    LoadServiceCatalogue(dir_, rows);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].caption, "kept");
    EXPECT_EQ(rows[1].caption, kGatewayName);
    EXPECT_EQ(Fields(rows[1]), (Lines{"gw", "Gateway", "GW"}));
    EXPECT_EQ(rows[2].caption, "");
    EXPECT_EQ(Fields(rows[2]), (Lines{"", "DataSvc", "DB"}));
    EXPECT_EQ(rows[3].caption, rows[1].caption);
    EXPECT_EQ(Fields(rows[3]), Fields(rows[1]));
    EXPECT_EQ(Fields(rows[4]), (Lines{"", "", "NONE"}));
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_TRUE(rows[i].checked);
    EXPECT_EQ(rows[2].logPrefix, "DataSvc");
    EXPECT_EQ(rows[2].code, "DB");
}

TEST_F(CatalogueTest, IgnoreListIsReadAfreshInFileOrder) {
    const std::string head = "[SERVICELIST]\r\na=GW\r\n[SERVICE_GW_EXCEPT]\r\n";
    Write("ServiceList.ini",
          head + "01=heartbeat\r\n02=\r\n01=not this\r\n03='  padded '\r\n;04=comment\r\n");
    EXPECT_EQ(ReadIgnoreList(dir_, "GW"), (Lines{"heartbeat", "", "heartbeat", "  padded "}));
    EXPECT_EQ(ReadIgnoreList(dir_, "gw"), ReadIgnoreList(dir_, "GW"))
        << "section names ignore case";
    EXPECT_TRUE(ReadIgnoreList(dir_, "DB").empty());

    Write("ServiceList.ini", head + "x=retrying\r\n");
    EXPECT_EQ(ReadIgnoreList(dir_, "GW"), Lines{"retrying"});
}

// 999 in the catalogue: the scan counts its lines as known errors, while everything
// after the scan takes the code for the unknown one.
TEST_F(CatalogueTest, CheckWarnsOfTheUnknownErrorCode) {
    Write("ServiceList.ini", "[SERVICELIST]\r\n1=GW\r\n[SERVICE_GW]\r\n" + kPrefix + "=Gw\r\n");
    Write("ErrorList.ini", "[ERRORLIST]\r\n1=101\r\n2=999\r\n[ERROR_101]\r\n" + kOwner + "=GW\r\n" +
                               kKeyword + "=disk\r\n[ERROR_999]\r\n" + kOwner + "=GW\r\n" +
                               kKeyword + "=timeout\r\n");
    Lines warnings;
    for (const CatalogueWarning& w : CheckCatalogues(dir_))
        warnings.push_back(w.file + " " + std::to_string(w.line) + " " + w.section + " " + w.key +
                           " " + w.message);
    EXPECT_EQ(warnings, (Lines{"ErrorList.ini 3 ERRORLIST 2 code \"999\" is the code of unknown "
                               "errors; its findings count as known, but exports, patterns and "
                               "the history take them for unknown ones"}));
}

TEST(ProgramDirTest, IsTheDirectoryOfTheRunningExecutable) {
    const std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(fs::path(dir + fs::read_symlink("/proc/self/exe").filename().string()),
              fs::read_symlink("/proc/self/exe"));
}

// The installed executables keep their catalogues in the data directory, out of the
// directory of code and configuration that only root may change; every other copy of
// the program keeps them beside itself.
TEST(ProgramDirTest, OnlyTheInstalledProgramKeepsItsCataloguesInTheDataDirectory) {
    const struct {
        const char* executableDir;
        const char* catalogues;
    } cases[] = {
        {"/opt/corvane-log-analyzer/", "/var/lib/corvane-log-analyzer/"},
        {"/opt/corvane-log-analyzer/sub/", "/opt/corvane-log-analyzer/sub/"},
        {"/tmp/x/opt/corvane-log-analyzer/", "/tmp/x/opt/corvane-log-analyzer/"},
        {"/work/build/bin/", "/work/build/bin/"},
        {"./", "./"},
    };
    for (const auto& c : cases) EXPECT_EQ(CatalogueDirFor(c.executableDir), c.catalogues);
    const ProgramDirs running = RunningProgramDirs();
    EXPECT_EQ(running.config, ProgramDir());
    EXPECT_EQ(running.catalogues, ProgramDir());  // the tests run from the build
    const ProgramDirs one("/some/dir/");
    EXPECT_EQ(one.config, one.catalogues);
}

#ifdef CORVANE_SOURCE_DIR
// The demo catalogues are hand-made data: make sure the two files agree with each
// other and that the demo logs belong to catalogued services.
TEST(DemoDataTest, CataloguesAreConsistent) {
    const std::string demo = std::string(CORVANE_SOURCE_DIR) + "/demo/";
    std::vector<ServiceEntry> rows;
    LoadServiceCatalogue(demo, rows);
    ASSERT_GE(rows.size(), 3u);
    std::set<std::string> codes, prefixes;
    for (const auto& row : rows) {
        EXPECT_FALSE(row.caption.empty());
        EXPECT_FALSE(row.logPrefix.empty());
        EXPECT_TRUE(codes.insert(row.code).second) << row.code;
        prefixes.insert(row.logPrefix);
    }

    ErrorCatalogue cat;
    LoadErrorCatalogue(demo, cat);
    ASSERT_GE(cat.size(), 10u);
    std::set<std::string> errorCodes;
    for (const auto& rec : cat) {
        EXPECT_EQ(rec.errorCode.size(), 3u) << rec.errorCode;
        EXPECT_NE(rec.errorCode, "999");
        EXPECT_TRUE(errorCodes.insert(rec.errorCode).second) << rec.errorCode;
        EXPECT_TRUE(codes.count(rec.serviceCode)) << rec.errorCode << " " << rec.serviceCode;
        EXPECT_FALSE(rec.errorName.empty()) << rec.errorCode;
        EXPECT_FALSE(rec.keyword.empty()) << rec.errorCode;
        EXPECT_GE(rec.memo.size(), 2u) << rec.errorCode;
        for (const auto& line : rec.memo) EXPECT_FALSE(line.empty()) << rec.errorCode;
    }

    int logs = 0;
    for (const auto& entry : fs::directory_iterator(demo + "logs")) {
        const std::string name = entry.path().filename().string();
        ASSERT_GT(name.size(), 12u) << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".log");
        EXPECT_TRUE(prefixes.count(name.substr(0, name.size() - 12))) << name;
        ++logs;
    }
    EXPECT_GE(logs, 3);
}
#endif

}  // namespace
}  // namespace corvane
