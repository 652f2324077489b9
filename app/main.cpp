// Program entry: the application object, the main window, the event loop.
#include "CorvaneApplication.h"
#include "Unit1.h"

int main(int argc, char** argv) {
    corvane::app::CorvaneApplication application(argc, argv);
    // Creating the window runs its start-up sequence before it is first shown.
    TForm1 Form1;
    Form1.show();
    return application.exec();
}
