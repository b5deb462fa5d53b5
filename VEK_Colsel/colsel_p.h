// TColSel's private data.
#pragma once

#include "VEK_Colsel.h"

#include <array>
#include <optional>

namespace vek {

struct TColSel::Private {
    int colorBarWidth = 30;
    // The selected entry, 1-based.
    int selColorIx = 1;
    int numColors = 20;
    // 1 while the mouse is over the color bar (a press there edits the color), else 0.
    int mouseAreaCode = 0;
    // While the list is rebuilt: Qt selects the first item it adds, which is no choice.
    bool reloading = false;
    // The SelColor selColorChanged reported last.
    TColor notifiedSelColor = 0;
    // SelColor as a form sets it: chosen once Loaded has the form's entries in place.
    std::optional<TColor> loadedSelColor;
    // Index 0 is unused so that entries keep their 1-based numbers.
    std::array<TColor, MaxColors + 1> colors{};
    std::array<QString, MaxColors + 1> names;
    std::array<bool, MaxColors + 1> userEditable{};
};

} // namespace vek
