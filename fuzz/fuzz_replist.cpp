// The report list document readers and CheckIfValidReplist, on any bytes. Properties: a
// reader that fails leaves the data as it was; a document that loads saves to a document
// that CheckIfValidReplist recognizes and that loads back to the same cells and saves to
// the same bytes; CheckIfValidReplist puts a buffer back where it was.
//
// Input: one byte of settings (reader, data identifier), then the document.
#include "fuzzinput.h"

#include <VEK_replist.h>

#include <QBuffer>
#include <QTextStream>

namespace {

using namespace vek;

QByteArray Saved(TRLData& data, const QString& id)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    VEK_FUZZ_REQUIRE(data.WriteToXMLStream(&buffer, true, id), QStringLiteral("write failed"));
    return bytes;
}

bool Read(TRLData& data, int reader, const QByteArray& document, const QString& id)
{
    QBuffer buffer;
    buffer.setData(document);
    buffer.open(QIODevice::ReadOnly);
    switch (reader) {
    case 0: return data.ReadFromXMLStream(&buffer, id);
    case 1: return data.ReadFromXMLString(QString::fromUtf8(document), id);
    default: {
        QTextStream stream(&buffer);
        return data.ReadFromOpenXMLFile(stream, id);
    }
    }
}

void CheckCheckerKeepsPosition(const QByteArray& document, const QString& id, qint64 start)
{
    QBuffer buffer;
    buffer.setData(document);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(std::min<qint64>(start, document.size()));
    const qint64 before = buffer.pos();
    CheckIfValidReplist(&buffer, id);
    VEK_FUZZ_REQUIRE(buffer.pos() == before, QStringLiteral("position %1 became %2")
                                                 .arg(before).arg(buffer.pos()));
}

void RequireSameCells(const TRLData& a, const TRLData& b)
{
    VEK_FUZZ_REQUIRE(a.NrOfColumns() == b.NrOfColumns() && a.NrOfRows() == b.NrOfRows(),
                     QStringLiteral("%1 x %2 read back as %3 x %4")
                         .arg(a.NrOfColumns()).arg(a.NrOfRows()).arg(b.NrOfColumns()).arg(b.NrOfRows()));
    for (int r = 0; r <= a.NrOfRows(); ++r)
        for (int c = 0; c <= a.NrOfColumns(); ++c)
            VEK_FUZZ_REQUIRE(a.Elem(c, r) == b.Elem(c, r),
                             QStringLiteral("cell %1, %2: \"%3\" read back as \"%4\"")
                                 .arg(c).arg(r).arg(a.Elem(c, r), b.Elem(c, r)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const uint8_t settings = input.Byte();
    const int reader = settings % 3;
    const QString id = (settings & 4) ? QStringLiteral("FUZZ") : QString();
    const QByteArray document = input.RestBytes();

    CheckCheckerKeepsPosition(document, id, settings >> 3);

    TRLData loaded;
    loaded.SetNrOfColumns(2);
    loaded.SetNrOfRows(1);
    loaded.SetElem(1, 1, QStringLiteral("before"));
    const QByteArray before = Saved(loaded, id);
    if (!Read(loaded, reader, document, id)) {
        VEK_FUZZ_REQUIRE(Saved(loaded, id) == before, QStringLiteral("a failed read changed the data"));
        return 0;
    }
    const QByteArray saved = Saved(loaded, id);
    QBuffer savedBuffer;
    savedBuffer.setData(saved);
    savedBuffer.open(QIODevice::ReadOnly);
    VEK_FUZZ_REQUIRE(CheckIfValidReplist(&savedBuffer, id),
                     QStringLiteral("saved document not recognized:\n") + QString::fromUtf8(saved));

    TRLData reread;
    VEK_FUZZ_REQUIRE(Read(reread, 0, saved, id),
                     QStringLiteral("saved document does not load:\n") + QString::fromUtf8(saved));
    RequireSameCells(loaded, reread);
    const QByteArray savedAgain = Saved(reread, id);
    VEK_FUZZ_REQUIRE(savedAgain == saved, QStringLiteral("saved\n%1\nsaved after reading back\n%2")
                                              .arg(QString::fromUtf8(saved), QString::fromUtf8(savedAgain)));
    return 0;
}
