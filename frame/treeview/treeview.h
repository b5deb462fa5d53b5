// TCustomTreeView: a tree of text nodes on QTreeWidget that shares the component model
// and the input events of the other controls, the base of the folder tree and of any
// later tree. TTreeNode is one node, TTreeNodes the tree's node list (Items()).
//
// Nodes are created through Items() or a node's AddChild and belong to the tree; deleting
// a node deletes its subtree. A node is a QTreeWidgetItem of its own type (TTreeNode::Type),
// so the whole QTreeWidget API works on the tree as well; TTreeNode::From finds the node of
// an item (nullptr for items an application created as plain QTreeWidgetItems).
//
// The tree is read-only (no label editing) and selects one node at a time. Every change of
// the selected node, by the user or by code, runs the virtual Change; its default raises
// OnChange. QTreeWidget's itemSelectionChanged is OnChange's signal: Change runs in the
// tree's own first connection to it, so a receiver connected by the application sees the
// tree after OnChange did. Deleting the selected node selects a neighbour (the one Qt
// picks) and runs Change for it; Clear never runs Change.
//
// Before a node's children show, the virtual CanExpand runs (its default asks
// OnExpanding); that is where a tree loads children lazily: a node given one placeholder
// child shows an expand button, and CanExpand replaces the placeholder by the real
// children. It runs for every expansion, by the mouse, the keyboard or code.
//
// Collapsing a node that contains the selected node selects the collapsed node, so the
// selection never hides inside a closed branch.
//
// Input arrives as the TInputEvents virtuals (mouse positions are those of the viewport,
// the area inside the frame): MouseDown, MouseMove, MouseUp, Click (a left press and
// release on the tree), DblClick, KeyDown, KeyPress, KeyUp, DoEnter and DoExit; and as
// OnMouseEnter and OnMouseLeave.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/inputevents.h>
#include <frame/controls/widgetcomponent.h>

#include <QTreeWidget>

#include <algorithm>
#include <memory>

namespace vek {

class TCustomTreeView;

/// One node of a TCustomTreeView: its text, an application value (Data), its children,
/// its expanded and selected state.
class VEK_EXPORT TTreeNode : public QTreeWidgetItem {
public:
    /// The QTreeWidgetItem type of tree nodes.
    static constexpr int Type = QTreeWidgetItem::UserType + 0x5654;

    /// A node not in any tree yet (see AppendChildren).
    explicit TTreeNode(const QString& text = QString());

    /// The node of item; nullptr for a null item or one that is not a TTreeNode.
    static TTreeNode* From(QTreeWidgetItem* item);

    /// The text shown for the node.
    QString Text() const { return text(0); }
    void SetText(const QString& value) { setText(0, value); }
    /// A value the application attaches to the node; the tree never reads it. Default
    /// nullptr.
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }

    // ---- place in the tree
    /// The tree holding the node; nullptr while the node is in none.
    TCustomTreeView* TreeView() const;
    /// The parent node; nullptr for a top-level node.
    TTreeNode* Parent() const { return From(parent()); }
    /// Depth: 0 for a top-level node.
    int Level() const;
    /// Position among its siblings, from 0.
    int Index() const;
    /// The number of children.
    int Count() const { return childCount(); }
    /// Whether the node has children (and shows an expand button).
    bool HasChildren() const { return childCount() > 0; }
    /// Child Index (0..Count-1); nullptr outside.
    TTreeNode* Item(int Index) const { return From(child(Index)); }
    /// The first child; nullptr without children.
    TTreeNode* GetFirstChild() const { return Item(0); }
    /// The sibling after / before this node; nullptr at the end / start.
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    /// Whether Ancestor is this node's parent, grandparent, ... (not the node itself).
    bool HasAsParent(const TTreeNode* Ancestor) const;

    // ---- children
    /// Appends a child with the text and returns it.
    TTreeNode* AddChild(const QString& text);
    /// Inserts a child with the text before the first one and returns it.
    TTreeNode* AddChildFirst(const QString& text);
    /// Appends nodes made with the constructor (with children of their own, if any) in
    /// one step; the node takes ownership. Far faster than one AddChild per node for
    /// thousands of children.
    void AppendChildren(const QList<TTreeNode*>& nodes);
    /// Deletes all children.
    void DeleteChildren();
    /// Deletes the node with its subtree; the pointer is invalid afterwards.
    void Delete() { delete this; }

    // ---- state
    /// Whether the children are shown. Expanding runs the tree's CanExpand, which may
    /// refuse; a node outside a tree is never expanded.
    bool Expanded() const { return isExpanded(); }
    void SetExpanded(bool value) { setExpanded(value); }
    /// Expands the node; with Recurse also every descendant (loaded as it expands).
    void Expand(bool Recurse);
    /// Collapses the node; with Recurse also every descendant.
    void Collapse(bool Recurse);
    /// Whether the node is the tree's selected node. Selecting runs Change.
    bool Selected() const { return isSelected(); }
    void SetSelected(bool value);
    /// Expands the ancestors and scrolls the node into view.
    void MakeVisible();

private:
    void* FData = nullptr;
};

/// The node list of a tree (TCustomTreeView::Items()).
class VEK_EXPORT TTreeNodes {
public:
    /// The node list of owner; the tree makes its own.
    explicit TTreeNodes(TCustomTreeView* owner) : FOwner(owner) {}

    /// Appends a child of Parent, or a top-level node when Parent is nullptr.
    TTreeNode* AddChild(TTreeNode* Parent, const QString& text);
    /// Inserts a child of Parent (or a top-level node) before the first one.
    TTreeNode* AddChildFirst(TTreeNode* Parent, const QString& text);
    /// Appends a node after the last sibling of Sibling (a top-level node when Sibling is
    /// nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const QString& text);
    /// Inserts a node before the first sibling of Sibling.
    TTreeNode* AddFirst(TTreeNode* Sibling, const QString& text);
    /// Deletes every node; Change does not run.
    void Clear();
    /// The first top-level node; nullptr in an empty tree.
    TTreeNode* GetFirstNode() const;
    /// The number of nodes at all levels (counts them: linear in the tree's size).
    int Count() const;
    /// Stop / resume repainting while many nodes change; pairs nest.
    void BeginUpdate();
    void EndUpdate();

private:
    TCustomTreeView* FOwner;
    int FUpdateCount = 0;
};

/// Decides whether Node may expand (AllowExpansion comes in true).
using TTVExpandingEvent =
    std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;

/// A tree view on QTreeWidget with the component model, input events and nodes
/// (TTreeNode) that may load their children lazily (see the top of this header).
class VEK_EXPORT TCustomTreeView : public QTreeWidget,
                                   public TWidgetComponent,
                                   public TInputEvents {
    Q_OBJECT
    Q_PROPERTY(vek::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QColor Color READ qColor WRITE setQColor RESET resetColor)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE SetHotTrack)
    Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
    Q_PROPERTY(bool ShowButtons READ ShowButtons WRITE SetShowButtons)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ShowLines READ ShowLines WRITE SetShowLines)
    Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE SetShowRoot)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    /// An empty tree with buttons, lines and root lines shown.
    explicit TCustomTreeView(QWidget* parent = nullptr);
    ~TCustomTreeView() override;

    /// The nodes.
    TTreeNodes* Items();
    /// The selected node; nullptr when none is (the default). Setting it selects the node
    /// (nullptr: none), makes it the current node and runs Change when the selection
    /// changes; the node is not scrolled into view.
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* Node);
    /// The first node shown at the top of the view; nullptr in an empty tree.
    TTreeNode* TopItem() const;
    /// The node at (X, Y) of the viewport; nullptr where there is none.
    TTreeNode* GetNodeAt(int X, int Y) const;
    /// Expands / collapses every node.
    void FullExpand();
    void FullCollapse();

    // ---- appearance
    /// Background (default clWindow, following the theme). The text takes the font's
    /// color, or black or white where only one of the two is fixed, so it stays legible.
    TColor Color() const;
    void SetColor(TColor value);
    VEK_COLOR_PROPERTY(Color, clWindow)
    /// bsSingle (default) draws the frame of the platform's item views; bsNone none.
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle value);
    /// Underline the node under the mouse (default false).
    bool HotTrack() const;
    void SetHotTrack(bool value);
    /// Indentation of each level in pixels (default 19), 0 .. MaxIndent; values outside
    /// become the nearest end (deep trees multiply it: it must stay far from int's end).
    int Indent() const { return indentation(); }
    void SetIndent(int value) { setIndentation(std::clamp(value, 0, MaxIndent)); }
    /// The largest Indent.
    static constexpr int MaxIndent = 1000;
    /// Expand buttons at nodes with children (default true). Without them nodes still
    /// expand by double click and keys.
    bool ShowButtons() const;
    void SetShowButtons(bool value);
    /// Dotted lines joining a node to its parent and siblings (default true).
    bool ShowLines() const;
    void SetShowLines(bool value);
    /// Lines and buttons at the top-level nodes (default true); false starts the
    /// top-level nodes at the left edge.
    bool ShowRoot() const { return rootIsDecorated(); }
    void SetShowRoot(bool value) { setRootIsDecorated(value); }
    /// Whether Tab reaches the tree (default true).
    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    /// Whether the tree has the keyboard focus.
    bool Focused() const { return hasFocus(); }
    /// Gives the tree the keyboard focus when it can take it (shown, enabled); does
    /// nothing otherwise.
    void SetFocus();

    /// About 24 average characters wide and 14 rows high in the tree's font.
    QSize sizeHint() const override;
    /// Three rows of 8 characters at the second level.
    QSize minimumSizeHint() const override;

    // ---- events
    /// After every change of the selected node (signal: itemSelectionChanged).
    TNotifyEvent OnChange;
    /// Asked before a node expands; see TTVExpandingEvent.
    TTVExpandingEvent OnExpanding;
    /// The mouse entered / left the tree.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    /// The selected node changed to Node (nullptr: none); the default raises OnChange.
    virtual void Change(TTreeNode* Node);
    /// Whether Node may expand; the default asks OnExpanding. A refused node collapses
    /// again before it is painted.
    virtual bool CanExpand(TTreeNode* Node);
    /// Whether a mouse press is being handled: a selection change it makes runs Change
    /// before the press's MouseDown and the release's Click.
    bool MousePressing() const;
    /// The background while the tree is disabled; the default is Color.
    virtual TColor DisabledColor() const { return Color(); }
    /// Applies Color, DisabledColor and the font color to the view; call it when one of
    /// them changes.
    void ApplyColors();
    /// Runs SetEnabled / QWidget::setEnabled; the default applies the colors.
    virtual void EnabledChanged() { ApplyColors(); }
    /// The font's color is the text color.
    void FontChanged() override { ApplyColors(); }
    TObject* EventSender() override { return this; }

    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    friend class TTreeNodes;
    void SelectionChanged();
    void NodeExpanded(const QModelIndex& index);
    void NodeCollapsed(const QModelIndex& index);
};

} // namespace vek
