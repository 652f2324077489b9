#include "PatternsTab.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DesignNames.h"
#include "GbkDisplay.h"
#include "SharedHistory.h"
#include "WindowDialogs.h"
#include "base/GbkUtf8.h"
#include "catalog/CatalogueDraft.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "history/HistoryStore.h"
#include "history/PassMarks.h"
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
    std::optional<PatternListing> mined = MineUnknownFindingPatterns(service.findings, stop);
    if (!mined) return std::nullopt;
    PatternListing& listing = *mined;
    std::vector<PatternGroup>& ranked = listing.groups;
    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(ranked, otherRank);

    std::vector<PatternCount> counts;  // the day's patterns, for their marks
    for (const PatternGroup& group : ranked) counts.push_back({group.text, group.count});
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

    // "新" and "突增" beside the patterns that are new or rising on the service's day.
    if (history) {
        const DayMarker marker =
            history->With([&](HistoryStore& store) { return DayMarker(store, service, true); });
        const std::vector<Mark> marks = marker.Patterns(counts);
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
      dialogs_(dialogs),
      grouping_([&dialogs](const std::string& what) { ReportError(dialogs, what); }),
      drafting_([&dialogs](const std::string& what) { ReportError(dialogs, what); }),
      adding_([&dialogs](const std::string& what) { ReportError(dialogs, what); }) {
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
    addButton_ = new QPushButton(FromGbkLine(gbk::kButtonAddDraft), lower);
    addButton_->setToolTip(
        QStringLiteral("把生成的条目加入本程序目录的 ErrorList.ini，下次启动时生效"));
    addButton_->setEnabled(false);
    draftText_ = new QPlainTextEdit(lower);
    draftText_->setReadOnly(true);
    draftText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* draftButtons = new QHBoxLayout();
    draftButtons->addWidget(draftButton_);
    draftButtons->addWidget(addButton_);
    draftColumn->addLayout(draftButtons);
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
    addButton_->setObjectName(QLatin1String(design::kAddDraftButton));

    connect(tabs_, &QTabWidget::currentChanged, this, [this] { groupIfShown(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { showSelectedPattern(); });
    connect(draftButton_, &QPushButton::clicked, this, [this] { draftEntry(); });
    connect(addButton_, &QPushButton::clicked, this, [this] { addDraft(); });
}

PatternsTab::~PatternsTab() { cancel(); }

void PatternsTab::setSources(const ErrorCatalogue* catalogue, SharedHistory* history) {
    catalogue_ = catalogue;
    history_ = history;
}

void PatternsTab::cancel() {
    grouping_.cancel();
    drafting_.cancel();
    adding_.cancel();
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
    clearDraft();
    setCaption(emptyService ? QStringLiteral("0") : QStringLiteral("…"));
    grouped_ = emptyService;
    regroup_ = false;
}

void PatternsTab::setService(std::shared_ptr<const ServicePass> service) {
    clear(false);
    service_ = std::move(service);
    groupIfShown();
}

void PatternsTab::serviceChanged(std::shared_ptr<const ServicePass> service) {
    service_ = std::move(service);
    if (grouping_.pending()) {
        regroup_ = true;
        return;
    }
    grouped_ = false;
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
    QString selectedText;
    if (const QList<QTreeWidgetItem*> selected = list_->selectedItems(); !selected.isEmpty())
        selectedText = selected.first()->text(2);
    patterns_ = std::move(patterns);
    // A pattern selected before the service grew stays selected, its draft with it.
    const QSignalBlocker quiet(list_);
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
    if (!selectedText.isEmpty()) {
        for (QTreeWidgetItem* item : items) {
            if (item->text(2) != selectedText) continue;
            item->setSelected(true);
            list_->setCurrentItem(item);
            break;
        }
    }
    if (regroup_) {
        regroup_ = false;
        grouped_ = false;
        groupIfShown();
    }
}

void PatternsTab::showSelectedPattern() {
    drafting_.cancel();
    clearDraft();
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return;
    const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(selected.first()));
    if (index >= patterns_.size()) return;
    QStringList lines;
    for (const std::string& sample : patterns_[index].samples) lines << FromGbkLine(sample);
    linesText_->setPlainText(lines.join(QLatin1Char('\n')));
}

void PatternsTab::clearDraft() {
    draft_.reset();
    addButton_->setEnabled(false);
    draftText_->clear();
}

void PatternsTab::draftEntry() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || !service_ || !catalogue_) return;
    const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(selected.first()));
    if (index >= patterns_.size() || patterns_[index].other) return;
    clearDraft();
    drafting_.start<CatalogueDraft>(
        [pattern = patterns_[index], service = service_, catalogue = catalogue_,
         programDir = programDir_,
         reserved = reserved_](const StopToken& stop) mutable -> std::optional<CatalogueDraft> {
            const ServicePass& pass = *service;
            // Read before the pass: a change from here on makes the addition refuse.
            const ErrorListFile file = ReadErrorListFile(programDir);
            // One more pass over the file: the keyword must be in no other line that
            // neither an ignore text nor an earlier entry claims.
            const KeywordPass keyword = ChoosePatternKeyword(
                pattern.constants, pass.logFile, pattern.lines, KnownFindingLines(pass.findings),
                ReadIgnoreList(programDir, pass.serviceCode), stop);
            if (keyword.stopped) return std::nullopt;
            return DraftCatalogueEntry(file, *catalogue, pass.serviceCode, keyword.keyword,
                                       reserved);
        },
        [this](CatalogueDraft& draft) { showDraft(draft); });
}

void PatternsTab::showDraft(CatalogueDraft& draft) {
    // The code and key are the window's from now on, whether the draft is added or copied.
    if (!draft.code.empty()) {
        reserved_.codes.push_back(draft.code);
        reserved_.listKeys.push_back(draft.listKey);
    }
    draftText_->setPlainText(FromGbkText(draft.text));
    const bool addable = !draft.code.empty() && draft.keyword.has_value();
    draft_ = std::move(draft);
    addButton_->setEnabled(addable);
}

namespace {

struct Addition {
    std::optional<DraftRefusal> refusal;  // nothing: added
    std::string detail;                   // the refusal's own text
    std::string code;
};

// The window's words for an addition, as GBK for the information box.
std::string AdditionMessage(const Addition& a) {
    QString text;
    if (!a.refusal) {
        text = QStringLiteral("已将错误代码 %1 加入 ErrorList.ini，下次启动时生效。")
                   .arg(QString::fromStdString(a.code));
    } else {
        switch (*a.refusal) {
            case DraftRefusal::Changed:
                text = QStringLiteral(
                    "ErrorList.ini 在生成条目之后已被修改，未加入。请重新生成目录条目。");
                break;
            case DraftRefusal::Busy:
                text = QStringLiteral("错误目录正在更新，未加入。请稍后再试。");
                break;
            case DraftRefusal::NoKeyword:
                text = QStringLiteral("条目没有日志关键字，未加入。");
                break;
            case DraftRefusal::NoCode:
                text = QStringLiteral("错误代码100至998均已占用，未加入。");
                break;
            case DraftRefusal::TooLarge:
                text = QStringLiteral(
                    "加入后 ErrorList.ini 将超过 16 MiB 的读取上限，程序将无法读取错误目录，"
                    "未加入。");
                break;
            default:
                text = QStringLiteral("未能加入 ErrorList.ini：%1")
                           .arg(QString::fromUtf8(GbkToUtf8(a.detail)));
                break;
        }
    }
    return FromUtf8(text.toStdString(), "GBK").value_or(std::string());
}

}  // namespace

void PatternsTab::addDraft() {
    if (!draft_ || adding_.pending()) return;
    addButton_->setEnabled(false);
    // The lock can be held by an update for a while: off the window's thread.
    adding_.start<Addition>(
        [draft = *draft_,
         programDir = programDir_](const StopToken& stop) -> std::optional<Addition> {
            DraftAddition added =
                AddDraftToCatalogue(programDir, draft, std::chrono::seconds(30), stop);
            if (added.stopped) return std::nullopt;
            return Addition{added.refusal, std::move(added.detail), draft.code};
        },
        [this](Addition& a) {
            // Added or refused, this draft is done: the next one reads the file again.
            draft_.reset();
            dialogs_.ShowMessage(AdditionMessage(a));
        });
}

}  // namespace corvane::app
