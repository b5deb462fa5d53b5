// The table editor's notifications in the order they fire, by the names of their events.
#pragma once

#include <VEK_ntabed.h>

#include <QStringList>

#include <utility>

namespace ntabedtest {

struct EventLog {
    QStringList events;
    explicit EventLog(vek::TNTabEd& tab)
    {
        using Event = vek::TNotifyEvent vek::TNTabEd::*;
        const std::pair<Event, const char*> logged[] = {
            {&vek::TNTabEd::OnChange, "OnChange"},
            {&vek::TNTabEd::OnChangeSetup, "OnChangeSetup"},
            {&vek::TNTabEd::OnHeadingChanged, "OnHeadingChanged"},
            {&vek::TNTabEd::OnAttributeChanged, "OnAttributeChanged"},
            {&vek::TNTabEd::OnCellStateChanged, "OnCellStateChanged"},
            {&vek::TNTabEd::OnLayoutChanged, "OnLayoutChanged"},
            {&vek::TNTabEd::OnSelectionChanged, "OnSelectionChanged"},
            {&vek::TNTabEd::OnPaste, "OnPaste"},
        };
        for (const auto& [event, name] : logged)
            tab.*event = [this, name](vek::TObject*) { events << QString::fromLatin1(name); };
    }
    // The events since the last call, then forgets them.
    QStringList Take() { return std::exchange(events, {}); }
};

} // namespace ntabedtest
