// A table editor of a known size for the TNTabEd tests, and a reference rendering of a
// cell's text: the text drawn by a canvas of its own at the place and in the colors the
// editor is meant to use, for comparing whole cells pixel by pixel.
#pragma once

#include <VEK_ntabed.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QImage>

namespace ntabedtest {

struct Editor : ::testing::Test {
    vek::TNTabEd tab;
    void SetUp() override { tab.resize(560, 260); }

    // The grid cell of data column C and row R (or a header: C or R of 0 or -1 name
    // the header lines as the width and height operations do).
    vek::TRect Cell(int C, int R) const
    {
        const int col = C == -1 ? 1 : C == 0 ? 0 : C + (tab.AttribRowVisible() ? 1 : 0);
        const int row = R == -1 ? 1 : R == 0 ? 0 : R + (tab.AttribColVisible() ? 1 : 0);
        return tab.CellRect(col, row);
    }
};

// How a text is expected in a cell: the box it fills, its offset, colors and style.
struct ExpectedText {
    QString Text;
    vek::TColor Color;
    vek::TColor Background;
    vek::TFontStyles Style = {};
    int Dx = 2, Dy = 1;
};

// The pixels of box (in the editor's coordinates) as the editor's font draws the text
// there, on its background.
QImage ReferenceCell(const vek::TNTabEd& tab, const vek::TRect& box, const ExpectedText& e);

// The part of the rendered editor inside box.
QImage Part(const QImage& image, const vek::TRect& box);

} // namespace ntabedtest
