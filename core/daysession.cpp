#include "daysession.h"

#include "amounttext.h"
#include "mealcopy.h"
#include "recentfoods.h"
#include "recipe.h"
#include "savequestion.h"
#include "sessionfile.h"
#include "textfile.h"
#include "textformat.h"
#include "userprompts.h"

#include <QDir>
#include <QFileInfo>

// Which command sets the changed flag (the plan keeps it, the session alone decides):
//   entering, removing (also a press without a selected row, so closing asks), changing, moving
//   (the order is what the next save writes) and clearing a meal that had entries set it;
//   reading a file and saving clear it; resetting and clearing the input line leave it as it
//   was; after undo and redo the day is changed unless it is what its meal file holds.
// A diary day is kept by the session itself: a change is written to its file within the delay,
// at once when another day is shown and at the end, so it is never offered for saving.

namespace {

const QString MealFileFilter = QStringLiteral("Textdateien (*.txt *.TXT)");
const QString NameTestMessage = QStringLiteral(" Der Dateinamen muss die Endung '.txt' haben! ");
const QString NoRowSelected = QStringLiteral("Es ist keine Zeile ausgewählt!");

QString RecoveryOffText(const QString &reason)
{
    return QStringLiteral("Wiederherstellung nicht möglich: ") + reason;
}

QString DiaryOffText(const WriteResult &written)
{
    return QStringLiteral("Tagebuch nicht gespeichert: ") + (written.refused() ? written.refusal : written.reason);
}

// "Apfel, roh": an entry's name as a step names it, without the blank it is stored with.
QString EntryName(const MealEntry &entry)
{
    return entry.name.trimmed();
}

QString Step(const QString &command, const QString &object)
{
    return command + QStringLiteral(" (") + object + QLatin1Char(')');
}

} // namespace

DaySession::DaySession(const DaySessionContext &context, QObject *parent)
    : QObject(parent), m_context(context), m_data(context.dataDirectory, context.locale)
{
    m_fileLines = MealFileLines(m_plan);
    m_scheduler = m_context.scheduler;
    if (m_scheduler == nullptr) {
        m_ownScheduler = std::make_unique<TimerScheduler>();
        m_scheduler = m_ownScheduler.get();
    }
    if (!m_context.diaryFolder.isEmpty())
        m_diary = std::make_unique<Diary>(m_context.diaryFolder);
    else if (!m_context.documentsFolder.isEmpty())
        m_diary = std::make_unique<Diary>(DiaryFolderIn(m_context.documentsFolder));
}

DaySession::~DaySession()
{
    if (m_recoveryWrite != 0)
        m_scheduler->cancel(m_recoveryWrite);
    if (m_diaryWrite != 0)
        m_scheduler->cancel(m_diaryWrite);
}

QString DaySession::userFilesFolder() const
{
    // Where a dialog opens the first time: the user's own files belong where the user looks for
    // them, not beside the program.
    if (m_context.documentsFolder.isEmpty())
        return m_context.dataDirectory;
    const QString folder = UserFilesFolder(m_context.documentsFolder);
    QDir().mkpath(folder); // a dialog on a missing folder would open somewhere else
    return folder;
}

QString DaySession::rememberedFolder(QLatin1String key) const
{
    QString folder = RememberedFolder(requirements().settings, key);
    // A folder removed or renamed since it was used would open the dialog somewhere else.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QString();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void DaySession::rememberFolder(QLatin1String key, const QString &filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath() + QLatin1Char('/');
    SettingsList &settings = m_data.requirements().settings;
    if (RememberedFolder(settings, key) == folder)
        return; // the settings file is not written again for the same folder
    // A convenience only: when NwConfig.dat cannot be written the folder is kept for this run
    // (the list holds it either way), and nothing is said.
    StoreRememberedFolder(settings, key, folder, m_context.dataDirectory);
}

QString DaySession::mealFileFolder() const
{
    const QString remembered = rememberedFolder(MealFolderSetting);
    return remembered.isEmpty() ? userFilesFolder() : remembered;
}

QString DaySession::reportFolder() const
{
    const QString remembered = rememberedFolder(ReportFolderSetting);
    return remembered.isEmpty() ? userFilesFolder() : remembered;
}

QList<int> DaySession::recentFoods() const
{
    if (!m_diary)
        return {};
    return RecentFoodsOfDiary(m_diary->folder(), today(), foodStore().index(), m_diaryDate, m_plan);
}

void DaySession::rememberReportFolder(const QString &reportPath)
{
    rememberFolder(ReportFolderSetting, reportPath);
}

void DaySession::rememberMealFileFolder(const QString &mealFilePath)
{
    rememberFolder(MealFolderSetting, mealFilePath);
}

// ---- signals, steps and the recovery file ------------------------------------------------------

DaySnapshot DaySession::snapshot() const
{
    return {m_plan, m_inputLine, m_fileLabel, m_fileLines, m_diaryDate};
}

void DaySession::record(const QString &what, const DaySnapshot &before, int parts)
{
    m_history.record(what, before, parts);
}

void DaySession::changeDay(DayParts parts)
{
    keepDay();
    emit dayChanged(parts);
}

void DaySession::setPassingStatus(const QString &text)
{
    m_passingStatus = text;
    emit dayChanged(DayPart::PassingStatus);
}

void DaySession::setLastingStatus(const QString &text)
{
    if (text == m_lastingStatus)
        return;
    m_lastingStatus = text;
    emit dayChanged(DayPart::LastingStatus);
}

void DaySession::keepDay()
{
    if (isDiaryDay()) {
        // Like the recovery file, not put off by later changes: a day typed on and on is still
        // in its file at most one delay after its first change.
        if (m_plan.changed() && m_diaryWrite == 0) {
            m_diaryWrite = m_scheduler->schedule(m_context.recoveryDelayMs, [this] {
                m_diaryWrite = 0;
                writeDiary();
            });
        }
        return;
    }
    if (m_plan.changed()) {
        // Not put off by later changes, so a day is on disk at most one delay after its first
        // unsaved change, however long the typing goes on.
        if (m_recoveryWrite == 0) {
            m_recoveryWrite = m_scheduler->schedule(m_context.recoveryDelayMs, [this] {
                m_recoveryWrite = 0;
                writeRecovery();
            });
        }
        return;
    }
    // Saved or freshly read: the day is in a file of its own.
    if (m_recoveryWrite != 0) {
        m_scheduler->cancel(m_recoveryWrite);
        m_recoveryWrite = 0;
    }
    if (m_recoveryBlocked)
        return;
    RemoveSessionFile(m_context.dataDirectory);
    setLastingStatus(QString()); // nothing unsaved is left to lose
}

bool DaySession::writeDiary()
{
    if (m_diaryWrite != 0) {
        m_scheduler->cancel(m_diaryWrite);
        m_diaryWrite = 0;
    }
    if (!isDiaryDay() || !m_plan.changed())
        return true;
    const QStringList lines = MealFileLines(m_plan);
    const WriteResult written = m_diary->write(m_diaryDate, lines);
    if (written.ok) {
        m_plan.setChanged(false);
        m_fileLines = lines;
        dropRecovery();
        setLastingStatus(QString());
        return true;
    }
    // The file stays as it was; the recovery file keeps the day, and the next change (or the
    // next day shown, or the end) tries again.
    if (!m_recoveryBlocked)
        WriteSessionFile(m_context.dataDirectory, m_plan, m_fileLabel);
    setLastingStatus(DiaryOffText(written));
    return false;
}

bool DaySession::writeDiaryNow()
{
    return writeDiary();
}

void DaySession::dropRecovery()
{
    if (m_recoveryWrite != 0) {
        m_scheduler->cancel(m_recoveryWrite);
        m_recoveryWrite = 0;
    }
    if (!m_recoveryBlocked)
        RemoveSessionFile(m_context.dataDirectory);
}

void DaySession::writeRecovery()
{
    if (m_recoveryBlocked)
        return;
    if (!m_plan.changed()) {
        RemoveSessionFile(m_context.dataDirectory);
        return;
    }
    // The earlier recovery file stays as it was when the write fails, and the next change tries
    // again; until one succeeds the status line says the day is not protected.
    const WriteResult written = WriteSessionFile(m_context.dataDirectory, m_plan, m_fileLabel);
    setLastingStatus(written.ok ? QString()
                                : RecoveryOffText(written.refused() ? written.refusal : written.reason));
}

// ---- start and end -----------------------------------------------------------------------------

void DaySession::loadData()
{
    // Each message waits for its OK before the next file is looked at; the window is not up yet.
    m_data.load([this](const QString &message) { m_context.prompts->showPlainMessage(message); });
    emit dayChanged(DayPart::Foods | DayPart::Requirement);
}

FocusRequest DaySession::offerRecovery()
{
    const QString &folder = m_context.dataDirectory;
    const SessionFile session = ReadSessionFile(folder);
    switch (session.status) {
    case SessionFileStatus::None:
        // A day without entries is nothing to offer; a file of one is left over.
        RemoveSessionFile(folder);
        return FocusRequest::None;
    case SessionFileStatus::NotAFile:
        // Not the program's to remove; said once, and no write tries again.
        m_recoveryBlocked = true;
        setLastingStatus(RecoveryOffText(NotRegularFileRefusal(SessionFilePath(folder))));
        return FocusRequest::None;
    case SessionFileStatus::Damaged:
        RemoveSessionFile(folder);
        m_context.prompts->showNotice(
            QStringLiteral("Die Wiederherstellungsdatei war beschädigt und wurde entfernt."));
        return FocusRequest::None;
    case SessionFileStatus::Ok:
        break;
    }
    if (m_context.prompts->askUser(
            QStringLiteral("Die Mahlzeiten der letzten Sitzung wurden nicht gespeichert. Wiederherstellen?"),
            ModeYesNoDefaultYes) != AnswerLeft) {
        RemoveSessionFile(folder);
        return FocusRequest::None;
    }
    const DaySnapshot before = snapshot();
    const MealFileLoad load = RestoreSession(session, foodStore().index());
    m_fileLabel = session.fileLabel;
    // Nothing of this day was saved; what its file holds is not known.
    m_fileLines.clear();
    takeLoadedDay(load);
    // A diary day goes back to its date and into its file.
    const QDate diaryDate = m_diary ? DiaryLabelDate(session.fileLabel) : QDate();
    m_diaryDate = diaryDate;
    if (diaryDate.isValid()) {
        m_lastDiaryDate = diaryDate;
        m_plan.setChanged(true);
    }
    record(QStringLiteral("Wiederherstellen der letzten Sitzung"), before,
           DayHistory::InputLine | DayHistory::Origin);
    // The file stays as it is: it holds this day until the next change rewrites it (a diary
    // day's write removes it).
    if (diaryDate.isValid())
        keepDay();
    emit dayChanged(DayPart::Meals | DayPart::Balance | DayPart::InputLine | DayPart::FileLabel |
                    DayPart::ActiveMeal | DayPart::DiaryDate);
    return showRefusals(load.refusals);
}

bool DaySession::close()
{
    // A diary day is written now; one that cannot be stays in the recovery file, which the
    // failed write made, for the next start to offer.
    if (isDiaryDay()) {
        writeDiary();
        return true;
    }
    // A cancelled, refused or failed save keeps the day as it is.
    if (!offerToSaveChanges())
        return false;
    // A normal end: whatever was not saved, the user chose to leave.
    if (m_recoveryWrite != 0) {
        m_scheduler->cancel(m_recoveryWrite);
        m_recoveryWrite = 0;
    }
    RemoveSessionFile(m_context.dataDirectory);
    return true;
}

// ---- the input line ------------------------------------------------------------------------------

void DaySession::showFood(int position)
{
    ::ShowFoodInInputLine(foodStore().index(), position, m_inputLine);
    emit dayChanged(DayPart::InputLine);
}

void DaySession::pickFood(int position)
{
    m_inputLine.amount.clear();
    if (position >= 0)
        ::ShowFoodInInputLine(foodStore().index(), position, m_inputLine);
    emit dayChanged(DayPart::InputLine);
}

void DaySession::setAmountText(const QString &amount)
{
    m_inputLine.amount = amount;
}

QList<FoodMeasure> DaySession::inputMeasures() const
{
    // Asking the store reads NwPortionen.dat on the first pick, never at start-up.
    if (m_inputLine.id.isEmpty())
        return {};
    return MeasuresForFood(foodStore().measures(), m_inputLine.id, m_inputLine.referenceAmount);
}

void DaySession::clearInputLine()
{
    m_inputLine.clearFood();
    m_inputLine.amount.clear();
    m_inputLine.unitCaption = QStringLiteral("g, St");
    emit dayChanged(DayPart::InputLine);
}

// ---- the meals -----------------------------------------------------------------------------------

FocusRequest DaySession::enterFood()
{
    const DaySnapshot before = snapshot();
    // A household measure ("2 Scheiben") becomes the amount in the food's unit here, so that the
    // meal, its file and every check after this see grams or pieces only. The line keeps what
    // was typed until the food is entered: a refusal leaves "2 Scheiben" to be corrected. The
    // refusals of a line without a food come first, as before.
    InputLine line = m_inputLine;
    AmountReading reading;
    if (!line.name.isEmpty() && !line.dbType.isEmpty() && !line.id.isEmpty()) {
        reading = ReadAmountForFood(line.amount, foodStore().measures(), line.id, line.referenceAmount);
        if (reading.refused) {
            m_context.prompts->showNotice(reading.message);
            return FocusRequest::Amount;
        }
        line.amount = reading.amountText;
    }
    const EnterResult result = ::EnterFood(m_plan, line);
    if (!result.entered) {
        m_context.prompts->showNotice(result.message);
        return result.focusAmount ? FocusRequest::Amount : FocusRequest::None;
    }
    m_inputLine = line;
    const int meal = m_plan.activeMeal();
    m_plan.setMeasure(meal, m_plan.entryCount(meal) - 1, reading.measureText);
    record(Step(QStringLiteral("Lebensmittel eintragen"), EntryName(m_plan.meal(meal).last())), before,
           DayHistory::InputLine);
    m_balance = ComputeBalance(m_plan, requirements().active);
    changeDay(MealPart(meal) | DayPart::Balance | DayPart::InputLine);
    return FocusRequest::None;
}

void DaySession::recomputeBalance()
{
    m_balance = ComputeBalance(m_plan, requirements().active);
    emit dayChanged(DayPart::Balance);
}

void DaySession::removeEntry(int row)
{
    const int meal = m_plan.activeMeal();
    DayParts parts;
    if (row < 0 || row >= m_plan.entryCount(meal)) {
        m_context.prompts->showNotice(NoRowSelected);
    } else {
        const DaySnapshot before = snapshot();
        const QString name = EntryName(m_plan.meal(meal).at(row));
        m_plan.remove(meal, row);
        record(Step(QStringLiteral("Lebensmittel entfernen"), name), before, DayHistory::MealsOnly);
        m_balance = ComputeBalance(m_plan, requirements().active);
        parts = MealPart(meal) | DayPart::Balance;
    }
    // Even a press without a selection counts as a change, so closing asks about saving.
    m_plan.setChanged(true);
    changeDay(parts);
}

void DaySession::changeEntry(int row)
{
    const int meal = m_plan.activeMeal();
    if (row < 0 || row >= m_plan.entryCount(meal)) {
        m_context.prompts->showNotice(NoRowSelected);
        return;
    }
    const MealEntry entry = m_plan.meal(meal).at(row);
    const int position = foodStore().index().findById(entry.id);
    if (position < 0) {
        m_context.prompts->showNotice(QStringLiteral("Lebensmittel nicht in Datenbank gefunden!"));
        return;
    }
    const DaySnapshot before = snapshot();
    // The values come fresh from the food data; only the amount is taken from the entry.
    m_inputLine.amount = entry.amount;
    ::ShowFoodInInputLine(foodStore().index(), position, m_inputLine);
    m_plan.remove(meal, row);
    m_plan.setChanged(true);
    record(Step(QStringLiteral("Lebensmittel ändern"), EntryName(entry)), before, DayHistory::InputLine);
    m_balance = ComputeBalance(m_plan, requirements().active);
    changeDay(MealPart(meal) | DayPart::Balance | DayPart::InputLine);
}

int DaySession::moveEntryUp(int meal, int row)
{
    if (meal < 1 || meal > MealCount || row <= 0 || row >= m_plan.entryCount(meal))
        return -1;
    const DaySnapshot before = snapshot();
    m_plan.swap(meal, row, row - 1);
    // The order is what the next save writes, so a new order is a change.
    m_plan.setChanged(true);
    record(Step(QStringLiteral("Lebensmittel verschieben"), EntryName(m_plan.meal(meal).at(row - 1))), before,
           DayHistory::MealsOnly);
    changeDay(MealPart(meal));
    return row - 1;
}

int DaySession::moveEntryDown(int meal, int row)
{
    if (meal < 1 || meal > MealCount || row < 0 || row >= m_plan.entryCount(meal) - 1)
        return -1;
    const DaySnapshot before = snapshot();
    m_plan.swap(meal, row, row + 1);
    m_plan.setChanged(true);
    record(Step(QStringLiteral("Lebensmittel verschieben"), EntryName(m_plan.meal(meal).at(row + 1))), before,
           DayHistory::MealsOnly);
    changeDay(MealPart(meal));
    return row + 1;
}

void DaySession::clearMeal(int meal)
{
    if (meal < 1 || meal > MealCount)
        return;
    // Emptying an empty meal changes nothing, and so asks nothing at the end.
    if (m_plan.entryCount(meal) > 0) {
        record(Step(QStringLiteral("Tabelle löschen"), QStringLiteral("Mahlzeit %1").arg(meal)), snapshot(),
               DayHistory::MealsOnly);
        m_plan.setChanged(true);
    }
    m_plan.clear(meal);
    m_balance = ComputeBalance(m_plan, requirements().active);
    changeDay(MealPart(meal) | DayPart::Balance);
}

// ---- copying meals ------------------------------------------------------------------------------

QString DaySession::NoYesterdayText()
{
    return QStringLiteral("„Gestern“ gibt es nur für einen Tag des Tagebuchs. Bitte zuerst ein Datum wählen.");
}

void DaySession::copyYesterdaysMeal()
{
    if (!m_diary)
        return;
    // A meal file has no date, so no day before it.
    if (!isDiaryDay()) {
        m_context.prompts->showNotice(NoYesterdayText());
        return;
    }
    applyMealCopy(CopyYesterdaysMeal(m_plan, m_diary->folder(), m_diaryDate, foodStore().index()),
                  QStringLiteral("Gestern"), m_diaryDate.addDays(-1), m_plan.activeMeal());
}

void DaySession::copyDiaryMeal(const QDate &date, int sourceMeal)
{
    if (!m_diary || !date.isValid() || sourceMeal < 1 || sourceMeal > MealCount)
        return;
    MealCopyResult result;
    if (date == m_diaryDate) {
        // The shown day's file may be a delay behind what is on the screen.
        const QList<MealEntry> entries = m_plan.meal(sourceMeal);
        if (entries.isEmpty())
            result.message = NothingToCopyText(date, sourceMeal);
        else
            result = AppendMealEntries(m_plan, m_plan.activeMeal(), entries);
    } else {
        result = CopyDiaryMeal(m_plan, m_plan.activeMeal(), m_diary->folder(), date, sourceMeal, foodStore().index());
    }
    applyMealCopy(result, QStringLiteral("Mahlzeit übernehmen"), date, sourceMeal);
}

void DaySession::applyMealCopy(const MealCopyResult &result, const QString &command, const QDate &date,
                               int sourceMeal)
{
    if (result.copied > 0) {
        const DaySnapshot before = snapshot();
        m_plan = result.plan;
        record(Step(command, QStringLiteral("Mahlzeit %1 vom %2")
                                 .arg(sourceMeal)
                                 .arg(date.toString(QStringLiteral("dd.MM.yyyy")))),
               before, DayHistory::MealsOnly);
        m_balance = ComputeBalance(m_plan, requirements().active);
        changeDay(MealPart(m_plan.activeMeal()) | DayPart::Balance);
    }
    if (!result.message.isEmpty())
        m_context.prompts->showNotice(result.message);
}

QList<int> DaySession::diaryMealSizes(const QDate &date) const
{
    QList<int> sizes(MealCount, 0);
    if (!m_diary || !date.isValid())
        return sizes;
    MealPlan plan = m_plan;
    if (date != m_diaryDate) {
        const MealFileRead read = ReadMealFileAt(m_diary->filePath(date), foodStore().index(), 1);
        if (read.status != MealFileReadStatus::Ok)
            return sizes;
        plan = read.load.plan;
    }
    for (int n = 1; n <= MealCount; ++n)
        sizes[n - 1] = plan.entryCount(n);
    return sizes;
}

// ---- own measures --------------------------------------------------------------------------------

bool DaySession::addOwnMeasure(const QString &name, const QString &gramsText)
{
    const WriteResult written = m_data.store().addOwnMeasure(m_inputLine.id, name, gramsText);
    if (written.ok) {
        // Ready to be entered, as a measure chosen from the list would be.
        m_inputLine.amount = MeasureAmountText({name, 1});
    } else {
        // A refusal changes nothing; a file that cannot be written keeps the measure for this
        // run (the store's lines hold it), so the list shows it either way.
        m_context.prompts->showNotice(written.message());
    }
    emit dayChanged(DayPart::InputLine);
    return written.ok;
}

void DaySession::resetAll()
{
    if (isDiaryDay()) {
        // The diary day stays shown and becomes empty (its file goes with the next write); no
        // question, since undo brings it back.
        const DaySnapshot before = snapshot();
        const bool hadEntries = !m_plan.allEmpty();
        m_inputLine.clearFood();
        m_inputLine.amount.clear();
        m_inputLine.unitCaption = QStringLiteral("g, St");
        m_plan.clearAll();
        m_plan.setActiveMeal(1);
        if (hadEntries) {
            m_plan.setChanged(true);
            record(QStringLiteral("Formularfelder zurücksetzen"), before, DayHistory::InputLine);
        }
        m_balance = ComputeBalance(m_plan, requirements().active);
        changeDay(DayPart::Meals | DayPart::Balance | DayPart::InputLine | DayPart::ActiveMeal);
        return;
    }
    // Only a written file, or "Nein", lets the reset go on.
    if (!offerToSaveChanges())
        return;

    const DaySnapshot before = snapshot();
    m_fileLabel.clear();
    m_plan.setLoadedMealFilePath(QString());
    m_plan.setMealFilePath(QString());
    m_inputLine.clearFood();
    m_inputLine.amount.clear();
    m_inputLine.unitCaption = QStringLiteral("g, St");
    m_plan.clearAll();
    m_plan.setActiveMeal(1);
    // A new day without a file: it counts as changed only as the flag says (a reset leaves it).
    m_fileLines = MealFileLines(m_plan);
    // A day that was empty already, with no file named, has nothing a step could bring back.
    if (!before.plan.allEmpty() || !before.fileLabel.isEmpty() || !before.inputLine.name.isEmpty())
        record(QStringLiteral("Formularfelder zurücksetzen"), before,
               DayHistory::InputLine | DayHistory::Origin);
    m_balance = ComputeBalance(m_plan, requirements().active);
    changeDay(DayPart::Meals | DayPart::Balance | DayPart::InputLine | DayPart::FileLabel |
              DayPart::ActiveMeal);
}

void DaySession::setActiveMeal(int meal)
{
    if (meal < 1 || meal > MealCount || meal == m_plan.activeMeal())
        return;
    m_plan.setActiveMeal(meal);
    emit dayChanged(DayPart::ActiveMeal);
}

// ---- meal files ------------------------------------------------------------------------------------

bool DaySession::offerToSaveChanges()
{
    // A diary day is never asked about: it is written now instead, and a failure stays in the
    // status line with the day in the recovery file.
    if (isDiaryDay()) {
        writeDiary();
        return true;
    }
    // With every meal empty there is nothing a save could write.
    if (!m_plan.changed() || m_plan.allEmpty())
        return true;
    switch (m_context.prompts->askUser(QStringLiteral("Änderungen speichern?"), ModeYesNoCancel)) {
    case AnswerLeft:
        return saveMealFile();
    case AnswerRight:
        return true;
    default: // "Abbrechen", Escape or the close box
        return false;
    }
}

bool DaySession::saveMealFile()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_plan.allEmpty()) {
        prompts->showNotice(QStringLiteral("Die Tagesbilanz ist leer !"));
        return false;
    }

    FileDialogRequest request;
    request.title = QStringLiteral("Speichern als");
    request.initialFolder = mealFileFolder();
    request.filter = MealFileFilter;
    request.defaultExtension = QStringLiteral("txt");
    // The name of the file last read is proposed, not that of the file last saved; a diary day
    // proposes its date.
    request.proposedName =
        isDiaryDay() ? DiaryFileName(m_diaryDate) : FileNamePart(m_plan.loadedMealFilePath());
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

    const QStringList lines = MealFileLines(m_plan);
    const WriteResult written = WriteTextFile(target.writePath, lines, TextEncoding::Windows1252);
    if (!written.ok) {
        // The earlier file is untouched and the meals still count as unsaved.
        prompts->showPlainMessage(written.message());
        return false;
    }
    rememberMealFileFolder(path);
    if (isDiaryDay()) {
        // A copy: the day shown stays the diary's.
        prompts->showNotice(QStringLiteral(" Mahlzeit(en) wurden gespeichert. "));
        return true;
    }
    m_fileLabel = QStringLiteral("Datei ") + FileNamePart(path);
    m_plan.setMealFilePath(path);
    m_plan.setChanged(false);
    m_fileLines = lines;
    m_history.fileHolds(path, lines);
    emit dayChanged(DayPart::FileLabel);
    prompts->showNotice(QStringLiteral(" Mahlzeit(en) wurden gespeichert. "));
    keepDay();
    return true;
}

FocusRequest DaySession::readMealFile()
{
    UserPrompts *prompts = m_context.prompts;
    if (foodStore().swissLineCount() == 0) {
        prompts->showNotice(QStringLiteral("Die Schweizer Nährwertliste ist leer!"));
        return FocusRequest::None;
    }
    if (!offerToSaveChanges())
        return FocusRequest::None;

    // The day as it is now, for undo; the file names below change even when nothing is read.
    const DaySnapshot before = snapshot();
    // The meals on show keep the file they came from unless another file is read in their place.
    const QString shownFilePath = m_plan.loadedMealFilePath();
    m_plan.setLoadedMealFilePath(QString());
    m_plan.setChosenMealFileName(QString());
    FileDialogRequest request;
    request.title = QStringLiteral("Mahlzeiten einlesen");
    request.initialFolder = mealFileFolder();
    request.filter = MealFileFilter;
    const QString path = prompts->getOpenFileName(request);
    if (path.isEmpty())
        return FocusRequest::None;
    m_plan.setChosenMealFileName(path);
    if (!PassesMealFileNameTest(path)) {
        prompts->showNotice(NameTestMessage);
        return FocusRequest::None;
    }
    if (!QFileInfo::exists(path))
        return FocusRequest::None;

    // Every food goes through the same checks as one entered by hand, with its values taken
    // afresh from the current food data; a refused line is reported and skipped. Nothing of
    // the day on show is touched until the whole file has been read.
    const MealFileRead read = ReadMealFileAt(path, foodStore().index(), m_plan.activeMeal());
    switch (read.status) {
    case MealFileReadStatus::Ok:
        break;
    case MealFileReadStatus::Missing:
        return FocusRequest::None;
    case MealFileReadStatus::Unreadable:
        m_plan.setLoadedMealFilePath(shownFilePath);
        prompts->showPlainMessage(read.message);
        return FocusRequest::None;
    case MealFileReadStatus::TooLarge:
    case MealFileReadStatus::NotRegular:
    case MealFileReadStatus::InvalidHeader:
        m_plan.setLoadedMealFilePath(shownFilePath);
        prompts->showNotice(read.message);
        return FocusRequest::None;
    }

    rememberMealFileFolder(path);
    MealFileLoad load = read.load;
    load.plan.setLoadedMealFilePath(path);
    load.plan.setChosenMealFileName(path);
    load.plan.setMealFilePath(path);
    m_fileLabel = QStringLiteral("Datei ") + FileNamePart(path);
    // A file is shown now, not a diary day; the diary is not touched.
    m_diaryDate = QDate();
    takeLoadedDay(load);
    // What was read counts as the file's day, also when lines of it were refused.
    m_fileLines = MealFileLines(m_plan);
    record(Step(QStringLiteral("Mahlzeiten - Datei einlesen"), FileNamePart(path)), before,
           DayHistory::InputLine | DayHistory::Origin);
    m_history.fileHolds(path, m_fileLines);
    changeDay(DayPart::Meals | DayPart::Balance | DayPart::InputLine | DayPart::FileLabel |
              DayPart::ActiveMeal | DayPart::DiaryDate);
    return showRefusals(load.refusals);
}

void DaySession::takeLoadedDay(const MealFileLoad &load)
{
    m_plan = load.plan;
    m_plan.setActiveMeal(1);
    m_inputLine.clearFood();
    m_inputLine.amount.clear();
    // The unit captions keep the unit of the last food read, as they would after entering
    // the same foods by hand.
    if (!load.unitCaption.isEmpty())
        m_inputLine.unitCaption = load.unitCaption;
    m_balance = ComputeBalance(m_plan, requirements().active);
}

FocusRequest DaySession::showRefusals(const QList<MealFileRefusal> &refusals)
{
    FocusRequest focus = FocusRequest::None;
    for (const MealFileRefusal &refusal : RefusalsToShow(refusals)) {
        m_context.prompts->showNotice(refusal.message);
        if (refusal.focusAmount)
            focus = FocusRequest::Amount;
    }
    return focus;
}

// ---- undo --------------------------------------------------------------------------------------------

bool DaySession::undo()
{
    if (!m_history.canUndo()) {
        setPassingStatus(QStringLiteral("Nichts rückgängig zu machen"));
        return false;
    }
    const DayHistory::Step step = m_history.undo(snapshot());
    restore(step);
    setPassingStatus(QStringLiteral("Rückgängig: ") + step.what);
    return true;
}

bool DaySession::redo()
{
    if (!m_history.canRedo()) {
        setPassingStatus(QStringLiteral("Nichts zu wiederholen"));
        return false;
    }
    const DayHistory::Step step = m_history.redo(snapshot());
    restore(step);
    setPassingStatus(QStringLiteral("Wiederholen: ") + step.what);
    return true;
}

void DaySession::restore(const DayHistory::Step &step)
{
    // The meals come back, shown from the meal the step was taken on; the file the day belongs
    // to stays, as in any editor, unless the step itself changed it.
    const bool otherDay = (step.parts & DayHistory::Origin) && step.day.diaryDate != m_diaryDate;
    // The diary day left goes to its file first, as when the date bar leaves it.
    if (otherDay)
        writeDiary();
    const MealPlan shown = m_plan;
    m_plan = step.day.plan;
    DayParts parts = DayPart::Meals | DayPart::Balance | DayPart::ActiveMeal;
    if (step.parts & DayHistory::Origin) {
        m_fileLabel = step.day.fileLabel;
        m_fileLines = step.day.fileLines;
        if (step.day.diaryDate != m_diaryDate)
            parts |= DayPart::DiaryDate;
        m_diaryDate = step.day.diaryDate;
        if (m_diaryDate.isValid())
            m_lastDiaryDate = m_diaryDate;
        parts |= DayPart::FileLabel;
    } else {
        m_plan.setLoadedMealFilePath(shown.loadedMealFilePath());
        m_plan.setChosenMealFileName(shown.chosenMealFileName());
        m_plan.setMealFilePath(shown.mealFilePath());
    }
    if (step.parts & DayHistory::InputLine) {
        m_inputLine = step.day.inputLine;
        parts |= DayPart::InputLine;
    }
    // Unsaved unless it is the day its file holds. A diary day brought back from another date is
    // written again whatever it held: the file may have changed since the step was kept.
    m_plan.setChanged(m_fileLines.isEmpty() || MealFileLines(m_plan) != m_fileLines ||
                      (otherDay && isDiaryDay()));
    m_balance = ComputeBalance(m_plan, requirements().active);
    changeDay(parts);
}

// ---- the rest ----------------------------------------------------------------------------------------

void DaySession::showWaterShares()
{
    m_context.prompts->showNotice(WaterSharesText(m_balance));
}

void DaySession::takeRequirements(const RequirementState &state, bool takenOver)
{
    // The own values the window took into the table count even when nothing was taken over.
    m_data.requirements() = state;
    if (!takenOver)
        return;
    m_balance = ComputeBalance(m_plan, requirements().active);
    emit dayChanged(DayPart::Requirement | DayPart::Balance);
}

void DaySession::foodsChanged()
{
    emit dayChanged(DayPart::Foods);
}

bool DaySession::recipeAllowed(int meal)
{
    if (meal < 1 || meal > MealCount || m_plan.entryCount(meal) == 0) {
        m_context.prompts->showNotice(QStringLiteral("Die Mahlzeit ist leer !"));
        return false;
    }
    // An own-foods file found at start but not taken in is kept as it is; said before the
    // dialog asks for anything, since the save would be refused anyway.
    if (const FileProtection &protection = foodStore().additionalProtection(); protection.isProtected()) {
        m_context.prompts->showPlainMessage(protection.refusal());
        return false;
    }
    return true;
}

bool DaySession::saveRecipe(const AdditionalFoodRow &recipe, bool replaceExisting)
{
    const RecipeSave saved = SaveRecipeAsOwnFood(foodStore(), recipe, replaceExisting, m_context.clock());
    if (!saved.plainMessage.isEmpty()) {
        m_context.prompts->showPlainMessage(saved.plainMessage);
        return false;
    }
    if (saved.saved)
        emit dayChanged(DayPart::Foods);
    m_context.prompts->showNotice(saved.notice);
    return true;
}

// ---- the diary ---------------------------------------------------------------------------------------

bool DaySession::readDiaryDay(const QDate &date, MealFileLoad *load)
{
    const MealFileRead read = ReadMealFileAt(m_diary->filePath(date), foodStore().index(), 1);
    switch (read.status) {
    case MealFileReadStatus::Ok:
        *load = read.load;
        return true;
    case MealFileReadStatus::Missing: // a day without entries yet
        *load = MealFileLoad();
        return true;
    case MealFileReadStatus::Unreadable:
        m_context.prompts->showPlainMessage(read.message);
        return false;
    case MealFileReadStatus::TooLarge:
    case MealFileReadStatus::NotRegular:
    case MealFileReadStatus::InvalidHeader:
        // Shown, the day would be written over at the first change; so it is not shown.
        m_context.prompts->showNotice(read.message);
        return false;
    }
    return false;
}

void DaySession::openDiary()
{
    if (!m_diary)
        return;
    const QDate date = today();
    MealFileLoad load;
    if (!readDiaryDay(date, &load))
        return;
    m_diaryDate = date;
    m_lastDiaryDate = date;
    m_fileLabel = DiaryLabel(date);
    takeLoadedDay(load);
    m_fileLines = MealFileLines(m_plan);
    // No keepDay: an unchanged day needs no write, and a recovery file left by the last run
    // waits for offerRecovery. An empty day starts as the program always started, with the
    // sums blank until the first food.
    DayParts parts = DayPart::Meals | DayPart::InputLine | DayPart::FileLabel | DayPart::ActiveMeal |
                     DayPart::DiaryDate;
    if (!m_plan.allEmpty())
        parts |= DayPart::Balance;
    emit dayChanged(parts);
    showRefusals(load.refusals);
}

bool DaySession::showDiaryDay(const QDate &date)
{
    if (!m_diary || !date.isValid())
        return false;
    if (date == m_diaryDate)
        return true;
    // A changed file asks first; a diary day is written at once.
    if (!offerToSaveChanges())
        return false;
    MealFileLoad load;
    if (!readDiaryDay(date, &load))
        return false;
    const DaySnapshot before = snapshot();
    // A changed file the user chose not to save is left: its recovery file goes with it (undo
    // still brings the day back).
    if (!isDiaryDay() && m_plan.changed())
        dropRecovery();
    const int activeMeal = m_plan.activeMeal();
    m_diaryDate = date;
    m_lastDiaryDate = date;
    m_fileLabel = DiaryLabel(date);
    // The picked food and the meal worked on stay, so the food can go into another day.
    m_plan = load.plan;
    m_plan.setActiveMeal(activeMeal);
    m_fileLines = MealFileLines(m_plan);
    record(Step(QStringLiteral("Datum wechseln"), WeekdayDateText(date)), before, DayHistory::Origin);
    m_balance = ComputeBalance(m_plan, requirements().active);
    emit dayChanged(DayPart::Meals | DayPart::Balance | DayPart::FileLabel | DayPart::DiaryDate);
    showRefusals(load.refusals);
    return true;
}

bool DaySession::stepDiaryDay(int days)
{
    const QDate from = m_diaryDate.isValid() ? m_diaryDate : m_lastDiaryDate.isValid() ? m_lastDiaryDate : today();
    return showDiaryDay(from.addDays(days));
}
