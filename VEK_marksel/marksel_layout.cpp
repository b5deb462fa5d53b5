// The marker selector's grid geometry.
#include "marksel_layout.h"

#include <algorithm>
#include <limits>

namespace vek::marksel {

namespace {

// The frame takes two pixels on each side of the control.
constexpr int FrameAllowance = 4;
constexpr int MinCellSize = 14;

} // namespace

QSize SmallestSize(int columns, int rows)
{
    return QSize(FrameAllowance + MinCellSize * columns, FrameAllowance + MinCellSize * rows);
}

TMarkLayout::TMarkLayout(QSize size, int columns, int rows, const TVisibility& visible)
    : FColumns(columns),
      // A control narrower than its frame has no room for cells, rather than cells of a
      // negative size.
      FCellWidth(std::max(0, (size.width() - FrameAllowance) / columns)),
      FCellHeight(std::max(0, (size.height() - FrameAllowance) / rows))
{
    FSlotOf.fill(NoMark);
    FMarkAt.fill(NoMark);
    const int cells = columns * rows;
    for (int mark = 0; mark < MarkerCount && FShownCount < cells; ++mark) {
        if (!visible[size_t(mark)])
            continue;
        FSlotOf[size_t(mark)] = FShownCount;
        FMarkAt[size_t(FShownCount)] = mark;
        ++FShownCount;
    }
}

int TMarkLayout::SlotOf(int mark) const
{
    return mark >= 0 && mark < MarkerCount ? FSlotOf[size_t(mark)] : NoMark;
}

int TMarkLayout::MarkAt(int slot) const
{
    return slot >= 0 && slot < FShownCount ? FMarkAt[size_t(slot)] : NoMark;
}

TPoint TMarkLayout::RefPoint(int mark) const
{
    const int slot = SlotOf(mark);
    return TPoint(FCellWidth / 2 + FCellWidth * (slot % FColumns),
                  FCellHeight / 2 + (slot / FColumns) * FCellHeight);
}

TPoint TMarkLayout::SymbolCentre(int mark) const
{
    return RefPoint(mark) + TPoint(2, 2);
}

TRect TMarkLayout::CellRect(int mark) const
{
    const TPoint p = RefPoint(mark);
    const int mh = FCellWidth / 2, mv = FCellHeight / 2;
    return TRect(p.x() + 3 - mh, p.y() + 3 - mv, p.x() + 3 + mh, p.y() + 3 + mv);
}

TRect TMarkLayout::HighlightRect(int mark) const
{
    const TPoint p = RefPoint(mark);
    const int mh = FCellWidth / 2, mv = FCellHeight / 2;
    return TRect(p.x() + 4 - mh, p.y() + 4 - mv, p.x() + 2 + mh, p.y() + 2 + mv);
}

std::array<std::pair<TPoint, TPoint>, 2> TMarkLayout::CrossStrokes(int mark) const
{
    const TPoint p = RefPoint(mark);
    const int left = p.x() - FCellWidth / 2, top = p.y() - FCellHeight / 2;
    const int w = FCellWidth, h = FCellHeight;
    return {{{TPoint(left + 4, top + 4), TPoint(left + w + 1, top + h + 1)},
             {TPoint(left + 4, top + h), TPoint(left + w + 1, top + 3)}}};
}

int TMarkLayout::Nearest(int x, int y) const
{
    int nearest = NoMark;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int slot = 0; slot < FShownCount; ++slot) {
        const TPoint p = RefPoint(FMarkAt[size_t(slot)]);
        const qint64 dx = qint64(x) - p.x(), dy = qint64(y) - p.y();
        const qint64 distance = dx * dx + dy * dy;
        if (distance < best) {
            best = distance;
            nearest = FMarkAt[size_t(slot)];
        }
    }
    return nearest;
}

int TMarkLayout::Neighbour(int mark, int step) const
{
    const int target = MarkAt(SlotOf(mark) + step);
    return IsShown(mark) && target != NoMark ? target : mark;
}

} // namespace vek::marksel
