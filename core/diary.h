#pragma once

#include "instancelock.h"
#include "textfile.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The diary: one meal file per date, "JJJJ-MM-TT.txt", in a folder of its own under the user's
// documents. The files are ordinary meal files, so every reader takes them as any other.

// "<documents>/Kostbilanz/" with a trailing '/': where the user's own files of the program go
// (the diary, and the first folder the report and meal-file dialogs open in).
QString UserFilesFolder(const QString &documentsFolder);
// "<documents>/Kostbilanz/Tagebuch/" with a trailing '/'.
QString DiaryFolderIn(const QString &documentsFolder);

// "2026-12-11.txt"; the date of such a name, invalid for any other name.
QString DiaryFileName(const QDate &date);
QDate DiaryFileDate(const QString &fileName);
// The file of date in diaryFolder (with or without a trailing '/'), whether it exists or not.
QString DiaryFilePath(const QString &diaryFolder, const QDate &date);

// "Do 11.12.2026": the German weekday's two letters and the date, whatever the system locale.
QString WeekdayDateText(const QDate &date);
// "Tagebuch 11.12.2026", the file label of a diary day; DiaryLabelDate reads it back (invalid
// for any other text).
QString DiaryLabel(const QDate &date);
QDate DiaryLabelDate(const QString &label);

// One date of a range: its file when there is one.
struct DiaryDay
{
    QDate date;
    QString path;        // the file's path, whether it exists or not
    bool exists = false; // a file (or anything) stands at path
};

// A diary folder. Nothing is made until the first write; the folder's lock is taken then and
// held as long as the object lives, so that a second copy of the program, even one with
// another data folder, cannot write a day of it.
class Diary
{
public:
    explicit Diary(const QString &folder); // with or without a trailing '/'
    ~Diary();

    QString folder() const { return m_folder; } // with a trailing '/'
    QString filePath(const QDate &date) const;

    // Writes the lines of a day atomically (Windows-1252 where it fits, as any meal file); a
    // day of the header alone leaves no file, and an existing one is removed. Makes the folder
    // and takes the lock first; a lock another running copy holds refuses the write.
    WriteResult write(const QDate &date, const QStringList &lines);

    // The dates that have a file, in date order; only from..to when both are valid. Lists the
    // folder, so it is never needed to show a day.
    QList<QDate> datesWithEntries(const QDate &from = QDate(), const QDate &to = QDate()) const;

    // Every date of from..to (empty when to is before from), each with its file if there is one.
    QList<DiaryDay> range(const QDate &from, const QDate &to) const;

private:
    QString m_folder;
    std::unique_ptr<InstanceLock> m_lock;
};
