// Paint and the partial repaint after a value change. A full paint composes the face
// that does not depend on the values (background, bands, scale, labels, caption) in its
// own bitmap, kept until the next full paint, copies it into the back buffer and draws
// needles, cover, hub, lamps and frame over it. A value change copies the kept face back
// only where the old and new needles (and a lamp that changed) lie and redraws the
// overlay clipped to there, which gives the same pixels as a full paint.
#include "VEK_Meter.h"

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
    // One pixel of outline around the corner points.
    return TRect(left - 1, top - 1, right + 2, bottom + 2);
}

} // namespace

void TMeter::Paint()
{
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return;
    EnsureGeometry();
    if (FMeterRadius <= 0) {
        FFace.reset();
        return; // a control too small for its rims shows nothing
    }
    FFace = std::make_unique<TBitmap>(Width(), Height());
    PaintFace(FFace->Canvas());
    TCanvas* c = Canvas();
    c->ResetClip();
    c->SetCopyMode(cmSrcCopy);
    c->Draw(0, 0, FFace.get());
    PrepareOverlayCanvas(c);
    PaintOverlay(c);
    RememberPaintedState();
}

void TMeter::RepaintValues()
{
    if (!CacheUsable()) {
        Paint();
        return;
    }
    TRect dirty = Unite(FPaintedNeedles, NeedleBounds());
    if (FPaintedOFL != FOFL)
        dirty = Unite(dirty, LampRect(true));
    if (FPaintedUFL != FUFL)
        dirty = Unite(dirty, LampRect(false));
    if (dirty.IsEmpty())
        return;
    TCanvas* c = Canvas();
    c->ResetClip();
    c->IntersectClipRect(dirty);
    c->SetCopyMode(cmSrcCopy);
    c->CopyRect(dirty, FFace->Canvas(), dirty);
    PrepareOverlayCanvas(c);
    PaintOverlay(c);
    c->ResetClip();
    RememberPaintedState();
}

// Hooks may draw anything anywhere, and a label hook may change the face at any time:
// with one of them assigned every change repaints everything.
bool TMeter::CacheUsable()
{
    if (OnBeforeDrawNeedle || OnMeterRendered || OnBeforeDrawScaleLabel)
        return false;
    if (!Visible() && !ComponentState().testFlag(csDesigning))
        return false;
    EnsureGeometry();
    return FFace && FFace->Width() == Width() && FFace->Height() == Height() &&
           Canvas()->Target()->size() == size();
}

// The canvas state a full paint leaves after the caption, so that the overlay (and the
// hooks) see the same state on either road.
void TMeter::PrepareOverlayCanvas(TCanvas* c)
{
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetMode(pmCopy);
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(&FFontCaption);
}

TRect TMeter::NeedleBounds() const
{
    TRect bounds;
    for (const auto& [layout, value] : {std::pair{&FNeedle, FValue}, {&FNeedleSec, FValueSec}}) {
        if (!layout->Visible())
            continue;
        const NeedleShape shape = ShapeOf(*layout, value);
        bounds = Unite(bounds, BoundsOf(shape.body));
        if (shape.hasShadow)
            bounds = Unite(bounds, BoundsOf(shape.shadow));
    }
    return bounds;
}

TRect TMeter::LampRect(bool upper) const
{
    const int left = upper ? Width() - FRimSide - 18 : FRimSide + 8;
    return TRect(left, FRimTop + 8, left + 10, FRimTop + 18);
}

void TMeter::RememberPaintedState()
{
    FPaintedNeedles = NeedleBounds();
    FPaintedOFL = FOFL;
    FPaintedUFL = FUFL;
}

} // namespace vek
