#include "popupmenu.h"

#include <frame/core/application.h>

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>

namespace vek {

// ---- TMenuItem

TMenuItem::TMenuItem(QObject* owner) : QAction(owner)
{
    connect(this, &QAction::triggered, this, [this] { RunGuarded(this, [this] { Click(); }); });
}

TMenuItem::TMenuItem(const QString& Name, const QString& Caption, TNotifyEvent OnClick,
                     QObject* owner)
    : TMenuItem(owner)
{
    SetName(Name);
    SetCaption(Caption);
    this->OnClick = std::move(OnClick);
}

TMenuItem::~TMenuItem() = default;

void TMenuItem::SetCaption(const QString& value)
{
    FBuiltInContext = FBuiltInSource = nullptr;
    setText(value);
}

void TMenuItem::SetBuiltInCaption(const char* Context, const char* Source)
{
    FBuiltInContext = Context;
    FBuiltInSource = Source;
    Retranslate();
}

void TMenuItem::Retranslate()
{
    if (FBuiltInSource)
        setText(QCoreApplication::translate(FBuiltInContext, FBuiltInSource));
}

void TMenuItem::SetChecked(bool value)
{
    setCheckable(true);
    setChecked(value);
}

void TMenuItem::SetBitmap(const TBitmap* value)
{
    if (!value || value->Empty()) {
        FBitmap.reset();
        setIcon(QIcon());
        return;
    }
    if (!FBitmap)
        FBitmap = std::make_unique<TBitmap>();
    FBitmap->Assign(value);
    setIcon(QIcon(QPixmap::fromImage(FBitmap->Image())));
}

// Sub-items are the item's children, so that findChild on a menu finds them at any
// depth.
void TMenuItem::Add(TMenuItem* Item)
{
    if (!FSubMenu) {
        FSubMenu = std::make_unique<TPopupMenu>();
        setMenu(FSubMenu.get());
    }
    Item->setParent(this);
    FSubMenu->addAction(Item);
}

int TMenuItem::Count() const { return FSubMenu ? FSubMenu->Count() : 0; }

TMenuItem* TMenuItem::Items(int Index) const
{
    return FSubMenu ? FSubMenu->Items(Index) : nullptr;
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

// ---- TPopupMenu

// The hook runs from aboutToShow, so that a menu opened by a control's right click gets
// it as well as one opened by Popup.
TPopupMenu::TPopupMenu(QWidget* owner) : QMenu(owner)
{
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (!FOnPopupDone)
            RunGuarded(this, [this] { RunOnPopup(); });
    });
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Add(TMenuItem* Item)
{
    Item->setParent(this);
    addAction(Item);
}

int TPopupMenu::Count() const { return int(actions().size()); }

TMenuItem* TPopupMenu::Items(int Index) const
{
    const QList<QAction*> items = actions();
    return Index >= 0 && Index < items.size() ? qobject_cast<TMenuItem*>(items[Index]) : nullptr;
}

// Every menu gets the event, submenus too (they are windows of their own), so each one
// translates just its own items.
void TPopupMenu::changeEvent(QEvent* event)
{
    QMenu::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    for (QAction* action : actions())
        if (auto* item = qobject_cast<TMenuItem*>(action))
            item->Retranslate();
}

void TPopupMenu::RunOnPopup()
{
    if (OnPopup)
        OnPopup(this);
}

// The hook runs before the size is taken, because it may rename or add items, which
// changes the width an aligned menu is placed by.
void TPopupMenu::Popup(int X, int Y)
{
    RunOnPopup();
    QPoint at(X, Y);
    if (FAlignment == taRightJustify)
        at.rx() -= sizeHint().width();
    else if (FAlignment == taCenter)
        at.rx() -= sizeHint().width() / 2;
    FOnPopupDone = true;
    popup(at);
    FOnPopupDone = false;
}

} // namespace vek
