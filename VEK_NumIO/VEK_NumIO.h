// The numeric entry unit: the number texts behind numeric fields, and the two fields.
//
// - Number texts: the input formats, the scanners that read numbers out of text, the
//   syntax checks that decide whether a text may stand in a field, and the builders that
//   turn numbers back into text.
// - TNumIO: a numeric edit box on the platform's line edit; it checks each change of the
//   whole text and puts the last accepted text back when a change does not fit.
// - TNumIO2: a numeric field that draws itself, with its own caret and selection,
//   optional spin buttons and an optional gauge strip; it validates every keystroke.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>
#include <frame/controls/customedit.h>
#include <frame/core/errors.h>

#include <QObject>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

namespace vek {

// ---- input formats and separators ------------------------------------------------------

/// Holder of the TInFormat enumeration, so that it is known to Qt's meta-object system
/// (properties, Designer) while the values stay plain names in namespace vek.
class VEK_EXPORT TInFormatMeta {
    Q_GADGET

public:
    /// Text form a numeric field accepts. Ordinals are stored in forms; they never change.
    enum TInFormat {
        itExp = 0,      ///< decimal number with optional exponent ("1.5E-3")
        itFloat = 1,    ///< decimal number without exponent
        itFixPoint = 2, ///< decimal number with a fixed number of decimal places
        itInt = 3,      ///< signed decimal integer
        itHex = 4,      ///< hexadecimal digits
        itOct = 5,      ///< octal digits
        itBin = 6,      ///< binary digits
        itDynamic = 7,  ///< first character picks: "$" hex, "%" binary, "&" octal, else decimal
    };
    Q_ENUM(TInFormat)
};
using TInFormat = TInFormatMeta::TInFormat;
using enum TInFormatMeta::TInFormat;

/// Which characters a scanner takes as decimal separator: a bit set of smPoint ("."),
/// smComma (","); smBoth accepts either.
enum TSeparatorMode : int { smPoint = 1, smComma = 2, smBoth = 3 };

/// The scanners' separator mode for a field's separator choice: point, comma and both
/// map to themselves; the system choice gives smComma when the current locale writes ","
/// and smPoint otherwise.
VEK_EXPORT TSeparatorMode SeparatorModeOf(TDecPSep separator);

// ---- scanners ---------------------------------------------------------------------------
//
// The number text functions below are pure and never throw: malformed text gives false,
// a partial position or 0; huge values are clamped to +/- uc_MaxDouble; the integer
// scanners accumulate in 32 bits and wrap on overflow. Positions are 1-based, as the
// fields' caret arithmetic uses them; "position == text length + 1" means the whole text
// was read. A position outside 1 .. length + 1 is moved to the nearest end first.

/// Reads a decimal number from text at position: leading blanks, an optional sign,
/// digits, one separator, more digits and (when exponentAllowed) "E" or "e", an optional
/// sign and exponent digits. The exponent keeps its longest prefix of at most 4200 while
/// the rest of its digits is skipped. Position ends on the character that ended the
/// number (length + 1 when the text was used up). Malformed text (a sign without digits
/// after it, "E" at the start) gives 0; a trailing "E" or "E+" without digits is ignored.
/// The result is clamped to +/- uc_MaxDouble.
VEK_EXPORT double ScanFloat(QStringView text, bool exponentAllowed, int separatorMode,
                            qsizetype& position);

/// Reads a decimal integer at position: blanks, an optional sign, digits. Position ends
/// on the first character that is not a digit. Wraps at 32 bits; overflow (when given) is
/// set when the digits did not fit in a signed 32-bit integer.
VEK_EXPORT qint32 ScanInt(QStringView text, qsizetype& position, bool* overflow = nullptr);

/// Read hexadecimal, octal or binary digits at position (after blanks; ScanHex also skips
/// a "$" that is the very first character of the text). The 32-bit pattern is returned as
/// a signed integer, so "FFFFFFFF" is -1. Overflow (when given) is set when the digits
/// needed more than 32 bits.
VEK_EXPORT qint32 ScanHex(QStringView text, qsizetype& position, bool* overflow = nullptr);
VEK_EXPORT qint32 ScanOct(QStringView text, qsizetype& position, bool* overflow = nullptr);
VEK_EXPORT qint32 ScanBin(QStringView text, qsizetype& position, bool* overflow = nullptr);

// ---- syntax checks: may the text stand in a field of this format? ------------------------

/// The whole text is a number as ScanFloat reads it (a trailing "E" or "E+" counts), with
/// an exponent of at most 4200. False for the empty text.
VEK_EXPORT bool IsValidExpText(QStringView text, bool exponentAllowed, TDecPSep separator);
/// Sign, digits, one separator, digits, each part optional ("-", ".", "12." and ".5" pass);
/// false for the empty text, a second separator, blanks and everything else.
VEK_EXPORT bool IsValidFixedText(QStringView text, TDecPSep separator);
/// A digit, or a sign or digit followed by digits.
VEK_EXPORT bool IsValidIntText(QStringView text);
/// Not empty and only hexadecimal / octal / binary digits.
VEK_EXPORT bool IsValidHexText(QStringView text);
VEK_EXPORT bool IsValidOctText(QStringView text);
VEK_EXPORT bool IsValidBinText(QStringView text);

// ---- builders ---------------------------------------------------------------------------

/// Decimals >= 0: fixed notation with that many decimals, right-aligned in at least width
/// characters ("." as point, width 1 = no padding). Decimals < 0: scientific notation
/// width characters wide with width - 6 significant digits and a two-digit exponent
/// (" 1.23457E+03" for width 12); a value whose exponent needs three digits gives width
/// asterisks.
VEK_EXPORT QString FormatReal(int width, int decimals, double value);

/// Exactly digits digits (at most 8, 11 and 32; 0 or less gives one) of value, taken from
/// its least significant end: leading zeros are kept, higher bits dropped. Upper-case hex.
VEK_EXPORT QString FormatHex(quint32 value, int digits);
VEK_EXPORT QString FormatOct(quint32 value, int digits);
VEK_EXPORT QString FormatBin(quint32 value, int digits);

// ---- conversion of a field text ---------------------------------------------------------

/// Converts the text of a numeric field in the given format. Returns false for the empty
/// text (value untouched); otherwise sets value (0 unless a number was read) and returns
/// whether the whole text was a number: leading blanks are ignored, any other blank
/// fails, a text of blanks is 0. Decimal formats read with ScanFloat (itExp ignores a
/// trailing "e", "e+" or "e-"); itInt reads with ScanInt; itHex, itOct and itBin read
/// their digits as a 32-bit pattern (the texts FormatHex & co. write). Integer texts
/// whose digits do not fit in 32 bits fail rather than wrap.
VEK_EXPORT bool ConvertNumString(QStringView text, TInFormat format, int separatorMode,
                                 double& value);

// ---- TNumIO -----------------------------------------------------------------------------

/// A single-line edit box for numbers. The user types freely; after every change the
/// field checks the whole text against its input format and range. A text that is not
/// acceptable is replaced at once by the last accepted one (optionally with a beep), so a
/// refused keystroke simply disappears. Incomplete numbers ("", "-", "$", "1e") are
/// acceptable while typing; they count as 0, and 0 is always in range so that a field can
/// be cleared and retyped. The application reads and writes the number through Value.
///
/// OnChange fires for accepted texts only; valueChanged follows it, and follows Value
/// set by code too. QLineEdit's textChanged also reports refused texts on their way out.
/// The size hint is QLineEdit's: room for about 17 characters and one line of the font.
class VEK_EXPORT TNumIO : public TCustomEdit {
    Q_OBJECT
    Q_PROPERTY(vek::TInFormatMeta::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(vek::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
    Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY valueChanged STORED false)

public:
    /// Created in a form designer the range is -uc_MaxDouble .. uc_MaxDouble; created at
    /// run time it is 0 .. 0 until the application (or the stored form) sets it.
    explicit TNumIO(QWidget* parent = nullptr);
    ~TNumIO() override;

    /// Text form accepted (default itDynamic). Changing it re-checks the text; a text
    /// that does not fit the new format is cleared.
    TInFormat InputFormat() const;
    void SetInputFormat(TInFormat value);
    /// Decimal places of itFixPoint, 1..8 (default 2); the text is rewritten with them on
    /// the next change.
    int FixPointDecPlaces() const;
    void SetFixPointDecPlaces(int value);
    /// Lower end of the accepted range (default 0, see the constructor). A bound set
    /// beyond the other one swaps roles with it (RangeLow 50 while RangeHigh is 20 gives
    /// 20 .. 50). Every assignment re-checks the text. While a form is being read
    /// (csLoading) both bounds are stored as given; Loaded orders them.
    double RangeLow() const;
    void SetRangeLow(double value);
    /// Upper end of the accepted range (default 0); as RangeLow.
    double RangeHigh() const;
    void SetRangeHigh(double value);
    /// Decimal separator accepted by the decimal formats (default dsSystemDefault).
    /// itFixPoint texts always write "." and accept it besides the chosen one.
    TDecPSep DecPlaceSep() const;
    void SetDecPlaceSep(TDecPSep value);
    /// Beep when an input is refused (default false).
    bool Beep() const;
    void SetBeep(bool value);

    /// The number in the text (0 when it is incomplete or empty). Writing builds the text
    /// without checking it against the range: " 1.23457E+03" (itExp, itDynamic), eight
    /// decimals (itFloat), FixPointDecPlaces decimals, an integer, or eight hex, octal or
    /// binary digits of the rounded value (low bits only). OnChange does not fire;
    /// valueChanged does when the number changes. The written text is what a later
    /// refused keystroke falls back to. A value whose exponent needs three digits shows
    /// as asterisks and reads back as 0; an integer text beyond 32 bits reads back as 0.
    double Value() const;

    /// Converts Text by InputFormat and DecPlaceSep; see the free ConvertNumString.
    bool ConvertNumString(const QString& Text, double& Value) const;

    /// From another TNumIO: InputFormat, Beep, RangeLow, RangeHigh and DecPlaceSep; the
    /// text is then re-checked.
    void Assign(const TPersistent* Source) override;

public Q_SLOTS:
    /// Sets Value (see there); a slot, so that other widgets can drive it.
    void SetValue(double value);

Q_SIGNALS:
    /// Value changed: right after OnChange for an accepted text, or set by code (SetValue,
    /// a re-check that cleared the text).
    void valueChanged(double value);

protected:
    /// The check of every text change (see the class comment); fires OnChange only for
    /// accepted texts.
    void Change() override;
    void Loaded() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// ---- TNumIO2 ----------------------------------------------------------------------------

/// The failures of TNumIO2: "integer overflow" of IntegerValue and "no timer available".
class VEK_EXPORT EVEKNumIO2Error : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// A numeric input field that draws everything itself, with its own caret, selection,
/// optional spin buttons and an optional gauge strip:
///
///     | LeftText |[  12.50  ]|^| RightText |
///     |          [gauge strip ====      ]             |
///     0      LeftSpace  +TextBoxWidth  +ButSpace+ButWidth   Width
///
/// Every keystroke is validated against InputFormat; a key that would make the text
/// unacceptable is taken back. The caret blinks only while the field has the focus. A
/// value outside RangeLow .. RangeHigh is shown in the warning colors. The spin buttons
/// step by ButIncrem, or from pivot to pivot when ButtonPivots is not empty; a click or a
/// drag in the gauge sets the value by position.
///
/// Keys are mapped by their place on a US keyboard: digits (keypad too), A..F, "+", "-",
/// "," and "."; Shift+4/5/6 give the itDynamic prefixes "$", "%" and "&". Ctrl+C, Ctrl+V
/// and Ctrl+X use the clipboard. Left/Up and Right/Down move the caret, Home and End to
/// the ends; with the spin buttons shown Page Up and Page Down step as they do.
///
/// Created 160 x 28 pixels. sizeHint() is that size, widened to hold box, spin buttons,
/// unit text and gauge, and heightened for larger fonts and the gauge strip; the height
/// is fixed in layouts.
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
    Q_PROPERTY(QColor ButColor READ qButColor WRITE setQButColor RESET resetButColor)
    Q_PROPERTY(QColor ColorBoxBG READ qColorBoxBG WRITE setQColorBoxBG RESET resetColorBoxBG)
    Q_PROPERTY(QColor ColorBoxText READ qColorBoxText WRITE setQColorBoxText RESET resetColorBoxText)
    Q_PROPERTY(QColor ColorOutBG READ qColorOutBG WRITE setQColorOutBG RESET resetColorOutBG)
    Q_PROPERTY(QColor ColorOutText READ qColorOutText WRITE setQColorOutText RESET resetColorOutText)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(QColor ColorWarnBG READ qColorWarnBG WRITE setQColorWarnBG RESET resetColorWarnBG)
    Q_PROPERTY(QColor ColorWarnText READ qColorWarnText WRITE setQColorWarnText RESET resetColorWarnText)
    Q_PROPERTY(vek::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(QColor GaugeColor READ qGaugeColor WRITE setQGaugeColor RESET resetGaugeColor)
    Q_PROPERTY(QColor GaugeColorBg READ qGaugeColorBg WRITE setQGaugeColorBg RESET resetGaugeColorBg)
    Q_PROPERTY(QColor GaugeColorFrame READ qGaugeColorFrame WRITE setQGaugeColorFrame RESET resetGaugeColorFrame)
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
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY valueChanged)

public:
    /// (Sender, Shift, GaugeValue): the value the gauge is being dragged to.
    using TOnGaugeChangeEvent =
        std::function<void(TObject* Sender, TShiftState Shift, double GaugeValue)>;

    /// 160 x 28 pixels, itFloat with two decimals, range 0 .. 1000, a sunken box 80
    /// pixels wide after a 35-pixel caption area. Starts the caret timer; raises
    /// EVEKNumIO2Error "no timer available" when the system has none left.
    explicit TNumIO2(QWidget* parent = nullptr);
    ~TNumIO2() override;

    // ---- text box
    /// Alignment of the text in the box (default taCenter).
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    /// The height follows the font (text height of "E0" + 6, at least 18) at each paint
    /// (default false).
    bool AutoSize() const;
    void SetAutoSize(bool value);
    /// Beep when a keystroke is refused or a key has no meaning here (default false).
    bool Beep() const;
    void SetBeep(bool value);
    /// Background of the box (default $FFFFFF, white).
    TColor ColorBoxBG() const;
    void SetColorBoxBG(TColor value);
    VEK_COLOR_PROPERTY(ColorBoxBG, 0xFFFFFF)
    /// Color of the text in the box and of the caret (default clBlack).
    TColor ColorBoxText() const;
    void SetColorBoxText(TColor value);
    VEK_COLOR_PROPERTY(ColorBoxText, clBlack)
    /// Box background while the value is out of range (default $6088FFF0, kept as
    /// stored; pale yellow). Repaints on every assignment.
    TColor ColorWarnBG() const;
    void SetColorWarnBG(TColor value);
    VEK_COLOR_PROPERTY(ColorWarnBG, 0x6088FFF0)
    /// Box text color while the value is out of range (default $0000FF, red). Repaints on
    /// every assignment.
    TColor ColorWarnText() const;
    void SetColorWarnText(TColor value);
    VEK_COLOR_PROPERTY(ColorWarnText, 0x0000FF)
    /// Frame of the box (default fsLowered).
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// Keep the selection visible while the field has no focus when false (default true).
    bool HideSelection() const;
    void SetHideSelection(bool value);
    /// Keys other than Ctrl+C are ignored and the caret is hidden (default false). Spin
    /// buttons and gauge still work: they are the means to change a read-only field.
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    /// Width of the text box (default 80, 0 .. MaxPixelExtent; its frame adds 2 pixels).
    int TextBoxWidth() const;
    void SetTextBoxWidth(int value);

    // ---- side texts and outside colors
    /// Width of the caption area left of the box (default 35); negative values are
    /// ignored, larger ones than the control's width are reduced to it.
    int LeftSpace() const;
    void SetLeftSpace(int value);
    /// Caption left of the box (default empty).
    QString LeftText() const;
    void SetLeftText(const QString& value);
    /// Alignment of the caption in its area (default taRightJustify).
    TAlignment LeftTextAlignment() const;
    void SetLeftTextAlignment(TAlignment value);
    /// Unit text right of the box and the spin buttons (default empty).
    QString RightText() const;
    void SetRightText(const QString& value);
    /// Alignment of the unit text in its area (default taLeftJustify).
    TAlignment RightTextAlignment() const;
    void SetRightTextAlignment(TAlignment value);
    /// Background outside the box (default clBtnFace).
    TColor ColorOutBG() const;
    void SetColorOutBG(TColor value);
    VEK_COLOR_PROPERTY(ColorOutBG, clBtnFace)
    /// Color of the side texts (default clBtnText, the theme's text on clBtnFace);
    /// disabled, they are drawn engraved. When only one of ColorOutText and ColorOutBG is
    /// a fixed color, the other one, a theme color, becomes fixed too, so that a dark
    /// theme cannot put light text on a fixed light background or dark text on its dark
    /// face: a theme text color is drawn in black or white, whichever reads on the fixed
    /// background, and a theme background as a fixed light ($F0F0F0) or dark ($303030)
    /// face, whichever the fixed text reads on.
    TColor ColorOutText() const;
    void SetColorOutText(TColor value);
    VEK_COLOR_PROPERTY(ColorOutText, clBtnText)
    /// Frame lines: csFixedGrays (default) $808080/$FFFFFF; csSystemColors the theme's
    /// button shadow/highlight.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);

    // ---- number format and range
    /// Text form accepted (default itFloat). Changing it rewrites the current value in the
    /// new form.
    TInFormat InputFormat() const;
    void SetInputFormat(TInFormat value);
    /// Decimals of itFloat and itFixPoint, 1..15 (default 2; 0 and less are ignored).
    int FixPointDecPlaces() const;
    void SetFixPointDecPlaces(int value);
    /// Significant digits of itExp, 1..15 (default 6; 0 and less are ignored).
    int SignificantDigits() const;
    void SetSignificantDigits(int value);
    /// Decimal separator typed and accepted (default dsBoth). Choosing one converts the
    /// separator already in the text.
    TDecPSep DecPlaceSep() const;
    void SetDecPlaceSep(TDecPSep value);
    /// Upper end of the range of gauge and spin buttons (default 1000); a value outside
    /// the range is shown in the warning colors. Set below RangeLow, it moves RangeLow
    /// along. NaN is ignored.
    double RangeHigh() const;
    void SetRangeHigh(double value);
    /// Lower end of the range (default 0); set above RangeHigh, it moves RangeHigh along.
    /// NaN is ignored.
    double RangeLow() const;
    void SetRangeLow(double value);

    // ---- spin buttons (right of the box)
    /// Shows the spin buttons (default false).
    bool ButVisible() const;
    void SetButVisible(bool value);
    /// Draws the buttons with 3-D edges (default true).
    bool But3D() const;
    void SetBut3D(bool value);
    /// Height of both buttons together, 18 .. Height (default 28).
    int ButHeight() const;
    void SetButHeight(int value);
    /// Width of the buttons, 8 .. 50 pixels (default 18).
    int ButWidth() const;
    void SetButWidth(int value);
    /// Step of a button click without pivots (default 1; NaN is ignored).
    double ButIncrem() const;
    void SetButIncrem(double value);
    /// Gap between box and buttons, 0 .. 50 (default 3).
    int ButSpace() const;
    void SetButSpace(int value);
    /// Face of the buttons (default $C0C0C0, silver).
    TColor ButColor() const;
    void SetButColor(TColor value);
    VEK_COLOR_PROPERTY(ButColor, 0xC0C0C0)

    // ---- gauge strip (along the bottom)
    /// Shows the gauge strip (default false).
    bool GaugeVisible() const;
    void SetGaugeVisible(bool value);
    /// The bar (default $800000, navy).
    TColor GaugeColor() const;
    void SetGaugeColor(TColor value);
    VEK_COLOR_PROPERTY(GaugeColor, 0x800000)
    /// The strip behind the bar (default $C0C0C0, silver).
    TColor GaugeColorBg() const;
    void SetGaugeColorBg(TColor value);
    VEK_COLOR_PROPERTY(GaugeColorBg, 0xC0C0C0)
    /// The single-line frame (default $808080, gray).
    TColor GaugeColorFrame() const;
    void SetGaugeColorFrame(TColor value);
    VEK_COLOR_PROPERTY(GaugeColorFrame, 0x808080)
    /// Frame of the strip (default fsLowered).
    TFrameStyle GaugeFrameStyle() const;
    void SetGaugeFrameStyle(TFrameStyle value);
    /// Height of the strip (default 8): at most Height - GaugeTopMargin - 18, then at
    /// least 3.
    int GaugeHeight() const;
    void SetGaugeHeight(int value);
    /// Left end of the strip (default 35): at most Width - GaugeWidth, then at least 0.
    int GaugeLeftMargin() const;
    void SetGaugeLeftMargin(int value);
    /// Gap above the strip (default 3): at most Height - GaugeHeight - 18, then at least 0.
    int GaugeTopMargin() const;
    void SetGaugeTopMargin(int value);
    /// Width of the strip (default 82): at least 10, then at most Width - GaugeLeftMargin.
    int GaugeWidth() const;
    void SetGaugeWidth(int value);

    // ---- content
    /// The text being edited (default empty). A text not acceptable in the input format
    /// is ignored; otherwise caret and selection go to 0. OnChange does not fire;
    /// valueChanged does when the number changes.
    QString Text() const;
    void SetText(const QString& value);
    /// The number in the text (default 0; 0 for an incomplete text; "." and "," are both
    /// read). Writing replaces the text with the value in the input format:
    /// FixPointDecPlaces decimals (itFloat, itFixPoint), SignificantDigits digits (itExp,
    /// " 1.23457E+03"), the rounded integer (itInt, itDynamic) or 8 hex, 11 octal or 32
    /// binary digits; decimal texts use the field's separator. NaN counts as 0 and
    /// infinities as the largest finite values. Caret and selection stay; OnChange does
    /// not fire, valueChanged does when the number changes.
    double Value() const;
    /// Value rounded to an integer (ties to even); raises EVEKNumIO2Error "integer
    /// overflow" outside the 32-bit range.
    int IntegerValue() const;
    /// Value < RangeLow or Value > RangeHigh.
    bool OutOfRange() const;
    /// Whether text may stand in the field in the current input format and separator.
    bool CheckValidity(const QString& Instring) const;

    /// Start of the selection, 0 .. SelEnd (default 0); assignments are clamped to the
    /// text and move SelEnd along when beyond it.
    int SelBegin() const;
    void SetSelBegin(int value);
    /// End of the selection, SelBegin .. length of the text (default 0); assignments are
    /// clamped to the text and move SelBegin along when before it.
    int SelEnd() const;
    void SetSelEnd(int value);
    /// Caret position: number of characters before the caret (default 0).
    int CaretPos() const;
    /// Area under the mouse since its last move: 0 caption, 1 text box, 2 right of it.
    int MouseAreaCode() const;

    /// x of the boundary after the first n characters of the text.
    int CharPosToXCoords(int n) const;
    /// The character boundary nearest to x, 0 .. length of the text.
    int XCoordsToCharPos(int x) const;

    /// Preferred values in ascending order (default none). When not empty, the spin
    /// buttons step from pivot to pivot and gauge clicks snap to the nearest pivot.
    std::vector<double> ButtonPivots;

    /// Fires OnChange, then valueChanged when the number differs from the last one
    /// reported.
    void Changed();
    /// Takes the focus and restarts the caret blinking.
    void SetFocus();

    /// Moves and sizes the field; the height is at least 18, and ButHeight shrinks with it.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    /// The natural size: the default size, widened to hold box, spin buttons, unit text
    /// and gauge, heightened for a large font, the spin buttons and the gauge strip. With
    /// AutoSize the height is the one AutoSize sets.
    QSize sizeHint() const override;
    /// Box and spin buttons fully shown, one line of text and the gauge strip.
    QSize minimumSizeHint() const override;

    /// Copies the look, format, range, text, caret and selection of another TNumIO2; spin
    /// buttons, gauge, Enabled and the events stay as they are.
    void Assign(const TPersistent* Source) override;

    /// Fires after the user changed the text: a keystroke, a spin click, or the release of
    /// the mouse after a gauge click or drag. Not fired by property assignments.
    TNotifyEvent OnChange;
    /// Fires while the gauge is dragged, with the new value.
    TOnGaugeChangeEvent OnGaugeChange;

public Q_SLOTS:
    /// Sets Value (see there); a slot, so that other widgets can drive it.
    void SetValue(double value);

Q_SIGNALS:
    /// Value changed: right after OnChange for a change by the user (a keystroke, a spin
    /// click, the release after a gauge click or drag), or set by code (SetValue, SetText,
    /// a new input format, Assign). A keystroke that leaves the number as it was
    /// ("1" to "1.") emits nothing.
    void valueChanged(double value);
    /// The gauge is being dragged to value; emitted right after OnGaugeChange.
    void gaugeChanged(double value);

protected:
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
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
