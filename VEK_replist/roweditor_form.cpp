// The row editor's form: its own (caption, OK, Cancel) or the application's, with a
// right-aligned label and an input field per column, one row of fields every 25 pixels.
#include "roweditor_p.h"

#include <frame/core/component.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vek::roweditor {

namespace {

constexpr int RowPitch = 25;
constexpr int OwnFormFirstTop = 45; // below the buttons
constexpr int LabelLeft = 8;
constexpr int LabelDrop = 3;        // the label's top below its field's
constexpr int LabelSpace = 8;       // beyond the widest column name
constexpr int FieldGap = 4;         // between a label and its field
constexpr int RightMargin = 16;
constexpr int BottomMargin = 38;    // below the rows of fields
constexpr QSize ButtonSize(81, 29);
constexpr int ButtonTop = 4;
constexpr int ButtonGap = 4;

} // namespace

OwnForm::OwnForm(QWidget* owner, const QString& caption, const QString& okCaption,
                 const QString& cancelCaption)
    : QDialog(owner), FOkCaption(okCaption), FCancelCaption(cancelCaption)
{
    setWindowTitle(caption);
}

void OwnForm::reject()
{
    done(mrCancel);
}

// The buttons are made after the fields, so that the first field has the focus and the
// buttons come last in the tab order.
void OwnForm::Fit(int fieldsRight, int fieldsBottom)
{
    setFixedSize(fieldsRight + RightMargin, fieldsBottom + BottomMargin);
    const QRect cancelRect(QPoint(fieldsRight - ButtonSize.width(), ButtonTop), ButtonSize);
    auto* ok = new QPushButton(FOkCaption, this);
    auto* cancel = new QPushButton(FCancelCaption, this);
    ok->setGeometry(cancelRect.translated(-ButtonSize.width() - ButtonGap, 0));
    cancel->setGeometry(cancelRect);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

// Enter in an editable field closes the form as OK.
class RowEditor::EnterAccepts : public QObject {
public:
    explicit EnterAccepts(QDialog& form) : FForm(form) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        FForm.done(mrOk);
        return true;
    }

private:
    QDialog& FForm;
};

RowEditor::RowEditor(TReportListView& list, int row, QDialog& form, QPoint origin)
    : FForm(form), FOwnForm(dynamic_cast<OwnForm*>(&form)), FOrigin(origin),
      FEnter(std::make_unique<EnterAccepts>(form))
{
    CreateControls(list, row);
}

RowEditor::~RowEditor()
{
    for (auto control = FControls.rbegin(); control != FControls.rend(); ++control)
        delete control->data();
}

int RowEditor::Exec()
{
    return FForm.exec();
}

std::vector<CellEdit> RowEditor::Edits() const
{
    std::vector<CellEdit> edits;
    for (const std::unique_ptr<Field>& field : FFields)
        edits.push_back({Tag(field->Widget()), field->Result()});
    return edits;
}

QString RowEditor::EditFormat(TReportListView& list, int column, int row) const
{
    QString format = list.ColumnFormat(column);
    if (list.OnRequestEditFormat)
        list.OnRequestEditFormat(&list, column, row, format);
    return format;
}

void RowEditor::CreateControls(TReportListView& list, int row)
{
    const int columns = list.NrOfColumns();
    int labelWidth = 0;
    for (int n = 1; n <= columns; ++n)
        labelWidth = std::max(labelWidth, FForm.fontMetrics().horizontalAdvance(list.Header(n)));
    labelWidth += LabelSpace;
    const int fieldLeft = FOrigin.x() + LabelLeft + labelWidth + FieldGap;
    const int firstTop = FOrigin.y() + (FOwnForm ? OwnFormFirstTop : 0);
    int widest = 0;
    for (int n = 1; n <= columns; ++n) {
        const int top = firstTop + (n - 1) * RowPitch;
        auto* label = new QLabel(list.Header(n) + u':', &FForm);
        label->setObjectName(QStringLiteral("runtime_rlre_Label") + QString::number(n));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(label, FOrigin.x() + LabelLeft, top + LabelDrop, labelWidth);
        const colformat::ColumnFormat format = colformat::Parse(EditFormat(list, n, row));
        widest = std::max(widest, format.Width());
        const bool checkColumn = list.ColumnCheckMode(n) != cmNone;
        const FieldStart start{n, row, list.Elem(n, row),
                               TStringArray::MaxCellLength - (checkColumn ? 1 : 0),
                               list.ColumnIsPwd(n)};
        std::unique_ptr<Field> field = CreateField(format, start, &FForm);
        if (!field)
            continue;
        Place(field->Widget(), fieldLeft, top, format.Width());
        // Centred on the field's height, the label's text stands on the field's line.
        label->resize(labelWidth, field->Widget()->height() - 2 * LabelDrop);
        field->Widget()->setAccessibleName(list.Header(n));
        if (field->Widget()->isEnabled())
            field->Widget()->installEventFilter(FEnter.get());
        FFields.push_back(std::move(field));
    }
    const QPoint extent(fieldLeft + widest, firstTop + columns * RowPitch);
    if (FOwnForm) {
        FOwnForm->Fit(extent.x(), extent.y());
        return;
    }
    FForm.resize(std::max(FForm.width(), extent.x() + RightMargin),
                 std::max(FForm.height(), extent.y() + BottomMargin));
    FForm.setWindowTitle(QString());
}

void RowEditor::Place(QWidget* widget, int left, int top, int width)
{
    widget->setGeometry(left, top, width, widget->sizeHint().height());
    FControls.emplace_back(widget);
}

} // namespace vek::roweditor
