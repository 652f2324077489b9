// Helpers of the pattern tests: GBK text written as UTF-8 in the test source, and a
// run of corvane-scan with its output.
#pragma once

#include <string>

#include "Gbk.h"
#include "TempDir.h"
#include "cli_support.h"

namespace corvane::testing_support {

// Runs corvane-scan with `args` (shell words) in the environment `env` (NAME=VALUE
// words) and returns its exit status and output.
inline CliResult RunCorvaneScan(const std::string& args, const std::string& env = kCliLocale) {
    static const TempDir scratch;
    return RunCliIn(env, args, scratch.path());
}

}  // namespace corvane::testing_support
