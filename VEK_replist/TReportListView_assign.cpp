// TReportListView: copying settings, events and data from another report list.
#include "replist_p.h"

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
    // Every own setting at once; the data, the painting state and the grid's own state
    // follow below.
    static_cast<ReportListSettings&>(*d) = *src->d;
    SetFixedColor(src->FixedColor());
    d->data->Assign(src->d->data.get());
    SetColCount(NrOfColumns());
    ApplyGeometry();
    SetFixedCols(src->FixedCols());
}

} // namespace vek
