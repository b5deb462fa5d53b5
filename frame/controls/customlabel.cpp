#include "customlabel.h"

#include <frame/canvas/colors.h>

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

} // namespace

TCustomLabel::TCustomLabel(QWidget* parent) : TGraphicControl(parent)
{
    resize(65, 17);
}

template <typename T>
void TCustomLabel::Change(T& field, const T& value, bool adjust)
{
    if (field == value)
        return;
    field = value;
    if (adjust)
        AdjustBounds();
    RepaintLabel();
}

void TCustomLabel::SetCaption(const QString& value) { Change(FCaption, value, true); }
void TCustomLabel::SetAlignment(TAlignment value) { Change(FAlignment, value, false); }
void TCustomLabel::SetAutoSize(bool value) { Change(FAutoSize, value, true); }
void TCustomLabel::SetLayout(TTextLayout value) { Change(FLayout, value, false); }
void TCustomLabel::SetShowAccelChar(bool value) { Change(FShowAccelChar, value, true); }
void TCustomLabel::SetWordWrap(bool value) { Change(FWordWrap, value, true); }

void TCustomLabel::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    SetBufferTransparent(value);
    RepaintLabel();
}

void TCustomLabel::RepaintLabel()
{
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    AdjustBounds();
    RepaintLabel();
}

int TCustomLabel::DrawTextFlags() const
{
    int flags = DT_EXPANDTABS;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().testFlag(csLoading))
        return;
    TRect rect = ClientRect();
    Canvas()->Font()->Assign(Font());
    DoDrawText(rect, DrawTextFlags() | DT_CALCRECT);
    // A right-aligned label keeps its right edge where it was.
    const int left = FAlignment == taRightJustify ? Left() + Width() - rect.Width() : Left();
    SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TCustomLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (FTransparent) {
        canvas->Clear();
    } else {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    }
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetStyle(bsClear);
    TRect rect = ClientRect();
    const int flags = DrawTextFlags();
    if (FLayout != tlTop) {
        TRect measured = rect;
        DoDrawText(measured, flags | DT_CALCRECT);
        const int free = rect.Height() - measured.Height();
        rect.Top += FLayout == tlBottom ? free : free / 2;
    }
    DoDrawText(rect, flags);
}

void TCustomLabel::DoDrawText(TRect& Rect, int Flags)
{
    TCanvas* canvas = Canvas();
    const QString text = FCaption.isEmpty() && (Flags & DT_CALCRECT) ? QStringLiteral(" ")
                                                                     : FCaption;
    const int qtFlags = QtTextFlags(Flags);
    if (Flags & DT_CALCRECT) {
        const QFontMetrics metrics(canvas->Font()->ToQFont());
        QSize extent;
        if (Flags & DT_WORDBREAK) {
            extent = metrics.boundingRect(QRect(0, 0, Rect.Width(), 0x7FFF), qtFlags, text).size();
        } else {
            // Advance widths, as the text is laid out, not the glyphs' ink.
            const QStringList lines = ShownText(text, Flags).split(QLatin1Char('\n'));
            for (const QString& line : lines)
                extent.setWidth(std::max(extent.width(), metrics.horizontalAdvance(line)));
            extent.setHeight(int(lines.size()) * metrics.height());
        }
        Rect.Right = Rect.Left + extent.width();
        Rect.Bottom = Rect.Top + extent.height();
        return;
    }
    const auto draw = [&](const QRect& box, TColor color) {
        QPainter* painter = canvas->Painter();
        painter->setFont(canvas->Font()->ToQFont());
        painter->setPen(ToQColor(color));
        painter->drawText(box, qtFlags, text);
        canvas->Changed();
    };
    const QRect box = Rect.ToQRect();
    if (Enabled()) {
        draw(box, canvas->Font()->Color());
        return;
    }
    draw(box.translated(1, 1), clBtnHighlight);
    draw(box, clBtnShadow);
}

} // namespace vek
