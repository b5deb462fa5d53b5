// Demo numbers for the table benchmarks: many magnitudes and both signs, so that every
// precision shows fixed and exponent forms, in an order far from sorted.
#pragma once

#include <VEK_datatable.h>

namespace benchdemo {

inline double DemoValue(int c, int r)
{
    return double((qint64(r) * 7919 + c * 104729) % 200001 - 100000) * 0.0137 * c;
}

inline void FillDemo(vek::TDataTable& data)
{
    for (int r = 1; r <= data.NrOfRows(); ++r)
        for (int c = 1; c <= data.NrOfColumns(); ++c)
            data.SetElem(c, r, DemoValue(c, r));
}

} // namespace benchdemo
