// Shared helpers of the progress bar tests.
#pragma once

#include <VEK_ProgBar.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace progbartest {

// The bar's back buffer as painted by the last setter (no event loop involved).
inline QImage Face(vek::TProgBar& bar)
{
    return bar.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

inline vek::TColor Pixel(vek::TProgBar& bar, int x, int y)
{
    return vektest::ColorAt(Face(bar), x, y);
}

// A bar with frames and text off, so that only margin, background and bar remain.
inline void Plain(vek::TProgBar& bar)
{
    bar.SetFrameStyleInner(vek::fsNone);
    bar.SetFrameStyleOuter(vek::fsNone);
    bar.SetTextVisible(false);
}

// Counts repaints: every paint of a bar with visible text offers the text to OnShowValue.
struct PaintCounter {
    explicit PaintCounter(vek::TProgBar& bar)
    {
        bar.OnShowValue = [this](vek::TObject*, QString&) { ++Count; };
    }
    int Count = 0;
};

} // namespace progbartest
