// Turning the GBK bytes of logs and catalogues into UTF-8 for files that people and
// spreadsheet programs read (exports, and the command line's --utf8 output).
//
// The core never decodes: only what leaves the program for a person passes through
// here.  GB18030 is read as a superset of GBK, like the window's display does.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// A reusable GBK to UTF-8 converter.  Nothing a log holds can stop it: every byte
// that does not begin a valid sequence, and an incomplete sequence at the end of the
// text, becomes U+FFFD, and conversion goes on with the next byte.  One converter
// serves one thread at a time.
class GbkToUtf8Converter {
public:
    GbkToUtf8Converter();
    ~GbkToUtf8Converter();
    GbkToUtf8Converter(const GbkToUtf8Converter&) = delete;
    GbkToUtf8Converter& operator=(const GbkToUtf8Converter&) = delete;

    // Appends the UTF-8 form of `gbk` to `utf8`.
    void Append(std::string_view gbk, std::string& utf8);

private:
    void* cd_;  // the iconv descriptor, or null when the C library lacks GB18030
};

// The UTF-8 form of `gbk`, through a converter kept per thread.
std::string GbkToUtf8(std::string_view gbk);

// A file name for a UTF-8 document: this platform names files in UTF-8, so a valid
// UTF-8 name is kept; any other name is read as GBK.
std::string FileNameToUtf8(std::string_view fileName);

}  // namespace corvane
