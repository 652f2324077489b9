#include "catalog/ErrorCatalogue.h"

#include "catalog/GbkText.h"
#include "catalog/ProfileString.h"

namespace corvane {

namespace {

std::size_t Footprint(const std::string& s) { return sizeof(std::string) + s.size(); }

std::size_t Footprint(const ErrorRecord& rec) {
    std::size_t bytes = sizeof(ErrorRecord) + Footprint(rec.serviceCode) +
                        Footprint(rec.errorCode) + Footprint(rec.errorName) +
                        Footprint(rec.keyword);
    for (const std::string& line : rec.memo) bytes += Footprint(line);
    return bytes;
}

}  // namespace

void LoadErrorCatalogue(const std::string& programDir, ErrorCatalogue& catalogue,
                        std::size_t maxBytes) {
    const ProfileFile ini(programDir + "ErrorList.ini");
    std::size_t loaded = 0;
    const std::string listSection(gbk::kSecErrorList);

    for (const std::string& key : ini.ReadSection(listSection)) {
        ErrorRecord rec;
        // The code is used exactly as read: it names the entry's sections.
        rec.errorCode = ini.ReadString(listSection, key, "");
        const std::string section = std::string(gbk::kSecErrorPrefix) + rec.errorCode;
        rec.serviceCode = ini.ReadString(section, gbk::kKeyOwnerService, "");
        rec.errorName = ini.ReadString(section, gbk::kKeyErrorName, "");
        rec.keyword = ini.ReadString(section, gbk::kKeyKeyword, "");

        // Memo lines come as "key=value"; the first three bytes go, so with the usual
        // two-character keys ("01", "02", ...) exactly the value is left.
        rec.memo = ini.ReadSectionValues(section + std::string(gbk::kSecMemoSuffix));
        for (std::string& line : rec.memo) line = line.size() > 3 ? line.substr(3) : std::string();

        loaded += Footprint(rec);
        if (loaded > maxBytes) {
            catalogue.clear();
            throw CatalogueTooLarge("ErrorList.ini gives a catalogue of more than " +
                                    std::to_string(maxBytes) +
                                    " bytes (codes listed many times with long explanations); "
                                    "it is not loaded");
        }
        catalogue.push_back(std::move(rec));
    }
}

std::string LookupErrorName(std::string_view code, const ErrorCatalogue& catalogue) {
    if (code != kUnknownCode) {
        // The last entry with the code names it.
        for (auto it = catalogue.rbegin(); it != catalogue.rend(); ++it)
            if (it->errorCode == code) return it->errorName;
    }
    return std::string(gbk::kUnknownErrorName);
}

void LookupExplanation(std::string_view code, const ErrorCatalogue& catalogue,
                       std::vector<std::string>& lines) {
    if (code == kUnknownCode) return;
    for (const ErrorRecord& rec : catalogue)
        if (rec.errorCode == code) lines.insert(lines.end(), rec.memo.begin(), rec.memo.end());
}

}  // namespace corvane
