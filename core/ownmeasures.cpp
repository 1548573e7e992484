#include "ownmeasures.h"

#include "datafiles.h"
#include "fooddata.h"
#include "numbertext.h"

#include <algorithm>

namespace {

// The measure a data line gives, read exactly as FoodMeasures::fromLines reads it.
bool ReadLine(const QString &line, OwnMeasure *own)
{
    const FoodMeasures one = FoodMeasures::fromLines({QString(), line});
    const QStringList fields = SplitFoodLine(line, 3);
    const QString id = fields.at(0).trimmed();
    const QList<FoodMeasure> measures = one.measuresOf(id);
    if (measures.isEmpty())
        return false;
    *own = {id, measures.first()};
    return true;
}

bool SameFoodAndMeasure(const OwnMeasure &own, const QString &id, const QString &name)
{
    // Ids are compared without regard to case, as the food look-up does.
    return own.measure.name == name && own.id.compare(id, Qt::CaseInsensitive) == 0;
}

WriteResult Write(OwnMeasuresFile &file, const QString &dataDirectory)
{
    return file.protection.writeLines(DataFilePath(dataDirectory, OwnMeasuresFileName), file.lines, file.encoding);
}

} // namespace

QList<OwnMeasure> OwnMeasuresFile::list() const
{
    QList<OwnMeasure> measures;
    for (qsizetype i = MeasuresHeaderLines; i < lines.size(); ++i) {
        OwnMeasure own;
        if (!ReadLine(lines.at(i), &own))
            continue;
        const bool earlier = std::any_of(measures.begin(), measures.end(), [&](const OwnMeasure &known) {
            return SameFoodAndMeasure(known, own.id, own.measure.name);
        });
        if (!earlier)
            measures.append(own);
    }
    return measures;
}

OwnMeasuresFile LoadOwnMeasures(const QString &dataDirectory)
{
    OwnMeasuresFile file;
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, OwnMeasuresFileName));
    if (read.status == ReadStatus::Ok) {
        file.lines = read.file.lines;
        file.encoding = read.file.encoding;
    } else if (read.status == ReadStatus::Failed || read.status == ReadStatus::Refused) {
        file.protection = ProtectUnreadableFile(OwnMeasuresFileName, read.reason);
    }
    return file;
}

WriteResult AddOwnMeasure(OwnMeasuresFile &file, const QString &id, const QString &name,
                          const QString &gramsText, const QString &dataDirectory)
{
    const QString path = DataFilePath(dataDirectory, OwnMeasuresFileName);
    const QString trimmedId = id.trimmed();
    if (trimmedId.isEmpty() || trimmedId.contains(QLatin1Char(';')) || trimmedId.contains(QLatin1Char('\n')) ||
        trimmedId.contains(QLatin1Char('\r')))
        return WriteResult::Refused(path, OwnMeasureIdRefusal());
    if (!MeasureNames().contains(name))
        return WriteResult::Refused(path, OwnMeasureNameRefusal());
    const QString grams = gramsText.trimmed();
    // Digits only, so that nothing typed can add a field or a line to the file.
    if (!std::all_of(grams.begin(), grams.end(), IsAsciiDigit))
        return WriteResult::Refused(path, OwnMeasureGramsRefusal());
    const QString line = trimmedId + QLatin1Char(';') + name + QLatin1Char(';') + grams + QLatin1Char(';');
    OwnMeasure own;
    // The line is checked as the reader will read it, so what is written is what comes back.
    if (!ReadLine(line, &own))
        return WriteResult::Refused(path, OwnMeasureGramsRefusal());

    if (file.lines.size() < MeasuresHeaderLines)
        file.lines = {OwnMeasuresHeaderLine()};
    bool replaced = false;
    for (qsizetype i = MeasuresHeaderLines; i < file.lines.size() && !replaced; ++i) {
        OwnMeasure known;
        if (ReadLine(file.lines.at(i), &known) && SameFoodAndMeasure(known, trimmedId, name)) {
            file.lines[i] = line;
            replaced = true;
        }
    }
    if (!replaced)
        file.lines.append(line);
    return Write(file, dataDirectory);
}

WriteResult DeleteOwnMeasure(OwnMeasuresFile &file, const QString &id, const QString &name,
                             const QString &dataDirectory)
{
    const qsizetype before = file.lines.size();
    for (qsizetype i = file.lines.size() - 1; i >= MeasuresHeaderLines; --i) {
        OwnMeasure known;
        if (ReadLine(file.lines.at(i), &known) && SameFoodAndMeasure(known, id.trimmed(), name))
            file.lines.removeAt(i);
    }
    if (file.lines.size() == before) {
        WriteResult nothing;
        nothing.path = DataFilePath(dataDirectory, OwnMeasuresFileName);
        nothing.encoding = file.encoding;
        return nothing;
    }
    return Write(file, dataDirectory);
}

QString OwnMeasuresHeaderLine()
{
    return QStringLiteral("ID;Maß;Gramm;");
}

QString OwnMeasureNameRefusal()
{
    return QStringLiteral("Bitte ein Maß aus der Liste wählen!");
}

QString OwnMeasureGramsRefusal()
{
    return QStringLiteral("Das Gewicht des Maßes muss eine ganze Zahl von Gramm größer 0 sein!");
}

QString OwnMeasureIdRefusal()
{
    return QStringLiteral("Bitte zuerst ein Lebensmittel wählen!");
}
