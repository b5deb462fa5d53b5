// Exceptions never cross Qt's event loop: whatever throws inside an input event, a
// paint, a timer tick or a signal of Qt's own widgets (an application's handler or the
// library itself) reaches Application()->OnException, or by default a warning naming the
// control, and the control goes on painting and taking input afterwards.
#include "paint_probe.h"

#include <VEK_Meter.h>
#include <VEK_NumLab.h>
#include <VEK_RasterLab.h>
#include <VEK_onoffbut.h>
#include <VEK_replist.h>

#include <frame/core/application.h>
#include <frame/core/errors.h>

#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <stdexcept>

using namespace vek;

namespace {

using vektest::PaintProbe;

QImage Picture(QWidget* control)
{
    return control->grab().toImage();
}

// Collects what the default report writes (qWarning), while it lives.
class WarningCatcher {
public:
    WarningCatcher() { previous = qInstallMessageHandler(&Catch); }
    ~WarningCatcher() { qInstallMessageHandler(previous); }
    static inline QStringList warnings;

private:
    static void Catch(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtWarningMsg)
            warnings << text;
    }
    QtMessageHandler previous;
};

TEST(ExceptionBoundary, DefaultReportIsAWarningNamingTheControl)
{
    TOnOffBut button;
    button.setObjectName("Switch1");
    const bool initial = button.OnOff();
    int clicks = 0;
    button.OnClick = [&](TObject*) {
        ++clicks;
        throw EVEKError("handler failed");
    };
    WarningCatcher catcher;
    WarningCatcher::warnings.clear();
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(36, 20));
    ASSERT_EQ(WarningCatcher::warnings.size(), 1);
    EXPECT_EQ(WarningCatcher::warnings[0],
              "Unhandled exception in \"Switch1\" (vek::TOnOffBut): handler failed");
    // The button goes on taking clicks.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(36, 20));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.OnOff(), initial);
}

TEST(ExceptionBoundary, TimerTickHandlerFailsAndScrollingGoesOn)
{
    TRasterLab label;
    label.setObjectName("Ticker1");
    label.SetText("Hello world");
    label.SetScrollInterval(10);
    QStringList reported;
    QList<TObject*> senders;
    Application()->OnException = [&](TObject* sender, const QString& message) {
        senders << sender;
        reported << message;
    };
    label.OnScrollTimer = [](TObject*) { throw std::runtime_error("tick failed"); };
    label.SetScrollMode(TRasterLab::rdsmLeft);
    QTRY_VERIFY_WITH_TIMEOUT(reported.size() >= 3, 5000);
    label.SetScrollMode(TRasterLab::rdsmOff);
    Application()->OnException = nullptr;
    EXPECT_EQ(reported[0], "tick failed");
    // Reported as the label's failure, not that of its hidden timer window.
    EXPECT_EQ(senders[0], &label);
}

// A paint hook that throws spoils that one paint; once it is fixed, the control paints
// the same face as one that never failed.
template <typename Control, typename Arm, typename Prepare>
void ExpectRecoveryFromFailingPaintHook(Prepare prepare, Arm arm)
{
    Control failing, healthy;
    for (Control* control : {&failing, &healthy}) {
        control->resize(160, 100);
        prepare(*control);
    }
    {
        PaintProbe probe;
        arm(failing, true);
        failing.grab();
        EXPECT_FALSE(probe.TakeReported().isEmpty());
        arm(failing, false);
    }
    failing.Refresh();
    EXPECT_EQ(Picture(&failing), Picture(&healthy));
}

TEST(ExceptionBoundary, PaintHooksThatThrowLeaveTheControlPainting)
{
    ExpectRecoveryFromFailingPaintHook<TNumLab>(
        [](TNumLab& label) { label.SetValue(12.5); },
        [](TNumLab& label, bool fail) {
            label.OnBeforeDisplay = fail ? TNumLab::TBeforeDisplayEvent([](TObject*, QString&) {
                throw std::runtime_error("display hook failed");
            })
                                         : nullptr;
        });
    ExpectRecoveryFromFailingPaintHook<TMeter>(
        [](TMeter&) {},
        [](TMeter& meter, bool fail) {
            meter.OnBeforeDrawNeedle = fail ? TMeter::TBeforeDrawNeedleEvent([](TObject*, TCanvas*, bool&) {
                throw std::runtime_error("needle hook failed");
            })
                                            : nullptr;
        });
    ExpectRecoveryFromFailingPaintHook<TReportListView>(
        [](TReportListView& list) {
            list.SetNrOfColumns(2);
            list.SetNrOfRows(3);
            list.SetElem(1, 2, "cell");
        },
        [](TReportListView& list, bool fail) {
            list.OnBeforeRenderCell = fail ? TRenderCellEvent([](TObject*, int, int, TColor&, TColor&, TColor&,
                                                                 TFontStyles&, QString&) {
                throw std::runtime_error("owner drawing failed");
            })
                                           : nullptr;
        });
}

TEST(ExceptionBoundary, ScrollBarDragsAreGuarded)
{
    PaintProbe probe;
    TReportListView list;
    list.resize(200, 100);
    list.SetNrOfColumns(1);
    list.SetNrOfRows(500);
    list.OnTopLeftChanged = [](TObject*) { throw std::runtime_error("scroll failed"); };
    list.grab();
    QScrollBar* bar = nullptr;
    for (QScrollBar* candidate : list.findChildren<QScrollBar*>())
        if (candidate->orientation() == Qt::Vertical)
            bar = candidate;
    ASSERT_NE(bar, nullptr);
    ASSERT_GT(bar->maximum(), 10);
    EXPECT_NO_THROW(bar->setValue(10));
    EXPECT_EQ(probe.TakeReported(), QStringList{"scroll failed"});
    EXPECT_GT(list.TopRow(), 1);
}

} // namespace
