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
#pragma once

#include <frame/baselib/baseenums.h>
#include <frame/controls/controls.h>

#include <QStringList>

#include <memory>

namespace vek {

namespace sevenseg {
class GlyphCache;
}

// The characters that have glyphs, in the order of the glyph cache:
// "0".."9", "-", "+", ":", "°", "A".."F", ".".
VEK_EXPORT extern const QStringList SevenSegCharList;

class VEK_EXPORT TSevenSeg : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(quint32 ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
    Q_PROPERTY(quint32 ColorText READ ColorText WRITE SetColorText)
    Q_PROPERTY(vek::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(vek::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(int InterDigDist READ InterDigDist WRITE SetInterDigDist)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int NumDigits READ NumDigits WRITE SetNumDigits)

public:
    // Starts 216 x 76 pixels showing "8.8.8.8." in red on dark gray.
    explicit TSevenSeg(QWidget* parent = nullptr);
    ~TSevenSeg() override;

    // The text shown, one cell per character (points and commas join the cell before).
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TColor ColorBackGnd() const { return FColorBakG; }
    void SetColorBackGnd(TColor value);
    // Segment color; pure white is drawn as $FEFEFE, as white marks the background
    // while the glyphs are composed.
    TColor ColorText() const { return FColorTxt; }
    void SetColorText(TColor value);
    // 0: line colors $808080/$FFFFFF; otherwise the theme's button shadow/highlight.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Gap between cells in pixels, 0..255.
    int InterDigDist() const { return FInterDigDist; }
    void SetInterDigDist(int value);
    // Blank border around the cells; at most Height div 2 - 1, never negative.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    // Number of cells, 1..32; other values are ignored.
    int NumDigits() const { return FNumDigits; }
    void SetNumDigits(int value);

    // The scheme's line colors (kept for copying; the frame uses fixed grays).
    TColor GrayLineColor() const { return FColGrayLine; }
    TColor WhiteLineColor() const { return FColWhiteLine; }

    void Assign(const TPersistent* Source) override;

protected:
    void Paint() override;
    void AssignTo(TPersistent* Dest) const override;

private:
    int CellWidth() const;
    int CacheHeight() const;
    // Brings the glyph cache up to date with size, colors and layout; false when the
    // control is too small for a cell.
    bool EnsureCache();
    void HandleResize(TObject* Sender);
    void PaintCells(TCanvas* canvas, int cw, int ch);
    template <typename T>
    void ChangeAndPaint(T& field, const T& value);

    TColor FColorBakG = 0x333333;
    TColor FColorTxt = 0x0000FF;
    int FNumDigits = 4;
    QString FCaption = QStringLiteral("8.8.8.8.");
    TFrameStyle FFrameStyle = fsLowered;
    int FMargin = 8;
    int FInterDigDist = 2;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColorScheme FColorScheme = csFixedGrays;
    std::unique_ptr<sevenseg::GlyphCache> FCache;
};

} // namespace vek
