#include "VEK_RotLab.h"

#include <frame/baselib/drawing.h>
#include <frame/runtime/rtl.h>

#include <cmath>
#include <numbers>

namespace vek {

TRotLab::TRotLab(QWidget* parent) : TCustomLabel(parent)
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

void TRotLab::RepaintLabel()
{
    if (Transparent())
        Invalidate(); // the parent repaints beneath, then the label on top
    else
        Paint();
}

template <typename T>
void TRotLab::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    RepaintLabel();
}

void TRotLab::SetAntiAlias(bool value) { Change(FAntiAlias, value); }
void TRotLab::SetFrameStyle(TFrameStyle value) { Change(FFrameStyle, value); }
void TRotLab::SetTextAngle(int value) { Change(FTextAngle, value); }

void TRotLab::SetAutoCenter(bool value)
{
    if (FAutoCenter == value)
        return;
    FAutoCenter = value;
    if (value)
        Recenter();
    RepaintLabel();
}

void TRotLab::SetPosX(int value)
{
    if (FAutoCenter)
        Recenter();
    else if (FTextPosX != value)
        FTextPosX = value;
    else
        return;
    RepaintLabel();
}

void TRotLab::SetPosY(int value)
{
    if (FAutoCenter)
        Recenter();
    else if (FTextPosY != value)
        FTextPosY = value;
    else
        return;
    RepaintLabel();
}

void TRotLab::Recenter()
{
    FTextPosX = Width() / 2;
    FTextPosY = Height() / 2;
}

void TRotLab::HandleResize(TObject*)
{
    if (!FAutoCenter)
        return;
    Recenter();
    RepaintLabel();
}

// ---- painting ------------------------------------------------------------------------

void TRotLab::Paint()
{
    if (!Visible())
        return;
    // A control sized before it was ever shown got no resize notification: the anchor
    // follows the centre anyway.
    if (FAutoCenter)
        Recenter();
    TCustomLabel::Paint();
    DrawFrame(Canvas(), FFrameStyle, 0, 0, Width() - 1, Height() - 1, clWhite, clSilver, clGray,
              clBlack, clBlack);
}

void TRotLab::UseRotatedFont(TCanvas* canvas) const
{
    canvas->Font()->Assign(Font());
    canvas->Font()->SetOrientation(FTextAngle * 10);
    canvas->Font()->SetQuality(FAntiAlias ? fqAntialiased : fqNonAntialiased);
    canvas->Brush()->SetStyle(bsClear);
}

QPoint TRotLab::TextOrigin()
{
    TCanvas* canvas = Canvas();
    UseRotatedFont(canvas);
    const QString text = Caption();
    const int w = canvas->TextWidth(text) / 2;
    const int h = canvas->TextHeight(text) / 2;
    const double a = FTextAngle * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    switch (Alignment()) {
    case taLeftJustify:
        return QPoint(FTextPosX + Round(-h * s), FTextPosY + Round(-h * c));
    case taRightJustify:
        return QPoint(FTextPosX + Round(-2 * w * c - h * s), FTextPosY + Round(2 * w * s - h * c));
    case taCenter:
        break;
    }
    return QPoint(FTextPosX + Round(-w * c - h * s), FTextPosY + Round(w * s - h * c));
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
    FAutoCenter = source->FAutoCenter;
    FFrameStyle = source->FFrameStyle;
    FTextAngle = source->FTextAngle;
    FTextPosX = source->FTextPosX;
    FTextPosY = source->FTextPosY;
    FAntiAlias = source->FAntiAlias;
    Invalidate();
}

void TRotLab::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TRotLab*>(Dest)) {
        target->Assign(this);
        return;
    }
    TCustomLabel::AssignTo(Dest);
}

} // namespace vek
