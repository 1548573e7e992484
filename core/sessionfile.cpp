#include "sessionfile.h"

#include "datafiles.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QLatin1String SessionLineName("Sitzung");
const QLatin1String SessionVersion("2");
const QLatin1String FirstSessionVersion("1"); // without the meal file last saved or read

// A path may hold any character but NUL; the ones that would end the field or the line are
// escaped, and '%' so that the escape itself stays unambiguous.
QString EscapeField(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'%':
            escaped += QLatin1String("%25");
            break;
        case u';':
            escaped += QLatin1String("%3B");
            break;
        case u'\r':
            escaped += QLatin1String("%0D");
            break;
        case u'\n':
            escaped += QLatin1String("%0A");
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

// Only the four escapes EscapeField writes are undone; the text stays UTF-16 throughout, so
// even a name no encoding could hold comes back as it was.
QString UnescapeField(QStringView field)
{
    static const struct
    {
        QLatin1String code;
        char16_t character;
    } Escapes[] = {{QLatin1String("%25"), u'%'},
                   {QLatin1String("%3B"), u';'},
                   {QLatin1String("%0D"), u'\r'},
                   {QLatin1String("%0A"), u'\n'}};
    QString text;
    text.reserve(field.size());
    qsizetype i = 0;
    while (i < field.size()) {
        bool escaped = false;
        for (const auto &escape : Escapes) {
            if (field.mid(i, 3).compare(escape.code, Qt::CaseInsensitive) == 0) {
                text += QChar(escape.character);
                i += 3;
                escaped = true;
                break;
            }
        }
        if (!escaped)
            text += field.at(i++);
    }
    return text;
}

// "MahlzeitN=" with N 1..6: exactly what SessionFileLines writes for an entry.
bool IsMealLine(const QString &line)
{
    if (line.size() < 10 || !line.startsWith(QLatin1String("Mahlzeit")) || line.at(9) != u'=')
        return false;
    const char16_t digit = line.at(8).unicode();
    return digit >= u'1' && digit < u'1' + MealCount;
}

} // namespace

QStringList SessionFileLines(const MealPlan &plan, const QString &fileLabel)
{
    QStringList lines = MealFileLines(plan);
    lines.append(SessionLineName + QLatin1Char('=') + SessionVersion + QLatin1Char(';') +
                 EscapeField(plan.loadedMealFilePath()) + QLatin1Char(';') + EscapeField(fileLabel) +
                 QLatin1Char(';') + EscapeField(plan.mealFilePath()) + QLatin1Char(';'));
    return lines;
}

SessionFile ParseSessionFileLines(const QStringList &lines)
{
    SessionFile session;
    session.status = SessionFileStatus::Damaged;
    if (lines.size() < 2 || lines.first() != MealFileHeaderLine)
        return session;

    const QString &last = lines.last();
    const qsizetype equals = last.indexOf(u'=');
    if (equals < 0 || QStringView(last).left(equals).compare(SessionLineName, Qt::CaseInsensitive) != 0)
        return session;
    const QList<QStringView> fields = QStringView(last).mid(equals + 1).split(u';');
    // "2;path;label;file;" splits into five, "1;path;label;" into four, the last one empty.
    const bool first = fields.size() == 4 && fields.at(0) == FirstSessionVersion;
    const bool second = fields.size() == 5 && fields.at(0) == SessionVersion;
    if ((!first && !second) || !fields.last().isEmpty())
        return session;

    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        if (!IsMealLine(lines.at(i)))
            return session;
    }
    session.mealLines = lines.mid(0, lines.size() - 1);
    session.loadedMealFilePath = UnescapeField(fields.at(1));
    session.fileLabel = UnescapeField(fields.at(2));
    if (second)
        session.mealFilePath = UnescapeField(fields.at(3));
    session.entryCount = int(lines.size()) - 2;
    session.status = session.entryCount > 0 ? SessionFileStatus::Ok : SessionFileStatus::None;
    return session;
}

QString SessionFilePath(const QString &dataDirectory)
{
    return dataDirectory + SessionFileName;
}

SessionFile ReadSessionFile(const QString &dataDirectory)
{
    const QString path = SessionFilePath(dataDirectory);
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    SessionFile damaged;
    damaged.status = SessionFileStatus::Damaged;
    SessionFile notAFile;
    notAFile.status = SessionFileStatus::NotAFile;
    if (!info.isFile())
        return notAFile;
    // Six meals of twelve entries take a few kilobytes; anything near a meal file's limit is
    // no recovery file of this program, and is not read whole.
    if (info.size() > MaxMealFileBytes)
        return damaged;
    const TextReadResult read = ReadTextFile(path, MaxMealFileBytes);
    if (read.status == ReadStatus::Missing)
        return {};
    if (read.status == ReadStatus::Refused)
        return QFileInfo(path).isFile() ? damaged : notAFile; // swapped or grown since the look above
    if (read.status != ReadStatus::Ok)
        return damaged;
    return ParseSessionFileLines(read.file.lines);
}

WriteResult WriteSessionFile(const QString &dataDirectory, const MealPlan &plan, const QString &fileLabel)
{
    // UTF-8 with its mark: the path and the label may hold characters no 8-bit code page has.
    return WriteTextFile(SessionFilePath(dataDirectory), SessionFileLines(plan, fileLabel),
                         TextEncoding::Utf8Bom);
}

bool RemoveSessionFile(const QString &dataDirectory)
{
    const QString path = SessionFilePath(dataDirectory);
    return QFile::remove(path) || !QFileInfo::exists(path);
}

MealFileLoad RestoreSession(const SessionFile &session, const FoodIndex &index)
{
    MealFileLoad load = LoadMealFileLines(session.mealLines, index, 1);
    load.plan.setLoadedMealFilePath(session.loadedMealFilePath);
    load.plan.setMealFilePath(session.mealFilePath);
    load.plan.setChanged(true);
    return load;
}
