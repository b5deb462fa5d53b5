#include "canvas.h"

#include "bitmap.h"
#include "rasterops.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <utility>
#include <vector>

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

Qt::BrushStyle QtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

// Dash patterns of one-pixel styled pens, in pixels (on, off, ...).
QVector<qreal> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
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

// Angle in Qt's 1/16 degree units of the radial through (x, y) on the ellipse inside r.
double RadialAngle(const QRectF& r, double x, double y)
{
    const double a = r.width() / 2, b = r.height() / 2;
    const double dx = x - r.center().x(), dy = y - r.center().y();
    return std::atan2(-dy / b, dx / a) * 180.0 / M_PI;
}

} // namespace

TCanvas::TCanvas()
{
    FFont.OnChange = [this] { FQFontValid = false; };
}

TCanvas::TCanvas(QImage* target) : TCanvas()
{
    FTarget = target;
}

TCanvas::~TCanvas()
{
    Flush();
}

void TCanvas::Bind(QImage* target)
{
    Flush();
    FTarget = target;
}

void TCanvas::BeginBorrow(QPainter* painter)
{
    Flush();
    FBorrowed = painter;
    FBorrowed->save();
    FBorrowClip = painter->hasClipping() ? painter->clipRegion() : QRegion();
}

void TCanvas::EndBorrow()
{
    if (FBorrowed)
        FBorrowed->restore();
    FBorrowed = nullptr;
}

void TCanvas::Flush()
{
    if (FOwnPainter && FOwnPainter->isActive())
        FOwnPainter->end();
}

QPainter* TCanvas::ActivePainter()
{
    if (FBorrowed)
        return FBorrowed;
    if (!FTarget || FTarget->isNull())
        return nullptr;
    if (!FOwnPainter)
        FOwnPainter = std::make_unique<QPainter>();
    if (!FOwnPainter->isActive())
        FOwnPainter->begin(FTarget);
    return FOwnPainter.get();
}

QRect TCanvas::DeviceRect() const
{
    if (FBorrowed && FBorrowed->device())
        return QRect(0, 0, FBorrowed->device()->width(), FBorrowed->device()->height());
    return FTarget ? FTarget->rect() : QRect();
}

QRegion TCanvas::ClipRegion() const
{
    QRegion region = FBorrowed && !FBorrowClip.isEmpty() ? FBorrowClip : QRegion(DeviceRect());
    if (FHasClip)
        region &= FClip.ToQRect();
    return region;
}

QPainter* TCanvas::Prepare(QPainter::CompositionMode mode, const QRegion& excluded)
{
    QPainter* p = ActivePainter();
    if (!p)
        return nullptr;
    p->setCompositionMode(mode);
    p->setRenderHint(QPainter::Antialiasing, FAntialiasing);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->resetTransform();
    if (FHasClip || !excluded.isEmpty() || (FBorrowed && !FBorrowClip.isEmpty()))
        p->setClipRegion(ClipRegion() - excluded);
    else
        p->setClipping(false);
    return p;
}

QPainter* TCanvas::Painter()
{
    return Prepare(QPainter::CompositionMode_SourceOver);
}

QPainter* TCanvas::BeginShape(bool withBrush, const QRegion& excluded)
{
    if (FPen.Mode() == pmNop)
        return nullptr;
    QPainter* p = Prepare(PenComposition(FPen.Mode()), excluded);
    if (!p)
        return nullptr;
    p->setPen(QtPen());
    p->setBrush(withBrush ? QtBrush() : QBrush(Qt::NoBrush));
    return p;
}

QPen TCanvas::QtPen() const
{
    if (FPen.Style() == psClear)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(FPen.Color()));
    const int width = std::max(1, FPen.Width());
    pen.setWidth(width);
    if (width == 1) {
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        const QVector<qreal> dashes = DashPattern(FPen.Style());
        if (!dashes.isEmpty())
            pen.setDashPattern(dashes);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QBrush TCanvas::QtBrush() const
{
    return QBrush(ToQColor(FBrush.Color()), QtBrushStyle(FBrush.Style()));
}

const QFont& TCanvas::QtFont()
{
    if (!FQFontValid) {
        FQFont = FFont.ToQFont();
        FQFontValid = true;
    }
    return FQFont;
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange();
}

TRect TCanvas::ClipRect() const
{
    return TRect::FromQRect(ClipRegion().boundingRect());
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    const TRect current = FHasClip ? FClip : TRect::FromQRect(DeviceRect());
    FClip = TRect::FromQRect(current.ToQRect() & r.ToQRect());
    FHasClip = true;
}

void TCanvas::ResetClip()
{
    FHasClip = false;
}

// ---- lines and shapes ----------------------------------------------------------------

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
    if (FPen.Width() > 1) {
        // Wide pens have round ends and reach the end point.
        if (QPainter* p = BeginShape(false))
            p->drawLine(from, to);
        Changed();
        return;
    }
    // A square-capped one-pixel line covers both end points; the end point is then
    // clipped away. Horizontal and vertical lines simply stop one pixel short.
    if (from.y() == to.y() || from.x() == to.x()) {
        const TPoint step((to.x() > from.x()) - (to.x() < from.x()),
                          (to.y() > from.y()) - (to.y() < from.y()));
        if (QPainter* p = BeginShape(false))
            p->drawLine(from, to - step);
    } else if (QPainter* p = BeginShape(false, QRegion(to.x(), to.y(), 1, 1))) {
        p->drawLine(from, to);
    }
    Changed();
}

void TCanvas::Polyline(const QVector<TPoint>& points)
{
    for (int i = 1; i < points.size(); ++i)
        DrawLineSegment(points[i - 1], points[i]);
}

void TCanvas::Polygon(const QVector<TPoint>& points)
{
    if (points.size() < 2)
        return;
    if (QPainter* p = BeginShape(true))
        p->drawPolygon(points.constData(), int(points.size()), Qt::OddEvenFill);
    Changed();
}

void TCanvas::Rectangle(int Left, int Top, int Right, int Bottom)
{
    const QRect outline = OutlineRect(Left, Top, Right, Bottom);
    if (outline.width() < 0 || outline.height() < 0)
        return;
    if (FPen.Style() == psClear) {
        // Without a pen the filled area is one pixel smaller at the right and bottom.
        if (QPainter* p = BeginShape(true))
            p->fillRect(QRect(outline.topLeft(), outline.size()), p->brush());
    } else if (outline.width() == 0 || outline.height() == 0) {
        // One pixel wide or high: the outline covers everything.
        if (QPainter* p = BeginShape(false))
            p->fillRect(outline.adjusted(0, 0, 1, 1), p->pen().color());
    } else if (QPainter* p = BeginShape(true)) {
        p->drawRect(outline);
    }
    Changed();
}

void TCanvas::RoundRect(int Left, int Top, int Right, int Bottom, int CornerW, int CornerH)
{
    const QRect outline = OutlineRect(Left, Top, Right, Bottom);
    if (outline.width() < 0 || outline.height() < 0)
        return;
    if (QPainter* p = BeginShape(true))
        p->drawRoundedRect(outline, CornerW / 2.0, CornerH / 2.0);
    Changed();
}

void TCanvas::FillRect(const TRect& r)
{
    if (FBrush.Style() == bsClear)
        return;
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver))
        p->fillRect(r.ToQRect().normalized(), QtBrush());
    Changed();
}

void TCanvas::FrameRect(const TRect& r)
{
    const QRect box = r.ToQRect().normalized();
    if (box.isEmpty())
        return;
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver)) {
        const QColor color = ToQColor(FBrush.Color());
        p->fillRect(QRect(box.left(), box.top(), box.width(), 1), color);
        p->fillRect(QRect(box.left(), box.bottom(), box.width(), 1), color);
        p->fillRect(QRect(box.left(), box.top(), 1, box.height()), color);
        p->fillRect(QRect(box.right(), box.top(), 1, box.height()), color);
    }
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    const QRect box = r.ToQRect().normalized();
    if (box.isEmpty())
        return;
    // Walk the outline once and invert every other pixel: drawing the same rectangle
    // again restores the pixels.
    std::vector<QPoint> outline;
    for (int x = box.left(); x <= box.right(); ++x)
        outline.emplace_back(x, box.top());
    for (int y = box.top() + 1; y <= box.bottom(); ++y)
        outline.emplace_back(box.right(), y);
    if (box.height() > 1)
        for (int x = box.right() - 1; x >= box.left(); --x)
            outline.emplace_back(x, box.bottom());
    if (box.width() > 1)
        for (int y = box.bottom() - 1; y > box.top(); --y)
            outline.emplace_back(box.left(), y);
    if (QPainter* p = Prepare(QPainter::RasterOp_SourceXorDestination))
        for (size_t i = 0; i < outline.size(); i += 2)
            p->fillRect(QRect(outline[i], QSize(1, 1)), Qt::white);
    Changed();
}

void TCanvas::Ellipse(int Left, int Top, int Right, int Bottom)
{
    const QRect outline = OutlineRect(Left, Top, Right, Bottom);
    if (outline.width() < 0 || outline.height() < 0)
        return;
    if (QPainter* p = BeginShape(true))
        p->drawEllipse(outline);
    Changed();
}

void TCanvas::ArcShape(ArcKind kind, int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4,
                       int Y4)
{
    const QRect outline = OutlineRect(X1, Y1, X2, Y2);
    if (outline.width() <= 0 || outline.height() <= 0)
        return;
    // Radials are measured on the host's box (edges exclusive), which is also where Qt
    // puts the centre of the outline.
    const QRectF box(outline.left(), outline.top(), outline.width(), outline.height());
    const double start = RadialAngle(box, X3, Y3);
    double span = RadialAngle(box, X4, Y4) - start;
    while (span <= 0)
        span += 360;
    const int a = int(std::lround(start * 16)), s = int(std::lround(span * 16));
    if (QPainter* p = BeginShape(kind != ArcKind::Arc)) {
        switch (kind) {
        case ArcKind::Arc: p->drawArc(outline, a, s); break;
        case ArcKind::Pie: p->drawPie(outline, a, s); break;
        case ArcKind::Chord: p->drawChord(outline, a, s); break;
        }
    }
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

// ---- pixels --------------------------------------------------------------------------

QImage* TCanvas::PixelTarget()
{
    if (FBorrowed || !FTarget || FTarget->isNull())
        return nullptr;
    Flush();
    return FTarget;
}

TColor TCanvas::Pixels(int X, int Y) const
{
    auto* self = const_cast<TCanvas*>(this);
    QImage* image = self->PixelTarget();
    if (!image || !image->rect().contains(X, Y))
        return 0xFFFFFFFF;
    return FromQRgb(image->pixel(X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    QImage* image = PixelTarget();
    if (!image || !image->rect().contains(X, Y) || !ClipRegion().contains(QPoint(X, Y)))
        return;
    image->setPixel(X, Y, ToQRgb(Color));
    Changed();
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle)
{
    QImage* image = PixelTarget();
    if (!image)
        return;
    const QRect area = ClipRegion().boundingRect() & image->rect();
    if (!area.contains(X, Y))
        return;
    const QRgb reference = ToQRgb(Color) & RGB_MASK;
    const QRgb fill = ToQRgb(FBrush.Color());
    auto pixelAt = [&](int x, int y) { return image->pixel(x, y) & RGB_MASK; };
    auto fillable = [&](int x, int y) {
        const QRgb c = pixelAt(x, y);
        return FillStyle == fsSurface ? c == reference : c != reference;
    };
    if (!fillable(X, Y))
        return;
    // Scan-line fill over the 4-connected region; visited marks keep border fills from
    // looping when the fill color is part of the region.
    std::vector<bool> visited(size_t(area.width()) * size_t(area.height()), false);
    auto seen = [&](int x, int y) {
        return visited[size_t(y - area.top()) * size_t(area.width()) + size_t(x - area.left())];
    };
    std::vector<QPoint> stack{QPoint(X, Y)};
    while (!stack.empty()) {
        const QPoint seed = stack.back();
        stack.pop_back();
        int y = seed.y(), left = seed.x(), right = seed.x();
        if (seen(left, y) || !fillable(left, y))
            continue;
        while (left > area.left() && !seen(left - 1, y) && fillable(left - 1, y))
            --left;
        while (right < area.right() && !seen(right + 1, y) && fillable(right + 1, y))
            ++right;
        for (int x = left; x <= right; ++x) {
            seen(x, y) = true;
            image->setPixel(x, y, fill);
            for (int ny : {y - 1, y + 1})
                if (ny >= area.top() && ny <= area.bottom() && !seen(x, ny) && fillable(x, ny))
                    stack.emplace_back(x, ny);
        }
    }
    Changed();
}

// ---- text ----------------------------------------------------------------------------

int TCanvas::TextWidth(const QString& Text)
{
    return QFontMetrics(QtFont()).horizontalAdvance(Text);
}

int TCanvas::TextHeight(const QString&)
{
    return QFontMetrics(QtFont()).height();
}

QSize TCanvas::TextExtent(const QString& Text)
{
    return QSize(TextWidth(Text), TextHeight(Text));
}

void TCanvas::DrawTextCell(QPainter* p, int X, int Y, const QString& Text, bool opaque)
{
    const QFontMetrics metrics(QtFont());
    p->setFont(QtFont());
    p->translate(X, Y);
    if (FFont.Orientation() != 0)
        p->rotate(-FFont.Orientation() / 10.0);
    if (opaque)
        p->fillRect(QRect(0, 0, metrics.horizontalAdvance(Text), metrics.height()),
                    ToQColor(FBrush.Color()));
    p->setPen(ToQColor(FFont.Color()));
    p->drawText(QPoint(0, metrics.ascent()), Text);
    p->resetTransform();
}

void TCanvas::TextOut(int X, int Y, const QString& Text)
{
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver))
        DrawTextCell(p, X, Y, Text, FBrush.Style() == bsSolid);
    FPenPos = TPoint(X + TextWidth(Text), Y);
    Changed();
}

void TCanvas::TextRect(const TRect& r, int X, int Y, const QString& Text)
{
    const QRect box = r.ToQRect().normalized();
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver)) {
        p->setClipRegion(ClipRegion() & box);
        if (FBrush.Style() != bsClear)
            p->fillRect(box, ToQColor(FBrush.Color()));
        DrawTextCell(p, X, Y, Text, false);
    }
    Changed();
}

// ---- bitmap transfer -----------------------------------------------------------------

void TCanvas::Draw(int X, int Y, const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    const QImage& image = Bitmap->Image();
    Compose(TRect(X, Y, X + image.width(), Y + image.height()), image, FCopyMode,
            TransparentKey(Bitmap));
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    Compose(r, Bitmap->Image(), FCopyMode, TransparentKey(Bitmap));
}

std::optional<QRgb> TCanvas::TransparentKey(const TBitmap* Bitmap)
{
    if (!Bitmap->Transparent())
        return std::nullopt;
    return ToQRgb(Bitmap->TransparentColor()) & RGB_MASK;
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect)
{
    StretchBlt(Dest, Source, SourceRect, FCopyMode);
}

void TCanvas::StretchBlt(const TRect& Dest, TCanvas* Source, const TRect& SourceRect,
                         TCopyMode Rop)
{
    if (!Source)
        return;
    // Copy first: source and destination may be the same image.
    const QImage part = Source->ReadRect(SourceRect);
    Compose(Dest, part, Rop, std::nullopt);
}

void TCanvas::StretchBlt(const TRect& Dest, const QImage& Source, const TRect& SourceRect,
                         TCopyMode Rop)
{
    Compose(Dest, Source.copy(SourceRect.ToQRect().normalized()), Rop, std::nullopt);
}

QImage TCanvas::ReadRect(const TRect& r)
{
    QImage* image = PixelTarget();
    const QRect box = r.ToQRect().normalized();
    if (!image) {
        QImage blank(box.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        return blank;
    }
    return image->copy(box);
}

void TCanvas::Compose(const TRect& Dest, const QImage& Source, TCopyMode Rop,
                      std::optional<QRgb> TransparentColor)
{
    if (Source.isNull() || Dest.Width() == 0 || Dest.Height() == 0)
        return;
    // Negative extents mirror the source, as with the host's stretching.
    const QRect box = Dest.ToQRect().normalized();
    QImage source = Source.mirrored(Dest.Width() < 0, Dest.Height() < 0);
    if (source.size() != box.size())
        source = source.scaled(box.size(), Qt::IgnoreAspectRatio,
                               FStretchMode == smHalftone ? Qt::SmoothTransformation
                                                          : Qt::FastTransformation);
    source = source.convertToFormat(QImage::Format_RGB32);
    const QRegion clip = ClipRegion() & box;
    if (clip.isEmpty())
        return;
    if (Rop == cmSrcCopy && FTarget && !FBorrowed) {
        // Plain and masked copies need no read-back: let the painter blit them.
        QPainter* p = Prepare(TransparentColor ? QPainter::CompositionMode_SourceOver
                                               : QPainter::CompositionMode_Source);
        p->setClipRegion(clip);
        p->drawImage(box.topLeft(),
                     TransparentColor ? MaskedCopy(source, *TransparentColor) : source);
    } else if (QImage* image = PixelTarget()) {
        ApplyRasterOp(*image, box.topLeft(), source, clip, Rop, TransparentColor,
                      ToQRgb(FBrush.Color()));
    } else if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver)) {
        // A borrowed painter cannot be read back: only plain and masked copies work.
        if (TransparentColor)
            source = MaskedCopy(source, *TransparentColor);
        p->setClipRegion(clip);
        p->drawImage(box.topLeft(), source);
    }
    Changed();
}

void TCanvas::Clear()
{
    QPainter* p = Prepare(QPainter::CompositionMode_Source);
    if (!p)
        return;
    const bool alpha = FTarget && FTarget->hasAlphaChannel() && !FBorrowed;
    p->fillRect(DeviceRect(), alpha ? QColor(Qt::transparent) : ToQColor(FBrush.Color()));
    Changed();
}

} // namespace vek
