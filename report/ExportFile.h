// Writing an export file so that a failed export never leaves half a file behind.
#pragma once

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Error.h"

namespace corvane {

// A file that could not be written.  The text is GBK, like every message of the core.
class ExportError : public Error {
public:
    using Error::Error;
};

// Calls `write` with a stream into a new file beside `path` and, once everything is
// written and closed, renames that file to `path`.  On any failure the new file is
// removed, an existing file at `path` is left as it was, and ExportError is thrown.
// Errors thrown by `write` propagate after the clean-up.
//
// The new file is created exclusively under a name nobody can guess, so no link
// planted beside `path` is ever followed.  A `path` that is a FIFO or a character
// device (a pipe or terminal behind /dev/stdout), or the file the standard output or
// error goes to, is written straight into (the latter at its current end): there is
// nothing to rename there.  A `path` that is the same file as one of `keepOff` (the
// logs of the run) is refused before anything is written.
void WriteExportFile(const std::string& path, const std::function<void(std::ostream&)>& write,
                     const std::vector<std::string>& keepOff = {});

}  // namespace corvane
