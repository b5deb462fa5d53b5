#include "rtl.h"

#include <frame/core/errors.h>

#include <QLocale>

namespace vek {

namespace {

constexpr quint64 MaxHexValue = 0xFFFFFFFFu;
constexpr quint64 MaxIntMagnitude = 2147483647u;

// Reads a string character by character; past the end it sees a null QChar, which
// matches no syntax element, so the scanners need no separate end checks.
class Cursor {
public:
    explicit Cursor(const QString& text) : FText(text) {}

    QChar Current() const { return At(FPos); }
    QChar Next() const { return At(FPos + 1); }
    bool AtEnd() const { return FPos >= FText.size(); }
    void Advance(qsizetype count = 1) { FPos += count; }
    // The 1-based position of the current character, as Val reports it.
    int Position() const { return int(FPos + 1); }
    qsizetype Index() const { return FPos; }

    bool Skip(char c)
    {
        if (Current() != QLatin1Char(c))
            return false;
        ++FPos;
        return true;
    }
    bool SkipSign() { return Skip('+') || Skip('-'); }
    void SkipBlanks()
    {
        while (Current() == QLatin1Char(' ') || Current() == QLatin1Char('\t'))
            ++FPos;
    }
    bool AtDigit() const { return DigitValue(Current(), 10) >= 0; }
    // Skips decimal digits and returns how many there were.
    int SkipDigits()
    {
        int count = 0;
        for (; AtDigit(); ++FPos)
            ++count;
        return count;
    }

    static int DigitValue(QChar c, int base)
    {
        const char16_t u = c.toUpper().unicode();
        const int value = u >= '0' && u <= '9'   ? u - '0'
                          : u >= 'A' && u <= 'F' ? u - 'A' + 10
                                                 : -1;
        return value < base ? value : -1;
    }

private:
    QChar At(qsizetype index) const { return index < FText.size() ? FText.at(index) : QChar(); }

    const QString& FText;
    qsizetype FPos = 0;
};

// The integer syntax of StrToInt at the cursor, up to the end of the text. Returns 0 and
// sets value, or the 1-based position of the first character that does not fit.
int ScanInteger(Cursor& cursor, int& value)
{
    const bool negative = cursor.Current() == QLatin1Char('-');
    cursor.SkipSign();
    int base = 10;
    if (cursor.Skip('$')) {
        base = 16;
    } else if (cursor.Current() == QLatin1Char('0')
               && cursor.Next().toUpper() == QLatin1Char('X')) {
        cursor.Advance(2);
        base = 16;
    }
    // Hex is a bit pattern (FFFFFFFF is -1); decimal must fit as a signed number.
    const quint64 limit = base == 16 ? MaxHexValue : MaxIntMagnitude + (negative ? 1 : 0);
    if (cursor.AtEnd())
        return cursor.Position();
    quint64 magnitude = 0;
    for (; !cursor.AtEnd(); cursor.Advance()) {
        const int digit = Cursor::DigitValue(cursor.Current(), base);
        if (digit < 0)
            return cursor.Position();
        magnitude = magnitude * quint64(base) + quint64(digit);
        if (magnitude > limit)
            return cursor.Position();
    }
    const quint32 bits = quint32(magnitude);
    value = int(negative ? 0u - bits : bits);
    return 0;
}

// Checks the real-number syntax of Val from the cursor to the end of the text. Returns 0
// or the 1-based position of the first character that does not fit.
int ScanReal(Cursor& cursor)
{
    cursor.SkipSign();
    int mantissaDigits = cursor.SkipDigits();
    if (cursor.Skip('.'))
        mantissaDigits += cursor.SkipDigits();
    if (mantissaDigits == 0)
        return cursor.Position();
    if (cursor.Skip('e') || cursor.Skip('E')) {
        cursor.SkipSign();
        if (cursor.SkipDigits() == 0)
            return cursor.Position();
    }
    return cursor.AtEnd() ? 0 : cursor.Position();
}

} // namespace

int StrToInt(const QString& text)
{
    Cursor cursor(text);
    int value = 0;
    if (ScanInteger(cursor, value) != 0)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

void Val(const QString& s, double& value, int& code)
{
    Cursor cursor(s);
    cursor.SkipBlanks();
    const qsizetype start = cursor.Index();
    code = ScanReal(cursor);
    // The syntax is checked above, so the C locale parser only has to convert; it yields
    // infinity or zero for magnitudes outside the double range.
    value = code == 0 ? QLocale::c().toDouble(QStringView(s).mid(start)) : 0.0;
}

void Val(const QString& s, int& value, int& code)
{
    Cursor cursor(s);
    cursor.SkipBlanks();
    value = 0;
    code = ScanInteger(cursor, value);
}

} // namespace vek
