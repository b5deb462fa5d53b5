// Gallery page of the marker selector: all 52 marks in a wide grid, the filled marks
// alone in theme colors, a disabled selector, and a live one whose picked mark is shown
// beside it, with editors for its grid, frame and cross.
#include "editors.h"
#include "pages.h"

#include <VEK_marksel.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

using namespace vek;

namespace {

// A selector sized for its grid, with cells of cellSize pixels. Odd sizes leave a pixel
// between the selected mark's box and the frame in the last column and row.
TMarkSel* MakeSelector(QWidget* parent, int columns, int rows, int cellSize)
{
    auto* sel = new TMarkSel(parent);
    sel->SetNrOfColumns(columns);
    sel->SetNrOfRows(rows);
    sel->setFixedSize(4 + columns * cellSize, 4 + rows * cellSize);
    return sel;
}

void AddSample(QGridLayout* grid, int col, QWidget* sel, const QString& caption)
{
    grid->addWidget(sel, 0, col, Qt::AlignHCenter | Qt::AlignTop);
    grid->addWidget(new QLabel(caption), 1, col, Qt::AlignHCenter);
}

QGroupBox* SampleGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Grids, visibility and colors", parent);
    auto* grid = new QGridLayout(group);

    auto* all = MakeSelector(group, 13, 4, 23);
    all->SetShowZeroAsCross(false);
    all->SetSelected(51);
    AddSample(grid, 0, all, "All 52 marks, 13 x 4 cells, 0 as a dot");

    // Marks 7, 9, ... 41 are the filled variants of the shapes before them.
    auto* filled = MakeSelector(group, 5, 4, 27);
    filled->HideAllMarks();
    for (int mark = 7; mark <= 41; mark += 2)
        filled->SetMarkVisible(mark, true);
    filled->SetColorMarks(clWindowText);
    filled->SetColorBackGnd(clWindow);
    filled->SetFrameStyle(fsLowered);
    filled->SetSelected(13);
    AddSample(grid, 1, filled, "Filled marks, theme colors");

    auto* disabled = MakeSelector(group, 6, 4, 23);
    disabled->SetSelected(6);
    disabled->SetEnabled(false);
    AddSample(grid, 2, disabled, "Disabled");
    return group;
}

// Moves the mouse over a mark, so that the screenshot shows a highlight.
void HoverMark(TMarkSel* sel, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), sel->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(sel, &move);
}

QGroupBox* LiveGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Live selector: click, or use the arrow keys and Enter", parent);
    auto* layout = new QHBoxLayout(group);
    auto* sel = new TMarkSel(group);
    sel->SetSelected(9);
    layout->addWidget(sel, 0, Qt::AlignTop);

    auto* form = new QFormLayout;
    auto* picked = new QLabel;
    QFont large = picked->font();
    large.setPixelSize(2 * QFontInfo(large).pixelSize());
    large.setBold(true);
    picked->setFont(large);
    const auto showPicked = [picked](int mark) {
        picked->setText(mark < 0 ? QStringLiteral("none") : QString::number(mark));
    };
    showPicked(sel->Selected());
    QObject::connect(sel, &TMarkSel::selectedChanged, picked, showPicked);
    form->addRow("Picked mark", picked);
    form->addRow("NrOfColumns", IntEditor(1, 51, sel->NrOfColumns(), [sel](int value) {
                     sel->SetNrOfColumns(value);
                 }));
    form->addRow("NrOfRows", IntEditor(1, 51, sel->NrOfRows(), [sel](int value) {
                     sel->SetNrOfRows(value);
                 }));
    form->addRow("FrameStyle", EnumCombo<TFrameStyle>(sel->FrameStyle(), [sel](TFrameStyle style) {
                     sel->SetFrameStyle(style);
                 }));
    auto* cross = new QCheckBox("ShowZeroAsCross");
    cross->setChecked(sel->ShowZeroAsCross());
    QObject::connect(cross, &QCheckBox::toggled, sel, [sel](bool on) { sel->SetShowZeroAsCross(on); });
    form->addRow(cross);
    auto* hideCircles = new QCheckBox("Hide the circles (6, 7, 26, 27, 30, 31)");
    QObject::connect(hideCircles, &QCheckBox::toggled, sel, [sel](bool on) {
        for (int mark : {6, 7, 26, 27, 30, 31})
            sel->SetMarkVisible(mark, !on);
    });
    form->addRow(hideCircles);
    layout->addLayout(form);

    sel->Refresh();
    HoverMark(sel, QPoint(101, 72)); // mark 19
    return group;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(SampleGroup(page));
    layout->addWidget(LiveGroup(page));
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({135, "Marker selector (TMarkSel)", "marksel", CreatePage});

} // namespace
