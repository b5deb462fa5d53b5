// TColSel: the user's choice and color editing from the color bar.
#include "colsel_p.h"

#include <frame/controls/colordialog.h>
#include <frame/canvas/colors.h>
#include <frame/controls/keys.h>

namespace vek {

void TColSel::Click()
{
    if (ItemIndex() >= 0)
        d->selColorIx = ItemIndex() + 1;
    NotifySelColor();
    TCustomComboBox::Click();
}

void TColSel::MouseMove(TShiftState Shift, int X, int Y)
{
    d->mouseAreaCode = X < d->colorBarWidth ? 1 : 0;
    TCustomComboBox::MouseMove(Shift, X, Y);
}

void TColSel::KeyDown(int& Key, TShiftState Shift)
{
    TCustomComboBox::KeyDown(Key, Shift);
    // The bar cannot be clicked without a mouse; F2 is the keyboard's way to the dialog.
    if (Key == VK_F2 && Shift == TShiftState() && ColorEditAllowed(ItemIndex() + 1)) {
        EditSelectedColor();
        Key = 0;
    }
}

void TColSel::leaveEvent(QEvent* event)
{
    // A pointer that left over the bar must not turn a later keyboard drop-down into an
    // edit.
    d->mouseAreaCode = 0;
    TCustomComboBox::leaveEvent(event);
}

void TColSel::DropDown()
{
    const int entry = ItemIndex() + 1;
    if (d->mouseAreaCode == 1 && ColorEditAllowed(entry))
        EditSelectedColor();
    TCustomComboBox::DropDown();
}

void TColSel::EditSelectedColor()
{
    const int entry = ItemIndex() + 1;
    TColorDialog dialog(this);
    dialog.SetColor(d->colors[size_t(entry)]);
    if (dialog.Execute())
        StoreColor(entry, dialog.Color(), ColorToRGB(dialog.Color()));
    Refresh();
    NotifySelColor();
}

} // namespace vek
