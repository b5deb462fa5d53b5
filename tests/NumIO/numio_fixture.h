// Shared helpers of the numeric field tests: a field on a shown, focused window, so
// that key clicks, undo and focus behave as for a user.
#pragma once

#include <VEK_NumIO.h>

#include "qstring_printer.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace numiotest {

class FieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(200, 60);
        field = new vek::TNumIO(window.get());
        field->SetBounds(10, 10, 150, 0);
        window->show();
        window->activateWindow();
        field->SetFocus();
        QApplication::processEvents();
    }

    // Type a text at the caret, one key click per character.
    void Type(const QString& text) { QTest::keyClicks(field, text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(field, key, modifiers);
    }
    void SetRange(double low, double high)
    {
        field->SetRangeHigh(high);
        field->SetRangeLow(low);
    }

    std::unique_ptr<QWidget> window;
    vek::TNumIO* field = nullptr;
};

} // namespace numiotest
