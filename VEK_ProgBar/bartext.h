// The value text of the bar: its format and where it is drawn. Private to TProgBar.
#pragma once

#include <frame/baselib/baseenums.h>

#include <QPoint>
#include <QString>

namespace vek::progbar {

// value with decimals >= 0 digits after a "." (no padding, no grouping); -1 gives
// exponent notation with two exponent digits ("1.5E+03", all "*" when the exponent needs
// more), -2 with four ("1.5E+0003").
QString FormatValueText(double value, int decimals);

// Where TextOut puts the text cell so that the anchor is the left end, right end or
// center of the text's middle line after rotating by angleDeg counterclockwise.
QPoint TextCellOrigin(TAlignment alignment, QPoint anchor, int angleDeg, int textWidth,
                      int textHeight);

} // namespace vek::progbar
