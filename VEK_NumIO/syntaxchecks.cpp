// Syntax checks of field texts by input format (IsValidExpText lives with ScanFloat).
#include "VEK_NumIO.h"

#include <algorithm>

namespace vek {

namespace {

bool IsDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template <typename Predicate>
bool AllOf(QStringView text, Predicate isDigit)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

} // namespace

bool IsValidFixedText(QStringView text, TDecPSep separator)
{
    enum { Start, AfterSign, AfterSeparator, IntegerDigits, FractionDigits, Error };
    // Next state by state and class (sign, separator, digit); anything else is an error.
    constexpr int Next[5][3] = {
        {AfterSign, AfterSeparator, IntegerDigits}, // start
        {Error, AfterSeparator, IntegerDigits},     // after sign
        {Error, Error, FractionDigits},             // after separator
        {Error, AfterSeparator, IntegerDigits},     // integer digits
        {Error, Error, FractionDigits},             // fraction digits
    };
    if (text.isEmpty())
        return false;
    const int mode = SeparatorModeOf(separator);
    int state = Start;
    for (const QChar c : text) {
        int cls = -1;
        if (c == u'+' || c == u'-')
            cls = 0;
        else if ((c == u'.' && (mode & smPoint)) || (c == u',' && (mode & smComma)))
            cls = 1;
        else if (IsDecimalDigit(c))
            cls = 2;
        state = cls < 0 ? int(Error) : Next[state][cls];
        if (state == Error)
            return false;
    }
    return true;
}

bool IsValidIntText(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (text.size() == 1)
        return IsDecimalDigit(first);
    const bool firstFits = first == u'+' || first == u'-' || IsDecimalDigit(first);
    return firstFits && std::all_of(text.begin() + 1, text.end(), IsDecimalDigit);
}

bool IsValidHexText(QStringView text)
{
    return AllOf(text, [](QChar c) {
        return IsDecimalDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

bool IsValidOctText(QStringView text)
{
    return AllOf(text, [](QChar c) { return c >= u'0' && c <= u'7'; });
}

bool IsValidBinText(QStringView text)
{
    return AllOf(text, [](QChar c) { return c == u'0' || c == u'1'; });
}

} // namespace vek
