// The number scanners, the syntax checks and ConvertNumString of the numeric fields, on
// any text. Properties: scanners keep their position in the text and give finite values
// within the double range; a text a syntax check accepts converts, to the number the
// scanners read (integer texts unless their digits overflow 32 bits).
//
// Input: one byte of settings (exponent allowed, separator choice, start position),
// then the text as UTF-8.
#include "fuzzinput.h"

#include <VEK_NumIO.h>
#include <frame/baselib/mathlib.h>

#include <cmath>

namespace {

using namespace vek;

void CheckPosition(QStringView text, qsizetype position, const char* scanner)
{
    VEK_FUZZ_REQUIRE(position >= 1 && position <= text.size() + 1,
                     QStringLiteral("%1 left position %2 in \"%3\"")
                         .arg(QLatin1String(scanner)).arg(position).arg(text));
}

void ScanEverywhere(QStringView text, bool exponentAllowed, int separatorMode, qsizetype start)
{
    qsizetype position = start;
    const double value = ScanFloat(text, exponentAllowed, separatorMode, position);
    CheckPosition(text, position, "ScanFloat");
    VEK_FUZZ_REQUIRE(std::isfinite(value) && std::abs(value) <= uc_MaxDouble,
                     QStringLiteral("ScanFloat(\"%1\") = %2").arg(text).arg(value));
    using IntScanner = qint32 (*)(QStringView, qsizetype&, bool*);
    const std::pair<IntScanner, const char*> scanners[] = {
        {ScanInt, "ScanInt"}, {ScanHex, "ScanHex"}, {ScanOct, "ScanOct"}, {ScanBin, "ScanBin"}};
    for (const auto& [scan, name] : scanners) {
        position = start;
        bool overflow = false;
        scan(text, position, &overflow);
        CheckPosition(text, position, name);
    }
}

// Whether an integer scanner reads all of text, and whether its digits fit in 32 bits.
struct WholeScan {
    bool whole = false, overflow = false;
};
WholeScan ScanWhole(qint32 (*scan)(QStringView, qsizetype&, bool*), QStringView text)
{
    qsizetype position = 1;
    WholeScan result;
    scan(text, position, &result.overflow);
    result.whole = position == text.size() + 1;
    return result;
}

void RequireConverts(QStringView text, TInFormat format, int separatorMode, const char* check)
{
    double value = 0;
    const bool converted = ConvertNumString(text, format, separatorMode, value);
    VEK_FUZZ_REQUIRE(converted && std::isfinite(value),
                     QStringLiteral("%1 accepts \"%2\" but format %3 does not convert it")
                         .arg(QLatin1String(check), text).arg(int(format)));
}

void CheckDecimalTexts(QStringView text, bool exponentAllowed, TDecPSep separator)
{
    const int mode = SeparatorModeOf(separator);
    if (IsValidExpText(text, exponentAllowed, separator))
        RequireConverts(text, exponentAllowed ? itExp : itFloat, mode, "IsValidExpText");
    if (IsValidFixedText(text, separator))
        RequireConverts(text, itFloat, mode, "IsValidFixedText");
}

void CheckDigitTexts(QStringView text)
{
    const struct {
        bool (*check)(QStringView);
        qint32 (*scan)(QStringView, qsizetype&, bool*);
        TInFormat format;
        const char* name;
    } kinds[] = {{IsValidIntText, ScanInt, itInt, "IsValidIntText"},
                 {IsValidHexText, ScanHex, itHex, "IsValidHexText"},
                 {IsValidOctText, ScanOct, itOct, "IsValidOctText"},
                 {IsValidBinText, ScanBin, itBin, "IsValidBinText"}};
    for (const auto& kind : kinds) {
        if (!kind.check(text))
            continue;
        const WholeScan scan = ScanWhole(kind.scan, text);
        VEK_FUZZ_REQUIRE(scan.whole, QStringLiteral("%1 accepts \"%2\" but its scanner stops early")
                                         .arg(QLatin1String(kind.name), text));
        if (!scan.overflow)
            RequireConverts(text, kind.format, smBoth, kind.name);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const uint8_t settings = input.Byte();
    const bool exponentAllowed = settings & 1;
    const auto separator = TDecPSep((settings >> 1) % 4);
    const QString text = input.Rest();
    // Start positions 0 .. length + 2 include the ones a scanner moves back into the text.
    const qsizetype start = (settings >> 3) % (text.size() + 3);

    ScanEverywhere(text, exponentAllowed, SeparatorModeOf(separator), start);
    CheckDecimalTexts(text, exponentAllowed, separator);
    CheckDigitTexts(text);
    for (int format = itExp; format <= itDynamic; ++format) {
        double value = 0;
        ConvertNumString(text, TInFormat(format), SeparatorModeOf(separator), value);
        VEK_FUZZ_REQUIRE(std::isfinite(value),
                         QStringLiteral("ConvertNumString(\"%1\", %2) = %3").arg(text).arg(format).arg(value));
    }
    return 0;
}
