// TReportListView: copying settings, events and data from another report list.
#include "VEK_replist.h"

namespace vek {

void TReportListView::Assign(const TPersistent* Source)
{
    const auto* src = dynamic_cast<const TReportListView*>(Source);
    if (!src) {
        TCustomDrawGrid::Assign(Source);
        return;
    }
    PaintBatch batch(this);
    OnChange = src->OnChange;
    OnChangeSetup = src->OnChangeSetup;
    OnSelectedChange = src->OnSelectedChange;
    OnBeforeRenderCell = src->OnBeforeRenderCell;
    OnPercentDone = src->OnPercentDone;
    OnBeforeSortExchange = src->OnBeforeSortExchange;
    OnBeforeHTMLExport = src->OnBeforeHTMLExport;
    FHeaderAlignment = src->FHeaderAlignment;
    FEmptyMsg = src->FEmptyMsg;
    FComHdVis = src->FComHdVis;
    FColHdVis = src->FColHdVis;
    FComHdHgt = src->FComHdHgt;
    FColHdHgt = src->FColHdHgt;
    FHiLgtColor = src->FHiLgtColor;
    FHiLgtTextColor = src->FHiLgtTextColor;
    FColorNormal = src->FColorNormal;
    FRColorNormal = src->FRColorNormal;
    FRColorShaded = src->FRColorShaded;
    FColHdTxtColor = src->FColHdTxtColor;
    FComHdColor = src->FComHdColor;
    FComHdTxtColor = src->FComHdTxtColor;
    FDisabledBkgdColor = src->FDisabledBkgdColor;
    FDisabledTextColor = src->FDisabledTextColor;
    FColorEmptyMsg = src->FColorEmptyMsg;
    FSelRowColor = src->FSelRowColor;
    FSelRowTextColor = src->FSelRowTextColor;
    FSelColColor = src->FSelColColor;
    FSelColTextColor = src->FSelColTextColor;
    FSelBothColor = src->FSelBothColor;
    FSelBothTextColor = src->FSelBothTextColor;
    FHiLgtBold = src->FHiLgtBold;
    FHiLgtRow = src->FHiLgtRow;
    FHiLgtColumn = src->FHiLgtColumn;
    FRowColPattern = src->FRowColPattern;
    FInterRowColor = src->FInterRowColor;
    FInterRowWidth = src->FInterRowWidth;
    FInterRowIndi = src->FInterRowIndi;
    FShowEmptyCBx = src->FShowEmptyCBx;
    FROCheckMarks = src->FROCheckMarks;
    FAutoAdvance = src->FAutoAdvance;
    FRowSelectMode = src->FRowSelectMode;
    FSortEnabled = src->FSortEnabled;
    FCtrlForMultiSel = src->FCtrlForMultiSel;
    SetFixedColor(src->FixedColor());
    FRLData->Assign(src->FRLData);
    ConnectData(); // the data copied the source's handlers along with its contents
    SetColCount(NrOfColumns());
    ApplyGeometry();
    FFixedColOne = src->FFixedColOne;
    SetFixedCols(src->FixedCols());
    FColAlignment = src->FColAlignment;
    FColumnIsPwd = src->FColumnIsPwd;
    FColumnEditable = src->FColumnEditable;
    FColOrder = src->FColOrder;
}

void TReportListView::AssignTo(TPersistent* Dest) const
{
    if (auto* view = dynamic_cast<TReportListView*>(Dest))
        view->Assign(this);
    else
        TCustomDrawGrid::AssignTo(Dest);
}

} // namespace vek
