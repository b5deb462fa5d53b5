// The report list and the table editor through the table interface: sizes, cell texts,
// headers, the current cell and its focus event, and a bounded number of cell interfaces.
#include "accessibility_fixture.h"

#include <VEK_ntabed.h>
#include <VEK_replist.h>

using namespace vek;
using namespace vektest;

using TableAccessibility = AccessibilityTest;

namespace {

QString CellName(QAccessibleTableInterface* table, int row, int column)
{
    QAccessibleInterface* cell = table->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<none>");
}

QString HeaderOf(QAccessibleInterface* cell)
{
    const auto headers = cell->tableCellInterface()->columnHeaderCells();
    return headers.size() == 1 ? headers[0]->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(TableAccessibility, ReportListOffersItsShownRowsAsCells)
{
    TReportListView list;
    list.resize(300, 200);
    list.SetNrOfColumns(2);
    list.SetNrOfRows(3);
    list.SetHeader(1, QStringLiteral("Name"));
    list.SetHeader(2, QStringLiteral("Secret"));
    list.SetColumnIsPwd(2, true);
    for (int r = 1; r <= 3; ++r)
        list.SetElem(1, r, QStringLiteral("row %1").arg(r));

    QAccessibleInterface* iface = Interface(&list);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("Name"));
    EXPECT_EQ(CellName(table, 1, 0), QStringLiteral("row 2"));
    EXPECT_EQ(CellName(table, 1, 1), QStringLiteral("******"));
    EXPECT_EQ(CellName(table, 3, 0), QStringLiteral("<none>"));
    QAccessibleInterface* cell = table->cellAt(2, 0);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(HeaderOf(cell), QStringLiteral("Name"));
    EXPECT_EQ(cell->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(cell), 4);
    EXPECT_EQ(iface->child(4), cell);

    list.SetRowSelected(2, true);
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
    ASSERT_EQ(table->selectedCells().size(), 2);
    EXPECT_EQ(table->selectedCells()[0]->text(QAccessible::Name), QStringLiteral("row 2"));
    EXPECT_TRUE(table->cellAt(1, 0)->tableCellInterface()->isSelected());
}

TEST_F(TableAccessibility, ReportListCurrentCellIsTheFocusChildAndMovesWithAnEvent)
{
    TReportListView list;
    list.resize(300, 200);
    list.SetNrOfColumns(2);
    list.SetNrOfRows(5);
    list.SetElem(2, 4, QStringLiteral("here"));
    QAccessibleInterface* iface = Interface(&list);

    ClearEvents();
    list.SetCol(1);
    list.SetRow(list.FixedRows() + 3);
    QAccessibleInterface* focus = iface->focusChild();
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->text(QAccessible::Name), QStringLiteral("here"));
    const auto events = Events(QAccessible::Focus, nullptr);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().childText, QStringLiteral("here"));
}

TEST_F(TableAccessibility, AMillionRowsKeepABoundedNumberOfCellInterfaces)
{
    TReportListView list;
    list.SetNrOfColumns(1);
    list.SetNrOfRows(1000000);
    list.SetElem(1, 1000000, QStringLiteral("last"));
    QAccessibleTableInterface* table = Interface(&list)->tableInterface();
    EXPECT_EQ(table->rowCount(), 1000000);
    EXPECT_EQ(CellName(table, 999999, 0), QStringLiteral("last"));

    // Walking many cells recycles the oldest interfaces: the first cell is made anew.
    QAccessibleInterface* first = table->cellAt(0, 0);
    const QAccessible::Id firstId = QAccessible::uniqueId(first);
    for (int r = 1; r <= 2 * 512; ++r)
        table->cellAt(r, 0);
    EXPECT_EQ(QAccessible::accessibleInterface(firstId), nullptr);
    QAccessibleInterface* again = table->cellAt(0, 0);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->tableCellInterface()->rowIndex(), 0);

    ClearEvents();
    list.SetNrOfRows(10);
    EXPECT_EQ(table->rowCount(), 10);
    EXPECT_FALSE(table->cellAt(10, 0));
}

TEST_F(TableAccessibility, TableEditorHasColumnAndRowHeadersAndNumberTexts)
{
    TNTabEd editor;
    editor.resize(400, 300);
    editor.SetNrOfColumns(2);
    editor.SetNrOfRows(3);
    editor.SetColName(2, QStringLiteral("Weight"));
    editor.SetRowName(3, QStringLiteral("Sample C"));
    editor.SetPrecision(2, 1);
    editor.SetElem(2, 3, 12.34);

    QAccessibleInterface* iface = Interface(&editor);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    QAccessibleTableInterface* table = iface->tableInterface();
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->columnDescription(1), QStringLiteral("Weight"));
    EXPECT_EQ(table->rowDescription(2), QStringLiteral("Sample C"));
    QAccessibleInterface* cell = table->cellAt(2, 1);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("12.3"));
    EXPECT_EQ(HeaderOf(cell), QStringLiteral("Weight"));
    const auto rowHeaders = cell->tableCellInterface()->rowHeaderCells();
    ASSERT_EQ(rowHeaders.size(), 1);
    EXPECT_EQ(rowHeaders[0]->role(), QAccessible::RowHeader);
    EXPECT_EQ(rowHeaders[0]->text(QAccessible::Name), QStringLiteral("Sample C"));

    ClearEvents();
    editor.SetCol(editor.FixedCols() + 1);
    editor.SetRow(editor.FixedRows() + 2);
    EXPECT_EQ(iface->focusChild(), cell);
    ASSERT_FALSE(Events(QAccessible::Focus, nullptr).empty());
    EXPECT_EQ(Events(QAccessible::Focus, nullptr).back().childText, QStringLiteral("12.3"));
}
