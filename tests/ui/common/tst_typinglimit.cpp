#include "formkit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTestEventList>
#include <QWidget>

// Every input field of the program is made by MakeEdit; its limit is on typing only.
class TestTypingLimit : public QObject
{
    Q_OBJECT

private slots:
    void typedAgainstProgramText_data()
    {
        QTest::addColumn<QString>("programText");
        QTest::addColumn<QTestEventList>("typing");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("clipboard");

        QTestEventList sevenDigits;
        sevenDigits.addKeyClicks(QStringLiteral("1234567"));
        QTest::newRow("typing stops at the limit")
            << QString() << sevenDigits << QStringLiteral("123456") << QString();
        QTest::newRow("a program text stays whole")
            << QStringLiteral("1234567,25") << QTestEventList() << QStringLiteral("1234567,25") << QString();

        QTestEventList appendOne;
        appendOne.addKeyClick(Qt::Key_End);
        appendOne.addKeyClicks(QStringLiteral("8"));
        QTest::newRow("typing never lengthens a long text")
            << QStringLiteral("1234567") << appendOne << QStringLiteral("1234567") << QString();

        QTestEventList replaceFirst;
        replaceFirst.addKeyClick(Qt::Key_Home);
        replaceFirst.addKeyClick(Qt::Key_Right, Qt::ShiftModifier);
        replaceFirst.addKeyClicks(QStringLiteral("9"));
        QTest::newRow("a character of a long text is replaced")
            << QStringLiteral("1234567") << replaceFirst << QStringLiteral("9234567") << QString();

        QTestEventList shortenThenType;
        shortenThenType.addKeyClick(Qt::Key_End);
        shortenThenType.addKeyClick(Qt::Key_Backspace);
        shortenThenType.addKeyClick(Qt::Key_Backspace);
        shortenThenType.addKeyClicks(QStringLiteral("89"));
        QTest::newRow("once shortened the limit holds again")
            << QStringLiteral("1234567") << shortenThenType << QStringLiteral("123458") << QString();

        QTestEventList paste;
        paste.addKeyClick(Qt::Key_V, Qt::ControlModifier);
        QTest::newRow("a paste that fits is taken")
            << QStringLiteral("12") << paste << QStringLiteral("1234") << QStringLiteral("34");
        // Cutting a pasted text would drop characters the user cannot see go.
        QTest::newRow("a paste beyond the limit is refused")
            << QStringLiteral("12") << paste << QStringLiteral("12") << QStringLiteral("34567");
    }

    void typedAgainstProgramText()
    {
        QFETCH(QString, programText);
        QFETCH(QTestEventList, typing);
        QFETCH(QString, expected);
        QFETCH(QString, clipboard);
        QWidget window;
        QLineEdit *edit = MakeEdit(&window, QStringLiteral("Edit"), QRect(0, 0, 60, 21), 6);
        QCOMPARE(TypingLimitOf(edit), 6);
        QApplication::clipboard()->setText(clipboard);

        edit->setText(programText);
        QCOMPARE(edit->text(), programText);
        typing.simulate(edit);
        QCOMPARE(edit->text(), expected);
        // Whatever stands in the field counts as a complete input (Enter is delivered).
        QVERIFY(edit->hasAcceptableInput());
    }

    void clearingBringsTheLimitBack()
    {
        QWidget window;
        QLineEdit *edit = MakeEdit(&window, QStringLiteral("Edit"), QRect(0, 0, 60, 21), 6);
        edit->setText(QStringLiteral("1234567,25"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("abcdefgh"));
        QCOMPARE(edit->text(), QStringLiteral("abcdef"));
        edit->setText(QStringLiteral("Ein langer Name"));
        QCOMPARE(edit->text(), QStringLiteral("Ein langer Name"));
    }
};

QTEST_MAIN(TestTypingLimit)
#include "tst_typinglimit.moc"
