// Hover outline, clicks, selection, wheel and copying of the thumbnail grid.
#include "thumbnails_fixture.h"

#include <array>

using namespace vek;
using namespace thumbstest;
using vektest::ColorAt;
using vektest::CountColor;

TEST(ThumbnailsSelection, SetAndQuery)
{
    TThumbnails grid;
    grid.SetMin(10);
    grid.SetMax(20);
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
    EXPECT_EQ(grid.FirstSelectedSlide(), 9); // no bit set: Min - 1
    grid.SetSlideSelected(15, true);
    grid.SetSlideSelected(12, true);
    grid.SetSlideSelected(21, true); // outside: ignored
    grid.SetSlideSelected(9, true);
    EXPECT_TRUE(grid.SlideSelected(12));
    EXPECT_FALSE(grid.SlideSelected(21));
    EXPECT_EQ(grid.NumSlidesSelected(), 2);
    EXPECT_EQ(grid.FirstSelectedSlide(), 12);
    grid.ResetAllSelections();
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
    grid.SetSlideSelected(20, true);
    grid.SetSlideSelectMode(TThumbnails::ssmMultiple);
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
}

TEST(ThumbnailsSelection, MinAboveMaxMeansNoSlides)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetMin(50);
    grid.SetMax(10);
    grid.SetSlideSelected(10, true);
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
    EXPECT_EQ(grid.CalcSlideIndex(50, 50), 0);
    EXPECT_EQ(CountColor(Face(grid), grid.rect(), Cover), 0);
}

TEST(ThumbnailsClicks, SingleModeSelectsTheClickedSlideOnly)
{
    TThumbnails grid;
    Prepare(grid);
    std::vector<std::array<int, 3>> clicks;
    grid.OnImageClick = [&](TObject*, int x, int y, int id) { clicks.push_back({x, y, id}); };
    grid.SetSlideSelected(1, true);
    Click(grid, QPoint(200, 50));
    EXPECT_EQ(grid.NumSlidesSelected(), 1);
    EXPECT_TRUE(grid.SlideSelected(2));
    EXPECT_EQ(ColorAt(Face(grid), 150, 14), Selected);
    Click(grid, QPoint(145, 50)); // the gap between slides
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0], (std::array<int, 3>{200, 50, 2}));
    EXPECT_EQ(clicks[1], (std::array<int, 3>{145, 50, 0}));
}

TEST(ThumbnailsClicks, MultipleModeTogglesAndShiftSelectsARange)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetSlideSelectMode(TThumbnails::ssmMultiple);
    Click(grid, QPoint(50, 50));  // 1
    Click(grid, QPoint(200, 50)); // 2
    EXPECT_EQ(grid.NumSlidesSelected(), 2);
    Click(grid, QPoint(50, 50)); // 1 again: off
    EXPECT_FALSE(grid.SlideSelected(1));
    // The range runs from the last clicked slide (1) to slide 6.
    Click(grid, QPoint(200, 300), Qt::ShiftModifier);
    EXPECT_EQ(grid.NumSlidesSelected(), 6);
    EXPECT_EQ(grid.FirstSelectedSlide(), 1);
    EXPECT_TRUE(grid.SlideSelected(6));

    // A range over most of two billion slides, then one slide out of its middle.
    grid.SetMax(2'000'000'000);
    grid.SetFirstThumbIdx(1'500'000'001);
    Click(grid, QPoint(50, 50), Qt::ShiftModifier);
    EXPECT_EQ(grid.NumSlidesSelected(), 1'500'000'001);
    grid.SetFirstThumbIdx(1'000'000'001);
    Click(grid, QPoint(50, 50));
    EXPECT_FALSE(grid.SlideSelected(1'000'000'001));
    EXPECT_TRUE(grid.SlideSelected(1'000'000'002));
    EXPECT_EQ(grid.NumSlidesSelected(), 1'500'000'000);
}

TEST(ThumbnailsClicks, DisabledModeOnlyReports)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetSlideSelectMode(TThumbnails::ssmDisabled);
    int clicked = -1;
    grid.OnImageClick = [&](TObject*, int, int, int id) { clicked = id; };
    Click(grid, QPoint(50, 200));
    EXPECT_EQ(clicked, 3);
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
    SendMouse(grid, QEvent::MouseButtonRelease, QPoint(50, 50), Qt::RightButton);
    EXPECT_EQ(clicked, 3); // only the left button clicks
}

TEST(ThumbnailsClicks, DoubleClickReportsTheSlide)
{
    TThumbnails grid;
    Prepare(grid);
    std::vector<int> ids;
    grid.OnImageDblClick = [&](TObject*, int, int, int id) { ids.push_back(id); };
    SendMouse(grid, QEvent::MouseButtonPress, QPoint(200, 200), Qt::LeftButton);
    SendMouse(grid, QEvent::MouseButtonRelease, QPoint(200, 200), Qt::LeftButton);
    SendMouse(grid, QEvent::MouseButtonDblClick, QPoint(200, 200), Qt::LeftButton);
    SendMouse(grid, QEvent::MouseButtonRelease, QPoint(200, 200), Qt::LeftButton);
    EXPECT_EQ(ids, std::vector<int>{4});
}

TEST(ThumbnailsHover, OutlineFollowsTheMouse)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetFocusLinewidth(2);
    int changes = 0;
    grid.OnFocusChange = [&](TObject*) { ++changes; };
    MoveMouse(grid, QPoint(50, 50));
    MoveMouse(grid, QPoint(60, 60));
    EXPECT_EQ(grid.FocusedSlide(), 1);
    EXPECT_EQ(changes, 1);
    QImage face = Face(grid);
    // Two rings from (12, 14) to (142, 144).
    EXPECT_EQ(ColorAt(face, 12, 50), Focus);
    EXPECT_EQ(ColorAt(face, 13, 50), Focus);
    EXPECT_EQ(ColorAt(face, 14, 50), Cover);
    EXPECT_EQ(ColorAt(face, 142, 50), Focus);
    EXPECT_EQ(ColorAt(face, 50, 144), Focus);
    EXPECT_EQ(ColorAt(face, 11, 50), Cover);

    MoveMouse(grid, QPoint(200, 50));
    EXPECT_EQ(grid.FocusedSlide(), 2);
    EXPECT_EQ(changes, 2);
    face = Face(grid);
    EXPECT_EQ(ColorAt(face, 12, 50), Cover);
    EXPECT_EQ(ColorAt(face, 148, 50), Focus);

    // A repaint keeps the outline of the slide under the mouse.
    grid.SetSlideSelected(2, true);
    EXPECT_EQ(ColorAt(Face(grid), 148, 50), Focus);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&grid, &leave);
    EXPECT_EQ(grid.FocusedSlide(), 0);
    EXPECT_EQ(ColorAt(Face(grid), 148, 50), Selected);
}

TEST(ThumbnailsHover, OutlineStaysOutOfTheBands)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetFirstThumbIdx(2); // first row half hidden above
    MoveMouse(grid, QPoint(50, 30));
    EXPECT_EQ(grid.FocusedSlide(), 1);
    const QImage face = Face(grid);
    EXPECT_EQ(CountColor(face, QRect(0, 0, 300, 10), Focus), 0);
    EXPECT_GT(CountColor(face, QRect(10, 10, 140, 70), Focus), 0);
}

TEST(ThumbnailsHover, ZeroLinewidthTurnsTrackingOff)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetFocusLinewidth(0);
    int changes = 0;
    grid.OnFocusChange = [&](TObject*) { ++changes; };
    MoveMouse(grid, QPoint(50, 50));
    MoveMouse(grid, QPoint(200, 200));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.FocusedSlide(), 0);
    EXPECT_EQ(CountColor(Face(grid), grid.rect(), Focus), 0);
}

TEST(ThumbnailsWheel, ScrollsByRows)
{
    TThumbnails grid;
    Prepare(grid);
    grid.SetMax(9);
    MoveMouse(grid, QPoint(50, 50));
    Wheel(grid, QPoint(50, 50), -1);
    EXPECT_EQ(grid.FirstThumbIdx(), 3.0);
    EXPECT_EQ(grid.FocusedSlide(), 3); // the slide now under the mouse
    grid.SetFirstThumbIdx(4);          // 3.5
    Wheel(grid, QPoint(50, 50), -1);
    EXPECT_EQ(grid.FirstThumbIdx(), 5.5);
    Wheel(grid, QPoint(50, 50), -5);
    EXPECT_EQ(grid.FirstThumbIdx(), 9.0); // Max
    Wheel(grid, QPoint(50, 50), 9);
    EXPECT_EQ(grid.FirstThumbIdx(), 1.0);

    bool handled = false;
    grid.OnMouseWheelDown = [&](TObject*, TShiftState, QPoint, bool& h) { h = handled = true; };
    Wheel(grid, QPoint(50, 50), -1);
    EXPECT_TRUE(handled);
    EXPECT_EQ(grid.FirstThumbIdx(), 1.0);
}

TEST(ThumbnailsAssign, CopiesLooksRangeAndEventsButNotSelection)
{
    TThumbnails source;
    Prepare(source);
    source.SetMax(40);
    source.SetSlideSize(80);
    source.SetColorCover(clYellow);
    source.SetColorMark(clRed);
    source.SetSlideSelectMode(TThumbnails::ssmMultiple);
    source.SetSlideSelected(3, true);
    source.SetFirstThumbIdx(7);
    int requests = 0;
    source.OnImageRequest = [&](TObject*, int, TThumbnails::TImageRequestProcessing&, int&,
                                TBitmap&) { ++requests; };
    source.OnSlideRendered = [](TObject*, TCanvas*, int, int, int) {};

    TThumbnails dest;
    dest.resize(300, 400);
    dest.Assign(&source);
    EXPECT_EQ(dest.Max(), 40);
    EXPECT_EQ(dest.SlideSize(), 80);
    EXPECT_EQ(dest.ColorCover(), clYellow);
    EXPECT_EQ(dest.ColorBackGnd(), Back);
    EXPECT_EQ(dest.FirstThumbIdx(), source.FirstThumbIdx());
    EXPECT_EQ(dest.ColorMark(), 0u);
    EXPECT_EQ(dest.SlideSelectMode(), TThumbnails::ssmSingle);
    EXPECT_EQ(dest.NumSlidesSelected(), 0);
    EXPECT_FALSE(dest.OnSlideRendered);
    EXPECT_GT(requests, 0); // dest repainted with the copied handler
    dest.SetSlideSelected(40, true);
    EXPECT_TRUE(dest.SlideSelected(40));
}
