// Fakes of the window's effects, for scanner and run tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "RecordingDialogs.h"
#include "TempDir.h"
#include "scan/Host.h"

namespace corvane::testing_support {

// The texts as the core passes them: GBK bytes.
struct GbkBytesTexts {
    using List = std::vector<std::string>;
    static std::string Caption(std::string_view gbk) { return std::string(gbk); }
    static std::string Message(std::string_view gbk) { return std::string(gbk); }
};

class FakeDialogs final : public RecordingDialogs<UserDialogs, GbkBytesTexts> {};

class FakePump final : public EventPump {
public:
    void ProcessEvents() override {
        ++calls;
        if (onEvents) onEvents();
    }
    int calls = 0;
    std::function<void()> onEvents;
};

class RecordingProgress final : public ProgressSink {
public:
    void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

}  // namespace corvane::testing_support
