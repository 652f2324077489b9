// Renders the main window after a run over a log directory into an image:
//   window_screenshot OUTPUT.png LOGDIR DAY SERVICE_ROW KNOWN_ROW [WIDTHxHEIGHT] [VIEW]
// It shows the window, chooses LOGDIR and DAY, runs the analysis, clicks the result
// row SERVICE_ROW and then the known error KNOWN_ROW, and grabs the window.  VIEW is
// "known" (the default), "patterns" (the patterns tab, first pattern and its draft),
// "context" (the lines around the known error) or "trend" (the service's trend).
// The catalogues are those beside the executable.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "ContextView.h"
#include "CorvaneApplication.h"
#include "DesignNames.h"
#include "MainWindow.h"
#include "TrendView.h"

using corvane::app::MainWindow;
namespace design = corvane::app::design;

namespace {

template <typename T>
T* Find(QWidget& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

}  // namespace

int main(int argc, char** argv) {
    corvane::app::CorvaneApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 6 || args.size() > 8) {
        std::fprintf(stderr,
                     "usage: window_screenshot OUTPUT.png LOGDIR DAY SERVICE_ROW KNOWN_ROW "
                     "[WIDTHxHEIGHT] [known|patterns|context|trend]\n");
        return 2;
    }
    const QString view = args.size() > 7 ? args[7] : QStringLiteral("known");
    MainWindow form;
    if (args.size() > 6) {
        const QStringList size = args[6].split(QLatin1Char('x'));
        if (size.size() == 2) form.resize(size[0].toInt(), size[1].toInt());
    }
    form.show();

    QTimer::singleShot(500, &form, [&] {
        Find<QLineEdit>(form, design::kDirectoryEdit)->setText(args[2]);
        auto* days = Find<QListWidget>(form, design::kDayList);
        const auto matches = days->findItems(args[3], Qt::MatchExactly);
        if (!matches.isEmpty()) days->setCurrentItem(matches.first());
        form.startAnalysis();
        while (form.runInProgress())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            10);
        auto* results = Find<QTreeWidget>(form, design::kResultList);
        results->setCurrentItem(results->topLevelItem(args[4].toInt()));
        auto* known = Find<QTreeWidget>(form, design::kKnownErrorList);
        known->setCurrentItem(known->topLevelItem(args[5].toInt()));
        QWidget* target = &form;
        if (view == QLatin1String("patterns")) {
            Find<QTabWidget>(form, design::kDetailTabs)->setCurrentIndex(2);
            auto* patterns = Find<QTreeWidget>(form, design::kPatternList);
            // The patterns are grouped on a thread of their own.
            for (int i = 0; i < 500 && patterns->topLevelItemCount() == 0; ++i)
                QCoreApplication::processEvents(
                    QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
            patterns->setCurrentItem(patterns->topLevelItem(0));
            Find<QPushButton>(form, design::kDraftButton)->click();
        } else if (view == QLatin1String("context")) {
            form.showFindingContext();
            target = form.findChild<corvane::app::ContextView*>();
        } else if (view == QLatin1String("trend")) {
            form.showTrend();
            auto* trend = form.findChild<corvane::app::TrendView*>();
            trend->setCodeLines(true);
            target = trend;
        }
        QTimer::singleShot(800, &form, [&, target] {
            const bool saved = target && target->grab().save(args[1]);
            std::fprintf(stderr, saved ? "saved %s\n" : "could not save %s\n", qPrintable(args[1]));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    return application.exec();
}
