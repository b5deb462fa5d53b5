// TReportListView: the look (colors, highlight, bands, the indicator line, check marks)
// and the interaction settings.
#include "replist_p.h"

#include <frame/core/change.h>

namespace vek {

// ---- settings that repaint at once and raise OnChangeSetup, even when unchanged

TColor TReportListView::ColorHigh() const { return d->hiLgtColor; }
void TReportListView::SetColorHigh(TColor v) { SetupValue(d->hiLgtColor, v); }
TColor TReportListView::ColorHighText() const { return d->hiLgtTextColor; }
void TReportListView::SetColorHighText(TColor v) { SetupValue(d->hiLgtTextColor, v); }
TColor TReportListView::ColorText() const { return d->colorNormal; }
void TReportListView::SetColorText(TColor v) { SetupValue(d->colorNormal, v); }
TColor TReportListView::ColorBkgdNormal() const { return d->rColorNormal; }
void TReportListView::SetColorBkgdNormal(TColor v) { SetupValue(d->rColorNormal, v); }
TColor TReportListView::ColorBkgdShaded() const { return d->rColorShaded; }
void TReportListView::SetColorBkgdShaded(TColor v) { SetupValue(d->rColorShaded, v); }
TColor TReportListView::ColorColumnHdText() const { return d->colHdTxtColor; }
void TReportListView::SetColorColumnHdText(TColor v) { SetupValue(d->colHdTxtColor, v); }
TColor TReportListView::ColorCommonHd() const { return d->comHdColor; }
void TReportListView::SetColorCommonHd(TColor v) { SetupValue(d->comHdColor, v); }
TColor TReportListView::ColorCommonHdText() const { return d->comHdTxtColor; }
void TReportListView::SetColorCommonHdText(TColor v) { SetupValue(d->comHdTxtColor, v); }
TColor TReportListView::ColorDisabledBkgd() const { return d->disabledBkgdColor; }
void TReportListView::SetColorDisabledBkgd(TColor v) { SetupValue(d->disabledBkgdColor, v); }
TColor TReportListView::ColorDisabledText() const { return d->disabledTextColor; }
void TReportListView::SetColorDisabledText(TColor v) { SetupValue(d->disabledTextColor, v); }
TColor TReportListView::ColorSelectedRow() const { return d->selRowColor; }
void TReportListView::SetColorSelectedRow(TColor v) { SetupValue(d->selRowColor, v); }
TColor TReportListView::ColorSelectedRowText() const { return d->selRowTextColor; }
void TReportListView::SetColorSelectedRowText(TColor v) { SetupValue(d->selRowTextColor, v); }
TColor TReportListView::ColorSelectedCol() const { return d->selColColor; }
void TReportListView::SetColorSelectedCol(TColor v) { SetupValue(d->selColColor, v); }
TColor TReportListView::ColorSelectedColText() const { return d->selColTextColor; }
void TReportListView::SetColorSelectedColText(TColor v) { SetupValue(d->selColTextColor, v); }
TColor TReportListView::ColorSelectedBoth() const { return d->selBothColor; }
void TReportListView::SetColorSelectedBoth(TColor v) { SetupValue(d->selBothColor, v); }
TColor TReportListView::ColorSelectedBothText() const { return d->selBothTextColor; }
void TReportListView::SetColorSelectedBothText(TColor v) { SetupValue(d->selBothTextColor, v); }
bool TReportListView::HighLightBold() const { return d->hiLgtBold; }
void TReportListView::SetHighLightBold(bool v) { SetupValue(d->hiLgtBold, v); }
int TReportListView::HighLightRow() const { return d->hiLgtRow; }
void TReportListView::SetHighLightRow(int v) { SetupValue(d->hiLgtRow, v); }
int TReportListView::HighLightColumn() const { return d->hiLgtColumn; }
void TReportListView::SetHighLightColumn(int v) { SetupValue(d->hiLgtColumn, v); }
int TReportListView::RowColPattern() const { return d->rowColPattern; }
void TReportListView::SetRowColPattern(int v) { SetupValue(d->rowColPattern, v); }
TColor TReportListView::InterRowIndicatorColor() const { return d->interRowColor; }
void TReportListView::SetInterRowIndicatorColor(TColor v) { SetupValue(d->interRowColor, v); }
int TReportListView::InterRowIndicatorWidth() const { return d->interRowWidth; }
void TReportListView::SetInterRowIndicatorWidth(int v) { SetupValue(d->interRowWidth, v); }

// The column header row shares its color with the grid's fixed cells.
TColor TReportListView::ColorColumnHd() const { return FixedColor(); }

void TReportListView::SetColorColumnHd(TColor v)
{
    SetFixedColor(v);
    Repaint();
    ChangedSetup();
}

TColor TReportListView::ColorEmptyMsg() const { return d->colorEmptyMsg; }

void TReportListView::SetColorEmptyMsg(TColor v)
{
    if (!Change(d->colorEmptyMsg, v))
        return;
    Repaint();
    ChangedSetup();
}

// ---- settings that only repaint when changed

int TReportListView::InterRowIndicatorPos() const { return d->interRowIndi; }
void TReportListView::SetInterRowIndicatorPos(int v) { if (Change(d->interRowIndi, v)) Repaint(); }

bool TReportListView::ShowEmptyCheckBoxes() const { return d->showEmptyCBx; }
void TReportListView::SetShowEmptyCheckBoxes(bool v) { if (Change(d->showEmptyCBx, v)) Repaint(); }

bool TReportListView::CheckMarksReadOnly() const { return d->roCheckMarks; }
void TReportListView::SetCheckMarksReadOnly(bool v) { if (Change(d->roCheckMarks, v)) Repaint(); }

// ---- interaction settings: stored for the mouse and keyboard handling

bool TReportListView::AutoAdvance() const { return d->autoAdvance; }
void TReportListView::SetAutoAdvance(bool v) { d->autoAdvance = v; }
int TReportListView::RowSelectMode() const { return d->rowSelectMode; }
bool TReportListView::SortEnabled() const { return d->sortEnabled; }
void TReportListView::SetSortEnabled(bool v) { d->sortEnabled = v; }
bool TReportListView::UseCtrlForMultiSel() const { return d->ctrlForMultiSel; }
void TReportListView::SetUseCtrlForMultiSel(bool v) { d->ctrlForMultiSel = v; }

} // namespace vek
