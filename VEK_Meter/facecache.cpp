// Paint and the partial repaint after a value change. The face that does not depend on
// the values (background, bands, scale, labels, caption) is drawn in its own bitmap and
// kept until one of its settings, the geometry, the palette, the font or the enabled
// state changes: it costs most of a paint, the range bands alone a fifth. A full paint
// copies the kept face into the back buffer and draws needles, cover, hub, lamps and
// frame over it. A value change copies the kept face back only where the old and new
// needles (and a lamp that changed) lie and redraws the overlay clipped to there, which
// gives the same pixels as a full paint.
#include "VEK_Meter.h"
#include "meter_p.h"

#include <algorithm>

namespace vek {

namespace {

TRect Unite(const TRect& a, const TRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
}

TRect BoundsOf(const QVector<TPoint>& points)
{
    int left = points.front().x(), right = left;
    int top = points.front().y(), bottom = top;
    for (const TPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    // The outline around the corner points, with its antialiased fringe and the miter of
    // the pointed arrow tip, stays within two pixels of them.
    return TRect(left - 2, top - 2, right + 3, bottom + 3);
}

} // namespace

void TMeter::Paint()
{
    if (!d->Paints())
        return;
    d->EnsureGeometry();
    if (d->meterRadius <= 0) {
        d->face.reset();
        return; // a control too small for its rims shows nothing
    }
    if (!d->FaceKept()) {
        d->face = std::make_unique<TBitmap>(Width(), Height());
        PrepareOffscreen(*d->face);
        d->PaintFace(d->face->Canvas());
    }
    TCanvas* c = Canvas();
    c->ResetClip();
    c->SetCopyMode(cmSrcCopy);
    c->Draw(0, 0, d->face.get());
    d->PrepareOverlayCanvas(c);
    d->PaintOverlay(c);
    // A label hook may draw other labels on every call: what it drew is not kept.
    if (OnBeforeDrawScaleLabel)
        d->face.reset();
    d->RememberPaintedState();
}

void TMeter::Private::RepaintValues()
{
    if (!CacheUsable()) {
        q->Paint();
        return;
    }
    TRect dirty = Unite(paintedNeedles, NeedleBounds());
    if (paintedOverLimit != overLimit)
        dirty = Unite(dirty, LampRect(true));
    if (paintedUnderLimit != underLimit)
        dirty = Unite(dirty, LampRect(false));
    if (dirty.IsEmpty())
        return;
    TCanvas* c = q->Canvas();
    c->ResetClip();
    c->IntersectClipRect(dirty);
    c->SetCopyMode(cmSrcCopy);
    c->CopyRect(dirty, face->Canvas(), dirty);
    PrepareOverlayCanvas(c);
    PaintOverlay(c);
    c->ResetClip();
    RememberPaintedState();
}

// Hooks may draw anything anywhere, and a label hook may change the face at any time:
// with one of them assigned every change repaints everything.
bool TMeter::Private::CacheUsable()
{
    if (q->OnBeforeDrawNeedle || q->OnMeterRendered || q->OnBeforeDrawScaleLabel)
        return false;
    if (!Paints())
        return false;
    EnsureGeometry();
    return FaceKept();
}

// A screen of another scale or a new size needs a face of its own.
bool TMeter::Private::FaceKept() const
{
    return face && !q->OnBeforeDrawScaleLabel && face->Width() == q->Width() &&
           face->Height() == q->Height() &&
           face->DevicePixelRatio() == q->Canvas()->DevicePixelRatio();
}

// The canvas state a full paint leaves after the caption, so that the overlay (and the
// hooks) see the same state on either road.
void TMeter::Private::PrepareOverlayCanvas(TCanvas* c)
{
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetMode(pmCopy);
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(&fontCaption);
}

TRect TMeter::Private::NeedleBounds() const
{
    TRect bounds;
    for (const auto& [layout, v] : {std::pair{&needle, value}, {&needleSec, valueSec}}) {
        if (!layout->Visible())
            continue;
        const NeedleShape shape = ShapeOf(*layout, v);
        bounds = Unite(bounds, BoundsOf(shape.body));
        if (shape.hasShadow)
            bounds = Unite(bounds, BoundsOf(shape.shadow));
    }
    return bounds;
}

TRect TMeter::Private::LampRect(bool upper) const
{
    const int left = upper ? q->Width() - rimSide - 18 : rimSide + 8;
    return TRect(left, rimTop + 8, left + 10, rimTop + 18);
}

void TMeter::Private::RememberPaintedState()
{
    paintedNeedles = NeedleBounds();
    paintedOverLimit = overLimit;
    paintedUnderLimit = underLimit;
}

} // namespace vek
