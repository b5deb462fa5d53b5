// Every short text over the characters that matter to the scanners, checked against the
// scanners' promises: positions stay inside the text (plus one), results are finite, and
// a text that passes a syntax check converts completely.
#include <VEK_NumIO.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <cmath>

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
