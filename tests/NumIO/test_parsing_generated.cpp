// Every short text over the characters that matter to the scanners, checked against the
// scanners' promises: positions stay inside the text (plus one), results are finite, and
// a text that passes a syntax check converts completely. Random decimal texts read to
// the very double std::from_chars gives.
#include <VEK_NumIO.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

using namespace vek;

namespace {

const QString Alphabet = QStringLiteral("019+-.,eE$%& ");

// Calls check for every text of 0..maxLength characters over the alphabet.
template <typename Check>
void ForEachText(int maxLength, Check check)
{
    std::vector<int> digits;
    QString text;
    for (int length = 0; length <= maxLength; ++length) {
        digits.assign(length, 0);
        for (;;) {
            text.resize(length);
            for (int i = 0; i < length; ++i)
                text[i] = Alphabet[digits[i]];
            check(text);
            int i = length - 1;
            while (i >= 0 && ++digits[i] == Alphabet.size())
                digits[i--] = 0;
            if (i < 0)
                break;
        }
    }
}

// A decimal text of up to 25 digits before and after the point and an exponent that
// is small (where ScanFloat computes exactly) or large (where it defers).
std::string RandomDecimalText(std::mt19937_64& random)
{
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    std::string text = below(3) == 0 ? "-" : "";
    const auto digits = [&](int count) {
        for (int i = 0; i < count; ++i)
            text += char('0' + below(10));
    };
    digits(below(26));
    if (below(2) == 0) {
        text += '.';
        digits(below(26));
    }
    if (text.find_first_of("0123456789") == std::string::npos)
        text += '7';
    if (below(2) == 0)
        text += 'E' + std::to_string(below(2) == 0 ? below(61) - 30 : below(801) - 400);
    return text;
}

bool PositionInside(const QString& text, qsizetype position)
{
    return position >= 1 && position <= text.size() + 1;
}

} // namespace

TEST(GeneratedTexts, ScannersKeepPositionInsideAndResultsFinite)
{
    ForEachText(5, [](const QString& text) {
        for (qsizetype start = 0; start <= text.size() + 2; start += 2) {
            for (const int mode : {smPoint, smComma, smBoth}) {
                qsizetype position = start;
                const double value = ScanFloat(text, mode != smComma, mode, position);
                ASSERT_TRUE(std::isfinite(value)) << qPrintable(text);
                ASSERT_TRUE(PositionInside(text, position)) << qPrintable(text) << " from " << start;
                ASSERT_GE(position, std::clamp<qsizetype>(start, 1, text.size() + 1)) << qPrintable(text);
            }
            for (auto scan : {ScanInt, ScanHex, ScanOct, ScanBin}) {
                qsizetype position = start;
                scan(text, position, nullptr);
                ASSERT_TRUE(PositionInside(text, position)) << qPrintable(text) << " from " << start;
            }
        }
    });
}

TEST(GeneratedTexts, ValidTextsConvertCompletely)
{
    int validCount = 0;
    ForEachText(4, [&](const QString& text) {
        for (const TDecPSep separator : {dsPoint, dsComma, dsBoth}) {
            const int mode = SeparatorModeOf(separator);
            double value = 0;
            if (IsValidExpText(text, true, separator)) {
                ++validCount;
                ASSERT_TRUE(ConvertNumString(text, itExp, mode, value)) << qPrintable(text);
                qsizetype position = 1;
                ScanFloat(text, true, mode, position);
                ASSERT_EQ(position, text.size() + 1) << qPrintable(text);
            }
            if (IsValidExpText(text, false, separator))
                ASSERT_TRUE(ConvertNumString(text, itFloat, mode, value)) << qPrintable(text);
            if (IsValidFixedText(text, separator))
                ASSERT_TRUE(ConvertNumString(text, itFixPoint, mode, value)) << qPrintable(text);
        }
        double value = 0;
        if (IsValidIntText(text))
            ASSERT_TRUE(ConvertNumString(text, itInt, smPoint, value)) << qPrintable(text);
        if (IsValidHexText(text))
            ASSERT_TRUE(ConvertNumString(text, itHex, smPoint, value)) << qPrintable(text);
        if (IsValidOctText(text))
            ASSERT_TRUE(ConvertNumString(text, itOct, smPoint, value)) << qPrintable(text);
        if (IsValidBinText(text))
            ASSERT_TRUE(ConvertNumString(text, itBin, smPoint, value)) << qPrintable(text);
        for (int format = itExp; format <= itDynamic; ++format) {
            value = 0;
            ConvertNumString(text, TInFormat(format), smBoth, value);
            ASSERT_TRUE(std::isfinite(value)) << qPrintable(text);
        }
    });
    EXPECT_GT(validCount, 1000); // the generator reaches the interesting texts
}

TEST(GeneratedTexts, DecimalTextsReadAsStdFromCharsReadsThem)
{
    std::vector<std::string> texts = {
        "9007199254740992", "9007199254740993", "9007199254740995", "1E22", "1E23",
        "123456789012345678E-22", "1234567890123456789", "12345678901234567890", "0.1",
        "0.0000000000000000000001", "2.2250738585072014E-308", "4.9E-324", "8.5E-22"};
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200000; ++i)
        texts.push_back(RandomDecimalText(random));
    for (const std::string& text : texts) {
        double expected = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
        if (error != std::errc())
            continue; // out of range: the clamping tests cover these
        for (const int mode : {smPoint, smComma}) {
            QString typed = QString::fromLatin1(text);
            if (mode == smComma)
                typed.replace(u'.', u',');
            qsizetype position = 1;
            const double value = ScanFloat(typed, true, mode, position);
            ASSERT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
                << text << ": " << value << " instead of " << expected;
            ASSERT_EQ(position, typed.size() + 1) << text;
        }
    }
}
