// Fuzz target: the indexed INI reader must answer every read exactly like the plain
// reference reader, for names taken from the text itself and variants of them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ReferenceIni.h"
#include "catalog/ProfileString.h"

namespace {

// Pieces of the text between the bytes that structure it, as candidate names.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens{"", " "};
    std::string current;
    for (char c : text) {
        if (c == '[' || c == ']' || c == '=' || c == '\r' || c == '\n') {
            if (!current.empty()) tokens.push_back(current);
            current.clear();
            if (tokens.size() >= 10) break;
        } else {
            current += c;
        }
    }
    if (!current.empty()) tokens.push_back(current);
    return tokens;
}

// The same name with ASCII case swapped and padded with spaces: both must still match.
std::string Variant(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return " " + name + " ";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvane::fuzz::Fail;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const corvane::ProfileText ini(text);
    const corvane::testing_support::ReferenceIni ref(text);

    const std::vector<std::string> sectionNames = ini.ReadSectionNames();
    if (sectionNames != ref.ReadSectionNames()) Fail("section names");
    std::vector<std::string> sections = Tokens(text);
    for (std::size_t i = 0; i < sectionNames.size() && i < 4; ++i) {
        sections.push_back(sectionNames[i]);
        sections.push_back(Variant(sectionNames[i]));
    }
    for (const std::string& section : sections) {
        std::vector<std::string> keys = ini.ReadSection(section);
        if (keys != ref.ReadSection(section)) Fail("key names");
        if (keys.size() > 8) keys.resize(8);
        for (std::size_t i = 0, n = keys.size(); i < n; ++i) keys.push_back(Variant(keys[i]));
        keys.insert(keys.end(), sections.begin(),
                    sections.begin() + std::min<std::size_t>(8, sections.size()));
        for (const std::string& key : keys)
            if (ini.ReadString(section, key, " dflt ") != ref.ReadString(section, key, " dflt "))
                Fail("value");
    }
    return 0;
}
