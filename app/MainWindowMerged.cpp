// 各服务同时段日志 from the window: the merged view over the last run's services,
// opened at a finding, a search result, a line of the context view, or for a time
// typed.

#include "MainWindow.h"
#include "MergedView.h"
#include "ResultPages.h"
#include "SearchTab.h"
#include "timeline/FindingTimes.h"

namespace corvane::app {

void MainWindow::showFindingMerged() {
    handle([this] {
        const ServicePass* stored = pages_->shownService();
        const long long position = pages_->currentFindingPosition();
        if (!stored || position < 0 ||
            static_cast<std::size_t>(position) >= stored->findings.size())
            return;
        const Finding& finding = stored->findings[static_cast<std::size_t>(position)];
        const MergedTarget target{stored->logFile, finding.place,
                                  std::string(FindingLine(finding))};
        openMerged(&target);
    });
}

void MainWindow::showMergedLines() {
    handle([this] { openMerged(nullptr); });
}

void MainWindow::openMerged(const MergedTarget* target) {
    if (!rows_ || !errorCatalogue_) return;
    if (!mergedView_)
        mergedView_ = std::make_unique<MergedView>(
            errorCatalogue_.get(), programDir_,
            [this](const SearchPlace& place) { showSearchContext(place); }, this);
    // The services of the last run, as it read them; a view still on them keeps its rows.
    std::vector<MergedSource> sources;
    for (const ResultRow& row : *rows_)
        sources.push_back({row.stored->serviceCode, row.stored->logFile, row.stored->logStamp});
    const auto same = [](const MergedSource& a, const MergedSource& b) {
        return a.service == b.service && a.path == b.path && a.stamp == b.stamp;
    };
    if (!std::equal(sources.begin(), sources.end(), mergedView_->sources().begin(),
                    mergedView_->sources().end(), same))
        mergedView_->setSources(std::move(sources));
    if (target) mergedView_->openAt(*target);
    mergedView_->show();
    mergedView_->raise();
    mergedView_->activateWindow();
}

}  // namespace corvane::app
