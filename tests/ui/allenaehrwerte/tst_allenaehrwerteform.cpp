#include "tallenaehrwerteform.h"

#include "datafiles.h"
#include "foodlines.h"
#include "reportfile.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

// Bread with fibre, zinc and folate, its vitamin C unknown; an own bar per piece.
FoodIndex TestIndex()
{
    const QString bread = SwissFoodLineWith(QStringLiteral("1001"), QStringLiteral("Brot"),
                                            "250|50|30|1|0.4|8|1.2|2|50|30|0|0|36",
                                            {{QStringLiteral("Ballast."), QStringLiteral("6")},
                                             {QStringLiteral("Vit.C"), QStringLiteral("k.A.")},
                                             {QStringLiteral("Zink"), QStringLiteral("4")},
                                             {QStringLiteral("Folat"), QStringLiteral("30")}});
    return BuildFoodIndex({QStringLiteral("Schweizer Nährwertdatenbank"), QString(), QString(), bread},
                          {QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                           QStringLiteral("30000;Riegel;1;100;k.A.;10;5;k.A.;2;0,1;k.A.;10;10;0;0;1;")});
}

// 200 g bread and a bar.
MealPlan TestDay(const FoodIndex &index)
{
    MealPlan plan;
    for (const auto &[id, amount] : {QPair<QString, QString>{QStringLiteral("1001"), QStringLiteral("200")},
                                     QPair<QString, QString>{QStringLiteral("30000"), QStringLiteral("1")}}) {
        InputLine line;
        ShowFoodInInputLine(index, index.findById(id), line);
        line.amount = amount;
        EnterFood(plan, line);
    }
    return plan;
}

// The requirement of row 3 (women of 25 to under 51) with Vit.D left out.
RequirementState Requirements()
{
    RequirementState state;
    state.ageGroup = 3;
    state.table[3] = {1800, 225, 45, 60, 20, 48, 6, 16, 300, 1000, 4, 0, 2270};
    state.active = ReferenceSetForRow(state.table, 3, TitleVariant::Start);
    return state;
}

// Fibre 30 g, vitamin C 95 mg and zinc 8 mg in row 3, which the requirement in force takes; the
// other rows are of no use to it.
QByteArray ExtendedFile()
{
    QStringList names;
    for (int e = 0; e < ExtraNutrientCount; ++e)
        names.append(AllNutrients()[NutrientCount + e].shortName);
    QStringList row(ExtraNutrientCount);
    row[NutrientNamed(QStringLiteral("Ballast.")) - NutrientCount] = QStringLiteral("30");
    row[NutrientNamed(QStringLiteral("Vit.C")) - NutrientCount] = QStringLiteral("95");
    row[NutrientNamed(QStringLiteral("Zink")) - NutrientCount] = QStringLiteral("8");
    const QString wrong = QStringList(ExtraNutrientCount, QStringLiteral("1")).join(u';') + u';';
    QStringList lines{QStringLiteral("Referenzwerte;;Stand;11.12.25;"), names.join(u';') + u';'};
    for (int r = 0; r < 8; ++r)
        lines.append(r == 3 ? row.join(u';') + u';' : wrong);
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QTableWidget *Rows(const QWidget *form)
{
    return form->findChild<QTableWidget *>(QStringLiteral("NaehrwerteListView"));
}

// The row of the nutrient named name; -1 when it is not shown.
int RowOf(const QWidget *form, const QString &name)
{
    const QTableWidget *rows = Rows(form);
    for (int r = 0; r < rows->rowCount(); ++r) {
        if (rows->item(r, 0) != nullptr && rows->item(r, 0)->text() == name)
            return r;
    }
    return -1;
}

QColor ClassColour(PercentClass percentClass)
{
    const Rgb rgb = PercentClassColour(percentClass);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

class TestAlleNaehrwerteForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void groupedInTheTablesOrder();
    void percentagesColouredLikeTheDayPanel_data();
    void percentagesColouredLikeTheDayPanel();
    void sortedByPercentageAndBack();
    void csvAsTheCommandLineWritesIt();
    void severalDaysAndNoReferenceFile();

private:
    QTableWidget *rows() const { return Rows(m_form.get()); }
    int rowOf(const QString &name) const { return RowOf(m_form.get(), name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompts m_prompts;
    FoodIndex m_index;
    std::unique_ptr<TAlleNaehrwerteForm> m_form;
};

void TestAlleNaehrwerteForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(WriteBytes(m_dir->filePath(ExtendedReferenceFileName), ExtendedFile()));
    m_prompts = ScriptedPrompts();
    m_index = TestIndex();
    m_form = std::make_unique<TAlleNaehrwerteForm>(
        &m_prompts, m_dir->path() + QLatin1Char('/'),
        [] { return QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5)); }, German);
    m_form->prepareDay(TestDay(m_index), m_index, Requirements());
}

void TestAlleNaehrwerteForm::groupedInTheTablesOrder()
{
    QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Alle Nährwerte des Tages"));
    QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("BedarfLabel"))->text(),
             QStringLiteral("Tagesbedarf '25 bis unter 51' (w)"));
    QCOMPARE(rows()->horizontalHeaderItem(1)->text(), QStringLiteral("Tagesmenge"));

    // Each heading across the whole row, its nutrients below it in the table's order.
    QStringList shown;
    for (int r = 0; r < rows()->rowCount(); ++r) {
        const bool heading = rows()->columnSpan(r, 0) == rows()->columnCount();
        shown.append((heading ? QStringLiteral("# ") : QString()) + rows()->item(r, 0)->text());
    }
    QCOMPARE(shown.size(), NutrientGroupCount + AllNutrientCount);
    const QStringList expected = {QStringLiteral("# Energie und Hauptnährstoffe"),
                                  QStringLiteral("Energie"),
                                  QStringLiteral("Fett"),
                                  QStringLiteral("Cholesterin"),
                                  QStringLiteral("Kohlenhydrate"),
                                  QStringLiteral("Zucker"),
                                  QStringLiteral("Stärke"),
                                  QStringLiteral("Ballaststoffe"),
                                  QStringLiteral("Protein"),
                                  QStringLiteral("Salz"),
                                  QStringLiteral("Alkohol"),
                                  QStringLiteral("Wasser"),
                                  QStringLiteral("# Fettsäuren"),
                                  QStringLiteral("Gesättigte Fettsäuren"),
                                  QStringLiteral("Einfach ungesättigte Fettsäuren"),
                                  QStringLiteral("Mehrfach ungesättigte Fettsäuren"),
                                  QStringLiteral("Linolsäure"),
                                  QStringLiteral("Alpha-Linolensäure"),
                                  QStringLiteral("Eicosapentaensäure (EPA)"),
                                  QStringLiteral("Docosahexaensäure (DHA)"),
                                  QStringLiteral("# Vitamine")};
    QCOMPARE(shown.mid(0, expected.size()), expected);
    QCOMPARE(shown.indexOf(QStringLiteral("# Mineralstoffe")), 1 + 11 + 1 + 7 + 1 + 15);
    QCOMPARE(shown.mid(shown.size() - 3),
             (QStringList{QStringLiteral("Jod"), QStringLiteral("Zink"), QStringLiteral("Selen")}));

    // A line: 200 g of bread give 12 g fibre; the bar has no value to give.
    const int fibre = rowOf(QStringLiteral("Ballaststoffe"));
    QStringList cells;
    for (int column = 0; column < rows()->columnCount(); ++column)
        cells.append(rows()->item(fibre, column)->text());
    QCOMPARE(cells.join(u'|'), QStringLiteral("Ballaststoffe|12,0|g|30|40,0|1"));
    QVERIFY(rows()->item(fibre, 1)->toolTip().contains(QStringLiteral("Unvollständig")));
    // The thirteen as the day panel sums them: 500 kcal of bread, 100 of the bar.
    QCOMPARE(rows()->item(rowOf(QStringLiteral("Energie")), 1)->text(), QStringLiteral("600,0"));

    // Own values for women: the others are rated by the row of women of 25 to under 51, and the
    // window says so.
    RequirementState own = Requirements();
    own.ageGroup = 9;
    own.table[9] = own.table[3];
    own.active = ReferenceSetForRow(own.table, 9, TitleVariant::TakeOver);
    m_form->prepareDay(TestDay(m_index), m_index, own);
    QCOMPARE(
        m_form->findChild<QLabel *>(QStringLiteral("BedarfLabel"))->text(),
        QStringLiteral("Tagesbedarf eigene Werte (w); weitere Nährwerte: Tagesbedarf '25 bis unter 51' (w)"));
    QCOMPARE(rows()->item(rowOf(QStringLiteral("Ballaststoffe")), 3)->text(), QStringLiteral("30"));
}

void TestAlleNaehrwerteForm::percentagesColouredLikeTheDayPanel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<bool>("coloured");
    QTest::addColumn<int>("percentClass");

    // A limit: 70 g sugar against 45 is 155.6 %, red. Targets: fibre 40 %, orange; zinc 8 mg of
    // 8, green; vitamin B12 0 %, the day panel's grey. No reference, no colour.
    QTest::newRow("limit far over") << QStringLiteral("Zucker") << QStringLiteral("155,6") << true
                                    << int(PercentClass::Alarm);
    QTest::newRow("target too low") << QStringLiteral("Ballaststoffe") << QStringLiteral("40,0") << true
                                    << int(PercentClass::Warn);
    QTest::newRow("target met") << QStringLiteral("Zink") << QStringLiteral("100,0") << true
                                << int(PercentClass::Normal);
    QTest::newRow("nothing eaten") << QStringLiteral("Vitamin B12") << QStringLiteral("0,0") << true
                                   << int(PercentClass::Unrated);
    QTest::newRow("no requirement among the thirteen")
        << QStringLiteral("Vitamin D") << QString() << false << 0;
    QTest::newRow("no reference value") << QStringLiteral("Folat") << QString() << false << 0;
}

void TestAlleNaehrwerteForm::percentagesColouredLikeTheDayPanel()
{
    QFETCH(QString, name);
    QFETCH(bool, coloured);
    QFETCH(int, percentClass);

    const int row = rowOf(name);
    QVERIFY(row >= 0);
    const QTableWidgetItem *percent = rows()->item(row, 4);
    QTEST(percent->text(), "percent");
    QCOMPARE(percent->background().style() != Qt::NoBrush, coloured);
    if (coloured)
        QCOMPARE(percent->background().color(), ClassColour(PercentClass(percentClass)));
}

void TestAlleNaehrwerteForm::sortedByPercentageAndBack()
{
    auto *box = m_form->findChild<QCheckBox *>(QStringLiteral("ProzentSortierenBox"));
    QVERIFY(!box->isChecked());
    // The head of the percentages sorts, as the box does.
    QHeaderView *head = rows()->horizontalHeader();
    QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                      QPoint(head->sectionViewportPosition(4) + 10, head->height() / 2));
    QVERIFY(box->isChecked());
    QVERIFY(m_form->sortedByPercent());

    // No headings; the percentages rise, and the nutrients without one come last.
    QCOMPARE(rows()->rowCount(), AllNutrientCount);
    double previous = -1;
    int firstWithout = -1;
    for (int r = 0; r < rows()->rowCount(); ++r) {
        QCOMPARE(rows()->columnSpan(r, 0), 1);
        const QString text = rows()->item(r, 4)->text();
        if (text.isEmpty()) {
            if (firstWithout < 0)
                firstWithout = r;
            continue;
        }
        QCOMPARE(firstWithout, -1);
        const double percent = QString(text).replace(u',', u'.').toDouble();
        QVERIFY(percent >= previous);
        previous = percent;
    }
    QCOMPARE(rows()->item(firstWithout, 0)->text(), QStringLiteral("Vitamin D"));
    QCOMPARE(rows()->item(firstWithout - 1, 0)->text(), QStringLiteral("Zucker"));

    box->click();
    QCOMPARE(rows()->rowCount(), NutrientGroupCount + AllNutrientCount);
    QCOMPARE(rows()->item(0, 0)->text(), QStringLiteral("Energie und Hauptnährstoffe"));
}

void TestAlleNaehrwerteForm::csvAsTheCommandLineWritesIt()
{
    auto *save = m_form->findChild<QPushButton *>(QStringLiteral("CsvSpeichernBtn"));

    // One of the program's own files is refused before anything is written.
    const QString dataFile = m_dir->filePath(ExtendedReferenceFileName);
    const QByteArray before = ReadBytes(dataFile);
    m_prompts.savePaths = {dataFile};
    save->click();
    QCOMPARE(ReadBytes(dataFile), before);
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")).size(), 1);

    m_prompts.clear();
    const QString path = m_dir->filePath(QStringLiteral("naehrwerte.csv"));
    m_prompts.savePaths = {path};
    save->click();
    const FileDialogRequest &request = m_prompts.calls.first().request;
    QCOMPARE(request.proposedName, QStringLiteral("NW-Naehrwerte-251026-143005.csv"));
    QCOMPARE(request.filter, QStringLiteral("CSV-Dateien (*.csv)"));
    QCOMPARE(request.defaultExtension, QStringLiteral("csv"));
    QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Die Nährwerte wurden als CSV-Datei gespeichert !")});
    // The lines of the list, whatever the window shows them in: German numbers, the groups left out.
    const QString expected = m_dir->filePath(QStringLiteral("erwartet.csv"));
    QVERIFY(WriteReportFile(expected, FormatNutrientListCsv(m_form->list(), German)).ok);
    QCOMPARE(ReadBytes(path), ReadBytes(expected));
    QCOMPARE(ReadBytes(path).count("\r\n"), 1 + AllNutrientCount);
}

void TestAlleNaehrwerteForm::severalDaysAndNoReferenceFile()
{
    QVERIFY(QFile::remove(m_dir->filePath(ExtendedReferenceFileName)));
    TAlleNaehrwerteForm fresh(&m_prompts, m_dir->path() + QLatin1Char('/'), SystemClock(), German);
    const QByteArray header = "VNR=Mz251026\r\n";
    QVERIFY(WriteBytes(m_dir->filePath(QStringLiteral("a.txt")), header + "Mahlzeit1=1;1001;300,0;\r\n"));
    QVERIFY(WriteBytes(m_dir->filePath(QStringLiteral("b.txt")), header + "Mahlzeit1=1;1001;100,0;\r\n"));
    const DaySummary summary = SummariseMealFiles(
        {m_dir->filePath(QStringLiteral("a.txt")), m_dir->filePath(QStringLiteral("b.txt"))}, m_index,
        Requirements().active);
    fresh.prepareDays(summary, Requirements());

    QCOMPARE(fresh.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Alle Nährwerte: Durchschnitt je Tag aus 2 Tagen"));
    QVERIFY(
        fresh.findChild<QLabel *>(QStringLiteral("BedarfLabel"))->text().contains(ExtendedReferenceFileName));
    const QTableWidget *list = Rows(&fresh);
    QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("Durchschnitt"));
    // 200 g of bread a day: 12 g fibre, now without a reference; the thirteen keep theirs.
    const int fibre = RowOf(&fresh, QStringLiteral("Ballaststoffe"));
    QCOMPARE(list->item(fibre, 1)->text(), QStringLiteral("12,0"));
    QCOMPARE(list->item(fibre, 3)->text(), QString());
    QCOMPARE(list->item(fibre, 5)->text(), QStringLiteral("0"));
    QCOMPARE(list->item(RowOf(&fresh, QStringLiteral("Energie")), 3)->text(), QStringLiteral("1800"));
}

QTEST_MAIN(TestAlleNaehrwerteForm)
#include "tst_allenaehrwerteform.moc"
