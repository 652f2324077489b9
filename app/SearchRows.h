// The search tab's rows: every matching line, kept as its place alone (16 bytes a
// line, in chunks, so millions of lines fit and the list never copies them as it
// grows), its text read from its file when the row is shown.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "base/FileAccess.h"
#include "scan/FindingList.h"

namespace corvane::app {

// Where one matching line lies in its file, packed: the line's number, then its byte
// offset (40 bits) and length (24 bits).  A line beyond either is kept aside in full.
struct PackedPlace {
    std::int64_t number = 0;
    std::uint64_t offsetAndLength = 0;
};

// A file the rows come from: read from its start when a row is shown; a compressed
// day through its decompressed copy, once that was made.
struct SearchFile {
    std::string path;
    FileStamp stamp;
    QString service;
    bool compressed = false;
};

class SearchRows final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    ~SearchRows() override;
    SearchRows(const SearchRows&) = delete;
    SearchRows& operator=(const SearchRows&) = delete;

    // The place of a line to add, packed (PackedPlace).
    static PackedPlace Pack(std::int64_t number, std::int64_t offset, std::int64_t length,
                            std::vector<FindingPlace>& aside);

    void clear();
    // The rows added next are lines of `file`.
    void addFile(SearchFile file);
    // Lines of the file added last, in file order; `aside` holds those Pack() kept aside.
    void append(const std::vector<PackedPlace>& places, const std::vector<FindingPlace>& aside);
    // The decompressed copy of compressed file `index` (in the order added) was made:
    // its rows can be read now.
    void setCopy(int index, FileDescriptor copy);

    long long size() const { return count_; }
    const SearchFile& fileOf(long long row) const;
    FindingPlace placeOf(long long row) const;
    // The bytes of row `row`'s line as its file holds them now (empty when it cannot be
    // read).
    std::string lineOf(long long row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static constexpr int kChunkBits = 16;
    static constexpr std::size_t kChunk = std::size_t{1} << kChunkBits;
    // A shown row's texts, decoded; rows are looked at a screen at a time, and a
    // screen's rows are asked for again at every repaint.
    struct Shown {
        long long row = -1;
        QString time;
        QString text;
    };
    struct OpenFile {
        SearchFile file;
        long long firstRow = 0;
        FileDescriptor reader;  // opened at the first read; a compressed day's copy
        bool tried = false;     // an open was tried (it may have failed)
    };

    const PackedPlace& packed(long long row) const;
    int fileIndexOf(long long row) const;
    std::string read(long long row, std::int64_t most) const;
    const Shown& shown(long long row) const;

    std::vector<std::unique_ptr<PackedPlace[]>> chunks_;
    std::vector<FindingPlace> aside_;
    long long count_ = 0;
    // The files, each with the first of its rows; mutable: opened as rows are read.
    mutable std::vector<OpenFile> files_;
    mutable std::array<Shown, 256> shown_;
};

}  // namespace corvane::app
