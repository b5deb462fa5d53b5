// A font as TCanvas draws with it, with what it has measured and laid out in it.
#pragma once

#include "canvas.h"

#include <QFontMetrics>
#include <QStaticText>

#include <memory>
#include <vector>

namespace vek {

// Grids and lists draw the same cell texts in a few fonts on every repaint; measuring
// and shaping a text is most of the cost of drawing it, so each face keeps the widths
// and layouts of the texts it drew. A canvas keeps its few most recent faces, so that
// switching between a plain and a bold font does not start over.
struct TCanvas::Face {
    explicit Face(const TFont& source);

    // Whether source asks for this face (the color and the orientation don't matter:
    // they are applied when drawing).
    bool Renders(const TFont& source) const;
    int Width(const QString& text);
    // The text laid out once, or nullptr for a text a layout would treat differently
    // from a single run (control characters such as line breaks and tabs).
    const QStaticText* Layout(const QString& text);

    QString name;
    int height;
    TFontStyles style;
    TFontPitch pitch;
    TFontQuality quality;
    QFont font;
    QFontMetrics metrics;
    int ascent;
    int lineHeight;
    QHash<QString, int> widths;
    QHash<QString, QStaticText> layouts;

    // The faces that the canvases of this thread let go, lent to the next canvas that
    // asks for the same font: controls that paint through a new bitmap each time find
    // their texts measured and laid out. A lent face is a copy that shares the texts
    // until the borrower adds its own.
    static std::unique_ptr<Face> Borrow(const TFont& source);
    static void GiveBack(std::unique_ptr<Face> face);

private:
    static std::vector<std::unique_ptr<Face>>& Pool();
};

} // namespace vek
