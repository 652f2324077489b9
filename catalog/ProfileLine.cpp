// Where Windows and Wine disagree this follows Windows: the first ']' ends a section
// name and a header without ']' is still a header; lines before the first header
// are unreachable; ';' lines are comments for reads as well as for enumeration;
// only space, TAB and VT are blanks; a UTF-8 BOM is ordinary bytes of line 1.  Names
// are GBK: a lead byte 0x81-0xFE takes the next byte with it, so a trail byte is never
// a ']' and never folded.

#include "catalog/ProfileLine.h"

#include <algorithm>

namespace corvane {

namespace profile {

std::string_view HeaderName(std::string_view line) {
    std::size_t i = 1;
    while (i < line.size()) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (IsGbkLeadByte(c)) {
            i += 2;
            continue;
        }
        if (c == ']') break;
        ++i;
    }
    if (i > line.size()) i = line.size();  // a lead byte as the very last byte
    return TrimBlanks(line.substr(1, i - 1));
}

ProfileLine Classify(std::size_t number, std::string_view line, bool afterHeader) {
    ProfileLine l{ProfileLine::Kind::Bare, number, line, {}, {}};
    if (line.front() == '[') {
        l.kind = ProfileLine::Kind::Header;
        l.name = HeaderName(line);
    } else if (!afterHeader) {
        l.kind = ProfileLine::Kind::BeforeFirstHeader;
    } else if (line.front() == ';') {
        l.kind = ProfileLine::Kind::Comment;
    } else if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
        l.kind = ProfileLine::Kind::Key;
        l.name = TrimRightBlanks(line.substr(0, eq));
        l.value = TrimBlanks(line.substr(eq + 1));
    }
    return l;
}

}  // namespace profile

void ForEachProfileLine(std::string_view bytes,
                        const std::function<void(const ProfileLine&)>& visit) {
    profile::ForEachLine(bytes, [&](const ProfileLine& l) { visit(l); });
}

std::string_view UnquoteProfileValue(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string CleanProfileValue(std::string_view v) {
    v = profile::AsCString(UnquoteProfileValue(v));
    if (v.size() > kProfileValueMax) v = v.substr(0, kProfileValueMax);
    return std::string(v);
}

}  // namespace corvane
