#include "reference.h"

#include "datafiles.h"
#include "fooddata.h"
#include "numbertext.h"
#include "textformat.h"

namespace {

// The data lines of a reference file: everything after its header lines. A file shorter
// than its header has no header to drop and keeps its line as data.
QStringList ReferenceDataLines(const TextReadResult &read)
{
    if (read.status != ReadStatus::Ok)
        return QStringList();
    QStringList lines = read.file.lines;
    if (lines.size() >= ReferenceHeaderLines)
        lines.remove(0, ReferenceHeaderLines);
    return lines;
}

} // namespace

QString ReferenceTitle(int row, TitleVariant variant)
{
    static const char *const groups[] = {"19 bis unter 25", "25 bis unter 51", "51 bis unter 65"};
    const QString sex = row % 2 == 0 ? QStringLiteral("(m) ") : QStringLiteral("(w) ");
    if (row >= 0 && row <= 5)
        return QStringLiteral("Tagesbedarf '") + QLatin1String(groups[row / 2]) + QStringLiteral("' ") + sex;
    if (row == 6 || row == 7)
        return QStringLiteral("Tagesbedarf '65 und älter' ") + sex;
    if (row == 8 || row == 9) {
        const QString gap = variant == TitleVariant::Start ? QStringLiteral("  ") : QStringLiteral(" ");
        return QStringLiteral("Tagesbedarf eigene Werte") + gap + sex;
    }
    return QStringLiteral(" ???");
}

double ParseReferenceValue(const QString &text)
{
    return LeadingNumber(CommaToPoint(text));
}

ReferenceRow ParseReferenceLine(const QString &line)
{
    ReferenceRow row{};
    const QStringList fields = SplitFoodLine(line, NutrientCount);
    for (int k = 0; k < NutrientCount; ++k)
        row[k] = ParseReferenceValue(fields.at(k));
    return row;
}

ReferenceSet BuiltInReference()
{
    ReferenceSet set;
    set.title = QStringLiteral("Tagesbedarf '25 bis unter 51' (w)*");
    // Energie, KoHydr, Zucker, Fett, Fet.gesä, Protein, Salz, Eisen, Magn., Calcium, Vit.B12,
    // Vit.D, Wasser: a fallback near the DGE row for women of 25 to under 51, used only when
    // no reference file gives a row; the star in the title says it is not a file's row.
    set.values = {1800, 225, 21, 60, 19, 62, 5, 14, 300, 1000, 4, 20, 1410};
    return set;
}

ReferenceSet ReferenceSetForRow(const ReferenceTable &table, int row, TitleVariant variant)
{
    ReferenceSet set;
    set.title = ReferenceTitle(row, variant);
    // A remembered row that does not exist puts zeros in force: every percentage then stays
    // unrated until the user picks a real row.
    if (row < 0 || row >= ReferenceRowCount)
        return set;
    for (int k = 0; k < NutrientCount; ++k)
        set.values[k] = table[row][k];
    return set;
}

ReferenceLoad LoadReferenceValues(const QString &dataDirectory, const SettingsList &settings)
{
    ReferenceLoad load;
    RequirementState &state = load.state;
    state.settings = settings;

    const TextReadResult dge = ReadTextFile(DataFilePath(dataDirectory, DgeReferenceFileName));
    // A file that is there but was refused (a pipe, far too large) says so; any other failure
    // counts as missing.
    if (dge.status == ReadStatus::Refused)
        load.message = dge.reason;
    else if (dge.status != ReadStatus::Ok)
        load.message = QStringLiteral("DGE*-Referenzwerteliste nicht gefunden!");
    const TextReadResult own = ReadTextFile(DataFilePath(dataDirectory, OwnReferenceFileName));
    if (own.status == ReadStatus::Ok)
        state.ownValuesEncoding = own.file.encoding;
    else if (own.status == ReadStatus::Failed || own.status == ReadStatus::Refused)
        state.ownValuesProtection = ProtectUnreadableFile(OwnReferenceFileName, own.reason);

    const QStringList dataLines = ReferenceDataLines(dge) + ReferenceDataLines(own);
    if (dataLines.isEmpty()) {
        state.active = BuiltInReference();
        return load;
    }
    for (int r = 0; r < dataLines.size() && r < ReferenceRowCount; ++r)
        state.table[r] = ParseReferenceLine(dataLines.at(r));

    const int line = FindSetting(settings, QStringLiteral("agroup"));
    state.ageGroup = line < 0 ? DefaultAgeGroup : ParseWholeNumber(SettingValue(settings, line));
    state.active = ReferenceSetForRow(state.table, state.ageGroup, TitleVariant::Start);
    return load;
}

QString ReferenceValueText(double value, const QLocale &locale)
{
    return FormatGeneral(value, locale);
}

QStringList ReferenceValueTexts(const ReferenceSet &set, const QLocale &locale)
{
    QStringList texts;
    texts.reserve(NutrientCount);
    for (const double value : set.values)
        texts.append(ReferenceValueText(value, locale));
    return texts;
}

QStringList OwnValuesFileLines(const QStringList &row8Texts, const QStringList &row9Texts, const QDate &date)
{
    const auto valueLine = [](const QStringList &texts) {
        QString line;
        for (int k = 0; k < NutrientCount; ++k) {
            const QString text = texts.value(k);
            line += (text.isEmpty() ? QStringLiteral("0") : text) + QLatin1Char(';');
        }
        return line;
    };
    QString names;
    for (const NutrientEntry &entry : NutrientCatalogue())
        names += entry.shortName + QLatin1Char(';');
    return {QStringLiteral("Eigene Referenzwerte;;Stand;") + ShortDate(date) + QLatin1Char(';'), names,
            valueLine(row8Texts), valueLine(row9Texts)};
}

WriteResult WriteOwnValuesFile(const QString &dataDirectory, const QStringList &row8Texts,
                               const QStringList &row9Texts, const QDate &date, const RequirementState &state)
{
    const QString path = DataFilePath(dataDirectory, OwnReferenceFileName);
    if (state.ownValuesProtection.isProtected())
        return state.ownValuesProtection.refusedWrite(path);
    return WriteTextFile(path, OwnValuesFileLines(row8Texts, row9Texts, date), state.ownValuesEncoding);
}

TakeOverOutcome TakeOverRow(RequirementState &state, int row, const QString &dataDirectory)
{
    TakeOverOutcome outcome;
    // Stored on a copy, so that a failed write leaves the settings as they were.
    SettingsList settings = state.settings;
    const WriteResult stored = StoreAgeGroup(settings, row, dataDirectory);
    if (!stored.ok && !stored.refused()) {
        outcome.failure = stored.message();
        return outcome;
    }
    // A protected settings file only keeps the choice from lasting beyond this run; the
    // user still gets the row asked for.
    if (stored.refused())
        outcome.notice =
            settings.protection.refusal(QStringLiteral("; die Auswahl gilt nur bis zum Programmende."));
    state.settings = settings;
    state.ageGroup = row;
    state.active = ReferenceSetForRow(state.table, row, TitleVariant::TakeOver);
    outcome.inForce = true;
    return outcome;
}
