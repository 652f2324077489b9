#include "WindowDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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

std::optional<QString> QtWindowDialogs::ChooseSaveFile(const QString& caption, const QString& name,
                                                       const QString& filter) {
    const QString file = QFileDialog::getSaveFileName(parent_, caption, name, filter);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

}  // namespace corvane::app
