// TMeter: construction, the look's property setters, size hints and the mouse.
#include "VEK_Meter.h"
#include "meter_p.h"

#include <frame/accessibility/notify_p.h>
#include <frame/core/pixelextent.h>

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

void InitNeedle(TNeedleLayout& needle, bool visible)
{
    needle.SetColorBody(clSilver);
    needle.SetColorOutline(clBlack);
    needle.SetHeadAngle(30);
    needle.SetHeadMidLeng(20);
    needle.SetHeadSize(20);
    needle.SetPercentNeedleLength(100);
    needle.SetShadowColor(clGray);
    needle.SetThickness(0);
    needle.SetVisible(visible);
}

} // namespace

TMeter::Private::Private(TMeter* owner) : q(owner) {}

void TMeter::Private::NaturalSizeChanged()
{
    q->updateGeometry();
    q->Paint();
}

bool TMeter::Private::Paints() const
{
    return q->Visible() || q->ComponentState().testFlag(csDesigning);
}

TMeter::TMeter(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>(this))
{
    InitNeedle(d->needle, true);
    InitNeedle(d->needleSec, false);
    d->needle.OnChange = [this](TObject*) { Paint(); };
    d->needleSec.OnChange = [this](TObject*) { Paint(); };
    d->fontCaption.Assign(Font());
    d->fontCaption.OnChange = [this] { d->RepaintFace(); };
    SetDefaultSize(297, 209);
    d->CalcGeometry();
    meter::AnnounceChanges(this);
}

TMeter::~TMeter() = default;

void TMeter::Private::RepaintFace()
{
    face.reset();
    q->Paint();
}

// ---- settings that act when they change ------------------------------------------------
//
// Settings of the face (dial, bands, scale, caption) repaint it; the others only repaint
// what lies over it.

VEK_METER_SETTING(TMeter, bool, AnchorCovered, anchorCovered, value, Paint())
VEK_METER_SETTING(TMeter, TColor, ColorBakG, colorBakG, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, TColor, ColorCover, colorCover, value, Paint())
VEK_METER_SETTING(TMeter, TColor, ColorScale, colorScale, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, TColor, ColorSclBkLow, colorSclBkLow, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, TColor, ColorSclBkNorm, colorSclBkNorm, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, TColor, ColorSclBkHigh, colorSclBkHigh, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, TFrameStyle, FrameStyle, frameStyle, value, Paint())
VEK_METER_SETTING(TMeter, bool, LimWatchHighOn, limWatchHighOn, value, Paint())
VEK_METER_SETTING(TMeter, bool, LimWatchLowOn, limWatchLowOn, value, Paint())
VEK_METER_SETTING(TMeter, TColor, LimWatchActColor, limWatchActColor, value, Paint())
VEK_METER_SETTING(TMeter, TColor, LimWatchPsvColor, limWatchPsvColor, value, Paint())
VEK_METER_SETTING(TMeter, bool, MeterScaleLine, meterScaleLine, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, bool, MeterShortTicks, meterShortTicks, value, d->RepaintFace())
VEK_METER_SETTING(TMeter, int, MeterDecPlaces, meterDecPlaces, std::clamp(value, 0, 4),
                  d->RepaintFace())
VEK_METER_SETTING(TMeter, int, MeterNrTicks, meterNrTicks, std::clamp(value, 2, 21),
                  d->RepaintFace())
// The hub and the rims decide the smallest useful size as well; pixel sizes stay in
// 0 .. MaxPixelExtent.
VEK_METER_SETTING(TMeter, int, AnchorSize, anchorSize, PixelExtent(value), d->NaturalSizeChanged())
VEK_METER_SETTING(TMeter, int, RimBottom, rimBottom, PixelExtent(value), d->NaturalSizeChanged())
VEK_METER_SETTING(TMeter, int, RimSide, rimSide, PixelExtent(value), d->NaturalSizeChanged())
VEK_METER_SETTING(TMeter, int, RimTop, rimTop, PixelExtent(value), d->NaturalSizeChanged())

TColorScheme TMeter::ColorScheme() const { return d->colorScheme; }
void TMeter::SetColorScheme(TColorScheme value)
{
    if (!Change(d->colorScheme, value))
        return;
    d->lines = SchemeLineColors(value);
    Paint();
}

TMeter::TMeterLayout TMeter::MeterLayout() const { return d->meterLayout; }
void TMeter::SetMeterLayout(TMeterLayout value)
{
    if (!Change(d->meterLayout, value))
        return;
    d->CalcGeometry();
    d->NaturalSizeChanged();
}

// ---- settings that repaint on every assignment ------------------------------------------

TBkgFill TMeter::BkgndFillMode() const { return d->bkgndFillMode; }
void TMeter::SetBkgndFillMode(TBkgFill value)
{
    d->bkgndFillMode = value;
    d->RepaintFace();
}

QString TMeter::Caption() const { return d->caption; }
void TMeter::SetCaption(const QString& value)
{
    if (!Change(d->caption, value))
        return;
    d->RepaintFace();
    NotifyNameChanged(this);
}

bool TMeter::ScaleBkVisible() const { return d->scaleBkVisible; }
void TMeter::SetScaleBkVisible(bool value)
{
    d->scaleBkVisible = value;
    d->RepaintFace();
}

bool TMeter::ScaleVisible() const { return d->scaleVisible; }
void TMeter::SetScaleVisible(bool value)
{
    d->scaleVisible = value;
    d->RepaintFace();
}

double TMeter::ScaleBkWidth() const { return d->scaleBkWidth; }
void TMeter::SetScaleBkWidth(double value)
{
    if (std::isnan(value))
        return;
    d->scaleBkWidth = std::clamp(value, 0.0, 100.0);
    d->RepaintFace();
}

TFont* TMeter::FontCaption() { return &d->fontCaption; }
void TMeter::SetFontCaption(const TFont* value)
{
    d->fontCaption.Assign(value); // repaints through OnChange when something changed
}

// ---- needles -----------------------------------------------------------------------------

TNeedleLayout* TMeter::NeedleLayout() { return &d->needle; }
void TMeter::SetNeedleLayout(const TNeedleLayout* value)
{
    d->needle.Assign(value);
    Paint();
}

TNeedleLayout* TMeter::NeedleLayoutSec() { return &d->needleSec; }
void TMeter::SetNeedleLayoutSec(const TNeedleLayout* value)
{
    d->needleSec.Assign(value);
    Paint();
}

// ---- size, font, palette and mouse ------------------------------------------------------

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    d->CalcGeometry();
}

QSize TMeter::sizeHint() const
{
    return TGraphicControl::sizeHint().expandedTo(minimumSizeHint());
}

// The labels sit dy = h / 2 + 15 inside the scale arc (h the label height), so their
// inner edge lies h + 15 inside it; beyond the hub that needs R >= S + h + 15.
QSize TMeter::minimumSizeHint() const
{
    const double radius = d->anchorSize + fontMetrics().height() + 15;
    return meter::SizeForRadius(d->meterLayout, radius, d->rimSide, d->rimTop, d->rimBottom);
}

void TMeter::FontChanged()
{
    d->face.reset();
    TGraphicControl::FontChanged();
    updateGeometry();
    Paint();
}

void TMeter::PaletteChanged()
{
    d->face.reset();
    TGraphicControl::PaletteChanged();
}

void TMeter::EnabledChanged()
{
    d->face.reset();
    TGraphicControl::EnabledChanged();
}

void TMeter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!OnMouseMoveInMeter)
        return;
    double value = 0;
    const bool within = ConvertPixelToValue(X, Y, value);
    OnMouseMoveInMeter(this, within, Shift, value);
}

void TMeter::Loaded()
{
    TGraphicControl::Loaded();
    d->RepairLoadedValues();
    if (!d->backGroundImg.isEmpty())
        d->LoadBackgroundQuietly();
    if (!d->anchorImage.isEmpty())
        d->LoadAnchorImage();
    d->RepaintFace();
}

} // namespace vek
