// Exporting the day as the window shows it, as a text or a CSV report.

#include "tmainform.h"

#include "dayreport.h"
#include "reportfile.h"
#include "userprompts.h"

#include <QLabel>
#include <QTableWidget>

DayReport TMainForm::DisplayedDayReport(const QDateTime &created) const
{
    // A snapshot of what the window shows; the report never recomputes a figure.
    DayReport report = EmptyDayReport();
    report.created = created;
    report.loadedMealFilePath = m_plan.loadedMealFilePath();

    auto text = [this](const QString &name) {
        const QLabel *label = labelNamed(name);
        return label != nullptr ? label->text() : QString();
    };

    for (int n = 1; n <= MealCount; ++n) {
        DayReportMeal &meal = report.meals[n - 1];
        const QTableWidget *list = mealList(n);
        for (int row = 0; row < list->rowCount(); ++row) {
            auto cell = [list, row](int column) {
                const QTableWidgetItem *item = list->item(row, column);
                return item != nullptr ? item->text() : QString();
            };
            DayReportRow reportRow;
            reportRow.name = cell(0);
            reportRow.dbCode = cell(1);
            reportRow.amount = cell(3);
            for (int k = 0; k < NutrientCount; ++k)
                reportRow.values.append(cell(4 + k));
            meal.rows.append(reportRow);
        }
        meal.amountSum = text(QStringLiteral("MengLabelSu%1").arg(n));
        meal.sums.clear();
        for (int k = 0; k < NutrientCount; ++k)
            meal.sums.append(text(QStringLiteral("LabelMa%1Su%2").arg(n).arg(k)));
    }

    report.dayAmountSum = text(QStringLiteral("MengLabelTaSu"));
    report.daySums.clear();
    report.requirements.clear();
    report.percentages.clear();
    for (int k = 0; k < NutrientCount; ++k) {
        report.daySums.append(text(QStringLiteral("LabelTaSu%1").arg(k)));
        report.requirements.append(text(QStringLiteral("TaBedLabel%1").arg(k)));
        report.percentages.append(text(QStringLiteral("ProzLabel%1").arg(k)));
    }
    report.requirementTitle = text(QStringLiteral("KohorteLabel"));
    report.percentClasses = m_balance.classes;
    return report;
}

void TMainForm::SaveDayBalance()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_plan.allEmpty()) {
        prompts->showNotice(QStringLiteral("Die Tagesbilanz ist leer !"));
        return;
    }
    // Only the "Text" button gives the text report; "CSV" and a closed question give CSV.
    const bool asText =
        prompts->askUser(
            QStringLiteral(" Soll die Tagesbilanz als Textdatei oder CSV-Datei gespeichert werden? "),
            ModeTextCsv) == AnswerLeft;

    const QDateTime created = m_context.clock();
    // The shared save dialog keeps folder, filter and extension from its last use.
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern als");
    request.proposedName = DefaultReportFileName(m_plan.chosenMealFileName(), created,
                                                 asText ? QStringLiteral("txt") : QStringLiteral("csv"));
    const QString path = prompts->getSaveFileName(request);
    if (path.isEmpty())
        return;

    const DayReport report = DisplayedDayReport(created);
    const WriteResult written =
        WriteReportFile(path, asText ? FormatDayReportText(report) : FormatDayReportCsv(report));
    if (!written.ok) {
        prompts->showPlainMessage(written.message());
        return;
    }
    prompts->showNotice(asText ? QStringLiteral("Die Tagesbilanz wurde als Textdatei gespeichert !")
                               : QStringLiteral("Die Tagesbilanz wurde als CSV-Datei gespeichert !"));
}
