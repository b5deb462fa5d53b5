// Popup menus: named items with their commands, pictures and submenus, the hook before
// showing, where Popup places the menu, that it does not block, and a control's right
// click.
#include <frame/controls/controls.h>
#include <frame/controls/popupmenu.h>

#include "pixels.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QPointer>

using namespace vek;

namespace {

struct PopupMenus : ::testing::Test {
    TPopupMenu menu;
    std::vector<QString> clicks;

    TMenuItem* NewItem(const QString& name)
    {
        return new TMenuItem(name, name.toUpper(),
                             [this](TObject* sender) { clicks.push_back(sender->objectName()); });
    }

    void TearDown() override
    {
        if (QWidget* open = QApplication::activePopupWidget())
            open->close();
    }
};

} // namespace

TEST_F(PopupMenus, ItemsAreNamedAndRunTheirCommands)
{
    menu.Add(NewItem("copy"));
    TMenuItem* mark = NewItem("mark");
    menu.Add(mark);
    mark->Add(NewItem("range"));
    mark->Add(NewItem("all"));
    ASSERT_EQ(menu.Count(), 2);
    EXPECT_EQ(menu.Items(1), mark);
    EXPECT_EQ(menu.Items(2), nullptr);
    EXPECT_EQ(mark->Count(), 2);
    EXPECT_EQ(mark->Items(1)->Caption(), "ALL");
    EXPECT_EQ(mark->menu()->actions().size(), 2); // shown as a submenu
    // Found by name at any depth.
    TMenuItem* all = menu.findChild<TMenuItem*>("all");
    ASSERT_EQ(all, mark->Items(1));
    all->trigger();
    menu.Items(0)->trigger();
    all->SetEnabled(false);
    all->trigger(); // a disabled item does nothing
    EXPECT_EQ(clicks, (std::vector<QString>{"all", "copy"}));
    all->SetChecked(true);
    EXPECT_TRUE(all->isCheckable() && all->Checked());
}

TEST_F(PopupMenus, BitmapIsACopyShownAsTheIcon)
{
    TMenuItem* item = NewItem("box");
    menu.Add(item);
    {
        TBitmap bitmap(13, 13);
        bitmap.Canvas()->Brush()->SetColor(clRed);
        bitmap.Canvas()->FillRect(TRect(0, 0, 13, 13));
        item->SetBitmap(&bitmap);
    }
    ASSERT_TRUE(item->Bitmap());
    EXPECT_EQ(vektest::ColorAt(item->Bitmap()->Image(), 5, 5), clRed);
    const QImage icon = item->icon().pixmap(13, 13).toImage();
    EXPECT_EQ(icon.size(), QSize(13, 13));
    EXPECT_EQ(vektest::ColorAt(icon, 5, 5), clRed);
    item->SetBitmap(nullptr);
    EXPECT_FALSE(item->Bitmap());
    EXPECT_TRUE(item->icon().isNull());
}

TEST_F(PopupMenus, PopupRunsTheHookThenOpensWithoutBlocking)
{
    menu.Add(NewItem("paste"));
    int hooks = 0;
    menu.OnPopup = [&](TObject* sender) {
        ++hooks;
        EXPECT_EQ(sender, &menu);
        EXPECT_FALSE(menu.isVisible());
        menu.Items(0)->SetCaption("Paste here"); // changed before it shows
    };
    menu.Popup(100, 80);
    EXPECT_EQ(hooks, 1);
    ASSERT_EQ(QApplication::activePopupWidget(), &menu);
    EXPECT_EQ(menu.pos(), QPoint(100, 80));
    EXPECT_EQ(menu.Items(0)->Caption(), "Paste here");
    menu.close();
    // Right and centre alignment put the menu's right edge or middle at the point.
    menu.SetAlignment(taRightJustify);
    menu.Popup(400, 80);
    EXPECT_EQ(menu.geometry().right() + 1, 400);
    menu.close();
    menu.SetAlignment(taCenter);
    menu.Popup(400, 80);
    EXPECT_NEAR(menu.geometry().center().x(), 400, 1);
    EXPECT_EQ(hooks, 3);
}

TEST_F(PopupMenus, ARightClickOpensTheControlsMenuWithItsHook)
{
    TCustomControl control;
    control.resize(50, 40);
    control.SetPopupMenu(&menu);
    menu.Add(NewItem("paste"));
    int hooks = 0;
    menu.OnPopup = [&](TObject*) { ++hooks; };
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(30, 20));
    QApplication::sendEvent(&control, &event);
    EXPECT_EQ(QApplication::activePopupWidget(), &menu);
    EXPECT_EQ(hooks, 1);
}

TEST(PopupMenuOwnership, ItemsGoWithTheirMenu)
{
    auto* menu = new TPopupMenu;
    auto* parent = new TMenuItem("parent", "Parent");
    menu->Add(parent);
    auto* child = new TMenuItem("child", "Child");
    parent->Add(child);
    QPointer<TMenuItem> watchParent(parent), watchChild(child);
    delete menu;
    EXPECT_TRUE(watchParent.isNull());
    EXPECT_TRUE(watchChild.isNull());
}
