// TTreeNode and TTreeNodes: the nodes of a tree view.
#include "treeview_p.h"

namespace vek {

namespace {

// The node that follows node among its siblings (offset 1) or precedes it (-1).
TTreeNode* Sibling(const TTreeNode* node, int offset)
{
    const int index = node->Index() + offset;
    if (QTreeWidgetItem* parent = node->parent())
        return TTreeNode::From(parent->child(index));
    QTreeWidget* tree = node->treeWidget();
    return tree ? TTreeNode::From(tree->topLevelItem(index)) : nullptr;
}

} // namespace

TTreeNode::TTreeNode(const QString& text) : QTreeWidgetItem(QStringList{text}, Type) {}

TTreeNode* TTreeNode::From(QTreeWidgetItem* item)
{
    return item && item->type() == Type ? static_cast<TTreeNode*>(item) : nullptr;
}

TCustomTreeView* TTreeNode::TreeView() const
{
    return qobject_cast<TCustomTreeView*>(treeWidget());
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const QTreeWidgetItem* p = parent(); p; p = p->parent())
        ++level;
    return level;
}

int TTreeNode::Index() const
{
    if (const QTreeWidgetItem* p = parent())
        return p->indexOfChild(const_cast<TTreeNode*>(this));
    const QTreeWidget* tree = treeWidget();
    return tree ? tree->indexOfTopLevelItem(const_cast<TTreeNode*>(this)) : 0;
}

TTreeNode* TTreeNode::GetNextSibling() const { return Sibling(this, 1); }
TTreeNode* TTreeNode::GetPrevSibling() const { return Sibling(this, -1); }

bool TTreeNode::HasAsParent(const TTreeNode* Ancestor) const
{
    for (const QTreeWidgetItem* p = parent(); p; p = p->parent())
        if (p == Ancestor)
            return true;
    return false;
}

TTreeNode* TTreeNode::AddChild(const QString& text)
{
    auto* node = new TTreeNode(text);
    addChild(node);
    return node;
}

TTreeNode* TTreeNode::AddChildFirst(const QString& text)
{
    auto* node = new TTreeNode(text);
    insertChild(0, node);
    return node;
}

void TTreeNode::AppendChildren(const QList<TTreeNode*>& nodes)
{
    addChildren(QList<QTreeWidgetItem*>(nodes.begin(), nodes.end()));
}

void TTreeNode::DeleteChildren()
{
    qDeleteAll(takeChildren());
}

void TTreeNode::Expand(bool Recurse)
{
    setExpanded(true);
    if (!Recurse || !isExpanded())
        return;
    // Children exist only now when expanding loaded them.
    for (int i = 0; i < childCount(); ++i)
        if (TTreeNode* node = Item(i))
            node->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    if (Recurse)
        for (int i = 0; i < childCount(); ++i)
            if (TTreeNode* node = Item(i))
                node->Collapse(true);
    setExpanded(false);
}

void TTreeNode::SetSelected(bool value)
{
    TCustomTreeView* tree = TreeView();
    if (!tree)
        return;
    if (value)
        tree->SetSelected(this);
    else if (Selected())
        tree->SetSelected(nullptr);
}

void TTreeNode::MakeVisible()
{
    for (QTreeWidgetItem* p = parent(); p; p = p->parent())
        p->setExpanded(true);
    if (QTreeWidget* tree = treeWidget())
        tree->scrollToItem(this);
}

// ---- TTreeNodes ----------------------------------------------------------------------

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const QString& text)
{
    if (Parent)
        return Parent->AddChild(text);
    auto* node = new TTreeNode(text);
    FOwner->addTopLevelItem(node);
    return node;
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const QString& text)
{
    if (Parent)
        return Parent->AddChildFirst(text);
    auto* node = new TTreeNode(text);
    FOwner->insertTopLevelItem(0, node);
    return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const QString& text)
{
    return AddChild(Sibling ? Sibling->Parent() : nullptr, text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const QString& text)
{
    return AddChildFirst(Sibling ? Sibling->Parent() : nullptr, text);
}

void TTreeNodes::Clear()
{
    FOwner->d->clearing = true;
    FOwner->clear();
    FOwner->d->clearing = false;
}

TTreeNode* TTreeNodes::GetFirstNode() const
{
    return TTreeNode::From(FOwner->topLevelItem(0));
}

int TTreeNodes::Count() const
{
    int count = 0;
    for (QTreeWidgetItemIterator it(FOwner); *it; ++it)
        ++count;
    return count;
}

void TTreeNodes::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        FOwner->setUpdatesEnabled(false);
}

void TTreeNodes::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        FOwner->setUpdatesEnabled(true);
}

} // namespace vek
