// Helpers of the pattern tests: GBK text written as UTF-8 in the test source, and a
// run of corvane-scan with its output.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "TempDir.h"
#include "cli_support.h"

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

// Runs corvane-scan with `args` (shell words) and returns its exit status and output.
inline CliResult RunCorvaneScan(const std::string& args) {
    static const TempDir scratch;
    return RunCli(args, scratch.path());
}

}  // namespace corvane::testing_support
