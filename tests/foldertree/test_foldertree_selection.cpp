// Selecting folders: SelectPath (absolute, relative, missing, hidden, by case), the
// order of the selection's events by code, mouse and keys, and RefreshTree after
// folders changed outside the program.
#include "foldertree_fixture.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace vek;
using foldertreetest::FolderTreeTest;

namespace {

// Restores the current directory a test changes.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& path) : FSaved(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CurrentDirectory() { QDir::setCurrent(FSaved); }

private:
    QString FSaved;
};

} // namespace

TEST_F(FolderTreeTest, SelectPathWalksDownAndSelects)
{
    Make({"x/y/z", "x/w"});
    EXPECT_TRUE(tree.SelectPath(temp.path() + "/x/y"));
    EXPECT_EQ(tree.Directory(), Folder("x/y"));
    TTreeNode* y = tree.Selected();
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->Text(), "y");
    EXPECT_TRUE(y->Parent()->Expanded());
    EXPECT_EQ(Texts(y->Parent()), (QStringList{"w", "y"}));
    EXPECT_EQ(Texts(y), QStringList{"z"}); // read, not expanded
    EXPECT_FALSE(y->Expanded());
    EXPECT_EQ(tree.NodePath(y), temp.path() + "/x/y");
    EXPECT_EQ(tree.property("Directory").toString(), Folder("x/y"));

    // "." and ".." in the text, and a path relative to the current directory.
    EXPECT_TRUE(tree.SelectPath(temp.path() + "/x/y/../w/."));
    EXPECT_EQ(tree.Directory(), Folder("x/w"));
    CurrentDirectory current(Folder("x"));
    EXPECT_TRUE(tree.SelectPath("y/z"));
    EXPECT_EQ(tree.Directory(), Folder("x/y/z"));
}

TEST_F(FolderTreeTest, SelectPathThatCannotBeShownLeavesTheTree)
{
    Make({"x", "Docs", "docs", ".hidden/sub"});
    ASSERT_TRUE(tree.SelectPath(Folder("x")));
    TTreeNode* selected = tree.Selected();
    int reports = 0;
    tree.OnChange = [&](TObject*) { ++reports; };
    for (const QString& path : {Folder("missing"), Folder(".hidden/sub"), Folder("X"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(tree.SelectPath(path));
        EXPECT_EQ(tree.Selected(), selected);
        EXPECT_EQ(tree.Directory(), Folder("x"));
    }
    EXPECT_EQ(reports, 0);
    // Names that differ by case only are two folders.
    ASSERT_TRUE(tree.SelectPath(Folder("docs")));
    EXPECT_EQ(tree.Selected()->Text(), "docs");
    ASSERT_TRUE(tree.SelectPath(Folder("Docs")));
    EXPECT_EQ(tree.Selected()->Text(), "Docs");
}

TEST_F(FolderTreeTest, SelectionEventsComeInOrder)
{
    Make({"a", "b"});
    QStringList events;
    tree.OnClick = [&](TObject*) { events << "click"; };
    tree.OnChange = [&](TObject*) { events << "change"; };
    tree.OnDirChanged = [&](TObject*) { events << "dir " + QDir(tree.Directory()).dirName(); };
    QObject::connect(&tree, &TFolderTree::directoryChanged,
                     [&](const QString& directory) { events << "signal " + QDir(directory).dirName(); });
    ASSERT_TRUE(tree.SelectPath(Folder("a")));
    EXPECT_EQ(events.join(", "), "click, change, dir a, signal a");
    events.clear();
    ASSERT_TRUE(tree.SelectPath(Folder("a"))); // the same folder: no directory change
    EXPECT_EQ(events.join(", "), "click, change");

    // By the mouse: the click that selects raises OnClick once.
    tree.setAttribute(Qt::WA_DontShowOnScreen);
    tree.show();
    QApplication::processEvents();
    events.clear();
    TTreeNode* b = tree.Selected()->GetNextSibling();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(b).center());
    EXPECT_EQ(events.join(", "), "click, change, dir b, signal b");
    events.clear();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(b).center());
    EXPECT_EQ(events.join(", "), "click") << "a click on the selected folder";

    // By the keyboard.
    events.clear();
    QTest::keyClick(&tree, Qt::Key_Up);
    EXPECT_EQ(events.join(", "), "click, change, dir a, signal a");
}

TEST_F(FolderTreeTest, RefreshTreeAfterAnOutsideDeletion)
{
    Make({"a/b/c", "a/d"});
    ASSERT_TRUE(tree.SelectPath(Folder("a/b/c")));
    QSignalSpy spy(&tree, &TFolderTree::directoryChanged);
    int reports = 0;
    tree.OnDirChanged = [&](TObject*) { ++reports; };

    EXPECT_TRUE(tree.RefreshTree()); // nothing changed: the same folder
    EXPECT_EQ(tree.Directory(), Folder("a/b/c"));
    EXPECT_EQ(reports, 0);

    ASSERT_TRUE(QDir(Folder("a/b")).removeRecursively());
    Make({"a/e"});
    EXPECT_TRUE(tree.RefreshTree());
    EXPECT_EQ(tree.Directory(), Folder("a"));
    EXPECT_EQ(Texts(tree.Selected()), (QStringList{"d", "e"}));
    EXPECT_EQ(reports, 1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), Folder("a"));
}
