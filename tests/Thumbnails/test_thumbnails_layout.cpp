// Layout, clamping, scroll position and painting of the thumbnail grid.
#include "thumbnails_fixture.h"

#include <frame/core/application.h>
#include <frame/canvas/bitmap.h>

using namespace vek;
using namespace thumbstest;
using vektest::ColorAt;
using vektest::CountColor;
using vektest::InkBounds;

TEST(ThumbnailsDefaults, ConstructorValuesAndFirstPaint)
{
    TThumbnails grid;
    EXPECT_EQ(grid.width(), 260);
    EXPECT_EQ(grid.height(), 400);
    EXPECT_EQ(grid.Min(), 1);
    EXPECT_EQ(grid.Max(), 100);
    EXPECT_EQ(grid.SlideSize(), 120);
    EXPECT_EQ(grid.SlideDistance(), 2);
    EXPECT_EQ(grid.SlideMargin(), 7);
    EXPECT_EQ(grid.SlideSelectMode(), TThumbnails::ssmSingle);
    EXPECT_EQ(grid.ColorCover(), 0x00C0C0C0u);
    EXPECT_EQ(grid.ColorSelected(), 0x00800000u);
    EXPECT_EQ(grid.ColorFocus(), 0x00FF0000u);
    EXPECT_EQ(grid.FocusLinewidth(), 1);
    EXPECT_EQ(grid.FocusedSlide(), 0);
    EXPECT_EQ(grid.FirstThumbIdx(), 1.0);
    EXPECT_EQ(grid.NumSlidesHoriz(), 2);
    EXPECT_EQ(grid.FrameStyle(), TFrameStyle(2));
    EXPECT_EQ(grid.OuterFrameStyle(), TFrameStyle(3));
    EXPECT_EQ(grid.InnerFrameStyle(), TFrameStyle(2));
    grid.Refresh();
    // 260 + 2 - 20 = 242 holds one pitch of 136.
    EXPECT_EQ(grid.NumSlidesHoriz(), 1);
    EXPECT_EQ(grid.NumSlidesVert(), 400 / 136 + 1);
    EXPECT_TRUE(grid.setProperty("SlideSelectMode", TThumbnails::ssmMultiple));
    EXPECT_EQ(grid.SlideSelectMode(), TThumbnails::ssmMultiple);
}

TEST(ThumbnailsSetters, ValuesAreClamped)
{
    TThumbnails grid;
    grid.SetSlideSize(30);
    EXPECT_EQ(grid.SlideSize(), 50);
    grid.resize(40, 400);
    grid.SetSlideSize(30);
    EXPECT_EQ(grid.SlideSize(), 40);
    grid.SetSlideSize(500);
    EXPECT_EQ(grid.SlideSize(), 40);
    grid.SetFocusLinewidth(11);
    EXPECT_EQ(grid.FocusLinewidth(), 10);
    grid.SetFocusLinewidth(-1);
    EXPECT_EQ(grid.FocusLinewidth(), 0);
    grid.SetSlideDistance(101);
    EXPECT_EQ(grid.SlideDistance(), 100);
    grid.SetSlideMargin(-5);
    EXPECT_EQ(grid.SlideMargin(), 0);
    grid.SetMax(-3);
    EXPECT_EQ(grid.Max(), 1);
}

TEST(ThumbnailsScroll, PositionIsNormalizedToTheRow)
{
    TThumbnails grid;
    Prepare(grid);
    ASSERT_EQ(grid.NumSlidesHoriz(), 2);
    grid.SetFirstThumbIdx(4);
    EXPECT_EQ(grid.FirstThumbIdx(), 3.5);
    grid.SetFirstThumbIdx(5);
    EXPECT_EQ(grid.FirstThumbIdx(), 5.0);
    grid.SetFirstThumbIdx(-7);
    EXPECT_EQ(grid.FirstThumbIdx(), 1.0);
    grid.SetFirstThumbIdx(1000);
    EXPECT_EQ(grid.FirstThumbIdx(), 99.5);
    grid.SetFirstThumbIdx(std::nan(""));
    EXPECT_EQ(grid.FirstThumbIdx(), 99.5);
}

TEST(ThumbnailsScroll, NarrowingTheRangeBringsThePositionBack)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetFirstThumbIdx(51);
    grid.SetMax(20);
    EXPECT_LE(grid.FirstThumbIdx(), 20.0);
    EXPECT_NE(CountColor(Face(grid), grid.rect(), Cover), 0);
}

TEST(ThumbnailsScroll, ARowOfNewLengthRenormalizesThePosition)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetFirstThumbIdx(4); // 3.5 with two per row
    grid.resize(450, 400);    // three per row
    grid.Refresh();
    EXPECT_EQ(grid.NumSlidesHoriz(), 3);
    // 3.5 lies in the row starting with slide 1: 1 + 2.5 / 3.
    EXPECT_DOUBLE_EQ(grid.FirstThumbIdx(), 1.0 + 2.5 / 3);
}

TEST(ThumbnailsGeometry, SlidePositionsAndHitTest)
{
    TThumbnails grid;
    Prepare(grid);
    int x = 0;
    int y = 0;
    grid.CalcSlidePos(1, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(10, 12));
    grid.CalcSlidePos(4, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(146, 148));
    EXPECT_EQ(grid.CalcSlideIndex(10, 12), 1);
    EXPECT_EQ(grid.CalcSlideIndex(144, 146), 1);
    EXPECT_EQ(grid.CalcSlideIndex(145, 50), 0); // gap between the columns
    EXPECT_EQ(grid.CalcSlideIndex(50, 147), 0); // gap between the rows
    EXPECT_EQ(grid.CalcSlideIndex(146, 148), 4);
    EXPECT_EQ(grid.CalcSlideIndex(9, 50), 0);   // left band
    EXPECT_EQ(grid.CalcSlideIndex(50, 395), 0); // bottom band
    EXPECT_EQ(grid.CalcSlideIndex(290, 50), 0); // no third column

    grid.SetFirstThumbIdx(4); // 3.5: half a row (68 px) scrolled out
    grid.CalcSlidePos(3, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(10, 12 - 68));
    grid.CalcSlidePos(2, x, y); // above the view: the row above, in its own column
    EXPECT_EQ(QPoint(x, y), QPoint(146, 12 - 68 - 136));
    grid.CalcSlidePos(1, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(10, 12 - 68 - 136));
    EXPECT_EQ(grid.CalcSlideIndex(50, 20), 3);
    EXPECT_EQ(grid.CalcSlideIndex(50, 100), 5);
    grid.SetMax(5);
    EXPECT_EQ(grid.CalcSlideIndex(200, 100), 0); // slide 6 is beyond Max
}

TEST(ThumbnailsPainting, EmptySlideShowsCardAndNumber)
{
    TThumbnails grid;
    Prepare(grid);
    const QImage face = Face(grid);
    EXPECT_EQ(ColorAt(face, 10, 12), Cover);
    EXPECT_EQ(ColorAt(face, 144, 146), Cover);
    EXPECT_EQ(ColorAt(face, 145, 50), Back);
    // The card spans the image area's width and rows 39..118, outlined in black.
    EXPECT_EQ(ColorAt(face, 17, 39), clBlack);
    EXPECT_EQ(ColorAt(face, 136, 118), clBlack);
    EXPECT_EQ(ColorAt(face, 18, 40), clWhite);
    EXPECT_EQ(ColorAt(face, 135, 117), clWhite);
    EXPECT_EQ(ColorAt(face, 17, 38), Cover);
    EXPECT_EQ(ColorAt(face, 17, 119), Cover);
    EXPECT_EQ(ColorAt(face, 137, 60), Cover);
    // The number "1" is centred at (77, 79).
    const QRect ink = InkBounds(face, QRect(18, 40, 118, 78), clWhite);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 77, 2);
    EXPECT_NEAR(ink.center().y(), 79, 3);
}

TEST(ThumbnailsPainting, SelectedSlideIsFilledAndBandsStayClear)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetSlideSelected(2, true);
    grid.SetFirstThumbIdx(2); // 1.5: the first row half scrolled into the top band
    const QImage face = Face(grid);
    EXPECT_EQ(CountColor(face, QRect(0, 0, 300, 10), Back), 300 * 10);
    EXPECT_EQ(CountColor(face, QRect(0, 390, 300, 10), Back), 300 * 10);
    EXPECT_EQ(ColorAt(face, 150, 12), Selected);
    EXPECT_EQ(ColorAt(face, 12, 12), Cover);
}

TEST(ThumbnailsPainting, ImagesKeepTheirAspectRatio)
{
    struct Case {
        int w, h;
        QRect drawn;
    };
    const Case cases[] = {
        {100, 200, QRect(47, 19, 60, 120)}, // portrait, centred horizontally
        {200, 100, QRect(17, 49, 120, 60)}, // landscape, centred vertically
        {30, 30, QRect(17, 19, 120, 120)},  // square fills the area
    };
    for (const Case& c : cases) {
        TThumbnails grid;
        Prepare(grid);
        ShowImageOnSlide1(grid, [&c](TBitmap& buffer) { FillBuffer(buffer, c.w, c.h, clRed); });
        grid.Refresh();
        const QImage face = Face(grid);
        EXPECT_EQ(InkBounds(face, QRect(10, 12, 135, 135), Cover), c.drawn) << c.w << "x" << c.h;
        EXPECT_EQ(CountColor(face, c.drawn, clRed), c.drawn.width() * c.drawn.height());
    }
}

TEST(ThumbnailsPainting, RequestKindsAndMarks)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetColorMark(clLime);
    std::vector<int> rendered;
    grid.OnImageRequest = [](TObject*, int id, TThumbnails::TImageRequestProcessing& how,
                             int& mark, TBitmap&) {
        if (id == 1) {
            how = TThumbnails::irpShowNothing;
            mark = 3;
        } else if (id == 2) {
            how = TThumbnails::irpShowFrameOnly;
        } else if (id == 3) {
            how = TThumbnails::irpShowSlide; // with an empty buffer: the box only
        }
    };
    grid.OnSlideRendered = [&](TObject*, TCanvas*, int x, int y, int id) {
        if (id <= 2)
            rendered.push_back(x * 1000 + y);
    };
    grid.Refresh();
    const QImage face = Face(grid);
    EXPECT_EQ(CountColor(face, QRect(10, 12, 135, 135), Cover), 0);
    EXPECT_GT(CountColor(face, QRect(14, 18, 13, 13), clLime), 0); // mark around (20, 24)
    EXPECT_EQ(CountColor(face, QRect(146, 12, 135, 135), Cover), 135 * 135);
    EXPECT_EQ(CountColor(face, QRect(10, 148, 135, 135), Cover), 135 * 135);
    EXPECT_EQ(rendered, (std::vector<int>{10 * 1000 + 12, 146 * 1000 + 12}));
}

TEST(ThumbnailsPainting, RequestsRunColumnByColumnWithinFirstAndLast)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetMax(5);
    QStringList calls;
    grid.OnFirstImageRequest = [&](TObject*) { calls << "first"; };
    grid.OnLastImageRequest = [&](TObject*) { calls << "last"; };
    grid.OnImageRequest = [&](TObject*, int id, TThumbnails::TImageRequestProcessing&, int&,
                              TBitmap&) { calls << QString::number(id); };
    grid.Refresh();
    // Slides beyond Max are neither requested nor drawn, even with rows left empty.
    EXPECT_EQ(calls.join(' '), "first 1 3 5 2 4 last");
    EXPECT_EQ(CountColor(Face(grid), QRect(146, 284, 135, 100), Back), 135 * 100);
}

TEST(ThumbnailsPainting, AThrowingHandlerDoesNotBlockLaterPaints)
{
    TThumbnails grid;
    Prepare(grid);
    int requests = 0;
    grid.OnImageRequest = [&](TObject*, int, TThumbnails::TImageRequestProcessing&, int&,
                              TBitmap&) {
        ++requests;
        throw std::runtime_error("broken handler");
    };
    QString reported;
    Application()->OnException = [&](TObject*, const QString& message) { reported = message; };
    grid.Refresh();
    Application()->OnException = nullptr;
    EXPECT_EQ(reported, "broken handler");
    grid.OnImageRequest = nullptr;
    grid.SetColorCover(clYellow);
    EXPECT_EQ(ColorAt(Face(grid), 12, 14), clYellow);
    EXPECT_EQ(requests, 1);
}

TEST(ThumbnailsPainting, FrameAroundTheControl)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetFrameStyle(TFrameStyle(1)); // single black line at 0 and Width - 2
    const QImage face = Face(grid);
    EXPECT_EQ(ColorAt(face, 0, 200), clBlack);
    EXPECT_EQ(ColorAt(face, 298, 200), clBlack);
    EXPECT_EQ(ColorAt(face, 299, 200), Back);
    EXPECT_EQ(ColorAt(face, 150, 398), clBlack);
}

TEST(ThumbnailsPainting, AntiAliasSmoothsScaledImages)
{
    TThumbnails grid;
    Prepare(grid);
    ShowImageOnSlide1(grid, [](TBitmap& buffer) {
        FillBuffer(buffer, 2, 2, clBlack);
        buffer.Canvas()->SetPixels(0, 0, clWhite);
        buffer.Canvas()->SetPixels(1, 1, clWhite);
    });
    const QRect area(17, 19, 120, 120);
    grid.Refresh();
    QImage face = Face(grid);
    EXPECT_EQ(CountColor(face, area, clWhite) + CountColor(face, area, clBlack), 120 * 120);
    grid.SetAntiAlias(true);
    face = Face(grid);
    EXPECT_LT(CountColor(face, area, clWhite) + CountColor(face, area, clBlack), 120 * 120 / 2);
}

TEST(ThumbnailsPainting, DisabledGridShowsGrayImagesAndNumbers)
{
    TThumbnails grid;
    Prepare(grid);
    ShowImageOnSlide1(grid, [](TBitmap& buffer) { FillBuffer(buffer, 30, 30, clRed); });
    const QRect image(17, 19, 120, 120);
    const QRect card(146 + 8, 12 + 28, 118, 78); // slide 2's white card
    grid.setEnabled(false);
    QImage face = Face(grid);
    int colored = 0;
    int darkest = 255;
    for (int y = image.top(); y <= image.bottom(); ++y)
        for (int x = image.left(); x <= image.right(); ++x) {
            const QRgb p = face.pixel(x, y);
            colored += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    for (int y = card.top(); y <= card.bottom(); ++y)
        for (int x = card.left(); x <= card.right(); ++x)
            darkest = std::min(darkest, qGray(face.pixel(x, y)));
    EXPECT_EQ(colored, 0);
    EXPECT_EQ(CountColor(face, image, clRed), 0);
    EXPECT_NEAR(darkest, qGray(ToQRgb(clGray)), 8); // the number in gray

    grid.setEnabled(true);
    face = Face(grid);
    EXPECT_EQ(CountColor(face, image, clRed), 120 * 120);
    EXPECT_EQ(ColorAt(face, 10, 12), Cover); // boxes keep their fill throughout
}
