// TReportListView for screen readers: a table of the rows the view shows, in its order
// and column order, headed by the column names; the current cell is the focused one.
#include "replist_p.h"

#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/gridtable_p.h>
#include <frame/accessibility/notify_p.h>

#include <QCoreApplication>

namespace vek {

class TReportListViewAccessible : public TAccessibleGridTable {
public:
    explicit TReportListViewAccessible(TReportListView* list) : TAccessibleGridTable(list) {}

    int Rows() const override { return List()->NrOfShownRows(); }
    int Columns() const override { return List()->NrOfColumns(); }
    QString CellText(int row, int column) const override
    {
        const int dataColumn = DataColumn(column), dataRow = DataRow(row);
        if (List()->ColumnIsPwd(dataColumn))
            return QStringLiteral("******");
        const QString text = List()->Elem(dataColumn, dataRow);
        if (!List()->IsCheckedColumn(dataColumn))
            return text;
        const QString mark =
            List()->ElemChecked(dataColumn, dataRow)
                ? QCoreApplication::translate("vek::TReportListView", "checked")
                : QCoreApplication::translate("vek::TReportListView", "not checked");
        return text.isEmpty() ? mark : mark + u' ' + text;
    }
    QString ColumnHeader(int column) const override { return List()->Header(DataColumn(column)); }
    bool RowSelected(int row) const override { return List()->RowSelected(DataRow(row)); }
    bool ColumnSelected(int column) const override
    {
        return List()->ColumnSelected(DataColumn(column));
    }

protected:
    // The list numbers its display columns from the grid's first column, fixed or not.
    int FirstDataColumn() const override { return 0; }

private:
    TReportListView* List() const { return static_cast<TReportListView*>(widget()); }
    int DataRow(int row) const { return List()->DataRowAt(row + FirstDataRow()); }
    int DataColumn(int column) const { return List()->DataColumnAt(column); }
};

namespace {

[[maybe_unused]] const bool registered = RegisterAccessible<TReportListView, TReportListViewAccessible>();

} // namespace

void replist::AnnounceChanges(TReportListView* list)
{
    AnnounceGridChanges(list);
    AnnounceOn(list, &TReportListView::selectedChanged, NotifySelectionChanged);
    AnnounceOn(list, &TReportListView::setupChanged, NotifyTableReset);
}

} // namespace vek
