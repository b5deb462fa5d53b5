// The seven-segment glyphs: segment shapes recolored to the text color, glyphs composed
// at full resolution, and the cache of 21 cells scaled to the display's cell size.
#pragma once

#include <frame/bitmap.h>

#include <QChar>
#include <QImage>

#include <array>
#include <vector>

namespace vek::sevenseg {

constexpr int GlyphWidth = 312;
constexpr int GlyphHeight = 432;
constexpr int CellCount = 21;

// The six segment images, black shapes on white as stored in the resources, or
// recolored copies of them.
struct SegmentSet {
    QImage vert, horz, dot, plus, colon, deg;
};

// The shapes as loaded from the library's resources (loaded once).
const SegmentSet& PristineSegments();

// Copies of the shapes whose black areas are flood-filled with color (pure white
// becomes $FEFEFE, as white marks the background).
SegmentSet RecolorSegments(const SegmentSet& pristine, QRgb color);

// One glyph at full resolution on the background: the lit segments of ch combined with
// AND on white, plus the decimal point when asked; the white around and inside the
// shapes becomes background.
QImage ComposeGlyph(const SegmentSet& segments, QChar ch, bool point, QRgb background);

// Index of ch (upper-cased) in SevenSegCharList, or -1.
int CellIndexOf(QChar ch);

// The 21 glyph cells, each scaled smoothly to cellWidth x height, side by side. Glyphs
// are composed once per color pair and kept, so a resize only scales them again.
class GlyphCache {
public:
    // Rebuilds what the new parameters make stale; false when a cell would be empty.
    bool Update(QRgb text, QRgb background, int cellWidth, int height);
    const TBitmap& Cells() const { return FCells; }
    void Clear();

private:
    void ComposeAll(QRgb text, QRgb background);
    void ScaleAll(QRgb background, int cellWidth, int height);

    std::vector<QImage> FGlyphs; // full resolution, for FText/FBackground
    QRgb FText = 0;
    QRgb FBackground = 0;
    int FCellWidth = 0;
    int FHeight = 0;
    TBitmap FCells;
};

} // namespace vek::sevenseg
