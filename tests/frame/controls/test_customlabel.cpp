// The label base: auto-size, alignment, layout, transparency and the disabled look.
#include <frame/controls/customlabel.h>

#include "pixels.h"
#include "qstring_printer.h"
#include "scoped_palette.h"

#include <QApplication>

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace vek;
using vektest::CountColor;
using vektest::InkBounds;

namespace {

struct Label : TCustomLabel {
    Label()
    {
        SetColor(clWhite);
        Font()->SetColor(clBlack);
        Font()->SetQuality(fqNonAntialiased);
    }
    QImage Face()
    {
        Refresh();
        return Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
    }
    QRect Ink() { return InkBounds(Face(), QRect(0, 0, Width(), Height()), clWhite); }
};

} // namespace

TEST(CustomLabel, AutoSizeFitsTheText)
{
    Label label;
    label.SetCaption("Hello");
    const QFontMetrics metrics(label.Font()->ToQFont());
    EXPECT_EQ(label.Width(), metrics.horizontalAdvance("Hello"));
    EXPECT_EQ(label.Height(), metrics.height());
    label.SetCaption("&Save");
    EXPECT_EQ(label.Width(), metrics.horizontalAdvance("Save"));
    label.SetShowAccelChar(false);
    EXPECT_EQ(label.Width(), metrics.horizontalAdvance("&Save"));

    label.SetAutoSize(false);
    label.resize(300, 60);
    label.SetCaption("Longer caption");
    EXPECT_EQ(label.size(), QSize(300, 60));
}

TEST(CustomLabel, AlignmentAndLayoutPlaceTheText)
{
    Label label;
    label.SetAutoSize(false);
    label.resize(200, 60);
    label.SetCaption("Text");
    const QRect topLeft = label.Ink();
    EXPECT_LT(topLeft.left(), 3);
    EXPECT_LT(topLeft.top(), 6);
    label.SetAlignment(taRightJustify);
    label.SetLayout(TCustomLabel::tlBottom);
    const QRect bottomRight = label.Ink();
    EXPECT_GT(bottomRight.right(), 195);
    EXPECT_GT(bottomRight.bottom(), 50);
    label.SetAlignment(taCenter);
    label.SetLayout(TCustomLabel::tlCenter);
    const QRect centre = label.Ink();
    EXPECT_NEAR(centre.center().x(), 100, 2);
    EXPECT_NEAR(centre.center().y(), 30, 4);
}

TEST(CustomLabel, TransparentAndDisabled)
{
    Label label;
    label.SetCaption("Text");
    label.SetTransparent(true);
    label.Refresh();
    EXPECT_EQ(qAlpha(label.Canvas()->Target()->pixel(label.Width() - 1, 0)), 0);
    label.SetTransparent(false);
    label.SetEnabled(false);
    const QImage face = label.Face();
    const QRect all(0, 0, label.Width(), label.Height());
    EXPECT_EQ(CountColor(face, all, clBlack), 0);
    EXPECT_GT(CountColor(face, all, ColorToRGB(clBtnShadow)), 5);

    // A dark theme has no bevel to engrave into: one copy in its disabled text color.
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x91, 0x92));
    vektest::ScopedPalette darkPalette(dark);
    const QImage onDark = label.Face();
    EXPECT_EQ(CountColor(onDark, all, ColorToRGB(clBtnShadow)), 0);
    EXPECT_GT(CountColor(onDark, all, RGB(0x90, 0x91, 0x92)), 5);
}
