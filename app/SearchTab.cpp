#include "SearchTab.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <atomic>
#include <chrono>
#include <exception>
#include <optional>

#include "DesignNames.h"
#include "GbkDisplay.h"
#include "search/DaySearch.h"

namespace corvane::app {
namespace {

// Rows per queued call: a call adds them to the list in a few milliseconds.
constexpr std::size_t kRowsPerCall = 500;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The line's time of day: the first "hh:mm:ss" (with its ".fff" when there is one)
// among its first bytes; empty when there is none.
QString LineTime(std::string_view line) {
    const std::size_t limit = std::min<std::size_t>(line.size(), 64);
    for (std::size_t i = 0; i + 8 <= limit; ++i) {
        const std::string_view t = line.substr(i, 8);
        if (IsDigit(t[0]) && IsDigit(t[1]) && t[2] == ':' && IsDigit(t[3]) && IsDigit(t[4]) &&
            t[5] == ':' && IsDigit(t[6]) && IsDigit(t[7])) {
            std::size_t end = i + 8;
            if (end + 1 < line.size() && line[end] == '.' && IsDigit(line[end + 1])) {
                ++end;
                while (end < line.size() && end < i + 15 && IsDigit(line[end])) ++end;
            }
            return QString::fromLatin1(line.data() + i, static_cast<qsizetype>(end - i));
        }
    }
    return QString();
}

// Turns what the search finds into rows on the search's thread and posts them to the
// tab; past kShownMax rows only the count goes on.
class PostedMatches final : public DayMatchSink {
public:
    using Post = std::function<void(std::vector<SearchTab::Row>&, long long found)>;
    explicit PostedMatches(Post post) : post_(std::move(post)) {}

    bool Take(const ServiceEntry& service, const SearchedFile& file, MatchBatch& batch) override {
        if (!file_ || file_->path != file.path) {
            auto place = std::make_shared<SearchPlace>();
            place->path = file.path;
            place->stamp = file.stamp;
            file_ = std::move(place);
            service_ = FromGbkLine(service.code);
        }
        for (const LineMatch& match : batch.Lines()) {
            ++found_;
            if (shown_ >= SearchTab::kShownMax) continue;
            ++shown_;
            SearchTab::Row row;
            row.service = service_;
            row.number = match.number;
            row.time = LineTime(match.text);
            row.text = FromGbkLine(match.text);
            row.file = file_;
            row.offset = match.offset;
            row.line.assign(match.text);
            rows_.push_back(std::move(row));
            if (rows_.size() >= kRowsPerCall) Flush();
        }
        const auto now = std::chrono::steady_clock::now();
        if (!rows_.empty() || now - posted_ > std::chrono::milliseconds(100)) Flush();
        return true;
    }

    void Failed(const ServiceEntry&, const std::string& message) override {
        problems_ += FromGbkLine(message);
        problems_ += QLatin1Char(' ');
    }

    void Flush() {
        post_(rows_, found_);
        rows_.clear();
        posted_ = std::chrono::steady_clock::now();
    }
    long long Found() const { return found_; }
    const QString& Problems() const { return problems_; }

private:
    Post post_;
    std::shared_ptr<const SearchPlace> file_;
    QString service_;
    std::vector<SearchTab::Row> rows_;
    long long found_ = 0;
    int shown_ = 0;
    QString problems_;
    std::chrono::steady_clock::time_point posted_;
};

}  // namespace

SearchTab::SearchTab(QTabWidget* tabs, std::function<SearchScope()> scope,
                     std::function<void(const SearchPlace&)> open, QObject* parent)
    : QObject(parent), scope_(std::move(scope)), open_(std::move(open)), tabs_(tabs) {
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
    list_ = new QTreeWidget(tab_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("服务"), QStringLiteral("行号"), QStringLiteral("时间"),
                            QStringLiteral("日志行")});
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
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openRow(item); });
}

// The controls may be gone by now: only the thread is stopped.
SearchTab::~SearchTab() { stopWork(); }

void SearchTab::setStatus(const QString& text) { status_->setText(text); }

void SearchTab::stopWork() {
    ++serial_;
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    finished_ = true;
}

void SearchTab::cancel() {
    stopWork();
    stopButton_->setEnabled(false);
}

void SearchTab::start() {
    cancel();
    rows_.clear();
    list_->clear();
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
    const unsigned serial = serial_;
    finished_ = false;
    stopButton_->setEnabled(true);
    setStatus(QStringLiteral("正在搜索..."));
    thread_ = std::jthread([this, serial, search, scope = std::move(scope)](StopToken stop) {
        // At most two calls wait for the window at a time: a search that finds lines
        // faster than the list takes them would otherwise queue hundreds of calls, which
        // the window's thread would then serve in one go, holding everything else up.
        auto waiting = std::make_shared<std::atomic<int>>(0);
        PostedMatches posted(
            [this, serial, waiting, &stop](std::vector<Row>& rows, long long found) {
                while (waiting->load() >= 2 && !stop.stop_requested())
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                ++*waiting;
                QMetaObject::invokeMethod(
                    this,
                    [this, serial, waiting, rows = std::move(rows), found]() mutable {
                        --*waiting;
                        show(serial, rows, found);
                    },
                    Qt::QueuedConnection);
            });
        QString status;
        try {
            SearchOptions options;
            options.threads = std::max(1u, std::thread::hardware_concurrency());
            const SearchOutcome outcome = SearchDay(scope.services, scope.directory, scope.day,
                                                    *search, posted, stop, options);
            posted.Flush();
            status = outcome == SearchOutcome::Stopped ? QStringLiteral("已停止：%1 行")
                                                       : QStringLiteral("共 %1 行");
            status = status.arg(posted.Found());
            if (posted.Found() > kShownMax)
                status += QStringLiteral("（列出前 %1 行）").arg(kShownMax);
            if (!posted.Problems().isEmpty()) status += QStringLiteral("；") + posted.Problems();
        } catch (const std::exception& e) {
            status = FromGbkLine(std::string_view(e.what()));
        }
        QMetaObject::invokeMethod(
            this, [this, serial, status] { finish(serial, status); }, Qt::QueuedConnection);
    });
}

void SearchTab::show(unsigned serial, std::vector<Row>& rows, long long found) {
    if (serial != serial_) return;
    count_ = found;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (Row& row : rows) {
        auto* item = new QTreeWidgetItem();
        item->setText(0, row.service);
        item->setText(1, QString::number(row.number));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(2, row.time);
        item->setText(3, row.text);
        items.append(item);
        rows_.push_back(std::move(row));
    }
    list_->addTopLevelItems(items);
    setStatus(QStringLiteral("正在搜索：%1 行").arg(count_));
}

void SearchTab::finish(unsigned serial, const QString& status) {
    if (serial != serial_) return;
    finished_ = true;
    stopButton_->setEnabled(false);
    setStatus(status);
}

void SearchTab::openRow(QTreeWidgetItem* item) {
    const int index = list_->indexOfTopLevelItem(item);
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return;
    const Row& row = rows_[static_cast<std::size_t>(index)];
    SearchPlace place = *row.file;
    place.place = {row.number, row.offset, static_cast<std::int64_t>(row.line.size())};
    place.line = row.line;
    open_(place);
}

}  // namespace corvane::app
