// TCustomLabel: the base of label-like controls. It shows Caption in the control's font,
// placed by Alignment (horizontally) and Layout (vertically), optionally word-wrapped,
// with "&" marking an accelerator character unless ShowAccelChar is off. A disabled
// label draws its text engraved (a highlight copy one pixel down and right under a
// shadow copy). Without Transparent the background is filled with Color; with it the
// parent shows through. An opaque label never mixes a fixed color with one that follows
// the palette: when only Color or only the font's color is fixed, the other one becomes
// fixed too, so that a dark theme cannot turn the caption unreadable. AutoSize fits the control to its text.
//
// Derived controls change the text drawing by overriding DoDrawText, which gets the
// text rectangle and DrawText-style flags; with DT_CALCRECT it only measures (AutoSize
// uses that). RepaintLabel decides how a property change is shown (invalidate by
// default).
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/baselib/textcolors.h>
#include <frame/canvas/colors.h>
#include "controls.h"

#include <memory>

namespace vek {

/// Flags of DoDrawText, with the host's DrawText values.
constexpr int DT_LEFT = 0x0000;
constexpr int DT_CENTER = 0x0001;
constexpr int DT_RIGHT = 0x0002;
constexpr int DT_WORDBREAK = 0x0010;
constexpr int DT_EXPANDTABS = 0x0040;
constexpr int DT_CALCRECT = 0x0400;
constexpr int DT_NOPREFIX = 0x0800;

/// A drawn label: Caption in the control's font, aligned, optionally word-wrapped, sized
/// to its text (AutoSize) and transparent.
class VEK_EXPORT TCustomLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QColor Color READ qColor WRITE setQColor RESET resetColor)
    Q_PROPERTY(TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
    /// Vertical placement of the text.
    enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };
    Q_ENUM(TTextLayout)

    /// Starts 65 x 17 pixels (then fitted to its empty text while AutoSize is on).
    explicit TCustomLabel(QWidget* parent = nullptr);
    ~TCustomLabel() override;

    /// The text shown; "&" marks an accelerator unless ShowAccelChar is off. Default "".
    QString Caption() const;
    void SetCaption(const QString& value);
    /// Horizontal placement of the text. Default taLeftJustify.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    /// Fits the control to its text whenever text or font change (default true); the
    /// text's extent is then also the sizeHint.
    bool AutoSize() const;
    void SetAutoSize(bool value);
    /// Vertical placement of the text. Default tlTop.
    TTextLayout Layout() const;
    void SetLayout(TTextLayout value);
    /// Shows "&x" as an underlined x, "&&" as "&" (default true).
    bool ShowAccelChar() const;
    void SetShowAccelChar(bool value);
    /// The parent shows through the background (default false).
    bool Transparent() const;
    void SetTransparent(bool value);
    /// Breaks the text into lines at word boundaries to fit the width (default false).
    bool WordWrap() const;
    void SetWordWrap(bool value);

    /// Background color when not Transparent; default clBtnFace.
    VEK_COLOR_PROPERTY(Color, clBtnFace)

    /// With AutoSize the text's extent in the control's font, otherwise the default size.
    QSize sizeHint() const override;
    /// With AutoSize and no word wrap the text's extent (a label never cuts its text in
    /// a layout), otherwise no minimum.
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Sets Caption: the name Qt's labels use, for connections by name.
    void setText(const QString& text) { SetCaption(text); }

protected:
    /// Background (unless transparent), then the text through DoDrawText.
    void Paint() override;
    /// Draws Caption into Rect with the canvas font, or, with DT_CALCRECT, only sets Rect
    /// to the text's extent (its left and top kept).
    virtual void DoDrawText(TRect& Rect, int Flags);
    /// Shows a property change; the default invalidates.
    virtual void RepaintLabel();
    /// Applies AutoSize: resizes the control to the measured text.
    virtual void AdjustBounds();
    /// The font changed: the text's extent did too.
    void FontChanged() override;
    /// DT_... flags for the current Alignment, WordWrap and ShowAccelChar.
    int DrawTextFlags() const;
    /// The font color and the background Paint uses: Color and the font's color, paired
    /// so that a fixed one of them does not meet one that follows the palette (see
    /// PairedTextColors). A transparent label draws on its parent, in the font's color.
    TTextColors CaptionColors() const;

private:
    /// The adjust step of every setter whose value changes the text's extent: refits
    /// the control (AutoSize) and tells the layout about the new natural size.
    void TextExtentChanged();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
