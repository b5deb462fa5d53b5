// Shared helpers of the thumbnail grid tests. The standard grid is 300 x 400 with the
// default slide sizes: pitch 136, two slides per row, slide 1's box at (10, 12)..(144, 146),
// its image area at (17, 19)..(136, 138).
#pragma once

#include <VEK_Thumbnails.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace thumbstest {

constexpr vek::TColor Back = 0x00404040;
constexpr vek::TColor Cover = 0x00C0C0C0;
constexpr vek::TColor Selected = 0x00800000;
constexpr vek::TColor Focus = 0x00FF0000;

// A grid with fixed colors (the background is a system color by default) and no frames,
// so that pixel checks see plain fills.
inline void Prepare(vek::TThumbnails& grid, int width = 300, int height = 400)
{
    grid.resize(width, height);
    grid.SetColorBackGnd(Back);
    grid.SetFrameStyle(vek::TFrameStyle(0));
    grid.SetOuterFrameStyle(vek::TFrameStyle(0));
    grid.SetInnerFrameStyle(vek::TFrameStyle(0));
    grid.Refresh();
}

inline QImage Face(vek::TThumbnails& grid)
{
    return grid.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

// A bitmap of one color.
inline void FillBuffer(vek::TBitmap& buffer, int width, int height, vek::TColor color)
{
    buffer.SetSize(width, height);
    buffer.Canvas()->Brush()->SetColor(color);
    buffer.Canvas()->FillRect(vek::TRect(0, 0, width, height));
}

// Slide 1 shows the image draw puts into the buffer; the other slides their numbered card.
inline void ShowImageOnSlide1(vek::TThumbnails& grid, std::function<void(vek::TBitmap&)> draw)
{
    grid.OnImageRequest = [draw](vek::TObject*, int id,
                                 vek::TThumbnails::TImageRequestProcessing& how, int&,
                                 vek::TBitmap& buffer) {
        if (id != 1)
            return;
        how = vek::TThumbnails::irpShowSlide;
        draw(buffer);
    };
}

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos,
                      Qt::MouseButton button = Qt::NoButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                                        : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), widget.mapToGlobal(QPointF(pos)), button, buttons,
                      modifiers);
    QApplication::sendEvent(&widget, &event);
}

inline void MoveMouse(QWidget& widget, QPoint pos)
{
    SendMouse(widget, QEvent::MouseMove, pos);
}

inline void Click(QWidget& widget, QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, modifiers);
}

// One wheel notch; negative steps turn the wheel towards the user (down).
inline void Wheel(QWidget& widget, QPoint pos, int steps)
{
    QWheelEvent event(QPointF(pos), widget.mapToGlobal(QPointF(pos)), QPoint(),
                      QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&widget, &event);
}

} // namespace thumbstest
