#include "appicon.h"
#include "appinfo.h"
#include "instancelock.h"
#include "programlocks.h"
#include "mainwindowcontext.h"
#include "messagewindowprompts.h"
#include "qtgerman.h"
#include "quitwhenshown.h"
#include "summarycommand.h"
#include "tmainform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

QtMessageHandler QtDefaultMessageHandler = nullptr;

// Qt's own warnings are English notes for developers (no XDG_RUNTIME_DIR set, a font fallback)
// that would only puzzle a user in the terminal; what the program has to say, it says in
// German itself. Critical and fatal messages still come through, and all of them with
// KOSTBILANZ_QT_MESSAGES=1.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QtDefaultMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIntValue("KOSTBILANZ_QT_MESSAGES") != 1)
        QtDefaultMessageHandler = qInstallMessageHandler(QuietQtMessages);

    // The command line is looked at before anything else: its modes need no display, take no
    // lock and open no window, and a wrong argument is refused before a display is looked for.
    // The arguments are taken as the bytes they are, so a name in another encoding is refused
    // instead of being read as a file that is not there.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.mode != CommandLineMode::Window) {
        // A PDF needs fonts and a painter, so Qt's GUI part, but never a display: the offscreen
        // platform has the same fonts, and a stale DISPLAY cannot stop it. A platform the
        // user names still wins.
        std::unique_ptr<QCoreApplication> core;
        if (commandLine.mode == CommandLineMode::Pdf) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            core = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            core = std::make_unique<QCoreApplication>(argc, argv);
        }
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunCommandLine(commandLine, QCoreApplication::applicationDirPath() + QLatin1Char('/'), out, err);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTitle());
    // The desktop matches the windows to the installed entry and shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.kostbilanz.Kostbilanz"));
    // Without the translation Qt's dialogs stay English; the program itself runs the same.
    QTranslator qtGerman;
    InstallQtGermanTexts(qtGerman);

    // A second copy says so and ends before it loads or touches any file; so does a copy that
    // cannot take its locks, since it could not tell whether another one writes the same files.
    const QString dataDirectory = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    ProgramLocks lock(InstanceLock::DefaultFolder(), dataDirectory);
    switch (lock.tryAcquire()) {
    case ProgramLocks::Outcome::Acquired:
        break;
    case ProgramLocks::Outcome::RunningCopy: {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("  C-Programm-Meldung "),
                        QStringLiteral(" Das C-Programm läuft bereits "), QMessageBox::Ok);
        box.exec();
        return 0;
    }
    case ProgramLocks::Outcome::Unlockable: {
        QMessageBox box(QMessageBox::NoIcon, AppTitle(), lock.message(), QMessageBox::Ok);
        box.exec();
        return 1;
    }
    }

    MessageWindowPrompts prompts;
    MainWindowContext context;
    context.dataDirectory = dataDirectory;
    context.prompts = &prompts;
    context.clock = SystemClock();
    context.locale = QLocale();
    context.buildStamp = BuildStamp(AppTitle(), QString::fromLatin1(__DATE__), QString::fromLatin1(__TIME__));
    context.programFilePath = QCoreApplication::applicationFilePath();

    TMainForm mainForm(context);
    prompts.setDialogParent(&mainForm);
    // Watched before the benchmark's watcher is made (the later filter runs first), so a timed
    // start stamps its first frame ahead of the icon.
    SetApplicationIconAfterFirstPaint(&mainForm);
    // For timing a whole start-up from outside (bench/): with KOSTBILANZ_QUIT_WHEN_SHOWN=1 the
    // program ends as soon as the main window has first been painted, without any question.
    const bool quitWhenShown = qEnvironmentVariableIntValue("KOSTBILANZ_QUIT_WHEN_SHOWN") == 1;
    if (quitWhenShown)
        new QuitWhenShown(&mainForm);
    mainForm.show();
    // Asked over the window, so the day taken back appears in it at once.
    if (!quitWhenShown)
        mainForm.OfferSessionRecovery();
    const int result = application.exec();
    lock.release();
    return result;
}
