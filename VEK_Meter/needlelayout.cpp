// TNeedleLayout: the settings of one meter needle.
#include "VEK_Meter.h"
#include "meter_p.h"

#include <algorithm>

namespace vek {

TNeedleLayout::TNeedleLayout(QObject* owner) : QObject(owner), d(std::make_unique<Private>()) {}

TNeedleLayout::~TNeedleLayout() = default;

VEK_METER_SETTING(TNeedleLayout, TColor, ColorBody, colorBody, value, Changed())
VEK_METER_SETTING(TNeedleLayout, TColor, ColorOutline, colorOutline, value, Changed())
VEK_METER_SETTING(TNeedleLayout, int, HeadAngle, headAngle, std::clamp(value, 0, 180), Changed())
VEK_METER_SETTING(TNeedleLayout, int, HeadMidLeng, headMidLeng, value, Changed())
VEK_METER_SETTING(TNeedleLayout, int, HeadSize, headSize, value, Changed())
VEK_METER_SETTING(TNeedleLayout, int, PercentNeedleLength, percentLength, std::clamp(value, 0, 100), Changed())
VEK_METER_SETTING(TNeedleLayout, TColor, ShadowColor, shadowColor, value, Changed())
VEK_METER_SETTING(TNeedleLayout, int, ShadowDx, shadowDx, value, Changed())
VEK_METER_SETTING(TNeedleLayout, int, ShadowDy, shadowDy, value, Changed())
VEK_METER_SETTING(TNeedleLayout, int, Thickness, thickness, value, Changed())
VEK_METER_SETTING(TNeedleLayout, bool, Visible, visible, value, Changed())

void TNeedleLayout::Changed()
{
    if (OnChange)
        OnChange(this);
    emit changed();
}

void TNeedleLayout::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TNeedleLayout*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    *d = *source->d;
    Changed();
}

} // namespace vek
