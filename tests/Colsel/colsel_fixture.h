// Shared setup of the color selector tests: a selector wide enough for long names.
#pragma once

#include <VEK_Colsel.h>

#include <frame/canvas/colors.h>
#include <frame/canvas/graphics.h>

#include <gtest/gtest.h>
#include <pixels.h>
#include <qstring_printer.h>

class ColSelTest : public ::testing::Test {
protected:
    ColSelTest() { sel.resize(220, sel.height()); }

    // The closed box as painted now, and the rectangle of its entry.
    QImage Box() { return vektest::Render(&sel); }
    vek::TRect Item() const { return sel.EditItemRect(); }
    int MidY() const { return (Item().Top + Item().Bottom) / 2; }
    // The disabled entry under the current palette (test_colsel_painting.cpp).
    void ExpectDisabledLook();

    vek::TColSel sel;
};
