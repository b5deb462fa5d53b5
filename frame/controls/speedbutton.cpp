// TSpeedButton: state changes by mouse and code, groups, and the face.
#include "speedbutton.h"

#include <frame/core/application.h>
#include "buttongroups.h"
#include <frame/baselib/drawing.h>

#include <QEnterEvent>

#include <algorithm>

namespace vek {

TSpeedButton::TSpeedButton(QWidget* parent) : TGraphicControl(parent)
{
    // A release is a click only for a press that was not given up by leaving the button;
    // MouseUp decides.
    SetClickEvents(false);
    SetDefaultSize(23, 22);
}

// ---- properties

void TSpeedButton::SetCaption(const QString& value)
{
    FCaption = value;
    Refresh();
}

void TSpeedButton::SetGlyph(const TBitmap* value)
{
    FGlyph.Assign(value);
    Refresh();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    FNumGlyphs = std::clamp(value, 1, 4);
    Refresh();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Refresh();
}

void TSpeedButton::SetMargin(int value)
{
    FMargin = std::max(-1, value);
    Refresh();
}

void TSpeedButton::SetSpacing(int value)
{
    FSpacing = value;
    Refresh();
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    Refresh();
}

void TSpeedButton::SetGroupIndex(int value)
{
    FGroupIndex = std::max(0, value);
    if (FGroupIndex == 0)
        SetDown(false);
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    SetState(value ? bsExclusive : bsUp);
    if (value)
        UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value)
{
    FAllowAllUp = value;
    UpdateExclusive();
}

void TSpeedButton::SetState(TButtonState value)
{
    if (value == FState)
        return;
    FState = value;
    Refresh();
}

// ---- groups

void TSpeedButton::UpdateExclusive()
{
    if (FGroupIndex > 0)
        BroadcastButtonPressed(this, FGroupIndex);
}

bool TSpeedButton::event(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::EventType()) {
        const auto* pressed = static_cast<TButtonPressedEvent*>(event);
        if (auto* sender = qobject_cast<TSpeedButton*>(pressed->Sender());
            sender && sender != this && pressed->GroupIndex() == FGroupIndex)
            GroupButtonPressed(sender);
        return true;
    }
    return TGraphicControl::event(event);
}

// Another member of the group went down (or changed AllowAllUp): this one comes up.
void TSpeedButton::GroupButtonPressed(TSpeedButton* sender)
{
    if (sender->FDown && FDown) {
        FDown = false;
        SetState(bsUp);
    }
    FAllowAllUp = sender->FAllowAllUp;
}

// ---- mouse

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (!FDown)
        SetState(bsDown);
    FDragging = true;
}

// While the button is held, the face follows the pointer in and out of the button.
void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = ClientRect().Contains(X, Y);
    SetState(FDown ? bsExclusive : (inside ? bsDown : bsUp));
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft)
        return;
    FDragging = false;
    const bool inside = ClientRect().Contains(X, Y);
    if (!inside) {
        SetState(FDown ? bsExclusive : bsUp);
        return;
    }
    Click();
}

void TSpeedButton::Click()
{
    if (FGroupIndex > 0)
        SetDown(!FDown);
    SetState(FDown ? bsExclusive : bsUp);
    TGraphicControl::Click();
}

void TSpeedButton::MouseEnter()
{
    FMouseInControl = true;
    if (FFlat)
        Refresh();
}

void TSpeedButton::MouseLeave()
{
    FMouseInControl = false;
    if (FFlat)
        Refresh();
}

void TSpeedButton::enterEvent(QEnterEvent*)
{
    RunGuarded(this, [this] { MouseEnter(); });
}

void TSpeedButton::leaveEvent(QEvent*)
{
    RunGuarded(this, [this] { MouseLeave(); });
}

// ---- painting

void TSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FFlat ? Color() : TColor(clBtnFace));
    canvas->FillRect(ClientRect());
    PaintEdge();
    PaintContent();
}

void TSpeedButton::PaintEdge()
{
    TCanvas* canvas = Canvas();
    const bool down = FState == bsDown || FState == bsExclusive;
    const int r = Width() - 1, b = Height() - 1;
    if (!FFlat) {
        DrawFrame(canvas, down ? fsLowered : fsRaised, 0, 0, r, b, clBtnHighlight, cl3DLight,
                  clBtnShadow, cl3DDkShadow, clBlack);
        return;
    }
    if (!down && !(FMouseInControl && Enabled()))
        return;
    // A flat button shows a thin edge: raised under the mouse, sunken when down.
    const TColor topLeft = down ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = down ? clBtnHighlight : clBtnShadow;
    canvas->Pen()->SetColor(topLeft);
    canvas->MoveTo(0, b);
    canvas->LineTo(0, 0);
    canvas->LineTo(r, 0);
    canvas->Pen()->SetColor(bottomRight);
    canvas->LineTo(r, b);
    canvas->LineTo(-1, b);
}

// The image for the current state: up, disabled, down, exclusive, falling back to the
// up image (and, when disabled, a grayed copy of it). Key-colored pixels stay as they are.
QImage TSpeedButton::GlyphImage() const
{
    const QImage& all = FGlyph.Image();
    if (all.isNull() || all.width() < FNumGlyphs)
        return {};
    const int w = all.width() / FNumGlyphs;
    const TButtonState state = Enabled() ? FState : bsDisabled;
    int index = int(state) < FNumGlyphs ? int(state) : 0;
    if (state == bsExclusive && FNumGlyphs == 3)
        index = 2; // held down: the down image
    QImage image = all.copy(index * w, 0, w, all.height()).convertToFormat(QImage::Format_RGB32);
    if (state != bsDisabled || FNumGlyphs >= 2)
        return image;
    const QRgb key = GlyphKey();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != key) {
                const int level = 128 + qGray(line[x]) / 2; // light and low in contrast
                line[x] = qRgb(level, level, level);
            }
    }
    return image;
}

QRgb TSpeedButton::GlyphKey() const
{
    const QImage& all = FGlyph.Image();
    return all.pixel(0, all.height() - 1) | 0xFF000000;
}

void TSpeedButton::PaintContent()
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    const QImage glyph = GlyphImage();
    const QSize g = glyph.size();
    const QSize t = FCaption.isEmpty() ? QSize() : canvas->TextExtent(FCaption);
    const int gap = g.isEmpty() || t.isEmpty() ? 0 : FSpacing;
    const bool across = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    const int length = across ? g.width() + gap + t.width() : g.height() + gap + t.height();
    const int room = across ? Width() : Height();
    const int start = FMargin < 0 ? (room - length) / 2 : FMargin;
    const bool glyphFirst = FLayout == blGlyphLeft || FLayout == blGlyphTop;
    const int glyphPos = glyphFirst ? start : room - start - (across ? g.width() : g.height());
    const int textPos = glyphFirst ? start + (across ? g.width() : g.height()) + gap
                                   : glyphPos - gap - (across ? t.width() : t.height());
    const int shift = FState == bsDown || FState == bsExclusive ? 1 : 0;
    QPoint glyphAt, textAt;
    if (across) {
        glyphAt = {glyphPos, (Height() - g.height()) / 2};
        textAt = {textPos, (Height() - t.height()) / 2};
    } else {
        glyphAt = {(Width() - g.width()) / 2, glyphPos};
        textAt = {(Width() - t.width()) / 2, textPos};
    }
    glyphAt += QPoint(shift, shift);
    textAt += QPoint(shift, shift);
    if (!glyph.isNull()) {
        TBitmap bitmap;
        bitmap.SetImage(glyph);
        bitmap.SetTransparent(true);
        bitmap.SetTransparentColor(FromQRgb(GlyphKey()));
        canvas->Draw(glyphAt.x(), glyphAt.y(), &bitmap);
    }
    if (FCaption.isEmpty())
        return;
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled()) { // engraved
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->TextOut(textAt.x() + 1, textAt.y() + 1, FCaption);
        canvas->Font()->SetColor(clBtnShadow);
    } else
        canvas->Font()->SetColor(FFlat ? Font()->Color() : TColor(clBtnText));
    canvas->TextOut(textAt.x(), textAt.y(), FCaption);
    canvas->Brush()->SetStyle(bsSolid);
}

} // namespace vek
