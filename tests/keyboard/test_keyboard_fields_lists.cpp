// The input controls whose keys were there before: Tab reaches each, and a key changes it
// and fires its event. The display-only controls take no focus.
#include "keyboard_fixture.h"

#include <VEK_Colsel.h>
#include <VEK_FolderTree.h>
#include <VEK_Meter.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <VEK_ProgBar.h>
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_gradfl.h>
#include <VEK_marksel.h>
#include <VEK_ntabed.h>
#include <VEK_replist.h>
#include <VEK_sevenseg.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vek;
using keytest::KeyboardWindow;

TEST(KeyboardFields, NumIOTakesTypedDigits)
{
    KeyboardWindow<TNumIO> w;
    w.control->SetRangeHigh(100);
    int changes = 0;
    w.control->OnChange = [&](TObject*) { ++changes; };
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    w.control->selectAll();
    QTest::keyClicks(w.control, "42");
    EXPECT_EQ(w.control->Value(), 42);
    EXPECT_EQ(changes, 2);
    QTest::keyClicks(w.control, "0");
    EXPECT_EQ(w.control->Value(), 42) << "420 is out of range: the key is refused";
}

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

TEST(KeyboardLists, ColSelArrowsPickTheNextColor)
{
    KeyboardWindow<TColSel> w;
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    QSignalSpy colors(w.control, &TColSel::selColorChanged);
    const int before = w.control->ItemIndex();
    w.Key(Qt::Key_Down);
    EXPECT_EQ(w.control->ItemIndex(), before + 1);
    EXPECT_EQ(colors.count(), 1);
}

TEST(KeyboardLists, MarkSelArrowsAndSpacePickAMark)
{
    KeyboardWindow<TMarkSel> w;
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    QSignalSpy selected(w.control, &TMarkSel::selectedChanged);
    const int before = w.control->Selected();
    w.Key(Qt::Key_Right);
    w.Key(Qt::Key_Space);
    EXPECT_NE(w.control->Selected(), before);
    EXPECT_EQ(selected.count(), 1);
}

TEST(KeyboardLists, FolderTreeArrowsWalkTheFolders)
{
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath("a/inner") && QDir(temp.path()).mkpath("b"));
    KeyboardWindow<TFolderTree> w;
    w.Show();
    ASSERT_TRUE(w.control->SelectPath(temp.path() + "/a"));
    QSignalSpy directories(w.control, &TFolderTree::directoryChanged);
    ASSERT_TRUE(w.TabReaches());
    w.Key(Qt::Key_Down);
    EXPECT_TRUE(w.control->Directory().endsWith(QDir::toNativeSeparators("/b/")))
        << w.control->Directory().toStdString();
    w.Key(Qt::Key_Up);
    w.Key(Qt::Key_Right);
    w.Key(Qt::Key_Down);
    EXPECT_TRUE(w.control->Directory().endsWith(QDir::toNativeSeparators("/a/inner/")));
    EXPECT_EQ(directories.count(), 3);
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

TEST(KeyboardDisplays, DisplayOnlyControlsAreNoTabStops)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    layout->addWidget(first);
    const std::vector<QWidget*> displays{new TNumLab(&window),    new TSevenSeg(&window),
                                         new TRasterLab(&window), new TRotLab(&window),
                                         new TMeter(&window),     new TProgBar(&window),
                                         new TGradFill(&window)};
    for (QWidget* display : displays)
        layout->addWidget(display);
    auto* last = new QLineEdit(&window);
    layout->addWidget(last);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(last->hasFocus());
    for (QWidget* display : displays)
        EXPECT_EQ(display->focusPolicy(), Qt::NoFocus) << display->metaObject()->className();
}
