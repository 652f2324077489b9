// The service catalogue: ServiceList.ini as rows of the service selection list.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// One row of the service selection list.
struct ServiceEntry {
    std::string caption;    // "服务名称"
    std::string logSubdir;  // not used by the analysis; kept as the catalogue has it
    std::string logPrefix;  // log file name prefix
    std::string code;       // service code
    bool checked = true;
};

// Appends one checked row per key of "SERVICELIST" in programDir + "ServiceList.ini".
void LoadServiceCatalogue(const std::string& programDir, std::vector<ServiceEntry>& rows);

// The texts to ignore for a service: the values of section
// "SERVICE_" + code + "_EXCEPT" in file order, read afresh from the file.
std::vector<std::string> ReadIgnoreList(const std::string& programDir,
                                        const std::string& serviceCode);

}  // namespace corvane
