// Shared helpers of the custom-drawn numeric field tests.
#pragma once

#include <VEK_NumIO.h>
#include <frame/controls/keys.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace numio2test {

// The field as painted now (its back buffer).
inline QImage Face(vek::TNumIO2& field)
{
    field.Refresh();
    return field.Canvas()->Target()->convertToFormat(QImage::Format_RGB32);
}

inline int TextWidth(const QString& text)
{
    return QFontMetrics(QFont()).horizontalAdvance(text);
}

// A shown, active window holding fields, so that focus and Tab work as for a user.
class Window {
public:
    Window() { FWindow.resize(400, 200); }
    vek::TNumIO2* Add(int top)
    {
        auto* field = new vek::TNumIO2(&FWindow);
        field->move(10, top);
        return field;
    }
    bool Activate()
    {
        FWindow.show();
        QApplication::setActiveWindow(&FWindow);
        return QTest::qWaitForWindowActive(&FWindow);
    }
    QWidget* Widget() { return &FWindow; }

private:
    QWidget FWindow;
};

inline void Type(QWidget* field, const char* keys)
{
    for (const char* k = keys; *k; ++k)
        QTest::keyClick(field, *k);
}

inline void Press(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(field, key, modifiers);
}

} // namespace numio2test
