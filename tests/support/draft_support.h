// Helpers of the draft tests: a `draft --write` through corvane-scan and the checks of
// what it must do to the scan and to ErrorList.ini.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "Files.h"
#include "pattern_support.h"

namespace corvane::testing_support {

// The lines of `text` without their LF.
inline std::vector<std::string> OutputLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

// `after` must be `before` with `listLine` and a CR LF inserted after some line end, and
// the sections of `code` after the end of the old text: no other byte changed.
inline void ExpectOnlyTheEntryAdded(const std::string& before, const std::string& after,
                                    const std::string& listLine, const std::string& code) {
    const std::string inserted = listLine + "\r\n";
    const std::size_t at = after.find("\n" + inserted);
    ASSERT_NE(at, std::string::npos) << listLine;
    const std::size_t split = at + 1;
    ASSERT_GE(after.size(), before.size() + inserted.size());
    EXPECT_EQ(after.substr(0, split) + after.substr(split + inserted.size(), before.size() - split),
              before);
    EXPECT_EQ(
        after.substr(before.size() + inserted.size()).rfind("\r\n[ERROR_" + code + "]\r\n", 0), 0u);
}

// `draft --write RANK` over the catalogues of `programDir` (which `check` must find
// clean before and after), and the round trip it promises: the scan of `log` afterwards
// is the scan before with exactly the lines that `patterns --assign` ranked `rank` turned
// into known findings of the new code, and ErrorList.ini changed only by the entry.
// `texts`: further options of the draft (its name and explanation).  Returns the new
// code; empty after a failed expectation.
inline std::string WriteDraftAndCheckRoundTrip(const std::string& programDir,
                                               const std::string& service, const std::string& log,
                                               int rank, const std::string& texts = "") {
    const std::string prog = "--program-dir " + programDir + " ";
    const std::string scan = "scan " + prog + "--line-numbers " + service + " " + log;
    EXPECT_EQ(RunCorvaneScan("check " + prog).status, 0);
    const CliResult before = RunCorvaneScan(scan);
    const CliResult assign =
        RunCorvaneScan("patterns " + prog + "--service " + service + " --assign " + log);
    std::set<std::string> patternLines;
    for (const std::string& line : OutputLines(assign.out))
        if (line.substr(line.find('\t') + 1) == std::to_string(rank))
            patternLines.insert(line.substr(0, line.find('\t')));
    EXPECT_FALSE(patternLines.empty());

    const std::string iniBefore = ReadFileBytes(programDir + "ErrorList.ini");
    const CliResult draft = RunCorvaneScan("draft " + prog + "--service " + service + " --write " +
                                           texts + std::to_string(rank) + " " + log);
    EXPECT_EQ(draft.status, 0) << draft.err;
    // The draft's last line is its list line; its sections begin on its second.
    const std::vector<std::string> draftLines = OutputLines(draft.out);
    if (draft.status != 0 || draftLines.size() < 2 || draftLines[1].rfind("[ERROR_", 0) != 0)
        return {};
    const std::string code = draftLines[1].substr(7, 3);
    ExpectOnlyTheEntryAdded(iniBefore, ReadFileBytes(programDir + "ErrorList.ini"),
                            draftLines.back(), code);

    std::vector<std::string> expected = OutputLines(before.out);
    if (expected.size() < 2) return {};
    long moved = 0;
    for (std::size_t i = 0; i + 2 < expected.size(); ++i) {
        std::string& line = expected[i];
        const std::size_t tab = line.find('\t');
        if (patternLines.count(line.substr(0, tab)) == 0) continue;
        EXPECT_EQ(line.substr(tab + 1, 4), "999|") << line;
        line.replace(tab + 1, 3, code);
        ++moved;
    }
    EXPECT_EQ(moved, static_cast<long>(patternLines.size()));
    std::string& unknown = expected[expected.size() - 2];
    std::string& known = expected.back();
    unknown = std::to_string(std::stol(unknown) - moved);
    known = std::to_string(std::stol(known) + moved);
    EXPECT_EQ(OutputLines(RunCorvaneScan(scan).out), expected) << "after the draft of " << code;
    EXPECT_EQ(RunCorvaneScan("check " + prog).status, 0);
    return code;
}

}  // namespace corvane::testing_support
