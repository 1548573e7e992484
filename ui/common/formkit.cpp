#include "formkit.h"

#include "typinglimit.h"
#include "windowfont.h"
#include "wrapbutton.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

void SetUpFixedWindow(QWidget *window, const QString &name, const QSize &size, const QColor &background)
{
    window->setObjectName(name);
    window->setFont(WindowFontPixels(13));
    window->setFixedSize(size);
    SetBackground(window, background);
}

void SetBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame *MakePanel(QWidget *parent, const QString &name, const QRect &box)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(box);
    return panel;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, QRect box,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    // The window face found on this system may be wider than a caption's box allows; a cut
    // caption is worse than a label that reaches into the gap beside it.
    const int needed = label->fontMetrics().horizontalAdvance(text) + 2;
    if (needed > box.width()) {
        const int centre = box.center().x();
        box.setWidth(needed);
        if (alignment & Qt::AlignHCenter)
            box.moveLeft(centre - needed / 2);
    }
    label->setGeometry(box);
    label->setAlignment(alignment);
    return label;
}

QLabel *MakeFittedLabel(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    return MakeLabel(parent, name, text, QRect(left, top, 1, 17));
}

QLabel *MakeTitleLabel(QWidget *parent, const QString &name, const QString &text, const QRect &box)
{
    QLabel *title = MakeLabel(parent, name, text, box);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->resize(title->fontMetrics().horizontalAdvance(title->text()) + 2, title->height());
    return title;
}

namespace {

template <typename Button> Button *PlaceButton(Button *button, const QString &name, const QRect &box)
{
    button->setObjectName(name);
    button->setGeometry(box);
    // Enter in an input field must not press a button behind the user's back.
    button->setAutoDefault(false);
    return button;
}

} // namespace

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &box)
{
    return PlaceButton(new QPushButton(text, parent), name, box);
}

WrapButton *MakeWrapButton(QWidget *parent, const QString &name, const QString &text, const QRect &box)
{
    return PlaceButton(new WrapButton(text, parent), name, box);
}

QLineEdit *MakeEdit(QWidget *parent, const QString &name, const QRect &box, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(box);
    new TypingLimit(maxLength, edit);
    return edit;
}

int TypingLimitOf(const QLineEdit *edit)
{
    const auto *limit = qobject_cast<const TypingLimit *>(edit->validator());
    return limit != nullptr ? limit->maxLength() : -1;
}

void SetUpRowList(QTableView *list, int rowHeight)
{
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
    list->setShowGrid(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

QFont HeaderCaptionFont(const QTableView *list, const QString &caption, int columnWidth)
{
    const int available =
        columnWidth - 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list);
    QFont font = list->font();
    while (QFontMetrics(font).horizontalAdvance(caption) > available && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
