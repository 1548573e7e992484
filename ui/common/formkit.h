#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;
class WrapButton;

// The building blocks every window is laid out with, so that a panel, a caption or a button
// looks and behaves the same in all of them. Every maker gives the widget its object name.

// A fixed-size window: its name, the 13-pixel window font, the size and a filled background.
// Title and modality stay with the window.
void SetUpFixedWindow(QWidget *window, const QString &name, const QSize &size, const QColor &background);

// Fills the widget's background with colour.
void SetBackground(QWidget *widget, const QColor &colour);

// A raised panel in box.
QFrame *MakePanel(QWidget *parent, const QString &name, const QRect &box);

// A label in box that grows to hold its caption; a centred label keeps the centre of box.
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, QRect box,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A 17-pixel high label at (left, top), exactly as wide as its caption.
QLabel *MakeFittedLabel(QWidget *parent, const QString &name, const QString &text, int left, int top);

// A bold caption at the top left of box, exactly as wide as its bold text, box's height.
QLabel *MakeTitleLabel(QWidget *parent, const QString &name, const QString &text, const QRect &box);

// A push button in box. Enter in an input field of the window never presses it.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &box);

// The same for a button whose caption breaks into lines (see WrapButton).
WrapButton *MakeWrapButton(QWidget *parent, const QString &name, const QString &text, const QRect &box);

// An input field in box into which the user types at most maxLength characters; a longer text
// the program puts in is shown and kept whole (see TypingLimit).
QLineEdit *MakeEdit(QWidget *parent, const QString &name, const QRect &box, int maxLength);

// The typing limit MakeEdit gave edit, or -1 for an edit made otherwise.
int TypingLimitOf(const QLineEdit *edit);

// A list of whole rows: no row numbers, every row rowHeight pixels high, one row selected at
// a time, nothing edited in place, grid lines shown.
void SetUpRowList(QTableView *list, int rowHeight);

// The list's font for the head of a column columnWidth pixels wide, or a smaller pixel size of
// it (8 at the least) where caption would not fit between the head's margins.
QFont HeaderCaptionFont(const QTableView *list, const QString &caption, int columnWidth);
