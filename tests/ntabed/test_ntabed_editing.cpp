// TNTabEd editing as a user does it: clicks that select and a second click that edits,
// typed numbers and nominal IDs and the states they leave, Enter moving on, Escape,
// keys, Tab and the wheel, the selection reports and the corner following the current
// cell.
#include "ntabed_fixture.h"
#include "ntabed_input.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QWheelEvent>

using namespace vek;
using namespace ntabedtest;

namespace {

// The program's own state bits, which an entry keeps.
constexpr quint8 ProgramBit = 0x04;

// Opens the in-place editor of a data cell with two clicks.
void EditCell(TNTabEd& tab, const TRect& cell)
{
    QTest::mouseClick(&tab, Qt::LeftButton, {}, Centre(cell));
    QTest::mouseClick(&tab, Qt::LeftButton, {}, Centre(cell));
}

} // namespace

TEST_F(Editor, FirstClickSelectsSecondClickEdits)
{
    Click(tab, Cell(2, 3));
    EXPECT_EQ(tab.Selection(), (TGridRect{3, 3, 3, 3}));
    EXPECT_FALSE(tab.EditorMode());
    Click(tab, Cell(2, 3));
    EXPECT_TRUE(tab.EditorMode());
    QTest::keyClick(OpenEditor(tab), Qt::Key_Escape);
    // Read-only data: the second click opens nothing.
    tab.SetDataReadOnly(true);
    Click(tab, Cell(1, 1));
    Click(tab, Cell(1, 1));
    EXPECT_FALSE(tab.EditorMode());
}

TEST_F(Editor, TypedNumbersStoreOrMakeTheCellInvalid)
{
    struct Case {
        QString typed;
        double value;
        bool valid;
    };
    const Case cases[] = {
        {"1,5", 1.5, true},       {" 7  ", 7, true},    {"-2.5e3", -2500, true},
        {"abc", 42, false},       {"", 42, false},      {"1.2.3", 42, false},
        {"1e400", 42, false}, // beyond the double range
    };
    for (const Case& c : cases) {
        tab.SetElem(2, 2, 42);
        tab.Data()->SetCellState(2, 2, dtsMarkedA | dtsEmpty | ProgramBit);
        EditCell(tab, Cell(2, 2));
        TypeIntoEditor(tab, c.typed);
        EXPECT_EQ(tab.Elem(2, 2), c.value) << c.typed.toStdString();
        // Markings and the empty state go; the program's bit stays.
        EXPECT_EQ(tab.CellState(2, 2), c.valid ? ProgramBit : ProgramBit | dtsNotANumber)
            << c.typed.toStdString();
    }
}

TEST_F(Editor, EditorStartsWithTheShownNumberAndEscapeKeepsTheCell)
{
    tab.SetElem(1, 1, 3.14159);
    tab.SetPrecision(1, 2);
    EditCell(tab, Cell(1, 1));
    ASSERT_TRUE(tab.EditorMode());
    EXPECT_EQ(tab.InplaceEditor()->Text(), "3.14");
    TypeIntoEditor(tab, "99", Qt::Key_Escape);
    EXPECT_FALSE(tab.EditorMode());
    EXPECT_EQ(tab.Elem(1, 1), 3.14159);
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 1, 2, 1})); // Escape does not move on
}

TEST_F(Editor, EnterMovesOnByAutoAdvance)
{
    EditCell(tab, Cell(1, 1));
    TypeIntoEditor(tab, "5");
    EXPECT_EQ(tab.Elem(1, 1), 5);
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 2, 2, 2})); // down
    tab.SetAutoAdvanceDir(orHorizontal);
    EditCell(tab, Cell(1, 2));
    TypeIntoEditor(tab, "6");
    EXPECT_EQ(tab.Selection(), (TGridRect{3, 2, 3, 2})); // right
    // Enter on the grid itself moves on without touching the cell.
    QTest::keyClick(&tab, Qt::Key_Return);
    EXPECT_EQ(tab.Selection(), (TGridRect{4, 2, 4, 2}));
    EXPECT_FALSE(tab.EditorMode());
    EXPECT_EQ(tab.CellState(2, 2), 0);
    // Without AutoAdvance Enter opens the editor, and stores staying on the cell.
    tab.SetAutoAdvance(false);
    QTest::keyClick(&tab, Qt::Key_Return);
    TypeIntoEditor(tab, "8");
    EXPECT_EQ(tab.Elem(3, 2), 8);
    EXPECT_EQ(tab.Selection(), (TGridRect{4, 2, 4, 2}));
}

TEST_F(Editor, TypingOnTheGridStartsAnEntryAndTabWalksTheCells)
{
    QTest::keyClick(&tab, Qt::Key_4); // no click before: the keyboard alone edits
    ASSERT_TRUE(tab.EditorMode());
    QTest::keyClicks(OpenEditor(tab), ",25");
    QTest::keyClick(OpenEditor(tab), Qt::Key_Tab);
    EXPECT_EQ(tab.Elem(1, 1), 4.25);
    EXPECT_EQ(tab.Selection(), (TGridRect{3, 1, 3, 1}));
    QTest::keyClick(&tab, Qt::Key_Tab);
    QTest::keyClick(&tab, Qt::Key_Tab); // past the last column: the next row's first
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(Editor, NominalColumnsAreEditedWithTheirIDs)
{
    TDataTable* table = tab.Data();
    table->SetMScaleType(2, mstNominal);
    table->SetNominalID(2, 3, "blue");
    table->SetNominalID(2, 1, "red");
    tab.SetElem(2, 1, 3);
    tab.SetNomEditDropDownCount(5);
    EditCell(tab, Cell(2, 1));
    auto* list = dynamic_cast<QComboBox*>(OpenEditor(tab));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->currentText(), "blue");
    EXPECT_EQ(dynamic_cast<TInplaceEditList*>(tab.InplaceEditor())->PickList(),
              (QStringList{"red", "blue"}));
    EXPECT_EQ(list->maxVisibleItems(), 5);
    tab.SetNomEditDropDownCount(3); // reaches the open list
    EXPECT_EQ(list->maxVisibleItems(), 3);
    struct Case {
        QString typed;
        double value;
        quint8 state;
    };
    const Case cases[] = {{"RED", 1, 0}, {"12", 12, 0}, {"green", 12, dtsNotANumber}};
    for (const Case& c : cases) {
        EditCell(tab, Cell(2, 1));
        TypeIntoEditor(tab, c.typed);
        EXPECT_EQ(tab.Elem(2, 1), c.value) << c.typed.toStdString();
        EXPECT_EQ(tab.CellState(2, 1), c.state) << c.typed.toStdString();
    }
    // An ordinal without an ID starts as its number.
    EditCell(tab, Cell(2, 1));
    EXPECT_EQ(tab.InplaceEditor()->Text(), "12");
}

TEST_F(Editor, EditEventsSeeGridCoordinatesAndMayChangeTheText)
{
    std::vector<std::tuple<int, int, QString>> stored;
    tab.OnGetEditText = [](TObject*, int, int, QString& text) { text = "10"; };
    tab.OnSetEditText = [&](TObject*, int col, int row, const QString& text) {
        stored.emplace_back(col, row, text);
    };
    QSignalSpy edited(&tab, &TNTabEd::cellEdited);
    QSignalSpy changed(&tab, &TNTabEd::changed);
    QSignalSpy states(&tab, &TNTabEd::cellStateChanged);
    EditCell(tab, Cell(3, 2));
    EXPECT_EQ(tab.InplaceEditor()->Text(), "10");
    TypeIntoEditor(tab, "x");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], std::make_tuple(4, 2, QString("x")));
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(states.count(), 1); // the cell became invalid
}

TEST_F(Editor, SelectionChangesAreReportedOnce)
{
    int reports = 0;
    tab.OnSelectionChanged = [&](TObject*) { ++reports; };
    Click(tab, Cell(2, 2));
    EXPECT_EQ(reports, 1);
    QTest::mouseMove(&tab, Centre(Cell(2, 2)));
    EXPECT_EQ(reports, 1); // nothing new to report
    QTest::mousePress(&tab, Qt::LeftButton, {}, Centre(Cell(1, 1)));
    QTest::mouseMove(&tab, Centre(Cell(3, 3)));
    QTest::mouseRelease(&tab, Qt::LeftButton, {}, Centre(Cell(3, 3)));
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 1, 4, 3}));
    EXPECT_EQ(reports, 3);
    // Keys and the wheel report every time.
    QTest::keyClick(&tab, Qt::Key_Down);
    QTest::keyClick(&tab, Qt::Key_Shift);
    EXPECT_EQ(reports, 5);
    tab.SetNrOfRows(100);
    QWheelEvent wheel(Centre(Cell(1, 1)), tab.mapToGlobal(Centre(Cell(1, 1))), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&tab, &wheel);
    EXPECT_EQ(reports, 6);
    EXPECT_EQ(tab.TopRow(), 4);
}

TEST_F(Editor, CornerFollowsTheCurrentCell)
{
    QTest::keyClick(&tab, Qt::Key_Right);
    QTest::keyClick(&tab, Qt::Key_Down);
    QTest::keyClick(&tab, Qt::Key_Down);
    // The text sits at (3, 2) of the whole cell, inside the grid's bevel.
    const TRect corner = Cell(0, 0);
    EXPECT_EQ(Part(vektest::Render(&tab), TRect(corner.Left + 1, corner.Top + 1,
                                                corner.Right - 1, corner.Bottom - 1)),
              Part(ReferenceCell(tab, corner, {"2:3", clWindowText, clWindow, {}, 3, 2}),
                   TRect(1, 1, corner.Width() - 1, corner.Height() - 1)));
}
