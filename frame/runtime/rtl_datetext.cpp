// The display-format letters of date and time pickers: tokens, and DateTimeText, the
// writer that ParseDateTime (rtl_dateparse.cpp) reads back.
#include "rtl.h"

#include "rtl_dates_p.h"
#include "rtl_datetext_p.h"

#include <QLocale>

#include <algorithm>

namespace vek {

namespace datetext {

namespace {

constexpr QStringView FieldLetters = u"HMdhmsty";
constexpr QChar Quote = u'\'';

bool IsFieldLetter(QChar c)
{
    return FieldLetters.contains(c);
}

Token QuotedLiteral(const QString& format, qsizetype& index)
{
    Token token;
    for (++index; index < format.size(); ++index) {
        if (format[index] != Quote) {
            token.literal += format[index];
        } else if (index + 1 < format.size() && format[index + 1] == Quote) {
            token.literal += Quote;
            ++index;
        } else {
            ++index;
            break;
        }
    }
    return token;
}

Token LetterRun(const QString& format, qsizetype& index)
{
    Token token;
    token.letter = format[index];
    const qsizetype start = index;
    while (index < format.size() && format[index] == token.letter)
        ++index;
    token.count = int(std::min<qsizetype>(index - start, INT_MAX));
    token.literal = format.mid(start, index - start);
    return token;
}

Token PlainLiteral(const QString& format, qsizetype& index)
{
    Token token;
    while (index < format.size() && format[index] != Quote && !IsFieldLetter(format[index]))
        token.literal += format[index++];
    return token;
}

bool HasFieldOf(const QList<Token>& tokens, QStringView letters)
{
    return std::any_of(tokens.begin(), tokens.end(), [letters](const Token& token) {
        return token.IsField() && letters.contains(token.letter);
    });
}

} // namespace

bool Token::IsField() const
{
    switch (letter.unicode()) {
    case 'y': return count == 2 || count == 4;
    case 'M':
    case 'd': return count >= 1 && count <= 4;
    case 'H':
    case 'h':
    case 'm':
    case 's':
    case 't': return count == 1 || count == 2;
    default: return false;
    }
}

QList<Token> Tokenize(const QString& format)
{
    QList<Token> tokens;
    for (qsizetype index = 0; index < format.size();) {
        const QChar c = format[index];
        if (c == Quote)
            tokens.append(QuotedLiteral(format, index));
        else if (IsFieldLetter(c))
            tokens.append(LetterRun(format, index));
        else
            tokens.append(PlainLiteral(format, index));
    }
    return tokens;
}

bool HasAmPm(const QList<Token>& tokens)
{
    return HasFieldOf(tokens, u"t");
}

bool HasDateField(const QList<Token>& tokens)
{
    return HasFieldOf(tokens, u"yMd");
}

bool HasTimeField(const QList<Token>& tokens)
{
    return HasFieldOf(tokens, u"Hhmst");
}

} // namespace datetext

namespace {

using datetext::Token;
using dates::PaddedNumber;

// Names are English whatever the locale, as ParseDateTime reads them.
QString FieldText(const Token& token, const dates::DayAndTime& value, bool twelveHour)
{
    const QLocale english = QLocale::c();
    const QLocale::FormatType form = token.count == 3 ? QLocale::ShortFormat
                                                      : QLocale::LongFormat;
    const QDate& date = value.date;
    const int hour = value.time.hour();
    switch (token.letter.unicode()) {
    case 'y': return PaddedNumber(token.count == 2 ? date.year() % 100 : date.year(), token.count);
    case 'M':
        return token.count <= 2 ? PaddedNumber(date.month(), token.count)
                                : english.monthName(date.month(), form);
    case 'd':
        return token.count <= 2 ? PaddedNumber(date.day(), token.count)
                                : english.dayName(date.dayOfWeek(), form);
    case 'H': return PaddedNumber(hour, token.count);
    case 'h': return PaddedNumber(twelveHour ? dates::TwelveHourClock(hour) : hour, token.count);
    case 'm': return PaddedNumber(value.time.minute(), token.count);
    case 's': return PaddedNumber(value.time.second(), token.count);
    default: // 't'
        return QStringLiteral("AMPM").mid(hour < 12 ? 0 : 2, token.count == 1 ? 1 : 2);
    }
}

} // namespace

QString DateTimeText(const QString& format, TDateTime value)
{
    const QList<Token> tokens = datetext::Tokenize(format);
    const dates::DayAndTime split = dates::Split(value);
    const bool twelveHour = datetext::HasAmPm(tokens);
    QString text;
    for (const Token& token : tokens)
        text += token.IsField() ? FieldText(token, split, twelveHour) : token.literal;
    return text;
}

} // namespace vek
