// The golden files: tests/golden/GROUP/NAME hold the exact bytes a run must give.
// With CORVANE_UPDATE_GOLDEN set in the environment the files are rewritten instead
// (scripts/update-golden.sh does that and shows what changed; review the diff before
// committing).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "Files.h"

namespace corvane::testing_support {

// The folder of the golden files of `group`, ending in "/".
inline std::string GoldenDir(const std::string& group) {
    return std::string(CORVANE_SOURCE_DIR) + "/tests/golden/" + group + "/";
}

// Compares `actual` with the golden file `name` ("GROUP/FILE"); `context` (the
// arguments of the run, say) goes with a failure.
inline void ExpectGolden(const std::string& actual, const std::string& name,
                         const std::string& context = {}) {
    const std::string path = std::string(CORVANE_SOURCE_DIR) + "/tests/golden/" + name;
    if (std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    EXPECT_EQ(actual, ReadFileBytes(path)) << "golden file " << path << "\n" << context;
}

}  // namespace corvane::testing_support
