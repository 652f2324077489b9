// The user's own directories, as the desktop's base-directory convention names them.
#pragma once

#include <string>

namespace corvane {

// The value of the environment variable `variable` (XDG_DATA_HOME, XDG_CACHE_HOME) when
// it is an absolute path; otherwise the home directory ($HOME, or the account's when
// that is unset or empty) followed by `underHome` (".local/share", ".cache").
std::string UserBaseDirectory(const char* variable, const char* underHome);

}  // namespace corvane
