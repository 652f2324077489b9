// Running corvane-scan from a test.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Files.h"

namespace corvane::testing_support {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The locale of a run unless a test names another: the C locale, in which the
// program shows the bytes as held and speaks English, whatever the tester's terminal.
inline const std::string kCliLocale = "LC_ALL=C";

// Runs corvane-scan with `args` (shell words) in the environment `env` (NAME=VALUE
// words added to the test's); stderr goes through a file in `scratch` (a directory
// ending in "/").  A run is killed after 100 seconds (status 137), so that one that
// hangs fails its test and leaves no process behind.  `runner` (shell words ending in
// a blank) runs the program, another user's `setpriv` for one.
inline CliResult RunCliIn(const std::string& env, const std::string& args,
                          const std::string& scratch, const std::string& runner = {},
                          const std::string& exe = CORVANE_SCAN_EXE) {
    const std::string errFile = scratch + "cli-stderr.txt";
    const std::string command =
        "env " + env + " timeout -s KILL 100 " + runner + exe + " " + args + " 2>" + errFile;
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

inline CliResult RunCli(const std::string& args, const std::string& scratch,
                        const std::string& runner = {}, const std::string& exe = CORVANE_SCAN_EXE) {
    return RunCliIn(kCliLocale, args, scratch, runner, exe);
}

struct CliFootprint {
    int status = -1;
    std::size_t lines = 0;  // of its output
    long peakKiB = 0;       // resident memory at its peak
};

// Runs corvane-scan with `args` (one word each), counting the lines of its output
// without keeping them (stderr is thrown away), and measures its peak memory.
inline CliFootprint MeasureCli(const std::vector<std::string>& args) {
    CliFootprint result;
    int out[2];
    if (::pipe(out) != 0) return result;
    std::vector<std::string> words{CORVANE_SCAN_EXE};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(out[1], 1);
        ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    char buffer[1 << 16];
    ssize_t n;
    while ((n = ::read(out[0], buffer, sizeof buffer)) > 0)
        result.lines += static_cast<std::size_t>(std::count(buffer, buffer + n, '\n'));
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid) return result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.peakKiB = usage.ru_maxrss;
    return result;
}

}  // namespace corvane::testing_support
