// TCanvas: GDI-style drawing on a QImage (or on a borrowed QPainter), with the host's
// pixel rules, because control geometry is written against them:
//  - LineTo draws from the pen position up to, but not including, the end point;
//  - Rectangle(l, t, r, b) covers columns l..r-1 and rows t..b-1, the outline with the
//    pen and the inside with the brush (without a pen the fill shrinks by one pixel at
//    the right and bottom);
//  - FillRect covers l..r-1 x t..b-1 with the brush only;
//  - Ellipse, Arc and Pie take a bounding box; arcs and pies run counterclockwise from
//    the radial through the first point to the radial through the second;
//  - Arc, Pie and Chord cover exactly the pixels of the Ellipse with the same box that
//    lie on their side of the radials or the chord;
//  - the pen mode combines each pixel of a shape once, even where outline and fill
//    meet, so drawing a shape twice with pmXor restores the picture;
//  - TextOut puts the top-left corner of the text cell at (x, y) and fills the cell
//    with the brush color unless the brush is clear.
// Curves and slanted lines (Ellipse, Arc, Pie, Chord, Polygon, RoundRect, diagonal
// LineTo) are antialiased in the copy pen mode unless SetAntialiasing(false) asks for
// the exact pixels above; straight lines, rectangles and text cells are always exact.
// A target with a device pixel ratio (a back buffer for a 2x screen) is drawn at device
// resolution while every coordinate stays logical; Pixels reads the device pixel under
// the centre of a logical pixel.
#pragma once

#include "graphics.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vek {

class TBitmap;

/// Raster operations for CopyRect, Draw, StretchDraw and StretchBlt.
using TCopyMode = quint32;
constexpr TCopyMode cmBlackness = 0x00000042, cmDstInvert = 0x00550009,
                    cmMergeCopy = 0x00C000CA, cmMergePaint = 0x00BB0226,
                    cmNotSrcCopy = 0x00330008, cmNotSrcErase = 0x001100A6,
                    cmPatCopy = 0x00F00021, cmPatInvert = 0x005A0049,
                    cmPatPaint = 0x00FB0A09, cmSrcAnd = 0x008800C6, cmSrcCopy = 0x00CC0020,
                    cmSrcErase = 0x00440328, cmSrcInvert = 0x00660046,
                    cmSrcPaint = 0x00EE0086, cmWhiteness = 0x00FF0062;

/// How StretchDraw, CopyRect and StretchBlt scale: nearest pixel, or averaged (smooth).
enum TStretchMode { smBlackOnWhite = 1, smWhiteOnBlack = 2, smColorOnColor = 3, smHalftone = 4 };

enum TFillStyle { fsSurface = 0, fsBorder = 1 };

/// The drawing surface of a control, a bitmap or a Qt paint event, with the host's pixel
/// rules (see the top of this header).
class VEK_EXPORT TCanvas {
public:
    /// A canvas that draws nowhere until it is bound, or one that draws into an image.
    TCanvas();
    explicit TCanvas(QImage* target);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    /// Draw into this image from now on (nullptr: nothing). RGB32, or
    /// ARGB32_Premultiplied for a target the parent shows through, are drawn on directly;
    /// other formats work through conversions. The image must outlive the binding; call
    /// Bind again after resizing it.
    void Bind(QImage* target);
    QImage* Target() const { return FTarget; }
    /// Draw through a painter owned by someone else (a Qt paint event) until EndBorrow.
    void BeginBorrow(QPainter* painter);
    void EndBorrow();
    /// Ends the internal painter so the target image can be read or copied directly.
    void Flush();
    /// The painter that drawing goes through, set up with the canvas clip; for drawing
    /// that TCanvas does not offer. Call Changed() after using it.
    QPainter* Painter();

    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    TFont* Font() { return &FFont; }
    const TPen* Pen() const { return &FPen; }
    const TBrush* Brush() const { return &FBrush; }
    const TFont* Font() const { return &FFont; }

    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }
    TStretchMode StretchBltMode() const { return FStretchMode; }
    void SetStretchBltMode(TStretchMode value) { FStretchMode = value; }
    /// Whether curves and slanted lines are smoothed (on by default). Off gives the exact
    /// pixel rules above; other pen modes than copy are never smoothed.
    bool Antialiasing() const { return FAntialiasing; }
    void SetAntialiasing(bool value) { FAntialiasing = value; }
    /// Device pixels per logical pixel of the target (1 without a target).
    qreal DevicePixelRatio() const;

    /// Clipping: ClipRect is the area drawing may touch (the whole target by default).
    TRect ClipRect() const;
    void IntersectClipRect(const TRect& r);
    void ResetClip();

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint p) { FPenPos = p; }
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    /// Lines through the points; the last point itself is not drawn.
    void Polyline(const QVector<TPoint>& points);
    void Polygon(const QVector<TPoint>& points);

    void Rectangle(int Left, int Top, int Right, int Bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int Left, int Top, int Right, int Bottom, int CornerW, int CornerH);
    void FillRect(const TRect& r);
    /// One-pixel outline of r in the brush color (nothing with a clear brush).
    void FrameRect(const TRect& r);
    /// Dotted outline drawn by inversion; drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& r);
    /// Dotted one-pixel outline of r in the brush color (every other pixel, starting at
    /// the top-left corner): the focus mark of controls that follow the palette, where
    /// an inverted outline could vanish on a mid-gray or a transparent surface.
    void DottedFrameRect(const TRect& r);
    void Ellipse(int Left, int Top, int Right, int Bottom);
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);

    /// fsSurface: fills the area of color Color connected to (X, Y); fsBorder: fills the
    /// area around (X, Y) up to the border of color Color. Uses the brush color.
    void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

    /// Pixel access; reading outside the target gives 0xFFFFFFFF.
    TColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TColor Color);

    int TextWidth(const QString& Text);
    int TextHeight(const QString& Text);
    QSize TextExtent(const QString& Text);
    void TextOut(int X, int Y, const QString& Text);
    /// Text at (X, Y) clipped to r; unless the brush is clear, r is filled first.
    void TextRect(const TRect& r, int X, int Y, const QString& Text);

    /// Bitmap transfer with CopyMode (Draw keeps the bitmap's size; StretchDraw fits it
    /// into r with the stretch mode; a transparent bitmap leaves its transparent color out).
    void Draw(int X, int Y, const TBitmap* Bitmap);
    void StretchDraw(const TRect& r, const TBitmap* Bitmap);
    void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect);
    void StretchBlt(const TRect& Dest, TCanvas* Source, const TRect& SourceRect, TCopyMode Rop);
    void StretchBlt(const TRect& Dest, const QImage& Source, const TRect& SourceRect,
                    TCopyMode Rop);

    /// Clears the whole target: to transparent when it has an alpha channel, else to the
    /// brush color.
    void Clear();

    /// Called after every drawing operation (the owning control schedules its blit).
    std::function<void()> OnChange;
    void Changed();

private:
    enum class ArcKind { Arc, Pie, Chord };
    /// What a shape's pen draws: nothing (fills only), straight lines, or curves and
    /// slanted lines (which smoothing applies to).
    enum class Stroke { None, Straight, Curved };
    using ShapeDrawer = std::function<void(QPainter&)>;

    struct Face;
    QPainter* ActivePainter();
    /// Forget what the active painter was set to: it began anew, was restored or was
    /// handed out.
    void ForgetPainterState();
    /// Sets the painter's clip unless it has it already.
    void ApplyClip(QPainter& p, const QRegion& clip);
    /// The target's area in logical coordinates.
    QRect TargetRect() const;
    QRegion ClipRegion() const;
    /// The painter set up for one operation: composition and the canvas clip, narrowed to
    /// within when given.
    QPainter* Prepare(QPainter::CompositionMode mode,
                      const std::optional<QRegion>& within = std::nullopt);
    QPen QtPen() const;
    QBrush QtBrush() const;
    const QFont& QtFont();
    Face& CurrentFace();
    void SetUpShape(QPainter& p, bool withBrush) const;
    /// Draws a shape with pen (and brush) in the pen mode, limited to within when given.
    /// bounds must hold everything draw touches.
    void PaintShape(const QRect& bounds, bool withBrush, Stroke stroke, const ShapeDrawer& draw,
                    const std::optional<QRegion>& within = std::nullopt);
    bool Smoothing(Stroke stroke) const;
    /// Sets up p so that the pen covers the pixels the exact rules name, at any device
    /// pixel ratio, and smooths where that applies.
    void AlignStroke(QPainter& p, Stroke stroke) const;
    /// A transparent image at bounds with the shape drawn on it in pen and brush colors.
    QImage ShapeLayer(const QRect& bounds, bool withBrush, Stroke stroke,
                      const ShapeDrawer& draw) const;
    void DrawOnLayer(QImage& layer, QPoint origin, bool withBrush, Stroke stroke,
                     const ShapeDrawer& draw) const;
    /// Puts the painted pixels of a layer onto the target in the pen mode.
    void CombineLayer(const QImage& layer, QPoint origin,
                      const std::optional<QRegion>& within = std::nullopt);
    int PenReach() const;
    void DrawLineSegment(TPoint from, TPoint to);
    void ArcShape(ArcKind kind, int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    QImage* PixelTarget();
    void DrawTextCell(QPainter* p, int X, int Y, const QString& Text, bool opaque);
    static std::optional<QRgb> TransparentKey(const TBitmap* Bitmap);
    QImage ReadRect(const TRect& r);
    void Compose(const TRect& Dest, const QImage& Source, TCopyMode Rop,
                 std::optional<QRgb> TransparentColor);

    QImage* FTarget = nullptr;
    QPainter* FBorrowed = nullptr;
    QRegion FBorrowClip;
    std::unique_ptr<QPainter> FOwnPainter;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    /// The faces drawn with lately, most recent first; FFace is the one of FFont while
    /// FFaceValid.
    std::vector<std::unique_ptr<Face>> FFaces;
    Face* FFace = nullptr;
    bool FFaceValid = false;
    /// The canvas clip, kept while neither the clip nor the target changes.
    mutable std::optional<QRegion> FClipRegion;
    mutable QRect FClipRegionTarget;
    /// What Prepare and the text cells last set on the active painter, so that runs of
    /// drawing calls don't set the same clip and font again (each is a region
    /// computation or a font resolution).
    bool FPainterKnown = false;
    QRegion FPainterClip;
    const Face* FPainterFace = nullptr;
    /// The area and color of the last drawing operation when it was a solid FillRect:
    /// grids fill a cell and then draw its text on the same background, which needs no
    /// second fill.
    std::optional<std::pair<QRect, QRgb>> FLastFill;
    TCopyMode FCopyMode = cmSrcCopy;
    TStretchMode FStretchMode = smColorOnColor;
    bool FAntialiasing = true;
    bool FHasClip = false;
    TRect FClip;
    TPoint FPenPos;
};

} // namespace vek
