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
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "GbkDisplay.h"
#include "ThrottledEventPump.h"
#include "Unit1.h"
#include "WindowDialogs.h"

namespace wintest {

// GBK bytes of a text written in this (UTF-8) source.
inline QByteArray Gbk(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

class FakeDialogs final : public corvane::app::WindowDialogs {
public:
    QStringList messages;
    QStringList questions;
    QStringList errors;
    bool answerYes = true;
    std::optional<QString> chosenDirectory;
    int directoryRequests = 0;
    QString lastPrompt;
    QString lastStart;
    std::function<void()> onMessage;

    void ShowMessage(std::string_view text) override {
        messages << corvane::app::FromGbkText(text);
        if (onMessage) onMessage();
    }
    bool AskYesNo(std::string_view caption, std::string_view text) override {
        questions << corvane::app::FromGbkLine(caption) + QLatin1Char('|') +
                         corvane::app::FromGbkText(text);
        return answerYes;
    }
    void ShowError(const QString& text) override { errors << text; }
    std::optional<QString> ChooseDirectory(const QString& prompt, const QString& start) override {
        ++directoryRequests;
        lastPrompt = prompt;
        lastStart = start;
        return chosenDirectory;
    }
};

// A program directory (ending in "/") and a log directory in one temporary tree.
class TestDirs {
public:
    // An ASCII path: the scanner's messages hold the path's bytes, which the window
    // shows as GBK.
    TestDirs() : root_(QDir::tempPath() + QStringLiteral("/corvane-window-XXXXXX")) {
        QDir(root_.path()).mkpath(QStringLiteral("program"));
        QDir(root_.path()).mkpath(QStringLiteral("logs"));
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

private:
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

// Controls of the window, found by their names.
struct Controls {
    explicit Controls(TForm1& form)
        : DirectoryEdit1(Find<QLineEdit>(form, "DirectoryEdit1")),
          DirectoryEdit1Button(Find<QPushButton>(form, "DirectoryEdit1Button")),
          ListBox1(Find<QListWidget>(form, "ListBox1")),
          ListView3(Find<QTreeWidget>(form, "ListView3")),
          Button1(Find<QPushButton>(form, "Button1")),
          ProgressBar1(Find<QProgressBar>(form, "ProgressBar1")),
          ListView1(Find<QTreeWidget>(form, "ListView1")),
          PageControl1(Find<QTabWidget>(form, "PageControl1")),
          ListView2(Find<QTreeWidget>(form, "ListView2")),
          Memo1(Find<QPlainTextEdit>(form, "Memo1")),
          Memo2(Find<QPlainTextEdit>(form, "Memo2")),
          Label5(Find<QLabel>(form, "Label5")),
          Label7(Find<QLabel>(form, "Label7")),
          Label8(Find<QLabel>(form, "Label8")),
          Button2(Find<QPushButton>(form, "Button2")),
          Button3(Find<QPushButton>(form, "Button3")) {}

    template <typename T>
    static T* Find(TForm1& form, const char* name) {
        T* control = form.findChild<T*>(QLatin1String(name));
        if (!control) qFatal("control %s is missing", name);
        return control;
    }

    QLineEdit* DirectoryEdit1;
    QPushButton* DirectoryEdit1Button;
    QListWidget* ListBox1;
    QTreeWidget* ListView3;
    QPushButton* Button1;
    QProgressBar* ProgressBar1;
    QTreeWidget* ListView1;
    QTabWidget* PageControl1;
    QTreeWidget* ListView2;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* Button2;
    QPushButton* Button3;

    QStringList ListBox1Texts() const {
        QStringList texts;
        for (int i = 0; i < ListBox1->count(); ++i) texts << ListBox1->item(i)->text();
        return texts;
    }
    // The rows of ListView1 as "name<TAB>known<TAB>unknown".
    QStringList ResultRows() const {
        QStringList rows;
        for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = ListView1->topLevelItem(i);
            rows << row->text(0) + '\t' + row->text(1) + '\t' + row->text(2);
        }
        return rows;
    }
    QStringList ListView2Rows() const {
        QStringList rows;
        for (int i = 0; i < ListView2->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = ListView2->topLevelItem(i);
            rows << row->text(0) + '|' + row->text(1) + '|' + row->text(2);
        }
        return rows;
    }
    QString KnownTab() const { return PageControl1->tabText(0); }
    QString UnknownTab() const { return PageControl1->tabText(1); }

    // Chooses the directory and the day (by text) the way the operator does.
    void ChooseDay(const QString& directory, const QString& day) const {
        DirectoryEdit1->setText(directory);
        for (int i = 0; i < ListBox1->count(); ++i)
            if (ListBox1->item(i)->text() == day) ListBox1->setCurrentRow(i);
    }

    // A row made current as the keyboard does it, without a click.
    static void SelectRow(QTreeWidget* list, int row) {
        list->setCurrentItem(list->topLevelItem(row));
    }

    // A click on a row, as the mouse gives it: selection, then the click handler.
    static void ClickRow(QTreeWidget* list, int row) {
        list->scrollToItem(list->topLevelItem(row));
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
};

}  // namespace wintest
