// CheckIfValidReplist: whether a file or stream holds the opening element of a report
// list document, by a line-wise look that needs no XML parse.
#include "VEK_replist.h"

#include <frame/baselib/files.h>

#include <QFile>

namespace vek {

namespace {

// The identifier of a qualifying line (lower case), or a null string when the line is
// not an opening element of a report list document.
QString IdentifierOfLine(const QString& line)
{
    const QString lower = line.toLower();
    if (!lower.contains(QStringLiteral("<replist")) || !lower.contains(QStringLiteral("tarnwheel")))
        return QString();
    const QString marker = QStringLiteral("id=\"");
    const qsizetype start = lower.indexOf(marker);
    if (start < 0)
        return QStringLiteral("");
    const qsizetype from = start + marker.size();
    const qsizetype end = lower.indexOf(u'"', from);
    return lower.mid(from, end < 0 ? -1 : end - from).trimmed();
}

bool CheckLines(QIODevice* device, const QString& DataID)
{
    const QString wanted = DataID.toLower();
    bool atEnd = false;
    do {
        const QString id = IdentifierOfLine(ReadLnStream(device, atEnd, false));
        if (!id.isNull() && (wanted.isEmpty() || id == wanted))
            return true;
    } while (!atEnd);
    return false;
}

} // namespace

bool CheckIfValidReplist(const QString& FName, const QString& DataID)
{
    QFile file(FName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\": %2").arg(FName, file.errorString()));
    return CheckLines(&file, DataID);
}

bool CheckIfValidReplist(QIODevice* Stream, const QString& DataID)
{
    if (!Stream || !Stream->isReadable())
        throw EInOutError(QStringLiteral("Cannot read the stream"));
    const bool restore = !Stream->isSequential();
    const qint64 start = Stream->pos();
    const bool found = CheckLines(Stream, DataID);
    if (restore)
        Stream->seek(start);
    return found;
}

} // namespace vek
