#include "messagelayout.h"

#include "userprompts.h"

namespace {

constexpr int MaxShownChars = 1000;
constexpr int MaxMeasuredChars = 300;
constexpr int WrapWidth = 900;
constexpr int MinLabelBase = 100;
constexpr int Margin = 16;
// Height of one line unit for a 10 point font: the integer part of 10 * 1.7 + 1, with 1.7
// taken just below its exact value, is 17. Fixed here because in double arithmetic the
// product rounds up to exactly 17 and the unit would come out as 18.
constexpr int LineUnitHeight = 17;
constexpr int ButtonBand = 48;
constexpr int ButtonFromBottom = 40;
constexpr int ButtonGap = 4;
// Three buttons stand 8 pixels apart, centred as a group; the window is at least wide
// enough for them and the margins.
constexpr int ThreeButtonGap = 8;
constexpr int ThreeButtonGroupWidth = 3 * MessageButtonWidth + 2 * ThreeButtonGap;
constexpr int ThreeButtonMinClientWidth = ThreeButtonGroupWidth + 2 * Margin;

} // namespace

MessageLayout LayOutMessageWindow(const QString &text, int mode,
                                  const std::function<int(const QString &)> &measureWidth)
{
    MessageLayout layout;
    layout.shownText = text.left(MaxShownChars);

    // Every line feed starts a new line; the piece after the last one (possibly empty) is
    // a line too.
    int start = 0;
    for (;;) {
        const int end = layout.shownText.indexOf(QLatin1Char('\n'), start);
        const int length = (end < 0 ? layout.shownText.size() : end) - start;
        const int width = measureWidth(layout.shownText.mid(start, qMin(length, MaxMeasuredChars)));
        layout.lineUnits += width > WrapWidth ? 2 : 1;
        layout.widestLine = qMax(layout.widestLine, width);
        if (end < 0)
            break;
        start = end + 1;
    }

    int base = layout.widestLine <= WrapWidth ? layout.widestLine + Margin : WrapWidth;
    base = qMax(base, MinLabelBase);
    int labelWidth = base + 8;
    if (mode == ModeYesNoCancel)
        labelWidth = qMax(labelWidth, ThreeButtonMinClientWidth - 2 * Margin);
    const int labelHeight = LineUnitHeight * layout.lineUnits;
    layout.label = QRect(Margin, Margin, labelWidth, labelHeight);
    layout.client = QSize(2 * Margin + labelWidth, Margin + labelHeight + ButtonBand);

    const int w = layout.client.width();
    const int top = layout.client.height() - ButtonFromBottom;
    switch (mode) {
    case ModeYesNo:
        layout.leftCaption = QStringLiteral("Ja");
        layout.rightCaption = QStringLiteral("Nein");
        break;
    case ModeYesNoDefaultYes:
        layout.leftCaption = QStringLiteral("Ja");
        layout.rightCaption = QStringLiteral("Nein");
        layout.leftIsDefault = true;
        break;
    case ModeYesNoCancel:
        layout.leftCaption = QStringLiteral("Ja");
        layout.rightCaption = QStringLiteral("Nein");
        layout.thirdCaption = QStringLiteral("Abbrechen");
        layout.leftIsDefault = true;
        break;
    case ModeTextCsv:
        layout.leftCaption = QStringLiteral("Text");
        layout.rightCaption = QStringLiteral("CSV");
        break;
    case ModeOkCancel:
        layout.leftCaption = QStringLiteral("OK");
        layout.rightCaption = QStringLiteral("Abbrechen");
        break;
    default:
        layout.rightCaption = QStringLiteral("OK");
        break;
    }
    layout.leftVisible = !layout.leftCaption.isEmpty();
    layout.thirdVisible = !layout.thirdCaption.isEmpty();
    if (layout.thirdVisible) {
        const int left = (w - ThreeButtonGroupWidth) / 2;
        const int step = MessageButtonWidth + ThreeButtonGap;
        layout.leftButton = QRect(left, top, MessageButtonWidth, MessageButtonHeight);
        layout.rightButton = QRect(left + step, top, MessageButtonWidth, MessageButtonHeight);
        layout.thirdButton = QRect(left + 2 * step, top, MessageButtonWidth, MessageButtonHeight);
    } else if (layout.leftVisible) {
        layout.rightButton = QRect(w / 2 + ButtonGap, top, MessageButtonWidth, MessageButtonHeight);
        layout.leftButton =
            QRect(w / 2 - MessageButtonWidth - ButtonGap, top, MessageButtonWidth, MessageButtonHeight);
    } else {
        layout.rightButton =
            QRect(w / 2 - MessageButtonWidth / 2, top, MessageButtonWidth, MessageButtonHeight);
    }
    return layout;
}
