#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

// What the user gave for a measure of their own: one of MeasureNames() and the grams typed.
struct OwnMeasureInput
{
    QString name;
    QString gramsText;
};

// "Eigenes Maß": the measure's name from the list of known measures and its grams for one
// food. The result is the return value of ask(); the grams are checked by whoever stores them.
class OwnMeasureDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OwnMeasureDialog(QWidget *parent = nullptr);

    // Asks for the food named foodName; nothing when cancelled.
    std::optional<OwnMeasureInput> ask(const QString &foodName);

    QComboBox *nameList() const { return m_nameList; }
    QLineEdit *gramsEdit() const { return m_gramsEdit; }

private:
    QLabel *m_foodLabel = nullptr;
    QComboBox *m_nameList = nullptr;
    QLineEdit *m_gramsEdit = nullptr;
};
