// The rows of a report list document, the bulk of every large one, written and read
// without a streaming XML writer or reader in between: at a million rows those cost
// several seconds, most of a save or load. Everything else of a document goes through
// QXmlStreamWriter and QXmlStreamReader.
#pragma once

#include <frame/data/rowbuilder.h>
#include <frame/data/stringarray.h>

#include <QByteArray>
#include <QStringView>

namespace vek::xmlrows {

// Whether XML 1.0 can carry text as character data unchanged (carriage returns would
// come back as line feeds).
bool IsXmlSafe(QStringView text);

// Writes rows as UTF-8, exactly as QXmlStreamWriter with auto formatting (indent 1)
// writes them inside the root element:
//   "\n <row attr="n">" "\n  <cell col="c">text</cell>" ... "\n </row>", or
//   "\n <row attr="n"/>" for a row without cells;
// attr only when not 0, non-empty cells only, hex="1" and the UTF-16 units in hex for
// texts that are not XML-safe.
class TRowWriter {
public:
    // Appends presented row Row of cells to the bytes written so far.
    void Append(const TStringArray& cells, int row);
    const char* Data() const { return FBuffer.constData(); }
    qsizetype Size() const { return FUsed; }
    // Starts over, keeping the buffer.
    void Clear() { FUsed = 0; }

private:
    char* Room(qsizetype bytes);
    void Written(const char* end);

    QByteArray FBuffer;
    qsizetype FUsed = 0;
};

// Where the rows of a document begin ("<row"), when they can be read by TRowScanner: the
// document is UTF-8 and nothing before its first row can hide that text (no comment,
// CDATA section, DTD or processing instruction besides the XML declaration). -1 when
// not.
qsizetype RowsStart(const QByteArray& document);

// Reads rows laid out as AppendRow writes them (with any XML whitespace between the
// elements) straight from UTF-8. A shortcut for the common case, not a parser: at
// anything else it stops, and the document's QXmlStreamReader reads on from there and
// judges it.
class TRowScanner {
public:
    TRowScanner(const char* begin, const char* end) : FAt(begin), FNext(begin), FEnd(end) {}

    // Reads the row at the position into Cells (started with NrOfCols columns) and
    // Attrib; HasCells tells whether it had cell elements. False, with the position kept,
    // when the next thing is not such a row or breaks a rule of the document (a column
    // outside 0..NrOfCols or not after the one before, a text longer than a cell).
    bool Peek(int NrOfCols, TRowBuilder& Cells, quint8& Attrib, bool& HasCells);
    // Moves past the row Peek read.
    void Accept() { FAt = FNext; }
    const char* Position() const { return FAt; }

private:
    const char* FAt;
    const char* FNext;
    const char* FEnd;
};

} // namespace vek::xmlrows
