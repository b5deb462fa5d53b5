// Gallery page of the table editor: a small measurement table with named columns and
// rows, a nominal column (the color of each sample), marked, empty and invalid cells,
// switches for the attribute lines, read-only data and the precision of each column,
// buttons that sort, and a line that tells the editor's last event.
#include "editors.h"
#include "pages.h"

#include <VEK_ntabed.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

using namespace vek;

namespace {

constexpr int Samples = 8;
enum Column { Temperature = 1, Pressure, Acidity, Tint, Yield };

void FillMeasurements(TNTabEd* tab)
{
    tab->SetSuppressPaint(true);
    tab->SetNrOfColumns(5);
    tab->SetNrOfRows(Samples);
    tab->Clear();
    const QStringList names = {"Temp (°C)", "p (kPa)", "pH", "Tint", "Yield (%)"};
    for (int c = 1; c <= 5; ++c)
        tab->SetColName(c, names[c - 1]);
    TDataTable* data = tab->Data();
    data->SetMScaleType(Tint, mstNominal);
    const QStringList tints = {"clear", "amber", "brown", "green"};
    for (int i = 0; i < tints.size(); ++i)
        data->SetNominalID(Tint, i + 1, tints[i]);
    const double temperatures[Samples] = {21.4, 22.0, 35.75, 36.1, 48.9, 50.2, 64.0, 65.35};
    for (int r = 1; r <= Samples; ++r) {
        tab->SetRowName(r, QStringLiteral("Sample %1").arg(r));
        tab->SetRowAttrib(r, quint8(r % 3));
        tab->SetElem(Temperature, r, temperatures[r - 1]);
        tab->SetElem(Pressure, r, 101.3 + r * 7.25);
        tab->SetElem(Acidity, r, 7.4 - r * 0.31);
        tab->SetElem(Tint, r, (r * 3) % 4 + 1);
        tab->SetElem(Yield, r, r * r * 0.0413 + 0.0052);
    }
    tab->SetColAttrib(Tint, 1);
    tab->SetPrecision(Temperature, 1);
    tab->SetPrecision(Pressure, 0);
    tab->SetPrecision(Acidity, 2);
    tab->SetPrecision(Yield, -1);
    // Outliers marked A, values to check again marked B, one of each.
    tab->SetElemMarkedA(Pressure, 5, true);
    tab->SetElemMarkedA(Acidity, 7, true);
    tab->SetElemMarkedB(Temperature, 3, true);
    tab->SetElemMarkedA(Yield, 6, true);
    tab->SetElemMarkedB(Yield, 6, true);
    tab->SetIsEmpty(Acidity, 4, true);
    tab->SetIsEmpty(Tint, 8, true);
    data->SetCellState(Yield, 2, dtsNotANumber);
    tab->SetComment("Batch 7, reactor B");
    for (int c = 0; c <= 5; ++c)
        tab->AutoColWidth(c, true, 4);
    tab->AutoColWidth(-1, true, 0);
    tab->SetSelection({3, 2, 4, 3});
    tab->SetSuppressPaint(false);
}

QCheckBox* Switch(const QString& text, bool on, const std::function<void(bool)>& apply)
{
    auto* box = new QCheckBox(text);
    box->setChecked(on);
    QObject::connect(box, &QCheckBox::toggled, box, apply);
    return box;
}

// A column chooser and a spin box for that column's precision (-1: exponent form).
QWidget* PrecisionEditor(TNTabEd* tab)
{
    auto* editor = new QWidget;
    auto* layout = new QHBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* column = new QComboBox;
    for (int c = 1; c <= tab->NrOfColumns(); ++c)
        column->addItem(tab->ColName(c), c);
    auto* precision = IntEditor(-1, 10, tab->Precision(1), [tab, column](int value) {
        tab->SetPrecision(column->currentData().toInt(), value);
    });
    QObject::connect(column, &QComboBox::currentIndexChanged, precision, [tab, column, precision] {
        const int value = tab->Precision(column->currentData().toInt());
        precision->setValue(value == 255 ? -1 : value);
    });
    // Column sorts move the names: the chooser follows them.
    QObject::connect(tab, &TNTabEd::headingChanged, column, [tab, column] {
        for (int i = 0; i < column->count(); ++i)
            column->setItemText(i, tab->ColName(column->itemData(i).toInt()));
    });
    layout->addWidget(new QLabel("Precision of"));
    layout->addWidget(column);
    layout->addWidget(precision);
    return editor;
}

QPushButton* Button(const QString& text, const std::function<void()>& action)
{
    auto* button = new QPushButton(text);
    QObject::connect(button, &QPushButton::clicked, button, action);
    return button;
}

// Sorts of the whole table with its headers, by the column or row of the selection's
// top-left cell (the one the corner names and the headers highlight) or by the row
// names, ascending unless asked otherwise.
QLayout* SortButtons(TNTabEd* tab)
{
    auto* row = new QHBoxLayout;
    auto* descending = new QCheckBox("Descending");
    auto ascending = [descending] { return !descending->isChecked(); };
    auto column = [tab] { return tab->Selection().Left - (tab->AttribRowVisible() ? 1 : 0); };
    auto line = [tab] { return tab->Selection().Top - (tab->AttribColVisible() ? 1 : 0); };
    row->addWidget(Button("Sort rows by current column", [=] {
        tab->SortRows(column(), ascending(), 1, 1, tab->NrOfColumns(), tab->NrOfRows(), true);
    }));
    row->addWidget(Button("Sort columns by current row", [=] {
        tab->SortCols(line(), ascending(), 1, 1, tab->NrOfColumns(), tab->NrOfRows(), true);
    }));
    row->addWidget(Button("Sort row names", [=] {
        tab->SortRowNames(ascending(), true, 1, 1, tab->NrOfColumns(), tab->NrOfRows());
    }));
    row->addWidget(descending);
    row->addStretch();
    return row;
}

// Every event of the editor, by name, with a running count so that repeats show.
void ReportEvents(TNTabEd* tab, QLabel* line)
{
    auto count = std::make_shared<int>(0);
    auto show = [line, count](const QString& text) {
        line->setText(QString("Last event: %1 (#%2)").arg(text).arg(++*count));
    };
    auto report = [show](const char* name) {
        return [show, name](TObject*) { show(QString::fromLatin1(name)); };
    };
    tab->OnChange = report("OnChange");
    tab->OnChangeSetup = report("OnChangeSetup");
    tab->OnHeadingChanged = report("OnHeadingChanged");
    tab->OnAttributeChanged = report("OnAttributeChanged");
    tab->OnCellStateChanged = report("OnCellStateChanged");
    tab->OnLayoutChanged = report("OnLayoutChanged");
    tab->OnSelectionChanged = report("OnSelectionChanged");
    tab->OnPaste = report("OnPaste");
    tab->OnTopLeftChanged = report("OnTopLeftChanged");
    tab->OnSetEditText = [show](TObject*, int, int, const QString&) { show("OnSetEditText"); };
    tab->OnBeforePopup = [show](TObject*, TPopupMenu*) { show("OnBeforePopup"); };
    tab->OnPercentDone = [show](TObject*, int percent) {
        show(QString("OnPercentDone %1 %").arg(percent));
    };
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* tab = new TNTabEd(page);
    FillMeasurements(tab);
    layout->addWidget(tab, 1);

    auto* controls = new QHBoxLayout;
    controls->addWidget(Switch("Attribute column", tab->AttribRowVisible(),
                               [tab](bool on) { tab->SetAttribRowVisible(on); }));
    controls->addWidget(Switch("Attribute row", tab->AttribColVisible(),
                               [tab](bool on) { tab->SetAttribColVisible(on); }));
    controls->addWidget(Switch("Read-only", tab->DataReadOnly(),
                               [tab](bool on) { tab->SetDataReadOnly(on); }));
    controls->addWidget(PrecisionEditor(tab));
    controls->addStretch();
    layout->addLayout(controls);
    layout->addLayout(SortButtons(tab));
    auto* events = new QLabel("Edit, sort or use the popup menus: the last event shows here.");
    layout->addWidget(events);
    ReportEvents(tab, events);
    return page;
}

const GalleryPageRegistrar registrar({65, "Table editor (TNTabEd)", "ntabed", CreatePage});

} // namespace
