// The catalogues' own lint.  Catalogue keepers edit ServiceList.ini and ErrorList.ini
// by hand, and the INI reading rules make many mistakes silent: a duplicate section
// is never read, a line without "=" is invisible, a keyword can be shadowed by an
// earlier one.  The check reads both files as the program does and names each such
// place.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

struct CatalogueWarning {
    std::string file;      // "ServiceList.ini" or "ErrorList.ini"
    std::size_t line = 0;  // 1-based; 0 when the warning concerns the whole file
    std::string section;   // as written in the file, or as the program looks it up
    std::string key;
    std::string message;  // quotes codes, keywords and names byte for byte (GBK)
};

// Every warning about the two catalogues in `programDir`, ServiceList.ini's first,
// each file's in line order.  Blank lines, comment lines, a missing "_MEMO" or
// "_EXCEPT" section, an empty explanation and a service without errors never warn.
std::vector<CatalogueWarning> CheckCatalogues(const std::string& programDir);

}  // namespace corvane
