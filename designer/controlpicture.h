// Pictures of a control for Designer: its widget-box icon, drawn by the control itself,
// and the size a new control gets on a form.
#pragma once

#include "catalog.h"

#include <QIcon>

namespace vekdesigner {

/// The control's natural size (its size hint at the application's font).
QSize DefaultSize(const TControlEntry& entry);

/// The control drawn at its icon size and scaled into 22 x 22 (and 44 x 44 for screens
/// at a device pixel ratio of 2).
QIcon ControlIcon(const TControlEntry& entry);

} // namespace vekdesigner
