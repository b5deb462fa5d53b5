#include "rldata_xmlrows_p.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace vek::xmlrows {

namespace {

// ---- writing ---------------------------------------------------------------------------

// Worst case of UTF-8 bytes per UTF-16 unit of a cell: "&quot;".
constexpr qsizetype kBytesPerUnit = 6;
// The markup around one cell: indentation, tags, the column number and hex="1".
constexpr qsizetype kCellMarkupBytes = 48;

char* Put(char* p, std::string_view text)
{
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

char* PutNumber(char* p, int value)
{
    return std::to_chars(p, p + 11, value).ptr;
}

// UTF-8 of XML-safe text, with the characters QXmlStreamWriter escapes in character
// data escaped the same way.
char* PutEscaped(char* p, QStringView text)
{
    const char16_t* s = text.utf16();
    const char16_t* end = s + text.size();
    while (s < end) {
        const char16_t c = *s++;
        if (c < 0x80) {
            switch (c) {
            case u'<': p = Put(p, "&lt;"); break;
            case u'>': p = Put(p, "&gt;"); break;
            case u'&': p = Put(p, "&amp;"); break;
            case u'"': p = Put(p, "&quot;"); break;
            default: *p++ = char(c);
            }
        } else if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
            *p++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c)) { // XML-safe: a low surrogate follows
            const char32_t u = QChar::surrogateToUcs4(c, *s++);
            *p++ = char(0xF0 | (u >> 18));
            *p++ = char(0x80 | ((u >> 12) & 0x3F));
            *p++ = char(0x80 | ((u >> 6) & 0x3F));
            *p++ = char(0x80 | (u & 0x3F));
        } else {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    return p;
}

char* PutHex(char* p, QStringView text)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        for (int shift = 12; shift >= 0; shift -= 4)
            *p++ = kDigits[(u >> shift) & 0xF];
    }
    return p;
}

// ---- reading ---------------------------------------------------------------------------

bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A cell's text as it is decoded, at most a cell's length.
class TCellText {
public:
    bool Add(char32_t c)
    {
        if (c > 0xFFFF) {
            if (FLength + 2 > TStringArray::MaxCellLength)
                return false;
            FUnits[FLength++] = QChar::highSurrogate(c);
            FUnits[FLength++] = QChar::lowSurrogate(c);
            return true;
        }
        if (FLength + 1 > TStringArray::MaxCellLength)
            return false;
        FUnits[FLength++] = char16_t(c);
        return true;
    }
    QStringView View() const { return QStringView(FUnits, FLength); }

private:
    char16_t FUnits[TStringArray::MaxCellLength];
    qsizetype FLength = 0;
};

// Reading position in the bytes of a row.
class TCursor {
public:
    TCursor(const char* at, const char* end) : FAt(at), FEnd(end) {}
    const char* At() const { return FAt; }

    bool Skip(std::string_view literal)
    {
        if (FEnd - FAt < qsizetype(literal.size()) || std::memcmp(FAt, literal.data(), literal.size()) != 0)
            return false;
        FAt += literal.size();
        return true;
    }
    void SkipSpace()
    {
        while (FAt < FEnd && IsXmlSpace(*FAt))
            ++FAt;
    }
    // 1 to maxDigits decimal digits.
    bool Number(int maxDigits, int& value)
    {
        value = 0;
        int digits = 0;
        while (FAt < FEnd && *FAt >= '0' && *FAt <= '9' && digits < maxDigits) {
            value = value * 10 + (*FAt++ - '0');
            ++digits;
        }
        return digits > 0;
    }
    bool Text(TCellText& text);
    bool Hex(TCellText& text);

private:
    bool Entity(char32_t& c);
    bool Utf8(char32_t& c);

    const char* FAt;
    const char* FEnd;
};

// Character data up to the next '<'. Refuses what needs the full reader or what XML
// forbids: character references, carriage returns (XML reads them as line feeds), '>'
// (which may close a "]]>"), control characters, malformed UTF-8, U+FFFE and U+FFFF.
bool TCursor::Text(TCellText& text)
{
    while (FAt < FEnd && *FAt != '<') {
        const auto byte = static_cast<unsigned char>(*FAt);
        char32_t c = byte;
        if (byte == '&') {
            if (!Entity(c))
                return false;
        } else if (byte >= 0x80) {
            if (!Utf8(c))
                return false;
        } else if ((byte < 0x20 && byte != '\t' && byte != '\n') || byte == '>') {
            return false;
        } else {
            ++FAt;
        }
        if (!text.Add(c))
            return false;
    }
    return FAt < FEnd;
}

// UTF-16 units as four hex digits each, up to the next '<'.
bool TCursor::Hex(TCellText& text)
{
    while (FAt < FEnd && *FAt != '<') {
        if (FEnd - FAt < 4)
            return false;
        char16_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = HexValue(*FAt++);
            if (digit < 0)
                return false;
            unit = char16_t(unit << 4 | digit);
        }
        if (!text.Add(unit))
            return false;
    }
    return FAt < FEnd;
}

// The five entities XML predefines.
bool TCursor::Entity(char32_t& c)
{
    static constexpr std::pair<std::string_view, char32_t> kEntities[] = {
        {"&lt;", U'<'}, {"&gt;", U'>'}, {"&amp;", U'&'}, {"&quot;", U'"'}, {"&apos;", U'\''},
    };
    for (const auto& [name, character] : kEntities) {
        if (Skip(name)) {
            c = character;
            return true;
        }
    }
    return false;
}

// One character of two to four UTF-8 bytes, in shortest form, not a surrogate.
bool TCursor::Utf8(char32_t& c)
{
    const auto lead = static_cast<unsigned char>(*FAt);
    int length = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, lowest = 0x10000;
    } else {
        return false;
    }
    if (FEnd - FAt < length)
        return false;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(FAt[i]);
        if ((next & 0xC0) != 0x80)
            return false;
        c = c << 6 | (next & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF)
        return false;
    FAt += length;
    return true;
}

} // namespace

bool IsXmlSafe(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n')
            return false;
        if (c == 0xFFFE || c == 0xFFFF)
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

void TRowWriter::Append(const TStringArray& cells, int row)
{
    char* p = Room(32);
    p = Put(p, "\n <row");
    if (const quint8 attrib = cells.GetRowAttrib(row)) {
        p = Put(p, " attr=\"");
        p = PutNumber(p, attrib);
        *p++ = '"';
    }
    Written(p);
    bool open = false;
    for (int c = 0; c <= cells.NrOfColumns(); ++c) {
        const QStringView text = cells.CellView(c, row);
        if (text.isEmpty())
            continue;
        p = Room(kCellMarkupBytes + kBytesPerUnit * text.size());
        if (!open)
            *p++ = '>';
        open = true;
        p = Put(p, "\n  <cell col=\"");
        p = PutNumber(p, c);
        if (IsXmlSafe(text)) {
            p = PutEscaped(Put(p, "\">"), text);
        } else {
            p = PutHex(Put(p, "\" hex=\"1\">"), text);
        }
        Written(Put(p, "</cell>"));
    }
    p = Room(16);
    Written(Put(p, open ? "\n </row>" : "/>"));
}

char* TRowWriter::Room(qsizetype bytes)
{
    if (FBuffer.size() < FUsed + bytes)
        FBuffer.resize(std::max(FUsed + bytes, 2 * FBuffer.size()));
    return FBuffer.data() + FUsed;
}

void TRowWriter::Written(const char* end)
{
    FUsed = end - FBuffer.constData();
}

qsizetype RowsStart(const QByteArray& document)
{
    // UTF-16 and UTF-32 documents have a zero byte among their first two (or a byte
    // order mark that is not UTF-8's)
    if (document.size() < 2 || document[0] == 0 || document[1] == 0 || uchar(document[0]) >= 0xFE)
        return -1;
    const qsizetype rows = document.indexOf("<row");
    if (rows < 0)
        return -1;
    const QByteArray head = QByteArray::fromRawData(document.constData(), rows);
    if (head.contains("<!"))
        return -1;
    const qsizetype declaration = head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype instruction = head.lastIndexOf("<?");
    if (instruction >= 0 && instruction != declaration)
        return -1;
    if (instruction == declaration) {
        // Qt reads the declaration: the shortcut reads UTF-8 only
        const qsizetype end = head.indexOf("?>", declaration);
        if (end < 0)
            return -1;
        QXmlStreamReader probe(QByteArray::fromRawData(document.constData(), end + 2));
        probe.readNext();
        const QString encoding = probe.documentEncoding().toString();
        if (!encoding.isEmpty() && encoding.compare(u"UTF-8", Qt::CaseInsensitive) != 0)
            return -1;
    }
    return rows;
}

bool TRowScanner::Peek(int NrOfCols, TRowBuilder& Cells, quint8& Attrib, bool& HasCells)
{
    TCursor in(FAt, FEnd);
    in.SkipSpace();
    if (!in.Skip("<row"))
        return false;
    int attrib = 0;
    if (in.Skip(" attr=\"") && !(in.Number(3, attrib) && attrib <= 255 && in.Skip("\"")))
        return false;
    Attrib = quint8(attrib);
    Cells.Start(NrOfCols);
    HasCells = false;
    if (!in.Skip("/>")) {
        if (!in.Skip(">"))
            return false;
        int lastCol = -1;
        for (;;) {
            in.SkipSpace();
            if (in.Skip("</row>"))
                break;
            int col = 0;
            if (!in.Skip("<cell col=\"") || !in.Number(5, col) || col <= lastCol || col > NrOfCols
                || !in.Skip("\""))
                return false;
            const bool hex = in.Skip(" hex=\"1\"");
            TCellText text;
            if (!in.Skip(">") || !(hex ? in.Hex(text) : in.Text(text)) || !in.Skip("</cell>"))
                return false;
            Cells.SetCell(col, text.View());
            lastCol = col;
            HasCells = true;
        }
    }
    FNext = in.At();
    return true;
}

} // namespace vek::xmlrows
