// The service catalogue: ServiceList.ini as rows of the service selection list.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// One row of the service selection list.  The sub-items keep their fixed order
// (log subdirectory, log file name prefix, service code) because the analysis
// run reads them by position.
struct ServiceEntry {
    std::string Caption;                // "服务名称"
    std::vector<std::string> SubItems;  // [0] subdir, [1] prefix, [2] code
    bool Checked = true;

    const std::string& LogSubdir() const { return SubItems[0]; }
    const std::string& LogPrefix() const { return SubItems[1]; }
    const std::string& Code() const { return SubItems[2]; }
};

// Appends one checked row per key of "SERVICELIST" in programDir + "ServiceList.ini".
void LoadServiceCatalogue(const std::string& programDir, std::vector<ServiceEntry>& rows);

// The texts to ignore for a service: the values of section
// "SERVICE_" + code + "_EXCEPT" in file order, read afresh from the file.
std::vector<std::string> ReadIgnoreList(const std::string& programDir,
                                        const std::string& serviceCode);

}  // namespace corvane
