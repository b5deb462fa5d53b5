// TCustomLabel: the base of label-like controls. It shows Caption in the control's font,
// placed by Alignment (horizontally) and Layout (vertically), optionally word-wrapped,
// with "&" marking an accelerator character unless ShowAccelChar is off. A disabled
// label draws its text engraved (a highlight copy one pixel down and right under a
// shadow copy). Without Transparent the background is filled with Color; with it the
// parent shows through. AutoSize fits the control to its text.
//
// Derived controls change the text drawing by overriding DoDrawText, which gets the
// text rectangle and DrawText-style flags; with DT_CALCRECT it only measures (AutoSize
// uses that). RepaintLabel decides how a property change is shown (invalidate by
// default).
#pragma once

#include <frame/baselib/baseenums.h>
#include "controls.h"

namespace vek {

// Flags of DoDrawText, with the host's DrawText values.
constexpr int DT_LEFT = 0x0000;
constexpr int DT_CENTER = 0x0001;
constexpr int DT_RIGHT = 0x0002;
constexpr int DT_WORDBREAK = 0x0010;
constexpr int DT_EXPANDTABS = 0x0040;
constexpr int DT_CALCRECT = 0x0400;
constexpr int DT_NOPREFIX = 0x0800;

class VEK_EXPORT TCustomLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

public:
    // Vertical placement of the text.
    enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };
    Q_ENUM(TTextLayout)

    explicit TCustomLabel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // Fits the control to its text whenever text or font change (default true).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    // Shows "&x" as an underlined x, "&&" as "&" (default true).
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    // The parent shows through the background (default false).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    // Background (unless transparent), then the text through DoDrawText.
    void Paint() override;
    // Draws Caption into Rect with the canvas font, or, with DT_CALCRECT, only sets Rect
    // to the text's extent (its left and top kept).
    virtual void DoDrawText(TRect& Rect, int Flags);
    // Shows a property change; the default invalidates.
    virtual void RepaintLabel();
    // Applies AutoSize: resizes the control to the measured text.
    virtual void AdjustBounds();
    void FontChanged() override;
    // DT_... flags for the current Alignment, WordWrap and ShowAccelChar.
    int DrawTextFlags() const;

private:
    template <typename T>
    void Change(T& field, const T& value, bool adjust);

    QString FCaption;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;
};

} // namespace vek
