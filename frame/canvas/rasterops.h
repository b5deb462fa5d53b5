// Ternary raster operations (source, destination, brush pattern) on images, the engine
// behind CopyRect, Draw, StretchDraw and StretchBlt. Internal to the frame.
#pragma once

#include <QImage>
#include <QRegion>

#include <optional>

namespace vek {

/// Combines source (32-bit RGB, placed with its top-left corner at origin) into target
/// inside clip with the raster operation rop (the host's codes: SRCCOPY 0x00CC0020,
/// SRCAND 0x008800C6, ...), using pattern as the brush color. Source pixels of the
/// transparent color are left out. Targets of other than 32 bits per pixel are combined
/// through a 32-bit copy.
///
/// A target with an alpha channel stands for a control whose parent shows through its
/// transparent pixels. There a transparent pixel counts as white for AND-like operations
/// and as black for the rest, and stays transparent when the operation would leave the
/// parent unchanged (a white source under SRCAND, a black one under SRCPAINT).
void ApplyRasterOp(QImage& target, QPoint origin, const QImage& source, const QRegion& clip,
                   quint32 rop, std::optional<QRgb> transparentColor, QRgb pattern);

/// A copy of image with the pixels of the given color made fully transparent.
QImage MaskedCopy(const QImage& image, QRgb transparentColor);

} // namespace vek
