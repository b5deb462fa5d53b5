#include "contrast.h"

#include <cmath>
#include <vector>

namespace vektest {

std::vector<TextRegion> TextRegions(const QImage& withGlyphs, const QImage& withoutGlyphs,
                                    int gap)
{
    const QImage a = withGlyphs.convertToFormat(QImage::Format_RGB32);
    const QImage b = withoutGlyphs.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(a.width(), b.width()), h = std::min(a.height(), b.height());
    const auto index = [w](int x, int y) { return size_t(y) * size_t(w) + size_t(x); };
    std::vector<char> changed(size_t(w) * size_t(h), 0), seen(changed.size(), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            changed[index(x, y)] = (a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK);

    std::vector<TextRegion> regions;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (!changed[index(x0, y0)] || seen[index(x0, y0)])
                continue;
            TextRegion region;
            std::vector<QPoint> pending{QPoint(x0, y0)};
            seen[index(x0, y0)] = 1;
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                region.bounds |= QRect(p, QSize(1, 1));
                ++region.pixels;
                const double contrast = PixelContrast(a.pixel(p), b.pixel(p));
                if (contrast > region.contrast) {
                    region.contrast = contrast;
                    region.ink = a.pixel(p);
                    region.background = b.pixel(p);
                }
                for (int dy = -gap; dy <= gap; ++dy)
                    for (int dx = -gap; dx <= gap; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x < 0 || y < 0 || x >= w || y >= h || seen[index(x, y)] ||
                            !changed[index(x, y)])
                            continue;
                        seen[index(x, y)] = 1;
                        pending.emplace_back(x, y);
                    }
            }
            regions.push_back(region);
        }
    return regions;
}

} // namespace vektest
