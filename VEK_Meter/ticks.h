// Scale arithmetic of the meter that does not depend on the control: the major tick
// step, the tick label text and the decades of a logarithmic scale.
#pragma once

#include <QString>

namespace vek::meter {

// The ticks of a scale are the multiples firstIndex, firstIndex + 1, ... of step. Each
// value is computed from its own index, never by adding steps up: a sum carries the
// rounding error of every addition, and a scale through zero would label its zero tick
// "-5.6e-17".
struct TickStep {
    double first = 0;     // first major tick at or above min (less 0.1 % of a step)
    double step = 0;      // signed: negative when max < min; 0 when max == min
    int subdivisions = 1; // minor intervals per major interval
    // first / step, an integer; NaN when the step is too fine to count from zero at
    // min's magnitude (the ticks are then counted from first).
    double firstIndex = 0;
};

// The largest of 1, 2 or 5 times a power of ten not above |max - min| / wanted.
TickStep CalcTickStep(double min, double max, int wanted);

// The value of major tick i (0 is first).
double MajorTick(const TickStep& ticks, int i);

// The value of minor tick j, counted in minor intervals from the major tick before
// first (j = subdivisions is first itself).
double MinorTick(const TickStep& ticks, int j);

// A tick value in fixed point with the given decimals ("0.5", "20", "-1.5"). Values that
// fixed point cannot show sensibly (a magnitude of 1e15 or more, or a non-zero value
// that would read as zero) are written as mantissa and power of ten ("1.0e-300").
QString TickLabel(double value, int decimals);

// The power of ten of the decade that holds min: 10^floor(log10(0.999999999 * min)).
double FirstDecade(double min);

// The number of decades a logarithmic scale from min to max spans (at least 1).
int DecadeCount(double min, double max);

} // namespace vek::meter
