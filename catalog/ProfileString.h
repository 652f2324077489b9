// Reading INI files the way the Windows profile-string functions do.
//
// The catalogues, the version file and the ignore lists were written for a Windows
// reader, so section/key matching, comments, quotes, truncation and enumeration
// limits must behave like it.  Names and values are GBK bytes and are never decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// A value read is at most this many bytes (a 2,048-byte buffer with its terminator).
inline constexpr std::size_t kProfileValueMax = 2047;
// Key enumeration fills a buffer of this many bytes: names, each with a zero byte,
// and one final zero byte.
inline constexpr std::size_t kProfileEnumBuffer = 16384;
// The largest INI file that is read, and the largest download of the catalogue update;
// far above any real catalogue, far below what would strain the machine.
inline constexpr std::size_t kIniFileMax = std::size_t{16} << 20;

// Raised by every read of a file larger than its size limit: such a file is refused
// rather than read as empty, so that the operator learns why the catalogue is gone.
class ProfileFileTooLarge : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// INI text held in memory, indexed for look-ups.  The index keeps the bytes once
// plus eight bytes per key line and per section header, so its memory stays within
// about five times the text's size whatever the text holds.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    // The value of `key` in `section`, or `def` when the section or key is missing.
    // Cut to kProfileValueMax bytes.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;

    // The key names of `section` in file order (duplicates each time), within the
    // kProfileEnumBuffer rule: names that do not fit are dropped and the last one
    // returned may be cut short.
    std::vector<std::string> ReadSection(std::string_view section) const;

    // The section names in file order (duplicates each time), within the same rule.
    std::vector<std::string> ReadSectionNames() const;

    const std::string& Bytes() const { return text_; }

private:
    std::uint32_t FindSection(std::string_view section) const;  // header offset or kNone
    // The indices in keys_ (and keysByName_) of the key lines of the section at `header`.
    std::pair<std::size_t, std::size_t> KeyGroup(std::uint32_t header) const;

    std::string text_;
    std::vector<std::uint32_t> headers_;  // offsets of the section headers, in file order
    std::vector<std::uint32_t> byName_;   // the same, ordered by folded name, then offset
    std::vector<std::uint32_t> keys_;     // offsets of the key lines, in file order
    // The same, each section's group ordered by folded name, then offset, so that the
    // first of equal names comes first.  A group spans the same indices in both.
    std::vector<std::uint32_t> keysByName_;
};

// One line of INI text as the reader classifies it.
struct ProfileLine {
    enum class Kind { Header, Key, Comment, Bare, BeforeFirstHeader };
    Kind kind;
    std::size_t number;      // 1-based; CR LF, a lone CR and a lone LF each end a line
    std::string_view text;   // the line without its blanks at both ends
    std::string_view name;   // Header: the section name; Key: the key name
    std::string_view value;  // Key: the value as written (quotes still on, not cut)
};

// Calls `visit` for every line of `bytes` that is not empty after trimming, in order.
void ForEachProfileLine(std::string_view bytes,
                        const std::function<void(const ProfileLine&)>& visit);

// The form in which names match: ASCII a-z as A-Z, the trail byte of a double-byte
// character kept as it is.  Two names match when their folded forms are equal.
std::string FoldProfileName(std::string_view name);

// The value as the reader hands it out: outer quotes removed, cut at a zero byte and
// to kProfileValueMax bytes.
std::string CleanProfileValue(std::string_view raw);

// One INI file on disk.  Constructing it touches no file; every read consults the
// file's content at that moment (a parsed copy is kept and reused while the file's
// identity, size and modification time stay the same).  A missing or unreadable file
// reads as a file without sections; a file above `maxBytes` makes every read throw
// ProfileFileTooLarge.
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
