// Keyboard operation of the two-state button and the auto-repeat button.
#include "keyboard_fixture.h"

#include <VEK_onoffbut.h>
#include <VEK_repsbut.h>

#include <QElapsedTimer>

using namespace vek;
using keytest::KeyboardWindow;

namespace {

QRgb Highlight() { return QApplication::palette().color(QPalette::Highlight).rgb(); }

} // namespace

TEST(KeyboardOnOffBut, TabReachesItSpaceTogglesAndTheFocusIsOutlinedOnlyWhileFocused)
{
    KeyboardWindow<TOnOffBut> w;
    w.control->SetOnOff(false);
    int clicks = 0;
    w.control->OnClick = [&](TObject*) { ++clicks; };
    w.Show();
    const int highlightBefore = keytest::CountColor(w.Face(), Highlight());
    ASSERT_TRUE(w.TabReaches());
    EXPECT_GT(keytest::CountColor(w.Face(), Highlight()), highlightBefore + 10)
        << "a dotted outline in the highlight color";

    w.Key(Qt::Key_Space);
    EXPECT_TRUE(w.control->OnOff());
    EXPECT_EQ(clicks, 1);
    w.Key(Qt::Key_Space);
    EXPECT_FALSE(w.control->OnOff());
    EXPECT_EQ(clicks, 2);

    w.before->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(keytest::CountColor(w.Face(), Highlight()), highlightBefore);
}

TEST(KeyboardOnOffBut, IndicatorsAndDisabledButtonsTakeNoKeys)
{
    KeyboardWindow<TOnOffBut> w;
    w.control->SetMouseAction(TOnOffBut::oomaNone);
    w.Show();
    EXPECT_FALSE(w.TabReaches()) << "a button that ignores the mouse is an indicator";
    w.control->SetMouseAction(TOnOffBut::oomaPlain);
    EXPECT_TRUE(w.TabReaches());
    const bool on = w.control->OnOff();
    w.control->SetEnabled(false);
    w.Key(Qt::Key_Space);
    EXPECT_EQ(w.control->OnOff(), on);
}

TEST(KeyboardOnOffBut, SpeedButtonIsOnWhileSpaceIsHeldAndIgnoresTheKeyboardsRepeats)
{
    KeyboardWindow<TOnOffBut> w;
    w.control->SetOnOff(false);
    w.control->SetMode(TOnOffBut::oobmSpeedBut);
    int clicks = 0;
    w.control->OnClick = [&](TObject*) { ++clicks; };
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    QTest::keyPress(w.control, Qt::Key_Space);
    EXPECT_TRUE(w.control->OnOff());
    // An auto-repeated press would toggle a normal button back: it is ignored.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(w.control, &repeat);
    EXPECT_TRUE(w.control->OnOff());
    EXPECT_EQ(clicks, 0);
    QTest::keyRelease(w.control, Qt::Key_Space);
    EXPECT_FALSE(w.control->OnOff());
    EXPECT_EQ(clicks, 1);

    // Held while the focus leaves: no click, and the button comes up.
    QTest::keyPress(w.control, Qt::Key_Space);
    w.before->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(w.control->OnOff());
    EXPECT_EQ(clicks, 1);
}

TEST(KeyboardOnOffBut, ArrowsMoveThroughAGroupLikeRadioButtons)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    std::vector<TOnOffBut*> group;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TOnOffBut(&window);
        b->SetGroupIndex(1);
        b->SetAllowAllOff(false);
        b->SetOnOff(i == 0);
        layout->addWidget(b);
        group.push_back(b);
    }
    auto* elsewhere = new TOnOffBut(&window); // no group: the arrows leave it alone
    layout->addWidget(elsewhere);
    window.show();
    QApplication::setActiveWindow(&window);
    group[0]->setFocus();

    QTest::keyClick(group[0], Qt::Key_Down);
    EXPECT_TRUE(group[1]->hasFocus());
    EXPECT_TRUE(group[1]->OnOff());
    EXPECT_FALSE(group[0]->OnOff());
    QTest::keyClick(group[1], Qt::Key_Up);
    QTest::keyClick(group[0], Qt::Key_Up);
    EXPECT_TRUE(group[2]->hasFocus()) << "wraps at the ends";
    EXPECT_TRUE(group[2]->OnOff());
    EXPECT_EQ(int(std::count_if(group.begin(), group.end(), [](auto* b) { return b->OnOff(); })), 1);
    // The last member that is on stays on: Space does not switch it off.
    QTest::keyClick(group[2], Qt::Key_Space);
    EXPECT_TRUE(group[2]->OnOff());

    elsewhere->setFocus();
    const bool on = elsewhere->OnOff();
    QTest::keyClick(elsewhere, Qt::Key_Down);
    EXPECT_TRUE(elsewhere->hasFocus());
    EXPECT_EQ(elsewhere->OnOff(), on);
}

// A repeat button reached by Tab, with short intervals, counting its repeats and clicks.
class KeyboardRepSpeedButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.control->SetStartClickInterval(30);
        w.control->SetRepeatClickInterval(10);
        w.control->OnRepeatClick = [this](TObject*) { ++repeats; };
        w.control->OnClick = [this](TObject*) { ++clicks; };
        w.Show();
        ASSERT_TRUE(w.TabReaches());
    }

    KeyboardWindow<TRepSpeedButton> w;
    int repeats = 0, clicks = 0;
};

TEST_F(KeyboardRepSpeedButton, SpaceAndEnterHeldRepeatUntilReleasedThenClick)
{
    EXPECT_GT(keytest::CountColor(w.Face(), Highlight()), 10) << "the focus outline";

    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        repeats = 0;
        clicks = 0;
        QTest::keyPress(w.control, key);
        EXPECT_EQ(w.control->State(), bsDown);
        // The keyboard's own repeats neither restart the delay nor click.
        for (int i = 0; i < 5; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(w.control, &repeat);
            QKeyEvent repeatUp(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(w.control, &repeatUp);
            QTest::qWait(10);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return repeats >= 3; }, 5000)) << int(key);
        EXPECT_EQ(clicks, 0);
        QTest::keyRelease(w.control, key);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(w.control->State(), bsUp);
        const int stopped = repeats;
        QTest::qWait(80);
        EXPECT_EQ(repeats, stopped) << "the release stops the repeats";
    }
}

TEST_F(KeyboardRepSpeedButton, FocusLostWhileHeldStopsWithoutAClick)
{
    QTest::keyPress(w.control, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return repeats >= 1; }, 5000));
    w.before->setFocus(Qt::OtherFocusReason);
    const int stopped = repeats;
    QTest::qWait(60);
    EXPECT_EQ(repeats, stopped);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(w.control->State(), bsUp);
}
