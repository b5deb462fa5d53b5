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
//
// A disabled selector shows no colors: its entry takes the face and text colors the
// palette gives disabled buttons.
//
// selColorChanged(QColor) reports every change of SelColor, whether the user picked or
// edited an entry or the application set SelColor, an entry's color, ItemIndex,
// NumColors or a palette. QComboBox's activated(int) is the user's choice alone.
#pragma once

#include <frame/baselib/colortable.h>
#include <frame/controls/combobox.h>

#include <memory>

namespace vek {

/// Called with every generated color name; the handler may rewrite ColorName.
using TOnColorNameChangeEvent = std::function<void(TObject* Sender, QString& ColorName)>;

/// A drop-down list of named colors (see the top of this header).
class VEK_EXPORT TColSel : public TCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(int ColorBarWidth READ ColorBarWidth WRITE SetColorBarWidth)
    Q_PROPERTY(int NumColors READ NumColors WRITE SetNumColors)
    Q_PROPERTY(QColor SelColor READ qSelColor WRITE setQSelColor RESET resetSelColor NOTIFY selColorChanged)
    Q_PROPERTY(QString SelColorID READ SelColorID)

public:
    /// Entries the selector can hold.
    static constexpr int MaxColors = 47;

    /// 20 entries (the extended palette) in use, entry 1 selected, nothing editable,
    /// 145 pixels wide.
    explicit TColSel(QWidget* parent = nullptr);
    ~TColSel() override;

    /// Width of the color bar in pixels (default 30, at most MaxPixelExtent); negative
    /// values are ignored.
    int ColorBarWidth() const;
    void SetColorBarWidth(int value);
    /// Entries in use, 1..47 (default 20); other values are ignored. Setting it selects
    /// entry 1, except while a form is being read (csLoading): the form's selection
    /// stays.
    int NumColors() const;
    void SetNumColors(int value);
    /// The color of the selected entry (default clBlack, entry 1); see the class
    /// comment for setting it. Resetting sets the first predefined color. Emits
    /// selColorChanged. Set while a form is being read (csLoading), the color is looked
    /// up when Loaded runs, among the entries the form leaves.
    TColor SelColor() const;
    void SetSelColor(TColor value);
    VEK_COLOR_PROPERTY(SelColor, PredefinedColor(1))
    /// The name of the selected entry; empty while the list selects nothing.
    QString SelColorID() const;

    /// Entry Index (1..NumColors): its color (0 outside), its name (empty outside) and
    /// whether the user may change its color (false outside; default false). Writes
    /// outside the range are ignored. Writing a color renames the entry through
    /// OnColorNameChange; writing a name stores it as given.
    TColor Colors(int Index) const;
    void SetColors(int Index, TColor value);
    QString ColorNames(int Index) const;
    void SetColorNames(int Index, const QString& value);
    bool ColorEditAllowed(int Index) const;
    void SetColorEditAllowed(int Index, bool value);
    /// Allow or forbid color editing for all 47 entries.
    void SetAllColorEditFlags();
    void ResetAllColorEditFlags();

    /// Palettes: each selects entry 1 and names the colors through OnColorNameChange.
    void LoadBasicVGAPalette();      ///< 16 basic VGA colors
    void LoadExtendedPalette();      ///< the 16 plus 4 named extra colors
    void LoadStandardPalette();      ///< all 47 predefined colors
    void LoadWindowsSystemPalette(); ///< the 27 theme (system) colors

    /// Bar, gap and the longest name of the entries in use.
    QSize sizeHint() const override;
    /// Bar, gap and a few letters of a name.
    QSize minimumSizeHint() const override;

    /// Called with every name generated from a color; the handler may rewrite it.
    TOnColorNameChangeEvent OnColorNameChange;

Q_SIGNALS:
    /// SelColor changed (by the user or by code); the color resolved through the palette.
    void selColorChanged(const QColor& color);

protected:
    void Loaded() override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void Click() override;
    void DropDown() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    bool InRange(int Index) const { return Index >= 1 && Index <= NumColors(); }
    // ColorToString of color, passed through OnColorNameChange.
    QString GeneratedName(TColor color);
    void StoreColor(int Index, TColor color, TColor nameSource);
    void LoadPalette(int count, int firstSource);
    void ReloadList();
    void SyncSelection(int itemIndex);
    // Emits selColorChanged when SelColor differs from the color last reported.
    void NotifySelColor();
    void EditSelectedColor();
    void DrawColorBar(const TRect& Rect, int Entry);
    void DrawEditMark(const TRect& Rect, TColor color);
};

} // namespace vek
