// The texts of the table editor's cells and the width of the widest of them.
#include "ntabed_p.h"

#include <VEK_NumIO.h> // FormatReal: the number text builder the numeric fields share

#include <QFontMetrics>
#include <QSet>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <queue>

namespace vek {

namespace ntabed {

namespace {

// Fixed notation keeps nine significant digits: up to 999999999 without decimals, up to
// 0.99999999 with eight.
constexpr std::array<double, 9> FixedLimits = {999999999,  9999999.9,  999999.99,
                                               99999.999,  9999.9999,  999.99999,
                                               99.999999,  9.9999999,  0.99999999};
// Below 10^-precision the value would show no digit.
constexpr std::array<double, 9> FixedSmallest = {1, 1e-1, 1e-2, 1e-3, 1e-4,
                                                 1e-5, 1e-6, 1e-7, 1e-8};

// The exponent text is six characters wider than the field.
constexpr int ExponentExtraWidth = 6;

} // namespace

bool UsesFixedForm(double value, int precision)
{
    if (precision < 0 || precision > 8)
        return false;
    if (value == 0)
        return true;
    const double a = std::fabs(value);
    const auto p = std::size_t(precision);
    return a <= FixedLimits[p] && a >= FixedSmallest[p];
}

QString NominalText(const TDataTable& table, int C, double value)
{
    const double rounded = std::nearbyint(value); // ties to even, as Round
    if (rounded >= 1 && rounded <= TDataTable::MaxNominalOrdinal) {
        const QString id = table.GetNominalID(C, int(rounded));
        if (!id.isEmpty())
            return id;
    }
    return MScaleTypeNames(table.GetMScaleType(C)) + ":" + FormatReal(1, 0, rounded);
}

// ---- widest texts

namespace {

bool DigitsOfEqualWidth(const QFontMetrics& font)
{
    const int zero = font.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit)
        if (font.horizontalAdvance(QLatin1Char(digit)) != zero)
            return false;
    return true;
}

// The values of one text shape lie in one group: same notation, same sign, same binary
// exponent. Within a group the digit count (the exponent, in exponent form) grows with
// the magnitude and takes at most two values, so the group's smallest and largest
// magnitude show every shape it holds.
struct ShapeGroup {
    double Smallest = 0, Largest = 0;
    bool Used = false;
};

std::size_t GroupOf(double value, bool fixed)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::size_t exponentAndSign = std::size_t(bits >> 52); // 12 bits
    return (fixed ? 4096 : 0) + exponentAndSign;
}

} // namespace

int WidestNumberText(const QFontMetrics& font, int count, const std::function<double(int)>& value,
                     int width, int precision)
{
    int widest = 0;
    auto measure = [&](double x) {
        widest = std::max(widest, font.horizontalAdvance(FormatCellNumber(x, width, precision)));
    };
    if (!DigitsOfEqualWidth(font)) {
        for (int r = 1; r <= count; ++r)
            measure(value(r));
        return widest;
    }
    std::vector<ShapeGroup> groups(8192);
    bool nan = false;
    for (int r = 1; r <= count; ++r) {
        const double x = value(r), a = std::fabs(x);
        if (std::isnan(x)) { // shares its binary exponent with the infinities
            nan = true;
            continue;
        }
        ShapeGroup& g = groups[GroupOf(x, UsesFixedForm(x, precision))];
        if (!g.Used) {
            g = {a, a, true};
            continue;
        }
        g.Smallest = std::min(g.Smallest, a);
        g.Largest = std::max(g.Largest, a);
    }
    if (nan)
        measure(std::nan(""));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!groups[i].Used)
            continue;
        const double sign = (i & 2048) ? -1.0 : 1.0;
        measure(sign * groups[i].Smallest);
        measure(sign * groups[i].Largest);
    }
    return widest;
}

int WidestText(const QFontMetrics& font, int count, const std::function<QString(int)>& text)
{
    // Kerning may narrow or widen a text by a pixel or two against the sum of its
    // advances; the widest few estimates are measured, which covers that.
    constexpr std::size_t Measured = 16;
    std::array<int, 256> advance{};
    for (int c = 0; c < 256; ++c)
        advance[std::size_t(c)] = font.horizontalAdvance(QChar(c));
    using Candidate = std::pair<int, int>; // estimate, index
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> widest;
    int exact = 0;
    for (int i = 1; i <= count; ++i) {
        const QString s = text(i);
        int estimate = 0;
        bool latin1 = true;
        for (QChar ch : s) {
            if (ch.unicode() > 255) {
                latin1 = false;
                break;
            }
            estimate += advance[ch.unicode()];
        }
        if (!latin1) {
            exact = std::max(exact, font.horizontalAdvance(s));
            continue;
        }
        widest.push({estimate, i});
        if (widest.size() > Measured)
            widest.pop();
    }
    for (; !widest.empty(); widest.pop())
        exact = std::max(exact, font.horizontalAdvance(text(widest.top().second)));
    return exact;
}

} // namespace ntabed

QString FormatCellNumber(double Value, int Width, int Precision)
{
    if (ntabed::UsesFixedForm(Value, Precision))
        return FormatReal(Width, Precision, Value);
    return FormatReal(Width + ntabed::ExponentExtraWidth, -1, Value);
}

} // namespace vek
