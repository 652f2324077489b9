// The user's own directories, as the desktop's base-directory convention names them,
// and the private cache directories the core keeps files in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/FileAccess.h"

namespace corvane {

// The value of the environment variable `variable` (XDG_DATA_HOME, XDG_CACHE_HOME) when
// it is an absolute path; otherwise the home directory ($HOME, or the account's when
// that is unset or empty) followed by `underHome` (".local/share", ".cache").
std::string UserBaseDirectory(const char* variable, const char* underHome);

// Makes `directory` (and its parents) when missing.  True only when it is then a
// directory of this user's own that nobody else may put names into: a cache of files
// this user trusts must not be one another user could plant files in.
bool PrivateDirectoryReady(const std::string& directory);

// The file under `path` when this user made it: a regular file under the name itself
// (no link), this user's, one link, writable by nobody else.  Not open otherwise.
FileDescriptor OpenOwnFile(const std::string& path);

// After `name` was made in the cache `directory`: the files of earlier states of the
// same thing (names beginning with `prefix` and ending in `suffix`, which files still
// being written under their random names do not) and whatever has not been used for
// `keepSeconds` (leftovers of broken runs included) go.  Names are removed, never
// followed.
void PruneCacheDirectory(const std::string& directory, const std::string& name,
                         std::string_view prefix, std::string_view suffix,
                         std::int64_t keepSeconds);

// FNV-1a of `text`: a short name for a path that stays the same from run to run.
std::uint64_t StableTextHash(std::string_view text);

}  // namespace corvane
