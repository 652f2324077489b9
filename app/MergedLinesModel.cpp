#include "MergedLinesModel.h"

#include <algorithm>
#include <iterator>

#include <QFont>

#include "GbkDisplay.h"
#include "base/GbkBytes.h"
#include "timeline/DayMerge.h"

namespace corvane::app {
namespace {

// The colour a finding's row stands out in, the context view's.
const QColor kFindingColour(255, 236, 140);

}  // namespace

MergedRow MergedLinesModel::RowOf(MergedLine&& line) {
    MergedRow row;
    row.time = line.time;
    row.source = static_cast<std::uint32_t>(line.source);
    row.lineNumber = line.lineNumber;
    row.offset = line.offset;
    row.length = static_cast<std::int64_t>(line.text.size());
    row.codeLength = static_cast<std::uint8_t>(std::min(line.code.size(), row.code.size()));
    std::copy_n(line.code.begin(), row.codeLength, row.code.begin());
    if (line.text.size() > kKeptBytes) {
        // A character that would straddle the cut goes with the rest of the line.
        const char* const begin = line.text.data();
        const char* const end = begin + line.text.size();
        const char* at = begin;
        while (at < end) {
            const std::size_t width = GbkCharacterLength(at, end);
            if (static_cast<std::size_t>(at - begin) + width > kKeptBytes) break;
            at += width;
        }
        line.text.resize(static_cast<std::size_t>(at - begin));
        line.text.shrink_to_fit();
    }
    row.text = std::move(line.text);
    return row;
}

std::deque<MergedRow> MergedLinesModel::reset(const std::vector<std::string>& services) {
    beginResetModel();
    services_.clear();
    for (const std::string& service : services) services_.push_back(FromGbkLine(service));
    std::deque<MergedRow> held;
    held.swap(rows_);
    endResetModel();
    return held;
}

void MergedLinesModel::append(std::vector<MergedRow>&& rows) {
    if (rows.empty()) return;
    beginInsertRows(QModelIndex(), size(), size() + static_cast<int>(rows.size()) - 1);
    std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
    endInsertRows();
}

void MergedLinesModel::prepend(std::vector<MergedRow>&& rows) {
    if (rows.empty()) return;
    beginInsertRows(QModelIndex(), 0, static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.begin(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    endInsertRows();
}

void MergedLinesModel::dropFirst(int count) {
    count = std::min(count, size());
    if (count <= 0) return;
    beginRemoveRows(QModelIndex(), 0, count - 1);
    rows_.erase(rows_.begin(), rows_.begin() + count);
    endRemoveRows();
}

void MergedLinesModel::dropLast(int count) {
    count = std::min(count, size());
    if (count <= 0) return;
    beginRemoveRows(QModelIndex(), size() - count, size() - 1);
    rows_.erase(rows_.end() - count, rows_.end());
    endRemoveRows();
}

int MergedLinesModel::find(std::uint32_t source, std::int64_t lineNumber) const {
    const auto at = std::find_if(rows_.begin(), rows_.end(), [&](const MergedRow& row) {
        return row.source == source && row.lineNumber == lineNumber;
    });
    return at == rows_.end() ? -1 : static_cast<int>(at - rows_.begin());
}

int MergedLinesModel::firstAtOrAfter(DayTime time) const {
    const auto at = std::partition_point(rows_.begin(), rows_.end(),
                                         [&](const MergedRow& row) { return row.time < time; });
    return static_cast<int>(at - rows_.begin());
}

int MergedLinesModel::firstSecondRows() const {
    if (rows_.empty()) return 0;
    return firstAtOrAfter(rows_.front().time + 1);
}

int MergedLinesModel::lastSecondRows() const {
    if (rows_.empty()) return 0;
    return size() - firstAtOrAfter(rows_.back().time);
}

QColor MergedLinesModel::ServiceColour(std::uint32_t source) {
    // Light tints that keep black text readable, far apart in hue for the first few.
    static const QColor kColours[] = {{198, 224, 255}, {204, 240, 204}, {255, 214, 204},
                                      {228, 210, 250}, {200, 240, 240}, {250, 222, 180},
                                      {240, 204, 228}, {222, 232, 190}};
    return kColours[source % std::size(kColours)];
}

int MergedLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

int MergedLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant MergedLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size()) return {};
    const MergedRow& line = row(index.row());
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case kTimeColumn:
                    return QString::fromLatin1(ClockText(line.time));
                case kServiceColumn:
                    return line.source < services_.size() ? services_[line.source] : QString();
                case kLineColumn:
                    return QString::number(line.lineNumber);
                case kCodeColumn:
                    return FromGbkLine(line.codeText());
                default:
                    return line.cut() ? FromGbkLine(line.text) + QStringLiteral("…")
                                      : FromGbkLine(line.text);
            }
        case Qt::BackgroundRole:
            if (index.column() == kServiceColumn) return ServiceColour(line.source);
            if (line.finding()) return kFindingColour;
            return {};
        case Qt::FontRole:
            if (line.finding()) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::TextAlignmentRole:
            if (index.column() == kLineColumn)
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
            return {};
        default:
            return {};
    }
}

QVariant MergedLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kTimeColumn:
            return QStringLiteral("时间");
        case kServiceColumn:
            return QStringLiteral("服务");
        case kLineColumn:
            return QStringLiteral("行号");
        case kCodeColumn:
            return QStringLiteral("代码");
        case kTextColumn:
            return QStringLiteral("日志行");
        default:
            return {};
    }
}

}  // namespace corvane::app
