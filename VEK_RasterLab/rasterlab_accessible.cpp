// TRasterLab for screen readers: static text named by the text it shows in dots.
#include "rasterlab_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

namespace {

class RasterLabAccessible : public TAccessibleControl {
public:
    explicit RasterLabAccessible(TRasterLab* label)
        : TAccessibleControl(label, QAccessible::StaticText)
    {
    }

protected:
    QString Caption() const override { return static_cast<TRasterLab*>(widget())->Text(); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TRasterLab, RasterLabAccessible>();

} // namespace

void rasterlab::AnnounceChanges(TRasterLab* label)
{
    AnnounceOn(label, &TRasterLab::textChanged, NotifyNameChanged);
}

} // namespace vek
