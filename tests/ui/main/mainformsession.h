#pragma once

#include "fakescheduler.h"
#include "scriptedprompts.h"
#include "testfiles.h"
#include "tmainform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The control that has the focus in the active window: where the platform delivers a key.
inline QWidget *FocusedControl()
{
    QWidget *window = QApplication::activeWindow();
    return window != nullptr && window->focusWidget() != nullptr ? window->focusWidget() : window;
}

// Each key goes to whatever control has the focus, as a user's keys do.
inline void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = FocusedControl();
    QVERIFY(focus != nullptr);
    QTest::keyClick(focus, Qt::Key(key), modifiers);
}

inline void TypeKeys(const QString &text)
{
    QWidget *focus = FocusedControl();
    QVERIFY(focus != nullptr);
    QTest::keyClicks(focus, text);
}

// A main window started on a copy of one fixture folder (or an empty folder), with scripted
// prompts, German number settings, the clock standing at 26 October 2025, 14:30:05, and a
// scheduler whose time the test moves on (runTimers, or scheduler.advance).
class MainFormSession
{
public:
    // fixture: a folder below fixtures/, or empty for a data folder without any file.
    // extraFiles: names and contents written into the data folder after the fixture's files,
    // before the window starts. unreadable: names that stand as folders in the data folder
    // when the window starts (the fixture's file of that name removed), so reading them fails.
    // sessionSaveDelayMs: the wait from a change of the meals to the recovery file.
    explicit MainFormSession(const QString &fixture = QString(),
                             const QList<QPair<QString, QByteArray>> &extraFiles = {},
                             const QStringList &unreadable = {},
                             int sessionSaveDelayMs = MainWindowContext().sessionSaveDelayMs)
    {
        if (!fixture.isEmpty())
            CopyFolderFiles(QStringLiteral(KB_TEST_DIR "/fixtures/") + fixture, dir.path());
        for (const auto &[name, bytes] : extraFiles)
            WriteBytes(dir.filePath(name), bytes);
        for (const QString &name : unreadable) {
            QFile::remove(dir.filePath(name));
            QDir(dir.path()).mkdir(name);
        }
        context.dataDirectory = dir.path() + QLatin1Char('/');
        context.prompts = &prompts;
        context.clock = [] { return QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5)); };
        context.locale = QLocale(QLocale::German, QLocale::Germany);
        context.buildStamp = QStringLiteral("Kostbilanz 25.12 10.12.2025 17:53:49 ");
        context.programFilePath = QCoreApplication::applicationFilePath();
        context.sessionSaveDelayMs = sessionSaveDelayMs;
        context.scheduler = &scheduler;
        form = std::make_unique<TMainForm>(context);
    }

    // The program gone without a word (as when it is killed) and started again on the same
    // folder; the prompts' record is emptied.
    void restart()
    {
        form.reset();
        prompts.clear();
        form = std::make_unique<TMainForm>(context);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Lets every delayed write fall due, as the real timers would after the recovery delay.
    void runTimers() { scheduler.advance(context.sessionSaveDelayMs); }

    // Labels and controls by name, through the window's own way to them: the meal pages are
    // made when first reached.
    QLabel *label(const QString &name) const { return form->labelNamed(name); }
    template <typename T = QWidget> T *control(const QString &name) const
    {
        for (int n = 1; n <= MealCount; ++n)
            form->ensureMealPage(n);
        return form->findChild<T *>(name);
    }
    QString text(const QString &name) const
    {
        const QLabel *found = label(name);
        return found != nullptr ? found->text() : QStringLiteral("<missing %1>").arg(name);
    }
    QColor background(const QString &name) const { return label(name)->palette().color(QPalette::Window); }
    QLineEdit *amountEdit() const { return form->findChild<QLineEdit *>(QStringLiteral("MengEdit")); }
    QTabWidget *pages() const { return form->findChild<QTabWidget *>(QStringLiteral("APageControl")); }
    QWidget *marker(int meal) const
    {
        return form->findChild<QWidget *>(QStringLiteral("MarkerShape%1").arg(meal));
    }

    void click(const QString &buttonName) const
    {
        auto *button = control<QAbstractButton>(buttonName);
        QVERIFY2(button != nullptr, qPrintable(buttonName));
        button->click();
    }

    // What the food selection window does on "Übernehmen ": the food of that id into the line.
    void pick(const QString &id) const
    {
        const int position = form->foodStore().index().findById(id);
        QVERIFY2(position >= 0, qPrintable(id));
        form->ShowFoodInInputLine(position);
    }

    // Replaces the amount field's text by typing, as the user does.
    void typeAmount(const QString &amount) const
    {
        QLineEdit *edit = amountEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, amount);
    }

    // Picks a food, types its amount and presses "Lebensmittel eintragen".
    void enter(const QString &id, const QString &amount) const
    {
        pick(id);
        typeAmount(amount);
        click(QStringLiteral("LebMitEintragenBtn"));
    }

    // The names shown in the list of meal, top to bottom.
    QStringList names(int meal) const
    {
        const QTableWidget *list = form->mealList(meal);
        QStringList result;
        for (int row = 0; row < list->rowCount(); ++row)
            result.append(list->item(row, 0)->text());
        return result;
    }

    void selectRow(int meal, int row) const
    {
        QTableWidget *list = form->mealList(meal);
        list->clearSelection();
        if (row >= 0)
            list->selectRow(row);
    }

    // Writes a meal file from lines (CR LF after each) and reads it through the open dialog.
    void readMealFile(const QString &name, const QStringList &lines)
    {
        QVERIFY(WriteBytes(path(name), CrLfLines(lines)));
        prompts.openPaths.append(path(name));
        form->ReadMealFile();
    }

    static QByteArray bytes(const QString &filePath) { return ReadBytes(filePath); }

    QTemporaryDir dir;
    ScriptedPrompts prompts; // outlives the form, which points to it
    FakeScheduler scheduler; // so does the scheduler
    MainWindowContext context;
    std::unique_ptr<TMainForm> form;
};
