// TProgBar: construction, property setters, the gradient table, size hints and copying.
#include "VEK_ProgBar.h"
#include "progbar_p.h"

#include "bargradient.h"
#include "bartext.h"

#include <frame/core/change.h>
#include <frame/core/pixelextent.h>

#include <QFontMetrics>

#include <algorithm>

namespace vek {

TProgBar::Private::Private(TProgBar* owner) : q(owner) {}

void TProgBar::Private::ApplyDirection()
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (progbar::IsVertical(direction))
        policy.transpose();
    q->setSizePolicy(policy);
}

void TProgBar::Private::NaturalSizeChanged()
{
    q->updateGeometry();
    q->Paint();
}

TProgBar::TProgBar(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    d->ApplyDirection();
    SetDefaultSize(300, 28);
    d->barColors.front() = clBlue;
    d->barColors.back() = clRed;
    d->RecomputeGradient();
    // The control owns its timer window: a failing tick is reported as its own.
    d->timerHandle.setParent(this);
    d->timerHandle.OnTimer = [this](int id) {
        if (id == 1)
            DoTimer();
    };
    progbar::AnnounceChanges(this);
}

// The timer window is part of the private data: destroying it stops the timer.
TProgBar::~TProgBar() = default;

// ---- settings that repaint when they change ---------------------------------------------

// Defines the getter TProgBar::Name() and the setter TProgBar::SetName(value) of a setting
// kept in d->field: the setter stores a changed value and then runs `changed`.
#define VEK_PROGBAR_SETTING_AS(Type, Name, field, stored, changed)                         \
    Type TProgBar::Name() const { return d->field; }                                       \
    void TProgBar::Set##Name(Type value)                                                   \
    {                                                                                      \
        if (Change(d->field, stored))                                                      \
            changed;                                                                       \
    }
#define VEK_PROGBAR_SETTING(Type, Name, field, changed)                                    \
    VEK_PROGBAR_SETTING_AS(Type, Name, field, value, changed)

VEK_PROGBAR_SETTING(double, Min, min, Paint())
VEK_PROGBAR_SETTING(double, Max, max, Paint())
VEK_PROGBAR_SETTING(TColor, ColorBackGnd, colorBackGnd, Paint())
VEK_PROGBAR_SETTING(TColor, ColorMargin, colorMargin, Paint())
VEK_PROGBAR_SETTING(TColor, ColorGrid, colorGrid, Paint())
VEK_PROGBAR_SETTING(bool, ShowColorGradient, showColorGradient, Paint())
VEK_PROGBAR_SETTING(TProgBar::TColorMapping, ColorMapMode, colorMapMode, Paint())
VEK_PROGBAR_SETTING(int, GridDist, gridDist, Paint())
VEK_PROGBAR_SETTING(TFrameStyle, FrameStyleInner, frameStyleInner, Paint())
VEK_PROGBAR_SETTING(TFrameStyle, FrameStyleOuter, frameStyleOuter, Paint())
VEK_PROGBAR_SETTING(TAlignment, TextAlignment, textAlignment, Paint())
// The margins take part in the size hints; they stay in 0 .. MaxPixelExtent.
VEK_PROGBAR_SETTING_AS(int, MarginLeft, marginLeft, PixelExtent(value), d->NaturalSizeChanged())
VEK_PROGBAR_SETTING_AS(int, MarginTop, marginTop, PixelExtent(value), d->NaturalSizeChanged())
VEK_PROGBAR_SETTING_AS(int, MarginRight, marginRight, PixelExtent(value), d->NaturalSizeChanged())
VEK_PROGBAR_SETTING_AS(int, MarginBottom, marginBottom, PixelExtent(value), d->NaturalSizeChanged())

#undef VEK_PROGBAR_SETTING
#undef VEK_PROGBAR_SETTING_AS

double TProgBar::Value() const { return d->value; }
void TProgBar::SetValue(double value)
{
    if (!Change(d->value, value))
        return;
    Paint();
    emit valueChanged(d->value);
}

void TProgBar::reset() { SetValue(d->min); }

void TProgBar::SetRange(double min, double max)
{
    d->min = std::min(min, max);
    d->max = std::max(min, max);
    Paint();
}

TDirection TProgBar::Direction() const { return d->direction; }
void TProgBar::SetDirection(TDirection value)
{
    if (!Change(d->direction, value))
        return;
    d->ApplyDirection();
    d->NaturalSizeChanged();
}

TColorScheme TProgBar::ColorScheme() const { return d->colorScheme; }
void TProgBar::SetColorScheme(TColorScheme value)
{
    if (!Change(d->colorScheme, value))
        return;
    d->lines = SchemeLineColors(value);
    Paint();
}

// ---- value text: these settings repaint on every assignment ---------------------------

bool TProgBar::TextVisible() const { return d->textVisible; }
void TProgBar::SetTextVisible(bool value)
{
    d->textVisible = value;
    Paint();
}

int TProgBar::TextPosX() const { return d->textPosX; }
void TProgBar::SetTextPosX(int value)
{
    d->textPosX = std::clamp(value, 0, std::max(0, Width()));
    Paint();
}

int TProgBar::TextPosY() const { return d->textPosY; }
void TProgBar::SetTextPosY(int value)
{
    d->textPosY = std::clamp(value, 0, std::max(0, Height()));
    Paint();
}

int TProgBar::TextAngle() const { return d->textAngle; }
void TProgBar::SetTextAngle(int value)
{
    d->textAngle = std::clamp(value, 0, 360);
    Paint();
}

int TProgBar::TextDecPlaces() const { return d->textDecPlaces; }
void TProgBar::SetTextDecPlaces(int value)
{
    d->textDecPlaces = std::clamp(value, -2, 10);
    Paint();
}

QString TProgBar::ValueText() const
{
    return progbar::FormatValueText(d->value, d->textDecPlaces);
}

// ---- gradient --------------------------------------------------------------------------

TColor TProgBar::ColorMin() const { return d->barColors.front(); }
void TProgBar::SetColorMin(TColor value)
{
    d->barColors.front() = value;
    d->RecomputeGradient();
    Paint();
}

TColor TProgBar::ColorMax() const { return d->barColors.back(); }
void TProgBar::SetColorMax(TColor value)
{
    d->barColors.back() = value;
    d->RecomputeGradient();
    Paint();
}

void TProgBar::Private::RecomputeGradient()
{
    constexpr int Last = GradientSize - 1;
    for (int i = 1; i < Last; ++i)
        barColors[i] = progbar::GradientColor(barColors.front(), barColors.back(), double(i) / Last);
}

TColor TProgBar::BarColors(int ix) const
{
    return ix >= 0 && ix < GradientSize ? d->barColors[ix] : clBlack;
}

void TProgBar::SetBarColors(int ix, TColor value)
{
    if (ix >= 0 && ix < GradientSize)
        d->barColors[ix] = value;
}

// The entries between the ends hold resolved colors: ends that follow the palette need
// them blended again from the new palette's colors.
void TProgBar::PaletteChanged()
{
    if (IsSystemColor(d->barColors.front()) || IsSystemColor(d->barColors.back()))
        d->RecomputeGradient();
    TGraphicControl::PaletteChanged();
}

// ---- background image ------------------------------------------------------------------

// Loading failures are quiet on purpose: a stored file name whose file has gone away
// must not keep a form from opening. The bar simply keeps its previous picture.
QString TProgBar::BackGroundImg() const { return d->backGroundImg; }
void TProgBar::SetBackGroundImg(const QString& value)
{
    if (value.isEmpty()) {
        d->backGroundImg.clear();
        d->auxBmp.SetSize(10, 10);
    } else {
        try {
            d->auxBmp.LoadFromFile(value);
            d->backGroundImg = value;
        } catch (const EInvalidGraphic&) {
        }
    }
    Paint();
}

// ---- size hints --------------------------------------------------------------------------

// Across the bar: the text cell, the two-pixel inner frame on either side with a pixel
// to spare, and the margins, which gives the default height 28 with a 14-pixel font.
QSize TProgBar::sizeHint() const
{
    const bool vertical = progbar::IsVertical(d->direction);
    const int margins =
        vertical ? d->marginLeft + d->marginRight : d->marginTop + d->marginBottom;
    const QSize hint(TGraphicControl::sizeHint().width(), fontMetrics().height() + 6 + margins);
    return vertical ? hint.transposed() : hint;
}

QSize TProgBar::minimumSizeHint() const
{
    const bool vertical = progbar::IsVertical(d->direction);
    const int margins =
        vertical ? d->marginTop + d->marginBottom : d->marginLeft + d->marginRight;
    const QFontMetrics metrics = fontMetrics();
    const QSize minimum(4 * metrics.horizontalAdvance(QLatin1Char('0')) + margins,
                        metrics.height() + 2);
    return vertical ? minimum.transposed() : minimum;
}

void TProgBar::FontChanged()
{
    TGraphicControl::FontChanged();
    updateGeometry();
}

// ---- copying -----------------------------------------------------------------------------

void TProgBar::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TProgBar*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    const double oldValue = d->value;
    static_cast<progbar::TBarLook&>(*d) = *source->d;
    d->auxBmp.Assign(&source->d->auxBmp);
    OnShowValue = source->OnShowValue;
    d->ApplyDirection();
    d->NaturalSizeChanged();
    if (d->value != oldValue)
        emit valueChanged(d->value);
}

} // namespace vek
