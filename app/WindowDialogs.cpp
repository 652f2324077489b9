#include "WindowDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <initializer_list>

#include "GbkDisplay.h"

namespace corvane::app {

QString ApplicationTitle() {
    // The window caption carries the version; boxes carry the bare title.  The
    // display name is deliberately left unset: on X11 the toolkit would append it
    // to every window caption.
    return QCoreApplication::applicationName();
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void QtWindowDialogs::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), FromGbkText(text), QMessageBox::Ok,
                    parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtWindowDialogs::AskYesNo(std::string_view caption, std::string_view text) {
    // The question has no owner window and no icon; Yes is the default answer.
    QMessageBox box(QMessageBox::NoIcon, FromGbkLine(caption), FromGbkText(text),
                    QMessageBox::Yes | QMessageBox::No, nullptr);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtWindowDialogs::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> QtWindowDialogs::ChooseDirectory(const QString& prompt,
                                                        const QString& start) {
    const QString chosen = QFileDialog::getExistingDirectory(parent_, prompt, start);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

void ReportError(WindowDialogs& dialogs, std::string_view what) {
    dialogs.ShowError(ErrorBoxText(FromGbkText(what)));
}

void QtWindowDialogs::ShowDialog(QDialog& dialog) { dialog.exec(); }

namespace {

QString CsvFilter() { return QStringLiteral("CSV 表格 (*.csv)"); }
QString HtmlFilter() { return QStringLiteral("HTML 报告 (*.html)"); }

bool EndsInAny(const QString& file, std::initializer_list<QLatin1String> extensions) {
    for (const QLatin1String extension : extensions)
        if (file.endsWith(extension, Qt::CaseInsensitive)) return true;
    return false;
}

}  // namespace

QString ExportFileFilters() { return CsvFilter() + QStringLiteral(";;") + HtmlFilter(); }

ExportTarget ExportTargetOf(const SaveChoice& choice) {
    const bool namedHtml = EndsInAny(choice.file, {QLatin1String(".html"), QLatin1String(".htm")});
    if (choice.filter != CsvFilter() && choice.filter != HtmlFilter())
        return {choice.file, namedHtml};
    ExportTarget target{choice.file, choice.filter == HtmlFilter()};
    if (!(target.html ? namedHtml : EndsInAny(choice.file, {QLatin1String(".csv")})))
        target.file += target.html ? QStringLiteral(".html") : QStringLiteral(".csv");
    return target;
}

std::optional<SaveChoice> QtWindowDialogs::ChooseSaveFile(const QString& caption,
                                                          const QString& name,
                                                          const QString& filter) {
    SaveChoice choice;
    choice.file = QFileDialog::getSaveFileName(parent_, caption, name, filter, &choice.filter);
    if (choice.file.isEmpty()) return std::nullopt;
    return choice;
}

}  // namespace corvane::app
