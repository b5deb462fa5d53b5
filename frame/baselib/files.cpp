#include "files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <algorithm>

namespace vek {

namespace {

constexpr qint64 kPeekChunk = 4096;

void SkipByteOrderMark(QIODevice* stream)
{
    static const QByteArray utf8Bom("\xEF\xBB\xBF");
    if (!stream->isSequential() && stream->pos() == 0 && stream->peek(3) == utf8Bom)
        stream->skip(utf8Bom.size());
}

qsizetype IndexOfLineEnd(const QByteArray& bytes)
{
    const auto it = std::find_if(bytes.begin(), bytes.end(),
                                 [](char c) { return c == '\n' || c == '\r'; });
    return it == bytes.end() ? -1 : it - bytes.begin();
}

// Consumes LF, CR or CR LF; the LF after a CR belongs to the same line end.
void ConsumeLineEnd(QIODevice* stream)
{
    char c = 0;
    stream->getChar(&c);
    char next = 0;
    if (c == '\r' && stream->peek(&next, 1) == 1 && next == '\n')
        stream->getChar(&next);
}

// The bytes up to the next line end; UTF-8 never uses CR or LF bytes inside a multi-byte
// character, so splitting the raw bytes there is safe.
QByteArray ReadLineBytes(QIODevice* stream)
{
    QByteArray line;
    for (;;) {
        const QByteArray chunk = stream->peek(kPeekChunk);
        if (chunk.isEmpty())
            return line;
        const qsizetype end = IndexOfLineEnd(chunk);
        if (end < 0) {
            line += stream->read(chunk.size());
            continue;
        }
        line += stream->read(end);
        ConsumeLineEnd(stream);
        return line;
    }
}

void ChopTrailingBlanks(QByteArray& line)
{
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
}

} // namespace

bool IsDirSeparator(QChar c)
{
    return c == QChar('/') || c == QDir::separator();
}

bool DirExists(const QString& Path)
{
    return !Path.isEmpty() && QFileInfo(Path).isDir();
}

QString ParentDir(const QString& Path)
{
    qsizetype end = Path.size();
    while (end > 0 && IsDirSeparator(Path.at(end - 1)))
        --end;
    while (end > 0 && !IsDirSeparator(Path.at(end - 1)))
        --end;
    return Path.left(end);
}

bool OpenRegularFileForReading(QFile& File, QIODeviceBase::OpenMode Extra)
{
    return QFileInfo(File.fileName()).isFile() && File.open(QIODevice::ReadOnly | Extra);
}

QString InventPassword(int Length)
{
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString password;
    password.reserve(std::max(Length, 0));
    for (int i = 0; i < Length; ++i)
        password += alphabet.at(QRandomGenerator::system()->bounded(int(alphabet.size())));
    return password;
}

QString ReadLnStream(QIODevice* Stream, bool& EndOfStream, bool TrimTrailingBlanks)
{
    if (!Stream || !Stream->isReadable()) {
        EndOfStream = true;
        return {};
    }
    SkipByteOrderMark(Stream);
    QByteArray line = ReadLineBytes(Stream);
    if (TrimTrailingBlanks)
        ChopTrailingBlanks(line);
    EndOfStream = Stream->atEnd();
    return QString::fromUtf8(line);
}

} // namespace vek
