#include "columnformat_p.h"

#include <frame/baselib/files.h>
#include <frame/baselib/strutils.h>
#include <frame/data/stringarray.h>

#include <algorithm>
#include <climits>

namespace vek::colformat {

namespace {

// Generated defaults never exceed what a cell holds.
constexpr int MaxGeneratedLength = TStringArray::MaxCellLength;
constexpr int DefaultWidth = 200;

// The lowest `digits` digits of value in the base, zeros in front.
QString LowestDigits(qint64 value, int base, int digits)
{
    QString text = QString::number(value, base).toUpper();
    if (text.size() > digits)
        return text.right(digits);
    return QString(digits - text.size(), u'0') + text;
}

QString RowNumberText(QChar letter, int row, int n)
{
    switch (letter.unicode()) {
    case 'e':
    case 'f':
        return strff(row, 1, n).left(MaxGeneratedLength);
    case 'h':
        // a row number as n hex digits of its 32-bit pattern
        return LowestDigits(qint64(quint32(row)), 16, std::clamp(n, 1, 8));
    default: { // 'i'
        const QString digits =
            LowestDigits(qAbs(qint64(row)), 10, std::clamp(n, 1, MaxGeneratedLength));
        return row < 0 ? QStringLiteral("-") + digits : digits;
    }
    }
}

// The text inside the first "[...]" of text from index `after` on; `after` then moves
// behind its "]". False (and `after` unchanged) without such a pair.
bool BracketGroup(const QString& text, qsizetype& after, QString& inside)
{
    const qsizetype open = text.indexOf(u'[', after);
    const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open + 1);
    if (close < 0)
        return false;
    inside = text.mid(open + 1, close - open - 1);
    after = close + 1;
    return true;
}

} // namespace

int NumberAt(const QString& text, int start)
{
    qsizetype i = std::max(start, 1) - 1;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 n = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        n = std::min<qint64>(n * 10 + (text[i].unicode() - '0'), INT_MAX);
    return int(negative ? -n : n);
}

ColumnFormat Parse(const QString& format)
{
    ColumnFormat parts;
    qsizetype rest = 0;
    parts.hasType = BracketGroup(format, rest, parts.type);
    if (!parts.hasType)
        parts.type = QStringLiteral("s");
    if (parts.type.startsWith(u'#')) {
        parts.readOnly = true;
        parts.type.remove(0, 1);
    }
    BracketGroup(format, rest, parts.widthText);
    parts.defaultPart = format.mid(rest);
    return parts;
}

int ColumnFormat::Width() const
{
    const int width = NumberAt(widthText, 1);
    return width < 1 ? DefaultWidth : width;
}

int ColumnFormat::DropDownCount() const
{
    const qsizetype colon = type.indexOf(u':');
    return colon < 0 ? 0 : NumberAt(type, int(colon) + 2);
}

QStringList ColumnFormat::Items() const
{
    if (defaultPart.isEmpty())
        return {};
    QStringList items = defaultPart.split(u'|');
    if (defaultPart.endsWith(u'|'))
        items.removeLast();
    return items;
}

QString DefaultFor(QChar letter, const QString& defaultPart, int row)
{
    switch (letter.unicode()) {
    case 'c':
    case 'l':
        return defaultPart.section(u'|', 0, 0);
    case 'd':
        return defaultPart;
    case 'e':
    case 'f':
    case 'h':
    case 'i':
        if (defaultPart.contains(QStringLiteral("rix"), Qt::CaseInsensitive))
            return RowNumberText(letter, row, NumberAt(defaultPart, 4));
        return defaultPart;
    case 's':
        if (defaultPart.contains(QStringLiteral("$pwd$"), Qt::CaseInsensitive))
            return InventPassword(std::min(NumberAt(defaultPart, 6), MaxGeneratedLength));
        return defaultPart;
    default:
        return QString();
    }
}

} // namespace vek::colformat
