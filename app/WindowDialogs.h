// The message boxes and the folder dialog of the window, behind one interface so
// that tests can answer them without a modal loop.
#pragma once

#include <optional>
#include <string_view>

#include <QString>

#include "scan/Host.h"

class QDialog;
class QWidget;

namespace corvane::app {

// The application title: task bar name and caption of every message box.
QString ApplicationTitle();

// The text of the error box for an error message: a "." is added when the last
// character orders after ".", as the toolkit's own error box does.
QString ErrorBoxText(const QString& message);

class WindowDialogs : public UserDialogs {
public:
    // The error box: the text as given, the application title as caption.
    virtual void ShowError(const QString& text) = 0;
    // The system's folder dialog.  Returns the chosen folder, or nothing when cancelled.
    virtual std::optional<QString> ChooseDirectory(const QString& prompt, const QString& start) = 0;
    // Runs a modal dialog of the window until it is closed.
    virtual void ShowDialog(QDialog& dialog) = 0;
    // The system's save dialog.  Returns the chosen file, or nothing when cancelled.
    virtual std::optional<QString> ChooseSaveFile(const QString& caption, const QString& name,
                                                  const QString& filter) = 0;
};

// Real modal boxes, parented to `parent` (may be null).
class QtWindowDialogs final : public WindowDialogs {
public:
    explicit QtWindowDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void ShowMessage(std::string_view text) override;
    bool AskYesNo(std::string_view caption, std::string_view text) override;
    void ShowError(const QString& text) override;
    std::optional<QString> ChooseDirectory(const QString& prompt, const QString& start) override;
    void ShowDialog(QDialog& dialog) override;
    std::optional<QString> ChooseSaveFile(const QString& caption, const QString& name,
                                          const QString& filter) override;

private:
    QWidget* parent_;
};

// Shows an exception's message (GBK bytes) in the error box of `dialogs`.
void ReportError(WindowDialogs& dialogs, std::string_view what);

// Runs `body` and shows any exception that escapes it in the error box, so that an
// error ends only the handler it happened in and the program goes on.
template <typename Body>
void RunReportingErrors(WindowDialogs& dialogs, Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ReportError(dialogs, e.what());
    } catch (...) {
        ReportError(dialogs, "Unknown error");
    }
}

}  // namespace corvane::app
