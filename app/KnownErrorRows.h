// The known-error list of the page shown: a model over the stored service's findings
// that holds only the positions of the page's known errors (at most a page of them)
// and makes each cell's text when the view asks for it, so showing a page decodes only
// the rows on screen.
#pragma once

#include <memory>
#include <vector>

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QString>

#include "ResultRows.h"

namespace corvane::app {

class KnownErrorRows final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the findings at `positions` of `service` (result row `serviceRow`), whose
    // codes the history marked with `marks`.  The catalogue names the codes; it must
    // outlive the page (the window empties the page before it lets its catalogue go).
    void setPage(std::shared_ptr<const ServicePass> service, int serviceRow,
                 std::vector<long long> positions, std::vector<Mark> marks,
                 const ErrorCatalogue* catalogue);
    void clear();

    // The stored service the page shows (null: none); a followed row's record may grow
    // under it on the window's thread, which then shows the page again.
    const ServicePass* service() const { return service_.get(); }
    // The finding's position in its service's list, for row `row` of the page.
    long long positionAt(int row) const { return positions_[static_cast<std::size_t>(row)]; }
    // The row that shows the finding at `position`; -1 when the page does not.
    int rowOf(long long position) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QString& nameOf(const QByteArray& code) const;
    const QString& markOf(const QByteArray& code) const;

    std::shared_ptr<const ServicePass> service_;
    int serviceRow_ = -1;
    std::vector<long long> positions_;  // ascending
    std::vector<Mark> marks_;
    const ErrorCatalogue* catalogue_ = nullptr;
    // A page holds many findings of few codes: each code's name and mark is made once.
    mutable QHash<QByteArray, QString> names_;
    mutable QHash<QByteArray, QString> markTexts_;
};

}  // namespace corvane::app
