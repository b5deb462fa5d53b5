// The report list as an application sees it: the view passes the generic Qt widget checks,
// and the data and the view report their changes through signals, for changes made by
// code and by the mouse and keys.
#include <VEK_replist.h>

#include "surface_checks.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>

using namespace vek;

namespace {

// A list with texts in its cells: an empty list would draw no text, and the gray text of
// a disabled list would change no pixel. Its headers (clBtnFace) and empty area (clWindow)
// follow the palette.
TReportListView* FilledList()
{
    auto* list = new TReportListView;
    list->SetNrOfColumns(3);
    list->SetNrOfRows(3);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            list->SetElem(c, r, QStringLiteral("R%1C%2").arg(r).arg(c));
    list->SetColumnCheckMode(2, cmBox);
    list->SetElemChecked(2, 1, true);
    list->SetCommonHeaderVisible(true);
    return list;
}

QList<QVariant> Args(int a, int b) { return {a, b}; }

} // namespace

TEST(ReplistSurface, ReportListViewIsAQtWidget)
{
    vektest::ExpectQtSurface([] { return FilledList(); });
}

TEST(ReplistSurface, EveryColorIsAQColorPropertyWithItsDefault)
{
    TReportListView list;
    EXPECT_EQ(list.property("ColorHigh").value<QColor>(), QColor(0x66, 0x99, 0xCC));
    EXPECT_EQ(list.property("ColorSelectedRow").value<QColor>(), QColor(0xED, 0xBA, 0x94));
    EXPECT_EQ(list.property("ColorColumnHd").value<QColor>(), ToQColor(clBtnFace));
    ASSERT_TRUE(list.setProperty("InterRowIndicatorColor", QColor(0, 128, 0)));
    EXPECT_EQ(list.InterRowIndicatorColor(), clGreen);
    // The column header color is the grid's fixed color under a second name.
    ASSERT_TRUE(list.setProperty("ColorColumnHd", QColor(255, 0, 0)));
    EXPECT_EQ(list.FixedColor(), clRed);
    list.resetColorColumnHd();
    EXPECT_EQ(list.FixedColor(), clBtnFace);
}

TEST(ReplistSignals, DataReportsCellWritesAndSizeButNotNames)
{
    TRLData data;
    data.SetNrOfColumns(2);
    QSignalSpy changed(&data, &TRLData::changed);
    data.SetNrOfRows(4);
    EXPECT_EQ(changed.count(), 1);
    data.SetElem(1, 2, "x");
    EXPECT_EQ(changed.count(), 2);
    data.SetElem(1, 2, "x"); // the same text: no change
    EXPECT_EQ(changed.count(), 2);
    data.SetHeader(1, "Name");
    EXPECT_EQ(changed.count(), 2);
    // A check mode change rewrites the column as one change, reported by nobody.
    data.SetColumnCheckMode(1, cmBox);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(data.setProperty("NrOfRows", 6));
    EXPECT_EQ(changed.count(), 3);
}

TEST(ReplistSignals, DataReportsProgressAfterItsHandler)
{
    TRLData data;
    data.SetNrOfRows(300);
    for (int r = 1; r <= 300; ++r)
        data.SetElem(1, r, QString::number(300 - r));
    std::vector<int> handled;
    QSignalSpy progress(&data, &TRLData::percentDone);
    data.OnPercentDone = [&](TObject* sender, int percent) {
        EXPECT_EQ(sender, &data);
        EXPECT_EQ(progress.count(), int(handled.size())); // the signal follows the handler
        handled.push_back(percent);
    };
    data.Sort(1, -1, true);
    ASSERT_EQ(progress.count(), int(handled.size()));
    ASSERT_FALSE(handled.empty());
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
    // Without a handler, a connected signal alone still gets the progress of a write.
    data.OnPercentDone = nullptr;
    progress.clear();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(data.WriteToXMLStream(&buffer, true, "id"));
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
}

TEST(ReplistSignals, ViewReportsChangesMadeByCode)
{
    std::unique_ptr<TReportListView> list(FilledList());
    QSignalSpy changed(list.get(), &TReportListView::changed);
    QSignalSpy setup(list.get(), &TReportListView::setupChanged);
    int signalsBeforeTheHandler = -1;
    list->OnChange = [&](TObject*) { signalsBeforeTheHandler = int(changed.count()); };
    list->SetElem(3, 3, "new");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(signalsBeforeTheHandler, 0); // the handler ran first
    list->SetCommonHeaderVisible(false);
    EXPECT_EQ(changed.count(), 2);
    list->SetColorHigh(clRed);
    list->SetColorHigh(clRed); // the look setters report even an unchanged value
    EXPECT_EQ(setup.count(), 2);
    ASSERT_TRUE(list->setProperty("EmptyMessage", "Nothing here"));
    EXPECT_EQ(setup.count(), 3);
    EXPECT_EQ(changed.count(), 2);
    // Progress of a sort reaches the view's signal through the data.
    QSignalSpy progress(list.get(), &TReportListView::percentDone);
    list->Sort(1, -1, false);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.first().at(0).toInt(), 0);
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
}

TEST(ReplistSignals, ViewReportsTheUsersCellAndScrolling)
{
    TReportListView list;
    list.resize(300, 150);
    list.SetNrOfRows(50);
    QSignalSpy current(&list, &TCustomGrid::currentCellChanged);
    QSignalSpy topLeft(&list, &TReportListView::topLeftChanged);
    // A click on data row 3 of column 2: grid cell (1, 3) below the column header row.
    const QPoint cell = list.CellRect(1, 3).ToQRect().center();
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, cell);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.takeFirst(), Args(1, 3));
    // Page down scrolls: TopRow (in data rows) follows, and its notification fires.
    QTest::keyClick(&list, Qt::Key_PageDown);
    EXPECT_GT(topLeft.count(), 0);
    EXPECT_GT(list.TopRow(), 1);
    EXPECT_EQ(list.property("TopRow").toInt(), list.TopRow());
}

TEST(ReplistSignals, ViewReportsAColumnResizedWithTheMouse)
{
    TReportListView list;
    list.resize(400, 150);
    QSignalSpy resized(&list, &TCustomGrid::columnResized);
    const TRect header = list.CellRect(0, 0);
    const QPoint border(header.Right, header.Top + 5), to = border + QPoint(30, 0);
    QTest::mousePress(&list, Qt::LeftButton, Qt::NoModifier, border);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(list.mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &move);
    QTest::mouseRelease(&list, Qt::LeftButton, Qt::NoModifier, to);
    ASSERT_EQ(resized.count(), 1);
    EXPECT_EQ(resized.takeFirst(), QList<QVariant>{0});
    EXPECT_EQ(list.ColWidths(1), 64 + 30);
}

TEST(ReplistSignals, ViewReportsACellEditedByTheUser)
{
    TReportListView list;
    list.resize(400, 150);
    list.SetOptions(goFixedVertLine | goFixedHorzLine | goEditing);
    list.SetColumnEditable(3, true); // a report list edits only the columns that allow it
    list.OnSetEditText = [&](TObject*, int col, int row, const QString& text) {
        list.SetElem(col + 1, row, text);
    };
    QSignalSpy edited(&list, &TCustomDrawGrid::cellEdited);
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, list.CellRect(2, 1).ToQRect().center());
    QTest::keyClick(&list, Qt::Key_F2);
    ASSERT_TRUE(list.EditorMode());
    QTest::keyClicks(list.InplaceEditor()->Widget(), "typed");
    QTest::keyClick(list.InplaceEditor()->Widget(), Qt::Key_Return);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.takeFirst(), (QList<QVariant>{2, 1, QString("typed")}));
    EXPECT_EQ(list.Elem(3, 1), "typed");
}
