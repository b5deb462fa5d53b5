#include "glyphcache.h"

#include "VEK_sevenseg.h"

#include <frame/canvas/bitmap.h>
#include <frame/canvas/deviceunits_p.h>

#include <cstring>

namespace vek {

const QStringList SevenSegCharList = {
    QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
    QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("-"), QStringLiteral("+"),
    QStringLiteral(":"), QStringLiteral("\u00B0"), QStringLiteral("A"), QStringLiteral("B"),
    QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
    QStringLiteral("."),
};

namespace sevenseg {

namespace {

enum Shape { Vert, Horz, Dot, Plus, Colon, Deg };

struct Placement {
    Shape shape;
    QPoint at;
};

// Segments 1..7: top, upper left, upper right, middle, lower left, lower right, bottom.
const std::array<Placement, 7> SegmentPlacement = {{
    {Horz, {94, 0}},
    {Vert, {37, 23}},
    {Vert, {244, 23}},
    {Horz, {57, 197}},
    {Vert, {0, 220}},
    {Vert, {207, 220}},
    {Horz, {20, 394}},
}};
const Placement PointPlacement{Dot, {269, 394}};
const Placement PlusPlacement{Plus, {57, 120}};
const Placement ColonPlacement{Colon, {122, 121}};
const Placement DegreePlacement{Deg, {150, 0}};

// Lit segments per cache cell "0".."9", "-" (bit n-1 = segment n); the other cells are
// drawn from their own shapes.
constexpr std::array<quint8, 11> DigitSegments = {
    0b1110111, 0b0100100, 0b1011101, 0b1101101, 0b0101110, 0b1101011,
    0b1111011, 0b0100101, 0b1111111, 0b1101111, 0b0001000,
};
// "A".."F"
constexpr std::array<quint8, 6> HexLetterSegments = {
    0b0111111, 0b1111010, 0b1010011, 0b1111100, 0b1011011, 0b0011011,
};

const QImage& ShapeImage(const SegmentSet& set, Shape shape)
{
    switch (shape) {
    case Vert: return set.vert;
    case Horz: return set.horz;
    case Dot: return set.dot;
    case Plus: return set.plus;
    case Colon: return set.colon;
    case Deg: break;
    }
    return set.deg;
}

QImage LoadShape(const char* name)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(QString::fromLatin1(name));
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

QImage FloodFilled(const QImage& shape, QRgb color, std::initializer_list<QPoint> seeds)
{
    TBitmap bitmap;
    bitmap.SetImage(shape);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(FromQRgb(color));
    for (QPoint seed : seeds)
        canvas->FloodFill(seed.x(), seed.y(), canvas->Pixels(seed.x(), seed.y()), fsSurface);
    return bitmap.Image();
}

QImage CenterFilled(const QImage& shape, QRgb color)
{
    return FloodFilled(shape, color, {QPoint(shape.width() / 2, shape.height() / 2)});
}

// dest &= source at the placement, pixel by pixel (the cmSrcAnd raster operation).
void AndInto(QImage& dest, const SegmentSet& set, const Placement& placement)
{
    const QImage& source = ShapeImage(set, placement.shape);
    const QRect box = QRect(placement.at, source.size()) & dest.rect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y - placement.at.y()));
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(y)) + box.left();
        from += box.left() - placement.at.x();
        for (int x = 0; x < box.width(); ++x)
            to[x] &= from[x];
    }
}

void ReplaceWhite(QImage& image, QRgb background)
{
    const QRgb white = qRgb(255, 255, 255);
    auto* pixel = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype count = qsizetype(image.width()) * image.height();
    for (qsizetype i = 0; i < count; ++i)
        if (pixel[i] == white)
            pixel[i] = background;
}

} // namespace

const SegmentSet& PristineSegments()
{
    static const SegmentSet set{LoadShape("SEGVERT"), LoadShape("SEGHORZ"),
                                LoadShape("SEGDOT"),  LoadShape("SEGPLUS"),
                                LoadShape("SEGCOLON"), LoadShape("SEGDEG")};
    return set;
}

SegmentSet RecolorSegments(const SegmentSet& pristine, QRgb color)
{
    if ((color & 0xFFFFFF) == 0xFFFFFF)
        color = qRgb(0xFE, 0xFE, 0xFE);
    const QImage& colon = pristine.colon;
    const QImage& deg = pristine.deg;
    return SegmentSet{
        CenterFilled(pristine.vert, color),
        CenterFilled(pristine.horz, color),
        CenterFilled(pristine.dot, color),
        CenterFilled(pristine.plus, color),
        FloodFilled(colon, color,
                    {QPoint(18, colon.height() - 18), QPoint(colon.width() - 18, 18)}),
        FloodFilled(deg, color, {QPoint(25, deg.height() / 2)}),
    };
}

int CellIndexOf(QChar ch)
{
    return SevenSegCharList.indexOf(QString(ch.toUpper()));
}

QImage ComposeGlyph(const SegmentSet& segments, QChar ch, bool point, QRgb background)
{
    QImage glyph(GlyphWidth, GlyphHeight, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    const int cell = CellIndexOf(ch);
    quint8 lit = 0;
    if (cell >= 0 && cell < int(DigitSegments.size()))
        lit = DigitSegments[size_t(cell)];
    else if (cell >= 14 && cell < 20)
        lit = HexLetterSegments[size_t(cell - 14)];
    else if (ch == QLatin1Char('+'))
        AndInto(glyph, segments, PlusPlacement);
    else if (ch == QLatin1Char(':'))
        AndInto(glyph, segments, ColonPlacement);
    else if (ch == QChar(0x00B0))
        AndInto(glyph, segments, DegreePlacement);
    for (size_t s = 0; s < SegmentPlacement.size(); ++s)
        if (lit & (1u << s))
            AndInto(glyph, segments, SegmentPlacement[s]);
    if (point || ch == QLatin1Char('.') || ch == QLatin1Char(','))
        AndInto(glyph, segments, PointPlacement);
    // Every white pixel, not only the area around the shapes, becomes background: the
    // inside of the degree ring would otherwise stay white.
    ReplaceWhite(glyph, background);
    return glyph;
}

// ---- the cache -----------------------------------------------------------------------

bool GlyphCache::Update(QRgb text, QRgb background, int cellWidth, int height, qreal ratio)
{
    if (cellWidth <= 0 || height <= 0) {
        Clear();
        return false;
    }
    const bool colorsChanged = !FRecoloredValid || text != FText || background != FBackground;
    if (colorsChanged) {
        FGlyphs = {};
        FRecolored = RecolorSegments(PristineSegments(), text);
        FRecoloredValid = true;
        FText = text;
        FBackground = background;
    }
    if (colorsChanged || cellWidth != FCellWidth || height != FHeight || ratio != FRatio) {
        FCells = deviceunits::Create(QSize(CellCount * cellWidth, height),
                                     QImage::Format_RGB32, ratio);
        FCells.fill(background);
        FScaled = {};
        FCellWidth = cellWidth;
        FHeight = height;
        FRatio = ratio;
    }
    return true;
}

void GlyphCache::Clear()
{
    FGlyphs = {};
    FScaled = {};
    FRecolored = {};
    FRecoloredValid = false;
    FCellWidth = FHeight = 0;
    FRatio = 1.0;
    FCells = QImage();
}

const QImage& GlyphCache::Glyph(int k)
{
    QImage& glyph = FGlyphs[size_t(k)];
    if (glyph.isNull())
        glyph = ComposeGlyph(FRecolored, SevenSegCharList[k].at(0), false, FBackground);
    return glyph;
}

const QImage& GlyphCache::Cells(int k)
{
    if (FScaled[size_t(k)] || FCells.isNull())
        return FCells;
    const QRect box = deviceunits::Box(QRect(k * FCellWidth, 0, FCellWidth, FHeight), FRatio);
    const QImage cell = Glyph(k).scaled(box.size(), Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    const size_t rowBytes = size_t(box.width()) * sizeof(QRgb);
    const size_t offset = size_t(box.left()) * sizeof(QRgb);
    for (int y = 0; y < box.height(); ++y)
        std::memcpy(FCells.scanLine(y) + offset, cell.constScanLine(y), rowBytes);
    FScaled[size_t(k)] = true;
    return FCells;
}

} // namespace sevenseg
} // namespace vek
