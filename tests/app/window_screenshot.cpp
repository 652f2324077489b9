// Renders the main window after a run over a log directory into an image:
//   window_screenshot OUTPUT.png LOGDIR DAY SERVICE_ROW KNOWN_ROW
// It shows the window, chooses LOGDIR and DAY, runs the analysis, clicks the
// result row SERVICE_ROW and then the known error KNOWN_ROW, and grabs the window.
// The catalogues are those beside the executable.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "CorvaneApplication.h"
#include "DesignNames.h"
#include "MainWindow.h"

using corvane::app::MainWindow;

int main(int argc, char** argv) {
    corvane::app::CorvaneApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6) {
        std::fprintf(stderr,
                     "usage: window_screenshot OUTPUT.png LOGDIR DAY SERVICE_ROW KNOWN_ROW\n");
        return 2;
    }
    MainWindow form;
    form.show();

    QTimer::singleShot(500, &form, [&] {
        auto* edit =
            form.findChild<QLineEdit*>(QLatin1String(corvane::app::design::kDirectoryEdit));
        auto* days = form.findChild<QListWidget*>(QLatin1String(corvane::app::design::kDayList));
        auto* results =
            form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kResultList));
        auto* known =
            form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kKnownErrorList));
        edit->setText(args[2]);
        const auto matches = days->findItems(args[3], Qt::MatchExactly);
        if (!matches.isEmpty()) days->setCurrentItem(matches.first());
        form.startAnalysis();
        results->setCurrentItem(results->topLevelItem(args[4].toInt()));
        form.showSelectedService();
        known->setCurrentItem(known->topLevelItem(args[5].toInt()));
        form.showSelectedError();
        QTimer::singleShot(500, &form, [&] {
            const bool saved = form.grab().save(args[1]);
            std::fprintf(stderr, saved ? "saved %s\n" : "could not save %s\n", qPrintable(args[1]));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    return application.exec();
}
