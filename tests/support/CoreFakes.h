// Fakes of the window's effects, for scanner and run tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "analysis/Host.h"

namespace corvane::testing_support {

class FakeDialogs final : public UserDialogs {
public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    bool AskYesNo(std::string_view caption, std::string_view text) override {
        questions.emplace_back(std::string(caption) + "|" + std::string(text));
        return answer;
    }
    bool answer = true;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
};

class FakePump final : public EventPump {
public:
    void ProcessEvents() override {
        ++calls;
        if (onEvents) onEvents();
    }
    bool StopRequested() const override { return stop; }
    int calls = 0;
    bool stop = false;
    std::function<void()> onEvents;
};

class RecordingProgress final : public ProgressSink {
public:
    void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

}  // namespace corvane::testing_support
