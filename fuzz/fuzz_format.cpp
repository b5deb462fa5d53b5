// The run-time Format and FormatDateTime with hostile patterns and arguments. Property:
// no exception but Format's documented EConvertError, and texts that stay within what
// the pattern can ask for (every conversion is at most MaxFormatFieldSize wide, plus the
// digits of a double), so that no pattern makes them allocate without bound.
//
// Input: one byte (argument count 0..4, decimal separator), eight bytes of the date,
// then per argument a kind byte and its value (eight bytes, or a line of text), then
// the pattern (UTF-8).
#include "fuzzinput.h"

#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

namespace {

using namespace vek;

// The widest text one conversion may produce besides its padding: a fixed-notation
// double of 309 integer digits, 18 decimals, sign and separator.
constexpr qsizetype MaxNumberText = 400;

FormatArg TakeArgument(vekfuzz::FuzzInput& input)
{
    switch (input.Byte() % 3) {
    case 0: return FormatArg(input.Int64());
    case 1: return FormatArg(input.Double());
    default: return FormatArg(input.Line());
    }
}

QString FormatWith(const QString& pattern, const std::vector<FormatArg>& a, QChar separator)
{
    switch (a.size()) {
    case 0: return Format(pattern, {}, separator);
    case 1: return Format(pattern, {a[0]}, separator);
    case 2: return Format(pattern, {a[0], a[1]}, separator);
    case 3: return Format(pattern, {a[0], a[1], a[2]}, separator);
    default: return Format(pattern, {a[0], a[1], a[2], a[3]}, separator);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const uint8_t settings = input.Byte();
    const QChar separator = (settings & 8) ? u',' : u'.';
    const double dateTime = input.Double();
    std::vector<FormatArg> args;
    qsizetype stringLengths = 0;
    for (int i = 0; i < (settings & 7) % 5; ++i) {
        args.push_back(TakeArgument(input));
        if (const auto* text = std::get_if<QString>(&args.back().Get()))
            stringLengths += text->size();
    }
    const QString pattern = input.Rest();

    try {
        const QString text = FormatWith(pattern, args, separator);
        VEK_FUZZ_REQUIRE(text.size() <= pattern.size() * (MaxFormatFieldSize + MaxNumberText) + stringLengths,
                         QStringLiteral("\"%1\" gave %2 characters").arg(pattern).arg(text.size()));
    } catch (const EConvertError&) {
    }
    // Every token of a date format writes a few dozen characters at most (long dates).
    const QString dateText = FormatDateTime(pattern, dateTime);
    VEK_FUZZ_REQUIRE(dateText.size() <= 64 * (pattern.size() + 1),
                     QStringLiteral("\"%1\" gave %2 characters").arg(pattern).arg(dateText.size()));
    return 0;
}
