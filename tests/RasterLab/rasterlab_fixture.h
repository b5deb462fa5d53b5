// Shared helpers of the dot-matrix label tests.
#pragma once

#include <VEK_RasterLab.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace rasterlabtest {

constexpr vek::TColor Green = 0x00FF00;
constexpr vek::TColor DotOff = 0x404040;

// A label that exposes its timer step and counts its events.
struct Lab : vek::TRasterLab {
    Lab()
    {
        OnScrollTimer = [this](vek::TObject*) { ++ticks; };
        OnScrollLoopRestart = [this](vek::TObject*) { ++restarts; };
    }
    void Tick() { DoTimer(); }
    QImage Face()
    {
        Refresh();
        return Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
    }
    int ticks = 0;
    int restarts = 0;
};

// Lit dots only, on black, no frame, text at (1, 1).
inline void Plain(vek::TRasterLab& lab)
{
    lab.SetCharBlockMode(vek::TRasterLab::rdbmOff);
    lab.SetFrameStyle(vek::fsNone);
}

} // namespace rasterlabtest
