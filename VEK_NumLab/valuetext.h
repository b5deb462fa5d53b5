// Value texts of the numeric label's display types (internal to the unit).
#pragma once

#include "VEK_NumLab.h"

namespace vek::numlab {

struct ValueFormat {
    TNumLab::TDisplay display;
    int precision;
    QString dateTimeFormat;
    QString stateText;
};

// The raw text of value, before separator and plus-sign processing.
QString FormatValue(double value, const ValueFormat& format);

// Whether the separator and plus-sign steps apply to the display type's texts.
bool TakesSeparatorAndSign(TNumLab::TDisplay display);

} // namespace vek::numlab
