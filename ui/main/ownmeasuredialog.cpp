#include "ownmeasuredialog.h"

#include "foodmeasures.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

OwnMeasureDialog::OwnMeasureDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EigenesMassDialog"));
    setWindowTitle(QStringLiteral("Eigenes Maß"));
    auto *layout = new QFormLayout(this);
    m_foodLabel = new QLabel(this);
    m_foodLabel->setObjectName(QStringLiteral("EigenesMassLebensmittel"));
    layout->addRow(m_foodLabel);
    m_nameList = new QComboBox(this);
    m_nameList->setObjectName(QStringLiteral("EigenesMassName"));
    m_nameList->addItems(MeasureNames());
    layout->addRow(QStringLiteral("&Maß:"), m_nameList);
    m_gramsEdit = new QLineEdit(this);
    m_gramsEdit->setObjectName(QStringLiteral("EigenesMassGramm"));
    // Whole grams only, as the file keeps them; what is left to check (0) is the store's.
    m_gramsEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,6}")), m_gramsEdit));
    m_gramsEdit->setPlaceholderText(QStringLiteral("z. B. 300"));
    layout->addRow(QStringLiteral("&Gramm für 1 Maß:"), m_gramsEdit);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(QStringLiteral("Speichern"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("EigenesMassSpeichernBtn"));
    save->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("EigenesMassAbbrechenBtn"));
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<OwnMeasureInput> OwnMeasureDialog::ask(const QString &foodName)
{
    m_foodLabel->setText(QStringLiteral("Eigenes Maß für „%1“").arg(foodName.trimmed()));
    m_gramsEdit->clear();
    m_gramsEdit->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return OwnMeasureInput{m_nameList->currentText(), m_gramsEdit->text()};
}
