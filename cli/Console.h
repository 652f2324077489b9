// What corvane-scan's commands write through: the line writers of standard output and
// standard error, the dialogs of the core's runs, and the failures that end a command.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "report/Utf8Text.h"
#include "scan/Host.h"

namespace corvane::cli {

// The output could not be written (a full disk, a closed pipe).
class WriteError : public Error {
public:
    using Error::Error;
};

// A condition the command reports on stderr and ends with status 1.
class Failure : public Error {
public:
    using Error::Error;
};

// Writes lines to a stream, converting GBK to UTF-8 on request.  Bytes that are not
// valid GBK become U+FFFD so that nothing the log holds can stop the output.
class LineWriter {
public:
    LineWriter(std::FILE* stream, bool utf8) : stream_(stream), utf8_(utf8) {}

    void Line(std::string_view text);
    void Write(std::string_view text);

    // Everything written so far has reached the stream's file.
    void Flush();

private:
    void Check();
    [[noreturn]] void Fail();

    std::FILE* stream_;
    bool utf8_;
    GbkToUtf8Converter converter_;
    std::string converted_;
};

class ConsoleDialogs final : public UserDialogs {
public:
    explicit ConsoleDialogs(LineWriter& err) : err_(err) {}
    void ShowMessage(std::string_view text) override {
        err_.Line(text);
        reported_ = true;
    }
    // The companion never waits for an answer: it scans whatever it is given.
    bool AskYesNo(std::string_view, std::string_view) override { return true; }

    // A message was shown: the scanner shows one only for a log it could not open,
    // which fails the command once everything else is done.
    bool Reported() const { return reported_; }

private:
    LineWriter& err_;
    bool reported_ = false;
};

}  // namespace corvane::cli
