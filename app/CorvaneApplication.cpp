#include "CorvaneApplication.h"

#include <exception>

#include <QLibraryInfo>
#include <QTranslator>

#include "WindowDialogs.h"

namespace corvane::app {

CorvaneApplication::CorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Corvane日志分析器"));
    // Qt's own texts (the buttons of the message boxes, the folder dialog) in the
    // window's language.  Without Qt's translations they stay English.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool CorvaneApplication::notify(QObject* receiver, QEvent* event) {
    // Qt does not let exceptions pass through its event dispatch; catching them
    // here, next to the event that raised them, keeps the event loop intact.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QtWindowDialogs fallback;
        ReportError(errorDialogs_ ? *errorDialogs_ : static_cast<WindowDialogs&>(fallback),
                    e.what());
    } catch (...) {
        QtWindowDialogs fallback;
        ReportError(errorDialogs_ ? *errorDialogs_ : static_cast<WindowDialogs&>(fallback),
                    "Unknown error");
    }
    return false;
}

}  // namespace corvane::app
