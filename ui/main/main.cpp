#include "appicon.h"
#include "appinfo.h"
#include "commandline.h"
#include "instancelock.h"
#include "mainwindowcontext.h"
#include "messagewindowprompts.h"
#include "programlocks.h"
#include "qtgerman.h"
#include "quitwhenshown.h"
#include "tmainform.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>

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
    if (const int status = RunCommandLineIfAsked(argc, argv); status >= 0)
        return status;

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
    // The diary and the user's reports belong where the user keeps documents, not beside the
    // program ("~/Dokumente" on a German desktop, "~/Documents" without one).
    context.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

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
