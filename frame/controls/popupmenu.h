// Popup menus with named items: TPopupMenu on QMenu and TMenuItem on QAction.
//
// An item's Name is its objectName, so code and tests find items by name
// (menu->findChild<TMenuItem*>("Copy")). A menu owns the items added to it, an item owns
// its sub-items: deleting a menu frees everything in it. Popup shows a menu without
// blocking (QMenu::popup), so the caller's code goes on while the menu is open and a
// test can find it as QApplication::activePopupWidget().
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/bitmap.h>

#include <QAction>
#include <QMenu>

#include <memory>

namespace vek {

class TPopupMenu;

/// One command of a menu. Triggering it (a click, the keyboard, QAction::trigger) calls
/// OnClick with the item as Sender; an exception from the handler goes to
/// Application()->HandleException.
class VEK_EXPORT TMenuItem : public QAction {
    Q_OBJECT

public:
    /// An item without name, caption or handler.
    explicit TMenuItem(QObject* owner = nullptr);
    /// An item named Name showing Caption that calls OnClick.
    TMenuItem(const QString& Name, const QString& Caption, TNotifyEvent OnClick = {},
              QObject* owner = nullptr);
    ~TMenuItem() override;

    /// The component name (the objectName).
    QString Name() const { return objectName(); }
    void SetName(const QString& value) { setObjectName(value); }
    /// The text shown; "&" marks the mnemonic letter, as in any Qt menu.
    QString Caption() const { return text(); }
    /// Shows value, the application's own caption, from now on.
    void SetCaption(const QString& value);
    /// Shows a text of the library's own: Source (English) translated in Context by the
    /// application's translators (QCoreApplication::translate), translated anew whenever
    /// the application's language changes, until SetCaption gives the item a caption of
    /// the application's. Both strings must outlive the item (string literals).
    void SetBuiltInCaption(const char* Context, const char* Source);
    /// Whether the item can be chosen (default true); a disabled item shows grayed.
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    /// A check mark before the caption (default false); setting it makes the item
    /// checkable.
    bool Checked() const { return isChecked(); }
    void SetChecked(bool value);
    /// The picture shown before the caption; null while there is none (the default).
    const TBitmap* Bitmap() const { return FBitmap.get(); }
    /// Shows a copy of value (its device pixel ratio kept); nullptr or an empty bitmap
    /// removes the picture.
    void SetBitmap(const TBitmap* value);

    // ---- sub-items: an item with sub-items opens a submenu instead of running OnClick
    /// Appends Item (taking ownership) to the submenu.
    void Add(TMenuItem* Item);
    /// Number of sub-items.
    int Count() const;
    /// Sub-item Index (0-based); nullptr outside.
    TMenuItem* Items(int Index) const;

    /// Runs the item's command as a click does.
    void Click();

    /// Called when the item is chosen.
    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;
    void Retranslate();

    const char* FBuiltInContext = nullptr;
    const char* FBuiltInSource = nullptr;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TPopupMenu> FSubMenu;
};

/// A popup menu of TMenuItems. It can be a control's PopupMenu (a right click opens it)
/// or be opened by code with Popup.
class VEK_EXPORT TPopupMenu : public QMenu {
    Q_OBJECT
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    /// An empty menu; owner (a widget) frees it.
    explicit TPopupMenu(QWidget* owner = nullptr);
    ~TPopupMenu() override;

    /// The component name (the objectName).
    QString Name() const { return objectName(); }
    void SetName(const QString& value) { setObjectName(value); }

    /// Appends Item, taking ownership.
    void Add(TMenuItem* Item);
    /// Number of items.
    int Count() const;
    /// Item Index (0-based); nullptr outside.
    TMenuItem* Items(int Index) const;

    /// Where Popup puts the menu against its point: taLeftJustify (the default) the left
    /// edge, taRightJustify the right edge, taCenter the middle.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }

    /// Opens the menu at screen point (X, Y) and returns at once; the menu stays open
    /// until an item is chosen or it is dismissed. Qt moves it inside the screen.
    void Popup(int X, int Y);

    /// Called just before the menu shows, however it was opened: the place to enable,
    /// check or rename items.
    TNotifyEvent OnPopup;

protected:
    /// Translates the items' built-in captions anew when the language changes.
    void changeEvent(QEvent* event) override;

private:
    void RunOnPopup();

    TAlignment FAlignment = taLeftJustify;
    bool FOnPopupDone = false;
};

} // namespace vek
