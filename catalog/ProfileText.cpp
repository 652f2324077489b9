// The parsed form is the file's bytes plus offsets into them: no string is copied
// out of the text until a read returns it, so a file of millions of tiny lines costs
// eight bytes per line instead of a few allocations per line.

#include "catalog/ProfileText.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "base/AsciiCase.h"
#include "base/LineEnds.h"

namespace corvane {

namespace {

using profile::AsCString;
using profile::HeaderName;
using profile::TrimBlanks;
using profile::TrimRightBlanks;

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// Section and key parameters lose spaces (0x20 only) at both ends.
std::string_view TrimParameter(std::string_view s) {
    s = AsCString(s);
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return s.substr(b, e - b);
}

// The default as the reader hands it out: trailing spaces (0x20 only) removed,
// quotes kept, cut to the buffer.
std::string CleanDefault(std::string_view d) {
    d = AsCString(d);
    std::size_t e = d.size();
    while (e > 0 && d[e - 1] == ' ') --e;
    d = d.substr(0, e);
    if (d.size() > kProfileValueMax) d = d.substr(0, kProfileValueMax);
    return std::string(d);
}

// Names laid out as the reader lays them out in the caller's 16,384-byte buffer, then
// taken back the way a caller walks it: string after string until an empty one.
class EnumerationBuffer {
public:
    // False once the buffer is full: later names cannot appear.
    bool Add(std::string_view name) {
        list_.append(name);
        list_ += '\0';
        return list_.size() <= kProfileEnumBuffer - 2;
    }
    std::vector<std::string> Names() {
        if (list_.size() > kProfileEnumBuffer - 2)
            list_.resize(kProfileEnumBuffer - 2);  // overflow, exact fit too
        list_ += '\0';
        std::vector<std::string> names;
        std::size_t p = 0;
        while (p < list_.size() && list_[p] != '\0') {
            const std::size_t nul = list_.find('\0', p);
            names.emplace_back(list_, p, nul - p);
            p = nul + 1;
        }
        return names;
    }

private:
    std::string list_;
};

// The line that starts at `offset` (its first non-blank byte), without its line end
// and its trailing blanks.
std::string_view LineAt(std::string_view text, std::uint32_t offset) {
    const char* begin = text.data() + offset;
    const char* end = FindLineEnd(begin, text.data() + text.size());
    return TrimRightBlanks(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

std::string_view HeaderNameAt(std::string_view text, std::uint32_t offset) {
    return HeaderName(LineAt(text, offset));
}

// A key line holds its '=' before its end, so the name needs no search for the end.
std::string_view KeyNameAt(std::string_view text, std::uint32_t offset) {
    const void* eq = std::memchr(text.data() + offset, '=', text.size() - offset);
    const std::size_t length = static_cast<const char*>(eq) - (text.data() + offset);
    return TrimRightBlanks(text.substr(offset, length));
}

std::string_view KeyValueAt(std::string_view text, std::uint32_t offset) {
    const std::string_view line = LineAt(text, offset);
    return TrimBlanks(line.substr(line.find('=') + 1));
}

}  // namespace

ProfileText::ProfileText(std::string bytes) : text_(std::move(bytes)) {
    if (text_.size() >= kNone) throw std::length_error("INI text too large to index");
    const std::string_view text(text_);
    const auto offsetOf = [&](std::string_view line) {
        return static_cast<std::uint32_t>(line.data() - text.data());
    };

    // Counted first, so that each vector is allocated once at its final size.
    std::size_t headerCount = 0, keyCount = 0;
    profile::ForEachLine(text, [&](const ProfileLine& l) {
        headerCount += l.kind == ProfileLine::Kind::Header;
        keyCount += l.kind == ProfileLine::Kind::Key;
    });
    headers_.reserve(headerCount);
    keys_.reserve(keyCount);
    profile::ForEachLine(text, [&](const ProfileLine& l) {
        if (l.kind == ProfileLine::Kind::Header) headers_.push_back(offsetOf(l.text));
        if (l.kind == ProfileLine::Kind::Key) keys_.push_back(offsetOf(l.text));
    });

    // Names are often in order already ("01", "02", ...): checking is cheaper than sorting.
    const auto sortBy = [](auto first, auto last, auto less) {
        if (!std::is_sorted(first, last, less)) std::sort(first, last, less);
    };
    byName_ = headers_;
    sortBy(byName_.begin(), byName_.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int c = CompareAsciiGbkFolded(HeaderNameAt(text, a), HeaderNameAt(text, b));
        return c != 0 ? c < 0 : a < b;
    });
    const auto byKeyName = [&](std::uint32_t a, std::uint32_t b) {
        const int c = CompareAsciiGbkFolded(KeyNameAt(text, a), KeyNameAt(text, b));
        return c != 0 ? c < 0 : a < b;
    };
    keysByName_ = keys_;
    for (std::size_t h = 0; h < headers_.size(); ++h) {
        const auto [first, last] = KeyGroup(headers_[h]);
        sortBy(keysByName_.begin() + first, keysByName_.begin() + last, byKeyName);
    }
}

std::pair<std::size_t, std::size_t> ProfileText::KeyGroup(std::uint32_t header) const {
    // The key lines between the header and the next header.
    const auto next = std::upper_bound(headers_.begin(), headers_.end(), header);
    const std::uint32_t end = next == headers_.end() ? kNone : *next;
    const auto first = std::lower_bound(keys_.begin(), keys_.end(), header);
    const auto last = std::lower_bound(first, keys_.end(), end);
    return {static_cast<std::size_t>(first - keys_.begin()),
            static_cast<std::size_t>(last - keys_.begin())};
}

std::uint32_t ProfileText::FindSection(std::string_view section) const {
    const std::string_view text(text_);
    const std::string_view name = TrimParameter(section);
    // The first section of the name wins; the others are never searched.
    auto it = std::lower_bound(byName_.begin(), byName_.end(), name,
                               [&](std::uint32_t h, std::string_view n) {
                                   return CompareAsciiGbkFolded(HeaderNameAt(text, h), n) < 0;
                               });
    if (it == byName_.end() || CompareAsciiGbkFolded(HeaderNameAt(text, *it), name) != 0)
        return kNone;
    return *it;
}

std::string ProfileText::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    const std::uint32_t header = FindSection(section);
    if (header != kNone) {
        const std::string_view text(text_);
        const auto [firstIndex, lastIndex] = KeyGroup(header);
        const auto first = keysByName_.begin() + firstIndex;
        const auto last = keysByName_.begin() + lastIndex;
        const std::string_view name = TrimParameter(key);
        auto it = std::lower_bound(first, last, name, [&](std::uint32_t k, std::string_view n) {
            return CompareAsciiGbkFolded(KeyNameAt(text, k), n) < 0;
        });
        if (it != last && CompareAsciiGbkFolded(KeyNameAt(text, *it), name) == 0)
            return CleanProfileValue(KeyValueAt(text, *it));
    }
    return CleanDefault(def);
}

std::vector<std::string> ProfileText::ReadSection(std::string_view section) const {
    const std::uint32_t header = FindSection(section);
    if (header == kNone) return {};
    // Stops once the buffer is full, so a long section costs no more than a short one.
    EnumerationBuffer buffer;
    const auto [first, last] = KeyGroup(header);
    for (std::size_t k = first; k < last; ++k)
        if (!buffer.Add(KeyNameAt(text_, keys_[k]))) break;
    return buffer.Names();
}

std::vector<std::string> ProfileText::ReadSectionNames() const {
    EnumerationBuffer buffer;
    for (std::uint32_t h : headers_)
        if (!buffer.Add(HeaderNameAt(text_, h))) break;
    return buffer.Names();
}

}  // namespace corvane
