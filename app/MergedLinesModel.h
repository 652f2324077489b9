// The rows of the merged view: the lines of several services' logs of a day in time
// order, each kept as a compact record (time, source, line number, offset, length and
// the code of its finding) with its first bytes, decoded only when a row is painted.
// Rows come in blocks at either end (scrolling back in time adds rows in front) and
// leave by whole blocks from either end.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include "timeline/LineTime.h"

namespace corvane {
struct MergedLine;
}  // namespace corvane

namespace corvane::app {

struct MergedRow {
    DayTime time = kNoTime;
    std::uint32_t source = 0;  // index into the view's services
    std::int64_t lineNumber = 0;
    std::int64_t offset = 0;  // of the line's first byte in its (decompressed) file
    std::int64_t length = 0;  // the whole line's, without its line end
    std::array<char, 3> code{};
    std::uint8_t codeLength = 0;  // 0: the line made no finding
    std::string text;             // the line's first kKeptBytes bytes (GBK)

    bool finding() const { return codeLength > 0; }
    // True when `text` holds only the start of the line.
    bool cut() const { return static_cast<std::int64_t>(text.size()) < length; }
    std::string codeText() const { return std::string(code.data(), codeLength); }
};

class MergedLinesModel final : public QAbstractTableModel {
public:
    // Of each line, the bytes kept for its row; the context view reads it whole.
    static constexpr std::size_t kKeptBytes = 4096;

    enum Column { kTimeColumn, kServiceColumn, kLineColumn, kCodeColumn, kTextColumn, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    // A merged line as a row: its text cut to kKeptBytes (never inside a GBK character).
    static MergedRow RowOf(MergedLine&& line);

    // Empties the list; `services` names the sources (GBK codes) by their index.  The
    // rows it held are handed back, to be freed where it costs the window nothing.
    std::deque<MergedRow> reset(const std::vector<std::string>& services);
    void append(std::vector<MergedRow>&& rows);
    void prepend(std::vector<MergedRow>&& rows);
    void dropFirst(int count);
    void dropLast(int count);

    int size() const { return static_cast<int>(rows_.size()); }
    const MergedRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    // The row of line `lineNumber` of source `source`, or -1.
    int find(std::uint32_t source, std::int64_t lineNumber) const;
    // The first row whose time is at or after `time`, or size().
    int firstAtOrAfter(DayTime time) const;
    // The rows of the first and of the last second held (0 when empty).
    int firstSecondRows() const;
    int lastSecondRows() const;

    // The colour of source `source`'s rows' service cell.
    static QColor ServiceColour(std::uint32_t source);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<QString> services_;
    std::deque<MergedRow> rows_;
};

}  // namespace corvane::app
