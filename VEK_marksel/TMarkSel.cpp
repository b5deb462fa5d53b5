// TMarkSel: construction, properties, mark visibility and size hints.
#include "marksel_p.h"

#include <frame/core/change.h>

#include <algorithm>

namespace vek {

namespace {

constexpr int MaxGridSize = 51;

bool IsGridSize(int value)
{
    return value >= 1 && value <= MaxGridSize;
}

} // namespace

TMarkSel::TMarkSel(QWidget* parent) : TCustomControl(parent), d(std::make_unique<Private>(this))
{
    SetDefaultSize(236, 178);
    // Marks are picked with the arrow keys too, so Tab reaches the selector.
    SetTabStop(true);
    marksel::AnnounceChanges(this);
}

TMarkSel::~TMarkSel() = default;

TColor TMarkSel::ColorBackGnd() const { return d->colors.BackGnd; }
TColor TMarkSel::ColorHiLiteBG() const { return d->colors.HiLiteBG; }
TColor TMarkSel::ColorHiLiteSymbol() const { return d->colors.HiLiteSymbol; }
TColor TMarkSel::ColorMarks() const { return d->colors.Marks; }
TColor TMarkSel::ColorSelBG() const { return d->colors.SelBG; }
TColor TMarkSel::ColorSelFG() const { return d->colors.SelFG; }
TFrameStyle TMarkSel::FrameStyle() const { return d->frameStyle; }
int TMarkSel::NrOfColumns() const { return d->columns; }
int TMarkSel::NrOfRows() const { return d->rows; }
bool TMarkSel::ShowZeroAsCross() const { return d->zeroAsCross; }
int TMarkSel::Selected() const { return d->selected; }
int TMarkSel::HighlightedMark() const { return d->highlighted; }

void TMarkSel::SetColorBackGnd(TColor value)
{
    if (Change(d->colors.BackGnd, value))
        Paint();
}

void TMarkSel::SetColorHiLiteBG(TColor value)
{
    if (Change(d->colors.HiLiteBG, value))
        Paint();
}

void TMarkSel::SetColorHiLiteSymbol(TColor value)
{
    if (Change(d->colors.HiLiteSymbol, value))
        Paint();
}

void TMarkSel::SetColorMarks(TColor value)
{
    if (Change(d->colors.Marks, value))
        Paint();
}

void TMarkSel::SetColorSelBG(TColor value)
{
    if (Change(d->colors.SelBG, value))
        Paint();
}

void TMarkSel::SetColorSelFG(TColor value)
{
    if (Change(d->colors.SelFG, value))
        Paint();
}

void TMarkSel::SetFrameStyle(TFrameStyle value)
{
    if (Change(d->frameStyle, value))
        Paint();
}

// The grid decides the smallest useful size.
void TMarkSel::SetNrOfColumns(int value)
{
    if (!IsGridSize(value) || !Change(d->columns, value))
        return;
    Paint();
    updateGeometry();
}

void TMarkSel::SetNrOfRows(int value)
{
    if (!IsGridSize(value) || !Change(d->rows, value))
        return;
    Paint();
    updateGeometry();
}

void TMarkSel::SetShowZeroAsCross(bool value)
{
    if (Change(d->zeroAsCross, value))
        Invalidate();
}

void TMarkSel::SetSelected(int value)
{
    if (value < marksel::NoMark || value >= MarkCount || !Change(d->selected, value))
        return;
    Paint();
    emit selectedChanged(value);
}

// ---- mark visibility -------------------------------------------------------------------

bool TMarkSel::MarkVisible(int ix) const
{
    return d->markVisible[size_t(ix >= 0 && ix < MarkCount ? ix : 0)];
}

void TMarkSel::SetMarkVisible(int ix, bool value)
{
    if (ix >= 1 && ix < MarkCount && Change(d->markVisible[size_t(ix)], value))
        Paint();
}

void TMarkSel::ShowAllMarks()
{
    std::fill(d->markVisible.begin() + 1, d->markVisible.end(), true);
    Paint();
}

void TMarkSel::HideAllMarks()
{
    std::fill(d->markVisible.begin() + 1, d->markVisible.end(), false);
    Paint();
}

marksel::TMarkLayout TMarkSel::Private::Layout() const
{
    return marksel::TMarkLayout(q->size(), columns, rows, markVisible);
}

// ---- size ------------------------------------------------------------------------------

QSize TMarkSel::sizeHint() const
{
    return TCustomControl::sizeHint().expandedTo(minimumSizeHint());
}

QSize TMarkSel::minimumSizeHint() const
{
    return marksel::SmallestSize(d->columns, d->rows);
}

} // namespace vek
