// The table editor as an application sees it: the generic Qt widget checks, its color
// properties with their defaults, and its signals for changes made by code and by the
// table behind it.
#include <VEK_ntabed.h>

#include "surface_checks.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

using namespace vek;

namespace {

// An editor with numbers, names and a marked cell: its headers (clBtnFace) and cells
// (clWindow) follow the palette.
TNTabEd* FilledEditor()
{
    auto* tab = new TNTabEd;
    tab->Clear();
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 4; ++r)
            tab->SetElem(c, r, c * 1.25 + r);
    tab->SetElemMarkedA(2, 2, true);
    return tab;
}

} // namespace

TEST(NTabEdSurface, TableEditorIsAQtWidget)
{
    vektest::ExpectQtSurface([] { return FilledEditor(); });
}

TEST(NTabEdSurface, ColorsAreQColorPropertiesWithTheirDefaults)
{
    TNTabEd tab;
    EXPECT_EQ(tab.property("ColorMarkedA").value<QColor>(), QColor(0xFF, 0, 0));
    EXPECT_EQ(tab.property("ColorRangeSelBG").value<QColor>(), QColor(0xE0, 0xE8, 0xF8));
    EXPECT_EQ(tab.property("ColorNormal").value<QColor>(), ToQColor(clWindowText));
    // The header and cell backgrounds are the grid's fixed color and the control's color.
    ASSERT_TRUE(tab.setProperty("ColorFixed", QColor(0, 0, 255)));
    EXPECT_EQ(tab.FixedColor(), clBlue);
    tab.resetColorFixed();
    EXPECT_EQ(tab.FixedColor(), clBtnFace);
    ASSERT_TRUE(tab.setProperty("ColorBackground", QColor(255, 255, 0)));
    EXPECT_EQ(tab.Color(), clYellow);
    EXPECT_TRUE(tab.setProperty("NrOfRows", 12));
    EXPECT_EQ(tab.NrOfRows(), 12);
}

TEST(NTabEdSignals, ReportChangesByCodeAndByTheTable)
{
    TNTabEd tab;
    QSignalSpy changed(&tab, &TNTabEd::changed);
    QSignalSpy setup(&tab, &TNTabEd::setupChanged);
    QSignalSpy heading(&tab, &TNTabEd::headingChanged);
    QSignalSpy attribute(&tab, &TNTabEd::attributeChanged);
    tab.SetElem(1, 1, 4.5);
    tab.Data()->SetElem(2, 2, 1);
    EXPECT_EQ(changed.count(), 2);
    tab.SetNrOfColumns(6);
    EXPECT_EQ(setup.count(), 1);
    tab.SetColName(6, "pH");
    tab.SetRowAttrib(1, 200);
    EXPECT_EQ(heading.count(), 1);
    EXPECT_EQ(attribute.count(), 1);
    EXPECT_EQ(changed.count(), 2);
}

TEST(NTabEdSignals, PasteIsReportedAfterTheData)
{
    TNTabEd tab;
    QStringList order;
    QObject::connect(&tab, &TNTabEd::changed, [&] { order << "changed"; });
    QObject::connect(&tab, &TNTabEd::pasted, [&] { order << "pasted"; });
    QGuiApplication::clipboard()->setText("7 8");
    tab.PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(order, (QStringList{"changed", "pasted"}));
    EXPECT_EQ(tab.Elem(2, 1), 8);
}
