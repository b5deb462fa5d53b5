// Reading text files line by line: the report list's LoadLinesFromFile and the stream
// reader ReadLnStream behind the text file helpers, on any bytes. Properties: every line
// read lands in its cell, lines hold no line end, and LoadLinesFromFile counts what it
// stored; ReadLnStream ends, with no more lines than line ends plus one.
//
// Input: one byte for the column and first row, then the file's bytes.
#include "fuzzinput.h"

#include <VEK_replist.h>
#include <frame/baselib/files.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

using namespace vek;

QString ScratchFile()
{
    static const QString path = QDir::temp().filePath(
        QStringLiteral("vek-fuzz-lines-%1.txt").arg(QCoreApplication::applicationPid()));
    return path;
}

void CheckLoadLines(const QByteArray& bytes, int column, int firstRow)
{
    QFile file(ScratchFile());
    VEK_FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
                     QStringLiteral("scratch file not written"));
    file.close();
    TRLData data;
    data.SetNrOfColumns(3);
    data.SetNrOfRows(2);
    const int lines = data.LoadLinesFromFile(column, firstRow, ScratchFile());
    VEK_FUZZ_REQUIRE(lines >= 0 && lines <= bytes.count('\n') + bytes.count('\r') + 1,
                     QStringLiteral("%1 lines from %2 bytes").arg(lines).arg(bytes.size()));
    // Rows are added for lines only: an empty file leaves the data as it was.
    VEK_FUZZ_REQUIRE(data.NrOfRows() == (lines > 0 ? std::max(2, firstRow + lines - 1) : 2),
                     QStringLiteral("%1 rows after %2 lines from row %3").arg(data.NrOfRows()).arg(lines).arg(firstRow));
    for (int r = firstRow; r < firstRow + lines; ++r) {
        const QString cell = data.Elem(column, r);
        VEK_FUZZ_REQUIRE(!cell.contains(u'\n'), QStringLiteral("line end in row %1").arg(r));
    }
}

void CheckReadLn(const QByteArray& bytes, bool trim)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r');
    qsizetype lines = 0;
    bool end = false;
    while (!end) {
        const QString line = ReadLnStream(&buffer, end, trim);
        VEK_FUZZ_REQUIRE(!line.contains(u'\n') && !line.contains(u'\r'), line);
        VEK_FUZZ_REQUIRE(!trim || !(line.endsWith(u' ') || line.endsWith(u'\t')), line);
        VEK_FUZZ_REQUIRE(++lines <= lineEnds + 1, QStringLiteral("more lines than line ends"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const uint8_t settings = input.Byte();
    const int column = settings % 4;       // 0..NrOfColumns of the data
    const int firstRow = 1 + (settings >> 2) % 4;
    const bool trim = settings & 0x80;
    const QByteArray bytes = input.RestBytes();

    CheckLoadLines(bytes, column, firstRow);
    CheckReadLn(bytes, trim);
    return 0;
}
