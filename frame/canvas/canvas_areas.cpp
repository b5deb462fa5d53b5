// TCanvas brush areas and single pixels: FillRect, FrameRect, DrawFocusRect,
// DottedFrameRect, FloodFill, Pixels.
#include "canvas.h"
#include "deviceunits_p.h"

#include <vector>

namespace vek {

namespace {

// The pixels of a host rectangle whose corners may come in any order.
QRect BoxOf(const TRect& r)
{
    return r.ToQRect().normalized();
}

// The pixels around a rectangle, clockwise from the top-left corner, each once.
std::vector<QPoint> OutlinePixels(const QRect& box)
{
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
    return outline;
}

// Every other pixel of the outline around box, starting at the top-left corner: dots
// that run on round the corners.
void FillDottedOutline(QPainter* p, const QRect& box, const QColor& color)
{
    const std::vector<QPoint> outline = OutlinePixels(box);
    for (size_t i = 0; i < outline.size(); i += 2)
        p->fillRect(QRect(outline[i], QSize(1, 1)), color);
}

// Scan-line fill of the 4-connected pixels that pass fillable, starting at a seed that
// passes. Each pixel is visited once, so a fill color that is itself fillable cannot
// make the fill run forever.
class FloodFiller {
public:
    FloodFiller(QImage& image, const QRect& area, std::function<bool(QRgb)> fillable)
        : FImage(image), FArea(area), FFillable(std::move(fillable)),
          FVisited(size_t(area.width()) * size_t(area.height()), false)
    {
    }

    void Fill(QPoint seed, QRgb color)
    {
        std::vector<QPoint> pending{seed};
        while (!pending.empty()) {
            const QPoint p = pending.back();
            pending.pop_back();
            if (!Open(p.x(), p.y()))
                continue;
            int left = p.x(), right = p.x();
            while (left > FArea.left() && Open(left - 1, p.y()))
                --left;
            while (right < FArea.right() && Open(right + 1, p.y()))
                ++right;
            for (int x = left; x <= right; ++x) {
                Visit(x, p.y());
                FImage.setPixel(x, p.y(), color);
                for (int y : {p.y() - 1, p.y() + 1})
                    if (y >= FArea.top() && y <= FArea.bottom() && Open(x, y))
                        pending.emplace_back(x, y);
            }
        }
    }

private:
    size_t Index(int x, int y) const
    {
        return size_t(y - FArea.top()) * size_t(FArea.width()) + size_t(x - FArea.left());
    }
    bool Open(int x, int y) const
    {
        return !FVisited[Index(x, y)] && FFillable(FImage.pixel(x, y) & RGB_MASK);
    }
    void Visit(int x, int y) { FVisited[Index(x, y)] = true; }

    QImage& FImage;
    QRect FArea;
    std::function<bool(QRgb)> FFillable;
    std::vector<bool> FVisited;
};

} // namespace

void TCanvas::FillRect(const TRect& r)
{
    if (FBrush.Style() == bsClear)
        return;
    const QRect box = BoxOf(r);
    QPainter* p = Prepare(QPainter::CompositionMode_SourceOver);
    if (p && FBrush.Style() == bsSolid)
        p->fillRect(box, ToQColor(FBrush.Color()));
    else if (p)
        p->fillRect(box, QtBrush());
    Changed();
    if (p && FBrush.Style() == bsSolid)
        FLastFill.emplace(box, ToQRgb(FBrush.Color()));
}

void TCanvas::FrameRect(const TRect& r)
{
    const QRect box = BoxOf(r);
    if (box.isEmpty() || FBrush.Style() == bsClear)
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
    const QRect box = BoxOf(r);
    if (box.isEmpty())
        return;
    // Every other outline pixel is inverted: drawing the same rectangle again restores
    // the pixels.
    if (QPainter* p = Prepare(QPainter::RasterOp_SourceXorDestination))
        FillDottedOutline(p, box, Qt::white);
    Changed();
}

void TCanvas::DottedFrameRect(const TRect& r)
{
    const QRect box = BoxOf(r);
    if (box.isEmpty() || FBrush.Style() == bsClear)
        return;
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver))
        FillDottedOutline(p, box, ToQColor(FBrush.Color()));
    Changed();
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle)
{
    QImage* image = PixelTarget();
    if (!image || !ClipRegion().boundingRect().contains(X, Y))
        return;
    // The fill runs over device pixels, so it stops at the real edges of what was drawn.
    const qreal ratio = image->devicePixelRatio();
    const QRect area = deviceunits::Box(ClipRegion().boundingRect(), ratio) & image->rect();
    const QPoint seed = deviceunits::Sample(X, Y, ratio);
    if (!area.contains(seed))
        return;
    const QRgb reference = ToQRgb(Color) & RGB_MASK;
    FloodFiller filler(*image, area, [&](QRgb c) {
        return FillStyle == fsSurface ? c == reference : c != reference;
    });
    filler.Fill(seed, ToQRgb(FBrush.Color()));
    Changed();
}

TColor TCanvas::Pixels(int X, int Y) const
{
    // Reading needs the pending drawing on the image; that does not change the picture.
    QImage* image = const_cast<TCanvas*>(this)->PixelTarget();
    if (!image || !TargetRect().contains(X, Y))
        return 0xFFFFFFFF;
    const QPoint pixel = deviceunits::Sample(X, Y, image->devicePixelRatio());
    if (!image->rect().contains(pixel))
        return 0xFFFFFFFF;
    return FromQRgb(image->pixel(pixel));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    QImage* image = PixelTarget();
    if (!image || !TargetRect().contains(X, Y) || !ClipRegion().contains(QPoint(X, Y)))
        return;
    const QRect pixels =
        deviceunits::Box(QRect(X, Y, 1, 1), image->devicePixelRatio()) & image->rect();
    const QRgb rgb = ToQRgb(Color);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            image->setPixel(x, y, rgb);
    Changed();
}

} // namespace vek
