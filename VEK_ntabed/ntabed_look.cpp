// TNTabEd: colors and text styles.
#include "ntabed_p.h"

#include <frame/core/change.h>

namespace vek {

void TNTabEd::Private::SetCellColor(TColor& field, TColor value)
{
    field = value;
    q->Refresh();
    q->ChangedLayout();
}

TColor TNTabEd::ColorBackground() const { return Color(); }
void TNTabEd::SetColorBackground(TColor value) { SetColor(value); }
TColor TNTabEd::ColorFixed() const { return FixedColor(); }
void TNTabEd::SetColorFixed(TColor value) { SetFixedColor(value); }

TColor TNTabEd::ColorNormal() const { return d->colorNormal; }
void TNTabEd::SetColorNormal(TColor value) { d->SetCellColor(d->colorNormal, value); }
TColor TNTabEd::ColorSelected() const { return d->colorSelected; }
void TNTabEd::SetColorSelected(TColor value) { d->SetCellColor(d->colorSelected, value); }
TColor TNTabEd::ColorMarkedA() const { return d->colorMarkedA; }
void TNTabEd::SetColorMarkedA(TColor value) { d->SetCellColor(d->colorMarkedA, value); }
TColor TNTabEd::ColorMarkedB() const { return d->colorMarkedB; }
void TNTabEd::SetColorMarkedB(TColor value) { d->SetCellColor(d->colorMarkedB, value); }
TColor TNTabEd::ColorMarkedBoth() const { return d->colorMarkedBoth; }
void TNTabEd::SetColorMarkedBoth(TColor value) { d->SetCellColor(d->colorMarkedBoth, value); }
TColor TNTabEd::ColorRangeSelFG() const { return d->colorRangeSelFG; }
void TNTabEd::SetColorRangeSelFG(TColor value) { d->SetCellColor(d->colorRangeSelFG, value); }
TColor TNTabEd::ColorRangeSelBG() const { return d->colorRangeSelBG; }
void TNTabEd::SetColorRangeSelBG(TColor value) { d->SetCellColor(d->colorRangeSelBG, value); }

void TNTabEd::Private::SetStyleSwitch(bool& field, bool value)
{
    if (!Change(field, value))
        return;
    q->Invalidate();
    q->ChangedLayout();
}

bool TNTabEd::BoldMarks() const { return d->boldMarks; }
void TNTabEd::SetBoldMarks(bool value) { d->SetStyleSwitch(d->boldMarks, value); }
bool TNTabEd::BoldSelHeads() const { return d->boldSelHeads; }
void TNTabEd::SetBoldSelHeads(bool value) { d->SetStyleSwitch(d->boldSelHeads, value); }

} // namespace vek
