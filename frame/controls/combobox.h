// TCustomComboBox: a drop-down list on QComboBox that shares the component model and the
// input events of the other controls, the base of the owner-drawn selectors (colors,
// marker symbols).
//
// In the owner-drawn fixed style every entry is painted by the virtual DrawItem through
// Canvas(), both in the closed box and in the dropped-down list, and every entry is
// ItemHeight pixels high. Before DrawItem runs, the entry's rectangle is filled with the
// control's Color (the highlight color for the selected entry of the open list) and the
// canvas font is the control's Font; the default DrawItem raises OnDrawItem or, without a
// handler, writes the item text.
//
// The user's choice arrives as Click (default: OnClick) followed by Select (default:
// OnSelect, or Change when OnSelect is not assigned; Change raises OnChange). Setting
// ItemIndex from code raises none of them, so an application can mirror state without
// feedback loops. DropDown runs just before the list opens (default: OnDropDown).
//
// The Qt signals are QComboBox's own: activated(int) for the user's choice (the signal of
// OnSelect and OnChange) and currentIndexChanged(int) for every change of ItemIndex, by
// the user or by code.
#pragma once

#include "inputevents.h"
#include "widgetcomponent.h"

#include <frame/canvas/canvas.h>
#include <frame/canvas/colors.h>

#include <QComboBox>
#include <QStringList>

#include <memory>

namespace vek {

/// The state of the entry handed to DrawItem.
enum TOwnerDrawStateFlag {
    odSelected = 0x0001,     ///< the highlighted entry of the open list
    odDisabled = 0x0004,     ///< the control is disabled
    odFocused = 0x0010,      ///< the closed box has the keyboard focus
    odComboBoxEdit = 0x1000, ///< drawn in the closed box, not in the list
};
/// A combination of TOwnerDrawStateFlag values.
using TOwnerDrawState = int;

/// Draws entry Index into Rect on the combo box's Canvas().
using TDrawItemEvent =
    std::function<void(TObject* Sender, int Index, const TRect& Rect, TOwnerDrawState State)>;

/// A drop-down list on QComboBox with the component model, input events and owner-drawn
/// entries (DrawItem on the box's Canvas()).
class VEK_EXPORT TCustomComboBox : public QComboBox, public TWidgetComponent, public TInputEvents {
    Q_OBJECT
    // QComboBox's currentIndex is the same state and carries the NOTIFY
    // (currentIndexChanged): moc cannot name an inherited signal with parameters here.
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(TComboStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QColor Color READ qColor WRITE setQColor RESET resetColor)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    /// csDropDownList: Qt draws the entries as text; csOwnerDrawFixed: DrawItem draws
    /// them.
    enum TComboStyle { csDropDownList = 2, csOwnerDrawFixed = 3 };
    Q_ENUM(TComboStyle)

    /// An empty list in the csDropDownList style.
    explicit TCustomComboBox(QWidget* parent = nullptr);
    ~TCustomComboBox() override;

    // ---- items and selection; indices count from 0, -1 is "no entry selected"
    /// The entries' texts; default none. Setting them replaces all entries.
    QStringList Items() const;
    void SetItems(const QStringList& items);
    /// Appends an entry (the first one added is selected).
    void AddItem(const QString& item) { addItem(item); }
    /// Removes all entries; nothing is selected then.
    void ClearItems() { clear(); }
    /// The number of entries.
    int ItemCount() const { return count(); }
    /// The selected entry, -1 for none (the first entry once there are entries).
    /// Selecting from code raises neither Click, Select nor Change; out-of-range values
    /// select nothing. Emits currentIndexChanged (by code and by the user).
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int value);
    /// The selected entry's text; empty without selection.
    QString Text() const { return currentText(); }

    // ---- appearance
    /// Default csDropDownList.
    TComboStyle Style() const;
    void SetStyle(TComboStyle value);
    /// Height of one entry in the owner-drawn style (default 16); values below 1 are
    /// ignored. The closed box grows with it.
    int ItemHeight() const;
    void SetItemHeight(int value);
    /// Entries visible in the open list before it scrolls, at least 1 (default 8).
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int value) { setMaxVisibleItems(std::max(1, value)); }
    /// Background of the owner-drawn entries (default clWindow, following the theme).
    TColor Color() const;
    void SetColor(TColor value);
    VEK_COLOR_PROPERTY(Color, clWindow)
    /// Whether Tab reaches the box (default true).
    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    /// Whether the list is open.
    bool DroppedDown() const;
    /// Opens (true) or closes (false) the list as the user would; opening runs DropDown.
    void SetDroppedDown(bool value);

    /// The rectangle of the entry shown in the closed box, in widget coordinates.
    TRect EditItemRect() const;
    /// Repaints the closed box and the open list.
    void Refresh();
    /// The canvas DrawItem draws on; only valid while DrawItem runs.
    TCanvas* Canvas();

    // ---- events
    /// The user chose an entry and OnSelect is not assigned (signal: activated).
    TNotifyEvent OnChange;
    /// The user chose an entry (signal: activated).
    TNotifyEvent OnSelect;
    /// The list is about to open.
    TNotifyEvent OnDropDown;
    /// The list closed.
    TNotifyEvent OnCloseUp;
    /// Draws an owner-drawn entry in place of the default text.
    TDrawItemEvent OnDrawItem;

    /// Opens the list after DropDown (once; an open list stays open).
    void showPopup() override;
    /// Closes the list, then CloseUp (once).
    void hidePopup() override;
    /// In the owner-drawn style as high as one entry of ItemHeight plus the box's frame.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Draws entry Index into Rect on Canvas(); see the class comment for the setup.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    virtual void DropDown();
    virtual void CloseUp();
    virtual void Select();
    virtual void Change();
    // Font() is the font of the entries; its Color is the text color.
    void FontChanged() override;
    TObject* EventSender() override { return this; }
    /// The size of the closed box around an entry of contentWidth x ItemHeight.
    QSize BoxSizeFor(int contentWidth) const;

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    friend class TComboItemDelegate;
    // Fills Rect, sets up the canvas on painter and runs DrawItem, shielding the event loop
    // from exceptions.
    void PaintItem(QPainter* painter, int Index, const TRect& Rect, TOwnerDrawState State);
    void UserActivated();
};

} // namespace vek
