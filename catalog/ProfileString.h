// Reading INI files the way the Windows profile-string functions do.
//
// The catalogues, the version file and the ignore lists were written for a Windows
// reader, so section/key matching, comments, quotes, truncation and enumeration
// limits must behave like it.  Names and values are GBK bytes and are never decoded.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A value read is at most this many bytes (a 2,048-byte buffer with its terminator).
inline constexpr std::size_t kProfileValueMax = 2047;
// Key enumeration fills a buffer of this many bytes: names, each with a zero byte,
// and one final zero byte.
inline constexpr std::size_t kProfileEnumBuffer = 16384;

// One INI file on disk.  Constructing it touches no file; every read consults the
// file's content at that moment (a parsed copy is kept and reused while the file's
// identity, size and modification time stay the same).  A missing or unreadable file
// reads as a file without sections.
class ProfileFile {
public:
    explicit ProfileFile(std::string path);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    const std::string& Path() const { return path_; }

    // The value of `key` in `section`, or `def` when the section or key is missing.
    // Cut to kProfileValueMax bytes.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;

    // The key names of `section` in file order (duplicates each time), within the
    // kProfileEnumBuffer rule: names that do not fit are dropped and the last one
    // returned may be cut short.
    std::vector<std::string> ReadSection(std::string_view section) const;

    // One line per key name of ReadSection: name, "=", and the value read for that
    // name with an empty default.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

    // Parse INI text held in memory (used by ReadString & co.; exposed for tests).
    struct Parsed;

private:
    // The parsed content of the file as it is now: re-parsed only when the file's
    // device, inode, size, modification or change time (nanoseconds) differ from
    // the cached copy.  Never null; a missing file gives an empty Parsed.
    std::shared_ptr<const Parsed> Current() const;

    std::string path_;
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

}  // namespace corvane
