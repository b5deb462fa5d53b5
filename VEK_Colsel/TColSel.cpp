// TColSel: entries, selection, palettes, the item list and its size.
#include "colsel_p.h"

#include <frame/canvas/colors.h>
#include <frame/core/change.h>
#include <frame/core/pixelextent.h>

#include <algorithm>
#include <utility>

namespace vek {

namespace {

// Where DrawItem puts the name: three pixels after the bar, written three pixels in.
constexpr int NameOffset = 6;
// Room after the longest name.
constexpr int NameEndRoom = 4;
// Letters of a name a squeezed selector still shows.
constexpr int MinimumNameLetters = 4;

} // namespace

TColSel::TColSel(QWidget* parent) : TCustomComboBox(parent), d(std::make_unique<Private>())
{
    SetStyle(csOwnerDrawFixed);
    for (int i = 1; i <= MaxColors; ++i) {
        d->colors[size_t(i)] = PredefinedColor(i);
        d->names[size_t(i)] = ColorToString(d->colors[size_t(i)]);
    }
    d->notifiedSelColor = SelColor();
    resize(145, sizeHint().height());
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { SyncSelection(index); });
    ReloadList();
}

TColSel::~TColSel() = default;

void TColSel::Loaded()
{
    TCustomComboBox::Loaded();
    d->selColorIx = std::min(d->selColorIx, d->numColors);
    ReloadList();
    if (const auto color = std::exchange(d->loadedSelColor, std::nullopt))
        SetSelColor(*color);
}

int TColSel::ColorBarWidth() const { return d->colorBarWidth; }
int TColSel::NumColors() const { return d->numColors; }
TColor TColSel::SelColor() const { return d->colors[size_t(d->selColorIx)]; }

// ---- list ----------------------------------------------------------------------------

void TColSel::ReloadList()
{
    // Qt selects the first item it adds; the selected entry must survive that.
    d->reloading = true;
    ClearItems();
    for (int i = 1; i <= d->numColors; ++i)
        AddItem(d->names[size_t(i)]);
    d->reloading = false;
    SetItemIndex(d->selColorIx - 1);
    updateGeometry();
    NotifySelColor();
}

void TColSel::SyncSelection(int itemIndex)
{
    // Keeps SelColor in step with selections made from code (SetItemIndex) as well.
    if (d->reloading || itemIndex < 0)
        return;
    d->selColorIx = itemIndex + 1;
    NotifySelColor();
}

// vek::Change in full: inside the class, Change is the combo box's OnChange virtual.
void TColSel::NotifySelColor()
{
    if (vek::Change(d->notifiedSelColor, SelColor()))
        emit selColorChanged(ToQColor(d->notifiedSelColor));
}

QString TColSel::SelColorID() const
{
    return ItemIndex() >= 0 ? d->names[size_t(ItemIndex() + 1)] : QString();
}

void TColSel::SetColorBarWidth(int value)
{
    if (value < 0 || !vek::Change(d->colorBarWidth, PixelExtent(value)))
        return;
    updateGeometry();
    Refresh();
}

void TColSel::SetNumColors(int value)
{
    if (value < 1 || value > MaxColors)
        return;
    d->numColors = value;
    // A form may set the selection before the number of entries; Loaded checks it.
    if (!(ComponentState() & csLoading))
        d->selColorIx = 1;
    ReloadList();
}

// ---- size ----------------------------------------------------------------------------

QSize TColSel::sizeHint() const
{
    const QFontMetrics metrics(Font()->ToQFont());
    int longest = 0;
    for (int i = 1; i <= d->numColors; ++i)
        longest = std::max(longest, metrics.horizontalAdvance(d->names[size_t(i)]));
    const int content = d->colorBarWidth + NameOffset + longest + NameEndRoom;
    return QSize(BoxSizeFor(content).width(), TCustomComboBox::sizeHint().height());
}

QSize TColSel::minimumSizeHint() const
{
    const QFontMetrics metrics(Font()->ToQFont());
    const int content = d->colorBarWidth + NameOffset +
                        MinimumNameLetters * metrics.horizontalAdvance(QLatin1Char('x'));
    return QSize(BoxSizeFor(content).width(), TCustomComboBox::minimumSizeHint().height());
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
    d->colors[size_t(Index)] = color;
    d->names[size_t(Index)] = GeneratedName(nameSource);
    if (Index <= ItemCount())
        setItemText(Index - 1, d->names[size_t(Index)]);
    updateGeometry();
    Refresh();
}

TColor TColSel::Colors(int Index) const
{
    return InRange(Index) ? d->colors[size_t(Index)] : 0;
}

void TColSel::SetColors(int Index, TColor value)
{
    if (!InRange(Index))
        return;
    StoreColor(Index, value, value);
    NotifySelColor();
}

QString TColSel::ColorNames(int Index) const
{
    return InRange(Index) ? d->names[size_t(Index)] : QString();
}

void TColSel::SetColorNames(int Index, const QString& value)
{
    if (!InRange(Index))
        return;
    d->names[size_t(Index)] = value;
    setItemText(Index - 1, value);
    updateGeometry();
    Refresh();
}

bool TColSel::ColorEditAllowed(int Index) const
{
    return InRange(Index) && d->userEditable[size_t(Index)];
}

void TColSel::SetColorEditAllowed(int Index, bool value)
{
    if (!InRange(Index))
        return;
    d->userEditable[size_t(Index)] = value;
    Refresh();
}

void TColSel::SetAllColorEditFlags()
{
    d->userEditable.fill(true);
    Refresh();
}

void TColSel::ResetAllColorEditFlags()
{
    d->userEditable.fill(false);
    Refresh();
}

void TColSel::SetSelColor(TColor value)
{
    // Which entry holds the color depends on NumColors, which a form may set later.
    if (ComponentState() & csLoading) {
        d->loadedSelColor = value;
        return;
    }
    const TColor wanted = ColorToRGB(value);
    for (int i = 1; i <= d->numColors; ++i) {
        const TColor color = d->colors[size_t(i)];
        if (ColorToRGB(color) != wanted)
            continue;
        d->selColorIx = i;
        StoreColor(i, color, color);
        SetItemIndex(i - 1);
        NotifySelColor();
        return;
    }
    StoreColor(d->selColorIx, value, wanted);
    NotifySelColor();
}

// ---- palettes ------------------------------------------------------------------------

void TColSel::LoadPalette(int count, int firstSource)
{
    d->selColorIx = 1;
    d->numColors = count;
    for (int i = 1; i <= count; ++i) {
        const TColor color = PredefinedColor(firstSource + i - 1);
        d->colors[size_t(i)] = color;
        d->names[size_t(i)] = GeneratedName(color);
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
