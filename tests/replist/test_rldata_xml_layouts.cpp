// Report list documents in layouts other than our writer's: rows are read alike however
// XML spells them, faults are refused wherever in the rows they sit, declared encodings
// are honoured and wide rows claim no memory beyond what the input allows.
#include "rldata_fixture.h"

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QBuffer>
#include <QStringEncoder>

using namespace vek;
using namespace rldatatest;

namespace {

// Three columns; rows is what stands between the column names and the end marker.
QByteArray Document(const QByteArray& rows, int numRows, const QByteArray& declaration = "<?xml version=\"1.0\"?>")
{
    return declaration + "\n<replist id=\"x\" suite=\"tarnwheel\" version=\"1\">\n <numcols>3</numcols>\n <numrows>"
           + QByteArray::number(numRows)
           + "</numrows>\n <colname col=\"1\">A</colname>\n <colname col=\"2\">B</colname>\n"
             " <colname col=\"3\">C</colname>"
           + rows + "\n <endreplist/>\n</replist>\n";
}

bool ReadBytes(TRLData& data, const QByteArray& document)
{
    QBuffer buffer;
    buffer.setData(document);
    buffer.open(QIODevice::ReadOnly);
    return data.ReadFromXMLStream(&buffer, "x");
}

// Rows as our writer lays them out; each variant below spells one of them otherwise.
const QByteArray kRow1 = "\n <row>\n  <cell col=\"1\">a&lt;b</cell>\n  <cell col=\"2\">x</cell>\n </row>";
const QByteArray kRow2 = "\n <row attr=\"7\">\n  <cell col=\"0\">h</cell>\n  <cell col=\"3\">\xc3\xa9&amp;</cell>\n </row>";
const QByteArray kRow3 = "\n <row/>";

void ExpectTheThreeRows(const TRLData& data, const char* what)
{
    ASSERT_EQ(data.NrOfRows(), 3) << what;
    EXPECT_EQ(StoredColumn(data, 1), QStringList({"a<b", "", ""})) << what;
    EXPECT_EQ(StoredColumn(data, 2), QStringList({"x", "", ""})) << what;
    EXPECT_EQ(StoredColumn(data, 3), QStringList({"", "\u00e9&", ""})) << what;
    EXPECT_EQ(StoredColumn(data, 0), QStringList({"", "h", ""})) << what;
    EXPECT_EQ(data.Strings->GetRowAttrib(2), 7) << what;
    EXPECT_EQ(data.Strings->GetRowAttrib(1), 0) << what;
}

} // namespace

TEST(RLDataXmlLayouts, EverySpellingOfTheRowsReadsTheSame)
{
    const std::vector<std::pair<const char*, QByteArray>> variants = {
        {"our layout", kRow1 + kRow2 + kRow3},
        {"no whitespace", "<row><cell col=\"1\">a&lt;b</cell><cell col=\"2\">x</cell></row><row attr=\"7\">"
                          "<cell col=\"0\">h</cell><cell col=\"3\">\xc3\xa9&amp;</cell></row><row></row>"},
        {"single quotes after a row of ours",
         kRow1 + "<row attr='7'><cell col='0'>h</cell><cell col='3'>\xc3\xa9&amp;</cell></row>" + kRow3},
        {"attributes spaced", kRow1 + "<row  attr = \"7\" ><cell col=\"0\" >h</cell><cell\ncol=\"3\">\xc3\xa9&amp;</cell></row>" + kRow3},
        {"character references", kRow1 + "<row attr=\"7\"><cell col=\"0\">&#104;</cell><cell col=\"3\">&#xe9;&#38;</cell></row>" + kRow3},
        {"CDATA", "<row><cell col=\"1\"><![CDATA[a<b]]></cell><cell col=\"2\">x</cell></row>" + kRow2 + kRow3},
        {"comment between rows", kRow1 + "<!-- second -->" + kRow2 + kRow3},
        {"comment inside a row", kRow1 + QByteArray(kRow2).replace("<cell col=\"3\"", "<!-- c --><cell col=\"3\"") + kRow3},
        {"hex cells, any case", kRow1 + "<row attr=\"7\"><cell col=\"0\" hex=\"1\">0068</cell>"
                                        "<cell hex=\"1\" col=\"3\">00E90026</cell></row>" + kRow3},
        {"line ends CR LF", QByteArray(kRow1 + kRow2 + kRow3).replace("\n", "\r\n")},
        {"empty row with attribute zero", kRow1 + kRow2 + "<row attr=\"0\"/>"},
    };
    for (const auto& [what, rows] : variants) {
        TRLData fromBytes, fromText;
        EXPECT_TRUE(ReadBytes(fromBytes, Document(rows, 3))) << what;
        ExpectTheThreeRows(fromBytes, what);
        EXPECT_TRUE(fromText.ReadFromXMLString(QString::fromUtf8(Document(rows, 3)), "x")) << what;
        ExpectTheThreeRows(fromText, what);
    }
}

TEST(RLDataXmlLayouts, FaultsAreRefusedWhereverTheRowsHoldThem)
{
    // each fault comes after a row of our layout, so that reading is under way
    const std::vector<std::pair<const char*, QByteArray>> faults = {
        {"malformed UTF-8", "<row><cell col=\"1\">a\xff</cell></row>"},
        {"overlong UTF-8", "<row><cell col=\"1\">\xc0\x80</cell></row>"},
        {"encoded surrogate", "<row><cell col=\"1\">\xed\xa0\x80</cell></row>"},
        {"U+FFFE", "<row><cell col=\"1\">\xef\xbf\xbe</cell></row>"},
        {"control character", "<row><cell col=\"1\">\x01</cell></row>"},
        {"]]> in text", "<row><cell col=\"1\">]]></cell></row>"},
        {"undefined entity", "<row><cell col=\"1\">&bogus;</cell></row>"},
        {"column beyond the declared", "<row><cell col=\"4\">a</cell></row>"},
        {"columns out of order", "<row><cell col=\"2\">a</cell><cell col=\"1\">b</cell></row>"},
        {"cell too long", "<row><cell col=\"1\">" + QByteArray(256, 'x') + "</cell></row>"},
        {"hex of odd length", "<row><cell col=\"1\" hex=\"1\">004</cell></row>"},
        {"attribute byte too big", "<row attr=\"256\"/>"},
        {"unclosed row", "<row><cell col=\"1\">a</cell>"},
        {"truncated", "<row><cell col=\"1\">a</ce"},
    };
    for (const auto& [what, row] : faults) {
        TRLData data;
        FillColumns(data, {{"keep"}});
        QByteArray document = Document(kRow1 + row, 2);
        if (QByteArrayView(what) == "truncated")
            document = document.left(document.indexOf("</ce") + 4);
        EXPECT_FALSE(ReadBytes(data, document)) << what;
        EXPECT_EQ(ColumnValues(data, 1), QStringList({"keep"})) << what;
    }
    TRLData data;
    EXPECT_FALSE(ReadBytes(data, Document(kRow1 + kRow2 + kRow3, 2))) << "more rows than declared";
    EXPECT_TRUE(ReadBytes(data, Document(kRow1 + kRow2 + kRow3, 3)));
}

TEST(RLDataXmlLayouts, DeclaredEncodingsAreHonoured)
{
    TRLData latin1;
    ASSERT_TRUE(ReadBytes(latin1, Document("<row><cell col=\"1\">\xe9</cell></row>", 1,
                                           "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>")));
    EXPECT_EQ(latin1.Elem(1, 1), "\u00e9");

    const QString text = QString::fromUtf8(Document(kRow1 + kRow2 + kRow3, 3));
    QStringEncoder toUtf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    TRLData utf16;
    ASSERT_TRUE(ReadBytes(utf16, toUtf16(text)));
    ExpectTheThreeRows(utf16, "UTF-16");

    // a text was decoded already: what its declaration says no longer applies
    TRLData fromText;
    ASSERT_TRUE(fromText.ReadFromXMLString(
        QString::fromUtf8(Document("<row><cell col=\"1\">\xc3\xa9</cell></row>", 1,
                                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>")),
        "x"));
    EXPECT_EQ(fromText.Elem(1, 1), "\u00e9");
}

TEST(RLDataXmlLayouts, WideRowsClaimNoMemoryBeyondTheInput)
{
    // each short row would hold a block of 65,536 cells: refused after some 1,200 of them
    QByteArray names;
    for (int c = 4; c <= TStringArray::MaxColumns; ++c)
        names += "<colname col=\"" + QByteArray::number(c) + "\"/>";
    QByteArray rows;
    for (int r = 0; r < 2000; ++r)
        rows += "<row><cell col=\"65535\">x</cell></row>";
    const QByteArray document =
        Document(names + rows, 2000).replace("<numcols>3", "<numcols>" + QByteArray::number(TStringArray::MaxColumns));
    TRLData data;
    EXPECT_FALSE(ReadBytes(data, document));
    EXPECT_EQ(data.NrOfColumns(), 1);
}
