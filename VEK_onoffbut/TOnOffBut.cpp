// TOnOffBut: construction, property setters, centering, size, groups and copying.
#include "onoffbut_p.h"

#include <frame/accessibility/notify_p.h>
#include <frame/controls/buttongroups.h>
#include <frame/core/change.h>
#include <frame/core/enumvalues.h>

namespace vek {

TOnOffBut::TOnOffBut(QWidget* parent) : TGraphicControl(parent), d(std::make_unique<Private>())
{
    CreateDefaultUserImages();
    LoadStyleImages();
    SetDefaultSize(100, 50);
    FollowMouseAction();
    onoffbut::AnnounceChanges(this);
}

TOnOffBut::~TOnOffBut() = default;

void TOnOffBut::RepaintFace()
{
    // A transparent face is composed over the parent, which has to paint first.
    if (d->looks.transparent)
        Invalidate();
    else
        Paint();
}

// ---- getters -------------------------------------------------------------------------

bool TOnOffBut::AllowAllOff() const { return d->allowAllOff; }
bool TOnOffBut::AutoCenter() const { return d->looks.autoCenter; }
TOnOffBut::TOnOffButStyle TOnOffBut::ButtonStyle() const { return d->looks.buttonStyle; }
TColor TOnOffBut::ColorBackgnd() const { return d->looks.colorBackgnd; }
TColorScheme TOnOffBut::ColorScheme() const { return d->looks.colorScheme; }
TColor TOnOffBut::ColorText() const { return d->looks.colorText; }
TFrameStyle TOnOffBut::FrameStyle() const { return d->looks.frameStyle; }
int TOnOffBut::GroupIndex() const { return d->groupIndex; }
int TOnOffBut::LeftSpace() const { return d->looks.leftSpace; }
int TOnOffBut::TopSpace() const { return d->looks.topSpace; }
TOnOffBut::TOOButMode TOnOffBut::Mode() const { return d->mode; }
TOnOffBut::TOOButMouseAction TOnOffBut::MouseAction() const { return d->looks.mouseAction; }
bool TOnOffBut::OnOff() const { return d->looks.onOff; }
bool TOnOffBut::Transparent() const { return d->looks.transparent; }
QString TOnOffBut::LeftText() const { return d->looks.captions[Left].Text; }
TAlignment TOnOffBut::LeftTextAlignment() const { return d->looks.captions[Left].Alignment; }
QString TOnOffBut::RightText() const { return d->looks.captions[Right].Text; }
TAlignment TOnOffBut::RightTextAlignment() const { return d->looks.captions[Right].Alignment; }
QString TOnOffBut::TopText() const { return d->looks.captions[Top].Text; }
TAlignment TOnOffBut::TopTextAlignment() const { return d->looks.captions[Top].Alignment; }
QString TOnOffBut::BottomText() const { return d->looks.captions[Bottom].Text; }
TAlignment TOnOffBut::BottomTextAlignment() const { return d->looks.captions[Bottom].Alignment; }
int TOnOffBut::GlyphWidth() const { return d->looks.glyph.width(); }
int TOnOffBut::GlyphHeight() const { return d->looks.glyph.height(); }

// ---- setters -------------------------------------------------------------------------

void TOnOffBut::SetAllowAllOff(bool value)
{
    if (Change(d->allowAllOff, value))
        NotifyGroup();
}

void TOnOffBut::SetAutoCenter(bool value)
{
    if (!Change(d->looks.autoCenter, value))
        return;
    if (value)
        Center();
    updateGeometry();
    RepaintFace();
}

void TOnOffBut::SetButtonStyle(TOnOffButStyle value)
{
    // Each style has its pictures in a table: an ordinal that names no style is ignored.
    if (IsNamedValue(value) && Change(d->looks.buttonStyle, value))
        ShowStyleImages();
}

void TOnOffBut::SetColorBackgnd(TColor value)
{
    if (Change(d->looks.colorBackgnd, value))
        Paint();
}

void TOnOffBut::SetColorScheme(TColorScheme value)
{
    if (!Change(d->looks.colorScheme, value))
        return;
    d->looks.lines = SchemeLineColors(value);
    Invalidate();
}

void TOnOffBut::SetColorText(TColor value)
{
    if (Change(d->looks.colorText, value))
        Paint();
}

void TOnOffBut::SetFrameStyle(TFrameStyle value)
{
    if (Change(d->looks.frameStyle, value))
        Paint();
}

void TOnOffBut::SetGroupIndex(int value)
{
    if (Change(d->groupIndex, value))
        NotifyGroup();
}

void TOnOffBut::SetLeftSpace(int value)
{
    if (value < 0 || value == d->looks.leftSpace)
        return;
    if (d->looks.autoCenter)
        Center();
    else
        d->looks.leftSpace = std::min(value, Width());
    updateGeometry();
    Invalidate();
}

void TOnOffBut::SetTopSpace(int value)
{
    if (value < 0 || value == d->looks.topSpace)
        return;
    if (d->looks.autoCenter)
        Center();
    else
        d->looks.topSpace = std::min(value, Height());
    updateGeometry();
    Invalidate();
}

void TOnOffBut::SetMode(TOOButMode value)
{
    d->mode = value;
    const bool switchedOff = value == oobmSpeedBut && d->looks.onOff;
    if (switchedOff)
        d->looks.onOff = false;
    Invalidate();
    if (switchedOff)
        emit checkedChanged(false);
}

void TOnOffBut::SetMouseAction(TOOButMouseAction value)
{
    d->looks.mouseAction = value;
    FollowMouseAction();
}

void TOnOffBut::SetOnOff(bool value)
{
    if (value == d->looks.onOff)
        return;
    if (!value && d->groupIndex != 0 && !d->allowAllOff)
        return;
    StoreOnOff(value);
}

void TOnOffBut::toggle()
{
    SetOnOff(!d->looks.onOff);
}

void TOnOffBut::StoreOnOff(bool value)
{
    d->looks.onOff = value;
    Paint();
    // The member that was on switches off first, so that every receiver of the signal
    // sees a consistent group.
    if (value)
        NotifyGroup();
    emit checkedChanged(value);
}

void TOnOffBut::SetTransparent(bool value)
{
    if (!Change(d->looks.transparent, value))
        return;
    SetBufferTransparent(value);
    RepaintFace();
}

void TOnOffBut::SetCaption(TCaptionSide side, const QString& value)
{
    if (!Change(d->looks.captions[side].Text, value))
        return;
    updateGeometry();
    Invalidate();
    NotifyNameChanged(this);
}

void TOnOffBut::SetCaptionAlignment(TCaptionSide side, TAlignment value)
{
    if (Change(d->looks.captions[side].Alignment, value))
        Invalidate();
}

// ---- centering -----------------------------------------------------------------------

void TOnOffBut::Center()
{
    d->looks.leftSpace = (Width() - GlyphWidth()) / 2;
    d->looks.topSpace = (Height() - GlyphHeight()) / 2;
}

// A button placed on a parent follows its size. A parentless one keeps its spacing until
// it is placed: that is the state a freshly created button is in.
void TOnOffBut::FollowSize()
{
    if (d->looks.autoCenter && parentWidget())
        Center();
}

void TOnOffBut::Resize()
{
    FollowSize();
    RepaintFace();
    TGraphicControl::Resize();
}

// A button that was never shown gets no resize event; its spacing follows the bounds
// here instead.
void TOnOffBut::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FollowSize();
    Invalidate();
}

// ---- size ----------------------------------------------------------------------------

// The room each caption needs follows from where Paint puts it (CaptionPosition): four
// pixels from the glyph and, with a pixel of air, clear of the two-pixel frame. Without
// captions the glyph keeps a few pixels from the frame.
QSize TOnOffBut::sizeHint() const
{
    constexpr int Room = 6;   // frame and a little air around a bare glyph
    constexpr int Beside = 8; // caption beside the glyph: gap, air and frame
    constexpr int Above = 7;  // caption above or below: gap, air and frame
    const QFontMetrics metrics(Font()->ToQFont());
    const auto& captions = d->looks.captions;
    const auto width = [&](TCaptionSide side) {
        return captions[side].Text.isEmpty() ? 0 : metrics.horizontalAdvance(captions[side].Text);
    };
    const int h = metrics.height();
    const QSize glyph = d->looks.glyph;
    const int left = captions[Left].Text.isEmpty() ? Room : width(Left) + Beside;
    const int right = captions[Right].Text.isEmpty() ? Room : width(Right) + Beside;
    // A side caption taller than the glyph reaches above and below it.
    const int sideOverhang = captions[Left].Text.isEmpty() && captions[Right].Text.isEmpty()
                                 ? 0
                                 : (h - glyph.height() + 1) / 2 + 2;
    const int top = std::max(captions[Top].Text.isEmpty() ? Room : h + Above, sideOverhang);
    const int bottom = std::max(captions[Bottom].Text.isEmpty() ? Room : h + Above, sideOverhang);
    const int across = std::max(width(Top), width(Bottom)) + Beside;
    if (!d->looks.autoCenter)
        return QSize(std::max(d->looks.leftSpace + glyph.width() + right, across),
                     d->looks.topSpace + glyph.height() + bottom);
    return QSize(std::max(glyph.width() + 2 * std::max(left, right), across),
                 glyph.height() + 2 * std::max(top, bottom));
}

QSize TOnOffBut::minimumSizeHint() const
{
    return sizeHint();
}

// ---- groups --------------------------------------------------------------------------

void TOnOffBut::NotifyGroup()
{
    if (d->groupIndex != 0)
        BroadcastButtonPressed(this, d->groupIndex);
}

bool TOnOffBut::event(QEvent* event)
{
    if (event->type() != TButtonPressedEvent::EventType())
        return TGraphicControl::event(event);
    const auto* pressed = static_cast<TButtonPressedEvent*>(event);
    if (auto* sender = qobject_cast<TOnOffBut*>(pressed->Sender()))
        ButtonPressed(pressed->GroupIndex(), sender);
    return true;
}

void TOnOffBut::ButtonPressed(int groupIndex, TOnOffBut* sender)
{
    if (sender == this || d->groupIndex < 0 || d->groupIndex != groupIndex)
        return;
    if (d->looks.onOff && sender->d->looks.onOff)
        StoreOnOff(false);
    d->allowAllOff = sender->d->allowAllOff;
}

// ---- copying -------------------------------------------------------------------------

void TOnOffBut::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TOnOffBut*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    const bool wasOn = d->looks.onOff;
    d->looks = source->d->looks;
    SetBufferTransparent(d->looks.transparent);
    // The widget's own enabled state goes along, so that the look and the reaction to
    // the mouse agree.
    TGraphicControl::SetEnabled(source->Enabled());
    FollowMouseAction();
    updateGeometry();
    Invalidate();
    // A member that became on by the copy switches the rest of its group off, as any
    // other way of switching on does.
    if (d->looks.onOff)
        NotifyGroup();
    if (d->looks.onOff != wasOn)
        emit checkedChanged(d->looks.onOff);
}

} // namespace vek
