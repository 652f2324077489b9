// The catalogues' check shown in the window: one row per warning (file, line,
// section, key, message), or a line saying that there is none.
#pragma once

#include <vector>

#include <QDialog>

#include "catalog/CatalogueCheck.h"

class QTreeWidget;

namespace corvane::app {

class CatalogueCheckDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CatalogueCheckDialog(const std::vector<CatalogueWarning>& warnings,
                                  QWidget* parent = nullptr);

    // The rows as "file<TAB>line<TAB>section<TAB>key<TAB>message"; for tests.
    QStringList rows() const;

private:
    QTreeWidget* list_ = nullptr;
};

}  // namespace corvane::app
