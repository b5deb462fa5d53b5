// TColSel: a drop-down list of up to 47 named colors. Each entry shows a color bar
// followed by the color's name; the palettes come from the library's predefined colors
// (frame/baselib/colortable.h).
//
// Entries are numbered from 1 (Colors(1) is the first entry of the list). The selected
// entry is SelColor / SelColorID; the user picks one from the list, the application sets
// SelColor, which selects the first entry of equal RGB value or, when there is none,
// replaces the selected entry's color.
//
// Entries marked with ColorEditAllowed carry a small edit mark in their color bar. When
// the user clicks on the color bar of the closed box while such an entry is selected, the
// color dialog (TColorDialog, replaceable for tests) opens preset to that color and the
// chosen color replaces the entry's color. From the keyboard, F2 edits the selected entry
// the same way.
//
// Every name the control generates from a color (ColorToString: "clRed", "$00804020")
// passes through OnColorNameChange first, so the application can translate or rename
// colors. The constructor's default names do not pass through it, since no handler can
// be assigned yet.
#pragma once

#include <frame/controls/combobox.h>

#include <array>

namespace vek {

// Called with every generated color name; the handler may rewrite ColorName.
using TOnColorNameChangeEvent = std::function<void(TObject* Sender, QString& ColorName)>;

class VEK_EXPORT TColSel : public TCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(int ColorBarWidth READ ColorBarWidth WRITE SetColorBarWidth)
    Q_PROPERTY(int NumColors READ NumColors WRITE SetNumColors)
    Q_PROPERTY(quint32 SelColor READ SelColor WRITE SetSelColor)
    Q_PROPERTY(QString SelColorID READ SelColorID)

public:
    static constexpr int MaxColors = 47;

    // 20 entries (the extended palette) in use, entry 1 selected, nothing editable.
    explicit TColSel(QWidget* parent = nullptr);

    // Width of the color bar in pixels (default 30); negative values are ignored.
    int ColorBarWidth() const { return FColorBarWidth; }
    void SetColorBarWidth(int value);
    // Entries in use, 1..47 (default 20); other values are ignored. Setting it selects
    // entry 1.
    int NumColors() const { return FNumColors; }
    void SetNumColors(int value);
    // The color of the selected entry; see the class comment for setting it.
    TColor SelColor() const { return FColors[size_t(FSelColorIx)]; }
    void SetSelColor(TColor value);
    // The name of the selected entry; empty while the list selects nothing.
    QString SelColorID() const;

    // Entry Index (1..NumColors): its color (0 outside), its name (empty outside) and
    // whether the user may change its color (false outside). Writes outside the range
    // are ignored. Writing a color renames the entry through OnColorNameChange; writing
    // a name stores it as given.
    TColor Colors(int Index) const;
    void SetColors(int Index, TColor value);
    QString ColorNames(int Index) const;
    void SetColorNames(int Index, const QString& value);
    bool ColorEditAllowed(int Index) const;
    void SetColorEditAllowed(int Index, bool value);
    // Allow or forbid color editing for all 47 entries.
    void SetAllColorEditFlags();
    void ResetAllColorEditFlags();

    // Palettes: each selects entry 1 and names the colors through OnColorNameChange.
    void LoadBasicVGAPalette();      // 16 basic VGA colors
    void LoadExtendedPalette();      // the 16 plus 4 named extra colors
    void LoadStandardPalette();      // all 47 predefined colors
    void LoadWindowsSystemPalette(); // the 27 theme (system) colors

    TOnColorNameChangeEvent OnColorNameChange;

protected:
    void Loaded() override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void Click() override;
    void DropDown() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void leaveEvent(QEvent* event) override;

private:
    bool InRange(int Index) const { return Index >= 1 && Index <= FNumColors; }
    // ColorToString of color, passed through OnColorNameChange.
    QString GeneratedName(TColor color);
    void StoreColor(int Index, TColor color, TColor nameSource);
    void LoadPalette(int count, int firstSource);
    void ReloadList();
    void SyncSelection(int itemIndex);
    void EditSelectedColor();
    void DrawColorBar(const TRect& Rect, int Entry);
    void DrawEditMark(const TRect& Rect, TColor color);

    int FColorBarWidth = 30;
    int FSelColorIx = 1;
    int FNumColors = 20;
    int FMouseAreaCode = 0;
    bool FReloading = false;
    // Index 0 is unused so that entries keep their 1-based numbers.
    std::array<TColor, MaxColors + 1> FColors{};
    std::array<QString, MaxColors + 1> FColorNames;
    std::array<bool, MaxColors + 1> FIsUserEditable{};
};

} // namespace vek
