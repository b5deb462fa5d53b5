#include "rasterops.h"

namespace vek {

namespace {

// Evaluates the 8-entry truth table of a ternary raster operation bit by bit:
// entry (P << 2 | S << 1 | D) of the table byte gives the result bit.
inline quint32 Ternary(quint8 table, quint32 p, quint32 s, quint32 d)
{
    quint32 result = 0;
    for (int entry = 0; entry < 8; ++entry) {
        if (!(table & (1u << entry)))
            continue;
        const quint32 pm = (entry & 4) ? p : ~p;
        const quint32 sm = (entry & 2) ? s : ~s;
        const quint32 dm = (entry & 1) ? d : ~d;
        result |= pm & sm & dm;
    }
    return result & RGB_MASK;
}

// The result for a destination pixel the parent shows through (see header).
inline QRgb OverTransparent(quint8 table, quint32 p, quint32 s)
{
    const quint32 onWhite = Ternary(table, p, s, RGB_MASK);
    const quint32 onBlack = Ternary(table, p, s, 0);
    const bool keepsWhite = onWhite == RGB_MASK, keepsBlack = onBlack == 0;
    if (keepsWhite && keepsBlack)
        return 0; // the parent stays visible
    if (keepsWhite)
        return 0xFF000000u | onBlack;
    return 0xFF000000u | (keepsBlack ? onWhite : onBlack);
}

} // namespace

void ApplyRasterOp(QImage& target, QPoint origin, const QImage& source, const QRegion& clip,
                   quint32 rop, std::optional<QRgb> transparentColor, QRgb pattern)
{
    if (target.depth() != 32) {
        // The pixel loop below reads 32-bit words: work on a 32-bit copy.
        QImage wide = target.convertToFormat(QImage::Format_RGB32);
        ApplyRasterOp(wide, origin, source, clip, rop, transparentColor, pattern);
        target = wide.convertToFormat(target.format());
        return;
    }
    const quint8 table = quint8((rop >> 16) & 0xFF);
    const bool alphaTarget = target.hasAlphaChannel();
    const bool premultiplied = target.format() == QImage::Format_ARGB32_Premultiplied;
    const quint32 p = pattern & RGB_MASK;
    const QRect sourceBox(origin, source.size());
    for (const QRect& band : clip) {
        const QRect area = band & sourceBox & target.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y - origin.y()));
            for (int x = area.left(); x <= area.right(); ++x) {
                const quint32 s = in[x - origin.x()] & RGB_MASK;
                if (transparentColor && s == *transparentColor)
                    continue;
                if (alphaTarget && qAlpha(out[x]) == 0)
                    out[x] = OverTransparent(table, p, s);
                else
                    out[x] = 0xFF000000u |
                             Ternary(table, p, s,
                                     (premultiplied ? qUnpremultiply(out[x]) : out[x]) & RGB_MASK);
            }
        }
    }
}

QImage MaskedCopy(const QImage& image, QRgb transparentColor)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & RGB_MASK) == transparentColor)
                line[x] = 0;
    }
    return masked;
}

} // namespace vek
