// Writing an export file so that a failed export never leaves half a file behind.
#pragma once

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace corvane {

// A file that could not be written.  The text is GBK, like every message of the core.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Calls `write` with a stream into a new file beside `path` and, once everything is
// written and closed, renames that file to `path`.  On any failure the new file is
// removed, an existing file at `path` is left as it was, and ExportError is thrown.
// Errors thrown by `write` propagate after the clean-up.
void WriteExportFile(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace corvane
