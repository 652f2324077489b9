#include "report/ExportFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "analysis/FileNameText.h"

namespace corvane {
namespace {

// 写入导出文件失败：
constexpr std::string_view kMsgWriteFailed =
    "\xd0\xb4\xc8\xeb\xb5\xbc\xb3\xf6\xce\xc4\xbc\xfe\xca\xa7\xb0\xdc\xa3\xba";

[[noreturn]] void Fail(const std::string& path, int error) {
    std::string message(kMsgWriteFailed);
    message += FileNameForMessage(path);
    if (error != 0) message.append(" (").append(std::strerror(error)).append(")");
    throw ExportError(message);
}

}  // namespace

void WriteExportFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
    // The process id keeps two programs exporting to one name apart.
    const std::string partial = path + ".part" + std::to_string(::getpid());
    std::ofstream out;
    errno = 0;
    out.open(partial, std::ios::binary | std::ios::trunc);
    if (!out) Fail(path, errno);
    try {
        write(out);
        out.flush();
        if (!out) Fail(path, errno);
        out.close();
        if (!out) Fail(path, errno);
        if (std::rename(partial.c_str(), path.c_str()) != 0) Fail(path, errno);
    } catch (...) {
        out.close();
        std::remove(partial.c_str());
        throw;
    }
}

}  // namespace corvane
