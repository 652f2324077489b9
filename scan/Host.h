// What a scan tells its host while it runs: the progress of the file, and the one
// question it may ask (whether to scan a large file).  The window implements these
// with Qt on its own thread's terms; tests and the command-line companion with plain
// code.  All texts are GBK bytes; the implementation decodes them for display.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

// The text of the result row's "未知错误" cell while the service is scanned.
//
// Threads: a scan on one thread calls it on the calling thread.  A scan in parts
// (ScanOptions::threads > 1) calls it first on the calling thread, before any worker
// starts, and then from its worker threads: one call at a time, the texts in their
// order, each call finished before the next begins and the last one before
// ScanLogFile returns.  A window implementation therefore hands the text over to its
// own thread (a queued call) instead of touching its controls.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetProgressText(std::string_view text) = 0;
    // How many bytes of the file's `size` have been examined, as the scan moves on
    // (about once per block); the same threads and order as the texts.  For a
    // progress bar; the texts above stay as they are.
    virtual void SetProgressBytes(std::int64_t /*done*/, std::int64_t /*size*/) {}
};

// The progress of one file's scan and the question the scan asks before it reads a
// file larger than kLargeFileThreshold: a modal question without icon, buttons Yes
// and No, Yes the default.  Asked on the thread that called ScanLogFile, before any
// other work; true only for Yes.  A host that never asks answers true.
class ScanSink : public ProgressSink {
public:
    virtual bool AgreeToLargeFile(std::string_view caption, std::string_view question) = 0;
};

// Do-nothing implementations for headless callers: no progress, every file scanned.
class NullProgressSink final : public ScanSink {
public:
    void SetProgressText(std::string_view) override {}
    bool AgreeToLargeFile(std::string_view, std::string_view) override { return true; }
};

}  // namespace corvane
