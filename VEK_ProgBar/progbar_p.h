// The private data of TProgBar and its painting steps.
#pragma once

#include <VEK_ProgBar.h>

#include <frame/baselib/drawing.h>
#include <frame/canvas/bitmap.h>
#include <frame/core/timers.h>

#include <array>

namespace vek {

namespace progbar {

// What Assign copies from another bar: the look and the value, not the timer settings.
struct TBarLook {
    std::array<TColor, TProgBar::GradientSize> barColors{};
    double value = 10.0;
    double min = 0.0;
    double max = 100.0;
    TDirection direction = dirRight;
    TColor colorBackGnd = clSilver;
    TColor colorMargin = clSilver;
    TColor colorGrid = clBlack;
    bool showColorGradient = false;
    TProgBar::TColorMapping colorMapMode = TProgBar::cgmStretch;
    TColorScheme colorScheme = csFixedGrays;
    TColor colBlackLine = clBlack;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    int gridDist = 0;
    int marginLeft = 4;
    int marginTop = 4;
    int marginRight = 4;
    int marginBottom = 4;
    TFrameStyle frameStyleInner = fsLowered;
    TFrameStyle frameStyleOuter = fsRaised;
    QString backGroundImg;
    bool textVisible = true;
    int textPosX = 14;
    int textPosY = 14;
    TAlignment textAlignment = taCenter;
    int textAngle = 0;
    int textDecPlaces = 0;
};

// Whether the bar grows up or down (and lies upright in a layout).
inline bool IsVertical(TDirection direction)
{
    return direction == dirUp || direction == dirDown;
}

// Sends the accessibility events of the bar's changes (progbar_accessible.cpp).
void AnnounceChanges(TProgBar* bar);

} // namespace progbar

struct TProgBar::Private : progbar::TBarLook {
    explicit Private(TProgBar* owner);

    TProgBar* const q;

    TBitmap auxBmp{10, 10};

    // Automatic increments.
    TTimerWindow timerHandle;
    bool timerEnabled = false;
    bool isStart = true;
    double autoIncStep = 1.0;
    int startInterval = 1500;
    int repeatInterval = 700;

    bool Designing() const { return q->ComponentState().testFlag(csDesigning); }
    // A vertical bar stretches vertically in a layout and keeps its width, as
    // QProgressBar does; a horizontal one the other way round.
    void ApplyDirection();
    // A setting that decides the size hints changed: tell the layout, repaint.
    void NaturalSizeChanged();
    // Refills gradient entries 1 .. 1022 from entries 0 and 1023.
    void RecomputeGradient();

    // paint.cpp
    void PaintBackground(TCanvas* canvas, const TRect& inner);
    void PaintBar(TCanvas* canvas, const TRect& inner);
    void PaintValueText(TCanvas* canvas);

    // frames.cpp
    void PaintFrame(TCanvas* canvas, TFrameStyle style, const TRect& box);

    // timer.cpp
    void StartTimer();
    void SwitchToRepeat();
    void StopTimer();
    void ArmTimer(int intervalMs);
};

} // namespace vek
