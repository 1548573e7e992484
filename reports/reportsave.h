#pragma once

#include "textfile.h"
#include "userprompts.h"

#include <QString>

#include <functional>

// The one road of every report to a file the user names (a day as text, CSV or PDF, several
// days as CSV or PDF): the save dialog, the save-target rule (a refusal said as a notice, an
// existing file replaced only after "Ja"), the write, and the confirmation savedNotice. Returns
// the path written, or an empty text when nothing was: the dialog cancelled, the target refused
// or not to be replaced, or the write failed (said in a plain message, the old file untouched).
QString SaveReportAs(UserPrompts &prompts, const FileDialogRequest &request, const QString &dataDirectory,
                     const std::function<WriteResult(const QString &path)> &write,
                     const QString &savedNotice);
