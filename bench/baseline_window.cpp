// The floor of the start-up figure: the least a Qt Widgets program does to show a window with
// text. It is built like the program (same build type, same flags) and shows one fixed-size
// window of the main window's size with one line of text in the platform's default font, as a
// plain Qt program does: choosing and loading the program's own font is the program's cost.

#include "quitwhenshown.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(1200, 745);
    auto *line = new QLabel(QStringLiteral("Lebensmittel in Schweizer Liste"), &window);
    line->setGeometry(20, 20, 400, 18);
    // Ends like the program under KOSTBILANZ_QUIT_WHEN_SHOWN=1: once the window is first painted.
    if (qEnvironmentVariableIntValue("KOSTBILANZ_QUIT_WHEN_SHOWN") == 1)
        new QuitWhenShown(&window);
    window.show();
    return application.exec();
}
