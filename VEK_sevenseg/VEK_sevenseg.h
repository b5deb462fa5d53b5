// TSevenSeg: a row of seven-segment digits, like an LED or LCD panel.
//
// Each character of Caption takes one digit cell; a "." or "," after a character lights
// that cell's decimal point, and a "." or "," on its own gives a cell with the point
// only. Cells show the characters of SevenSegCharList (A..F also in lower case); any
// other character leaves its cell empty.
//
//   Margin | cell | InterDigDist | cell | ... | Margin     (cells run from the left)
//
// The glyphs are composed from six segment bitmaps at 312 x 432 pixels, recolored to
// ColorText, and scaled smoothly once into a cache of 21 cells whenever the size, the
// colors, NumDigits, Margin or InterDigDist change; painting only copies cells. When the
// control is too small for a cell (no width or height left) it shows just its
// background and frame.
//
// The display has no disabled look: like a panel meter it shows its value either way.
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/canvas/colors.h>
#include <frame/controls/controls.h>

#include <QStringList>

#include <memory>

namespace vek {

/// The characters that have glyphs, in the order of the glyph cache:
/// "0".."9", "-", "+", ":", "°", "A".."F", ".".
VEK_EXPORT extern const QStringList SevenSegCharList;

/// A row of seven-segment digits showing Caption.
///
/// Starts 216 x 76 pixels; its sizeHint keeps that cell size (48 x 60) for any
/// NumDigits, Margin and InterDigDist. Colors are fixed unless set to system colors.
class VEK_EXPORT TSevenSeg : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor ColorBackGnd READ qColorBackGnd WRITE setQColorBackGnd RESET resetColorBackGnd)
    Q_PROPERTY(QColor ColorText READ qColorText WRITE setQColorText RESET resetColorText)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int InterDigDist READ InterDigDist WRITE SetInterDigDist)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int NumDigits READ NumDigits WRITE SetNumDigits)

public:
    /// Starts 216 x 76 pixels showing "8.8.8.8." in red on dark gray.
    explicit TSevenSeg(QWidget* parent = nullptr);
    ~TSevenSeg() override;

    /// The text shown, one cell per character (points and commas join the cell before);
    /// cut after NumDigits cells. Default "8.8.8.8.". Emits captionChanged.
    QString Caption() const;
    void SetCaption(const QString& value);
    /// Background color; default $333333.
    TColor ColorBackGnd() const;
    void SetColorBackGnd(TColor value);
    VEK_COLOR_PROPERTY(ColorBackGnd, DefaultColorBackGnd)
    /// Segment color; default clRed. Pure white is drawn as $FEFEFE, as white marks the
    /// background while the glyphs are composed.
    TColor ColorText() const;
    void SetColorText(TColor value);
    VEK_COLOR_PROPERTY(ColorText, clRed)
    /// csFixedGrays (the default): line colors $808080/$FFFFFF; otherwise the theme's
    /// button shadow/highlight.
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    /// The frame around the display. Default fsLowered.
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    /// Gap between cells in pixels, 0..255 (values outside are clamped). Default 2.
    int InterDigDist() const;
    void SetInterDigDist(int value);
    /// Blank border around the cells; at most Height div 2 - 1, never negative.
    /// Default 8.
    int Margin() const;
    void SetMargin(int value);
    /// Number of cells, 1..32; other values are ignored. Default 4.
    int NumDigits() const;
    void SetNumDigits(int value);

    /// The scheme's line colors (kept for copying; the frame uses fixed grays).
    TColor GrayLineColor() const;
    TColor WhiteLineColor() const;

    /// Margin, NumDigits cells of 48 x 60 pixels and the gaps between them.
    QSize sizeHint() const override;
    /// The same with cells of 12 x 15 pixels, the smallest that still read well.
    QSize minimumSizeHint() const override;

    /// From another display: colors, NumDigits, Caption, FrameStyle, the line colors,
    /// ColorScheme, Margin and InterDigDist; then invalidates.
    void Assign(const TPersistent* Source) override;

public Q_SLOTS:
    /// Shows text as Caption (cut after NumDigits cells).
    void display(const QString& text);
    /// Shows the number in decimal; emits overflow() instead when it needs more than
    /// NumDigits cells.
    void display(int value);
    /// Shows the number with as many significant digits as the cells allow (the sign
    /// takes a cell, the point does not); emits overflow() instead when it still needs
    /// more than NumDigits cells (large exponents).
    void display(double value);

Q_SIGNALS:
    /// Caption changed (by SetCaption, display or Assign).
    void captionChanged(const QString& caption);
    /// A number passed to display() does not fit into NumDigits cells; the display
    /// keeps what it showed.
    void overflow();

protected:
    void Paint() override;

private:
    static constexpr TColor DefaultColorBackGnd = 0x333333;

    int CellWidth() const;
    int CacheHeight() const;
    // Brings the glyph cache up to date with size, colors and layout; false when the
    // control is too small for a cell.
    bool EnsureCache();
    void HandleResize(TObject* Sender);
    void PaintCells(TCanvas* canvas, int cw, int ch);
    void DisplayNumber(const QString& text);
    // A setting of the cell layout changed: repaint (rebuilding the cache) and tell the
    // layout about the new natural size.
    void CellLayoutChanged();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
