// TCanvas core: binding to a target, the painter, the drawing tools and clipping.
#include "canvas.h"
#include "canvas_face_p.h"

namespace vek {

namespace {

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

} // namespace

TCanvas::TCanvas()
{
    FFont.OnChange = [this] { FFaceValid = false; };
}

TCanvas::TCanvas(QImage* target) : TCanvas()
{
    FTarget = target;
}

TCanvas::~TCanvas()
{
    Flush();
    for (auto face = FFaces.rbegin(); face != FFaces.rend(); ++face)
        Face::GiveBack(std::move(*face));
}

void TCanvas::Bind(QImage* target)
{
    Flush();
    FTarget = target;
    FClipRegion.reset();
    FLastFill.reset();
}

void TCanvas::BeginBorrow(QPainter* painter)
{
    Flush();
    FBorrowed = painter;
    FBorrowed->save();
    FBorrowClip = painter->hasClipping() ? painter->clipRegion() : QRegion();
    FClipRegion.reset();
    ForgetPainterState();
}

void TCanvas::EndBorrow()
{
    if (FBorrowed)
        FBorrowed->restore();
    FBorrowed = nullptr;
    FClipRegion.reset();
    ForgetPainterState();
}

void TCanvas::Flush()
{
    if (FOwnPainter && FOwnPainter->isActive())
        FOwnPainter->end();
    ForgetPainterState();
}

void TCanvas::ForgetPainterState()
{
    FLastFill.reset();
    FPainterKnown = false;
    FPainterFace = nullptr;
}

QPainter* TCanvas::ActivePainter()
{
    if (FBorrowed)
        return FBorrowed;
    if (!FTarget || FTarget->isNull())
        return nullptr;
    if (!FOwnPainter)
        FOwnPainter = std::make_unique<QPainter>();
    if (!FOwnPainter->isActive()) {
        FOwnPainter->begin(FTarget);
        ForgetPainterState();
    }
    return FOwnPainter.get();
}

QImage* TCanvas::PixelTarget()
{
    if (FBorrowed || !FTarget || FTarget->isNull())
        return nullptr;
    Flush();
    return FTarget;
}

qreal TCanvas::DevicePixelRatio() const
{
    if (FBorrowed)
        return FBorrowed->device() ? FBorrowed->device()->devicePixelRatio() : 1.0;
    return FTarget && !FTarget->isNull() ? FTarget->devicePixelRatio() : 1.0;
}

QRect TCanvas::TargetRect() const
{
    if (!FBorrowed) {
        // Asked for on every drawing call: the image's own sizes, not its device metrics.
        if (!FTarget)
            return QRect();
        const qreal ratio = FTarget->devicePixelRatio();
        return QRect(0, 0, qRound(FTarget->width() / ratio), qRound(FTarget->height() / ratio));
    }
    const QPaintDevice* device = FBorrowed->device();
    if (!device)
        return QRect();
    // Widgets measure themselves in logical pixels, images and pixmaps in device pixels.
    if (device->devType() == QInternal::Widget)
        return QRect(0, 0, device->width(), device->height());
    const qreal ratio = device->devicePixelRatio();
    return QRect(0, 0, qRound(device->width() / ratio), qRound(device->height() / ratio));
}

QRegion TCanvas::ClipRegion() const
{
    const QRect target = TargetRect();
    if (!FClipRegion || target != FClipRegionTarget) {
        QRegion region = FBorrowed && !FBorrowClip.isEmpty() ? FBorrowClip : QRegion(target);
        if (FHasClip)
            region &= FClip.ToQRect();
        FClipRegion = region;
        FClipRegionTarget = target;
    }
    return *FClipRegion;
}

void TCanvas::ApplyClip(QPainter& p, const QRegion& clip)
{
    if (FPainterKnown && clip == FPainterClip)
        return;
    p.setClipRegion(clip);
    FPainterClip = clip;
    FPainterKnown = true;
}

QPainter* TCanvas::Prepare(QPainter::CompositionMode mode, const std::optional<QRegion>& within)
{
    QPainter* p = ActivePainter();
    if (!p)
        return nullptr;
    // Each setter marks state for the paint engine to take over, so only what differs
    // is set: grids prepare the painter thousands of times per paint.
    if (p->compositionMode() != mode)
        p->setCompositionMode(mode);
    constexpr QPainter::RenderHints smoothing =
        QPainter::Antialiasing | QPainter::SmoothPixmapTransform;
    if (p->renderHints() & smoothing)
        p->setRenderHints(smoothing, false);
    if (p->transform().type() != QTransform::TxNone)
        p->resetTransform();
    // Clipping stays on: once a raster painter's clipping was switched off, a later
    // setClipRegion no longer takes effect (Qt 6.4), and lines would keep their end.
    ApplyClip(*p, within ? ClipRegion() & *within : ClipRegion());
    return p;
}

QPainter* TCanvas::Painter()
{
    QPainter* p = Prepare(QPainter::CompositionMode_SourceOver);
    // Whoever draws through it may change its clip and font, and what it shows.
    ForgetPainterState();
    FLastFill.reset();
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
        // A square cap makes a one-pixel line cover both of its end points.
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
    return CurrentFace().font;
}

void TCanvas::Changed()
{
    FLastFill.reset();
    if (OnChange)
        OnChange();
}

TRect TCanvas::ClipRect() const
{
    return TRect::FromQRect(ClipRegion().boundingRect());
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    const TRect current = FHasClip ? FClip : TRect::FromQRect(TargetRect());
    FClip = TRect::FromQRect(current.ToQRect() & r.ToQRect().normalized());
    FHasClip = true;
    FClipRegion.reset();
    FLastFill.reset();
}

void TCanvas::ResetClip()
{
    FHasClip = false;
    FClipRegion.reset();
    FLastFill.reset();
}

void TCanvas::Clear()
{
    QPainter* p = Prepare(QPainter::CompositionMode_Source);
    if (!p)
        return;
    const bool alpha = FTarget && FTarget->hasAlphaChannel() && !FBorrowed;
    p->fillRect(TargetRect(), alpha ? QColor(Qt::transparent) : ToQColor(FBrush.Color()));
    Changed();
}

} // namespace vek
