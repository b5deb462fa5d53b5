// TFolderTree's private data and the steps its source files share.
#pragma once

#include "VEK_FolderTree.h"

#include "folderlist_p.h"

namespace vek {

struct TFolderTree::Private {
    explicit Private(TFolderTree* owner) : q(owner) {}

    // The tree as its root(s), each with a placeholder, collapsed; nothing selected.
    void Rebuild();
    // Puts the subfolders read for node in place of its children (see the class comment).
    void Load(TTreeNode* node, const std::vector<foldertree::TSubfolder>& subfolders);
    // Raises OnDirChanged and directoryChanged when Directory is no longer before.
    void ReportDirectory(const QString& before);

    TFolderTree* q;
    QString directory;
    bool oldTreeStyle = true;
    // A mouse press selected a folder, and Change raised OnClick for it already.
    bool pressSelected = false;
};

} // namespace vek
