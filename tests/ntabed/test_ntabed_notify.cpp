// TNTabEd notifications: which event (and signal, after the handler) each change raises,
// the table's own changes passed on, and suppression that swallows events instead of
// queueing them.
#include "ntabed_fixture.h"

#include <QSignalSpy>

#include <map>
#include <string>

using namespace vek;
using namespace ntabedtest;

namespace {

// Counts the editor's seven notification events by name.
struct Recorder {
    std::map<std::string, int> counts;
    explicit Recorder(TNTabEd& tab)
    {
        auto count = [this](const char* name) {
            return [this, name](TObject*) { ++counts[name]; };
        };
        tab.OnChange = count("data");
        tab.OnChangeSetup = count("setup");
        tab.OnHeadingChanged = count("heading");
        tab.OnAttributeChanged = count("attrib");
        tab.OnCellStateChanged = count("states");
        tab.OnLayoutChanged = count("layout");
        tab.OnSelectionChanged = count("selection");
    }
    // The counts since the last call, then forgets them.
    std::map<std::string, int> Take() { return std::exchange(counts, {}); }
};

using Counts = std::map<std::string, int>;

} // namespace

TEST_F(Editor, EachChangeRaisesItsOwnNotification)
{
    Recorder events(tab);
    tab.SetElem(1, 1, 2);
    EXPECT_EQ(events.Take(), (Counts{{"data", 1}}));
    tab.SetElemMarkedA(1, 1, true);
    tab.SetElemMarkedB(9, 9, true); // outside: nothing changes, but it is reported
    tab.SetIsEmpty(2, 2, true);
    tab.ExchangeMarkings();
    EXPECT_EQ(events.Take(), (Counts{{"states", 4}}));
    EXPECT_TRUE(tab.ElemMarkedB(1, 1));
    tab.SetColName(1, "x");
    tab.SetRowName(2, "y");
    EXPECT_EQ(events.Take(), (Counts{{"heading", 2}}));
    tab.SetColAttrib(1, 3);
    tab.SetColAttrib(7, 3); // outside: ignored
    EXPECT_EQ(events.Take(), (Counts{{"attrib", 1}}));
    tab.SetColorMarkedA(clGreen);
    tab.SetPrecision(1, 4);
    tab.SetNumWidth(99); // ignored, still reported
    tab.SetAttribColVisible(true);
    tab.SetColWidths(-1, 40);
    EXPECT_EQ(events.Take(), (Counts{{"layout", 5}}));
    tab.SetNrOfColumns(5);
    tab.SetNrOfRows(9);
    EXPECT_EQ(events.Take(), (Counts{{"setup", 2}}));
    tab.SetComment("a\tb\nc");
    EXPECT_EQ(tab.Comment(), "abc");
    EXPECT_EQ(events.Take(), (Counts{{"data", 1}}));
    tab.ChangedSelection();
    EXPECT_EQ(events.Take(), (Counts{{"selection", 1}}));
    // The table's own changes, made through Data(), are passed on.
    tab.Data()->SetCellState(3, 3, dtsNotANumber);
    tab.Data()->SetRowAttrib(1, 5);
    EXPECT_EQ(events.Take(), (Counts{{"data", 1}, {"setup", 1}}));
}

TEST_F(Editor, SignalsFollowTheirHandlers)
{
    QSignalSpy states(&tab, &TNTabEd::cellStateChanged);
    QSignalSpy layout(&tab, &TNTabEd::layoutChanged);
    QSignalSpy progress(&tab, &TNTabEd::percentDone);
    int seenBeforeHandler = -1;
    tab.OnCellStateChanged = [&](TObject*) { seenBeforeHandler = int(states.count()); };
    tab.SetElemMarkedA(1, 1, true);
    EXPECT_EQ(states.count(), 1);
    EXPECT_EQ(seenBeforeHandler, 0);
    EXPECT_TRUE(tab.setProperty("ColorNormal", QColor(Qt::red)));
    EXPECT_EQ(layout.count(), 1);
    // Progress of the table's sorts, with the editor as sender.
    TObject* sender = nullptr;
    tab.OnPercentDone = [&](TObject* s, int) { sender = s; };
    tab.Data()->SortRows(1, true, 1, 1, 3, 4, true);
    EXPECT_EQ(sender, &tab);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
}

TEST_F(Editor, SuppressionSwallowsNotificationsAndRepaintsOnceLifted)
{
    Recorder events(tab);
    const QImage before = vektest::Render(&tab);
    tab.SetSuppressPaint(true);
    tab.SetElemMarkedA(2, 2, true);
    tab.SetElem(2, 2, 8);
    tab.SetNrOfColumns(4);
    tab.ChangedSelection();
    EXPECT_TRUE(tab.ElemMarkedA(2, 2));
    EXPECT_EQ(vektest::Render(&tab), before); // nothing painted
    tab.SetSuppressPaint(false);
    EXPECT_EQ(events.Take(), Counts{}); // and nothing reported later either
    EXPECT_NE(vektest::Render(&tab), before);
    // Bulk operations hold the suppression themselves and give the caller's back.
    tab.SetSuppressPaint(true);
    tab.InsertRow(1);
    tab.Clear();
    tab.FillMarkedCells(1, dtsMarkedA);
    EXPECT_TRUE(tab.SuppressPaint());
    tab.SetSuppressPaint(false);
    EXPECT_EQ(tab.FillMarkedCells(3, dtsMarkedA), 0); // Clear took the marking away
    EXPECT_FALSE(tab.SuppressPaint());
    EXPECT_EQ(events.Take(), Counts{});
}
