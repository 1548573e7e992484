#include "qtgerman.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

// Qt's file dialog, as the program opens it, in German. The tests run with LC_ALL=C, so the
// German comes from the program's choice and not from the user's locale.
class TestQtGerman : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileDialogSpeaksGerman_data();
    void fileDialogSpeaksGerman();

private:
    QTranslator m_translator;
};

void TestQtGerman::initTestCase()
{
    QVERIFY2(InstallQtGermanTexts(m_translator),
             qPrintable(QStringLiteral("qtbase_de not found in ") +
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

void TestQtGerman::fileDialogSpeaksGerman_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("acceptText");
    QTest::newRow("open") << false << QStringLiteral("&Öffnen");
    QTest::newRow("save") << true << QStringLiteral("S&peichern");
}

void TestQtGerman::fileDialogSpeaksGerman()
{
    QFETCH(bool, save);
    QFETCH(QString, acceptText);

    QFileDialog dialog(nullptr, QStringLiteral("Mahlzeiten einlesen"), QDir::tempPath(),
                       QStringLiteral("Textdateien (*.txt *.TXT)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);

    const auto label = [&dialog](const char *name) {
        const auto *found = dialog.findChild<QLabel *>(QLatin1String(name));
        return found != nullptr ? found->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    };
    QCOMPARE(label("lookInLabel"), QStringLiteral("Suchen in:"));
    QCOMPARE(label("fileNameLabel"), QStringLiteral("Datei&name:"));
    QCOMPARE(label("fileTypeLabel"), QStringLiteral("Dateien des Typs:"));

    const auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(buttons != nullptr);
    const QPushButton *accept = buttons->button(save ? QDialogButtonBox::Save : QDialogButtonBox::Open);
    QVERIFY(accept != nullptr);
    QCOMPARE(accept->text(), acceptText);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

QTEST_MAIN(TestQtGerman)
#include "tst_qtgerman.moc"
