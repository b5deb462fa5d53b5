// TNumIO2's private data and the steps of its painting, keyboard, mouse and caret
// handling.
#pragma once

#include "VEK_NumIO.h"

#include <frame/baselib/drawing.h>

namespace vek {

class TTimerWindow;

namespace numio2 {

// The settings Assign copies from another field: look, format, range, text, caret and
// selection.
struct TSettings {
    int leftSpace = 35;
    int textBoxWidth = 80;
    int decP = 2;
    int sigDig = 6;
    QString leftText;
    QString rightText;
    TFrameStyle frameStyle = fsLowered;
    TAlignment alignment = taCenter;
    TAlignment rightTextAlignment = taLeftJustify;
    TAlignment leftTextAlignment = taRightJustify;
    TColor colorBoxBG = 0xFFFFFF;
    TColor colorBoxText = clBlack;
    TColor colorOutBG = clBtnFace;
    TColor colorOutText = clBtnText; // the face's own text color: both follow a theme
    TColorScheme colorScheme = csFixedGrays;
    TSchemeLineColors lines = SchemeLineColors(csFixedGrays);
    TInFormat inputFormat = itFloat;
    QString inBuffer;
    int caretPos = 0;
    bool caretVisible = true;
    int mouseAreaCode = 0;
    TColor colorWarnBG = 0x6088FFF0;
    TColor colorWarnText = 0x0000FF;
    int selBegin = 0;
    int selEnd = 0;
    TDecPSep decPSep = dsBoth;
    bool keyShifted = false;
    bool keyCtrl = false;
    bool hideSelection = true;
    double maximum = 1000;
    double minimum = 0;
    // Keystrokes are validated while it is set; nothing clears it.
    bool onlineCheck = true;
    bool beep = false;
    bool readOnly = false;
    bool autoSize = false;
};

// The spin buttons right of the box.
struct TSpinButtons {
    bool visible = false;
    bool threeD = true;
    int width = 18;
    int height = 28; // both buttons together
    int space = 3;   // gap between box and buttons
    double increment = 1;
    TColor color = 0xC0C0C0;
};

// The gauge strip along the bottom.
struct TGaugeStrip {
    bool visible = false;
    int height = 8;
    int width = 82;
    int leftMargin = 35;
    int topMargin = 3;
    TColor color = 0x800000;
    TColor colorBg = 0xC0C0C0;
    TColor colorFrame = 0x808080;
    TFrameStyle frameStyle = fsLowered;
};

// Sends the accessibility events of the field's changes (numio2_accessible.cpp).
void AnnounceChanges(TNumIO2* field);

} // namespace numio2

// Besides the copied settings: spin buttons, gauge, the caret timer and the state of
// paint, mouse and notification, which each field keeps to itself.
struct TNumIO2::Private : numio2::TSettings {
    explicit Private(TNumIO2* owner) : q(owner) {}

    // Which part of the control a left press started in; a drag acts on that part only.
    enum class TDragArea { None, Text, Gauge };

    TNumIO2* const q;
    numio2::TSpinButtons buttons;
    numio2::TGaugeStrip gauge;
    TTimerWindow* caretTimer = nullptr;
    // Set until the window exists; Paint does nothing meanwhile.
    bool suppressPaint = true;
    // A gauge click or drag changed the value; OnChange is due at the mouse-up.
    bool valueChanged = false;
    TDragArea dragArea = TDragArea::None;
    // The Value valueChanged reported last.
    double notifiedValue = 0;

    // ---- value and text (numio2_value.cpp)
    // Stores a digit count of the texts (1..15; 0 and less are ignored) and rewrites the
    // value with it.
    void SetDigitCount(int& count, int value);
    QString TextOfValue(double value) const;
    // The text becomes that of value; caret and selection stay within it. No repaint.
    void WriteValue(double value);
    // A shorter text (a new value, a deletion) must not leave caret or selection beyond it.
    void ClampPositions();
    // Emits valueChanged when Value differs from the one reported last.
    void NotifyValue();

    // ---- geometry (numio2_layout.cpp)
    // Rows reserved for the gauge at the bottom (0 when it is hidden).
    int GaugeStripHeight() const;
    int TextWidthOf(const QString& text) const;
    // x of the first character of a text of this width in the box, by Alignment.
    int TextLeft(int textWidth) const;
    // The value the gauge gives at x, before snapping and clamping.
    double GaugeValueAt(int x) const;
    // Index of the pivot nearest to value (the first one on ties); -1 without pivots.
    int NearestPivot(double value) const;
    double SpinResult(double value, bool up) const;
    bool InSpinButtons(int x, int y) const;
    // Inside the gauge strip, widened by tolerance pixels left and right.
    bool InGauge(int x, int y, int tolerance) const;

    // ---- painting (numio2_paint.cpp)
    void PaintButtons(TCanvas* canvas) const;
    void PaintGauge(TCanvas* canvas) const;
    void PaintBox(TCanvas* canvas) const;
    void PaintBoxText(TCanvas* canvas, int y0) const;
    void PaintSelection(TCanvas* canvas) const;
    TColor FrameEdgeColor(TFrameStyle style, TColor singleColor) const;
    void DrawEdges(TCanvas* canvas, TFrameStyle style, int l, int t, int r, int b) const;

    // ---- keyboard (numio2_keys.cpp)
    bool AcceptableWhileTyping(const QString& text) const;
    // Ctrl+C, Ctrl+V, Ctrl+X and keys without Ctrl; each returns whether the text changed.
    bool HandleCtrlKey(int key);
    bool HandlePlainKey(int key, TShiftState shift);
    void DeleteSelection(bool writeZeroWhenEmpty);
    void InsertText(const QString& text);
    void SelectFixPointDigit();

    // ---- mouse (numio2_mouse.cpp)
    double SetValueFromGauge(int x);
    void StepBySpinButton(int y);

    // ---- caret (numio2_caret.cpp)
    void UpdateTimer();
    void StopCaret();
    void CaretTick();
};

} // namespace vek
