// Findings as tests write and compare them: by their texts, their places, or the list
// a scan prints.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "scan/FindingList.h"
#include "scan/Scanner.h"

namespace corvane::testing_support {

// A scan's answer as the command line prints it: the findings' texts, then the
// unknown count, then the known count.
using ScanLines = std::vector<std::string>;

// Findings with the given texts and no known place.
inline FindingList FindingsOf(std::initializer_list<std::string> texts) {
    FindingList findings;
    for (const std::string& text : texts) findings.push_back({text, {}});
    return findings;
}

inline ScanLines Texts(const FindingList& findings) {
    ScanLines texts;
    for (const Finding& finding : findings) texts.push_back(finding.text);
    return texts;
}

inline std::vector<FindingPlace> Places(const FindingList& findings) {
    std::vector<FindingPlace> places;
    for (const Finding& finding : findings) places.push_back(finding.place);
    return places;
}

inline ScanLines ListForm(const ScanResult& scan) {
    ScanLines lines = Texts(scan.findings);
    lines.push_back(std::to_string(scan.unknown));
    lines.push_back(std::to_string(scan.known));
    return lines;
}

}  // namespace corvane::testing_support
