// TNumLab: a read-only numeric display. A framed value box shows a number formatted by
// a display type, with an optional caption to its left and a unit text to its right:
//
//   | LeftText |[   1234.57   ]| RightText |
//   0      LeftSpace   LeftSpace+LabelWidth   Width
//
// Every property change repaints at once. OnBeforeDisplay may rewrite the text just
// before it is drawn; a text wider than the box is replaced by OverflowIndicator.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/controls/controls.h>

namespace vek {

class VEK_EXPORT TNumLab : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(vek::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(quint32 ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
    Q_PROPERTY(quint32 ColorLabText READ ColorLabText WRITE SetColorLabText)
    Q_PROPERTY(quint32 ColorOutBakG READ ColorOutBakG WRITE SetColorOutBakG)
    Q_PROPERTY(quint32 ColorOutText READ ColorOutText WRITE SetColorOutText)
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
    Q_PROPERTY(double Value READ Value WRITE SetValue)

public:
    // How Value becomes text. Precision means decimals, significant digits or minimum
    // digit count as listed.
    enum TDisplay {
        dtFloat = 0,      // shortest of fixed and scientific, Precision significant digits
        dtFixP = 1,       // fixed point, Precision decimals ("1234.57")
        dtExp = 2,        // scientific, Precision digits in all ("1.23E+003")
        dtHex = 3,        // rounded value in hexadecimal, at least Precision digits ("00FF")
        dtZeroInt = 4,    // rounded value, zero-padded to Precision digits ("007")
        dtInt = 5,        // rounded value (ties to even)
        dtDateTime = 6,   // Value as date/time, formatted by DTFormat
        dtState = 7,      // StateText; "off|on|fault" picks entry Round(Value)
        dtBin = 8,        // rounded value in binary, at least Precision digits
        dtOct = 9,        // rounded value in octal, at least Precision digits
        dtDeg = 10,       // degrees with Precision decimals ("12.50°")
        dtDegMin = 11,    // degrees and minutes with Precision decimals ("12°30.00'")
        dtDegMinSec = 12, // degrees, minutes and seconds ("12°30'00.00\"")
        dtEEng = 13,      // engineering with SI prefix letter, Precision decimals ("4.70k")
        dtEEngNoDP = 14,  // the prefix letter takes the place of the point ("4k70", "1R50")
    };
    Q_ENUM(TDisplay)

    // Called with the finished text just before it is drawn; the handler may change it.
    using TBeforeDisplayEvent = std::function<void(TObject* Sender, QString& Text)>;

    explicit TNumLab(QWidget* parent = nullptr);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TColor ColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor value);
    TColor ColorLabText() const { return FColorLabText; }
    void SetColorLabText(TColor value);
    TColor ColorOutBakG() const { return FColorOutBakG; }
    void SetColorOutBakG(TColor value);
    TColor ColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor value);
    // csFixedGrays: the frame in fixed white, silver, gray and black; otherwise in the
    // theme's 3-D colors (light, highlight, shadow, dark shadow).
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    // Writes "," instead of "." as decimal separator.
    bool Comma() const { return FComma; }
    void SetComma(bool value);
    TDisplay DisplayType() const { return FDisplayType; }
    void SetDisplayType(TDisplay value);
    // Date/time format of dtDateTime (tokens as FormatDateTime: "mmm-dd, yyyy").
    QString DTFormat() const { return FDtFormat; }
    void SetDTFormat(const QString& value);
    // Draws the box and side texts without a value.
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool value);
    // Puts "+" before positive values.
    bool ForcePlusSign() const { return FPlusSign; }
    void SetForcePlusSign(bool value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Width of the value box (any value is accepted).
    int LabelWidth() const { return FLabWidth; }
    void SetLabelWidth(int value);
    // Width of the left text area; negative values are ignored, larger ones than the
    // control's width are reduced to it.
    int LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int value);
    QString LeftText() const { return FLeftText; }
    void SetLeftText(const QString& value);
    TAlignment LeftTextAlignment() const { return FLTAlignment; }
    void SetLeftTextAlignment(TAlignment value);
    // Shown instead of a value that does not fit the box.
    QString OverflowIndicator() const { return FOverFlowIndi; }
    void SetOverflowIndicator(const QString& value);
    // 0..15; negative values are ignored, larger ones become 15.
    int Precision() const { return FDecP; }
    void SetPrecision(int value);
    QString RightText() const { return FRightText; }
    void SetRightText(const QString& value);
    TAlignment RightTextAlignment() const { return FRTAlignment; }
    void SetRightTextAlignment(TAlignment value);
    QString StateText() const { return FStateText; }
    void SetStateText(const QString& value);
    // The parent shows through the background outside the value box.
    bool Transparent() const { return FTransParent; }
    void SetTransparent(bool value);
    double Value() const { return FLabValue; }
    void SetValue(double value);

    // Area under the mouse: 0 left text, 1 value box, 2 right text.
    int MouseAreaCode() const { return FMouseAreaCode; }

    // The value formatted by the display type, with separator and plus sign applied:
    // the text OnBeforeDisplay receives.
    QString DisplayText() const;

    TBeforeDisplayEvent OnBeforeDisplay;

    void Assign(const TPersistent* Source) override;

protected:
    void Paint() override;
    void AssignTo(TPersistent* Dest) const override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void PaintSideTexts(TCanvas* canvas, int y0);
    void PaintValue(TCanvas* canvas, int y0);
    void TransferToControl(TBitmap& face);
    template <typename T>
    void Change(T& field, const T& value);

    int FLeftSpace = 35;
    bool FEmpty = false;
    int FLabWidth = 80;
    int FDecP = 2;
    bool FComma = false;
    bool FPlusSign = false;
    bool FTransParent = false;
    QString FLeftText;
    QString FRightText;
    TFrameStyle FFrameStyle = fsLowered;
    QString FStateText = QStringLiteral("undefined");
    TAlignment FAlignment = taCenter;
    TAlignment FLTAlignment = taRightJustify;
    TAlignment FRTAlignment = taLeftJustify;
    int FMouseAreaCode = 0;
    QString FOverFlowIndi = QStringLiteral("*********");
    double FLabValue = 0;
    TColor FColorLabBakG = clBtnFace;
    TColor FColorLabText = clBlack;
    TColor FColorOutBakG = clBtnFace;
    TColor FColorOutText = clBlack;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColorScheme FColorScheme = csFixedGrays;
    TDisplay FDisplayType = dtFixP;
    QString FDtFormat = QStringLiteral("mmm-dd, yyyy");
};

} // namespace vek
