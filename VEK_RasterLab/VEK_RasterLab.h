// TRasterLab: a dot-matrix (LED panel) label. Its text is drawn from a bit font as a
// grid of square dots: each font pixel becomes one dot of DotSize pixels, dots are
// DotSpacing pixels apart. The font is a built-in 7 x 12 dot font when Font's name is
// "default" (any case), otherwise one rasterized from Font. The text can scroll across
// the panel on a timer, in four directions, and wrap around.
//
// Character codes 32..255 have glyphs; the euro sign (U+20AC) takes code 128, as in 8-bit
// Western text; other codes above 255 show a hollow box.
//
// CharBlockMode: rdbmOff draws lit dots on the background only; rdbmRaster shows the
// unlit dots as ColorDotOff squares in a grid of background lines; rdbmOn does the same
// and blanks the dot column between two characters, so that each character sits in its
// own block.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>
#include <frame/core/errors.h>

#include <array>
#include <memory>

namespace vek {

/// A bit font (a value type, copied whole): for each character code 0..255 the first
/// and last used column and up to 32 rows of up to 32 dots (bit c = column c).
struct TRDCharMatrix {
    qint32 FontWidth = 0;  ///< widest glyph in columns (the cell width of fixed spacing)
    qint32 FontHeight = 0; ///< rows in use, at most 32
    std::array<quint8, 256> LeftMostBit{};  ///< per character: its first used column
    std::array<quint8, 256> RightMostBit{}; ///< per character: its last used column
    std::array<std::array<quint32, 32>, 256> BitData{}; ///< per character: its rows of dots

    /// Same font, dot for dot.
    bool operator==(const TRDCharMatrix&) const = default;
};

/// The unit's error ("no timer available").
class VEK_EXPORT EVEKRasterLabError : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// A dot-matrix label.
///
/// Starts 400 x 68 pixels; its sizeHint is the room its text takes in the current bit
/// font and dot geometry (400 wide while it scrolls), as high as AutoHeight makes it. Colors are fixed unless set
/// to system colors. It has no disabled look: a panel shows its text either way.
class VEK_EXPORT TRasterLab : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeight)
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
    Q_PROPERTY(TRDBlockMode CharBlockMode READ CharBlockMode WRITE SetCharBlockMode)
    Q_PROPERTY(QColor ColorLabBakG READ qColorLabBakG WRITE setQColorLabBakG RESET resetColorLabBakG)
    Q_PROPERTY(QColor ColorDotOn READ qColorDotOn WRITE setQColorDotOn RESET resetColorDotOn)
    Q_PROPERTY(QColor ColorDotOff READ qColorDotOff WRITE setQColorDotOff RESET resetColorDotOff)
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
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY textChanged)

public:
    /// rdbmOff: lit dots on the background only; rdbmRaster: unlit dots too, in a grid of
    /// background lines; rdbmOn: as rdbmRaster with a blank column between characters.
    enum TRDBlockMode { rdbmOff = 0, rdbmOn = 1, rdbmRaster = 2 };
    Q_ENUM(TRDBlockMode)
    /// Scrolling direction, or none.
    enum TRDScrollMode { rdsmOff = 0, rdsmLeft = 1, rdsmRight = 2, rdsmDown = 3, rdsmUp = 4 };
    Q_ENUM(TRDScrollMode)

    /// Starts 400 x 68 pixels, green dots on black showing "Text" in the built-in font.
    explicit TRasterLab(QWidget* parent = nullptr);
    ~TRasterLab() override;

    /// The bit font for a font: the built-in font for the name "default" (any case) or no
    /// font; otherwise codes 32..255 rasterized from the font (top-left 32 x 32 pixels),
    /// code 128 from the font's euro sign.
    static TRDCharMatrix CreateBitFont(const TFont* Font);

    /// The bit font in use (default the built-in one); assigning one replaces it until
    /// the next Font change.
    const TRDCharMatrix& CharMatrix() const;
    void SetCharMatrix(const TRDCharMatrix& value);

    /// Fits the height to the font: frame allowance + (DotSize + DotSpacing) * FontHeight.
    /// Default false.
    bool AutoHeight() const;
    void SetAutoHeight(bool value);
    /// Centres the text horizontally (sets PosX); switching it off puts PosX back to 1.
    /// Default false.
    bool AutoCenter() const;
    void SetAutoCenter(bool value);
    /// How unlit dots and character gaps show. Default rdbmOn.
    TRDBlockMode CharBlockMode() const;
    void SetCharBlockMode(TRDBlockMode value);
    /// Background, and the grid lines between dots; default clBlack.
    TColor ColorLabBakG() const;
    void SetColorLabBakG(TColor value);
    VEK_COLOR_PROPERTY(ColorLabBakG, clBlack)
    /// Lit dots; default clLime ($00FF00).
    TColor ColorDotOn() const;
    void SetColorDotOn(TColor value);
    VEK_COLOR_PROPERTY(ColorDotOn, clLime)
    /// Unlit dots (not with rdbmOff); default $404040.
    TColor ColorDotOff() const;
    void SetColorDotOff(TColor value);
    VEK_COLOR_PROPERTY(ColorDotOff, DefaultColorDotOff)
    /// csFixedGrays (the default): frame lines $808080/$FFFFFF; otherwise the theme's
    /// button shadow/highlight.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    /// Dot edge in pixels, 1..32 (clamped). Default 3.
    int DotSize() const;
    void SetDotSize(int value);
    /// Pixels between dots, 0..3 (clamped). Default 1.
    int DotSpacing() const;
    void SetDotSpacing(int value);
    /// The frame around the panel. Default fsLowered.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// Top-left corner of the text in pixels. Default 1, 1; -MaxPixelExtent ..
    /// MaxPixelExtent.
    int PosX() const;
    void SetPosX(int value);
    int PosY() const;
    void SetPosY(int value);
    /// Characters take their own width (true, the default) or the font's cell width.
    bool Proportional() const;
    void SetProportional(bool value);
    /// Pixels per scroll step; stored as its absolute value, 0 becomes 1, at most
    /// MaxPixelExtent. Default 1.
    int ScrollIncrement() const;
    void SetScrollIncrement(int value);
    /// Milliseconds between scroll steps, at least 10. Default 100.
    int ScrollInterval() const;
    void SetScrollInterval(int value);
    /// The text re-enters on the opposite side once it has left the panel. Default true.
    bool ScrollLoop() const;
    void SetScrollLoop(bool value);
    /// Starts or stops scrolling (no timer runs while designing); rdsmOff (the default)
    /// puts the text back. Raises EVEKRasterLabError "no timer available" when no timer
    /// can be had.
    TRDScrollMode ScrollMode() const;
    void SetScrollMode(TRDScrollMode value);
    /// The text shown; codes above 255 other than the euro sign show a hollow box.
    /// Default "Text". Emits
    /// textChanged.
    QString Text() const;

    /// Current scroll offsets in pixels.
    int ScrollPosX() const;
    int ScrollPosY() const;
    /// Pixel length of the text at the last paint, plus one.
    int TextBitLength() const;
    /// Pixel length of the text in the current font and dot geometry.
    int CalcTextBitLength() const;
    /// Whether the scroll timer runs.
    bool ScrollTimerActive() const;

    /// Room for the text from PosX and the frame after it (centred text: clear of the
    /// frame on both sides; a scrolling text: the default width of 400), by the height
    /// AutoHeight gives.
    QSize sizeHint() const override;
    /// As high as sizeHint, wide enough for the frame and one character.
    QSize minimumSizeHint() const override;

    /// After each scroll step, before scrolled().
    TNotifyEvent OnScrollTimer;
    /// When a looping scroll restarts on the opposite side, before scrollLoopRestarted().
    TNotifyEvent OnScrollLoopRestart;

    /// From another dot-matrix label: FrameStyle, Text, ColorLabBakG, ColorDotOn, the
    /// line colors and ColorScheme; then repaints.
    void Assign(const TPersistent* Source) override;

public Q_SLOTS:
    /// Sets Text (see there).
    void SetText(const QString& value);

Q_SIGNALS:
    /// Text changed (by SetText or Assign).
    void textChanged(const QString& text);
    /// A scroll step moved the text to the offsets (ScrollPosX, ScrollPosY).
    void scrolled(int offsetX, int offsetY);
    /// A looping scroll restarted on the opposite side.
    void scrollLoopRestarted();

protected:
    void Paint() override;
    void FontChanged() override;
    void Resize() override;
    /// One scroll step, then OnScrollTimer and scrolled().
    virtual void DoTimer();
    /// OnScrollLoopRestart, then scrollLoopRestarted().
    virtual void DoScrLoopRestart();

private:
    static constexpr TColor DefaultColorDotOff = 0x404040;

    int Step() const;
    int FrameAllowance() const;
    void AdjustHeight();
    void AdjustCenter();
    void AdjustLayout();
    void UpdateTimer();
    void ScrollStep();
    void PaintRaster(TCanvas* canvas);
    void PaintFrame(TCanvas* canvas);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
