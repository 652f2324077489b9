// Helpers of the pattern tests: GBK text written as UTF-8 in the test source, and a
// run of corvane-scan with its output.
#pragma once

#include <string>

#include "Gbk.h"
#include "TempDir.h"
#include "cli_support.h"

namespace corvane::testing_support {

// Runs corvane-scan with `args` (shell words) and returns its exit status and output.
inline CliResult RunCorvaneScan(const std::string& args) {
    static const TempDir scratch;
    return RunCli(args, scratch.path());
}

}  // namespace corvane::testing_support
