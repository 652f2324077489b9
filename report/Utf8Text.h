// Text for files that people and spreadsheet programs read (exports, and the command
// line's --utf8 output): the GBK bytes of logs and catalogues through the one
// converter (base/GbkUtf8.h), and file names.
#pragma once

#include <string>
#include <string_view>

#include "base/GbkUtf8.h"

namespace corvane {

// A file name for a UTF-8 document: this platform names files in UTF-8, so a valid
// UTF-8 name is kept; any other name is read as GBK.
std::string FileNameToUtf8(std::string_view fileName);

}  // namespace corvane
