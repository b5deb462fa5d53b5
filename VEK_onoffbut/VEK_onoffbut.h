// TOnOffBut: a two-state (on/off) button drawn from small bitmaps - check boxes, radio
// buttons, slide switches, LEDs, arrows, a pedestrian light, smileys, a bulb, a lamp
// button, drive activity lights and user images - with up to four captions around the
// glyph:
//
//                 TopText
//   LeftText   [  glyph  ]   RightText
//                BottomText
//
// The glyph cell starts at (LeftSpace, TopSpace); the glyph itself is drawn one pixel
// inside it, at (LeftSpace + 1, TopSpace + 1). With AutoCenter the cell is centred in the
// control when the style changes and whenever a button placed on a parent is resized (a
// new button starts at LeftSpace 35, TopSpace 18). OnResize is free for the application:
// centering does not depend on it.
//
// Clicks count strictly inside the glyph cell (MouseAction oomaFocused, the default),
// anywhere (oomaPlain) or nowhere (oomaNone). OnClick fires on an accepted release of
// the left button.
//
// Buttons on the same parent with the same non-zero GroupIndex behave like radio buttons:
// switching one on switches the others off. With AllowAllOff false the last button that
// is on cannot be switched off. In oobmSpeedBut mode the button is on only while the
// left mouse button holds it down.
//
// A disabled button (Enabled false) shows its disabled images and engraved gray captions
// and ignores the mouse.
//
// With Transparent only the glyph, the captions and the frame are drawn; the parent shows
// through everywhere else.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>
#include <frame/controls/controls.h>

#include <array>
#include <memory>

namespace vek {

class VEK_EXPORT TOnOffBut : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AllowAllOff READ AllowAllOff WRITE SetAllowAllOff)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(QString BottomText READ BottomText WRITE SetBottomText)
    Q_PROPERTY(vek::TAlignment BottomTextAlignment READ BottomTextAlignment WRITE SetBottomTextAlignment)
    Q_PROPERTY(TOnOffButStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(quint32 ColorBackgnd READ ColorBackgnd WRITE SetColorBackgnd)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(quint32 ColorText READ ColorText WRITE SetColorText)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(vek::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
    Q_PROPERTY(TOOButMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(TOOButMouseAction MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(bool OnOff READ OnOff WRITE SetOnOff)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(vek::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
    Q_PROPERTY(int TopSpace READ TopSpace WRITE SetTopSpace)
    Q_PROPERTY(QString TopText READ TopText WRITE SetTopText)
    Q_PROPERTY(vek::TAlignment TopTextAlignment READ TopTextAlignment WRITE SetTopTextAlignment)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    // How the button reacts to the mouse: toggle and keep the state, or be on only while
    // it is pressed.
    enum TOOButMode { oobmNormalBut = 0, oobmSpeedBut = 1 };
    Q_ENUM(TOOButMode)

    // Where a click counts: nowhere, inside the glyph only, anywhere in the control.
    enum TOOButMouseAction { oomaNone = 0, oomaFocused = 1, oomaPlain = 2 };
    Q_ENUM(TOOButMouseAction)

    // The image set. oobsUser shows the images given by SetUserGlyph/LoadUserGlyph; the
    // others are the library's bitmaps (glyph size in brackets).
    enum TOnOffButStyle {
        oobsUser = 0,
        oobsCheckbox = 1,        // check box (16 x 16)
        oobsRadioBut = 2,        // radio button (14 x 14)
        oobsSlideTB = 3,         // slide switch, on at the top (18 x 30)
        oobsSlideLR = 4,         // slide switch, on at the right (30 x 18)
        oobsColSlideTB = 5,      // colored toggle switch, on at the top (18 x 30)
        oobsColSlideLR = 6,      // colored toggle switch, on at the right (30 x 18)
        oobsLedRedGreen = 7,     // LED, green on, red off (14 x 14)
        oobsArrowTopRgt = 8,     // arrow, up when on, right when off (25 x 25)
        oobsArrowUpDown = 9,     // arrow, up when on, down when off (25 x 25)
        oobsArrowLeftRight = 10, // arrow, right when on, left when off (25 x 25)
        oobsTrafficLPed = 11,    // pedestrian light, green when on (31 x 31)
        oobsBeveledLed = 12,     // LED in a beveled ring (17 x 17)
        oobsSmileyYellow = 13,   // yellow smiley, smiling when on (18 x 18)
        oobsSmileyRedGrn = 14,   // green smiling / red frowning smiley (18 x 18)
        oobsBulb = 15,           // light bulb (39 x 49)
        oobsButLamp = 16,        // push button with a lamp window (49 x 24)
        oobsHDLeft = 17,         // drive activity light at the left (48 x 16)
        oobsHDRight = 18,        // drive activity light at the right (48 x 16)
        oobsUser1 = 19,          // power symbol (24 x 24)
        oobsUser2 = 20,          // padlock, closed when on (24 x 24)
        oobsUser3 = 21,          // star, filled when on (24 x 24)
        oobsUser4 = 22,          // speaker, sounding when on (24 x 24)
        oobsUser5 = 23,          // record dot (24 x 24)
    };
    Q_ENUM(TOnOffButStyle)

    // Pixels of this color are transparent in every state image ($EBBEEB).
    static constexpr TColor TransparentKey = 0xEBBEEB;

    explicit TOnOffBut(QWidget* parent = nullptr);
    ~TOnOffBut() override;

    // In a group: whether the last member that is on may be switched off. Every member
    // of the group takes over a change.
    bool AllowAllOff() const { return FAllowAllOff; }
    void SetAllowAllOff(bool value);
    // Keeps the glyph centred (see the class comment); true by default.
    bool AutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool value);
    TOnOffButStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TOnOffButStyle value);
    // Background of the control (clBtnFace by default).
    TColor ColorBackgnd() const { return FColorBackgnd; }
    void SetColorBackgnd(TColor value);
    // Light and shadow colors of the frame: csFixedGrays white and gray, otherwise the
    // theme's highlight and shadow.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    // Caption color while enabled (black by default); disabled captions are engraved gray.
    TColor ColorText() const { return FColorText; }
    void SetColorText(TColor value);
    // Frame around the whole control (sunken by default).
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // 0: no group. Buttons of one parent with the same index switch each other off.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // Distance from the left and top edges to the glyph cell. Negative values are
    // ignored; while AutoCenter is on, assigning only re-centres; otherwise LeftSpace is
    // limited to the width and TopSpace to the height.
    int LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int value);
    int TopSpace() const { return FTopSpace; }
    void SetTopSpace(int value);
    // Assigning oobmSpeedBut also switches the button off.
    TOOButMode Mode() const { return FMode; }
    void SetMode(TOOButMode value);
    TOOButMouseAction MouseAction() const { return FMouseAction; }
    void SetMouseAction(TOOButMouseAction value) { FMouseAction = value; }
    // The state. Switching off is refused for the last button that is on in a group
    // without AllowAllOff; switching on switches the other members of the group off.
    bool OnOff() const { return FOnOff; }
    void SetOnOff(bool value);
    // Draw only glyph, captions and frame; the parent shows through elsewhere.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // The captions and their horizontal placement.
    QString LeftText() const { return FCaptions[Left].Text; }
    void SetLeftText(const QString& value) { SetCaption(Left, value); }
    TAlignment LeftTextAlignment() const { return FCaptions[Left].Alignment; }
    void SetLeftTextAlignment(TAlignment value) { SetCaptionAlignment(Left, value); }
    QString RightText() const { return FCaptions[Right].Text; }
    void SetRightText(const QString& value) { SetCaption(Right, value); }
    TAlignment RightTextAlignment() const { return FCaptions[Right].Alignment; }
    void SetRightTextAlignment(TAlignment value) { SetCaptionAlignment(Right, value); }
    QString TopText() const { return FCaptions[Top].Text; }
    void SetTopText(const QString& value) { SetCaption(Top, value); }
    TAlignment TopTextAlignment() const { return FCaptions[Top].Alignment; }
    void SetTopTextAlignment(TAlignment value) { SetCaptionAlignment(Top, value); }
    QString BottomText() const { return FCaptions[Bottom].Text; }
    void SetBottomText(const QString& value) { SetCaption(Bottom, value); }
    TAlignment BottomTextAlignment() const { return FCaptions[Bottom].Alignment; }
    void SetBottomTextAlignment(TAlignment value) { SetCaptionAlignment(Bottom, value); }

    // Size of one state image of the current style.
    int GlyphWidth() const { return FGlyphWidth; }
    int GlyphHeight() const { return FGlyphHeight; }

    // The images of style oobsUser, laid out like the library's bitmaps: four equal
    // quadrants, top left on and enabled, top right off and enabled, bottom left on and
    // disabled, bottom right off and disabled, pixels of TransparentKey transparent.
    // The glyph size becomes half the image's width and height. No image, or one
    // smaller than 2 x 2, raises EVEKError ("Component "<Name>": user glyph image is too
    // small"); a file that cannot be read raises EInvalidGraphic ("Bitmap file "<name>"
    // cannot be opened" or "... is not a valid image"). The images are unchanged after a
    // failure.
    void SetUserGlyph(const TBitmap* Img);
    void LoadUserGlyph(const QString& FName);

    // A button on a parent re-centres its glyph (with AutoCenter) when its size changes.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Copies the looks, captions, spacing, state, mouse action and images of another
    // TOnOffBut; the group (GroupIndex, AllowAllOff) and the Mode stay as they are, so a
    // copy never disturbs the group it is in. Each button keeps its own bitmaps.
    void Assign(const TPersistent* Source) override;

protected:
    void Paint() override;
    void AssignTo(TPersistent* Dest) const override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // OnClick is fired by MouseUp only, for a release the button accepted.
    void Click() override {}
    void Resize() override;
    bool event(QEvent* event) override;

private:
    enum TCaptionSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };
    struct TCaption {
        QString Text;
        TAlignment Alignment;
    };
    // The four state images, indexed by StateIndex.
    using TStateImages = std::array<std::unique_ptr<TBitmap>, 4>;
    static constexpr int StateIndex(bool on, bool enabled) { return (on ? 2 : 0) + (enabled ? 1 : 0); }

    void SetCaption(TCaptionSide side, const QString& value);
    void SetCaptionAlignment(TCaptionSide side, TAlignment value);
    // Repaints at once, or invalidates when transparent (the parent paints beneath).
    void RepaintFace();
    void Center();
    void FollowSize();
    // Glyph images (glyphs.cpp).
    void CreateDefaultUserImages();
    void LoadStyleImages();
    void TakeUserImages(TBitmap& combined);
    static QSize SplitQuadrants(TBitmap& combined, TStateImages& target);
    static void CopyImages(TStateImages& target, const TStateImages& source);
    bool AcceptsMouse(TMouseButton Button, int X, int Y) const;
    void NotifyGroup();
    void ButtonPressed(int groupIndex, TOnOffBut* sender);

    // Painting steps (painting.cpp).
    QPoint CaptionPosition(TCaptionSide side, int textWidth, int textHeight) const;
    void PaintCaptions(TCanvas* face, TCanvas* mask);
    void PaintGlyph(TBitmap& face, TBitmap& mask);
    void PaintFrame(TCanvas* face, TCanvas* mask);
    void TransferToControl(TBitmap& face);

    bool FAllowAllOff = true;
    bool FAutoCenter = true;
    TOnOffButStyle FButtonStyle = oobsColSlideLR;
    TColor FColorBackgnd = clBtnFace;
    TColorScheme FColorScheme = csFixedGrays;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColor FColorText = clBlack;
    TFrameStyle FFrameStyle = fsLowered;
    int FGroupIndex = 0;
    int FLeftSpace = 35;
    int FTopSpace = 18;
    TOOButMode FMode = oobmNormalBut;
    TOOButMouseAction FMouseAction = oomaFocused;
    bool FOnOff = true;
    bool FTransparent = false;
    // A left press the button accepted; its release may switch a speed button off.
    bool FPressed = false;
    std::array<TCaption, 4> FCaptions;
    TStateImages FButImg;
    TStateImages FUserImg;
    int FGlyphWidth = 30;
    int FGlyphHeight = 18;
    TBitmap FMask;
};

} // namespace vek
