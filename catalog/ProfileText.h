// INI text held in memory, indexed by section and key for the reader's look-ups and
// enumerations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/ProfileLine.h"

namespace corvane {

// Key enumeration fills a buffer of this many bytes: names, each with a zero byte,
// and one final zero byte.
inline constexpr std::size_t kProfileEnumBuffer = 16384;

// The index keeps the bytes once plus eight bytes per key line and per section
// header, so its memory stays within about five times the text's size whatever the
// text holds.
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

}  // namespace corvane
