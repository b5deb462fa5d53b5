// Shared set-up of the folder tree tests: a tree over a temporary folder that each test
// fills with the folders it needs.
#pragma once

#include <VEK_FolderTree.h>

#include "qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace foldertreetest {

class FolderTreeTest : public ::testing::Test {
protected:
    FolderTreeTest() { tree.resize(240, 320); }

    // Relative (a folder below the temporary one, or nothing) as the tree writes it:
    // absolute, with a trailing separator.
    QString Folder(const QString& Relative = QString()) const
    {
        return QDir::toNativeSeparators(QDir::cleanPath(temp.path() + '/' + Relative)) +
               QDir::separator();
    }
    // Creates the folders (with their parents), relative to the temporary folder.
    void Make(const QStringList& folders) const
    {
        for (const QString& folder : folders)
            ASSERT_TRUE(QDir(temp.path()).mkpath(folder)) << folder.toStdString();
    }
    void MakeFile(const QString& relative) const
    {
        QFile file(QDir(temp.path()).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    bool Exists(const QString& relative) const { return QDir(temp.path()).exists(relative); }
    // The texts of node's children.
    static QStringList Texts(const vek::TTreeNode* node)
    {
        QStringList texts;
        for (int i = 0; i < node->Count(); ++i)
            texts << node->Item(i)->Text();
        return texts;
    }

    QTemporaryDir temp;
    vek::TFolderTree tree;
};

} // namespace foldertreetest
