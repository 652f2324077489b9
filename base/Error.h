// How the core fails.
//
// - An exception of the core derives from corvane::Error.  Its what() is the operator's
//   message, in the GBK bytes of the system's own texts, made once where the failure is
//   found (file names pass through scan/FileNameText's FileNameForMessage), so that the
//   window and the command line show the same words; they differ only in how they show
//   them (a box, a line on stderr).  Where no text for the operator exists (a library
//   that cannot do what no real system lacks), the developer's English text is the
//   message.
// - A failure that is an expected outcome of an operation (a file that is not there or
//   cannot be opened, a corrupt compressed stream, a declined question, a stop request)
//   is a value of its result: an outcome enum, an empty std::optional, a result struct
//   with an error text.  It is never thrown and caught back into a value, nor a value
//   turned into an exception and that caught and thrown again as another one.
// - An exception is for a failure the caller cannot handle at its level; it goes up to
//   where it can be shown (the window's handler, corvane-scan's main).  A folder whose
//   interface promises values (the history) may carry a failure of its own internals to
//   that interface as an exception, and no further.
// - Nothing is swallowed silently: a failure that is caught and gone on from, and that
//   the operator cannot act on, is at least written to stderr (WriteFailure).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One line on stderr for a failure that was gone on from: the program's name, `where`
// (what was being done, in English) and `what` (the failure's message, as it is).
void WriteFailure(std::string_view where, std::string_view what);

}  // namespace corvane
