// The yardstick for the start-up figure: the least a Qt Widgets program does to show a
// window. It is built like the program (same build type, same flags) and shows one empty
// fixed-size window of the main window's size.

#include "quitwhenshown.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(1200, 745);
    // Ends like the program under KOSTBILANZ_QUIT_WHEN_SHOWN=1: once the window is first painted.
    if (qEnvironmentVariableIntValue("KOSTBILANZ_QUIT_WHEN_SHOWN") == 1)
        new QuitWhenShown(&window);
    window.show();
    return application.exec();
}
