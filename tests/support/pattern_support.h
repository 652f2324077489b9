// Helpers of the pattern tests: GBK text written as UTF-8 in the test source, and a
// run of corvane-scan with its output.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "TempDir.h"
#include "analysis/FileNameText.h"
#include "cli_support.h"

namespace corvane::testing_support {

// The GBK bytes of UTF-8 text.
inline std::string Gbk(std::string_view utf8) {
    const std::optional<std::string> gbk = FromUtf8(std::string(utf8), "GBK");
    if (!gbk) throw std::runtime_error("not GBK: " + std::string(utf8));
    return *gbk;
}

// Runs corvane-scan with `args` (shell words) and returns its exit status and output.
inline CliResult RunCorvaneScan(const std::string& args) {
    static const TempDir scratch;
    return RunCli(args, scratch.path());
}

}  // namespace corvane::testing_support
