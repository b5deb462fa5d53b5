// The report list's row filter: simple words, boolean expressions and regular
// expressions, case handling, the exact error messages, and input that must not crash.
#include <rowfilter_p.h>

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QRegularExpression>

#include <random>
#include <vector>

using namespace vek;

namespace {

// Whether a row of these cells passes Expression.
bool Passes(const QString& expression, TFilterMode mode, const QStringList& cells,
            bool ignoreCase = false)
{
    const std::vector<QStringView> views(cells.begin(), cells.end());
    return RowFilter(expression, mode, ignoreCase).Matches(views.data(), int(views.size()));
}

// The message of the error that building the filter raises ("" when it builds).
QString ErrorOf(const QString& expression, TFilterMode mode)
{
    try {
        RowFilter filter(expression, mode, false);
    } catch (const EVEKRepListError& error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST(RowFilterAll, BlankExpressionsLetEveryRowThrough)
{
    for (const TFilterMode mode : {fmSimple, fmBoolean, fmGrep}) {
        for (const QString& blank : {QString(), QStringLiteral("  \t ")}) {
            const RowFilter filter(blank, mode, false);
            EXPECT_TRUE(filter.MatchesAll());
            EXPECT_TRUE(filter.Matches(nullptr, 0));
        }
        EXPECT_FALSE(RowFilter(QStringLiteral(" x"), mode, false).MatchesAll());
    }
    EXPECT_EQ(ErrorOf(QStringLiteral("x"), TFilterMode(7)), "unknown filter mode 7");
}

TEST(RowFilterSimple, EveryWordMustOccurWithinOneColumn)
{
    const QStringList row = {"Hamburg", "open 2024", "\"quoted\" (x)"};
    EXPECT_TRUE(Passes("burg 202", fmSimple, row));
    EXPECT_TRUE(Passes("\tburg  \t 202 ", fmSimple, row));
    EXPECT_FALSE(Passes("burg closed", fmSimple, row));
    EXPECT_FALSE(Passes("rgop", fmSimple, row)) << "a word never spans two columns";
    EXPECT_TRUE(Passes("\"quoted\" (x)", fmSimple, row)) << "quotes and parentheses are text";
    EXPECT_TRUE(Passes("or", fmSimple, {"order"})) << "no keywords in simple mode";
    EXPECT_FALSE(Passes("a", fmSimple, {}));
}

TEST(RowFilterSimple, CaseIsIgnoredOnlyOnRequestWithUnicodeFolding)
{
    EXPECT_FALSE(Passes("HAM", fmSimple, {"Hamburg"}));
    EXPECT_TRUE(Passes("HAM", fmSimple, {"Hamburg"}, true));
    EXPECT_FALSE(Passes("\u00e4rger", fmSimple, {"\u00c4rger"}));
    EXPECT_TRUE(Passes("\u00e4rger", fmSimple, {"viel \u00c4rger"}, true));
    EXPECT_TRUE(Passes("M\u00dcLL", fmSimple, {"M\u00fcller"}, true));
    EXPECT_FALSE(Passes("mull", fmSimple, {"M\u00fcller"}, true));
    // The Kelvin sign folds onto "k", in the text and in the cell.
    EXPECT_TRUE(Passes("kelvin", fmSimple, {"\u212aelvin"}, true));
    EXPECT_TRUE(Passes("\u212a", fmSimple, {"Kilo"}, true));
    EXPECT_TRUE(Passes("\U00010428", fmSimple, {"x\U00010400"}, true)); // Deseret, outside the BMP
    EXPECT_FALSE(Passes("stra\u00dfe", fmSimple, {"STRASSE"}, true)) << "simple folding only";
}

TEST(RowFilterBoolean, OperatorsPrecedenceAndImplicitAnd)
{
    const auto passes = [](const QString& expression, const QStringList& row) {
        return Passes(expression, fmBoolean, row);
    };
    EXPECT_TRUE(passes("a AND b", {"a", "b"}));
    EXPECT_FALSE(passes("a AND b", {"a"}));
    EXPECT_TRUE(passes("x OR b", {"b"}));
    EXPECT_TRUE(passes("a b", {"ab"})) << "side by side means AND";
    EXPECT_FALSE(passes("a NOT b", {"ab"}));
    EXPECT_TRUE(passes("a not c", {"ab"})) << "operators in any case";
    EXPECT_TRUE(passes("a Or x aNd y", {"a"})) << "AND binds tighter than OR";
    EXPECT_FALSE(passes("(a OR x) AND y", {"a"}));
    EXPECT_TRUE(passes("NOT a AND b", {"b"})) << "NOT binds tighter than AND";
    EXPECT_FALSE(passes("NOT (a AND b)", {"ab"}));
    EXPECT_TRUE(passes("NOT NOT a", {"a"}));
    EXPECT_FALSE(passes("NOT NOT NOT a", {"a"}));
    EXPECT_TRUE(passes("NOT a", {}));
    EXPECT_TRUE(passes("((a))", {"a"}));
}

TEST(RowFilterBoolean, PhrasesAndOperatorWordsAsTerms)
{
    EXPECT_TRUE(Passes("\"new york\"", fmBoolean, {"New York"}, true));
    EXPECT_FALSE(Passes("\"new york\"", fmBoolean, {"york new"}, true));
    EXPECT_TRUE(Passes("\"and\"", fmBoolean, {"black and white"}));
    EXPECT_TRUE(Passes("android", fmBoolean, {"android"}));
    EXPECT_TRUE(Passes("\"f(x) OR\"", fmBoolean, {"f(x) OR g"}));
    EXPECT_TRUE(Passes("\"say \"\"hi\"\"\"", fmBoolean, {"say \"hi\" twice"}));
    EXPECT_TRUE(Passes("\"\"\"\"", fmBoolean, {"a\"b"})) << "a phrase of one quote";
    EXPECT_FALSE(Passes("ab\"cd\"", fmBoolean, {"ab", "x"})) << "word and phrase joined by AND";
    EXPECT_TRUE(Passes("ab\"cd\"", fmBoolean, {"ab", "cd"}));
}

TEST(RowFilterBoolean, MalformedExpressionsNameThePositionAndTheProblem)
{
    const QString prefix = QStringLiteral("invalid filter expression at position ");
    const std::vector<std::pair<QString, QString>> cases = {
        {"a AND", "6: expected a term after \"AND\", found the end of the expression"},
        {"a and or b", "7: expected a term after \"and\", found \"or\""},
        {"OR a", "1: expected a term, found \"OR\""},
        {"NOT", "4: expected a term after \"NOT\", found the end of the expression"},
        {"(NOT )", "6: expected a term after \"NOT\", found \")\""},
        {"( AND a)", "3: expected a term after \"(\", found \"AND\""},
        {"x (a OR b", "3: \"(\" without matching \")\""},
        {"a) b", "2: \")\" without matching \"(\""},
        {"a OR )", "6: \")\" without matching \"(\""},
        {"a ( )", "3: empty parentheses"},
        {"a \"b c", "3: quoted phrase without closing quote"},
        {"a \"\"\"", "3: quoted phrase without closing quote"},
        {"a \"\" b", "3: empty quoted phrase \"\""},
        {"AND \"x", "1: expected a term, found \"AND\""}, // the first problem in reading order
    };
    for (const auto& [expression, problem] : cases)
        EXPECT_EQ(ErrorOf(expression, fmBoolean), prefix + problem) << expression.toStdString();
}

TEST(RowFilterBoolean, NestingIsLimitedTo256Levels)
{
    const QString deepest = QString(256, u'(') + u'a' + QString(256, u')');
    EXPECT_TRUE(Passes(deepest, fmBoolean, {"a"}));
    EXPECT_EQ(ErrorOf(u'(' + deepest + u')', fmBoolean),
              "invalid filter expression at position 257: parentheses nested deeper than 256 levels");
    EXPECT_EQ(ErrorOf(QString(100000, u'('), fmBoolean),
              "invalid filter expression at position 257: parentheses nested deeper than 256 levels");
}

TEST(RowFilterGrep, PatternIsSearchedInEachColumnOnItsOwn)
{
    EXPECT_TRUE(Passes("^ab", fmGrep, {"x", "abc"}));
    EXPECT_FALSE(Passes("^ab", fmGrep, {"cab"}));
    EXPECT_TRUE(Passes("b", fmGrep, {"abc"})) << "a search, not a full match";
    EXPECT_FALSE(Passes("a$", fmGrep, {"ab"}));
    EXPECT_FALSE(Passes("a.b", fmGrep, {"xa", "bx"})) << "columns are not joined";
    EXPECT_TRUE(Passes("^$", fmGrep, {"a", ""}));
    EXPECT_FALSE(Passes("x", fmGrep, {""}));
    EXPECT_FALSE(Passes("^\u00e4rger", fmGrep, {"\u00c4rger"}));
    EXPECT_TRUE(Passes("^\u00e4rger", fmGrep, {"\u00c4rger"}, true));
    EXPECT_TRUE(Passes(" a", fmGrep, {"b a"})) << "blanks count in a pattern";
}

TEST(RowFilterGrep, InvalidPatternsCarryQtsMessageAndPosition)
{
    EXPECT_EQ(ErrorOf("x(ab", fmGrep),
              "invalid regular expression at position 5: missing closing parenthesis");
    EXPECT_EQ(ErrorOf("a[", fmGrep),
              "invalid regular expression at position 3: missing terminating ] for character class");
}

TEST(RowFilterBadInput, LongExpressionsWork)
{
    QStringList words, alternatives;
    for (int i = 0; i < 100000; ++i) {
        words << QStringLiteral("w");
        alternatives << QStringLiteral("x%1").arg(i);
    }
    EXPECT_TRUE(Passes(words.join(u' '), fmSimple, {"w"}));
    EXPECT_TRUE(Passes(alternatives.join(" OR "), fmBoolean, {"x99999"}));
    EXPECT_FALSE(Passes(alternatives.join(" AND "), fmBoolean, {"x99999"}));
    EXPECT_TRUE(Passes(QStringLiteral("NOT ").repeated(100000) + "a", fmBoolean, {"a"}));
    EXPECT_TRUE(Passes(QString(10000, u'a'), fmGrep, {QString(10000, u'a')}));
    EXPECT_TRUE(ErrorOf(QString(100000, u'a'), fmGrep)
                    .startsWith("invalid regular expression at position 100001: "))
        << "too large for the regular expression engine";
}

// Random expressions either build or raise the filter's error with a position inside the
// expression; built ones evaluate. Plain words give the same rows as the simple mode.
TEST(RowFilterBadInput, RandomCharactersNeverCrash)
{
    const QString alphabet = QStringLiteral("ab ANDORT()\"\t\\[*?\u00e4\u212a") + QChar(0xD800) +
                             QChar(0xDC00);
    const QRegularExpression error(QStringLiteral("^invalid (filter|regular) expression at "
                                                  "position (\\d+): .+$"));
    const QStringList row = {"ab", "AND ( \"", QString(QChar(0xDC00)) + "\u00c4"};
    const std::vector<QStringView> cells(row.begin(), row.end());
    std::mt19937 random(1);
    for (int i = 0; i < 3000; ++i) {
        QString expression;
        for (int n = int(random() % 12); n > 0; --n)
            expression += alphabet[int(random() % alphabet.size())];
        for (const TFilterMode mode : {fmSimple, fmBoolean, fmGrep}) {
            try {
                RowFilter(expression, mode, random() % 2 != 0).Matches(cells.data(), 3);
            } catch (const EVEKRepListError& e) {
                const auto match = error.match(e.Message());
                ASSERT_TRUE(match.hasMatch()) << e.what();
                EXPECT_LE(match.captured(2).toInt(), expression.size() + 1) << e.what();
            }
        }
        QString words;
        for (int n = int(random() % 4); n > 0; --n)
            words += QStringView(u"ab \u00e4\u00c4").mid(int(random() % 5), 1);
        EXPECT_EQ(Passes(words, fmSimple, row, true), Passes(words, fmBoolean, row, true))
            << words.toStdString();
    }
}
