// Logical coordinates to device pixels for targets with a device pixel ratio. Drawing
// through QPainter scales by itself; these serve the operations that touch pixels
// directly (pixel access, flood fills, raster operations, copies).
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cmath>

namespace vek::deviceunits {

/// The device coordinate where logical coordinate v begins.
inline int Scaled(int v, qreal ratio)
{
    return ratio == 1.0 ? v : int(std::lround(v * ratio));
}

/// The device pixels that make up the logical pixels of box.
inline QRect Box(const QRect& box, qreal ratio)
{
    if (ratio == 1.0 || box.isEmpty())
        return box;
    return QRect(QPoint(Scaled(box.left(), ratio), Scaled(box.top(), ratio)),
                 QPoint(Scaled(box.right() + 1, ratio) - 1, Scaled(box.bottom() + 1, ratio) - 1));
}

inline QRegion Region(const QRegion& region, qreal ratio)
{
    if (ratio == 1.0)
        return region;
    QRegion scaled;
    for (const QRect& r : region)
        scaled += Box(r, ratio);
    return scaled;
}

/// The logical pixels touched by device pixels (rounded outwards).
inline QRegion Logical(const QRegion& region, qreal ratio)
{
    if (ratio == 1.0)
        return region;
    QRegion logical;
    for (const QRect& r : region)
        logical += QRect(QPoint(int(std::floor(r.left() / ratio)), int(std::floor(r.top() / ratio))),
                         QPoint(int(std::ceil((r.right() + 1) / ratio)) - 1,
                                int(std::ceil((r.bottom() + 1) / ratio)) - 1));
    return logical;
}

/// The device pixel that stands for logical pixel (x, y): the one under its centre.
inline QPoint Sample(int x, int y, qreal ratio)
{
    if (ratio == 1.0)
        return QPoint(x, y);
    return QPoint(int(std::floor((x + 0.5) * ratio)), int(std::floor((y + 0.5) * ratio)));
}

/// The image's pixels as an image of ratio 1 sharing the same memory, for painting in
/// device coordinates.
inline QImage RawView(QImage& image)
{
    return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

/// An image of size logical x ratio with that ratio set.
inline QImage Create(QSize logical, QImage::Format format, qreal ratio)
{
    QImage image(Box(QRect(QPoint(), logical), ratio).size(), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace vek::deviceunits
