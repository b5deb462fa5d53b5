// Pixel geometry of the bar: its extent in the four directions, solid and gradient
// fills in the three mappings, grid lines, values outside the range and the background
// picture.
#include "progbar_fixture.h"

#include <frame/runtime/rtl.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

using namespace vek;
using namespace progbartest;

namespace {

constexpr TColor Margin = clYellow;
constexpr TColor Back = clWhite;

// Default 300 x 28 bar without frames and text, margin and background told apart.
void Prepare(TProgBar& bar)
{
    Plain(bar);
    bar.SetColorMargin(Margin);
    bar.SetColorBackGnd(Back);
}

// Row 10 as '#' (bar color) and '.' from x0 to x1 - 1.
std::string BarRow(TProgBar& bar, int x0, int x1, TColor ink = clBlue)
{
    return vektest::RowPattern(Face(bar), 10, x0, x1 - 1, ink);
}

} // namespace

TEST(ProgBarExtent, DefaultBarCoversColumns4To32)
{
    TProgBar bar;
    Prepare(bar);
    EXPECT_EQ(bar.Width(), 300);
    EXPECT_EQ(bar.Height(), 28);
    // xe = 4 + Round(292 * 0.1) = 33.
    EXPECT_EQ(BarRow(bar, 2, 36), "..#############################...");
    EXPECT_EQ(Pixel(bar, 3, 10), Margin);
    EXPECT_EQ(Pixel(bar, 33, 10), Back);
    EXPECT_EQ(vektest::ColumnPattern(Face(bar), 10, 2, 25, clBlue), "..####################..");
    EXPECT_EQ(Pixel(bar, 10, 3), Margin);
    EXPECT_EQ(Pixel(bar, 10, 24), Margin);
    EXPECT_EQ(Pixel(bar, 296, 10), Margin);
}

TEST(ProgBarExtent, MarginsShapeTheInnerArea)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetMarginLeft(10);
    bar.SetMarginTop(2);
    bar.SetMarginRight(20);
    bar.SetMarginBottom(6);
    bar.SetValue(50);
    // Inner 10..279 x 2..21; xe = 10 + Round(270 * 0.5) = 145.
    EXPECT_EQ(Pixel(bar, 9, 10), Margin);
    EXPECT_EQ(Pixel(bar, 10, 10), clBlue);
    EXPECT_EQ(Pixel(bar, 144, 10), clBlue);
    EXPECT_EQ(Pixel(bar, 145, 10), Back);
    EXPECT_EQ(Pixel(bar, 279, 10), Back);
    EXPECT_EQ(Pixel(bar, 280, 10), Margin);
    EXPECT_EQ(vektest::ColumnPattern(Face(bar), 50, 0, 27, clBlue),
              "..####################......");
}

TEST(ProgBarExtent, UpwardBarGrowsFromTheBottom)
{
    TProgBar bar;
    Prepare(bar);
    bar.resize(40, 100);
    bar.SetDirection(dirUp);
    bar.SetValue(50);
    // Inner 4..35 x 4..95, Hi = 92: yt = 96 - 46 = 50.
    const QImage face = Face(bar);
    EXPECT_EQ(vektest::ColorAt(face, 20, 49), Back);
    EXPECT_EQ(vektest::ColorAt(face, 20, 50), clBlue);
    EXPECT_EQ(vektest::ColorAt(face, 20, 95), clBlue);
    EXPECT_EQ(vektest::ColorAt(face, 20, 96), Margin);
    EXPECT_EQ(vektest::RowPattern(face, 70, 2, 37, clBlue), "..################################..");
}

TEST(ProgBarExtent, DownwardAndLeftwardBarsMirrorTheOthers)
{
    TProgBar down;
    Prepare(down);
    down.resize(40, 100);
    down.SetDirection(dirDown);
    down.SetValue(50);
    EXPECT_EQ(Pixel(down, 20, 3), Margin);
    EXPECT_EQ(Pixel(down, 20, 4), clBlue);
    EXPECT_EQ(Pixel(down, 20, 49), clBlue);
    EXPECT_EQ(Pixel(down, 20, 50), Back);

    TProgBar left;
    Prepare(left);
    left.SetDirection(dirLeft);
    // 29 columns ending at the inner area's right edge: 267 .. 295.
    EXPECT_EQ(BarRow(left, 265, 298), "..#############################..");
}

TEST(ProgBarExtent, ValueAboveMaxRunsOverTheMarginToTheEdge)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetValue(150);
    EXPECT_EQ(Pixel(bar, 299, 10), clBlue);
    EXPECT_EQ(Pixel(bar, 299, 2), Margin);
}

TEST(ProgBarExtent, NegativeFractionDrawsNoBarInEitherFill)
{
    for (bool gradient : {false, true}) {
        TProgBar bar;
        Prepare(bar);
        bar.SetShowColorGradient(gradient);
        bar.SetValue(-20);
        const QImage face = Face(bar);
        EXPECT_EQ(vektest::CountColor(face, QRect(0, 0, 4, 28), Margin), 4 * 28) << gradient;
        EXPECT_EQ(vektest::CountColor(face, QRect(4, 4, 292, 20), Back), 292 * 20) << gradient;
    }
}

TEST(ProgBarExtent, ExtremeAndUndefinedFractionsPaintQuickly)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetShowColorGradient(true);
    bar.SetGridDist(2);
    bar.SetValue(1e300); // a bar of astronomic length: only the visible part is drawn
    EXPECT_EQ(Pixel(bar, 100, 10), clBlack); // grid line at 4 + 48 * 2
    bar.SetGridDist(0);
    bar.SetColorMapMode(TProgBar::cgmCover);
    EXPECT_EQ(Pixel(bar, 299, 10), clRed);
    bar.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Pixel(bar, 10, 10), Back);
    bar.SetValue(std::numeric_limits<double>::infinity());
    EXPECT_EQ(Pixel(bar, 4, 10), clBlue);
}

TEST(ProgBarExtent, EmptyRangeShowsFullOnceTheValueReachesIt)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetRange(10, 10);
    EXPECT_EQ(Pixel(bar, 295, 10), clBlue);
    bar.SetValue(9);
    EXPECT_EQ(Pixel(bar, 4, 10), Back);
}

TEST(ProgBarExtent, ReversedRangeShowsTheDistanceFromMin)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetMin(100);
    bar.SetMax(0);
    bar.SetValue(90); // f = (90 - 100) / (0 - 100) = 0.1
    EXPECT_EQ(BarRow(bar, 2, 36), "..#############################...");
}

// ---- gradient ----------------------------------------------------------------------------

TEST(ProgBarGradient, StretchPutsFirstAndLastEntryAtTheBarEnds)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetShowColorGradient(true);
    for (double value : {1.0, 10.0, 63.0, 100.0}) {
        bar.SetValue(value);
        const int xe = 4 + int(std::lround(292 * value / 100));
        EXPECT_EQ(Pixel(bar, 4, 10), clBlue) << value;
        EXPECT_EQ(Pixel(bar, xe - 1, 10), clRed) << value;
        EXPECT_EQ(Pixel(bar, xe, 10), xe < 296 ? Back : Margin) << value;
    }
    bar.SetValue(50); // 146 columns: column 73 has entry Round(73 * 1023 / 145) = 515
    EXPECT_EQ(Pixel(bar, 4 + 73, 10), bar.BarColors(515));
}

TEST(ProgBarGradient, CoverUncoversAFixedGradient)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetShowColorGradient(true);
    bar.SetColorMapMode(TProgBar::cgmCover);
    bar.SetValue(50);
    // Column k has entry Round(k * 1023 / 292), whatever the value.
    EXPECT_EQ(Pixel(bar, 4, 10), clBlue);
    EXPECT_EQ(Pixel(bar, 4 + 100, 10), bar.BarColors(350));
    EXPECT_EQ(Pixel(bar, 4 + 145, 10), bar.BarColors(508));
    EXPECT_EQ(Pixel(bar, 4 + 146, 10), Back);
    bar.SetValue(100);
    EXPECT_EQ(Pixel(bar, 4 + 100, 10), bar.BarColors(350));
    EXPECT_EQ(Pixel(bar, 295, 10), bar.BarColors(1019));
}

TEST(ProgBarGradient, MoveShowsTheLastEntryAtTheLeadingColumn)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetShowColorGradient(true);
    bar.SetColorMapMode(TProgBar::cgmMove);
    for (double value : {1.0, 10.0, 50.0, 99.0}) {
        bar.SetValue(value);
        const int xe = 4 + int(std::lround(292 * value / 100));
        EXPECT_EQ(Pixel(bar, xe - 1, 10), clRed) << value;
    }
    // Value 10, 29 columns: column 0 has 0 - Round(28 * 1023 / 292) + 1023 = 925.
    bar.SetValue(10);
    EXPECT_EQ(Pixel(bar, 4, 10), bar.BarColors(925));
    bar.SetValue(100); // the full bar starts at 0 - Round(291 * 1023 / 292) + 1023 = 4
    EXPECT_EQ(Pixel(bar, 4, 10), bar.BarColors(4));
}

TEST(ProgBarGradient, VerticalGradientRunsFromTheBottomRow)
{
    TProgBar bar;
    Prepare(bar);
    bar.resize(40, 100);
    bar.SetDirection(dirUp);
    bar.SetShowColorGradient(true);
    bar.SetValue(50);
    EXPECT_EQ(Pixel(bar, 20, 95), clBlue);
    EXPECT_EQ(Pixel(bar, 20, 50), clRed);
    EXPECT_EQ(Pixel(bar, 20, 49), Back);
    EXPECT_EQ(Pixel(bar, 4, 70), Pixel(bar, 35, 70)); // one color across each row
}

TEST(ProgBarGradient, MirroredDirectionsStartAtTheirOwnEdge)
{
    TProgBar left;
    Prepare(left);
    left.SetDirection(dirLeft);
    left.SetShowColorGradient(true);
    left.SetGridDist(10);
    // 29 columns 295 down to 267; grid lines at 295, 285, 275 (265 is past the bar).
    EXPECT_EQ(Pixel(left, 294, 10), left.BarColors(Round(1 * 1023 / 28.0)));
    EXPECT_EQ(Pixel(left, 267, 10), clRed);
    EXPECT_EQ(BarRow(left, 264, 297, clBlack), "...........#.........#.........#.");

    TProgBar down;
    Prepare(down);
    down.resize(40, 100);
    down.SetDirection(dirDown);
    down.SetShowColorGradient(true);
    down.SetValue(50);
    EXPECT_EQ(Pixel(down, 20, 4), clBlue);
    EXPECT_EQ(Pixel(down, 20, 49), clRed);
}

TEST(ProgBarGradient, TableEditsShowAfterRefresh)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetShowColorGradient(true);
    bar.SetValue(100);
    const TColor before = Pixel(bar, 100, 10);
    for (int i = 0; i < TProgBar::GradientSize; ++i)
        bar.SetBarColors(i, clLime);
    EXPECT_EQ(Pixel(bar, 100, 10), before) << "editing the table does not repaint";
    bar.Refresh();
    EXPECT_EQ(Pixel(bar, 100, 10), clLime);
}

// ---- grid --------------------------------------------------------------------------------

TEST(ProgBarGrid, VerticalLinesFromTheLeftEdgeUpToTheBarEnd)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetRange(0, 292);
    bar.SetGridDist(10);
    bar.SetValue(30); // xe = 34: the line at 34 lies just past the bar and is drawn
    const QImage face = Face(bar);
    EXPECT_EQ(vektest::RowPattern(face, 10, 3, 46, clBlack),
              ".#.........#.........#.........#............");
    EXPECT_EQ(vektest::ColumnPattern(face, 14, 2, 25, clBlack), "..####################..");
    bar.SetValue(29); // xe = 33 < 34
    EXPECT_EQ(Pixel(bar, 34, 10), Back);
}

TEST(ProgBarGrid, HorizontalLinesFromTheBottomRowWhileInsideTheBar)
{
    TProgBar bar;
    Prepare(bar);
    bar.resize(40, 100);
    bar.SetDirection(dirUp);
    bar.SetRange(0, 92);
    bar.SetGridDist(10);
    bar.SetColorGrid(clGreen);
    bar.SetValue(41); // yt = 55: lines at 95, 85, ..., 55
    const QImage face = Face(bar);
    EXPECT_EQ(vektest::ColumnPattern(face, 20, 54, 97, clGreen),
              ".#.........#.........#.........#.........#..");
    bar.SetValue(40); // yt = 56: the line at 55 is above the bar now
    EXPECT_EQ(Pixel(bar, 20, 55), Back);
}

TEST(ProgBarGrid, SpacingOfOneOrLessDrawsNoLines)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetColorGrid(clGreen);
    for (int dist : {-5, 0, 1}) {
        bar.SetGridDist(dist);
        EXPECT_EQ(vektest::CountColor(Face(bar), QRect(0, 0, 300, 28), clGreen), 0) << dist;
    }
}

// ---- background picture -------------------------------------------------------------------

class ProgBarBackground : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString WritePicture(const QString& name, QColor color)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ProgBarBackground, PictureIsStretchedOverTheInnerAreaBelowTheBar)
{
    TProgBar bar;
    Prepare(bar);
    const QString green = WritePicture("green.png", QColor(0, 128, 0));
    bar.SetBackGroundImg(green);
    EXPECT_EQ(bar.BackGroundImg(), green);
    const QImage face = Face(bar);
    EXPECT_EQ(vektest::CountColor(face, QRect(33, 4, 263, 20), clGreen), 263 * 20);
    EXPECT_EQ(vektest::ColorAt(face, 20, 10), clBlue);
    EXPECT_EQ(vektest::ColorAt(face, 296, 10), Margin);
    EXPECT_EQ(vektest::ColorAt(face, 100, 3), Margin);
}

TEST_F(ProgBarBackground, UnreadableFileKeepsNameAndPictureQuietly)
{
    TProgBar bar;
    Prepare(bar);
    const QString green = WritePicture("green.png", QColor(0, 128, 0));
    bar.SetBackGroundImg(green);
    PaintCounter paints(bar);
    bar.SetTextVisible(true);
    paints.Count = 0;
    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    for (const QString& name : {dir.filePath("missing.png"), dir.filePath("junk.bmp")}) {
        EXPECT_NO_THROW(bar.SetBackGroundImg(name));
        EXPECT_EQ(bar.BackGroundImg(), green);
    }
    EXPECT_EQ(paints.Count, 2) << "the bar repaints in every case";
    EXPECT_EQ(Pixel(bar, 200, 20), clGreen);
}

TEST_F(ProgBarBackground, EmptyNameRemovesThePicture)
{
    TProgBar bar;
    Prepare(bar);
    bar.SetBackGroundImg(WritePicture("green.png", QColor(0, 128, 0)));
    bar.SetBackGroundImg(QString());
    EXPECT_TRUE(bar.BackGroundImg().isEmpty());
    EXPECT_EQ(Pixel(bar, 200, 10), Back);
}
