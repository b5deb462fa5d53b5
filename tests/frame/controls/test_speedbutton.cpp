// TSpeedButton: clicks by mouse and code, the pressed face while held, leaving before
// the release, groups with and without AllowAllUp, and the glyph's transparent color.
#include <frame/controls/speedbutton.h>

#include "pixels.h"

#include <gtest/gtest.h>

#include <QTest>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

namespace {

void Press(QWidget* w, QPoint p = {10, 10}) { QTest::mousePress(w, Qt::LeftButton, {}, p); }
void Release(QWidget* w, QPoint p = {10, 10}) { QTest::mouseRelease(w, Qt::LeftButton, {}, p); }
void MoveTo(QWidget* w, QPoint p)
{
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

TEST(SpeedButton, ClickOnReleaseInsideOnly)
{
    TSpeedButton button;
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    Press(&button);
    EXPECT_EQ(button.State(), bsDown);
    EXPECT_EQ(clicks, 0);
    Release(&button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), bsUp);
    // Leaving while held shows the button up; coming back shows it down again.
    Press(&button);
    MoveTo(&button, {40, 40});
    EXPECT_EQ(button.State(), bsUp);
    MoveTo(&button, {5, 5});
    EXPECT_EQ(button.State(), bsDown);
    MoveTo(&button, {40, 40});
    Release(&button, {40, 40});
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&button, Qt::RightButton, {}, {10, 10});
    EXPECT_EQ(clicks, 1);
    button.SetEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks, 1);
}

TEST(SpeedButton, PlainButtonsCannotStayDown)
{
    TSpeedButton button;
    button.SetDown(true);
    EXPECT_FALSE(button.Down());
    button.Click(); // in code: OnClick, nothing else
    EXPECT_FALSE(button.Down());
}

TEST(SpeedButton, GroupsWorkLikeRadioButtons)
{
    QWidget parent;
    TSpeedButton a(&parent), b(&parent), other(&parent);
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    other.SetGroupIndex(2);
    other.SetDown(true);
    QTest::mouseClick(&a, Qt::LeftButton, {}, {10, 10});
    EXPECT_TRUE(a.Down());
    EXPECT_EQ(a.State(), bsExclusive);
    QTest::mouseClick(&b, Qt::LeftButton, {}, {10, 10});
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(a.State(), bsUp);
    EXPECT_TRUE(other.Down()); // another group
    QTest::mouseClick(&b, Qt::LeftButton, {}, {10, 10}); // the down one stays down
    EXPECT_TRUE(b.Down());
    a.SetAllowAllUp(true); // shared by the group
    EXPECT_TRUE(b.AllowAllUp());
    QTest::mouseClick(&b, Qt::LeftButton, {}, {10, 10});
    EXPECT_FALSE(b.Down());
}

TEST(SpeedButton, FacesAndGlyph)
{
    TSpeedButton button;
    button.resize(40, 30);
    TBitmap glyph(16, 16);
    glyph.Canvas()->Brush()->SetColor(clFuchsia); // the key: bottom-left pixel
    glyph.Canvas()->FillRect(TRect(0, 0, 16, 16));
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(TRect(4, 4, 12, 12));
    button.SetGlyph(&glyph);
    QImage image = Render(&button);
    EXPECT_EQ(ColorAt(image, 20, 15), TColor(clBlue)); // glyph centred at (12, 7)
    EXPECT_EQ(vektest::CountColor(image, image.rect(), clFuchsia), 0);
    EXPECT_EQ(ColorAt(image, 13, 8), ColorToRGB(clBtnFace));
    EXPECT_EQ(ColorAt(image, 0, 0), ColorToRGB(cl3DLight)); // raised edge
    EXPECT_EQ(ColorAt(image, 39, 29), ColorToRGB(cl3DDkShadow));
    Press(&button); // down: sunken edge, content one pixel lower right
    image = Render(&button);
    EXPECT_EQ(ColorAt(image, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorAt(image, 16, 11), ColorToRGB(clBtnFace));
    EXPECT_EQ(ColorAt(image, 17, 12), TColor(clBlue));
    Release(&button);
    button.SetEnabled(false); // a grayed copy of the glyph
    image = Render(&button);
    const TColor gray = ColorAt(image, 20, 15);
    EXPECT_NE(gray, TColor(clBlue));
    EXPECT_EQ(gray & 0xFF, (gray >> 8) & 0xFF);
    button.SetFlat(true); // flat and not under the mouse: no edge
    button.SetEnabled(true);
    image = Render(&button);
    EXPECT_EQ(ColorAt(image, 0, 0), ColorToRGB(button.Color()));
}
