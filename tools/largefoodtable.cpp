#include "largefoodtable.h"

#include "datafiles.h"
#include "fooddata.h"
#include "foodindex.h"
#include "textfile.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace {

constexpr int OwnFoodCount = 1001;
constexpr int FirstOwnId = 30000;
constexpr qint64 IdStep = 100000;

// line with its id (field 0) and name (field 1) made into those of copy k.
QString CopiedLine(const QString &line, int k)
{
    const qsizetype idEnd = line.indexOf(u';');
    const qsizetype nameEnd = idEnd < 0 ? -1 : line.indexOf(u';', idEnd + 1);
    if (idEnd < 0 || nameEnd < 0)
        return line;
    bool numeric = false;
    const qint64 id = QStringView(line).first(idEnd).toLongLong(&numeric);
    const QString copiedId =
        numeric ? QString::number(id + IdStep * k) : line.left(idEnd) + QStringLiteral("#%1").arg(k);
    return copiedId + QStringView(line).sliced(idEnd, nameEnd - idEnd) + QStringLiteral(" #%1").arg(k) +
           QStringView(line).sliced(nameEnd);
}

} // namespace

QString WriteLargeFoodTables(const QString &shippedDataDirectory, const QString &outDirectory, int copies)
{
    const SwissFoodLoad swiss = LoadSwissDatabase(shippedDataDirectory);
    if (swiss.outcome != FoodFileOutcome::Loaded || swiss.lines.size() <= SwissFoodHeaderLines)
        return QStringLiteral("no Swiss foods in %1").arg(shippedDataDirectory);

    QStringList lines = swiss.lines.lines().mid(0, SwissFoodHeaderLines);
    const QStringList foods = swiss.lines.lines().mid(SwissFoodHeaderLines);
    lines.reserve(SwissFoodHeaderLines + foods.size() * copies);
    for (int k = 0; k < copies; ++k) {
        for (const QString &food : foods)
            lines.append(k == 0 ? food : CopiedLine(food, k));
    }
    WriteResult written =
        WriteTextFile(DataFilePath(outDirectory, SwissFoodFileName), lines, TextEncoding::Windows1252);
    if (!written.ok)
        return written.message();

    const FoodIndex shipped = BuildDeferredFoodIndex(swiss.lines, {});
    QList<AdditionalFoodRow> rows;
    rows.reserve(OwnFoodCount);
    for (int i = 0; i < OwnFoodCount; ++i) {
        const FoodRecord food = shipped.record(i % shipped.count());
        rows.append({QString::number(FirstOwnId + i), food.name.left(33) + QStringLiteral(" eigen"),
                     food.referenceAmount, food.values});
    }
    written = WriteTextFile(DataFilePath(outDirectory, OwnFoodFileName),
                            AdditionalFoodFileLines(rows, QDate(2025, 12, 1)), TextEncoding::Windows1252);
    if (!written.ok)
        return written.message();

    for (const QString name : {DgeReferenceFileName, WordListFileName, MeasuresFileName}) {
        const QString target = DataFilePath(outDirectory, name);
        QFile::remove(target);
        if (!QFile::copy(DataFilePath(shippedDataDirectory, name), target))
            return QStringLiteral("cannot copy %1 into %2").arg(name, outDirectory);
    }
    return QString();
}
