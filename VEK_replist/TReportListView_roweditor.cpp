// TReportListView::EditRowEntries: the row editor dialog on a form of its own or on the
// application's, and the write-back of its fields (roweditor_*.cpp build the dialog).
#include "replist_p.h"
#include "roweditor_p.h"

#include <QCoreApplication>

namespace vek {

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop)
{
    // The context is spelled out: the translation tools cannot follow this class's
    // header to it.
    return EditRowEntries(
        Row, PosLeft, PosTop,
        //: The row editor's window title; %1 is the row number.
        QCoreApplication::translate("vek::TReportListView", "Editing Row %1").arg(Row),
        QCoreApplication::translate("vek::TReportListView", "OK"),
        QCoreApplication::translate("vek::TReportListView", "Cancel"));
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption,
                                    const QString& ButOKCaption, const QString& ButCancelCaption)
{
    roweditor::OwnForm form(this, FormCaption, ButOKCaption, ButCancelCaption);
    form.move(PosLeft, PosTop);
    return EditRowEntries(Row, &form, 0, 0);
}

// The edits are checked before the dialog opens: writes to a row that does not exist
// would be dropped silently after the user typed them.
int TReportListView::EditRowEntries(int Row, QDialog* ContainerForm, int PosLeft, int PosTop)
{
    if (!ContainerForm)
        throw EVEKRepListError(ComponentErrorText(Name(), "no form for the row editor"));
    if (!ContainsRow(Row))
        throw EVEKRepListError(
            ComponentErrorText(Name(), QStringLiteral("row %1 does not exist").arg(Row)));
    roweditor::RowEditor editor(*this, Row, *ContainerForm, QPoint(PosLeft, PosTop));
    const int result = editor.Exec();
    if (result == mrOk) {
        PaintBatch batch(this);
        for (const roweditor::CellEdit& edit : editor.Edits())
            SetElem(edit.column, Row, edit.text);
    }
    return result;
}

} // namespace vek
