// Seven-segment display: glyph cells, decimal points, clamps, resizing and copying,
// checked on the painted pixels.
// The private header brings the public one from the unit folder; including the public
// one by name as well would reach its copy in the public include folder a second time.
#include "sevenseg_p.h"

#include "pixels.h"
#include <frame/canvas/bitmap.h>
#include "qstring_printer.h"

#include <gtest/gtest.h>

using namespace vek;
using vektest::ColorAt;
using vektest::CountColor;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Background = 0x333333;

// Default layout: margin 8, cells (216 - 16) / 4 - 2 = 48 wide and 76 - 16 = 60 high,
// 50 pixels apart.
constexpr int CellW = 48, CellH = 60, Pitch = 50, Margin = 8;

QImage Face(TSevenSeg& seg)
{
    seg.Refresh();
    return seg.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

// A point of the 312 x 432 glyph layout, in the painted control, for cell j (0-based).
QPoint GlyphPoint(int cell, int gx, int gy, int cw = CellW, int ch = CellH, int pitch = Pitch,
                  int margin = Margin)
{
    return QPoint(margin + cell * pitch + gx * cw / 312, margin + gy * ch / 432);
}

TColor At(const QImage& face, QPoint p)
{
    return ColorAt(face, p.x(), p.y());
}

// Centres of the seven segments (top, upper left, upper right, middle, lower left,
// lower right, bottom) and of the decimal point in glyph coordinates.
const QPoint SegmentCentre[7] = {{194, 19}, {71, 118}, {278, 118}, {157, 216},
                                 {34, 315}, {241, 315}, {120, 413}};
const QPoint PointCentre{288, 413};

// Which of the seven segments of cell j are lit, as "1" / "0" text.
std::string LitSegments(const QImage& face, int cell)
{
    std::string lit;
    for (QPoint c : SegmentCentre)
        lit += At(face, GlyphPoint(cell, c.x(), c.y())) == Red ? '1' : '0';
    return lit;
}

bool PointLit(const QImage& face, int cell)
{
    return At(face, GlyphPoint(cell, PointCentre.x(), PointCentre.y())) == Red;
}

QImage CellArea(const QImage& face, int cell)
{
    return face.copy(Margin + cell * Pitch, Margin, CellW, CellH);
}

} // namespace

TEST(SevenSeg, StartsWithDocumentedDefaults)
{
    TSevenSeg seg;
    EXPECT_EQ(seg.Width(), 216);
    EXPECT_EQ(seg.Height(), 76);
    EXPECT_EQ(seg.Caption(), "8.8.8.8.");
    EXPECT_EQ(seg.ColorBackGnd(), Background);
    EXPECT_EQ(seg.ColorText(), Red);
    EXPECT_EQ(seg.FrameStyle(), fsLowered);
    EXPECT_EQ(seg.InterDigDist(), 2);
    EXPECT_EQ(seg.Margin(), 8);
    EXPECT_EQ(seg.NumDigits(), 4);
    EXPECT_EQ(SevenSegCharList.size(), 21);
    EXPECT_EQ(SevenSegCharList.join(""), QString::fromUtf8("0123456789-+:°ABCDEF."));
}

TEST(SevenSeg, DigitsLightTheirSegments)
{
    TSevenSeg seg;
    seg.SetNumDigits(4);
    const char* expected[] = {"1110111", "0010010", "1011101", "1011011", "0111010",
                              "1101011", "1101111", "1010010", "1111111", "1111011"};
    for (int digit = 0; digit < 10; digit += 4) {
        seg.SetCaption(QString::number(digit) + QString::number(digit + 1) +
                       QString::number((digit + 2) % 10) + QString::number((digit + 3) % 10));
        const QImage face = Face(seg);
        for (int cell = 0; cell < 4; ++cell)
            EXPECT_EQ(LitSegments(face, cell), expected[(digit + cell) % 10])
                << "digit " << (digit + cell) % 10;
    }
}

TEST(SevenSeg, LettersAreCaseInsensitiveAndUnknownCharactersLeaveEmptyCells)
{
    TSevenSeg seg;
    seg.SetCaption("aBcX");
    const QImage face = Face(seg);
    EXPECT_EQ(LitSegments(face, 0), "1111110");
    EXPECT_EQ(LitSegments(face, 1), "0101111");
    EXPECT_EQ(LitSegments(face, 2), "1100101");
    EXPECT_EQ(CountColor(CellArea(face, 3), QRect(0, 0, CellW, CellH), Background), CellW * CellH);
}

TEST(SevenSeg, DecimalPointsJoinTheCellBefore)
{
    TSevenSeg seg;
    seg.SetCaption("12.34");
    QImage face = Face(seg);
    EXPECT_FALSE(PointLit(face, 0));
    EXPECT_TRUE(PointLit(face, 1));
    EXPECT_EQ(LitSegments(face, 2), "1011011"); // the "3" follows in the third cell
    EXPECT_FALSE(PointLit(face, 2));

    seg.SetCaption(".5");
    face = Face(seg);
    EXPECT_TRUE(PointLit(face, 0));
    EXPECT_EQ(LitSegments(face, 0), "0000000");
    EXPECT_EQ(LitSegments(face, 1), "1101011");

    seg.SetCaption("1.5");
    const QImage withPoint = Face(seg);
    seg.SetCaption("1,5");
    EXPECT_EQ(Face(seg), withPoint);
}

// A comma with no character before it is a decimal point of its own, as a lone "." is:
// the cell shows the point and no segment.
TEST(SevenSeg, LoneCommaLightsAPointOnlyCell)
{
    TSevenSeg seg;
    seg.SetCaption(",");
    QImage face = Face(seg);
    EXPECT_TRUE(PointLit(face, 0));
    EXPECT_EQ(LitSegments(face, 0), "0000000");
    seg.SetCaption(".");
    EXPECT_EQ(Face(seg), face);

    // A comma after a point is such a cell too; so is one after another comma.
    seg.SetCaption("5.,,");
    face = Face(seg);
    EXPECT_EQ(LitSegments(face, 0), "1101011");
    EXPECT_TRUE(PointLit(face, 0));
    for (int cell : {1, 2}) {
        EXPECT_TRUE(PointLit(face, cell)) << "cell " << cell;
        EXPECT_EQ(LitSegments(face, cell), "0000000") << "cell " << cell;
    }
    EXPECT_EQ(CountColor(CellArea(face, 3), QRect(0, 0, CellW, CellH), Background), CellW * CellH);
    seg.SetCaption("5...");
    EXPECT_EQ(Face(seg), face);
}

TEST(SevenSeg, CaptionCellsTakeAPointOnlyAfterACharacter)
{
    const auto cells = [](const QString& caption) {
        std::string text;
        for (const sevenseg::CaptionCell& cell : sevenseg::CaptionCells(caption))
            text += std::string(1, char(cell.ch.unicode())) + (cell.point ? "*" : "") + " ";
        return text;
    };
    EXPECT_EQ(cells("12.34"), "1 2* 3 4 ");
    EXPECT_EQ(cells(".5"), ". 5 ");
    EXPECT_EQ(cells("1,5"), "1* 5 ");
    EXPECT_EQ(cells("1.."), "1* . "); // the second point has no character before it
    EXPECT_EQ(cells("..,"), ". . . "); // a lone comma is the point-only cell as well
    EXPECT_EQ(cells("9."), "9* ");
    EXPECT_EQ(cells(""), "");
}

TEST(SevenSeg, CaptionIsCutAfterTheLastCell)
{
    TSevenSeg seg;
    seg.SetNumDigits(2);
    seg.SetCaption("1234");
    const QImage face = Face(seg);
    // Two cells of (216 - 16) / 2 - 2 = 98 pixels, 100 apart.
    EXPECT_EQ(At(face, GlyphPoint(1, 278, 118, 98, 60, 100)), Red);  // "2" upper right
    EXPECT_NE(At(face, GlyphPoint(1, 71, 118, 98, 60, 100)), Red);   // but not upper left
}

TEST(SevenSeg, SymbolsUseTheirOwnShapes)
{
    TSevenSeg seg;
    seg.SetCaption(QString::fromUtf8("+:°-"));
    const QImage face = Face(seg);
    EXPECT_EQ(At(face, GlyphPoint(0, 157, 215)), Red);                 // plus centre
    EXPECT_EQ(At(face, GlyphPoint(0, 167, 160)), Red);                 // plus upright
    EXPECT_EQ(At(face, GlyphPoint(1, 122 + 19, 121 + 171)), Red);      // lower colon dot
    EXPECT_EQ(At(face, GlyphPoint(1, 122 + 49, 121 + 19)), Red);       // upper colon dot
    EXPECT_EQ(At(face, GlyphPoint(1, 157, 216)), Background);
    EXPECT_EQ(At(face, GlyphPoint(2, 150 + 30, 69)), Red);             // degree ring
    EXPECT_EQ(At(face, GlyphPoint(2, 150 + 80, 69)), Background);      // its inside
    EXPECT_EQ(LitSegments(face, 3), "0001000");
}

TEST(SevenSeg, GlyphsAreScaledSmoothly)
{
    TSevenSeg seg;
    seg.SetCaption("8");
    const QImage cell = CellArea(Face(seg), 0);
    const QRect all(0, 0, CellW, CellH);
    const int pure = CountColor(cell, all, Red) + CountColor(cell, all, Background);
    EXPECT_GT(CellW * CellH - pure, 100) << "edge pixels blend text and background";
}

TEST(SevenSeg, WhiteTextIsDrawnAlmostWhite)
{
    TSevenSeg seg;
    seg.SetColorText(clWhite);
    seg.SetCaption("8");
    const QImage face = Face(seg);
    const QRect cell(Margin, Margin, CellW, CellH);
    EXPECT_GT(CountColor(face, cell, 0xFEFEFE), 200);
    EXPECT_EQ(CountColor(face, cell, 0xFFFFFF), 0);
}

TEST(SevenSeg, ColorChangesRebuildTheGlyphs)
{
    TSevenSeg seg;
    seg.SetCaption("8");
    seg.SetColorText(0x00FF00);
    seg.SetColorBackGnd(0x000000);
    const QImage face = Face(seg);
    EXPECT_EQ(At(face, GlyphPoint(0, 157, 216)), TColor(0x00FF00));
    EXPECT_EQ(At(face, GlyphPoint(0, 157, 120)), TColor(0x000000));
    EXPECT_EQ(CountColor(face, QRect(Margin, Margin, 200, CellH), Red), 0);
}

TEST(SevenSeg, SettersClampAndIgnore)
{
    TSevenSeg seg;
    seg.SetMargin(100);
    EXPECT_EQ(seg.Margin(), 37);
    seg.SetMargin(-5);
    EXPECT_EQ(seg.Margin(), 0);
    seg.SetNumDigits(0);
    seg.SetNumDigits(33);
    EXPECT_EQ(seg.NumDigits(), 4);
    seg.SetNumDigits(32);
    EXPECT_EQ(seg.NumDigits(), 32);
    seg.SetInterDigDist(300);
    EXPECT_EQ(seg.InterDigDist(), 255);
    seg.SetInterDigDist(-1);
    EXPECT_EQ(seg.InterDigDist(), 0);
    seg.SetColorScheme(csSystemColors);
    EXPECT_EQ(seg.GrayLineColor(), clBtnShadow);
    EXPECT_EQ(seg.WhiteLineColor(), clBtnHighlight);
}

TEST(SevenSeg, TooSmallDisplaysShowBackgroundAndFrame)
{
    TSevenSeg seg;
    for (QSize size : {QSize(16, 76), QSize(216, 16), QSize(3, 3), QSize(60, 76)}) {
        seg.resize(size);
        if (size.width() == 60)
            seg.SetInterDigDist(20); // (60 - 16) / 4 - 20 < 0
        const QImage face = Face(seg);
        const QRect inside(2, 2, std::max(0, size.width() - 4), std::max(0, size.height() - 4));
        EXPECT_EQ(CountColor(face, inside, Background), inside.width() * inside.height());
        EXPECT_EQ(ColorAt(face, 0, 0), TColor(0x808080)) << "lowered frame";
    }
}

TEST(SevenSeg, ResizingRescalesTheCells)
{
    TSevenSeg seg;
    seg.SetCaption("8");
    seg.resize(416, 152);
    QImage face = Face(seg);
    // cells (416 - 16) / 4 - 2 = 98 wide, 136 high
    EXPECT_EQ(At(face, GlyphPoint(0, 157, 216, 98, 136, 100)), Red);
    EXPECT_EQ(At(face, GlyphPoint(0, 157, 120, 98, 136, 100)), Background);

    // A replaced resize handler does not leave a stale cache behind.
    seg.OnResize = [](TObject*) {};
    seg.resize(216, 76);
    EXPECT_EQ(LitSegments(Face(seg), 0), "1111111");
}

TEST(SevenSeg, FrameStyleOnlyChangesTheBorder)
{
    TSevenSeg seg;
    const QImage lowered = Face(seg);
    seg.SetFrameStyle(fsNone);
    const QImage none = Face(seg);
    EXPECT_EQ(ColorAt(none, 0, 0), Background);
    EXPECT_EQ(lowered.copy(2, 2, 212, 72), none.copy(2, 2, 212, 72));
}

TEST(SevenSeg, AssignCopiesSettingsAndLooksTheSame)
{
    TSevenSeg source;
    source.SetCaption("-1.5");
    source.SetColorText(0xFFFF00);
    source.SetColorBackGnd(0x101010);
    source.SetNumDigits(5);
    source.SetMargin(4);
    source.SetInterDigDist(6);
    source.SetFrameStyle(fsRaised);
    source.SetColorScheme(csSystemColors);
    TSevenSeg copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Caption(), "-1.5");
    EXPECT_EQ(copy.NumDigits(), 5);
    EXPECT_EQ(copy.Margin(), 4);
    EXPECT_EQ(copy.InterDigDist(), 6);
    EXPECT_EQ(copy.ColorScheme(), csSystemColors);
    EXPECT_EQ(copy.GrayLineColor(), clBtnShadow);
    EXPECT_EQ(Face(copy), Face(source));
}

// The cells must look exactly as when each glyph is composed the plain way, with
// bitmap operations on a 312 x 432 work image, and stretched with halftone.
TEST(SevenSeg, CellsMatchTheStraightforwardComposition)
{
    const auto load = [](const char* name) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromResourceName(name);
        bitmap->Canvas()->Brush()->SetColor(Red);
        const int w = bitmap->Width(), h = bitmap->Height();
        bitmap->Canvas()->FloodFill(w / 2, h / 2, clBlack, fsSurface);
        return bitmap;
    };
    const auto vert = load("SEGVERT"), horz = load("SEGHORZ"), dot = load("SEGDOT");
    struct Piece { const TBitmap* image; int x, y; };
    const Piece eight[] = {{horz.get(), 94, 0},   {vert.get(), 37, 23},  {vert.get(), 244, 23},
                           {horz.get(), 57, 197}, {vert.get(), 0, 220},  {vert.get(), 207, 220},
                           {horz.get(), 20, 394}};
    const Piece point[] = {{dot.get(), 269, 394}};

    const auto reference = [](std::initializer_list<Piece> pieces) {
        TBitmap work(312, 432);
        TCanvas* canvas = work.Canvas();
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect(0, 0, 312, 432));
        canvas->SetCopyMode(cmSrcAnd);
        for (const Piece& p : pieces)
            canvas->Draw(p.x, p.y, p.image);
        canvas->Brush()->SetColor(Background);
        canvas->FloodFill(1, 1, clWhite, fsSurface);
        TBitmap cell(CellW, CellH);
        cell.Canvas()->SetStretchBltMode(smHalftone);
        cell.Canvas()->StretchBlt(TRect(0, 0, CellW, CellH), work.Image(), TRect(0, 0, 312, 432),
                                  cmSrcCopy);
        return cell.Image().convertToFormat(QImage::Format_RGB32);
    };

    TSevenSeg seg;
    seg.SetCaption("8.");
    const QImage face = Face(seg);
    const QImage expected8 = reference({eight[0], eight[1], eight[2], eight[3], eight[4], eight[5], eight[6]});
    const QImage expectedPoint = reference({point[0]});
    QImage expected = expected8;
    // The point is copied over the lower right sixth of the cell.
    const int px = CellW * 5 / 6, py = CellH * 5 / 6;
    for (int y = py; y < CellH; ++y)
        for (int x = px; x < CellW; ++x)
            expected.setPixel(x, y, expectedPoint.pixel(x, y));
    EXPECT_EQ(CellArea(face, 0), expected);
}
