#include "SearchTab.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <chrono>
#include <optional>
#include <thread>

#include "DesignNames.h"
#include "GbkDisplay.h"
#include "SearchRows.h"
#include "WindowMemory.h"
#include "scan/GzipCopy.h"
#include "search/DaySearch.h"

namespace corvane::app {
namespace {

// Places per queued call: a call adds them to the list in about a millisecond.
constexpr std::size_t kPlacesPerCall = 16384;
// Calls that may wait for the window at a time: a search that finds lines faster than
// the list takes them would otherwise queue hundreds of calls, which the window's
// thread would then serve in one go, holding everything else up.
constexpr int kCallsWaiting = 2;

// Packs the places of what the search finds on the search's thread and posts them to
// the list, a file's first lines with the file.
class PostedPlaces final : public DayMatchSink {
public:
    PostedPlaces(const BackgroundTask::Poster& poster, SearchRows* rows,
                 std::function<void(long long)> counted)
        : poster_(poster), rows_(rows), counted_(std::move(counted)) {}

    bool Take(const ServiceEntry& service, const SearchedFile& file, MatchBatch& batch) override {
        if (!file_ || file_->path != file.path) {
            if (!flush()) return false;
            file_ = SearchFile{file.path, file.stamp, FromGbkLine(service.code),
                               IsCompressedLog(file.path)};
            newFile_ = true;
            if (file_->compressed) compressed_.emplace_back(files_, file.path);
            ++files_;
        }
        for (const LineMatch& match : batch.Lines()) {
            ++found_;
            places_.push_back(SearchRows::Pack(
                match.number, match.offset, static_cast<std::int64_t>(match.text.size()), aside_));
            if (places_.size() >= kPlacesPerCall && !flush()) return false;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now - posted_ > std::chrono::milliseconds(100)) return flush();
        return true;
    }

    void Failed(const ServiceEntry&, const std::string& message) override {
        problems_ += FromGbkLine(message);
        problems_ += QLatin1Char(' ');
    }

    // Posts what was found since the last call; false when the search was stopped
    // while it waited for the window.
    bool flush() {
        posted_ = std::chrono::steady_clock::now();
        if (places_.empty() && !newFile_ && found_ == reported_) return true;
        if (!poster_.waitBelow(kCallsWaiting)) return false;
        std::optional<SearchFile> file;
        if (newFile_) file = file_;
        newFile_ = false;
        reported_ = found_;
        poster_.post([rows = rows_, counted = counted_, file = std::move(file),
                      places = std::move(places_), aside = std::move(aside_), found = found_] {
            if (file) rows->addFile(*file);
            rows->append(places, aside);
            counted(found);
        });
        places_.clear();
        aside_.clear();
        return true;
    }

    // Makes the decompressed copies of the compressed files that had lines, so that
    // their rows can be read.
    void copyCompressed() {
        for (const auto& [file, path] : compressed_) {
            const int index = file;
            GzipCopy copy = DecompressedCopyOf(path, poster_.stop());
            if (!copy.error.empty()) {
                problems_ += FromGbkLine(copy.error);
                problems_ += QLatin1Char(' ');
            }
            if (!copy.file) continue;
            auto reader = std::make_shared<FileDescriptor>(std::move(copy.file));
            poster_.post(
                [rows = rows_, index, reader] { rows->setCopy(index, std::move(*reader)); });
        }
    }

    long long found() const { return found_; }
    const QString& problems() const { return problems_; }

private:
    const BackgroundTask::Poster& poster_;
    SearchRows* rows_;
    std::function<void(long long)> counted_;
    std::optional<SearchFile> file_;
    bool newFile_ = false;
    int files_ = 0;
    std::vector<std::pair<int, std::string>> compressed_;
    std::vector<PackedPlace> places_;
    std::vector<FindingPlace> aside_;
    long long found_ = 0;
    long long reported_ = 0;
    QString problems_;
    std::chrono::steady_clock::time_point posted_;
};

}  // namespace

SearchTab::SearchTab(QTabWidget* tabs, std::function<SearchScope()> scope,
                     std::function<void(const SearchPlace&)> open, QObject* parent)
    : QObject(parent),
      scope_(std::move(scope)),
      open_(std::move(open)),
      tabs_(tabs),
      task_(
          [this](const std::string& message) {
              stopButton_->setEnabled(false);
              setStatus(FromGbkLine(message));
          },
          this) {
    tab_ = new QWidget();
    auto* layout = new QVBoxLayout(tab_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout();
    patternEdit_ = new QLineEdit(tab_);
    patternEdit_->setPlaceholderText(QStringLiteral("在所选日期、所选服务的全部日志行中搜索"));
    patternEdit_->setClearButtonEnabled(true);
    regexBox_ = new QCheckBox(QStringLiteral("正则表达式"), tab_);
    caseBox_ = new QCheckBox(QStringLiteral("区分大小写"), tab_);
    startButton_ = new QPushButton(QStringLiteral("搜索"), tab_);
    stopButton_ = new QPushButton(QStringLiteral("停止"), tab_);
    stopButton_->setEnabled(false);
    bar->addWidget(patternEdit_, 1);
    bar->addWidget(regexBox_);
    bar->addWidget(caseBox_);
    bar->addWidget(startButton_);
    bar->addWidget(stopButton_);
    status_ = new QLabel(tab_);
    status_->setTextFormat(Qt::PlainText);
    // A table rather than a tree: a tree view keeps a record of every row, a table
    // only the rows' heights, and the list may hold millions.
    rows_ = new SearchRows(this);
    list_ = new QTableView(tab_);
    list_->setModel(rows_);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setColumnWidth(0, 60);
    list_->setColumnWidth(1, 70);
    list_->setColumnWidth(2, 90);
    layout->addLayout(bar);
    layout->addWidget(status_);
    layout->addWidget(list_, 1);
    tabs_->addTab(tab_, QStringLiteral("全文搜索"));

    tab_->setObjectName(QLatin1String(design::kSearchTab));
    patternEdit_->setObjectName(QLatin1String(design::kSearchEdit));
    regexBox_->setObjectName(QLatin1String(design::kSearchRegex));
    caseBox_->setObjectName(QLatin1String(design::kSearchCase));
    for (QCheckBox* option : {regexBox_, caseBox_}) option->setProperty(kRememberedProperty, true);
    startButton_->setObjectName(QLatin1String(design::kSearchButton));
    stopButton_->setObjectName(QLatin1String(design::kSearchStopButton));
    status_->setObjectName(QLatin1String(design::kSearchStatus));
    list_->setObjectName(QLatin1String(design::kSearchList));

    connect(startButton_, &QPushButton::clicked, this, [this] { start(); });
    connect(patternEdit_, &QLineEdit::returnPressed, this, [this] { start(); });
    connect(stopButton_, &QPushButton::clicked, this, [this] {
        const bool was = running();
        cancel();
        if (was) setStatus(QStringLiteral("已停止：%1 行").arg(count_));
    });
    connect(list_, &QTableView::activated, this,
            [this](const QModelIndex& index) { openRow(index); });
}

// The controls may be gone by now: only the thread is stopped.
SearchTab::~SearchTab() { task_.cancel(); }

void SearchTab::setStatus(const QString& text) { status_->setText(text); }

void SearchTab::cancel() {
    task_.cancel();
    stopButton_->setEnabled(false);
}

void SearchTab::start() {
    cancel();
    rows_->clear();
    count_ = 0;
    SearchQuery query;
    query.pattern = ToGbkText(patternEdit_->text());
    query.regex = regexBox_->isChecked();
    query.caseSensitive = caseBox_->isChecked();
    SearchScope scope = scope_();
    if (scope.day.empty()) {
        setStatus(QStringLiteral("请先选择日期"));
        return;
    }
    std::shared_ptr<const LineSearch> search;
    try {
        search = std::make_shared<const LineSearch>(query);
    } catch (const SearchPatternError& e) {
        setStatus(QStringLiteral("表达式有误：%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    stopButton_->setEnabled(true);
    setStatus(QStringLiteral("正在搜索..."));
    const auto counted = [this](long long found) {
        count_ = found;
        setStatus(QStringLiteral("正在搜索：%1 行").arg(count_));
    };
    task_.run(
        [this, counted, search, scope = std::move(scope)](const BackgroundTask::Poster& poster) {
            PostedPlaces posted(poster, rows_, counted);
            SearchOptions options;
            options.threads = std::max(1u, std::thread::hardware_concurrency());
            SearchOutcome outcome = SearchDay(scope.services, scope.directory, scope.day, *search,
                                              posted, poster.stop(), options);
            if (!posted.flush()) outcome = SearchOutcome::Stopped;
            if (outcome != SearchOutcome::Stopped) posted.copyCompressed();
            QString status = outcome == SearchOutcome::Stopped ? QStringLiteral("已停止：%1 行")
                                                               : QStringLiteral("共 %1 行");
            status = status.arg(posted.found());
            if (!posted.problems().isEmpty()) status += QStringLiteral("；") + posted.problems();
            poster.post([this, status] { endStatus_ = status; });
        },
        [this] {
            stopButton_->setEnabled(false);
            setStatus(endStatus_);
        });
}

void SearchTab::openRow(const QModelIndex& index) {
    if (!index.isValid() || index.row() >= rows_->size()) return;
    const long long row = index.row();
    const SearchFile& file = rows_->fileOf(row);
    SearchPlace place;
    place.path = file.path;
    place.stamp = file.stamp;
    place.place = rows_->placeOf(row);
    place.line = rows_->lineOf(row);
    open_(place);
}

}  // namespace corvane::app
