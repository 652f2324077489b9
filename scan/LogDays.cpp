#include "scan/LogDays.h"

#include <dirent.h>

#include <memory>
#include <string_view>
#include <unordered_set>

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
    // The days met so far, beside the list that keeps their order: a directory of one
    // file per day for years would otherwise compare every name with every day.
    std::unordered_set<std::string> seen;
    // An empty directory text stands for the root of the file system.
    const std::string path = directory.empty() ? std::string("/") : directory;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
    if (!dir) return days;
    while (const dirent* entry = ::readdir(dir.get())) {
        std::string_view name(entry->d_name);
        // A compressed day counts as its plain name would: the day stands before ".log".
        if (EndsWithGzIgnoringCase(name)) name.remove_suffix(3);
        if (!EndsWithLogIgnoringCase(name)) continue;
        // The eight bytes before ".log"; a shorter name gives what it has from its start.
        const std::size_t start = name.size() >= 12 ? name.size() - 12 : 0;
        std::string day(name.substr(start, 8));
        if (seen.insert(day).second) days.push_back(std::move(day));
    }
    return days;
}

}  // namespace corvane
