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
// is on cannot be switched off. In oobmSpeedBut mode a press switches the button on
// and the release that counts (see MouseAction) switches it off again; a press dragged
// off the glyph before its release leaves the button on and is no click.
//
// The keyboard: Tab reaches a button unless MouseAction is oomaNone (an indicator).
// Space is the left mouse button where a click counts: pressing it presses the button,
// releasing it is the click (a speed button is on while Space is held). In a group the
// arrow keys move the focus to the previous or next member and switch it on, as in a
// group of radio buttons. While it has the focus the button outlines its glyph cell
// with a dotted line in the palette's highlight color.
//
// A disabled button (Enabled false) shows its disabled images and engraved gray captions
// and ignores the mouse and the keyboard.
//
// Every change of OnOff - by code, by the mouse, by Mode or by another member of the
// group - emits checkedChanged(bool); an accepted click emits clicked() after OnClick.
//
// With Transparent only the glyph, the captions and the frame are drawn; the parent shows
// through everywhere else.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

/// A two-state button drawn from small bitmaps (see the top of this header).
class VEK_EXPORT TOnOffBut : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AllowAllOff READ AllowAllOff WRITE SetAllowAllOff)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(QString BottomText READ BottomText WRITE SetBottomText)
    Q_PROPERTY(vek::TAlignment BottomTextAlignment READ BottomTextAlignment WRITE SetBottomTextAlignment)
    Q_PROPERTY(TOnOffButStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(QColor ColorBackgnd READ qColorBackgnd WRITE setQColorBackgnd RESET resetColorBackgnd)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(QColor ColorText READ qColorText WRITE setQColorText RESET resetColorText)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(vek::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
    Q_PROPERTY(TOOButMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(TOOButMouseAction MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(bool OnOff READ OnOff WRITE SetOnOff NOTIFY checkedChanged)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(vek::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
    Q_PROPERTY(int TopSpace READ TopSpace WRITE SetTopSpace)
    Q_PROPERTY(QString TopText READ TopText WRITE SetTopText)
    Q_PROPERTY(vek::TAlignment TopTextAlignment READ TopTextAlignment WRITE SetTopTextAlignment)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    /// How the button reacts to the mouse: toggle and keep the state, or be on only
    /// while it is pressed.
    enum TOOButMode { oobmNormalBut = 0, oobmSpeedBut = 1 };
    Q_ENUM(TOOButMode)

    /// Where a click counts: nowhere, inside the glyph only, anywhere in the control.
    enum TOOButMouseAction { oomaNone = 0, oomaFocused = 1, oomaPlain = 2 };
    Q_ENUM(TOOButMouseAction)

    /// The image set. oobsUser shows the images given by SetUserGlyph/LoadUserGlyph;
    /// the others are the library's bitmaps (glyph size in brackets).
    enum TOnOffButStyle {
        oobsUser = 0,
        oobsCheckbox = 1,        ///< check box (16 x 16)
        oobsRadioBut = 2,        ///< radio button (14 x 14)
        oobsSlideTB = 3,         ///< slide switch, on at the top (18 x 30)
        oobsSlideLR = 4,         ///< slide switch, on at the right (30 x 18)
        oobsColSlideTB = 5,      ///< colored toggle switch, on at the top (18 x 30)
        oobsColSlideLR = 6,      ///< colored toggle switch, on at the right (30 x 18)
        oobsLedRedGreen = 7,     ///< LED, green on, red off (14 x 14)
        oobsArrowTopRgt = 8,     ///< arrow, up when on, right when off (25 x 25)
        oobsArrowUpDown = 9,     ///< arrow, up when on, down when off (25 x 25)
        oobsArrowLeftRight = 10, ///< arrow, right when on, left when off (25 x 25)
        oobsTrafficLPed = 11,    ///< pedestrian light, green when on (31 x 31)
        oobsBeveledLed = 12,     ///< LED in a beveled ring (17 x 17)
        oobsSmileyYellow = 13,   ///< yellow smiley, smiling when on (18 x 18)
        oobsSmileyRedGrn = 14,   ///< green smiling / red frowning smiley (18 x 18)
        oobsBulb = 15,           ///< light bulb (39 x 49)
        oobsButLamp = 16,        ///< push button with a lamp window (49 x 24)
        oobsHDLeft = 17,         ///< drive activity light at the left (48 x 16)
        oobsHDRight = 18,        ///< drive activity light at the right (48 x 16)
        oobsUser1 = 19,          ///< power symbol (24 x 24)
        oobsUser2 = 20,          ///< padlock, closed when on (24 x 24)
        oobsUser3 = 21,          ///< star, filled when on (24 x 24)
        oobsUser4 = 22,          ///< speaker, sounding when on (24 x 24)
        oobsUser5 = 23,          ///< record dot (24 x 24)
    };
    Q_ENUM(TOnOffButStyle)

    /// Pixels of this color are transparent in every state image ($EBBEEB).
    static constexpr TColor TransparentKey = 0xEBBEEB;

    /// Created 100 x 50, on, enabled, in no group, style oobsColSlideLR.
    explicit TOnOffBut(QWidget* parent = nullptr);
    ~TOnOffBut() override;

    /// In a group: whether the last member that is on may be switched off; default
    /// true. Every member of the group takes over a change.
    bool AllowAllOff() const;
    void SetAllowAllOff(bool value);
    /// Keeps the glyph centred (see the class comment); default true.
    bool AutoCenter() const;
    void SetAutoCenter(bool value);
    /// The image set; default oobsColSlideLR. An ordinal that names no style is ignored.
    TOnOffButStyle ButtonStyle() const;
    void SetButtonStyle(TOnOffButStyle value);
    /// Background of the control; default clBtnFace.
    TColor ColorBackgnd() const;
    void SetColorBackgnd(TColor value);
    VEK_COLOR_PROPERTY(ColorBackgnd, clBtnFace)
    /// Light and shadow colors of the frame: csFixedGrays (default) white and gray,
    /// otherwise the theme's highlight and shadow.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    /// Caption color while enabled; default clBtnText, the palette's text on button
    /// faces, which goes with the default ColorBackgnd (clBtnFace) in light and dark
    /// palettes alike. Disabled captions are engraved gray (on dark palettes: drawn once
    /// in the palette's disabled text color).
    TColor ColorText() const;
    void SetColorText(TColor value);
    VEK_COLOR_PROPERTY(ColorText, clBtnText)
    /// Frame around the whole control; default fsLowered.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// 0 (default): no group. Buttons of one parent with the same index switch each
    /// other off.
    int GroupIndex() const;
    void SetGroupIndex(int value);
    /// Distance from the left (default 35) and top (default 18) edges to the glyph cell.
    /// Negative values are ignored; while AutoCenter is on, assigning only re-centres;
    /// otherwise LeftSpace is limited to the width and TopSpace to the height.
    int LeftSpace() const;
    void SetLeftSpace(int value);
    int TopSpace() const;
    void SetTopSpace(int value);
    /// Default oobmNormalBut. Assigning oobmSpeedBut also switches the button off.
    TOOButMode Mode() const;
    void SetMode(TOOButMode value);
    /// Where a click counts; default oomaFocused (inside the glyph).
    TOOButMouseAction MouseAction() const;
    void SetMouseAction(TOOButMouseAction value);
    /// The state; default true (on). See SetOnOff.
    bool OnOff() const;
    /// Draw only glyph, captions and frame, the parent shows through elsewhere; default
    /// false.
    bool Transparent() const;
    void SetTransparent(bool value);

    /// The captions (default empty) and their horizontal placement (defaults:
    /// taRightJustify left, taLeftJustify right, taCenter top and bottom).
    QString LeftText() const;
    void SetLeftText(const QString& value) { SetCaption(Left, value); }
    TAlignment LeftTextAlignment() const;
    void SetLeftTextAlignment(TAlignment value) { SetCaptionAlignment(Left, value); }
    QString RightText() const;
    void SetRightText(const QString& value) { SetCaption(Right, value); }
    TAlignment RightTextAlignment() const;
    void SetRightTextAlignment(TAlignment value) { SetCaptionAlignment(Right, value); }
    QString TopText() const;
    void SetTopText(const QString& value) { SetCaption(Top, value); }
    TAlignment TopTextAlignment() const;
    void SetTopTextAlignment(TAlignment value) { SetCaptionAlignment(Top, value); }
    QString BottomText() const;
    void SetBottomText(const QString& value) { SetCaption(Bottom, value); }
    TAlignment BottomTextAlignment() const;
    void SetBottomTextAlignment(TAlignment value) { SetCaptionAlignment(Bottom, value); }

    /// Size of one state image of the current style (30 x 18 for the default style).
    int GlyphWidth() const;
    int GlyphHeight() const;

    /// The images of style oobsUser, laid out like the library's bitmaps: four equal
    /// quadrants, top left on and enabled, top right off and enabled, bottom left on
    /// and disabled, bottom right off and disabled, pixels of TransparentKey
    /// transparent. The glyph size becomes half the image's width and height. No image,
    /// or one smaller than 2 x 2, raises EVEKError ("Component "\<Name\>": user glyph
    /// image is too small"); a file that cannot be read raises EInvalidGraphic ("Bitmap
    /// file "\<name\>" cannot be opened" or "... is not a valid image"). The images are
    /// unchanged after a failure. Until then a cross (off) and a circle (on), 20 x 20.
    void SetUserGlyph(const TBitmap* Img);
    void LoadUserGlyph(const QString& FName);

    /// A button on a parent re-centres its glyph (with AutoCenter) when its size changes.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    /// Copies the looks, captions, spacing, state, mouse action and images of another
    /// TOnOffBut; the group (GroupIndex, AllowAllOff) and the Mode stay as they are, so
    /// a copy never disturbs the group it is in. Each button keeps its own images.
    void Assign(const TPersistent* Source) override;

    /// The glyph with room for the frame, and the captions beside, above and below it;
    /// with AutoCenter the glyph stays in the middle.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Switches the button on or off. Switching off is refused for the last button that
    /// is on in a group without AllowAllOff; switching on switches the other members of
    /// the group off. Emits checkedChanged.
    void SetOnOff(bool value);
    /// SetOnOff(!OnOff()).
    void toggle();
    /// Clicks the button in code as the left mouse button would where a click counts:
    /// the state changes (a speed button ends off again), then OnClick and clicked().
    /// Does nothing while the button is disabled or MouseAction is oomaNone.
    void click();

Q_SIGNALS:
    /// OnOff changed, by code, by the mouse, by Mode, by Assign or because another
    /// member of the group switched on.
    void checkedChanged(bool on);
    /// An accepted click (see MouseAction), emitted right after OnClick.
    void clicked();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void focusOutEvent(QFocusEvent* event) override;
    /// OnClick is fired by MouseUp only, for a release the button accepted.
    void Click() override {}
    void Resize() override;
    bool event(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    enum TCaptionSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };

    void SetCaption(TCaptionSide side, const QString& value);
    void SetCaptionAlignment(TCaptionSide side, TAlignment value);
    // Stores the state, repaints, switches the group off when on and emits the signal.
    void StoreOnOff(bool value);
    // Repaints at once, or invalidates when transparent (the parent paints beneath).
    void RepaintFace();
    void Center();
    void FollowSize();
    // Glyph images (glyphs.cpp).
    void CreateDefaultUserImages();
    // Loads the style's images for the device pixel ratio of the control.
    void LoadStyleImages();
    // Reloads the style's images when the control's ratio is no longer theirs.
    void FollowDevicePixelRatio();
    // Loads the style's images and lays the glyph out for their size.
    void ShowStyleImages();
    // Mouse (mouse.cpp): a press and a release that count.
    bool AcceptsMouse(TMouseButton Button, int X, int Y) const;
    void Press();
    void Release();
    void NotifyGroup();
    // Keyboard (onoffbut_keys.cpp).
    void FollowMouseAction();
    bool MoveInGroup(int step);
    void ButtonPressed(int groupIndex, TOnOffBut* sender);

    // Painting steps (painting.cpp).
    QPoint CaptionPosition(TCaptionSide side, int textWidth, int textHeight) const;
    void PaintCaptions(TCanvas* face, TCanvas* mask);
    void PaintGlyph(TBitmap& face, TBitmap& mask);
    void PaintFrame(TCanvas* face, TCanvas* mask);
    void PaintFocus(TCanvas* face, TCanvas* mask);
    void TransferToControl(TBitmap& face);
};

} // namespace vek
