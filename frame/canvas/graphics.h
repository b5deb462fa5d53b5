// Drawing tools of a canvas: TFont, TPen, TBrush, plus TRect with the host's
// exclusive right and bottom edges.
#pragma once

#include "colors.h"
#include <frame/core/persistent.h>
#include <frame/core/types.h>

#include <QFont>
#include <QRect>

#include <functional>

namespace vek {

/// A rectangle whose Right and Bottom lie just outside it (Left..Right-1, Top..Bottom-1).
struct TRect {
    int Left = 0;   ///< first column inside
    int Top = 0;    ///< first row inside
    int Right = 0;  ///< first column outside, to the right
    int Bottom = 0; ///< first row outside, below

    /// The empty rectangle at (0, 0), or the one with the given edges.
    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    /// The size; empty when either is 0 or less.
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    /// Whether the pixel (x, y) is inside.
    constexpr bool Contains(int x, int y) const
    {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    /// The same pixels as a Qt rectangle, or from one.
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect& r)
    {
        return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    }
    /// Equal edges.
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int Left, int Top, int Right, int Bottom)
{
    return TRect(Left, Top, Right, Bottom);
}

using TPoint = QPoint;

/// Base of TFont, TPen and TBrush: OnChange fires after every effective change.
class VEK_EXPORT TGraphicsObject : public TPersistent {
public:
    /// Called after every change that takes effect.
    std::function<void()> OnChange;

protected:
    /// Raises OnChange; every setter that changed something calls it.
    void Changed();
};

enum TFontPitch { fpDefault = 0, fpVariable = 1, fpFixed = 2 };
enum TFontQuality {
    fqDefault = 0,
    fqDraft = 1,
    fqProof = 2,
    fqNonAntialiased = 3,
    fqAntialiased = 4,
    fqClearType = 5,
    fqClearTypeNatural = 6,
};

/// A font description. Height is in pixels (negative: character height without the
/// internal leading, which is Qt's pixel size); Size is in points at 96 pixels per inch.
/// Orientation is the escapement in tenths of a degree, counterclockwise.
class VEK_EXPORT TFont : public TGraphicsObject {
public:
    /// The resolution that converts Size (points) into Height (pixels).
    static constexpr int PixelsPerInch = 96;

    /// The application's default font, or the family, size and style of a Qt font;
    /// black, upright.
    TFont();
    explicit TFont(const QFont& font);

    /// The family name, the height in pixels (negative: Qt's pixel size) or the size in points,
    /// the color, bold/italic/underline/strike-out, the escapement in tenths of a degree,
    /// the pitch and the rendering quality. Each setter raises OnChange when the value changes.
    QString Name() const { return FName; }
    void SetName(const QString& value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    int Orientation() const { return FOrientation; }
    void SetOrientation(int tenthsOfDegree);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    TFontQuality Quality() const { return FQuality; }
    void SetQuality(TFontQuality value);

    /// Takes family, size and style from a Qt font (color and orientation unchanged).
    void SetFromQFont(const QFont& font);
    /// The Qt font for drawing (without color and orientation).
    QFont ToQFont() const;

    void Assign(const TPersistent* Source) override;

private:
    QString FName;
    int FHeight = -12;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FOrientation = 0;
    TFontPitch FPitch = fpDefault;
    TFontQuality FQuality = fqDefault;
};

enum TPenStyle {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6,
};

/// How the pen combines with what is already there: copy, invert, xor and their kin.
enum TPenMode {
    pmBlack = 0,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};

/// The canvas pen: how lines and outlines are drawn.
class VEK_EXPORT TPen : public TGraphicsObject {
public:
    /// The line color (default clBlack), width in pixels (1), style (psSolid) and raster
    /// mode (pmCopy).
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

enum TBrushStyle {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

/// Hatched brushes draw their lines in Color and leave the gaps untouched.
class VEK_EXPORT TBrush : public TGraphicsObject {
public:
    /// The fill color (default clWhite) and style (bsSolid; bsClear fills nothing).
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);

    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

} // namespace vek
