// The numeric entry fields and the number texts behind them.
//
// TNumIO is a single-line edit box for numbers. The user types freely; after every
// change the field checks the whole text against its input format and range. A text
// that is not acceptable is replaced at once by the last accepted one (optionally with
// a beep), so a refused keystroke simply disappears. Incomplete numbers ("", "-", "$",
// "1e") are acceptable while typing; they count as 0, and 0 is always in range so that
// a field can be cleared and retyped. The application reads and writes the number
// through Value.
//
// Number texts of the numeric entry fields: the input formats, the scanners that read
// numbers out of text, the syntax checks that decide whether a text may stand in a
// field, and the builders that turn numbers back into text.
//
// All functions are pure and never throw: malformed text gives false, a partial
// position or 0; huge values are clamped to +/- uc_MaxDouble; the integer scanners
// accumulate in 32 bits and wrap on overflow. Positions are 1-based, as the fields'
// caret arithmetic uses them; "position == text length + 1" means the whole text was
// read. A position outside 1 .. length + 1 is moved to the nearest end first.
//
// TNumIO2: a numeric input field that draws everything itself, with its own caret,
// selection, optional spin buttons and an optional gauge strip:
//
//   | LeftText |[  12.50  ]|^| RightText |
//   |          [gauge strip ====      ]             |
//   0      LeftSpace  +TextBoxWidth  +ButSpace+ButWidth   Width
//
// Every keystroke is validated against InputFormat; a key that would make the text
// unacceptable is taken back. The caret blinks only while the field has the focus. A
// value outside RangeLow .. RangeHigh is shown in the warning colors. The spin buttons
// step by ButIncrem, or from pivot to pivot when ButtonPivots is not empty; a click or a
// drag in the gauge sets the value by position.
//
// Keys are mapped by their place on a US keyboard: digits (keypad too), A..F, "+", "-",
// "," and "."; Shift+4/5/6 give the itDynamic prefixes "$", "%" and "&". Ctrl+C, Ctrl+V
// and Ctrl+X use the clipboard.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/controls/controls.h>
#include <frame/controls/customedit.h>
#include <frame/core/errors.h>

#include <QObject>
#include <QString>
#include <QStringView>
#include <vector>

namespace vek {

// Holder of the TInFormat enumeration, so that it is known to Qt's meta-object system
// (properties, Designer) while the values stay plain names in namespace vek.
class VEK_EXPORT TInFormatMeta {
    Q_GADGET

public:
    // Text form a numeric field accepts. Ordinals are stored in forms; they never change.
    enum TInFormat {
        itExp = 0,      // decimal number with optional exponent ("1.5E-3")
        itFloat = 1,    // decimal number without exponent
        itFixPoint = 2, // decimal number with a fixed number of decimal places
        itInt = 3,      // signed decimal integer
        itHex = 4,      // hexadecimal digits
        itOct = 5,      // octal digits
        itBin = 6,      // binary digits
        itDynamic = 7,  // first character picks: "$" hex, "%" binary, "&" octal, else decimal
    };
    Q_ENUM(TInFormat)
};
using TInFormat = TInFormatMeta::TInFormat;
using enum TInFormatMeta::TInFormat;

// Which characters a scanner takes as decimal separator: a bit set of smPoint ("."),
// smComma (","); smBoth accepts either.
enum TSeparatorMode : int { smPoint = 1, smComma = 2, smBoth = 3 };

// The scanners' separator mode for a field's separator choice: point, comma and both
// map to themselves; the system choice gives smComma when the current locale writes
// "," and smPoint otherwise.
VEK_EXPORT TSeparatorMode SeparatorModeOf(TDecPSep separator);

// ---- scanners ---------------------------------------------------------------------------

// Reads a decimal number from text at position: leading blanks, an optional sign,
// digits, one separator, more digits and (when exponentAllowed) "E" or "e", an optional
// sign and exponent digits. The exponent keeps its longest prefix of at most 4200 while
// the rest of its digits is skipped. Position ends on the character that ended the
// number (length + 1 when the text was used up). Malformed text (a sign without digits
// after it, "E" at the start) gives 0; a trailing "E" or "E+" without digits is ignored.
// The result is clamped to +/- uc_MaxDouble.
VEK_EXPORT double ScanFloat(QStringView text, bool exponentAllowed, int separatorMode,
                            qsizetype& position);

// Reads a decimal integer at position: blanks, an optional sign, digits. Position ends
// on the first character that is not a digit. Wraps at 32 bits; overflow (when given) is
// set when the digits did not fit in a signed 32-bit integer.
VEK_EXPORT qint32 ScanInt(QStringView text, qsizetype& position, bool* overflow = nullptr);

// Read hexadecimal, octal or binary digits at position (after blanks; ScanHex also skips
// a "$" that is the very first character of the text). The 32-bit pattern is returned as
// a signed integer, so "FFFFFFFF" is -1. Overflow (when given) is set when the digits
// needed more than 32 bits.
VEK_EXPORT qint32 ScanHex(QStringView text, qsizetype& position, bool* overflow = nullptr);
VEK_EXPORT qint32 ScanOct(QStringView text, qsizetype& position, bool* overflow = nullptr);
VEK_EXPORT qint32 ScanBin(QStringView text, qsizetype& position, bool* overflow = nullptr);

// ---- syntax checks: may the text stand in a field of this format? ------------------------

// The whole text is a number as ScanFloat reads it (a trailing "E" or "E+" counts), with
// an exponent of at most 4200. False for the empty text.
VEK_EXPORT bool IsValidExpText(QStringView text, bool exponentAllowed, TDecPSep separator);
// Sign, digits, one separator, digits, each part optional ("-", ".", "12." and ".5" pass);
// false for the empty text, a second separator, blanks and everything else.
VEK_EXPORT bool IsValidFixedText(QStringView text, TDecPSep separator);
// A digit, or a sign or digit followed by digits.
VEK_EXPORT bool IsValidIntText(QStringView text);
// Not empty and only hexadecimal / octal / binary digits.
VEK_EXPORT bool IsValidHexText(QStringView text);
VEK_EXPORT bool IsValidOctText(QStringView text);
VEK_EXPORT bool IsValidBinText(QStringView text);

// ---- builders ---------------------------------------------------------------------------

// Decimals >= 0: fixed notation with that many decimals, right-aligned in at least width
// characters ("." as point, width 1 = no padding). Decimals < 0: scientific notation
// width characters wide with width - 6 significant digits and a two-digit exponent
// (" 1.23457E+03" for width 12); a value whose exponent needs three digits gives width
// asterisks.
VEK_EXPORT QString FormatReal(int width, int decimals, double value);

// Exactly digits digits (at most 8, 11 and 32; 0 or less gives one) of value, taken from
// its least significant end: leading zeros are kept, higher bits dropped. Upper-case hex.
VEK_EXPORT QString FormatHex(quint32 value, int digits);
VEK_EXPORT QString FormatOct(quint32 value, int digits);
VEK_EXPORT QString FormatBin(quint32 value, int digits);

// ---- conversion of a field text ---------------------------------------------------------

// Converts the text of a numeric field in the given format. Returns false for the empty
// text (value untouched); otherwise sets value (0 unless a number was read) and returns
// whether the whole text was a number: leading blanks are ignored, any other blank
// fails, a text of blanks is 0. Decimal formats read with ScanFloat (itExp ignores a
// trailing "e", "e+" or "e-"); itInt reads with ScanInt; itHex, itOct and itBin read
// their digits as a 32-bit pattern (the texts FormatHex & co. write). Integer texts
// whose digits do not fit in 32 bits fail rather than wrap.
VEK_EXPORT bool ConvertNumString(QStringView text, TInFormat format, int separatorMode,
                                 double& value);

} // namespace vek


namespace vek {

class VEK_EXPORT TNumIO : public TCustomEdit {
    Q_OBJECT
    Q_PROPERTY(vek::TInFormatMeta::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(vek::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
    Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)
    Q_PROPERTY(double Value READ Value WRITE SetValue STORED false)

public:
    // Created in a form designer the range is -uc_MaxDouble .. uc_MaxDouble; created at
    // run time it is 0 .. 0 until the application (or the stored form) sets it.
    explicit TNumIO(QWidget* parent = nullptr);

    // Text form accepted (default itDynamic). Changing it re-checks the text; a text
    // that does not fit the new format is cleared.
    TInFormat InputFormat() const { return FInFormat; }
    void SetInputFormat(TInFormat value);
    // Decimal places of itFixPoint, 1..8 (default 2); the text is rewritten with them
    // on the next change.
    int FixPointDecPlaces() const { return FFixPDecPl; }
    void SetFixPointDecPlaces(int value);
    // Accepted range. A bound set beyond the other one swaps roles with it (RangeLow 50
    // while RangeHigh is 20 gives 20 .. 50). Every assignment re-checks the text.
    double RangeLow() const { return FMinimum; }
    void SetRangeLow(double value);
    double RangeHigh() const { return FMaximum; }
    void SetRangeHigh(double value);
    // Decimal separator accepted by the decimal formats (default: the system's).
    // itFixPoint texts always write "." and accept it besides the chosen one.
    TDecPSep DecPlaceSep() const { return FDecPSep; }
    void SetDecPlaceSep(TDecPSep value);
    // Beep when an input is refused (default false).
    bool Beep() const { return FBeep; }
    void SetBeep(bool value) { FBeep = value; }

    // The number in the text (0 when it is incomplete or empty). Writing builds the text
    // without checking it against the range: " 1.23457E+03" (itExp, itDynamic), eight
    // decimals (itFloat), FixPointDecPlaces decimals, an integer, or eight hex, octal or
    // binary digits of the rounded value (low bits only). OnChange does not fire. The
    // written text is what a later refused keystroke falls back to. A value whose
    // exponent needs three digits shows as asterisks and reads back as 0; an integer
    // text beyond 32 bits reads back as 0 as well.
    double Value() const;
    void SetValue(double value);

    // Converts Text by InputFormat and DecPlaceSep; see the free ConvertNumString.
    bool ConvertNumString(const QString& Text, double& Value) const;

    // From another TNumIO: InputFormat, Beep, RangeLow, RangeHigh and DecPlaceSep; the
    // text is then re-checked.
    void Assign(const TPersistent* Source) override;

protected:
    // The check of every text change (see the class comment); fires OnChange only for
    // accepted texts.
    void Change() override;
    void Loaded() override;
    void AssignTo(TPersistent* Dest) const override;

private:
    void Recheck();
    bool ConvertForCheck(const QString& text, double& value) const;
    void MoveCaretForFixPoint(const QString& text);
    void RewriteFixPoint(double value);
    bool InRange(double value) const;
    void Refuse();

    TInFormat FInFormat = itDynamic;
    int FFixPDecPl = 2;
    QString FOldText;
    bool FBeep = false;
    double FMinimum = 0;
    double FMaximum = 0;
    TDecPSep FDecPSep = dsSystemDefault;
};

} // namespace vek

namespace vek {

class TTimerWindow;

// The failures of TNumIO2: "integer overflow" of IntegerValue and "no timer available".
class VEK_EXPORT EVEKNumIO2Error : public EVEKError {
public:
    using EVEKError::EVEKError;
};

class VEK_EXPORT TNumIO2 : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)
    Q_PROPERTY(bool ButVisible READ ButVisible WRITE SetButVisible)
    Q_PROPERTY(bool But3D READ But3D WRITE SetBut3D)
    Q_PROPERTY(int ButHeight READ ButHeight WRITE SetButHeight)
    Q_PROPERTY(int ButWidth READ ButWidth WRITE SetButWidth)
    Q_PROPERTY(double ButIncrem READ ButIncrem WRITE SetButIncrem)
    Q_PROPERTY(int ButSpace READ ButSpace WRITE SetButSpace)
    Q_PROPERTY(quint32 ButColor READ ButColor WRITE SetButColor)
    Q_PROPERTY(quint32 ColorBoxBG READ ColorBoxBG WRITE SetColorBoxBG)
    Q_PROPERTY(quint32 ColorBoxText READ ColorBoxText WRITE SetColorBoxText)
    Q_PROPERTY(quint32 ColorOutBG READ ColorOutBG WRITE SetColorOutBG)
    Q_PROPERTY(quint32 ColorOutText READ ColorOutText WRITE SetColorOutText)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(quint32 ColorWarnBG READ ColorWarnBG WRITE SetColorWarnBG)
    Q_PROPERTY(quint32 ColorWarnText READ ColorWarnText WRITE SetColorWarnText)
    Q_PROPERTY(vek::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(quint32 GaugeColor READ GaugeColor WRITE SetGaugeColor)
    Q_PROPERTY(quint32 GaugeColorBg READ GaugeColorBg WRITE SetGaugeColorBg)
    Q_PROPERTY(quint32 GaugeColorFrame READ GaugeColorFrame WRITE SetGaugeColorFrame)
    Q_PROPERTY(vek::TFrameStyle GaugeFrameStyle READ GaugeFrameStyle WRITE SetGaugeFrameStyle)
    Q_PROPERTY(int GaugeHeight READ GaugeHeight WRITE SetGaugeHeight)
    Q_PROPERTY(int GaugeLeftMargin READ GaugeLeftMargin WRITE SetGaugeLeftMargin)
    Q_PROPERTY(int GaugeTopMargin READ GaugeTopMargin WRITE SetGaugeTopMargin)
    Q_PROPERTY(bool GaugeVisible READ GaugeVisible WRITE SetGaugeVisible)
    Q_PROPERTY(int GaugeWidth READ GaugeWidth WRITE SetGaugeWidth)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(vek::TInFormatMeta::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(vek::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(vek::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
    Q_PROPERTY(int SignificantDigits READ SignificantDigits WRITE SetSignificantDigits)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int TextBoxWidth READ TextBoxWidth WRITE SetTextBoxWidth)
    Q_PROPERTY(double Value READ Value WRITE SetValue)

public:
    // (Sender, Shift, GaugeValue): the value the gauge is being dragged to.
    using TOnGaugeChangeEvent =
        std::function<void(TObject* Sender, TShiftState Shift, double GaugeValue)>;

    // 160 x 28 pixels, itFloat with two decimals, range 0 .. 1000, a sunken box 80
    // pixels wide after a 35-pixel caption area. Starts the caret timer; raises
    // EVEKNumIO2Error "no timer available" when the system has none left.
    explicit TNumIO2(QWidget* parent = nullptr);
    ~TNumIO2() override;

    // ---- text box
    // Alignment of the text in the box (default taCenter).
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // The height follows the font (text height of "E0" + 6, at least 18) at each paint.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Beep when a keystroke is refused or a key has no meaning here (default false).
    bool Beep() const { return FBeep; }
    void SetBeep(bool value) { FBeep = value; }
    TColor ColorBoxBG() const { return FColorBoxBG; }
    void SetColorBoxBG(TColor value);
    TColor ColorBoxText() const { return FColorBoxText; }
    void SetColorBoxText(TColor value);
    // Box colors while the value is out of range (OutOfRange).
    TColor ColorWarnBG() const { return FColorWarnBG; }
    void SetColorWarnBG(TColor value);
    TColor ColorWarnText() const { return FColorWarnTxt; }
    void SetColorWarnText(TColor value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Selection stays visible while the field has no focus when false (default true).
    bool HideSelection() const { return FHideSel; }
    void SetHideSelection(bool value);
    // Keys other than Ctrl+C are ignored; the caret is hidden. Spin buttons and gauge
    // still work: they are the means to change a read-only field.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // Width of the text box (its frame adds 2 pixels).
    int TextBoxWidth() const { return FTextBoxWidth; }
    void SetTextBoxWidth(int value);

    // ---- side texts and outside colors
    // Width of the caption area left of the box; negative values are ignored, larger
    // ones than the control's width are reduced to it.
    int LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int value);
    QString LeftText() const { return FLeftText; }
    void SetLeftText(const QString& value);
    TAlignment LeftTextAlignment() const { return FLTAlignment; }
    void SetLeftTextAlignment(TAlignment value);
    QString RightText() const { return FRightText; }
    void SetRightText(const QString& value);
    TAlignment RightTextAlignment() const { return FRTAlignment; }
    void SetRightTextAlignment(TAlignment value);
    TColor ColorOutBG() const { return FColorOutBG; }
    void SetColorOutBG(TColor value);
    TColor ColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor value);
    // 0: frame lines $808080/$FFFFFF; otherwise the theme's button shadow/highlight.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);

    // ---- number format and range
    // Text form accepted. Changing it rewrites the current value in the new form.
    TInFormat InputFormat() const { return FInputFormat; }
    void SetInputFormat(TInFormat value);
    // Decimals of itFloat and itFixPoint, 1..15 (0 and less are ignored).
    int FixPointDecPlaces() const { return FDecP; }
    void SetFixPointDecPlaces(int value);
    // Significant digits of itExp, 1..15 (0 and less are ignored).
    int SignificantDigits() const { return FSigDig; }
    void SetSignificantDigits(int value);
    // Decimal separator typed and accepted (default both). Choosing one converts the
    // separator already in the text.
    TDecPSep DecPlaceSep() const { return FDecPSep; }
    void SetDecPlaceSep(TDecPSep value);
    // Range of the gauge and of the spin buttons; a value outside it is shown in the
    // warning colors. A bound set beyond the other one moves the other along. NaN is
    // ignored.
    double RangeHigh() const { return FMaximum; }
    void SetRangeHigh(double value);
    double RangeLow() const { return FMinimum; }
    void SetRangeLow(double value);

    // ---- spin buttons (right of the box)
    bool ButVisible() const { return FButVisible; }
    void SetButVisible(bool value);
    bool But3D() const { return FBut3D; }
    void SetBut3D(bool value);
    // Height of both buttons together, 18 .. Height.
    int ButHeight() const { return FButHeight; }
    void SetButHeight(int value);
    // 8 .. 50 pixels.
    int ButWidth() const { return FButWidth; }
    void SetButWidth(int value);
    // Step of a button click without pivots (NaN is ignored).
    double ButIncrem() const { return FButIncrem; }
    void SetButIncrem(double value);
    // Gap between box and buttons, 0 .. 50.
    int ButSpace() const { return FButSpace; }
    void SetButSpace(int value);
    TColor ButColor() const { return FButColor; }
    void SetButColor(TColor value);

    // ---- gauge strip (along the bottom)
    bool GaugeVisible() const { return FGaugeVisib; }
    void SetGaugeVisible(bool value);
    TColor GaugeColor() const { return FGaugeColor; }
    void SetGaugeColor(TColor value);
    TColor GaugeColorBg() const { return FGaugeColorBg; }
    void SetGaugeColorBg(TColor value);
    TColor GaugeColorFrame() const { return FGaugeColorFrm; }
    void SetGaugeColorFrame(TColor value);
    TFrameStyle GaugeFrameStyle() const { return FGaugeFrameSt; }
    void SetGaugeFrameStyle(TFrameStyle value);
    // At most Height - GaugeTopMargin - 18, then at least 3.
    int GaugeHeight() const { return FGaugeHeight; }
    void SetGaugeHeight(int value);
    // At most Width - GaugeWidth, then at least 0.
    int GaugeLeftMargin() const { return FGaugeLeftMarg; }
    void SetGaugeLeftMargin(int value);
    // Gap above the gauge: at most Height - GaugeHeight - 18, then at least 0.
    int GaugeTopMargin() const { return FGaugeTopMarg; }
    void SetGaugeTopMargin(int value);
    // At least 10, then at most Width - GaugeLeftMargin.
    int GaugeWidth() const { return FGaugeWidth; }
    void SetGaugeWidth(int value);

    // ---- content
    // The text being edited. A text not acceptable in the input format is ignored;
    // otherwise caret and selection go to 0. OnChange does not fire.
    QString Text() const { return FInBuffer; }
    void SetText(const QString& value);
    // The number in the text (0 for an incomplete text; "." and "," are both read).
    // Writing replaces the text with the value in the input format: FixPointDecPlaces
    // decimals (itFloat, itFixPoint), SignificantDigits digits (itExp, " 1.23457E+03"),
    // the rounded integer (itInt, itDynamic) or 8 hex, 11 octal or 32 binary digits;
    // decimal texts use the field's separator. NaN counts as 0 and infinities as the
    // largest finite values. Caret and selection stay; OnChange does not fire.
    double Value() const;
    void SetValue(double value);
    // Value rounded to an integer (ties to even); raises EVEKNumIO2Error "integer
    // overflow" outside the 32-bit range.
    int IntegerValue() const;
    // Value < RangeLow or Value > RangeHigh.
    bool OutOfRange() const;
    // Whether text may stand in the field in the current input format and separator.
    bool CheckValidity(const QString& Instring) const;

    // Selection as character positions, SelBegin <= SelEnd (assignments are clamped to
    // the text).
    int SelBegin() const { return FSelBegin; }
    void SetSelBegin(int value);
    int SelEnd() const { return FSelEnd; }
    void SetSelEnd(int value);
    // Caret position: number of characters before the caret.
    int CaretPos() const { return FCaretPos; }
    // Area under the mouse: 0 caption, 1 text box, 2 right of the box.
    int MouseAreaCode() const { return FMouseAreaCode; }

    // x of the boundary after the first n characters of the text.
    int CharPosToXCoords(int n) const;
    // The character boundary nearest to x, 0 .. length of the text.
    int XCoordsToCharPos(int x) const;

    // Preferred values in ascending order. When not empty, the spin buttons step from
    // pivot to pivot and gauge clicks snap to the nearest pivot.
    std::vector<double> ButtonPivots;

    // Fires OnChange.
    void Changed();
    // Takes the focus and restarts the caret blinking.
    void SetFocus();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Copies the look, format, range, text, caret and selection of another TNumIO2; spin
    // buttons, gauge, Enabled and the events stay as they are.
    void Assign(const TPersistent* Source) override;

    // Fires after the user changed the value: a keystroke, a spin click, or the release
    // of the mouse after a gauge click or drag. Not fired by property assignments.
    TNotifyEvent OnChange;
    // Fires while the gauge is dragged, with the new value.
    TOnGaugeChangeEvent OnGaugeChange;

protected:
    void AssignTo(TPersistent* Dest) const override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Click() override;
    void DoEnter() override;
    void DoExit() override;

private:
    // Which part of the control a left press started in; a drag acts on that part only.
    enum class TDragArea { None, Text, Gauge };

    template <typename T>
    void Change(T& field, const T& value);
    QString TextOfValue(double value) const;
    void ClampPositions();

    // geometry
    int GaugeStripHeight() const;
    int TextWidthOf(const QString& text) const;
    int TextLeft(int textWidth) const;
    double GaugeValueAt(int x) const;
    int NearestPivot(double value) const;
    double SpinResult(double value, bool up) const;

    // painting
    void PaintSideTexts(TCanvas* canvas, int y0, int buttonArea);
    void PaintButtons(TCanvas* canvas);
    void PaintGauge(TCanvas* canvas);
    void PaintBox(TCanvas* canvas);
    void PaintBoxText(TCanvas* canvas, int y0);
    void PaintSelection(TCanvas* canvas);
    TColor FrameEdgeColor(TFrameStyle style, TColor singleColor) const;
    void DrawEdges(TCanvas* canvas, TFrameStyle style, int l, int t, int r, int b) const;

    // keyboard
    bool AcceptableWhileTyping(const QString& text) const;
    bool HandleCtrlKey(int key);
    bool HandlePlainKey(int key, TShiftState shift);
    void DeleteSelection(bool writeZeroWhenEmpty);
    void InsertText(const QString& text);
    void SelectFixPointDigit();

    // mouse
    double SetValueFromGauge(int x);
    void StepBySpinButton(int y);
    bool InSpinButtons(int x, int y) const;
    bool InGauge(int x, int y, int tolerance) const;

    // caret timer
    void UpdateTimer();
    void StopCaret();
    void CaretTick();

    int FLeftSpace = 35;
    bool FSuppressPaint = true;
    int FTextBoxWidth = 80;
    bool FValueChanged = false;
    int FDecP = 2;
    int FSigDig = 6;
    int FButWidth = 18;
    int FButSpace = 3;
    double FButIncrem = 1;
    bool FButVisible = false;
    bool FBut3D = true;
    int FButHeight = 28;
    TColor FButColor = 0xC0C0C0;
    TTimerWindow* FCaretTimerH = nullptr;
    QString FInBuffer;
    int FCaretPos = 0;
    bool FCaretVisib = true;
    bool FGaugeVisib = false;
    int FGaugeHeight = 8;
    int FGaugeWidth = 82;
    int FGaugeLeftMarg = 35;
    int FGaugeTopMarg = 3;
    TColor FGaugeColor = 0x800000;
    TColor FGaugeColorBg = 0xC0C0C0;
    TColor FGaugeColorFrm = 0x808080;
    TFrameStyle FGaugeFrameSt = fsLowered;
    QString FLeftText;
    QString FRightText;
    TFrameStyle FFrameStyle = fsLowered;
    TAlignment FAlignment = taCenter;
    TAlignment FLTAlignment = taRightJustify;
    TAlignment FRTAlignment = taLeftJustify;
    int FMouseAreaCode = 0;
    TColor FColorBoxBG = 0xFFFFFF;
    TColor FColorBoxText = clBlack;
    TColor FColorOutBG = clBtnFace;
    TColor FColorOutText = clBlack;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColor FColorWarnBG = 0x6088FFF0;
    TColor FColorWarnTxt = 0x0000FF;
    TColorScheme FColorScheme = csFixedGrays;
    int FSelBegin = 0;
    int FSelEnd = 0;
    TDecPSep FDecPSep = dsBoth;
    TInFormat FInputFormat = itFloat;
    bool FKeyShifted = false;
    bool FKeyCntrl = false;
    bool FHideSel = true;
    double FMaximum = 1000;
    double FMinimum = 0;
    bool FOnlineCheck = true;
    bool FBeep = false;
    bool FReadOnly = false;
    bool FAutoSize = false;
    TDragArea FDragArea = TDragArea::None;
};

} // namespace vek
