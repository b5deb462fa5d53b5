// Internal: a plain one-pixel pen for the lifetime of a scope, then the caller's pen again.
#pragma once

#include "canvas.h"

namespace vek {

/// Frames and markers are pixel designs: a wide or dashed pen would spoil them, so they
/// draw with a solid one-pixel pen of the caller's color (a clear pen stays clear).
class ThinPen {
public:
    /// Makes the canvas's pen thin and solid until the ThinPen goes out of scope.
    explicit ThinPen(TCanvas* canvas) : FCanvas(canvas)
    {
        FSaved.Assign(canvas->Pen());
        canvas->Pen()->SetWidth(1);
        if (canvas->Pen()->Style() != psClear)
            canvas->Pen()->SetStyle(psSolid);
    }
    ~ThinPen() { FCanvas->Pen()->Assign(&FSaved); }
    ThinPen(const ThinPen&) = delete;
    ThinPen& operator=(const ThinPen&) = delete;

private:
    TCanvas* FCanvas;
    TPen FSaved;
};

} // namespace vek
