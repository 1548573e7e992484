#include "savequestion.h"

#include "savetarget.h"
#include "userprompts.h"

SaveTargetAnswer CheckSaveTarget(UserPrompts &prompts, const QString &path, const QString &dataDirectory)
{
    const SaveTargetCheck check = CheckSaveTargetPath(path, dataDirectory);
    SaveTargetAnswer answer;
    if (check.refused()) {
        prompts.showNotice(check.refusal());
        return answer;
    }
    if (check.verdict == SaveTargetVerdict::ExistingFile &&
        prompts.askUser(check.overwriteQuestion(), ModeYesNo) != AnswerLeft) {
        answer.outcome = SaveTarget::OverwriteDeclined;
        return answer;
    }
    answer.outcome = SaveTarget::Allowed;
    answer.writePath = check.resolvedPath;
    return answer;
}
