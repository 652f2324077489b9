#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include <gtest/gtest.h>

#include "Loopback.h"
#include "online/CatalogueUpdate.h"
#include "online/ServerConfig.h"

namespace corvane::online_test {
namespace {

using Paths = std::vector<std::string>;

std::string VersionFile(const std::string& service, const std::string& error) {
    return "[VERSION]\r\nServiceList=" + service + "\r\nErrorList=" + error + "\r\n";
}

// GBK bytes, to show that the files are stored byte for byte.
const std::string kServerServices =
    "[SERVICELIST]\r\n1=01\r\n[SERVICE_01]\r\n\xb7\xfe\xce\xf1\xc3\xfb\xb3\xc6=new\r\n";
const std::string kServerErrors =
    "[ERRORLIST]\r\n1=101\r\n[ERROR_101]\r\n\xb4\xed\xce\xf3\xc3\xfb\xb3\xc6=new\xff\r\n";
const std::string kLocalServices = "[SERVICELIST]\r\n1=old-services\r\n";
const std::string kLocalErrors = "[ERRORLIST]\r\n1=old-errors\r\n";

class OnlineUpdateTest : public ::testing::Test {
protected:
    void Serve(const std::string& version, bool catalogues = true) {
        WriteFile(serverRoot / "idc/Version.ini", version);
        if (catalogues) {
            WriteFile(serverRoot / "idc/ServiceList.ini", kServerServices);
            WriteFile(serverRoot / "idc/ErrorList.ini", kServerErrors);
        }
    }
    void InstallLocal(const std::string& version) {
        WriteFile(programDir / "Version.ini", version);
        WriteFile(programDir / "ServiceList.ini", kLocalServices);
        WriteFile(programDir / "ErrorList.ini", kLocalErrors);
    }
    bool Update(const Paths& shortPaths = {}) {
        server.emplace(serverRoot.Dir(), shortPaths);
        ServerConfig config;
        config.host = "127.0.0.1";
        config.httpPort = server->Port();
        return UpdateCatalogues(programDir.Dir(), config);
    }
    std::optional<std::string> Local(const std::string& name) {
        return ReadFile(programDir / name);
    }
    Paths Requests() { return server->Requests(); }
    // Names in the program directory that end in ".tmp".
    Paths Temporaries() {
        Paths names;
        for (const auto& entry : fs::directory_iterator(programDir.Dir()))
            if (entry.path().extension() == ".tmp") names.push_back(entry.path().filename());
        return names;
    }

    TempDir programDir;
    TempDir serverRoot;
    std::optional<HttpTestServer> server;
};

TEST(OnlineVersionOrder, BytewiseUnsigned) {
    EXPECT_FALSE(VersionOrdersAfter("10", "9"));
    EXPECT_TRUE(VersionOrdersAfter("9", "10"));
    EXPECT_TRUE(VersionOrdersAfter("10", "1"));  // a proper prefix orders first
    EXPECT_FALSE(VersionOrdersAfter("1", "10"));
    EXPECT_TRUE(VersionOrdersAfter("0", ""));
    EXPECT_FALSE(VersionOrdersAfter("", "0"));
    EXPECT_FALSE(VersionOrdersAfter("7", "7"));
    EXPECT_TRUE(VersionOrdersAfter("a", "A"));     // case matters: 'a' is 0x61, 'A' 0x41
    EXPECT_TRUE(VersionOrdersAfter("\xb0", "z"));  // high bytes count as unsigned
    EXPECT_FALSE(VersionOrdersAfter("z", "\xb0"));
}

TEST_F(OnlineUpdateTest, FirstStartFetchesWhatOrdersAfterZero) {
    Serve(VersionFile("1", "0"));
    ASSERT_TRUE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini", "/idc/ServiceList.ini"}));
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);
    EXPECT_EQ(Local("ErrorList.ini"), std::nullopt);  // "0" does not order after "0"
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "0"));
    EXPECT_EQ(Temporaries(), Paths{});
}

TEST_F(OnlineUpdateTest, EqualVersionsFetchOnlyTheVersionFile) {
    InstallLocal(VersionFile("3", "3"));
    const std::string serverCopy = "; the server's copy\r\n" + VersionFile("3", "3");
    Serve(serverCopy);
    ASSERT_TRUE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini"}));
    EXPECT_EQ(Local("Version.ini"), serverCopy);
    EXPECT_EQ(Local("ServiceList.ini"), kLocalServices);
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
}

TEST_F(OnlineUpdateTest, TenOrdersBeforeNineAndTheLowerVersionIsStored) {
    InstallLocal(VersionFile("9", "9"));
    // Renaming over a read-only Version.ini needs only a writable directory.
    ::chmod((programDir / "Version.ini").c_str(), 0444);
    Serve(VersionFile("10", "10"));
    ASSERT_TRUE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini"}));
    EXPECT_EQ(Local("Version.ini"), VersionFile("10", "10"));
    EXPECT_EQ(Local("ServiceList.ini"), kLocalServices);
}

TEST_F(OnlineUpdateTest, OnlyTheNewerErrorCatalogueIsFetched) {
    InstallLocal(VersionFile("5", "5"));
    Serve(VersionFile("5", "6"));
    ASSERT_TRUE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini", "/idc/ErrorList.ini"}));
    EXPECT_EQ(Local("ServiceList.ini"), kLocalServices);
    EXPECT_EQ(Local("ErrorList.ini"), kServerErrors);
    EXPECT_EQ(Local("Version.ini"), VersionFile("5", "6"));
}

TEST_F(OnlineUpdateTest, ServerVersionFileWithoutSectionReadsAsZero) {
    InstallLocal(
        "[VERSION]\r\nServiceList=\r\nErrorList=0\r\n");  // an empty version orders before "0"
    Serve("[OTHER]\r\nServiceList=9\r\n");
    ASSERT_TRUE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini", "/idc/ServiceList.ini"}));
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
    EXPECT_EQ(Local("Version.ini"), "[OTHER]\r\nServiceList=9\r\n");
}

TEST_F(OnlineUpdateTest, UnreachableServerChangesNothing) {
    InstallLocal(VersionFile("1", "1"));
    ServerConfig config;
    config.host = "127.0.0.1";
    config.httpPort = ClosedLoopbackPort();
    EXPECT_FALSE(UpdateCatalogues(programDir.Dir(), config));
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
    EXPECT_EQ(Local("ServiceList.ini"), kLocalServices);
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
    EXPECT_EQ(Temporaries(), Paths{});
}

TEST_F(OnlineUpdateTest, MissingServerCatalogueStopsBeforeTheVersionFile) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"), false);
    WriteFile(serverRoot / "idc/ServiceList.ini", kServerServices);  // ErrorList.ini gives 404
    EXPECT_FALSE(Update());
    EXPECT_EQ(Requests(),
              (Paths{"/idc/Version.ini", "/idc/ServiceList.ini", "/idc/ErrorList.ini"}));
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);  // replaced before the failure
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);       // old catalogue whole
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
    EXPECT_EQ(Temporaries(), Paths{});
}

TEST_F(OnlineUpdateTest, MissingServerVersionFileStopsAtOnce) {
    InstallLocal(VersionFile("1", "1"));
    EXPECT_FALSE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini"}));
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
    EXPECT_EQ(Temporaries(), Paths{});
}

TEST_F(OnlineUpdateTest, ShortBodyIsAFailure) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("1", "2"));
    EXPECT_FALSE(Update({"/idc/ErrorList.ini"}));
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini", "/idc/ErrorList.ini"}));
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
}

// A catalogue compressed on its way is a failed download: nothing of it is installed
// and the versions stay, so the next start fetches it again.
TEST_F(OnlineUpdateTest, CompressedCatalogueIsRefusedAndTheVersionsStay) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"));
    server.emplace(serverRoot.Dir(), Paths{},
                   Paths{"--encoding", "/idc/ServiceList.ini=identity", "--encoding",
                         "/idc/ErrorList.ini=gzip"});
    ServerConfig config;
    config.host = "127.0.0.1";
    config.httpPort = server->Port();
    EXPECT_FALSE(UpdateCatalogues(programDir.Dir(), config));
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);  // identity is the body as it is
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
    EXPECT_EQ(Temporaries(), Paths{});
}

TEST_F(OnlineUpdateTest, FailedRenameStopsAndLeavesNoTemporaryFile) {
    InstallLocal(VersionFile("1", "1"));
    fs::remove(programDir / "ServiceList.ini");
    WriteFile(programDir / "ServiceList.ini/occupied", "x");  // a directory cannot be replaced
    Serve(VersionFile("2", "2"));
    EXPECT_FALSE(Update());
    EXPECT_EQ(Requests(), (Paths{"/idc/Version.ini", "/idc/ServiceList.ini"}));
    EXPECT_EQ(Temporaries(), Paths{});
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
}

TEST_F(OnlineUpdateTest, DownloadFileStoresOnlyCompleteSuccessfulBodies) {
    WriteFile(serverRoot / "idc/data.bin", std::string("a\0\xff\r\nb", 6));
    WriteFile(serverRoot / "idc/empty.bin", "");
    WriteFile(serverRoot / "idc/short.bin", "partial");
    server.emplace(serverRoot.Dir(), Paths{"/idc/short.bin"});
    ServerConfig config;
    config.host = "127.0.0.1";
    config.httpPort = server->Port();
    const std::string target = programDir / "target";

    WriteFile(target, "a much longer old content");
    EXPECT_TRUE(DownloadFile(UpdateUrl(config, "/idc/data.bin"), target));
    EXPECT_EQ(ReadFile(target), std::string("a\0\xff\r\nb", 6));

    EXPECT_TRUE(DownloadFile(UpdateUrl(config, "/idc/empty.bin"), target));
    EXPECT_EQ(ReadFile(target), "");

    WriteFile(target, "kept");
    EXPECT_FALSE(DownloadFile(UpdateUrl(config, "/idc/missing.bin"), target));
    EXPECT_EQ(ReadFile(target), "kept");

    EXPECT_FALSE(DownloadFile(UpdateUrl(config, "/idc/short.bin"), target));
    EXPECT_FALSE(DownloadFile("", target));
}

// Replies that must never be taken for a catalogue, and servers that must not hold the
// update longer than its limits.  Every case fails and leaves no file behind.
struct HostileReply {
    const char* name;
    Paths serverArgs;
    bool shortBody = false;
    double minSeconds = 0;  // the limit that has to end the transfer
    std::size_t maxBytes = 1000;
};

void PrintTo(const HostileReply& reply, std::ostream* os) { *os << reply.name; }

class HostileReplyTest : public ::testing::TestWithParam<HostileReply> {};

TEST_P(HostileReplyTest, DownloadFailsWithinItsLimitsAndLeavesNoFile) {
    const HostileReply& c = GetParam();
    TempDir root, dir;
    WriteFile(root / "idc/f", std::string(100, 'x'));
    HttpTestServer server(root.Dir(), c.shortBody ? Paths{"/idc/f"} : Paths{}, c.serverArgs);
    ServerConfig config;
    config.host = "127.0.0.1";
    config.httpPort = server.Port();
    UpdateLimits limits;
    limits.stall = std::chrono::milliseconds(400);
    limits.overall = std::chrono::milliseconds(1000);
    limits.maxBytes = c.maxBytes;

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(DownloadFile(UpdateUrl(config, "/idc/f"), dir / "f.tmp", limits));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(fs::exists(dir / "f.tmp"));
    EXPECT_GE(took.count(), c.minSeconds);
    EXPECT_LT(took.count(), c.minSeconds + 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Online, HostileReplyTest,
    ::testing::Values(
        HostileReply{"partial_content", {"--status", "/idc/f=206"}},
        HostileReply{"no_content", {"--status", "/idc/f=204"}},
        HostileReply{"announced_over_the_cap", {}, false, 0, 99},
        HostileReply{"unannounced_over_the_cap", {"--no-length", "/idc/f"}, false, 0, 99},
        HostileReply{"short_body", {}, true},
        HostileReply{"gzip_from_a_compressing_proxy", {"--encoding", "/idc/f=gzip"}},
        HostileReply{"stall_after_ten_bytes", {"--stall", "/idc/f=10"}, false, 0.4},
        HostileReply{"trickle_past_the_overall_limit", {"--slow", "/idc/f=4"}, false, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OnlineUpdateTest, BodyWithoutLengthEndsAtTheCloseAndCountsWhenWhole) {
    WriteFile(serverRoot / "idc/f", "whole body");
    server.emplace(serverRoot.Dir(), Paths{}, Paths{"--no-length", "/idc/f"});
    ServerConfig config;
    config.host = "127.0.0.1";
    config.httpPort = server->Port();
    EXPECT_TRUE(DownloadFile(UpdateUrl(config, "/idc/f"), programDir / "f"));
    EXPECT_EQ(Local("f"), "whole body");
}

// Three instances update one program directory at once from a server that sends each
// catalogue slowly: they take turns, so only the first one fetches the catalogues.
TEST_F(OnlineUpdateTest, InstancesUpdatingAtOnceTakeTurns) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"));
    server.emplace(serverRoot.Dir(), Paths{},
                   Paths{"--slow", "/idc/ServiceList.ini=0.6", "--slow", "/idc/ErrorList.ini=0.6"});
    WriteFile(programDir / "Server.ini",
              "[SERVER]\r\nHost=127.0.0.1\r\nHttpPort=" + std::to_string(server->Port()) + "\r\n");
    const std::string command =
        std::string(CORVANE_SCAN_EXE) + " update --program-dir " + programDir.Dir();
    std::vector<FILE*> instances;
    for (int i = 0; i < 3; ++i) instances.push_back(::popen(command.c_str(), "r"));
    for (FILE* p : instances) {
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(::pclose(p), 0) << "each instance replaces Version.ini";
    }
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);
    EXPECT_EQ(Local("ErrorList.ini"), kServerErrors);
    EXPECT_EQ(Local("Version.ini"), VersionFile("2", "2"));
    EXPECT_EQ(Temporaries(), Paths{});
    Paths requests = Requests();
    std::sort(requests.begin(), requests.end());
    EXPECT_EQ(requests, (Paths{"/idc/ErrorList.ini", "/idc/ServiceList.ini", "/idc/Version.ini",
                               "/idc/Version.ini", "/idc/Version.ini"}));

    fs::remove(serverRoot / "idc/Version.ini");
    FILE* failing = ::popen(command.c_str(), "r");
    EXPECT_EQ(WEXITSTATUS(::pclose(failing)), 1) << "Version.ini was not replaced";
}

// An update that cannot finish in time leaves every file as it was.
TEST_F(OnlineUpdateTest, OverallLimitEndsASlowUpdateWithTheOldFiles) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"));
    server.emplace(serverRoot.Dir(), Paths{}, Paths{"--slow", "/idc/ErrorList.ini=5"});
    ServerConfig config;
    config.host = "127.0.0.1";
    config.httpPort = server->Port();
    UpdateLimits limits;
    limits.overall = std::chrono::milliseconds(800);
    EXPECT_FALSE(UpdateCatalogues(programDir.Dir(), config, limits));
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);  // whole and new
    EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);       // whole and old
    EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
    EXPECT_EQ(Temporaries(), Paths{});
}

// Each replaced file keeps the group's write permission the installation gave it,
// whatever the umask of the operator who ran the update.
TEST_F(OnlineUpdateTest, ReplacedFilesKeepTheirPermissions) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"));
    const std::pair<const char*, fs::perms> files[] = {
        {"ServiceList.ini", static_cast<fs::perms>(0664)},
        {"ErrorList.ini", static_cast<fs::perms>(0640)},
        {"Version.ini", static_cast<fs::perms>(0660)}};
    for (const auto& [name, perms] : files) fs::permissions(programDir / name, perms);
    const mode_t umask = ::umask(022);
    const bool updated = Update();
    ::umask(umask);
    ASSERT_TRUE(updated);
    EXPECT_EQ(Local("ErrorList.ini"), kServerErrors);
    for (const auto& [name, perms] : files)
        EXPECT_EQ(fs::status(programDir / name).permissions(), perms) << name;
}

// The directory is writable by the operators' group: links planted under the names
// the update once wrote through lead nowhere.  The victim keeps its bytes and mode, and
// each catalogue becomes a file of its own.
TEST_F(OnlineUpdateTest, PlantedLinksAreNeitherWrittenThroughNorInstalled) {
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"));
    const std::string victim = serverRoot / "victim";
    WriteFile(victim, "the victim's bytes");
    ::chmod(victim.c_str(), 0600);
    for (const char* name : {"Version.tmp", "ServiceList.tmp", "ErrorList.tmp"})
        fs::create_symlink(victim, programDir / name);
    ASSERT_TRUE(Update());
    EXPECT_EQ(ReadFile(victim), "the victim's bytes");
    EXPECT_EQ(fs::status(victim).permissions(), static_cast<fs::perms>(0600));
    EXPECT_EQ(Local("ServiceList.ini"), kServerServices);
    EXPECT_EQ(Local("ErrorList.ini"), kServerErrors);
    EXPECT_EQ(Local("Version.ini"), VersionFile("2", "2"));
    for (const char* name : {"Version.ini", "ServiceList.ini", "ErrorList.ini"})
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(programDir / name))) << name;
    EXPECT_EQ(Temporaries(), Paths{});
}

// The update over HTTPS from a loopback server whose certificates the tests make: only
// a certificate that the trusted authority issued for the address's name lets the
// catalogues in.  Every other ends the update before a request is sent, with the
// local files as they were.
struct TlsCase {
    const char* name;
    const char* serverCertificate;  // of the test certificates: NAME.pem with NAME.key
    const char* trusted;            // the authority passed to the update; "": the system's
    bool updates;
};

void PrintTo(const TlsCase& c, std::ostream* os) { *os << c.name; }

class HttpsUpdateTest : public OnlineUpdateTest, public ::testing::WithParamInterface<TlsCase> {
protected:
    static const TempDir& Certificates() {
        static const TempDir dir;
        static const int made = std::system(
            ("bash " CORVANE_SOURCE_DIR "/tests/support/make_test_certs.sh " + dir.Dir()).c_str());
        if (made != 0) throw std::runtime_error("cannot make the test certificates");
        return dir;
    }
};

TEST_P(HttpsUpdateTest, OnlyAVerifiedServerUpdates) {
    const TlsCase& c = GetParam();
    const TempDir& certs = Certificates();
    InstallLocal(VersionFile("1", "1"));
    Serve(VersionFile("2", "2"));
    const std::string name = c.serverCertificate;
    server.emplace(serverRoot.Dir(), Paths{},
                   Paths{"--cert", certs / (name + ".pem"), "--key", certs / (name + ".key")});
    ServerConfig config;
    config.host = "127.0.0.1";
    config.scheme = UpdateScheme::Https;
    config.httpPort = server->Port();
    UpdateLimits limits;
    if (*c.trusted != '\0') limits.caFile = certs / c.trusted;

    EXPECT_EQ(UpdateCatalogues(programDir.Dir(), config, limits), c.updates);
    if (c.updates) {
        EXPECT_EQ(Local("ServiceList.ini"), kServerServices);
        EXPECT_EQ(Local("ErrorList.ini"), kServerErrors);
        EXPECT_EQ(Local("Version.ini"), VersionFile("2", "2"));
    } else {
        EXPECT_EQ(Requests(), Paths{});
        EXPECT_EQ(Local("ServiceList.ini"), kLocalServices);
        EXPECT_EQ(Local("ErrorList.ini"), kLocalErrors);
        EXPECT_EQ(Local("Version.ini"), VersionFile("1", "1"));
    }
    EXPECT_EQ(Temporaries(), Paths{});
}

INSTANTIATE_TEST_SUITE_P(
    Online, HttpsUpdateTest,
    ::testing::Values(TlsCase{"trusted_authority", "server", "ca.pem", true},
                      TlsCase{"other_authority", "other-server", "ca.pem", false},
                      TlsCase{"certificate_for_another_name", "wrong-name", "ca.pem", false},
                      TlsCase{"authority_unknown_to_the_system", "server", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OnlineServerConfig, DefaultsAndValues) {
    TempDir dir;
    ServerConfig none = ReadServerConfig(dir.Dir());
    EXPECT_EQ(none.host, "localhost");
    EXPECT_EQ(none.httpPort, 80);
    EXPECT_EQ(none.reportPort, 18989);

    WriteFile(dir / "Server.ini",
              "[SERVER]\r\nHost=updates.example\r\nHttpPort=8080\r\nReportPort=70000\r\n");
    ServerConfig set = ReadServerConfig(dir.Dir());
    EXPECT_EQ(set.host, "updates.example");
    EXPECT_EQ(set.httpPort, 8080);
    EXPECT_EQ(set.reportPort, 18989);  // out of range

    WriteFile(dir / "Server.ini", "[SERVER]\r\nHost=\r\nReportPort=9x\r\nHttpPort=0\r\n");
    ServerConfig bad = ReadServerConfig(dir.Dir());
    EXPECT_EQ(bad.host, "localhost");
    EXPECT_EQ(bad.httpPort, 80);
    EXPECT_EQ(bad.reportPort, 18989);
    EXPECT_EQ(bad.scheme, UpdateScheme::Http);

    // The scheme in any case; the download port's default follows it.
    const std::pair<const char*, ServerConfig> schemes[] = {
        {"Scheme=HTTPS\r\n", {"localhost", UpdateScheme::Https, 443}},
        {"Scheme=https\r\nHttpPort=8443\r\n", {"localhost", UpdateScheme::Https, 8443}},
        {"Scheme=ftp\r\n", {"localhost", UpdateScheme::Http, 80}},
        {"Scheme=\r\n", {"localhost", UpdateScheme::Http, 80}}};
    for (const auto& [keys, expected] : schemes) {
        WriteFile(dir / "Server.ini", std::string("[SERVER]\r\n") + keys);
        const ServerConfig read = ReadServerConfig(dir.Dir());
        EXPECT_EQ(read.scheme, expected.scheme) << keys;
        EXPECT_EQ(read.httpPort, expected.httpPort) << keys;
    }
}

TEST(OnlineServerConfig, UpdateUrl) {
    ServerConfig config;
    config.host = "10.0.0.7";
    config.httpPort = 8080;
    EXPECT_EQ(UpdateUrl(config, "/idc/Version.ini"), "http://10.0.0.7:8080/idc/Version.ini");
    config.scheme = UpdateScheme::Https;
    EXPECT_EQ(UpdateUrl(config, "/idc/Version.ini"), "https://10.0.0.7:8080/idc/Version.ini");
    config.host = "bad host/";
    EXPECT_EQ(UpdateUrl(config, "/idc/Version.ini"), "");
}

}  // namespace
}  // namespace corvane::online_test
