#include "diaryfiles.h"

#include <QDir>

QString DiaryDayFileName(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".txt");
}

QString DiaryDayFilePath(const QString &diaryFolder, const QDate &date)
{
    return QDir(diaryFolder).filePath(DiaryDayFileName(date));
}
