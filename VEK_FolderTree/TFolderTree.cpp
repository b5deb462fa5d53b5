// TFolderTree: construction, properties, lazy loading and the selection's events.
#include "foldertree_p.h"

#include "folderpaths_p.h"

#include <frame/baselib/strutils.h>
#include <frame/core/application.h>
#include <frame/core/change.h>

namespace vek {

using namespace foldertree;

TFolderTree::TFolderTree(QWidget* parent)
    : TCustomTreeView(parent), d(std::make_unique<Private>(this))
{
    Reset();
}

TFolderTree::~TFolderTree() = default;

QString TFolderTree::Directory() const { return d->directory; }
bool TFolderTree::OldTreeStyle() const { return d->oldTreeStyle; }

void TFolderTree::SetOldTreeStyle(bool value)
{
    vek::Change(d->oldTreeStyle, value);
}

void TFolderTree::Loaded()
{
    TCustomTreeView::Loaded();
    if (Color() == clBlack)
        SetColor(clWhite);
    // A form made in Qt Designer holds the nodes the tree showed there (Designer writes
    // the items of every tree widget), and reading the form added them again. The
    // tree's nodes come from the file system: it starts over from its collapsed roots.
    Reset();
}

// ---- the tree's content --------------------------------------------------------------

void TFolderTree::Private::Rebuild()
{
    q->Items()->Clear();
    for (const QString& root : RootPaths())
        q->Items()->AddChild(nullptr, root)->AddChild(PlaceholderText);
}

void TFolderTree::Private::Load(TTreeNode* node, const std::vector<TSubfolder>& subfolders)
{
    node->DeleteChildren();
    if (subfolders.empty())
        return; // no marker: the folder is read again when next expanded
    node->SetData(reinterpret_cast<void*>(LoadedMarker));
    QList<TTreeNode*> children;
    children.reserve(qsizetype(subfolders.size()));
    for (const TSubfolder& subfolder : subfolders) {
        auto* child = new TTreeNode(subfolder.Name);
        if (subfolder.HasSubfolders)
            child->AddChild(PlaceholderText);
        children << child;
    }
    node->AppendChildren(children);
}

void TFolderTree::Reset()
{
    const QString before = d->directory;
    d->directory = CurrentRoot();
    d->Rebuild();
    d->ReportDirectory(before);
}

bool TFolderTree::CanExpand(TTreeNode* Node)
{
    if ((ComponentState() & csDesigning) || quintptr(Node->Data()) == LoadedMarker)
        return true;
    TScopedScreenCursor wait(crHourGlass);
    d->Load(Node, SortedSubfolders(NodePath(Node)));
    // A folder found empty stays collapsed, so that expanding it again reads it again.
    return Node->HasChildren();
}

QString TFolderTree::NodePath(const TTreeNode* Node) const
{
    QStringList names;
    for (const TTreeNode* node = Node; node; node = node->Parent())
        names.prepend(node->Text());
    QString path = names.value(0);
    for (qsizetype i = 1; i < names.size(); ++i)
        path = JoinPath(path, names[i]);
    return path;
}

// ---- selection -----------------------------------------------------------------------

void TFolderTree::Change(TTreeNode* Node)
{
    TCustomTreeView::Click(); // OnClick comes first, whatever changed the selection
    d->pressSelected = MousePressing();
    const QString before = d->directory;
    if (Node)
        d->directory = EnsureTrailingBkSlash(NodePath(Node));
    TCustomTreeView::Change(Node);
    d->ReportDirectory(before);
}

void TFolderTree::Click()
{
    if (!std::exchange(d->pressSelected, false))
        TCustomTreeView::Click();
}

void TFolderTree::mousePressEvent(QMouseEvent* event)
{
    d->pressSelected = false;
    TCustomTreeView::mousePressEvent(event);
}

void TFolderTree::Private::ReportDirectory(const QString& before)
{
    if (directory == before)
        return;
    if (q->OnDirChanged)
        q->OnDirChanged(q);
    Q_EMIT q->directoryChanged(directory);
}

} // namespace vek
