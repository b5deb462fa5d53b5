// The date text parser of the row editor's date fields (ParseDateTime) and its writer
// (DateTimeText), on any format and text. Property: the text DateTimeText writes for a
// parsed value parses back to that value, for every format that can hold the value it
// reads (see ReadsItsOwnTexts).
//
// Input: the format, a line feed, the text (UTF-8).
#include "fuzzinput.h"

#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>
#include <frame/runtime/rtl_datetext_p.h>

#include <algorithm>

namespace {

using namespace vek;

bool IsNumberField(const datetext::Token& token)
{
    return token.IsField() && token.letter != u't'
           && !((token.letter == u'M' || token.letter == u'd') && token.count > 2);
}

bool HasField(const QList<datetext::Token>& tokens, QChar letter, int maxCount)
{
    return std::any_of(tokens.begin(), tokens.end(), [&](const datetext::Token& token) {
        return token.IsField() && token.letter == letter && token.count <= maxCount;
    });
}

// Two kinds of formats cannot read their own texts. One-letter number fields read every
// digit that follows, so in "dM" or "m0" the digits of the next field or literal run
// into them. And a date needs its year, month and day: "d" alone writes the day of a
// value that, read back, asks for year 0 (which ParseDateTime refuses, as documented).
bool ReadsItsOwnTexts(const QString& format)
{
    QList<datetext::Token> tokens = datetext::Tokenize(format);
    // An empty literal ("''") writes nothing, so it separates nothing either.
    tokens.removeIf([](const datetext::Token& token) { return token.IsLiteral() && token.literal.isEmpty(); });
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        if (!IsNumberField(tokens[i]) || tokens[i].count != 1)
            continue;
        const datetext::Token& next = tokens[i + 1];
        if (IsNumberField(next) || (next.IsLiteral() && next.literal[0].isDigit()))
            return false;
    }
    const bool wholeDate = HasField(tokens, u'y', 4) && HasField(tokens, u'M', 4) && HasField(tokens, u'd', 2);
    return wholeDate || !datetext::HasDateField(tokens);
}

std::optional<TDateTime> Parse(const QString& text, const QString& format)
{
    try {
        return ParseDateTime(text, format);
    } catch (const EConvertError&) {
        return std::nullopt; // a date or time that does not exist, as documented
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const QString format = input.Line();
    const QString text = input.Rest();

    const std::optional<TDateTime> value = Parse(text, format);
    if (!value || !ReadsItsOwnTexts(format))
        return 0;
    const QString written = DateTimeText(format, *value);
    std::optional<TDateTime> again;
    try {
        again = ParseDateTime(written, format);
    } catch (const EConvertError& error) {
        vekfuzz::Fail("written text reads back", QStringLiteral("\"%1\" by \"%2\": %3")
                                                     .arg(written, format, QString::fromUtf8(error.what())));
    }
    VEK_FUZZ_REQUIRE(again && *again == *value,
                     QStringLiteral("\"%1\" by \"%2\" is %3, its text \"%4\" reads %5")
                         .arg(text, format).arg(*value, 0, 'g', 17).arg(written)
                         .arg(again ? *again : qQNaN(), 0, 'g', 17));
    return 0;
}
