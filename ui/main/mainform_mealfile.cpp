// Saving the meals to a meal file and reading them back.

#include "tmainform.h"

#include "mealfile.h"
#include "savequestion.h"
#include "textfile.h"
#include "textformat.h"
#include "userprompts.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString MealFileFilter = QStringLiteral("Textdateien (*.txt *.TXT)");
const QString NameTestMessage = QStringLiteral(" Der Dateinamen muss die Endung '.txt' haben! ");

} // namespace

bool TMainForm::offerToSaveChanges()
{
    // With every meal empty there is nothing a save could write.
    if (!m_plan.changed() || m_plan.allEmpty())
        return true;
    switch (m_context.prompts->askUser(QStringLiteral("Änderungen speichern?"), ModeYesNoCancel)) {
    case AnswerLeft:
        return SaveMealFile();
    case AnswerRight:
        return true;
    default: // "Abbrechen", Escape or the close box
        return false;
    }
}

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
    const SaveTargetAnswer target = CheckSaveTarget(*prompts, path, m_context.dataDirectory);
    switch (target.outcome) {
    case SaveTarget::Allowed:
        break;
    case SaveTarget::Refused: // already said why
        return false;
    case SaveTarget::OverwriteDeclined:
        prompts->showNotice(QStringLiteral(" Speichern der Mahlzeit(en) wurden abgebrochen. "));
        return false;
    }

    const WriteResult written =
        WriteTextFile(target.writePath, MealFileLines(m_plan), TextEncoding::Windows1252);
    if (!written.ok) {
        // The earlier file is untouched and the meals still count as unsaved.
        prompts->showPlainMessage(written.message());
        return false;
    }
    setLabelText(QStringLiteral("DateiNameLabel"), QStringLiteral("Datei ") + FileNamePart(path));
    m_plan.setMealFilePath(path);
    prompts->showNotice(QStringLiteral(" Mahlzeit(en) wurden gespeichert. "));
    m_plan.setChanged(false);
    keepSession();
    return true;
}

void TMainForm::ReadMealFile()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_store.swissLineCount() == 0) {
        prompts->showNotice(QStringLiteral("Die Schweizer Nährwertliste ist leer!"));
        return;
    }
    if (!offerToSaveChanges())
        return;

    // The meals on show keep the file they came from unless another file is read in their place.
    const QString shownFilePath = m_plan.loadedMealFilePath();
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

    // Every food goes through the same checks as one entered by hand, with its values taken
    // afresh from the current food data; a refused line is reported and skipped. Nothing of
    // the day on show is touched until the whole file has been read.
    const MealFileRead read = ReadMealFileAt(path, m_store.index(), m_plan.activeMeal());
    switch (read.status) {
    case MealFileReadStatus::Ok:
        break;
    case MealFileReadStatus::Missing:
        return;
    case MealFileReadStatus::Unreadable:
        m_plan.setLoadedMealFilePath(shownFilePath);
        prompts->showPlainMessage(read.message);
        return;
    case MealFileReadStatus::TooLarge:
    case MealFileReadStatus::NotRegular:
    case MealFileReadStatus::InvalidHeader:
        m_plan.setLoadedMealFilePath(shownFilePath);
        prompts->showNotice(read.message);
        return;
    }

    MealFileLoad load = read.load;
    load.plan.setLoadedMealFilePath(path);
    load.plan.setChosenMealFileName(path);
    load.plan.setMealFilePath(path);
    setLabelText(QStringLiteral("DateiNameLabel"), QStringLiteral("Datei ") + FileNamePart(path));
    showLoadedDay(load);
    keepSession();
}

void TMainForm::showLoadedDay(const MealFileLoad &load)
{
    m_plan = load.plan;
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
    showRefusals(load.refusals);
}

void TMainForm::showRefusals(const QList<MealFileRefusal> &refusals)
{
    for (const MealFileRefusal &refusal : RefusalsToShow(refusals)) {
        m_context.prompts->showNotice(refusal.message);
        if (refusal.focusAmount)
            m_amountEdit->setFocus();
    }
}
