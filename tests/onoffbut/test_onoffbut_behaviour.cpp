// Behaviour of the two-state button through its public API and mouse events: clicks,
// speed mode, mouse actions, groups, spacing and centering, user images and copying.
#include "onoffbut_fixture.h"

#include <frame/core/errors.h>

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vek;
using namespace onoffbuttest;

TEST(OnOffButMouse, ClickStrictlyInsideTheGlyphCellToggles)
{
    TOnOffBut button;
    int clicks = 0;
    button.OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &button);
        ++clicks;
    };
    Click(&button, 36, 20);
    EXPECT_FALSE(button.OnOff());
    EXPECT_EQ(clicks, 1);
    Click(&button, 64, 35);
    EXPECT_TRUE(button.OnOff());
    for (const QPoint p : {QPoint(35, 20), QPoint(65, 20), QPoint(50, 18), QPoint(50, 36)})
        Click(&button, p.x(), p.y());
    EXPECT_TRUE(button.OnOff());
    EXPECT_EQ(clicks, 2);
}

TEST(OnOffButMouse, RightButtonAndMouseActionNone)
{
    TOnOffBut button;
    QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(50, 25));
    EXPECT_TRUE(button.OnOff());

    int clicks = 0, downs = 0, ups = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    button.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    button.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
    button.SetMouseAction(TOnOffBut::oomaNone);
    Click(&button, 50, 25);
    EXPECT_TRUE(button.OnOff());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
}

TEST(OnOffButMouse, PlainActionCountsAnywhere)
{
    TOnOffBut button;
    button.SetMouseAction(TOnOffBut::oomaPlain);
    Click(&button, 3, 3);
    EXPECT_FALSE(button.OnOff());
}

TEST(OnOffButMouse, SpeedButtonIsOnOnlyWhilePressed)
{
    TOnOffBut button;
    button.SetMode(TOnOffBut::oobmSpeedBut);
    EXPECT_FALSE(button.OnOff());
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    EXPECT_TRUE(button.OnOff());
    EXPECT_EQ(GlyphMismatches(button.Canvas()->Target()->convertToFormat(QImage::Format_RGB32),
                              36, 19, StateImage("COLSLIDELR", true, true),
                              ColorToRGB(clBtnFace)), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    EXPECT_FALSE(button.OnOff());
    EXPECT_EQ(clicks, 1);
}

// A press dragged off the glyph before its release is no click: no OnClick, no
// clicked(), and the speed button stays on, showing its on image.
TEST(OnOffButMouse, SpeedButtonReleasedOffTheGlyphStaysOnWithoutAClick)
{
    TOnOffBut button;
    button.SetMode(TOnOffBut::oobmSpeedBut);
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    QSignalSpy clickedSpy(&button, &TOnOffBut::clicked);
    QSignalSpy stateSpy(&button, &TOnOffBut::checkedChanged);
    // Just outside the glyph cell on each side, and far off in a corner.
    for (const QPoint release : {QPoint(35, 25), QPoint(65, 25), QPoint(50, 18),
                                 QPoint(50, 36), QPoint(5, 5)}) {
        SCOPED_TRACE(testing::Message() << "released at " << release.x() << "," << release.y());
        button.SetOnOff(false);
        stateSpy.clear();
        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, release);
        EXPECT_TRUE(button.OnOff());
        EXPECT_EQ(stateSpy.count(), 1); // the press only
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(clickedSpy.count(), 0);
        EXPECT_EQ(GlyphMismatches(Face(button), 36, 19, StateImage("COLSLIDELR", true, true),
                                  ColorToRGB(clBtnFace)), 0);
    }
}

TEST(OnOffButMouse, DisabledButtonIgnoresTheMouse)
{
    QWidget parent;
    auto* button = new TOnOffBut(&parent);
    button->SetEnabled(false);
    Click(button, 50, 25);
    EXPECT_TRUE(button->OnOff());
    EXPECT_FALSE(button->Enabled());
}

TEST(OnOffButProperties, ModeAndOnOffSetters)
{
    TOnOffBut button;
    button.SetOnOff(false);
    EXPECT_FALSE(button.OnOff());
    button.SetOnOff(true);
    button.SetMode(TOnOffBut::oobmSpeedBut);
    EXPECT_FALSE(button.OnOff());
    button.SetMode(TOnOffBut::oobmNormalBut);
    button.SetOnOff(true);
    EXPECT_TRUE(button.OnOff());
    EXPECT_TRUE(button.setProperty("ButtonStyle", int(TOnOffBut::oobsBulb)));
    EXPECT_EQ(button.ButtonStyle(), TOnOffBut::oobsBulb);
    EXPECT_TRUE(button.setProperty("LeftText", "x"));
    EXPECT_EQ(button.LeftText(), "x");
}

// ---- groups --------------------------------------------------------------------------

class OnOffButGroup : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (auto*& button : buttons) {
            button = new TOnOffBut(&parent);
            button->SetBounds(0, 0, 100, 50);
        }
        buttons[0]->SetGroupIndex(1);
        buttons[1]->SetOnOff(false);
        buttons[1]->SetGroupIndex(1);
        buttons[1]->SetAllowAllOff(false);
    }

    QWidget parent;
    TOnOffBut* buttons[3] = {};
};

TEST_F(OnOffButGroup, AllowAllOffIsSharedByTheGroup)
{
    EXPECT_FALSE(buttons[0]->AllowAllOff());
    EXPECT_TRUE(buttons[2]->AllowAllOff());
}

TEST_F(OnOffButGroup, SwitchingOneOnSwitchesTheOthersOff)
{
    buttons[1]->SetOnOff(true);
    EXPECT_FALSE(buttons[0]->OnOff());
    EXPECT_TRUE(buttons[2]->OnOff()); // not in the group
    Click(buttons[0], 50, 25);
    EXPECT_TRUE(buttons[0]->OnOff());
    EXPECT_FALSE(buttons[1]->OnOff());
    EXPECT_EQ(GlyphMismatches(buttons[1]->Canvas()->Target()->convertToFormat(QImage::Format_RGB32),
                              36, 17, StateImage("COLSLIDELR", false, true),
                              ColorToRGB(clBtnFace)), 0);
}

TEST_F(OnOffButGroup, TheLastButtonOnStaysOnWithoutAllowAllOff)
{
    int clicks = 0;
    buttons[0]->OnClick = [&](TObject*) { ++clicks; };
    Click(buttons[0], 50, 25);
    EXPECT_TRUE(buttons[0]->OnOff());
    EXPECT_EQ(clicks, 1);
    buttons[0]->SetOnOff(false);
    EXPECT_TRUE(buttons[0]->OnOff());
    buttons[0]->SetAllowAllOff(true);
    EXPECT_TRUE(buttons[1]->AllowAllOff());
    Click(buttons[0], 50, 25);
    EXPECT_FALSE(buttons[0]->OnOff());
}

TEST_F(OnOffButGroup, JoiningAGroupWhileOnSwitchesTheMembersOff)
{
    buttons[2]->SetGroupIndex(1);
    EXPECT_FALSE(buttons[0]->OnOff());
    EXPECT_TRUE(buttons[2]->OnOff());
}

TEST_F(OnOffButGroup, AssigningAnOnStateKeepsTheGroupExclusive)
{
    TOnOffBut source;
    buttons[1]->Assign(&source);
    EXPECT_TRUE(buttons[1]->OnOff());
    EXPECT_FALSE(buttons[0]->OnOff());
    EXPECT_EQ(buttons[1]->GroupIndex(), 1);
}

TEST_F(OnOffButGroup, OtherParentsAndOtherWidgetsAreUnaffected)
{
    QWidget otherParent;
    auto* stranger = new TOnOffBut(&otherParent);
    stranger->SetGroupIndex(1);
    new QWidget(&parent); // an ordinary sibling receives and ignores the notification
    buttons[1]->SetOnOff(true);
    EXPECT_TRUE(stranger->OnOff());
    EXPECT_FALSE(buttons[0]->OnOff());
}

// ---- spacing and centering -----------------------------------------------------------

TEST(OnOffButSpacing, AutoCenterKeepsTheCentredValues)
{
    TOnOffBut button;
    button.SetLeftSpace(5);
    EXPECT_EQ(button.LeftSpace(), 35);
    EXPECT_EQ(button.TopSpace(), 16);
    button.SetButtonStyle(TOnOffBut::oobsCheckbox);
    EXPECT_EQ(button.LeftSpace(), 42);
    EXPECT_EQ(button.TopSpace(), 17);
}

TEST(OnOffButSpacing, ManualSpacingIsLimitedAndNegativeValuesIgnored)
{
    TOnOffBut button;
    button.SetAutoCenter(false);
    button.SetTopSpace(80);
    EXPECT_EQ(button.TopSpace(), 50);
    button.SetLeftSpace(500);
    EXPECT_EQ(button.LeftSpace(), 100);
    button.SetLeftSpace(-3);
    EXPECT_EQ(button.LeftSpace(), 100);
    button.SetLeftSpace(10);
    button.SetTopSpace(2);
    EXPECT_EQ(GlyphMismatches(onoffbuttest::Face(button), 11, 3,
                              StateImage("COLSLIDELR", true, true), ColorToRGB(clBtnFace)), 0);
    button.SetAutoCenter(true);
    EXPECT_EQ(button.LeftSpace(), 35);
    EXPECT_EQ(button.TopSpace(), 16);
}

TEST(OnOffButSpacing, PlacedButtonFollowsItsSize)
{
    QWidget parent;
    auto* button = new TOnOffBut(&parent);
    int resized = 0;
    button->OnResize = [&](TObject*) { ++resized; };
    button->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(button->LeftSpace(), 85);
    EXPECT_EQ(button->TopSpace(), 41);
    parent.show();
    button->resize(60, 40);
    EXPECT_EQ(button->LeftSpace(), 15);
    EXPECT_EQ(button->TopSpace(), 11);
    EXPECT_GE(resized, 1); // the application's handler does not stop the centering
}

// ---- user images ---------------------------------------------------------------------

TEST(OnOffButUserImages, DefaultCrossAndCircle)
{
    TOnOffBut button;
    button.SetButtonStyle(TOnOffBut::oobsUser);
    EXPECT_EQ(button.GlyphWidth(), 20);
    EXPECT_EQ(button.LeftSpace(), 40);
    button.SetOnOff(false);
    QImage face = onoffbuttest::Face(button);
    const int x = 41, y = 16; // LeftSpace + 1, (50 - 20) / 2 + 1
    EXPECT_EQ(vektest::ColorAt(face, x, y), clBlack);
    EXPECT_EQ(vektest::ColorAt(face, x + 19, y + 19), clBlack);
    EXPECT_EQ(vektest::ColorAt(face, x + 19, y + 1), clBlack);
    EXPECT_EQ(vektest::ColorAt(face, x + 1, y + 19), clBlack);
    EXPECT_EQ(vektest::ColorAt(face, x + 10, y), ColorToRGB(clBtnFace));
    button.SetOnOff(true);
    face = onoffbuttest::Face(button);
    EXPECT_EQ(vektest::ColorAt(face, x, y), ColorToRGB(clBtnFace));
    EXPECT_EQ(vektest::InkBounds(face, QRect(x, y, 20, 20), ColorToRGB(clBtnFace)),
              QRect(x + 5, y + 5, 10, 10));
}

static std::unique_ptr<TBitmap> QuadrantBitmap(int gw, int gh)
{
    auto bitmap = std::make_unique<TBitmap>(2 * gw, 2 * gh);
    TCanvas* c = bitmap->Canvas();
    const TColor colors[] = {clRed, clGreen, clBlue, clYellow}; // on+en, off+en, on+dis, off+dis
    for (int i = 0; i < 4; ++i) {
        c->Brush()->SetColor(colors[i]);
        c->FillRect(TRect((i % 2) * gw, (i / 2) * gh, (i % 2 + 1) * gw, (i / 2 + 1) * gh));
    }
    c->Brush()->SetColor(TOnOffBut::TransparentKey);
    c->FillRect(TRect(0, 0, 2, 2));
    return bitmap;
}

TEST(OnOffButUserImages, SetUserGlyphSplitsTheQuadrants)
{
    TOnOffBut button;
    button.SetButtonStyle(TOnOffBut::oobsUser);
    const auto bitmap = QuadrantBitmap(12, 10);
    button.SetUserGlyph(bitmap.get());
    EXPECT_EQ(button.GlyphWidth(), 12);
    EXPECT_EQ(button.GlyphHeight(), 10);
    const int x = (100 - 12) / 2 + 1, y = (50 - 10) / 2 + 1;
    QImage face = onoffbuttest::Face(button);
    EXPECT_EQ(vektest::ColorAt(face, x + 5, y + 5), clRed);
    EXPECT_EQ(vektest::ColorAt(face, x, y), ColorToRGB(clBtnFace));
    button.SetOnOff(false);
    EXPECT_EQ(vektest::ColorAt(onoffbuttest::Face(button), x + 5, y + 5), clGreen);
    button.SetEnabled(false);
    EXPECT_EQ(vektest::ColorAt(onoffbuttest::Face(button), x + 5, y + 5), clYellow);
    button.SetOnOff(true);
    EXPECT_EQ(vektest::ColorAt(onoffbuttest::Face(button), x + 5, y + 5), clBlue);
}

TEST(OnOffButUserImages, UserImagesWaitForTheUserStyle)
{
    TOnOffBut button;
    const auto bitmap = QuadrantBitmap(12, 10);
    button.SetUserGlyph(bitmap.get());
    EXPECT_EQ(button.GlyphWidth(), 30);
    button.SetButtonStyle(TOnOffBut::oobsUser);
    EXPECT_EQ(button.GlyphWidth(), 12);
}

TEST(OnOffButUserImages, FailuresLeaveTheImagesUnchanged)
{
    TOnOffBut button;
    button.SetName("Valve");
    button.SetButtonStyle(TOnOffBut::oobsUser);
    const QImage before = onoffbuttest::Face(button);
    const TBitmap tiny(1, 4);
    try {
        button.SetUserGlyph(&tiny);
        FAIL() << "no exception";
    } catch (const EVEKError& e) {
        EXPECT_EQ(e.Message(), "Component \"Valve\": user glyph image is too small");
    }
    EXPECT_THROW(button.SetUserGlyph(nullptr), EVEKError);
    try {
        button.LoadUserGlyph("/nonexistent/glyph.bmp");
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap file \"/nonexistent/glyph.bmp\" cannot be opened");
    }
    EXPECT_EQ(button.GlyphWidth(), 20);
    EXPECT_EQ(onoffbuttest::Face(button), before);
}

TEST(OnOffButUserImages, LoadUserGlyphReadsAFile)
{
    QTemporaryDir dir;
    const auto bitmap = QuadrantBitmap(8, 8);
    const QString file = dir.filePath("glyph.png");
    ASSERT_TRUE(bitmap->SaveToFile(file));
    TOnOffBut button;
    button.SetButtonStyle(TOnOffBut::oobsUser);
    button.LoadUserGlyph(file);
    EXPECT_EQ(button.GlyphWidth(), 8);
    EXPECT_EQ(vektest::ColorAt(onoffbuttest::Face(button), 50, 25), clRed);
}

// ---- copying -------------------------------------------------------------------------

TEST(OnOffButAssign, CopiesSettingsStateAndImages)
{
    TOnOffBut source;
    source.SetButtonStyle(TOnOffBut::oobsUser);
    const auto bitmap = QuadrantBitmap(12, 10);
    source.SetUserGlyph(bitmap.get());
    source.SetOnOff(false);
    source.SetLeftText("L");
    source.SetTopText("T");
    source.SetRightText("R");
    source.SetBottomText("B");
    source.SetRightTextAlignment(taCenter);
    source.SetFrameStyle(fsRaised);
    source.SetColorBackgnd(clAqua);
    source.SetColorText(clRed);
    source.SetMouseAction(TOnOffBut::oomaPlain);
    source.SetTransparent(true);
    source.SetEnabled(false);

    TOnOffBut target;
    target.Assign(&source);
    EXPECT_EQ(target.ButtonStyle(), TOnOffBut::oobsUser);
    EXPECT_EQ(target.GlyphWidth(), 12);
    EXPECT_FALSE(target.OnOff());
    EXPECT_EQ(target.LeftText() + target.TopText() + target.RightText() + target.BottomText(),
              "LTRB");
    EXPECT_EQ(target.RightTextAlignment(), taCenter);
    EXPECT_EQ(target.FrameStyle(), fsRaised);
    EXPECT_EQ(target.ColorBackgnd(), clAqua);
    EXPECT_EQ(target.ColorText(), clRed);
    EXPECT_EQ(target.MouseAction(), TOnOffBut::oomaPlain);
    EXPECT_TRUE(target.Transparent());
    EXPECT_FALSE(target.Enabled());
    EXPECT_EQ(target.LeftSpace(), source.LeftSpace());

    // Each button keeps its own bitmaps.
    source.SetUserGlyph(QuadrantBitmap(6, 6).get());
    EXPECT_EQ(target.GlyphWidth(), 12);
}

TEST(OnOffButAssign, ForeignClassesAreRefusedBothWays)
{
    TOnOffBut button;
    TBitmap bitmap;
    EXPECT_THROW(button.Assign(&bitmap), EConvertError);
    EXPECT_THROW(bitmap.Assign(&button), EConvertError);
}
