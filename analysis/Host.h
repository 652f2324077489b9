// What the core needs from the window: the dialogs, the progress text of a result
// row, and the "process pending events" pump.  The app implements these with Qt;
// tests and the command-line companion implement them with plain code.
// All texts are GBK bytes; the implementation decodes them for display.
#pragma once

#include <string_view>

namespace corvane {

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // The plain information box: one OK button, the application title as caption.
    virtual void ShowMessage(std::string_view text) = 0;
    // A modal question without icon, buttons Yes and No, Yes the default.
    // Returns true only for Yes.
    virtual bool AskYesNo(std::string_view caption, std::string_view text) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets the window handle pending events.  Long loops call it very often (the
    // scanner before the lines it examines), so an implementation must make most
    // calls cheap and decide itself how often it really pumps.
    virtual void ProcessEvents() = 0;
    // True once the window has been asked to close: a loop that sees it stops at
    // once and its caller unwinds without storing anything more.
    virtual bool StopRequested() const { return false; }
};

// The text of the result row's "未知错误" cell while the service is scanned.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetProgressText(std::string_view text) = 0;
};

// Do-nothing implementations for headless callers.
class NullEventPump final : public EventPump {
public:
    void ProcessEvents() override {}
};
class NullProgressSink final : public ProgressSink {
public:
    void SetProgressText(std::string_view) override {}
};

}  // namespace corvane
