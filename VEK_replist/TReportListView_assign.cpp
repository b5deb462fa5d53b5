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
    // The data first (the view follows its size on the way), then every own setting at
    // once, then the grid's own state.
    d->data->Assign(src->d->data.get());
    static_cast<ReportListSettings&>(*d) = *src->d;
    SetFixedColor(src->FixedColor());
    SetColCount(NrOfColumns());
    ApplyGeometry();
    SetFixedCols(src->FixedCols());
}

} // namespace vek
