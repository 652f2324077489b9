// 全部装置: what every installation sent to the metrics server for a day — each
// installation's counts per service, the installations where each code of the shown
// service occurred (a code new here says how many others already had it), and the
// fleet's totals over the last 30 days.  The server is asked off the window's thread.
#pragma once

#include <memory>
#include <set>
#include <string>

#include <QDialog>

#include "catalog/ErrorCatalogue.h"
#include "fleet/MetricsConfig.h"

class QChart;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace corvane::app {

class BackgroundTask;

class FleetDialog final : public QDialog {
    Q_OBJECT

public:
    struct Shown {
        MetricsConfig metrics;
        std::string day;      // the day shown first; empty: the latest any installation sent
        std::string service;  // the shown service's code; empty: none
        QString serviceName;
        std::set<std::string> newCodes;             // its codes marked new here
        const ErrorCatalogue* catalogue = nullptr;  // the codes' names; lives longer
    };
    FleetDialog(Shown shown, QWidget* parent = nullptr);
    ~FleetDialog() override;

    // Asks the server for `day` (empty: the latest sent) and shows it.
    void load(const std::string& day);
    bool loading() const;
    // The chart's series as "name: v1 v2 ...", for tests.
    QStringList chartValues() const;

signals:
    void loaded();

private:
    struct View;
    void present(View& view);

    Shown shown_;
    std::unique_ptr<BackgroundTask> task_;
    QLineEdit* dayEdit_ = nullptr;
    QLabel* status_ = nullptr;
    QTreeWidget* table_ = nullptr;
    QLabel* codesLabel_ = nullptr;
    QTreeWidget* codes_ = nullptr;
    QChart* chart_ = nullptr;
};

}  // namespace corvane::app
