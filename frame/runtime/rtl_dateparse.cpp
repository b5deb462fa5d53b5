// ParseDateTime: a date and time read from a text by the display-format letters of date
// and time pickers, and the expansion of two-digit years.
#include "rtl.h"

#include "rtl_datetext_p.h"

#include <QLocale>

#include <algorithm>
#include <climits>

namespace vek {

namespace {

using datetext::Token;

// The parts read so far. A text that does not follow the format stops the reading; the
// parts are checked only when the whole format was read.
class DateTextReader {
public:
    explicit DateTextReader(QStringView text) : FRest(text) {}

    bool Read(const Token& token, bool hasAmPm)
    {
        if (token.IsLiteral())
            return Literal(token.literal);
        if (!token.IsField())
            return false;
        switch (token.letter.unicode()) {
        case 'y': return Year(token.count);
        case 'M': return token.count <= 2 ? Number(token.count, FMonth) : MonthName(token.count);
        case 'd': return token.count <= 2 ? Number(token.count, FDay) : DayName(token.count);
        // The hour field read last gives the hour and its clock, so "h H tt" reads
        // "1 13 PM" (as DateTimeText writes 13:00) as 13:00.
        case 'H':
            FTwelveHour = false;
            return Number(token.count, FHour);
        case 'h':
            // Without am/pm the hours are read as written (as DateTimeText writes them).
            FTwelveHour = hasAmPm;
            return Number(token.count, FHour);
        case 'm': return Number(token.count, FMinute);
        case 's': return Number(token.count, FSecond);
        default: return AmPm(token.count);
        }
    }

    // Raises EConvertError for a date or time that does not exist.
    TDateTime Value() const
    {
        int hour = FHour;
        if (FTwelveHour && !FAfternoon && hour == 12)
            hour = 0;
        else if (FTwelveHour && FAfternoon && hour != 12 && hour < 24)
            hour += 12; // hours from 24 on are refused below; adding could overflow
        const TDateTime time = EncodeTime(hour, FMinute, FSecond, 0);
        if (FYear == 0 && FMonth == 0 && FDay == 0)
            return time;
        return EncodeDate(FYear, FMonth, FDay) + time;
    }

private:
    void Consume(qsizetype count) { FRest = FRest.sliced(std::min(count, FRest.size())); }

    bool Literal(const QString& literal)
    {
        if (!FRest.startsWith(literal))
            return false;
        Consume(literal.size());
        return true;
    }

    // width 1: blanks, a sign and the digits that follow; otherwise exactly the next
    // width characters (fewer at the end of the text), which must be such a number.
    bool Number(int width, int& part)
    {
        const QStringView field = width == 1 ? FRest : FRest.left(width);
        qsizetype i = 0;
        while (i < field.size() && field[i] == u' ')
            ++i;
        const bool negative = i < field.size() && field[i] == u'-';
        if (i < field.size() && (field[i] == u'-' || field[i] == u'+'))
            ++i;
        const qsizetype firstDigit = i;
        qint64 value = 0;
        for (; i < field.size() && field[i].isDigit() && field[i].unicode() < 128; ++i)
            value = std::min<qint64>(value * 10 + field[i].digitValue(), INT_MAX);
        if (i == firstDigit || (width > 1 && i < field.size()))
            return false;
        part = int(negative ? -value : value);
        Consume(i);
        return true;
    }

    bool Year(int width)
    {
        if (!Number(width, FYear))
            return false;
        if (width == 2)
            FYear = ExpandTwoDigitYear(FYear, QDate::currentDate().year(),
                                       TwoDigitYearCenturyWindow);
        return true;
    }

    // Finds the name of 1..last (month or weekday) that the text begins with.
    template <typename NameOf> bool Name(int last, NameOf nameOf, int& part)
    {
        for (int n = 1; n <= last; ++n) {
            const QString name = nameOf(n);
            if (FRest.startsWith(name, Qt::CaseInsensitive)) {
                part = n;
                Consume(name.size());
                return true;
            }
        }
        return false;
    }

    bool MonthName(int count)
    {
        const QLocale::FormatType form = count == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
        return Name(12, [form](int n) { return QLocale::c().monthName(n, form); }, FMonth);
    }

    // The weekday is checked but not used: the date says which day it is.
    bool DayName(int count)
    {
        const QLocale::FormatType form = count == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
        int weekday = 0;
        return Name(7, [form](int n) { return QLocale::c().dayName(n, form); }, weekday);
    }

    bool AmPm(int count)
    {
        const QStringView morning = count == 1 ? u"a" : u"am";
        FAfternoon = !FRest.startsWith(morning, Qt::CaseInsensitive);
        Consume(count);
        return true;
    }

    QStringView FRest;
    int FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMinute = 0, FSecond = 0;
    bool FTwelveHour = false, FAfternoon = false;
};

} // namespace

int ExpandTwoDigitYear(int yy, int currentYear, int window)
{
    const int start = currentYear - window;
    const int year = start / 100 * 100 + yy;
    return window != 0 && year < start ? year + 100 : year;
}

std::optional<TDateTime> ParseDateTime(const QString& text, const QString& format)
{
    const QList<Token> tokens = datetext::Tokenize(format);
    const bool hasAmPm = datetext::HasAmPm(tokens);
    DateTextReader reader(text);
    for (const Token& token : tokens)
        if (!reader.Read(token, hasAmPm))
            return std::nullopt;
    return reader.Value();
}

} // namespace vek
