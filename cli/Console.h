// What corvane-scan's commands write through: the line writers of standard output and
// standard error, the dialogs of the core's runs, and the failures that end a command.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "report/Utf8Text.h"

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
// valid GBK become U+FFFD so that nothing the log holds can stop the output.  The
// writer of messages puts "corvane-scan: " before each line and shows the core's
// messages in the language in use (cli/Messages.h).
class LineWriter {
public:
    LineWriter(std::FILE* stream, bool utf8, bool messages = false)
        : stream_(stream), utf8_(utf8), messages_(messages) {}

    void Line(std::string_view text);
    void Write(std::string_view text);

    // Everything written so far has reached the stream's file.
    void Flush();

private:
    void Check();
    [[noreturn]] void Fail();

    std::FILE* stream_;
    bool utf8_;
    bool messages_;
    GbkToUtf8Converter converter_;
    std::string converted_;
};

}  // namespace corvane::cli
