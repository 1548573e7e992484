#include "statusstrip.h"

#include <QTimer>

StatusStrip::StatusStrip(QWidget *parent, const QString &name, const QRect &geometry) : QLabel(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    m_passingTimer = new QTimer(this);
    m_passingTimer->setSingleShot(true);
    connect(m_passingTimer, &QTimer::timeout, this, [this] { setText(m_lasting); });
}

void StatusStrip::setLastingText(const QString &text)
{
    m_lasting = text;
    if (!m_passingTimer->isActive())
        setText(text);
}

void StatusStrip::showPassingText(const QString &text, int durationMs)
{
    setText(text);
    m_passingTimer->start(durationMs);
}
