// The pages of a print document: laid out before painting, so the page count and where each
// row lands are known; and the PDF as a file.

#include "printpainter.h"
#include "testfiles.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);
const QDateTime Created(QDate(2025, 10, 26), QTime(14, 30, 5));

QSizeF A4Content()
{
    return PrintPageLayout().paintRect(QPageLayout::Millimeter).size() * 10;
}

QStringList Values()
{
    return QStringLiteral("1234,5|100,0|80,0|84,0|10,0|47,0|k.A.|15,0|300,0|1000,0|4,0|30,0|70,0").split(QLatin1Char('|'));
}

// Six meals of twelve foods each, the most a day holds; every third name is long.
PrintDocument FullDay()
{
    MealPlan plan;
    for (int meal = 1; meal <= MealCount; ++meal) {
        for (int i = 0; i < MaxEntriesPerMeal; ++i) {
            const QString name = i % 3 == 0 ? QStringLiteral(" Kartoffelflocken mit Milchpulver und Salz (Instant-Kartoffelstock)")
                                            : QStringLiteral(" Apfel, roh");
            plan.append(meal, {name, QStringLiteral("1"), QString::number(i + 1), QStringLiteral("150,0"), Values()});
        }
    }
    ReferenceSet requirement;
    requirement.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ");
    requirement.values = {1800, 250, 50, 70, 20, 47, 6, 15, 350, 1000, 4, 20, 2000};
    return DayPrintDocument(plan, ComputeBalance(plan, requirement), requirement, German, Created, QString());
}

} // namespace

class TestPrintPainter : public QObject
{
    Q_OBJECT

private slots:
    void sixFullMealsOnFourPages();
    void longLabelsWrap_data();
    void longLabelsWrap();
    void pdfFile();
};

void TestPrintPainter::sixFullMealsOnFourPages()
{
    const PrintDocument document = FullDay();
    const PrintLayout layout = LayOutPrintDocument(document, A4Content());
    QCOMPARE(layout.pages.size(), 4);

    // Every row once and in order; every page that holds rows starts them under the heads;
    // nothing reaches into the footer; the chart comes last.
    int nextRow = 0;
    for (int page = 0; page < layout.pages.size(); ++page) {
        const QList<PrintBlock> &blocks = layout.pages.at(page).blocks;
        const PrintBlock &footer = blocks.last();
        QCOMPARE(footer.kind, PrintBlockKind::Footer);
        QCOMPARE(footer.lines.value(1), QStringLiteral("Seite %1 von 4").arg(page + 1));
        bool headSeen = false;
        qreal bottom = 0;
        for (const PrintBlock &block : blocks) {
            if (block.kind == PrintBlockKind::Footer)
                continue;
            QVERIFY2(block.rect.top() >= bottom - 0.01, "blocks overlap");
            bottom = block.rect.bottom();
            QVERIFY2(bottom <= footer.rect.top() + 0.01, qPrintable(QStringLiteral("page %1 runs into its footer").arg(page + 1)));
            if (block.kind == PrintBlockKind::TableHead)
                headSeen = true;
            if (block.kind == PrintBlockKind::TableRow) {
                QVERIFY(headSeen);
                QCOMPARE(block.row, nextRow++);
            }
        }
    }
    QCOMPARE(nextRow, int(document.table.rows.size()));
    QCOMPARE(layout.pages.last().blocks.at(layout.pages.last().blocks.size() - 2).kind, PrintBlockKind::Chart);

    // The day's last three rows stand on one page.
    int lastPageOfSums = -1;
    int lastPageOfPercent = -2;
    for (int page = 0; page < layout.pages.size(); ++page) {
        for (const PrintBlock &block : layout.pages.at(page).blocks) {
            if (block.kind == PrintBlockKind::TableRow && block.row == document.table.rows.size() - 3)
                lastPageOfSums = page;
            if (block.kind == PrintBlockKind::TableRow && block.row == document.table.rows.size() - 1)
                lastPageOfPercent = page;
        }
    }
    QCOMPARE(lastPageOfSums, lastPageOfPercent);
}

void TestPrintPainter::longLabelsWrap_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("fits") << QStringLiteral("Apfel, roh") << false;
    QTest::newRow("breaks at blanks") << QStringLiteral("Kartoffelflocken mit Milchpulver und Salz (Instant-Kartoffelstock)") << true;
    QTest::newRow("one long word broken") << QString(90, QLatin1Char('W')) << true;
}

void TestPrintPainter::longLabelsWrap()
{
    QFETCH(QString, label);
    PrintDocument document;
    document.table.rows.append({PrintRowKind::Entry, label, QStringLiteral("1,0"), {}, QStringLiteral("1")});
    const PrintLayout layout = LayOutPrintDocument(document, A4Content());
    const PrintBlock *row = nullptr;
    for (const PrintBlock &block : layout.pages.first().blocks) {
        if (block.kind == PrintBlockKind::TableRow)
            row = &block;
    }
    QVERIFY(row != nullptr);
    QTEST(row->lines.size() > 1, "wraps");
    // Nothing lost, nothing wider than its column.
    QCOMPARE(row->lines.join(QString()).remove(QLatin1Char(' ')), QString(label).remove(QLatin1Char(' ')));
    const QFontMetricsF metrics(PrintBodyFont());
    for (const QString &line : row->lines)
        QVERIFY(metrics.horizontalAdvance(line) <= layout.columnWidths.first());
}

void TestPrintPainter::pdfFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tag.pdf"));
    QVERIFY(WriteBytes(path, "alt"));
    const WriteResult written = WritePrintPdf(path, FullDay());
    QVERIFY2(written.ok, qPrintable(written.message()));
    const QByteArray pdf = ReadBytes(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("tag.pdf")});

    // A folder that does not exist: a message for the user, and no file anywhere.
    const WriteResult failed = WritePrintPdf(folder.filePath(QStringLiteral("fehlt/tag.pdf")), FullDay());
    QVERIFY(!failed.ok);
    QVERIFY(failed.message().contains(QStringLiteral("fehlt")));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("tag.pdf")});
}

QTEST_MAIN(TestPrintPainter)
#include "tst_printpainter.moc"
