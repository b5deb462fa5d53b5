// TFolderTree: creating and removing folders.
#include "foldertree_p.h"

#include "folderpaths_p.h"

#include <frame/baselib/files.h>
#include <frame/core/application.h>

#include <QDir>
#include <QPointer>

namespace vek {

using namespace foldertree;

namespace {

// Characters no folder name may hold on every platform the library runs on, so that a
// name accepted here can be created anywhere.
bool RefusedCharacter(QChar c)
{
    return c.unicode() <= 31 || c == u'"' || c == u'<' || c == u'>' || c == u'|';
}

// The names of a path given relative to a folder; empty when it is refused (no name at
// all, a refused character, or a "." or ".." that would lead elsewhere).
QStringList RelativeNames(const QString& Path)
{
    if (std::any_of(Path.begin(), Path.end(), RefusedCharacter))
        return {};
    QStringList names;
    QString name;
    for (QChar c : Path + QDir::separator()) {
        if (!IsDirSeparator(c)) {
            name += c;
            continue;
        }
        if (name == u"." || name == u"..")
            return {};
        if (!name.isEmpty())
            names << name;
        name.clear();
    }
    return names;
}

// Whether every folder that already exists on the way from Folder down through Names
// lies inside Folder: a link among them could lead the new folders anywhere else.
bool StaysInside(const QString& Folder, const QStringList& Names)
{
    QString inside = QFileInfo(Folder).canonicalFilePath();
    if (inside.isEmpty())
        return false;
    if (!inside.endsWith(u'/'))
        inside += u'/';
    QString path = Folder;
    for (const QString& name : Names) {
        path = JoinPath(path, name);
        const QFileInfo info(path);
        if (info.isSymLink() && !info.exists())
            return false; // a link to nowhere: where it would create is unknown
        if (!info.exists())
            return true;  // everything below is created inside what exists
        if (!(info.canonicalFilePath() + u'/').startsWith(inside, FileNameCase))
            return false;
    }
    return true;
}

} // namespace

bool TFolderTree::MakeSubFolder(const QString& FolderName)
{
    const TTreeNode* selected = Selected();
    if (!selected)
        return false;
    const QString folder = NodePath(selected);
    const QStringList names = RelativeNames(FolderName);
    if (names.isEmpty() || !StaysInside(folder, names))
        return false;
    const QString created = JoinPath(folder, names.join(QDir::separator()));
    if (!QDir().mkpath(created))
        return false;
    SelectPath(created);
    return true;
}

bool TFolderTree::RemoveSelectedFolder()
{
    const TTreeNode* selected = Selected();
    if (!selected || !selected->Parent())
        return false;
    const QString folder = NodePath(selected);
    const QString parent = NodePath(selected->Parent());
    const bool removed = QDir().rmdir(folder);
    // Handlers run while pending events are processed and may change or delete nodes,
    // even the tree: only the paths taken before are used after it.
    const QPointer<TFolderTree> alive(this);
    Application()->ProcessMessages();
    if (removed && alive)
        SelectPath(parent);
    return removed;
}

} // namespace vek
