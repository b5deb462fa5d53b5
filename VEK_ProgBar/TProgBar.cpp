// TProgBar: construction, property setters, the gradient table and copying.
#include "VEK_ProgBar.h"

#include "bargradient.h"
#include "bartext.h"

#include <frame/baselib/drawing.h>

#include <algorithm>

namespace vek {

TProgBar::TProgBar(QWidget* parent) : TGraphicControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetDefaultSize(300, 28);
    FBarColors.front() = clBlue;
    FBarColors.back() = clRed;
    RecomputeGradient();
    FTimerHandle.OnTimer = [this](int id) {
        if (id == 1)
            DoTimer();
    };
}

// The timer window is a member: destroying it stops the timer.
TProgBar::~TProgBar() = default;

template <typename T>
void TProgBar::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Paint();
}

void TProgBar::SetValue(double value) { Change(FValue, value); }
void TProgBar::SetMin(double value) { Change(FMin, value); }
void TProgBar::SetMax(double value) { Change(FMax, value); }
void TProgBar::SetDirection(TDirection value) { Change(FDirection, value); }
void TProgBar::SetColorBackGnd(TColor value) { Change(FColorBackGnd, value); }
void TProgBar::SetColorMargin(TColor value) { Change(FColorMargin, value); }
void TProgBar::SetColorGrid(TColor value) { Change(FColorGrid, value); }
void TProgBar::SetShowColorGradient(bool value) { Change(FShowColorGradient, value); }
void TProgBar::SetColorMapMode(TColorMapping value) { Change(FColorMapMode, value); }
void TProgBar::SetGridDist(int value) { Change(FGridDist, value); }
void TProgBar::SetMarginLeft(int value) { Change(FMarginLeft, value); }
void TProgBar::SetMarginTop(int value) { Change(FMarginTop, value); }
void TProgBar::SetMarginRight(int value) { Change(FMarginRight, value); }
void TProgBar::SetMarginBottom(int value) { Change(FMarginBottom, value); }
void TProgBar::SetFrameStyleInner(TFrameStyle value) { Change(FFrameStyleInner, value); }
void TProgBar::SetFrameStyleOuter(TFrameStyle value) { Change(FFrameStyleOuter, value); }
void TProgBar::SetTextAlignment(TAlignment value) { Change(FTextAlignment, value); }

void TProgBar::SetRange(double min, double max)
{
    FMin = std::min(min, max);
    FMax = std::max(min, max);
    Paint();
}

void TProgBar::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value)
        return;
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Paint();
}

// ---- value text: these settings repaint on every assignment ---------------------------

void TProgBar::SetTextVisible(bool value)
{
    FTextVisible = value;
    Paint();
}

void TProgBar::SetTextPosX(int value)
{
    FTextPosX = std::clamp(value, 0, std::max(0, Width()));
    Paint();
}

void TProgBar::SetTextPosY(int value)
{
    FTextPosY = std::clamp(value, 0, std::max(0, Height()));
    Paint();
}

void TProgBar::SetTextAngle(int value)
{
    FTextAngle = std::clamp(value, 0, 360);
    Paint();
}

void TProgBar::SetTextDecPlaces(int value)
{
    FTextDecPlaces = std::clamp(value, -2, 10);
    Paint();
}

QString TProgBar::ValueText() const
{
    return progbar::FormatValueText(FValue, FTextDecPlaces);
}

// ---- gradient --------------------------------------------------------------------------

void TProgBar::SetColorMin(TColor value)
{
    FBarColors.front() = value;
    RecomputeGradient();
    Paint();
}

void TProgBar::SetColorMax(TColor value)
{
    FBarColors.back() = value;
    RecomputeGradient();
    Paint();
}

void TProgBar::RecomputeGradient()
{
    constexpr int Last = GradientSize - 1;
    for (int i = 1; i < Last; ++i)
        FBarColors[i] = progbar::GradientColor(FBarColors.front(), FBarColors.back(),
                                               double(i) / Last);
}

TColor TProgBar::BarColors(int ix) const
{
    return ix >= 0 && ix < GradientSize ? FBarColors[ix] : clBlack;
}

void TProgBar::SetBarColors(int ix, TColor value)
{
    if (ix >= 0 && ix < GradientSize)
        FBarColors[ix] = value;
}

// ---- background image ------------------------------------------------------------------

// Loading failures are quiet on purpose: a stored file name whose file has gone away
// must not keep a form from opening. The bar simply keeps its previous picture.
void TProgBar::SetBackGroundImg(const QString& value)
{
    if (value.isEmpty()) {
        FBackGroundImg.clear();
        FAuxBmp.SetSize(10, 10);
    } else {
        try {
            FAuxBmp.LoadFromFile(value);
            FBackGroundImg = value;
        } catch (const EInvalidGraphic&) {
        }
    }
    Paint();
}

// ---- copying -----------------------------------------------------------------------------

void TProgBar::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TProgBar*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyleOuter = source->FFrameStyleOuter;
    FFrameStyleInner = source->FFrameStyleInner;
    FValue = source->FValue;
    FColorMargin = source->FColorMargin;
    FColBlackLine = source->FColBlackLine;
    FColGrayLine = source->FColGrayLine;
    FColWhiteLine = source->FColWhiteLine;
    FColorScheme = source->FColorScheme;
    FMax = source->FMax;
    FMin = source->FMin;
    FDirection = source->FDirection;
    FBarColors = source->FBarColors;
    FAuxBmp.Assign(&source->FAuxBmp);
    FColorBackGnd = source->FColorBackGnd;
    FShowColorGradient = source->FShowColorGradient;
    FColorGrid = source->FColorGrid;
    FGridDist = source->FGridDist;
    FColorMapMode = source->FColorMapMode;
    FMarginLeft = source->FMarginLeft;
    FMarginTop = source->FMarginTop;
    FMarginRight = source->FMarginRight;
    FMarginBottom = source->FMarginBottom;
    FBackGroundImg = source->FBackGroundImg;
    FTextPosX = source->FTextPosX;
    FTextPosY = source->FTextPosY;
    FTextDecPlaces = source->FTextDecPlaces;
    FTextAngle = source->FTextAngle;
    FTextAlignment = source->FTextAlignment;
    OnShowValue = source->OnShowValue;
    FTextVisible = source->FTextVisible;
    Paint();
}

void TProgBar::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TProgBar*>(Dest)) {
        target->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

} // namespace vek
