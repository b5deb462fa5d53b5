// Reading folders: the order, hidden folders, expand buttons, lazy loading with the
// placeholder and the loaded marker, unreadable folders and the wait cursor.
#include "foldertree_fixture.h"

#include "folderlist_p.h"

#include <frame/core/application.h>

#include <QApplication>

#include <unistd.h>

using namespace vek;
using foldertreetest::FolderTreeTest;

TEST(FolderList, SortsByLowercaseKeyKeepingTheOrderOfEqualKeys)
{
    std::vector<foldertree::TSubfolder> list{
        {"b", false}, {"A", true}, {"B", false}, {"a_", false}, {"\u00C9", false}, {"e", false}};
    foldertree::SortSubfolders(list);
    QStringList names;
    for (const auto& subfolder : list)
        names << subfolder.Name;
    // Only A-Z fold: "É" sorts after every ASCII letter.
    EXPECT_EQ(names, (QStringList{"A", "a_", "b", "B", "e", "\u00C9"}));
    EXPECT_TRUE(list[0].HasSubfolders) << "the flags travel with their names";
}

TEST_F(FolderTreeTest, ListsVisibleFoldersCaseInsensitively)
{
    Make({"Beta", "alpha", "Gamma", ".hidden/inner"});
    MakeFile("file");
    QStringList names{"stale"};
    EXPECT_TRUE(tree.GetSubDirs(Folder(), names));
    EXPECT_EQ(names, (QStringList{"alpha", "Beta", "Gamma"}));

    ASSERT_TRUE(tree.SelectPath(Folder()));
    EXPECT_EQ(Texts(tree.Selected()), (QStringList{"alpha", "Beta", "Gamma"}));
    EXPECT_TRUE(tree.GetSubDirs(tree.Selected(), names));
    EXPECT_EQ(names.size(), 3);

    EXPECT_FALSE(tree.GetSubDirs(Folder("alpha"), names)); // exists, but empty
    EXPECT_TRUE(names.isEmpty());
    EXPECT_FALSE(tree.GetSubDirs(Folder("missing"), names));
    EXPECT_FALSE(tree.GetSubDirs(nullptr, names));
}

TEST_F(FolderTreeTest, ExpandButtonsOnlyWhereSubfoldersAre)
{
    Make({"deep/inner/innermost", "flat", "onlyhidden/.git"});
    MakeFile("flat/file");
    ASSERT_TRUE(tree.SelectPath(Folder()));
    TTreeNode* folder = tree.Selected();
    EXPECT_EQ(quintptr(folder->Data()), TFolderTree::LoadedMarker);
    ASSERT_EQ(Texts(folder), (QStringList{"deep", "flat", "onlyhidden"}));
    TTreeNode* deep = folder->Item(0);
    EXPECT_EQ(Texts(deep), QStringList{TFolderTree::PlaceholderText});
    EXPECT_EQ(deep->Data(), nullptr);
    EXPECT_FALSE(folder->Item(1)->HasChildren());
    EXPECT_FALSE(folder->Item(2)->HasChildren());

    deep->Expand(false);
    EXPECT_EQ(Texts(deep), QStringList{"inner"});
    EXPECT_EQ(quintptr(deep->Data()), TFolderTree::LoadedMarker);
    EXPECT_TRUE(deep->Item(0)->HasChildren());
    // Loaded once: collapsing and expanding again does not read it afresh.
    Make({"deep/later"});
    deep->Collapse(false);
    deep->Expand(false);
    EXPECT_EQ(Texts(deep), QStringList{"inner"});
}

TEST_F(FolderTreeTest, FolderFoundEmptyIsReadAgain)
{
    Make({"vanishing/only"});
    ASSERT_TRUE(tree.SelectPath(Folder()));
    TTreeNode* vanishing = tree.Selected()->Item(0);
    ASSERT_TRUE(QDir(Folder("vanishing")).rmdir("only"));
    vanishing->Expand(false);
    EXPECT_FALSE(vanishing->HasChildren());
    EXPECT_EQ(vanishing->Data(), nullptr);
    Make({"vanishing/back"});
    vanishing->Expand(false);
    EXPECT_EQ(Texts(vanishing), QStringList{"back"});
}

TEST_F(FolderTreeTest, UnreadableFolderShowsNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every folder";
    Make({"locked/inner"});
    QFile::setPermissions(Folder("locked"), QFileDevice::Permissions());
    QStringList names;
    EXPECT_FALSE(tree.GetSubDirs(Folder("locked"), names));
    ASSERT_TRUE(tree.SelectPath(Folder()));
    EXPECT_FALSE(tree.Selected()->Item(0)->HasChildren());
    QFile::setPermissions(Folder("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
}

TEST_F(FolderTreeTest, WaitCursorGivesWayToTheCursorShownBefore)
{
    Make({"a/b"});
    ASSERT_TRUE(tree.SelectPath(Folder()));
    Screen()->SetCursor(crCross);
    tree.Selected()->Item(0)->Expand(false);
    tree.SelectPath(Folder("a"));
    EXPECT_EQ(Screen()->Cursor(), crCross);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    Screen()->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FolderTreeTest, ResetShowsTheCollapsedRoot)
{
    Make({"a"});
    ASSERT_TRUE(tree.SelectPath(Folder("a")));
    int reports = 0;
    tree.OnDirChanged = [&](TObject*) { ++reports; };
    tree.Reset();
    EXPECT_EQ(tree.Directory(), QDir::rootPath());
    EXPECT_EQ(tree.topLevelItemCount(), 1);
    TTreeNode* root = tree.Items()->GetFirstNode();
    EXPECT_EQ(root->Text(), "/");
    EXPECT_FALSE(root->Expanded());
    EXPECT_EQ(Texts(root), QStringList{TFolderTree::PlaceholderText});
    EXPECT_EQ(tree.Selected(), nullptr);
    EXPECT_EQ(reports, 1);
    tree.Reset();
    EXPECT_EQ(reports, 1);
}
