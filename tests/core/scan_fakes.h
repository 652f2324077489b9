// Fakes of the window's effects and a temporary directory, for scanner and run tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "analysis/Host.h"

namespace corvane::testing_support {

class TempDir {
public:
    TempDir() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "corvane-scan-XXXXXX").string();
        if (::mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl + "/";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Ends in "/", like the program directory.
    const std::string& path() const { return path_; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string file = path_ + name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error("cannot write " + file);
        return file;
    }

private:
    std::string path_;
};

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
