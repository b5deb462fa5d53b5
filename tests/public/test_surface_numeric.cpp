// The numeric controls as Qt widgets, through the public headers and the shared library:
// the generic surface checks, size hints in layouts, and valueChanged for changes made
// by code and by the user.
#include "surface_checks.h"

#include <VEK_NumIO.h>
#include <VEK_NumLab.h>

#include <QApplication>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace vek;

namespace {

// The arguments of every valueChanged emission so far.
std::vector<double> Values(const QSignalSpy& spy)
{
    std::vector<double> values;
    for (const QList<QVariant>& arguments : spy)
        values.push_back(arguments.at(0).toDouble());
    return values;
}

void ExpectValueNotifies(const QObject& control)
{
    const QMetaObject* meta = control.metaObject();
    const QMetaProperty value = meta->property(meta->indexOfProperty("Value"));
    ASSERT_TRUE(value.hasNotifySignal());
    EXPECT_EQ(value.notifySignal().name(), "valueChanged");
}

void Drag(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

// ---- generic checks --------------------------------------------------------------------

TEST(NumericSurface, NumLab)
{
    // Side texts, so that the disabled look (engraved texts) has something to show.
    vektest::ExpectQtSurface([] {
        auto* label = new TNumLab;
        label->SetLeftText(QStringLiteral("U"));
        label->SetRightText(QStringLiteral("V"));
        label->SetValue(12.5);
        return label;
    });
}

TEST(NumericSurface, NumIO)
{
    vektest::ExpectQtSurface([] {
        auto* field = new TNumIO;
        field->SetRangeHigh(100);
        field->SetValue(12.5);
        return field;
    });
}

TEST(NumericSurface, NumIO2)
{
    vektest::ExpectQtSurface([] {
        auto* field = new TNumIO2;
        field->SetLeftText(QStringLiteral("U"));
        field->SetButVisible(true);
        field->SetGaugeVisible(true);
        field->SetValue(12.5);
        return field;
    });
}

// ---- size hints ------------------------------------------------------------------------

TEST(NumericSizeHints, NumLabHoldsBoxAndUnitTextAndGrowsWithTheFont)
{
    TNumLab label;
    EXPECT_EQ(label.sizeHint(), QSize(160, 28));
    label.SetLabelWidth(200);
    label.SetRightText(QStringLiteral("km/h"));
    const int unitWidth = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("km/h"));
    // Box to 35 + 200 + 1, then 7 pixels, the text and 6 pixels.
    EXPECT_EQ(label.sizeHint().width(), 236 + 7 + unitWidth + 6);
    EXPECT_EQ(label.minimumSizeHint().width(), 236);

    QFont large = label.font();
    large.setPixelSize(30);
    label.setFont(large);
    EXPECT_EQ(label.sizeHint().height(), QFontMetrics(large).height() + 14);
}

TEST(NumericSizeHints, NumIO2HoldsButtonsAndGaugeAndFollowsAutoSize)
{
    TNumIO2 field;
    EXPECT_EQ(field.sizeHint(), QSize(160, 28));
    field.SetTextBoxWidth(150);
    field.SetButVisible(true);
    // Box 35 + 150 + 2, gap 3, buttons 18 and their outline.
    EXPECT_EQ(field.sizeHint().width(), 187 + 3 + 18 + 1);
    field.SetGaugeVisible(true);
    EXPECT_EQ(field.sizeHint().height(), 28 + 8 + 3 + 1);
    EXPECT_LE(field.minimumSizeHint().height(), field.sizeHint().height());

    field.SetAutoSize(true);
    const int autoHeight = QFontMetrics(field.font()).height() + 6;
    EXPECT_EQ(field.sizeHint().height(), autoHeight);
    field.grab(); // paints: AutoSize sets the height
    EXPECT_EQ(field.Height(), autoHeight);
}

TEST(NumericSizeHints, LayoutsTakeTheNewNaturalSize)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new TNumIO2;
    layout->addWidget(field);
    window.show();
    layout->activate();
    const int before = field->height();
    field->SetGaugeVisible(true);
    layout->activate();
    EXPECT_EQ(field->height(), before + 12);
}

TEST(NumericSizeHints, NumIOKeepsTheLineEditHint)
{
    TNumIO field;
    QLineEdit edit;
    EXPECT_EQ(field.sizeHint(), edit.sizeHint());
    // Room for the longest texts Value writes: eight binary digits and " 1.23457E+03".
    const QFontMetrics metrics(field.font());
    EXPECT_GT(field.sizeHint().width(), metrics.horizontalAdvance(QStringLiteral(" 1.23457E+03")));
}

// ---- TNumLab signals -------------------------------------------------------------------

TEST(NumericSignals, NumLabReportsValueChangesByCodeOnce)
{
    TNumLab label;
    ExpectValueNotifies(label);
    QSignalSpy spy(&label, &TNumLab::valueChanged);
    label.SetValue(42);
    label.SetValue(42);
    EXPECT_TRUE(label.setProperty("Value", -1.5));
    TNumLab source;
    source.SetValue(7);
    label.Assign(&source);
    label.Assign(&source);
    EXPECT_EQ(Values(spy), (std::vector<double>{42, -1.5, 7}));
}

// ---- TNumIO signals --------------------------------------------------------------------

class NumIOSignals : public ::testing::Test {
protected:
    void SetUp() override
    {
        field = new TNumIO(&window);
        field->SetRangeHigh(100);
        window.show();
        field->setFocus();
        QApplication::processEvents();
    }

    QWidget window;
    TNumIO* field = nullptr;
};

TEST_F(NumIOSignals, TypingReportsEveryNewNumberAfterOnChange)
{
    ExpectValueNotifies(*field);
    QSignalSpy spy(field, &TNumIO::valueChanged);
    int changes = 0;
    int changesSeenBySignal = -1;
    field->OnChange = [&](TObject*) { ++changes; };
    QObject::connect(field, &TNumIO::valueChanged, field, [&] { changesSeenBySignal = changes; });
    QTest::keyClicks(field, QStringLiteral("1"));
    EXPECT_EQ(changesSeenBySignal, 1); // OnChange first, then the signal
    QTest::keyClicks(field, QStringLiteral("50")); // 150 is beyond the range: refused
    EXPECT_EQ(field->Text(), QStringLiteral("15"));
    EXPECT_EQ(Values(spy), (std::vector<double>{1, 15}));
    // "15." is accepted but keeps the number.
    QTest::keyClicks(field, QStringLiteral(".5"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), QStringLiteral("15"));
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(Values(spy), (std::vector<double>{1, 15, 15.5, 15}));
}

TEST_F(NumIOSignals, ValueSetByCodeAndClearedByARecheckIsReported)
{
    QSignalSpy spy(field, &TNumIO::valueChanged);
    int changes = 0;
    field->OnChange = [&](TObject*) { ++changes; };
    field->SetValue(12.5);
    field->SetValue(12.5);
    EXPECT_EQ(changes, 0); // Value set by code fires no OnChange, but the signal
    field->SetRangeHigh(10); // 12.5 no longer fits: the text is cleared
    EXPECT_EQ(field->Text(), QString());
    EXPECT_EQ(Values(spy), (std::vector<double>{12.5, 0}));
}

// ---- TNumIO2 signals -------------------------------------------------------------------

class NumIO2Signals : public ::testing::Test {
protected:
    void SetUp() override
    {
        field = new TNumIO2(&window);
        field->SetRangeHigh(100);
        field->SetButVisible(true);
        field->SetGaugeVisible(true);
        field->SetHeight(40);
        field->OnChange = [this](TObject*) { events.push_back(QStringLiteral("OnChange")); };
        QObject::connect(field, &TNumIO2::valueChanged, field,
                [this](double v) { events.push_back(QStringLiteral("value %1").arg(v)); });
        window.show();
        QApplication::processEvents();
    }

    QWidget window;
    TNumIO2* field = nullptr;
    QStringList events;
};

TEST_F(NumIO2Signals, KeysReportNewNumbersRightAfterOnChange)
{
    ExpectValueNotifies(*field);
    QTest::keyClick(field, Qt::Key_4);
    QTest::keyClick(field, Qt::Key_Period); // "4." is the same number
    QTest::keyClick(field, Qt::Key_5);
    QTest::keyClick(field, Qt::Key_X); // refused: no change at all
    EXPECT_EQ(events, QStringList({"OnChange", "value 4", "OnChange", "OnChange", "value 4.5"}));
}

TEST_F(NumIO2Signals, SpinButtonsReportOnceAClick)
{
    field->SetValue(10);
    events.clear();
    // Up button: right of the box (x0 = 35 + 80 + 3), upper half of the 28-pixel buttons.
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(127, 7));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(127, 21));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(127, 21));
    EXPECT_EQ(events, QStringList({"OnChange", "value 11", "OnChange", "value 10", "OnChange",
                                   "value 9"}));
}

TEST_F(NumIO2Signals, GaugeReportsDragStepsAndTheValueAtRelease)
{
    QSignalSpy gauge(field, &TNumIO2::gaugeChanged);
    // The gauge: x 35 .. 117 for 0 .. 100, rows 31 .. 39 of the 40-pixel field.
    const int y = 35;
    QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, QPoint(35 + 41, y));
    EXPECT_EQ(field->Value(), 50);
    EXPECT_TRUE(events.isEmpty()) << "the value is reported at the release";
    Drag(field, QPoint(35 + 82, y));
    Drag(field, QPoint(0, y)); // outside: nothing
    ASSERT_EQ(gauge.count(), 1);
    EXPECT_EQ(gauge.at(0).at(0).toDouble(), 100);
    QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, QPoint(35 + 82, y));
    EXPECT_EQ(events, QStringList({"OnChange", "value 100"}));

    // A click without a drag: pressed and released at the same place.
    events.clear();
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(35, y));
    EXPECT_EQ(events, QStringList({"OnChange", "value 0"}));
}

TEST_F(NumIO2Signals, ChangesByCodeReportTheNewNumberWithoutOnChange)
{
    field->SetValue(12.5);
    field->SetValue(12.5);
    field->SetText(QStringLiteral("3.25"));
    field->SetInputFormat(itInt); // 3.25 becomes 3
    field->SetText(QStringLiteral("x")); // refused text: nothing changes
    EXPECT_TRUE(field->setProperty("Value", 8.0));
    TNumIO2 source;
    source.SetValue(64);
    field->Assign(&source);
    EXPECT_EQ(events, QStringList({"value 12.5", "value 3.25", "value 3", "value 8", "value 64"}));
}
