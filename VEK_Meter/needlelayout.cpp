// TNeedleLayout: the settings of one meter needle.
#include "VEK_Meter.h"

#include <algorithm>

namespace vek {

TNeedleLayout::TNeedleLayout(QObject* owner) : QObject(owner) {}

template <typename T>
void TNeedleLayout::Change(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TNeedleLayout::SetColorBody(TColor value) { Change(FColorBody, value); }
void TNeedleLayout::SetColorOutline(TColor value) { Change(FColorOutline, value); }
void TNeedleLayout::SetHeadAngle(int value) { Change(FHeadAngle, std::clamp(value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int value) { Change(FHeadMidLeng, value); }
void TNeedleLayout::SetHeadSize(int value) { Change(FHeadSize, value); }
void TNeedleLayout::SetPercentNeedleLength(int value)
{
    Change(FPercentLength, std::clamp(value, 0, 100));
}
void TNeedleLayout::SetShadowColor(TColor value) { Change(FShadowColor, value); }
void TNeedleLayout::SetShadowDx(int value) { Change(FShadowDx, value); }
void TNeedleLayout::SetShadowDy(int value) { Change(FShadowDy, value); }
void TNeedleLayout::SetThickness(int value) { Change(FThickness, value); }
void TNeedleLayout::SetVisible(bool value) { Change(FVisible, value); }

void TNeedleLayout::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TNeedleLayout::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNeedleLayout*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FColorBody = source->FColorBody;
    FColorOutline = source->FColorOutline;
    FHeadAngle = source->FHeadAngle;
    FHeadMidLeng = source->FHeadMidLeng;
    FHeadSize = source->FHeadSize;
    FPercentLength = source->FPercentLength;
    FShadowColor = source->FShadowColor;
    FShadowDx = source->FShadowDx;
    FShadowDy = source->FShadowDy;
    FThickness = source->FThickness;
    FVisible = source->FVisible;
    Changed();
}

void TNeedleLayout::AssignTo(TPersistent* Dest) const
{
    if (auto* dest = dynamic_cast<TNeedleLayout*>(Dest)) {
        dest->Assign(this);
        return;
    }
    TPersistent::AssignTo(Dest);
}

} // namespace vek
