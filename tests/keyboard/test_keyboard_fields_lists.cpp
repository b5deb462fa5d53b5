// Tab order over all controls, and the keys added to controls that had keys before: the
// numeric field's page step, the report list's focus mark, the table editor's way out.
#include "keyboard_fixture.h"

#include <VEK_Colsel.h>
#include <VEK_FolderTree.h>
#include <VEK_Meter.h>
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <VEK_ProgBar.h>
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_Thumbnails.h>
#include <VEK_gradfl.h>
#include <VEK_marksel.h>
#include <VEK_ntabed.h>
#include <VEK_onoffbut.h>
#include <VEK_replist.h>
#include <VEK_repsbut.h>
#include <VEK_sevenseg.h>

#include <QGridLayout>
#include <QSignalSpy>

using namespace vek;
using keytest::KeyboardWindow;

TEST(KeyboardFields, NumIO2TypesAndPagesStepAsItsSpinButtons)
{
    KeyboardWindow<TNumIO2> w;
    w.control->SetButVisible(true);
    w.control->SetButIncrem(0.5);
    QSignalSpy values(w.control, &TNumIO2::valueChanged);
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    w.control->SetValue(2);
    w.Key(Qt::Key_PageUp);
    EXPECT_EQ(w.control->Value(), 2.5);
    w.Key(Qt::Key_PageDown);
    w.Key(Qt::Key_PageDown);
    EXPECT_EQ(w.control->Value(), 1.5);
    EXPECT_GE(values.count(), 3);
    w.control->SetButVisible(false);
    w.Key(Qt::Key_PageUp);
    EXPECT_EQ(w.control->Value(), 1.5) << "no spin buttons, no step";
}

TEST(KeyboardLists, ReportListArrowsSelectRowsAndSpaceChecks)
{
    KeyboardWindow<TReportListView> w;
    w.control->SetNrOfColumns(2);
    w.control->SetNrOfRows(5);
    w.control->SetColumnCheckMode(1, cmBox);
    w.control->SetShowEmptyCheckBoxes(true);
    w.control->SetColorText(0x0000FF);
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    // The current cell is outlined, dotted, in its text color.
    const TRect cell = w.control->CellRect(w.control->Col(), w.control->Row());
    const QImage face = w.Face();
    const QRgb text = face.pixel(cell.Left + 1, cell.Top + 1);
    EXPECT_EQ(text & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(face.pixel(cell.Left + 2, cell.Top + 1), text) << "dotted";
    w.before->setFocus();
    EXPECT_NE(w.Face().pixel(cell.Left + 1, cell.Top + 1), text) << "only while focused";
    ASSERT_TRUE(w.TabReaches());
    w.Key(Qt::Key_Down);
    w.Key(Qt::Key_Down);
    EXPECT_TRUE(w.control->RowSelected(3));
    EXPECT_EQ(w.control->NumSelectedRows(), 1);
    int checks = 0;
    w.control->OnCheckedChange = [&](TObject*, bool, int, int) { ++checks; };
    w.Key(Qt::Key_Space);
    EXPECT_TRUE(w.control->ElemChecked(1, 3));
    EXPECT_EQ(checks, 1);
}

TEST(KeyboardLists, TableEditorTakesANumberTypedOnTheGrid)
{
    KeyboardWindow<TNTabEd> w;
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.control->Elem(1, 1), 7);
    EXPECT_TRUE(w.control->hasFocus()) << "back on the grid after Enter";
    w.Key(Qt::Key_Down);
    EXPECT_EQ(w.control->Row(), w.control->FixedRows() + 2);
    // Tab walks the cells; Ctrl+Tab leaves the grid, also from the in-place editor.
    const int col = w.control->Col();
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(w.control->Col(), col + 1);
    EXPECT_TRUE(w.control->hasFocus());
    w.Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(w.before->hasFocus());
    ASSERT_TRUE(w.TabReaches());
    QTest::keyClicks(QApplication::focusWidget(), "3");
    ASSERT_NE(QApplication::focusWidget(), w.control) << "typing opened the editor";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(w.before->hasFocus());
}

// Tab walks through every input control in turn and passes every display by.
TEST(KeyboardTabStops, EveryInputControlIsReachedByTabAndNoDisplay)
{
    QWidget window;
    auto* layout = new QGridLayout(&window);
    auto* first = new QLineEdit(&window);
    layout->addWidget(first, 0, 0);
    const std::vector<QWidget*> inputs{
        new TNumIO(&window),     new TNumIO2(&window),         new TOnOffBut(&window),
        new TRepSpeedButton(&window), new TColSel(&window),    new TMarkSel(&window),
        new TMiniCal(&window),   new TThumbnails(&window),     new TFolderTree(&window),
        new TReportListView(&window), new TNTabEd(&window)};
    const std::vector<QWidget*> displays{new TNumLab(&window),    new TSevenSeg(&window),
                                         new TRasterLab(&window), new TRotLab(&window),
                                         new TMeter(&window),     new TProgBar(&window),
                                         new TGradFill(&window)};
    // Each input after a display, so that a display that took the focus would show.
    for (size_t i = 0; i < inputs.size(); ++i) {
        layout->addWidget(displays[i % displays.size()], int(i) + 1, 0);
        layout->addWidget(inputs[i], int(i) + 1, 1);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    for (QWidget* input : inputs) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == input || input->isAncestorOf(focus))
            << input->metaObject()->className() << " got "
            << (focus ? focus->metaObject()->className() : "nothing");
    }
    for (QWidget* display : displays)
        EXPECT_EQ(display->focusPolicy(), Qt::NoFocus) << display->metaObject()->className();
}
