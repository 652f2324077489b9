// Running corvane-scan from a test, and comparing its output with a golden file.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane::testing_support {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs corvane-scan with `args` (shell words); stderr goes through a file in `scratch`
// (a directory ending in "/").  A run is killed after 100 seconds (status 137), so
// that one that hangs fails its test and leaves no process behind.
inline CliResult RunCli(const std::string& args, const std::string& scratch) {
    const std::string errFile = scratch + "cli-stderr.txt";
    const std::string command =
        "timeout -s KILL 100 " + std::string(CORVANE_SCAN_EXE) + " " + args + " 2>" + errFile;
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFileBytes(errFile);
    return result;
}

// Compares `actual` with the file tests/golden/NAME.  With CORVANE_UPDATE_GOLDEN set in
// the environment the file is rewritten instead (review the diff before committing).
inline void ExpectGolden(const std::string& actual, const std::string& name) {
    const std::string path = std::string(CORVANE_SOURCE_DIR) + "/tests/golden/" + name;
    if (std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    EXPECT_EQ(actual, ReadFileBytes(path)) << "golden file " << path;
}

}  // namespace corvane::testing_support
