#include "rowfilter_term_p.h"

#include <algorithm>

namespace vek {

namespace {

bool IsAscii(QStringView Text)
{
    char16_t bits = 0;
    for (const QChar c : Text)
        bits |= c.unicode();
    return bits < 0x80;
}

// Qt's case folding restricted to ASCII, where it is plain lower case.
inline QChar FoldAscii(QChar c)
{
    const char16_t unit = c.unicode();
    return char16_t(unit - u'A') < 26 ? QChar(unit + (u'a' - u'A')) : c;
}

} // namespace

SearchTerm::SearchTerm(const QString& Text, bool IgnoreCase)
    : text(IgnoreCase ? Text.toCaseFolded() : Text), ignoreCase(IgnoreCase),
      asciiText(IsAscii(text))
{
    // An empty text would be found everywhere; the filters drop empty words before.
    Q_ASSERT(!text.isEmpty());
}

bool SearchTerm::FoundIn(QStringView Cell) const
{
    if (!ignoreCase)
        return Cell.contains(text, Qt::CaseSensitive);
    // A non-ASCII character may fold onto an ASCII one (the Kelvin sign onto "k"): only
    // Qt's own folding is right for such cells.
    if (!IsAscii(Cell))
        return Cell.contains(text, Qt::CaseInsensitive);
    return asciiText && FoundInAsciiCell(Cell);
}

bool SearchTerm::FoundInAny(const QStringView* Cells, int Count) const
{
    return std::any_of(Cells, Cells + Count, [this](QStringView cell) { return FoundIn(cell); });
}

// Scans for the first folded character, then compares the rest in place.
bool SearchTerm::FoundInAsciiCell(QStringView Cell) const
{
    const QChar* hay = Cell.data();
    const QChar* needle = text.constData();
    const qsizetype needleSize = text.size();
    const qsizetype lastStart = Cell.size() - needleSize;
    for (qsizetype start = 0; start <= lastStart; ++start) {
        if (FoldAscii(hay[start]) != needle[0])
            continue;
        qsizetype i = 1;
        while (i < needleSize && FoldAscii(hay[start + i]) == needle[i])
            ++i;
        if (i == needleSize)
            return true;
    }
    return false;
}

} // namespace vek
