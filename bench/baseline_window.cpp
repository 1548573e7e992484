// The floor of the start-up figure: the least a Qt Widgets program does to show a window with
// text. It is built like the program (same build type, same flags), sets the program's window
// font for the application as the program does, and shows one fixed-size window of the main
// window's size with one line of text, so it pays the font set-up at start as the program does.

#include "quitwhenshown.h"
#include "windowfont.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setFont(WindowFontPixels(13));
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
