#pragma once

#include <QValidator>

class QLineEdit;

// Holds what the user types into a line edit to maxLength characters, while a text the program
// puts in with setText stays whole (QLineEdit::setMaxLength would cut it). An edit may shorten
// such a longer text or replace characters in it, but never make it longer.
class TypingLimit : public QValidator
{
    Q_OBJECT

public:
    // Becomes the edit's validator and a child of it.
    TypingLimit(int maxLength, QLineEdit *edit);

    int maxLength() const { return m_maxLength; }

    State validate(QString &input, int &pos) const override;

private:
    const QLineEdit *m_edit;
    int m_maxLength;
    // The length of the text before the change now being validated.
    qsizetype m_previousLength = 0;
};
