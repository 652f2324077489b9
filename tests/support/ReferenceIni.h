// The INI reading rules in their most obvious form: every line parsed into strings and
// maps.  Slow and memory-hungry, but easy to check by eye; the indexed reader is
// compared with it by the tests and the fuzz target.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing_support {

class ReferenceIni {
public:
    explicit ReferenceIni(std::string_view text) {
        if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
            static_cast<unsigned char>(text[1]) == 0xFE)
            return;
        Section* current = nullptr;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            std::size_t end = text.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) end = text.size();
            const std::string line = Trim(std::string(text.substr(pos, end - pos)), true, true);
            pos = end + 1;
            if (line.empty()) continue;
            if (line[0] == '[') {
                sections_.push_back(Section{HeaderName(line), {}});
                current = &sections_.back();
                continue;
            }
            if (current == nullptr || line[0] == ';') continue;
            const std::size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            current->entries.push_back(
                {Trim(line.substr(0, eq), false, true), Trim(line.substr(eq + 1), true, false)});
        }
    }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const {
        if (const Section* s = Find(section)) {
            const std::string k = Fold(Param(key));
            for (const auto& e : s->entries)
                if (Fold(e.first) == k) return Value(e.second);
        }
        std::string d = CString(def);
        while (!d.empty() && d.back() == ' ') d.pop_back();
        return d.substr(0, 2047);
    }

    std::vector<std::string> ReadSection(std::string_view section) const {
        std::vector<std::string> names;
        if (const Section* s = Find(section))
            for (const auto& e : s->entries) names.push_back(e.first);
        return Enumerate(names);
    }

    std::vector<std::string> ReadSectionNames() const {
        std::vector<std::string> names;
        for (const auto& s : sections_) names.push_back(s.name);
        return Enumerate(names);
    }

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    static bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v'; }
    static bool Lead(char c) {
        return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) <= 0xFE;
    }
    static std::string Trim(std::string s, bool left, bool right) {
        while (right && !s.empty() && Blank(s.back())) s.pop_back();
        std::size_t b = 0;
        while (left && b < s.size() && Blank(s[b])) ++b;
        return s.substr(b);
    }
    static std::string CString(std::string_view s) {
        return std::string(s.substr(0, s.find('\0')));
    }
    static std::string Param(std::string_view s) {
        const std::string p = CString(s);
        const std::size_t b = p.find_first_not_of(' ');
        if (b == std::string::npos) return {};
        return p.substr(b, p.find_last_not_of(' ') - b + 1);
    }
    static std::string Fold(std::string s) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (Lead(s[i]))
                ++i;
            else if (s[i] >= 'a' && s[i] <= 'z')
                s[i] = static_cast<char>(s[i] - 32);
        }
        return s;
    }
    static std::string HeaderName(const std::string& line) {
        std::size_t i = 1;
        while (i < line.size() && line[i] != ']') i += Lead(line[i]) ? 2 : 1;
        return Trim(line.substr(1, std::min(i, line.size()) - 1), true, true);
    }
    static std::string Value(std::string v) {
        if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
            v = v.substr(1, v.size() - 2);
        return CString(v).substr(0, 2047);
    }
    static std::vector<std::string> Enumerate(const std::vector<std::string>& names) {
        std::string list;
        for (const auto& n : names) list += n + '\0';
        if (list.size() > 16382) list.resize(16382);
        list += '\0';
        std::vector<std::string> out;
        for (std::size_t p = 0; list[p] != '\0'; p = list.find('\0', p) + 1)
            out.push_back(list.substr(p, list.find('\0', p) - p));
        return out;
    }
    const Section* Find(std::string_view section) const {
        const std::string name = Fold(Param(section));
        for (const auto& s : sections_)
            if (Fold(s.name) == name) return &s;
        return nullptr;
    }

    std::vector<Section> sections_;
};

}  // namespace corvane::testing_support
