// The scanning rules applied line by line in the most obvious way: the reference that
// the scanner's fast path is compared with, by the tests and by the fuzz target.
#pragma once

#include <string>
#include <vector>

#include "Findings.h"
#include "catalog/ErrorCatalogue.h"

namespace corvane::testing_support {

inline std::string RefFold(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}
inline bool RefContains(const std::string& a, const std::string& b) {
    return !b.empty() && RefFold(a).find(RefFold(b)) != std::string::npos;
}
// Position `pos` counts from 1, as in the scanning rules.
inline bool RefDigit(const std::string& s, std::size_t pos) {
    return pos >= 1 && pos <= s.size() && s[pos - 1] >= '0' && s[pos - 1] <= '9';
}

// The lines of `text` by the plain rule: CR LF, a lone CR and a lone LF each end one.
inline std::vector<std::string> ReferenceLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t j = i;
        while (j < text.size() && text[j] != '\r' && text[j] != '\n') ++j;
        lines.push_back(text.substr(i, j - i));
        if (j < text.size() && text[j] == '\r') ++j;
        if (j < text.size() && text[j] == '\n') ++j;
        i = j;
    }
    return lines;
}

inline ScanLines ReferenceScan(const std::string& text, const std::string& code,
                               const ErrorCatalogue& cat, const std::vector<std::string>& ignore) {
    const std::vector<std::string> lines = ReferenceLines(text);
    ScanLines list;
    int known = 0, unknown = 0;
    for (const std::string& L : lines) {
        if (!list.empty()) {
            std::string& F = list.back();
            const std::string rest = F.size() > 4 ? F.substr(4) : "";
            if (L.find('[') != std::string::npos) {
                if (!RefDigit(F, 6) && RefDigit(L, 2))
                    F = F.substr(0, 4) + "[" + L.substr(1, 8) + ".000]|" + rest;
            } else {
                if (!RefDigit(F, 5) && RefDigit(L, 1))
                    F = F.substr(0, 4) + L.substr(0, 8) + ".000 " + rest;
            }
        }
        bool ignored = false;
        for (const std::string& t : ignore) ignored = ignored || RefContains(L, t);
        if (ignored) continue;
        bool found = false;
        for (const ErrorRecord& r : cat) {
            if (r.serviceCode == code && RefContains(L, r.keyword)) {
                list.push_back(r.errorCode + "|" + L);
                ++known;
                found = true;
                break;
            }
        }
        if (!found && (RefContains(L, "fail ") || RefContains(L, "failed "))) {
            list.push_back("999|" + L);
            ++unknown;
        }
    }
    list.push_back(std::to_string(unknown));
    list.push_back(std::to_string(known));
    return list;
}

}  // namespace corvane::testing_support
