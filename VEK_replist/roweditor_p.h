// The row editor of TReportListView: a label and an input field per column on a form of
// its own or on the application's, and the texts the fields give back on OK.
#pragma once

#include "VEK_replist.h"
#include "columnformat_p.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <vector>

namespace vek::roweditor {

// What a field of column `column` starts from.
struct FieldStart {
    int column = 0;
    int row = 0;
    QString cellText;  // the cell's value
    int maxLength = 0; // characters the cell keeps for a value (one fewer in check columns)
    bool masked = false; // the list shows the column as a password
};

// One input field. The dialog places its widget; on OK the field gives the text for its
// cell. A cell the field cannot show (a date it cannot read, a number the field refuses,
// a value missing from a fixed list) keeps its text unless the user gives a new value.
class Field {
public:
    virtual ~Field() = default;
    QWidget* Widget() const { return FWidget; }
    // The text for the cell.
    virtual QString Result() const = 0;

protected:
    // Names the widget "runtime_rlre_" + kind + column and tags it with the column.
    Field(QWidget* widget, const QString& kind, const FieldStart& start);
    // The cell's text when the dialog opened.
    const QString& CellText() const { return FCellText; }
    // Tells the user why the field shows the cell's text as a hint instead of a value.
    void MarkUnreadable(const QString& cellText);

private:
    QWidget* FWidget;
    QString FCellText;
};

// The field for the format's type letter on form, or nullptr for a letter without one.
std::unique_ptr<Field> CreateField(const colformat::ColumnFormat& format,
                                   const FieldStart& start, QWidget* form);

// The dialog's own form: caption, OK and Cancel; Escape or closing the window cancels.
class OwnForm : public QDialog {
public:
    OwnForm(QWidget* owner, const QString& caption, const QString& okCaption,
            const QString& cancelCaption);
    void reject() override;
    // Sizes the form for fields that end at fieldsRight and fieldsBottom, and adds the
    // buttons at its top right.
    void Fit(int fieldsRight, int fieldsBottom);

private:
    QString FOkCaption;
    QString FCancelCaption;
};

// A cell text the dialog gives back.
struct CellEdit {
    int column;
    QString text;
};

// The labels and fields of one row on a form, from creation until the editor ends (they
// are freed then, the last first). On a form of its own the fields begin below the
// buttons; on an application's form at origin, which grows to hold them.
class RowEditor {
public:
    RowEditor(TReportListView& list, int row, QDialog& form, QPoint origin);
    ~RowEditor();
    RowEditor(const RowEditor&) = delete;
    RowEditor& operator=(const RowEditor&) = delete;

    // Shows the form modally and returns its result.
    int Exec();
    // The texts of every field, in column order, for the cells named by their Tag.
    std::vector<CellEdit> Edits() const;

private:
    class EnterAccepts;

    void CreateControls(TReportListView& list, int row);
    void Place(QWidget* widget, int left, int top, int width);
    QString EditFormat(TReportListView& list, int column, int row) const;

    QDialog& FForm;
    OwnForm* FOwnForm;
    QPoint FOrigin;
    std::unique_ptr<EnterAccepts> FEnter;
    std::vector<QPointer<QWidget>> FControls; // labels and fields, in creation order
    std::vector<std::unique_ptr<Field>> FFields;
};

} // namespace vek::roweditor
