// A real VictoriaMetrics server (Debian's victoria-metrics) for the tests: started on a
// free loopback port with a data directory of its own, stopped and started again on
// the same port and data, and stopped for good with the object.
//
// Equal timestamps keep the latest sample only with -dedup.minScrapeInterval=1ms: a
// day sent again replaces what was sent for it.  -search.latencyOffset=0s makes a
// sample visible to queries as soon as it is flushed.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Loopback.h"
#include "online/HttpExchange.h"

extern char** environ;

namespace corvane::testing_support {

class VictoriaMetrics {
public:
    explicit VictoriaMetrics(std::string dataDir)
        : dataDir_(std::move(dataDir)), port_(online_test::ClosedLoopbackPort()) {
        Start();
    }
    ~VictoriaMetrics() { Stop(); }
    VictoriaMetrics(const VictoriaMetrics&) = delete;
    VictoriaMetrics& operator=(const VictoriaMetrics&) = delete;

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_); }

    void Start() {
        std::vector<std::string> args{"victoria-metrics",
                                      "-storageDataPath=" + dataDir_,
                                      "-httpListenAddr=127.0.0.1:" + std::to_string(port_),
                                      "-dedup.minScrapeInterval=1ms",
                                      "-search.latencyOffset=0s",
                                      "-search.disableCache",
                                      "-retentionPeriod=100y",
                                      "-loggerLevel=ERROR"};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        const int rc =
            ::posix_spawnp(&pid_, "victoria-metrics", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) throw std::runtime_error("cannot start victoria-metrics");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (HttpExchange(Url() + "/health", std::nullopt).body != "OK") {
            if (std::chrono::steady_clock::now() > deadline ||
                ::waitpid(pid_, nullptr, WNOHANG) != 0)
                throw std::runtime_error("victoria-metrics did not come up");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    void Stop() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

    // What was received is made visible to queries at once.
    void Flush() const { HttpExchange(Url() + "/internal/force_flush", std::nullopt); }

    // The lines of InfluxDB line protocol taken since the start, once they are `rows`
    // or 5 s have passed, and no more come for a further 300 ms: the server counts
    // them a moment after it answered.
    long RowsInserted(long rows) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (RowsInserted() < rows && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return RowsInserted();
    }
    long RowsInserted() const {
        const std::string metrics = HttpExchange(Url() + "/metrics", std::nullopt).body;
        const std::string key = "vm_rows_inserted_total{type=\"influx\"} ";
        const std::size_t at = metrics.find(key);
        return at == std::string::npos ? -1 : std::stol(metrics.substr(at + key.size()));
    }

private:
    std::string dataDir_;
    std::uint16_t port_;
    pid_t pid_ = 0;
};

}  // namespace corvane::testing_support
