// The tree-view base: nodes, selection and its events, the expanding hook (lazy loading,
// refusal) by code, mouse and keys, the branch lines and buttons, and colors.
#include <frame/controls/keys.h>
#include <frame/treeview/treeview.h>

#include <gtest/gtest.h>
#include <pixels.h>
#include <qstring_printer.h>
#include <scoped_palette.h>

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace vek;

namespace {

// A shown (off-screen) tree: "a" with the children "a1", "a2", then "b" with a
// placeholder child that the expanding hook replaces by "b1".."b3".
class TreeViewTest : public ::testing::Test {
protected:
    TreeViewTest()
    {
        tree.setAttribute(Qt::WA_DontShowOnScreen);
        tree.resize(200, 200);
        a = tree.Items()->AddChild(nullptr, "a");
        a->AddChild("a1");
        a->AddChild("a2");
        b = tree.Items()->Add(a, "b");
        b->AddChild("placeholder");
        tree.OnExpanding = [this](TObject*, TTreeNode* node, bool& allow) {
            expanding << node->Text();
            allow = !refuse;
            if (node == b && node->GetFirstChild()->Text() == "placeholder") {
                node->DeleteChildren();
                node->AppendChildren({new TTreeNode("b1"), new TTreeNode("b2"), new TTreeNode("b3")});
            }
        };
        tree.show();
        QApplication::processEvents();
    }

    QPoint CenterOf(TTreeNode* node) const { return tree.visualItemRect(node).center(); }
    // The middle of the node's expand button, in the indentation left of its text.
    QPoint ButtonOf(TTreeNode* node) const
    {
        const QRect text = tree.visualItemRect(node);
        return QPoint(text.left() - tree.Indent() + tree.Indent() / 2, text.center().y());
    }
    // A double click as the mouse gives it: press, release, double-click press, release.
    void DoubleClick(TTreeNode* node)
    {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, CenterOf(node));
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, CenterOf(node));
        QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, CenterOf(node));
    }
    QImage Viewport() { return tree.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    TCustomTreeView tree;
    TTreeNode* a = nullptr;
    TTreeNode* b = nullptr;
    QStringList expanding;
    bool refuse = false;
};

} // namespace

TEST_F(TreeViewTest, NodesKnowTheirPlace)
{
    TTreeNode* first = tree.Items()->AddFirst(b, "first");
    TTreeNode* a0 = a->AddChildFirst("a0");
    EXPECT_EQ(tree.Items()->GetFirstNode(), first);
    EXPECT_EQ(first->GetNextSibling(), a);
    EXPECT_EQ(a->GetPrevSibling(), first);
    EXPECT_EQ(first->GetPrevSibling(), nullptr);
    EXPECT_EQ(a->Item(0), a0);
    EXPECT_EQ(a->Item(3), nullptr);
    EXPECT_EQ(b->Index(), 2);
    EXPECT_EQ(a0->Level(), 1);
    EXPECT_TRUE(a0->HasAsParent(a));
    EXPECT_FALSE(a->HasAsParent(a));
    EXPECT_EQ(tree.Items()->Count(), 7);

    // Items an application adds through QTreeWidget are not nodes.
    auto* plain = new QTreeWidgetItem(QStringList{"plain"});
    tree.addTopLevelItem(plain);
    EXPECT_EQ(TTreeNode::From(plain), nullptr);
    EXPECT_EQ(b->GetNextSibling(), nullptr);
    tree.Items()->Clear();
    EXPECT_EQ(tree.Items()->Count(), 0);
}

TEST_F(TreeViewTest, SelectionRunsChangeBeforeTheSignal)
{
    QStringList order;
    tree.OnChange = [&](TObject*) {
        order << "OnChange " + (tree.Selected() ? tree.Selected()->Text() : "none");
    };
    QObject::connect(&tree, &QTreeWidget::itemSelectionChanged, [&] { order << "signal"; });
    EXPECT_EQ(tree.Selected(), nullptr);
    a->Item(1)->SetSelected(true);
    tree.SetSelected(a->Item(1)); // already selected
    tree.SetSelected(b);
    EXPECT_TRUE(b->Selected());
    tree.SetSelected(nullptr);
    EXPECT_EQ(order.join(", "), "OnChange a2, signal, OnChange b, signal, OnChange none, signal");

    // Deleting the selected node selects a neighbour, reported once; removing every
    // node is no change of the selection.
    tree.SetSelected(b);
    order.clear();
    b->Delete();
    EXPECT_EQ(order.filter("OnChange").join(", "), "OnChange a");
    order.clear();
    tree.Items()->Clear();
    EXPECT_EQ(order.join(", "), "signal");
}

TEST_F(TreeViewTest, ExpandingHookLoadsAndMayRefuse)
{
    b->SetExpanded(true);
    EXPECT_EQ(expanding, QStringList{"b"});
    ASSERT_EQ(b->Count(), 3);
    EXPECT_TRUE(b->Expanded());
    EXPECT_TRUE(tree.visualItemRect(b->Item(2)).isValid()); // shown at once

    refuse = true;
    a->Expand(false);
    EXPECT_FALSE(a->Expanded());
    EXPECT_EQ(expanding, (QStringList{"b", "a"}));

    refuse = false;
    b->Collapse(false);
    tree.FullExpand();
    EXPECT_TRUE(a->Expanded());
    EXPECT_TRUE(b->Expanded());
    tree.FullCollapse();
    EXPECT_FALSE(a->Expanded());
}

TEST_F(TreeViewTest, ExpandingByMouseAndKeys)
{
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, ButtonOf(b));
    EXPECT_TRUE(b->Expanded());
    EXPECT_EQ(b->Count(), 3);

    tree.SetSelected(a);
    QTest::keyClick(&tree, Qt::Key_Right);
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(expanding, (QStringList{"b", "a"}));

    // A double click on a node's text toggles it too.
    DoubleClick(a);
    EXPECT_FALSE(a->Expanded());
}

TEST_F(TreeViewTest, CollapsingMovesTheSelectionOutOfTheBranch)
{
    a->SetExpanded(true);
    tree.SetSelected(a->Item(1));
    QStringList changes;
    tree.OnChange = [&](TObject*) { changes << tree.Selected()->Text(); };
    a->SetExpanded(false);
    EXPECT_EQ(tree.Selected(), a);
    EXPECT_EQ(changes, QStringList{"a"});
    b->SetExpanded(true);
    b->SetExpanded(false); // the selection is elsewhere
    EXPECT_EQ(changes, QStringList{"a"});
}

TEST_F(TreeViewTest, MouseAndKeyEvents)
{
    a->SetExpanded(true);
    QStringList events;
    tree.OnChange = [&](TObject*) { events << "change " + tree.Selected()->Text(); };
    tree.OnClick = [&](TObject*) { events << "click"; };
    tree.OnDblClick = [&](TObject*) { events << "dblclick"; };
    tree.OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
        events << QString("down %1 %2").arg(button).arg(tree.GetNodeAt(x, y)->Text());
    };
    tree.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events << "up"; };
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, CenterOf(a->Item(0)));
    EXPECT_EQ(events.join(", "), "change a1, down 0 a1, click, up");

    events.clear();
    tree.OnKeyDown = [&](TObject*, int& key, TShiftState) {
        events << QString("key %1").arg(key);
        if (key == VK_DOWN)
            key = 0; // swallowed: the selection stays
    };
    QTest::keyClick(&tree, Qt::Key_Down);
    QTest::keyClick(&tree, Qt::Key_Up);
    EXPECT_EQ(events.join(", "), QString("key %1, key %2, change a").arg(VK_DOWN).arg(VK_UP));
}

TEST_F(TreeViewTest, LinesAndButtons)
{
    const TColor base = vektest::ColorAt(Viewport(), 2, 2);
    const QRect aRow = tree.visualItemRect(a);
    const int centre = aRow.left() - tree.Indent() + tree.Indent() / 2; // a's own cell
    // Between a and b: the dotted line of the root level, below a's button.
    const QRect gap(centre, aRow.bottom() - 3, 1, 4);
    EXPECT_GT(vektest::InkBounds(Viewport(), gap, base).height(), 0);
    const QRect button(aRow.left() - tree.Indent(), aRow.top(), tree.Indent(), aRow.height());
    const QRect withButton = vektest::InkBounds(Viewport(), button, base);

    tree.SetShowLines(false);
    EXPECT_TRUE(vektest::InkBounds(Viewport(), gap, base).isEmpty());
    EXPECT_FALSE(vektest::InkBounds(Viewport(), button, base).isEmpty()) << "the button stays";
    tree.SetShowButtons(false);
    EXPECT_TRUE(vektest::InkBounds(Viewport(), button, base).isEmpty());
    tree.SetShowLines(true);
    EXPECT_NE(vektest::InkBounds(Viewport(), button, base), withButton);

    // Without root lines the top-level nodes start at the left edge.
    tree.SetShowRoot(false);
    EXPECT_EQ(tree.visualItemRect(a).left(), aRow.left() - tree.Indent());
}

TEST_F(TreeViewTest, FixedColorKeepsItsTextLegibleInADarkPalette)
{
    tree.SetSelected(nullptr);
    const QRect text = tree.visualItemRect(b);
    {
        vektest::ScopedPalette dark(vektest::DarkPalette());
        QImage image = Viewport();
        EXPECT_LT(qGray(image.pixel(text.right() - 2, text.top() + 1)), 128);
        tree.SetColor(clWhite);
        image = Viewport();
        EXPECT_EQ(vektest::ColorAt(image, text.right() - 2, text.top() + 1), clWhite);
        EXPECT_GT(vektest::CountContrasting(image, text, clWhite, 4.5), 5) << "dark text on white";
    }
    tree.resetColor();
    EXPECT_EQ(tree.Color(), clWindow);
    EXPECT_EQ(tree.property("Color").value<QColor>(), QApplication::palette().color(QPalette::Base));
}

TEST(TreeView, SizeHintsFollowTheFont)
{
    TCustomTreeView tree;
    const QSize hint = tree.sizeHint();
    EXPECT_GT(hint.width(), tree.minimumSizeHint().width());
    EXPECT_GT(hint.height(), tree.minimumSizeHint().height());
    QFont large = tree.font();
    large.setPixelSize(24);
    tree.setFont(large);
    EXPECT_GT(tree.sizeHint().width(), hint.width());
    EXPECT_GT(tree.sizeHint().height(), hint.height());
}

TEST_F(TreeViewTest, HotTrackUnderlinesTheNodeUnderTheMouse)
{
    QStringList events;
    tree.OnMouseEnter = [&](TObject*) { events << "enter"; };
    tree.OnMouseLeave = [&](TObject*) { events << "leave"; };
    const QPoint over = CenterOf(b);
    QEnterEvent enter(over, tree.mapToGlobal(over), tree.mapToGlobal(over));
    QApplication::sendEvent(&tree, &enter);
    QHoverEvent hover(QEvent::HoverMove, over, tree.viewport()->mapToGlobal(over), QPointF(-1, -1));
    QApplication::sendEvent(tree.viewport(), &hover);
    const QImage plain = Viewport();
    tree.SetHotTrack(true);
    const QImage tracked = Viewport();
    const QRect aRow = tree.visualItemRect(a), bRow = tree.visualItemRect(b);
    EXPECT_EQ(tracked.copy(aRow), plain.copy(aRow));
    EXPECT_NE(tracked.copy(bRow), plain.copy(bRow));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&tree, &leave);
    EXPECT_EQ(events.join(", "), "enter, leave");
}

TEST_F(TreeViewTest, IndentStaysInItsRange)
{
    // A huge indent would have the branch lines painted dot by dot for billions of
    // pixels, and cell positions overflow.
    tree.SetIndent(std::numeric_limits<int>::max());
    EXPECT_EQ(tree.Indent(), TCustomTreeView::MaxIndent);
    tree.SetIndent(-5);
    EXPECT_EQ(tree.Indent(), 0);
    tree.SetIndent(TCustomTreeView::MaxIndent);
    a->SetExpanded(true);
    EXPECT_FALSE(Viewport().isNull());
}
