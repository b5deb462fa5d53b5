#include "rtl.h"

#include "rtl_dates_p.h"

#include <QList>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace vek {

namespace {

using dates::PaddedNumber;
using dates::TwelveHourClock;

enum class Field {
    Literal,
    DateAndTime,   // c
    Day,           // d .. dddddd (count 1..6)
    Month,         // m .. mmmm (count 1..4)
    Year,          // count 2 or 4
    Hour,
    Minute,
    Second,
    Millisecond,   // count 3: zero-padded
    Time,          // t (short), tt (long)
    AmPm,          // am/pm or a/p: text before noon, pmText after
    LocaleAmPm,    // ampm
    DateSeparator,
    TimeSeparator,
};

struct Token {
    Token(Field field, int count = 0, QString text = {}, QString pmText = {})
        : field(field), count(count), text(std::move(text)), pmText(std::move(pmText))
    {
    }

    Field field;
    int count;
    QString text;
    QString pmText;
};

// Length of the run of the character at index (in either case), at most max.
int RunLength(const QString& format, qsizetype index, int max)
{
    const QChar c = format.at(index).toLower();
    int length = 1;
    while (length < max && index + length < format.size()
           && format.at(index + length).toLower() == c)
        ++length;
    return length;
}

Token QuotedLiteral(const QString& format, qsizetype& index)
{
    const qsizetype close = format.indexOf(format.at(index), index + 1);
    const qsizetype end = close < 0 ? format.size() : close;
    Token token{Field::Literal, 0, format.mid(index + 1, end - index - 1)};
    index = close < 0 ? format.size() : close + 1;
    return token;
}

// "am/pm" and "a/p" keep the letters as written, so the format chooses their case.
Token AmPmOrLiteral(const QString& format, qsizetype& index)
{
    const QStringView rest = QStringView(format).sliced(index);
    if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
        index += 5;
        return {Field::AmPm, 0, rest.sliced(0, 2).toString(), rest.sliced(3, 2).toString()};
    }
    if (rest.startsWith(u"a/p", Qt::CaseInsensitive)) {
        index += 3;
        return {Field::AmPm, 0, rest.sliced(0, 1).toString(), rest.sliced(2, 1).toString()};
    }
    if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
        index += 4;
        return {Field::LocaleAmPm};
    }
    ++index;
    return {Field::Literal, 0, rest.sliced(0, 1).toString()};
}

Token NextToken(const QString& format, qsizetype& index, bool afterHour)
{
    const QChar c = format.at(index);
    const auto run = [&](int max) {
        const int length = RunLength(format, index, max);
        index += length;
        return length;
    };
    switch (c.toLower().unicode()) {
    case '\'':
    case '"': return QuotedLiteral(format, index);
    case 'a': return AmPmOrLiteral(format, index);
    case 'c': ++index; return {Field::DateAndTime};
    case 'd': return {Field::Day, run(6)};
    case 'm': return afterHour ? Token{Field::Minute, run(2)} : Token{Field::Month, run(4)};
    case 'y': return {Field::Year, run(int(format.size())) <= 2 ? 2 : 4};
    case 'h': return {Field::Hour, run(2)};
    case 'n': return {Field::Minute, run(2)};
    case 's': return {Field::Second, run(2)};
    case 'z': return {Field::Millisecond, run(3)};
    case 't': return {Field::Time, run(2)};
    case '/': ++index; return {Field::DateSeparator};
    case ':': ++index; return {Field::TimeSeparator};
    default: ++index; return {Field::Literal, 0, c};
    }
}

QList<Token> Tokenize(const QString& format)
{
    QList<Token> tokens;
    bool afterHour = false;
    for (qsizetype index = 0; index < format.size();) {
        tokens.append(NextToken(format, index, afterHour));
        // "hh:mm" means minutes: separators and literals between h and m do not count.
        const Field field = tokens.last().field;
        if (field != Field::Literal && field != Field::DateSeparator
            && field != Field::TimeSeparator)
            afterHour = field == Field::Hour;
    }
    return tokens;
}

// Qt's locale formats write two-digit years in short dates and a time zone in long
// times; a calendar needs four-digit years and a TDateTime has no zone.
QString WithFullYearAndNoZone(const QString& qtFormat)
{
    QString result;
    bool quoted = false;
    for (qsizetype index = 0; index < qtFormat.size();) {
        const QChar c = qtFormat.at(index);
        const int length = quoted || c == QLatin1Char('\'') ? 1 : RunLength(qtFormat, index, 4);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('y') && length == 2)
            result += QStringLiteral("yyyy");
        else if (!quoted && c == QLatin1Char('t'))
            result = result.trimmed();
        else
            result += qtFormat.mid(index, length);
        index += length;
    }
    return result;
}

// The first punctuation character of a Qt format: "/" in "M/d/yyyy", "." in "dd.MM.yyyy".
QChar SeparatorOf(const QString& qtFormat, QChar fallback)
{
    for (const QChar c : qtFormat)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    return fallback;
}

class DateTimeWriter {
public:
    explicit DateTimeWriter(TDateTime dateTime) : FValue(dates::Split(dateTime))
    {
        FShortDate = WithFullYearAndNoZone(FLocale.dateFormat(QLocale::ShortFormat));
        FLongDate = WithFullYearAndNoZone(FLocale.dateFormat(QLocale::LongFormat));
        FShortTime = WithFullYearAndNoZone(FLocale.timeFormat(QLocale::ShortFormat));
        FLongTime = WithFullYearAndNoZone(FLocale.timeFormat(QLocale::LongFormat));
    }

    QString Write(const QList<Token>& tokens)
    {
        FTwelveHour = std::any_of(tokens.begin(), tokens.end(), [](const Token& token) {
            return token.field == Field::AmPm || token.field == Field::LocaleAmPm;
        });
        QString result;
        for (const Token& token : tokens)
            result += Text(token);
        return result;
    }

private:
    QString Text(const Token& token) const
    {
        const QTime& time = FValue.time;
        const bool morning = time.hour() < 12;
        switch (token.field) {
        case Field::Literal: return token.text;
        case Field::DateAndTime: return DateAndTimeText();
        case Field::Day: return DayText(token.count);
        case Field::Month: return MonthText(token.count);
        case Field::Year: return YearText(token.count);
        case Field::Hour:
            return PaddedNumber(FTwelveHour ? TwelveHourClock(time.hour()) : time.hour(),
                                token.count);
        case Field::Minute: return PaddedNumber(time.minute(), token.count);
        case Field::Second: return PaddedNumber(time.second(), token.count);
        case Field::Millisecond: return PaddedNumber(time.msec(), token.count == 3 ? 3 : 1);
        case Field::Time: return FLocale.toString(time, token.count == 1 ? FShortTime : FLongTime);
        case Field::AmPm: return morning ? token.text : token.pmText;
        case Field::LocaleAmPm: return morning ? FLocale.amText() : FLocale.pmText();
        case Field::DateSeparator: return SeparatorOf(FShortDate, QLatin1Char('/'));
        case Field::TimeSeparator: return SeparatorOf(FShortTime, QLatin1Char(':'));
        }
        return {};
    }

    QString DateAndTimeText() const
    {
        QString text = FLocale.toString(FValue.date, FShortDate);
        if (FValue.time.msecsSinceStartOfDay() != 0)
            text += QLatin1Char(' ') + FLocale.toString(FValue.time, FLongTime);
        return text;
    }

    QString DayText(int count) const
    {
        const QDate& date = FValue.date;
        switch (count) {
        case 1:
        case 2: return PaddedNumber(date.day(), count);
        case 3: return FLocale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
        case 4: return FLocale.dayName(date.dayOfWeek(), QLocale::LongFormat);
        case 5: return FLocale.toString(date, FShortDate);
        default: return FLocale.toString(date, FLongDate);
        }
    }

    QString YearText(int count) const
    {
        const int year = FValue.date.year();
        return count == 2 ? PaddedNumber(year % 100, 2) : PaddedNumber(year, 4);
    }

    QString MonthText(int count) const
    {
        const int month = FValue.date.month();
        switch (count) {
        case 1:
        case 2: return PaddedNumber(month, count);
        case 3: return FLocale.monthName(month, QLocale::ShortFormat);
        default: return FLocale.monthName(month, QLocale::LongFormat);
        }
    }

    const QLocale FLocale;
    const dates::DayAndTime FValue;
    QString FShortDate, FLongDate, FShortTime, FLongTime;
    bool FTwelveHour = false;
};

} // namespace

QString FormatDateTime(const QString& format, TDateTime dateTime)
{
    const QString effectiveFormat = format.isEmpty() ? QStringLiteral("c") : format;
    return DateTimeWriter(dateTime).Write(Tokenize(effectiveFormat));
}

} // namespace vek
