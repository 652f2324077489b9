// The window and the metrics server: sending the outbox after a run or a follow, and
// 全部装置, what every installation sent.

#include <QToolButton>
#include <QTreeWidget>

#include "BackgroundTask.h"
#include "FleetDialog.h"
#include "GbkDisplay.h"
#include "MainWindow.h"
#include "SharedHistory.h"
#include "StepsPanel.h"
#include "WindowDialogs.h"
#include "catalog/GbkText.h"
#include "fleet/MetricsSend.h"

namespace corvane::app {

void MainWindow::sendMetrics(std::vector<MetricsDay> direct, std::vector<std::string> notices) {
    if (!metrics_) return;
    if (!metricsTask_) {
        metricsTask_ = std::make_unique<BackgroundTask>(
            [this](const std::string& failure) {
                steps_->moreButton()->setToolTip(FromGbkText(failure));
            },
            this);
    }
    SharedHistory* history = history_.get();
    const MetricsConfig config = *metrics_;
    metricsTask_->start<std::vector<std::string>>(
        [history, config, direct = std::move(direct), notices = std::move(notices)](
            const StopToken& stop) -> std::optional<std::vector<std::string>> {
            MetricsSendOutcome outcome;
            if (history == nullptr) {
                outcome = SendMetricsDays(config, nullptr, direct);
            } else {
                outcome = SendUnsentMetrics(
                    config,
                    [history](const std::function<void(HistoryStore*)>& use) {
                        history->With([&](HistoryStore& store) { use(&store); });
                    },
                    {}, stop);
            }
            std::vector<std::string> said = notices;
            said.insert(said.end(), outcome.notices.begin(), outcome.notices.end());
            return said;
        },
        [this](std::vector<std::string>& said) {
            // Never a box: the operator sees it where the fleet is reached, and it goes
            // with the next sending that the server takes.
            QStringList lines;
            for (const std::string& line : said) lines << FromGbkLine(line);
            steps_->moreButton()->setToolTip(lines.join(QLatin1Char('\n')));
        });
}

void MainWindow::showFleet() {
    handle([this] {
        if (!metrics_) {
            dialogs_->ShowMessage(std::string(gbk::kMsgFleetNoMetrics) + configDir_ + "Server.ini");
            return;
        }
        FleetDialog::Shown shown;
        shown.metrics = *metrics_;
        shown.day = runDay_;
        shown.catalogue = errorCatalogue_.get();
        const int row = selectedRow();
        if (row >= 0) {
            const ResultRow& result = (*rows_)[static_cast<std::size_t>(row)];
            shown.day = result.stored->day;
            shown.service = result.stored->serviceCode;
            shown.serviceName = resultList_->topLevelItem(row)->text(0);
            for (const Mark& mark : result.marks)
                if (mark.kind == MarkKind::New) shown.newCodes.insert(mark.key);
        }
        fleetDialog_ = std::make_unique<FleetDialog>(std::move(shown), this);
        fleetDialog_->show();
    });
}

}  // namespace corvane::app
