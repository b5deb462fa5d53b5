// Report list documents: round trips, all-or-nothing reading of bad documents, safe
// saving, text-file forms and CheckIfValidReplist.
#include "rldata_fixture.h"

#include <gtest/gtest.h>
#include <qstring_printer.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

using namespace vek;
using namespace rldatatest;

namespace {

// Texts that a careless writer or reader would change.
const QStringList kHardTexts = {
    "<b>&amp;</b>", "\"quoted\" 'single'", "tab\there", "line\nfeed", "cr\rlf\r\n",
    "  leading and trailing  ", " ", "\u00e4\u00f6\u00fc \u4e2d\u6587 \u05e2\u05d1",
    QString::fromUcs4(U"\U0001F600 face"), QString(255, u'w'), QString::fromUtf16(u"ctl\x01\x1f"),
    QStringLiteral("]]>"), QStringLiteral("&lt;"),
};

void MakeRichList(TRLData& data)
{
    data.SetNrOfColumns(4);
    data.SetNrOfRows(int(kHardTexts.size()));
    for (int r = 1; r <= data.NrOfRows(); ++r) {
        data.SetElem(1, r, kHardTexts[r - 1]);
        data.SetElem(3, r, QString::number(r));
        data.SetElem(0, r, "h" + QString::number(r));
    }
    data.SetHeader(1, "Name <&>");
    data.SetHeader(2, "Check");
    data.SetColumnFormat(1, "[s][100]$pwd$8");
    data.SetColumnFormat(3, "[i][80]rix3");
    data.SetColumnCheckMode(2, cmBox);
    data.SetColumnCheckMode(4, cmRadio);
    data.SetElemChecked(2, 2, true);
    data.SetElem(2, 3, "unchecked value");
    data.SetElemChecked(4, 5, true);
    data.SetCommonHeader("Common \"header\"\n second line");
    data.SetComment(" comment\twith tab ");
    data.Strings->SetRowAttrib(3, 192);
    data.Strings->SetColAttrib(2, 128);
    data.Strings->SetColAttrib(0, 5);
}

void ExpectSameList(const TRLData& a, const TRLData& b)
{
    ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
    ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
    EXPECT_EQ(a.CommonHeader(), b.CommonHeader());
    EXPECT_EQ(a.Comment(), b.Comment());
    for (int c = 0; c <= a.NrOfColumns(); ++c) {
        EXPECT_EQ(a.Header(c), b.Header(c));
        EXPECT_EQ(a.ColumnFormat(c), b.ColumnFormat(c));
        EXPECT_EQ(a.ColumnCheckMode(c), b.ColumnCheckMode(c));
        EXPECT_EQ(a.Strings->GetColAttrib(c), b.Strings->GetColAttrib(c));
        for (int r = 1; r <= a.NrOfRows(); ++r)
            EXPECT_EQ(a.Strings->GetString(c, r), b.Strings->GetString(c, r)) << c << "," << r;
    }
    for (int r = 1; r <= a.NrOfRows(); ++r)
        EXPECT_EQ(a.Strings->GetRowAttrib(r), b.Strings->GetRowAttrib(r));
}

QString DocumentOf(TRLData& data, const QString& id)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(data.WriteToXMLStream(&buffer, true, id));
    return QString::fromUtf8(buffer.data());
}

// A small valid document with the given body between the column names and the end marker.
QString SmallDocument(const QString& rows, int numRows = 1, const QString& extra = QString())
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<replist id=\"x\" suite=\"tarnwheel\" version=\"1\">"
                          "<numcols>2</numcols><numrows>%1</numrows>"
                          "<colname col=\"1\">A</colname><colname col=\"2\">B</colname>%2%3"
                          "<endreplist/></replist>")
        .arg(numRows)
        .arg(extra, rows);
}

} // namespace

TEST(RLDataXml, RoundTripLosesNothing)
{
    TRLData source;
    MakeRichList(source);
    const QString document = DocumentOf(source, "MyData");
    TRLData copy;
    ASSERT_TRUE(copy.ReadFromXMLString(document, "mydata"));
    ExpectSameList(source, copy);
    EXPECT_EQ(copy.DataID(), "MyData");
    EXPECT_TRUE(copy.ElemChecked(2, 2));
    EXPECT_EQ(copy.Elem(2, 3), "unchecked value");
}

TEST(RLDataXml, WrittenRowsArePlainXml)
{
    // any XML reader sees the cells: the rows are written without the XML writer
    TRLData source;
    MakeRichList(source);
    QXmlStreamReader reader(DocumentOf(source, "x"));
    int row = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"row") {
            ++row;
            EXPECT_EQ(reader.attributes().value("attr").toInt(), source.Strings->GetRowAttrib(row));
        } else if (reader.name() == u"cell") {
            const int col = reader.attributes().value("col").toInt();
            const bool hex = reader.attributes().hasAttribute("hex");
            const QString text = reader.readElementText();
            const QString expected = source.Strings->GetString(col, row);
            EXPECT_EQ(hex ? text.size() : 0, hex ? expected.size() * 4 : 0) << col << "," << row;
            if (!hex)
                EXPECT_EQ(text, expected) << col << "," << row;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(row, source.NrOfRows());
}

TEST(RLDataXml, FileRoundTripAndRowsInPresentedOrder)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("list.xml");
    TRLData source;
    FillColumns(source, {{"b", "c", "a"}});
    source.Sort(1, -1, true);
    ASSERT_TRUE(source.SaveAsXMLFile(name, "id1"));
    TRLData copy;
    ASSERT_TRUE(copy.LoadFromXMLFile(name, ""));
    EXPECT_EQ(ColumnValues(copy, 1), QStringList({"a", "b", "c"}));
    EXPECT_EQ(copy.LastSortColumn(), -1);
    EXPECT_TRUE(CheckIfValidReplist(name, "ID1"));
    EXPECT_FALSE(copy.LoadFromXMLFile(dir.filePath("missing.xml"), ""));
}

TEST(RLDataXml, EmptyListRoundTrip)
{
    TRLData source, copy;
    FillColumns(copy, {{"x"}});
    ASSERT_TRUE(copy.ReadFromXMLString(DocumentOf(source, ""), ""));
    EXPECT_EQ(copy.NrOfRows(), 0);
    EXPECT_EQ(copy.NrOfColumns(), 1);
    EXPECT_EQ(copy.Strings->GetString(1, 1), "");
}

TEST(RLDataXml, SmallHandWrittenDocumentIsRead)
{
    TRLData data;
    ASSERT_TRUE(data.ReadFromXMLString(
        SmallDocument("<row attr=\"3\"><cell col=\"0\">h</cell><cell col=\"2\">b</cell></row>"), "X"));
    EXPECT_EQ(data.Elem(2, 1), "b");
    EXPECT_EQ(data.Elem(0, 1), "h");
    EXPECT_EQ(data.Strings->GetRowAttrib(1), 3);
    EXPECT_EQ(data.Header(2), "B");
}

TEST(RLDataXml, BadDocumentsChangeNothing)
{
    const QString goodRow = "<row><cell col=\"1\">a</cell></row>";
    const std::vector<std::pair<const char*, QString>> bad = {
        {"wrong id", SmallDocument(goodRow).replace("id=\"x\"", "id=\"y\"")},
        {"no suite", SmallDocument(goodRow).replace(" suite=\"tarnwheel\"", "")},
        {"truncated", SmallDocument(goodRow).left(SmallDocument(goodRow).size() - 30)},
        {"no end marker", SmallDocument(goodRow).replace("<endreplist/>", "")},
        {"row count too high", SmallDocument(goodRow, 2)},
        {"row count too low", SmallDocument(goodRow + goodRow, 1)},
        {"cell beyond columns", SmallDocument("<row><cell col=\"3\">a</cell></row>")},
        {"duplicate cell", SmallDocument("<row><cell col=\"1\">a</cell><cell col=\"1\">b</cell></row>")},
        {"negative column", SmallDocument("<row><cell col=\"-1\">a</cell></row>")},
        {"cell too long", SmallDocument("<row><cell col=\"1\">" + QString(256, u'x') + "</cell></row>")},
        {"unknown element", SmallDocument(goodRow, 1, "<extra/>")},
        {"nested element", SmallDocument("<row><cell col=\"1\"><b>a</b></cell></row>")},
        {"text between rows", SmallDocument(goodRow + "stray")},
        {"bad attribute byte", SmallDocument("<row attr=\"300\"></row>")},
        {"bad hex", SmallDocument("<row><cell col=\"1\" hex=\"1\">zz</cell></row>")},
        {"absurd columns", SmallDocument(goodRow).replace("<numcols>2", "<numcols>2000000000")},
        {"not a number", SmallDocument(goodRow).replace("<numrows>1", "<numrows>one")},
        {"missing column name", SmallDocument(goodRow).replace("<colname col=\"2\">B</colname>", "")},
        {"entity expansion",
         "<?xml version=\"1.0\"?><!DOCTYPE replist [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
         "<replist id=\"x\" suite=\"tarnwheel\"><numcols>1</numcols><numrows>1</numrows>"
         "<colname col=\"1\">&b;</colname><row/><endreplist/></replist>"},
        {"undefined entity", SmallDocument("<row><cell col=\"1\">&bogus;</cell></row>")},
        {"not xml", "replist tarnwheel"},
        {"empty", ""},
    };
    for (const auto& [what, document] : bad) {
        TRLData data;
        FillColumns(data, {{"keep", "me"}});
        data.SetComment("unchanged");
        EXPECT_FALSE(data.ReadFromXMLString(document, "x")) << what;
        EXPECT_EQ(data.NrOfRows(), 2) << what;
        EXPECT_EQ(data.Elem(1, 1), "keep") << what;
        EXPECT_EQ(data.Comment(), "unchanged") << what;
    }
}

TEST(RLDataXml, HugeDeclaredSizeNeedsMatchingInput)
{
    // a million declared rows but only one written: refused, and no million rows made
    TRLData data;
    EXPECT_FALSE(data.ReadFromXMLString(SmallDocument("<row/>", 1000000), ""));
    EXPECT_EQ(data.Strings->NrOfRows(), 1);
}

TEST(RLDataXml, StreamAndOpenTextFileForms)
{
    TRLData first, second;
    FillColumns(first, {{"one"}});
    FillColumns(second, {{"two", "three"}});
    QString text;
    {
        QTextStream out(&text);
        out << "preamble line\n";
        EXPECT_TRUE(first.WriteToOpenXMLFile(out, true, "a"));
        EXPECT_TRUE(second.WriteToOpenXMLFile(out, false, "b"));
        out << "trailer\n";
    }
    QTextStream in(&text);
    EXPECT_EQ(in.readLine(), "preamble line");
    TRLData a, b;
    ASSERT_TRUE(a.ReadFromOpenXMLFile(in, "a"));
    ASSERT_TRUE(b.ReadFromOpenXMLFile(in, "b"));
    EXPECT_EQ(ColumnValues(a, 1), QStringList({"one"}));
    EXPECT_EQ(ColumnValues(b, 1), QStringList({"two", "three"}));
    EXPECT_EQ(in.readLine(), "trailer");
    EXPECT_FALSE(a.ReadFromOpenXMLFile(in, ""));
    EXPECT_EQ(ColumnValues(a, 1), QStringList({"one"}));

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    EXPECT_TRUE(second.WriteToXMLStream(&buffer, true, "s"));
    buffer.seek(0);
    EXPECT_TRUE(CheckIfValidReplist(&buffer, "S"));
    EXPECT_EQ(buffer.pos(), 0);
    EXPECT_TRUE(a.ReadFromXMLStream(&buffer, "s"));
    EXPECT_EQ(ColumnValues(a, 1), QStringList({"two", "three"}));
}

TEST(RLDataXml, WritingReportsProgress)
{
    TRLData data;
    FillColumns(data, {QStringList(300, "x")});
    std::vector<int> percents;
    data.OnPercentDone = [&](TObject*, int p) { percents.push_back(p); };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    data.WriteToXMLStream(&buffer, true, "");
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
}

TEST(RLDataXml, TagNames)
{
    for (int t = xmlNumCols; t < xmlInvalid; ++t)
        EXPECT_EQ(RepListXmlTagOf(RepListXmlTagName(TRepListXmlTag(t))), TRepListXmlTag(t));
    EXPECT_EQ(RepListXmlTagOf(u"row"), xmlInvalid);
}

TEST(CheckIfValidReplist, OpeningLineAndIdentifier)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("check.txt");
    {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
        f.write("first line\n<REPLIST Tarnwheel ID=\"  abc  \">\n");
    }
    EXPECT_TRUE(CheckIfValidReplist(name, "ABC"));
    EXPECT_TRUE(CheckIfValidReplist(name, ""));
    EXPECT_FALSE(CheckIfValidReplist(name, "abd"));
    {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
        f.write("<replist id=\"abc\">\n");
    }
    EXPECT_FALSE(CheckIfValidReplist(name, ""));
    EXPECT_THROW(CheckIfValidReplist(dir.filePath("missing"), ""), EInOutError);
}

TEST(RLDataXml, OpenTextFileOnADevice)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("mixed.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Text));
    TRLData data;
    FillColumns(data, {{"x <y>", ""}});
    data.SetElem(0, 2, "hidden");
    {
        QTextStream out(&file);
        out << "header of my own file\n";
        ASSERT_TRUE(data.WriteToOpenXMLFile(out, false, "dev"));
        out << "after\n";
    }
    file.seek(0);
    QTextStream in(&file);
    EXPECT_EQ(in.readLine(), "header of my own file");
    TRLData copy;
    ASSERT_TRUE(copy.ReadFromOpenXMLFile(in, "dev"));
    EXPECT_EQ(copy.Elem(1, 1), "x <y>");
    EXPECT_EQ(copy.Elem(0, 2), "hidden");
    EXPECT_EQ(in.readLine(), "after");
}

namespace {

// A device that takes a few bytes and then fails, as a full disk does.
class TFullDevice : public QIODevice {
public:
    explicit TFullDevice(qint64 room) : FRoom(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        if (len > FRoom)
            return -1;
        FRoom -= len;
        return len;
    }

private:
    qint64 FRoom;
};

} // namespace

TEST(RLDataXml, WriteFailuresAreReported)
{
    TRLData data;
    FillColumns(data, {QStringList(100, "some text")});
    TFullDevice full(200);
    EXPECT_FALSE(data.WriteToXMLStream(&full, true, ""));
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(data.WriteToXMLStream(&readOnly, true, ""));
    EXPECT_FALSE(data.WriteToXMLStream(nullptr, true, ""));
}
