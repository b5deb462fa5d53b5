// Shared helpers of the numeric label tests.
#pragma once

#include <VEK_NumLab.h>
#include <frame/canvas/bitmap.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace numlabtest {

constexpr int TextTop = 7; // (28 - text height 14) / 2

// The ink of a text drawn with the label font at (0, 0): where glyphs start and end
// relative to the text cell.
inline QRect TextInk(const QString& text, vek::TColor color = vek::clBlack)
{
    vek::TBitmap bitmap(300, 40);
    vek::TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(vek::clWhite);
    canvas->FillRect(vek::TRect(0, 0, 300, 40));
    canvas->Font()->SetFromQFont(QFont());
    canvas->Font()->SetColor(color);
    canvas->TextOut(0, 0, text);
    return vektest::InkBounds(bitmap.Image(), QRect(0, 0, 300, 40), vek::clWhite);
}

inline int TextWidth(const QString& text)
{
    vek::TBitmap bitmap(1, 1);
    bitmap.Canvas()->Font()->SetFromQFont(QFont());
    return bitmap.Canvas()->TextWidth(text);
}

// The text the label hands to OnBeforeDisplay.
inline QString ShownText(vek::TNumLab& label)
{
    QString seen;
    label.OnBeforeDisplay = [&](vek::TObject*, QString& text) { seen = text; };
    label.Refresh();
    label.OnBeforeDisplay = nullptr;
    return seen;
}

inline QImage Face(vek::TNumLab& label)
{
    label.Refresh();
    return label.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

} // namespace numlabtest
