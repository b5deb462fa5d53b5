// TMarkSel for screen readers: a table of the cells with their marks ("Mark 12"); the
// highlighted mark (else the selected one) is the focused cell, the selected mark the
// selected cell and the selector's value.
#include "marksel_p.h"

#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>
#include <frame/accessibility/table_p.h>

#include <QCoreApplication>

namespace vek {

namespace {

QString MarkText(int mark)
{
    return mark == marksel::NoMark
               ? QString()
               : QCoreApplication::translate("vek::TMarkSel", "Mark %1").arg(mark);
}

} // namespace

class TMarkSelAccessible : public TAccessibleTable {
public:
    explicit TMarkSelAccessible(TMarkSel* selector) : TAccessibleTable(selector) {}

    int Rows() const override { return Selector()->NrOfRows(); }
    int Columns() const override { return Selector()->NrOfColumns(); }
    QString CellText(int row, int column) const override { return MarkText(MarkAt(row, column)); }
    QString ColumnHeader(int) const override { return {}; }
    QPoint CurrentCell() const override
    {
        const TMarkSel::Private& d = *Selector()->d;
        const marksel::TMarkLayout layout = d.Layout();
        const int mark = layout.IsShown(d.highlighted) ? d.highlighted : d.selected;
        const int slot = layout.SlotOf(mark);
        return slot == marksel::NoMark ? QPoint(-1, -1) : QPoint(slot % Columns(), slot / Columns());
    }
    QRect CellRect(int row, int column) const override
    {
        const int mark = MarkAt(row, column);
        return mark == marksel::NoMark ? QRect() : Selector()->d->Layout().CellRect(mark).ToQRect();
    }
    QPoint CellAt(QPoint point) const override
    {
        const marksel::TMarkLayout layout = Selector()->d->Layout();
        const int slot = layout.SlotOf(layout.Nearest(point.x(), point.y()));
        return slot == marksel::NoMark ? QPoint(-1, -1) : QPoint(slot % Columns(), slot / Columns());
    }
    bool CellSelected(int row, int column) const override
    {
        const int mark = MarkAt(row, column);
        return mark != marksel::NoMark && mark == Selector()->Selected();
    }

protected:
    QString ValueText() const override
    {
        const int mark = Selector()->Selected();
        return mark == marksel::NoMark ? QCoreApplication::translate("vek::TMarkSel", "None")
                                       : MarkText(mark);
    }

private:
    TMarkSel* Selector() const { return static_cast<TMarkSel*>(widget()); }
    int MarkAt(int row, int column) const
    {
        return Selector()->d->Layout().MarkAt(row * Columns() + column);
    }
};

namespace {

[[maybe_unused]] const bool registered = RegisterAccessible<TMarkSel, TMarkSelAccessible>();

} // namespace

void marksel::AnnounceChanges(TMarkSel* selector)
{
    AnnounceOn(selector, &TMarkSel::selectedChanged, NotifySelectedEntryChanged);
}

} // namespace vek
