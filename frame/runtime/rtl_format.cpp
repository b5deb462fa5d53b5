#include "rtl.h"

#include <frame/core/errors.h>
#include "rtl_floattext_p.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace vek {

namespace {

constexpr int DefaultFixedDecimals = 2;
constexpr int DefaultSignificantDigits = 15;
constexpr int Omitted = -1;

struct Conversion {
    bool leftJustify = false;
    int width = 0;
    int precision = Omitted;
    QChar type;
};

QString ZeroPadded(QString digits, int minDigits)
{
    return digits.rightJustified(minDigits, QLatin1Char('0'));
}

QString DecimalText(qint64 value, int minDigits)
{
    // Negating in unsigned arithmetic keeps the most negative qint64 defined.
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    const QString digits = ZeroPadded(QString::number(magnitude), minDigits);
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString HexText(qint64 value, int minDigits)
{
    // Integers are 32-bit in the code this serves, so -1 must print as FFFFFFFF.
    const bool fitsInt32 = value >= std::numeric_limits<qint32>::min() && value < 0;
    const quint64 bits = fitsInt32 ? quint64(quint32(value)) : quint64(value);
    return ZeroPadded(QString::number(bits, 16).toUpper(), minDigits);
}

int SignificantDigits(int precision)
{
    if (precision == Omitted)
        return DefaultSignificantDigits;
    return std::clamp(precision, 1, floattext::MaxSignificantDigits);
}

QString FloatText(char type, double value, int precision, QChar separator)
{
    if (!std::isfinite(value))
        return floattext::NonFiniteText(value);
    switch (type) {
    case 'f': {
        const int decimals = precision == Omitted ? DefaultFixedDecimals : precision;
        return floattext::FixedText(value, std::min(decimals, floattext::MaxSignificantDigits),
                                    separator);
    }
    case 'e':
        return floattext::ScientificText(value, SignificantDigits(precision), separator, 3);
    default:
        return floattext::GeneralText(value, SignificantDigits(precision), separator);
    }
}

// Walks a pattern once, consuming arguments in order.
class Formatter {
public:
    Formatter(const QString& pattern, std::initializer_list<FormatArg> args, QChar separator)
        : FPattern(pattern), FArgs(args), FSeparator(separator)
    {
    }

    QString Run()
    {
        QString result;
        while (FPos < FPattern.size()) {
            const QChar c = FPattern.at(FPos++);
            if (c != QLatin1Char('%'))
                result += c;
            else if (Peek() == QLatin1Char('%'))
                result += FPattern.at(FPos++);
            else
                result += Padded(ReadConversion());
        }
        return result;
    }

private:
    [[noreturn]] void Fail() const
    {
        throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument")
                                .arg(FPattern));
    }

    QChar Peek() const { return FPos < FPattern.size() ? FPattern.at(FPos) : QChar(); }

    const FormatArg::Value& NextArg()
    {
        if (FNextArg == FArgs.size())
            Fail();
        return FArgs.begin()[FNextArg++].Get();
    }

    template <typename T>
    const T& NextArgAs()
    {
        const T* value = std::get_if<T>(&NextArg());
        if (!value)
            Fail();
        return *value;
    }

    bool AtDigit() const
    {
        const QChar c = Peek();
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }

    // A width or precision: digits, "*" (the next integer argument, which may be
    // negative) or nothing.
    std::optional<int> ReadCount()
    {
        if (Peek() == QLatin1Char('*')) {
            ++FPos;
            const qint64 count = NextArgAs<qint64>();
            if (count < -MaxFormatFieldSize || count > MaxFormatFieldSize)
                Fail();
            return int(count);
        }
        if (!AtDigit())
            return std::nullopt;
        int count = 0;
        while (AtDigit()) {
            count = count * 10 + FPattern.at(FPos++).digitValue();
            if (count > MaxFormatFieldSize)
                Fail();
        }
        return count;
    }

    Conversion ReadConversion()
    {
        Conversion conversion;
        if (Peek() == QLatin1Char('-')) {
            conversion.leftJustify = true;
            ++FPos;
        }
        if (const std::optional<int> width = ReadCount()) {
            conversion.leftJustify = conversion.leftJustify || *width < 0;
            conversion.width = std::abs(*width);
        }
        if (Peek() == QLatin1Char('.')) {
            ++FPos;
            // "%.f" means precision 0, as in C; a negative "*" precision means none.
            conversion.precision = std::max(ReadCount().value_or(0), Omitted);
        }
        if (FPos == FPattern.size())
            Fail();
        conversion.type = FPattern.at(FPos++).toLower();
        return conversion;
    }

    QString Padded(const Conversion& conversion)
    {
        const QString text = Converted(conversion);
        return conversion.leftJustify ? text.leftJustified(conversion.width)
                                      : text.rightJustified(conversion.width);
    }

    QString Converted(const Conversion& conversion)
    {
        const int precision = conversion.precision;
        switch (conversion.type.unicode()) {
        case 'd':
            return DecimalText(NextArgAs<qint64>(), precision);
        case 'x':
            return HexText(NextArgAs<qint64>(), precision);
        case 's':
            return NextArgAs<QString>().left(precision); // left(Omitted) keeps it all
        case 'e':
        case 'f':
        case 'g':
            return FloatText(char(conversion.type.unicode()), NextArgAs<double>(), precision,
                             FSeparator);
        default:
            Fail();
        }
    }

    const QString& FPattern;
    std::initializer_list<FormatArg> FArgs;
    QChar FSeparator;
    qsizetype FPos = 0;
    size_t FNextArg = 0;
};

} // namespace

QString Format(const QString& pattern, std::initializer_list<FormatArg> args)
{
    return Format(pattern, args, DecimalSeparator());
}

QString Format(const QString& pattern, std::initializer_list<FormatArg> args,
               QChar decimalSeparator)
{
    return Formatter(pattern, args, decimalSeparator).Run();
}

} // namespace vek
