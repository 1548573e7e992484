#include "tzeigenachrichtform.h"

#include "appinfo.h"
#include "windowfont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TZeigeNachrichtForm::TZeigeNachrichtForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TZeigeNachrichtForm"));
    setWindowTitle(QStringLiteral("  ") + AppTitle());
    setFont(WindowFontPoints(10));
    setFixedSize(235, 172);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    // Messages may contain '<' or '&'; they are shown as typed.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setAutoFillBackground(true);
    QPalette labelPalette = m_label->palette();
    labelPalette.setColor(QPalette::Window, Qt::white);
    labelPalette.setColor(QPalette::WindowText, Qt::black);
    m_label->setPalette(labelPalette);
    m_label->setGeometry(16, 16, 203, 96);

    m_jaBtn = new QPushButton(this);
    m_jaBtn->setObjectName(QStringLiteral("JaBtn"));
    m_jaBtn->setGeometry(40, 127, MessageButtonWidth, MessageButtonHeight);
    m_neinBtn = new QPushButton(this);
    m_neinBtn->setObjectName(QStringLiteral("NeinBtn"));
    m_neinBtn->setGeometry(121, 127, MessageButtonWidth, MessageButtonHeight);
    m_abbrechenBtn = new QPushButton(this);
    m_abbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    m_abbrechenBtn->hide();

    connect(m_jaBtn, &QPushButton::clicked, this, &TZeigeNachrichtForm::JaBtnClick);
    connect(m_neinBtn, &QPushButton::clicked, this, &TZeigeNachrichtForm::NeinBtnClick);
    connect(m_abbrechenBtn, &QPushButton::clicked, this, &TZeigeNachrichtForm::AbbrechenBtnClick);
}

int TZeigeNachrichtForm::ask(const QString &text, MessageMode mode)
{
    if (isVisible()) {
        m_answer = AnswerClosed;
        return m_answer;
    }
    m_messageText = text;
    m_mode = mode;
    FormShow();

    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen != nullptr)
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->geometry()));
    // Enter answers with the button that has the focus: the right one (the harmless answer
    // of most questions) unless the mode makes "Ja" the default.
    QPushButton *focused = m_leftIsDefault ? m_jaBtn : m_neinBtn;
    m_jaBtn->setDefault(focused == m_jaBtn);
    m_neinBtn->setDefault(focused == m_neinBtn);
    focused->setFocus();
    exec();
    return m_answer;
}

MessageLayout TZeigeNachrichtForm::layoutFor(const QString &text, int mode) const
{
    const QFontMetrics metrics(m_label->font());
    return LayOutMessageWindow(text, mode,
                               [&metrics](const QString &line) { return metrics.horizontalAdvance(line); });
}

void TZeigeNachrichtForm::FormShow()
{
    const MessageLayout layout = layoutFor(m_messageText, m_mode);
    m_label->setText(layout.shownText);
    m_label->setGeometry(layout.label);
    setFixedSize(layout.client);

    m_neinBtn->setText(layout.rightCaption);
    m_neinBtn->setGeometry(layout.rightButton);
    m_jaBtn->setVisible(layout.leftVisible);
    if (layout.leftVisible) {
        m_jaBtn->setText(layout.leftCaption);
        m_jaBtn->setGeometry(layout.leftButton);
    }
    m_leftIsDefault = layout.leftIsDefault;
    m_abbrechenBtn->setVisible(layout.thirdVisible);
    if (layout.thirdVisible) {
        m_abbrechenBtn->setText(layout.thirdCaption);
        m_abbrechenBtn->setGeometry(layout.thirdButton);
    }
    // Tab walks the buttons left to right, starting at the focused one.
    setTabOrder(m_jaBtn, m_neinBtn);
    setTabOrder(m_neinBtn, m_abbrechenBtn);
    m_answer = AnswerClosed;
}

void TZeigeNachrichtForm::JaBtnClick()
{
    m_answer = AnswerLeft;
    accept();
}

void TZeigeNachrichtForm::NeinBtnClick()
{
    m_answer = AnswerRight;
    accept();
}

void TZeigeNachrichtForm::AbbrechenBtnClick()
{
    m_answer = AnswerThird;
    accept();
}
