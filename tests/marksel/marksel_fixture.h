// Shared setup of the marker selector tests. At the default 236 x 178 with 8 x 6 cells
// a cell is 29 x 29 pixels and mark n (all visible) has its reference point at
// (14 + 29 * (n % 8), 14 + 29 * (n / 8)); mark 9's cell box is (32, 32)..(59, 59), its
// highlight box (33, 33)..(58, 58) and its symbol (a filled 7 x 7 square) is centred
// on (45, 45).
#pragma once

#include <VEK_marksel.h>

#include <frame/canvas/colors.h>

#include <gtest/gtest.h>
#include <pixels.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace markseltest {

constexpr vek::TColor Back = 0xE0E0E0;
constexpr vek::TColor Marks = vek::clBlack;
constexpr vek::TColor HiLite = 0x0000FF;
constexpr vek::TColor HiLiteSymbol = 0xFFFFFF;
constexpr vek::TColor SelBG = 0xFFFFFF;
constexpr vek::TColor SelFG = 0x800000;

// The reference point of the mark in slot n at the default size.
inline QPoint RefPoint(int slot)
{
    return QPoint(14 + 29 * (slot % 8), 14 + 29 * (slot / 8));
}

class MarkSelTest : public ::testing::Test {
protected:
    // A fixed background, so that palettes do not matter, and exact pixels for the cross.
    MarkSelTest()
    {
        sel.SetColorBackGnd(Back);
        sel.SetSmoothing(false);
    }

    // The back buffer as it is now, without painting first.
    QImage Face() { return sel.Canvas()->Target()->convertToFormat(QImage::Format_RGB32); }
    vek::TColor At(int x, int y) { return vektest::ColorAt(Face(), x, y); }
    int Count(const QRect& area, vek::TColor color)
    {
        return vektest::CountColor(Face(), area, color);
    }

    void MoveMouse(QPoint pos)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), sel.mapToGlobal(QPointF(pos)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&sel, &move);
    }
    void Click(QPoint pos) { QTest::mouseClick(&sel, Qt::LeftButton, {}, pos); }
    void Key(Qt::Key key) { QTest::keyClick(&sel, key); }

    vek::TMarkSel sel;
};

} // namespace markseltest
