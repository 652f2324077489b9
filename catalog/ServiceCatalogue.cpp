#include "catalog/ServiceCatalogue.h"

#include "catalog/GbkText.h"
#include "catalog/ProfileString.h"

namespace corvane {

void LoadServiceCatalogue(const std::string& programDir, std::vector<ServiceEntry>& rows) {
    const ProfileFile ini(programDir + "ServiceList.ini");
    const std::string listSection(gbk::kSecServiceList);

    for (const std::string& key : ini.ReadSection(listSection)) {
        const std::string code = ini.ReadString(listSection, key, "");
        const std::string section = std::string(gbk::kSecServicePrefix) + code;
        ServiceEntry row;
        row.checked = true;
        row.logSubdir = ini.ReadString(section, gbk::kKeyLogSubdir, "");
        row.logPrefix = ini.ReadString(section, gbk::kKeyLogPrefix, "");
        row.code = code;
        row.caption = ini.ReadString(section, gbk::kKeyServiceName, "");
        rows.push_back(std::move(row));
    }
}

std::vector<std::string> ReadIgnoreList(const std::string& programDir,
                                        const std::string& serviceCode) {
    const ProfileFile ini(programDir + "ServiceList.ini");
    const std::string section =
        std::string(gbk::kSecServicePrefix) + serviceCode + std::string(gbk::kSecExceptSuffix);

    std::vector<std::string> texts;
    // Values by enumerated name: a repeated name yields its first value each time.
    for (const std::string& name : ini.ReadSection(section))
        texts.push_back(ini.ReadString(section, name, ""));
    return texts;
}

}  // namespace corvane
