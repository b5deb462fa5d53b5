// The buttons and the color selector as Qt widgets, through the public headers only:
// the generic surface checks, their signals for changes by code and by the user, and
// size hints that leave room for glyphs and captions.
#include "surface_checks.h"

#include <VEK_Colsel.h>
#include <VEK_onoffbut.h>
#include <VEK_repsbut.h>

#include <pixels.h>

#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

using namespace vek;

namespace {

// A 16 x 16 glyph on a fuchsia key with a blue square in the middle.
void GiveGlyph(TSpeedButton& button)
{
    TBitmap glyph(16, 16);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(TRect(0, 0, 16, 16));
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(TRect(4, 4, 12, 12));
    button.SetGlyph(&glyph);
}

QString NotifySignalOf(const QObject& object, const char* property)
{
    const QMetaObject* meta = object.metaObject();
    const QMetaProperty p = meta->property(meta->indexOfProperty(property));
    return p.hasNotifySignal() ? QString::fromLatin1(p.notifySignal().name()) : QString();
}

// Records each emission of a bool signal as "<name> <0|1>".
template <typename Sender>
void LogBoolSignal(Sender* sender, void (Sender::*signal)(bool), QStringList& log, const QString& name)
{
    QObject::connect(sender, signal, [&log, name](bool value) { log << QString("%1 %2").arg(name).arg(value); });
}

// Ink of everything but the background inside the frame of a two-state button.
QRect InkInsideFrame(TOnOffBut& button)
{
    const QImage face = vektest::Render(&button);
    const QRect inside = face.rect().adjusted(2, 2, -2, -2);
    return vektest::InkBounds(face, inside, ColorToRGB(button.ColorBackgnd()));
}

} // namespace

// ---- generic surface -----------------------------------------------------------------

TEST(ButtonsSurface, TwoStateButton)
{
    // The default look already depends on the palette (background clBtnFace); a caption
    // makes the size hint depend on the font.
    vektest::ExpectQtSurface([] {
        auto* button = new TOnOffBut;
        button->SetRightText("Power");
        return button;
    });
}

TEST(ButtonsSurface, SpeedButtons)
{
    // Without a caption or glyph a disabled speed button would look like an enabled one.
    vektest::ExpectQtSurface([] {
        auto* button = new TSpeedButton;
        button->SetCaption("Apply");
        return button;
    });
    vektest::ExpectQtSurface([] {
        auto* button = new TRepSpeedButton;
        button->SetCaption("More");
        return button;
    });
}

TEST(ButtonsSurface, ColorSelector)
{
    vektest::ExpectQtSurface([] { return new TColSel; });
}

// ---- two-state button ----------------------------------------------------------------

TEST(TwoStateButtonSignals, CheckedChangedByCodeAndSlots)
{
    TOnOffBut button;
    EXPECT_EQ(NotifySignalOf(button, "OnOff"), "checkedChanged");
    QSignalSpy spy(&button, &TOnOffBut::checkedChanged);
    button.SetOnOff(true); // no change
    EXPECT_EQ(spy.count(), 0);
    button.SetOnOff(false);
    button.toggle();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_FALSE(spy[0][0].toBool());
    EXPECT_TRUE(spy[1][0].toBool());
    EXPECT_TRUE(button.setProperty("OnOff", false));
    EXPECT_EQ(spy.count(), 3);
    button.SetMode(TOnOffBut::oobmSpeedBut); // already off: nothing to report
    EXPECT_EQ(spy.count(), 3);
    button.SetMode(TOnOffBut::oobmNormalBut);
    button.SetOnOff(true);
    button.SetMode(TOnOffBut::oobmSpeedBut); // switches off
    ASSERT_EQ(spy.count(), 5);
    EXPECT_FALSE(spy[4][0].toBool());

    TOnOffBut source;
    source.SetOnOff(true);
    button.Assign(&source);
    ASSERT_EQ(spy.count(), 6);
    EXPECT_TRUE(spy[5][0].toBool());
    button.Assign(&source); // the same state again
    EXPECT_EQ(spy.count(), 6);
}

TEST(TwoStateButtonSignals, MouseClickReportsStateThenClick)
{
    TOnOffBut button;
    QStringList calls;
    button.OnClick = [&](TObject*) { calls << "OnClick"; };
    QObject::connect(&button, &TOnOffBut::checkedChanged,
                     [&](bool on) { calls << (on ? "on" : "off"); });
    QObject::connect(&button, &TOnOffBut::clicked, [&] { calls << "clicked"; });
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 25)); // inside the glyph
    EXPECT_EQ(calls, (QStringList{"off", "OnClick", "clicked"}));
    calls.clear();
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5)); // outside: no click
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(50, 25));
    EXPECT_TRUE(calls.isEmpty());

    // A speed button reports on while held and off at the release.
    button.SetMode(TOnOffBut::oobmSpeedBut);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_EQ(calls, QStringList{"on"});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_EQ(calls, (QStringList{"on", "off", "OnClick", "clicked"}));
}

TEST(TwoStateButtonSignals, ClickSlotActsLikeTheMouse)
{
    TOnOffBut button;
    QSignalSpy checked(&button, &TOnOffBut::checkedChanged);
    QSignalSpy clicked(&button, &TOnOffBut::clicked);
    button.click();
    EXPECT_FALSE(button.OnOff());
    EXPECT_EQ(checked.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
    button.SetMode(TOnOffBut::oobmSpeedBut);
    button.click(); // on and off again, as a press and release would
    ASSERT_EQ(checked.count(), 3);
    EXPECT_TRUE(checked[1][0].toBool());
    EXPECT_FALSE(checked[2][0].toBool());
    EXPECT_EQ(clicked.count(), 2);
    button.SetMouseAction(TOnOffBut::oomaNone); // the mouse does nothing, nor does click()
    button.click();
    button.SetMouseAction(TOnOffBut::oomaPlain);
    button.setEnabled(false);
    button.click();
    EXPECT_EQ(checked.count(), 3);
    EXPECT_EQ(clicked.count(), 2);
}

TEST(TwoStateButtonSignals, GroupMemberSwitchesOffBeforeTheNewOneReports)
{
    QWidget parent;
    auto* first = new TOnOffBut(&parent);
    auto* second = new TOnOffBut(&parent);
    first->SetGroupIndex(1);
    second->SetOnOff(false);
    second->SetGroupIndex(1);
    QStringList calls;
    LogBoolSignal(first, &TOnOffBut::checkedChanged, calls, "first");
    LogBoolSignal(second, &TOnOffBut::checkedChanged, calls, "second");
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(50, 25));
    EXPECT_EQ(calls, (QStringList{"first 0", "second 1"}));
    calls.clear();
    first->SetOnOff(true); // by code
    EXPECT_EQ(calls, (QStringList{"second 0", "first 1"}));
}

TEST(TwoStateButtonSize, HintFollowsGlyphAndCaptions)
{
    TOnOffBut button;
    // A bare glyph with a few pixels around it.
    const QSize bare = button.sizeHint();
    EXPECT_GT(bare.width(), button.GlyphWidth());
    EXPECT_GT(bare.height(), button.GlyphHeight());
    EXPECT_LT(bare.width(), 60);
    EXPECT_EQ(button.minimumSizeHint(), bare);

    button.SetButtonStyle(TOnOffBut::oobsBulb); // 39 x 49
    EXPECT_EQ(button.sizeHint() - QSize(39, 49), bare - QSize(30, 18));

    const QFontMetrics metrics(button.Font()->ToQFont());
    button.SetRightText("x");
    const int shortText = button.sizeHint().width();
    button.SetRightText("a much longer caption");
    // The glyph stays centred: a wider right caption widens both sides.
    EXPECT_EQ(button.sizeHint().width() - shortText,
              2 * (metrics.horizontalAdvance("a much longer caption") - metrics.horizontalAdvance("x")));
    const int withoutTop = button.sizeHint().height();
    button.SetTopText("Top");
    EXPECT_GE(button.sizeHint().height(), withoutTop + 2 * metrics.height());

    const QSize normalFont = button.sizeHint();
    QFont larger = button.font();
    larger.setPixelSize(larger.pixelSize() * 2);
    button.setFont(larger); // Qt's font, seen by the captions
    EXPECT_GT(button.sizeHint().width(), normalFont.width());
    EXPECT_GT(button.sizeHint().height(), normalFont.height());
}

TEST(TwoStateButtonSize, CaptionsFitInsideTheFrameAtTheHint)
{
    QWidget parent;
    auto* button = new TOnOffBut(&parent);
    button->SetButtonStyle(TOnOffBut::oobsCheckbox);
    button->SetLeftText("Volume");
    button->SetRightText("Loud");
    button->SetTopText("A caption wider than the rest");
    button->SetBottomText("g");
    const QSize hint = button->sizeHint();
    button->SetBounds(0, 0, hint.width(), hint.height());
    const QRect ink = InkInsideFrame(*button);
    // Clipped text would run into the frame.
    EXPECT_GE(ink.left(), 3);
    EXPECT_GE(ink.top(), 3);
    EXPECT_LE(ink.right(), hint.width() - 4);
    EXPECT_LE(ink.bottom(), hint.height() - 4);

    // Without AutoCenter the hint keeps the given spacing.
    button->SetTopText("");
    button->SetAutoCenter(false);
    button->SetLeftSpace(10);
    button->SetTopSpace(10);
    const QSize near = button->sizeHint();
    button->SetLeftSpace(30);
    button->SetTopSpace(25);
    EXPECT_EQ(button->sizeHint() - near, QSize(20, 15));
}

TEST(TwoStateButtonSize, LayoutFollowsACaptionChange)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* button = new TOnOffBut(&window);
    layout->addWidget(button);
    layout->addStretch();
    window.adjustSize();
    layout->activate();
    const int before = button->width();
    button->SetRightText("a caption that needs room");
    QCoreApplication::sendPostedEvents(&window, QEvent::LayoutRequest);
    window.adjustSize();
    layout->activate();
    EXPECT_GT(button->width(), before);
    EXPECT_GE(button->width(), button->sizeHint().width());
}

// ---- speed buttons -------------------------------------------------------------------

TEST(SpeedButtonSignals, PressedReleasedClicked)
{
    TSpeedButton button;
    QStringList calls;
    button.OnClick = [&](TObject*) { calls << "OnClick"; };
    QObject::connect(&button, &TSpeedButton::pressed, [&] { calls << "pressed"; });
    QObject::connect(&button, &TSpeedButton::released, [&] { calls << "released"; });
    QObject::connect(&button, &TSpeedButton::clicked, [&] { calls << "clicked"; });
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(calls, (QStringList{"pressed", "released", "OnClick", "clicked"}));
    calls.clear();
    // Released away from the button: given up, no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(calls, (QStringList{"pressed", "released"}));
    calls.clear();
    button.click();
    EXPECT_EQ(calls, (QStringList{"OnClick", "clicked"}));
}

TEST(SpeedButtonSignals, DownChangedInAGroup)
{
    QWidget parent;
    auto* left = new TSpeedButton(&parent);
    auto* right = new TSpeedButton(&parent);
    EXPECT_EQ(NotifySignalOf(*left, "Down"), "downChanged");
    left->SetGroupIndex(1);
    right->SetGroupIndex(1);
    QStringList calls;
    LogBoolSignal(left, &TSpeedButton::downChanged, calls, "left");
    LogBoolSignal(right, &TSpeedButton::downChanged, calls, "right");
    QTest::mouseClick(left, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(calls, QStringList{"left 1"});
    right->SetDown(true); // by code: the other one comes up first
    EXPECT_EQ(calls, (QStringList{"left 1", "left 0", "right 1"}));
    right->SetDown(false); // the down member of a group stays down
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(calls.size(), 3);
    right->SetAllowAllUp(true);
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(calls.last(), "right 0");
}

TEST(SpeedButtonSignals, RepeatClickedWhileHeld)
{
    TRepSpeedButton button;
    button.SetStartClickInterval(30);
    button.SetRepeatClickInterval(20);
    QStringList calls;
    button.OnRepeatClick = [&](TObject*) { calls << "OnRepeatClick"; };
    QObject::connect(&button, &TRepSpeedButton::repeatClicked, [&] { calls << "repeatClicked"; });
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::qWait(200);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_GE(calls.size(), 4);
    for (int i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i], i % 2 == 0 ? "OnRepeatClick" : "repeatClicked");
    const qsizetype count = calls.size();
    QTest::qWait(80);
    EXPECT_EQ(calls.size(), count);
}

TEST(SpeedButtonSize, HintFromGlyphAndCaption)
{
    TSpeedButton button;
    EXPECT_EQ(button.sizeHint(), QSize(23, 22)); // nothing to show: the default size
    GiveGlyph(button);
    EXPECT_EQ(button.sizeHint(), QSize(23, 22)); // made for a 16 x 16 glyph
    const QFontMetrics metrics(button.Font()->ToQFont());
    button.SetCaption("Record");
    const int text = metrics.horizontalAdvance("Record");
    // Edges as for the glyph alone, and some air around the caption.
    EXPECT_EQ(button.sizeHint(), QSize(23 + button.Spacing() + text + 12, 22 + 4));
    button.SetLayout(blGlyphTop);
    EXPECT_EQ(button.sizeHint(),
              QSize(std::max(16, text) + 7 + 12, 22 + button.Spacing() + metrics.height() + 4));
    EXPECT_EQ(button.minimumSizeHint(), button.sizeHint());

    // At its hint the whole caption is painted inside the edge.
    button.SetLayout(blGlyphLeft);
    button.resize(button.sizeHint());
    const QImage face = vektest::Render(&button);
    const QRect ink = vektest::InkBounds(face, face.rect().adjusted(2, 2, -2, -2),
                                         ColorToRGB(clBtnFace));
    EXPECT_GE(ink.left(), 3);
    EXPECT_LE(ink.right(), face.width() - 4);
}

// ---- color selector ------------------------------------------------------------------

TEST(ColorSelectorSignals, SelColorChangedByCode)
{
    TColSel sel;
    EXPECT_EQ(NotifySignalOf(sel, "SelColor"), "selColorChanged");
    QSignalSpy spy(&sel, &TColSel::selColorChanged);
    sel.SetSelColor(clRed); // an entry of the list
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].value<QColor>(), QColor(255, 0, 0));
    sel.SetSelColor(clRed);
    sel.SetColorNames(sel.ItemIndex() + 1, "Red");
    EXPECT_EQ(spy.count(), 1);
    sel.SetColors(sel.ItemIndex() + 1, RGB(1, 2, 3)); // the selected entry's color
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[1][0].value<QColor>(), QColor(1, 2, 3));
    sel.SetItemIndex(2);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[2][0].value<QColor>(), ToQColor(sel.Colors(3)));
    sel.LoadBasicVGAPalette(); // selects entry 1
    ASSERT_EQ(spy.count(), 4);
    EXPECT_EQ(spy[3][0].value<QColor>(), QColor(Qt::black));
    EXPECT_TRUE(sel.setProperty("SelColor", QColor(0x12, 0x34, 0x56)));
    ASSERT_EQ(spy.count(), 5);
    EXPECT_EQ(sel.property("SelColor").value<QColor>(), QColor(0x12, 0x34, 0x56));
}

TEST(ColorSelectorSignals, SelColorChangedByTheUser)
{
    TColSel sel;
    QStringList calls;
    sel.OnChange = [&](TObject*) { calls << "OnChange"; };
    QObject::connect(&sel, &TColSel::selColorChanged, [&](const QColor& color) {
        EXPECT_EQ(color, ToQColor(sel.SelColor()));
        calls << "selColorChanged";
    });
    QTest::keyClick(&sel, Qt::Key_Down);
    EXPECT_EQ(sel.ItemIndex(), 1);
    EXPECT_EQ(calls, (QStringList{"selColorChanged", "OnChange"}));
}

TEST(ColorSelectorSize, HintFitsTheLongestName)
{
    TColSel sel;
    const QSize extended = sel.sizeHint();
    sel.SetColorBarWidth(50);
    EXPECT_EQ(sel.sizeHint().width(), extended.width() + 20);
    EXPECT_LE(sel.minimumSizeHint().width(), sel.sizeHint().width());
    sel.LoadStandardPalette(); // the theme colors have long names
    EXPECT_GT(sel.sizeHint().width(), extended.width() + 20);

    const QFontMetrics metrics(sel.Font()->ToQFont());
    int longest = 1;
    for (int i = 1; i <= sel.NumColors(); ++i)
        if (metrics.horizontalAdvance(sel.ColorNames(i)) >
            metrics.horizontalAdvance(sel.ColorNames(longest)))
            longest = i;
    sel.SetItemIndex(longest - 1);
    sel.resize(sel.sizeHint());
    const QImage box = vektest::Render(&sel);
    const TRect item = sel.EditItemRect();
    const QRect nameArea(item.Left + sel.ColorBarWidth() + 3, item.Top,
                         item.Right - item.Left - sel.ColorBarWidth() - 3, item.Bottom - item.Top);
    const QRect ink = vektest::InkBounds(box, nameArea, ColorToRGB(clWindow));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.right(), item.Right - 1) << "the name is cut off";
}
