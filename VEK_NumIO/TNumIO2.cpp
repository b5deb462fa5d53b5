// TNumIO2: construction, properties of look and geometry, size hints and copying.
#include "numio2_p.h"

#include <frame/accessibility/notify_p.h>
#include <frame/core/change.h>
#include <frame/core/pixelextent.h>
#include <frame/core/timers.h>

#include <QFontMetrics>

#include <cmath>

namespace vek {

namespace {

constexpr int DefaultWidth = 160;
constexpr int DefaultHeight = 28;
// The field is never lower: the spin buttons need it.
constexpr int MinimumHeight = 18;
// Room above and below the text line: the default height holds a 14-pixel line.
constexpr int TextMargins = 14;
// Gap before (7) and after (6) a unit text that fits its area.
constexpr int RightTextPadding = 13;

} // namespace

TNumIO2::TNumIO2(QWidget* parent) : TCustomControl(parent), d(std::make_unique<Private>(this))
{
    SetDefaultSize(DefaultWidth, DefaultHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    SetTabStop(true);
    d->caretTimer = new TTimerWindow(this);
    d->caretTimer->OnTimer = [this](int) { d->CaretTick(); };
    d->UpdateTimer();
    numio2::AnnounceChanges(this);
}

TNumIO2::~TNumIO2()
{
    // The timer window is a child QObject; stop it before the data it works on goes.
    d->caretTimer->OnTimer = nullptr;
}

void TNumIO2::CreateWnd()
{
    TCustomControl::CreateWnd();
    d->suppressPaint = false;
    Invalidate();
}

// ---- getters -------------------------------------------------------------------------

TAlignment TNumIO2::Alignment() const { return d->alignment; }
bool TNumIO2::AutoSize() const { return d->autoSize; }
bool TNumIO2::Beep() const { return d->beep; }
TColor TNumIO2::ColorBoxBG() const { return d->colorBoxBG; }
TColor TNumIO2::ColorBoxText() const { return d->colorBoxText; }
TColor TNumIO2::ColorWarnBG() const { return d->colorWarnBG; }
TColor TNumIO2::ColorWarnText() const { return d->colorWarnText; }
TFrameStyle TNumIO2::FrameStyle() const { return d->frameStyle; }
bool TNumIO2::HideSelection() const { return d->hideSelection; }
bool TNumIO2::ReadOnly() const { return d->readOnly; }
int TNumIO2::TextBoxWidth() const { return d->textBoxWidth; }
int TNumIO2::LeftSpace() const { return d->leftSpace; }
QString TNumIO2::LeftText() const { return d->leftText; }
TAlignment TNumIO2::LeftTextAlignment() const { return d->leftTextAlignment; }
QString TNumIO2::RightText() const { return d->rightText; }
TAlignment TNumIO2::RightTextAlignment() const { return d->rightTextAlignment; }
TColor TNumIO2::ColorOutBG() const { return d->colorOutBG; }
TColor TNumIO2::ColorOutText() const { return d->colorOutText; }
TColorScheme TNumIO2::ColorScheme() const { return d->colorScheme; }
bool TNumIO2::ButVisible() const { return d->buttons.visible; }
bool TNumIO2::But3D() const { return d->buttons.threeD; }
int TNumIO2::ButHeight() const { return d->buttons.height; }
int TNumIO2::ButWidth() const { return d->buttons.width; }
double TNumIO2::ButIncrem() const { return d->buttons.increment; }
int TNumIO2::ButSpace() const { return d->buttons.space; }
TColor TNumIO2::ButColor() const { return d->buttons.color; }
bool TNumIO2::GaugeVisible() const { return d->gauge.visible; }
TColor TNumIO2::GaugeColor() const { return d->gauge.color; }
TColor TNumIO2::GaugeColorBg() const { return d->gauge.colorBg; }
TColor TNumIO2::GaugeColorFrame() const { return d->gauge.colorFrame; }
TFrameStyle TNumIO2::GaugeFrameStyle() const { return d->gauge.frameStyle; }
int TNumIO2::GaugeHeight() const { return d->gauge.height; }
int TNumIO2::GaugeLeftMargin() const { return d->gauge.leftMargin; }
int TNumIO2::GaugeTopMargin() const { return d->gauge.topMargin; }
int TNumIO2::GaugeWidth() const { return d->gauge.width; }
int TNumIO2::MouseAreaCode() const { return d->mouseAreaCode; }

// ---- plain properties ------------------------------------------------------------------

void TNumIO2::SetAlignment(TAlignment value) { if (Change(d->alignment, value)) Paint(); }
void TNumIO2::SetBeep(bool value) { d->beep = value; }
void TNumIO2::SetBut3D(bool value) { if (Change(d->buttons.threeD, value)) Paint(); }
void TNumIO2::SetButColor(TColor value) { if (Change(d->buttons.color, value)) Paint(); }
void TNumIO2::SetColorBoxBG(TColor value) { if (Change(d->colorBoxBG, value)) Paint(); }
void TNumIO2::SetColorBoxText(TColor value) { if (Change(d->colorBoxText, value)) Paint(); }
void TNumIO2::SetColorOutBG(TColor value) { if (Change(d->colorOutBG, value)) Paint(); }
void TNumIO2::SetColorOutText(TColor value) { if (Change(d->colorOutText, value)) Paint(); }
void TNumIO2::SetFrameStyle(TFrameStyle value) { if (Change(d->frameStyle, value)) Paint(); }
void TNumIO2::SetGaugeColor(TColor value) { if (Change(d->gauge.color, value)) Paint(); }
void TNumIO2::SetGaugeColorBg(TColor value) { if (Change(d->gauge.colorBg, value)) Paint(); }
void TNumIO2::SetGaugeColorFrame(TColor value) { if (Change(d->gauge.colorFrame, value)) Paint(); }
void TNumIO2::SetHideSelection(bool value) { if (Change(d->hideSelection, value)) Paint(); }
void TNumIO2::SetLeftText(const QString& value)
{
    if (!Change(d->leftText, value))
        return;
    Paint();
    NotifyNameChanged(this);
}

void TNumIO2::SetGaugeFrameStyle(TFrameStyle value)
{
    if (Change(d->gauge.frameStyle, value))
        Paint();
}

void TNumIO2::SetLeftTextAlignment(TAlignment value)
{
    if (Change(d->leftTextAlignment, value))
        Paint();
}

void TNumIO2::SetRightTextAlignment(TAlignment value)
{
    if (Change(d->rightTextAlignment, value))
        Paint();
}

void TNumIO2::SetButIncrem(double value)
{
    if (!std::isnan(value) && Change(d->buttons.increment, value))
        Paint();
}

// The warning colors repaint on every assignment, so that an application can use them
// to force a repaint after changing the range outside the setters.
void TNumIO2::SetColorWarnBG(TColor value)
{
    d->colorWarnBG = value;
    Paint();
}

void TNumIO2::SetColorWarnText(TColor value)
{
    d->colorWarnText = value;
    Paint();
}

void TNumIO2::SetColorScheme(TColorScheme value)
{
    if (!Change(d->colorScheme, value))
        return;
    d->lines = SchemeLineColors(value);
    Paint();
}

// ---- properties that decide the natural size -------------------------------------------

void TNumIO2::SetAutoSize(bool value)
{
    if (!Change(d->autoSize, value))
        return;
    updateGeometry();
    Paint();
}

void TNumIO2::SetButVisible(bool value)
{
    if (!Change(d->buttons.visible, value))
        return;
    updateGeometry();
    Paint();
}

void TNumIO2::SetGaugeVisible(bool value)
{
    if (!Change(d->gauge.visible, value))
        return;
    updateGeometry();
    Paint();
}

void TNumIO2::SetRightText(const QString& value)
{
    if (!Change(d->rightText, value))
        return;
    updateGeometry();
    Paint();
}

void TNumIO2::SetTextBoxWidth(int value)
{
    if (!Change(d->textBoxWidth, PixelExtent(value)))
        return;
    updateGeometry();
    Paint();
}

// ---- clamped geometry ----------------------------------------------------------------

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, std::max(AHeight, MinimumHeight));
    d->buttons.height = std::min(d->buttons.height, Height());
    Paint();
}

void TNumIO2::SetButHeight(int value)
{
    if (value == d->buttons.height)
        return;
    d->buttons.height = std::min(std::max(value, MinimumHeight), Height());
    updateGeometry();
    Paint();
}

void TNumIO2::SetButWidth(int value)
{
    if (value == d->buttons.width)
        return;
    d->buttons.width = std::clamp(value, 8, 50);
    updateGeometry();
    Paint();
}

void TNumIO2::SetButSpace(int value)
{
    if (value == d->buttons.space)
        return;
    d->buttons.space = std::clamp(value, 0, 50);
    updateGeometry();
    Paint();
}

void TNumIO2::SetGaugeHeight(int value)
{
    if (value == d->gauge.height)
        return;
    d->gauge.height = std::max(std::min(value, Height() - d->gauge.topMargin - 18), 3);
    updateGeometry();
    Paint();
}

void TNumIO2::SetGaugeLeftMargin(int value)
{
    if (value == d->gauge.leftMargin)
        return;
    d->gauge.leftMargin = std::max(std::min(value, Width() - d->gauge.width), 0);
    updateGeometry();
    Paint();
}

void TNumIO2::SetGaugeTopMargin(int value)
{
    if (value == d->gauge.topMargin)
        return;
    d->gauge.topMargin = std::max(std::min(value, Height() - d->gauge.height - 18), 0);
    updateGeometry();
    Paint();
}

void TNumIO2::SetGaugeWidth(int value)
{
    if (value == d->gauge.width)
        return;
    d->gauge.width = std::min(std::max(value, 10), Width() - d->gauge.leftMargin);
    updateGeometry();
    Paint();
}

void TNumIO2::SetLeftSpace(int value)
{
    if (value == d->leftSpace || value < 0)
        return;
    d->leftSpace = std::min(value, Width());
    updateGeometry();
    Paint();
}

// ---- size hints ----------------------------------------------------------------------

QSize TNumIO2::sizeHint() const
{
    const QFontMetrics metrics(font());
    // Box (its frame adds 2), spin buttons (their outline 1), unit text, gauge.
    int width = d->leftSpace + d->textBoxWidth + 2;
    if (d->buttons.visible)
        width += d->buttons.space + d->buttons.width + 1;
    if (!d->rightText.isEmpty())
        width += metrics.horizontalAdvance(d->rightText) + RightTextPadding;
    if (d->gauge.visible)
        width = std::max(width, d->gauge.leftMargin + d->gauge.width + 1);
    int height = metrics.height() + TextMargins;
    if (d->buttons.visible)
        height = std::max(height, d->buttons.height);
    height = std::max(height, DefaultHeight) + d->GaugeStripHeight();
    // AutoSize sets the height at each paint; a layout must not fight it.
    if (d->autoSize)
        height = std::max(metrics.height() + 6, MinimumHeight);
    return QSize(std::max(width, DefaultWidth), height);
}

QSize TNumIO2::minimumSizeHint() const
{
    int width = d->leftSpace + d->textBoxWidth + 2;
    if (d->buttons.visible)
        width += d->buttons.space + d->buttons.width + 1;
    const int line = std::max(QFontMetrics(font()).height() + 6, MinimumHeight);
    return QSize(width, d->autoSize ? line : line + d->GaugeStripHeight());
}

// ---- copying -------------------------------------------------------------------------

void TNumIO2::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNumIO2*>(Source);
    if (!source) {
        TCustomControl::Assign(Source);
        return;
    }
    static_cast<numio2::TSettings&>(*d) = *source->d;
    updateGeometry();
    Paint();
    d->NotifyValue();
}

} // namespace vek
