#include "StepsPanel.h"

#include <algorithm>
#include <stdexcept>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

#include "ControlParts.h"
#include "DesignNames.h"
#include "GbkDisplay.h"
#include "HintedListWidget.h"
#include "RowData.h"
#include "WindowDialogs.h"
#include "WindowMemory.h"
#include "scan/LogDays.h"

namespace corvane::app {
namespace {

// Why a directory gives no day: it is missing, it is no directory, it cannot be
// read, or it holds no log file.
QString NoDaysHint(const QString& directory) {
    const QFileInfo info(directory.isEmpty() ? QDir::rootPath() : directory);
    if (!info.exists()) return QStringLiteral("目录不存在");
    if (!info.isDir()) return QStringLiteral("不是目录");
    if (!info.isReadable() || !info.isExecutable()) return QStringLiteral("无法读取该目录");
    return QStringLiteral("该目录中没有日志文件（.log）");
}

}  // namespace

// The steps are placed at fixed positions, the progress bar along the bottom edge.
StepsPanel::StepsPanel(QWidget* parent) : QWidget(parent) {
    setFixedWidth(216);
    auto* panelLayout = BareColumn(this);
    stepsArea_ = new QWidget(this);
    stepsArea_->setFixedHeight(536);
    panelLayout->addWidget(stepsArea_);
    panelLayout->addStretch(1);

    const QFont stepFont = SongFont(12);
    directoryLabel_ = MakeLabel(stepsArea_, QStringLiteral("1、请选择日志存放的目录："));
    directoryLabel_->setFont(stepFont);
    directoryLabel_->setGeometry(8, 26, 201, 16);

    directoryEdit_ = new QLineEdit(stepsArea_);
    directoryEdit_->setGeometry(8, 52, 201 - 23, 23);
    browseButton_ = new QPushButton(QStringLiteral("..."), stepsArea_);
    browseButton_->setGeometry(8 + 201 - 23, 52, 23, 23);
    browseButton_->setFocusPolicy(Qt::NoFocus);

    dayLabel_ = MakeLabel(stepsArea_, QStringLiteral("2、您要分析哪天的日志："));
    dayLabel_->setFont(stepFont);
    dayLabel_->setGeometry(8, 89, 163, 16);
    // Beside the label, in the room its text leaves.
    newestFirstButton_ = new QToolButton(stepsArea_);
    newestFirstButton_->setText(QStringLiteral("倒序"));
    newestFirstButton_->setToolTip(QStringLiteral("最新的日期排在最前"));
    newestFirstButton_->setCheckable(true);
    newestFirstButton_->setProperty(kRememberedProperty, true);
    newestFirstButton_->setObjectName(QStringLiteral("newestFirstButton"));
    newestFirstButton_->setGeometry(173, 86, 36, 22);
    connect(newestFirstButton_, &QToolButton::toggled, this, [this] { showDays(days_); });

    dayList_ = new HintedListWidget(stepsArea_);
    dayList_->setSelectionMode(QAbstractItemView::SingleSelection);
    dayList_->setGeometry(8, 112, 201, 153);

    serviceLabel_ = MakeLabel(stepsArea_, QStringLiteral("3、您要分析哪些服务的日志："));
    serviceLabel_->setFont(stepFont);
    serviceLabel_->setGeometry(8, 279, 201, 16);

    serviceList_ = MakeReportList(stepsArea_, {{QStringLiteral("服务名称"), 163}});
    serviceList_->setGeometry(8, 305, 201, 192);

    followBox_ = new QCheckBox(QStringLiteral("实时跟踪"), stepsArea_);
    followBox_->setToolTip(QStringLiteral("分析完成后继续跟踪这些日志文件新写入的行"));
    // Beside the start button; the check catalogues button sits in the free band above
    // step 1, so that the steps keep their places and sizes.
    followBox_->setGeometry(50, 503, 78, 27);

    startButton_ = new QPushButton(QStringLiteral("开始分析"), stepsArea_);
    startButton_->setFont(stepFont);
    startButton_->setGeometry(131, 503, 81, 27);
    checkCataloguesButton_ = new QPushButton(QStringLiteral("检查目录"), stepsArea_);
    checkCataloguesButton_->setToolTip(
        QStringLiteral("检查 ServiceList.ini 和 ErrorList.ini 中会被忽略或不起作用的条目"));
    checkCataloguesButton_->setGeometry(131, 2, 81, 22);
    moreButton_ = new QToolButton(stepsArea_);
    moreButton_->setObjectName(QStringLiteral("moreButton"));
    moreButton_->setText(QStringLiteral("更多"));
    moreButton_->setPopupMode(QToolButton::InstantPopup);
    moreButton_->setMenu(new QMenu(moreButton_));
    moreButton_->setGeometry(66, 2, 61, 22);

    progressBar_ = new QProgressBar(this);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setFixedHeight(19);
    panelLayout->addWidget(progressBar_);

    // A day's first file appearing adds the day while the window is open.
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { refreshDays(); });
}

std::vector<std::pair<QObject*, const char*>> StepsPanel::designNames() {
    return {
        {this, design::kStepsPanel},
        {stepsArea_, design::kStepsArea},
        {directoryLabel_, design::kDirectoryLabel},
        {directoryEdit_, design::kDirectoryEdit},
        {browseButton_, design::kBrowseButton},
        {dayLabel_, design::kDayLabel},
        {dayList_, design::kDayList},
        {serviceLabel_, design::kServiceLabel},
        {serviceList_, design::kServiceList},
        {startButton_, design::kStartButton},
        {followBox_, design::kFollowBox},
        {checkCataloguesButton_, design::kCheckCataloguesButton},
        {progressBar_, design::kProgressBar},
    };
}

void StepsPanel::listDays() {
    dayList_->clear();
    const QString directory = directoryEdit_->text();
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    if (QFileInfo(directory).isDir()) watcher_->addPath(directory);
    days_ = ListLogDayEntries(ToStdString(QFile::encodeName(directory)));
    showDays(days_);
    dayList_->setEmptyHint(days_.empty() ? NoDaysHint(directory) : QString());
}

void StepsPanel::showDays(std::vector<LogDay> days) {
    if (newestFirstButton_->isChecked())
        std::stable_sort(days.begin(), days.end(),
                         [](const LogDay& a, const LogDay& b) { return a.day > b.day; });
    const std::string chosen = chosenDay();
    bool chosenKept = chosen.empty();
    {
        // The same day chosen again is no new choice: following goes on.
        const QSignalBlocker quiet(dayList_);
        dayList_->clear();
        for (const LogDay& day : days) {
            auto* item = new QListWidgetItem(FromGbkLine(day.day));
            item->setData(kRoleDay, ToByteArray(day.day));
            if (day.compressed) {
                QFont font = item->font();
                font.setItalic(true);
                item->setFont(font);
                item->setToolTip(QStringLiteral("该日的日志已压缩（.log.gz）"));
                item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("已压缩"));
            }
            dayList_->addItem(item);
            if (!chosen.empty() && day.day == chosen) {
                dayList_->setCurrentItem(item);
                chosenKept = true;
            }
        }
    }
    if (!chosenKept) emit dayList_->itemSelectionChanged();
}

void StepsPanel::refreshDays() {
    const QString directory = directoryEdit_->text();
    std::vector<LogDay> days = ListLogDayEntries(ToStdString(QFile::encodeName(directory)));
    const auto same = [](const LogDay& a, const LogDay& b) {
        return a.day == b.day && a.compressed == b.compressed;
    };
    if (std::equal(days.begin(), days.end(), days_.begin(), days_.end(), same)) return;
    days_ = std::move(days);
    showDays(days_);
    dayList_->setEmptyHint(days_.empty() ? NoDaysHint(directory) : QString());
    // A directory removed and made again is watched again.
    if (watcher_->directories().isEmpty() && QFileInfo(directory).isDir())
        watcher_->addPath(directory);
}

void StepsPanel::chooseDirectory(WindowDialogs& dialogs) {
    const QString current = directoryEdit_->text();
    const QFileInfo info(current);
    const QString start = !current.isEmpty() && info.isDir() ? current : QDir::rootPath();
    const std::optional<QString> chosen =
        dialogs.ChooseDirectory(QStringLiteral("请选择Corvane安装目录"), start);
    if (chosen) directoryEdit_->setText(*chosen);
}

void StepsPanel::showServices(const std::vector<ServiceEntry>& services) {
    serviceList_->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(services.size()));
    for (const ServiceEntry& service : services) {
        auto* row = new QTreeWidgetItem();
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(0, service.checked ? Qt::Checked : Qt::Unchecked);
        row->setText(0, FromGbkLine(service.caption));
        row->setData(0, kRoleCaption, ToByteArray(service.caption));
        row->setData(0, kRoleSubdir, ToByteArray(service.logSubdir));
        row->setData(0, kRolePrefix, ToByteArray(service.logPrefix));
        row->setData(0, kRoleCode, ToByteArray(service.code));
        rows.append(row);
    }
    serviceList_->addTopLevelItems(rows);
}

std::string StepsPanel::chosenDay() const {
    for (int i = 0; i < dayList_->count(); ++i) {
        if (dayList_->item(i)->isSelected())
            return ToStdString(dayList_->item(i)->data(kRoleDay).toByteArray());
    }
    return {};
}

void StepsPanel::chooseDay(const QByteArray& day) {
    for (int i = 0; i < dayList_->count(); ++i) {
        if (dayList_->item(i)->data(kRoleDay).toByteArray() == day) {
            dayList_->setCurrentRow(i);
            return;
        }
    }
}

int StepsPanel::serviceRowCount() const { return serviceList_->topLevelItemCount(); }

bool StepsPanel::serviceRowChecked(int row) const {
    const QTreeWidgetItem* item = serviceList_->topLevelItem(row);
    return item && item->checkState(0) == Qt::Checked;
}

ServiceEntry StepsPanel::serviceRow(int row) const {
    ServiceEntry entry;
    const QTreeWidgetItem* item = serviceList_->topLevelItem(row);
    if (!item) throw std::out_of_range("List index out of bounds");
    entry.caption = ToStdString(item->data(0, kRoleCaption).toByteArray());
    entry.logSubdir = ToStdString(item->data(0, kRoleSubdir).toByteArray());
    entry.logPrefix = ToStdString(item->data(0, kRolePrefix).toByteArray());
    entry.code = ToStdString(item->data(0, kRoleCode).toByteArray());
    entry.checked = item->checkState(0) == Qt::Checked;
    return entry;
}

std::string StepsPanel::directoryText() const {
    return ToStdString(QFile::encodeName(directoryEdit_->text()));
}

}  // namespace corvane::app
