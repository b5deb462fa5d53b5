// The folder tree as a Qt widget: layout, the color property, enabled and palette
// switches, Directory as a property with its signal, and methods that report failure
// without exceptions on a tree that was never shown.
#include <VEK_FolderTree.h>

#include "surface_checks.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace vek;

TEST(FolderTreeSurface, BehavesAsAQtWidget)
{
    // The collapsed root "/" looks the same on every machine.
    vektest::ExpectQtSurface([] { return new TFolderTree; });
}

TEST(FolderTreeSurface, DirectoryIsAPropertyWithItsSignal)
{
    QTemporaryDir temp;
    TFolderTree tree;
    const QMetaObject* meta = tree.metaObject();
    const QMetaProperty directory = meta->property(meta->indexOfProperty("Directory"));
    EXPECT_FALSE(directory.isWritable());
    EXPECT_EQ(directory.notifySignal(), QMetaMethod::fromSignal(&TFolderTree::directoryChanged));
    EXPECT_TRUE(tree.property("OldTreeStyle").toBool());

    QSignalSpy spy(&tree, &TFolderTree::directoryChanged);
    ASSERT_TRUE(tree.SelectPath(temp.path()));  // never shown: takes no focus, no error
    ASSERT_TRUE(tree.MakeSubFolder("new"));
    ASSERT_TRUE(tree.RefreshTree());
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toString(), tree.Directory());
    EXPECT_TRUE(tree.Directory().endsWith("/new/"));
    EXPECT_FALSE(tree.hasFocus());
}
