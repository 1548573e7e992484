#include "savetarget.h"

#include "datafiles.h"
#include "userprompts.h"

#include <QFileInfo>

SaveTarget CheckSaveTarget(UserPrompts &prompts, const QString &path, const QString &dataDirectory)
{
    if (IsProgramDataFile(path, dataDirectory)) {
        prompts.showNotice(QStringLiteral("Diese Datei gehört zum Programm und wird nicht überschrieben."));
        return SaveTarget::ProgramDataFile;
    }
    if (QFileInfo::exists(path) &&
        prompts.askUser(QStringLiteral(" Soll die vorhandene Datei überschrieben werden? "), ModeYesNo) !=
            AnswerLeft)
        return SaveTarget::OverwriteDeclined;
    return SaveTarget::Allowed;
}
