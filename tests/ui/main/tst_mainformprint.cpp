// "Drucken ..." and "Als PDF speichern ..." of the day panel: the document is the day the
// window shows, the preview gets it, and the PDF goes through the save checks.

#include "mainformsession.h"
#include "printdocument.h"

namespace {

struct Recorded
{
    QList<PrintDocument> documents;
};

// A session whose print preview records the document instead of opening Qt's dialog.
std::unique_ptr<MainFormSession> RecordingSession(Recorded &recorded)
{
    auto session = std::make_unique<MainFormSession>(QStringLiteral("good"));
    session->context.printPreview = [&recorded](const PrintDocument &document, QWidget *) {
        recorded.documents.append(document);
    };
    session->form = std::make_unique<TMainForm>(session->context);
    session->prompts.clear();
    return session;
}

QStringList CellTexts(const PrintRow &row)
{
    QStringList texts;
    for (const PrintCell &cell : row.cells)
        texts.append(cell.text);
    return texts;
}

} // namespace

class TestMainFormPrint : public QObject
{
    Q_OBJECT

private slots:
    void previewShowsWhatTheWindowShows();
    void emptyDayIsRefused_data();
    void emptyDayIsRefused();
    void pdfGoesThroughTheSaveChecks_data();
    void pdfGoesThroughTheSaveChecks();
    void failedPdfWriteIsReported();
};

void TestMainFormPrint::previewShowsWhatTheWindowShows()
{
    Recorded recorded;
    auto session = RecordingSession(recorded);
    session->enter(QStringLiteral("1002"), QStringLiteral("250"));
    session->form->setActiveMeal(3);
    session->enter(QStringLiteral("1001"), QStringLiteral("120"));

    session->click(QStringLiteral("DruckenBtn"));

    QCOMPARE(recorded.documents.size(), 1);
    QCOMPARE(session->prompts.calls.size(), 0);
    const PrintDocument &document = recorded.documents.first();
    QCOMPARE(document.infoLines.last(), QStringLiteral("Erstellt am 26.10.25 14:30:05"));
    // The foods, and the day panel's labels cell by cell, with the percentages' colours.
    QStringList names;
    for (const PrintRow &row : document.table.rows) {
        if (row.kind == PrintRowKind::Entry)
            names.append(row.label);
    }
    QCOMPARE(names, QStringList({QStringLiteral(" Vollmilch"), QStringLiteral(" Apfel, roh")}));
    const PrintRow &sums = document.table.rows.at(document.table.rows.size() - 3);
    const PrintRow &percent = document.table.rows.last();
    QCOMPARE(sums.amount, session->text(QStringLiteral("MengLabelTaSu")));
    for (int k = 0; k < NutrientCount; ++k) {
        QCOMPARE(sums.cells.at(k).text, session->text(QStringLiteral("LabelTaSu%1").arg(k)));
        const QString shown = QStringLiteral("ProzLabel%1").arg(k);
        QCOMPARE(percent.cells.at(k).text, session->text(shown).trimmed());
        const Rgb rgb = PercentClassColour(percent.cells.at(k).percentClass);
        QCOMPARE(session->background(shown), QColor(rgb.red, rgb.green, rgb.blue));
    }
    QVERIFY(CellTexts(sums).contains(QStringLiteral("224,9"))); // energy: 250 g milk at 65 kcal and 120 g apple at 52 kcal
    QCOMPARE(document.sourceLine, QStringLiteral("Datenquelle: Schweizer Nährwertdatenbank, BLV"));
}

void TestMainFormPrint::emptyDayIsRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("print") << QStringLiteral("DruckenBtn");
    QTest::newRow("pdf") << QStringLiteral("PdfSpeichernBtn");
}

void TestMainFormPrint::emptyDayIsRefused()
{
    QFETCH(QString, button);
    Recorded recorded;
    auto session = RecordingSession(recorded);
    session->click(button);
    QCOMPARE(session->prompts.texts(QStringLiteral("notice")), QStringList{QStringLiteral("Die Tagesbilanz ist leer !")});
    QCOMPARE(session->prompts.calls.size(), 1);
    QVERIFY(recorded.documents.isEmpty());
}

void TestMainFormPrint::pdfGoesThroughTheSaveChecks_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("overwriteAnswer"); // -1: not asked
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("written");

    const QString saved = QStringLiteral("Die Tagesbilanz wurde als PDF-Datei gespeichert !");
    QTest::newRow("new file") << "tag.pdf" << false << -1 << saved << true;
    QTest::newRow("existing file, Ja") << "tag.pdf" << true << 1 << saved << true;
    QTest::newRow("existing file, Nein") << "tag.pdf" << true << 0 << QString() << false;
    QTest::newRow("a data file of the program")
        << "NwChDb.dat" << true << -1
        << QStringLiteral("„@/NwChDb.dat“: Diese Datei gehört zum Programm und wird nicht überschrieben.") << false;
    QTest::newRow("dialog cancelled") << "" << false << -1 << QString() << false;
}

void TestMainFormPrint::pdfGoesThroughTheSaveChecks()
{
    QFETCH(QString, fileName);
    QFETCH(bool, exists);
    QFETCH(int, overwriteAnswer);
    QFETCH(QString, notice);
    QFETCH(bool, written);

    MainFormSession session(QStringLiteral("good"));
    notice.replace(QLatin1Char('@'), session.dir.path());
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString target = fileName.isEmpty() ? QString() : session.path(fileName);
    if (exists && !QFile::exists(target))
        QVERIFY(WriteBytes(target, "alt"));
    const QByteArray before = exists ? MainFormSession::bytes(target) : QByteArray();
    session.prompts.clear();
    session.prompts.savePaths.append(target);
    if (overwriteAnswer >= 0)
        session.prompts.answers.append(overwriteAnswer);

    session.click(QStringLiteral("PdfSpeichernBtn"));

    const FileDialogRequest request = session.prompts.calls.at(0).request;
    QCOMPARE(request.filter, QStringLiteral("PDF-Dateien (*.pdf)"));
    QCOMPARE(request.defaultExtension, QStringLiteral("pdf"));
    QCOMPARE(request.proposedName, QStringLiteral("NW-Tagesbilanz--251026-143005.pdf"));
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")).size(), overwriteAnswer >= 0 ? 1 : 0);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), notice.isEmpty() ? QStringList() : QStringList{notice});
    if (written)
        QVERIFY(MainFormSession::bytes(target).startsWith("%PDF-"));
    else if (exists)
        QCOMPARE(MainFormSession::bytes(target), before);
    else if (!target.isEmpty())
        QVERIFY(!QFile::exists(target));
}

void TestMainFormPrint::failedPdfWriteIsReported()
{
    MainFormSession session(QStringLiteral("good"));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString target = session.path(QStringLiteral("fehlt/tag.pdf"));
    session.prompts.clear();
    session.prompts.savePaths.append(target);

    session.click(QStringLiteral("PdfSpeichernBtn"));

    const QStringList plain = session.prompts.texts(QStringLiteral("plain"));
    QCOMPARE(plain.size(), 1);
    QVERIFY2(plain.first().contains(QStringLiteral("tag.pdf")), qPrintable(plain.first()));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
    QVERIFY(!QFile::exists(target));
}

QTEST_MAIN(TestMainFormPrint)
#include "tst_mainformprint.moc"
