#include "SearchRows.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

#include "GbkDisplay.h"

namespace corvane::app {
namespace {

constexpr int kLengthBits = 24;
constexpr std::uint64_t kLengthMask = (std::uint64_t{1} << kLengthBits) - 1;
// The length field of a place kept aside; its offset field is then the index there.
constexpr std::uint64_t kAside = kLengthMask;
constexpr std::int64_t kOffsetLimit = std::int64_t{1} << (64 - kLengthBits);

// At most this much of a line is shown in its row; the context view shows it whole.
constexpr std::int64_t kShownBytes = 64 * 1024;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The line's time of day: the first "hh:mm:ss" (with its ".fff" when there is one)
// among its first bytes; empty when there is none.
QString LineTime(std::string_view line) {
    const std::size_t limit = std::min<std::size_t>(line.size(), 64);
    for (std::size_t i = 0; i + 8 <= limit; ++i) {
        const std::string_view t = line.substr(i, 8);
        if (IsDigit(t[0]) && IsDigit(t[1]) && t[2] == ':' && IsDigit(t[3]) && IsDigit(t[4]) &&
            t[5] == ':' && IsDigit(t[6]) && IsDigit(t[7])) {
            std::size_t end = i + 8;
            if (end + 1 < line.size() && line[end] == '.' && IsDigit(line[end + 1])) {
                ++end;
                while (end < line.size() && end < i + 15 && IsDigit(line[end])) ++end;
            }
            return QString::fromLatin1(line.data() + i, static_cast<qsizetype>(end - i));
        }
    }
    return QString();
}

}  // namespace

SearchRows::~SearchRows() = default;

PackedPlace SearchRows::Pack(std::int64_t number, std::int64_t offset, std::int64_t length,
                             std::vector<FindingPlace>& aside) {
    if (offset >= 0 && offset < kOffsetLimit && length >= 0 &&
        static_cast<std::uint64_t>(length) < kAside)
        return {number, static_cast<std::uint64_t>(offset) << kLengthBits |
                            static_cast<std::uint64_t>(length)};
    aside.push_back({number, offset, length});
    return {number, static_cast<std::uint64_t>(aside.size() - 1) << kLengthBits | kAside};
}

void SearchRows::clear() {
    beginResetModel();
    chunks_.clear();
    aside_.clear();
    count_ = 0;
    files_.clear();
    for (Shown& entry : shown_) entry = Shown();
    endResetModel();
}

void SearchRows::addFile(SearchFile file) {
    OpenFile open;
    open.file = std::move(file);
    open.firstRow = count_;
    files_.push_back(std::move(open));
}

void SearchRows::append(const std::vector<PackedPlace>& places,
                        const std::vector<FindingPlace>& aside) {
    if (places.empty() || files_.empty()) return;
    // A view counts its rows in an int.
    const long long room = std::max<long long>(0, INT_MAX - count_);
    const auto adding = static_cast<long long>(std::min<std::size_t>(places.size(), room));
    if (adding == 0) return;
    const std::uint64_t asideBase = aside_.size();
    aside_.insert(aside_.end(), aside.begin(), aside.end());
    beginInsertRows(QModelIndex(), static_cast<int>(count_), static_cast<int>(count_ + adding - 1));
    for (long long i = 0; i < adding; ++i) {
        const auto row = static_cast<std::size_t>(count_ + i);
        if ((row >> kChunkBits) == chunks_.size())
            chunks_.push_back(std::make_unique<PackedPlace[]>(kChunk));
        PackedPlace place = places[static_cast<std::size_t>(i)];
        if ((place.offsetAndLength & kLengthMask) == kAside)
            place.offsetAndLength += asideBase << kLengthBits;
        chunks_[row >> kChunkBits][row & (kChunk - 1)] = place;
    }
    count_ += adding;
    endInsertRows();
}

void SearchRows::setCopy(int index, FileDescriptor copy) {
    if (index < 0 || static_cast<std::size_t>(index) >= files_.size()) return;
    OpenFile& file = files_[static_cast<std::size_t>(index)];
    file.reader = std::move(copy);
    file.tried = true;
    const long long first = file.firstRow;
    const long long end = static_cast<std::size_t>(index) + 1 < files_.size()
                              ? files_[static_cast<std::size_t>(index) + 1].firstRow
                              : count_;
    for (Shown& entry : shown_)
        if (entry.row >= first && entry.row < end) entry = Shown();
    if (end > first)
        emit dataChanged(this->index(static_cast<int>(first), 2),
                         this->index(static_cast<int>(end - 1), 3));
}

const PackedPlace& SearchRows::packed(long long row) const {
    const auto at = static_cast<std::size_t>(row);
    return chunks_[at >> kChunkBits][at & (kChunk - 1)];
}

int SearchRows::fileIndexOf(long long row) const {
    const auto after =
        std::upper_bound(files_.begin(), files_.end(), row,
                         [](long long r, const OpenFile& f) { return r < f.firstRow; });
    return static_cast<int>(after - files_.begin()) - 1;
}

const SearchFile& SearchRows::fileOf(long long row) const {
    return files_[static_cast<std::size_t>(fileIndexOf(row))].file;
}

FindingPlace SearchRows::placeOf(long long row) const {
    const PackedPlace& place = packed(row);
    const std::uint64_t length = place.offsetAndLength & kLengthMask;
    if (length == kAside) return aside_[place.offsetAndLength >> kLengthBits];
    return {place.number, static_cast<std::int64_t>(place.offsetAndLength >> kLengthBits),
            static_cast<std::int64_t>(length)};
}

std::string SearchRows::read(long long row, std::int64_t most) const {
    OpenFile& file = files_[static_cast<std::size_t>(fileIndexOf(row))];
    if (!file.tried) {
        file.tried = true;
        // A compressed day is read through its copy alone (setCopy).  A name that
        // names another file since the search (a rotation) gives no lines, not another
        // file's.
        if (!file.file.compressed) {
            file.reader = OpenSharedForReading(file.file.path);
            const std::optional<FileStatus> status = StatusOf(file.reader);
            if (!status || status->stamp.device != file.file.stamp.device ||
                status->stamp.inode != file.file.stamp.inode)
                file.reader = FileDescriptor();
        }
    }
    if (!file.reader) return {};
    const FindingPlace place = placeOf(row);
    std::string bytes(static_cast<std::size_t>(std::min(place.length, most)), '\0');
    const std::optional<std::size_t> got =
        ReadFullAt(file.reader, bytes.data(), bytes.size(), place.offset);
    bytes.resize(got ? *got : 0);
    return bytes;
}

std::string SearchRows::lineOf(long long row) const { return read(row, INT64_MAX); }

const SearchRows::Shown& SearchRows::shown(long long row) const {
    Shown& entry = shown_[static_cast<std::size_t>(row) % shown_.size()];
    if (entry.row != row) {
        const std::string line = read(row, kShownBytes);
        entry.row = row;
        entry.time = LineTime(line);
        entry.text = FromGbkLine(line);
    }
    return entry;
}

int SearchRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(count_);
}

int SearchRows::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant SearchRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_) return {};
    const long long row = index.row();
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case 0:
            return fileOf(row).service;
        case 1:
            return QString::number(packed(row).number);
        case 2:
            return shown(row).time;
        default:
            return shown(row).text;
    }
}

QVariant SearchRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return QStringLiteral("服务");
        case 1:
            return QStringLiteral("行号");
        case 2:
            return QStringLiteral("时间");
        case 3:
            return QStringLiteral("日志行");
        default:
            return {};
    }
}

}  // namespace corvane::app
