#pragma once

#include "messagelayout.h"
#include "userprompts.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The message window: one text, one to three buttons, sized to the text at every showing.
class TZeigeNachrichtForm : public QDialog
{
    Q_OBJECT

public:
    explicit TZeigeNachrichtForm(QWidget *parent = nullptr);

    // Shows text with the buttons of mode, modally and centred on the screen, and returns
    // 1 (left button), 0 (right button, or the single "OK"), 2 (third button) or 99 (closed
    // by the close box, Escape or the system). A call while the window is on the screen shows nothing and
    // returns 99 at once.
    int ask(const QString &text, MessageMode mode);

    // The answer of the last call; 99 before any.
    int lastAnswer() const { return m_answer; }

    // The layout that ask() applies for text and mode, measured in this window's font.
    MessageLayout layoutFor(const QString &text, int mode) const;

private slots:
    void JaBtnClick();
    void NeinBtnClick();
    void AbbrechenBtnClick();

private:
    void FormShow();

    QLabel *m_label = nullptr;
    QPushButton *m_jaBtn = nullptr;
    QPushButton *m_neinBtn = nullptr;
    QPushButton *m_abbrechenBtn = nullptr;
    QString m_messageText;
    int m_mode = ModeOk;
    int m_answer = AnswerClosed;
    bool m_leftIsDefault = false;
};
