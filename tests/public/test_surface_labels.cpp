// The labels and displays as Qt widgets, seen through the public headers only: layout
// sizes, color properties, properties registered once, enabled and palette repaints,
// size hints that follow text, font and cells, and the signals and slots.
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_gradfl.h>
#include <VEK_sevenseg.h>

#include "pixels.h"
#include "qstring_printer.h"
#include "surface_checks.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>
#include <QApplication>

#include <gtest/gtest.h>

#include <cmath>

using namespace vek;
using vektest::Render;

namespace {

// A window holding the control alone in a row, shown so that layout requests are
// processed as in an application.
struct InRow {
    explicit InRow(QWidget* control)
    {
        auto* row = new QHBoxLayout(&window);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(control);
        row->addStretch();
        window.show();
        Settle();
    }
    // Delivers the layout requests and lets the window take its new natural size.
    void Settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        window.adjustSize();
    }
    QWidget window;
};

} // namespace

// ---- generic surface -----------------------------------------------------------------

TEST(LabelsSurface, SevenSegmentDisplay)
{
    // System colors for background and segments exercise the glyph cache, which depends
    // on both.
    vektest::ExpectQtSurface([] { return new TSevenSeg; },
                             [] {
                                 auto* seg = new TSevenSeg;
                                 seg->SetColorBackGnd(clBtnFace);
                                 seg->SetColorText(clWindowText);
                                 seg->SetCaption("12.34");
                                 return seg;
                             });
}

TEST(LabelsSurface, DotMatrixLabel)
{
    vektest::ExpectQtSurface([] { return new TRasterLab; },
                             [] {
                                 auto* lab = new TRasterLab;
                                 lab->SetColorDotOff(clBtnFace);
                                 lab->SetColorDotOn(clWindowText);
                                 lab->SetColorScheme(csSystemColors);
                                 return lab;
                             });
}

TEST(LabelsSurface, GradientFill)
{
    vektest::ExpectQtSurface([] { return new TGradFill; },
                             [] {
                                 auto* fill = new TGradFill;
                                 fill->SetColorFirst(clBtnFace);
                                 return fill;
                             });
}

TEST(LabelsSurface, RotatedLabel)
{
    // Its text (clWindowText) and the background behind it follow the palette as created.
    const auto make = [] {
        auto* lab = new TRotLab;
        lab->SetCaption("Rotated");
        lab->SetTextAngle(30);
        return lab;
    };
    vektest::ExpectQtSurface(make);
    vektest::ExpectSizesItselfInLayout([] {
        auto* lab = new TRotLab;
        lab->SetAutoSize(true);
        lab->SetCaption("Sized by its text");
        return lab;
    });
}

TEST(LabelsSurface, LabelBase)
{
    const auto make = [] {
        auto* label = new TCustomLabel;
        label->SetCaption("Label");
        return label;
    };
    vektest::ExpectQtSurface(make);
}

// ---- size hints ----------------------------------------------------------------------

TEST(LabelsSizeHint, SevenSegmentCellsKeepTheirSizeInALayout)
{
    auto* seg = new TSevenSeg;
    EXPECT_EQ(seg->sizeHint(), QSize(216, 76));
    InRow row(seg);
    EXPECT_EQ(seg->size(), QSize(216, 76));

    seg->SetNumDigits(8); // 2 * 8 + 8 * (48 + 2)
    row.Settle();
    EXPECT_EQ(seg->width(), 416);
    seg->SetInterDigDist(0);
    seg->SetMargin(4);
    row.Settle();
    EXPECT_EQ(seg->size(), QSize(8 + 8 * 48, 68));
    EXPECT_EQ(seg->minimumSizeHint(), QSize(8 + 8 * 12, 8 + 15));
}

TEST(LabelsSizeHint, DotMatrixLabelFollowsTextDotsAndFont)
{
    auto* lab = new TRasterLab;
    // "Text" in the built-in font: four glyphs of 5 columns, each followed by a blank
    // one, at 4 pixels a column; the frame allows 1 pixel and the text starts at PosX 1.
    const int length = 4 * 6 * 4;
    EXPECT_EQ(lab->CalcTextBitLength(), length);
    EXPECT_EQ(lab->sizeHint(), QSize(1 + length + 2, 1 + 12 * 4));
    EXPECT_EQ(lab->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    InRow row(lab);
    EXPECT_EQ(lab->height(), 49);

    lab->SetText("Longer text");
    lab->SetDotSize(4);
    row.Settle();
    EXPECT_EQ(lab->size(), QSize(1 + lab->CalcTextBitLength() + 2, 1 + 12 * 5));
    lab->SetAutoHeight(true);
    EXPECT_EQ(lab->Height(), lab->sizeHint().height());
    // A scrolling text need not fit: the panel asks for its default width.
    lab->SetScrollMode(TRasterLab::rdsmLeft);
    row.Settle();
    EXPECT_EQ(lab->width(), 400);
    lab->SetScrollMode(TRasterLab::rdsmOff);
    row.Settle();
    EXPECT_EQ(lab->width(), 1 + lab->CalcTextBitLength() + 2);

    // A font set the Qt way replaces the built-in bit font, and the hint follows it.
    const QSize builtIn = lab->sizeHint();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    lab->setFont(font);
    EXPECT_EQ(lab->Font()->Name(), "DejaVu Sans");
    EXPECT_NE(lab->CharMatrix(), TRasterLab::CreateBitFont(nullptr));
    EXPECT_NE(lab->sizeHint(), builtIn);
    EXPECT_EQ(lab->sizeHint().height(), 1 + lab->CharMatrix().FontHeight * 5);
}

TEST(LabelsSizeHint, CentredDotMatrixTextClearsTheFrame)
{
    // Centred text sits right of the middle by the frame allowance and a pixel. At its
    // natural size the frame hides no lit dot, even with the densest dots (a blank
    // column of one pixel): as many show as on a wider panel.
    const auto make = [](int extraWidth) {
        auto* lab = new TRasterLab;
        lab->SetText("Wide MW");
        lab->SetDotSize(1);
        lab->SetDotSpacing(0);
        lab->SetAutoCenter(true);
        lab->resize(lab->sizeHint() + QSize(extraWidth, 0));
        return std::unique_ptr<TRasterLab>(lab);
    };
    const auto fitted = make(0);
    EXPECT_EQ(fitted->width(), fitted->CalcTextBitLength() + 4 * 2);
    const QImage natural = Render(fitted.get()), roomy = Render(make(100).get());
    EXPECT_EQ(vektest::CountColor(natural, natural.rect(), clLime),
              vektest::CountColor(roomy, roomy.rect(), clLime));
}

TEST(LabelsSizeHint, RotatedLabelMakesRoomForTheTurnedText)
{
    TRotLab lab;
    lab.SetCaption("Turned");
    lab.SetFrameStyle(fsNone);
    const QFontMetrics metrics(lab.Font()->ToQFont());
    const int w = metrics.horizontalAdvance("Turned"), h = metrics.height();
    EXPECT_EQ(lab.sizeHint(), QSize(200, 200));
    EXPECT_EQ(lab.minimumSizeHint(), QSize(w, h));

    lab.SetAutoSize(true);
    EXPECT_EQ(lab.sizeHint(), QSize(w, h));
    lab.SetTextAngle(90);
    EXPECT_EQ(lab.sizeHint(), QSize(h, w));
    lab.SetTextAngle(45);
    const int diagonal = int(std::ceil((w + h) * std::sqrt(0.5)));
    EXPECT_NEAR(lab.sizeHint().width(), diagonal, 1);
    EXPECT_NEAR(lab.sizeHint().height(), diagonal, 1);
    lab.SetFrameStyle(fsLowered); // two lines on each side
    EXPECT_NEAR(lab.sizeHint().width(), diagonal + 4, 1);
    // The label still never resizes itself.
    EXPECT_EQ(lab.size(), QSize(200, 200));

    lab.SetAutoSize(false);
    lab.SetTextAngle(0);
    lab.SetCaption(QString(60, QLatin1Char('W')));
    EXPECT_GT(lab.sizeHint().width(), 200);
    EXPECT_EQ(lab.sizeHint().height(), 200);
}

TEST(LabelsSizeHint, LabelHintIsItsTextWhileAutoSized)
{
    auto* label = new TCustomLabel;
    InRow row(label);
    label->SetCaption("Short");
    row.Settle();
    const QFontMetrics metrics(label->Font()->ToQFont());
    EXPECT_EQ(label->size(), QSize(metrics.horizontalAdvance("Short"), metrics.height()));
    label->SetCaption("A good deal longer");
    row.Settle();
    EXPECT_EQ(label->width(), metrics.horizontalAdvance("A good deal longer"));
    EXPECT_EQ(label->minimumSizeHint(), label->sizeHint());

    QFont bigger = label->font();
    bigger.setPixelSize(24);
    label->setFont(bigger);
    row.Settle();
    EXPECT_EQ(label->height(), QFontMetrics(bigger).height());

    label->SetAutoSize(false);
    EXPECT_EQ(label->sizeHint(), QSize(65, 17));
}

// ---- signals and slots ---------------------------------------------------------------

TEST(LabelsSignals, SevenSegmentCaptionChangedAndDisplaySlots)
{
    TSevenSeg seg;
    QSignalSpy changed(&seg, &TSevenSeg::captionChanged);
    QSignalSpy overflow(&seg, &TSevenSeg::overflow);

    seg.SetCaption("12.34");
    seg.SetCaption("12.34");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toString(), "12.34");
    EXPECT_TRUE(seg.setProperty("Caption", "-5"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toString(), "-5");

    // By name, as a connection made in a form designer calls them.
    EXPECT_TRUE(QMetaObject::invokeMethod(&seg, "display", Q_ARG(int, 42)));
    EXPECT_EQ(seg.Caption(), "42");
    seg.display(QStringLiteral("AbC"));
    EXPECT_EQ(seg.Caption(), "AbC");
    seg.display(3.14159); // the point shares the third digit's cell
    EXPECT_EQ(seg.Caption(), "3.142");
    seg.display(-2.71828); // the sign takes a cell
    EXPECT_EQ(seg.Caption(), "-2.72");
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(overflow.count(), 0);

    // Numbers that need more cells keep the display and report the overflow.
    seg.display(12345);
    seg.display(-1234);
    seg.display(1.5e10);
    EXPECT_EQ(overflow.count(), 3);
    EXPECT_EQ(seg.Caption(), "-2.72");
    EXPECT_EQ(changed.count(), 4);
    seg.display(-123);
    EXPECT_EQ(seg.Caption(), "-123");

    TSevenSeg copy;
    QSignalSpy copied(&copy, &TSevenSeg::captionChanged);
    copy.Assign(&seg);
    ASSERT_EQ(copied.count(), 1);
    EXPECT_EQ(copied.takeFirst().at(0).toString(), "-123");
    copy.Assign(&seg);
    EXPECT_EQ(copied.count(), 0);
}

TEST(LabelsSignals, DotMatrixTextChanged)
{
    TRasterLab lab;
    QSignalSpy changed(&lab, &TRasterLab::textChanged);
    lab.SetText("Text");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(QMetaObject::invokeMethod(&lab, "SetText", Q_ARG(QString, "Hello")));
    EXPECT_TRUE(lab.setProperty("Text", "World"));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toString(), "Hello");
    EXPECT_EQ(changed.at(1).at(0).toString(), "World");

    TRasterLab copy;
    QSignalSpy copied(&copy, &TRasterLab::textChanged);
    copy.Assign(&lab);
    ASSERT_EQ(copied.count(), 1);
    EXPECT_EQ(copied.at(0).at(0).toString(), "World");
}

TEST(LabelsSignals, DotMatrixScrollStepsAndRestarts)
{
    TRasterLab lab;
    lab.resize(6, 49);
    lab.SetScrollIncrement(4);
    lab.SetScrollInterval(10);
    int handlerTicks = 0, handlerRestarts = 0;
    QSignalSpy scrolled(&lab, &TRasterLab::scrolled);
    QSignalSpy restarted(&lab, &TRasterLab::scrollLoopRestarted);
    // Each signal comes after its handler.
    lab.OnScrollTimer = [&](TObject*) { EXPECT_EQ(scrolled.count(), handlerTicks++); };
    lab.OnScrollLoopRestart = [&](TObject*) { EXPECT_EQ(restarted.count(), handlerRestarts++); };
    lab.SetScrollMode(TRasterLab::rdsmRight);
    // Offsets 4, 8 (past the width of 6: restart at minus the text length), ...
    EXPECT_TRUE(restarted.wait(5000));
    lab.SetScrollMode(TRasterLab::rdsmOff);
    ASSERT_GE(scrolled.count(), 2);
    EXPECT_EQ(scrolled.at(0), QVariantList({4, 0}));
    EXPECT_EQ(scrolled.at(1), QVariantList({-lab.TextBitLength(), 0}));
    EXPECT_EQ(restarted.count(), 1);
    EXPECT_EQ(handlerTicks, scrolled.count());
    EXPECT_EQ(handlerRestarts, 1);
}

TEST(LabelsSignals, LabelSlotsByName)
{
    TRotLab lab;
    EXPECT_TRUE(QMetaObject::invokeMethod(&lab, "setText", Q_ARG(QString, "By name")));
    EXPECT_EQ(lab.Caption(), "By name");
    EXPECT_TRUE(QMetaObject::invokeMethod(&lab, "SetTextAngle", Q_ARG(int, 135)));
    EXPECT_EQ(lab.TextAngle(), 135);
}
