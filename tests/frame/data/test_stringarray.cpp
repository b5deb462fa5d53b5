// The string array: cells, attributes, rows, numbers and sorting as a permutation.
#include <frame/core/errors.h>
#include <frame/data/rowbuilder.h>
#include <frame/data/stringarray.h>

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <random>

#include <limits>

using namespace vek;

namespace {

// One column of texts in rows 1..n.
void FillColumn(TStringArray& a, int col, const QStringList& texts)
{
    for (int r = 0; r < texts.size(); ++r)
        a.SetString(col, r + 1, texts[r]);
}

QStringList ColumnOf(const TStringArray& a, int col)
{
    QStringList texts;
    for (int r = 1; r <= a.NrOfRows(); ++r)
        texts << a.GetString(col, r);
    return texts;
}

QStringList SortedColumn(const QStringList& texts, bool ascending)
{
    TStringArray a;
    a.Resize(1, int(texts.size()));
    FillColumn(a, 1, texts);
    a.Sort(1, -1, ascending);
    return ColumnOf(a, 1);
}

} // namespace

TEST(StringArrayCells, ColumnZeroAttributesAndOutOfRange)
{
    TStringArray a;
    a.Resize(2, 3);
    a.SetString(0, 2, "hidden");
    a.SetString(2, 3, "c");
    a.SetRowAttrib(2, 128);
    a.SetColAttrib(2, 64);
    EXPECT_EQ(a.GetString(0, 2), "hidden");
    EXPECT_EQ(a.GetString(2, 3), "c");
    EXPECT_EQ(a.GetRowAttrib(2), 128);
    EXPECT_EQ(a.GetColAttrib(2), 64);
    a.SetString(3, 1, "x");  // beyond the columns
    a.SetString(1, 4, "x");  // beyond the rows
    a.SetString(-1, 1, "x");
    EXPECT_EQ(a.GetString(3, 1), "");
    EXPECT_EQ(a.GetString(1, 0), "");
    EXPECT_EQ(a.GetRowAttrib(9), 0);
    a.Clear();
    EXPECT_EQ(a.GetString(0, 2), "");
    EXPECT_EQ(a.NrOfRows(), 3);
    EXPECT_EQ(a.GetRowAttrib(2), 128); // attributes survive Clear
}

TEST(StringArrayCells, TextsAreCutAt255WithoutSplittingSurrogates)
{
    TStringArray a;
    a.Resize(1, 1);
    a.SetString(1, 1, QString(300, u'a'));
    EXPECT_EQ(a.GetString(1, 1).size(), 255);
    const QString pairAtEnd = QString(254, u'b') + QString::fromUcs4(U"\U0001F600");
    a.SetString(1, 1, pairAtEnd);
    EXPECT_EQ(a.GetString(1, 1), QString(254, u'b'));
    const QString exact = QString(253, u'c') + QString::fromUcs4(U"\U0001F600");
    a.SetString(1, 1, exact);
    EXPECT_EQ(a.GetString(1, 1), exact);
}

TEST(StringArrayCells, NeighbourCellsSurviveEveryRewrite)
{
    TStringArray a;
    a.Resize(3, 1);
    a.SetString(1, 1, "one");
    a.SetString(3, 1, "three");
    a.SetString(2, 1, "a much longer middle text");
    a.SetString(2, 1, "m");
    a.SetString(0, 1, "zero");
    EXPECT_EQ(a.GetString(0, 1), "zero");
    EXPECT_EQ(a.GetString(1, 1), "one");
    EXPECT_EQ(a.GetString(2, 1), "m");
    EXPECT_EQ(a.GetString(3, 1), "three");
    a.SetString(1, 1, "");
    a.SetString(2, 1, QString()); // a null text: its view holds no pointer to copy from
    EXPECT_EQ(a.GetString(3, 1), "three");
}

TEST(StringArrayRows, ResizeKeepsCellsAndRefusesImpossibleSizes)
{
    TStringArray a;
    a.Resize(2, 2);
    a.SetString(1, 1, "a");
    a.SetString(2, 2, "d");
    a.Resize(4, 5);
    EXPECT_EQ(a.GetString(1, 1), "a");
    EXPECT_EQ(a.GetString(2, 2), "d");
    a.SetString(4, 5, "new");
    a.Resize(1, 1);
    EXPECT_EQ(a.GetString(1, 1), "a");
    EXPECT_EQ(a.GetString(2, 1), "");
    a.Resize(2, 2);
    EXPECT_EQ(a.GetString(2, 2), ""); // shrunk cells are gone for good
    EXPECT_THROW(a.Resize(TStringArray::MaxColumns + 1, 1), EVEKError);
    EXPECT_THROW(a.Resize(1, -1), EVEKError);
    // Refused before any memory is claimed: near INT_MAX rows would exhaust it.
    EXPECT_THROW(a.Resize(1, TStringArray::MaxRows + 1), EVEKError);
    EXPECT_THROW(a.Resize(1, std::numeric_limits<int>::max()), EVEKError);
    EXPECT_EQ(a.NrOfColumns(), 2);
    EXPECT_EQ(a.NrOfRows(), 2);
}

TEST(StringArrayRows, InsertAndRemoveMoveCellsAndAttributes)
{
    TStringArray a;
    a.Resize(1, 2);
    FillColumn(a, 1, {"a", "b"});
    a.SetRowAttrib(2, 7);
    a.InsertRow(2);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"a", "", "b"}));
    EXPECT_EQ(a.GetRowAttrib(3), 7);
    a.InsertRow(4); // appends
    EXPECT_EQ(a.NrOfRows(), 4);
    a.RemoveRow(1);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"", "b", ""}));
    EXPECT_EQ(a.GetRowAttrib(2), 7);
    a.RemoveRow(9);
    EXPECT_EQ(a.NrOfRows(), 3);
}

TEST(StringArrayRows, SetRowReplacesTheRowAsPresented)
{
    TStringArray a;
    a.Resize(3, 2);
    FillColumn(a, 1, {"b", "a"});
    a.SetString(3, 1, "old");
    a.Sort(1, -1, true); // row 1 presents stored row 2
    TRowBuilder cells;
    cells.Start(3);
    cells.SetCell(2, u"two");
    cells.SetCell(1, u"ignored: before column 2");
    cells.SetCell(4, u"ignored: no column 4");
    cells.SetCell(3, QString(300, u'x'));
    a.SetRow(1, cells);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"", "b"}));
    EXPECT_EQ(ColumnOf(a, 2), QStringList({"two", ""}));
    EXPECT_EQ(a.GetString(3, 1).size(), TStringArray::MaxCellLength);
    EXPECT_EQ(a.GetString(3, 2), "old");

    cells.Start(2); // another width: ignored
    a.SetRow(2, cells);
    EXPECT_EQ(a.GetString(3, 2), "old");
    cells.Start(3); // all empty: the row holds nothing
    a.SetRow(2, cells);
    EXPECT_EQ(ColumnOf(a, 3), QStringList({QString(TStringArray::MaxCellLength, u'x'), ""}));
}

TEST(StringArrayNumbers, GetAsNumber)
{
    TStringArray a;
    a.Resize(1, 1);
    const std::vector<std::pair<QString, double>> cases = {
        {" 12.5 ", 12.5}, {"-3", -3}, {"+4e2", 400}, {".5", 0.5}, {"1e999", qInf()},
        {"abc", 0}, {"12abc", 0}, {"e5", 0}, {"--1", 0}, {"", 0}, {"1.2.3", 0},
    };
    for (const auto& [text, value] : cases) {
        a.SetString(1, 1, text);
        EXPECT_EQ(a.GetAsNumber(1, 1), value) << text.toStdString();
    }
}

TEST(StringArraySort, NumbersCompareAsNumbersBeforeTexts)
{
    EXPECT_EQ(SortedColumn({"10", "9", "-1.5", "abc", "2e1", "", "100"}, true),
              QStringList({"-1.5", "9", "10", "2e1", "100", "abc", ""}));
}

TEST(StringArraySort, TextsNaturalAndCaseInsensitive)
{
    EXPECT_EQ(SortedColumn({"file10", "File9", "file1", "apple", "Banana", "banana2"}, true),
              QStringList({"apple", "Banana", "banana2", "file1", "File9", "file10"}));
    // the locale places accented letters beside their base letters, not after z
    EXPECT_EQ(SortedColumn({"zulu", "\u00e9clair", "eagle", "ecru"}, true),
              QStringList({"eagle", "\u00e9clair", "ecru", "zulu"}));
    EXPECT_EQ(SortedColumn({"x007", "x7", "x08"}, true), QStringList({"x007", "x7", "x08"}));
}

TEST(StringArraySort, ColumnsOfMostlyDistinctTextsStayExactAndStable)
{
    // enough distinct texts that the sort stops looking texts up, then equal keys
    // ("x", "X") stored apart: they must still tie, in their present order
    constexpr int kDistinct = 300000, kTied = 6;
    std::vector<int> numbers(kDistinct);
    for (int i = 0; i < kDistinct; ++i)
        numbers[std::size_t(i)] = i;
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(7));
    TStringArray a;
    a.Resize(2, kDistinct + kTied);
    for (int r = 1; r <= kDistinct + kTied; ++r) {
        const bool tied = r > kDistinct;
        a.SetString(1, r, tied ? (r % 2 ? "x" : "X") : "u" + QString::number(numbers[std::size_t(r - 1)]));
        a.SetString(2, r, QString::number(r));
    }
    for (const bool ascending : {true, false}) {
        a.Sort(1, -1, ascending);
        const int firstTied = ascending ? kDistinct + 1 : 1;
        for (int i = 0; i < kDistinct; i += 997) {
            const int row = ascending ? i + 1 : kTied + kDistinct - i;
            ASSERT_EQ(a.GetString(1, row), "u" + QString::number(i)) << ascending;
        }
        for (int i = 0; i < kTied; ++i)
            EXPECT_EQ(a.GetString(2, firstTied + i), QString::number(kDistinct + 1 + i)) << ascending;
    }
}

TEST(StringArraySort, StableWithEmptiesLastAndDescendingReversed)
{
    EXPECT_EQ(SortedColumn({"", "b", "A", "a", "", "B"}, true),
              QStringList({"A", "a", "b", "B", "", ""}));
    EXPECT_EQ(SortedColumn({"", "b", "A", "a", "", "B", "3"}, false),
              QStringList({"", "", "b", "B", "A", "a", "3"}));
}

TEST(StringArraySort, PermutationCarriesRowsAndUnsortRestores)
{
    TStringArray a;
    a.Resize(2, 4);
    FillColumn(a, 1, {"c", "a", "b", "a"});
    FillColumn(a, 2, {"1", "2", "3", "1"});
    FillColumn(a, 0, {"h1", "h2", "h3", "h4"});
    for (int r = 1; r <= 4; ++r)
        a.SetRowAttrib(r, quint8(r));
    a.Sort(1, 2, true);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"a", "a", "b", "c"}));
    EXPECT_EQ(ColumnOf(a, 2), QStringList({"1", "2", "3", "1"})); // ties by column 2
    EXPECT_EQ(ColumnOf(a, 0), QStringList({"h4", "h2", "h3", "h1"}));
    EXPECT_EQ(a.GetRowAttrib(1), 4);
    EXPECT_EQ(a.GetSortOrder(1), 4);
    a.SetString(1, 1, "z"); // writes reach the presented row
    a.UnSort();
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"c", "a", "b", "z"}));
    EXPECT_EQ(a.GetRowAttrib(4), 4);
}

TEST(StringArraySort, CommitMakesThePresentedOrderStored)
{
    TStringArray a;
    a.Resize(1, 3);
    FillColumn(a, 1, {"3", "1", "2"});
    a.Sort(1, -1, true);
    a.CommitSorting();
    EXPECT_FALSE(a.IsSorted());
    a.UnSort();
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"1", "2", "3"}));
    EXPECT_EQ(a.GetSortOrder(2), 2);
}

TEST(StringArraySort, SetSortOrderKeepsAPermutation)
{
    TStringArray a;
    a.Resize(1, 3);
    FillColumn(a, 1, {"a", "b", "c"});
    a.SetSortOrder(1, 3);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"c", "b", "a"}));
    a.SetSortOrder(2, 3);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"b", "c", "a"}));
    a.CommitSorting();
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"b", "c", "a"}));
}

TEST(StringArraySort, BeforeSortExchangeSuppliesTheSortText)
{
    TStringArray a;
    a.Resize(1, 3);
    FillColumn(a, 1, {"x-b", "y-c", "z-a"});
    int calls = 0;
    a.OnBeforeSortExchange = [&](TObject* sender, const QString& cell, QString& sortText) {
        EXPECT_EQ(sender, &a);
        ++calls;
        sortText = cell.mid(2);
    };
    a.Sort(1, -1, true);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"z-a", "x-b", "y-c"}));
    EXPECT_EQ(calls, 3);
}

TEST(StringArrayMemory, ShortCellsCostLittleBeyondTheirText)
{
    TStringArray a;
    const int rows = 20000, cols = 5;
    a.Resize(cols, rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            a.SetString(c, r, QString::number(r * 7 + c)); // 1..6 characters
    std::size_t textBytes = 0;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            textBytes += std::size_t(a.GetString(c, r).size()) * 2;
    const double overheadPerCell = double(a.MemoryUsed() - textBytes) / (rows * cols);
    EXPECT_LT(overheadPerCell, 32.0);
}

TEST(StringArraySort, LongSharedPrefixesAndManyDistinctCharacters)
{
    // texts that agree in their first 20 characters and differ in the last, drawn from
    // more than 255 distinct characters, with duplicates: the sort must look past the
    // start of every text and still keep equal texts in their order
    const QString prefix = QString(10, QChar(0x4E00)) + QStringLiteral("abcdefghij");
    QStringList texts;
    for (int i = 0; i < 400; ++i)
        texts << prefix + QChar(char16_t(0x4E00 + (i * 7919) % 400));
    texts << texts.mid(0, 50);
    QStringList expected = texts;
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(expected.begin(), expected.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    EXPECT_EQ(SortedColumn(texts, true), expected);

    QStringList files;
    for (int i = 30; i >= 1; --i)
        files << prefix + QStringLiteral("file%1").arg(i);
    QStringList natural = files;
    std::reverse(natural.begin(), natural.end());
    EXPECT_EQ(SortedColumn(files, true), natural);
}

TEST(StringArraySort, SecondaryColumnOnlyBreaksTies)
{
    TStringArray a;
    a.Resize(2, 5);
    FillColumn(a, 1, {"b", "a", "b", "", "a"});
    FillColumn(a, 2, {"2", "9", "1", "0", "3"});
    a.Sort(1, 2, false);
    EXPECT_EQ(ColumnOf(a, 1), QStringList({"", "b", "b", "a", "a"}));
    EXPECT_EQ(ColumnOf(a, 2), QStringList({"0", "2", "1", "9", "3"}));
}

TEST(StringArrayRows, ResizeKeepsASortAndItsRows)
{
    TStringArray a;
    a.Resize(1, 5);
    FillColumn(a, 1, {"c", "e", "a", "d", "b"});
    a.Sort(1, -1, false); // e d c b a
    a.Resize(2, 3);
    EXPECT_TRUE(a.IsSorted());
    EXPECT_EQ(ColumnOf(a, 1), (QStringList{"e", "d", "c"}));
    a.Resize(2, 4);
    EXPECT_EQ(ColumnOf(a, 1), (QStringList{"e", "d", "c", ""})) << "new rows come last";
    a.UnSort();
    EXPECT_EQ(ColumnOf(a, 1), (QStringList{"c", "e", "d", ""})) << "stored order of the rest";
}

TEST(StringArrayRows, HiddenFlagsTravelWithTheirRowsButAreNoAttribute)
{
    TStringArray a;
    a.Resize(1, 4);
    FillColumn(a, 1, {"b", "d", "a", "c"});
    a.SetRowAttrib(2, 0x81);
    int notifications = 0;
    a.OnChange = [&](TObject*) { ++notifications; };
    const quint64 stamp = a.LayoutStamp();
    a.SetRowHidden(2, true);
    EXPECT_EQ(notifications, 0) << "no data changed";
    EXPECT_NE(a.LayoutStamp(), stamp);
    EXPECT_EQ(a.GetRowAttrib(2), 0x81);
    a.SetRowAttrib(2, 0x40);
    EXPECT_TRUE(a.RowHidden(2)) << "attribute writes keep the flag";
    a.Sort(1, -1, true); // a b c d: "d" (hidden) is now row 4
    EXPECT_TRUE(a.RowHidden(4));
    a.InsertRow(1);
    EXPECT_FALSE(a.RowHidden(1));
    EXPECT_TRUE(a.RowHidden(5));
    a.RemoveRow(1);
    EXPECT_TRUE(a.RowHidden(4));
    TStringArray copy;
    copy.Assign(a);
    EXPECT_FALSE(copy.RowHidden(4)) << "a copy shows every row";
    EXPECT_EQ(copy.GetRowAttrib(4), 0x40);
}
