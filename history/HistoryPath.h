// Where the history lives and how a log directory is named in it.
#pragma once

#include <string>

namespace corvane {

// $XDG_DATA_HOME/corvane/history.sqlite, or ~/.local/share/corvane/history.sqlite when
// the variable is unset, empty or not an absolute path.
std::string DefaultHistoryPath();

// The key of a log directory: absolute, with ".", ".." and repeated or trailing
// separators resolved by the text alone (symbolic links are kept).  An empty text is
// the root directory, as for the day list.
std::string NormaliseDirectory(const std::string& directory);

}  // namespace corvane
