// TColSel: entries, selection, palettes and the item list.
#include "VEK_Colsel.h"

#include <frame/canvas/colors.h>
#include <frame/baselib/colortable.h>

namespace vek {

TColSel::TColSel(QWidget* parent) : TCustomComboBox(parent)
{
    SetStyle(csOwnerDrawFixed);
    for (int i = 1; i <= MaxColors; ++i) {
        FColors[size_t(i)] = PredefinedColor(i);
        FColorNames[size_t(i)] = ColorToString(FColors[size_t(i)]);
    }
    resize(145, sizeHint().height());
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { SyncSelection(index); });
    ReloadList();
}

void TColSel::Loaded()
{
    TCustomComboBox::Loaded();
    ReloadList();
}

// ---- list ----------------------------------------------------------------------------

void TColSel::ReloadList()
{
    // Qt selects the first item it adds; the selected entry must survive that.
    FReloading = true;
    ClearItems();
    for (int i = 1; i <= FNumColors; ++i)
        AddItem(FColorNames[size_t(i)]);
    FReloading = false;
    SetItemIndex(FSelColorIx - 1);
}

void TColSel::SyncSelection(int itemIndex)
{
    // Keeps SelColor in step with selections made from code (SetItemIndex) as well.
    if (!FReloading && itemIndex >= 0)
        FSelColorIx = itemIndex + 1;
}

QString TColSel::SelColorID() const
{
    return ItemIndex() >= 0 ? FColorNames[size_t(ItemIndex() + 1)] : QString();
}

void TColSel::SetColorBarWidth(int value)
{
    if (value == FColorBarWidth || value < 0)
        return;
    FColorBarWidth = value;
    Refresh();
}

void TColSel::SetNumColors(int value)
{
    if (value < 1 || value > MaxColors)
        return;
    FNumColors = value;
    FSelColorIx = 1;
    ReloadList();
}

// ---- entries -------------------------------------------------------------------------

QString TColSel::GeneratedName(TColor color)
{
    QString name = ColorToString(color);
    if (OnColorNameChange)
        OnColorNameChange(this, name);
    return name;
}

void TColSel::StoreColor(int Index, TColor color, TColor nameSource)
{
    FColors[size_t(Index)] = color;
    FColorNames[size_t(Index)] = GeneratedName(nameSource);
    if (Index <= ItemCount())
        setItemText(Index - 1, FColorNames[size_t(Index)]);
    Refresh();
}

TColor TColSel::Colors(int Index) const
{
    return InRange(Index) ? FColors[size_t(Index)] : 0;
}

void TColSel::SetColors(int Index, TColor value)
{
    if (InRange(Index))
        StoreColor(Index, value, value);
}

QString TColSel::ColorNames(int Index) const
{
    return InRange(Index) ? FColorNames[size_t(Index)] : QString();
}

void TColSel::SetColorNames(int Index, const QString& value)
{
    if (!InRange(Index))
        return;
    FColorNames[size_t(Index)] = value;
    setItemText(Index - 1, value);
    Refresh();
}

bool TColSel::ColorEditAllowed(int Index) const
{
    return InRange(Index) && FIsUserEditable[size_t(Index)];
}

void TColSel::SetColorEditAllowed(int Index, bool value)
{
    if (!InRange(Index))
        return;
    FIsUserEditable[size_t(Index)] = value;
    Refresh();
}

void TColSel::SetAllColorEditFlags()
{
    FIsUserEditable.fill(true);
    Refresh();
}

void TColSel::ResetAllColorEditFlags()
{
    FIsUserEditable.fill(false);
    Refresh();
}

void TColSel::SetSelColor(TColor value)
{
    const TColor wanted = ColorToRGB(value);
    for (int i = 1; i <= FNumColors; ++i) {
        if (ColorToRGB(FColors[size_t(i)]) != wanted)
            continue;
        FSelColorIx = i;
        StoreColor(i, FColors[size_t(i)], FColors[size_t(i)]);
        SetItemIndex(i - 1);
        return;
    }
    StoreColor(FSelColorIx, value, wanted);
}

// ---- palettes ------------------------------------------------------------------------

void TColSel::LoadPalette(int count, int firstSource)
{
    FSelColorIx = 1;
    FNumColors = count;
    for (int i = 1; i <= count; ++i) {
        const TColor color = PredefinedColor(firstSource + i - 1);
        FColors[size_t(i)] = color;
        FColorNames[size_t(i)] = GeneratedName(color);
    }
    ReloadList();
}

void TColSel::LoadBasicVGAPalette()
{
    LoadPalette(pcBasicVGACount, 1);
}

void TColSel::LoadExtendedPalette()
{
    LoadPalette(pcExtendedCount, 1);
}

void TColSel::LoadStandardPalette()
{
    LoadPalette(PredefinedColorCount(), 1);
}

void TColSel::LoadWindowsSystemPalette()
{
    LoadPalette(pcSystemColorCount, pcFirstSystemColor);
}

} // namespace vek
