// TFolderTree: selecting a path, refreshing, and the subfolder lists.
#include "foldertree_p.h"

#include "folderpaths_p.h"

#include <frame/baselib/files.h>
#include <frame/core/application.h>

namespace vek {

using namespace foldertree;

namespace {

// The position of the subfolder Name in the list; -1 when it is not there.
int IndexOf(const std::vector<TSubfolder>& subfolders, const QString& name)
{
    for (std::size_t i = 0; i < subfolders.size(); ++i)
        if (SameName(subfolders[i].Name, name))
            return int(i);
    return -1;
}

// The way from a root down to a folder: the root's position, and for the root and each
// folder below it the subfolders read and the position of the next folder among them.
struct TWay {
    int root = -1;
    std::vector<std::vector<TSubfolder>> subfolders;
    std::vector<int> next;
};

// Reads every folder from the root down to Folder (absolute, with a trailing separator);
// false when a folder on the way is not among the subfolders the tree shows.
bool FindWay(const QString& Folder, TWay& way)
{
    const QStringList names = SplitFolder(Folder);
    if (names.isEmpty())
        return false;
    way.root = int(RootPaths().indexOf(names.first()));
    if (way.root < 0)
        return false;
    QString path = names.first();
    for (qsizetype i = 1; i <= names.size(); ++i) {
        way.subfolders.push_back(SortedSubfolders(path));
        if (i == names.size())
            break;
        const int next = IndexOf(way.subfolders.back(), names[i]);
        if (next < 0)
            return false;
        way.next.push_back(next);
        // The name as the file system spells it, which may differ in case.
        path = JoinPath(path, way.subfolders.back()[std::size_t(next)].Name);
    }
    return true;
}

} // namespace

bool TFolderTree::SelectPath(const QString& Path)
{
    const QString folder = AbsoluteFolder(Path);
    if (!DirExists(folder))
        return false;
    TScopedScreenCursor wait(crHourGlass);
    // Everything is read before the tree changes, so that a path the tree cannot show
    // leaves it as it was.
    TWay way;
    if (!FindWay(folder, way))
        return false;
    d->Rebuild();
    TTreeNode* node = TTreeNode::From(topLevelItem(way.root));
    for (std::size_t level = 0; level < way.subfolders.size(); ++level) {
        d->Load(node, way.subfolders[level]);
        if (level < way.next.size())
            node = node->Item(way.next[level]);
    }
    SetSelected(node);
    // The handlers of the selection may have rebuilt the tree: show what is selected now.
    if (TTreeNode* selected = Selected())
        selected->MakeVisible();
    SetFocus();
    return true;
}

bool TFolderTree::RefreshTree()
{
    // Directory itself changes only by the selection, which reports it once.
    for (QString folder = d->directory; !folder.isEmpty(); folder = ParentDir(folder))
        if (SelectPath(folder))
            return true;
    return false;
}

bool TFolderTree::GetSubDirs(const QString& Path, QStringList& DirList) const
{
    DirList.clear();
    if (!DirExists(Path))
        return false;
    for (const TSubfolder& subfolder : SortedSubfolders(Path))
        DirList << subfolder.Name;
    return !DirList.isEmpty();
}

bool TFolderTree::GetSubDirs(const TTreeNode* Node, QStringList& DirList) const
{
    if (!Node) {
        DirList.clear();
        return false;
    }
    return GetSubDirs(NodePath(Node), DirList);
}

} // namespace vek
