#include "KnownErrorRows.h"

#include <algorithm>

#include "RowData.h"
#include "scan/FindingText.h"

namespace corvane::app {

void KnownErrorRows::setPage(std::shared_ptr<const ServicePass> service, int serviceRow,
                             std::vector<long long> positions, std::vector<Mark> marks,
                             const ErrorCatalogue* catalogue) {
    beginResetModel();
    service_ = std::move(service);
    serviceRow_ = serviceRow;
    positions_ = std::move(positions);
    marks_ = std::move(marks);
    catalogue_ = catalogue;
    names_.clear();
    markTexts_.clear();
    endResetModel();
}

void KnownErrorRows::clear() { setPage(nullptr, -1, {}, {}, nullptr); }

int KnownErrorRows::rowOf(long long position) const {
    const auto at = std::lower_bound(positions_.begin(), positions_.end(), position);
    return at != positions_.end() && *at == position ? static_cast<int>(at - positions_.begin())
                                                     : -1;
}

int KnownErrorRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(positions_.size());
}

int KnownErrorRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

const QString& KnownErrorRows::nameOf(const QByteArray& code) const {
    auto name = names_.find(code);
    if (name == names_.end()) {
        const std::string_view bytes(code.constData(), static_cast<std::size_t>(code.size()));
        name = names_.insert(
            code, catalogue_ ? FromGbkLine(LookupErrorName(bytes, *catalogue_)) : QString());
    }
    return name.value();
}

const QString& KnownErrorRows::markOf(const QByteArray& code) const {
    auto mark = markTexts_.find(code);
    if (mark == markTexts_.end()) {
        const std::string_view bytes(code.constData(), static_cast<std::size_t>(code.size()));
        std::vector<Mark> marks;
        for (const Mark& one : marks_)
            if (one.key == bytes) marks.push_back(one);
        mark = markTexts_.insert(code, MarkKinds(marks));
    }
    return mark.value();
}

QVariant KnownErrorRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !service_ || index.row() >= rowCount()) return {};
    const long long position = positions_[static_cast<std::size_t>(index.row())];
    if (position < 0 || static_cast<std::size_t>(position) >= service_->findings.size()) return {};
    const Finding& finding = service_->findings[static_cast<std::size_t>(position)];
    const std::string_view code = finding.Code();
    if (role == kRolePosition) return position;
    if (role == kRoleServiceRow) return serviceRow_;
    if (role == kRoleErrorCode) return ToByteArray(code);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case 0:
            return FromGbkLine(TimeField(finding.text));
        case 1:
            return nameOf(ToByteArray(code));
        case 2:
            return FromGbkLine(code);
        default:
            return markOf(ToByteArray(code));
    }
}

QVariant KnownErrorRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return QStringLiteral("发生时间");
        case 1:
            return QStringLiteral("错误名称");
        case 2:
            return QStringLiteral("错误代码");
        case 3:
            return QStringLiteral("变化");
        default:
            return {};
    }
}

}  // namespace corvane::app
