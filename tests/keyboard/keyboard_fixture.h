// Keyboard-only tests: the control under test sits in a shown, active window after a
// plain line edit, so that a Tab from the edit shows whether the control is a tab stop,
// and every later key goes to the control the way a user's key would.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace keytest {

template <typename Control>
class KeyboardWindow {
public:
    KeyboardWindow() : before(new QLineEdit(&window)), control(new Control(&window))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(control);
    }

    // Shows the window, makes it active and gives the edit before the control the focus.
    void Show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        before->setFocus(Qt::OtherFocusReason);
    }

    // Tab from the edit; true when the focus arrived at the control (or inside it).
    bool TabReaches()
    {
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        return focus == control || (focus && control->isAncestorOf(focus));
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(control, key, modifiers);
    }

    // The face the control shows now, after any pending repaint.
    QImage Face()
    {
        QCoreApplication::sendPostedEvents();
        return control->grab().toImage();
    }

    QWidget window;
    QLineEdit* before;
    Control* control;
};

// Pixels of a face in a color, to tell a focus mark by its color.
inline int CountColor(const QImage& image, QRgb color)
{
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            count += (rgb.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return count;
}

} // namespace keytest
