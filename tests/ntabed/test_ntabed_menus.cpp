// TNTabEd's popup menus as a user meets them: right clicks that open the data and the
// header menu where they belong (or nothing, when blocked or replaced), their items,
// masks and captions, every command, and the heading and comment editors.
#include "ntabed_fixture.h"
#include "ntabed_input.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace vek;
using namespace ntabedtest;

namespace {

struct Menus : Editor {
    void TearDown() override
    {
        if (QMenu* menu = ShownMenu())
            menu->close();
    }

    // Right click on a cell; the menu that opened (null when none did).
    QMenu* RightClick(const TRect& cell)
    {
        Click(tab, cell, Qt::RightButton);
        return ShownMenu();
    }

    // Enabled flags of items first..last of a menu by their names.
    static std::string Enabled(QMenu* menu, const QString& prefix, int count)
    {
        std::string flags;
        for (int k = 1; k <= count; ++k)
            flags += menu->findChild<TMenuItem*>(prefix + QString::number(k))->Enabled() ? '1'
                                                                                         : '0';
        return flags;
    }

    // Selects data cells (C1, R1) .. (C2, R2).
    void SelectData(int C1, int R1, int C2, int R2) { tab.SetSelection({C1 + 1, R1, C2 + 1, R2}); }
};

// Every cell's marking bits as text, row by row: "." none, "A", "B", "*" both.
std::string Markings(const TNTabEd& tab)
{
    std::string text;
    for (int r = 1; r <= tab.NrOfRows(); ++r) {
        for (int c = 1; c <= tab.NrOfColumns(); ++c)
            text += ".AB*"[(tab.ElemMarkedA(c, r) ? 1 : 0) + (tab.ElemMarkedB(c, r) ? 2 : 0)];
        text += r < tab.NrOfRows() ? "|" : "";
    }
    return text;
}

} // namespace

// ---- opening

TEST_F(Menus, RightClickOnDataOpensTheDataMenuBesideThePointer)
{
    TPopupMenu* seen = nullptr;
    tab.OnBeforePopup = [&](TObject*, TPopupMenu* menu) { seen = menu; };
    const QPoint at = Centre(Cell(2, 2));
    QMenu* menu = RightClick(Cell(2, 2));
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), "PopupDTAction");
    EXPECT_EQ(seen, menu);
    EXPECT_EQ(menu->pos(), tab.mapToGlobal(at + QPoint(10, -20)));
    const QStringList captions = {"Mark as type A", "Mark as type B", "Unmark type A",
                                  "Unmark type B", "Unmark All", "Clear", "Copy", "Paste",
                                  "Data Read-Only", "Extract from Clipboard", "Select All",
                                  "Toggle Empty State"};
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(tab.PopupDCaptions(k), captions[k - 1]);
    EXPECT_EQ(Enabled(menu, "DIt", 12), "111111101111"); // nothing copied: no Paste
    auto* sub = menu->findChild<TMenuItem*>("U2It4");
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->Caption(), "All");
    EXPECT_EQ(sub->parent()->objectName(), "DIt4");
    // The read-only switch shows its state as a box.
    const TBitmap* box = menu->findChild<TMenuItem*>("DIt9")->Bitmap();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Width(), 13);
    EXPECT_EQ(vektest::ColorAt(box->Image(), 7, 6), vektest::ColorAt(box->Image(), 2, 6)); // empty
    Choose("DIt9");
    EXPECT_TRUE(tab.DataReadOnly());
    menu = RightClick(Cell(2, 2));
    const TBitmap* checked = menu->findChild<TMenuItem*>("DIt9")->Bitmap();
    EXPECT_NE(vektest::ColorAt(checked->Image(), 7, 6), vektest::ColorAt(checked->Image(), 2, 6));
    // Read-only data: the commands that write cells are not offered.
    EXPECT_EQ(Enabled(menu, "DIt", 12), "111110101010");
}

TEST_F(Menus, RightClickOnHeadersOpensTheHeaderMenuForTheColumnOrRow)
{
    tab.SetAttribColVisible(true);
    QMenu* menu = RightClick(Cell(2, 0));
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), "PopupHTAction");
    const TRect header = Cell(2, 0);
    EXPECT_EQ(menu->pos(), tab.mapToGlobal(QPoint(header.Left + 20, header.Top + 20)));
    EXPECT_EQ(tab.PopupHCaptions(3), "Select Column");
    EXPECT_EQ(tab.PopupHCaptions(4), "Insert Column");
    EXPECT_EQ(tab.PopupHCaptions(5), "Delete Column");
    EXPECT_EQ(Enabled(menu, "HIt", 5), "11111");
    menu->close();
    // Over a row attribute: the row's commands, and no precision to change.
    menu = RightClick(Cell(-1, 3));
    ASSERT_TRUE(menu);
    EXPECT_EQ(tab.PopupHCaptions(3), "Select Row");
    EXPECT_EQ(Enabled(menu, "HIt", 5), "10111");
    menu->close();
    // Read-only: headings may still be edited, the structure not.
    tab.SetDataReadOnly(true);
    menu = RightClick(Cell(1, -1));
    EXPECT_EQ(Enabled(menu, "HIt", 5), "11100");
    menu->close();
    // Where the header lines meet there is no menu.
    EXPECT_FALSE(RightClick(Cell(-1, -1)));
    EXPECT_FALSE(RightClick(Cell(0, 0))); // the corner edits the comment instead
}

TEST_F(Menus, HeaderStaysOutlinedWhileItsMenuIsOpen)
{
    const TRect h = Cell(1, 0);
    // The frame runs along the cell's edges and over the lines after it.
    const QPoint frame[] = {{h.Left + 3, h.Top}, {h.Left + 3, h.Bottom}, {h.Left, h.Top + 3},
                            {h.Right, h.Top + 3}};
    const QPoint inside(h.Left + 3, h.Top + 3);
    const QImage before = vektest::Render(&tab);
    QMenu* menu = RightClick(h);
    ASSERT_TRUE(menu);
    QImage image = vektest::Render(&tab);
    for (const QPoint& p : frame)
        EXPECT_EQ(vektest::ColorAt(image, p.x(), p.y()),
                  vektest::ColorAt(before, p.x(), p.y()) ^ 0xFFFFFF);
    EXPECT_EQ(vektest::ColorAt(image, inside.x(), inside.y()),
              vektest::ColorAt(before, inside.x(), inside.y()));
    menu->close();
    image = vektest::Render(&tab);
    for (const QPoint& p : frame)
        EXPECT_EQ(vektest::ColorAt(image, p.x(), p.y()), vektest::ColorAt(before, p.x(), p.y()));
}

TEST_F(Menus, BlockedOrReplacedMenusStayClosed)
{
    tab.SetBlockInternalPopup(true);
    EXPECT_FALSE(RightClick(Cell(1, 1)));
    EXPECT_FALSE(RightClick(Cell(1, 0)));
    RightClick(Cell(0, 0));
    EXPECT_FALSE(tab.CommentEditorOpen());
    tab.SetBlockInternalPopup(false);
    tab.SetCommentEditingAllowed(false);
    RightClick(Cell(0, 0));
    EXPECT_FALSE(tab.CommentEditorOpen());
    QMenu own;
    tab.SetPopupMenu(&own);
    EXPECT_FALSE(RightClick(Cell(1, 1)));
    EXPECT_FALSE(RightClick(Cell(0, 2)));
}

TEST_F(Menus, MasksAndCaptions)
{
    QSignalSpy setup(&tab, &TNTabEd::setupChanged);
    tab.SetPopupDMask(0);
    tab.SetPopupHMask(0x15);
    EXPECT_EQ(setup.count(), 2);
    QMenu* menu = RightClick(Cell(1, 1));
    EXPECT_EQ(Enabled(menu, "DIt", 12), "000000000000");
    menu->close();
    menu = RightClick(Cell(1, 0));
    EXPECT_EQ(Enabled(menu, "HIt", 5), "10101");
    menu->close();
    tab.SetPopupMCaptions(2, "Whole column");
    EXPECT_EQ(tab.findChild<TMenuItem*>("M1It2")->Caption(), "Whole column");
    EXPECT_EQ(tab.findChild<TMenuItem*>("M2It2")->Caption(), "Whole column");
    EXPECT_EQ(tab.PopupMCaptions(2), "Whole column");
    tab.SetPopupUCaptions(4, QString(60, 'x'));
    EXPECT_EQ(tab.PopupUCaptions(4), QString(50, 'x'));
    EXPECT_EQ(tab.findChild<TMenuItem*>("U2It4")->Caption(), QString(50, 'x'));
    EXPECT_EQ(tab.PopupDCaptions(13), "");
}

// ---- data commands

TEST_F(Menus, MarkingCommandsReachRangeColumnsRowsOrAll)
{
    tab.SetNrOfRows(3);
    int reports = 0;
    tab.OnCellStateChanged = [&](TObject*) { ++reports; };
    SelectData(1, 1, 2, 1);
    RightClick(Cell(1, 1));
    Choose("M1It1"); // mark A: the range
    EXPECT_EQ(Markings(tab), "AA.|...|...");
    SelectData(3, 2, 3, 2);
    RightClick(Cell(3, 2));
    Choose("M2It2"); // mark B: the whole column
    EXPECT_EQ(Markings(tab), "AAB|..B|..B");
    RightClick(Cell(3, 2));
    Choose("U1It3"); // unmark A: the whole row
    EXPECT_EQ(Markings(tab), "AAB|..B|..B");
    SelectData(2, 1, 2, 1);
    RightClick(Cell(2, 1));
    Choose("U1It3");
    EXPECT_EQ(Markings(tab), "..B|..B|..B");
    RightClick(Cell(2, 1));
    Choose("M1It4"); // mark A: all
    EXPECT_EQ(Markings(tab), "AA*|AA*|AA*");
    RightClick(Cell(2, 1));
    Choose("U2It4");
    EXPECT_EQ(Markings(tab), "AAA|AAA|AAA");
    RightClick(Cell(2, 1));
    Choose("DIt5"); // unmark all
    EXPECT_EQ(Markings(tab), "...|...|...");
    EXPECT_EQ(reports, 7);
}

TEST_F(Menus, ClearMakesPlainZerosAndReportsInOrder)
{
    for (int c = 1; c <= 3; ++c)
        tab.SetElem(c, 1, 5);
    tab.Data()->SetCellState(1, 1, dtsMarkedA | dtsNotANumber | 0x04);
    tab.Data()->SetCellState(2, 1, dtsEmpty);
    std::vector<std::string> order;
    tab.OnPaste = [&](TObject*) { order.push_back("paste"); };
    tab.OnChange = [&](TObject*) { order.push_back("data"); };
    tab.OnCellStateChanged = [&](TObject*) { order.push_back("states"); };
    SelectData(1, 1, 2, 1);
    RightClick(Cell(1, 1));
    Choose("DIt6");
    EXPECT_EQ(order, (std::vector<std::string>{"paste", "data", "states"}));
    EXPECT_EQ(tab.Elem(1, 1), 0);
    EXPECT_EQ(tab.CellState(1, 1), 0x04); // the program's bit stays
    EXPECT_EQ(tab.CellState(2, 1), 0);
    EXPECT_EQ(tab.Elem(3, 1), 5); // outside the selection
}

TEST_F(Menus, EmptyStateToggleAndSelections)
{
    tab.SetIsEmpty(2, 2, true);
    SelectData(1, 2, 2, 2);
    RightClick(Cell(1, 2));
    Choose("DIt12");
    EXPECT_TRUE(tab.IsEmpty(1, 2));
    EXPECT_FALSE(tab.IsEmpty(2, 2));
    int reports = 0;
    tab.OnSelectionChanged = [&](TObject*) { ++reports; };
    RightClick(Cell(1, 2));
    Choose("DIt11");
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 1, 4, 4}));
    RightClick(Cell(3, 0));
    Choose("HIt3");
    EXPECT_EQ(tab.Selection(), (TGridRect{4, 1, 4, 4}));
    RightClick(Cell(0, 2));
    Choose("HIt3");
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 2, 4, 2}));
    EXPECT_EQ(reports, 3);
}

// ---- header commands

TEST_F(Menus, InsertAndDeleteColumnsAndRows)
{
    tab.Clear();
    QSignalSpy setup(&tab, &TNTabEd::setupChanged);
    RightClick(Cell(2, 0));
    Choose("HIt4");
    EXPECT_EQ(tab.NrOfColumns(), 4);
    EXPECT_EQ(tab.ColName(2), "(...)");
    EXPECT_EQ(tab.ColName(3), "C-2");
    RightClick(Cell(0, 1));
    Choose("HIt4");
    EXPECT_EQ(tab.RowName(1), "(...)");
    EXPECT_EQ(tab.RowName(2), "R-1");
    RightClick(Cell(1, 0));
    Choose("HIt5");
    EXPECT_EQ(tab.ColName(1), "(...)");
    RightClick(Cell(0, 5));
    Choose("HIt5");
    EXPECT_EQ(tab.NrOfRows(), 4);
    EXPECT_EQ(tab.RowName(4), "R-3");
    EXPECT_EQ(setup.count(), 4);
}

TEST_F(Menus, ChangePrecisionStepsAndComesBack)
{
    tab.SetElem(1, 1, 1.5);
    std::vector<int> steps;
    for (int i = 0; i < 6; ++i) {
        if (!ShownMenu())
            RightClick(Cell(1, 0));
        Choose("HIt2");
        steps.push_back(tab.Precision(1));
        EXPECT_TRUE(ShownMenu()); // open again for the next step
    }
    EXPECT_EQ(steps, (std::vector<int>{2, 1, 0, 255, 10, 9}));
}

// ---- heading and comment editors

TEST_F(Menus, HeadingEditorStoresNamesAndClampedAttributes)
{
    tab.SetAttribColVisible(true);
    tab.SetColName(2, "Flow");
    auto edit = [&](const TRect& cell, const QString& typed, Qt::Key finish = Qt::Key_Return) {
        RightClick(cell);
        Choose("HIt1");
        auto* editor = tab.findChild<QLineEdit*>("HeadingEditor");
        ASSERT_TRUE(editor && tab.HeadingEditorOpen());
        EXPECT_EQ(editor->pos(), QPoint(cell.Left + 30, cell.Top + 5));
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, finish);
        EXPECT_FALSE(tab.HeadingEditorOpen());
    };
    QSignalSpy heading(&tab, &TNTabEd::headingChanged);
    QSignalSpy attribute(&tab, &TNTabEd::attributeChanged);
    RightClick(Cell(2, 0));
    Choose("HIt1");
    EXPECT_EQ(tab.findChild<QLineEdit*>("HeadingEditor")->text(), "Flow");
    // While a heading is edited the cells take no press.
    Click(tab, Cell(3, 3));
    EXPECT_EQ(tab.Selection(), (TGridRect{2, 2, 2, 2}));
    EXPECT_FALSE(RightClick(Cell(3, 3)));
    QTest::keyClick(tab.findChild<QLineEdit*>("HeadingEditor"), Qt::Key_Escape);
    edit(Cell(2, 0), "Pressure");
    edit(Cell(0, 3), QString(60, 'r'));
    edit(Cell(1, 0), "dropped", Qt::Key_Escape);
    EXPECT_EQ(tab.ColName(2), "Pressure");
    EXPECT_EQ(tab.RowName(3), QString(50, 'r'));
    EXPECT_EQ(tab.ColName(1), "");
    EXPECT_EQ(heading.count(), 2);
    struct Case {
        QString typed;
        int stored;
    };
    const Case cases[] = {{"300", 255}, {"-4", 0}, {"2.5", 2}, {"3,5", 4}, {"abc", 4}};
    for (const Case& c : cases) {
        edit(Cell(1, -1), c.typed);
        EXPECT_EQ(tab.ColAttrib(1), c.stored) << c.typed.toStdString();
    }
    edit(Cell(-1, 2), "17");
    EXPECT_EQ(tab.RowAttrib(2), 17);
    EXPECT_EQ(attribute.count(), 5); // letters change nothing
}

TEST_F(Menus, CommentEditorBesideTheCorner)
{
    tab.SetComment("first");
    QSignalSpy changed(&tab, &TNTabEd::changed);
    RightClick(Cell(0, 0));
    ASSERT_TRUE(tab.CommentEditorOpen());
    auto* memo = tab.findChild<QPlainTextEdit*>("CommentEditor");
    ASSERT_TRUE(memo);
    const TRect corner = Cell(0, 0);
    EXPECT_EQ(memo->geometry(), QRect(corner.Right, corner.Top,
                                      tab.GridClientRect().Right - corner.Right - 20, 80));
    EXPECT_EQ(memo->toPlainText(), "first");
    // The corner says what is edited: white on teal.
    EXPECT_EQ(Part(vektest::Render(&tab), TRect(corner.Left + 1, corner.Top + 1,
                                                corner.Right - 1, corner.Bottom - 1)),
              Part(ReferenceCell(tab, corner, {"Comment:", clWhite, 0x808000, {}, 2, 1}),
                   TRect(1, 1, corner.Width() - 1, corner.Height() - 1)));
    QTest::keyClicks(memo, " and second");
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_FALSE(tab.CommentEditorOpen());
    EXPECT_FALSE(memo->isVisibleTo(&tab));
    EXPECT_EQ(tab.Comment(), "first and second");
    EXPECT_EQ(changed.count(), 1);
    // Escape, or a click on the corner, drops the text.
    RightClick(Cell(0, 0));
    QTest::keyClicks(memo, "x");
    QTest::keyClick(memo, Qt::Key_Escape);
    RightClick(Cell(0, 0));
    QTest::keyClicks(memo, "y");
    Click(tab, Cell(0, 0));
    EXPECT_FALSE(tab.CommentEditorOpen());
    EXPECT_EQ(tab.Comment(), "first and second");
    EXPECT_EQ(changed.count(), 1);
}
