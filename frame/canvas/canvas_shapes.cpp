// TCanvas lines and shapes: pen modes, the host's end point and box rules, arcs.
#include "canvas.h"
#include "deviceunits_p.h"

#include <QBitmap>

#include <cmath>
#include <numbers>
#include <utility>

namespace vek {

namespace {

QPainter::CompositionMode PenComposition(TPenMode mode)
{
    switch (mode) {
    case pmBlack: return QPainter::RasterOp_ClearDestination;
    case pmWhite: return QPainter::RasterOp_SetDestination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

// The smallest rectangle holding both points.
QRect Span(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// The host's box coordinates (right and bottom exclusive, any order) as the QRect whose
// outline Qt draws on exactly those pixels.
QRect OutlineRect(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

// The pixels of a layer that something was painted on.
QRegion PaintedPixels(const QImage& layer)
{
    return QRegion(QBitmap::fromImage(layer.createAlphaMask()));
}

// Clears the painted pixels of a layer placed at origin (logical) whose logical position
// does not pass keep.
void EraseUnless(QImage& layer, QPoint origin, const std::function<bool(QPointF)>& keep)
{
    const qreal ratio = layer.devicePixelRatio();
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x)
            if (line[x] != 0 && !keep(QPointF(origin) + QPointF(x, y) / ratio))
                line[x] = 0;
    }
}

// The ellipse inside an outline rectangle, with angles measured as Qt and the host do:
// counterclockwise from 3 o'clock and parametric, so that the radial through any point
// has the angle of the ellipse point it passes.
struct EllipseGeometry {
    QPointF centre;
    double a, b;

    explicit EllipseGeometry(const QRect& outline)
        : centre(outline.left() + outline.width() / 2.0, outline.top() + outline.height() / 2.0),
          a(outline.width() / 2.0), b(outline.height() / 2.0)
    {
    }
    double AngleOf(QPointF p) const
    {
        const double radians = std::atan2(-(p.y() - centre.y()) / b, (p.x() - centre.x()) / a);
        return radians * 180.0 / std::numbers::pi;
    }
    QPointF PointAt(double degrees) const
    {
        const double radians = degrees * std::numbers::pi / 180.0;
        return centre + QPointF(a * std::cos(radians), -b * std::sin(radians));
    }
};

// Whether angle lies on the counterclockwise run of span degrees from start (both ends
// included, so the pixels on the radials belong to the arc).
bool WithinSpan(double angle, double start, double span)
{
    constexpr double tolerance = 1e-9;
    const double offset = std::fmod(angle - start + 720.0, 360.0);
    return offset <= span + tolerance || offset >= 360.0 - tolerance;
}

// Which side of the line through a and b the point p lies on (0: on it).
double Side(QPointF a, QPointF b, QPointF p)
{
    return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
}

// A solid one-pixel line along a row or column copied onto the target covers whole
// pixels: filled as a rectangle it needs no clip around its end point, which makes the
// frames and grid lines of every control many times cheaper. At a fractional device
// pixel ratio the pen's edges fall inside device pixels, where only the line's own
// rasterization decides.
bool HasPixelPen(const TCanvas& canvas)
{
    const TPen* pen = canvas.Pen();
    const qreal ratio = canvas.DevicePixelRatio();
    return pen->Width() <= 1 && pen->Style() == psSolid && pen->Mode() == pmCopy &&
           ratio == std::floor(ratio);
}

bool IsPixelRun(const TCanvas& canvas, QPoint from, QPoint to)
{
    return (from.x() == to.x() || from.y() == to.y()) && HasPixelPen(canvas);
}

// For the same reason a rectangle with such a pen and a plain or no fill is a few fills:
// the frames, cards and boxes that controls draw by the hundred.
bool IsPixelFrame(const TCanvas& canvas)
{
    const TBrushStyle fill = canvas.Brush()->Style();
    return (fill == bsSolid || fill == bsClear) && HasPixelPen(canvas);
}

// The pixels of box: its border in the edge color, its inside filled when asked.
void FillFrame(QPainter& p, const QRect& box, const QColor& edge,
               const std::optional<QBrush>& inside)
{
    if (inside) {
        p.fillRect(box, edge);
        p.fillRect(box.adjusted(1, 1, -1, -1), *inside);
        return;
    }
    p.fillRect(box.left(), box.top(), box.width(), 1, edge);
    p.fillRect(box.left(), box.bottom(), box.width(), 1, edge);
    p.fillRect(box.left(), box.top() + 1, 1, box.height() - 2, edge);
    p.fillRect(box.right(), box.top() + 1, 1, box.height() - 2, edge);
}

// The pixels of a run from `from` up to, but not including, `to`.
QRect PixelRun(QPoint from, QPoint to)
{
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    return Span(from, to - QPoint(sign(to.x() - from.x()), sign(to.y() - from.y())));
}

} // namespace

void TCanvas::SetUpShape(QPainter& p, bool withBrush) const
{
    p.setPen(QtPen());
    p.setBrush(withBrush ? QtBrush() : QBrush(Qt::NoBrush));
}

int TCanvas::PenReach() const
{
    return std::max(1, FPen.Width());
}

bool TCanvas::Smoothing(Stroke stroke) const
{
    return stroke == Stroke::Curved && FAntialiasing && FPen.Mode() == pmCopy;
}

void TCanvas::AlignStroke(QPainter& p, Stroke stroke) const
{
    if (Smoothing(stroke)) {
        // Smoothed edges lie on pixel borders; half a pixel puts a one-pixel pen on the
        // pixels the exact rules would set.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(0.5, 0.5);
    } else if (stroke != Stroke::None && FPen.Style() != psClear &&
               p.device()->devicePixelRatio() != 1.0) {
        // A pen as wide as a logical pixel is several device pixels wide and would straddle
        // two logical pixels; centred in the logical pixel it covers exactly that one.
        p.translate(0.5, 0.5);
    }
}

void TCanvas::PaintShape(const QRect& bounds, bool withBrush, Stroke stroke,
                         const ShapeDrawer& draw, const std::optional<QRegion>& within)
{
    if (FPen.Mode() == pmNop)
        return;
    if (FPen.Mode() == pmCopy) {
        if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver, within)) {
            SetUpShape(*p, withBrush);
            AlignStroke(*p, stroke);
            draw(*p);
        }
        return;
    }
    // Other modes combine with what is there; a shape drawn straight through them would
    // combine twice where the outline overlaps the fill. Drawn on a layer first, every
    // pixel of the shape is combined once.
    const QRect area = bounds & TargetRect();
    if (!area.isEmpty())
        CombineLayer(ShapeLayer(area, withBrush, stroke, draw), area.topLeft(), within);
}

QImage TCanvas::ShapeLayer(const QRect& bounds, bool withBrush, Stroke stroke,
                           const ShapeDrawer& draw) const
{
    QImage layer = deviceunits::Create(bounds.size(), QImage::Format_ARGB32_Premultiplied,
                                       DevicePixelRatio());
    layer.fill(Qt::transparent);
    DrawOnLayer(layer, bounds.topLeft(), withBrush, stroke, draw);
    return layer;
}

void TCanvas::DrawOnLayer(QImage& layer, QPoint origin, bool withBrush, Stroke stroke,
                          const ShapeDrawer& draw) const
{
    QPainter p(&layer);
    p.translate(-origin);
    SetUpShape(p, withBrush);
    AlignStroke(p, stroke);
    draw(p);
}

void TCanvas::CombineLayer(const QImage& layer, QPoint origin,
                           const std::optional<QRegion>& within)
{
    if (FPen.Mode() == pmNop)
        return;
    if (FPen.Mode() == pmCopy) {
        if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver, within))
            p->drawImage(origin, layer);
        return;
    }
    // Raster operations ignore the layer's alpha: limit them to the painted pixels, which
    // are device pixels; on an image of our own they are combined in device coordinates.
    const qreal ratio = layer.devicePixelRatio();
    const QPoint deviceOrigin(deviceunits::Scaled(origin.x(), ratio),
                              deviceunits::Scaled(origin.y(), ratio));
    const QRegion painted = PaintedPixels(layer).translated(deviceOrigin);
    QRegion area = ClipRegion();
    if (within)
        area &= *within;
    if (QImage* image = PixelTarget()) {
        QImage raw = deviceunits::RawView(*image);
        QImage source = layer;
        source.setDevicePixelRatio(1);
        QPainter p(&raw);
        p.setCompositionMode(PenComposition(FPen.Mode()));
        p.setClipRegion(deviceunits::Region(area, ratio) & painted);
        p.drawImage(deviceOrigin, source);
        return;
    }
    if (QPainter* p = Prepare(PenComposition(FPen.Mode()),
                              area & deviceunits::Logical(painted, ratio)))
        p->drawImage(origin, layer);
}

// ---- lines ---------------------------------------------------------------------------

void TCanvas::MoveTo(int X, int Y)
{
    FPenPos = TPoint(X, Y);
}

void TCanvas::LineTo(int X, int Y)
{
    const TPoint from = FPenPos;
    FPenPos = TPoint(X, Y);
    DrawLineSegment(from, FPenPos);
}

void TCanvas::DrawLineSegment(TPoint from, TPoint to)
{
    if (from == to || FPen.Style() == psClear)
        return;
    if (IsPixelRun(*this, from, to)) {
        if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver))
            p->fillRect(PixelRun(from, to), ToQColor(FPen.Color()));
        Changed();
        return;
    }
    const int reach = PenReach();
    const QRect bounds = Span(from, to).adjusted(-reach, -reach, reach, reach);
    // One-pixel lines stop short of the end point; wide ones end in a round cap on it.
    std::optional<QRegion> within;
    if (FPen.Width() <= 1)
        within = QRegion(bounds) - QRegion(to.x(), to.y(), 1, 1);
    const bool slanted = from.x() != to.x() && from.y() != to.y();
    PaintShape(bounds, false, slanted ? Stroke::Curved : Stroke::Straight,
               [&](QPainter& p) { p.drawLine(from, to); }, within);
    Changed();
}

void TCanvas::Polyline(const QVector<TPoint>& points)
{
    for (int i = 1; i < points.size(); ++i)
        DrawLineSegment(points[i - 1], points[i]);
}

// ---- closed shapes -------------------------------------------------------------------

void TCanvas::Polygon(const QVector<TPoint>& points)
{
    if (points.size() < 2)
        return;
    const int reach = PenReach();
    const QRect bounds = QPolygon(points).boundingRect().adjusted(-reach, -reach, reach, reach);
    PaintShape(bounds, true, Stroke::Curved, [&](QPainter& p) {
        p.drawPolygon(points.constData(), int(points.size()), Qt::OddEvenFill);
    });
    Changed();
}

void TCanvas::Rectangle(int Left, int Top, int Right, int Bottom)
{
    const QRect outline = OutlineRect(Left, Top, Right, Bottom);
    if (outline.width() < 0 || outline.height() < 0)
        return;
    const int reach = PenReach();
    const QRect bounds = outline.adjusted(-reach, -reach, reach, reach);
    if (FPen.Style() == psClear) {
        // Without a pen the filled area is one pixel smaller at the right and bottom.
        PaintShape(bounds, true, Stroke::None, [&](QPainter& p) { p.fillRect(outline, p.brush()); });
    } else if (FPen.Width() <= 1 && (outline.width() == 0 || outline.height() == 0)) {
        // One pixel wide or high: the outline covers everything.
        PaintShape(bounds, false, Stroke::None, [&](QPainter& p) {
            p.fillRect(outline.adjusted(0, 0, 1, 1), p.pen().color());
        });
    } else if (IsPixelFrame(*this)) {
        if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver))
            FillFrame(*p, outline.adjusted(0, 0, 1, 1), QtPen().color(),
                      FBrush.Style() == bsSolid ? std::optional(QtBrush()) : std::nullopt);
    } else {
        PaintShape(bounds, true, Stroke::Straight, [&](QPainter& p) { p.drawRect(outline); });
    }
    Changed();
}

void TCanvas::RoundRect(int Left, int Top, int Right, int Bottom, int CornerW, int CornerH)
{
    const QRect outline = OutlineRect(Left, Top, Right, Bottom);
    if (outline.width() < 0 || outline.height() < 0)
        return;
    const int reach = PenReach();
    PaintShape(outline.adjusted(-reach, -reach, reach, reach), true, Stroke::Curved,
               [&](QPainter& p) { p.drawRoundedRect(outline, CornerW / 2.0, CornerH / 2.0); });
    Changed();
}

void TCanvas::Ellipse(int Left, int Top, int Right, int Bottom)
{
    const QRect outline = OutlineRect(Left, Top, Right, Bottom);
    if (outline.width() < 0 || outline.height() < 0)
        return;
    const int reach = PenReach();
    PaintShape(outline.adjusted(-reach, -reach, reach, reach), true, Stroke::Curved,
               [&](QPainter& p) { p.drawEllipse(outline); });
    Changed();
}

// ---- arcs ----------------------------------------------------------------------------

void TCanvas::ArcShape(ArcKind kind, int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4,
                       int Y4)
{
    const QRect outline = OutlineRect(X1, Y1, X2, Y2);
    if (outline.width() <= 0 || outline.height() <= 0 || FPen.Mode() == pmNop)
        return;
    const EllipseGeometry ellipse(outline);
    const double start = ellipse.AngleOf(QPointF(X3, Y3));
    double span = ellipse.AngleOf(QPointF(X4, Y4)) - start;
    while (span <= 0)
        span += 360; // equal radials give the whole ellipse
    const QPointF first = ellipse.PointAt(start), last = ellipse.PointAt(start + span);
    const QPointF middle = ellipse.PointAt(start + span / 2);

    const int reach = PenReach();
    if (Smoothing(Stroke::Curved)) {
        // Qt's arc angles are parametric too, in sixteenths of a degree.
        const int from16 = qRound(start * 16), span16 = qRound(span * 16);
        PaintShape(outline.adjusted(-reach, -reach, reach, reach), kind != ArcKind::Arc,
                   Stroke::Curved, [&](QPainter& p) {
                       if (kind == ArcKind::Arc)
                           p.drawArc(outline, from16, span16);
                       else if (kind == ArcKind::Pie)
                           p.drawPie(outline, from16, span16);
                       else
                           p.drawChord(outline, from16, span16);
                   });
        Changed();
        return;
    }
    // The whole ellipse, cut down to the arc's part, so that an arc lies exactly on the
    // pixels of the ellipse with the same box.
    const QRect bounds = outline.adjusted(-reach, -reach, reach, reach) & TargetRect();
    if (bounds.isEmpty())
        return;
    QImage layer = ShapeLayer(bounds, kind != ArcKind::Arc, Stroke::Curved,
                              [&](QPainter& p) { p.drawEllipse(outline); });
    if (kind == ArcKind::Chord) {
        const double arcSide = Side(first, last, middle);
        EraseUnless(layer, bounds.topLeft(),
                    [&](QPointF p) { return Side(first, last, p) * arcSide >= 0; });
        DrawOnLayer(layer, bounds.topLeft(), false, Stroke::Curved,
                    [&](QPainter& p) { p.drawLine(first, last); });
    } else {
        EraseUnless(layer, bounds.topLeft(),
                    [&](QPointF p) { return WithinSpan(ellipse.AngleOf(p), start, span); });
        if (kind == ArcKind::Pie)
            DrawOnLayer(layer, bounds.topLeft(), false, Stroke::Curved, [&](QPainter& p) {
                p.drawLine(ellipse.centre, first);
                p.drawLine(ellipse.centre, last);
            });
    }
    CombineLayer(layer, bounds.topLeft());
    Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    ArcShape(ArcKind::Arc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    ArcShape(ArcKind::Pie, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    ArcShape(ArcKind::Chord, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

} // namespace vek
