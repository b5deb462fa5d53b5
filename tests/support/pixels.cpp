#include "pixels.h"

namespace vektest {

QImage Render(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

vek::TColor ColorAt(const QImage& image, int x, int y)
{
    return vek::FromQRgb(image.pixel(x, y));
}

QRect InkBounds(const QImage& image, const QRect& area, vek::TColor background)
{
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (ColorAt(image, x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountColor(const QImage& image, const QRect& area, vek::TColor color)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += ColorAt(image, x, y) == color;
    return count;
}

std::string RowPattern(const QImage& image, int y, int x0, int x1, vek::TColor ink)
{
    std::string row;
    for (int x = x0; x <= x1; ++x)
        row += ColorAt(image, x, y) == ink ? '#' : '.';
    return row;
}

std::string ColumnPattern(const QImage& image, int x, int y0, int y1, vek::TColor ink)
{
    std::string column;
    for (int y = y0; y <= y1; ++y)
        column += ColorAt(image, x, y) == ink ? '#' : '.';
    return column;
}

} // namespace vektest
