// TOnOffBut: construction, property setters, centering, groups and copying.
#include "VEK_onoffbut.h"

#include <frame/controls/buttongroups.h>
#include <frame/baselib/drawing.h>

namespace vek {

TOnOffBut::TOnOffBut(QWidget* parent) : TGraphicControl(parent)
{
    FCaptions[Left] = {QString(), taRightJustify};
    FCaptions[Right] = {QString(), taLeftJustify};
    FCaptions[Top] = {QString(), taCenter};
    FCaptions[Bottom] = {QString(), taCenter};
    for (auto& image : FButImg)
        image = std::make_unique<TBitmap>();
    CreateDefaultUserImages();
    LoadStyleImages();
    SetDefaultSize(100, 50);
}

TOnOffBut::~TOnOffBut() = default;

void TOnOffBut::RepaintFace()
{
    // A transparent face is composed over the parent, which has to paint first.
    if (FTransparent)
        Invalidate();
    else
        Paint();
}

// ---- setters -------------------------------------------------------------------------

void TOnOffBut::SetAllowAllOff(bool value)
{
    if (FAllowAllOff == value)
        return;
    FAllowAllOff = value;
    NotifyGroup();
}

void TOnOffBut::SetAutoCenter(bool value)
{
    if (FAutoCenter == value)
        return;
    FAutoCenter = value;
    if (value)
        Center();
    RepaintFace();
}

void TOnOffBut::SetButtonStyle(TOnOffButStyle value)
{
    if (FButtonStyle == value)
        return;
    FButtonStyle = value;
    LoadStyleImages();
    if (FAutoCenter)
        Center();
    Invalidate();
}

void TOnOffBut::SetColorBackgnd(TColor value)
{
    if (FColorBackgnd == value)
        return;
    FColorBackgnd = value;
    Paint();
}

void TOnOffBut::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value)
        return;
    FColorScheme = value;
    const TSchemeLineColors lines = SchemeLineColors(value);
    FColGrayLine = lines.Gray;
    FColWhiteLine = lines.White;
    Invalidate();
}

void TOnOffBut::SetColorText(TColor value)
{
    if (FColorText == value)
        return;
    FColorText = value;
    Paint();
}

void TOnOffBut::SetFrameStyle(TFrameStyle value)
{
    if (FFrameStyle == value)
        return;
    FFrameStyle = value;
    Paint();
}

void TOnOffBut::SetGroupIndex(int value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    NotifyGroup();
}

void TOnOffBut::SetLeftSpace(int value)
{
    if (value < 0 || value == FLeftSpace)
        return;
    if (FAutoCenter)
        Center();
    else
        FLeftSpace = std::min(value, Width());
    Invalidate();
}

void TOnOffBut::SetTopSpace(int value)
{
    if (value < 0 || value == FTopSpace)
        return;
    if (FAutoCenter)
        Center();
    else
        FTopSpace = std::min(value, Height());
    Invalidate();
}

void TOnOffBut::SetMode(TOOButMode value)
{
    FMode = value;
    if (value == oobmSpeedBut)
        FOnOff = false;
    Invalidate();
}

void TOnOffBut::SetOnOff(bool value)
{
    if (value == FOnOff)
        return;
    if (!value && FGroupIndex != 0 && !FAllowAllOff)
        return;
    FOnOff = value;
    Paint();
    if (FOnOff)
        NotifyGroup();
}

void TOnOffBut::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    SetBufferTransparent(value);
    RepaintFace();
}

void TOnOffBut::SetCaption(TCaptionSide side, const QString& value)
{
    if (FCaptions[side].Text == value)
        return;
    FCaptions[side].Text = value;
    Invalidate();
}

void TOnOffBut::SetCaptionAlignment(TCaptionSide side, TAlignment value)
{
    if (FCaptions[side].Alignment == value)
        return;
    FCaptions[side].Alignment = value;
    Invalidate();
}

// ---- centering -----------------------------------------------------------------------

void TOnOffBut::Center()
{
    FLeftSpace = (Width() - FGlyphWidth) / 2;
    FTopSpace = (Height() - FGlyphHeight) / 2;
}

// A button placed on a parent follows its size. A parentless one keeps its spacing until
// it is placed: that is the state a freshly created button is in.
void TOnOffBut::FollowSize()
{
    if (FAutoCenter && parentWidget())
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

// ---- groups --------------------------------------------------------------------------

void TOnOffBut::NotifyGroup()
{
    if (FGroupIndex != 0)
        BroadcastButtonPressed(this, FGroupIndex);
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
    if (sender == this || FGroupIndex < 0 || FGroupIndex != groupIndex)
        return;
    if (FOnOff && sender->FOnOff) {
        FOnOff = false;
        Paint();
    }
    FAllowAllOff = sender->FAllowAllOff;
}

// ---- copying -------------------------------------------------------------------------

void TOnOffBut::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TOnOffBut*>(Source);
    if (!source) {
        TGraphicControl::Assign(Source);
        return;
    }
    FLeftSpace = source->FLeftSpace;
    FTopSpace = source->FTopSpace;
    FAutoCenter = source->FAutoCenter;
    FCaptions = source->FCaptions;
    FFrameStyle = source->FFrameStyle;
    FColorBackgnd = source->FColorBackgnd;
    FColBlackLine = source->FColBlackLine;
    FColGrayLine = source->FColGrayLine;
    FColWhiteLine = source->FColWhiteLine;
    FColorScheme = source->FColorScheme;
    FOnOff = source->FOnOff;
    CopyImages(FButImg, source->FButImg);
    CopyImages(FUserImg, source->FUserImg);
    FButtonStyle = source->FButtonStyle;
    FMouseAction = source->FMouseAction;
    FColorText = source->FColorText;
    FGlyphWidth = source->FGlyphWidth;
    FGlyphHeight = source->FGlyphHeight;
    FTransparent = source->FTransparent;
    SetBufferTransparent(FTransparent);
    // The widget's own enabled state goes along, so that the look and the reaction to
    // the mouse agree.
    TGraphicControl::SetEnabled(source->Enabled());
    Invalidate();
    // A member that became on by the copy switches the rest of its group off, as any
    // other way of switching on does.
    if (FOnOff)
        NotifyGroup();
}

void TOnOffBut::AssignTo(TPersistent* Dest) const
{
    if (auto* target = dynamic_cast<TOnOffBut*>(Dest)) {
        target->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

} // namespace vek
