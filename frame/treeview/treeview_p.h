// TCustomTreeView's private data.
#pragma once

#include "treeview.h"

#include <QPersistentModelIndex>

namespace vek {

struct TCustomTreeView::Private {
    explicit Private(TCustomTreeView* owner) : items(owner) {}

    TTreeNodes items;
    TColor color = clWindow;
    bool showButtons = true;
    bool showLines = true;
    bool hotTrack = false;
    // The node Change last reported: Qt reports the removal of a selected node twice
    // (deselected, then its neighbour selected).
    QPersistentModelIndex reported;
    // While Clear runs: the selection it removes is not a change of the user's.
    bool clearing = false;
    // A refused expansion collapses the node again; that collapse is not the user's.
    bool refusing = false;
    // Inside mousePressEvent, and whether the left press that may end in a Click is on
    // the tree.
    bool pressing = false;
    bool leftPressed = false;
};

} // namespace vek
