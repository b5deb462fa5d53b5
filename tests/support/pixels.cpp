#include "pixels.h"

#include <frame/baselib/textcolors.h>

#include <algorithm>
#include <cmath>

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

int CountContrasting(const QImage& image, const QRect& area, vek::TColor background,
                     double ratio)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += vek::ContrastRatio(ColorAt(image, x, y), background) >= ratio;
    return count;
}

int MixedDeviceBlocks(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int mixed = 0;
    for (int y = 0; y + 1 < rgb.height(); y += 2)
        for (int x = 0; x + 1 < rgb.width(); x += 2) {
            const QRgb c = rgb.pixel(x, y);
            mixed += rgb.pixel(x + 1, y) != c || rgb.pixel(x, y + 1) != c ||
                     rgb.pixel(x + 1, y + 1) != c;
        }
    return mixed;
}

} // namespace vektest
