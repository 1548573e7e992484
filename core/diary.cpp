#include "diary.h"

#include "datafiles.h"
#include "mealfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString UserFilesFolder(const QString &documentsFolder)
{
    return WithSlash(documentsFolder) + QStringLiteral("Kostbilanz/");
}

QString DiaryFolderIn(const QString &documentsFolder)
{
    return UserFilesFolder(documentsFolder) + QStringLiteral("Tagebuch/");
}

QString DiaryFileName(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".txt");
}

QString DiaryFilePath(const QString &diaryFolder, const QDate &date)
{
    return WithSlash(diaryFolder) + DiaryFileName(date);
}

QDate DiaryFileDate(const QString &fileName)
{
    // Exactly the names the diary writes: a copy "2026-12-11 (2).txt" is not a day of it.
    static const QRegularExpression name(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})\\.txt$"));
    const QRegularExpressionMatch match = name.match(fileName);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

QString WeekdayDateText(const QDate &date)
{
    // Not QLocale's short day names: they differ between systems ("Do." or "Do") and would
    // follow a non-German desktop.
    static const char *const days[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    if (!date.isValid())
        return QString();
    return QLatin1String(days[date.dayOfWeek() - 1]) + QLatin1Char(' ') +
           date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString DiaryLabel(const QDate &date)
{
    return QStringLiteral("Tagebuch ") + date.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate DiaryLabelDate(const QString &label)
{
    const QString prefix = QStringLiteral("Tagebuch ");
    if (!label.startsWith(prefix) || label.size() != prefix.size() + 10)
        return QDate();
    return QDate::fromString(label.mid(prefix.size()), QStringLiteral("dd.MM.yyyy"));
}

Diary::Diary(const QString &folder) : m_folder(WithSlash(folder)) {}

Diary::~Diary() = default;

QString Diary::filePath(const QDate &date) const
{
    return DiaryFilePath(m_folder, date);
}

WriteResult Diary::write(const QDate &date, const QStringList &lines)
{
    const QString path = filePath(date);
    if (!m_lock) {
        // Made when first needed: a user who never keeps a day gets no folder.
        if (!QDir().mkpath(m_folder)) {
            WriteResult failed;
            failed.ok = false;
            failed.path = path;
            failed.reason = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden")
                                .arg(QDir::toNativeSeparators(m_folder));
            return failed;
        }
        auto lock = std::make_unique<InstanceLock>(m_folder, DiaryLockFileName);
        switch (lock->tryAcquire()) {
        case InstanceLock::Attempt::Acquired:
            m_lock = std::move(lock);
            break;
        case InstanceLock::Attempt::HeldByAnother:
            return WriteResult::Refused(
                path, QStringLiteral("Das Tagebuch wird von einem anderen laufenden Kostbilanz benutzt."));
        case InstanceLock::Attempt::FolderReadOnly:
            // No copy can write here; the write below says why.
            break;
        case InstanceLock::Attempt::Failed:
            return WriteResult::Refused(path, QStringLiteral("Das Tagebuch kann nicht gesperrt werden: ") +
                                                  lock->failure());
        }
    }
    if (lines.size() <= MealFileHeaderLines) {
        // An empty day leaves no file behind, so the diary lists only days with entries.
        WriteResult result;
        result.path = path;
        QFile file(path);
        if ((QFileInfo::exists(path) || QFileInfo(path).isSymLink()) && !file.remove()) {
            result.ok = false;
            result.reason = file.errorString();
        }
        return result;
    }
    return WriteTextFile(path, lines, TextEncoding::Windows1252);
}

QList<QDate> Diary::datesWithEntries(const QDate &from, const QDate &to) const
{
    QList<QDate> dates;
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable);
    for (const QString &name : names) {
        const QDate date = DiaryFileDate(name);
        if (!date.isValid())
            continue;
        if (from.isValid() && to.isValid() && (date < from || date > to))
            continue;
        dates.append(date);
    }
    std::sort(dates.begin(), dates.end());
    return dates;
}

QList<DiaryDay> Diary::range(const QDate &from, const QDate &to) const
{
    QList<DiaryDay> days;
    if (!from.isValid() || !to.isValid() || to < from)
        return days;
    days.reserve(from.daysTo(to) + 1);
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        DiaryDay day;
        day.date = date;
        day.path = filePath(date);
        day.exists = QFileInfo::exists(day.path);
        days.append(day);
    }
    return days;
}
