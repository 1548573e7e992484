#pragma once

#include <QLabel>
#include <QString>

class QTimer;

// A window's status line: one line of text that never takes the focus or interrupts typing.
// A lasting text (a state, such as the recovery file not being written) stays until it is
// replaced or cleared; a passing one stands over it for a while and then gives way to it.
class StatusStrip : public QLabel
{
    Q_OBJECT

public:
    StatusStrip(QWidget *parent, const QString &name, const QRect &geometry);

    // The text that stays; empty: none.
    void setLastingText(const QString &text);
    QString lastingText() const { return m_lasting; }

    // Shows text for durationMs milliseconds over the lasting text.
    void showPassingText(const QString &text, int durationMs);

private:
    QString m_lasting;
    QTimer *m_passingTimer = nullptr;
};
