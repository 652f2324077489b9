#include "catalog/ProfileFile.h"

#include <mutex>
#include <optional>
#include <utility>

#include "base/FileAccess.h"

namespace corvane {

namespace {

[[noreturn]] void RefuseLargeFile(const std::string& path, long long size, std::size_t maxBytes) {
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    throw ProfileFileTooLarge(
        name + " is too large to read (" +
        (size < 0 ? std::string("more than ") + std::to_string(maxBytes) : std::to_string(size)) +
        " bytes; INI files of at most " + std::to_string(maxBytes) + " bytes are read)");
}

}  // namespace

struct ProfileFile::Cache {
    std::mutex mutex;
    bool valid = false;
    FileStatus status;
    std::shared_ptr<const ProfileText> parsed;
};

ProfileFile::ProfileFile(std::string path, std::size_t maxBytes)
    : path_(std::move(path)), maxBytes_(maxBytes), cache_(std::make_unique<Cache>()) {}

ProfileFile::~ProfileFile() = default;

std::shared_ptr<const ProfileText> ProfileFile::Current() const {
    static const std::shared_ptr<const ProfileText> kEmpty = std::make_shared<const ProfileText>();
    std::lock_guard<std::mutex> lock(cache_->mutex);

    const std::optional<FileStatus> status = StatusOfPath(path_);
    if (!status || !status->regular) {
        cache_->valid = false;
        cache_->parsed.reset();
        return kEmpty;
    }
    if (cache_->valid && cache_->status == *status) return cache_->parsed;
    cache_->valid = false;
    cache_->parsed.reset();  // the old copy goes before the new one is read

    WholeFile whole = ReadWholeFile(path_, maxBytes_);
    if (whole.outcome == WholeFile::Outcome::TooLarge) {
        // Too large when opened, or grown past the limit while it was read.
        const std::int64_t size = whole.status.stamp.size;
        RefuseLargeFile(path_, static_cast<std::size_t>(size) > maxBytes_ ? size : -1, maxBytes_);
    }
    if (whole.outcome != WholeFile::Outcome::Read) return kEmpty;
    auto parsed = std::make_shared<const ProfileText>(std::move(whole.bytes));
    // A file that changed while it was read is used once but not kept: the next
    // read looks at it again.
    cache_->valid = whole.stable;
    cache_->status = whole.status;
    cache_->parsed = parsed;
    return parsed;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    return Current()->ReadString(section, key, def);
}

std::vector<std::string> ProfileFile::ReadSection(std::string_view section) const {
    return Current()->ReadSection(section);
}

std::vector<std::string> ProfileFile::ReadSectionNames() const {
    return Current()->ReadSectionNames();
}

std::vector<std::string> ProfileFile::ReadSectionValues(std::string_view section) const {
    const auto parsed = Current();
    std::vector<std::string> lines;
    for (const auto& name : parsed->ReadSection(section))
        lines.push_back(name + "=" + parsed->ReadString(section, name, ""));
    return lines;
}

}  // namespace corvane
