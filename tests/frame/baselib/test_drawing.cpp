// DrawFrame, DrawRectangle and DrawMarkOnCanvas: exact pixels of every frame style,
// outlines, and the marker catalogue's size, symmetry and distinctness.
#include "canvas_fixture.h"
#include "scoped_palette.h"

#include <frame/baselib/drawing.h>

#include <QApplication>

#include <map>
#include <optional>
#include <vector>

using namespace vek;

namespace {

constexpr TColor kLight = clAqua, kFace = clSilver, kShadow = clGray, kDark = clBlack,
                 kBorder = clNavy, kPen = clRed, kBrush = clYellow;

// The bitmap as rows of letters: L F S D B for the frame colors, p and y for the pen and
// the brush, '.' for the white background.
std::vector<std::string> Picture(const QImage& image)
{
    const std::map<TColor, char> letters{{kLight, 'L'}, {kFace, 'F'}, {kShadow, 'S'},
                                         {kDark, 'D'},  {kBorder, 'B'}, {kPen, 'p'},
                                         {kBrush, 'y'}, {clWhite, '.'}};
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const auto letter = letters.find(vektest::ColorAt(image, x, y));
            row += letter == letters.end() ? '?' : letter->second;
        }
        rows.push_back(row);
    }
    return rows;
}

class FrameTest : public ::testing::Test {
protected:
    TBitmap bitmap{10, 8};
    TCanvas* canvas = bitmap.Canvas();

    void SetUp() override
    {
        canvas->Pen()->SetColor(kPen);
        canvas->Brush()->SetColor(kBrush);
    }
    std::vector<std::string> Framed(TFrameStyle style)
    {
        DrawFrame(canvas, style, 1, 1, 8, 6, kLight, kFace, kShadow, kDark, kBorder);
        return Picture(bitmap.Image());
    }
};

using Rows = std::vector<std::string>;

} // namespace

TEST_F(FrameTest, NoneDrawsNothing)
{
    EXPECT_EQ(Framed(fsNone), (Rows(8, "..........")));
}

TEST_F(FrameTest, SingleIsABorderOutline)
{
    EXPECT_EQ(Framed(fsSingle), (Rows{"..........", ".BBBBBBBB.", ".B......B.", ".B......B.",
                                      ".B......B.", ".B......B.", ".BBBBBBBB.", ".........."}));
}

TEST_F(FrameTest, LoweredIsDarkAtTopLeftAndLightAtBottomRight)
{
    EXPECT_EQ(Framed(fsLowered), (Rows{"..........", ".SSSSSSSL.", ".SDDDDDFL.", ".SD....FL.",
                                       ".SD....FL.", ".SFFFFFFL.", ".LLLLLLLL.", ".........."}));
}

TEST_F(FrameTest, RaisedIsLightAtTopLeftAndDarkAtBottomRight)
{
    EXPECT_EQ(Framed(fsRaised), (Rows{"..........", ".FFFFFFFD.", ".FLLLLLSD.", ".FL....SD.",
                                      ".FL....SD.", ".FSSSSSSD.", ".DDDDDDDD.", ".........."}));
}

TEST_F(FrameTest, EmbossedIsALightRectangleWithAShadowLineInsideTopLeftAndOutsideBottomRight)
{
    EXPECT_EQ(Framed(fsEmbossed), (Rows{"..........", ".LLLLLLLS.", ".LSSSSSLS.", ".LS....LS.",
                                        ".LS....LS.", ".LLLLLLLS.", ".SSSSSSSS.", ".........."}));
}

TEST_F(FrameTest, EngravedExchangesLightAndShadow)
{
    EXPECT_EQ(Framed(fsEngraved), (Rows{"..........", ".SSSSSSSL.", ".SLLLLLSL.", ".SL....SL.",
                                        ".SL....SL.", ".SSSSSSSL.", ".LLLLLLLL.", ".........."}));
}

TEST_F(FrameTest, ContentInsideStays)
{
    canvas->SetPixels(4, 3, clBlue);
    DrawFrame(canvas, fsRaised, 1, 1, 8, 6, kLight, kFace, kShadow, kDark, kBorder);
    EXPECT_EQ(canvas->Pixels(4, 3), clBlue);
    EXPECT_EQ(canvas->Pixels(3, 3), clWhite);
    EXPECT_EQ(canvas->Pixels(2, 2), kLight);
}

TEST_F(FrameTest, LinesAreThinAndCopiedWhateverThePenAndThePenIsRestored)
{
    canvas->Pen()->SetWidth(3);
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetMode(pmXor);
    canvas->MoveTo(4, 4);
    const Rows picture = Framed(fsRaised);
    EXPECT_EQ(picture[1].substr(1, 8), "FFFFFFFD");
    EXPECT_EQ(picture[2].substr(1, 8), "FLLLLLSD");
    EXPECT_EQ(picture[5].substr(1, 8), "FSSSSSSD");
    EXPECT_EQ(picture[6].substr(1, 8), "DDDDDDDD");
    EXPECT_EQ(canvas->Pen()->Color(), kPen);
    EXPECT_EQ(canvas->Pen()->Width(), 3);
    EXPECT_EQ(canvas->Pen()->Style(), psDot);
    EXPECT_EQ(canvas->Pen()->Mode(), pmXor);
    EXPECT_EQ(canvas->PenPos(), TPoint(4, 4));
}

TEST_F(FrameTest, ClearPenStillGetsItsFrameLines)
{
    canvas->Pen()->SetStyle(psClear);
    EXPECT_EQ(Framed(fsSingle)[1], ".BBBBBBBB.");
    EXPECT_EQ(canvas->Pen()->Style(), psClear);
}

// ---- DrawRectangle -------------------------------------------------------------------

TEST_F(FrameTest, DrawRectangleOutlinesInclusiveCornersAndLeavesTheInside)
{
    canvas->MoveTo(9, 7);
    DrawRectangle(canvas, 1, 1, 8, 6);
    EXPECT_EQ(Picture(bitmap.Image()),
              (Rows{"..........", ".pppppppp.", ".p......p.", ".p......p.", ".p......p.",
                    ".p......p.", ".pppppppp.", ".........."}));
    EXPECT_EQ(canvas->PenPos(), TPoint(9, 7));
}

TEST_F(FrameTest, DrawRectangleTakesCornersInAnyOrder)
{
    DrawRectangle(canvas, 8, 6, 1, 1);
    EXPECT_EQ(Picture(bitmap.Image())[6], ".pppppppp.");
    EXPECT_EQ(Picture(bitmap.Image())[3], ".p......p.");
}

TEST_F(FrameTest, DrawRectangleDrawsEveryPixelOnceSoXorTwiceRestores)
{
    canvas->Pen()->SetMode(pmXor);
    DrawRectangle(canvas, 1, 1, 8, 6);
    EXPECT_EQ(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clAqua), 2 * 8 + 2 * 4);
    DrawRectangle(canvas, 1, 1, 8, 6);
    DrawRectangle(canvas, 3, 2, 3, 5);
    DrawRectangle(canvas, 3, 2, 3, 5);
    DrawRectangle(canvas, 5, 5, 5, 5);
    DrawRectangle(canvas, 5, 5, 5, 5);
    EXPECT_EQ(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clWhite), 80);
}

TEST_F(FrameTest, DrawRectangleOfOneColumnOrOnePointIsThatLineOrPoint)
{
    DrawRectangle(canvas, 3, 2, 3, 5);
    DrawRectangle(canvas, 6, 4, 6, 4);
    EXPECT_EQ(vektest::ColumnPattern(bitmap.Image(), 3, 1, 6, kPen), ".####.");
    EXPECT_EQ(vektest::InkBounds(bitmap.Image(), QRect(5, 0, 5, 8), clWhite), QRect(6, 4, 1, 1));
}

// ---- markers -------------------------------------------------------------------------

namespace {

constexpr int kCentre = 10;

// Marker number mark drawn alone at the centre of a white 21 x 21 bitmap.
QImage Marker(int mark, TBrushStyle brushStyle = bsSolid, int penWidth = 1)
{
    TBitmap bitmap(2 * kCentre + 1, 2 * kCentre + 1);
    bitmap.Canvas()->Pen()->SetColor(kPen);
    bitmap.Canvas()->Pen()->SetWidth(penWidth);
    bitmap.Canvas()->Brush()->SetColor(kBrush);
    bitmap.Canvas()->Brush()->SetStyle(brushStyle);
    DrawMarkOnCanvas(bitmap.Canvas(), mark, kCentre, kCentre);
    return bitmap.Image();
}

QRect Ink(const QImage& image)
{
    return vektest::InkBounds(image, image.rect(), clWhite);
}

// Triangles pointing left or right are symmetric top to bottom, every other marker
// left to right.
bool PointsSideways(int mark)
{
    return mark >= 16 && mark <= 19;
}

} // namespace

TEST(Markers, EveryMarkerInksACentredAreaOfAtMostElevenPixels)
{
    for (int mark = 0; mark < MarkerCount; ++mark) {
        SCOPED_TRACE(mark);
        const QRect ink = Ink(Marker(mark));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(QRect(kCentre - 5, kCentre - 5, 11, 11).contains(ink));
        EXPECT_LE(std::abs(ink.left() + ink.right() - 2 * kCentre), 1);
        EXPECT_LE(std::abs(ink.top() + ink.bottom() - 2 * kCentre), 1);
    }
}

TEST(Markers, MarkersOtherThanTheDotAreFiveToElevenPixelsAcross)
{
    EXPECT_EQ(Ink(Marker(0)), QRect(kCentre, kCentre, 1, 1));
    for (int mark = 1; mark < MarkerCount; ++mark) {
        const QRect ink = Ink(Marker(mark));
        EXPECT_GE(std::max(ink.width(), ink.height()), 5) << mark;
    }
}

TEST(Markers, AllMarkersArePairwiseDifferent)
{
    std::vector<QImage> images;
    for (int mark = 0; mark < MarkerCount; ++mark)
        images.push_back(Marker(mark));
    for (int a = 0; a < MarkerCount; ++a)
        for (int b = a + 1; b < MarkerCount; ++b)
            EXPECT_NE(images[size_t(a)], images[size_t(b)]) << a << " and " << b;
}

TEST(Markers, MarkersAreMirrorSymmetric)
{
    for (int mark = 0; mark < MarkerCount; ++mark) {
        const QImage image = Marker(mark);
        const bool sideways = PointsSideways(mark);
        EXPECT_EQ(image, image.mirrored(!sideways, sideways)) << mark;
    }
}

TEST(Markers, OutOfRangeNumbersDrawNothing)
{
    for (int mark : {-1, MarkerCount, 1000})
        EXPECT_TRUE(Ink(Marker(mark)).isEmpty()) << mark;
}

TEST(Markers, OpenMarkersTakeTheBrushInsideAndFilledOnesThePen)
{
    const QImage open = Marker(6), filled = Marker(7);
    EXPECT_EQ(vektest::ColorAt(open, kCentre, kCentre), kBrush);
    EXPECT_EQ(vektest::ColorAt(open, kCentre, kCentre - 4), kPen);
    EXPECT_EQ(vektest::ColorAt(filled, kCentre, kCentre), kPen);
    EXPECT_EQ(vektest::CountColor(filled, filled.rect(), kBrush), 0);
    EXPECT_EQ(vektest::ColorAt(Marker(6, bsClear), kCentre, kCentre), clWhite);
}

TEST(Markers, ShapesMatchTheirDrawings)
{
    const QImage plus = Marker(1);
    EXPECT_EQ(vektest::RowPattern(plus, kCentre, 5, 15, kPen), ".#########.");
    EXPECT_EQ(vektest::ColumnPattern(plus, kCentre, 5, 15, kPen), ".#########.");
    const QImage triangleUp = Marker(13);
    EXPECT_EQ(vektest::RowPattern(triangleUp, kCentre + 3, 5, 15, kPen), ".#########.");
    EXPECT_EQ(vektest::RowPattern(triangleUp, kCentre - 4, 5, 15, kPen), ".....#.....");
    const QImage square = Marker(8);
    EXPECT_EQ(vektest::RowPattern(square, kCentre - 3, 5, 15, kPen), "..#######..");
    EXPECT_EQ(vektest::RowPattern(square, kCentre, 5, 15, kPen), "..#.....#..");
}

TEST(Markers, WidePenDrawsTheSameThinMarkerAndIsRestored)
{
    EXPECT_EQ(Marker(10, bsSolid, 3), Marker(10));
    TBitmap bitmap(21, 21);
    bitmap.Canvas()->Pen()->SetWidth(3);
    DrawMarkOnCanvas(bitmap.Canvas(), 10, kCentre, kCentre);
    EXPECT_EQ(bitmap.Canvas()->Pen()->Width(), 3);
}

TEST(Markers, PenModeApplies)
{
    TBitmap bitmap(21, 21);
    bitmap.Canvas()->Pen()->SetMode(pmXor);
    bitmap.Canvas()->Pen()->SetColor(clWhite);
    bitmap.Canvas()->Brush()->SetStyle(bsClear);
    DrawMarkOnCanvas(bitmap.Canvas(), 44, kCentre, kCentre);
    EXPECT_GT(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clBlack), 20);
    DrawMarkOnCanvas(bitmap.Canvas(), 44, kCentre, kCentre);
    EXPECT_EQ(vektest::CountColor(bitmap.Image(), bitmap.Image().rect(), clWhite), 21 * 21);
}

TEST(EngravedText, WhiteGhostOnLightPalettesDisabledTextColorOnDarkOnes)
{
    const auto draw = [] {
        TBitmap bitmap(60, 20);
        bitmap.Canvas()->Brush()->SetColor(0x303030);
        bitmap.Canvas()->FillRect(TRect(0, 0, 60, 20));
        // Bold stems several pixels wide, so that each copy has fully covered pixels.
        bitmap.Canvas()->Font()->SetHeight(-16);
        bitmap.Canvas()->Font()->SetStyle(fsBold);
        DrawEngravedText(bitmap.Canvas(), 2, 2, "HIH", clGray, 3);
        return bitmap.Image();
    };
    const QRect all(0, 0, 60, 20);
    const QImage light = draw();
    EXPECT_GT(vektest::CountColor(light, all, clWhite), 0);
    EXPECT_GT(vektest::CountColor(light, all, clGray), 0);

    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x91, 0x92));
    vektest::ScopedPalette darkPalette(dark);
    const QImage onDark = draw();
    EXPECT_EQ(vektest::CountColor(onDark, all, clWhite), 0) << "no white ghost";
    EXPECT_GT(vektest::CountColor(onDark, all, RGB(0x90, 0x91, 0x92)), 0);
}

// Text and surface from one source: system text on a fixed surface becomes black or
// white, whichever reads better there; every other pair stays as it is.
TEST(TextOnSurfaces, SystemTextOnAFixedSurfaceBecomesFixed)
{
    EXPECT_EQ(TextColorOn(clWindowText, clWhite), clBlack);
    EXPECT_EQ(TextColorOn(clWindowText, 0x80E0FF), clBlack); // light yellow
    EXPECT_EQ(TextColorOn(clBtnText, clRed), clBlack);       // black reads 5.3:1, white 4:1
    EXPECT_EQ(TextColorOn(clWindowText, 0x302010), clWhite);
    EXPECT_EQ(TextColorOn(clWindowText, clNavy), clWhite);
    EXPECT_EQ(TextColorOn(clWindowText, clWindow), clWindowText);
    EXPECT_EQ(TextColorOn(clMaroon, clWhite), clMaroon);
    EXPECT_EQ(TextColorOn(clMaroon, clWindow), clMaroon);
}

// Disabled text on a fixed surface looks the same under every palette: engraved on a
// light surface, one copy in the ink on a dark one. On a system surface the palette
// decides, as DrawEngravedText does.
TEST(TextOnSurfaces, EngravedTextFollowsAFixedSurfaceNotThePalette)
{
    const auto draw = [](TColor surface) {
        TBitmap bitmap(60, 20);
        bitmap.Canvas()->Brush()->SetColor(surface);
        bitmap.Canvas()->FillRect(TRect(0, 0, 60, 20));
        bitmap.Canvas()->Font()->SetHeight(-16);
        bitmap.Canvas()->Font()->SetStyle(fsBold);
        DrawEngravedTextOn(bitmap.Canvas(), 2, 2, "HIH", clGray, 3, surface);
        return bitmap.Image();
    };
    const QRect all(0, 0, 60, 20);
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x91, 0x92));
    for (bool darkPalette : {false, true}) {
        SCOPED_TRACE(darkPalette ? "dark palette" : "light palette");
        std::optional<vektest::ScopedPalette> palette;
        if (darkPalette)
            palette.emplace(dark);
        const QImage onLight = draw(clSilver);
        EXPECT_GT(vektest::CountColor(onLight, all, clWhite), 0) << "white ghost";
        EXPECT_GT(vektest::CountColor(onLight, all, clGray), 0);
        const QImage onDark = draw(0x202020);
        EXPECT_EQ(vektest::CountColor(onDark, all, clWhite), 0);
        EXPECT_GT(vektest::CountColor(onDark, all, clGray), 0);
    }
    vektest::ScopedPalette palette(dark);
    const QImage themed = draw(clBtnFace);
    EXPECT_EQ(vektest::CountColor(themed, all, clWhite), 0);
    EXPECT_GT(vektest::CountColor(themed, all, RGB(0x90, 0x91, 0x92)), 0);
}
