// Shared helpers of the two-state button tests.
#pragma once

#include <VEK_onoffbut.h>
#include <frame/canvas/bitmap.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

namespace onoffbuttest {

using vek::TOnOffBut;

// The face as painted now.
inline QImage Face(TOnOffBut& button)
{
    button.Refresh();
    return button.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

// One state image of a library bitmap: quadrant (on, enabled) of resource name.
inline QImage StateImage(const QString& name, bool on, bool enabled)
{
    vek::TBitmap combined;
    combined.LoadFromResourceName(name);
    const int gw = combined.Width() / 2;
    const int gh = combined.Height() / 2;
    return combined.Image().copy(on ? 0 : gw, enabled ? 0 : gh, gw, gh);
}

// Number of glyph pixels that differ from image placed at (x, y): key pixels must show
// background, all others the image's color.
inline int GlyphMismatches(const QImage& face, int x, int y, const QImage& image,
                           vek::TColor background)
{
    int mismatches = 0;
    for (int gy = 0; gy < image.height(); ++gy)
        for (int gx = 0; gx < image.width(); ++gx) {
            const vek::TColor pixel = vektest::ColorAt(image, gx, gy);
            const vek::TColor expected = pixel == TOnOffBut::TransparentKey ? background : pixel;
            if (vektest::ColorAt(face, x + gx, y + gy) != expected)
                ++mismatches;
        }
    return mismatches;
}

// The ink of a text drawn with the default font at (0, 0): where glyphs start relative
// to the text cell.
inline QRect TextInk(const QString& text)
{
    vek::TBitmap bitmap(300, 40);
    vek::TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(vek::clWhite);
    canvas->FillRect(vek::TRect(0, 0, 300, 40));
    canvas->Font()->SetFromQFont(QFont());
    canvas->TextOut(0, 0, text);
    return vektest::InkBounds(bitmap.Image(), QRect(0, 0, 300, 40), vek::clWhite);
}

inline int TextWidth(const QString& text)
{
    vek::TBitmap bitmap(1, 1);
    bitmap.Canvas()->Font()->SetFromQFont(QFont());
    return bitmap.Canvas()->TextWidth(text);
}

// Makes parent a width x height panel painted in color, for transparent buttons to
// stand on.
inline void PaintedParent(QWidget& parent, const QColor& color, int width, int height)
{
    parent.resize(width, height);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, color);
    parent.setPalette(palette);
}

inline void Click(QWidget* widget, int x, int y)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

} // namespace onoffbuttest
