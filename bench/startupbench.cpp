#include "startupbench.h"

#include "processrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

extern char **environ;

namespace {

bool CopyInto(const QString &source, const QString &folder)
{
    const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
    return QFile::copy(source, target) &&
           QFile::setPermissions(target, QFile::permissions(source) | QFileDevice::WriteOwner);
}

// The parent's environment with the variables the start-up depends on set for the run.
QByteArrayList ChildEnvironment(const QString &runtimeFolder, const QString &homeFolder)
{
    QByteArrayList environment;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const QByteArray text(*entry);
        // The home decides where the documents folder, and so the diary, is.
        if (!text.startsWith("XDG_RUNTIME_DIR=") && !text.startsWith("KOSTBILANZ_QUIT_WHEN_SHOWN=") &&
            !text.startsWith("HOME=") && !text.startsWith("XDG_CONFIG_HOME=") &&
            !text.startsWith("XDG_DOCUMENTS_DIR="))
            environment.append(text);
    }
    environment.append("HOME=" + QFile::encodeName(homeFolder));
    environment.append("XDG_RUNTIME_DIR=" + QFile::encodeName(runtimeFolder));
    environment.append("KOSTBILANZ_QUIT_WHEN_SHOWN=1");
    return environment;
}

} // namespace

StartupFigures MeasureStartup(const QString &programPath, const QString &baselinePath,
                              const QString &dataDirectory, const QString &homeFolder, int runs, int warmUp)
{
    StartupFigures figures;
    QTemporaryDir folder;
    // Made with mode 0700, as Qt expects of a runtime folder, and in memory where the system has
    // such a folder: a desktop's runtime folder (/run/user/<uid>) is a memory file system, so
    // the program's lock there does not wait for a disk as it would in /tmp.
    const QFileInfo memoryFolder(QStringLiteral("/dev/shm"));
    QTemporaryDir runtimeFolder(memoryFolder.isDir() && memoryFolder.isWritable()
                                    ? QStringLiteral("/dev/shm/kostbilanz-bench-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/kostbilanz-bench-XXXXXX"));
    if (!folder.isValid() || !runtimeFolder.isValid()) {
        figures.failure = QStringLiteral("cannot make a temporary folder");
        return figures;
    }
    const QDir data(dataDirectory);
    QStringList sources = {programPath, baselinePath};
    for (const QString &name : data.entryList(QDir::Files))
        sources.append(data.filePath(name));
    for (const QString &source : sources) {
        if (!CopyInto(source, folder.path())) {
            figures.failure = QStringLiteral("cannot copy %1").arg(source);
            return figures;
        }
    }
    const QString program = QDir(folder.path()).filePath(QFileInfo(programPath).fileName());
    const QString baseline = QDir(folder.path()).filePath(QFileInfo(baselinePath).fileName());
    const QByteArrayList environment = ChildEnvironment(runtimeFolder.path(), homeFolder);
    const QString log = QDir(runtimeFolder.path()).filePath(QStringLiteral("output.log"));

    auto runOnce = [&](const QString &path, Samples *ms, Samples *firstPaintMs, Samples *rssKb) {
        const ProcessRun run = RunProcess(path, folder.path(), environment, log, 30);
        if (!run.ok) {
            QFile output(log);
            const QString text =
                output.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(output.readAll()) : QString();
            figures.failure = QStringLiteral("%1: %2\n%3").arg(path, run.failure, text);
            return false;
        }
        if (run.firstPaintMs <= 0) {
            figures.failure = QStringLiteral("%1: no first-paint-ms line in its output").arg(path);
            return false;
        }
        if (ms != nullptr) {
            ms->add(run.wallMs);
            firstPaintMs->add(run.firstPaintMs);
            rssKb->add(double(run.maxRssKb));
        }
        return true;
    };

    for (int i = 0; i < warmUp; ++i) {
        if (!runOnce(program, nullptr, nullptr, nullptr) || !runOnce(baseline, nullptr, nullptr, nullptr))
            return figures;
    }
    for (int i = 0; i < runs; ++i) {
        // Which program goes first changes every round, so neither always follows the other.
        const bool programFirst = i % 2 == 0;
        auto runProgram = [&] {
            return runOnce(program, &figures.programMs, &figures.programFirstPaintMs, &figures.programRssKb);
        };
        auto runBaseline = [&] {
            return runOnce(baseline, &figures.baselineMs, &figures.baselineFirstPaintMs, &figures.baselineRssKb);
        };
        const bool ok = programFirst ? runProgram() && runBaseline() : runBaseline() && runProgram();
        if (!ok)
            return figures;
    }
    return figures;
}
