// TCanvas text: measuring, cells placed by their top-left corner, rotation.
#include "canvas.h"
#include "canvas_face_p.h"
#include "glyphprobe_p.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QThread>

#include <algorithm>

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

namespace {

constexpr qsizetype MaxKeptTexts = 4096;
constexpr std::size_t MaxKeptFaces = 4;

// Whether a text is one run that a layout shows exactly as drawText does.
bool IsSingleRun(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

template <typename T>
void KeepBounded(QHash<QString, T>& kept)
{
    if (kept.size() >= MaxKeptTexts)
        kept.clear();
}

} // namespace

TCanvas::Face::Face(const TFont& source)
    : name(source.Name()), height(source.Height()), style(source.Style()),
      pitch(source.Pitch()), quality(source.Quality()), font(source.ToQFont()), metrics(font),
      ascent(metrics.ascent()), lineHeight(metrics.height())
{
}

bool TCanvas::Face::Renders(const TFont& source) const
{
    return source.Height() == height && source.Style() == style && source.Pitch() == pitch
           && source.Quality() == quality && source.Name() == name;
}

int TCanvas::Face::Width(const QString& text)
{
    if (const auto known = widths.constFind(text); known != widths.cend())
        return *known;
    KeepBounded(widths);
    return *widths.insert(text, metrics.horizontalAdvance(text));
}

const QStaticText* TCanvas::Face::Layout(const QString& text)
{
    if (const auto known = layouts.constFind(text); known != layouts.cend())
        return &*known;
    if (!IsSingleRun(text))
        return nullptr;
    KeepBounded(layouts);
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.setPerformanceHint(QStaticText::AggressiveCaching);
    layout.prepare(QTransform(), font);
    return &*layouts.insert(text, std::move(layout));
}

namespace {
constexpr std::size_t MaxPooledFaces = 8;
} // namespace

// Cleared before the application goes, as fonts outliving it are not safe to destroy.
std::vector<std::unique_ptr<TCanvas::Face>>& TCanvas::Face::Pool()
{
    thread_local std::vector<std::unique_ptr<Face>> pool;
    thread_local const bool clearedAtExit = [] {
        if (QCoreApplication* app = QCoreApplication::instance();
            app && app->thread() == QThread::currentThread())
            qAddPostRoutine([] { Pool().clear(); });
        return true;
    }();
    Q_UNUSED(clearedAtExit);
    return pool;
}

std::unique_ptr<TCanvas::Face> TCanvas::Face::Borrow(const TFont& source)
{
    const auto& pool = Pool();
    for (const auto& face : pool)
        if (face->Renders(source))
            return std::make_unique<Face>(*face);
    return std::make_unique<Face>(source);
}

void TCanvas::Face::GiveBack(std::unique_ptr<Face> face)
{
    auto& pool = Pool();
    // The newer copy knows at least the texts the older one does.
    auto same = std::find_if(pool.begin(), pool.end(), [&](const auto& kept) {
        return kept->name == face->name && kept->height == face->height
               && kept->style == face->style && kept->pitch == face->pitch
               && kept->quality == face->quality;
    });
    if (same != pool.end())
        pool.erase(same);
    else if (pool.size() >= MaxPooledFaces)
        pool.pop_back();
    pool.insert(pool.begin(), std::move(face));
}

TCanvas::Face& TCanvas::CurrentFace()
{
    if (FFaceValid)
        return *FFace;
    auto found = std::find_if(FFaces.begin(), FFaces.end(),
                              [this](const auto& face) { return face->Renders(FFont); });
    if (found == FFaces.end()) {
        if (FFaces.size() >= MaxKeptFaces) {
            if (FPainterFace == FFaces.back().get())
                FPainterFace = nullptr;
            Face::GiveBack(std::move(FFaces.back()));
            FFaces.pop_back();
        }
        found = FFaces.insert(FFaces.begin(), Face::Borrow(FFont));
    }
    std::rotate(FFaces.begin(), found, found + 1);
    FFace = FFaces.front().get();
    FFaceValid = true;
    return *FFace;
}

int TCanvas::TextWidth(const QString& Text)
{
    return CurrentFace().Width(Text);
}

int TCanvas::TextHeight(const QString&)
{
    return CurrentFace().lineHeight;
}

QSize TCanvas::TextExtent(const QString& Text)
{
    return QSize(TextWidth(Text), TextHeight(Text));
}

void TCanvas::DrawTextCell(QPainter* p, int X, int Y, const QString& Text, bool opaque)
{
    Face& face = CurrentFace();
    if (FPainterFace != &face) {
        p->setFont(face.font);
        FPainterFace = &face;
    }
    if (opaque || FFont.Orientation() != 0) {
        // The cell turns about its top-left corner; the escapement counts counterclockwise.
        p->translate(X, Y);
        if (FFont.Orientation() != 0)
            p->rotate(-FFont.Orientation() / 10.0);
        if (opaque)
            p->fillRect(QRect(0, 0, face.Width(Text), face.lineHeight), ToQColor(FBrush.Color()));
        X = Y = 0;
    }
    p->setPen(ToQColor(FFont.Color()));
    if (!glyphprobe::GlyphsHidden()) {
        // Kept layouts give drawText's pixels at ratio 1 only; at other ratios Qt places
        // their glyphs a little differently.
        const QStaticText* layout = DevicePixelRatio() == 1 ? face.Layout(Text) : nullptr;
        if (layout)
            p->drawStaticText(QPoint(X, Y), *layout);
        else
            p->drawText(QPoint(X, Y + face.ascent), Text);
    }
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
    // A text cell that lies inside r, with room for glyphs that reach past their advance
    // (slanted ones more), needs no clip of its own; changing the clip for each cell of a
    // grid would cost more than drawing its text.
    const int height = TextHeight(Text);
    const int overhang = FFont.Style().testFlag(fsItalic) ? height / 3 : 1;
    const bool fits =
        FFont.Orientation() == 0
        && box.contains(QRect(X - overhang, Y, TextWidth(Text) + 2 * overhang, height));
    const auto within = fits ? std::nullopt : std::optional<QRegion>(box);
    const bool filled = FLastFill && FLastFill->first == box
                        && FLastFill->second == ToQRgb(FBrush.Color());
    if (QPainter* p = Prepare(QPainter::CompositionMode_SourceOver, within)) {
        if (FBrush.Style() != bsClear && !filled)
            p->fillRect(box, ToQColor(FBrush.Color()));
        DrawTextCell(p, X, Y, Text, false);
    }
    Changed();
}

} // namespace vek
