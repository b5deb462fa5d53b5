// TGradFill for screen readers: a graphic, named by the application (or its tool tip);
// its colors carry no information a reader could announce.
#include "VEK_gradfl.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>

namespace vek {

namespace {

class GradFillAccessible : public TAccessibleControl {
public:
    explicit GradFillAccessible(TGradFill* fill) : TAccessibleControl(fill, QAccessible::Graphic) {}
};

[[maybe_unused]] const bool registered = RegisterAccessible<TGradFill, GradFillAccessible>();

} // namespace

} // namespace vek
