// The numbered steps on the right (the directory, the day, the services, the start
// and check buttons) and the progress bar below them: their controls, and what the
// run reads from them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QWidget>

#include "catalog/ServiceCatalogue.h"
#include "scan/LogDays.h"

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace corvane::app {

class HintedListWidget;
class WindowDialogs;

class StepsPanel final : public QWidget {
public:
    explicit StepsPanel(QWidget* parent);

    QLineEdit* directoryEdit() const { return directoryEdit_; }
    QPushButton* browseButton() const { return browseButton_; }
    HintedListWidget* dayList() const { return dayList_; }
    QTreeWidget* serviceList() const { return serviceList_; }
    QPushButton* startButton() const { return startButton_; }
    // 实时跟踪: a completed run goes on following its files.
    QCheckBox* followBox() const { return followBox_; }
    QPushButton* checkCataloguesButton() const { return checkCataloguesButton_; }
    // 更多, beside it: a menu of what goes beyond the steps (全部装置).
    QToolButton* moreButton() const { return moreButton_; }
    QProgressBar* progressBar() const { return progressBar_; }
    // Every control with its design name, this panel's own included.
    std::vector<std::pair<QObject*, const char*>> designNames();

    // Lists the days of the directory typed, or says why there are none.
    void listDays();
    // The folder dialog, starting at the directory typed when it is one.
    void chooseDirectory(WindowDialogs& dialogs);
    // One checked-as-listed row per service of the catalogue.
    void showServices(const std::vector<ServiceEntry>& services);
    // The text of the first selected day in list order; empty when none is selected.
    std::string chosenDay() const;
    // Selects `day` in the day list, as a click on it would.
    void chooseDay(const QByteArray& day);

    // What the run reads, when it reaches each row.
    int serviceRowCount() const;
    bool serviceRowChecked(int row) const;
    ServiceEntry serviceRow(int row) const;
    std::string directoryText() const;

    // The toggle that lists the days newest first (off: the designed order).
    QToolButton* newestFirstButton() const { return newestFirstButton_; }

private:
    // Fills the day list with `days` in the order chosen, the day chosen before
    // chosen again without a change of the selection when it is still there.
    void showDays(std::vector<LogDay> days);
    // The directory changed on the disk: its days again, when they are others.
    void refreshDays();

    QWidget* stepsArea_;
    QLabel* directoryLabel_;
    QLineEdit* directoryEdit_;
    QPushButton* browseButton_;
    QLabel* dayLabel_;
    HintedListWidget* dayList_;
    QLabel* serviceLabel_;
    QTreeWidget* serviceList_;
    QPushButton* startButton_;
    QCheckBox* followBox_;
    QPushButton* checkCataloguesButton_;
    QToolButton* moreButton_;
    QProgressBar* progressBar_;
    QToolButton* newestFirstButton_;
    // The directory of the day list, watched while the window is open.
    QFileSystemWatcher* watcher_;
    std::vector<LogDay> days_;  // as the directory gave them
};

}  // namespace corvane::app
