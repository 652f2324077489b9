#include "catalog/ErrorCatalogue.h"

#include "catalog/GbkText.h"
#include "catalog/ProfileString.h"

namespace corvane {

void LoadErrorCatalogue(const std::string& programDir, ErrorCatalogue& catalogue) {
    const ProfileFile ini(programDir + "ErrorList.ini");
    const std::string listSection(gbk::kSecErrorList);

    for (const std::string& key : ini.ReadSection(listSection)) {
        TErrorRec rec;
        // The code is used exactly as read: it names the entry's sections.
        rec.ErrorCode = ini.ReadString(listSection, key, "");
        const std::string section = std::string(gbk::kSecErrorPrefix) + rec.ErrorCode;
        rec.ServiceCode = ini.ReadString(section, gbk::kKeyOwnerService, "");
        rec.ErrorName = ini.ReadString(section, gbk::kKeyErrorName, "");
        rec.Keyword = ini.ReadString(section, gbk::kKeyKeyword, "");

        // Memo lines come as "key=value"; the first three bytes go, so with the usual
        // two-character keys ("01", "02", ...) exactly the value is left.
        rec.Memo = ini.ReadSectionValues(section + std::string(gbk::kSecMemoSuffix));
        for (std::string& line : rec.Memo) line = line.size() > 3 ? line.substr(3) : std::string();

        catalogue.push_back(std::move(rec));
    }
}

std::string LookupErrorName(std::string_view code, const ErrorCatalogue& catalogue) {
    if (code != kUnknownCode) {
        // The last entry with the code names it.
        for (auto it = catalogue.rbegin(); it != catalogue.rend(); ++it)
            if (it->ErrorCode == code) return it->ErrorName;
    }
    return std::string(gbk::kUnknownErrorName);
}

void LookupExplanation(std::string_view code, const ErrorCatalogue& catalogue,
                       std::vector<std::string>& lines) {
    if (code == kUnknownCode) return;
    for (const TErrorRec& rec : catalogue)
        if (rec.ErrorCode == code) lines.insert(lines.end(), rec.Memo.begin(), rec.Memo.end());
}

}  // namespace corvane
