#include "cli/Console.h"

#include <cerrno>
#include <cstring>

#include "cli/Messages.h"

namespace corvane::cli {

void LineWriter::Line(std::string_view text) {
    if (messages_)
        Write("corvane-scan: " + InLanguage(text));
    else
        Write(text);
    std::fputc('\n', stream_);
    Check();
}

void LineWriter::Write(std::string_view text) {
    if (utf8_) {
        converted_.clear();
        converter_.Append(text, converted_);
        text = converted_;
    }
    std::fwrite(text.data(), 1, text.size(), stream_);
}

void LineWriter::Flush() {
    if (std::fflush(stream_) != 0) Fail();
    Check();
}

void LineWriter::Check() {
    if (std::ferror(stream_)) Fail();
}

void LineWriter::Fail() {
    const int error = errno;
    std::clearerr(stream_);
    throw WriteError(Say(Msg::CannotWriteOutput, {std::strerror(error)}));
}

}  // namespace corvane::cli
