#include "typinglimit.h"

#include <QLineEdit>

TypingLimit::TypingLimit(int maxLength, QLineEdit *edit)
    : QValidator(edit), m_edit(edit), m_maxLength(maxLength), m_previousLength(edit->text().size())
{
    // textChanged follows the validation, so during it this still holds the old length.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_previousLength = text.size(); });
    edit->setValidator(this);
}

QValidator::State TypingLimit::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    // setText clears the edit's modified state before it validates: the program's text is
    // taken whole. Typing, pasting and dropping always leave the edit modified.
    if (!m_edit->isModified())
        return Acceptable;
    if (input.size() <= m_maxLength || input.size() <= m_previousLength)
        return Acceptable;
    return Invalid;
}
