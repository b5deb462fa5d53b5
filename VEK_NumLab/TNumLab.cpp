// TNumLab: construction, properties, the value text, size hints and copying.
#include "numlab_p.h"
#include "valuetext.h"

#include <frame/accessibility/notify_p.h>
#include <frame/core/change.h>
#include <frame/core/pixelextent.h>

#include <QFontMetrics>

namespace vek {

namespace {

constexpr int DefaultWidth = 160;
constexpr int DefaultHeight = 28;
// Room above and below the text line: the default height holds a 14-pixel line.
constexpr int TextMargins = 14;
// Gap before (7) and after (6) a unit text that fits its area.
constexpr int RightTextPadding = 13;

} // namespace

TNumLab::TNumLab(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>())
{
    SetDefaultSize(DefaultWidth, DefaultHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    numlab::AnnounceChanges(this);
}

TNumLab::~TNumLab() = default;

// ---- plain properties ------------------------------------------------------------------

TAlignment TNumLab::Alignment() const { return d->alignment; }
TColor TNumLab::ColorLabBakG() const { return d->colorLabBakG; }
TColor TNumLab::ColorLabText() const { return d->colorLabText; }
TColor TNumLab::ColorOutBakG() const { return d->colorOutBakG; }
TColor TNumLab::ColorOutText() const { return d->colorOutText; }
TColorScheme TNumLab::ColorScheme() const { return d->colorScheme; }
bool TNumLab::Comma() const { return d->comma; }
TNumLab::TDisplay TNumLab::DisplayType() const { return d->displayType; }
QString TNumLab::DTFormat() const { return d->dtFormat; }
bool TNumLab::Empty() const { return d->empty; }
bool TNumLab::ForcePlusSign() const { return d->plusSign; }
TFrameStyle TNumLab::FrameStyle() const { return d->frameStyle; }
int TNumLab::LabelWidth() const { return d->labelWidth; }
int TNumLab::LeftSpace() const { return d->leftSpace; }
QString TNumLab::LeftText() const { return d->leftText; }
TAlignment TNumLab::LeftTextAlignment() const { return d->leftTextAlignment; }
QString TNumLab::OverflowIndicator() const { return d->overflowIndicator; }
int TNumLab::Precision() const { return d->precision; }
QString TNumLab::RightText() const { return d->rightText; }
TAlignment TNumLab::RightTextAlignment() const { return d->rightTextAlignment; }
QString TNumLab::StateText() const { return d->stateText; }
bool TNumLab::Transparent() const { return d->transparent; }
double TNumLab::Value() const { return d->value; }
int TNumLab::MouseAreaCode() const { return d->mouseAreaCode; }

void TNumLab::SetAlignment(TAlignment value) { if (Change(d->alignment, value)) Paint(); }
void TNumLab::SetColorLabBakG(TColor value) { if (Change(d->colorLabBakG, value)) Paint(); }
void TNumLab::SetColorLabText(TColor value) { if (Change(d->colorLabText, value)) Paint(); }
void TNumLab::SetColorOutBakG(TColor value) { if (Change(d->colorOutBakG, value)) Paint(); }
void TNumLab::SetColorOutText(TColor value) { if (Change(d->colorOutText, value)) Paint(); }
void TNumLab::SetComma(bool value) { if (Change(d->comma, value)) Paint(); }
void TNumLab::SetDisplayType(TDisplay value) { if (Change(d->displayType, value)) Paint(); }
void TNumLab::SetDTFormat(const QString& value) { if (Change(d->dtFormat, value)) Paint(); }
void TNumLab::SetEmpty(bool value) { if (Change(d->empty, value)) Paint(); }
void TNumLab::SetForcePlusSign(bool value) { if (Change(d->plusSign, value)) Paint(); }
void TNumLab::SetFrameStyle(TFrameStyle value) { if (Change(d->frameStyle, value)) Paint(); }
void TNumLab::SetLeftText(const QString& value)
{
    if (!Change(d->leftText, value))
        return;
    Paint();
    NotifyNameChanged(this);
}
void TNumLab::SetLeftTextAlignment(TAlignment value)
{
    if (Change(d->leftTextAlignment, value))
        Paint();
}
void TNumLab::SetOverflowIndicator(const QString& value)
{
    if (Change(d->overflowIndicator, value))
        Paint();
}
void TNumLab::SetRightTextAlignment(TAlignment value)
{
    if (Change(d->rightTextAlignment, value))
        Paint();
}
void TNumLab::SetStateText(const QString& value) { if (Change(d->stateText, value)) Paint(); }

void TNumLab::SetValue(double value)
{
    if (!Change(d->value, value))
        return;
    Paint();
    emit valueChanged(d->value);
}

void TNumLab::SetColorScheme(TColorScheme value)
{
    if (!Change(d->colorScheme, value))
        return;
    d->lines = SchemeLineColors(value);
    Paint();
}

// ---- properties that decide the natural size -------------------------------------------

void TNumLab::SetLabelWidth(int value)
{
    if (!Change(d->labelWidth, PixelPosition(value)))
        return;
    updateGeometry();
    Paint();
}

void TNumLab::SetLeftSpace(int value)
{
    if (value == d->leftSpace || value < 0)
        return;
    d->leftSpace = std::min(value, Width());
    updateGeometry();
    Paint();
}

void TNumLab::SetRightText(const QString& value)
{
    if (!Change(d->rightText, value))
        return;
    updateGeometry();
    Paint();
}

void TNumLab::SetPrecision(int value)
{
    if (value == d->precision || value < 0)
        return;
    d->precision = std::min(value, 15);
    Paint();
}

void TNumLab::SetTransparent(bool value)
{
    if (!Change(d->transparent, value))
        return;
    SetBufferTransparent(value);
    if (value)
        Invalidate(); // the parent repaints beneath, then the label on top
    else
        Paint();
}

QSize TNumLab::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = d->leftSpace + d->labelWidth + 1;
    if (!d->rightText.isEmpty())
        width += metrics.horizontalAdvance(d->rightText) + RightTextPadding;
    return TGraphicControl::sizeHint().expandedTo(QSize(width, metrics.height() + TextMargins));
}

QSize TNumLab::minimumSizeHint() const
{
    // The box's rectangle ends one pixel right of LeftSpace + LabelWidth; its text keeps
    // three pixels to the frame above and below.
    const int boxEnd = d->leftSpace + d->labelWidth + 1;
    return QSize(std::max(boxEnd, 0), QFontMetrics(font()).height() + 6);
}

void TNumLab::MouseMove(TShiftState Shift, int X, int Y)
{
    d->mouseAreaCode = SideTextArea(X, d->leftSpace, d->leftSpace + d->labelWidth);
    TGraphicControl::MouseMove(Shift, X, Y);
}

QString TNumLab::DisplayText() const
{
    QString text = numlab::FormatValue(
        d->value, {d->displayType, d->precision, d->dtFormat, d->stateText});
    if (numlab::TakesSeparatorAndSign(d->displayType)) {
        if (d->comma)
            text.replace(QLatin1Char('.'), QLatin1Char(','));
        else
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        if (d->plusSign && d->value > 0)
            text.prepend(QLatin1Char('+'));
    }
    return text;
}

// ---- copying -------------------------------------------------------------------------

void TNumLab::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNumLab*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    const double oldValue = d->value;
    static_cast<numlab::TSettings&>(*d) = *source->d;
    SetBufferTransparent(d->transparent);
    updateGeometry();
    Paint();
    if (d->value != oldValue)
        emit valueChanged(d->value);
}

} // namespace vek
