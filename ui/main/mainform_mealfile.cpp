// Saving the meals to a meal file and reading them back.

#include "tmainform.h"

#include "mealfile.h"
#include "textfile.h"
#include "textformat.h"
#include "userprompts.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString MealFileFilter = QStringLiteral("Textdateien (*.txt *.TXT)");
const QString NameTestMessage = QStringLiteral(" Der Dateinamen muss die Endung '.txt' haben! ");

} // namespace

bool TMainForm::SaveMealFile()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_plan.allEmpty()) {
        prompts->showNotice(QStringLiteral("Die Tagesbilanz ist leer !"));
        return false;
    }

    FileDialogRequest request;
    request.title = QStringLiteral("Speichern als");
    request.initialFolder = m_context.dataDirectory;
    request.filter = MealFileFilter;
    request.defaultExtension = QStringLiteral("txt");
    // The name of the file last read is proposed, not that of the file last saved.
    request.proposedName = FileNamePart(m_plan.loadedMealFilePath());
    const QString path = prompts->getSaveFileName(request);
    if (path.isEmpty()) {
        prompts->showNotice(QStringLiteral(" Speichern der Mahlzeit(en) wurden abgebrochen."));
        return false;
    }
    if (!PassesMealFileNameTest(path)) {
        prompts->showNotice(NameTestMessage);
        return false;
    }
    if (QFileInfo::exists(path) &&
        prompts->askUser(QStringLiteral(" Soll die vorhandene Datei überschrieben werden? "), ModeYesNo) !=
            AnswerLeft) {
        prompts->showNotice(QStringLiteral(" Speichern der Mahlzeit(en) wurden abgebrochen. "));
        return false;
    }

    const WriteResult written = WriteTextFile(path, MealFileLines(m_plan), TextEncoding::Windows1252);
    if (!written.ok) {
        // The earlier file is untouched and the meals still count as unsaved.
        prompts->showPlainMessage(written.message());
        return false;
    }
    setLabelText(QStringLiteral("DateiNameLabel"), QStringLiteral("Datei ") + FileNamePart(path));
    prompts->showNotice(QStringLiteral(" Mahlzeit(en) wurden gespeichert. "));
    m_plan.setChanged(false);
    return true;
}

void TMainForm::ReadMealFile()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_store.swissLines().isEmpty()) {
        prompts->showNotice(QStringLiteral("Die Schweizer Nährwertliste ist leer!"));
        return;
    }

    m_plan.setLoadedMealFilePath(QString());
    m_plan.setChosenMealFileName(QString());
    FileDialogRequest request;
    request.title = QStringLiteral("Mahlzeiten einlesen");
    request.initialFolder = m_context.dataDirectory;
    request.filter = MealFileFilter;
    const QString path = prompts->getOpenFileName(request);
    if (path.isEmpty())
        return;
    m_plan.setChosenMealFileName(path);
    if (!PassesMealFileNameTest(path)) {
        prompts->showNotice(NameTestMessage);
        return;
    }
    if (!QFileInfo::exists(path))
        return;

    m_plan.setLoadedMealFilePath(path);
    const TextReadResult read = ReadTextFile(path);
    if (read.status == ReadStatus::Missing)
        return;
    if (read.status != ReadStatus::Ok) {
        prompts->showPlainMessage(QStringLiteral("Die Datei \"") + QDir::toNativeSeparators(path) +
                                  QStringLiteral("\" konnte nicht gelesen werden:\n") + read.reason);
        return;
    }
    const QStringList &lines = read.file.lines;

    m_plan.clearAll();
    showAllMeals();
    RecomputeBalance();

    if (!IsValidMealFileHeader(lines)) {
        prompts->showNotice(QStringLiteral("Es ist keine gültige Mahlzeiten-Datei !"));
        return;
    }
    setLabelText(QStringLiteral("DateiNameLabel"), QStringLiteral("Datei ") + FileNamePart(path));

    // Every food goes through the same checks as one entered by hand, with its values taken
    // afresh from the current food data; a refused line is reported and skipped.
    const MealFileLoad load = LoadMealFileLines(lines, m_store.index(), m_plan.activeMeal());
    MealPlan plan = load.plan;
    plan.setLoadedMealFilePath(m_plan.loadedMealFilePath());
    plan.setChosenMealFileName(m_plan.chosenMealFileName());
    m_plan = plan;
    m_inputLine.clearFood();
    m_inputLine.amount.clear();
    // The unit captions keep the unit of the last food read, as they would after entering
    // the same foods by hand.
    if (!load.unitCaption.isEmpty())
        m_inputLine.unitCaption = load.unitCaption;
    showInputLine();
    showAllMeals();
    RecomputeBalance();
    setActiveMeal(1);

    for (const MealFileRefusal &refusal : load.refusals) {
        prompts->showNotice(refusal.message);
        if (refusal.focusAmount)
            m_amountEdit->setFocus();
    }
}
