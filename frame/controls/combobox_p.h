// TCustomComboBox's private data.
#pragma once

#include "combobox.h"

namespace vek {

struct TCustomComboBox::Private {
    // Borrows the painter of the entry being drawn while DrawItem runs.
    TCanvas canvas;
    TColor color = clWindow;
    TComboStyle style = csDropDownList;
    int itemHeight = 16;
    // Between showPopup and hidePopup; keeps DropDown and CloseUp paired.
    bool droppedDown = false;
};

} // namespace vek
