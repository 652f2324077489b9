// Shared pieces of the window tests: dialogs that answer without a modal loop, a
// temporary program directory with GBK catalogues, and access to the controls.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "DesignNames.h"
#include "Gbk.h"
#include "GbkDisplay.h"
#include "Loopback.h"
#include "MainWindow.h"
#include "RecordingDialogs.h"
#include "WindowDialogs.h"

using corvane::app::MainWindow;
namespace design = corvane::app::design;

namespace wintest {

// GBK bytes of a text written in this (UTF-8) source.
inline QByteArray Gbk(const QString& text) {
    return QByteArray::fromStdString(corvane::testing_support::Gbk(text.toStdString()));
}

// The core's texts as the window shows them.
struct ShownTexts {
    using List = QStringList;
    static QString Caption(std::string_view gbk) { return corvane::app::FromGbkLine(gbk); }
    static QString Message(std::string_view gbk) { return corvane::app::FromGbkText(gbk); }
};

// The core's message and question recorded as shown, and the window's own boxes.
class FakeDialogs final
    : public corvane::testing_support::RecordingDialogs<corvane::app::WindowDialogs, ShownTexts> {
public:
    QStringList errors;
    std::optional<QString> chosenDirectory;
    int directoryRequests = 0;
    QString lastPrompt;
    QString lastStart;
    // Called with each modal dialog instead of running it.
    std::function<void(QDialog&)> onDialog;
    int dialogsShown = 0;

    void ShowError(const QString& text) override { errors << text; }
    std::optional<QString> ChooseDirectory(const QString& prompt, const QString& start) override {
        ++directoryRequests;
        lastPrompt = prompt;
        lastStart = start;
        return chosenDirectory;
    }
    void ShowDialog(QDialog& dialog) override {
        ++dialogsShown;
        if (onDialog) onDialog(dialog);
    }
    std::optional<QString> saveFile;  // the answer of the save dialog
    QString saveFilter;               // and the file type chosen in it
    QStringList proposedFiles;        // the names the save dialogs proposed
    std::optional<corvane::app::SaveChoice> ChooseSaveFile(const QString&, const QString& name,
                                                           const QString&) override {
        proposedFiles << name;
        if (!saveFile) return std::nullopt;
        return corvane::app::SaveChoice{*saveFile, saveFilter};
    }
};

// A program directory (ending in "/") and a log directory in one temporary tree.
// The program directory's Server.ini points at ports this object holds on
// 127.0.0.1: the catalogue update is refused at once and the report datagrams land
// in `reports`, so no test depends on name resolution or on another machine's port.
class TestDirs {
public:
    // An ASCII path: the scanner's messages hold the path's bytes, which the window
    // shows as GBK.
    TestDirs() : root_(QDir::tempPath() + QStringLiteral("/corvane-window-XXXXXX")) {
        QDir(root_.path()).mkpath(QStringLiteral("program"));
        QDir(root_.path()).mkpath(QStringLiteral("logs"));
        // The window's run history goes into this tree, never into the real home.
        qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path() + QStringLiteral("/data")));
        if (!WriteProgramFile(
                QStringLiteral("Server.ini"),
                "[SERVER]\r\nHost=127.0.0.1\r\nHttpPort=" + QByteArray::number(http_.Port()) +
                    "\r\nReportPort=" + QByteArray::number(reports.Port()) + "\r\n"))
            qFatal("cannot write Server.ini");
    }
    std::string ProgramDir() const {
        return QFile::encodeName(root_.path() + "/program/").toStdString();
    }
    QString LogDir() const { return root_.path() + QStringLiteral("/logs"); }

    bool WriteProgramFile(const QString& name, const QByteArray& bytes) const {
        return WriteFile(root_.path() + "/program/" + name, bytes);
    }
    bool WriteLog(const QString& name, const QByteArray& bytes) const {
        return WriteFile(LogDir() + "/" + name, bytes);
    }
    static bool WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }

    corvane::online_test::UdpReceiver reports;

private:
    corvane::online_test::RefusingTcpPort http_;
    QTemporaryDir root_;
};

// One service of a test catalogue: code, name, log file prefix.
struct TestService {
    QString code;
    QString name;
    QString prefix;
};

inline QByteArray ServiceListIni(const std::vector<TestService>& services) {
    QByteArray ini = "[SERVICELIST]\r\n";
    int key = 1;
    for (const TestService& s : services)
        ini += QByteArray::number(key++) + "=" + Gbk(s.code) + "\r\n";
    for (const TestService& s : services) {
        ini += "[SERVICE_" + Gbk(s.code) + "]\r\n";
        ini += Gbk(QStringLiteral("服务名称=")) + Gbk(s.name) + "\r\n";
        ini += Gbk(QStringLiteral("日志子目录=sub")) + "\r\n";
        ini += Gbk(QStringLiteral("日志文件名称前缀=")) + Gbk(s.prefix) + "\r\n";
    }
    return ini;
}

// An error catalogue of two codes of service A: 101 (连接错误, keyword KWA) and 102
// (超时, keyword KWB).
inline QByteArray TwoCodesErrorListIni() {
    return Gbk(
        QStringLiteral("[ERRORLIST]\r\n1=101\r\n2=102\r\n"
                       "[ERROR_101]\r\n所属服务代码=A\r\n错误名称=连接错误\r\n日志关键字=KWA\r\n"
                       "[ERROR_102]\r\n所属服务代码=A\r\n错误名称=超时\r\n日志关键字=KWB\r\n"));
}

// Lets every event that is queued now, or that those events queue, arrive.
inline void DrainEvents() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// Serves events until `done` holds or `timeoutMs` have passed; returns `done()`.
inline bool ServeEventsUntil(const std::function<bool()>& done, int timeoutMs = 120000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    return done();
}

// Waits for the window's run to end, then lets everything it queued arrive.
inline void WaitForRun(MainWindow& form) {
    if (!ServeEventsUntil([&] { return !form.runInProgress(); }))
        qWarning("the window's run did not end");
    DrainEvents();
}

// A start as the operator makes it, and the wait for its end.
inline void Analyse(MainWindow& form) {
    form.startAnalysis();
    WaitForRun(form);
}

// Calls `act` once, when the first row of `list` appears (the run's first service has
// been reached), on the window's thread.
inline void OnFirstRow(QTreeWidget* list, std::function<void()> act) {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                                   [connection, act = std::move(act)] {
                                       QObject::disconnect(*connection);
                                       act();
                                   });
}

// Controls of the window, found by their names.
struct Controls {
    explicit Controls(MainWindow& form)
        : directoryEdit(Find<QLineEdit>(form, corvane::app::design::kDirectoryEdit)),
          browseButton(Find<QPushButton>(form, corvane::app::design::kBrowseButton)),
          dayList(Find<QListWidget>(form, corvane::app::design::kDayList)),
          serviceList(Find<QTreeWidget>(form, corvane::app::design::kServiceList)),
          startButton(Find<QPushButton>(form, corvane::app::design::kStartButton)),
          progressBar(Find<QProgressBar>(form, corvane::app::design::kProgressBar)),
          resultList(Find<QTreeWidget>(form, corvane::app::design::kResultList)),
          detailTabs(Find<QTabWidget>(form, corvane::app::design::kDetailTabs)),
          knownErrorList(Find<QTreeView>(form, corvane::app::design::kKnownErrorList)),
          explanationText(Find<QPlainTextEdit>(form, corvane::app::design::kExplanationText)),
          unknownErrorText(Find<QPlainTextEdit>(form, corvane::app::design::kUnknownErrorText)),
          pageNumberLabel(Find<QLabel>(form, corvane::app::design::kPageNumberLabel)),
          pageSlashLabel(Find<QLabel>(form, corvane::app::design::kPageSlashLabel)),
          pageCountLabel(Find<QLabel>(form, corvane::app::design::kPageCountLabel)),
          nextPageButton(Find<QPushButton>(form, corvane::app::design::kNextPageButton)),
          previousPageButton(Find<QPushButton>(form, corvane::app::design::kPreviousPageButton)) {}

    template <typename T>
    static T* Find(MainWindow& form, const char* name) {
        T* control = form.findChild<T*>(QLatin1String(name));
        if (!control) qFatal("control %s is missing", name);
        return control;
    }

    QLineEdit* directoryEdit;
    QPushButton* browseButton;
    QListWidget* dayList;
    QTreeWidget* serviceList;
    QPushButton* startButton;
    QProgressBar* progressBar;
    QTreeWidget* resultList;
    QTabWidget* detailTabs;
    QTreeView* knownErrorList;
    QPlainTextEdit* explanationText;
    QPlainTextEdit* unknownErrorText;
    QLabel* pageNumberLabel;
    QLabel* pageSlashLabel;
    QLabel* pageCountLabel;
    QPushButton* nextPageButton;
    QPushButton* previousPageButton;

    QStringList dayListTexts() const {
        QStringList texts;
        for (int i = 0; i < dayList->count(); ++i) texts << dayList->item(i)->text();
        return texts;
    }
    // The rows of resultList as "name<TAB>known<TAB>unknown".
    QStringList ResultRows() const {
        QStringList rows;
        for (int i = 0; i < resultList->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = resultList->topLevelItem(i);
            rows << row->text(0) + '\t' + row->text(1) + '\t' + row->text(2);
        }
        return rows;
    }
    QStringList knownErrorRows() const {
        QStringList rows;
        for (int i = 0; i < RowCount(knownErrorList); ++i)
            rows << Cell(knownErrorList, i, 0) + '|' + Cell(knownErrorList, i, 1) + '|' +
                        Cell(knownErrorList, i, 2);
        return rows;
    }
    QString KnownTab() const { return detailTabs->tabText(0); }
    QString UnknownTab() const { return detailTabs->tabText(1); }

    // Chooses the directory and the day (by text) the way the operator does.
    void ChooseDay(const QString& directory, const QString& day) const {
        directoryEdit->setText(directory);
        for (int i = 0; i < dayList->count(); ++i)
            if (dayList->item(i)->text() == day) dayList->setCurrentRow(i);
    }

    // The rows of a list and the text of a cell, whether the list holds its items or
    // views a model.
    static int RowCount(const QAbstractItemView* list) { return list->model()->rowCount(); }
    static QString Cell(const QAbstractItemView* list, int row, int column) {
        return list->model()->index(row, column).data().toString();
    }

    // A row made current as the keyboard does it, without a mouse click.
    static void SelectRow(QAbstractItemView* list, int row) {
        list->setCurrentIndex(list->model()->index(row, 0));
    }

    // A click on a row, as the mouse gives it: selection, then the click handler.
    static void ClickRow(QAbstractItemView* list, int row) {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualRect(index).center());
    }
};

}  // namespace wintest
