// The seven-segment glyphs: segment shapes recolored to the text color, glyphs composed
// at full resolution, and the cache of 21 cells scaled to the display's cell size.
#pragma once

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

// The 21 glyph cells, each scaled smoothly to cellWidth x height, side by side. A cell
// is composed and scaled on its first use after a change, so a display showing digits
// only never pays for the letters; composed glyphs are kept per color pair, so a resize
// only scales again. The strip is made at the screen's device pixel ratio: cell k
// covers the logical columns k * cellWidth .. (k + 1) * cellWidth - 1, and the
// full-resolution glyphs are scaled straight to the device pixels of that area, so the
// segments stay sharp on a dense screen.
class GlyphCache {
public:
    // Takes the colors, cell size and ratio; false (and an empty cache) when a cell
    // would be empty.
    bool Update(QRgb text, QRgb background, int cellWidth, int height, qreal ratio = 1.0);
    // The strip of cells with cell k (0..20) ready.
    const QImage& Cells(int k);
    void Clear();

private:
    const QImage& Glyph(int k);

    std::array<QImage, CellCount> FGlyphs; // full resolution, for FText/FBackground
    std::array<bool, CellCount> FScaled{};
    SegmentSet FRecolored;
    bool FRecoloredValid = false;
    QRgb FText = 0;
    QRgb FBackground = 0;
    int FCellWidth = 0;
    int FHeight = 0;
    qreal FRatio = 1.0;
    QImage FCells;
};

} // namespace vek::sevenseg
