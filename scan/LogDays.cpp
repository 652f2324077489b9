#include "scan/LogDays.h"

#include <dirent.h>

#include <memory>
#include <string_view>
#include <unordered_map>

#include "base/AsciiCase.h"

namespace corvane {
namespace {

bool EndsWithLogIgnoringCase(std::string_view name) {
    constexpr std::string_view kExt = ".log";
    return name.size() >= kExt.size() &&
           EqualsIgnoringAsciiCase(name.substr(name.size() - kExt.size()), kExt);
}

bool EndsWithGzIgnoringCase(std::string_view name) {
    constexpr std::string_view kExt = ".gz";
    return name.size() >= kExt.size() &&
           EqualsIgnoringAsciiCase(name.substr(name.size() - kExt.size()), kExt);
}

}  // namespace

std::vector<std::string> ListLogDays(const std::string& directory) {
    std::vector<std::string> days;
    for (LogDay& day : ListLogDayEntries(directory)) days.push_back(std::move(day.day));
    return days;
}

std::vector<LogDay> ListLogDayEntries(const std::string& directory) {
    std::vector<LogDay> days;
    // Where each day met so far stands in the list that keeps their order: a directory
    // of one file per day for years would otherwise compare every name with every day.
    std::unordered_map<std::string, std::size_t> seen;
    // An empty directory text stands for the root of the file system.
    const std::string path = directory.empty() ? std::string("/") : directory;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
    if (!dir) return days;
    while (const dirent* entry = ::readdir(dir.get())) {
        std::string_view name(entry->d_name);
        // A compressed day counts as its plain name would: the day stands before ".log".
        const bool compressed = EndsWithGzIgnoringCase(name);
        if (compressed) name.remove_suffix(3);
        if (!EndsWithLogIgnoringCase(name)) continue;
        // The eight bytes before ".log"; a shorter name gives what it has from its start.
        const std::size_t start = name.size() >= 12 ? name.size() - 12 : 0;
        std::string day(name.substr(start, 8));
        const auto [at, fresh] = seen.emplace(day, days.size());
        if (fresh)
            days.push_back({std::move(day), compressed});
        else if (compressed)
            days[at->second].compressed = true;
    }
    return days;
}

}  // namespace corvane
