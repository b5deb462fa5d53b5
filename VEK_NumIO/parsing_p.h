// Helpers shared by the number text routines of this unit.
#pragma once

#include <QStringView>

namespace vek::parsing {

// position moved into 1 .. length + 1, the range every scanner works in.
qsizetype ClampPosition(QStringView text, qsizetype position);

} // namespace vek::parsing
