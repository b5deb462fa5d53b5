// TCustomTreeView: construction, selection, expansion, appearance and size.
#include "treeview_p.h"

#include <frame/baselib/textcolors.h>
#include <frame/core/application.h>
#include <frame/core/change.h>

#include <QApplication>
#include <QStyledItemDelegate>

namespace vek {

namespace {

// Underlines the node under the mouse while the tree tracks it.
class THotTrackDelegate : public QStyledItemDelegate {
public:
    explicit THotTrackDelegate(TCustomTreeView* tree) : QStyledItemDelegate(tree), FTree(tree) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (FTree->HotTrack() && (option->state & QStyle::State_MouseOver))
            option->font.setUnderline(true);
    }

private:
    const TCustomTreeView* FTree;
};

} // namespace

TCustomTreeView::TCustomTreeView(QWidget* parent)
    : QTreeWidget(parent), TWidgetComponent(this, parent), d(std::make_unique<Private>(this))
{
    setColumnCount(1);
    setHeaderHidden(true);
    // Every row is one line of text: the view then lays out a folder of a hundred
    // thousand nodes without measuring each.
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setIndentation(19);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover); // the node under the mouse, for HotTrack
    setItemDelegate(new THotTrackDelegate(this));
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { NodeExpanded(index); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { NodeCollapsed(index); });
}

TCustomTreeView::~TCustomTreeView()
{
    // QTreeWidget deletes the nodes after this class is gone: what that deselects or
    // collapses must not reach the handlers here any more.
    disconnect(this, nullptr, this, nullptr);
}

TTreeNodes* TCustomTreeView::Items() { return &d->items; }
TColor TCustomTreeView::Color() const { return d->color; }
bool TCustomTreeView::ShowButtons() const { return d->showButtons; }
bool TCustomTreeView::ShowLines() const { return d->showLines; }
bool TCustomTreeView::HotTrack() const { return d->hotTrack; }
bool TCustomTreeView::MousePressing() const { return d->pressing; }

// ---- selection -----------------------------------------------------------------------

TTreeNode* TCustomTreeView::Selected() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : TTreeNode::From(selected.first());
}

void TCustomTreeView::SetSelected(TTreeNode* Node)
{
    if (Node && Node->treeWidget() == this) {
        setCurrentItem(Node);
        return;
    }
    clearSelection();
}

void TCustomTreeView::SelectionChanged()
{
    TTreeNode* node = Selected();
    const QModelIndex index = node ? indexFromItem(node) : QModelIndex();
    if (d->clearing || index == d->reported)
        return;
    d->reported = index;
    RunGuarded(this, [this, node] { Change(node); });
}

void TCustomTreeView::Change(TTreeNode*)
{
    if (OnChange)
        OnChange(this);
}

TTreeNode* TCustomTreeView::TopItem() const
{
    return TTreeNode::From(itemAt(0, 0));
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const
{
    return TTreeNode::From(itemAt(X, Y));
}

void TCustomTreeView::SetFocus()
{
    // A hidden or disabled tree cannot take the focus; that is no error.
    if (isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus(Qt::OtherFocusReason);
}

// ---- expansion -----------------------------------------------------------------------

void TCustomTreeView::FullExpand()
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (TTreeNode* node = TTreeNode::From(topLevelItem(i)))
            node->Expand(true);
}

void TCustomTreeView::FullCollapse()
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (TTreeNode* node = TTreeNode::From(topLevelItem(i)))
            node->Collapse(true);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node)
{
    bool allow = true;
    if (OnExpanding)
        OnExpanding(this, Node, allow);
    return allow;
}

// QTreeView reports an expansion once it has happened but before the rows are painted:
// the place to fill in children, or to undo an expansion that is refused.
void TCustomTreeView::NodeExpanded(const QModelIndex& index)
{
    TTreeNode* node = TTreeNode::From(itemFromIndex(index));
    if (d->refusing || !node)
        return;
    bool allow = true;
    RunGuarded(this, [&] { allow = CanExpand(node); });
    if (allow)
        return;
    d->refusing = true;
    node->setExpanded(false);
    d->refusing = false;
}

void TCustomTreeView::NodeCollapsed(const QModelIndex& index)
{
    TTreeNode* node = TTreeNode::From(itemFromIndex(index));
    TTreeNode* selected = Selected();
    if (!d->refusing && node && selected && selected->HasAsParent(node))
        SetSelected(node);
}

// ---- appearance ----------------------------------------------------------------------

void TCustomTreeView::SetColor(TColor value)
{
    if (vek::Change(d->color, value))
        ApplyColors();
}

TBorderStyle TCustomTreeView::BorderStyle() const
{
    return frameShape() == QFrame::NoFrame ? bsNone : bsSingle;
}

void TCustomTreeView::SetBorderStyle(TBorderStyle value)
{
    setFrameShape(value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    updateGeometry();
}

void TCustomTreeView::SetShowButtons(bool value)
{
    if (vek::Change(d->showButtons, value))
        viewport()->update();
}

void TCustomTreeView::SetHotTrack(bool value)
{
    if (vek::Change(d->hotTrack, value))
        viewport()->update();
}

void TCustomTreeView::SetShowLines(bool value)
{
    if (vek::Change(d->showLines, value))
        viewport()->update();
}

// Only what differs from the theme is set on the widget's palette, so the rest keeps
// following the application; a color that is fixed gets a text partner that reads on it.
void TCustomTreeView::ApplyColors()
{
    QPalette colors; // no role set: everything follows the parent and the application
    const TTextColors enabled = PairedTextColors(Font()->Color(), d->color);
    if (enabled.Background != clWindow || enabled.Text != clWindowText) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            colors.setColor(group, QPalette::Base, ToQColor(enabled.Background));
            colors.setColor(group, QPalette::Text, ToQColor(enabled.Text));
        }
    }
    const TColor disabled = DisabledColor();
    if (disabled != clWindow) {
        colors.setColor(QPalette::Disabled, QPalette::Base, ToQColor(disabled));
        colors.setColor(QPalette::Disabled, QPalette::Text, ToQColor(DisabledTextColorOn(disabled)));
    }
    setPalette(colors);
}

QSize TCustomTreeView::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int frame = 2 * frameWidth();
    return QSize(frame + indentation() + 24 * metrics.averageCharWidth(),
                 frame + 14 * (metrics.height() + 2));
}

QSize TCustomTreeView::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int frame = 2 * frameWidth();
    return QSize(frame + 2 * indentation() + 8 * metrics.averageCharWidth(),
                 frame + 3 * (metrics.height() + 2));
}

} // namespace vek
