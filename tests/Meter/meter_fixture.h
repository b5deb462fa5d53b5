// Shared helpers of the meter tests.
#pragma once

#include <VEK_Meter.h>
#include <frame/canvas/bitmap.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace metertest {

// The back buffer after a full paint.
inline QImage Face(vek::TMeter& meter)
{
    meter.Refresh();
    return meter.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

// The back buffer as it is now (after the setters' own repaints).
inline QImage Current(vek::TMeter& meter)
{
    meter.Canvas()->Flush();
    return meter.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

// How much of the pixel at (x, y) the ink covers over the background, 0 .. 1: the pixel's
// place between the two colors. Curves and diagonals are antialiased: their edge pixels
// are partly covered, and a one pixel line deposits about one pixel of ink across its
// width. A pixel of another color (further than a blend of the two allows) counts 0.
inline double InkCover(const QImage& image, int x, int y, vek::TColor ink, vek::TColor background)
{
    const QRgb p = image.pixel(x, y);
    const QRgb i = vek::ToQRgb(ink);
    const QRgb b = vek::ToQRgb(background);
    const int pc[] = {qRed(p), qGreen(p), qBlue(p)};
    const int ic[] = {qRed(i), qGreen(i), qBlue(i)};
    const int bc[] = {qRed(b), qGreen(b), qBlue(b)};
    double along = 0, length = 0;
    for (int c = 0; c < 3; ++c) {
        along += double(pc[c] - bc[c]) * (ic[c] - bc[c]);
        length += double(ic[c] - bc[c]) * (ic[c] - bc[c]);
    }
    if (length == 0)
        return 0;
    const double cover = std::clamp(along / length, 0.0, 1.0);
    for (int c = 0; c < 3; ++c)
        if (std::abs(bc[c] + cover * (ic[c] - bc[c]) - pc[c]) > 24)
            return 0;
    return cover;
}

// The ink inside area, in pixels.
inline double InkIn(const QImage& image, const QRect& area, vek::TColor ink, vek::TColor background)
{
    double sum = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            sum += InkCover(image, x, y, ink, background);
    return sum;
}

// The ink of a column from y0 to y1, both included.
inline double ColumnInk(const QImage& image, int x, int y0, int y1, vek::TColor ink,
                        vek::TColor background)
{
    return InkIn(image, QRect(x, y0, 1, y1 - y0 + 1), ink, background);
}

// The ink of a row from x0 to x1, both included.
inline double RowInk(const QImage& image, int y, int x0, int x1, vek::TColor ink,
                     vek::TColor background)
{
    return InkIn(image, QRect(x0, y, x1 - x0 + 1, 1), ink, background);
}

// The number of pixels inside area that the ink covers at least half.
inline int CountInk(const QImage& image, const QRect& area, vek::TColor ink, vek::TColor background)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += InkCover(image, x, y, ink, background) >= 0.5;
    return count;
}

// Counts the range events a meter fires.
struct EventLog {
    int over = 0;
    int under = 0;
    int normal = 0;
    explicit EventLog(vek::TMeter& meter)
    {
        meter.OnOverFlow = [this](vek::TObject*) { ++over; };
        meter.OnUnderFlow = [this](vek::TObject*) { ++under; };
        meter.OnNormalRange = [this](vek::TObject*) { ++normal; };
    }
};

} // namespace metertest
