#include "PatternsTab.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DesignNames.h"
#include "GbkDisplay.h"
#include "SharedHistory.h"
#include "WindowDialogs.h"
#include "catalog/CatalogueDraft.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "history/HistoryMarks.h"
#include "history/HistoryStore.h"
#include "patterns/DraftKeyword.h"
#include "patterns/FindingLines.h"
#include "patterns/PatternListing.h"
#include "patterns/PatternMiner.h"

namespace corvane::app {
namespace {

// Lines of a pattern shown when it is selected.
constexpr std::size_t kSampleLines = 20;

QString PatternsCaption(const QString& count) { return QStringLiteral("错误归类[%1]").arg(count); }

// The patterns of a service's unknown findings, ranked, with their lines and samples;
// nothing once `stop` is requested.
std::optional<std::vector<PatternsTab::Pattern>> GroupPatterns(const ServicePass& service,
                                                               SharedHistory* history,
                                                               const StopToken& stop) {
    std::optional<PatternListing> mined =
        MineUnknownFindingPatterns(service.findings, nullptr, stop);
    if (!mined) return std::nullopt;
    PatternListing& listing = *mined;
    std::vector<PatternGroup>& ranked = listing.groups;
    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(ranked, otherRank);

    std::vector<PatternsTab::Pattern> patterns(ranked.size());
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        patterns[i].text = std::move(ranked[i].text);
        patterns[i].constants = std::move(ranked[i].constants);
        patterns[i].other = ranked[i].other;
    }
    for (const GroupedLine& line : listing.lines) {
        const std::uint32_t rank =
            line.group == PatternMiner::kOtherGroup ? otherRank : ranks[line.group];
        if (rank == 0 || rank > patterns.size()) continue;
        PatternsTab::Pattern& pattern = patterns[rank - 1];
        pattern.lines.push_back(line.line);
        if (pattern.samples.size() < kSampleLines)
            pattern.samples.emplace_back(
                OwnLine(service.findings[line.finding].text, service.findings[line.finding].place));
    }
    if (stop.stop_requested()) return std::nullopt;

    // "新" and "突增" beside the patterns that are new or rising on the run's day.
    if (history) {
        const ServicePass& pass = service;
        const std::vector<Mark> marks = history->With([&](HistoryStore& store) {
            const std::vector<RecordedDay> series =
                store.Days(NormaliseDirectory(pass.directory), pass.serviceCode, true);
            return PatternMarks(series, DayIndex(series, pass.day));
        });
        for (PatternsTab::Pattern& pattern : patterns) {
            for (const Mark& mark : marks) {
                if (mark.key == pattern.text)
                    pattern.mark = mark.kind == MarkKind::New ? gbk::kMarkNew : gbk::kMarkSpike;
            }
        }
    }
    return patterns;
}

}  // namespace

PatternsTab::PatternsTab(QTabWidget* tabs, std::string programDir, WindowDialogs& dialogs,
                         QObject* parent)
    : QObject(parent),
      programDir_(std::move(programDir)),
      tabs_(tabs),
      grouping_([&dialogs](const std::string& what) { ReportError(dialogs, what); }),
      drafting_([&dialogs](const std::string& what) { ReportError(dialogs, what); }) {
    tab_ = new QWidget();
    auto* layout = new QVBoxLayout(tab_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, tab_);
    list_ = new QTreeWidget(splitter);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels(
        {QStringLiteral("行数"), QStringLiteral("变化"), QStringLiteral("模式（<*> 为可变部分）")});
    list_->setColumnWidth(0, 70);
    list_->setColumnWidth(1, 40);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    linesText_ = new QPlainTextEdit(lower);
    linesText_->setReadOnly(true);
    linesText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* draftColumn = new QVBoxLayout();
    draftButton_ = new QPushButton(FromGbkLine(gbk::kButtonDraftEntry), lower);
    draftButton_->setToolTip(
        QStringLiteral("为所选模式生成一段 ErrorList.ini 条目，复制后交给目录维护人员"));
    draftText_ = new QPlainTextEdit(lower);
    draftText_->setReadOnly(true);
    draftText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    draftColumn->addWidget(draftButton_);
    draftColumn->addWidget(draftText_, 1);
    lowerLayout->addWidget(linesText_, 1);
    lowerLayout->addLayout(draftColumn, 1);
    splitter->addWidget(list_);
    splitter->addWidget(lower);
    layout->addWidget(splitter);
    tabs_->addTab(tab_, PatternsCaption(QStringLiteral("0")));

    tab_->setObjectName(QLatin1String(design::kPatternsTab));
    list_->setObjectName(QLatin1String(design::kPatternList));
    linesText_->setObjectName(QLatin1String(design::kPatternLinesText));
    draftButton_->setObjectName(QLatin1String(design::kDraftButton));
    draftText_->setObjectName(QLatin1String(design::kDraftText));

    connect(tabs_, &QTabWidget::currentChanged, this, [this] { groupIfShown(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { showSelectedPattern(); });
    connect(draftButton_, &QPushButton::clicked, this, [this] { draftEntry(); });
}

PatternsTab::~PatternsTab() { cancel(); }

void PatternsTab::setSources(const ErrorCatalogue* catalogue, SharedHistory* history) {
    catalogue_ = catalogue;
    history_ = history;
}

void PatternsTab::cancel() {
    grouping_.cancel();
    drafting_.cancel();
}

void PatternsTab::setCaption(const QString& count) {
    tabs_->setTabText(tabs_->indexOf(tab_), PatternsCaption(count));
}

void PatternsTab::clear(bool emptyService) {
    cancel();
    service_.reset();
    patterns_.clear();
    list_->clear();
    linesText_->clear();
    draftText_->clear();
    setCaption(emptyService ? QStringLiteral("0") : QStringLiteral("…"));
    grouped_ = emptyService;
}

void PatternsTab::setService(std::shared_ptr<const ServicePass> service) {
    clear(false);
    service_ = std::move(service);
    groupIfShown();
}

void PatternsTab::groupIfShown() {
    if (tabs_->currentWidget() != tab_ || grouped_ || !service_) return;
    grouped_ = true;
    grouping_.start<std::vector<Pattern>>(
        [service = service_, history = history_](const StopToken& stop) {
            return GroupPatterns(*service, history, stop);
        },
        [this](std::vector<Pattern>& patterns) { showPatterns(patterns); });
}

void PatternsTab::showPatterns(std::vector<Pattern>& patterns) {
    patterns_ = std::move(patterns);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const Pattern& pattern : patterns_) {
        auto* item = new QTreeWidgetItem();
        item->setText(0, QString::number(pattern.lines.size()));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        if (!pattern.mark.empty()) item->setText(1, FromGbkLine(pattern.mark));
        item->setText(2, FromGbkLine(pattern.text));
        items.append(item);
    }
    list_->addTopLevelItems(items);
    setCaption(QString::number(patterns_.size()));
}

void PatternsTab::showSelectedPattern() {
    drafting_.cancel();
    draftText_->clear();
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return;
    const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(selected.first()));
    if (index >= patterns_.size()) return;
    QStringList lines;
    for (const std::string& sample : patterns_[index].samples) lines << FromGbkLine(sample);
    linesText_->setPlainText(lines.join(QLatin1Char('\n')));
}

void PatternsTab::draftEntry() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || !service_ || !catalogue_) return;
    const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(selected.first()));
    if (index >= patterns_.size() || patterns_[index].other) return;
    drafting_.start<std::string>(
        [pattern = patterns_[index], service = service_, catalogue = catalogue_,
         programDir = programDir_](const StopToken& stop) -> std::optional<std::string> {
            const ServicePass& pass = *service;
            // One more pass over the file: the keyword must be in no other line the scan
            // does not ignore.
            const KeywordPass keyword =
                ChoosePatternKeyword(pattern.constants, pass.logFile, pattern.lines,
                                     ReadIgnoreList(programDir, pass.serviceCode), nullptr, stop);
            if (keyword.stopped) return std::nullopt;
            return DraftCatalogueEntry(*catalogue, ReadErrorListKeys(programDir), pass.serviceCode,
                                       keyword.keyword)
                .text;
        },
        [this](std::string& text) { draftText_->setPlainText(FromGbkText(text)); });
}

}  // namespace corvane::app
