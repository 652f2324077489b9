// The zh_CN.GBK locale for tests of corvane-scan: Debian ships its source, not the
// locale itself, so each test program makes it once with localedef in a directory of
// its own, named to the program by LOCPATH.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>
#include <optional>
#include <string>

#include "TempDir.h"

namespace corvane::testing_support {

// The environment words (for RunCliIn) of zh_CN.GBK, or nothing when this system has
// no localedef.  A localedef that fails (its sources missing) fails the test.
inline std::optional<std::string> GbkLocaleEnv() {
    static const TempDir dir;
    static const std::optional<std::string> env = []() -> std::optional<std::string> {
        if (std::system("command -v localedef >/dev/null 2>&1") != 0) return std::nullopt;
        const std::string made = dir.path() + "zh_CN.GBK";
        std::system(("localedef -i zh_CN -f GBK " + made + " >/dev/null 2>&1").c_str());
        struct stat st {};
        EXPECT_EQ(::stat((made + "/LC_CTYPE").c_str(), &st), 0)
            << "localedef -i zh_CN -f GBK made no locale: is the package locales installed?";
        return "LOCPATH=" + dir.path() + " LC_ALL=zh_CN.GBK";
    }();
    return env;
}

}  // namespace corvane::testing_support
