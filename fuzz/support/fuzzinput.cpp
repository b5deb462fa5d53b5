#include "fuzzinput.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vekfuzz {

FuzzInput::FuzzInput(const uint8_t* data, size_t size)
    : FBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)))
{
}

uint8_t FuzzInput::Byte()
{
    return AtEnd() ? 0 : uint8_t(FBytes[FPos++]);
}

int FuzzInput::IntIn(int lo, int hi)
{
    return lo + int(Byte()) % (hi - lo + 1);
}

double FuzzInput::Double()
{
    const qint64 bits = Int64();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

qint64 FuzzInput::Int64()
{
    quint64 bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= quint64(Byte()) << (8 * i);
    return qint64(bits);
}

QString FuzzInput::Line()
{
    const qsizetype end = FBytes.indexOf('\n', FPos);
    const qsizetype stop = end < 0 ? FBytes.size() : end;
    const QString line = QString::fromUtf8(FBytes.constData() + FPos, stop - FPos);
    FPos = end < 0 ? FBytes.size() : end + 1;
    return line;
}

QByteArray FuzzInput::RestBytes()
{
    const QByteArray rest = FBytes.mid(FPos);
    FPos = FBytes.size();
    return rest;
}

QString FuzzInput::Rest()
{
    return QString::fromUtf8(RestBytes());
}

void Fail(const char* property, const QString& detail)
{
    const QByteArray message = QByteArray("fuzz property broken: ") + property + "\n  "
                               + detail.toUtf8();
#ifdef VEK_FUZZ_REPLAY
    throw PropertyBroken(message.toStdString());
#else
    std::fprintf(stderr, "%s\n", message.constData());
    std::abort();
#endif
}

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the fuzzing process
}

} // namespace vekfuzz
