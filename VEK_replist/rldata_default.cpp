// TRLData::DefaultValue: the value a column format proposes for an empty cell.
#include "VEK_replist.h"

#include <frame/baselib/files.h>
#include <frame/baselib/strutils.h>

#include <algorithm>

namespace vek {

namespace {

// Generated defaults never exceed what a cell holds.
constexpr int kMaxGeneratedLength = TStringArray::MaxCellLength;

// The count after a keyword: from the 1-based position start of text, leading blanks,
// an optional sign, then decimal digits up to the first other character (0 without any).
int CountAt(const QString& text, int start)
{
    qsizetype i = start - 1;
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

// The lowest `digits` digits of value in the base, zeros in front.
QString LowestDigits(qint64 value, int base, int digits)
{
    QString text = QString::number(value, base).toUpper();
    if (text.size() > digits)
        return text.right(digits);
    return QString(digits - text.size(), u'0') + text;
}

QString RowNumberText(QChar type, int row, int n)
{
    switch (type.unicode()) {
    case 'e':
    case 'f':
        return strff(row, 1, n);
    case 'h':
        // a row number as n hex digits of its 32-bit pattern
        return LowestDigits(qint64(quint32(row)), 16, std::clamp(n, 1, 8));
    default: { // 'i'
        const QString digits = LowestDigits(qAbs(qint64(row)), 10, std::clamp(n, 1, kMaxGeneratedLength));
        return row < 0 ? QStringLiteral("-") + digits : digits;
    }
    }
}

} // namespace

QString TRLData::DefaultValue(int ACol, int ARow) const
{
    const QString format = ColumnFormat(ACol);
    const qsizetype headEnd = format.indexOf(u']');
    if (headEnd < 0 || headEnd + 1 >= format.size())
        return QString();
    const QString head = format.left(headEnd + 1);
    QString rest = format.mid(headEnd + 1);
    rest = rest.mid(rest.indexOf(u']') + 1); // no width group: indexOf gives -1, keeps all
    const qsizetype open = head.indexOf(u'[');
    if (open < 0 || open + 1 >= head.size())
        return QString();
    const QChar type = head[open + 1];
    switch (type.unicode()) {
    case 'c':
    case 'l':
        return rest.section(u'|', 0, 0);
    case 'd':
        return rest;
    case 'e':
    case 'f':
    case 'h':
    case 'i':
        if (rest.toLower().contains(QStringLiteral("rix")))
            return RowNumberText(type, ARow, CountAt(rest, 4));
        return rest;
    case 's':
        if (rest.toLower().contains(QStringLiteral("$pwd$")))
            return InventPassword(std::min(CountAt(rest, 6), kMaxGeneratedLength));
        return rest;
    default:
        return QString();
    }
}

} // namespace vek
