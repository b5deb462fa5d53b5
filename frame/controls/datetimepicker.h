// TDateTimePicker: a date and time field on QDateTimeEdit whose display format uses the
// picker letters of the run-time library, and which may hold no value.
#pragma once

#include <frame/core/types.h>

#include <QDateTimeEdit>

namespace vek {

/// A date and time field on QDateTimeEdit. The display format is written in the letters
/// of ParseDateTime and DateTimeText (frame/runtime/rtl.h), so the field shows what
/// Text() writes and what ParseDateTime reads back; month and day names are English for
/// the same reason. With a date field in the format a calendar pops up.
///
/// The field may hold no value (a cell that is empty or cannot be read): it then shows a
/// hint in the palette's placeholder color. The first step (arrow or page keys, wheel,
/// spin buttons), typed character or opening of the calendar starts from the current date
/// and time. Values have no time zone: the field runs in UTC, where every day has all of
/// its hours. It shows the years 100 to 9999.
class VEK_EXPORT TDateTimePicker : public QDateTimeEdit {
    Q_OBJECT

public:
    /// Format "yyyy-MM-dd", no value.
    explicit TDateTimePicker(QWidget* parent = nullptr);

    /// The display format in picker letters; an empty one stands for "yyyy-MM-dd".
    QString Format() const;
    void SetFormat(const QString& value);

    /// Whether the field holds a value.
    bool HasValue() const;
    /// The value; 0 without one.
    TDateTime DateTime() const;
    /// Shows value and returns true; outside the years 100..9999 the field is left
    /// without a value and the result is false.
    bool SetDateTime(TDateTime value);
    /// Removes the value; the field shows hint, or the format when hint is empty.
    void ClearValue(const QString& hint = QString());
    /// The value written by Format (DateTimeText); "" without a value.
    QString Text() const;

protected:
    StepEnabled stepEnabled() const override;
    void stepBy(int steps) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void StartFromNow();
    bool StartsValue(const QKeyEvent* event) const;
    bool OnCalendarButton(QPoint pos) const;
    void ShowHintLook();

    QString FFormat;
    QString FHint;
};

} // namespace vek
