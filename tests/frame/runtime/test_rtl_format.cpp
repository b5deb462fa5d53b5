// Format: pattern syntax, integer and string conversions, padding and failures.
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace vek;

namespace {

TEST(RtlFormat, CopiesTextAndPercentSigns)
{
    EXPECT_EQ(Format("plain", {}), "plain");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%%d", {}), "%d");
    EXPECT_EQ(Format("", {1}), "");
}

TEST(RtlFormat, IntegerWidthPrecisionAndJustification)
{
    EXPECT_EQ(Format("%d", {42}), "42");
    EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
    EXPECT_EQ(Format("[%-5d]", {42}), "[42   ]");
    EXPECT_EQ(Format("%.4d", {-42}), "-0042");
    EXPECT_EQ(Format("[%6.4d]", {42}), "[  0042]");
    EXPECT_EQ(Format("%1d", {12345}), "12345");
    EXPECT_EQ(Format("%d", {std::numeric_limits<qint64>::min()}), "-9223372036854775808");
    EXPECT_EQ(Format("%D", {7}), "7");
}

TEST(RtlFormat, StarTakesWidthAndPrecisionFromTheArguments)
{
    EXPECT_EQ(Format("%*.*d", {1, 0, 0}), "0");
    EXPECT_EQ(Format("%*.*d", {1, 0, 123}), "123");
    EXPECT_EQ(Format("%*.*d", {6, 3, 7}), "   007");
    EXPECT_EQ(Format("[%*d]", {-4, 7}), "[7   ]");
    EXPECT_EQ(Format("%.*d", {-1, 7}), "7");
    EXPECT_EQ(Format("%*.*f", {1, 2, 1234.5678}), "1234.57");
}

TEST(RtlFormat, HexIsUpperCaseAndShowsNegativeIntsAs32Bits)
{
    EXPECT_EQ(Format("%x", {255}), "FF");
    EXPECT_EQ(Format("%.8x", {255}), "000000FF");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%x", {qint64(4294967296)}), "100000000");
    EXPECT_EQ(Format("%x", {qint64(-4294967296)}), "FFFFFFFF00000000");
}

TEST(RtlFormat, StringsArePaddedAndCutByPrecision)
{
    EXPECT_EQ(Format("%s=%d", {"n", 3}), "n=3");
    EXPECT_EQ(Format("[%5s]", {QStringLiteral("abc")}), "[  abc]");
    EXPECT_EQ(Format("[%-5s]", {"abc"}), "[abc  ]");
    EXPECT_EQ(Format("%.2s", {"abc"}), "ab");
    EXPECT_EQ(Format("%s", {"\u00c4\u00df"}), QString::fromUtf8("\u00c4\u00df"));
}

TEST(RtlFormat, ArgumentsOfEveryArithmeticType)
{
    EXPECT_EQ(Format("%d %d %d %d", {5u, -5L, short(-3), 'A'}), "5 -5 -3 65");
    EXPECT_EQ(Format("%.2f", {1.25f}), "1.25");
    EXPECT_EQ(Format("%d", {quint64(1) << 40}), "1099511627776");
}

TEST(RtlFormat, ExtraArgumentsAreIgnored)
{
    EXPECT_EQ(Format("%d", {1, 2, 3}), "1");
}

void ExpectFormatError(const QString& pattern, std::initializer_list<FormatArg> args)
{
    try {
        Format(pattern, args);
        ADD_FAILURE() << "no error for " << pattern.toStdString();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Format '%1' invalid or incompatible with argument").arg(pattern));
    }
}

TEST(RtlFormat, MismatchedArgumentsRaise)
{
    ExpectFormatError("%f", {"x"});
    ExpectFormatError("%f", {1});
    ExpectFormatError("%d", {1.5});
    ExpectFormatError("%x", {"1"});
    ExpectFormatError("%s", {1});
    ExpectFormatError("%*d", {2.0, 1});
}

TEST(RtlFormat, MissingArgumentsAndBadPatternsRaise)
{
    ExpectFormatError("%d", {});
    ExpectFormatError("%d %d", {1});
    ExpectFormatError("%*d", {5});
    ExpectFormatError("%q", {1});
    ExpectFormatError("abc%", {1});
    ExpectFormatError("%5", {1});
    ExpectFormatError("%-.", {1});
    ExpectFormatError("%99999d", {1});
    ExpectFormatError("%*d", {100000, 1});
}

// Random patterns built from the syntax characters: anything but EConvertError (or a
// crash) is a fault.
TEST(RtlFormat, SurvivesRandomPatterns)
{
    const QString alphabet = QStringLiteral("%%%-*.0123456789dDefgsx%%abc");
    std::mt19937 random(20261208);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(1, 12);
    for (int i = 0; i < 5000; ++i) {
        QString pattern;
        for (int n = length(random); n > 0; --n)
            pattern += alphabet.at(pick(random));
        try {
            Format(pattern, {3, 2, 1.5, "s", 4, -7.25e-300});
        } catch (const EConvertError&) {
        }
    }
}

} // namespace
