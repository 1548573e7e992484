#include "searchfold.h"

namespace {

// The simple case fold of c followed by its canonical decomposition down to the base letter,
// folded again (a capital's decomposition starts with a capital: İ gives I).
char16_t BaseLetter(char16_t c)
{
    QChar folded = QChar(c).toCaseFolded();
    while (folded.decompositionTag() == QChar::Canonical) {
        const QString parts = folded.decomposition();
        if (parts.isEmpty())
            break;
        folded = parts.front().toCaseFolded();
    }
    return folded.unicode();
}

void AppendFoldedNonAscii(QString &out, char16_t c)
{
    switch (c) {
    case u'ß':
    case u'ẞ':
        out += u"ss";
        return;
    case u'Œ':
    case u'œ':
        out += u"oe";
        return;
    case u'Æ':
    case u'æ':
        out += u"ae";
        return;
    case u'Ø':
    case u'ø':
        out += u'o';
        return;
    default:
        break;
    }
    // The Latin ligatures ﬀ ﬁ ﬂ ﬃ ﬄ ﬅ ﬆ fold to their letters.
    if (c >= 0xFB00 && c <= 0xFB06) {
        out += QChar(c).decomposition();
        return;
    }
    const char16_t base = BaseLetter(c);
    // A combining mark typed or stored on its own belongs to the letter before it.
    const QChar::Category category = QChar(base).category();
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
        return;
    out += QChar(base);
}

bool IsDigraphStart(QChar c)
{
    return c == u'a' || c == u'o' || c == u'u';
}

} // namespace

QString FoldForSearch(QStringView text)
{
    QString folded;
    folded.reserve(text.size() + 4);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            folded += (u >= u'A' && u <= u'Z') ? QChar(u - u'A' + u'a') : c;
        else
            AppendFoldedNonAscii(folded, u);
    }
    // "ae", "oe", "ue" to "a", "o", "u", in one pass from the left, in place.
    QChar *out = folded.data();
    const QChar *in = out;
    const QChar *const end = in + folded.size();
    while (in != end) {
        const QChar c = *in++;
        *out++ = c;
        if (in != end && *in == u'e' && IsDigraphStart(c))
            ++in;
    }
    folded.truncate(out - folded.constData());
    return folded;
}

bool IsSearchWordSeparator(QChar c)
{
    const char16_t u = c.unicode();
    return u == u',' || u == u'-' || (u >= 0x2010 && u <= 0x2015) || u == 0x2212 || c.isSpace();
}

QList<QStringView> SearchWords(QStringView text)
{
    QList<QStringView> words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || IsSearchWordSeparator(text[i])) {
            if (i > start)
                words.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    return words;
}
