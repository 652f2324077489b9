// The application object: an error that escapes any event handler is shown in the
// error box and the program goes on with the next event.  Qt's own texts are
// Chinese, like the window's.
#pragma once

#include <QApplication>

namespace corvane::app {

class WindowDialogs;

class CorvaneApplication : public QApplication {
    Q_OBJECT
public:
    CorvaneApplication(int& argc, char** argv);

    // Where escaped errors are shown; null means real message boxes.
    void SetErrorDialogs(WindowDialogs* dialogs) { errorDialogs_ = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    WindowDialogs* errorDialogs_ = nullptr;
};

}  // namespace corvane::app
