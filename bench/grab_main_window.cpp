// Grabs the main window as the user sees it, for checking that a change of how the window is
// built leaves every pixel as it was: empty at start, then with foods in meals 1, 3 and 6 on
// pages 1, 2, 3 and 6. Writes PNG files and the window's keyboard focus chain into a folder;
// tools/compare_window_grabs.sh compares two such folders.
//
//   grab_main_window <shipped data folder> <output folder> [--diary]
//
// With --diary the window has a diary (in a temporary documents folder) and shows its date
// bar and today's diary day; without, it has none, as before the diary existed.

#include "datafiles.h"
#include "mainwindowcontext.h"
#include "silentprompts.h"
#include "tmainform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>

namespace {

bool Save(TMainForm &form, const QString &folder, const QString &name)
{
    // Everything queued (polish, layouts, deferred repaints) is done before the grab.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    return form.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void ShowPage(TMainForm &form, int meal)
{
    // As a click on the tab does.
    form.findChild<QTabWidget *>(QStringLiteral("APageControl"))->setCurrentIndex(meal - 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool withDiary = argc == 4 && qstrcmp(argv[3], "--diary") == 0;
    if (argc != 3 && !withDiary) {
        std::fprintf(stderr, "usage: %s <shipped data folder> <output folder> [--diary]\n", argv[0]);
        return 2;
    }
    const QDir shipped(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    QTemporaryDir data;
    for (const QString name : {SwissFoodFileName, DgeReferenceFileName, WordListFileName}) {
        if (!QFile::copy(shipped.filePath(name), QDir(data.path()).filePath(name))) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(name));
            return 1;
        }
    }

    SilentPrompts prompts;
    MainWindowContext context;
    context.dataDirectory = data.path() + QLatin1Char('/');
    context.prompts = &prompts;
    context.clock = [] { return QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5)); };
    context.locale = QLocale(QLocale::German, QLocale::Germany);
    context.buildStamp = QStringLiteral("Kostbilanz grab");
    context.programFilePath = QCoreApplication::applicationFilePath();
    QTemporaryDir documents;
    if (withDiary)
        context.documentsFolder = documents.path();
    TMainForm form(context);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    bool ok = Save(form, out, QStringLiteral("empty"));
    ShowPage(form, 2);
    ok = ok && Save(form, out, QStringLiteral("empty-page2"));
    ShowPage(form, 1);

    struct Entry
    {
        int meal;
        const char *id;
        const char *amount;
    };
    const Entry entries[] = {{1, "378", "150"}, {1, "381", "120"}, {1, "529", "250"},
                             {3, "10446", "80"}, {3, "568", "300"}, {6, "378", "75,5"}};
    for (const Entry &entry : entries) {
        form.setActiveMeal(entry.meal);
        const int position = form.foodStore().index().findById(QLatin1String(entry.id));
        if (position < 0) {
            std::fprintf(stderr, "no food %s\n", entry.id);
            return 1;
        }
        form.ShowFoodInInputLine(position);
        auto *amount = form.findChild<QLineEdit *>(QStringLiteral("MengEdit"));
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClicks(amount, QLatin1String(entry.amount));
        form.EnterFood();
    }
    for (const int meal : {1, 2, 3, 6}) {
        ShowPage(form, meal);
        ok = ok && Save(form, out, QStringLiteral("filled-page%1").arg(meal));
    }

    // The keyboard's road through the window (the controls Tab stops at), every page visited once.
    for (int meal = 1; meal <= 6; ++meal)
        ShowPage(form, meal);
    QFile chain(QDir(out).filePath(QStringLiteral("focus-chain.txt")));
    if (!chain.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream text(&chain);
    QWidget *widget = &form;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            text << widget->metaObject()->className() << ' ' << widget->objectName() << '\n';
        widget = widget->nextInFocusChain();
    } while (widget != &form);
    for (const QString &shown : prompts.shown)
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(shown));
    return ok && prompts.shown.isEmpty() ? 0 : 1;
}
