#pragma once

#include <QDate>
#include <QString>

// The diary keeps one meal file per date in its folder, named "JJJJ-MM-TT.txt".

// "2026-12-11.txt".
QString DiaryDayFileName(const QDate &date);

// The file of date in diaryFolder (with or without a trailing '/'), whether it exists or not.
QString DiaryDayFilePath(const QString &diaryFolder, const QDate &date);
