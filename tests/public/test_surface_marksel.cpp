// The marker selector as a Qt widget, through the public header only: layout, color
// properties, enabled and palette switches, keyboard focus, and its signals and slots
// for changes made by code, clicks and keys.
#include <VEK_marksel.h>

#include "surface_checks.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace vek;

TEST(MarkSelSurface, BehavesAsAQtWidget)
{
    // Black marks on the button face keep a fixed light face; marks in the window text
    // color follow the palette together with the face.
    vektest::ExpectQtSurface([] { return new TMarkSel; },
                             [] {
                                 auto* sel = new TMarkSel;
                                 sel->SetColorMarks(clWindowText);
                                 return sel;
                             });
}

TEST(MarkSelSurface, SignalsAndSlots)
{
    TMarkSel sel;
    EXPECT_EQ(sel.focusPolicy(), Qt::StrongFocus); // Tab reaches it
    const QMetaObject* meta = sel.metaObject();
    EXPECT_EQ(meta->property(meta->indexOfProperty("Selected")).notifySignal(),
              QMetaMethod::fromSignal(&TMarkSel::selectedChanged));
    QSignalSpy selected(&sel, &TMarkSel::selectedChanged);
    QSignalSpy clicks(&sel, &TMarkSel::markClicked);
    QSignalSpy doubles(&sel, &TMarkSel::markDoubleClicked);
    QSpinBox box;
    box.setRange(-5, 60);
    QObject::connect(&box, &QSpinBox::valueChanged, &sel, &TMarkSel::SetSelected);
    box.setValue(30);
    box.setValue(55); // out of range: ignored
    QTest::mouseClick(&sel, Qt::LeftButton, {}, QPoint(45, 40)); // mark 9
    QTest::mouseDClick(&sel, Qt::LeftButton, {}, QPoint(45, 40));
    QTest::keyClick(&sel, Qt::Key_Left); // from the clicked mark, which is highlighted
    QTest::keyClick(&sel, Qt::Key_Return);
    ASSERT_EQ(selected.count(), 3);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 30);
    EXPECT_EQ(selected.at(2).at(0).toInt(), 8);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0), (QVariantList{45, 40, 9}));
    EXPECT_EQ(clicks.at(1), (QVariantList{16, 45, 8}));
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles.at(0), (QVariantList{45, 40, 9}));
}
