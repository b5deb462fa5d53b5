// Clipboard text, the line import and the HTML table export.
#include "rldata_fixture.h"

#include <frame/core/application.h>

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace vek;
using namespace rldatatest;

namespace {

void MakeAB(TRLData& data)
{
    FillColumns(data, {{"a1", "a2"}, {"b1", "b2"}});
    data.SetHeader(1, "A");
    data.SetHeader(2, "B");
}

QString ReadFile(const QString& name)
{
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(RLDataClipboard, TabsWithHeader)
{
    TRLData data;
    MakeAB(data);
    data.CopyToClipBoard(1, 1, 2, 2, true, true);
    EXPECT_EQ(Clipboard()->AsText(), "A\tB\n\na1\tb1\na2\tb2\n");
}

TEST(RLDataClipboard, SeparatorWithoutHeaderAndOutsideCells)
{
    TRLData data;
    MakeAB(data);
    data.CopyToClipBoard(2, 2, 3, 3, false, QStringLiteral("; "));
    EXPECT_EQ(Clipboard()->AsText(), "b2; \n; \n");
}

TEST(RLDataClipboard, FixedWidthCountsFlagsButWritesValues)
{
    TRLData data;
    FillColumns(data, {{"abcde", "x"}, {"1234", "5"}});
    data.SetHeader(1, "N");
    data.SetHeader(2, "Chk");
    data.SetColumnCheckMode(2, cmBox); // stored " 1234": 5 characters
    data.SetElemChecked(2, 2, true);
    data.CopyToClipBoard(1, 1, 2, 2, true, false);
    EXPECT_EQ(Clipboard()->AsText(), "N     Chk   \n\n"
                                     "abcde 1234  \n"
                                     "x     5     \n");
}

TEST(RLDataLines, LoadLinesFillsAColumnAndAddsRows)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("lines.txt");
    {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
        f.write("first\r\nsecond\n\nfourth \xc3\xa4\n");
    }
    TRLData data;
    FillColumns(data, {{"keep", "x"}, {"y", "z"}});
    data.SetColumnCheckMode(2, cmBox);
    EXPECT_EQ(data.LoadLinesFromFile(2, 2, name), 4);
    EXPECT_EQ(data.NrOfRows(), 5);
    EXPECT_EQ(ColumnValues(data, 2), QStringList({"y", "first", "second", "", "fourth \u00e4"}));
    EXPECT_EQ(data.Strings->GetString(2, 3), " second"); // check flags kept
    EXPECT_EQ(data.Elem(1, 1), "keep");
    EXPECT_EQ(data.LoadLinesFromFile(3, 1, name), -1);
    EXPECT_EQ(data.LoadLinesFromFile(1, 1, dir.filePath("missing")), -1);
}

TEST(RLDataLines, EmptyFileBelowTheLastRowAddsNoRows)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("empty.txt");
    QFile(name).open(QIODevice::WriteOnly);
    TRLData data;
    FillColumns(data, {{"a", "b"}});
    EXPECT_EQ(data.LoadLinesFromFile(1, 5, name), 0);
    EXPECT_EQ(data.NrOfRows(), 2);
}

TEST(RLDataHtml, ValidDocumentWithEscapedCellsAndClasses)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("t.html");
    TRLData data;
    FillColumns(data, {{"<a>", "b&c"}, {"\"q\"", "x"}, {"3", "4"}});
    data.SetHeader(1, "H<1>");
    std::vector<std::tuple<int, int>> hooked;
    data.OnBeforeHTMLExport = [&](TObject* sender, QString& text, int col, int row) {
        EXPECT_EQ(sender, &data);
        hooked.emplace_back(col, row);
        if (col == 3 && row == 2)
            text = "changed";
    };
    ASSERT_TRUE(data.ExportHTMLTable(name, 1, 1, 3, 2, {}, 2, 3, 4, true, "hd", "cl", "tb"));
    const QString html = ReadFile(name);
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
    EXPECT_TRUE(html.contains("<th class=\"hd\">H&lt;1&gt;</th>"));
    EXPECT_TRUE(html.contains("<td class=\"cl\">&lt;a&gt;</td>"));
    EXPECT_TRUE(html.contains("<td class=\"cl\">b&amp;c</td>"));
    EXPECT_TRUE(html.contains("<td class=\"cl\">&quot;q&quot;</td>"));
    EXPECT_TRUE(html.contains("<td class=\"cl\">changed</td>"));
    EXPECT_TRUE(html.contains("class=\"vek-replist tb\""));
    EXPECT_TRUE(html.contains("border-spacing: 3px"));
    EXPECT_TRUE(html.contains("padding: 4px"));
    EXPECT_EQ(hooked.size(), 3u + 6u);
    // the document is well-formed markup (every element closed, every text escaped)
    QXmlStreamReader reader(html.mid(html.indexOf("<html lang=\"en\">")).replace("<meta charset=\"utf-8\">", ""));
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

TEST(RLDataHtml, ColumnSelectionAndRangeLimits)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("t.html");
    TRLData data;
    FillColumns(data, {{"a1", "a2"}, {"b1", "b2"}, {"c1", "c2"}});
    ASSERT_TRUE(data.ExportHTMLTable(name, 1, 0, 2, 99, {2, 3, 1}, 0, 0, 0, false, "", "", ""));
    const QString html = ReadFile(name);
    EXPECT_TRUE(html.contains("<tr><td>b1</td><td>a1</td></tr>"));
    EXPECT_TRUE(html.contains("<tr><td>b2</td><td>a2</td></tr>"));
    EXPECT_FALSE(html.contains("c1"));
    EXPECT_FALSE(html.contains("<th"));
    EXPECT_FALSE(data.ExportHTMLTable(dir.filePath("no/dir/x.html"), 1, 1, 1, 1, {}, 0, 0, 0, false, "", "", ""));
}
