#include "reportsave.h"

#include "savequestion.h"

QString SaveReportAs(UserPrompts &prompts, const FileDialogRequest &request, const QString &dataDirectory,
                     const std::function<WriteResult(const QString &path)> &write, const QString &savedNotice)
{
    const QString path = prompts.getSaveFileName(request);
    if (path.isEmpty())
        return QString();
    // A refusal has said why; "Nein" to the overwrite question needs no further word.
    const SaveTargetAnswer target = CheckSaveTarget(prompts, path, dataDirectory);
    if (!target.allowed())
        return QString();
    const WriteResult written = write(target.writePath);
    if (!written.ok) {
        prompts.showPlainMessage(written.message());
        return QString();
    }
    prompts.showNotice(savedNotice);
    return path;
}
