// Fakes of what a scan tells its host, for scanner and run tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "scan/Host.h"

namespace corvane::testing_support {

// The texts as the core passes them: GBK bytes.
struct GbkBytesTexts {
    using List = std::vector<std::string>;
    static std::string Caption(std::string_view gbk) { return std::string(gbk); }
    static std::string Message(std::string_view gbk) { return std::string(gbk); }
};

// The scan's host: the progress texts in order, the large-file questions it was asked
// ("caption|text", answered as told) and what the operator would be told of a scan
// that gave no list (pushed by the test's own helper from the result).
class FakeScanSink final : public ScanSink {
public:
    void SetProgressText(std::string_view text) override {
        texts.emplace_back(text);
        if (onProgress) onProgress();
    }
    void SetProgressBytes(std::int64_t, std::int64_t) override {
        if (onProgress) onProgress();
    }
    bool AgreeToLargeFile(std::string_view caption, std::string_view question) override {
        questions.push_back(std::string(caption) + "|" + std::string(question));
        return answer;
    }
    bool answer = true;
    std::vector<std::string> texts;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::function<void()> onProgress;  // after each text and each count of bytes
};

class RecordingProgress final : public ProgressSink {
public:
    void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

}  // namespace corvane::testing_support
