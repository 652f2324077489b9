// The two folds: byte by byte for the scanner, character by character in GBK for INI
// names.  They differ only on a trail byte in a-z.

#include <gtest/gtest.h>

#include <string>

#include "base/AsciiCase.h"

namespace corvane {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

struct FoldCase {
    std::string a, b;
    bool sameBytewise;  // FoldAscii and EqualsIgnoringAsciiCase
    bool sameGbk;       // FoldAsciiGbk and CompareAsciiGbkFolded
};

TEST(AsciiCaseTest, BothFoldsOnOneTable) {
    const FoldCase cases[] = {
        {"Error_List", "ERROR_list", true, true},
        {"", "", true, true},
        {"ab", "abc", false, false},
        {"[a]", "{A}", false, false},  // '[' and '{' are not letters
        // 結 and 統: the trail bytes are Y and y.
        {"\xBD\x59", "\xBD\x79", true, false},
        {"\x81"
         "a",
         "\x81"
         "A",
         true, false},
        // Full-width a and A: no byte is an ASCII letter.
        {"\xA3\xE1", "\xA3\xC1", false, false},
        // A lead byte as the last byte takes nothing with it.
        {"x\xBD", "X\xBD", true, true},
        // After a double-byte character, ASCII folds again.
        {"\xD6\xD0z", "\xD6\xD0Z", true, true},
        {"\xC9", "\xE9", false, false},
    };
    for (const FoldCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a) + " / " + testing::PrintToString(c.b));
        EXPECT_EQ(EqualsIgnoringAsciiCase(c.a, c.b), c.sameBytewise);
        EXPECT_EQ(FoldAscii(c.a) == FoldAscii(c.b), c.sameBytewise);
        EXPECT_EQ(FoldAsciiGbk(c.a) == FoldAsciiGbk(c.b), c.sameGbk);
        // The comparison orders as the folded forms do, in both directions.
        const int folded = Sign(FoldAsciiGbk(c.a).compare(FoldAsciiGbk(c.b)));
        EXPECT_EQ(Sign(CompareAsciiGbkFolded(c.a, c.b)), folded);
        EXPECT_EQ(Sign(CompareAsciiGbkFolded(c.b, c.a)), -folded);
    }
}

}  // namespace
}  // namespace corvane
