#include "searchvocabulary.h"

#include "searchfold.h"
#include "wordforms.h"

#include <algorithm>

namespace {

// The joints German puts between the parts of a compound: Rind|s|braten, Tomate|n|sauce,
// Bohne|n|salat, Hühn|er|suppe.
constexpr QStringView Joints[] = {u"s", u"n", u"en", u"er"};

// f1 of a piece of f0, copied only where a digraph makes it differ.
QString F1Of(QStringView f0)
{
    for (qsizetype i = 0; i + 1 < f0.size(); ++i) {
        const QChar c = f0[i];
        if (f0[i + 1] == u'e' && (c == u'a' || c == u'o' || c == u'u'))
            return WithoutDigraphs(f0);
    }
    return f0.toString();
}

bool IsLettersOnly(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The range of sorted (word indices ordered by key) whose key equals text.
template <typename Key>
std::pair<std::vector<int>::const_iterator, std::vector<int>::const_iterator>
EqualRange(const std::vector<int> &sorted, QStringView text, Key key)
{
    const auto first = std::lower_bound(sorted.begin(), sorted.end(), text,
                                        [&](int word, QStringView t) { return key(word).compare(t) < 0; });
    auto last = first;
    while (last != sorted.end() && key(*last) == text)
        ++last;
    return {first, last};
}

} // namespace

SearchWordForms FormsOfFoldedWord(QStringView f0, GermanWordForms &forms)
{
    SearchWordForms word;
    word.f0 = f0.toString();
    word.f1 = F1Of(f0);
    word.form = forms.formOf(word.f1);
    return word;
}

void WordMasks::reset(int size)
{
    contains.assign(size_t(size), 0);
    whole.assign(size_t(size), 0);
    begins.assign(size_t(size), 0);
}

int SearchVocabulary::add(QStringView f0Word, bool inFood)
{
    // A hash table of its own, so that a word is looked up as a view, without a copy: every
    // word of every food passes through here.
    if (2 * (m_words.size() + 1) > m_slots.size())
        growSlots();
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = qHash(f0Word) & mask;; slot = (slot + 1) & mask) {
        const int index = m_slots[slot];
        if (index < 0) {
            m_slots[slot] = int(m_words.size());
            m_words.push_back({f0Word.toString(), QString(), QString()});
            m_inFood.push_back(inFood);
            return int(m_words.size()) - 1;
        }
        if (QStringView(m_words[size_t(index)].f0) == f0Word) {
            if (inFood)
                m_inFood[size_t(index)] = true;
            return index;
        }
    }
}

void SearchVocabulary::growSlots()
{
    m_slots.assign(qMax<size_t>(1024, 2 * m_slots.size()), -1);
    const size_t mask = m_slots.size() - 1;
    for (size_t index = 0; index < m_words.size(); ++index) {
        size_t slot = qHash(QStringView(m_words[index].f0)) & mask;
        while (m_slots[slot] >= 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = int(index);
    }
}

void SearchVocabulary::finish(GermanWordForms &forms)
{
    m_slots = {};
    m_hasDigraphs.assign(m_words.size(), false);
    for (size_t i = 0; i < m_words.size(); ++i) {
        Word &word = m_words[i];
        word.f1 = F1Of(word.f0);
        word.form = forms.formOf(word.f1);
        m_f1Text.beginText();
        m_f1Text.text += word.f1;
        m_f1Text.text += u'\n';
        if (word.f1 != word.f0) {
            m_hasDigraphs[i] = true;
            m_f0Text.beginText();
            m_f0Text.text += word.f0;
            m_f0Text.text += u'\n';
            m_f0TextWords.push_back(int(i));
        }
    }
    m_f1Text.finish();
    m_f0Text.finish();

    auto sortedBy = [this](auto key) {
        std::vector<int> order(m_words.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::sort(order.begin(), order.end(), [&](int a, int b) { return key(a).compare(key(b)) < 0; });
        return order;
    };
    m_byF0 = sortedBy([this](int i) { return f0(i); });
    m_byF1 = sortedBy([this](int i) { return f1(i); });
    m_byForm = sortedBy([this](int i) { return form(i); });
}

int SearchVocabulary::indexOf(QStringView f0Word) const
{
    const auto range = EqualRange(m_byF0, f0Word, [this](int i) { return f0(i); });
    return range.first == range.second ? -1 : *range.first;
}

bool SearchVocabulary::mark(const SearchWordForms &word, quint32 bit, WordMasks &masks) const
{
    if (word.f1.isEmpty())
        return false;
    bool any = false;
    auto set = [&](int index, bool begins, bool whole) {
        masks.contains[size_t(index)] |= bit;
        if (begins)
            masks.begins[size_t(index)] |= bit;
        if (whole)
            masks.whole[size_t(index)] |= bit;
        any = any || m_inFood[size_t(index)];
    };

    // The f1 and, where it is long enough, the form: a form that begins the f1 (as the
    // stemmer's forms do) is looked for instead of the f1, since it is found wherever the f1 is.
    const QStringView f1(word.f1);
    const QStringView form(word.form);
    const bool formAnywhere = form.size() >= FormLengthFoundAnywhere && form != f1;
    const bool formFirst = formAnywhere && f1.startsWith(form);
    ForEachOccurrence(m_f1Text, formFirst ? form : f1, [&](int index, qsizetype offset) {
        set(index, offset == 0, offset == 0 && this->f1(index) == f1);
        return true; // later places in the same word tell nothing more
    });
    if (formAnywhere && !formFirst) {
        ForEachOccurrence(m_f1Text, form, [&](int index, qsizetype offset) {
            set(index, offset == 0, false);
            return true;
        });
    }

    // The f0, against the f0 of every word: those without digraphs have it in m_f1Text.
    const QStringView f0(word.f0);
    if (f0 != f1) {
        ForEachOccurrence(m_f1Text, f0, [&](int index, qsizetype offset) {
            if (!m_hasDigraphs[size_t(index)])
                set(index, offset == 0, offset == 0 && this->f1(index).size() == f0.size());
            return true;
        });
    }
    ForEachOccurrence(m_f0Text, f0, [&](int text, qsizetype offset) {
        const int index = m_f0TextWords[size_t(text)];
        set(index, offset == 0, offset == 0 && this->f0(index).size() == f0.size());
        return true;
    });

    // Equal forms: "linsen" and "linse", "eier" and "ei".
    if (!form.isEmpty()) {
        const auto range = EqualRange(m_byForm, form, [this](int i) { return this->form(i); });
        for (auto it = range.first; it != range.second; ++it)
            set(*it, true, true);
    }
    return any;
}

bool SearchVocabulary::isKnownPart(QStringView f0Part) const
{
    if (f0Part.size() < ShortestCompoundPart || !IsLettersOnly(f0Part))
        return false;
    auto known = [this](QStringView f0Word) {
        if (indexOf(f0Word) >= 0)
            return true;
        const QString f1Word = F1Of(f0Word);
        if (f1Word == f0Word)
            return false;
        const auto range = EqualRange(m_byF1, f1Word, [this](int i) { return f1(i); });
        return range.first != range.second;
    };
    // A word that ends in "e" drops it in front of the next part: Himbeer|joghurt, Birn|saft.
    return known(f0Part) || known(QString(f0Part.toString() + u'e'));
}

bool SearchVocabulary::isKnownHead(QStringView f0Part, GermanWordForms &forms) const
{
    if (f0Part.size() < ShortestCompoundPart || !IsLettersOnly(f0Part))
        return false;
    if (indexOf(f0Part) >= 0)
        return true;
    // The beginning of a known word, as while the compound is still being typed.
    const QString f1Part = F1Of(f0Part);
    const auto first = std::lower_bound(m_byF1.begin(), m_byF1.end(), QStringView(f1Part),
                                        [this](int word, QStringView t) { return f1(word).compare(t) < 0; });
    if (first != m_byF1.end() && f1(*first).startsWith(f1Part))
        return true;
    // An inflected form of a known word.
    const QString form = forms.formOf(f1Part);
    const auto range = EqualRange(m_byForm, form, [this](int i) { return this->form(i); });
    return range.first != range.second;
}

bool SearchVocabulary::cut(QStringView f0Word, qsizetype from, GermanWordForms &forms, quint64 &failed,
                           QList<qsizetype> &cuts) const
{
    if (failed & (quint64(1) << from))
        return false;
    const qsizetype size = f0Word.size();
    // The whole rest as the head, unless it is the whole word.
    if (from > 0 && isKnownHead(f0Word.sliced(from), forms)) {
        cuts.append(from);
        cuts.append(size);
        return true;
    }
    for (qsizetype end = size - ShortestCompoundPart; end >= from + ShortestCompoundPart; --end) {
        if (!isKnownPart(f0Word.sliced(from, end - from)))
            continue;
        cuts.append(from);
        cuts.append(end);
        if (cut(f0Word, end, forms, failed, cuts))
            return true;
        for (const QStringView joint : Joints) {
            const qsizetype next = end + joint.size();
            if (next + ShortestCompoundPart <= size && f0Word.sliced(end).startsWith(joint) &&
                cut(f0Word, next, forms, failed, cuts))
                return true;
        }
        cuts.resize(cuts.size() - 2);
    }
    failed |= quint64(1) << from;
    return false;
}

QStringList SearchVocabulary::compoundParts(QStringView f0Word, GermanWordForms &forms) const
{
    // Words of 64 characters and more are no compounds anyone types.
    if (f0Word.size() < 2 * ShortestCompoundPart || f0Word.size() >= 64)
        return {};
    quint64 failed = 0;
    QList<qsizetype> cuts; // start and end of each part
    if (!cut(f0Word, 0, forms, failed, cuts))
        return {};
    QStringList parts;
    for (qsizetype i = 0; i + 1 < cuts.size(); i += 2)
        parts.append(f0Word.sliced(cuts[i], cuts[i + 1] - cuts[i]).toString());
    return parts;
}
