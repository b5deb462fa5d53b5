#include "customlabel.h"

#include <frame/accessibility/notify_p.h>
#include <frame/baselib/drawing.h>
#include <frame/canvas/glyphprobe_p.h>
#include <frame/core/change.h>

#include <QFontMetrics>

namespace vek {

namespace {

int QtTextFlags(int flags)
{
    int qt = (flags & DT_CENTER) ? Qt::AlignHCenter
             : (flags & DT_RIGHT) ? Qt::AlignRight
                                  : Qt::AlignLeft;
    qt |= Qt::AlignTop;
    if (flags & DT_WORDBREAK)
        qt |= Qt::TextWordWrap;
    if (flags & DT_EXPANDTABS)
        qt |= Qt::TextExpandTabs;
    qt |= (flags & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic;
    return qt;
}

// The text as shown: "&x" loses its marker and "&&" becomes "&" when prefixes are on.
QString ShownText(const QString& text, int flags)
{
    if (flags & DT_NOPREFIX)
        return text;
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}

// The extent of text laid out with DrawText-style flags in font: word-wrapped within
// width, otherwise the widest line's advance (as the text is laid out, not the glyphs'
// ink) by the lines' height. An empty text measures as one blank, so that an empty
// label keeps a line's height.
QSize TextExtent(const QFont& font, const QString& caption, int flags, int width)
{
    const QString text = caption.isEmpty() ? QStringLiteral(" ") : caption;
    const QFontMetrics metrics(font);
    if (flags & DT_WORDBREAK)
        return metrics.boundingRect(QRect(0, 0, width, 0x7FFF), QtTextFlags(flags), text).size();
    QSize extent;
    const QStringList lines = ShownText(text, flags).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        extent.setWidth(std::max(extent.width(), metrics.horizontalAdvance(line)));
    extent.setHeight(int(lines.size()) * metrics.height());
    return extent;
}

} // namespace

// What a label shows and how, behind d so that the public header declares the API only.
struct TCustomLabel::Private {
    QString caption;
    TAlignment alignment = taLeftJustify;
    bool autoSize = true;
    TTextLayout layout = tlTop;
    bool showAccelChar = true;
    bool transparent = false;
    bool wordWrap = false;
};

TCustomLabel::TCustomLabel(QWidget* parent)
    : TGraphicControl(parent), d(std::make_unique<Private>())
{
    SetDefaultSize(65, 17);
}

TCustomLabel::~TCustomLabel() = default;

QString TCustomLabel::Caption() const { return d->caption; }
TAlignment TCustomLabel::Alignment() const { return d->alignment; }
bool TCustomLabel::AutoSize() const { return d->autoSize; }
TCustomLabel::TTextLayout TCustomLabel::Layout() const { return d->layout; }
bool TCustomLabel::ShowAccelChar() const { return d->showAccelChar; }
bool TCustomLabel::Transparent() const { return d->transparent; }
bool TCustomLabel::WordWrap() const { return d->wordWrap; }

void TCustomLabel::SetCaption(const QString& value)
{
    if (!Change(d->caption, value))
        return;
    TextExtentChanged();
    RepaintLabel();
    NotifyNameChanged(this);
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (Change(d->alignment, value))
        RepaintLabel();
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (!Change(d->autoSize, value))
        return;
    TextExtentChanged();
    RepaintLabel();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (Change(d->layout, value))
        RepaintLabel();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (!Change(d->showAccelChar, value))
        return;
    TextExtentChanged();
    RepaintLabel();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (!Change(d->wordWrap, value))
        return;
    TextExtentChanged();
    RepaintLabel();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (!Change(d->transparent, value))
        return;
    SetBufferTransparent(value);
    RepaintLabel();
}

void TCustomLabel::TextExtentChanged()
{
    AdjustBounds();
    updateGeometry();
}

void TCustomLabel::RepaintLabel()
{
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    TextExtentChanged();
    RepaintLabel();
}

QSize TCustomLabel::sizeHint() const
{
    if (!d->autoSize)
        return TGraphicControl::sizeHint();
    return TextExtent(Font()->ToQFont(), d->caption, DrawTextFlags(), Width());
}

QSize TCustomLabel::minimumSizeHint() const
{
    if (d->autoSize && !d->wordWrap)
        return sizeHint();
    return TGraphicControl::minimumSizeHint();
}

int TCustomLabel::DrawTextFlags() const
{
    int flags = DT_EXPANDTABS;
    if (d->alignment == taCenter)
        flags |= DT_CENTER;
    else if (d->alignment == taRightJustify)
        flags |= DT_RIGHT;
    if (d->wordWrap)
        flags |= DT_WORDBREAK;
    if (!d->showAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!d->autoSize || ComponentState().testFlag(csLoading))
        return;
    TRect rect = ClientRect();
    Canvas()->Font()->Assign(Font());
    DoDrawText(rect, DrawTextFlags() | DT_CALCRECT);
    // A right-aligned label keeps its right edge where it was.
    const int left = d->alignment == taRightJustify ? Left() + Width() - rect.Width() : Left();
    SetBounds(left, Top(), rect.Width(), rect.Height());
}

TTextColors TCustomLabel::CaptionColors() const
{
    if (d->transparent)
        return {Font()->Color(), Color()};
    return PairedTextColors(Font()->Color(), Color());
}

void TCustomLabel::Paint()
{
    TCanvas* canvas = Canvas();
    const TTextColors colors = CaptionColors();
    if (d->transparent) {
        canvas->Clear();
    } else {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(colors.Background);
        canvas->FillRect(ClientRect());
    }
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(colors.Text);
    canvas->Brush()->SetStyle(bsClear);
    TRect rect = ClientRect();
    const int flags = DrawTextFlags();
    if (d->layout != tlTop) {
        TRect measured = rect;
        DoDrawText(measured, flags | DT_CALCRECT);
        const int free = rect.Height() - measured.Height();
        rect.Top += d->layout == tlBottom ? free : free / 2;
    }
    DoDrawText(rect, flags);
}

void TCustomLabel::DoDrawText(TRect& Rect, int Flags)
{
    TCanvas* canvas = Canvas();
    if (Flags & DT_CALCRECT) {
        const QSize extent = TextExtent(canvas->Font()->ToQFont(), d->caption, Flags, Rect.Width());
        Rect.Right = Rect.Left + extent.width();
        Rect.Bottom = Rect.Top + extent.height();
        return;
    }
    const auto draw = [&](const QRect& box, TColor color) {
        QPainter* painter = canvas->Painter();
        painter->setFont(canvas->Font()->ToQFont());
        painter->setPen(ToQColor(color));
        if (!glyphprobe::GlyphsHidden())
            painter->drawText(box, QtTextFlags(Flags), d->caption);
        canvas->Changed();
    };
    const QRect box = Rect.ToQRect();
    if (Enabled()) {
        draw(box, canvas->Font()->Color());
        return;
    }
    if (DarkPaletteActive()) {
        draw(box, DisabledTextColor());
        return;
    }
    draw(box.translated(1, 1), clBtnHighlight);
    draw(box, clBtnShadow);
}

} // namespace vek
