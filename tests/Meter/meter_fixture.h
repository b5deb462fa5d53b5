// Shared helpers of the meter tests.
#pragma once

#include <VEK_Meter.h>
#include <frame/canvas/bitmap.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

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
