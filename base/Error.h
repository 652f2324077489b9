// The one way to fail.  A failure the caller cannot go on from is an exception derived
// from corvane::Error.  Its what() is the operator's message, in the GBK bytes of the
// system's own texts, made once where the failure is found (file names pass through
// scan/FileNameText's FileNameForMessage), so that the window and the command line show the same
// words; they differ only in how they show them (a box, a line on stderr).  What is not a failure
// (a declined question, a stop request, a file that is not there) is a value of the result.
#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace corvane
