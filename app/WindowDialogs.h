// The message boxes and the folder dialog of the window, behind one interface so
// that tests can answer them without a modal loop.
#pragma once

#include <optional>
#include <string_view>

#include <QString>

class QDialog;
class QWidget;

namespace corvane::app {

// The application title: task bar name and caption of every message box.
QString ApplicationTitle();

// The text of the error box for an error message: a "." is added when the last
// character orders after ".", as the toolkit's own error box does.
QString ErrorBoxText(const QString& message);

// The answer of the save dialog: the file as typed or picked, and the file type
// chosen in it (one of the filters given; empty where the dialog does not say).
struct SaveChoice {
    QString file;
    QString filter;
};

// The file types of the export's save dialog, CSV (the default) first.
QString ExportFileFilters();

// What an export writes: the file, and whether it gets the HTML report or the CSV.
struct ExportTarget {
    QString file;
    bool html = false;
};

// The file type chosen in the save dialog decides what is written, and a name that
// does not end in one of its extensions (.csv; .html, .htm) gets the first of them:
// the dialog adds none.  Where the dialog names no type, the name's extension decides.
ExportTarget ExportTargetOf(const SaveChoice& choice);

class WindowDialogs {
public:
    virtual ~WindowDialogs() = default;
    // The plain information box (GBK text): one OK button, the application title as
    // caption.
    virtual void ShowMessage(std::string_view text) = 0;
    // A modal question without icon, buttons Yes and No, Yes the default.  Returns
    // true only for Yes.
    virtual bool AskYesNo(std::string_view caption, std::string_view text) = 0;
    // The error box: the text as given, the application title as caption.
    virtual void ShowError(const QString& text) = 0;
    // The system's folder dialog.  Returns the chosen folder, or nothing when cancelled.
    virtual std::optional<QString> ChooseDirectory(const QString& prompt, const QString& start) = 0;
    // Runs a modal dialog of the window until it is closed.
    virtual void ShowDialog(QDialog& dialog) = 0;
    // The system's save dialog.  Returns the chosen file and type, or nothing when
    // cancelled.
    virtual std::optional<SaveChoice> ChooseSaveFile(const QString& caption, const QString& name,
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
    std::optional<SaveChoice> ChooseSaveFile(const QString& caption, const QString& name,
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
