// TNTabEd for screen readers: a table of the data cells as painted, headed by the column
// and row names; the current cell is the focused one.
#include "ntabed_p.h"

#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/gridtable_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

class TNTabEdAccessible : public TAccessibleGridTable {
public:
    explicit TNTabEdAccessible(TNTabEd* editor) : TAccessibleGridTable(editor) {}

    int Rows() const override { return Editor()->NrOfRows(); }
    int Columns() const override { return Editor()->NrOfColumns(); }
    QString CellText(int row, int column) const override
    {
        const int c = column + 1, r = row + 1;
        return Editor()->d->CellText(c, r, Editor()->CellState(c, r)).trimmed();
    }
    QString ColumnHeader(int column) const override { return Editor()->ColName(column + 1); }
    // Every row has a header cell, named or not.
    QString RowHeader(int row) const override
    {
        const QString name = Editor()->RowName(row + 1);
        return name.isNull() ? QStringLiteral("") : name;
    }

private:
    TNTabEd* Editor() const { return static_cast<TNTabEd*>(widget()); }
};

namespace {

[[maybe_unused]] const bool registered = RegisterAccessible<TNTabEd, TNTabEdAccessible>();

} // namespace

void ntabed::AnnounceChanges(TNTabEd* editor)
{
    AnnounceGridChanges(editor);
    AnnounceOn(editor, &TNTabEd::setupChanged, NotifyTableReset);
}

} // namespace vek
