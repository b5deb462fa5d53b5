// TRasterLab: a dot-matrix (LED panel) label. Its text is drawn from a bit font as a
// grid of square dots: each font pixel becomes one dot of DotSize pixels, dots are
// DotSpacing pixels apart. The font is a built-in 7 x 12 dot font when Font's name is
// "default" (any case), otherwise one rasterized from Font. The text can scroll across
// the panel on a timer, in four directions, and wrap around.
//
// Character codes 32..255 have glyphs; codes above 255 show a hollow box.
//
// CharBlockMode: rdbmOff draws lit dots on the background only; rdbmRaster shows the
// unlit dots as ColorDotOff squares in a grid of background lines; rdbmOn does the same
// and blanks the dot column between two characters, so that each character sits in its
// own block.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/controls/controls.h>
#include <frame/core/errors.h>
#include <frame/core/timers.h>

#include <array>

namespace vek {

// A bit font (a value type, copied whole): for each character code 0..255 the first
// and last used column and up to 32 rows of up to 32 dots (bit c = column c).
struct TRDCharMatrix {
    qint32 FontWidth = 0;  // widest glyph in columns (the cell width of fixed spacing)
    qint32 FontHeight = 0; // rows in use, at most 32
    std::array<quint8, 256> LeftMostBit{};
    std::array<quint8, 256> RightMostBit{};
    std::array<std::array<quint32, 32>, 256> BitData{};

    bool operator==(const TRDCharMatrix&) const = default;
};

class VEK_EXPORT EVEKRasterLabError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

class VEK_EXPORT TRasterLab : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeight)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(TRDBlockMode CharBlockMode READ CharBlockMode WRITE SetCharBlockMode)
    Q_PROPERTY(quint32 ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
    Q_PROPERTY(quint32 ColorDotOn READ ColorDotOn WRITE SetColorDotOn)
    Q_PROPERTY(quint32 ColorDotOff READ ColorDotOff WRITE SetColorDotOff)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(int DotSize READ DotSize WRITE SetDotSize)
    Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacing)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
    Q_PROPERTY(int ScrollIncrement READ ScrollIncrement WRITE SetScrollIncrement)
    Q_PROPERTY(int ScrollInterval READ ScrollInterval WRITE SetScrollInterval)
    Q_PROPERTY(bool ScrollLoop READ ScrollLoop WRITE SetScrollLoop)
    Q_PROPERTY(TRDScrollMode ScrollMode READ ScrollMode WRITE SetScrollMode)
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    enum TRDBlockMode { rdbmOff = 0, rdbmOn = 1, rdbmRaster = 2 };
    Q_ENUM(TRDBlockMode)
    enum TRDScrollMode { rdsmOff = 0, rdsmLeft = 1, rdsmRight = 2, rdsmDown = 3, rdsmUp = 4 };
    Q_ENUM(TRDScrollMode)

    // Starts 400 x 68 pixels, green dots on black showing "Text" in the built-in font.
    explicit TRasterLab(QWidget* parent = nullptr);
    ~TRasterLab() override;

    // The bit font for a font: the built-in font for the name "default" (any case) or no
    // font; otherwise codes 32..255 rasterized from the font (top-left 32 x 32 pixels).
    static TRDCharMatrix CreateBitFont(const TFont* Font);

    // The font in use; assigning one replaces it until the next Font change.
    const TRDCharMatrix& CharMatrix() const { return FCMat; }
    void SetCharMatrix(const TRDCharMatrix& value);

    // Fits the height to the font: frame allowance + (DotSize + DotSpacing) * FontHeight.
    bool AutoHeight() const { return FAutoHeight; }
    void SetAutoHeight(bool value);
    // Centres the text horizontally (sets PosX); switching it off puts PosX back to 1.
    bool AutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool value);
    TRDBlockMode CharBlockMode() const { return FCharBlockMode; }
    void SetCharBlockMode(TRDBlockMode value);
    TColor ColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor value);
    TColor ColorDotOn() const { return FColorDotOn; }
    void SetColorDotOn(TColor value);
    TColor ColorDotOff() const { return FColorDotOff; }
    void SetColorDotOff(TColor value);
    // 0: frame lines $808080/$FFFFFF; otherwise the theme's button shadow/highlight.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    // Dot edge in pixels, 1..32.
    int DotSize() const { return FDotSize; }
    void SetDotSize(int value);
    // Pixels between dots, 0..3.
    int DotSpacing() const { return FDotSpacing; }
    void SetDotSpacing(int value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Top-left corner of the text in pixels.
    int PosX() const { return FXPos; }
    void SetPosX(int value);
    int PosY() const { return FYPos; }
    void SetPosY(int value);
    // Characters take their own width (true) or the font's cell width (false).
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    // Pixels per scroll step; stored as its absolute value, 0 becomes 1.
    int ScrollIncrement() const { return FScrollInc; }
    void SetScrollIncrement(int value);
    // Milliseconds between scroll steps, at least 10.
    int ScrollInterval() const { return FScrollIv; }
    void SetScrollInterval(int value);
    // The text re-enters on the opposite side once it has left the panel.
    bool ScrollLoop() const { return FScrollLoop; }
    void SetScrollLoop(bool value);
    // Starts or stops scrolling (no timer runs while designing); rdsmOff puts the text
    // back. Raises EVEKRasterLabError "no timer available" when no timer can be had.
    TRDScrollMode ScrollMode() const { return FScrollMode; }
    void SetScrollMode(TRDScrollMode value);
    QString Text() const { return FLabText; }
    void SetText(const QString& value);

    // Current scroll offsets in pixels.
    int ScrollPosX() const { return FScrollPosX; }
    int ScrollPosY() const { return FScrollPosY; }
    // Pixel length of the text at the last paint, plus one.
    int TextBitLength() const { return FTextBitLength; }
    // Pixel length of the text in the current font and dot geometry.
    int CalcTextBitLength() const;
    bool ScrollTimerActive() const;

    // After each scroll step.
    TNotifyEvent OnScrollTimer;
    // When a looping scroll restarts on the opposite side.
    TNotifyEvent OnScrollLoopRestart;

    void Assign(const TPersistent* Source) override;

protected:
    void Paint() override;
    void FontChanged() override;
    void Resize() override;
    void AssignTo(TPersistent* Dest) const override;
    // One scroll step, then OnScrollTimer.
    virtual void DoTimer();
    virtual void DoScrLoopRestart();

private:
    int Step() const { return FDotSize + FDotSpacing; }
    int FrameAllowance() const;
    void AdjustHeight();
    void AdjustCenter();
    void AdjustLayout();
    void UpdateTimer();
    void ScrollStep();
    void PaintRaster(class TCanvas* canvas);
    void PaintFrame(class TCanvas* canvas);
    template <typename T>
    void Change(T& field, const T& value);

    TRDCharMatrix FCMat;
    TFrameStyle FFrameStyle = fsLowered;
    TRDScrollMode FScrollMode = rdsmOff;
    int FScrollPosX = 0;
    int FScrollPosY = 0;
    bool FScrollLoop = true;
    TTimerWindow FScrTimerHandle;
    bool FScrTimerEnabled = false;
    bool FAutoCenter = false;
    int FTextBitLength = 0;
    int FScrollIv = 100;
    int FScrollInc = 1;
    QString FLabText = QStringLiteral("Text");
    TColor FColorLabBakG = clBlack;
    TColor FColorDotOn = 0x00FF00;
    TColor FColorDotOff = 0x404040;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    bool FAutoHeight = false;
    TRDBlockMode FCharBlockMode = rdbmOn;
    TColorScheme FColorScheme = csFixedGrays;
    bool FProportional = true;
    int FDotSize = 3;
    int FDotSpacing = 1;
    int FXPos = 1;
    int FYPos = 1;
};

} // namespace vek
