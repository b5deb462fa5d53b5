// TRLData: report list documents, written and read with QXmlStreamWriter/Reader, the
// rows in our own layout by rldata_xmlrows.cpp. The layout is documented in
// VEK_replist.h.
#include "rldata_p.h"
#include "rldata_xmlrows_p.h"

#include <frame/baselib/files.h>

#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <array>
#include <functional>

namespace vek {

namespace {

const QString kRoot = QStringLiteral("replist");
const QString kRow = QStringLiteral("row");
const QString kSuite = QStringLiteral("tarnwheel");

// Element names by TRepListXmlTag, made once: the writer and reader use one per cell.
const std::array<QString, 9>& TagNames()
{
    static const std::array<QString, 9> names = {
        QStringLiteral("numcols"),   QStringLiteral("numrows"), QStringLiteral("colname"),
        QStringLiteral("checkedcolumn"), QStringLiteral("commonhd"), QStringLiteral("colformat"),
        QStringLiteral("cell"),      QStringLiteral("comment"), QStringLiteral("endreplist"),
    };
    return names;
}

// Cells far beyond the input's size would let a small hostile document claim huge
// memory: a reader allows this many bytes of row storage per input character, plus a
// fixed allowance.
constexpr qint64 kStorageBytesPerInputChar = 64;
constexpr qint64 kStorageAllowance = 64 * 1024 * 1024;

QString ToHex(QStringView text)
{
    QString hex;
    hex.reserve(text.size() * 4);
    for (QChar c : text)
        hex += QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return hex;
}

bool FromHex(QStringView hex, QString& text)
{
    if (hex.size() % 4 != 0)
        return false;
    text.clear();
    for (qsizetype i = 0; i < hex.size(); i += 4) {
        bool ok = false;
        const uint unit = hex.mid(i, 4).toUInt(&ok, 16);
        if (!ok)
            return false;
        text += QChar(char16_t(unit));
    }
    return true;
}

// <element col="n" ...>text</element>, with hex="1" when text is not XML-safe.
void WriteTextElement(QXmlStreamWriter& w, TRepListXmlTag tag, QStringView text, int col = -1)
{
    w.writeStartElement(RepListXmlTagName(tag));
    if (col >= 0)
        w.writeAttribute(QStringLiteral("col"), QString::number(col));
    if (xmlrows::IsXmlSafe(text)) {
        w.writeCharacters(text.toString());
    } else {
        w.writeAttribute(QStringLiteral("hex"), QStringLiteral("1"));
        w.writeCharacters(ToHex(text));
    }
    w.writeEndElement();
}

QString TrimmedLower(const QString& id)
{
    return id.trimmed().toLower();
}

} // namespace

QString RepListXmlTagName(TRepListXmlTag Tag)
{
    const int i = int(Tag);
    return i >= 0 && i < int(TagNames().size()) ? TagNames()[std::size_t(i)] : QString();
}

TRepListXmlTag RepListXmlTagOf(QStringView Name)
{
    for (std::size_t i = 0; i < TagNames().size(); ++i)
        if (Name == TagNames()[i])
            return TRepListXmlTag(i);
    return xmlInvalid;
}

// Writing and reading of one document; a friend of TRLData.
class TRLDataDocument {
public:
    // Takes the rows' bytes, which bypass the XML writer; false when it could not.
    using TRowSink = std::function<bool(const char* bytes, qsizetype size)>;
    // The writer's own errors are the caller's to check.
    static bool Write(TRLData& data, QXmlStreamWriter& w, const TRowSink& rows, bool createHeader,
                      const QString& id);
    // A whole document's bytes; fromText: the bytes are a text's UTF-8, whatever
    // encoding the document declares.
    static bool Read(const QByteArray& document, bool fromText, const QString& id, TRLData& target);

private:
    TRLDataDocument(QXmlStreamReader& r, TRLData& staging, const QByteArray& document);

    bool ReadRoot(const QString& id);
    bool ReadChild(TRepListXmlTag tag);
    bool ReadRow();
    bool CanReadRow() const;
    bool StoreRow(quint8 attrib, bool hasCells);
    bool ReadRowsAfterHead();
    qint64 InputOffset() const;
    bool ReadText(QString& text, int maxLength);
    bool ReadCount(int& value, int maximum);
    bool ReadColumnAttribute(int& col, int lowest);
    bool NextChild(bool& ended);
    bool StorageWithinBounds() const;

    QXmlStreamReader& R;
    TRLData& D;
    // The document; the reader gets its head (up to the first row) first, when the rows
    // can be scanned without it, and the rest after the scan.
    const QByteArray& FDocument;
    qsizetype FRowsStart = -1;
    qsizetype FScanned = 0; // bytes of rows the scan read, which the reader never sees
    TRowBuilder FCells;
    int FDeclaredCols = -1;
    int FDeclaredRows = -1;
    int FNamedCols = 0;
    int FRowsRead = 0;
    qint64 FStorageBytes = 0;
    bool FEnded = false;
    QString FDocumentId;
    bool FSeenHeader = false;
    bool FSeenComment = false;
    std::vector<bool> FSeenFormat;
    std::vector<bool> FSeenCheck;
};

bool TRLDataDocument::Write(TRLData& data, QXmlStreamWriter& w, const TRowSink& rows, bool createHeader,
                            const QString& id)
{
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    if (createHeader)
        w.writeStartDocument();
    w.writeStartElement(kRoot);
    w.writeAttribute(QStringLiteral("id"), id);
    w.writeAttribute(QStringLiteral("suite"), kSuite);
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    TStringArray& cells = *data.Strings;
    w.writeStartElement(RepListXmlTagName(xmlNumCols));
    if (cells.GetColAttrib(0) != 0) // column 0 has no element of its own
        w.writeAttribute(QStringLiteral("attr0"), QString::number(cells.GetColAttrib(0)));
    w.writeCharacters(QString::number(data.d->nrOfCols));
    w.writeEndElement();
    w.writeTextElement(RepListXmlTagName(xmlNumRows), QString::number(data.d->nrOfRows));
    WriteTextElement(w, xmlCommonHd, data.d->commonHeader);
    WriteTextElement(w, xmlComment, data.d->comment);
    for (int c = 1; c <= data.d->nrOfCols; ++c) {
        const TRLData::Private::Column& column = data.d->columns[std::size_t(c - 1)];
        w.writeStartElement(RepListXmlTagName(xmlColName));
        w.writeAttribute(QStringLiteral("col"), QString::number(c));
        if (cells.GetColAttrib(c) != 0)
            w.writeAttribute(QStringLiteral("attr"), QString::number(cells.GetColAttrib(c)));
        if (xmlrows::IsXmlSafe(column.Name)) {
            w.writeCharacters(column.Name);
        } else {
            w.writeAttribute(QStringLiteral("hex"), QStringLiteral("1"));
            w.writeCharacters(ToHex(column.Name));
        }
        w.writeEndElement();
        if (!column.Format.isEmpty())
            WriteTextElement(w, xmlColumnFormat, column.Format, c);
        if (column.CheckMode != cmNone) {
            // closed with writeEndElement, which writes the same "/>" at once: an empty
            // element's end stays pending until the next write, and the rows come next
            w.writeStartElement(RepListXmlTagName(xmlCheckedColumn));
            w.writeAttribute(QStringLiteral("col"), QString::number(c));
            w.writeAttribute(QStringLiteral("mode"), column.CheckMode == cmBox ? QStringLiteral("box")
                                                                             : QStringLiteral("radio"));
            w.writeEndElement();
        }
    }
    // The writer has no pending output after an end tag (which the head ends with): the
    // rows go straight to the output between its writes.
    constexpr qsizetype kFlushBytes = 1 << 20;
    const qint64 cellsPerRow = data.d->nrOfCols + 1;
    xmlrows::TRowWriter rowWriter;
    for (int r = 1; r <= data.d->nrOfRows; ++r) {
        rowWriter.Append(cells, r);
        if (rowWriter.Size() >= kFlushBytes || r == data.d->nrOfRows) {
            if (!rows(rowWriter.Data(), rowWriter.Size()))
                return false;
            rowWriter.Clear();
        }
        data.ReportProgress(r * cellsPerRow);
    }
    w.writeEmptyElement(RepListXmlTagName(xmlEndReplist));
    w.writeEndElement();
    if (createHeader)
        w.writeEndDocument();
    return true;
}

namespace {

TRLDataDocument::TRowSink DeviceSink(QIODevice* device)
{
    return [device](const char* bytes, qsizetype size) { return device->write(bytes, size) == size; };
}

} // namespace

bool TRLData::WriteToXMLStream(QIODevice* OutStream, bool CreateHeader, const QString& DataID)
{
    if (!OutStream || !OutStream->isWritable())
        return false;
    QXmlStreamWriter writer(OutStream);
    StartProgress();
    return TRLDataDocument::Write(*this, writer, DeviceSink(OutStream), CreateHeader, DataID)
           && !writer.hasError();
}

bool TRLData::SaveAsXMLFile(const QString& FName, const QString& DataID)
{
    QSaveFile file(FName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!WriteToXMLStream(&file, true, DataID)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool TRLData::WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID)
{
    StartProgress();
    QIODevice* device = F.device();
    if (device && F.encoding() == QStringConverter::Utf8) {
        F.flush();
        QXmlStreamWriter writer(device);
        const bool written = TRLDataDocument::Write(*this, writer, DeviceSink(device), CreateHeader, DataID);
        device->write("\n");
        return written && !writer.hasError() && F.status() == QTextStream::Ok;
    }
    QString text;
    QXmlStreamWriter writer(&text);
    const auto appendRows = [&text](const char* bytes, qsizetype size) {
        text += QString::fromUtf8(bytes, size);
        return true;
    };
    TRLDataDocument::Write(*this, writer, appendRows, CreateHeader, DataID);
    F << text << '\n';
    return !writer.hasError() && F.status() == QTextStream::Ok;
}

// ---- reading ---------------------------------------------------------------------------

TRLDataDocument::TRLDataDocument(QXmlStreamReader& r, TRLData& staging, const QByteArray& document)
    : R(r), D(staging), FDocument(document), FRowsStart(xmlrows::RowsStart(document))
{
    R.addData(FRowsStart < 0 ? document : QByteArray::fromRawData(document.constData(), FRowsStart));
}

bool TRLDataDocument::Read(const QByteArray& document, bool fromText, const QString& id, TRLData& target)
{
    try {
        QXmlStreamReader reader;
        if (fromText)
            reader.addData(QString()); // takes all data as UTF-8, as for a QString
        TRLData staging;
        TRLDataDocument reading(reader, staging, document);
        if (!reading.ReadRoot(id))
            return false;
        staging.d->nrOfRows = reading.FRowsRead;
        target.AdoptDocument(staging, reading.FDocumentId);
        return true;
    } catch (const std::exception&) {
        return false; // out of memory while staging: the target is untouched
    }
}

void TRLData::AdoptDocument(TRLData& Read, const QString& DataID)
{
    Strings->Swap(*Read.Strings);
    d->columns.swap(Read.d->columns);
    d->nrOfCols = Read.d->nrOfCols;
    d->nrOfRows = Read.d->nrOfRows;
    d->commonHeader = Read.d->commonHeader;
    d->comment = Read.d->comment;
    d->dataID = DataID;
    d->sortColumn = -1;
    d->sortColumnSec = -1;
    UpdateFeedbackCounts();
}

// Moves to the next child element; ended becomes true at the parent's end tag. Comments
// and whitespace are skipped; anything else (text, DTD, entity references, processing
// instructions) is refused.
bool TRLDataDocument::NextChild(bool& ended)
{
    for (;;) {
        switch (R.readNext()) {
        case QXmlStreamReader::StartElement:
            ended = false;
            return true;
        case QXmlStreamReader::EndElement:
            ended = true;
            return true;
        case QXmlStreamReader::Comment:
            continue;
        case QXmlStreamReader::Characters:
            if (R.isWhitespace())
                continue;
            return false;
        default:
            return false;
        }
    }
}

bool TRLDataDocument::ReadRoot(const QString& id)
{
    for (;;) {
        const auto token = R.readNext();
        if (token == QXmlStreamReader::StartElement)
            break;
        if (token != QXmlStreamReader::StartDocument && token != QXmlStreamReader::Comment
            && !(token == QXmlStreamReader::Characters && R.isWhitespace()))
            return false;
    }
    const QXmlStreamAttributes attributes = R.attributes();
    if (R.name() != kRoot || attributes.value(QStringLiteral("suite")) != kSuite)
        return false;
    if (!id.isEmpty()
        && TrimmedLower(attributes.value(QStringLiteral("id")).toString()) != TrimmedLower(id))
        return false;
    FDocumentId = attributes.value(QStringLiteral("id")).toString();
    for (;;) {
        bool ended = false;
        if (!NextChild(ended)) {
            // the reader ran out of the head it was given: the rows come next
            if (R.error() != QXmlStreamReader::PrematureEndOfDocumentError || !ReadRowsAfterHead())
                return false;
            continue;
        }
        if (ended)
            break;
        if (FEnded)
            return false; // nothing may follow the end marker
        const TRepListXmlTag tag = R.name() == kRow ? xmlCell : RepListXmlTagOf(R.name());
        const bool ok = R.name() == kRow ? ReadRow() : (tag != xmlCell && ReadChild(tag));
        if (!ok)
            return false;
    }
    return FEnded && FRowsRead == FDeclaredRows && !R.hasError();
}

bool TRLDataDocument::ReadText(QString& text, int maxLength)
{
    const bool hex = R.attributes().value(QStringLiteral("hex")) == QLatin1String("1");
    text = R.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (R.hasError())
        return false;
    if (hex) {
        QString decoded;
        if (!FromHex(text, decoded))
            return false;
        text = decoded;
    }
    return maxLength < 0 || text.size() <= maxLength;
}

bool TRLDataDocument::ReadCount(int& value, int maximum)
{
    const QString text = R.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok && !R.hasError() && value >= 0 && value <= maximum;
}

// The col attribute of the current element, lowest..declared columns.
bool TRLDataDocument::ReadColumnAttribute(int& col, int lowest)
{
    bool ok = false;
    col = R.attributes().value(QStringLiteral("col")).toInt(&ok);
    return ok && col >= lowest && col <= FDeclaredCols;
}

// An optional attribute byte; false when present but not 0..255.
static bool ReadAttributeByte(const QXmlStreamAttributes& attributes, const QString& name, quint8& value)
{
    value = 0;
    if (!attributes.hasAttribute(name))
        return true;
    bool ok = false;
    const int n = attributes.value(name).toInt(&ok);
    value = quint8(n);
    return ok && n >= 0 && n <= 255;
}

bool TRLDataDocument::ReadChild(TRepListXmlTag tag)
{
    const bool columnsDeclared = FDeclaredCols >= 0;
    const bool rowsStarted = FRowsRead > 0;
    int col = 0;
    QString text;
    switch (tag) {
    case xmlNumCols: {
        quint8 attr0 = 0;
        if (columnsDeclared || !ReadAttributeByte(R.attributes(), QStringLiteral("attr0"), attr0)
            || !ReadCount(FDeclaredCols, TStringArray::MaxColumns) || FDeclaredCols < 1)
            return false;
        D.SetNrOfColumns(FDeclaredCols);
        D.Strings->SetColAttrib(0, attr0);
        FSeenFormat.assign(std::size_t(FDeclaredCols) + 1, false);
        FSeenCheck.assign(std::size_t(FDeclaredCols) + 1, false);
        return true;
    }
    case xmlNumRows:
        return columnsDeclared && FDeclaredRows < 0 && ReadCount(FDeclaredRows, INT_MAX - 1);
    case xmlCommonHd:
        if (FSeenHeader || rowsStarted || !ReadText(D.d->commonHeader, -1))
            return false;
        FSeenHeader = true;
        return true;
    case xmlComment:
        if (FSeenComment || rowsStarted || !ReadText(D.d->comment, -1))
            return false;
        FSeenComment = true;
        return true;
    case xmlColName: {
        quint8 attr = 0;
        if (!columnsDeclared || rowsStarted || !ReadColumnAttribute(col, 1) || col != FNamedCols + 1
            || !ReadAttributeByte(R.attributes(), QStringLiteral("attr"), attr)
            || !ReadText(text, TRLData::MaxNameLength))
            return false;
        D.d->columns[std::size_t(col - 1)].Name = text;
        D.Strings->SetColAttrib(col, attr);
        ++FNamedCols;
        return true;
    }
    case xmlColumnFormat:
        if (!columnsDeclared || rowsStarted || !ReadColumnAttribute(col, 1) || FSeenFormat[std::size_t(col)]
            || !ReadText(text, TRLData::MaxFormatLength))
            return false;
        FSeenFormat[std::size_t(col)] = true;
        D.d->columns[std::size_t(col - 1)].Format = text;
        return true;
    case xmlCheckedColumn: {
        if (!columnsDeclared || rowsStarted || !ReadColumnAttribute(col, 1) || FSeenCheck[std::size_t(col)])
            return false;
        const QStringView mode = R.attributes().value(QStringLiteral("mode"));
        if (mode != QLatin1String("box") && mode != QLatin1String("radio"))
            return false;
        FSeenCheck[std::size_t(col)] = true;
        D.d->columns[std::size_t(col - 1)].CheckMode = mode == QLatin1String("box") ? cmBox : cmRadio;
        return ReadText(text, 0);
    }
    case xmlEndReplist:
        FEnded = true;
        return ReadText(text, 0);
    default:
        return false;
    }
}

// Input characters read so far; bytes of the scanned rows count as characters.
qint64 TRLDataDocument::InputOffset() const
{
    return R.characterOffset() + FScanned;
}

bool TRLDataDocument::StorageWithinBounds() const
{
    return FStorageBytes <= kStorageBytesPerInputChar * InputOffset() + kStorageAllowance;
}

bool TRLDataDocument::CanReadRow() const
{
    return FDeclaredRows >= 0 && FNamedCols == FDeclaredCols && FRowsRead < FDeclaredRows;
}

// Stores the row in FCells as the next row; false when it would take more memory than
// the input allows.
bool TRLDataDocument::StoreRow(quint8 attrib, bool hasCells)
{
    if (hasCells) {
        FStorageBytes += qint64(FDeclaredCols + 1) * 2 + 32;
        if (!StorageWithinBounds())
            return false;
    }
    const int row = ++FRowsRead;
    if (row > 1)
        D.Strings->InsertRow(row);
    D.Strings->SetRow(row, FCells);
    D.Strings->SetRowAttrib(row, attrib);
    return true;
}

// Scans the rows that follow the head, as far as they are laid out as this library
// writes them, then hands the rest of the document to the reader. Once only: later, the
// reader running out of input means a truncated document.
bool TRLDataDocument::ReadRowsAfterHead()
{
    if (FRowsStart < 0)
        return false;
    xmlrows::TRowScanner scanner(FDocument.constData() + FRowsStart,
                                 FDocument.constData() + FDocument.size());
    quint8 attrib = 0;
    bool hasCells = false;
    while (!FEnded && CanReadRow() && scanner.Peek(FDeclaredCols, FCells, attrib, hasCells)) {
        scanner.Accept();
        FScanned = scanner.Position() - (FDocument.constData() + FRowsStart);
        if (!StoreRow(attrib, hasCells))
            return false;
    }
    const qsizetype rest = FRowsStart + FScanned;
    FRowsStart = -1;
    R.addData(QByteArray::fromRawData(FDocument.constData() + rest, FDocument.size() - rest));
    return true;
}

bool TRLDataDocument::ReadRow()
{
    quint8 attrib = 0;
    if (!CanReadRow() || !ReadAttributeByte(R.attributes(), QStringLiteral("attr"), attrib))
        return false;
    FCells.Start(FDeclaredCols);
    int lastCol = -1;
    QString text;
    for (;;) {
        bool ended = false;
        if (!NextChild(ended))
            return false;
        if (ended)
            return StoreRow(attrib, lastCol >= 0);
        int col = 0;
        if (R.name() != RepListXmlTagName(xmlCell) || !ReadColumnAttribute(col, 0) || col <= lastCol
            || !ReadText(text, TStringArray::MaxCellLength))
            return false;
        lastCol = col;
        FCells.SetCell(col, text);
    }
}

// The readers take the whole document into memory, so that the rows can be scanned in
// place. A file is read rather than mapped: a mapped file cut short by another program
// while we read it would end this one.
bool TRLData::ReadFromXMLStream(QIODevice* InStream, const QString& DataID)
{
    if (!InStream || !InStream->isReadable())
        return false;
    try {
        return TRLDataDocument::Read(InStream->readAll(), false, DataID, *this);
    } catch (const std::exception&) {
        return false; // the document does not fit into memory
    }
}

bool TRLData::ReadFromXMLString(const QString& InString, const QString& DataID)
{
    try {
        return TRLDataDocument::Read(InString.toUtf8(), true, DataID, *this);
    } catch (const std::exception&) {
        return false;
    }
}

bool TRLData::LoadFromXMLFile(const QString& FName, const QString& DataID)
{
    QFile file(FName);
    if (!OpenRegularFileForReading(file))
        return false;
    return ReadFromXMLStream(&file, DataID);
}

bool TRLData::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID)
{
    // The document ends on the line holding the root's end tag: cell texts cannot hold
    // that tag, as the writer escapes every '<'.
    const QString rootEnd = QStringLiteral("</") + kRoot + QStringLiteral(">");
    QString document;
    QString line;
    while (F.readLineInto(&line)) {
        if (document.isEmpty() && line.trimmed().isEmpty())
            continue;
        document += line;
        document += u'\n';
        if (line.contains(rootEnd))
            return ReadFromXMLString(document, DataID);
    }
    return false;
}

} // namespace vek
