#include "PatternsTab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    splitter->setObjectName(QStringLiteral("patternsSplitter"));
    list_ = new QTreeWidget(splitter);
    list_->setRootIsDecorated(false);
    // Patterns whose entries must go in one after the other are drafted together.
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    draftButton_->setEnabled(false);
    draftText_ = new QPlainTextEdit(lower);
    draftText_->setReadOnly(true);
    draftText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The draft's own texts, typed by its keeper before it goes in.
    auto* fields = new QFormLayout();
    nameEdit_ = new QLineEdit(lower);
    keywordEdit_ = new QLineEdit(lower);
    keywordEdit_->setToolTip(
        QStringLiteral("日志关键字必须出现在该模式的每一行，且不出现在其他未归属的行"));
    memoEdit_ = new QPlainTextEdit(lower);
    memoEdit_->setToolTip(QStringLiteral("每行一条说明"));
    memoEdit_->setMaximumHeight(memoEdit_->fontMetrics().lineSpacing() * 4 + 12);
    draftProblem_ = new QLabel(lower);
    draftProblem_->setWordWrap(true);
    // Several patterns selected give an entry each: the fields edit the one chosen here.
    draftChoice_ = new QComboBox(lower);
    draftChoice_->setVisible(false);
    fields->addRow(QStringLiteral("错误名称"), nameEdit_);
    fields->addRow(QStringLiteral("日志关键字"), keywordEdit_);
    fields->addRow(QStringLiteral("错误说明"), memoEdit_);
    auto* draftButtons = new QHBoxLayout();
    draftButtons->addWidget(draftButton_);
    draftButtons->addWidget(addButton_);
    draftColumn->addLayout(draftButtons);
    draftColumn->addWidget(draftChoice_);
    draftColumn->addLayout(fields);
    draftColumn->addWidget(draftProblem_);
    draftColumn->addWidget(draftText_, 1);
    for (QWidget* field : {static_cast<QWidget*>(nameEdit_), static_cast<QWidget*>(keywordEdit_),
                           static_cast<QWidget*>(memoEdit_)})
        field->setEnabled(false);
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
    nameEdit_->setObjectName(QStringLiteral("draftNameEdit"));
    keywordEdit_->setObjectName(QStringLiteral("draftKeywordEdit"));
    memoEdit_->setObjectName(QStringLiteral("draftMemoEdit"));
    draftProblem_->setObjectName(QStringLiteral("draftProblemLabel"));
    draftChoice_->setObjectName(QStringLiteral("draftChoice"));
    connect(draftChoice_, &QComboBox::currentIndexChanged, this,
            [this](int index) { showDraftFields(index); });

    connect(tabs_, &QTabWidget::currentChanged, this, [this] { groupIfShown(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { showSelectedPattern(); });
    connect(draftButton_, &QPushButton::clicked, this, [this] { draftEntry(); });
    connect(addButton_, &QPushButton::clicked, this, [this] { addDraft(); });
    for (QLineEdit* edit : {nameEdit_, keywordEdit_})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!drafts_.empty()) showEditedDraft();
        });
    connect(memoEdit_, &QPlainTextEdit::textChanged, this, [this] {
        if (!drafts_.empty()) showEditedDraft();
    });
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
    enableDraftButton();
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
    enableDraftButton();
    if (regroup_) {
        regroup_ = false;
        grouped_ = false;
        groupIfShown();
    }
}

// A draft is made for selected patterns only; the lines beyond the cap have none.
void PatternsTab::enableDraftButton() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    bool draftable = !selected.isEmpty();
    for (QTreeWidgetItem* item : selected) {
        const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
        draftable = draftable && index < patterns_.size() && !patterns_[index].other;
    }
    draftButton_->setEnabled(draftable);
}

void PatternsTab::showSelectedPattern() {
    drafting_.cancel();
    clearDraft();
    enableDraftButton();
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return;
    const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(selected.first()));
    if (index >= patterns_.size()) return;
    QStringList lines;
    for (const std::string& sample : patterns_[index].samples) lines << FromGbkLine(sample);
    linesText_->setPlainText(lines.join(QLatin1Char('\n')));
}

void PatternsTab::clearDraft() {
    drafts_.clear();
    draftService_.reset();
    shownDraft_ = 0;
    addButton_->setEnabled(false);
    draftText_->clear();
    draftProblem_->clear();
    {
        const QSignalBlocker quiet(draftChoice_);
        draftChoice_->clear();
    }
    draftChoice_->setVisible(false);
    setFieldsEnabled(false);
    for (QLineEdit* edit : {nameEdit_, keywordEdit_}) {
        const QSignalBlocker quiet(edit);
        edit->clear();
    }
    const QSignalBlocker quiet(memoEdit_);
    memoEdit_->clear();
}

void PatternsTab::setFieldsEnabled(bool enabled) {
    for (QWidget* field : {static_cast<QWidget*>(nameEdit_), static_cast<QWidget*>(keywordEdit_),
                           static_cast<QWidget*>(memoEdit_)})
        field->setEnabled(enabled);
}

namespace {

// The GBK bytes of a typed text, or nothing when a character of it has none.
std::optional<std::string> TypedGbk(const QString& text) {
    std::string bytes = ToGbkText(text);
    if (FromGbkLine(bytes) != text) return std::nullopt;
    return bytes;
}

QString TextFaultWords(DraftTextFault fault) {
    switch (fault) {
        case DraftTextFault::Empty:
            return QStringLiteral("不能为空");
        case DraftTextFault::LineEnd:
            return QStringLiteral("不能含换行");
        case DraftTextFault::ZeroByte:
            return QStringLiteral("不能含空字符");
        case DraftTextFault::Blank:
            return QStringLiteral("首尾不能是空格或制表符（读取时会被去掉）");
        case DraftTextFault::Quoted:
            return QStringLiteral("不能整体加引号（读取时会被去掉）");
        case DraftTextFault::TooLong:
            return QStringLiteral("超过 2047 字节");
    }
    return {};
}

}  // namespace

std::optional<CatalogueDraft> PatternsTab::editedDraft(QString& problem) const {
    if (drafts_.empty()) return std::nullopt;
    const CatalogueDraft& shown = drafts_[static_cast<std::size_t>(shownDraft_)].draft;
    if (shown.code.empty()) return std::nullopt;
    // Each text as the catalogue will hold it, or why it cannot be.
    const auto take = [&problem](const QString& part, const QString& typed) {
        const std::optional<std::string> bytes = TypedGbk(typed);
        if (!bytes) {
            problem = part + QStringLiteral("含有 GBK 无法表示的字符");
        } else if (const std::optional<DraftTextFault> fault = FindDraftTextFault(*bytes)) {
            problem = part + TextFaultWords(*fault);
            return std::optional<std::string>();
        }
        return bytes;
    };
    const std::optional<std::string> name = take(QStringLiteral("错误名称"), nameEdit_->text());
    if (!name) return std::nullopt;
    const std::optional<std::string> keyword =
        take(QStringLiteral("日志关键字"), keywordEdit_->text());
    if (!keyword) return std::nullopt;
    std::vector<std::string> memo;
    const QStringList lines = memoEdit_->toPlainText().split(QLatin1Char('\n'));
    if (lines.size() > static_cast<qsizetype>(kDraftMemoLinesMax)) {
        problem = QStringLiteral("错误说明最多 %1 行").arg(kDraftMemoLinesMax);
        return std::nullopt;
    }
    for (const QString& line : lines) {
        std::optional<std::string> bytes = take(QStringLiteral("错误说明的每一行"), line);
        if (!bytes) return std::nullopt;
        memo.push_back(std::move(*bytes));
    }
    CatalogueDraft draft = shown;
    EditDraft(draft, *name, std::move(memo), *keyword);
    return draft;
}

// The texts typed go into the draft shown; the text view shows every draft as it would
// be written, one after the other.
void PatternsTab::showEditedDraft() {
    if (drafts_.empty()) return;
    QString problem;
    DraftEntry& shown = drafts_[static_cast<std::size_t>(shownDraft_)];
    std::optional<CatalogueDraft> draft = editedDraft(problem);
    shown.typedOk = draft.has_value();
    if (draft) shown.draft = std::move(*draft);
    draftProblem_->setText(problem);
    showDraftTexts();
}

void PatternsTab::showDraftTexts() {
    QString text;
    bool addable = !drafts_.empty();
    for (const DraftEntry& entry : drafts_) {
        text += FromGbkText(entry.draft.text);
        addable = addable && entry.typedOk && !entry.draft.code.empty() && entry.draft.keyword;
    }
    draftText_->setPlainText(text);
    addButton_->setEnabled(addable && !adding_.pending());
}

// The fields show the texts of the draft chosen.
void PatternsTab::showDraftFields(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= drafts_.size()) return;
    shownDraft_ = index;
    const CatalogueDraft& draft = drafts_[static_cast<std::size_t>(index)].draft;
    const bool editable = !draft.code.empty() && draft.keyword.has_value();
    QStringList memo;
    for (const std::string& line : draft.memo) memo << FromGbkLine(line);
    {
        const QSignalBlocker quietName(nameEdit_), quietKeyword(keywordEdit_), quietMemo(memoEdit_);
        nameEdit_->setText(editable ? FromGbkLine(draft.name) : QString());
        keywordEdit_->setText(editable ? FromGbkLine(*draft.keyword) : QString());
        memoEdit_->setPlainText(editable ? memo.join(QLatin1Char('\n')) : QString());
    }
    setFieldsEnabled(editable);
}

namespace {

// The drafts of the patterns selected, in the order they go in, and for a single pattern
// without a keyword, the pattern whose entry must go in first.
struct Drafted {
    std::vector<CatalogueDraft> drafts;
    std::vector<std::uint32_t> ranks;
    std::uint32_t first = 0;
};

}  // namespace

void PatternsTab::draftEntry() {
    if (!service_ || !catalogue_) return;
    // The selected patterns, largest first; their ranks are their places in the list.
    std::vector<DraftPattern> chosen;
    for (QTreeWidgetItem* item : list_->selectedItems()) {
        const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
        if (index >= patterns_.size() || patterns_[index].other) return;
        chosen.push_back({static_cast<std::uint32_t>(index + 1), patterns_[index].constants,
                          patterns_[index].lines});
    }
    if (chosen.empty()) return;
    std::sort(chosen.begin(), chosen.end(),
              [](const DraftPattern& a, const DraftPattern& b) { return a.rank < b.rank; });
    // For a single pattern that cannot go in alone, the largest others, one of which
    // may have to go first (the pattern itself is passed over there).
    std::vector<DraftPattern> all;
    for (std::size_t i = 0;
         chosen.size() == 1 && i < patterns_.size() && all.size() <= kDraftFirstCandidates; ++i)
        if (!patterns_[i].other)
            all.push_back(
                {static_cast<std::uint32_t>(i + 1), patterns_[i].constants, patterns_[i].lines});
    clearDraft();
    drafting_.start<Drafted>(
        [chosen = std::move(chosen), all = std::move(all), service = service_,
         catalogue = catalogue_, programDir = programDir_,
         reserved = reserved_](const StopToken& stop) mutable -> std::optional<Drafted> {
            const ServicePass& pass = *service;
            // Read before the passes: a change from here on makes the addition refuse.
            const ErrorListFile file = ReadErrorListFile(programDir);
            // A pass over the file per pattern: a keyword must be in no other line that
            // neither an ignore text nor an earlier entry claims.
            const std::vector<std::int64_t> known = KnownFindingLines(pass.findings);
            const std::vector<std::string> ignores = ReadIgnoreList(programDir, pass.serviceCode);
            const DraftOrder order = OrderPatternDrafts(chosen, pass.logFile, known, ignores, stop);
            if (order.stopped) return std::nullopt;
            Drafted drafted;
            if (chosen.size() == 1 && !order.steps.front().keyword) {
                drafted.first =
                    PatternToDraftFirst(chosen.front(), all, pass.logFile, known, ignores, stop);
                if (stop.stop_requested()) return std::nullopt;
            }
            for (const DraftStep& step : order.steps) {
                drafted.ranks.push_back(step.rank);
                drafted.drafts.push_back(DraftCatalogueEntry(file, *catalogue, pass.serviceCode,
                                                             step.keyword, reserved));
            }
            return drafted;
        },
        [this, service = service_](Drafted& drafted) {
            draftService_ = service;
            showDrafts(drafted.drafts, drafted.ranks, drafted.first);
        });
}

void PatternsTab::showDrafts(std::vector<CatalogueDraft>& drafts,
                             const std::vector<std::uint32_t>& ranks, std::uint32_t first) {
    drafts_.clear();
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        CatalogueDraft& draft = drafts[i];
        // The code and key are the window's from now on, whether the draft is added or
        // copied.
        if (!draft.code.empty()) {
            reserved_.codes.push_back(draft.code);
            reserved_.listKeys.push_back(draft.listKey);
        }
        const std::size_t index = ranks[i] - 1;
        const std::vector<std::int64_t> lines =
            index < patterns_.size() ? patterns_[index].lines : std::vector<std::int64_t>();
        DraftEntry entry;
        entry.chosenKeyword = draft.keyword;
        entry.draft = std::move(draft);
        entry.lines = lines;
        entry.rank = ranks[i];
        drafts_.push_back(std::move(entry));
    }
    {
        const QSignalBlocker quiet(draftChoice_);
        draftChoice_->clear();
        for (const std::uint32_t rank : ranks)
            draftChoice_->addItem(QStringLiteral("第%1个模式的条目").arg(rank));
    }
    draftChoice_->setVisible(drafts_.size() > 1);
    showDraftFields(0);
    if (first != 0)
        draftProblem_->setText(
            QStringLiteral("该模式的关键字也出现在第%1个模式的行中：先加入第%1个模式的条目，"
                           "或同时选中两个模式一起加入")
                .arg(first));
    showDraftTexts();
}

namespace {

struct Addition {
    std::optional<DraftRefusal> refusal;  // nothing: added
    std::string detail;                   // the refusal's own text
    std::vector<std::string> codes;       // the codes added
    KeywordCheck keyword;                 // of a keyword typed in place of the chosen one
};

// The window's words for an addition, as GBK for the information box.
std::string AdditionMessage(const Addition& a) {
    QString text;
    if (a.keyword.fault != KeywordCheck::Fault::None) {
        text = (a.keyword.fault == KeywordCheck::Fault::MissingFromPatternLine
                    ? QStringLiteral("日志关键字不在该模式的第 %1 行中，未加入。")
                    : QStringLiteral("日志关键字也出现在第 %1 行（不属于该模式），未加入。"))
                   .arg(a.keyword.line);
    } else if (!a.refusal) {
        QStringList codes;
        for (const std::string& code : a.codes) codes << QString::fromStdString(code);
        text = QStringLiteral("已将错误代码 %1 加入 ErrorList.ini，下次启动时生效。")
                   .arg(codes.join(QStringLiteral("、")));
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
    if (drafts_.empty() || adding_.pending()) return;
    showEditedDraft();
    if (!addButton_->isEnabled()) return;
    // The keeper sees the entries that will be written before they are.
    std::string entries;
    for (const DraftEntry& entry : drafts_) entries += entry.draft.text;
    const std::string question =
        ToGbkText(QStringLiteral("将以下条目依次加入 ErrorList.ini：\n\n")) + entries;
    if (!dialogs_.AskYesNo(gbk::kButtonAddDraft, question)) return;
    addButton_->setEnabled(false);
    // The keyword checks read the log and the lock can be held by an update for a
    // while: off the window's thread.
    adding_.start<Addition>(
        [drafts = drafts_, programDir = programDir_,
         service = draftService_](const StopToken& stop) -> std::optional<Addition> {
            const ServicePass& pass = *service;
            Addition done;
            std::vector<std::int64_t> claimed = KnownFindingLines(pass.findings);
            const std::vector<std::string> ignores = ReadIgnoreList(programDir, pass.serviceCode);
            for (std::size_t i = 0; i < drafts.size(); ++i) {
                CatalogueDraft draft = drafts[i].draft;
                if (draft.keyword != drafts[i].chosenKeyword) {
                    const KeywordCheck check = CheckPatternKeyword(
                        *draft.keyword, pass.logFile, drafts[i].lines, claimed, ignores, stop);
                    if (check.stopped) return std::nullopt;
                    if (!check.Takes()) {
                        done.keyword = check;
                        return done;
                    }
                }
                // Each entry after the first goes into the catalogue as the one before
                // left it.
                if (i > 0) draft.file = ReadErrorListFile(programDir);
                DraftAddition added =
                    AddDraftToCatalogue(programDir, draft, std::chrono::seconds(30), stop);
                if (added.stopped) return std::nullopt;
                if (added.refusal) {
                    done.refusal = added.refusal;
                    done.detail = std::move(added.detail);
                    return done;
                }
                done.codes.push_back(draft.code);
                std::vector<std::int64_t> merged;
                std::merge(claimed.begin(), claimed.end(), drafts[i].lines.begin(),
                           drafts[i].lines.end(), std::back_inserter(merged));
                claimed = std::move(merged);
            }
            return done;
        },
        [this](Addition& a) {
            const bool typedKeywordRefused = a.keyword.fault != KeywordCheck::Fault::None;
            // Added or refused, these drafts are done: the next one reads the file again.
            // A keyword that takes other lines can be typed again.
            if (typedKeywordRefused && a.codes.empty()) {
                addButton_->setEnabled(true);
            } else {
                drafts_.clear();
                setFieldsEnabled(false);
            }
            dialogs_.ShowMessage(AdditionMessage(a));
        });
}

}  // namespace corvane::app
