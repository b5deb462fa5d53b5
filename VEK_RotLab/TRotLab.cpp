#include "VEK_RotLab.h"

#include "rotlab_p.h"

#include <frame/baselib/drawing.h>
#include <frame/core/change.h>
#include <frame/runtime/rtl.h>

#include <QFontMetrics>

#include <cmath>
#include <numbers>

namespace vek {

namespace {

// How many lines DrawFrame draws on each side for a style.
int FrameLineCount(TFrameStyle style)
{
    switch (style) {
    case fsNone: return 0;
    case fsSingle: return 1;
    default: return 2;
    }
}

} // namespace

TRotLab::TRotLab(QWidget* parent) : TCustomLabel(parent), d(std::make_unique<Private>())
{
    SetAutoSize(false);
    SetAlignment(taCenter);
    SetTransparent(true);
    SetColor(clBtnFace);
    Font()->SetName(QStringLiteral("Arial"));
    Font()->SetSize(11);
    SetDefaultSize(200, 200);
    OnResize = [this](TObject* Sender) { HandleResize(Sender); };
}

TRotLab::~TRotLab() = default;

bool TRotLab::AntiAlias() const { return d->antiAlias; }
bool TRotLab::AutoCenter() const { return d->autoCenter; }
TFrameStyle TRotLab::FrameStyle() const { return d->frameStyle; }
int TRotLab::PosX() const { return d->autoCenter ? Width() / 2 : d->textPosX; }
int TRotLab::PosY() const { return d->autoCenter ? Height() / 2 : d->textPosY; }
int TRotLab::TextAngle() const { return d->textAngle; }

void TRotLab::RepaintLabel()
{
    if (Transparent())
        Invalidate(); // the parent repaints beneath, then the label on top
    else
        Paint();
}

void TRotLab::SetAntiAlias(bool value)
{
    if (Change(d->antiAlias, value))
        RepaintLabel();
}

// The angle and the frame decide the room the turned text needs.
void TRotLab::SetFrameStyle(TFrameStyle value)
{
    if (!Change(d->frameStyle, value))
        return;
    updateGeometry();
    RepaintLabel();
}

void TRotLab::SetTextAngle(int value)
{
    if (!Change(d->textAngle, value))
        return;
    updateGeometry();
    RepaintLabel();
}

void TRotLab::SetAutoCenter(bool value)
{
    if (!Change(d->autoCenter, value))
        return;
    if (value)
        Recenter();
    RepaintLabel();
}

void TRotLab::SetPosX(int value)
{
    if (d->autoCenter)
        Recenter();
    else if (!Change(d->textPosX, value))
        return;
    RepaintLabel();
}

void TRotLab::SetPosY(int value)
{
    if (d->autoCenter)
        Recenter();
    else if (!Change(d->textPosY, value))
        return;
    RepaintLabel();
}

void TRotLab::Recenter()
{
    d->textPosX = Width() / 2;
    d->textPosY = Height() / 2;
}

void TRotLab::HandleResize(TObject*)
{
    if (!d->autoCenter)
        return;
    Recenter();
    RepaintLabel();
}

// ---- size ----------------------------------------------------------------------------

// The bounding box of the text cell turned by TextAngle, plus the frame on both sides.
QSize TRotLab::TurnedTextSize() const
{
    const QFontMetrics metrics(Font()->ToQFont());
    const double w = metrics.horizontalAdvance(Caption()), h = metrics.height();
    const double a = d->textAngle * std::numbers::pi / 180.0;
    const double s = std::abs(std::sin(a)), c = std::abs(std::cos(a));
    const int frame = 2 * FrameLineCount(d->frameStyle);
    // Whole pixels that cover the box; the tolerance keeps a right angle, whose cosine
    // comes out as a tiny fraction instead of 0, from adding a pixel.
    const auto cover = [](double extent) { return int(std::ceil(extent - 1e-9)); };
    return QSize(cover(w * c + h * s) + frame, cover(w * s + h * c) + frame);
}

QSize TRotLab::sizeHint() const
{
    if (AutoSize())
        return TurnedTextSize();
    return TCustomLabel::sizeHint().expandedTo(TurnedTextSize());
}

QSize TRotLab::minimumSizeHint() const
{
    return TurnedTextSize();
}

// ---- painting ------------------------------------------------------------------------

void TRotLab::Paint()
{
    if (!Visible())
        return;
    // A control sized before it was ever shown got no resize notification: the anchor
    // follows the centre anyway.
    if (d->autoCenter)
        Recenter();
    TCustomLabel::Paint();
    DrawFrame(Canvas(), d->frameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray,
              clBlack, clBlack);
}

void TRotLab::UseRotatedFont(TCanvas* canvas) const
{
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(CaptionColors().Text);
    // Tenths of a degree of any angle, reduced first so that the product fits an int.
    canvas->Font()->SetOrientation(d->textAngle % 360 * 10);
    canvas->Font()->SetQuality(d->antiAlias ? fqAntialiased : fqNonAntialiased);
    canvas->Brush()->SetStyle(bsClear);
}

QPoint TRotLab::TextOrigin()
{
    TCanvas* canvas = Canvas();
    UseRotatedFont(canvas);
    const QString text = Caption();
    const int w = canvas->TextWidth(text) / 2;
    const int h = canvas->TextHeight(text) / 2;
    const double a = d->textAngle * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    switch (Alignment()) {
    case taLeftJustify:
        return QPoint(d->textPosX + Round(-h * s), d->textPosY + Round(-h * c));
    case taRightJustify:
        return QPoint(d->textPosX + Round(-2 * w * c - h * s), d->textPosY + Round(2 * w * s - h * c));
    case taCenter:
        break;
    }
    return QPoint(d->textPosX + Round(-w * c - h * s), d->textPosY + Round(w * s - h * c));
}

void TRotLab::DoDrawText(TRect&, int Flags)
{
    // Measuring only: the rotated label keeps its size whatever the text.
    if (Flags & DT_CALCRECT)
        return;
    const QPoint origin = TextOrigin();
    TCanvas* canvas = Canvas();
    const QString text = Caption();
    if (Enabled()) {
        canvas->TextOut(origin.x(), origin.y(), text);
        return;
    }
    if (DarkPaletteActive()) {
        canvas->Font()->SetColor(DisabledTextColor());
        canvas->TextOut(origin.x(), origin.y(), text);
        return;
    }
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->TextOut(origin.x() + 1, origin.y() + 1, text);
    canvas->Font()->SetColor(clBtnShadow);
    canvas->TextOut(origin.x(), origin.y(), text);
}

// ---- copying -------------------------------------------------------------------------

void TRotLab::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRotLab*>(Source);
    if (!source) {
        TCustomLabel::Assign(Source);
        return;
    }
    *d = *source->d;
    Invalidate();
}

} // namespace vek
