// The catalogues' own lint.  Catalogue keepers edit ServiceList.ini and ErrorList.ini
// by hand, and the INI reading rules make many mistakes silent: a duplicate section
// is never read, a line without "=" is invisible, a keyword can be shadowed by an
// earlier one.  The check reads both files as the program does and names each such
// place.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

// What a warning says, each with the arguments it names (in this order).
enum class CatalogueProblem {
    FileMissing,            // none
    FileTooLarge,           // the reader's refusal, the largest file read (bytes)
    CatalogueTooLarge,      // the loader's refusal, the largest catalogue loaded (bytes)
    BeforeFirstSection,     // none
    SectionAgain,           // the section, the line of its first header
    LineWithoutEquals,      // none
    KeyAgain,               // the key, the line of its first value
    QuotedValue,            // the value as read
    ValueCut,               // the value's length, the longest value read
    SectionNotReached,      // the list section
    ListMissing,            // the list section
    ServiceSectionMissing,  // the section, the service code
    EmptyPrefix,            // the service code
    SamePrefix,             // the first service code, this one, the prefix
    CodeAgain,              // the code, the key of its first listing, that key's line
    CodeLength,             // the code, its length
    UnknownCode,            // the code ("999")
    ErrorSectionMissing,    // the section, the code
    NoKeyword,              // the code
    KeywordShadowed,        // the keyword, its code, the earlier keyword, that one's code
    KeywordIgnored,         // the keyword, its code, the ignore text, the service code
};

struct CatalogueWarning {
    std::string file;      // "ServiceList.ini" or "ErrorList.ini"
    std::size_t line = 0;  // 1-based; 0 when the warning concerns the whole file
    std::string section;   // as written in the file, or as the program looks it up
    std::string key;
    std::string message;  // in English; quotes codes, keywords and names byte for byte (GBK)
    CatalogueProblem problem = CatalogueProblem::FileMissing;
    std::vector<std::string> arguments;  // the problem's arguments, GBK bytes or decimal
};

using CatalogueWarningSink = std::function<void(const CatalogueWarning&)>;

// Every warning about the two catalogues in `programDir`, ServiceList.ini's first,
// each file's in line order, handed to `sink` as the check finds it.  Returns how many
// there were.  A file of 16 MiB can give millions of warnings; besides the files
// themselves the check holds only a few warnings for each listed code.  Blank lines,
// comment lines, a missing "_MEMO" or "_EXCEPT" section, an empty explanation and a
// service without errors never warn.
std::size_t CheckCatalogues(const std::string& programDir, const CatalogueWarningSink& sink);

// The same warnings as a list, for a window that shows them all.
std::vector<CatalogueWarning> CheckCatalogues(const std::string& programDir);

}  // namespace corvane
