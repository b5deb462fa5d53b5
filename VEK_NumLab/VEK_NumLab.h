// The numeric label unit: TNumLab, a read-only display of one number.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <memory>

namespace vek {

/// A read-only numeric display. A framed value box shows a number formatted by a display
/// type, with an optional caption to its left and a unit text to its right:
///
///     | LeftText |[   1234.57   ]| RightText |
///     0      LeftSpace   LeftSpace+LabelWidth   Width
///
/// Every property change repaints at once. OnBeforeDisplay may rewrite the text just
/// before it is drawn; a text wider than the box is replaced by OverflowIndicator.
///
/// Created 160 x 28 pixels. sizeHint() is that size, widened to hold the box and the unit
/// text and heightened for larger fonts; the height is fixed in layouts.
class VEK_EXPORT TNumLab : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QColor ColorLabBakG READ qColorLabBakG WRITE setQColorLabBakG RESET resetColorLabBakG)
    Q_PROPERTY(QColor ColorLabText READ qColorLabText WRITE setQColorLabText RESET resetColorLabText)
    Q_PROPERTY(QColor ColorOutBakG READ qColorOutBakG WRITE setQColorOutBakG RESET resetColorOutBakG)
    Q_PROPERTY(QColor ColorOutText READ qColorOutText WRITE setQColorOutText RESET resetColorOutText)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
    Q_PROPERTY(TDisplay DisplayType READ DisplayType WRITE SetDisplayType)
    Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDTFormat)
    Q_PROPERTY(bool Empty READ Empty WRITE SetEmpty)
    Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetForcePlusSign)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabelWidth)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(vek::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
    Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverflowIndicator)
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(vek::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
    Q_PROPERTY(QString StateText READ StateText WRITE SetStateText)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(double Value READ Value WRITE SetValue NOTIFY valueChanged)

public:
    /// How Value becomes text. Precision means decimals, significant digits or minimum
    /// digit count as listed.
    enum TDisplay {
        dtFloat = 0,      ///< shortest of fixed and scientific, Precision significant digits
        dtFixP = 1,       ///< fixed point, Precision decimals ("1234.57")
        dtExp = 2,        ///< scientific, Precision digits in all ("1.23E+003")
        dtHex = 3,        ///< rounded value in hexadecimal, at least Precision digits ("00FF")
        dtZeroInt = 4,    ///< rounded value, zero-padded to Precision digits ("007")
        dtInt = 5,        ///< rounded value (ties to even)
        dtDateTime = 6,   ///< Value as date/time, formatted by DTFormat
        dtState = 7,      ///< StateText; "off|on|fault" picks entry Round(Value)
        dtBin = 8,        ///< rounded value in binary, at least Precision digits
        dtOct = 9,        ///< rounded value in octal, at least Precision digits
        dtDeg = 10,       ///< degrees with Precision decimals ("12.50°")
        dtDegMin = 11,    ///< degrees and minutes with Precision decimals ("12°30.00'")
        dtDegMinSec = 12, ///< degrees, minutes and seconds ("12°30'00.00\"")
        dtEEng = 13,      ///< engineering with SI prefix letter, Precision decimals ("4.70k")
        dtEEngNoDP = 14,  ///< the prefix letter takes the place of the point ("4k70", "1R50")
    };
    Q_ENUM(TDisplay)

    /// Called with the finished text just before it is drawn; the handler may change it.
    using TBeforeDisplayEvent = std::function<void(TObject* Sender, QString& Text)>;

    /// A label of 160 x 28 pixels showing 0.00 in a sunken box.
    explicit TNumLab(QWidget* parent = nullptr);
    ~TNumLab() override;

    // ---- value and its text
    /// The displayed value (default 0). Emits valueChanged when it changes.
    double Value() const;
    /// How Value becomes text (default dtFixP).
    TDisplay DisplayType() const;
    void SetDisplayType(TDisplay value);
    /// Decimals, digits or minimum digit count of the display type, 0..15 (default 2);
    /// negative values are ignored, larger ones become 15.
    int Precision() const;
    void SetPrecision(int value);
    /// Writes "," instead of "." as decimal separator (default false).
    bool Comma() const;
    void SetComma(bool value);
    /// Puts "+" before values above 0 (default false).
    bool ForcePlusSign() const;
    void SetForcePlusSign(bool value);
    /// Date/time format of dtDateTime, tokens as FormatDateTime (default "mmm-dd, yyyy").
    QString DTFormat() const;
    void SetDTFormat(const QString& value);
    /// The texts of dtState separated by "|" (default "undefined").
    QString StateText() const;
    void SetStateText(const QString& value);
    /// Draws the box and the side texts without a value (default false).
    bool Empty() const;
    void SetEmpty(bool value);
    /// Shown instead of a value that does not fit the box (default nine "*").
    QString OverflowIndicator() const;
    void SetOverflowIndicator(const QString& value);
    /// The value formatted by the display type, with separator and plus sign applied:
    /// the text OnBeforeDisplay receives.
    QString DisplayText() const;

    // ---- value box
    /// Width of the value box in pixels (default 80); any value from -MaxPixelExtent to
    /// MaxPixelExtent is taken (beyond, the nearer end).
    int LabelWidth() const;
    void SetLabelWidth(int value);
    /// Alignment of the value in the box (default taCenter).
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    /// Frame of the box (default fsLowered).
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// csFixedGrays (default): the frame in fixed white, silver, gray and black;
    /// csSystemColors: in the theme's 3-D colors (light, highlight, shadow, dark shadow).
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    /// Background of the box (default clBtnFace).
    TColor ColorLabBakG() const;
    void SetColorLabBakG(TColor value);
    VEK_COLOR_PROPERTY(ColorLabBakG, clBtnFace)
    /// Color of the value (default clBtnText, the theme's text on clBtnFace). A fixed
    /// color here and a theme color as ColorLabBakG (or the reverse) are not mixed: the
    /// theme one becomes a fixed color that reads with the other (see ColorOutText). A
    /// disabled label writes the value in clBtnShadow, in the theme's disabled text
    /// color under a dark theme, and in gray ($808080) on a fixed background.
    TColor ColorLabText() const;
    void SetColorLabText(TColor value);
    VEK_COLOR_PROPERTY(ColorLabText, clBtnText)

    // ---- side texts and background
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
    /// Unit text right of the box (default empty).
    QString RightText() const;
    void SetRightText(const QString& value);
    /// Alignment of the unit text right of the box (default taLeftJustify).
    TAlignment RightTextAlignment() const;
    void SetRightTextAlignment(TAlignment value);
    /// Background outside the box (default clBtnFace).
    TColor ColorOutBakG() const;
    void SetColorOutBakG(TColor value);
    VEK_COLOR_PROPERTY(ColorOutBakG, clBtnFace)
    /// Color of the side texts (default clBtnText, the theme's text on clBtnFace);
    /// disabled, they are drawn engraved. When only one of ColorOutText and ColorOutBakG
    /// is a fixed color, the other one, a theme color, is not used as it is, or a dark
    /// theme could put light text on a fixed light background (or black text on its dark
    /// face): a theme text color becomes black or white, whichever reads on the fixed
    /// background, and a theme background a fixed light ($F0F0F0) or dark ($303030)
    /// face, whichever the fixed text reads on.
    TColor ColorOutText() const;
    void SetColorOutText(TColor value);
    VEK_COLOR_PROPERTY(ColorOutText, clBtnText)
    /// The parent shows through the background outside the box (default false).
    bool Transparent() const;
    void SetTransparent(bool value);

    /// Area under the mouse since its last move: 0 left text, 1 value box, 2 right text.
    int MouseAreaCode() const;

    /// The natural size: the default size, widened to hold box and unit text and
    /// heightened to give a large font the default margins.
    QSize sizeHint() const override;
    /// Box fully shown and one line of text.
    QSize minimumSizeHint() const override;

    /// From another label: everything but Comma, ForcePlusSign, DTFormat, Enabled and the
    /// events; then repaints.
    void Assign(const TPersistent* Source) override;

    /// Called with the finished text before each paint; not copied by Assign.
    TBeforeDisplayEvent OnBeforeDisplay;

public Q_SLOTS:
    /// Sets Value (see there); a slot, so that other widgets can drive it.
    void SetValue(double value);

Q_SIGNALS:
    /// Value changed, by SetValue or Assign.
    void valueChanged(double value);

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
