// TNTabEd: widths and heights fitted to the texts, OptimizeRowHeight and the size hint.
#include "ntabed_p.h"

#include <frame/core/change.h>

#include <QFontMetrics>

#include <algorithm>

namespace vek {

namespace {

// Room around a fitted text, and the narrowest and lowest cells fitting makes.
constexpr int ColumnMargin = 8;
constexpr int MinimumFittedWidth = 4;
constexpr int RowMargin = 2;
constexpr int MinimumFittedHeight = 8;
// Addon of the row height that OptimizeRowHeight keeps.
constexpr int OptimizedRowAddon = 2;

} // namespace

int TNTabEd::Private::LineHeight() const
{
    // The height of the font's text cell: what the sample "9GMgÜ$§[{|" measures, every
    // glyph of it ascending and descending as far as the font does.
    return QFontMetrics(q->Font()->ToQFont()).height();
}

int TNTabEd::AutoRowHeight(int RowNr, int Addon)
{
    const int height = std::max(MinimumFittedHeight, d->LineHeight() + Addon + RowMargin);
    SetRowHeights(RowNr, height);
    return height;
}

int TNTabEd::AutoColWidth(int ColNr, bool IncludeHeader, int Addon)
{
    if (ColNr < -1 || ColNr > NrOfColumns())
        return 0;
    const QFontMetrics metrics(Font()->ToQFont());
    const TDataTable& table = *d->table;
    int widest = 0;
    if (ColNr == -1)
        widest = metrics.horizontalAdvance(IncludeHeader ? tr("Attrib") : QStringLiteral("255"));
    else if (ColNr == 0)
        widest = std::max(metrics.horizontalAdvance(QStringLiteral("999:9999")),
                          ntabed::WidestText(metrics, NrOfRows(),
                                             [&](int r) { return table.GetRowName(r); }));
    else {
        if (IncludeHeader)
            widest = metrics.horizontalAdvance(ColName(ColNr));
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(ColAttrib(ColNr))));
        widest = std::max(widest, ntabed::WidestNumberText(
                                      metrics, NrOfRows(),
                                      [&](int r) { return table.GetElem(ColNr, r); },
                                      d->numWidth, Precision(ColNr)));
    }
    const int width = std::max(MinimumFittedWidth, widest + Addon + ColumnMargin);
    SetColWidths(ColNr, width);
    return width;
}

bool TNTabEd::OptimizeRowHeight() const { return d->optimizeRowHeight; }

void TNTabEd::SetOptimizeRowHeight(bool value)
{
    if (Change(d->optimizeRowHeight, value))
        Refresh();
}

void TNTabEd::Private::FitDefaultRowHeight()
{
    const int height = std::max(MinimumFittedHeight, LineHeight() + OptimizedRowAddon + RowMargin);
    if (height != q->DefaultRowHeight())
        q->TCustomGrid::SetDefaultRowHeight(height);
}

QSize TNTabEd::sizeHint() const
{
    const int line = std::max(10, fontMetrics().height());
    return ContentsSizeHint(QSize(36 * line, 24 * line)).expandedTo(minimumSizeHint());
}

// The size hint is bounded by the font's line height.
void TNTabEd::FontChanged()
{
    TCustomGrid::FontChanged();
    updateGeometry();
}

} // namespace vek
