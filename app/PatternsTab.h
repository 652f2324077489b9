// The third detail tab: the unknown errors of the shown service grouped into
// patterns, a few lines of the selected pattern, and a draft catalogue entry for it,
// which one more button adds to ErrorList.ini.
//
// The patterns are grouped when the tab is looked at, on a thread of their own (with
// the history's marks of new and rising patterns); the draft's pass over the log file
// and its addition to the catalogue too.  A new service, a new run or a close stops
// them; a new selection stops a draft.  The drafts of one window take distinct codes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "BackgroundTask.h"
#include "WindowRun.h"
#include "catalog/CatalogueDraft.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace corvane::app {

class SharedHistory;
class WindowDialogs;

class PatternsTab final : public QObject {
public:
    // Adds the tab to `tabs`.  `dialogs` shows the errors of its work.
    PatternsTab(QTabWidget* tabs, std::string programDir, WindowDialogs& dialogs,
                QObject* parent = nullptr);
    ~PatternsTab() override;

    // What the work reads besides the service: both live until cancel() at shut-down.
    void setSources(const ErrorCatalogue* catalogue, SharedHistory* history);

    // Forgets the patterns shown and stops the work on them; an empty service has
    // none ("[0]"), any other gets them when the tab is looked at ("[…]" until then).
    void clear(bool emptyService);
    // The service whose patterns the tab shows from now on.
    void setService(std::shared_ptr<const ServicePass> service);
    // The service shown got more findings or was read again (a follow): its patterns
    // are grouped again, the selected one kept, at most one grouping at a time.
    void serviceChanged(std::shared_ptr<const ServicePass> service);
    // The tab holds `pass` (the service it grouped or groups).
    bool holds(const ServicePass* pass) const { return service_.get() == pass; }
    // Stops the work on the tab's patterns and draft (a close).
    void cancel();

    // True while patterns or a draft are being worked out.
    bool working() const { return grouping_.pending() || drafting_.pending() || adding_.pending(); }

    // A pattern as shown, largest first.
    struct Pattern {
        std::string text;
        std::vector<std::string> constants;
        bool other = false;
        std::vector<std::int64_t> lines;   // line numbers, increasing
        std::vector<std::string> samples;  // the first few lines
        std::string mark;                  // the history's mark (GBK), or empty
    };

private:
    void groupIfShown();
    void showPatterns(std::vector<Pattern>& patterns);
    void showSelectedPattern();
    void draftEntry();
    void enableDraftButton();
    void showDraft(CatalogueDraft& draft);
    void addDraft();
    void clearDraft();
    // The draft shown with the name, explanation and keyword as typed, or nothing with
    // `problem` saying why they cannot go in as typed.
    std::optional<CatalogueDraft> editedDraft(QString& problem) const;
    // Shows the entry as it would be written, or why it cannot be.
    void showEditedDraft();
    void setCaption(const QString& count);

    const std::string programDir_;
    QTabWidget* tabs_;
    QWidget* tab_;
    QTreeWidget* list_;
    QPlainTextEdit* linesText_;
    QPushButton* draftButton_;
    QPushButton* addButton_;
    QPlainTextEdit* draftText_;
    WindowDialogs& dialogs_;
    const ErrorCatalogue* catalogue_ = nullptr;
    SharedHistory* history_ = nullptr;

    std::shared_ptr<const ServicePass> service_;
    bool grouped_ = true;   // the service's patterns are shown or on their way
    bool regroup_ = false;  // the service changed while its patterns were on their way
    std::vector<Pattern> patterns_;
    BackgroundTask grouping_;
    BackgroundTask drafting_;
    BackgroundTask adding_;
    std::optional<CatalogueDraft> draft_;  // the draft shown, while it can be added
    // What the draft was made from, for the check of a keyword typed in its place.
    struct DraftSource {
        std::shared_ptr<const ServicePass> service;
        std::vector<std::int64_t> patternLines;
    };
    DraftSource draftSource_;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* keywordEdit_ = nullptr;
    QPlainTextEdit* memoEdit_ = nullptr;
    QLabel* draftProblem_ = nullptr;
    DraftReservations reserved_;  // what the window's drafts have taken
};

}  // namespace corvane::app
