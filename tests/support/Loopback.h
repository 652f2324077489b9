// Helpers of the online tests: temporary directories, a loopback HTTP server run as
// a child process, a loopback UDP receiver.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Files.h"
#include "TempDir.h"
#include "scan/Host.h"

extern char** environ;

namespace corvane::online_test {

namespace fs = std::filesystem;

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// A socket of `type` (SOCK_STREAM, SOCK_DGRAM) bound to a free port of 127.0.0.1,
// which goes to `port`.
inline int BindLoopback(int type, std::uint16_t& port) {
    const int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        if (fd >= 0) ::close(fd);
        throw std::runtime_error("cannot bind a loopback port");
    }
    port = ntohs(addr.sin_port);
    return fd;
}

// A TCP port on 127.0.0.1 on which nothing listens (bound, then released).
inline std::uint16_t ClosedLoopbackPort() {
    std::uint16_t port = 0;
    ::close(BindLoopback(SOCK_STREAM, port));
    return port;
}

// A TCP port on 127.0.0.1 that the test holds bound without listening: a connection
// to it is refused at once, and no other process can take it meanwhile.
class RefusingTcpPort {
public:
    RefusingTcpPort() : fd_(BindLoopback(SOCK_STREAM, port_)) {}
    ~RefusingTcpPort() { ::close(fd_); }
    RefusingTcpPort(const RefusingTcpPort&) = delete;
    RefusingTcpPort& operator=(const RefusingTcpPort&) = delete;
    std::uint16_t Port() const { return port_; }

private:
    std::uint16_t port_ = 0;
    int fd_;
};

// tests/support/http_test_server.py as a child process serving `root` on a free
// loopback port.  It stops when this object closes its standard input.
class HttpTestServer {
public:
    // `extraArgs` go to the server as they are (--status, --slow, --stall, --no-length).
    explicit HttpTestServer(const std::string& root,
                            const std::vector<std::string>& shortPaths = {},
                            const std::vector<std::string>& extraArgs = {})
        : log_(root + "/requests.log") {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        std::vector<std::string> args{
            "python3",    CORVANE_SOURCE_DIR "/tests/support/http_test_server.py",
            "--root",     root,
            "--log",      log_,
            "--lifetime", "120"};
        for (const auto& p : shortPaths) {
            args.push_back("--short");
            args.push_back(p);
        }
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        const int rc = ::posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        stdin_ = in[1];
        if (rc != 0) {
            ::close(out[0]);
            ::close(stdin_);
            throw std::runtime_error("cannot start python3");
        }
        port_ = ReadPort(out[0]);
        ::close(out[0]);
        if (port_ == 0) {
            Stop();
            throw std::runtime_error("the HTTP test server did not report its port");
        }
    }
    ~HttpTestServer() { Stop(); }
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    std::uint16_t Port() const { return port_; }

    // The request paths so far, in order.
    std::vector<std::string> Requests() const {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile(log_).value_or(""));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private:
    static std::uint16_t ReadPort(int fd) {
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (text.find('\n') == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 200) <= 0) continue;
            char buf[64];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0) break;
            text.append(buf, static_cast<std::size_t>(n));
        }
        return static_cast<std::uint16_t>(std::atoi(text.c_str()));
    }

    void Stop() {
        if (stdin_ >= 0) ::close(stdin_);
        stdin_ = -1;
        if (pid_ <= 0) return;
        for (int i = 0; i < 100; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = 0;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

    std::string log_;
    pid_t pid_ = 0;
    int stdin_ = -1;
    std::uint16_t port_ = 0;
};

// A datagram socket bound to 127.0.0.1 on a free port.
class UdpReceiver {
public:
    UdpReceiver() { fd_ = BindLoopback(SOCK_DGRAM, port_); }
    ~UdpReceiver() { ::close(fd_); }
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;

    std::uint16_t Port() const { return port_; }

    std::optional<std::string> Receive(int timeoutMs) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) return std::nullopt;
        char buf[70000];
        const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n < 0) return std::nullopt;
        return std::string(buf, static_cast<std::size_t>(n));
    }

    // Everything that arrives until nothing more comes for `quietMs`.
    std::vector<std::string> ReceiveAll(int quietMs = 300) {
        std::vector<std::string> all;
        while (all.size() < 1000) {
            auto d = Receive(quietMs);
            if (!d) break;
            all.push_back(*d);
        }
        return all;
    }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

// Counts ProcessEvents calls; can run a hook on each call.

}  // namespace corvane::online_test
