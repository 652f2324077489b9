// The third detail tab: the unknown errors of the shown service grouped into
// patterns, a few lines of the selected pattern, and a draft catalogue entry for it.
// The patterns are mined when the tab is looked at, after the run, in slices between
// which the window serves its events, so neither the scan nor the window waits.

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "GbkDisplay.h"
#include "MainWindow.h"
#include "RowData.h"
#include "ThrottledEventPump.h"
#include "WindowDialogs.h"
#include "catalog/CatalogueDraft.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "history/HistoryStore.h"
#include "history/RunCollector.h"
#include "patterns/DraftKeyword.h"
#include "patterns/FindingLines.h"
#include "patterns/PatternListing.h"
#include "patterns/PatternMiner.h"
#include "scan/FileLines.h"

namespace corvane::app {
namespace {

// Lines of a pattern shown when it is selected.
constexpr std::size_t kSampleLines = 20;

QString PatternsCaption(const QString& count) { return QStringLiteral("错误归类[%1]").arg(count); }

// The window's pump, stopping the mining once `stop` says, after the events, that the
// lists may be going.
class GuardedPump final : public EventPump {
public:
    GuardedPump(EventPump& inner, std::function<bool()> stop)
        : inner_(inner), stop_(std::move(stop)) {}
    void ProcessEvents() override {
        inner_.ProcessEvents();
        Check();
    }
    void ProcessEventsWhileWaiting() override {
        inner_.ProcessEventsWhileWaiting();
        Check();
    }
    StopToken Token() const { return source_.get_token(); }

private:
    void Check() {
        if (stop_()) source_.request_stop();
    }
    EventPump& inner_;
    std::function<bool()> stop_;
    StopSource source_;
};

}  // namespace

void MainWindow::buildPatternsTab() {
    patternsTab_ = new QWidget();
    auto* layout = new QVBoxLayout(patternsTab_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, patternsTab_);
    patternList_ = new QTreeWidget(splitter);
    patternList_->setRootIsDecorated(false);
    patternList_->setUniformRowHeights(true);
    patternList_->setHeaderLabels(
        {QStringLiteral("行数"), QStringLiteral("变化"), QStringLiteral("模式（<*> 为可变部分）")});
    patternList_->setColumnWidth(0, 70);
    patternList_->setColumnWidth(1, 40);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    patternLinesText_ = new QPlainTextEdit(lower);
    patternLinesText_->setReadOnly(true);
    patternLinesText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* draftColumn = new QVBoxLayout();
    draftButton_ = new QPushButton(FromGbkLine(gbk::kButtonDraftEntry), lower);
    draftButton_->setToolTip(
        QStringLiteral("为所选模式生成一段 ErrorList.ini 条目，复制后交给目录维护人员"));
    draftText_ = new QPlainTextEdit(lower);
    draftText_->setReadOnly(true);
    draftText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    draftColumn->addWidget(draftButton_);
    draftColumn->addWidget(draftText_, 1);
    lowerLayout->addWidget(patternLinesText_, 1);
    lowerLayout->addLayout(draftColumn, 1);
    splitter->addWidget(patternList_);
    splitter->addWidget(lower);
    layout->addWidget(splitter);
    detailTabs_->addTab(patternsTab_, PatternsCaption(QStringLiteral("0")));

    connect(detailTabs_, &QTabWidget::currentChanged, this, [this] { showPatterns(); });
    connect(patternList_, &QTreeWidget::itemSelectionChanged, this,
            &MainWindow::showSelectedPattern);
    connect(draftButton_, &QPushButton::clicked, this, &MainWindow::draftCatalogueEntry);
}

// Forgets the patterns shown; they are mined again when the tab is looked at.
void MainWindow::clearPatterns(bool emptyService) {
    ++patternsGeneration_;
    patterns_.clear();
    patternsRow_ = -1;
    patternList_->clear();
    patternLinesText_->clear();
    draftText_->clear();
    detailTabs_->setTabText(
        detailTabs_->indexOf(patternsTab_),
        PatternsCaption(emptyService ? QStringLiteral("0") : QStringLiteral("…")));
    if (emptyService) patternsRow_ = shownServiceRow_;
}

void MainWindow::showPatterns() {
    if (detailTabs_->currentWidget() != patternsTab_ || patternsRow_ == shownServiceRow_) return;
    handle([this] {
        const FindingList* list = shownServiceList();
        if (!list) return;
        const unsigned generation = ++patternsGeneration_;
        const unsigned fills = fillGeneration_;
        const FillScope fillScope(fillDepth_);
        GuardedPump pump(*pump_, [&] {
            return closePending_ || fills != fillGeneration_ || generation != patternsGeneration_;
        });

        std::optional<PatternListing> mined =
            MineUnknownFindingPatterns(*list, &pump, pump.Token());
        if (!mined) return;
        PatternListing& listing = *mined;
        std::vector<PatternGroup>& ranked = listing.groups;
        std::uint32_t otherRank = 0;
        const std::vector<std::uint32_t> ranks = RanksById(ranked, otherRank);

        patterns_.assign(ranked.size(), {});
        for (std::size_t i = 0; i < ranked.size(); ++i) {
            patterns_[i].text = std::move(ranked[i].text);
            patterns_[i].constants = std::move(ranked[i].constants);
            patterns_[i].other = ranked[i].other;
        }
        for (const GroupedLine& line : listing.lines) {
            const std::uint32_t rank =
                line.group == PatternMiner::kOtherGroup ? otherRank : ranks[line.group];
            if (rank == 0 || rank > patterns_.size()) continue;
            MinedPattern& pattern = patterns_[rank - 1];
            pattern.lines.push_back(line.line);
            if (pattern.samples.size() < kSampleLines)
                pattern.samples.emplace_back(
                    OwnLine((*list)[line.finding].text, (*list)[line.finding].place));
        }

        patternList_->clear();
        QList<QTreeWidgetItem*> items;
        for (const MinedPattern& pattern : patterns_) {
            auto* item = new QTreeWidgetItem();
            item->setText(0, QString::number(pattern.lines.size()));
            item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
            item->setText(2, FromGbkLine(pattern.text));
            items.append(item);
        }
        patternList_->addTopLevelItems(items);
        patternsRow_ = shownServiceRow_;
        detailTabs_->setTabText(detailTabs_->indexOf(patternsTab_),
                                PatternsCaption(QString::number(patterns_.size())));
        showPatternMarks();
    });
}

// The patterns recorded with a run in the history: mined right after the service's
// scan, with the window's events served; a close ends the mining (and the run).
std::vector<PatternCount> MainWindow::countPatterns(const FindingList& findings) {
    GuardedPump pump(*pump_, [this] { return closePending_; });
    return CountUnknownPatterns(findings, &pump, pump.Token())
        .value_or(std::vector<PatternCount>{});
}

// "新" and "突增" beside the patterns that are new or rising on the run's day.
void MainWindow::showPatternMarks() {
    const auto row = static_cast<std::size_t>(patternsRow_);
    if (!history_ || !serviceResults_ || row >= serviceResults_->size()) return;
    const ServicePass& pass = *(*serviceResults_)[row];
    const std::vector<RecordedDay> series =
        history_->Days(NormaliseDirectory(pass.directory), pass.serviceCode, true);
    const std::vector<Mark> marks = PatternMarks(series, DayIndex(series, pass.day));
    for (std::size_t i = 0; i < patterns_.size(); ++i) {
        for (const Mark& mark : marks) {
            if (mark.key != patterns_[i].text) continue;
            patternList_->topLevelItem(static_cast<int>(i))
                ->setText(
                    1, FromGbkLine(mark.kind == MarkKind::New ? gbk::kMarkNew : gbk::kMarkSpike));
        }
    }
}

void MainWindow::showSelectedPattern() {
    draftText_->clear();
    const QList<QTreeWidgetItem*> selected = patternList_->selectedItems();
    if (selected.isEmpty()) return;
    const auto index =
        static_cast<std::size_t>(patternList_->indexOfTopLevelItem(selected.first()));
    if (index >= patterns_.size()) return;
    QStringList lines;
    for (const std::string& sample : patterns_[index].samples) lines << FromGbkLine(sample);
    patternLinesText_->setPlainText(lines.join(QLatin1Char('\n')));
}

void MainWindow::draftCatalogueEntry() {
    handle([this] {
        const QList<QTreeWidgetItem*> selected = patternList_->selectedItems();
        const auto row = static_cast<std::size_t>(shownServiceRow_);
        if (selected.isEmpty() || !serviceResults_ || row >= serviceResults_->size() ||
            !errorCatalogue_)
            return;
        const auto index =
            static_cast<std::size_t>(patternList_->indexOfTopLevelItem(selected.first()));
        if (index >= patterns_.size() || patterns_[index].other) return;
        const MinedPattern& pattern = patterns_[index];
        const ServicePass& pass = *(*serviceResults_)[row];
        // One more pass over the file: the keyword must be in no other line the scan
        // does not ignore.
        const std::optional<std::string> keyword =
            ChoosePatternKeyword(pattern.constants, pass.logFile, pattern.lines,
                                 ReadIgnoreList(programDir_, pass.serviceCode))
                .keyword;
        const CatalogueDraft draft = DraftCatalogueEntry(
            *errorCatalogue_, ReadErrorListKeys(programDir_), pass.serviceCode, keyword);
        draftText_->setPlainText(FromGbkText(draft.text));
    });
}

}  // namespace corvane::app
