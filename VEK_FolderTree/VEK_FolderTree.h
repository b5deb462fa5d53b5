// TFolderTree: a read-only tree of the file system's folders.
#pragma once

#include <frame/treeview/treeview.h>

#include <QStringList>

#include <memory>

namespace vek {

/// A read-only tree of the file system's folders that loads each folder when it is
/// first expanded.
///
/// Roots: on Linux and macOS the single root "/", on Windows one root per drive ("C:\",
/// "D:\", ...). Each node's text is one folder name; a node's path is the texts from its
/// root down, joined by the platform's separator ("/" or "\"). Directory, the path of the
/// selected folder, always ends in the separator.
///
/// Folders whose names begin with "." are not shown (nor, on Windows, folders with the
/// hidden attribute). Folders are listed in case-insensitive order: by the names with A-Z
/// made lowercase, equal keys in the order the file system lists them. Paths are looked up
/// as given (never lowercased) and compared as the file system compares names: by case on
/// Linux, ignoring case on Windows and macOS. Folders that may not be read show no
/// subfolders; no error is raised and no dialog opens.
///
/// A folder that has not been read yet has one placeholder child with the text "Child",
/// which gives it its expand button; its Data is nullptr. Expanding it reads the folder
/// (under the wait cursor): the placeholder gives way to the subfolders, each with a
/// placeholder of its own when it has subfolders, and Data becomes LoadedMarker. A folder
/// found empty keeps no children and no marker, stays collapsed and is read again when
/// next expanded.
/// Only folders that have subfolders get an expand button: that is found by reading each
/// subfolder up to its first subfolder.
///
/// Selecting a folder, with the mouse, the keyboard or SelectPath, raises OnClick, then
/// OnChange, then OnDirChanged when Directory changed (with directoryChanged right after
/// it). The click that selected a folder raises no second OnClick.
///
/// SelectPath, RefreshTree, MakeSubFolder and RemoveSelectedFolder report failure by
/// returning false, never by an exception. Each of them, when it selects a folder,
/// rebuilds the tree from the root along the selected path only, so other expanded
/// folders close and are read afresh when opened again.
///
/// Default size: about 24 characters wide and 14 rows high (sizeHint).
class VEK_EXPORT TFolderTree : public TCustomTreeView {
    Q_OBJECT
    Q_PROPERTY(QString Directory READ Directory NOTIFY directoryChanged)
    Q_PROPERTY(bool OldTreeStyle READ OldTreeStyle WRITE SetOldTreeStyle)

public:
    /// The Data of a node whose subfolders have been read (as a pointer-sized number).
    static constexpr quintptr LoadedMarker = 0xA5F016ED;
    /// The text of the placeholder child of a folder not read yet.
    static constexpr const char* PlaceholderText = "Child";

    /// The root(s) collapsed, nothing selected, Directory the root of the current
    /// directory's drive ("/" on Linux and macOS).
    explicit TFolderTree(QWidget* parent = nullptr);
    ~TFolderTree() override;

    /// The path of the selected folder, ending in the separator; before any selection the
    /// root of the current drive ("/" on Linux and macOS). Emits directoryChanged.
    QString Directory() const;

    /// Kept for forms that store it (default true): the tree's look comes from the Qt
    /// style on every platform, so it has no visible effect.
    bool OldTreeStyle() const;
    void SetOldTreeStyle(bool value);

    /// Rebuilds the tree as its collapsed root(s), selects nothing and sets Directory to
    /// the root of the current directory's drive; OnDirChanged when that changed it.
    void Reset();
    /// Selects the folder Path (a relative path is taken from the current directory; "."
    /// and ".." are resolved in the text, as a shell would). The tree is rebuilt along the
    /// path, the folder selected and scrolled into view, and the tree takes the focus
    /// when it can (it is shown and enabled). False, leaving the tree as it was, when the
    /// folder does not exist or cannot be shown (a name on the way begins with ".").
    bool SelectPath(const QString& Path);
    /// Selects Directory afresh (after folders changed outside the program); when it no
    /// longer exists, its nearest existing parent. False when none can be selected.
    bool RefreshTree();
    /// Creates FolderName inside the selected folder, with any missing folders on the
    /// way ("x/y" creates x and x/y), and selects it; true when the folder exists then.
    /// False, creating nothing, when no folder is selected or the name is refused:
    /// empty or only separators; a control character or one of " < > |; a "." or ".."
    /// component; or a folder on the way that is a link leading out of the selected
    /// folder. "/" and, on Windows, "\" separate the names.
    bool MakeSubFolder(const QString& FolderName);
    /// Removes the selected folder if it is empty and selects its parent. False when no
    /// folder or a root is selected, or the folder could not be removed (it is not
    /// empty, or may not be removed); the selection stays then.
    bool RemoveSelectedFolder();
    /// Fills DirList with the sorted names of the visible subfolders of Path; true when
    /// there is at least one. False (DirList empty) when Path is not an existing folder.
    bool GetSubDirs(const QString& Path, QStringList& DirList) const;
    /// The same for the folder of Node.
    bool GetSubDirs(const TTreeNode* Node, QStringList& DirList) const;
    /// The path of Node's folder, without a trailing separator except at a root.
    QString NodePath(const TTreeNode* Node) const;

    /// After Directory changed (signal: directoryChanged).
    TNotifyEvent OnDirChanged;

Q_SIGNALS:
    /// Directory changed; emitted right after OnDirChanged.
    void directoryChanged(const QString& directory);

protected:
    /// Clears csLoading; a Color of exactly clBlack becomes clWhite (black was never
    /// meant as the tree's background); the tree starts over from its collapsed roots
    /// (Reset), without the nodes a form's items added.
    void Loaded() override;
    /// OnClick, the new Directory, OnChange, then OnDirChanged (see the class comment).
    void Change(TTreeNode* Node) override;
    /// Reads the folder of Node unless it is loaded already, and allows the expansion
    /// unless the folder turned out empty (the node stays collapsed then, to be read
    /// again when next expanded). Does nothing while the form is being designed.
    bool CanExpand(TTreeNode* Node) override;
    /// Swallows the click of a press that selected a folder: Change raised OnClick.
    void Click() override;
    /// The disabled tree shows the button face (clBtnFace).
    TColor DisabledColor() const override { return clBtnFace; }
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
