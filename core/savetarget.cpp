#include "savetarget.h"

#include "datafiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int MaxLinkDepth = 40;

// The text a symbolic link holds, as written; empty when path is no link.
QString LinkText(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(encoded.constData(), target.data(), size_t(target.size()));
    if (length <= 0)
        return QString();
    target.truncate(length);
    return QFile::decodeName(target);
}

// The path absolute as written: QFileInfo would clean it, and a lexical ".." is wrong after a
// linked folder ("link/../x" lies beside the link's target, not beside the link).
QString AbsoluteAsWritten(const QString &path)
{
    const QString separated = QDir::fromNativeSeparators(path);
    return QDir::isAbsolutePath(separated) ? separated : QDir::currentPath() + QLatin1Char('/') + separated;
}

// absolutePath with its folder resolved by the file system, the last name kept as it is.
QString WithResolvedFolder(const QString &absolutePath)
{
    QString path = absolutePath;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    }
    const QString folder = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return QDir(canonicalFolder.isEmpty() ? QDir::cleanPath(folder) : canonicalFolder).filePath(name);
}

QString Quoted(const QString &path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

} // namespace

QString ResolvedFilePath(const QString &path)
{
    QString current = WithResolvedFolder(AbsoluteAsWritten(path));
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        const QString target = LinkText(current);
        if (target.isEmpty())
            return current;
        // A relative target is relative to the folder of the link.
        const QString folder = current.left(current.lastIndexOf(QLatin1Char('/')));
        current =
            WithResolvedFolder(QDir::isAbsolutePath(target) ? target : folder + QLatin1Char('/') + target);
    }
    return current;
}

QString SaveTargetCheck::refusal() const
{
    switch (verdict) {
    case SaveTargetVerdict::ProgramDataFile:
        return Quoted(resolvedPath) +
               QStringLiteral(": Diese Datei gehört zum Programm und wird nicht überschrieben.");
    case SaveTargetVerdict::NotRegularFile:
        return Quoted(resolvedPath) +
               QStringLiteral(" ist keine normale Datei und wird nicht überschrieben.");
    case SaveTargetVerdict::NewFile:
    case SaveTargetVerdict::ExistingFile:
        break;
    }
    return QString();
}

QString SaveTargetCheck::overwriteQuestion() const
{
    if (!viaLink)
        return QStringLiteral(" Soll die vorhandene Datei überschrieben werden? ");
    return QStringLiteral(" Soll die vorhandene Datei ") + Quoted(resolvedPath) +
           QStringLiteral(" überschrieben werden? ");
}

SaveTargetCheck CheckSaveTargetPath(const QString &path, const QString &dataDirectory)
{
    SaveTargetCheck check;
    check.path = path;
    const QFileInfo given(path);
    check.viaLink = given.isSymLink();
    check.resolvedPath = ResolvedFilePath(path);
    // The name given counts as well as the file it leads to: a link in the data folder that
    // bears a data file's name is the program's, whatever it points at.
    if (IsProgramDataFile(check.resolvedPath, dataDirectory)) {
        check.verdict = SaveTargetVerdict::ProgramDataFile;
        return check;
    }
    if (IsProgramDataFile(given.absoluteFilePath(), dataDirectory)) {
        // Named as given: that is the program's file the refusal is about.
        check.verdict = SaveTargetVerdict::ProgramDataFile;
        check.resolvedPath = QDir::cleanPath(given.absoluteFilePath());
        return check;
    }
    const QFileInfo target(check.resolvedPath);
    if (target.isSymLink()) {
        // Still a link after every step: a loop, or too deep to follow.
        check.verdict = SaveTargetVerdict::NotRegularFile;
    } else if (target.exists()) {
        check.verdict = target.isFile() ? SaveTargetVerdict::ExistingFile : SaveTargetVerdict::NotRegularFile;
    }
    return check;
}
