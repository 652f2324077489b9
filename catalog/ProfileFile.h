// One INI file on disk, read through a parsed copy that is kept while the file stays
// the same.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "catalog/ProfileText.h"

namespace corvane {

// The largest INI file that is read, and the largest download of the catalogue update;
// far above any real catalogue, far below what would strain the machine.
inline constexpr std::size_t kIniFileMax = std::size_t{16} << 20;

// Raised by every read of a file larger than its size limit: such a file is refused
// rather than read as empty, so that the operator learns why the catalogue is gone.
class ProfileFileTooLarge : public Error {
public:
    using Error::Error;
};

// Constructing it touches no file; every read consults the file's content at that
// moment (a parsed copy is kept and reused while the file's identity, size and
// modification time stay the same).  A missing or unreadable file reads as a file
// without sections; a file above `maxBytes` makes every read throw ProfileFileTooLarge.
class ProfileFile {
public:
    explicit ProfileFile(std::string path, std::size_t maxBytes = kIniFileMax);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    const std::string& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    std::vector<std::string> ReadSection(std::string_view section) const;
    std::vector<std::string> ReadSectionNames() const;

    // One line per key name of ReadSection: name, "=", and the value read for that
    // name with an empty default.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

    // The parsed content as it is now (empty for a missing file).
    std::shared_ptr<const ProfileText> Current() const;

private:
    std::string path_;
    std::size_t maxBytes_;
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

}  // namespace corvane
