// TSpeedButton: state changes by mouse and code, groups, size and the face.
#include "speedbutton_p.h"

#include <frame/accessibility/notify_p.h>
#include <frame/baselib/drawing.h>
#include <frame/core/application.h>
#include <frame/core/change.h>
#include "buttongroups.h"

#include <QEnterEvent>

#include <algorithm>

namespace vek {

namespace {

// The default size fits a 16 x 16 glyph: a raised edge and a pixel of play for the
// pressed face around it.
constexpr QSize DefaultSize(23, 22);
constexpr QSize EdgeRoom = DefaultSize - QSize(16, 16);
// A caption keeps some air from the edges, as on push buttons.
constexpr QSize CaptionRoom(12, 4);

} // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>())
{
    // A release is a click only for a press that was not given up by leaving the button;
    // MouseUp decides.
    SetClickEvents(false);
    SetDefaultSize(DefaultSize.width(), DefaultSize.height());
    // Like a push button: wider when the layout has room, as high as its content.
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    speedbutton::AnnounceChanges(this);
}

TSpeedButton::~TSpeedButton() = default;

// ---- properties

QString TSpeedButton::Caption() const { return d->caption; }
const TBitmap* TSpeedButton::Glyph() const { return &d->glyph; }
int TSpeedButton::NumGlyphs() const { return d->numGlyphs; }
TButtonLayout TSpeedButton::Layout() const { return d->layout; }
int TSpeedButton::Margin() const { return d->margin; }
int TSpeedButton::Spacing() const { return d->spacing; }
bool TSpeedButton::Flat() const { return d->flat; }
int TSpeedButton::GroupIndex() const { return d->groupIndex; }
bool TSpeedButton::Down() const { return d->down; }
bool TSpeedButton::AllowAllUp() const { return d->allowAllUp; }
TButtonState TSpeedButton::State() const { return d->state; }
bool TSpeedButton::Dragging() const { return d->dragging; }

void TSpeedButton::SetCaption(const QString& value)
{
    if (!Change(d->caption, value))
        return;
    updateGeometry();
    Refresh();
    NotifyNameChanged(this);
}

void TSpeedButton::SetGlyph(const TBitmap* value)
{
    d->glyph.Assign(value);
    updateGeometry();
    Refresh();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    if (!Change(d->numGlyphs, std::clamp(value, 1, 4)))
        return;
    updateGeometry();
    Refresh();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    if (!Change(d->layout, value))
        return;
    updateGeometry();
    Refresh();
}

void TSpeedButton::SetMargin(int value)
{
    if (!Change(d->margin, std::max(-1, value)))
        return;
    updateGeometry();
    Refresh();
}

void TSpeedButton::SetSpacing(int value)
{
    if (!Change(d->spacing, value))
        return;
    updateGeometry();
    Refresh();
}

void TSpeedButton::SetFlat(bool value)
{
    if (Change(d->flat, value))
        Refresh();
}

void TSpeedButton::SetGroupIndex(int value)
{
    d->groupIndex = std::max(0, value);
    if (d->groupIndex == 0)
        SetDown(false);
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value)
{
    if (d->groupIndex == 0)
        value = false;
    if (value == d->down || (d->down && !d->allowAllUp))
        return;
    d->down = value;
    SetState(value ? bsExclusive : bsUp);
    // The member that was down comes up first, so that every receiver of the signal
    // sees a consistent group.
    if (value)
        UpdateExclusive();
    emit downChanged(value);
}

void TSpeedButton::SetAllowAllUp(bool value)
{
    d->allowAllUp = value;
    UpdateExclusive();
}

void TSpeedButton::SetState(TButtonState value)
{
    if (Change(d->state, value))
        Refresh();
}

// ---- size

QSize TSpeedButton::CaptionSize() const
{
    if (d->caption.isEmpty())
        return {};
    // Measured in the font the canvas draws with.
    const QFontMetrics metrics(Font()->ToQFont());
    return {metrics.horizontalAdvance(d->caption), metrics.height()};
}

QSize TSpeedButton::sizeHint() const
{
    const QImage& all = d->glyph.Image();
    const QSize g = all.isNull() ? QSize() : QSize(all.width() / d->numGlyphs, all.height());
    const QSize t = CaptionSize();
    const int gap = g.isEmpty() || t.isEmpty() ? 0 : d->spacing;
    const bool across = d->layout == blGlyphLeft || d->layout == blGlyphRight;
    QSize content = across ? QSize(g.width() + gap + t.width(), std::max(g.height(), t.height()))
                           : QSize(std::max(g.width(), t.width()), g.height() + gap + t.height());
    QSize room = t.isEmpty() ? EdgeRoom : EdgeRoom + CaptionRoom;
    // A fixed margin keeps the content that far from the edge on both sides.
    if (across)
        room.setWidth(std::max(room.width(), 2 * d->margin));
    else
        room.setHeight(std::max(room.height(), 2 * d->margin));
    return (content + room).expandedTo(DefaultSize);
}

QSize TSpeedButton::minimumSizeHint() const
{
    return sizeHint();
}

// ---- groups

void TSpeedButton::UpdateExclusive()
{
    if (d->groupIndex > 0)
        BroadcastButtonPressed(this, d->groupIndex);
}

bool TSpeedButton::event(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::EventType()) {
        const auto* pressed = static_cast<TButtonPressedEvent*>(event);
        if (auto* sender = qobject_cast<TSpeedButton*>(pressed->Sender());
            sender && sender != this && pressed->GroupIndex() == d->groupIndex)
            GroupButtonPressed(sender);
        return true;
    }
    return TGraphicControl::event(event);
}

// Another member of the group went down (or changed AllowAllUp): this one comes up.
void TSpeedButton::GroupButtonPressed(TSpeedButton* sender)
{
    if (sender->d->down && d->down) {
        d->down = false;
        SetState(bsUp);
        emit downChanged(false);
    }
    d->allowAllUp = sender->d->allowAllUp;
}

// ---- mouse

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft)
        PressButton();
}

void TSpeedButton::PressButton()
{
    if (!Enabled() || d->dragging)
        return;
    if (!d->down)
        SetState(bsDown);
    d->dragging = true;
    emit pressed();
}

// While the button is held, the face follows the pointer in and out of the button.
void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!d->dragging)
        return;
    const bool inside = ClientRect().Contains(X, Y);
    SetState(d->down ? bsExclusive : (inside ? bsDown : bsUp));
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        ReleaseButton(ClientRect().Contains(X, Y));
}

void TSpeedButton::ReleaseButton(bool click)
{
    if (!d->dragging)
        return;
    d->dragging = false;
    emit released();
    if (!click) {
        SetState(d->down ? bsExclusive : bsUp);
        return;
    }
    Click();
}

void TSpeedButton::Click()
{
    if (d->groupIndex > 0)
        SetDown(!d->down);
    SetState(d->down ? bsExclusive : bsUp);
    TGraphicControl::Click();
    emit clicked();
}

void TSpeedButton::MouseEnter()
{
    d->mouseInControl = true;
    if (d->flat)
        Refresh();
}

void TSpeedButton::MouseLeave()
{
    d->mouseInControl = false;
    if (d->flat)
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
    canvas->Brush()->SetColor(d->flat ? Color() : TColor(clBtnFace));
    canvas->FillRect(ClientRect());
    PaintEdge();
    PaintContent();
    PaintFocus();
}

// Inside the edge, on the button face: descendants that take the focus show it there.
void TSpeedButton::PaintFocus()
{
    if (!hasFocus() || Width() < 8 || Height() < 8)
        return;
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->DottedFrameRect(TRect(3, 3, Width() - 3, Height() - 3));
}

void TSpeedButton::PaintEdge()
{
    TCanvas* canvas = Canvas();
    const bool down = d->state == bsDown || d->state == bsExclusive;
    const int r = Width() - 1, b = Height() - 1;
    if (!d->flat) {
        DrawFrame(canvas, down ? fsLowered : fsRaised, 0, 0, r, b, clBtnHighlight, cl3DLight,
                  clBtnShadow, cl3DDkShadow, clBlack);
        return;
    }
    if (!down && !(d->mouseInControl && Enabled()))
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
    const QImage& all = d->glyph.Image();
    const int count = d->numGlyphs;
    if (all.isNull() || all.width() < count)
        return {};
    const int w = all.width() / count;
    const TButtonState state = Enabled() ? d->state : bsDisabled;
    int index = int(state) < count ? int(state) : 0;
    if (state == bsExclusive && count == 3)
        index = 2; // held down: the down image
    QImage image = all.copy(index * w, 0, w, all.height()).convertToFormat(QImage::Format_RGB32);
    if (state != bsDisabled || count >= 2)
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
    const QImage& all = d->glyph.Image();
    return all.pixel(0, all.height() - 1) | 0xFF000000;
}

void TSpeedButton::PaintContent()
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    const QImage glyph = GlyphImage();
    const QSize g = glyph.size();
    const QSize t = CaptionSize();
    const int gap = g.isEmpty() || t.isEmpty() ? 0 : d->spacing;
    const TButtonLayout layout = d->layout;
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;
    const int length = across ? g.width() + gap + t.width() : g.height() + gap + t.height();
    const int room = across ? Width() : Height();
    const int start = d->margin < 0 ? (room - length) / 2 : d->margin;
    const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    const int glyphPos = glyphFirst ? start : room - start - (across ? g.width() : g.height());
    const int textPos = glyphFirst ? start + (across ? g.width() : g.height()) + gap
                                   : glyphPos - gap - (across ? t.width() : t.height());
    const int shift = d->state == bsDown || d->state == bsExclusive ? 1 : 0;
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
    if (d->caption.isEmpty())
        return;
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled()) {
        // Engraved on light themes; on dark ones the edge colors would leave only the
        // light copy, one pixel off, so the palette's disabled text is drawn instead.
        DrawEngravedText(canvas, textAt.x(), textAt.y(), d->caption, clBtnShadow,
                         textAt.x() + 1);
    } else {
        canvas->Font()->SetColor(d->flat ? Font()->Color() : TColor(clBtnText));
        canvas->TextOut(textAt.x(), textAt.y(), d->caption);
    }
    canvas->Brush()->SetStyle(bsSolid);
}

} // namespace vek
