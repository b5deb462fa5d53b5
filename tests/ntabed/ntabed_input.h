// Driving a table editor as a user does: clicks on cells, keys to the grid or to the
// editor that has the focus, and the popup menu that is open.
#pragma once

#include <VEK_ntabed.h>

#include <QApplication>
#include <QMenu>
#include <QTest>

namespace ntabedtest {

inline QPoint Centre(const vek::TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

inline void Click(vek::TNTabEd& tab, const vek::TRect& cell, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&tab, button, {}, Centre(cell));
}

// The in-place editor's widget, or null while it is closed.
inline QWidget* OpenEditor(vek::TNTabEd& tab)
{
    return tab.EditorMode() ? tab.InplaceEditor()->Widget() : nullptr;
}

// Replaces the open in-place editor's text (it starts all selected) and presses a key.
inline void TypeIntoEditor(vek::TNTabEd& tab, const QString& text, Qt::Key finish = Qt::Key_Return)
{
    QWidget* editor = OpenEditor(tab);
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, finish);
}

// The menu open now (null when none is).
inline QMenu* ShownMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

// Chooses an item of the open menu by name, as a click on it does, and closes the menu.
inline void Choose(const QString& itemName)
{
    QMenu* menu = ShownMenu();
    ASSERT_TRUE(menu);
    auto* item = menu->findChild<vek::TMenuItem*>(itemName);
    ASSERT_TRUE(item) << itemName.toStdString();
    ASSERT_TRUE(item->isEnabled()) << itemName.toStdString();
    menu->close();
    item->trigger();
}

} // namespace ntabedtest
