// Helpers of the pattern tests: GBK text written as UTF-8 in the test source, and a
// run of corvane-scan with its output.
#pragma once

#include <iconv.h>
#include <sys/wait.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::testing_support {

// The GBK bytes of UTF-8 text.
inline std::string Gbk(std::string_view utf8) {
    iconv_t cd = ::iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no GBK");
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    ::iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not GBK: " + in);
    out.resize(out.size() - outLeft);
    return out;
}

struct CliResult {
    int status = -1;
    std::string out;
};

// Runs corvane-scan with `args` (shell words) and returns its exit status and stdout.
inline CliResult RunCorvaneScan(const std::string& args) {
    const std::string cmd = std::string(CORVANE_SCAN_EXE) + " " + args + " 2>/dev/null";
    CliResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) throw std::runtime_error("cannot run " + cmd);
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = ::pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace corvane::testing_support
