#include "tmehreretageform.h"

#include "chartpainter.h"
#include "diary.h"
#include "daysummarytable.h"
#include "foodlines.h"
#include "numbertext.h"
#include "printdocument.h"
#include "scriptedprompts.h"
#include "summarychart.h"
#include "testfiles.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Bread per 100 g, with its iron unknown.
FoodIndex Bread()
{
    return BuildFoodIndex(
        {QStringLiteral("Schweizer Nährwertdatenbank"), QString(), QString(),
         SwissFoodLine(QStringLiteral("1001"), QStringLiteral("Brot"),
                       QString::fromUtf8("250|50|2|1|0.5|8|1.2|k.A.|50|30|0|0|35").split(u'|'))},
        {});
}

ReferenceSet Requirement()
{
    ReferenceSet set;
    set.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    set.values = {1800, 225, 3, 60, 19, 62, 5, 14, 300, 1000, 4, 20, 1410};
    return set;
}

QColor ClassColour(PercentClass percentClass)
{
    const Rgb rgb = PercentClassColour(percentClass);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The share of the pixels inside a bar that show exactly its class colour.
double ColourShare(const QImage &image, const QRect &bar, const QColor &colour)
{
    const QRect inner = bar.adjusted(2, 2, -2, -2);
    int same = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x)
            same += QColor(image.pixel(x, y)) == colour ? 1 : 0;
    }
    return inner.isEmpty() ? 0 : double(same) / double(inner.width() * inner.height());
}

} // namespace

class TestMehrereTageForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void twoDaysAveragedAndCharted();
    void columnHeadShowsNutrientPerDay();
    void csvGoesThroughTheSaveChecks();
    void noSwissFoodsNoDialog();
    void printAndPdfOfTheDaysRead();
    void enterChoosesTheDays();
    void allNutrientsOfTheDaysRead();
    void diaryDaysWithGaps();
    void weekAndMonthOfTheShownDate_data();
    void weekAndMonthOfTheShownDate();

private:
    // Picks the files (by name in the data folder) through the dialog, as the user does.
    void pick(const QStringList &names);

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<TMehrereTageForm> m_form;
};

void TestMehrereTageForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QByteArray header = "VNR=Mz251026\r\n";
    // Monday: 300 g bread; Tuesday 100 g: the average is 200 g, 500 kcal.
    QVERIFY(
        WriteBytes(m_dir->filePath(QStringLiteral("Montag.txt")), header + "Mahlzeit1=1;1001;300,0;\r\n"));
    QVERIFY(WriteBytes(m_dir->filePath(QStringLiteral("Dienstag.txt")),
                       header + "Mahlzeit1=1;1001;100,0;\r\nMahlzeit2=1;4711;10,0;\r\n"));
    QVERIFY(WriteBytes(m_dir->filePath(QStringLiteral("Notiz.txt")), "Brot kaufen\r\n"));
    m_prompts = ScriptedPrompts();
    // The locale the program passes: list, chart and CSV all write a decimal comma.
    m_form = std::make_unique<TMehrereTageForm>(
        &m_prompts, m_dir->path() + QLatin1Char('/'),
        [] { return QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5)); }, GermanNumberLocale());
    m_form->prepare(Bread(), false, Requirement());
}

void TestMehrereTageForm::diaryDaysWithGaps()
{
    // Friday 300 g bread, Saturday without a file, Sunday a day left empty, Monday none again.
    const QString diary = m_dir->filePath(QStringLiteral("Tagebuch"));
    QVERIFY(QDir().mkpath(diary));
    QVERIFY(WriteBytes(diary + QStringLiteral("/2025-10-24.txt"), "VNR=Mz251026\r\nMahlzeit1=1;1001;300,0;\r\n"));
    QVERIFY(WriteBytes(diary + QStringLiteral("/2025-10-26.txt"), "VNR=Mz251026\r\n"));
    m_form->setFolders(diary, m_dir->path());
    m_form->summariseDiary(QDate(2025, 10, 24), QDate(2025, 10, 27));

    auto *list = m_form->findChild<QTableWidget *>(QStringLiteral("TageListView"));
    QStringList labels, amounts;
    for (int row = 0; row < list->rowCount(); ++row) {
        labels.append(list->item(row, 0)->text());
        amounts.append(list->item(row, 1)->text());
    }
    QCOMPARE(labels.mid(0, 5), (QStringList{QStringLiteral("Fr 24.10.2025"), QStringLiteral("Sa 25.10.2025"),
                                            QStringLiteral("So 26.10.2025"), QStringLiteral("Mo 27.10.2025"),
                                            QStringLiteral("Durchschnitt")}));
    // The empty day counts as a day of zeros; the dates without a file count not at all.
    QCOMPARE(amounts.mid(0, 5), (QStringList{QStringLiteral("300"), QStringLiteral("kein Eintrag"),
                                             QStringLiteral("0"), QStringLiteral("kein Eintrag"),
                                             QStringLiteral("150,0")}));
    // "kein Eintrag" reads whole across the figures it has none of.
    QCOMPARE(list->columnSpan(1, 1), 1 + NutrientCount);
    QCOMPARE(list->columnSpan(0, 1), 1);
    // Files chosen afterwards take their rows back without any span left over.
    pick({QStringLiteral("Montag.txt")});
    QCOMPARE(list->columnSpan(1, 1), 1);
}

void TestMehrereTageForm::weekAndMonthOfTheShownDate_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QStringList>("read"); // the dates with a file, as "dd.MM."
    const QString week = QStringLiteral("WocheBtn");
    const QString month = QStringLiteral("MonatBtn");
    QTest::newRow("week across February's end")
        << QDate(2024, 2, 29) << week << QDate(2024, 2, 26) << QDate(2024, 3, 3)
        << QStringList{QStringLiteral("26.02."), QStringLiteral("29.02."), QStringLiteral("01.03."),
                       QStringLiteral("03.03.")};
    QTest::newRow("leap-year February")
        << QDate(2024, 2, 29) << month << QDate(2024, 2, 1) << QDate(2024, 2, 29)
        << QStringList{QStringLiteral("26.02."), QStringLiteral("29.02.")};
    QTest::newRow("a month's first day")
        << QDate(2024, 3, 1) << month << QDate(2024, 3, 1) << QDate(2024, 3, 31)
        << QStringList{QStringLiteral("01.03."), QStringLiteral("03.03."), QStringLiteral("04.03.")};
    QTest::newRow("a Monday begins its week") << QDate(2024, 3, 4) << week << QDate(2024, 3, 4)
                                              << QDate(2024, 3, 10) << QStringList{QStringLiteral("04.03.")};
    QTest::newRow("week across the year's end") << QDate(2024, 12, 31) << week << QDate(2024, 12, 30)
                                                << QDate(2025, 1, 5) << QStringList{QStringLiteral("02.01.")};
    QTest::newRow("a month without any file")
        << QDate(2024, 12, 31) << month << QDate(2024, 12, 1) << QDate(2024, 12, 31) << QStringList();
    // A meal file on show has no date: today's week, today being Sunday 26.10.2025.
    QTest::newRow("no date shown: today's week")
        << QDate() << week << QDate(2025, 10, 20) << QDate(2025, 10, 26)
        << QStringList{QStringLiteral("20.10.")};
}

void TestMehrereTageForm::weekAndMonthOfTheShownDate()
{
    QFETCH(QDate, shown);
    QFETCH(QString, button);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QStringList, read);

    const QString diary = m_dir->filePath(QStringLiteral("Tagebuch"));
    QVERIFY(QDir().mkpath(diary));
    for (const char *day :
         {"2024-02-26", "2024-02-29", "2024-03-01", "2024-03-03", "2024-03-04", "2025-01-02", "2025-10-20"}) {
        QVERIFY(WriteBytes(diary + QLatin1Char('/') + QLatin1String(day) + QStringLiteral(".txt"),
                           "VNR=Mz251026\r\nMahlzeit1=1;1001;100,0;\r\n"));
    }
    m_form->setFolders(diary, m_dir->path());
    m_form->setShownDate(shown);

    auto *list = m_form->findChild<QTableWidget *>(QStringLiteral("TageListView"));
    auto *messages = m_form->findChild<QListWidget *>(QStringLiteral("MeldungenListBox"));
    const auto shownTexts = [list, messages] {
        QStringList texts;
        for (int row = 0; row < list->rowCount(); ++row) {
            for (int column = 0; column < list->columnCount(); ++column)
                texts.append(list->item(row, column) ? list->item(row, column)->text() : QString());
        }
        for (int row = 0; row < messages->count(); ++row)
            texts.append(messages->item(row)->text());
        return texts;
    };
    m_form->findChild<QPushButton *>(button)->click();

    // One row per date of the range, "Mo 26.02.2024", then the summary rows when a day was read.
    const int days = int(first.daysTo(last)) + 1;
    QCOMPARE(list->rowCount() > days, !read.isEmpty());
    QVERIFY(list->rowCount() >= days);
    QCOMPARE(list->item(0, 0)->text().mid(3), first.toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(list->item(days - 1, 0)->text().mid(3), last.toString(QStringLiteral("dd.MM.yyyy")));
    if (!read.isEmpty())
        QCOMPARE(list->item(days, 0)->text(), QStringLiteral("Durchschnitt"));
    QStringList withFile;
    for (int row = 0; row < days; ++row) {
        if (list->item(row, 1)->text() != QStringLiteral("kein Eintrag"))
            withFile.append(list->item(row, 0)->text().mid(3, 6));
    }
    QCOMPARE(withFile, read);
    // The road of "Von ... bis ...": the same rows and the same messages for the dates without a file.
    const QStringList byButton = shownTexts();
    m_form->summariseDiary(first, last);
    QCOMPARE(byButton, shownTexts());
}

void TestMehrereTageForm::pick(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths.append(m_dir->filePath(name));
    m_prompts.openPathLists.append(paths);
    m_form->findChild<QPushButton *>(QStringLiteral("DateienWaehlenBtn"))->click();
}

void TestMehrereTageForm::twoDaysAveragedAndCharted()
{
    pick({QStringLiteral("Montag.txt"), QStringLiteral("Notiz.txt"), QStringLiteral("Dienstag.txt")});

    QCOMPARE(m_prompts.calls.size(), 1);
    const FileDialogRequest &request = m_prompts.calls.first().request;
    QCOMPARE(m_prompts.calls.first().kind, QStringLiteral("openmany"));
    QCOMPARE(request.initialFolder, m_dir->path() + QLatin1Char('/'));
    QVERIFY(request.filter.contains(QStringLiteral("*.txt")));

    // Rows by file name, then the four summary rows; the file that is no meal file is listed
    // below, with the line that named a food no longer there.
    auto *list = m_form->findChild<QTableWidget *>(QStringLiteral("TageListView"));
    QCOMPARE(list->rowCount(), 6);
    const auto rowTexts = [list](int row) {
        QStringList texts;
        for (int column = 0; column < list->columnCount(); ++column)
            texts.append(list->item(row, column)->text());
        return texts.join(QLatin1Char('|'));
    };
    QCOMPARE(rowTexts(0), QStringLiteral("Dienstag.txt|100|250|50|2|1|0,5|8|1,2|0|50|30|0|0|35"));
    QCOMPARE(rowTexts(1), QStringLiteral("Montag.txt|300|750|150|6|3|1,5|24|3,6|0|150|90|0|0|105"));
    QCOMPARE(
        rowTexts(2),
        QStringLiteral("Durchschnitt|200,0|500,0|100,0|4,0|2,0|1,0|16,0|2,4|0,0|100,0|60,0|0,0|0,0|70,0"));
    QCOMPARE(rowTexts(5), QStringLiteral("Unvollständig||0|0|0|0|0|0|0|2|0|0|0|0|0"));
    QCOMPARE(list->item(4, 0)->text(), QStringLiteral("Prozent"));
    // Sugar: 4 g against 3 is 133 %, orange; fat 3,3 %, green.
    QCOMPARE(list->item(4, 2 + 2)->text(), QStringLiteral("133,3"));
    QCOMPARE(list->item(4, 2 + 2)->background().color(), ClassColour(PercentClass::Warn));
    QCOMPARE(list->item(4, 2 + 3)->background().color(), ClassColour(PercentClass::Normal));

    auto *messages = m_form->findChild<QListWidget *>(QStringLiteral("MeldungenListBox"));
    QCOMPARE(messages->count(), 2);
    QVERIFY(messages->item(0)->text().endsWith(
        QStringLiteral("Notiz.txt: Es ist keine gültige Mahlzeiten-Datei !")));
    QCOMPARE(messages->item(1)->text(),
             QStringLiteral("Dienstag.txt, Zeile 3: Lebensmittel-ID 4711 nicht in Liste vorhanden !"));

    // The chart: one bar per nutrient, in the class colour, its pattern on top for orange.
    auto *chart = m_form->findChild<SummaryChart *>(QStringLiteral("DiagrammBox"));
    QCOMPARE(chart->data().bars.size(), NutrientCount);
    QCOMPARE(chart->data().bars.at(2).percentClass, PercentClass::Warn);
    QCOMPARE(chart->data().bars.at(2).valueText, QStringLiteral("133,3 %"));
    QCOMPARE(chart->data().bars.at(2).marks, (QList<double>{110, 140}));
    QVERIFY(chart->data().bars.at(0).marks.isEmpty());
    const QImage image = chart->grab().toImage();
    const QRect sugar = ChartBarRect(chart->rect(), chart->font(), chart->data(), 2);
    const QRect salt = ChartBarRect(chart->rect(), chart->font(), chart->data(), 6);
    QVERIFY(sugar.height() > salt.height() && salt.height() > 20);
    const double sugarShare = ColourShare(image, sugar, ClassColour(PercentClass::Warn));
    QVERIFY2(sugarShare > 0.5 && sugarShare < 0.95, qPrintable(QString::number(sugarShare)));
    QCOMPARE(ColourShare(image, salt, ClassColour(PercentClass::Normal)), 1.0); // 48 %, plain green
}

void TestMehrereTageForm::columnHeadShowsNutrientPerDay()
{
    pick({QStringLiteral("Montag.txt"), QStringLiteral("Dienstag.txt")});
    auto *list = m_form->findChild<QTableWidget *>(QStringLiteral("TageListView"));
    auto *chart = m_form->findChild<SummaryChart *>(QStringLiteral("DiagrammBox"));
    QHeaderView *head = list->horizontalHeader();
    const auto clickHead = [head](int column) {
        QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                          QPoint(head->sectionViewportPosition(column) + 5, head->height() / 2));
    };
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

    clickHead(2 + 2); // Zucker
    QCOMPARE(m_form->chartNutrient(), 2);
    const ChartData &perDay = chart->data();
    QCOMPARE(perDay.bars.size(), 2);
    QCOMPARE(perDay.bars.at(0).caption, QStringLiteral("Dienstag.txt"));
    QCOMPARE(perDay.bars.at(1).valueText, QStringLiteral("6"));
    QCOMPARE(perDay.referenceLine, 3.0);
    // Each day in its own class: 2 g of 3 is green, 6 g of 3 red.
    QCOMPARE(perDay.bars.at(0).percentClass, PercentClass::Normal);
    QCOMPARE(perDay.bars.at(1).percentClass, PercentClass::Alarm);
    QCOMPARE(perDay.bars.at(1).marks, (QList<double>{3.3, 4.2}));

    clickHead(2 + 2); // the same head again: back to the averages
    QCOMPARE(m_form->chartNutrient(), -1);
    QCOMPARE(chart->data().bars.size(), NutrientCount);
}

void TestMehrereTageForm::csvGoesThroughTheSaveChecks()
{
    pick({QStringLiteral("Montag.txt"), QStringLiteral("Dienstag.txt")});
    auto *save = m_form->findChild<QPushButton *>(QStringLiteral("CsvSpeichernBtn"));

    // One of the program's own files is refused before anything is written.
    m_prompts.clear();
    const QString dataFile = m_dir->filePath(QStringLiteral("NwConfig.dat"));
    m_prompts.savePaths = {dataFile};
    save->click();
    // Its own filter and extension, whatever dialog was used before.
    const FileDialogRequest &request = m_prompts.calls.first().request;
    QCOMPARE(request.proposedName, QStringLiteral("NW-Mehrere-Tage-251026-143005.csv"));
    QCOMPARE(request.filter, QStringLiteral("CSV-Dateien (*.csv)"));
    QCOMPARE(request.defaultExtension, QStringLiteral("csv"));
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("„") + dataFile +
                         QStringLiteral("“: Diese Datei gehört zum Programm und wird nicht überschrieben.")});
    QVERIFY(!QFile::exists(dataFile));

    // An existing file only after "Ja"; then the CSV with its decimal commas.
    const QString target = m_dir->filePath(QStringLiteral("woche.csv"));
    QVERIFY(WriteBytes(target, "alt"));
    m_prompts.clear();
    m_prompts.savePaths = {target};
    m_prompts.answers = {AnswerRight};
    save->click();
    QCOMPARE(ReadBytes(target), QByteArray("alt"));
    m_prompts.savePaths = {target};
    m_prompts.answers = {AnswerLeft};
    save->click();
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Die Übersicht wurde als CSV-Datei gespeichert !")});
    const QList<QByteArray> lines = ReadBytes(target).split('\n');
    QCOMPARE(lines.size(), 8); // seven lines, each ended by CR LF
    QCOMPARE(lines.at(3),
             QByteArray("Durchschnitt;200,0;500,0;100,0;4,0;2,0;1,0;16,0;2,4;0,0;100,0;60,0;0,0;0,0;70,0\r"));
    QCOMPARE(lines.at(1), QByteArray("Dienstag.txt;100;250;50;2;1;0,5;8;1,2;0;50;30;0;0;35\r"));
}

void TestMehrereTageForm::noSwissFoodsNoDialog()
{
    m_form->prepare(FoodIndex(), true, Requirement());
    m_form->findChild<QPushButton *>(QStringLiteral("DateienWaehlenBtn"))->click();
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Die Schweizer Nährwertliste ist leer!")});
    QCOMPARE(m_prompts.texts(QStringLiteral("openmany")), QStringList());
    // The diary's ranges are refused alike, before anything is read.
    m_form->findChild<QPushButton *>(QStringLiteral("WocheBtn"))->click();
    m_form->findChild<QPushButton *>(QStringLiteral("MonatBtn"))->click();
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")).size(), 3);
    QVERIFY(m_form->summary().days.isEmpty());
}

void TestMehrereTageForm::printAndPdfOfTheDaysRead()
{
    QList<PrintDocument> previews;
    m_form->setPrinting(QStringLiteral("Schweizer Nährwertdatenbank Version 7.0;"),
                        [&previews](const PrintDocument &document, QWidget *) { previews.append(document); });
    // Nothing read yet: nothing to print.
    for (const char *button : {"DruckenBtn", "PdfSpeichernBtn"})
        m_form->findChild<QPushButton *>(QLatin1String(button))->click();
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList(2, QStringLiteral("Es ist noch kein Tag eingelesen !")));
    QVERIFY(previews.isEmpty());

    pick({QStringLiteral("Montag.txt"), QStringLiteral("Dienstag.txt")});
    m_prompts.clear();
    m_form->findChild<QPushButton *>(QStringLiteral("DruckenBtn"))->click();
    QCOMPARE(previews.size(), 1);
    // The rows of the list, in the list's order, and the chart of the averages.
    auto *list = m_form->findChild<QTableWidget *>(QStringLiteral("TageListView"));
    const QList<PrintRow> &rows = previews.first().table.rows;
    QCOMPARE(rows.size(), list->rowCount());
    for (int r = 0; r < list->rowCount(); ++r) {
        QCOMPARE(rows.at(r).label, list->item(r, 0)->text());
        for (int k = 0; k < NutrientCount; ++k)
            QCOMPARE(rows.at(r).cells.at(k).text, list->item(r, 2 + k)->text());
    }
    QCOMPARE(previews.first().chart.bars.size(), NutrientCount);
    QCOMPARE(previews.first().sourceLine, QStringLiteral("Datenquelle: Schweizer Nährwertdatenbank, BLV, Version 7.0"));

    const QString target = m_dir->filePath(QStringLiteral("woche.pdf"));
    m_prompts.savePaths.append(target);
    m_form->findChild<QPushButton *>(QStringLiteral("PdfSpeichernBtn"))->click();
    const FileDialogRequest &request = m_prompts.calls.first().request;
    QCOMPARE(request.filter, QStringLiteral("PDF-Dateien (*.pdf)"));
    QCOMPARE(request.proposedName, QStringLiteral("NW-Mehrere-Tage-251026-143005.pdf"));
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Die Übersicht wurde als PDF-Datei gespeichert !")});
    QVERIFY(ReadBytes(target).startsWith("%PDF-"));
}

// "Dateien wählen ..." is the window's default button: Enter presses it wherever the focus is.
void TestMehrereTageForm::enterChoosesTheDays()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(m_form->findChild<QPushButton *>(QStringLiteral("DateienWaehlenBtn"))->isDefault());
    QTest::keyClick(m_form->findChild<QTableWidget *>(QStringLiteral("TageListView")), Qt::Key_Return);
    QCOMPARE(m_prompts.texts(QStringLiteral("openmany")),
             QStringList{QStringLiteral("Mahlzeiten-Dateien wählen")});
    QVERIFY(m_form->isVisible());
}

void TestMehrereTageForm::allNutrientsOfTheDaysRead()
{
    QList<int> daysPassed;
    QWidget *caller = nullptr;
    m_form->setAllNutrients([&](const DaySummary &summary, QWidget *from) {
        daysPassed.append(int(summary.days.size()));
        caller = from;
    });
    auto *all = m_form->findChild<QPushButton *>(QStringLiteral("AlleNaehrwerteBtn"));

    // Nothing read yet: said, and nothing opened.
    all->click();
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Es ist noch kein Tag eingelesen !")});
    QCOMPARE(daysPassed, QList<int>());

    pick({QStringLiteral("Montag.txt"), QStringLiteral("Dienstag.txt")});
    all->click();
    QCOMPARE(daysPassed, QList<int>{2});
    QCOMPARE(caller, m_form.get());
}

QTEST_MAIN(TestMehrereTageForm)
#include "tst_mehreretageform.moc"
