#include "datafiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Lock files are named here too: replacing one would let a second instance start.
const QLatin1String ProgramFileNames[] = {
    SwissFoodFileName, OwnFoodFileName, DgeReferenceFileName, ExtendedReferenceFileName, OwnReferenceFileName,
    SettingsFileName,  SessionFileName, WordListFileName,     MeasuresFileName,          DataFolderLockFileName,
};

// The folder as the file system resolves it, so a link or "a/../b" names the same folder.
QString ResolvedFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool IsProgramDataFile(const QString &path, const QString &dataDirectory)
{
    const QFileInfo file(path);
    const QString name = file.fileName();
    bool named = false;
    for (const QLatin1String &programName : ProgramFileNames)
        named = named || name.compare(programName, Qt::CaseInsensitive) == 0;
    if (!named)
        return false;
    // The file system may be case-insensitive, so the folder is compared as resolved and the
    // name without regard to case.
    return ResolvedFolder(file.absolutePath()) == ResolvedFolder(dataDirectory);
}
