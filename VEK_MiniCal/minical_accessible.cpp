// TMiniCal for screen readers: a table of the six weeks shown, each cell a day read as its
// full date, headed by the weekday and the week number; the selected day is the focused
// cell and the calendar's value is the selected date.
#include "minical_p.h"

#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/gridtable_p.h>
#include <frame/accessibility/notify_p.h>

#include <QCoreApplication>
#include <QLocale>

namespace vek {

class TMiniCalAccessible : public TAccessibleGridTable {
public:
    explicit TMiniCalAccessible(TMiniCal* calendar) : TAccessibleGridTable(calendar) {}

    int Rows() const override { return 6; }
    int Columns() const override { return 7; }
    QString CellText(int row, int column) const override
    {
        return QLocale().toString(DateAt(row, column), QLocale::LongFormat);
    }
    QString ColumnHeader(int column) const override
    {
        return QLocale().dayName(DateAt(0, column).dayOfWeek());
    }
    QString RowHeader(int row) const override
    {
        return QCoreApplication::translate("vek::TMiniCal", "Week %1")
            .arg(Calendar()->d->WeekNumber(row + FirstDataRow()));
    }
    // The selected day, wherever the grid's own cursor stands.
    QPoint CurrentCell() const override
    {
        const int index = Calendar()->Day() - Calendar()->d->monOfs;
        return {index % 7, index / 7};
    }

protected:
    QString ValueText() const override
    {
        return QLocale().toString(Calendar()->qDate(), QLocale::LongFormat);
    }

private:
    TMiniCal* Calendar() const { return static_cast<TMiniCal*>(widget()); }
    // Cells before the first and after the last day of the month show its neighbours'.
    QDate DateAt(int row, int column) const
    {
        const QDate selected = Calendar()->qDate();
        const int day = Calendar()->d->DayNumber(column + FirstDataColumn(), row + FirstDataRow());
        return QDate(selected.year(), selected.month(), 1).addDays(day - 1);
    }
};

namespace {

[[maybe_unused]] const bool registered = RegisterAccessible<TMiniCal, TMiniCalAccessible>();

void NotifySelectedDay(QWidget* calendar)
{
    NotifyValueChanged(calendar);
    NotifyCurrentCellChanged(calendar);
}

} // namespace

void minical::AnnounceChanges(TMiniCal* calendar)
{
    AnnounceOn(calendar, &TMiniCal::dateChanged, NotifySelectedDay);
}

} // namespace vek
