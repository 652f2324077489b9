// Program entry: the application object, the main window, the event loop.
#include "CorvaneApplication.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
    corvane::app::CorvaneApplication application(argc, argv);
    // Creating the window runs its start-up sequence before it is first shown.
    corvane::app::MainWindow window;
    window.remember(corvane::app::WindowMemory(corvane::app::WindowMemory::DefaultFile()));
    window.show();
    return application.exec();
}
