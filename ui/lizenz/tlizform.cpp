#include "tlizform.h"

#include "appinfo.h"
#include "userprompts.h"
#include "windowfont.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>

// Q_INIT_RESOURCE declares the resource's init function where it is used, so the call sits in
// the global namespace. A static library needs the explicit call, or the linker drops the picture.
static void InitInfoPictureResource()
{
    Q_INIT_RESOURCE(lizenz);
}

TLizForm::TLizForm(UserPrompts *prompts, QString buildStamp, QString programFilePath, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_buildStamp(std::move(buildStamp)),
      m_programFilePath(std::move(programFilePath))
{
    InitInfoPictureResource();
    setObjectName(QStringLiteral("TLizForm"));
    setWindowTitle(AppTitle());
    setFixedSize(833, 600);

    m_versionNameLabel = new QLabel(QStringLiteral("Kostbilanz Version xxx"), this);
    m_versionNameLabel->setObjectName(QStringLiteral("VersionNameLabel"));
    m_versionNameLabel->setGeometry(16, 22, 785, 20);
    m_versionNameLabel->setAlignment(Qt::AlignCenter);
    m_versionNameLabel->setFont(WindowFontPixels(13));
    m_versionNameLabel->setAutoFillBackground(true);
    QPalette labelPalette = m_versionNameLabel->palette();
    labelPalette.setColor(QPalette::Window, QColor(255, 255, 225));
    m_versionNameLabel->setPalette(labelPalette);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setGeometry(16, 48, 801, 480);
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setFocusPolicy(Qt::StrongFocus);
    m_scrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The picture keeps a white margin wider than the strip the vertical bar covers, so
    // nothing readable is lost and no horizontal bar is needed.
    m_scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollBox->setWidgetResizable(false);
    QPalette boxPalette = m_scrollBox->palette();
    boxPalette.setColor(QPalette::Window, Qt::white);
    m_scrollBox->setPalette(boxPalette);
    m_scrollBox->setBackgroundRole(QPalette::Window);
    m_scrollBox->viewport()->setAutoFillBackground(true);
    m_scrollBox->viewport()->setPalette(boxPalette);

    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("Image1"));
    // The picture is decoded when the window is first shown (showEvent): decoded it takes
    // about 7 MB and a third of the start-up time, for a window most runs never open. Its
    // size is known only then; until then the label is empty.
    m_image->setFixedSize(0, 0);
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox->setWidget(m_image);

    m_closeBtn = new QPushButton(QStringLiteral("&Schließen"), this);
    m_closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    m_closeBtn->setGeometry(360, 551, 97, 25);
    m_closeBtn->setAutoDefault(false);
    // The mouse acts on the press (see CloseBtnMouseDown); the keyboard (Alt+S, Space) still
    // needs a way to close, which is the ordinary click.
    connect(m_closeBtn, &QPushButton::clicked, this, &QDialog::reject);

    // The wheel scrolls the box in fixed steps wherever the pointer is in the window, as it
    // would when the box holds the focus; the box's own wheel handling is bypassed.
    m_scrollBox->viewport()->installEventFilter(this);
    m_scrollBox->verticalScrollBar()->installEventFilter(this);
    m_scrollBox->installEventFilter(this);
    installEventFilter(this);
    m_closeBtn->installEventFilter(this);
}

void TLizForm::showUsage(QPoint mainTopLeft)
{
    move(mainTopLeft + QPoint(148, 28));
    setWindowTitle(QStringLiteral("  Bedienung und Lizenzvereinbarung"));
    m_versionNameLabel->setText(AppTitle());
    exec();
}

void TLizForm::ReadFileVersion()
{
    m_fileVersionText = LookUpFileVersion(m_programFilePath, m_versionInfo, m_fileVersionText);
}

void TLizForm::showEvent(QShowEvent *event)
{
    if (m_image->pixmap().isNull()) {
        const QPixmap picture(QStringLiteral(":/lizenz/usage.png"));
        m_image->setPixmap(picture);
        // The box scrolls the picture at its natural size, however high the text has made it.
        m_image->setFixedSize(picture.size());
    }
    QDialog::showEvent(event);
    FormShow();
}

bool TLizForm::eventFilter(QObject *watched, QEvent *event)
{
    // The second press of a double click arrives as its own event type; it is a press too.
    if (watched == m_closeBtn &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        CloseBtnMouseDown(static_cast<QMouseEvent *>(event));
        return true;
    }
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        (watched == this || isAncestorOf(static_cast<QWidget *>(watched)))) {
        ScrollBox1MouseWheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TLizForm::FormShow()
{
    m_scrollBox->verticalScrollBar()->setValue(0);
    m_scrollBox->setFocus(Qt::OtherFocusReason);
}

void TLizForm::ScrollBox1MouseWheel(QWheelEvent *event)
{
    // One notch (120) moves 15 pixels. The division cuts toward zero, so the small steps of a
    // high-resolution wheel below 8 move nothing.
    const int delta = event->angleDelta().y();
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    bar->setValue(bar->value() - delta / 8); // setValue keeps the position within the range
    event->accept();
}

void TLizForm::CloseBtnMouseDown(QMouseEvent *event)
{
    if ((event->modifiers() & Qt::ShiftModifier) && (event->buttons() & Qt::RightButton)) {
        ReadFileVersion();
        if (m_prompts)
            m_prompts->showNotice(QStringLiteral("Build %1 %2").arg(m_buildStamp, m_fileVersionText));
        return;
    }
    reject();
}
