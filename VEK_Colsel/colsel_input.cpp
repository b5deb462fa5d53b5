// TColSel: the user's choice and color editing from the color bar.
#include "VEK_Colsel.h"

#include <frame/controls/colordialog.h>
#include <frame/canvas/colors.h>
#include <frame/controls/keys.h>

namespace vek {

void TColSel::Click()
{
    if (ItemIndex() >= 0)
        FSelColorIx = ItemIndex() + 1;
    TCustomComboBox::Click();
}

void TColSel::MouseMove(TShiftState Shift, int X, int Y)
{
    FMouseAreaCode = X < FColorBarWidth ? 1 : 0;
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
    FMouseAreaCode = 0;
    TCustomComboBox::leaveEvent(event);
}

void TColSel::DropDown()
{
    const int entry = ItemIndex() + 1;
    if (FMouseAreaCode == 1 && ColorEditAllowed(entry))
        EditSelectedColor();
    TCustomComboBox::DropDown();
}

void TColSel::EditSelectedColor()
{
    const int entry = ItemIndex() + 1;
    TColorDialog dialog(this);
    dialog.SetColor(FColors[size_t(entry)]);
    if (dialog.Execute())
        StoreColor(entry, dialog.Color(), ColorToRGB(dialog.Color()));
    Refresh();
}

} // namespace vek
