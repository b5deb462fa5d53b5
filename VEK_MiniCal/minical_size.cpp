// TMiniCal sizes: the cells follow the control's size, and the size hints follow the
// font and the names the cells show.
#include "minical_p.h"

#include <QFontMetrics>

#include <algorithm>

namespace vek {

namespace {

// Room a cell leaves around its text: the button frame takes two pixels on each side,
// and the natural size adds some air so that the default size fits the default font.
constexpr QSize TightPadding(4, 4);
constexpr QSize NaturalPadding(8, 7);

} // namespace

void TMiniCal::Resize()
{
    d->ApplyCellSizes();
    TCustomDrawGrid::Resize();
}

void TMiniCal::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    d->ApplyCellSizes();
}

void TMiniCal::Private::ApplyCellSizes()
{
    const TRect client = q->GridClientRect();
    const int g = q->GridLineWidth();
    const int cellWidth = std::max(1, (client.Width() - 7 * g) / 8);
    const int cellHeight = std::max(1, (client.Height() - 7 * g) / 8);
    q->SetDefaultColWidth(cellWidth);
    q->SetDefaultRowHeight(cellHeight);
    q->SetColWidths(0, std::max(1, client.Width() - 7 * (cellWidth + g) - g));
    q->SetRowHeights(0, std::max(1, client.Height() - 7 * (cellHeight + g) - g));
}

// Eight equal cells per row and column, each followed by a grid line, inside the border:
// every cell holds its widest text plus the padding, and the caption spans three cells
// and the two lines between them.
QSize TMiniCal::Private::FittedSize(QSize padding) const
{
    const QFontMetrics metrics(q->font());
    auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    int text = std::max({width("<<"), width(">>"), width("#")});
    for (int weekDay = 1; weekDay <= 7; ++weekDay)
        text = std::max(text, width(WeekDayShort(language, weekDay)));
    for (int number = 1; number <= 53; ++number) // days and ISO weeks
        text = std::max(text, width(QString::number(number)));
    int caption = 0;
    for (int month = 1; month <= 12; ++month)
        caption = std::max(caption, width(CaptionText(month, 2000)));

    const int g = q->GridLineWidth();
    const int spanned = (caption + padding.width() - 2 * g + 2) / 3; // rounded up
    const int cellWidth = std::max(text + padding.width(), spanned);
    const int cellHeight = metrics.height() + padding.height();
    // The cells start inside the border, as far from each edge (the calendar shows no
    // scroll bars), whatever the control's size is now.
    const TRect client = q->GridClientRect();
    const QSize border(2 * client.Left, 2 * client.Top);
    return QSize(8 * (cellWidth + g), 8 * (cellHeight + g)) + border;
}

// The default size is the natural one unless the font needs more; the grid base's own
// idea of a natural size does not apply, since the cells follow the control's size.
QSize TMiniCal::sizeHint() const
{
    return TControl::sizeHint().expandedTo(d->FittedSize(NaturalPadding));
}

QSize TMiniCal::minimumSizeHint() const { return d->FittedSize(TightPadding); }

} // namespace vek
