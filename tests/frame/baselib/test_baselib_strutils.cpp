#include <frame/baselib/strutils.h>

#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <limits>

using namespace vek;

namespace {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one surrogate pair

} // namespace

TEST(Strff, PadsToWidthWithoutCutting)
{
    EXPECT_EQ(strff(3.14159, 8, 2), "    3.14");
    EXPECT_EQ(strff(-3.14159, 8, 3), "  -3.142");
    EXPECT_EQ(strff(12345.678, 3, 1), "12345.7");
    EXPECT_EQ(strff(123, 0, 2), "123.00");
    EXPECT_EQ(strff(5, 1, 0), "5");
    EXPECT_EQ(strff(5, -3, 0), "5");
    EXPECT_EQ(strff(1.5, 1, -2), "2");
}

TEST(Strff, RoundsHalfAwayFromZeroOnTheDecimalText)
{
    EXPECT_EQ(strff(2.5, 1, 0), "3");
    EXPECT_EQ(strff(-2.5, 1, 0), "-3");
    EXPECT_EQ(strff(0.5, 1, 0), "1");
    EXPECT_EQ(strff(0.4999, 1, 0), "0");
    // Binary doubles just below the written half: the written text decides.
    EXPECT_EQ(strff(1.005, 1, 2), "1.01");
    EXPECT_EQ(strff(0.15, 1, 1), "0.2");
    EXPECT_EQ(strff(0.125, 1, 2), "0.13");
}

TEST(Strff, CarryGrowsTheIntegerPart)
{
    EXPECT_EQ(strff(9.995, 1, 2), "10.00");
    EXPECT_EQ(strff(99.96, 6, 1), " 100.0");
    EXPECT_EQ(strff(0.96, 1, 1), "1.0");
    EXPECT_EQ(strff(0.0005, 1, 3), "0.001");
    EXPECT_EQ(strff(-999.5, 1, 0), "-1000");
}

TEST(Strff, ValuesThatRoundToZeroHaveNoSign)
{
    EXPECT_EQ(strff(-0.001, 1, 2), "0.00");
    EXPECT_EQ(strff(-0.0, 1, 1), "0.0");
    EXPECT_EQ(strff(0.0, 4, 0), "   0");
    EXPECT_EQ(strff(1e-7, 1, 3), "0.000");
    EXPECT_EQ(strff(-4e-300, 1, 0), "0");
}

TEST(Strff, ExtremeMagnitudes)
{
    EXPECT_EQ(strff(1e20, 1, 0), "100000000000000000000");
    const QString maxText = strff(std::numeric_limits<double>::max(), 1, 0);
    EXPECT_EQ(maxText.size(), 309);
    EXPECT_TRUE(maxText.startsWith("17976931348623157000"));
    const QString tiny = strff(std::numeric_limits<double>::denorm_min(), 1, 324);
    EXPECT_EQ(tiny, "0." + QString(323, '0') + "5");
    EXPECT_EQ(strff(1.5, 1, std::numeric_limits<int>::max()), "1.5" + QString(349, '0'));
}

TEST(Strff, NonFiniteValues)
{
    EXPECT_EQ(strff(std::nan(""), 1, 2), "NAN");
    EXPECT_EQ(strff(INFINITY, 5, 2), "  INF");
    EXPECT_EQ(strff(-INFINITY, 1, 2), "-INF");
}

TEST(Tokenize, KeepsEmptyItems)
{
    QStringList items;
    EXPECT_EQ(Tokenize("a,,b", ',', items), 3);
    EXPECT_EQ(items, QStringList({"a", "", "b"}));
    EXPECT_EQ(Tokenize(",", ',', items), 2);
    EXPECT_EQ(items, QStringList({"", ""}));
    EXPECT_EQ(Tokenize("c:\\a\\b\\", '\\', items), 4);
    EXPECT_EQ(items, QStringList({"c:", "a", "b", ""}));
}

TEST(Tokenize, EmptyTextGivesNoItemsAndReplacesOldOnes)
{
    QStringList items{"old"};
    EXPECT_EQ(Tokenize("", ',', items), 0);
    EXPECT_TRUE(items.isEmpty());
    EXPECT_EQ(Tokenize("no delimiter", ',', items), 1);
    EXPECT_EQ(items, QStringList({"no delimiter"}));
}

TEST(Tokenize, UnicodeTextAndDelimiter)
{
    QStringList items;
    EXPECT_EQ(Tokenize(QString::fromUtf8("äö§ü") + kEmoji, QChar(0x00A7), items), 2);
    EXPECT_EQ(items, QStringList({QString::fromUtf8("äö"), QString::fromUtf8("ü") + kEmoji}));
}

TEST(NumberedPos, CountsOccurrencesFromStart)
{
    const QString text = "xxabyyabzzab";
    EXPECT_EQ(NumberedPos("ab", text, 1, 1, npCaseSensitive), 3);
    EXPECT_EQ(NumberedPos("ab", text, 1, 2, npCaseSensitive), 7);
    EXPECT_EQ(NumberedPos("ab", text, 1, 3, npCaseSensitive), 11);
    EXPECT_EQ(NumberedPos("ab", text, 1, 4, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("ab", text, 3, 1, npCaseSensitive), 3);
    EXPECT_EQ(NumberedPos("ab", text, 4, 1, npCaseSensitive), 7);
    EXPECT_EQ(NumberedPos("ab", text, 4, 3, npCaseSensitive), 0);
}

TEST(NumberedPos, OccurrencesMayOverlap)
{
    EXPECT_EQ(NumberedPos("aa", "aaaa", 1, 2, npCaseSensitive), 2);
    EXPECT_EQ(NumberedPos("aa", "aaaa", 1, 3, npCaseSensitive), 3);
    EXPECT_EQ(NumberedPos("aa", "aaaa", 1, 4, npCaseSensitive), 0);
}

TEST(NumberedPos, CaseModes)
{
    EXPECT_EQ(NumberedPos("AB", "xab", 1, 1, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("AB", "xab", 1, 1, npIgnoreCase), 2);
    const QString upperUmlaut = QString::fromUtf8("Ä");
    EXPECT_EQ(NumberedPos(upperUmlaut, QString::fromUtf8("bäÄ"), 1, 1, npIgnoreCase), 2);
    EXPECT_EQ(NumberedPos(upperUmlaut, QString::fromUtf8("bäÄ"), 1, 1, npCaseSensitive), 3);
}

TEST(NumberedPos, BadArguments)
{
    EXPECT_EQ(NumberedPos("", "abc", 1, 1, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("b", "abc", 1, 0, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("b", "abc", 1, -1, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("a", "abc", 0, 1, npCaseSensitive), 1);
    EXPECT_EQ(NumberedPos("a", "abc", -5, 1, npCaseSensitive), 1);
    EXPECT_EQ(NumberedPos("c", "abc", 4, 1, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("c", "abc", 1000, 1, npCaseSensitive), 0);
    EXPECT_EQ(NumberedPos("abcd", "abc", 1, 1, npCaseSensitive), 0);
}

TEST(LeftString, PadsOrCutsToExactWidth)
{
    EXPECT_EQ(LeftString("abc", 5), "abc  ");
    EXPECT_EQ(LeftString("abcdef", 3), "abc");
    EXPECT_EQ(LeftString("abc", 3), "abc");
    EXPECT_EQ(LeftString("", 2), "  ");
    EXPECT_EQ(LeftString("abc", 0), "");
    EXPECT_EQ(LeftString("abc", -1), "");
}

TEST(LeftString, NeverSplitsASurrogatePair)
{
    const QString text = "a" + kEmoji + "b"; // 4 code units
    EXPECT_EQ(LeftString(text, 1), "a");
    EXPECT_EQ(LeftString(text, 2), "a ");
    EXPECT_EQ(LeftString(text, 3), "a" + kEmoji);
    EXPECT_EQ(LeftString(text, 5), text + " ");
    EXPECT_EQ(LeftString(kEmoji, 1), " ");
}

TEST(TrailingChars, AppendOnlyWhenMissing)
{
    EXPECT_EQ(EnsureTrailingChar('x', "abx"), "abx");
    EXPECT_EQ(EnsureTrailingChar('x', "ab"), "abx");
    EXPECT_EQ(EnsureTrailingChar('x', ""), "x");
    const QString sep = QDir::separator();
    EXPECT_EQ(EnsureTrailingBkSlash("/tmp"), "/tmp" + sep);
    EXPECT_EQ(EnsureTrailingBkSlash("/tmp/"), "/tmp/");
    EXPECT_EQ(EnsureTrailingBkSlash(""), sep);
}

TEST(StripChars, RemovesAllRepeatsAtOneEndOnly)
{
    EXPECT_EQ(StripLeadingChars('/', "//a/"), "a/");
    EXPECT_EQ(StripLeadingChars('/', "///"), "");
    EXPECT_EQ(StripLeadingChars('/', "a//"), "a//");
    EXPECT_EQ(StripLeadingChars('/', ""), "");
    EXPECT_EQ(StripTrailingChars('\\', "\\a\\b\\\\"), "\\a\\b");
    EXPECT_EQ(StripTrailingChars('\\', "\\\\"), "");
    EXPECT_EQ(StripTrailingChars('\\', "ab"), "ab");
    EXPECT_EQ(StripTrailingChars(QChar(0x00E4), QString::fromUtf8("äaää")),
              QString::fromUtf8("äa"));
}

TEST(ReplaceCharInString, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceCharInString("a/b/c", '/', '\\'), "a\\b\\c");
    EXPECT_EQ(ReplaceCharInString("1,5", ',', '.'), "1.5");
    EXPECT_EQ(ReplaceCharInString("abc", ',', '.'), "abc");
}

TEST(RemoveControlChars, RemovesCodesBelow32AndDel)
{
    const QString dirty = QString("a\tb\r\nc") + QChar(0x7F) + QChar(0x1F) + QChar(0)
                          + QString::fromUtf8(" é") + kEmoji;
    EXPECT_EQ(RemoveControlChars(dirty), QString::fromUtf8("abc é") + kEmoji);
    EXPECT_EQ(RemoveControlChars(""), "");
}
