// Pixel helpers for tests: read colors of rendered images in TColor form and find
// where something was drawn.
#pragma once

#include <frame/canvas/colors.h>

#include <QImage>
#include <QRect>
#include <QWidget>

#include <string>

namespace vektest {

// The widget as painted now (grab), as a 32-bit RGB image.
QImage Render(QWidget* widget);

// The color of one pixel as 0x00BBGGRR.
vek::TColor ColorAt(const QImage& image, int x, int y);

// Bounding box of the pixels inside area whose color differs from background;
// an empty QRect when there are none.
QRect InkBounds(const QImage& image, const QRect& area, vek::TColor background);

// Number of pixels of exactly this color inside area.
int CountColor(const QImage& image, const QRect& area, vek::TColor color);

// A row (or column) as text: '#' where the pixel has color ink, '.' elsewhere.
std::string RowPattern(const QImage& image, int y, int x0, int x1, vek::TColor ink);
std::string ColumnPattern(const QImage& image, int x, int y0, int y1, vek::TColor ink);

// Number of pixels inside area whose contrast with background (vek::ContrastRatio) is
// at least ratio.
int CountContrasting(const QImage& image, const QRect& area, vek::TColor background,
                     double ratio);

// The number of aligned 2 x 2 pixel blocks that are not all one color: none in a picture
// upscaled from half the resolution.
int MixedDeviceBlocks(const QImage& image);

} // namespace vektest
