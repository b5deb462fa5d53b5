// The input fields of the row editor, one kind per column type: text edit (s), drop-down
// list (c with free text, l with fixed items), date/time picker (d) and numeric field
// (e, f, h, i).
#include "roweditor_p.h"

#include <VEK_NumIO.h>
#include <frame/controls/datetimepicker.h>
#include <frame/core/component.h>
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QLineEdit>

namespace vek::roweditor {

Field::Field(QWidget* widget, const QString& kind, const FieldStart& start)
    : FWidget(widget), FCellText(start.cellText)
{
    FWidget->setObjectName(QStringLiteral("runtime_rlre_%1%2").arg(kind).arg(start.column));
    SetTag(FWidget, start.column);
}

void Field::MarkUnreadable(const QString& cellText)
{
    //: Tool tip of a row editor field that cannot show its cell's text (%1).
    FWidget->setToolTip(QCoreApplication::translate("vek::TReportListView",
                                                    "\"%1\" cannot be shown here; the cell "
                                                    "keeps it unless you enter a new value.")
                            .arg(cellText));
}

namespace {

// The cell's value, or for an empty cell what the format proposes.
QString StartText(const colformat::ColumnFormat& format, const FieldStart& start)
{
    if (!start.cellText.isEmpty())
        return start.cellText;
    return colformat::DefaultFor(format.Letter(), format.defaultPart, start.row);
}

// A field on a widget of type W, made on the form.
template <typename W> class FieldOn : public Field {
protected:
    FieldOn(QWidget* form, const QString& kind, const FieldStart& start)
        : Field(new W(form), kind, start)
    {
    }
    W* Control() const { return static_cast<W*>(Widget()); }
};

class TextField : public FieldOn<QLineEdit> {
public:
    TextField(const colformat::ColumnFormat& format, const FieldStart& start, QWidget* form)
        : FieldOn(form, QStringLiteral("Edit"), start)
    {
        Control()->setMaxLength(start.maxLength);
        Control()->setText(StartText(format, start));
        if (start.masked)
            Control()->setEchoMode(QLineEdit::Password);
    }

    QString Result() const override { return Control()->text(); }
};

class ChoiceField : public FieldOn<QComboBox> {
public:
    ChoiceField(const colformat::ColumnFormat& format, const FieldStart& start, QWidget* form)
        : FieldOn(form, QStringLiteral("CBox"), start)
    {
        QComboBox* box = Control();
        box->setEditable(format.Letter() == u'c');
        box->addItems(format.Items());
        if (format.DropDownCount() > 0)
            box->setMaxVisibleItems(format.DropDownCount());
        const QString text = StartText(format, start);
        if (box->isEditable()) {
            box->lineEdit()->setMaxLength(start.maxLength);
            box->setEditText(text);
            return;
        }
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (box->currentIndex() < 0 && !text.isEmpty()) {
            box->setPlaceholderText(text);
            MarkUnreadable(text);
        }
    }

    // A fixed list left without a choice keeps the cell as it was.
    QString Result() const override
    {
        const QComboBox* box = Control();
        return box->isEditable() || box->currentIndex() >= 0 ? box->currentText() : CellText();
    }
};

class DateField : public FieldOn<TDateTimePicker> {
public:
    DateField(const colformat::ColumnFormat& format, const FieldStart& start, QWidget* form)
        : FieldOn(form, QStringLiteral("DtPick"), start)
    {
        Control()->SetFormat(format.DateFormat());
        FStartText = StartText(format, start);
        if (FStartText.isEmpty())
            return; // no value: the picker shows its format
        if (Show(FStartText)) {
            FStartValue = Control()->dateTime();
            return;
        }
        Control()->ClearValue(FStartText);
        MarkUnreadable(FStartText);
    }

    // An untouched picker gives back the text it started from, so opening the dialog
    // never rewrites a date in other words; without a value the cell stays as it was.
    QString Result() const override
    {
        if (!Control()->HasValue())
            return CellText();
        if (Control()->dateTime() == FStartValue)
            return FStartText;
        return Control()->Text();
    }

private:
    // An impossible date (31 February) is a text the picker cannot show, like any other.
    bool Show(const QString& text)
    {
        try {
            const std::optional<TDateTime> value = ParseDateTime(text, Control()->Format());
            return value && Control()->SetDateTime(*value);
        } catch (const EConvertError&) {
            return false;
        }
    }

    QString FStartText;
    QDateTime FStartValue;
};

TInFormat InputFormatOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'e': return itDynamic;
    case 'f': return itFloat;
    case 'h': return itHex;
    default: return itInt;
    }
}

class NumberField : public FieldOn<TNumIO> {
public:
    NumberField(const colformat::ColumnFormat& format, const FieldStart& start, QWidget* form)
        : FieldOn(form, QStringLiteral("NumIO"), start)
    {
        TNumIO* field = Control();
        field->SetRangeLow(-FullRange);
        field->SetRangeHigh(FullRange);
        field->SetInputFormat(InputFormatOf(format.Letter()));
        // The list's own number texts use ".", whatever the locale.
        field->SetDecPlaceSep(dsBoth);
        field->setMaxLength(start.maxLength);
        const QString text = StartText(format, start);
        field->SetText(text);
        FRefused = field->Text() != text;
        if (FRefused) {
            field->setPlaceholderText(text);
            MarkUnreadable(text);
        }
    }

    // A cell text the field refused stays until the user types a number.
    QString Result() const override
    {
        return FRefused && Control()->Text().isEmpty() ? CellText() : Control()->Text();
    }

private:
    static constexpr double FullRange = 1.7e308;

    bool FRefused = false;
};

} // namespace

std::unique_ptr<Field> CreateField(const colformat::ColumnFormat& format,
                                   const FieldStart& start, QWidget* form)
{
    std::unique_ptr<Field> field;
    switch (format.Letter().unicode()) {
    case 'c':
    case 'l': field = std::make_unique<ChoiceField>(format, start, form); break;
    case 'd': field = std::make_unique<DateField>(format, start, form); break;
    case 'e':
    case 'f':
    case 'h':
    case 'i': field = std::make_unique<NumberField>(format, start, form); break;
    case 's': field = std::make_unique<TextField>(format, start, form); break;
    default: return nullptr;
    }
    // Read-only fields take the palette's disabled look, which dark palettes read too.
    field->Widget()->setEnabled(!format.readOnly);
    return field;
}

} // namespace vek::roweditor
