// Text to number: StrToInt and both forms of Val.
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>

using namespace vek;

namespace {

TEST(RtlStrToInt, DecimalAndHexForms)
{
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("-123"), -123);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("0X1F"), 31);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(RtlStrToInt, RejectsEverythingElseWithTheTextInTheMessage)
{
    for (const char* text : {"", " 1", "1 ", "2147483648", "-2147483649", "$100000000", "12a",
                             "0x", "$", "-", "1.5", "1e3", "$G"}) {
        try {
            StrToInt(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

struct RealResult {
    double value;
    int code;
};

RealResult ValReal(const QString& text)
{
    RealResult result{-1.0, -1};
    Val(text, result.value, result.code);
    return result;
}

struct IntResult {
    int value;
    int code;
};

IntResult ValInt(const QString& text)
{
    IntResult result{-1, -1};
    Val(text, result.value, result.code);
    return result;
}

TEST(RtlValReal, AcceptedForms)
{
    EXPECT_EQ(ValReal("1.5").value, 1.5);
    EXPECT_EQ(ValReal("  -2.5e3").value, -2500.0);
    EXPECT_EQ(ValReal("+1.").value, 1.0);
    EXPECT_EQ(ValReal(".5").value, 0.5);
    EXPECT_EQ(ValReal("1E+2").value, 100.0);
    EXPECT_EQ(ValReal("1e-2").value, 0.01);
    EXPECT_EQ(ValReal("\t7").value, 7.0);
    EXPECT_EQ(ValReal("4.9406564584124654e-324").value, 4.9406564584124654e-324);
    EXPECT_EQ(ValReal("1.5").code, 0);
}

TEST(RtlValReal, OutOfRangeMagnitudesSaturate)
{
    EXPECT_EQ(ValReal("1e400").value, std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValReal("-1e400").value, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValReal("1e-400").value, 0.0);
    EXPECT_EQ(ValReal("1e400").code, 0);
}

TEST(RtlValReal, CodeIsTheFirstUnusablePosition)
{
    const struct {
        const char* text;
        int code;
    } cases[] = {{"abc", 1}, {"1.5x", 4}, {"  1x", 4}, {"", 1},  {"  ", 3}, {".", 2},
                 {"1e", 3},  {"1e+", 4},  {"-", 2},    {"1 ", 2}, {"1,5", 2}, {"1.2.3", 4},
                 {"$10", 1}, {"1e5.", 4}};
    for (const auto& c : cases) {
        const RealResult result = ValReal(QString::fromLatin1(c.text));
        EXPECT_EQ(result.code, c.code) << c.text;
        EXPECT_EQ(result.value, 0.0) << c.text;
    }
}

TEST(RtlValReal, IgnoresTheLocaleSeparator)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const RealResult point = ValReal("1.5");
    const RealResult comma = ValReal("1,5");
    QLocale::setDefault(previous);
    EXPECT_EQ(point.value, 1.5);
    EXPECT_EQ(comma.code, 2);
}

TEST(RtlValInt, AcceptedForms)
{
    EXPECT_EQ(ValInt("42").value, 42);
    EXPECT_EQ(ValInt(" -42").value, -42);
    EXPECT_EQ(ValInt("$ff").value, 255);
    EXPECT_EQ(ValInt("-2147483648").value, -2147483647 - 1);
    EXPECT_EQ(ValInt("  0x10").code, 0);
}

TEST(RtlValInt, CodeIsTheFirstUnusablePositionIncludingOverflow)
{
    const struct {
        const char* text;
        int code;
    } cases[] = {{"12x", 3},         {"2147483648", 10}, {"99999999999", 10},
                 {"-2147483649", 11}, {"$123456789", 10}, {"", 1},
                 {"  ", 3},          {"1.5", 2},         {"$", 2}};
    for (const auto& c : cases) {
        const IntResult result = ValInt(QString::fromLatin1(c.text));
        EXPECT_EQ(result.code, c.code) << c.text;
        EXPECT_EQ(result.value, 0) << c.text;
    }
}

} // namespace
