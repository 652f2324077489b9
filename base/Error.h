// The one way to fail.  A failure the caller cannot go on from is an exception derived
// from corvane::Error; it carries the facts a message needs (the file name as bytes,
// the system's error number), and what() is only for logs and tests.  The text an
// operator reads is made where it is shown.  What is not a failure (a declined
// question, a stop request, a file that is not there) is a value of the result.
#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace corvane
