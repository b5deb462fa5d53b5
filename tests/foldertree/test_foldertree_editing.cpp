// Creating and removing folders, refused names and links, removal while handlers change
// the tree; the colors of the enabled and disabled tree and Loaded.
#include "foldertree_fixture.h"

#include "pixels.h"

#include <QTimer>

using namespace vek;
using foldertreetest::FolderTreeTest;

TEST_F(FolderTreeTest, MakeSubFolderCreatesNestedFoldersAndSelectsThem)
{
    Make({"data"});
    EXPECT_FALSE(tree.MakeSubFolder("x")) << "nothing selected";
    ASSERT_TRUE(tree.SelectPath(Folder("data")));
    EXPECT_TRUE(tree.MakeSubFolder("x/y"));
    EXPECT_TRUE(Exists("data/x/y"));
    EXPECT_EQ(tree.Directory(), Folder("data/x/y"));
    ASSERT_TRUE(tree.SelectPath(Folder("data")));
    EXPECT_TRUE(tree.MakeSubFolder("//z//"));
    EXPECT_EQ(tree.Directory(), Folder("data/z"));
    EXPECT_TRUE(tree.MakeSubFolder("z")) << "an existing folder is there, as asked";
    EXPECT_EQ(tree.Directory(), Folder("data/z/z"));
}

TEST_F(FolderTreeTest, MakeSubFolderRefusesNamesThatLeadElsewhere)
{
    Make({"data/inner"});
    ASSERT_TRUE(tree.SelectPath(Folder("data/inner")));
    const QStringList before = QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& name : {"a|b", "..", "../x", "x/../../y", "", "/", "./x", "a\tb", "<x>",
                                "say\"hi\""}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(tree.MakeSubFolder(name));
        EXPECT_EQ(tree.Directory(), Folder("data/inner"));
    }
    EXPECT_EQ(QDir(Folder("data/inner")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_FALSE(Exists("x"));
    EXPECT_FALSE(Exists("y"));
}

TEST_F(FolderTreeTest, MakeSubFolderDoesNotFollowLinksOutOfTheFolder)
{
    Make({"data/real", "outside"});
    ASSERT_TRUE(QFile::link(Folder("outside"), Folder("data") + "out"));
    ASSERT_TRUE(QFile::link(Folder("data/real"), Folder("data") + "in"));
    ASSERT_TRUE(QFile::link(Folder("nowhere"), Folder("data") + "dangling"));
    ASSERT_TRUE(tree.SelectPath(Folder("data")));
    EXPECT_FALSE(tree.MakeSubFolder("out/new"));
    EXPECT_FALSE(tree.MakeSubFolder("dangling/new"));
    EXPECT_FALSE(Exists("outside/new"));
    EXPECT_FALSE(Exists("nowhere"));
    EXPECT_TRUE(tree.MakeSubFolder("in/new")) << "a link that stays inside";
    EXPECT_TRUE(Exists("data/real/new"));
}

TEST_F(FolderTreeTest, RemoveSelectedFolder)
{
    Make({"data/full/inner", "data/empty"});
    EXPECT_FALSE(tree.RemoveSelectedFolder()) << "nothing selected";
    ASSERT_TRUE(tree.SelectPath("/"));
    EXPECT_FALSE(tree.RemoveSelectedFolder()) << "the root";

    ASSERT_TRUE(tree.SelectPath(Folder("data/full")));
    EXPECT_FALSE(tree.RemoveSelectedFolder());
    EXPECT_TRUE(Exists("data/full"));
    EXPECT_EQ(tree.Directory(), Folder("data/full"));

    ASSERT_TRUE(tree.SelectPath(Folder("data/empty")));
    EXPECT_TRUE(tree.RemoveSelectedFolder());
    EXPECT_FALSE(Exists("data/empty"));
    EXPECT_EQ(tree.Directory(), Folder("data"));
    EXPECT_EQ(Texts(tree.Selected()), QStringList{"full"});
}

TEST_F(FolderTreeTest, RemoveSelectedFolderSurvivesHandlersThatChangeTheTree)
{
    Make({"data/empty"});
    ASSERT_TRUE(tree.SelectPath(Folder("data/empty")));
    // Runs among the events processed while the folder is removed, and frees every node.
    QTimer::singleShot(0, &tree, [this] { tree.Reset(); });
    EXPECT_TRUE(tree.RemoveSelectedFolder());
    EXPECT_FALSE(Exists("data/empty"));
    EXPECT_EQ(tree.Directory(), Folder("data"));
}

TEST_F(FolderTreeTest, DisabledTreeShowsTheButtonFace)
{
    tree.SetColor(0x00C0FFFF);
    // A point below the root's row.
    auto background = [&] {
        return vektest::ColorAt(vektest::Render(&tree), tree.width() / 2, tree.height() - 10);
    };
    EXPECT_EQ(background(), 0x00C0FFFFu);
    tree.SetEnabled(false);
    EXPECT_EQ(background(), ColorToRGB(clBtnFace));
    EXPECT_EQ(tree.Color(), 0x00C0FFFFu) << "the color set stays the tree's color";
    tree.SetEnabled(true);
    EXPECT_EQ(background(), 0x00C0FFFFu);
}

TEST_F(FolderTreeTest, LoadedReplacesBlackAndStartsOverFromTheRoots)
{
    Make({"a"});
    ASSERT_TRUE(tree.SelectPath(Folder("a")));
    const int roots = tree.topLevelItemCount();
    tree.BeginLoading();
    tree.SetColor(clBlack);
    tree.SetOldTreeStyle(false);
    // A form from Qt Designer adds the items the tree showed there.
    tree.Items()->AddChild(nullptr, QString())->AddChild(QString());
    tree.EndLoading();
    EXPECT_EQ(tree.Color(), clWhite);
    EXPECT_EQ(tree.topLevelItemCount(), roots);
    EXPECT_FALSE(tree.Items()->GetFirstNode()->Expanded());
    EXPECT_FALSE(tree.OldTreeStyle());
    EXPECT_EQ(tree.ComponentState() & csLoading, 0);
}
