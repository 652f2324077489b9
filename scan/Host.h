// What the core needs from the window: the dialogs, the progress text of a result
// row, and the "process pending events" pump.  The app implements these with Qt;
// tests and the command-line companion implement them with plain code.
// All texts are GBK bytes; the implementation decodes them for display.
#pragma once

#include <cstdint>
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
    // scanner before the lines it examines, or about every millisecond while its
    // worker threads scan), so an implementation must make most calls cheap and
    // decide itself how often it really pumps.  Only the thread that called the
    // scanner ever calls it.
    virtual void ProcessEvents() = 0;
    // The same, called by a thread that has nothing else to do and waits about a
    // millisecond between calls (while worker threads scan): every call may pump, so
    // the window is served at the pump's own interval, not later by the calls it
    // would otherwise skip.
    virtual void ProcessEventsWhileWaiting() { ProcessEvents(); }
    // Stopping is not the pump's business: whoever may want to stop a loop hands it a
    // StopToken (base/Stop.h), which the loop checks after processing events.
};

// The text of the result row's "未知错误" cell while the service is scanned.
//
// Threads: a scan on one thread calls it on the calling thread.  A scan in parts
// (ScanOptions::threads > 1) calls it first on the calling thread, before any worker
// starts, and then from its worker threads: one call at a time, the texts in their
// order, each call finished before the next begins and the last one before
// ScanLogFile returns.  A window implementation therefore hands the text over to its
// own thread (a queued call) instead of touching its controls; that way the row's
// text also moves on while the window's thread sits in a modal box.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetProgressText(std::string_view text) = 0;
    // How many bytes of the file's `size` have been examined, as the scan moves on
    // (about once per block); the same threads and order as the texts.  For a
    // progress bar; the texts above stay as they are.
    virtual void SetProgressBytes(std::int64_t /*done*/, std::int64_t /*size*/) {}
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
