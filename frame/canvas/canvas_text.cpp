// TCanvas text: measuring, cells placed by their top-left corner, rotation.
#include "canvas.h"
#include "glyphprobe_p.h"

#include <QFontMetrics>

namespace vek {

namespace glyphprobe {

namespace {
bool hidden = false;
}

void SetGlyphsHidden(bool value)
{
    hidden = value;
}

bool GlyphsHidden()
{
    return hidden;
}

} // namespace glyphprobe

int TCanvas::TextWidth(const QString& Text)
{
    static constexpr qsizetype MaxCachedWidths = 4096;
    const QFont& font = QtFont();
    if (const auto known = FTextWidths.constFind(Text); known != FTextWidths.cend())
        return *known;
    const int width = QFontMetrics(font).horizontalAdvance(Text);
    if (FTextWidths.size() >= MaxCachedWidths)
        FTextWidths.clear();
    FTextWidths.insert(Text, width);
    return width;
}

int TCanvas::TextHeight(const QString&)
{
    return QFontMetrics(QtFont()).height();
}

QSize TCanvas::TextExtent(const QString& Text)
{
    return QSize(TextWidth(Text), TextHeight(Text));
}

void TCanvas::DrawTextCell(QPainter* p, int X, int Y, const QString& Text, bool opaque)
{
    const QFontMetrics metrics(QtFont());
    p->setFont(QtFont());
    // The cell turns about its top-left corner; the escapement counts counterclockwise.
    p->translate(X, Y);
    if (FFont.Orientation() != 0)
        p->rotate(-FFont.Orientation() / 10.0);
    if (opaque)
        p->fillRect(QRect(0, 0, metrics.horizontalAdvance(Text), metrics.height()),
                    ToQColor(FBrush.Color()));
    p->setPen(ToQColor(FFont.Color()));
    if (!glyphprobe::GlyphsHidden())
        p->drawText(QPoint(0, metrics.ascent()), Text);
    p->resetTransform();
}

void TCanvas::TextOut(int X, int Y, const QString& Text)
{
    // Any brush but a clear one gives an opaque cell in the plain brush color, hatched or
    // not, as text backgrounds have no pattern.
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver))
        DrawTextCell(p, X, Y, Text, FBrush.Style() != bsClear);
    FPenPos = TPoint(X + TextWidth(Text), Y);
    Changed();
}

void TCanvas::TextRect(const TRect& r, int X, int Y, const QString& Text)
{
    const QRect box = r.ToQRect().normalized();
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver, QRegion(box))) {
        if (FBrush.Style() != bsClear)
            p->fillRect(box, ToQColor(FBrush.Color()));
        DrawTextCell(p, X, Y, Text, false);
    }
    Changed();
}

} // namespace vek
