// The table editor's notifications in the order they fire, by the names of their events.
#pragma once

#include <VEK_ntabed.h>

#include <QStringList>

namespace ntabedtest {

struct EventLog {
    QStringList events;
    explicit EventLog(vek::TNTabEd& tab)
    {
        auto log = [this](const char* name) {
            return [this, name](vek::TObject*) { events << QString::fromLatin1(name); };
        };
        tab.OnChange = log("OnChange");
        tab.OnChangeSetup = log("OnChangeSetup");
        tab.OnHeadingChanged = log("OnHeadingChanged");
        tab.OnAttributeChanged = log("OnAttributeChanged");
        tab.OnCellStateChanged = log("OnCellStateChanged");
        tab.OnLayoutChanged = log("OnLayoutChanged");
        tab.OnSelectionChanged = log("OnSelectionChanged");
        tab.OnPaste = log("OnPaste");
    }
    // The events since the last call, then forgets them.
    QStringList Take() { return std::exchange(events, {}); }
};

} // namespace ntabedtest
